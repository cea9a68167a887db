// Text and JSON renderings of a kyprops run.
#include "KyPropsReport.h"

#include <QJsonArray>

#include "KyDrawingSource.h"
#include "KyPropertyType.h"
#include "KyValueText.h"

namespace
{
const QString kIndent = QStringLiteral("  ");

QString resultText(int result)
{
  return result == kPropertySetOk ? QStringLiteral("%1 accepted").arg(result) : QStringLiteral("%1 refused").arg(result);
}

QString guidName(const CKyPropertyDescription* row)
{
  return CKyPropertyType::GuidName(row->GetType().GetGUID()).toQString();
}

QString triple(const double* v)
{
  return QStringLiteral("%1,%2,%3").arg(v[0]).arg(v[1]).arg(v[2]);
}

bool isWorldUcs(const KyDrawingReport& d)
{
  static const double world[9] = {0, 0, 0, 1, 0, 0, 0, 1, 0};
  for (int i = 0; i < 9; ++i)
    if (d.ucs[i] != world[i])
      return false;
  return true;
}

QString shownValue(const QString& text, const QString& error, bool empty)
{
  if (!error.isEmpty())
    return QStringLiteral("(error: %1)").arg(error);
  if (empty)
    return QStringLiteral("(no value)");
  return text;
}

// Rows grouped under their categories in the order categories first appear; within a category
// the container order is kept.
template <class Row, class Line>
void appendGrouped(QStringList& out, const std::vector<Row>& rows, const QString& indent, Line line)
{
  QStringList categories;
  int width = 0;
  for (const Row& row : rows)
  {
    if (!categories.contains(row.category))
      categories.append(row.category);
    width = qMax(width, row.name.length());
  }
  for (const QString& category : categories)
  {
    out.append(indent + (category.isEmpty() ? QStringLiteral("(no category)") : category));
    for (const Row& row : rows)
      if (row.category == category)
        out.append(indent + kIndent + row.name.leftJustified(width + 2) + line(row));
  }
}

void appendEdits(QStringList& out, const std::vector<KyEditReport>& edits, const QString& indent, bool withHandle)
{
  for (const KyEditReport& edit : edits)
  {
    out.append(indent + (withHandle ? QStringLiteral("[%1] ").arg(edit.handle) : QString()) +
               QStringLiteral("%1 = %2: %3").arg(edit.name, edit.value, resultText(edit.result)));
    for (const QString& message : edit.messages)
      out.append(indent + kIndent + QStringLiteral("message: ") + message);
    if (!edit.note.isEmpty())
      out.append(indent + kIndent + QStringLiteral("note: ") + edit.note);
  }
}

QString drawingLine(const KyDrawingReport& d)
{
  const QString source = d.source == QLatin1String("sample") ? QStringLiteral("built-in sample") : d.source;
  const QString ucs = isWorldUcs(d) ? QStringLiteral("world")
                                    : QStringLiteral("origin %1, X %2, Y %3")
                                        .arg(triple(d.ucs), triple(d.ucs + 3), triple(d.ucs + 6));
  return QStringLiteral("Drawing: %1 (%2 units, precision %3; angles in %4, precision %5; UCS %6)")
    .arg(source, KyLinearUnitsName(d.linearUnits))
    .arg(d.linearPrecision)
    .arg(KyAngularUnitsName(d.angularUnits))
    .arg(d.angularPrecision)
    .arg(ucs);
}

QStringList summaryText(const KyDrawingReport& d)
{
  QStringList out;
  out.append(QStringLiteral("Drawing: %1").arg(d.source == QLatin1String("sample") ? QStringLiteral("built-in sample")
                                                                                   : d.source));
  if (!d.version.isEmpty())
    out.append(QStringLiteral("Version: %1").arg(d.version));
  out.append(QStringLiteral("Read in: %1 ms").arg(d.loadMs, 0, 'f', 2));
  out.append(QStringLiteral("Units: %1, precision %2; angles in %3, precision %4")
               .arg(KyLinearUnitsName(d.linearUnits))
               .arg(d.linearPrecision)
               .arg(KyAngularUnitsName(d.angularUnits))
               .arg(d.angularPrecision));
  int total = 0;
  for (const auto& kind : d.kinds)
    total += kind.second;
  out.append(QStringLiteral("Entities: %1").arg(total));
  for (const auto& kind : d.kinds)
    out.append(kIndent + kind.first.leftJustified(24) + QString::number(kind.second));
  if (d.skipped.empty())
    out.append(QStringLiteral("Skipped: none"));
  else
  {
    out.append(QStringLiteral("Skipped:"));
    for (const auto& kind : d.skipped)
      out.append(kIndent + kind.first.leftJustified(24) + QString::number(kind.second));
  }
  return out;
}

QJsonArray strings(const QStringList& list)
{
  return QJsonArray::fromStringList(list);
}

QJsonObject countsJson(const std::vector<std::pair<QString, int>>& counts)
{
  QJsonObject out;
  for (const auto& c : counts)
    out.insert(c.first, c.second);
  return out;
}

QJsonArray repairsJson(const std::vector<KyDrawingRepair>& repairs)
{
  QJsonArray out;
  for (const KyDrawingRepair& r : repairs)
    out.append(QJsonObject{{QStringLiteral("line"), r.line},
                           {QStringLiteral("problem"), r.problem},
                           {QStringLiteral("action"), r.action}});
  return out;
}

QJsonObject drawingJson(const KyDrawingReport& d)
{
  QJsonObject units{{QStringLiteral("linear"), d.linearUnits},
                    {QStringLiteral("linearName"), KyLinearUnitsName(d.linearUnits)},
                    {QStringLiteral("precision"), d.linearPrecision},
                    {QStringLiteral("angular"), d.angularUnits},
                    {QStringLiteral("angularName"), KyAngularUnitsName(d.angularUnits)},
                    {QStringLiteral("angularPrecision"), d.angularPrecision}};
  QJsonObject ucs{{QStringLiteral("origin"), QJsonArray{d.ucs[0], d.ucs[1], d.ucs[2]}},
                  {QStringLiteral("xAxis"), QJsonArray{d.ucs[3], d.ucs[4], d.ucs[5]}},
                  {QStringLiteral("yAxis"), QJsonArray{d.ucs[6], d.ucs[7], d.ucs[8]}}};
  return QJsonObject{{QStringLiteral("source"), d.source},
                     {QStringLiteral("version"), d.version},
                     {QStringLiteral("codepage"), d.codepage},
                     {QStringLiteral("units"), units},
                     {QStringLiteral("ucs"), ucs},
                     {QStringLiteral("entities"), d.entities},
                     {QStringLiteral("kinds"), countsJson(d.kinds)},
                     {QStringLiteral("skipped"), countsJson(d.skipped)},
                     {QStringLiteral("repairs"), repairsJson(d.repairs)},
                     {QStringLiteral("repairCount"), d.repairCount},
                     {QStringLiteral("loadMs"), d.loadMs}};
}

// The fields every row shows, of one object's rows and of merged rows alike.
template <class Row>
QJsonObject commonRowJson(const Row& row)
{
  return QJsonObject{{QStringLiteral("category"), row.category},
                     {QStringLiteral("name"), row.name},
                     {QStringLiteral("key"), row.key},
                     {QStringLiteral("type"), static_cast<int>(row.description->GetType().GetType())},
                     {QStringLiteral("guid"), guidName(row.description)},
                     {QStringLiteral("readOnly"), row.readOnly},
                     {QStringLiteral("dynamic"), row.dynamic},
                     {QStringLiteral("value"), KyValueText::json(row.value)},
                     {QStringLiteral("text"), row.text}};
}

QJsonObject rowJson(const KyRowView& row)
{
  QJsonObject out = commonRowJson(row);
  if (!row.error.isEmpty())
    out.insert(QStringLiteral("error"), row.error);
  return out;
}

QJsonObject mergedRowJson(const KyMergedRow& row)
{
  QJsonObject out = commonRowJson(row);
  out.insert(QStringLiteral("varies"), row.varies);
  out.insert(QStringLiteral("distinct"), row.distinct);
  if (row.hasRange)
  {
    out.insert(QStringLiteral("min"), row.min);
    out.insert(QStringLiteral("max"), row.max);
    out.insert(QStringLiteral("minText"), row.minText);
    out.insert(QStringLiteral("maxText"), row.maxText);
  }
  return out;
}

QJsonArray editsJson(const std::vector<KyEditReport>& edits, bool withHandle)
{
  QJsonArray out;
  for (const KyEditReport& edit : edits)
  {
    QJsonObject e{{QStringLiteral("name"), edit.name},
                  {QStringLiteral("value"), edit.value},
                  {QStringLiteral("result"), edit.result},
                  {QStringLiteral("messages"), strings(edit.messages)}};
    if (withHandle)
      e.insert(QStringLiteral("handle"), edit.handle);
    if (!edit.note.isEmpty())
      e.insert(QStringLiteral("note"), edit.note);
    out.append(e);
  }
  return out;
}
} // namespace

QString KyRenderText(const KyPropsReport& report)
{
  QStringList out;
  if (report.summaryOnly)
    return summaryText(report.drawing).join(QLatin1Char('\n')) + QLatin1Char('\n');
  out.append(drawingLine(report.drawing));
  out.append(QStringLiteral("Module: %1 (API %2)").arg(report.modulePath, report.moduleVersion));

  if (report.merged)
  {
    int count = 0;
    QStringList kinds;
    for (const auto& kind : report.merge.kinds)
    {
      count += kind.second;
      kinds.append(QStringLiteral("%1: %2").arg(kind.first).arg(kind.second));
    }
    out.append(QString());
    out.append(QStringLiteral("Selection: %1 object(s) (%2)").arg(count).arg(kinds.join(QStringLiteral(", "))));
    if (report.edited)
    {
      out.append(kIndent + QStringLiteral("Edits"));
      for (const KyObjectReport& object : report.objects)
        appendEdits(out, object.edits, kIndent + kIndent, true);
    }
    appendGrouped(out, report.merge.rows, kIndent, [](const KyMergedRow& row) {
      QString text = row.varies ? row.text + QStringLiteral(" (%1 values").arg(row.distinct)
                                : shownValue(row.text, QString(), row.value.IsEmpty());
      if (row.varies)
        text += row.hasRange ? QStringLiteral(", min %1, max %2)").arg(row.minText, row.maxText) : QStringLiteral(")");
      return text + (row.readOnly ? QStringLiteral("  [read-only]") : QString());
    });
  }

  for (const KyObjectReport& object : report.objects)
  {
    if (report.merged && !object.listed)
      continue;
    out.append(QString());
    out.append(QStringLiteral("%1 [%2]").arg(object.className, object.handle));
    if (!object.hasExtension)
      out.append(kIndent + QStringLiteral("(no property extension for %1)").arg(object.runtimeName));
    if (!report.merged)
    {
      if (!object.edits.empty())
      {
        out.append(kIndent + QStringLiteral("Edits"));
        appendEdits(out, object.edits, kIndent + kIndent, false);
      }
      appendGrouped(out, object.rows, kIndent, [](const KyRowView& row) {
        return shownValue(row.text, row.error, row.value.IsEmpty()) +
               (row.readOnly ? QStringLiteral("  [read-only]") : QString());
      });
    }
    if (object.listed)
    {
      out.append(kIndent + QStringLiteral("Listing"));
      for (const QString& line : object.listingLines)
        out.append(kIndent + kIndent + line);
    }
  }

  if (report.hasGroupAction)
  {
    const KyGroupActionReport& g = report.groupAction;
    out.append(QString());
    out.append(QStringLiteral("Group action %1 over %2 object(s): %3")
                 .arg(g.name)
                 .arg(g.objects)
                 .arg(g.error.isEmpty() ? shownValue(g.text, QString(), g.result.IsEmpty()) : g.error));
    for (const QString& message : g.messages)
      out.append(kIndent + QStringLiteral("message: ") + message);
  }
  return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QJsonObject KyRenderJson(const KyPropsReport& report)
{
  QJsonObject root{{QStringLiteral("drawing"), drawingJson(report.drawing)}};
  if (!report.output.path.isEmpty())
    root.insert(QStringLiteral("output"), QJsonObject{{QStringLiteral("path"), report.output.path},
                                                      {QStringLiteral("version"), report.output.version},
                                                      {QStringLiteral("written"), report.output.written}});
  if (report.summaryOnly)
    return root;
  root.insert(QStringLiteral("module"), QJsonObject{{QStringLiteral("path"), report.modulePath},
                                                    {QStringLiteral("apiVersion"), report.moduleVersion}});
  QJsonArray objects;
  for (const KyObjectReport& object : report.objects)
  {
    QJsonObject o{{QStringLiteral("handle"), object.handle},
                  {QStringLiteral("class"), object.className},
                  {QStringLiteral("runtimeClass"), object.runtimeName},
                  {QStringLiteral("hasExtension"), object.hasExtension}};
    if (!report.merged)
    {
      QJsonArray rows;
      for (const KyRowView& row : object.rows)
        rows.append(rowJson(row));
      o.insert(QStringLiteral("rows"), rows);
    }
    if (object.listed)
    {
      QJsonArray listing;
      for (const KyPropsPrintContext::Item& item : object.listing)
        listing.append(QJsonObject{{QStringLiteral("kind"), item.kind},
                                   {QStringLiteral("label"), item.label},
                                   {QStringLiteral("value"), item.value},
                                   {QStringLiteral("text"), item.text}});
      o.insert(QStringLiteral("listing"), listing);
    }
    if (report.edited)
      o.insert(QStringLiteral("edits"), editsJson(object.edits, false));
    objects.append(o);
  }
  root.insert(QStringLiteral("objects"), objects);

  if (report.merged)
  {
    int count = 0;
    for (const auto& kind : report.merge.kinds)
      count += kind.second;
    QJsonArray rows;
    for (const KyMergedRow& row : report.merge.rows)
      rows.append(mergedRowJson(row));
    root.insert(QStringLiteral("merge"), QJsonObject{{QStringLiteral("count"), count},
                                                     {QStringLiteral("kinds"), countsJson(report.merge.kinds)},
                                                     {QStringLiteral("rows"), rows}});
  }
  if (report.hasGroupAction)
  {
    const KyGroupActionReport& g = report.groupAction;
    QJsonObject action{{QStringLiteral("name"), g.name},
                       {QStringLiteral("objects"), g.objects},
                       {QStringLiteral("value"), KyValueText::json(g.result)},
                       {QStringLiteral("text"), g.text},
                       {QStringLiteral("messages"), strings(g.messages)}};
    if (!g.error.isEmpty())
      action.insert(QStringLiteral("error"), g.error);
    root.insert(QStringLiteral("groupAction"), action);
  }
  root.insert(QStringLiteral("messages"), strings(report.messages));
  root.insert(QStringLiteral("commandLine"), strings(report.commandLine));
  return root;
}
