// OdDbEntity: a database object with graphics and the common entity properties (colour,
// layer, linetype and its scale, plot style, lineweight, transparency, visibility).
// Getters need read access, setters write access; the virtual setters may be overridden
// (objects with sub-entities pass doSubents on).
#ifndef OD_DB_ENTITY_H
#define OD_DB_ENTITY_H

#include "CmColor.h"
#include "DbLineWeight.h"
#include "DbObject.h"
#include "Ge/GeExtents3d.h"
#include "Ge/GeMatrix3d.h"

class OdDbEntity : public OdDbObject
{
public:
  ODRX_DECLARE_MEMBERS(OdDbEntity);

  // The block table record owning the entity (its owner), null when not in a block.
  OdDbObjectId blockId() const;

  OdCmColor color() const;
  // eOk, or eInvalidInput for a colour with a method entities cannot carry (layer off/frozen).
  virtual OdResult setColor(const OdCmColor& color, bool doSubents = true);
  OdUInt16 colorIndex() const;
  // 0 (ByBlock) .. 257 (None); others give eInvalidInput.
  virtual OdResult setColorIndex(OdUInt16 colorIndex, bool doSubents = true);
  OdCmEntityColor entityColor() const;

  // Name of the layer ("" when the entity has none yet).
  OdString layer() const;
  OdDbObjectId layerId() const;
  // The id must be a layer record (of the entity's database when it has one): eWrongObjectType
  // for another object, eNullObjectId / eWasErased / eWrongDatabase as named; a hidden layer
  // gives eInvalidInput unless allowHiddenLayer.
  virtual OdResult setLayer(OdDbObjectId layerId, bool doSubents = true, bool allowHiddenLayer = false);
  // By name in the entity's database: eNoDatabase without one, eKeyNotFound when unknown.
  OdResult setLayer(const OdString& layerName, bool doSubents = true, bool allowHiddenLayer = false);

  OdString linetype() const;
  OdDbObjectId linetypeId() const;
  // The id must be a linetype record: eWrongObjectType otherwise.
  virtual OdResult setLinetype(OdDbObjectId linetypeId, bool doSubents = true);
  OdResult setLinetype(const OdString& linetypeName, bool doSubents = true);

  double linetypeScale() const;
  // eInvalidInput for a scale that is not positive and finite.
  virtual OdResult setLinetypeScale(double linetypeScale, bool doSubents = true);

  // "ByColor" in a drawing with colour-dependent plot styles; otherwise the entity's named
  // plot style ("ByLayer" unless set).
  OdString plotStyleName() const;
  // eInvalidInput for an empty name; eNotApplicable in a colour-dependent drawing.
  virtual OdResult setPlotStyleName(const OdString& plotStyleName, bool doSubents = true);

  OdDb::LineWeight lineWeight() const;
  // eInvalidInput for a value that is not an OdDb::LineWeight.
  virtual OdResult setLineWeight(OdDb::LineWeight lineWeight, bool doSubents = true);

  OdCmTransparency transparency() const;
  // eInvalidInput for the error value.
  virtual OdResult setTransparency(const OdCmTransparency& transparency, bool doSubents = true);

  OdDb::Visibility visibility() const;
  virtual OdResult setVisibility(OdDb::Visibility visibility, bool doSubents = true);

  // Copies colour, layer, linetype, linetype scale, plot style, lineweight, transparency and
  // visibility from pEntity.
  void setPropertiesFrom(const OdDbEntity* pEntity, bool doSubents = true);
  // The drawing's current layer, linetype, colour, linetype scale, lineweight, transparency
  // and plot style ($CLAYER, $CELTYPE, $CECOLOR, $CELTSCALE, $CELWEIGHT,
  // $CETRANSPARENCY); pDb null means the entity's own database (eNoDatabase when it has none).
  void setDatabaseDefaults(OdDbDatabase* pDb = 0, bool doSubents = false);

  // World extents of the geometry; eInvalidExtents for an entity without geometry.
  virtual OdResult getGeomExtents(OdGeExtents3d& extents) const;
  // eNotApplicable for an entity that cannot be transformed.
  virtual OdResult transformBy(const OdGeMatrix3d& xform);

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

protected:
  OdDbEntity();

private:
  friend class OdDbObjectAccess;

  // The stored colour and plot style name, without access checks. A colour with a colour or
  // book name and a plot style other than "ByLayer" live in the object's extras block.
  OdCmColor storedColor() const;
  void storeColor(const OdCmColor& color);
  const OdString& storedPlotStyleName() const;
  void storePlotStyleName(const OdString& plotStyleName);

  OdDbObjectId m_layerId;
  OdDbObjectId m_linetypeId;
  double m_linetypeScale = 1.0;
  OdCmEntityColor m_color;
  OdCmTransparency m_transparency;
  OdInt16 m_lineWeight = OdDb::kLnWtByLayer;
  OdUInt8 m_visibility = OdDb::kVisible;
  bool m_bNamedColor = false;
};

typedef OdSmartPtr<OdDbEntity> OdDbEntityPtr;

#endif
