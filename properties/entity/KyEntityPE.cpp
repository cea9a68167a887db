// General entity rows. Every setter follows the shared shape: the object must be an entity open
// for write and the value of the expected tag; SDK results map to 5100 / -5001.
#include "KyEntityPE.h"

#include <QCoreApplication>

#include "DbCurve.h"
#include "DbDatabase.h"
#include "DbDimension.h"
#include "DbEntity.h"
#include "DbLayerTableRecord.h"
#include "KyAccessors.h"
#include "KyDatabase.h"
#include "KyTexts.h"
#include "KyUtils.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyEntityPE, CKyPropertyBase, RXIMPL_CONSTR)

KyDescriptionList CKyEntityPE::s_Names;

namespace
{
const KyPropertyRow kRows[] = {
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "LineColor"),
   CKyVariant::kColor, nullptr, &CKyEntityPE::GetColor, &CKyEntityPE::SetColor,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "Color", kKyRowMatchProp},
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "Layer"),
   CKyVariant::kObjectId, &CKyPropertyType::kLayerGUID, &CKyEntityPE::GetLayer, &CKyEntityPE::SetLayer,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "Layer", kKyRowMatchProp},
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "LineStyle"),
   CKyVariant::kObjectId, &CKyPropertyType::kLinetypeGUID, &CKyEntityPE::GetLinetype, &CKyEntityPE::SetLinetype,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "Linetype", kKyRowMatchProp},
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "LineScale"),
   CKyVariant::kDouble, nullptr, &CKyEntityPE::GetLinetypeScale, &CKyEntityPE::SetLinetypeScale,
   &CKyEntityPE::IsLinetypeScaleReadOnly, "LinetypeScale", kKyRowMatchProp},
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "PrintStyle"),
   CKyVariant::kString, &CKyPropertyType::kPlotStyleGUID, &CKyEntityPE::GetPlotStyle, &CKyEntityPE::SetPlotStyle,
   &CKyEntityPE::IsPlotStyleReadOnly, "PlotStyle", kKyRowMatchProp},
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "LineWeight"),
   CKyVariant::kInt32, &CKyPropertyType::kLineweightGUID, &CKyEntityPE::GetLineweight,
   &CKyEntityPE::SetLineweight, &CKyPropertyPEImpl::IsReadOnlyFalse, "Lineweight", kKyRowMatchProp},
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "Hyperlink"),
   CKyVariant::kString, &CKyPropertyType::kHyperlinkGUID, &CKyEntityPE::GetHyperlink, &CKyEntityPE::SetHyperlink,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "Hyperlink", kKyRowMatchProp},
  // Described as a string row, but the values exchanged are transparency cells (tag 11).
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "Transparency"),
   CKyVariant::kString, &CKyPropertyType::kTransparencyGUID, &CKyEntityPE::GetTransparency,
   &CKyEntityPE::SetTransparency, &CKyPropertyPEImpl::IsReadOnlyFalse, "Transparency", kKyRowMatchProp},
};

int resultOf(OdResult res)
{
  return res == eOk ? kKyAccepted : kKyRefused;
}
} // namespace

CKyString CKyEntityPE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Entity"));
}

void CKyEntityPE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                   const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyPropertyPEImpl::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyEntityPE::desc(), OdDbEntity::desc(), s_Names,
                 KyTable(kRows));
}

bool CKyEntityPE::HasDynamicProperties()
{
  return CKyPropertyPEImpl::HasDynamicProperties();
}

void CKyEntityPE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKyEntityPE::GetColor(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbEntity> entity = KyForRead<OdDbEntity>(object);
  if (entity.isNull())
    return CKyVariant();
  return CKyVariant(entity->color());
}

int CKyEntityPE::SetColor(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                          const CKyVariant&)
{
  const KyOpened<OdDbEntity> entity = KyForWrite<OdDbEntity>(object);
  if (entity.isNull() || value.GetType() != CKyVariant::kColor)
    return kKyRefused;
  // Curves and polyface meshes pass the colour on to their sub-entities (vertices).
  const OdRxClass* polyFaceMesh = odrxGetClassDesc(L"OdDbPolyFaceMesh");
  const bool doSubents = entity->isKindOf(OdDbCurve::desc()) || (polyFaceMesh && entity->isKindOf(polyFaceMesh));
  return resultOf(entity->setColor(value.GetColor(), doSubents));
}

CKyVariant CKyEntityPE::GetLayer(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbEntity> entity = KyForRead<OdDbEntity>(object);
  if (entity.isNull())
    return CKyVariant();
  return CKyVariant(entity->layerId());
}

int CKyEntityPE::SetLayer(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                          const CKyVariant&)
{
  const KyOpened<OdDbEntity> entity = KyForWrite<OdDbEntity>(object);
  if (entity.isNull() || value.GetType() != CKyVariant::kObjectId)
    return kKyRefused;
  const OdDbObjectId layerId = value.GetId();
  OdDbObjectPtr opened = layerId.openObject(OdDb::kForRead);
  if (opened.isNull())
    return kKyRefused;
  // A non-layer object raises OdError_NotThatKindOfClass to the caller.
  OdDbLayerTableRecordPtr layer = opened;
  if (layer->isDependent())
    return kKyRefused;
  return resultOf(entity->setLayer(layerId, entity->isKindOf(OdDbCurve::desc()), false));
}

CKyVariant CKyEntityPE::GetLinetype(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbEntity> entity = KyForRead<OdDbEntity>(object);
  if (entity.isNull())
    return CKyVariant();
  return CKyVariant(entity->linetypeId());
}

int CKyEntityPE::SetLinetype(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                             const CKyVariant&)
{
  const KyOpened<OdDbEntity> entity = KyForWrite<OdDbEntity>(object);
  if (entity.isNull() || value.GetType() != CKyVariant::kObjectId)
    return kKyRefused;
  OdDbDimensionPtr dimension = OdDbDimension::cast(entity);
  if (!dimension.isNull() && dimension->isConstraintDynamic())
    return kKyAccepted; // dynamic constraint dimensions keep their linetype
  return resultOf(entity->setLinetype(value.GetId(), true));
}

CKyVariant CKyEntityPE::GetLinetypeScale(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbEntity> entity = KyForRead<OdDbEntity>(object);
  if (entity.isNull())
    return CKyVariant();
  return CKyVariant(entity->linetypeScale(), false);
}

int CKyEntityPE::SetLinetypeScale(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                  const CKyVariant&)
{
  const KyOpened<OdDbEntity> entity = KyForWrite<OdDbEntity>(object);
  double scale = 0.0;
  if (entity.isNull() || !KyDoubleOf(value, scale))
    return kKyRefused;
  return resultOf(entity->setLinetypeScale(scale, true));
}

bool CKyEntityPE::IsLinetypeScaleReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}

CKyVariant CKyEntityPE::GetPlotStyle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbEntity> entity = KyForRead<OdDbEntity>(object);
  if (entity.isNull())
    return CKyVariant();
  return KyStringValueOf(entity->plotStyleName());
}

int CKyEntityPE::SetPlotStyle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                              const CKyVariant&)
{
  const KyOpened<OdDbEntity> entity = KyForWrite<OdDbEntity>(object);
  if (entity.isNull() || value.GetType() != CKyVariant::kString)
    return kKyRefused;
  entity->setPlotStyleName(value.GetString().toOdString(), true);
  return kKyAccepted;
}

bool CKyEntityPE::IsPlotStyleReadOnly(const OdDbObject* object, const CKyPropertyDescription&)
{
  return object && object->database() && CKyDatabase(object->database()).GetPlotStyleMode();
}

CKyVariant CKyEntityPE::GetLineweight(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbEntity> entity = KyForRead<OdDbEntity>(object);
  if (entity.isNull())
    return CKyVariant();
  return CKyVariant(static_cast<int>(entity->lineWeight()));
}

int CKyEntityPE::SetLineweight(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                               const CKyVariant&)
{
  const KyOpened<OdDbEntity> entity = KyForWrite<OdDbEntity>(object);
  if (entity.isNull() || value.GetType() != CKyVariant::kInt32)
    return kKyRefused;
  // Only a number within the lineweights' range may become the enumeration (anything else is not
  // a value of it); the SDK refuses the numbers in between that name no lineweight.
  const int weight = value.GetInt32();
  if (weight < OdDb::kLnWtByLwDefault || weight > OdDb::kLnWt211)
    return kKyRefused;
  return resultOf(entity->setLineWeight(static_cast<OdDb::LineWeight>(weight), true));
}

CKyVariant CKyEntityPE::GetHyperlink(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  if (KyForRead<OdDbEntity>(object).isNull())
    return CKyVariant();
  CKyString link;
  if (CKyUtils::IsHyperLink(object, &link, nullptr))
    return CKyVariant(link);
  return CKyVariant(CKyString()); // no hyperlink: an empty text
}

int CKyEntityPE::SetHyperlink(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                              const CKyVariant&)
{
  if (KyForWrite<OdDbEntity>(object).isNull() || value.GetType() != CKyVariant::kString)
    return kKyRefused;
  CKyString link = value.GetString();
  return CKyUtils::SetHyperLink(object, &link) ? kKyAccepted : kKyRefused;
}

CKyVariant CKyEntityPE::GetTransparency(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbEntity> entity = KyForRead<OdDbEntity>(object);
  if (entity.isNull())
    return CKyVariant();
  return CKyVariant(entity->transparency());
}

int CKyEntityPE::SetTransparency(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                 const CKyVariant&)
{
  const KyOpened<OdDbEntity> entity = KyForWrite<OdDbEntity>(object);
  if (entity.isNull() || value.GetType() != CKyVariant::kTransparency)
    return kKyRefused;
  entity->setTransparency(value.GetTransparency(), true);
  return kKyAccepted;
}
