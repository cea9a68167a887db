// DxfReader: the state of one DXF read. Sections are read in file order into the database;
// what the file bends is repaired through repair() (or ends the read in strict mode);
// references that may point forward (plot style names, dimension-style handles, header names,
// dictionaries and their entries) are kept and resolved when the whole file is read. Objects keep
// the handles of the file: the objects a new database starts with (tables, layer "0", the
// standard styles, the layout blocks ...) are moved onto the file's handles when the file defines
// them, and out of the way when a file object needs their handle.
#ifndef KY_DXF_READER_IMPL_H
#define KY_DXF_READER_IMPL_H

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "DbAttribute.h"
#include "DbAttributeDefinition.h"
#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbEntity.h"
#include "DbSymbolTable.h"
#include "Ge/GePoint2d.h"
#include "DxfEntityValues.h"
#include "DxfSource.h"
#include "DxfText.h"
#include "DxfTokenizer.h"
#include "KyDxfReader.h"
#include "OdError.h"

class OdDbDimension;

namespace kydxf
{
// One object of the file: its kind (the value of its 0 tag) and its tags.
struct DxfObject
{
  std::string_view kind;
  int line = 0;
  std::vector<DxfTag> tags;
};

// The parts of an object's tags that every kind shares: its own tags (without application groups
// such as reactors), the extension dictionary named in its "{ACAD_XDICTIONARY" group, and the
// extended data that ends it.
struct DxfParts
{
  std::vector<const DxfTag*> body;
  std::uint64_t xdictionary = 0;
  int xdictionaryLine = 0;
  std::size_t xdataBegin = 0;
};

// Common entity properties as the file gives them.
// Whether the DIMENSION object is of a kind the reader maps (rotated and aligned dimensions).
bool dxfReadsDimension(const DxfObject& object);

struct DxfEntityProps
{
  std::uint64_t handle = 0;
  int handleLine = 0;
  std::uint64_t owner = 0;
  bool hasOwner = false;
  bool paperSpace = false;
  std::string_view layer;
  int layerLine = 0;
  std::string_view linetype;
  int linetypeLine = 0;
  int colorIndex = 256;
  int colorLine = 0;
  bool hasTrueColor = false;
  std::uint32_t trueColor = 0;
  std::string_view colorName;
  int lineWeight = -1;
  int lineWeightLine = 0;
  double linetypeScale = 1.0;
  int linetypeScaleLine = 0;
  int visibility = 0;
  bool hasTransparency = false;
  std::uint32_t transparency = 0;
  int transparencyLine = 0;
  int plotStyleType = 0;
  std::uint64_t plotStyleHandle = 0;
  int plotStyleLine = 0;
  // Subclass bookkeeping: common codes are read before any subclass marker (R12) and in the
  // "AcDbEntity" subclass.
  bool sawMarker = false;
  bool inEntitySubclass = false;
  int entitySubclassTags = 0;
  // Some writers leave the "AcDbEntity" subclass empty and put the layer, linetype, colour and
  // lineweight after the kind's own marker: those are read as the entity's and reported once.
  bool entitySubclassEmpty = false;
  std::string_view kindSubclass;
  std::string strayCodes;
  int strayLine = 0;
};

// A point or vector under the codes c, c + 10, c + 20; false for other codes.
bool dxfTakeXyz(const DxfTag& t, int code, OdGePoint3d& p);

// A POLYLINE that is a polygon or polyface mesh (flags 16, 64).

class DxfReader
{
public:
  DxfReader(const char* data, std::size_t size, OdDbDatabase* db, KyDxfReader::Report& report, bool strict);

  // Reads the whole file; throws DxfError.
  void read();
  // The data is a mapped file, whose pages may be handed back once read.
  void setFileMapped() { m_tokens.releasePagesBehind(true); }
  // Keeps what the writer needs in source (the caller fills in the text and the file).
  void keepSource(KyDxfSource* source) { m_source = source; }
  // Line of the last line read, for errors raised outside the reader's own checks.
  int currentLine() const { return m_tokens.lastLine(); }

  // Reads the object that starts at the next tag as an ATTRIB: the attribute with its entity
  // properties, appended nowhere. Null, with a repair, when that object is no ATTRIB.
  OdDbAttributePtr readNextAttribute();

  // Entity kinds, each building its entity from the object's own tags (parts.body).
  typedef OdDbEntityPtr (DxfReader::*EntityReader)(DxfEntityProps& props);

private:
  // ---- reading tags ----------------------------------------------------------------------------
  bool nextTag(DxfTag& tag);
  DxfTag requireTag(const char* where);
  // Reads the tags of one object (up to the next 0 tag) after its 0 tag.
  void readObject(const DxfTag& start, DxfObject& object);
  void splitParts(const DxfObject& object, DxfParts& parts) const;
  void skipSection(std::string_view name);
  // True at the tag that ends the section: its ENDSEC, or (repaired) the next SECTION or EOF,
  // which is pushed back.
  bool sectionEnds(const DxfTag& tag, const char* section);
  void readSections();
  [[noreturn]] void fail(int line, const std::string& message) const;
  // A problem the reader reads past: in strict mode it ends the read with the problem as its
  // message; otherwise it is recorded with what the reader did instead, and the caller goes on.
  void repair(int line, const std::string& problem, const std::string& action) const;
  // The end of the data where more was expected: a repair once the entities have been reached
  // (the read ends there, the object cut short is dropped), a failure before.
  [[noreturn]] void endOfData(const std::string& where, const std::string& dropped = std::string()) const;

  // With a source kept: the object the 0 tag at line became, and lines the reader passed over.
  void noteSource(int line, const OdDbObjectId& id)
  {
    if (m_source && !id.isNull())
      m_source->objects.push_back({line, id, 0, true});
  }
  void noteDropped(int line) const
  {
    if (m_source)
      m_source->droppedLines.push_back(line);
  }
  void finishSource();

  // ---- sections ------------------------------------------------------------------------------
  void readHeader();
  struct HeaderVariable
  {
    std::string_view name;
    int line;
    std::vector<DxfTag> tags;
  };
  // Reads "9 $NAME" groups up to the next 0 tag (or ENDSEC, which is consumed when inHeader).
  void readHeaderVariables(std::vector<HeaderVariable>& variables, bool inHeader);
  void applyHeaderVariables(const std::vector<HeaderVariable>& variables);
  void applyHeaderVariable(std::string_view name, int line, const std::vector<DxfTag>& tags);
  void readTables();
  void readTable(const DxfTag& nameTag);
  // Passes over the records of a table up to its ENDTAB (or the end of the section).
  void skipTable();
  void readTableRecord(std::string_view table, const DxfObject& object);
  void readBlocks();
  void readEntities();
  // Reads the entity that starts with tag into the block (null: by its owner / paper-space flag).
  void readEntity(const DxfTag& start, const OdDbObjectId& blockId);
  void readObjects();
  // A SCALE object: kept until its dictionary lists it (linkScale).
  void readScale(const DxfTag& start);
  void linkScale(OdDbDictionary* pDict, const OdString& name, std::uint64_t handle);
  void linkObjects();
  void finish();

  // ---- tables and records --------------------------------------------------------------------
  // Takes over the record of that name which the database already holds (a default or one made
  // for an earlier reference), or adds a new record of the class; moves it to the handle.
  OdDbObjectId claimRecord(const OdDbObjectId& tableId, const OdString& name, OdRxClass* recordClass,
                           std::uint64_t handle, int line, const char* kind);
  // Adds a record made by the reader at the file's handle (repaired like claimRecord's).
  OdDbObjectId addRecord(OdDbSymbolTable* pTable, OdDbSymbolTableRecord* pRecord, std::uint64_t handle, int line,
                         const char* kind);
  // The record of that name, made (empty) when the file refers to a record it does not define.
  OdDbObjectId recordByName(const OdDbObjectId& tableId, OdRxClass* recordClass, std::string_view rawName,
                            int line, std::unordered_map<std::string_view, OdDbObjectId>& cache);
  // The name a record of the table is kept under: the file's, or for a name no record can have
  // (a character like / or ?) the name with those characters replaced by '_', made unique in
  // the table. Every use of the same name in the file gets the same record; the first is reported.
  OdString usableName(const OdDbObjectId& tableId, const OdString& name, int line);
  // The record that stands in for a name no record can have: layer "0", "Continuous",
  // "Standard".
  OdDbObjectId fallbackRecord(const OdDbObjectId& tableId) const;
  OdDbObjectId layerByName(std::string_view rawName, int line);
  OdDbObjectId linetypeByName(std::string_view rawName, int line);
  OdDbObjectId textStyleByName(std::string_view rawName, int line);
  OdDbObjectId blockByName(const OdString& name, int line);

  // ---- handles -------------------------------------------------------------------------------
  // Gives a resident object the file's handle (no change for 0, the file gave none).
  void placeAtHandle(const OdDbObjectId& id, std::uint64_t handle, int line);
  // Makes the next object added get the file's handle (0: any free handle).
  void prepareHandle(std::uint64_t handle, int line);
  // Moves a movable object off the handle; an error when a file object holds it.
  void freeHandle(std::uint64_t handle, int line);
  // A file object holds the handle (or it is one no file object may have).
  bool handleTaken(std::uint64_t handle) const;
  // The handle a file object of that kind may take: its own, or 0 (a new one, repaired) when
  // another file object holds it already.
  std::uint64_t ownHandle(std::uint64_t handle, int line, const std::string& kind);
  // Keeps track of the highest handle in use below the parking handles: handles above it are
  // free without asking the database.
  void noteHandle(const OdDbObjectId& id);
  OdDbObjectId idOfHandle(std::uint64_t handle) const;
  // The handle a tag gives; 0, repaired as naming nothing, when the text is not a handle.
  std::uint64_t parseHandle(const DxfTag& tag) const;
  // The handle, or the record of that name in the table when a writer put a name there.
  OdDbObjectId handleOrName(const DxfTag& tag, const OdDbObjectId& tableId, const char* what);
  // An object the database made for the reader (a default or a record for a reference): a file
  // object may take it over by name, or move it away from a handle the file needs.
  void markMovable(const OdDbObjectId& id, bool claimable);
  bool isClaimable(const OdDbObjectId& id) const;

  // ---- values --------------------------------------------------------------------------------
  OdString text(const DxfTag& tag) const;
  OdString text(std::string_view bytes, int line) const;
  // A colour's name from group code 430: "BOOK$NAME", or a name alone.
  void nameColor(OdCmColor& color, std::string_view name, int line) const;
  // Calls the setter; an OdError is a repair at the line naming what was refused: the object
  // keeps what it had. False when refused.
  template <class Setter>
  bool apply(int line, const char* what, Setter&& setter) const
  {
    try
    {
      setter();
      return true;
    }
    catch (const OdError& e)
    {
      refused(line, what, nullptr, e.code());
    }
    catch (const Refusal&)
    {
    }
    return false;
  }
  // A repair unless the result is eOk; the message names the kind and what was refused.
  bool check(OdResult result, int line, const char* kind, const char* what) const
  {
    if (result == eOk)
      return true;
    refused(line, kind, what, result);
    return false;
  }
  // Records the refusal as a repair (the value is dropped); fails in strict mode.
  void refused(int line, const char* kind, const char* what, OdResult result) const;
  // Thrown inside an apply() setter after a refusal was recorded, to skip the rest of it.
  struct Refusal
  {
  };
  // The value as an enumeration of the setter it goes to; values the enumeration does not have
  // are refused as that setter would refuse them (inside apply(): the value is dropped).
  template <class Enum>
  Enum enumValue(std::int64_t value, std::int64_t low, std::int64_t high, int line, const char* what) const
  {
    if (value < low || value > high)
    {
      refused(line, what, nullptr, eInvalidInput);
      throw Refusal();
    }
    return static_cast<Enum>(value);
  }
  // A lineweight value (OdDb::LineWeight); others are repaired to the nearest lineweight, or
  // dropped (Refusal) when no lineweight is near.
  OdDb::LineWeight lineWeightValue(std::int64_t value, int line, const char* kind, const char* what) const;
  // Builds the extended-data chain of tags [begin, end) (null when empty).
  OdResBufPtr buildXData(const std::vector<DxfTag>& tags, std::size_t begin) const;
  // Attaches extended data: hyperlinks of the file's hyperlink application become the host's
  // hyperlinks, layer transparency and description, and text-style fonts become their properties
  // (see the callers); the rest is kept as it is.
  void applyXData(OdDbObject* pObj, OdResBufPtr chain, int line);
  static OdResBufPtr takeApp(OdResBufPtr& chain, const wchar_t* appName);

  // ---- entities ------------------------------------------------------------------------------
  bool commonEntityTag(const DxfTag& tag, DxfEntityProps& props) const;
  void applyEntityProps(OdDbEntity* pEnt, const DxfEntityProps& props, const char* kind);
  OdDbEntityPtr readLine(DxfEntityProps& props);
  OdDbEntityPtr readCircle(DxfEntityProps& props);
  OdDbEntityPtr readArc(DxfEntityProps& props);
  OdDbEntityPtr readText(DxfEntityProps& props);
  OdDbEntityPtr readMText(DxfEntityProps& props);
  // The text and multiline-text codes of parts.body into an object of that kind (attributes
  // share them); `kind` names the entity in repairs.
  void fillText(OdDbText* pText, DxfEntityProps& props, const char* kind);
  void fillMText(OdDbMText* pMText, DxfEntityProps& props, const char* kind);

  // ATTRIB (DxfAttributes.cpp): the attribute whose tags parts.body holds, as an INSERT's
  // sequence gives them (the caller appends it to its block reference).
  OdDbAttributePtr readAttribute(DxfEntityProps& props);
  // ATTDEF, in model space and in block definitions.
  OdDbEntityPtr readAttributeDefinition(DxfEntityProps& props);
  // The text codes before the attribute subclass marker, then the attribute's own codes
  // (tag, prompt, flags, vertical justification, lock) and its embedded multiline text.
  template <class Attribute>
  void fillAttribute(Attribute* pAttribute, DxfEntityProps& props, const char* kind, std::string_view marker);
  OdDbEntityPtr readLwPolyline(DxfEntityProps& props);
  OdDbEntityPtr readEllipse(DxfEntityProps& props);
  OdDbEntityPtr readXline(DxfEntityProps& props);
  OdDbEntityPtr readRay(DxfEntityProps& props);
  OdDbEntityPtr readPoint(DxfEntityProps& props);
  OdDbEntityPtr readSolid(DxfEntityProps& props);
  OdDbEntityPtr readTrace(DxfEntityProps& props);
  OdDbEntityPtr readFace(DxfEntityProps& props);
  OdDbEntityPtr readShape(DxfEntityProps& props);
  // DIMENSION of the linear kinds, and the style overrides of a dimension's ACAD extended data,
  // which the dimension takes (the rest of the chain is returned) (DxfDimensions.cpp).
  OdDbEntityPtr readDimension(DxfEntityProps& props);
  OdResBufPtr takeDimensionOverrides(OdDbDimension* pDim, OdResBufPtr chain, int line);
  OdResBufPtr takeDimensionInspection(OdDbDimension* pDim, OdResBufPtr chain, int line);
  OdResBufPtr takeKeyedGroup(OdResBufPtr chain, const wchar_t* app, const wchar_t* key, int keyType, const char* unkeyed,
                             int line, const std::function<void(const OdResBuf&, const OdResBufPtr&)>& take);
  // Variables without DXF codes of a dimension (an override) or a dimension style, from the data
  // under this system's application.
  OdResBufPtr takeUncodedDimVars(OdDbObject* pObj, OdResBufPtr chain, int line);
  // XLINE and RAY; SOLID and TRACE (DxfFills.cpp).
  template <class Line>
  OdDbEntityPtr readConstructionLine(DxfEntityProps& props, const char* kind);
  template <class Fill>
  OdDbEntityPtr readPlanarFill(DxfEntityProps& props, const char* kind);
  OdDbEntityPtr readSpline(DxfEntityProps& props);
  OdDbEntityPtr readHelix(DxfEntityProps& props);
  // A count the file states that differs from the values it gives: repaired to the values.
  void checkCount(const DxfTag* countTag, unsigned given, const char* kind, const char* what);
  // MLINE, and MLINESTYLE objects linked when their dictionary lists them (DxfMline.cpp).
  OdDbEntityPtr readMline(DxfEntityProps& props);
  void readMlineStyle(const DxfTag& start);
  void linkMlineStyle(OdDbDictionary* pDict, const OdString& name, std::uint64_t handle);
  // The style of that name in the drawing's ACAD_MLINESTYLE dictionary (null when there is none).
  OdDbObjectId mlineStyleByName(const OdString& name) const;
  // HATCH (DxfHatch.cpp).
  OdDbEntityPtr readHatch(DxfEntityProps& props);
  // INSERT and the ATTRIBs after it (DxfBlockRefs.cpp).
  OdDbEntityPtr readInsert(DxfEntityProps& props);
  void readInsertAttribute(const DxfTag& start);
  // POLYLINE (2D and 3D polylines, polyface and polygon meshes) and the VERTEX entities that follow it.
  OdDbEntityPtr readPolyline(DxfEntityProps& props);
  void readVertex(const DxfTag& start);
  static EntityReader entityReader(std::string_view kind);
  void countSkipped(std::string_view kind);

  // ---- deferred work -------------------------------------------------------------------------
  struct Fixup
  {
    int line;
    std::function<void()> run;
  };
  void defer(int line, std::function<void()> run) { m_fixups.push_back({line, std::move(run)}); }
  void deferPlotStyle(const OdDbObjectId& id, std::uint64_t placeholder, int line);

  struct DictionaryInfo
  {
    std::uint64_t handle = 0;
    std::uint64_t owner = 0;
    int line = 0;
    std::vector<std::pair<OdString, std::uint64_t>> entries;
    std::uint64_t xdictionary = 0;
    OdResBufPtr xdata;
    bool linked = false;
  };
  // Fills the dictionary with the entries the reader maps; returns the dictionaries to link next.
  void linkDictionary(DictionaryInfo& info, const OdDbObjectId& id,
                      std::vector<std::pair<DictionaryInfo*, OdDbObjectId>>& next);

  DxfTokenizer m_tokens;
  KyDxfSource* m_source = nullptr;
  OdDbDatabase* m_db;
  KyDxfReader::Report& m_report;
  const bool m_strict;
  // The ENTITIES section has been reached: a file cut from here on is read up to its end.
  bool m_entitiesReached = false;
  // A section has been read: what follows is a DXF file, whatever it bends.
  bool m_sectionRead = false;
  DxfTextDecoder m_text;
  // The number of the $ACADVER tag ("AC1015" -> 1015); R12 when the file has no header.
  int m_version = 1009;
  bool m_colorDependentPlotStyles = true;

  DxfObject m_object;
  DxfParts m_parts;
  std::string_view m_section;

  // Objects moved off handles the file needed wait at kParkingHandles and up.
  static const std::uint64_t kParkingHandles = 0x4000000000000000ULL;
  std::vector<OdDbObjectId> m_parked;
  std::uint64_t m_nextParking = kParkingHandles;
  std::uint64_t m_maxHandle = 0;
  std::uint64_t m_highWater = 0;
  // Some object of the file had to take a handle other than its own (set where a handle is parsed).
  mutable bool m_handlesChanged = false;
  std::unordered_set<OdDbStub*> m_movable;
  std::unordered_set<OdDbStub*> m_claimable;
  // Table record names renamed by usableName: "<table handle> <name>" -> the name used.
  std::unordered_map<std::string, OdString> m_renamedRecords;
  // The names as the file spells them that were renamed, for the objects that use them later.
  std::unordered_set<std::string_view> m_renamedUses;
  std::unordered_map<std::string_view, OdDbObjectId> m_layers;
  std::unordered_map<std::string_view, OdDbObjectId> m_linetypes;
  std::unordered_map<std::string_view, OdDbObjectId> m_textStyles;

  // Vertices of the polyline being read (kept to save allocations).
  struct PolylineVertex
  {
    OdGePoint2d p;
    double bulge = 0.0;
    double startWidth = -1.0;
    double endWidth = -1.0;
    int line = 0;
  };
  std::vector<PolylineVertex> m_vertices;
  // The block of the owner handle entities last gave.
  std::uint64_t m_lastOwnerHandle = 0;
  OdDbObjectId m_lastOwnerBlock;
  // Block being read in the BLOCKS section and the one entities were last appended to.
  OdDbObjectId m_appendBlockId;
  OdSmartPtr<OdDbObject> m_appendBlock;
  // Entities that follow a skipped complex entity (vertices, attributes) up to its SEQEND.
  bool m_inSkippedSequence = false;
  // The INSERT read last announced attributes (66 = 1); once appended, it owns the ATTRIBs that
  // follow up to its SEQEND.
  bool m_insertWithAttributes = false;
  OdDbObjectId m_attributeOwner;
  // The heavy polyline whose VERTEX entities are being read (up to its SEQEND), and their kind.
  enum class HeavyVertices
  {
    kNone,
    k2d,
    k3d,
    kPolyface,
    kPolygonMesh
  };
  HeavyVertices m_heavyVertices = HeavyVertices::kNone;
  OdDbObjectId m_heavyPolyline;
  // The line of the mesh POLYLINE whose vertices are being read.
  int m_meshLine = 0;
  OdDbEntityPtr readMesh(std::int64_t flags, DxfEntityProps& props);
  void readMeshVertex(const DxfTag& start, std::int64_t flags, const OdGePoint3d& position, DxfEntityProps& props,
                      OdDbEntity* pMesh);
  void applyVertexProps(OdDbEntity* pVertex, DxfEntityProps& props);
  // At the end of a polyline's vertices: a polygon mesh whose size its vertices do not fill is reported.
  void endVertices(const OdDbObjectId& polyline);

  std::vector<Fixup> m_fixups;
  std::vector<std::pair<std::uint64_t, OdDbObjectId>> m_xdictionaryOwners;
  std::unordered_map<std::uint64_t, DictionaryInfo> m_dictionaries;
  std::vector<std::uint64_t> m_dictionaryOrder;
  // The placeholders of plot style names, by handle, with their line.
  std::unordered_map<std::uint64_t, int> m_placeholders;
  std::unordered_map<std::uint64_t, OdString> m_plotStyleNames;
  struct ScaleInfo
  {
    OdString name;
    double paper = 0.0;
    double drawing = 0.0;
    int line = 0;
  };
  std::unordered_map<std::uint64_t, ScaleInfo> m_scales;
  // MLINESTYLE values as the file gives them, until their dictionary lists them.
  struct MlineStyleInfo
  {
    struct Color
    {
      bool set = false;
      std::int64_t index = 256;
      bool hasRgb = false;
      std::uint32_t rgb = 0;
      int line = 0;
    };
    struct Element
    {
      RealValue offset;
      Color color;
      OdDbObjectId linetype;
    };
    std::uint64_t handle = 0;
    int line = 0;
    OdString name;
    OdString description;
    bool hasFlags = false;
    std::int64_t flags = 0;
    int flagsLine = 0;
    RealValue startAngle;
    RealValue endAngle;
    Color fill;
    std::vector<Element> elements;
    OdResBufPtr xdata;
    bool linked = false;
  };
  std::unordered_map<std::uint64_t, MlineStyleInfo> m_mlineStyles;
};
} // namespace kydxf

#endif
