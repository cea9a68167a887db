// HATCH in DXF: loops of both forms with every edge kind read with their orientation and exact
// areas, source objects by handle, pattern lines and gradient colours; broken loop structures are
// repairs that keep the loops before them; hatches written whole read back the same, an unedited
// drawing goes out tag for tag, an edited hatch changes alone; and a file another writer (ezdxf)
// made reads without repairs and with the areas of its geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbHatch.h"
#include "DbLine.h"
#include "DxfWriteTestUtil.h"
#include "DxfWriter.h"
#include "Ge/GeCircArc2d.h"
#include "Ge/GeEllipArc2d.h"
#include "Ge/GeGbl.h"
#include "Ge/GeLineSeg2d.h"
#include "Ge/GeNurbCurve2d.h"
#include "KyDxfReader.h"

using namespace kydxf;

namespace
{
// C1: a square of side 10 (polyline loop, one edge bulged out by a half circle) with a square
// island of side 4, pattern ANSI31 with its line, style normal, associative to the line B0.
// C2: external edge loops: a clockwise half circle of radius 2 above the X axis closed by its
// diameter, a full ellipse 3 x 1.5, and a loop that is not external: a parabola over its chord.
// C3: a two-colour gradient over a unit square.
std::string hatchEntities()
{
  return dxfwrite::tags({
    {0, "LINE"}, {5, "B0"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbLine"}, {10, "0"}, {20, "0"}, {30, "0"},
    {11, "10"}, {21, "0"}, {31, "0"},
    {0, "HATCH"}, {5, "C1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbHatch"}, {10, "0"}, {20, "0"}, {30, "2.5"},
    {210, "0"}, {220, "0"}, {230, "1"}, {2, "ANSI31"}, {70, "0"}, {71, "1"}, {91, "2"},
    {92, "3"}, {72, "1"}, {73, "1"}, {93, "4"},
    {10, "0"}, {20, "0"}, {42, "0"}, {10, "10"}, {20, "0"}, {42, "1"}, {10, "10"}, {20, "10"}, {42, "0"},
    {10, "0"}, {20, "10"}, {42, "0"}, {97, "1"}, {330, "B0"},
    {92, "2"}, {72, "0"}, {73, "1"}, {93, "4"},
    {10, "3"}, {20, "3"}, {10, "7"}, {20, "3"}, {10, "7"}, {20, "7"}, {10, "3"}, {20, "7"}, {97, "0"},
    {75, "0"}, {76, "1"}, {52, "0"}, {41, "2"}, {77, "0"}, {78, "1"},
    {53, "45"}, {43, "1.5"}, {44, "-2"}, {45, "-0.17677669529663687"}, {46, "0.17677669529663687"}, {79, "0"},
    {98, "1"}, {10, "5"}, {20, "5"},
    {0, "HATCH"}, {5, "C2"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbHatch"}, {10, "0"}, {20, "0"}, {30, "0"},
    {210, "0"}, {220, "0"}, {230, "1"}, {2, "SOLID"}, {70, "1"}, {71, "0"}, {91, "3"},
    {92, "1"}, {93, "2"},
    {72, "2"}, {10, "0"}, {20, "0"}, {40, "2"}, {50, "180"}, {51, "360"}, {73, "0"},
    {72, "1"}, {10, "2"}, {20, "0"}, {11, "-2"}, {21, "0"}, {97, "0"},
    {92, "1"}, {93, "1"},
    {72, "3"}, {10, "20"}, {20, "0"}, {11, "3"}, {21, "0"}, {40, "0.5"}, {50, "0"}, {51, "360"}, {73, "1"},
    {97, "0"},
    {92, "0"}, {93, "2"},
    {72, "4"}, {94, "2"}, {73, "0"}, {74, "0"}, {95, "6"}, {96, "3"}, {40, "0"}, {40, "0"}, {40, "0"}, {40, "1"},
    {40, "1"}, {40, "1"}, {10, "30"}, {20, "0"}, {10, "31"}, {20, "2"}, {10, "32"}, {20, "0"},
    {72, "1"}, {10, "32"}, {20, "0"}, {11, "30"}, {21, "0"}, {97, "0"},
    {75, "2"}, {76, "1"}, {98, "0"},
    {0, "HATCH"}, {5, "C3"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbHatch"}, {10, "0"}, {20, "0"}, {30, "0"},
    {210, "0"}, {220, "0"}, {230, "1"}, {2, "SOLID"}, {70, "1"}, {71, "0"}, {91, "1"},
    {92, "3"}, {72, "0"}, {73, "1"}, {93, "4"}, {10, "0"}, {20, "0"}, {10, "1"}, {20, "0"}, {10, "1"}, {20, "1"},
    {10, "0"}, {20, "1"}, {97, "0"},
    {75, "0"}, {76, "1"}, {98, "0"}, {450, "1"}, {451, "0"}, {452, "0"}, {453, "2"}, {460, "0.5"}, {461, "0"},
    {462, "0"}, {463, "0"}, {63, "5"}, {421, "255"}, {463, "1"}, {63, "2"}, {421, "16776960"}, {470, "LINEAR"},
  });
}

QByteArray hatchFile() { return dxfwrite::minimalFile(kDxfR2018, "", {{"ENTITIES", hatchEntities()}}); }

OdDbHatchPtr hatchAt(OdDbDatabase* db, std::uint64_t handle)
{
  return OdDbHatch::cast(db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(handle))).openObject());
}

double areaOf(const OdDbHatch* hatch)
{
  double area = -1.0;
  EXPECT_EQ(hatch->getArea(area), eOk);
  return area;
}
} // namespace

TEST(DxfHatch, ReadsLoopsPatternSourcesAndGradient)
{
  const dxfwrite::Read r = dxfwrite::readSource(hatchFile());
  EXPECT_EQ(r.report.repairCount, 0);
  EXPECT_EQ(r.report.entities, 4);

  const OdDbHatchPtr square = hatchAt(r.db, 0xC1);
  ASSERT_FALSE(square.isNull());
  ASSERT_EQ(square->numLoops(), 2);
  EXPECT_EQ(square->loopTypeAt(0), OdDbHatch::kExternal | OdDbHatch::kPolyline);
  EXPECT_DOUBLE_EQ(square->elevation(), 2.5);
  EXPECT_TRUE(square->associative());
  EXPECT_EQ(square->patternName(), OdString(L"ANSI31"));
  EXPECT_DOUBLE_EQ(square->patternScale(), 2.0);
  ASSERT_EQ(square->numPatternDefinitions(), 1);
  // The pattern starts at its first line's base point: a file keeps no origin besides.
  EXPECT_EQ(square->originPoint(), OdGePoint2d(1.5, -2.0));
  // Square, half disc of radius 5 bulged outwards, island taken away.
  EXPECT_NEAR(areaOf(square), 100.0 + 12.5 * OdaPI - 16.0, 1e-12);
  OdDbObjectIdArray sources;
  square->getAssocObjIdsAt(0, sources);
  ASSERT_EQ(sources.size(), 1u);
  EXPECT_EQ(sources[0], r.db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(0xB0))));
  EXPECT_EQ(square->seedPoints().size(), 1u);

  const OdDbHatchPtr edges = hatchAt(r.db, 0xC2);
  ASSERT_FALSE(edges.isNull());
  ASSERT_EQ(edges->numLoops(), 3);
  OdDbHatch::EdgeArray loop;
  edges->getLoopAt(0, loop);
  ASSERT_EQ(loop.size(), 2u);
  const OdGeCircArc2d* arc = static_cast<const OdGeCircArc2d*>(loop[0]);
  EXPECT_TRUE(arc->isClockWise());
  // Clockwise from 180 degrees measured clockwise: from (-2, 0) over the top to (2, 0).
  EXPECT_LT(arc->startPoint().distanceTo(OdGePoint2d(-2, 0)), 1e-12);
  EXPECT_LT(arc->evalPoint(0.5 * (arc->startAng() + arc->endAng())).distanceTo(OdGePoint2d(0, 2)), 1e-12);
  EXPECT_EQ(edges->hatchStyle(), OdDbHatch::kIgnore);
  // Ignore keeps the external loops only: the parabola loop is not one.
  EXPECT_NEAR(areaOf(edges), 2.0 * OdaPI + 4.5 * OdaPI, 1e-9);
  edges->upgradeOpen();
  edges->setHatchStyle(OdDbHatch::kNormal);
  EXPECT_NEAR(areaOf(edges), 2.0 * OdaPI + 4.5 * OdaPI + 4.0 / 3.0, 1e-9);

  const OdDbHatchPtr gradient = hatchAt(r.db, 0xC3);
  ASSERT_FALSE(gradient.isNull());
  EXPECT_TRUE(gradient->isGradient());
  EXPECT_EQ(gradient->gradientName(), OdString(L"LINEAR"));
  EXPECT_DOUBLE_EQ(gradient->gradientAngle(), 0.5);
  OdCmColorArray colors;
  OdGeDoubleArray values;
  gradient->getGradientColors(colors, values);
  ASSERT_EQ(colors.size(), 2u);
  EXPECT_EQ(colors[0].blue(), 255);
  EXPECT_EQ(colors[0].red(), 0);
  EXPECT_EQ(colors[1].red(), 255);
  EXPECT_EQ(colors[1].green(), 255);
  EXPECT_DOUBLE_EQ(values[1], 1.0);
}

TEST(DxfHatch, BrokenLoopStructuresAreRepairsThatKeepTheLoopsBefore)
{
  const struct
  {
    const char* name;
    std::vector<std::pair<int, std::string>> loops;
    int loopsKept;
    const char* repair;
  } cases[] = {
    {"edge type 7",
     {{91, "2"}, {92, "2"}, {72, "0"}, {73, "1"}, {93, "3"}, {10, "0"}, {20, "0"}, {10, "1"}, {20, "0"}, {10, "1"},
      {20, "1"}, {97, "0"}, {92, "1"}, {93, "1"}, {72, "7"}, {10, "0"}, {20, "0"}, {97, "0"}},
     1, "HATCH loop 2: edge type 7 is not 1 to 4; kept the 1 loops before it"},
    {"vertices cut short",
     {{91, "1"}, {92, "2"}, {72, "0"}, {73, "1"}, {93, "3"}, {10, "0"}, {20, "0"}, {10, "1"}, {20, "0"}},
     0, "HATCH loop 1: expected a vertex (group code 10), found group code 75; kept the 0 loops before it"},
    {"ellipse ratio above 1",
     {{91, "1"}, {92, "1"}, {93, "1"}, {72, "3"}, {10, "0"}, {20, "0"}, {11, "1"}, {21, "0"}, {40, "2"}, {50, "0"},
      {51, "360"}, {73, "1"}, {97, "0"}},
     0, "HATCH loop 1: ellipse edge with major axis"},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.name);
    std::vector<std::pair<int, std::string>> body = {{0, "HATCH"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbHatch"},
                                                     {10, "0"}, {20, "0"}, {30, "0"}, {2, "SOLID"}, {70, "1"},
                                                     {71, "0"}};
    body.insert(body.end(), c.loops.begin(), c.loops.end());
    body.push_back({75, "0"});
    body.push_back({76, "1"});
    const dxfwrite::Read r =
      dxfwrite::readSource(dxfwrite::minimalFile(kDxfR2000, "", {{"ENTITIES", dxfwrite::tags(body)}}));
    ASSERT_GE(r.report.repairs.size(), 1);
    const std::string text = KyDxfReader::Report::repairText("t.dxf", r.report.repairs[0]).toStdString();
    EXPECT_NE(text.find(c.repair), std::string::npos) << text;
    const OdDbHatchPtr hatch = OdDbHatch::cast(dxfwrite::onlyEntity(r.db));
    ASSERT_FALSE(hatch.isNull());
    EXPECT_EQ(hatch->numLoops(), c.loopsKept);
  }
}

// A gradient fills solid: a file that names it another pattern is repaired to SOLID, which is what
// the writer gives it, so the drawing written back reads the same.
TEST(DxfHatch, GradientNamingAnotherPatternIsRepairedToSolid)
{
  const std::vector<std::pair<int, std::string>> body = {
    {0, "HATCH"}, {5, "D1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbHatch"}, {10, "0"}, {20, "0"}, {30, "0"},
    {2, "SOLI,"}, {70, "0"}, {71, "0"}, {91, "0"}, {75, "0"}, {76, "1"}, {98, "0"}, {450, "1"}, {451, "0"},
    {452, "0"}, {453, "0"}, {460, "0"}, {461, "0"}, {462, "0"}, {470, "LINEAR"}};
  const dxfwrite::Read r =
    dxfwrite::readSource(dxfwrite::minimalFile(kDxfR2018, "", {{"ENTITIES", dxfwrite::tags(body)}}));
  ASSERT_EQ(r.report.repairs.size(), 1u);
  const std::string text = KyDxfReader::Report::repairText("t.dxf", r.report.repairs[0]).toStdString();
  EXPECT_NE(text.find("HATCH gradient with the pattern 'SOLI,'; took the pattern SOLID"), std::string::npos) << text;
  const OdDbHatchPtr hatch = hatchAt(r.db, 0xD1);
  ASSERT_FALSE(hatch.isNull());
  EXPECT_TRUE(hatch->isGradient());
  EXPECT_EQ(hatch->patternName(), OdString(L"SOLID"));
  const dxfwrite::Read again = dxfwrite::readSource(dxfwrite::writeBack(r));
  EXPECT_EQ(again.report.repairCount, 0);
  EXPECT_TRUE(dxfwrite::statesKept(dxfwrite::statesOf(r.db), dxfwrite::statesOf(again.db)));
}

TEST(DxfHatch, UneditedGoesOutAsItCameAndEditsChangeOneHatch)
{
  const QByteArray source = hatchFile();
  {
    const dxfwrite::Read r = dxfwrite::readSource(source);
    EXPECT_EQ(dxfwrite::writeBack(r), source) << "an unedited drawing goes out as it came";
  }
  struct Edit
  {
    const char* name;
    std::uint64_t handle;
    std::function<void(OdDbHatch*)> apply;
  };
  const std::vector<Edit> edits = {
    {"pattern scale", 0xC1, [](OdDbHatch* h) { h->setPatternScale(4.0); }},
    {"pattern origin", 0xC1, [](OdDbHatch* h) { h->setOriginPoint(OdGePoint2d(2.5, -1.0)); }},
    {"island style", 0xC2, [](OdDbHatch* h) { h->setHatchStyle(OdDbHatch::kOuter); }},
    {"loop removed", 0xC2, [](OdDbHatch* h) { h->removeLoopAt(1); }},
    {"gradient angle", 0xC3, [](OdDbHatch* h) { h->setGradientAngle(1.25); }},
    {"associativity off", 0xC1, [](OdDbHatch* h) { h->setAssociative(false); }},
    // Another source in the same count: only a handle changes.
    {"source object", 0xC1,
     [](OdDbHatch* h) {
       h->setAssocObjIdsAt(0, OdDbObjectIdArray{h->database()->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(0xC3)))});
     }},
  };
  for (const Edit& edit : edits)
  {
    SCOPED_TRACE(edit.name);
    dxfwrite::expectEditReadsBackAlone(source, edit.handle,
                                       [&](OdDbObject* p) { edit.apply(static_cast<OdDbHatch*>(p)); });
  }
}

TEST(DxfHatch, WrittenWholeReadsBackTheSame)
{
  // patternValues: a fill that holds pattern values, as a file may give a solid or gradient one.
  auto make = [](bool gradient, bool patternValues = false) {
    return [gradient, patternValues]() -> OdDbEntityPtr {
      OdDbHatchPtr h = OdDbHatch::createObject();
      OdGeDoubleArray knots;
      for (double k : {0.0, 0.0, 0.0, 0.5, 1.0, 1.0, 1.0})
        knots.append(k);
      OdGePoint2dArray cps;
      for (const OdGePoint2d& p : {OdGePoint2d(4, 0), OdGePoint2d(5, 1), OdGePoint2d(6, -1), OdGePoint2d(7, 0)})
        cps.append(p);
      OdGeDoubleArray weights;
      for (double w : {1.0, 0.5, 2.0, 1.0})
        weights.append(w);
      h->appendLoop(OdDbHatch::kExternal,
                    OdDbHatch::EdgeArray{new OdGeCircArc2d(OdGePoint2d(0, 0), 1.5, 0.25, 2.0, OdGeVector2d::kXAxis, true),
                                         new OdGeEllipArc2d(OdGePoint2d(1, 1), OdGeVector2d(0.6, 0.8),
                                                            OdGeVector2d(-0.8, 0.6), 2.0, 0.5, 0.5, 4.0),
                                         new OdGeNurbCurve2d(2, OdGeKnotVector(knots), cps, weights),
                                         new OdGeLineSeg2d(OdGePoint2d(7, 0), OdGePoint2d(0, 0))});
      OdGePoint2dArray pts;
      for (const OdGePoint2d& p : {OdGePoint2d(-1, -1), OdGePoint2d(1, -1), OdGePoint2d(0, 1)})
        pts.append(p);
      OdGeDoubleArray bulges;
      for (double b : {0.25, 0.0, -0.5})
        bulges.append(b);
      h->appendLoop(OdDbHatch::kDefault, pts, bulges);
      h->setHatchStyle(OdDbHatch::kOuter);
      h->setElevation(-3.0);
      h->setNormal(OdGeVector3d(0, 1, 1));
      if (gradient)
      {
        h->setHatchObjectType(OdDbHatch::kGradientObject);
        h->setGradient(OdDbHatch::kPreDefinedGradient, L"CYLINDER");
        h->setGradientAngle(0.75);
        h->setGradientShift(1.0);
        OdCmColor colors[2];
        colors[0].setRGB(10, 20, 30);
        colors[1].setColorIndex(3);
        const double values[2] = {0.0, 1.0};
        h->setGradientColors(2, colors, values);
        if (patternValues)
        {
          h->setPatternAngle(0.3);
          h->setPatternScale(2.0);
        }
      }
      else
      {
        h->setPatternSpace(0.5);
        h->setPattern(OdDbHatch::kUserDefined, L"_U");
        h->setPatternAngle(0.3);
        h->setPatternDouble(true);
      }
      return h;
    };
  };
  EXPECT_TRUE(dxfwrite::writtenWholeReadsBack(make(false), kDxfR2000));
  EXPECT_TRUE(dxfwrite::writtenWholeReadsBack(make(false), kDxfR2018));
  EXPECT_TRUE(dxfwrite::writtenWholeReadsBack(make(true), kDxfR2018));
  EXPECT_TRUE(dxfwrite::writtenWholeReadsBack(make(true, true), kDxfR2018));

  // R2000 has no gradient codes: the writer refuses the hatch rather than write it as a solid fill.
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  const OdDbObjectId id = dxfwrite::addToModelSpace(db, make(true)());
  try
  {
    dxfwrite::writeWhole(id.openObject().get(), kDxfR2000);
    ADD_FAILURE() << "a gradient hatch was written in R2000";
  }
  catch (const DxfWriteError& e)
  {
    EXPECT_EQ(e.message, "HATCH " + id.getHandle().ascii().toUtf8() + ": a gradient cannot be written in R2000 (AC1015)");
  }
}

// Hatches written by ezdxf, each with a known area.
TEST(DxfHatch, AnotherWritersHatchesReadWithTheirAreas)
{
  const char script[] = R"(import sys, ezdxf
doc = ezdxf.new("R2018")
doc.header["$DIMSTYLE"] = "Standard"
msp = doc.modelspace()
h = msp.add_hatch(color=1)
h.dxf.hatch_style = 0
h.paths.add_polyline_path([(0, 0, 0), (10, 0, 1), (10, 10, 0), (0, 10, 0)], is_closed=True, flags=1)
h.paths.add_polyline_path([(3, 3), (7, 3), (7, 7), (3, 7)], is_closed=True, flags=0)
h.set_pattern_fill("ANSI31", scale=0.5, angle=30, style=0)
e = msp.add_hatch(color=2)
p = e.paths.add_edge_path(flags=1)
p.add_arc((0, 0), 2, 0, 180, ccw=True)
p.add_line((-2, 0), (2, 0))
q = e.paths.add_edge_path(flags=1)
q.add_ellipse((20, 0), (3, 0), 0.5, 0, 360, ccw=False)
s = e.paths.add_edge_path(flags=1)
s.add_spline(control_points=[(30, 0), (31, 2), (32, 0)], knot_values=[0, 0, 0, 1, 1, 1], degree=2)
s.add_line((32, 0), (30, 0))
g = msp.add_hatch()
g.paths.add_polyline_path([(0, 0), (1, 0), (1, 1), (0, 1)], is_closed=True, flags=1)
g.set_gradient((0, 0, 255), (255, 255, 0), rotation=45)
doc.saveas(sys.argv[1])
)";
  QTemporaryDir dir;
  const QString path = dir.filePath("ezdxf_hatches.dxf");
  QProcess python;
  python.start("/usr/bin/python3", {"-c", script, path});
  ASSERT_TRUE(python.waitForFinished(60000));
  ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray data = file.readAll();
  const dxfwrite::Read r = dxfwrite::readSource(data);
  for (const auto& repair : r.report.repairs)
    ADD_FAILURE() << KyDxfReader::Report::repairText("ezdxf", repair).toStdString();
  EXPECT_EQ(r.report.skipped.value("HATCH"), 0);

  std::vector<OdDbHatchPtr> hatches;
  OdDbBlockTableRecordPtr ms = r.db->getModelSpaceId().openObject();
  for (const OdDbObjectId& id : ms->entityIds())
  {
    OdDbHatchPtr h = OdDbHatch::cast(id.openObject());
    if (!h.isNull())
      hatches.push_back(h);
  }
  ASSERT_EQ(hatches.size(), 3u);
  EXPECT_NEAR(areaOf(hatches[0]), 100.0 + 12.5 * OdaPI - 16.0, 1e-9);
  EXPECT_EQ(hatches[0]->patternName(), OdString(L"ANSI31"));
  EXPECT_NEAR(hatches[0]->patternAngle(), OdaPI / 6.0, 1e-12);
  EXPECT_NEAR(areaOf(hatches[1]), 2.0 * OdaPI + 4.5 * OdaPI + 4.0 / 3.0, 1e-9);
  EXPECT_TRUE(hatches[2]->isGradient());
  EXPECT_NEAR(areaOf(hatches[2]), 1.0, 1e-12);
  EXPECT_EQ(dxfwrite::writeBack(r), data) << "the file goes out as it came";
}

// The fuzz seeds of hatch loops read without an error; the broken ones are repairs, and what
// they keep has finite areas.
TEST(DxfHatch, FuzzSeedsReadAndBrokenOnesAreRepaired)
{
  // This file's path, absolute or (with the compiler cache's base folder) relative to the build
  // folder, which holds the test binary's folder.
  QString here = QFileInfo(QStringLiteral(__FILE__)).path();
  if (QFileInfo(here).isRelative())
    here = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -3) + '/' + here;
  const QDir seeds(QDir(here).absoluteFilePath("../../../fuzz/hatch_seeds"));
  const QStringList files = seeds.entryList({"*.dxf"}, QDir::Files);
  ASSERT_GE(files.size(), 8) << seeds.path().toStdString();
  for (const QString& name : files)
  {
    SCOPED_TRACE(name.toStdString());
    QFile file(seeds.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    OdDbDatabasePtr db = OdDbDatabase::createObject();
    KyDxfReader::Report report;
    QString error;
    ASSERT_TRUE(KyDxfReader::readFromBytes(file.readAll(), name, db.get(), report, error, KyDxfReader::Options()))
      << error.toStdString();
    const bool broken = name.contains("broken") || name.contains("cut-short") || name.contains("beyond") ||
                        name.contains("ratio") || name.contains("degenerate");
    EXPECT_EQ(report.repairCount > 0, broken);
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().openObject();
    for (const OdDbObjectId& id : ms->entityIds())
    {
      OdDbHatchPtr h = OdDbHatch::cast(id.openObject());
      if (!h.isNull())
      {
        EXPECT_TRUE(std::isfinite(areaOf(h)));
      }
    }
  }
}
