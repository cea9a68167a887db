// Handles and object ids: hexadecimal handle texts, and ids as counted references to the
// database's stubs.
#include <functional>

#include "DbInternal.h"

// ---- OdDbHandle ----------------------------------------------------------------------------

OdDbHandle::OdDbHandle(const OdChar* hex)
{
  const OdString text(hex);
  if (text.getLength() > 16)
    throw OdError(eInvalidInput);
  OdUInt64 value = 0;
  for (int i = 0; i < text.getLength(); ++i)
  {
    const OdChar c = text[i];
    unsigned digit = 0;
    if (c >= L'0' && c <= L'9')
      digit = static_cast<unsigned>(c - L'0');
    else if (c >= L'A' && c <= L'F')
      digit = static_cast<unsigned>(c - L'A' + 10);
    else if (c >= L'a' && c <= L'f')
      digit = static_cast<unsigned>(c - L'a' + 10);
    else
      throw OdError(eInvalidInput);
    value = (value << 4) | digit;
  }
  m_val = value;
}

OdDbHandle::OdDbHandle(const OdString& hex) : OdDbHandle(hex.c_str()) {}

OdString OdDbHandle::ascii() const
{
  static const OdChar digits[] = L"0123456789ABCDEF";
  if (m_val == 0)
    return OdString(L"0");
  std::wstring text;
  for (OdUInt64 v = m_val; v != 0; v >>= 4)
    text.insert(text.begin(), digits[v & 0xF]);
  return OdString(text);
}

// ---- stubs -----------------------------------------------------------------------------------

void odDbStubAddRef(OdDbStub* pStub)
{
  if (pStub)
    ++pStub->refs;
}

void odDbStubRelease(OdDbStub* pStub)
{
  if (pStub && --pStub->refs == 0)
    delete pStub;
}

// ---- OdDbObjectId ------------------------------------------------------------------------

const OdDbObjectId OdDbObjectId::kNull;

OdDbObjectId::OdDbObjectId(OdDbStub* pStub) : m_id(pStub)
{
  odDbStubAddRef(m_id);
}

OdDbObjectId::OdDbObjectId(const OdDbObjectId& other) : m_id(other.m_id)
{
  odDbStubAddRef(m_id);
}

OdDbObjectId::~OdDbObjectId()
{
  odDbStubRelease(m_id);
}

OdDbObjectId& OdDbObjectId::operator=(const OdDbObjectId& other)
{
  return *this = other.m_id;
}

OdDbObjectId& OdDbObjectId::operator=(OdDbObjectId&& other) noexcept
{
  if (this != &other)
  {
    odDbStubRelease(m_id);
    m_id = other.m_id;
    other.m_id = 0;
  }
  return *this;
}

OdDbObjectId& OdDbObjectId::operator=(OdDbStub* pStub)
{
  if (pStub != m_id)
  {
    odDbStubAddRef(pStub);
    odDbStubRelease(m_id);
    m_id = pStub;
  }
  return *this;
}

void OdDbObjectId::setNull()
{
  *this = static_cast<OdDbStub*>(0);
}

bool OdDbObjectId::isValid() const
{
  return m_id && m_id->pDb && m_id->pObject;
}

bool OdDbObjectId::isErased() const
{
  return m_id && m_id->erased;
}

OdDbHandle OdDbObjectId::getHandle() const
{
  return m_id ? m_id->handle : OdDbHandle();
}

OdDbDatabase* OdDbObjectId::database() const
{
  return m_id ? m_id->pDb : 0;
}

OdRxClass* OdDbObjectId::objectClass() const
{
  return isValid() ? m_id->pObject->isA() : 0;
}

OdResult OdDbObjectId::checkOpen(bool openErasedOne) const
{
  if (!m_id)
    return eNullObjectId;
  if (!isValid())
    return eUnknownHandle;
  if (m_id->erased && !openErasedOne)
    return eWasErased;
  return eOk;
}

OdDbObjectPtr OdDbObjectId::openObject(OdDb::OpenMode openMode, bool openErasedOne) const
{
  if (openMode == OdDb::kNotOpen)
    throw OdError(eInvalidOpenState);
  if (checkOpen(openErasedOne) != eOk)
    return OdDbObjectPtr();
  OdDbObjectAccess::open(m_id->pObject, openMode);
  return OdDbObjectPtr(m_id->pObject);
}

OdDbObjectPtr OdDbObjectId::safeOpenObject(OdDb::OpenMode openMode, bool openErasedOne) const
{
  const OdResult res = checkOpen(openErasedOne);
  if (res != eOk)
    throw OdError(res);
  return openObject(openMode, openErasedOne);
}

bool OdDbObjectId::operator<(const OdDbObjectId& id) const
{
  const OdUInt64 a = getHandle(), b = id.getHandle();
  if (a != b)
    return a < b;
  return std::less<const OdDbStub*>()(m_id, id.m_id);
}

// ---- helpers ---------------------------------------------------------------------------------

bool odDbIdIsKindOf(const OdDbObjectId& id, const OdRxClass* pClass)
{
  const OdRxClass* pObjClass = id.objectClass();
  return pObjClass && pObjClass->isDerivedFrom(pClass);
}

OdString odDbRecordName(const OdDbObjectId& id)
{
  OdDbSymbolTableRecordPtr pRec = OdDbSymbolTableRecord::cast(id.openObject(OdDb::kForRead, true).get());
  return pRec.isNull() ? OdString() : pRec->getName();
}

bool odDbMatrixIsFinite(const OdGeMatrix3d& xform)
{
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      if (!std::isfinite(xform.entry[r][c]))
        return false;
  return true;
}
