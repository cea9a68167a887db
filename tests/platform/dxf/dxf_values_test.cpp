// How the reader takes values apart: reals come out exactly as the C++ library parses them
// (rounding ties, long mantissas, leading zeros, signs), and a drawing reads the same whatever
// the layout of its lines (line breaks, blanks, aligned group codes, explicit signs).
#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbFiler.h"
#include "DbLine.h"
#include "KyDxfReader.h"

namespace
{
const QByteArray kEntities = "0\nSECTION\n2\nENTITIES\n";
const QByteArray kEnd = "0\nENDSEC\n0\nEOF\n";

struct Read
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  bool ok = false;

  explicit Read(const QByteArray& data) { ok = KyDxfReader::readFromBytes(data, "values.dxf", db, report, error); }

  OdDbObjectIdArray modelSpace() const
  {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().openObject();
    return ms->entityIds();
  }
};

// The value std::from_chars gives for the text as a DXF real (blanks and a plus sign skipped).
double libraryValue(const std::string& text)
{
  std::size_t b = text.find_first_not_of(" \t");
  const std::size_t e = text.find_last_not_of(" \t");
  if (text[b] == '+')
    ++b;
  double value = 0.0;
  std::from_chars(text.data() + b, text.data() + e + 1, value);
  return value;
}

std::string randomDecimal(std::mt19937_64& rng)
{
  std::string s = rng() % 4 == 0 ? "-" : "";
  const int intDigits = 1 + static_cast<int>(rng() % 6);
  const int fracDigits = static_cast<int>(rng() % 22);
  for (int i = 0; i < intDigits; ++i)
    s += static_cast<char>('0' + rng() % 10);
  if (fracDigits > 0)
  {
    s += '.';
    for (int i = 0; i < fracDigits; ++i)
      s += static_cast<char>('0' + rng() % 10);
  }
  return s;
}
} // namespace

TEST(DxfValues, RealsAreReadExactlyAsTheLibraryParsesThem)
{
  std::vector<std::string> texts = {
    // Shortest round-trip texts of 15 to 17 digits, as writers produce them.
    "8357.374096797801", "2653.8529591773786", "0.1", "0.30000000000000004", "1e-7", "123456.7e3",
    // Exact halfway cases between two doubles round to the even one.
    "9007199254740993", "9007199254740995", "9007199254740997", "4503599627370496.5", "4503599627370497.5",
    "4503599627370498.5", "36028797018963971",
    "18014398509481985", "0.500000000000000055511151231257827",
    // Up to 19 significant digits, leading zeros, more than 22 decimals, signs and zeros.
    "9999999999999999999", "1234567890.123456789", "000012.50", "0.0000000000000000001",
    "0.00000000000000000000001234", "-0.0", "+42.125", "-1e22", "5.", ".5", "  17.25 ",
    "12345678901234567890123", "3.14159265358979323846264338327950288",
    // The largest double, written out in full.
    "17976931348623157" + std::string(292, '0')};
  std::mt19937_64 rng(77);
  for (int i = 0; i < 4000; ++i)
    texts.push_back(randomDecimal(rng));

  QByteArray file = kEntities;
  for (const std::string& text : texts)
    file += "0\nLINE\n10\n" + QByteArray::fromStdString(text) + "\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n";
  file += kEnd;
  const Read r(file);
  ASSERT_TRUE(r.ok) << r.error.toStdString();
  const OdDbObjectIdArray ids = r.modelSpace();
  ASSERT_EQ(texts.size(), ids.size());
  for (unsigned i = 0; i < ids.size(); ++i)
  {
    OdDbLinePtr line = ids[i].openObject();
    const double read = line->startPoint().x;
    const double expected = libraryValue(texts[i]);
    ASSERT_EQ(0, std::memcmp(&read, &expected, sizeof read)) << texts[i] << ": " << read << " != " << expected;
  }
}

TEST(DxfValues, ADrawingReadsTheSameWhateverTheLayoutOfItsLines)
{
  // Group codes and values, written below in several layouts.
  const std::vector<std::pair<int, std::string>> tags = {
    {0, "LINE"},     {5, "2A"},        {8, "Walls"},   {62, "5"},         {370, "-3"},        {10, "12.5"},
    {20, "-0.75"},   {30, "0"},        {11, "1e2"},    {21, "33.333333333333336"},            {31, "0.0"},
    {1001, "APP"},   {1000, "a note"}, {1070, "-12"},  {1071, "70000"},   {1040, "2.5"},      {0, "LWPOLYLINE"},
    {5, "2B"},       {90, "2"},        {70, "1"},      {43, "0.25"},      {10, "1"},          {20, "2"},
    {42, "0.5"},     {10, "3.0000000000000004"},       {20, "4"},         {0, "TEXT"},        {5, "2C"},
    {10, "0"},       {20, "0"},        {40, "2.5"},    {1, " padded text "}, {7, "Standard"}};
  struct Layout
  {
    const char* what;
    const char* lineBreak;
    const char* codeFormat; // printf format of the group code
    const char* before;     // blanks before a number
    const char* after;      // blanks after a number
    bool plusSigns;
  } layouts[] = {
    {"plain", "\n", "%d", "", "", false},
    {"CR LF and right-aligned codes", "\r\n", "%3d", "", "", false},
    {"left-aligned codes with blanks", "\n", "%-4d", "", "", false},
    {"tabs and blanks around numbers", "\r\n", "\t%d\t", " \t", "\t ", false},
    {"explicit plus signs", "\n", "%+d", "", "", true},
  };
  std::vector<OdDbDxfTagList::Tag> reference;
  for (const Layout& layout : layouts)
  {
    SCOPED_TRACE(layout.what);
    QByteArray file = kEntities;
    file.replace("\n", layout.lineBreak);
    for (const auto& tag : tags)
    {
      file += QString::asprintf(layout.codeFormat, tag.first).toLatin1() + layout.lineBreak;
      const bool text = tag.first == 0 || tag.first == 1 || tag.first == 5 || tag.first == 7 || tag.first == 8 ||
                        tag.first == 1000 || tag.first == 1001;
      std::string value = tag.second;
      if (!text && layout.plusSigns && value[0] != '-')
        value = "+" + value;
      if (!text)
        value = layout.before + value + layout.after;
      file += QByteArray::fromStdString(value) + layout.lineBreak;
    }
    file += QByteArray(kEnd).replace("\n", layout.lineBreak);
    const Read r(file);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    std::vector<OdDbDxfTagList::Tag> all;
    for (const OdDbObjectId& id : r.modelSpace())
    {
      OdDbDxfTagList list;
      id.openObject()->dxfOut(&list);
      all.insert(all.end(), list.tags().begin(), list.tags().end());
    }
    ASSERT_FALSE(all.empty());
    if (reference.empty())
      reference = all;
    else
      EXPECT_TRUE(all == reference);
  }
}
