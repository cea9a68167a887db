// The dynamic-block parameters: values, ranges and allowed values, and the actions that carry a
// change of value out on a representation's entities.
#include <cmath>

#include "DbBlockParameter.h"
#include "DbBlockTableRecord.h"
#include "DbEntity.h"
#include "DbFiler.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GePlane.h"
#include "SdkRxMacros.h"
#include "db/DbInternal.h"

ODRX_SDK_DBOBJECT_NO_CONS_DEFINE_MEMBERS(OdDbBlockParameter, OdDbObject)
ODRX_SDK_DBOBJECT_NO_CONS_DEFINE_MEMBERS(OdDbBlock1PtParameter, OdDbBlockParameter)
ODRX_SDK_DBOBJECT_NO_CONS_DEFINE_MEMBERS(OdDbBlockRangeParameter, OdDbBlock1PtParameter)
ODRX_SDK_DBOBJECT_DEFINE_MEMBERS(OdDbBlockLinearParameter, OdDbBlockRangeParameter)
ODRX_SDK_DBOBJECT_DEFINE_MEMBERS(OdDbBlockRotationParameter, OdDbBlockRangeParameter)
ODRX_SDK_DBOBJECT_DEFINE_MEMBERS(OdDbBlockFlipParameter, OdDbBlock1PtParameter)
ODRX_SDK_DBOBJECT_DEFINE_MEMBERS(OdDbBlockVisibilityParameter, OdDbBlockParameter)
ODRX_SDK_DBOBJECT_DEFINE_MEMBERS(OdDbBlockLookupParameter, OdDbBlockParameter)

const wchar_t* const OdDbBlockParameter::kParametersKey = L"KY_BLOCK_PARAMETERS";

namespace
{
bool isValueType(int type)
{
  return type == 1 || type == 40 || type == 70 || type == 90;
}

// Whether the value is of the kind the parameter's code carries.
bool suitsType(const OdResBuf* value, int type)
{
  return value && OdResBuf::dataKind(value->restype()) == OdResBuf::dataKind(type);
}

void writeValue(OdDbDxfFiler* pFiler, int code, const OdResBufPtr& value)
{
  if (value.isNull())
    return;
  switch (value->kind())
  {
  case OdResBuf::kString:
    pFiler->wrString(code, value->getString());
    break;
  case OdResBuf::kDouble:
    pFiler->wrDouble(code, value->getDouble());
    break;
  default:
    pFiler->wrInt32(code, value->getInt32());
    break;
  }
}

OdResBufArray copies(const OdResBufArray& values)
{
  OdResBufArray out;
  for (const OdResBufPtr& v : values)
    out.push_back(v.isNull() ? v : v->copyChain());
  return out;
}

OdGeVector3d checkedDirection(const OdGeVector3d& direction)
{
  odDbCheckFinite(direction);
  if (direction.isZeroLength())
    throw OdError(eInvalidInput);
  return direction.normal();
}

void transformAll(const OdArray<OdDbObjectPtr>& entities, const OdGeMatrix3d& xform)
{
  for (const OdDbObjectPtr& pObj : entities)
    static_cast<OdDbEntity*>(pObj.get())->transformBy(xform);
}
} // namespace

// ---- OdDbBlockParameter ----

OdDbBlockParameter::OdDbBlockParameter(int valueType)
  : m_valueType(valueType)
{
  if (!isValueType(valueType))
    throw OdError(eInvalidInput);
  m_default = valueType == 1 ? OdResBuf::newRb(valueType, OdString()) : OdResBuf::newRb(valueType);
}

OdString OdDbBlockParameter::name() const
{
  assertReadEnabled();
  return m_name;
}

void OdDbBlockParameter::setName(const OdString& name)
{
  assertWriteEnabled(false, false);
  if (name.isEmpty())
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_name = name;
}

OdString OdDbBlockParameter::description() const
{
  assertReadEnabled();
  return m_description;
}

void OdDbBlockParameter::setDescription(const OdString& description)
{
  assertWriteEnabled();
  m_description = description;
}

bool OdDbBlockParameter::show() const
{
  assertReadEnabled();
  return m_show;
}

void OdDbBlockParameter::setShow(bool show)
{
  assertWriteEnabled();
  m_show = show;
}

bool OdDbBlockParameter::isReadOnly() const
{
  assertReadEnabled();
  return m_readOnly;
}

void OdDbBlockParameter::setReadOnly(bool readOnly)
{
  assertWriteEnabled();
  m_readOnly = readOnly;
}

OdDbBlockParameter::UnitsType OdDbBlockParameter::unitsType() const
{
  assertReadEnabled();
  return kNoUnits;
}

int OdDbBlockParameter::valueType() const
{
  assertReadEnabled();
  return m_valueType;
}

OdResBufPtr OdDbBlockParameter::defaultValue() const
{
  assertReadEnabled();
  return m_default->copyChain();
}

void OdDbBlockParameter::setDefaultValue(const OdResBuf* value)
{
  assertWriteEnabled(false, false);
  if (!accepts(value))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  // Same kind of value under the parameter's own code.
  m_default = OdResBuf::newRb(value->restype());
  m_default->copyFrom(value);
  m_default->setRestype(m_valueType);
}

OdResBufArray OdDbBlockParameter::allowedValues() const
{
  assertReadEnabled();
  return copies(m_allowed);
}

void OdDbBlockParameter::setAllowedValues(const OdResBufArray& values)
{
  assertWriteEnabled(false, false);
  for (const OdResBufPtr& v : values)
    if (!suitsType(v.get(), m_valueType))
      throw OdError(eInvalidResBuf);
  assertWriteEnabled();
  m_allowed = copies(values);
}

OdUInt32Array OdDbBlockParameter::selection() const
{
  assertReadEnabled();
  return m_selection;
}

void OdDbBlockParameter::setSelection(const OdUInt32Array& selection)
{
  assertWriteEnabled();
  m_selection = selection;
}

bool OdDbBlockParameter::sameValue(const OdResBuf& a, const OdResBuf& b) const
{
  if (a.kind() != b.kind())
    return false;
  switch (a.kind())
  {
  case OdResBuf::kString:
    return a.getString().iCompare(b.getString()) == 0;
  case OdResBuf::kDouble:
    return a.getDouble() == b.getDouble();
  default:
    return a.getInt32() == b.getInt32();
  }
}

bool OdDbBlockParameter::accepts(const OdResBuf* value) const
{
  assertReadEnabled();
  if (!suitsType(value, m_valueType))
    return false;
  if (value->kind() == OdResBuf::kDouble && !std::isfinite(value->getDouble()))
    return false;
  if (m_allowed.empty())
    return true;
  for (const OdResBufPtr& v : m_allowed)
    if (sameValue(*v, *value))
      return true;
  return false;
}

OdArray<OdDbObjectPtr> OdDbBlockParameter::selectedEntities(OdDbBlockTableRecord* pRepresentation) const
{
  const OdDbObjectIdArray ids = pRepresentation->entityIds();
  OdArray<OdDbObjectPtr> out;
  for (OdUInt32 index : m_selection)
    if (index < ids.size())
      out.push_back(ids[index].safeOpenObject(OdDb::kForWrite));
  return out;
}

void OdDbBlockParameter::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbObject::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbBlockParameter");
  pFiler->wrString(300, m_name);
  pFiler->wrString(301, m_description);
  pFiler->wrBool(280, m_show);
  pFiler->wrBool(281, m_readOnly);
  pFiler->wrInt16(70, static_cast<OdInt16>(m_valueType));
  writeValue(pFiler, 1, m_default);
  pFiler->wrInt32(90, static_cast<OdInt32>(m_allowed.size()));
  for (const OdResBufPtr& v : m_allowed)
    writeValue(pFiler, 2, v);
  pFiler->wrInt32(91, static_cast<OdInt32>(m_selection.size()));
  for (OdUInt32 index : m_selection)
    pFiler->wrInt32(92, static_cast<OdInt32>(index));
}

void OdDbBlockParameter::copyFrom(const OdRxObject* pSource)
{
  OdDbObject::copyFrom(pSource);
  const OdDbBlockParameter* pSrc = static_cast<const OdDbBlockParameter*>(pSource);
  m_name = pSrc->m_name;
  m_description = pSrc->m_description;
  m_show = pSrc->m_show;
  m_readOnly = pSrc->m_readOnly;
  m_valueType = pSrc->m_valueType;
  m_default = pSrc->m_default->copyChain();
  m_allowed = copies(pSrc->m_allowed);
  m_selection = pSrc->m_selection;
}

// ---- OdDbBlock1PtParameter and OdDbBlockRangeParameter ----

OdDbBlock1PtParameter::OdDbBlock1PtParameter(int valueType)
  : OdDbBlockParameter(valueType)
{
}

OdGePoint3d OdDbBlock1PtParameter::basePoint() const
{
  assertReadEnabled();
  return m_base;
}

void OdDbBlock1PtParameter::setBasePoint(const OdGePoint3d& point)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(point);
  assertWriteEnabled();
  m_base = point;
}

void OdDbBlock1PtParameter::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbBlockParameter::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbBlock1PtParameter");
  pFiler->wrPoint3d(10, m_base);
}

void OdDbBlock1PtParameter::copyFrom(const OdRxObject* pSource)
{
  OdDbBlockParameter::copyFrom(pSource);
  m_base = static_cast<const OdDbBlock1PtParameter*>(pSource)->m_base;
}

OdDbBlockRangeParameter::OdDbBlockRangeParameter(double minimum, double maximum)
  : OdDbBlock1PtParameter(40)
  , m_min(minimum)
  , m_max(maximum)
{
}

double OdDbBlockRangeParameter::minimum() const
{
  assertReadEnabled();
  return m_min;
}

double OdDbBlockRangeParameter::maximum() const
{
  assertReadEnabled();
  return m_max;
}

void OdDbBlockRangeParameter::setRange(double minimum, double maximum)
{
  assertWriteEnabled(false, false);
  if (!std::isfinite(minimum) || !std::isfinite(maximum) || minimum > maximum)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_min = minimum;
  m_max = maximum;
}

bool OdDbBlockRangeParameter::accepts(const OdResBuf* value) const
{
  if (!OdDbBlockParameter::accepts(value))
    return false;
  return value->getDouble() >= m_min && value->getDouble() <= m_max;
}

void OdDbBlockRangeParameter::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbBlock1PtParameter::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbBlockRangeParameter");
  pFiler->wrDouble(40, m_min);
  pFiler->wrDouble(41, m_max);
}

void OdDbBlockRangeParameter::copyFrom(const OdRxObject* pSource)
{
  OdDbBlock1PtParameter::copyFrom(pSource);
  const OdDbBlockRangeParameter* pSrc = static_cast<const OdDbBlockRangeParameter*>(pSource);
  m_min = pSrc->m_min;
  m_max = pSrc->m_max;
}

// ---- OdDbBlockLinearParameter ----

OdDbBlockLinearParameter::OdDbBlockLinearParameter()
  : OdDbBlockRangeParameter(0.0, 1.0e100)
{
}

OdDbBlockParameter::UnitsType OdDbBlockLinearParameter::unitsType() const
{
  assertReadEnabled();
  return kDistance;
}

OdGeVector3d OdDbBlockLinearParameter::direction() const
{
  assertReadEnabled();
  return m_direction;
}

void OdDbBlockLinearParameter::setDirection(const OdGeVector3d& direction)
{
  assertWriteEnabled(false, false);
  const OdGeVector3d d = checkedDirection(direction);
  assertWriteEnabled();
  m_direction = d;
}

void OdDbBlockLinearParameter::applyChange(OdDbBlockTableRecord* pRepresentation, const OdResBuf& from,
                                          const OdResBuf& to) const
{
  assertReadEnabled();
  const double delta = to.getDouble() - from.getDouble();
  if (delta != 0.0)
    transformAll(selectedEntities(pRepresentation), OdGeMatrix3d::translation(m_direction * delta));
}

void OdDbBlockLinearParameter::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbBlockRangeParameter::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbBlockLinearParameter");
  pFiler->wrVector3d(11, m_direction);
}

void OdDbBlockLinearParameter::copyFrom(const OdRxObject* pSource)
{
  OdDbBlockRangeParameter::copyFrom(pSource);
  m_direction = static_cast<const OdDbBlockLinearParameter*>(pSource)->m_direction;
}

// ---- OdDbBlockRotationParameter ----

OdDbBlockRotationParameter::OdDbBlockRotationParameter()
  : OdDbBlockRangeParameter(-1.0e100, 1.0e100)
{
}

OdDbBlockParameter::UnitsType OdDbBlockRotationParameter::unitsType() const
{
  assertReadEnabled();
  return kAngular;
}

void OdDbBlockRotationParameter::applyChange(OdDbBlockTableRecord* pRepresentation, const OdResBuf& from,
                                            const OdResBuf& to) const
{
  assertReadEnabled();
  const double delta = to.getDouble() - from.getDouble();
  if (delta != 0.0)
    transformAll(selectedEntities(pRepresentation),
                 OdGeMatrix3d::rotation(delta, OdGeVector3d::kZAxis, basePoint()));
}

// ---- OdDbBlockFlipParameter ----

OdDbBlockFlipParameter::OdDbBlockFlipParameter(int valueType)
  : OdDbBlock1PtParameter(valueType)
{
  if (valueType != 70 && valueType != 90)
    throw OdError(eInvalidInput);
  OdResBufArray states;
  states.push_back(valueType == 70 ? OdResBuf::newRb(70, OdInt16(0)) : OdResBuf::newRb(90, OdInt32(0)));
  states.push_back(valueType == 70 ? OdResBuf::newRb(70, OdInt16(1)) : OdResBuf::newRb(90, OdInt32(1)));
  setAllowedValues(states);
}

OdGeVector3d OdDbBlockFlipParameter::direction() const
{
  assertReadEnabled();
  return m_direction;
}

void OdDbBlockFlipParameter::setDirection(const OdGeVector3d& direction)
{
  assertWriteEnabled(false, false);
  const OdGeVector3d d = checkedDirection(direction);
  if (d.isParallelTo(OdGeVector3d::kZAxis))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_direction = d;
}

void OdDbBlockFlipParameter::applyChange(OdDbBlockTableRecord* pRepresentation, const OdResBuf& from,
                                        const OdResBuf& to) const
{
  assertReadEnabled();
  if ((from.getInt32() != 0) == (to.getInt32() != 0))
    return;
  // The mirror plane holds the flip line and the block's Z axis.
  const OdGeVector3d planeNormal = m_direction.crossProduct(OdGeVector3d::kZAxis).normal();
  transformAll(selectedEntities(pRepresentation), OdGeMatrix3d::mirroring(OdGePlane(basePoint(), planeNormal)));
}

void OdDbBlockFlipParameter::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbBlock1PtParameter::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbBlockFlipParameter");
  pFiler->wrVector3d(11, m_direction);
}

void OdDbBlockFlipParameter::copyFrom(const OdRxObject* pSource)
{
  OdDbBlock1PtParameter::copyFrom(pSource);
  m_direction = static_cast<const OdDbBlockFlipParameter*>(pSource)->m_direction;
}

// ---- OdDbBlockVisibilityParameter ----

namespace
{
OdResBufArray namesOf(const std::vector<std::pair<OdString, OdUInt32Array>>& states)
{
  OdResBufArray names;
  for (const auto& s : states)
    names.push_back(OdResBuf::newRb(1, s.first));
  return names;
}

bool contains(const OdUInt32Array& list, OdUInt32 index)
{
  for (OdUInt32 i : list)
    if (i == index)
      return true;
  return false;
}
} // namespace

OdDbBlockVisibilityParameter::OdDbBlockVisibilityParameter()
  : OdDbBlockParameter(1)
{
}

void OdDbBlockVisibilityParameter::addState(const OdString& name, const OdUInt32Array& visible)
{
  assertWriteEnabled(false, false);
  if (name.isEmpty())
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  bool replaced = false;
  for (auto& s : m_states)
    if (s.first.iCompare(name) == 0)
    {
      s.second = visible;
      replaced = true;
    }
  if (!replaced)
    m_states.emplace_back(name, visible);
  setAllowedValues(namesOf(m_states));
  if (defaultValue()->getString().isEmpty())
    setDefaultValue(OdResBuf::newRb(1, m_states.front().first));
}

OdUInt32Array OdDbBlockVisibilityParameter::stateSelection(const OdString& name) const
{
  assertReadEnabled();
  for (const auto& s : m_states)
    if (s.first.iCompare(name) == 0)
      return s.second;
  return OdUInt32Array();
}

void OdDbBlockVisibilityParameter::applyChange(OdDbBlockTableRecord* pRepresentation, const OdResBuf&,
                                              const OdResBuf& to) const
{
  assertReadEnabled();
  const OdUInt32Array shown = stateSelection(to.getString());
  const OdDbObjectIdArray ids = pRepresentation->entityIds();
  for (OdUInt32 index = 0; index < ids.size(); ++index)
  {
    bool named = false;
    for (const auto& s : m_states)
      named = named || contains(s.second, index);
    if (!named)
      continue;
    OdDbEntityPtr pEnt = OdDbEntity::cast(ids[index].safeOpenObject(OdDb::kForWrite));
    pEnt->setVisibility(contains(shown, index) ? OdDb::kVisible : OdDb::kInvisible);
  }
}

void OdDbBlockVisibilityParameter::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbBlockParameter::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbBlockVisibilityParameter");
  for (const auto& s : m_states)
  {
    pFiler->wrString(303, s.first);
    for (OdUInt32 index : s.second)
      pFiler->wrInt32(94, static_cast<OdInt32>(index));
  }
}

void OdDbBlockVisibilityParameter::copyFrom(const OdRxObject* pSource)
{
  OdDbBlockParameter::copyFrom(pSource);
  m_states = static_cast<const OdDbBlockVisibilityParameter*>(pSource)->m_states;
}

// ---- OdDbBlockLookupParameter ----

OdDbBlockLookupParameter::OdDbBlockLookupParameter()
  : OdDbBlockParameter(1)
{
}

OdString OdDbBlockLookupParameter::targetName() const
{
  assertReadEnabled();
  return m_target;
}

void OdDbBlockLookupParameter::setTargetName(const OdString& name)
{
  assertWriteEnabled();
  m_target = name;
}

void OdDbBlockLookupParameter::addEntry(const OdString& name, const OdResBuf* targetValue)
{
  assertWriteEnabled(false, false);
  if (name.isEmpty() || !targetValue)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  OdResBufPtr value = OdResBuf::newRb(targetValue->restype());
  value->copyFrom(targetValue);
  bool replaced = false;
  for (auto& e : m_entries)
    if (e.first.iCompare(name) == 0)
    {
      e.second = value;
      replaced = true;
    }
  if (!replaced)
    m_entries.emplace_back(name, value);
  OdResBufArray names;
  for (const auto& e : m_entries)
    names.push_back(OdResBuf::newRb(1, e.first));
  setAllowedValues(names);
  if (defaultValue()->getString().isEmpty())
    setDefaultValue(OdResBuf::newRb(1, m_entries.front().first));
}

OdResBufPtr OdDbBlockLookupParameter::targetValue(const OdString& entry) const
{
  assertReadEnabled();
  for (const auto& e : m_entries)
    if (e.first.iCompare(entry) == 0)
      return e.second->copyChain();
  return OdResBufPtr();
}

OdString OdDbBlockLookupParameter::entryOf(const OdResBuf* targetValue) const
{
  assertReadEnabled();
  if (targetValue)
    for (const auto& e : m_entries)
      if (sameValue(*e.second, *targetValue))
        return e.first;
  return OdString();
}

void OdDbBlockLookupParameter::applyChange(OdDbBlockTableRecord*, const OdResBuf&, const OdResBuf&) const
{
  // The reference sets the target parameter, whose own action moves the entities.
  assertReadEnabled();
}

void OdDbBlockLookupParameter::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbBlockParameter::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbBlockLookupParameter");
  pFiler->wrString(304, m_target);
  for (const auto& e : m_entries)
  {
    pFiler->wrString(305, e.first);
    writeValue(pFiler, 3, e.second);
  }
}

void OdDbBlockLookupParameter::copyFrom(const OdRxObject* pSource)
{
  OdDbBlockParameter::copyFrom(pSource);
  const OdDbBlockLookupParameter* pSrc = static_cast<const OdDbBlockLookupParameter*>(pSource);
  m_target = pSrc->m_target;
  m_entries.clear();
  for (const auto& e : pSrc->m_entries)
    m_entries.emplace_back(e.first, e.second->copyChain());
}
