// The host's constraint service: parametric constraints of a drawing, reached through
// GetConstraintUtils(), which answers null while no service is installed (the host starts
// without one). Dimensions ask it whether their texts are driven by constraints, and their
// listings hand it the dimension to print the constraint's lines.
#ifndef KY_CONSTRAINTS_H
#define KY_CONSTRAINTS_H

class OdDbDatabase;
class OdDbEntity;
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
};

// The installed service, null when none is.
CKyConstraintUtils* GetConstraintUtils();
// Installs a service (null removes it); the caller keeps ownership. Returns the former one.
CKyConstraintUtils* SetConstraintUtils(CKyConstraintUtils* utils);

#endif
