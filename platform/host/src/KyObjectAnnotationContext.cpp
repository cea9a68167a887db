// CKyObjectAnnotationContext: annotative flags, current scales, the scales dialog request and
// annotative text heights, on top of the drawing's annotation data.
#include "KyObjectAnnotationContext.h"

#include <cmath>

#include "DbDimStyleTableRecord.h"
#include "DbDimension.h"
#include "DbMText.h"
#include "DbObjectContextManager.h"
#include "DbText.h"
#include "DbTextStyleTableRecord.h"
#include "KyDrawingAnswers.h"
#include "KyReadScopeMemo.h"
#include "KyScaleList.h"
#include "KySystemServices.h"
#include "ResBuf.h"

const wchar_t* const CKyObjectAnnotationContext::kOrientationAppName = L"AcadAnnoPO";

namespace
{
// The text style of a text or multiline text; null for other objects.
OdDbObjectId textStyleOf(const OdDbObject* pObj)
{
  if (const OdDbText* pText = OdDbText::cast(pObj).get())
    return pText->textStyle();
  if (const OdDbMText* pMText = OdDbMText::cast(pObj).get())
    return pMText->textStyle();
  if (const OdDbDimension* pDim = OdDbDimension::cast(pObj).get())
    return pDim->dimensionStyle();
  return OdDbObjectId();
}

bool isTextKind(const OdDbObject* pObj)
{
  return pObj && (pObj->isKindOf(OdDbText::desc()) || pObj->isKindOf(OdDbMText::desc()));
}

bool isDimension(const OdDbObject* pObj)
{
  return pObj && pObj->isKindOf(OdDbDimension::desc());
}
} // namespace

CKyObjectAnnotationContext::CKyObjectAnnotationContext(const OdDbObjectId& id) : m_id(id), m_single(true)
{
}

const OdArray<OdDbObjectId>& CKyObjectAnnotationContext::GetIds() const
{
  if (m_single && m_ids.isEmpty())
    m_ids.append(m_id);
  return m_ids;
}

CKyObjectAnnotationContext::CKyObjectAnnotationContext(const OdArray<OdDbObjectId>& ids) : m_ids(ids)
{
}

namespace
{
bool isAnnotative(const OdDbObjectId& id, bool* pMatchesOrientation)
{
  if (pMatchesOrientation)
    *pMatchesOrientation = false;
  OdDbObjectPtr pObj = id.openObject(OdDb::kForRead);
  if (pObj.isNull() || !OdDbAnnotativeObject::isAnnotative(pObj))
    return false;
  if (pMatchesOrientation)
  {
    static const OdString kApp(CKyObjectAnnotationContext::kOrientationAppName);
    OdResBufPtr pChain = pObj->xData(kApp);
    OdResBufPtr pValue = pChain.isNull() ? OdResBufPtr() : pChain->next();
    *pMatchesOrientation =
        !pValue.isNull() && pValue->restype() == OdDb::kDxfXdInteger16 && pValue->getInt16() == 1;
  }
  return true;
}

struct ScaleName
{
  OdDbObjectId id;
  CKyString name;
};

// The names of the scales asked for, per drawing, kept until anything in the drawing is added,
// changed or erased: every annotative object shown names its current scale.
class ScaleNamesById : public KyDrawingObjectAnswers<ScaleName>
{
public:
  CKyString nameOf(const OdDbDatabase* pDb, const OdDbObjectId& scaleId)
  {
    for (const Entry& entry : m_entries)
      if (entry.db == pDb && entry.answer.id == scaleId)
        return entry.answer.name;
    OdDbAnnotationScalePtr pScale = OdDbAnnotationScale::cast(scaleId.openObject().get());
    OdString name;
    if (!pScale.isNull())
      pScale->getName(name);
    return keep(pDb, ScaleName{scaleId, CKyString(name)}).name;
  }
};

ScaleNamesById& scaleNamesById()
{
  // Never destroyed: databases that outlive the host's statics still tell it goodbye.
  static ScaleNamesById* names = new ScaleNamesById;
  return *names;
}

CKyString currentScaleNameOf(const OdDbObjectId& id)
{
  OdDbObjectPtr pObj = id.openObject(OdDb::kForRead);
  if (pObj.isNull() || !pObj->database())
    return CKyString();
  OdDbObjectId scaleId = OdDbAnnotativeObject::currentScale(pObj);
  if (scaleId.isNull())
    scaleId = OdDbAnnotationScaleList::currentScale(pObj->database());
  if (scaleId.isNull())
    return CKyString();
  return scaleNamesById().nameOf(pObj->database(), scaleId);
}
} // namespace

bool CKyObjectAnnotationContext::IsAnnotative(const OdDbObjectId& id, bool* pMatchesOrientation)
{
  KyReadScopeMemo* memo = kyReadScopeFor(id);
  if (!memo)
    return isAnnotative(id, pMatchesOrientation);
  if (!memo->annotative)
  {
    bool matches = false;
    const bool annotative = isAnnotative(id, &matches);
    memo->annotative = KyReadScopeMemo::Annotative{annotative, matches};
  }
  if (pMatchesOrientation)
    *pMatchesOrientation = memo->annotative->matchesOrientation;
  return memo->annotative->annotative;
}

CKyString CKyObjectAnnotationContext::GetCurrentScale() const
{
  if (!m_single && m_ids.isEmpty())
    return CKyString();
  const OdDbObjectId& id = m_single ? m_id : m_ids.first();
  KyReadScopeMemo* memo = kyReadScopeFor(id);
  if (!memo)
    return currentScaleNameOf(id);
  if (!memo->currentScale)
    memo->currentScale = currentScaleNameOf(id);
  return *memo->currentScale;
}

void CKyObjectAnnotationContext::ShowAddRemoveUI()
{
  GetKySystemServices()->ShowAnnotationScalesDialog(GetIds());
}

bool CKyObjectAnnotationContext::SetAnnotative(const OdDbObjectId& id, bool annotative, bool updateByStyle)
{
  kyForgetReadScopeAnswers();
  OdDbObjectPtr pObj = id.openObject(OdDb::kForWrite);
  if (pObj.isNull() || !pObj->database())
    return false;
  OdDbAnnotativeObject::setAnnotative(pObj, annotative);
  if (updateByStyle)
  {
    if (OdDbEntity* pEnt = OdDbEntity::cast(pObj).get())
      UpdateTextFromTextStyle(pEnt);
  }
  return true;
}

bool CKyObjectAnnotationContext::SetAnnotativeByStyle(const OdDbObjectId& id)
{
  OdDbObjectPtr pObj = id.openObject(OdDb::kForWrite);
  if (pObj.isNull())
    return false;
  if (!isTextKind(pObj) && !isDimension(pObj))
    throw OdError(eNotImplementedYet, L"Annotative-by-style is known for texts, multiline texts and dimensions only");
  OdDbObjectPtr pStyle = textStyleOf(pObj).openObject(OdDb::kForRead);
  if (pStyle.isNull())
    return false;
  return SetAnnotative(id, OdDbAnnotativeObject::isAnnotative(pStyle), true);
}

double CKyObjectAnnotationContext::GetCurrentScaleFactor(const OdDbObject* pObj)
{
  if (!pObj || !pObj->database())
    return 1.0;
  OdDbObjectId scaleId = OdDbAnnotativeObject::currentScale(pObj);
  if (scaleId.isNull())
    scaleId = OdDbAnnotationScaleList::currentScale(pObj->database());
  OdDbAnnotationScalePtr pScale = OdDbAnnotationScale::cast(scaleId.openObject().get());
  double factor = 1.0;
  if (!pScale.isNull())
    pScale->getScale(factor);
  return factor;
}

bool CKyObjectAnnotationContext::UpdateAnnotativeTextHeight(OdDbEntity* pEnt, double sheetOrModelHeight)
{
  kyForgetReadScopeAnswers();
  if (!isTextKind(pEnt) || !std::isfinite(sheetOrModelHeight) || sheetOrModelHeight <= 0.0)
    return false;
  double height = sheetOrModelHeight;
  if (OdDbAnnotativeObject::isAnnotative(pEnt))
  {
    const double factor = GetCurrentScaleFactor(pEnt);
    if (std::fabs(factor) > 1e-10)
      height = sheetOrModelHeight / factor;
  }
  if (!std::isfinite(height) || height <= 0.0)
    return false;
  // The text itself may still refuse a height (one its layout cannot hold): that is a refusal.
  try
  {
    if (OdDbText* pText = OdDbText::cast(pEnt).get())
      pText->setHeight(height);
    else
      OdDbMText::cast(pEnt)->setTextHeight(height);
  }
  catch (const OdError& e)
  {
    if (e.code() != eInvalidInput)
      throw;
    return false;
  }
  return true;
}

void CKyObjectAnnotationContext::UpdateTextFromTextStyle(OdDbEntity* pEnt)
{
  kyForgetReadScopeAnswers();
  if (!isTextKind(pEnt))
    return;
  OdDbTextStyleTableRecordPtr pStyle = OdDbTextStyleTableRecord::cast(textStyleOf(pEnt).openObject().get());
  if (pStyle.isNull() || pStyle->textSize() <= 0.0)
    return;
  UpdateAnnotativeTextHeight(pEnt, pStyle->textSize());
}

// An annotative dimension is sized on the sheet: its DIMSCALE is 1 and the annotation scale does
// the rest. A dimension that stops being annotative keeps its size in the model: DIMSCALE becomes
// the inverse of the scale it was shown at.
void CKyObjectAnnotationContext::UpdateDimensionsOverrides(OdDbEntity* pEnt)
{
  OdDbDimension* pDim = OdDbDimension::cast(pEnt).get();
  if (!pDim)
    return;
  if (OdDbAnnotativeObject::isAnnotative(pDim))
  {
    pDim->setDimscale(1.0);
    return;
  }
  const double factor = GetCurrentScaleFactor(pDim);
  if (std::isfinite(factor) && factor > 0.0)
    pDim->setDimscale(1.0 / factor);
}

bool CKyObjectAnnotationContext::UpdateDimensionsOverrides(const OdDbObjectId& id, bool annotative)
{
  kyForgetReadScopeAnswers();
  if (!SetAnnotative(id, annotative, false))
    return false;
  OdDbEntityPtr pEnt = OdDbEntity::cast(id.openObject(OdDb::kForWrite).get());
  if (!pEnt.isNull())
    UpdateDimensionsOverrides(pEnt.get());
  return true;
}

OdDbAnnotationScalePtr CKyObjectAnnotationContext::GetByName(OdDbDatabase* pDb, const CKyString& name)
{
  return CKyScaleList::GetByName(pDb, name);
}

OdArray<OdDbObjectId> CKyObjectAnnotationContext::GetScales(OdDbDatabase* pDb)
{
  return pDb ? OdDbAnnotationScaleList::scales(pDb) : OdArray<OdDbObjectId>();
}
