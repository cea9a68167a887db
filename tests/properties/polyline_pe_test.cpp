// Lightweight polyline rows: the vertex selector and per-vertex rows, segment and global widths,
// area text, length, the vertex read-only rule under the active viewport's UCS, the choices and
// the listing with its stop.
#include <gtest/gtest.h>

#include <cmath>

#include "DbPolyline.h"
#include "KyPolylinePE.h"
#include "KyPropertyType.h"
#include "KyTestDrawing.h"
#include "OdError.h"
#include "RxObjectImpl.h"

namespace
{
struct Vertex
{
  double x, y, bulge, start, end;
};

struct PolylineRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  OdDbPolylinePtr pline;

  void SetUp() override
  {
    pline = OdDbPolyline::createObject();
    drawing.add(pline);
  }

  void build(std::initializer_list<Vertex> vertices, bool closed = false)
  {
    pline->reset(false, 0);
    unsigned int i = 0;
    for (const Vertex& v : vertices)
      pline->addVertexAt(i++, OdGePoint2d(v.x, v.y), v.bulge, v.start, v.end);
    pline->setClosed(closed);
  }

  const CKyPropertyDescription* row(KyPaletteRows& rows, const char* name)
  {
    const CKyPropertyDescription* d = rows.row(name);
    EXPECT_NE(d, nullptr) << name;
    return d;
  }
  CKyVariant get(const char* name, const CKyVariant& context = CKyVariant())
  {
    KyPaletteRows rows(pline);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->GetValue(pline, context) : CKyVariant();
  }
  int set(const char* name, const CKyVariant& value, const CKyVariant& context = CKyVariant())
  {
    KyPaletteRows rows(pline);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->SetValue(pline, value, context) : 0;
  }
  bool readOnly(const char* name)
  {
    KyPaletteRows rows(pline);
    const CKyPropertyDescription* d = row(rows, name);
    return d && d->IsReadOnly(pline);
  }
  std::pair<double, double> widths(unsigned int i) const
  {
    double s = 0.0, e = 0.0;
    pline->getWidthsAt(i, s, e);
    return {s, e};
  }
};

const std::pair<double, double> kTwo{2.0, 2.0};
} // namespace

TEST_F(PolylineRows, RowsInOrderWithVertexTypesIconsAndTheHiddenCarrierLast)
{
  struct Expected
  {
    const char* category;
    const char* name;
    int type;
    const CKyString* guid;
    const char* icon;
  } expected[] = {
    {"General", "Thickness", 0, nullptr, "General/General_Thickness"},
    {"Geometry", "Vertex", 6, &CKyPropertyType::kVertexGUID, "Geometry/Geometry_Vertex"},
    {"Geometry", "Vertex X", 2, &CKyPropertyType::kVertexXGUID, "Geometry/Geometry_VertexX"},
    {"Geometry", "Vertex Y", 2, &CKyPropertyType::kVertexYGUID, "Geometry/Geometry_VertexY"},
    {"Geometry", "Start segment width", 0, &CKyPropertyType::kVertexStartWidthGUID,
     "Geometry/Geometry_Startsegmentwidth"},
    {"Geometry", "End segment width", 0, &CKyPropertyType::kVertexEndWidthGUID, "Geometry/Geometry_Endsegmentwidth"},
    {"Geometry", "Global width", 0, nullptr, "Geometry/Geometry_Globalwidth"},
    {"Geometry", "Elevation", 0, nullptr, "Geometry/Geometry_Elevation"},
    {"Geometry", "Area", 0, nullptr, "Geometry/Geometry_Area"},
    {"Geometry", "Length", 0, nullptr, "Geometry/Geometry_Length"},
    {"Misc", "Closed", 0, nullptr, "Misc/Misc_Closed"},
    {"Misc", "LineStyleGen", 0, nullptr, "Misc/Misc_LTGeneration"},
  };
  KyPaletteRows rows(pline);
  const CKyPropertiesContainerImpl& c = rows.container();
  ASSERT_EQ(c.GetCount(), 8 + 12 + 1);
  for (int i = 0; i < 12; ++i)
  {
    const Expected& e = expected[i];
    const CKyPropertyDescription* d = c.GetAt(8 + i);
    SCOPED_TRACE(e.name);
    EXPECT_EQ(d->GetCategory().toQString(), e.category);
    EXPECT_EQ(d->GetName().toQString(), e.name);
    EXPECT_EQ(static_cast<int>(d->GetType().GetType()), e.type);
    EXPECT_EQ(d->GetType().GetGUID().toQString(), e.guid ? e.guid->toQString() : QString());
    EXPECT_EQ(d->GetIcon().toQString(), QString(":/%1.png").arg(e.icon));
  }
  const CKyPropertyDescription* carrier = c.GetAt(20);
  EXPECT_EQ(carrier->GetCategory().toQString(), "MATCHPROP");
  EXPECT_EQ(carrier->GetName().toQString(), "MATCHPROP_Polyline");
  EXPECT_EQ(carrier->GetVisibility(), 4u);
}

TEST_F(PolylineRows, VertexSelectorAndVertexRowsFollowTheContextIndex)
{
  build({{1, 2, 0, 0, 0}, {5, 2, 0, 0, 0}, {5, 7, 0, 0, 0}});
  const CKyVariant selector = get("Vertex");
  ASSERT_EQ(selector.GetType(), CKyVariant::kCollection);
  const CKyVariantCollection& list = selector.GetCollection();
  ASSERT_EQ(list.GetCount(), 3);
  EXPECT_EQ(list.GetCurrentIndex(), 0);
  for (int n = 0; n < 3; ++n)
  {
    EXPECT_EQ(list.GetAt(n).GetTag().GetInt32(), n + 1);
    EXPECT_EQ(list.GetAt(n).GetValue().GetInt32(), n + 1);
  }
  EXPECT_EQ(set("Vertex", CKyVariant(CKyString("anything"))), 5100);

  drawing.setUcs(OdGePoint3d(1, 1, 0), OdGeVector3d::kXAxis, OdGeVector3d::kYAxis);
  EXPECT_DOUBLE_EQ(get("Vertex X", CKyVariant(2)).GetDouble(), 4.0);
  EXPECT_DOUBLE_EQ(get("Vertex Y", CKyVariant(2)).GetDouble(), 6.0);
  EXPECT_DOUBLE_EQ(get("Vertex X", CKyVariant(2.0, false)).GetDouble(), 0.0); // not an index: vertex 0
  EXPECT_EQ(set("Vertex Y", CKyVariant(9.0, true), CKyVariant(1)), 5100);
  OdGePoint2d p;
  pline->getPointAt(1, p);
  EXPECT_EQ(p, OdGePoint2d(5, 10));

  pline->reset(false, 0);
  EXPECT_EQ(get("Vertex").GetCollection().GetCount(), 0);
  EXPECT_EQ(get("Vertex X").GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(get("Start segment width").GetType(), CKyVariant::kEmpty);

  // The selector follows the count, below and above the sizes whose lists are kept.
  for (const unsigned count : {4u, 2u, 4096u, 4097u, 5000u})
  {
    SCOPED_TRACE(count);
    pline->reset(false, 0);
    for (unsigned i = 0; i < count; ++i)
      pline->addVertexAt(i, OdGePoint2d(i, 0));
    const CKyVariant again = get("Vertex");
    const CKyVariantCollection& entries = again.GetCollection();
    ASSERT_EQ(entries.GetCount(), static_cast<int>(count));
    EXPECT_EQ(entries.GetCurrentIndex(), 0);
    EXPECT_EQ(entries.GetAt(static_cast<int>(count) - 1).GetTag().GetInt32(), static_cast<int>(count));
    EXPECT_EQ(entries.GetAt(static_cast<int>(count) - 1).GetValue().GetInt32(), static_cast<int>(count));
  }
}

TEST_F(PolylineRows, VertexSetterProjectsIntoThePlaneAndSkipsTheShownValue)
{
  build({{1, 2, 0, 0, 0}, {4, 2, 0, 0, 0}});
  const double h = std::sqrt(0.5);
  drawing.setUcs(OdGePoint3d::kOrigin, OdGeVector3d::kXAxis, OdGeVector3d(0, h, h)); // tilted about X
  // UCS (1, 4h, -2h) is world (1, 3, 1); the vertex lands on its projection (1, 3).
  EXPECT_EQ(set("Vertex Y", CKyVariant(4 * h, true)), 5100);
  OdGePoint2d p;
  pline->getPointAt(0, p);
  EXPECT_NEAR(p.x, 1.0, 1e-12);
  EXPECT_NEAR(p.y, 3.0, 1e-12);
  EXPECT_EQ(pline->elevation(), 0.0);

  pline->downgradeOpen();
  pline->upgradeOpen();
  EXPECT_EQ(set("Vertex X", get("Vertex X")), 5100);
  EXPECT_FALSE(pline->isModified());
  EXPECT_EQ(set("Vertex X", CKyVariant(CKyString("3"))), -5001);
}

TEST_F(PolylineRows, VertexRowsAreReadOnlyUnlessParallelToTheActiveUcsPlane)
{
  build({{0, 0, 0, 0, 0}, {1, 0, 0, 0, 0}});
  EXPECT_FALSE(readOnly("Vertex X"));
  EXPECT_FALSE(readOnly("Vertex Y"));
  drawing.setUcs(OdGePoint3d::kOrigin, OdGeVector3d::kXAxis, OdGeVector3d(0, 1, 1));
  EXPECT_TRUE(readOnly("Vertex X"));
  EXPECT_TRUE(readOnly("Vertex Y"));
  pline->setNormal(OdGeVector3d(0, -1, 1));
  EXPECT_FALSE(readOnly("Vertex X"));
  pline->setNormal(OdGeVector3d(0, 1, -1)); // parallel but facing away
  EXPECT_TRUE(readOnly("Vertex X"));
}

TEST_F(PolylineRows, EditingOneSegmentWidthSplitsTheConstantWidth)
{
  build({{0, 0, 0, 2, 2}, {1, 0, 0, 2, 2}, {2, 0, 0, 2, 2}, {3, 0, 0, 2, 2}});
  pline->setConstantWidth(2.0);
  EXPECT_DOUBLE_EQ(get("Global width").GetDouble(), 2.0);
  EXPECT_EQ(set("End segment width", CKyVariant(5.0, true), CKyVariant(1)), 5100);
  EXPECT_EQ(widths(0), kTwo);
  EXPECT_EQ(widths(1), std::make_pair(2.0, 5.0));
  EXPECT_EQ(widths(2), kTwo);
  EXPECT_EQ(pline->getConstantWidth(), 0.0);
  EXPECT_EQ(get("Global width").GetType(), CKyVariant::kEmpty);

  EXPECT_EQ(set("Start segment width", CKyVariant(1.0, true), CKyVariant(2)), 5100);
  EXPECT_EQ(widths(2), std::make_pair(1.0, 2.0));
  EXPECT_DOUBLE_EQ(get("End segment width", CKyVariant(1)).GetDouble(), 5.0);

  EXPECT_EQ(set("Start segment width", CKyVariant(-1.0, true), CKyVariant(0)), -5001);
  EXPECT_EQ(set("Start segment width", CKyVariant(1), CKyVariant(0)), -5001);
  EXPECT_EQ(widths(0), kTwo);

  // A single segment takes the edit too.
  build({{0, 0, 0, 2, 2}, {1, 0, 0, 2, 2}});
  pline->setConstantWidth(2.0);
  EXPECT_EQ(set("End segment width", CKyVariant(5.0, true), CKyVariant(0)), 5100);
  EXPECT_EQ(widths(0), std::make_pair(2.0, 5.0));
}

TEST_F(PolylineRows, GlobalWidthIsEmptyWhenSegmentsVary)
{
  struct Case
  {
    std::vector<Vertex> vertices;
    bool closed;
    bool empty;
    double width;
  } cases[] = {
    {{{0, 0, 0, 1, 1}, {1, 0, 0, 1, 1}, {2, 0, 0, 1, 3}, {3, 0, 0, 0, 0}}, false, true, 0},
    {{{0, 0, 0, 1, 1}, {1, 0, 0, 0, 0}}, false, false, 1}, // one segment
    {{{0, 0, 0, 1, 1}, {1, 0, 0, 1, 1}, {1, 1, 0, 2, 2}}, false, false, 1}, // the last vertex starts no segment
    {{{0, 0, 0, 1, 1}, {1, 0, 0, 1, 1}, {1, 1, 0, 2, 2}}, true, true, 0},   // unless the polyline is closed
    {{{0, 0, 0, 1, 2}, {1, 0, 0, 1, 2}}, false, true, 0},
    {{{0, 0, 0, 3, 3}}, false, false, 3}, // a lone vertex shows its own width
  };
  for (const Case& c : cases)
  {
    pline->reset(false, 0);
    for (unsigned int i = 0; i < c.vertices.size(); ++i)
    {
      const Vertex& v = c.vertices[i];
      pline->addVertexAt(i, OdGePoint2d(v.x, v.y), v.bulge, v.start, v.end);
    }
    pline->setClosed(c.closed);
    const CKyVariant width = get("Global width");
    EXPECT_EQ(width.IsEmpty(), c.empty);
    if (!c.empty)
    {
      EXPECT_DOUBLE_EQ(width.GetDouble(), c.width);
    }
  }
}

TEST_F(PolylineRows, GlobalWidthSetterLeavesNegativesToThePolyline)
{
  build({{0, 0, 0, 1, 2}, {1, 0, 0, 0, 0}});
  EXPECT_EQ(set("Global width", CKyVariant(3.0, true)), 5100);
  EXPECT_EQ(widths(0), std::make_pair(3.0, 3.0));
  EXPECT_EQ(set("Global width", CKyVariant(std::nan(""), true)), -5001);
  // No range check here: the polyline raises eInvalidInput, which reaches the palette.
  try
  {
    set("Global width", CKyVariant(-1.0, true));
    ADD_FAILURE() << "a negative width was accepted";
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(e.code(), eInvalidInput);
  }
  EXPECT_EQ(pline->getConstantWidth(), 3.0);
}

TEST_F(PolylineRows, AreaTextLengthAndChoices)
{
  build({{0, 0, 0, 0, 0}, {10, 0, 0, 0, 0}, {10, 5, 0, 0, 0}, {0, 5, 0, 0, 0}}, true);
  drawing.setUnits(4, 4);
  EXPECT_EQ(get("Area").GetString().toQString(), "50.0000 sq. in. (0.3472 sq. ft.)");
  EXPECT_DOUBLE_EQ(get("Area", CKyVariant(1111.0, true)).GetDouble(), 50.0);
  drawing.setUnits(2, 2);
  EXPECT_EQ(get("Area").GetString().toQString(), "50.00");
  EXPECT_DOUBLE_EQ(get("Length").GetDouble(), 30.0);

  // A line of 10 and a half circle of radius 5.
  build({{0, 0, 0, 0, 0}, {10, 0, 1, 0, 0}, {10, 10, 0, 0, 0}});
  EXPECT_NEAR(get("Length").GetDouble(), 10.0 + 5.0 * M_PI, 1e-12);

  EXPECT_EQ(get("Closed").GetCollection().GetCurrentIndex(), 1);
  EXPECT_EQ(get("LineStyleGen").GetCollection().GetAt(0).GetValue().GetString().toQString(), "Enabled");
  const CKyVariantCollectionElement on(CKyVariant(1), CKyVariant(CKyString("Yes")));
  const CKyVariantCollectionElement other(CKyVariant(7), CKyVariant(CKyString("?")));
  EXPECT_EQ(set("Closed", CKyVariant(on)), 5100);
  EXPECT_TRUE(pline->isClosed());
  EXPECT_EQ(set("Closed", CKyVariant(other)), 5100);
  EXPECT_TRUE(pline->isClosed());
  EXPECT_EQ(set("LineStyleGen", CKyVariant(on)), 5100);
  EXPECT_TRUE(pline->hasPlinegen());
  EXPECT_EQ(get("LineStyleGen").GetCollection().GetCurrentIndex(), 0);
  EXPECT_EQ(set("LineStyleGen", CKyVariant(1)), -5001);
}

TEST_F(PolylineRows, ListingPrintsEachVertexWithWidthPairsWhenWidthsVary)
{
  build({{0, 0, 0, 1, 1}, {4, 0, 0, 1, 2}, {4, 3, 0, 0, 0}});
  OdStaticRxObject<CKyPolylineInfo> info;
  KyRecordingPrintContext context;
  info.PrintObjectInfo(pline, &context);
  const std::vector<std::string> tail = {"PolyLine Flags",      "Area",       "Perimeter",         "Location 0",
                                         "Start segment width", "End segment width", "Location 1",
                                         "Start segment width", "End segment width", "Location 2"};
  const std::vector<std::string> labels = context.labels();
  ASSERT_GE(labels.size(), tail.size());
  EXPECT_EQ(std::vector<std::string>(labels.end() - tail.size(), labels.end()), tail);
  EXPECT_EQ(context.find("PolyLine Flags")->value, "Open");
  EXPECT_EQ(context.find("Area")->value, "0");
  EXPECT_EQ(context.find("Perimeter")->value, "7");
  EXPECT_EQ(context.find("Location 2")->value, "4,3,0");

  pline->setConstantWidth(0.5);
  pline->setClosed(true);
  KyRecordingPrintContext uniform;
  info.PrintObjectInfo(pline, &uniform);
  EXPECT_EQ(uniform.find("PolyLine Flags")->value, "Closed");
  EXPECT_EQ(uniform.find("Area")->value, "6");
  EXPECT_EQ(uniform.find("Global width")->value, "0.5");
  EXPECT_EQ(uniform.find("Start segment width"), nullptr);
}

TEST_F(PolylineRows, ListingStopsWhenTheReportIsStopped)
{
  pline->reset(false, 0);
  for (unsigned int i = 0; i < 100; ++i)
    pline->addVertexAt(i, OdGePoint2d(i, 0));
  OdStaticRxObject<CKyPolylineInfo> info;
  KyRecordingPrintContext context;
  context.itemLimit = 1;
  info.PrintObjectInfo(pline, &context);
  EXPECT_NE(context.find("Location 0"), nullptr);
  EXPECT_EQ(context.find("Location 1"), nullptr);
  EXPECT_EQ(context.itemsCounted, 1);
}
