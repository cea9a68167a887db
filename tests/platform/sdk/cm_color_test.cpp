// Tests of colours, the colour palette, transparencies and lineweight values.
#include <gtest/gtest.h>

#include <limits>

#include "CmColor.h"
#include "DbLineWeight.h"
#include "OdError.h"

TEST(CmColor, ColorIndexSelectsMethodAndRoundTrips)
{
  struct Row
  {
    OdUInt16 index;
    OdCmEntityColor::ColorMethod method;
    const wchar_t* description;
  } rows[] = {
      {0, OdCmEntityColor::kByBlock, L"ByBlock"}, {256, OdCmEntityColor::kByLayer, L"ByLayer"},
      {257, OdCmEntityColor::kNone, L"None"},     {1, OdCmEntityColor::kByACI, L"1"},
      {7, OdCmEntityColor::kByACI, L"7"},         {255, OdCmEntityColor::kByACI, L"255"},
  };
  for (const Row& row : rows)
  {
    SCOPED_TRACE(row.index);
    OdCmColor color;
    color.setColorIndex(row.index);
    EXPECT_EQ(color.colorMethod(), row.method);
    EXPECT_EQ(color.colorIndex(), row.index);
    EXPECT_EQ(color.getDescription(), OdString(row.description));
    EXPECT_EQ(color.color() >> 24, OdUInt32(row.method));
  }
  OdCmColor byDefault;
  EXPECT_TRUE(byDefault.isByLayer());
}

TEST(CmColor, RefusesIndexOutsideThePaletteAndKeepsTheColor)
{
  OdCmColor color;
  color.setColorIndex(3);
  try
  {
    color.setColorIndex(258);
    FAIL() << "index 258 accepted";
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(e.code(), eInvalidInput);
  }
  EXPECT_EQ(color.colorIndex(), 3);
  EXPECT_THROW(color.setColor(0x12000001u), OdError);
  EXPECT_THROW(color.setColor(0xC3000100u), OdError);
  EXPECT_EQ(color.colorIndex(), 3);
}

TEST(CmColor, TrueColorPacksRgbAndDescribesItself)
{
  OdCmColor color;
  color.setRGB(255, 0, 0);
  EXPECT_TRUE(color.isByColor());
  EXPECT_EQ(color.color(), 0xC2FF0000u);
  EXPECT_EQ(color.getDescription(), OdString(L"255,0,0"));
  EXPECT_EQ(color.colorIndex(), 1);

  color.setGreen(128);
  EXPECT_EQ(color.green(), 128);
  EXPECT_EQ(color.red(), 255);

  OdCmColor copy;
  copy.setColor(color.color());
  EXPECT_EQ(copy, color);
}

TEST(CmColor, SwitchingMethodKeepsTheVisibleColor)
{
  OdCmColor color;
  color.setColorIndex(5);
  color.setColorMethod(OdCmEntityColor::kByColor);
  EXPECT_EQ(color.color(), 0xC20000FFu);

  color.setRGB(250, 5, 5);
  color.setColorMethod(OdCmEntityColor::kByACI);
  EXPECT_EQ(color.colorIndex(), 1);

  color.setColorMethod(OdCmEntityColor::kForeground);
  EXPECT_TRUE(color.isForeground());
  EXPECT_EQ(color.colorIndex(), 7);
  color.setNone();
  EXPECT_TRUE(color.isNone());
  EXPECT_EQ(color.colorIndex(), 257);
}

TEST(CmColor, BookNamesBelongToTrueColorsAndDropOnChange)
{
  OdCmColor color;
  color.setColorIndex(2);
  EXPECT_FALSE(color.setNames(L"SKY", L"BOOK"));
  EXPECT_FALSE(color.hasColorName());

  color.setRGB(10, 20, 200);
  EXPECT_FALSE(color.setNames(OdString::kEmpty, L"BOOK"));
  EXPECT_TRUE(color.setNames(L"SKY", L"BOOK"));
  EXPECT_EQ(color.getDescription(), OdString(L"BOOK$SKY"));
  EXPECT_EQ(color.colorNameForDisplay(), OdString(L"SKY"));

  OdCmColor unnamed;
  unnamed.setRGB(10, 20, 200);
  EXPECT_NE(color, unnamed);
  color.setBlue(201);
  EXPECT_FALSE(color.hasColorName());
  EXPECT_FALSE(color.hasBookName());
}

TEST(CmColor, DisplayNamesAndComparisonWithEntityColors)
{
  const wchar_t* names[] = {L"red", L"yellow", L"green", L"cyan", L"blue", L"magenta", L"white"};
  OdCmColor color;
  for (OdUInt16 i = 1; i <= 7; ++i)
  {
    color.setColorIndex(i);
    EXPECT_EQ(color.colorNameForDisplay(), OdString(names[i - 1]));
  }
  color.setColorIndex(8);
  EXPECT_EQ(color.colorNameForDisplay(), OdString(L"8"));
  EXPECT_EQ(color, color.entityColor());
  OdCmColor named;
  named.setRGB(1, 2, 3);
  named.setNames(L"INK");
  EXPECT_NE(named, named.entityColor());

  OdCmEntityColor byLayer(OdCmEntityColor::kByLayer);
  EXPECT_EQ(OdCmColor(), byLayer);
  byLayer.setColorMethod(OdCmEntityColor::kByACI);
  EXPECT_EQ(byLayer.colorIndex(), 7);
  EXPECT_EQ(byLayer.red(), 255);
  OdCmEntityColor off(OdCmEntityColor::kLayerOff);
  EXPECT_TRUE(off.isLayerOff());
  EXPECT_EQ(off.red(), 0);
  EXPECT_EQ(OdCmColor(off).getDescription(), OdString(L"LayerOff"));
}

TEST(CmEntityColor, PaletteHasTheStandardEntries)
{
  struct Row
  {
    OdUInt8 index;
    OdUInt32 rgb;
  } rows[] = {
      {1, 0xFF0000}, {2, 0xFFFF00}, {3, 0x00FF00}, {4, 0x00FFFF}, {5, 0x0000FF}, {6, 0xFF00FF},
      {7, 0xFFFFFF}, {8, 0x808080}, {9, 0xC0C0C0}, {10, 0xFF0000}, {11, 0xFF7F7F}, {14, 0x990000},
      {20, 0xFF3F00}, {21, 0xFF9F7F}, {30, 0xFF7F00}, {50, 0xFFFF00}, {90, 0x00FF00}, {170, 0x0000FF},
      {250, 0x333333}, {255, 0xFFFFFF},
  };
  for (const Row& row : rows)
  {
    SCOPED_TRACE(int(row.index));
    EXPECT_EQ(OdCmEntityColor::lookUpRGB(row.index), row.rgb);
  }
}

TEST(CmEntityColor, NearestIndexOfEveryPaletteColorHasThatColor)
{
  for (int i = 1; i < 256; ++i)
  {
    const OdUInt32 rgb = OdCmEntityColor::lookUpRGB(OdUInt8(i));
    const OdUInt8 aci = OdCmEntityColor::lookUpACI(OdUInt8(rgb >> 16), OdUInt8(rgb >> 8), OdUInt8(rgb));
    EXPECT_LE(aci, i);
    EXPECT_EQ(OdCmEntityColor::lookUpRGB(aci), rgb) << i;
  }
  EXPECT_EQ(OdCmEntityColor::lookUpACI(250, 250, 250), 7);
}

TEST(CmTransparency, PacksMethodAndAlphaAsStoredInFiles)
{
  struct Row
  {
    OdCmTransparency value;
    OdUInt32 packed;
  } rows[] = {
      {OdCmTransparency(), 0u},
      {OdCmTransparency(OdCmTransparency::kByBlock), 0x01000000u},
      {OdCmTransparency(OdUInt8(128)), 0x02000080u},
      {OdCmTransparency(OdUInt8(0)), 0x02000000u},
      {OdCmTransparency(OdCmTransparency::kErrorValue), 0x03000000u},
  };
  for (const Row& row : rows)
  {
    SCOPED_TRACE(row.packed);
    EXPECT_EQ(row.value.serializeOut(), row.packed);
    OdCmTransparency read;
    read.serializeIn(row.packed);
    EXPECT_EQ(read, row.value);
  }
  OdCmTransparency unknown;
  unknown.serializeIn(0x7F000010u);
  EXPECT_TRUE(unknown.isInvalid());
}

TEST(CmTransparency, AlphaPercentRoundsAndRefusesOutOfRange)
{
  OdCmTransparency t;
  t.setAlphaPercent(0.5);
  EXPECT_TRUE(t.isByAlpha());
  EXPECT_EQ(t.alpha(), 128);
  t.setAlphaPercent(1.0);
  EXPECT_TRUE(t.isSolid());
  t.setAlphaPercent(0.0);
  EXPECT_TRUE(t.isClear());

  t.setAlpha(230);
  EXPECT_THROW(t.setAlphaPercent(1.5), OdError);
  EXPECT_THROW(t.setAlphaPercent(std::numeric_limits<double>::quiet_NaN()), OdError);
  EXPECT_EQ(t.alpha(), 230);

  OdCmTransparency byLayer;
  byLayer.setMethod(OdCmTransparency::kByAlpha);
  EXPECT_TRUE(byLayer.isSolid());
  byLayer.setMethod(OdCmTransparency::kByBlock);
  EXPECT_EQ(byLayer.alpha(), 0);
  EXPECT_FALSE(byLayer.isClear());
}

TEST(DbLineWeight, OnlyTheListedWeightsAreValid)
{
  EXPECT_TRUE(odIsValidLineWeight(OdDb::kLnWt025));
  EXPECT_TRUE(odIsValidLineWeight(211));
  EXPECT_TRUE(odIsValidLineWeight(OdDb::kLnWtByLwDefault));
  EXPECT_FALSE(odIsValidLineWeight(26));
  EXPECT_FALSE(odIsValidLineWeight(-4));
  EXPECT_FALSE(odIsValidLineWeight(212));
}
