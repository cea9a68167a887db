// Tests of the reader's repairs on the bends real writers make: each file opens, the report
// names the problem and what the reader did, the drawing holds the repaired reading, and the
// strict read still stops at the same problem.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbDimStyleTableRecord.h"
#include "DbLayerTableRecord.h"
#include "DbViewTableRecord.h"
#include "DbLine.h"
#include "DbMText.h"
#include "DbSymbolTable.h"
#include "DbText.h"
#include "Ge/GeGbl.h"
#include "KyDxfReader.h"

namespace
{
const QByteArray kEnd = "0\nENDSEC\n0\nEOF\n";

QByteArray section(const char* name, const QByteArray& body)
{
  return "0\nSECTION\n2\n" + QByteArray(name) + "\n" + body + "0\nENDSEC\n";
}

QByteArray entities(const QByteArray& body)
{
  return section("ENTITIES", body) + "0\nEOF\n";
}

OdDbObjectId recordId(const OdDbObjectId& tableId, const wchar_t* name)
{
  OdDbSymbolTablePtr table = tableId.openObject();
  return table->getAt(name);
}

// The entities of model space, in drawing order.
OdDbObjectIdArray modelSpace(OdDbDatabase* db)
{
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().openObject();
  return ms->entityIds();
}

template <class T>
OdSmartPtr<T> first(OdDbDatabase* db)
{
  const OdDbObjectIdArray ids = modelSpace(db);
  EXPECT_FALSE(ids.isEmpty());
  return ids.isEmpty() ? OdSmartPtr<T>() : OdSmartPtr<T>(ids[0].openObject());
}
} // namespace

TEST(DxfReaderRepairs, BentFilesOpenWithTheirRepairReported)
{
  struct Row
  {
    const char* what;
    QByteArray data;
    // "LINE: problem; action" of the first repair (after "file:"), as the report prints it.
    const char* repair;
    std::function<void(OdDbDatabase*)> check;
  } rows[] = {
    {"a text style named where its handle belongs",
     section("TABLES", "0\nTABLE\n2\nSTYLE\n0\nSTYLE\n5\n11\n2\nStandard\n70\n0\n0\nENDTAB\n"
                       "0\nTABLE\n2\nDIMSTYLE\n0\nDIMSTYLE\n105\n27\n2\nStandard\n340\nStandard\n0\nENDTAB\n") +
       "0\nEOF\n",
     "30: group code 340: 'Standard' is not a handle; read it as the name of the text style",
     [](OdDbDatabase* db) {
       OdDbDimStyleTableRecordPtr style = recordId(db->getDimStyleTableId(), L"Standard").openObject();
       const OdResBufPtr textStyle = style->dimVar(340);
       ASSERT_FALSE(textStyle.isNull());
       EXPECT_EQ(textStyle->getObjectId(db), db->getTextStyleStandardId());
     }},
    {"an arrow block named that the file does not define",
     section("TABLES", "0\nTABLE\n2\nDIMSTYLE\n0\nDIMSTYLE\n105\n27\n2\nStandard\n341\n_NoSuchArrow\n0\nENDTAB\n") +
       "0\nEOF\n",
     "16: group code 341: '_NoSuchArrow' is not a handle; no block has that name: read it as naming nothing",
     [](OdDbDatabase* db) {
       OdDbDimStyleTableRecordPtr style = recordId(db->getDimStyleTableId(), L"Standard").openObject();
       EXPECT_TRUE(style->dimVar(341).isNull());
     }},
    {"the current dimension style undefined",
     section("HEADER", "9\n$ACADVER\n1\nAC1027\n9\n$DIMSTYLE\n2\nISO-25\n") + entities("0\nLINE\n8\n0\n"),
     "9: $DIMSTYLE names the dimension style 'ISO-25', which the file does not define; the current dimension "
     "style is 'Standard'",
     [](OdDbDatabase* db) {
       EXPECT_EQ(db->getDIMSTYLE(), db->getDimStyleStandardId());
       EXPECT_EQ(modelSpace(db).size(), 1u);
     }},
    {"a view whose named UCS is no UCS (the dimension style Standard)",
     section("TABLES", "0\nTABLE\n2\nVIEW\n0\nVIEW\n2\nPlan\n70\n0\n72\n1\n110\n1\n120\n2\n130\n0\n"
                       "111\n1\n121\n0\n131\n0\n112\n0\n122\n1\n132\n0\n345\n10\n0\nENDTAB\n") +
       "0\nEOF\n",
     "36: the view's UCS 10 is not a UCS of the drawing; the view keeps the origin and axes it gives",
     [](OdDbDatabase* db) {
       OdDbViewTableRecordPtr view = recordId(db->getViewTableId(), L"Plan").openObject();
       OdGePoint3d origin;
       OdGeVector3d xAxis, yAxis;
       view->getUcs(origin, xAxis, yAxis);
       EXPECT_EQ(origin, OdGePoint3d(1, 2, 0));
       EXPECT_TRUE(view->ucsName().isNull());
     }},
    {"a layer transparency the layer refuses",
     section("TABLES", "0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nGlass\n70\n0\n62\n5\n"
                       "1001\nAcCmTransparency\n1071\n16777216\n0\nENDTAB\n") +
       "0\nEOF\n",
     "12: LAYER transparency refused (Invalid input); dropped the value",
     [](OdDbDatabase* db) {
       OdDbLayerTableRecordPtr layer = recordId(db->getLayerTableId(), L"Glass").openObject();
       EXPECT_EQ(layer->transparency(), OdDbLayerTableRecord::createObject()->transparency());
       EXPECT_EQ(layer->color().colorIndex(), 5);
     }},
    {"a code page by another name",
     section("HEADER", "9\n$ACADVER\n1\nAC1015\n9\n$DWGCODEPAGE\n3\nMAC-ROMAN\n") +
       entities("0\nTEXT\n5\n2A\n1\ncaf\x8E\n"),
     "12: unknown code page 'MAC-ROMAN'; read it as its other name MACINTOSH",
     [](OdDbDatabase* db) { EXPECT_EQ(first<OdDbText>(db)->textString(), OdString(L"caf\u00e9")); }},
    {"an unknown code page",
     section("HEADER", "9\n$ACADVER\n1\nAC1015\n9\n$DWGCODEPAGE\n3\nKLINGON\n") +
       entities("0\nTEXT\n5\n2A\n1\ncaf\xE9\n"),
     "12: unknown code page 'KLINGON'; read the texts as ANSI_1252",
     [](OdDbDatabase* db) { EXPECT_EQ(first<OdDbText>(db)->textString(), OdString(L"caf\u00e9")); }},
    {"header variables after the header",
     section("HEADER", "9\n$ACADVER\n1\nAC1015\n") + "9\n$INSUNITS\n70\n4\n9\n$LTSCALE\n40\n2.5\n" +
       entities("0\nLINE\n8\n0\n"),
     "11: expected a SECTION, found group code 9 (header variables $INSUNITS, $LTSCALE outside the HEADER section); "
     "read them as header variables",
     [](OdDbDatabase* db) {
       EXPECT_EQ(db->getINSUNITS(), OdDb::kUnitsMillimeters);
       EXPECT_EQ(db->getLTSCALE(), 2.5);
     }},
    {"a handle beyond the handles a drawing uses",
     entities("0\nLINE\n5\n4000000000000000\n8\n0\n0\nLINE\n5\n2A\n8\n0\n"),
     "8: handle 4000000000000000 of the LINE is beyond the handles a drawing uses; gave the LINE a new handle",
     [](OdDbDatabase* db) {
       const OdDbObjectIdArray ids = modelSpace(db);
       ASSERT_EQ(ids.size(), 2u);
       EXPECT_EQ(ids[1].getHandle().value(), 0x2Au);
       EXPECT_NE(ids[0].getHandle().value(), 0x2Au);
       EXPECT_LT(ids[0].getHandle().value(), 0x4000000000000000ULL);
       EXPECT_LT(ids[0].getHandle().value(), db->handseed().value());
     }},
    {"a handle that clashes with a table's",
     section("TABLES", "0\nTABLE\n2\nLAYER\n5\n2\n0\nLAYER\n5\n10\n2\nWalls\n0\nENDTAB\n") +
       entities("0\nLINE\n5\n10\n8\nWalls\n0\nCIRCLE\n5\n11\n8\nWalls\n10\n0\n20\n0\n40\n1\n"),
     "28: handle 10 is given to two objects; gave the later LINE a new handle; references to 10 keep the first",
     [](OdDbDatabase* db) {
       EXPECT_EQ(db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(0x10))), recordId(db->getLayerTableId(), L"Walls"));
       const OdDbObjectIdArray ids = modelSpace(db);
       ASSERT_EQ(ids.size(), 2u);
       EXPECT_EQ(ids[1].getHandle().value(), 0x11u);
       EXPECT_GT(ids[0].getHandle().value(), 0x11u);
     }},
    {"a lineweight between the standard ones", entities("0\nLINE\n370\n7\n"),
     "8: LINE lineweight refused (Invalid input); read it as the nearest lineweight, 5",
     [](OdDbDatabase* db) { EXPECT_EQ(first<OdDbLine>(db)->lineWeight(), OdDb::kLnWt005); }},
    {"a lineweight far out of range", entities("0\nLINE\n370\n9999\n"),
     "8: LINE lineweight refused (Invalid input); dropped the value",
     [](OdDbDatabase* db) { EXPECT_EQ(first<OdDbLine>(db)->lineWeight(), OdDb::kLnWtByLayer); }},
    {"a colour index out of range", entities("0\nLINE\n62\n257\n"),
     "8: LINE color 257 is out of range (0 to 256); the entity keeps its color ByLayer",
     [](OdDbDatabase* db) { EXPECT_TRUE(first<OdDbLine>(db)->color().isByLayer()); }},
    {"a transparency of no known kind", entities("0\nLINE\n440\n117440612\n"),
     "8: LINE transparency refused (Invalid input); dropped the value",
     [](OdDbDatabase* db) { EXPECT_TRUE(first<OdDbLine>(db)->transparency().isByLayer()); }},
    {"a zero text height", entities("0\nTEXT\n1\nA\n40\n0\n"), "10: TEXT height refused (Invalid input); dropped the value",
     [](OdDbDatabase* db) { EXPECT_GT(first<OdDbText>(db)->height(), 0.0); }},
    {"a negative multiline text height", entities("0\nMTEXT\n1\nA\n40\n-2\n"),
     "10: MTEXT height refused (Invalid input); dropped the value",
     [](OdDbDatabase* db) { EXPECT_GT(first<OdDbMText>(db)->textHeight(), 0.0); }},
    {"a layer true colour in a file older than true colours",
     section("HEADER", "9\n$ACADVER\n1\nAC1015\n") +
       section("TABLES", "0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nRed\n70\n0\n62\n1\n420\n0\n0\nENDTAB\n") + "0\nEOF\n",
     "28: LAYER true color (group code 420) in an AC1015 file, which has none; kept the color index 1",
     [](OdDbDatabase* db) {
       OdDbLayerTableRecordPtr layer = recordId(db->getLayerTableId(), L"Red").openObject();
       EXPECT_TRUE(layer->color().isByACI());
       EXPECT_EQ(layer->color().colorIndex(), 1);
     }},
    {"a decimal comma", entities("0\nLINE\n10\n1,5\n20\n-0,25\n11\n3\n21\n4\n"),
     "8: group code 10: '1,5' has a decimal comma; read it as 1.5",
     [](OdDbDatabase* db) { EXPECT_EQ(first<OdDbLine>(db)->startPoint(), OdGePoint3d(1.5, -0.25, 0)); }},
    {"two commas in a number", entities("0\nLINE\n10\n1,2,5\n20\n2\n"),
     "8: group code 10: '1,2,5' is not a number; dropped the value",
     [](OdDbDatabase* db) { EXPECT_EQ(first<OdDbLine>(db)->startPoint(), OdGePoint3d(0, 2, 0)); }},
    {"an MTEXT rotation of a whole turn in radians", entities("0\nMTEXT\n1\nA\n50\n6.2831853071795862\n"),
     "10: MTEXT rotation 6.283185307179586 is a multiple of a right angle in radians; read it in radians, as 360 "
     "degrees",
     [](OdDbDatabase* db) { EXPECT_NEAR(std::sin(first<OdDbMText>(db)->rotation()), 0.0, 1e-12); }},
    {"a layer name with characters no name may have",
     section("TABLES", "0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nA/B?\n70\n0\n62\n5\n0\nENDTAB\n") +
       entities("0\nLINE\n8\nA/B?\n0\nCIRCLE\n8\nA/B?\n40\n1\n"),
     "12: the name 'A/B?' is refused (Error 32); named the record 'A_B_'",
     [](OdDbDatabase* db) {
       const OdDbObjectId layer = recordId(db->getLayerTableId(), L"A_B_");
       ASSERT_FALSE(layer.isNull());
       OdDbLayerTableRecordPtr record = layer.openObject();
       EXPECT_EQ(record->color().colorIndex(), 5);
       for (const OdDbObjectId& id : modelSpace(db))
         EXPECT_EQ(OdDbEntityPtr(id.openObject())->layerId(), layer);
     }},
    {"common properties after the kind's subclass marker",
     entities("0\nLINE\n100\nAcDbEntity\n100\nAcDbLine\n8\nWalls\n62\n3\n10\n1\n20\n2\n"),
     "12: LINE properties (group codes 8, 62) stand in its AcDbLine subclass, outside AcDbEntity; read them as the "
     "entity's",
     [](OdDbDatabase* db) {
       OdDbLinePtr line = first<OdDbLine>(db);
       EXPECT_EQ(line->layerId(), recordId(db->getLayerTableId(), L"Walls"));
       EXPECT_EQ(line->color().colorIndex(), 3);
       EXPECT_EQ(line->startPoint(), OdGePoint3d(1, 2, 0));
     }},
    {"a coordinate that is no finite number", entities("0\nLINE\n10\n1\n20\ninf\n11\n3\n21\n4\n"),
     "10: group code 20: 'inf' is not a finite number; dropped the value",
     [](OdDbDatabase* db) {
       OdDbLinePtr line = first<OdDbLine>(db);
       EXPECT_EQ(line->startPoint(), OdGePoint3d(1, 0, 0));
       EXPECT_EQ(line->endPoint(), OdGePoint3d(3, 4, 0));
     }},
    {"an entities section without ENDSEC", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n0\nSECTION\n2\nOBJECTS\n" + kEnd,
     "9: the ENTITIES section has no ENDSEC; ended it before line 9",
     [](OdDbDatabase* db) { EXPECT_EQ(modelSpace(db).size(), 1u); }},
    {"a file cut inside its entities", "0\nSECTION\n2\nENTITIES\n0\nLINE\n5\n2A\n0\nCIRCLE\n5\n2B\n10\n1",
     "14: the file ends inside CIRCLE (truncated file?); read the file up to its end; dropped the CIRCLE at line 9 "
     "(handle 2B), which it cuts short",
     [](OdDbDatabase* db) { EXPECT_EQ(modelSpace(db).size(), 1u); }},
  };
  for (const Row& row : rows)
  {
    SCOPED_TRACE(row.what);
    OdDbDatabasePtr db = OdDbDatabase::createObject();
    KyDxfReader::Report report;
    QString error;
    ASSERT_TRUE(KyDxfReader::readFromBytes(row.data, QStringLiteral("bent.dxf"), db, report, error))
      << error.toStdString();
    ASSERT_FALSE(report.repairs.isEmpty());
    EXPECT_EQ(KyDxfReader::Report::repairText(QStringLiteral("bent.dxf"), report.repairs[0]).toStdString(),
              std::string("bent.dxf:") + row.repair);
    row.check(db);

    // Strict reading stops at that problem, with the problem as its message.
    KyDxfReader::Options strict;
    strict.strict = true;
    OdDbDatabasePtr strictDb = OdDbDatabase::createObject();
    EXPECT_FALSE(KyDxfReader::readFromBytes(row.data, QStringLiteral("bent.dxf"), strictDb, report, error, strict));
    const QString problem = QString::fromUtf8(row.repair).section(QStringLiteral("; "), 0, 0);
    EXPECT_EQ(error.toStdString(), "bent.dxf:" + problem.toStdString());
  }
}

TEST(DxfReaderRepairs, MultilineTextRotationIsInDegreesAndTheDirectionWins)
{
  struct Row
  {
    const char* what;
    QByteArray body;
    double radians;
  } rows[] = {
    {"rotation alone", "0\nMTEXT\n1\nA\n50\n30\n", 30.0 * OdaPI / 180.0},
    {"direction alone", "0\nMTEXT\n1\nA\n11\n0\n21\n1\n31\n0\n", OdaPI / 2},
    {"direction after rotation", "0\nMTEXT\n1\nA\n50\n30\n11\n-1\n21\n0\n31\n0\n", OdaPI},
    {"direction before rotation", "0\nMTEXT\n1\nA\n11\n-1\n21\n0\n31\n0\n50\n30\n", OdaPI},
    // A zero vector is no direction: the rotation stands (with the refusal reported).
    {"zero direction", "0\nMTEXT\n1\nA\n50\n30\n11\n0\n21\n0\n31\n0\n", 30.0 * OdaPI / 180.0},
    // A right angle written in radians is read so; a rotation near it but not at it is degrees.
    {"right angle in radians", "0\nMTEXT\n1\nA\n50\n1.5707963267948966\n", OdaPI / 2},
    {"near a right angle in radians", "0\nMTEXT\n1\nA\n50\n1.5708\n", 1.5708 * OdaPI / 180.0},
    {"half a turn in radians backwards", "0\nMTEXT\n1\nA\n50\n-3.141592653589793\n", -OdaPI},
  };
  for (const Row& row : rows)
  {
    SCOPED_TRACE(row.what);
    OdDbDatabasePtr db = OdDbDatabase::createObject();
    KyDxfReader::Report report;
    QString error;
    ASSERT_TRUE(KyDxfReader::readFromBytes(entities(row.body), QStringLiteral("m.dxf"), db, report, error));
    EXPECT_NEAR(first<OdDbMText>(db)->rotation(), row.radians, 1e-12);
  }
}

TEST(DxfReaderRepairs, ReportKeepsTheFirstRepairsAndCountsThemAll)
{
  QByteArray body;
  const int lines = KyDxfReader::Report::kMaxRepairsKept + 5;
  for (int i = 0; i < lines; ++i)
    body += "0\nLINE\n370\n9999\n";
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  ASSERT_TRUE(KyDxfReader::readFromBytes(entities(body), QStringLiteral("many.dxf"), db, report, error));
  EXPECT_EQ(report.repairCount, lines);
  EXPECT_EQ(report.repairs.size(), KyDxfReader::Report::kMaxRepairsKept);
  EXPECT_EQ(report.entities, lines);
  EXPECT_EQ(report.repairs.last().line, 8 + 4 * (KyDxfReader::Report::kMaxRepairsKept - 1));
}

TEST(DxfReaderRepairs, ACleanFileNeedsNoRepair)
{
  // A layer transparency of 0 (ByLayer) is what writers give a layer without transparency.
  const QByteArray file = section("HEADER", "9\n$ACADVER\n1\nAC1032\n9\n$DWGCODEPAGE\n3\nANSI_1252\n") +
                          section("TABLES", "0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nGlass\n70\n0\n62\n5\n"
                                            "1001\nAcCmTransparency\n1071\n0\n0\nENDTAB\n") +
                          entities("0\nLINE\n5\n2A\n8\n0\n370\n25\n62\n3\n0\nMTEXT\n5\n2B\n1\nA\n50\n30\n");
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  ASSERT_TRUE(KyDxfReader::readFromBytes(file, QStringLiteral("clean.dxf"), db, report, error));
  EXPECT_EQ(report.repairCount, 0);
  EXPECT_TRUE(report.repairs.isEmpty());
  OdDbLayerTableRecordPtr layer = recordId(db->getLayerTableId(), L"Glass").openObject();
  EXPECT_EQ(layer->transparency(), OdDbLayerTableRecord::createObject()->transparency());
}
