// Conversions between dimension variable values and result buffers.
#include "DbDimVarBuffers.h"

#include "DbDatabase.h"
#include "DbFiler.h"
#include "OdError.h"

namespace
{
bool integerOf(const OdResBuf* p, OdInt64& out)
{
  switch (p->kind())
  {
  case OdResBuf::kInt8: out = p->getInt8(); return true;
  case OdResBuf::kInt16: out = p->getInt16(); return true;
  case OdResBuf::kInt32: out = p->getInt32(); return true;
  case OdResBuf::kInt64: out = p->getInt64(); return true;
  case OdResBuf::kBool: out = p->getBool() ? 1 : 0; return true;
  default: return false;
  }
}
} // namespace

OdResBufPtr odDimVarBuffer(int index, int code, const OdDimVarValue& value)
{
  const OdDimVarKind kind = odDimVarDesc(index).kind;
  const OdInt32 integer = kind == OdDimVarKind::Color ? static_cast<OdInt32>(value.color.colorIndex()) : value.integer;
  switch (OdResBuf::dataKind(code))
  {
  case OdResBuf::kDouble: return OdResBuf::newRb(code, kind == OdDimVarKind::Real ? value.real : double(integer));
  case OdResBuf::kString: return OdResBuf::newRb(code, kind == OdDimVarKind::String ? value.text : OdString());
  case OdResBuf::kBool: return OdResBuf::newRb(code, integer != 0);
  case OdResBuf::kInt16: return OdResBuf::newRb(code, static_cast<OdInt16>(integer));
  case OdResBuf::kInt8:
  case OdResBuf::kInt32:
  case OdResBuf::kInt64: return OdResBuf::newRb(code, integer);
  case OdResBuf::kObjectId: return OdResBuf::newRb(code, value.id);
  case OdResBuf::kHandle: return OdResBuf::newRb(code, value.id.getHandle());
  default: throw OdError(eInvalidResBuf);
  }
}

OdDimVarValue odDimVarFromBuffer(int index, const OdResBuf* p, OdDbDatabase* pDb)
{
  OdDimVarValue v;
  OdInt64 n = 0;
  switch (odDimVarDesc(index).kind)
  {
  case OdDimVarKind::Real:
    if (p->kind() == OdResBuf::kDouble)
      v.real = p->getDouble();
    else if (integerOf(p, n))
      v.real = static_cast<double>(n);
    else
      throw OdError(eInvalidResBuf);
    break;
  case OdDimVarKind::String:
    if (p->kind() != OdResBuf::kString)
      throw OdError(eInvalidResBuf);
    v.text = p->getString();
    break;
  case OdDimVarKind::Id:
    if (p->kind() == OdResBuf::kObjectId)
      v.id = p->getObjectId(pDb);
    else if (p->kind() == OdResBuf::kHandle)
      v.id = pDb ? pDb->getOdDbObjectId(p->getHandle()) : OdDbObjectId();
    else
      throw OdError(eInvalidResBuf);
    break;
  case OdDimVarKind::Color:
    if (!integerOf(p, n) || n < 0 || n > 257)
      throw OdError(eInvalidInput);
    v.color.setColorIndex(static_cast<OdUInt16>(n));
    break;
  default:
    if (!integerOf(p, n))
      throw OdError(eInvalidResBuf);
    if (n < -2147483647LL || n > 2147483647LL)
      throw OdError(eInvalidInput);
    v.integer = static_cast<OdInt32>(n);
    break;
  }
  odDimVarCheck(index, v);
  return v;
}

void odDimVarWriteBuffer(OdDbDxfFiler* pFiler, const OdResBuf* p)
{
  const int code = p->restype();
  switch (p->kind())
  {
  case OdResBuf::kString: pFiler->wrString(code, p->getString()); break;
  case OdResBuf::kDouble: pFiler->wrDouble(code, p->getDouble()); break;
  case OdResBuf::kInt8: pFiler->wrInt8(code, p->getInt8()); break;
  case OdResBuf::kInt16: pFiler->wrInt16(code, p->getInt16()); break;
  case OdResBuf::kInt32: pFiler->wrInt32(code, p->getInt32()); break;
  case OdResBuf::kInt64: pFiler->wrInt64(code, p->getInt64()); break;
  case OdResBuf::kBool: pFiler->wrBool(code, p->getBool()); break;
  case OdResBuf::kPoint3d: pFiler->wrPoint3d(code, p->getPoint3d()); break;
  case OdResBuf::kHandle:
  case OdResBuf::kObjectId: pFiler->wrHandle(code, p->getHandle()); break;
  default: throw OdError(eInvalidResBuf);
  }
}
