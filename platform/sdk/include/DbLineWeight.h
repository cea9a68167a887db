// Lineweights of database objects in hundredths of a millimetre, and the three values
// that defer to the layer, the block or the drawing's default.
#ifndef OD_DB_LINE_WEIGHT_H
#define OD_DB_LINE_WEIGHT_H

namespace OdDb
{
enum LineWeight
{
  kLnWt000 = 0,
  kLnWt005 = 5,
  kLnWt009 = 9,
  kLnWt013 = 13,
  kLnWt015 = 15,
  kLnWt018 = 18,
  kLnWt020 = 20,
  kLnWt025 = 25,
  kLnWt030 = 30,
  kLnWt035 = 35,
  kLnWt040 = 40,
  kLnWt050 = 50,
  kLnWt053 = 53,
  kLnWt060 = 60,
  kLnWt070 = 70,
  kLnWt080 = 80,
  kLnWt090 = 90,
  kLnWt100 = 100,
  kLnWt106 = 106,
  kLnWt120 = 120,
  kLnWt140 = 140,
  kLnWt158 = 158,
  kLnWt200 = 200,
  kLnWt211 = 211,
  kLnWtByLayer = -1,
  kLnWtByBlock = -2,
  kLnWtByLwDefault = -3
};
}

// True when value is one of the OdDb::LineWeight values; setters use it to refuse others.
inline bool odIsValidLineWeight(int value)
{
  switch (value)
  {
  case OdDb::kLnWt000: case OdDb::kLnWt005: case OdDb::kLnWt009: case OdDb::kLnWt013: case OdDb::kLnWt015:
  case OdDb::kLnWt018: case OdDb::kLnWt020: case OdDb::kLnWt025: case OdDb::kLnWt030: case OdDb::kLnWt035:
  case OdDb::kLnWt040: case OdDb::kLnWt050: case OdDb::kLnWt053: case OdDb::kLnWt060: case OdDb::kLnWt070:
  case OdDb::kLnWt080: case OdDb::kLnWt090: case OdDb::kLnWt100: case OdDb::kLnWt106: case OdDb::kLnWt120:
  case OdDb::kLnWt140: case OdDb::kLnWt158: case OdDb::kLnWt200: case OdDb::kLnWt211: case OdDb::kLnWtByLayer:
  case OdDb::kLnWtByBlock: case OdDb::kLnWtByLwDefault:
    return true;
  default:
    return false;
  }
}

#endif
