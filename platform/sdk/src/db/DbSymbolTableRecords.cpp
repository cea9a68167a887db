// Layer, linetype, text style, dimension style, registered application and UCS records.
#include <algorithm>
#include <cmath>

#include "DbDimStyleTableRecord.h"
#include "DbFiler.h"
#include "DbInternal.h"
#include "DbLayerTableRecord.h"
#include "DbLinetypeTableRecord.h"
#include "DbRegAppTableRecord.h"
#include "DbTextStyleTableRecord.h"
#include "DbUCSTableRecord.h"
#include "Gi/GiTextStyle.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbLayerTableRecord, OdDbSymbolTableRecord, L"LAYER")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbLinetypeTableRecord, OdDbSymbolTableRecord, L"LTYPE")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbTextStyleTableRecord, OdDbSymbolTableRecord, L"STYLE")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbDimStyleTableRecord, OdDbSymbolTableRecord, L"DIMSTYLE")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbRegAppTableRecord, OdDbSymbolTableRecord, L"APPID")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbUCSTableRecord, OdDbSymbolTableRecord, L"UCS")

namespace
{
void checkLayerColor(const OdCmColor& color)
{
  if (!color.isByACI() && !color.isByColor())
    throw OdError(eInvalidInput);
}

void checkLayerLineWeight(OdDb::LineWeight lineWeight)
{
  if (!odIsValidLineWeight(lineWeight) || lineWeight == OdDb::kLnWtByLayer || lineWeight == OdDb::kLnWtByBlock)
    throw OdError(eInvalidInput);
}

void checkLayerTransparency(const OdCmTransparency& transparency)
{
  if (!transparency.isByAlpha())
    throw OdError(eInvalidInput);
}

void checkLinetypeId(const OdDbObjectId& linetypeId)
{
  if (linetypeId.isNull())
    throw OdError(eNullObjectId);
  if (!odDbIdIsKindOf(linetypeId, OdDbLinetypeTableRecord::desc()))
    throw OdError(eWrongObjectType);
}
} // namespace

// ---- OdDbLayerTableRecord ----------------------------------------------------------------------

OdDbLayerTableRecord::OdDbLayerTableRecord()
{
  m_color.setColorIndex(7);
  m_plotStyleName = L"Normal";
  m_transparency.setAlpha(255);
}

bool OdDbLayerTableRecord::isFrozen() const { assertReadEnabled(); return m_frozen; }
void OdDbLayerTableRecord::setIsFrozen(bool frozen) { assertWriteEnabled(); m_frozen = frozen; }
bool OdDbLayerTableRecord::isOff() const { assertReadEnabled(); return m_off; }
void OdDbLayerTableRecord::setIsOff(bool off) { assertWriteEnabled(); m_off = off; }
bool OdDbLayerTableRecord::isLocked() const { assertReadEnabled(); return m_locked; }
void OdDbLayerTableRecord::setIsLocked(bool locked) { assertWriteEnabled(); m_locked = locked; }
bool OdDbLayerTableRecord::isPlottable() const { assertReadEnabled(); return m_plottable; }
void OdDbLayerTableRecord::setIsPlottable(bool plottable) { assertWriteEnabled(); m_plottable = plottable; }
bool OdDbLayerTableRecord::isHidden() const { assertReadEnabled(); return m_hidden; }
void OdDbLayerTableRecord::setIsHidden(bool hidden) { assertWriteEnabled(); m_hidden = hidden; }
bool OdDbLayerTableRecord::VPDFLT() const { assertReadEnabled(); return m_vpdflt; }
void OdDbLayerTableRecord::setVPDFLT(bool frozen) { assertWriteEnabled(); m_vpdflt = frozen; }

OdCmColor OdDbLayerTableRecord::color() const
{
  assertReadEnabled();
  return m_color;
}

void OdDbLayerTableRecord::setColor(const OdCmColor& color)
{
  assertWriteEnabled(false, false);
  checkLayerColor(color);
  assertWriteEnabled();
  m_color = color;
}

OdCmEntityColor OdDbLayerTableRecord::entityColor() const
{
  return color().entityColor();
}

OdDbObjectId OdDbLayerTableRecord::linetypeObjectId() const
{
  assertReadEnabled();
  if (m_linetypeId.isNull() && database())
    return database()->getLinetypeContinuousId();
  return m_linetypeId;
}

void OdDbLayerTableRecord::setLinetypeObjectId(const OdDbObjectId& linetypeId)
{
  assertWriteEnabled(false, false);
  checkLinetypeId(linetypeId);
  assertWriteEnabled();
  m_linetypeId = linetypeId;
}

OdDb::LineWeight OdDbLayerTableRecord::lineWeight() const
{
  assertReadEnabled();
  return m_lineWeight;
}

void OdDbLayerTableRecord::setLineWeight(OdDb::LineWeight lineWeight)
{
  assertWriteEnabled(false, false);
  checkLayerLineWeight(lineWeight);
  assertWriteEnabled();
  m_lineWeight = lineWeight;
}

OdString OdDbLayerTableRecord::plotStyleName() const
{
  assertReadEnabled();
  return m_plotStyleName;
}

void OdDbLayerTableRecord::setPlotStyleName(const OdString& plotStyleName)
{
  assertWriteEnabled(false, false);
  if (plotStyleName.isEmpty())
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_plotStyleName = plotStyleName;
}

OdCmTransparency OdDbLayerTableRecord::transparency() const
{
  assertReadEnabled();
  return m_transparency;
}

void OdDbLayerTableRecord::setTransparency(const OdCmTransparency& transparency)
{
  assertWriteEnabled(false, false);
  checkLayerTransparency(transparency);
  assertWriteEnabled();
  m_transparency = transparency;
}

OdString OdDbLayerTableRecord::description() const
{
  assertReadEnabled();
  return m_description;
}

void OdDbLayerTableRecord::setDescription(const OdString& description)
{
  assertWriteEnabled();
  m_description = description;
}

const OdDbLayerTableRecord::ViewportOverrides* OdDbLayerTableRecord::findOverrides(const OdDbObjectId& viewportId) const
{
  for (const ViewportOverrides& o : m_overrides)
    if (o.viewportId == viewportId)
      return &o;
  return 0;
}

OdDbLayerTableRecord::ViewportOverrides& OdDbLayerTableRecord::overridesFor(const OdDbObjectId& viewportId)
{
  if (viewportId.isNull())
    throw OdError(eNullObjectId);
  for (ViewportOverrides& o : m_overrides)
    if (o.viewportId == viewportId)
      return o;
  m_overrides.emplace_back();
  m_overrides.back().viewportId = viewportId;
  return m_overrides.back();
}

void OdDbLayerTableRecord::dropEmptyOverrides()
{
  m_overrides.erase(std::remove_if(m_overrides.begin(), m_overrides.end(),
                                   [](const ViewportOverrides& o) { return o.isEmpty(); }),
                    m_overrides.end());
}

OdCmColor OdDbLayerTableRecord::color(const OdDbObjectId& viewportId, bool& isOverride) const
{
  assertReadEnabled();
  const ViewportOverrides* o = findOverrides(viewportId);
  isOverride = o && o->hasColor;
  return isOverride ? o->color : m_color;
}

OdDbObjectId OdDbLayerTableRecord::linetypeObjectId(const OdDbObjectId& viewportId, bool& isOverride) const
{
  const ViewportOverrides* o = findOverrides(viewportId);
  isOverride = o && o->hasLinetype;
  return isOverride ? o->linetypeId : linetypeObjectId();
}

OdDb::LineWeight OdDbLayerTableRecord::lineWeight(const OdDbObjectId& viewportId, bool& isOverride) const
{
  assertReadEnabled();
  const ViewportOverrides* o = findOverrides(viewportId);
  isOverride = o && o->hasLineWeight;
  return isOverride ? o->lineWeight : m_lineWeight;
}

OdString OdDbLayerTableRecord::plotStyleName(const OdDbObjectId& viewportId, bool& isOverride) const
{
  assertReadEnabled();
  const ViewportOverrides* o = findOverrides(viewportId);
  isOverride = o && o->hasPlotStyle;
  return isOverride ? o->plotStyleName : m_plotStyleName;
}

OdCmTransparency OdDbLayerTableRecord::transparency(const OdDbObjectId& viewportId, bool& isOverride) const
{
  assertReadEnabled();
  const ViewportOverrides* o = findOverrides(viewportId);
  isOverride = o && o->hasTransparency;
  return isOverride ? o->transparency : m_transparency;
}

void OdDbLayerTableRecord::setColor(const OdCmColor& color, const OdDbObjectId& viewportId)
{
  assertWriteEnabled(false, false);
  checkLayerColor(color);
  if (viewportId.isNull())
    throw OdError(eNullObjectId);
  assertWriteEnabled();
  ViewportOverrides& o = overridesFor(viewportId);
  o.hasColor = true;
  o.color = color;
}

void OdDbLayerTableRecord::setLinetype(const OdDbObjectId& linetypeId, const OdDbObjectId& viewportId)
{
  assertWriteEnabled(false, false);
  checkLinetypeId(linetypeId);
  if (viewportId.isNull())
    throw OdError(eNullObjectId);
  assertWriteEnabled();
  ViewportOverrides& o = overridesFor(viewportId);
  o.hasLinetype = true;
  o.linetypeId = linetypeId;
}

void OdDbLayerTableRecord::setLineWeight(OdDb::LineWeight lineWeight, const OdDbObjectId& viewportId)
{
  assertWriteEnabled(false, false);
  checkLayerLineWeight(lineWeight);
  if (viewportId.isNull())
    throw OdError(eNullObjectId);
  assertWriteEnabled();
  ViewportOverrides& o = overridesFor(viewportId);
  o.hasLineWeight = true;
  o.lineWeight = lineWeight;
}

void OdDbLayerTableRecord::setPlotStyleName(const OdString& plotStyleName, const OdDbObjectId& viewportId)
{
  assertWriteEnabled(false, false);
  if (plotStyleName.isEmpty())
    throw OdError(eInvalidInput);
  if (viewportId.isNull())
    throw OdError(eNullObjectId);
  assertWriteEnabled();
  ViewportOverrides& o = overridesFor(viewportId);
  o.hasPlotStyle = true;
  o.plotStyleName = plotStyleName;
}

void OdDbLayerTableRecord::setTransparency(const OdCmTransparency& transparency, const OdDbObjectId& viewportId)
{
  assertWriteEnabled(false, false);
  checkLayerTransparency(transparency);
  if (viewportId.isNull())
    throw OdError(eNullObjectId);
  assertWriteEnabled();
  ViewportOverrides& o = overridesFor(viewportId);
  o.hasTransparency = true;
  o.transparency = transparency;
}

void OdDbLayerTableRecord::removeColorOverride(const OdDbObjectId& viewportId)
{
  assertWriteEnabled();
  for (ViewportOverrides& o : m_overrides)
    if (o.viewportId == viewportId)
      o.hasColor = false;
  dropEmptyOverrides();
}

void OdDbLayerTableRecord::removeLinetypeOverride(const OdDbObjectId& viewportId)
{
  assertWriteEnabled();
  for (ViewportOverrides& o : m_overrides)
    if (o.viewportId == viewportId)
      o.hasLinetype = false;
  dropEmptyOverrides();
}

void OdDbLayerTableRecord::removeLineWeightOverride(const OdDbObjectId& viewportId)
{
  assertWriteEnabled();
  for (ViewportOverrides& o : m_overrides)
    if (o.viewportId == viewportId)
      o.hasLineWeight = false;
  dropEmptyOverrides();
}

void OdDbLayerTableRecord::removePlotStyleOverride(const OdDbObjectId& viewportId)
{
  assertWriteEnabled();
  for (ViewportOverrides& o : m_overrides)
    if (o.viewportId == viewportId)
      o.hasPlotStyle = false;
  dropEmptyOverrides();
}

void OdDbLayerTableRecord::removeTransparencyOverride(const OdDbObjectId& viewportId)
{
  assertWriteEnabled();
  for (ViewportOverrides& o : m_overrides)
    if (o.viewportId == viewportId)
      o.hasTransparency = false;
  dropEmptyOverrides();
}

void OdDbLayerTableRecord::removeViewportOverrides(const OdDbObjectId& viewportId)
{
  assertWriteEnabled();
  m_overrides.erase(std::remove_if(m_overrides.begin(), m_overrides.end(),
                                   [&](const ViewportOverrides& o) { return o.viewportId == viewportId; }),
                    m_overrides.end());
}

void OdDbLayerTableRecord::removeAllOverrides()
{
  assertWriteEnabled();
  m_overrides.clear();
}

bool OdDbLayerTableRecord::hasOverrides(const OdDbObjectId& viewportId) const
{
  assertReadEnabled();
  return findOverrides(viewportId) != 0;
}

bool OdDbLayerTableRecord::hasAnyOverrides() const
{
  assertReadEnabled();
  return !m_overrides.empty();
}

void OdDbLayerTableRecord::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbSymbolTableRecord::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbLayerTableRecord");
  pFiler->wrInt16(OdDb::kDxfInt16, static_cast<OdInt16>((m_frozen ? 1 : 0) | (m_vpdflt ? 2 : 0) | (m_locked ? 4 : 0)));
  // An "off" layer is written with a negative colour index.
  const OdInt16 index = static_cast<OdInt16>(m_color.colorIndex());
  pFiler->wrInt16(OdDb::kDxfColor, m_off ? static_cast<OdInt16>(-index) : index);
  if (m_color.isByColor())
    pFiler->wrInt32(OdDb::kDxfColorRGB, static_cast<OdInt32>(m_color.color() & 0xFFFFFF));
  if (m_color.hasColorName())
    pFiler->wrString(OdDb::kDxfColorName, m_color.getDescription());
  pFiler->wrName(OdDb::kDxfLinetypeName, odDbRecordName(linetypeObjectId()));
  pFiler->wrBool(OdDb::kDxfBool, m_plottable);
  pFiler->wrInt16(OdDb::kDxfLineWeight, static_cast<OdInt16>(m_lineWeight));
  pFiler->wrString(OdDb::kDxfXTextString, m_plotStyleName);
  pFiler->wrInt32(OdDb::kDxfAlpha, static_cast<OdInt32>(m_transparency.serializeOut()));
  pFiler->wrBool(OdDb::kDxfBool + 1, m_hidden);
  pFiler->wrString(OdDb::kDxfXTextString + 1, m_description);
  for (const ViewportOverrides& o : m_overrides)
  {
    pFiler->wrString(OdDb::kDxfControlString, L"{VIEWPORT_OVERRIDES");
    pFiler->wrObjectId(OdDb::kDxfSoftPointerId, o.viewportId);
    if (o.hasColor)
      pFiler->wrInt32(OdDb::kDxfColorRGB, static_cast<OdInt32>(o.color.color()));
    if (o.hasLinetype)
      pFiler->wrObjectId(OdDb::kDxfHardPointerId, o.linetypeId);
    if (o.hasLineWeight)
      pFiler->wrInt16(OdDb::kDxfLineWeight, static_cast<OdInt16>(o.lineWeight));
    if (o.hasPlotStyle)
      pFiler->wrString(OdDb::kDxfXTextString, o.plotStyleName);
    if (o.hasTransparency)
      pFiler->wrInt32(OdDb::kDxfAlpha, static_cast<OdInt32>(o.transparency.serializeOut()));
    pFiler->wrString(OdDb::kDxfControlString, L"}");
  }
}

void OdDbLayerTableRecord::copyFrom(const OdRxObject* pSource)
{
  OdDbSymbolTableRecord::copyFrom(pSource);
  const OdDbLayerTableRecord* pSrc = static_cast<const OdDbLayerTableRecord*>(pSource);
  m_frozen = pSrc->m_frozen;
  m_off = pSrc->m_off;
  m_locked = pSrc->m_locked;
  m_plottable = pSrc->m_plottable;
  m_hidden = pSrc->m_hidden;
  m_vpdflt = pSrc->m_vpdflt;
  m_color = pSrc->m_color;
  m_linetypeId = pSrc->m_linetypeId;
  m_lineWeight = pSrc->m_lineWeight;
  m_plotStyleName = pSrc->m_plotStyleName;
  m_transparency = pSrc->m_transparency;
  m_description = pSrc->m_description;
  m_overrides = pSrc->m_overrides;
}

// ---- OdDbLinetypeTableRecord -------------------------------------------------------------------

OdDbLinetypeTableRecord::OdDbLinetypeTableRecord() = default;

OdString OdDbLinetypeTableRecord::comments() const
{
  assertReadEnabled();
  return m_comments;
}

void OdDbLinetypeTableRecord::setComments(const OdString& comments)
{
  assertWriteEnabled();
  m_comments = comments;
}

double OdDbLinetypeTableRecord::patternLength() const
{
  assertReadEnabled();
  if (m_patternLengthSet)
    return m_patternLength;
  double length = 0.0;
  for (double dash : m_dashes)
    length += std::fabs(dash);
  return length;
}

void OdDbLinetypeTableRecord::setPatternLength(double patternLength)
{
  assertWriteEnabled(false, false);
  if (!std::isfinite(patternLength) || patternLength < 0.0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_patternLength = patternLength;
  m_patternLengthSet = true;
}

bool OdDbLinetypeTableRecord::isScaledToFit() const
{
  assertReadEnabled();
  return m_scaledToFit;
}

void OdDbLinetypeTableRecord::setIsScaledToFit(bool scaledToFit)
{
  assertWriteEnabled();
  m_scaledToFit = scaledToFit;
}

int OdDbLinetypeTableRecord::numDashes() const
{
  assertReadEnabled();
  return static_cast<int>(m_dashes.size());
}

void OdDbLinetypeTableRecord::setNumDashes(int count)
{
  assertWriteEnabled(false, false);
  if (count < 0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_dashes.resize(static_cast<unsigned>(count), 0.0);
}

double OdDbLinetypeTableRecord::dashLengthAt(int index) const
{
  assertReadEnabled();
  if (index < 0)
    throw OdError_InvalidIndex();
  return m_dashes[static_cast<unsigned>(index)];
}

void OdDbLinetypeTableRecord::setDashLengthAt(int index, double length)
{
  assertWriteEnabled(false, false);
  if (index < 0 || index >= static_cast<int>(m_dashes.size()))
    throw OdError_InvalidIndex();
  odDbCheckFinite(length);
  assertWriteEnabled();
  m_dashes[static_cast<unsigned>(index)] = length;
}

void OdDbLinetypeTableRecord::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbSymbolTableRecord::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbLinetypeTableRecord");
  pFiler->wrInt16(OdDb::kDxfInt16, 0);
  pFiler->wrString(OdDb::kDxfDescription, m_comments);
  pFiler->wrInt16(72, m_scaledToFit ? 83 : 65);
  pFiler->wrInt16(73, static_cast<OdInt16>(m_dashes.size()));
  pFiler->wrDouble(OdDb::kDxfReal, patternLength());
  for (double dash : m_dashes)
    pFiler->wrDouble(OdDb::kDxfDashLength, dash);
}

void OdDbLinetypeTableRecord::copyFrom(const OdRxObject* pSource)
{
  OdDbSymbolTableRecord::copyFrom(pSource);
  const OdDbLinetypeTableRecord* pSrc = static_cast<const OdDbLinetypeTableRecord*>(pSource);
  m_comments = pSrc->m_comments;
  m_patternLengthSet = pSrc->m_patternLengthSet;
  m_patternLength = pSrc->m_patternLength;
  m_scaledToFit = pSrc->m_scaledToFit;
  m_dashes = pSrc->m_dashes;
}

// ---- OdDbTextStyleTableRecord ------------------------------------------------------------------

OdDbTextStyleTableRecord::OdDbTextStyleTableRecord() = default;

bool OdDbTextStyleTableRecord::isShapeFile() const { assertReadEnabled(); return m_shapeFile; }
void OdDbTextStyleTableRecord::setIsShapeFile(bool shapeFile) { assertWriteEnabled(); m_shapeFile = shapeFile; }
bool OdDbTextStyleTableRecord::isVertical() const { assertReadEnabled(); return m_vertical; }
void OdDbTextStyleTableRecord::setIsVertical(bool vertical) { assertWriteEnabled(); m_vertical = vertical; }
bool OdDbTextStyleTableRecord::isBackwards() const { assertReadEnabled(); return m_backwards; }
void OdDbTextStyleTableRecord::setIsBackwards(bool backwards) { assertWriteEnabled(); m_backwards = backwards; }
bool OdDbTextStyleTableRecord::isUpsideDown() const { assertReadEnabled(); return m_upsideDown; }
void OdDbTextStyleTableRecord::setIsUpsideDown(bool upsideDown) { assertWriteEnabled(); m_upsideDown = upsideDown; }

double OdDbTextStyleTableRecord::textSize() const
{
  assertReadEnabled();
  return m_textSize;
}

void OdDbTextStyleTableRecord::setTextSize(double textSize)
{
  assertWriteEnabled(false, false);
  if (!std::isfinite(textSize) || textSize < 0.0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_textSize = textSize;
}

double OdDbTextStyleTableRecord::priorSize() const
{
  assertReadEnabled();
  return m_priorSize;
}

void OdDbTextStyleTableRecord::setPriorSize(double priorSize)
{
  assertWriteEnabled(false, false);
  if (!std::isfinite(priorSize) || priorSize <= 0.0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_priorSize = priorSize;
}

double OdDbTextStyleTableRecord::xScale() const
{
  assertReadEnabled();
  return m_xScale;
}

void OdDbTextStyleTableRecord::setXScale(double xScale)
{
  assertWriteEnabled(false, false);
  if (!std::isfinite(xScale) || xScale <= 0.0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_xScale = xScale;
}

double OdDbTextStyleTableRecord::obliquingAngle() const
{
  assertReadEnabled();
  return m_obliquingAngle;
}

void OdDbTextStyleTableRecord::setObliquingAngle(double obliquingAngle)
{
  assertWriteEnabled(false, false);
  if (!std::isfinite(obliquingAngle) || std::fabs(obliquingAngle) > 1.48353)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_obliquingAngle = obliquingAngle;
}

OdString OdDbTextStyleTableRecord::fileName() const
{
  assertReadEnabled();
  return m_fileName;
}

void OdDbTextStyleTableRecord::setFileName(const OdString& fileName)
{
  assertWriteEnabled();
  m_fileName = fileName;
}

OdString OdDbTextStyleTableRecord::bigFontFileName() const
{
  assertReadEnabled();
  return m_bigFontFileName;
}

void OdDbTextStyleTableRecord::setBigFontFileName(const OdString& bigFontFileName)
{
  assertWriteEnabled();
  m_bigFontFileName = bigFontFileName;
}

void OdDbTextStyleTableRecord::setFont(const OdString& typeface, bool bold, bool italic, int charset,
                                       int pitchAndFamily)
{
  assertWriteEnabled();
  m_typeface = typeface;
  m_bold = bold;
  m_italic = italic;
  m_charset = charset;
  m_pitchAndFamily = pitchAndFamily;
}

void OdDbTextStyleTableRecord::font(OdString& typeface, bool& bold, bool& italic, int& charset,
                                    int& pitchAndFamily) const
{
  assertReadEnabled();
  typeface = m_typeface;
  bold = m_bold;
  italic = m_italic;
  charset = m_charset;
  pitchAndFamily = m_pitchAndFamily;
}

void OdDbTextStyleTableRecord::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbSymbolTableRecord::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbTextStyleTableRecord");
  pFiler->wrInt16(OdDb::kDxfInt16, static_cast<OdInt16>((m_shapeFile ? 1 : 0) | (m_vertical ? 4 : 0)));
  pFiler->wrDouble(OdDb::kDxfTxtSize, m_textSize);
  pFiler->wrDouble(OdDb::kDxfTxtStyleXScale, m_xScale);
  pFiler->wrAngle(OdDb::kDxfAngle, m_obliquingAngle);
  pFiler->wrInt16(71, static_cast<OdInt16>((m_backwards ? 2 : 0) | (m_upsideDown ? 4 : 0)));
  pFiler->wrDouble(42, m_priorSize);
  pFiler->wrString(OdDb::kDxfTextFontFile, m_fileName);
  pFiler->wrString(OdDb::kDxfTextBigFontFile, m_bigFontFileName);
  pFiler->wrString(OdDb::kDxfXdAsciiString, m_typeface);
  pFiler->wrInt32(OdDb::kDxfXdInteger32,
                  static_cast<OdInt32>((m_pitchAndFamily & 0xFF) | ((m_charset & 0xFF) << 8) |
                                       (m_italic ? 0x1000000 : 0) | (m_bold ? 0x2000000 : 0)));
}

void OdDbTextStyleTableRecord::copyFrom(const OdRxObject* pSource)
{
  OdDbSymbolTableRecord::copyFrom(pSource);
  const OdDbTextStyleTableRecord* pSrc = static_cast<const OdDbTextStyleTableRecord*>(pSource);
  m_shapeFile = pSrc->m_shapeFile;
  m_vertical = pSrc->m_vertical;
  m_backwards = pSrc->m_backwards;
  m_upsideDown = pSrc->m_upsideDown;
  m_textSize = pSrc->m_textSize;
  m_priorSize = pSrc->m_priorSize;
  m_xScale = pSrc->m_xScale;
  m_obliquingAngle = pSrc->m_obliquingAngle;
  m_fileName = pSrc->m_fileName;
  m_bigFontFileName = pSrc->m_bigFontFileName;
  m_typeface = pSrc->m_typeface;
  m_bold = pSrc->m_bold;
  m_italic = pSrc->m_italic;
  m_charset = pSrc->m_charset;
  m_pitchAndFamily = pSrc->m_pitchAndFamily;
}

// ---- OdDbRegAppTableRecord ---------------------------------------------------------------------

OdDbRegAppTableRecord::OdDbRegAppTableRecord() = default;

// ---- OdDbUCSTableRecord ------------------------------------------------------------------------

OdDbUCSTableRecord::OdDbUCSTableRecord() = default;

OdGePoint3d OdDbUCSTableRecord::origin() const
{
  assertReadEnabled();
  return m_origin;
}

void OdDbUCSTableRecord::setOrigin(const OdGePoint3d& origin)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(origin);
  assertWriteEnabled();
  m_origin = origin;
}

OdGeVector3d OdDbUCSTableRecord::xAxis() const
{
  assertReadEnabled();
  return m_xAxis;
}

namespace
{
OdGeVector3d checkedUcsAxis(const OdGeVector3d& axis)
{
  odDbCheckFinite(axis);
  if (axis.isZeroLength())
    throw OdError(eInvalidInput);
  return axis.normal();
}
} // namespace

void OdDbUCSTableRecord::setXAxis(const OdGeVector3d& xAxis)
{
  assertWriteEnabled(false, false);
  const OdGeVector3d axis = checkedUcsAxis(xAxis);
  assertWriteEnabled();
  m_xAxis = axis;
}

OdGeVector3d OdDbUCSTableRecord::yAxis() const
{
  assertReadEnabled();
  return m_yAxis;
}

void OdDbUCSTableRecord::setYAxis(const OdGeVector3d& yAxis)
{
  assertWriteEnabled(false, false);
  const OdGeVector3d axis = checkedUcsAxis(yAxis);
  assertWriteEnabled();
  m_yAxis = axis;
}

void OdDbUCSTableRecord::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbSymbolTableRecord::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbUCSTableRecord");
  pFiler->wrInt16(OdDb::kDxfInt16, 0);
  pFiler->wrPoint3d(OdDb::kDxfXCoord, m_origin);
  pFiler->wrVector3d(11, m_xAxis);
  pFiler->wrVector3d(12, m_yAxis);
}

void OdDbUCSTableRecord::copyFrom(const OdRxObject* pSource)
{
  OdDbSymbolTableRecord::copyFrom(pSource);
  const OdDbUCSTableRecord* pSrc = static_cast<const OdDbUCSTableRecord*>(pSource);
  m_origin = pSrc->m_origin;
  m_xAxis = pSrc->m_xAxis;
  m_yAxis = pSrc->m_yAxis;
}

void giFromDbTextStyle(const OdDbTextStyleTableRecord* pStyle, OdGiTextStyle& giStyle)
{
  giStyle.setFileName(pStyle->fileName());
  giStyle.setBigFontFileName(pStyle->bigFontFileName());
  giStyle.setShapeLoaded(pStyle->isShapeFile());
  giStyle.setTextSize(pStyle->textSize());
  giStyle.setXScale(pStyle->xScale());
  giStyle.setObliquingAngle(pStyle->obliquingAngle());
}

void giFromDbTextStyle(const OdDbObjectId& styleId, OdGiTextStyle& giStyle)
{
  OdDbTextStyleTableRecordPtr pStyle = OdDbTextStyleTableRecord::cast(styleId.openObject().get());
  if (!pStyle.isNull())
    giFromDbTextStyle(pStyle.get(), giStyle);
}

OdString OdGiTextStyle::getFontFilePath(OdDbDatabase* /*pDb*/) const
{
  return m_fileName;
}
