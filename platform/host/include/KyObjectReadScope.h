// CKyObjectReadScope: the palette reading the rows of one object.
//
// Every row of an annotative object asks the annotation services about the same object again
// (whether it is annotative, its current scale). While a scope is open for
// an object, those answers are remembered and reused by its other rows. The palette opens one per
// object around gathering and reading its rows, and writes nothing while it is open: the answers
// are dropped when the object is found open for write or a host service changes annotation data,
// and when the scope ends. A scope opened inside another replaces it until it ends (the outer one
// then starts afresh).
#ifndef KY_OBJECT_READ_SCOPE_H
#define KY_OBJECT_READ_SCOPE_H

class OdDbObject;

class CKyObjectReadScope
{
public:
  explicit CKyObjectReadScope(const OdDbObject* pObj);
  ~CKyObjectReadScope();
  CKyObjectReadScope(const CKyObjectReadScope&) = delete;
  CKyObjectReadScope& operator=(const CKyObjectReadScope&) = delete;

private:
  const OdDbObject* m_previous;
};

#endif
