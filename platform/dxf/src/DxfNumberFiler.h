// DxfNumberFiler: a filer that takes every integer kind (and booleans) as one 64-bit integer and
// names as texts, so that a filer over it handles texts, integers, reals, handles and binary
// chunks alone.
#ifndef KY_DXF_NUMBER_FILER_H
#define KY_DXF_NUMBER_FILER_H

#include "DbFiler.h"

namespace kydxf
{
class DxfNumberFiler : public OdDbDxfFiler
{
public:
  void wrName(int code, const OdString& v) override { wrString(code, v); }
  void wrBool(int code, bool v) override { wrInt64(code, v ? 1 : 0); }
  void wrInt8(int code, OdInt8 v) override { wrInt64(code, v); }
  void wrUInt8(int code, OdUInt8 v) override { wrInt64(code, v); }
  void wrInt16(int code, OdInt16 v) override { wrInt64(code, v); }
  void wrUInt16(int code, OdUInt16 v) override { wrInt64(code, v); }
  void wrInt32(int code, OdInt32 v) override { wrInt64(code, v); }
  void wrUInt32(int code, OdUInt32 v) override { wrInt64(code, v); }
};
} // namespace kydxf

#endif
