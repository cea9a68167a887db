// The shared description builder and the per-level GetPropertyNames step.
#include "KyPropertyTable.h"

#include <QCoreApplication>
#include <QString>

#include "RxObject.h"
#include "KyTexts.h"

namespace
{
QString iconName(const KyPropertyRow& row)
{
  if (row.icon)
    return QString::fromLatin1(row.icon);
  QString name = QString::fromLatin1(row.name);
  name.remove(QLatin1Char(' '));
  return name;
}

const char* iconFolder(const KyPropertyRow& row)
{
  return row.iconFolder ? row.iconFolder : row.category;
}
} // namespace

CKyString KyIconPath(const char* folder, const char* icon)
{
  const QString f = QString::fromLatin1(folder);
  return CKyString(QStringLiteral(":/%1/%1_%2.png").arg(f, QString::fromLatin1(icon)));
}

CKyString KyDarkIconPath(const char* folder, const char* icon)
{
  const QString f = QString::fromLatin1(folder);
  return CKyString(QStringLiteral(":/%1/svg_icons/%1/%1_%2.svg").arg(f, QString::fromLatin1(icon)));
}

void KyBuildDescriptions(const KyPropertyTable& table, KyDescriptionList& names)
{
  for (std::size_t i = 0; i < table.count; ++i)
  {
    const KyPropertyRow& row = table.rows[i];
    const QByteArray icon = iconName(row).toLatin1();
    auto* desc = new CKyPropertyDescriptionImpl;
    // Through the texts cache: the rows share their texts with the module's named constants, so
    // the passes that look rows up by name match them without comparing characters.
    desc->SetCategory(KyTr("property_groups", row.category));
    desc->SetName(KyTr("property_types", row.name));
    desc->SetIsDynamic(false);
    desc->SetType(CKyPropertyTypeImpl(row.type, row.guid ? *row.guid : CKyString()));
    desc->SetDescription(CKyString());
    desc->PutGetMethod(row.getter);
    desc->PutSetMethod(row.setter);
    desc->PutIsReadOnlyMethod(row.readOnly);
    desc->SetIcon(KyIconPath(iconFolder(row), icon.constData()));
    desc->SetDarkIcon(KyDarkIconPath(iconFolder(row), icon.constData()));
    desc->SetLightIcon(CKyString());
    names.insertAt(names.size(), desc);
    if (row.flags & kKyRowMatchProp)
      desc->SetVisibility(desc->GetVisibility() | 4);
  }
  if (const KyMatchPropCarrier* carrier = table.carrier)
  {
    auto* desc = new CKyPropertyDescriptionImpl;
    desc->SetCategory(CKyString(QString::fromLatin1("MATCHPROP")));
    desc->SetName(CKyString(QString::fromLatin1(carrier->name)));
    desc->SetIsDynamic(false);
    desc->PutGetMethod(carrier->getter);
    desc->PutSetMethod(carrier->setter);
    desc->SetVisibility(4);
    names.insertAt(names.size(), desc);
  }
}

void KyCollectLevel(CKyPropertiesContainer* container, const OdRxClass* objectClass, const OdRxClass* extensionClass,
                    bool skipAdd, const OdRxClass* levelClass, const OdRxClass* objectLevelClass,
                    KyDescriptionList& names, const KyPropertyTable& table)
{
  if (extensionClass && !extensionClass->isDerivedFrom(levelClass))
    return;
  if (!container)
    return;
  const bool match = objectClass ? objectClass->isDerivedFrom(objectLevelClass) : true;
  if (!names.isEmpty())
  {
    if (!match || skipAdd)
      return;
    container->Add(names);
    return;
  }
  KyBuildDescriptions(table, names);
  if (match)
    container->Add(names);
}

CKyPropertyDescriptionImpl* KyNewDynamicDescription(const KyDynamicRow& row)
{
  auto* desc = new CKyPropertyDescriptionImpl;
  desc->SetCategory(KyTr("property_groups", row.category));
  desc->SetName(row.name);
  desc->SetIsDynamic(true);
  desc->SetType(CKyPropertyTypeImpl(row.type, row.guid ? *row.guid : CKyString()));
  desc->SetDescription(row.description);
  desc->PutGetMethod(row.getter);
  desc->PutSetMethod(row.setter);
  desc->PutIsReadOnlyMethod(row.readOnly);
  if (row.groupAction)
    desc->PutGroupActionMethod(row.groupAction);
  desc->SetIcon(row.icon);
  desc->SetDarkIcon(row.darkIcon);
  desc->SetLightIcon(CKyString());
  return desc;
}

bool KyHoldsRow(const CKyPropertiesContainer* container, const CKyString& name, const CKyString& category)
{
  return container && container->GetByName(name, category) != nullptr;
}
