// Edit chains: seeded random runs of setter calls on each object of the sample drawing. The sweep
// starts every value from the pristine object; a chain goes on from whatever the earlier accepted
// edits left (an empty text, a fitted text, sizes and points near the largest double), with values
// drawn from the sweep's battery, the lists' own entries and numbers of every magnitude, under the
// world UCS or a turned and moved one. Every step keeps the sweep's rules; after each accepted
// step every row still reads and the object still lists. KY_EDIT_CHAINS (chains per object, default 400) and KY_EDIT_SEED
// (default 1) lengthen or vary the run; a failure names the seed and the steps that led to it.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <set>

#include "DbDatabase.h"
#include "KyDatabase.h"
#include "KyPrintObjectInfoPE.h"
#include "KySampleFixture.h"
#include "KySetterBattery.h"
#include "KyTestDrawing.h"

namespace
{
const int kStepsPerChain = 30;

// splitmix64: the same chains from a seed on every platform and standard library.
class Random
{
public:
  explicit Random(std::uint64_t seed) : m_state(seed) {}

  std::uint64_t next()
  {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int below(std::size_t n) { return n == 0 ? 0 : static_cast<int>(next() % n); }
  bool chance(int percent) { return below(100) < percent; }
  double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

private:
  std::uint64_t m_state;
};

int environmentNumber(const char* name, int fallback)
{
  const char* text = std::getenv(name);
  return text && *text ? std::atoi(text) : fallback;
}

std::string numberText(double v)
{
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

std::string describe(const CKyVariant& v)
{
  switch (v.GetType())
  {
  case CKyVariant::kEmpty: return "empty";
  case CKyVariant::kDouble: return "double " + numberText(v.GetDouble());
  case CKyVariant::kInt32: return "integer " + std::to_string(v.GetInt32());
  case CKyVariant::kString:
  {
    const QString s = v.GetString().toQString();
    return "string \"" + s.left(40).toStdString() + (s.size() > 40 ? "...\" (" + std::to_string(s.size()) + ")" : "\"");
  }
  case CKyVariant::kCollectionElement: return "list entry " + describe(v.GetCollectionElement().GetTag());
  case CKyVariant::kCollection: return "list of " + std::to_string(v.GetCollection().GetCount());
  case CKyVariant::kObjectId: return "id " + v.GetId().getHandle().ascii().toUtf8();
  default: return "value of type " + std::to_string(v.GetType());
  }
}

// A number a user might type or a script send: small integers, ordinary sizes, the value shown
// scaled or a hair off it, or any power of ten a double holds.
double randomNumber(Random& random, double shown)
{
  switch (random.below(5))
  {
  case 0: return random.below(21) - 10;
  case 1: return (random.unit() - 0.5) * 200.0;
  case 2: return shown * (random.unit() * 4.0 - 2.0);
  case 3: return shown + (random.unit() - 0.5) * 1e-9;
  default:
  {
    const double magnitude = std::pow(10.0, random.below(617) - 308);
    return random.chance(50) ? -magnitude : magnitude;
  }
  }
}

// The next value for a row: from the battery, an id, the value shown, or one of the row's own
// kind (a list's entry, a number near or far from the shown one, an edited text).
KyNamedValue randomValue(Random& random, const CKyVariant& shown, const std::vector<KyNamedValue>& battery,
                         const std::vector<KyNamedValue>& ids)
{
  const int pick = random.below(100);
  if (pick < 15)
    return battery[static_cast<std::size_t>(random.below(battery.size()))];
  if (pick < 22)
    return ids[static_cast<std::size_t>(random.below(ids.size()))];
  if (pick < 30)
    return {"the value shown", shown};
  CKyVariant value;
  switch (shown.GetType())
  {
  case CKyVariant::kCollection:
  {
    const CKyVariantCollection& list = shown.GetCollection();
    if (list.GetCount() > 0)
      value = KyListElement(list.GetAt(random.below(static_cast<std::size_t>(list.GetCount()))).GetTag());
    break;
  }
  case CKyVariant::kInt32:
    value = CKyVariant(random.chance(90) ? random.below(40) - 5 : (random.chance(50) ? INT_MAX : INT_MIN));
    break;
  case CKyVariant::kString:
  {
    static const char* const texts[] = {"", "12.5", "-0", "1e308", "a\\Pb", "{\\H2x;x}", "%<\\AcVar Date>%"};
    const QString s = shown.GetString().toQString();
    value = CKyVariant(CKyString(random.chance(50) ? QString::fromUtf8(texts[random.below(std::size(texts))])
                                                   : s + s.left(random.below(8) + 1)));
    break;
  }
  case CKyVariant::kPoint:
    value = CKyVariant(OdGePoint3d(randomNumber(random, 1.0), randomNumber(random, 1.0), randomNumber(random, 0.0)));
    break;
  case CKyVariant::kDouble: value = CKyVariant(randomNumber(random, shown.GetDouble()), shown.IsUnitBearing()); break;
  default: break;
  }
  if (value.IsEmpty())
    value = CKyVariant(randomNumber(random, 1.0), true);
  return {describe(value), value};
}

// Mostly the palette's own contexts: none, or an element the selectors offer; now and then one
// past the end or -1.
KyContext randomContext(Random& random, int count)
{
  const int pick = random.below(100);
  if (pick < 40)
    return {"no context", CKyVariant(), false};
  const int index = pick < 88 ? random.below(static_cast<std::size_t>(count)) : (random.chance(50) ? count : -1);
  return {"index " + std::to_string(index), CKyVariant(index), index < 0 || index >= count};
}

// The drawing's settings during a chain: the current UCS (the world, or a turned and moved one, so
// that every coordinate row converts its values) and the linear units the area texts use.
struct Scene
{
  OdGePoint3d origin;
  OdGeVector3d xAxis = OdGeVector3d::kXAxis, yAxis = OdGeVector3d::kYAxis;
  int unitMode = 2;
  int precision = 4;

  void apply(OdDbDatabase* db) const
  {
    CKyDatabase(db).SetCurrentUcs(origin, xAxis, yAxis);
    db->setLUNITS(static_cast<OdInt16>(unitMode));
    db->setLUPREC(static_cast<OdInt16>(precision));
  }

  std::string text() const
  {
    const std::string units = "units " + std::to_string(unitMode) + "/" + std::to_string(precision);
    if (origin == OdGePoint3d::kOrigin && xAxis == OdGeVector3d::kXAxis && yAxis == OdGeVector3d::kYAxis)
      return "world UCS, " + units;
    auto triple = [](double x, double y, double z) {
      return numberText(x) + "," + numberText(y) + "," + numberText(z);
    };
    return "UCS " + triple(origin.x, origin.y, origin.z) + ";" + triple(xAxis.x, xAxis.y, xAxis.z) + ";" +
           triple(yAxis.x, yAxis.y, yAxis.z) + ", " + units;
  }
};

Scene randomScene(Random& random)
{
  Scene scene;
  scene.unitMode = 1 + random.below(5);
  scene.precision = random.below(9);
  if (random.chance(50))
    return scene;
  auto direction = [&] {
    return OdGeVector3d(random.unit() * 2.0 - 1.0, random.unit() * 2.0 - 1.0, random.unit() * 2.0 - 1.0);
  };
  scene.origin = OdGePoint3d(randomNumber(random, 10.0), randomNumber(random, 10.0), randomNumber(random, 0.0));
  do
  {
    scene.xAxis = direction();
    scene.yAxis = direction();
  } while (scene.xAxis.length() < 0.1 || scene.yAxis.length() < 0.1 || scene.xAxis.isParallelTo(scene.yAxis));
  return scene;
}

struct Tally
{
  long chains = 0;
  long steps = 0;
  long accepted = 0;
  long refused = 0;
  long propagated = 0;
};

// One setter call of a chain. Ids are kept by handle, so that a chain replays in a new drawing.
struct Step
{
  CKyString row;
  CKyString category;
  KyContext context;
  KyNamedValue value;
  bool isId = false;
  OdDbHandle handle;
};

std::string stepText(const Step& s)
{
  return "\"" + s.row.toQString().toStdString() + "\" (" + s.context.name + ") <- " + s.value.name;
}

// Rows of the object that have a setter, in palette order.
std::vector<const CKyPropertyDescription*> settableRows(KyPaletteRows& rows)
{
  std::vector<const CKyPropertyDescription*> out;
  for (int i = 0; i < rows.container().GetCount(); ++i)
  {
    if (rows.container().GetAt(i)->GetSetMethod())
      out.push_back(rows.container().GetAt(i));
  }
  return out;
}

class EditChains
{
public:
  EditChains(std::unique_ptr<KySampleDrawing>& drawing, std::uint64_t seed) : m_drawing(drawing), m_seed(seed) {}

  void run(int chainsPerObject)
  {
    std::vector<OdDbHandle> handles;
    for (const OdDbObjectId& id : m_drawing->paletteObjects())
      handles.push_back(id.getHandle());
    // Fitting a heavy polyline erases its generated vertices: those handles go with them.
    for (std::size_t h = 0; h < handles.size(); ++h)
    {
      for (int c = 0; c < chainsPerObject; ++c)
        if (!m_drawing->db()->getOdDbObjectId(handles[h]).isErased())
          chain(handles[h], Random(m_seed * 0x100000001B3ull + h * 7919u + static_cast<std::uint64_t>(c)));
    }
  }

  const std::map<std::string, Tally>& tallies() const { return m_tallies; }
  const std::vector<std::string>& failures() const { return m_failures; }
  int rebuilds() const { return m_rebuilds; }

private:
  void chain(const OdDbHandle& handle, Random random)
  {
    const Scene scene = randomScene(random);
    scene.apply(m_drawing->db());
    OdDbObjectPtr object = m_drawing->db()->getOdDbObjectId(handle).safeOpenObject(OdDb::kForWrite);
    const OdRxObjectPtr pristine = object->clone();
    const KyObjectSnapshot pristineState(object.get());
    const std::string kind = KyClassName(object.get());
    Tally& tally = m_tallies[kind];
    ++tally.chains;
    const std::vector<KyNamedValue> battery = KyFixedValues();
    const std::vector<KyNamedValue> ids = KyIdValues(*m_drawing, object.get(), m_drawing->paletteObjects());
    std::vector<Step> steps;
    for (int n = 1; n <= kStepsPerChain; ++n)
    {
      KyPaletteRows rows(object.get());
      const std::vector<const CKyPropertyDescription*> settable = settableRows(rows);
      if (settable.empty())
        break;
      const CKyPropertyDescription& row = *settable[static_cast<std::size_t>(random.below(settable.size()))];
      Step step;
      step.row = row.GetName();
      step.category = row.GetCategory();
      step.context = randomContext(random, KyElementCount(object.get(), rows.container()));
      CKyVariant shown;
      std::vector<std::string> problems;
      try
      {
        shown = row.GetValue(object.get(), step.context.value);
      }
      catch (const OdError& e)
      {
        if (!(e.code() == eInvalidIndex && step.context.outOfRange))
          problems.push_back("reading the value shown raised OdError " + std::to_string(e.code()));
      }
      step.value = randomValue(random, shown, battery, ids);
      step.isId = step.value.value.GetType() == CKyVariant::kObjectId;
      if (step.isId)
        step.handle = step.value.value.GetId().getHandle();
      steps.push_back(step);
      ++tally.steps;
      const KySetOutcome outcome = apply(object.get(), row, step, problems);
      tally.accepted += outcome == KySetOutcome::kAccepted;
      tally.refused += outcome == KySetOutcome::kRefused;
      tally.propagated += outcome == KySetOutcome::kPropagated;
      if (!problems.empty())
      {
        report(kind, handle, scene, steps, problems.front());
        break;
      }
    }
    restore(object, pristine, pristineState);
  }

  // The step's setter call with its checks; after an accepted value every row reads and the
  // object lists.
  static KySetOutcome apply(const OdDbObject* object, const CKyPropertyDescription& row, const Step& step,
                            std::vector<std::string>& problems)
  {
    const KySetOutcome outcome = KyCallSetter(object, row, step.value.value, step.context, problems);
    if (outcome == KySetOutcome::kAccepted)
    {
      KyReadEveryRow(object, step.context, problems);
      list(object, problems);
    }
    return outcome;
  }

  // The listing of the object as it now is: no error, something listed.
  static void list(const OdDbObject* object, std::vector<std::string>& problems)
  {
    KyRecordingPrintContext listing;
    try
    {
      if (!CKyPrintObjectInfoPE::PrintInfo(object, &listing) || listing.lines.empty())
        problems.push_back("then the object listed nothing");
    }
    catch (const OdError& e)
    {
      problems.push_back("then listing it raised OdError " + std::to_string(e.code()));
    }
  }

  // Replays the steps on the object in a new sample drawing; the first problem, or "" when every
  // step kept the rules (a step whose row the object no longer has is skipped).
  static std::string replay(const OdDbHandle& handle, const Scene& scene, const std::vector<Step>& steps)
  {
    KySampleDrawing drawing;
    scene.apply(drawing.db());
    OdDbObjectPtr object = drawing.db()->getOdDbObjectId(handle).safeOpenObject(OdDb::kForWrite);
    for (const Step& step : steps)
    {
      KyPaletteRows rows(object.get());
      const CKyPropertyDescription* row = rows.row(step.row.toQString(), step.category.toQString());
      if (!row)
        continue;
      Step here = step;
      if (here.isId)
        here.value.value = CKyVariant(drawing.db()->getOdDbObjectId(here.handle));
      std::vector<std::string> problems;
      apply(object.get(), *row, here, problems);
      if (!problems.empty())
        return problems.front();
    }
    return std::string();
  }

  // Reports the chain cut down to the steps it needs: each step is left out in turn and stays out
  // when the same problem still follows.
  void report(const std::string& kind, const OdDbHandle& handle, const Scene& scene, std::vector<Step> steps,
              const std::string& problem)
  {
    const std::string firstLine = problem.substr(0, problem.find('\n'));
    for (std::size_t i = steps.size(); i-- > 0;)
    {
      std::vector<Step> fewer = steps;
      fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
      const std::string found = replay(handle, scene, fewer);
      if (found.substr(0, found.find('\n')) == firstLine)
        steps = std::move(fewer);
    }
    std::string text =
      kind + " [" + handle.ascii().toUtf8() + "], seed " + std::to_string(m_seed) + ", " + scene.text() + ":\n";
    for (std::size_t i = 0; i < steps.size(); ++i)
      text += "  " + std::to_string(i + 1) + ". " + stepText(steps[i]) + "\n";
    m_failures.push_back(text + "  -> " + problem + "\n");
  }

  // Copies the pristine state back; when the chain changed more than the object (fields it
  // created, records it added), the next chain gets a new sample drawing.
  void restore(OdDbObjectPtr& object, const OdRxObjectPtr& pristine, const KyObjectSnapshot& pristineState)
  {
    object->copyFrom(pristine.get());
    if (KyObjectSnapshot(object.get()) == pristineState)
      return;
    ++m_rebuilds;
    object.release();
    m_drawing.reset();
    m_drawing = std::make_unique<KySampleDrawing>();
  }

  std::unique_ptr<KySampleDrawing>& m_drawing;
  std::uint64_t m_seed;
  std::map<std::string, Tally> m_tallies;
  std::vector<std::string> m_failures;
  int m_rebuilds = 0;
};
} // namespace

TEST(EditChains, EveryStepOfRandomEditChainsKeepsTheSetterRules)
{
  KyModuleSession session;
  auto drawing = std::make_unique<KySampleDrawing>();
  const int seed = environmentNumber("KY_EDIT_SEED", 1);
  EditChains chains(drawing, static_cast<std::uint64_t>(seed));
  chains.run(environmentNumber("KY_EDIT_CHAINS", 400));

  long steps = 0;
  std::cout << "[ chains   ] kind: chains, steps (accepted / refused / let-through errors)\n";
  for (const auto& [kind, tally] : chains.tallies())
  {
    steps += tally.steps;
    std::cout << "[ chains   ] " << kind << ": " << tally.chains << " chains, " << tally.steps << " steps ("
              << tally.accepted << " / " << tally.refused << " / " << tally.propagated << ")\n";
  }
  std::cout << "[ chains   ] " << steps << " steps in all, seed " << seed << "; " << chains.rebuilds()
            << " rebuilds of the drawing\n";

  EXPECT_GT(steps, 0);
  std::string report;
  for (std::size_t i = 0; i < chains.failures().size() && i < 10; ++i)
    report += chains.failures()[i];
  EXPECT_TRUE(chains.failures().empty()) << chains.failures().size() << " chains failed; the first:\n" << report;
}
