// Dynamic-block rows of block references: one "Custom" row per shown property of the reference's
// dynamic block, read and written through the host's dynamic-block service, and the listing's
// "Custom Properties" section.
#include <cmath>

#include <QCoreApplication>

#include "DbBlockReference.h"
#include "DbDatabase.h"
#include "KyBlockReferencePE.h"
#include "KyConstraints.h"
#include "KyDocument.h"
#include "KyListing.h"
#include "KyModuleDynBlocks.h"
#include "KyObjectValues.h"
#include "ResBuf.h"

namespace
{
typedef CKyModuleDynBlocks::DynBlockReferenceProperty DynProperty;

// Host operation code of a palette read of a dynamic block's values.
const int kReadBlockValues = 18;

const KyText kCustom{"property_groups", QT_TRANSLATE_NOOP("property_groups", "Custom")};
const KyText kFlipped{"property_values", QT_TRANSLATE_NOOP("property_values", "Flipped")};
const KyText kNotFlipped{"property_values", QT_TRANSLATE_NOOP("property_values", "Not flipped")};

OdDbDynBlockReferencePropertyArray propertiesOf(const OdDbBlockReference* ref)
{
  // Empty for a reference to a block that is not dynamic: no separate test is needed.
  OdDbDynBlockReferencePropertyArray all;
  CKyModuleDynBlocks::instance().DbDynBlockReference_wrapper(ref).getBlockProperties(all);
  return all;
}

// The property a row stands for: the entry at the row's index, when it still has the row's name.
bool findProperty(const OdDbBlockReference* ref, const CKyPropertyDescription& description,
                  OdDbDynBlockReferenceProperty& found)
{
  const CKyDynBlockDescription* key = dynamic_cast<const CKyDynBlockDescription*>(&description);
  if (!ref || !key || key->GetProperty() < 0)
    return false;
  const OdDbDynBlockReferencePropertyArray all = propertiesOf(ref);
  if (static_cast<unsigned int>(key->GetProperty()) >= all.size())
    return false;
  found = all[static_cast<unsigned int>(key->GetProperty())];
  return found.propertyName().iCompare(description.GetName().toOdString()) == 0;
}

bool isFlip(const DynProperty& property)
{
  const CKyModuleDynBlocks& service = CKyModuleDynBlocks::instance();
  return service.DbBlockParameter_wrapper(property.getBlockParameter())
    .isKindOf(service.DbBlockFlipParameter_wrapper());
}

bool isIntegerType(int restype)
{
  return restype == 70 || restype == 90;
}

// A value of the property as the palette shows it, by its result type.
CKyVariant converted(const OdResBuf* value, bool flip, bool unitBearing)
{
  if (!value)
    return CKyVariant();
  const int type = value->restype();
  if (flip && isIntegerType(type))
  {
    const int state = type == 70 ? value->getInt16() : value->getInt32();
    return CKyVariant(state == 0 ? kNotFlipped.get() : kFlipped.get());
  }
  switch (type)
  {
  case 1:
    return CKyVariant(value->getString());
  case 10:
    return CKyVariant(value->getPoint2d());
  case 11:
    return CKyVariant(value->getPoint3d());
  case 70:
    return CKyVariant(static_cast<int>(value->getInt16()));
  case 90:
    return CKyVariant(static_cast<int>(value->getInt32()));
  default:
    return CKyVariant(value->getDouble(), unitBearing);
  }
}

// An integer as the property stores it: 32-bit under 90, else 16-bit.
OdResBufPtr integerBuffer(int storedType, int value)
{
  if (storedType == 90)
    return OdResBuf::newRb(90, OdInt32(value));
  return OdResBuf::newRb(70, OdInt16(value));
}

// The buffer to write for an entered value; null when the value cannot be of the stored type.
OdResBufPtr bufferFor(DynProperty& property, int storedType, const CKyVariant& value)
{
  switch (value.GetType())
  {
  case CKyVariant::kString:
    if (OdResBuf::dataKind(storedType) != OdResBuf::kString)
      return OdResBufPtr();
    return OdResBuf::newRb(storedType, value.GetString().toOdString());
  case CKyVariant::kDouble:
    if (OdResBuf::dataKind(storedType) != OdResBuf::kDouble || !std::isfinite(value.GetDouble()))
      return OdResBufPtr();
    return OdResBuf::newRb(storedType, value.GetDouble());
  case CKyVariant::kInt32:
    return integerBuffer(storedType, value.GetInt32());
  case CKyVariant::kCollectionElement:
  {
    // The palette's entries carry their position as an integer tag.
    const CKyVariant& chosen = value.GetCollectionElement().GetTag();
    if (chosen.GetType() != CKyVariant::kInt32)
      return OdResBufPtr();
    const int tag = chosen.GetInt32();
    OdResBufArray allowed;
    property.getAllowedValues(allowed);
    if (allowed.empty())
      return integerBuffer(storedType, tag);
    if (tag < 0 || static_cast<unsigned int>(tag) >= allowed.size())
      return OdResBufPtr();
    return allowed[static_cast<unsigned int>(tag)];
  }
  default:
    return OdResBufPtr();
  }
}
} // namespace

CKyDynBlockDescription::CKyDynBlockDescription(OdInt32 index) : m_index(index) {}

void CKyBlockReferencePE::addDynamicBlockRows(const OdDbBlockReference* ref, CKyPropertiesContainer* container)
{
  const OdDbDynBlockReferencePropertyArray all = propertiesOf(ref);
  const CKyModuleDynBlocks& service = CKyModuleDynBlocks::instance();
  for (unsigned int i = 0; i < all.size(); ++i)
  {
    const DynProperty property = service.DbDynBlockReferenceProperty_wrapper(all[i]);
    if (!property.show())
      continue;
    auto* row = new CKyDynBlockDescription(static_cast<OdInt32>(i));
    row->SetName(CKyString(property.propertyName()));
    row->SetCategory(kCustom.get());
    row->SetDescription(CKyString(property.description()));
    if (property.unitsType() == OdDbDynBlockReferenceProperty::kAngular)
      row->SetType(CKyPropertyTypeImpl(CKyVariant::kEmpty, CKyPropertyType::kAngleGUID));
    row->SetIsDynamic(true);
    row->PutGetMethod(&GetDynamicPropertyDynamicBlock);
    row->PutSetMethod(&SetDynamicPropertyDynamicBlock);
    row->PutIsReadOnlyMethod(&IsDynamicPropertyDynamicBlockReadOnly);
    container->AddDynamic(row);
  }
}

CKyVariant CKyBlockReferencePE::GetDynamicPropertyDynamicBlock(const OdDbObject* o, const CKyPropertyDescription& d,
                                                               const CKyVariant&)
{
  const KyOpened<OdDbBlockReference> ref = KyForRead<OdDbBlockReference>(o);
  OdDbDynBlockReferenceProperty found;
  if (ref.isNull() || !findProperty(ref, d, found))
    return CKyVariant();
  const KyConstraints::Helper scope(ACTIVE_DOCUMENT(), kReadBlockValues, ref->blockTableRecord());
  const DynProperty property = CKyModuleDynBlocks::instance().DbDynBlockReferenceProperty_wrapper(found);
  const bool flip = isFlip(property);
  const bool unitBearing = property.unitsType() != OdDbDynBlockReferenceProperty::kNoUnits;
  const OdResBufPtr current = property.value();
  if (current.isNull())
    return CKyVariant();
  const CKyVariant value = converted(current.get(), flip, unitBearing);
  OdResBufArray allowed;
  property.getAllowedValues(allowed);
  if (allowed.empty())
    return value;
  CKyVariantCollection list;
  list.Reserve(static_cast<int>(allowed.size()));
  for (unsigned int j = 0; j < allowed.size(); ++j)
  {
    const CKyVariant entry = converted(allowed[j].get(), flip, unitBearing);
    list.Add(CKyVariant(static_cast<int>(j)), entry);
    if (list.GetCurrentIndex() < 0 && entry == value)
      list.SetCurrentIndex(static_cast<int>(j));
  }
  return CKyVariant(std::move(list));
}

int CKyBlockReferencePE::SetDynamicPropertyDynamicBlock(const OdDbObject* o, const CKyPropertyDescription& d,
                                                        const CKyVariant& v, const CKyVariant&)
{
  const KyOpened<OdDbBlockReference> ref = KyForWrite<OdDbBlockReference>(o);
  OdDbDynBlockReferenceProperty found;
  if (ref.isNull() || !findProperty(ref, d, found))
    return kKyRefused;
  DynProperty property = CKyModuleDynBlocks::instance().DbDynBlockReferenceProperty_wrapper(found);
  const OdResBufPtr current = property.value();
  if (current.isNull())
    return kKyRefused;
  const OdResBufPtr buffer = bufferFor(property, current->restype(), v);
  if (buffer.isNull())
    return kKyRefused;
  // The value it has already: nothing is written (nor a representation made).
  if (OdResBuf::chainsEqual(buffer, current))
    return kKyAccepted;
  if (!property.setValue(buffer))
    return kKyRefused;
  // The first write gives the reference a block of its own: its constraints are brought up to
  // date on the record it has now.
  if (CKyConstraintUtils* utils = GetConstraintUtils())
    utils->UpdateBlockConstraints(ref->blockTableRecord(), ref->database());
  return kKyAccepted;
}

bool CKyBlockReferencePE::IsDynamicPropertyDynamicBlockReadOnly(const OdDbObject* o, const CKyPropertyDescription& d)
{
  const KyOpened<OdDbBlockReference> ref = KyAs<OdDbBlockReference>(o);
  OdDbDynBlockReferenceProperty found;
  if (ref.isNull() || !findProperty(ref, d, found))
    return true;
  return CKyModuleDynBlocks::instance().DbDynBlockReferenceProperty_wrapper(found).readOnly();
}

void CKyBlockReferencePE::PrintDynamicBlockInfo(const OdDbBlockReference* ref, CKyPrintInfoContext* context)
{
  const OdDbDynBlockReferencePropertyArray all = propertiesOf(ref);
  if (all.empty())
    return;
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Custom Properties")));
  const CKyModuleDynBlocks& service = CKyModuleDynBlocks::instance();
  for (const OdDbDynBlockReferenceProperty& entry : all)
  {
    const DynProperty property = service.DbDynBlockReferenceProperty_wrapper(entry);
    if (!property.show())
      continue;
    const CKyString label(property.propertyName());
    const int units = property.unitsType();
    const CKyVariant value = converted(property.value().get(), isFlip(property), units != 0);
    switch (value.GetType())
    {
    case CKyVariant::kString:
      context->PrintString(label, value.GetString());
      break;
    case CKyVariant::kPoint:
      context->PrintPoint(label, value.GetPoint3d());
      break;
    case CKyVariant::kInt32:
      context->PrintInt(label, value.GetInt32());
      break;
    case CKyVariant::kDouble:
      if (units == OdDbDynBlockReferenceProperty::kAngular)
        context->PrintAngle(label, value.GetDouble());
      else if (units == OdDbDynBlockReferenceProperty::kArea)
        context->PrintArea(label, value.GetDouble());
      else if (units == OdDbDynBlockReferenceProperty::kDistance)
        context->PrintDist(label, value.GetDouble());
      else
        context->PrintScale(label, value.GetDouble());
      break;
    default:
      context->PrintString(label, CKyString());
      break;
    }
  }
}
