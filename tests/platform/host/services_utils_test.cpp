// CKyUtils: hyperlinks stored as "KY_HYPERLINK" extended data (set, read, replace, remove,
// refused without write access), insertion-unit factors and names, and colour texts.
#include <gtest/gtest.h>

#include "DbLine.h"
#include "DbRegAppTable.h"
#include "KyTestDrawing.h"
#include "KyUtils.h"
#include "OdError.h"

namespace
{
class ServicesHyperlink : public ::testing::Test
{
protected:
  OdDbObjectId addLine()
  {
    OdSmartPtr<OdDbLine> line = OdDbLine::createObject();
    line->setEndPoint(OdGePoint3d(10, 0, 0));
    return drawing.add(line);
  }

  KyTestDrawing drawing;
};

TEST_F(ServicesHyperlink, SetsReadsAndRegistersTheApplication)
{
  OdDbObjectPtr line = addLine().safeOpenObject(OdDb::kForWrite);
  CKyString link("https://example.org/doc");
  EXPECT_FALSE(CKyUtils::IsHyperLink(line, nullptr, nullptr));
  ASSERT_TRUE(CKyUtils::SetHyperLink(line, &link));

  CKyString readLink, readDescription("stale");
  EXPECT_TRUE(CKyUtils::IsHyperLink(line, &readLink, &readDescription));
  EXPECT_EQ(readLink, link);
  EXPECT_TRUE(readDescription.isEmpty());
  EXPECT_TRUE(CKyUtils::IsHyperLink(line, nullptr, nullptr));

  OdDbRegAppTablePtr apps = drawing.db()->getRegAppTableId().safeOpenObject();
  EXPECT_TRUE(apps->has(CKyUtils::kHyperlinkAppName));
  OdResBufPtr chain = line->xData(CKyUtils::kHyperlinkAppName);
  ASSERT_FALSE(chain.isNull());
  EXPECT_EQ(chain->restype(), 1001);
  ASSERT_FALSE(chain->next().isNull());
  EXPECT_EQ(chain->next()->restype(), 1000);
  EXPECT_EQ(chain->next()->getString(), OdString(L"https://example.org/doc"));
}

TEST_F(ServicesHyperlink, NewLinkKeepsDescriptionAndOtherApplicationsData)
{
  OdDbObjectPtr line = addLine().safeOpenObject(OdDb::kForWrite);
  drawing.db()->newRegApp(CKyUtils::kHyperlinkAppName);
  drawing.db()->newRegApp(L"OTHER_APP");
  OdResBufPtr chain = OdResBuf::newRb(1001, CKyUtils::kHyperlinkAppName);
  chain->setNext(OdResBuf::newRb(1000, L"old.html"))->setNext(OdResBuf::newRb(1000, L"Manual"));
  line->setXData(chain);
  OdResBufPtr other = OdResBuf::newRb(1001, L"OTHER_APP");
  other->setNext(OdResBuf::newRb(1070, OdInt16(7)));
  line->setXData(other);

  CKyString link("new.html");
  ASSERT_TRUE(CKyUtils::SetHyperLink(line, &link));
  CKyString readLink, description;
  ASSERT_TRUE(CKyUtils::IsHyperLink(line, &readLink, &description));
  EXPECT_EQ(readLink.toQString(), QStringLiteral("new.html"));
  EXPECT_EQ(description.toQString(), QStringLiteral("Manual"));
  EXPECT_FALSE(line->xData(L"OTHER_APP").isNull());
}

TEST_F(ServicesHyperlink, EmptyLinkRemovesIt)
{
  OdDbObjectPtr line = addLine().safeOpenObject(OdDb::kForWrite);
  CKyString link("a.html");
  ASSERT_TRUE(CKyUtils::SetHyperLink(line, &link));
  CKyString empty;
  EXPECT_TRUE(CKyUtils::SetHyperLink(line, &empty));
  EXPECT_FALSE(CKyUtils::IsHyperLink(line, nullptr, nullptr));
  EXPECT_TRUE(line->xData(CKyUtils::kHyperlinkAppName).isNull());
  // Removing again, or with a null link, is harmless.
  EXPECT_TRUE(CKyUtils::SetHyperLink(line, nullptr));
}

TEST_F(ServicesHyperlink, RefusedWithoutWriteAccessAndObjectUnchanged)
{
  const OdDbObjectId id = addLine();
  CKyString link("a.html");
  {
    OdDbObjectPtr line = id.safeOpenObject(OdDb::kForWrite);
    ASSERT_TRUE(CKyUtils::SetHyperLink(line, &link));
  }
  OdDbObjectPtr line = id.safeOpenObject(OdDb::kForRead);
  ASSERT_FALSE(line->isWriteEnabled());
  CKyString other("b.html"), empty;
  EXPECT_FALSE(CKyUtils::SetHyperLink(line, &other));
  EXPECT_FALSE(CKyUtils::SetHyperLink(line, &empty));
  CKyString readLink;
  EXPECT_TRUE(CKyUtils::IsHyperLink(line, &readLink, nullptr));
  EXPECT_EQ(readLink, link);
  EXPECT_FALSE(CKyUtils::SetHyperLink(nullptr, &link));
  EXPECT_FALSE(CKyUtils::IsHyperLink(nullptr, &readLink, nullptr));
}

TEST(ServicesUnitsFactor, ConvertsBetweenInsertionUnits)
{
  const struct
  {
    int from;
    int to;
    double factor;
  } rows[] = {
    {2, 1, 12.0},        {1, 2, 1.0 / 12.0}, {6, 4, 1000.0},     {4, 6, 0.001},   {3, 2, 5280.0},
    {10, 2, 3.0},        {7, 6, 1000.0},     {9, 1, 0.001},      {8, 1, 1e-6},    {5, 4, 10.0},
    {14, 5, 10.0},       {15, 6, 10.0},      {16, 15, 10.0},     {17, 7, 1e6},    {12, 11, 10.0},
    {13, 12, 1000.0},    {0, 6, 1.0},        {6, 0, 1.0},        {0, 0, 1.0},     {4, 4, 1.0},
    {20, 18, 206264.80624709636},
  };
  for (const auto& row : rows)
    EXPECT_NEAR(CKyUtils::GetUnitsScaleFactor(row.from, row.to) / row.factor, 1.0, 1e-12) << row.from << "->" << row.to;
  EXPECT_NEAR(CKyUtils::GetUnitsScaleFactor(19, 6), 9460730472580800.0, 1.0);
  EXPECT_THROW(CKyUtils::GetUnitsScaleFactor(21, 1), OdError);
  EXPECT_THROW(CKyUtils::GetUnitsScaleFactor(1, -1), OdError);
}

TEST(ServicesUnitsFactor, NamesEveryInsertionUnit)
{
  EXPECT_EQ(CKyUtils::GetUnitsName(0).toQString(), QStringLiteral("Unitless"));
  EXPECT_EQ(CKyUtils::GetUnitsName(1).toQString(), QStringLiteral("Inches"));
  EXPECT_EQ(CKyUtils::GetUnitsName(2).toQString(), QStringLiteral("Feet"));
  EXPECT_EQ(CKyUtils::GetUnitsName(4).toQString(), QStringLiteral("Millimeters"));
  EXPECT_EQ(CKyUtils::GetUnitsName(18).toQString(), QStringLiteral("Astronomical Units"));
  EXPECT_EQ(CKyUtils::GetUnitsName(20).toQString(), QStringLiteral("Parsecs"));
  EXPECT_THROW(CKyUtils::GetUnitsName(21), OdError);
}

TEST(ServicesColorText, NamesColoursAsThePaletteShowsThem)
{
  OdCmColor byBlock(OdCmEntityColor::kByBlock);
  OdCmColor red, white, eight, aciByLayer, trueColor, none(OdCmEntityColor::kNone);
  red.setColorIndex(1);
  white.setColorIndex(7);
  eight.setColorIndex(8);
  aciByLayer.setColorIndex(256);
  trueColor.setRGB(255, 128, 0);
  const struct
  {
    OdCmColor color;
    const char* text;
  } rows[] = {
    {OdCmColor(), "ByLayer"}, {byBlock, "ByBlock"}, {red, "Red"},           {white, "White"},
    {eight, "Color 8"},       {aciByLayer, "ByLayer"}, {trueColor, "255,128,0"}, {none, "None"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(CKyUtils::GetColorText(row.color).toQString(), QString::fromLatin1(row.text)) << row.text;
}
} // namespace
