// Whole drawings: a database without a source written section by section, each object through
// its kind's writer. Blocks get BLOCK and ENDBLK entities, with handles taken above the
// database's own, and the handle seed of the header stays above them.
#include <cmath>
#include <unordered_set>

#include "DbBlockTable.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbSymbolTable.h"
#include "DbSymbolTableRecord.h"
#include "DxfTokenizer.h"
#include "DxfWriter.h"
#include "KyUtils.h"
#include "OdaCommon.h"

namespace kydxf
{
namespace
{
class DatabaseWriter
{
public:
  DatabaseWriter(OdDbDatabase* db, DxfOutput& out) : m_db(db), m_out(out)
  {
    if (out.encoder().version() <= kDxfR12)
      throw DxfWriteError{"a drawing that was not read from a file is written in R2000 (AC1015) or later"};
    m_nextHandle = static_cast<std::uint64_t>(db->handseed());
    OdDbSymbolTablePtr pBlocks = db->getBlockTableId().safeOpenObject();
    for (OdDbSymbolTableIteratorPtr it = pBlocks->newIterator(); !it->done(); it->step())
      m_blocks.push_back(it->getRecordId());
  }

  void section(std::string_view name)
  {
    m_out.tag(0, "SECTION");
    m_out.tag(2, name);
    if (name == "HEADER")
      header();
    else if (name == "TABLES")
      tables();
    else if (name == "BLOCKS")
      blocks();
    else if (name == "ENTITIES")
    {
      entitiesOf(m_db->getModelSpaceId());
      entitiesOf(m_db->getPaperSpaceId());
    }
    else if (name == "OBJECTS")
      objects();
    m_out.tag(0, "ENDSEC");
  }

private:
  // ---- header --------------------------------------------------------------------------------

  void variable(const char* name) { m_out.tag(9, name); }

  void header()
  {
    const int version = m_out.encoder().version();
    variable("$ACADVER");
    m_out.tag(1, "AC" + std::to_string(version));
    variable("$DWGCODEPAGE");
    const OdString codePage = m_db->getDWGCODEPAGE();
    m_out.text(3, codePage.isEmpty() ? OdString(L"ANSI_1252") : codePage);
    variable("$INSBASE");
    m_out.real(10, 0.0);
    m_out.real(20, 0.0);
    m_out.real(30, 0.0);
    variable("$HANDSEED");
    // BLOCK and ENDBLK take two handles a block.
    m_out.handle(5, m_nextHandle + 2 * m_blocks.size());
    integer("$INSUNITS", 70, m_db->getINSUNITS());
    integer("$LUNITS", 70, m_db->getLUNITS());
    integer("$LUPREC", 70, m_db->getLUPREC());
    integer("$AUNITS", 70, m_db->getAUNITS());
    integer("$AUPREC", 70, m_db->getAUPREC());
    integer("$MEASUREMENT", 70, m_db->getMEASUREMENT());
    integer("$ANGDIR", 70, m_db->getANGDIR() ? 1 : 0);
    variable("$ANGBASE");
    m_out.real(50, m_db->getANGBASE() * 180.0 / OdaPI);
    real("$LTSCALE", 40, m_db->getLTSCALE());
    real("$CELTSCALE", 40, m_db->getCELTSCALE());
    real("$TEXTSIZE", 40, m_db->getTEXTSIZE());
    integer("$SPLINESEGS", 70, m_db->getSPLINESEGS());
    name("$CLAYER", 8, m_db->getCLAYER());
    name("$CELTYPE", 6, m_db->getCELTYPE());
    name("$TEXTSTYLE", 7, m_db->getTEXTSTYLE());
    name("$DIMSTYLE", 2, m_db->getDIMSTYLE());
    const OdCmColor color = m_db->getCECOLOR();
    variable("$CECOLOR");
    m_out.integer(62, color.isByColor() ? 256 : color.colorIndex());
    if (color.isByColor())
    {
      if (version < kDxfR2004)
        throw DxfWriteError{"the current colour is a true colour, which R2000 (AC1015) cannot hold"};
      m_out.integer(420, (color.red() << 16) | (color.green() << 8) | color.blue());
    }
    integer("$CELWEIGHT", 370, m_db->getCELWEIGHT());
    if (version >= kDxfR2004)
      integer("$CETRANSPARENCY", 440, m_db->getCETRANSPARENCY().serializeOut());
    variable("$UCSORG");
    point(m_db->getUCSORG());
    variable("$UCSXDIR");
    point(OdGePoint3d::kOrigin + m_db->getUCSXDIR());
    variable("$UCSYDIR");
    point(OdGePoint3d::kOrigin + m_db->getUCSYDIR());
    integer("$PSTYLEMODE", 290, m_db->getPSTYLEMODE() ? 1 : 0);
    const OdString plotStyle = m_db->getCPLOTSTYLE();
    if (!m_db->getPSTYLEMODE() && (plotStyle.iCompare(L"ByLayer") == 0 || plotStyle.iCompare(L"ByBlock") == 0))
      integer("$CEPSNTYPE", 380, plotStyle.iCompare(L"ByLayer") == 0 ? 0 : 1);
  }

  void integer(const char* var, int code, std::int64_t value)
  {
    variable(var);
    m_out.integer(code, value);
  }
  void real(const char* var, int code, double value)
  {
    if (!std::isfinite(value))
      throw DxfWriteError{std::string(var) + " holds a value that is not a number"};
    variable(var);
    m_out.real(code, value);
  }
  void name(const char* var, int code, const OdDbObjectId& id)
  {
    OdDbObjectPtr pObj = id.openObject();
    const OdDbSymbolTableRecord* pRec = OdDbSymbolTableRecord::cast(pObj.get()).get();
    if (!pRec)
      return;
    variable(var);
    m_out.text(code, pRec->getName());
  }
  void point(const OdGePoint3d& p)
  {
    m_out.real(10, p.x);
    m_out.real(20, p.y);
    m_out.real(30, p.z);
  }

  // ---- tables --------------------------------------------------------------------------------

  void tables()
  {
    const OdDbObjectId tables[] = {m_db->getViewportTableId(), m_db->getLinetypeTableId(),
                                   m_db->getLayerTableId(),    m_db->getTextStyleTableId(),
                                   m_db->getViewTableId(),     m_db->getUCSTableId(),
                                   m_db->getRegAppTableId(),   m_db->getDimStyleTableId(),
                                   m_db->getBlockTableId()};
    for (const OdDbObjectId& tableId : tables)
    {
      OdDbSymbolTablePtr pTable = tableId.safeOpenObject();
      m_out.object(pTable.get());
      m_owned.push_back(tableId);
      const bool apps = tableId == m_db->getRegAppTableId();
      const bool fileLinkApp = apps && pTable->has(dxfHyperlinkApplication());
      for (OdDbSymbolTableIteratorPtr it = pTable->newIterator(); !it->done(); it->step())
      {
        OdDbObjectPtr pRecord = it->getRecordId().safeOpenObject();
        if (apps && static_cast<const OdDbSymbolTableRecord*>(pRecord.get())->getName().iCompare(
                      CKyUtils::kHyperlinkAppName) == 0)
        {
          // Files keep hyperlinks under an application of their own.
          if (!fileLinkApp)
            hyperlinkApplication(pRecord.get(), tableId);
          continue;
        }
        m_out.object(pRecord.get());
        m_owned.push_back(pRecord->objectId());
      }
      m_out.tag(0, "ENDTAB");
    }
  }

  void hyperlinkApplication(const OdDbObject* pRecord, const OdDbObjectId& tableId)
  {
    m_out.tag(0, "APPID");
    m_out.handle(5, static_cast<std::uint64_t>(pRecord->getDbHandle()));
    m_out.handle(330, static_cast<std::uint64_t>(tableId.getHandle()));
    m_out.tag(100, "AcDbSymbolTableRecord");
    m_out.tag(100, "AcDbRegAppTableRecord");
    m_out.text(2, dxfHyperlinkApplication());
    m_out.integer(70, 0);
  }

  // ---- blocks and entities -------------------------------------------------------------------

  void blocks()
  {
    for (const OdDbObjectId& id : m_blocks)
    {
      OdDbBlockTableRecordPtr pBlock = id.safeOpenObject();
      const bool paper = id == m_db->getPaperSpaceId();
      const std::uint64_t owner = static_cast<std::uint64_t>(id.getHandle());
      blockEntity("BLOCK", "AcDbBlockBegin", owner, paper);
      m_out.text(2, pBlock->getName());
      m_out.integer(70, pBlock->isAnonymous() ? 1 : 0);
      const OdGePoint3d origin = pBlock->origin();
      m_out.real(10, origin.x);
      m_out.real(20, origin.y);
      m_out.real(30, origin.z);
      m_out.text(3, pBlock->getName());
      m_out.text(1, pBlock->pathName());
      if (!pBlock->comments().isEmpty())
        m_out.text(4, pBlock->comments());
      if (id != m_db->getModelSpaceId() && !paper)
        entitiesOf(id);
      blockEntity("ENDBLK", "AcDbBlockEnd", owner, paper);
    }
  }

  // The start of a BLOCK or ENDBLK entity, on layer 0, with a handle of its own.
  void blockEntity(const char* kind, const char* marker, std::uint64_t owner, bool paper)
  {
    m_out.tag(0, kind);
    m_out.handle(5, m_nextHandle++);
    m_out.handle(330, owner);
    m_out.tag(100, "AcDbEntity");
    if (paper)
      m_out.integer(67, 1);
    m_out.tag(8, "0");
    m_out.tag(100, marker);
  }

  void entitiesOf(const OdDbObjectId& blockId)
  {
    OdDbBlockTableRecordPtr pBlock = blockId.safeOpenObject();
    for (OdDbObjectIteratorPtr it = pBlock->newIterator(); !it->done(); it->step())
    {
      OdDbObjectPtr pEntity = it->objectId().safeOpenObject();
      m_out.object(pEntity.get());
      m_owned.push_back(pEntity->objectId());
    }
  }

  // ---- objects -------------------------------------------------------------------------------

  void objects()
  {
    // The named-objects dictionary and its tree, then the extension dictionaries and fields of
    // everything written before.
    writeObject(m_db->getNamedObjectsDictionaryId());
    collectOwners();
    for (std::size_t i = 0; i < m_owned.size(); ++i)
    {
      OdDbObjectPtr pObj = m_owned[i].openObject();
      if (!pObj.isNull())
        writeOwned(pObj.get());
    }
  }

  // Everything the tables and blocks hold, for their extension dictionaries, when the OBJECTS
  // section is written on its own.
  void collectOwners()
  {
    if (!m_owned.empty())
      return;
    const OdDbObjectId tables[] = {m_db->getViewportTableId(), m_db->getLinetypeTableId(), m_db->getLayerTableId(),
                                   m_db->getTextStyleTableId(), m_db->getViewTableId(),    m_db->getUCSTableId(),
                                   m_db->getRegAppTableId(),    m_db->getDimStyleTableId(), m_db->getBlockTableId()};
    for (const OdDbObjectId& tableId : tables)
    {
      m_owned.push_back(tableId);
      OdDbSymbolTablePtr pTable = tableId.safeOpenObject();
      for (OdDbSymbolTableIteratorPtr it = pTable->newIterator(); !it->done(); it->step())
        m_owned.push_back(it->getRecordId());
    }
    for (const OdDbObjectId& blockId : m_blocks)
    {
      OdDbBlockTableRecordPtr pBlock = blockId.safeOpenObject();
      for (OdDbObjectIteratorPtr it = pBlock->newIterator(); !it->done(); it->step())
        m_owned.push_back(it->objectId());
    }
  }

  void writeOwned(const OdDbObject* pObj)
  {
    if (!pObj->extensionDictionary().isNull())
      writeObject(pObj->extensionDictionary());
    for (const OdString& field : pObj->fieldNames())
      writeObject(pObj->getField(field));
  }

  void writeObject(const OdDbObjectId& id)
  {
    // An object reached twice (listed in a dictionary and owned as an extension dictionary) is
    // written once.
    if (!m_written.insert(static_cast<OdDbStub*>(id)).second)
      return;
    OdDbObjectPtr pObj = id.openObject();
    if (pObj.isNull())
      return;
    m_out.object(pObj.get());
    writeOwned(pObj.get());
    if (const OdDbDictionary* pDict = OdDbDictionary::cast(pObj.get()).get())
      for (OdDbDictionaryIteratorPtr it = pDict->newIterator(); !it->done(); it->next())
        writeObject(it->objectId());
  }

  OdDbDatabase* m_db;
  DxfOutput& m_out;
  std::uint64_t m_nextHandle = 0;
  std::vector<OdDbObjectId> m_blocks;
  // Objects written in the tables and blocks, whose extension dictionaries go in OBJECTS.
  std::vector<OdDbObjectId> m_owned;
  std::unordered_set<OdDbStub*> m_written;
};
} // namespace

void dxfWriteDatabase(OdDbDatabase* db, DxfOutput& out)
{
  DatabaseWriter writer(db, out);
  for (const char* name : {"HEADER", "CLASSES", "TABLES", "BLOCKS", "ENTITIES", "OBJECTS"})
    writer.section(name);
  out.tag(0, "EOF");
}

void dxfWriteSection(OdDbDatabase* db, std::string_view name, DxfOutput& out)
{
  DatabaseWriter(db, out).section(name);
}
} // namespace kydxf
