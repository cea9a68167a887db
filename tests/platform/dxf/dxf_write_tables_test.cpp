// Tests of the writers of tables, records and objects and of whole drawings: every record kind
// with varied values written and read back into the same state or refused by name, whole drawings
// in R2000, R2010 and R2018 read back into the same objects with $HANDSEED above every handle, a
// changed record of a read file patched, and an independent reader's audit of written drawings.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <set>

#include "DbAnnotationScale.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbDimStyleTableRecord.h"
#include "DbField.h"
#include "DbLayerTableRecord.h"
#include "DbLine.h"
#include "DbLinetypeTableRecord.h"
#include "DbMText.h"
#include "DbObjectContextManager.h"
#include "DbRegAppTableRecord.h"
#include "DbSymbolTable.h"
#include "DbText.h"
#include "DbTextStyleTableRecord.h"
#include "DbUCSTableRecord.h"
#include "DbViewTableRecord.h"
#include "DbViewportTableRecord.h"
#include "DxfSamples.h"
#include "DxfTokenizer.h"
#include "DxfWriteTestUtil.h"
#include "DxfWriter.h"
#include "KyDxfWriter.h"
#include "KyUtils.h"

using namespace kydxf;

namespace
{
const int kWholeVersions[] = {kDxfR2000, kDxfR2010, kDxfR2018};

// Applications whose data files keep and a written drawing registers (the host's own hyperlink
// application is not written; the reader registers it again).
bool isFileApplication(const OdString& name)
{
  for (const wchar_t* app : {L"ACAD", L"PE_URL", L"AcCmTransparency", L"AcAecLayerStandard"})
    if (name.iCompare(app) == 0)
      return true;
  return name.iCompare(CKyUtils::kHyperlinkAppName) == 0;
}

// A drawing with records to refer to; with named plot styles its plot style names list "Normal"
// and "Thin", each by an empty dictionary, as the database holds a file's placeholder.
struct Drawing
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbObjectId dashed, notes, door, walls;

  explicit Drawing(bool namedPlotStyles = false)
  {
    OdDbLinetypeTableRecordPtr linetype = OdDbLinetypeTableRecord::createObject();
    linetype->setNumDashes(2);
    linetype->setDashLengthAt(0, 0.5);
    linetype->setDashLengthAt(1, -0.25);
    dashed = add(db->getLinetypeTableId(), linetype, L"DASHED");
    OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::createObject();
    style->setFileName(L"simplex.shx");
    notes = add(db->getTextStyleTableId(), style, L"Notes");
    door = add(db->getBlockTableId(), OdDbBlockTableRecord::createObject(), L"Door");
    walls = add(db->getLayerTableId(), OdDbLayerTableRecord::createObject(), L"Walls");
    db->newRegApp(L"KY_TEST");
    db->newRegApp(OdDbAnnotativeObject::kAppName);
    if (!namedPlotStyles)
      return;
    db->setPSTYLEMODE(false);
    OdDbDictionaryPtr nod = db->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
    OdDbDictionaryPtr names = OdDbDictionary::createObject();
    nod->setAt(L"ACAD_PLOTSTYLENAME", names);
    names->setAt(L"Normal", OdDbDictionary::createObject());
    names->setAt(L"Thin", OdDbDictionary::createObject());
  }

  OdDbObjectId add(const OdDbObjectId& tableId, OdDbSymbolTableRecordPtr record, const OdString& name)
  {
    record->setName(name);
    OdDbSymbolTablePtr table = tableId.safeOpenObject(OdDb::kForWrite);
    return table->add(record);
  }

  OdDbObjectId addEntity(OdDbEntity* entity, const OdDbObjectId& blockId)
  {
    entity->setDatabaseDefaults(db);
    OdDbBlockTableRecordPtr block = blockId.safeOpenObject(OdDb::kForWrite);
    return block->appendOdDbEntity(entity);
  }
};

OdCmColor rgb(OdUInt8 r, OdUInt8 g, OdUInt8 b)
{
  OdCmColor color;
  color.setRGB(r, g, b);
  return color;
}

OdCmColor aci(OdUInt16 index)
{
  OdCmColor color;
  color.setColorIndex(index);
  return color;
}

void addXData(OdDbObject* pObj, const wchar_t* app, const OdString& text)
{
  pObj->database()->newRegApp(app);
  OdResBufPtr chain = OdResBuf::newRb(1001, app);
  chain->setNext(OdResBuf::newRb(1000, text))->setNext(OdResBuf::newRb(1070, static_cast<OdInt16>(5)));
  pObj->setXData(chain);
}

// Writes the drawing whole through the writer's entry point; the error when it refuses.
bool writeDrawing(OdDbDatabase* db, int version, QByteArray& out, QString& error)
{
  KyDxfWriter::Options options;
  options.version = QStringLiteral("AC%1").arg(version);
  return KyDxfWriter::write(db, nullptr, out, error, options);
}

OdDbObjectPtr objectAt(OdDbDatabase* db, const OdDbHandle& handle)
{
  return db->getOdDbObjectId(handle).openObject();
}

// ---- records -------------------------------------------------------------------------------

struct RecordCase
{
  const char* name;
  std::function<OdDbObjectId(Drawing&)> make;
  // The first version that carries every value, and what earlier versions refuse.
  int since = kDxfR2000;
  const char* refusal = nullptr;
  bool namedPlotStyles = false;
};

template <class T>
std::function<OdDbObjectId(Drawing&)> record(OdDbObjectId (OdDbDatabase::*table)() const, const wchar_t* name,
                                             std::function<void(Drawing&, T*)> setup)
{
  return [table, name, setup](Drawing& d) {
    OdSmartPtr<T> rec = T::createObject();
    rec->setName(name);
    OdDbSymbolTablePtr pTable = (d.db.get()->*table)().safeOpenObject(OdDb::kForWrite);
    const OdDbObjectId id = pTable->add(rec);
    setup(d, rec.get());
    return id;
  };
}

// The drawing's own record of that kind, set up.
template <class T>
std::function<OdDbObjectId(Drawing&)> existing(OdDbObjectId (OdDbDatabase::*recordId)() const,
                                               std::function<void(Drawing&, T*)> setup)
{
  return [recordId, setup](Drawing& d) {
    const OdDbObjectId id = (d.db.get()->*recordId)();
    OdSmartPtr<T> rec = id.safeOpenObject(OdDb::kForWrite);
    setup(d, rec.get());
    return id;
  };
}

std::vector<RecordCase> recordCases()
{
  using Db = OdDbDatabase;
  return {
    {"layer, defaults", record<OdDbLayerTableRecord>(&Db::getLayerTableId, L"Plain", [](Drawing&, auto*) {})},
    {"layer, every flag and value",
     record<OdDbLayerTableRecord>(&Db::getLayerTableId, L"Außen 外壁",
                                  [](Drawing& d, OdDbLayerTableRecord* l) {
                                    l->setIsFrozen(true);
                                    l->setVPDFLT(true);
                                    l->setIsLocked(true);
                                    l->setIsOff(true);
                                    l->setIsPlottable(false);
                                    l->setColor(aci(200));
                                    l->setLinetypeObjectId(d.dashed);
                                    l->setLineWeight(OdDb::kLnWt035);
                                    l->setDescription(L"Außenwände — 外壁");
                                    addXData(l, L"KY_TEST", L"kept");
                                  })},
    {"layer zero turned off in colour 1",
     existing<OdDbLayerTableRecord>(&Db::getLayerZeroId,
                                    [](Drawing&, OdDbLayerTableRecord* l) {
                                      l->setColor(aci(1));
                                      l->setIsOff(true);
                                    })},
    {"layer, true colour, off",
     record<OdDbLayerTableRecord>(&Db::getLayerTableId, L"True",
                                  [](Drawing&, OdDbLayerTableRecord* l) {
                                    l->setColor(rgb(10, 20, 30));
                                    l->setIsOff(true);
                                  }),
     kDxfR2004, "a true colour (10,20,30)"},
    {"layer, transparent",
     record<OdDbLayerTableRecord>(&Db::getLayerTableId, L"Glass",
                                  [](Drawing&, OdDbLayerTableRecord* l) {
                                    l->setTransparency(OdCmTransparency(static_cast<OdUInt8>(51)));
                                  }),
     kDxfR2004, "the transparency 51/255"},
    {"layer with a named plot style",
     record<OdDbLayerTableRecord>(&Db::getLayerTableId, L"Styled",
                                  [](Drawing&, OdDbLayerTableRecord* l) { l->setPlotStyleName(L"Thin"); }),
     kDxfR2000, nullptr, true},
    {"linetype, dashes and a pattern length of its own",
     record<OdDbLinetypeTableRecord>(&Db::getLinetypeTableId, L"DASHDOT",
                                     [](Drawing&, OdDbLinetypeTableRecord* lt) {
                                       lt->setComments(L"Strich-Punkt — ・");
                                       lt->setNumDashes(4);
                                       lt->setDashLengthAt(0, 1.25);
                                       lt->setDashLengthAt(1, -0.25);
                                       lt->setDashLengthAt(2, 0.0);
                                       lt->setDashLengthAt(3, -1e-9);
                                       lt->setPatternLength(2.5);
                                     })},
    {"linetype Continuous",
     existing<OdDbLinetypeTableRecord>(&Db::getLinetypeContinuousId, [](Drawing&, auto*) {})},
    {"text style, every value",
     record<OdDbTextStyleTableRecord>(&Db::getTextStyleTableId, L"Titles",
                                      [](Drawing&, OdDbTextStyleTableRecord* s) {
                                        s->setIsVertical(true);
                                        s->setIsBackwards(true);
                                        s->setIsUpsideDown(true);
                                        s->setTextSize(2.5);
                                        s->setXScale(0.8);
                                        s->setObliquingAngle(-15.0 * OdaPI / 180.0);
                                        s->setPriorSize(3.5);
                                        s->setFileName(L"romans.shx");
                                        s->setBigFontFileName(L"gbcbig.shx");
                                      })},
    {"text style, shape file",
     record<OdDbTextStyleTableRecord>(&Db::getTextStyleTableId, L"Shapes",
                                      [](Drawing&, OdDbTextStyleTableRecord* s) {
                                        s->setIsShapeFile(true);
                                        s->setFileName(L"ltypeshp.shx");
                                      })},
    {"text style with a typeface and data of its own beside the font",
     record<OdDbTextStyleTableRecord>(&Db::getTextStyleTableId, L"Arial",
                                      [](Drawing&, OdDbTextStyleTableRecord* s) {
                                        s->setFont(L"Arial Unicode MS", true, true, 0x80, 0x22);
                                        addXData(s, L"ACAD", L"design centre");
                                        addXData(s, L"KY_TEST", L"other");
                                      })},
    {"text style with data of ACAD and no typeface",
     record<OdDbTextStyleTableRecord>(&Db::getTextStyleTableId, L"Plain",
                                      [](Drawing&, OdDbTextStyleTableRecord* s) { addXData(s, L"ACAD", L"x"); })},
    {"dimension style, variables of every kind and references",
     record<OdDbDimStyleTableRecord>(&Db::getDimStyleTableId, L"Metric",
                                     [](Drawing& d, OdDbDimStyleTableRecord* s) {
                                       s->setDimVar(OdResBuf::newRb(3, L"<> mm"));
                                       s->setDimVar(OdResBuf::newRb(40, 2.5));
                                       s->setDimVar(OdResBuf::newRb(140, 1e-3));
                                       s->setDimVar(OdResBuf::newRb(77, static_cast<OdInt16>(1)));
                                       s->setDimVar(OdResBuf::newRb(178, static_cast<OdInt16>(256)));
                                       s->setDimVar(OdResBuf::newRb(371, static_cast<OdInt16>(-2)));
                                       s->setDimVar(OdResBuf::newRb(340, d.notes));
                                       s->setDimVar(OdResBuf::newRb(341, d.door));
                                       s->setDimVar(OdResBuf::newRb(345, d.dashed));
                                     })},
    {"dimension style with a text fill in a colour",
     record<OdDbDimStyleTableRecord>(&Db::getDimStyleTableId, L"Filled",
                                     [](Drawing&, OdDbDimStyleTableRecord* s) {
                                       s->setDimtfill(2);
                                       s->setDimtfillclr(aci(5));
                                       s->setDimtxt(3.5);
                                     }),
     kDxfR2007, "the text fill (DIMTFILL)"},
    {"dimension style Standard, empty",
     existing<OdDbDimStyleTableRecord>(&Db::getDimStyleStandardId, [](Drawing&, auto*) {})},
    {"viewport *Active, every value",
     existing<OdDbViewportTableRecord>(&Db::activeViewportId,
                                       [](Drawing&, OdDbViewportTableRecord* v) {
                                         v->setUpperRightCorner(OdGePoint2d(0.75, 1.0));
                                         v->setLowerLeftCorner(OdGePoint2d(0.25, 0.5));
                                         v->setCenterPoint(OdGePoint2d(-12.5, 1e6));
                                         v->setHeight(300.0);
                                         v->setWidth(400.0);
                                         v->setTarget(OdGePoint3d(1, 2, 3));
                                         v->setViewDirection(OdGeVector3d(1, -1, 1));
                                         v->setViewTwist(0.3);
                                         v->setLensLength(35.0);
                                         v->setFrontClipDistance(-5.0);
                                         v->setBackClipDistance(7.0);
                                         v->setPerspectiveEnabled(true);
                                         v->setBackClipEnabled(true);
                                         v->setElevation(2.5);
                                         v->setUcs(OdGePoint3d(5, 5, 0), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0));
                                         v->setIconEnabled(false);
                                         v->setSnapEnabled(true);
                                         v->setGridEnabled(true);
                                         v->setSnapIncrements(OdGeVector2d(0.5, 0.25));
                                         v->setGridIncrements(OdGeVector2d(5.0, 2.5));
                                         v->setCircleSides(100);
                                         v->setUcsPerViewport(false);
                                       })},
    {"view, every value",
     record<OdDbViewTableRecord>(&Db::getViewTableId, L"Vorne",
                                 [](Drawing&, OdDbViewTableRecord* v) {
                                   v->setIsPaperspaceView(true);
                                   v->setCenterPoint(OdGePoint2d(3, 4));
                                   v->setHeight(20.0);
                                   v->setWidth(35.0);
                                   v->setTarget(OdGePoint3d(-1, 0, 2));
                                   v->setViewDirection(OdGeVector3d(0, -1, 0));
                                   v->setViewTwist(-1.0);
                                   v->setLensLength(80.0);
                                   v->setFrontClipDistance(1.0);
                                   v->setFrontClipEnabled(true);
                                   v->setUcs(OdGePoint3d(0, 0, 1), OdGeVector3d(1, 0, 0), OdGeVector3d(0, 0, 1));
                                   v->setElevation(-3.0);
                                 })},
    {"view, world UCS and an elevation",
     record<OdDbViewTableRecord>(&Db::getViewTableId, L"Raised",
                                 [](Drawing&, OdDbViewTableRecord* v) { v->setElevation(1.5); })},
    {"UCS",
     record<OdDbUCSTableRecord>(&Db::getUCSTableId, L"Tilted",
                                [](Drawing&, OdDbUCSTableRecord* u) {
                                  u->setOrigin(OdGePoint3d(10, -20, 30));
                                  u->setXAxis(OdGeVector3d(1, 1, 0));
                                  u->setYAxis(OdGeVector3d(-1, 1, 0));
                                })},
    {"application", record<OdDbRegAppTableRecord>(&Db::getRegAppTableId, L"KY_OTHER", [](Drawing&, auto*) {})},
    {"block record, every value",
     record<OdDbBlockTableRecord>(&Db::getBlockTableId, L"Window",
                                  [](Drawing& d, OdDbBlockTableRecord* b) {
                                    b->setBlockInsertUnits(OdDb::kUnitsMillimeters);
                                    b->setExplodable(false);
                                    b->setBlockScaling(OdDbBlockTableRecord::kUniform);
                                    b->setOrigin(OdGePoint3d(1.5, -2, 0.25));
                                    b->setComments(L"Fenster — 窓");
                                    addXData(b, L"KY_TEST", L"block data");
                                    OdDbLinePtr line = OdDbLine::createObject();
                                    line->setEndPoint(OdGePoint3d(1, 1, 0));
                                    d.addEntity(line, b->objectId());
                                  })},
    {"block record of an external reference",
     record<OdDbBlockTableRecord>(&Db::getBlockTableId, L"Site",
                                  [](Drawing&, OdDbBlockTableRecord* b) { b->setPathName(L"plans/site.dxf"); })},
    {"paper space block record",
     existing<OdDbBlockTableRecord>(&Db::getPaperSpaceId,
                                    [](Drawing& d, OdDbBlockTableRecord* b) {
                                      OdDbLinePtr line = OdDbLine::createObject();
                                      line->setEndPoint(OdGePoint3d(2, 0, 0));
                                      d.addEntity(line, b->objectId());
                                    })},
    {"layer colour with a name from a colour book",
     [](Drawing& d) {
       OdDbLayerTableRecordPtr l = d.walls.safeOpenObject(OdDb::kForWrite);
       OdCmColor color = rgb(200, 100, 0);
       color.setNames(L"Orange", L"KY Colours");
       l->setColor(color);
       return d.walls;
     },
     kDxfR2004, "a true colour (200,100,0)"},
    {"linetype scaled to fit",
     [](Drawing& d) {
       OdDbLinetypeTableRecordPtr lt = d.dashed.safeOpenObject(OdDb::kForWrite);
       lt->setIsScaledToFit(true);
       return d.dashed;
     }},
    {"view with a named UCS",
     [](Drawing& d) {
       OdDbUCSTableRecordPtr ucs = OdDbUCSTableRecord::createObject();
       ucs->setName(L"Named");
       ucs->setOrigin(OdGePoint3d(1, 1, 1));
       OdDbSymbolTablePtr(d.db->getUCSTableId().safeOpenObject(OdDb::kForWrite))->add(ucs);
       OdDbViewTableRecordPtr v = OdDbViewTableRecord::createObject();
       v->setName(L"WithUcs");
       const OdDbObjectId id = OdDbSymbolTablePtr(d.db->getViewTableId().safeOpenObject(OdDb::kForWrite))->add(v);
       v->setUcs(ucs->objectId());
       return id;
     }},
  };
}

// The object's kind writer's fields, "code=value" apart by blanks, segments apart by " | ".
std::string writtenTags(OdDbDatabase* db, const OdDbObject* pObj, int version = kDxfR2018)
{
  const DxfEncoder encoder(version, "ANSI_1252");
  DxfFields fields(encoder, db);
  const DxfKindWriter* writer = dxfKindWriter(pObj->isA());
  if (!writer)
    return "no kind writer for " + pObj->isA()->name().toUtf8();
  writer->fields(pObj, fields);
  std::string text;
  for (const DxfFields::Segment& s : fields.segments())
  {
    text += text.empty() ? "" : " | ";
    text += s.isXData ? "xdata:" : (s.marker ? std::string(s.marker) : std::string("head")) + ":";
    for (const DxfOutTag& t : s.tags)
      text += " " + std::to_string(t.code) + "=" + t.value;
  }
  return text;
}

// The drawing written whole in the version and read back; the read-back database.
OdDbDatabasePtr writtenAndRead(OdDbDatabase* db, int version, QByteArray* file = nullptr)
{
  QByteArray out;
  QString error;
  EXPECT_TRUE(writeDrawing(db, version, out, error)) << error.toStdString();
  if (file)
    *file = out;
  OdDbDatabasePtr again = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  EXPECT_TRUE(dxfwrite::readsCleanly(out, again, report));
  return again;
}

TEST(DxfWriteTables, RecordsReadBackTheSameStateOrAreRefusedByName)
{
  for (const RecordCase& c : recordCases())
    for (int version : kWholeVersions)
    {
      SCOPED_TRACE(std::string(c.name) + " in AC" + std::to_string(version));
      Drawing d(c.namedPlotStyles);
      const OdDbObjectId id = c.make(d);
      OdDbObjectPtr pObj = id.openObject();
      if (version < c.since)
      {
        QByteArray out;
        QString error;
        EXPECT_FALSE(writeDrawing(d.db, version, out, error));
        const OdDbSymbolTableRecordPtr pRec = OdDbSymbolTableRecord::cast(pObj.get());
        EXPECT_EQ(error.toStdString(), std::string(dxfKindWriter(pObj->isA())->dxfName) + " '" +
                                         pRec->getName().toUtf8() + "': " + c.refusal +
                                         " cannot be written in R2000 (AC1015)");
        continue;
      }
      QByteArray file;
      OdDbDatabasePtr again = writtenAndRead(d.db, version, &file);
      OdDbObjectPtr copy = objectAt(again, pObj->getDbHandle());
      ASSERT_FALSE(copy.isNull()) << file.toStdString();
      EXPECT_TRUE(dxfwrite::sameState(pObj.get(), copy.get())) << file.toStdString();
    }
}

TEST(DxfWriteTables, WritesOnlyCodesItsSubclassesOwn)
{
  for (const RecordCase& c : recordCases())
  {
    SCOPED_TRACE(c.name);
    Drawing d(c.namedPlotStyles);
    OdDbObjectPtr pObj = c.make(d).openObject();
    const DxfEncoder encoder(kDxfR2018, "ANSI_1252");
    DxfFields fields(encoder, d.db);
    const DxfKindWriter* writer = dxfKindWriter(pObj->isA());
    ASSERT_NE(writer, nullptr);
    writer->fields(pObj.get(), fields);
    ASSERT_FALSE(fields.segments().empty());
    EXPECT_STREQ(fields.segments().front().marker, "AcDbSymbolTableRecord");
    EXPECT_TRUE(dxfwrite::ownsEveryCode(fields));
  }
}

// The files' forms of what the reader turns into properties, and of the tables.
TEST(DxfWriteTables, WritesTheFilesForms)
{
  Drawing d;
  OdDbLayerTableRecordPtr layer = d.walls.safeOpenObject(OdDb::kForWrite);
  layer->setTransparency(OdCmTransparency(static_cast<OdUInt8>(128)));
  layer->setDescription(L"outer");
  layer->setColor(aci(3));
  layer->setIsOff(true);
  EXPECT_EQ(writtenTags(d.db, layer.get()),
            "AcDbSymbolTableRecord: | AcDbLayerTableRecord: 2=Walls 70=0 62=-3 6=Continuous 370=-3 | xdata: "
            "1001=AcCmTransparency 1071=33554560 1001=AcAecLayerStandard 1000= 1000=outer");
  layer.release();

  OdDbTextStyleTableRecordPtr style = d.notes.safeOpenObject(OdDb::kForWrite);
  style->setFont(L"Arial", true, false, 0, 34);
  EXPECT_EQ(writtenTags(d.db, style.get()),
            "AcDbSymbolTableRecord: | AcDbTextStyleTableRecord: 2=Notes 70=0 40=0.0 41=1.0 50=0.0 71=0 42=2.5 "
            "3=simplex.shx 4= | xdata: 1001=ACAD 1000=Arial 1071=33554466");
  style.release();

  // A simple dash has no shape or text: its 74 is 0 (R12 has no 74 at all).
  OdDbObjectPtr dashed = d.dashed.openObject();
  EXPECT_EQ(writtenTags(d.db, dashed.get()),
            "AcDbSymbolTableRecord: | AcDbLinetypeTableRecord: 2=DASHED 70=0 3= 72=65 73=2 40=0.75 49=0.5 74=0 "
            "49=-0.25 74=0 | xdata:");

  OdDbObjectPtr table = d.db->getDimStyleTableId().openObject();
  const std::string standard = DxfEncoder::handle(static_cast<std::uint64_t>(d.db->getDimStyleStandardId().getHandle()));
  EXPECT_EQ(writtenTags(d.db, table.get()),
            "head: 2=DIMSTYLE | AcDbSymbolTable: 70=1 | AcDbDimStyleTable: 71=1 340=" + standard + " | xdata:");
}

TEST(DxfWriteTables, RefusesWhatDxfCannotHold)
{
  struct Refusal
  {
    const char* name;
    std::function<void(Drawing&)> setup;
    const char* message;
    int version = kDxfR2018;
  };
  const Refusal refusals[] = {
    {"hidden layer",
     [](Drawing& d) {
       OdDbLayerTableRecordPtr l = d.walls.safeOpenObject(OdDb::kForWrite);
       l->setIsHidden(true);
     },
     "LAYER 'Walls': a hidden layer has no form in DXF"},
    {"viewport overrides of a layer",
     [](Drawing& d) {
       OdDbLayerTableRecordPtr l = d.walls.safeOpenObject(OdDb::kForWrite);
       l->setColor(aci(2), d.db->activeViewportId());
     },
     "LAYER 'Walls': viewport overrides cannot be written yet"},
    {"plot style of a layer in a colour-dependent drawing",
     [](Drawing& d) {
       OdDbLayerTableRecordPtr l = d.walls.safeOpenObject(OdDb::kForWrite);
       l->setPlotStyleName(L"Thin");
     },
     "LAYER 'Walls': the plot style 'Thin' cannot be written: the drawing uses colour-dependent plot styles"},
    {"plot style the drawing does not list",
     [](Drawing& d) {
       d.db->setPSTYLEMODE(false);
       OdDbLayerTableRecordPtr l = d.walls.safeOpenObject(OdDb::kForWrite);
       l->setPlotStyleName(L"Unlisted");
     },
     "LAYER 'Walls': the plot style 'Unlisted' cannot be written: the drawing's plot style names "
     "(ACAD_PLOTSTYLENAME) do not list it"},
    {"view category",
     [](Drawing& d) {
       OdDbViewTableRecordPtr v = OdDbViewTableRecord::createObject();
       v->setName(L"Top");
       v->setCategoryName(L"Plans");
       OdDbSymbolTablePtr(d.db->getViewTableId().safeOpenObject(OdDb::kForWrite))->add(v);
     },
     "VIEW 'Top': the view category 'Plans' has no form in DXF"},
    {"dimension variable under a structure code",
     [](Drawing& d) {
       OdDbDimStyleTableRecordPtr s = d.db->getDimStyleStandardId().safeOpenObject(OdDb::kForWrite);
       s->setDimVar(OdResBuf::newRb(70, static_cast<OdInt16>(1)));
     },
     "DIMSTYLE 'Standard': a dimension variable under group code 70 has no place in DXF"},
    {"true colour of a dimension style variable",
     [](Drawing& d) {
       OdDbDimStyleTableRecordPtr s = d.db->getDimStyleStandardId().safeOpenObject(OdDb::kForWrite);
       s->setDimclrd(rgb(10, 20, 30));
     },
     "DIMSTYLE 'Standard': the true colour of DIMCLRD has no place in DXF"},
    {"true colour of the text fill of a dimension style",
     [](Drawing& d) {
       OdDbDimStyleTableRecordPtr s = d.db->getDimStyleStandardId().safeOpenObject(OdDb::kForWrite);
       s->setDimtfill(2);
       s->setDimtfillclr(rgb(10, 20, 30));
     },
     "DIMSTYLE 'Standard': the true colour of DIMTFILLCLR has no place in DXF"},
    {"current colour in true colour before R2004",
     [](Drawing& d) { d.db->setCECOLOR(rgb(1, 2, 3)); },
     "$CECOLOR: a true colour (1,2,3) cannot be written in R2000 (AC1015)", kDxfR2000},
    {"current transparency before R2004",
     [](Drawing& d) { d.db->setCETRANSPARENCY(OdCmTransparency(OdCmTransparency::kByBlock)); },
     "$CETRANSPARENCY: the transparency ByBlock cannot be written in R2000 (AC1015)", kDxfR2000},
    {"current plot style the drawing does not list",
     [](Drawing& d) {
       d.db->setPSTYLEMODE(false);
       d.db->setCPLOTSTYLE(L"Heavy");
     },
     "$CEPSNID: the plot style 'Heavy' cannot be written: the drawing's plot style names (ACAD_PLOTSTYLENAME) "
     "do not list it"},
    {"a field, which no kind writer writes",
     [](Drawing& d) {
       OdDbTextPtr text = OdDbText::createObject();
       text->setTextString(L"x");
       d.addEntity(text, d.db->getModelSpaceId());
       OdDbFieldPtr field = OdDbField::createObject();
       text->setField(L"TEXT", field);
     },
     "objects of the class OdDbField cannot be written yet"},
    {"a whole drawing in R12", [](Drawing&) {},
     "a drawing that was not read from a file is written in R2000 and later, not in R12 (AC1009)", kDxfR12},
  };
  for (const Refusal& r : refusals)
  {
    SCOPED_TRACE(r.name);
    Drawing d;
    r.setup(d);
    const DxfEncoder encoder(r.version, "ANSI_1252");
    std::string buffer;
    DxfOutput out(buffer, encoder);
    try
    {
      dxfWriteDatabase(d.db, out);
      ADD_FAILURE() << "written, expected: " << r.message;
    }
    catch (const DxfWriteError& e)
    {
      EXPECT_EQ(e.message, r.message);
    }
  }
}

// ---- whole drawings ------------------------------------------------------------------------

// A drawing of every kind of object the reader maps (annotation scales and annotative objects
// among them), in values R2000 carries.
void fillDrawing(Drawing& d)
{
  OdDbDatabase* db = d.db;
  db->setLUNITS(4);
  db->setLUPREC(3);
  db->setAUNITS(1);
  db->setAUPREC(4);
  db->setANGBASE(0.5);
  db->setANGDIR(true);
  db->setINSUNITS(OdDb::kUnitsMeters);
  db->setMEASUREMENT(OdDb::kMetric);
  db->setLTSCALE(2.5);
  db->setCELTSCALE(0.5);
  db->setTEXTSIZE(3.5);
  db->setSPLINESEGS(12);
  db->setCELWEIGHT(OdDb::kLnWt025);
  db->setCECOLOR(aci(5));
  db->setCLAYER(d.walls);
  db->setCELTYPE(d.dashed);
  db->setTEXTSTYLE(d.notes);
  db->setUCSORG(OdGePoint3d(1, 2, 3));
  db->setUCSXDIR(OdGeVector3d(0, 1, 0));
  db->setUCSYDIR(OdGeVector3d(-1, 0, 0));
  db->setDWGCODEPAGE(L"ANSI_1252");
  for (const RecordCase& c : recordCases())
    if (c.since <= kDxfR2000 && !c.namedPlotStyles)
      c.make(d);

  OdDbLinePtr line = OdDbLine::createObject();
  line->setEndPoint(OdGePoint3d(10, 5, 0));
  d.addEntity(line, db->getModelSpaceId());
  line->setLayer(d.walls);
  CKyString link(L"https://example.com/plan");
  CKyUtils::SetHyperLink(line, &link);
  line->createExtensionDictionary();
  OdDbDictionaryPtr xdict = line->extensionDictionary().safeOpenObject(OdDb::kForWrite);
  xdict->setAt(L"KY_NOTES", OdDbDictionary::createObject());
  line.release();
  xdict.release();

  OdDbMTextPtr note = OdDbMText::createObject();
  note->setContents(L"Grüße\\P日本");
  note->setTextStyle(d.notes);
  d.addEntity(note, db->getModelSpaceId());
  note.release();

  OdDbLinePtr inBlock = OdDbLine::createObject();
  inBlock->setStartPoint(OdGePoint3d(0, 0, 0));
  inBlock->setEndPoint(OdGePoint3d(0.9, 0, 0));
  d.addEntity(inBlock, d.door);
  inBlock.release();

  // Annotation scales: the scale list with a scale of its own, an annotative style and text.
  OdDbAnnotationScaleList::addScale(db, L"1:25", 1.0, 25.0);
  OdDbTextStyleTableRecordPtr style = d.notes.safeOpenObject(OdDb::kForWrite);
  OdDbAnnotativeObject::setAnnotative(style.get(), true);
  style.release();
  OdDbTextPtr title = OdDbText::createObject();
  title->setTextString(L"Erdgeschoss");
  title->setTextStyle(d.notes);
  d.addEntity(title, db->getModelSpaceId());
  OdDbAnnotativeObject::setAnnotative(title.get(), true);
  title.release();

  OdDbDictionaryPtr nod = db->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
  OdDbDictionaryPtr own = OdDbDictionary::createObject();
  nod->setAt(L"KY_SETTINGS", own);
  own->setAt(L"Nested", OdDbDictionary::createObject());
  addXData(own, L"KY_TEST", L"dictionary data");
  own->createExtensionDictionary();
}

// Every object the writer walks, by handle: tables, records, block entities, the named-objects
// dictionary and what it and the others own.
std::map<std::uint64_t, OdDbObjectId> objectsOf(OdDbDatabase* db)
{
  std::map<std::uint64_t, OdDbObjectId> objects;
  std::function<void(const OdDbObjectId&)> visit = [&](const OdDbObjectId& id) {
    OdDbObjectPtr pObj = id.openObject();
    if (pObj.isNull() || !objects.emplace(static_cast<std::uint64_t>(id.getHandle()), id).second)
      return;
    if (!pObj->extensionDictionary().isNull())
      visit(pObj->extensionDictionary());
    if (const OdDbDictionary* pDict = OdDbDictionary::cast(pObj.get()).get())
      for (OdDbDictionaryIteratorPtr it = pDict->newIterator(); !it->done(); it->next())
        visit(it->objectId());
    if (const OdDbSymbolTable* pTable = OdDbSymbolTable::cast(pObj.get()).get())
      for (OdDbSymbolTableIteratorPtr it = pTable->newIterator(); !it->done(); it->step())
        visit(it->getRecordId());
    if (const OdDbBlockTableRecord* pBlock = OdDbBlockTableRecord::cast(pObj.get()).get())
      for (OdDbObjectIteratorPtr it = pBlock->newIterator(); !it->done(); it->step())
        visit(it->objectId());
  };
  for (const OdDbObjectId& id :
       {db->getViewportTableId(), db->getLinetypeTableId(), db->getLayerTableId(), db->getTextStyleTableId(),
        db->getViewTableId(), db->getUCSTableId(), db->getRegAppTableId(), db->getDimStyleTableId(),
        db->getBlockTableId(), db->getNamedObjectsDictionaryId()})
    visit(id);
  return objects;
}

bool isApplication(const OdDbObjectId& id, std::function<bool(const OdString&)> which)
{
  OdDbObjectPtr pObj = id.openObject();
  const OdDbRegAppTableRecord* pApp = OdDbRegAppTableRecord::cast(pObj.get()).get();
  return pApp && which(pApp->getName());
}

// Every object of the drawing is read back at its handle in the same state (the host's hyperlink
// application aside); the read-back drawing holds nothing else but the file's applications.
::testing::AssertionResult sameObjects(OdDbDatabase* written, OdDbDatabase* read)
{
  const std::map<std::uint64_t, OdDbObjectId> before = objectsOf(written), after = objectsOf(read);
  ::testing::AssertionResult result = ::testing::AssertionSuccess();
  bool same = true;
  for (const auto& o : before)
  {
    // The applications table counts the file's applications too.
    if (o.second == written->getRegAppTableId())
      continue;
    if (isApplication(o.second, [](const OdString& n) { return n.iCompare(CKyUtils::kHyperlinkAppName) == 0; }))
      continue;
    auto it = after.find(o.first);
    OdDbObjectPtr pBefore = o.second.openObject();
    if (it == after.end())
    {
      same = false;
      result << "\nmissing: " << pBefore->isA()->name().toUtf8() << " " << o.first;
      continue;
    }
    OdDbObjectPtr pAfter = it->second.openObject();
    const ::testing::AssertionResult state = dxfwrite::sameState(pBefore.get(), pAfter.get());
    if (!state)
    {
      same = false;
      result << "\n" << pBefore->isA()->name().toUtf8() << " " << o.first << ": " << state.message();
    }
  }
  for (const auto& o : after)
    if (!before.count(o.first) && !isApplication(o.second, isFileApplication))
    {
      same = false;
      result << "\nread back in addition: " << o.second.openObject()->isA()->name().toUtf8() << " " << o.first;
    }
  if (same)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << result.message();
}

// The file's handles (5, 105) and its $HANDSEED.
void handlesOf(const QByteArray& file, std::set<std::uint64_t>& handles, std::uint64_t& seed)
{
  DxfTokenizer tokens(file.constData(), static_cast<std::size_t>(file.size()));
  DxfTag t;
  bool seedNext = false;
  while (tokens.next(t))
  {
    std::uint64_t h = 0;
    if (t.code == 9)
      seedNext = dxfTrim(t.text) == "$HANDSEED";
    else if (t.code == 5 && seedNext && dxfParseHandle(t.text, h))
    {
      seed = h;
      seedNext = false;
    }
    else if ((t.code == 5 || t.code == 105) && dxfParseHandle(t.text, h))
    {
      EXPECT_TRUE(handles.insert(h).second) << "handle " << DxfEncoder::handle(h) << " is written twice";
    }
  }
}

// The names of the file's APPID records.
std::set<std::string> applicationsOf(const QByteArray& file)
{
  std::set<std::string> names;
  DxfTokenizer tokens(file.constData(), static_cast<std::size_t>(file.size()));
  DxfTag t;
  bool inRecord = false;
  while (tokens.next(t))
  {
    if (t.code == 0)
      inRecord = dxfTrim(t.text) == "APPID";
    else if (inRecord && t.code == 2)
      names.emplace(dxfTrim(t.text));
  }
  return names;
}

// Every file registers ACAD, also that of a drawing that did not.
TEST(DxfWriteTables, EveryFileRegistersAcad)
{
  for (int version : kWholeVersions)
  {
    OdDbDatabasePtr db = OdDbDatabase::createObject();
    OdDbSymbolTablePtr apps = db->getRegAppTableId().safeOpenObject();
    ASSERT_FALSE(apps->has(L"ACAD"));
    apps.release();
    QByteArray file;
    OdDbDatabasePtr again = writtenAndRead(db, version, &file);
    EXPECT_EQ(1u, applicationsOf(file).count("ACAD")) << version;
  }
}

TEST(DxfWriteTables, WholeDrawingsReadBackTheSameObjects)
{
  for (int version : kWholeVersions)
  {
    SCOPED_TRACE("AC" + std::to_string(version));
    Drawing d;
    fillDrawing(d);
    QByteArray file;
    OdDbDatabasePtr again = writtenAndRead(d.db, version, &file);
    EXPECT_TRUE(sameObjects(d.db, again));

    // The header variables the reader reads.
    EXPECT_EQ(again->getLUNITS(), 4);
    EXPECT_EQ(again->getLUPREC(), 3);
    EXPECT_EQ(again->getAUNITS(), 1);
    EXPECT_EQ(again->getAUPREC(), 4);
    EXPECT_NEAR(again->getANGBASE(), 0.5, 1e-15);
    EXPECT_TRUE(again->getANGDIR());
    EXPECT_EQ(again->getINSUNITS(), OdDb::kUnitsMeters);
    EXPECT_EQ(again->getMEASUREMENT(), OdDb::kMetric);
    EXPECT_EQ(again->getLTSCALE(), 2.5);
    EXPECT_EQ(again->getCELTSCALE(), 0.5);
    EXPECT_EQ(again->getTEXTSIZE(), 3.5);
    EXPECT_EQ(again->getSPLINESEGS(), 12);
    EXPECT_EQ(again->getCELWEIGHT(), OdDb::kLnWt025);
    EXPECT_EQ(again->getCECOLOR().colorIndex(), 5);
    EXPECT_EQ(again->getCLAYER().getHandle(), d.walls.getHandle());
    EXPECT_EQ(again->getCELTYPE().getHandle(), d.dashed.getHandle());
    EXPECT_EQ(again->getTEXTSTYLE().getHandle(), d.notes.getHandle());
    EXPECT_EQ(again->getUCSORG(), OdGePoint3d(1, 2, 3));
    EXPECT_EQ(again->getUCSXDIR(), OdGeVector3d(0, 1, 0));
    EXPECT_EQ(again->getUCSYDIR(), OdGeVector3d(-1, 0, 0));
    EXPECT_TRUE(again->getPSTYLEMODE());

    std::set<std::uint64_t> handles;
    std::uint64_t seed = 0;
    handlesOf(file, handles, seed);
    ASSERT_FALSE(handles.empty());
    EXPECT_GT(seed, *handles.rbegin()) << "$HANDSEED " << DxfEncoder::handle(seed);
    EXPECT_GE(seed, static_cast<std::uint64_t>(d.db->handseed()));
  }
}

// Named plot styles: the drawing's plot style names go out as placeholders the records, entities
// and the current plot style refer to.
TEST(DxfWriteTables, NamedPlotStylesReadBackByName)
{
  for (int version : kWholeVersions)
  {
    SCOPED_TRACE("AC" + std::to_string(version));
    Drawing d(true);
    d.db->setCPLOTSTYLE(L"Thin");
    OdDbLayerTableRecordPtr layer = d.walls.safeOpenObject(OdDb::kForWrite);
    layer->setPlotStyleName(L"Thin");
    layer.release();
    OdDbLinePtr line = OdDbLine::createObject();
    const OdDbObjectId lineId = d.addEntity(line, d.db->getModelSpaceId());
    line->setPlotStyleName(L"Thin");
    line.release();
    QByteArray file;
    OdDbDatabasePtr again = writtenAndRead(d.db, version, &file);
    EXPECT_FALSE(again->getPSTYLEMODE());
    EXPECT_EQ(again->getCPLOTSTYLE(), OdString(L"Thin"));
    OdDbLayerTableRecordPtr readLayer = objectAt(again, d.walls.getHandle());
    EXPECT_EQ(readLayer->plotStyleName(), OdString(L"Thin"));
    OdDbEntityPtr readLine = objectAt(again, lineId.getHandle());
    EXPECT_EQ(readLine->plotStyleName(), OdString(L"Thin"));
    EXPECT_NE(file.indexOf("ACDBPLACEHOLDER"), -1);
    // Each name is an object of the drawing, read back under its handle.
    EXPECT_TRUE(sameObjects(d.db, again));
  }
  // A drawing whose names lack "Normal" gains it: files always list the default style.
  Drawing d(true);
  {
    OdDbDictionaryPtr nod = d.db->getNamedObjectsDictionaryId().safeOpenObject();
    OdDbDictionaryPtr names = nod->getAt(L"ACAD_PLOTSTYLENAME").safeOpenObject(OdDb::kForWrite);
    names->remove(L"Normal");
  }
  OdDbDatabasePtr again = writtenAndRead(d.db, kDxfR2018);
  OdDbDictionaryPtr nod = again->getNamedObjectsDictionaryId().safeOpenObject();
  OdDbDictionaryPtr names = nod->getAt(L"ACAD_PLOTSTYLENAME").safeOpenObject();
  EXPECT_EQ(names->numEntries(), 2u);
  EXPECT_TRUE(names->has(L"Normal"));
  EXPECT_TRUE(names->has(L"Thin"));
}

// A changed record of a read file is patched: its own tags kept, the changed values replaced.
TEST(DxfWriteTables, ChangedRecordsOfReadFilesReadBackAsChanged)
{
  for (const QString& version : dxfVersions())
  {
    SCOPED_TRACE(version.toStdString());
    OdDbDatabasePtr db = OdDbDatabase::createObject();
    KyDxfReader::Report report;
    KyDxfReader::Options options;
    options.keepSource = true;
    QString error;
    ASSERT_TRUE(KyDxfReader::readFromBytes(dxfSampleFile(version), QStringLiteral("sample.dxf"), db, report, error,
                                           options))
      << error.toStdString();
    std::vector<OdDbObjectId> changed;
    auto named = [&](const OdDbObjectId& tableId, const wchar_t* name) {
      OdDbSymbolTablePtr table = tableId.safeOpenObject();
      return table->getAt(name, OdDb::kForWrite);
    };
    {
      OdDbLayerTableRecordPtr layer = named(db->getLayerTableId(), L"Walls");
      layer->setColor(aci(42));
      layer->setIsLocked(!layer->isLocked());
      layer->setDescription(L"edited");
      changed.push_back(layer->objectId());
      OdDbLinetypeTableRecordPtr linetype = named(db->getLinetypeTableId(), L"Dashed");
      linetype->setComments(L"edited __ __");
      linetype->setNumDashes(3);
      linetype->setDashLengthAt(2, 0.125);
      changed.push_back(linetype->objectId());
      OdDbTextStyleTableRecordPtr style = named(db->getTextStyleTableId(), L"Notes");
      style->setXScale(0.7);
      style->setFont(L"Verdana", false, true, 0, 0);
      changed.push_back(style->objectId());
    }
    QByteArray written;
    ASSERT_TRUE(KyDxfWriter::write(db, report.source.get(), written, error, KyDxfWriter::Options()))
      << error.toStdString();
    OdDbDatabasePtr again = OdDbDatabase::createObject();
    KyDxfReader::Report second;
    ASSERT_TRUE(KyDxfReader::readFromBytes(written, QStringLiteral("written.dxf"), again, second, error))
      << error.toStdString();
    EXPECT_EQ(second.repairCount, report.repairCount);
    for (const OdDbObjectId& id : changed)
    {
      OdDbObjectPtr before = id.openObject();
      OdDbObjectPtr after = objectAt(again, id.getHandle());
      ASSERT_FALSE(after.isNull());
      EXPECT_TRUE(dxfwrite::sameState(before.get(), after.get())) << written.toStdString();
    }
  }
}

// ---- an independent reader -----------------------------------------------------------------

// The python interpreter that has ezdxf (empty when none has it).
QString ezdxfPython()
{
  for (const QString& python : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")})
  {
    QProcess p;
    p.start(python, {QStringLiteral("-c"), QStringLiteral("import ezdxf")});
    if (p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
      return python;
  }
  return QString();
}

TEST(DxfWriteTables, EzdxfRecoversAndAuditsWrittenDrawingsWithoutErrors)
{
  const QString python = ezdxfPython();
  if (python.isEmpty())
    GTEST_SKIP() << "python3-ezdxf is not installed (scripts/setup.sh installs it)";
  const char* const kScript = R"(
import sys
from ezdxf import recover
doc, auditor = recover.readfile(sys.argv[1])
errors = [e.message for e in auditor.errors]
errors += [e.message for e in doc.audit().errors]
print("\n".join(errors))
sys.exit(1 if errors else 0)
)";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (int version : kWholeVersions)
    for (int plotStyles = 0; plotStyles < 3; ++plotStyles)
  {
    SCOPED_TRACE("AC" + std::to_string(version) + ", plot styles " + std::to_string(plotStyles));
    // Colour-dependent plot styles, named ones without and with the drawing's plot style names.
    Drawing d(plotStyles == 2);
    d.db->setPSTYLEMODE(plotStyles == 0);
    fillDrawing(d);
    QByteArray out;
    QString error;
    ASSERT_TRUE(writeDrawing(d.db, version, out, error)) << error.toStdString();
    const QString path = dir.filePath(QStringLiteral("drawing-%1-%2.dxf").arg(version).arg(plotStyles));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(out);
    file.close();
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(python, {QStringLiteral("-c"), QString::fromLatin1(kScript), path});
    ASSERT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAll().toStdString();
  }
}
} // namespace
