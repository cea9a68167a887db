// Test fixtures shared by the suites.
#include "KyTestDrawing.h"

#include "DbLayerTableRecord.h"
#include "DbSymbolTable.h"
#include "KyDatabase.h"
#include "KyPropertyBase.h"

extern "C" OdRxModule* odrxCreateModuleObject(void* hModule, const wchar_t* szModuleName) __attribute__((weak));
extern "C" void deleteModuleObject() __attribute__((weak));

// ---- KyTestDrawing -----------------------------------------------------------------------------

KyTestDrawing::KyTestDrawing()
  : m_db(OdDbDatabase::createObject())
{
  m_document.reset(new CKyDocument(m_db.get()));
  m_previousDocument = CKyDocumentManager::SetActiveDocument(m_document.get());
}

KyTestDrawing::~KyTestDrawing()
{
  CKyDocumentManager::SetActiveDocument(m_previousDocument);
}

void KyTestDrawing::setUcs(const OdGePoint3d& origin, const OdGeVector3d& xAxis, const OdGeVector3d& yAxis)
{
  CKyDatabase(m_db.get()).SetCurrentUcs(origin, xAxis, yAxis);
}

void KyTestDrawing::setUnits(int linearMode, int precision)
{
  m_db->setLUNITS(static_cast<OdInt16>(linearMode));
  m_db->setLUPREC(static_cast<OdInt16>(precision));
}

OdDbObjectId KyTestDrawing::add(OdDbEntity* entity)
{
  OdDbBlockTableRecordPtr space = m_db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  return space->appendOdDbEntity(entity);
}

OdDbObjectId KyTestDrawing::addLayer(const OdString& name)
{
  OdDbSymbolTablePtr layers = m_db->getLayerTableId().safeOpenObject(OdDb::kForWrite);
  OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
  layer->setName(name);
  return layers->add(layer);
}

OdDbObjectId KyTestDrawing::addTextStyle(const OdString& name,
                                         const std::function<void(OdDbTextStyleTableRecord*)>& setup)
{
  OdDbSymbolTablePtr styles = m_db->getTextStyleTableId().safeOpenObject(OdDb::kForWrite);
  OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::createObject();
  if (!name.isEmpty()) // shape files keep their styles unnamed
    style->setName(name);
  setup(style);
  return styles->add(style);
}

// ---- KyRecordingMessages -----------------------------------------------------------------------

KyRecordingMessages::KyRecordingMessages()
{
  m_previous = SetKySystemServices(this);
}

KyRecordingMessages::~KyRecordingMessages()
{
  SetKySystemServices(m_previous);
}

int KyRecordingMessages::MessageBox(const CKyString& text, const CKyString& caption, int)
{
  messages.push_back({text.toQString(), caption.toQString()});
  return 0;
}

void KyRecordingMessages::PrintToCommandLine(const CKyString& text)
{
  commandLine.push_back(text.toQString());
}

void KyRecordingMessages::ShowAnnotationScalesDialog(const OdArray<OdDbObjectId>& ids)
{
  scaleDialogs.push_back(ids);
}

// ---- KyRecordingPrintContext -------------------------------------------------------------------

namespace
{
QString num(double v)
{
  return QString::number(v, 'g', 17);
}
} // namespace

void KyRecordingPrintContext::add(const char* kind, const CKyString& label, const QString& value)
{
  lines.push_back({kind, label.toQString(), value});
}

void KyRecordingPrintContext::PrintString(const CKyString& label, const CKyString& value)
{
  add("PrintString", label, value.toQString());
}
void KyRecordingPrintContext::PrintString(const CKyString& text)
{
  add("PrintText", text, QString());
}
void KyRecordingPrintContext::PrintPoint(const CKyString& label, const OdGePoint3d& p)
{
  add("PrintPoint", label, num(p.x) + "," + num(p.y) + "," + num(p.z));
}
void KyRecordingPrintContext::PrintPoint(const CKyString& label, const OdGePoint2d& p)
{
  add("PrintPoint", label, num(p.x) + "," + num(p.y));
}
void KyRecordingPrintContext::PrintDist(const CKyString& label, double v)
{
  add("PrintDist", label, num(v));
}
void KyRecordingPrintContext::PrintAngle(const CKyString& label, double v)
{
  add("PrintAngle", label, num(v));
}
void KyRecordingPrintContext::PrintArea(const CKyString& label, double v)
{
  add("PrintArea", label, num(v));
}
void KyRecordingPrintContext::PrintWidth(const CKyString& label, double v)
{
  add("PrintWidth", label, num(v));
}
void KyRecordingPrintContext::PrintScale(const CKyString& label, double v)
{
  add("PrintScale", label, num(v));
}
void KyRecordingPrintContext::PrintInt(const CKyString& label, int v)
{
  add("PrintInt", label, QString::number(v));
}
void KyRecordingPrintContext::PrintBool(const CKyString& label, bool v)
{
  add("PrintBool", label, v ? "true" : "false");
}
void KyRecordingPrintContext::PrintVector3D(const CKyString& label, const OdGeVector3d& v)
{
  add("PrintVector3D", label, num(v.x) + "," + num(v.y) + "," + num(v.z));
}

bool KyRecordingPrintContext::CheckCounter()
{
  ++itemsCounted;
  return itemLimit < 0 || itemsCounted < itemLimit;
}

std::vector<std::string> KyRecordingPrintContext::labels() const
{
  std::vector<std::string> out;
  for (const Line& l : lines)
    out.push_back(l.label.toStdString());
  return out;
}

const KyRecordingPrintContext::Line* KyRecordingPrintContext::find(const QString& label) const
{
  for (const Line& l : lines)
    if (l.label == label)
      return &l;
  return nullptr;
}

// ---- KyModuleSession ---------------------------------------------------------------------------

KyModuleSession::KyModuleSession()
{
  if (!odrxCreateModuleObject)
    throw OdError(eNotApplicable, OdString(L"the property module is not linked into this test"));
  m_module = odrxCreateModuleObject(nullptr, L"KYProperties");
  m_module->initApp();
}

KyModuleSession::~KyModuleSession()
{
  m_module->uninitApp();
  deleteModuleObject();
  m_module->release();
}

// ---- KyPaletteRows -----------------------------------------------------------------------------

KyPaletteRows::KyPaletteRows(const OdDbObject* object)
{
  if (CKyPropertyPEClassFactory* factory = CKyPropertyPEClassFactory::instance())
    m_found = factory->GatherProperties(object, m_container);
}

const CKyPropertyDescription* KyPaletteRows::row(const QString& name, const QString& category) const
{
  for (int i = 0; i < m_container.GetCount(); ++i)
  {
    const CKyPropertyDescription* d = m_container.GetAt(i);
    if (d->GetName().toQString() == name && (category.isEmpty() || d->GetCategory().toQString() == category))
      return d;
  }
  return nullptr;
}

std::vector<std::string> KyPaletteRows::names() const
{
  std::vector<std::string> out;
  for (int i = 0; i < m_container.GetCount(); ++i)
    out.push_back(m_container.GetAt(i)->GetName().toQString().toStdString());
  return out;
}
