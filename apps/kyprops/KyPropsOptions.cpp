// Parsing of the kyprops command line.
#include "KyPropsOptions.h"

#include <cmath>
#include <utility>

#include <QCommandLineParser>

#include "KyDrawingSource.h"

namespace
{
bool parseTriple(const QString& text, double out[3])
{
  const QStringList parts = text.split(QLatin1Char(','));
  if (parts.size() != 3)
    return false;
  for (int i = 0; i < 3; ++i)
  {
    bool ok = false;
    out[i] = parts[i].trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(out[i]))
      return false;
  }
  return true;
}

bool parseUcs(const QString& text, KyPropsOptions& options)
{
  const QStringList parts = text.split(QLatin1Char(';'));
  double o[3], x[3], y[3];
  if (parts.size() != 3 || !parseTriple(parts[0], o) || !parseTriple(parts[1], x) || !parseTriple(parts[2], y))
    return false;
  options.ucsOrigin = OdGePoint3d(o[0], o[1], o[2]);
  options.ucsXAxis = OdGeVector3d(x[0], x[1], x[2]);
  options.ucsYAxis = OdGeVector3d(y[0], y[1], y[2]);
  options.hasUcs = true;
  return true;
}

bool parseUnits(const QString& text, KyPropsOptions& options)
{
  const QStringList parts = text.split(QLatin1Char(','));
  if (parts.size() != 2)
    return false;
  bool okMode = false, okPrecision = false;
  const int mode = parts[0].trimmed().toInt(&okMode);
  const int precision = parts[1].trimmed().toInt(&okPrecision);
  if (!okMode || !okPrecision || mode < 1 || mode > 5 || precision < 0 || precision > 8)
    return false;
  options.unitsMode = mode;
  options.unitsPrecision = precision;
  return true;
}
// --output and --output-version, after the other options (standard output is the drawing's alone).
KyPropsParse parseOutput(const QString& path, bool hasPath, const QString& version, bool hasVersion,
                         KyPropsOptions& options, QString& text)
{
  if (hasVersion && !hasPath)
  {
    text = QStringLiteral("--output-version needs --output");
    return KyPropsParse::kError;
  }
  if (!hasPath)
    return KyPropsParse::kRun;
  if (path.isEmpty())
  {
    text = QStringLiteral("--output needs a file name, or - for standard output");
    return KyPropsParse::kError;
  }
  if (KyOutputVersionNames().isEmpty())
  {
    text = QStringLiteral("--output: writing DXF is not available in this build");
    return KyPropsParse::kError;
  }
  if (hasVersion)
  {
    options.outputVersion = KyOutputVersion(version);
    if (options.outputVersion.isEmpty())
    {
      text = QStringLiteral("--output-version: unknown DXF version \"%1\" (accepted: %2)")
               .arg(version, KyOutputVersionNames().join(QStringLiteral(", ")));
      return KyPropsParse::kError;
    }
  }
  if (path == QLatin1String("-"))
    for (const auto& printed : {std::make_pair(options.json, "--json"), std::make_pair(options.summary, "--summary"),
                                std::make_pair(options.list, "--list")})
      if (printed.first)
      {
        text = QStringLiteral("--output - writes the drawing to standard output; %1 cannot print there too")
                 .arg(QLatin1String(printed.second));
        return KyPropsParse::kError;
      }
  options.output = path;
  return KyPropsParse::kRun;
}
} // namespace

QString KyUsageText()
{
  return QStringLiteral(
    "Usage: kyprops [OPTIONS] [DRAWING.dxf]\n"
    "\n"
    "Shows the Properties palette of drawing objects through the property module\n"
    "(libKYProperties.so.1), loaded as a host loads it. Without a file the built-in\n"
    "sample drawing is opened.\n"
    "\n"
    "Reading:\n"
    "  --strict               stops at the first problem in the file (exit 2) instead of\n"
    "                         repairing it; repairs are otherwise listed on standard error.\n"
    "\n"
    "Selection and scene:\n"
    "  --select LIST          handles or object kinds (class display names), separated by\n"
    "                         commas; repeatable. Default: every entity.\n"
    "  --ucs O;X;Y            current UCS: origin, X axis and Y axis, each \"x,y,z\".\n"
    "  --units MODE,PREC      linear units 1 scientific, 2 decimal, 3 engineering,\n"
    "                         4 architectural, 5 fractional; precision 0..8.\n"
    "\n"
    "Edits:\n"
    "  --set NAME=VALUE       calls the setter of the row NAME (display name or key) on every\n"
    "                         selected object that has it; repeatable, applied in order.\n"
    "                         NAME#N is the N-th row of that name, from 1 (NUMBER#2: the\n"
    "                         second attribute tagged NUMBER).\n"
    "  --index N              per-element context (vertex, control point), counted from 0.\n"
    "  --group-action NAME[=VALUE]\n"
    "                         runs the row's group action once over the whole selection.\n"
    "\n"
    "Output:\n"
    "  --merge                one palette for the whole selection (common rows, varies).\n"
    "  --list                 adds the listing command's report of each object.\n"
    "  --summary              prints only the drawing's summary and the load time.\n"
    "  --raw-keys             shows untranslated keys instead of the English catalogue.\n"
    "  --json                 prints one JSON document instead of text.\n"
    "  --help                 prints this text.\n"
    "\n"
    "Saving:\n"
    "  --output OUT.dxf       writes the drawing after the edits to OUT (which may be the\n"
    "                         file read), or to standard output for -, which then carries\n"
    "                         nothing else. Nothing is written when an edit is refused or\n"
    "                         a value does not parse. --ucs and --units are not saved.\n"
    "  --output-version V     the DXF version written: R2000, R2004, R2007, R2010, R2013,\n"
    "                         R2018 or AC1015 ... AC1032. Default: the version read (R2018\n"
    "                         for the built-in sample).\n"
    "\n"
    "Values of --set follow the row's type: numbers with units (1'6\" in architectural\n"
    "units; angles in degrees or as 45d30', 1.2r), text, a list entry by its text or tag,\n"
    "a colour by index, name, r,g,b, ByLayer or ByBlock, an object by name or handle,\n"
    "a lineweight in millimetres or ByLayer/ByBlock/Default, a transparency in percent.\n"
    "\n"
    "Exit codes: 0 success, 1 usage error, 2 nothing sensible can be read from the\n"
    "drawing (with --strict: its first problem) or it could not be written (an old OUT\n"
    "is kept), 3 an edit was refused, 4 the module could not be loaded.\n");
}

KyPropsParse KyParseOptions(const QStringList& arguments, KyPropsOptions& options, QString& text)
{
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption select(QStringLiteral("select"), QString(), QStringLiteral("LIST"));
  const QCommandLineOption ucs(QStringLiteral("ucs"), QString(), QStringLiteral("O;X;Y"));
  const QCommandLineOption units(QStringLiteral("units"), QString(), QStringLiteral("MODE,PREC"));
  const QCommandLineOption set(QStringLiteral("set"), QString(), QStringLiteral("NAME=VALUE"));
  const QCommandLineOption index(QStringLiteral("index"), QString(), QStringLiteral("N"));
  const QCommandLineOption groupAction(QStringLiteral("group-action"), QString(), QStringLiteral("NAME"));
  const QCommandLineOption strict(QStringLiteral("strict"));
  const QCommandLineOption summary(QStringLiteral("summary"));
  const QCommandLineOption list(QStringLiteral("list"));
  const QCommandLineOption merge(QStringLiteral("merge"));
  const QCommandLineOption rawKeys(QStringLiteral("raw-keys"));
  const QCommandLineOption json(QStringLiteral("json"));
  const QCommandLineOption output(QStringLiteral("output"), QString(), QStringLiteral("OUT"));
  const QCommandLineOption outputVersion(QStringLiteral("output-version"), QString(), QStringLiteral("V"));
  const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
  parser.addOptions({strict, select, ucs, units, set, index, groupAction, summary, list, merge, rawKeys, json, output,
                     outputVersion, help});

  QStringList argv = arguments;
  argv.prepend(QStringLiteral("kyprops"));
  if (!parser.parse(argv))
  {
    text = parser.errorText();
    return KyPropsParse::kError;
  }
  if (parser.isSet(help))
  {
    text = KyUsageText();
    return KyPropsParse::kHelp;
  }

  const QStringList positional = parser.positionalArguments();
  if (positional.size() > 1)
  {
    text = QStringLiteral("only one drawing can be opened (got %1 file arguments)").arg(positional.size());
    return KyPropsParse::kError;
  }
  if (!positional.isEmpty())
    options.file = positional.first();

  for (const QString& value : parser.values(select))
    for (const QString& token : value.split(QLatin1Char(',')))
      if (!token.trimmed().isEmpty())
        options.select.append(token.trimmed());
  if (parser.isSet(select) && options.select.isEmpty())
  {
    text = QStringLiteral("--select needs at least one handle or object kind");
    return KyPropsParse::kError;
  }

  if (parser.isSet(ucs) && !parseUcs(parser.value(ucs), options))
  {
    text = QStringLiteral("--ucs expects ORIGIN;XAXIS;YAXIS with three numbers each, e.g. "
                          "\"10,5,0;1,0,0;0,1,0\" (got \"%1\")")
             .arg(parser.value(ucs));
    return KyPropsParse::kError;
  }
  if (parser.isSet(units) && !parseUnits(parser.value(units), options))
  {
    text = QStringLiteral("--units expects MODE,PRECISION with a mode 1..5 and a precision 0..8 (got \"%1\")")
             .arg(parser.value(units));
    return KyPropsParse::kError;
  }

  for (const QString& value : parser.values(set))
  {
    const int eq = value.indexOf(QLatin1Char('='));
    if (eq <= 0)
    {
      text = QStringLiteral("--set expects NAME=VALUE (got \"%1\")").arg(value);
      return KyPropsParse::kError;
    }
    options.edits.push_back({value.left(eq).trimmed(), value.mid(eq + 1)});
  }

  if (parser.isSet(index))
  {
    bool ok = false;
    options.index = parser.value(index).trimmed().toInt(&ok);
    if (!ok || options.index < 0)
    {
      text = QStringLiteral("--index expects a number from 0 (got \"%1\")").arg(parser.value(index));
      return KyPropsParse::kError;
    }
    options.hasIndex = true;
  }

  if (parser.isSet(groupAction))
  {
    const QString value = parser.value(groupAction);
    const int eq = value.indexOf(QLatin1Char('='));
    options.groupAction = (eq < 0 ? value : value.left(eq)).trimmed();
    if (eq >= 0)
    {
      options.hasGroupValue = true;
      options.groupValue = value.mid(eq + 1);
    }
    if (options.groupAction.isEmpty())
    {
      text = QStringLiteral("--group-action expects a row name");
      return KyPropsParse::kError;
    }
  }

  options.strict = parser.isSet(strict);
  options.summary = parser.isSet(summary);
  options.list = parser.isSet(list);
  options.merge = parser.isSet(merge);
  options.rawKeys = parser.isSet(rawKeys);
  options.json = parser.isSet(json);
  if (options.summary && (!options.edits.empty() || !options.groupAction.isEmpty()))
  {
    text = QStringLiteral("--summary cannot be combined with --set or --group-action");
    return KyPropsParse::kError;
  }
  return parseOutput(parser.isSet(output) ? parser.value(output) : QString(), parser.isSet(output),
                     parser.isSet(outputVersion) ? parser.value(outputVersion) : QString(), parser.isSet(outputVersion),
                     options, text);
}
