// Drawing-units service of CKyDatabase: distances, areas and angles formatted in the drawing's
// unit modes and parsed back. Rounding happens once, on the smallest shown unit, so that a value
// just below a whole inch or foot carries into it (11.999 architectural shows 1'-0").
#include <charconv>
#include <cmath>
#include <cstring>
#include <numeric>

#include <QRegularExpression>

#include "Ge/GeGbl.h"
#include "KyDatabase.h"
#include "OdError.h"

namespace
{
const int kMaxPrecision = 8;

int clampPrecision(int precision)
{
  return precision < 0 ? 0 : (precision > kMaxPrecision ? kMaxPrecision : precision);
}

// Exact halves (binary fractions such as 0.125 at two places) are rounded away from zero, as Qt
// does; std::to_chars rounds them to even. Printed 26 places further, a value shows whether it
// is one: no other double comes within 10^-(decimals+26) of a half, so the digits after the cut
// decide the rounding exactly.
QString fixedSlow(double value, int decimals)
{
  char text[448];
  const auto printed = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals + 26);
  char* const point = printed.ptr - (decimals + 27);
  char* const firstDropped = point + 1 + decimals;
  char* end = decimals > 0 ? firstDropped : point;
  if (*firstDropped >= '5')
  {
    char* const first = text[0] == '-' ? text + 1 : text;
    char* p = end - 1;
    for (; p >= first; --p)
    {
      if (*p == '.')
        continue;
      if (*p != '9')
        break;
      *p = '0';
    }
    if (p >= first)
      ++*p;
    else
    {
      std::memmove(first + 1, first, static_cast<std::size_t>(end - first));
      *first = '1';
      ++end;
    }
  }
  return QString::fromLatin1(text, static_cast<int>(end - text));
}

// QString::number(value, 'f', decimals) without its cost: values that are not close to a half at
// the last shown place are printed directly.
QString fixed(double value, int decimals)
{
  static const double kPow10[kMaxPrecision + 1] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
  if (decimals < 0 || decimals > kMaxPrecision || !std::isfinite(value))
    return QString::number(value, 'f', decimals);
  if (value == 0.0)
    value = 0.0; // Qt shows no sign on a zero
  const double scaled = std::fabs(value) * kPow10[decimals];
  if (!(scaled < 1e15) || std::fabs(scaled - std::floor(scaled) - 0.5) <= 1e-3)
    return fixedSlow(value, decimals);
  char text[40];
  if (scaled < 1e12)
  {
    // Below 1e12 the product is within 1.2e-4 of the exact one and the value is at least 1e-3
    // away from a half, so rounding the product gives the exact rounding: print that integer
    // with the point put in (std::to_chars spent ~600 instructions on the same digits).
    unsigned long long digits = static_cast<unsigned long long>(scaled + 0.5);
    char* end = text + sizeof text;
    char* p = end;
    auto putDigit = [&] {
      *--p = static_cast<char>('0' + digits % 10);
      digits /= 10;
    };
    for (int place = 0; place < decimals; ++place)
      putDigit();
    if (decimals > 0)
      *--p = '.';
    do
      putDigit();
    while (digits != 0);
    if (value < 0.0)
      *--p = '-';
    return QString::fromLatin1(p, static_cast<int>(end - p));
  }
  const auto printed = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  return QString::fromLatin1(text, static_cast<int>(printed.ptr - text));
}

// True when the text shows no non-zero digit (a value that rounded to zero gets no minus sign).
bool showsZero(const QString& text)
{
  for (const QChar c : text)
  {
    if (c.isDigit() && c != QLatin1Char('0'))
      return false;
  }
  return true;
}

QString withSign(bool negative, const QString& magnitude)
{
  return negative && !showsZero(magnitude) ? QLatin1Char('-') + magnitude : magnitude;
}

QString nonFiniteText(double value)
{
  if (std::isnan(value))
    return QStringLiteral("NaN");
  return value < 0.0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
}

// "n/d" reduced, or empty when n is zero.
QString fractionText(double numerator, double denominator)
{
  if (numerator == 0.0)
    return QString();
  const long long n = static_cast<long long>(numerator);
  const long long d = static_cast<long long>(denominator);
  const long long g = std::gcd(n, d);
  return QString::number(n / g) + QLatin1Char('/') + QString::number(d / g);
}

QString wholeText(double value)
{
  return fixed(value, 0);
}

// Magnitude texts of the five linear modes; the value is non-negative and finite.
QString scientificText(double value, int precision)
{
  return QString::number(value, 'E', precision);
}

// Counts of shown steps stay exact integers below 2^53; beyond, a value has no digits left below
// its shown step, and the steps are counted from the value itself.
constexpr double kExactCount = 9007199254740992.0;

// Whole groups of `per` steps and the steps left over (0 <= rest < per) in a count of steps. The
// remainder is taken exactly: count - floor(count / per) * per can come out negative or a whole
// group once the quotient rounds up.
void splitCount(double count, double per, double& groups, double& rest)
{
  rest = std::fmod(count, per);
  groups = std::round((count - rest) / per);
}

QString engineeringText(double inches, int precision)
{
  const double scale = std::pow(10.0, precision);
  double feet = 0.0, restInches = 0.0;
  if (inches * scale < kExactCount)
  {
    double rest = 0.0;
    splitCount(std::round(inches * scale), 12.0 * scale, feet, rest);
    restInches = rest / scale;
  }
  else
    splitCount(inches, 12.0, feet, restInches);
  return wholeText(feet) + QStringLiteral("'-") + fixed(restInches, precision) + QLatin1Char('"');
}

QString architecturalText(double inches, int precision)
{
  const double denominator = std::ldexp(1.0, precision);
  double feet = 0.0, rest = 0.0; // rest in steps of 1/denominator inch
  if (inches * denominator < kExactCount)
    splitCount(std::round(inches * denominator), 12.0 * denominator, feet, rest);
  else
  {
    // The value is a multiple of its spacing, at least one step here: the rest is whole steps.
    splitCount(inches, 12.0, feet, rest);
    rest *= denominator;
  }
  const double wholeInches = std::floor(rest / denominator);
  const QString fraction = fractionText(rest - wholeInches * denominator, denominator);
  QString text = wholeText(feet) + QStringLiteral("'-") + wholeText(wholeInches);
  if (!fraction.isEmpty())
    text += QLatin1Char(' ') + fraction;
  return text + QLatin1Char('"');
}

QString fractionalText(double value, int precision)
{
  const double denominator = std::ldexp(1.0, precision);
  double whole = 0.0, rest = 0.0;
  if (value * denominator < kExactCount)
    splitCount(std::round(value * denominator), denominator, whole, rest);
  else
  {
    splitCount(value, 1.0, whole, rest);
    rest *= denominator;
  }
  const QString fraction = fractionText(rest, denominator);
  if (fraction.isEmpty())
    return wholeText(whole);
  if (whole == 0.0)
    return fraction;
  return wholeText(whole) + QLatin1Char(' ') + fraction;
}

QString linearText(double value, int mode, int precision)
{
  if (!std::isfinite(value))
    return nonFiniteText(value);
  const double magnitude = std::fabs(value);
  QString text;
  switch (mode)
  {
  case 1: text = scientificText(magnitude, precision); break;
  case 2: text = fixed(magnitude, precision); break;
  case 3: text = engineeringText(magnitude, precision); break;
  case 4: text = architecturalText(magnitude, precision); break;
  case 5: text = fractionalText(magnitude, precision); break;
  default: throw OdError(eInvalidInput);
  }
  return withSign(value < 0.0, text);
}

// Degrees as degrees/minutes/seconds at an angular precision (see FormatAngle); roundedDegrees
// receives the shown value so that callers can test for carries.
QString dmsText(double degrees, int precision, double* roundedDegrees = nullptr)
{
  QString text;
  double shown = 0.0;
  if (precision == 0)
  {
    shown = std::round(degrees);
    text = wholeText(shown) + QLatin1Char('d');
  }
  else if (precision <= 2)
  {
    const double minutes = std::round(degrees * 60.0);
    const double d = std::floor(minutes / 60.0);
    shown = minutes / 60.0;
    text = wholeText(d) + QLatin1Char('d') + wholeText(minutes - d * 60.0) + QLatin1Char('\'');
  }
  else
  {
    const int secondDecimals = precision > 4 ? precision - 4 : 0;
    const double scale = std::pow(10.0, secondDecimals);
    const double units = std::round(degrees * 3600.0 * scale);
    const double d = std::floor(units / (3600.0 * scale));
    const double rest = units - d * 3600.0 * scale;
    const double m = std::floor(rest / (60.0 * scale));
    const double s = (rest - m * 60.0 * scale) / scale;
    shown = units / (3600.0 * scale);
    text = wholeText(d) + QLatin1Char('d') + wholeText(m) + QLatin1Char('\'') + fixed(s, secondDecimals) +
           QLatin1Char('"');
  }
  if (roundedDegrees)
    *roundedDegrees = shown;
  return text;
}

QString surveyorText(double radians, int precision)
{
  double degrees = std::fmod(radians * 180.0 / OdaPI, 360.0);
  if (degrees < 0.0)
    degrees += 360.0;
  QChar northSouth, eastWest;
  double bearing;
  if (degrees <= 90.0)
  {
    northSouth = QLatin1Char('N'), eastWest = QLatin1Char('E'), bearing = 90.0 - degrees;
  }
  else if (degrees <= 180.0)
  {
    northSouth = QLatin1Char('N'), eastWest = QLatin1Char('W'), bearing = degrees - 90.0;
  }
  else if (degrees <= 270.0)
  {
    northSouth = QLatin1Char('S'), eastWest = QLatin1Char('W'), bearing = 270.0 - degrees;
  }
  else
  {
    northSouth = QLatin1Char('S'), eastWest = QLatin1Char('E'), bearing = degrees - 270.0;
  }
  double shown = 0.0;
  const QString dms = dmsText(bearing, precision, &shown);
  if (shown == 0.0)
    return QString(northSouth);
  if (shown == 90.0)
    return QString(eastWest);
  return QString(northSouth) + QLatin1Char(' ') + dms + QLatin1Char(' ') + eastWest;
}

// Parsing. Numbers use '.' as the decimal separator; blanks are allowed only where shown.
const QString kNumber = QStringLiteral("(?:\\d+(?:\\.\\d*)?|\\.\\d+)");
const QString kExponent = QStringLiteral("(?:[eE][+-]?\\d+)?");
// A whole number and a fraction "15 1/2" / "15-1/2", a fraction "3/4", or a number.
const QString kInches = QStringLiteral("(?:(\\d+)(?:\\s+|-))?(?:(\\d+)/(\\d+))|(") + kNumber + QLatin1Char(')');

const QRegularExpression& plainNumberPattern()
{
  static const QRegularExpression re(QStringLiteral("^[+-]?") + kNumber + kExponent + QLatin1Char('$'));
  return re;
}

const QRegularExpression& fractionPattern()
{
  static const QRegularExpression re(QStringLiteral("^([+-]?)(?:(\\d+)(?:\\s+|-))?(\\d+)/(\\d+)$"));
  return re;
}

const QRegularExpression& feetInchesPattern()
{
  static const QRegularExpression re(QStringLiteral("^([+-]?)(") + kNumber + QStringLiteral(")'(?:\\s*-?\\s*(?:") +
                                     kInches + QStringLiteral(")\\s*\"?)?$"));
  return re;
}

const QRegularExpression& inchesPattern()
{
  static const QRegularExpression re(QStringLiteral("^([+-]?)(?:") + kInches + QStringLiteral(")\\s*\"$"));
  return re;
}

bool toNumber(const QString& text, double& value)
{
  bool ok = false;
  value = text.toDouble(&ok);
  return ok && std::isfinite(value);
}

// whole + numerator/denominator from captured groups; a zero denominator does not parse.
bool mixedValue(const QString& whole, const QString& numerator, const QString& denominator, double& value)
{
  double w = 0.0, n = 0.0, d = 0.0;
  if (!whole.isEmpty() && !toNumber(whole, w))
    return false;
  if (!toNumber(numerator, n) || !toNumber(denominator, d) || d == 0.0)
    return false;
  value = w + n / d;
  return true;
}

// Inches captured by kInches starting at group `first` (whole, numerator, denominator, number).
bool inchesValue(const QRegularExpressionMatch& match, int first, double& value)
{
  if (match.capturedLength(first + 3) > 0)
    return toNumber(match.captured(first + 3), value);
  return mixedValue(match.captured(first), match.captured(first + 1), match.captured(first + 2), value);
}

bool parseLinear(const QString& input, int mode, double& value)
{
  const QString text = input.trimmed();
  if (text.isEmpty())
    return false;
  double result = 0.0;
  bool parsed = false;
  if (plainNumberPattern().match(text).hasMatch())
  {
    parsed = toNumber(text, result);
  }
  else if (mode == 0 || mode >= 3)
  {
    QRegularExpressionMatch m = fractionPattern().match(text);
    if (m.hasMatch())
    {
      parsed = mixedValue(m.captured(2), m.captured(3), m.captured(4), result);
      if (m.captured(1) == QLatin1String("-"))
        result = -result;
    }
    else if (mode != 5)
    {
      m = feetInchesPattern().match(text);
      if (m.hasMatch())
      {
        double feet = 0.0, inches = 0.0;
        const bool hasInches = m.capturedLength(3) > 0 || m.capturedLength(4) > 0 || m.capturedLength(6) > 0;
        parsed = toNumber(m.captured(2), feet) && (!hasInches || inchesValue(m, 3, inches));
        result = feet * 12.0 + inches;
      }
      else if ((m = inchesPattern().match(text)).hasMatch())
      {
        parsed = inchesValue(m, 2, result);
      }
      if (parsed && m.captured(1) == QLatin1String("-"))
        result = -result;
    }
  }
  if (!parsed || !std::isfinite(result))
    return false;
  value = result;
  return true;
}

const QRegularExpression& dmsPattern()
{
  // Degrees with 'd', optional minutes and seconds; used signed and inside surveyor's bearings.
  static const QRegularExpression re(QStringLiteral("^([+-]?)(") + kNumber + QStringLiteral(")d(?:\\s*(") + kNumber +
                                     QStringLiteral(")')?(?:\\s*(") + kNumber + QStringLiteral(")\")?$"));
  return re;
}

bool dmsDegrees(const QString& text, double& degrees)
{
  const QRegularExpressionMatch m = dmsPattern().match(text);
  if (!m.hasMatch())
    return false;
  double d = 0.0, minutes = 0.0, seconds = 0.0;
  if (!toNumber(m.captured(2), d))
    return false;
  if (m.capturedLength(3) > 0 && (!toNumber(m.captured(3), minutes) || minutes >= 60.0))
    return false;
  if (m.capturedLength(4) > 0 && (!toNumber(m.captured(4), seconds) || seconds >= 60.0))
    return false;
  degrees = d + minutes / 60.0 + seconds / 3600.0;
  if (m.captured(1) == QLatin1String("-"))
    degrees = -degrees;
  return true;
}

bool parseAngleDegrees(const QString& input, double& degrees)
{
  const QString text = input.trimmed();
  if (text.isEmpty())
    return false;
  if (plainNumberPattern().match(text).hasMatch())
    return toNumber(text, degrees);
  static const QRegularExpression suffixed(QStringLiteral("^([+-]?") + kNumber + kExponent + QStringLiteral(")([rRgG])$"));
  QRegularExpressionMatch m = suffixed.match(text);
  if (m.hasMatch())
  {
    double amount = 0.0;
    if (!toNumber(m.captured(1), amount))
      return false;
    const bool radians = m.captured(2).compare(QLatin1String("r"), Qt::CaseInsensitive) == 0;
    degrees = radians ? amount * 180.0 / OdaPI : amount * 0.9;
    return true;
  }
  if (dmsDegrees(text, degrees))
    return true;
  static const QRegularExpression axis(QStringLiteral("^[NSEWnsew]$"));
  if (axis.match(text).hasMatch())
  {
    const QChar c = text.at(0).toUpper();
    degrees = c == QLatin1Char('E') ? 0.0 : c == QLatin1Char('N') ? 90.0 : c == QLatin1Char('W') ? 180.0 : 270.0;
    return true;
  }
  static const QRegularExpression bearing(QStringLiteral("^([NSns])\\s*(\\S(?:.*\\S)?)\\s*([EWew])$"));
  m = bearing.match(text);
  if (!m.hasMatch())
    return false;
  const QString amount = m.captured(2);
  double b = 0.0;
  if (amount.startsWith(QLatin1Char('+')) || amount.startsWith(QLatin1Char('-')))
    return false;
  if (!(plainNumberPattern().match(amount).hasMatch() ? toNumber(amount, b) : dmsDegrees(amount, b)) || b > 90.0)
    return false;
  const bool north = m.captured(1).toUpper() == QLatin1String("N");
  const bool east = m.captured(3).toUpper() == QLatin1String("E");
  degrees = north ? (east ? 90.0 - b : 90.0 + b) : (east ? 270.0 + b : 270.0 - b);
  return true;
}
} // namespace

CKyString CKyDatabase::FormatDistance(double value, int unitMode, int precision) const
{
  const int mode = unitMode == -1 ? GetLinearUnitMode() : unitMode;
  const int prec = clampPrecision(precision == -1 ? GetLinearPrecision() : precision);
  return CKyString(linearText(value, mode, prec));
}

CKyString CKyDatabase::FormatArea(double value, int unitMode, int precision) const
{
  const int mode = unitMode == -1 ? GetLinearUnitMode() : unitMode;
  const int prec = clampPrecision(precision == -1 ? GetLinearPrecision() : precision);
  if (mode < 1 || mode > 5)
    throw OdError(eInvalidInput);
  return CKyString(linearText(value, mode == 1 ? 1 : 2, prec));
}

CKyString CKyDatabase::FormatAngle(double radians, int angleMode, int precision) const
{
  const int mode = angleMode == -1 ? GetAngularUnitMode() : angleMode;
  const int prec = clampPrecision(precision == -1 ? GetAngularPrecision() : precision);
  if (mode < 0 || mode > 4)
    throw OdError(eInvalidInput);
  if (!std::isfinite(radians))
    return CKyString(nonFiniteText(radians));
  const double magnitude = std::fabs(radians);
  switch (mode)
  {
  case 0: return CKyString(withSign(radians < 0.0, fixed(magnitude * 180.0 / OdaPI, prec)));
  case 1: return CKyString(withSign(radians < 0.0, dmsText(magnitude * 180.0 / OdaPI, prec)));
  case 2: return CKyString(withSign(radians < 0.0, fixed(magnitude * 200.0 / OdaPI, prec)) + QLatin1Char('g'));
  case 3: return CKyString(withSign(radians < 0.0, fixed(magnitude, prec)) + QLatin1Char('r'));
  default: return CKyString(surveyorText(radians, prec));
  }
}

bool CKyDatabase::ParseDistance(const CKyString& text, double& value, int unitMode) const
{
  db();
  const int mode = unitMode == -1 ? GetLinearUnitMode() : unitMode;
  if (mode < 0 || mode > 5)
    throw OdError(eInvalidInput);
  return parseLinear(text.toQString(), mode, value);
}

double CKyDatabase::StringToDistance(const CKyString& text, int unitMode, int flags) const
{
  double value = 0.0;
  if (!ParseDistance(text, value, unitMode))
    return 0.0;
  if (value < 0.0 && !(flags & kAllowNegative))
    return 0.0;
  return value;
}

bool CKyDatabase::ParseAngle(const CKyString& text, double& radians) const
{
  db();
  double degrees = 0.0;
  if (!parseAngleDegrees(text.toQString(), degrees))
    return false;
  const double result = degrees * OdaPI / 180.0;
  if (!std::isfinite(result))
    return false;
  radians = result;
  return true;
}
