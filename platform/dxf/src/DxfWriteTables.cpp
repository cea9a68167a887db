// Kind writers of the symbol tables ("TABLE") and of their records: LAYER, LTYPE, STYLE, DIMSTYLE,
// VPORT, VIEW, UCS, APPID and BLOCK_RECORD, each under the group codes the reader reads. Layer
// transparency and description and text-style fonts go out as the extended data files keep them
// in. Values an output's version cannot carry, or DXF at all, are refused naming the record.
#include <algorithm>
#include <cmath>
#include <utility>

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
#include "DbTextStyleTable.h"
#include "DbTextStyleTableRecord.h"
#include "DbUCSTable.h"
#include "DbUCSTableRecord.h"
#include "DbViewTable.h"
#include "DbViewTableRecord.h"
#include "DbViewportTable.h"
#include "DbViewportTableRecord.h"
#include "DxfSource.h"
#include "DxfWriter.h"

namespace kydxf
{
namespace
{
// "LAYER 'Walls': <what>".
[[noreturn]] void refuse(const OdDbSymbolTableRecord* pRec, const char* kind, const std::string& what)
{
  throw DxfWriteError{std::string(kind) + " '" + pRec->getName().toUtf8() + "': " + what};
}

void requireVersion(const OdDbSymbolTableRecord* pRec, const char* kind, const DxfFields& out, int since,
                    const std::string& what)
{
  if (out.version() < since)
    refuse(pRec, kind, what + " cannot be written in " + dxfVersionText(out.version()));
}

bool differs(double value, double standard)
{
  return value != standard || std::signbit(value) != std::signbit(standard);
}

bool isWorldUcs(const OdGePoint3d& origin, const OdGeVector3d& xAxis, const OdGeVector3d& yAxis)
{
  return origin == OdGePoint3d::kOrigin && xAxis == OdGeVector3d::kXAxis && yAxis == OdGeVector3d::kYAxis;
}

// The record's name and its standard flags start every record's own subclass.
void recordStart(const OdDbSymbolTableRecord* pRec, DxfFields& out, const char* marker,
                 std::initializer_list<int> owned, int flags = 0)
{
  out.subclass("AcDbSymbolTableRecord", {});
  out.subclass(marker, owned);
  out.text(2, pRec->getName());
  out.integer(70, flags);
}

// ---- tables --------------------------------------------------------------------------------

struct TableName
{
  OdRxClass* (*recordClass)();
  const char* name;
};

const TableName kTableNames[] = {
  {&OdDbViewportTableRecord::desc, "VPORT"}, {&OdDbLinetypeTableRecord::desc, "LTYPE"},
  {&OdDbLayerTableRecord::desc, "LAYER"},    {&OdDbTextStyleTableRecord::desc, "STYLE"},
  {&OdDbViewTableRecord::desc, "VIEW"},      {&OdDbUCSTableRecord::desc, "UCS"},
  {&OdDbRegAppTableRecord::desc, "APPID"},   {&OdDbDimStyleTableRecord::desc, "DIMSTYLE"},
  {&OdDbBlockTableRecord::desc, "BLOCK_RECORD"}};

void tableFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbSymbolTable* pTable = static_cast<const OdDbSymbolTable*>(pObj);
  const char* name = nullptr;
  for (const TableName& t : kTableNames)
    if (t.recordClass() == pTable->recordClass())
      name = t.name;
  if (!name)
    throw DxfWriteError{"the table of " + pTable->recordClass()->name().toUtf8() + " records has no name in DXF"};
  std::vector<OdDbObjectId> records;
  for (OdDbSymbolTableIteratorPtr it = pTable->newIterator(); !it->done(); it->step())
    records.push_back(it->getRecordId());
  // The table's name comes before its handle in files.
  out.head({2});
  out.text(2, OdString(name));
  out.subclass("AcDbSymbolTable", {70});
  out.integer(70, static_cast<std::int64_t>(records.size()));
  if (std::string_view(name) == "DIMSTYLE" && out.version() > kDxfR12)
  {
    out.subclass("AcDbDimStyleTable", {71, 340});
    out.integer(71, static_cast<std::int64_t>(records.size()));
    for (const OdDbObjectId& id : records)
      out.handle(340, id);
  }
  dxfXDataFields(pObj, "TABLE", out);
}

// ---- layers --------------------------------------------------------------------------------

std::string rgbText(const OdCmColor& color)
{
  return std::to_string(color.red()) + "," + std::to_string(color.green()) + "," + std::to_string(color.blue());
}

void layerFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbLayerTableRecord* pLayer = static_cast<const OdDbLayerTableRecord*>(pObj);
  const char* kind = "LAYER";
  if (pLayer->isHidden())
    refuse(pLayer, kind, "a hidden layer has no form in DXF");
  if (pLayer->hasAnyOverrides())
    refuse(pLayer, kind, "viewport overrides cannot be written yet");
  const int flags = (pLayer->isFrozen() ? 1 : 0) | (pLayer->VPDFLT() ? 2 : 0) | (pLayer->isLocked() ? 4 : 0);
  recordStart(pLayer, out, "AcDbLayerTableRecord", {2, 70, 62, 420, 430, 6, 290, 370, 390, 347, 348}, flags);

  // A negative colour index marks a layer that is off; a true colour goes beside its nearest index.
  const OdCmColor color = pLayer->color();
  int index = color.colorIndex();
  if (index < 1 || index > 255)
    index = 7;
  out.integer(62, pLayer->isOff() ? -index : index);
  if (color.isByColor())
  {
    requireVersion(pLayer, kind, out, kDxfR2004, "a true colour (" + rgbText(color) + ")");
    out.integer(420, (color.red() << 16) | (color.green() << 8) | color.blue());
  }
  if (color.hasColorName())
  {
    const OdString name = color.hasBookName() ? color.bookName() + L"$" + color.colorName() : color.colorName();
    requireVersion(pLayer, kind, out, kDxfR2004, "the colour name '" + name.toUtf8() + "'");
    out.text(430, name);
  }
  out.recordName(6, pLayer->linetypeObjectId());
  if (!pLayer->isPlottable())
  {
    requireVersion(pLayer, kind, out, kDxfR2000, "a layer that does not plot");
    out.integer(290, 0);
  }
  const OdDb::LineWeight lineWeight = pLayer->lineWeight();
  if (out.version() > kDxfR12)
    out.integer(370, lineWeight);
  else if (lineWeight != OdDb::kLnWtByLwDefault)
    requireVersion(pLayer, kind, out, kDxfR2000, "the lineweight " + std::to_string(lineWeight));

  // "Normal" is every layer's plot style until one is given.
  const OdString plotStyle = pLayer->plotStyleName();
  if (plotStyle != L"Normal")
  {
    OdDbDatabase* db = out.database();
    if (db && db->getPSTYLEMODE())
      refuse(pLayer, kind, "the plot style '" + plotStyle.toUtf8() +
                             "' cannot be written: the drawing uses colour-dependent plot styles");
    requireVersion(pLayer, kind, out, kDxfR2000, "the plot style '" + plotStyle.toUtf8() + "'");
    const std::uint64_t handle = dxfPlotStyleHandle(out, plotStyle);
    if (handle == 0)
      refuse(pLayer, kind, "the plot style '" + plotStyle.toUtf8() +
                             "' cannot be written: the drawing's plot style names (ACAD_PLOTSTYLENAME) do not list it");
    out.handle(390, handle);
  }

  dxfXDataFields(pLayer, kind, out);
  const OdCmTransparency transparency = pLayer->transparency();
  if (!transparency.isSolid())
  {
    requireVersion(pLayer, kind, out, kDxfR2004, "the transparency " + std::to_string(transparency.alpha()) + "/255");
    out.text(1001, L"AcCmTransparency");
    out.integer(1071, static_cast<std::int64_t>(transparency.serializeOut()));
  }
  if (!pLayer->description().isEmpty())
  {
    out.text(1001, L"AcAecLayerStandard");
    out.text(1000, OdString());
    out.text(1000, pLayer->description());
  }
}

// ---- linetypes -----------------------------------------------------------------------------

void linetypeFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbLinetypeTableRecord* pLinetype = static_cast<const OdDbLinetypeTableRecord*>(pObj);
  recordStart(pLinetype, out, "AcDbLinetypeTableRecord", {2, 70, 3, 72, 73, 40, 49, 74});
  out.text(3, pLinetype->comments());
  // The alignment: 'S' scales the pattern to fit, 'A' is every other linetype's.
  out.integer(72, pLinetype->isScaledToFit() ? 'S' : 'A');
  const int dashes = pLinetype->numDashes();
  out.integer(73, dashes);
  out.real(40, pLinetype->patternLength());
  for (int i = 0; i < dashes; ++i)
  {
    out.real(49, pLinetype->dashLengthAt(i));
    if (out.version() > kDxfR12)
      out.integer(74, 0);
  }
  dxfXDataFields(pLinetype, "LTYPE", out);
}

// ---- text styles ---------------------------------------------------------------------------

void textStyleFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbTextStyleTableRecord* pStyle = static_cast<const OdDbTextStyleTableRecord*>(pObj);
  const int flags = (pStyle->isShapeFile() ? 1 : 0) | (pStyle->isVertical() ? 4 : 0);
  recordStart(pStyle, out, "AcDbTextStyleTableRecord", {2, 70, 40, 41, 50, 71, 42, 3, 4}, flags);
  out.real(40, pStyle->textSize());
  out.real(41, pStyle->xScale());
  out.angle(50, pStyle->obliquingAngle());
  out.integer(71, (pStyle->isBackwards() ? 2 : 0) | (pStyle->isUpsideDown() ? 4 : 0));
  out.real(42, pStyle->priorSize());
  out.text(3, pStyle->fileName());
  out.text(4, pStyle->bigFontFileName());

  // A typeface font goes first in the data of ACAD (1000 typeface, 1071 italic, bold, character
  // set and pitch and family), before the style's own data of that application.
  OdString typeface;
  bool bold = false, italic = false;
  int charset = 0, pitchAndFamily = 0;
  pStyle->font(typeface, bold, italic, charset, pitchAndFamily);
  const std::int64_t bits = (pitchAndFamily & 0xFF) | ((charset & 0xFF) << 8) | (italic ? 0x1000000 : 0) |
                            (bold ? 0x2000000 : 0);
  out.xdata();
  const OdResBufPtr own = pStyle->xData(L"ACAD");
  if (!typeface.isEmpty() || bits != 0 || !own.isNull())
  {
    out.text(1001, L"ACAD");
    out.text(1000, typeface);
    out.integer(1071, bits);
    if (!own.isNull() && !own->next().isNull())
      out.xdataChain(own->next().get());
  }
  const OdArray<OdString> apps = pStyle->xDataApplications();
  for (unsigned i = 0; i < apps.size(); ++i)
    if (apps[i].iCompare(L"ACAD") != 0)
    {
      const OdResBufPtr chain = pStyle->xData(apps[i]);
      if (!chain.isNull())
        out.xdataChain(chain.get());
    }
}

// ---- dimension styles ----------------------------------------------------------------------

// The group codes of the dimension variables in files, besides those a style holds.
const int kDimVarCodes[] = {3,   4,   5,   6,   7,   40,  41,  42,  43,  44,  45,  46,  47,  48,  49,
                            69,  71,  72,  73,  74,  75,  76,  77,  78,  79,  90,  140, 141, 142, 143,
                            144, 145, 146, 147, 148, 170, 171, 172, 173, 174, 175, 176, 177, 178, 179,
                            270, 271, 272, 273, 274, 275, 276, 277, 278, 279, 280, 281, 282, 283, 284,
                            285, 286, 287, 288, 289, 290, 340, 341, 342, 343, 344, 345, 346, 347, 371, 372};

// Codes the record's structure uses: a variable under one would not read back as a variable.
bool isStructureCode(int code)
{
  return code <= 2 || code == 5 || code == 70 || code == 100 || code == 102 || code == 105 || code == 330 ||
         code >= 999;
}

void dimStyleFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbDimStyleTableRecord* pDimStyle = static_cast<const OdDbDimStyleTableRecord*>(pObj);
  const char* kind = "DIMSTYLE";
  recordStart(pDimStyle, out, "AcDbDimStyleTableRecord", {2, 70});
  std::vector<int>& owned = out.segments().back().owned;
  owned.insert(owned.end(), std::begin(kDimVarCodes), std::end(kDimVarCodes));
  const OdArray<int> codes = pDimStyle->dimVarCodes();
  for (unsigned i = 0; i < codes.size(); ++i)
  {
    const int code = codes[i];
    const int index = odDimVarByCode(code, false);
    const OdDimVarDesc* desc = index >= 0 ? &odDimVarDesc(index) : nullptr;
    if (desc && desc->kind == OdDimVarKind::Color && pDimStyle->isDimVarSet(index) &&
        pDimStyle->dimVarValue(index).color.isByColor())
      refuse(pDimStyle, kind, "the true colour of " + dxfDimVarName(index) + " has no place in DXF");
    if (desc && (code == 69 || code == 70) && pDimStyle->isDimVarSet(index))
    {
      // The text fill and its colour: the colour shares the flags' code and follows the fill.
      requireVersion(pDimStyle, kind, out, kDxfR2007, "the text fill (" + dxfDimVarName(index) + ")");
      const OdDimVarValue& v = pDimStyle->dimVarValue(index);
      out.integer(code, code == 69 ? v.integer : v.color.colorIndex());
      continue;
    }
    if (isStructureCode(code))
      refuse(pDimStyle, kind, "a dimension variable under group code " + std::to_string(code) + " has no place in DXF");
    if (std::find(owned.begin(), owned.end(), code) == owned.end())
      owned.push_back(code);
    const OdResBufPtr value = pDimStyle->dimVar(code);
    switch (value->kind())
    {
    case OdResBuf::kString: out.text(code, value->getString()); break;
    case OdResBuf::kDouble: out.real(code, value->getDouble()); break;
    case OdResBuf::kInt8:
    case OdResBuf::kInt16:
    case OdResBuf::kInt32: out.integer(code, value->getInt32()); break;
    case OdResBuf::kInt64: out.integer(code, value->getInt64()); break;
    case OdResBuf::kBool: out.integer(code, value->getBool() ? 1 : 0); break;
    case OdResBuf::kHandle: out.handle(code, static_cast<std::uint64_t>(value->getHandle())); break;
    case OdResBuf::kObjectId: out.handle(code, value->getObjectId(0)); break;
    default:
      refuse(pDimStyle, kind, "the dimension variable under group code " + std::to_string(code) +
                                " holds a kind of value DXF has no form for");
    }
  }
  dxfXDataFields(pDimStyle, kind, out);
}

// ---- viewports and views -------------------------------------------------------------------

int viewMode(const OdDbAbstractViewTableRecord* pView)
{
  return (pView->perspectiveEnabled() ? 1 : 0) | (pView->frontClipEnabled() ? 2 : 0) |
         (pView->backClipEnabled() ? 4 : 0);
}

void ucsFields(const OdDbAbstractViewTableRecord* pView, DxfFields& out)
{
  OdGePoint3d origin;
  OdGeVector3d xAxis, yAxis;
  pView->getUcs(origin, xAxis, yAxis);
  out.point(110, origin);
  out.vector(111, xAxis);
  out.vector(112, yAxis);
  out.integer(79, 0);
  out.real(146, pView->elevation());
  if (!pView->ucsName().isNull())
    out.handle(345, pView->ucsName());
}

// R12 files have no UCS, elevation or named UCS in their viewports and views.
void requireUcsVersion(const OdDbAbstractViewTableRecord* pView, const char* kind, const DxfFields& out)
{
  OdGePoint3d origin;
  OdGeVector3d xAxis, yAxis;
  pView->getUcs(origin, xAxis, yAxis);
  if (!isWorldUcs(origin, xAxis, yAxis) || !pView->ucsName().isNull())
    requireVersion(pView, kind, out, kDxfR2000, "a UCS of its own");
  if (differs(pView->elevation(), 0.0))
    requireVersion(pView, kind, out, kDxfR2000, "an elevation");
}

void viewportFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbViewportTableRecord* pViewport = static_cast<const OdDbViewportTableRecord*>(pObj);
  recordStart(pViewport, out, "AcDbViewportTableRecord",
              {2,  70, 10, 20, 11, 21, 12, 22, 13, 23, 14, 24, 15, 25, 16, 26, 36, 17,  27,  37,  40,  41,  42,
               43, 44, 50, 51, 71, 72, 73, 74, 75, 76, 77, 78, 65, 79, 281, 110, 120, 130, 111, 121, 131, 112,
               122, 132, 146, 345, 346});
  out.point(10, pViewport->lowerLeftCorner());
  out.point(11, pViewport->upperRightCorner());
  out.point(12, pViewport->centerPoint());
  out.point(13, OdGePoint2d());
  out.point(14, OdGePoint2d(pViewport->snapIncrements().x, pViewport->snapIncrements().y));
  out.point(15, OdGePoint2d(pViewport->gridIncrements().x, pViewport->gridIncrements().y));
  out.vector(16, pViewport->viewDirection());
  out.point(17, pViewport->target());
  out.real(40, pViewport->height());
  // The width as the aspect ratio of the view.
  out.real(41, pViewport->width() / pViewport->height());
  out.real(42, pViewport->lensLength());
  out.real(43, pViewport->frontClipDistance());
  out.real(44, pViewport->backClipDistance());
  out.real(50, 0.0);
  out.angle(51, pViewport->viewTwist());
  out.integer(71, viewMode(pViewport));
  out.integer(72, pViewport->circleSides());
  out.integer(73, 1);
  out.integer(74, (pViewport->iconEnabled() ? 1 : 0) | (pViewport->iconAtOrigin() ? 2 : 0));
  out.integer(75, pViewport->snapEnabled() ? 1 : 0);
  out.integer(76, pViewport->gridEnabled() ? 1 : 0);
  out.integer(77, 0);
  out.integer(78, 0);
  if (out.version() > kDxfR12)
  {
    out.integer(281, 0);
    out.integer(65, pViewport->isUcsSavedWithViewport() ? 1 : 0);
    ucsFields(pViewport, out);
  }
  else
  {
    requireUcsVersion(pViewport, "VPORT", out);
    if (!pViewport->isUcsSavedWithViewport())
      requireVersion(pViewport, "VPORT", out, kDxfR2000, "a UCS that is not saved with the viewport");
  }
  dxfXDataFields(pViewport, "VPORT", out);
}

void viewFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbViewTableRecord* pView = static_cast<const OdDbViewTableRecord*>(pObj);
  const char* kind = "VIEW";
  if (!pView->getCategoryName().isEmpty())
    refuse(pView, kind, "the view category '" + pView->getCategoryName().toUtf8() + "' has no form in DXF");
  recordStart(pView, out, "AcDbViewTableRecord",
              {2,  70,  40,  10,  20,  41,  11,  21,  31,  12,  22,  32,  42,  43, 44, 50, 71, 281, 72,
               73, 110, 120, 130, 111, 121, 131, 112, 122, 132, 79, 146, 345, 346, 332, 334, 348, 361},
              pView->isPaperspaceView() ? 1 : 0);
  out.real(40, pView->height());
  out.point(10, pView->centerPoint());
  out.real(41, pView->width());
  out.vector(11, pView->viewDirection());
  out.point(12, pView->target());
  out.real(42, pView->lensLength());
  out.real(43, pView->frontClipDistance());
  out.real(44, pView->backClipDistance());
  out.angle(50, pView->viewTwist());
  out.integer(71, viewMode(pView));
  if (out.version() > kDxfR12)
  {
    out.integer(281, 0);
    // The UCS codes follow only when 72 says the view has a UCS.
    OdGePoint3d origin;
    OdGeVector3d xAxis, yAxis;
    pView->getUcs(origin, xAxis, yAxis);
    const bool hasUcs =
      !isWorldUcs(origin, xAxis, yAxis) || !pView->ucsName().isNull() || differs(pView->elevation(), 0.0);
    out.integer(72, hasUcs ? 1 : 0);
    if (hasUcs)
      ucsFields(pView, out);
  }
  else
    requireUcsVersion(pView, kind, out);
  dxfXDataFields(pView, kind, out);
}

// ---- UCSs, applications and block records ----------------------------------------------------

void ucsRecordFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbUCSTableRecord* pUcs = static_cast<const OdDbUCSTableRecord*>(pObj);
  recordStart(pUcs, out, "AcDbUCSTableRecord", {2, 70, 10, 20, 30, 11, 21, 31, 12, 22, 32, 79, 146, 346});
  out.point(10, pUcs->origin());
  out.vector(11, pUcs->xAxis());
  out.vector(12, pUcs->yAxis());
  if (out.version() > kDxfR12)
  {
    out.integer(79, 0);
    out.real(146, 0.0);
  }
  dxfXDataFields(pUcs, "UCS", out);
}

void regAppFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbRegAppTableRecord* pApp = static_cast<const OdDbRegAppTableRecord*>(pObj);
  recordStart(pApp, out, "AcDbRegAppTableRecord", {2, 70});
  dxfXDataFields(pApp, "APPID", out);
}

// The block's base point, path and description go out with its BLOCK entity.
void blockRecordFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbBlockTableRecord* pBlock = static_cast<const OdDbBlockTableRecord*>(pObj);
  const char* kind = "BLOCK_RECORD";
  if (out.version() <= kDxfR12)
    refuse(pBlock, kind, "block records cannot be written in " + dxfVersionText(out.version()));
  out.subclass("AcDbSymbolTableRecord", {});
  out.subclass("AcDbBlockTableRecord", {2, 340, 70, 280, 281, 310});
  out.text(2, pBlock->getName());
  out.integer(70, pBlock->blockInsertUnits());
  out.integer(280, pBlock->explodable() ? 1 : 0);
  out.integer(281, pBlock->blockScaling() == OdDbBlockTableRecord::kUniform ? 1 : 0);
  dxfXDataFields(pBlock, kind, out);
}

const DxfKindWriter kLayerTableWriter{"TABLE", &OdDbLayerTable::desc, &tableFields};
const DxfKindWriter kLinetypeTableWriter{"TABLE", &OdDbLinetypeTable::desc, &tableFields};
const DxfKindWriter kTextStyleTableWriter{"TABLE", &OdDbTextStyleTable::desc, &tableFields};
const DxfKindWriter kDimStyleTableWriter{"TABLE", &OdDbDimStyleTable::desc, &tableFields};
const DxfKindWriter kRegAppTableWriter{"TABLE", &OdDbRegAppTable::desc, &tableFields};
const DxfKindWriter kBlockTableWriter{"TABLE", &OdDbBlockTable::desc, &tableFields};
const DxfKindWriter kViewportTableWriter{"TABLE", &OdDbViewportTable::desc, &tableFields};
const DxfKindWriter kViewTableWriter{"TABLE", &OdDbViewTable::desc, &tableFields};
const DxfKindWriter kUcsTableWriter{"TABLE", &OdDbUCSTable::desc, &tableFields};

const DxfKindWriter kLayerWriter{"LAYER", &OdDbLayerTableRecord::desc, &layerFields};
const DxfKindWriter kLinetypeWriter{"LTYPE", &OdDbLinetypeTableRecord::desc, &linetypeFields};
const DxfKindWriter kTextStyleWriter{"STYLE", &OdDbTextStyleTableRecord::desc, &textStyleFields};
const DxfKindWriter kDimStyleWriter{"DIMSTYLE", &OdDbDimStyleTableRecord::desc, &dimStyleFields};
const DxfKindWriter kRegAppWriter{"APPID", &OdDbRegAppTableRecord::desc, &regAppFields};
const DxfKindWriter kBlockRecordWriter{"BLOCK_RECORD", &OdDbBlockTableRecord::desc, &blockRecordFields};
const DxfKindWriter kViewportWriter{"VPORT", &OdDbViewportTableRecord::desc, &viewportFields};
const DxfKindWriter kViewWriter{"VIEW", &OdDbViewTableRecord::desc, &viewFields};
const DxfKindWriter kUcsWriter{"UCS", &OdDbUCSTableRecord::desc, &ucsRecordFields};

const DxfKindWriters kTableWriters{
  &kLayerTableWriter, &kLinetypeTableWriter, &kTextStyleTableWriter, &kDimStyleTableWriter, &kRegAppTableWriter,
  &kBlockTableWriter, &kViewportTableWriter, &kViewTableWriter,      &kUcsTableWriter,      &kLayerWriter,
  &kLinetypeWriter,   &kTextStyleWriter,     &kDimStyleWriter,       &kRegAppWriter,        &kBlockRecordWriter,
  &kViewportWriter,   &kViewWriter,          &kUcsWriter};
} // namespace
} // namespace kydxf
