// Annotation scales of a drawing and of its annotative objects.
//
// OdDbAnnotationScaleList: the drawing's scales are OdDbAnnotationScale objects in the
// dictionary "SCALELIST" of the named-objects dictionary, in list order. The dictionary is
// made on first use, holding the default scales 1:1, 1:2, 1:4, 1:5, 1:8, 1:10, 1:16, 1:20,
// 1:30, 1:40, 1:50, 1:100, 2:1, 4:1, 8:1, 10:1, 100:1; it also records the drawing's current
// annotation scale (1:1 until set).
//
// OdDbAnnotativeObject: whether an object (entity, style, block record ...) is annotative, its
// annotation scales and its current scale. They are kept as extended data of the registered
// application "OdAnnotative", so they are copied, listed and written with the object:
//   (1001 "OdAnnotative") (1070 1) (1005 current scale) (1005 scale) (1005 scale) ...
// A non-annotative object carries none. Handles of scales that are gone are skipped on read.
#ifndef OD_DB_OBJECT_CONTEXT_MANAGER_H
#define OD_DB_OBJECT_CONTEXT_MANAGER_H

#include "DbAnnotationScale.h"
#include "DbDatabase.h"

class OdDbAnnotationScaleList
{
public:
  // Name of the scale-list entry in the named-objects dictionary.
  static const OdChar* const kDictionaryName;

  // The scale list, made with the default scales when missing (the named-objects dictionary
  // is opened for write then). OdError(eNoDatabase) for a null database.
  static OdDbObjectId dictionaryId(OdDbDatabase* pDb);
  // Ids of the scales in list order.
  static OdDbObjectIdArray scales(OdDbDatabase* pDb);
  // The scale of that name (case-insensitive); null when there is none.
  static OdDbObjectId getScale(OdDbDatabase* pDb, const OdString& name);
  // Adds a scale at the end of the list. OdError(eInvalidInput) for an empty name or units that
  // are not positive and finite, OdError(eDuplicateKey) for a name already in the list.
  static OdDbObjectId addScale(OdDbDatabase* pDb, const OdString& name, double paperUnits, double drawingUnits);
  // The drawing's current annotation scale (1:1 of the list until set; the first scale of the
  // list when that one is gone).
  static OdDbObjectId currentScale(OdDbDatabase* pDb);
  // OdError(eWrongObjectType) when the id is not a scale of this drawing's list.
  static void setCurrentScale(OdDbDatabase* pDb, const OdDbObjectId& scaleId);
};

class OdDbAnnotativeObject
{
public:
  // The registered application that holds the annotative data.
  static const OdChar* const kAppName;

  // Needs read access.
  static bool isAnnotative(const OdDbObject* pObj);
  // Making an object annotative gives it the drawing's current annotation scale as its only and
  // current scale (an object already annotative keeps its scales); making it non-annotative
  // drops its data. Needs write access and a database (OdError(eNoDatabase)).
  static void setAnnotative(OdDbObject* pObj, bool annotative);

  // The object's scales in the order they were added; empty when it is not annotative.
  static OdDbObjectIdArray scales(const OdDbObject* pObj);
  // Adds a scale (nothing when present). OdError(eNotApplicable) when the object is not
  // annotative, OdError(eWrongObjectType) when the id is not a scale of the object's drawing.
  static void addScale(OdDbObject* pObj, const OdDbObjectId& scaleId);
  // eOk; eKeyNotFound when the object does not have the scale; eNotApplicable for its last
  // scale or a non-annotative object. Removing the current scale makes the first remaining
  // one current.
  static OdResult removeScale(OdDbObject* pObj, const OdDbObjectId& scaleId);
  // Null when the object is not annotative.
  static OdDbObjectId currentScale(const OdDbObject* pObj);
  // Adds the scale when the object does not have it yet; errors as addScale().
  static void setCurrentScale(OdDbObject* pObj, const OdDbObjectId& scaleId);
};

#endif
