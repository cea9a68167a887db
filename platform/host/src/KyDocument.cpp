// Documents of the host and the active-document pointer behind ACTIVE_DOCUMENT().
#include "KyDocument.h"

#include "OdError.h"

namespace
{
CKyDocument* s_pActiveDocument = nullptr;
}

OdGePlane CKyView::GetUcsPlane() const
{
  const OdGeMatrix3d ucsToWorld = m_pDocument->GetKyDatabase().GetUCSToWorld();
  return OdGePlane(ucsToWorld.getCsOrigin(), ucsToWorld.getCsXAxis(), ucsToWorld.getCsYAxis());
}

CKyDocument::CKyDocument(OdDbDatabase* pDb) : m_pDb(pDb), m_view(this)
{
  if (!pDb)
    throw OdError(eNullObjectPointer);
}

OdDbObjectId CKyDocument::GetActiveViewportId() const
{
  return GetKyDatabase().GetCurrentViewportId();
}

void CKyDocument::SetCurrentUcs(const OdGePoint3d& origin, const OdGeVector3d& xAxis, const OdGeVector3d& yAxis)
{
  GetKyDatabase().SetCurrentUcs(origin, xAxis, yAxis);
}

CKyDocument* CKyDocumentManager::GetActiveDocument()
{
  return s_pActiveDocument;
}

CKyDocument* CKyDocumentManager::SetActiveDocument(CKyDocument* pDocument)
{
  CKyDocument* previous = s_pActiveDocument;
  s_pActiveDocument = pDocument;
  return previous;
}
