// The host's database extension and the dimension edits it carries.
#include "KyDbExtension.h"

#include "DbDiametricDimension.h"
#include "DbRadialDimension.h"

namespace
{
template <class Dim>
OdResult switchExtArc(Dim* pDim, bool on)
{
  if (!pDim)
    return eInvalidInput;
  if (!pDim->isWriteEnabled())
    return eNotOpenForWrite;
  if (pDim->extArcOn() != on)
    pDim->setExtArcOn(on);
  return eOk;
}
} // namespace

OdResult CKyDbExtension::SetRadialDimensionExtArcOn(OdDbRadialDimension* pDim, bool on)
{
  return switchExtArc(pDim, on);
}

CKyDbExtension* GetKyDbExtension()
{
  static CKyDbExtension extension;
  return &extension;
}

OdResult kyDiametricDimensionSetExtArcOn(OdDbDiametricDimension* pDim, bool on)
{
  return switchExtArc(pDim, on);
}
