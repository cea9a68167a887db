// Merging of a multi-selection into one palette: the rows every selected object has (same
// category and name, in the first object's order); a value equal on all objects is shown once,
// different values as varies with their distinct count and, for numbers, the range; a row is
// read-only when any object says so.
#ifndef KYPROPS_MERGE_H
#define KYPROPS_MERGE_H

#include <vector>

#include "KyPalette.h"

struct KyMergedRow
{
  const CKyPropertyDescription* description = nullptr; // the first object's row
  QString category;
  QString name;
  QString key;
  bool readOnly = false;
  bool dynamic = false;
  bool varies = false;
  int distinct = 1;
  CKyVariant value; // the common value; empty when it varies
  QString text;     // the common value as shown, or the varies text
  bool hasRange = false;
  double min = 0.0;
  double max = 0.0;
  QString minText;
  QString maxText;
  // Index of the row in each object's row list, in selection order.
  std::vector<int> rowIndex;
};

class KyValueText;

// perObject: the rows of each selected object (KyPalette::read), in selection order.
std::vector<KyMergedRow> KyMergeRows(const std::vector<std::vector<KyRowView>>& perObject, const KyValueText& texts);

#endif
