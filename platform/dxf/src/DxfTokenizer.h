// DxfTokenizer: splits an ASCII DXF text held in memory into group-code / value tags without
// copying or allocating. Numeric values are parsed (and checked) as the tag is read, by the kind
// its group code carries; texts stay views into the buffer, which must outlive the tokenizer.
#ifndef KY_DXF_TOKENIZER_H
#define KY_DXF_TOKENIZER_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kydxf
{
// A problem in the file at a line (1-based); the reader turns it into "<file>:<line>: <text>".
struct DxfError
{
  int line;
  std::string message;
};

// The data ends where the reader goes on reading what it has (the repair is recorded).
struct DxfEnd
{
};

enum class DxfValueKind : std::uint8_t
{
  Invalid,
  Text,
  Real,
  Int16,
  Int32,
  Int64,
  Bool
};

// The kind of value a group code carries; Invalid for codes no DXF file uses.
DxfValueKind dxfValueKind(int code);

struct DxfTag
{
  int code = 0;
  // Line of the group code; the value is on the next line.
  int line = 0;
  // The value line without its line break (and, for numbers, without surrounding blanks).
  std::string_view text;
  double real = 0.0;
  std::int64_t integer = 0;

  bool is(int c, std::string_view t) const { return code == c && text == t; }
};

class DxfTokenizer
{
public:
  DxfTokenizer(const char* data, std::size_t size);

  // Reads the next tag; false at the end of the data. Throws DxfError for a malformed group
  // code, a missing value line or a value that does not parse for its code. When values may be
  // dropped, a value that does not parse and a group code no file uses give a tag with the code
  // kDroppedTag instead, whose problem() says what was wrong; a malformed group code (the tags
  // out of step) makes the reading go on at the next object; a value line missing at the end of
  // the data is the end of the data.
  bool next(DxfTag& tag);
  void allowDroppedValues(bool allow) { m_dropValues = allow; }
  static const int kDroppedTag = -1;
  // A value read in spite of a bend (a decimal comma). When notes are asked for, such a tag is
  // preceded by one with the code kRepairedValueTag whose problem() and problemAction() say
  // what was read; otherwise the tag comes alone.
  void noteRepairedValues(bool note) { m_noteRepairs = note; }
  static const int kRepairedValueTag = -2;
  const DxfError& problem() const { return m_problem; }
  // What was done about it: the value dropped, or lines passed over to the next object.
  const std::string& problemAction() const { return m_problemAction; }
  // The next call of next() delivers the last tag again.
  void pushBack() { m_pushedBack = true; }
  // Line of the last line read (for messages about a missing end).
  int lastLine() const { return m_line; }
  // For data mapped from a file: pages far behind the cursor are handed back to the system as
  // the reading goes on (they read back from the file if touched again), so a large file does
  // not stay resident while the drawing is built.
  void releasePagesBehind(bool release) { m_releasePages = release; }
  // Without numbers, the values of numeric codes are delivered as their text alone (the same
  // text as when they parse), unchecked and with real and integer 0: for readers of a text that
  // was read with its numbers before and that need most values only as they stand.
  void parseNumbers(bool parse) { m_parseNumbers = parse; }
  // Where the tag that next() delivers next starts (also when it is the last tag pushed back),
  // and the line before it.
  const char* nextTagStart() const { return m_pushedBack ? m_lastStart : m_pos; }
  int lineBeforeNextTag() const { return m_pushedBack ? m_lastStartLine : m_line; }
  // Starts counting lines after line (for a part of a text cut out of it at a tag's start).
  void setLineBefore(int line) { m_line = line; }

  // An object whose text is in the form a writer gives it, found without reading its tags one
  // by one: a 0 tag and the tags up to the next 0 tag (or the end of the data), each a code
  // right-aligned in three columns (four digits standing as they are) of a kind files use, then
  // the value, each line ended by "\r\n" (crlf) or "\n" alone, no blanks around a number or
  // a kind's name and no NUL byte. Such an object reads as those tags and nothing else.
  struct WrittenGroup
  {
    std::string_view kind;
    const char* begin;
    const char* end;
    // Line of the 0 tag, and of the tag after the group.
    int line;
    int nextLine;
  };
  // The object that starts at the next tag, when it is in that form; false (nothing read) when
  // it is not.
  bool peekWrittenGroup(bool crlf, WrittenGroup& group) const;
  // Goes on after the object peekWrittenGroup() found, as if its tags were read.
  void skipGroup(const WrittenGroup& group);

private:
  // The usual shape of a tag read in one pass over its two lines: a group code of plain digits
  // and a value that ends its line and parses. False, with nothing changed, for anything else;
  // next() then reads the tag line by line, which also reports what is wrong.
  bool nextSimple(DxfTag& tag);
  // Just past the line break at p (blanks before it allowed); null when p is not at one.
  const char* afterLineEnd(const char* p) const;
  bool readLine(std::string_view& line);
  void releaseConsumed();

  // After a malformed group code: moves to the next "0" line followed by a kind's name; false
  // when there is none.
  bool resync();

  const char* m_pos;
  const char* m_end;
  int m_line = 0;
  DxfTag m_last;
  bool m_pushedBack = false;
  bool m_releasePages = false;
  bool m_dropValues = false;
  bool m_noteRepairs = false;
  bool m_parseNumbers = true;
  // Where the last tag read starts, and the line before it.
  const char* m_lastStart = nullptr;
  int m_lastStartLine = 0;
  DxfError m_problem;
  std::string m_problemAction;
  const char* m_released;
  const char* m_nextRelease;
};

// Parses hexadecimal handle text (1..16 digits, surrounding blanks allowed); false otherwise.
bool dxfParseHandle(std::string_view text, std::uint64_t& value);

std::string_view dxfTrim(std::string_view text);
// The group code of an object's own handle: 105 in a DIMSTYLE record, 5 everywhere else.
inline int dxfHandleCode(std::string_view kind)
{
  return kind == "DIMSTYLE" ? 105 : 5;
}
// Upper-case hexadecimal, as handles are written.
std::string dxfHex(std::uint64_t value);
} // namespace kydxf

#endif
