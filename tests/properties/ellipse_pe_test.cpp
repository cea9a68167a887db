// Ellipse rows: order, types and icons, radii and ratio kept valid, the sweep-angle refusals with
// their message, points in world and UCS coordinates, and the listing of ellipses and arcs.
#include <gtest/gtest.h>

#include <cmath>

#include "DbCircle.h"
#include "DbEllipse.h"
#include "DbFiler.h"
#include "KyEllipsePE.h"
#include "KyPropertyType.h"
#include "KyTestDrawing.h"
#include "RxObjectImpl.h"

namespace
{
struct EllipseRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  KyRecordingMessages messages;
  OdDbEllipsePtr ellipse;

  // Radii 10 and 4 about (1, 2, 3), an arc from 0 to pi unless a test makes it full.
  void SetUp() override
  {
    ellipse = OdDbEllipse::createObject();
    ellipse->set(OdGePoint3d(1, 2, 3), OdGeVector3d::kZAxis, OdGeVector3d(10, 0, 0), 0.4, 0.0, M_PI);
    drawing.add(ellipse);
  }
  CKyVariant get(const char* name)
  {
    KyPaletteRows rows(ellipse);
    const CKyPropertyDescription* d = rows.row(name, "Geometry");
    EXPECT_NE(d, nullptr) << name;
    return d ? d->GetValue(ellipse, CKyVariant()) : CKyVariant();
  }
  int set(const char* name, const CKyVariant& value)
  {
    KyPaletteRows rows(ellipse);
    const CKyPropertyDescription* d = rows.row(name, "Geometry");
    EXPECT_NE(d, nullptr) << name;
    return d ? d->SetValue(ellipse, value, CKyVariant()) : 0;
  }
  OdDbDxfTagList state() const
  {
    OdDbDxfTagList tags;
    ellipse->dxfOutFields(&tags);
    return tags;
  }
};
} // namespace

TEST_F(EllipseRows, RowsFollowTheGeneralRowsInOrderWithTypesIconsAndReadOnlyPoints)
{
  struct Expected
  {
    const char* name;
    int type;
    const CKyString* guid;
    bool readOnly;
    const char* icon;
  } expected[] = {
    {"Start X", 2, &CKyPropertyType::kCoordinateXGUID, true, "EllipseStartX"},
    {"Start Y", 2, &CKyPropertyType::kCoordinateYGUID, true, "EllipseStartY"},
    {"Start Z", 2, &CKyPropertyType::kCoordinateZGUID, true, "EllipseStartZ"},
    {"Center X", 2, &CKyPropertyType::kCoordinateXGUID, false, "EllipseCenterX"},
    {"Center Y", 2, &CKyPropertyType::kCoordinateYGUID, false, "EllipseCenterY"},
    {"Center Z", 2, &CKyPropertyType::kCoordinateZGUID, false, "EllipseCenterZ"},
    {"End X", 2, &CKyPropertyType::kCoordinateXGUID, true, "EllipseEndX"},
    {"End Y", 2, &CKyPropertyType::kCoordinateYGUID, true, "EllipseEndY"},
    {"End Z", 2, &CKyPropertyType::kCoordinateZGUID, true, "EllipseEndZ"},
    {"Major radius", 0, nullptr, false, "MajorRadius"},
    {"Minor radius", 0, nullptr, false, "MinorRadius"},
    {"Radius ratio", 0, nullptr, false, "RadiusRatio"},
    {"Start angle", 2, &CKyPropertyType::kAngleGUID, false, "StartAngle"},
    {"End angle", 2, &CKyPropertyType::kAngleGUID, false, "EndAngle"},
    {"Major axis vector X", 2, &CKyPropertyType::kCoordinateXGUID, true, "MajorVectorX"},
    {"Major axis vector Y", 2, &CKyPropertyType::kCoordinateYGUID, true, "MajorVectorY"},
    {"Major axis vector Z", 2, &CKyPropertyType::kCoordinateZGUID, true, "MajorVectorZ"},
    {"Minor axis vector X", 2, &CKyPropertyType::kCoordinateXGUID, true, "MinorVectorX"},
    {"Minor axis vector Y", 2, &CKyPropertyType::kCoordinateYGUID, true, "MinorVectorY"},
    {"Minor axis vector Z", 2, &CKyPropertyType::kCoordinateZGUID, true, "MinorVectorZ"},
  };
  KyPaletteRows rows(ellipse);
  ASSERT_EQ(rows.container().GetCount(), 8 + 20);
  for (int i = 0; i < 20; ++i)
  {
    const CKyPropertyDescription* d = rows.container().GetAt(8 + i);
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(d->GetName().toQString(), expected[i].name);
    EXPECT_EQ(d->GetCategory().toQString(), "Geometry");
    EXPECT_EQ(static_cast<int>(d->GetType().GetType()), expected[i].type);
    EXPECT_EQ(d->GetType().GetGUID().toQString(), expected[i].guid ? expected[i].guid->toQString() : QString());
    EXPECT_EQ(d->IsReadOnly(ellipse), expected[i].readOnly);
    EXPECT_EQ(d->GetIcon().toQString(), QString(":/Geometry/Geometry_%1.png").arg(expected[i].icon));
  }
}

TEST_F(EllipseRows, RadiiAndRatioStayValidOrAreRefusedSilently)
{
  struct Case
  {
    const char* row;
    CKyVariant value;
    int result;
    double major, minor;
  } cases[] = {
    {"Minor radius", CKyVariant(12.0, true), -5001, 10, 4},
    {"Major radius", CKyVariant(3.0, true), -5001, 10, 4},
    {"Major radius", CKyVariant(0.0, true), -5001, 10, 4},
    {"Major radius", CKyVariant(-20.0, true), 5100, 20, 4},
    {"Major radius", CKyVariant(4.0, true), 5100, 4, 4},
    {"Minor radius", CKyVariant(-5.0, true), 5100, 10, 5},
    {"Minor radius", CKyVariant(10.0, true), 5100, 10, 10},
    {"Minor radius", CKyVariant(0.0, true), -5001, 10, 4},
    {"Minor radius", CKyVariant(QString("5")), -5001, 10, 4},
    {"Radius ratio", CKyVariant(1.0, false), 5100, 10, 10},
    {"Radius ratio", CKyVariant(-0.5, false), 5100, 10, 5},
    {"Radius ratio", CKyVariant(1.0001, false), -5001, 10, 4},
    {"Radius ratio", CKyVariant(0.0, false), -5001, 10, 4},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(std::string(c.row) + " " + c.value.GetString().toQString().toStdString());
    ellipse->set(OdGePoint3d(1, 2, 3), OdGeVector3d::kZAxis, OdGeVector3d(10, 0, 0), 0.4, 0.0, M_PI);
    const OdDbDxfTagList before = state();
    EXPECT_EQ(set(c.row, c.value), c.result);
    EXPECT_NEAR(get("Major radius").GetDouble(), c.major, 1e-12);
    EXPECT_NEAR(get("Minor radius").GetDouble(), c.minor, 1e-12);
    EXPECT_NEAR(get("Radius ratio").GetDouble(), c.minor / c.major, 1e-12);
    if (c.result != 5100)
    {
      EXPECT_EQ(state(), before);
    }
    // The arc keeps its angles and its direction.
    EXPECT_NEAR(ellipse->startAngle(), 0.0, 1e-12);
    EXPECT_NEAR(ellipse->endAngle(), M_PI, 1e-12);
    EXPECT_NEAR(ellipse->majorAxis().normal().x, 1.0, 1e-12);
  }
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_FALSE(get("Radius ratio").IsUnitBearing());
}

TEST_F(EllipseRows, SweepAnglesRefuseNoSweepWithTheMessage)
{
  struct Case
  {
    const char* row;
    double start, end; // the arc before
    double value;
    int result;
    double wantStart, wantEnd;
  } cases[] = {
    {"Start angle", 0.0, M_PI, M_PI, -5001, 0.0, M_PI},
    // Accepted, as only the present end is reduced; the start then meets the end: a full turn.
    {"Start angle", 0.0, M_PI, 3 * M_PI, 5100, M_PI, 3 * M_PI},
    {"Start angle", 0.0, M_PI, 1.0, 5100, 1.0, M_PI},
    {"End angle", 1.0, 2.0, 0.0, 5100, 1.0, 2 * M_PI},
    {"End angle", 1.0, 2.0, 1.0, -5001, 1.0, 2.0},
    {"End angle", 1.0, 2.0, 3.0, 5100, 1.0, 3.0},
    // The present end of 5 + 2 radians lies above one turn and is compared reduced.
    {"Start angle", 5.0, 7.0, 7.0 - 2 * M_PI, -5001, 5.0, 7.0},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(std::string(c.row) + " " + std::to_string(c.value));
    messages.messages.clear();
    ellipse->set(OdGePoint3d(1, 2, 3), OdGeVector3d::kZAxis, OdGeVector3d(10, 0, 0), 0.4, c.start, c.end);
    EXPECT_EQ(set(c.row, CKyVariant(c.value, true)), c.result);
    EXPECT_NEAR(ellipse->startAngle(), c.wantStart, 1e-9);
    EXPECT_NEAR(ellipse->endAngle(), c.wantEnd, 1e-9);
    if (c.result == 5100)
    {
      EXPECT_TRUE(messages.messages.empty());
      continue;
    }
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Degenerate geometry");
    EXPECT_EQ(messages.messages[0].caption, "Error");
  }
  EXPECT_EQ(set("Start angle", CKyVariant(QString("1"))), -5001);
}

TEST_F(EllipseRows, EndPointsAreWorldAndTheCentreFollowsTheUcs)
{
  // UCS X along world Y, UCS Y along world -X, origin at (100, 0, 0).
  drawing.setUcs(OdGePoint3d(100, 0, 0), OdGeVector3d::kYAxis, -OdGeVector3d::kXAxis);
  EXPECT_NEAR(get("Start X").GetDouble(), 11.0, 1e-12);
  EXPECT_NEAR(get("Start Y").GetDouble(), 2.0, 1e-12);
  EXPECT_NEAR(get("End X").GetDouble(), -9.0, 1e-12);
  EXPECT_NEAR(get("End Z").GetDouble(), 3.0, 1e-12);
  EXPECT_NEAR(get("Center X").GetDouble(), 2.0, 1e-12);
  EXPECT_NEAR(get("Center Y").GetDouble(), 99.0, 1e-12);
  // Axis vectors go through the point transform: the UCS origin offsets them.
  EXPECT_NEAR(get("Major axis vector Y").GetDouble(), 90.0, 1e-12);
  EXPECT_NEAR(get("Minor axis vector X").GetDouble(), 4.0, 1e-12);
  EXPECT_EQ(set("Center Y", CKyVariant(90.0, true)), 5100);
  EXPECT_NEAR(ellipse->center().x, 10.0, 1e-12);
  EXPECT_NEAR(ellipse->center().y, 2.0, 1e-12);
  // The same component again writes nothing.
  const OdDbDxfTagList before = state();
  EXPECT_EQ(set("Center Y", CKyVariant(90.0, true)), 5100);
  EXPECT_EQ(state(), before);
  EXPECT_EQ(set("Center X", CKyVariant(QString("3"))), -5001);
}

TEST_F(EllipseRows, RowsRefuseObjectsOfOtherClassesAndOpenForRead)
{
  KyPaletteRows rows(ellipse);
  const CKyPropertyDescription* major = rows.row("Major radius", "Geometry");
  ASSERT_NE(major, nullptr);
  ellipse->downgradeOpen();
  EXPECT_NEAR(major->GetValue(ellipse, CKyVariant()).GetDouble(), 10.0, 1e-12);
  EXPECT_EQ(major->SetValue(ellipse, CKyVariant(12.0, true), CKyVariant()), -5001);
  EXPECT_NEAR(ellipse->majorAxis().length(), 10.0, 1e-12);
  OdDbCirclePtr circle = OdDbCircle::createObject();
  circle->setRadius(10.0);
  EXPECT_EQ(major->GetValue(circle, CKyVariant()).GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(major->SetValue(circle, CKyVariant(12.0, true), CKyVariant()), -5001);
  EXPECT_EQ(major->GetValue(nullptr, CKyVariant()).GetType(), CKyVariant::kEmpty);
}

TEST_F(EllipseRows, ListingShowsTheAreaOfAFullEllipseAndTheEndsOfAnArc)
{
  OdStaticRxObject<CKyEllipseInfo> info;
  KyRecordingPrintContext arc;
  info.PrintObjectInfo(ellipse, &arc);
  const std::vector<std::string> arcLabels = {"Center", "Major Axis", "Minor Axis", "Radius Ratio", "Start point",
                                              "End point", "Start Angle", "End Angle"};
  std::vector<std::string> labels = arc.labels();
  ASSERT_GE(labels.size(), arcLabels.size());
  EXPECT_EQ(std::vector<std::string>(labels.end() - arcLabels.size(), labels.end()), arcLabels);
  EXPECT_EQ(arc.find("Start point")->value, "11,2,3");
  EXPECT_EQ(arc.find("Minor Axis")->value, "0,4,0");
  EXPECT_EQ(arc.find("Radius Ratio")->kind, "PrintScale");
  EXPECT_EQ(arc.find("Area"), nullptr);

  ellipse->set(OdGePoint3d(1, 2, 3), OdGeVector3d::kZAxis, OdGeVector3d(10, 0, 0), 0.4);
  KyRecordingPrintContext full;
  info.PrintObjectInfo(ellipse, &full);
  labels = full.labels();
  EXPECT_EQ(labels.back(), "Area");
  EXPECT_EQ(full.find("Area")->value, QString::number(40.0 * M_PI, 'g', 17));
  EXPECT_EQ(full.find("Start point"), nullptr);
}
