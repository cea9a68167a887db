// DXF filer defaults (points as one tag per coordinate) and the tag list that keeps tags as
// text for snapshots.
#include <cstdio>
#include <sstream>

#include "DbFiler.h"

void OdDbDxfFiler::wrPoint2d(int groupCode, const OdGePoint2d& value)
{
  wrDouble(groupCode, value.x);
  wrDouble(groupCode + 10, value.y);
}

void OdDbDxfFiler::wrPoint3d(int groupCode, const OdGePoint3d& value)
{
  wrDouble(groupCode, value.x);
  wrDouble(groupCode + 10, value.y);
  wrDouble(groupCode + 20, value.z);
}

void OdDbDxfFiler::wrVector2d(int groupCode, const OdGeVector2d& value)
{
  wrDouble(groupCode, value.x);
  wrDouble(groupCode + 10, value.y);
}

void OdDbDxfFiler::wrVector3d(int groupCode, const OdGeVector3d& value)
{
  wrDouble(groupCode, value.x);
  wrDouble(groupCode + 10, value.y);
  wrDouble(groupCode + 20, value.z);
}

namespace
{
OdString integerText(long long value)
{
  return OdString(std::to_string(value));
}
} // namespace

void OdDbDxfTagList::wrBool(int groupCode, bool value) { add(groupCode, integerText(value ? 1 : 0)); }
void OdDbDxfTagList::wrInt8(int groupCode, OdInt8 value) { add(groupCode, integerText(value)); }
void OdDbDxfTagList::wrUInt8(int groupCode, OdUInt8 value) { add(groupCode, integerText(value)); }
void OdDbDxfTagList::wrInt16(int groupCode, OdInt16 value) { add(groupCode, integerText(value)); }
void OdDbDxfTagList::wrUInt16(int groupCode, OdUInt16 value) { add(groupCode, integerText(value)); }
void OdDbDxfTagList::wrInt32(int groupCode, OdInt32 value) { add(groupCode, integerText(value)); }
void OdDbDxfTagList::wrUInt32(int groupCode, OdUInt32 value) { add(groupCode, integerText(value)); }
void OdDbDxfTagList::wrInt64(int groupCode, OdInt64 value) { add(groupCode, integerText(value)); }

void OdDbDxfTagList::wrDouble(int groupCode, double value)
{
  char buf[64];
  std::snprintf(buf, sizeof(buf), "%.17g", value);
  add(groupCode, OdString(buf));
}

void OdDbDxfTagList::wrBinaryChunk(int groupCode, const OdUInt8* pData, OdUInt32 length)
{
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (OdUInt32 i = 0; i < length; ++i)
  {
    text += digits[pData[i] >> 4];
    text += digits[pData[i] & 0xF];
  }
  add(groupCode, OdString(text));
}

int OdDbDxfTagList::code(int i) const
{
  if (i < 0 || i >= size())
    throw OdError_InvalidIndex();
  return m_tags[static_cast<std::size_t>(i)].first;
}

const OdString& OdDbDxfTagList::value(int i) const
{
  if (i < 0 || i >= size())
    throw OdError_InvalidIndex();
  return m_tags[static_cast<std::size_t>(i)].second;
}

OdString OdDbDxfTagList::find(int groupCode, int from) const
{
  for (int i = from < 0 ? 0 : from; i < size(); ++i)
    if (m_tags[static_cast<std::size_t>(i)].first == groupCode)
      return m_tags[static_cast<std::size_t>(i)].second;
  return OdString();
}

std::vector<OdString> OdDbDxfTagList::values(int groupCode) const
{
  std::vector<OdString> result;
  for (const Tag& tag : m_tags)
    if (tag.first == groupCode)
      result.push_back(tag.second);
  return result;
}

std::string OdDbDxfTagList::toString() const
{
  std::ostringstream out;
  for (const Tag& tag : m_tags)
    out << tag.first << ": " << tag.second.toUtf8() << '\n';
  return out.str();
}
