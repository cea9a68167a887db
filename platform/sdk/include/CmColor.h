// Colour of database objects: an entity colour value (method and index or RGB) with the
// optional colour-book name of a named true colour, and texts describing it.
#ifndef OD_CM_COLOR_H
#define OD_CM_COLOR_H

#include "CmEntityColor.h"
#include "OdString.h"

class OdCmColor
{
public:
  // ByLayer.
  OdCmColor() = default;
  OdCmColor(OdCmEntityColor::ColorMethod colorMethod) : m_color(colorMethod) {}
  OdCmColor(const OdCmEntityColor& color) : m_color(color) {}

  // Every change of the value drops the colour-book names.
  OdCmEntityColor::ColorMethod colorMethod() const { return m_color.colorMethod(); }
  void setColorMethod(OdCmEntityColor::ColorMethod colorMethod);
  OdUInt32 color() const { return m_color.color(); }
  void setColor(OdUInt32 color);
  // 0 ByBlock, 256 ByLayer, 257 None, 1..255 a palette colour; others throw OdError(eInvalidInput).
  void setColorIndex(OdUInt16 colorIndex);
  OdUInt16 colorIndex() const { return static_cast<OdUInt16>(m_color.colorIndex()); }
  void setRGB(OdUInt8 red, OdUInt8 green, OdUInt8 blue);
  void setRed(OdUInt8 red);
  void setGreen(OdUInt8 green);
  void setBlue(OdUInt8 blue);
  OdUInt8 red() const { return m_color.red(); }
  OdUInt8 green() const { return m_color.green(); }
  OdUInt8 blue() const { return m_color.blue(); }

  bool isByColor() const { return m_color.isByColor(); }
  bool isByLayer() const { return m_color.isByLayer(); }
  bool isByBlock() const { return m_color.isByBlock(); }
  bool isByACI() const { return m_color.isByACI(); }
  bool isByPen() const { return m_color.isByPen(); }
  bool isForeground() const { return m_color.isForeground(); }
  bool isLayerOff() const { return m_color.isLayerOff(); }
  bool isLayerFrozen() const { return m_color.isLayerFrozen(); }
  bool isNone() const { return m_color.isNone(); }
  void setNone() { setColorMethod(OdCmEntityColor::kNone); }

  // Names a true colour after a colour book entry. False (and nothing stored) when the colour
  // is not a true colour or colorName is empty.
  bool setNames(const OdString& colorName, const OdString& bookName = OdString::kEmpty);
  OdString colorName() const { return m_colorName; }
  OdString bookName() const { return m_bookName; }
  bool hasColorName() const { return !m_colorName.isEmpty(); }
  bool hasBookName() const { return !m_bookName.isEmpty(); }

  // "ByLayer", "ByBlock", "Foreground", "None", the palette index ("1"), "BOOK$NAME" for a
  // named true colour and "r,g,b" for another true colour.
  OdString getDescription() const;
  // As getDescription(), except that palette colours 1-7 are named ("red" .. "white") and a
  // named true colour shows its colour name alone.
  OdString colorNameForDisplay() const;

  OdCmEntityColor entityColor() const { return m_color; }

  bool operator==(const OdCmColor& other) const
  {
    return m_color == other.m_color && m_colorName == other.m_colorName && m_bookName == other.m_bookName;
  }
  bool operator!=(const OdCmColor& other) const { return !(*this == other); }
  bool operator==(const OdCmEntityColor& other) const { return m_color == other && m_colorName.isEmpty(); }
  bool operator!=(const OdCmEntityColor& other) const { return !(*this == other); }

private:
  void dropNames();

  OdCmEntityColor m_color;
  OdString m_colorName;
  OdString m_bookName;
};

#endif
