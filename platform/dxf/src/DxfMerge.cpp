// DxfMerge: lines a source object's owned tags up with its kind writer's fields (see DxfMerge.h).
#include "DxfMerge.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kydxf
{
namespace
{
bool isHandleCode(int code)
{
  return code == 5 || code == 105 || (code >= 320 && code <= 369) || (code >= 390 && code <= 399) ||
         (code >= 480 && code <= 481) || code == 1005;
}

// One segment of the source object: the tags from a subclass marker (or the start) up to the next
// marker, or the extended data.
struct SourceSegment
{
  std::string_view marker;
  std::size_t begin;
  std::size_t end;
  bool isXData = false;
};

// What happens at a source tag: fields written before it, and whether it stays, is replaced or
// is left out.
struct TagPlan
{
  std::vector<const DxfOutTag*> before;
  const DxfOutTag* replacement = nullptr;
  bool owned = false;
  bool keep = true;
};
} // namespace

bool dxfSameValue(const DxfTag& tag, const DxfOutTag& field, const DxfMergeContext& context)
{
  if (tag.code != field.code)
    return false;
  switch (dxfValueKind(tag.code))
  {
  case DxfValueKind::Real:
  {
    // A number the reader read with a decimal comma goes out in its repaired form.
    if (tag.text.find(',') != std::string_view::npos)
      return false;
    // The text of a real field is its value's shortest form, which reads back as the value.
    const double v = field.hasReal ? field.real : std::strtod(field.value.c_str(), nullptr);
    if (v == tag.real)
      return true;
    // An angle written in degrees after a trip through radians may differ in its last bit.
    return std::fabs(v - tag.real) <= 1e-14 * std::max(std::fabs(v), std::fabs(tag.real));
  }
  case DxfValueKind::Int16:
  case DxfValueKind::Int32:
  case DxfValueKind::Int64:
  case DxfValueKind::Bool: return std::strtoll(field.value.c_str(), nullptr, 10) == tag.integer;
  case DxfValueKind::Text:
  {
    if (tag.text == field.value)
      return true;
    if (isHandleCode(tag.code))
    {
      std::uint64_t a = 0, b = 0;
      return dxfParseHandle(tag.text, a) && dxfParseHandle(field.value, b) && a == b;
    }
    OdString text;
    if (!context.decoder.decode(tag.text, text))
      return false;
    return context.encoder.text(text) == field.value;
  }
  case DxfValueKind::Invalid: break;
  }
  return false;
}

void dxfMerge(const std::vector<DxfTag>& group, const DxfFields& fields, const DxfMergeContext& context,
              const std::function<void(const DxfTag&)>& copy,
              const std::function<void(int, const std::string&)>& emit)
{
  const std::size_t n = group.size();
  // Segments, and the tags inside application groups ("{ACAD_REACTORS" ... "}"), which belong to
  // the object's structure.
  std::vector<SourceSegment> segments;
  // The object's structure: application groups, markers, its handle and its owner.
  enum Role : char
  {
    kOwnable,
    kAppGroup,
    kMarker,
    kHandle,
    kOwner
  };
  std::vector<char> role(n, kOwnable);
  segments.push_back({std::string_view(), 1, n, false});
  // Where the application group open at a tag ends: at its "}", or, not closed, where the
  // reader ended it (before the next subclass marker, extended data or group tag).
  std::size_t appGroupEnd = 0;
  std::vector<std::size_t> unclosedEnds;
  for (std::size_t i = 1; i < n; ++i)
  {
    const DxfTag& t = group[i];
    if (i < appGroupEnd)
    {
      role[i] = kAppGroup;
      continue;
    }
    if (t.code == 102)
    {
      role[i] = kAppGroup;
      if (t.text.empty() || t.text.front() != '{')
        continue;
      std::size_t j = i + 1;
      while (j < n && group[j].code != 102)
        ++j;
      if (j < n && group[j].text == "}")
        appGroupEnd = j + 1;
      else
      {
        appGroupEnd = i + 1;
        while (appGroupEnd < n && group[appGroupEnd].code != 100 && group[appGroupEnd].code != 1001 &&
               group[appGroupEnd].code != 102)
          ++appGroupEnd;
        unclosedEnds.push_back(appGroupEnd);
      }
      continue;
    }
    if (t.code >= 1000 && !segments.back().isXData)
    {
      segments.back().end = i;
      segments.push_back({std::string_view(), i, n, true});
      continue;
    }
    if (t.code == 100 && !segments.back().isXData)
    {
      role[i] = kMarker;
      segments.back().end = i;
      segments.push_back({dxfTrim(t.text), i + 1, n, false});
    }
  }
  // The handle and the owner (the first 330 before any marker).
  bool sawOwner = false;
  for (std::size_t i = segments[0].begin; i < segments[0].end; ++i)
  {
    const int code = group[i].code;
    if (role[i] != kOwnable)
      continue;
    if (code == 5 || code == 105)
      role[i] = kHandle;
    else if (code == 330 && !sawOwner)
    {
      role[i] = kOwner;
      sawOwner = true;
    }
  }

  std::vector<TagPlan> plan(n);
  // Fields of subclasses the source lacks, written at the end of the last segment before the
  // extended data; extended data the source lacks, at the very end.
  std::vector<const DxfOutTag*> appendBeforeXData;
  std::vector<const DxfOutTag*> appendAtEnd;
  std::vector<const char*> appendMarkers;

  const std::vector<DxfFields::Segment>& modelled = fields.segments();
  // Reused by every modelled segment.
  std::vector<std::size_t> scratchTargets, scratchOwned;
  scratchTargets.reserve(segments.size());
  scratchOwned.reserve(n);
  auto modelledMarker = [&modelled](std::string_view marker) {
    for (const DxfFields::Segment& field : modelled)
      if (field.marker && marker == field.marker)
        return true;
    return false;
  };
  for (std::size_t m = 0; m < modelled.size(); ++m)
  {
    const DxfFields::Segment& field = modelled[m];
    // The source segments this one owns tags in. The reader takes an object's codes wherever they
    // stand: under another subclass's marker, under one it does not know (a misspelt or a foreign
    // one), before the first. So a kind's subclass owns its codes in every segment, the first that
    // lists a code taking it. The entity's common properties under a kind's marker are a repair
    // of their own (written back where they belong): the first subclass owns its codes only in
    // its own segment, before the first marker and under markers the writer does not know.
    std::vector<std::size_t>& targets = scratchTargets;
    targets.clear();
    for (std::size_t s = 0; s < segments.size(); ++s)
    {
      const SourceSegment& seg = segments[s];
      if (field.isXData ? seg.isXData
                        : !field.marker ? s == 0
                                        : (!seg.isXData && (m > 0 || s == 0 || seg.marker == field.marker ||
                                                            !modelledMarker(seg.marker))))
        targets.push_back(s);
    }
    // A code is owned when the subclass lists it; extended data owns every code.
    auto owns = [&field](int code) {
      return field.isXData || field.ownsAll ||
             std::find(field.owned.begin(), field.owned.end(), code) != field.owned.end();
    };
    std::vector<std::size_t>& owned = scratchOwned;
    owned.clear();
    for (std::size_t s : targets)
      for (std::size_t i = segments[s].begin; i < segments[s].end; ++i)
        if (role[i] == kOwnable && !plan[i].owned && owns(group[i].code))
          owned.push_back(i);
    std::sort(owned.begin(), owned.end());
    for (std::size_t i : owned)
      plan[i].owned = true;

    // Lined up by code: a field whose code comes later in the source is new here; a source tag
    // whose code the fields do not have here is gone.
    std::size_t i = 0, j = 0;
    const std::vector<DxfOutTag>& tags = field.tags;
    while (i < owned.size() && j < tags.size())
    {
      const DxfTag& source = group[owned[i]];
      if (source.code == tags[j].code)
      {
        if (!dxfSameValue(source, tags[j], context))
          plan[owned[i]].replacement = &tags[j];
        ++i;
        ++j;
        continue;
      }
      bool laterInSource = false;
      for (std::size_t k = i + 1; k < owned.size() && !laterInSource; ++k)
        laterInSource = group[owned[k]].code == tags[j].code;
      if (laterInSource)
      {
        plan[owned[i]].keep = false;
        ++i;
      }
      else
        plan[owned[i]].before.push_back(&tags[j++]);
    }
    for (; i < owned.size(); ++i)
      plan[owned[i]].keep = false;
    if (j < tags.size())
    {
      // The rest goes after the last owned tag, or at the end of the segment it belongs to.
      std::size_t at = owned.empty() ? n : owned.back() + 1;
      if (owned.empty() && !targets.empty())
        at = segments[targets.back()].end;
      if (owned.empty() && targets.empty())
      {
        if (field.isXData)
          for (; j < tags.size(); ++j)
            appendAtEnd.push_back(&tags[j]);
        else
        {
          appendMarkers.push_back(field.marker);
          appendBeforeXData.push_back(nullptr);
          for (; j < tags.size(); ++j)
            appendBeforeXData.push_back(&tags[j]);
        }
        continue;
      }
      for (; j < tags.size(); ++j)
      {
        if (at < n)
          plan[at].before.push_back(&tags[j]);
        else
          appendAtEnd.push_back(&tags[j]);
      }
    }
  }

  std::size_t xdataBegin = n;
  for (const SourceSegment& seg : segments)
    if (seg.isXData)
      xdataBegin = seg.begin;

  auto emitField = [&emit](const DxfOutTag* t) { emit(t->code, t->value); };
  std::size_t nextMarker = 0;
  auto emitAppended = [&]() {
    for (const DxfOutTag* t : appendBeforeXData)
    {
      if (!t)
      {
        if (context.encoder.version() > kDxfR12)
          emit(100, appendMarkers[nextMarker]);
        ++nextMarker;
        continue;
      }
      emitField(t);
    }
    appendBeforeXData.clear();
  };

  // The output closes the groups the source left open, as the reader closed them.
  std::size_t nextClose = 0;
  auto closeGroups = [&](std::size_t i) {
    for (; nextClose < unclosedEnds.size() && unclosedEnds[nextClose] <= i; ++nextClose)
      emit(102, "}");
  };
  copy(group[0]);
  if (context.addHandle && std::find(role.begin(), role.end(), kHandle) == role.end())
    emit(dxfHandleCode(dxfTrim(group[0].text)), DxfEncoder::handle(context.handle));
  for (std::size_t i = 1; i < n; ++i)
  {
    closeGroups(i);
    if (i == xdataBegin)
      emitAppended();
    const TagPlan& p = plan[i];
    for (const DxfOutTag* t : p.before)
      emitField(t);
    const DxfTag& t = group[i];
    if (role[i] == kHandle)
    {
      std::uint64_t h = 0;
      if (!dxfParseHandle(t.text, h) || h != context.handle)
        emit(t.code, DxfEncoder::handle(context.handle));
      else
        copy(t);
      continue;
    }
    if (role[i] == kOwner && context.owner != 0)
    {
      std::uint64_t h = 0;
      if (!dxfParseHandle(t.text, h) || h != context.owner)
        emit(330, DxfEncoder::handle(context.owner));
      else
        copy(t);
      continue;
    }
    if (!p.keep)
      continue;
    if (p.replacement)
      emitField(p.replacement);
    else
      copy(t);
  }
  closeGroups(n);
  emitAppended();
  for (const DxfOutTag* t : appendAtEnd)
    emitField(t);
}
} // namespace kydxf
