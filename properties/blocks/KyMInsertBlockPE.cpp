// Multiple insert rows: the placement rows share the block reference's edits, the array rows
// write the counts and spacings.
#include "KyMInsertBlockPE.h"

#include <QCoreApplication>

#include "DbBlockTableRecord.h"
#include "KyBlockReferencePE.h"
#include "KyObjectValues.h"
#include "KyPropertyTable.h"
#include "KyUtils.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyMInsertBlockPE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyMInsertBlockPE::s_Names;
CKyIsReadOnlyMethod CKyMInsertBlockPE::m_LinetypeScale_original = nullptr;

namespace
{
typedef CKyMInsertBlockPE M;
constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
constexpr const char* kMisc = QT_TRANSLATE_NOOP("property_groups", "Misc");
const CKyIsReadOnlyMethod kNever = &CKyPropertyPEImpl::IsReadOnlyFalse;
const CKyIsReadOnlyMethod kAlways = &CKyPropertyPEImpl::IsReadOnlyTrue;

const KyPropertyRow kRows[] = {
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position X"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateXGUID,
   &M::GetInsertionPointX, &M::SetInsertionPointX, kNever, "InsertionPointX"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position Y"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateYGUID,
   &M::GetInsertionPointY, &M::SetInsertionPointY, kNever, "InsertionPointY"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position Z"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateZGUID,
   &M::GetInsertionPointZ, &M::SetInsertionPointZ, kNever, "InsertionPointZ"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Scale X"), CKyVariant::kDouble, nullptr, &M::GetScaleX,
   &M::SetScaleX, kNever, "ScaleX"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Scale Y"), CKyVariant::kDouble, nullptr, &M::GetScaleY,
   &M::SetScaleY, &M::IsScaleYReadOnly, "ScaleY"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Scale Z"), CKyVariant::kDouble, nullptr, &M::GetScaleZ,
   &M::SetScaleZ, &M::IsScaleZReadOnly, "ScaleZ"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Name"), CKyVariant::kEmpty, nullptr, &M::GetName, nullptr, kAlways,
   "Name"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Rotation"), CKyVariant::kDouble, &CKyPropertyType::kAngleGUID,
   &M::GetRotation, &M::SetRotation, kNever, "Rotation"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Columns"), CKyVariant::kEmpty, nullptr, &M::GetColumns, &M::SetColumns,
   kNever, "Columns"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Column spacing"), CKyVariant::kEmpty, nullptr, &M::GetColumnSpacing,
   &M::SetColumnSpacing, kNever, "ColumnSpacing"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Rows"), CKyVariant::kEmpty, nullptr, &M::GetRows, &M::SetRows, kNever,
   "Rows"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Row spacing"), CKyVariant::kEmpty, nullptr, &M::GetRowSpacing,
   &M::SetRowSpacing, kNever, "RowSpacing"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Block UnitSystem"), CKyVariant::kString, nullptr, &M::GetBlockUnit,
   nullptr, kAlways, "BlockUnit"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Block UnitScale"), CKyVariant::kDouble, nullptr, &M::GetUnitFactor,
   nullptr, kAlways, "UnitFactor"},
};

OdGePoint3d positionOf(const OdDbMInsertBlock* grid)
{
  return grid->position();
}

// A count above 0 and within 16 bits, else the row's message.
template <class Write>
int setCount(const OdDbObject* object, const CKyVariant& value, const char* message, Write write)
{
  const KyOpened<OdDbMInsertBlock> grid = KyForWrite<OdDbMInsertBlock>(object);
  if (grid.isNull() || value.GetType() != CKyVariant::kInt32)
    return kKyRefused;
  const int count = value.GetInt32();
  if (count <= 0 || count > 0xFFFF)
    return KyRefuseWithMessage(message);
  write(grid.get(), static_cast<OdUInt16>(count));
  return kKyAccepted;
}
} // namespace

CKyString CKyMInsertBlockPE::GetClassName(const OdDbObject*)
{
  return KyTr("entity_types", QT_TRANSLATE_NOOP("entity_types", "BlockN"));
}

void CKyMInsertBlockPE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                         const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  if (s_Names.isEmpty() && (!extensionClass || extensionClass->isDerivedFrom(desc())))
    KyHookLinetypeScaleRow(container, m_LinetypeScale_original, &IsLinetypeScaleReadOnlyTest);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyMInsertBlockPE::desc(), OdDbMInsertBlock::desc(),
                 s_Names, KyTable(kRows));
}

void CKyMInsertBlockPE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

bool CKyMInsertBlockPE::IsLinetypeScaleReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}

bool CKyMInsertBlockPE::IsLinetypeScaleReadOnlyTest(const OdDbObject* object, const CKyPropertyDescription& d)
{
  if (object && object->isKindOf(OdDbMInsertBlock::desc()))
    return IsLinetypeScaleReadOnly(object, d);
  return m_LinetypeScale_original ? m_LinetypeScale_original(object, d) : false;
}

CKyVariant CKyMInsertBlockPE::GetInsertionPointX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyObjectUcsComponent<OdDbMInsertBlock>(o, kKyAxisX, &positionOf);
}
int CKyMInsertBlockPE::SetInsertionPointX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                          const CKyVariant&)
{
  return KyForWrite<OdDbMInsertBlock>(o).isNull() ? kKyRefused : KySetBlockPosition(o, kKyAxisX, v);
}
CKyVariant CKyMInsertBlockPE::GetInsertionPointY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyObjectUcsComponent<OdDbMInsertBlock>(o, kKyAxisY, &positionOf);
}
int CKyMInsertBlockPE::SetInsertionPointY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                          const CKyVariant&)
{
  return KyForWrite<OdDbMInsertBlock>(o).isNull() ? kKyRefused : KySetBlockPosition(o, kKyAxisY, v);
}
CKyVariant CKyMInsertBlockPE::GetInsertionPointZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyObjectUcsComponent<OdDbMInsertBlock>(o, kKyAxisZ, &positionOf);
}
int CKyMInsertBlockPE::SetInsertionPointZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                          const CKyVariant&)
{
  return KyForWrite<OdDbMInsertBlock>(o).isNull() ? kKyRefused : KySetBlockPosition(o, kKyAxisZ, v);
}

CKyVariant CKyMInsertBlockPE::GetScaleX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyForRead<OdDbMInsertBlock>(o).isNull() ? CKyVariant() : KyBlockScale(o, kKyAxisX);
}
int CKyMInsertBlockPE::SetScaleX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                 const CKyVariant&)
{
  return KyForWrite<OdDbMInsertBlock>(o).isNull() ? kKyRefused : KySetBlockScale(o, kKyAxisX, v);
}
CKyVariant CKyMInsertBlockPE::GetScaleY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyForRead<OdDbMInsertBlock>(o).isNull() ? CKyVariant() : KyBlockScale(o, kKyAxisY);
}
int CKyMInsertBlockPE::SetScaleY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                 const CKyVariant&)
{
  return KyForWrite<OdDbMInsertBlock>(o).isNull() ? kKyRefused : KySetBlockScale(o, kKyAxisY, v);
}
bool CKyMInsertBlockPE::IsScaleYReadOnly(const OdDbObject* o, const CKyPropertyDescription&)
{
  return KyIsBlockUniform(o);
}
CKyVariant CKyMInsertBlockPE::GetScaleZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyForRead<OdDbMInsertBlock>(o).isNull() ? CKyVariant() : KyBlockScale(o, kKyAxisZ);
}
int CKyMInsertBlockPE::SetScaleZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                 const CKyVariant&)
{
  return KyForWrite<OdDbMInsertBlock>(o).isNull() ? kKyRefused : KySetBlockScale(o, kKyAxisZ, v);
}
bool CKyMInsertBlockPE::IsScaleZReadOnly(const OdDbObject* o, const CKyPropertyDescription&)
{
  return KyIsBlockUniform(o);
}

CKyVariant CKyMInsertBlockPE::GetName(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMInsertBlock> grid = KyForRead<OdDbMInsertBlock>(o);
  if (grid.isNull())
    return CKyVariant();
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(grid->blockTableRecord().openObject().get());
  return block.isNull() ? CKyVariant() : KyStringValueOf(block->getName());
}

CKyVariant CKyMInsertBlockPE::GetRotation(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbMInsertBlock>(o, [](OdDbMInsertBlock* g) { return KyShownAngle(g->rotation()); });
}
int CKyMInsertBlockPE::SetRotation(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                   const CKyVariant&)
{
  return KyForWrite<OdDbMInsertBlock>(o).isNull() ? kKyRefused : KySetBlockRotation(o, v);
}

CKyVariant CKyMInsertBlockPE::GetColumns(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMInsertBlock> grid = KyForRead<OdDbMInsertBlock>(o);
  return grid.isNull() ? CKyVariant() : CKyVariant(static_cast<int>(grid->columns()));
}
int CKyMInsertBlockPE::SetColumns(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                  const CKyVariant&)
{
  return setCount(o, v, QT_TRANSLATE_NOOP("errors", "Invalid value for property Columns"),
                  [](OdDbMInsertBlock* g, OdUInt16 n) { g->setColumns(n); });
}
CKyVariant CKyMInsertBlockPE::GetColumnSpacing(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbMInsertBlock>(o, [](OdDbMInsertBlock* g) { return g->columnSpacing(); });
}
int CKyMInsertBlockPE::SetColumnSpacing(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                        const CKyVariant&)
{
  return KySetDouble<OdDbMInsertBlock>(o, v, [](OdDbMInsertBlock* g, double s) { g->setColumnSpacing(s); });
}
CKyVariant CKyMInsertBlockPE::GetRows(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbMInsertBlock> grid = KyForRead<OdDbMInsertBlock>(o);
  return grid.isNull() ? CKyVariant() : CKyVariant(static_cast<int>(grid->rows()));
}
int CKyMInsertBlockPE::SetRows(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                               const CKyVariant&)
{
  return setCount(o, v, QT_TRANSLATE_NOOP("errors", "Invalid value for property Rows"),
                  [](OdDbMInsertBlock* g, OdUInt16 n) { g->setRows(n); });
}
CKyVariant CKyMInsertBlockPE::GetRowSpacing(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbMInsertBlock>(o, [](OdDbMInsertBlock* g) { return g->rowSpacing(); });
}
int CKyMInsertBlockPE::SetRowSpacing(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                     const CKyVariant&)
{
  return KySetDouble<OdDbMInsertBlock>(o, v, [](OdDbMInsertBlock* g, double s) { g->setRowSpacing(s); });
}

CKyVariant CKyMInsertBlockPE::GetBlockUnit(const OdDbObject* o, const CKyPropertyDescription& d, const CKyVariant& c)
{
  return KyForRead<OdDbMInsertBlock>(o).isNull() ? CKyVariant() : CKyBlockReferencePE::GetBlockUnit(o, d, c);
}
CKyVariant CKyMInsertBlockPE::GetUnitFactor(const OdDbObject* o, const CKyPropertyDescription& d, const CKyVariant& c)
{
  return KyForRead<OdDbMInsertBlock>(o).isNull() ? CKyVariant() : CKyBlockReferencePE::GetUnitFactor(o, d, c);
}
