// OdArray index checks and OdString editing.
#include <gtest/gtest.h>

#include "OdArray.h"
#include "OdString.h"

TEST(OdArrayTest, OutOfRangeAccessRaisesInvalidIndex)
{
  OdArray<int> a{1, 2, 3};
  EXPECT_EQ(a[2], 3);
  try
  {
    (void)a[3];
    FAIL();
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(e.code(), eInvalidIndex);
  }
  volatile unsigned int beyond = 5; // not a constant, so the optimiser keeps the checked path
  EXPECT_THROW(a.removeAt(beyond), OdError);
  EXPECT_THROW(a.insertAt(4, 0), OdError);
  a.insertAt(3, 4);
  EXPECT_EQ(a.last(), 4);
  OdArray<int> empty;
  EXPECT_THROW(empty.first(), OdError);
}

TEST(OdStringTest, ConvertsAndEdits)
{
  OdString s("Größe");
  EXPECT_EQ(s.getLength(), 5);
  EXPECT_EQ(s.toUtf8(), "Größe");
  OdString t(L"a-b-a");
  EXPECT_EQ(t.replace(L"a", L"xy"), 2);
  EXPECT_EQ(t, OdString(L"xy-b-xy"));
  EXPECT_EQ(t.find(L"b"), 3);
  EXPECT_EQ(t.mid(3), OdString(L"b-xy"));
  EXPECT_EQ(OdString().format(L"%d-%ls", 7, L"x"), OdString(L"7-x"));
  EXPECT_THROW(t.getAt(99), OdError);
}

// Case-insensitive comparison: ASCII folds in place, other letters through Unicode case folding,
// and the sign orders the folded texts (shorter prefix first).
TEST(OdStringTest, CaseInsensitiveComparisonFoldsAndOrders)
{
  struct Row
  {
    const wchar_t* a;
    const wchar_t* b;
    int sign;
  };
  const Row rows[] = {
    {L"Layer0", L"LAYER0", 0},         {L"", L"", 0},
    {L"abc", L"abd", -1},              {L"ABD", L"abc", 1},
    {L"abc", L"ab", 1},                {L"AB", L"abc", -1},
    {L"[x]", L"{x}", -1},              {L"[", L"A", -1}, // folds to lower case: "[" sorts before "a"
    {L"_a", L"_A", 0},
    {L"Stra\u00DFe", L"STRA\u00DFE", 0}, {L"\u00C4rger", L"\u00E4RGER", 0},
    {L"Ma\u00DFe", L"Mafe", 1},        {L"\u03A3\u03C3", L"\u03C3\u03A3", 0},
    {L"a\U0001D11E", L"A\U0001D11E", 0}, {L"\u00E9b", L"\u00E9A", 1},
  };
  for (const Row& row : rows)
  {
    const int result = OdString(row.a).iCompare(OdString(row.b));
    EXPECT_EQ((result > 0) - (result < 0), row.sign) << OdString(row.a).toUtf8() << " vs " << OdString(row.b).toUtf8();
    const int reverse = OdString(row.b).iCompare(OdString(row.a));
    EXPECT_EQ((reverse > 0) - (reverse < 0), -row.sign) << OdString(row.b).toUtf8() << " vs " << OdString(row.a).toUtf8();
  }
}

// Copies share their text until one of them changes: every editing operation on a copy leaves
// the original (and a second copy) as it was, whether the buffer was shared or the copy's own.
TEST(OdStringTest, EditingACopyLeavesTheOthersAlone)
{
  struct Row
  {
    const char* what;
    void (*edit)(OdString&);
    const wchar_t* expected;
  };
  const Row rows[] = {
    {"setAt", [](OdString& s) { s.setAt(0, L'X'); }, L"Xa b a "},
    {"replace text", [](OdString& s) { s.replace(L"a", L"yy"); }, L" yy b yy "},
    {"replace char", [](OdString& s) { s.replace(L'a', L'z'); }, L" z b z "},
    {"append", [](OdString& s) { s += L"!"; }, L" a b a !"},
    {"append itself", [](OdString& s) { s += s; }, L" a b a  a b a "},
    {"append char", [](OdString& s) { s += L'c'; }, L" a b a c"},
    {"upper", [](OdString& s) { s.makeUpper(); }, L" A B A "},
    {"trim", [](OdString& s) { s.trimLeft().trimRight(); }, L"a b a"},
    {"insert", [](OdString& s) { s.insert(1, L"<>"); }, L" <>a b a "},
    {"delete", [](OdString& s) { s.deleteChars(0, 3); }, L"b a "},
    {"format", [](OdString& s) { s.format(L"%ls|", s.c_str()); }, L" a b a |"},
    {"empty", [](OdString& s) { s.empty(); }, L""},
    {"assign", [](OdString& s) { s = OdString(L"new"); }, L"new"},
  };
  for (const Row& row : rows)
  {
    const OdString original(L" a b a ");
    OdString copy = original;
    const OdString other = copy;
    row.edit(copy);
    EXPECT_EQ(copy, OdString(row.expected)) << row.what;
    EXPECT_EQ(original, OdString(L" a b a ")) << row.what;
    EXPECT_EQ(other, OdString(L" a b a ")) << row.what;
    // The same edit on a text with one user.
    OdString alone(L" a b a ");
    row.edit(alone);
    EXPECT_EQ(alone, OdString(row.expected)) << row.what;
    EXPECT_EQ(alone.isEmpty(), alone.getLength() == 0) << row.what;
    EXPECT_EQ(alone.c_str()[alone.getLength()], L'\0') << row.what;
  }
}

// A text built piece by piece keeps every piece, and a text may hold a zero character.
TEST(OdStringTest, TextsBuiltPieceByPieceAndWithZeros)
{
  OdString built;
  std::wstring expected;
  for (int i = 0; i < 300; ++i)
  {
    const OdString before = built;
    built += OdString().format(L"%d,", i);
    expected += std::to_wstring(i) + L",";
    ASSERT_EQ(before.getLength() + static_cast<int>(std::to_wstring(i).size()) + 1, built.getLength());
  }
  EXPECT_EQ(std::wstring(built.wstr()), expected);
  const OdString zeros(L"a\0b", 3);
  EXPECT_EQ(zeros.getLength(), 3);
  EXPECT_NE(zeros, OdString(L"a"));
  EXPECT_EQ(zeros.right(1), OdString(L"b"));
}
