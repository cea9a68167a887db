// Tests of the multiline and multiline style stand-ins: element positions against offsets,
// scale and justification, miters at corners and caps, recomputation when a vertex moves or the
// style changes, the fallback of a multiline without style, refusals that leave the multiline
// unchanged, transforms, extents and open modes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "DbDictionary.h"
#include "DbMline.h"
#include "DbMlineStyle.h"
#include "Ge/GeGbl.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GePlane.h"
#include "KyTestDrawing.h"
#include "KyTestGeometry.h"
#include "OdError.h"

namespace
{
const double kEps = 1e-9;
const double kInf = std::numeric_limits<double>::infinity();

// A style in the drawing's style dictionary, set up by the function.
OdDbObjectId addStyle(OdDbDatabase* db, const OdString& name, void (*setup)(OdDbMlineStyle*) = nullptr)
{
  OdDbDictionaryPtr nod = db->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
  OdDbObjectId dictId = nod->getAt(OdDbMlineStyle::kDictionaryName);
  if (dictId.isNull())
    dictId = nod->setAt(OdDbMlineStyle::kDictionaryName, OdDbDictionary::createObject());
  OdDbDictionaryPtr dict = dictId.safeOpenObject(OdDb::kForWrite);
  OdDbMlineStylePtr style = OdDbMlineStyle::createObject();
  style->setName(name);
  if (setup)
    setup(style);
  return dict->setAt(name, style);
}

OdDbMlinePtr makeMline(const OdDbObjectId& style, std::initializer_list<OdGePoint3d> points)
{
  OdDbMlinePtr m = OdDbMline::createObject();
  m->setStyle(style);
  for (const OdGePoint3d& p : points)
    m->appendSeg(p);
  return m;
}
} // namespace

TEST(MlineStyle, NewStyleIsStandardWithTwoElementsSortedHighestFirst)
{
  OdDbMlineStylePtr s = OdDbMlineStyle::createObject();
  EXPECT_EQ(s->name(), OdString(L"Standard"));
  ASSERT_EQ(s->numElements(), 2);
  EXPECT_DOUBLE_EQ(s->maxOffset(), 0.5);
  EXPECT_DOUBLE_EQ(s->minOffset(), -0.5);
  EXPECT_DOUBLE_EQ(s->startAngle(), OdaPI / 2);
  EXPECT_EQ(s->addElement(0.0, OdCmColor(), OdDbObjectId()), 1);
  EXPECT_EQ(s->addElement(2.0, OdCmColor(), OdDbObjectId()), 0);
  double offset = 0.0;
  OdCmColor color;
  OdDbObjectId linetype;
  ASSERT_EQ(s->getElementAt(3, offset, color, linetype), eOk);
  EXPECT_DOUBLE_EQ(offset, -0.5);
  // Moving an element keeps the order by offset.
  ASSERT_EQ(s->setElement(0, -3.0, OdCmColor(), OdDbObjectId()), eOk);
  s->getElementAt(3, offset, color, linetype);
  EXPECT_DOUBLE_EQ(offset, -3.0);
  EXPECT_EQ(s->getElementAt(4, offset, color, linetype), eInvalidIndex);
  EXPECT_DOUBLE_EQ(offset, -3.0);
}

TEST(MlineStyle, RefusalsChangeNothing)
{
  OdDbMlineStylePtr s = OdDbMlineStyle::createObject();
  const OdDbDxfTagList before = kySnapshot(s);
  EXPECT_THROW(s->setStartAngle(0.0), OdError);
  EXPECT_THROW(s->setEndAngle(OdaPI), OdError);
  EXPECT_THROW(s->setStartAngle(std::nan("")), OdError);
  EXPECT_THROW(s->setFlags(4), OdError);
  EXPECT_THROW(s->addElement(kInf, OdCmColor(), OdDbObjectId()), OdError);
  EXPECT_EQ(s->setElement(0, kInf, OdCmColor(), OdDbObjectId()), eInvalidInput);
  EXPECT_EQ(s->removeElementAt(2), eInvalidIndex);
  EXPECT_EQ(kySnapshot(s), before);
}

// The elements of a straight multiline of the standard style (offsets +0.5, -0.5) along +X:
// positive offsets lie to the left (+Y).
TEST(Mline, ElementsFollowOffsetsScaleAndJustification)
{
  KyTestDrawing drawing;
  const OdDbObjectId standard = addStyle(drawing.db(), L"Standard");
  struct Case
  {
    Mline::MlineJustification justification;
    double scale;
    double top, bottom;
  } cases[] = {
    {Mline::kTop, 1.0, 0.0, -1.0},  {Mline::kZero, 1.0, 0.5, -0.5},  {Mline::kBottom, 1.0, 1.0, 0.0},
    {Mline::kZero, 4.0, 2.0, -2.0}, {Mline::kTop, 3.0, 0.0, -3.0},   {Mline::kZero, -2.0, -1.0, 1.0},
    {Mline::kBottom, 0.0, 0.0, 0.0},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(testing::Message() << c.justification << " scale " << c.scale);
    OdDbMlinePtr m = makeMline(standard, {OdGePoint3d(0, 0, 0), OdGePoint3d(10, 0, 0)});
    m->setScale(c.scale);
    m->setJustification(c.justification);
    ASSERT_EQ(m->numElements(), 2);
    for (int i = 0; i < 2; ++i)
    {
      kyExpectPoint(m->elementPointAt(i, 0), OdGePoint3d(10.0 * i, c.top, 0));
      kyExpectPoint(m->elementPointAt(i, 1), OdGePoint3d(10.0 * i, c.bottom, 0));
    }
  }
}

TEST(Mline, CornerMiterKeepsEveryElementAtItsOffsetFromBothSegments)
{
  KyTestDrawing drawing;
  const OdDbObjectId standard = addStyle(drawing.db(), L"Standard");
  OdDbMlinePtr m = makeMline(standard, {OdGePoint3d(0, 0, 0), OdGePoint3d(10, 0, 0), OdGePoint3d(10, 10, 0)});
  m->setJustification(Mline::kZero);
  m->setScale(2.0);
  // A left turn: the top element (offset +1) lies inside the corner at (9, 1).
  kyExpectPoint(m->elementPointAt(1, 0), OdGePoint3d(9, 1, 0));
  kyExpectPoint(m->elementPointAt(1, 1), OdGePoint3d(11, -1, 0));
  const OdGeVector3d miter = m->miterAt(1);
  EXPECT_NEAR(miter.x, -std::sqrt(0.5), kEps);
  EXPECT_NEAR(miter.y, std::sqrt(0.5), kEps);
  OdMLSegmentArray params;
  m->getParametersAt(1, params);
  ASSERT_EQ(params.size(), 2u);
  ASSERT_EQ(params[0].segParams.size(), 2u);
  EXPECT_NEAR(params[0].segParams[0], std::sqrt(2.0), kEps);
  EXPECT_EQ(params[0].segParams[1], 0.0);
  EXPECT_TRUE(params[0].areaFillParams.isEmpty());
  // Segment directions: the first two start segments, the last repeats the last segment.
  kyExpectPoint(OdGePoint3d::kOrigin + m->axisAt(0), OdGePoint3d(1, 0, 0));
  kyExpectPoint(OdGePoint3d::kOrigin + m->axisAt(2), OdGePoint3d(0, 1, 0));
}

TEST(Mline, ClosedMultilineMitersItsFirstVertexWithTheClosingSegment)
{
  KyTestDrawing drawing;
  const OdDbObjectId standard = addStyle(drawing.db(), L"Standard");
  OdDbMlinePtr m = makeMline(standard, {OdGePoint3d(0, 0, 0), OdGePoint3d(10, 0, 0), OdGePoint3d(10, 10, 0),
                                        OdGePoint3d(0, 10, 0)});
  m->setJustification(Mline::kZero);
  kyExpectPoint(m->elementPointAt(0, 0), OdGePoint3d(0, 0.5, 0));
  m->setClosedMline(true);
  kyExpectPoint(m->elementPointAt(0, 0), OdGePoint3d(0.5, 0.5, 0));
  kyExpectPoint(OdGePoint3d::kOrigin + m->axisAt(3), OdGePoint3d(0, -1, 0));
}

TEST(Mline, CapsFollowTheStyleAngles)
{
  KyTestDrawing drawing;
  const OdDbObjectId slanted = addStyle(drawing.db(), L"Slanted", [](OdDbMlineStyle* s) {
    s->setStartAngle(OdaPI / 4);
    s->setEndAngle(OdaPI / 4);
  });
  OdDbMlinePtr m = makeMline(slanted, {OdGePoint3d(0, 0, 0), OdGePoint3d(10, 0, 0)});
  m->setJustification(Mline::kZero);
  // Each element keeps its offset; the cap runs at 45 degrees to the segment.
  kyExpectPoint(m->elementPointAt(0, 0), OdGePoint3d(0.5, 0.5, 0));
  kyExpectPoint(m->elementPointAt(1, 0), OdGePoint3d(9.5, 0.5, 0));
}

TEST(Mline, MovingAVertexOrChangingTheStyleRecomputesTheElements)
{
  KyTestDrawing drawing;
  const OdDbObjectId standard = addStyle(drawing.db(), L"Standard");
  OdDbMlinePtr m = makeMline(standard, {OdGePoint3d(0, 0, 0), OdGePoint3d(10, 0, 0)});
  m->moveVertexAt(1, OdGePoint3d(0, 10, 0));
  // Now along +Y: the left is -X.
  kyExpectPoint(m->elementPointAt(1, 1), OdGePoint3d(1, 10, 0));
  {
    OdDbMlineStylePtr s = standard.safeOpenObject(OdDb::kForWrite);
    s->addElement(2.0, OdCmColor(), OdDbObjectId());
  }
  // The style's change shows once the multiline is refreshed.
  EXPECT_EQ(m->numElements(), 2);
  m->moveVertexAt(1, m->vertexAt(1));
  ASSERT_EQ(m->numElements(), 3);
  kyExpectPoint(m->elementPointAt(1, 2), OdGePoint3d(2.5, 10, 0));
}

TEST(Mline, WithoutStyleIsOneElementOnItsVertices)
{
  KyTestDrawing drawing;
  OdDbObjectId gone = addStyle(drawing.db(), L"Gone");
  {
    OdDbObjectPtr s = gone.safeOpenObject(OdDb::kForWrite);
    s->erase();
  }
  for (const OdDbObjectId& style : {OdDbObjectId(), gone})
  {
    OdDbMlinePtr m = makeMline(style, {OdGePoint3d(0, 0, 0), OdGePoint3d(10, 0, 0), OdGePoint3d(10, 5, 0)});
    m->setScale(7.0);
    m->setJustification(Mline::kBottom);
    ASSERT_EQ(m->numElements(), 1);
    for (int i = 0; i < 3; ++i)
      kyExpectPoint(m->elementPointAt(i, 0), m->vertexAt(i));
    OdGeExtents3d ext;
    ASSERT_EQ(m->getGeomExtents(ext), eOk);
    kyExpectPoint(ext.maxPoint(), OdGePoint3d(10, 5, 0));
  }
}

TEST(Mline, ExtentsCoverTheOffsetElements)
{
  KyTestDrawing drawing;
  const OdDbObjectId standard = addStyle(drawing.db(), L"Standard");
  OdDbMlinePtr m = OdDbMline::createObject();
  OdGeExtents3d ext;
  EXPECT_EQ(m->getGeomExtents(ext), eInvalidExtents);
  m = makeMline(standard, {OdGePoint3d(0, 0, 0), OdGePoint3d(10, 0, 0)});
  m->setScale(4.0);
  ASSERT_EQ(m->getGeomExtents(ext), eOk);
  kyExpectPoint(ext.minPoint(), OdGePoint3d(0, -4, 0));
  kyExpectPoint(ext.maxPoint(), OdGePoint3d(10, 0, 0));
}

TEST(Mline, RefusalsLeaveTheMultilineUnchanged)
{
  KyTestDrawing drawing;
  const OdDbObjectId standard = addStyle(drawing.db(), L"Standard");
  OdDbMlinePtr m = makeMline(standard, {OdGePoint3d(0, 0, 0), OdGePoint3d(10, 0, 0), OdGePoint3d(10, 10, 0)});
  const OdDbDxfTagList before = kySnapshot(m);
  const double nan = std::nan("");
  EXPECT_THROW(m->setScale(nan), OdError);
  EXPECT_THROW(m->setScale(kInf), OdError);
  // Finite, but the corner's miter distance would overflow.
  EXPECT_THROW(m->setScale(1.5e308), OdError);
  EXPECT_THROW(m->appendSeg(OdGePoint3d(nan, 0, 0)), OdError);
  EXPECT_THROW(m->moveVertexAt(0, OdGePoint3d(0, kInf, 0)), OdError);
  EXPECT_THROW(m->moveVertexAt(3, OdGePoint3d(0, 0, 0)), OdError);
  EXPECT_THROW(m->vertexAt(-1), OdError);
  EXPECT_THROW(m->setNormal(OdGeVector3d()), OdError);
  EXPECT_THROW(m->setJustification(static_cast<Mline::MlineJustification>(3)), OdError);
  OdGeMatrix3d shear;
  shear.entry[0][1] = 1.0;
  EXPECT_EQ(m->transformBy(shear), eNotApplicable);
  EXPECT_EQ(kySnapshot(m), before);
  // A transform whose scale leaves the finite range.
  m->setScale(1e308);
  const OdDbDxfTagList large = kySnapshot(m);
  EXPECT_EQ(m->transformBy(OdGeMatrix3d::scaling(10.0)), eInvalidInput);
  EXPECT_EQ(kySnapshot(m), large);
  OdGePoint3d last;
  ASSERT_EQ(m->removeLastSeg(last), eOk);
  kyExpectPoint(last, OdGePoint3d(10, 10, 0));
  EXPECT_EQ(m->numVertices(), 2);
}

TEST(Mline, TransformsMoveVerticesScaleElementsAndKeepSidesUnderReflection)
{
  KyTestDrawing drawing;
  const OdDbObjectId standard = addStyle(drawing.db(), L"Standard");
  OdDbMlinePtr m = makeMline(standard, {OdGePoint3d(0, 0, 0), OdGePoint3d(10, 0, 0)});
  ASSERT_EQ(m->transformBy(OdGeMatrix3d::scaling(2.0) * OdGeMatrix3d::translation(OdGeVector3d(1, 0, 0))), eOk);
  EXPECT_DOUBLE_EQ(m->scale(), 2.0);
  kyExpectPoint(m->vertexAt(1), OdGePoint3d(22, 0, 0));
  kyExpectPoint(m->elementPointAt(1, 1), OdGePoint3d(22, -2, 0));
  // Mirrored in the XZ plane: the bottom element, below the line, comes to lie above it.
  ASSERT_EQ(m->transformBy(OdGeMatrix3d::mirroring(OdGePlane(OdGePoint3d::kOrigin, OdGeVector3d::kYAxis))), eOk);
  kyExpectPoint(m->elementPointAt(1, 1), OdGePoint3d(22, 2, 0));
  EXPECT_NEAR(m->normal().z, -1.0, kEps);
}

TEST(Mline, OpenModesAreEnforced)
{
  KyTestDrawing drawing;
  const OdDbObjectId standard = addStyle(drawing.db(), L"Standard");
  OdDbObjectId id;
  {
    OdDbMlinePtr made = makeMline(standard, {OdGePoint3d(0, 0, 0), OdGePoint3d(10, 0, 0)});
    id = drawing.add(made);
  }
  OdDbMlinePtr m = id.openObject(OdDb::kForRead);
  EXPECT_NO_THROW(m->vertexAt(0));
  for (auto write : {+[](OdDbMline* x) { x->setScale(2.0); }, +[](OdDbMline* x) { x->appendSeg(OdGePoint3d()); },
                     +[](OdDbMline* x) { x->moveVertexAt(0, OdGePoint3d(1, 1, 0)); },
                     +[](OdDbMline* x) { x->setJustification(Mline::kZero); }})
  {
    try
    {
      write(m);
      ADD_FAILURE() << "written while open for read";
    }
    catch (const OdError& x)
    {
      EXPECT_EQ(x.code(), eNotOpenForWrite);
    }
  }
  EXPECT_FALSE(m->isModified());
}

TEST(Mline, CopyKeepsGeometryAndStyle)
{
  KyTestDrawing drawing;
  const OdDbObjectId standard = addStyle(drawing.db(), L"Standard");
  OdDbMlinePtr m = makeMline(standard, {OdGePoint3d(0, 0, 0), OdGePoint3d(10, 0, 0)});
  m->setSuppressEndCaps(true);
  OdDbMlinePtr copy = m->clone();
  EXPECT_EQ(kySnapshot(copy), kySnapshot(m));
  EXPECT_EQ(copy->style(), standard);
  EXPECT_TRUE(copy->suppressEndCaps());
}

// Appends and vertex moves recompute only the vertices near the change: on a long multiline with
// corners and repeated points the result is what recomputing every vertex gives.
TEST(Mline, LocalRecomputationAgreesWithAFullOne)
{
  KyTestDrawing drawing;
  const OdDbObjectId standard = addStyle(drawing.db(), L"Standard");
  for (bool closed : {false, true})
  {
    SCOPED_TRACE(closed ? "closed" : "open");
    OdDbMlinePtr m = OdDbMline::createObject();
    m->setStyle(standard);
    m->setClosedMline(closed);
    for (int i = 0; i < 200; ++i)
      m->appendSeg(OdGePoint3d(i / 3, (i / 3) % 2 == 0 ? 0.0 : 5.0, 0.0)); // each point three times
    m->moveVertexAt(100, OdGePoint3d(40, -7, 0));
    m->moveVertexAt(0, OdGePoint3d(-3, 2, 0));
    const OdDbDxfTagList local = kySnapshot(m);
    // Setting the normal again recomputes every vertex.
    m->setNormal(m->normal());
    EXPECT_EQ(kySnapshot(m), local);
  }
}
