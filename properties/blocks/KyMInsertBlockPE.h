// CKyMInsertBlockPE: palette rows of multiple inserts (a block reference repeated in columns and
// rows): position, scales, name, rotation, the array's counts and spacings, block units. Edits of
// position, rotation and scale carry the attributes along as for block references.
#ifndef KY_MINSERT_BLOCK_PE_H
#define KY_MINSERT_BLOCK_PE_H

#include "DbMInsertBlock.h"
#include "KyEntityPE.h"

class CKyMInsertBlockPE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyMInsertBlockPE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static bool IsLinetypeScaleReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static bool IsLinetypeScaleReadOnlyTest(const OdDbObject*, const CKyPropertyDescription&);

  static CKyVariant GetInsertionPointX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetInsertionPointX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetInsertionPointY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetInsertionPointY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetInsertionPointZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetInsertionPointZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetScaleX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetScaleX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetScaleY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetScaleY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsScaleYReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetScaleZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetScaleZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsScaleZReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetName(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetRotation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetRotation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetColumns(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetColumns(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetColumnSpacing(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetColumnSpacing(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetRows(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetRows(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetRowSpacing(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetRowSpacing(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetBlockUnit(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetUnitFactor(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);

  static KyDescriptionList s_Names;
  static CKyIsReadOnlyMethod m_LinetypeScale_original;
};

#endif
