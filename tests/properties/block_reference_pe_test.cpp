// Block reference rows: the ordinary and cloud forms built once per object, unit factor and scale
// edits (uniform blocks, refusals and their messages), positions in the UCS, rotation, the
// annotation rows from the block record, external references, the "LineStyle scale" hook and
// the listing, and the cloud radius edit that lays the arcs again along the stored outline.
#include <gtest/gtest.h>

#include <cmath>

#include "DbBlockReference.h"
#include "DbBlockTable.h"
#include "DbAttribute.h"
#include "DbArc.h"
#include "DbBlockTableRecord.h"
#include "DbLayerTableRecord.h"
#include "DbLine.h"
#include "Ge/GeGbl.h"
#include "KyBlockReferencePE.h"
#include "KyEntityPE.h"
#include "KyObjectAnnotationContext.h"
#include "KyPropertyTable.h"
#include "KyTexts.h"
#include "KyTestDrawing.h"
#include "KyTestGeometry.h"
#include "KyUtils.h"
#include "ResBuf.h"
#include "RxObjectImpl.h"

namespace
{
struct BlockReferenceRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  KyRecordingMessages messages;
  OdStaticRxObject<CKyBlockReferencePE> extension;

  OdDbObjectId addBlock(const OdString& name, OdDb::UnitsValue units = OdDb::kUnitsUndefined,
                        OdDbBlockTableRecord::BlockScaling scaling = OdDbBlockTableRecord::kAny,
                        const OdString& path = OdString())
  {
    OdDbBlockTablePtr table = drawing.db()->getBlockTableId().safeOpenObject(OdDb::kForWrite);
    OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
    block->setName(name);
    block->setBlockInsertUnits(units);
    block->setBlockScaling(scaling);
    block->setPathName(path);
    const OdDbObjectId id = table->add(block);
    OdDbLinePtr line = OdDbLine::createObject();
    line->setEndPoint(OdGePoint3d(1.0, 1.0, 0.0));
    block->appendOdDbEntity(line);
    return id;
  }
  OdDbBlockReferencePtr place(const OdDbObjectId& blockId, const OdGePoint3d& at = OdGePoint3d(),
                              const OdGeScale3d& scale = OdGeScale3d())
  {
    OdDbBlockReferencePtr ref = OdDbBlockReference::createObject();
    ref->setBlockTableRecord(blockId);
    ref->setPosition(at);
    ref->setScaleFactors(scale);
    drawing.add(ref);
    return ref;
  }
  void makeCloud(OdDbBlockReference* ref, const char* shape = "Rectangular")
  {
    drawing.db()->newRegApp(L"PE_CLOUD");
    OdResBufPtr head = OdResBuf::newRb(1001, L"PE_CLOUD");
    OdResBufPtr tail = head->setNext(OdResBuf::newRb(1000, OdString(shape)));
    tail = tail->setNext(OdResBuf::newRb(1011, OdGePoint3d(0.0, 0.0, 0.0)));
    tail = tail->setNext(OdResBuf::newRb(1011, OdGePoint3d(4.0, 0.0, 0.0)));
    tail = tail->setNext(OdResBuf::newRb(1011, OdGePoint3d(4.0, 2.0, 0.0)));
    tail->setNext(OdResBuf::newRb(1041, 0.5));
    ref->setXData(head);
  }
  const CKyPropertyDescription* row(KyPaletteRows& rows, const char* name)
  {
    const CKyPropertyDescription* d = rows.row(name);
    EXPECT_NE(d, nullptr) << name;
    return d;
  }
  CKyVariant get(OdDbBlockReference* ref, const char* name)
  {
    KyPaletteRows rows(ref);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->GetValue(ref, CKyVariant()) : CKyVariant();
  }
  int set(OdDbBlockReference* ref, const char* name, const CKyVariant& value)
  {
    KyPaletteRows rows(ref);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->SetValue(ref, value, CKyVariant()) : 0;
  }
  bool readOnly(OdDbBlockReference* ref, const char* name)
  {
    KyPaletteRows rows(ref);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->IsReadOnly(ref) : false;
  }
  std::vector<std::string> ownRows(OdDbBlockReference* ref)
  {
    KyPaletteRows rows(ref);
    std::vector<std::string> out;
    for (int i = 0; i < rows.container().GetCount(); ++i)
    {
      const CKyPropertyDescription* d = rows.container().GetAt(i);
      if (d->GetCategory().toQString() != QLatin1String("General"))
        out.push_back((d->GetCategory().toQString() + "/" + d->GetName().toQString()).toStdString());
    }
    return out;
  }
};
} // namespace

TEST_F(BlockReferenceRows, EachFormShowsItsRowsOnceInOrder)
{
  OdDbBlockReferencePtr ref = place(addBlock(L"Door"));
  const std::vector<std::string> ordinary{"Geometry/Position X", "Geometry/Position Y", "Geometry/Position Z",
                                          "Geometry/Scale X",    "Geometry/Scale Y",    "Geometry/Scale Z",
                                          "Misc/Name",           "Misc/Rotation",       "Misc/Block Units",
                                          "Misc/Block Unit Scale", "Misc/Annotative"};
  // The palette runs the dynamic pass again after GetPropertyNames ran it: no row twice.
  EXPECT_EQ(ordinary, ownRows(ref));
  makeCloud(ref);
  const std::vector<std::string> cloud{"Cloud Settings/Shape", "Cloud Settings/Radius", "Geometry/Position X",
                                       "Geometry/Position Y",  "Geometry/Position Z",   "Geometry/Scale X",
                                       "Geometry/Scale Y",     "Geometry/Scale Z"};
  EXPECT_EQ(cloud, ownRows(ref));
  EXPECT_EQ(QString("Cloud"), extension.GetClassName(ref).toQString());
  EXPECT_EQ(QString("Rectangular"), get(ref, "Shape").GetString().toQString());
  EXPECT_DOUBLE_EQ(0.5, get(ref, "Radius").GetDouble());
  EXPECT_TRUE(readOnly(ref, "Shape"));
}

TEST_F(BlockReferenceRows, MillimetreBlockInMetresShowsAndTakesScalesThroughTheUnitFactor)
{
  drawing.db()->setINSUNITS(OdDb::kUnitsMeters);
  OdDbBlockReferencePtr ref = place(addBlock(L"Bolt", OdDb::kUnitsMillimeters), OdGePoint3d(), OdGeScale3d(0.001));
  EXPECT_NEAR(0.001, get(ref, "Block Unit Scale").GetDouble(), 1e-15);
  EXPECT_EQ(CKyUtils::GetUnitsName(OdDb::kUnitsMillimeters), get(ref, "Block Units").GetString());
  EXPECT_NEAR(1.0, get(ref, "Scale X").GetDouble(), 1e-12);
  EXPECT_FALSE(get(ref, "Scale X").IsUnitBearing());
  EXPECT_EQ(5100, set(ref, "Scale X", CKyVariant(2.0, false)));
  EXPECT_NEAR(0.002, ref->scaleFactors().sx, 1e-15);
  EXPECT_NEAR(0.001, ref->scaleFactors().sy, 1e-15);
  EXPECT_NEAR(2.0, get(ref, "Scale X").GetDouble(), 1e-12);
  for (const char* name : {"Name", "Block Units", "Block Unit Scale"})
    EXPECT_TRUE(readOnly(ref, name)) << name;
  // A unitless drawing takes no factor.
  drawing.db()->setINSUNITS(OdDb::kUnitsUndefined);
  EXPECT_DOUBLE_EQ(1.0, get(ref, "Block Unit Scale").GetDouble());
}

TEST_F(BlockReferenceRows, UniformBlockScalesAllAxesAndLocksYAndZ)
{
  OdDbBlockReferencePtr ref =
    place(addBlock(L"Tree", OdDb::kUnitsUndefined, OdDbBlockTableRecord::kUniform), OdGePoint3d(), OdGeScale3d(2.0));
  EXPECT_TRUE(readOnly(ref, "Scale Y"));
  EXPECT_TRUE(readOnly(ref, "Scale Z"));
  EXPECT_FALSE(readOnly(ref, "Scale X"));
  EXPECT_EQ(5100, set(ref, "Scale X", CKyVariant(3.0, false)));
  EXPECT_EQ(OdGeScale3d(3.0), ref->scaleFactors());
}

TEST_F(BlockReferenceRows, RefusedScalesShowTheirMessageAndKeepTheReference)
{
  OdDbBlockReferencePtr ref = place(addBlock(L"Door"), OdGePoint3d(), OdGeScale3d(2.0, 3.0, 4.0));
  drawing.db()->newRegApp(L"PE_CLOUD");
  const struct
  {
    const char* what;
    bool cloud;
    CKyVariant value;
    const char* message;
  } cases[] = {
    {"zero", false, CKyVariant(0.0, false), "Value must be non-zero"},
    {"zero on a cloud", true, CKyVariant(0.0, false), "Value must be positive and nonzero."},
    {"negative on a cloud", true, CKyVariant(-1.0, false), "Value must be positive and nonzero."},
    {"text", false, CKyVariant("2"), nullptr},
    {"NaN", false, CKyVariant(std::nan(""), false), nullptr},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.what);
    if (c.cloud)
      makeCloud(ref);
    else
      ref->setXData(OdResBuf::newRb(1001, L"PE_CLOUD")); // the application alone removes the data
    messages.messages.clear();
    const OdDbDxfTagList before = kySnapshot(ref);
    EXPECT_EQ(-5001, set(ref, "Scale Y", c.value));
    EXPECT_EQ(before, kySnapshot(ref));
    if (c.message)
    {
      ASSERT_EQ(1u, messages.messages.size());
      EXPECT_EQ(QString(c.message), messages.messages[0].text);
      EXPECT_EQ(QString("Error"), messages.messages[0].caption);
    }
    else
      EXPECT_TRUE(messages.messages.empty());
  }
  // A negative scale of an ordinary reference mirrors it.
  EXPECT_EQ(5100, set(ref, "Scale Y", CKyVariant(-1.0, false)));
  EXPECT_DOUBLE_EQ(-1.0, ref->scaleFactors().sy);
}

TEST_F(BlockReferenceRows, PositionIsEditedInTheUcsAndMovesTheCloudOutline)
{
  drawing.setUcs(OdGePoint3d(10.0, 0.0, 0.0), OdGeVector3d::kYAxis, -OdGeVector3d::kXAxis);
  OdDbBlockReferencePtr ref = place(addBlock(L"Door"), OdGePoint3d(10.0, 5.0, 0.0));
  makeCloud(ref);
  EXPECT_NEAR(5.0, get(ref, "Position X").GetDouble(), 1e-12);
  EXPECT_NEAR(0.0, get(ref, "Position Y").GetDouble(), 1e-12);
  EXPECT_EQ(5100, set(ref, "Position Y", CKyVariant(-2.0, true)));
  kyExpectPoint(ref->position(), OdGePoint3d(12.0, 5.0, 0.0));
  // The outline points moved by the same (2, 0, 0).
  OdResBufPtr rb = ref->xData(L"PE_CLOUD")->next()->next();
  kyExpectPoint(rb->getPoint3d(), OdGePoint3d(2.0, 0.0, 0.0));
  // Scaling the cloud scales its outline about the position.
  EXPECT_EQ(5100, set(ref, "Scale X", CKyVariant(2.0, false)));
  kyExpectPoint(ref->xData(L"PE_CLOUD")->next()->next()->getPoint3d(), OdGePoint3d(-8.0, 0.0, 0.0));
}

TEST_F(BlockReferenceRows, RotationShowsPositiveAnglesAndWrites)
{
  OdDbBlockReferencePtr ref = place(addBlock(L"Door"));
  ref->setRotation(-OdaPI2);
  EXPECT_NEAR(1.5 * OdaPI, get(ref, "Rotation").GetDouble(), 1e-12);
  EXPECT_EQ(5100, set(ref, "Rotation", CKyVariant(0.25, true)));
  EXPECT_DOUBLE_EQ(0.25, ref->rotation());
  EXPECT_EQ(-5001, set(ref, "Rotation", CKyVariant("0.5")));
  EXPECT_DOUBLE_EQ(0.25, ref->rotation());
}

TEST_F(BlockReferenceRows, AnnotativeBlockMatchingTheSheetLocksRotation)
{
  const OdDbObjectId blockId = addBlock(L"Tag");
  ASSERT_TRUE(CKyObjectAnnotationContext::SetAnnotative(blockId, true, false));
  {
    drawing.db()->newRegApp(L"AcadAnnoPO");
    OdDbBlockTableRecordPtr block = blockId.safeOpenObject(OdDb::kForWrite);
    OdResBufPtr head = OdResBuf::newRb(1001, L"AcadAnnoPO");
    head->setNext(OdResBuf::newRb(1070, OdInt16(1)));
    block->setXData(head);
  }
  OdDbBlockReferencePtr ref = place(blockId);
  ref->setRotation(1.0);
  const std::vector<std::string> rows = ownRows(ref);
  EXPECT_EQ("Misc/Annotative", rows[rows.size() - 3]);
  EXPECT_EQ("Misc/Annotative Scale", rows[rows.size() - 2]);
  EXPECT_EQ("Misc/Match orientation to sheet", rows.back());
  EXPECT_DOUBLE_EQ(0.0, get(ref, "Rotation").GetDouble());
  EXPECT_TRUE(readOnly(ref, "Rotation"));
  EXPECT_FALSE(readOnly(ref, "Annotative Scale"));
  EXPECT_TRUE(readOnly(ref, "Annotative"));
  EXPECT_EQ(0, get(ref, "Match orientation to sheet").GetCollection().GetCurrentIndex()); // Yes
  // The annotation rows only show the block's state.
  const OdDbDxfTagList before = kySnapshot(ref);
  EXPECT_EQ(5100, set(ref, "Annotative", CKyVariant(CKyVariantCollectionElement(CKyVariant(0), CKyVariant("No")))));
  EXPECT_EQ(before, kySnapshot(ref));
}

TEST_F(BlockReferenceRows, ExternalReferenceIsNamedReferenceWithoutAnnotationRows)
{
  OdDbBlockReferencePtr ref = place(addBlock(L"Site", OdDb::kUnitsUndefined, OdDbBlockTableRecord::kAny, L"site.dxf"));
  EXPECT_EQ(QString("Reference"), extension.GetClassName(ref).toQString());
  const std::vector<std::string> rows = ownRows(ref);
  EXPECT_EQ("Misc/Block Unit Scale", rows.back());
  EXPECT_EQ(QString("Site"), get(ref, "Name").GetString().toQString());
}

namespace
{
bool neverReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}
} // namespace

// The hook finds the shared row by its key's translation (the entity names the row with another
// key, so the host's catalogue must give both the same text), keeps the row's predicate once and
// answers for references only.
TEST_F(BlockReferenceRows, LinetypeScaleHookAnswersForReferencesAndPassesOthersOn)
{
  CKyPropertiesContainerImpl container;
  CKyPropertyDescriptionImpl shared;
  shared.SetName(KyTr("property_types", "LineStyle scale"));
  shared.SetCategory(KyTr("property_groups", "General"));
  shared.PutIsReadOnlyMethod(&neverReadOnly);
  container.Add(KyDescriptionList{&shared});
  CKyIsReadOnlyMethod saved = nullptr;
  KyHookLinetypeScaleRow(&container, saved, &CKyBlockReferencePE::IsLinetypeScaleReadOnlyTest);
  EXPECT_EQ(&neverReadOnly, saved);
  EXPECT_EQ(&CKyBlockReferencePE::IsLinetypeScaleReadOnlyTest, shared.GetIsReadOnlyMethod());
  // A second pass keeps what the first one saved.
  KyHookLinetypeScaleRow(&container, saved, &CKyBlockReferencePE::IsLinetypeScaleReadOnlyTest);
  EXPECT_EQ(&neverReadOnly, saved);

  OdDbBlockReferencePtr ref = place(addBlock(L"Door"));
  OdDbLinePtr line = OdDbLine::createObject();
  drawing.add(line);
  const CKyIsReadOnlyMethod before = CKyBlockReferencePE::m_LinetypeScale_original;
  CKyBlockReferencePE::m_LinetypeScale_original = &CKyPropertyPEImpl::IsReadOnlyTrue;
  EXPECT_TRUE(CKyBlockReferencePE::IsLinetypeScaleReadOnlyTest(ref, shared));
  EXPECT_TRUE(CKyBlockReferencePE::IsLinetypeScaleReadOnlyTest(line, shared));
  CKyBlockReferencePE::m_LinetypeScale_original = &neverReadOnly;
  EXPECT_TRUE(CKyBlockReferencePE::IsLinetypeScaleReadOnlyTest(ref, shared));
  EXPECT_FALSE(CKyBlockReferencePE::IsLinetypeScaleReadOnlyTest(line, shared));
  CKyBlockReferencePE::m_LinetypeScale_original = before;
}

TEST_F(BlockReferenceRows, ListingShowsBlockPlacementOrCloud)
{
  OdDbBlockReferencePtr ref = place(addBlock(L"Door"), OdGePoint3d(1.0, 2.0, 0.0), OdGeScale3d(2.0));
  ref->setRotation(0.5);
  KyRecordingPrintContext listing;
  ASSERT_TRUE(CKyPrintObjectInfoPE::PrintInfo(ref, &listing));
  EXPECT_EQ(QString("BLOCK REFERENCE"), listing.lines.front().label);
  ASSERT_NE(listing.find("Block"), nullptr);
  EXPECT_EQ(QString("Door"), listing.find("Block")->value);
  ASSERT_NE(listing.find("Rotation angle"), nullptr);
  EXPECT_EQ(nullptr, listing.find("Cloud Shape"));

  makeCloud(ref, "freehand");
  KyRecordingPrintContext cloud;
  ASSERT_TRUE(CKyPrintObjectInfoPE::PrintInfo(ref, &cloud));
  EXPECT_EQ(QString("CLOUD"), cloud.lines.front().label);
  ASSERT_NE(cloud.find("Cloud Shape"), nullptr);
  EXPECT_EQ(QString("Freehand"), cloud.find("Cloud Shape")->value);
  EXPECT_EQ(nullptr, cloud.find("Block"));
  EXPECT_EQ(nullptr, cloud.find("Rotation angle"));
}

TEST_F(BlockReferenceRows, CloudRadiusRefusesNonPositiveValues)
{
  OdDbBlockReferencePtr ref = place(addBlock(L"Door"));
  makeCloud(ref);
  const OdDbDxfTagList before = kySnapshot(ref);
  EXPECT_EQ(-5001, set(ref, "Radius", CKyVariant(0.0, true)));
  ASSERT_EQ(1u, messages.messages.size());
  EXPECT_EQ(QString("Value must be positive and non-zero."), messages.messages[0].text);
  EXPECT_EQ(before, kySnapshot(ref));
}

namespace
{
// The block's arcs seen through the reference: world radius, and whether both ends lie on the
// outline's edges (an axis-aligned rectangle from `low` to `high`).
struct WorldArcs
{
  unsigned int count = 0;
  double minRadius = 1e300;
  double maxRadius = 0.0;
  bool endsOnOutline = true;
};
WorldArcs worldArcs(const OdDbBlockReference* ref, const OdGePoint3d& low, const OdGePoint3d& high)
{
  WorldArcs out;
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(ref->blockTableRecord().safeOpenObject());
  const double scale = ref->scaleFactors().sx;
  for (const OdDbObjectId& id : block->entityIds())
  {
    OdDbArcPtr arc = OdDbArc::cast(id.safeOpenObject());
    if (arc.isNull())
      continue;
    ++out.count;
    out.minRadius = std::min(out.minRadius, arc->radius() * scale);
    out.maxRadius = std::max(out.maxRadius, arc->radius() * scale);
    OdGePoint3d ends[2];
    arc->getStartPoint(ends[0]);
    arc->getEndPoint(ends[1]);
    for (const OdGePoint3d& local : ends)
    {
      const OdGePoint3d p = ref->blockTransform() * local;
      const bool onEdge = std::fabs(p.x - low.x) < 1e-9 || std::fabs(p.x - high.x) < 1e-9 ||
                          std::fabs(p.y - low.y) < 1e-9 || std::fabs(p.y - high.y) < 1e-9;
      out.endsOnOutline = out.endsOnOutline && onEdge;
    }
  }
  return out;
}
std::vector<OdGePoint3d> outlineOf(const OdDbBlockReference* ref)
{
  std::vector<OdGePoint3d> points;
  for (OdResBufPtr rb = ref->xData(L"PE_CLOUD"); !rb.isNull(); rb = rb->next())
    if (rb->restype() == 1011)
      points.push_back(rb->getPoint3d());
  return points;
}
} // namespace

TEST_F(BlockReferenceRows, CloudRadiusRegeneratesArcsAlongTheStoredOutline)
{
  // A scaled cloud away from the origin, with the rectangle (0,0)-(4,2) as its outline.
  OdDbBlockReferencePtr ref = place(addBlock(L"Cloud 1"), OdGePoint3d(1.0, 1.0, 0.0), OdGeScale3d(2.0));
  makeCloud(ref);
  {
    OdResBufPtr data = ref->xData(L"PE_CLOUD");
    OdResBufPtr tail = data;
    while (!tail->next().isNull())
      tail = tail->next();
    tail->setNext(OdResBuf::newRb(1011, OdGePoint3d(0.0, 2.0, 0.0)));
    ref->setXData(data);
  }
  const std::vector<OdGePoint3d> outline = outlineOf(ref);
  ASSERT_EQ(4u, outline.size());

  EXPECT_EQ(5100, set(ref, "Radius", CKyVariant(0.5, true)));
  EXPECT_DOUBLE_EQ(0.5, get(ref, "Radius").GetDouble());
  EXPECT_EQ(QString("Rectangular"), get(ref, "Shape").GetString().toQString());
  WorldArcs arcs = worldArcs(ref, OdGePoint3d(0, 0, 0), OdGePoint3d(4, 2, 0));
  EXPECT_GE(arcs.count, 12u); // perimeter 12 in chords of at most one radius
  EXPECT_NEAR(0.5, arcs.minRadius, 1e-12);
  EXPECT_NEAR(0.5, arcs.maxRadius, 1e-12);
  EXPECT_TRUE(arcs.endsOnOutline);
  EXPECT_EQ(outline.size(), outlineOf(ref).size());
  for (unsigned int i = 0; i < outline.size() && i < outlineOf(ref).size(); ++i)
    kyExpectPoint(outlineOf(ref)[i], outline[i], 1e-12);
  // Only the reference is in model space: the arcs went into its block.
  EXPECT_EQ(1u, OdDbBlockTableRecord::cast(drawing.db()->getModelSpaceId().safeOpenObject())->entityIds().size());

  // Moved, the outline follows; a later radius edit keeps it where it went.
  EXPECT_EQ(5100, set(ref, "Position X", CKyVariant(11.0, true)));
  EXPECT_EQ(5100, set(ref, "Radius", CKyVariant(1.0, true)));
  const std::vector<OdGePoint3d> moved = outlineOf(ref);
  ASSERT_EQ(outline.size(), moved.size());
  for (unsigned int i = 0; i < outline.size(); ++i)
    kyExpectPoint(moved[i], outline[i] + OdGeVector3d(10.0, 0.0, 0.0), 1e-12);
  arcs = worldArcs(ref, OdGePoint3d(10, 0, 0), OdGePoint3d(14, 2, 0));
  EXPECT_GE(arcs.count, 6u);
  EXPECT_NEAR(1.0, arcs.maxRadius, 1e-12);
  EXPECT_TRUE(arcs.endsOnOutline);

  // Refused radii keep the arcs and the data.
  const OdDbDxfTagList before = kySnapshot(ref);
  const OdDbObjectIdArray contents =
    OdDbBlockTableRecord::cast(ref->blockTableRecord().safeOpenObject())->entityIds();
  for (double r : {0.0, -2.0})
  {
    EXPECT_EQ(-5001, set(ref, "Radius", CKyVariant(r, true)));
    EXPECT_EQ(before, kySnapshot(ref));
    EXPECT_EQ(contents, OdDbBlockTableRecord::cast(ref->blockTableRecord().safeOpenObject())->entityIds());
  }
}

namespace
{
OdDbAttributePtr attributeOf(const OdString& tag, const OdString& value, const OdGePoint3d& at)
{
  OdDbAttributePtr attribute = OdDbAttribute::createObject();
  attribute->setTag(tag);
  attribute->setTextString(value);
  attribute->setPosition(at);
  attribute->setHeight(1.0);
  return attribute;
}
} // namespace

TEST_F(BlockReferenceRows, RepeatedTagsGetOneRowEachAndEditTheirOwnAttribute)
{
  OdDbBlockReferencePtr ref = place(addBlock(L"Door"));
  const OdDbObjectId first = ref->appendAttribute(attributeOf(L"NUMBER", L"1", OdGePoint3d(0.0, 1.0, 0.0)));
  const OdDbObjectId second = ref->appendAttribute(attributeOf(L"number", L"2", OdGePoint3d(0.0, 2.0, 0.0)));
  const OdDbObjectId locked = ref->appendAttribute(attributeOf(L"OWNER", L"me", OdGePoint3d(0.0, 3.0, 0.0)));
  {
    OdDbAttributePtr owner = locked.safeOpenObject(OdDb::kForWrite);
    owner->setLayer(drawing.addLayer(L"Locked"));
    OdDbLayerTableRecordPtr layer = owner->layerId().safeOpenObject(OdDb::kForWrite);
    layer->setIsLocked(true);
  }
  KyPaletteRows rows(ref);
  std::vector<const CKyPropertyDescription*> attributeRows;
  for (int i = 0; i < rows.container().GetCount(); ++i)
    if (rows.container().GetAt(i)->GetCategory().toQString() == QLatin1String("BlockAttributes"))
      attributeRows.push_back(rows.container().GetAt(i));
  ASSERT_EQ(3u, attributeRows.size());
  EXPECT_EQ(QString("NUMBER"), attributeRows[0]->GetName().toQString());
  EXPECT_EQ(QString("number"), attributeRows[1]->GetName().toQString());
  EXPECT_EQ(QString("1"), attributeRows[0]->GetValue(ref, CKyVariant()).GetString().toQString());
  EXPECT_EQ(QString("2"), attributeRows[1]->GetValue(ref, CKyVariant()).GetString().toQString());
  // The annotation rows come after the attributes.
  EXPECT_EQ(QString("Annotative"), rows.container().GetAt(rows.container().GetCount() - 1)->GetName().toQString());

  EXPECT_EQ(5100, attributeRows[1]->SetValue(ref, CKyVariant("22"), CKyVariant()));
  EXPECT_EQ(-5001, attributeRows[0]->SetValue(ref, CKyVariant(2.0, false), CKyVariant()));
  OdDbAttributePtr a1 = first.safeOpenObject();
  OdDbAttributePtr a2 = second.safeOpenObject();
  EXPECT_EQ(OdString(L"1"), a1->textString());
  EXPECT_EQ(OdString(L"22"), a2->textString());
  a1.release();
  a2.release();
  EXPECT_FALSE(attributeRows[0]->IsReadOnly(ref));
  EXPECT_TRUE(attributeRows[2]->IsReadOnly(ref));
}

TEST_F(BlockReferenceRows, PlacementEditsCarryTheAttributes)
{
  OdDbBlockReferencePtr ref = place(addBlock(L"Door"), OdGePoint3d(1.0, 1.0, 0.0));
  const OdDbObjectId id = ref->appendAttribute(attributeOf(L"TAG", L"x", OdGePoint3d(3.0, 1.0, 0.0)));
  auto positionOf = [&] {
    OdDbAttributePtr a = id.safeOpenObject();
    return a->position();
  };
  EXPECT_EQ(5100, set(ref, "Position X", CKyVariant(11.0, true)));
  kyExpectPoint(positionOf(), OdGePoint3d(13.0, 1.0, 0.0));
  EXPECT_EQ(5100, set(ref, "Rotation", CKyVariant(OdaPI2, true)));
  kyExpectPoint(positionOf(), OdGePoint3d(11.0, 3.0, 0.0));
  // Along the block's own X axis, which the rotation turned onto the world Y axis.
  EXPECT_EQ(5100, set(ref, "Scale X", CKyVariant(3.0, false)));
  kyExpectPoint(positionOf(), OdGePoint3d(11.0, 7.0, 0.0));
  // The plain stand-in setter leaves the attribute where it is.
  ref->setPosition(OdGePoint3d());
  kyExpectPoint(positionOf(), OdGePoint3d(11.0, 7.0, 0.0));
}

TEST_F(BlockReferenceRows, MoveBeyondTheDoubleRangeIsRefusedAndKeepsTheReference)
{
  // The move from -1e308 to 1e308 is not a finite distance: neither attributes nor the cloud's
  // outline can follow it, with or without attributes to carry.
  for (bool withAttribute : {false, true})
  {
    OdDbBlockReferencePtr ref = place(addBlock(withAttribute ? L"Tagged" : L"Plain"), OdGePoint3d(-1e308, 0.0, 0.0));
    OdDbObjectId id;
    if (withAttribute)
      id = ref->appendAttribute(attributeOf(L"TAG", L"x", OdGePoint3d(-1e308, 1.0, 0.0)));
    makeCloud(ref);
    EXPECT_EQ(-5001, set(ref, "Position X", CKyVariant(1e308, true))) << withAttribute;
    kyExpectPoint(ref->position(), OdGePoint3d(-1e308, 0.0, 0.0));
    kyExpectPoint(ref->xData(L"PE_CLOUD")->next()->next()->getPoint3d(), OdGePoint3d());
    if (withAttribute)
    {
      OdDbAttributePtr attribute = id.safeOpenObject();
      kyExpectPoint(attribute->position(), OdGePoint3d(-1e308, 1.0, 0.0));
    }
  }
}

TEST_F(BlockReferenceRows, AttributeRowFindsItsAttributeByTagAndOccurrenceOnceItsOwnIsGone)
{
  auto tagged = [&](const wchar_t* block, std::initializer_list<const wchar_t*> values) {
    OdDbBlockReferencePtr ref = place(addBlock(block));
    std::vector<OdDbObjectId> ids;
    for (const wchar_t* value : values)
      ids.push_back(ref->appendAttribute(attributeOf(L"NUMBER", value, OdGePoint3d())));
    return std::make_pair(ref, ids);
  };
  auto [first, firstIds] = tagged(L"First", {L"1", L"2"});
  KyPaletteRows rows(first);
  const CKyPropertyDescription* second = nullptr;
  for (int i = 0; i < rows.container().GetCount(); ++i)
    if (rows.container().GetAt(i)->GetCategory().toQString() == QLatin1String("BlockAttributes"))
      second = rows.container().GetAt(i);
  ASSERT_NE(second, nullptr);
  auto valueOf = [&](OdDbBlockReference* ref) { return second->GetValue(ref, CKyVariant()).GetString().toQString(); };
  EXPECT_EQ(QString("2"), valueOf(first));

  // A merged selection asks the first reference's row about another one: its second NUMBER answers.
  auto [other, otherIds] = tagged(L"Other", {L"7", L"8", L"9"});
  EXPECT_EQ(QString("8"), valueOf(other));
  EXPECT_EQ(5100, second->SetValue(other, CKyVariant("80"), CKyVariant()));
  {
    OdDbAttributePtr edited = otherIds[1].safeOpenObject();
    EXPECT_EQ(OdString(L"80"), edited->textString());
    OdDbAttributePtr untouched = firstIds[1].safeOpenObject();
    EXPECT_EQ(OdString(L"2"), untouched->textString());
  }

  // Renamed, the row's own attribute no longer answers; with a third NUMBER appended, that one is
  // now the second occurrence.
  first->appendAttribute(attributeOf(L"NUMBER", L"3", OdGePoint3d()));
  {
    OdDbAttributePtr renamed = firstIds[1].safeOpenObject(OdDb::kForWrite);
    renamed->setTag(L"OTHER");
  }
  EXPECT_EQ(QString("3"), valueOf(first));
  // Erased, the same.
  {
    OdDbAttributePtr gone = otherIds[1].safeOpenObject(OdDb::kForWrite);
    gone->erase();
  }
  EXPECT_EQ(QString("9"), valueOf(other));
  EXPECT_EQ(5100, second->SetValue(other, CKyVariant("90"), CKyVariant()));
  OdDbAttributePtr last = otherIds[2].safeOpenObject();
  EXPECT_EQ(OdString(L"90"), last->textString());
}

TEST_F(BlockReferenceRows, CloudScaleWhoseOutlineOverflowsIsRefusedAndKeepsTheCloud)
{
  // The outline reaches 4 from the position: 1e308 takes it past the largest double, and from
  // about 1e154 on the scale of the matrix, which the radius takes, overflows.
  OdDbBlockReferencePtr ref = place(addBlock(L"Cloud 1"), OdGePoint3d(0.0, 0.0, 0.0));
  makeCloud(ref);
  const OdDbDxfTagList before = kySnapshot(ref);
  for (const char* row : {"Scale X", "Scale Z"})
    for (double v : {1e308, 1e180})
    {
      EXPECT_EQ(-5001, set(ref, row, CKyVariant(v, false))) << row << " " << v;
      EXPECT_EQ(before, kySnapshot(ref));
    }
  EXPECT_EQ(5100, set(ref, "Scale X", CKyVariant(1e100, false)));
  EXPECT_DOUBLE_EQ(1e100, ref->scaleFactors().sx);
  EXPECT_NE(before, kySnapshot(ref));
}

// The unit factor applies before the zero test: a scale the factor turns into (almost) zero or
// into infinity is refused with the message, and the reference keeps its factors.
TEST_F(BlockReferenceRows, ScaleTheUnitFactorTurnsToZeroOrInfinityIsRefused)
{
  drawing.db()->setINSUNITS(OdDb::kUnitsMeters);
  const struct
  {
    const OdChar* block;
    OdDb::UnitsValue units;
    double value;
  } cases[] = {
    {L"Bolt", OdDb::kUnitsMillimeters, 5e-8}, // stores 5e-11
    {L"Road", OdDb::kUnitsKilometers, 1e306}, // stores 1e309
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(OdString(c.block).c_str());
    OdDbBlockReferencePtr ref = place(addBlock(c.block, c.units));
    messages.messages.clear();
    const OdDbDxfTagList before = kySnapshot(ref);
    EXPECT_EQ(-5001, set(ref, "Scale X", CKyVariant(c.value, false)));
    EXPECT_EQ(before, kySnapshot(ref));
    ASSERT_EQ(1u, messages.messages.size());
    EXPECT_EQ(QString("Value must be non-zero"), messages.messages[0].text);
  }
}

// A rotation its attributes cannot follow (about a position at the end of the double range) is
// refused: neither the reference nor its attribute turns.
TEST_F(BlockReferenceRows, RotationTheAttributesCannotFollowIsRefused)
{
  OdDbBlockReferencePtr ref = place(addBlock(L"Door"), OdGePoint3d(1e308, 0.0, 0.0));
  const OdDbObjectId id = ref->appendAttribute(attributeOf(L"TAG", L"x", OdGePoint3d(1e308, 1.0, 0.0)));
  EXPECT_EQ(-5001, set(ref, "Rotation", CKyVariant(OdaPI, true)));
  EXPECT_DOUBLE_EQ(0.0, ref->rotation());
  OdDbAttributePtr attribute = id.safeOpenObject();
  kyExpectPoint(attribute->position(), OdGePoint3d(1e308, 1.0, 0.0));
}

// GetPropertyNames alone (a host that runs no dynamic pass of its own) lists the reference's
// rows; for another extension level or another kind of object it adds none of them.
TEST_F(BlockReferenceRows, GetPropertyNamesAloneListsReferenceRowsForReferencesOnly)
{
  OdDbBlockReferencePtr ref = place(addBlock(L"Door"));
  OdDbLinePtr line = OdDbLine::createObject();
  drawing.add(line);
  const struct
  {
    const char* what;
    const OdDbObject* object;
    const OdRxClass* objectClass;
    const OdRxClass* extensionClass;
    bool rows;
  } cases[] = {
    {"reference", ref.get(), OdDbBlockReference::desc(), CKyBlockReferencePE::desc(), true},
    {"entity level", ref.get(), OdDbBlockReference::desc(), CKyEntityPE::desc(), false},
    {"line", line.get(), OdDbLine::desc(), CKyBlockReferencePE::desc(), false},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.what);
    CKyPropertiesContainerImpl active;
    CKyPropertiesContainerImpl::SetActive(&active);
    CKyPropertiesContainer* container = nullptr;
    extension.GetPropertyNames(c.object, container, c.objectClass, c.extensionClass, false);
    CKyPropertiesContainerImpl::SetActive(nullptr);
    const bool found = container && container->GetByName(CKyString("Position X"), CKyString("Geometry"));
    EXPECT_EQ(c.rows, found);
  }
}

// Rows whose data is missing or cannot be written: a cloud whose shape the builder does not know
// refuses a radius, the read-only "Shape" refuses a value, an attribute row whose attribute is
// gone is read-only and empty, as is a reference asked through a row that is not an attribute's.
// The rotation shows an angle (unit bearing); an attribute row is a dynamic one.
TEST_F(BlockReferenceRows, RowsWithoutTheirDataRefuseOrAreReadOnly)
{
  OdDbBlockReferencePtr cloud = place(addBlock(L"Cloudy"));
  makeCloud(cloud, "Bogus");
  const OdDbDxfTagList before = kySnapshot(cloud);
  EXPECT_EQ(-5001, set(cloud, "Radius", CKyVariant(1.0, true)));
  EXPECT_EQ(-5001, set(cloud, "Shape", CKyVariant("Elliptical")));
  EXPECT_EQ(before, kySnapshot(cloud));

  OdDbBlockReferencePtr ref = place(addBlock(L"Tagged"));
  const OdDbObjectId id = ref->appendAttribute(attributeOf(L"TAG", L"x", OdGePoint3d()));
  EXPECT_TRUE(get(ref, "Rotation").IsUnitBearing());
  KyPaletteRows rows(ref);
  const CKyPropertyDescription* tag = rows.row("TAG");
  ASSERT_NE(tag, nullptr);
  EXPECT_TRUE(tag->IsDynamic());
  EXPECT_FALSE(tag->IsReadOnly(ref));
  OdDbObjectPtr(id.safeOpenObject(OdDb::kForWrite))->erase();
  EXPECT_TRUE(tag->IsReadOnly(ref));
  EXPECT_EQ(CKyVariant::kEmpty, tag->GetValue(ref, CKyVariant()).GetType());
  const CKyPropertyDescription* name = rows.row("Name");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(CKyVariant::kEmpty,
            CKyBlockReferencePE::GetDynamicPropertyAttribute(ref, *name, CKyVariant()).GetType());
}
