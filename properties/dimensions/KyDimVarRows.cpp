// The dimension-variable row shape and the value lists the dimension rows share.
#include "KyDimVarRows.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include <QCoreApplication>

#include "DbDimStyleTableRecord.h"
#include "DbDatabase.h"
#include "DbDatabaseReactor.h"
#include "DbLinetypeTable.h"
#include "DbLinetypeTableRecord.h"
#include "DbSymbolTable.h"
#include "DmUtil.h"
#include "KyDimensionPE.h"
#include "KyTexts.h"
#include "RxObjectImpl.h"

void KyDimSetReal(OdDbDimension* d, OdDimVar v, double value)
{
  OdDimVarValue x;
  x.real = value;
  d->setDimVarValue(static_cast<int>(v), x);
}

void KyDimSetInt(OdDbDimension* d, OdDimVar v, int value)
{
  OdDimVarValue x;
  x.integer = value;
  d->setDimVarValue(static_cast<int>(v), x);
}

namespace
{
const char* checkMessage(KyDimCheck check, double v)
{
  switch (check)
  {
  case KyDimCheck::kNotNegativePositiveText:
    return v < 0.0 ? QT_TRANSLATE_NOOP("errors", "Value must be positive") : nullptr;
  case KyDimCheck::kPositive: return v <= 0.0 ? QT_TRANSLATE_NOOP("errors", "Value must be positive") : nullptr;
  case KyDimCheck::kNonNegative:
    return v < 0.0 ? QT_TRANSLATE_NOOP("errors", "Value must be non-negative") : nullptr;
  case KyDimCheck::kNonZero: return v == 0.0 ? QT_TRANSLATE_NOOP("errors", "Value must be non-zero") : nullptr;
  case KyDimCheck::kAny: break;
  }
  return nullptr;
}
} // namespace

CKyVariant KyDimVarValue(const OdDbObject* object, const KyDimVarRow& row)
{
  const KyOpened<OdDbDimension> dim = KyForRead<OdDbDimension>(object);
  if (dim.isNull())
    return CKyVariant();
  const int index = static_cast<int>(row.var);
  const OdDimVarValue& v = dim->dimVarValue(index);
  switch (odDimVarDesc(index).kind)
  {
  case OdDimVarKind::Real: return CKyVariant(v.real, row.show == KyDimShow::kLength);
  case OdDimVarKind::Color: return CKyVariant(v.color);
  case OdDimVarKind::Id: return CKyVariant(v.id);
  case OdDimVarKind::String: return KyStringValueOf(v.text);
  default: return CKyVariant(static_cast<int>(v.integer));
  }
}

int KyDimVarWrite(const OdDbObject* object, const KyDimVarRow& row, const CKyVariant& value)
{
  const KyOpened<OdDbDimension> dim = KyForWrite<OdDbDimension>(object);
  if (dim.isNull())
    return kKyRefused;
  const int index = static_cast<int>(row.var);
  OdDimVarValue v;
  switch (odDimVarDesc(index).kind)
  {
  case OdDimVarKind::Real:
  {
    if (!KyDoubleOf(value, v.real))
      return kKyRefused;
    if (const char* message = checkMessage(row.check, v.real))
      return KyRefuseWithMessage(message);
    break;
  }
  case OdDimVarKind::Color:
    if (value.GetType() != CKyVariant::kColor)
      return kKyRefused;
    v.color = value.GetColor();
    break;
  case OdDimVarKind::Id:
    if (value.GetType() != CKyVariant::kObjectId)
      return kKyRefused;
    v.id = value.GetId();
    break;
  case OdDimVarKind::String:
    if (value.GetType() != CKyVariant::kString)
      return kKyRefused;
    v.text = OdString(value.GetString());
    break;
  case OdDimVarKind::LineWeight:
    if (value.GetType() != CKyVariant::kInt32 || !odIsValidLineWeight(value.GetInt32()))
      return kKyRefused;
    v.integer = value.GetInt32();
    break;
  default:
    if (value.GetType() != CKyVariant::kInt32)
      return kKyRefused;
    v.integer = value.GetInt32();
    break;
  }
  dim->setDimVarValue(index, v);
  return kKyAccepted;
}

namespace
{
// One (choices, context) pair of the dimension rows, with its ready lists.
struct ListTable
{
  const KyChoice* choices;
  int count;
  const char* context;
  KyChoiceLists lists;
};

// GCC 12 warns, wrongly, that the colour alternative of a variant copied here may be unset.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
CKyVariant makeList(const void* table, int count, int current)
{
  const ListTable* t = static_cast<const ListTable*>(table);
  CKyVariantCollection list;
  list.Reserve(count);
  for (int i = 0; i < count; ++i)
  {
    const KyChoice& c = t->choices[i];
    list.Add(CKyVariant(c.code), CKyVariant(t->context ? KyTr(t->context, c.text) : CKyString(QString::fromLatin1(c.text))));
  }
  list.SetCurrentIndex(current);
  return CKyVariant(std::move(list));
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

// Each table record lives as long as the module. Each row asks for its own table again and
// again: the last one found for each slot comes first, the search of all of them only on a miss.
struct ListTables
{
  std::vector<std::unique_ptr<ListTable>> all;
  std::array<ListTable*, 512> recent{};
};
// Made when the module is loaded: every choice row of a dimension looks here.
ListTables g_listTables;

// The miss: out of line, so that the hits stay small.
[[gnu::noinline]] ListTable* findListTable(ListTable*& hit, const KyChoice* choices, int count, const char* context)
{
  ListTable* table = nullptr;
  for (const auto& t : g_listTables.all)
    if (t->choices == choices && t->context == context && t->count == count)
      table = t.get();
  if (!table)
  {
    auto made = std::make_unique<ListTable>();
    made->choices = choices;
    made->count = count;
    made->context = context;
    g_listTables.all.push_back(std::move(made));
    table = g_listTables.all.back().get();
  }
  hit = table;
  return table;
}

// The ready list of a table for its current entry. Out of line: the caller copies the list from
// the reference; the copy inlined beside the lookup draws the same false warning.
[[gnu::noinline]] const CKyVariant& dimList(const KyChoice* choices, int count, int current, const char* context)
{
  const std::uintptr_t key = reinterpret_cast<std::uintptr_t>(choices) ^ reinterpret_cast<std::uintptr_t>(context);
  ListTable*& hit = g_listTables.recent[(key >> 3) % g_listTables.recent.size()];
  ListTable* table = hit;
  if (!table || table->choices != choices || table->context != context || table->count != count)
    table = findListTable(hit, choices, count, context);
  return table->lists.get(table, count, current, &makeList);
}
} // namespace

CKyVariant KyDimList(const KyChoice* choices, int count, int current, const char* context)
{
  return dimList(choices, count, current, context);
}

CKyVariant KyDimChoiceValue(const OdDbObject* object, const KyDimChoiceRow& row)
{
  const KyOpened<OdDbDimension> dim = KyForRead<OdDbDimension>(object);
  if (dim.isNull())
    return CKyVariant();
  const int code = KyDimInt(dim, row.var);
  int current = 0;
  for (int i = 0; i < row.count; ++i)
    if (row.choices[i].code == code)
    {
      current = i;
      break;
    }
  return KyDimList(row.choices, row.count, current, row.context);
}

int KyDimChoiceWrite(const OdDbObject* object, const KyDimChoiceRow& row, const CKyVariant& value)
{
  const KyOpened<OdDbDimension> dim = KyForWrite<OdDbDimension>(object);
  int code = 0;
  if (dim.isNull() || !KyChosenCode(value, code))
    return kKyRefused;
  for (int i = 0; i < row.count; ++i)
    if (row.choices[i].code == code)
    {
      KyDimSetInt(dim, row.var, code);
      break;
    }
  return kKyAccepted;
}

CKyVariant KyDimBitValue(const OdDbObject* object, const KyDimBitRow& row)
{
  const KyOpened<OdDbDimension> dim = KyForRead<OdDbDimension>(object);
  if (dim.isNull())
    return CKyVariant();
  static const KyChoice kBit4[] = {{4, QT_TRANSLATE_NOOP("property_values", "Yes")},
                                   {4, QT_TRANSLATE_NOOP("property_values", "No")}};
  static const KyChoice kBit8[] = {{8, QT_TRANSLATE_NOOP("property_values", "Yes")},
                                   {8, QT_TRANSLATE_NOOP("property_values", "No")}};
  const bool set = (KyDimInt(dim, row.var) & row.bit) != 0;
  return KyDimList(row.bit == 4 ? kBit4 : kBit8, 2, set ? 0 : 1, "property_values");
}

int KyDimBitWrite(const OdDbObject* object, const KyDimBitRow& row, const CKyVariant& value)
{
  const KyOpened<OdDbDimension> dim = KyForWrite<OdDbDimension>(object);
  int tag = 0;
  if (dim.isNull() || !KyChosenCode(value, tag))
    return kKyRefused;
  // Both entries carry the bit; a code that is neither changes nothing.
  if (tag == row.bit)
    KyDimSetInt(dim, row.var, KyDimInt(dim, row.var) ^ tag);
  return kKyAccepted;
}

CKyVariant KyDimZeroFeetValue(const OdDbObject* object, OdDimVar var)
{
  const KyOpened<OdDbDimension> dim = KyForRead<OdDbDimension>(object);
  if (dim.isNull())
    return CKyVariant();
  const int code = KyDimInt(dim, var) & 3;
  return KyYesNoList(code == 0 || code == 3);
}

namespace
{
// Rewrites the feet/inches code (the two low bits) through the map of the chosen entry: index =
// old code, value = new code. Other tags and the upper bits change nothing.
int writeZeroCode(const OdDbObject* object, OdDimVar var, const CKyVariant& value, const int (&yesMap)[4],
                  const int (&noMap)[4])
{
  const KyOpened<OdDbDimension> dim = KyForWrite<OdDbDimension>(object);
  int tag = 0;
  if (dim.isNull() || !KyChosenCode(value, tag))
    return kKyRefused;
  const int current = KyDimInt(dim, var);
  int code = current & 3;
  if (tag == 1)
    code = yesMap[code];
  else if (tag == 0)
    code = noMap[code];
  KyDimSetInt(dim, var, (current & ~3) | code);
  return kKyAccepted;
}
} // namespace

// "Yes" maps 2 to 0 and 1 to 3, "No" 0 to 2 and 3 to 1.
int KyDimZeroFeetWrite(const OdDbObject* object, OdDimVar var, const CKyVariant& value)
{
  return writeZeroCode(object, var, value, {0, 3, 0, 3}, {2, 1, 2, 1});
}

CKyVariant KyDimZeroInchesValue(const OdDbObject* object, OdDimVar var)
{
  const KyOpened<OdDbDimension> dim = KyForRead<OdDbDimension>(object);
  if (dim.isNull())
    return CKyVariant();
  return KyYesNoList((KyDimInt(dim, var) & 1) == 0);
}

// "Yes" maps 3 to 0 and 1 to 2, "No" 0 to 3 and 2 to 1.
int KyDimZeroInchesWrite(const OdDbObject* object, OdDimVar var, const CKyVariant& value)
{
  return writeZeroCode(object, var, value, {0, 2, 2, 0}, {3, 1, 1, 3});
}

OdString KyDimPrefixOf(const OdString& post)
{
  const int marker = post.find(L"<>");
  return marker < 0 ? OdString() : post.left(marker);
}

OdString KyDimSuffixOf(const OdString& post)
{
  const int marker = post.find(L"<>");
  return marker < 0 ? post : post.mid(marker + 2);
}

OdString KyDimWithPrefix(const OdString& post, const OdString& prefix)
{
  return prefix + L"<>" + KyDimSuffixOf(post);
}

OdString KyDimWithSuffix(const OdString& post, const OdString& suffix)
{
  const int marker = post.find(L"<>");
  return marker < 0 ? suffix : post.left(marker) + L"<>" + suffix;
}

CKyVariant KyDimPostPart(const OdDbObject* object, OdDimVar var, bool prefix)
{
  const KyOpened<OdDbDimension> dim = KyForRead<OdDbDimension>(object);
  if (dim.isNull())
    return CKyVariant();
  const OdString post = dim->dimVarValue(static_cast<int>(var)).text;
  return KyStringValueOf(prefix ? KyDimPrefixOf(post) : KyDimSuffixOf(post));
}

int KyDimPostPartWrite(const OdDbObject* object, OdDimVar var, bool prefix, const CKyVariant& value)
{
  const KyOpened<OdDbDimension> dim = KyForWrite<OdDbDimension>(object);
  if (dim.isNull() || value.GetType() != CKyVariant::kString)
    return kKyRefused;
  const int index = static_cast<int>(var);
  OdDimVarValue v = dim->dimVarValue(index);
  const OdString part(value.GetString());
  v.text = prefix ? KyDimWithPrefix(v.text, part) : KyDimWithSuffix(v.text, part);
  dim->setDimVarValue(index, v);
  return kKyAccepted;
}

namespace
{
#define KY_PRECISION_ROW(a, b, c, d, e, f, g, h, i) \
  {{0, a}, {1, b}, {2, c}, {3, d}, {4, e}, {5, f}, {6, g}, {7, h}, {8, i}}
const KyChoice kScientific[9] = KY_PRECISION_ROW("0E+01", "0.0E+01", "0.00E+01", "0.000E+01", "0.0000E+01",
                                                 "0.00000E+01", "0.000000E+01", "0.0000000E+01", "0.00000000E+01");
const KyChoice kDecimal[9] = KY_PRECISION_ROW("0", "0.0", "0.00", "0.000", "0.0000", "0.00000", "0.000000",
                                              "0.0000000", "0.00000000");
const KyChoice kEngineering[9] = KY_PRECISION_ROW("0'-0\"", "0'-0\"", "0'-00\"", "0'-000\"", "0'-0000\"",
                                                  "0'-00000\"", "0'-000000\"", "0'-0000000\"", "0'-00000000\"");
const KyChoice kArchitectural[9] = KY_PRECISION_ROW("0'-0\"", "0'-0 1/2\"", "0'-0 1/4\"", "0'-0 1/8\"",
                                                    "0'-0 1/16\"", "0'-0 1/32\"", "0'-0 1/64\"", "0'-0 1/128\"",
                                                    "0'-0 1/256\"");
const KyChoice kFractional[9] = KY_PRECISION_ROW("0", "0 1/2", "0 1/4", "0 1/8", "0 1/16", "0 1/32", "0 1/64",
                                                 "0 1/128", "0 1/256");
const KyChoice kNoPrecision[9] = KY_PRECISION_ROW("", "", "", "", "", "", "", "", "");
#undef KY_PRECISION_ROW
} // namespace

// Rows by unit value 1-8; the primary and alternate tables differ in units 6 and 7.
CKyVariant KyDimPrecisionList(int unit, int current, bool alternate)
{
  static const KyChoice* const kPrimary[8] = {kScientific,    kDecimal,        kEngineering, kArchitectural,
                                              kFractional,    kEngineering,    kArchitectural, kDecimal};
  static const KyChoice* const kAlternate[8] = {kScientific,    kDecimal,    kEngineering, kArchitectural,
                                                kFractional,    kArchitectural, kFractional,  kDecimal};
  const KyChoice* row = unit >= 1 && unit <= 8 ? (alternate ? kAlternate : kPrimary)[unit - 1] : kNoPrecision;
  return KyDimList(row, 9, current >= 0 && current <= 8 ? current : 0, nullptr);
}

CKyVariant KyDimDecimalPrecisionList(int current)
{
  return KyDimList(kDecimal, 9, current >= 0 && current <= 8 ? current : 0, nullptr);
}

int KyDimArrowIndex(const OdDbObjectId& blockId)
{
  if (blockId.isNull())
    return 0;
  const OdString name = OdDmUtil::arrowName(blockId);
  for (int i = 0; i < 20; ++i)
    if (name.iCompare(CKyDimensionPE::s_SystemNames[i]) == 0)
      return i;
  return 20;
}

CKyVariant KyDimArrowList(const OdDbObjectId& blockId)
{
  static KyChoice choices[21];
  if (choices[0].text == nullptr)
    for (int i = 0; i < 21; ++i)
      choices[i] = KyChoice{i, CKyDimensionPE::kUserNameKeys[i]};
  return KyDimList(choices, 21, KyDimArrowIndex(blockId), "property_values");
}

OdDbObjectId KyDimArrowBlock(const OdDbObject* object, int index)
{
  if (index < 0 || index >= 20)
    return OdDbObjectId();
  return OdDmUtil::getArrowId(CKyDimensionPE::s_SystemNames[index], object->database());
}

namespace
{
// The linetype lists of one drawing, one for each current entry (the last slot for "none").
// Three rows of every dimension show the list, so it is made once and kept until a linetype
// or the linetype table is added, opened for change or erased, which the drawing tells this
// reactor. A list made while one of them is open for write is not kept: its later changes
// would not be told again.
class LinetypeLists : public OdStaticRxObject<OdDbDatabaseReactor>
{
public:
  const CKyVariant& listFor(OdDbDatabase* db, const OdDbObjectId& current)
  {
    if (db != m_db)
    {
      detach();
      db->addReactor(this);
      m_db = db;
    }
    if (!m_valid)
      rebuild();
    std::size_t index = m_ids.size();
    for (std::size_t i = 0; i < m_ids.size(); ++i)
      if (m_ids[i] == current)
      {
        index = i;
        break;
      }
    CKyVariant& list = m_lists[index];
    if (list.GetType() != CKyVariant::kCollection)
      list = make(index < m_ids.size() ? static_cast<int>(index) : -1);
    return list;
  }

  void detach()
  {
    if (m_db)
      m_db->removeReactor(this);
    m_db = nullptr;
    m_valid = false;
  }

  void objectAppended(const OdDbDatabase* pDb, const OdDbObject* pObject) override { drop(pDb, pObject); }
  void objectOpenedForModify(const OdDbDatabase* pDb, const OdDbObject* pObject) override { drop(pDb, pObject); }
  void objectErased(const OdDbDatabase* pDb, const OdDbObject* pObject, bool) override { drop(pDb, pObject); }
  void goodbye(const OdDbDatabase* pDb) override
  {
    if (pDb == m_db)
    {
      m_db = nullptr;
      m_valid = false;
    }
  }

private:
  void drop(const OdDbDatabase* pDb, const OdDbObject* pObject)
  {
    if (pDb == m_db && (pObject->isKindOf(OdDbLinetypeTableRecord::desc()) || pObject->isKindOf(OdDbLinetypeTable::desc())))
      m_valid = false;
  }

  void rebuild()
  {
    m_ids.clear();
    m_names.clear();
    OdDbSymbolTablePtr table = m_db->getLinetypeTableId().safeOpenObject();
    bool settled = !table->isWriteEnabled();
    for (OdDbSymbolTableIteratorPtr it = table->newIterator(); !it->done(); it->step())
    {
      OdDbSymbolTableRecordPtr record = it->getRecord();
      settled = settled && !record->isWriteEnabled();
      m_ids.push_back(it->getRecordId());
      m_names.push_back(record->getName());
    }
    m_lists.assign(m_ids.size() + 1, CKyVariant());
    m_valid = settled;
  }

  CKyVariant make(int current) const
  {
    CKyVariantCollection list;
    list.Reserve(static_cast<int>(m_ids.size()));
    for (std::size_t i = 0; i < m_ids.size(); ++i)
      list.Add(CKyVariant(m_ids[i]), CKyVariant(CKyString(m_names[i])));
    if (current >= 0)
      list.SetCurrentIndex(current);
    return CKyVariant(std::move(list));
  }

  OdDbDatabase* m_db = nullptr;
  bool m_valid = false;
  std::vector<OdDbObjectId> m_ids;
  std::vector<OdString> m_names;
  std::vector<CKyVariant> m_lists;
};

LinetypeLists& linetypeLists()
{
  static LinetypeLists lists;
  return lists;
}
} // namespace

CKyVariant KyDimLinetypeList(const OdDbObject* object, const OdDbObjectId& current)
{
  OdDbDatabase* db = object->database();
  if (!db)
    return CKyVariant(CKyVariantCollection());
  return linetypeLists().listFor(db, current);
}

void KyDimForgetLinetypes()
{
  linetypeLists().detach();
}

bool KyDimChosenId(const CKyVariant& value, OdDbObjectId& id)
{
  if (value.GetType() != CKyVariant::kCollectionElement)
    return false;
  const CKyVariant& tag = value.GetCollectionElement().GetTag();
  if (tag.GetType() != CKyVariant::kObjectId)
    return false;
  id = tag.GetId();
  return true;
}

void KyDimSetIcons(KyDescriptionList& names, const char* nameKey, const char* png, const char* svg)
{
  const CKyString& name = KyTr("property_types", nameKey);
  for (unsigned i = 0; i < names.size(); ++i)
  {
    if (!(names[i]->GetName() == name))
      continue;
    auto* desc = const_cast<CKyPropertyDescription*>(names[i]);
    if (png)
      desc->SetIcon(CKyString(QString::fromLatin1(png)));
    if (svg)
      desc->SetDarkIcon(CKyString(QString::fromLatin1(svg)));
  }
}
