// Colours with colour-book names, and their descriptive texts.
#include "CmColor.h"

#include <string>

#include "OdError.h"

namespace
{
OdString number(int value)
{
  return OdString(std::to_wstring(value));
}
}

void OdCmColor::dropNames()
{
  m_colorName.empty();
  m_bookName.empty();
}

void OdCmColor::setColorMethod(OdCmEntityColor::ColorMethod colorMethod)
{
  m_color.setColorMethod(colorMethod);
  dropNames();
}

void OdCmColor::setColor(OdUInt32 color)
{
  m_color.setColor(color);
  dropNames();
}

void OdCmColor::setColorIndex(OdUInt16 colorIndex)
{
  if (colorIndex > OdCmEntityColor::kACInone)
    throw OdError(eInvalidInput);
  m_color.setColorIndex(static_cast<OdInt16>(colorIndex));
  dropNames();
}

void OdCmColor::setRGB(OdUInt8 red, OdUInt8 green, OdUInt8 blue)
{
  m_color.setRGB(red, green, blue);
  dropNames();
}

void OdCmColor::setRed(OdUInt8 red)
{
  m_color.setRed(red);
  dropNames();
}

void OdCmColor::setGreen(OdUInt8 green)
{
  m_color.setGreen(green);
  dropNames();
}

void OdCmColor::setBlue(OdUInt8 blue)
{
  m_color.setBlue(blue);
  dropNames();
}

bool OdCmColor::setNames(const OdString& colorName, const OdString& bookName)
{
  if (!isByColor() || colorName.isEmpty())
    return false;
  m_colorName = colorName;
  m_bookName = bookName;
  return true;
}

OdString OdCmColor::getDescription() const
{
  switch (colorMethod())
  {
  case OdCmEntityColor::kByLayer: return OdString(L"ByLayer");
  case OdCmEntityColor::kByBlock: return OdString(L"ByBlock");
  case OdCmEntityColor::kForeground: return OdString(L"Foreground");
  case OdCmEntityColor::kNone: return OdString(L"None");
  case OdCmEntityColor::kByPen: return OdString(L"Pen ") + number(m_color.colorIndex());
  case OdCmEntityColor::kLayerOff: return OdString(L"LayerOff");
  case OdCmEntityColor::kLayerFrozen: return OdString(L"LayerFrozen");
  case OdCmEntityColor::kByACI: return number(colorIndex());
  case OdCmEntityColor::kByColor:
    if (hasColorName())
      return hasBookName() ? m_bookName + L"$" + m_colorName : m_colorName;
    return number(red()) + L"," + number(green()) + L"," + number(blue());
  }
  return OdString(L"Invalid");
}

OdString OdCmColor::colorNameForDisplay() const
{
  static const OdChar* const names[8] = {L"", L"red", L"yellow", L"green", L"cyan", L"blue", L"magenta", L"white"};
  if (isByACI() && colorIndex() >= 1 && colorIndex() <= 7)
    return OdString(names[colorIndex()]);
  if (isByColor() && hasColorName())
    return m_colorName;
  return getDescription();
}
