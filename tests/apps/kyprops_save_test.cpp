// kyprops --output: a drawing saved and read again shows the same palette, an edit shows in the
// saved file and nothing else changes, refusals and failed writes leave an old file as it was,
// and what is written is the input tag for tag and opens in an independent DXF reader.
#include <gtest/gtest.h>

#include <algorithm>

#include <initializer_list>

#include <cmath>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>

#include "../platform/dxf/DxfTestWriter.h"
#include "KyPropsProcess.h"
#include "KyTestCorpus.h"

namespace
{
// Handles of the generated drawings' entities.
const char* const kLine = "200";
const char* const kCircle = "201";
const char* const kArc = "202";
const char* const kText = "203";
const char* const kMText = "204";
const char* const kPolyline = "205";
const char* const kSpline = "206";
const char* const kHelix = "207";
const char* const kMesh = "208";

// A drawing of every kind the palette shows, in a version and code page, the way files of that
// version carry it; every application its extended data names is registered.
QByteArray generatedDrawing(const QString& version, const QString& codePage = QStringLiteral("ANSI_1252"))
{
  DxfTestWriter w(version, codePage);
  const int v = w.version();
  DxfDrawing d;
  d.header = {{"$INSUNITS", 70, "4"}, {"$LUNITS", 70, "2"}, {"$LUPREC", 70, "3"}, {"$CLAYER", 8, "Walls"}};
  DxfLayerDef walls;
  walls.name = QStringLiteral("Walls");
  walls.color = 1;
  walls.lineweight = 50;
  DxfLayerDef doors;
  doors.name = QStringLiteral("Doors");
  doors.color = 3;
  d.layers = {walls, doors};
  DxfStyleDef notes;
  notes.name = QStringLiteral("Notes");
  notes.widthFactor = 0.9;
  d.styles = {notes};
  d.appIds = QStringList{QStringLiteral("PE_URL"), QStringLiteral("KY_SAVE")};
  d.entities = [v](DxfTestWriter& w) {
    DxfCommon line;
    line.handle = 0x200;
    line.layer = QStringLiteral("Walls");
    line.color = 30;
    line.lineweight = 35;
    line.hyperlink = QStringLiteral("https://example.org/wall");
    line.xdata = {{1001, QStringLiteral("KY_SAVE")}, {1000, QStringLiteral("kept")}, {1070, QStringLiteral("7")}};
    w.line(line, {1, 2, 0}, {41, 32, 0});
    DxfCommon circle;
    circle.handle = 0x201;
    circle.layer = QStringLiteral("Doors");
    w.circle(circle, {10, 5, 0}, 2.5);
    DxfCommon arc;
    arc.handle = 0x202;
    w.arc(arc, {0, 0, 0}, 3.0, 30.0, 120.0);
    DxfCommon text;
    text.handle = 0x203;
    w.text(text, {1, 1, 0}, 2.0, QStringLiteral("Ground floor"), QStringLiteral("Notes"), 15.0);
    if (v >= 1012)
    {
      DxfCommon mtext;
      mtext.handle = 0x204;
      w.mtext(mtext, {20, 30, 0}, 2.5, 40.0, QStringLiteral("First line\\PSecond line"), 1, QStringLiteral("Notes"));
    }
    if (v >= 1014)
    {
      DxfCommon polyline;
      polyline.handle = 0x205;
      w.lwpolyline(polyline, {{0, 0, 0}, {10, 0, 1.0}, {10, 10, 0}}, true, 0.25);
    }
    if (v >= 1012)
    {
      // A planar cubic of four control points, as one Bezier span.
      DxfCommon spline;
      spline.handle = 0x206;
      QList<QPair<int, QString>> body = {{100, "AcDbSpline"}, {210, "0"}, {220, "0"}, {230, "1"}, {70, "8"},
                                         {71, "3"}, {72, "8"}, {73, "4"}, {74, "0"}, {42, "1e-10"}, {43, "1e-10"}};
      for (const char* k : {"0", "0", "0", "0", "1", "1", "1", "1"})
        body.append({40, k});
      const double points[4][2] = {{0, 0}, {2, 4}, {6, 4}, {8, 0}};
      for (const auto& p : points)
        body << qMakePair(10, QString::number(p[0])) << qMakePair(20, QString::number(p[1]))
             << qMakePair(30, QStringLiteral("0"));
      w.entity("SPLINE", spline, body);
    }
    if (v >= 1021)
    {
      // Two counter-clockwise turns of 1.5 at radius 3 about Z; its spline data, one Bezier span
      // ending at the top, stand in for the curve (the reader rebuilds it from the helix values).
      DxfCommon helix;
      helix.handle = 0x207;
      QList<QPair<int, QString>> body = {{100, "AcDbSpline"}, {70, "0"}, {71, "3"}, {72, "8"}, {73, "4"}, {74, "0"}};
      for (const char* k : {"0", "0", "0", "0", "1", "1", "1", "1"})
        body.append({40, k});
      const double points[4][3] = {{3, 0, 0}, {3, 6, 1}, {-3, 6, 2}, {3, 0, 3}};
      for (const auto& p : points)
        body << qMakePair(10, QString::number(p[0])) << qMakePair(20, QString::number(p[1]))
             << qMakePair(30, QString::number(p[2]));
      body << qMakePair(100, QStringLiteral("AcDbHelix"));
      for (const auto& t : QList<QPair<int, const char*>>{{90, "27"}, {91, "1"}, {10, "0"}, {20, "0"}, {30, "0"},
                                                          {11, "3"}, {21, "0"}, {31, "0"}, {12, "0"}, {22, "0"},
                                                          {32, "1"}, {40, "3"}, {41, "2"}, {42, "1.5"}, {290, "1"},
                                                          {280, "0"}})
        body << qMakePair(t.first, QString(t.second));
      w.entity("HELIX", helix, body);
    }
    {
      // A polyface mesh: a square of four vertices as two triangles, the diagonal hidden, the
      // second face on its own layer.
      const auto marked = [v](QList<QPair<int, QString>> body) {
        if (v < 1012)
          body.erase(std::remove_if(body.begin(), body.end(), [](const auto& t) { return t.first == 100; }),
                     body.end());
        return body;
      };
      DxfCommon mesh;
      mesh.handle = 0x208;
      mesh.layer = QStringLiteral("Walls");
      w.entity("POLYLINE", mesh,
               marked({{100, "AcDbPolyFaceMesh"}, {66, "1"}, {10, "0"}, {20, "0"}, {30, "0"}, {70, "64"},
                       {71, "4"}, {72, "2"}}));
      const double corners[4][3] = {{0, 0, 0}, {4, 0, 0}, {4, 3, 1}, {0, 3, 0}};
      DxfCommon vertex;
      vertex.layer = QStringLiteral("Walls");
      for (const auto& c : corners)
      {
        vertex.handle = 0;
        w.entity("VERTEX", vertex,
                 marked({{100, "AcDbVertex"}, {100, "AcDbPolyFaceMeshVertex"}, {10, QString::number(c[0])},
                         {20, QString::number(c[1])}, {30, QString::number(c[2])}, {70, "192"}}));
      }
      w.entity("VERTEX", vertex,
               marked({{100, "AcDbFaceRecord"}, {10, "0"}, {20, "0"}, {30, "0"}, {70, "128"}, {71, "1"},
                       {72, "2"}, {73, "-3"}}));
      DxfCommon second = vertex;
      second.layer = QStringLiteral("Doors");
      w.entity("VERTEX", second,
               marked({{100, "AcDbFaceRecord"}, {10, "0"}, {20, "0"}, {30, "0"}, {70, "128"}, {71, "-1"},
                       {72, "3"}, {73, "4"}}));
      w.entity("SEQEND", vertex, {});
    }
  };
  w.write(d);
  return w.data();
}

struct GeneratedCase
{
  const char* version;
  const char* codePage;
};

const GeneratedCase kGenerated[] = {{"AC1009", "ANSI_1252"}, {"AC1015", "ANSI_1252"}, {"AC1018", "ANSI_1251"},
                                    {"AC1021", "ANSI_1252"}, {"AC1024", "ANSI_1252"}, {"AC1032", "ANSI_1252"}};

QString fileName(const GeneratedCase& c)
{
  return QStringLiteral("gen-%1-%2.dxf").arg(QLatin1String(c.version), QLatin1String(c.codePage));
}

QByteArray contents(const QString& path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeContents(const QString& path, const QByteArray& data)
{
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QStringList folderEntries(const QString& dir)
{
  return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Until the writer writes a kind or a drawing it says so ("... not implemented yet", "... cannot be
// written yet"): such a run is skipped with the writer's words, never counted as passed.
bool writerLacks(const KyPropsResult& run)
{
  return run.exitCode == 2 && (run.err.contains("not implemented yet") || run.err.contains("cannot be written yet"));
}

std::string lacksText(const KyPropsResult& run)
{
  return "the DXF writer cannot write this yet: " + run.err.trimmed().toStdString();
}

// The palette of every object, with the listing, as JSON (path empty: the sample).
KyPropsResult readBack(const QString& path)
{
  return runKyprops(QStringList{"--json", "--list"} + (path.isEmpty() ? QStringList() : QStringList{path}));
}

// The document without what differs between two reads of the same drawing by nature: the file
// name, the load time, and whatever `drop` names of "drawing" besides.
QJsonObject comparable(QJsonObject doc, const QStringList& drop = QStringList())
{
  QJsonObject drawing = doc.value("drawing").toObject();
  for (const QString& key : QStringList{"source", "loadMs"} + drop)
    drawing.remove(key);
  doc.insert("drawing", drawing);
  doc.remove("output");
  QJsonArray objects = doc.value("objects").toArray();
  for (int i = 0; i < objects.size(); ++i)
  {
    QJsonObject o = objects[i].toObject();
    o.remove("edits");
    objects[i] = o;
  }
  doc.insert("objects", objects);
  return doc;
}

// "path: a != b" for each difference between two JSON values, at most `limit` of them.
void differences(const QJsonValue& a, const QJsonValue& b, const QString& path, QStringList& out, int limit = 12)
{
  if (out.size() >= limit || a == b)
    return;
  if (a.isObject() && b.isObject())
  {
    const QJsonObject x = a.toObject(), y = b.toObject();
    QStringList keys = x.keys() + y.keys();
    keys.removeDuplicates();
    for (const QString& key : keys)
      differences(x.value(key), y.value(key), path + "." + key, out, limit);
    return;
  }
  if (a.isArray() && b.isArray() && a.toArray().size() == b.toArray().size())
  {
    const QJsonArray x = a.toArray(), y = b.toArray();
    for (int i = 0; i < x.size(); ++i)
    {
      // Objects and rows are named by their handle or name, so the message says which.
      const QJsonObject item = x[i].toObject();
      const QString name = item.contains("handle") ? item.value("handle").toString() : item.value("name").toString();
      differences(x[i], y[i], QStringLiteral("%1[%2]").arg(path, name.isEmpty() ? QString::number(i) : name), out,
                  limit);
    }
    return;
  }
  const auto shown = [](const QJsonValue& v) {
    if (v.isUndefined())
      return QStringLiteral("(absent)");
    return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
  };
  out << QStringLiteral("%1: %2 != %3").arg(path, shown(a).left(200), shown(b).left(200));
}

::testing::AssertionResult sameDocument(const QJsonObject& expected, const QJsonObject& actual)
{
  QStringList out;
  differences(expected, actual, "$", out);
  if (out.isEmpty())
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "read back otherwise:\n  " << out.join("\n  ").toStdString();
}

// The file's (code, value) pairs.
struct Tag
{
  int code;
  QString value;
};

std::vector<Tag> tags(const QByteArray& data)
{
  std::vector<Tag> out;
  const QList<QByteArray> lines = data.split('\n');
  for (int i = 0; i + 1 < lines.size(); i += 2)
    out.push_back({lines[i].trimmed().toInt(), QString::fromLatin1(lines[i + 1]).remove(QLatin1Char('\r'))});
  return out;
}

bool sameValue(const QString& a, const QString& b)
{
  bool okA = false, okB = false;
  const double x = a.trimmed().toDouble(&okA), y = b.trimmed().toDouble(&okB);
  if (okA && okB)
    return x == y || std::fabs(x - y) <= 1e-12 * std::max(std::fabs(x), std::fabs(y));
  return a == b;
}

// Tag for tag, numbers as numbers. $HANDSEED is the database's next handle, not the file's.
::testing::AssertionResult sameTags(const QByteArray& input, const QByteArray& output)
{
  const std::vector<Tag> a = tags(input), b = tags(output);
  QStringList out;
  size_t i = 0;
  for (; i < a.size() && i < b.size() && out.size() < 8; ++i)
  {
    if (i > 0 && a[i - 1].code == 9 && a[i - 1].value == QLatin1String("$HANDSEED") && a[i].code == b[i].code)
      continue;
    if (a[i].code != b[i].code || !sameValue(a[i].value, b[i].value))
      out << QStringLiteral("tag %1: (%2, %3) became (%4, %5)")
               .arg(i)
               .arg(a[i].code)
               .arg(a[i].value)
               .arg(b[i].code)
               .arg(b[i].value);
  }
  if (a.size() != b.size())
    out << QStringLiteral("%1 tags became %2").arg(a.size()).arg(b.size());
  if (out.isEmpty())
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << out.join("\n").toStdString();
}

// Runs Debian's ezdxf over the file: recover, then audit; prints the errors found. Without a file
// it only checks that ezdxf is there.
const char kEzdxfCheck[] = R"(import sys
from ezdxf import recover
if len(sys.argv) < 2:
    sys.exit(0)
doc, auditor = recover.readfile(sys.argv[1])
errors = [f"recover {e.code}: {e.message}" for e in auditor.errors]
errors += [f"audit {e.code}: {e.message}" for e in doc.audit().errors]
print("\n".join(errors[:10]))
)";

// The problems ezdxf reports (empty: none); path empty: whether it runs at all.
QString ezdxfProblems(const QString& path)
{
  QProcess process;
  process.start(QStringLiteral("/usr/bin/python3"), QStringList{"-c", kEzdxfCheck} +
                                                      (path.isEmpty() ? QStringList() : QStringList{path}));
  if (!process.waitForFinished(60000))
    return QStringLiteral("/usr/bin/python3 did not run: ") + process.errorString();
  if (process.exitCode() != 0)
    return QStringLiteral("ezdxf failed: ") + QString::fromUtf8(process.readAllStandardError()).right(600);
  return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}
} // namespace

// Rows that follow from an object's annotation scales.
const QStringList kScaleRows = {"Annotative Scale", "Sheet text height", "Sheet defined width"};

// The kinds of this system's dynamic-block parameters as files carry them; readers pass them over.
const QStringList kParameterKinds = {"KYBLKFLIPPARAM", "KYBLKLINEARPARAM", "KYBLKLOOKUPPARAM", "KYBLKROTATIONPARAM",
                                     "KYBLKVISIBILITYPARAM"};

// The sample as it reads back from a file: its dynamic block's parameters passed over (one of
// each kind), so its reference has no "Custom" rows nor the listing's section of them; the
// representation still names the definition, so the reference keeps its name and its geometry.
QJsonObject withoutDynamicBlockParameters(QJsonObject doc, int& references)
{
  QJsonObject drawing = doc.value("drawing").toObject();
  QJsonObject skipped = drawing.value("skipped").toObject();
  for (const QString& kind : kParameterKinds)
    skipped.insert(kind, skipped.value(kind).toInt() + 1);
  drawing.insert("skipped", skipped);
  doc.insert("drawing", drawing);
  QJsonArray objects = doc.value("objects").toArray();
  for (int i = 0; i < objects.size(); ++i)
  {
    QJsonObject o = objects[i].toObject();
    QJsonArray rows;
    for (const QJsonValue& row : o.value("rows").toArray())
      if (row.toObject().value("category").toString() != "Custom")
        rows.append(row);
    if (rows.size() == o.value("rows").toArray().size())
      continue;
    ++references;
    QJsonArray listing = o.value("listing").toArray();
    for (int line = 0; line < listing.size(); ++line)
      if (listing[line].toObject().value("label").toString() == "Custom Properties")
      {
        // The section of those properties ends the listing.
        while (listing.size() > line)
          listing.removeLast();
      }
    o.insert("rows", rows);
    o.insert("listing", listing);
    objects[i] = o;
  }
  doc.insert("objects", objects);
  return doc;
}

// The sample written and read back; R2000 cannot carry its transparencies and true colours. Its
// dynamic block's parameters go into the file as objects of their own kinds, which the reader
// counts as skipped: all else reads back the same.
TEST(KypropsSave, SampleWrittenInEachVersionReadsBackTheSame)
{
  const KyPropsResult sample = readBack(QString());
  ASSERT_EQ(0, sample.exitCode) << sample.err.toStdString();
  int dynamicReferences = 0;
  const QJsonObject expected =
    comparable(withoutDynamicBlockParameters(sample.json, dynamicReferences), {"version", "codepage"});
  EXPECT_EQ(1, dynamicReferences);
  QTemporaryDir dir;
  const QString old = dir.filePath(QStringLiteral("sample-R2000.dxf"));
  const KyPropsResult refused = runKyprops({"--output", old, "--output-version", "R2000"});
  EXPECT_EQ(2, refused.exitCode);
  EXPECT_TRUE(refused.err.contains("cannot be written in R2000 (AC1015)")) << refused.err.toStdString();
  EXPECT_FALSE(QFile::exists(old));

  const std::pair<const char*, const char*> versions[] = {{"R2010", "AC1024"}, {"R2018", "AC1032"}};
  for (const auto& version : versions)
  {
    SCOPED_TRACE(version.first);
    const QString out = dir.filePath(QStringLiteral("sample-%1.dxf").arg(version.first));
    const KyPropsResult write = runKyprops({"--output", out, "--output-version", version.first, "--summary"});
    ASSERT_EQ(0, write.exitCode) << write.err.toStdString();
    const KyPropsResult again = readBack(out);
    ASSERT_EQ(0, again.exitCode) << again.err.toStdString();
    const QJsonObject drawing = again.json.value("drawing").toObject();
    EXPECT_EQ(version.second, drawing.value("version").toString());
    EXPECT_EQ(0, drawing.value("repairCount").toInt()) << again.err.toStdString();
    // The sample is made in memory: it has no version or code page until written.
    EXPECT_TRUE(sameDocument(expected, comparable(again.json, {"version", "codepage"})));
    // Each parameter is declared as a class of this system's own.
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    for (const QString& kind : kParameterKinds)
    {
      EXPECT_TRUE(text.contains(("\n  1\r\n" + kind + "\r\n").toLatin1())) << kind.toStdString() << " is not declared";
      EXPECT_EQ(1, text.count(("\n  0\r\n" + kind + "\r\n").toLatin1())) << kind.toStdString();
    }
  }
}

// The annotation scales of the sample's annotative texts, and what follows from them, read back.
TEST(KypropsSave, SampleAnnotationScalesReadBack)
{
  const KyPropsResult sample = readBack(QString());
  QTemporaryDir dir;
  const QString out = dir.filePath(QStringLiteral("sample.dxf"));
  ASSERT_EQ(0, runKyprops({"--output", out}).exitCode);
  const KyPropsResult again = readBack(out);
  ASSERT_EQ(0, again.exitCode) << again.err.toStdString();
  int annotative = 0;
  for (const QJsonValue& o : sample.json.value("objects").toArray())
    for (const QString& row : kScaleRows)
    {
      const QString handle = o.toObject().value("handle").toString();
      const QString before = sample.row(handle, row).value("text").toString();
      if (before.isEmpty())
        continue;
      ++annotative;
      EXPECT_EQ(before, again.row(handle, row).value("text").toString()) << handle.toStdString() << " " << row.toStdString();
    }
  EXPECT_GE(annotative, 4) << "the sample has annotative texts";
}

// Without edits: the file is the input tag for tag, reads back the same and opens in ezdxf.
TEST(KypropsSave, GeneratedDrawingsWrittenUnchangedAreTheirInputAndReadBackTheSame)
{
  for (const GeneratedCase& c : kGenerated)
  {
    SCOPED_TRACE(fileName(c).toStdString());
    const KyTempDrawing input(fileName(c), generatedDrawing(c.version, c.codePage));
    const KyPropsResult before = readBack(input.path);
    ASSERT_EQ(0, before.exitCode) << before.err.toStdString();
    ASSERT_EQ(0, before.json.value("drawing").toObject().value("repairCount").toInt()) << before.err.toStdString();

    const QString out = input.dir.filePath("out.dxf");
    const KyPropsResult write = runKyprops({input.path, "--output", out, "--summary"});
    ASSERT_EQ(0, write.exitCode) << write.err.toStdString();
    EXPECT_TRUE(sameTags(contents(input.path), contents(out)));
    const KyPropsResult again = readBack(out);
    ASSERT_EQ(0, again.exitCode) << again.err.toStdString();
    EXPECT_TRUE(sameDocument(comparable(before.json), comparable(again.json)));
    EXPECT_EQ(c.codePage, again.json.value("drawing").toObject().value("codepage").toString());
  }
}

// --output-version: the same palette in the newest version.
TEST(KypropsSave, GeneratedDrawingsWrittenInAnotherVersionReadBackTheSame)
{
  QStringList lacking;
  for (const GeneratedCase& c : kGenerated)
  {
    // An R12 drawing stays R12 (the failed-write test has it); the newest is written as it is.
    if (QLatin1String(c.version) == QLatin1String("AC1009") || QLatin1String(c.version) == QLatin1String("AC1032"))
      continue;
    SCOPED_TRACE(fileName(c).toStdString());
    const KyTempDrawing input(fileName(c), generatedDrawing(c.version, c.codePage));
    const KyPropsResult before = readBack(input.path);
    const QString out = input.dir.filePath("newest.dxf");
    const KyPropsResult convert = runKyprops({input.path, "--output", out, "--output-version", "R2018", "--summary"});
    if (writerLacks(convert))
    {
      lacking << QStringLiteral("%1 as R2018: %2").arg(fileName(c), convert.err.trimmed());
      continue;
    }
    ASSERT_EQ(0, convert.exitCode) << convert.err.toStdString();
    const KyPropsResult converted = readBack(out);
    EXPECT_EQ("AC1032", converted.json.value("drawing").toObject().value("version").toString());
    EXPECT_TRUE(sameDocument(comparable(before.json, {"version"}), comparable(converted.json, {"version"})));
  }
  if (!lacking.isEmpty())
    GTEST_SKIP() << "the DXF writer cannot write these yet:\n" << lacking.join("\n").toStdString();
}

// The edit run's output read back: the edited object as the edit run showed it from memory
// (selected alone, as there: a row of a selection of several kinds may stand for more than one),
// every other object as `before` showed it.
void expectEditAndNothingElse(const KyPropsResult& before, const KyPropsResult& edit, const QString& out,
                              const QString& handle)
{
  const QJsonArray edited = comparable(edit.json).value("objects").toArray();
  ASSERT_EQ(1, edited.size());
  const KyPropsResult alone = runKyprops({"--json", "--list", out, "--select", handle});
  ASSERT_EQ(0, alone.exitCode) << alone.err.toStdString();
  EXPECT_TRUE(sameDocument(QJsonObject{{"objects", edited}},
                           QJsonObject{{"objects", comparable(alone.json).value("objects")}}));
  const KyPropsResult again = readBack(out);
  const auto others = [&handle](const QJsonObject& doc) {
    QJsonArray kept;
    for (const QJsonValue& o : comparable(doc).value("objects").toArray())
      if (o.toObject().value("handle").toString() != handle)
        kept.append(o);
    return QJsonObject{{"objects", kept}};
  };
  EXPECT_TRUE(sameDocument(others(before.json), others(again.json)));
}

// Repairs a second read still makes: values the drawing holds as its default but does not take as
// input, which the output holds as the input had them.
const char* const kRepeatedRepairs[] = {
  "radius refused (Invalid input)", // a circle or arc of radius 0
};

bool isRepeatedRepair(const QString& problem)
{
  for (const char* known : kRepeatedRepairs)
    if (problem.endsWith(QLatin1String(known)))
      return true;
  return false;
}

// The first object of the drawing with an editable Color, and a colour it does not have.
std::pair<QString, QString> colorEdit(const KyPropsResult& read)
{
  for (const QJsonValue& o : read.json.value("objects").toArray())
  {
    const QString handle = o.toObject().value("handle").toString();
    const QJsonObject color = read.row(handle, "Color");
    if (!color.isEmpty() && !color.value("readOnly").toBool())
      return {handle, color.value("text").toString() == QLatin1String("Blue") ? "Red" : "Blue"};
  }
  return {};
}

// Files other programs wrote (tests/corpus/fetch.sh unpacks them). Written back unchanged, a file
// the reader did not repair is its input tag for tag; a repaired one is written repaired, so a
// second read repairs nothing. Either reads back as it read, and an edit of one object's colour
// reads back as that edit and nothing else.
TEST(KypropsSave, CorpusDrawingsWrittenBackAsTheyCameAndEditedReadBackTheEditAlone)
{
  const QString dir = KyTestCorpusDir();
  if (!QFileInfo(dir).isDir())
    GTEST_SKIP() << "no corpus at " << dir.toStdString() << " (run tests/corpus/fetch.sh or set KY_CORPUS_DIR)";
  QTemporaryDir out;
  int compared = 0, identical = 0, edited = 0, unreadable = 0;
  QStringList lacking;
  QDirIterator files(dir, {"*.dxf", "*.DXF"}, QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext())
  {
    const QString path = files.next();
    SCOPED_TRACE(path.toStdString());
    const KyPropsResult before = readBack(path);
    if (before.exitCode == 2)
    {
      ++unreadable;
      continue;
    }
    ASSERT_EQ(0, before.exitCode) << before.err.toStdString();
    const QString written = out.filePath(QStringLiteral("%1.dxf").arg(compared));
    const KyPropsResult write = runKyprops({path, "--output", written, "--summary"});
    if (writerLacks(write))
    {
      lacking << write.err.trimmed();
      continue;
    }
    EXPECT_EQ(0, write.exitCode) << write.err.toStdString();
    if (write.exitCode != 0)
      continue;
    ++compared;
    const bool repaired = before.json.value("drawing").toObject().value("repairCount").toInt() > 0;
    if (!repaired)
    {
      EXPECT_TRUE(sameTags(contents(path), contents(written)));
      ++identical;
    }
    const KyPropsResult again = readBack(written);
    ASSERT_EQ(0, again.exitCode) << again.err.toStdString();
    for (const QJsonValue& r : again.json.value("drawing").toObject().value("repairs").toArray())
      EXPECT_TRUE(isRepeatedRepair(r.toObject().value("problem").toString()))
        << "the written file needs a repair again: line " << r.toObject().value("line").toInt() << ": "
        << r.toObject().value("problem").toString().toStdString();
    // A code page read by another of its names is written by the name the reader used.
    QStringList differ = {"repairs", "repairCount"};
    if (repaired)
      differ << "codepage";
    EXPECT_TRUE(sameDocument(comparable(before.json, differ), comparable(again.json, differ)));

    const auto edit = colorEdit(before);
    if (edit.first.isEmpty())
      continue;
    const QString editedPath = out.filePath(QStringLiteral("%1-edited.dxf").arg(compared));
    const KyPropsResult run = runKyprops({"--json", "--list", path, "--select", edit.first, "--set",
                                          "Color=" + edit.second, "--output", editedPath});
    ASSERT_EQ(0, run.exitCode) << run.err.toStdString();
    EXPECT_EQ(edit.second, readBack(editedPath).row(edit.first, "Color").value("text").toString());
    expectEditAndNothingElse(before, run, editedPath, edit.first);
    ++edited;
  }
  std::printf("corpus: %d drawings written and read back (%d tag for tag), %d edited, %d the reader refuses\n",
              compared, identical, edited, unreadable);
  if (!lacking.isEmpty())
    GTEST_SKIP() << lacking.size() << " corpus drawings the DXF writer cannot write yet:\n"
                 << lacking.join("\n").toStdString();
  if (compared == 0)
    GTEST_SKIP() << "the corpus at " << dir.toStdString() << " holds no drawing kyprops reads";
}

struct EditCase
{
  const char* version;
  const char* handle;
  const char* edit; // NAME=VALUE
  const char* row;
  const char* shown; // the row's text after the edit
};

const EditCase kEdits[] = {
  {"AC1015", kLine, "Start X=5", "Start X", "5.000"},
  {"AC1015", kLine, "Layer=Doors", "Layer", "Doors"},
  {"AC1015", kCircle, "Radius=7.5", "Radius", "7.500"},
  {"AC1015", kCircle, "Color=5", "Color", "Blue"},
  {"AC1018", kArc, "Start Angle=45", "Start Angle", "45"},
  {"AC1024", kText, "Contents=Roof", "Contents", "Roof"},
  {"AC1024", kMText, "Contents=One\\PTwo", "Contents", "One\\PTwo"},
  {"AC1032", kPolyline, "Global width=0.5", "Global width", "0.500"},
  {"AC1015", kSpline, "Control point X=1", "Control point X", "1.000"},
  {"AC1032", kSpline, "Fit tolerance=0.5", "Fit tolerance", "0.500"},
  {"AC1021", kHelix, "Revolutions=3", "Revolutions", "3.000"},
  {"AC1032", kHelix, "Top radius=2", "Top radius", "2.000"},
  {"AC1009", kLine, "End Y=12", "End Y", "12.000"},
  {"AC1009", kText, "Height=3", "Height", "3.000"},
  {"AC1018", kMesh, "Color=5", "Color", "Blue"},
  {"AC1009", kMesh, "Layer=Doors", "Layer", "Doors"},
};

// The edited drawing read back shows the edit, the edited object as the edit run showed it, and
// every other object as it was; it opens in ezdxf without errors.
TEST(KypropsSave, EditReadBackShowsTheEditAndNothingElse)
{
  QStringList lacking;
  for (const EditCase& c : kEdits)
  {
    SCOPED_TRACE(std::string(c.version) + " " + c.handle + " " + c.edit);
    const KyTempDrawing input("in.dxf", generatedDrawing(c.version));
    const KyPropsResult before = readBack(input.path);
    ASSERT_EQ(0, before.exitCode) << before.err.toStdString();
    ASSERT_FALSE(before.row(c.handle, c.row).isEmpty()) << "no row " << c.row;
    ASSERT_NE(c.shown, before.row(c.handle, c.row).value("text").toString()) << "the edit changes nothing";

    const QString out = input.dir.filePath("out.dxf");
    const KyPropsResult edit =
      runKyprops({"--json", "--list", input.path, "--select", c.handle, "--set", c.edit, "--output", out});
    // The report shows the edited rows whether or not the drawing could be written.
    EXPECT_EQ(c.shown, edit.row(c.handle, c.row).value("text").toString());
    if (writerLacks(edit))
    {
      lacking << QStringLiteral("%1 %2: %3").arg(c.version, c.edit, edit.err.trimmed());
      continue;
    }
    ASSERT_EQ(0, edit.exitCode) << edit.err.toStdString();
    EXPECT_EQ(QJsonObject({{"path", out}, {"version", c.version}, {"written", true}}),
              edit.json.value("output").toObject());
    const KyPropsResult again = readBack(out);
    ASSERT_EQ(0, again.exitCode) << again.err.toStdString();
    EXPECT_EQ(c.shown, again.row(c.handle, c.row).value("text").toString());

    expectEditAndNothingElse(before, edit, out, QLatin1String(c.handle));
  }
  if (!lacking.isEmpty())
    GTEST_SKIP() << lacking.size() << " of " << std::size(kEdits) << " edits the DXF writer cannot write yet:\n"
                 << lacking.join("\n").toStdString();
}

struct NothingWrittenCase
{
  const char* what;
  QStringList arguments; // after the input; --output OUT follows
  int exitCode;
};

// A refused edit or a value that does not parse leaves an existing OUT as it was, with the edits
// that were accepted before it; so does every other failure before the write.
TEST(KypropsSave, RefusedOrUnparsableEditsWriteNothing)
{
  const NothingWrittenCase cases[] = {
    {"refused radius", {"--set", "Radius=0"}, 3},
    {"read-only row", {"--select", kLine, "--set", "Length=5"}, 3},
    {"refused after an accepted edit", {"--select", kCircle, "--set", "Radius=4", "--set", "Radius=0"}, 3},
    {"value that does not parse", {"--select", kLine, "--set", "Start X=abc"}, 1},
    {"no such row", {"--select", kLine, "--set", "Nonsense=1"}, 1},
    {"unknown object", {"--select", "FFFF", "--set", "Color=1"}, 1},
    {"bad UCS", {"--ucs", "0,0,0;1,0,0;1,0,0", "--set", "Color=1"}, 1},
  };
  const KyTempDrawing input("in.dxf", generatedDrawing("AC1015"));
  const QString out = input.dir.filePath("out.dxf");
  const QByteArray old("an older file that must survive\n");
  for (const NothingWrittenCase& c : cases)
  {
    SCOPED_TRACE(c.what);
    for (const QString& target : {out, QStringLiteral("-")})
    {
      ASSERT_TRUE(writeContents(out, old));
      const QStringList before = folderEntries(input.dir.path());
      const KyPropsResult run = runKyprops(QStringList{input.path} + c.arguments + QStringList{"--output", target});
      EXPECT_EQ(c.exitCode, run.exitCode) << run.err.toStdString();
      EXPECT_EQ(old, contents(out));
      EXPECT_EQ(before, folderEntries(input.dir.path()));
      const QString name = target == QLatin1String("-") ? QStringLiteral("standard output") : out;
      EXPECT_TRUE(run.err.contains("kyprops: nothing was written to " + name)) << run.err.toStdString();
      if (target == QLatin1String("-"))
      {
        EXPECT_TRUE(run.out.isEmpty()) << run.out.left(200).toStdString();
      }
    }
  }
  // The refusal names the edit; the JSON document says nothing was written.
  const KyPropsResult json =
    runKyprops({input.path, "--json", "--select", kCircle, "--set", "Radius=0", "--output", out});
  EXPECT_TRUE(json.err.contains("Radius=0 on [201] was refused")) << json.err.toStdString();
  EXPECT_EQ(QJsonObject({{"path", out}, {"version", "AC1015"}, {"written", false}}),
            json.json.value("output").toObject());
}

struct FailedWriteCase
{
  const char* what;
  const char* version;
  QStringList arguments; // --output OUT follows
};

// A write the writer refuses exits 2 with its message, keeps the old file byte for byte and
// leaves no temporary file beside it.
TEST(KypropsSave, FailedWriteKeepsTheOldFileAndLeavesNoTemporary)
{
  const FailedWriteCase cases[] = {
    {"R12 drawing in a later version", "AC1009", {"--output-version", "R2010"}},
    {"R12 drawing edited, in a later version", "AC1009", {"--set", "Color=1", "--output-version", "R2000"}},
  };
  for (const FailedWriteCase& c : cases)
  {
    SCOPED_TRACE(c.what);
    const KyTempDrawing input("in.dxf", generatedDrawing(c.version));
    const QString out = input.dir.filePath("out.dxf");
    const QByteArray old = generatedDrawing("AC1015");
    ASSERT_TRUE(writeContents(out, old));
    const QStringList before = folderEntries(input.dir.path());
    const KyPropsResult run = runKyprops(QStringList{input.path} + c.arguments + QStringList{"--output", out});
    EXPECT_EQ(2, run.exitCode) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("kyprops: " + out + ": ")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("nothing was written to " + out)) << run.err.toStdString();
    EXPECT_EQ(old, contents(out));
    EXPECT_EQ(before, folderEntries(input.dir.path()));
  }

  // A folder that does not exist: nothing to keep, nothing made.
  const KyTempDrawing input("in.dxf", generatedDrawing("AC1015"));
  const QString missing = input.dir.filePath("no/such/folder/out.dxf");
  const KyPropsResult run = runKyprops({input.path, "--output", missing});
  EXPECT_EQ(2, run.exitCode) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(missing + ": cannot be written")) << run.err.toStdString();
  EXPECT_EQ(QStringList{"in.dxf"}, folderEntries(input.dir.path()));
}

// The input itself may be the output; the edited file reads back with the edit.
TEST(KypropsSave, OutputMayBeTheInput)
{
  const KyTempDrawing input("in.dxf", generatedDrawing("AC1015"));
  const QByteArray original = contents(input.path);
  const KyPropsResult unchanged = runKyprops({input.path, "--output", input.path});
  ASSERT_EQ(0, unchanged.exitCode) << unchanged.err.toStdString();
  EXPECT_TRUE(sameTags(original, contents(input.path)));

  const KyPropsResult edit = runKyprops({input.path, "--select", kCircle, "--set", "Radius=9", "--output", input.path});
  if (writerLacks(edit))
    GTEST_SKIP() << lacksText(edit);
  ASSERT_EQ(0, edit.exitCode) << edit.err.toStdString();
  EXPECT_EQ("9.000", readBack(input.path).row(kCircle, "Radius").value("text").toString());
  EXPECT_EQ(QStringList{"in.dxf"}, folderEntries(input.dir.path()));
}

// "--output -": standard output is the drawing alone, the same bytes as the file; the options
// that print there are refused.
TEST(KypropsSave, StandardOutputCarriesTheDrawingAlone)
{
  const KyTempDrawing input("in.dxf", generatedDrawing("AC1024"));
  const QString out = input.dir.filePath("out.dxf");
  const KyPropsResult file = runKyprops({input.path, "--output", out});
  ASSERT_EQ(0, file.exitCode) << file.err.toStdString();
  const KyPropsResult piped = runKyprops({input.path, "--output", "-"});
  ASSERT_EQ(0, piped.exitCode) << piped.err.toStdString();
  EXPECT_EQ(contents(out), piped.out.toUtf8());
  EXPECT_TRUE(piped.err.isEmpty()) << piped.err.toStdString();

  for (const char* printing : {"--json", "--summary", "--list"})
  {
    SCOPED_TRACE(printing);
    const KyPropsResult refused = runKyprops({input.path, printing, "--output", "-"});
    EXPECT_EQ(1, refused.exitCode);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(refused.err.contains(QStringLiteral("%1 cannot print there too").arg(printing)))
      << refused.err.toStdString();
  }
}

// An unknown version name is a usage error listing the accepted names, and each listed name is
// accepted (the sample's content fits every version the writer knows).
TEST(KypropsSave, UnknownVersionIsAUsageErrorListingTheAcceptedNames)
{
  QTemporaryDir dir;
  const QString out = dir.filePath("out.dxf");
  for (const char* bad : {"R14", "AC1009", "2019", ""})
  {
    SCOPED_TRACE(bad);
    const KyPropsResult run = runKyprops({"--output", out, "--output-version", bad});
    EXPECT_EQ(1, run.exitCode);
    EXPECT_FALSE(QFileInfo::exists(out));
    const int at = run.err.indexOf("(accepted: ");
    ASSERT_GE(at, 0) << run.err.toStdString();
    const QStringList names = run.err.mid(at + 11).section(')', 0, 0).split(", ");
    for (const char* name : {"R2000", "R2004", "R2007", "R2010", "R2013", "R2018", "AC1015", "AC1032"})
      EXPECT_TRUE(names.contains(name)) << name;
    if (*bad)
      continue;
    for (const QString& name : names)
    {
      const KyPropsResult good = runKyprops({"--output", out, "--output-version", name, "--summary"});
      EXPECT_NE(1, good.exitCode) << name.toStdString() << ": " << good.err.toStdString();
    }
  }
  const KyPropsResult alone = runKyprops({"--output-version", "R2010"});
  EXPECT_EQ(1, alone.exitCode);
  EXPECT_TRUE(alone.err.contains("--output-version needs --output"));
}

// --units and --ucs choose how values are shown and entered: the saved drawing keeps its own.
TEST(KypropsSave, UnitsAndUcsOfTheRunAreNotSaved)
{
  const KyTempDrawing input("in.dxf", generatedDrawing("AC1015"));
  const QString out = input.dir.filePath("out.dxf");
  const KyPropsResult before = readBack(input.path);
  const KyPropsResult edit = runKyprops({input.path, "--units", "4,4", "--ucs", "10,0,0;0,1,0;-1,0,0", "--select",
                                         kLine, "--set", "Start X=1'6\"", "--output", out});
  if (writerLacks(edit))
    GTEST_SKIP() << lacksText(edit);
  ASSERT_EQ(0, edit.exitCode) << edit.err.toStdString();
  const KyPropsResult again = readBack(out);
  for (const char* key : {"units", "ucs"})
    EXPECT_EQ(before.json.value("drawing").toObject().value(key), again.json.value("drawing").toObject().value(key))
      << key;
  // UCS X is world Y: the start (1,2) moves to 18 inches along it and keeps its UCS Y (9 from
  // the UCS origin (10,0,0) along world -X), so world X stays 1.
  EXPECT_EQ("1.000", again.row(kLine, "Start X").value("text").toString());
  EXPECT_EQ("18.000", again.row(kLine, "Start Y").value("text").toString());
}

// Beside --output the palette, the summary and the JSON document are what they are without it.
TEST(KypropsSave, PaletteSummaryAndJsonAreTheSameWithOutput)
{
  const KyTempDrawing input("in.dxf", generatedDrawing("AC1015"));
  const QString out = input.dir.filePath("out.dxf");
  const auto withoutTimes = [](QString text) {
    return text.remove(QRegularExpression("Read in: [0-9.]+ ms"));
  };
  for (const QStringList& mode : {QStringList{}, QStringList{"--summary"}, QStringList{"--list", "--merge"}})
  {
    SCOPED_TRACE(mode.join(' ').toStdString());
    QFile::remove(out);
    const KyPropsResult plain = runKyprops(QStringList{input.path} + mode);
    const KyPropsResult saved = runKyprops(QStringList{input.path, "--output", out} + mode);
    ASSERT_EQ(0, saved.exitCode) << saved.err.toStdString();
    EXPECT_EQ(withoutTimes(plain.out), withoutTimes(saved.out));
    EXPECT_TRUE(QFileInfo::exists(out));
  }
  const KyPropsResult plain = readBack(input.path);
  const KyPropsResult saved = runKyprops({"--json", "--list", input.path, "--output", out});
  ASSERT_EQ(0, saved.exitCode) << saved.err.toStdString();
  EXPECT_EQ(QJsonObject({{"path", out}, {"version", "AC1015"}, {"written", true}}),
            saved.json.value("output").toObject());
  EXPECT_TRUE(sameDocument(comparable(plain.json), comparable(saved.json)));
}

struct EzdxfCase
{
  const char* what;
  const char* version; // of the generated drawing; null: the built-in sample
  QStringList arguments; // --output OUT follows
};

// What kyprops writes opens in an independent reader without errors: the sample in each version,
// the generated drawings as read and after an edit.
TEST(KypropsSave, WrittenDrawingsOpenInEzdxfWithoutErrors)
{
  const QString installed = ezdxfProblems(QString());
  if (!installed.isEmpty())
    GTEST_SKIP() << "python3-ezdxf is not usable (scripts/setup.sh installs it): " << installed.toStdString();
  const EzdxfCase cases[] = {
    {"sample R2010", nullptr, {"--output-version", "R2010"}},
    {"sample R2018", nullptr, {"--output-version", "R2018"}},
    {"R12 unchanged", "AC1009", {}},
    {"R2018 unchanged", "AC1032", {}},
    {"R12 radius", "AC1009", {"--select", kCircle, "--set", "Radius=4"}},
    {"R2000 layer", "AC1015", {"--select", kLine, "--set", "Layer=Doors"}},
    {"R2004 colour", "AC1018", {"--select", kArc, "--set", "Color=2"}},
    {"R2007 text", "AC1021", {"--select", kText, "--set", "Contents=Roof"}},
    {"R2010 multiline text", "AC1024", {"--select", kMText, "--set", "Contents=A\\PB"}},
    {"R2018 polyline width", "AC1032", {"--select", kPolyline, "--set", "Global width=1"}},
  };
  QStringList lacking;
  for (const EzdxfCase& c : cases)
  {
    SCOPED_TRACE(c.what);
    QTemporaryDir dir;
    QStringList arguments = c.arguments + QStringList{"--output", dir.filePath("out.dxf")};
    if (c.version)
    {
      ASSERT_TRUE(writeContents(dir.filePath("in.dxf"), generatedDrawing(c.version)));
      arguments.prepend(dir.filePath("in.dxf"));
    }
    const KyPropsResult write = runKyprops(arguments);
    if (writerLacks(write))
    {
      lacking << QStringLiteral("%1: %2").arg(c.what, write.err.trimmed());
      continue;
    }
    ASSERT_EQ(0, write.exitCode) << write.err.toStdString();
    const QString problems = ezdxfProblems(dir.filePath("out.dxf"));
    EXPECT_TRUE(problems.isEmpty()) << problems.toStdString();
  }
  if (!lacking.isEmpty())
    GTEST_SKIP() << "the DXF writer cannot write these yet:\n" << lacking.join("\n").toStdString();
}

// Sample objects, written in `version` and edited one at a time: each edit reads back on its
// object, and nothing else changes.
namespace
{
struct SampleEdit
{
  const char* handle;
  const char* edit;
  const char* row;
  const char* shown;
};

void expectSampleEditsReadBackAlone(const char* version, std::initializer_list<SampleEdit> edits)
{
  QTemporaryDir dir;
  const QString sample = dir.filePath(QStringLiteral("sample.dxf"));
  ASSERT_EQ(0, runKyprops({"--output", sample, "--output-version", version}).exitCode);
  const KyPropsResult before = readBack(sample);
  ASSERT_EQ(0, before.exitCode) << before.err.toStdString();
  for (const SampleEdit& e : edits)
  {
    SCOPED_TRACE(std::string(e.handle) + " " + e.edit);
    const QString out = dir.filePath(QStringLiteral("out.dxf"));
    const KyPropsResult edit =
      runKyprops({"--json", "--list", sample, "--select", e.handle, "--set", e.edit, "--output", out});
    EXPECT_EQ(e.shown, edit.row(e.handle, e.row).value("text").toString());
    ASSERT_EQ(0, edit.exitCode) << edit.err.toStdString();
    const KyPropsResult again = readBack(out);
    ASSERT_EQ(0, again.exitCode) << again.err.toStdString();
    EXPECT_EQ(e.shown, again.row(e.handle, e.row).value("text").toString());
    expectEditAndNothingElse(before, edit, out, QLatin1String(e.handle));
  }
}
} // namespace

// Heavy polylines: the edit reads back on the polyline and its vertices. Fitting adds vertices
// between and after the placed ones, which go out in the polyline's order.
TEST(KypropsSave, HeavyPolylineEditsReadBackAlone)
{
  expectSampleEditsReadBackAlone("R2010", {{"114", "Elevation=2", "Elevation", "2.0000"},
                                           {"114", "Global width=0.5", "Global width", "0.5000"},
                                           {"115", "Fit/Smooth=None", "Fit/Smooth", "None"},
                                           {"116", "Closed=Yes", "Closed", "Yes"},
                                           {"114", "Fit/Smooth=Curve fit", "Fit/Smooth", "Curve fit"},
                                           {"116", "Fit/Smooth=None", "Fit/Smooth", "None"},
                                           {"116", "Fit/Smooth=Cubic", "Fit/Smooth", "Cubic"}});
}

// Construction lines, points and fills.
TEST(KypropsSave, FillAndPointEditsReadBackAlone)
{
  expectSampleEditsReadBackAlone("R2018", {{"10B", "Base point X=3", "Base point X", "3.0000"},
                                           {"10C", "Base point X=71.5", "Base point X", "71.5000"},
                                           {"10D", "Thickness=2.25", "Thickness", "2.2500"},
                                           {"10E", "Thickness=0.75", "Thickness", "0.7500"},
                                           {"10F", "Vertex X=49", "Vertex X", "49.0000"},
                                           {"110", "Edge 3=Visible", "Edge 3", "Visible"}});
}

// Meshes as another writer (Debian's ezdxf) lays them out: they read without a repair of their
// own, go out as they came, and a colour edit of each reads back on that mesh alone.
namespace
{
// Bodies of another writer's scripts: each adds its objects to `msp` of the drawing `doc` and
// lists them in `made`. otherWriterScript() makes the drawing in the version argv[1], saves it at
// argv[2] and prints the handles of the objects made.
const char kEzdxfMeshes[] = R"(pf = msp.add_polyface(dxfattribs={"layer": "ROOF", "color": 2})
pf.append_face([(0, 0, 0), (4, 0, 0), (4, 3, 1), (0, 3, 0)])
pf.append_face([(4, 0, 0), (8, 0, 0), (8, 3, 0), (4, 3, 1)])
pm = msp.add_polymesh(size=(3, 4), dxfattribs={"layer": "SITE"})
for m in range(3):
    for n in range(4):
        pm.set_mesh_vertex((m, n), (m * 2.0, n * 1.5, (m * n) % 3 * 0.5))
made = [pf, pm]
)";
const char kEzdxfMultiline[] = R"(made = [msp.add_mline([(0, 0), (10, 0), (10, 5)], dxfattribs={"layer": "WALLS"})]
)";
const char kEzdxfHelix[] = R"(made = [msp.add_helix(radius=2.0, pitch=0.5, turns=3.0, dxfattribs={"layer": "SPRINGS"})]
)";
const char kEzdxfShape[] = R"(doc.styles.add_shx("markers.shx")
made = [msp.add_shape("SURVEY", insert=(3, 4), size=1.5, dxfattribs={"rotation": 30})]
)";

QString otherWriterScript(const char* body)
{
  return QStringLiteral("import sys\nimport ezdxf\ndoc = ezdxf.new(sys.argv[1])\nmsp = doc.modelspace()\n") +
         QLatin1String(body) + QStringLiteral("doc.saveas(sys.argv[2])\nprint(*[e.dxf.handle for e in made])\n");
}

struct OtherWriterRow
{
  const char* name;
  const char* text;
};

// Drawings of another writer: the rows show what it wrote, and an edit of each object saves and
// reads back alone, in a file the other writer audits clean.
struct OtherWriterCase
{
  const char* what;
  const char* script;
  std::vector<const char*> versions;
  std::size_t objects;
  std::vector<OtherWriterRow> rows; // of the first object
  const char* set;
  OtherWriterRow edited;
  std::vector<const char*> unrepaired; // the kinds no repair may name
};
} // namespace

TEST(KypropsSave, KindsOfAnotherWriterReadWriteAndEditAlone)
{
  if (!ezdxfProblems(QString()).isEmpty())
    GTEST_SKIP() << "ezdxf is not installed (scripts/setup.sh installs python3-ezdxf)";
  const OtherWriterCase cases[] = {
    {"meshes", kEzdxfMeshes, {"R12", "R2000", "R2018"}, 2, {{"Layer", "ROOF"}, {"Color", "Yellow"}}, "Color=5",
     {"Color", "Blue"}, {"POLYLINE", "VERTEX"}},
    {"multiline", kEzdxfMultiline, {"R2000", "R2018"}, 1,
     {{"Layer", "WALLS"}, {"Multiline style", "Standard"}, {"Multiline scale", "1.0000"}}, "RLine scale=3",
     {"Multiline scale", "3.0000"}, {"MLINE"}},
    {"helix", kEzdxfHelix, {"R2007", "R2018"}, 1,
     {{"Base radius", "2.0000"}, {"Pitch", "0.5000"}, {"Revolutions", "3.0000"}, {"Height", "1.5000"}},
     "Revolutions=4", {"Revolutions", "4.0000"}, {"HELIX"}},
    {"shape", kEzdxfShape, {"R12", "R2000", "R2018"}, 1,
     {{"Name", "SURVEY"}, {"Size", "1.5000"}, {"Rotation", "30.00"}, {"Position X", "3.0000"}}, "Size=2",
     {"Size", "2.0000"}, {"SHAPE"}},
  };
  for (const OtherWriterCase& c : cases)
    for (const char* version : c.versions)
    {
      SCOPED_TRACE(std::string(c.what) + " " + version);
      QTemporaryDir dir;
      const QString input = dir.filePath(QStringLiteral("in.dxf"));
      QProcess process;
      process.start(QStringLiteral("/usr/bin/python3"), QStringList{"-c", otherWriterScript(c.script), version, input});
      ASSERT_TRUE(process.waitForFinished(60000));
      ASSERT_EQ(0, process.exitCode()) << process.readAllStandardError().toStdString();
      const QStringList handles =
        QString::fromUtf8(process.readAllStandardOutput()).trimmed().split(' ', Qt::SkipEmptyParts);
      ASSERT_EQ(c.objects, static_cast<std::size_t>(handles.size()));

      const KyPropsResult before = readBack(input);
      ASSERT_EQ(0, before.exitCode) << before.err.toStdString();
      // ezdxf's default dimension style, which its file does not define, is a repair of its own.
      for (const char* kind : c.unrepaired)
        EXPECT_FALSE(before.err.contains(QLatin1String(kind))) << before.err.toStdString();
      for (const OtherWriterRow& row : c.rows)
        EXPECT_EQ(row.text, before.row(handles.front(), QLatin1String(row.name)).value("text").toString())
          << row.name;
      for (const QString& h : handles)
      {
        SCOPED_TRACE(h.toStdString());
        const QString out = dir.filePath(QStringLiteral("out.dxf"));
        const KyPropsResult edit = runKyprops({"--json", "--list", input, "--select", h, "--set", c.set, "--output", out});
        ASSERT_EQ(0, edit.exitCode) << edit.err.toStdString();
        EXPECT_EQ(c.edited.text, edit.row(h, QLatin1String(c.edited.name)).value("text").toString());
        const KyPropsResult again = readBack(out);
        ASSERT_EQ(0, again.exitCode) << again.err.toStdString();
        EXPECT_EQ(c.edited.text, again.row(h, QLatin1String(c.edited.name)).value("text").toString());
        expectEditAndNothingElse(before, edit, out, h);
        EXPECT_TRUE(ezdxfProblems(out).isEmpty()) << ezdxfProblems(out).toStdString();
      }
    }
}

// Multilines: a scale or justification edit re-sets every vertex, and only the multiline's own
// values change in the file read back.
TEST(KypropsSave, MultilineEditsReadBackAlone)
{
  expectSampleEditsReadBackAlone("R2018", {{"118", "RLine scale=3", "Multiline scale", "3.0000"},
                                           {"118", "RLine justification=Bottom", "Multiline justification", "Bottom"}});
}

// Shapes: the sample's survey marker, its name resolved through the unnamed shape-file style.
TEST(KypropsSave, ShapeEditsReadBackAlone)
{
  expectSampleEditsReadBackAlone("R2010", {{"119", "Size=2", "Size", "2.0000"},
                                           {"119", "Width factor=0.5", "Width factor", "0.5000"},
                                           {"119", "Position Z=1.5", "Position Z", "1.5000"}});
}

// Dimensions: overrides written as the dimension's style data survive the file, on the edited
// dimension alone; choosing the style again drops them.
TEST(KypropsSave, DimensionOverrideEditsReadBackAlone)
{
  expectSampleEditsReadBackAlone("R2010", {{"122", "Arrow size=4", "Arrow size", "4.0000"},
                                           {"122", "Dim prefix=~", "Dim prefix", "~"},
                                           {"123", "Tolerance display=Deviation", "Tolerance display", "Deviation"},
                                           {"125", "Tolerance display=None", "Text offset", "0.8000"},
                                           {"126", "Arrow 1=Dot", "Arrow 1", "Dot"},
                                           {"127", "Precision=0'-0 1/4\"", "Precision", "0'-0 1/4\""},
                                           {"122", "Dim style=Plan", "Arrow size", "2.5000"}});
}

// Attribute definitions: the tag raised to upper case, prompt, flags, the multiline width and
// attachment and the conversion to multiline survive the file, on the edited definition alone.
TEST(KypropsSave, AttributeDefinitionEditsReadBackAlone)
{
  expectSampleEditsReadBackAlone("R2018", {{"129", "Tag=office", "Tag", "OFFICE"},
                                           {"129", "Prompt=Which office?", "Prompt", "Which office?"},
                                           {"129", "Invisible=Yes", "Invisible", "Yes"},
                                           {"129", "Multilines=Yes", "Multilines", "Yes"},
                                           {"12A", "Width=30", "Width", "30.0000"},
                                           {"12A", "Justify=Middle Center", "Justify", "Middle Center"},
                                           {"12B", "Verify=No", "Verify", "No"}});
}

// The cloud: its radius laid again into its block's arcs and its move carried by its data survive
// the file; the door read back (its parameters skipped) still turns as a reference of its own
// representation.
TEST(KypropsSave, CloudAndDoorEditsReadBackAlone)
{
  expectSampleEditsReadBackAlone("R2018", {{"131", "Radius=2", "Radius", "2.0000"},
                                           {"131", "Radius=4.5", "Radius", "4.5000"},
                                           {"131", "Position X=150", "Position X", "150.0000"},
                                           {"131", "Scale X=2", "Scale X", "2.0000"},
                                           {"132", "Rotation=30", "Rotation", "30.00"}});
  // The arcs go with the radius: 22 of radius 3 along the outline's 64 became 32 of radius 2.
  QTemporaryDir dir;
  const QString out = dir.filePath(QStringLiteral("cloud.dxf"));
  ASSERT_EQ(0, runKyprops({"--select", "131", "--set", "Radius=2", "--output", out}).exitCode);
  const QJsonObject before = runKyprops({"--summary", "--json"}).json.value("drawing").toObject();
  const QJsonObject after = runKyprops({"--summary", "--json", out}).json.value("drawing").toObject();
  EXPECT_EQ(before.value("kinds").toObject().value("ARC").toInt() + 10,
            after.value("kinds").toObject().value("ARC").toInt());
}
