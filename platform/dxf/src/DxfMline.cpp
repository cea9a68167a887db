// Multilines and their styles: MLINE (the style by handle, else by name, read once the OBJECTS
// section is linked; without either the multiline has no style; scale, justification, flags and the vertices in world coordinates) and
// MLINESTYLE objects, which the ACAD_MLINESTYLE dictionary lists by name. A multiline's segment
// and miter directions and element parameters are not read: the multiline computes them from
// its vertices and style, and the writer gives those.
#include <cmath>
#include <string>

#include "DbDictionary.h"
#include "DbMline.h"
#include "DbMlineStyle.h"
#include "DxfEntityValues.h"
#include "DxfReader.h"
#include "DxfWriter.h"
#include "Ge/GeGbl.h"

namespace kydxf
{
namespace
{
// Flags of group 71.
const int kHasVertices = 1;
const int kClosed = 2;
const int kSuppressStart = 4;
const int kSuppressEnd = 8;

void mlineFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbMline* pMline = static_cast<const OdDbMline*>(pObj);
  entityFields(pMline, "MLINE", out);
  out.subclass("AcDbMline", {2,  340, 40, 70, 71, 72, 73, 10, 20, 30, 210, 220, 230,
                             11, 21,  31, 12, 22, 32, 13, 23, 33, 74, 41, 75,  42});
  // A multiline without style goes out without a style reference; one whose style does not open
  // keeps the handle it names.
  OdDbObjectPtr pObjStyle = pMline->style().openObject();
  OdDbMlineStylePtr pStyle = OdDbMlineStyle::cast(pObjStyle.get());
  if (!pStyle.isNull())
    out.text(2, pStyle->name());
  if (!pMline->style().isNull())
    out.handle(340, pMline->style());
  out.real(40, pMline->scale());
  out.integer(70, pMline->justification());
  const int vertices = pMline->numVertices();
  out.integer(71, (vertices > 0 ? kHasVertices : 0) | (pMline->closedMline() ? kClosed : 0) |
                    (pMline->suppressStartCaps() ? kSuppressStart : 0) |
                    (pMline->suppressEndCaps() ? kSuppressEnd : 0));
  out.integer(72, vertices);
  out.integer(73, pMline->numElements());
  out.point(10, vertices > 0 ? pMline->vertexAt(0) : OdGePoint3d::kOrigin);
  normalField(out, pMline->normal());
  OdMLSegmentArray params;
  for (int i = 0; i < vertices; ++i)
  {
    out.point(11, pMline->vertexAt(i));
    out.vector(12, pMline->axisAt(i));
    out.vector(13, pMline->miterAt(i));
    pMline->getParametersAt(i, params);
    for (unsigned e = 0; e < params.size(); ++e)
    {
      out.integer(74, params[e].segParams.size());
      for (unsigned k = 0; k < params[e].segParams.size(); ++k)
        out.real(41, params[e].segParams[k]);
      out.integer(75, params[e].areaFillParams.size());
      for (unsigned k = 0; k < params[e].areaFillParams.size(); ++k)
        out.real(42, params[e].areaFillParams[k]);
    }
  }
  dxfXDataFields(pMline, "MLINE", out);
}

// Colour index 62 (256 ByLayer, 0 ByBlock) and, from R2004 on, a true colour under 420; an older
// version refuses the true colour.
void styleColorFields(const OdDbObject* pStyle, DxfFields& out, const OdCmColor& color)
{
  switch (color.colorMethod())
  {
  case OdCmEntityColor::kByLayer: out.integer(62, 256); return;
  case OdCmEntityColor::kByBlock: out.integer(62, 0); return;
  default: out.integer(62, color.colorIndex());
  }
  if (!color.isByColor())
    return;
  dxfRequireVersion(pStyle, "MLINESTYLE", out, kDxfR2004,
                    "a true colour (" + std::to_string(color.red()) + "," + std::to_string(color.green()) + "," +
                        std::to_string(color.blue()) + ")");
  out.integer(420, (color.red() << 16) | (color.green() << 8) | color.blue());
}

void mlineStyleFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbMlineStyle* pStyle = static_cast<const OdDbMlineStyle*>(pObj);
  out.subclass("AcDbMlineStyle", {2, 70, 3, 62, 420, 51, 52, 71, 49, 6});
  out.text(2, pStyle->name());
  out.integer(70, pStyle->flags());
  out.text(3, pStyle->description());
  styleColorFields(pObj, out, pStyle->fillColor());
  out.angle(51, pStyle->startAngle());
  out.angle(52, pStyle->endAngle());
  out.integer(71, pStyle->numElements());
  OdDbDatabase* db = out.database();
  for (int i = 0; i < pStyle->numElements(); ++i)
  {
    double offset = 0.0;
    OdCmColor color;
    OdDbObjectId linetype;
    pStyle->getElementAt(i, offset, color, linetype);
    out.real(49, offset);
    styleColorFields(pObj, out, color);
    if (linetype.isNull() || (db && linetype == db->getLinetypeByLayerId()))
      out.text(6, L"BYLAYER");
    else if (db && linetype == db->getLinetypeByBlockId())
      out.text(6, L"BYBLOCK");
    else
      out.recordName(6, linetype);
  }
  dxfXDataFields(pStyle, "MLINESTYLE", out);
}

const DxfKindWriter kMlineWriter{"MLINE", &OdDbMline::desc, &mlineFields};
const DxfKindWriter kMlineStyleWriter{"MLINESTYLE", &OdDbMlineStyle::desc, &mlineStyleFields};
const DxfKindWriters kMlineWriters{&kMlineWriter, &kMlineStyleWriter};

int lineOf(const DxfTag* t, int fallback)
{
  return t ? t->line + 1 : fallback;
}
} // namespace

OdDbEntityPtr DxfReader::readMline(DxfEntityProps& props)
{
  OdDbMlinePtr pMline = OdDbMline::createObject();
  PointValue start, normal;
  RealValue scale;
  const DxfTag *name = nullptr, *handle = nullptr, *justification = nullptr, *flags = nullptr;
  const DxfTag *vertexCount = nullptr, *elementCount = nullptr;
  std::vector<PointValue> vertices;
  int breaksLine = 0;
  for (const DxfTag* t : m_parts.body)
  {
    if (commonEntityTag(*t, props) || start.take(*t, 10) || normal.take(*t, 210) || scale.take(*t, 40))
      continue;
    switch (t->code)
    {
    case 2: name = t; break;
    case 340: handle = t; break;
    case 70: justification = t; break;
    case 71: flags = t; break;
    case 72: vertexCount = t; break;
    case 73: elementCount = t; break;
    case 11: vertices.emplace_back(); vertices.back().take(*t, 11); break;
    case 21: case 31:
      if (!vertices.empty())
        vertices.back().take(*t, 11);
      break;
    // More than the miter distance and the start, or area-fill parameters: the element has breaks.
    case 74:
      if (t->integer > 2 && breaksLine == 0)
        breaksLine = t->line + 1;
      break;
    case 75:
      if (t->integer > 0 && breaksLine == 0)
        breaksLine = t->line + 1;
      break;
    default: break;
    }
  }
  if (normal.set)
    apply(normal.line, "MLINE normal", [&] { pMline->setNormal(normal.vector()); });
  if (scale.set)
    apply(scale.line, "MLINE scale", [&] { pMline->setScale(scale.v); });
  if (justification)
  {
    const int line = lineOf(justification, m_object.line);
    apply(line, "MLINE justification", [&] {
      pMline->setJustification(
        enumValue<Mline::MlineJustification>(justification->integer, 0, 2, line, "MLINE justification"));
    });
  }
  if (flags)
  {
    const std::int64_t bits = flags->integer;
    if (bits < 0 || bits > 15)
      repair(lineOf(flags, m_object.line), "MLINE flags " + std::to_string(bits) + " beyond the four known bits",
             "kept the known bits");
    pMline->setClosedMline((bits & kClosed) != 0);
    pMline->setSuppressStartCaps((bits & kSuppressStart) != 0);
    pMline->setSuppressEndCaps((bits & kSuppressEnd) != 0);
  }
  if (vertices.empty() && start.set)
    vertices.push_back(start);
  checkCount(vertexCount, static_cast<unsigned>(vertices.size()), "MLINE", "vertex");
  for (const PointValue& v : vertices)
    apply(v.line, "MLINE vertex", [&] { pMline->appendSeg(v.p); });
  if (breaksLine != 0)
    repair(breaksLine, "MLINE elements with breaks or fill breaks", "an edit of the multiline draws its elements whole");

  // The style: by handle once the OBJECTS section is linked, else by name.
  const std::uint64_t styleHandle = handle ? parseHandle(*handle) : 0;
  const int handleLine = lineOf(handle, m_object.line);
  const OdString styleName = name ? text(*name) : OdString();
  const int line = m_object.line;
  const std::int64_t elements = elementCount ? elementCount->integer : -1;
  const int elementsLine = lineOf(elementCount, line);
  defer(line, [this, pMline, styleHandle, handleLine, styleName, line, elements, elementsLine] {
    OdDbObjectId id = styleHandle ? idOfHandle(styleHandle) : OdDbObjectId();
    if (!id.isNull() && !id.objectClass()->isDerivedFrom(OdDbMlineStyle::desc()))
      id = OdDbObjectId();
    if (id.isNull())
    {
      if (!styleName.isEmpty())
        id = mlineStyleByName(styleName);
      const std::string named = "'" + styleName.toUtf8() + "'";
      const std::string action =
        id.isNull() ? "kept the multiline without style" : "used the style " + named + " by its name";
      // A file that names no style at all gives a multiline without style: nothing to repair.
      if (styleHandle)
        repair(handleLine, "MLINE style handle " + dxfHex(styleHandle) + " names no multiline style", action);
      else if (id.isNull() && !styleName.isEmpty())
        repair(line, "MLINE style " + named + " is not in the drawing", action);
    }
    pMline->setStyle(id);
    // The elements are the style's, whatever count the file gives.
    if (!id.isNull() && elements >= 0 && elements != pMline->numElements())
      repair(elementsLine,
             "MLINE element count " + std::to_string(elements) + " differs from the " +
               std::to_string(pMline->numElements()) + " of its style",
             "drew the elements of its style");
  });
  return pMline;
}

OdDbObjectId DxfReader::mlineStyleByName(const OdString& name) const
{
  OdDbDictionaryPtr pNod = m_db->getNamedObjectsDictionaryId().safeOpenObject();
  OdDbDictionaryPtr pStyles = OdDbDictionary::cast(pNod->getAt(OdDbMlineStyle::kDictionaryName, OdDb::kForRead));
  if (pStyles.isNull())
    return OdDbObjectId();
  const OdDbObjectId id = pStyles->getAt(name);
  return !id.isNull() && id.objectClass()->isDerivedFrom(OdDbMlineStyle::desc()) ? id : OdDbObjectId();
}

// The values are kept until the style's dictionary lists it (linkMlineStyle).
void DxfReader::readMlineStyle(const DxfTag& start)
{
  splitParts(m_object, m_parts);
  MlineStyleInfo style;
  style.line = start.line;
  bool inStyle = false;
  const DxfTag* count = nullptr;
  for (const DxfTag* t : m_parts.body)
  {
    if (t->code == 100)
    {
      inStyle = t->text == "AcDbMlineStyle";
      continue;
    }
    if (t->code == 5)
    {
      style.handle = parseHandle(*t);
      continue;
    }
    if (!inStyle)
      continue;
    MlineStyleInfo::Color& color = style.elements.empty() ? style.fill : style.elements.back().color;
    switch (t->code)
    {
    case 2: style.name = text(*t); break;
    case 3: style.description = text(*t); break;
    case 70:
      style.hasFlags = true;
      style.flags = t->integer;
      style.flagsLine = t->line + 1;
      break;
    case 51: style.startAngle.take(*t, 51); break;
    case 52: style.endAngle.take(*t, 52); break;
    case 71: count = t; break;
    case 62:
      color.set = true;
      color.index = t->integer;
      color.line = t->line + 1;
      break;
    case 420:
      color.hasRgb = true;
      color.rgb = static_cast<std::uint32_t>(t->integer);
      break;
    case 49:
      style.elements.emplace_back();
      style.elements.back().offset.take(*t, 49);
      break;
    case 6:
      // A null linetype stands for ByLayer.
      if (!style.elements.empty())
      {
        const OdDbObjectId linetype = linetypeByName(t->text, t->line + 1);
        style.elements.back().linetype = linetype == m_db->getLinetypeByLayerId() ? OdDbObjectId() : linetype;
      }
      break;
    default: break;
    }
  }
  if (style.handle == 0)
  {
    repair(start.line, "MLINESTYLE without a handle", "passed over the MLINESTYLE");
    noteDropped(start.line);
    countSkipped("MLINESTYLE");
    return;
  }
  checkCount(count, static_cast<unsigned>(style.elements.size()), "MLINESTYLE", "element");
  style.xdata = buildXData(m_object.tags, m_parts.xdataBegin);
  const std::uint64_t handle = style.handle;
  if (!m_mlineStyles.emplace(handle, std::move(style)).second)
  {
    repair(start.line, "handle " + dxfHex(handle) + " is given to two objects",
           "kept the first MLINESTYLE with that handle, passed over this one");
    noteDropped(start.line);
    countSkipped("MLINESTYLE");
  }
}

void DxfReader::linkMlineStyle(OdDbDictionary* pDict, const OdString& name, std::uint64_t handle)
{
  MlineStyleInfo& info = m_mlineStyles[handle];
  if (info.linked)
  {
    repair(info.line, "MLINESTYLE " + dxfHex(handle) + " is listed twice", "kept it under its first name");
    return;
  }
  info.linked = true;
  OdDbMlineStylePtr pStyle = OdDbMlineStyle::createObject();
  pStyle->setName(info.name.isEmpty() ? name : info.name);
  pStyle->setDescription(info.description);
  // 256 ByLayer, 0 ByBlock, 1..255 a palette colour, with the true colour of group 420.
  auto colorOf = [&](const MlineStyleInfo::Color& c, OdCmColor& color) {
    if (!c.set)
      return;
    apply(c.line, "MLINESTYLE colour", [&] {
      OdCmColor read;
      read.setColorIndex(static_cast<OdUInt16>(c.index < 0 || c.index > 256 ? 1000 : c.index));
      if (c.hasRgb)
        read.setRGB(static_cast<OdUInt8>(c.rgb >> 16), static_cast<OdUInt8>(c.rgb >> 8), static_cast<OdUInt8>(c.rgb));
      color = read;
    });
  };
  OdCmColor fill(OdCmEntityColor::kByLayer);
  colorOf(info.fill, fill);
  pStyle->setFillColor(fill);
  if (info.hasFlags)
    apply(info.flagsLine, "MLINESTYLE flags",
          [&] { pStyle->setFlags(static_cast<OdUInt16>(info.flags < 0 || info.flags > 0xffff ? 0xffff : info.flags)); });
  if (info.startAngle.set)
    apply(info.startAngle.line, "MLINESTYLE start angle",
          [&] { pStyle->setStartAngle(info.startAngle.v * OdaPI / 180.0); });
  if (info.endAngle.set)
    apply(info.endAngle.line, "MLINESTYLE end angle", [&] { pStyle->setEndAngle(info.endAngle.v * OdaPI / 180.0); });
  // The file's elements replace the standard ones.
  while (pStyle->numElements() > 0)
    pStyle->removeElementAt(0);
  for (const MlineStyleInfo::Element& e : info.elements)
  {
    OdCmColor color(OdCmEntityColor::kByLayer);
    colorOf(e.color, color);
    apply(e.offset.line, "MLINESTYLE element offset", [&] { pStyle->addElement(e.offset.v, color, e.linetype); });
  }
  OdDbObjectId id;
  const std::uint64_t own = ownHandle(handle, info.line, "MLINESTYLE");
  prepareHandle(own, info.line);
  if (!apply(info.line, "MLINESTYLE", [&] { id = pDict->setAt(name, pStyle.get()); }) || id.isNull())
    return;
  placeAtHandle(id, own, info.line);
  noteHandle(id);
  noteSource(info.line, id);
  applyXData(pStyle, info.xdata, info.line);
  info.xdata.release();
}
} // namespace kydxf
