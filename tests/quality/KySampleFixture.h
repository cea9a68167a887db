// Fixtures of the quality suites: the built-in sample drawing as the active drawing, with the
// ids the hostile values need (an erased object, records of each table), its palette objects in
// handle order, and complete object snapshots that also count non-finite numbers.
#ifndef KY_SAMPLE_FIXTURE_H
#define KY_SAMPLE_FIXTURE_H

#include <string>
#include <vector>

#include "DbFiler.h"
#include "DbObject.h"
#include "KyTestDrawing.h"

class KySampleDrawing
{
public:
  // Builds the sample into a new active drawing and adds a multiline text in columns and one
  // erased line.
  KySampleDrawing();

  OdDbDatabase* db() const { return m_drawing.db(); }

  // Every object of the drawing that has a property extension, in handle order (the property
  // module must be initialised).
  std::vector<OdDbObjectId> paletteObjects() const;

  OdDbObjectId erasedId() const { return m_erased; }
  OdDbObjectId layerId(const wchar_t* name) const;
  OdDbObjectId linetypeId(const wchar_t* name) const;
  OdDbObjectId textStyleId(const wchar_t* name) const;
  OdDbObjectId modelSpaceId() const;

private:
  KyTestDrawing m_drawing;
  OdDbObjectId m_erased;
};

// The complete state of an object: its DXF tags (extended data included) followed by those of
// the fields it owns. Equal snapshots mean bit-equal state.
class KyObjectSnapshot : public OdDbDxfTagList
{
public:
  explicit KyObjectSnapshot(const OdDbObject* object);

  void wrDouble(int groupCode, double value) override;

  // Number of NaN or infinite doubles the object wrote.
  int nonFinite() const { return m_nonFinite; }

private:
  int m_nonFinite = 0;
};

// Class name of an object ("OdDbLine").
std::string KyClassName(const OdDbObject* object);

#endif
