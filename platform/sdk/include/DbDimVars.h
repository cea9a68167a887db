// The dimension variables, each declared once: accessor names, DXF group code, kind of value and
// the imperial and metric defaults. The list generates the dimension style's accessors, the
// dimension's effective-value getters and override setters, the descriptor table that the
// generic code (style data copies, override listing, DXF reading and writing) walks, and the
// defaults. Adding a variable is one line here.
//
// The order is the order in which style overrides are compared and listed.
#ifndef OD_DB_DIM_VARS_H
#define OD_DB_DIM_VARS_H

#include "CmColor.h"
#include "DbLineWeight.h"
#include "DbObjectId.h"
#include "OdError.h"
#include "OdString.h"

// X(getter, setter, group code, kind, C++ type, imperial default, metric default, flags)
// Kinds: Real, Int, Bool, String, Id, Color, LineWeight. Numeric defaults of colours are colour
// indices (0 ByBlock), of lineweights lineweight values (-2 ByBlock); strings default to empty
// and ids to null. Flags: 0, or kOdDimVarNoRecordCode for a variable that a DIMSTYLE record does
// not carry under its code (the code only serves the per-dimension overrides), or
// kOdDimVarNoDxf for one without any DXF code.
#define OD_DIM_VARS(X)                                                                   \
  X(dimadec, setDimadec, 179, Int, OdInt16, 0, 0, 0)                                     \
  X(dimalt, setDimalt, 170, Bool, bool, 0, 0, 0)                                         \
  X(dimaltd, setDimaltd, 171, Int, OdInt16, 2, 3, 0)                                     \
  X(dimaltf, setDimaltf, 143, Real, double, 25.4, 0.03937007874015748, 0)                \
  X(dimaltrnd, setDimaltrnd, 148, Real, double, 0.0, 0.0, 0)                             \
  X(dimalttd, setDimalttd, 274, Int, OdInt16, 2, 3, 0)                                   \
  X(dimalttz, setDimalttz, 286, Int, OdInt16, 0, 0, 0)                                   \
  X(dimaltu, setDimaltu, 273, Int, OdInt16, 2, 2, 0)                                     \
  X(dimaltz, setDimaltz, 285, Int, OdInt16, 0, 0, 0)                                     \
  X(dimapost, setDimapost, 4, String, OdString, 0, 0, 0)                                 \
  X(dimasz, setDimasz, 41, Real, double, 0.18, 2.5, 0)                                   \
  X(dimatfit, setDimatfit, 289, Int, OdInt16, 3, 3, 0)                                   \
  X(dimaunit, setDimaunit, 275, Int, OdInt16, 0, 0, 0)                                   \
  X(dimazin, setDimazin, 79, Int, OdInt16, 0, 0, 0)                                      \
  X(dimblk, setDimblk, 342, Id, OdDbObjectId, 0, 0, 0)                                   \
  X(dimblk1, setDimblk1, 343, Id, OdDbObjectId, 0, 0, 0)                                 \
  X(dimblk2, setDimblk2, 344, Id, OdDbObjectId, 0, 0, 0)                                 \
  X(dimcen, setDimcen, 141, Real, double, 0.09, 2.5, 0)                                  \
  X(dimclrd, setDimclrd, 176, Color, OdCmColor, 0, 0, 0)                                 \
  X(dimclre, setDimclre, 177, Color, OdCmColor, 0, 0, 0)                                 \
  X(dimclrt, setDimclrt, 178, Color, OdCmColor, 0, 0, 0)                                 \
  X(dimdec, setDimdec, 271, Int, OdInt16, 4, 2, 0)                                       \
  X(dimdle, setDimdle, 46, Real, double, 0.0, 0.0, 0)                                    \
  X(dimdli, setDimdli, 43, Real, double, 0.38, 3.75, 0)                                  \
  X(dimdsep, setDimdsep, 278, Int, OdChar, '.', ',', 0)                                  \
  X(dimexe, setDimexe, 44, Real, double, 0.18, 1.25, 0)                                  \
  X(dimexo, setDimexo, 42, Real, double, 0.0625, 0.625, 0)                               \
  X(dimfrac, setDimfrac, 276, Int, OdInt16, 0, 0, 0)                                     \
  X(dimgap, setDimgap, 147, Real, double, 0.09, 0.625, 0)                                \
  X(dimjust, setDimjust, 280, Int, OdInt16, 0, 0, 0)                                     \
  X(dimldrblk, setDimldrblk, 341, Id, OdDbObjectId, 0, 0, 0)                             \
  X(dimlfac, setDimlfac, 144, Real, double, 1.0, 1.0, 0)                                 \
  X(dimlim, setDimlim, 72, Bool, bool, 0, 0, 0)                                          \
  X(dimlunit, setDimlunit, 277, Int, OdInt16, 2, 2, 0)                                   \
  X(dimlwd, setDimlwd, 371, LineWeight, OdDb::LineWeight, -2, -2, 0)                     \
  X(dimlwe, setDimlwe, 372, LineWeight, OdDb::LineWeight, -2, -2, 0)                     \
  X(dimpost, setDimpost, 3, String, OdString, 0, 0, 0)                                   \
  X(dimrnd, setDimrnd, 45, Real, double, 0.0, 0.0, 0)                                    \
  X(dimsah, setDimsah, 173, Bool, bool, 0, 0, 0)                                         \
  X(dimscale, setDimscale, 40, Real, double, 1.0, 1.0, 0)                                \
  X(dimsd1, setDimsd1, 281, Bool, bool, 0, 0, 0)                                         \
  X(dimsd2, setDimsd2, 282, Bool, bool, 0, 0, 0)                                         \
  X(dimse1, setDimse1, 75, Bool, bool, 0, 0, 0)                                          \
  X(dimse2, setDimse2, 76, Bool, bool, 0, 0, 0)                                          \
  X(dimsoxd, setDimsoxd, 175, Bool, bool, 0, 0, 0)                                       \
  X(dimtad, setDimtad, 77, Int, OdInt16, 0, 1, 0)                                        \
  X(dimtdec, setDimtdec, 272, Int, OdInt16, 4, 2, 0)                                     \
  X(dimtfac, setDimtfac, 146, Real, double, 1.0, 1.0, 0)                                 \
  X(dimtih, setDimtih, 73, Bool, bool, 1, 0, 0)                                          \
  X(dimtix, setDimtix, 174, Bool, bool, 0, 0, 0)                                         \
  X(dimtm, setDimtm, 48, Real, double, 0.0, 0.0, 0)                                      \
  X(dimtmove, setDimtmove, 279, Int, OdInt16, 0, 0, 0)                                   \
  X(dimtofl, setDimtofl, 172, Bool, bool, 0, 1, 0)                                       \
  X(dimtoh, setDimtoh, 74, Bool, bool, 1, 0, 0)                                          \
  X(dimtol, setDimtol, 71, Bool, bool, 0, 0, 0)                                          \
  X(dimtolj, setDimtolj, 283, Int, OdInt16, 1, 0, 0)                                     \
  X(dimtp, setDimtp, 47, Real, double, 0.0, 0.0, 0)                                      \
  X(dimtsz, setDimtsz, 142, Real, double, 0.0, 0.0, 0)                                   \
  X(dimtvp, setDimtvp, 145, Real, double, 0.0, 0.0, 0)                                   \
  X(dimtxsty, setDimtxsty, 340, Id, OdDbObjectId, 0, 0, 0)                               \
  X(dimtxt, setDimtxt, 140, Real, double, 0.18, 2.5, 0)                                  \
  X(dimtzin, setDimtzin, 284, Int, OdInt16, 0, 8, 0)                                     \
  X(dimupt, setDimupt, 288, Bool, bool, 0, 0, 0)                                         \
  X(dimzin, setDimzin, 78, Int, OdInt16, 0, 8, 0)                                        \
  X(dimfxl, setDimfxl, 49, Real, double, 1.0, 1.0, 0)                                    \
  X(dimfxlon, setDimfxlon, 290, Bool, bool, 0, 0, 0)                                     \
  X(dimjogang, setDimjogang, 50, Real, double, 0.7853981633974483, 0.7853981633974483, 0) \
  X(dimtfill, setDimtfill, 69, Int, OdInt16, 0, 0, 0)                                    \
  X(dimtfillclr, setDimtfillclr, 70, Color, OdCmColor, 0, 0, kOdDimVarNoRecordCode)      \
  X(dimarcsym, setDimarcsym, 90, Int, OdInt16, 0, 0, 0)                                  \
  X(dimltype, setDimltype, 345, Id, OdDbObjectId, 0, 0, 0)                               \
  X(dimltex1, setDimltex1, 346, Id, OdDbObjectId, 0, 0, 0)                               \
  X(dimltex2, setDimltex2, 347, Id, OdDbObjectId, 0, 0, 0)                               \
  X(dimtxtdirection, setDimtxtdirection, 294, Bool, bool, 0, 0, 0)                       \
  X(dimmzf, setDimmzf, 0, Real, double, 100.0, 100.0, kOdDimVarNoDxf)                    \
  X(dimmzs, setDimmzs, 0, String, OdString, 0, 0, kOdDimVarNoDxf)                        \
  X(dimaltmzf, setDimaltmzf, 0, Real, double, 100.0, 100.0, kOdDimVarNoDxf)              \
  X(dimaltmzs, setDimaltmzs, 0, String, OdString, 0, 0, kOdDimVarNoDxf)

enum OdDimVarFlags : unsigned
{
  kOdDimVarNoRecordCode = 1,
  kOdDimVarNoDxf = 2
};

enum class OdDimVarKind
{
  Real,
  Int,
  Bool,
  String,
  Id,
  Color,
  LineWeight
};

// Index of each variable in the list: OdDimVar::dimasz ...
enum class OdDimVar : int
{
#define OD_DIM_VAR_INDEX(getter, setter, code, kind, T, imperial, metric, flags) getter,
  OD_DIM_VARS(OD_DIM_VAR_INDEX)
#undef OD_DIM_VAR_INDEX
    kCount
};
const int kOdDimVarCount = static_cast<int>(OdDimVar::kCount);

struct OdDimVarDesc
{
  const char* name; // "dimasz"
  int code;         // DXF group code; 0 when the variable has none
  OdDimVarKind kind;
  double imperial; // numeric default (colour index, lineweight value, character code)
  double metric;
  unsigned flags;
};

// Throws eInvalidIndex unless 0 <= index < kOdDimVarCount (inline: every variable read checks).
inline void odDimVarCheckIndex(int index)
{
  if (index < 0 || index >= kOdDimVarCount)
    throw OdError(eInvalidIndex);
}
// The descriptor of variable i (0 <= i < kOdDimVarCount).
const OdDimVarDesc& odDimVarDesc(int index);
// The variable a DIMSTYLE record or an override carries under the group code; -1 when none.
// With recordCodes, variables flagged kOdDimVarNoRecordCode are not found.
int odDimVarByCode(int code, bool recordCodes);
// The variable by its name, case ignored, with or without the "dim" prefix; -1 when none.
int odDimVarByName(const char* name);

// One variable's value. Only the member of the variable's kind is meaningful.
struct OdDimVarValue
{
  double real = 0.0;
  OdInt32 integer = 0; // Int, Bool, LineWeight, and the character code of DIMDSEP
  OdString text;
  OdDbObjectId id;
  OdCmColor color;
};
// Equality of two values of the given kind (doubles compared exactly).
bool odDimVarEqual(OdDimVarKind kind, const OdDimVarValue& a, const OdDimVarValue& b);
// The default of variable i.
OdDimVarValue odDimVarDefault(int index, bool metric);
// The value as text: numbers in C locale, ids as their handle in hexadecimal, colours by index.
OdString odDimVarText(int index, const OdDimVarValue& value);

// Conversions between a variable's C++ type and its value.
inline void odDimVarPut(OdDimVarValue& v, double x) { v.real = x; }
inline void odDimVarPut(OdDimVarValue& v, OdInt16 x) { v.integer = x; }
inline void odDimVarPut(OdDimVarValue& v, OdChar x) { v.integer = static_cast<OdInt32>(x); }
inline void odDimVarPut(OdDimVarValue& v, bool x) { v.integer = x ? 1 : 0; }
inline void odDimVarPut(OdDimVarValue& v, OdDb::LineWeight x) { v.integer = static_cast<OdInt32>(x); }
inline void odDimVarPut(OdDimVarValue& v, const OdString& x) { v.text = x; }
inline void odDimVarPut(OdDimVarValue& v, const OdDbObjectId& x) { v.id = x; }
inline void odDimVarPut(OdDimVarValue& v, const OdCmColor& x) { v.color = x; }

template <class T>
struct OdDimVarGet;
template <>
struct OdDimVarGet<double>
{
  static double from(const OdDimVarValue& v) { return v.real; }
};
template <>
struct OdDimVarGet<OdInt16>
{
  static OdInt16 from(const OdDimVarValue& v) { return static_cast<OdInt16>(v.integer); }
};
template <>
struct OdDimVarGet<OdChar>
{
  static OdChar from(const OdDimVarValue& v) { return static_cast<OdChar>(v.integer); }
};
template <>
struct OdDimVarGet<bool>
{
  static bool from(const OdDimVarValue& v) { return v.integer != 0; }
};
template <>
struct OdDimVarGet<OdDb::LineWeight>
{
  static OdDb::LineWeight from(const OdDimVarValue& v) { return static_cast<OdDb::LineWeight>(v.integer); }
};
template <>
struct OdDimVarGet<OdString>
{
  static OdString from(const OdDimVarValue& v) { return v.text; }
};
template <>
struct OdDimVarGet<OdDbObjectId>
{
  static OdDbObjectId from(const OdDimVarValue& v) { return v.id; }
};
template <>
struct OdDimVarGet<OdCmColor>
{
  static OdCmColor from(const OdDimVarValue& v) { return v.color; }
};

// Checks a value before it is stored: non-finite reals, lineweights outside the known values
// and colours that are not valid raise OdError(eInvalidInput).
void odDimVarCheck(int index, const OdDimVarValue& value);

// Parameter types of the setters: class types by const reference.
template <class T>
struct OdDimVarParam
{
  typedef T type;
};
template <>
struct OdDimVarParam<OdString>
{
  typedef const OdString& type;
};
template <>
struct OdDimVarParam<OdDbObjectId>
{
  typedef const OdDbObjectId& type;
};
template <>
struct OdDimVarParam<OdCmColor>
{
  typedef const OdCmColor& type;
};

#endif
