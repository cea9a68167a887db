// OdDbTextStyleTableRecord: a text style: its font (a font file or a typeface with style
// flags), big-font file, fixed height, width factor, obliquing angle and the backwards,
// upside-down and vertical flags.
#ifndef OD_DB_TEXT_STYLE_TABLE_RECORD_H
#define OD_DB_TEXT_STYLE_TABLE_RECORD_H

#include "DbSymbolTableRecord.h"

class OdDbTextStyleTableRecord : public OdDbSymbolTableRecord
{
public:
  ODRX_DECLARE_MEMBERS(OdDbTextStyleTableRecord);

  OdDbTextStyleTableRecord();

  // A style that defines shapes rather than text.
  bool isShapeFile() const;
  void setIsShapeFile(bool shapeFile);
  bool isVertical() const;
  void setIsVertical(bool vertical);
  bool isBackwards() const;
  void setIsBackwards(bool backwards);
  bool isUpsideDown() const;
  void setIsUpsideDown(bool upsideDown);

  // 0 means the height is chosen per text. Negative or non-finite values raise eInvalidInput.
  double textSize() const;
  void setTextSize(double textSize);
  // The last height used with this style.
  double priorSize() const;
  void setPriorSize(double priorSize);
  // Width factor: positive and finite.
  double xScale() const;
  void setXScale(double xScale);
  // Radians, within ±85 degrees (±1.48353 rad); otherwise eInvalidInput.
  double obliquingAngle() const;
  void setObliquingAngle(double obliquingAngle);

  OdString fileName() const;
  void setFileName(const OdString& fileName);
  OdString bigFontFileName() const;
  void setBigFontFileName(const OdString& bigFontFileName);

  // Typeface font description (empty typeface: the style uses fileName()).
  void setFont(const OdString& typeface, bool bold, bool italic, int charset, int pitchAndFamily);
  void font(OdString& typeface, bool& bold, bool& italic, int& charset, int& pitchAndFamily) const;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  bool m_shapeFile = false;
  bool m_vertical = false;
  bool m_backwards = false;
  bool m_upsideDown = false;
  double m_textSize = 0.0;
  double m_priorSize = 2.5;
  double m_xScale = 1.0;
  double m_obliquingAngle = 0.0;
  OdString m_fileName;
  OdString m_bigFontFileName;
  OdString m_typeface;
  bool m_bold = false;
  bool m_italic = false;
  int m_charset = 0;
  int m_pitchAndFamily = 0;
};

typedef OdSmartPtr<OdDbTextStyleTableRecord> OdDbTextStyleTableRecordPtr;

#endif
