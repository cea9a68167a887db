// The descriptor table of the dimension variables and the operations on one value.
#include "DbDimVars.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "OdError.h"

namespace
{
#define OD_DIM_VAR_DESC(getter, setter, code, kind, T, imperial, metric, flags) \
  {#getter, code, OdDimVarKind::kind, static_cast<double>(imperial), static_cast<double>(metric), flags},
constexpr OdDimVarDesc kDescs[] = {OD_DIM_VARS(OD_DIM_VAR_DESC)};
#undef OD_DIM_VAR_DESC
static_assert(sizeof(kDescs) / sizeof(kDescs[0]) == kOdDimVarCount, "one descriptor per variable");
} // namespace

const OdDimVarDesc& odDimVarDesc(int index)
{
  odDimVarCheckIndex(index);
  return kDescs[index];
}

int odDimVarByCode(int code, bool recordCodes)
{
  if (code == 0)
    return -1;
  for (int i = 0; i < kOdDimVarCount; ++i)
    if (kDescs[i].code == code && !(recordCodes && (kDescs[i].flags & kOdDimVarNoRecordCode)))
      return i;
  return -1;
}

int odDimVarByName(const char* name)
{
  if (!name)
    return -1;
  const char* bare = strncasecmp(name, "dim", 3) == 0 ? name + 3 : name;
  for (int i = 0; i < kOdDimVarCount; ++i)
    if (strcasecmp(kDescs[i].name + 3, bare) == 0)
      return i;
  return -1;
}

bool odDimVarEqual(OdDimVarKind kind, const OdDimVarValue& a, const OdDimVarValue& b)
{
  switch (kind)
  {
  case OdDimVarKind::Real: return a.real == b.real;
  case OdDimVarKind::String: return a.text == b.text;
  case OdDimVarKind::Id: return a.id == b.id;
  case OdDimVarKind::Color: return a.color == b.color;
  default: return a.integer == b.integer;
  }
}

OdDimVarValue odDimVarDefault(int index, bool metric)
{
  const OdDimVarDesc& d = odDimVarDesc(index);
  const double n = metric ? d.metric : d.imperial;
  OdDimVarValue v;
  switch (d.kind)
  {
  case OdDimVarKind::Real: v.real = n; break;
  case OdDimVarKind::Color: v.color.setColorIndex(static_cast<OdUInt16>(n)); break;
  case OdDimVarKind::String:
  case OdDimVarKind::Id: break;
  default: v.integer = static_cast<OdInt32>(n); break;
  }
  return v;
}

OdString odDimVarText(int index, const OdDimVarValue& value)
{
  char buf[64];
  switch (odDimVarDesc(index).kind)
  {
  case OdDimVarKind::Real: std::snprintf(buf, sizeof buf, "%.6g", value.real); break;
  case OdDimVarKind::String: return value.text;
  case OdDimVarKind::Id:
    std::snprintf(buf, sizeof buf, "%llX", static_cast<unsigned long long>(static_cast<OdUInt64>(value.id.getHandle())));
    break;
  case OdDimVarKind::Color: std::snprintf(buf, sizeof buf, "%d", static_cast<int>(value.color.colorIndex())); break;
  default: std::snprintf(buf, sizeof buf, "%d", static_cast<int>(value.integer)); break;
  }
  return OdString(buf);
}

void odDimVarCheck(int index, const OdDimVarValue& value)
{
  switch (odDimVarDesc(index).kind)
  {
  case OdDimVarKind::Real:
    if (!std::isfinite(value.real))
      throw OdError(eInvalidInput);
    break;
  case OdDimVarKind::LineWeight:
    if (!odIsValidLineWeight(value.integer))
      throw OdError(eInvalidInput);
    break;
  case OdDimVarKind::Int:
    if (value.integer < -32768 || value.integer > 32767)
      throw OdError(eInvalidInput);
    break;
  default: break;
  }
}
