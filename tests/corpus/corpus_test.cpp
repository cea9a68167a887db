// Every drawing of the third-party corpus (tests/corpus/manifest.tsv) run through the real kyprops:
// it opens, every row of every entity reads with a finite value, the listing prints, the angles
// shown are the ones the file's tags hold, and the repairs and the --strict outcome equal the
// reviewed record in tests/corpus/records. KY_RECORD_CORPUS=1 writes the records anew.
// Hatch areas equal those an independent reading of the file computes (hatch_areas.py).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include "KyPropsProcess.h"

namespace
{
struct CorpusFile
{
  QString package;
  QString version;
  QString archivePath;
  QString local;
  QString licence;

  QString name() const { return QFileInfo(local).fileName(); }
  // Committed files live in tests/corpus/files, fetched ones in the cache folder.
  QString path() const
  {
    if (local.startsWith(QLatin1String("files/")))
      return QStringLiteral(KY_CORPUS_SOURCE_DIR "/") + local;
    const QString dir = qEnvironmentVariableIsSet("KY_CORPUS_DIR") ? qEnvironmentVariable("KY_CORPUS_DIR")
                                                                   : QStringLiteral(KY_CORPUS_DEFAULT_DIR);
    return QDir(dir).filePath(local);
  }
};

std::vector<CorpusFile> manifest()
{
  std::vector<CorpusFile> files;
  QFile file(QStringLiteral(KY_CORPUS_SOURCE_DIR "/manifest.tsv"));
  if (!file.open(QIODevice::ReadOnly))
    return files;
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
  {
    const QStringList f = line.split('\t');
    if (line.startsWith('#') || f.size() != 6 || f[0] == QLatin1String("package"))
      continue;
    files.push_back({f[0], f[1], f[3], f[4], f[5]});
  }
  return files;
}

// ---- the file's own tags, read independently of the reader ---------------------------------------

// One entity of the ENTITIES or BLOCKS section: its kind, first line, and the first value of
// each group code (an MTEXT's embedded object, from code 101 on, is left out).
struct FileEntity
{
  QString kind;
  int line = 0;
  std::map<int, QString> values;
  std::map<int, int> valueLines;

  std::optional<double> real(int code) const
  {
    const auto it = values.find(code);
    if (it == values.end())
      return std::nullopt;
    bool ok = false;
    const double v = it->second.toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
  }
};

std::map<QString, FileEntity> entitiesByHandle(const QString& path)
{
  std::map<QString, FileEntity> out;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return out;
  const QStringList lines = QString::fromLatin1(file.readAll()).split('\n');
  QString section;
  FileEntity current;
  bool embedded = false;
  auto finish = [&]() {
    const auto handle = current.values.find(5);
    if (!current.kind.isEmpty() && handle != current.values.end())
      out[handle->second.toUpper()] = current;
    current = FileEntity();
  };
  for (int i = 0; i + 1 < lines.size(); i += 2)
  {
    bool ok = false;
    const int code = lines[i].trimmed().toInt(&ok);
    if (!ok)
      break;
    const QString value = lines[i + 1].trimmed();
    if (code == 0)
    {
      finish();
      embedded = false;
      if (value == QLatin1String("SECTION"))
        section.clear();
      else if (section == QLatin1String("ENTITIES") || section == QLatin1String("BLOCKS"))
        current = FileEntity{value, i + 1, {}, {}};
    }
    else if (code == 2 && section.isEmpty() && current.kind.isEmpty())
      section = value;
    else if (!current.kind.isEmpty() && !embedded)
    {
      embedded = code == 101;
      if (current.values.emplace(code, value).second)
        current.valueLines[code] = i + 2;
    }
  }
  finish();
  return out;
}

double degrees(double radians)
{
  return radians * 180.0 / M_PI;
}

// The difference of two angles in degrees, folded into [0, 180].
double angleGap(double a, double b)
{
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return std::min(d, 360.0 - d);
}

// The angles the file's tags give an entity, in degrees, by the palette row that shows each.
// Empty for entities in another plane than the world's (their angles are in their own system).
std::map<QString, double> fileAngles(const FileEntity& e)
{
  std::map<QString, double> out;
  const double nz = e.real(230).value_or(1.0);
  if (e.real(210).value_or(0.0) != 0.0 || e.real(220).value_or(0.0) != 0.0 || nz <= 0.0)
    return out;
  if (e.kind == QLatin1String("ARC"))
  {
    out["Start Angle"] = e.real(50).value_or(0.0);
    out["End Angle"] = e.real(51).value_or(0.0);
  }
  else if (e.kind == QLatin1String("TEXT"))
  {
    out["Rotation"] = e.real(50).value_or(0.0);
    // A text's obliquing angle shows in its row "Angle".
    out["Angle"] = e.real(51).value_or(0.0);
  }
  else if (e.kind == QLatin1String("MTEXT"))
  {
    const double dx = e.real(11).value_or(0.0), dy = e.real(21).value_or(0.0);
    out["Rotation"] = dx != 0.0 || dy != 0.0 ? degrees(std::atan2(dy, dx)) : e.real(50).value_or(0.0);
  }
  else if (e.kind == QLatin1String("LINE"))
  {
    const double dx = e.real(11).value_or(0.0) - e.real(10).value_or(0.0);
    const double dy = e.real(21).value_or(0.0) - e.real(20).value_or(0.0);
    if (dx != 0.0 || dy != 0.0)
      out["Angle"] = degrees(std::atan2(dy, dx));
  }
  return out;
}

// ---- what kyprops shows ------------------------------------------------------------------------

bool finiteEverywhere(const QJsonValue& v)
{
  if (v.isNull() || v.isUndefined())
    return false;
  if (v.isArray())
  {
    for (const QJsonValue& x : v.toArray())
      if (!finiteEverywhere(x))
        return false;
  }
  else if (v.isObject())
  {
    const QJsonObject o = v.toObject();
    for (auto it = o.begin(); it != o.end(); ++it)
      if (it.key() != QLatin1String("handle") && !finiteEverywhere(it.value()))
        return false;
  }
  return true;
}

// Rows whose empty value is a shown state, not a failure.
bool mayBeEmpty(const QString& objectClass, const QString& row)
{
  // A polyline whose segments have different widths shows its global width as varying; a
  // spline-fitted 2D polyline has no segment widths of its own to show.
  if (objectClass == QLatin1String("Polyline") || objectClass == QLatin1String("2D Polyline"))
    if (row == QLatin1String("Global width"))
      return true;
  if (objectClass == QLatin1String("2D Polyline"))
    return row == QLatin1String("Start segment width") || row == QLatin1String("End segment width");
  // A spline drawn by control points has no fit points and no fit tangents; one out of its plane
  // has no area.
  if (objectClass == QLatin1String("Spline"))
    return row.startsWith(QLatin1String("Fit point ")) || row.contains(QLatin1String("tangent vector")) ||
           row == QLatin1String("Area");
  return false;
}

QString repairLine(const QJsonObject& r)
{
  return QStringLiteral("%1: %2; %3")
    .arg(r.value("line").toInt())
    .arg(r.value("problem").toString(), r.value("action").toString());
}

QString countsText(const QJsonObject& counts)
{
  QStringList parts;
  for (auto it = counts.begin(); it != counts.end(); ++it)
    parts << QStringLiteral("%1 %2").arg(it.value().toInt()).arg(it.key());
  return parts.isEmpty() ? QStringLiteral("none") : parts.join(QLatin1String(", "));
}

// "Multiline text Rotation: 0 (66), 90 (12)": the text rotations shown, for the reviewer's eye.
QStringList rotationLines(const QJsonArray& objects)
{
  std::map<QString, std::map<QString, int>> shown;
  for (const QJsonValue& o : objects)
  {
    const QJsonObject object = o.toObject();
    const QString cls = object.value("class").toString();
    if (cls != QLatin1String("Text") && cls != QLatin1String("Multiline text"))
      continue;
    const QJsonObject row = findBy(object.value("rows").toArray(), "name", "Rotation");
    ++shown[cls][row.value("text").toString()];
  }
  QStringList out;
  for (const auto& kind : shown)
  {
    QStringList values;
    for (const auto& v : kind.second)
      values << QStringLiteral("%1 (%2)").arg(v.first).arg(v.second);
    out << QStringLiteral("%1 Rotation: %2").arg(kind.first, values.join(QLatin1String(", ")));
  }
  return out;
}

void PrintTo(const CorpusFile& file, std::ostream* os)
{
  *os << file.local.toStdString();
}

class CorpusDrawing : public ::testing::TestWithParam<CorpusFile>
{
};
} // namespace

TEST_P(CorpusDrawing, OpensCleanShowsItsAnglesAndMatchesItsRecord)
{
  const CorpusFile& file = GetParam();
  const QString path = file.path();
  if (!QFileInfo::exists(path))
    GTEST_SKIP() << path.toStdString() << " is not there: run tests/corpus/fetch.sh (" << file.package.toStdString()
                 << " " << file.version.toStdString() << ")";

  // It opens and every row of every entity reads.
  const KyPropsResult json = runKyprops({"--json", path});
  ASSERT_EQ(0, json.exitCode) << json.err.toStdString();
  ASSERT_FALSE(json.json.isEmpty()) << "the JSON document does not parse";
  const QJsonObject drawing = json.json.value("drawing").toObject();
  const QJsonArray objects = json.json.value("objects").toArray();
  int badRows = 0;
  for (const QJsonValue& o : objects)
  {
    const QJsonObject object = o.toObject();
    const QString cls = object.value("class").toString();
    for (const QJsonValue& r : object.value("rows").toArray())
    {
      const QJsonObject row = r.toObject();
      const QString name = row.value("name").toString();
      const bool numberShown = row.value("value").isDouble();
      const bool bad = row.contains("error") ||
                       (!finiteEverywhere(row.value("value")) && !mayBeEmpty(cls, name)) ||
                       (numberShown && row.value("text").toString().contains(QRegularExpression("nan|inf", QRegularExpression::CaseInsensitiveOption)));
      if (bad && ++badRows <= 10)
        ADD_FAILURE() << cls.toStdString() << " [" << object.value("handle").toString().toStdString() << "] "
                      << name.toStdString() << ": value " << row.value("value").toVariant().toString().toStdString()
                      << ", text '" << row.value("text").toString().toStdString() << "' "
                      << row.value("error").toString().toStdString();
    }
  }
  EXPECT_EQ(0, badRows) << "rows without a sound value";

  // The angles shown are those of the file's tags, except where the reader reported a repair of
  // a value they come from (the record says what it did).
  const std::map<QString, FileEntity> tags = entitiesByHandle(path);
  const QJsonArray repairs = drawing.value("repairs").toArray();
  int angleChecks = 0;
  for (const QJsonValue& o : objects)
  {
    const QJsonObject object = o.toObject();
    const auto it = tags.find(object.value("handle").toString());
    if (it == tags.end())
      continue;
    const FileEntity& e = it->second;
    const bool repaired = std::any_of(repairs.begin(), repairs.end(), [&](const QJsonValue& r) {
      const int line = r.toObject().value("line").toInt();
      return std::any_of(e.valueLines.begin(), e.valueLines.end(), [&](const std::pair<const int, int>& v) {
        return v.second == line && (v.first % 10 == 0 || v.first % 10 == 1) && v.first < 60;
      });
    });
    if (repaired)
      continue;
    for (const auto& angle : fileAngles(e))
    {
      const QJsonObject row = findBy(object.value("rows").toArray(), "name", angle.first);
      ASSERT_TRUE(row.value("value").isDouble()) << e.kind.toStdString() << " at line " << e.line << " has no row "
                                                 << angle.first.toStdString();
      EXPECT_LT(angleGap(degrees(row.value("value").toDouble()), angle.second), 1e-6)
        << e.kind.toStdString() << " at line " << e.line << ": " << angle.first.toStdString() << " shows "
        << row.value("text").toString().toStdString() << ", the file says " << angle.second;
      ++angleChecks;
    }
  }

  // The listing prints, one for each entity.
  const KyPropsResult list = runKyprops({"--list", path});
  EXPECT_EQ(0, list.exitCode) << list.err.toStdString();
  EXPECT_EQ(objects.size(), list.out.count(QStringLiteral("\n  Listing\n")));

  // --strict stops at one of the repaired problems, or reads a file that needs none.
  const KyPropsResult strict = runKyprops({"--strict", "--summary", path});
  QString strictLine = QStringLiteral("strict: exit %1").arg(strict.exitCode);
  if (repairs.isEmpty())
    EXPECT_EQ(0, strict.exitCode) << strict.err.toStdString();
  else
  {
    EXPECT_EQ(2, strict.exitCode);
    const QString prefix = QStringLiteral("kyprops: %1:").arg(path);
    const QString message = strict.err.trimmed();
    ASSERT_TRUE(message.startsWith(prefix)) << message.toStdString();
    const QString where = message.mid(prefix.size());
    const bool known = std::any_of(repairs.begin(), repairs.end(), [&](const QJsonValue& r) {
      return QStringLiteral("%1: %2").arg(r.toObject().value("line").toInt()).arg(r.toObject().value("problem").toString()) == where;
    });
    EXPECT_TRUE(known) << "--strict stopped at a problem the repairs do not list: " << where.toStdString();
    strictLine += QStringLiteral(" at ") + where;
  }

  QStringList record{QStringLiteral("# %1 from %2 %3: %4 (%5)")
                       .arg(file.name(), file.package, file.version, file.archivePath, file.licence),
                     QStringLiteral("version: %1, code page %2").arg(drawing.value("version").toString(),
                                                                      drawing.value("codepage").toString()),
                     QStringLiteral("entities: %1 (%2 listed)").arg(drawing.value("entities").toInt()).arg(objects.size()),
                     QStringLiteral("skipped: ") + countsText(drawing.value("skipped").toObject()),
                     QStringLiteral("angles checked against the file: %1").arg(angleChecks),
                     strictLine,
                     QStringLiteral("repairs: %1").arg(drawing.value("repairCount").toInt())};
  for (const QJsonValue& r : repairs)
    record << repairLine(r.toObject());
  record << rotationLines(objects);

  QFile stored(QStringLiteral(KY_CORPUS_SOURCE_DIR "/records/") + file.name() + QStringLiteral(".txt"));
  if (qEnvironmentVariableIsSet("KY_RECORD_CORPUS"))
  {
    ASSERT_TRUE(stored.open(QIODevice::WriteOnly | QIODevice::Truncate));
    stored.write((record.join('\n') + '\n').toUtf8());
    return;
  }
  ASSERT_TRUE(stored.open(QIODevice::ReadOnly))
    << "no record " << stored.fileName().toStdString() << ": KY_RECORD_CORPUS=1 writes it, then review it";
  const QStringList expected = QString::fromUtf8(stored.readAll()).split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(expected.join('\n').toStdString(), record.join('\n').toStdString());
}

// Every hatch shows the area that tests/corpus/hatch_areas.py computes from the same file with
// another DXF library (ezdxf) and geometry of its own, to 1e-9 relative. A hatch whose loops touch
// where its nesting is decided is left out there and counted here.
TEST_P(CorpusDrawing, HatchAreasEqualAnIndependentReading)
{
  const CorpusFile& file = GetParam();
  const QString path = file.path();
  if (!QFileInfo::exists(path))
    GTEST_SKIP() << path.toStdString() << " is not there: run tests/corpus/fetch.sh";
  const KyPropsResult json = runKyprops({"--json", path});
  ASSERT_EQ(0, json.exitCode) << json.err.toStdString();
  std::map<QString, double> shown;
  for (const QJsonValue& o : json.json.value("objects").toArray())
  {
    const QJsonObject object = o.toObject();
    if (object.value("class").toString() != QLatin1String("Hatch"))
      continue;
    const QJsonObject area = findBy(object.value("rows").toArray(), "name", QStringLiteral("Area"));
    ASSERT_TRUE(area.value("value").isDouble()) << "hatch " << object.value("handle").toString().toStdString();
    shown[object.value("handle").toString()] = area.value("value").toDouble();
  }
  if (shown.empty())
    return;

  QProcess python;
  python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(KY_CORPUS_SOURCE_DIR "/hatch_areas.py"), path});
  ASSERT_TRUE(python.waitForFinished(300000));
  ASSERT_EQ(0, python.exitCode()) << python.readAllStandardError().toStdString();
  std::map<QString, QString> independent;
  for (const QString& line : QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
  {
    const QStringList parts = line.split(' ');
    ASSERT_EQ(2, parts.size()) << line.toStdString();
    independent[parts[0]] = parts[1];
  }
  int compared = 0, touching = 0;
  for (const auto& [handle, area] : shown)
  {
    const auto it = independent.find(handle);
    ASSERT_NE(it, independent.end()) << "hatch " << handle.toStdString() << " has no independent area";
    if (it->second == QLatin1String("ambiguous"))
    {
      ++touching;
      continue;
    }
    bool ok = false;
    const double expected = it->second.toDouble(&ok);
    ASSERT_TRUE(ok) << it->second.toStdString();
    EXPECT_LE(std::fabs(area - expected), 1e-9 * std::max(std::fabs(expected), 1e-300))
      << "hatch " << handle.toStdString() << " shows " << area << ", the independent reading " << expected;
    ++compared;
  }
  std::printf("%s: %d hatch areas compared, %d with touching loops left out\n", file.name().toUtf8().constData(),
              compared, touching);
  EXPECT_GT(compared, 0) << "every hatch has touching loops";
}

namespace
{
std::string testName(const ::testing::TestParamInfo<CorpusFile>& info)
{
  std::string name = info.param.name().toStdString();
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)))
      c = '_';
  return name;
}
} // namespace

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusDrawing, ::testing::ValuesIn(manifest()), testName);

TEST(CorpusManifest, ListsEachFileOnceWithARecord)
{
  const std::vector<CorpusFile> files = manifest();
  ASSERT_GE(files.size(), 30u) << "the manifest could not be read or lost its files";
  std::map<QString, int> names;
  for (const CorpusFile& f : files)
  {
    EXPECT_EQ(1, ++names[f.name()]) << f.name().toStdString() << " is listed twice";
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral(KY_CORPUS_SOURCE_DIR "/records/") + f.name() + ".txt"))
      << "no record for " << f.name().toStdString();
    if (f.local.startsWith(QLatin1String("files/")))
    {
      EXPECT_TRUE(QFileInfo::exists(f.path())) << "committed file missing: " << f.local.toStdString();
    }
  }
}
