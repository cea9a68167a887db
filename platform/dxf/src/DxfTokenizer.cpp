// Group-code / value tokenizer of ASCII DXF: one memchr per line, hand-rolled integer parsing
// and std::from_chars for reals, so a large file is split at memory speed.
#include "DxfTokenizer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

#include <sys/mman.h>
#include <unistd.h>

namespace kydxf
{
namespace
{
const int kMaxCode = 1071;

std::array<DxfValueKind, kMaxCode + 1> makeKinds()
{
  std::array<DxfValueKind, kMaxCode + 1> k{};
  auto set = [&k](int from, int to, DxfValueKind kind) {
    for (int c = from; c <= to; ++c)
      k[c] = kind;
  };
  // Codes the format leaves unassigned are read as text: some writers use them in their own
  // objects, and the reader never interprets them.
  set(0, kMaxCode, DxfValueKind::Text);
  set(10, 59, DxfValueKind::Real);
  set(60, 79, DxfValueKind::Int16);
  set(90, 99, DxfValueKind::Int32);
  set(110, 149, DxfValueKind::Real);
  set(160, 169, DxfValueKind::Int64);
  set(170, 179, DxfValueKind::Int16);
  set(210, 239, DxfValueKind::Real);
  set(270, 289, DxfValueKind::Int16);
  set(290, 299, DxfValueKind::Bool);
  set(370, 389, DxfValueKind::Int16);
  set(400, 409, DxfValueKind::Int16);
  set(420, 429, DxfValueKind::Int32);
  set(440, 459, DxfValueKind::Int32);
  set(460, 469, DxfValueKind::Real);
  set(1010, 1059, DxfValueKind::Real);
  set(1060, 1070, DxfValueKind::Int16);
  set(1071, 1071, DxfValueKind::Int32);
  return k;
}

const std::array<DxfValueKind, kMaxCode + 1> g_kinds = makeKinds();

inline bool isBlank(char c)
{
  return c == ' ' || c == '\t';
}

// Signed decimal integer filling the whole text; false on anything else or on overflow of int64.
bool parseInteger(std::string_view text, std::int64_t& value)
{
  const char* p = text.data();
  const char* end = p + text.size();
  bool negative = false;
  if (p != end && (*p == '-' || *p == '+'))
    negative = *p++ == '-';
  if (p == end)
    return false;
  std::uint64_t v = 0;
  for (; p != end; ++p)
  {
    const unsigned d = static_cast<unsigned char>(*p) - '0';
    if (d > 9)
      return false;
    if (v > (UINT64_MAX - d) / 10)
      return false;
    v = v * 10 + d;
  }
  if (negative)
  {
    if (v > static_cast<std::uint64_t>(INT64_MAX) + 1)
      return false;
    value = static_cast<std::int64_t>(0 - v);
  }
  else
  {
    if (v > static_cast<std::uint64_t>(INT64_MAX))
      return false;
    value = static_cast<std::int64_t>(v);
  }
  return true;
}

std::string quoted(std::string_view text)
{
  std::string s = "'";
  // Long or binary garbage is cut so that the message stays readable.
  for (char c : text.substr(0, 40))
    s += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
  if (text.size() > 40)
    s += "...";
  s += "'";
  return s;
}

[[noreturn]] void badValue(int line, int code, std::string_view text, const char* what)
{
  throw DxfError{line + 1, "group code " + std::to_string(code) + ": " + quoted(text) + " is not " + what};
}
} // namespace

DxfValueKind dxfValueKind(int code)
{
  if (code < 0 || code > kMaxCode)
    return DxfValueKind::Invalid;
  return g_kinds[static_cast<std::size_t>(code)];
}

std::string_view dxfTrim(std::string_view text)
{
  std::size_t b = 0, e = text.size();
  while (b < e && isBlank(text[b]))
    ++b;
  while (e > b && isBlank(text[e - 1]))
    --e;
  return text.substr(b, e - b);
}

bool dxfParseHandle(std::string_view text, std::uint64_t& value)
{
  text = dxfTrim(text);
  if (text.empty() || text.size() > 16)
    return false;
  std::uint64_t v = 0;
  for (char c : text)
  {
    unsigned d;
    if (c >= '0' && c <= '9')
      d = static_cast<unsigned>(c - '0');
    else if (c >= 'A' && c <= 'F')
      d = static_cast<unsigned>(c - 'A' + 10);
    else if (c >= 'a' && c <= 'f')
      d = static_cast<unsigned>(c - 'a' + 10);
    else
      return false;
    v = (v << 4) | d;
  }
  value = v;
  return true;
}

std::string dxfHex(std::uint64_t value)
{
  static const char digits[] = "0123456789ABCDEF";
  std::string s;
  do
  {
    s.insert(s.begin(), digits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return s;
}

namespace
{
// Data behind the cursor is released in steps of this size, keeping this much of it.
const std::size_t kReleaseStep = 8u << 20;
const std::size_t kReleaseKeep = 1u << 20;
} // namespace

DxfTokenizer::DxfTokenizer(const char* data, std::size_t size)
  : m_pos(data), m_end(data + size), m_released(data), m_nextRelease(data + kReleaseStep)
{
}

void DxfTokenizer::releaseConsumed()
{
  const std::uintptr_t page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const std::uintptr_t from = (reinterpret_cast<std::uintptr_t>(m_released) + page - 1) & ~(page - 1);
  const std::uintptr_t to = (reinterpret_cast<std::uintptr_t>(m_pos) - kReleaseKeep) & ~(page - 1);
  if (to > from)
  {
    madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED);
    m_released = reinterpret_cast<const char*>(to);
  }
  m_nextRelease = m_pos + kReleaseStep;
}

bool DxfTokenizer::readLine(std::string_view& line)
{
  if (m_pos == m_end)
    return false;
  const char* nl = static_cast<const char*>(std::memchr(m_pos, '\n', static_cast<std::size_t>(m_end - m_pos)));
  const char* lineEnd = nl ? nl : m_end;
  const char* textEnd = lineEnd;
  if (textEnd != m_pos && textEnd[-1] == '\r')
    --textEnd;
  line = std::string_view(m_pos, static_cast<std::size_t>(textEnd - m_pos));
  m_pos = nl ? nl + 1 : m_end;
  ++m_line;
  if (m_releasePages && m_pos >= m_nextRelease)
    releaseConsumed();
  return true;
}

bool DxfTokenizer::next(DxfTag& tag)
{
  if (m_pushedBack)
  {
    m_pushedBack = false;
    tag = m_last;
    return true;
  }
  std::string_view codeLine;
  if (!readLine(codeLine))
    return false;
  const std::string_view codeText = dxfTrim(codeLine);

  tag.line = m_line;
  std::int64_t code = 0;
  if (!parseInteger(codeText, code) || code < INT32_MIN || code > INT32_MAX)
    throw DxfError{m_line, "malformed group code " + quoted(codeText)};
  tag.code = static_cast<int>(code);
  const DxfValueKind kind = dxfValueKind(tag.code);
  if (kind == DxfValueKind::Invalid)
    throw DxfError{m_line, "invalid group code " + std::to_string(code)};

  std::string_view value;
  if (!readLine(value))
    throw DxfError{m_line, "group code " + std::to_string(code) + " has no value (the file ends here)"};
  if (std::memchr(value.data(), '\0', value.size()))
    throw DxfError{m_line, "binary data (a NUL byte) in a text file"};

  tag.real = 0.0;
  tag.integer = 0;
  switch (kind)
  {
  case DxfValueKind::Real:
  {
    value = dxfTrim(value);
    const char* first = value.data();
    const char* last = first + value.size();
    if (first != last && *first == '+')
      ++first;
    const auto res = std::from_chars(first, last, tag.real);
    if (res.ec != std::errc() || res.ptr != last || first == last)
      badValue(tag.line, tag.code, value, "a number");
    if (!std::isfinite(tag.real))
      badValue(tag.line, tag.code, value, "a finite number");
    break;
  }
  case DxfValueKind::Int16:
  case DxfValueKind::Bool:
    value = dxfTrim(value);
    // Some writers put unsigned 16-bit values here; both readings are accepted.
    if (!parseInteger(value, tag.integer) || tag.integer < INT16_MIN || tag.integer > UINT16_MAX)
      badValue(tag.line, tag.code, value, "a 16-bit integer");
    break;
  case DxfValueKind::Int32:
    value = dxfTrim(value);
    if (!parseInteger(value, tag.integer) || tag.integer < INT32_MIN || tag.integer > UINT32_MAX)
      badValue(tag.line, tag.code, value, "a 32-bit integer");
    break;
  case DxfValueKind::Int64:
    value = dxfTrim(value);
    if (!parseInteger(value, tag.integer))
      badValue(tag.line, tag.code, value, "a 64-bit integer");
    break;
  case DxfValueKind::Text:
  case DxfValueKind::Invalid:
    break;
  }
  tag.text = value;
  m_last = tag;
  return true;
}
} // namespace kydxf
