// Writing an edited string back into a text driven by a field: kept children become placeholders
// in order of occurrence, lost children are dropped, and a text left without kept children
// becomes plain text. Also through the text's "Contents" row.
#include <gtest/gtest.h>

#include "DbField.h"
#include "DbText.h"
#include "KyFieldHelper.h"
#include "KyTestDrawing.h"

namespace
{
const OdString kDateCode = L"%<\\KyVar Date \\f \"yyyy-MM-dd\">%";

OdString textCode(const wchar_t* literal)
{
  return OdString(L"%<\\KyVar Text \"") + OdString(literal) + OdString(L"\">%");
}

struct FieldText : ::testing::Test
{
  KyTestDrawing drawing;
  OdDbTextPtr text = OdDbText::createObject();

  void SetUp() override { drawing.add(text); }

  OdDbFieldPtr attach(const OdString& code)
  {
    OdDbFieldPtr field = OdDbField::createObject();
    text->setField(L"TEXT", field);
    EXPECT_EQ(field->setFieldCode(code, OdDbField::kTextField), eOk);
    return field;
  }

  OdDbFieldPtr field() const { return OdDbField::cast(text->getField(L"TEXT", OdDb::kForRead).get()); }

  OdDbObjectIdArray childIds() const
  {
    OdDbObjectIdArray ids;
    OdDbFieldPtr f = field();
    for (OdUInt32 i = 0; f && i < f->childCount(); ++i)
      ids.append(f->getChild(i, OdDb::kForRead)->objectId());
    return ids;
  }

  void write(const wchar_t* newText) { CKyFieldHelper::setFieldsFromString(text, CKyString(newText)); }
};
} // namespace

TEST_F(FieldText, TextWithoutFieldsTakesTheStringUnchanged)
{
  text->setTextString(L"old");
  write(L"%%c 12 new");
  EXPECT_EQ(text->textString(), OdString(L"%%c 12 new"));
  EXPECT_TRUE(text->getField(L"TEXT").isNull());
}

TEST_F(FieldText, DateFieldSurvivesAWordAppendedAfterIt)
{
  attach(L"Date: " + kDateCode);
  const OdDbObjectIdArray before = childIds();
  ASSERT_EQ(before.size(), 1u);
  const OdString date = field()->getChild(0, OdDb::kForRead)->getFieldCode(OdDbField::kEvaluatedText);

  write((L"Date: " + date + L" sharp").c_str());
  EXPECT_EQ(field()->getFieldCode(OdDbField::kFieldCode), OdString(L"Date: %<\\_FldIdx 0>% sharp"));
  EXPECT_EQ(childIds(), before);
  EXPECT_EQ(text->textString(), L"Date: " + date + L" sharp");
}

TEST_F(FieldText, DeletingTheOnlyValueLeavesPlainText)
{
  attach(L"Room " + textCode(L"12"));
  const OdDbObjectId fieldId = text->getField(L"TEXT");
  const OdDbObjectId childId = childIds()[0];
  ASSERT_EQ(text->textString(), OdString(L"Room 12"));

  write(L"Room");
  EXPECT_EQ(text->textString(), OdString(L"Room"));
  EXPECT_TRUE(text->getField(L"TEXT").isNull());
  EXPECT_TRUE(fieldId.isErased());
  EXPECT_TRUE(childId.isErased());
}

TEST_F(FieldText, ChildrenClaimOccurrencesInTurn)
{
  struct Case
  {
    const wchar_t* edited;
    const wchar_t* code; // expected field code; null: the field is gone
    int kept;            // how many of the two children remain, in their old order
  } cases[] = {
    // Two children showing the same value: the second takes the next remaining occurrence.
    {L"A or A", L"%<\\_FldIdx 0>% or %<\\_FldIdx 1>%", 2},
    {L"AA", L"%<\\_FldIdx 0>%%<\\_FldIdx 1>%", 2},
    // Only one occurrence left: the first child keeps it, the second is dropped.
    {L"only A", L"only %<\\_FldIdx 0>%", 1},
    // Matching is case-sensitive.
    {L"a and a", nullptr, 0},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(OdString(c.edited).toUtf8());
    text->removeField(L"TEXT");
    attach(textCode(L"A") + L" and " + textCode(L"A"));
    const OdDbObjectIdArray before = childIds();
    ASSERT_EQ(before.size(), 2u);
    write(c.edited);
    EXPECT_EQ(text->textString(), OdString(c.edited));
    if (!c.code)
    {
      EXPECT_TRUE(text->getField(L"TEXT").isNull());
      continue;
    }
    EXPECT_EQ(field()->getFieldCode(OdDbField::kFieldCode), OdString(c.code));
    const OdDbObjectIdArray after = childIds();
    ASSERT_EQ(static_cast<int>(after.size()), c.kept);
    for (int i = 0; i < c.kept; ++i)
      EXPECT_EQ(after[i], before[i]);
    if (c.kept == 1)
    {
      EXPECT_TRUE(before[1].isErased());
    }
  }
}

TEST_F(FieldText, ValueInsideOrdinaryTextIsMatchedAtItsFirstOccurrence)
{
  attach(L"Room " + textCode(L"12"));
  write(L"Floor 12, Room 12");
  EXPECT_EQ(field()->getFieldCode(OdDbField::kFieldCode), OdString(L"Floor %<\\_FldIdx 0>%, Room 12"));
  EXPECT_EQ(text->textString(), OdString(L"Floor 12, Room 12"));
}

TEST_F(FieldText, ContentsRowKeepsFieldsAndLeavesThemAloneForAnEqualString)
{
  KyModuleSession session;
  OdDbFieldPtr f = attach(textCode(L"7") + L" of " + textCode(L"7"));
  f.release();
  const OdDbObjectId fieldId = text->getField(L"TEXT");
  const OdDbObjectIdArray before = childIds();
  KyPaletteRows rows(text);
  const CKyPropertyDescription* contents = rows.row("Contents", "Text");
  ASSERT_NE(contents, nullptr);
  EXPECT_EQ(contents->GetValue(text, CKyVariant()).GetString().toQString(), "7 of 7");

  // The same string: neither the text nor its field is opened for write.
  OdDbObjectPtr held = fieldId.openObject(OdDb::kForRead);
  text->downgradeOpen();
  text->upgradeOpen();
  EXPECT_EQ(contents->SetValue(text, CKyVariant(CKyString("7 of 7")), CKyVariant()), 5100);
  EXPECT_FALSE(held->isWriteEnabled());
  EXPECT_FALSE(text->isModified());
  held.release();

  EXPECT_EQ(contents->SetValue(text, CKyVariant(CKyString("7 of 7 pages")), CKyVariant()), 5100);
  EXPECT_EQ(field()->getFieldCode(OdDbField::kFieldCode), OdString(L"%<\\_FldIdx 0>% of %<\\_FldIdx 1>% pages"));
  EXPECT_EQ(childIds(), before);
  EXPECT_EQ(text->textString(), OdString(L"7 of 7 pages"));
}
