// OdDbLayerTableRecord: a layer with its colour, linetype, lineweight, plot style and
// transparency, its on/off, frozen, locked, plottable and hidden flags, and overrides of
// colour, linetype, lineweight, plot style and transparency for single viewports.
#ifndef OD_DB_LAYER_TABLE_RECORD_H
#define OD_DB_LAYER_TABLE_RECORD_H

#include "CmColor.h"
#include "DbLineWeight.h"
#include "DbSymbolTableRecord.h"

class OdDbLayerTableRecord : public OdDbSymbolTableRecord
{
public:
  ODRX_DECLARE_MEMBERS(OdDbLayerTableRecord);

  OdDbLayerTableRecord();

  bool isFrozen() const;
  void setIsFrozen(bool frozen);
  bool isOff() const;
  void setIsOff(bool off);
  bool isLocked() const;
  void setIsLocked(bool locked);
  bool isPlottable() const;
  void setIsPlottable(bool plottable);
  bool isHidden() const;
  void setIsHidden(bool hidden);
  // Frozen in viewports created from now on.
  bool VPDFLT() const;
  void setVPDFLT(bool frozen);

  // A palette or true colour (7 unless set); ByLayer, ByBlock and the other methods raise
  // OdError(eInvalidInput).
  OdCmColor color() const;
  void setColor(const OdCmColor& color);
  OdCmEntityColor entityColor() const;
  // The linetype record (Continuous once the layer is in a database).
  OdDbObjectId linetypeObjectId() const;
  // Must be a linetype record: OdError(eWrongObjectType) otherwise.
  void setLinetypeObjectId(const OdDbObjectId& linetypeId);
  // Not ByLayer or ByBlock (OdError(eInvalidInput)); kLnWtByLwDefault unless set.
  OdDb::LineWeight lineWeight() const;
  void setLineWeight(OdDb::LineWeight lineWeight);
  OdString plotStyleName() const;
  // OdError(eInvalidInput) for an empty name.
  void setPlotStyleName(const OdString& plotStyleName);
  // By alpha (opaque unless set); ByLayer, ByBlock and the error value raise eInvalidInput.
  OdCmTransparency transparency() const;
  void setTransparency(const OdCmTransparency& transparency);
  OdString description() const;
  void setDescription(const OdString& description);

  // Values seen in one viewport: the override when the viewport has one (isOverride true),
  // else the layer's own value.
  OdCmColor color(const OdDbObjectId& viewportId, bool& isOverride) const;
  OdDbObjectId linetypeObjectId(const OdDbObjectId& viewportId, bool& isOverride) const;
  OdDb::LineWeight lineWeight(const OdDbObjectId& viewportId, bool& isOverride) const;
  OdString plotStyleName(const OdDbObjectId& viewportId, bool& isOverride) const;
  OdCmTransparency transparency(const OdDbObjectId& viewportId, bool& isOverride) const;
  // Overrides for one viewport, validated as the layer's own setters do.
  void setColor(const OdCmColor& color, const OdDbObjectId& viewportId);
  void setLinetype(const OdDbObjectId& linetypeId, const OdDbObjectId& viewportId);
  void setLineWeight(OdDb::LineWeight lineWeight, const OdDbObjectId& viewportId);
  void setPlotStyleName(const OdString& plotStyleName, const OdDbObjectId& viewportId);
  void setTransparency(const OdCmTransparency& transparency, const OdDbObjectId& viewportId);
  void removeColorOverride(const OdDbObjectId& viewportId);
  void removeLinetypeOverride(const OdDbObjectId& viewportId);
  void removeLineWeightOverride(const OdDbObjectId& viewportId);
  void removePlotStyleOverride(const OdDbObjectId& viewportId);
  void removeTransparencyOverride(const OdDbObjectId& viewportId);
  void removeViewportOverrides(const OdDbObjectId& viewportId);
  void removeAllOverrides();
  bool hasOverrides(const OdDbObjectId& viewportId) const;
  bool hasAnyOverrides() const;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  struct ViewportOverrides
  {
    OdDbObjectId viewportId;
    bool hasColor = false;
    OdCmColor color;
    bool hasLinetype = false;
    OdDbObjectId linetypeId;
    bool hasLineWeight = false;
    OdDb::LineWeight lineWeight = OdDb::kLnWtByLwDefault;
    bool hasPlotStyle = false;
    OdString plotStyleName;
    bool hasTransparency = false;
    OdCmTransparency transparency;
    bool isEmpty() const { return !hasColor && !hasLinetype && !hasLineWeight && !hasPlotStyle && !hasTransparency; }
  };
  const ViewportOverrides* findOverrides(const OdDbObjectId& viewportId) const;
  ViewportOverrides& overridesFor(const OdDbObjectId& viewportId);
  void dropEmptyOverrides();

  bool m_frozen = false;
  bool m_off = false;
  bool m_locked = false;
  bool m_plottable = true;
  bool m_hidden = false;
  bool m_vpdflt = false;
  OdCmColor m_color;
  OdDbObjectId m_linetypeId;
  OdDb::LineWeight m_lineWeight = OdDb::kLnWtByLwDefault;
  OdString m_plotStyleName;
  OdCmTransparency m_transparency;
  OdString m_description;
  std::vector<ViewportOverrides> m_overrides;
};

typedef OdSmartPtr<OdDbLayerTableRecord> OdDbLayerTableRecordPtr;

#endif
