// Internal: the answers remembered while a CKyObjectReadScope is open.
#ifndef KY_READ_SCOPE_MEMO_H
#define KY_READ_SCOPE_MEMO_H

#include <optional>

#include "DbDynBlockReference.h"
#include "DbObject.h"
#include "DbObjectId.h"
#include "KyString.h"

struct KyReadScopeMemo
{
  const OdDbObject* object = nullptr; // null: no scope is open
  // The object's id, taken when first compared (objects nobody asks about never pay for it).
  std::optional<OdDbObjectId> id;

  struct Annotative
  {
    bool annotative;
    bool matchesOrientation;
  };
  std::optional<Annotative> annotative;
  std::optional<CKyString> currentScale;
  // A block reference's dynamic-block properties (which parameters, not their values).
  std::optional<OdDbDynBlockReferencePropertyArray> dynamicProperties;

  void forgetAnswers()
  {
    annotative.reset();
    currentScale.reset();
    dynamicProperties.reset();
  }
};

// The open scope's answers when it is open for this object and the object is not open for
// write; null otherwise.
KyReadScopeMemo* kyReadScopeFor(const OdDbObjectId& id);
// Drops the remembered answers (host services that change annotation data call it first).
void kyForgetReadScopeAnswers();

#endif
