// The values the quality suites hand to setters (hostile and ordinary ones of every kind the
// palette exchanges), the per-element contexts of an object, and the SDK errors that may reach
// the palette from a setter.
#ifndef KY_SETTER_BATTERY_H
#define KY_SETTER_BATTERY_H

#include <string>
#include <vector>

#include "KyPropertiesContainer.h"
#include "KyVariant.h"
#include "OdError.h"

class KySampleDrawing;

struct KyNamedValue
{
  std::string name;
  CKyVariant value;
};

// Values whose meaning does not depend on the drawing.
std::vector<KyNamedValue> KyFixedValues();

// Ids: null, erased, records of each table, the object itself and an entity of every other class.
std::vector<KyNamedValue> KyIdValues(const KySampleDrawing& drawing, const OdDbObject* object,
                                     const std::vector<OdDbObjectId>& objects);

// A list entry picked by its tag, as the palette sends a choice.
CKyVariant KyListElement(const CKyVariant& tag);

struct KyContext
{
  std::string name;
  CKyVariant value;
  bool outOfRange;
};

// The number of elements (vertices, control points) the object's element selectors offer: the
// longest list among the list rows with a type GUID; an object without one counts as one element.
int KyElementCount(const OdDbObject* object, const CKyPropertiesContainerImpl& rows);

// The palette's default (no context) and the per-element contexts 0, last, one past the end and
// -1.
std::vector<KyContext> KyContextsFor(const OdDbObject* object, const CKyPropertiesContainerImpl& rows);

// True when a setter may let the SDK error through to the palette (which catches OdError).
bool KyMayPropagate(const OdError& error, const CKyPropertyDescription& row, const KyContext& context);

enum class KySetOutcome
{
  kAccepted,
  kRefused,
  kPropagated, // an OdError reached the caller
  kBroken      // anything else (an unknown result, a foreign exception)
};

// Calls the row's setter as the palette does and checks the answer: 5100 or -5001, or an SDK
// error that may come through; messages only with a refusal, captioned "Error"; a refusal or an
// error leaves the object bit for bit as it was; an accepted value stores no non-finite number.
// Each broken rule is appended to problems.
KySetOutcome KyCallSetter(const OdDbObject* object, const CKyPropertyDescription& row, const CKyVariant& value,
                          const KyContext& context, std::vector<std::string>& problems);

// Reads every row and read-only state of the object under the context; each OdError (other than
// an out-of-range index under an out-of-range context) is appended to problems.
void KyReadEveryRow(const OdDbObject* object, const KyContext& context, std::vector<std::string>& problems);

#endif
