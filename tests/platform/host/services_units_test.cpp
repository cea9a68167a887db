// Drawing-units service of CKyDatabase: formatting of distances, areas and angles in every unit
// mode, parsing back (round trips), and the texts that must not parse.
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "KyDatabase.h"
#include "KyTestDrawing.h"
#include "OdError.h"

namespace
{
const double kPi = 3.141592653589793;

double deg(double degrees)
{
  return degrees * kPi / 180.0;
}

class ServicesUnits : public ::testing::Test
{
protected:
  KyTestDrawing drawing;
  CKyDatabase units{drawing.db()};
};

struct FormatRow
{
  double value;
  int mode;
  int precision;
  const char* expected;
};

TEST_F(ServicesUnits, FormatsDistancesInEveryLinearMode)
{
  const FormatRow rows[] = {
    {15.0, 1, 4, "1.5000E+01"},
    {-15.0, 1, 2, "-1.50E+01"},
    {0.00123, 1, 3, "1.230E-03"},
    {15.0, 2, 4, "15.0000"},
    {3.14159, 2, 4, "3.1416"},
    {-3.14159, 2, 2, "-3.14"},
    {-0.00001, 2, 4, "0.0000"}, // rounds to zero: no minus sign
    {2.6, 2, 0, "3"},
    {1.0, 2, 12, "1.00000000"}, // precision clamped to 8
    {15.0, 3, 4, "1'-3.0000\""},
    {15.5, 3, 4, "1'-3.5000\""},
    {6.0, 3, 2, "0'-6.00\""},
    {11.999, 3, 2, "1'-0.00\""}, // inches carry into the next foot
    {-15.5, 3, 1, "-1'-3.5\""},
    {18.0, 4, 4, "1'-6\""},
    {6.0, 4, 4, "0'-6\""},
    {18.5, 4, 4, "1'-6 1/2\""},
    {18.0625, 4, 4, "1'-6 1/16\""},
    {18.0625, 4, 2, "1'-6\""},
    {0.5, 4, 4, "0'-0 1/2\""},
    {5.97, 4, 4, "0'-6\""},  // fraction carries into the next inch
    {11.97, 4, 4, "1'-0\""}, // ... and into the next foot
    {-18.5, 4, 4, "-1'-6 1/2\""},
    {15.5, 5, 4, "15 1/2"},
    {0.75, 5, 4, "3/4"},
    {15.999, 5, 4, "16"},
    {-15.25, 5, 2, "-15 1/4"},
    {2.0, 5, 0, "2"},
    {0.0, 5, 4, "0"},
  };
  for (const FormatRow& row : rows)
  {
    EXPECT_EQ(units.FormatDistance(row.value, row.mode, row.precision).toQString(), QString::fromUtf8(row.expected))
      << row.value << " mode " << row.mode << " precision " << row.precision;
  }
}

TEST_F(ServicesUnits, DefaultArgumentsFollowTheDrawingSettings)
{
  drawing.setUnits(4, 4);
  EXPECT_EQ(units.FormatDistance(18.0).toQString(), QStringLiteral("1'-6\""));
  EXPECT_EQ(units.FormatDistance(18.0, 2).toQString(), QStringLiteral("18.0000"));
  drawing.setUnits(2, 2);
  EXPECT_EQ(units.FormatDistance(3.14159).toQString(), QStringLiteral("3.14"));
  EXPECT_EQ(units.FormatDistance(3.14159, -1, 4).toQString(), QStringLiteral("3.1416"));
  EXPECT_EQ(units.GetLinearUnitMode(), 2);
  EXPECT_EQ(units.GetLinearPrecision(), 2);
  drawing.db()->setAUNITS(3);
  drawing.db()->setAUPREC(3);
  EXPECT_EQ(units.FormatAngle(1.0).toQString(), QStringLiteral("1.000r"));
  EXPECT_EQ(units.GetAngularUnitMode(), 3);
  EXPECT_EQ(units.GetAngularPrecision(), 3);
}

TEST_F(ServicesUnits, AreasArePlainNumbersInEveryMode)
{
  EXPECT_EQ(units.FormatArea(1234.5, 1, 2).toQString(), QStringLiteral("1.23E+03"));
  EXPECT_EQ(units.FormatArea(1234.5, 2, 2).toQString(), QStringLiteral("1234.50"));
  EXPECT_EQ(units.FormatArea(1234.5, 3, 2).toQString(), QStringLiteral("1234.50"));
  EXPECT_EQ(units.FormatArea(1234.5, 4, 2).toQString(), QStringLiteral("1234.50"));
  EXPECT_EQ(units.FormatArea(1234.5, 5, 1).toQString(), QStringLiteral("1234.5"));
  drawing.setUnits(4, 3);
  EXPECT_EQ(units.FormatArea(50.0).toQString(), QStringLiteral("50.000"));
}

TEST_F(ServicesUnits, RefusesUnknownModes)
{
  for (int mode : {0, 6, -2})
  {
    EXPECT_THROW(units.FormatDistance(1.0, mode, 2), OdError) << mode;
    EXPECT_THROW(units.FormatArea(1.0, mode, 2), OdError) << mode;
  }
  EXPECT_THROW(units.FormatAngle(1.0, 5, 2), OdError);
  double value = 0.0;
  EXPECT_THROW(units.ParseDistance(CKyString("1"), value, 6), OdError);
}

// Half of the smallest step a distance text shows; scientific steps scale with the magnitude.
double distanceTolerance(double value, int mode, int precision)
{
  double step = (mode == 4 || mode == 5) ? std::ldexp(1.0, -precision) : std::pow(10.0, -precision);
  if (mode == 1 && value != 0.0)
    step *= std::pow(10.0, std::floor(std::log10(std::fabs(value))));
  return step / 2.0;
}

// Seeded values for the round trips below: uniform in [-1, 1) times a power of ten.
class Draw
{
public:
  explicit Draw(std::uint64_t seed) : m_random(seed) {}
  int below(int n) { return static_cast<int>(m_random() % static_cast<std::uint64_t>(n)); }
  double unit() { return static_cast<double>(m_random() >> 11) * 0x1.0p-53; }

private:
  std::mt19937_64 m_random;
};

TEST_F(ServicesUnits, DistancesRoundTripThroughTheirText)
{
  const double values[] = {0.0, 18.0, 15.5, -27.75, 1234.5, 0.3};
  for (int mode = 1; mode <= 5; ++mode)
  {
    for (int precision : {0, 2, 4, 8})
    {
      for (double value : values)
      {
        const CKyString text = units.FormatDistance(value, mode, precision);
        double parsed = 0.0;
        ASSERT_TRUE(units.ParseDistance(text, parsed, mode)) << text.toQString().toStdString();
        EXPECT_TRUE(units.ParseDistance(text, parsed)) << "any-format parse of " << text.toQString().toStdString();
        EXPECT_NEAR(parsed, value, distanceTolerance(value, mode, precision) + 1e-9) << text.toQString().toStdString();
      }
    }
  }
}

// Every magnitude a double holds, half of the values on a rounding boundary of the shown step:
// the feet and inches of huge distances (where counting steps is no longer exact) and the carries
// into the next inch, foot or whole number must still give a text that reads back.
TEST_F(ServicesUnits, DistancesOfEveryMagnitudeRoundTrip)
{
  Draw draw(20261206);
  int failures = 0;
  for (int i = 0; i < 20000 && failures < 10; ++i)
  {
    const int mode = 1 + draw.below(5);
    const int precision = draw.below(9);
    double value = (draw.unit() * 2.0 - 1.0) * std::pow(10.0, draw.below(320) - 12);
    if (draw.below(2) == 0)
    {
      const double step = 2.0 * distanceTolerance(1.0, mode == 1 ? 2 : mode, precision);
      value = (std::floor(value / step) + 0.5) * step;
    }
    if (!std::isfinite(value))
      continue;
    const CKyString text = units.FormatDistance(value, mode, precision);
    double parsed = 0.0;
    const bool read = units.ParseDistance(text, parsed, mode);
    const double tolerance = distanceTolerance(value, mode, precision) + std::fabs(value) * 1e-15 + 1e-12;
    if (!read || !(std::fabs(parsed - value) <= tolerance))
    {
      ++failures;
      ADD_FAILURE() << "mode " << mode << ", precision " << precision << ": " << value << " shows as \""
                    << text.toQString().toStdString() << "\"" << (read ? ", read back as " + std::to_string(parsed) : "");
    }
  }
}

TEST_F(ServicesUnits, ArchitecturalEighteenInchesRoundTrips)
{
  const CKyString text = units.FormatDistance(18.0, 4, 4);
  EXPECT_EQ(text.toQString(), QStringLiteral("1'-6\""));
  double value = 0.0;
  ASSERT_TRUE(units.ParseDistance(text, value, 4));
  EXPECT_DOUBLE_EQ(value, 18.0);
}

struct ParseRow
{
  const char* text;
  double expected;
};

TEST_F(ServicesUnits, ParsesEveryLinearForm)
{
  const ParseRow rows[] = {
    {"15", 15.0},         {"  15.5 ", 15.5},     {"1.5E+01", 15.0},     {"-2.5", -2.5},
    {".5", 0.5},          {"5.", 5.0},           {"+3", 3.0},           {"3/4", 0.75},
    {"15 1/2", 15.5},     {"15-1/2", 15.5},      {"-15 1/2", -15.5},    {"2'", 24.0},
    {"1.5'", 18.0},       {"1'6\"", 18.0},       {"1'-6\"", 18.0},      {"1'6", 18.0},
    {"1' 6\"", 18.0},     {"1'-6 1/2\"", 18.5},  {"1'6-1/2\"", 18.5},   {"1'-3.5000\"", 15.5},
    {"0'-0 1/2\"", 0.5},  {"6\"", 6.0},          {"1 1/2\"", 1.5},      {"3/4\"", 0.75},
    {"-1'-6\"", -18.0},   {"-6\"", -6.0},
  };
  for (const ParseRow& row : rows)
  {
    double value = -999.0;
    ASSERT_TRUE(units.ParseDistance(CKyString(row.text), value)) << row.text;
    EXPECT_DOUBLE_EQ(value, row.expected) << row.text;
  }
}

TEST_F(ServicesUnits, RefusesTextsThatAreNotDistances)
{
  const char* const refused[] = {"",    "   ",  "abc",   "1'-6x", "nan",  "inf",    "-inf", "1e400",
                                 "1/0", "1'-",  "1'\"",  "6\"\"", "1,5",  "--5",    "15 1/2 3", "1'2'",
                                 "5 m", "0x10", "1'-6\" x"};
  for (const char* text : refused)
  {
    double value = 42.0;
    EXPECT_FALSE(units.ParseDistance(CKyString(text), value)) << text;
    EXPECT_EQ(value, 42.0) << "value changed by refused " << text;
  }
}

TEST_F(ServicesUnits, ModeLimitsTheAcceptedForms)
{
  struct Row
  {
    const char* text;
    int mode;
    bool accepted;
  };
  const Row rows[] = {
    {"1.5E+01", 1, true}, {"15", 2, true},    {"3/4", 2, false},   {"1'6\"", 2, false}, {"3/4", 5, true},
    {"15 1/2", 5, true},  {"1'6\"", 5, false}, {"1'6\"", 3, true}, {"1'6\"", 4, true},  {"6\"", 1, false},
  };
  for (const Row& row : rows)
  {
    double value = 0.0;
    EXPECT_EQ(units.ParseDistance(CKyString(row.text), value, row.mode), row.accepted) << row.text << " " << row.mode;
  }
}

TEST_F(ServicesUnits, StringToDistanceGivesZeroForUnreadableText)
{
  EXPECT_DOUBLE_EQ(units.StringToDistance(CKyString("1'-6\""), 0, 1), 18.0);
  EXPECT_DOUBLE_EQ(units.StringToDistance(CKyString("78.5398"), 0, 1), 78.5398);
  EXPECT_DOUBLE_EQ(units.StringToDistance(CKyString("-5"), 0, 1), -5.0);
  EXPECT_DOUBLE_EQ(units.StringToDistance(CKyString("-5"), 0, 0), 0.0);
  EXPECT_DOUBLE_EQ(units.StringToDistance(CKyString("garbage"), 0, 1), 0.0);
  EXPECT_DOUBLE_EQ(units.StringToDistance(CKyString("nan"), 0, 1), 0.0);
}

struct AngleRow
{
  double radians;
  int mode;
  int precision;
  const char* expected;
};

TEST_F(ServicesUnits, FormatsAnglesInEveryAngularMode)
{
  const AngleRow rows[] = {
    {kPi / 4.0, 0, 2, "45.00"},
    {-kPi / 4.0, 0, 0, "-45"},
    {deg(45.5), 1, 4, "45d30'0\""},
    {deg(45.5), 1, 2, "45d30'"},
    {deg(45.0), 1, 0, "45d"},
    {deg(45.5125), 1, 6, "45d30'45.00\""},
    {deg(59.99999), 1, 4, "60d0'0\""}, // seconds carry into minutes and degrees
    {deg(45.0), 2, 0, "50g"},
    {deg(45.0), 2, 2, "50.00g"},
    {kPi / 4.0, 3, 4, "0.7854r"},
    {deg(45.0), 4, 0, "N 45d E"},
    {deg(135.0), 4, 0, "N 45d W"},
    {deg(225.0), 4, 0, "S 45d W"},
    {deg(315.0), 4, 0, "S 45d E"},
    {deg(30.5), 4, 2, "N 59d30' E"},
    {deg(90.0), 4, 0, "N"},
    {0.0, 4, 0, "E"},
    {deg(180.0), 4, 4, "W"},
    {deg(-90.0), 4, 0, "S"},
    {deg(405.0), 4, 0, "N 45d E"},
  };
  for (const AngleRow& row : rows)
  {
    EXPECT_EQ(units.FormatAngle(row.radians, row.mode, row.precision).toQString(), QString::fromUtf8(row.expected))
      << row.radians << " mode " << row.mode << " precision " << row.precision;
  }
}

TEST_F(ServicesUnits, ParsesAngleForms)
{
  const ParseRow rows[] = {
    {"45", 45.0},          {"-45", -45.0},       {"45d", 45.0},        {"45d30'", 45.5},
    {"45d30'36\"", 45.51}, {"1.2r", 1.2 * 180.0 / kPi}, {"50g", 45.0}, {"N 45d E", 45.0},
    {"N45d30'W", 135.5},   {"S 45d W", 225.0},   {"S 10 E", 280.0},    {"N", 90.0},
    {"W", 180.0},
  };
  for (const ParseRow& row : rows)
  {
    double radians = 0.0;
    ASSERT_TRUE(units.ParseAngle(CKyString(row.text), radians)) << row.text;
    EXPECT_NEAR(radians, deg(row.expected), 1e-12) << row.text;
  }
  const char* const refused[] = {"", "45x", "45d61'", "N 95d E", "N -5 E", "nan", "45d30'x", "Q"};
  for (const char* text : refused)
  {
    double radians = 7.0;
    EXPECT_FALSE(units.ParseAngle(CKyString(text), radians)) << text;
    EXPECT_EQ(radians, 7.0) << text;
  }
}

// The smallest step an angle text shows, in radians.
double angleStep(int mode, int precision)
{
  const double decimal = std::pow(10.0, -precision);
  switch (mode)
  {
  case 0: return deg(decimal);
  case 2: return decimal * kPi / 200.0;
  case 3: return decimal;
  default:
    if (precision == 0)
      return deg(1.0);
    if (precision <= 2)
      return deg(1.0 / 60.0);
    return deg(std::pow(10.0, -(precision > 4 ? precision - 4 : 0)) / 3600.0);
  }
}

TEST_F(ServicesUnits, AnglesRoundTripThroughTheirText)
{
  const double angles[] = {deg(0.5), deg(45.5125), deg(123.25), deg(200.0), deg(301.75)};
  for (int mode = 0; mode <= 4; ++mode)
  {
    for (int precision : {2, 4, 8})
    {
      for (double angle : angles)
      {
        const CKyString text = units.FormatAngle(angle, mode, precision);
        double parsed = 0.0;
        ASSERT_TRUE(units.ParseAngle(text, parsed)) << text.toQString().toStdString();
        EXPECT_NEAR(parsed, angle, angleStep(mode, precision) / 2.0 + 1e-12) << text.toQString().toStdString();
      }
    }
  }
}

TEST(ServicesNullDatabase, QueriesOfANullDatabaseThrow)
{
  CKyDatabase none(nullptr);
  EXPECT_FALSE(none.IsValid());
  EXPECT_EQ(none.GetOdDatabase(), nullptr);
  try
  {
    none.FormatDistance(1.0);
    FAIL() << "no exception";
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(e.code(), eNullObjectPointer);
  }
  OdGePoint3d point(1.0, 2.0, 3.0);
  EXPECT_THROW(none.WorldToUCS(point), OdError);
  EXPECT_THROW(none.GetPlotStyleMode(), OdError);
}
} // namespace

// Decimal texts are Qt's own fixed notation, exact halves rounded away from zero included
// (binary fractions such as 0.125 are exact halves at two places).
TEST_F(ServicesUnits, DecimalTextsMatchQtFixedNotation)
{
  const double edges[] = {0.125, 0.375, 2.5, 0.5, 9.5, 99.5, 9.995, 0.995, 999.9999999, 169388.5, 78394.625,
                          -3395.8828125, 1e15, 1e21, 1.7976931348623157e308, 5e-324, 0.045, 1.005, 2.675, -0.0,
                          1e-9, 0.49999999999999994};
  int mismatches = 0;
  auto check = [&](double value, int precision) {
    const QString expected = QString::number(std::fabs(value), 'f', precision);
    const QString shown = units.FormatDistance(std::fabs(value), 2, precision).toQString();
    if (shown != expected && ++mismatches <= 10)
      ADD_FAILURE() << value << " at " << precision << ": " << shown.toStdString() << " != " << expected.toStdString();
  };
  for (double value : edges)
    for (int precision = 0; precision <= 8; ++precision)
      check(value, precision);
  std::uint64_t state = 12345;
  auto next = [&] { return state = state * 6364136223846793005ull + 1442695040888963407ull; };
  for (int i = 0; i < 200000; ++i)
  {
    const int precision = static_cast<int>(next() >> 60) % 9;
    double value = static_cast<double>(next() >> 11) / 9007199254740992.0 * 1e6;
    if (i % 3 == 0) // binary fractions: exact halves at some places
      value = std::ldexp(std::floor(value), -static_cast<int>(next() >> 60) % 12);
    else if (i % 3 == 1) // every magnitude from 1e-9 to 1e13, across the printers' boundaries
      value = std::pow(10.0, static_cast<double>(next() >> 11) / 9007199254740992.0 * 22.0 - 9.0);
    check(value, precision);
  }
  EXPECT_EQ(mismatches, 0);
}
