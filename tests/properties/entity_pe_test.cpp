// General entity rows: the eight rows every entity shows first, their setters and refusals.
#include <gtest/gtest.h>

#include <climits>

#include "DbDimension.h"
#include "DbLayerTableRecord.h"
#include "DbLine.h"
#include "DbLinetypeTableRecord.h"
#include "DbSymbolTable.h"
#include "KyEntityPE.h"
#include "KyPropertyType.h"
#include "KyTestDrawing.h"
#include "KyUtils.h"

namespace entitytest
{
// A curve and a plain entity that remember the doSubents argument of setColor.
class RecordingLine : public OdDbLine
{
public:
  OdResult setColor(const OdCmColor& color, bool doSubents = true) override
  {
    lastDoSubents = doSubents;
    return OdDbLine::setColor(color, doSubents);
  }
  int lastDoSubents = -1;
};

class PlainEntity : public OdDbEntity
{
public:
  ODRX_DECLARE_MEMBERS(PlainEntity);
  OdResult setColor(const OdCmColor& color, bool doSubents = true) override
  {
    lastDoSubents = doSubents;
    return OdDbEntity::setColor(color, doSubents);
  }
  int lastDoSubents = -1;
};
ODRX_NO_CONS_DEFINE_MEMBERS(PlainEntity, OdDbEntity)

// A dimension of no particular kind, enough to carry the constraint state.
class ProbeDimension : public OdDbDimension
{
public:
  ODRX_DECLARE_MEMBERS(ProbeDimension);
};
ODRX_NO_CONS_DEFINE_MEMBERS(ProbeDimension, OdDbDimension)
} // namespace entitytest

using namespace entitytest;

namespace
{
struct GeneralRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  KyRecordingMessages messages;

  static void SetUpTestSuite()
  {
    PlainEntity::rxInit();
    ProbeDimension::rxInit();
  }
  static void TearDownTestSuite()
  {
    ProbeDimension::rxUninit();
    PlainEntity::rxUninit();
  }

  static const CKyPropertyDescription* row(KyPaletteRows& rows, const char* name)
  {
    const CKyPropertyDescription* d = rows.row(name, "General");
    EXPECT_NE(d, nullptr) << name;
    return d;
  }
};
} // namespace

TEST_F(GeneralRows, EveryEntityShowsTheEightRowsWithTheirTypesAndIcons)
{
  struct Expected
  {
    const char* name;
    int type;
    const CKyString* guid;
    const char* icon;
  } expected[] = {
    {"LineColor", 5, nullptr, "Color"},
    {"Layer", 8, &CKyPropertyType::kLayerGUID, "Layer"},
    {"LineStyle", 8, &CKyPropertyType::kLinetypeGUID, "Linetype"},
    {"LineScale", 2, nullptr, "LinetypeScale"},
    {"PrintStyle", 3, &CKyPropertyType::kPlotStyleGUID, "PlotStyle"},
    {"LineWeight", 4, &CKyPropertyType::kLineweightGUID, "Lineweight"},
    {"Hyperlink", 3, &CKyPropertyType::kHyperlinkGUID, "Hyperlink"},
    {"Transparency", 3, &CKyPropertyType::kTransparencyGUID, "Transparency"},
  };
  OdSmartPtr<PlainEntity> entity(new PlainEntity);
  drawing.add(entity);
  drawing.db()->setPSTYLEMODE(false); // named plot styles: the plot style row is editable
  KyPaletteRows rows(entity);
  ASSERT_EQ(rows.container().GetCount(), 8);
  for (int i = 0; i < 8; ++i)
  {
    const CKyPropertyDescription* d = rows.container().GetAt(i);
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(d->GetName().toQString(), expected[i].name);
    EXPECT_EQ(d->GetCategory().toQString(), "General");
    EXPECT_EQ(static_cast<int>(d->GetType().GetType()), expected[i].type);
    EXPECT_EQ(d->GetType().GetGUID().toQString(), expected[i].guid ? expected[i].guid->toQString() : QString());
    EXPECT_EQ(d->GetIcon().toQString(), QString(":/General/General_%1.png").arg(expected[i].icon));
    EXPECT_EQ(d->GetDarkIcon().toQString(), QString(":/General/svg_icons/General/General_%1.svg").arg(expected[i].icon));
    EXPECT_NE(d->GetVisibility() & 4, 0u);
    EXPECT_FALSE(d->IsReadOnly(entity));
  }
  EXPECT_EQ(CKyPropertyBase::cast(entity.get())->GetClassName(entity), CKyString(L"Entity"));
}

TEST_F(GeneralRows, ColourReachesSubentitiesOfCurvesOnly)
{
  OdSmartPtr<RecordingLine> line(new RecordingLine);
  OdSmartPtr<PlainEntity> plain(new PlainEntity);
  drawing.add(line);
  drawing.add(plain);
  OdCmColor red;
  red.setColorIndex(1);
  KyPaletteRows lineRows(line), plainRows(plain);
  EXPECT_EQ(row(lineRows, "LineColor")->SetValue(line, CKyVariant(red), CKyVariant()), 5100);
  EXPECT_EQ(row(plainRows, "LineColor")->SetValue(plain, CKyVariant(red), CKyVariant()), 5100);
  EXPECT_EQ(line->lastDoSubents, 1);
  EXPECT_EQ(plain->lastDoSubents, 0);
  EXPECT_EQ(line->color().colorIndex(), 1);
}

TEST_F(GeneralRows, LayerSetterRefusesDependentLayersAndPropagatesWrongKinds)
{
  OdDbLinePtr line = OdDbLine::createObject();
  drawing.add(line);
  const OdDbObjectId walls = drawing.addLayer(L"Walls");
  const OdDbObjectId xref = drawing.addLayer(L"Site|Walls");
  KyPaletteRows rows(line);
  const CKyPropertyDescription* layer = row(rows, "Layer");
  const OdDbObjectId before = line->layerId();

  EXPECT_EQ(layer->SetValue(line, CKyVariant(xref), CKyVariant()), -5001);
  EXPECT_EQ(line->layerId(), before);
  EXPECT_EQ(layer->SetValue(line, CKyVariant(OdDbObjectId::kNull), CKyVariant()), -5001);
  EXPECT_EQ(layer->SetValue(line, CKyVariant(CKyString("Walls")), CKyVariant()), -5001);
  EXPECT_THROW(layer->SetValue(line, CKyVariant(drawing.db()->getLinetypeContinuousId()), CKyVariant()), OdError);
  EXPECT_EQ(line->layerId(), before);

  EXPECT_EQ(layer->SetValue(line, CKyVariant(walls), CKyVariant()), 5100);
  EXPECT_EQ(line->layerId(), walls);
  EXPECT_EQ(row(rows, "Layer")->GetValue(line, CKyVariant()).GetId(), walls);
}

TEST_F(GeneralRows, ScalarRowsWriteThroughTheEntity)
{
  OdDbLinePtr line = OdDbLine::createObject();
  drawing.add(line);
  KyPaletteRows rows(line);
  EXPECT_EQ(row(rows, "LineScale")->SetValue(line, CKyVariant(2.5, false), CKyVariant()), 5100);
  EXPECT_EQ(line->linetypeScale(), 2.5);
  EXPECT_FALSE(row(rows, "LineScale")->GetValue(line, CKyVariant()).IsUnitBearing());
  EXPECT_EQ(row(rows, "LineWeight")->SetValue(line, CKyVariant(static_cast<int>(OdDb::kLnWt050)), CKyVariant()), 5100);
  EXPECT_EQ(line->lineWeight(), OdDb::kLnWt050);
  EXPECT_EQ(row(rows, "LineWeight")->GetValue(line, CKyVariant()).GetInt32(), 50);
  // Numbers that name no lineweight are refused, inside the range as well as beyond it.
  for (int refused : {600, 7, -4, INT_MIN, INT_MAX})
  {
    EXPECT_EQ(row(rows, "LineWeight")->SetValue(line, CKyVariant(refused), CKyVariant()), -5001) << refused;
    EXPECT_EQ(line->lineWeight(), OdDb::kLnWt050);
  }
  for (OdDb::LineWeight edge : {OdDb::kLnWt211, OdDb::kLnWtByLwDefault})
  {
    EXPECT_EQ(row(rows, "LineWeight")->SetValue(line, CKyVariant(static_cast<int>(edge)), CKyVariant()), 5100);
    EXPECT_EQ(line->lineWeight(), edge);
  }
  EXPECT_EQ(row(rows, "LineStyle")->SetValue(line, CKyVariant(drawing.db()->getLinetypeContinuousId()), CKyVariant()),
            5100);
  EXPECT_EQ(line->linetypeId(), drawing.db()->getLinetypeContinuousId());

  OdCmTransparency half;
  half.setAlpha(128);
  const CKyPropertyDescription* transparency = row(rows, "Transparency");
  EXPECT_EQ(transparency->SetValue(line, CKyVariant(half), CKyVariant()), 5100);
  EXPECT_EQ(transparency->GetValue(line, CKyVariant()).GetType(), CKyVariant::kTransparency);
  EXPECT_EQ(line->transparency(), half);
  EXPECT_EQ(transparency->SetValue(line, CKyVariant(CKyString("50")), CKyVariant()), -5001);
}

TEST_F(GeneralRows, WrongTagsAreRefusedAndChangeNothing)
{
  OdDbLinePtr line = OdDbLine::createObject();
  drawing.add(line);
  KyPaletteRows rows(line);
  const OdCmColor colorBefore = line->color();
  const CKyVariant wrong[] = {CKyVariant(), CKyVariant(1.0, false), CKyVariant(CKyString("x")), CKyVariant(7)};
  for (const char* name : {"LineColor", "Layer", "LineStyle", "PrintStyle", "Hyperlink", "Transparency"})
  {
    const bool takesText = std::string(name) == "PrintStyle" || std::string(name) == "Hyperlink";
    for (const CKyVariant& v : wrong)
    {
      if (takesText && v.GetType() == CKyVariant::kString)
        continue;
      EXPECT_EQ(row(rows, name)->SetValue(line, v, CKyVariant()), -5001) << name << " tag " << v.GetType();
    }
  }
  EXPECT_EQ(row(rows, "LineScale")->SetValue(line, CKyVariant(std::nan(""), false), CKyVariant()), -5001);
  EXPECT_EQ(line->color(), colorBefore);
  EXPECT_EQ(line->linetypeScale(), 1.0);
}

TEST_F(GeneralRows, PlotStyleIsReadOnlyInColourDependentMode)
{
  OdDbLinePtr line = OdDbLine::createObject();
  drawing.add(line);
  KyPaletteRows rows(line);
  drawing.db()->setPSTYLEMODE(false);
  EXPECT_FALSE(row(rows, "PrintStyle")->IsReadOnly(line));
  drawing.db()->setPSTYLEMODE(true);
  EXPECT_TRUE(row(rows, "PrintStyle")->IsReadOnly(line));
}

TEST_F(GeneralRows, HyperlinkIsAnEmptyStringUntilSet)
{
  OdDbLinePtr line = OdDbLine::createObject();
  drawing.add(line);
  KyPaletteRows rows(line);
  const CKyVariant none = row(rows, "Hyperlink")->GetValue(line, CKyVariant());
  EXPECT_EQ(none.GetType(), CKyVariant::kString);
  EXPECT_TRUE(none.GetString().isEmpty());
  EXPECT_EQ(row(rows, "Hyperlink")->SetValue(line, CKyVariant(CKyString("https://example.org/a")), CKyVariant()), 5100);
  EXPECT_EQ(row(rows, "Hyperlink")->GetValue(line, CKyVariant()).GetString().toQString(), "https://example.org/a");
}

TEST_F(GeneralRows, DynamicConstraintDimensionsKeepTheirLinetype)
{
  OdSmartPtr<ProbeDimension> dynamic(new ProbeDimension);
  OdSmartPtr<ProbeDimension> annotational(new ProbeDimension);
  drawing.add(dynamic);
  drawing.add(annotational);
  dynamic->setConstraintObject(true);
  dynamic->setConstraintDynamic(true);
  annotational->setConstraintObject(true);
  const OdDbObjectId continuous = drawing.db()->getLinetypeContinuousId();
  KyPaletteRows rows(dynamic);
  const CKyPropertyDescription* linetype = row(rows, "LineStyle");
  const OdDbObjectId before = dynamic->linetypeId();
  EXPECT_EQ(linetype->SetValue(dynamic, CKyVariant(continuous), CKyVariant()), 5100);
  EXPECT_EQ(dynamic->linetypeId(), before);
  EXPECT_EQ(linetype->SetValue(annotational, CKyVariant(continuous), CKyVariant()), 5100);
  EXPECT_EQ(annotational->linetypeId(), continuous);
}
