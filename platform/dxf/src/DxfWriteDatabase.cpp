// Whole drawings (a database without a source): HEADER, CLASSES, TABLES, BLOCKS, ENTITIES and
// OBJECTS from R2000 on. Everything is planned before the first tag goes out: the objects of each
// section, the handles the file needs beyond the database's own (BLOCK and ENDBLK, registrations of
// the applications whose data files keep), all above every handle written, and $HANDSEED above them.
#include <algorithm>
#include <set>
#include <unordered_set>

#include "DbAnnotationScale.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbLayerTableRecord.h"
#include "DbSymbolTable.h"
#include "DxfWriter.h"
#include "KyUtils.h"
#include "OdaCommon.h"

namespace kydxf
{
// DxfWriteTables.cpp.

namespace
{
// The tables in the order files give them.
OdDbObjectId (OdDbDatabase::*const kTables[])() const = {
  &OdDbDatabase::getViewportTableId, &OdDbDatabase::getLinetypeTableId, &OdDbDatabase::getLayerTableId,
  &OdDbDatabase::getTextStyleTableId, &OdDbDatabase::getViewTableId,    &OdDbDatabase::getUCSTableId,
  &OdDbDatabase::getRegAppTableId,   &OdDbDatabase::getDimStyleTableId, &OdDbDatabase::getBlockTableId};

const char* const kSections[] = {"HEADER", "CLASSES", "TABLES", "BLOCKS", "ENTITIES", "OBJECTS"};

std::uint64_t handleOf(const OdDbObjectId& id)
{
  return static_cast<std::uint64_t>(id.getHandle());
}

class DatabaseWriter
{
public:
  DatabaseWriter(OdDbDatabase* db, DxfOutput& out) : m_db(db), m_out(out)
  {
    if (out.encoder().version() < kDxfR2000)
      throw DxfWriteError{"a drawing that was not read from a file is written in R2000 and later, not in " +
                          dxfVersionText(out.encoder().version())};
    plan();
  }

  void section(std::string_view name)
  {
    m_out.tag(0, "SECTION");
    m_out.tag(2, name);
    if (name == "HEADER")
      header();
    else if (name == "CLASSES")
      classes();
    else if (name == "TABLES")
      tables();
    else if (name == "BLOCKS")
      blocks();
    else if (name == "ENTITIES")
    {
      entities(m_db->getModelSpaceId());
      entities(m_db->getPaperSpaceId());
    }
    else
      objects();
    m_out.tag(0, "ENDSEC");
  }

  // BLOCK, the entities and ENDBLK of the given blocks alone (the layouts' entities stay the
  // ENTITIES section's), for a drawing written over a file that lacks them.
  void blocksOf(const std::vector<OdDbObjectId>& ids)
  {
    std::vector<Block> all = std::move(m_blocks);
    m_blocks.clear();
    for (const Block& b : all)
      if (std::find(ids.begin(), ids.end(), b.id) != ids.end())
        m_blocks.push_back(b);
    blocks();
  }

private:
  // ---- the plan ----------------------------------------------------------------------------

  void plan()
  {
    for (auto table : kTables)
    {
      const OdDbObjectId tableId = (m_db->*table)();
      OdDbSymbolTablePtr pTable = tableId.safeOpenObject();
      note(pTable.get());
      for (OdDbSymbolTableIteratorPtr it = pTable->newIterator(); !it->done(); it->step())
      {
        OdDbObjectPtr pRecord = it->getRecordId().openObject();
        if (pRecord.isNull())
          continue;
        note(pRecord.get());
        if (const OdDbLayerTableRecord* pLayer = OdDbLayerTableRecord::cast(pRecord.get()).get())
        {
          m_transparencies = m_transparencies || !pLayer->transparency().isSolid();
          m_descriptions = m_descriptions || !pLayer->description().isEmpty();
        }
        if (const OdDbBlockTableRecord* pBlock = OdDbBlockTableRecord::cast(pRecord.get()).get())
        {
          m_blocks.push_back({pBlock->objectId(), 0, 0});
          for (OdDbObjectIteratorPtr e = pBlock->newIterator(); !e->done(); e->step())
          {
            OdDbObjectPtr pEntity = e->objectId().openObject();
            if (pEntity.isNull())
              continue;
            note(pEntity.get());
            // A heavy polyline's vertices, and the SEQEND planned below.
            OdDbObjectIteratorPtr v = dxfVerticesOf(pEntity.get());
            if (!v.isNull())
            {
              for (; !v->done(); v->step())
              {
                OdDbEntityPtr pVertex = v->entity();
                if (!pVertex.isNull())
                  note(pVertex.get());
              }
              m_sequences.push_back({static_cast<OdDbStub*>(pEntity->objectId()), 0});
            }
          }
        }
      }
    }
    // The named-objects dictionary and what it holds first, then the objects others own.
    std::vector<OdDbObjectId> owned = std::move(m_objects);
    m_objects.clear();
    visit(m_db->getNamedObjectsDictionaryId());
    for (const OdDbObjectId& id : owned)
      visit(id);

    m_next = std::max(m_maxHandle + 1, static_cast<std::uint64_t>(m_db->handseed()));
    OdDbSymbolTablePtr pApps = m_db->getRegAppTableId().safeOpenObject();
    const bool needed[] = {true, m_hyperlinks, m_transparencies, m_descriptions, m_ownData};
    const OdString apps[] = {L"ACAD", dxfHyperlinkApplication(), L"AcCmTransparency", L"AcAecLayerStandard",
                             dxfOwnApplication()};
    for (int i = 0; i < 5; ++i)
      if (needed[i] && !pApps->has(apps[i]))
        m_newApps.emplace_back(apps[i], fresh());
    if (!m_plotStyleNames.isNull())
    {
      OdDbDictionaryPtr pNames = m_plotStyleNames.safeOpenObject();
      if (!pNames->has(L"Normal"))
        m_normalPlotStyle = fresh();
    }
    for (Block& b : m_blocks)
    {
      b.begin = fresh();
      b.end = fresh();
    }
    for (auto& sequence : m_sequences)
      sequence.second = fresh();
  }

  // Keeps the highest handle, the objects the object owns, and which file applications its
  // extended data needs.
  void note(const OdDbObject* pObj)
  {
    m_maxHandle = std::max(m_maxHandle, static_cast<std::uint64_t>(pObj->getDbHandle()));
    if (!pObj->extensionDictionary().isNull())
      m_objects.push_back(pObj->extensionDictionary());
    for (const OdString& name : pObj->fieldNames())
      m_objects.push_back(pObj->getField(name));
    m_ownData = m_ownData || dxfHasOwnApplicationData(pObj);
    if (!m_hyperlinks)
    {
      const OdArray<OdString> apps = pObj->xDataApplications();
      for (unsigned i = 0; i < apps.size(); ++i)
        m_hyperlinks = m_hyperlinks || apps[i].iCompare(CKyUtils::kHyperlinkAppName) == 0;
    }
  }

  // The object, then the objects it owns (depth first).
  void visit(const OdDbObjectId& id)
  {
    OdDbObjectPtr pObj = id.openObject();
    if (pObj.isNull())
      return;
    m_objects.push_back(id);
    const std::size_t ownedFrom = m_objects.size();
    note(pObj.get());
    std::vector<OdDbObjectId> owned(m_objects.begin() + static_cast<std::ptrdiff_t>(ownedFrom), m_objects.end());
    m_objects.resize(ownedFrom);
    OdDbDictionaryPtr pDict = OdDbDictionary::cast(pObj.get());
    const bool plotStyles = !pDict.isNull() && isPlotStyleNames(pDict.get());
    if (plotStyles)
      m_plotStyleNames = id;
    if (!pDict.isNull())
      for (OdDbDictionaryIteratorPtr it = pDict->newIterator(); !it->done(); it->next())
      {
        if (plotStyles && isPlaceholder(it->objectId()))
        {
          m_objects.push_back(it->objectId());
          m_placeholders.insert(static_cast<OdDbStub*>(it->objectId()));
          OdDbObjectPtr pEntry = it->objectId().openObject();
          note(pEntry.get());
          continue;
        }
        visit(it->objectId());
      }
    for (const OdDbObjectId& o : owned)
      visit(o);
    m_scales = m_scales || pObj->isKindOf(OdDbAnnotationScale::desc());
    for (std::size_t i = 0; i < dxfOwnClasses().size(); ++i)
      if (pObj->isA() == dxfOwnClasses()[i].desc())
        m_ownClassesUsed.insert(i);
  }

  // The drawing's plot style names list each style by an object of its own: the database holds an
  // empty dictionary there, files a placeholder.
  bool isPlotStyleNames(const OdDbDictionary* pDict) const
  {
    if (pDict->ownerId() != m_db->getNamedObjectsDictionaryId())
      return false;
    OdDbDictionaryPtr pNod = m_db->getNamedObjectsDictionaryId().safeOpenObject();
    return pNod->getAt(L"ACAD_PLOTSTYLENAME") == pDict->objectId();
  }

  static bool isPlaceholder(const OdDbObjectId& id)
  {
    OdDbObjectPtr pObj = id.openObject();
    if (pObj.isNull() || pObj->isA() != OdDbDictionary::desc())
      return false;
    return OdDbDictionary::cast(pObj.get())->numEntries() == 0 && pObj->extensionDictionary().isNull() &&
           pObj->xData().isNull();
  }

  std::uint64_t fresh()
  {
    while (!m_db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(m_next))).isNull())
      ++m_next;
    return m_next++;
  }

  // ---- HEADER ------------------------------------------------------------------------------

  void variable(const char* name) { m_out.tag(9, name); }

  [[noreturn]] void refuse(const char* variable, const std::string& what) const
  {
    throw DxfWriteError{std::string(variable) + ": " + what};
  }

  void requireVersion(const char* variable, int since, const std::string& what) const
  {
    if (m_out.encoder().version() < since)
      refuse(variable, what + " cannot be written in " + dxfVersionText(m_out.encoder().version()));
  }

  void recordName(const char* name, int code, const OdDbObjectId& id)
  {
    variable(name);
    OdDbSymbolTableRecordPtr pRecord = id.safeOpenObject();
    m_out.text(code, pRecord->getName());
  }

  void point(const char* name, const OdGePoint3d& p)
  {
    variable(name);
    m_out.real(10, p.x);
    m_out.real(20, p.y);
    m_out.real(30, p.z);
  }

  void integer(const char* name, int code, std::int64_t value)
  {
    variable(name);
    m_out.integer(code, value);
  }

  void real(const char* name, int code, double value)
  {
    variable(name);
    m_out.real(code, value);
  }

  void header()
  {
    const int version = m_out.encoder().version();
    variable("$ACADVER");
    m_out.tag(1, "AC" + std::to_string(version));
    variable("$DWGCODEPAGE");
    const OdString codePage = m_db->getDWGCODEPAGE();
    m_out.text(3, codePage.isEmpty() ? OdString(L"ANSI_1252") : codePage);
    point("$INSBASE", OdGePoint3d::kOrigin);
    integer("$LUNITS", 70, m_db->getLUNITS());
    integer("$LUPREC", 70, m_db->getLUPREC());
    integer("$AUNITS", 70, m_db->getAUNITS());
    integer("$AUPREC", 70, m_db->getAUPREC());
    real("$ANGBASE", 50, m_db->getANGBASE() * 180.0 / OdaPI);
    integer("$ANGDIR", 70, m_db->getANGDIR() ? 1 : 0);
    integer("$INSUNITS", 70, m_db->getINSUNITS());
    integer("$MEASUREMENT", 70, m_db->getMEASUREMENT());
    real("$LTSCALE", 40, m_db->getLTSCALE());
    real("$CELTSCALE", 40, m_db->getCELTSCALE());
    real("$TEXTSIZE", 40, m_db->getTEXTSIZE());
    integer("$SPLINESEGS", 70, m_db->getSPLINESEGS());
    recordName("$CLAYER", 8, m_db->getCLAYER());
    recordName("$CELTYPE", 6, m_db->getCELTYPE());
    recordName("$TEXTSTYLE", 7, m_db->getTEXTSTYLE());
    recordName("$DIMSTYLE", 2, m_db->getDIMSTYLE());
    currentColor();
    integer("$CELWEIGHT", 370, m_db->getCELWEIGHT());
    const OdCmTransparency transparency = m_db->getCETRANSPARENCY();
    if (!transparency.isByLayer())
    {
      requireVersion("$CETRANSPARENCY", kDxfR2004,
                     transparency.isByBlock() ? std::string("the transparency ByBlock")
                                              : "the transparency " + std::to_string(transparency.alpha()) + "/255");
      integer("$CETRANSPARENCY", 440, static_cast<std::int64_t>(transparency.serializeOut()));
    }
    integer("$PSTYLEMODE", 290, m_db->getPSTYLEMODE() ? 1 : 0);
    currentPlotStyle();
    point("$UCSORG", m_db->getUCSORG());
    point("$UCSXDIR", OdGePoint3d::kOrigin + m_db->getUCSXDIR());
    point("$UCSYDIR", OdGePoint3d::kOrigin + m_db->getUCSYDIR());
    variable("$HANDSEED");
    m_out.handle(5, m_next);
  }

  void currentColor()
  {
    const OdCmColor color = m_db->getCECOLOR();
    switch (color.colorMethod())
    {
    case OdCmEntityColor::kByLayer: integer("$CECOLOR", 62, 256); return;
    case OdCmEntityColor::kByBlock: integer("$CECOLOR", 62, 0); return;
    case OdCmEntityColor::kByACI: integer("$CECOLOR", 62, color.colorIndex()); return;
    case OdCmEntityColor::kByColor: break;
    default: refuse("$CECOLOR", "the colour " + color.getDescription().toUtf8() + " has no form in DXF");
    }
    requireVersion("$CECOLOR", kDxfR2004,
                   "a true colour (" + std::to_string(color.red()) + "," + std::to_string(color.green()) + "," +
                     std::to_string(color.blue()) + ")");
    integer("$CECOLOR", 62, color.colorIndex());
    m_out.integer(420, (color.red() << 16) | (color.green() << 8) | color.blue());
    if (color.hasColorName())
      m_out.text(430, color.hasBookName() ? color.bookName() + L"$" + color.colorName() : color.colorName());
  }

  // New objects' plot style: 0 ByLayer, 1 ByBlock, 3 by name ($CEPSNID: the name's handle).
  void currentPlotStyle()
  {
    const OdString name = m_db->getCPLOTSTYLE();
    if (m_db->getPSTYLEMODE() || name.iCompare(L"ByLayer") == 0)
    {
      integer("$CEPSNTYPE", 380, 0);
      return;
    }
    if (name.iCompare(L"ByBlock") == 0)
    {
      integer("$CEPSNTYPE", 380, 1);
      return;
    }
    const DxfFields lookup(m_out.encoder(), m_db);
    const std::uint64_t handle = dxfPlotStyleHandle(lookup, name);
    if (handle == 0)
      refuse("$CEPSNID", "the plot style '" + name.toUtf8() +
                           "' cannot be written: the drawing's plot style names (ACAD_PLOTSTYLENAME) do not list it");
    integer("$CEPSNTYPE", 380, 3);
    variable("$CEPSNID");
    m_out.handle(390, handle);
  }

  // ---- CLASSES -----------------------------------------------------------------------------

  void classes()
  {
    struct Class
    {
      bool used;
      const char* dxfName;
      const char* className;
      int flags;
    };
    const Class kClasses[] = {{!m_placeholders.empty() || m_normalPlotStyle != 0, "ACDBPLACEHOLDER", "AcDbPlaceHolder", 0},
                              {m_scales, "SCALE", "AcDbScale", 1153}};
    for (const Class& c : kClasses)
      if (c.used)
        declareClass(c.dxfName, c.className, "ObjectDBX Classes", c.flags);
    // This system's own objects allow nothing to an application that does not know them.
    for (std::size_t i : m_ownClassesUsed)
      declareClass(dxfOwnClasses()[i].dxfName, dxfOwnClasses()[i].className, "KYProperties", 0);
  }

  void declareClass(const char* dxfName, const char* className, const char* application, int flags)
  {
    m_out.tag(0, "CLASS");
    m_out.tag(1, dxfName);
    m_out.tag(2, className);
    m_out.tag(3, application);
    m_out.integer(90, flags);
    if (m_out.encoder().version() >= kDxfR2004)
      m_out.integer(91, 0);
    m_out.integer(280, 0);
    m_out.integer(281, 0);
  }

  // ---- TABLES ------------------------------------------------------------------------------

  void tables()
  {
    for (auto table : kTables)
    {
      const OdDbObjectId tableId = (m_db->*table)();
      OdDbSymbolTablePtr pTable = tableId.safeOpenObject();
      m_out.object(pTable.get());
      for (OdDbSymbolTableIteratorPtr it = pTable->newIterator(); !it->done(); it->step())
      {
        OdDbObjectPtr pRecord = it->getRecordId().openObject();
        if (pRecord.isNull())
          continue;
        // Files keep the host's hyperlinks under their own application (see the APPID records
        // below), so the host's registration stays out of them.
        if (tableId == m_db->getRegAppTableId() &&
            OdDbSymbolTableRecord::cast(pRecord.get())->getName().iCompare(CKyUtils::kHyperlinkAppName) == 0)
          continue;
        m_out.object(pRecord.get());
      }
      if (tableId == m_db->getRegAppTableId())
        for (const auto& app : m_newApps)
        {
          m_out.tag(0, "APPID");
          m_out.handle(5, app.second);
          m_out.handle(330, handleOf(tableId));
          m_out.tag(100, "AcDbSymbolTableRecord");
          m_out.tag(100, "AcDbRegAppTableRecord");
          m_out.text(2, app.first);
          m_out.integer(70, 0);
        }
      m_out.tag(0, "ENDTAB");
    }
  }

  const char* kindFields(const OdDbObject* pObj, DxfFields& fields)
  {
    const DxfKindWriter* writer = dxfKindWriter(pObj->isA());
    if (!writer)
      throw DxfWriteError{"objects of the class " + pObj->isA()->name().toUtf8() + " cannot be written yet"};
    writer->fields(pObj, fields);
    return writer->dxfName;
  }

  // ---- BLOCKS and ENTITIES -----------------------------------------------------------------

  struct Block
  {
    OdDbObjectId id;
    std::uint64_t begin;
    std::uint64_t end;
  };

  void blockEntity(const char* kind, std::uint64_t handle, const OdDbBlockTableRecord* pBlock)
  {
    m_out.tag(0, kind);
    m_out.handle(5, handle);
    m_out.handle(330, handleOf(pBlock->objectId()));
    m_out.tag(100, "AcDbEntity");
    if (pBlock->objectId() == m_db->getPaperSpaceId())
      m_out.integer(67, 1);
    m_out.tag(8, "0");
  }

  void blocks()
  {
    for (const Block& b : m_blocks)
    {
      OdDbBlockTableRecordPtr pBlock = b.id.safeOpenObject();
      blockEntity("BLOCK", b.begin, pBlock.get());
      m_out.tag(100, "AcDbBlockBegin");
      m_out.text(2, pBlock->getName());
      m_out.integer(70, (pBlock->isAnonymous() ? 1 : 0) | (pBlock->isFromExternalReference() ? 4 : 0));
      const OdGePoint3d origin = pBlock->origin();
      m_out.real(10, origin.x);
      m_out.real(20, origin.y);
      m_out.real(30, origin.z);
      m_out.text(3, pBlock->getName());
      m_out.text(1, pBlock->pathName());
      if (!pBlock->comments().isEmpty())
        m_out.text(4, pBlock->comments());
      // The layouts' entities are the ENTITIES section's.
      if (b.id != m_db->getModelSpaceId() && b.id != m_db->getPaperSpaceId())
        entities(b.id);
      blockEntity("ENDBLK", b.end, pBlock.get());
      m_out.tag(100, "AcDbBlockEnd");
    }
  }

  void entities(const OdDbObjectId& blockId)
  {
    OdDbBlockTableRecordPtr pBlock = blockId.safeOpenObject();
    for (OdDbObjectIteratorPtr it = pBlock->newIterator(); !it->done(); it->step())
    {
      OdDbObjectPtr pEntity = it->objectId().openObject();
      if (pEntity.isNull())
        continue;
      m_out.object(pEntity.get());
      OdDbObjectIteratorPtr v = dxfVerticesOf(pEntity.get());
      if (!v.isNull())
        sequence(OdDbEntity::cast(pEntity.get()).get(), v);
    }
  }

  // The vertices of a heavy polyline and the SEQEND that ends them (on the polyline's layer).
  void sequence(const OdDbEntity* pPolyline, const OdDbObjectIteratorPtr& vertices)
  {
    for (; !vertices->done(); vertices->step())
    {
      OdDbEntityPtr pVertex = vertices->entity();
      if (!pVertex.isNull())
        m_out.object(pVertex.get());
    }
    std::uint64_t handle = 0;
    for (const auto& s : m_sequences)
      if (s.first == static_cast<OdDbStub*>(pPolyline->objectId()))
        handle = s.second;
    m_out.tag(0, "SEQEND");
    m_out.handle(5, handle);
    m_out.handle(330, handleOf(pPolyline->objectId()));
    m_out.tag(100, "AcDbEntity");
    if (pPolyline->ownerId() == m_db->getPaperSpaceId())
      m_out.integer(67, 1);
    m_out.text(8, pPolyline->layer());
  }

  // ---- OBJECTS -----------------------------------------------------------------------------

  void objects()
  {
    for (const OdDbObjectId& id : m_objects)
    {
      OdDbObjectPtr pObj = id.openObject();
      if (pObj.isNull())
        continue;
      if (m_placeholders.count(static_cast<OdDbStub*>(id)))
        placeholder(handleOf(id), handleOf(pObj->ownerId()));
      else if (id == m_plotStyleNames && m_normalPlotStyle != 0)
      {
        // Readers expect the plot style every layer starts with among the names.
        DxfFields fields(m_out.encoder(), m_db);
        const char* dxfName = kindFields(pObj.get(), fields);
        std::vector<DxfOutTag>& tags = fields.segments().front().tags;
        tags.push_back({3, "Normal"});
        tags.push_back({350, DxfEncoder::handle(m_normalPlotStyle)});
        m_out.object(pObj.get(), dxfName, fields);
        placeholder(m_normalPlotStyle, handleOf(id));
      }
      else
        m_out.object(pObj.get());
    }
  }

  void placeholder(std::uint64_t handle, std::uint64_t owner)
  {
    m_out.tag(0, "ACDBPLACEHOLDER");
    m_out.handle(5, handle);
    m_out.handle(330, owner);
  }

  OdDbDatabase* m_db;
  DxfOutput& m_out;
  std::uint64_t m_maxHandle = 0;
  std::uint64_t m_next = 1;
  std::vector<Block> m_blocks;
  // Heavy polylines and the handles planned for their SEQENDs.
  std::vector<std::pair<OdDbStub*, std::uint64_t>> m_sequences;
  // The OBJECTS section's objects in order.
  std::vector<OdDbObjectId> m_objects;
  std::unordered_set<OdDbStub*> m_placeholders;
  // The drawing's plot style names, and the placeholder written for "Normal" when they lack it.
  OdDbObjectId m_plotStyleNames;
  std::uint64_t m_normalPlotStyle = 0;
  std::vector<std::pair<OdString, std::uint64_t>> m_newApps;
  bool m_hyperlinks = false;
  bool m_ownData = false;
  bool m_transparencies = false;
  bool m_descriptions = false;
  bool m_scales = false;
  // Positions in dxfOwnClasses() of the classes the drawing has objects of.
  std::set<std::size_t> m_ownClassesUsed;
};
} // namespace

void dxfWriteDatabase(OdDbDatabase* db, DxfOutput& out)
{
  DatabaseWriter writer(db, out);
  for (const char* name : kSections)
    writer.section(name);
  out.tag(0, "EOF");
}

void dxfWriteBlocks(OdDbDatabase* db, const std::vector<OdDbObjectId>& blocks, DxfOutput& out)
{
  DatabaseWriter(db, out).blocksOf(blocks);
}

void dxfWriteSection(OdDbDatabase* db, std::string_view name, DxfOutput& out)
{
  if (std::find(std::begin(kSections), std::end(kSections), name) == std::end(kSections))
    throw DxfWriteError{"there is no section '" + std::string(name) + "' to write"};
  DatabaseWriter(db, out).section(name);
}
} // namespace kydxf
