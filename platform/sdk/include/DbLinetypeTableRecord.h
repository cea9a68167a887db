// OdDbLinetypeTableRecord: a linetype: its description ("comments"), the dashes of its
// pattern (positive dash, negative gap, zero dot) and the pattern length.
#ifndef OD_DB_LINETYPE_TABLE_RECORD_H
#define OD_DB_LINETYPE_TABLE_RECORD_H

#include "DbSymbolTableRecord.h"

class OdDbLinetypeTableRecord : public OdDbSymbolTableRecord
{
public:
  ODRX_DECLARE_MEMBERS(OdDbLinetypeTableRecord);

  OdDbLinetypeTableRecord();

  OdString comments() const;
  void setComments(const OdString& comments);
  // The sum of the absolute dash lengths unless set otherwise.
  double patternLength() const;
  // Non-negative and finite, else OdError(eInvalidInput).
  void setPatternLength(double patternLength);
  bool isScaledToFit() const;
  void setIsScaledToFit(bool scaledToFit);
  int numDashes() const;
  // Resizes the pattern (new dashes have length 0); negative counts raise eInvalidInput.
  void setNumDashes(int count);
  // Indices outside the pattern raise OdError_InvalidIndex; lengths must be finite.
  double dashLengthAt(int index) const;
  void setDashLengthAt(int index, double length);

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdString m_comments;
  bool m_patternLengthSet = false;
  double m_patternLength = 0.0;
  bool m_scaledToFit = false;
  OdArray<double> m_dashes;
};

typedef OdSmartPtr<OdDbLinetypeTableRecord> OdDbLinetypeTableRecordPtr;

#endif
