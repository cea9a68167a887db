// Loading and unloading of the property module through its exported entry points.
#include "KyModuleHost.h"

#include <dlfcn.h>

#include <QDir>
#include <QFileInfo>

namespace
{
const char* const kModuleSoname = "libKYProperties.so.1";
}

bool KyModuleHost::load(const QString& exeDir, QString& error)
{
  const QString besideExe = QDir(exeDir).filePath(QStringLiteral("../lib/") + QLatin1String(kModuleSoname));
  QStringList tried;
  for (const QString& candidate : {besideExe, QString::fromLatin1(kModuleSoname)})
  {
    if (candidate == besideExe && !QFileInfo::exists(candidate))
      continue;
    // RTLD_NODELETE: the module stays mapped after dlclose, as its description lists outlive it
    // by design; leak checkers can then still attribute them.
    m_handle = dlopen(candidate.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (m_handle)
    {
      m_path = candidate == besideExe ? QFileInfo(candidate).canonicalFilePath() : candidate;
      break;
    }
    tried.append(QString::fromLocal8Bit(dlerror()));
  }
  if (!m_handle)
  {
    error = QStringLiteral("cannot load %1: %2").arg(QLatin1String(kModuleSoname), tried.join(QStringLiteral("; ")));
    return false;
  }
  m_create = reinterpret_cast<OdCreateModuleObjectFunc>(dlsym(m_handle, "odrxCreateModuleObject"));
  m_version = reinterpret_cast<OdGetAPIVersionFunc>(dlsym(m_handle, "odrxGetAPIVersion"));
  m_delete = reinterpret_cast<OdDeleteModuleObjectFunc>(dlsym(m_handle, "deleteModuleObject"));
  if (!m_create || !m_version || !m_delete)
  {
    error = QStringLiteral("%1 does not export odrxCreateModuleObject, odrxGetAPIVersion and deleteModuleObject")
              .arg(m_path);
    unload();
    return false;
  }
  return true;
}

void KyModuleHost::start()
{
  m_module = m_create(m_handle, L"KYProperties");
  m_module->initApp();
  m_started = true;
}

void KyModuleHost::unload()
{
  if (m_module)
  {
    if (m_started)
      m_module->uninitApp();
    m_delete();
    m_module->release();
    m_module = nullptr;
    m_started = false;
  }
  if (m_handle)
  {
    dlclose(m_handle);
    m_handle = nullptr;
  }
}

QString KyModuleHost::apiVersion() const
{
  if (!m_version)
    return QString();
  int major = 0, minor = 0, build = 0, patch = 0;
  m_version(major, minor, build, patch);
  return QStringLiteral("%1.%2.%3.%4").arg(major).arg(minor).arg(build).arg(patch);
}
