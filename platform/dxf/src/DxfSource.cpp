// KyDxfSource's storage and the state digest that tells the writer which objects changed.
#include "DxfSource.h"

#include <cstring>

#include <sys/mman.h>

#include "DbObject.h"
#include "DxfNumberFiler.h"

KyDxfSource::~KyDxfSource()
{
  if (mapping)
    ::munmap(mapping, mappingSize);
}

namespace kydxf
{
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
