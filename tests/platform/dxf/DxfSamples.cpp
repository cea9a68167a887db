// The sample drawings: one of everything the reader maps, written the way each version writes it.
#include "DxfSamples.h"

#include <QStringList>

#include <cmath>

const QStringList& dxfVersions()
{
  static const QStringList versions = {"AC1009", "AC1012", "AC1014", "AC1015", "AC1018",
                                       "AC1021", "AC1024", "AC1027", "AC1032"};
  return versions;
}

QString DxfSample::localText(const QString& codePage)
{
  // U+2126 (ohm sign) is in none of these code pages, so it is always written as an escape.
  if (codePage == QLatin1String("ANSI_936"))
    return QStringLiteral(u"墙体\u2126");
  if (codePage == QLatin1String("ANSI_949"))
    return QStringLiteral(u"벽체\u2126");
  if (codePage == QLatin1String("ANSI_950"))
    return QStringLiteral(u"牆體\u2126");
  if (codePage == QLatin1String("ANSI_932"))
    return QStringLiteral(u"壁体\u2126");
  if (codePage == QLatin1String("ANSI_1251"))
    return QStringLiteral(u"Стены\u2126");
  return QStringLiteral(u"Mur façade\u2126");
}

QByteArray dxfSampleFile(const QString& version, const QString& codePage)
{
  DxfTestWriter w(version, codePage);
  const int v = w.version();
  const QString local = DxfSample::localText(codePage);

  DxfDrawing d;
  d.header = {{"$INSUNITS", 70, "6"},      {"$LUNITS", 70, "4"},      {"$LUPREC", 70, "3"},
              {"$AUNITS", 70, "1"},        {"$AUPREC", 70, "2"},      {"$MEASUREMENT", 70, "0"},
              {"$CLAYER", 8, "Walls"},     {"$SPLINESEGS", 70, "12"}, {"$LTSCALE", 40, "2.5"},
              {"$CELTSCALE", 40, "0.5"},   {"$ANGBASE", 50, "90.0"},  {"$ANGDIR", 70, "1"},
              {"$TEXTSIZE", 40, "3.5"},    {"$TEXTSTYLE", 7, "Notes"}, {"$DIMSTYLE", 2, "Metric"},
              {"$CECOLOR", 62, "3"},       {"$CELTYPE", 6, "Dashed"}, {"$UCSORG", 10, "1.0,2.0,3.0"}};
  if (v >= 1015)
  {
    d.header << DxfHeaderVar{"$PSTYLEMODE", 290, "0"} << DxfHeaderVar{"$CELWEIGHT", 370, "25"};
    d.plotStyles = {{QStringLiteral("Normal"), 0x41}, {QStringLiteral("Thin"), DxfSample::kPlotStyleThin}};
  }

  d.linetypes = {{QStringLiteral("Dashed"), QStringLiteral("Dashed __ __"), {0.5, -0.25}, DxfSample::kDashedLinetype}};

  DxfLayerDef walls;
  walls.name = QStringLiteral("Walls");
  walls.color = 1;
  walls.linetype = QStringLiteral("Dashed");
  walls.lineweight = 50;
  walls.locked = true;
  walls.plot = false;
  walls.transparency = 0x02000000 | 127;
  walls.description = QStringLiteral("Outer walls");
  walls.plotStyle = v >= 1015 ? quint64(DxfSample::kPlotStyleThin) : 0;
  walls.handle = DxfSample::kWallsLayer;
  DxfLayerDef frozen;
  frozen.name = QStringLiteral("Frozen");
  frozen.frozen = true;
  frozen.off = true;
  frozen.color = 5;
  frozen.trueColor = 0x102030;
  DxfLayerDef local1;
  local1.name = local;
  d.layers = {walls, frozen, local1};

  DxfStyleDef notes;
  notes.name = QStringLiteral("Notes");
  notes.font = QStringLiteral("romans.shx");
  notes.widthFactor = 0.8;
  notes.obliqueDegrees = 345.0;
  notes.backwards = true;
  notes.handle = DxfSample::kNotesStyle;
  DxfStyleDef titles;
  titles.name = QStringLiteral("Titles");
  titles.font = QString();
  titles.typeface = QStringLiteral("Arial");
  titles.bold = true;
  titles.height = 5.0;
  d.styles = {notes, titles};

  DxfDimStyleDef metric;
  metric.name = QStringLiteral("Metric");
  metric.variables = {{3, QStringLiteral("mm")}, {40, QStringLiteral("2.0")}, {140, QStringLiteral("3.5")},
                      {77, QStringLiteral("1")},  {271, QStringLiteral("2")}};
  if (v >= 1015)
    metric.variables << qMakePair(289, QStringLiteral("3")) << qMakePair(371, QStringLiteral("35"));
  metric.textStyle = QStringLiteral("Notes");
  d.dimStyles = {metric};
  d.appIds = QStringList{QStringLiteral("KY_TEST")};
  d.views = {{QStringLiteral("Front"), {10, 20, 0}, {0, -1, 0}, {1, 2, 3}, 40.0, 60.0, 15.0, false, 0}};
  d.ucss = {{QStringLiteral("Tilted"), {5, 5, 0}, {0, 1, 0}, {-1, 0, 0}, 0}};
  d.activeViewport.gridOn = true;
  d.activeViewport.gridX = 5.0;
  d.activeViewport.gridY = 2.5;

  DxfBlockDef door;
  door.name = QStringLiteral("Door");
  door.base = {1, 2, 0};
  door.units = 4;
  door.explodable = false;
  door.uniformScaling = true;
  door.description = QStringLiteral("A door");
  door.handle = DxfSample::kDoorBlock;
  door.entities = [](DxfTestWriter& w) {
    DxfCommon c;
    c.handle = DxfSample::kBlockLine;
    c.color = 0;
    w.line(c, {0, 0, 0}, {0, 1, 0});
  };
  d.blocks = {door};

  d.entities = [v, local](DxfTestWriter& w) {
    DxfCommon line;
    line.handle = DxfSample::kLine;
    line.layer = QStringLiteral("Walls");
    line.linetype = QStringLiteral("Dashed");
    line.color = 30;
    line.trueColor = 0xFF8000;
    line.colorName = QStringLiteral("RAL$Orange");
    line.lineweight = 35;
    line.linetypeScale = 2.0;
    line.transparency = 0x02000000 | 51;
    line.plotStyle = v >= 1015 ? quint64(DxfSample::kPlotStyleThin) : 0;
    line.extensionDictionary = v >= 1015 ? quint64(DxfSample::kLineXDictionary) : 0;
    line.hyperlink = QStringLiteral("https://example.org/wall");
    line.hyperlinkDescription = QStringLiteral("Wall def");
    line.xdata = {{1001, QStringLiteral("KY_TEST")}, {1000, local},          {1002, QStringLiteral("{")},
                  {1070, QStringLiteral("42")},      {1071, QStringLiteral("100000")}, {1040, QStringLiteral("1.25")},
                  {1002, QStringLiteral("}")},       {1010, QStringLiteral("1.0")},  {1020, QStringLiteral("2.0")},
                  {1030, QStringLiteral("3.0")},     {1005, QStringLiteral("1F")}};
    w.line(line, {1, 2, 3}, {4, 6, 3}, 0.5);

    DxfCommon circle;
    circle.handle = DxfSample::kCircle;
    circle.layer = local;
    circle.invisible = true;
    // Normal along -Z: the object coordinate system mirrors X.
    w.circle(circle, {10, 5, 2}, 2.5, {0, 0, -1});

    DxfCommon arc;
    arc.handle = DxfSample::kArc;
    w.arc(arc, {0, 0, 0}, 3.0, 30.0, 120.0);

    DxfCommon text;
    text.handle = DxfSample::kText;
    w.text(text, {1, 1, 0}, 2.0, local, QStringLiteral("Notes"), 45.0, 1, 2, {5, 1, 0});

    if (v >= 1012)
    {
      DxfCommon mtext;
      mtext.handle = DxfSample::kMText;
      QString contents = QStringLiteral("First line\\P");
      for (int i = 0; i < 30; ++i)
        contents += local + QStringLiteral(" word%1 ").arg(i);
      w.mtext(mtext, {20, 30, 0}, 2.5, 40.0, contents, 5, QStringLiteral("Notes"), 0.5);
    }
    if (v >= 1014)
    {
      DxfCommon pl;
      pl.handle = DxfSample::kPolyline;
      w.lwpolyline(pl, {{0, 0, 0}, {10, 0, 1.0}, {10, 10, 0}}, true, 0.25);
    }
    DxfCommon paper;
    paper.handle = DxfSample::kPaperLine;
    paper.paperSpace = true;
    w.line(paper, {0, 0, 0}, {100, 0, 0});

    // Kinds the reader does not map, and a polyface mesh of two vertices without their flags.
    for (int i = 0; i < 3; ++i)
      w.entity("LIGHT", DxfCommon(), {{100, QStringLiteral("AcDbLight")}, {1, QStringLiteral("Lamp")}});
    w.entity("POLYLINE", DxfCommon(),
             {{66, QStringLiteral("1")}, {10, QStringLiteral("0.0")}, {20, QStringLiteral("0.0")}, {70, QStringLiteral("64")}});
    for (int i = 0; i < 2; ++i)
      w.entity("VERTEX", DxfCommon(), {{10, QString::number(i)}, {20, QStringLiteral("0.0")}});
    w.entity("SEQEND", DxfCommon(), {});
  };
  if (v >= 1015)
    d.extensionDictionaries = {{DxfSample::kLineXDictionary, DxfSample::kLine}};
  w.write(d);
  return w.data();
}

QList<QPair<QString, QByteArray>> dxfSeedCorpus()
{
  QList<QPair<QString, QByteArray>> corpus;
  for (const QString& version : dxfVersions())
    corpus << qMakePair(QStringLiteral("sample-%1.dxf").arg(version), dxfSampleFile(version));
  for (const char* cp : {"ANSI_936", "ANSI_949", "ANSI_950", "ANSI_932", "ANSI_1251"})
    corpus << qMakePair(QStringLiteral("sample-AC1018-%1.dxf").arg(cp), dxfSampleFile(QStringLiteral("AC1018"), cp));
  const QByteArray good = dxfSampleFile(QStringLiteral("AC1015"));
  corpus << qMakePair(QStringLiteral("truncated.dxf"), good.left(good.size() / 2));
  corpus << qMakePair(QStringLiteral("minimal-r12.dxf"),
                      QByteArray("0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nA\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n"
                                 "0\nENDSEC\n0\nEOF\n"));
  return corpus;
}

QByteArray dxfLargeFile(int count)
{
  DxfTestWriter w(QStringLiteral("AC1015"));
  w.setVerbose(true);
  DxfDrawing d;
  const QStringList layers = {"Walls", "Doors", "Windows", "Furniture", "Annotation", "Grid"};
  for (const QString& name : layers)
  {
    DxfLayerDef l;
    l.name = name;
    l.color = 1 + d.layers.size();
    d.layers << l;
  }
  d.appIds = QStringList{QStringLiteral("KY_BENCH")};
  d.entities = [count, layers](DxfTestWriter& w) {
    // A fixed linear congruential sequence keeps the file the same on every run.
    quint64 state = 12345;
    auto next = [&state]() {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      return static_cast<double>(state >> 11) / static_cast<double>(1ULL << 53) * 10000.0;
    };
    DxfCommon c;
    for (int i = 0; i < count; ++i)
    {
      c.layer = layers[i % layers.size()];
      c.color = (i % 7 == 0) ? 1 + i % 255 : 256;
      c.lineweight = (i % 5 == 0) ? 25 : -1;
      c.xdata.clear();
      if (i % 10 == 0)
        c.xdata = {{1001, QStringLiteral("KY_BENCH")}, {1000, QStringLiteral("item %1").arg(i)},
                   {1070, QString::number(i % 1000)}, {1040, QString::number(next(), 'f', 6)}};
      switch (i % 6)
      {
      case 0:
      case 1:
        w.line(c, {next(), next(), 0}, {next(), next(), 0});
        break;
      case 2:
        w.circle(c, {next(), next(), 0}, 1.0 + next() / 100.0);
        break;
      case 3:
        w.arc(c, {next(), next(), 0}, 1.0 + next() / 100.0, next() / 30.0, next() / 30.0);
        break;
      case 4:
        if (i % 12 == 4)
          w.text(c, {next(), next(), 0}, 2.5, QStringLiteral("Room %1").arg(i));
        else
          w.mtext(c, {next(), next(), 0}, 2.5, 40.0,
                  QStringLiteral("Note %1\\Pcheck the clearance of the door against the wall finish\\Pthird line")
                    .arg(i));
        break;
      default:
      {
        QList<DxfTestWriter::Vertex> vertices;
        for (int k = 0; k < 14; ++k)
          vertices.append({next(), next(), k % 4 == 1 ? 0.5 : 0.0});
        w.lwpolyline(c, vertices, i % 2 == 0);
        break;
      }
      }
    }
  };
  w.write(d);
  return w.data();
}
