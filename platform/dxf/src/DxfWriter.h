// The DXF writer's parts. DxfEncoder turns values into the text of their value lines (numbers in
// shortest round-trip form, texts in the output's encoding). A kind's writer (DxfKindWriter) puts
// the values the database models for one object into DxfFields, one subclass at a time, each with
// the group codes it owns. The same fields serve both ways of writing: a whole object (marker and
// tags as they stand) and a changed object of the source, whose own tags are kept and where only
// the owned tags whose values changed are replaced (DxfMerge).
#ifndef KY_DXF_WRITER_IMPL_H
#define KY_DXF_WRITER_IMPL_H

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "DbObjectId.h"
#include "DbObjectIterator.h"
#include "Ge/GePoint2d.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"
#include "OdString.h"
#include "ResBuf.h"

class KyDxfSource;
class OdDbDatabase;
class OdDbEntity;
class OdDbMText;
class OdDbObject;
class OdDbText;
class OdRxClass;
class QTextCodec;

namespace kydxf
{
// Version numbers of $ACADVER ("AC1015" -> 1015).
enum DxfVersion : int
{
  kDxfR12 = 1009,
  kDxfR2000 = 1015,
  kDxfR2004 = 1018,
  kDxfR2007 = 1021,
  kDxfR2010 = 1024,
  kDxfR2013 = 1027,
  kDxfR2018 = 1032
};

// Thrown by a kind's writer when the object cannot be written in the output (a value the version
// cannot carry); the writer fails with the message and writes nothing.
struct DxfWriteError
{
  std::string message;
};

class DxfEncoder
{
public:
  // Version from 2007 on: UTF-8; before: the code page ($DWGCODEPAGE name), characters it
  // lacks as "\U+XXXX". Throws DxfWriteError for a code page no codec knows.
  DxfEncoder(int version, const std::string& codePage);

  int version() const { return m_version; }
  // The value line of a text: line breaks cannot be part of a value and are written "^J".
  std::string text(const OdString& value) const;
  static std::string real(double value);
  static std::string integer(std::int64_t value);
  static std::string handle(std::uint64_t value);

private:
  int m_version;
  QTextCodec* m_codec = nullptr;
};

// One tag as the output writes it.
struct DxfOutTag
{
  int code;
  std::string value;
  // A real's value as the text stands for it (DxfFields::real), so that comparing it with a
  // source tag needs no parsing; the text alone otherwise.
  bool hasReal = false;
  double real = 0.0;
};

class DxfFields
{
public:
  DxfFields(const DxfEncoder& encoder, OdDbDatabase* db) : m_encoder(encoder), m_db(db) {}

  const DxfEncoder& encoder() const { return m_encoder; }
  int version() const { return m_encoder.version(); }
  OdDbDatabase* database() const { return m_db; }
  // The source the object is patched into (null for a whole object).
  const KyDxfSource* source() const { return m_source; }
  void setSource(const KyDxfSource* source) { m_source = source; }

  // Starts a subclass: its marker as files name it ("AcDbEntity", "AcDbLine") and every group
  // code the kind models in it, whether or not this object writes them (a code it leaves out
  // because the value is the default is removed from a changed object's tags).
  void subclass(const char* marker, std::initializer_list<int> ownedCodes);
  // A subclass that owns every code but its structure's (a record of values under their codes).
  void subclassOwningAll(const char* marker);
  // The tags an object has before its first marker, after its handle and owner (a table's name).
  void head(std::initializer_list<int> ownedCodes) { subclass(nullptr, ownedCodes); }
  // Starts the extended data (1001 groups and after); it owns every extended-data code.
  void xdata();

  void text(int code, const OdString& value);
  void real(int code, double value);
  // Radians, written in degrees.
  void angle(int code, double radians);
  void integer(int code, std::int64_t value);
  void handle(int code, const OdDbObjectId& id);
  void handle(int code, std::uint64_t handle);
  // Writes code, code + 10 (and code + 20).
  void point(int code, const OdGePoint3d& p);
  void point(int code, const OdGePoint2d& p);
  void vector(int code, const OdGeVector3d& v);
  // The name of a symbol-table record ("" for a null id).
  void recordName(int code, const OdDbObjectId& id);
  // Extended data as the database holds it (a chain of 1001 groups), tag by tag.
  void xdataChain(const OdResBuf* chain);
  // A value already in output form.
  void raw(int code, std::string value);

  struct Segment
  {
    // Empty for the extended data.
    const char* marker = nullptr;
    std::vector<int> owned;
    std::vector<DxfOutTag> tags;
    bool isXData = false;
    bool ownsAll = false;
  };
  const std::vector<Segment>& segments() const { return m_segments; }
  std::vector<Segment>& segments() { return m_segments; }
  void clear() { m_segments.clear(); }

private:
  Segment& current();

  const DxfEncoder& m_encoder;
  OdDbDatabase* m_db;
  const KyDxfSource* m_source = nullptr;
  std::vector<Segment> m_segments;
};

// The output: tags as two lines each, the value already in output form, with the source's line
// breaks (CR LF unless the source used LF alone).
class DxfOutput
{
public:
  DxfOutput(std::string& buffer, const DxfEncoder& encoder, bool crlf = true)
    : m_buffer(buffer), m_encoder(encoder), m_crlf(crlf)
  {
  }

  const DxfEncoder& encoder() const { return m_encoder; }
  bool crlf() const { return m_crlf; }
  std::string& buffer() { return m_buffer; }
  // With a sink the buffer is handed to it whenever it holds a megabyte, and by flush().
  void setSink(std::function<void(const std::string&)> sink) { m_sink = std::move(sink); }
  void flush();

  void tag(int code, std::string_view value);
  // Text already in output form, whole tags.
  void raw(std::string_view text);
  void text(int code, const OdString& value) { tag(code, m_encoder.text(value)); }
  void real(int code, double value) { tag(code, DxfEncoder::real(value)); }
  void integer(int code, std::int64_t value) { tag(code, DxfEncoder::integer(value)); }
  void handle(int code, std::uint64_t value) { tag(code, DxfEncoder::handle(value)); }
  // Every segment's marker (from R13 on) and tags as they stand.
  void fields(const DxfFields& fields);
  // A whole object: its 0 tag, its handle (105 for a dimension style), its extension dictionary
  // group, its owner, the fields of its kind and its extended data. Throws DxfWriteError when no
  // kind writes its class.
  void object(const OdDbObject* pObj);
  // The same from fields already made by the kind's writer (and changed by the caller).
  void object(const OdDbObject* pObj, const char* dxfName, const DxfFields& fields);

private:
  std::string& m_buffer;
  const DxfEncoder& m_encoder;
  bool m_crlf;
  std::function<void(const std::string&)> m_sink;
};

// Writes the drawing from its source (DxfWriteSource.cpp). checkUntracked: see
// KyDxfWriter::Options.
void dxfWriteFromSource(OdDbDatabase* db, const KyDxfSource& source, DxfOutput& out, bool checkUntracked);

// The writer of one kind of object: the 0 tag that names it in files, the class it writes, and
// the function that puts one object's modelled values into the fields (the handle, the owner, the
// application groups and the 0 tag are the writer's own business, not the kind's).
struct DxfKindWriter
{
  const char* dxfName;
  OdRxClass* (*desc)();
  void (*fields)(const OdDbObject* pObj, DxfFields& out);
};

// A class of this system's own that files declare in their CLASSES section: the 0 tag of its
// objects, the class name the declaration gives, and the class it writes.
struct DxfFileClass
{
  const char* dxfName;
  const char* className;
  OdRxClass* (*desc)();
};
// The declared classes, in the order CLASSES lists them (DxfBlockParameters.cpp).
const std::vector<DxfFileClass>& dxfOwnClasses();

// The writer for objects of exactly that class; null when no kind writes it.
const DxfKindWriter* dxfKindWriter(const OdRxClass* cls);
// Every kind writer, for the registry's table and tests.
const std::vector<const DxfKindWriter*>& dxfKindWriters();

// The application under which files keep an object's hyperlink (1000 link, then the description
// in a 1002 group), which the reader turns into the host's hyperlink data.
const wchar_t* dxfHyperlinkApplication();

// "R2000 (AC1015)", for messages.
std::string dxfVersionText(int version);
// A dimension variable's name as refusals show it: "DIMCLRD".
std::string dxfDimVarName(int index);
// Refuses what the output's version cannot carry, naming the object: "HATCH 2A: a gradient cannot
// be written in R2000 (AC1015)". Dropping it instead would lose it without a word.
void dxfRequireVersion(const OdDbObject* pObj, const char* kind, const DxfFields& out, int since,
                       const std::string& what);
// The handle under which the drawing lists a named plot style (0 when it does not): the source's
// plot style names for a drawing read from a file, else the database's ACAD_PLOTSTYLENAME.
std::uint64_t dxfPlotStyleHandle(const DxfFields& out, const OdString& name);

// The common "AcDbEntity" subclass of an entity; kind names it in refusals.
void entityFields(const OdDbEntity* pEnt, const char* kind, DxfFields& out);
// A world point in the object coordinate system of the normal (as files give planar entities).
OdGePoint3d toObject(const OdGePoint3d& p, const OdGeVector3d& normal);
// 39, left out when 0 (but not for -0).
void thicknessField(DxfFields& out, double thickness);
// 210, left out for the world's Z direction.
void normalField(DxfFields& out, const OdGeVector3d& normal);

// The first "AcDbText" subclass of single-line text and of attributes.
void dxfTextSubclassFields(const OdDbText* pText, DxfFields& out);
// The values of a multiline text's "AcDbMText" subclass (also embedded in attributes); kind
// names the object in refusals.
void dxfMTextValues(const OdDbMText* pMText, const char* kind, DxfFields& out);

// The extended data as the database holds it, the host's hyperlink in the file's form; kind
// names the object in refusals.
void dxfXDataFields(const OdDbObject* pObj, const char* kind, DxfFields& out);
// A dimension's style overrides as the ACAD application's DSTYLE data, with the rest of its ACAD
// data; false (nothing written) for other objects and dimensions without overrides.
bool dxfWriteDimensionOverrides(const OdDbObject* pObj, DxfFields& out);
// The application under which this system keeps in files what DXF has no group codes for (a
// dimension's inspection data): registered in every file that has such data.
const wchar_t* dxfOwnApplication();
bool dxfHasOwnApplicationData(const OdDbObject* pObj);
// That data with the rest of the object's data under the application; false (nothing written)
// when the object has none.
bool dxfWriteOwnApplicationData(const OdDbObject* pObj, DxfFields& out);

// The vertices of a heavy polyline (null for other objects): they follow it, then a SEQEND.
OdDbObjectIteratorPtr dxfVerticesOf(const OdDbObject* pObj);

// BLOCK, entities and ENDBLK of the given blocks, as the whole-drawing writer writes them (R2000
// and later).
void dxfWriteBlocks(OdDbDatabase* db, const std::vector<OdDbObjectId>& blocks, DxfOutput& out);

// Writes a database without a source, whole: HEADER, CLASSES, TABLES, BLOCKS, ENTITIES and
// OBJECTS, in the encoder's version (R2000 and later).
void dxfWriteDatabase(OdDbDatabase* db, DxfOutput& out);
// Writes one of those sections ("TABLES", "BLOCKS" ...) whole, from its SECTION to its ENDSEC,
// for a source that lacks it.
void dxfWriteSection(OdDbDatabase* db, std::string_view name, DxfOutput& out);

// Registers kind writers at static initialisation: one DxfKindWriters object per source file that
// defines writers.
struct DxfKindWriters
{
  DxfKindWriters(std::initializer_list<const DxfKindWriter*> writers);
};
} // namespace kydxf

#endif
