// Multiline rows: order, types and icons in "Misc", the style name and its "Standard" fallback,
// the justification list, the refresh that re-sets every vertex in place after a justification
// or scale change, refusals, and the listing.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "DbCircle.h"
#include "DbDictionary.h"
#include "DbFiler.h"
#include "DbMline.h"
#include "DbMlineStyle.h"
#include "KyMlinePE.h"
#include "KyTestDrawing.h"
#include "RxObjectImpl.h"

namespace
{
CKyVariant choice(int tag)
{
  return CKyVariant(CKyVariantCollectionElement(CKyVariant(tag), CKyVariant(CKyString("?"))));
}

// A multiline that records every vertex the palette re-sets.
class RecordingMline : public OdDbMline
{
public:
  void moveVertexAt(int index, const OdGePoint3d& point) override
  {
    moves.push_back({index, point, vertexAt(index)});
    OdDbMline::moveVertexAt(index, point);
  }
  struct Move
  {
    int index;
    OdGePoint3d to;
    OdGePoint3d from;
  };
  std::vector<Move> moves;
};

struct MlineRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  KyRecordingMessages messages;
  OdDbObjectId styleId;
  OdSmartPtr<RecordingMline> mline;

  // Style "Wall" (the standard elements at +-0.5) and a multiline of three vertices.
  void SetUp() override
  {
    OdDbDictionaryPtr nod = drawing.db()->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
    OdDbObjectId dictId = nod->setAt(OdDbMlineStyle::kDictionaryName, OdDbDictionary::createObject());
    OdDbDictionaryPtr dict = dictId.safeOpenObject(OdDb::kForWrite);
    OdDbMlineStylePtr style = OdDbMlineStyle::createObject();
    style->setName(L"Wall");
    styleId = dict->setAt(L"Wall", style);
    mline = OdSmartPtr<RecordingMline>(new RecordingMline);
    mline->setStyle(styleId);
    mline->appendSeg(OdGePoint3d(0, 0, 0));
    mline->appendSeg(OdGePoint3d(10, 0, 0));
    mline->appendSeg(OdGePoint3d(10, 10, 0));
    drawing.add(mline);
  }
  const CKyPropertyDescription* row(KyPaletteRows& rows, const char* name)
  {
    const CKyPropertyDescription* d = rows.row(name, "Misc");
    EXPECT_NE(d, nullptr) << name;
    return d;
  }
  CKyVariant get(const char* name)
  {
    KyPaletteRows rows(mline);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->GetValue(mline, CKyVariant()) : CKyVariant();
  }
  int set(const char* name, const CKyVariant& value)
  {
    KyPaletteRows rows(mline);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->SetValue(mline, value, CKyVariant()) : 0;
  }
  OdDbDxfTagList state() const
  {
    OdDbDxfTagList tags;
    mline->dxfOutFields(&tags);
    return tags;
  }
  void expectEveryVertexResetInPlace()
  {
    ASSERT_EQ(mline->moves.size(), 3u);
    for (int i = 0; i < 3; ++i)
    {
      EXPECT_EQ(mline->moves[i].index, i);
      EXPECT_EQ(mline->moves[i].to, mline->moves[i].from);
    }
  }
};
} // namespace

TEST_F(MlineRows, RowsFollowTheGeneralRowsInOrderWithTypesAndIcons)
{
  const struct
  {
    const char* name;
    bool readOnly;
    const char* icon;
  } expected[] = {{"RLineStyle", true, "MLineStyle"},
                  {"RLine justification", false, "MLineJustification"},
                  {"RLine scale", false, "MLineScale"}};
  KyPaletteRows rows(mline);
  ASSERT_EQ(rows.container().GetCount(), 8 + 3);
  for (int i = 0; i < 3; ++i)
  {
    const CKyPropertyDescription* d = rows.container().GetAt(8 + i);
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(d->GetName().toQString(), expected[i].name);
    EXPECT_EQ(d->GetCategory().toQString(), "Misc");
    EXPECT_EQ(static_cast<int>(d->GetType().GetType()), 0);
    EXPECT_TRUE(d->GetType().GetGUID().toQString().isEmpty());
    EXPECT_EQ(d->IsReadOnly(mline), expected[i].readOnly);
    EXPECT_EQ(d->GetIcon().toQString(), QString(":/Misc/Misc_%1.png").arg(expected[i].icon));
  }
  OdStaticRxObject<CKyMlinePE> pe;
  EXPECT_EQ(pe.GetClassName(mline).toQString(), "RichLine");
}

TEST_F(MlineRows, StyleShowsItsNameOrStandardWhenItDoesNotOpen)
{
  EXPECT_EQ(get("RLineStyle").GetString().toQString(), "Wall");
  mline->setStyle(OdDbObjectId());
  EXPECT_EQ(get("RLineStyle").GetString().toQString(), "Standard");
  // An id of an object that is no multiline style.
  mline->setStyle(drawing.db()->getLayerZeroId());
  EXPECT_EQ(get("RLineStyle").GetString().toQString(), "Standard");
  {
    OdDbObjectPtr style = styleId.safeOpenObject(OdDb::kForWrite);
    style->erase();
  }
  mline->setStyle(styleId);
  EXPECT_EQ(get("RLineStyle").GetString().toQString(), "Standard");
  EXPECT_EQ(set("RLineStyle", CKyVariant(CKyString("Wall"))), -5001);
}

TEST_F(MlineRows, JustificationListAndSetterWithRefresh)
{
  const struct
  {
    Mline::MlineJustification justification;
    int index;
    double topY;
  } cases[] = {{Mline::kTop, 0, 0.0}, {Mline::kZero, 1, 0.5}, {Mline::kBottom, 2, 1.0}};
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.index);
    mline->moves.clear();
    const bool change = c.justification != mline->justification();
    ASSERT_EQ(set("RLine justification", choice(c.justification)), 5100);
    EXPECT_EQ(mline->justification(), c.justification);
    if (change)
      expectEveryVertexResetInPlace();
    const CKyVariant shown = get("RLine justification");
    ASSERT_EQ(shown.GetType(), CKyVariant::kCollection);
    EXPECT_EQ(shown.GetCollection().GetCurrentIndex(), c.index);
    EXPECT_EQ(shown.GetCollection().GetCount(), 3);
    EXPECT_EQ(shown.GetCollection().GetAt(c.index).GetTag().GetInt32(), c.index);
    EXPECT_NEAR(mline->elementPointAt(0, 0).y, c.topY, 1e-12);
  }
  const QStringList texts = {"Top", "Zero", "Bottom"};
  const CKyVariant shown = get("RLine justification");
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(shown.GetCollection().GetAt(i).GetValue().GetString().toQString(), texts[i]);
}

TEST_F(MlineRows, ScaleChangeMovesNoVertexButResetsEveryVertexInPlace)
{
  EXPECT_DOUBLE_EQ(get("RLine scale").GetDouble(), 1.0);
  EXPECT_FALSE(get("RLine scale").IsUnitBearing());
  // A style change shows only once the multiline is refreshed.
  {
    OdDbMlineStylePtr style = styleId.safeOpenObject(OdDb::kForWrite);
    style->addElement(-2.0, OdCmColor(), OdDbObjectId());
  }
  ASSERT_EQ(set("RLine scale", CKyVariant(3.0, false)), 5100);
  EXPECT_DOUBLE_EQ(mline->scale(), 3.0);
  expectEveryVertexResetInPlace();
  EXPECT_EQ(mline->vertexAt(2), OdGePoint3d(10, 10, 0));
  ASSERT_EQ(mline->numElements(), 3);
  // Top justification: the element at -2 lies 2.5 x 3 below the vertex line.
  EXPECT_NEAR(mline->elementPointAt(0, 2).y, -7.5, 1e-12);
}

TEST_F(MlineRows, ScaleTakesAnyNumberWithoutMessage)
{
  for (double scale : {0.0, -2.0, 1e-300, 1e6})
  {
    SCOPED_TRACE(scale);
    EXPECT_EQ(set("RLine scale", CKyVariant(scale, false)), 5100);
    EXPECT_EQ(mline->scale(), scale);
  }
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MlineRows, SameValuesAndWrongValuesWriteNothing)
{
  mline->setScale(2.0);
  mline->downgradeOpen();
  mline->upgradeOpen();
  const OdDbDxfTagList before = state();
  mline->moves.clear();
  EXPECT_EQ(set("RLine scale", CKyVariant(2.0, false)), 5100);
  EXPECT_EQ(set("RLine justification", choice(Mline::kTop)), 5100);
  // A code outside the list changes nothing.
  EXPECT_EQ(set("RLine justification", choice(7)), 5100);
  EXPECT_EQ(set("RLine scale", CKyVariant(CKyString("2"))), -5001);
  EXPECT_EQ(set("RLine justification", CKyVariant(1)), -5001);
  EXPECT_EQ(state(), before);
  EXPECT_TRUE(mline->moves.empty());
  EXPECT_FALSE(mline->isModified());
}

TEST_F(MlineRows, RowsRefuseObjectsOfOtherClassesAndOpenForRead)
{
  KyPaletteRows rows(mline);
  const CKyPropertyDescription* scale = row(rows, "RLine scale");
  const CKyPropertyDescription* justification = row(rows, "RLine justification");
  ASSERT_NE(scale, nullptr);
  ASSERT_NE(justification, nullptr);
  mline->downgradeOpen();
  EXPECT_EQ(scale->SetValue(mline, CKyVariant(4.0, false), CKyVariant()), -5001);
  EXPECT_EQ(justification->SetValue(mline, choice(Mline::kZero), CKyVariant()), -5001);
  EXPECT_DOUBLE_EQ(mline->scale(), 1.0);
  EXPECT_EQ(mline->justification(), Mline::kTop);
  OdDbCirclePtr circle = OdDbCircle::createObject();
  EXPECT_EQ(scale->GetValue(circle, CKyVariant()).GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(justification->GetValue(circle, CKyVariant()).GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(scale->SetValue(circle, CKyVariant(4.0, false), CKyVariant()), -5001);
}

TEST_F(MlineRows, ListingPrintsJustificationScaleStyleAndEveryVertex)
{
  mline->setJustification(Mline::kBottom);
  mline->setScale(2.5);
  OdStaticRxObject<CKyMlineInfo> info;
  KyRecordingPrintContext listing;
  // The vertices are not counted: a limit of one item stops nothing.
  listing.itemLimit = 1;
  ASSERT_TRUE(info.PrintObjectInfo(mline, &listing));
  const std::vector<std::string> expected = {"Justification", "Scale",    "TextStyle",
                                             "Vertex 0",      "Vertex 1", "Vertex 2"};
  const std::vector<std::string> labels = listing.labels();
  ASSERT_GE(labels.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(labels.end() - expected.size(), labels.end()), expected);
  // The entity's own lines come first.
  const auto layer = std::find(labels.begin(), labels.end(), "Layer");
  EXPECT_TRUE(layer != labels.end() && layer < std::find(labels.begin(), labels.end(), "Justification"));
  EXPECT_EQ(listing.find("Justification")->value, "Bottom");
  EXPECT_EQ(listing.find("Scale")->kind, "PrintScale");
  EXPECT_EQ(listing.find("Scale")->value, "2.5");
  EXPECT_EQ(listing.find("TextStyle")->value, "Wall");
  EXPECT_EQ(listing.find("Vertex 2")->kind, "PrintPoint");
  EXPECT_EQ(listing.find("Vertex 2")->value, "10,10,0");

  mline->setStyle(OdDbObjectId());
  KyRecordingPrintContext missing;
  info.PrintObjectInfo(mline, &missing);
  EXPECT_EQ(missing.find("TextStyle")->value, "Standard");
  OdDbCirclePtr circle = OdDbCircle::createObject();
  KyRecordingPrintContext other;
  EXPECT_FALSE(info.PrintObjectInfo(circle, &other));
}
