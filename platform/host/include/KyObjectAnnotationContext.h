// CKyObjectAnnotationContext: the host's annotation-scale service for one or more objects:
// annotative flag, current scale, the add/remove-scales dialog and the heights of annotative
// texts. Scales and annotative data live in the drawing (DbObjectContextManager.h).
#ifndef KY_OBJECT_ANNOTATION_CONTEXT_H
#define KY_OBJECT_ANNOTATION_CONTEXT_H

#include "DbAnnotationScale.h"
#include "DbEntity.h"
#include "KyString.h"
#include "OdArray.h"

class CKyObjectAnnotationContext
{
public:
  // Application of the extended data that makes an annotative object follow the orientation
  // of the layout: (1001 "AcadAnnoPO") (1070 1).
  static const wchar_t* const kOrientationAppName;

  explicit CKyObjectAnnotationContext(const OdDbObjectId& id);
  explicit CKyObjectAnnotationContext(const OdArray<OdDbObjectId>& ids);

  const OdArray<OdDbObjectId>& GetIds() const;

  // Whether the object is annotative; false for ids that do not open. pMatchesOrientation, when
  // given, is set to true exactly when the object is annotative and also matches the layout
  // orientation (it carries extended data of kOrientationAppName with the 1070 value 1).
  static bool IsAnnotative(const OdDbObjectId& id, bool* pMatchesOrientation = 0);

  // Name of the current annotation scale of the first object when it is annotative, else the
  // drawing's current annotation scale; empty when there is no object or it does not open.
  CKyString GetCurrentScale() const;

  // Asks the host to show the add/remove-scales dialog for the objects.
  void ShowAddRemoveUI();

  // Makes the object annotative or not; with updateByStyle the object then takes its style's
  // text size (UpdateTextFromTextStyle). False when the object does not open for write or is
  // not in a drawing.
  static bool SetAnnotative(const OdDbObjectId& id, bool annotative, bool updateByStyle);
  // Texts and multiline texts become annotative exactly when their text style is, and take the
  // style's text size; dimensions become annotative exactly when their dimension style is. False
  // for objects that do not open or have no style; other kinds of objects raise
  // OdError(eNotImplementedYet).
  static bool SetAnnotativeByStyle(const OdDbObjectId& id);

  // Text height of a text or multiline text (open for write). For an annotative one the value is
  // the sheet height and the model height becomes value / scale factor of its current scale; for
  // others the value is the height. False, with nothing changed, for values that are not positive
  // and finite and for other kinds of entities.
  static bool UpdateAnnotativeTextHeight(OdDbEntity* pEnt, double sheetOrModelHeight);
  // A text or multiline text takes its style's fixed text size (when not 0), through
  // UpdateAnnotativeTextHeight; other entities are left as they are.
  static void UpdateTextFromTextStyle(OdDbEntity* pEnt);
  // Updates the dimension variables a dimension derives from its annotative state: an annotative
  // dimension gets DIMSCALE 1 (its sizes are sheet sizes); another one gets DIMSCALE 1 / the
  // factor of its current scale, so that it keeps its size in the model. Nothing to do for other
  // entities.
  static void UpdateDimensionsOverrides(OdDbEntity* pEnt);
  // SetAnnotative(id, annotative, false), then UpdateDimensionsOverrides for the entity.
  static bool UpdateDimensionsOverrides(const OdDbObjectId& id, bool annotative);

  // The drawing's scale of that name; null when there is none.
  static OdDbAnnotationScalePtr GetByName(OdDbDatabase* pDb, const CKyString& name);
  // The drawing's scales in list order.
  static OdArray<OdDbObjectId> GetScales(OdDbDatabase* pDb);
  // Scale factor (paper / drawing units) of the object's current scale, of the drawing's when
  // the object is not annotative.
  static double GetCurrentScaleFactor(const OdDbObject* pObj);

private:
  // The object of a one-object context (the rows of one object make one per value they show);
  // m_ids is filled from it only when the list is asked for.
  OdDbObjectId m_id;
  bool m_single = false;
  mutable OdArray<OdDbObjectId> m_ids;
};

#endif
