// The host's documents: CKyDocument wraps an open drawing database (not owned) and its current
// view; CKyDocumentManager tracks the active document that ACTIVE_DOCUMENT() returns (not owned,
// null while no drawing is active).
#ifndef KY_DOCUMENT_H
#define KY_DOCUMENT_H

#include "DbDatabase.h"
#include "Ge/GePlane.h"
#include "KyDatabase.h"

class CKyDocument;

// The document's current view. Its UCS is the database's current UCS.
class CKyView
{
public:
  explicit CKyView(const CKyDocument* pDocument) : m_pDocument(pDocument) {}

  // Plane through the UCS origin spanned by the unit UCS X and Y axes (getCoordSystem returns them).
  OdGePlane GetUcsPlane() const;

private:
  const CKyDocument* m_pDocument;
};

class CKyDocument
{
public:
  // Throws OdError(eNullObjectPointer) for a null database.
  explicit CKyDocument(OdDbDatabase* pDb);
  CKyDocument(const CKyDocument&) = delete;
  CKyDocument& operator=(const CKyDocument&) = delete;

  OdDbDatabase* GetDatabase() const { return m_pDb; }
  CKyDatabase GetKyDatabase() const { return CKyDatabase(m_pDb); }
  CKyView* GetView() { return &m_view; }
  const CKyView* GetView() const { return &m_view; }
  // The "*Active" viewport table record of the database.
  OdDbObjectId GetActiveViewportId() const;
  // See CKyDatabase::SetCurrentUcs.
  void SetCurrentUcs(const OdGePoint3d& origin, const OdGeVector3d& xAxis, const OdGeVector3d& yAxis);

private:
  OdDbDatabase* m_pDb;
  CKyView m_view;
};

class CKyDocumentManager
{
public:
  static CKyDocument* GetActiveDocument();
  // Makes the document active (null: none) and returns the previously active one.
  static CKyDocument* SetActiveDocument(CKyDocument* pDocument);
};

#define ACTIVE_DOCUMENT() (CKyDocumentManager::GetActiveDocument())

#endif
