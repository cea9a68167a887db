// OdDbDimension: the abstract base of dimension entities. This build has no concrete dimension
// kinds yet; the base carries the state every dimension shares that other code already asks
// about: whether the dimension is a dynamic constraint (drawn while a constraint is edited).
#ifndef OD_DB_DIMENSION_H
#define OD_DB_DIMENSION_H

#include "DbEntity.h"

class OdDbDimension : public OdDbEntity
{
public:
  ODRX_DECLARE_MEMBERS(OdDbDimension);

  // True for a dimension that shows a dynamic (not annotational) constraint.
  bool isConstraintDynamic() const;
  OdResult setConstraintDynamic(bool bDynamic);
  // True when the dimension is a constraint parameter (dynamic or annotational).
  bool isConstraintObject() const;
  OdResult setConstraintObject(bool bConstraint);

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

protected:
  OdDbDimension();

private:
  bool m_constraintObject = false;
  bool m_constraintDynamic = false;
};

typedef OdSmartPtr<OdDbDimension> OdDbDimensionPtr;

#endif
