// DxfTestWriter: tags are encoded as they are written (UTF-8 from AC1021 on, the code page
// before, \U+XXXX for what the code page lacks), so the benchmark's large files stream straight
// into one buffer.
#include "DxfTestWriter.h"

#include <QFile>
#include <QTextCodec>

#include <charconv>

namespace
{
QTextCodec* codecFor(const QString& codePage)
{
  const QString cp = codePage.toUpper();
  if (cp == QLatin1String("ANSI_932"))
    return QTextCodec::codecForName("Shift_JIS");
  if (cp == QLatin1String("ANSI_936"))
    return QTextCodec::codecForName("GBK");
  if (cp == QLatin1String("ANSI_949"))
    return QTextCodec::codecForName("windows-949");
  if (cp == QLatin1String("ANSI_950"))
    return QTextCodec::codecForName("Big5");
  if (cp.startsWith(QLatin1String("ANSI_")))
    return QTextCodec::codecForName(("windows-" + cp.mid(5)).toLatin1());
  if (cp.startsWith(QLatin1String("DOS")))
    return QTextCodec::codecForName(("IBM" + cp.mid(3)).toLatin1());
  return QTextCodec::codecForName(cp.toLatin1());
}

int versionNumber(const QString& tag)
{
  return tag.mid(2).toInt();
}
} // namespace

DxfTestWriter::DxfTestWriter(const QString& version, const QString& codePage)
  : m_version(versionNumber(version)), m_versionTag(version), m_codePage(codePage), m_codec(codecFor(codePage))
{
  if (!m_codec)
    m_codec = QTextCodec::codecForName("windows-1252");
  m_out.reserve(1 << 16);
}

// ---- tags --------------------------------------------------------------------------------------

QByteArray DxfTestWriter::encode(const QString& text) const
{
  bool ascii = true;
  for (QChar c : text)
    if (c.unicode() >= 0x80)
    {
      ascii = false;
      break;
    }
  if (ascii)
    return text.toLatin1();
  if (isUnicode())
    return text.toUtf8();
  QByteArray out;
  for (int i = 0; i < text.size(); ++i)
  {
    const QChar c = text[i];
    if (c.unicode() < 0x80)
      out += static_cast<char>(c.unicode());
    else if (m_codec->canEncode(c))
      out += m_codec->fromUnicode(QString(c));
    else
      out += QStringLiteral("\\U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper().toLatin1();
  }
  return out;
}

DxfTestWriter& DxfTestWriter::tag(int code, const QString& value)
{
  char buf[16];
  auto res = std::to_chars(buf, buf + sizeof buf, code);
  // Codes are right-aligned in three columns, as most writers do.
  for (int pad = 3 - static_cast<int>(res.ptr - buf); pad > 0; --pad)
    m_out += ' ';
  m_out.append(buf, static_cast<int>(res.ptr - buf));
  m_out += '\n';
  m_out += encode(value);
  m_out += '\n';
  return *this;
}

DxfTestWriter& DxfTestWriter::tag(int code, int value)
{
  return tag(code, QString::number(value));
}

DxfTestWriter& DxfTestWriter::tag(int code, double value)
{
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  QString text = QString::fromLatin1(buf, static_cast<int>(res.ptr - buf));
  if (!text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('e')))
    text += QLatin1String(".0");
  return tag(code, text);
}

DxfTestWriter& DxfTestWriter::point(int code, const DxfPoint& p, bool withZ)
{
  tag(code, p.x);
  tag(code + 10, p.y);
  if (withZ)
    tag(code + 20, p.z);
  return *this;
}

DxfTestWriter& DxfTestWriter::handle(int code, quint64 value)
{
  return tag(code, QString::number(value, 16).toUpper());
}

DxfTestWriter& DxfTestWriter::marker(const char* subclass)
{
  if (!isR12())
    tag(100, subclass);
  return *this;
}

DxfTestWriter& DxfTestWriter::raw(const QByteArray& bytes)
{
  m_out += bytes;
  return *this;
}

bool DxfTestWriter::save(const QString& path) const
{
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(m_out) == m_out.size();
}

// ---- structure ---------------------------------------------------------------------------------

void DxfTestWriter::beginSection(const char* name)
{
  tag(0, "SECTION");
  tag(2, name);
}

void DxfTestWriter::endSection()
{
  tag(0, "ENDSEC");
}

void DxfTestWriter::eof()
{
  tag(0, "EOF");
}

void DxfTestWriter::tableHead(const char* name, quint64 handle, int count)
{
  tag(0, "TABLE");
  tag(2, name);
  if (!isR12())
  {
    this->handle(5, handle);
    tag(330, "0");
    marker("AcDbSymbolTable");
  }
  tag(70, count);
}

void DxfTestWriter::recordHead(const char* kind, const char* subclass, quint64 handle, quint64 owner,
                               const QString& name, int flags, int handleCode)
{
  tag(0, kind);
  if (!isR12())
  {
    this->handle(handleCode, handle);
    this->handle(330, owner);
    marker("AcDbSymbolTableRecord");
    marker(subclass);
  }
  tag(2, name);
  tag(70, flags);
}

void DxfTestWriter::write(const DxfDrawing& d)
{
  const bool r12 = isR12();
  beginSection("HEADER");
  tag(9, "$ACADVER");
  tag(1, m_versionTag);
  tag(9, "$DWGCODEPAGE");
  tag(3, m_codePage);
  if (r12)
  {
    tag(9, "$HANDLING");
    tag(70, 1);
  }
  tag(9, "$HANDSEED");
  handle(5, 0x100000);
  for (const DxfHeaderVar& v : d.header)
  {
    tag(9, v.name);
    if (v.code == 10)
    {
      const QStringList xyz = v.value.split(QLatin1Char(','));
      for (int i = 0; i < xyz.size(); ++i)
        tag(10 + 10 * i, xyz[i]);
    }
    else
      tag(v.code, v.value);
  }
  endSection();

  if (!r12)
  {
    beginSection("CLASSES");
    endSection();
  }

  beginSection("TABLES");
  // Viewports.
  tableHead("VPORT", kViewportTable, 1);
  recordHead("VPORT", "AcDbViewportTableRecord", kActiveViewport, kViewportTable, QStringLiteral("*ACTIVE"), 0);
  const DxfViewportDef& vp = d.activeViewport;
  point(10, {0, 0, 0}, false);
  point(11, {1, 1, 0}, false);
  point(12, vp.center, false);
  point(14, {vp.snapX, vp.snapY, 0}, false);
  point(15, {vp.gridX, vp.gridY, 0}, false);
  point(16, {0, 0, 1});
  point(17, {0, 0, 0});
  tag(40, vp.height);
  tag(41, vp.aspect);
  tag(42, 50.0);
  tag(72, vp.circleSides);
  tag(74, vp.ucsIcon);
  tag(75, vp.snapOn ? 1 : 0);
  tag(76, vp.gridOn ? 1 : 0);
  tag(0, "ENDTAB");

  // Linetypes.
  tableHead("LTYPE", kLinetypeTable, 3 + d.linetypes.size());
  const DxfLinetypeDef standard[] = {{QStringLiteral("ByBlock"), QString(), {}, kByBlock},
                                      {QStringLiteral("ByLayer"), QString(), {}, kByLayer},
                                      {QStringLiteral("Continuous"), QStringLiteral("Solid line"), {}, kContinuous}};
  QList<DxfLinetypeDef> linetypes(std::begin(standard), std::end(standard));
  linetypes += d.linetypes;
  for (const DxfLinetypeDef& lt : linetypes)
  {
    recordHead("LTYPE", "AcDbLinetypeTableRecord", lt.handle ? lt.handle : newHandle(), kLinetypeTable, lt.name, 0);
    tag(3, lt.description);
    tag(72, 65);
    tag(73, lt.dashes.size());
    double length = 0.0;
    for (double dash : lt.dashes)
      length += std::abs(dash);
    tag(40, length);
    for (double dash : lt.dashes)
    {
      tag(49, dash);
      if (!r12)
        tag(74, 0);
    }
  }
  tag(0, "ENDTAB");

  // Layers.
  QList<DxfLayerDef> layers;
  DxfLayerDef zero;
  zero.name = QStringLiteral("0");
  zero.handle = kLayerZero;
  layers << zero << d.layers;
  tableHead("LAYER", kLayerTable, layers.size());
  for (const DxfLayerDef& l : layers)
  {
    const int flags = (l.frozen ? 1 : 0) | (l.locked ? 4 : 0);
    recordHead("LAYER", "AcDbLayerTableRecord", l.handle ? l.handle : newHandle(), kLayerTable, l.name, flags);
    tag(62, l.off ? -l.color : l.color);
    if (m_version >= 1018 && l.trueColor >= 0)
      tag(420, static_cast<int>(l.trueColor));
    tag(6, l.linetype);
    if (m_version >= 1015)
    {
      tag(290, l.plot ? 1 : 0);
      tag(370, l.lineweight);
      if (l.plotStyle)
        handle(390, l.plotStyle);
    }
    if (m_version >= 1018 && l.transparency >= 0)
    {
      tag(1001, "AcCmTransparency");
      tag(1071, static_cast<int>(l.transparency));
    }
    if (!r12 && !l.description.isEmpty())
    {
      tag(1001, "AcAecLayerStandard");
      tag(1000, "");
      tag(1000, l.description);
    }
  }
  tag(0, "ENDTAB");

  // Text styles.
  QList<DxfStyleDef> styles;
  DxfStyleDef standardStyle;
  standardStyle.name = QStringLiteral("Standard");
  standardStyle.handle = kStandardStyle;
  styles << standardStyle << d.styles;
  tableHead("STYLE", kStyleTable, styles.size());
  QList<QPair<QString, quint64>> styleHandles;
  for (const DxfStyleDef& s : styles)
  {
    const quint64 h = s.handle ? s.handle : newHandle();
    styleHandles << qMakePair(s.name, h);
    recordHead("STYLE", "AcDbTextStyleTableRecord", h, kStyleTable, s.name, s.vertical ? 4 : 0);
    tag(40, s.height);
    tag(41, s.widthFactor);
    tag(50, s.obliqueDegrees);
    tag(71, (s.backwards ? 2 : 0) | (s.upsideDown ? 4 : 0));
    tag(42, 2.5);
    tag(3, s.font);
    tag(4, s.bigFont);
    if (!r12 && !s.typeface.isEmpty())
    {
      tag(1001, "ACAD");
      tag(1000, s.typeface);
      tag(1071, (s.bold ? 0x02000000 : 0) | (s.italic ? 0x01000000 : 0) | 34);
    }
  }
  tag(0, "ENDTAB");

  // Views and UCSs.
  tableHead("VIEW", kViewTable, d.views.size());
  for (const DxfViewDef& v : d.views)
  {
    recordHead("VIEW", "AcDbViewTableRecord", v.handle ? v.handle : newHandle(), kViewTable, v.name,
               v.paperSpace ? 1 : 0);
    tag(40, v.height);
    point(10, v.center, false);
    tag(41, v.width);
    point(11, v.direction);
    point(12, v.target);
    tag(42, 50.0);
    tag(43, 0.0);
    tag(44, 0.0);
    tag(50, v.twistDegrees);
    tag(71, 0);
  }
  tag(0, "ENDTAB");
  tableHead("UCS", kUcsTable, d.ucss.size());
  for (const DxfUcsDef& u : d.ucss)
  {
    recordHead("UCS", "AcDbUCSTableRecord", u.handle ? u.handle : newHandle(), kUcsTable, u.name, 0);
    point(10, u.origin);
    point(11, u.xAxis);
    point(12, u.yAxis);
  }
  tag(0, "ENDTAB");

  // Registered applications.
  QStringList apps = QStringList() << QStringLiteral("ACAD") << d.appIds;
  tableHead("APPID", kAppIdTable, apps.size());
  for (int i = 0; i < apps.size(); ++i)
    recordHead("APPID", "AcDbRegAppTableRecord", i == 0 ? kAcadAppId : newHandle(), kAppIdTable, apps[i], 0);
  tag(0, "ENDTAB");

  // Dimension styles.
  QList<DxfDimStyleDef> dimStyles;
  DxfDimStyleDef standardDim;
  standardDim.name = QStringLiteral("Standard");
  standardDim.handle = kStandardDimStyle;
  dimStyles << standardDim << d.dimStyles;
  tableHead("DIMSTYLE", kDimStyleTable, dimStyles.size());
  for (const DxfDimStyleDef& s : dimStyles)
  {
    recordHead("DIMSTYLE", "AcDbDimStyleTableRecord", s.handle ? s.handle : newHandle(), kDimStyleTable, s.name, 0,
               105);
    for (const auto& v : s.variables)
      tag(v.first, v.second);
    if (!r12 && !s.textStyle.isEmpty())
      for (const auto& sh : styleHandles)
        if (sh.first == s.textStyle)
          handle(340, sh.second);
  }
  tag(0, "ENDTAB");

  // Block records.
  QList<quint64> blockHandles;
  for (const DxfBlockDef& b : d.blocks)
    blockHandles << (b.handle ? b.handle : newHandle());
  if (!r12)
  {
    tableHead("BLOCK_RECORD", kBlockRecordTable, 2 + d.blocks.size());
    recordHead("BLOCK_RECORD", "AcDbBlockTableRecord", kModelSpace, kBlockRecordTable, QStringLiteral("*Model_Space"), 0);
    recordHead("BLOCK_RECORD", "AcDbBlockTableRecord", kPaperSpace, kBlockRecordTable, QStringLiteral("*Paper_Space"), 0);
    for (int i = 0; i < d.blocks.size(); ++i)
    {
      const DxfBlockDef& b = d.blocks[i];
      recordHead("BLOCK_RECORD", "AcDbBlockTableRecord", blockHandles[i], kBlockRecordTable, b.name, 0);
      if (m_version >= 1015)
      {
        tag(70, b.units);
        tag(280, b.explodable ? 1 : 0);
        tag(281, b.uniformScaling ? 1 : 0);
      }
    }
    tag(0, "ENDTAB");
  }
  endSection();

  // Blocks: the layout blocks (empty) and the drawing's own.
  beginSection("BLOCKS");
  auto block = [&](const QString& name, quint64 owner, const DxfBlockDef* def) {
    tag(0, "BLOCK");
    if (!r12)
    {
      handle(5, newHandle());
      handle(330, owner);
      marker("AcDbEntity");
    }
    tag(8, "0");
    marker("AcDbBlockBegin");
    tag(2, name);
    tag(70, 0);
    point(10, def ? def->base : DxfPoint());
    tag(3, name);
    tag(1, "");
    if (def && !def->description.isEmpty() && m_version >= 1015)
      tag(4, def->description);
    if (def && def->entities)
    {
      const quint64 previous = m_owner;
      m_owner = owner;
      def->entities(*this);
      m_owner = previous;
    }
    tag(0, "ENDBLK");
    if (!r12)
    {
      handle(5, newHandle());
      handle(330, owner);
      marker("AcDbEntity");
    }
    tag(8, "0");
    marker("AcDbBlockEnd");
  };
  block(r12 ? QStringLiteral("$MODEL_SPACE") : QStringLiteral("*Model_Space"), kModelSpace, nullptr);
  block(r12 ? QStringLiteral("$PAPER_SPACE") : QStringLiteral("*Paper_Space"), kPaperSpace, nullptr);
  for (int i = 0; i < d.blocks.size(); ++i)
    block(d.blocks[i].name, blockHandles[i], &d.blocks[i]);
  endSection();

  beginSection("ENTITIES");
  m_owner = kModelSpace;
  if (d.entities)
    d.entities(*this);
  endSection();

  if (!r12)
  {
    beginSection("OBJECTS");
    tag(0, "DICTIONARY");
    handle(5, kNamedObjects);
    tag(330, "0");
    marker("AcDbDictionary");
    tag(281, 1);
    tag(3, "ACAD_GROUP");
    const quint64 groups = newHandle();
    handle(350, groups);
    if (!d.plotStyles.isEmpty())
    {
      tag(3, "ACAD_PLOTSTYLENAME");
      handle(350, kPlotStyleDictionary);
    }
    tag(0, "DICTIONARY");
    handle(5, groups);
    handle(330, kNamedObjects);
    marker("AcDbDictionary");
    tag(281, 1);
    if (!d.plotStyles.isEmpty())
    {
      tag(0, "ACDBDICTIONARYWDFLT");
      handle(5, kPlotStyleDictionary);
      handle(330, kNamedObjects);
      marker("AcDbDictionary");
      tag(281, 1);
      for (const auto& ps : d.plotStyles)
      {
        tag(3, ps.first);
        handle(350, ps.second);
      }
      for (const auto& ps : d.plotStyles)
      {
        tag(0, "ACDBPLACEHOLDER");
        handle(5, ps.second);
        handle(330, kPlotStyleDictionary);
      }
    }
    for (const auto& xd : d.extensionDictionaries)
    {
      const quint64 inner = newHandle();
      tag(0, "DICTIONARY");
      handle(5, xd.first);
      handle(330, xd.second);
      marker("AcDbDictionary");
      tag(280, 1);
      tag(3, "KY_NOTES");
      handle(360, inner);
      tag(0, "DICTIONARY");
      handle(5, inner);
      handle(330, xd.first);
      marker("AcDbDictionary");
    }
    endSection();
  }
  eof();
}

// ---- entities ----------------------------------------------------------------------------------

void DxfTestWriter::common(const char* kind, const DxfCommon& c, quint64 h)
{
  tag(0, kind);
  handle(5, h);
  if (!isR12() && c.extensionDictionary)
  {
    tag(102, "{ACAD_XDICTIONARY");
    handle(360, c.extensionDictionary);
    tag(102, "}");
  }
  if (!isR12())
    handle(330, c.paperSpace ? kPaperSpace : m_owner);
  marker("AcDbEntity");
  if (c.paperSpace)
    tag(67, 1);
  tag(8, c.layer);
  if (!c.linetype.isEmpty() || m_verbose)
    tag(6, c.linetype.isEmpty() ? QStringLiteral("ByLayer") : c.linetype);
  if (c.color != 256 || m_verbose)
    tag(62, c.color);
  if (m_version >= 1018 && c.trueColor >= 0)
    tag(420, static_cast<int>(c.trueColor));
  if (m_version >= 1018 && !c.colorName.isEmpty())
    tag(430, c.colorName);
  if (m_version >= 1015 && (c.lineweight != -1 || m_verbose))
    tag(370, c.lineweight);
  if (c.linetypeScale != 0.0)
    tag(48, c.linetypeScale);
  if (c.invisible)
    tag(60, 1);
  if (m_version >= 1018 && c.transparency >= 0)
    tag(440, static_cast<int>(c.transparency));
  if (m_version >= 1015 && c.plotStyle)
  {
    tag(380, 3);
    handle(390, c.plotStyle);
  }
}

void DxfTestWriter::trailer(const DxfCommon& c)
{
  if (!c.hyperlink.isEmpty())
  {
    tag(1001, "PE_URL");
    tag(1000, c.hyperlink);
    tag(1002, "{");
    tag(1000, c.hyperlinkDescription);
    tag(1002, "}");
  }
  for (const auto& x : c.xdata)
    tag(x.first, x.second);
}

quint64 DxfTestWriter::line(const DxfCommon& c, const DxfPoint& start, const DxfPoint& end, double thickness)
{
  const quint64 h = c.handle ? c.handle : newHandle();
  common("LINE", c, h);
  marker("AcDbLine");
  if (thickness != 0.0 || m_verbose)
    tag(39, thickness);
  point(10, start);
  point(11, end);
  if (m_verbose)
    point(210, {0, 0, 1});
  trailer(c);
  return h;
}

quint64 DxfTestWriter::circle(const DxfCommon& c, const DxfPoint& center, double radius, const DxfPoint& normal)
{
  const quint64 h = c.handle ? c.handle : newHandle();
  common("CIRCLE", c, h);
  marker("AcDbCircle");
  point(10, center);
  tag(40, radius);
  if (normal.x != 0.0 || normal.y != 0.0 || normal.z != 1.0 || m_verbose)
    point(210, normal);
  trailer(c);
  return h;
}

quint64 DxfTestWriter::arc(const DxfCommon& c, const DxfPoint& center, double radius, double startDegrees,
                           double endDegrees, const DxfPoint& normal)
{
  const quint64 h = c.handle ? c.handle : newHandle();
  common("ARC", c, h);
  marker("AcDbCircle");
  point(10, center);
  tag(40, radius);
  if (normal.x != 0.0 || normal.y != 0.0 || normal.z != 1.0 || m_verbose)
    point(210, normal);
  marker("AcDbArc");
  tag(50, startDegrees);
  tag(51, endDegrees);
  trailer(c);
  return h;
}

quint64 DxfTestWriter::text(const DxfCommon& c, const DxfPoint& position, double height, const QString& contents,
                            const QString& style, double rotationDegrees, int horizontal, int vertical,
                            const DxfPoint& alignment)
{
  const quint64 h = c.handle ? c.handle : newHandle();
  common("TEXT", c, h);
  marker("AcDbText");
  point(10, position);
  tag(40, height);
  tag(1, contents);
  if (rotationDegrees != 0.0)
    tag(50, rotationDegrees);
  if (!style.isEmpty())
    tag(7, style);
  if (horizontal != 0)
    tag(72, horizontal);
  if (horizontal != 0 || vertical != 0)
    point(11, alignment);
  marker("AcDbText");
  if (vertical != 0)
    tag(73, vertical);
  trailer(c);
  return h;
}

quint64 DxfTestWriter::mtext(const DxfCommon& c, const DxfPoint& location, double height, double width,
                             const QString& contents, int attachment, const QString& style, double rotationRadians)
{
  const quint64 h = c.handle ? c.handle : newHandle();
  common("MTEXT", c, h);
  marker("AcDbMText");
  point(10, location);
  tag(40, height);
  tag(41, width);
  tag(71, attachment);
  tag(72, 1);
  // Long contents go in chunks of 250 bytes: 3 ... 3, then the rest under 1.
  QByteArray bytes = encode(contents);
  while (bytes.size() > 250)
  {
    int cut = 250;
    // Keep multi-byte characters whole within a chunk.
    if (isUnicode())
      while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
        --cut;
    raw("  3\n").raw(bytes.left(cut)).raw("\n");
    bytes = bytes.mid(cut);
  }
  raw("  1\n").raw(bytes).raw("\n");
  if (!style.isEmpty())
    tag(7, style);
  // Files hold the rotation in degrees.
  if (rotationRadians != 0.0)
    tag(50, rotationRadians * 180.0 / 3.14159265358979323846);
  trailer(c);
  return h;
}

quint64 DxfTestWriter::lwpolyline(const DxfCommon& c, const QList<Vertex>& vertices, bool closed,
                                  double constantWidth)
{
  const quint64 h = c.handle ? c.handle : newHandle();
  common("LWPOLYLINE", c, h);
  marker("AcDbPolyline");
  tag(90, vertices.size());
  tag(70, closed ? 1 : 0);
  tag(43, constantWidth);
  for (const Vertex& v : vertices)
  {
    point(10, {v.x, v.y, 0}, false);
    if (v.bulge != 0.0)
      tag(42, v.bulge);
  }
  trailer(c);
  return h;
}

quint64 DxfTestWriter::entity(const char* kind, const DxfCommon& c, const QList<QPair<int, QString>>& body)
{
  const quint64 h = c.handle ? c.handle : newHandle();
  common(kind, c, h);
  for (const auto& t : body)
    tag(t.first, t.second);
  trailer(c);
  return h;
}
