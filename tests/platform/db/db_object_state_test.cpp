// State that objects keep out of line until they need it (extended data, extension dictionary,
// fields, named colours, plot style names) and the pooled memory behind objects and vertices:
// values survive being set, replaced, copied and cleared, on objects with and without the rest.
#include <gtest/gtest.h>

#include <vector>

#include "DbBlockTableRecord.h"
#include "DbCircle.h"
#include "DbDatabase.h"
#include "DbField.h"
#include "DbLine.h"
#include "DbPolyline.h"

namespace
{
struct ObjectState : ::testing::Test
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();

  OdDbLinePtr addLine()
  {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    OdDbLinePtr line = OdDbLine::createObject();
    ms->appendOdDbEntity(line);
    return line;
  }

  static OdCmColor named(OdUInt8 r, const wchar_t* name, const wchar_t* book)
  {
    OdCmColor color;
    color.setRGB(r, 20, 30);
    color.setNames(name, book);
    return color;
  }

  OdResBufPtr xdata(const wchar_t* app, const wchar_t* text)
  {
    db->newRegApp(app);
    OdResBufPtr chain = OdResBuf::newRb(1001, app);
    chain->setNext(OdResBuf::newRb(1000, text));
    return chain;
  }
};
} // namespace

TEST_F(ObjectState, NamedColoursAndPlotStylesAreKeptSetBackAndCopied)
{
  db->setPSTYLEMODE(false); // named plot styles
  OdDbLinePtr line = addLine();
  EXPECT_EQ(OdString(L"ByLayer"), line->plotStyleName());
  EXPECT_TRUE(line->color().isByLayer());

  struct Step
  {
    OdCmColor color;
    const wchar_t* plotStyle;
  } steps[] = {
    {named(10, L"Red Oak", L"Woods"), L"Heavy"},
    {named(11, L"Ash", L""), L"ByLayer"},
    {OdCmColor(OdCmEntityColor::kByBlock), L"bylayer"},
    {named(12, L"Beech", L"Woods"), L"ByBlock"},
  };
  for (const Step& step : steps)
  {
    SCOPED_TRACE(step.plotStyle);
    ASSERT_EQ(eOk, line->setColor(step.color));
    ASSERT_EQ(eOk, line->setPlotStyleName(step.plotStyle));
    EXPECT_TRUE(line->color() == step.color);
    EXPECT_EQ(step.color.colorName(), line->color().colorName());
    EXPECT_EQ(step.color.bookName(), line->color().bookName());
    // Spelling is kept as given.
    EXPECT_EQ(OdString(step.plotStyle), line->plotStyleName());

    OdDbLinePtr copy = OdDbLine::cast(line->clone().get());
    EXPECT_TRUE(copy->color() == step.color);
    EXPECT_EQ(OdString(step.plotStyle), copy->plotStyleName());
  }
  // A plain colour drops the names; properties from a plain entity clear the named state.
  ASSERT_EQ(eOk, line->setColorIndex(3));
  EXPECT_FALSE(line->color().hasColorName());
  line->setColor(named(13, L"Elm", L"Woods"));
  line->setPlotStyleName(L"Heavy");
  line->setPropertiesFrom(addLine());
  EXPECT_TRUE(line->color().isByLayer());
  EXPECT_FALSE(line->color().hasColorName());
  EXPECT_EQ(OdString(L"ByLayer"), line->plotStyleName());
}

TEST_F(ObjectState, DatabaseDefaultsBringNamedColourAndPlotStyle)
{
  db->setPSTYLEMODE(false);
  db->setCECOLOR(named(40, L"Slate", L"Stones"));
  db->setCPLOTSTYLE(L"Thin");
  OdDbLinePtr line = OdDbLine::createObject();
  line->setDatabaseDefaults(db);
  EXPECT_EQ(OdString(L"Slate"), line->color().colorName());
  EXPECT_EQ(OdString(L"Stones"), line->color().bookName());
  EXPECT_EQ(OdString(L"Thin"), line->plotStyleName());
}

TEST_F(ObjectState, RareStateLivesSideBySideAndOnlyExtendedDataIsCopied)
{
  OdDbLinePtr line = addLine();
  line->setColor(named(50, L"Moss", L"Greens"));
  line->setXData(xdata(L"APP_A", L"first"));
  line->setXData(xdata(L"APP_B", L"second"));
  ASSERT_TRUE(line->createExtensionDictionary());
  OdDbFieldPtr field = OdDbField::createObject();
  const OdDbObjectId fieldId = line->setField(L"TEXT", field);
  field.release();

  EXPECT_EQ(2u, line->xDataApplications().size());
  EXPECT_EQ(OdString(L"Moss"), line->color().colorName());
  EXPECT_EQ(fieldId, line->getField(L"text"));
  EXPECT_FALSE(line->extensionDictionary().isNull());

  // Removing one application keeps the other and everything else.
  line->setXData(OdResBuf::newRb(1001, L"APP_A"));
  ASSERT_EQ(1u, line->xDataApplications().size());
  EXPECT_EQ(OdString(L"APP_B"), line->xDataApplications()[0]);
  EXPECT_TRUE(line->hasFields());

  // A copy takes the extended data and the colour, not the owned objects.
  OdDbLinePtr copy = OdDbLine::cast(line->clone().get());
  EXPECT_EQ(OdString(L"second"), copy->xData(L"APP_B")->next()->getString());
  EXPECT_EQ(OdString(L"Moss"), copy->color().colorName());
  EXPECT_FALSE(copy->hasFields());
  EXPECT_TRUE(copy->extensionDictionary().isNull());
  // Copying an object without extended data clears it.
  copy->copyFrom(OdDbLine::createObject().get());
  EXPECT_TRUE(copy->xData().isNull());
  EXPECT_TRUE(copy->xDataApplications().isEmpty());

  // Erasing reaches the owned objects kept beside the extended data.
  const OdDbObjectId dictId = line->extensionDictionary();
  ASSERT_EQ(eOk, line->erase());
  EXPECT_TRUE(fieldId.isErased());
  EXPECT_TRUE(dictId.isErased());
  EXPECT_EQ(eOk, line->erase(false));
  EXPECT_FALSE(fieldId.isErased());
}

TEST(PooledObjects, ObjectsAndVerticesOfEverySizeKeepTheirValuesWhileOthersComeAndGo)
{
  // Polylines of 1 to 60 vertices cover every block size up to past the pooled limit; lines and
  // circles fill the same pool between them. Half of each round's objects are dropped, so the
  // next rounds get their blocks again while the kept ones must stay as they were.
  std::vector<OdDbPolylinePtr> polylines;
  std::vector<OdDbCirclePtr> circles;
  std::vector<OdDbLinePtr> lines;
  for (int round = 0; round < 4; ++round)
  {
    const std::size_t first = polylines.size();
    for (unsigned n = 1; n <= 60; ++n)
    {
      OdDbPolylinePtr polyline = OdDbPolyline::createObject();
      polyline->reset(false, n);
      for (unsigned i = 0; i < n; ++i)
        polyline->addVertexAt(i, OdGePoint2d(n, i), 0.0, round, i);
      polylines.push_back(polyline);
      OdDbCirclePtr circle = OdDbCircle::createObject();
      circle->setRadius(n + round);
      circles.push_back(circle);
      OdDbLinePtr line = OdDbLine::createObject();
      line->setEndPoint(OdGePoint3d(n, round, 0));
      lines.push_back(line);
    }
    for (std::size_t i = first + round % 2; i < polylines.size(); i += 2)
    {
      polylines[i].release();
      circles[i].release();
      lines[i].release();
    }
  }
  int checked = 0;
  for (std::size_t k = 0; k < polylines.size(); ++k)
  {
    if (polylines[k].isNull())
      continue;
    const unsigned n = polylines[k]->numVerts();
    ASSERT_GE(n, 1u);
    const double round = lines[k]->endPoint().y;
    EXPECT_EQ(double(n), lines[k]->endPoint().x);
    EXPECT_EQ(n + round, circles[k]->radius());
    for (unsigned i = 0; i < n; ++i)
    {
      OdGePoint2d p;
      double startWidth = 0.0, endWidth = 0.0;
      polylines[k]->getPointAt(i, p);
      polylines[k]->getWidthsAt(i, startWidth, endWidth);
      ASSERT_EQ(OdGePoint2d(n, i), p);
      ASSERT_EQ(round, startWidth);
      ASSERT_EQ(double(i), endWidth);
    }
    ++checked;
  }
  EXPECT_EQ(120, checked);
}

TEST(PooledObjects, ResetWithAnyVertexHintClearsOrKeeps)
{
  OdDbPolylinePtr polyline = OdDbPolyline::createObject();
  for (unsigned i = 0; i < 5; ++i)
    polyline->addVertexAt(i, OdGePoint2d(i, 0));
  polyline->reset(true, 3);
  EXPECT_EQ(3u, polyline->numVerts());
  polyline->reset(true, 0xFFFFFFFFu);
  EXPECT_EQ(3u, polyline->numVerts());
  polyline->reset(false, 0xFFFFFFFFu);
  EXPECT_EQ(0u, polyline->numVerts());
  polyline->addVertexAt(0, OdGePoint2d(7, 8));
  OdGePoint2d p;
  polyline->getPointAt(0, p);
  EXPECT_EQ(OdGePoint2d(7, 8), p);
  EXPECT_THROW(polyline->getPointAt(1, p), OdError);
}
