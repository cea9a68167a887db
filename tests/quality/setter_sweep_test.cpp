// The all-setters sweep. Every row the module lists for the objects of the sample drawing (listed
// and per-object rows alike) has its setter called under each per-element context with a battery
// of hostile and ordinary values. A setter answers 5100 or -5001, or lets through one of the few
// SDK errors that are meant to reach the palette; a refusal, and a let-through error, leave the
// object exactly as it was; an accepted value never leaves a non-finite number in the object.
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <memory>
#include <set>

#include "DbDatabase.h"
#include "DbEntity.h"
#include "KyPropertyBase.h"
#include "KySampleFixture.h"
#include "KySetterBattery.h"
#include "KyTestDrawing.h"

namespace
{
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
    // Fitting a heavy polyline erases its generated vertices: those handles go with them.
    for (const OdDbHandle& handle : handles)
      if (!m_drawing->db()->getOdDbObjectId(handle).isErased())
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
  std::vector<KyNamedValue> battery(const Target& target, const CKyPropertyDescription& row, const KyContext& context,
                                  CaseName name)
  {
    std::vector<KyNamedValue> values = KyFixedValues();
    const OdDbObject* object = target.object.get();
    const std::vector<KyNamedValue> ids = KyIdValues(*m_drawing, object, m_drawing->paletteObjects());
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
    const std::vector<KyContext> contexts = KyContextsFor(target.object.get(), rows.container());
    const KyObjectSnapshot pristineState(target.object.get());

    for (int r = 0; r < rows.container().GetCount(); ++r)
    {
      const CKyPropertyDescription& row = *rows.container().GetAt(r);
      if (!row.GetSetMethod())
        continue;
      const std::string rowName = row.GetName().toQString().toStdString();
      tally.rows.insert(rowName);
      for (const KyContext& context : contexts)
      {
        const CaseName rowCase{kind, rowName, context.name, std::string()};
        std::vector<KyNamedValue> values = battery(target, row, context, rowCase);
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
  bool runCase(const OdDbObjectPtr& object, const CKyPropertyDescription& row, const KyNamedValue& value,
               const KyContext& context, const CaseName& where, Tally& tally)
  {
    std::vector<std::string> problems;
    const KySetOutcome outcome = KyCallSetter(object.get(), row, value.value, context, problems);
    switch (outcome)
    {
    case KySetOutcome::kAccepted: ++tally.accepted; break;
    case KySetOutcome::kRefused: ++tally.refused; break;
    case KySetOutcome::kPropagated: ++tally.propagated; break;
    case KySetOutcome::kBroken: break;
    }
    // After an accepted value every getter and read-only predicate still answers.
    if (outcome == KySetOutcome::kAccepted)
      KyReadEveryRow(object.get(), context, problems);
    for (const std::string& problem : problems)
      fail(where, problem);
    return outcome == KySetOutcome::kAccepted;
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
