// The merge of a multi-selection.
#include "KyMerge.h"

#include <map>
#include <set>

#include <QJsonDocument>
#include <QJsonObject>

#include "KyValueText.h"

namespace
{
// A canonical form of a value: equal values (CKyVariant ==) give equal keys.
QString valueKey(const CKyVariant& value)
{
  QJsonObject wrapper{{QStringLiteral("v"), KyValueText::json(value)}};
  QString key = QString::number(value.GetType()) + QLatin1Char(':');
  if (value.GetType() == CKyVariant::kDouble)
    return key + QString::number(value.GetDouble(), 'g', 17);
  return key + QString::fromUtf8(QJsonDocument(wrapper).toJson(QJsonDocument::Compact));
}

bool isNumber(const CKyVariant& value)
{
  return value.GetType() == CKyVariant::kDouble || value.GetType() == CKyVariant::kInt32;
}

// Position of the n-th row named (category, name) in rows, or -1.
int findRow(const std::vector<KyRowView>& rows, const QString& category, const QString& name, int occurrence)
{
  for (int i = 0; i < static_cast<int>(rows.size()); ++i)
    if (rows[i].category == category && rows[i].name == name && occurrence-- == 0)
      return i;
  return -1;
}
} // namespace

std::vector<KyMergedRow> KyMergeRows(const std::vector<std::vector<KyRowView>>& perObject, const KyValueText& texts)
{
  std::vector<KyMergedRow> out;
  if (perObject.empty())
    return out;
  const std::vector<KyRowView>& first = perObject.front();
  std::map<std::pair<QString, QString>, int> seen; // rows repeated under one category match in order
  for (const KyRowView& row : first)
  {
    const int occurrence = seen[{row.category, row.name}]++;
    KyMergedRow merged;
    merged.description = row.description;
    merged.category = row.category;
    merged.name = row.name;
    merged.key = row.key;
    bool common = true;
    for (const std::vector<KyRowView>& rows : perObject)
    {
      const int at = findRow(rows, row.category, row.name, occurrence);
      if (at < 0)
      {
        common = false;
        break;
      }
      merged.rowIndex.push_back(at);
    }
    if (!common)
      continue;

    std::set<QString> distinct;
    bool allNumbers = true;
    for (size_t i = 0; i < perObject.size(); ++i)
    {
      const KyRowView& view = perObject[i][merged.rowIndex[i]];
      merged.readOnly = merged.readOnly || view.readOnly;
      merged.dynamic = merged.dynamic || view.dynamic;
      distinct.insert(valueKey(view.value));
      if (!isNumber(view.value))
      {
        allNumbers = false;
        continue;
      }
      const double v = view.value.GetDouble();
      if (i == 0 || v < merged.min)
        merged.min = v;
      if (i == 0 || v > merged.max)
        merged.max = v;
    }
    merged.distinct = static_cast<int>(distinct.size());
    merged.varies = merged.distinct > 1;
    if (!merged.varies)
    {
      merged.value = row.value;
      merged.text = row.text;
      out.push_back(merged);
      continue;
    }
    merged.text = CKyVariant::VariesText().toQString();
    // Lineweights are integers but not amounts: no range for them.
    merged.hasRange = allNumbers && row.description->GetType().GetGUID() != CKyPropertyType::kLineweightGUID;
    if (merged.hasRange)
    {
      // The range is shown the way the row shows its values.
      const bool unitBearing = row.value.IsUnitBearing();
      const CKyPropertyTypeImpl& type = row.description->GetType();
      if (row.value.GetType() == CKyVariant::kDouble)
      {
        merged.minText = texts.text(CKyVariant(merged.min, unitBearing), type, row.key);
        merged.maxText = texts.text(CKyVariant(merged.max, unitBearing), type, row.key);
      }
      else
      {
        merged.minText = texts.text(CKyVariant(static_cast<int>(merged.min)), type, row.key);
        merged.maxText = texts.text(CKyVariant(static_cast<int>(merged.max)), type, row.key);
      }
    }
    out.push_back(merged);
  }
  return out;
}
