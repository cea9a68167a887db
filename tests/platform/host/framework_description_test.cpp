// Palette rows and their container: defaults of a row without accessors, dispatch to the
// accessors, ownership of listed versus per-object rows, and lookup by name and category.
#include <iterator>
#include <memory>
#include <set>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "KyPropertiesContainer.h"
#include "KyPropertyDescription.h"
#include "KyPropertyPEImpl.h"

namespace
{
CKyVariant getFortyTwo(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&)
{
  return CKyVariant(42);
}

int setEchoContext(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant& value, const CKyVariant& context)
{
  return context.GetInt32() + value.GetInt32();
}

CKyVariant countIds(const OdArray<OdDbObjectId>& ids, const CKyPropertyDescription&, const CKyVariant&,
                    const CKyVariant&)
{
  return CKyVariant(static_cast<int>(ids.size()));
}

// A row that counts its deletions, to tell owned rows from borrowed ones.
class CountedRow : public CKyPropertyDescriptionImpl
{
public:
  explicit CountedRow(const char* name, const char* category = "General")
  {
    SetName(name);
    SetCategory(category);
  }
  ~CountedRow() override { ++deleted; }
  static int deleted;
};
int CountedRow::deleted = 0;

class FrameworkContainer : public ::testing::Test
{
protected:
  void SetUp() override { CountedRow::deleted = 0; }
};
}

TEST(FrameworkDescription, RowWithoutAccessorsIsReadOnlyEmptyAndRefusesWrites)
{
  CKyPropertyDescriptionImpl row;
  EXPECT_TRUE(row.IsReadOnly(nullptr));
  EXPECT_TRUE(row.GetValue(nullptr, CKyVariant()).IsEmpty());
  EXPECT_EQ(row.SetValue(nullptr, CKyVariant(1), CKyVariant()), kPropertySetFailed);
  EXPECT_FALSE(row.IsGroupedAction());
  EXPECT_TRUE(row.DoGroupedAction(OdArray<OdDbObjectId>(), CKyVariant(1), CKyVariant()).IsEmpty());
  EXPECT_EQ(row.GetVisibility(), 3u);
  EXPECT_EQ(row.GetType(), CKyPropertyTypeImpl(CKyVariant::kEmpty, CKyString()));
}

TEST(FrameworkDescription, ReadOnlyFollowsPredicateElseWhetherASetterExists)
{
  struct Case
  {
    CKySetMethod setter;
    CKyIsReadOnlyMethod predicate;
    bool readOnly;
  };
  const Case cases[] = {
    {nullptr, nullptr, true},
    {setEchoContext, nullptr, false},
    {nullptr, CKyPropertyPEImpl::IsReadOnlyFalse, false},
    {setEchoContext, CKyPropertyPEImpl::IsReadOnlyTrue, true},
  };
  for (const Case& c : cases)
  {
    CKyPropertyDescriptionImpl row;
    row.PutSetMethod(c.setter);
    row.PutIsReadOnlyMethod(c.predicate);
    EXPECT_EQ(row.IsReadOnly(nullptr), c.readOnly);
  }
}

TEST(FrameworkDescription, DispatchesToItsAccessorsWithValueAndContext)
{
  CKyPropertyDescriptionImpl row;
  row.PutGetMethod(getFortyTwo);
  row.PutSetMethod(setEchoContext);
  row.PutGroupActionMethod(countIds);
  EXPECT_EQ(row.GetValue(nullptr, CKyVariant()).GetInt32(), 42);
  EXPECT_EQ(row.SetValue(nullptr, CKyVariant(100), CKyVariant(5000)), kPropertySetOk);
  EXPECT_TRUE(row.IsGroupedAction());
  OdArray<OdDbObjectId> ids;
  ids.append(OdDbObjectId());
  ids.append(OdDbObjectId());
  EXPECT_EQ(row.DoGroupedAction(ids, CKyVariant(), CKyVariant()).GetInt32(), 2);
}

// Per-object rows are copies of prototypes: changing a copy must leave the prototype (and the
// other copies) as they were, whichever text changes.
TEST(FrameworkDescription, CopiesChangeIndependently)
{
  CKyPropertyDescriptionImpl prototype;
  prototype.SetName("Annotative");
  prototype.SetCategory("Misc");
  prototype.SetIcon(":/Misc/Misc_annotative.png");
  prototype.SetType(CKyPropertyTypeImpl(CKyVariant::kCollection, CKyString()));
  using Setter = void (*)(CKyPropertyDescriptionImpl&);
  const Setter changes[] = {
    [](CKyPropertyDescriptionImpl& d) { d.SetName("Other"); },
    [](CKyPropertyDescriptionImpl& d) { d.SetCategory("Other"); },
    [](CKyPropertyDescriptionImpl& d) { d.SetDescription("Other"); },
    [](CKyPropertyDescriptionImpl& d) { d.SetIcon("Other"); },
    [](CKyPropertyDescriptionImpl& d) { d.SetDarkIcon("Other"); },
    [](CKyPropertyDescriptionImpl& d) { d.SetLightIcon("Other"); },
    [](CKyPropertyDescriptionImpl& d) { d.SetType(CKyPropertyTypeImpl(CKyVariant::kDouble, CKyString())); },
  };
  for (const Setter change : changes)
  {
    const CKyPropertyDescriptionImpl before(prototype);
    CKyPropertyDescriptionImpl copy(prototype);
    CKyPropertyDescriptionImpl sibling(prototype);
    change(copy);
    EXPECT_FALSE(copy == prototype);
    EXPECT_TRUE(prototype == before);
    EXPECT_TRUE(sibling == before);
  }
}

TEST(FrameworkPropertyType, GuidsAreDistinctAndNameThemselves)
{
  const CKyString guids[] = {CKyPropertyType::kCoordinateXGUID, CKyPropertyType::kCoordinateYGUID,
                             CKyPropertyType::kAngleGUID, CKyPropertyType::kOrientGUID,
                             CKyPropertyType::kVertexGUID, CKyPropertyType::kSplineFitPointZGUID};
  for (std::size_t i = 0; i < std::size(guids); ++i)
    for (std::size_t j = i + 1; j < std::size(guids); ++j)
      EXPECT_NE(guids[i], guids[j]);
  EXPECT_EQ(CKyPropertyType::GuidName(CKyPropertyType::kCoordinateXGUID), "kCoordinateXGUID");
  EXPECT_EQ(CKyPropertyType::GuidName(CKyPropertyType::kSplineFitPointZGUID), "kSplineFitPointZGUID");
  EXPECT_TRUE(CKyPropertyType::GuidName("{not a type}").isEmpty());
  EXPECT_TRUE(CKyPropertyType::GuidName(CKyString()).isEmpty());
}

TEST_F(FrameworkContainer, ListedRowsAreBorrowedAndPerObjectRowsOwned)
{
  CountedRow listed1("Color"), listed2("Layer");
  OdArray<const CKyPropertyDescription*> list;
  list.append(&listed1);
  list.append(&listed2);
  {
    CKyPropertiesContainerImpl container;
    container.Add(list);
    container.AddDynamic(new CountedRow("Scale 1:1", "Annotation"));
    container.Add(list);
    ASSERT_EQ(container.GetCount(), 5);
    EXPECT_EQ(container.GetAt(0), &listed1);
    EXPECT_EQ(container.GetAt(3), &listed1);
    EXPECT_FALSE(container.IsOwned(0));
    EXPECT_TRUE(container.IsOwned(2));

    container.Clear();
    EXPECT_EQ(container.GetCount(), 0);
    EXPECT_EQ(CountedRow::deleted, 1);

    container.AddDynamic(new CountedRow("Scale 1:2", "Annotation"));
    container.Add(list);
  }
  // Leaving scope deleted the second per-object row only; the listed rows are still alive.
  EXPECT_EQ(CountedRow::deleted, 2);
  EXPECT_EQ(listed2.GetName(), "Layer");
}

TEST_F(FrameworkContainer, RefusesNullAndDoublyOwnedRowsWithoutChangingTheList)
{
  CKyPropertiesContainerImpl container;
  CountedRow listed("Color");
  OdArray<const CKyPropertyDescription*> list;
  list.append(&listed);
  list.append(nullptr);
  EXPECT_THROW(container.Add(list), OdError);
  EXPECT_EQ(container.GetCount(), 0);
  EXPECT_THROW(container.AddDynamic(nullptr), OdError);

  CountedRow* owned = new CountedRow("Scale");
  container.AddDynamic(owned);
  EXPECT_THROW(container.AddDynamic(owned), OdError);
  EXPECT_EQ(container.GetCount(), 1);
  EXPECT_THROW(container.GetAt(1), OdError_InvalidIndex);
  EXPECT_THROW(container.GetAt(-1), OdError_InvalidIndex);
}

TEST_F(FrameworkContainer, GetByNameFindsFirstMatchOptionallyInCategory)
{
  CountedRow generalScale("LineStyle scale", "General"), textScale("LineStyle scale", "Text"),
    other("Layer", "General");
  OdArray<const CKyPropertyDescription*> list;
  list.append(&other);
  list.append(&textScale);
  list.append(&generalScale);
  CKyPropertiesContainerImpl container;
  container.Add(list);

  struct Case
  {
    const char* name;
    const char* category;
    const CKyPropertyDescription* expected;
  };
  const Case cases[] = {
    {"LineStyle scale", "", &textScale},
    {"LineStyle scale", "General", &generalScale},
    {"LineStyle scale", "Text", &textScale},
    {"LineStyle scale", "Geometry", nullptr},
    {"Linestyle scale", "", nullptr},
    {"Layer", "General", &other},
  };
  for (const Case& c : cases)
    EXPECT_EQ(container.GetByName(c.name, c.category), c.expected) << c.name << " / " << c.category;

  // A level can adjust a row added before it.
  container.GetByName("LineStyle scale", "General")->PutIsReadOnlyMethod(CKyPropertyPEImpl::IsReadOnlyTrue);
  EXPECT_TRUE(generalScale.IsReadOnly(nullptr));
}

TEST_F(FrameworkContainer, DestroyedActiveContainerIsNoLongerActive)
{
  CKyPropertiesContainerImpl* previous = CKyPropertiesContainerImpl::Active();
  {
    CKyPropertiesContainerImpl container;
    CKyPropertiesContainerImpl::SetActive(&container);
    EXPECT_EQ(CKyPropertiesContainerImpl::Active(), &container);
  }
  EXPECT_EQ(CKyPropertiesContainerImpl::Active(), nullptr);
  CKyPropertiesContainerImpl::SetActive(previous);
}

namespace
{
// A row class of another size than the host's own.
class WideRow : public CKyPropertyDescriptionImpl
{
public:
  double extra[8] = {};
};
} // namespace

// Deleted rows' blocks are reused: rows made, deleted and made again in mixed order, some in
// another thread and deleted here, must each keep their own texts (a block handed out twice, or
// a derived row's block given to a plain row, shows up as a clash).
TEST(FrameworkDescription, RowsMadeAfterDeletionsKeepTheirOwnTexts)
{
  std::vector<std::unique_ptr<CKyPropertyDescriptionImpl>> rows;
  const auto make = [&rows](int i) {
    if (i % 5 == 0)
      rows.push_back(std::make_unique<WideRow>());
    else
      rows.push_back(std::make_unique<CKyPropertyDescriptionImpl>());
    rows.back()->SetName(CKyString(QString::number(i)));
  };
  for (int i = 0; i < 300; ++i)
    make(i);
  std::thread other([&rows] {
    for (int i = 300; i < 400; ++i)
    {
      rows.push_back(std::make_unique<CKyPropertyDescriptionImpl>());
      rows.back()->SetName(CKyString(QString::number(i)));
    }
  });
  other.join();
  // Delete every other row (the other thread's included), then fill the gaps.
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (i % 2 == 0)
      rows[i].reset();
  for (int i = 400; i < 600; ++i)
    make(i);
  std::set<const void*> blocks;
  std::set<QString> texts;
  for (const auto& row : rows)
  {
    if (!row)
      continue;
    EXPECT_TRUE(blocks.insert(row.get()).second);
    EXPECT_TRUE(texts.insert(row->Name().toQString()).second) << row->Name().toQString().toStdString();
    EXPECT_FALSE(row->IsDynamic());
    EXPECT_EQ(row->GetGetMethod(), nullptr);
  }
  EXPECT_EQ(texts.size(), 400u);
}
