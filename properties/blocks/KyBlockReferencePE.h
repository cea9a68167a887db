// CKyBlockReferencePE and CKyBlockReferenceInfo: palette rows and listing of block references,
// shown as an ordinary reference (position, scales, name, rotation, block units, attribute
// values, annotation rows) or as a revision cloud (extended data of "PE_CLOUD": shape, radius,
// position, scales). Every row is per object. Also the pieces multiple inserts share: the unit
// factor, the edits that carry the attributes along, and the hook on the "LineStyle scale" row.
#ifndef KY_BLOCK_REFERENCE_PE_H
#define KY_BLOCK_REFERENCE_PE_H

#include <typeinfo>

#include "DbBlockReference.h"
#include "KyAccessors.h"
#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"
#include "KyTexts.h"

class OdDbBlockTableRecord;

// Unit factor U of a reference: block units over drawing units (metres per unit of each), 1.0 when
// either is unitless or the block does not open.
double KyBlockUnitFactor(const OdDbBlockReference* ref);
// Scale setter of references and multiple inserts: v × U on the axis (all three when the block
// demands uniform scaling), the attributes scaled along. 0 shows "Value must be non-zero"; on a
// cloud v <= 0 first shows "Value must be positive and nonzero.". -5001 for non-doubles and
// objects not open for write.
int KySetBlockScale(const OdDbObject* object, KyAxis axis, const CKyVariant& value);
// The scale on an axis as shown: the factor / U, a unitless double.
CKyVariant KyBlockScale(const OdDbObject* object, KyAxis axis);
// Position setter: the UCS component replaced; attributes and extended data move by the change.
int KySetBlockPosition(const OdDbObject* object, KyAxis axis, const CKyVariant& value);
// Rotation setter: the attributes turn about the normal through the position by the change.
int KySetBlockRotation(const OdDbObject* object, const CKyVariant& value);
// Whether the block of the reference demands uniform scaling.
bool KyIsBlockUniform(const OdDbObject* object);

// The hook on the entity's shared "LineStyle scale" row (category "General"): the first call finds
// it in the container, keeps its read-only predicate in `saved` and puts `test` in its place. The
// test of each kind answers for its own objects and asks `saved` for the others, so kinds that
// hook the row in turn form a chain.
void KyHookLinetypeScaleRow(CKyPropertiesContainer* container, CKyIsReadOnlyMethod& saved, CKyIsReadOnlyMethod test);

// A per-object row of a block attribute: the tag and the occurrence of the tag on the reference.
// It also remembers the attribute it was made for, which its accessors use while that attribute
// still belongs to the reference under the same tag, instead of walking the attributes each time.
class CKyAttributeDescription final : public CKyPropertyDescriptionImpl
{
public:
  // The description as an attribute row, else null. The class is final: a type comparison does.
  static const CKyAttributeDescription* of(const CKyPropertyDescription& description)
  {
    return typeid(description) == typeid(CKyAttributeDescription) ? static_cast<const CKyAttributeDescription*>(&description)
                                                                  : nullptr;
  }
  CKyAttributeDescription(OdString tag, OdUInt32 index, const OdDbObjectId& madeFor = OdDbObjectId());
  const CKyString& GetTag() const { return m_tag; }
  OdUInt32 GetIndex() const { return m_index; }
  const OdString& tagString() const { return m_tagString; }
  const OdDbObjectId& madeFor() const { return m_madeFor; }

private:
  CKyString m_tag;
  OdString m_tagString;
  OdUInt32 m_index;
  OdDbObjectId m_madeFor;
};

// A per-object row of a dynamic-block property: the position of the property in the reference's
// property list. The row's name is the property's name, checked again on every access.
class CKyDynBlockDescription : public CKyPropertyDescriptionImpl
{
public:
  explicit CKyDynBlockDescription(OdInt32 index);
  OdInt32 GetProperty() const { return m_index; }

private:
  OdInt32 m_index;
};

class CKyBlockReferencePE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyBlockReferencePE);

  // "Reference" for external references, "Cloud" for clouds, else "Block".
  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  // The rows of the object's form; a second pass over a container that has them adds nothing.
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static bool IsCloud(const OdDbObject* object);
  // The annotation rows, from the block record's state; none for external references.
  static void displayAnnotativeProperty(const OdDbObject* object, CKyPropertiesContainer* container);
  static CKyVariant PerformGroupAction(const OdArray<OdDbObjectId>& ids, const CKyPropertyDescription& description,
                                       const CKyVariant& value, const CKyVariant& context);

  static bool IsLinetypeScaleReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static bool IsLinetypeScaleReadOnlyTest(const OdDbObject*, const CKyPropertyDescription&);

  // Dispatchers of the reference's and the cloud's own rows, by the row's name.
  static CKyVariant GetDynamicPropertyCloud(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDynamicPropertyCloud(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                     const CKyVariant&);
  static bool IsDynamicPropertyCloudReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  // The attribute rows: one per attribute, named by its tag.
  static void addAttributeRows(const OdDbBlockReference* ref, CKyPropertiesContainer* container);
  static OdDbObjectId GetAttributeIdByDesc(const OdDbBlockReference* ref, const CKyPropertyDescription& description);
  // The row's attribute opened in `mode`: the one the row was made for when it still qualifies,
  // else the one GetAttributeIdByDesc finds; null when there is none.
  static OdDbAttributePtr openAttribute(const OdDbBlockReference* ref, const CKyPropertyDescription& description,
                                        OdDb::OpenMode mode);
  static CKyVariant GetDynamicPropertyAttribute(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDynamicPropertyAttribute(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                         const CKyVariant&);
  static bool IsDynamicPropertyAttributeReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  // The dynamic-block rows in "Custom": one per shown property of the reference's block.
  static void addDynamicBlockRows(const OdDbBlockReference* ref, CKyPropertiesContainer* container);
  static CKyVariant GetDynamicPropertyDynamicBlock(const OdDbObject*, const CKyPropertyDescription&,
                                                   const CKyVariant&);
  static int SetDynamicPropertyDynamicBlock(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                            const CKyVariant&);
  static bool IsDynamicPropertyDynamicBlockReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  // The "Custom Properties" section of the listing (nothing for ordinary blocks).
  static void PrintDynamicBlockInfo(const OdDbBlockReference* ref, CKyPrintInfoContext* context);
  // The annotation rows.
  static CKyVariant GetDynamicPropertyValue(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDynamicPropertyValue(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                     const CKyVariant&);
  static bool IsDynamicPropertyReadOnly(const OdDbObject*, const CKyPropertyDescription&);

  static CKyVariant GetShape(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetRadius(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetRadius(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetName(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetRotation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetRotation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsRotationReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetBlockUnit(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetUnitFactor(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetPositionX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetPositionX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetPositionY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetPositionY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetPositionZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetPositionZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetScaleX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetScaleX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetScaleY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetScaleY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsScaleYReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetScaleZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetScaleZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsScaleZReadOnly(const OdDbObject*, const CKyPropertyDescription&);

  static KyDescriptionList s_Names;
  static CKyIsReadOnlyMethod m_LinetypeScale_original;
};

class CKyBlockReferenceInfo : public CKyPrintObjectInfoPE
{
public:
  // "CLOUD", "EXTERNAL REFERENCE", "INSERT OF BLOCK" (multiple inserts), else "BLOCK REFERENCE".
  CKyString GetClassName(const OdDbObject* object) override;
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
