// The host's constraint service: parametric constraints of a drawing, reached through
// GetConstraintUtils(), which answers null while no service is installed (the host starts
// without one). Dimensions ask it whether their texts are driven by constraints, and their
// listings hand it the dimension to print the constraint's lines.
#ifndef KY_CONSTRAINTS_H
#define KY_CONSTRAINTS_H

#include "DbObjectId.h"

class OdDbDatabase;
class OdDbEntity;
class CKyDocument;
class CKyPrintInfoContext;

class CKyConstraintManager
{
public:
  virtual ~CKyConstraintManager() = default;
  // Whether the constraints of the drawing drive the texts of its constraint dimensions (so that
  // a text override cannot be edited there).
  virtual bool IsOverrideReadOnly(OdDbDatabase* pDb) = 0;
  // Prints the constraint lines of an entity into a listing (nothing for unconstrained ones).
  virtual void PrintConstraintInfo(const OdDbEntity* pEnt, CKyPrintInfoContext* context) = 0;
};

class CKyConstraintUtils
{
public:
  virtual ~CKyConstraintUtils() = default;
  // Null when the service has no manager to hand out.
  virtual CKyConstraintManager* GetConstraintManager() = 0;
  // An operation of the palette on a block's constraints begins or ends (KyConstraints::Helper).
  virtual void BeginBlockOperation(CKyDocument* pDocument, int operation, const OdDbObjectId& blockRecordId)
  {
    (void)pDocument, (void)operation, (void)blockRecordId;
  }
  virtual void EndBlockOperation(CKyDocument* pDocument, int operation, const OdDbObjectId& blockRecordId)
  {
    (void)pDocument, (void)operation, (void)blockRecordId;
  }
  // A parameter of a dynamic block was written on a reference of the block record: the service
  // brings the block's constraints up to date.
  virtual void UpdateBlockConstraints(const OdDbObjectId& blockRecordId, OdDbDatabase* pDb)
  {
    (void)blockRecordId, (void)pDb;
  }
};

// The installed service, null when none is.
CKyConstraintUtils* GetConstraintUtils();
// Installs a service (null removes it); the caller keeps ownership. Returns the former one.
CKyConstraintUtils* SetConstraintUtils(CKyConstraintUtils* utils);

namespace KyConstraints
{
// Scope of an operation on a block's constraints: tells the installed service (if any) when it
// begins and ends. Operation codes are the host's.
class Helper
{
public:
  Helper(CKyDocument* pDocument, int operation, const OdDbObjectId& blockRecordId);
  ~Helper();
  Helper(const Helper&) = delete;
  Helper& operator=(const Helper&) = delete;

private:
  CKyDocument* m_pDocument;
  int m_operation;
  OdDbObjectId m_blockRecordId;
};
} // namespace KyConstraints

#endif
