// The TABLES section: layers, linetypes, text styles, dimension styles, registered applications,
// block records, viewports, views and UCSs. Each record takes over the database's record of the
// same name when there is one (layer "0", "Standard" ...) and keeps the file's handle.
#include <cmath>

#include "DbBlockTableRecord.h"
#include "DbDimStyleTableRecord.h"
#include "DbLayerTableRecord.h"
#include "DbLinetypeTableRecord.h"
#include "DbRegAppTableRecord.h"
#include "DbTextStyleTableRecord.h"
#include "DbUCSTableRecord.h"
#include "DbViewTableRecord.h"
#include "DbViewportTableRecord.h"
#include "DxfEntityValues.h"
#include "DxfReader.h"
#include "Ge/GeGbl.h"
#include "OdError.h"

namespace kydxf
{
namespace
{
struct TableKind
{
  const char* name;
  OdDbObjectId (OdDbDatabase::*tableId)() const;
  OdRxClass* (*recordClass)();
};

const TableKind kTables[] = {
  {"LAYER", &OdDbDatabase::getLayerTableId, &OdDbLayerTableRecord::desc},
  {"LTYPE", &OdDbDatabase::getLinetypeTableId, &OdDbLinetypeTableRecord::desc},
  {"STYLE", &OdDbDatabase::getTextStyleTableId, &OdDbTextStyleTableRecord::desc},
  {"DIMSTYLE", &OdDbDatabase::getDimStyleTableId, &OdDbDimStyleTableRecord::desc},
  {"APPID", &OdDbDatabase::getRegAppTableId, &OdDbRegAppTableRecord::desc},
  {"BLOCK_RECORD", &OdDbDatabase::getBlockTableId, &OdDbBlockTableRecord::desc},
  {"VPORT", &OdDbDatabase::getViewportTableId, &OdDbViewportTableRecord::desc},
  {"VIEW", &OdDbDatabase::getViewTableId, &OdDbViewTableRecord::desc},
  {"UCS", &OdDbDatabase::getUCSTableId, &OdDbUCSTableRecord::desc}};

const TableKind* tableKind(std::string_view name)
{
  for (const TableKind& k : kTables)
    if (name == k.name)
      return &k;
  return nullptr;
}

double radians(double degrees)
{
  return degrees * OdaPI / 180.0;
}
} // namespace

void DxfReader::readTables()
{
  for (;;)
  {
    const DxfTag tag = requireTag("the TABLES section");
    if (sectionEnds(tag, "TABLES"))
      return;
    if (!tag.is(0, "TABLE"))
    {
      repair(tag.line, "expected a TABLE, found " + (tag.code == 0 ? "'" + std::string(tag.text.substr(0, 40)) + "'"
                                                                   : "group code " + std::to_string(tag.code)),
             "passed over it");
      if (tag.code == 0)
        readObject(tag, m_object);
      continue;
    }
    readTable(tag);
  }
}

void DxfReader::readTable(const DxfTag& start)
{
  readObject(start, m_object);
  std::string_view type;
  std::uint64_t handle = 0;
  int nameLine = start.line;
  for (const DxfTag& t : m_object.tags)
  {
    if (t.code == 2 && type.empty())
    {
      type = dxfTrim(t.text);
      nameLine = t.line + 1;
    }
    else if (t.code == 5 && handle == 0)
      handle = parseHandle(t);
  }
  const TableKind* kind = tableKind(type);
  if (!kind)
  {
    repair(nameLine, "unknown table '" + std::string(type.substr(0, 40)) + "'", "passed over the table");
    skipTable();
    return;
  }
  const OdDbObjectId tableId = (m_db->*kind->tableId)();
  handle = ownHandle(handle, start.line, "table");
  if (handle != 0)
  {
    m_claimable.erase(static_cast<OdDbStub*>(tableId));
    m_movable.erase(static_cast<OdDbStub*>(tableId));
    placeAtHandle(tableId, handle, start.line);
  }
  noteSource(start.line, tableId);
  const std::string where = "the " + std::string(type) + " table";
  for (;;)
  {
    const DxfTag tag = requireTag(where.c_str());
    if (tag.code != 0)
    {
      repair(tag.line, "expected a " + std::string(type) + " record, found group code " + std::to_string(tag.code),
             "passed over the tag");
      continue;
    }
    if (tag.text == "TABLE" || tag.text == "ENDSEC" || tag.text == "SECTION" || tag.text == "EOF")
    {
      repair(tag.line, "the " + std::string(type) + " table has no ENDTAB", "ended it before line " + std::to_string(tag.line));
      m_tokens.pushBack();
      return;
    }
    readObject(tag, m_object);
    if (tag.text == "ENDTAB")
      return;
    if (tag.text != type)
    {
      repair(tag.line + 1, "the " + std::string(type) + " table cannot hold '" + std::string(tag.text.substr(0, 40)) + "'",
             "passed over the record");
      continue;
    }
    readTableRecord(type, m_object);
  }
}

void DxfReader::skipTable()
{
  for (;;)
  {
    const DxfTag tag = requireTag("a TABLE");
    if (tag.is(0, "ENDTAB"))
    {
      readObject(tag, m_object);
      return;
    }
    if (tag.is(0, "TABLE") || tag.is(0, "ENDSEC") || tag.is(0, "SECTION") || tag.is(0, "EOF"))
    {
      m_tokens.pushBack();
      return;
    }
  }
}

void DxfReader::readTableRecord(std::string_view table, const DxfObject& object)
{
  const TableKind* kind = tableKind(table);
  splitParts(object, m_parts);
  const int handleCode = dxfHandleCode(table);
  const std::string kindName(table);
  std::uint64_t handle = 0;
  const DxfTag* nameTag = nullptr;
  int flags = 0;
  for (const DxfTag* t : m_parts.body)
  {
    if (t->code == handleCode && handle == 0)
      handle = parseHandle(*t);
    else if (t->code == 2 && !nameTag)
      nameTag = t;
    else if (t->code == 70)
      flags = static_cast<int>(t->integer);
  }
  if (!nameTag)
  {
    repair(object.line, kindName + " record without a name (group code 2)", "passed over the record");
    noteDropped(object.line);
    return;
  }
  const OdString name = text(*nameTag);
  const int line = nameTag->line + 1;

  // A split screen has several "*ACTIVE" viewport records; the database keeps the first.
  if (table == "VPORT")
  {
    OdDbSymbolTablePtr pViewports = m_db->getViewportTableId().safeOpenObject();
    const OdDbObjectId existing = pViewports->getAt(name);
    if (!existing.isNull() && !isClaimable(existing))
    {
      countSkipped("VPORT");
      return;
    }
  }

  OdDbObjectId id;
  // Shape files have text-style records without a name: the table keeps them by handle alone.
  if (table == "STYLE" && name.isEmpty() && (flags & 1))
  {
    OdDbTextStyleTableRecordPtr pShapeFile = OdDbTextStyleTableRecord::createObject();
    pShapeFile->setIsShapeFile(true);
    OdDbSymbolTablePtr pStyles = m_db->getTextStyleTableId().safeOpenObject(OdDb::kForWrite);
    id = addRecord(pStyles.get(), pShapeFile.get(), handle, line, kindName.c_str());
  }
  else
    id = claimRecord((m_db->*kind->tableId)(), name, kind->recordClass(), handle, line, kindName.c_str());
  if (id.isNull())
  {
    noteDropped(object.line);
    return;
  }
  noteSource(object.line, id);
  OdDbObjectPtr pObj = id.safeOpenObject(OdDb::kForWrite);
  OdResBufPtr xdata = buildXData(object.tags, m_parts.xdataBegin);
  const std::vector<const DxfTag*>& body = m_parts.body;

  if (OdDbLayerTableRecord* pLayer = OdDbLayerTableRecord::cast(pObj.get()).get())
  {
    int colorIndex = 7, colorLine = line;
    bool hasTrueColor = false;
    std::uint32_t trueColor = 0;
    int trueColorLine = line;
    const DxfTag* colorName = nullptr;
    std::uint64_t plotStyle = 0;
    int plotStyleLine = line;
    for (const DxfTag* t : body)
      switch (t->code)
      {
      case 62:
        colorIndex = static_cast<int>(t->integer);
        colorLine = t->line + 1;
        break;
      case 420:
        hasTrueColor = true;
        trueColor = static_cast<std::uint32_t>(t->integer);
        trueColorLine = t->line + 1;
        break;
      case 430:
        colorName = t;
        break;
      case 6:
        pLayer->setLinetypeObjectId(linetypeByName(t->text, t->line + 1));
        break;
      case 290:
        pLayer->setIsPlottable(t->integer != 0);
        break;
      case 370:
        apply(t->line + 1, "LAYER lineweight",
              [&] { pLayer->setLineWeight(lineWeightValue(t->integer, t->line + 1, "LAYER lineweight", nullptr)); });
        break;
      case 390:
        plotStyle = parseHandle(*t);
        plotStyleLine = t->line + 1;
        break;
      default:
        break;
      }
    pLayer->setIsFrozen((flags & 1) != 0);
    pLayer->setVPDFLT((flags & 2) != 0);
    pLayer->setIsLocked((flags & 4) != 0);
    // True colours came with AC1018; a writer that gives an older file one (beside the index)
    // says nothing the version can hold.
    if (hasTrueColor && m_version < 1018)
    {
      repair(trueColorLine, "LAYER true color (group code 420) in an AC" + std::to_string(m_version) +
                              " file, which has none",
             "kept the color index " + std::to_string(std::abs(colorIndex)));
      hasTrueColor = false;
    }
    // A negative colour index marks a layer that is off.
    pLayer->setIsOff(colorIndex < 0);
    if (!hasTrueColor && std::abs(colorIndex) > 255)
      repair(colorLine, "LAYER color " + std::to_string(colorIndex) + " is out of range (-255 to 255)",
             "the layer keeps its color 7");
    else
      apply(colorLine, "LAYER color", [&] {
        OdCmColor color;
        if (hasTrueColor)
          color.setRGB(static_cast<OdUInt8>(trueColor >> 16), static_cast<OdUInt8>(trueColor >> 8),
                       static_cast<OdUInt8>(trueColor));
        else
          color.setColorIndex(static_cast<OdUInt16>(std::abs(colorIndex)));
        if (colorName)
          nameColor(color, colorName->text, colorName->line + 1);
        pLayer->setColor(color);
      });
    if (plotStyle != 0 && !m_colorDependentPlotStyles)
      deferPlotStyle(id, plotStyle, plotStyleLine);
    // Transparency and description travel as extended data of their own applications.
    OdResBufPtr transparency = takeApp(xdata, L"AcCmTransparency");
    // Writers give a layer without transparency the value 0 (ByLayer, which no layer can be): the
    // layer stays opaque.
    if (!transparency.isNull() && !transparency->next().isNull() && transparency->next()->restype() == 1071 &&
        transparency->next()->getInt32() != 0)
    {
      OdCmTransparency value;
      value.serializeIn(static_cast<OdUInt32>(transparency->next()->getInt32()));
      apply(line, "LAYER transparency", [&] { pLayer->setTransparency(value); });
    }
    OdResBufPtr standard = takeApp(xdata, L"AcAecLayerStandard");
    if (!standard.isNull())
    {
      OdResBufPtr rb = standard->next();
      if (!rb.isNull())
        rb = rb->next();
      if (!rb.isNull() && rb->restype() == 1000)
        pLayer->setDescription(rb->getString());
    }
  }
  else if (OdDbLinetypeTableRecord* pLinetype = OdDbLinetypeTableRecord::cast(pObj.get()).get())
  {
    std::vector<std::pair<double, int>> dashes;
    const DxfTag* length = nullptr;
    for (const DxfTag* t : body)
      if (t->code == 3)
        pLinetype->setComments(text(*t));
      else if (t->code == 49)
        dashes.emplace_back(t->real, t->line + 1);
      else if (t->code == 40)
        length = t;
      else if (t->code == 72)
        pLinetype->setIsScaledToFit(t->integer == 'S');
    if (!dashes.empty())
    {
      pLinetype->setNumDashes(static_cast<int>(dashes.size()));
      for (std::size_t i = 0; i < dashes.size(); ++i)
        apply(dashes[i].second, "LTYPE dash", [&] { pLinetype->setDashLengthAt(static_cast<int>(i), dashes[i].first); });
    }
    if (length)
      apply(length->line + 1, "LTYPE pattern length", [&] { pLinetype->setPatternLength(length->real); });
  }
  else if (OdDbTextStyleTableRecord* pStyle = OdDbTextStyleTableRecord::cast(pObj.get()).get())
  {
    pStyle->setIsShapeFile((flags & 1) != 0);
    pStyle->setIsVertical((flags & 4) != 0);
    for (const DxfTag* t : body)
    {
      const int l = t->line + 1;
      switch (t->code)
      {
      case 40: apply(l, "STYLE height", [&] { pStyle->setTextSize(t->real); }); break;
      case 41: apply(l, "STYLE width factor", [&] { pStyle->setXScale(t->real); }); break;
      case 42: apply(l, "STYLE last height", [&] { pStyle->setPriorSize(t->real); }); break;
      case 50:
      {
        // Obliquing angles are written in degrees, negative ones often as 360 - angle.
        double deg = std::fmod(t->real, 360.0);
        if (deg > 180.0)
          deg -= 360.0;
        else if (deg < -180.0)
          deg += 360.0;
        apply(l, "STYLE obliquing angle", [&] { pStyle->setObliquingAngle(radians(deg)); });
        break;
      }
      case 71:
        pStyle->setIsBackwards((t->integer & 2) != 0);
        pStyle->setIsUpsideDown((t->integer & 4) != 0);
        break;
      case 3: pStyle->setFileName(text(*t)); break;
      case 4: pStyle->setBigFontFileName(text(*t)); break;
      default: break;
      }
    }
    // A typeface font: 1000 typeface, 1071 italic (0x01000000), bold (0x02000000), character
    // set (bits 8-15) and pitch and family (bits 0-7).
    OdResBufPtr font = takeApp(xdata, L"ACAD");
    if (!font.isNull())
    {
      OdResBufPtr face = font->next();
      if (!face.isNull() && face->restype() == 1000)
      {
        OdResBufPtr bits = face->next();
        const OdInt32 f = (!bits.isNull() && bits->restype() == 1071) ? bits->getInt32() : 0;
        pStyle->setFont(face->getString(), (f & 0x02000000) != 0, (f & 0x01000000) != 0, (f >> 8) & 0xFF, f & 0xFF);
        if (!bits.isNull() && bits->restype() == 1071)
          face = bits;
        // Data of the application beyond the font stays with the style.
        OdResBufPtr rest = face->next();
        if (!rest.isNull())
        {
          OdResBufPtr kept = OdResBuf::newRb(1001, L"ACAD");
          kept->setNext(rest);
          kept->last()->setNext(xdata);
          xdata = kept;
        }
      }
      else
      {
        font->last()->setNext(xdata);
        xdata = font;
      }
    }
  }
  else if (OdDbDimStyleTableRecord* pDimStyle = OdDbDimStyleTableRecord::cast(pObj.get()).get())
  {
    // Every dimension variable is kept under its group code, with the kind of value the code
    // carries; style and block references are resolved when the whole file is read.
    // The first 70 is the record's flags; a later one is the text fill colour (DIMTFILLCLR).
    bool sawMarker = false, sawFlags = false;
    for (const DxfTag* t : body)
    {
      const int c = t->code;
      if (c == 100)
      {
        sawMarker = true;
        continue;
      }
      const int l = t->line + 1;
      if (c == 70 && sawFlags)
      {
        apply(l, "DIMSTYLE text fill colour", [&] {
          OdDimVarValue colour;
          colour.color.setColorIndex(static_cast<OdInt16>(t->integer));
          pDimStyle->setDimVarValue(static_cast<int>(OdDimVar::dimtfillclr), colour);
        });
        continue;
      }
      sawFlags = sawFlags || c == 70;
      if (c == 2 || c == 70 || c == handleCode || (c == 330 && !sawMarker))
        continue;
      if (c >= 5 && c <= 7)
      {
        // Arrow blocks by name (the older form of 342-344): looked up once every block is read;
        // the handle form wins when the record has both.
        OdString name;
        if (!m_text.decode(t->text, name) || name.isEmpty())
          continue;
        const int var = static_cast<int>(c == 5 ? OdDimVar::dimblk : c == 6 ? OdDimVar::dimblk1 : OdDimVar::dimblk2);
        defer(l, [this, id, var, name, l] {
          OdDbDimStyleTableRecordPtr pRec = id.safeOpenObject(OdDb::kForWrite);
          if (pRec->isDimVarSet(var))
            return;
          OdDbSymbolTablePtr pBlocks = m_db->getBlockTableId().safeOpenObject();
          OdDimVarValue block;
          block.id = pBlocks->getAt(name);
          if (block.id.isNull())
          {
            repair(l, "DIMSTYLE names the arrow block '" + name.toUtf8() + "', which the file does not define",
                   "the style uses the default arrow");
            return;
          }
          apply(l, "DIMSTYLE arrow", [&] { pRec->setDimVarValue(var, block); });
        });
        continue;
      }
      if (c >= 340 && c <= 349)
      {
        // The text style (340), arrow blocks (341-344) and linetypes (345-347), looked up once
        // every record is read.
        const DxfTag tag = *t;
        defer(l, [this, id, c, tag, l] {
          const bool style = c == 340, linetype = c >= 345 && c <= 347;
          const OdDbObjectId tableId = style      ? m_db->getTextStyleTableId()
                                       : linetype ? m_db->getLinetypeTableId()
                                                  : m_db->getBlockTableId();
          const OdDbObjectId targetId = handleOrName(tag, tableId, style ? "text style" : linetype ? "linetype" : "block");
          std::uint64_t target = 0;
          if (targetId.isNull())
          {
            if (dxfParseHandle(tag.text, target) && target != 0)
              repair(l, "DIMSTYLE refers to handle " + dxfHex(target) + ", which the file does not define",
                     style      ? "the style uses the text style 'Standard'"
                     : linetype ? "the style uses the linetype ByBlock"
                                : "the style uses the default arrow");
            return;
          }
          OdDbDimStyleTableRecordPtr pRec = id.safeOpenObject(OdDb::kForWrite);
          apply(l, "DIMSTYLE reference", [&] { pRec->setDimVar(OdResBuf::newRb(c, targetId)); });
        });
        continue;
      }
      apply(l, "DIMSTYLE variable", [&] {
        switch (dxfValueKind(c))
        {
        case DxfValueKind::Real: pDimStyle->setDimVar(OdResBuf::newRb(c, t->real)); break;
        case DxfValueKind::Bool: pDimStyle->setDimVar(OdResBuf::newRb(c, t->integer != 0)); break;
        case DxfValueKind::Int16:
          if (OdResBuf::dataKind(c) == OdResBuf::kInt16)
            pDimStyle->setDimVar(OdResBuf::newRb(c, static_cast<OdInt16>(t->integer)));
          else
            pDimStyle->setDimVar(OdResBuf::newRb(c, static_cast<OdInt32>(t->integer)));
          break;
        case DxfValueKind::Int32: pDimStyle->setDimVar(OdResBuf::newRb(c, static_cast<OdInt32>(t->integer))); break;
        default: pDimStyle->setDimVar(OdResBuf::newRb(c, text(*t))); break;
        }
      });
    }
  }
  else if (OdDbBlockTableRecord* pBlock = OdDbBlockTableRecord::cast(pObj.get()).get())
  {
    for (const DxfTag* t : body)
    {
      const int l = t->line + 1;
      if (t->code == 70)
        apply(l, "BLOCK_RECORD units", [&] {
          pBlock->setBlockInsertUnits(enumValue<OdDb::UnitsValue>(t->integer, 0, OdDb::kUnitsMax, l, "BLOCK_RECORD units"));
        });
      else if (t->code == 280)
        pBlock->setExplodable(t->integer != 0);
      else if (t->code == 281)
        pBlock->setBlockScaling(t->integer == 1 ? OdDbBlockTableRecord::kUniform : OdDbBlockTableRecord::kAny);
    }
  }
  else if (OdDbAbstractViewTableRecord* pView = OdDbAbstractViewTableRecord::cast(pObj.get()).get())
  {
    OdDbViewportTableRecord* pViewport = OdDbViewportTableRecord::cast(pObj.get()).get();
    const bool isViewport = pViewport != nullptr;
    // Viewports and views use different codes for the same values.
    const int centerCode = isViewport ? 12 : 10;
    const int directionCode = isViewport ? 16 : 11;
    const int targetCode = isViewport ? 17 : 12;
    const int twistCode = isViewport ? 51 : 50;
    PointValue center, direction, target, lowerLeft, upperRight, snap, grid, ucsOrigin, ucsX, ucsY;
    double height = 0.0, widthOrAspect = 0.0;
    int heightLine = line;
    int viewMode = -1, ucsFlag = 0;
    std::uint64_t namedUcs = 0;
    int namedUcsLine = line;
    for (const DxfTag* t : body)
    {
      if (center.take(*t, centerCode) || direction.take(*t, directionCode) || target.take(*t, targetCode) ||
          ucsOrigin.take(*t, 110) || ucsX.take(*t, 111) || ucsY.take(*t, 112))
        continue;
      if (isViewport && (lowerLeft.take(*t, 10) || upperRight.take(*t, 11) || snap.take(*t, 14) || grid.take(*t, 15)))
        continue;
      const int l = t->line + 1;
      const int c = t->code;
      if (c == 40)
      {
        height = t->real;
        heightLine = l;
      }
      else if (c == 41)
        widthOrAspect = t->real;
      else if (c == 42)
        apply(l, "view lens length", [&] { pView->setLensLength(t->real); });
      else if (c == 43)
        apply(l, "view front clip", [&] { pView->setFrontClipDistance(t->real); });
      else if (c == 44)
        apply(l, "view back clip", [&] { pView->setBackClipDistance(t->real); });
      else if (c == twistCode)
        apply(l, "view twist", [&] { pView->setViewTwist(radians(t->real)); });
      else if (c == 71)
        viewMode = static_cast<int>(t->integer);
      else if (c == 146)
        apply(l, "view elevation", [&] { pView->setElevation(t->real); });
      else if (c == 345)
      {
        namedUcs = parseHandle(*t);
        namedUcsLine = l;
      }
      else if (c == 72 && !isViewport)
        ucsFlag = static_cast<int>(t->integer);
      else if (isViewport && c == 72)
        apply(l, "VPORT circle sides", [&] { pViewport->setCircleSides(static_cast<OdInt16>(t->integer)); });
      else if (isViewport && c == 74)
      {
        pViewport->setIconEnabled((t->integer & 1) != 0);
        pViewport->setIconAtOrigin((t->integer & 2) != 0);
      }
      else if (isViewport && c == 75)
        pViewport->setSnapEnabled(t->integer != 0);
      else if (isViewport && c == 76)
        pViewport->setGridEnabled(t->integer != 0);
      else if (isViewport && c == 65)
        pViewport->setUcsPerViewport(t->integer != 0);
    }
    if (center.set)
      apply(center.line, "view center", [&] { pView->setCenterPoint(OdGePoint2d(center.p.x, center.p.y)); });
    if (direction.set)
      apply(direction.line, "view direction", [&] { pView->setViewDirection(direction.p.asVector()); });
    if (target.set)
      apply(target.line, "view target", [&] { pView->setTarget(target.p); });
    if (height != 0.0)
    {
      apply(heightLine, "view height", [&] { pView->setHeight(height); });
      // Viewports give the width as an aspect ratio of the height.
      const double width = isViewport ? height * widthOrAspect : widthOrAspect;
      if (width != 0.0)
        apply(heightLine, "view width", [&] { pView->setWidth(width); });
    }
    if (viewMode >= 0)
    {
      pView->setPerspectiveEnabled((viewMode & 1) != 0);
      pView->setFrontClipEnabled((viewMode & 2) != 0);
      pView->setBackClipEnabled((viewMode & 4) != 0);
    }
    if (ucsOrigin.set && ucsX.set && ucsY.set && (isViewport || ucsFlag == 1))
      apply(ucsOrigin.line, "view UCS", [&] { pView->setUcs(ucsOrigin.p, ucsX.p.asVector(), ucsY.p.asVector()); });
    // A named UCS may come later in the file: it is looked up once everything is read.
    if (namedUcs != 0 && (isViewport || ucsFlag == 1))
      defer(namedUcsLine, [this, id, namedUcs, namedUcsLine] {
        const OdDbObjectId ucsId = idOfHandle(namedUcs);
        if (OdDbUCSTableRecord::cast(ucsId.openObject().get()).isNull())
        {
          repair(namedUcsLine, "the view's UCS " + dxfHex(namedUcs) + " is not a UCS of the drawing",
                 "the view keeps the origin and axes it gives");
          return;
        }
        OdDbAbstractViewTableRecordPtr pNamed = id.safeOpenObject(OdDb::kForWrite);
        pNamed->setUcs(ucsId);
      });
    if (OdDbViewTableRecord* pNamedView = OdDbViewTableRecord::cast(pObj.get()).get())
      pNamedView->setIsPaperspaceView((flags & 1) != 0);
    if (isViewport)
    {
      if (upperRight.set)
        apply(upperRight.line, "VPORT upper-right corner", [&] {
          pViewport->setUpperRightCorner(OdGePoint2d(upperRight.p.x, upperRight.p.y));
        });
      if (lowerLeft.set)
        apply(lowerLeft.line, "VPORT lower-left corner", [&] {
          pViewport->setLowerLeftCorner(OdGePoint2d(lowerLeft.p.x, lowerLeft.p.y));
        });
      // Zero spacing means "not set" in files; the record keeps its own then.
      if (snap.set && snap.p.x > 0.0 && snap.p.y > 0.0)
        apply(snap.line, "VPORT snap spacing", [&] { pViewport->setSnapIncrements(OdGeVector2d(snap.p.x, snap.p.y)); });
      if (grid.set && grid.p.x > 0.0 && grid.p.y > 0.0)
        apply(grid.line, "VPORT grid spacing", [&] { pViewport->setGridIncrements(OdGeVector2d(grid.p.x, grid.p.y)); });
    }
  }
  else if (OdDbUCSTableRecord* pUcs = OdDbUCSTableRecord::cast(pObj.get()).get())
  {
    PointValue origin, xAxis, yAxis;
    for (const DxfTag* t : body)
      if (!origin.take(*t, 10) && !xAxis.take(*t, 11))
        yAxis.take(*t, 12);
    if (origin.set)
      apply(origin.line, "UCS origin", [&] { pUcs->setOrigin(origin.p); });
    if (xAxis.set)
      apply(xAxis.line, "UCS X axis", [&] { pUcs->setXAxis(xAxis.p.asVector()); });
    if (yAxis.set)
      apply(yAxis.line, "UCS Y axis", [&] { pUcs->setYAxis(yAxis.p.asVector()); });
  }

  applyXData(pObj, xdata, line);
  if (m_parts.xdictionary != 0)
    m_xdictionaryOwners.emplace_back(m_parts.xdictionary, id);
}
} // namespace kydxf
