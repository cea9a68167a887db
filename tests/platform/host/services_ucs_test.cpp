// Current UCS of CKyDatabase (point conversions, matrices, the header and the "*Active" viewport
// record kept in step, refused frames), the document's UCS plane and the active document.
#include <cmath>
#include <set>

#include <gtest/gtest.h>

#include "DbViewportTableRecord.h"
#include "KyDatabase.h"
#include "KyDocument.h"
#include "KyTestDrawing.h"
#include "OdError.h"

namespace
{
const double kTol = 1e-12;

void expectPoint(const OdGePoint3d& actual, const OdGePoint3d& expected, const char* what)
{
  EXPECT_NEAR(actual.x, expected.x, kTol) << what;
  EXPECT_NEAR(actual.y, expected.y, kTol) << what;
  EXPECT_NEAR(actual.z, expected.z, kTol) << what;
}

void expectVector(const OdGeVector3d& actual, const OdGeVector3d& expected, const char* what)
{
  EXPECT_NEAR(actual.x, expected.x, kTol) << what;
  EXPECT_NEAR(actual.y, expected.y, kTol) << what;
  EXPECT_NEAR(actual.z, expected.z, kTol) << what;
}

class ServicesUcs : public ::testing::Test
{
protected:
  KyTestDrawing drawing;
  CKyDatabase database{drawing.db()};
};

struct UcsRow
{
  const char* name;
  OdGePoint3d origin;
  OdGeVector3d xAxis;
  OdGeVector3d yAxis;
  OdGePoint3d world;
  OdGePoint3d ucs;
};

TEST_F(ServicesUcs, ConvertsPointsBetweenWorldAndUcs)
{
  const UcsRow rows[] = {
    {"world", OdGePoint3d(), OdGeVector3d(1, 0, 0), OdGeVector3d(0, 1, 0), OdGePoint3d(3, 4, 5), OdGePoint3d(3, 4, 5)},
    {"rotated 90 about Z", OdGePoint3d(), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0), OdGePoint3d(1, 0, 0),
     OdGePoint3d(0, -1, 0)},
    {"origin offset", OdGePoint3d(10, 20, 5), OdGeVector3d(1, 0, 0), OdGeVector3d(0, 1, 0), OdGePoint3d(11, 22, 5),
     OdGePoint3d(1, 2, 0)},
    {"offset and rotated", OdGePoint3d(10, 0, 0), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0), OdGePoint3d(10, 3, 7),
     OdGePoint3d(3, 0, 7)},
    {"vertical plane, Z = X x Y", OdGePoint3d(), OdGeVector3d(1, 0, 0), OdGeVector3d(0, 0, 1), OdGePoint3d(2, -3, 4),
     OdGePoint3d(2, 4, 3)},
    {"unnormalised axes", OdGePoint3d(1, 1, 1), OdGeVector3d(0, 5, 0), OdGeVector3d(-2, 0, 0), OdGePoint3d(1, 3, 1),
     OdGePoint3d(2, 0, 0)},
  };
  for (const UcsRow& row : rows)
  {
    database.SetCurrentUcs(row.origin, row.xAxis, row.yAxis);
    OdGePoint3d point = row.world;
    database.WorldToUCS(point);
    expectPoint(point, row.ucs, row.name);
    database.UCSToWorld(point);
    expectPoint(point, row.world, row.name);
    expectPoint(database.GetWorldToUCS() * row.world, row.ucs, row.name);
    expectPoint(database.GetUCSToWorld() * row.ucs, row.world, row.name);
  }
}

TEST_F(ServicesUcs, MatricesAreInverseOfEachOther)
{
  database.SetCurrentUcs(OdGePoint3d(3, -2, 8), OdGeVector3d(1, 1, 0), OdGeVector3d(-1, 1, 1));
  const OdGeMatrix3d product = database.GetWorldToUCS() * database.GetUCSToWorld();
  EXPECT_TRUE(product.isEqualTo(OdGeMatrix3d::kIdentity));
  EXPECT_TRUE(database.GetUCSToWorld().isUniScaledOrtho());
  EXPECT_NEAR(database.GetUCSToWorld().det(), 1.0, kTol); // right-handed
}

TEST_F(ServicesUcs, WritesHeaderAndActiveViewportWithOrthogonalisedYAxis)
{
  database.SetCurrentUcs(OdGePoint3d(1, 2, 3), OdGeVector3d(2, 0, 0), OdGeVector3d(1, 1, 0));
  expectPoint(drawing.db()->getUCSORG(), OdGePoint3d(1, 2, 3), "header origin");
  expectVector(drawing.db()->getUCSXDIR(), OdGeVector3d(1, 0, 0), "header X");
  expectVector(drawing.db()->getUCSYDIR(), OdGeVector3d(0, 1, 0), "header Y");

  OdDbViewportTableRecordPtr active = drawing.db()->activeViewportId().safeOpenObject();
  OdGePoint3d origin;
  OdGeVector3d xAxis, yAxis;
  active->getUcs(origin, xAxis, yAxis);
  expectPoint(origin, OdGePoint3d(1, 2, 3), "viewport origin");
  expectVector(xAxis, OdGeVector3d(1, 0, 0), "viewport X");
  expectVector(yAxis, OdGeVector3d(0, 1, 0), "viewport Y");
}

TEST_F(ServicesUcs, RefusesDegenerateOrNonFiniteFramesAndKeepsTheUcs)
{
  database.SetCurrentUcs(OdGePoint3d(5, 0, 0), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0));
  const double nan = std::nan("");
  const double inf = INFINITY;
  const struct
  {
    const char* name;
    OdGePoint3d origin;
    OdGeVector3d xAxis;
    OdGeVector3d yAxis;
  } rows[] = {
    {"zero X", OdGePoint3d(), OdGeVector3d(), OdGeVector3d(0, 1, 0)},
    {"zero Y", OdGePoint3d(), OdGeVector3d(1, 0, 0), OdGeVector3d()},
    {"parallel", OdGePoint3d(), OdGeVector3d(1, 0, 0), OdGeVector3d(-3, 0, 0)},
    {"NaN origin", OdGePoint3d(nan, 0, 0), OdGeVector3d(1, 0, 0), OdGeVector3d(0, 1, 0)},
    {"infinite axis", OdGePoint3d(), OdGeVector3d(inf, 0, 0), OdGeVector3d(0, 1, 0)},
  };
  for (const auto& row : rows)
  {
    try
    {
      database.SetCurrentUcs(row.origin, row.xAxis, row.yAxis);
      ADD_FAILURE() << row.name << " accepted";
    }
    catch (const OdError& e)
    {
      EXPECT_EQ(e.code(), eInvalidInput) << row.name;
    }
    OdGePoint3d point(6, 0, 0);
    database.WorldToUCS(point);
    expectPoint(point, OdGePoint3d(0, -1, 0), row.name);
    OdDbViewportTableRecordPtr active = drawing.db()->activeViewportId().safeOpenObject();
    OdGePoint3d origin;
    OdGeVector3d xAxis, yAxis;
    active->getUcs(origin, xAxis, yAxis);
    expectPoint(origin, OdGePoint3d(5, 0, 0), row.name);
  }
}

TEST_F(ServicesUcs, DocumentUcsPlaneFollowsTheDatabase)
{
  drawing.document()->SetCurrentUcs(OdGePoint3d(1, 2, 3), OdGeVector3d(0, 2, 0), OdGeVector3d(0, 0, 4));
  const OdGePlane plane = drawing.document()->GetView()->GetUcsPlane();
  OdGePoint3d origin;
  OdGeVector3d xAxis, yAxis;
  plane.getCoordSystem(origin, xAxis, yAxis);
  expectPoint(origin, OdGePoint3d(1, 2, 3), "plane origin");
  expectVector(xAxis, OdGeVector3d(0, 1, 0), "plane X");
  expectVector(yAxis, OdGeVector3d(0, 0, 1), "plane Y");
  expectVector(plane.normal(), OdGeVector3d(1, 0, 0), "plane normal");
}

TEST_F(ServicesUcs, ActiveDocumentIsTheOneLastSet)
{
  EXPECT_EQ(ACTIVE_DOCUMENT(), drawing.document());
  EXPECT_EQ(ACTIVE_DOCUMENT()->GetDatabase(), drawing.db());
  EXPECT_EQ(ACTIVE_DOCUMENT()->GetKyDatabase().GetOdDatabase(), drawing.db());
  {
    KyTestDrawing other;
    EXPECT_EQ(ACTIVE_DOCUMENT(), other.document());
    EXPECT_EQ(CKyDocumentManager::SetActiveDocument(nullptr), other.document());
    EXPECT_EQ(ACTIVE_DOCUMENT(), nullptr);
    CKyDocumentManager::SetActiveDocument(other.document());
  }
  EXPECT_EQ(ACTIVE_DOCUMENT(), drawing.document());
  EXPECT_THROW(CKyDocument(nullptr), OdError);
}

TEST_F(ServicesUcs, ServicesReportTheDrawingsIdsAndHeader)
{
  EXPECT_EQ(database.GetCurrentViewportId(), drawing.db()->activeViewportId());
  EXPECT_EQ(drawing.document()->GetActiveViewportId(), drawing.db()->activeViewportId());
  EXPECT_EQ(database.GetActiveBlockId(), drawing.db()->getModelSpaceId());
  drawing.db()->setPSTYLEMODE(true);
  EXPECT_TRUE(database.GetPlotStyleMode());
  drawing.db()->setPSTYLEMODE(false);
  EXPECT_FALSE(database.GetPlotStyleMode());
  drawing.db()->setINSUNITS(OdDb::kUnitsMillimeters);
  EXPECT_EQ(database.GetInsertionUnits(), 4);
}
} // namespace

// Conversions alternate between drawings with different UCSs and follow header changes made
// without the service, so a remembered frame is never used for another UCS.
TEST(ServicesUcsFrames, EachConversionUsesItsDrawingsPresentUcs)
{
  KyTestDrawing shifted, turned;
  CKyDatabase a(shifted.db()), b(turned.db());
  a.SetCurrentUcs(OdGePoint3d(10, 0, 0), OdGeVector3d(1, 0, 0), OdGeVector3d(0, 1, 0));
  b.SetCurrentUcs(OdGePoint3d(), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0));
  for (int round = 0; round < 2; ++round)
  {
    OdGePoint3d p(11, 0, 0), q(1, 0, 0);
    a.WorldToUCS(p);
    b.WorldToUCS(q);
    expectPoint(p, OdGePoint3d(1, 0, 0), "shifted");
    expectPoint(q, OdGePoint3d(0, -1, 0), "turned");
  }
  shifted.db()->setUCSORG(OdGePoint3d(10, 0, 1e-300)); // differs in one tiny component
  OdGePoint3d p(11, 0, 0);
  a.WorldToUCS(p);
  EXPECT_EQ(p.z, -1e-300);
  shifted.db()->setUCSORG(OdGePoint3d());
  OdGePoint3d r(0.1, 0.2, 0.3);
  a.UCSToWorld(r);
  EXPECT_EQ(r, OdGePoint3d(0.1, 0.2, 0.3));
  EXPECT_EQ(r.x, 0.1);
}

// A drawing that goes away takes its frame along: a later drawing at the same address is
// converted under its own UCS.
TEST(ServicesUcsFrames, ADrawingThatEndsTakesItsFrameAlong)
{
  std::set<const void*> ended;
  bool reused = false;
  for (int round = 0; round < 20; ++round)
  {
    OdDbDatabasePtr db = OdDbDatabase::createObject();
    reused = reused || ended.count(db.get()) > 0;
    ended.insert(db.get());
    const double shift = round;
    db->setUCSORG(OdGePoint3d(shift, 0, 0));
    OdGePoint3d p(11, 0, 0);
    CKyDatabase(db.get()).WorldToUCS(p);
    expectPoint(p, OdGePoint3d(11 - shift, 0, 0), "after a drawing ended");
  }
  if (!reused)
    GTEST_SKIP() << "no drawing was made at the address of an ended one";
}
