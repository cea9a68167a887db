// Text decoding of DXF values: plain ASCII is widened directly (the common case, no Qt round
// trip); anything else goes through the file's codec, then the escapes are resolved.
#include "DxfText.h"

#include <QString>
#include <QTextCodec>

#include <cstring>

namespace kydxf
{
namespace
{
struct CodePageName
{
  const char* dxfName;
  const char* codecName;
};

// $DWGCODEPAGE names and the Qt codecs that decode them.
const CodePageName kCodePages[] = {
  {"ANSI_874", "windows-874"},   {"ANSI_932", "Shift_JIS"},     {"ANSI_936", "GBK"},
  {"ANSI_949", "windows-949"},   {"ANSI_950", "Big5"},          {"ANSI_1250", "windows-1250"},
  {"ANSI_1251", "windows-1251"}, {"ANSI_1252", "windows-1252"}, {"ANSI_1253", "windows-1253"},
  {"ANSI_1254", "windows-1254"}, {"ANSI_1255", "windows-1255"}, {"ANSI_1256", "windows-1256"},
  {"ANSI_1257", "windows-1257"}, {"ANSI_1258", "windows-1258"}, {"DOS437", "IBM437"},
  {"DOS850", "IBM850"},          {"DOS852", "IBM852"},          {"DOS855", "IBM855"},
  {"DOS857", "IBM857"},          {"DOS860", "IBM860"},          {"DOS861", "IBM861"},
  {"DOS863", "IBM863"},          {"DOS864", "IBM864"},          {"DOS865", "IBM865"},
  {"DOS866", "IBM866"},          {"DOS869", "IBM869"},          {"DOS932", "Shift_JIS"},
  {"MACINTOSH", "macintosh"},    {"BIG5", "Big5"},              {"GB2312", "GB2312"},
  {"KSC5601", "windows-949"},    {"KOI8-R", "KOI8-R"},          {"KOI8-U", "KOI8-U"},
  {"ISO8859-1", "ISO-8859-1"},   {"ISO8859-2", "ISO-8859-2"},   {"ISO8859-3", "ISO-8859-3"},
  {"ISO8859-4", "ISO-8859-4"},   {"ISO8859-5", "ISO-8859-5"},   {"ISO8859-6", "ISO-8859-6"},
  {"ISO8859-7", "ISO-8859-7"},   {"ISO8859-8", "ISO-8859-8"},   {"ISO8859-9", "ISO-8859-9"},
  {"ISO8859-10", "ISO-8859-10"}, {"ISO8859-13", "ISO-8859-13"}, {"ISO8859-15", "ISO-8859-15"},
  {"UTF8", "UTF-8"},             {"UTF-8", "UTF-8"}};

// Code pages of the "\M+nXXXX" escape, by n.
const char* const kMbcsCodecs[] = {nullptr, "Shift_JIS", "Big5", "windows-949", nullptr, "GBK"};

bool equalsIgnoringCase(std::string_view a, const char* b)
{
  const std::size_t n = std::strlen(b);
  if (a.size() != n)
    return false;
  for (std::size_t i = 0; i < n; ++i)
  {
    char c = a[i];
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
    if (c != b[i])
      return false;
  }
  return true;
}

int hexDigit(QChar c)
{
  const ushort u = c.unicode();
  if (u >= '0' && u <= '9')
    return u - '0';
  if (u >= 'A' && u <= 'F')
    return u - 'A' + 10;
  if (u >= 'a' && u <= 'f')
    return u - 'a' + 10;
  return -1;
}

// The value of four hex digits at s[i], -1 when they are not there.
int hex4(const QString& s, int i)
{
  if (i + 4 > s.size())
    return -1;
  int v = 0;
  for (int k = 0; k < 4; ++k)
  {
    const int d = hexDigit(s[i + k]);
    if (d < 0)
      return -1;
    v = v * 16 + d;
  }
  return v;
}

// Resolves "\U+XXXX" and "\M+nXXXX"; a doubled backslash is an escaped backslash and starts no
// escape. Escapes that do not decode stay as they are.
QString resolveEscapes(const QString& s)
{
  if (!s.contains(QLatin1Char('\\')) && !s.contains(QLatin1Char('^')))
    return s;
  QString out;
  out.reserve(s.size());
  for (int i = 0; i < s.size(); ++i)
  {
    const QChar c = s[i];
    // A caret and the character 64 places on stand for a control character ("^J" a line feed,
    // "^I" a tab). A caret before anything else is itself (multiline texts stack "1^ 2").
    if (c == QLatin1Char('^') && i + 1 < s.size())
    {
      const ushort n = s[i + 1].unicode();
      if (n >= '@' && n <= '_')
      {
        out += QChar(static_cast<ushort>(n - 64));
        ++i;
        continue;
      }
    }
    if (c != QLatin1Char('\\') || i + 1 >= s.size())
    {
      out += c;
      continue;
    }
    const QChar n = s[i + 1];
    if (n == QLatin1Char('\\'))
    {
      out += c;
      out += n;
      ++i;
      continue;
    }
    if ((n == QLatin1Char('U') || n == QLatin1Char('u')) && i + 2 < s.size() && s[i + 2] == QLatin1Char('+'))
    {
      const int v = hex4(s, i + 3);
      if (v >= 0)
      {
        out += QChar(static_cast<ushort>(v));
        i += 6;
        continue;
      }
    }
    if ((n == QLatin1Char('M') || n == QLatin1Char('m')) && i + 3 < s.size() && s[i + 2] == QLatin1Char('+'))
    {
      const int page = s[i + 3].unicode() - '0';
      const int v = hex4(s, i + 4);
      QTextCodec* codec = (page >= 1 && page <= 5 && kMbcsCodecs[page])
                            ? QTextCodec::codecForName(kMbcsCodecs[page])
                            : nullptr;
      if (v >= 0 && codec)
      {
        const char bytes[2] = {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
        QTextCodec::ConverterState state(QTextCodec::ConvertInvalidToNull);
        const QString decoded = codec->toUnicode(bytes, 2, &state);
        if (state.invalidChars == 0 && state.remainingChars == 0 && !decoded.isEmpty())
        {
          out += decoded;
          i += 7;
          continue;
        }
      }
    }
    out += c;
  }
  return out;
}
} // namespace

QTextCodec* dxfCodecForCodePage(std::string_view codePage)
{
  for (const CodePageName& cp : kCodePages)
    if (equalsIgnoringCase(codePage, cp.dxfName))
      return QTextCodec::codecForName(cp.codecName);
  return nullptr;
}

std::string dxfCodePageForAlias(std::string_view alias)
{
  static const CodePageName kAliases[] = {
    {"MAC-ROMAN", "MACINTOSH"}, {"MACROMAN", "MACINTOSH"}, {"MAC_ROMAN", "MACINTOSH"},
    {"APPLE ROMAN", "MACINTOSH"}, {"LATIN1", "ISO8859-1"}, {"LATIN-1", "ISO8859-1"},
    {"ASCII", "ANSI_1252"},      {"US-ASCII", "ANSI_1252"}, {"ANSI", "ANSI_1252"},
    {"SJIS", "ANSI_932"},        {"SHIFT_JIS", "ANSI_932"}, {"GBK", "ANSI_936"},
    {"EUC-KR", "ANSI_949"},      {"UTF_8", "UTF8"}};
  for (const CodePageName& a : kAliases)
    if (equalsIgnoringCase(alias, a.dxfName))
      return a.codecName;
  // "CP1252", "WINDOWS-1252", "ANSI1252", "ISO-8859-2", "IBM850": the number says which.
  std::string upper;
  for (char c : alias)
    upper += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  struct Prefix
  {
    const char* prefix;
    const char* dxfPrefix;
  };
  static const Prefix kPrefixes[] = {{"WINDOWS-", "ANSI_"}, {"WINDOWS", "ANSI_"}, {"ANSI", "ANSI_"}, {"CP", "ANSI_"},
                                     {"ISO-8859-", "ISO8859-"}, {"ISO_8859-", "ISO8859-"}, {"ISO8859_", "ISO8859-"},
                                     {"IBM", "DOS"}, {"DOS-", "DOS"}, {"DOS_", "DOS"}};
  for (const Prefix& p : kPrefixes)
  {
    const std::size_t n = std::strlen(p.prefix);
    if (upper.size() <= n || upper.compare(0, n, p.prefix) != 0)
      continue;
    const std::string number = upper.substr(n);
    if (number.find_first_not_of("0123456789") != std::string::npos)
      continue;
    std::string candidate = p.dxfPrefix + number;
    // Code pages of the DOS family are named "CP850" as often as "CP1252".
    if (std::strcmp(p.prefix, "CP") == 0 && number.size() == 3)
      candidate = "DOS" + number;
    if (dxfCodecForCodePage(candidate))
      return candidate;
  }
  return std::string();
}

DxfTextDecoder::DxfTextDecoder()
{
  use(QTextCodec::codecForName("windows-1252"));
}

void DxfTextDecoder::use(QTextCodec* codec)
{
  m_codec = codec;
  m_utf8 = codec->mibEnum() == 106;
  m_asciiBackslash = codec->toUnicode("\\", 1) == QLatin1String("\\");
}

void DxfTextDecoder::setUtf8()
{
  use(QTextCodec::codecForName("UTF-8"));
}

bool DxfTextDecoder::setCodePage(std::string_view codePage)
{
  QTextCodec* codec = dxfCodecForCodePage(codePage);
  if (!codec)
    return false;
  use(codec);
  return true;
}

bool DxfTextDecoder::decode(std::string_view bytes, OdString& text) const
{
  // ASCII without the escapes resolved below ("\U+", "\M+") decodes to itself in every code
  // page that reads the backslash as a backslash; a backslash followed by U or M is left to
  // the full decoding, whether it starts an escape or not.
  bool plain = true;
  const std::size_t n = bytes.size();
  for (std::size_t i = 0; i < n && plain; ++i)
  {
    const char c = bytes[i];
    if (static_cast<unsigned char>(c) >= 0x80 || c == '^')
      plain = false;
    else if (c == '\\')
    {
      const char e = i + 1 < n ? bytes[i + 1] : '\0';
      plain = m_asciiBackslash && e != 'U' && e != 'u' && e != 'M' && e != 'm';
    }
  }
  if (plain)
  {
    text = OdString(std::wstring(bytes.begin(), bytes.end()));
    return true;
  }
  QTextCodec::ConverterState state(QTextCodec::ConvertInvalidToNull);
  if (m_utf8)
  {
    const QString decoded = m_codec->toUnicode(bytes.data(), static_cast<int>(bytes.size()), &state);
    if (state.invalidChars != 0 || state.remainingChars != 0)
      return false;
    text = OdString(resolveEscapes(decoded).toStdWString());
    return true;
  }
  // Code page codecs mark bad bytes with U+FFFD (which no code page encodes) and drop a lead
  // byte left dangling at the end; a trailing blank turns the latter into U+FFFD as well.
  QByteArray padded(bytes.data(), static_cast<int>(bytes.size()));
  padded.append(' ');
  QString decoded = m_codec->toUnicode(padded.constData(), padded.size(), &state);
  if (state.invalidChars != 0 || decoded.contains(QChar(0xFFFD)) || !decoded.endsWith(QLatin1Char(' ')))
    return false;
  decoded.chop(1);
  text = OdString(resolveEscapes(decoded).toStdWString());
  return true;
}
std::string DxfTextDecoder::decodeLossy(std::string_view bytes, OdString& text) const
{
  const int n = static_cast<int>(bytes.size());
  if (m_utf8)
  {
    QTextCodec* latin = QTextCodec::codecForName("windows-1252");
    text = OdString(resolveEscapes(latin->toUnicode(bytes.data(), n)).toStdWString());
    return "read the text as ANSI_1252";
  }
  QString decoded = m_codec->toUnicode(bytes.data(), n);
  text = OdString(resolveEscapes(decoded).toStdWString());
  return "replaced the bytes that do not decode with U+FFFD";
}
} // namespace kydxf
