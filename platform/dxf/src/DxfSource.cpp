// KyDxfSource's storage and the state digest that tells the writer which objects changed.
#include "DxfSource.h"

#include <cstring>

#include <sys/mman.h>

#include "DbFiler.h"
#include "DbObject.h"

KyDxfSource::~KyDxfSource()
{
  if (mapping)
    ::munmap(mapping, mappingSize);
}

namespace kydxf
{
namespace
{
// FNV-1a over the codes and the values' bits, with no text made on the way.
class DigestFiler : public OdDbDxfFiler
{
public:
  std::uint64_t value = 1469598103934665603ULL;

  void wrName(int code, const OdString& v) override { wrString(code, v); }
  void wrString(int code, const OdString& v) override
  {
    add(code);
    add(v.c_str(), v.getLength() * sizeof(OdChar));
  }
  void wrBool(int code, bool v) override { wrInt64(code, v ? 1 : 0); }
  void wrInt8(int code, OdInt8 v) override { wrInt64(code, v); }
  void wrUInt8(int code, OdUInt8 v) override { wrInt64(code, v); }
  void wrInt16(int code, OdInt16 v) override { wrInt64(code, v); }
  void wrUInt16(int code, OdUInt16 v) override { wrInt64(code, v); }
  void wrInt32(int code, OdInt32 v) override { wrInt64(code, v); }
  void wrUInt32(int code, OdUInt32 v) override { wrInt64(code, v); }
  void wrInt64(int code, OdInt64 v) override
  {
    add(code);
    add(&v, sizeof v);
  }
  void wrDouble(int code, double v) override
  {
    add(code);
    add(&v, sizeof v);
  }
  void wrHandle(int code, const OdDbHandle& v) override { wrInt64(code, static_cast<OdInt64>(v.value())); }
  void wrBinaryChunk(int code, const OdUInt8* data, OdUInt32 length) override
  {
    add(code);
    add(data, length);
  }

private:
  void add(int code) { add(&code, sizeof code); }
  void add(const void* data, std::size_t n)
  {
    const unsigned char* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < n; ++i)
      value = (value ^ p[i]) * 1099511628211ULL;
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
