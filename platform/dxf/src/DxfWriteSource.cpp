// Writing a drawing back from its source. The source is read again tag by tag, one object (a 0
// tag and what follows it) at a time. An object the database holds unchanged goes out as it came
// in; one that changed, or that the reader repaired, is patched (DxfMerge); an erased one and what
// the reader passed over are left out; objects the database gained go out at the end of their
// table, block or section, and sections the source lacks are written whole.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbRegAppTableRecord.h"
#include "DbEntity.h"
#include "DbSymbolTable.h"
#include "DxfMerge.h"
#include "DxfSource.h"
#include "DxfText.h"
#include "DxfTokenizer.h"
#include "DxfWriter.h"
#include "KyUtils.h"

namespace kydxf
{
namespace
{
const char* const kSectionOrder[] = {"HEADER", "CLASSES", "TABLES", "BLOCKS", "ENTITIES", "OBJECTS"};

int sectionRank(std::string_view name)
{
  for (int i = 0; i < 6; ++i)
    if (name == kSectionOrder[i])
      return i;
  return -1;
}

std::string versionName(int version)
{
  return "AC" + std::to_string(version);
}

class SourceWriter
{
public:
  SourceWriter(OdDbDatabase* db, const KyDxfSource& source, DxfOutput& out, bool checkUntracked)
    : m_db(db), m_source(source), m_out(out), m_checkUntracked(checkUntracked), m_tokens(source.data, source.size),
      m_lazyNumbers(!source.decimalCommas), m_versionChanged(out.encoder().version() != source.version),
      m_reencode((source.version >= kDxfR2007) != (out.encoder().version() >= kDxfR2007)),
      m_copyUnchanged(source.changes && !m_versionChanged && !m_reencode && !source.decimalCommas)
  {
    m_tokens.allowDroppedValues(true);
    // Most objects go out as they came: their numbers are parsed only for the objects that are
    // patched or that hold a repair (a number read with a decimal comma goes out anew: all then).
    m_tokens.parseNumbers(!m_lazyNumbers);
    // A mapped file is read again as it was read the first time: pages go behind the cursor.
    m_tokens.releasePagesBehind(source.mapping != nullptr);
    if (source.version >= kDxfR2007)
      m_decoder.setUtf8();
    else
      m_decoder.setCodePage(source.codePage);
    m_mapped.reserve(source.objects.size() * 2);
    for (const KyDxfSource::Object& o : source.objects)
      m_mapped.insert(static_cast<OdDbStub*>(o.id));
    // In another version the output is a drawing of its own and holds them all.
    if (!m_versionChanged)
      for (const KyDxfSource::Object& o : source.ambient)
        m_ambient.emplace(static_cast<OdDbStub*>(o.id), o.digest);
  }

  void run()
  {
    findNewObjects();
    Group group;
    // The reader ends at EOF; what follows it is not part of the drawing.
    while (!m_sawEof)
    {
      if (copyUnchanged())
        continue;
      if (!readGroup(group))
        break;
      writeGroup(group);
    }
    // A source without EOF ends where its text ends, closing the section it was in.
    if (!m_sawEof && !m_section.empty())
    {
      flushSection();
      m_out.tag(0, "ENDSEC");
      m_section.clear();
    }
    if (!m_sawEof)
      writeMissingSections(6);
    if (!m_sawEof)
      m_out.tag(0, "EOF");
  }

private:
  // ---- reading the source ------------------------------------------------------------------

  // One object of the source (a 0 tag and what follows it), and where its text lies.
  struct Group
  {
    std::vector<DxfTag> tags;
    const char* begin = nullptr;
    const char* end = nullptr;
    int lineBefore = 0;
    // The tags hold their numbers (else numeric values are text alone).
    bool numbers = false;
  };

  // Tags up to the next 0 tag after the first; where the tags stop making sense the reader
  // stopped too (it read the file up to there).
  static void readTags(DxfTokenizer& tokens, std::vector<DxfTag>& tags)
  {
    tags.clear();
    DxfTag tag;
    for (;;)
    {
      try
      {
        if (!tokens.next(tag))
          break;
      }
      catch (const DxfError&)
      {
        break;
      }
      catch (const DxfEnd&)
      {
        break;
      }
      if (tag.code == DxfTokenizer::kDroppedTag)
        continue;
      if (tag.code == 0 && !tags.empty())
      {
        tokens.pushBack();
        break;
      }
      tags.push_back(tag);
    }
  }

  bool readGroup(Group& group)
  {
    group.begin = m_tokens.nextTagStart();
    group.lineBefore = m_tokens.lineBeforeNextTag();
    group.numbers = !m_lazyNumbers || (m_comparedNext && !m_unchangedNext);
    m_tokens.parseNumbers(group.numbers);
    readTags(m_tokens, group.tags);
    m_tokens.parseNumbers(!m_lazyNumbers);
    group.end = m_tokens.nextTagStart();
    if (group.tags.empty())
      return false;
    // What the reader repaired is read as the reader read it: a value it dropped is left out.
    if (!group.numbers && holdsRepair(group.tags))
      group.tags = withNumbers(group);
    return true;
  }

  // An unchanged object of the source in the output's own form goes out as its text without its
  // tags being read: true when the next object went so.
  bool copyUnchanged()
  {
    m_comparedNext = nullptr;
    if (!m_copyUnchanged || !m_resequenced.isNull() || m_section.empty())
      return false;
    const int line = m_tokens.lineBeforeNextTag() + 1;
    const KyDxfSource::Object* mapped = objectAt(line);
    if (!mapped || std::binary_search(m_source.droppedLines.begin(), m_source.droppedLines.end(), line))
      return false;
    OdDbObjectPtr pObj = mapped->id.openObject(OdDb::kForRead, true);
    if (pObj.isNull() || pObj->isErased())
      return false;
    // Kept for the group's own writing when it is not copied here; a changed one is read with
    // its numbers, for the patch.
    m_comparedNext = mapped;
    m_unchangedNext = unchanged(pObj.get(), mapped->digest);
    if (!m_unchangedNext)
      return false;
    DxfTokenizer::WrittenGroup text;
    if (!m_tokens.peekWrittenGroup(m_out.crlf(), text))
      return false;
    // The kinds that open or close a part of the file, or that have an order of their own.
    static const std::string_view kStructural[] = {"SECTION", "ENDSEC", "EOF",      "TABLE",  "ENDTAB",
                                                   "BLOCK",   "ENDBLK", "POLYLINE", "VERTEX", "SEQEND"};
    for (std::string_view kind : kStructural)
      if (text.kind == kind)
        return false;
    const auto repaired = std::lower_bound(m_source.repairLines.begin(), m_source.repairLines.end(), text.line);
    if (repaired != m_source.repairLines.end() && *repaired < text.nextLine)
      return false;
    if (gainsHandle(*mapped))
      return false;
    m_out.raw(std::string_view(text.begin, static_cast<std::size_t>(text.end - text.begin)));
    m_tokens.skipGroup(text);
    return true;
  }

  // The group's tags with their numbers: read again from its text when it was read without.
  const std::vector<DxfTag>& withNumbers(const Group& group)
  {
    if (group.numbers)
      return group.tags;
    DxfTokenizer tokens(group.begin, static_cast<std::size_t>(group.end - group.begin));
    tokens.allowDroppedValues(true);
    tokens.setLineBefore(group.lineBefore);
    readTags(tokens, m_numbered);
    return m_numbered;
  }

  // A repair lies in the lines of the object's tags.
  bool holdsRepair(const std::vector<DxfTag>& tags) const
  {
    const int endLine = tags.back().line + 2;
    const auto repaired = std::lower_bound(m_source.repairLines.begin(), m_source.repairLines.end(), tags.front().line);
    return repaired != m_source.repairLines.end() && *repaired < endLine;
  }

  static std::string_view trimmed(const DxfTag& tag) { return dxfTrim(tag.text); }

  // ---- writing the source ------------------------------------------------------------------

  void writeGroup(const Group& source)
  {
    const std::vector<DxfTag>& group = source.tags;
    const DxfTag& head = group.front();
    if (head.code != 0)
    {
      // Tags before the first 0 tag: the writer's comments are kept, anything else nothing reads.
      for (const DxfTag& t : group)
        if (t.code == 999)
          copyTag(t);
      return;
    }
    const std::string_view kind = trimmed(head);
    if (std::binary_search(m_source.droppedLines.begin(), m_source.droppedLines.end(), head.line))
      return;
    if (!m_resequenced.isNull())
    {
      // The vertices of a polyline that gained some wait for its SEQEND, to go out in its order.
      if (kind == "VERTEX")
      {
        m_heldVertices.push_back({source, objectAt(head.line)});
        return;
      }
      writeSequence();
    }
    if (kind == "SECTION")
    {
      std::string_view name;
      if (group.size() > 1 && group[1].code == 2)
        name = trimmed(group[1]);
      const int rank = sectionRank(name);
      if (rank >= 0)
        writeMissingSections(rank);
      m_section = std::string(name);
      if (rank >= 0)
        m_seen[rank] = true;
      if (name == "HEADER")
        writeHeader(group);
      else
        copy(source);
      return;
    }
    if (kind == "ENDSEC")
    {
      // What follows an ENDSEC before the next SECTION the reader passed over, or read as
      // header variables (the header took them).
      if (m_section.empty())
        return;
      flushSection();
      copyTag(head);
      m_section.clear();
      return;
    }
    if (m_section.empty() && kind != "EOF")
      return;
    if (kind == "EOF")
    {
      writeMissingSections(6);
      m_sawEof = true;
      copy(source);
      return;
    }
    if (kind == "ENDTAB")
    {
      flushRecords(m_table);
      m_table = OdDbObjectId();
      copy(source);
      return;
    }
    if (kind == "BLOCK")
    {
      m_block = blockOf(group);
      m_blocksSeen.insert(static_cast<OdDbStub*>(m_block));
    }
    if (kind == "ENDBLK")
    {
      flushBlock(m_block);
      m_block = OdDbObjectId();
    }

    const KyDxfSource::Object* mapped = objectAt(head.line);
    if (!mapped)
    {
      copy(source);
      return;
    }
    writeMapped(source, *mapped);
  }

  void writeMapped(const Group& source, const KyDxfSource::Object& mapped)
  {
    const std::vector<DxfTag>& group = source.tags;
    const DxfTag& head = group.front();
    const std::string_view kind = trimmed(head);
    if (kind == "TABLE")
      m_table = mapped.id;
    OdDbObjectPtr pObj = mapped.id.openObject(OdDb::kForRead, true);
    if (pObj.isNull() || pObj->isErased())
      return;
    if (kind == "POLYLINE" && gainedVertices(pObj.get()))
      m_resequenced = mapped.id;
    const bool compared = m_comparedNext == &mapped;
    m_comparedNext = nullptr;
    if (!holdsRepair(group) && !m_versionChanged &&
        (compared ? m_unchangedNext : unchanged(pObj.get(), mapped.digest)))
    {
      if (gainsHandle(mapped))
      {
        // As it came, with the handle the reader gave it after its 0 tag.
        copyTag(head);
        m_out.handle(dxfHandleCode(kind), static_cast<std::uint64_t>(pObj->getDbHandle()));
        for (std::size_t i = 1; i < group.size(); ++i)
          copyTag(group[i]);
        return;
      }
      copy(source);
      return;
    }
    patch(withNumbers(source), pObj.get(), gainsHandle(mapped));
  }

  // An object the file gave no handle goes out with the one the reader handed it wherever the
  // output's version has handles: a second read then finds it under the same handle, and the
  // output is what that version asks for.
  bool gainsHandle(const KyDxfSource::Object& mapped) const
  {
    return !mapped.handleFromFile && m_out.encoder().version() > kDxfR12;
  }

  // Whether the object holds what it held at the read: no change was tracked for it, or its
  // digest is the one taken then.
  bool unchanged(const OdDbObject* pObj, std::uint64_t digest) const
  {
    if (!m_source.changes || m_source.changes->mayHaveChanged(pObj))
      return dxfStateDigest(pObj) == digest;
    if (m_checkUntracked && dxfStateDigest(pObj) != digest)
      throw DxfWriteError{pObj->isA()->name().toUtf8() + " " + dxfHex(pObj->getDbHandle()) +
                          " changed without being opened for a change"};
    return true;
  }

  const KyDxfSource::Object* objectAt(int line)
  {
    const std::vector<KyDxfSource::Object>& objects = m_source.objects;
    while (m_next < objects.size() && objects[m_next].line < line)
      ++m_next;
    if (m_next < objects.size() && objects[m_next].line == line)
      return &objects[m_next];
    return nullptr;
  }

  // The block record a BLOCK entity starts: by its owner handle, else by its name.
  OdDbObjectId blockOf(const std::vector<DxfTag>& group) const
  {
    std::string_view name;
    for (const DxfTag& t : group)
    {
      if (t.code == 330)
      {
        std::uint64_t h = 0;
        if (dxfParseHandle(t.text, h))
        {
          const OdDbObjectId id = m_db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(h)));
          if (!id.isNull() && id.objectClass()->isDerivedFrom(OdDbBlockTableRecord::desc()))
            return id;
        }
      }
      else if (t.code == 2 && name.empty())
        name = trimmed(t);
    }
    OdString text;
    m_decoder.decode(name, text);
    OdDbSymbolTablePtr pBlocks = m_db->getBlockTableId().safeOpenObject();
    return pBlocks->getAt(text);
  }

  // An object goes out as its text where that is tag for tag what the output would write:
  // codes right-aligned in three columns, values as they stand, the output's line breaks.
  void copy(const Group& group)
  {
    if (verbatim(group))
      m_out.raw(std::string_view(group.begin, static_cast<std::size_t>(group.end - group.begin)));
    else
      copy(group.tags);
  }

  bool verbatim(const Group& group) const
  {
    if (m_reencode || m_source.decimalCommas)
      return false;
    const bool crlf = m_out.crlf();
    const std::size_t lineEnd = crlf ? 2 : 1;
    auto endsLine = [crlf](const char* at) { return crlf ? at[0] == '\r' && at[1] == '\n' : at[0] == '\n'; };
    const char* p = group.begin;
    for (const DxfTag& t : group.tags)
    {
      // The code line: blanks up to three columns, the code's digits, the line end.
      const char* const codeEnd = t.text.data() - lineEnd;
      if (codeEnd <= p || !endsLine(codeEnd))
        return false;
      const char* q = p;
      while (q != codeEnd && *q == ' ')
        ++q;
      const std::ptrdiff_t digits = codeEnd - q;
      const std::ptrdiff_t width = t.code < 10 ? 1 : t.code < 100 ? 2 : t.code < 1000 ? 3 : 4;
      if (digits != width || q - p != (width < 3 ? 3 - width : 0))
        return false;
      int code = 0;
      for (; q != codeEnd; ++q)
      {
        const unsigned d = static_cast<unsigned>(*q - '0');
        if (d > 9)
          return false;
        code = code * 10 + static_cast<int>(d);
      }
      if (code != t.code)
        return false;
      // The value line: the value, the line end.
      p = t.text.data() + t.text.size();
      if (static_cast<std::size_t>(group.end - p) < lineEnd || !endsLine(p))
        return false;
      p += lineEnd;
    }
    return p == group.end;
  }

  void copy(const std::vector<DxfTag>& group)
  {
    for (const DxfTag& t : group)
      copyTag(t);
  }

  void copyTag(const DxfTag& t)
  {
    if (m_source.decimalCommas && dxfValueKind(t.code) == DxfValueKind::Real &&
        t.text.find(',') != std::string_view::npos)
    {
      m_out.real(t.code, t.real);
      return;
    }
    if (m_reencode && dxfValueKind(t.code) == DxfValueKind::Text && needsDecoding(t.text))
    {
      OdString text;
      if (!m_decoder.decode(t.text, text))
        m_decoder.decodeLossy(t.text, text);
      m_out.text(t.code, text);
      return;
    }
    m_out.tag(t.code, t.text);
  }

  static bool needsDecoding(std::string_view bytes)
  {
    for (char c : bytes)
      if (static_cast<unsigned char>(c) >= 0x80 || c == '\\')
        return true;
    return false;
  }

  // The header as it came, with the version written, the code page of the output and a handle
  // seed above every handle.
  void writeHeader(const std::vector<DxfTag>& group)
  {
    std::string_view variable;
    for (const DxfTag& t : group)
    {
      if (t.code == 9)
      {
        variable = trimmed(t);
        copyTag(t);
        continue;
      }
      if (variable == "$ACADVER" && t.code == 1)
        m_out.tag(1, versionName(m_out.encoder().version()));
      else if (variable == "$HANDSEED" && t.code == 5)
      {
        // The file's seed stays unless the database has gone past it.
        std::uint64_t seed = 0;
        const std::uint64_t next = static_cast<std::uint64_t>(m_db->handseed());
        if (dxfParseHandle(t.text, seed) && seed >= next)
          copyTag(t);
        else
          m_out.handle(5, next);
      }
      else if (variable == "$DWGCODEPAGE" && t.code == 3)
        m_out.text(3, OdString(m_source.codePage));
      else if (!writeRecordName(variable, t))
        copyTag(t);
    }
    // Variables the file put outside its header.
    for (const auto& extra : m_source.headerExtras)
      m_out.tag(extra.first, extra.second);
  }

  // A variable naming the current layer, linetype, text or dimension style: the name of the
  // record the drawing uses, which differs from the file's where the reader repaired it.
  bool writeRecordName(std::string_view variable, const DxfTag& t)
  {
    OdDbObjectId id;
    if (variable == "$CLAYER" && t.code == 8)
      id = m_db->getCLAYER();
    else if (variable == "$CELTYPE" && t.code == 6)
      id = m_db->getCELTYPE();
    else if (variable == "$TEXTSTYLE" && t.code == 7)
      id = m_db->getTEXTSTYLE();
    else if (variable == "$DIMSTYLE" && t.code == 2)
      id = m_db->getDIMSTYLE();
    OdDbSymbolTableRecordPtr pRecord = id.openObject();
    if (pRecord.isNull())
      return false;
    OdString name;
    if (m_decoder.decode(trimmed(t), name) && name.iCompare(pRecord->getName()) == 0)
      return false;
    m_out.text(t.code, pRecord->getName());
    // The record goes out with the table's new ones, even where the file lacked it.
    if (!isMapped(id))
    {
      std::vector<OdDbObjectId>& records = m_newRecords[static_cast<OdDbStub*>(pRecord->ownerId())];
      if (std::find(records.begin(), records.end(), id) == records.end())
        records.push_back(id);
      const OdDbObjectId tableId = pRecord->ownerId();
      if (!isMapped(tableId) && std::find(m_newTables.begin(), m_newTables.end(), tableId) == m_newTables.end())
        m_newTables.push_back(tableId);
    }
    return true;
  }

  void patch(const std::vector<DxfTag>& group, const OdDbObject* pObj, bool addHandle = false)
  {
    const DxfKindWriter* writer = dxfKindWriter(pObj->isA());
    if (!writer)
      throw DxfWriteError{std::string(trimmed(group.front())) + " " + dxfHex(pObj->getDbHandle()) +
                          " changed, but objects of the class " + pObj->isA()->name().toUtf8() +
                          " cannot be written yet"};
    DxfFields fields(m_out.encoder(), m_db);
    fields.setSource(&m_source);
    writer->fields(pObj, fields);
    bool hasXData = false;
    for (const DxfFields::Segment& s : fields.segments())
      hasXData = hasXData || s.isXData;
    if (!hasXData)
    {
      // Extended data as the database holds it; none left means the source's goes.
      fields.xdata();
      OdResBufPtr chain = pObj->xData();
      if (!chain.isNull())
        fields.xdataChain(chain.get());
    }
    if (pObj->isKindOf(OdDbDictionary::desc()))
      keepForeignEntries(group, fields);
    const DxfMergeContext context{m_decoder, m_out.encoder(), static_cast<std::uint64_t>(pObj->getDbHandle()),
                                  static_cast<std::uint64_t>(pObj->ownerId().getHandle()), addHandle};
    dxfMerge(group, fields, context, [this](const DxfTag& t) { copyTag(t); },
             [this](int code, const std::string& value) { m_out.tag(code, value); });
  }

  // A dictionary of the source may list objects the database does not hold (kinds the reader
  // does not map): those entries stay, where they were, among the entries the database has.
  void keepForeignEntries(const std::vector<DxfTag>& group, DxfFields& fields)
  {
    DxfFields::Segment* segment = nullptr;
    for (DxfFields::Segment& s : fields.segments())
      if (s.marker && std::string_view(s.marker) == "AcDbDictionary")
        segment = &s;
    if (!segment)
      return;
    struct Entry
    {
      std::string name;
      int code;
      std::string handle;
      bool used = false;
    };
    std::vector<DxfOutTag> others;
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < segment->tags.size(); ++i)
    {
      const DxfOutTag& t = segment->tags[i];
      if (t.code == 3 && i + 1 < segment->tags.size() &&
          (segment->tags[i + 1].code == 350 || segment->tags[i + 1].code == 360))
      {
        entries.push_back({t.value, segment->tags[i + 1].code, segment->tags[i + 1].value});
        ++i;
      }
      else
        others.push_back(t);
    }
    std::vector<DxfOutTag> merged = others;
    const DxfTag* name = nullptr;
    bool inEntries = false;
    for (const DxfTag& t : group)
    {
      if (t.code == 100)
        inEntries = trimmed(t) == "AcDbDictionary";
      if (!inEntries)
        continue;
      if (t.code == 3)
        name = &t;
      else if ((t.code == 350 || t.code == 360) && name)
      {
        std::uint64_t h = 0;
        const std::string entryName(name->text);
        name = nullptr;
        bool held = false;
        for (Entry& e : entries)
          if (!e.used && e.name == entryName)
          {
            merged.push_back({3, e.name});
            merged.push_back({e.code, e.handle});
            e.used = held = true;
            break;
          }
        if (held || !dxfParseHandle(t.text, h) ||
            !m_db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(h))).isNull())
          continue;
        merged.push_back({3, entryName});
        merged.push_back({t.code, std::string(dxfTrim(t.text))});
      }
    }
    for (const Entry& e : entries)
      if (!e.used)
      {
        merged.push_back({3, e.name});
        merged.push_back({e.code, e.handle});
      }
    segment->tags = std::move(merged);
  }

  // ---- objects the source does not hold --------------------------------------------------

  void findNewObjects()
  {
    const OdDbObjectId tables[] = {m_db->getViewportTableId(), m_db->getLinetypeTableId(), m_db->getLayerTableId(),
                                   m_db->getTextStyleTableId(), m_db->getViewTableId(),    m_db->getUCSTableId(),
                                   m_db->getRegAppTableId(),    m_db->getDimStyleTableId(), m_db->getBlockTableId()};
    for (const OdDbObjectId& tableId : tables)
    {
      OdDbSymbolTablePtr pTable = tableId.safeOpenObject();
      visitOwned(pTable.get());
      for (OdDbSymbolTableIteratorPtr it = pTable->newIterator(); !it->done(); it->step())
      {
        const OdDbObjectId recordId = it->getRecordId();
        OdDbObjectPtr pRecord = recordId.openObject();
        if (pRecord.isNull())
          continue;
        if (isNew(recordId, pRecord.get()) && !isHostApplication(pRecord.get()))
        {
          m_newRecords[static_cast<OdDbStub*>(tableId)].push_back(recordId);
          if (tableId == m_db->getBlockTableId())
            m_newBlocks.push_back(recordId);
        }
        visitOwned(pRecord.get());
        if (OdDbBlockTableRecord* pBlock = OdDbBlockTableRecord::cast(pRecord.get()).get())
          for (OdDbObjectIteratorPtr e = pBlock->newIterator(); !e->done(); e->step())
          {
            const OdDbObjectId entityId = e->objectId();
            OdDbObjectPtr pEntity = entityId.openObject();
            if (pEntity.isNull())
              continue;
            if (isNew(entityId, pEntity.get()))
              m_newEntities[static_cast<OdDbStub*>(recordId)].push_back(entityId);
            visitOwned(pEntity.get());
          }
      }
      // A table the source lacks goes out when it changed or holds records new to the drawing.
      std::vector<OdDbObjectId>& records = m_newRecords[static_cast<OdDbStub*>(tableId)];
      if (!isMapped(tableId) && (isNew(tableId, pTable.get()) || !records.empty()))
        m_newTables.push_back(tableId);
      if (records.empty())
        m_newRecords.erase(static_cast<OdDbStub*>(tableId));
    }
    visitDictionary(m_db->getNamedObjectsDictionaryId());
  }

  // The application under which the host keeps hyperlinks: files keep them under their own (the
  // kind writers write them so), and the file goes out with the registrations it had.
  bool isHostApplication(const OdDbObject* pRecord) const
  {
    const OdDbSymbolTableRecord* pApp = OdDbSymbolTableRecord::cast(pRecord).get();
    return pApp && pRecord->ownerId() == m_db->getRegAppTableId() &&
           pApp->getName().iCompare(CKyUtils::kHyperlinkAppName) == 0;
  }

  bool isMapped(const OdDbObjectId& id) const { return m_mapped.count(static_cast<OdDbStub*>(id)) != 0; }

  // A heavy polyline of the source that gained vertices (fitting adds them between and after
  // the placed ones): its whole sequence goes out again in the polyline's order.
  bool gainedVertices(const OdDbObject* pEntity) const
  {
    OdDbObjectIteratorPtr vertices = dxfVerticesOf(pEntity);
    if (vertices.isNull())
      return false;
    for (; !vertices->done(); vertices->step())
    {
      OdDbEntityPtr pVertex = vertices->entity();
      if (!pVertex.isNull() && !isMapped(vertices->objectId()))
        return true;
    }
    return false;
  }

  // The held vertices of the source in the polyline's order, each as any mapped object goes
  // out, and the new ones written whole; vertices the polyline no longer has are left out.
  void writeSequence()
  {
    OdDbObjectPtr pPolyline = m_resequenced.openObject();
    m_resequenced = OdDbObjectId();
    std::vector<HeldVertex> held;
    held.swap(m_heldVertices);
    for (const HeldVertex& v : held)
      if (!v.mapped)
        copy(v.group);
    if (pPolyline.isNull())
      return;
    std::unordered_map<OdDbStub*, const HeldVertex*> byId;
    for (const HeldVertex& v : held)
      if (v.mapped)
        byId.emplace(static_cast<OdDbStub*>(v.mapped->id), &v);
    for (OdDbObjectIteratorPtr it = dxfVerticesOf(pPolyline.get()); !it->done(); it->step())
    {
      const auto source = byId.find(static_cast<OdDbStub*>(it->objectId()));
      if (source != byId.end())
        writeMapped(source->second->group, *source->second->mapped);
      else if (OdDbEntityPtr pVertex = it->entity(); !pVertex.isNull())
        m_out.object(pVertex.get());
    }
  }

  bool isNew(const OdDbObjectId& id, const OdDbObject* pObj) const
  {
    if (isMapped(id))
      return false;
    const auto ambient = m_ambient.find(static_cast<OdDbStub*>(id));
    return ambient == m_ambient.end() || !unchanged(pObj, ambient->second);
  }

  // The extension dictionary and the fields an object owns.
  void visitOwned(const OdDbObject* pObj)
  {
    visitDictionary(pObj->extensionDictionary());
    for (const OdString& name : pObj->fieldNames())
      visitObject(pObj->getField(name));
  }

  void visitObject(const OdDbObjectId& id)
  {
    OdDbObjectPtr pObj = id.openObject();
    if (pObj.isNull())
      return;
    if (isNew(id, pObj.get()))
      m_newObjects.push_back(id);
    visitOwned(pObj.get());
    if (OdDbDictionary* pDict = OdDbDictionary::cast(pObj.get()).get())
      for (OdDbDictionaryIteratorPtr it = pDict->newIterator(); !it->done(); it->next())
        visitObject(it->objectId());
  }

  void visitDictionary(const OdDbObjectId& id)
  {
    if (!id.isNull())
      visitObject(id);
  }

  bool writesObjects() const { return m_out.encoder().version() > kDxfR12; }

  void writeObjects(std::vector<OdDbObjectId>& ids)
  {
    for (const OdDbObjectId& id : ids)
    {
      OdDbObjectPtr pObj = id.openObject();
      if (!pObj.isNull())
        m_out.object(pObj.get());
    }
    ids.clear();
  }

  void flushRecords(const OdDbObjectId& tableId)
  {
    auto it = m_newRecords.find(static_cast<OdDbStub*>(tableId));
    if (it == m_newRecords.end())
      return;
    // R12 has no block records.
    if (writesObjects() || tableId != m_db->getBlockTableId())
      writeObjects(it->second);
    m_newRecords.erase(it);
  }

  void flushBlock(const OdDbObjectId& blockId)
  {
    auto it = m_newEntities.find(static_cast<OdDbStub*>(blockId));
    if (it == m_newEntities.end())
      return;
    writeObjects(it->second);
    m_newEntities.erase(it);
  }

  // Entities of blocks the source has went out before their ENDBLK. Blocks it lacks (new ones,
  // and records the reader made, such as a layout's) go out whole at the end of the section,
  // BLOCK to ENDBLK; the layouts' entities stay in ENTITIES.
  void flushNewBlocks()
  {
    std::vector<OdDbObjectId> blocks;
    for (const OdDbObjectId& id : m_newBlocks)
      if (!m_blocksSeen.count(static_cast<OdDbStub*>(id)))
        blocks.push_back(id);
    for (const auto& block : m_newEntities)
    {
      const OdDbObjectId id(block.first);
      if (id == m_db->getModelSpaceId() || id == m_db->getPaperSpaceId() || block.second.empty() ||
          m_blocksSeen.count(block.first) || std::find(blocks.begin(), blocks.end(), id) != blocks.end())
        continue;
      blocks.push_back(id);
    }
    if (blocks.empty())
      return;
    if (!writesObjects())
    {
      OdDbSymbolTableRecordPtr pBlock = blocks.front().safeOpenObject();
      throw DxfWriteError{"the block '" + pBlock->getName().toUtf8() +
                          "' is not in the file the drawing was read from; R12 cannot take new blocks"};
    }
    dxfWriteBlocks(m_db, blocks, m_out);
    for (const OdDbObjectId& id : blocks)
      if (id != m_db->getModelSpaceId() && id != m_db->getPaperSpaceId())
        m_newEntities.erase(static_cast<OdDbStub*>(id));
    m_newBlocks.clear();
  }

  void flushSection()
  {
    if (m_section == "TABLES")
    {
      // Tables the source lacks, whole.
      for (const OdDbObjectId& tableId : m_newTables)
      {
        if (!writesObjects() && tableId == m_db->getBlockTableId())
          continue;
        OdDbObjectPtr pTable = tableId.safeOpenObject();
        m_out.object(pTable.get());
        flushRecords(tableId);
        m_out.tag(0, "ENDTAB");
      }
      m_newTables.clear();
    }
    else if (m_section == "BLOCKS")
      flushNewBlocks();
    else if (m_section == "ENTITIES")
    {
      flushBlock(m_db->getModelSpaceId());
      flushBlock(m_db->getPaperSpaceId());
    }
    else if (m_section == "OBJECTS" && writesObjects())
      writeObjects(m_newObjects);
  }

  // Sections before rank that the source lacks and the database has something for.
  void writeMissingSections(int rank)
  {
    if (!writesObjects())
      return;
    for (int i = 0; i < rank; ++i)
    {
      if (m_seen[i])
        continue;
      m_seen[i] = true;
      const std::string_view name = kSectionOrder[i];
      if (name == "CLASSES")
        continue;
      if (name == "HEADER" || (name == "TABLES" && (!m_newTables.empty() || !m_newRecords.empty())) ||
          (name == "OBJECTS" && !m_newObjects.empty()) ||
          (name == "BLOCKS" && (!m_newEntities.empty() || !m_newBlocks.empty())) ||
          (name == "ENTITIES" && (m_newEntities.count(static_cast<OdDbStub*>(m_db->getModelSpaceId())) ||
                                  m_newEntities.count(static_cast<OdDbStub*>(m_db->getPaperSpaceId())))))
      {
        dxfWriteSection(m_db, name, m_out);
        forgetWritten(name);
      }
    }
  }

  // A section written whole holds the new objects it covers.
  void forgetWritten(std::string_view name)
  {
    if (name == "TABLES")
    {
      m_newTables.clear();
      m_newRecords.clear();
    }
    else if (name == "BLOCKS")
    {
      const OdDbObjectId spaces[] = {m_db->getModelSpaceId(), m_db->getPaperSpaceId()};
      std::unordered_map<OdDbStub*, std::vector<OdDbObjectId>> kept;
      for (const OdDbObjectId& id : spaces)
      {
        auto it = m_newEntities.find(static_cast<OdDbStub*>(id));
        if (it != m_newEntities.end())
          kept.emplace(it->first, std::move(it->second));
      }
      m_newEntities = std::move(kept);
      m_newBlocks.clear();
    }
    else if (name == "ENTITIES")
    {
      m_newEntities.erase(static_cast<OdDbStub*>(m_db->getModelSpaceId()));
      m_newEntities.erase(static_cast<OdDbStub*>(m_db->getPaperSpaceId()));
    }
    else if (name == "OBJECTS")
      m_newObjects.clear();
  }

  OdDbDatabase* m_db;
  const KyDxfSource& m_source;
  DxfOutput& m_out;
  const bool m_checkUntracked;
  DxfTokenizer m_tokens;
  const bool m_lazyNumbers;
  // The tags of the group being patched, read again with their numbers.
  std::vector<DxfTag> m_numbered;
  DxfTextDecoder m_decoder;
  const bool m_versionChanged;
  // Texts change encoding between the versions before R2007 and those from it on.
  const bool m_reencode;
  // Unchanged objects may go out as their text without their tags being read.
  const bool m_copyUnchanged;
  // The object of the next group, compared before its tags were read, and whether it is unchanged.
  const KyDxfSource::Object* m_comparedNext = nullptr;
  bool m_unchangedNext = false;
  std::unordered_set<OdDbStub*> m_mapped;
  std::unordered_map<OdDbStub*, std::uint64_t> m_ambient;
  // Block records new to the drawing, and the blocks whose BLOCK the source has.
  std::vector<OdDbObjectId> m_newBlocks;
  std::unordered_set<OdDbStub*> m_blocksSeen;
  std::size_t m_next = 0;
  std::string m_section;
  OdDbObjectId m_table;
  OdDbObjectId m_block;
  // A heavy polyline whose vertices are held until its SEQEND (it gained some).
  struct HeldVertex
  {
    Group group;
    const KyDxfSource::Object* mapped;
  };
  OdDbObjectId m_resequenced;
  std::vector<HeldVertex> m_heldVertices;
  bool m_seen[6] = {false, false, false, false, false, false};
  bool m_sawEof = false;

  std::vector<OdDbObjectId> m_newTables;
  std::unordered_map<OdDbStub*, std::vector<OdDbObjectId>> m_newRecords;
  std::unordered_map<OdDbStub*, std::vector<OdDbObjectId>> m_newEntities;
  std::vector<OdDbObjectId> m_newObjects;
};
} // namespace

namespace
{
// A changed object may hold data that files keep under this system's own application; a file
// that did not register it gets the registration, as a record of the drawing (written as the
// table's new record). Returns the new record, or null when none was needed.
OdDbObjectId registerOwnApplication(OdDbDatabase* db, const KyDxfSource& source, bool checkUntracked)
{
  OdDbSymbolTablePtr pApps = db->getRegAppTableId().safeOpenObject();
  if (pApps->has(dxfOwnApplication()))
    return OdDbObjectId();
  bool needed = false;
  auto look = [&needed](const OdDbObjectId& id) {
    OdDbObjectPtr pObj = id.openObject();
    needed = needed || (!pObj.isNull() && dxfHasOwnApplicationData(pObj.get()));
  };
  if (source.changes && !source.changes->everything() && !checkUntracked)
  {
    for (const OdDbStub* stub : source.changes->touched())
      if (!needed)
        look(OdDbObjectId(const_cast<OdDbStub*>(stub)));
  }
  else
  {
    OdDbSymbolTablePtr pStyles = db->getDimStyleTableId().safeOpenObject();
    for (OdDbSymbolTableIteratorPtr it = pStyles->newIterator(); !it->done() && !needed; it->step())
      look(it->getRecordId());
    OdDbSymbolTablePtr pBlocks = db->getBlockTableId().safeOpenObject();
    for (OdDbSymbolTableIteratorPtr it = pBlocks->newIterator(); !it->done() && !needed; it->step())
    {
      OdDbBlockTableRecordPtr pBlock = OdDbBlockTableRecord::cast(it->getRecord());
      if (!pBlock.isNull())
        for (OdDbObjectIteratorPtr e = pBlock->newIterator(); !e->done() && !needed; e->step())
          look(e->objectId());
    }
  }
  if (!needed)
    return OdDbObjectId();
  pApps->upgradeOpen();
  OdDbRegAppTableRecordPtr pApp = OdDbRegAppTableRecord::createObject();
  pApp->setName(dxfOwnApplication());
  return pApps->add(pApp);
}
} // namespace

void dxfWriteFromSource(OdDbDatabase* db, const KyDxfSource& source, DxfOutput& out, bool checkUntracked)
{
  const OdDbObjectId registered = registerOwnApplication(db, source, checkUntracked);
  try
  {
    SourceWriter(db, source, out, checkUntracked).run();
  }
  catch (...)
  {
    // A write that fails leaves the drawing as it was: the registration goes with it.
    if (!registered.isNull())
    {
      OdDbObjectPtr pApp = registered.openObject(OdDb::kForWrite);
      if (!pApp.isNull())
        pApp->erase();
    }
    throw;
  }
}
} // namespace kydxf
