// The OBJECTS section: dictionaries (the named-objects dictionary, its sub-dictionaries and the
// extension dictionaries of objects), the plot style names, scales and multiline styles
// (DxfMline.cpp). Objects may come in any order, so dictionaries are collected first and linked
// from their owners once the file is read.
#include "DbAnnotationScale.h"
#include "DbObjectContextManager.h"
#include "DbBlockTableRecord.h"
#include "DxfReader.h"
#include "OdError.h"

namespace kydxf
{
void DxfReader::readObjects()
{
  for (;;)
  {
    const DxfTag tag = requireTag("the OBJECTS section");
    if (sectionEnds(tag, "OBJECTS"))
      return;
    if (tag.code != 0)
    {
      repair(tag.line, "expected an object, found group code " + std::to_string(tag.code), "passed over the tag");
      continue;
    }
    readObject(tag, m_object);
    const std::string_view kind = tag.text;
    const bool dictionary = kind == "DICTIONARY" || kind == "ACDBDICTIONARYWDFLT";
    if (kind == "SCALE")
    {
      readScale(tag);
      continue;
    }
    if (kind == "MLINESTYLE")
    {
      readMlineStyle(tag);
      continue;
    }
    if (!dictionary && kind != "ACDBPLACEHOLDER")
    {
      countSkipped(kind);
      continue;
    }
    splitParts(m_object, m_parts);
    DictionaryInfo info;
    info.line = tag.line;
    const DxfTag* entryName = nullptr;
    bool sawMarker = false;
    for (const DxfTag* t : m_parts.body)
    {
      switch (t->code)
      {
      case 100: sawMarker = true; break;
      case 5: info.handle = parseHandle(*t); break;
      case 330:
        if (!sawMarker && info.owner == 0)
          info.owner = parseHandle(*t);
        break;
      case 3: entryName = t; break;
      case 350: case 360:
        if (dictionary)
        {
          if (!entryName)
          {
            repair(t->line + 1, "dictionary entry without a name (group code 3)", "passed over the entry");
            break;
          }
          info.entries.emplace_back(text(*entryName), parseHandle(*t));
          entryName = nullptr;
        }
        break;
      default: break;
      }
    }
    if (info.handle == 0)
    {
      // Nothing can refer to it, nor can it be placed in a dictionary.
      repair(tag.line, std::string(kind) + " without a handle", "passed over the " + std::string(kind));
      noteDropped(tag.line);
      countSkipped(kind);
      continue;
    }
    if (!dictionary)
    {
      // The name of a plot style is the name under which its dictionary lists it.
      m_placeholders.emplace(info.handle, tag.line);
      continue;
    }
    info.xdictionary = m_parts.xdictionary;
    info.xdata = buildXData(m_object.tags, m_parts.xdataBegin);
    if (m_dictionaries.count(info.handle))
    {
      repair(tag.line, "handle " + dxfHex(info.handle) + " is given to two objects",
             "kept the first dictionary with that handle, passed over this one");
      noteDropped(tag.line);
      countSkipped(kind);
      continue;
    }
    m_dictionaryOrder.push_back(info.handle);
    m_dictionaries.emplace(info.handle, std::move(info));
  }
}

void DxfReader::readScale(const DxfTag& start)
{
  splitParts(m_object, m_parts);
  ScaleInfo scale;
  scale.line = start.line;
  std::uint64_t handle = 0;
  for (const DxfTag* t : m_parts.body)
    switch (t->code)
    {
    case 5: handle = parseHandle(*t); break;
    case 300: scale.name = text(*t); break;
    case 140: scale.paper = t->real; break;
    case 141: scale.drawing = t->real; break;
    default: break;
    }
  if (handle == 0 || scale.name.isEmpty())
  {
    countSkipped("SCALE");
    return;
  }
  m_scales.emplace(handle, scale);
}

void DxfReader::linkObjects()
{
  std::vector<std::pair<DictionaryInfo*, OdDbObjectId>> work;
  // The named-objects dictionary is the one without owner.
  for (std::uint64_t handle : m_dictionaryOrder)
  {
    DictionaryInfo& info = m_dictionaries[handle];
    if (info.owner == 0)
    {
      const OdDbObjectId nod = m_db->getNamedObjectsDictionaryId();
      // The database's own dictionary may hold the file's handle already.
      const std::uint64_t own = ownHandle(handle, info.line, "dictionary");
      m_claimable.erase(static_cast<OdDbStub*>(nod));
      m_movable.erase(static_cast<OdDbStub*>(nod));
      placeAtHandle(nod, own, info.line);
      noteSource(info.line, nod);
      info.linked = true;
      work.emplace_back(&info, nod);
      break;
    }
  }
  std::size_t nextOwner = 0;
  std::size_t nextOrphan = 0;
  while (!work.empty() || nextOwner < m_xdictionaryOwners.size() || nextOrphan < m_dictionaryOrder.size())
  {
    if (work.empty() && nextOwner == m_xdictionaryOwners.size())
    {
      // A dictionary owned by an object that did not name it as its extension dictionary: some
      // writers leave the name out.
      const DictionaryInfo& info = m_dictionaries[m_dictionaryOrder[nextOrphan++]];
      const OdDbObjectId ownerId = idOfHandle(info.owner);
      if (info.linked || ownerId.isNull() || ownerId.objectClass()->isDerivedFrom(OdDbDictionary::desc()))
        continue;
      OdDbObjectPtr pOwner = ownerId.safeOpenObject();
      if (pOwner->extensionDictionary().isNull())
        m_xdictionaryOwners.emplace_back(info.handle, ownerId);
      continue;
    }
    if (work.empty())
    {
      // The extension dictionary of an object read from the file.
      const auto& owned = m_xdictionaryOwners[nextOwner++];
      auto it = m_dictionaries.find(owned.first);
      if (it == m_dictionaries.end() || it->second.linked)
        continue;
      OdDbObjectPtr pOwner = owned.second.safeOpenObject(OdDb::kForWrite);
      OdDbObjectId xdictId;
      const std::uint64_t handle = ownHandle(owned.first, it->second.line, "dictionary");
      prepareHandle(handle, it->second.line);
      if (!apply(it->second.line, "extension dictionary", [&] {
            pOwner->createExtensionDictionary();
            xdictId = pOwner->extensionDictionary();
          }) || xdictId.isNull())
        continue;
      placeAtHandle(xdictId, handle, it->second.line);
      noteHandle(xdictId);
      noteSource(it->second.line, xdictId);
      it->second.linked = true;
      work.emplace_back(&it->second, xdictId);
      continue;
    }
    const auto item = work.back();
    work.pop_back();
    linkDictionary(*item.first, item.second, work);
  }
  for (std::uint64_t handle : m_dictionaryOrder)
    if (!m_dictionaries[handle].linked)
      countSkipped("DICTIONARY");
  for (const auto& style : m_mlineStyles)
    if (!style.second.linked)
      countSkipped("MLINESTYLE");
}

void DxfReader::linkDictionary(DictionaryInfo& info, const OdDbObjectId& id,
                               std::vector<std::pair<DictionaryInfo*, OdDbObjectId>>& next)
{
  info.linked = true;
  OdDbDictionaryPtr pDict = id.safeOpenObject(OdDb::kForWrite);
  for (const auto& entry : info.entries)
  {
    const std::uint64_t child = entry.second;
    auto it = m_dictionaries.find(child);
    if (it != m_dictionaries.end())
    {
      DictionaryInfo& childInfo = it->second;
      if (childInfo.linked)
      {
        repair(childInfo.line, "dictionary " + dxfHex(child) + " is listed in two dictionaries",
               "kept it in the first, dropped the entry '" + entry.first.toUtf8() + "' of dictionary " +
                 dxfHex(info.handle));
        continue;
      }
      // The database makes its annotation-scale list with a kind of its own, on first use.
      if (id == m_db->getNamedObjectsDictionaryId() && entry.first == OdDbAnnotationScaleList::kDictionaryName &&
          !pDict->has(entry.first))
      {
        const OdDbObjectId list = OdDbAnnotationScaleList::dictionaryId(m_db);
        markMovable(list, true);
      }
      const OdDbObjectId existing = pDict->getAt(entry.first);
      if (!existing.isNull() && isClaimable(existing) &&
          existing.objectClass()->isDerivedFrom(OdDbDictionary::desc()))
      {
        // A dictionary the database has of its own (its annotation scales): the file's takes it
        // over, with its kind.
        childInfo.linked = true;
        // What it holds was made by the database (some of it while the file was read): the
        // file's entries take it over by name, or move it off their handles.
        OdDbDictionaryPtr pExisting = existing.safeOpenObject();
        for (OdDbDictionaryIteratorPtr it = pExisting->newIterator(); !it->done(); it->next())
          markMovable(it->objectId(), true);
        m_claimable.erase(static_cast<OdDbStub*>(existing));
        const std::uint64_t handle = ownHandle(child, childInfo.line, "dictionary");
        placeAtHandle(existing, handle, childInfo.line);
        noteSource(childInfo.line, existing);
        next.emplace_back(&childInfo, existing);
        continue;
      }
      if (pDict->has(entry.first))
      {
        repair(info.line, "dictionary " + dxfHex(info.handle) + " lists '" + entry.first.toUtf8() + "' twice",
               "kept the first entry of that name");
        continue;
      }
      childInfo.linked = true;
      OdDbDictionaryPtr pChild = OdDbDictionary::createObject();
      OdDbObjectId childId;
      const std::uint64_t handle = ownHandle(child, childInfo.line, "dictionary");
      prepareHandle(handle, childInfo.line);
      if (!apply(info.line, "dictionary entry", [&] { childId = pDict->setAt(entry.first, pChild); }) ||
          childId.isNull())
        continue;
      placeAtHandle(childId, handle, childInfo.line);
      noteHandle(childId);
      noteSource(childInfo.line, childId);
      next.emplace_back(&childInfo, childId);
    }
    else if (const auto placeholder = m_placeholders.find(child); placeholder != m_placeholders.end())
    {
      m_plotStyleNames[child] = entry.first;
      // The database lists a plot style name by an empty dictionary of its own.
      if (pDict->has(entry.first))
        continue;
      const std::uint64_t handle = ownHandle(child, placeholder->second, "ACDBPLACEHOLDER");
      prepareHandle(handle, placeholder->second);
      OdDbObjectId styleId;
      if (!apply(placeholder->second, "plot style name",
                 [&] { styleId = pDict->setAt(entry.first, OdDbDictionary::createObject()); }) ||
          styleId.isNull())
        continue;
      placeAtHandle(styleId, handle, placeholder->second);
      noteHandle(styleId);
      noteSource(placeholder->second, styleId);
    }
    else if (m_scales.count(child))
      linkScale(pDict.get(), entry.first, child);
    else if (m_mlineStyles.count(child))
      linkMlineStyle(pDict.get(), entry.first, child);
  }
  applyXData(pDict, info.xdata, info.line);
  info.xdata.release();
  if (info.xdictionary != 0)
    m_xdictionaryOwners.emplace_back(info.xdictionary, id);
}

void DxfReader::linkScale(OdDbDictionary* pDict, const OdString& name, std::uint64_t handle)
{
  const ScaleInfo& scale = m_scales[handle];
  OdDbObjectId id = pDict->getAt(name);
  OdDbAnnotationScalePtr pScale;
  if (!id.isNull())
    pScale = OdDbAnnotationScale::cast(id.openObject(OdDb::kForWrite).get());
  if (!id.isNull() && (pScale.isNull() || !isClaimable(id)))
    return;
  if (id.isNull())
  {
    pScale = OdDbAnnotationScale::createObject();
    pScale->setName(scale.name);
    if (!apply(scale.line, "SCALE", [&] { id = pDict->setAt(name, pScale.get()); }) || id.isNull())
      return;
  }
  m_claimable.erase(static_cast<OdDbStub*>(id));
  if (scale.paper > 0.0 && scale.drawing > 0.0)
  {
    check(pScale->setPaperUnits(scale.paper), scale.line, "SCALE", "paper units");
    check(pScale->setDrawingUnits(scale.drawing), scale.line, "SCALE", "drawing units");
  }
  // The database's own scale of that name may sit at the file's handle already.
  if (idOfHandle(handle) != id)
    placeAtHandle(id, ownHandle(handle, scale.line, "scale"), scale.line);
  noteHandle(id);
  noteSource(scale.line, id);
}
} // namespace kydxf
