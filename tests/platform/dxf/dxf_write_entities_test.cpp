// Tests of the entity kinds' writers: objects of every mapped kind written whole in R2000 and
// R2018 read back into the same state, the values a version cannot carry refused by name, every
// code written owned by its subclass, and changed entities of read files (R12 to R2018) patched
// so that a second read gives what the database held.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <type_traits>

#include "DbArc.h"
#include "DbBlockTableRecord.h"
#include "DbCircle.h"
#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbLayerTableRecord.h"
#include "DbLine.h"
#include "DbLinetypeTableRecord.h"
#include "DbMText.h"
#include "DbPolyline.h"
#include "DbSymbolTable.h"
#include "DbText.h"
#include "DbTextStyleTableRecord.h"
#include "DxfSamples.h"
#include "DxfWriteTestUtil.h"
#include "DxfWriter.h"
#include "KyDxfWriter.h"
#include "KyUtils.h"

using namespace kydxf;

namespace
{
const wchar_t* const kTestApp = L"KY_TEST";
const wchar_t* const kPlotStyle = L"Thin";

// A database with a few records to refer to; with named plot styles it lists one, as the reader
// maps a file's plot style names.
struct Drawing
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbObjectId walls, local, dashed, notes;
  std::uint64_t plotStyleHandle = 0;

  explicit Drawing(bool namedPlotStyles)
  {
    walls = addRecord(db->getLayerTableId(), OdDbLayerTableRecord::createObject(), L"Walls");
    local = addRecord(db->getLayerTableId(), OdDbLayerTableRecord::createObject(), L"Ébauche 図面");
    dashed = addRecord(db->getLinetypeTableId(), OdDbLinetypeTableRecord::createObject(), L"DASHED");
    notes = addRecord(db->getTextStyleTableId(), OdDbTextStyleTableRecord::createObject(), L"Notes");
    db->newRegApp(kTestApp);
    db->newRegApp(CKyUtils::kHyperlinkAppName);
    if (!namedPlotStyles)
      return;
    db->setPSTYLEMODE(false);
    OdDbDictionaryPtr nod = db->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
    OdDbDictionaryPtr names = OdDbDictionary::createObject();
    nod->setAt(L"ACAD_PLOTSTYLENAME", names);
    OdDbDictionaryPtr stands = OdDbDictionary::createObject();
    plotStyleHandle = static_cast<std::uint64_t>(names->setAt(kPlotStyle, stands).getHandle());
  }

  OdDbObjectId addRecord(const OdDbObjectId& tableId, OdDbSymbolTableRecordPtr record, const OdString& name)
  {
    record->setName(name);
    OdDbSymbolTablePtr table = tableId.safeOpenObject(OdDb::kForWrite);
    return table->add(record);
  }

  OdDbObjectId add(OdDbEntity* entity, bool paperSpace)
  {
    OdDbBlockTableRecordPtr block =
      (paperSpace ? db->getPaperSpaceId() : db->getModelSpaceId()).safeOpenObject(OdDb::kForWrite);
    return block->appendOdDbEntity(entity);
  }

  // The plot style names as files give them: the dictionary lists a placeholder object.
  std::string objectsSection() const
  {
    if (plotStyleHandle == 0)
      return std::string();
    const std::string placeholder = DxfEncoder::handle(plotStyleHandle);
    return dxfwrite::tags({{0, "DICTIONARY"}, {5, "C"}, {100, "AcDbDictionary"}, {3, "ACAD_PLOTSTYLENAME"},
                           {350, "E"}, {0, "ACDBDICTIONARYWDFLT"}, {5, "E"}, {330, "C"}, {100, "AcDbDictionary"},
                           {3, "Thin"}, {350, placeholder}, {0, "ACDBPLACEHOLDER"}, {5, placeholder}, {330, "E"}});
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

// Extended data: the host's hyperlink and the test application's values of every kind.
void addHyperlink(OdDbEntity* e, const OdString& link, const OdString& description)
{
  OdResBufPtr chain = OdResBuf::newRb(1001, CKyUtils::kHyperlinkAppName);
  chain->setNext(OdResBuf::newRb(1000, link))->setNext(OdResBuf::newRb(1000, description));
  e->setXData(chain);
}

void addAppData(OdDbEntity* e)
{
  OdBinaryData bytes;
  for (OdUInt8 b : {0x00, 0x7F, 0xA5, 0xFF})
    bytes.append(b);
  OdResBufPtr binary = OdResBuf::newRb(1004);
  binary->setBinaryChunk(bytes);
  OdResBufPtr chain = OdResBuf::newRb(1001, kTestApp);
  chain->setNext(OdResBuf::newRb(1000, L"grüße 日本"))
    ->setNext(OdResBuf::newRb(1002, L"{"))
    ->setNext(OdResBuf::newRb(1070, static_cast<OdInt16>(-7)))
    ->setNext(OdResBuf::newRb(1071, static_cast<OdInt32>(123456789)))
    ->setNext(OdResBuf::newRb(1040, 1e-300))
    ->setNext(OdResBuf::newRb(1010, OdGePoint3d(1.5, -2.25, 1e300)))
    ->setNext(OdResBuf::newRb(1005, OdDbHandle(static_cast<OdUInt64>(0x1F))))
    ->setNext(binary)
    ->setNext(OdResBuf::newRb(1003, L"Walls"))
    ->setNext(OdResBuf::newRb(1002, L"}"));
  e->setXData(chain);
}

const OdGeVector3d kTilted = OdGeVector3d(0.6, 0.0, 0.8);
const OdGeVector3d kOblique = OdGeVector3d(1.0, -2.0, 3.0).normal();

std::wstring longContents()
{
  std::wstring s;
  for (int i = 0; s.size() < 700; ++i)
    s += L"Zeile " + std::to_wstring(i) + L": Grüße, 日本語のテキスト, ∑ ≠ ∞ \\Pnext ";
  return s;
}

struct EntityCase
{
  const char* name;
  std::function<OdDbEntityPtr(Drawing&)> make;
  // The first version that carries every value, and what earlier versions refuse.
  int since = kDxfR2000;
  const char* refusal = nullptr;
  bool paperSpace = false;
  bool namedPlotStyles = false;
};

template <class T>
OdSmartPtr<T> made(Drawing& d)
{
  OdSmartPtr<T> e = T::createObject();
  e->setDatabaseDefaults(d.db);
  return e;
}

// A text or multiline text in the style (the drawing's standard one for a null id).
template <class T>
OdSmartPtr<T> madeText(Drawing& d, const OdDbObjectId& style, const OdString& contents)
{
  OdSmartPtr<T> text = made<T>(d);
  text->setTextStyle(style.isNull() ? d.db->getTextStyleStandardId() : style);
  if constexpr (std::is_same<T, OdDbText>::value)
    text->setTextString(contents);
  else
    text->setContents(contents);
  return text;
}

OdDbEntityPtr plainLine(Drawing& d)
{
  OdDbLinePtr line = made<OdDbLine>(d);
  line->setStartPoint(OdGePoint3d(0, 0, 0));
  line->setEndPoint(OdGePoint3d(1, 2, 3));
  return line;
}

// A plain line with the setup applied.
std::function<OdDbEntityPtr(Drawing&)> lineWith(std::function<void(Drawing&, OdDbEntity*)> setup)
{
  return [setup](Drawing& d) -> OdDbEntityPtr {
    OdDbEntityPtr line = plainLine(d);
    setup(d, line.get());
    return line;
  };
}

std::vector<EntityCase> entityCases()
{
  return {
    {"line, every default", plainLine},
    {"line, extreme numbers and common values",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbLinePtr line = made<OdDbLine>(d);
       line->setStartPoint(OdGePoint3d(1e300, -1e-300, 123456789.123456789));
       line->setEndPoint(OdGePoint3d(-0.0, 5e-324, -1e15));
       line->setThickness(-2.5);
       line->setNormal(OdGeVector3d(0, 0, -1));
       line->setLayer(d.walls);
       line->setLinetype(d.dashed);
       line->setColor(aci(1));
       line->setLineWeight(OdDb::kLnWt035);
       line->setLinetypeScale(0.25);
       line->setVisibility(OdDb::kInvisible);
       return line;
     }},
    {"line, true colour and transparency",
     lineWith([](Drawing&, OdDbEntity* line) {
       line->setColor(rgb(10, 20, 30));
       line->setTransparency(OdCmTransparency(static_cast<OdUInt8>(128)));
     }),
     kDxfR2004, "a true colour (10,20,30)"},
    {"line, named true colour",
     lineWith([](Drawing&, OdDbEntity* line) {
       OdCmColor color = rgb(200, 100, 0);
       color.setNames(L"Orange 021", L"KY Colours");
       line->setColor(color);
     }),
     kDxfR2004, "the colour name 'KY Colours$Orange 021'"},
    {"line, true colour named without a book",
     lineWith([](Drawing&, OdDbEntity* line) {
       OdCmColor color = rgb(0, 0, 0);
       color.setNames(L"Night");
       line->setColor(color);
     }),
     kDxfR2004, "the colour name 'Night'"},
    {"line, ByBlock colour, lineweight and transparency",
     lineWith([](Drawing&, OdDbEntity* line) {
       line->setColor(OdCmColor(OdCmEntityColor::kByBlock));
       line->setLineWeight(OdDb::kLnWtByBlock);
       line->setTransparency(OdCmTransparency(OdCmTransparency::kByBlock));
     }),
     kDxfR2004, "the transparency ByBlock"},
    {"line in paper space with a hyperlink and extended data",
     lineWith([](Drawing&, OdDbEntity* line) {
       addHyperlink(line, L"https://example.com/plan?a=1&b=ü", L"Plan — Übersicht");
       addAppData(line);
     }),
     kDxfR2000, nullptr, true},
    {"line with a hyperlink without description",
     lineWith([](Drawing&, OdDbEntity* line) {
       addHyperlink(line, L"file:///C:/plans/A-101.dwg", L"");
     })},
    {"line with extended data, then a hyperlink",
     lineWith([](Drawing&, OdDbEntity* line) {
       addAppData(line);
       addHyperlink(line, L"https://example.com", L"after the other data");
     })},
    {"line with data of the host's hyperlink application in other shapes",
     lineWith([](Drawing&, OdDbEntity* line) {
       OdResBufPtr chain = OdResBuf::newRb(1001, CKyUtils::kHyperlinkAppName);
       chain->setNext(OdResBuf::newRb(1000, L"https://example.com"))
         ->setNext(OdResBuf::newRb(1000, L"description"))
         ->setNext(OdResBuf::newRb(1070, static_cast<OdInt16>(1)));
       line->setXData(chain);
     })},
    {"line with a hyperlink application holding a link alone",
     lineWith([](Drawing&, OdDbEntity* line) {
       OdResBufPtr chain = OdResBuf::newRb(1001, CKyUtils::kHyperlinkAppName);
       chain->setNext(OdResBuf::newRb(1000, L"https://example.com"));
       line->setXData(chain);
     })},
    {"line with a hyperlink application holding a number first",
     lineWith([](Drawing&, OdDbEntity* line) {
       OdResBufPtr chain = OdResBuf::newRb(1001, CKyUtils::kHyperlinkAppName);
       chain->setNext(OdResBuf::newRb(1070, static_cast<OdInt16>(2)))->setNext(OdResBuf::newRb(1000, L"x"));
       line->setXData(chain);
     })},
    {"line with a hyperlink application holding an empty link",
     lineWith([](Drawing&, OdDbEntity* line) {
       addHyperlink(line, L"", L"no link");
     })},
    {"line with ByBlock and named plot styles",
     lineWith([](Drawing&, OdDbEntity* line) {
       line->setPlotStyleName(L"ByBlock");
     }),
     kDxfR2000, nullptr, false, true},
    {"line with a named plot style",
     lineWith([](Drawing&, OdDbEntity* line) {
       line->setPlotStyleName(kPlotStyle);
     }),
     kDxfR2000, nullptr, false, true},
    {"circle, defaults",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbCirclePtr circle = made<OdDbCircle>(d);
       circle->setRadius(1.0);
       return circle;
     }},
    {"circle off Z on a non-ASCII layer",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbCirclePtr circle = made<OdDbCircle>(d);
       circle->setNormal(kTilted);
       circle->setCenter(OdGePoint3d(3, 4, 5));
       circle->setRadius(1e-6);
       circle->setThickness(7);
       circle->setLayer(d.local);
       circle->setLineWeight(OdDb::kLnWtByLwDefault);
       return circle;
     }},
    {"circle, huge radius, ByBlock colour, normal in the YZ plane",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbCirclePtr circle = made<OdDbCircle>(d);
       circle->setNormal(OdGeVector3d(0.0, -0.6, 0.8));
       circle->setCenter(OdGePoint3d(-1e9, 1e9, 0));
       circle->setRadius(1e12);
       circle->setColor(OdCmColor(OdCmEntityColor::kByBlock));
       return circle;
     }},
    {"arc, quarter",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbArcPtr arc = made<OdDbArc>(d);
       arc->setRadius(2.0);
       arc->setStartAngle(0.0);
       arc->setEndAngle(OdaPI / 2);
       return arc;
     }},
    {"arc across 0 degrees, reversed normal",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbArcPtr arc = made<OdDbArc>(d);
       arc->setNormal(OdGeVector3d(0, 0, -1));
       arc->setCenter(OdGePoint3d(10, -20, 3));
       arc->setRadius(0.125);
       arc->setStartAngle(350.0 * OdaPI / 180.0);
       arc->setEndAngle(0.1);
       arc->setThickness(0.5);
       return arc;
     }},
    {"arc off Z with transparency",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbArcPtr arc = made<OdDbArc>(d);
       arc->setNormal(kOblique);
       arc->setCenter(OdGePoint3d(1, 2, 3));
       arc->setRadius(123.456);
       arc->setStartAngle(1.0);
       arc->setEndAngle(6.2);
       arc->setTransparency(OdCmTransparency(static_cast<OdUInt8>(0)));
       return arc;
     },
     kDxfR2004, "the transparency 0/255"},
    {"text, empty, every default",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbTextPtr text = madeText<OdDbText>(d, OdDbObjectId(), L"");
       return text;
     }},
    {"text with a caret, a tab and a line feed (written as carets)",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbTextPtr text = madeText<OdDbText>(d, OdDbObjectId(), L"x^2\tand a tab\nand a line");
       return text;
     }},
    {"text holding what looks like an escape",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbTextPtr text = madeText<OdDbText>(d, OdDbObjectId(), L"C:\\U+0041\\M+1A2B\\P");
       return text;
     }},
    {"text, non-ASCII on a style, tiny and turned back",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbTextPtr text = madeText<OdDbText>(d, d.notes, L"Grüße — 日本語 ∑ %%d");
       text->setPosition(OdGePoint3d(-5, 6, 0));
       text->setHeight(1e-3);
       text->setRotation(-5.0);
       return text;
     }},
    {"text justified off Z, mirrored, every value",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbTextPtr text = made<OdDbText>(d);
       text->setTextStyle(d.notes);
       text->setNormal(kOblique);
       text->setTextString(L"Centred");
       text->setPosition(OdGePoint3d(1, 2, 3));
       text->setAlignmentPoint(OdGePoint3d(4, 5, 6));
       text->setHorizontalMode(OdDb::kTextCenter);
       text->setVerticalMode(OdDb::kTextVertMid);
       text->setHeight(2.5);
       text->setRotation(1.2);
       text->setWidthFactor(0.8);
       text->setOblique(-85.0 * OdaPI / 180.0);
       text->setThickness(0.3);
       text->mirrorInX(true);
       text->mirrorInY(true);
       return text;
     }},
    {"text fit between two points",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbTextPtr text = madeText<OdDbText>(d, OdDbObjectId(), L"Fit");
       text->setHorizontalMode(OdDb::kTextFit);
       text->setVerticalMode(OdDb::kTextTop);
       text->setPosition(OdGePoint3d(0, 0, 0));
       text->setAlignmentPoint(OdGePoint3d(10, 0, 0));
       return text;
     }},
    {"mtext, defaults",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbMTextPtr mtext = madeText<OdDbMText>(d, OdDbObjectId(), L"Hello");
       return mtext;
     }},
    {"mtext, long non-ASCII contents",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbMTextPtr mtext = madeText<OdDbMText>(d, d.notes, longContents());
       mtext->setWidth(40.0);
       return mtext;
     }},
    {"mtext rotated off Z, every layout value",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbMTextPtr mtext = made<OdDbMText>(d);
       mtext->setTextStyle(d.notes);
       mtext->setNormal(kTilted);
       mtext->setLocation(OdGePoint3d(7, 8, 9));
       mtext->setRotation(-1.0);
       mtext->setContents(L"{\\fArial|b1;Bold}\\Pline two");
       mtext->setAttachment(OdDbMText::kMiddleCenter);
       mtext->setFlowDirection(OdDbMText::kTtoB);
       mtext->setLineSpacingStyle(OdDb::kExactly);
       mtext->setLineSpacingFactor(1.5);
       mtext->setTextHeight(0.35);
       mtext->setWidth(12.0);
       return mtext;
     }},
    {"mtext with a background fill",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbMTextPtr mtext = madeText<OdDbMText>(d, OdDbObjectId(), L"Filled");
       mtext->setBackgroundFill(true);
       mtext->setBackgroundFillColor(rgb(1, 2, 3));
       mtext->setBackgroundScaleFactor(2.0);
       return mtext;
     },
     kDxfR2004, "a background fill"},
    {"mtext filled with the drawing's background colour",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbMTextPtr mtext = madeText<OdDbMText>(d, OdDbObjectId(), L"Masked");
       mtext->setBackgroundFill(true);
       mtext->setUseBackgroundColor(true);
       return mtext;
     },
     kDxfR2004, "a background fill"},
    {"mtext with a fill colour, fill off",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbMTextPtr mtext = madeText<OdDbMText>(d, OdDbObjectId(), L"Not filled");
       mtext->setBackgroundFillColor(aci(5));
       return mtext;
     },
     kDxfR2004, "a background fill"},
    {"mtext with a fill scale, fill off",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbMTextPtr mtext = madeText<OdDbMText>(d, OdDbObjectId(), L"Not filled");
       mtext->setBackgroundScaleFactor(5.0);
       return mtext;
     },
     kDxfR2004, "a background fill"},
    {"mtext in columns",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbMTextPtr mtext = madeText<OdDbMText>(d, OdDbObjectId(), L"one\\Ptwo\\Pthree\\Pfour");
       mtext->setColumnType(OdDbMText::kDynamicColumns);
       mtext->setColumnCount(3);
       mtext->setColumnWidth(4.0);
       mtext->setColumnGutterWidth(0.5);
       return mtext;
     }},
    {"polyline without vertices", [](Drawing& d) -> OdDbEntityPtr { return made<OdDbPolyline>(d); }},
    {"polyline, open, three vertices",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbPolylinePtr pl = made<OdDbPolyline>(d);
       pl->addVertexAt(0, OdGePoint2d(0, 0));
       pl->addVertexAt(1, OdGePoint2d(1e-9, 1e9));
       pl->addVertexAt(2, OdGePoint2d(-3, 4));
       return pl;
     }},
    {"polyline, closed with bulges off Z",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbPolylinePtr pl = made<OdDbPolyline>(d);
       pl->setNormal(kOblique);
       pl->addVertexAt(0, OdGePoint2d(0, 0), 1.0);
       pl->addVertexAt(1, OdGePoint2d(10, 0), -0.41421356237309503);
       pl->addVertexAt(2, OdGePoint2d(10, 10), 0.0);
       pl->addVertexAt(3, OdGePoint2d(0, 10), 1e-8);
       pl->setClosed(true);
       pl->setPlinegen(true);
       pl->setElevation(-12.5);
       pl->setThickness(3.0);
       return pl;
     }},
    {"polyline with a constant width",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbPolylinePtr pl = made<OdDbPolyline>(d);
       pl->addVertexAt(0, OdGePoint2d(0, 0));
       pl->addVertexAt(1, OdGePoint2d(5, 0), 0.5);
       pl->addVertexAt(2, OdGePoint2d(5, 5));
       pl->setConstantWidth(0.25);
       return pl;
     }},
    {"polyline with widths per vertex",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbPolylinePtr pl = made<OdDbPolyline>(d);
       pl->addVertexAt(0, OdGePoint2d(0, 0), 0.0, 0.0, 1.0);
       pl->addVertexAt(1, OdGePoint2d(5, 0), 0.0, 1.0, 0.0);
       pl->addVertexAt(2, OdGePoint2d(5, 5), -2.0, 2.0, 2.0);
       return pl;
     }},
  };
}

const int kVersions[] = {kDxfR2000, kDxfR2018};

const DxfKindWriter* writerOf(const OdDbObject* pObj)
{
  const DxfKindWriter* writer = dxfKindWriter(pObj->isA());
  EXPECT_NE(writer, nullptr) << "no kind writer for " << pObj->isA()->name().toUtf8();
  return writer;
}

// Writes the object whole, reads it back and compares (the case's entity holds the handle).
void expectRoundTrip(const Drawing& d, const OdDbObject* pObj, int version)
{
  const std::string header = d.plotStyleHandle ? dxfwrite::tags({{9, "$PSTYLEMODE"}, {290, "0"}}) : std::string();
  std::vector<std::pair<std::string, std::string>> sections{{"ENTITIES", dxfwrite::writeWhole(pObj, version)}};
  if (d.plotStyleHandle)
    sections.emplace_back("OBJECTS", d.objectsSection());
  const QByteArray file = dxfwrite::minimalFile(version, header, sections);
  OdDbDatabasePtr again = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  ASSERT_TRUE(dxfwrite::readsCleanly(file, again, report));
  ASSERT_EQ(report.entities, 1);
  OdDbObjectPtr copy = again->getOdDbObjectId(pObj->getDbHandle()).openObject();
  ASSERT_FALSE(copy.isNull()) << "no object at handle " << pObj->getDbHandle().ascii().toUtf8() << "\n"
                              << file.toStdString();
  EXPECT_TRUE(dxfwrite::sameState(pObj, copy.get())) << file.toStdString();
}

TEST(DxfWriteEntities, WrittenWholeReadsBackTheSameStateOrIsRefusedByName)
{
  for (const EntityCase& c : entityCases())
    for (int version : kVersions)
    {
      SCOPED_TRACE(std::string(c.name) + " in AC" + std::to_string(version));
      Drawing d(c.namedPlotStyles);
      const OdDbObjectId id = d.add(c.make(d), c.paperSpace);
      OdDbObjectPtr pObj = id.openObject();
      if (version >= c.since)
      {
        expectRoundTrip(d, pObj.get(), version);
        continue;
      }
      const DxfKindWriter* writer = writerOf(pObj.get());
      ASSERT_NE(writer, nullptr);
      const std::string expected = std::string(writer->dxfName) + " " + id.getHandle().ascii().toUtf8() + ": " +
                                   c.refusal + " cannot be written in R2000 (AC1015)";
      try
      {
        dxfwrite::writeWhole(pObj.get(), version);
        ADD_FAILURE() << "written, expected the refusal: " << expected;
      }
      catch (const DxfWriteError& e)
      {
        EXPECT_EQ(e.message, expected);
      }
    }
}

TEST(DxfWriteEntities, WritesOnlyCodesItsSubclassesOwn)
{
  for (const EntityCase& c : entityCases())
  {
    SCOPED_TRACE(c.name);
    Drawing d(c.namedPlotStyles);
    const OdDbObjectId id = d.add(c.make(d), c.paperSpace);
    OdDbObjectPtr pObj = id.openObject();
    const DxfKindWriter* writer = writerOf(pObj.get());
    ASSERT_NE(writer, nullptr);
    const DxfEncoder encoder(kDxfR2018, "ANSI_1252");
    DxfFields fields(encoder, d.db);
    writer->fields(pObj.get(), fields);
    ASSERT_FALSE(fields.segments().empty());
    EXPECT_STREQ(fields.segments().front().marker, "AcDbEntity");
    EXPECT_TRUE(fields.segments().back().isXData) << "the extended data is the kind writer's to write";
    EXPECT_TRUE(dxfwrite::ownsEveryCode(fields));
  }
}

TEST(DxfWriteEntities, EveryKindTheReaderMapsHasAWriter)
{
  const std::pair<OdRxClass*, const char*> kinds[] = {{OdDbLine::desc(), "LINE"},     {OdDbCircle::desc(), "CIRCLE"},
                                                      {OdDbArc::desc(), "ARC"},       {OdDbText::desc(), "TEXT"},
                                                      {OdDbMText::desc(), "MTEXT"}, {OdDbPolyline::desc(), "LWPOLYLINE"}};
  for (const auto& kind : kinds)
  {
    const DxfKindWriter* writer = dxfKindWriter(kind.first);
    ASSERT_NE(writer, nullptr) << kind.second;
    EXPECT_STREQ(writer->dxfName, kind.second);
  }
}

// The tags of each subclass and of the extended data, "code=value" apart by blanks, the
// segments apart by " | ".
std::string writtenTags(const Drawing& d, const OdDbObject* pObj, int version = kDxfR2018)
{
  const DxfEncoder encoder(version, "ANSI_1252");
  DxfFields fields(encoder, d.db);
  writerOf(pObj)->fields(pObj, fields);
  std::string text;
  for (const DxfFields::Segment& s : fields.segments())
  {
    text += text.empty() ? "" : " | ";
    text += s.isXData ? "xdata:" : std::string(s.marker) + ":";
    for (const DxfOutTag& t : s.tags)
      text += " " + std::to_string(t.code) + "=" + t.value;
  }
  return text;
}

// The forms files give: defaults left out but what the format requires, the colour index beside
// a true colour for readers without true colours, the hyperlink under the files' application.
TEST(DxfWriteEntities, WritesTheFilesForms)
{
  struct Form
  {
    const char* name;
    std::function<OdDbEntityPtr(Drawing&)> make;
    const char* tags;
  };
  const Form forms[] = {
    {"line", plainLine,
     "AcDbEntity: 8=0 | AcDbLine: 10=0.0 20=0.0 30=0.0 11=1.0 21=2.0 31=3.0 | xdata:"},
    {"circle",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbCirclePtr circle = made<OdDbCircle>(d);
       circle->setRadius(1.0);
       return circle;
     },
     "AcDbEntity: 8=0 | AcDbCircle: 10=0.0 20=0.0 30=0.0 40=1.0 | xdata:"},
    {"arc",
     [](Drawing& d) -> OdDbEntityPtr {
       OdDbArcPtr arc = made<OdDbArc>(d);
       arc->setRadius(2.0);
       arc->setEndAngle(OdaPI / 2);
       return arc;
     },
     "AcDbEntity: 8=0 | AcDbCircle: 10=0.0 20=0.0 30=0.0 40=2.0 | AcDbArc: 50=0.0 51=90.0 | xdata:"},
    {"text", [](Drawing& d) -> OdDbEntityPtr { return madeText<OdDbText>(d, OdDbObjectId(), L"T"); },
     "AcDbEntity: 8=0 | AcDbText: 10=0.0 20=0.0 30=0.0 40=1.0 1=T | AcDbText: | xdata:"},
    {"mtext", [](Drawing& d) -> OdDbEntityPtr { return madeText<OdDbMText>(d, OdDbObjectId(), L"M"); },
     "AcDbEntity: 8=0 | AcDbMText: 10=0.0 20=0.0 30=0.0 40=1.0 41=0.0 71=1 72=1 1=M | xdata:"},
    {"polyline", [](Drawing& d) -> OdDbEntityPtr { return made<OdDbPolyline>(d); },
     "AcDbEntity: 8=0 | AcDbPolyline: 90=0 70=0 | xdata:"},
    {"true colour",
     lineWith([](Drawing&, OdDbEntity* line) {
       line->setColor(rgb(255, 0, 0));
     }),
     "AcDbEntity: 8=0 62=1 420=16711680 | AcDbLine: 10=0.0 20=0.0 30=0.0 11=1.0 21=2.0 31=3.0 | xdata:"},
    {"hyperlink",
     lineWith([](Drawing&, OdDbEntity* line) {
       addHyperlink(line, L"https://example.com", L"Site");
     }),
     "AcDbEntity: 8=0 | AcDbLine: 10=0.0 20=0.0 30=0.0 11=1.0 21=2.0 31=3.0 | "
     "xdata: 1001=PE_URL 1000=https://example.com 1002={ 1000=Site 1002=}"},
    {"hyperlink without description",
     lineWith([](Drawing&, OdDbEntity* line) {
       addHyperlink(line, L"https://example.com", L"");
     }),
     "AcDbEntity: 8=0 | AcDbLine: 10=0.0 20=0.0 30=0.0 11=1.0 21=2.0 31=3.0 | "
     "xdata: 1001=PE_URL 1000=https://example.com"},
    {"data of the files' hyperlink application, as it is",
     [](Drawing& d) -> OdDbEntityPtr {
       d.db->newRegApp(L"PE_URL");
       OdDbEntityPtr line = plainLine(d);
       OdResBufPtr chain = OdResBuf::newRb(1001, L"PE_URL");
       chain->setNext(OdResBuf::newRb(1000, L"https://example.com"));
       line->setXData(chain);
       return line;
     },
     "AcDbEntity: 8=0 | AcDbLine: 10=0.0 20=0.0 30=0.0 11=1.0 21=2.0 31=3.0 | "
     "xdata: 1001=PE_URL 1000=https://example.com"},
  };
  for (const Form& f : forms)
  {
    SCOPED_TRACE(f.name);
    Drawing d(false);
    const OdDbObjectId id = d.add(f.make(d), false);
    OdDbObjectPtr pObj = id.openObject();
    EXPECT_EQ(writtenTags(d, pObj.get()), f.tags);
  }
}

TEST(DxfWriteEntities, RefusesWhatDxfCannotHold)
{
  struct Refusal
  {
    const char* name;
    std::function<void(Drawing&, OdDbEntity*)> setup;
    const char* message;
    int version = kDxfR2018;
  };
  const Refusal refusals[] = {
    {"colour None", [](Drawing&, OdDbEntity* e) { e->setColor(OdCmColor(OdCmEntityColor::kNone)); },
     "the colour None has no form in DXF"},
    {"colour name with '$' and no book",
     [](Drawing&, OdDbEntity* e) {
       OdCmColor color = rgb(1, 2, 3);
       color.setNames(L"$AB");
       e->setColor(color);
     },
     "the colour name '$AB' without a colour book cannot hold '$' in DXF"},
    {"lineweight before R2000", [](Drawing&, OdDbEntity* e) { e->setLineWeight(OdDb::kLnWt000); },
     "the lineweight 0 cannot be written in R12 (AC1009)", kDxfR12},
    {"plot style before R2000",
     [](Drawing& d, OdDbEntity* e) {
       d.db->setPSTYLEMODE(false);
       e->setPlotStyleName(L"ByBlock");
     },
     "the plot style 'ByBlock' cannot be written in R12 (AC1009)", kDxfR12},
    {"plot style the drawing does not list",
     [](Drawing& d, OdDbEntity* e) {
       d.db->setPSTYLEMODE(false);
       e->setPlotStyleName(L"Unlisted");
     },
     "the plot style 'Unlisted' cannot be written: the drawing's plot style names (ACAD_PLOTSTYLENAME) do not "
     "list it"},
    {"hyperlink beside data of the files' application",
     [](Drawing& d, OdDbEntity* e) {
       d.db->newRegApp(L"PE_URL");
       addHyperlink(e, L"https://example.com", L"");
       OdResBufPtr chain = OdResBuf::newRb(1001, L"PE_URL");
       chain->setNext(OdResBuf::newRb(1000, L"https://other.example.com"));
       e->setXData(chain);
     },
     "a hyperlink and extended data of PE_URL cannot both be written: files keep hyperlinks under that application"},
  };
  for (const Refusal& r : refusals)
  {
    SCOPED_TRACE(r.name);
    Drawing d(false);
    const OdDbObjectId id = d.add(plainLine(d), false);
    {
      OdDbEntityPtr e = id.safeOpenObject(OdDb::kForWrite);
      r.setup(d, e.get());
    }
    OdDbObjectPtr pObj = id.openObject();
    try
    {
      dxfwrite::writeWhole(pObj.get(), r.version);
      ADD_FAILURE() << "written, expected a refusal";
    }
    catch (const DxfWriteError& e)
    {
      EXPECT_EQ(e.message, "LINE " + id.getHandle().ascii().toUtf8() + ": " + r.message);
    }
  }
}

// Contents longer than 250 bytes go in chunks, 3 tags then one 1 tag, which join to the text:
// chunks of ASCII text are full, other chunks end before the character that would not fit.
TEST(DxfWriteEntities, LongMTextContentsGoInChunks)
{
  struct Chunking
  {
    const char* name;
    std::wstring contents;
    std::vector<std::size_t> sizes; // empty: every chunk but the last above 240 bytes
  };
  const Chunking cases[] = {
    {"250 bytes", std::wstring(250, L'a'), {250}},
    {"251 bytes", std::wstring(251, L'a'), {250, 1}},
    {"600 bytes", std::wstring(600, L'a'), {250, 250, 100}},
    {"non-ASCII", longContents(), {}},
  };
  for (const Chunking& c : cases)
    for (int version : kVersions)
    {
      SCOPED_TRACE(std::string(c.name) + " in AC" + std::to_string(version));
      Drawing d(false);
      const OdDbObjectId id = d.add(madeText<OdDbMText>(d, OdDbObjectId(), c.contents), false);
      OdDbObjectPtr pObj = id.openObject();
      const DxfEncoder encoder(version, "ANSI_1252");
      DxfFields fields(encoder, d.db);
      writerOf(pObj.get())->fields(pObj.get(), fields);
      std::vector<const DxfOutTag*> chunks;
      for (const DxfFields::Segment& s : fields.segments())
        for (const DxfOutTag& t : s.tags)
          if (!s.isXData && (t.code == 1 || t.code == 3))
            chunks.push_back(&t);
      ASSERT_FALSE(chunks.empty());
      std::string joined;
      std::vector<std::size_t> sizes;
      for (std::size_t i = 0; i < chunks.size(); ++i)
      {
        EXPECT_EQ(chunks[i]->code, i + 1 < chunks.size() ? 3 : 1);
        EXPECT_LE(chunks[i]->value.size(), 250u);
        if (c.sizes.empty() && i + 1 < chunks.size())
        {
          EXPECT_GT(chunks[i]->value.size(), 240u);
        }
        sizes.push_back(chunks[i]->value.size());
        joined += chunks[i]->value;
      }
      if (!c.sizes.empty())
        EXPECT_EQ(sizes, c.sizes);
      else
        EXPECT_GT(chunks.size(), 2u);
      EXPECT_EQ(joined, encoder.text(c.contents));
    }
}

// Changed entities of read files are patched: their own tags kept, the owned ones replaced. A
// second read gives every entity the state the database held, in every version the reader reads.
TEST(DxfWriteEntities, ChangedEntitiesOfReadFilesReadBackAsChanged)
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
    std::vector<OdDbObjectId> entities;
    for (const OdDbObjectId& spaceId : {db->getModelSpaceId(), db->getPaperSpaceId()})
    {
      OdDbBlockTableRecordPtr space = spaceId.safeOpenObject();
      for (OdDbObjectIteratorPtr it = space->newIterator(); !it->done(); it->step())
        entities.push_back(it->objectId());
    }
    ASSERT_GE(entities.size(), 5u);
    int n = 0;
    for (const OdDbObjectId& id : entities)
    {
      OdDbEntityPtr e = id.safeOpenObject(OdDb::kForWrite);
      // A named plot style read from a file cannot be written back yet (see below).
      const OdString plotStyle = e->plotStyleName();
      if (!db->getPSTYLEMODE() && plotStyle.iCompare(L"ByLayer") != 0 && plotStyle.iCompare(L"ByBlock") != 0)
        continue;
      e->setColor(aci(static_cast<OdUInt16>(10 + n++)));
      e->setLinetypeScale(e->linetypeScale() * 2.0);
      if (OdDbLine* line = OdDbLine::cast(e.get()).get())
        line->setEndPoint(line->endPoint() + OdGeVector3d(1, 1, 0));
      else if (OdDbCircle* circle = OdDbCircle::cast(e.get()).get())
        circle->setRadius(circle->radius() * 3.0);
      else if (OdDbArc* arc = OdDbArc::cast(e.get()).get())
        arc->setEndAngle(arc->endAngle() + 0.5);
      else if (OdDbText* text = OdDbText::cast(e.get()).get())
        text->setTextString(text->textString() + L" edited");
      else if (OdDbMText* mtext = OdDbMText::cast(e.get()).get())
        mtext->setContents(mtext->contents() + L"\\Pedited");
      else if (OdDbPolyline* pl = OdDbPolyline::cast(e.get()).get())
        pl->addVertexAt(pl->numVerts(), OdGePoint2d(-1, -1), 0.5);
    }
    QByteArray written;
    ASSERT_TRUE(KyDxfWriter::write(db, report.source.get(), written, error, KyDxfWriter::Options()))
      << error.toStdString();
    OdDbDatabasePtr again = OdDbDatabase::createObject();
    KyDxfReader::Report second;
    ASSERT_TRUE(KyDxfReader::readFromBytes(written, QStringLiteral("written.dxf"), again, second, error))
      << error.toStdString();
    EXPECT_EQ(second.repairCount, report.repairCount);
    for (const OdDbObjectId& id : entities)
    {
      OdDbObjectPtr before = id.openObject();
      OdDbObjectPtr after = again->getOdDbObjectId(id.getHandle()).openObject();
      ASSERT_FALSE(after.isNull()) << "entity " << id.getHandle().ascii().toUtf8() << " is missing";
      EXPECT_TRUE(dxfwrite::sameState(before.get(), after.get())) << "entity " << id.getHandle().ascii().toUtf8();
    }
  }
}

// A drawing read from a file knows its named plot styles by name; an edited entity goes back
// under the handle the file's plot style names list the style by.
TEST(DxfWriteEntities, NamedPlotStyleOfAReadDrawingWritesBack)
{
  DxfDrawing drawing;
  drawing.header << DxfHeaderVar{QStringLiteral("$PSTYLEMODE"), 290, QStringLiteral("0")};
  drawing.plotStyles << qMakePair(QStringLiteral("Thin"), quint64(0x40));
  drawing.entities = [](DxfTestWriter& w) {
    DxfCommon c;
    c.handle = 0x200;
    c.plotStyle = 0x40;
    w.line(c, {0, 0, 0}, {1, 1, 0});
  };
  DxfTestWriter writer(QStringLiteral("AC1015"));
  writer.write(drawing);
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  KyDxfReader::Options options;
  options.keepSource = true;
  ASSERT_TRUE(KyDxfReader::readFromBytes(writer.data(), QStringLiteral("in.dxf"), db, report, error, options));
  OdDbEntityPtr line = db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(0x200))).openObject(OdDb::kForWrite);
  ASSERT_EQ(line->plotStyleName(), OdString(L"Thin"));
  line->setColorIndex(4);
  line.release();
  QByteArray out;
  ASSERT_TRUE(KyDxfWriter::write(db, report.source.get(), out, error)) << error.toStdString();
  EXPECT_TRUE(out.contains(dxfwrite::tags({{390, "40"}}).c_str())) << out.toStdString();
  OdDbDatabasePtr again = OdDbDatabase::createObject();
  ASSERT_TRUE(dxfwrite::readsCleanly(out, again, report));
  OdDbEntityPtr reread = again->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(0x200))).openObject();
  EXPECT_EQ(reread->plotStyleName(), OdString(L"Thin"));
  EXPECT_EQ(reread->colorIndex(), 4);
}
} // namespace

// Texts go out in the output's encoding: UTF-8 from R2007 on, the code page before, with "\U+XXXX"
// for what the code page lacks; control characters as a caret pair and a backslash that would
// start an escape as an escape itself.
TEST(DxfEncoder, TextsGoOutInTheOutputsEncoding)
{
  struct Case
  {
    int version;
    std::wstring text;
    std::string written;
  };
  const std::wstring pair = {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
  const Case cases[] = {
    {kDxfR2018, L"plain", "plain"},
    {kDxfR2018, L"fa\u00E7ade", "fa\xC3\xA7" "ade"},
    {kDxfR2018, L"\u2126 1", "\xE2\x84\xA6 1"},
    {kDxfR2018, std::wstring(1, static_cast<wchar_t>(0x1F600)), "\xF0\x9F\x98\x80"},
    {kDxfR2018, pair, "\xF0\x9F\x98\x80"},
    {kDxfR2018, L"a\nb\tc", "a^Jb^Ic"},
    {kDxfR2018, L"\\U+0041 \\m+1 \\P", "\\U+005CU+0041 \\U+005Cm+1 \\P"},
    {kDxfR2000, L"fa\u00E7ade", "fa\xE7" "ade"},
    {kDxfR2000, L"\u2126", "\\U+2126"},
    {kDxfR2000, std::wstring(1, static_cast<wchar_t>(0x1F600)), "\\U+D83D\\U+DE00"},
    {kDxfR2000, L"x\r", "x^M"},
  };
  for (const Case& c : cases)
  {
    const DxfEncoder encoder(c.version, "ANSI_1252");
    EXPECT_EQ(encoder.text(OdString(c.text.c_str())), c.written) << "version " << c.version;
  }
}
