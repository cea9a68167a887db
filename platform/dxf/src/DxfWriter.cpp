// The DXF writer's shared parts: value encoding, the fields a kind writer fills, the output of
// tags and whole objects, and the registry of kind writers.
#include "DxfWriter.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <unordered_map>

#include <QTextCodec>

#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbDimVars.h"
#include "DxfSource.h"
#include "DbObject.h"
#include "DbSymbolTableRecord.h"
#include "DxfText.h"
#include "DxfTokenizer.h"
#include "OdaCommon.h"
#include "RxObject.h"

namespace kydxf
{
// ---- encoding ------------------------------------------------------------------------------

DxfEncoder::DxfEncoder(int version, const std::string& codePage) : m_version(version)
{
  if (version >= kDxfR2007)
    return;
  m_codec = dxfCodecForCodePage(codePage);
  if (!m_codec)
    throw DxfWriteError{"the code page '" + codePage + "' cannot be written"};
}

namespace
{
// A code point UTF-8 can carry as it stands: not a UTF-16 surrogate, not past U+10FFFF.
bool isScalarValue(wchar_t c)
{
  const std::uint32_t u = static_cast<std::uint32_t>(c);
  return u < 0xD800 || (u > 0xDFFF && u <= 0x10FFFF);
}

void appendUtf8(std::string& out, std::uint32_t u)
{
  if (u < 0x80)
    out += static_cast<char>(u);
  else if (u < 0x800)
  {
    out += static_cast<char>(0xC0 | (u >> 6));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
  else if (u < 0x10000)
  {
    out += static_cast<char>(0xE0 | (u >> 12));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
  else
  {
    out += static_cast<char>(0xF0 | (u >> 18));
    out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
}
} // namespace

std::string DxfEncoder::text(const OdString& value) const
{
  const std::wstring& w = value.wstr();
  bool ascii = true;
  for (wchar_t c : w)
    if (c < 0x20 || c >= 0x7F || c == '\\')
    {
      ascii = false;
      break;
    }
  if (ascii)
    return std::string(w.begin(), w.end());

  // Control characters cannot stand in a value line; they are written as a caret and the
  // character 64 places on ("^J" for a line feed).
  std::wstring e;
  e.reserve(w.size() + 8);
  bool scalars = true;
  for (std::size_t i = 0; i < w.size(); ++i)
  {
    const wchar_t c = w[i];
    // A backslash that would start an escape ("\U+", "\M+") is written as one itself.
    const wchar_t n = i + 1 < w.size() ? w[i + 1] : 0;
    const wchar_t plus = i + 2 < w.size() ? w[i + 2] : 0;
    if (c == '\\' && (n == 'U' || n == 'u' || n == 'M' || n == 'm') && plus == '+')
      e += L"\\U+005C";
    else if (c >= 0 && c < 0x20)
    {
      e += L'^';
      e += static_cast<wchar_t>(c + 64);
    }
    else
    {
      scalars = scalars && isScalarValue(c);
      e += c;
    }
  }
  if (!m_codec && scalars)
  {
    std::string out;
    out.reserve(e.size() + e.size() / 2);
    for (wchar_t c : e)
      appendUtf8(out, static_cast<std::uint32_t>(c));
    return out;
  }
  // Surrogate halves (a text read as "\U+D83D\U+DE00") pair up, or are replaced, as Qt does.
  const QString s = QString::fromWCharArray(e.data(), static_cast<int>(e.size()));
  if (!m_codec)
  {
    const QByteArray bytes = s.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  // Characters the code page lacks go out as "\U+XXXX" (UTF-16 units, as readers decode them).
  std::string out;
  out.reserve(static_cast<std::size_t>(s.size()));
  for (QChar c : s)
  {
    if (c.unicode() < 0x80)
    {
      out += static_cast<char>(c.unicode());
      continue;
    }
    // A code page has no surrogate halves (some codecs claim one and write nothing for it).
    if (!c.isSurrogate() && m_codec->canEncode(c))
    {
      const QByteArray bytes = m_codec->fromUnicode(QString(c));
      out.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
      continue;
    }
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\U+%04X", c.unicode());
    out += escape;
  }
  return out;
}

std::string DxfEncoder::real(double value)
{
  char buffer[32];
  const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string s(buffer, r.ptr);
  // Readers expect a real to look like one.
  if (std::isfinite(value) && s.find_first_of(".e") == std::string::npos)
    s += ".0";
  return s;
}

std::string DxfEncoder::integer(std::int64_t value)
{
  return std::to_string(value);
}

std::string DxfEncoder::handle(std::uint64_t value)
{
  return dxfHex(value);
}

// ---- fields --------------------------------------------------------------------------------

DxfFields::Segment& DxfFields::current()
{
  if (m_segments.empty())
    throw DxfWriteError{"a kind writer wrote a value before its first subclass"};
  return m_segments.back();
}

void DxfFields::subclass(const char* marker, std::initializer_list<int> ownedCodes)
{
  Segment s;
  s.marker = marker;
  s.owned.assign(ownedCodes.begin(), ownedCodes.end());
  m_segments.push_back(std::move(s));
}

void DxfFields::subclassOwningAll(const char* marker)
{
  subclass(marker, {});
  m_segments.back().ownsAll = true;
}

void DxfFields::xdata()
{
  Segment s;
  s.isXData = true;
  m_segments.push_back(std::move(s));
}

void DxfFields::raw(int code, std::string value)
{
  current().tags.push_back({code, std::move(value)});
}

void DxfFields::text(int code, const OdString& value)
{
  raw(code, m_encoder.text(value));
}

void DxfFields::real(int code, double value)
{
  if (!std::isfinite(value))
    throw DxfWriteError{"group code " + std::to_string(code) + " holds a value that is not a number"};
  current().tags.push_back({code, DxfEncoder::real(value), true, value});
}

void DxfFields::angle(int code, double radians)
{
  real(code, radians * 180.0 / OdaPI);
}

void DxfFields::integer(int code, std::int64_t value)
{
  raw(code, DxfEncoder::integer(value));
}

void DxfFields::handle(int code, const OdDbObjectId& id)
{
  handle(code, static_cast<std::uint64_t>(id.getHandle()));
}

void DxfFields::handle(int code, std::uint64_t value)
{
  raw(code, DxfEncoder::handle(value));
}

void DxfFields::point(int code, const OdGePoint3d& p)
{
  real(code, p.x);
  real(code + 10, p.y);
  real(code + 20, p.z);
}

void DxfFields::point(int code, const OdGePoint2d& p)
{
  real(code, p.x);
  real(code + 10, p.y);
}

void DxfFields::vector(int code, const OdGeVector3d& v)
{
  real(code, v.x);
  real(code + 10, v.y);
  real(code + 20, v.z);
}

void DxfFields::recordName(int code, const OdDbObjectId& id)
{
  OdString name;
  if (!id.isNull())
  {
    OdDbObjectPtr pObj = id.openObject();
    OdDbSymbolTableRecord* pRec = OdDbSymbolTableRecord::cast(pObj.get());
    if (pRec)
      name = pRec->getName();
  }
  text(code, name);
}

void DxfFields::xdataChain(const OdResBuf* chain)
{
  for (OdResBufPtr p(const_cast<OdResBuf*>(chain)); !p.isNull(); p = p->next())
  {
    const int code = p->restype();
    switch (p->kind())
    {
    case OdResBuf::kString: text(code, p->getString()); break;
    case OdResBuf::kDouble: real(code, p->getDouble()); break;
    case OdResBuf::kInt8:
    case OdResBuf::kInt16:
    case OdResBuf::kInt32: integer(code, p->getInt32()); break;
    case OdResBuf::kInt64: integer(code, p->getInt64()); break;
    case OdResBuf::kBool: integer(code, p->getBool() ? 1 : 0); break;
    case OdResBuf::kPoint3d: point(code, p->getPoint3d()); break;
    case OdResBuf::kHandle: handle(code, static_cast<std::uint64_t>(p->getHandle())); break;
    case OdResBuf::kObjectId: handle(code, p->getObjectId(0)); break;
    case OdResBuf::kBinary:
    {
      static const char kHex[] = "0123456789ABCDEF";
      const OdBinaryData& data = p->getBinaryChunk();
      std::string hex;
      hex.reserve(data.size() * 2);
      for (unsigned i = 0; i < data.size(); ++i)
      {
        hex += kHex[data[i] >> 4];
        hex += kHex[data[i] & 15];
      }
      raw(code, std::move(hex));
      break;
    }
    case OdResBuf::kNone: break;
    }
  }
}

// ---- output --------------------------------------------------------------------------------

void DxfOutput::tag(int code, std::string_view value)
{
  // The tag is put together here and appended at once; a long value is appended on its own.
  char line[160];
  char* out = line;
  char digits[16];
  const std::size_t n = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, code).ptr - digits);
  // Group codes right-aligned in three columns, as most writers do.
  for (std::size_t i = n; i < 3; ++i)
    *out++ = ' ';
  std::memcpy(out, digits, n);
  out += n;
  if (m_crlf)
    *out++ = '\r';
  *out++ = '\n';
  const bool inLine = value.size() + 2 <= static_cast<std::size_t>(line + sizeof line - out);
  if (inLine)
  {
    std::memcpy(out, value.data(), value.size());
    out += value.size();
  }
  else
  {
    m_buffer.append(line, static_cast<std::size_t>(out - line));
    m_buffer.append(value.data(), value.size());
    out = line;
  }
  if (m_crlf)
    *out++ = '\r';
  *out++ = '\n';
  m_buffer.append(line, static_cast<std::size_t>(out - line));
  if (m_sink && m_buffer.size() >= (1u << 20))
    flush();
}

void DxfOutput::raw(std::string_view text)
{
  m_buffer.append(text.data(), text.size());
  if (m_sink && m_buffer.size() >= (1u << 20))
    flush();
}

void DxfOutput::flush()
{
  if (!m_sink || m_buffer.empty())
    return;
  m_sink(m_buffer);
  m_buffer.clear();
}

void DxfOutput::fields(const DxfFields& fields)
{
  for (const DxfFields::Segment& s : fields.segments())
  {
    if (s.marker && m_encoder.version() > kDxfR12)
      tag(100, s.marker);
    for (const DxfOutTag& t : s.tags)
      tag(t.code, t.value);
  }
}

void DxfOutput::object(const OdDbObject* pObj)
{
  const DxfKindWriter* writer = dxfKindWriter(pObj->isA());
  if (!writer)
    throw DxfWriteError{"objects of the class " + pObj->isA()->name().toUtf8() + " cannot be written yet"};
  DxfFields fields(m_encoder, pObj->database());
  writer->fields(pObj, fields);
  object(pObj, writer->dxfName, fields);
}

void DxfOutput::object(const OdDbObject* pObj, const char* dxfName, const DxfFields& fields)
{
  tag(0, dxfName);
  // Tags before the first marker (a table's name) come before the handle, as files have them.
  const std::vector<DxfFields::Segment>& segments = fields.segments();
  const bool hasHead = !segments.empty() && !segments.front().marker && !segments.front().isXData;
  if (hasHead)
    for (const DxfOutTag& t : segments.front().tags)
      tag(t.code, t.value);
  handle(dxfHandleCode(dxfName), static_cast<std::uint64_t>(pObj->getDbHandle()));
  const OdDbObjectId xdictionary = pObj->extensionDictionary();
  if (!xdictionary.isNull() && m_encoder.version() > kDxfR12)
  {
    tag(102, "{ACAD_XDICTIONARY");
    handle(360, static_cast<std::uint64_t>(xdictionary.getHandle()));
    tag(102, "}");
  }
  if (m_encoder.version() > kDxfR12)
    handle(330, static_cast<std::uint64_t>(pObj->ownerId().getHandle()));
  for (std::size_t i = hasHead ? 1 : 0; i < segments.size(); ++i)
  {
    const DxfFields::Segment& s = segments[i];
    if (s.marker && m_encoder.version() > kDxfR12)
      tag(100, s.marker);
    for (const DxfOutTag& t : s.tags)
      tag(t.code, t.value);
  }
  bool hasXData = false;
  for (const DxfFields::Segment& s : fields.segments())
    hasXData = hasXData || s.isXData;
  if (!hasXData)
  {
    OdResBufPtr chain = pObj->xData();
    if (!chain.isNull())
    {
      DxfFields xdata(m_encoder, pObj->database());
      xdata.xdata();
      xdata.xdataChain(chain.get());
      DxfOutput::fields(xdata);
    }
  }
}

const wchar_t* dxfHyperlinkApplication()
{
  return L"PE_URL";
}

std::uint64_t dxfPlotStyleHandle(const DxfFields& out, const OdString& name)
{
  if (const KyDxfSource* source = out.source())
  {
    auto it = source->plotStyles.find(name.wstr());
    if (it != source->plotStyles.end())
      return it->second;
  }
  OdDbDatabase* db = out.database();
  if (!db || db->getNamedObjectsDictionaryId().isNull())
    return 0;
  OdDbDictionaryPtr pNod = db->getNamedObjectsDictionaryId().safeOpenObject();
  OdDbDictionaryPtr pNames = OdDbDictionary::cast(pNod->getAt(L"ACAD_PLOTSTYLENAME", OdDb::kForRead).get());
  return pNames.isNull() ? 0 : static_cast<std::uint64_t>(pNames->getAt(name).getHandle());
}

std::string dxfDimVarName(int index)
{
  std::string name = odDimVarDesc(index).name;
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
  return name;
}

std::string dxfVersionText(int version)
{
  static const std::pair<int, const char*> kReleases[] = {
    {kDxfR12, "R12"},     {1012, "R13"},        {1014, "R14"},        {kDxfR2000, "R2000"}, {kDxfR2004, "R2004"}, {kDxfR2007, "R2007"},
    {kDxfR2010, "R2010"}, {kDxfR2013, "R2013"}, {kDxfR2018, "R2018"}};
  const std::string acadver = "AC" + std::to_string(version);
  for (const auto& release : kReleases)
    if (release.first == version)
      return std::string(release.second) + " (" + acadver + ")";
  return acadver;
}

// ---- registry ------------------------------------------------------------------------------

namespace
{
std::vector<const DxfKindWriter*>& registry()
{
  static std::vector<const DxfKindWriter*> writers;
  return writers;
}
} // namespace

DxfKindWriters::DxfKindWriters(std::initializer_list<const DxfKindWriter*> writers)
{
  for (const DxfKindWriter* w : writers)
    registry().push_back(w);
}

const std::vector<const DxfKindWriter*>& dxfKindWriters()
{
  return registry();
}

const DxfKindWriter* dxfKindWriter(const OdRxClass* cls)
{
  for (const DxfKindWriter* w : registry())
    if (w->desc() == cls)
      return w;
  // A dictionary of a kind of its own (the annotation scales) is written as a dictionary.
  if (cls && cls != OdDbDictionary::desc() && cls->isDerivedFrom(OdDbDictionary::desc()))
    return dxfKindWriter(OdDbDictionary::desc());
  return nullptr;
}
} // namespace kydxf
