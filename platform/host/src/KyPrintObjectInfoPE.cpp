// CKyPrintObjectInfoPE: run-time class, the generic listing of entities and the lookup of an
// object's listing extension.
#include "KyPrintObjectInfoPE.h"

#include <QCoreApplication>

#include "DbDatabase.h"
#include "DbEntity.h"

ODRX_NO_CONS_DEFINE_MEMBERS(CKyPrintObjectInfoPE, OdRxObject)

namespace
{
QString colorText(const OdCmColor& color)
{
  if (color.isByLayer())
    return QCoreApplication::translate("info_values", "ByLayer");
  if (color.isByBlock())
    return QCoreApplication::translate("info_values", "ByBlock");
  return CKyString(color.colorNameForDisplay());
}

QString lineweightText(OdDb::LineWeight lineweight)
{
  switch (lineweight)
  {
  case OdDb::kLnWtByLayer:
    return QCoreApplication::translate("info_values", "ByLayer");
  case OdDb::kLnWtByBlock:
    return QCoreApplication::translate("info_values", "ByBlock");
  case OdDb::kLnWtByLwDefault:
    return QCoreApplication::translate("info_values", "Default");
  default:
    return QCoreApplication::translate("info_values", "%1 mm").arg(static_cast<int>(lineweight) / 100.0, 0, 'f', 2);
  }
}

QString transparencyText(const OdCmTransparency& transparency)
{
  if (transparency.isByLayer())
    return QCoreApplication::translate("info_values", "ByLayer");
  if (transparency.isByBlock())
    return QCoreApplication::translate("info_values", "ByBlock");
  // Users see transparency, the complement of the stored opacity, in percent.
  return QString::number(qRound((1.0 - transparency.alpha() / 255.0) * 100.0));
}

QString infoItem(const char* key)
{
  return QCoreApplication::translate("info_items", key);
}
}

CKyString CKyPrintObjectInfoPE::GetClassName(const OdDbObject* object)
{
  if (!object)
    return CKyString();
  const OdRxClass* objectClass = object->isA();
  const OdString dxfName = objectClass->dxfName();
  if (!dxfName.isEmpty())
    return CKyString(dxfName);
  QString name = CKyString(objectClass->name());
  if (name.startsWith(QLatin1String("OdDb")))
    name.remove(0, 4);
  return name.toUpper();
}

void CKyPrintObjectInfoPE::PrintObjectHeader(const OdDbObject* object, CKyPrintInfoContext* context)
{
  if (!object || !context)
    return;
  object->assertReadEnabled();
  const QString handle = CKyString(object->objectId().getHandle().ascii());
  context->PrintString(GetClassName(object), QStringLiteral("%1 = %2").arg(infoItem("Handle"), handle));

  const OdSmartPtr<OdDbEntity> entity = OdDbEntity::cast(object);
  if (entity.isNull() || !entity->database() || entity->blockId().isNull())
    return;
  const bool modelSpace = entity->blockId() == entity->database()->getModelSpaceId();
  context->PrintString(infoItem("Space"), modelSpace ? QCoreApplication::translate("info_values", "Model space")
                                                     : QCoreApplication::translate("info_values", "Paper space"));
}

bool CKyPrintObjectInfoPE::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  if (!object || !context)
    return false;
  PrintObjectHeader(object, context);
  const OdSmartPtr<OdDbEntity> entity = OdDbEntity::cast(object);
  if (entity.isNull())
    return true;
  context->PrintString(infoItem("Layer"), CKyString(entity->layer()));
  context->PrintString(infoItem("Color"), colorText(entity->color()));
  context->PrintString(infoItem("Linetype"), CKyString(entity->linetype()));
  context->PrintString(infoItem("Lineweight"), lineweightText(entity->lineWeight()));
  context->PrintString(infoItem("Transparency"), transparencyText(entity->transparency()));
  return true;
}

bool CKyPrintObjectInfoPE::PrintInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  if (!object || !desc())
    return false;
  OdSmartPtr<CKyPrintObjectInfoPE> extension = CKyPrintObjectInfoPE::cast(object);
  if (extension.isNull())
    return false;
  extension->PrintObjectInfo(object, context);
  return true;
}
