// Entity colours (method, palette index or RGB, the palette itself) and transparencies.
#include "CmEntityColor.h"

#include <cmath>

#include "OdError.h"

namespace
{
// The 256-entry palette, built once.
struct Palette
{
  OdUInt8 rgb[256][3] = {};

  Palette()
  {
    const OdUInt8 standard[10][3] = {{0, 0, 0},     {255, 0, 0},   {255, 255, 0},   {0, 255, 0},     {0, 255, 255},
                                     {0, 0, 255},   {255, 0, 255}, {255, 255, 255}, {128, 128, 128}, {192, 192, 192}};
    for (int i = 0; i < 10; ++i)
      setEntry(i, standard[i][0], standard[i][1], standard[i][2]);
    const double levels[5] = {255.0, 204.0, 153.0, 127.0, 76.0};
    for (int i = 10; i < 250; ++i)
    {
      // Full-saturation hue, then the shade: even entries full, odd ones half saturation.
      const double h6 = ((i - 10) / 10) * 15.0 / 60.0;
      const int sector = static_cast<int>(h6);
      const double f = h6 - sector;
      double c[3] = {0.0, 0.0, 0.0};
      switch (sector)
      {
      case 0: c[0] = 1.0; c[1] = f; break;
      case 1: c[0] = 1.0 - f; c[1] = 1.0; break;
      case 2: c[1] = 1.0; c[2] = f; break;
      case 3: c[1] = 1.0 - f; c[2] = 1.0; break;
      case 4: c[0] = f; c[2] = 1.0; break;
      default: c[0] = 1.0; c[2] = 1.0 - f; break;
      }
      const int shade = i % 10;
      const double level = levels[shade / 2];
      OdUInt8 out[3];
      for (int k = 0; k < 3; ++k)
      {
        const double channel = (shade % 2) ? 0.5 + 0.5 * c[k] : c[k];
        out[k] = static_cast<OdUInt8>(std::floor(level * channel + 1e-9));
      }
      setEntry(i, out[0], out[1], out[2]);
    }
    const OdUInt8 grays[6] = {51, 91, 132, 173, 214, 255};
    for (int i = 0; i < 6; ++i)
      setEntry(250 + i, grays[i], grays[i], grays[i]);
  }

  void setEntry(int i, OdUInt8 r, OdUInt8 g, OdUInt8 b)
  {
    rgb[i][0] = r;
    rgb[i][1] = g;
    rgb[i][2] = b;
  }
};

const Palette& palette()
{
  static const Palette table;
  return table;
}

OdUInt32 pack(OdCmEntityColor::ColorMethod method, OdUInt32 value)
{
  return (static_cast<OdUInt32>(method) << 24) | (value & 0x00FFFFFFu);
}

OdUInt32 packRGB(OdUInt8 r, OdUInt8 g, OdUInt8 b)
{
  return pack(OdCmEntityColor::kByColor, (static_cast<OdUInt32>(r) << 16) | (static_cast<OdUInt32>(g) << 8) | b);
}
}

OdUInt32 OdCmEntityColor::lookUpRGB(OdUInt8 colorIndex)
{
  const OdUInt8* e = palette().rgb[colorIndex];
  return (static_cast<OdUInt32>(e[0]) << 16) | (static_cast<OdUInt32>(e[1]) << 8) | e[2];
}

OdUInt8 OdCmEntityColor::lookUpACI(OdUInt8 red, OdUInt8 green, OdUInt8 blue)
{
  int best = 1;
  long bestDistance = -1;
  for (int i = 1; i < 256; ++i)
  {
    const OdUInt8* e = palette().rgb[i];
    const long dr = long(e[0]) - red, dg = long(e[1]) - green, db = long(e[2]) - blue;
    const long distance = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || distance < bestDistance)
    {
      best = i;
      bestDistance = distance;
    }
  }
  return static_cast<OdUInt8>(best);
}

void OdCmEntityColor::setColorMethod(ColorMethod colorMethod)
{
  switch (colorMethod)
  {
  case kByLayer: m_RGBM = pack(kByLayer, kACIbyLayer); break;
  case kByBlock: m_RGBM = pack(kByBlock, kACIbyBlock); break;
  case kForeground: m_RGBM = pack(kForeground, kACIforeground); break;
  case kNone: m_RGBM = pack(kNone, kACInone); break;
  case kByColor:
    m_RGBM = packRGB(red(), green(), blue());
    break;
  case kByACI:
    if (isByColor())
      m_RGBM = pack(kByACI, lookUpACI(red(), green(), blue()));
    else if (!isByACI())
      m_RGBM = pack(kByACI, kACIforeground);
    break;
  case kByPen:
  case kLayerOff:
  case kLayerFrozen:
    m_RGBM = pack(colorMethod, 0);
    break;
  default:
    throw OdError(eInvalidInput);
  }
}

void OdCmEntityColor::setColor(OdUInt32 color)
{
  const OdUInt32 method = color >> 24;
  if (method < kByLayer || method > kNone)
    throw OdError(eInvalidInput);
  if (method == kByACI && (color & 0x00FFFFFFu) > kACImaximum)
    throw OdError(eInvalidInput);
  m_RGBM = color;
}

void OdCmEntityColor::setColorIndex(OdInt16 colorIndex)
{
  if (colorIndex == kACIbyBlock)
    setColorMethod(kByBlock);
  else if (colorIndex == kACIbyLayer)
    setColorMethod(kByLayer);
  else if (colorIndex == kACInone)
    setColorMethod(kNone);
  else if (colorIndex >= 1 && colorIndex <= kACImaximum)
    m_RGBM = pack(kByACI, static_cast<OdUInt32>(colorIndex));
  else
    throw OdError(eInvalidInput);
}

OdInt16 OdCmEntityColor::colorIndex() const
{
  if (isByColor())
    return lookUpACI(red(), green(), blue());
  return static_cast<OdInt16>(m_RGBM & 0xFFFFu);
}

void OdCmEntityColor::setRGB(OdUInt8 red, OdUInt8 green, OdUInt8 blue)
{
  m_RGBM = packRGB(red, green, blue);
}

void OdCmEntityColor::setRed(OdUInt8 value)
{
  setRGB(value, green(), blue());
}

void OdCmEntityColor::setGreen(OdUInt8 value)
{
  setRGB(red(), value, blue());
}

void OdCmEntityColor::setBlue(OdUInt8 value)
{
  setRGB(red(), green(), value);
}

OdUInt8 OdCmEntityColor::red() const
{
  if (isByColor())
    return static_cast<OdUInt8>((m_RGBM >> 16) & 0xFFu);
  if (isByACI() || isForeground())
    return static_cast<OdUInt8>((lookUpRGB(static_cast<OdUInt8>(m_RGBM & 0xFFu)) >> 16) & 0xFFu);
  return 0;
}

OdUInt8 OdCmEntityColor::green() const
{
  if (isByColor())
    return static_cast<OdUInt8>((m_RGBM >> 8) & 0xFFu);
  if (isByACI() || isForeground())
    return static_cast<OdUInt8>((lookUpRGB(static_cast<OdUInt8>(m_RGBM & 0xFFu)) >> 8) & 0xFFu);
  return 0;
}

OdUInt8 OdCmEntityColor::blue() const
{
  if (isByColor())
    return static_cast<OdUInt8>(m_RGBM & 0xFFu);
  if (isByACI() || isForeground())
    return static_cast<OdUInt8>(lookUpRGB(static_cast<OdUInt8>(m_RGBM & 0xFFu)) & 0xFFu);
  return 0;
}

void OdCmTransparency::setMethod(transparencyMethod method)
{
  switch (method)
  {
  case kByAlpha:
    if (!isByAlpha())
      setAlpha(255);
    break;
  case kByLayer:
  case kByBlock:
  case kErrorValue:
    m_AM = static_cast<OdUInt32>(method) << 24;
    break;
  default:
    throw OdError(eInvalidInput);
  }
}

void OdCmTransparency::setAlphaPercent(double alphaPercent)
{
  if (!(alphaPercent >= 0.0 && alphaPercent <= 1.0))
    throw OdError(eInvalidInput);
  setAlpha(static_cast<OdUInt8>(std::lround(alphaPercent * 255.0)));
}

void OdCmTransparency::serializeIn(OdUInt32 value)
{
  switch (value >> 24)
  {
  case kByLayer: m_AM = 0; break;
  case kByBlock: m_AM = static_cast<OdUInt32>(kByBlock) << 24; break;
  case kByAlpha: setAlpha(static_cast<OdUInt8>(value & 0xFFu)); break;
  default: m_AM = static_cast<OdUInt32>(kErrorValue) << 24; break;
  }
}
