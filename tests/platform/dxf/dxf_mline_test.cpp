// Multilines and multiline styles in DXF: a drawing written whole reads back into the same
// states, a file's MLINE and MLINESTYLE read as their reference gives them, an unedited file goes
// out as it came while an edit writes back the recomputed vertex data alone, and what a file
// bends (counts, style references, values the objects refuse) is repaired by line.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbMline.h"
#include "DbMlineStyle.h"
#include "DxfWriteTestUtil.h"
#include "DxfWriter.h"
#include "KyDxfReader.h"
#include "KyDxfWriter.h"

using namespace kydxf;

namespace
{
void expectPoint(const OdGePoint3d& actual, const OdGePoint3d& expected)
{
  EXPECT_NEAR(actual.distanceTo(expected), 0.0, 1e-12) << actual.x << " " << actual.y << " " << actual.z;
}

// A file of another program: style "WALL" (offsets 1 and -1, the first red) in the styles'
// dictionary, and a multiline of three vertices along it, scale 2, centred, caps suppressed at
// the end. `mline` replaces the multiline's own tags after its subclass marker.
QByteArray styledFile(const std::string& mline = std::string())
{
  const std::string entities =
    dxfwrite::tags({{0, "MLINE"}, {5, "A1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbMline"}}) +
    (mline.empty() ? dxfwrite::tags({{2, "WALL"},   {340, "B2"}, {40, "2.0"},  {70, "1"},   {71, "9"},
                                     {72, "3"},     {73, "2"},   {10, "0.0"},  {20, "0.0"}, {30, "0.0"},
                                     {11, "0.0"},   {21, "0.0"}, {31, "0.0"},  {12, "1.0"}, {22, "0.0"},
                                     {32, "0.0"},   {13, "0.0"}, {23, "1.0"},  {33, "0.0"}, {74, "2"},
                                     {41, "2.0"},   {41, "0.0"}, {75, "0"},    {74, "2"},   {41, "-2.0"},
                                     {41, "0.0"},   {75, "0"},   {11, "10.0"}, {21, "0.0"}, {31, "0.0"},
                                     {12, "0.0"},   {22, "1.0"}, {32, "0.0"},  {13, "-0.7071067811865475"},
                                     {23, "0.7071067811865475"}, {33, "0.0"}, {74, "2"}, {41, "2.82842712474619"},
                                     {41, "0.0"},   {75, "0"},   {74, "2"},    {41, "-2.82842712474619"},
                                     {41, "0.0"},   {75, "0"},   {11, "10.0"}, {21, "10.0"}, {31, "0.0"},
                                     {12, "0.0"},   {22, "1.0"}, {32, "0.0"},  {13, "-1.0"}, {23, "0.0"},
                                     {33, "0.0"},   {74, "2"},   {41, "2.0"},  {41, "0.0"}, {75, "0"},
                                     {74, "2"},     {41, "-2.0"}, {41, "0.0"}, {75, "0"}})
                   : mline);
  const std::string objects = dxfwrite::tags({
    {0, "DICTIONARY"}, {5, "C"},   {330, "0"},      {100, "AcDbDictionary"}, {281, "1"},
    {3, "ACAD_MLINESTYLE"}, {350, "B1"},
    {0, "DICTIONARY"}, {5, "B1"},  {330, "C"},      {100, "AcDbDictionary"}, {281, "1"},
    {3, "WALL"},       {350, "B2"},
    {0, "MLINESTYLE"}, {5, "B2"},  {330, "B1"},     {100, "AcDbMlineStyle"}, {2, "WALL"},
    {70, "0"},         {3, "Outer wall"}, {62, "256"}, {51, "90.0"},        {52, "90.0"},
    {71, "2"},         {49, "1.0"}, {62, "1"},      {6, "BYLAYER"},          {49, "-1.0"},
    {62, "256"},       {6, "BYLAYER"},
  });
  return dxfwrite::minimalFile(kDxfR2000, "", {{"ENTITIES", entities}, {"OBJECTS", objects}});
}

OdDbMlinePtr mlineOf(const dxfwrite::Read& r)
{
  return OdDbMline::cast(r.db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(0xA1))).openObject(OdDb::kForWrite));
}

std::vector<std::string> repairTexts(const KyDxfReader::Report& report)
{
  std::vector<std::string> texts;
  for (const KyDxfReader::Repair& r : report.repairs)
    texts.push_back(KyDxfReader::Report::repairText("t.dxf", r).toStdString());
  return texts;
}
} // namespace

TEST(DxfMline, ReadsTheMultilineAndItsStyleAsTheFileGivesThem)
{
  const dxfwrite::Read r = dxfwrite::readSource(styledFile());
  EXPECT_EQ(r.report.repairCount, 0) << (repairTexts(r.report).empty() ? "" : repairTexts(r.report)[0]);
  EXPECT_TRUE(r.report.skipped.isEmpty()) << r.report.skippedText().toStdString();
  OdDbMlinePtr m = mlineOf(r);
  ASSERT_FALSE(m.isNull());
  OdDbMlineStylePtr style = m->style().safeOpenObject();
  EXPECT_EQ(style->name(), OdString(L"WALL"));
  EXPECT_EQ(style->description(), OdString(L"Outer wall"));
  ASSERT_EQ(style->numElements(), 2);
  double offset = 0.0;
  OdCmColor color;
  OdDbObjectId linetype;
  style->getElementAt(0, offset, color, linetype);
  EXPECT_EQ(offset, 1.0);
  EXPECT_EQ(color.colorIndex(), 1);
  EXPECT_TRUE(linetype.isNull()) << "BYLAYER";
  EXPECT_NEAR(style->startAngle(), M_PI / 2, 1e-15);
  EXPECT_EQ(m->scale(), 2.0);
  EXPECT_EQ(m->justification(), Mline::kZero);
  EXPECT_FALSE(m->closedMline());
  EXPECT_TRUE(m->suppressEndCaps());
  EXPECT_FALSE(m->suppressStartCaps());
  ASSERT_EQ(m->numVertices(), 3);
  expectPoint(m->vertexAt(2), OdGePoint3d(10, 10, 0));
  // The elements come from the style: offset 1, scale 2, centred.
  expectPoint(m->elementPointAt(1, 0), OdGePoint3d(8, 2, 0));
}

TEST(DxfMline, UnchangedDrawingGoesOutAsItCameAndEditsWriteTheRecomputedVertexData)
{
  const QByteArray source = styledFile();
  {
    const dxfwrite::Read r = dxfwrite::readSource(source);
    EXPECT_EQ(dxfwrite::writeBack(r), source);
  }
  const struct
  {
    const char* name;
    std::function<void(OdDbMline*)> apply;
    const char* written; // a tag the edit writes
  } edits[] = {
    {"scale", [](OdDbMline* m) { m->setScale(3.0); }, "\n 40\n3.0\n"},
    {"vertex", [](OdDbMline* m) { m->moveVertexAt(2, OdGePoint3d(20, 0, 0)); }, "\n 12\n1.0\n 22\n0.0\n"},
    {"justification", [](OdDbMline* m) { m->setJustification(Mline::kBottom); }, "\n 41\n4.0\n"},
  };
  for (const auto& edit : edits)
  {
    SCOPED_TRACE(edit.name);
    dxfwrite::Read r = dxfwrite::readSource(source);
    {
      OdDbMlinePtr m = mlineOf(r);
      edit.apply(m);
    }
    const std::map<std::uint64_t, std::string> expected = dxfwrite::statesOf(r.db.get());
    const QByteArray out = dxfwrite::writeBack(r);
    EXPECT_TRUE(out.contains(edit.written)) << out.toStdString();
    const dxfwrite::Read again = dxfwrite::readSource(out);
    EXPECT_EQ(again.report.repairCount, 0);
    EXPECT_TRUE(dxfwrite::statesKept(expected, dxfwrite::statesOf(again.db.get())));
  }
}

TEST(DxfMline, DrawingWrittenWholeReadsBackTheSame)
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  {
    OdDbDictionaryPtr nod = db->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
    OdDbDictionaryPtr styles = OdDbDictionary::createObject();
    nod->setAt(OdDbMlineStyle::kDictionaryName, styles);
    OdDbMlineStylePtr style = OdDbMlineStyle::createObject();
    style->setName(L"Fence");
    style->setFlags(OdDbMlineStyle::kFillOn | OdDbMlineStyle::kEndRoundCap);
    style->setStartAngle(M_PI / 3);
    OdCmColor red;
    red.setRGB(200, 10, 10);
    style->setFillColor(red);
    style->addElement(0.0, red, db->getLinetypeContinuousId());
    const OdDbObjectId styleId = styles->setAt(L"Fence", style);
    OdDbMlinePtr m = OdDbMline::createObject();
    m->setStyle(styleId);
    m->setScale(-1.5);
    m->setClosedMline(true);
    for (const OdGePoint3d& p : {OdGePoint3d(0, 0, 1), OdGePoint3d(4, 0, 1), OdGePoint3d(4, 3, 1)})
      m->appendSeg(p);
    dxfwrite::addToModelSpace(db, m);
  }
  const std::map<std::uint64_t, std::string> expected = dxfwrite::statesOf(db.get());
  QByteArray out;
  QString error;
  KyDxfWriter::Options options;
  // R2000 has no true colours for the style: refused by name, not written as palette indices.
  options.version = QStringLiteral("AC1015");
  EXPECT_FALSE(KyDxfWriter::write(db.get(), nullptr, out, error, options));
  EXPECT_TRUE(error.contains("MLINESTYLE") && error.contains("a true colour (200,10,10) cannot be written in R2000"))
      << error.toStdString();
  options.version = QStringLiteral("AC1032");
  ASSERT_TRUE(KyDxfWriter::write(db.get(), nullptr, out, error, options)) << error.toStdString();
  const dxfwrite::Read again = dxfwrite::readSource(out);
  EXPECT_EQ(again.report.repairCount, 0) << (repairTexts(again.report).empty() ? "" : repairTexts(again.report)[0]);
  std::map<std::uint64_t, std::string> kept;
  for (const auto& state : expected)
    if (state.second.find("OdDbMline") != std::string::npos)
      kept.insert(state);
  EXPECT_EQ(kept.size(), 2u);
  EXPECT_TRUE(dxfwrite::statesKept(kept, dxfwrite::statesOf(again.db.get())));
}

TEST(DxfMline, BentFilesAreRepairedByLine)
{
  // The multiline's own tags after its marker, for each case; line numbers count from the start of
  // the file (the multiline's subclass marker is on lines 27-28).
  const struct
  {
    const char* name;
    std::vector<std::pair<int, std::string>> tags;
    const char* repair;
    const char* style; // the style the multiline ends with ("" for none)
    int vertices;
  } cases[] = {
    {"vertex count differs",
     {{2, "WALL"}, {340, "B2"}, {72, "3"}, {11, "0"}, {21, "0"}, {31, "0"}, {11, "5"}, {21, "0"}, {31, "0"}},
     "t.dxf:34: MLINE vertex count 3 differs from the 2 given; read the 2 given", "WALL", 2},
    {"style handle names nothing, found by name",
     {{2, "wall"}, {340, "FF"}, {11, "0"}, {21, "0"}, {31, "0"}},
     "t.dxf:32: MLINE style handle FF names no multiline style; used the style 'wall' by its name", "WALL", 1},
    {"style handle names another object",
     {{2, "GONE"}, {340, "B1"}, {11, "0"}, {21, "0"}, {31, "0"}},
     "t.dxf:32: MLINE style handle B1 names no multiline style; kept the multiline without style", "", 1},
    {"style name not in the drawing",
     {{2, "GONE"}, {11, "0"}, {21, "0"}, {31, "0"}},
     "t.dxf:19: MLINE style 'GONE' is not in the drawing; kept the multiline without style", "", 1},
    // How a multiline without style is written: read back without style, nothing repaired.
    {"no style at all", {{11, "0"}, {21, "0"}, {31, "0"}}, "", "", 1},
    {"element count differs from the style's",
     {{2, "WALL"}, {340, "B2"}, {73, "3"}},
     "t.dxf:34: MLINE element count 3 differs from the 2 of its style; drew the elements of its style", "WALL", 0},
    {"justification out of range",
     {{2, "WALL"}, {340, "B2"}, {70, "5"}},
     "t.dxf:34: MLINE justification refused (Invalid input); dropped the value", "WALL", 0},
    {"zero normal",
     {{2, "WALL"}, {340, "B2"}, {210, "0"}, {220, "0"}, {230, "0"}},
     "t.dxf:34: MLINE normal refused (Invalid input); dropped the value", "WALL", 0},
    {"element breaks",
     {{2, "WALL"}, {340, "B2"}, {11, "0"}, {21, "0"}, {31, "0"}, {74, "4"}},
     "t.dxf:40: MLINE elements with breaks or fill breaks; an edit of the multiline draws its elements whole",
     "WALL", 1},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.name);
    const dxfwrite::Read r = dxfwrite::readSource(styledFile(dxfwrite::tags(c.tags)));
    const std::vector<std::string> repairs = repairTexts(r.report);
    EXPECT_EQ(repairs, *c.repair ? std::vector<std::string>{c.repair} : std::vector<std::string>());
    OdDbMlinePtr m = mlineOf(r);
    ASSERT_FALSE(m.isNull());
    EXPECT_EQ(m->numVertices(), c.vertices);
    OdDbObjectPtr styleObject = m->style().openObject();
    OdDbMlineStylePtr style = OdDbMlineStyle::cast(styleObject.get());
    EXPECT_EQ(style.isNull() ? std::string() : style->name().toUtf8(), c.style);
    EXPECT_EQ(m->scale(), 1.0);
  }
}

TEST(DxfMline, StyleCountsAndRefusedValuesAreRepaired)
{
  std::string objects = dxfwrite::tags({
    {0, "DICTIONARY"}, {5, "C"}, {330, "0"}, {100, "AcDbDictionary"}, {3, "ACAD_MLINESTYLE"}, {350, "B1"},
    {0, "DICTIONARY"}, {5, "B1"}, {330, "C"}, {100, "AcDbDictionary"}, {3, "S"}, {350, "B2"},
    {0, "MLINESTYLE"}, {5, "B2"}, {330, "B1"}, {100, "AcDbMlineStyle"}, {2, "S"}, {51, "200.0"},
    {71, "3"}, {49, "0.25"}, {62, "999"},
  });
  const dxfwrite::Read r = dxfwrite::readSource(dxfwrite::minimalFile(kDxfR2000, "", {{"OBJECTS", objects}}));
  const std::vector<std::string> repairs = repairTexts(r.report);
  ASSERT_EQ(repairs.size(), 3u);
  // The count when the style is read, its values when its dictionary lists it.
  EXPECT_EQ(repairs[0], "t.dxf:56: MLINESTYLE element count 3 differs from the 1 given; read the 1 given");
  EXPECT_EQ(repairs[1], "t.dxf:54: MLINESTYLE start angle refused (Invalid input); dropped the value");
  EXPECT_EQ(repairs[2], "t.dxf:60: MLINESTYLE colour refused (Invalid input); dropped the value");
  OdDbDictionaryPtr nod = r.db->getNamedObjectsDictionaryId().safeOpenObject();
  OdDbDictionaryPtr styles = nod->getAt(OdDbMlineStyle::kDictionaryName, OdDb::kForRead);
  OdDbMlineStylePtr style = styles->getAt(L"S", OdDb::kForRead);
  ASSERT_FALSE(style.isNull());
  ASSERT_EQ(style->numElements(), 1);
  EXPECT_NEAR(style->startAngle(), M_PI / 2, 1e-15);
}
