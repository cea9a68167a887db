// Trace, solid and face rows: the fixed four-corner selector, the corner index rules of each kind,
// corner edits in the UCS, the face's edge choices and the face listing.
#include <gtest/gtest.h>

#include <functional>

#include "DbFace.h"
#include "DbSolid.h"
#include "DbTrace.h"
#include "KyFacePE.h"
#include "KyPropertyType.h"
#include "KySolidPE.h"
#include "KyTestDrawing.h"
#include "KyTracePE.h"
#include "RxObjectImpl.h"

namespace
{
const OdGePoint3d kCorners[4] = {OdGePoint3d(0, 0, 0), OdGePoint3d(4, 0, 0), OdGePoint3d(0, 3, 0),
                                 OdGePoint3d(4, 3, 1)};

CKyVariant getAt(const OdDbObject* object, const char* name, const CKyVariant& context = CKyVariant())
{
  KyPaletteRows rows(object);
  const CKyPropertyDescription* d = rows.row(name);
  EXPECT_NE(d, nullptr) << name;
  return d ? d->GetValue(object, context) : CKyVariant();
}

int setAt(const OdDbObject* object, const char* name, const CKyVariant& value, const CKyVariant& context = CKyVariant())
{
  KyPaletteRows rows(object);
  const CKyPropertyDescription* d = rows.row(name);
  EXPECT_NE(d, nullptr) << name;
  return d ? d->SetValue(object, value, context) : 0;
}

struct FillRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  OdDbTracePtr trace;
  OdDbSolidPtr solid;
  OdDbFacePtr face;

  void SetUp() override
  {
    trace = OdDbTrace::createObject();
    solid = OdDbSolid::createObject();
    face = OdDbFace::createObject();
    for (OdUInt16 i = 0; i < 4; ++i)
    {
      trace->setPointAt(i, kCorners[i]);
      solid->setPointAt(i, kCorners[i]);
      face->setVertexAt(i, kCorners[i]);
    }
    drawing.add(trace);
    drawing.add(solid);
    drawing.add(face);
  }
};
} // namespace

TEST_F(FillRows, TablesFollowTheGeneralRows)
{
  const std::vector<std::string> fill = {"Thickness", "Vertex", "Vertex X", "Vertex Y", "Vertex Z"};
  const std::vector<std::string> faceRows = {"Vertex", "Vertex X", "Vertex Y", "Vertex Z",
                                             "Edge 1", "Edge 2",   "Edge 3",   "Edge 4"};
  for (const OdDbObject* o : {static_cast<const OdDbObject*>(trace.get()), static_cast<const OdDbObject*>(solid.get())})
  {
    const std::vector<std::string> names = KyPaletteRows(o).names();
    ASSERT_EQ(names.size(), 8 + fill.size());
    EXPECT_EQ(std::vector<std::string>(names.begin() + 8, names.end()), fill);
  }
  const std::vector<std::string> names = KyPaletteRows(face).names();
  ASSERT_EQ(names.size(), 8 + faceRows.size());
  EXPECT_EQ(std::vector<std::string>(names.begin() + 8, names.end()), faceRows);

  KyPaletteRows rows(solid);
  EXPECT_EQ(static_cast<int>(rows.row("Thickness")->GetType().GetType()), 0);
  EXPECT_NE(rows.row("Thickness")->GetVisibility() & 4, 0);
  EXPECT_EQ(static_cast<int>(rows.row("Vertex")->GetType().GetType()), 6);
  EXPECT_EQ(rows.row("Vertex")->GetType().GetGUID().toQString(), CKyPropertyType::kVertexGUID.toQString());
  EXPECT_EQ(rows.row("Vertex Z")->GetType().GetGUID().toQString(), CKyPropertyType::kVertexZGUID.toQString());
  EXPECT_EQ(rows.row("Vertex Z")->GetIcon().toQString(), ":/Geometry/Geometry_VertexZ.png");
  EXPECT_EQ(KyPaletteRows(face).row("Edge 3")->GetIcon().toQString(), ":/Geometry/Geometry_Edge3.png");
}

TEST_F(FillRows, SelectorListsFourCornersForEveryKind)
{
  for (const OdDbObject* o : {static_cast<const OdDbObject*>(trace.get()), static_cast<const OdDbObject*>(solid.get()),
                              static_cast<const OdDbObject*>(face.get())})
  {
    const CKyVariant value = getAt(o, "Vertex");
    const CKyVariantCollection& list = value.GetCollection();
    ASSERT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetAt(3).GetTag().GetInt32(), 4);
    EXPECT_EQ(setAt(o, "Vertex", CKyVariant(CKyString("anything"))), 5100);
  }
}

// The solid takes any index past the last corner (a negative one too) as the fourth corner; the
// trace and the face ask for the corner they were given and have none there.
TEST_F(FillRows, CornerIndexRulesOfEachKind)
{
  struct Case
  {
    int index;
    double solidX, traceX;
  } cases[] = {{0, 0, 0}, {1, 4, 4}, {3, 4, 4}, {7, 4, NAN}, {-1, 4, NAN}};
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.index);
    EXPECT_DOUBLE_EQ(getAt(solid, "Vertex X", CKyVariant(c.index)).GetDouble(), c.solidX);
    const CKyVariant traced = getAt(trace, "Vertex X", CKyVariant(c.index));
    const CKyVariant faced = getAt(face, "Vertex X", CKyVariant(c.index));
    if (std::isnan(c.traceX))
    {
      EXPECT_EQ(traced.GetType(), CKyVariant::kEmpty);
      EXPECT_EQ(faced.GetType(), CKyVariant::kEmpty);
      EXPECT_EQ(setAt(trace, "Vertex Y", CKyVariant(9.0, true), CKyVariant(c.index)), -5001);
      EXPECT_EQ(setAt(face, "Vertex Y", CKyVariant(9.0, true), CKyVariant(c.index)), -5001);
    }
    else
    {
      EXPECT_DOUBLE_EQ(traced.GetDouble(), c.traceX);
      EXPECT_DOUBLE_EQ(faced.GetDouble(), c.traceX);
    }
  }
  EXPECT_EQ(setAt(solid, "Vertex Y", CKyVariant(9.0, true), CKyVariant(7)), 5100);
  OdGePoint3d p;
  solid->getPointAt(3, p);
  EXPECT_EQ(p, OdGePoint3d(4, 9, 1));
  for (OdUInt16 i = 0; i < 4; ++i)
  {
    trace->getPointAt(i, p);
    EXPECT_EQ(p, kCorners[i]);
  }
}

TEST_F(FillRows, CornerEditsGoThroughTheUcsAndKeepTheOtherCorners)
{
  drawing.setUcs(OdGePoint3d(0, 0, 2), OdGeVector3d::kYAxis, -OdGeVector3d::kXAxis);
  EXPECT_NEAR(getAt(face, "Vertex X", CKyVariant(1)).GetDouble(), 0.0, 1e-12);
  EXPECT_NEAR(getAt(face, "Vertex Y", CKyVariant(1)).GetDouble(), -4.0, 1e-12);
  EXPECT_NEAR(getAt(face, "Vertex Z", CKyVariant(1)).GetDouble(), -2.0, 1e-12);
  EXPECT_EQ(setAt(face, "Vertex X", CKyVariant(5.0, true), CKyVariant(1)), 5100);
  EXPECT_EQ(setAt(trace, "Vertex Z", CKyVariant(0.0, true), CKyVariant(2)), 5100);
  OdGePoint3d p;
  face->getVertexAt(1, p);
  EXPECT_NEAR(p.distanceTo(OdGePoint3d(4, 5, 0)), 0.0, 1e-12);
  trace->getPointAt(2, p);
  EXPECT_NEAR(p.distanceTo(OdGePoint3d(0, 3, 2)), 0.0, 1e-12);
  for (OdUInt16 i : {0, 2, 3})
  {
    face->getVertexAt(i, p);
    EXPECT_EQ(p, kCorners[i]);
  }
}

TEST_F(FillRows, RefusalsAndUnchangedValues)
{
  const CKyVariant shown = getAt(solid, "Vertex X", CKyVariant(2));
  solid->downgradeOpen();
  solid->upgradeOpen();
  EXPECT_EQ(setAt(solid, "Vertex X", shown, CKyVariant(2)), 5100);
  EXPECT_FALSE(solid->isModified());
  EXPECT_EQ(setAt(solid, "Vertex X", CKyVariant(3), CKyVariant(2)), -5001);
  EXPECT_EQ(setAt(solid, "Thickness", CKyVariant(CKyString("2"))), -5001);
  EXPECT_EQ(setAt(trace, "Thickness", CKyVariant(-1.5, true)), 5100);
  EXPECT_EQ(trace->thickness(), -1.5);
  EXPECT_EQ(solid->thickness(), 0.0);
  solid->downgradeOpen();
  EXPECT_EQ(setAt(solid, "Vertex X", CKyVariant(1.0, true)), -5001);
  EXPECT_EQ(setAt(solid, "Vertex", CKyVariant(1)), -5001);
}

TEST_F(FillRows, HidingEdgeThreeHidesTheFacesThirdEdgeOnly)
{
  const CKyVariant edge = getAt(face, "Edge 3");
  const CKyVariantCollection& shown = edge.GetCollection();
  ASSERT_EQ(shown.GetCount(), 2);
  EXPECT_EQ(shown.GetCurrentIndex(), 0);
  EXPECT_EQ(shown.GetAt(0).GetValue().GetString().toQString(), "Visible");
  EXPECT_EQ(shown.GetAt(1).GetValue().GetString().toQString(), "Hidden");
  const CKyVariantCollectionElement hidden(CKyVariant(0), CKyVariant(CKyString("Hidden")));
  EXPECT_EQ(setAt(face, "Edge 3", CKyVariant(hidden)), 5100);
  for (OdUInt16 i = 0; i < 4; ++i)
  {
    bool visible = true;
    face->isEdgeVisibleAt(i, visible);
    EXPECT_EQ(visible, i != 2) << "edge index " << i;
  }
  EXPECT_EQ(getAt(face, "Edge 3").GetCollection().GetCurrentIndex(), 1);
  EXPECT_EQ(getAt(face, "Edge 4").GetCollection().GetCurrentIndex(), 0);

  const CKyVariantCollectionElement other(CKyVariant(5), CKyVariant(CKyString("?")));
  EXPECT_EQ(setAt(face, "Edge 3", CKyVariant(other)), 5100);
  EXPECT_EQ(getAt(face, "Edge 3").GetCollection().GetCurrentIndex(), 1);
  EXPECT_EQ(setAt(face, "Edge 3", CKyVariant(1)), -5001);
  const CKyVariantCollectionElement visible(CKyVariant(1), CKyVariant(CKyString("Visible")));
  EXPECT_EQ(setAt(face, "Edge 3", CKyVariant(visible)), 5100);
  EXPECT_EQ(getAt(face, "Edge 3").GetCollection().GetCurrentIndex(), 0);
}

TEST_F(FillRows, ListingsOfFacesAndFills)
{
  OdStaticRxObject<CKyFaceInfo> faceInfo;
  KyRecordingPrintContext listing;
  faceInfo.PrintObjectInfo(face, &listing);
  const std::vector<std::string> labels = listing.labels();
  ASSERT_GE(labels.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(labels.end() - 4, labels.end()),
            (std::vector<std::string>{"first point", "second point", "third point", "forth point"}));

  OdStaticRxObject<CKySolidInfo> solidInfo;
  OdStaticRxObject<CKyPrintObjectInfoPE> common;
  KyRecordingPrintContext solidLines, commonLines;
  solidInfo.PrintObjectInfo(solid, &solidLines);
  common.PrintObjectInfo(solid, &commonLines);
  EXPECT_EQ(solidLines.labels(), commonLines.labels());
}
