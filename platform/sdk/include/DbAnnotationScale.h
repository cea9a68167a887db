// OdDbAnnotationScale: a named annotation scale of a drawing, paper units to drawing units
// ("1:2": one paper unit shows two drawing units; its scale factor is 0.5). A database keeps
// its scales in its scale list (DbObjectContextManager.h).
#ifndef OD_DB_ANNOTATION_SCALE_H
#define OD_DB_ANNOTATION_SCALE_H

#include "DbObject.h"

class OdDbAnnotationScale : public OdDbObject
{
public:
  ODRX_DECLARE_MEMBERS(OdDbAnnotationScale);

  OdDbAnnotationScale();

  OdResult getName(OdString& name) const;
  // eInvalidInput for an empty name; eDuplicateKey when another scale of the same list has it
  // (names compare case-insensitively). Renames the list entry too.
  OdResult setName(const OdString& name);
  // Paper units / drawing units.
  OdResult getScale(double& scale) const;
  OdResult getPaperUnits(double& paperUnits) const;
  // Positive and finite, else eInvalidInput.
  OdResult setPaperUnits(double paperUnits);
  OdResult getDrawingUnits(double& drawingUnits) const;
  OdResult setDrawingUnits(double drawingUnits);

  // 300 name, 140 paper units, 141 drawing units.
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdString m_name;
  double m_paperUnits = 1.0;
  double m_drawingUnits = 1.0;
};

typedef OdSmartPtr<OdDbAnnotationScale> OdDbAnnotationScalePtr;

#endif
