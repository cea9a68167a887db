// Tests of the DXF reader on drawings the test writer makes: every version and code page, the
// header, the tables, every mapped entity kind with its common properties, handles, skipped kinds
// and the objects section.
#include <gtest/gtest.h>

#include <cmath>

#include "DbArc.h"
#include "DbBlockTableRecord.h"
#include "DbCircle.h"
#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbDimStyleTableRecord.h"
#include "DbLayerTableRecord.h"
#include "DbLine.h"
#include "DbLinetypeTableRecord.h"
#include "DbMText.h"
#include "DbPolyline.h"
#include "DbRegAppTableRecord.h"
#include "DbSymbolTable.h"
#include "DbText.h"
#include "DbTextStyleTableRecord.h"
#include "DbUCSTableRecord.h"
#include "DbViewTableRecord.h"
#include "DbViewportTableRecord.h"
#include "DxfSamples.h"
#include "Ge/GeGbl.h"
#include "KyDxfReader.h"
#include "KyUtils.h"

namespace
{
struct Read
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  bool ok = false;

  explicit Read(const QByteArray& data, const QString& name = QStringLiteral("sample.dxf"))
  {
    ok = KyDxfReader::readFromBytes(data, name, db, report, error);
  }

  template <class T>
  OdSmartPtr<T> object(quint64 handle) const
  {
    const OdDbObjectId id = db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(handle)));
    EXPECT_FALSE(id.isNull()) << "no object with handle " << std::hex << handle;
    return OdSmartPtr<T>(id.openObject());
  }

  template <class T>
  OdSmartPtr<T> record(const OdDbObjectId& tableId, const QString& name) const
  {
    OdDbSymbolTablePtr table = tableId.openObject();
    const OdDbObjectId id = table->getAt(OdString(name.toStdWString()));
    EXPECT_FALSE(id.isNull()) << "no record " << name.toStdString();
    return OdSmartPtr<T>(id.openObject());
  }
};

OdString od(const QString& s)
{
  return OdString(s.toStdWString());
}

std::string str(const OdString& s)
{
  return s.toUtf8();
}

int versionNumber(const QString& version)
{
  return version.mid(2).toInt();
}
} // namespace

TEST(DxfReader, ReadsTheSampleInEveryVersionAndCodePage)
{
  struct Row
  {
    QString version, codePage;
  };
  QList<Row> rows;
  for (const QString& v : dxfVersions())
    rows << Row{v, QStringLiteral("ANSI_1252")};
  for (const char* cp : {"ANSI_936", "ANSI_949", "ANSI_950", "ANSI_932", "ANSI_1251"})
    for (const char* v : {"AC1009", "AC1015", "AC1018", "AC1032"})
      rows << Row{QString::fromLatin1(v), QString::fromLatin1(cp)};

  for (const Row& row : rows)
  {
    SCOPED_TRACE((row.version + " " + row.codePage).toStdString());
    const Read r(dxfSampleFile(row.version, row.codePage));
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.report.version, row.version);
    EXPECT_EQ(r.report.codepage, row.codePage);
    EXPECT_EQ(str(r.db->getDWGCODEPAGE()), row.codePage.toStdString());
    const QString local = DxfSample::localText(row.codePage);

    // The layer named in the code page's script, and the texts in it (with the escaped character).
    r.record<OdDbLayerTableRecord>(r.db->getLayerTableId(), local);
    OdDbTextPtr text = r.object<OdDbText>(DxfSample::kText);
    EXPECT_EQ(str(text->textString()), local.toStdString());
    OdDbCirclePtr circle = r.object<OdDbCircle>(DxfSample::kCircle);
    EXPECT_EQ(str(circle->layer()), local.toStdString());
    OdResBufPtr xdata = r.object<OdDbLine>(DxfSample::kLine)->xData(L"KY_TEST");
    ASSERT_FALSE(xdata.isNull());
    EXPECT_EQ(str(xdata->next()->getString()), local.toStdString());

    const int v = versionNumber(row.version);
    if (v >= 1012)
    {
      OdDbMTextPtr mtext = r.object<OdDbMText>(DxfSample::kMText);
      EXPECT_TRUE(mtext->contents().find(od(local + " word29 ")) > 0);
    }
    const int expected = 7 + (v >= 1012 ? 1 : 0) + (v >= 1014 ? 1 : 0);
    EXPECT_EQ(r.report.entities, expected);
  }
}

TEST(DxfReader, MapsTheHeaderVariables)
{
  for (const QString& version : {QStringLiteral("AC1009"), QStringLiteral("AC1027")})
  {
    SCOPED_TRACE(version.toStdString());
    const Read r(dxfSampleFile(version));
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    OdDbDatabase* db = r.db;
    EXPECT_EQ(db->getINSUNITS(), OdDb::kUnitsMeters);
    EXPECT_EQ(db->getLUNITS(), 4);
    EXPECT_EQ(db->getLUPREC(), 3);
    EXPECT_EQ(db->getAUNITS(), 1);
    EXPECT_EQ(db->getAUPREC(), 2);
    EXPECT_EQ(db->getMEASUREMENT(), OdDb::kEnglish);
    EXPECT_EQ(db->getSPLINESEGS(), 12);
    EXPECT_DOUBLE_EQ(db->getLTSCALE(), 2.5);
    EXPECT_DOUBLE_EQ(db->getCELTSCALE(), 0.5);
    EXPECT_DOUBLE_EQ(db->getANGBASE(), OdaPI / 2);
    EXPECT_TRUE(db->getANGDIR());
    EXPECT_DOUBLE_EQ(db->getTEXTSIZE(), 3.5);
    EXPECT_EQ(db->getCECOLOR().colorIndex(), 3);
    EXPECT_EQ(db->getUCSORG(), OdGePoint3d(1, 2, 3));
    auto nameOf = [](const OdDbObjectId& id) { return str(OdDbSymbolTableRecordPtr(id.openObject())->getName()); };
    EXPECT_EQ(nameOf(db->getCLAYER()), "Walls");
    EXPECT_EQ(nameOf(db->getCELTYPE()), "Dashed");
    EXPECT_EQ(nameOf(db->getTEXTSTYLE()), "Notes");
    EXPECT_EQ(nameOf(db->getDIMSTYLE()), "Metric");
    EXPECT_EQ(str(db->getFileVersionName()), version.toStdString());
    if (version == QLatin1String("AC1027"))
    {
      EXPECT_FALSE(db->getPSTYLEMODE());
      EXPECT_EQ(db->getCELWEIGHT(), OdDb::kLnWt025);
    }
    else
      EXPECT_TRUE(db->getPSTYLEMODE());
  }
}

TEST(DxfReader, MapsLayersLinetypesAndStyles)
{
  const Read r(dxfSampleFile(QStringLiteral("AC1018")));
  ASSERT_TRUE(r.ok) << r.error.toStdString();
  OdDbDatabase* db = r.db;

  OdDbLayerTableRecordPtr walls = r.object<OdDbLayerTableRecord>(DxfSample::kWallsLayer);
  EXPECT_EQ(str(walls->getName()), "Walls");
  EXPECT_EQ(walls->color().colorIndex(), 1);
  EXPECT_EQ(walls->linetypeObjectId().getHandle(), OdDbHandle(OdUInt64(DxfSample::kDashedLinetype)));
  EXPECT_EQ(walls->lineWeight(), OdDb::kLnWt050);
  EXPECT_TRUE(walls->isLocked());
  EXPECT_FALSE(walls->isPlottable());
  EXPECT_FALSE(walls->isFrozen());
  EXPECT_FALSE(walls->isOff());
  EXPECT_EQ(walls->transparency().alpha(), 127);
  EXPECT_EQ(str(walls->description()), "Outer walls");
  EXPECT_EQ(str(walls->plotStyleName()), "Thin");
  // Mapped application data is not kept twice.
  EXPECT_TRUE(walls->xData(L"AcCmTransparency").isNull());

  OdDbLayerTableRecordPtr frozen = r.record<OdDbLayerTableRecord>(db->getLayerTableId(), "Frozen");
  EXPECT_TRUE(frozen->isFrozen());
  EXPECT_TRUE(frozen->isOff());
  EXPECT_TRUE(frozen->color().isByColor());
  EXPECT_EQ(frozen->color().red(), 0x10);
  EXPECT_EQ(frozen->color().blue(), 0x30);

  OdDbLinetypeTableRecordPtr dashed = r.object<OdDbLinetypeTableRecord>(DxfSample::kDashedLinetype);
  EXPECT_EQ(str(dashed->comments()), "Dashed __ __");
  ASSERT_EQ(dashed->numDashes(), 2);
  EXPECT_DOUBLE_EQ(dashed->dashLengthAt(1), -0.25);
  EXPECT_DOUBLE_EQ(dashed->patternLength(), 0.75);

  OdDbTextStyleTableRecordPtr notes = r.object<OdDbTextStyleTableRecord>(DxfSample::kNotesStyle);
  EXPECT_EQ(str(notes->fileName()), "romans.shx");
  EXPECT_DOUBLE_EQ(notes->xScale(), 0.8);
  EXPECT_NEAR(notes->obliquingAngle(), -15.0 * OdaPI / 180.0, 1e-12);
  EXPECT_TRUE(notes->isBackwards());
  OdDbTextStyleTableRecordPtr titles = r.record<OdDbTextStyleTableRecord>(db->getTextStyleTableId(), "Titles");
  OdString typeface;
  bool bold = false, italic = true;
  int charset = 0, pitch = 0;
  titles->font(typeface, bold, italic, charset, pitch);
  EXPECT_EQ(str(typeface), "Arial");
  EXPECT_TRUE(bold);
  EXPECT_FALSE(italic);
  EXPECT_DOUBLE_EQ(titles->textSize(), 5.0);

  OdDbDimStyleTableRecordPtr metric = r.record<OdDbDimStyleTableRecord>(db->getDimStyleTableId(), "Metric");
  EXPECT_EQ(str(metric->dimVar(3)->getString()), "mm");
  EXPECT_DOUBLE_EQ(metric->dimVar(40)->getDouble(), 2.0);
  EXPECT_DOUBLE_EQ(metric->dimVar(140)->getDouble(), 3.5);
  EXPECT_EQ(metric->dimVar(77)->getInt16(), 1);
  EXPECT_EQ(metric->dimVar(289)->getInt8(), 3);
  EXPECT_EQ(metric->dimVar(371)->getInt16(), 35);
  EXPECT_EQ(metric->dimVar(340)->getObjectId(db).getHandle(), OdDbHandle(OdUInt64(DxfSample::kNotesStyle)));

  r.record<OdDbRegAppTableRecord>(db->getRegAppTableId(), "KY_TEST");

  OdDbBlockTableRecordPtr door = r.object<OdDbBlockTableRecord>(DxfSample::kDoorBlock);
  EXPECT_EQ(str(door->getName()), "Door");
  EXPECT_EQ(door->origin(), OdGePoint3d(1, 2, 0));
  EXPECT_EQ(door->blockInsertUnits(), OdDb::kUnitsMillimeters);
  EXPECT_FALSE(door->explodable());
  EXPECT_EQ(door->blockScaling(), OdDbBlockTableRecord::kUniform);
  EXPECT_EQ(str(door->comments()), "A door");
  ASSERT_EQ(door->entityIds().size(), 1u);
  EXPECT_EQ(door->entityIds()[0].getHandle(), OdDbHandle(OdUInt64(DxfSample::kBlockLine)));

  OdDbViewTableRecordPtr front = r.record<OdDbViewTableRecord>(db->getViewTableId(), "Front");
  EXPECT_EQ(front->centerPoint(), OdGePoint2d(10, 20));
  EXPECT_DOUBLE_EQ(front->height(), 40.0);
  EXPECT_DOUBLE_EQ(front->width(), 60.0);
  EXPECT_EQ(front->viewDirection(), OdGeVector3d(0, -1, 0));
  EXPECT_EQ(front->target(), OdGePoint3d(1, 2, 3));
  EXPECT_NEAR(front->viewTwist(), 15.0 * OdaPI / 180.0, 1e-12);

  OdDbUCSTableRecordPtr tilted = r.record<OdDbUCSTableRecord>(db->getUCSTableId(), "Tilted");
  EXPECT_EQ(tilted->origin(), OdGePoint3d(5, 5, 0));
  EXPECT_EQ(tilted->xAxis(), OdGeVector3d(0, 1, 0));

  OdDbViewportTableRecordPtr active = db->activeViewportId().openObject();
  EXPECT_EQ(active->objectId().getHandle(), OdDbHandle(OdUInt64(DxfTestWriter::kActiveViewport)));
  EXPECT_TRUE(active->gridEnabled());
  EXPECT_EQ(active->gridIncrements(), OdGeVector2d(5.0, 2.5));
  EXPECT_DOUBLE_EQ(active->height(), 10.0);
  EXPECT_DOUBLE_EQ(active->width(), 15.0);
  EXPECT_EQ(active->centerPoint(), OdGePoint2d(5, 5));
}

TEST(DxfReader, ReadsEntitiesWithTheirCommonProperties)
{
  const Read r(dxfSampleFile(QStringLiteral("AC1032")));
  ASSERT_TRUE(r.ok) << r.error.toStdString();
  OdDbDatabase* db = r.db;

  OdDbLinePtr line = r.object<OdDbLine>(DxfSample::kLine);
  EXPECT_EQ(line->startPoint(), OdGePoint3d(1, 2, 3));
  EXPECT_EQ(line->endPoint(), OdGePoint3d(4, 6, 3));
  EXPECT_DOUBLE_EQ(line->thickness(), 0.5);
  EXPECT_EQ(str(line->layer()), "Walls");
  EXPECT_EQ(line->linetypeId().getHandle(), OdDbHandle(OdUInt64(DxfSample::kDashedLinetype)));
  EXPECT_TRUE(line->color().isByColor());
  EXPECT_EQ(line->color().red(), 0xFF);
  EXPECT_EQ(line->color().green(), 0x80);
  EXPECT_EQ(str(line->color().colorName()), "Orange");
  EXPECT_EQ(str(line->color().bookName()), "RAL");
  EXPECT_EQ(line->lineWeight(), OdDb::kLnWt035);
  EXPECT_DOUBLE_EQ(line->linetypeScale(), 2.0);
  EXPECT_EQ(line->transparency().alpha(), 51);
  EXPECT_EQ(str(line->plotStyleName()), "Thin");
  EXPECT_EQ(line->ownerId(), db->getModelSpaceId());

  // The file's hyperlink becomes the host's hyperlink; other extended data stays as written.
  CKyString link, description;
  ASSERT_TRUE(CKyUtils::IsHyperLink(line, &link, &description));
  EXPECT_EQ(QString(link).toStdString(), "https://example.org/wall");
  EXPECT_EQ(QString(description).toStdString(), "Wall def");
  EXPECT_TRUE(line->xData(L"PE_URL").isNull());
  OdResBufPtr rb = line->xData(L"KY_TEST");
  const int expectedCodes[] = {1001, 1000, 1002, 1070, 1071, 1040, 1002, 1010, 1005};
  for (int code : expectedCodes)
  {
    ASSERT_FALSE(rb.isNull());
    EXPECT_EQ(rb->restype(), code);
    if (code == 1070)
    {
      EXPECT_EQ(rb->getInt16(), 42);
    }
    else if (code == 1071)
    {
      EXPECT_EQ(rb->getInt32(), 100000);
    }
    else if (code == 1010)
    {
      EXPECT_EQ(rb->getPoint3d(), OdGePoint3d(1, 2, 3));
    }
    else if (code == 1005)
    {
      EXPECT_EQ(rb->getHandle(), OdDbHandle(OdUInt64(0x1F)));
    }
    rb = rb->next();
  }
  EXPECT_TRUE(rb.isNull());
  EXPECT_EQ(line->extensionDictionary().getHandle(), OdDbHandle(OdUInt64(DxfSample::kLineXDictionary)));
  OdDbDictionaryPtr xdict = line->extensionDictionary().openObject();
  EXPECT_TRUE(xdict->has(L"KY_NOTES"));

  // Object coordinates: the normal -Z turns the centre's X around.
  OdDbCirclePtr circle = r.object<OdDbCircle>(DxfSample::kCircle);
  EXPECT_TRUE(circle->center().isEqualTo(OdGePoint3d(-10, 5, -2)));
  EXPECT_EQ(circle->normal(), OdGeVector3d(0, 0, -1));
  EXPECT_DOUBLE_EQ(circle->radius(), 2.5);
  EXPECT_EQ(circle->visibility(), OdDb::kInvisible);

  OdDbArcPtr arc = r.object<OdDbArc>(DxfSample::kArc);
  EXPECT_NEAR(arc->startAngle(), OdaPI / 6, 1e-12);
  EXPECT_NEAR(arc->endAngle(), 2 * OdaPI / 3, 1e-12);
  EXPECT_DOUBLE_EQ(arc->radius(), 3.0);

  OdDbTextPtr text = r.object<OdDbText>(DxfSample::kText);
  EXPECT_EQ(text->position(), OdGePoint3d(1, 1, 0));
  EXPECT_EQ(text->alignmentPoint(), OdGePoint3d(5, 1, 0));
  EXPECT_EQ(text->horizontalMode(), OdDb::kTextCenter);
  EXPECT_EQ(text->verticalMode(), OdDb::kTextVertMid);
  EXPECT_NEAR(text->rotation(), OdaPI / 4, 1e-12);
  EXPECT_DOUBLE_EQ(text->height(), 2.0);
  EXPECT_EQ(text->textStyle().getHandle(), OdDbHandle(OdUInt64(DxfSample::kNotesStyle)));

  OdDbMTextPtr mtext = r.object<OdDbMText>(DxfSample::kMText);
  EXPECT_EQ(mtext->location(), OdGePoint3d(20, 30, 0));
  EXPECT_DOUBLE_EQ(mtext->textHeight(), 2.5);
  EXPECT_DOUBLE_EQ(mtext->width(), 40.0);
  EXPECT_EQ(mtext->attachment(), OdDbMText::kMiddleCenter);
  EXPECT_NEAR(mtext->rotation(), 0.5, 1e-12);
  EXPECT_TRUE(mtext->contents().find(L"First line\\P") == 0);
  EXPECT_GT(mtext->contents().getLength(), 250);

  OdDbPolylinePtr pl = r.object<OdDbPolyline>(DxfSample::kPolyline);
  ASSERT_EQ(pl->numVerts(), 3u);
  EXPECT_TRUE(pl->isClosed());
  EXPECT_DOUBLE_EQ(pl->getBulgeAt(1), 1.0);
  EXPECT_DOUBLE_EQ(pl->getConstantWidth(), 0.25);
  OdGePoint2d p;
  pl->getPointAt(2, p);
  EXPECT_EQ(p, OdGePoint2d(10, 10));

  EXPECT_EQ(r.object<OdDbLine>(DxfSample::kPaperLine)->ownerId(), db->getPaperSpaceId());
  OdDbLinePtr blockLine = r.object<OdDbLine>(DxfSample::kBlockLine);
  EXPECT_EQ(blockLine->ownerId().getHandle(), OdDbHandle(OdUInt64(DxfSample::kDoorBlock)));
  EXPECT_TRUE(blockLine->color().isByBlock());
}

TEST(DxfReader, KeepsTheFileHandlesOfDefaultAndNewObjects)
{
  const Read r(dxfSampleFile(QStringLiteral("AC1015")));
  ASSERT_TRUE(r.ok) << r.error.toStdString();
  OdDbDatabase* db = r.db;
  // The objects a new database starts with take the handles the file gives them.
  const std::pair<OdDbObjectId, quint64> defaults[] = {
    {db->getLayerTableId(), DxfTestWriter::kLayerTable},  {db->getBlockTableId(), DxfTestWriter::kBlockRecordTable},
    {db->getLayerZeroId(), DxfTestWriter::kLayerZero},    {db->getModelSpaceId(), DxfTestWriter::kModelSpace},
    {db->getPaperSpaceId(), DxfTestWriter::kPaperSpace},  {db->getLinetypeByLayerId(), DxfTestWriter::kByLayer},
    {db->getLinetypeContinuousId(), DxfTestWriter::kContinuous},
    {db->getTextStyleStandardId(), DxfTestWriter::kStandardStyle},
    {db->getDimStyleStandardId(), DxfTestWriter::kStandardDimStyle},
    {db->getNamedObjectsDictionaryId(), DxfTestWriter::kNamedObjects}};
  for (const auto& d : defaults)
    EXPECT_EQ(d.first.getHandle(), OdDbHandle(OdUInt64(d.second)));
  // "Walls" has a handle the new database had given to one of its own objects.
  EXPECT_EQ(str(r.object<OdDbLayerTableRecord>(DxfSample::kWallsLayer)->getName()), "Walls");
  // Every entity keeps its handle, and new objects get handles past all of them.
  for (quint64 h : {DxfSample::kLine, DxfSample::kCircle, DxfSample::kArc, DxfSample::kText, DxfSample::kMText,
                    DxfSample::kPolyline, DxfSample::kPaperLine, DxfSample::kBlockLine})
    EXPECT_EQ(r.object<OdDbEntity>(h)->handle(), OdDbHandle(OdUInt64(h)));
  EXPECT_GT(db->handseed().value(), OdUInt64(DxfSample::kLineXDictionary));
  OdDbDictionaryPtr nod = db->getNamedObjectsDictionaryId().openObject();
  EXPECT_TRUE(nod->has(L"ACAD_GROUP"));
  EXPECT_TRUE(nod->has(L"ACAD_PLOTSTYLENAME"));
}

TEST(DxfReader, CountsKindsItDoesNotMap)
{
  const Read r(dxfSampleFile(QStringLiteral("AC1015")));
  ASSERT_TRUE(r.ok) << r.error.toStdString();
  // Three lights; the polyface mesh is read, with its vertices.
  EXPECT_EQ(r.report.skippedText(), QStringLiteral("skipped: 3 LIGHT"));

  const QByteArray file = "0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nDoor\n66\n1\n0\nATTRIB\n1\nx\n0\nSEQEND\n"
                          "0\nLIGHT\n0\nENDSEC\n0\nSECTION\n2\nOBJECTS\n0\nXRECORD\n5\n99\n0\nENDSEC\n0\nEOF\n";
  const Read other(file);
  ASSERT_TRUE(other.ok) << other.error.toStdString();
  // The INSERT is read, with its ATTRIB as its own attribute up to the SEQEND.
  EXPECT_EQ(other.report.skippedText(), QStringLiteral("skipped: 1 LIGHT, 1 XRECORD"));
  EXPECT_EQ(other.report.entities, 1);
}

TEST(DxfReader, ReadsMinimalR12FilesWithoutHeaderOrHandles)
{
  // No header, no tables: layers and linetypes the entities name are made for them.
  const QByteArray file = "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nLINE\r\n  8\r\nSite\r\n  6\r\nHIDDEN\r\n"
                          " 10\r\n0.0\r\n 20\r\n0\r\n 30\r\n0\r\n 11\r\n+1e3\r\n 21\r\n-2.5\r\n 31\r\n0\r\n"
                          "  0\r\nCIRCLE\r\n  8\r\nsite\r\n 10\r\n1\r\n 20\r\n1\r\n 40\r\n 0.5 \r\n"
                          "999\r\na comment\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
  const Read r(file);
  ASSERT_TRUE(r.ok) << r.error.toStdString();
  EXPECT_EQ(r.report.version, QStringLiteral("AC1009"));
  EXPECT_EQ(r.report.entities, 2);
  OdDbBlockTableRecordPtr ms = r.db->getModelSpaceId().openObject();
  const OdDbObjectIdArray ids = ms->entityIds();
  ASSERT_EQ(ids.size(), 2u);
  OdDbLinePtr line = ids[0].openObject();
  EXPECT_EQ(line->endPoint(), OdGePoint3d(1000, -2.5, 0));
  EXPECT_EQ(str(line->layer()), "Site");
  EXPECT_EQ(str(line->linetype()), "HIDDEN");
  OdDbCirclePtr circle = ids[1].openObject();
  // Layer names are not case-sensitive.
  EXPECT_EQ(circle->layerId(), line->layerId());
  EXPECT_DOUBLE_EQ(circle->radius(), 0.5);
}

TEST(DxfReader, DecodesEscapesInEveryVersion)
{
  struct Row
  {
    const char* version;
    QByteArray raw;
    QString expected;
  } rows[] = {
    {"AC1015", "a\\U+00E9b\\U+4E2D", QStringLiteral(u"aéb中")},
    {"AC1032", "\xC3\xA9\\U+4E2D", QStringLiteral(u"é中")},
    // Double-byte characters of the East Asian code pages: 1 Japanese, 5 simplified Chinese.
    {"AC1015", "\\M+193FA\\M+5D6D0", QStringLiteral(u"日中")},
    // A doubled backslash starts no escape; incomplete escapes stay as written.
    {"AC1015", "\\\\U+0041 \\U+12", QStringLiteral(u"\\\\U+0041 \\U+12")},
    // Formatting codes are no escapes and stay as written, next to escapes or alone.
    {"AC1015", "Note\\Pline two\\P", QStringLiteral(u"Note\\Pline two\\P")},
    {"AC1021", "a\\Pb\\u+00E9\\m", QStringLiteral(u"a\\Pbé\\m")},
    {"AC1015", "\\H2.5x;\\M+5D6D0", QStringLiteral(u"\\H2.5x;中")},
  };
  for (const Row& row : rows)
  {
    SCOPED_TRACE(row.raw.toStdString());
    const QByteArray file = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\n" + QByteArray(row.version) +
                            "\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nTEXT\n5\n2A\n10\n0\n20\n0\n40\n1\n1\n" + row.raw +
                            "\n0\nENDSEC\n0\nEOF\n";
    const Read r(file);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(str(r.object<OdDbText>(0x2A)->textString()), row.expected.toStdString());
  }
}
