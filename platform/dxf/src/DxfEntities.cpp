// The BLOCKS and ENTITIES sections: block definitions and the entities of model space, paper
// space and blocks, one reader per mapped kind. Entities of other kinds are counted as skipped,
// together with the vertices or attributes that belong to them.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "DbArc.h"
#include "DbBlockTableRecord.h"
#include "DbCircle.h"
#include "DbLine.h"
#include "DbMText.h"
#include "DbPolyline.h"
#include "DbText.h"
#include "DxfEntityValues.h"
#include "DxfReader.h"
#include "Ge/GeGbl.h"
#include "OdError.h"

namespace kydxf
{
namespace
{
double radians(double degrees)
{
  return degrees * OdaPI / 180.0;
}

// Some writers put an MTEXT's rotation in radians where degrees belong. A value that is a non-zero
// multiple of pi/2 to twelve places (1.5707963..., 3.1415926..., 6.2831853...) is taken as such:
// read as degrees it would be a turn of a few degrees that no drawing asks for.
bool isRightAngleInRadians(double value)
{
  const double quarters = value / (OdaPI / 2);
  const double whole = std::round(quarters);
  return whole != 0.0 && std::fabs(whole) <= 4.0 && std::fabs(quarters - whole) < 1e-12;
}

// A number as the file would give it, shortest round-trip form.
std::string realText(double value)
{
  char buffer[32];
  const auto res = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, res.ptr);
}

} // namespace

// ---- sections ------------------------------------------------------------------------------------

void DxfReader::readBlocks()
{
  for (;;)
  {
    const DxfTag tag = requireTag("the BLOCKS section");
    if (sectionEnds(tag, "BLOCKS"))
      return;
    if (!tag.is(0, "BLOCK"))
    {
      repair(tag.line, "expected a BLOCK, found " + (tag.code == 0 ? "'" + std::string(tag.text.substr(0, 40)) + "'"
                                                                   : "group code " + std::to_string(tag.code)),
             "passed over it");
      if (tag.code == 0)
        readObject(tag, m_object);
      continue;
    }
    readObject(tag, m_object);
    splitParts(m_object, m_parts);
    const DxfTag* nameTag = nullptr;
    PointValue base;
    std::uint64_t owner = 0;
    bool sawMarker = false;
    const DxfTag* path = nullptr;
    const DxfTag* description = nullptr;
    for (const DxfTag* t : m_parts.body)
    {
      if (t->code == 100)
        sawMarker = true;
      else if (t->code == 330 && !sawMarker && owner == 0)
        owner = parseHandle(*t);
      else if (t->code == 2 && !nameTag)
        nameTag = t;
      else if (t->code == 1)
        path = t;
      else if (t->code == 4)
        description = t;
      else
        base.take(*t, 10);
    }
    const int line = nameTag ? nameTag->line + 1 : tag.line;
    // The tags are reused for the block's entities: keep what is needed of them.
    OdString name = nameTag ? text(*nameTag) : OdString();
    if (name.isEmpty())
    {
      // Its entities are kept in a block named after its line.
      name = OdString(L"BLOCK_L") + OdString(std::to_wstring(tag.line));
      repair(tag.line, "BLOCK without a name (group code 2)", "named it '" + name.toUtf8() + "'");
    }
    const std::string blockName = name.toUtf8();
    OdDbObjectId blockId = idOfHandle(owner);
    if (blockId.isNull() || !blockId.objectClass()->isDerivedFrom(OdDbBlockTableRecord::desc()))
      blockId = blockByName(name, line);
    {
      OdDbBlockTableRecordPtr pBlock = blockId.safeOpenObject(OdDb::kForWrite);
      if (base.set)
        apply(base.line, "BLOCK base point", [&] { pBlock->setOrigin(base.p); });
      if (path)
        pBlock->setPathName(text(*path));
      if (description)
        pBlock->setComments(text(*description));
      applyXData(pBlock, buildXData(m_object.tags, m_parts.xdataBegin), line);
    }
    const std::string where = "the block '" + blockName + "' (no ENDBLK)";
    for (;;)
    {
      const DxfTag entity = requireTag(where.c_str());
      if (entity.code != 0)
      {
        repair(entity.line, "expected an entity or ENDBLK, found group code " + std::to_string(entity.code),
               "passed over the tag");
        continue;
      }
      if (entity.text == "ENDBLK")
      {
        readObject(entity, m_object);
        break;
      }
      if (entity.text == "BLOCK" || entity.text == "ENDSEC" || entity.text == "SECTION" || entity.text == "EOF")
      {
        repair(entity.line + 1, "the block '" + blockName + "' has no ENDBLK",
               "ended it before line " + std::to_string(entity.line));
        m_tokens.pushBack();
        break;
      }
      readEntity(entity, blockId);
    }
    m_inSkippedSequence = false;
    m_attributeOwner = OdDbObjectId();
    endVertices(m_heavyPolyline);
    m_heavyPolyline = OdDbObjectId();
  }
}

void DxfReader::readEntities()
{
  for (;;)
  {
    const DxfTag tag = requireTag("the ENTITIES section");
    if (sectionEnds(tag, "ENTITIES"))
      break;
    if (tag.code != 0)
    {
      repair(tag.line, "expected an entity, found group code " + std::to_string(tag.code), "passed over the tag");
      continue;
    }
    readEntity(tag, OdDbObjectId());
  }
  m_inSkippedSequence = false;
  m_attributeOwner = OdDbObjectId();
  endVertices(m_heavyPolyline);
  m_heavyPolyline = OdDbObjectId();
}

// ---- one entity ----------------------------------------------------------------------------------

DxfReader::EntityReader DxfReader::entityReader(std::string_view kind)
{
  static const std::pair<std::string_view, EntityReader> kReaders[] = {
    {"LINE", &DxfReader::readLine},         {"CIRCLE", &DxfReader::readCircle},
    {"ARC", &DxfReader::readArc},           {"TEXT", &DxfReader::readText},
    {"ELLIPSE", &DxfReader::readEllipse},   {"XLINE", &DxfReader::readXline},
    {"RAY", &DxfReader::readRay},           {"POINT", &DxfReader::readPoint},
    {"SOLID", &DxfReader::readSolid},       {"TRACE", &DxfReader::readTrace},
    {"3DFACE", &DxfReader::readFace},       {"SPLINE", &DxfReader::readSpline},
    {"MTEXT", &DxfReader::readMText},       {"LWPOLYLINE", &DxfReader::readLwPolyline},
    {"POLYLINE", &DxfReader::readPolyline}, {"HELIX", &DxfReader::readHelix},
    {"MLINE", &DxfReader::readMline},
    {"SHAPE", &DxfReader::readShape},
    {"HATCH", &DxfReader::readHatch},
    {"INSERT", &DxfReader::readInsert},
    {"ATTDEF", &DxfReader::readAttributeDefinition},
    {"DIMENSION", &DxfReader::readDimension}};
  for (const auto& r : kReaders)
    if (r.first == kind)
      return r.second;
  return nullptr;
}

void DxfReader::readEntity(const DxfTag& start, const OdDbObjectId& blockId)
{
  readObject(start, m_object);
  const std::string_view kind = start.text;
  if (!m_heavyPolyline.isNull())
  {
    if (kind == "VERTEX")
    {
      readVertex(start);
      return;
    }
    const OdDbObjectId polyline = m_heavyPolyline;
    endVertices(polyline);
    m_heavyPolyline = OdDbObjectId();
    m_heavyVertices = HeavyVertices::kNone;
    if (kind == "SEQEND")
      return;
    repair(start.line, "POLYLINE " + dxfHex(static_cast<std::uint64_t>(polyline.getHandle())) + " without SEQEND",
           "ended its vertices at the next entity");
  }
  if (!m_attributeOwner.isNull())
  {
    if (kind == "ATTRIB")
    {
      readInsertAttribute(start);
      return;
    }
    const OdDbObjectId owner = m_attributeOwner;
    m_attributeOwner = OdDbObjectId();
    if (kind == "SEQEND")
      return;
    repair(start.line, "INSERT " + dxfHex(static_cast<std::uint64_t>(owner.getHandle())) + " without SEQEND",
           "ended its attributes at the next entity");
  }
  if (m_inSkippedSequence)
  {
    // Vertices and attributes of a skipped polyline or block reference, up to its SEQEND.
    if (kind == "SEQEND")
    {
      m_inSkippedSequence = false;
      return;
    }
    if (kind == "VERTEX" || kind == "ATTRIB")
      return;
    m_inSkippedSequence = false;
  }
  EntityReader reader = entityReader(kind);
  if (reader == &DxfReader::readDimension && !dxfReadsDimension(m_object))
    reader = nullptr;
  if (!reader)
  {
    countSkipped(kind);
    if (kind == "POLYLINE")
      m_inSkippedSequence = true;
    else if (kind == "INSERT")
      for (const DxfTag& t : m_object.tags)
        if (t.code == 66 && t.integer == 1)
          m_inSkippedSequence = true;
    return;
  }

  splitParts(m_object, m_parts);
  const int line = start.line;
  const std::string kindName(kind);
  DxfEntityProps props;
  m_heavyVertices = HeavyVertices::kNone;
  m_insertWithAttributes = false;
  OdDbEntityPtr pEnt = (this->*reader)(props);
  if (props.strayLine != 0)
    repair(props.strayLine,
           kindName + " properties (group codes " + props.strayCodes + ") stand in its " +
             std::string(props.kindSubclass) + " subclass, outside AcDbEntity",
           "read them as the entity's");
  applyEntityProps(pEnt, props, kindName.c_str());

  OdDbObjectId ownerId = blockId;
  if (ownerId.isNull() && props.hasOwner)
  {
    // Consecutive entities mostly share their owner.
    if (props.owner != m_lastOwnerHandle)
    {
      const OdDbObjectId id = idOfHandle(props.owner);
      m_lastOwnerHandle = props.owner;
      m_lastOwnerBlock = (!id.isNull() && id.objectClass()->isDerivedFrom(OdDbBlockTableRecord::desc()))
                           ? id
                           : OdDbObjectId();
    }
    ownerId = m_lastOwnerBlock;
  }
  if (ownerId.isNull())
    ownerId = props.paperSpace ? m_db->getPaperSpaceId() : m_db->getModelSpaceId();
  if (ownerId != m_appendBlockId)
  {
    m_appendBlock = ownerId.safeOpenObject(OdDb::kForWrite);
    m_appendBlockId = ownerId;
  }
  OdDbObjectId id;
  props.handle = ownHandle(props.handle, props.handleLine, kindName);
  prepareHandle(props.handle, props.handleLine);
  try
  {
    id = static_cast<OdDbBlockTableRecord*>(m_appendBlock.get())->appendOdDbEntity(pEnt);
  }
  catch (const OdError& e)
  {
    repair(line, kindName + " refused by its block (" + OdError::codeText(e.code()).toUtf8() + ")",
           "dropped the " + kindName + (props.handle ? " with handle " + dxfHex(props.handle) : std::string()));
    noteDropped(line);
    // The attributes of a dropped reference go with it.
    m_inSkippedSequence = m_insertWithAttributes;
    return;
  }
  placeAtHandle(id, props.handle, props.handleLine);
  if (m_insertWithAttributes)
    m_attributeOwner = id;
  noteHandle(id);
  noteSource(line, id);
  if (m_heavyVertices != HeavyVertices::kNone)
    m_heavyPolyline = id;
  if (props.handle == 0)
    markMovable(id, false);
  if (m_parts.xdataBegin < m_object.tags.size())
    applyXData(pEnt, buildXData(m_object.tags, m_parts.xdataBegin), m_object.tags[m_parts.xdataBegin].line);
  if (m_parts.xdictionary != 0)
    m_xdictionaryOwners.emplace_back(m_parts.xdictionary, id);
  if (!m_colorDependentPlotStyles && props.plotStyleType == 3 && props.plotStyleHandle != 0)
    deferPlotStyle(id, props.plotStyleHandle, props.plotStyleLine);
  ++m_report.entities;
}

bool DxfReader::commonEntityTag(const DxfTag& t, DxfEntityProps& p) const
{
  if (t.code == 100)
  {
    if (p.inEntitySubclass)
      p.entitySubclassEmpty = p.entitySubclassTags == 0;
    p.sawMarker = true;
    p.inEntitySubclass = t.text == "AcDbEntity";
    if (!p.inEntitySubclass && p.kindSubclass.empty())
      p.kindSubclass = t.text;
    return true;
  }
  const int line = t.line + 1;
  if (p.inEntitySubclass)
    ++p.entitySubclassTags;
  else if (p.sawMarker)
  {
    // The codes no mapped kind uses in its own subclass.
    static const int kStray[] = {8, 6, 62, 370, 420, 430, 440, 60, 67};
    if (!p.entitySubclassEmpty || std::find(std::begin(kStray), std::end(kStray), t.code) == std::end(kStray))
      return false;
    p.strayCodes += (p.strayCodes.empty() ? "" : ", ") + std::to_string(t.code);
    if (p.strayLine == 0)
      p.strayLine = line;
  }
  switch (t.code)
  {
  case 5:
    p.handle = parseHandle(t);
    p.handleLine = line;
    return true;
  case 330:
    if (p.sawMarker || p.hasOwner)
      return false;
    p.owner = parseHandle(t);
    p.hasOwner = true;
    return true;
  case 67:
    p.paperSpace = t.integer == 1;
    return true;
  case 8:
    p.layer = t.text;
    p.layerLine = line;
    return true;
  case 6:
    p.linetype = t.text;
    p.linetypeLine = line;
    return true;
  case 62:
    p.colorIndex = static_cast<int>(t.integer);
    p.colorLine = line;
    return true;
  case 420:
    p.hasTrueColor = true;
    p.trueColor = static_cast<std::uint32_t>(t.integer);
    if (p.colorLine == 0)
      p.colorLine = line;
    return true;
  case 430:
    p.colorName = t.text;
    return true;
  case 370:
    p.lineWeight = static_cast<int>(t.integer);
    p.lineWeightLine = line;
    return true;
  case 48:
    p.linetypeScale = t.real;
    p.linetypeScaleLine = line;
    return true;
  case 60:
    p.visibility = static_cast<int>(t.integer);
    return true;
  case 440:
    p.hasTransparency = true;
    p.transparency = static_cast<std::uint32_t>(t.integer);
    p.transparencyLine = line;
    return true;
  case 380:
    p.plotStyleType = static_cast<int>(t.integer);
    return true;
  case 390:
    p.plotStyleHandle = parseHandle(t);
    p.plotStyleLine = line;
    return true;
  case 410: case 347: case 348: case 284: case 92: case 160: case 310:
    // Layout name, material, visual style, shadows and proxy graphics: not kept.
    return true;
  default:
    return false;
  }
}

void DxfReader::applyEntityProps(OdDbEntity* pEnt, const DxfEntityProps& p, const char* kind)
{
  // An entity always has a layer and a linetype: "0" and ByLayer stand in for refused ones.
  if (!check(pEnt->setLayer(layerByName(p.layer, p.layerLine), false, true), p.layerLine, kind, " layer"))
    pEnt->setLayer(m_db->getLayerZeroId(), false, true);
  if (!check(pEnt->setLinetype(linetypeByName(p.linetype, p.linetypeLine), false), p.linetypeLine, kind, " linetype"))
    pEnt->setLinetype(m_db->getLinetypeByLayerId(), false);
  if (!p.hasTrueColor && (p.colorIndex < 0 || p.colorIndex > 256))
    repair(p.colorLine, std::string(kind) + " color " + std::to_string(p.colorIndex) + " is out of range (0 to 256)",
           "the entity keeps its color ByLayer");
  else if (p.colorIndex != 256 || p.hasTrueColor)
  {
    OdCmColor color;
    try
    {
      if (p.hasTrueColor)
        color.setRGB(static_cast<OdUInt8>(p.trueColor >> 16), static_cast<OdUInt8>(p.trueColor >> 8),
                     static_cast<OdUInt8>(p.trueColor));
      else
        color.setColorIndex(static_cast<OdUInt16>(p.colorIndex < 0 ? 0xFFFF : p.colorIndex));
    }
    catch (const OdError& e)
    {
      // The entity keeps its colour, ByLayer.
      refused(p.colorLine, kind, " color", e.code());
      color = pEnt->color();
    }
    if (!p.colorName.empty())
      nameColor(color, p.colorName, p.colorLine);
    check(pEnt->setColor(color, false), p.colorLine, kind, " color");
  }
  if (p.lineWeight != -1)
    apply(p.lineWeightLine, kind, [&] {
      check(pEnt->setLineWeight(lineWeightValue(p.lineWeight, p.lineWeightLine, kind, " lineweight"), false),
            p.lineWeightLine, kind, " lineweight");
    });
  if (p.linetypeScaleLine != 0)
    check(pEnt->setLinetypeScale(p.linetypeScale, false), p.linetypeScaleLine, kind, " linetype scale");
  if (p.visibility == 1)
    pEnt->setVisibility(OdDb::kInvisible, false);
  if (p.hasTransparency)
  {
    OdCmTransparency transparency;
    transparency.serializeIn(p.transparency);
    check(pEnt->setTransparency(transparency, false), p.transparencyLine, kind, " transparency");
  }
  if (!m_colorDependentPlotStyles && p.plotStyleType == 1)
    check(pEnt->setPlotStyleName(L"ByBlock", false), p.plotStyleLine, kind, " plot style");
}

// ---- kinds ---------------------------------------------------------------------------------------

OdDbEntityPtr DxfReader::readLine(DxfEntityProps& props)
{
  OdDbLinePtr pLine = OdDbLine::createObject();
  PointValue start, end, normal;
  RealValue thickness;
  for (const DxfTag* t : m_parts.body)
    if (!commonEntityTag(*t, props) && !start.take(*t, 10) && !end.take(*t, 11) && !normal.take(*t, 210))
      thickness.take(*t, 39);
  apply(start.line, "LINE start point", [&] { pLine->setStartPoint(start.p); });
  apply(end.line, "LINE end point", [&] { pLine->setEndPoint(end.p); });
  if (thickness.set)
    apply(thickness.line, "LINE thickness", [&] { pLine->setThickness(thickness.v); });
  if (normal.set)
    apply(normal.line, "LINE normal", [&] { pLine->setNormal(normal.vector()); });
  return pLine;
}

OdDbEntityPtr DxfReader::readCircle(DxfEntityProps& props)
{
  OdDbCirclePtr pCircle = OdDbCircle::createObject();
  PointValue center, normal;
  RealValue radius, thickness;
  for (const DxfTag* t : m_parts.body)
    if (!commonEntityTag(*t, props) && !center.take(*t, 10) && !normal.take(*t, 210) && !radius.take(*t, 40))
      thickness.take(*t, 39);
  if (normal.set)
    apply(normal.line, "CIRCLE normal", [&] { pCircle->setNormal(normal.vector()); });
  apply(center.line, "CIRCLE center", [&] { pCircle->setCenter(toWorld(center.p, normal)); });
  apply(radius.line ? radius.line : m_object.line, "CIRCLE radius", [&] { pCircle->setRadius(radius.v); });
  if (thickness.set)
    apply(thickness.line, "CIRCLE thickness", [&] { pCircle->setThickness(thickness.v); });
  return pCircle;
}

OdDbEntityPtr DxfReader::readArc(DxfEntityProps& props)
{
  OdDbArcPtr pArc = OdDbArc::createObject();
  PointValue center, normal;
  RealValue radius, thickness, startAngle, endAngle;
  for (const DxfTag* t : m_parts.body)
    if (!commonEntityTag(*t, props) && !center.take(*t, 10) && !normal.take(*t, 210) && !radius.take(*t, 40) &&
        !startAngle.take(*t, 50) && !endAngle.take(*t, 51))
      thickness.take(*t, 39);
  if (normal.set)
    apply(normal.line, "ARC normal", [&] { pArc->setNormal(normal.vector()); });
  apply(center.line, "ARC center", [&] { pArc->setCenter(toWorld(center.p, normal)); });
  apply(radius.line ? radius.line : m_object.line, "ARC radius", [&] { pArc->setRadius(radius.v); });
  apply(startAngle.line, "ARC start angle", [&] { pArc->setStartAngle(radians(startAngle.v)); });
  apply(endAngle.line, "ARC end angle", [&] { pArc->setEndAngle(radians(endAngle.v)); });
  if (thickness.set)
    apply(thickness.line, "ARC thickness", [&] { pArc->setThickness(thickness.v); });
  return pArc;
}

OdDbEntityPtr DxfReader::readText(DxfEntityProps& props)
{
  OdDbTextPtr pText = OdDbText::createObject();
  fillText(pText, props, "TEXT");
  return pText;
}

void DxfReader::fillText(OdDbText* pText, DxfEntityProps& props, const char* kind)
{
  const auto what = [kind](const char* field) { return std::string(kind) + " " + field; };
  PointValue position, alignment, normal;
  RealValue height, widthFactor, rotation, oblique, thickness;
  const DxfTag* contents = nullptr;
  const DxfTag* style = nullptr;
  const DxfTag* horizontal = nullptr;
  const DxfTag* vertical = nullptr;
  int generation = 0;
  for (const DxfTag* t : m_parts.body)
  {
    if (commonEntityTag(*t, props) || position.take(*t, 10) || alignment.take(*t, 11) || normal.take(*t, 210) ||
        height.take(*t, 40) || widthFactor.take(*t, 41) || rotation.take(*t, 50) || oblique.take(*t, 51) ||
        thickness.take(*t, 39))
      continue;
    switch (t->code)
    {
    case 1: contents = t; break;
    case 7: style = t; break;
    case 71: generation = static_cast<int>(t->integer); break;
    case 72: horizontal = t; break;
    case 73: vertical = t; break;
    default: break;
    }
  }
  if (normal.set)
    apply(normal.line, what("normal").c_str(), [&] { pText->setNormal(normal.vector()); });
  apply(position.line, what("position").c_str(), [&] { pText->setPosition(toWorld(position.p, normal)); });
  // Justified texts are anchored at the alignment point; without one it is the position.
  apply(alignment.line, what("alignment point").c_str(),
        [&] { pText->setAlignmentPoint(toWorld(alignment.set ? alignment.p : position.p, normal)); });
  if (horizontal)
    apply(horizontal->line + 1, what("horizontal justification").c_str(),
          [&] { pText->setHorizontalMode(enumValue<OdDb::TextHorzMode>(horizontal->integer, 0, 5, horizontal->line + 1, what("horizontal justification").c_str())); });
  if (vertical)
    apply(vertical->line + 1, what("vertical justification").c_str(),
          [&] { pText->setVerticalMode(enumValue<OdDb::TextVertMode>(vertical->integer, 0, 3, vertical->line + 1, what("vertical justification").c_str())); });
  if (height.set)
    apply(height.line, what("height").c_str(), [&] { pText->setHeight(height.v); });
  if (widthFactor.set)
    apply(widthFactor.line, what("width factor").c_str(), [&] { pText->setWidthFactor(widthFactor.v); });
  if (rotation.set)
    apply(rotation.line, what("rotation").c_str(), [&] { pText->setRotation(radians(rotation.v)); });
  if (oblique.set)
  {
    double deg = std::fmod(oblique.v, 360.0);
    if (deg > 180.0)
      deg -= 360.0;
    else if (deg < -180.0)
      deg += 360.0;
    apply(oblique.line, what("obliquing angle").c_str(), [&] { pText->setOblique(radians(deg)); });
  }
  if (thickness.set)
    apply(thickness.line, what("thickness").c_str(), [&] { pText->setThickness(thickness.v); });
  pText->mirrorInX((generation & 2) != 0);
  pText->mirrorInY((generation & 4) != 0);
  if (contents)
    pText->setTextString(text(*contents));
  pText->setTextStyle(textStyleByName(style ? style->text : std::string_view(), style ? style->line + 1 : 0));
}

OdDbEntityPtr DxfReader::readMText(DxfEntityProps& props)
{
  OdDbMTextPtr pMText = OdDbMText::createObject();
  fillMText(pMText, props, "MTEXT");
  return pMText;
}

void DxfReader::fillMText(OdDbMText* pMText, DxfEntityProps& props, const char* kind)
{
  const auto what = [kind](const char* field) { return std::string(kind) + " " + field; };
  PointValue location, direction, normal;
  RealValue height, width, rotation, spacingFactor, fillScale, columnWidth, gutter;
  // The rotation (50) is in degrees; a direction vector (11) says the same and wins over it.
  const DxfTag* style = nullptr;
  const DxfTag* attachment = nullptr;
  const DxfTag* flow = nullptr;
  const DxfTag* spacingStyle = nullptr;
  const DxfTag* fillFlags = nullptr;
  const DxfTag* fillColor = nullptr;
  const DxfTag* fillTrueColor = nullptr;
  const DxfTag* columnType = nullptr;
  const DxfTag* columnCount = nullptr;
  // The contents come in chunks (3 ... 3 1); they are joined before decoding, since a chunk may
  // end inside a multi-byte character.
  std::string contents;
  int contentsLine = m_object.line;
  for (const DxfTag* t : m_parts.body)
  {
    // An embedded object repeats codes for its own purposes.
    if (t->code == 101)
      break;
    if (commonEntityTag(*t, props) || location.take(*t, 10) || normal.take(*t, 210) || height.take(*t, 40) ||
        width.take(*t, 41) || spacingFactor.take(*t, 44) || fillScale.take(*t, 45) || columnWidth.take(*t, 48) ||
        gutter.take(*t, 49))
      continue;
    if (direction.take(*t, 11))
      continue;
    switch (t->code)
    {
    case 50:
      // Later 50 tags are the heights of columns.
      if (!rotation.set)
        rotation.take(*t, 50);
      break;
    case 1: case 3:
      contents.append(t->text.data(), t->text.size());
      contentsLine = t->line + 1;
      break;
    case 7: style = t; break;
    case 71: attachment = t; break;
    case 72: flow = t; break;
    case 73: spacingStyle = t; break;
    case 90: fillFlags = t; break;
    case 63: fillColor = t; break;
    case 421: fillTrueColor = t; break;
    case 75: columnType = t; break;
    case 76: columnCount = t; break;
    default: break;
    }
  }
  if (normal.set)
    apply(normal.line, what("normal").c_str(), [&] { pMText->setNormal(normal.vector()); });
  apply(location.line, what("location").c_str(), [&] { pMText->setLocation(location.p); });
  bool directed = false;
  if (direction.set)
    directed = apply(direction.line, what("direction").c_str(), [&] { pMText->setDirection(direction.vector()); });
  if (!directed && rotation.set)
  {
    double angle = radians(rotation.v);
    if (isRightAngleInRadians(rotation.v))
    {
      angle = rotation.v;
      repair(rotation.line, what("rotation ").c_str() + realText(rotation.v) + " is a multiple of a right angle in radians",
             "read it in radians, as " + realText(rotation.v * 180.0 / OdaPI) + " degrees");
    }
    apply(rotation.line, what("rotation").c_str(), [&] { pMText->setRotation(angle); });
  }
  if (height.set)
    apply(height.line, what("height").c_str(), [&] { pMText->setTextHeight(height.v); });
  if (width.set)
    apply(width.line, what("width").c_str(), [&] { pMText->setWidth(width.v); });
  if (attachment)
    apply(attachment->line + 1, what("attachment").c_str(),
          [&] { pMText->setAttachment(enumValue<OdDbMText::AttachmentPoint>(attachment->integer, 1, 9, attachment->line + 1, what("attachment").c_str())); });
  if (flow)
    apply(flow->line + 1, what("flow direction").c_str(),
          [&] { pMText->setFlowDirection(enumValue<OdDbMText::FlowDirection>(flow->integer, 1, 5, flow->line + 1, what("flow direction").c_str())); });
  if (spacingStyle)
    apply(spacingStyle->line + 1, what("line spacing style").c_str(),
          [&] { pMText->setLineSpacingStyle(enumValue<OdDb::LineSpacingStyle>(spacingStyle->integer, 1, 2, spacingStyle->line + 1, what("line spacing style").c_str())); });
  if (spacingFactor.set)
    apply(spacingFactor.line, what("line spacing factor").c_str(), [&] { pMText->setLineSpacingFactor(spacingFactor.v); });
  if (fillFlags)
  {
    pMText->setBackgroundFill((fillFlags->integer & 1) != 0);
    pMText->setUseBackgroundColor((fillFlags->integer & 2) != 0);
  }
  if (fillColor || fillTrueColor)
  {
    const int l = (fillTrueColor ? fillTrueColor : fillColor)->line + 1;
    apply(l, what("fill color").c_str(), [&] {
      OdCmColor color;
      if (fillTrueColor)
        color.setRGB(static_cast<OdUInt8>(fillTrueColor->integer >> 16), static_cast<OdUInt8>(fillTrueColor->integer >> 8),
                     static_cast<OdUInt8>(fillTrueColor->integer));
      else
        color.setColorIndex(static_cast<OdUInt16>(fillColor->integer));
      pMText->setBackgroundFillColor(color);
    });
  }
  if (fillScale.set)
    apply(fillScale.line, what("fill scale").c_str(), [&] { pMText->setBackgroundScaleFactor(fillScale.v); });
  if (columnType)
    apply(columnType->line + 1, what("column type").c_str(),
          [&] { pMText->setColumnType(enumValue<OdDbMText::ColumnType>(columnType->integer, 0, 2, columnType->line + 1, what("column type").c_str())); });
  if (columnCount)
    apply(columnCount->line + 1, what("column count").c_str(),
          [&] { pMText->setColumnCount(static_cast<OdInt32>(columnCount->integer)); });
  if (columnWidth.set)
    apply(columnWidth.line, what("column width").c_str(), [&] { pMText->setColumnWidth(columnWidth.v); });
  if (gutter.set)
    apply(gutter.line, what("gutter width").c_str(), [&] { pMText->setColumnGutterWidth(gutter.v); });
  pMText->setContents(text(contents, contentsLine));
  pMText->setTextStyle(textStyleByName(style ? style->text : std::string_view(), style ? style->line + 1 : 0));
}

OdDbEntityPtr DxfReader::readLwPolyline(DxfEntityProps& props)
{
  OdDbPolylinePtr pPolyline = OdDbPolyline::createObject();
  std::vector<PolylineVertex>& vertices = m_vertices;
  vertices.clear();
  PointValue normal;
  RealValue constantWidth, elevation, thickness;
  int flags = 0;
  bool vertexWidths = false;
  for (const DxfTag* t : m_parts.body)
  {
    if (commonEntityTag(*t, props) || normal.take(*t, 210) || constantWidth.take(*t, 43) || elevation.take(*t, 38) ||
        thickness.take(*t, 39))
      continue;
    if (t->code == 70)
    {
      flags = static_cast<int>(t->integer);
      continue;
    }
    if (t->code == 10)
    {
      vertices.emplace_back();
      vertices.back().p.x = t->real;
      vertices.back().line = t->line + 1;
      continue;
    }
    if (vertices.empty())
      continue;
    PolylineVertex& v = vertices.back();
    switch (t->code)
    {
    case 20: v.p.y = t->real; break;
    case 40: v.startWidth = t->real; vertexWidths = true; break;
    case 41: v.endWidth = t->real; vertexWidths = true; break;
    case 42: v.bulge = t->real; break;
    default: break;
    }
  }
  if (normal.set)
    apply(normal.line, "LWPOLYLINE normal", [&] { pPolyline->setNormal(normal.vector()); });
  pPolyline->reset(false, static_cast<unsigned int>(vertices.size()));
  for (const PolylineVertex& v : vertices)
  {
    // A vertex that gives only one width has the other at 0, as files mean it.
    const double sw = vertexWidths ? (v.startWidth < 0.0 ? 0.0 : v.startWidth) : -1.0;
    const double ew = vertexWidths ? (v.endWidth < 0.0 ? 0.0 : v.endWidth) : -1.0;
    apply(v.line, "LWPOLYLINE vertex", [&] { pPolyline->addVertexAt(pPolyline->numVerts(), v.p, v.bulge, sw, ew); });
  }
  if (constantWidth.set && !vertexWidths)
    apply(constantWidth.line, "LWPOLYLINE constant width", [&] { pPolyline->setConstantWidth(constantWidth.v); });
  if (elevation.set)
    apply(elevation.line, "LWPOLYLINE elevation", [&] { pPolyline->setElevation(elevation.v); });
  if (thickness.set)
    apply(thickness.line, "LWPOLYLINE thickness", [&] { pPolyline->setThickness(thickness.v); });
  pPolyline->setClosed((flags & 1) != 0);
  pPolyline->setPlinegen((flags & 128) != 0);
  return pPolyline;
}
} // namespace kydxf
