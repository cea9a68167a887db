// OdDbDatabase: a drawing: its objects by handle, the symbol tables, the named-objects
// dictionary and the header variables. A new database already holds layer "0", linetypes
// "ByLayer", "ByBlock" and "Continuous", text and dimension style "Standard", the blocks
// "*Model_Space" and "*Paper_Space", the viewport "*Active" and the named-objects dictionary.
// It owns its objects and deletes them when it is destroyed (see DbObject.h).
// Create one with OdDbDatabase::createObject(), or derive from it and instantiate
// OdRxObjectImpl<Derived>.
#ifndef OD_DB_DATABASE_H
#define OD_DB_DATABASE_H

#include "CmColor.h"
#include "DbLineWeight.h"
#include "DbObject.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

class OdDbDatabaseImpl;
class OdDbDatabaseReactor;

class OdDbDatabase : public OdRxObject
{
public:
  ODRX_DECLARE_MEMBERS(OdDbDatabase);

  OdDbDatabase();
  ~OdDbDatabase() override;

  // Adds a new object. The handle is kept when given (readers keep the handles of the file;
  // one in use raises OdError(eHandleInUse)), else the next free handle is used. The object must
  // not be in a database yet (OdError(eAlreadyInDb)). It stays open for write while the caller
  // holds references and is closed when they are released. Owners (tables, block records,
  // dictionaries) list their new members themselves; this only records the owner id.
  OdDbObjectId addOdDbObject(OdDbObject* pObject, OdDbObjectId ownerId = OdDbObjectId::kNull,
                             OdDbHandle handle = OdDbHandle());
  // The id for a handle: null when unknown, unless createIfNotFound, which reserves the
  // handle and returns an id that becomes valid when an object is added under it.
  OdDbObjectId getOdDbObjectId(const OdDbHandle& handle, bool createIfNotFound = false);
  // The next handle that addOdDbObject would give.
  OdDbHandle handseed() const;
  // Moves a resident object of this database to another handle; its ids follow it. Readers use
  // it to give the objects a new database starts with, and the objects they append, the handles
  // of the file. The handle must not be null (OdError(eNullHandle)) nor held or reserved by
  // another object (OdError(eHandleInUse)); the id must be of an object of this database
  // (OdError(eWrongDatabase)). The handle seed moves past the new handle.
  void setObjectHandle(const OdDbObjectId& objectId, const OdDbHandle& handle);
  // Sets where the search for the next free handle starts: the next object added without a
  // handle (by addOdDbObject, appendOdDbEntity, a table's add or a dictionary's setAt) gets the
  // first unused handle from there. Readers set it to the handle the file gives the object they
  // add next. A null handle raises OdError(eNullHandle).
  void setHandseed(const OdDbHandle& seed);

  OdDbObjectId getBlockTableId() const;
  OdDbObjectId getLayerTableId() const;
  OdDbObjectId getTextStyleTableId() const;
  OdDbObjectId getLinetypeTableId() const;
  OdDbObjectId getViewTableId() const;
  OdDbObjectId getUCSTableId() const;
  OdDbObjectId getViewportTableId() const;
  OdDbObjectId getRegAppTableId() const;
  OdDbObjectId getDimStyleTableId() const;
  OdDbObjectId getNamedObjectsDictionaryId() const;

  OdDbObjectId getModelSpaceId() const;
  OdDbObjectId getPaperSpaceId() const;
  OdDbObjectId getLayerZeroId() const;
  OdDbObjectId getLinetypeByLayerId() const;
  OdDbObjectId getLinetypeByBlockId() const;
  OdDbObjectId getLinetypeContinuousId() const;
  OdDbObjectId getTextStyleStandardId() const;
  OdDbObjectId getDimStyleStandardId() const;
  // The "*Active" viewport record (the current model-space view tile).
  OdDbObjectId activeViewportId() const;

  // Registers an application for extended data when it is not yet registered; true when it
  // was added.
  bool newRegApp(const OdString& appName);

  // Reactors told of header changes and of the database's end (not owned; adding one twice
  // keeps one entry, removing an absent one does nothing).
  void addReactor(OdDbDatabaseReactor* pReactor) const;
  void removeReactor(OdDbDatabaseReactor* pReactor) const;

  // Header variables. Setters refuse values out of range (and non-finite numbers) with
  // OdError(eInvalidInput); id setters need a record of the right table of this database
  // (OdError(eWrongObjectType) / OdError(eWrongDatabase)). Accepted values are announced to the
  // reactors before and after they are stored, also when they equal the present ones.
  OdDbObjectId getCLAYER() const;
  // Frozen layers cannot become current (OdError(eInvalidInput)).
  void setCLAYER(const OdDbObjectId& layerId);
  OdDbObjectId getCELTYPE() const;
  void setCELTYPE(const OdDbObjectId& linetypeId);
  OdCmColor getCECOLOR() const;
  void setCECOLOR(const OdCmColor& color);
  OdDb::LineWeight getCELWEIGHT() const;
  void setCELWEIGHT(OdDb::LineWeight lineWeight);
  OdCmTransparency getCETRANSPARENCY() const;
  void setCETRANSPARENCY(const OdCmTransparency& transparency);
  // Plot style name of new objects in a named-style drawing ("ByLayer" unless set).
  OdString getCPLOTSTYLE() const;
  void setCPLOTSTYLE(const OdString& plotStyleName);
  // Positive.
  double getLTSCALE() const;
  void setLTSCALE(double scale);
  double getCELTSCALE() const;
  void setCELTSCALE(double scale);
  // 1..5 (OdDb::UnitsType).
  OdInt16 getLUNITS() const;
  void setLUNITS(OdInt16 units);
  // 0..8.
  OdInt16 getLUPREC() const;
  void setLUPREC(OdInt16 precision);
  // 0..4 (OdDb::AngularUnits).
  OdInt16 getAUNITS() const;
  void setAUNITS(OdInt16 units);
  // 0..8.
  OdInt16 getAUPREC() const;
  void setAUPREC(OdInt16 precision);
  // Radians, finite; the direction of angle 0.
  double getANGBASE() const;
  void setANGBASE(double angle);
  // True: angles grow clockwise.
  bool getANGDIR() const;
  void setANGDIR(bool clockwise);
  OdDb::UnitsValue getINSUNITS() const;
  void setINSUNITS(OdDb::UnitsValue units);
  OdDb::MeasurementValue getMEASUREMENT() const;
  void setMEASUREMENT(OdDb::MeasurementValue measurement);
  // True: colour-dependent plot styles; false: named plot styles.
  bool getPSTYLEMODE() const;
  void setPSTYLEMODE(bool colorDependent);
  // Positive.
  double getTEXTSIZE() const;
  void setTEXTSIZE(double size);
  OdDbObjectId getTEXTSTYLE() const;
  void setTEXTSTYLE(const OdDbObjectId& textStyleId);
  OdDbObjectId getDIMSTYLE() const;
  void setDIMSTYLE(const OdDbObjectId& dimStyleId);
  // 1..32767.
  OdInt16 getSPLINESEGS() const;
  void setSPLINESEGS(OdInt16 segments);
  // Model-space UCS (world unless set). Axes must be non-zero; they are stored normalised.
  OdGePoint3d getUCSORG() const;
  void setUCSORG(const OdGePoint3d& origin);
  OdGeVector3d getUCSXDIR() const;
  void setUCSXDIR(const OdGeVector3d& xDir);
  OdGeVector3d getUCSYDIR() const;
  void setUCSYDIR(const OdGeVector3d& yDir);
  // Code page name of the drawing ("ANSI_1252" unless set); not empty.
  OdString getDWGCODEPAGE() const;
  void setDWGCODEPAGE(const OdString& codePage);
  // Free-form name of the file format version the drawing came from ("" for a new drawing).
  OdString getFileVersionName() const;
  void setFileVersionName(const OdString& versionName);

private:
  friend class OdDbObjectAccess;
  OdDbDatabaseImpl* m_pImpl;
};

typedef OdSmartPtr<OdDbDatabase> OdDbDatabasePtr;

#endif
