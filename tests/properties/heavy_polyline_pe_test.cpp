// Heavy polyline rows: tables and order, the selector over counted vertices only, vertex rows
// through a tilted plane and the read-only rule, widths (empty for spline-fitted polylines), the
// Fit/Smooth choices that really regenerate fit vertices, refusals that leave the polyline and its
// vertices (and their handles) as they were, the listings, and the vertex's general rows.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "Db2dPolyline.h"
#include "Db3dPolyline.h"
#include "Ky2dPolylinePE.h"
#include "Ky3dPolylinePE.h"
#include "KyPropertyType.h"
#include "KyTestDrawing.h"
#include "RxObjectImpl.h"

namespace
{
struct Vertex
{
  double x, y, bulge, start, end;
};

struct Snapshot
{
  OdUInt64 handle;
  int type;
  OdGePoint3d position;
  double start, end, bulge;
  bool operator==(const Snapshot& o) const
  {
    return handle == o.handle && type == o.type && position == o.position && start == o.start && end == o.end &&
           bulge == o.bulge;
  }
};

std::vector<Snapshot> snapshot(const OdDb2dPolyline* pline)
{
  std::vector<Snapshot> out;
  for (OdDbObjectIteratorPtr it = pline->vertexIterator(); !it->done(); it->step())
  {
    OdDb2dVertexPtr v = it->entity();
    out.push_back({v->handle().value(), v->vertexType(), v->position(), v->startWidth(), v->endWidth(), v->bulge()});
  }
  return out;
}

int countType(const std::vector<Snapshot>& vs, int type)
{
  int n = 0;
  for (const Snapshot& s : vs)
    n += s.type == type ? 1 : 0;
  return n;
}

// Palette access to one object.
struct Palette
{
  const OdDbObject* object;
  const CKyPropertyDescription* row(KyPaletteRows& rows, const char* name)
  {
    const CKyPropertyDescription* d = rows.row(name);
    EXPECT_NE(d, nullptr) << name;
    return d;
  }
  CKyVariant get(const char* name, const CKyVariant& context = CKyVariant())
  {
    KyPaletteRows rows(object);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->GetValue(object, context) : CKyVariant();
  }
  int set(const char* name, const CKyVariant& value, const CKyVariant& context = CKyVariant())
  {
    KyPaletteRows rows(object);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->SetValue(object, value, context) : 0;
  }
  bool readOnly(const char* name)
  {
    KyPaletteRows rows(object);
    const CKyPropertyDescription* d = row(rows, name);
    return d && d->IsReadOnly(object);
  }
};

CKyVariant choice(int code)
{
  return CKyVariant(CKyVariantCollectionElement(CKyVariant(code), CKyVariant(CKyString("?"))));
}

struct Polyline2dRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  OdDb2dPolylinePtr pline;
  Palette palette{nullptr};

  void build(std::initializer_list<Vertex> vertices, bool closed = false)
  {
    pline = OdDb2dPolyline::createObject();
    for (const Vertex& v : vertices)
    {
      OdDb2dVertexPtr vertex = OdDb2dVertex::createObject();
      vertex->setPosition(OdGePoint3d(v.x, v.y, 0));
      vertex->setBulge(v.bulge);
      vertex->setStartWidth(v.start);
      vertex->setEndWidth(v.end);
      pline->appendVertex(vertex);
    }
    if (closed)
      pline->makeClosed();
    drawing.add(pline);
    palette.object = pline;
  }
  CKyVariant get(const char* name, const CKyVariant& context = CKyVariant()) { return palette.get(name, context); }
  int set(const char* name, const CKyVariant& value, const CKyVariant& context = CKyVariant())
  {
    return palette.set(name, value, context);
  }
};
} // namespace

TEST_F(Polyline2dRows, RowsInOrderWithTypesIconsAndTheHiddenCarrierLast)
{
  build({{0, 0, 0, 0, 0}, {1, 0, 0, 0, 0}});
  const struct
  {
    const char* category;
    const char* name;
    int type;
    const CKyString* guid;
    const char* icon;
  } expected[] = {
    {"General", "Thickness", 2, nullptr, "General/General_Thickness"},
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
    {"Misc", "Fit/Smooth", 0, nullptr, "Misc/Misc_Fit/Smooth"},
    {"Misc", "Closed", 0, nullptr, "Misc/Misc_Closed"},
    {"Misc", "LineStyleGen", 0, nullptr, "Misc/Misc_LTGeneration"},
  };
  KyPaletteRows rows(pline);
  const CKyPropertiesContainerImpl& c = rows.container();
  ASSERT_EQ(c.GetCount(), 8 + 13 + 1);
  for (int i = 0; i < 13; ++i)
  {
    const CKyPropertyDescription* d = c.GetAt(8 + i);
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(d->GetCategory().toQString(), expected[i].category);
    EXPECT_EQ(d->GetName().toQString(), expected[i].name);
    EXPECT_EQ(static_cast<int>(d->GetType().GetType()), expected[i].type);
    EXPECT_EQ(d->GetType().GetGUID().toQString(), expected[i].guid ? expected[i].guid->toQString() : QString());
    EXPECT_EQ(d->GetIcon().toQString(), QString(":/%1.png").arg(expected[i].icon));
  }
  EXPECT_EQ(c.GetAt(21)->GetName().toQString(), "MATCHPROP_2dPolyline");
  EXPECT_EQ(c.GetAt(21)->GetVisibility(), 4u);
  EXPECT_EQ(c.GetAt(8)->GetVisibility() & 4u, 4u); // Thickness is carried by match properties
}

TEST_F(Polyline2dRows, TiltedPlaneVertexRowsGoThroughThePlaneAndAreReadOnlyUnderTheWorldUcs)
{
  build({{1, 2, 0, 0, 0}, {5, 2, 0, 0, 0}, {5, 7, 0, 0, 0}});
  const OdGeVector3d normal = OdGeVector3d(0, -1, 1).normal();
  pline->setNormal(normal);
  pline->setElevation(3.0);
  const OdGePoint3d world = OdGeMatrix3d::planeToWorld(normal) * OdGePoint3d(5, 7, 3);
  EXPECT_NEAR(get("Vertex X", CKyVariant(2)).GetDouble(), world.x, 1e-12);
  EXPECT_NEAR(get("Vertex Y", CKyVariant(2)).GetDouble(), world.y, 1e-12);
  EXPECT_TRUE(palette.readOnly("Vertex X"));
  EXPECT_TRUE(palette.readOnly("Vertex Y"));

  // In a UCS whose XY plane is the polyline's, the rows are editable and stay in the plane.
  const OdGeMatrix3d toWorld = OdGeMatrix3d::planeToWorld(normal);
  drawing.setUcs(OdGePoint3d::kOrigin, toWorld * OdGeVector3d::kXAxis, toWorld * OdGeVector3d::kYAxis);
  EXPECT_FALSE(palette.readOnly("Vertex X"));
  EXPECT_NEAR(get("Vertex X", CKyVariant(2)).GetDouble(), 5.0, 1e-12);
  EXPECT_EQ(set("Vertex X", CKyVariant(8.0, true), CKyVariant(1)), 5100);
  const std::vector<Snapshot> vs = snapshot(pline);
  EXPECT_NEAR(vs[1].position.x, 8.0, 1e-12);
  EXPECT_NEAR(vs[1].position.y, 2.0, 1e-12);
  EXPECT_NEAR(vs[1].position.z, 3.0, 1e-12);
  // The vertex was only borrowed for write: it is back to read afterwards.
  OdDbObjectPtr vertex = OdDbHandle(vs[1].handle) == OdDbHandle() ? OdDbObjectPtr()
                                                                   : drawing.db()->getOdDbObjectId(vs[1].handle).openObject();
  EXPECT_FALSE(vertex->isWriteEnabled());
  EXPECT_EQ(set("Vertex X", CKyVariant(1.0, true), CKyVariant(3)), -5001); // no fourth vertex
}

TEST_F(Polyline2dRows, SelectorCountsPlacedVerticesOnlyAndFitSmoothRegeneratesFitVertices)
{
  build({{0, 0, 0, 1, 1}, {10, 0, 0, 1, 1}, {10, 10, 0, 1, 1}, {20, 10, 0, 1, 1}});
  const std::vector<Snapshot> placed = snapshot(pline);
  struct Step
  {
    int code;
    int polyType;
    int generatedType;
    int generated;
  };
  // Curve fit: one per segment; cubic with 8 segments per span over 1 span (+ end point).
  const Step steps[] = {{1, OdDb::k2dFitCurvePoly, OdDb::k2dCurveFitVertex, 3},
                        {3, OdDb::k2dCubicSplinePoly, OdDb::k2dSplineFitVertex, 9},
                        {2, OdDb::k2dQuadSplinePoly, OdDb::k2dSplineFitVertex, 17},
                        {0, OdDb::k2dSimplePoly, OdDb::k2dCurveFitVertex, 0}};
  for (const Step& s : steps)
  {
    SCOPED_TRACE(s.code);
    ASSERT_EQ(set("Fit/Smooth", choice(s.code)), 5100);
    EXPECT_EQ(pline->polyType(), s.polyType);
    EXPECT_EQ(get("Fit/Smooth").GetCollection().GetCurrentIndex(), s.code);
    const std::vector<Snapshot> vs = snapshot(pline);
    EXPECT_EQ(countType(vs, s.generatedType), s.generated);
    EXPECT_EQ(static_cast<int>(vs.size()), 4 + s.generated);
    EXPECT_EQ(get("Vertex").GetCollection().GetCount(), 4);
    // The last counted vertex is still the fourth placed one.
    EXPECT_EQ(get("Vertex X", CKyVariant(3)).GetDouble(), 20.0);
  }
  // The placed vertices kept their handles through every regeneration.
  const std::vector<Snapshot> after = snapshot(pline);
  ASSERT_EQ(after.size(), placed.size());
  for (std::size_t i = 0; i < after.size(); ++i)
    EXPECT_EQ(after[i].handle, placed[i].handle);
}

TEST_F(Polyline2dRows, CubicFittedPolylineShowsEmptySegmentWidthsAndIgnoresEdits)
{
  build({{0, 0, 0, 1, 2}, {10, 0, 0, 1, 2}, {10, 10, 0, 1, 2}});
  EXPECT_EQ(get("Start segment width", CKyVariant(1)).GetDouble(), 1.0);
  EXPECT_EQ(get("End segment width", CKyVariant(1)).GetDouble(), 2.0);
  ASSERT_EQ(set("Fit/Smooth", choice(3)), 5100);
  const std::vector<Snapshot> before = snapshot(pline);
  EXPECT_EQ(get("Start segment width", CKyVariant(1)).GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(get("End segment width").GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(set("Start segment width", CKyVariant(5.0, true), CKyVariant(1)), 5100);
  EXPECT_EQ(snapshot(pline), before);
}

TEST_F(Polyline2dRows, RefusalsLeaveThePolylineItsVerticesAndHandles)
{
  build({{0, 0, 0, 1, 1}, {10, 0, 0.5, 1, 1}, {10, 10, 0, 1, 1}});
  set("Fit/Smooth", choice(1));
  const std::vector<Snapshot> before = snapshot(pline);
  const struct
  {
    const char* row;
    CKyVariant value;
    CKyVariant context;
  } refusals[] = {
    {"Fit/Smooth", choice(4), CKyVariant()},
    {"Fit/Smooth", CKyVariant(2.0, false), CKyVariant()},
    {"Start segment width", CKyVariant(-1.0, true), CKyVariant(0)},
    {"End segment width", CKyVariant(2.0, true), CKyVariant(7)},
    {"Global width", CKyVariant(-0.5, true), CKyVariant()},
    {"Global width", CKyVariant(CKyString("1")), CKyVariant()},
    {"Elevation", CKyVariant(CKyString("1")), CKyVariant()},
    {"Vertex Y", CKyVariant(CKyString("1")), CKyVariant(0)},
    {"Closed", CKyVariant(1.0, false), CKyVariant()},
  };
  for (const auto& r : refusals)
  {
    SCOPED_TRACE(r.row);
    EXPECT_EQ(set(r.row, r.value, r.context), -5001);
    EXPECT_EQ(snapshot(pline), before);
  }
  EXPECT_EQ(pline->polyType(), OdDb::k2dFitCurvePoly);
  EXPECT_FALSE(pline->isClosed());
  EXPECT_EQ(pline->elevation(), 0.0);
}

TEST_F(Polyline2dRows, GlobalWidthLengthAreaAndChoices)
{
  build({{0, 0, 0, 2, 2}, {10, 0, 1, 2, 2}, {10, 10, 0, 2, 2}, {0, 10, 0, 2, 2}}, true);
  EXPECT_EQ(get("Global width").GetDouble(), 2.0);
  ASSERT_EQ(set("End segment width", CKyVariant(3.0, true), CKyVariant(2)), 5100);
  EXPECT_EQ(get("Global width").GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(set("Global width", CKyVariant(0.5, true)), 5100);
  EXPECT_EQ(get("Global width").GetDouble(), 0.5);
  EXPECT_EQ(snapshot(pline)[2].end, 0.5);

  EXPECT_NEAR(get("Length").GetDouble(), 30.0 + 5.0 * M_PI, 1e-9);
  EXPECT_NEAR(get("Area").GetDouble(), 100.0 + 12.5 * M_PI, 1e-9);
  EXPECT_TRUE(palette.readOnly("Length"));
  EXPECT_TRUE(palette.readOnly("Area"));

  EXPECT_EQ(get("Closed").GetCollection().GetCurrentIndex(), 0);
  EXPECT_EQ(set("Closed", choice(0)), 5100);
  EXPECT_FALSE(pline->isClosed());
  EXPECT_NEAR(get("Length").GetDouble(), 20.0 + 5.0 * M_PI, 1e-9);
  EXPECT_EQ(set("LineStyleGen", choice(1)), 5100);
  EXPECT_TRUE(pline->isLinetypeGenerationOn());
  EXPECT_EQ(set("Thickness", CKyVariant(1.5, true)), 5100);
  EXPECT_EQ(get("Thickness").GetDouble(), 1.5);
}

TEST_F(Polyline2dRows, ListingPrintsFlagsWidthsAndEveryVertexWithItsHandle)
{
  build({{0, 0, 0, 1, 1}, {4, 0, 0, 1, 1}, {4, 3, 0, 1, 1}}, true);
  OdStaticRxObject<CKy2dPolylineInfo> info;
  KyRecordingPrintContext context;
  info.PrintObjectInfo(pline, &context);
  std::vector<std::string> tail = {"PolyLine Flags", "starting width", "ending width", "Area", "Length"};
  const std::vector<Snapshot> vs = snapshot(pline);
  for (std::size_t i = 0; i < vs.size(); ++i)
    tail.insert(tail.end(), {"VERTEX", "Handle", "at point", "starting width", "ending width"});
  const std::vector<std::string> labels = context.labels();
  ASSERT_GE(labels.size(), tail.size());
  EXPECT_EQ(std::vector<std::string>(labels.end() - tail.size(), labels.end()), tail);
  EXPECT_EQ(context.find("PolyLine Flags")->value, "Closed");
  EXPECT_EQ(context.find("starting width")->value, "1");
  EXPECT_EQ(context.find("Area")->value, "6");
  EXPECT_EQ(context.find("Length")->value, "12");
  EXPECT_EQ(context.find("Handle")->value, QString::fromStdWString(OdDbHandle(vs[0].handle).ascii().c_str()));

  // Varying widths print 0 and 0; the open polyline has no area line.
  pline->makeOpen();
  set("End segment width", CKyVariant(2.0, true), CKyVariant(0));
  KyRecordingPrintContext open;
  info.PrintObjectInfo(pline, &open);
  EXPECT_EQ(open.find("starting width")->value, "0");
  EXPECT_EQ(open.find("Area"), nullptr);
  open.lines.clear();
  open.itemLimit = 1;
  open.itemsCounted = 0;
  info.PrintObjectInfo(pline, &open);
  EXPECT_EQ(open.itemsCounted, 1);
}

TEST(Polyline3dRows, CountedVerticesInTheUcsSplineFitAndListing)
{
  KyModuleSession session;
  KyTestDrawing drawing;
  OdDb3dPolylinePtr pline = OdDb3dPolyline::createObject();
  for (const OdGePoint3d& p : {OdGePoint3d(0, 0, 0), OdGePoint3d(3, 4, 0), OdGePoint3d(3, 4, 12)})
  {
    OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::createObject();
    v->setPosition(p);
    pline->appendVertex(v);
  }
  drawing.add(pline);
  Palette palette{pline};
  KyPaletteRows rows(pline);
  EXPECT_EQ(rows.names(), (std::vector<std::string>{"LineColor", "Layer", "LineStyle", "LineScale", "PrintStyle",
                                                    "LineWeight", "Hyperlink", "Transparency", "Vertex", "Vertex X",
                                                    "Vertex Y", "Vertex Z", "Length", "Fit/Smooth", "Closed"}));
  EXPECT_NEAR(palette.get("Length").GetDouble(), 17.0, 1e-12);
  drawing.setUcs(OdGePoint3d(0, 0, 2), OdGeVector3d::kXAxis, OdGeVector3d::kYAxis);
  EXPECT_EQ(palette.get("Vertex Z", CKyVariant(2)).GetDouble(), 10.0);
  EXPECT_EQ(palette.set("Vertex Z", CKyVariant(0.0, true), CKyVariant(2)), 5100);
  EXPECT_NEAR(palette.get("Length").GetDouble(), 5.0 + 2.0, 1e-12);
  EXPECT_FALSE(palette.readOnly("Vertex X"));

  ASSERT_EQ(palette.set("Fit/Smooth", choice(2)), 5100);
  EXPECT_EQ(pline->polyType(), OdDb::k3dCubicSplinePoly);
  EXPECT_EQ(palette.get("Vertex").GetCollection().GetCount(), 3);
  EXPECT_EQ(palette.get("Fit/Smooth").GetCollection().GetCurrentIndex(), 2);
  EXPECT_EQ(palette.set("Fit/Smooth", choice(3)), -5001);
  EXPECT_EQ(pline->polyType(), OdDb::k3dCubicSplinePoly);
  EXPECT_LT(palette.get("Length").GetDouble(), 7.0);
  ASSERT_EQ(palette.set("Closed", choice(1)), 5100);
  EXPECT_TRUE(pline->isClosed());

  OdStaticRxObject<CKy3dPolylineInfo> info;
  KyRecordingPrintContext context;
  info.PrintObjectInfo(pline, &context);
  EXPECT_NE(context.find("Area"), nullptr);
  EXPECT_NE(context.find("Length"), nullptr);
  EXPECT_NE(context.find("Point 0"), nullptr);
  int points = 0;
  for (const auto& line : context.lines)
    points += line.label.startsWith("Point ") ? 1 : 0;
  int all = 0;
  for (OdDbObjectIteratorPtr it = pline->vertexIterator(); !it->done(); it->step())
    ++all;
  EXPECT_EQ(points, all); // every vertex, generated ones too
}

TEST(VertexRows, AVertexShowsTheGeneralRowsOnly)
{
  KyModuleSession session;
  KyTestDrawing drawing;
  OdDb2dPolylinePtr pline = OdDb2dPolyline::createObject();
  pline->appendVertex(OdDb2dVertex::createObject());
  drawing.add(pline);
  OdDbEntityPtr vertex = pline->vertexIterator()->entity();
  KyPaletteRows rows(vertex);
  EXPECT_TRUE(rows.found());
  EXPECT_EQ(rows.names(), (std::vector<std::string>{"LineColor", "Layer", "LineStyle", "LineScale", "PrintStyle",
                                                    "LineWeight", "Hyperlink", "Transparency"}));
}
