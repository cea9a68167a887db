// Entity colour and transparency values. A colour packs its method into the top byte of a
// 32-bit value and an index (ACI) or 8-bit red, green and blue into the rest; a transparency
// packs its method into the top byte and the alpha (0 clear .. 255 opaque) into the lowest.
#ifndef OD_CM_ENTITY_COLOR_H
#define OD_CM_ENTITY_COLOR_H

#include "OdaCommon.h"

class OdCmEntityColor
{
public:
  enum ColorMethod
  {
    kByLayer = 0xC0,
    kByBlock = 0xC1,
    kByColor = 0xC2,
    kByACI = 0xC3,
    kByPen = 0xC4,
    kForeground = 0xC5,
    kLayerOff = 0xC6,
    kLayerFrozen = 0xC7,
    kNone = 0xC8
  };

  // Colour indices with a meaning of their own.
  enum ACIcolorMethod
  {
    kACIbyBlock = 0,
    kACIforeground = 7,
    kACIbyLayer = 256,
    kACIclear = 0,
    kACIRed = 1,
    kACIYellow = 2,
    kACIGreen = 3,
    kACICyan = 4,
    kACIBlue = 5,
    kACIMagenta = 6,
    kACIstandard = 7,
    kACImaximum = 255,
    kACInone = 257,
    kACIminimum = -255
  };

  // ByLayer.
  OdCmEntityColor() = default;
  OdCmEntityColor(ColorMethod colorMethod) { setColorMethod(colorMethod); }
  OdCmEntityColor(OdUInt8 red, OdUInt8 green, OdUInt8 blue) { setRGB(red, green, blue); }

  ColorMethod colorMethod() const { return static_cast<ColorMethod>(m_RGBM >> 24); }
  // Switching method gives the value the method's own index (256 ByLayer, 0 ByBlock,
  // 7 Foreground, 257 None, 0 for the others). ByColor keeps the present RGB (black when there
  // is none); ByACI keeps the present index or takes the nearest to the present RGB (7 when
  // there is neither).
  void setColorMethod(ColorMethod colorMethod);

  // The packed value; setColor() throws OdError(eInvalidInput) for an unknown method byte or
  // a ByACI index above 255.
  OdUInt32 color() const { return m_RGBM; }
  void setColor(OdUInt32 color);

  // Index 0 is ByBlock, 256 ByLayer, 257 None, 1..255 a palette colour; anything else throws
  // OdError(eInvalidInput).
  void setColorIndex(OdInt16 colorIndex);
  // The index of the method (see setColorMethod), the palette index, or for a true colour the
  // nearest palette index.
  OdInt16 colorIndex() const;

  void setRGB(OdUInt8 red, OdUInt8 green, OdUInt8 blue);
  // Setting one channel first turns a palette colour into the equal true colour.
  void setRed(OdUInt8 red);
  void setGreen(OdUInt8 green);
  void setBlue(OdUInt8 blue);
  // Channels of a true colour, of a palette colour (looked up) or of the foreground (white);
  // 0 for the other methods.
  OdUInt8 red() const;
  OdUInt8 green() const;
  OdUInt8 blue() const;

  bool isByColor() const { return colorMethod() == kByColor; }
  bool isByLayer() const { return colorMethod() == kByLayer; }
  bool isByBlock() const { return colorMethod() == kByBlock; }
  bool isByACI() const { return colorMethod() == kByACI; }
  bool isByPen() const { return colorMethod() == kByPen; }
  bool isForeground() const { return colorMethod() == kForeground; }
  bool isLayerOff() const { return colorMethod() == kLayerOff; }
  bool isLayerFrozen() const { return colorMethod() == kLayerFrozen; }
  bool isNone() const { return colorMethod() == kNone; }

  bool operator==(const OdCmEntityColor& other) const { return m_RGBM == other.m_RGBM; }
  bool operator!=(const OdCmEntityColor& other) const { return m_RGBM != other.m_RGBM; }

  // Red, green and blue of a palette index packed as 0x00RRGGBB. Indices 1-9 and 250-255 are
  // the standard palette entries; 10-249 are generated from 24 hues 15 degrees apart, each in
  // five brightness levels (255, 204, 153, 127, 76) at full and at half saturation.
  static OdUInt32 lookUpRGB(OdUInt8 colorIndex);
  // The palette index (1..255) nearest to the colour; the lowest index wins a tie.
  static OdUInt8 lookUpACI(OdUInt8 red, OdUInt8 green, OdUInt8 blue);

private:
  OdUInt32 m_RGBM = 0xC0000100u;
};

class OdCmTransparency
{
public:
  enum transparencyMethod
  {
    kByLayer = 0,
    kByBlock = 1,
    kByAlpha = 2,
    kErrorValue = 3
  };

  // ByLayer.
  OdCmTransparency() = default;
  OdCmTransparency(transparencyMethod method) { setMethod(method); }
  explicit OdCmTransparency(OdUInt8 alpha) { setAlpha(alpha); }

  transparencyMethod method() const { return static_cast<transparencyMethod>(m_AM >> 24); }
  // ByLayer, ByBlock and ErrorValue carry no alpha; switching to ByAlpha from another method
  // starts opaque (255).
  void setMethod(transparencyMethod method);

  // Switches to ByAlpha.
  void setAlpha(OdUInt8 alpha) { m_AM = (static_cast<OdUInt32>(kByAlpha) << 24) | alpha; }
  // The alpha of a ByAlpha transparency; 0 for the other methods.
  OdUInt8 alpha() const { return static_cast<OdUInt8>(m_AM & 0xFFu); }
  // Opacity as a fraction: 0.0 clear .. 1.0 opaque, rounded to the nearest alpha. Throws
  // OdError(eInvalidInput) outside [0, 1] or for a non-finite value. Users are shown the
  // transparency (1 - alpha / 255) * 100 instead.
  void setAlphaPercent(double alphaPercent);
  double alphaPercent() const { return alpha() / 255.0; }

  bool isByLayer() const { return method() == kByLayer; }
  bool isByBlock() const { return method() == kByBlock; }
  bool isByAlpha() const { return method() == kByAlpha; }
  bool isInvalid() const { return method() == kErrorValue; }
  bool isClear() const { return isByAlpha() && alpha() == 0; }
  bool isSolid() const { return isByAlpha() && alpha() == 255; }

  // The packed value as stored in drawing files: 0 ByLayer, 0x01000000 ByBlock,
  // 0x02000000 | alpha ByAlpha. serializeIn() reads an unknown method as ErrorValue.
  OdUInt32 serializeOut() const { return m_AM; }
  void serializeIn(OdUInt32 value);

  bool operator==(const OdCmTransparency& other) const { return m_AM == other.m_AM; }
  bool operator!=(const OdCmTransparency& other) const { return m_AM != other.m_AM; }

private:
  OdUInt32 m_AM = 0;
};

#endif
