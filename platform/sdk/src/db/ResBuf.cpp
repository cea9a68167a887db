// Result buffers: the kind of value each group code carries, typed access and chains.
#include "DbInternal.h"
#include "ResBuf.h"
#include "SdkRxMacros.h"

ODRX_SDK_CONS_DEFINE_MEMBERS(OdResBuf, OdRxObject)

OdResBuf::DataKind OdResBuf::dataKind(int t)
{
  switch (t)
  {
  case kRtNone: case kRtVoid: case kRtListBeg: case kRtListEnd: case kRtDote: case kRtNil: case kRtT:
  case kRtPickSet: case kRtResBuf:
    return kNone;
  case kRtDouble: case kRtAngle: case kRtOrient:
    return kDouble;
  case kRtPoint: case kRt3dPoint:
    return kPoint3d;
  case kRtInt16: case kRtColor:
    return kInt16;
  case kRtInt32:
    return kInt32;
  case kRtInt8:
    return kInt8;
  case kRtInt64:
    return kInt64;
  case kRtBool:
    return kBool;
  case kRtString: case kRtDxf0:
    return kString;
  case kRtEntName:
    return kObjectId;
  case OdDb::kDxfXdHandle: case OdDb::kDxfDimVarHandle:
    return kHandle;
  case OdDb::kDxfXdBinaryChunk:
    return kBinary;
  default:
    break;
  }
  if ((t >= 0 && t <= 9) || (t >= 100 && t <= 104) || (t >= 300 && t <= 309) || (t >= 410 && t <= 419) ||
      (t >= 430 && t <= 439) || (t >= 470 && t <= 479) || t == 999 || (t >= 1000 && t <= 1009))
    return kString;
  if ((t >= 10 && t <= 39) || (t >= 110 && t <= 139) || (t >= 210 && t <= 239) || (t >= 1010 && t <= 1039))
    return kPoint3d;
  if ((t >= 40 && t <= 59) || (t >= 140 && t <= 149) || (t >= 460 && t <= 469) || (t >= 1040 && t <= 1059))
    return kDouble;
  if ((t >= 60 && t <= 79) || (t >= 170 && t <= 179) || (t >= 270 && t <= 279) || (t >= 370 && t <= 389) ||
      (t >= 400 && t <= 409) || (t >= 1060 && t <= 1070))
    return kInt16;
  if ((t >= 90 && t <= 99) || (t >= 420 && t <= 429) || (t >= 440 && t <= 459) || t == 1071)
    return kInt32;
  if (t >= 160 && t <= 169)
    return kInt64;
  if (t >= 280 && t <= 289)
    return kInt8;
  if (t >= 290 && t <= 299)
    return kBool;
  if (t >= 310 && t <= 319)
    return kBinary;
  if (t >= 320 && t <= 329)
    return kHandle;
  if ((t >= 330 && t <= 369) || (t >= 390 && t <= 399) || (t >= 480 && t <= 481))
    return kObjectId;
  return kNone;
}

OdResBufPtr OdResBuf::newRb(int restype)
{
  // Straight to the implementation: chains are copied often and the class lookup of
  // createObject() would dominate.
  OdResBufPtr pRb = OdRxObjectImpl<OdResBuf>::createObject();
  pRb->m_type = restype;
  return pRb;
}

OdResBufPtr OdResBuf::newRb(int restype, const OdChar* value)
{
  return newRb(restype, OdString(value));
}

OdResBufPtr OdResBuf::newRb(int restype, const OdString& value)
{
  OdResBufPtr pRb = newRb(restype);
  pRb->setString(value);
  return pRb;
}

OdResBufPtr OdResBuf::newRb(int restype, double value)
{
  OdResBufPtr pRb = newRb(restype);
  pRb->setDouble(value);
  return pRb;
}

OdResBufPtr OdResBuf::newRb(int restype, OdInt16 value)
{
  OdResBufPtr pRb = newRb(restype);
  if (pRb->kind() == kInt32 || pRb->kind() == kInt64)
    pRb->m_int = value;
  else
    pRb->setInt16(value);
  return pRb;
}

OdResBufPtr OdResBuf::newRb(int restype, OdInt32 value)
{
  OdResBufPtr pRb = newRb(restype);
  if (pRb->kind() == kInt16 || pRb->kind() == kInt8)
  {
    // A 32-bit literal for a narrower code is fine while it fits.
    if (value < -32768 || value > 32767 || (pRb->kind() == kInt8 && (value < -128 || value > 255)))
      throw OdError(eInvalidInput);
    pRb->m_int = value;
  }
  else if (pRb->kind() == kInt64)
    pRb->m_int = value;
  else
    pRb->setInt32(value);
  return pRb;
}

OdResBufPtr OdResBuf::newRb(int restype, bool value)
{
  OdResBufPtr pRb = newRb(restype);
  pRb->setBool(value);
  return pRb;
}

OdResBufPtr OdResBuf::newRb(int restype, const OdGePoint3d& value)
{
  OdResBufPtr pRb = newRb(restype);
  pRb->setPoint3d(value);
  return pRb;
}

OdResBufPtr OdResBuf::newRb(int restype, const OdGePoint2d& value)
{
  OdResBufPtr pRb = newRb(restype);
  pRb->setPoint2d(value);
  return pRb;
}

OdResBufPtr OdResBuf::newRb(int restype, const OdDbObjectId& value)
{
  OdResBufPtr pRb = newRb(restype);
  pRb->setObjectId(value);
  return pRb;
}

OdResBufPtr OdResBuf::newRb(int restype, const OdDbHandle& value)
{
  OdResBufPtr pRb = newRb(restype);
  pRb->setHandle(value);
  return pRb;
}

OdResBuf::~OdResBuf()
{
  // Unlink long chains iteratively so that releasing the head does not recurse per buffer.
  OdResBufPtr pNext = std::move(m_pNext);
  while (!pNext.isNull() && pNext->numRefs() == 1)
  {
    OdResBufPtr pAfter = std::move(pNext->m_pNext);
    pNext = std::move(pAfter);
  }
}

void OdResBuf::setRestype(int restype)
{
  if (dataKind(restype) != dataKind(m_type))
  {
    m_string.empty();
    m_double = 0.0;
    m_int = 0;
    m_point = OdGePoint3d();
    m_handle = OdDbHandle();
    m_id.setNull();
    m_binary.clear();
  }
  m_type = restype;
}

void OdResBuf::requireKind(DataKind kind) const
{
  if (dataKind(m_type) != kind)
    throw OdError(eInvalidResBuf);
}

const OdString& OdResBuf::getString() const
{
  requireKind(kString);
  return m_string;
}

void OdResBuf::setString(const OdString& value)
{
  requireKind(kString);
  m_string = value;
}

double OdResBuf::getDouble() const
{
  requireKind(kDouble);
  return m_double;
}

void OdResBuf::setDouble(double value)
{
  requireKind(kDouble);
  odDbCheckFinite(value);
  m_double = value;
}

OdInt8 OdResBuf::getInt8() const
{
  requireKind(kInt8);
  return static_cast<OdInt8>(m_int);
}

void OdResBuf::setInt8(OdInt8 value)
{
  requireKind(kInt8);
  m_int = value;
}

OdInt16 OdResBuf::getInt16() const
{
  const DataKind k = kind();
  if (k != kInt16 && k != kInt8)
    throw OdError(eInvalidResBuf);
  return static_cast<OdInt16>(m_int);
}

void OdResBuf::setInt16(OdInt16 value)
{
  requireKind(kInt16);
  m_int = value;
}

OdInt32 OdResBuf::getInt32() const
{
  const DataKind k = kind();
  if (k != kInt32 && k != kInt16 && k != kInt8)
    throw OdError(eInvalidResBuf);
  return static_cast<OdInt32>(m_int);
}

void OdResBuf::setInt32(OdInt32 value)
{
  requireKind(kInt32);
  m_int = value;
}

OdInt64 OdResBuf::getInt64() const
{
  const DataKind k = kind();
  if (k != kInt64 && k != kInt32 && k != kInt16 && k != kInt8)
    throw OdError(eInvalidResBuf);
  return m_int;
}

void OdResBuf::setInt64(OdInt64 value)
{
  requireKind(kInt64);
  m_int = value;
}

bool OdResBuf::getBool() const
{
  requireKind(kBool);
  return m_int != 0;
}

void OdResBuf::setBool(bool value)
{
  requireKind(kBool);
  m_int = value ? 1 : 0;
}

const OdGePoint3d& OdResBuf::getPoint3d() const
{
  requireKind(kPoint3d);
  return m_point;
}

void OdResBuf::setPoint3d(const OdGePoint3d& value)
{
  requireKind(kPoint3d);
  odDbCheckFinite(value);
  m_point = value;
}

OdGePoint2d OdResBuf::getPoint2d() const
{
  return getPoint3d().convert2d();
}

void OdResBuf::setPoint2d(const OdGePoint2d& value)
{
  setPoint3d(OdGePoint3d(value.x, value.y, 0.0));
}

OdDbHandle OdResBuf::getHandle() const
{
  if (kind() == kObjectId)
    return m_id.getHandle();
  requireKind(kHandle);
  return m_handle;
}

void OdResBuf::setHandle(const OdDbHandle& value)
{
  requireKind(kHandle);
  m_handle = value;
}

OdDbObjectId OdResBuf::getObjectId(OdDbDatabase* pDb) const
{
  if (kind() == kHandle)
    return pDb ? pDb->getOdDbObjectId(m_handle) : OdDbObjectId();
  requireKind(kObjectId);
  return m_id;
}

void OdResBuf::setObjectId(const OdDbObjectId& value)
{
  requireKind(kObjectId);
  m_id = value;
}

const OdBinaryData& OdResBuf::getBinaryChunk() const
{
  requireKind(kBinary);
  return m_binary;
}

void OdResBuf::setBinaryChunk(const OdBinaryData& value)
{
  requireKind(kBinary);
  m_binary = value;
}

OdResBufPtr OdResBuf::setNext(OdResBuf* pNext)
{
  m_pNext = pNext;
  return m_pNext;
}

OdResBufPtr OdResBuf::insert(OdResBuf* pRb)
{
  if (!pRb)
    throw OdError(eNullObjectPointer);
  OdResBufPtr pOldNext = m_pNext;
  OdResBufPtr pLast = pRb->last();
  pLast->m_pNext = pOldNext;
  m_pNext = pRb;
  return m_pNext;
}

OdResBufPtr OdResBuf::last() const
{
  const OdResBuf* p = this;
  while (!p->m_pNext.isNull())
    p = p->m_pNext.get();
  return OdResBufPtr(p);
}

void OdResBuf::copyFrom(const OdRxObject* pSource)
{
  const OdResBuf* pSrc = dynamic_cast<const OdResBuf*>(pSource);
  if (!pSrc)
    throw OdError_NotThatKindOfClass(pSource ? pSource->isA() : 0, desc());
  copyValueFrom(*pSrc);
}

// The code and the value only (each buffer keeps its own link).
void OdResBuf::copyValueFrom(const OdResBuf& source)
{
  m_type = source.m_type;
  m_string = source.m_string;
  m_double = source.m_double;
  m_int = source.m_int;
  m_point = source.m_point;
  m_handle = source.m_handle;
  m_id = source.m_id;
  m_binary = source.m_binary;
}

OdResBufPtr OdResBuf::copyChain() const
{
  OdResBufPtr pHead, pTail;
  for (const OdResBuf* p = this; p; p = p->m_pNext.get())
  {
    OdResBufPtr pCopy = newRb(p->m_type);
    pCopy->copyValueFrom(*p);
    if (pHead.isNull())
      pHead = pTail = pCopy;
    else
      pTail = pTail->setNext(pCopy);
  }
  return pHead;
}

bool OdResBuf::chainsEqual(const OdResBuf* pA, const OdResBuf* pB)
{
  for (; pA && pB; pA = pA->m_pNext.get(), pB = pB->m_pNext.get())
  {
    if (pA->m_type != pB->m_type)
      return false;
    switch (pA->kind())
    {
    case kString: if (pA->m_string != pB->m_string) return false; break;
    case kDouble: if (pA->m_double != pB->m_double) return false; break;
    case kPoint3d:
      if (pA->m_point.x != pB->m_point.x || pA->m_point.y != pB->m_point.y || pA->m_point.z != pB->m_point.z)
        return false;
      break;
    case kHandle: if (pA->m_handle != pB->m_handle) return false; break;
    case kObjectId: if (pA->m_id != pB->m_id) return false; break;
    case kBinary: if (pA->m_binary != pB->m_binary) return false; break;
    case kNone: break;
    default: if (pA->m_int != pB->m_int) return false; break;
    }
  }
  return !pA && !pB;
}
