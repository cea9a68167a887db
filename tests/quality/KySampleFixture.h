// Fixtures of the quality suites: the built-in sample drawing as the active drawing, with the
// ids the hostile values need (an erased object, records of each table), and its palette objects
// in handle order.
#ifndef KY_SAMPLE_FIXTURE_H
#define KY_SAMPLE_FIXTURE_H

#include <string>
#include <vector>

#include "KyObjectSnapshot.h"
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

// Class name of an object ("OdDbLine").
std::string KyClassName(const OdDbObject* object);

#endif
