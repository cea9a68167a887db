// Kind writers of the symbol tables and their records (layers, linetypes, text styles, dimension
// styles, applications, block records, viewports, views, UCSs) and of dictionaries: the codes
// DxfTables.cpp and DxfObjects.cpp read, with the record properties the reader takes from
// extended data written back as extended data.
#include <cmath>

#include "DbAnnotationScale.h"
#include "DbBlockTable.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbDimStyleTable.h"
#include "DbDimStyleTableRecord.h"
#include "DbLayerTable.h"
#include "DbLayerTableRecord.h"
#include "DbLinetypeTable.h"
#include "DbLinetypeTableRecord.h"
#include "DbRegAppTable.h"
#include "DbRegAppTableRecord.h"
#include "DbSymbolTable.h"
#include "DbTextStyleTable.h"
#include "DbTextStyleTableRecord.h"
#include "DbUCSTable.h"
#include "DbUCSTableRecord.h"
#include "DbViewTable.h"
#include "DbViewTableRecord.h"
#include "DbViewportTable.h"
#include "DbViewportTableRecord.h"
#include "DxfSource.h"
#include "DxfTokenizer.h"
#include "DxfWriter.h"
#include "OdaCommon.h"

namespace kydxf
{
namespace
{
[[noreturn]] void refuse(const OdDbObject* pObj, const char* kind, const std::string& what)
{
  throw DxfWriteError{std::string(kind) + " " + dxfHex(pObj->getDbHandle()) + ": " + what};
}

std::string versionText(int version)
{
  switch (version)
  {
  case kDxfR2000: return "R2000 (AC1015)";
  case kDxfR2004: return "R2004 (AC1018)";
  case kDxfR2007: return "R2007 (AC1021)";
  case kDxfR2010: return "R2010 (AC1024)";
  case kDxfR2013: return "R2013 (AC1027)";
  case kDxfR2018: return "R2018 (AC1032)";
  default: return "AC" + std::to_string(version);
  }
}

// The table's name ("LAYER") for a table of the database.
const char* tableName(const OdDbDatabase* db, const OdDbObjectId& id)
{
  if (id == db->getLayerTableId())
    return "LAYER";
  if (id == db->getLinetypeTableId())
    return "LTYPE";
  if (id == db->getTextStyleTableId())
    return "STYLE";
  if (id == db->getDimStyleTableId())
    return "DIMSTYLE";
  if (id == db->getRegAppTableId())
    return "APPID";
  if (id == db->getBlockTableId())
    return "BLOCK_RECORD";
  if (id == db->getViewportTableId())
    return "VPORT";
  if (id == db->getViewTableId())
    return "VIEW";
  if (id == db->getUCSTableId())
    return "UCS";
  return "";
}

void tableFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbSymbolTable* pTable = static_cast<const OdDbSymbolTable*>(pObj);
  out.head({2});
  out.text(2, OdString(tableName(out.database(), pObj->objectId())));
  out.subclass("AcDbSymbolTable", {70});
  int count = 0;
  for (OdDbSymbolTableIteratorPtr it = pTable->newIterator(); !it->done(); it->step())
    ++count;
  out.integer(70, count);
  dxfXDataFields(pObj, "TABLE", out);
}

// Name (2) and flags (70) follow the record's own marker in files.
void nameAndFlags(const OdDbSymbolTableRecord* pRec, const char* marker, std::initializer_list<int> owned,
                  int flags, DxfFields& out)
{
  out.subclass("AcDbSymbolTableRecord", {});
  out.subclass(marker, owned);
  out.text(2, pRec->getName());
  out.integer(70, flags);
}

// A colour index with its true colour (420) where it has one.
void layerColor(const OdDbLayerTableRecord* pLayer, DxfFields& out)
{
  const OdCmColor color = pLayer->color();
  int index = color.colorIndex();
  if (color.isByColor())
  {
    if (out.version() < kDxfR2004)
      refuse(pLayer, "LAYER", "a true colour cannot be written in " + versionText(out.version()));
  }
  if (index < 1 || index > 255)
    index = 7;
  out.integer(62, pLayer->isOff() ? -index : index);
  if (color.isByColor())
    out.integer(420, (color.red() << 16) | (color.green() << 8) | color.blue());
}

std::uint64_t namedPlotStyle(const DxfFields& out, const OdString& name)
{
  if (const KyDxfSource* source = out.source())
  {
    auto it = source->plotStyles.find(name.wstr());
    if (it != source->plotStyles.end())
      return it->second;
  }
  OdDbDatabase* db = out.database();
  if (!db || db->getNamedObjectsDictionaryId().isNull())
    return 0;
  OdDbDictionaryPtr pNod = db->getNamedObjectsDictionaryId().safeOpenObject();
  OdDbDictionaryPtr pNames = OdDbDictionary::cast(pNod->getAt(L"ACAD_PLOTSTYLENAME", OdDb::kForRead).get());
  return pNames.isNull() ? 0 : static_cast<std::uint64_t>(pNames->getAt(name).getHandle());
}

void layerFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbLayerTableRecord* pLayer = static_cast<const OdDbLayerTableRecord*>(pObj);
  const int flags = (pLayer->isFrozen() ? 1 : 0) | (pLayer->VPDFLT() ? 2 : 0) | (pLayer->isLocked() ? 4 : 0);
  nameAndFlags(pLayer, "AcDbLayerTableRecord", {2, 70, 62, 420, 6, 290, 370, 390}, flags, out);
  layerColor(pLayer, out);
  out.recordName(6, pLayer->linetypeObjectId());
  if (!pLayer->isPlottable())
    out.integer(290, 0);
  if (out.version() >= kDxfR2000)
  {
    out.integer(370, pLayer->lineWeight());
    const OdString style = pLayer->plotStyleName();
    if (!style.isEmpty() && !out.database()->getPSTYLEMODE())
      if (const std::uint64_t handle = namedPlotStyle(out, style))
        out.handle(390, handle);
  }
  dxfXDataFields(pLayer, "LAYER", out);
  // The description and the transparency go under applications of their own.
  if (!pLayer->description().isEmpty())
  {
    out.text(1001, L"AcAecLayerStandard");
    out.text(1000, OdString());
    out.text(1000, pLayer->description());
  }
  const OdCmTransparency transparency = pLayer->transparency();
  if (!transparency.isSolid())
  {
    if (out.version() < kDxfR2004)
      refuse(pLayer, "LAYER", "a transparency cannot be written in " + versionText(out.version()));
    out.text(1001, L"AcCmTransparency");
    out.integer(1071, static_cast<std::int64_t>(transparency.serializeOut()));
  }
}

void linetypeFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbLinetypeTableRecord* pLinetype = static_cast<const OdDbLinetypeTableRecord*>(pObj);
  nameAndFlags(pLinetype, "AcDbLinetypeTableRecord", {2, 70, 3, 72, 73, 40, 49, 74}, 0, out);
  out.text(3, pLinetype->comments());
  out.integer(72, 65);
  out.integer(73, pLinetype->numDashes());
  out.real(40, pLinetype->patternLength());
  for (int i = 0; i < pLinetype->numDashes(); ++i)
  {
    out.real(49, pLinetype->dashLengthAt(i));
    if (out.version() > kDxfR12)
      out.integer(74, 0);
  }
  dxfXDataFields(pLinetype, "LTYPE", out);
}

void textStyleFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbTextStyleTableRecord* pStyle = static_cast<const OdDbTextStyleTableRecord*>(pObj);
  const int flags = (pStyle->isShapeFile() ? 1 : 0) | (pStyle->isVertical() ? 4 : 0);
  nameAndFlags(pStyle, "AcDbTextStyleTableRecord", {2, 70, 40, 41, 50, 71, 42, 3, 4}, flags, out);
  out.real(40, pStyle->textSize());
  out.real(41, pStyle->xScale());
  out.angle(50, pStyle->obliquingAngle());
  out.integer(71, (pStyle->isBackwards() ? 2 : 0) | (pStyle->isUpsideDown() ? 4 : 0));
  out.real(42, pStyle->priorSize());
  out.text(3, pStyle->fileName());
  out.text(4, pStyle->bigFontFileName());
  dxfXDataFields(pStyle, "STYLE", out);
  OdString typeface;
  bool bold = false, italic = false;
  int charset = 0, pitchAndFamily = 0;
  pStyle->font(typeface, bold, italic, charset, pitchAndFamily);
  if (!typeface.isEmpty())
  {
    // The reader keeps the rest of the application's data with the style's own.
    OdResBufPtr own = pStyle->xData(L"ACAD");
    if (!own.isNull())
      refuse(pStyle, "STYLE", "a typeface and other extended data of ACAD cannot both be written");
    out.text(1001, L"ACAD");
    out.text(1000, typeface);
    out.integer(1071, (italic ? 0x01000000 : 0) | (bold ? 0x02000000 : 0) | ((charset & 0xFF) << 8) |
                        (pitchAndFamily & 0xFF));
  }
}

void dimStyleFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbDimStyleTableRecord* pDimStyle = static_cast<const OdDbDimStyleTableRecord*>(pObj);
  // Every code of the record is a variable, written under its code.
  nameAndFlags(pDimStyle, "AcDbDimStyleTableRecord", {2, 70}, 0, out);
  out.segments().back().ownsAll = true;
  const OdArray<int> codes = pDimStyle->dimVarCodes();
  for (unsigned i = 0; i < codes.size(); ++i)
  {
    const int code = codes[i];
    OdResBufPtr value = pDimStyle->dimVar(code);
    if (value.isNull())
      continue;
    switch (value->kind())
    {
    case OdResBuf::kDouble: out.real(code, value->getDouble()); break;
    case OdResBuf::kBool: out.integer(code, value->getBool() ? 1 : 0); break;
    case OdResBuf::kInt8:
    case OdResBuf::kInt16:
    case OdResBuf::kInt32: out.integer(code, value->getInt32()); break;
    case OdResBuf::kString: out.text(code, value->getString()); break;
    case OdResBuf::kHandle: out.handle(code, static_cast<std::uint64_t>(value->getHandle())); break;
    case OdResBuf::kObjectId: out.handle(code, value->getObjectId(out.database())); break;
    default: break;
    }
  }
  dxfXDataFields(pDimStyle, "DIMSTYLE", out);
}

void regAppFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbRegAppTableRecord* pApp = static_cast<const OdDbRegAppTableRecord*>(pObj);
  nameAndFlags(pApp, "AcDbRegAppTableRecord", {2, 70}, 0, out);
  dxfXDataFields(pApp, "APPID", out);
}

void blockRecordFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbBlockTableRecord* pBlock = static_cast<const OdDbBlockTableRecord*>(pObj);
  out.subclass("AcDbSymbolTableRecord", {});
  out.subclass("AcDbBlockTableRecord", {2, 70, 280, 281});
  out.text(2, pBlock->getName());
  out.integer(70, pBlock->blockInsertUnits());
  out.integer(280, pBlock->explodable() ? 1 : 0);
  out.integer(281, pBlock->blockScaling() == OdDbBlockTableRecord::kUniform ? 1 : 0);
  dxfXDataFields(pBlock, "BLOCK_RECORD", out);
}

// The view values viewports and views share, under their own codes.
void viewValues(const OdDbAbstractViewTableRecord* pView, bool isViewport, DxfFields& out)
{
  const OdGePoint2d center = pView->centerPoint();
  out.point(isViewport ? 12 : 10, center);
  out.vector(isViewport ? 16 : 11, pView->viewDirection());
  out.point(isViewport ? 17 : 12, pView->target());
  out.real(40, pView->height());
  out.real(41, isViewport ? (pView->height() != 0.0 ? pView->width() / pView->height() : 0.0) : pView->width());
  out.real(42, pView->lensLength());
  out.real(43, pView->frontClipDistance());
  out.real(44, pView->backClipDistance());
  out.angle(isViewport ? 51 : 50, pView->viewTwist());
  out.integer(71, (pView->perspectiveEnabled() ? 1 : 0) | (pView->frontClipEnabled() ? 2 : 0) |
                    (pView->backClipEnabled() ? 4 : 0));
}

void ucsValues(const OdDbAbstractViewTableRecord* pView, DxfFields& out)
{
  OdGePoint3d origin;
  OdGeVector3d xAxis, yAxis;
  pView->getUcs(origin, xAxis, yAxis);
  out.point(110, origin);
  out.vector(111, xAxis);
  out.vector(112, yAxis);
  out.real(146, pView->elevation());
}

void viewportFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbViewportTableRecord* pViewport = static_cast<const OdDbViewportTableRecord*>(pObj);
  nameAndFlags(pViewport, "AcDbViewportTableRecord",
               {2,  70, 10, 20, 11, 21, 12, 22, 13, 23, 14, 24, 15, 25, 16, 26, 36, 17, 27, 37, 40,
                41, 42, 43, 44, 50, 51, 71, 72, 74, 75, 76, 65, 110, 120, 130, 111, 121, 131, 112, 122, 132, 146},
               0, out);
  out.point(10, pViewport->lowerLeftCorner());
  out.point(11, pViewport->upperRightCorner());
  out.point(14, OdGePoint2d(pViewport->snapIncrements().x, pViewport->snapIncrements().y));
  out.point(15, OdGePoint2d(pViewport->gridIncrements().x, pViewport->gridIncrements().y));
  viewValues(pViewport, true, out);
  out.integer(72, pViewport->circleSides());
  out.integer(74, (pViewport->iconEnabled() ? 1 : 0) | (pViewport->iconAtOrigin() ? 2 : 0));
  out.integer(75, pViewport->snapEnabled() ? 1 : 0);
  out.integer(76, pViewport->gridEnabled() ? 1 : 0);
  if (out.version() > kDxfR12)
  {
    out.integer(65, pViewport->isUcsSavedWithViewport() ? 1 : 0);
    ucsValues(pViewport, out);
  }
  dxfXDataFields(pViewport, "VPORT", out);
}

void viewFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbViewTableRecord* pView = static_cast<const OdDbViewTableRecord*>(pObj);
  nameAndFlags(pView, "AcDbViewTableRecord",
               {2, 70, 10, 20, 11, 21, 31, 12, 22, 32, 40, 41, 42, 43, 44, 50, 71, 72, 110, 120, 130, 111, 121, 131,
                112, 122, 132, 146},
               pView->isPaperspaceView() ? 1 : 0, out);
  viewValues(pView, false, out);
  if (out.version() > kDxfR12 && pView->isUcsAssociatedToView())
  {
    out.integer(72, 1);
    ucsValues(pView, out);
  }
  dxfXDataFields(pView, "VIEW", out);
}

void ucsFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbUCSTableRecord* pUcs = static_cast<const OdDbUCSTableRecord*>(pObj);
  nameAndFlags(pUcs, "AcDbUCSTableRecord", {2, 70, 10, 20, 30, 11, 21, 31, 12, 22, 32}, 0, out);
  out.point(10, pUcs->origin());
  out.vector(11, pUcs->xAxis());
  out.vector(12, pUcs->yAxis());
  dxfXDataFields(pUcs, "UCS", out);
}

// Entries by name: the objects the dictionary owns.
void dictionaryFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbDictionary* pDict = static_cast<const OdDbDictionary*>(pObj);
  out.subclass("AcDbDictionary", {280, 281, 3, 350, 360});
  for (OdDbDictionaryIteratorPtr it = pDict->newIterator(); !it->done(); it->next())
  {
    out.text(3, it->name());
    out.handle(350, it->objectId());
  }
  dxfXDataFields(pDict, "DICTIONARY", out);
}

// An annotation scale: its name and the paper and drawing units it relates.
void scaleFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbAnnotationScale* pScale = static_cast<const OdDbAnnotationScale*>(pObj);
  OdString name;
  double paper = 1.0, drawing = 1.0;
  pScale->getName(name);
  pScale->getPaperUnits(paper);
  pScale->getDrawingUnits(drawing);
  out.subclass("AcDbScale", {70, 300, 140, 141, 290});
  out.integer(70, 0);
  out.text(300, name);
  out.real(140, paper);
  out.real(141, drawing);
  out.integer(290, paper == drawing ? 1 : 0);
  dxfXDataFields(pScale, "SCALE", out);
}

const DxfKindWriter kTableWriters[] = {
  {"TABLE", &OdDbLayerTable::desc, &tableFields},
  {"TABLE", &OdDbLinetypeTable::desc, &tableFields},
  {"TABLE", &OdDbTextStyleTable::desc, &tableFields},
  {"TABLE", &OdDbDimStyleTable::desc, &tableFields},
  {"TABLE", &OdDbRegAppTable::desc, &tableFields},
  {"TABLE", &OdDbBlockTable::desc, &tableFields},
  {"TABLE", &OdDbViewportTable::desc, &tableFields},
  {"TABLE", &OdDbViewTable::desc, &tableFields},
  {"TABLE", &OdDbUCSTable::desc, &tableFields},
  {"LAYER", &OdDbLayerTableRecord::desc, &layerFields},
  {"LTYPE", &OdDbLinetypeTableRecord::desc, &linetypeFields},
  {"STYLE", &OdDbTextStyleTableRecord::desc, &textStyleFields},
  {"DIMSTYLE", &OdDbDimStyleTableRecord::desc, &dimStyleFields},
  {"APPID", &OdDbRegAppTableRecord::desc, &regAppFields},
  {"BLOCK_RECORD", &OdDbBlockTableRecord::desc, &blockRecordFields},
  {"VPORT", &OdDbViewportTableRecord::desc, &viewportFields},
  {"VIEW", &OdDbViewTableRecord::desc, &viewFields},
  {"UCS", &OdDbUCSTableRecord::desc, &ucsFields},
  {"DICTIONARY", &OdDbDictionary::desc, &dictionaryFields},
  {"SCALE", &OdDbAnnotationScale::desc, &scaleFields},
};

const DxfKindWriters kRegistration = {
  &kTableWriters[0],  &kTableWriters[1],  &kTableWriters[2],  &kTableWriters[3],  &kTableWriters[4],
  &kTableWriters[5],  &kTableWriters[6],  &kTableWriters[7],  &kTableWriters[8],  &kTableWriters[9],
  &kTableWriters[10], &kTableWriters[11], &kTableWriters[12], &kTableWriters[13], &kTableWriters[14],
  &kTableWriters[15], &kTableWriters[16], &kTableWriters[17], &kTableWriters[18], &kTableWriters[19]};
} // namespace
} // namespace kydxf
