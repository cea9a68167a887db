// Internal: the answers remembered while a CKyObjectReadScope is open.
#ifndef KY_READ_SCOPE_MEMO_H
#define KY_READ_SCOPE_MEMO_H

#include <optional>
#include <vector>

#include "DbObject.h"
#include "DbObjectId.h"
#include "KyString.h"

struct KyReadScopeMemo
{
  const OdDbObject* object = nullptr; // null: no scope is open
  OdDbDatabase* database = nullptr;
  // The object's id, taken when first compared (objects nobody asks about never pay for it).
  std::optional<OdDbObjectId> id;

  struct Annotative
  {
    bool annotative;
    bool matchesOrientation;
  };
  std::optional<Annotative> annotative;
  std::optional<CKyString> currentScale;

  struct NamedScale
  {
    CKyString name;
    OdDbObjectId id;
  };
  std::vector<NamedScale> scalesByName;

  void forgetAnswers()
  {
    annotative.reset();
    currentScale.reset();
    scalesByName.clear();
  }
};

// The open scope's answers when it is open for this object (or, for the second form, an object of
// this drawing) and the object is not open for write; null otherwise.
KyReadScopeMemo* kyReadScopeFor(const OdDbObjectId& id);
KyReadScopeMemo* kyReadScopeIn(const OdDbDatabase* pDb);
// Drops the remembered answers (host services that change annotation data call it first).
void kyForgetReadScopeAnswers();

#endif
