// Group-code / value tokenizer of ASCII DXF: the usual tags are parsed in one pass over their
// two lines, with hand-rolled integer parsing and std::from_chars for reals, so a large file is
// split at memory speed.
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

// The first line feed or NUL byte from q on, or end: eight bytes at a time (a byte b is found
// where (b - 1) & ~b has its high bit, the lowest such byte being the first).
const char* lineFeedOrNul(const char* q, const char* end)
{
  static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the lowest byte of a word is its first");
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
  constexpr std::uint64_t kLineFeeds = kOnes * '\n';
  for (; end - q >= 8; q += 8)
  {
    std::uint64_t w;
    std::memcpy(&w, q, sizeof w);
    const std::uint64_t x = w ^ kLineFeeds;
    const std::uint64_t hits = (((w - kOnes) & ~w) | ((x - kOnes) & ~x)) & kHighs;
    if (hits)
      return q + (__builtin_ctzll(hits) >> 3);
  }
  while (q != end && *q != '\n' && *q != '\0')
    ++q;
  return q;
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

[[noreturn]] void nulByte(int line)
{
  throw DxfError{line, "binary data (a NUL byte) in a text file"};
}

// A number written with a decimal comma for its point, as writers under some locales do: digits
// around exactly one comma, no point, no exponent. False for anything else.
bool readDecimalComma(std::string_view text, double& value)
{
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos || comma == 0 ||
      comma + 1 == text.size())
    return false;
  std::string point(text);
  point[comma] = '.';
  std::size_t i = point[0] == '-' ? 1 : 0;
  if (i == comma)
    return false;
  for (; i < point.size(); ++i)
    if (i != comma && static_cast<unsigned>(point[i] - '0') > 9)
      return false;
  const auto res = std::from_chars(point.data(), point.data() + point.size(), value);
  return res.ec == std::errc() && res.ptr == point.data() + point.size();
}

// A number that does not parse; a NUL byte in it says more about the file than the value does.
[[noreturn]] void badNumber(int line, int code, std::string_view text, const char* what)
{
  if (std::memchr(text.data(), '\0', text.size()))
    nulByte(line + 1);
  badValue(line, code, text, what);
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

const char* DxfTokenizer::afterLineEnd(const char* p) const
{
  while (p != m_end && isBlank(*p))
    ++p;
  if (p != m_end && *p == '\n')
    return p + 1;
  if (p != m_end && *p == '\r' && p + 1 != m_end && p[1] == '\n')
    return p + 2;
  return nullptr;
}

bool DxfTokenizer::nextSimple(DxfTag& tag)
{
  const char* p = m_pos;
  const char* const end = m_end;
  while (p != end && *p == ' ')
    ++p;
  const char* const digits = p;
  const char* const digitsEnd = end - p > 9 ? p + 9 : end;
  int code = 0;
  for (unsigned d; p != digitsEnd && (d = static_cast<unsigned>(*p - '0')) <= 9; ++p)
    code = code * 10 + static_cast<int>(d);
  const char* value = p == digits ? nullptr : afterLineEnd(p);
  const DxfValueKind kind = dxfValueKind(code);
  if (!value || value == end || kind == DxfValueKind::Invalid)
    return false;

  const char* textBegin = value;
  const char* textEnd;
  const char* after;
  double real = 0.0;
  std::int64_t integer = 0;
  if (kind == DxfValueKind::Text || !m_parseNumbers)
  {
    // The line's end, or a NUL byte before it (read line by line, which reports it).
    const char* nl = lineFeedOrNul(value, end);
    if (nl == end || *nl != '\n')
      return false;
    textEnd = nl != value && nl[-1] == '\r' ? nl - 1 : nl;
    // An object's kind is a name: " EOF" or "LINE " (blanks some writers pad with) is EOF or LINE.
    // A number stands without the blanks around it.
    if (code == 0 || kind != DxfValueKind::Text)
    {
      while (textBegin != textEnd && isBlank(*textBegin))
        ++textBegin;
      while (textEnd != textBegin && isBlank(textEnd[-1]))
        --textEnd;
    }
    after = nl + 1;
  }
  else
  {
    while (textBegin != end && isBlank(*textBegin))
      ++textBegin;
    const char* q = textBegin;
    if (kind == DxfValueKind::Real)
    {
      if (q != end && *q == '+')
        ++q;
      const auto res = std::from_chars(q, end, real);
      if (res.ec != std::errc() || res.ptr == q || !std::isfinite(real))
        return false;
      textEnd = res.ptr;
    }
    else
    {
      const bool negative = q != end && *q == '-';
      if (q != end && (*q == '-' || *q == '+'))
        ++q;
      const char* const first = q;
      // 18 digits cannot overflow.
      const char* const last = end - q > 18 ? q + 18 : end;
      std::uint64_t v = 0;
      for (unsigned d; q != last && (d = static_cast<unsigned>(*q - '0')) <= 9; ++q)
        v = v * 10 + d;
      if (q == first)
        return false;
      integer = negative ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v);
      const bool inRange = kind == DxfValueKind::Int64 ||
                           (kind == DxfValueKind::Int32 ? integer >= INT32_MIN && integer <= UINT32_MAX
                                                        : integer >= INT16_MIN && integer <= UINT16_MAX);
      if (!inRange)
        return false;
      textEnd = q;
    }
    after = afterLineEnd(textEnd);
    if (!after)
      return false;
  }

  tag.code = code;
  tag.line = m_line + 1;
  tag.text = std::string_view(textBegin, static_cast<std::size_t>(textEnd - textBegin));
  tag.real = real;
  tag.integer = integer;
  m_line += 2;
  m_pos = after;
  if (m_releasePages && m_pos >= m_nextRelease)
    releaseConsumed();
  return true;
}

namespace
{
// One tag in the written form (see DxfTokenizer::WrittenGroup): its code and value, and p moved
// past it; false, p as it was, for a tag in another form.
bool writtenTag(const char*& p, const char* end, bool crlf, int& code, std::string_view& value)
{
  const char* q = p;
  while (q != end && *q == ' ')
    ++q;
  const char* const digits = q;
  int c = 0;
  for (unsigned d; q != end && q - digits < 5 && (d = static_cast<unsigned>(*q - '0')) <= 9; ++q)
    c = c * 10 + static_cast<int>(d);
  const std::ptrdiff_t width = c < 10 ? 1 : c < 100 ? 2 : c < 1000 ? 3 : 4;
  if (q - digits != width || digits - p != (width < 3 ? 3 - width : 0))
    return false;
  const DxfValueKind kind = dxfValueKind(c);
  if (kind == DxfValueKind::Invalid)
    return false;
  if (crlf)
  {
    if (end - q < 2 || q[0] != '\r' || q[1] != '\n')
      return false;
    q += 2;
  }
  else
  {
    if (q == end || *q != '\n')
      return false;
    ++q;
  }
  const char* const v = q;
  q = lineFeedOrNul(q, end);
  if (q == end || *q != '\n')
    return false;
  const char* textEnd = q;
  if (textEnd != v && textEnd[-1] == '\r')
  {
    if (!crlf)
      return false;
    --textEnd;
  }
  else if (crlf)
    return false;
  if ((c == 0 || kind != DxfValueKind::Text) && textEnd != v && (isBlank(*v) || isBlank(textEnd[-1])))
    return false;
  code = c;
  value = std::string_view(v, static_cast<std::size_t>(textEnd - v));
  p = q + 1;
  return true;
}
} // namespace

bool DxfTokenizer::peekWrittenGroup(bool crlf, WrittenGroup& group) const
{
  const char* p = nextTagStart();
  const char* const begin = p;
  int code = -1;
  std::string_view value;
  if (!writtenTag(p, m_end, crlf, code, value) || code != 0)
    return false;
  group.kind = value;
  int tags = 1;
  for (;;)
  {
    const char* const at = p;
    if (at == m_end)
      break;
    if (!writtenTag(p, m_end, crlf, code, value))
      return false;
    if (code == 0)
    {
      p = at;
      break;
    }
    ++tags;
  }
  group.begin = begin;
  group.end = p;
  group.line = lineBeforeNextTag() + 1;
  group.nextLine = group.line + 2 * tags;
  return true;
}

void DxfTokenizer::skipGroup(const WrittenGroup& group)
{
  m_pushedBack = false;
  m_pos = group.end;
  m_line = group.nextLine - 1;
  if (m_releasePages && m_pos >= m_nextRelease)
    releaseConsumed();
}

bool DxfTokenizer::resync()
{
  auto isKindName = [](std::string_view t) {
    if (t.empty() || t.size() > 64)
      return false;
    for (char c : t)
      if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$' || c == '-'))
        return false;
    return t[0] >= 'A' && t[0] <= 'Z';
  };
  std::string_view line;
  for (;;)
  {
    const char* lineStart = m_pos;
    const int lineNumber = m_line;
    if (!readLine(line))
      return false;
    if (dxfTrim(line) != "0")
      continue;
    const char* nameStart = m_pos;
    const int nameNumber = m_line;
    std::string_view name;
    if (!readLine(name))
      return false;
    if (isKindName(dxfTrim(name)))
    {
      // The "0" tag is read next.
      m_pos = lineStart;
      m_line = lineNumber;
      return true;
    }
    m_pos = nameStart;
    m_line = nameNumber;
  }
}

bool DxfTokenizer::next(DxfTag& tag)
{
  if (m_pushedBack)
  {
    m_pushedBack = false;
    tag = m_last;
    return true;
  }
  m_lastStart = m_pos;
  m_lastStartLine = m_line;
  if (nextSimple(tag))
  {
    m_last = tag;
    return true;
  }
  std::string_view codeLine;
  if (!readLine(codeLine))
    return false;
  const std::string_view codeText = dxfTrim(codeLine);

  tag.line = m_line;
  std::int64_t code = 0;
  if (!parseInteger(codeText, code) || code < INT32_MIN || code > INT32_MAX)
  {
    DxfError problem{m_line, "malformed group code " + quoted(codeText)};
    if (!m_dropValues || std::memchr(codeLine.data(), '\0', codeLine.size()))
      throw problem;
    // The tags are out of step (a value broken over two lines, a line lost): reading goes on at
    // the next object, a "0" line followed by the name of a kind.
    // A file cut in the middle of a tag has no next object: what came before it is kept.
    const int from = m_line;
    const bool atNextObject = resync();
    m_problem = problem;
    m_problemAction = "passed over lines " + std::to_string(from) + " to " + std::to_string(m_line) +
                      (atNextObject ? " up to the next object" : ", the end of the file");
    tag.code = kDroppedTag;
    tag.text = std::string_view();
    m_last = tag;
    return true;
  }
  tag.code = static_cast<int>(code);
  const DxfValueKind kind = dxfValueKind(tag.code);
  if (kind == DxfValueKind::Invalid && !m_dropValues)
    throw DxfError{m_line, "invalid group code " + std::to_string(code)};

  std::string_view value;
  if (!readLine(value))
  {
    if (m_dropValues)
      return false;
    throw DxfError{m_line, "group code " + std::to_string(code) + " has no value (the file ends here)"};
  }

  tag.real = 0.0;
  tag.integer = 0;
  if (kind == DxfValueKind::Invalid)
  {
    if (std::memchr(value.data(), '\0', value.size()))
      nulByte(m_line);
    m_problem = DxfError{tag.line, "invalid group code " + std::to_string(code)};
    m_problemAction = "dropped the value";
    tag.code = kDroppedTag;
    tag.text = value;
    m_last = tag;
    return true;
  }
  try
  {
  // A number that parses holds no NUL byte; other values are searched for one before anything
  // is said about them.
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
    {
      if (!readDecimalComma(std::string_view(first, static_cast<std::size_t>(last - first)), tag.real))
        badNumber(tag.line, tag.code, value, "a number");
      if (m_noteRepairs)
      {
        // The value is read; a note about it goes first, and the tag follows.
        std::string point(value);
        point[point.find(',')] = '.';
        m_problem = DxfError{tag.line + 1, "group code " + std::to_string(tag.code) + ": " + quoted(value) +
                                             " has a decimal comma"};
        m_problemAction = "read it as " + point;
        tag.text = value;
        m_last = tag;
        m_pushedBack = true;
        tag.code = kRepairedValueTag;
        return true;
      }
    }
    if (!std::isfinite(tag.real))
      badNumber(tag.line, tag.code, value, "a finite number");
    break;
  }
  case DxfValueKind::Int16:
  case DxfValueKind::Bool:
    value = dxfTrim(value);
    // Some writers put unsigned 16-bit values here; both readings are accepted.
    if (!parseInteger(value, tag.integer) || tag.integer < INT16_MIN || tag.integer > UINT16_MAX)
      badNumber(tag.line, tag.code, value, "a 16-bit integer");
    break;
  case DxfValueKind::Int32:
    value = dxfTrim(value);
    if (!parseInteger(value, tag.integer) || tag.integer < INT32_MIN || tag.integer > UINT32_MAX)
      badNumber(tag.line, tag.code, value, "a 32-bit integer");
    break;
  case DxfValueKind::Int64:
    value = dxfTrim(value);
    if (!parseInteger(value, tag.integer))
      badNumber(tag.line, tag.code, value, "a 64-bit integer");
    break;
  case DxfValueKind::Text:
  case DxfValueKind::Invalid:
    if (tag.code == 0)
      value = dxfTrim(value);
    if (std::memchr(value.data(), '\0', value.size()))
      nulByte(m_line);
    break;
  }
  }
  catch (const DxfError& e)
  {
    // A NUL byte says the file is binary: that stays an error.
    if (!m_dropValues || e.message.compare(0, 11, "binary data") == 0)
      throw;
    m_problem = e;
    m_problemAction = "dropped the value";
    tag.code = kDroppedTag;
  }
  tag.text = value;
  m_last = tag;
  return true;
}
} // namespace kydxf
