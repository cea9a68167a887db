// Looking listed rows up by the places they were found at: two kinds gathered in turn, each with
// its rows at other places, find their own rows; a row missing, or in another category, is not
// found; a renamed row is found under either name and renamed back.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "KyAnnotationRows.h"
#include "KyPropertiesContainer.h"
#include "KyPropertyDescription.h"
#include "KyPropertyPEImpl.h"

namespace
{
struct Kind
{
  std::vector<std::unique_ptr<CKyPropertyDescriptionImpl>> rows;
  OdArray<const CKyPropertyDescription*> list;
};

// Rows of (category, name), as a kind lists them.
std::unique_ptr<Kind> kindOf(const std::vector<std::pair<const char*, const char*>>& rows)
{
  auto kind = std::make_unique<Kind>();
  for (const auto& [category, name] : rows)
  {
    kind->rows.push_back(std::make_unique<CKyPropertyDescriptionImpl>());
    kind->rows.back()->SetCategory(CKyString(category));
    kind->rows.back()->SetName(CKyString(name));
    kind->list.append(kind->rows.back().get());
  }
  return kind;
}
} // namespace

TEST(ListedRowFinder, FindsEachKindsRowAtItsOwnPlace)
{
  const auto text = kindOf({{"General", "Color"}, {"Text", "Contents"}, {"Text", "Style"}, {"Text", "Height"}});
  const auto definition = kindOf({{"General", "Color"}, {"Text", "Tag"}, {"Text", "Prompt"}, {"Text", "Value"},
                                  {"Text", "Style"}, {"Text", "Height"}});
  const auto other = kindOf({{"General", "Style"}, {"Text", "Style"}});
  KyListedRowFinder finder;
  // Each kind in turn, several times, as a mixed selection gathers them: each finds its own row.
  for (int pass = 0; pass < 3; ++pass)
    for (const Kind* kind : {text.get(), definition.get(), other.get()})
    {
      CKyPropertiesContainerImpl container;
      container.Add(kind->list);
      EXPECT_EQ(finder.find(&container, CKyString("Style"), CKyString("Text")),
                container.GetByName(CKyString("Style"), CKyString("Text")));
      EXPECT_EQ(finder.find(&container, CKyString("Style"), CKyString("General")),
                container.GetByName(CKyString("Style"), CKyString("General")));
      EXPECT_EQ(finder.find(&container, CKyString("Style"), CKyString()),
                container.GetByName(CKyString("Style"), CKyString()));
      EXPECT_EQ(finder.find(&container, CKyString("Width"), CKyString("Text")), nullptr);
    }
  CKyPropertiesContainerImpl empty;
  EXPECT_EQ(finder.find(&empty, CKyString("Style"), CKyString("Text")), nullptr);
}

TEST(ListedRowFinder, RenamedRowIsFoundUnderEitherNameAndTurnsBack)
{
  const auto text = kindOf({{"General", "Color"}, {"Text", "Style"}, {"Text", "Height"}});
  CKyPropertiesContainerImpl container;
  container.Add(text->list);
  const KyText category{"property_groups", "Text"};
  const KyText plain{"property_types", "Height"};
  const KyText model{"property_types", "Model text height"};
  KyListedRowFinder finder;
  const CKyPropertyDescription* row = text->list[2];
  KyRenameListedRow(&container, finder, category, plain, model, &CKyPropertyPEImpl::IsReadOnlyTrue, "Text",
                    "model_text_height");
  EXPECT_EQ(row->GetName(), CKyString("Model text height"));
  EXPECT_TRUE(row->GetIsReadOnlyMethod() == &CKyPropertyPEImpl::IsReadOnlyTrue);
  // Already renamed: nothing changes.
  KyRenameListedRow(&container, finder, category, plain, model, &CKyPropertyPEImpl::IsReadOnlyFalse, "Text", "x");
  EXPECT_TRUE(row->GetIsReadOnlyMethod() == &CKyPropertyPEImpl::IsReadOnlyTrue);
  KyRenameListedRow(&container, finder, category, model, plain, &CKyPropertyPEImpl::IsReadOnlyFalse, "Text",
                    "Height");
  EXPECT_EQ(row->GetName(), CKyString("Height"));
  EXPECT_TRUE(row->GetIsReadOnlyMethod() == &CKyPropertyPEImpl::IsReadOnlyFalse);
  EXPECT_EQ(container.GetByName(CKyString("Model text height"), CKyString()), nullptr);
}
