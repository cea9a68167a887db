// Glyph counting, the formatting-code reader of multiline contents and its greedy line wrap.
#include "db/text/TextLayout.h"

#include <cwctype>

namespace OdDbTextLayout
{
int glyphCount(const OdString& text)
{
  const std::wstring& s = text.wstr();
  const std::size_t n = s.size();
  int count = 0;
  std::size_t i = 0;
  while (i < n)
  {
    if (s[i] == L'%' && i + 2 < n && s[i + 1] == L'%')
    {
      const wchar_t code = static_cast<wchar_t>(std::towlower(s[i + 2]));
      if (code == L'd' || code == L'p' || code == L'c' || code == L'%')
      {
        ++count;
        i += 3;
        continue;
      }
      if (code == L'u' || code == L'o')
      {
        i += 3;
        continue;
      }
      if (i + 4 < n && std::iswdigit(s[i + 2]) && std::iswdigit(s[i + 3]) && std::iswdigit(s[i + 4]))
      {
        ++count;
        i += 5;
        continue;
      }
    }
    ++count;
    ++i;
  }
  return count;
}

namespace
{
// Index just past the ';' that ends a code's argument (the end of the text when it is missing).
std::size_t skipArgument(const std::wstring& s, std::size_t from)
{
  const std::size_t semicolon = s.find(L';', from);
  return semicolon == std::wstring::npos ? s.size() : semicolon + 1;
}

int hexValue(wchar_t ch)
{
  if (ch >= L'0' && ch <= L'9')
    return ch - L'0';
  if (ch >= L'a' && ch <= L'f')
    return ch - L'a' + 10;
  if (ch >= L'A' && ch <= L'F')
    return ch - L'A' + 10;
  return -1;
}
} // namespace

OdString plainText(const OdString& contents)
{
  const std::wstring& s = contents.wstr();
  const std::size_t n = s.size();
  std::wstring out;
  std::size_t i = 0;
  while (i < n)
  {
    const wchar_t ch = s[i];
    if (ch == L'{' || ch == L'}')
    {
      ++i;
      continue;
    }
    if (ch != L'\\' || i + 1 >= n)
    {
      out += ch;
      ++i;
      continue;
    }
    const wchar_t code = s[i + 1];
    switch (code)
    {
    case L'P':
    case L'N':
      out += L'\n';
      i += 2;
      break;
    case L'~':
      out += L' ';
      i += 2;
      break;
    case L'L':
    case L'l':
    case L'O':
    case L'o':
    case L'K':
    case L'k':
      i += 2;
      break;
    case L'A':
    case L'C':
    case L'c':
    case L'F':
    case L'f':
    case L'H':
    case L'Q':
    case L'T':
    case L'W':
    case L'p':
      i = skipArgument(s, i + 2);
      break;
    case L'S':
    {
      // Stacked fraction or tolerance: numerator and denominator shown as "a/b".
      const std::size_t end = skipArgument(s, i + 2);
      const std::size_t argEnd = (end > i + 2 && end <= n && s[end - 1] == L';') ? end - 1 : end;
      for (std::size_t k = i + 2; k < argEnd; ++k)
        out += (s[k] == L'^' || s[k] == L'#') ? L'/' : s[k];
      i = end;
      break;
    }
    case L'U':
    {
      int value = 0;
      bool ok = i + 6 < n && s[i + 2] == L'+';
      for (std::size_t k = i + 3; ok && k < i + 7; ++k)
      {
        const int digit = hexValue(s[k]);
        ok = digit >= 0;
        value = value * 16 + digit;
      }
      if (ok)
      {
        out += static_cast<wchar_t>(value);
        i += 7;
      }
      else
      {
        out += code;
        i += 2;
      }
      break;
    }
    default:
      // "\\", "\{", "\}" and unknown codes show the escaped character.
      out += code;
      i += 2;
      break;
    }
  }
  return OdString(out);
}

double lineWidth(const OdString& line, double advance)
{
  return line.getLength() * advance;
}

std::vector<OdString> wrapLines(const OdString& plain, double advance, double wrapWidth)
{
  std::vector<OdString> lines;
  const std::wstring& s = plain.wstr();
  if (s.empty())
    return lines;
  const double limit = wrapWidth * (1.0 + 1e-12) + 1e-12;
  std::size_t start = 0;
  while (true)
  {
    const std::size_t end = s.find(L'\n', start);
    const std::wstring paragraph = s.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    if (wrapWidth <= 0.0)
    {
      lines.emplace_back(paragraph);
    }
    else
    {
      std::wstring line;
      std::size_t pos = 0;
      while (pos <= paragraph.size())
      {
        std::size_t space = paragraph.find(L' ', pos);
        if (space == std::wstring::npos)
          space = paragraph.size();
        const std::wstring word = paragraph.substr(pos, space - pos);
        pos = space + 1;
        if (word.empty())
          continue;
        const std::wstring candidate = line.empty() ? word : line + L' ' + word;
        if (line.empty() || static_cast<double>(candidate.size()) * advance <= limit)
        {
          line = candidate;
        }
        else
        {
          lines.emplace_back(line);
          line = word;
        }
      }
      lines.emplace_back(line);
    }
    if (end == std::wstring::npos)
      break;
    start = end + 1;
  }
  return lines;
}
} // namespace OdDbTextLayout
