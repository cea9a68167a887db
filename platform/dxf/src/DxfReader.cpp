// DxfReader core: the section loop, object tags, handles, record look-ups, extended data and the
// work deferred to the end of the file.
#include "DxfReader.h"
#include "DxfWriter.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>

#include "DbBlockTableRecord.h"
#include "DbDimension.h"
#include "DbLayerTableRecord.h"
#include "DbLinetypeTableRecord.h"
#include "DbRegAppTableRecord.h"
#include "DbTextStyleTableRecord.h"
#include "KyUtils.h"
#include "OdError.h"

namespace kydxf
{
namespace
{

std::string describe(const DxfTag& tag)
{
  std::string s = "group code " + std::to_string(tag.code);
  if (tag.code == 0)
    s = "'" + std::string(tag.text.substr(0, 40)) + "'";
  return s;
}
} // namespace

DxfReader::DxfReader(const char* data, std::size_t size, OdDbDatabase* db, KyDxfReader::Report& report,
                     bool strict)
  : m_tokens(data, size), m_db(db), m_report(report), m_strict(strict)
{
  // Everything the new database holds may be taken over by the file's own records.
  const OdDbObjectId defaults[] = {
    db->getBlockTableId(),       db->getLayerTableId(),        db->getTextStyleTableId(),
    db->getLinetypeTableId(),    db->getViewTableId(),         db->getUCSTableId(),
    db->getViewportTableId(),    db->getRegAppTableId(),       db->getDimStyleTableId(),
    db->getNamedObjectsDictionaryId(), db->getModelSpaceId(),  db->getPaperSpaceId(),
    db->getLayerZeroId(),        db->getLinetypeByLayerId(),   db->getLinetypeByBlockId(),
    db->getLinetypeContinuousId(), db->getTextStyleStandardId(), db->getDimStyleStandardId(),
    db->activeViewportId()};
  for (const OdDbObjectId& id : defaults)
    markMovable(id, true);
  // Everything below the seed may be in use; what a new database holds besides (its annotation
  // scales ...) moves out of the way of the file's handles too, or is taken over by the file.
  m_highWater = db->handseed().value();
  for (std::uint64_t h = 1; h < m_highWater; ++h)
  {
    const OdDbObjectId id = db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(h)));
    if (!id.isNull() && !m_movable.count(static_cast<OdDbStub*>(id)))
      markMovable(id, true);
  }
  m_report.version = QStringLiteral("AC1009");
  m_report.codepage = QStringLiteral("ANSI_1252");
  m_tokens.allowDroppedValues(!strict);
  m_tokens.noteRepairedValues(true);
}

// ---- tags ----------------------------------------------------------------------------------------

void DxfReader::fail(int line, const std::string& message) const
{
  throw DxfError{line, message};
}

void DxfReader::repair(int line, const std::string& problem, const std::string& action) const
{
  if (m_strict)
    fail(line, problem);
  ++m_report.repairCount;
  if (m_source)
    m_source->repairLines.push_back(line);
  if (m_report.repairs.size() < KyDxfReader::Report::kMaxRepairsKept)
    m_report.repairs.push_back({line, QString::fromStdString(problem), QString::fromStdString(action)});
}

void DxfReader::endOfData(const std::string& where, const std::string& dropped) const
{
  const std::string problem = "the file ends inside " + where + " (truncated file?)";
  if (!m_entitiesReached)
    fail(m_tokens.lastLine(), problem);
  repair(m_tokens.lastLine(), problem,
         dropped.empty() ? "read the file up to its end" : "read the file up to its end; " + dropped);
  throw DxfEnd();
}

bool DxfReader::nextTag(DxfTag& tag)
{
  // Comments may stand anywhere and carry nothing.
  while (m_tokens.next(tag))
  {
    // The usual tag costs one comparison; comments (999) and dropped values are the rest.
    if (static_cast<unsigned>(tag.code) < 999u)
      return true;
    if (tag.code == DxfTokenizer::kDroppedTag || tag.code == DxfTokenizer::kRepairedValueTag)
    {
      if (tag.code == DxfTokenizer::kRepairedValueTag && m_source)
        m_source->decimalCommas = true;
      const DxfError& e = m_tokens.problem();
      repair(e.line, e.message, m_tokens.problemAction());
      continue;
    }
    if (tag.code != 999)
      return true;
  }
  return false;
}

DxfTag DxfReader::requireTag(const char* where)
{
  DxfTag tag;
  if (!nextTag(tag))
    endOfData(where);
  return tag;
}

void DxfReader::readObject(const DxfTag& start, DxfObject& object)
{
  object.kind = start.text;
  object.line = start.line;
  object.tags.clear();
  DxfTag tag;
  for (;;)
  {
    if (!nextTag(tag))
    {
      std::string dropped = "dropped the " + std::string(start.text.substr(0, 40)) + " at line " +
                            std::to_string(start.line);
      for (const DxfTag& t : object.tags)
        if (t.code == 5)
        {
          dropped += " (handle " + std::string(dxfTrim(t.text).substr(0, 16)) + ")";
          break;
        }
      noteDropped(start.line);
      endOfData(std::string(start.text.substr(0, 40)), dropped + ", which it cuts short");
    }
    if (tag.code == 0)
    {
      m_tokens.pushBack();
      return;
    }
    object.tags.push_back(tag);
  }
}

void DxfReader::splitParts(const DxfObject& object, DxfParts& parts) const
{
  parts.body.clear();
  parts.xdictionary = 0;
  parts.xdictionaryLine = 0;
  const std::vector<DxfTag>& tags = object.tags;
  parts.xdataBegin = tags.size();
  for (std::size_t i = 0; i < tags.size(); ++i)
  {
    const DxfTag& t = tags[i];
    if (t.code == 1001)
    {
      parts.xdataBegin = i;
      return;
    }
    if (t.code == 102 && !t.text.empty() && t.text[0] == '{')
    {
      // An application group: reactors, the extension dictionary and the like.
      const bool xdict = t.text == "{ACAD_XDICTIONARY";
      std::size_t j = i + 1;
      for (; j < tags.size() && tags[j].code != 102; ++j)
        if (xdict && tags[j].code == 360)
        {
          parts.xdictionary = parseHandle(tags[j]);
          parts.xdictionaryLine = tags[j].line + 1;
        }
      if (j == tags.size() || tags[j].text != "}")
      {
        // The group ends, at the latest, where the object's subclass data or extended data begins.
        std::size_t end = i + 1;
        while (end < tags.size() && tags[end].code != 100 && tags[end].code != 1001 && tags[end].code != 102)
          ++end;
        repair(t.line + 1, "application group " + std::string(t.text.substr(0, 40)) + " is not closed",
               end < tags.size() ? "closed it before line " + std::to_string(tags[end].line)
                                 : std::string("closed it at the end of the object"));
        i = end - 1;
        continue;
      }
      i = j;
      continue;
    }
    parts.body.push_back(&t);
  }
}

void DxfReader::skipSection(std::string_view name)
{
  const std::string where = "the " + std::string(name) + " section";
  for (;;)
  {
    const DxfTag tag = requireTag(where.c_str());
    if (tag.is(0, "ENDSEC"))
      return;
    if (tag.is(0, "SECTION") || tag.is(0, "EOF"))
    {
      repair(tag.line, where + " has no ENDSEC", "ended it before line " + std::to_string(tag.line));
      m_tokens.pushBack();
      return;
    }
  }
}

bool DxfReader::sectionEnds(const DxfTag& tag, const char* section)
{
  if (tag.is(0, "ENDSEC"))
    return true;
  if (!tag.is(0, "SECTION") && !tag.is(0, "EOF"))
    return false;
  repair(tag.line, std::string("the ") + section + " section has no ENDSEC",
         "ended it before line " + std::to_string(tag.line));
  m_tokens.pushBack();
  return true;
}

// ---- the file ------------------------------------------------------------------------------------

void DxfReader::read()
{
  try
  {
    readSections();
  }
  catch (const DxfEnd&)
  {
  }
  finish();
  finishSource();
}

void DxfReader::finishSource()
{
  if (!m_source)
    return;
  m_source->database = m_db;
  m_source->version = m_version;
  m_source->codePage = m_db->getDWGCODEPAGE().toUtf8();
  std::stable_sort(m_source->objects.begin(), m_source->objects.end(),
                   [](const KyDxfSource::Object& a, const KyDxfSource::Object& b) { return a.line < b.line; });
  for (KyDxfSource::Object& o : m_source->objects)
  {
    OdDbObjectPtr pObj = o.id.openObject();
    if (!pObj.isNull())
      o.digest = dxfStateDigest(pObj.get());
    // Objects the file gave no handle stay movable: nothing of the file claims their handles.
    o.handleFromFile = !m_movable.count(static_cast<OdDbStub*>(o.id));
  }
  std::vector<std::uint64_t> mapped;
  mapped.reserve(m_source->objects.size());
  for (const KyDxfSource::Object& o : m_source->objects)
    mapped.push_back(o.id.getHandle().value());
  std::sort(mapped.begin(), mapped.end());
  // Objects the file does not have take handles in the order the read needs them. Once some of
  // the file's own objects took new handles, the output pins those and a second read would hand
  // out others: the output then holds every object, with its handle.
  // The database hands out handles in order from its seed, which the reader moves to each file
  // handle it places: the objects it made lie in runs after the database's first handles and
  // after the file's handles. Walking those runs (over a few gaps left by erased objects) finds
  // them without visiting every handle below the seed, which a file may put near 2^62.
  const std::uint64_t seed = m_handlesChanged ? 0 : m_db->handseed().value();
  const int kGapsWalked = 64;
  std::uint64_t walked = 0;
  auto walkRun = [&](std::uint64_t from) {
    int gap = 0;
    std::uint64_t h = std::max(from, walked) + 1;
    for (; h < seed && gap < kGapsWalked; ++h)
    {
      if (std::binary_search(mapped.begin(), mapped.end(), h))
      {
        gap = 0;
        continue;
      }
      const OdDbObjectId id = m_db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(h)));
      OdDbObjectPtr pObj = id.openObject();
      if (pObj.isNull())
      {
        ++gap;
        continue;
      }
      gap = 0;
      m_source->ambient.push_back({0, id, dxfStateDigest(pObj.get())});
    }
    walked = std::max(walked, h - 1);
  };
  walkRun(0);
  for (const std::uint64_t h : mapped)
    walkRun(h);
  for (const auto& style : m_plotStyleNames)
    m_source->plotStyles.emplace(style.second.wstr(), style.first);
  std::sort(m_source->droppedLines.begin(), m_source->droppedLines.end());
  std::sort(m_source->repairLines.begin(), m_source->repairLines.end());
  m_source->changes = std::make_unique<DxfChangeTracker>(m_db);
}

void DxfReader::readSections()
{
  DxfTag tag;
  while (nextTag(tag))
  {
    if (tag.is(0, "EOF"))
      return;
    if (!tag.is(0, "SECTION"))
    {
      // Before any section nothing says this is a DXF file.
      if (!m_sectionRead)
        fail(tag.line, "expected a SECTION, found " + describe(tag));
      if (tag.code == 9)
      {
        // Header variables after the header, as some writers put them.
        m_tokens.pushBack();
        std::vector<HeaderVariable> variables;
        readHeaderVariables(variables, false);
        if (m_source)
          for (const HeaderVariable& v : variables)
          {
            m_source->headerExtras.emplace_back(9, std::string(v.name));
            for (const DxfTag& t : v.tags)
              m_source->headerExtras.emplace_back(t.code, std::string(t.text));
          }
        std::string names;
        for (const HeaderVariable& v : variables)
          names += (names.empty() ? "" : ", ") + std::string(v.name.substr(0, 40));
        repair(tag.line, "expected a SECTION, found " + describe(tag) + " (header variables " + names +
                           " outside the HEADER section)",
               "read them as header variables");
        applyHeaderVariables(variables);
        continue;
      }
      // Anything else up to the next section is passed over.
      int skipped = 1;
      const int line = tag.line;
      const std::string found = describe(tag);
      bool more = false;
      while ((more = nextTag(tag)) && !tag.is(0, "SECTION") && !tag.is(0, "EOF"))
        ++skipped;
      repair(line, "expected a SECTION, found " + found,
             "passed over " + std::to_string(skipped) + " tags up to the next section");
      if (more)
        m_tokens.pushBack();
      continue;
    }
    const DxfTag name = requireTag("a SECTION");
    if (name.code != 2)
      fail(name.line, "a SECTION must start with its name (group code 2), found " + describe(name));
    m_section = name.text;
    m_sectionRead = true;
    if (name.text == "HEADER")
      readHeader();
    else if (name.text == "TABLES")
      readTables();
    else if (name.text == "BLOCKS")
      readBlocks();
    else if (name.text == "ENTITIES")
    {
      m_entitiesReached = true;
      readEntities();
    }
    else if (name.text == "OBJECTS")
      readObjects();
    else if (name.text == "CLASSES" || name.text == "THUMBNAILIMAGE" || name.text == "ACDSDATA")
      skipSection(name.text);
    else
    {
      repair(name.line + 1, "unknown section '" + std::string(name.text.substr(0, 40)) + "'", "passed over it");
      skipSection(name.text);
    }
  }
  if (!m_entitiesReached)
    fail(m_tokens.lastLine(), "the file ends without EOF (truncated file?)");
  repair(m_tokens.lastLine(), "the file ends without EOF (truncated file?)", "read the file up to its end");
}

void DxfReader::finish()
{
  m_appendBlock.release();
  m_appendBlockId = OdDbObjectId();
  linkObjects();
  for (const Fixup& fixup : m_fixups)
  {
    try
    {
      fixup.run();
    }
    catch (const OdError& e)
    {
      repair(fixup.line, "value refused (" + e.description().toUtf8() + ")", "the drawing keeps its default");
    }
    catch (const Refusal&)
    {
    }
  }
  m_fixups.clear();
  // Objects moved off the file's handles and not taken over by the file get handles past the
  // file's own.
  m_db->setHandseed(OdDbHandle(static_cast<OdUInt64>(m_maxHandle + 1)));
  for (const OdDbObjectId& id : m_parked)
    if (id.getHandle().value() >= kParkingHandles)
      m_db->setObjectHandle(id, m_db->handseed());
  m_parked.clear();
}

// ---- handles -------------------------------------------------------------------------------------

void DxfReader::markMovable(const OdDbObjectId& id, bool claimable)
{
  m_movable.insert(static_cast<OdDbStub*>(id));
  if (claimable)
    m_claimable.insert(static_cast<OdDbStub*>(id));
}

bool DxfReader::isClaimable(const OdDbObjectId& id) const
{
  return m_claimable.count(static_cast<OdDbStub*>(id)) != 0;
}

std::uint64_t DxfReader::parseHandle(const DxfTag& tag) const
{
  std::uint64_t value = 0;
  if (!dxfParseHandle(tag.text, value))
  {
    // An object whose own handle does not read takes a new one, like a handle given twice.
    const bool own = tag.code == 5 || tag.code == 105;
    if (own)
      m_handlesChanged = true;
    repair(tag.line + 1, "group code " + std::to_string(tag.code) + ": '" + std::string(tag.text.substr(0, 40)) +
                           "' is not a handle",
           own ? "gave the object a new handle" : "read it as naming nothing");
    return 0;
  }
  return value;
}

OdDbObjectId DxfReader::handleOrName(const DxfTag& tag, const OdDbObjectId& tableId, const char* what)
{
  std::uint64_t value = 0;
  if (dxfParseHandle(tag.text, value))
    return idOfHandle(value);
  // Some writers put the record's name where its handle belongs.
  const int line = tag.line + 1;
  const std::string problem = "group code " + std::to_string(tag.code) + ": '" +
                              std::string(tag.text.substr(0, 40)) + "' is not a handle";
  OdString name;
  if (m_text.decode(tag.text, name) && !name.isEmpty())
  {
    OdDbSymbolTablePtr pTable = tableId.safeOpenObject();
    const OdDbObjectId id = pTable->getAt(name);
    if (!id.isNull())
    {
      repair(line, problem, std::string("read it as the name of the ") + what);
      return id;
    }
  }
  repair(line, problem, std::string("no ") + what + " has that name: read it as naming nothing");
  return OdDbObjectId();
}

bool DxfReader::handleTaken(std::uint64_t handle) const
{
  if (handle >= kParkingHandles)
    return true;
  if (handle > m_highWater)
    return false;
  const OdDbObjectId holder = idOfHandle(handle);
  return !holder.isNull() && !m_movable.count(static_cast<OdDbStub*>(holder));
}

std::uint64_t DxfReader::ownHandle(std::uint64_t handle, int line, const std::string& kind)
{
  if (handle == 0 || !handleTaken(handle))
    return handle;
  m_handlesChanged = true;
  if (handle >= kParkingHandles)
    repair(line, "handle " + dxfHex(handle) + " of the " + kind + " is beyond the handles a drawing uses",
           "gave the " + kind + " a new handle");
  else
    repair(line, "handle " + dxfHex(handle) + " is given to two objects",
           "gave the later " + kind + " a new handle; references to " + dxfHex(handle) + " keep the first");
  return 0;
}

OdDbObjectId DxfReader::idOfHandle(std::uint64_t handle) const
{
  if (handle == 0)
    return OdDbObjectId();
  return m_db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(handle)));
}

void DxfReader::noteHandle(const OdDbObjectId& id)
{
  const std::uint64_t handle = id.getHandle().value();
  if (handle < kParkingHandles && handle > m_highWater)
    m_highWater = handle;
}

void DxfReader::freeHandle(std::uint64_t handle, int line)
{
  if (handle > m_highWater && handle < kParkingHandles)
    return;
  const OdDbObjectId holder = idOfHandle(handle);
  if (holder.isNull())
    return;
  if (!m_movable.count(static_cast<OdDbStub*>(holder)))
    fail(line, "handle " + dxfHex(handle) + " is given to two objects");
  // Far above any handle a file uses; finish() brings such objects back down.
  while (!idOfHandle(m_nextParking).isNull())
    ++m_nextParking;
  const OdDbHandle parking(m_nextParking++);
  // The database's seed passes any handle given; objects made next take their handles below
  // the parking ones, as if none were parked.
  const OdDbHandle seed = m_db->handseed();
  apply(line, "moving an object off the file's handle", [&] { m_db->setObjectHandle(holder, parking); });
  m_db->setHandseed(seed);
  m_parked.push_back(holder);
}

void DxfReader::placeAtHandle(const OdDbObjectId& id, std::uint64_t handle, int line)
{
  if (handle == 0)
    return;
  m_maxHandle = std::max(m_maxHandle, handle);
  if (id.getHandle().value() == handle)
    return;
  freeHandle(handle, line);
  apply(line, "handle", [&] { m_db->setObjectHandle(id, OdDbHandle(static_cast<OdUInt64>(handle))); });
  noteHandle(id);
}

void DxfReader::prepareHandle(std::uint64_t handle, int line)
{
  if (handle == 0)
    return;
  freeHandle(handle, line);
  m_db->setHandseed(OdDbHandle(static_cast<OdUInt64>(handle)));
  m_maxHandle = std::max(m_maxHandle, handle);
}

// ---- values --------------------------------------------------------------------------------------

OdString DxfReader::text(std::string_view bytes, int line) const
{
  OdString s;
  if (!m_text.decode(bytes, s))
    repair(line, "text is not valid in the drawing's encoding (" +
                   (m_version >= 1021 ? std::string("UTF-8") : m_report.codepage.toStdString()) + ")",
           m_text.decodeLossy(bytes, s));
  return s;
}

void DxfReader::nameColor(OdCmColor& color, std::string_view name, int line) const
{
  const OdString full = text(name, line);
  const int dollar = full.find(L'$');
  if (dollar >= 0)
    color.setNames(full.mid(dollar + 1), full.left(dollar));
  else
    color.setNames(full);
}

OdString DxfReader::text(const DxfTag& tag) const
{
  return text(tag.text, tag.line + 1);
}

void DxfReader::refused(int line, const char* kind, const char* what, OdResult result) const
{
  std::string message = kind;
  if (what)
    message += what;
  repair(line, message + " refused (" + OdError::codeText(result).toUtf8() + ")", "dropped the value");
}

OdDb::LineWeight DxfReader::lineWeightValue(std::int64_t value, int line, const char* kind, const char* what) const
{
  if (value >= INT32_MIN && value <= INT32_MAX && odIsValidLineWeight(static_cast<int>(value)))
    return static_cast<OdDb::LineWeight>(value);
  const std::string problem = std::string(kind) + (what ? what : "") + " refused (" +
                              OdError::codeText(eInvalidInput).toUtf8() + ")";
  // A weight between the standard ones is read as the nearest of them.
  static const int kWeights[] = {0, 5, 9, 13, 15, 18, 20, 25, 30, 35, 40, 50, 53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};
  if (value > 0 && value <= 211)
  {
    int nearest = 0;
    for (int w : kWeights)
      if (std::llabs(w - value) < std::llabs(nearest - value))
        nearest = w;
    repair(line, problem, "read it as the nearest lineweight, " + std::to_string(nearest));
    return static_cast<OdDb::LineWeight>(nearest);
  }
  repair(line, problem, "dropped the value");
  throw Refusal();
}

// ---- records -------------------------------------------------------------------------------------

OdString DxfReader::usableName(const OdDbObjectId& tableId, const OdString& name, int line)
{
  if (name.isEmpty() || OdDbSymbolTableRecord::validateName(name) == eOk)
    return name;
  const std::string key = dxfHex(tableId.getHandle().value()) + " " + name.toUtf8();
  const auto known = m_renamedRecords.find(key);
  if (known != m_renamedRecords.end())
  {
    // Repaired once in the report; every object using the name is written under the new one.
    if (m_source)
      m_source->repairLines.push_back(line);
    return known->second;
  }
  static const OdChar kRefused[] = L"<>/\\\":;?,=`";
  OdString usable = name.left(255);
  for (int i = 0; i < usable.getLength(); ++i)
  {
    const OdChar c = usable[i];
    if ((c >= 0 && c < 0x20) || std::wcschr(kRefused, c) || (c == L'*' && i > 0))
      usable.setAt(i, L'_');
  }
  // A bar is kept only between two parts ("xref|name").
  if (OdDbSymbolTableRecord::validateName(usable) != eOk)
    usable.replace(L'|', L'_');
  OdDbSymbolTablePtr pTable = tableId.safeOpenObject();
  const OdString base = usable;
  for (int n = 2; pTable->has(usable); ++n)
    usable = base + OdString(L"_") + OdString(std::to_wstring(n));
  repair(line,
         "the name '" + name.toUtf8() + "' is refused (" + OdError::codeText(eInvalidSymbolTableName).toUtf8() + ")",
         "named the record '" + usable.toUtf8() + "'");
  m_renamedRecords.emplace(key, usable);
  return usable;
}

OdDbObjectId DxfReader::claimRecord(const OdDbObjectId& tableId, const OdString& fileName, OdRxClass* recordClass,
                                    std::uint64_t handle, int line, const char* kind)
{
  const OdString name = usableName(tableId, fileName, line);
  OdDbSymbolTablePtr pTable = tableId.safeOpenObject(OdDb::kForWrite);
  OdDbObjectId id = pTable->getAt(name);
  if (!id.isNull())
  {
    if (!isClaimable(id))
    {
      repair(line, std::string(kind) + " '" + name.toUtf8() + "' is defined twice",
             "kept the first definition, passed over this one");
      noteDropped(m_object.line);
      return OdDbObjectId();
    }
    handle = ownHandle(handle, line, kind);
    m_claimable.erase(static_cast<OdDbStub*>(id));
    if (handle != 0)
      m_movable.erase(static_cast<OdDbStub*>(id));
    placeAtHandle(id, handle, line);
    // The layout blocks and the ByLayer / ByBlock linetypes keep the names the database knows
    // them by; other records take the file's spelling.
    const bool fixedName = id == m_db->getModelSpaceId() || id == m_db->getPaperSpaceId() ||
                           id == m_db->getLinetypeByLayerId() || id == m_db->getLinetypeByBlockId();
    if (!fixedName)
    {
      OdDbSymbolTableRecordPtr pRecord = id.safeOpenObject(OdDb::kForWrite);
      apply(line, "record name", [&] { pRecord->setName(name); });
    }
    return id;
  }
  OdDbSymbolTableRecordPtr pRecord = recordClass->create();
  if (!apply(line, "record name", [&] { pRecord->setName(name); }))
    return OdDbObjectId();
  return addRecord(pTable.get(), pRecord.get(), handle, line, kind);
}

OdDbObjectId DxfReader::addRecord(OdDbSymbolTable* pTable, OdDbSymbolTableRecord* pRecord, std::uint64_t handle,
                                  int line, const char* kind)
{
  OdDbObjectId id;
  handle = ownHandle(handle, line, kind);
  prepareHandle(handle, line);
  if (!apply(line, kind, [&] { id = pTable->add(pRecord); }))
    return OdDbObjectId();
  placeAtHandle(id, handle, line);
  noteHandle(id);
  if (handle == 0)
    markMovable(id, false);
  return id;
}

OdDbObjectId DxfReader::recordByName(const OdDbObjectId& tableId, OdRxClass* recordClass, std::string_view rawName,
                                     int line, std::unordered_map<std::string_view, OdDbObjectId>& cache)
{
  auto it = cache.find(rawName);
  if (it != cache.end())
  {
    if (m_source && !m_renamedUses.empty() && m_renamedUses.count(rawName))
      m_source->repairLines.push_back(line);
    return it->second;
  }
  const OdString fileName = text(rawName, line);
  const OdString name = usableName(tableId, fileName, line);
  if (name != fileName)
    m_renamedUses.insert(rawName);
  OdDbSymbolTablePtr pTable = tableId.safeOpenObject(OdDb::kForRead);
  OdDbObjectId id = pTable->getAt(name);
  if (id.isNull())
  {
    // A name the file uses without defining it: the record is made with default properties,
    // and a later definition in the file takes it over.
    OdDbSymbolTableRecordPtr pRecord = recordClass->create();
    try
    {
      pRecord->setName(name);
      pTable->upgradeOpen();
      id = pTable->add(pRecord);
      noteHandle(id);
      markMovable(id, true);
    }
    catch (const OdError& e)
    {
      // A name no record can have: the table's default stands in for it.
      id = fallbackRecord(tableId);
      OdString fallback;
      OdDbSymbolTableRecordPtr pFallback = id.safeOpenObject();
      fallback = pFallback->getName();
      repair(line, "the name '" + name.toUtf8() + "' is refused (" + e.description().toUtf8() + ")",
             "used '" + fallback.toUtf8() + "' instead");
    }
  }
  cache.emplace(rawName, id);
  return id;
}

OdDbObjectId DxfReader::fallbackRecord(const OdDbObjectId& tableId) const
{
  if (tableId == m_db->getLayerTableId())
    return m_db->getLayerZeroId();
  if (tableId == m_db->getLinetypeTableId())
    return m_db->getLinetypeContinuousId();
  if (tableId == m_db->getTextStyleTableId())
    return m_db->getTextStyleStandardId();
  return m_db->getDimStyleStandardId();
}

OdDbObjectId DxfReader::layerByName(std::string_view rawName, int line)
{
  if (rawName.empty())
    return m_db->getLayerZeroId();
  return recordByName(m_db->getLayerTableId(), OdDbLayerTableRecord::desc(), rawName, line, m_layers);
}

OdDbObjectId DxfReader::linetypeByName(std::string_view rawName, int line)
{
  if (rawName.empty())
    return m_db->getLinetypeByLayerId();
  return recordByName(m_db->getLinetypeTableId(), OdDbLinetypeTableRecord::desc(), rawName, line, m_linetypes);
}

OdDbObjectId DxfReader::textStyleByName(std::string_view rawName, int line)
{
  if (rawName.empty())
    return m_db->getTextStyleStandardId();
  return recordByName(m_db->getTextStyleTableId(), OdDbTextStyleTableRecord::desc(), rawName, line, m_textStyles);
}

OdDbObjectId DxfReader::blockByName(const OdString& name, int line)
{
  // R12 files name the layout blocks "$MODEL_SPACE" and "$PAPER_SPACE".
  if (name.iCompare(L"$MODEL_SPACE") == 0)
    return m_db->getModelSpaceId();
  if (name.iCompare(L"$PAPER_SPACE") == 0)
    return m_db->getPaperSpaceId();
  OdDbSymbolTablePtr pTable = m_db->getBlockTableId().safeOpenObject(OdDb::kForRead);
  OdDbObjectId id = pTable->getAt(name);
  if (!id.isNull())
    return id;
  OdDbBlockTableRecordPtr pBlock = OdDbBlockTableRecord::createObject();
  if (!apply(line, "block name", [&] { pBlock->setName(name); }))
  {
    // The block's entities are kept in a block of a name the database takes.
    const OdString stand = OdString(L"BLOCK_L") + OdString(std::to_wstring(line));
    repair(line, "the block name '" + name.toUtf8() + "' cannot be used", "named the block '" + stand.toUtf8() + "'");
    return blockByName(stand, line);
  }
  pTable->upgradeOpen();
  if (!apply(line, "block", [&] { id = pTable->add(pBlock); }))
    return m_db->getModelSpaceId();
  noteHandle(id);
  markMovable(id, false);
  return id;
}

// ---- extended data -------------------------------------------------------------------------------

OdResBufPtr DxfReader::buildXData(const std::vector<DxfTag>& tags, std::size_t begin) const
{
  OdResBufPtr head, tail;
  for (std::size_t i = begin; i < tags.size(); ++i)
  {
    const DxfTag& t = tags[i];
    const int line = t.line + 1;
    OdResBufPtr rb;
    try
    {
      switch (t.code)
      {
      case 1000: case 1001: case 1002: case 1003:
        rb = OdResBuf::newRb(t.code, text(t));
        break;
      case 1004:
      {
        const std::string_view hexText = dxfTrim(t.text);
        if (hexText.size() % 2 != 0)
        {
          repair(line, "binary extended data has an odd number of hex digits", "dropped the value");
          continue;
        }
        OdBinaryData data;
        bool hex = true;
        for (std::size_t k = 0; k < hexText.size() && hex; k += 2)
        {
          std::uint64_t byte = 0;
          hex = dxfParseHandle(hexText.substr(k, 2), byte);
          data.append(static_cast<OdUInt8>(byte));
        }
        if (!hex)
        {
          repair(line, "binary extended data is not hexadecimal", "dropped the value");
          continue;
        }
        rb = OdResBuf::newRb(1004);
        rb->setBinaryChunk(data);
        break;
      }
      case 1005:
        rb = OdResBuf::newRb(1005, OdDbHandle(static_cast<OdUInt64>(parseHandle(t))));
        break;
      case 1010: case 1011: case 1012: case 1013:
      {
        OdGePoint3d p(t.real, 0.0, 0.0);
        if (i + 1 < tags.size() && tags[i + 1].code == t.code + 10)
          p.y = tags[++i].real;
        if (i + 1 < tags.size() && tags[i + 1].code == t.code + 20)
          p.z = tags[++i].real;
        rb = OdResBuf::newRb(t.code, p);
        break;
      }
      case 1040: case 1041: case 1042:
        rb = OdResBuf::newRb(t.code, t.real);
        break;
      case 1070:
        rb = OdResBuf::newRb(1070, static_cast<OdInt16>(t.integer));
        break;
      case 1071:
        rb = OdResBuf::newRb(1071, static_cast<OdInt32>(t.integer));
        break;
      default:
        repair(t.line, "group code " + std::to_string(t.code) + " cannot stand in extended data", "dropped the value");
        continue;
      }
    }
    catch (const OdError& e)
    {
      repair(line, "extended data refused (" + e.description().toUtf8() + ")", "dropped the value");
      continue;
    }
    if (head.isNull())
      head = tail = rb;
    else
      tail = tail->setNext(rb);
  }
  return head;
}

OdResBufPtr DxfReader::takeApp(OdResBufPtr& chain, const wchar_t* appName)
{
  OdResBufPtr prevEnd;
  for (OdResBufPtr rb = chain; !rb.isNull();)
  {
    // rb starts an application's chain; find where it ends.
    OdResBufPtr last = rb;
    while (!last->next().isNull() && last->next()->restype() != 1001)
      last = last->next();
    OdResBufPtr following = last->next();
    if (rb->restype() == 1001 && rb->getString().iCompare(appName) == 0)
    {
      if (prevEnd.isNull())
        chain = following;
      else
        prevEnd->setNext(following);
      last->setNext(0);
      return rb;
    }
    prevEnd = last;
    rb = following;
  }
  return OdResBufPtr();
}

void DxfReader::applyXData(OdDbObject* pObj, OdResBufPtr chain, int line)
{
  if (chain.isNull())
    return;
  if (chain->restype() != 1001)
  {
    repair(line, "extended data must start with an application name (group code 1001)",
           "dropped the values before the first application name");
    while (!chain.isNull() && chain->restype() != 1001)
      chain = chain->next();
    if (chain.isNull())
      return;
  }

  if (OdDbDimension* pDim = OdDbDimension::cast(pObj).get())
  {
    chain = takeDimensionOverrides(pDim, chain, line);
    chain = takeDimensionInspection(pDim, chain, line);
  }
  chain = takeUncodedDimVars(pObj, chain, line);
  if (chain.isNull())
    return;

  // The hyperlink application's data becomes the host's, in the place the file gave it.
  OdResBufPtr beforeLink, link, afterLink;
  for (OdResBufPtr rb = chain; !rb.isNull();)
  {
    OdResBufPtr last = rb;
    while (!last->next().isNull() && last->next()->restype() != 1001)
      last = last->next();
    OdResBufPtr following = last->next();
    if (rb->restype() == 1001 && rb->getString().iCompare(dxfHyperlinkApplication()) == 0)
    {
      link = rb;
      afterLink = following;
      last->setNext(0);
      break;
    }
    beforeLink = last;
    rb = following;
  }
  if (!link.isNull())
  {
    // 1000 link, then 1002 "{" 1000 description ...
    OdString url, description;
    OdResBufPtr rb = link->next();
    if (!rb.isNull() && rb->restype() == 1000)
    {
      url = rb->getString();
      for (rb = rb->next(); !rb.isNull(); rb = rb->next())
        if (rb->restype() == 1000)
        {
          description = rb->getString();
          break;
        }
    }
    OdResBufPtr replacement = afterLink;
    if (!url.isEmpty())
    {
      replacement = OdResBuf::newRb(1001, CKyUtils::kHyperlinkAppName);
      replacement->setNext(OdResBuf::newRb(1000, url))->setNext(OdResBuf::newRb(1000, description));
      replacement->last()->setNext(afterLink);
    }
    if (beforeLink.isNull())
      chain = replacement;
    else
      beforeLink->setNext(replacement);
  }
  // An application name with no values after it carries nothing (the SDK drops such a group):
  // it is not registered either, so that it takes no handle a written file could not give back.
  OdResBufPtr prev;
  for (OdResBufPtr rb = chain; !rb.isNull();)
  {
    const OdResBufPtr following = rb->next();
    if (rb->restype() == 1001 && (following.isNull() || following->restype() == 1001))
    {
      repair(line, "the extended data of the application '" + rb->getString().toUtf8().substr(0, 40) + "' is empty",
             "dropped the application's name");
      if (prev.isNull())
        chain = following;
      else
        prev->setNext(following);
    }
    else
      prev = rb;
    rb = following;
  }
  if (chain.isNull())
    return;

  // Files may carry data of applications they did not register; they are registered here.
  OdDbSymbolTablePtr pApps = m_db->getRegAppTableId().safeOpenObject(OdDb::kForRead);
  for (OdResBufPtr rb = chain; !rb.isNull(); rb = rb->next())
    if (rb->restype() == 1001 && !pApps->has(rb->getString()))
    {
      apply(line, "application name", [&] { m_db->newRegApp(rb->getString()); });
      const OdDbObjectId appId = pApps->getAt(rb->getString());
      noteHandle(appId);
      markMovable(appId, true);
    }
  try
  {
    pObj->setXData(chain);
  }
  catch (const OdError& e)
  {
    // Each application's data on its own: the ones the object refuses are dropped.
    const std::string problem = "extended data refused (" + e.description().toUtf8() + ")";
    if (m_strict)
      fail(line, problem);
    while (!chain.isNull())
    {
      const OdString app = chain->getString();
      OdResBufPtr one = takeApp(chain, app.c_str());
      if (one.isNull())
        break;
      try
      {
        pObj->setXData(one);
      }
      catch (const OdError& refusal)
      {
        repair(line, "extended data of " + app.toUtf8() + " refused (" + refusal.description().toUtf8() + ")",
               "dropped that application's data");
      }
    }
  }
}

// ---- deferred ------------------------------------------------------------------------------------

void DxfReader::deferPlotStyle(const OdDbObjectId& id, std::uint64_t placeholder, int line)
{
  defer(line, [this, id, placeholder, line] {
    auto it = m_plotStyleNames.find(placeholder);
    if (it == m_plotStyleNames.end())
    {
      repair(line, "plot style " + dxfHex(placeholder) + " is not in the drawing's plot style names",
             "the object keeps its plot style");
      return;
    }
    OdDbObjectPtr pObj = id.safeOpenObject(OdDb::kForWrite);
    if (OdDbEntity* pEnt = OdDbEntity::cast(pObj.get()).get())
      check(pEnt->setPlotStyleName(it->second), line, "plot style", nullptr);
    else if (OdDbLayerTableRecord* pLayer = OdDbLayerTableRecord::cast(pObj.get()).get())
      pLayer->setPlotStyleName(it->second);
  });
}

void DxfReader::countSkipped(std::string_view kind)
{
  const QString name = QString::fromUtf8(kind.data(), static_cast<int>(std::min<std::size_t>(kind.size(), 64)));
  ++m_report.skipped[name];
}
} // namespace kydxf
