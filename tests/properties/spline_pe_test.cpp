// Spline rows: order, categories, types and icons; the two point selectors and their coordinate
// rows in the UCS, with indices no point has; the read-only characteristics; the fit tolerance
// refusal; and the listing with its flags joined in order.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "DbFiler.h"
#include "DbLine.h"
#include "DbSpline.h"
#include "KyPropertyType.h"
#include "KySplinePE.h"
#include "KyTestDrawing.h"
#include "RxObjectImpl.h"

namespace
{
OdGePoint3dArray points(std::initializer_list<OdGePoint3d> values)
{
  OdGePoint3dArray a;
  for (const OdGePoint3d& p : values)
    a.append(p);
  return a;
}

OdGeDoubleArray doubles(std::initializer_list<double> values)
{
  OdGeDoubleArray a;
  for (double v : values)
    a.append(v);
  return a;
}

struct SplineRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  KyRecordingMessages messages;
  OdDbSplinePtr spline;

  // Four fit points in the plane z = 2, leaving along +Y.
  void SetUp() override
  {
    spline = OdDbSpline::createObject();
    ASSERT_EQ(spline->setFitData(points({{0, 0, 2}, {3, 4, 2}, {6, 1, 2}, {9, 5, 2}}), 3, 0.0, OdGeVector3d(0, 1, 0),
                                 OdGeVector3d(1, 0, 0)),
              eOk);
    drawing.add(spline);
  }
  const CKyPropertyDescription* row(KyPaletteRows& rows, const char* name)
  {
    const CKyPropertyDescription* d = rows.row(name);
    EXPECT_NE(d, nullptr) << name;
    return d;
  }
  CKyVariant get(const char* name, const CKyVariant& context = CKyVariant())
  {
    KyPaletteRows rows(spline);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->GetValue(spline, context) : CKyVariant();
  }
  int set(const char* name, const CKyVariant& value, const CKyVariant& context = CKyVariant())
  {
    KyPaletteRows rows(spline);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->SetValue(spline, value, context) : 0;
  }
  OdDbDxfTagList state() const
  {
    OdDbDxfTagList tags;
    spline->dxfOutFields(&tags);
    return tags;
  }
};
} // namespace

TEST_F(SplineRows, RowsFollowTheGeneralRowsInOrderWithTypesIconsAndReadOnlyRules)
{
  const CKyString* none = nullptr;
  struct Expected
  {
    const char* name;
    const char* category;
    int type;
    const CKyString* guid;
    bool readOnly;
    const char* icon;
  } expected[] = {
    {"Number of control points", "Data Points", 0, none, true, ":/Data_Points/Data_Points_NumberOfControlPoints.png"},
    {"Control point", "Data Points", 6, &CKyPropertyType::kSplineControlPointGUID, false, ":/Data_Points/Data_Points_Controlpoint.png"},
    {"Control point X", "Data Points", 2, &CKyPropertyType::kSplineControlPointXGUID, false, ":/Data_Points/Data_Points_ControlpointX.png"},
    {"Control point Y", "Data Points", 2, &CKyPropertyType::kSplineControlPointYGUID, false, ":/Data_Points/Data_Points_ControlpointY.png"},
    {"Control point Z", "Data Points", 2, &CKyPropertyType::kSplineControlPointZGUID, false, ":/Data_Points/Data_Points_ControlpointZ.png"},
    {"Number of fit points", "Data Points", 0, none, true, ":/Data_Points/Data_Points_NumberOfFitPoints.png"},
    {"Fit point", "Data Points", 6, &CKyPropertyType::kSplineFitPointGUID, false, ":/Data_Points/Data_Points_Fitpoint.png"},
    {"Fit point X", "Data Points", 2, &CKyPropertyType::kSplineFitPointXGUID, false, ":/Data_Points/Data_Points_FitpointX.png"},
    {"Fit point Y", "Data Points", 2, &CKyPropertyType::kSplineFitPointYGUID, false, ":/Data_Points/Data_Points_FitpointY.png"},
    {"Fit point Z", "Data Points", 2, &CKyPropertyType::kSplineFitPointZGUID, false, ":/Data_Points/Data_Points_FitpointZ.png"},
    {"Degree", "Misc", 0, none, true, ":/Misc/Misc_Degree.png"},
    {"Closed", "Misc", 0, none, true, ":/Misc/Misc_Closed.png"},
    {"Planar", "Misc", 0, none, true, ":/Misc/Misc_Planar.png"},
    {"Start tangent vector X", "Misc", 2, &CKyPropertyType::kCoordinateXGUID, true, ":/Misc/Misc_StartTangentVectorX.png"},
    {"Start tangent vector Y", "Misc", 2, &CKyPropertyType::kCoordinateYGUID, true, ":/Misc/Misc_StartTangentVectorY.png"},
    {"Start tangent vector Z", "Misc", 2, &CKyPropertyType::kCoordinateZGUID, true, ":/Misc/Misc_StartTangentVectorZ.png"},
    {"End tangent vector X", "Misc", 2, &CKyPropertyType::kCoordinateXGUID, true, ":/Misc/Misc_EndTangentVectorX.png"},
    {"End tangent vector Y", "Misc", 2, &CKyPropertyType::kCoordinateYGUID, true, ":/Misc/Misc_EndTangentVectorY.png"},
    {"End tangent vector Z", "Misc", 2, &CKyPropertyType::kCoordinateZGUID, true, ":/Misc/Misc_EndTangentVectorZ.png"},
    {"Fit tolerance", "Misc", 0, none, false, ":/Misc/Misc_Fittolerance.png"},
    {"Area", "Misc", 0, none, true, ":/Geometry/Geometry_Area.png"},
  };
  KyPaletteRows rows(spline);
  const int count = static_cast<int>(sizeof(expected) / sizeof(expected[0]));
  ASSERT_EQ(rows.container().GetCount(), 8 + count);
  for (int i = 0; i < count; ++i)
  {
    const CKyPropertyDescription* d = rows.container().GetAt(8 + i);
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(d->GetName().toQString(), expected[i].name);
    EXPECT_EQ(d->GetCategory().toQString(), expected[i].category);
    EXPECT_EQ(static_cast<int>(d->GetType().GetType()), expected[i].type);
    EXPECT_EQ(d->GetType().GetGUID().toQString(), expected[i].guid ? expected[i].guid->toQString() : QString());
    EXPECT_EQ(d->IsReadOnly(spline), expected[i].readOnly);
    EXPECT_EQ(d->GetIcon().toQString(), expected[i].icon);
  }
}

TEST_F(SplineRows, SelectorsCountTheirOwnPointsIndependently)
{
  const CKyVariant control = get("Control point");
  const CKyVariant fit = get("Fit point");
  ASSERT_EQ(control.GetType(), CKyVariant::kCollection);
  ASSERT_EQ(fit.GetType(), CKyVariant::kCollection);
  EXPECT_EQ(control.GetCollection().GetCount(), 6);
  EXPECT_EQ(fit.GetCollection().GetCount(), 4);
  EXPECT_EQ(fit.GetCollection().GetAt(3).GetValue().GetInt32(), 4);
  EXPECT_EQ(get("Number of control points").GetInt32(), 6);
  EXPECT_EQ(get("Number of fit points").GetInt32(), 4);
  const OdDbDxfTagList before = state();
  EXPECT_EQ(set("Fit point", CKyVariant(2)), 5100);
  EXPECT_EQ(state(), before);

  // Control points only: no fit points, an empty fit selector and no tangents.
  ASSERT_EQ(spline->setNurbsData(2, false, false, false, points({{0, 0, 0}, {1, 1, 0}, {2, 0, 0}}),
                                 doubles({0, 0, 0, 1, 1, 1}), OdGeDoubleArray()),
            eOk);
  EXPECT_EQ(get("Number of fit points").GetInt32(), 0);
  EXPECT_EQ(get("Fit point").GetCollection().GetCount(), 0);
  EXPECT_EQ(get("Fit point X").GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(get("Start tangent vector Y").GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(get("Control point X", CKyVariant(2)).GetDouble(), 2.0);
}

TEST_F(SplineRows, PointRowsUseTheContextIndexInTheUcsAndRefuseIndicesNoPointHas)
{
  // UCS X along world Y: a world point (x, y) shows as (y, -x).
  drawing.setUcs(OdGePoint3d(0, 0, 0), OdGeVector3d::kYAxis, -OdGeVector3d::kXAxis);
  EXPECT_NEAR(get("Fit point X", CKyVariant(1)).GetDouble(), 4.0, 1e-12);
  EXPECT_NEAR(get("Fit point Y", CKyVariant(1)).GetDouble(), -3.0, 1e-12);
  EXPECT_NEAR(get("Fit point Z", CKyVariant(1)).GetDouble(), 2.0, 1e-12);
  // A context that is not an integer names the first point.
  EXPECT_NEAR(get("Fit point Y", CKyVariant(7.0, true)).GetDouble(), 0.0, 1e-12);
  EXPECT_TRUE(get("Control point X", CKyVariant(0)).IsUnitBearing());

  const OdDbDxfTagList before = state();
  struct Refused
  {
    const char* row;
    int index;
    CKyVariant value;
  } refused[] = {
    {"Fit point X", -1, CKyVariant(1.0, true)},     {"Fit point Y", 4, CKyVariant(1.0, true)},
    {"Control point Z", -1, CKyVariant(1.0, true)}, {"Control point X", 6, CKyVariant(1.0, true)},
    {"Fit point X", 0, CKyVariant(QString("1"))},
  };
  for (const Refused& r : refused)
  {
    SCOPED_TRACE(std::string(r.row) + " " + std::to_string(r.index));
    const bool exists = r.index >= 0 && r.index < 4;
    EXPECT_EQ(get(r.row, CKyVariant(r.index)).GetType(), exists ? CKyVariant::kDouble : CKyVariant::kEmpty);
    EXPECT_EQ(set(r.row, r.value, CKyVariant(r.index)), -5001);
    EXPECT_EQ(state(), before);
  }
  // A fit point moved onto its neighbour cannot be fitted: refused, nothing changes.
  EXPECT_EQ(set("Fit point X", CKyVariant(0.0, true), CKyVariant(1)), 5100);
  const OdDbDxfTagList beside = state();
  EXPECT_EQ(set("Fit point Y", CKyVariant(0.0, true), CKyVariant(1)), -5001);
  EXPECT_EQ(state(), beside);

  // An edited fit point is written back in world coordinates and the curve passes through it.
  ASSERT_EQ(spline->setFitData(points({{0, 0, 2}, {3, 4, 2}, {6, 1, 2}, {9, 5, 2}}), 3, 0.0, OdGeVector3d(0, 1, 0),
                               OdGeVector3d(1, 0, 0)),
            eOk);
  EXPECT_EQ(set("Fit point X", CKyVariant(-1.0, true), CKyVariant(2)), 5100); // world y = -1
  OdGePoint3d p;
  ASSERT_EQ(spline->getFitPointAt(2, p), eOk);
  EXPECT_NEAR(p.distanceTo(OdGePoint3d(6, -1, 2)), 0.0, 1e-12);
  double param = 0.0;
  EXPECT_EQ(spline->getParamAtPoint(OdGePoint3d(6, -1, 2), param), eOk);
  // The same value again writes nothing.
  const OdDbDxfTagList edited = state();
  EXPECT_EQ(set("Fit point X", CKyVariant(-1.0, true), CKyVariant(2)), 5100);
  EXPECT_EQ(state(), edited);
  // A moved control point leaves the spline without fit data.
  EXPECT_EQ(set("Control point Z", CKyVariant(5.0, true), CKyVariant(3)), 5100);
  ASSERT_EQ(spline->getControlPointAt(3, p), eOk);
  EXPECT_EQ(p.z, 5.0);
  EXPECT_EQ(spline->numFitPoints(), 0);
  EXPECT_EQ(get("Planar").GetString().toQString(), "No");
}

TEST_F(SplineRows, CharacteristicsAndFitToleranceRefusal)
{
  EXPECT_EQ(get("Degree").GetInt32(), 3);
  EXPECT_EQ(get("Closed").GetType(), CKyVariant::kString);
  EXPECT_EQ(get("Closed").GetString().toQString(), "No");
  EXPECT_EQ(get("Planar").GetString().toQString(), "Yes");
  EXPECT_EQ(get("Start tangent vector Y").GetDouble(), 1.0);
  EXPECT_EQ(get("End tangent vector X").GetDouble(), 1.0);
  EXPECT_EQ(get("End tangent vector Y").GetDouble(), 0.0);
  EXPECT_GT(get("Area").GetDouble(), 0.0);

  const OdDbDxfTagList before = state();
  EXPECT_EQ(set("Fit tolerance", CKyVariant(-0.1, true)), -5001);
  EXPECT_EQ(set("Fit tolerance", CKyVariant(QString("0.5"))), -5001);
  EXPECT_EQ(state(), before);
  EXPECT_EQ(set("Fit tolerance", CKyVariant(0.0, true)), 5100);
  EXPECT_EQ(state(), before);
  EXPECT_EQ(set("Fit tolerance", CKyVariant(0.25, true)), 5100);
  EXPECT_EQ(spline->fitTolerance(), 0.25);
  EXPECT_EQ(get("Fit tolerance").GetDouble(), 0.25);
  EXPECT_TRUE(messages.messages.empty());

  // A spline out of its plane has no area; another class or read-only opening gets nothing.
  ASSERT_EQ(spline->setControlPointAt(2, OdGePoint3d(4, 4, 9)), eOk);
  EXPECT_EQ(get("Area").GetType(), CKyVariant::kEmpty);
  KyPaletteRows rows(spline);
  const CKyPropertyDescription* tol = row(rows, "Fit tolerance");
  ASSERT_NE(tol, nullptr);
  spline->downgradeOpen();
  EXPECT_EQ(tol->SetValue(spline, CKyVariant(0.5, true), CKyVariant()), -5001);
  OdDbLinePtr line = OdDbLine::createObject();
  EXPECT_EQ(tol->GetValue(line, CKyVariant()).GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(tol->SetValue(line, CKyVariant(0.5, true), CKyVariant()), -5001);
}

TEST_F(SplineRows, ListingReportsTheNurbsDataWithFlagsInOrder)
{
  struct Case
  {
    const char* name;
    std::function<void()> make;
    const char* flags;
  } cases[] = {
    {"fitted", [] {}, "Open, Non-Periodic, Non-Rational, Planar, Non-Linear"},
    {"closed periodic rational circle",
     [&] {
       const double w = std::sqrt(0.5);
       ASSERT_EQ(spline->setNurbsData(2, true, true, true,
                                      points({{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {-1, 1, 0}, {-1, 0, 0}, {-1, -1, 0},
                                              {0, -1, 0}, {1, -1, 0}, {1, 0, 0}}),
                                      doubles({0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 4}),
                                      doubles({1, w, 1, w, 1, w, 1, w, 1})),
                 eOk);
     },
     "Closed, Periodic, Rational, Planar, Non-Linear"},
    {"straight in space",
     [&] {
       ASSERT_EQ(spline->setNurbsData(1, false, false, false, points({{0, 0, 0}, {1, 1, 1}, {3, 3, 3}}),
                                      doubles({0, 0, 1, 2, 2}), OdGeDoubleArray()),
                 eOk);
     },
     "Open, Non-Periodic, Non-Rational, Planar, Linear"},
  };
  OdStaticRxObject<CKySplineInfo> info;
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    c.make();
    KyRecordingPrintContext listing;
    ASSERT_TRUE(info.PrintObjectInfo(spline, &listing));
    ASSERT_NE(listing.find("Properties"), nullptr);
    EXPECT_EQ(listing.find("Properties")->value, c.flags);
    EXPECT_EQ(listing.find("Order")->value, QString::number(spline->degree() + 1));
    EXPECT_EQ(listing.find("Number of konts")->value, QString::number(spline->numControlPoints() + spline->degree() + 1));
    EXPECT_EQ(listing.find("Number of Fit points")->value, QString::number(spline->numFitPoints()));
  }
  // The straight spline: length sqrt(27), knots then control points, each list cut by the counter.
  KyRecordingPrintContext listing;
  info.PrintObjectInfo(spline, &listing);
  EXPECT_NEAR(listing.find("Length")->value.toDouble(), std::sqrt(27.0), 1e-12);
  const std::vector<std::string> tail = {"Length", "Order", "Properties", "Number of konts", "Knot value",
                                         "Knot value", "Knot value", "Knot value", "Knot value", "Knot tolerance",
                                         "Number of control points", "Control point", "Control point", "Control point",
                                         "Control Tolerance", "Number of Fit points", "Fit Tolerance"};
  const std::vector<std::string> labels = listing.labels();
  ASSERT_GE(labels.size(), tail.size());
  EXPECT_EQ(std::vector<std::string>(labels.end() - tail.size(), labels.end()), tail);
  KyRecordingPrintContext cut;
  cut.itemLimit = 2;
  info.PrintObjectInfo(spline, &cut);
  int knotLines = 0;
  for (const auto& l : cut.labels())
    knotLines += l == "Knot value";
  EXPECT_EQ(knotLines, 2);
}
