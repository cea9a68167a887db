// Entities and lines: the common property setters with their refusals, doSubents reaching
// overrides, database defaults, and the line's geometry, refusals and transformation.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "DbBlockTable.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbFiler.h"
#include "DbLayerTable.h"
#include "DbLine.h"
#include "DbLinetypeTable.h"
#include "Ge/GeGbl.h"

namespace
{
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// Records what reached the overridable setters.
class RecordingLine : public OdDbLine
{
public:
  using OdDbLine::setLayer;
  int layerCalls = 0;
  bool lastDoSubents = false;
  bool lastAllowHidden = true;
  OdResult setLayer(OdDbObjectId id, bool doSubents, bool allowHidden) override
  {
    ++layerCalls;
    lastDoSubents = doSubents;
    lastAllowHidden = allowHidden;
    return OdDbLine::setLayer(id, doSubents, allowHidden);
  }
  OdResult setColor(const OdCmColor& color, bool doSubents) override
  {
    lastDoSubents = doSubents;
    return OdDbLine::setColor(color, doSubents);
  }
};

struct DbEntities : ::testing::Test
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);

  OdDbObjectId addLayer(const OdString& name)
  {
    OdDbLayerTablePtr layers = db->getLayerTableId().safeOpenObject(OdDb::kForWrite);
    OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
    layer->setName(name);
    return layers->add(layer);
  }
};

OdDbDxfTagList snapshot(const OdDbObject* obj)
{
  OdDbDxfTagList tags;
  obj->dxfOut(&tags);
  return tags;
}
} // namespace

TEST_F(DbEntities, SetLayerAcceptsLayersAndRefusesOtherIds)
{
  OdDbLinePtr line = OdDbLine::createObject();
  ms->appendOdDbEntity(line);
  const OdDbObjectId walls = addLayer(L"Walls");
  EXPECT_EQ(eOk, line->setLayer(walls));
  EXPECT_EQ(walls, line->layerId());
  EXPECT_EQ(OdString(L"Walls"), line->layer());

  EXPECT_EQ(eWrongObjectType, line->setLayer(db->getLinetypeContinuousId()));
  EXPECT_EQ(eNullObjectId, line->setLayer(OdDbObjectId()));
  OdDbDatabasePtr other = OdDbDatabase::createObject();
  EXPECT_EQ(eWrongDatabase, line->setLayer(other->getLayerZeroId()));
  EXPECT_EQ(eKeyNotFound, line->setLayer(OdString(L"Missing")));
  EXPECT_EQ(walls, line->layerId());

  EXPECT_EQ(eOk, line->setLayer(OdString(L"0")));
  EXPECT_EQ(db->getLayerZeroId(), line->layerId());
}

TEST_F(DbEntities, HiddenLayerNeedsPermission)
{
  const OdDbObjectId hidden = addLayer(L"Hidden");
  {
    OdDbLayerTableRecordPtr layer = hidden.safeOpenObject(OdDb::kForWrite);
    layer->setIsHidden(true);
  }
  OdDbLinePtr line = OdDbLine::createObject();
  ms->appendOdDbEntity(line);
  EXPECT_EQ(eInvalidInput, line->setLayer(hidden));
  EXPECT_EQ(db->getLayerZeroId(), line->layerId());
  EXPECT_EQ(eOk, line->setLayer(hidden, true, true));
}

TEST_F(DbEntities, OverriddenSettersReceiveDoSubents)
{
  OdSmartPtr<RecordingLine> line = new RecordingLine;
  ms->appendOdDbEntity(line);
  const OdDbObjectId walls = addLayer(L"Walls");
  // The name form goes through the virtual id form.
  EXPECT_EQ(eOk, line->setLayer(OdString(L"Walls"), false, false));
  EXPECT_EQ(1, line->layerCalls);
  EXPECT_FALSE(line->lastDoSubents);
  EXPECT_FALSE(line->lastAllowHidden);
  OdDbEntity* asEntity = line.get();
  EXPECT_EQ(eOk, asEntity->setLayer(walls, true, false));
  EXPECT_TRUE(line->lastDoSubents);
  // setColorIndex reaches the colour override.
  EXPECT_EQ(eOk, asEntity->setColorIndex(5, false));
  EXPECT_FALSE(line->lastDoSubents);
  EXPECT_EQ(5, line->colorIndex());
}

TEST_F(DbEntities, XrefDependentLayerNamesAreRecognised)
{
  const OdDbObjectId plain = addLayer(L"Walls");
  const OdDbObjectId dependent = addLayer(L"Site|Walls");
  OdDbLayerTableRecordPtr plainLayer = plain.safeOpenObject();
  OdDbLayerTableRecordPtr depLayer = dependent.safeOpenObject();
  EXPECT_FALSE(plainLayer->isDependent());
  EXPECT_TRUE(depLayer->isDependent());
  EXPECT_FALSE(depLayer->isResolved());
  // The reference block makes it resolved.
  OdDbBlockTablePtr blocks = db->getBlockTableId().safeOpenObject(OdDb::kForWrite);
  OdDbBlockTableRecordPtr xref = OdDbBlockTableRecord::createObject();
  xref->setName(L"Site");
  xref->setPathName(L"/drawings/site.dxf");
  blocks->add(xref);
  EXPECT_TRUE(depLayer->isResolved());
}

TEST_F(DbEntities, PropertySettersRefuseBadValuesAndKeepTheEntity)
{
  OdDbLinePtr line = OdDbLine::createObject();
  ms->appendOdDbEntity(line);
  const OdDbDxfTagList before = snapshot(line);
  EXPECT_EQ(eInvalidInput, line->setLinetypeScale(0.0));
  EXPECT_EQ(eInvalidInput, line->setLinetypeScale(-1.0));
  EXPECT_EQ(eInvalidInput, line->setLinetypeScale(kNaN));
  EXPECT_EQ(eInvalidInput, line->setLineWeight(static_cast<OdDb::LineWeight>(17)));
  EXPECT_EQ(eInvalidInput, line->setColorIndex(300));
  EXPECT_EQ(eInvalidInput, line->setTransparency(OdCmTransparency(OdCmTransparency::kErrorValue)));
  EXPECT_EQ(eWrongObjectType, line->setLinetype(db->getLayerZeroId()));
  // Colour-dependent drawings have no named plot styles.
  EXPECT_EQ(eNotApplicable, line->setPlotStyleName(L"Thick"));
  EXPECT_EQ(OdString(L"ByColor"), line->plotStyleName());
  EXPECT_EQ(before, snapshot(line)) << snapshot(line).toString();

  db->setPSTYLEMODE(false);
  EXPECT_EQ(OdString(L"ByLayer"), line->plotStyleName());
  EXPECT_EQ(eOk, line->setPlotStyleName(L"Thick"));
  EXPECT_EQ(OdString(L"Thick"), line->plotStyleName());
  EXPECT_EQ(eOk, line->setLineWeight(OdDb::kLnWt050));
  EXPECT_EQ(eOk, line->setLinetypeScale(2.5));
  EXPECT_EQ(eOk, line->setLinetype(db->getLinetypeContinuousId()));
  EXPECT_EQ(OdString(L"Continuous"), line->linetype());
}

TEST_F(DbEntities, DatabaseDefaultsAndPropertiesFromAnotherEntity)
{
  const OdDbObjectId walls = addLayer(L"Walls");
  db->setCLAYER(walls);
  OdCmColor red;
  red.setColorIndex(1);
  db->setCECOLOR(red);
  db->setCELTSCALE(3.0);
  OdDbLinePtr line = OdDbLine::createObject();
  line->setDatabaseDefaults(db);
  EXPECT_EQ(walls, line->layerId());
  EXPECT_EQ(1, line->colorIndex());
  EXPECT_DOUBLE_EQ(3.0, line->linetypeScale());

  OdDbLinePtr other = OdDbLine::createObject();
  ms->appendOdDbEntity(other);
  EXPECT_EQ(walls, other->layerId()); // the current layer
  other->setPropertiesFrom(line);
  EXPECT_EQ(1, other->colorIndex());
  EXPECT_DOUBLE_EQ(3.0, other->linetypeScale());
  EXPECT_THROW(OdDbLine::createObject()->setDatabaseDefaults(), OdError);
}

TEST(DbLine, NonFiniteInputIsRefusedAndTheLineUnchanged)
{
  OdDbLinePtr line = OdDbLine::createObject();
  line->setStartPoint(OdGePoint3d(1, 2, 3));
  line->setEndPoint(OdGePoint3d(4, 6, 3));
  const OdDbDxfTagList before = snapshot(line);
  const OdGePoint3d badPoints[] = {OdGePoint3d(kNaN, 0, 0), OdGePoint3d(0, kInf, 0), OdGePoint3d(0, 0, -kInf)};
  for (const OdGePoint3d& bad : badPoints)
  {
    EXPECT_THROW(line->setStartPoint(bad), OdError);
    EXPECT_THROW(line->setEndPoint(bad), OdError);
  }
  EXPECT_THROW(line->setThickness(kNaN), OdError);
  EXPECT_THROW(line->setNormal(OdGeVector3d(0, 0, kInf)), OdError);
  EXPECT_THROW(line->setNormal(OdGeVector3d(0, 0, 0)), OdError);
  OdGeMatrix3d nanMatrix;
  nanMatrix.entry[0][3] = kNaN;
  EXPECT_EQ(eInvalidInput, line->transformBy(nanMatrix));
  EXPECT_EQ(before, snapshot(line)) << snapshot(line).toString();
}

TEST(DbLine, ParametersAreDistancesAlongTheLine)
{
  OdDbLinePtr line = OdDbLine::createObject();
  line->setStartPoint(OdGePoint3d(1, 1, 0));
  line->setEndPoint(OdGePoint3d(4, 5, 0));
  double param = -1.0;
  ASSERT_EQ(eOk, line->getEndParam(param));
  EXPECT_DOUBLE_EQ(5.0, param);
  OdGePoint3d p;
  ASSERT_EQ(eOk, line->getPointAtParam(2.5, p));
  EXPECT_TRUE(p.isEqualTo(OdGePoint3d(2.5, 3.0, 0)));
  ASSERT_EQ(eOk, line->getParamAtPoint(OdGePoint3d(2.5, 3.0, 0), param));
  EXPECT_NEAR(2.5, param, 1e-12);
  double dist = 0.0;
  ASSERT_EQ(eOk, line->getDistAtPoint(OdGePoint3d(4, 5, 0), dist));
  EXPECT_NEAR(5.0, dist, 1e-12);
  EXPECT_EQ(eInvalidInput, line->getPointAtParam(5.5, p));
  EXPECT_EQ(eInvalidInput, line->getParamAtPoint(OdGePoint3d(2.5, 0, 0), param));
  OdGeVector3d deriv;
  ASSERT_EQ(eOk, line->getFirstDeriv(1.0, deriv));
  EXPECT_TRUE(deriv.isEqualTo(OdGeVector3d(0.6, 0.8, 0)));
  ASSERT_EQ(eOk, line->getClosestPointTo(OdGePoint3d(10, 10, 0), p));
  EXPECT_TRUE(p.isEqualTo(OdGePoint3d(4, 5, 0)));
  ASSERT_EQ(eOk, line->getClosestPointTo(OdGePoint3d(10, 10, 0), p, true));
  EXPECT_NEAR(0.0, (p - OdGePoint3d(1, 1, 0)).crossProduct(OdGeVector3d(3, 4, 0)).length(), 1e-9);
  double area = -1.0;
  EXPECT_EQ(eOk, line->getArea(area));
  EXPECT_EQ(0.0, area);
}

TEST(DbLine, ExtentsIncludeTheThickness)
{
  OdDbLinePtr line = OdDbLine::createObject();
  line->setStartPoint(OdGePoint3d(0, 0, 0));
  line->setEndPoint(OdGePoint3d(2, 1, 0));
  line->setThickness(-3.0);
  OdGeExtents3d ext;
  ASSERT_EQ(eOk, line->getGeomExtents(ext));
  EXPECT_TRUE(ext.minPoint().isEqualTo(OdGePoint3d(0, 0, -3)));
  EXPECT_TRUE(ext.maxPoint().isEqualTo(OdGePoint3d(2, 1, 0)));
}

TEST(DbLine, TransformMovesPointsTurnsNormalAndScalesThickness)
{
  OdDbLinePtr line = OdDbLine::createObject();
  line->setStartPoint(OdGePoint3d(1, 0, 0));
  line->setEndPoint(OdGePoint3d(2, 0, 0));
  line->setThickness(1.0);
  const OdGeMatrix3d xform = OdGeMatrix3d::rotation(OdaPI / 2, OdGeVector3d::kXAxis) * OdGeMatrix3d::scaling(2.0);
  ASSERT_EQ(eOk, line->transformBy(xform));
  EXPECT_TRUE(line->startPoint().isEqualTo(OdGePoint3d(2, 0, 0)));
  EXPECT_TRUE(line->endPoint().isEqualTo(OdGePoint3d(4, 0, 0)));
  EXPECT_TRUE(line->normal().isEqualTo(OdGeVector3d(0, -1, 0)));
  EXPECT_DOUBLE_EQ(2.0, line->thickness());
}

TEST(DbLine, SnapshotWritesEveryPieceOfState)
{
  OdDbLinePtr line = OdDbLine::createObject();
  line->setStartPoint(OdGePoint3d(0.1, 0, 0));
  line->setEndPoint(OdGePoint3d(1, 2, 3));
  line->setThickness(0.25);
  const OdDbDxfTagList tags = snapshot(line);
  EXPECT_EQ(OdString(L"0.10000000000000001"), tags.find(10));
  EXPECT_EQ(OdString(L"3"), tags.find(31));
  EXPECT_EQ(OdString(L"0.25"), tags.find(39));
  EXPECT_EQ(OdString(L"1"), tags.find(230));
  EXPECT_EQ(OdString(L"256"), tags.find(62));
}
