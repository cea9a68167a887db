// Value cells of the property framework: CKyString conversions, CKyVariant conversions between
// kinds, equality, and the value semantics of lists and list elements.
#include <climits>
#include <cmath>
#include <type_traits>

#include <gtest/gtest.h>

#include "KyString.h"
#include "KyVariant.h"

// Misleading constructions are compile errors: a double needs its unit flag, bools are no kind.
static_assert(!std::is_constructible<CKyVariant, double>::value, "double without unit flag");
static_assert(!std::is_constructible<CKyVariant, bool>::value, "bool");
static_assert(std::is_constructible<CKyVariant, double, bool>::value, "double with unit flag");

TEST(FrameworkString, ConvertsBetweenQtSdkAndWideStringsLosslessly)
{
  const QString text = QString::fromUtf8("Durchmesser \xC3\x98 \xE2\x88\x85 25");
  const CKyString fromQt(text);
  const CKyString fromSdk(OdString(text.toStdWString()));
  const CKyString fromWide(text.toStdWString().c_str());
  const CKyString fromUtf8("Durchmesser \xC3\x98 \xE2\x88\x85 25");

  for (const CKyString* s : {&fromQt, &fromSdk, &fromWide, &fromUtf8})
  {
    EXPECT_EQ(s->toQString(), text);
    EXPECT_EQ(s->toOdString().wstr(), text.toStdWString());
    EXPECT_EQ(std::wstring(s->c_str()), text.toStdWString());
    EXPECT_EQ(s->getLength(), text.length());
  }
}

// Texts outside the basic plane and broken surrogates take the general conversion; plain texts
// the direct one. Either way the result is what Qt makes of the same text.
TEST(FrameworkString, SdkStringsOfEveryPlaneConvertLikeQt)
{
  const std::wstring texts[] = {L"", L"ByLayer", L"\u00D8 25 \u2205", L"clef \U0001D11E end", L"\U0001F600",
                                std::wstring(1, wchar_t(0xFFFF)), std::wstring(1, wchar_t(0xD800)) + L"x",
                                std::wstring(L"nul\0inside", 10)};
  for (const std::wstring& wide : texts)
  {
    const CKyString converted{OdString(wide)};
    EXPECT_EQ(converted.toQString(), QString::fromStdWString(wide)) << QString::fromStdWString(wide).toStdString();
    if (QString::fromStdWString(wide).toStdWString() == wide)
    {
      EXPECT_EQ(converted.toOdString().wstr(), wide);
    }
  }
}

TEST(FrameworkString, WideCopyFollowsChangesOfTheText)
{
  CKyString s("ab");
  EXPECT_STREQ(s.c_str(), L"ab");
  s += CKyString("cd");
  EXPECT_STREQ(s.c_str(), L"abcd");
  s = CKyString(L"x");
  EXPECT_STREQ(s.c_str(), L"x");
  CKyString moved(std::move(s));
  EXPECT_STREQ(moved.c_str(), L"x");

  // A move hands the wide copy over; the string moved from is empty; copies make their own.
  const wchar_t* wide = moved.c_str();
  CKyString target("old");
  EXPECT_STREQ(target.c_str(), L"old");
  target = std::move(moved);
  EXPECT_EQ(target.c_str(), wide);
  EXPECT_STREQ(target.c_str(), L"x");
  EXPECT_STREQ(moved.c_str(), L"");
  CKyString copy(target);
  copy += CKyString("y");
  EXPECT_STREQ(copy.c_str(), L"xy");
  EXPECT_STREQ(target.c_str(), L"x");
}

TEST(FrameworkString, MixedComparisonsAndConcatenationAgree)
{
  const CKyString s("Layer");
  EXPECT_TRUE(s == QStringLiteral("Layer"));
  EXPECT_TRUE(QStringLiteral("Layer") == s);
  EXPECT_TRUE(s == OdString(L"Layer"));
  EXPECT_TRUE(s == L"Layer");
  EXPECT_TRUE(s == "Layer");
  EXPECT_TRUE(s != "layer");
  EXPECT_TRUE(CKyString("a") < CKyString("b"));
  EXPECT_EQ((s + " 0").toQString(), QStringLiteral("Layer 0"));
  EXPECT_EQ((QStringLiteral("New ") + s).toQString(), QStringLiteral("New Layer"));
  EXPECT_EQ((s + OdString(L"!")).toQString(), QStringLiteral("Layer!"));
  EXPECT_TRUE(CKyString().isEmpty());
  EXPECT_TRUE(CKyString(static_cast<const wchar_t*>(nullptr)).isEmpty());
}

// Equality looks at the length and the last character before the whole text: texts that differ
// anywhere, or not at all but in separate buffers, must still compare right.
TEST(FrameworkString, EqualityComparesTheWholeText)
{
  struct Case
  {
    QString a;
    QString b;
    bool equal;
  };
  const Case cases[] = {
    {QStringLiteral("Start X"), QStringLiteral("Start Y"), false},
    {QStringLiteral("Start X"), QStringLiteral("Stop  X"), false},
    {QStringLiteral("XHeight"), QStringLiteral("YHeight"), false},
    {QStringLiteral("Height"), QStringLiteral("Heigh"), false},
    {QStringLiteral("Height"), QString::fromLatin1("Height"), true},
    {QString(), QStringLiteral(""), true},
    {QString(), QStringLiteral("a"), false},
    {QStringLiteral("\U0001F600"), QString::fromUtf8("\xF0\x9F\x98\x80"), true},
  };
  for (const Case& c : cases)
  {
    const CKyString a(c.a), b(c.b);
    EXPECT_EQ(a == b, c.equal) << c.a.toStdString() << " / " << c.b.toStdString();
    EXPECT_EQ(b == a, c.equal);
    EXPECT_EQ(a != b, !c.equal);
  }
}

TEST(FrameworkVariant, StringLikeConstructorsAllMakeStrings)
{
  const CKyVariant cells[] = {CKyVariant("x"), CKyVariant(L"x"), CKyVariant(QStringLiteral("x")),
                              CKyVariant(OdString(L"x")), CKyVariant(CKyString("x"))};
  for (const CKyVariant& cell : cells)
  {
    EXPECT_EQ(cell.GetType(), CKyVariant::kString);
    EXPECT_EQ(cell.GetString(), "x");
  }
}

TEST(FrameworkVariant, GetDoubleConvertsNumbersAndParsesStrings)
{
  struct Case
  {
    CKyVariant cell;
    double expected;
  };
  const Case cases[] = {
    {CKyVariant(2.5, true), 2.5},
    {CKyVariant(-7), -7.0},
    {CKyVariant("2.5"), 2.5},
    {CKyVariant(" 1e3 "), 1000.0},
    {CKyVariant("garbage"), 0.0},
    {CKyVariant("2.5mm"), 0.0},
    {CKyVariant(""), 0.0},
    {CKyVariant(), 0.0},
    {CKyVariant(OdCmColor(OdCmEntityColor::kByBlock)), 0.0},
    {CKyVariant(OdGePoint3d(1, 2, 3)), 0.0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.cell.GetDouble(), c.expected) << c.cell.GetString().toQString().toStdString();
}

TEST(FrameworkVariant, GetInt32TruncatesDoublesAndParsesIntegerStrings)
{
  struct Case
  {
    CKyVariant cell;
    int expected;
  };
  const Case cases[] = {
    {CKyVariant(42), 42},
    {CKyVariant(2.9, false), 2},
    {CKyVariant(-2.9, false), -2},
    {CKyVariant(1e20, false), INT_MAX},
    {CKyVariant(-1e20, false), INT_MIN},
    {CKyVariant(std::nan(""), false), 0},
    {CKyVariant("17"), 17},
    {CKyVariant("2.5"), 0},
    {CKyVariant("abc"), 0},
    {CKyVariant(), 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.cell.GetInt32(), c.expected) << c.cell.GetString().toQString().toStdString();
}

TEST(FrameworkVariant, GetStringGivesReadableTextForEveryKind)
{
  CKyVariantCollection choices;
  choices.Add(CKyVariant(1), CKyVariant("Yes"));
  choices.Add(CKyVariant(0), CKyVariant("No"));
  choices.SetCurrentIndex(1);

  OdCmTransparency half;
  half.setAlpha(127);

  struct Case
  {
    CKyVariant cell;
    const char* expected;
  };
  const Case cases[] = {
    {CKyVariant(), ""},
    {CKyVariant(0.1, true), "0.1"},
    {CKyVariant(1.0 / 3.0, false), "0.333333333333333"},
    {CKyVariant(-5), "-5"},
    {CKyVariant(choices), "No"},
    {CKyVariant(CKyVariantCollectionElement(CKyVariant(1), CKyVariant("Yes"))), "Yes"},
    {CKyVariant(OdGePoint2d(1.5, -2)), "1.5,-2,0"},
    {CKyVariant(half), "50"},
    {CKyVariant(OdCmTransparency(OdCmTransparency::kByBlock)), "ByBlock"},
    {CKyVariant(OdDbObjectId::kNull), ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.cell.GetString().toQString(), QString::fromUtf8(c.expected));
}

TEST(FrameworkVariant, EqualityNeedsSameKindAndExactValue)
{
  EXPECT_EQ(CKyVariant(1.0, true), CKyVariant(1.0, false)); // the unit flag is not part of the value
  EXPECT_NE(CKyVariant(1.0, true), CKyVariant(1.0 + 1e-15, true));
  EXPECT_NE(CKyVariant(1), CKyVariant(1.0, false));
  EXPECT_NE(CKyVariant("1"), CKyVariant(1));
  EXPECT_EQ(CKyVariant(), CKyVariant());
  EXPECT_NE(CKyVariant(), CKyVariant(""));
  EXPECT_EQ(CKyVariant(OdGePoint3d(1, 2, 3)), CKyVariant(OdGePoint3d(1, 2, 3)));
  EXPECT_NE(CKyVariant(OdGePoint3d(1, 2, 3)), CKyVariant(OdGePoint3d(1, 2, 3 + 1e-12)));
  EXPECT_EQ(CKyVariant(OdCmColor(OdCmEntityColor::kByBlock)), CKyVariant(OdCmColor(OdCmEntityColor::kByBlock)));
  EXPECT_NE(CKyVariant(OdCmColor(OdCmEntityColor::kByBlock)), CKyVariant(OdCmColor()));
}

TEST(FrameworkVariant, ListsInCellsAreIndependentCopies)
{
  CKyVariantCollection list;
  list.Add(CKyVariant(1), CKyVariant("one"));
  list.SetCurrentIndex(0);
  CKyVariant cell(list);

  list.Add(CKyVariant(2), CKyVariant("two"));
  list.SetCurrentIndex(1);
  EXPECT_EQ(cell.GetCollection().GetCount(), 1);
  EXPECT_EQ(cell.GetCollection().GetCurrentIndex(), 0);

  CKyVariant copy = cell;
  CKyVariantCollection changed = copy.GetCollection();
  changed.Clear();
  copy = CKyVariant(changed);
  EXPECT_EQ(cell.GetCollection().GetCount(), 1);
  EXPECT_EQ(copy.GetCollection().GetCount(), 0);
  EXPECT_EQ(copy.GetCollection().GetCurrentIndex(), -1);
  EXPECT_NE(cell, copy);
}

TEST(FrameworkVariant, NestedElementsKeepValueSemantics)
{
  CKyVariantCollection inner;
  inner.Add(CKyVariant(7), CKyVariant(7));
  CKyVariantCollectionElement element(CKyVariant("tag"), CKyVariant(inner));
  const CKyVariant cell(element);

  element.SetValue(CKyVariant(2.0, false));
  element.SetTag(CKyVariant(3));
  EXPECT_EQ(cell.GetCollectionElement().GetTag(), CKyVariant("tag"));
  EXPECT_EQ(cell.GetCollectionElement().GetValue().GetCollection().GetAt(0).GetValue().GetInt32(), 7);

  CKyVariantCollection a;
  a.Add(element);
  CKyVariantCollection b = a;
  EXPECT_EQ(a, b);
  b.SetCurrentIndex(0);
  EXPECT_NE(a, b);
}

TEST(FrameworkVariant, ListIndexOutsideRangeThrowsInvalidIndex)
{
  CKyVariantCollection list;
  list.Add(CKyVariant(1), CKyVariant(1));
  for (int index : {-1, 1, 100})
  {
    try
    {
      list.GetAt(index);
      ADD_FAILURE() << "index " << index;
    }
    catch (const OdError& e)
    {
      EXPECT_EQ(e.code(), eInvalidIndex);
    }
  }
  list.SetCurrentIndex(5);
  EXPECT_EQ(list.GetCurrent(), nullptr);
}
