// The shared GetPropertyNames step: building on first use, adding only for matching object
// classes, skipAdd, sibling extension classes, and derived database classes.
#include <gtest/gtest.h>

#include "DbLayerTableRecord.h"
#include "DbLine.h"
#include "KyAccessors.h"
#include "KyEntityPE.h"
#include "KyLinePE.h"
#include "KyPropertyTable.h"
#include "KyTestDrawing.h"
#include "RxObjectImpl.h"

namespace tabletest
{
CKyVariant getOne(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&)
{
  return CKyVariant(1);
}

const KyPropertyRow kProbeRows[] = {
  {"Misc", "Probe", CKyVariant::kInt32, nullptr, &getOne, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
};

// Extension levels of their own, for lines, so each test controls when its list is first built.
class ProbePE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(ProbePE);
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override
  {
    container = nullptr;
    CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
    KyCollectLevel(container, objectClass, extensionClass, skipAdd, ProbePE::desc(), OdDbLine::desc(), s_Names,
                   KyTable(kProbeRows));
  }
  static KyDescriptionList s_Names;
};
ODRX_CONS_DEFINE_MEMBERS(ProbePE, CKyEntityPE, RXIMPL_CONSTR)
KyDescriptionList ProbePE::s_Names;

class SkipProbePE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(SkipProbePE);
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override
  {
    container = nullptr;
    CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
    KyCollectLevel(container, objectClass, extensionClass, skipAdd, SkipProbePE::desc(), OdDbLine::desc(), s_Names,
                   KyTable(kProbeRows));
  }
  static KyDescriptionList s_Names;
};
ODRX_CONS_DEFINE_MEMBERS(SkipProbePE, CKyEntityPE, RXIMPL_CONSTR)
KyDescriptionList SkipProbePE::s_Names;

// A class derived from the line, with no extension of its own.
class DerivedLine : public OdDbLine
{
public:
  ODRX_DECLARE_MEMBERS(DerivedLine);
};
ODRX_NO_CONS_DEFINE_MEMBERS(DerivedLine, OdDbLine)
} // namespace tabletest

using namespace tabletest;

namespace
{
struct LevelCollection : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  OdStaticRxObject<ProbePE> probe;
  OdStaticRxObject<SkipProbePE> skipProbe;

  void SetUp() override
  {
    ProbePE::rxInit();
    SkipProbePE::rxInit();
  }
  void TearDown() override
  {
    SkipProbePE::rxUninit();
    ProbePE::rxUninit();
  }

  // Runs a probe level for a class and reports the names it added.
  std::vector<std::string> collect(const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
  {
    return collectWith(probe, objectClass, extensionClass, skipAdd);
  }
  std::vector<std::string> collectWith(CKyEntityPE& level, const OdRxClass* objectClass,
                                       const OdRxClass* extensionClass, bool skipAdd)
  {
    CKyPropertiesContainerImpl container;
    CKyPropertiesContainerImpl* previous = CKyPropertiesContainerImpl::Active();
    CKyPropertiesContainerImpl::SetActive(&container);
    CKyPropertiesContainer* out = &container;
    level.GetPropertyNames(nullptr, out, objectClass, extensionClass, skipAdd);
    CKyPropertiesContainerImpl::SetActive(previous);
    std::vector<std::string> names;
    for (int i = 0; i < container.GetCount(); ++i)
      names.push_back(container.GetAt(i)->GetName().toQString().toStdString());
    return names;
  }
};
} // namespace

TEST_F(LevelCollection, NonMatchingFirstCallBuildsButDoesNotAdd)
{
  if (!ProbePE::s_Names.isEmpty())
    GTEST_SKIP() << "the probe list was built by an earlier test in this process";
  // A layer record is neither an entity nor a line: no level adds anything, but lists are built.
  EXPECT_TRUE(collect(OdDbLayerTableRecord::desc(), nullptr, false).empty());
  EXPECT_EQ(ProbePE::s_Names.size(), 1u);
  const std::vector<std::string> forLine = collect(OdDbLine::desc(), nullptr, false);
  ASSERT_EQ(forLine.size(), 9u);
  EXPECT_EQ(forLine.front(), "LineColor");
  EXPECT_EQ(forLine.back(), "Probe");
}

TEST_F(LevelCollection, SkipAddSuppressesOnlyLaterCalls)
{
  if (!SkipProbePE::s_Names.isEmpty())
    GTEST_SKIP() << "the probe list was built by an earlier test in this process";
  // The very call that builds the list still adds it; later calls with skipAdd do not.
  const std::vector<std::string> first = collectWith(skipProbe, OdDbLine::desc(), nullptr, true);
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first.back(), "Probe");
  const std::vector<std::string> later = collectWith(skipProbe, OdDbLine::desc(), nullptr, true);
  for (const std::string& n : later)
    EXPECT_NE(n, "Probe");
  EXPECT_EQ(collectWith(skipProbe, OdDbLine::desc(), nullptr, false).back(), "Probe");
}

TEST_F(LevelCollection, SiblingExtensionClassAddsNothingOfThisLevel)
{
  const std::vector<std::string> names = collect(OdDbLine::desc(), CKyLinePE::desc(), false);
  EXPECT_EQ(names.size(), 8u); // the entity level (a base of the line extension) still adds
  for (const std::string& n : names)
    EXPECT_NE(n, "Probe");
}

TEST_F(LevelCollection, NullClassesMatchEverything)
{
  EXPECT_EQ(collect(nullptr, nullptr, false).size(), 9u);
}

TEST(DerivedClasses, ResolveToTheirParentsExtension)
{
  KyModuleSession session;
  DerivedLine::rxInit();
  {
    KyTestDrawing drawing;
    OdSmartPtr<DerivedLine> derived(new DerivedLine);
    derived->setEndPoint(OdGePoint3d(3, 4, 0));
    drawing.add(derived);
    CKyPropertyBase* pe = CKyPropertyPEClassFactory::FindExtension(derived);
    EXPECT_NE(dynamic_cast<CKyLinePE*>(pe), nullptr);
    KyPaletteRows rows(derived);
    ASSERT_NE(rows.row("Length"), nullptr);
    EXPECT_DOUBLE_EQ(rows.row("Length")->GetValue(derived, CKyVariant()).GetDouble(), 5.0);
  }
  DerivedLine::rxUninit();
}
