// Block reference rows (ordinary and cloud forms, annotation rows), the edits shared with
// multiple inserts, the "LineStyle scale" hook, and the block reference listing.
#include "KyBlockReferencePE.h"

#include <vector>

#include <QCoreApplication>

#include "Db3dPolyline.h"
#include "DbAttribute.h"
#include "DbBlockTableRecord.h"
#include "DbLayerTableRecord.h"
#include "DbDatabase.h"
#include "DbMInsertBlock.h"
#include "KyAnnotationRows.h"
#include "KyCloudBase.h"
#include "KyFieldHelper.h"
#include "KyListing.h"
#include "KyObjectAnnotationContext.h"
#include "KyObjectValues.h"
#include "KyPropertyTable.h"
#include "KySystemServices.h"
#include "KyUtils.h"
#include "ResBuf.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyBlockReferencePE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyBlockReferencePE::s_Names;
CKyIsReadOnlyMethod CKyBlockReferencePE::m_LinetypeScale_original = nullptr;

namespace
{
typedef CKyBlockReferencePE P;

const wchar_t* const kCloudApp = L"PE_CLOUD";

constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
constexpr const char* kMisc = QT_TRANSLATE_NOOP("property_groups", "Misc");
constexpr const char* kCloudSettings = QT_TRANSLATE_NOOP("property_groups", "Cloud Settings");

// One per-object row of the reference's own: texts, type, icon, and the accessors its dispatcher
// calls. Read-only rows have no setter.
struct RefRow
{
  const char* category;
  KyText name;
  CKyVariant::_Type type;
  const CKyString* guid;
  const char* iconFolder;
  const char* icon;
  CKyGetMethod get;
  CKySetMethod set;
  CKyIsReadOnlyMethod readOnly;
};

const RefRow kRefRows[] = {
  {kGeometry, {"property_types", QT_TRANSLATE_NOOP("property_types", "Position X")}, CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateXGUID, "Geometry", "PositionX", &P::GetPositionX, &P::SetPositionX,
   &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, {"property_types", QT_TRANSLATE_NOOP("property_types", "Position Y")}, CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateYGUID, "Geometry", "PositionY", &P::GetPositionY, &P::SetPositionY,
   &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, {"property_types", QT_TRANSLATE_NOOP("property_types", "Position Z")}, CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateZGUID, "Geometry", "PositionZ", &P::GetPositionZ, &P::SetPositionZ,
   &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, {"property_types", QT_TRANSLATE_NOOP("property_types", "Scale X")}, CKyVariant::kDouble, nullptr,
   "Geometry", "ScaleX", &P::GetScaleX, &P::SetScaleX, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, {"property_types", QT_TRANSLATE_NOOP("property_types", "Scale Y")}, CKyVariant::kDouble, nullptr,
   "Geometry", "ScaleY", &P::GetScaleY, &P::SetScaleY, &P::IsScaleYReadOnly},
  {kGeometry, {"property_types", QT_TRANSLATE_NOOP("property_types", "Scale Z")}, CKyVariant::kDouble, nullptr,
   "Geometry", "ScaleZ", &P::GetScaleZ, &P::SetScaleZ, &P::IsScaleZReadOnly},
  {kMisc, {"property_types", QT_TRANSLATE_NOOP("property_types", "Name")}, CKyVariant::kEmpty, nullptr, "Misc",
   "Name", &P::GetName, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kMisc, {"property_types", QT_TRANSLATE_NOOP("property_types", "Rotation")}, CKyVariant::kDouble,
   &CKyPropertyType::kAngleGUID, "Misc", "Rotation", &P::GetRotation, &P::SetRotation, &P::IsRotationReadOnly},
  {kMisc, {"property_types", QT_TRANSLATE_NOOP("property_types", "Block Units")}, CKyVariant::kString, nullptr,
   "Misc", "BlockUnit", &P::GetBlockUnit, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kMisc, {"property_types", QT_TRANSLATE_NOOP("property_types", "Block Unit Scale")}, CKyVariant::kDouble, nullptr,
   "Misc", "UnitFactor", &P::GetUnitFactor, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kCloudSettings, {"property_types", QT_TRANSLATE_NOOP("property_types", "Shape")}, CKyVariant::kEmpty, nullptr,
   "Misc", "Name", &P::GetShape, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kCloudSettings, {"property_types", QT_TRANSLATE_NOOP("property_types", "Radius")}, CKyVariant::kDouble, nullptr,
   "Geometry", "Radius", &P::GetRadius, &P::SetRadius, &CKyPropertyPEImpl::IsReadOnlyFalse},
};
const RefRow& kPositionXRow = kRefRows[0];

// The rows of each form, by index into kRefRows, in palette order. The cloud's own rows come last
// in the table, so that the name lookup of the common ordinary form passes them last.
const int kOrdinaryForm[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
const int kCloudForm[] = {10, 11, 0, 1, 2, 3, 4, 5};

const RefRow* rowNamed(const CKyString& name)
{
  return KyRowNamed(kRefRows, name, [](const RefRow& r) -> const KyText& { return r.name; });
}

std::unique_ptr<CKyPropertyDescriptionImpl> makeRefRow(const void*, const void* rowKey)
{
  const RefRow& row = *static_cast<const RefRow*>(rowKey);
  KyDynamicRow dynamic{row.category,
                       row.name.get(),
                       row.type,
                       row.guid,
                       &P::GetDynamicPropertyCloud,
                       &P::SetDynamicPropertyCloud,
                       &P::IsDynamicPropertyCloudReadOnly,
                       KyIconPathOf(row.iconFolder, row.icon),
                       KyDarkIconPathOf(row.iconFolder, row.icon),
                       nullptr,
                       CKyString()};
  return std::unique_ptr<CKyPropertyDescriptionImpl>(KyNewDynamicDescription(dynamic));
}

template <std::size_t N>
void addRefRows(CKyPropertiesContainer* container, const int (&form)[N])
{
  for (int index : form)
    container->AddDynamic(new CKyPropertyDescriptionImpl(KyPrototypeOf(kRefRows, &kRefRows[index], &makeRefRow)));
}

const KyAnnotationFamily kAnnotationFamily{kMisc,
                                           &P::GetDynamicPropertyValue,
                                           &P::SetDynamicPropertyValue,
                                           &P::IsDynamicPropertyReadOnly,
                                           &P::PerformGroupAction,
                                           "CKyBlockReferencePE",
                                           QT_TRANSLATE_NOOP("CKyBlockReferencePE", "Edit annotation scales")};

OdDbBlockTableRecordPtr blockOf(const OdDbBlockReference* ref)
{
  return OdDbBlockTableRecord::cast(ref->blockTableRecord().openObject(OdDb::kForRead).get());
}

// The name shown for the reference's block: the dynamic block's name when it has one, else the
// block record's own (an anonymous representation's "*U" name says nothing to the user).
OdString blockNameOf(const OdDbBlockReference* ref)
{
  const CKyString dynamicName = CKyUtils::GetDynBlockName(CKyUtils::GetDynBlockId(ref->blockTableRecord()));
  if (!dynamicName.isEmpty())
    return dynamicName.toOdString();
  OdDbBlockTableRecordPtr block = blockOf(ref);
  return block.isNull() ? OdString() : block->getName();
}

bool isXref(const OdDbBlockReference* ref)
{
  OdDbBlockTableRecordPtr block = blockOf(ref);
  return !block.isNull() && block->isFromExternalReference();
}

// The block record's annotative state; `matchesOrientation` as the annotation service reports it.
bool blockAnnotative(const OdDbBlockReference* ref, bool* matchesOrientation = nullptr)
{
  return CKyObjectAnnotationContext::IsAnnotative(ref->blockTableRecord(), matchesOrientation);
}

// The cloud data of "PE_CLOUD" on the reference: outline points, radius and shape.
struct CloudData
{
  std::vector<OdGePoint3d> outline;
  double radius = 0.0;
  OdString shape;
};
// The outline is collected only when `outline` is set (the shape and radius rows read none).
bool cloudOf(const OdDbObject* object, CloudData* data, bool outline = true)
{
  OdResBufPtr rb = object->xData(kCloudApp);
  if (rb.isNull())
    return false;
  if (!data)
    return true;
  for (rb = rb->next(); !rb.isNull(); rb = rb->next())
  {
    if (rb->restype() == OdDb::kDxfXdWorldXCoord)
    {
      if (outline)
        data->outline.push_back(rb->getPoint3d());
    }
    else if (rb->restype() == OdDb::kDxfXdDist)
      data->radius = rb->getDouble();
    else if (rb->restype() == OdDb::kDxfXdAsciiString)
      data->shape = rb->getString();
  }
  return true;
}

// Whether the cloud's outline and radius stay finite under the matrix.
bool cloudFollows(const OdDbBlockReference* ref, const OdGeMatrix3d& xform)
{
  CloudData cloud;
  cloudOf(ref, &cloud);
  for (const OdGePoint3d& p : cloud.outline)
    if (!KyIsFinite(xform * p))
      return false;
  const double scale = xform.scale();
  return std::isfinite(scale) && std::isfinite(cloud.radius * scale);
}

// Transforms every attribute of the reference; false, with none changed, when one of them
// refuses the matrix.
bool transformAttributes(OdDbBlockReference* ref, const OdGeMatrix3d& xform)
{
  std::vector<OdDbEntityPtr> attributes;
  for (OdDbObjectIteratorPtr it = ref->attributeIterator(); !it->done(); it->step())
  {
    OdDbEntityPtr attribute = it->entity(OdDb::kForWrite);
    if (attribute.isNull())
      continue;
    OdDbEntityPtr probe = OdDbEntity::cast(attribute->clone().get());
    if (probe.isNull() || probe->transformBy(xform) != eOk)
      return false;
    attributes.push_back(attribute);
  }
  for (const OdDbEntityPtr& attribute : attributes)
    attribute->transformBy(xform);
  return true;
}

double axisValue(const OdGeScale3d& s, KyAxis axis)
{
  return axis == kKyAxisX ? s.sx : axis == kKyAxisY ? s.sy : s.sz;
}

// The host's name of a drawing unit as a value, asked once per unit and module session: the host
// translates the name on every call, and every reference shows its block's unit.
CKyVariant unitsValueOf(int insUnits)
{
  struct Remembered
  {
    unsigned session = 0;
    CKyVariant value;
  };
  static Remembered remembered[OdDb::kUnitsMax + 1];
  if (insUnits < 0 || insUnits > OdDb::kUnitsMax)
    return CKyVariant(CKyUtils::GetStringForUnitScalingFactor(insUnits));
  Remembered& r = remembered[insUnits];
  if (r.session != g_kyTextSession)
  {
    r.value = CKyVariant(CKyUtils::GetStringForUnitScalingFactor(insUnits));
    r.session = g_kyTextSession;
  }
  return r.value;
}

} // namespace

double KyBlockUnitFactor(const OdDbBlockReference* ref)
{
  OdDbBlockTableRecordPtr block = blockOf(ref);
  if (block.isNull() || !ref->database())
    return 1.0;
  const int blockUnits = block->blockInsertUnits();
  const int drawingUnits = CKyDatabase(ref->database()).GetInsertionUnits();
  if (blockUnits == 0 || drawingUnits == 0)
    return 1.0;
  return CKyUtils::GetUnitScalingFactor(blockUnits) / CKyUtils::GetUnitScalingFactor(drawingUnits);
}

bool KyIsBlockUniform(const OdDbObject* object)
{
  const KyOpened<OdDbBlockReference> ref = KyAs<OdDbBlockReference>(object);
  if (ref.isNull())
    return false;
  OdDbBlockTableRecordPtr block = blockOf(ref);
  return !block.isNull() && block->blockScaling() != OdDbBlockTableRecord::kAny;
}

CKyVariant KyBlockScale(const OdDbObject* object, KyAxis axis)
{
  const KyOpened<OdDbBlockReference> ref = KyForRead<OdDbBlockReference>(object);
  if (ref.isNull())
    return CKyVariant();
  return CKyVariant(axisValue(ref->scaleFactors(), axis) / KyBlockUnitFactor(ref), false);
}

int KySetBlockScale(const OdDbObject* object, KyAxis axis, const CKyVariant& value)
{
  const KyOpened<OdDbBlockReference> ref = KyForWrite<OdDbBlockReference>(object);
  double v = 0.0;
  if (ref.isNull() || !KyDoubleOf(value, v))
    return kKyRefused;
  if (v <= 0.0 && CKyBlockReferencePE::IsCloud(ref))
  {
    GetKySystemServices()->MessageBox(
      CKyString(QCoreApplication::translate("CKyCommandScale", "Value must be positive and nonzero.")),
      CKyString(QCoreApplication::translate("errors", "Error")), 0);
    return kKyRefused;
  }
  const double unit = KyBlockUnitFactor(ref);
  if (KyIsZero(v) || KyIsZero(v * unit) || !std::isfinite(v * unit))
    return KyRefuseWithMessage(QT_TRANSLATE_NOOP("errors", "Value must be non-zero"));
  const OdGeScale3d old = ref->scaleFactors();
  if (v == axisValue(old, axis) / unit)
    return kKyAccepted;
  OdGeScale3d scale = old;
  if (KyIsBlockUniform(ref))
    scale = OdGeScale3d(v * unit);
  else if (axis == kKyAxisX)
    scale.sx = v * unit;
  else if (axis == kKyAxisY)
    scale.sy = v * unit;
  else
    scale.sz = v * unit;
  // Annotative references keep their attributes at the size of the current annotation scale.
  double sheet = 1.0;
  if (blockAnnotative(ref))
  {
    const double factor = KyAnnotationScaleFactor(ref);
    if (!KyIsZero(factor))
      sheet = factor;
  }
  // The change of scale along the block's own axes, about its position.
  const OdGeMatrix3d frame = OdGeMatrix3d::translation(ref->position().asVector()) *
                             OdGeMatrix3d::planeToWorld(ref->normal()) *
                             OdGeMatrix3d::rotation(ref->rotation(), OdGeVector3d::kZAxis);
  const OdGeScale3d change(scale.sx / old.sx, scale.sy / old.sy, scale.sz / old.sz);
  const OdGeMatrix3d follow = frame * OdGeMatrix3d::scaling(change * (1.0 / sheet)) * frame.inverse();
  // The cloud's outline points are world points: they take the change of scale, which must keep
  // them (and the arc radius) finite.
  const bool cloud = CKyBlockReferencePE::IsCloud(ref);
  const OdGeMatrix3d outline = frame * OdGeMatrix3d::scaling(change) * frame.inverse();
  if (cloud && !cloudFollows(ref, outline))
    return kKyRefused;
  if (!transformAttributes(ref, follow))
    return kKyRefused;
  ref->setScaleFactors(scale);
  if (cloud)
    ref->xDataTransformBy(outline);
  return kKyAccepted;
}

int KySetBlockPosition(const OdDbObject* object, KyAxis axis, const CKyVariant& value)
{
  const KyOpened<OdDbBlockReference> ref = KyForWrite<OdDbBlockReference>(object);
  if (ref.isNull())
    return kKyRefused;
  bool refused = false;
  const int result = KySetUcsComponent(object, ref->position(), axis, value, [&](const OdGePoint3d& p) {
    // A move across most of the double range overflows: attributes and outline could not follow it.
    const OdGeVector3d delta = p - ref->position();
    const OdGeMatrix3d move = OdGeMatrix3d::translation(delta);
    if (!KyIsFinite(delta.asPoint()) || !transformAttributes(ref, move))
    {
      refused = true;
      return;
    }
    ref->xDataTransformBy(move);
    ref->setPosition(p);
  });
  return refused ? kKyRefused : result;
}

int KySetBlockRotation(const OdDbObject* object, const CKyVariant& value)
{
  const KyOpened<OdDbBlockReference> ref = KyForWrite<OdDbBlockReference>(object);
  double r = 0.0;
  if (ref.isNull() || !KyDoubleOf(value, r))
    return kKyRefused;
  if (r == ref->rotation())
    return kKyAccepted;
  if (!transformAttributes(ref, OdGeMatrix3d::rotation(r - ref->rotation(), ref->normal(), ref->position())))
    return kKyRefused;
  ref->setRotation(r);
  return kKyAccepted;
}

void KyHookLinetypeScaleRow(CKyPropertiesContainer* container, CKyIsReadOnlyMethod& saved, CKyIsReadOnlyMethod test)
{
  static const KyText kRowName{"property_types", QT_TRANSLATE_NOOP("property_types", "LineStyle scale")};
  static const KyText kGeneral{"property_groups", "General"};
  if (saved || !container)
    return;
  CKyPropertyDescription* row = container->GetByName(kRowName.get(), kGeneral.get());
  if (!row || row->GetIsReadOnlyMethod() == test)
    return;
  saved = row->GetIsReadOnlyMethod();
  row->PutIsReadOnlyMethod(test);
}

CKyAttributeDescription::CKyAttributeDescription(OdString tag, OdUInt32 index, const OdDbObjectId& madeFor)
  : m_tag(tag), m_tagString(std::move(tag)), m_index(index), m_madeFor(madeFor)
{
}

// ---- CKyBlockReferencePE -------------------------------------------------------------------

CKyString CKyBlockReferencePE::GetClassName(const OdDbObject* object)
{
  const KyOpened<OdDbBlockReference> ref = KyForRead<OdDbBlockReference>(object);
  if (!ref.isNull() && isXref(ref))
    return KyTr("entity_types", QT_TRANSLATE_NOOP("entity_types", "Reference"));
  if (!ref.isNull() && IsCloud(ref))
    return KyTr("entity_types", QT_TRANSLATE_NOOP("entity_types", "Cloud"));
  return KyTr("entity_types", QT_TRANSLATE_NOOP("entity_types", "Block"));
}

void CKyBlockReferencePE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                           const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  if ((extensionClass && !extensionClass->isDerivedFrom(desc())) || !container)
    return;
  if (s_Names.isEmpty())
    KyHookLinetypeScaleRow(container, m_LinetypeScale_original, &IsLinetypeScaleReadOnlyTest);
  if (!objectClass || !objectClass->isDerivedFrom(OdDbBlockReference::desc()))
    return;
  container->Add(s_Names);
  GetPropertyNamesDynamic(object, dynamic_cast<CKyPropertiesContainerImpl*>(container));
}

bool CKyBlockReferencePE::HasDynamicProperties()
{
  return true;
}

void CKyBlockReferencePE::GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container)
{
  const KyOpened<OdDbBlockReference> ref = KyForRead<OdDbBlockReference>(object);
  if (!container || ref.isNull())
    return;
  // The palette runs the pass after GetPropertyNames has run it: the first row tells.
  if (KyHoldsRow(container, kPositionXRow.name.get(), KyTr("property_groups", kPositionXRow.category)))
    return;
  if (IsCloud(ref))
  {
    addRefRows(container, kCloudForm);
    return;
  }
  addRefRows(container, kOrdinaryForm);
  addDynamicBlockRows(ref, container);
  addAttributeRows(ref, container);
  displayAnnotativeProperty(object, container);
}

void CKyBlockReferencePE::addAttributeRows(const OdDbBlockReference* ref, CKyPropertiesContainer* container)
{
  static const KyText kCategory{"property_groups", QT_TRANSLATE_NOOP("property_groups", "BlockAttributes")};
  static const KyText kDescription{"property_descriptions",
                                   QT_TRANSLATE_NOOP("property_descriptions", "Specifies the BlockAttribute value.")};
  std::vector<const CKyAttributeDescription*> earlier;
  earlier.reserve(8);
  for (OdDbObjectIteratorPtr it = ref->attributeIterator(); !it->done(); it->step())
  {
    const OdDbEntityPtr entity = it->entity();
    const KyOpened<OdDbAttribute> attribute = KyAs<OdDbAttribute>(entity.get());
    if (attribute.isNull())
      continue;
    OdString tag = attribute->tag();
    OdUInt32 index = 0;
    for (const CKyAttributeDescription* before : earlier)
      if (before->tagString().iCompare(tag) == 0)
        ++index;
    auto* row = new CKyAttributeDescription(std::move(tag), index, it->objectId());
    earlier.push_back(row);
    row->SetName(row->GetTag());
    row->SetCategory(kCategory.get());
    row->SetType(CKyPropertyTypeImpl(CKyVariant::kString, CKyPropertyType::kAttributeGUID));
    row->SetDescription(kDescription.get());
    row->SetIsDynamic(true);
    row->PutGetMethod(&GetDynamicPropertyAttribute);
    row->PutSetMethod(&SetDynamicPropertyAttribute);
    row->PutIsReadOnlyMethod(&IsDynamicPropertyAttributeReadOnly);
    container->AddDynamic(row);
  }
}

OdDbObjectId CKyBlockReferencePE::GetAttributeIdByDesc(const OdDbBlockReference* ref,
                                                       const CKyPropertyDescription& description)
{
  const CKyAttributeDescription* key = CKyAttributeDescription::of(description);
  if (!ref || !key)
    return OdDbObjectId();
  OdUInt32 index = 0;
  for (OdDbObjectIteratorPtr it = ref->attributeIterator(); !it->done(); it->step())
  {
    const OdDbEntityPtr entity = it->entity();
    const KyOpened<OdDbAttribute> attribute = KyAs<OdDbAttribute>(entity.get());
    if (attribute.isNull() || attribute->tag().iCompare(key->tagString()) != 0)
      continue;
    if (index++ == key->GetIndex())
      return it->objectId();
  }
  return OdDbObjectId();
}

OdDbAttributePtr CKyBlockReferencePE::openAttribute(const OdDbBlockReference* ref,
                                                    const CKyPropertyDescription& description, OdDb::OpenMode mode)
{
  const CKyAttributeDescription* key = CKyAttributeDescription::of(description);
  if (!ref || !key)
    return OdDbAttributePtr();
  // Rows are made per object and gathering reads each one twice (value, read-only state); the
  // attribute the row was made for answers while it is still this reference's, under this tag.
  // A merged selection asks the row for other references' values: those take the walk.
  if (!key->madeFor().isNull())
  {
    const OdDbObjectPtr object = key->madeFor().openObject(mode);
    if (!object.isNull() && object->isKindOf(OdDbAttribute::desc()) && object->ownerId() == ref->objectId())
    {
      OdDbAttributePtr attribute(static_cast<OdDbAttribute*>(object.get()));
      // Nearly always the tag as the row took it: the exact comparison answers first.
      const OdString tag = attribute->tag();
      if (tag == key->tagString() || tag.iCompare(key->tagString()) == 0)
        return attribute;
    }
  }
  return OdDbAttribute::cast(GetAttributeIdByDesc(ref, description).openObject(mode).get());
}

CKyVariant CKyBlockReferencePE::GetDynamicPropertyAttribute(const OdDbObject* o, const CKyPropertyDescription& d,
                                                            const CKyVariant&)
{
  const KyOpened<OdDbBlockReference> ref = KyForRead<OdDbBlockReference>(o);
  if (ref.isNull())
    return CKyVariant();
  const OdDbAttributePtr attribute = openAttribute(ref, d, OdDb::kForRead);
  return attribute.isNull() ? CKyVariant() : KyStringValueOf(attribute->textString());
}

int CKyBlockReferencePE::SetDynamicPropertyAttribute(const OdDbObject* o, const CKyPropertyDescription& d,
                                                     const CKyVariant& v, const CKyVariant&)
{
  const KyOpened<OdDbBlockReference> ref = KyForWrite<OdDbBlockReference>(o);
  if (ref.isNull() || v.GetType() != CKyVariant::kString)
    return kKyRefused;
  OdDbTextPtr attribute = openAttribute(ref, d, OdDb::kForWrite).get();
  if (attribute.isNull())
    return kKyRefused;
  CKyFieldHelper::setFieldsFromString(attribute, v.GetString());
  return kKyAccepted;
}

bool CKyBlockReferencePE::IsDynamicPropertyAttributeReadOnly(const OdDbObject* o, const CKyPropertyDescription& d)
{
  const KyOpened<OdDbBlockReference> ref = KyAs<OdDbBlockReference>(o);
  if (ref.isNull())
    return true;
  const OdDbAttributePtr attribute = openAttribute(ref, d, OdDb::kForRead);
  if (attribute.isNull())
    return true;
  OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::cast(attribute->layerId().openObject().get());
  return !layer.isNull() && layer->isLocked();
}

bool CKyBlockReferencePE::IsCloud(const OdDbObject* object)
{
  return object && cloudOf(object, nullptr);
}

void CKyBlockReferencePE::displayAnnotativeProperty(const OdDbObject* object, CKyPropertiesContainer* container)
{
  const KyOpened<OdDbBlockReference> ref = KyForRead<OdDbBlockReference>(object);
  if (ref.isNull() || isXref(ref))
    return;
  if (blockAnnotative(ref))
  {
    const KyAnnotationRow* const rows[] = {&kKyAnnotativeRow, &kKyAnnotativeScaleRow, &kKyMatchOrientationRow};
    KyAddAnnotationRows(container, kAnnotationFamily, rows);
  }
  else
  {
    const KyAnnotationRow* const rows[] = {&kKyAnnotativeRow};
    KyAddAnnotationRows(container, kAnnotationFamily, rows);
  }
}

CKyVariant CKyBlockReferencePE::PerformGroupAction(const OdArray<OdDbObjectId>& ids,
                                                   const CKyPropertyDescription& description, const CKyVariant&,
                                                   const CKyVariant&)
{
  if (KyIsNamed(description.GetName(), kKyAnnotativeScaleName))
    CKyObjectAnnotationContext(ids).ShowAddRemoveUI();
  return CKyVariant();
}

bool CKyBlockReferencePE::IsLinetypeScaleReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return true;
}

bool CKyBlockReferencePE::IsLinetypeScaleReadOnlyTest(const OdDbObject* object, const CKyPropertyDescription& d)
{
  if (object && object->isKindOf(OdDbBlockReference::desc()))
    return IsLinetypeScaleReadOnly(object, d);
  return m_LinetypeScale_original ? m_LinetypeScale_original(object, d) : false;
}

CKyVariant CKyBlockReferencePE::GetDynamicPropertyCloud(const OdDbObject* o, const CKyPropertyDescription& d,
                                                        const CKyVariant& c)
{
  const RefRow* row = rowNamed(d.GetName());
  return row ? row->get(o, d, c) : CKyVariant();
}

int CKyBlockReferencePE::SetDynamicPropertyCloud(const OdDbObject* o, const CKyPropertyDescription& d,
                                                 const CKyVariant& v, const CKyVariant& c)
{
  const RefRow* row = rowNamed(d.GetName());
  return row && row->set ? row->set(o, d, v, c) : kKyRefused;
}

bool CKyBlockReferencePE::IsDynamicPropertyCloudReadOnly(const OdDbObject* o, const CKyPropertyDescription& d)
{
  const RefRow* row = rowNamed(d.GetName());
  return !row || row->readOnly(o, d);
}

// ---- annotation rows --------------------------------------------------------------------------

CKyVariant CKyBlockReferencePE::GetDynamicPropertyValue(const OdDbObject* o, const CKyPropertyDescription& d,
                                                        const CKyVariant&)
{
  const KyOpened<OdDbBlockReference> ref = KyForRead<OdDbBlockReference>(o);
  if (ref.isNull())
    return CKyVariant();
  const CKyString name = d.GetName();
  if (KyIsNamed(name, kKyAnnotativeName))
    return KyYesNoList(blockAnnotative(ref));
  if (KyIsNamed(name, kKyAnnotativeScaleName))
    return CKyVariant(CKyObjectAnnotationContext(ref->blockTableRecord()).GetCurrentScale());
  if (KyIsNamed(name, kKyMatchOrientationName))
  {
    OdDbBlockTableRecordPtr block = blockOf(ref);
    return block.isNull() ? CKyVariant() : KyMatchOrientationList(block);
  }
  return CKyVariant();
}

// The annotation rows of references only show the block's state.
int CKyBlockReferencePE::SetDynamicPropertyValue(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&,
                                                 const CKyVariant&)
{
  return KyForWrite<OdDbBlockReference>(o).isNull() ? kKyRefused : kKyAccepted;
}

bool CKyBlockReferencePE::IsDynamicPropertyReadOnly(const OdDbObject* o, const CKyPropertyDescription& d)
{
  if (KyIsNamed(d.GetName(), kKyAnnotativeScaleName))
  {
    const KyOpened<OdDbBlockReference> ref = KyAs<OdDbBlockReference>(o);
    return ref.isNull() || !blockAnnotative(ref);
  }
  return true;
}

// ---- the reference's own rows -------------------------------------------------------------------

CKyVariant CKyBlockReferencePE::GetShape(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  static const char* const kShapes[] = {QT_TRANSLATE_NOOP("CKyDlgCloudSettings", "Rectangular"),
                                        QT_TRANSLATE_NOOP("CKyDlgCloudSettings", "Elliptical"),
                                        QT_TRANSLATE_NOOP("CKyDlgCloudSettings", "Freehand")};
  static const OdString kShapeNames[] = {OdString(kShapes[0]), OdString(kShapes[1]), OdString(kShapes[2])};
  CloudData cloud;
  if (KyForRead<OdDbBlockReference>(o).isNull() || !cloudOf(o, &cloud, false))
    return CKyVariant();
  for (int i = 0; i < 3; ++i)
    if (cloud.shape.iCompare(kShapeNames[i]) == 0)
      return CKyVariant(KyTr("CKyDlgCloudSettings", kShapes[i]));
  return CKyVariant();
}

CKyVariant CKyBlockReferencePE::GetRadius(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  CloudData cloud;
  if (KyForRead<OdDbBlockReference>(o).isNull() || !cloudOf(o, &cloud, false))
    return CKyVariant();
  return CKyVariant(cloud.radius, true);
}

int CKyBlockReferencePE::SetRadius(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                   const CKyVariant&)
{
  const KyOpened<OdDbBlockReference> ref = KyForWrite<OdDbBlockReference>(o);
  double r = 0.0;
  if (ref.isNull() || !KyDoubleOf(v, r) || !IsCloud(ref))
    return kKyRefused;
  if (r <= 0.0)
    return KyRefuseWithMessage(QT_TRANSLATE_NOOP("errors", "Value must be positive and non-zero."));
  CloudData cloud;
  cloudOf(ref, &cloud);
  int shape = 0;
  while (shape < 3 && cloud.shape.iCompare(CKyCloudBase::shapeName(shape)) != 0)
    ++shape;
  if (shape == 3 || !ref->database())
    return kKyRefused;
  // The stored outline is in world coordinates already (it follows the reference through
  // xDataTransformBy), and so is the radius the builder lays the arcs with.
  OdDb3dPolylinePtr outline = OdDb3dPolyline::createObject();
  CLOUDLINE_COMMAND_DATA setting;
  for (const OdGePoint3d& p : cloud.outline)
  {
    OdDb3dPolylineVertexPtr vertex = OdDb3dPolylineVertex::createObject();
    vertex->setPosition(p);
    outline->appendVertex(vertex);
    setting.extents.addPoint(p);
  }
  outline->makeClosed();
  setting.shape = shape;
  setting.arcRadius = r;
  setting.color = ref->color();
  setting.linetypeId = ref->linetypeId();
  setting.layerId = ref->layerId();
  setting.lineWeight = ref->lineWeight();
  CKyCloudBase builder(ref->database());
  builder.setBaseCurve(outline);
  builder.setCloudSetting(setting);
  // The builder adds nothing when it refuses the outline, and converts whatever it laid.
  if (!builder.cloudBaseMain() || !builder.convertToBlock(ref))
    return kKyRefused;
  return kKyAccepted;
}

CKyVariant CKyBlockReferencePE::GetName(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbBlockReference> ref = KyForRead<OdDbBlockReference>(o);
  if (ref.isNull())
    return CKyVariant();
  return KyStringValueOf(blockNameOf(ref));
}

CKyVariant CKyBlockReferencePE::GetRotation(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbBlockReference> ref = KyForRead<OdDbBlockReference>(o);
  if (ref.isNull())
    return CKyVariant();
  bool matches = false;
  if (blockAnnotative(ref, &matches) && matches)
    return CKyVariant(0.0, true);
  return CKyVariant(KyShownAngle(ref->rotation()), true);
}

int CKyBlockReferencePE::SetRotation(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                     const CKyVariant&)
{
  return KySetBlockRotation(o, v);
}

bool CKyBlockReferencePE::IsRotationReadOnly(const OdDbObject* o, const CKyPropertyDescription&)
{
  const KyOpened<OdDbBlockReference> ref = KyAs<OdDbBlockReference>(o);
  bool matches = false;
  return !ref.isNull() && blockAnnotative(ref, &matches) && matches;
}

CKyVariant CKyBlockReferencePE::GetBlockUnit(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbBlockReference> ref = KyForRead<OdDbBlockReference>(o);
  if (ref.isNull())
    return CKyVariant();
  OdDbBlockTableRecordPtr block = blockOf(ref);
  return block.isNull() ? CKyVariant() : unitsValueOf(block->blockInsertUnits());
}

CKyVariant CKyBlockReferencePE::GetUnitFactor(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbBlockReference> ref = KyForRead<OdDbBlockReference>(o);
  return ref.isNull() ? CKyVariant() : CKyVariant(KyBlockUnitFactor(ref), false);
}

namespace
{
OdGePoint3d positionOf(const OdDbBlockReference* ref)
{
  return ref->position();
}
} // namespace

CKyVariant CKyBlockReferencePE::GetPositionX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyObjectUcsComponent<OdDbBlockReference>(o, kKyAxisX, &positionOf);
}
int CKyBlockReferencePE::SetPositionX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                      const CKyVariant&)
{
  return KySetBlockPosition(o, kKyAxisX, v);
}
CKyVariant CKyBlockReferencePE::GetPositionY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyObjectUcsComponent<OdDbBlockReference>(o, kKyAxisY, &positionOf);
}
int CKyBlockReferencePE::SetPositionY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                      const CKyVariant&)
{
  return KySetBlockPosition(o, kKyAxisY, v);
}
CKyVariant CKyBlockReferencePE::GetPositionZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyObjectUcsComponent<OdDbBlockReference>(o, kKyAxisZ, &positionOf);
}
int CKyBlockReferencePE::SetPositionZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                      const CKyVariant&)
{
  return KySetBlockPosition(o, kKyAxisZ, v);
}

CKyVariant CKyBlockReferencePE::GetScaleX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyBlockScale(o, kKyAxisX);
}
int CKyBlockReferencePE::SetScaleX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                   const CKyVariant&)
{
  return KySetBlockScale(o, kKyAxisX, v);
}
CKyVariant CKyBlockReferencePE::GetScaleY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyBlockScale(o, kKyAxisY);
}
int CKyBlockReferencePE::SetScaleY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                   const CKyVariant&)
{
  return KySetBlockScale(o, kKyAxisY, v);
}
bool CKyBlockReferencePE::IsScaleYReadOnly(const OdDbObject* o, const CKyPropertyDescription&)
{
  return KyIsBlockUniform(o);
}
CKyVariant CKyBlockReferencePE::GetScaleZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyBlockScale(o, kKyAxisZ);
}
int CKyBlockReferencePE::SetScaleZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                   const CKyVariant&)
{
  return KySetBlockScale(o, kKyAxisZ, v);
}
bool CKyBlockReferencePE::IsScaleZReadOnly(const OdDbObject* o, const CKyPropertyDescription&)
{
  return KyIsBlockUniform(o);
}

// ---- listing ---------------------------------------------------------------------------------

CKyString CKyBlockReferenceInfo::GetClassName(const OdDbObject* object)
{
  const KyOpened<OdDbBlockReference> ref = KyForRead<OdDbBlockReference>(object);
  if (ref.isNull())
    return CKyPrintObjectInfoPE::GetClassName(object);
  if (CKyBlockReferencePE::IsCloud(ref))
    return CKyString(QStringLiteral("CLOUD"));
  if (isXref(ref))
    return CKyString(QStringLiteral("EXTERNAL REFERENCE"));
  if (ref->isKindOf(OdDbMInsertBlock::desc()))
    return CKyString(QStringLiteral("INSERT OF BLOCK"));
  return CKyString(QStringLiteral("BLOCK REFERENCE"));
}

bool CKyBlockReferenceInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  const KyOpened<OdDbBlockReference> ref = KyForRead<OdDbBlockReference>(object);
  if (ref.isNull() || !context)
    return false;
  OdDbBlockTableRecordPtr block = blockOf(ref);
  if (!block.isNull())
    KyPrintAnnotationInfo(block, context);
  const OdGeScale3d scale = ref->scaleFactors();
  CloudData cloud;
  const bool isCloud = cloudOf(ref, &cloud);
  if (!isCloud)
    context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Block")), CKyString(blockNameOf(ref)));
  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Position")), ref->position());
  context->PrintScale(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "X scale")), scale.sx);
  context->PrintScale(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Y scale")), scale.sy);
  context->PrintScale(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Z scale")), scale.sz);
  if (isCloud)
  {
    const CKyVariant shape = CKyBlockReferencePE::GetShape(object, CKyPropertyDescriptionImpl(), CKyVariant());
    context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Cloud Shape")), shape.GetString());
    context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Cloud Radius")), cloud.radius);
    return true;
  }
  context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Rotation angle")), ref->rotation());
  CKyBlockReferencePE::PrintDynamicBlockInfo(ref, context);
  return true;
}
