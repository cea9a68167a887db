// KyDxfSource: what the reader keeps of a file for writing the drawing back. The text itself (the
// mapped file, or a copy), the objects it became (by the line of their 0 tag, with a digest of
// their state right after the read), the lines the reader passed over and the lines it repaired.
#ifndef KY_DXF_SOURCE_H
#define KY_DXF_SOURCE_H

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include <QByteArray>
#include <QString>

#include "DbDatabaseReactor.h"
#include "DbObjectId.h"
#include "RxObjectImpl.h"

class OdDbDatabase;
class OdDbObject;

namespace kydxf
{
// Follows the objects opened for a change after the read, so that the writer compares with their
// digests only those, the objects they own and the entities that own them. Entities name records
// and point at other objects by handle, so an entity's change shows in its own fields alone; a
// change to anything else (a record others name, a dictionary, an object entities draw on) makes
// every object a candidate again.
class DxfChangeTracker : public OdStaticRxObject<OdDbDatabaseReactor>
{
public:
  explicit DxfChangeTracker(const OdDbDatabase* db);
  ~DxfChangeTracker() override;
  DxfChangeTracker(const DxfChangeTracker&) = delete;
  DxfChangeTracker& operator=(const DxfChangeTracker&) = delete;

  // Whether the object may differ from its state at the read.
  bool mayHaveChanged(const OdDbObject* pObj) const;
  // Whether every object may have changed; else the objects marked, which are the only ones that
  // may have (with the entities they own).
  bool everything() const { return m_everything; }
  const std::unordered_set<const OdDbStub*>& touched() const { return m_touched; }

  void objectOpenedForModify(const OdDbDatabase* pDb, const OdDbObject* pObject) override;
  void goodbye(const OdDbDatabase* pDb) override;

private:
  const OdDbDatabase* m_db;
  bool m_everything = false;
  std::unordered_set<const OdDbStub*> m_touched;
};
} // namespace kydxf

class KyDxfSource
{
public:
  KyDxfSource() = default;
  KyDxfSource(const KyDxfSource&) = delete;
  KyDxfSource& operator=(const KyDxfSource&) = delete;
  ~KyDxfSource();

  struct Object
  {
    // Line of the object's 0 tag.
    int line;
    OdDbObjectId id;
    // dxfStateDigest() once the file was read.
    std::uint64_t digest;
    // False when the file gave the object no handle and the reader handed one out: a file written
    // back with the object as it came lets a second read hand out another.
    bool handleFromFile = true;
  };

  // The text after any byte-order mark.
  const char* data = nullptr;
  std::size_t size = 0;
  // The owner of the text: a copy, or the mapping of the file.
  QByteArray bytes;
  void* mapping = nullptr;
  std::size_t mappingSize = 0;
  // The file read (empty for data read from memory) and what identifies its contents.
  QString path;
  std::uint64_t fileDevice = 0, fileInode = 0, fileSize = 0;
  std::int64_t fileModified = 0;

  const OdDbDatabase* database = nullptr;
  // $ACADVER as a number (1015 for "AC1015"), $DWGCODEPAGE, and the line break the file uses.
  int version = 1009;
  std::string codePage = "ANSI_1252";
  bool crlf = true;

  // In line order.
  std::vector<Object> objects;
  // What the database held after the read besides the file's objects (its own defaults, records
  // made for names the file uses without defining them), line 0. Unchanged, they stay out of an
  // output in the file's version, as they were not in the file. Empty when the read gave some of
  // the file's objects new handles.
  std::vector<Object> ambient;
  // Header variables the file put outside its HEADER section, as (code, value) tags; the output
  // has them in its header.
  std::vector<std::pair<int, std::string>> headerExtras;
  // Whether the reader read numbers written with a decimal comma (the output writes them anew).
  bool decimalCommas = false;
  // Lines of objects and tags the reader passed over (the output leaves them out) and of the
  // repairs (an object holding one is written in its repaired form).
  std::vector<int> droppedLines;
  std::vector<int> repairLines;
  // The handles under which the file's plot style names dictionary lists each named plot style
  // (the database keeps the names only).
  std::map<std::wstring, std::uint64_t> plotStyles;
  // The objects changed since the read; null when the read kept no source.
  std::unique_ptr<kydxf::DxfChangeTracker> changes;
};

namespace kydxf
{
// A digest of the object's complete state (its DXF fields and extended data): equal digests
// mean the object did not change.
std::uint64_t dxfStateDigest(const OdDbObject* pObj);
} // namespace kydxf

#endif
