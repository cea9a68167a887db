// KyDxfSource's storage and the state digest that tells the writer which objects changed.
#include "DxfSource.h"

#include <cstring>

#include <sys/mman.h>

#include "DbDatabase.h"
#include "DbEntity.h"
#include "DbObject.h"
#include "DbSymbolTable.h"
#include "DxfNumberFiler.h"

KyDxfSource::~KyDxfSource()
{
  changes.reset();
  if (mapping)
    ::munmap(mapping, mappingSize);
}

namespace kydxf
{
DxfChangeTracker::DxfChangeTracker(const OdDbDatabase* db) : m_db(db)
{
  m_db->addReactor(this);
}

DxfChangeTracker::~DxfChangeTracker()
{
  if (m_db)
    m_db->removeReactor(this);
}

bool DxfChangeTracker::mayHaveChanged(const OdDbObject* pObj) const
{
  return m_everything || m_touched.count(static_cast<const OdDbStub*>(pObj->objectId())) != 0 ||
         m_touched.count(static_cast<const OdDbStub*>(pObj->ownerId())) != 0;
}

void DxfChangeTracker::objectOpenedForModify(const OdDbDatabase*, const OdDbObject* pObject)
{
  if (m_everything)
    return;
  if (pObject->isKindOf(OdDbEntity::desc()))
  {
    m_touched.insert(static_cast<const OdDbStub*>(pObject->objectId()));
    // A vertex, an attribute: their owner's fields may follow them.
    const OdDbObjectId owner = pObject->ownerId();
    if (!owner.isNull() && owner.objectClass() && owner.objectClass()->isDerivedFrom(OdDbEntity::desc()))
      m_touched.insert(static_cast<const OdDbStub*>(owner));
  }
  else if (pObject->isKindOf(OdDbSymbolTable::desc()))
  {
    // A table gaining or losing a record: its own list changes, no other object's fields.
    m_touched.insert(static_cast<const OdDbStub*>(pObject->objectId()));
  }
  else
  {
    m_everything = true;
    m_touched.clear();
  }
}

void DxfChangeTracker::goodbye(const OdDbDatabase*)
{
  m_db = nullptr;
  m_everything = true;
}

namespace
{
// A multiply-and-rotate mix over the codes and the values' bits, a word at a time, with no text
// made on the way.
class DigestFiler : public DxfNumberFiler
{
public:
  std::uint64_t value = 0x9E3779B97F4A7C15ULL;

  void wrString(int code, const OdString& v) override
  {
    mix(static_cast<std::uint64_t>(code) << 32 | static_cast<std::uint32_t>(v.getLength()));
    add(v.c_str(), v.getLength() * sizeof(OdChar));
  }
  void wrInt64(int code, OdInt64 v) override
  {
    mix(static_cast<std::uint64_t>(code));
    mix(static_cast<std::uint64_t>(v));
  }
  void wrDouble(int code, double v) override
  {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    mix(static_cast<std::uint64_t>(code) ^ 0xD6E8FEB86659FD93ULL);
    mix(bits);
  }
  void wrHandle(int code, const OdDbHandle& v) override { wrInt64(code, static_cast<OdInt64>(v.value())); }
  // A file names the records an object uses (its text style, its block): renaming one changes
  // the objects that use it.
  void wrObjectId(int code, const OdDbObjectId& id) override
  {
    wrHandle(code, id.getHandle());
    if (id.isNull() || !id.objectClass() || !id.objectClass()->isDerivedFrom(OdDbSymbolTableRecord::desc()))
      return;
    OdDbSymbolTableRecordPtr pRecord = id.openObject();
    if (!pRecord.isNull())
      wrString(code, pRecord->getName());
  }
  void wrBinaryChunk(int code, const OdUInt8* data, OdUInt32 length) override
  {
    mix(static_cast<std::uint64_t>(code) << 32 | length);
    add(data, length);
  }

private:
  void mix(std::uint64_t word)
  {
    value = (value ^ word) * 0xFF51AFD7ED558CCDULL;
    value ^= value >> 29;
  }
  void add(const void* data, std::size_t n)
  {
    const unsigned char* p = static_cast<const unsigned char*>(data);
    std::uint64_t word;
    for (; n >= 8; n -= 8, p += 8)
    {
      std::memcpy(&word, p, 8);
      mix(word);
    }
    if (n > 0)
    {
      word = 0;
      std::memcpy(&word, p, n);
      mix(word ^ (static_cast<std::uint64_t>(n) << 56));
    }
  }
};
} // namespace

std::uint64_t dxfStateDigest(const OdDbObject* pObj)
{
  DigestFiler filer;
  pObj->dxfOut(&filer);
  filer.wrInt64(-1, pObj->isErased() ? 1 : 0);
  return filer.value;
}
} // namespace kydxf
