// DIMENSION entities of the linear kinds, read and written: the common AcDbDimension subclass
// (block, style, definition and text points, type bits, text and its rotation, attachment and
// line spacing), the AcDbAlignedDimension subclass (extension line origins, rotation, oblique
// angle) and the AcDbRotatedDimension marker of rotated ones. A dimension's style overrides
// travel in the extended data of the application "ACAD": "DSTYLE", then a 1002 "{" ... "}" group
// of pairs, each a 1070 group code of a variable followed by its value (1000 text, 1040 real,
// 1070 integer, 1005 handle). Inspection data, which DXF gives no group codes, travels the same
// way under this system's own application: "INSPECTION", then a 1002 group of pairs, each a
// 1070 key (1 on, 2 frame bits, 3 label, 4 rate) followed by its value; and so do the dimension
// variables without a group code, overridden on a dimension or set on a style: "DIMVARS", then
// pairs of the variable's name (1000) and its value (1040 real, 1000 text). The anonymous block that
// draws the dimension is kept as it came; only the reference to it is the dimension's.
#include <cmath>
#include <string>
#include <vector>

#include "DbAlignedDimension.h"
#include "DbBlockTableRecord.h"
#include "DbDimStyleTableRecord.h"
#include "DbRotatedDimension.h"
#include "DbSymbolTable.h"
#include "DxfEntityValues.h"
#include "DxfReader.h"
#include "DxfWriter.h"
#include "Ge/GeGbl.h"

namespace kydxf
{
namespace
{
const wchar_t* const kAcadApp = L"ACAD";
const wchar_t* const kDimStyleKey = L"DSTYLE";
const wchar_t* const kInspectionKey = L"INSPECTION";
enum InspectionKey
{
  kInspectionOn = 1,
  kInspectionFrame = 2,
  kInspectionLabel = 3,
  kInspectionRate = 4
};

bool hasInspection(const OdDbDimension* pDim)
{
  return pDim->inspection() || pDim->inspectionFrame() != 0 || !pDim->inspectionLabel().isEmpty() ||
         !pDim->inspectionRate().isEmpty();
}

const wchar_t* const kUncodedVarsKey = L"DIMVARS";

// The variables without a group code that the dimension overrides or the style sets, in the
// list's order.
std::vector<int> uncodedVars(const OdDbObject* pObj)
{
  std::vector<int> out;
  if (const OdDbDimension* pDim = OdDbDimension::cast(pObj).get())
  {
    const OdArray<int> overrides = pDim->dimVarOverrides();
    for (unsigned i = 0; i < overrides.size(); ++i)
      if (odDimVarDesc(overrides[i]).flags & kOdDimVarNoDxf)
        out.push_back(overrides[i]);
  }
  else if (const OdDbDimStyleTableRecord* pStyle = OdDbDimStyleTableRecord::cast(pObj).get())
  {
    for (int i = 0; i < kOdDimVarCount; ++i)
      if ((odDimVarDesc(i).flags & kOdDimVarNoDxf) && pStyle->isDimVarSet(i))
        out.push_back(i);
  }
  return out;
}

const OdDimVarValue& valueOf(const OdDbObject* pObj, int index)
{
  if (const OdDbDimension* pDim = OdDbDimension::cast(pObj).get())
    return pDim->dimVarValue(index);
  return static_cast<const OdDbDimStyleTableRecord*>(pObj)->dimVarValue(index);
}

// Type bits of group 70: the kind in the low bits, 32 for a block of this dimension alone, 128
// for a text at a place of its own.
const int kTypeAligned = 1;
const int kTypeKindMask = 0x0F;
const int kTypeOwnBlock = 32;
const int kTypeUserText = 128;

// The ACAD data of a dimension written out: DSTYLE with the overrides, then whatever else the
// dimension keeps under that application.
void overrideFields(const OdDbDimension* pDim, DxfFields& out)
{
  const OdArray<int> overrides = pDim->dimVarOverrides();
  out.text(1001, kAcadApp);
  out.text(1000, kDimStyleKey);
  out.text(1002, L"{");
  for (unsigned i = 0; i < overrides.size(); ++i)
  {
    const int index = overrides[i];
    const OdDimVarDesc& d = odDimVarDesc(index);
    if (d.flags & kOdDimVarNoDxf)
      continue; // under this system's application (dxfWriteOwnApplicationData)
    const OdDimVarValue& v = pDim->dimVarValue(index);
    out.integer(1070, d.code);
    switch (d.kind)
    {
    case OdDimVarKind::Real: out.real(1040, v.real); break;
    case OdDimVarKind::String: out.text(1000, v.text); break;
    case OdDimVarKind::Id: out.handle(1005, v.id); break;
    case OdDimVarKind::Color:
      // The override list carries colour indices only; a true colour would come back as another.
      if (v.color.isByColor())
        throw DxfWriteError{"DIMENSION " + DxfEncoder::handle(static_cast<std::uint64_t>(pDim->getDbHandle())) +
                            ": the true colour of the override " + dxfDimVarName(index) + " has no place in DXF"};
      out.integer(1070, v.color.colorIndex());
      break;
    default: out.integer(1070, v.integer); break;
    }
  }
  out.text(1002, L"}");
  const OdResBufPtr rest = pDim->xData(kAcadApp);
  if (!rest.isNull())
    out.xdataChain(rest->next().get());
}

void dimensionFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbDimension* pDim = static_cast<const OdDbDimension*>(pObj);
  const OdDbRotatedDimension* pRotated = OdDbRotatedDimension::cast(pObj).get();
  const OdDbAlignedDimension* pAligned = OdDbAlignedDimension::cast(pObj).get();
  entityFields(pDim, "DIMENSION", out);
  out.subclass("AcDbDimension",
               {2, 3, 10, 20, 30, 11, 21, 31, 12, 22, 32, 70, 1, 71, 72, 41, 42, 53, 210, 220, 230});
  const OdGeVector3d normal = pDim->normal();
  if (!pDim->dimBlockId().isNull())
    out.recordName(2, pDim->dimBlockId());
  out.point(10, pRotated ? pRotated->dimLinePoint() : pAligned->dimLinePoint());
  out.point(11, toObject(pDim->textPosition(), normal));
  if (pDim->dimBlockPosition() != OdGePoint3d::kOrigin)
    out.point(12, toObject(pDim->dimBlockPosition(), normal));
  int type = pRotated ? 0 : kTypeAligned;
  if (!pDim->dimBlockId().isNull())
    type |= kTypeOwnBlock;
  if (!pDim->isUsingDefaultTextPosition())
    type |= kTypeUserText;
  out.integer(70, type);
  if (!pDim->dimensionText().isEmpty())
    out.text(1, pDim->dimensionText());
  out.integer(71, pDim->textAttachment());
  if (pDim->textLineSpacingStyle() != 1)
    out.integer(72, pDim->textLineSpacingStyle());
  if (pDim->textLineSpacingFactor() != 1.0)
    out.real(41, pDim->textLineSpacingFactor());
  out.real(42, pDim->getMeasurement());
  if (pDim->textRotation() != 0.0)
    out.angle(53, pDim->textRotation());
  normalField(out, normal);
  if (!pDim->dimensionStyle().isNull())
    out.recordName(3, pDim->dimensionStyle());

  out.subclass("AcDbAlignedDimension", {13, 23, 33, 14, 24, 34, 50, 52});
  out.point(13, pRotated ? pRotated->xLine1Point() : pAligned->xLine1Point());
  out.point(14, pRotated ? pRotated->xLine2Point() : pAligned->xLine2Point());
  if (pRotated)
    out.angle(50, pRotated->rotation());
  const double oblique = pRotated ? pRotated->oblique() : pAligned->oblique();
  if (oblique != 0.0)
    out.angle(52, oblique);
  if (pRotated)
    out.subclass("AcDbRotatedDimension", {});
  dxfXDataFields(pDim, "DIMENSION", out);
}

const DxfKindWriter kAlignedWriter{"DIMENSION", &OdDbAlignedDimension::desc, &dimensionFields};
const DxfKindWriter kRotatedWriter{"DIMENSION", &OdDbRotatedDimension::desc, &dimensionFields};
const DxfKindWriters kDimensionWriters{&kAlignedWriter, &kRotatedWriter};
} // namespace

bool dxfWriteDimensionOverrides(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbDimension* pDim = OdDbDimension::cast(pObj).get();
  if (!pDim || pDim->dimVarOverrides().isEmpty())
    return false;
  overrideFields(pDim, out);
  return true;
}

const wchar_t* dxfOwnApplication()
{
  return L"KYPROPS";
}

bool dxfHasOwnApplicationData(const OdDbObject* pObj)
{
  const OdDbDimension* pDim = OdDbDimension::cast(pObj).get();
  return (pDim && hasInspection(pDim)) || !uncodedVars(pObj).empty();
}

bool dxfWriteOwnApplicationData(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbDimension* pDim = OdDbDimension::cast(pObj).get();
  const bool inspection = pDim && hasInspection(pDim);
  const std::vector<int> vars = uncodedVars(pObj);
  if (!inspection && vars.empty())
    return false;
  out.text(1001, dxfOwnApplication());
  if (!vars.empty())
  {
    out.text(1000, kUncodedVarsKey);
    out.text(1002, L"{");
    for (int index : vars)
    {
      const OdDimVarValue& v = valueOf(pObj, index);
      out.text(1000, OdString(odDimVarDesc(index).name));
      if (odDimVarDesc(index).kind == OdDimVarKind::Real)
        out.real(1040, v.real);
      else
        out.text(1000, v.text);
    }
    out.text(1002, L"}");
  }
  const OdResBufPtr rest = pObj->xData(dxfOwnApplication());
  if (!inspection)
  {
    if (!rest.isNull())
      out.xdataChain(rest->next().get());
    return true;
  }
  out.text(1000, kInspectionKey);
  out.text(1002, L"{");
  out.integer(1070, kInspectionOn);
  out.integer(1070, pDim->inspection() ? 1 : 0);
  out.integer(1070, kInspectionFrame);
  out.integer(1070, pDim->inspectionFrame());
  out.integer(1070, kInspectionLabel);
  out.text(1000, pDim->inspectionLabel());
  out.integer(1070, kInspectionRate);
  out.text(1000, pDim->inspectionRate());
  out.text(1002, L"}");
  if (!rest.isNull())
    out.xdataChain(rest->next().get());
  return true;
}

bool dxfReadsDimension(const DxfObject& object)
{
  bool aligned = false;
  int type = -1;
  for (const DxfTag& t : object.tags)
  {
    if (t.code == 100 && t.text == "AcDbAlignedDimension")
      aligned = true;
    else if (t.code == 70 && type < 0)
      type = static_cast<int>(t.integer);
  }
  const int kind = type < 0 ? 0 : (type & kTypeKindMask);
  return aligned && (kind == 0 || kind == kTypeAligned);
}

OdDbEntityPtr DxfReader::readDimension(DxfEntityProps& props)
{
  PointValue dimLine, textPos, blockPos, x1, x2, normal;
  RealValue rotation, oblique, textRotation, spacingFactor;
  const DxfTag *block = nullptr, *style = nullptr, *text = nullptr, *type = nullptr, *attachment = nullptr,
               *spacingStyle = nullptr;
  bool rotatedMarker = false;
  for (const DxfTag* t : m_parts.body)
  {
    if (t->code == 100 && t->text == "AcDbRotatedDimension")
      rotatedMarker = true;
    if (commonEntityTag(*t, props) || dimLine.take(*t, 10) || textPos.take(*t, 11) || blockPos.take(*t, 12) ||
        x1.take(*t, 13) || x2.take(*t, 14) || normal.take(*t, 210) || rotation.take(*t, 50) ||
        oblique.take(*t, 52) || textRotation.take(*t, 53) || spacingFactor.take(*t, 41))
      continue;
    switch (t->code)
    {
    case 1: text = t; break;
    case 2: block = t; break;
    case 3: style = t; break;
    case 70: type = t; break;
    case 71: attachment = t; break;
    case 72: spacingStyle = t; break;
    default: break;
    }
  }
  const int typeBits = type ? static_cast<int>(type->integer) : 0;
  const bool aligned = !rotatedMarker && (typeBits & kTypeKindMask) == kTypeAligned;
  OdDbDimensionPtr pDim;
  if (aligned)
  {
    OdDbAlignedDimensionPtr p = OdDbAlignedDimension::createObject();
    apply(x1.line, "DIMENSION first extension line origin", [&] { p->setXLine1Point(x1.p); });
    apply(x2.line, "DIMENSION second extension line origin", [&] { p->setXLine2Point(x2.p); });
    apply(dimLine.line, "DIMENSION definition point", [&] { p->setDimLinePoint(dimLine.p); });
    if (oblique.set)
      apply(oblique.line, "DIMENSION oblique angle", [&] { p->setOblique(oblique.v * OdaPI / 180.0); });
    pDim = p;
  }
  else
  {
    OdDbRotatedDimensionPtr p = OdDbRotatedDimension::createObject();
    apply(x1.line, "DIMENSION first extension line origin", [&] { p->setXLine1Point(x1.p); });
    apply(x2.line, "DIMENSION second extension line origin", [&] { p->setXLine2Point(x2.p); });
    apply(dimLine.line, "DIMENSION definition point", [&] { p->setDimLinePoint(dimLine.p); });
    if (rotation.set)
      apply(rotation.line, "DIMENSION rotation", [&] { p->setRotation(rotation.v * OdaPI / 180.0); });
    if (oblique.set)
      apply(oblique.line, "DIMENSION oblique angle", [&] { p->setOblique(oblique.v * OdaPI / 180.0); });
    pDim = p;
  }
  if (normal.set)
    apply(normal.line, "DIMENSION normal", [&] { pDim->setNormal(normal.vector()); });
  if (typeBits & kTypeUserText)
    pDim->useSetTextPosition();
  if (textPos.set)
    apply(textPos.line, "DIMENSION text position", [&] { pDim->setTextPosition(toWorld(textPos.p, normal)); });
  if (blockPos.set)
    apply(blockPos.line, "DIMENSION block insertion point", [&] { pDim->setDimBlockPosition(toWorld(blockPos.p, normal)); });
  if (textRotation.set)
    apply(textRotation.line, "DIMENSION text rotation", [&] { pDim->setTextRotation(textRotation.v * OdaPI / 180.0); });
  if (text)
    pDim->setDimensionText(this->text(*text));
  if (attachment)
    apply(attachment->line + 1, "DIMENSION text attachment",
          [&] { pDim->setTextAttachment(static_cast<int>(attachment->integer)); });
  // Some writers give line spacing style 0 for the default (at least).
  if (spacingStyle && spacingStyle->integer != 0)
    apply(spacingStyle->line + 1, "DIMENSION line spacing style",
          [&] { pDim->setTextLineSpacingStyle(static_cast<int>(spacingStyle->integer)); });
  if (spacingFactor.set)
    apply(spacingFactor.line, "DIMENSION line spacing factor", [&] { pDim->setTextLineSpacingFactor(spacingFactor.v); });

  // The style by name; a name the file does not define falls back to the drawing's Standard, and
  // a dimension the file gives no style keeps none (the defaults are in force).
  OdDbObjectId styleId;
  if (style)
  {
    styleId = m_db->getDimStyleStandardId();
    const OdString name = this->text(*style);
    OdDbSymbolTablePtr pStyles = m_db->getDimStyleTableId().safeOpenObject();
    const OdDbObjectId found = pStyles->getAt(name);
    if (!found.isNull())
      styleId = found;
    else
      repair(style->line + 1, "DIMENSION names the dimension style '" + name.toUtf8() + "', which the file does not define",
             "the dimension uses the style 'Standard'");
  }
  pDim->setDimensionStyle(styleId);

  // The block may come later in the file (a dimension inside another block): looked up once
  // everything is read.
  if (block)
  {
    const OdString name = this->text(*block);
    const int line = block->line + 1;
    OdDbDimensionPtr keep = pDim;
    defer(line, [this, keep, name, line] {
      OdDbSymbolTablePtr pBlocks = m_db->getBlockTableId().safeOpenObject();
      const OdDbObjectId id = pBlocks->getAt(name);
      if (id.isNull())
        repair(line, "DIMENSION names the block '" + name.toUtf8() + "', which the file does not define",
               "kept the dimension without its block");
      else
        keep->setDimBlockId(id);
    });
  }
  return pDim;
}

// Takes the group "key" 1002 "{" ... "}" out of the application's data in the chain and hands
// each of its pairs (a key of the type keyType, then its value) to take; a value without a key
// before it is a repair naming unkeyed. What the application holds besides the group stays in
// the chain.
OdResBufPtr DxfReader::takeKeyedGroup(OdResBufPtr chain, const wchar_t* app, const wchar_t* key, int keyType,
                                      const char* unkeyed, int line,
                                      const std::function<void(const OdResBuf&, const OdResBufPtr&)>& take)
{
  OdResBufPtr data = takeApp(chain, app);
  if (data.isNull())
    return chain;
  OdResBufPtr before = data, rb = data->next();
  while (!rb.isNull() && !(rb->restype() == 1000 && rb->getString().iCompare(key) == 0 && !rb->next().isNull() &&
                           rb->next()->restype() == 1002))
  {
    before = rb;
    rb = rb->next();
  }
  if (rb.isNull())
  {
    data->last()->setNext(chain);
    return data;
  }
  OdResBufPtr p = rb->next()->next();
  while (!p.isNull() && !(p->restype() == 1002 && p->getString() == L"}"))
  {
    if (p->restype() != keyType || p->next().isNull())
    {
      repair(line, unkeyed, "dropped the value");
      p = p->next();
      continue;
    }
    const OdResBufPtr k = p;
    const OdResBufPtr value = p->next();
    p = value->next();
    take(*k, value);
  }
  // What follows the closing brace stays the application's.
  OdResBufPtr after = p.isNull() ? OdResBufPtr() : p->next();
  before->setNext(after.get());
  if (data->next().isNull())
    return chain;
  data->last()->setNext(chain);
  return data;
}

// The inspection data under this system's application, applied to the dimension.
OdResBufPtr DxfReader::takeDimensionInspection(OdDbDimension* pDim, OdResBufPtr chain, int line)
{
  return takeKeyedGroup(
    chain, dxfOwnApplication(), kInspectionKey, 1070, "DIMENSION inspection data holds a value without a key before it",
    line, [&](const OdResBuf& keyTag, const OdResBufPtr& value) {
      const int key = keyTag.getInt16();
      const bool number = value->restype() == 1070;
      const bool text = value->restype() == 1000;
      switch (key)
      {
      case kInspectionOn:
        if (number)
          return pDim->setInspection(value->getInt16() != 0);
        break;
      case kInspectionFrame:
        if (number)
        {
          apply(line, "DIMENSION inspection frame", [&] { pDim->setInspectionFrame(value->getInt16()); });
          return;
        }
        break;
      case kInspectionLabel:
        if (text)
          return pDim->setInspectionLabel(value->getString());
        break;
      case kInspectionRate:
        if (text)
          return pDim->setInspectionRate(value->getString());
        break;
      default:
        repair(line, "DIMENSION inspection data names key " + std::to_string(key) + ", which this reader does not know",
               "dropped the value");
        return;
      }
      repair(line, "DIMENSION inspection value " + std::to_string(key) + " holds a value of another kind",
             "dropped the value");
    });
}

OdResBufPtr DxfReader::takeUncodedDimVars(OdDbObject* pObj, OdResBufPtr chain, int line)
{
  OdDbDimension* pDim = OdDbDimension::cast(pObj).get();
  OdDbDimStyleTableRecord* pStyle = OdDbDimStyleTableRecord::cast(pObj).get();
  if (!pDim && !pStyle)
    return chain;
  const char* kind = pDim ? "DIMENSION" : "DIMSTYLE";
  const std::string unnamed = std::string(kind) + " variables without group codes hold a value without a name before it";
  return takeKeyedGroup(
    chain, dxfOwnApplication(), kUncodedVarsKey, 1000, unnamed.c_str(), line,
    [&](const OdResBuf& nameTag, const OdResBufPtr& value) {
      const std::string name = nameTag.getString().toUtf8();
      const int index = odDimVarByName(name.c_str());
      if (index < 0 || !(odDimVarDesc(index).flags & kOdDimVarNoDxf))
      {
        repair(line, std::string(kind) + " variables without group codes name '" + name +
                       "', which is no such variable", "dropped the value");
        return;
      }
      OdDimVarValue v;
      const bool real = odDimVarDesc(index).kind == OdDimVarKind::Real;
      if (value->restype() != (real ? 1040 : 1000))
      {
        repair(line, std::string(kind) + " variable " + odDimVarDesc(index).name + " holds a value of another kind",
               "dropped the value");
        return;
      }
      if (real)
        v.real = value->getDouble();
      else
        v.text = value->getString();
      const std::string what = std::string(kind) + " variable " + odDimVarDesc(index).name;
      apply(line, what.c_str(), [&] {
        if (pDim)
          pDim->setDimVarValue(index, v);
        else
          pStyle->setDimVarValue(index, v);
      });
    });
}

// The DSTYLE overrides of the dimension's ACAD data, applied to the dimension.
OdResBufPtr DxfReader::takeDimensionOverrides(OdDbDimension* pDim, OdResBufPtr chain, int line)
{
  return takeKeyedGroup(
    chain, kAcadApp, kDimStyleKey, 1070, "DIMENSION style overrides hold a value without a group code before it", line,
    [&](const OdResBuf& codeTag, const OdResBufPtr& value) {
      const int code = codeTag.getInt16();
      const int index = odDimVarByCode(code, false);
      if (index < 0)
      {
        repair(line,
               "DIMENSION style overrides name group code " + std::to_string(code) + ", which is no dimension variable",
               "dropped the override");
        return;
      }
      OdDimVarValue v;
      const OdDimVarDesc& d = odDimVarDesc(index);
      bool ok = true;
      switch (d.kind)
      {
      case OdDimVarKind::Real:
        ok = value->restype() == 1040;
        if (ok)
          v.real = value->getDouble();
        break;
      case OdDimVarKind::String:
        ok = value->restype() == 1000;
        if (ok)
          v.text = value->getString();
        break;
      case OdDimVarKind::Id:
        ok = value->restype() == 1005;
        if (ok)
          v.id = idOfHandle(static_cast<std::uint64_t>(value->getHandle()));
        break;
      case OdDimVarKind::Color:
        ok = value->restype() == 1070 || value->restype() == 1071;
        if (ok)
          ok = apply(line, "DIMENSION colour override", [&] {
            v.color.setColorIndex(static_cast<OdUInt16>(value->restype() == 1070 ? value->getInt16() : value->getInt32()));
          });
        break;
      default:
        ok = value->restype() == 1070 || value->restype() == 1071;
        if (ok)
          v.integer = value->restype() == 1070 ? value->getInt16() : value->getInt32();
        break;
      }
      if (!ok)
      {
        repair(line, std::string("DIMENSION style override of ") + d.name + " holds a value of another kind",
               "dropped the override");
        return;
      }
      const std::string what = std::string("DIMENSION style override of ") + d.name;
      apply(line, what.c_str(), [&] { pDim->setDimVarValue(index, v); });
    });
}
} // namespace kydxf
