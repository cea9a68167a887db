// DxfTextDecoder: turns the bytes of a DXF text value into a string. Files before the 2007 format
// are in the drawing's code page ($DWGCODEPAGE, decoded with Qt's codecs), later ones in UTF-8;
// "\U+XXXX" (a Unicode character) and "\M+nXXXX" (a double-byte character of an East Asian code
// page) escapes are decoded in every version.
#ifndef KY_DXF_TEXT_H
#define KY_DXF_TEXT_H

#include <string>
#include <string_view>

#include "OdString.h"

class QTextCodec;

namespace kydxf
{
class DxfTextDecoder
{
public:
  DxfTextDecoder();

  // Decodes as UTF-8.
  void setUtf8();
  // Decodes in the code page named as $DWGCODEPAGE names it ("ANSI_1252", "DOS850" ...); false
  // (and no change) when the name is not a code page the reader knows.
  bool setCodePage(std::string_view codePage);

  // False when the bytes are not valid in the encoding.
  bool decode(std::string_view bytes, OdString& text) const;
  // Decodes bytes that decode() refused as well as can be: UTF-8 that is not UTF-8 is read in
  // the code page that older writers use (ANSI_1252), code-page bytes that are not valid there
  // become U+FFFD. Returns what was done, for the report.
  std::string decodeLossy(std::string_view bytes, OdString& text) const;

private:
  void use(QTextCodec* codec);

  QTextCodec* m_codec;
  bool m_utf8 = false;
  // The code page reads byte 0x5C as a backslash.
  bool m_asciiBackslash = true;
};

// The Qt codec for a $DWGCODEPAGE name, null when unknown.
QTextCodec* dxfCodecForCodePage(std::string_view codePage);
// The $DWGCODEPAGE name of a code page that other writers name otherwise ("MAC-ROMAN",
// "CP1252", "ISO-8859-1", "LATIN1" ...); empty when the name is no code page known so.
std::string dxfCodePageForAlias(std::string_view alias);
} // namespace kydxf

#endif
