// DXF output of database objects. OdDbDxfFiler receives an object's state as group codes and
// values (dxfOutFields); OdDbDxfTagList is a concrete filer that keeps the tags as text, used
// to compare complete object states ("snapshots") and as the source of a DXF writer.
#ifndef OD_DB_FILER_H
#define OD_DB_FILER_H

#include <utility>
#include <vector>

#include "DbObjectId.h"
#include "Ge/GePoint2d.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"
#include "OdString.h"

class OdDbDatabase;

class OdDbDxfFiler
{
public:
  virtual ~OdDbDxfFiler() = default;

  // The database whose objects are written (may be null).
  virtual OdDbDatabase* database() const { return 0; }

  virtual void wrName(int groupCode, const OdString& value) = 0;
  virtual void wrString(int groupCode, const OdString& value) = 0;
  virtual void wrBool(int groupCode, bool value) = 0;
  virtual void wrInt8(int groupCode, OdInt8 value) = 0;
  virtual void wrUInt8(int groupCode, OdUInt8 value) = 0;
  virtual void wrInt16(int groupCode, OdInt16 value) = 0;
  virtual void wrUInt16(int groupCode, OdUInt16 value) = 0;
  virtual void wrInt32(int groupCode, OdInt32 value) = 0;
  virtual void wrUInt32(int groupCode, OdUInt32 value) = 0;
  virtual void wrInt64(int groupCode, OdInt64 value) = 0;
  virtual void wrDouble(int groupCode, double value) = 0;
  // Radians.
  virtual void wrAngle(int groupCode, double value) { wrDouble(groupCode, value); }
  // Points and vectors write one tag per coordinate: groupCode, groupCode + 10, groupCode + 20.
  virtual void wrPoint2d(int groupCode, const OdGePoint2d& value);
  virtual void wrPoint3d(int groupCode, const OdGePoint3d& value);
  virtual void wrVector2d(int groupCode, const OdGeVector2d& value);
  virtual void wrVector3d(int groupCode, const OdGeVector3d& value);
  virtual void wrHandle(int groupCode, const OdDbHandle& value) = 0;
  // The handle of the object (0 for a null id).
  virtual void wrObjectId(int groupCode, const OdDbObjectId& value) { wrHandle(groupCode, value.getHandle()); }
  virtual void wrBinaryChunk(int groupCode, const OdUInt8* pData, OdUInt32 length) = 0;
  virtual void wrSubclassMarker(const OdString& className) { wrString(100, className); }
  virtual void wrEmbeddedObjectStart() { wrString(101, L"Embedded Object"); }
};

// Collects tags as (group code, text). Doubles are written with 17 significant digits
// ("%.17g"), so equal lists mean bit-equal values; handles as upper-case hexadecimal.
class OdDbDxfTagList : public OdDbDxfFiler
{
public:
  typedef std::pair<int, OdString> Tag;

  explicit OdDbDxfTagList(OdDbDatabase* pDb = 0) : m_pDb(pDb) {}

  OdDbDatabase* database() const override { return m_pDb; }

  void wrName(int groupCode, const OdString& value) override { add(groupCode, value); }
  void wrString(int groupCode, const OdString& value) override { add(groupCode, value); }
  void wrBool(int groupCode, bool value) override;
  void wrInt8(int groupCode, OdInt8 value) override;
  void wrUInt8(int groupCode, OdUInt8 value) override;
  void wrInt16(int groupCode, OdInt16 value) override;
  void wrUInt16(int groupCode, OdUInt16 value) override;
  void wrInt32(int groupCode, OdInt32 value) override;
  void wrUInt32(int groupCode, OdUInt32 value) override;
  void wrInt64(int groupCode, OdInt64 value) override;
  void wrDouble(int groupCode, double value) override;
  void wrHandle(int groupCode, const OdDbHandle& value) override { add(groupCode, value.ascii()); }
  void wrBinaryChunk(int groupCode, const OdUInt8* pData, OdUInt32 length) override;

  const std::vector<Tag>& tags() const { return m_tags; }
  int size() const { return static_cast<int>(m_tags.size()); }
  int code(int i) const;
  const OdString& value(int i) const;
  // The value of the first tag with the code after position from (empty when none).
  OdString find(int groupCode, int from = 0) const;
  // Every value written under the code, in order.
  std::vector<OdString> values(int groupCode) const;
  void clear() { m_tags.clear(); }

  // One tag per line, "code: value", for readable test failures.
  std::string toString() const;

  bool operator==(const OdDbDxfTagList& other) const { return m_tags == other.m_tags; }
  bool operator!=(const OdDbDxfTagList& other) const { return m_tags != other.m_tags; }

private:
  void add(int groupCode, const OdString& value) { m_tags.emplace_back(groupCode, value); }

  OdDbDatabase* m_pDb;
  std::vector<Tag> m_tags;
};

#endif
