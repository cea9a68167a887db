// KyDxfSource: what the reader keeps of a file for writing the drawing back. The text itself (the
// mapped file, or a copy), the objects it became (by the line of their 0 tag, with a digest of
// their state right after the read), the lines the reader passed over and the lines it repaired.
#ifndef KY_DXF_SOURCE_H
#define KY_DXF_SOURCE_H

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <QByteArray>
#include <QString>

#include "DbObjectId.h"

class OdDbDatabase;
class OdDbObject;

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
};

namespace kydxf
{
// A digest of the object's complete state (its DXF fields and extended data): equal digests
// mean the object did not change.
std::uint64_t dxfStateDigest(const OdDbObject* pObj);
} // namespace kydxf

#endif
