// DIMENSION in DXF: rotated and aligned dimensions read with their style, block, text and the
// style overrides of their ACAD extended data; other dimension kinds stay skipped; faults are
// repairs naming the line; a drawing goes out as it came and an override edit changes the
// dimension alone; dimensions written whole read back the same; and a drawing of another writer
// (Debian's ezdxf) reads, writes and reads again with the same values.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "DbAlignedDimension.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbDimStyleTableRecord.h"
#include "DbRotatedDimension.h"
#include "DbSymbolTable.h"
#include "DxfWriteTestUtil.h"
#include "KyTestCorpus.h"
#include "DxfWriter.h"
#include "KyDxfReader.h"
#include "KyDxfWriter.h"

using namespace kydxf;

namespace
{
std::string dimStyleTable()
{
  return dxfwrite::tags({
    {0, "TABLE"}, {2, "DIMSTYLE"}, {5, "A"}, {100, "AcDbSymbolTable"}, {70, "2"}, {100, "AcDbDimStyleTable"},
    {71, "1"},
    {0, "DIMSTYLE"}, {105, "A1"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbDimStyleTableRecord"}, {2, "Plan"},
    {70, "0"}, {3, "<> mm"}, {41, "2.0"}, {140, "2.5"}, {147, "0.5"}, {271, "2"}, {278, "44"},
    {0, "ENDTAB"},
  });
}

std::string blocks()
{
  return dxfwrite::tags({
    {0, "BLOCK"}, {5, "B1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockBegin"}, {2, "*D1"}, {70, "1"},
    {10, "0.0"}, {20, "0.0"}, {30, "0.0"}, {3, "*D1"}, {1, ""},
    {0, "LINE"}, {5, "B2"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbLine"}, {10, "0.0"}, {20, "-5.0"},
    {30, "0.0"}, {11, "10.0"}, {21, "-5.0"}, {31, "0.0"},
    {0, "ENDBLK"}, {5, "B3"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockEnd"},
  });
}

// C1: rotated (type 32), overrides of DIMASZ, DIMPOST, DIMSAH, DIMCLRT. C2: aligned with a text of
// its own at a place of its own (type 1 + 32 + 128). C3: a radius dimension (type 4), not read.
std::string dimensionEntities()
{
  return dxfwrite::tags({
    {0, "DIMENSION"}, {5, "C1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbDimension"}, {2, "*D1"},
    {10, "5.0"}, {20, "-5.0"}, {30, "0.0"}, {11, "5.0"}, {21, "-4.0"}, {31, "0.0"}, {70, "32"}, {71, "5"},
    {42, "10.0"}, {3, "Plan"}, {100, "AcDbAlignedDimension"}, {13, "0.0"}, {23, "0.0"}, {33, "0.0"},
    {14, "10.0"}, {24, "3.0"}, {34, "0.0"}, {50, "0.0"}, {100, "AcDbRotatedDimension"},
    {1001, "ACAD"}, {1000, "DSTYLE"}, {1002, "{"}, {1070, "41"}, {1040, "4.0"}, {1070, "3"}, {1000, "mm"},
    {1070, "173"}, {1070, "1"}, {1070, "178"}, {1070, "3"}, {1002, "}"},
    {0, "DIMENSION"}, {5, "C2"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbDimension"}, {10, "3.0"},
    {20, "4.0"}, {30, "0.0"}, {11, "7.0"}, {21, "7.0"}, {31, "0.0"}, {70, "161"}, {1, "about <>"}, {53, "30.0"},
    {3, "Plan"}, {100, "AcDbAlignedDimension"}, {13, "0.0"}, {23, "0.0"}, {33, "0.0"}, {14, "3.0"}, {24, "4.0"},
    {34, "0.0"},
    {0, "DIMENSION"}, {5, "C3"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbDimension"}, {10, "0.0"},
    {20, "0.0"}, {30, "0.0"}, {70, "36"}, {3, "Plan"}, {100, "AcDbRadialDimension"}, {15, "1.0"}, {25, "0.0"},
    {35, "0.0"}, {40, "0.0"},
  });
}

QByteArray dimensionFile()
{
  return dxfwrite::minimalFile(kDxfR2000, "", {{"TABLES", dimStyleTable()}, {"BLOCKS", blocks()},
                                               {"ENTITIES", dimensionEntities()}});
}

OdDbObjectPtr at(OdDbDatabase* db, std::uint64_t handle)
{
  return db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(handle))).openObject();
}

int var(OdDimVar v)
{
  return static_cast<int>(v);
}
} // namespace

TEST(DxfDimensions, ReadsLinearKindsWithStyleBlockTextAndOverrides)
{
  const dxfwrite::Read r = dxfwrite::readSource(dimensionFile());
  EXPECT_EQ(r.report.repairCount, 0) << (r.report.repairs.isEmpty() ? std::string()
                                                                       : KyDxfReader::Report::repairText(
                                                                           "t.dxf", r.report.repairs[0])
                                                                           .toStdString());
  EXPECT_EQ(r.report.skipped.value("DIMENSION"), 1);
  const OdDbRotatedDimensionPtr rotated = OdDbRotatedDimension::cast(at(r.db, 0xC1));
  ASSERT_FALSE(rotated.isNull());
  EXPECT_EQ(rotated->xLine2Point(), OdGePoint3d(10, 3, 0));
  EXPECT_DOUBLE_EQ(rotated->getMeasurement(), 10.0);
  EXPECT_TRUE(rotated->isUsingDefaultTextPosition());
  EXPECT_EQ(rotated->textPosition(), OdGePoint3d(5, -4, 0));
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(rotated->dimBlockId().openObject());
  ASSERT_FALSE(block.isNull());
  EXPECT_EQ(block->getName(), OdString(L"*D1"));
  OdDbDimStyleTableRecordPtr plan = OdDbDimStyleTableRecord::cast(rotated->dimensionStyle().openObject());
  ASSERT_FALSE(plan.isNull());
  EXPECT_EQ(plan->getName(), OdString(L"Plan"));
  EXPECT_DOUBLE_EQ(plan->dimasz(), 2.0);
  EXPECT_EQ(plan->dimdsep(), L',');
  // The overrides of the extended data, over the style's values; no ACAD data is left over.
  const OdArray<int> overrides = rotated->dimVarOverrides();
  ASSERT_EQ(overrides.size(), 4u);
  EXPECT_DOUBLE_EQ(rotated->dimasz(), 4.0);
  EXPECT_EQ(rotated->dimpost(), OdString(L"mm"));
  EXPECT_TRUE(rotated->dimsah());
  EXPECT_EQ(rotated->dimclrt().colorIndex(), 3);
  EXPECT_DOUBLE_EQ(rotated->dimtxt(), 2.5);
  EXPECT_TRUE(rotated->xData(L"ACAD").isNull());

  const OdDbAlignedDimensionPtr aligned = OdDbAlignedDimension::cast(at(r.db, 0xC2));
  ASSERT_FALSE(aligned.isNull());
  EXPECT_DOUBLE_EQ(aligned->getMeasurement(), 5.0);
  EXPECT_FALSE(aligned->isUsingDefaultTextPosition());
  EXPECT_EQ(aligned->textPosition(), OdGePoint3d(7, 7, 0));
  EXPECT_EQ(aligned->dimensionText(), OdString(L"about <>"));
  EXPECT_NEAR(aligned->textRotation(), M_PI / 6, 1e-15);
  EXPECT_TRUE(aligned->dimVarOverrides().isEmpty());
  EXPECT_TRUE(aligned->dimBlockId().isNull());
}

TEST(DxfDimensions, FaultsAreRepairsNamingTheLine)
{
  const auto dimension = [](std::vector<std::pair<int, std::string>> extra) {
    std::vector<std::pair<int, std::string>> tags = {
      {0, "DIMENSION"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbDimension"}, {2, "*D9"}, {3, "Elsewhere"},
      {10, "0"}, {20, "0"}, {30, "0"}, {70, "33"}, {100, "AcDbAlignedDimension"}, {13, "0"}, {23, "0"}, {33, "0"},
      {14, "1"}, {24, "0"}, {34, "0"}};
    tags.insert(tags.end(), extra.begin(), extra.end());
    return dxfwrite::tags(tags);
  };
  const struct
  {
    const char* name;
    std::vector<std::pair<int, std::string>> extra;
    std::vector<const char*> repairs;
  } cases[] = {
    {"undefined style and block",
     {},
     {"names the dimension style 'Elsewhere', which the file does not define; the dimension uses the style 'Standard'",
      "names the block '*D9', which the file does not define; kept the dimension without its block"}},
    {"override of no variable and of the wrong kind",
     {{1001, "ACAD"}, {1000, "DSTYLE"}, {1002, "{"}, {1070, "999"}, {1070, "1"}, {1070, "41"}, {1000, "big"},
      {1070, "140"}, {1040, "0.3"}, {1002, "}"}},
     {"names the dimension style 'Elsewhere'",
      "style overrides name group code 999, which is no dimension variable; dropped the override",
      "style override of dimasz holds a value of another kind; dropped the override",
      "names the block '*D9'"}},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.name);
    const dxfwrite::Read r = dxfwrite::readSource(dxfwrite::entitiesFile(QByteArray::fromStdString(dimension(c.extra))));
    ASSERT_EQ(r.report.repairs.size(), static_cast<int>(c.repairs.size()));
    for (int i = 0; i < r.report.repairs.size(); ++i)
    {
      const std::string text = KyDxfReader::Report::repairText("t.dxf", r.report.repairs[i]).toStdString();
      EXPECT_NE(text.find(c.repairs[i]), std::string::npos) << text;
    }
    const OdDbAlignedDimensionPtr dim = OdDbAlignedDimension::cast(dxfwrite::onlyEntity(r.db));
    ASSERT_FALSE(dim.isNull());
    EXPECT_EQ(dim->dimensionStyle(), r.db->getDimStyleStandardId());
    if (!c.extra.empty())
    {
      ASSERT_EQ(dim->dimVarOverrides().size(), 1u);
      EXPECT_DOUBLE_EQ(dim->dimtxt(), 0.3);
    }
  }
}

TEST(DxfDimensions, DrawingGoesOutAsItCameAndOverrideEditsChangeTheDimensionAlone)
{
  const QByteArray source = dimensionFile();
  {
    const dxfwrite::Read r = dxfwrite::readSource(source);
    EXPECT_EQ(dxfwrite::writeBack(r), source) << "an unedited drawing goes out as it came";
  }
  struct Edit
  {
    const char* name;
    std::uint64_t handle;
    std::function<void(OdDbDimension*)> apply;
  };
  const std::vector<Edit> edits = {
    {"an override changed", 0xC1, [](OdDbDimension* d) { d->setDimasz(1.5); }},
    {"an override dropped", 0xC1, [](OdDbDimension* d) { d->removeDimVarOverride(var(OdDimVar::dimpost)); }},
    {"a first override", 0xC2, [](OdDbDimension* d) { d->setDimtfac(0.5); }},
    {"text, style data and a point", 0xC2,
     [](OdDbDimension* d) {
       d->setDimensionText(L"");
       d->setDimstyleData(d->dimensionStyle());
       static_cast<OdDbAlignedDimension*>(d)->setXLine2Point(OdGePoint3d(6, 8, 0));
     }},
    {"rotation", 0xC1, [](OdDbDimension* d) { static_cast<OdDbRotatedDimension*>(d)->setRotation(M_PI / 2); }},
  };
  for (const Edit& edit : edits)
  {
    SCOPED_TRACE(edit.name);
    dxfwrite::expectEditReadsBackAlone(source, edit.handle,
                                       [&](OdDbObject* p) { edit.apply(static_cast<OdDbDimension*>(p)); });
  }
}

TEST(DxfDimensions, WrittenWholeReadsBackWithItsOverrides)
{
  for (int version : {kDxfR2000, kDxfR2018})
  {
    SCOPED_TRACE(version);
    EXPECT_TRUE(dxfwrite::writtenWholeReadsBack(
      [] {
        OdDbRotatedDimensionPtr dim = OdDbRotatedDimension::createObject();
        dim->setXLine1Point(OdGePoint3d(1, 2, 0));
        dim->setXLine2Point(OdGePoint3d(4, 6, 0));
        dim->setDimLinePoint(OdGePoint3d(0, 9, 0));
        dim->setRotation(-0.25);
        dim->setOblique(0.5);
        dim->setDimgap(-0.2);
        dim->setDimpost(L"~<>mm");
        dim->setDimtol(true);
        dim->setDimlwd(OdDb::kLnWt035);
        dim->setTextRotation(1.0);
        dim->setTextAttachment(2);
        return OdDbEntityPtr(dim);
      },
      version));
    EXPECT_TRUE(dxfwrite::writtenWholeReadsBack(
      [] {
        OdDbAlignedDimensionPtr dim = OdDbAlignedDimension::createObject();
        dim->setXLine2Point(OdGePoint3d(3, 4, 0));
        dim->setDimLinePoint(OdGePoint3d(-1, 1, 0));
        dim->useSetTextPosition();
        dim->setTextPosition(OdGePoint3d(5, 5, 0));
        dim->setDimensionText(L"<> (ref)");
        return OdDbEntityPtr(dim);
      },
      version));
  }
}

namespace
{
// ezdxf's dimensions: a style of its own, a rotated dimension with overrides and an aligned one
// (which it writes as a rotated dimension turned along its points), each with its block rendered. Prints, per dimension, its handle and the distance ezdxf measures.
const char kEzdxfDimensions[] = R"(import sys
import ezdxf
doc = ezdxf.new(sys.argv[1], setup=True)
style = doc.dimstyles.new("SITE")
style.dxf.dimasz = 1.5
style.dxf.dimtxt = 2.0
style.dxf.dimdec = 1
msp = doc.modelspace()
rot = msp.add_linear_dim(base=(10, 8), p1=(0, 0), p2=(20, 5), angle=0, dimstyle="SITE",
                         override={"dimtxt": 3.0, "dimpost": "<>mm", "dimgap": -0.5})
rot.render()
ali = msp.add_aligned_dim(p1=(0, 0), p2=(30, 40), distance=5, dimstyle="SITE", override={"dimasz": 2.5})
ali.render()
doc.saveas(sys.argv[2])
r = rot.dimension
a = ali.dimension
print(r.dxf.handle, abs(r.dxf.defpoint3[0] - r.dxf.defpoint2[0]))
print(a.dxf.handle, (a.dxf.defpoint2 - a.dxf.defpoint3).magnitude)
)";
} // namespace

TEST(DxfDimensions, AnotherWritersDimensionsReadWriteAndReadAgain)
{
  QProcess check;
  check.start(QStringLiteral("/usr/bin/python3"), QStringList{"-c", "import ezdxf"});
  if (!check.waitForFinished(60000) || check.exitCode() != 0)
    GTEST_SKIP() << "ezdxf is not installed (scripts/setup.sh installs python3-ezdxf)";
  QTemporaryDir dir;
  const QString input = dir.filePath(QStringLiteral("dims.dxf"));
  QProcess process;
  process.start(QStringLiteral("/usr/bin/python3"), QStringList{"-c", kEzdxfDimensions, "R2010", input});
  ASSERT_TRUE(process.waitForFinished(60000));
  ASSERT_EQ(0, process.exitCode()) << process.readAllStandardError().toStdString();
  const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).trimmed().split('\n');
  ASSERT_EQ(lines.size(), 2);
  QFile file(input);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray data = file.readAll();

  const auto expectValues = [&](OdDbDatabase* db) {
    bool ok = false;
    const QStringList rot = lines[0].split(' '), ali = lines[1].split(' ');
    const OdDbRotatedDimensionPtr rotated = OdDbRotatedDimension::cast(at(db, rot[0].toULongLong(&ok, 16)));
    ASSERT_FALSE(rotated.isNull());
    EXPECT_NEAR(rotated->getMeasurement(), rot[1].toDouble(), 1e-9);
    EXPECT_DOUBLE_EQ(rotated->dimtxt(), 3.0);
    EXPECT_EQ(rotated->dimpost(), OdString(L"<>mm"));
    EXPECT_DOUBLE_EQ(rotated->dimgap(), -0.5);
    EXPECT_DOUBLE_EQ(rotated->dimasz(), 1.5);
    EXPECT_EQ(rotated->dimdec(), 1);
    EXPECT_FALSE(rotated->dimBlockId().isNull());
    // ezdxf writes its aligned dimension as a rotated one along the extension line origins.
    const OdDbDimensionPtr aligned = OdDbDimension::cast(at(db, ali[0].toULongLong(&ok, 16)));
    ASSERT_FALSE(aligned.isNull());
    EXPECT_NEAR(aligned->getMeasurement(), ali[1].toDouble(), 1e-9);
    EXPECT_DOUBLE_EQ(aligned->dimasz(), 2.5);
    EXPECT_DOUBLE_EQ(aligned->dimtxt(), 2.0);
    OdDbDimStyleTableRecordPtr site = OdDbDimStyleTableRecord::cast(aligned->dimensionStyle().openObject());
    ASSERT_FALSE(site.isNull());
    EXPECT_EQ(site->getName(), OdString(L"SITE"));
  };

  const dxfwrite::Read first = dxfwrite::readSource(data);
  EXPECT_EQ(first.report.skipped.value("DIMENSION"), 0);
  expectValues(first.db);
  // Both dimensions edited, written back and read again.
  {
    const QStringList rot = lines[0].split(' ');
    bool ok = false;
    OdDbDimensionPtr dim =
      OdDbDimension::cast(first.db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(rot[0].toULongLong(&ok, 16))))
                            .openObject(OdDb::kForWrite));
    dim->setDimtxt(3.0); // the same value: written through the override anyway
  }
  const QByteArray written = dxfwrite::writeBack(first);
  const dxfwrite::Read second = dxfwrite::readSource(written);
  EXPECT_EQ(second.report.repairCount, first.report.repairCount);
  expectValues(second.db);
}

namespace
{
// ezdxf's own reading of the rotated and aligned dimensions of a file, one line each, fields
// separated by \x1f: handle, style name, text, the distance measured between the extension line
// origins along the dimension's direction, then the overrides as name=value.
const char kEzdxfReading[] = R"(import sys, math
from ezdxf import recover
from ezdxf.entities import DimStyleOverride
doc, auditor = recover.readfile(sys.argv[1])
for e in doc.entitydb.values():
    if e.dxftype() != "DIMENSION" or (e.dxf.dimtype & 15) not in (0, 1):
        continue
    p2, p3 = e.dxf.defpoint2, e.dxf.defpoint3
    if (e.dxf.dimtype & 15) == 1:
        m = (p3 - p2).magnitude
    else:
        a = math.radians(e.dxf.get("angle", 0.0))
        m = abs((p3.x - p2.x) * math.cos(a) + (p3.y - p2.y) * math.sin(a))
    overrides = ["%s=%r" % (k, v) for k, v in DimStyleOverride(e).dimstyle_attribs.items()]
    text = e.dxf.get("text", "").replace("\n", " ")
    print("\x1f".join([e.dxf.handle, e.dxf.dimstyle, text, repr(m)] + overrides))
)";

// The override of a variable as ezdxf printed it (Python's repr), compared with the value in force.
::testing::AssertionResult sameOverride(const OdDbDimension* dim, const QString& name, const QString& value)
{
  const QString bare = name.endsWith(QLatin1String("_handle")) ? name.left(name.size() - 7) : name;
  const int index = odDimVarByName(bare.toLatin1().constData());
  if (index < 0)
    return ::testing::AssertionFailure() << "no variable " << name.toStdString();
  if (!dim->hasDimVarOverride(index))
    return ::testing::AssertionFailure() << name.toStdString() << " is not overridden";
  const OdDimVarValue v = dim->dimVarValue(index);
  QString shown;
  switch (odDimVarDesc(index).kind)
  {
  case OdDimVarKind::Real:
    return std::fabs(v.real - value.toDouble()) <= 1e-9 * std::max(1.0, std::fabs(v.real))
             ? ::testing::AssertionSuccess()
             : ::testing::AssertionFailure() << name.toStdString() << " " << v.real << " vs " << value.toStdString();
  case OdDimVarKind::String: shown = "'" + QString::fromStdWString(std::wstring(v.text.c_str())) + "'"; break;
  case OdDimVarKind::Id:
    shown = "'" + QString::number(static_cast<qulonglong>(static_cast<OdUInt64>(v.id.getHandle())), 16).toUpper() + "'";
    break;
  case OdDimVarKind::Color: shown = QString::number(v.color.colorIndex()); break;
  default: shown = QString::number(v.integer); break;
  }
  return shown == value || (shown == "'0'" && value == "'0'")
           ? ::testing::AssertionSuccess()
           : ::testing::AssertionFailure() << name.toStdString() << " " << shown.toStdString() << " vs "
                                           << value.toStdString();
}
} // namespace

// Real drawings: style, text, measurement and every override of each rotated and aligned dimension
// are those of ezdxf's reading of the same file.
TEST(DxfDimensions, CorpusDimensionsMatchAnIndependentReading)
{
  QProcess check;
  check.start(QStringLiteral("/usr/bin/python3"), QStringList{"-c", "import ezdxf"});
  if (!check.waitForFinished(60000) || check.exitCode() != 0)
    GTEST_SKIP() << "ezdxf is not installed (scripts/setup.sh installs python3-ezdxf)";
  int compared = 0;
  for (const char* name : {"dxf2json-file2.dxf", "dxf2json-sample2.dxf", "dxf-empty.dxf", "dxf-floorplan.dxf"})
  {
    SCOPED_TRACE(name);
    QFile file(KyTestCorpusDir() + "/" + name);
    if (!file.open(QIODevice::ReadOnly))
      GTEST_SKIP() << "the corpus is not fetched (tests/corpus/fetch.sh): " << file.fileName().toStdString();
    const dxfwrite::Read r = dxfwrite::readSource(file.readAll());
    QList<QStringList> records;
    QString error;
    ASSERT_TRUE(KyTestPythonRecords(kEzdxfReading, {file.fileName()}, records, error)) << error.toStdString();
    for (const QStringList& f : records)
    {
      ASSERT_GE(f.size(), 4);
      SCOPED_TRACE(f[0].toStdString());
      bool ok = false;
      const OdDbDimensionPtr dim = OdDbDimension::cast(at(r.db, f[0].toULongLong(&ok, 16)));
      ASSERT_FALSE(dim.isNull());
      OdDbDimStyleTableRecordPtr style = OdDbDimStyleTableRecord::cast(dim->dimensionStyle().openObject());
      ASSERT_FALSE(style.isNull());
      EXPECT_EQ(QString::fromStdWString(std::wstring(style->getName().c_str())), f[1]);
      EXPECT_EQ(QString::fromStdWString(std::wstring(dim->dimensionText().c_str())).replace('\n', ' '), f[2]);
      EXPECT_NEAR(dim->getMeasurement(), f[3].toDouble(), 1e-7 * std::max(1.0, f[3].toDouble()));
      EXPECT_EQ(dim->dimVarOverrides().size(), static_cast<unsigned>(f.size() - 4));
      for (int i = 4; i < f.size(); ++i)
        EXPECT_TRUE(sameOverride(dim, f[i].section('=', 0, 0), f[i].section('=', 1)));
      ++compared;
    }
  }
  EXPECT_GT(compared, 500);
}

TEST(DxfDimensions, TrueColourOverridesAreRefusedByDimensionAndVariable)
{
  OdCmColor rgb;
  rgb.setRGB(10, 20, 30);
  OdCmColor index;
  index.setColorIndex(3);
  OdDbRotatedDimensionPtr dim = OdDbRotatedDimension::createObject();
  dim->setDimclrt(index);
  EXPECT_NO_THROW(dxfwrite::writeWhole(dim.get(), kDxfR2018));
  dim->setDimclre(rgb);
  try
  {
    dxfwrite::writeWhole(dim.get(), kDxfR2018);
    ADD_FAILURE() << "written";
  }
  catch (const kydxf::DxfWriteError& e)
  {
    EXPECT_NE(e.message.find("the true colour of the override DIMCLRE has no place in DXF"), std::string::npos)
      << e.message;
    EXPECT_EQ(e.message.rfind("DIMENSION ", 0), 0u) << e.message;
  }
}

// Inspection data has no DXF group codes: it travels as extended data of this system's own
// application, which a file gets registered when it first holds such data.
TEST(DxfDimensions, InspectionDataTravelsUnderTheOwnApplication)
{
  const auto inspect = [](OdDbDimension* d) {
    d->setInspection(true);
    d->setInspectionFrame(1 | 16 | 32);
    d->setInspectionLabel(L"A");
    d->setInspectionRate(L"100%");
  };
  const auto expectInspected = [](const OdDbObject* pObj) {
    const OdDbDimension* d = OdDbDimension::cast(pObj).get();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->inspection());
    EXPECT_EQ(d->inspectionFrame(), 1 | 16 | 32);
    EXPECT_EQ(d->inspectionLabel(), OdString(L"A"));
    EXPECT_EQ(d->inspectionRate(), OdString(L"100%"));
    EXPECT_TRUE(d->xData(dxfOwnApplication()).isNull()) << "the data is the dimension's, not extended data";
  };
  for (int version : {kDxfR2000, kDxfR2018})
  {
    SCOPED_TRACE(version);
    EXPECT_TRUE(dxfwrite::writtenWholeReadsBack(
      [&] {
        OdDbRotatedDimensionPtr dim = OdDbRotatedDimension::createObject();
        dim->setXLine2Point(OdGePoint3d(4, 0, 0));
        inspect(dim.get());
        return OdDbEntityPtr(dim);
      },
      version));
  }

  // A file without the registration: the edit adds it, and the dimension reads back inspected.
  const QByteArray source = dimensionFile();
  ASSERT_EQ(source.indexOf("KYPROPS"), -1);
  const dxfwrite::Read r = dxfwrite::readSource(source);
  {
    OdDbObjectPtr dim = at(r.db, 0xC1);
    dim->upgradeOpen();
    inspect(static_cast<OdDbDimension*>(dim.get()));
  }
  const QByteArray written = dxfwrite::writeBack(r);
  const int appId = written.indexOf("AcDbRegAppTableRecord");
  ASSERT_GE(appId, 0);
  EXPECT_LT(written.indexOf("KYPROPS", appId), written.indexOf("ENDTAB", appId)) << "registered in the APPID table";
  const dxfwrite::Read again = dxfwrite::readSource(written);
  EXPECT_EQ(again.report.repairCount, 0);
  expectInspected(at(again.db, 0xC1).get());
  EXPECT_EQ(dxfwrite::writeBack(again), written) << "read again and not edited, it goes out as it came";

  // A write that fails after the registration (a colour files cannot hold) leaves the drawing
  // as it was, without the registration; once the fault is mended, the write registers it.
  {
    const dxfwrite::Read failing = dxfwrite::readSource(source);
    auto setColor = [&](const OdCmColor& color) {
      OdDbEntityPtr dim = OdDbEntity::cast(at(failing.db, 0xC1));
      dim->upgradeOpen();
      inspect(static_cast<OdDbDimension*>(dim.get()));
      const OdCmColor old = dim->color();
      EXPECT_EQ(dim->setColor(color), eOk);
      return old;
    };
    OdCmColor none;
    none.setColorMethod(OdCmEntityColor::kNone);
    const OdCmColor kept = setColor(none);
    const std::map<std::uint64_t, std::string> before = dxfwrite::statesOf(failing.db.get());
    QByteArray out;
    QString error;
    EXPECT_FALSE(KyDxfWriter::write(failing.db.get(), failing.report.source.get(), out, error));
    EXPECT_NE(error.indexOf(QStringLiteral("has no form in DXF")), -1) << error.toStdString();
    EXPECT_EQ(dxfwrite::statesOf(failing.db.get()), before);
    setColor(kept);
    const QByteArray mended = dxfwrite::writeBack(failing);
    EXPECT_GE(mended.indexOf("KYPROPS", mended.indexOf("AcDbRegAppTableRecord")), 0);
    const dxfwrite::Read read = dxfwrite::readSource(mended);
    EXPECT_EQ(read.report.repairCount, 0);
    expectInspected(at(read.db, 0xC1).get());
  }

  // Faults in the data are repairs; the values that make sense are kept.
  const std::string faulty = dxfwrite::tags({
    {0, "DIMENSION"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbDimension"}, {10, "0"}, {20, "0"}, {30, "0"},
    {70, "1"}, {100, "AcDbAlignedDimension"}, {13, "0"}, {23, "0"}, {33, "0"}, {14, "1"}, {24, "0"}, {34, "0"},
    {1001, "KYPROPS"}, {1000, "INSPECTION"}, {1002, "{"}, {1070, "1"}, {1070, "1"}, {1070, "9"}, {1070, "0"},
    {1070, "3"}, {1070, "7"}, {1000, "stray"}, {1070, "4"}, {1000, "50%"}, {1002, "}"}, {1000, "more"},
  });
  const dxfwrite::Read bad = dxfwrite::readSource(dxfwrite::entitiesFile(QByteArray::fromStdString(faulty)));
  const char* expected[] = {"inspection data names key 9, which this reader does not know; dropped the value",
                            "inspection value 3 holds a value of another kind; dropped the value",
                            "inspection data holds a value without a key before it; dropped the value"};
  ASSERT_EQ(bad.report.repairs.size(), 3);
  for (int i = 0; i < 3; ++i)
  {
    const std::string text = KyDxfReader::Report::repairText("t.dxf", bad.report.repairs[i]).toStdString();
    EXPECT_NE(text.find(expected[i]), std::string::npos) << text;
  }
  const OdDbDimensionPtr dim = OdDbDimension::cast(dxfwrite::onlyEntity(bad.db));
  ASSERT_FALSE(dim.isNull());
  EXPECT_TRUE(dim->inspection());
  EXPECT_TRUE(dim->inspectionLabel().isEmpty());
  EXPECT_EQ(dim->inspectionRate(), OdString(L"50%"));
  const OdResBufPtr rest = dim->xData(dxfOwnApplication());
  ASSERT_FALSE(rest.isNull()) << "what follows the group stays the application's data";
  ASSERT_FALSE(rest->next().isNull());
  EXPECT_EQ(rest->next()->getString(), OdString(L"more"));
}

// The variables DXF gives no group code (the sub-unit factors and suffixes) go out under this
// system's application, on a dimension as overrides and on a style as set, and read back.
TEST(DxfDimensions, VariablesWithoutGroupCodesTravelUnderTheOwnApplication)
{
  for (int version : {kDxfR2000, kDxfR2018})
  {
    SCOPED_TRACE(version);
    EXPECT_TRUE(dxfwrite::writtenWholeReadsBack(
      [] {
        OdDbRotatedDimensionPtr dim = OdDbRotatedDimension::createObject();
        dim->setXLine2Point(OdGePoint3d(0.5, 0, 0));
        dim->setDimmzf(1000.0);
        dim->setDimmzs(L" mm");
        dim->setDimaltmzs(L"th");
        dim->setInspectionLabel(L"B");
        return OdDbEntityPtr(dim);
      },
      version));
  }
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbDimStyleTableRecordPtr style = OdDbDimStyleTableRecord::createObject();
  style->setName(L"Sub");
  style->setDimaltmzf(25.4);
  OdDbSymbolTablePtr(db->getDimStyleTableId().safeOpenObject(OdDb::kForWrite))->add(style);
  const std::string written = dxfwrite::writeWhole(style.get(), kDxfR2018);
  EXPECT_NE(written.find("KYPROPS"), std::string::npos) << written;
  const QByteArray file = dxfwrite::minimalFile(
    kDxfR2018, "",
    {{"TABLES", dxfwrite::tags({{0, "TABLE"}, {2, "DIMSTYLE"}, {5, "A"}, {100, "AcDbSymbolTable"}, {70, "1"},
                                {100, "AcDbDimStyleTable"}, {71, "1"}}) +
                  written + dxfwrite::tags({{0, "ENDTAB"}})}});
  OdDbDatabasePtr again = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  ASSERT_TRUE(dxfwrite::readsCleanly(file, again, report));
  OdDbDimStyleTableRecordPtr copy = at(again, static_cast<std::uint64_t>(style->getDbHandle()));
  ASSERT_FALSE(copy.isNull());
  EXPECT_TRUE(copy->isDimVarSet(var(OdDimVar::dimaltmzf)));
  EXPECT_DOUBLE_EQ(copy->dimaltmzf(), 25.4);
  EXPECT_TRUE(copy->xData(dxfOwnApplication()).isNull());

  // A name that is no such variable, or one with a group code of its own, and a value of the
  // wrong kind are repairs.
  const std::string faulty = dxfwrite::tags({
    {0, "DIMENSION"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbDimension"}, {10, "0"}, {20, "0"}, {30, "0"},
    {70, "1"}, {100, "AcDbAlignedDimension"}, {13, "0"}, {23, "0"}, {33, "0"}, {14, "1"}, {24, "0"}, {34, "0"},
    {1001, "KYPROPS"}, {1000, "DIMVARS"}, {1002, "{"}, {1000, "dimfoo"}, {1040, "1"}, {1000, "dimasz"},
    {1040, "9"}, {1000, "dimmzs"}, {1040, "2"}, {1000, "dimmzf"}, {1040, "10"}, {1002, "}"},
  });
  const dxfwrite::Read bad = dxfwrite::readSource(dxfwrite::entitiesFile(QByteArray::fromStdString(faulty)));
  ASSERT_EQ(bad.report.repairs.size(), 3);
  const char* expected[] = {"name 'dimfoo', which is no such variable", "name 'dimasz', which is no such variable",
                            "variable dimmzs holds a value of another kind"};
  for (int i = 0; i < 3; ++i)
  {
    const std::string text = KyDxfReader::Report::repairText("t.dxf", bad.report.repairs[i]).toStdString();
    EXPECT_NE(text.find(expected[i]), std::string::npos) << text;
  }
  const OdDbDimensionPtr dim = OdDbDimension::cast(dxfwrite::onlyEntity(bad.db));
  ASSERT_FALSE(dim.isNull());
  EXPECT_DOUBLE_EQ(dim->dimmzf(), 10.0);
  EXPECT_EQ(dim->dimVarOverrides().size(), 1u);
}

// A style's text fill reads from its own code and its colour from the 70 that follows the flags;
// written again, both come back, and ezdxf reads the same two values from the written file.
TEST(DxfDimensions, StyleTextFillAndItsColourReadAndWriteAsStyleCodes)
{
  const std::string table = dxfwrite::tags({
    {0, "TABLE"}, {2, "DIMSTYLE"}, {5, "A"}, {100, "AcDbSymbolTable"}, {70, "1"}, {100, "AcDbDimStyleTable"},
    {71, "1"},
    {0, "DIMSTYLE"}, {105, "A1"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbDimStyleTableRecord"}, {2, "Fill"},
    {70, "0"}, {41, "2.0"}, {69, "2"}, {70, "5"}, {140, "2.5"},
    {0, "ENDTAB"},
  });
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  ASSERT_TRUE(dxfwrite::readsCleanly(dxfwrite::minimalFile(kDxfR2007, "", {{"TABLES", table}}), db, report));
  OdDbDimStyleTableRecordPtr style = at(db, 0xA1);
  ASSERT_FALSE(style.isNull());
  EXPECT_EQ(style->dimtfill(), 2);
  EXPECT_EQ(style->dimtfillclr().colorIndex(), 5);
  EXPECT_DOUBLE_EQ(style->dimasz(), 2.0);
  EXPECT_DOUBLE_EQ(style->dimtxt(), 2.5);

  const std::string written = dxfwrite::writeWhole(style.get(), kDxfR2018);
  EXPECT_NE(written.find("\n 69\n2\n 70\n5\n"), std::string::npos) << written;
  const QByteArray writtenFile = dxfwrite::minimalFile(
    kDxfR2018, "",
    {{"TABLES", dxfwrite::tags({{0, "TABLE"}, {2, "DIMSTYLE"}, {5, "A"}, {100, "AcDbSymbolTable"}, {70, "1"},
                                {100, "AcDbDimStyleTable"}, {71, "1"}}) +
                  written + dxfwrite::tags({{0, "ENDTAB"}})}});
  OdDbDatabasePtr again = OdDbDatabase::createObject();
  ASSERT_TRUE(dxfwrite::readsCleanly(writtenFile, again, report));
  OdDbDimStyleTableRecordPtr copy = at(again, 0xA1);
  ASSERT_FALSE(copy.isNull());
  EXPECT_TRUE(dxfwrite::sameState(style.get(), copy.get()));

  QProcess check;
  check.start(QStringLiteral("/usr/bin/python3"), QStringList{"-c", "import ezdxf"});
  if (!check.waitForFinished(60000) || check.exitCode() != 0)
    GTEST_SKIP() << "ezdxf is not installed (scripts/setup.sh installs python3-ezdxf)";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("fill.dxf"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(writtenFile);
  file.close();
  QProcess p;
  p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"),
                   QStringLiteral("import sys, ezdxf\ns = ezdxf.readfile(sys.argv[1]).dimstyles.get('Fill')\n"
                                  "print(s.dxf.dimtfill, s.dxf.dimtfillclr)"),
                   path});
  ASSERT_TRUE(p.waitForFinished(120000));
  EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).trimmed().toStdString(), "2 5")
    << p.readAllStandardError().toStdString();
}

// Arrow blocks named in the older codes 5-7 map to the blocks of those names; a name the file
// does not define is a repair and leaves the default arrow; they are written in the handle form.
TEST(DxfDimensions, StyleArrowNamesMapToTheirBlocksOrAreRepairs)
{
  const std::string table = dxfwrite::tags({
    {0, "TABLE"}, {2, "DIMSTYLE"}, {5, "A"}, {100, "AcDbSymbolTable"}, {70, "1"}, {100, "AcDbDimStyleTable"},
    {71, "1"},
    {0, "DIMSTYLE"}, {105, "A1"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbDimStyleTableRecord"}, {2, "Old"},
    {70, "0"}, {5, "tick"}, {6, "NOSUCH"}, {7, "TICK"}, {41, "2.0"},
    {0, "ENDTAB"},
  });
  const std::string blockDefs = dxfwrite::tags({
    {0, "BLOCK"}, {5, "B1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockBegin"}, {2, "TICK"}, {70, "0"},
    {10, "0.0"}, {20, "0.0"}, {30, "0.0"}, {3, "TICK"}, {1, ""},
    {0, "ENDBLK"}, {5, "B3"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockEnd"},
  });
  const dxfwrite::Read r = dxfwrite::readSource(
    dxfwrite::minimalFile(kDxfR2000, "", {{"TABLES", table}, {"BLOCKS", blockDefs}}));
  ASSERT_EQ(r.report.repairs.size(), 1);
  const std::string text = KyDxfReader::Report::repairText("t.dxf", r.report.repairs[0]).toStdString();
  EXPECT_NE(text.find("names the arrow block 'NOSUCH', which the file does not define; the style uses the "
                      "default arrow"),
            std::string::npos)
    << text;
  OdDbDimStyleTableRecordPtr style = at(r.db, 0xA1);
  ASSERT_FALSE(style.isNull());
  OdDbSymbolTablePtr blocks = r.db->getBlockTableId().safeOpenObject();
  const OdDbObjectId tick = blocks->getAt(L"TICK");
  ASSERT_FALSE(tick.isNull());
  EXPECT_EQ(style->dimblk(), tick);
  EXPECT_EQ(style->dimblk2(), tick);
  EXPECT_TRUE(style->dimblk1().isNull());
  EXPECT_FALSE(style->isDimVarSet(var(OdDimVar::dimblk1)));
  EXPECT_DOUBLE_EQ(style->dimasz(), 2.0);
  // Written again, the arrows go out in the handle form and read back the same.
  const std::string written = dxfwrite::writeWhole(style.get(), kDxfR2000);
  EXPECT_EQ(written.find("\n  5\ntick"), std::string::npos) << written;
  EXPECT_NE(written.find("\n342\n"), std::string::npos) << written;
}

// A style that names its arrow both ways takes the handle form, whichever comes first; the name
// is not a repair then.
TEST(DxfDimensions, StyleArrowHandleWinsOverItsName)
{
  const std::string blockDefs = dxfwrite::tags({
    {0, "BLOCK"}, {5, "B1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockBegin"}, {2, "TICK"}, {70, "0"},
    {10, "0.0"}, {20, "0.0"}, {30, "0.0"}, {3, "TICK"}, {1, ""},
    {0, "ENDBLK"}, {5, "B3"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockEnd"},
    {0, "BLOCK"}, {5, "C1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockBegin"}, {2, "DOT"}, {70, "0"},
    {10, "0.0"}, {20, "0.0"}, {30, "0.0"}, {3, "DOT"}, {1, ""},
    {0, "ENDBLK"}, {5, "C3"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockEnd"},
  });
  // 342 names the block record, listed with its handle in the block-record table.
  const std::vector<std::pair<int, std::string>> nameFirst = {{5, "TICK"}, {342, "D2"}};
  const std::vector<std::pair<int, std::string>> handleFirst = {{342, "D2"}, {5, "TICK"}};
  for (const auto& arrow : {nameFirst, handleFirst})
  {
    std::vector<std::pair<int, std::string>> tags = {
      {0, "TABLE"}, {2, "BLOCK_RECORD"}, {5, "E"}, {100, "AcDbSymbolTable"}, {70, "2"},
      {0, "BLOCK_RECORD"}, {5, "D1"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbBlockTableRecord"}, {2, "TICK"},
      {0, "BLOCK_RECORD"}, {5, "D2"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbBlockTableRecord"}, {2, "DOT"},
      {0, "ENDTAB"},
      {0, "TABLE"}, {2, "DIMSTYLE"}, {5, "A"}, {100, "AcDbSymbolTable"}, {70, "1"}, {100, "AcDbDimStyleTable"},
      {71, "1"},
      {0, "DIMSTYLE"}, {105, "A1"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbDimStyleTableRecord"},
      {2, "Both"}, {70, "0"}};
    tags.insert(tags.end(), arrow.begin(), arrow.end());
    tags.push_back({0, "ENDTAB"});
    const dxfwrite::Read r = dxfwrite::readSource(
      dxfwrite::minimalFile(kDxfR2000, "", {{"TABLES", dxfwrite::tags(tags)}, {"BLOCKS", blockDefs}}));
    for (const auto& repair : r.report.repairs)
      ADD_FAILURE() << arrow.front().first << ": " << KyDxfReader::Report::repairText("t.dxf", repair).toStdString();
    OdDbDimStyleTableRecordPtr style = at(r.db, 0xA1);
    ASSERT_FALSE(style.isNull());
    OdDbSymbolTablePtr blocks = r.db->getBlockTableId().safeOpenObject();
    EXPECT_EQ(style->dimblk(), blocks->getAt(L"DOT")) << arrow.front().first;
  }
}
