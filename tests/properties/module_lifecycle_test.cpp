// Module lifecycle: entry points, the registration and unregistration sequences, and reuse of
// the description lists across a second initApp.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DbLine.h"
#include "KyEntityPE.h"
#include "KyLinePE.h"
#include "KyPrintObjectInfoPE.h"
#include "KyPropertyBase.h"
#include "KyTestDrawing.h"
#include "RxModule.h"

extern "C" OdRxModule* odrxCreateModuleObject(void* hModule, const wchar_t* szModuleName);
extern "C" void odrxGetAPIVersion(int& major, int& minor, int& build, int& patch);
extern "C" void deleteModuleObject();

namespace
{
// Records class creation/deletion and extension attach/detach as readable events.
class EventRecorder : public OdRxClassSystemReactor
{
public:
  EventRecorder() { odrxAddClassSystemReactor(this); }
  ~EventRecorder() override { odrxRemoveClassSystemReactor(this); }
  void classCreated(const OdRxClass* c) override { events.push_back("rxInit " + name(c)); }
  void classDeleted(const OdRxClass* c) override { events.push_back("rxUninit " + name(c)); }
  void extensionAdded(const OdRxClass* c, const OdRxClass* p, const OdRxObject*) override
  {
    events.push_back("addX " + name(c) + " " + name(p));
  }
  void extensionRemoved(const OdRxClass* c, const OdRxClass* p) override
  {
    events.push_back("delX " + name(c) + " " + name(p));
  }
  std::vector<std::string> events;

private:
  static std::string name(const OdRxClass* c) { return c ? c->name().toUtf8() : "?"; }
};

// The full registration order of the module; the test keeps the entries whose classes this
// build has and expects exactly those, in this order.
const char* const kAttachOrder[] = {
  "OdDb2LineAngularDimension", "OdDb2dPolyline", "OdDb3dPolyline", "OdDb3dSolid", "OdDb3PointAngularDimension",
  "OdDbAlignedDimension", "OdDbArcAlignedText", "OdDbArcDimension", "OdDbArc", "OdDbAttributeDefinition",
  "OdDbAttribute", "OdDbBlockReference", "OdDbBody", "OdDbCircle", "OdDbDiametricDimension", "OdDbDimension",
  "OdDbEllipse", "OdDbEntity", "OdDbExtrudedSurface", "OdDbViewportTableRecord", "OdDbViewTableRecord", "OdDbFace",
  "OdDbFcf", "OdDbHatch", "OdDbLeader", "OdDbLine", "OdDbMInsertBlock", "OdDbMline", "OdDbMText", "OdDbOle2Frame",
  "OdDbOrdinateDimension", "OdDbSurface", "OdDbPlaneSurface", "OdDbLoftedSurface", "OdDbPoint", "OdDbPolyFaceMesh",
  "OdDbPolygonMesh", "OdDbSubDMesh", "OdDbPolyline", "OdDbProxyEntity", "OdDbRadialDimensionLarge",
  "OdDbRadialDimension", "OdDbRasterImage", "OdDbPdfReference", "OdDbDgnReference", "OdDbRay", "OdDbRegion",
  "OdDbRotatedDimension", "OdDbShape", "OdDbSolid", "OdDbSpline", "OdDbTable", "OdDbText", "OdDbTrace",
  "OdDbVertex", "OdDbViewport", "OdDbXline", "OdDbHelix", "OdDbRevolvedSurface", "OdDbSweptSurface", "OdDbLight",
  "OdDbMLeader"};
const char* const kStyleOrder[] = {"OdDbTextStyleTableRecord", "OdDbTableStyle", "OdDbDimStyleTableRecord",
                                   "OdDbMlineStyle", "OdDbLinetypeTableRecord", "OdDbLayerTableRecord"};
const char* const kInitOrder[] = {
  "CKyEntityPE", "CKyDimensionPE", "CKySurfacePE", "CKyRasterImagePE", "CKyDimension1ArrowPE",
  "CKyDimension2ArrowPE", "CKy2dPolylinePE", "CKy2LineAngularDimensionPE", "CKy3dPolylinePE", "CKy3dSolidPE",
  "CKy3PointAngularDimensionPE", "CKyAlignedDimensionPE", "CKyArcAlignedTextPE", "CKyArcDimensionPE", "CKyArcPE",
  "CKyAttributeDefinitionPE", "CKyAttributePE", "CKyBlockReferencePE", "CKyBodyPE", "CKyCirclePE",
  "CKyDgnReferencePE", "CKyDiametricDimensionPE", "CKyEllipsePE", "CKyExtrudedSurfacePE", "CKyFacePE", "CKyFcfPE",
  "CKyGroupPE", "CKyHatchPE", "CKyHelixPE", "CKyLayerPE", "CKyLeaderPE", "CKyLightPE", "CKyLinePE",
  "CKyLoftedSurfacePE", "CKyMInsertBlockPE", "CKyMlinePE", "CKyMTextPE", "CKyOle2FramePE", "CKyOrdinateDimensionPE",
  "CKyPdfReferencePE", "CKyPlaneSurfacePE", "CKyPointPE", "CKyPolyFaceMeshPE", "CKyPolygonMeshPE", "CKyPolylinePE",
  "CKyProxyEntityPE", "CKyRadialDimensionLargePE", "CKyRadialDimensionPE", "CKyRayPE", "CKyRegionPE",
  "CKyRevolvedSurfacePE", "CKyRotatedDimensionPE", "CKyShapePE", "CKySolidPE", "CKySplinePE_Prop", "CKySubDMeshPE",
  "CKySweptSurfacePE", "CKyTablePE", "CKyTextPE", "CKyTracePE", "CKyVertexPE", "CKyViewportPE",
  "CKyViewportTableRecordPE", "CKyViewTableRecordPE", "CKyWipeoutPE", "CKyXlinePE", "CKyMLeaderPE"};
const char* const kIntermediates[] = {"CKyEntityPE", "CKyDimensionPE", "CKySurfacePE", "CKyRasterImagePE",
                                      "CKyDimension1ArrowPE", "CKyDimension2ArrowPE"};
const char* const kIntermediatesUninit[] = {"CKyDimension1ArrowPE", "CKyDimension2ArrowPE", "CKyRasterImagePE",
                                            "CKySurfacePE", "CKyDimensionPE", "CKyEntityPE"};
const char* const kInfoOrder[] = {
  "OdDb2LineAngularDimension", "OdDb2dPolyline", "OdDb3dPolyline", "OdDb3dSolid", "OdDb3PointAngularDimension",
  "OdDbAlignedDimension", "OdDbArcDimension", "OdDbArc", "OdDbAttributeDefinition", "OdDbAttribute",
  "OdDbBlockReference", "OdDbBody", "OdDbCircle", "OdDbDiametricDimension", "OdDbEllipse", "OdDbEntity",
  "OdDbExtrudedSurface", "OdDbFace", "OdDbFcf", "OdDbHatch", "OdDbLeader", "OdDbLine", "OdDbMline", "OdDbMText",
  "OdDbOle2Frame", "OdDbOrdinateDimension", "OdDbSurface", "OdDbPlaneSurface", "OdDbLoftedSurface", "OdDbPoint",
  "OdDbPolyFaceMesh", "OdDbPolygonMesh", "OdDbSubDMesh", "OdDbPolyline", "OdDbProxyEntity",
  "OdDbRadialDimensionLarge", "OdDbRadialDimension", "OdDbMLeader", "OdDbPdfReference", "OdDbDgnReference",
  "OdDbRay", "OdDbRegion", "OdDbRotatedDimension", "OdDbShape", "OdDbSolid", "OdDbSpline", "OdDbTable",
  "OdDbText", "OdDbTrace", "OdDbVertex", "OdDbViewport", "OdDbXline", "OdDbHelix", "OdDbRevolvedSurface",
  "OdDbSweptSurface", "OdDbLight"};

template <std::size_t N>
std::vector<std::string> prefixed(const std::string& prefix, const char* const (&names)[N], const std::string& suffix,
                                  const std::vector<std::string>& present)
{
  std::vector<std::string> out;
  for (const char* n : names)
  {
    const std::string e = prefix + n + suffix;
    for (const std::string& p : present)
      if (p == e)
      {
        out.push_back(e);
        break;
      }
  }
  return out;
}

std::vector<std::string> withPrefix(const std::vector<std::string>& events, const std::string& prefix)
{
  std::vector<std::string> out;
  for (const std::string& e : events)
    if (e.compare(0, prefix.size(), prefix) == 0)
      out.push_back(e);
  return out;
}

std::vector<std::string> withoutSdkClasses(const std::vector<std::string>& events)
{
  std::vector<std::string> out;
  for (const std::string& e : events)
    if (e.compare(0, 9, "rxInit Od") != 0)
      out.push_back(e);
  return out;
}

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b)
{
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
} // namespace

TEST(ModuleLifecycle, CreateReturnsTheSingletonAndReportsTheApiVersion)
{
  OdRxModule* first = odrxCreateModuleObject(nullptr, L"KYProperties");
  OdRxModule* second = odrxCreateModuleObject(nullptr, L"other");
  EXPECT_EQ(first, second);
  EXPECT_EQ(first->moduleName(), OdString(L"KYProperties"));
  deleteModuleObject();
  first->release();
  OdRxModule* third = odrxCreateModuleObject(nullptr, L"KYProperties");
  EXPECT_NE(third, nullptr);
  deleteModuleObject();
  third->release();

  int major = 0, minor = 0, build = 0, patch = -1;
  odrxGetAPIVersion(major, minor, build, patch);
  EXPECT_EQ((std::vector<int>{major, minor, build, patch}), (std::vector<int>{4, 1, 1, 0}));
}

TEST(ModuleLifecycle, RegistersAndUnregistersInTheFixedOrder)
{
  EventRecorder recorder;
  OdRxModule* module = odrxCreateModuleObject(nullptr, L"KYProperties");
  module->initApp();
  // SDK classes create their descriptors on first use; only the module's own classes count.
  const std::vector<std::string> init = withoutSdkClasses(recorder.events);
  recorder.events.clear();
  module->uninitApp();
  const std::vector<std::string> uninit = withoutSdkClasses(recorder.events);
  deleteModuleObject();
  module->release();

  // What this build registers, in recorded order.
  const std::vector<std::string> added = withPrefix(init, "addX ");
  const std::vector<std::string> created = withPrefix(init, "rxInit ");

  std::vector<std::string> expectedInit = {"rxInit CKyPropertyBase"};
  expectedInit = concat(expectedInit, prefixed("addX ", kAttachOrder, " CKyPropertyBase", added));
  expectedInit = concat(expectedInit, prefixed("rxInit ", kInitOrder, "", created));
  expectedInit = concat(expectedInit, prefixed("addX ", kStyleOrder, " CKyPropertyBase", added));
  expectedInit.push_back("rxInit CKyPrintObjectInfoPE");
  expectedInit = concat(expectedInit, prefixed("addX ", kInfoOrder, " CKyPrintObjectInfoPE", added));
  EXPECT_EQ(init, expectedInit);

  // Every class of the build is accounted for (nothing registered outside the lists).
  EXPECT_EQ(added.size() + created.size(), expectedInit.size());

  std::vector<std::string> concreteUninit;
  for (const std::string& e : prefixed("rxUninit ", kInitOrder, "", withPrefix(uninit, "rxUninit ")))
  {
    bool intermediate = false;
    for (const char* i : kIntermediates)
      intermediate = intermediate || e == std::string("rxUninit ") + i;
    if (!intermediate)
      concreteUninit.push_back(e);
  }
  std::vector<std::string> expectedUninit =
    prefixed("delX ", kAttachOrder, " CKyPropertyBase", withPrefix(uninit, "delX "));
  expectedUninit = concat(expectedUninit, prefixed("delX ", kStyleOrder, " CKyPropertyBase", withPrefix(uninit, "delX ")));
  expectedUninit = concat(expectedUninit, concreteUninit);
  expectedUninit =
    concat(expectedUninit, prefixed("rxUninit ", kIntermediatesUninit, "", withPrefix(uninit, "rxUninit ")));
  expectedUninit.push_back("rxUninit CKyPropertyBase");
  expectedUninit =
    concat(expectedUninit, prefixed("delX ", kInfoOrder, " CKyPrintObjectInfoPE", withPrefix(uninit, "delX ")));
  expectedUninit.push_back("rxUninit CKyPrintObjectInfoPE");
  EXPECT_EQ(uninit, expectedUninit);
}

TEST(ModuleLifecycle, SecondInitAppReusesTheDescriptionLists)
{
  KyTestDrawing drawing;
  OdDbLinePtr line = OdDbLine::createObject();
  drawing.add(line);
  const CKyPropertyDescription* firstStartX = nullptr;
  {
    KyModuleSession session;
    KyPaletteRows rows(line);
    firstStartX = rows.row("Start X");
    ASSERT_NE(firstStartX, nullptr);
  }
  const unsigned listSize = CKyLinePE::s_Names.size();
  {
    KyModuleSession session;
    KyPaletteRows rows(line);
    EXPECT_EQ(rows.row("Start X"), firstStartX);
    EXPECT_EQ(CKyLinePE::s_Names.size(), listSize);
  }
}

TEST(ModuleLifecycle, InitialisingAClassTwiceRaises)
{
  KyModuleSession session;
  OdAssertFuncPtr previous = odSetAssertFunc([](const char*, const char*, int) {});
  try
  {
    CKyLinePE::rxInit();
    ADD_FAILURE() << "no error";
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(e.code(), 313);
  }
  odSetAssertFunc(previous);
}
