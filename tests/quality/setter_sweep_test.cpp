// The all-setters sweep. Every row the module lists for the objects of the sample drawing (listed
// and per-object rows alike) has its setter called under each per-element context with a battery
// of hostile and ordinary values. A setter answers 5100 or -5001, or lets through one of the few
// SDK errors that are meant to reach the palette; a refusal, and a let-through error, leave the
// object exactly as it was; an accepted value never leaves a non-finite number in the object.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <iostream>
#include <limits>
#include <map>
#include <memory>
#include <set>

#include <QCoreApplication>

#include "DbDatabase.h"
#include "DbEntity.h"
#include "KyCirclePE.h"
#include "KyEntityPE.h"
#include "KyMTextPE.h"
#include "KyPolylinePE.h"
#include "KyTextPE.h"
#include "KyPropertyBase.h"
#include "KySampleFixture.h"
#include "KyTestDrawing.h"

namespace
{
struct NamedValue
{
  std::string name;
  CKyVariant value;
};

CKyVariant element(const CKyVariant& tag)
{
  return CKyVariant(CKyVariantCollectionElement(tag, CKyVariant(CKyString("?"))));
}

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

// Values whose meaning does not depend on the drawing.
std::vector<NamedValue> fixedValues()
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
    {"list element 1", element(CKyVariant(1))},
    {"list element 0", element(CKyVariant(0))},
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
    {"list element unknown tag", element(CKyVariant(12345))},
    {"list element INT_MIN", element(CKyVariant(INT_MIN))},
    {"list element empty tag", element(CKyVariant())},
    {"list element string tag", element(CKyVariant(CKyString("1")))},
    {"empty list", CKyVariant(CKyVariantCollection())},
  };
}

// Ids: null, erased, records of each table, the object itself and an entity of another class.
std::vector<NamedValue> idValues(const KySampleDrawing& drawing, const OdDbObject* object,
                                 const std::vector<OdDbObjectId>& objects)
{
  std::vector<NamedValue> values = {
    {"null id", CKyVariant(OdDbObjectId())},
    {"erased id", CKyVariant(drawing.erasedId())},
    {"layer id", CKyVariant(drawing.layerId(L"Walls"))},
    {"xref-dependent layer id", CKyVariant(drawing.layerId(L"Site|Walls"))},
    {"linetype id", CKyVariant(drawing.linetypeId(L"DASHED"))},
    {"text style id", CKyVariant(drawing.textStyleId(L"Notes"))},
    {"block record id", CKyVariant(drawing.modelSpaceId())},
    {"own id", CKyVariant(object->objectId())},
  };
  for (const OdDbObjectId& id : objects)
  {
    OdDbObjectPtr other = id.openObject();
    if (other->isA() != object->isA() && other->isKindOf(OdDbEntity::desc()))
    {
      values.push_back({"id of a " + KyClassName(other.get()), CKyVariant(id)});
      break;
    }
  }
  return values;
}

struct Context
{
  std::string name;
  CKyVariant value;
  bool outOfRange;
};

// The palette's default (no context) and the per-element contexts 0, last, one past the end and
// -1. The element count comes from the object's element selectors (list rows with a type GUID);
// an object without one counts as a single element.
std::vector<Context> contextsFor(const OdDbObject* object, const CKyPropertiesContainerImpl& rows)
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
  std::vector<Context> contexts = {{"no context", CKyVariant(), false}};
  std::set<int> seen;
  for (int index : {0, count - 1, count, -1})
  {
    if (seen.insert(index).second)
      contexts.push_back({"index " + std::to_string(index), CKyVariant(index), index < 0 || index >= count});
  }
  return contexts;
}

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
};

bool mayPropagate(const OdError& error, const CKyPropertyDescription& row, const Context& context)
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

struct CaseName
{
  std::string kind;
  std::string row;
  std::string context;
  std::string value;
};

struct Tally
{
  std::set<std::string> rows;
  long cases = 0;
  long accepted = 0;
  long refused = 0;
  long propagated = 0;
};

class SetterSweep
{
public:
  explicit SetterSweep(std::unique_ptr<KySampleDrawing>& drawing) : m_drawing(drawing) {}

  void run()
  {
    std::vector<OdDbHandle> handles;
    for (const OdDbObjectId& id : m_drawing->paletteObjects())
      handles.push_back(id.getHandle());
    for (const OdDbHandle& handle : handles)
      sweepObject(handle);
  }

  const std::map<std::string, Tally>& tallies() const { return m_tallies; }
  // Each distinct failure with the contexts it occurred in.
  const std::vector<std::pair<std::string, std::vector<std::string>>>& failures() const { return m_failures; }
  long failureCount() const { return m_failureCount; }
  int rebuilds() const { return m_rebuilds; }

private:
  // The object under test, open for write, and what restores it.
  struct Target
  {
    OdDbHandle handle;
    OdDbObjectPtr object;
    OdRxObjectPtr pristine;
  };

  void open(Target& target) const
  {
    target.object = m_drawing->db()->getOdDbObjectId(target.handle).safeOpenObject(OdDb::kForWrite);
    target.pristine = target.object->clone();
  }

  // Failures are grouped over the contexts in which they occur.
  void fail(const CaseName& c, const std::string& what)
  {
    ++m_failureCount;
    const std::string key = c.kind + " \"" + c.row + "\" <- " + c.value + ": " + what;
    auto found = m_failureIndex.find(key);
    if (found == m_failureIndex.end())
    {
      found = m_failureIndex.emplace(key, m_failures.size()).first;
      m_failures.push_back({key, {}});
    }
    m_failures[found->second].second.push_back(c.context);
  }

  // The battery for one row and context; ids and the shown value belong to the present drawing.
  std::vector<NamedValue> battery(const Target& target, const CKyPropertyDescription& row, const Context& context,
                                  CaseName name)
  {
    std::vector<NamedValue> values = fixedValues();
    const OdDbObject* object = target.object.get();
    const std::vector<NamedValue> ids = idValues(*m_drawing, object, m_drawing->paletteObjects());
    values.insert(values.end(), ids.begin(), ids.end());
    try
    {
      values.push_back({"the value shown", row.GetValue(object, context.value)});
    }
    catch (const OdError& e)
    {
      if (!(e.code() == eInvalidIndex && context.outOfRange))
      {
        name.value = "(reading the value shown)";
        fail(name, "the getter raised OdError " + std::to_string(e.code()));
      }
    }
    return values;
  }

  void sweepObject(const OdDbHandle& handle)
  {
    Target target{handle, OdDbObjectPtr(), OdRxObjectPtr()};
    open(target);
    const std::string kind = KyClassName(target.object.get());
    Tally& tally = m_tallies[kind];
    KyPaletteRows rows(target.object.get());
    const std::vector<Context> contexts = contextsFor(target.object.get(), rows.container());
    const KyObjectSnapshot pristineState(target.object.get());

    for (int r = 0; r < rows.container().GetCount(); ++r)
    {
      const CKyPropertyDescription& row = *rows.container().GetAt(r);
      if (!row.GetSetMethod())
        continue;
      const std::string rowName = row.GetName().toQString().toStdString();
      tally.rows.insert(rowName);
      for (const Context& context : contexts)
      {
        const CaseName rowCase{kind, rowName, context.name, std::string()};
        std::vector<NamedValue> values = battery(target, row, context, rowCase);
        for (std::size_t v = 0; v < values.size(); ++v)
        {
          CaseName name = rowCase;
          name.value = values[v].name;
          ++tally.cases;
          if (runCase(target.object, row, values[v], context, name, tally) && !restore(target, pristineState, name))
            values = battery(target, row, context, rowCase); // ids of the rebuilt drawing
        }
      }
    }
  }

  // One setter call; true when the value was accepted.
  bool runCase(const OdDbObjectPtr& object, const CKyPropertyDescription& row, const NamedValue& value,
               const Context& context, const CaseName& where, Tally& tally)
  {
    KyRecordingMessages messages;
    const KyObjectSnapshot before(object.get());
    int result = 0;
    try
    {
      result = row.SetValue(object.get(), value.value, context.value);
    }
    catch (const OdError& e)
    {
      ++tally.propagated;
      if (!mayPropagate(e, row, context))
        fail(where, "raised OdError " + std::to_string(e.code()) + " " + e.description().toUtf8());
      if (KyObjectSnapshot(object.get()) != before)
        fail(where, "raised OdError " + std::to_string(e.code()) + " after changing the object");
      return false;
    }
    catch (const std::exception& e)
    {
      fail(where, std::string("raised ") + e.what());
      return false;
    }
    for (const KyRecordingMessages::Message& m : messages.messages)
    {
      if (result != kPropertySetFailed)
        fail(where, "showed \"" + m.text.toStdString() + "\" and returned " + std::to_string(result));
      if (m.caption != QCoreApplication::translate("errors", "Error"))
        fail(where, "message caption \"" + m.caption.toStdString() + "\"");
    }
    if (result == kPropertySetFailed)
    {
      ++tally.refused;
      const KyObjectSnapshot after(object.get());
      if (after != before)
        fail(where, "refused but changed the object:\nbefore\n" + before.toString() + "after\n" + after.toString());
      return false;
    }
    if (result != kPropertySetOk)
    {
      fail(where, "returned " + std::to_string(result));
      return false;
    }
    ++tally.accepted;
    const KyObjectSnapshot after(object.get());
    if (after.nonFinite() > 0)
      fail(where, "accepted and stored " + std::to_string(after.nonFinite()) + " non-finite numbers");
    readEveryRow(object, context, where);
    return true;
  }

  // After an accepted value every getter and read-only predicate still answers.
  void readEveryRow(const OdDbObjectPtr& object, const Context& context, const CaseName& where)
  {
    KyPaletteRows rows(object.get());
    for (int i = 0; i < rows.container().GetCount(); ++i)
    {
      const CKyPropertyDescription* row = rows.container().GetAt(i);
      try
      {
        row->GetValue(object.get(), context.value);
        row->IsReadOnly(object.get());
      }
      catch (const OdError& e)
      {
        if (!(e.code() == eInvalidIndex && context.outOfRange))
          fail(where, "then reading \"" + row->GetName().toQString().toStdString() + "\" raised OdError " +
                        std::to_string(e.code()));
      }
    }
  }

  // Puts the object back in its pristine state by copying the pristine clone back; when the
  // change reached beyond the object's own state (fields it created), builds a new sample drawing
  // instead. True when the drawing was kept.
  bool restore(Target& target, const KyObjectSnapshot& pristineState, const CaseName& where)
  {
    target.object->copyFrom(target.pristine.get());
    if (KyObjectSnapshot(target.object.get()) == pristineState)
      return true;
    ++m_rebuilds;
    target.object.release();
    target.pristine.release();
    m_drawing.reset();
    m_drawing = std::make_unique<KySampleDrawing>();
    open(target);
    if (KyObjectSnapshot(target.object.get()) != pristineState)
      fail(where, "the rebuilt sample differs from the first one");
    return false;
  }

  std::unique_ptr<KySampleDrawing>& m_drawing;
  std::map<std::string, Tally> m_tallies;
  std::vector<std::pair<std::string, std::vector<std::string>>> m_failures;
  std::map<std::string, std::size_t> m_failureIndex;
  long m_failureCount = 0;
  int m_rebuilds = 0;
};

// Extensions attached under the property protocol while the module starts.
class AttachRecorder : public OdRxClassSystemReactor
{
public:
  void extensionAdded(const OdRxClass* c, const OdRxClass* protocol, const OdRxObject*) override
  {
    if (protocol == CKyPropertyBase::desc())
      attached.push_back(c);
  }
  std::vector<const OdRxClass*> attached;
};
} // namespace

TEST(SetterSweep, SampleDrawingHoldsEveryKindTheModuleAttaches)
{
  AttachRecorder recorder;
  odrxAddClassSystemReactor(&recorder);
  KyModuleSession session;
  odrxRemoveClassSystemReactor(&recorder);
  KySampleDrawing drawing;
  std::set<const OdRxClass*> present;
  for (const OdDbObjectId& id : drawing.paletteObjects())
    present.insert(id.openObject()->isA());
  ASSERT_FALSE(recorder.attached.empty());
  for (const OdRxClass* c : recorder.attached)
  {
    // Abstract classes (OdDbEntity) are reached through their concrete kinds.
    if (!c->constructor())
      continue;
    EXPECT_TRUE(present.count(c)) << "the sample drawing has no " << c->name().toUtf8();
  }
}

TEST(SetterSweep, EverySetterAnswersEveryValueAndRefusalsLeaveObjectsUnchanged)
{
  KyModuleSession session;
  auto drawing = std::make_unique<KySampleDrawing>();
  SetterSweep sweep(drawing);
  sweep.run();

  long cases = 0;
  std::cout << "[ sweep    ] kind: rows, cases (accepted / refused / let-through errors)\n";
  for (const auto& [kind, tally] : sweep.tallies())
  {
    cases += tally.cases;
    std::cout << "[ sweep    ] " << kind << ": " << tally.rows.size() << " rows, " << tally.cases << " cases ("
              << tally.accepted << " / " << tally.refused << " / " << tally.propagated << ")\n";
  }
  std::cout << "[ sweep    ] " << cases << " (object kind, row, value) cases in all; " << sweep.rebuilds()
            << " rebuilds of the drawing\n";
  ::testing::Test::RecordProperty("sweep_cases", std::to_string(cases));

  EXPECT_GT(cases, 0);
  std::string report;
  for (std::size_t i = 0; i < sweep.failures().size() && i < 60; ++i)
  {
    const auto& [failure, contexts] = sweep.failures()[i];
    report += failure + " [" + std::to_string(contexts.size()) + " contexts: " + contexts.front() + " ...]\n";
  }
  EXPECT_EQ(sweep.failureCount(), 0) << "first failures:\n" << report;
}
