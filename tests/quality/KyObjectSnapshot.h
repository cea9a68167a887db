// Object snapshots for the quality checks, shared by the quality tests and the fuzz targets.
#ifndef KY_OBJECT_SNAPSHOT_H
#define KY_OBJECT_SNAPSHOT_H

#include "DbFiler.h"
#include "DbObject.h"

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

#endif
