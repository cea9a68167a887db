// Tests of the dimension stand-ins: the variable table (each variable once, found by code and by
// name, imperial and metric defaults), the style record's generated accessors beside its access by
// group code, a dimension's overrides over its style (one dimension only, re-basing on a style,
// copying style data), refused values, the measurement and text place of the linear kinds, and
// the arc kinds' measurement, leader and extension arc switch (also through the host's edits).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <set>
#include <string>

#include "DbAlignedDimension.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbDiametricDimension.h"
#include "DbDimStyleTable.h"
#include "DbFiler.h"
#include "DbObjectContextManager.h"
#include "DbRadialDimension.h"
#include "DbRotatedDimension.h"
#include "Ge/GeMatrix3d.h"
#include "KyDbExtension.h"
#include "KyObjectAnnotationContext.h"
#include "OdError.h"

namespace
{
const double kNaN = std::numeric_limits<double>::quiet_NaN();

OdResult errorOf(const std::function<void()>& f)
{
  try
  {
    f();
  }
  catch (const OdError& e)
  {
    return e.code();
  }
  return eOk;
}

std::string state(const OdDbObject* object)
{
  OdDbDxfTagList tags;
  object->dxfOutFields(&tags);
  return tags.toString();
}

int var(OdDimVar v)
{
  return static_cast<int>(v);
}

struct Dimensions : ::testing::Test
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();

  OdDbObjectId addStyle(const OdString& name)
  {
    OdDbSymbolTablePtr styles = db->getDimStyleTableId().safeOpenObject(OdDb::kForWrite);
    OdDbDimStyleTableRecordPtr style = OdDbDimStyleTableRecord::createObject();
    style->setName(name);
    return styles->add(style);
  }
  OdDbDimStyleTableRecordPtr style(const OdDbObjectId& id, OdDb::OpenMode mode = OdDb::kForWrite)
  {
    return OdDbDimStyleTableRecord::cast(id.safeOpenObject(mode).get());
  }
  template <class T>
  OdSmartPtr<T> add(const OdDbObjectId& styleId)
  {
    OdSmartPtr<T> dim = T::createObject();
    dim->setDimensionStyle(styleId);
    OdDbBlockTableRecordPtr space = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    space->appendOdDbEntity(dim);
    return dim;
  }
};
} // namespace

TEST(DimensionVariables, EachVariableIsListedOnceAndFoundByCodeAndName)
{
  std::set<std::string> names;
  std::set<int> codes;
  for (int i = 0; i < kOdDimVarCount; ++i)
  {
    const OdDimVarDesc& d = odDimVarDesc(i);
    EXPECT_TRUE(names.insert(d.name).second) << d.name;
    EXPECT_EQ(odDimVarByName(d.name), i) << d.name;
    EXPECT_EQ(odDimVarByName(d.name + 3), i) << d.name;
    if (d.flags & kOdDimVarNoDxf)
    {
      EXPECT_EQ(d.code, 0) << d.name;
      continue;
    }
    EXPECT_TRUE(codes.insert(d.code).second) << d.name << " shares code " << d.code;
    EXPECT_EQ(odDimVarByCode(d.code, false), i) << d.name;
    EXPECT_EQ(odDimVarByCode(d.code, true), (d.flags & kOdDimVarNoRecordCode) ? -1 : i) << d.name;
  }
  EXPECT_EQ(odDimVarByName("DIMASZ"), var(OdDimVar::dimasz));
  EXPECT_EQ(odDimVarByName("nothing"), -1);
  EXPECT_EQ(odDimVarByCode(5, true), -1);
  EXPECT_EQ(errorOf([] { odDimVarDesc(kOdDimVarCount); }), eInvalidIndex);
  // The style record and the dimension read the same list: a few known values and codes.
  EXPECT_EQ(odDimVarDesc(var(OdDimVar::dimtxt)).code, 140);
  EXPECT_EQ(odDimVarDesc(var(OdDimVar::dimblk1)).code, 343);
  EXPECT_EQ(odDimVarDesc(var(OdDimVar::dimlwd)).kind, OdDimVarKind::LineWeight);
}

TEST_F(Dimensions, StylesStartImperialAndTakeMetricDefaults)
{
  OdDbDimStyleTableRecordPtr s = style(addStyle(L"Iso"));
  EXPECT_DOUBLE_EQ(s->dimasz(), 0.18);
  EXPECT_EQ(s->dimdsep(), L'.');
  EXPECT_TRUE(s->dimtih());
  EXPECT_EQ(s->dimlwd(), OdDb::kLnWtByBlock);
  EXPECT_TRUE(s->dimclrd().isByBlock());
  EXPECT_TRUE(s->dimVarCodes().isEmpty());
  s->setDefaults(true);
  EXPECT_DOUBLE_EQ(s->dimasz(), 2.5);
  EXPECT_EQ(s->dimdsep(), L',');
  EXPECT_FALSE(s->dimtih());
  EXPECT_EQ(s->dimzin(), 8);
  // The metric values that differ from the imperial ones count as set; the others do not.
  EXPECT_TRUE(s->isDimVarSet(var(OdDimVar::dimasz)));
  EXPECT_FALSE(s->isDimVarSet(var(OdDimVar::dimscale)));
  EXPECT_DOUBLE_EQ(s->dimVar(41)->getDouble(), 2.5);
  EXPECT_TRUE(s->dimVar(40).isNull());
}

TEST_F(Dimensions, NamedAccessorsAndGroupCodesReachTheSameVariable)
{
  OdDbDimStyleTableRecordPtr s = style(addStyle(L"Codes"));
  s->setDimasz(0.25);
  EXPECT_DOUBLE_EQ(s->dimVar(41)->getDouble(), 0.25);
  s->setDimVar(OdResBuf::newRb(140, 3.5));
  EXPECT_DOUBLE_EQ(s->dimtxt(), 3.5);
  s->setDimVar(OdResBuf::newRb(173, static_cast<OdInt32>(1)));
  EXPECT_TRUE(s->dimsah());
  s->setDimVar(OdResBuf::newRb(178, static_cast<OdInt16>(3)));
  EXPECT_EQ(s->dimclrt().colorIndex(), 3);
  s->setDimpost(L"<> mm");
  EXPECT_EQ(s->dimVar(3)->getString(), OdString(L"<> mm"));
  // A code that names no variable is kept as it came.
  s->setDimVar(OdResBuf::newRb(5, L"_DOT"));
  EXPECT_EQ(s->dimVar(5)->getString(), OdString(L"_DOT"));
  const OdArray<int> codes = s->dimVarCodes();
  const int expected[] = {3, 5, 41, 140, 173, 178};
  ASSERT_EQ(codes.size(), 6u);
  for (unsigned i = 0; i < codes.size(); ++i)
    EXPECT_EQ(codes[i], expected[i]);
  // Removing a variable takes it back to its default.
  EXPECT_EQ(s->removeDimVar(41), eOk);
  EXPECT_DOUBLE_EQ(s->dimasz(), 0.18);
  EXPECT_EQ(s->removeDimVar(41), eKeyNotFound);
  // Refused values change nothing.
  const std::string before = state(s);
  EXPECT_EQ(errorOf([&] { s->setDimasz(kNaN); }), eInvalidInput);
  EXPECT_EQ(errorOf([&] { s->setDimlwd(static_cast<OdDb::LineWeight>(7)); }), eInvalidInput);
  EXPECT_EQ(errorOf([&] { s->setDimVar(OdResBuf::newRb(41, L"big")); }), eInvalidResBuf);
  EXPECT_EQ(state(s), before);
  s->downgradeOpen();
  EXPECT_EQ(errorOf([&] { s->setDimasz(1.0); }), eNotOpenForWrite);
}

TEST_F(Dimensions, AnOverrideChangesOneDimensionAndLeavesTheStyle)
{
  const OdDbObjectId styleId = addStyle(L"Plan");
  style(styleId)->setDimtxt(0.2);
  OdDbRotatedDimensionPtr a = add<OdDbRotatedDimension>(styleId);
  OdDbRotatedDimensionPtr b = add<OdDbRotatedDimension>(styleId);
  EXPECT_DOUBLE_EQ(a->dimtxt(), 0.2);
  a->setDimtxt(0.5);
  a->setDimpost(L"mm");
  EXPECT_DOUBLE_EQ(a->dimtxt(), 0.5);
  EXPECT_DOUBLE_EQ(b->dimtxt(), 0.2);
  EXPECT_DOUBLE_EQ(style(styleId, OdDb::kForRead)->dimtxt(), 0.2);
  EXPECT_TRUE(a->hasDimVarOverride(var(OdDimVar::dimtxt)));
  EXPECT_FALSE(b->hasDimVarOverride(var(OdDimVar::dimtxt)));
  // The style's later changes show through where there is no override.
  style(styleId)->setDimasz(0.3);
  style(styleId)->setDimtxt(0.4);
  EXPECT_DOUBLE_EQ(a->dimasz(), 0.3);
  EXPECT_DOUBLE_EQ(a->dimtxt(), 0.5);
  EXPECT_DOUBLE_EQ(b->dimtxt(), 0.4);
  // Overrides are listed in list order.
  const OdArray<int> overrides = a->dimVarOverrides();
  ASSERT_EQ(overrides.size(), 2u);
  EXPECT_EQ(overrides[0], var(OdDimVar::dimpost));
  EXPECT_EQ(overrides[1], var(OdDimVar::dimtxt));
  // A copy carries the overrides and reads them.
  OdDbDimensionPtr copy = a->clone();
  EXPECT_DOUBLE_EQ(copy->dimtxt(), 0.5);
  EXPECT_EQ(copy->dimpost(), OdString(L"mm"));
  EXPECT_EQ(a->removeDimVarOverride(var(OdDimVar::dimtxt)), eOk);
  EXPECT_DOUBLE_EQ(a->dimtxt(), 0.4);
  EXPECT_EQ(a->removeDimVarOverride(var(OdDimVar::dimtxt)), eKeyNotFound);
  // Without a style the imperial defaults are in force.
  OdDbAlignedDimensionPtr loose = OdDbAlignedDimension::createObject();
  EXPECT_DOUBLE_EQ(loose->dimasz(), 0.18);
}

TEST_F(Dimensions, StyleDataRebasesAndCopiesTheVariablesInForce)
{
  const OdDbObjectId plan = addStyle(L"Plan"), detail = addStyle(L"Detail");
  style(detail)->setDimasz(0.1);
  style(detail)->setDimscale(2.0);
  OdDbAlignedDimensionPtr dim = add<OdDbAlignedDimension>(plan);
  dim->setDimasz(0.1);
  dim->setDimgap(-0.05);
  // Another style keeps the overrides, now over that style's values.
  dim->setDimensionStyle(detail);
  EXPECT_DOUBLE_EQ(dim->dimscale(), 2.0);
  EXPECT_EQ(dim->dimVarOverrides().size(), 2u);
  // The style's own data drops every override.
  dim->setDimstyleData(detail);
  EXPECT_TRUE(dim->dimVarOverrides().isEmpty());
  EXPECT_DOUBLE_EQ(dim->dimgap(), 0.09);
  // A record with other values: exactly the differing variables become overrides.
  OdDbDimStyleTableRecordPtr temp = OdDbDimStyleTableRecord::createObject();
  dim->getDimstyleData(temp);
  EXPECT_DOUBLE_EQ(temp->dimasz(), 0.1);
  EXPECT_DOUBLE_EQ(temp->dimscale(), 2.0);
  temp->setDimtxt(1.0);
  temp->setDimasz(0.2);
  dim->setDimstyleData(temp);
  const OdArray<int> overrides = dim->dimVarOverrides();
  ASSERT_EQ(overrides.size(), 2u);
  EXPECT_EQ(overrides[0], var(OdDimVar::dimasz));
  EXPECT_EQ(overrides[1], var(OdDimVar::dimtxt));
  EXPECT_DOUBLE_EQ(dim->dimtxt(), 1.0);
  // Only dimension styles can be a dimension's style.
  EXPECT_EQ(errorOf([&] { dim->setDimensionStyle(db->getLayerZeroId()); }), eWrongObjectType);
  EXPECT_EQ(errorOf([&] { dim->setDimstyleData(db->getLayerZeroId()); }), eWrongObjectType);
  EXPECT_EQ(dim->dimensionStyle(), detail);
}

TEST_F(Dimensions, RefusedValuesLeaveTheDimensionUnchanged)
{
  OdDbRotatedDimensionPtr dim = add<OdDbRotatedDimension>(addStyle(L"S"));
  dim->setXLine2Point(OdGePoint3d(4, 0, 0));
  const struct
  {
    const char* what;
    std::function<void(OdDbRotatedDimension*)> change;
  } cases[] = {
    {"variable", [](OdDbRotatedDimension* d) { d->setDimtxt(kNaN); }},
    {"lineweight", [](OdDbRotatedDimension* d) { d->setDimlwe(static_cast<OdDb::LineWeight>(3)); }},
    {"point", [](OdDbRotatedDimension* d) { d->setDimLinePoint(OdGePoint3d(kNaN, 0, 0)); }},
    {"rotation", [](OdDbRotatedDimension* d) { d->setRotation(kNaN); }},
    {"text rotation", [](OdDbRotatedDimension* d) { d->setTextRotation(kNaN); }},
    {"attachment", [](OdDbRotatedDimension* d) { d->setTextAttachment(10); }},
    {"line spacing", [](OdDbRotatedDimension* d) { d->setTextLineSpacingFactor(5.0); }},
    {"fill mode", [](OdDbRotatedDimension* d) { d->setBgrndTxtColor(OdCmColor(), 3); }},
    {"inspection frame", [](OdDbRotatedDimension* d) { d->setInspectionFrame(64); }},
    {"normal", [](OdDbRotatedDimension* d) { d->setNormal(OdGeVector3d()); }},
  };
  const std::string before = state(dim);
  for (const auto& c : cases)
  {
    EXPECT_EQ(errorOf([&] { c.change(dim); }), eInvalidInput) << c.what;
    EXPECT_EQ(state(dim), before) << c.what;
  }
  dim->downgradeOpen();
  EXPECT_EQ(errorOf([&] { dim->setDimasz(1.0); }), eNotOpenForWrite);
  EXPECT_FALSE(dim->hasDimVarOverride(var(OdDimVar::dimasz)));
}

TEST_F(Dimensions, LinearKindsMeasureAlongTheirOwnDirection)
{
  const struct
  {
    OdGePoint3d x1, x2;
    double rotation;
    double aligned, rotated;
  } cases[] = {
    {{0, 0, 0}, {3, 4, 0}, 0.0, 5.0, 3.0},
    {{0, 0, 0}, {3, 4, 0}, M_PI / 2, 5.0, 4.0},
    {{1, 1, 0}, {-2, 1, 0}, M_PI, 3.0, 3.0},
    {{0, 0, 0}, {2, 2, 0}, M_PI / 4, std::sqrt(8.0), std::sqrt(8.0)},
  };
  for (const auto& c : cases)
  {
    OdDbAlignedDimensionPtr aligned = OdDbAlignedDimension::createObject();
    OdDbRotatedDimensionPtr rotated = OdDbRotatedDimension::createObject();
    aligned->setXLine1Point(c.x1);
    aligned->setXLine2Point(c.x2);
    rotated->setXLine1Point(c.x1);
    rotated->setXLine2Point(c.x2);
    rotated->setRotation(c.rotation);
    EXPECT_NEAR(aligned->getMeasurement(), c.aligned, 1e-12);
    EXPECT_NEAR(rotated->getMeasurement(), c.rotated, 1e-12);
  }
  // The text sits in the middle of the dimension line until it is put somewhere.
  OdDbRotatedDimensionPtr dim = OdDbRotatedDimension::createObject();
  dim->setXLine1Point(OdGePoint3d(0, 0, 0));
  dim->setXLine2Point(OdGePoint3d(10, 3, 0));
  dim->setDimLinePoint(OdGePoint3d(2, 5, 0));
  EXPECT_TRUE(dim->textPosition().isEqualTo(OdGePoint3d(5, 5, 0)));
  dim->useSetTextPosition();
  dim->setTextPosition(OdGePoint3d(1, 1, 0));
  dim->setDimLinePoint(OdGePoint3d(2, 7, 0));
  EXPECT_TRUE(dim->textPosition().isEqualTo(OdGePoint3d(1, 1, 0)));
  dim->useDefaultTextPosition();
  EXPECT_TRUE(dim->textPosition().isEqualTo(OdGePoint3d(5, 7, 0)));
  // Transforms move the points and turn the direction with them.
  ASSERT_EQ(dim->transformBy(OdGeMatrix3d::rotation(M_PI / 2, OdGeVector3d::kZAxis)), eOk);
  EXPECT_NEAR(dim->rotation(), M_PI / 2, 1e-12);
  EXPECT_NEAR(dim->getMeasurement(), 10.0, 1e-12);
  ASSERT_EQ(dim->transformBy(OdGeMatrix3d::scaling(2.0)), eOk);
  EXPECT_NEAR(dim->getMeasurement(), 20.0, 1e-12);
  EXPECT_TRUE(dim->xLine2Point().isEqualTo(OdGePoint3d(-6, 20, 0)));
}

TEST_F(Dimensions, ArcKindsMeasureFromTheirChordPointAndScaleTheLeader)
{
  const OdDbObjectId styleId = addStyle(L"Arcs");
  OdDbRadialDimensionPtr radial = add<OdDbRadialDimension>(styleId);
  radial->setCenter(OdGePoint3d(1, 1, 0));
  radial->setChordPoint(OdGePoint3d(4, 5, 0));
  radial->setLeaderLength(2.0);
  EXPECT_NEAR(radial->getMeasurement(), 5.0, 1e-12);
  // The text waits at the leader's end, on from the chord point away from the centre.
  EXPECT_TRUE(radial->textPosition().isEqualTo(OdGePoint3d(4 + 1.2, 5 + 1.6, 0)));
  OdDbDiametricDimensionPtr diametric = add<OdDbDiametricDimension>(styleId);
  diametric->setFarChordPoint(OdGePoint3d(-3, 0, 0));
  diametric->setChordPoint(OdGePoint3d(3, 0, 0));
  diametric->setLeaderLength(1.0);
  EXPECT_NEAR(diametric->getMeasurement(), 6.0, 1e-12);
  EXPECT_TRUE(diametric->textPosition().isEqualTo(OdGePoint3d(4, 0, 0)));

  ASSERT_EQ(radial->transformBy(OdGeMatrix3d::scaling(3.0)), eOk);
  EXPECT_NEAR(radial->getMeasurement(), 15.0, 1e-12);
  EXPECT_NEAR(radial->leaderLength(), 6.0, 1e-12);
  EXPECT_TRUE(radial->center().isEqualTo(OdGePoint3d(3, 3, 0)));
  ASSERT_EQ(diametric->transformBy(OdGeMatrix3d::rotation(M_PI / 2, OdGeVector3d::kZAxis)), eOk);
  EXPECT_TRUE(diametric->chordPoint().isEqualTo(OdGePoint3d(0, 3, 0)));
  EXPECT_NEAR(diametric->leaderLength(), 1.0, 1e-12);
  OdGeMatrix3d bad;
  bad.entry[0][0] = kNaN;
  EXPECT_EQ(diametric->transformBy(bad), eInvalidInput);
  EXPECT_TRUE(diametric->chordPoint().isEqualTo(OdGePoint3d(0, 3, 0)));

  // Refused points and lengths change nothing; copies keep every value and the arc switch.
  EXPECT_EQ(errorOf([&] { radial->setChordPoint(OdGePoint3d(kNaN, 0, 0)); }), eInvalidInput);
  EXPECT_EQ(errorOf([&] { diametric->setLeaderLength(kNaN); }), eInvalidInput);
  EXPECT_NEAR(radial->getMeasurement(), 15.0, 1e-12);
  EXPECT_NEAR(diametric->leaderLength(), 1.0, 1e-12);
  radial->setExtArcOn(true);
  OdDbRadialDimensionPtr radialCopy = OdDbRadialDimension::createObject();
  radialCopy->copyFrom(radial);
  EXPECT_TRUE(radialCopy->extArcOn());
  EXPECT_NEAR(radialCopy->leaderLength(), 6.0, 1e-12);
  EXPECT_TRUE(radialCopy->chordPoint().isEqualTo(radial->chordPoint()));
  diametric->setExtArcOn(true);
  OdDbDiametricDimensionPtr diametricCopy = OdDbDiametricDimension::createObject();
  diametricCopy->copyFrom(diametric);
  EXPECT_TRUE(diametricCopy->extArcOn());
  EXPECT_TRUE(diametricCopy->farChordPoint().isEqualTo(diametric->farChordPoint()));
  EXPECT_TRUE(OdDbRadialDimension::desc()->isDerivedFrom(OdDbDimension::desc()));
  EXPECT_TRUE(OdDbDiametricDimension::desc()->isDerivedFrom(OdDbDimension::desc()));
}

TEST_F(Dimensions, HostSwitchesTheExtensionArcOnlyOnDimensionsOpenForWrite)
{
  const OdDbObjectId styleId = addStyle(L"Arcs");
  OdDbRadialDimensionPtr radial = add<OdDbRadialDimension>(styleId);
  OdDbDiametricDimensionPtr diametric = add<OdDbDiametricDimension>(styleId);
  CKyDbExtension* host = GetKyDbExtension();
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(host, GetKyDbExtension());
  EXPECT_EQ(host->SetRadialDimensionExtArcOn(radial, true), eOk);
  EXPECT_TRUE(radial->extArcOn());
  EXPECT_EQ(host->SetRadialDimensionExtArcOn(radial, false), eOk);
  EXPECT_FALSE(radial->extArcOn());
  EXPECT_EQ(kyDiametricDimensionSetExtArcOn(diametric, true), eOk);
  EXPECT_TRUE(diametric->extArcOn());
  EXPECT_EQ(host->SetRadialDimensionExtArcOn(nullptr, true), eInvalidInput);
  EXPECT_EQ(kyDiametricDimensionSetExtArcOn(nullptr, true), eInvalidInput);
  radial->downgradeOpen();
  diametric->downgradeOpen();
  EXPECT_EQ(host->SetRadialDimensionExtArcOn(radial, true), eNotOpenForWrite);
  EXPECT_EQ(kyDiametricDimensionSetExtArcOn(diametric, false), eNotOpenForWrite);
  EXPECT_FALSE(radial->extArcOn());
  EXPECT_TRUE(diametric->extArcOn());
  EXPECT_EQ(errorOf([&] { radial->setExtArcOn(true); }), eNotOpenForWrite);
}

TEST_F(Dimensions, AnnotativeStateFollowsTheStyleAndSetsTheScale)
{
  const OdDbObjectId annotative = addStyle(L"Anno");
  OdDbAnnotativeObject::setAnnotative(style(annotative).get(), true);
  OdDbRotatedDimensionPtr dim = add<OdDbRotatedDimension>(annotative);
  const OdDbObjectId id = dim->objectId();
  dim->setDimscale(4.0);
  dim.release();
  EXPECT_TRUE(CKyObjectAnnotationContext::SetAnnotativeByStyle(id));
  EXPECT_TRUE(CKyObjectAnnotationContext::IsAnnotative(id));
  EXPECT_TRUE(CKyObjectAnnotationContext::UpdateDimensionsOverrides(id, true));
  EXPECT_DOUBLE_EQ(OdDbDimension::cast(id.safeOpenObject().get())->dimscale(), 1.0);
  // No longer annotative: the scale's inverse keeps the model size.
  EXPECT_TRUE(CKyObjectAnnotationContext::UpdateDimensionsOverrides(id, false));
  const double factor = CKyObjectAnnotationContext::GetCurrentScaleFactor(id.safeOpenObject().get());
  EXPECT_DOUBLE_EQ(OdDbDimension::cast(id.safeOpenObject().get())->dimscale(), 1.0 / factor);
}
