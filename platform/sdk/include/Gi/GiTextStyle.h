// OdGiTextStyle: the drawing side of a text style: its font and big-font files, whether it is a
// shape file, and its sizes. giFromDbTextStyle fills one from a text-style record.
#ifndef OD_GI_TEXT_STYLE_H
#define OD_GI_TEXT_STYLE_H

#include "OdString.h"

class OdDbDatabase;
class OdDbObjectId;
class OdDbTextStyleTableRecord;

class OdGiTextStyle
{
public:
  OdGiTextStyle() = default;

  void setFileName(const OdString& fileName) { m_fileName = fileName; }
  const OdString& ttfFileName() const { return m_fileName; }
  void setBigFontFileName(const OdString& bigFontFileName) { m_bigFontFileName = bigFontFileName; }
  const OdString& bigFontFileName() const { return m_bigFontFileName; }
  void setShapeLoaded(bool shapeFile) { m_shapeFile = shapeFile; }
  bool isShape() const { return m_shapeFile; }
  void setTextSize(double size) { m_textSize = size; }
  double textSize() const { return m_textSize; }
  void setXScale(double xScale) { m_xScale = xScale; }
  double xScale() const { return m_xScale; }
  void setObliquingAngle(double angle) { m_obliquingAngle = angle; }
  double obliquingAngle() const { return m_obliquingAngle; }

  // The path of the font file. This SDK searches no font folders: the file name as the style
  // gives it, or "" when the style names none.
  OdString getFontFilePath(OdDbDatabase* pDb) const;

private:
  OdString m_fileName;
  OdString m_bigFontFileName;
  bool m_shapeFile = false;
  double m_textSize = 0.0;
  double m_xScale = 1.0;
  double m_obliquingAngle = 0.0;
};

// The drawing side of a text style (the record open for read at least).
void giFromDbTextStyle(const OdDbTextStyleTableRecord* pStyle, OdGiTextStyle& giStyle);
// The same for a style id; a null id or one that is no text style leaves the style as it was.
void giFromDbTextStyle(const OdDbObjectId& styleId, OdGiTextStyle& giStyle);

#endif
