// DxfTestWriter: writes small DXF drawings for the reader's tests, the fuzz corpus and the
// benchmark, in every version the reader supports (AC1009 .. AC1032) and in any code page: texts
// the code page cannot hold are written as \U+XXXX escapes. A test support tool, not a product
// writer: it writes what the reader maps, the way files of each version carry it.
#ifndef KY_DXF_TEST_WRITER_H
#define KY_DXF_TEST_WRITER_H

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

class QTextCodec;

struct DxfPoint
{
  double x = 0.0, y = 0.0, z = 0.0;
};

// Properties every entity may carry; defaults write nothing beyond the layer.
struct DxfCommon
{
  quint64 handle = 0; // 0: the writer picks the next free one
  QString layer = QStringLiteral("0");
  QString linetype;
  int color = 256;
  qint64 trueColor = -1;
  QString colorName; // "BOOK$NAME"
  int lineweight = -1;
  double linetypeScale = 0.0;
  qint64 transparency = -1; // packed value
  bool invisible = false;
  bool paperSpace = false;
  quint64 plotStyle = 0; // placeholder handle of a named plot style
  quint64 extensionDictionary = 0;
  QString hyperlink, hyperlinkDescription;
  // Extended data as (code, text) tags, starting with a 1001 application name.
  QList<QPair<int, QString>> xdata;
};

struct DxfLayerDef
{
  QString name;
  int color = 7;
  qint64 trueColor = -1;
  QString linetype = QStringLiteral("Continuous");
  int lineweight = -3;
  bool frozen = false, off = false, locked = false, plot = true;
  qint64 transparency = -1;
  QString description;
  quint64 plotStyle = 0;
  quint64 handle = 0;
};

struct DxfLinetypeDef
{
  QString name, description;
  QList<double> dashes;
  quint64 handle = 0;
};

struct DxfStyleDef
{
  QString name;
  QString font = QStringLiteral("txt");
  QString bigFont;
  double height = 0.0, widthFactor = 1.0, obliqueDegrees = 0.0;
  bool backwards = false, upsideDown = false, vertical = false;
  QString typeface;
  bool bold = false, italic = false;
  quint64 handle = 0;
};

struct DxfDimStyleDef
{
  QString name;
  // (group code, value as written).
  QList<QPair<int, QString>> variables;
  QString textStyle; // written as the 340 handle of that style
  quint64 handle = 0;
};

struct DxfViewDef
{
  QString name;
  DxfPoint center, direction{0, 0, 1}, target;
  double height = 10.0, width = 20.0, twistDegrees = 0.0;
  bool paperSpace = false;
  quint64 handle = 0;
};

struct DxfUcsDef
{
  QString name;
  DxfPoint origin, xAxis{1, 0, 0}, yAxis{0, 1, 0};
  quint64 handle = 0;
};

struct DxfViewportDef
{
  DxfPoint center{5, 5, 0};
  double height = 10.0, aspect = 1.5;
  double gridX = 10.0, gridY = 10.0, snapX = 10.0, snapY = 10.0;
  bool gridOn = false, snapOn = false;
  int ucsIcon = 3;
  int circleSides = 1000;
};

class DxfTestWriter;

struct DxfBlockDef
{
  QString name;
  DxfPoint base;
  int units = 0;
  bool explodable = true, uniformScaling = false;
  QString description;
  std::function<void(DxfTestWriter&)> entities;
  quint64 handle = 0;
};

struct DxfHeaderVar
{
  QString name;
  int code;
  QString value;
};

struct DxfDrawing
{
  QList<DxfHeaderVar> header;
  QList<DxfLinetypeDef> linetypes;
  QList<DxfLayerDef> layers;
  QList<DxfStyleDef> styles;
  QList<DxfDimStyleDef> dimStyles;
  QStringList appIds;
  QList<DxfViewDef> views;
  QList<DxfUcsDef> ucss;
  DxfViewportDef activeViewport;
  QList<DxfBlockDef> blocks;
  std::function<void(DxfTestWriter&)> entities;
  // Named plot styles (entries of the plot style name dictionary), with their placeholder handles.
  QList<QPair<QString, quint64>> plotStyles;
  // An extension dictionary (handle) with one sub-dictionary entry, owned by the entity handle.
  QList<QPair<quint64, quint64>> extensionDictionaries;
};

class DxfTestWriter
{
public:
  // The handles of the standard objects, as files commonly give them.
  enum : quint64
  {
    kBlockRecordTable = 0x1, kLayerTable = 0x2, kStyleTable = 0x3, kLinetypeTable = 0x5, kViewTable = 0x6,
    kUcsTable = 0x7, kViewportTable = 0x8, kAppIdTable = 0x9, kDimStyleTable = 0xA, kNamedObjects = 0xC,
    kLayerZero = 0x10, kStandardStyle = 0x11, kAcadAppId = 0x12, kByBlock = 0x14, kByLayer = 0x15,
    kContinuous = 0x16, kPaperSpace = 0x1B, kModelSpace = 0x1F, kStandardDimStyle = 0x27, kActiveViewport = 0x29,
    kPlotStyleDictionary = 0x0E, kFirstFree = 0x100
  };

  explicit DxfTestWriter(const QString& version = QStringLiteral("AC1015"),
                         const QString& codePage = QStringLiteral("ANSI_1252"));

  // Also write the values that equal their defaults (linetype, colour, lineweight, thickness,
  // normal), as many writers do.
  void setVerbose(bool verbose) { m_verbose = verbose; }

  bool isR12() const { return m_version <= 1009; }
  bool isUnicode() const { return m_version >= 1021; }
  int version() const { return m_version; }

  // ---- tags --------------------------------------------------------------------------------
  DxfTestWriter& tag(int code, const QString& value);
  DxfTestWriter& tag(int code, const char* value) { return tag(code, QString::fromUtf8(value)); }
  DxfTestWriter& tag(int code, int value);
  DxfTestWriter& tag(int code, double value);
  DxfTestWriter& point(int code, const DxfPoint& p, bool withZ = true);
  DxfTestWriter& handle(int code, quint64 value);
  // Subclass marker (none in R12 files).
  DxfTestWriter& marker(const char* subclass);
  DxfTestWriter& raw(const QByteArray& bytes);
  quint64 newHandle() { return m_nextHandle++; }

  // ---- a whole drawing ---------------------------------------------------------------------
  void write(const DxfDrawing& drawing);
  void beginSection(const char* name);
  void endSection();
  void eof();

  // ---- entities (into the block being written, model space by default) ----------------------
  quint64 line(const DxfCommon& c, const DxfPoint& start, const DxfPoint& end, double thickness = 0.0);
  quint64 circle(const DxfCommon& c, const DxfPoint& center, double radius, const DxfPoint& normal = {0, 0, 1});
  quint64 arc(const DxfCommon& c, const DxfPoint& center, double radius, double startDegrees, double endDegrees,
              const DxfPoint& normal = {0, 0, 1});
  quint64 text(const DxfCommon& c, const DxfPoint& position, double height, const QString& contents,
               const QString& style = QString(), double rotationDegrees = 0.0, int horizontal = 0, int vertical = 0,
               const DxfPoint& alignment = {});
  quint64 mtext(const DxfCommon& c, const DxfPoint& location, double height, double width, const QString& contents,
                int attachment = 1, const QString& style = QString(), double rotationRadians = 0.0);
  struct Vertex
  {
    double x, y, bulge;
  };
  quint64 lwpolyline(const DxfCommon& c, const QList<Vertex>& vertices, bool closed, double constantWidth = 0.0);
  // An entity of any kind with the given body tags (code, text), for kinds the reader skips.
  quint64 entity(const char* kind, const DxfCommon& c, const QList<QPair<int, QString>>& body);

  QByteArray data() const { return m_out; }
  bool save(const QString& path) const;

private:
  void common(const char* kind, const DxfCommon& c, quint64 handle);
  void trailer(const DxfCommon& c);
  QByteArray encode(const QString& text) const;
  void tableHead(const char* name, quint64 handle, int count);
  void recordHead(const char* kind, const char* subclass, quint64 handle, quint64 owner, const QString& name,
                  int flags, int handleCode = 5);

  int m_version;
  QString m_versionTag;
  QString m_codePage;
  QTextCodec* m_codec;
  QByteArray m_out;
  quint64 m_nextHandle = kFirstFree;
  quint64 m_owner = kModelSpace;
  bool m_verbose = false;
};

#endif
