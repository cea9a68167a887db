// Setter values, element contexts and the errors that may reach the palette, for the quality
// suites.
#include "KySetterBattery.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <set>

#include <QCoreApplication>

#include "DbEntity.h"
#include "KyEntityPE.h"
#include "KyHelixPE.h"
#include "KyHatchPE.h"
#include "KyMTextPE.h"
#include "KyPolylinePE.h"
#include "KySampleFixture.h"
#include "KyTestDrawing.h"
#include "KyTextPE.h"

CKyVariant KyListElement(const CKyVariant& tag)
{
  return CKyVariant(CKyVariantCollectionElement(tag, CKyVariant(CKyString("?"))));
}

namespace
{
CKyVariant color(void (*make)(OdCmColor&))
{
  OdCmColor c;
  make(c);
  return CKyVariant(c);
}

QString stringWithCodes(std::initializer_list<uint> codePoints)
{
  QString s;
  for (uint c : codePoints)
  {
    if (QChar::requiresSurrogates(c))
      s += QString::fromUcs4(&c, 1);
    else
      s += QChar(static_cast<ushort>(c));
  }
  return s;
}

} // namespace

std::vector<KyNamedValue> KyFixedValues()
{
  const double inf = std::numeric_limits<double>::infinity();
  CKyVariantCollection yesNo;
  yesNo.Add(CKyVariant(1), CKyVariant(CKyString("Yes")));
  yesNo.Add(CKyVariant(0), CKyVariant(CKyString("No")));
  yesNo.SetCurrentIndex(0);
  return {
    // One value of every kind the palette exchanges.
    {"empty", CKyVariant()},
    {"double 1.5", CKyVariant(1.5, true)},
    {"unitless double 2", CKyVariant(2.0, false)},
    {"string \"12.5\"", CKyVariant(CKyString("12.5"))},
    {"integer 1", CKyVariant(1)},
    {"colour red", color([](OdCmColor& c) { c.setColorIndex(1); })},
    {"colour none", color([](OdCmColor& c) { c.setNone(); })},
    {"list Yes/No", CKyVariant(yesNo)},
    {"list element 1", KyListElement(CKyVariant(1))},
    {"list element 0", KyListElement(CKyVariant(0))},
    {"point", CKyVariant(OdGePoint3d(1.0, 2.0, 3.0))},
    {"transparency 50%", CKyVariant(OdCmTransparency(static_cast<OdUInt8>(127)))},
    {"transparency error value", CKyVariant(OdCmTransparency(OdCmTransparency::kErrorValue))},
    // Numbers at and beyond the edges.
    {"NaN", CKyVariant(std::nan(""), true)},
    {"+inf", CKyVariant(inf, true)},
    {"-inf", CKyVariant(-inf, true)},
    {"unitless NaN", CKyVariant(std::nan(""), false)},
    {"1e308", CKyVariant(1e308, true)},
    {"-1e308", CKyVariant(-1e308, true)},
    {"-0.0", CKyVariant(-0.0, true)},
    {"0.0", CKyVariant(0.0, true)},
    {"smallest subnormal", CKyVariant(std::numeric_limits<double>::denorm_min(), true)},
    // Strings.
    {"empty string", CKyVariant(CKyString(QString()))},
    {"100000 characters", CKyVariant(CKyString(QString(100000, QLatin1Char('W'))))},
    {"non-BMP with NUL", CKyVariant(CKyString(stringWithCodes({'a', 0x1F600, 0, 0x10348, 'b'})))},
    {"lone surrogate", CKyVariant(CKyString(stringWithCodes({'x', 0xD800, 'y'})))},
    {"string \"nan\"", CKyVariant(CKyString("nan"))},
    {"string \"-inf\"", CKyVariant(CKyString("-inf"))},
    {"string \"1e999\"", CKyVariant(CKyString("1e999"))},
    {"unterminated field code", CKyVariant(CKyString("%<\\AcVar Date"))},
    {"formatting codes", CKyVariant(CKyString("{\\H1e308x;\\fArial|b1;\\P\\S1^;}"))},
    // Integers.
    {"INT_MIN", CKyVariant(INT_MIN)},
    {"INT_MAX", CKyVariant(INT_MAX)},
    {"-1", CKyVariant(-1)},
    // Lists.
    {"list element unknown tag", KyListElement(CKyVariant(12345))},
    {"list element INT_MIN", KyListElement(CKyVariant(INT_MIN))},
    {"list element empty tag", KyListElement(CKyVariant())},
    {"list element string tag", KyListElement(CKyVariant(CKyString("1")))},
    {"empty list", CKyVariant(CKyVariantCollection())},
  };
}

std::vector<KyNamedValue> KyIdValues(const KySampleDrawing& drawing, const OdDbObject* object,
                                     const std::vector<OdDbObjectId>& objects)
{
  std::vector<KyNamedValue> values = {
    {"null id", CKyVariant(OdDbObjectId())},
    {"erased id", CKyVariant(drawing.erasedId())},
    {"layer id", CKyVariant(drawing.layerId(L"Walls"))},
    {"xref-dependent layer id", CKyVariant(drawing.layerId(L"Site|Walls"))},
    {"linetype id", CKyVariant(drawing.linetypeId(L"DASHED"))},
    {"text style id", CKyVariant(drawing.textStyleId(L"Notes"))},
    {"block record id", CKyVariant(drawing.modelSpaceId())},
    {"own id", CKyVariant(object->objectId())},
  };
  // One entity of every other kind: a wrong class for most id rows, a source for the
  // match-properties rows that accept a related kind (a multiline text for a text).
  std::set<const OdRxClass*> kinds{object->isA()};
  for (const OdDbObjectId& id : objects)
  {
    OdDbObjectPtr other = id.openObject();
    if (other->isKindOf(OdDbEntity::desc()) && kinds.insert(other->isA()).second)
      values.push_back({"id of a " + KyClassName(other.get()), CKyVariant(id)});
  }
  return values;
}

int KyElementCount(const OdDbObject* object, const CKyPropertiesContainerImpl& rows)
{
  int count = 1;
  for (int i = 0; i < rows.GetCount(); ++i)
  {
    const CKyPropertyDescription* row = rows.GetAt(i);
    if (row->GetType().GetType() != CKyVariant::kCollection || row->GetType().GetGUID().isEmpty())
      continue;
    const CKyVariant selector = row->GetValue(object, CKyVariant());
    if (selector.GetType() == CKyVariant::kCollection)
      count = std::max(count, selector.GetCollection().GetCount());
  }
  return count;
}

std::vector<KyContext> KyContextsFor(const OdDbObject* object, const CKyPropertiesContainerImpl& rows)
{
  const int count = KyElementCount(object, rows);
  std::vector<KyContext> contexts = {{"no context", CKyVariant(), false}};
  std::set<int> seen;
  for (int index : {0, count - 1, count, -1})
  {
    if (seen.insert(index).second)
      contexts.push_back({"index " + std::to_string(index), CKyVariant(index), index < 0 || index >= count});
  }
  return contexts;
}

namespace
{
// SDK errors that reach the palette by design (the palette catches OdError). The object must be
// unchanged afterwards all the same.
// - An element index outside the object raises OdError_InvalidIndex: element setters and getters
//   do not check the index, the palette only passes indices taken from the element selector.
// - A non-layer id given to "Layer" raises OdError_NotThatKindOfClass.
// - The setters below hand the value to the SDK without a range or class check of their own, so
//   the SDK's refusal of it comes through.
struct LetThrough
{
  CKySetMethod setter;
  OdResult code;
  const char* why;
};
const LetThrough kLetThrough[] = {
  {&CKyEntityPE::SetLayer, eNotThatKindOfClass, "an id that is not a layer"},
  {&CKyPolylinePE::SetGlobalWidth, eInvalidInput, "a negative constant width"},
  {&CKyTextPE::SetObliquing, eInvalidInput, "an obliquing angle beyond the text's limit"},
  {&CKyTextPE::SetWidthFactor, eInvalidInput, "a negative width factor"},
  {&CKyTextPE::SetStyle, eWrongObjectType, "an id that is not a text style"},
  {&CKyMTextPE::SetStyle, eWrongObjectType, "an id that is not a text style"},
  {&CKyMTextPE::SetWidth, eInvalidInput, "a negative width"},
  {&CKyMTextPE::SetContents, eInvalidInput, "contents too long to lay out at the text's height"},
  {&CKyHelixPE::SetHeight, eInvalidInput, "a height whose curve leaves the finite range"},
  {&CKyHelixPE::SetTurns, eInvalidInput, "turns too few to build a curve from"},
  {&CKyHelixPE::SetTurnHeight, eInvalidInput, "a pitch that needs more turns than a curve can have"},
  {&CKyHelixPE::SetBaseRadius, eInvalidInput, "a radius whose curve leaves the finite range"},
  {&CKyHelixPE::SetTopRadius, eInvalidInput, "a radius whose curve leaves the finite range"},
  {&CKyHatchPE::SetDynamicPropertyGradient, eInvalidInput, "a pattern scale whose lines leave the finite range"},
};
} // namespace

bool KyMayPropagate(const OdError& error, const CKyPropertyDescription& row, const KyContext& context)
{
  if (error.code() == eInvalidIndex)
    return context.outOfRange;
  for (const LetThrough& l : kLetThrough)
  {
    if (row.GetSetMethod() == l.setter && error.code() == l.code)
      return true;
  }
  return false;
}

KySetOutcome KyCallSetter(const OdDbObject* object, const CKyPropertyDescription& row, const CKyVariant& value,
                          const KyContext& context, std::vector<std::string>& problems)
{
  KyRecordingMessages messages;
  const KyObjectSnapshot before(object);
  int result = 0;
  try
  {
    result = row.SetValue(object, value, context.value);
  }
  catch (const OdError& e)
  {
    if (!KyMayPropagate(e, row, context))
      problems.push_back("raised OdError " + std::to_string(e.code()) + " " + e.description().toUtf8());
    if (KyObjectSnapshot(object) != before)
      problems.push_back("raised OdError " + std::to_string(e.code()) + " after changing the object");
    return KySetOutcome::kPropagated;
  }
  catch (const std::exception& e)
  {
    problems.push_back(std::string("raised ") + e.what());
    return KySetOutcome::kBroken;
  }
  for (const KyRecordingMessages::Message& m : messages.messages)
  {
    if (result != kPropertySetFailed)
      problems.push_back("showed \"" + m.text.toStdString() + "\" and returned " + std::to_string(result));
    if (m.caption != QCoreApplication::translate("errors", "Error"))
      problems.push_back("message caption \"" + m.caption.toStdString() + "\"");
  }
  if (result == kPropertySetFailed)
  {
    const KyObjectSnapshot after(object);
    if (after != before)
      problems.push_back("refused but changed the object:\nbefore\n" + before.toString() + "after\n" + after.toString());
    return KySetOutcome::kRefused;
  }
  if (result != kPropertySetOk)
  {
    problems.push_back("returned " + std::to_string(result));
    return KySetOutcome::kBroken;
  }
  const KyObjectSnapshot after(object);
  if (after.nonFinite() > 0)
    problems.push_back("accepted and stored " + std::to_string(after.nonFinite()) + " non-finite numbers");
  return KySetOutcome::kAccepted;
}

void KyReadEveryRow(const OdDbObject* object, const KyContext& context, std::vector<std::string>& problems)
{
  KyPaletteRows rows(object);
  for (int i = 0; i < rows.container().GetCount(); ++i)
  {
    const CKyPropertyDescription* row = rows.container().GetAt(i);
    try
    {
      row->GetValue(object, context.value);
      row->IsReadOnly(object);
    }
    catch (const OdError& e)
    {
      if (!(e.code() == eInvalidIndex && context.outOfRange))
        problems.push_back("then reading \"" + row->GetName().toQString().toStdString() + "\" raised OdError " +
                           std::to_string(e.code()));
    }
  }
}
