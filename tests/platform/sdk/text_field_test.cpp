// Fields: evaluator and text field codes, child placeholders, re-coding with kept children
// (the way an edited string is written back), evaluation options, errors, and the text that
// owns the field following its evaluated text.
#include <gtest/gtest.h>

#include <QDate>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbField.h"
#include "DbMText.h"
#include "DbText.h"

namespace
{
const OdString kDateCode = L"%<\\KyVar Date \\f \"yyyy-MM-dd\">%";

OdString today()
{
  return OdString(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")).toStdWString());
}

struct TextField : ::testing::Test
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbTextPtr text = OdDbText::createObject();
  OdDbObjectId textId;

  void SetUp() override
  {
    text->setTextString(L"old");
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    textId = ms->appendOdDbEntity(text);
  }

  // A new field stored as the text's "TEXT" field, with the code set.
  OdDbFieldPtr attach(const OdString& code, OdDbField::FieldCodeFlag flags = OdDbField::kTextField)
  {
    OdDbFieldPtr field = OdDbField::createObject();
    text->setField(L"TEXT", field);
    EXPECT_EQ(field->setFieldCode(code, flags), eOk);
    return field;
  }
};
} // namespace

TEST_F(TextField, DateChildAndLiteralShowInTheOwningText)
{
  const OdString before = today();
  OdDbFieldPtr field = attach(L"Date: " + kDateCode);
  const OdString after = today();

  ASSERT_EQ(field->childCount(), 1u);
  const OdString date = field->getChild(0, OdDb::kForRead)->getFieldCode(OdDbField::kEvaluatedText);
  EXPECT_TRUE(date == before || date == after) << date.toUtf8();
  EXPECT_EQ(field->getFieldCode(OdDbField::kEvaluatedText), L"Date: " + date);
  EXPECT_EQ(field->getFieldCode(OdDbField::kFieldCode), OdString(L"Date: %<\\_FldIdx 0>%"));
  EXPECT_EQ(field->getFieldCode(OdDbField::kEvaluatedChildren), L"Date: " + date);
  EXPECT_EQ(field->getChild(0, OdDb::kForRead)->getFieldCode(OdDbField::kFieldCode), kDateCode);
  EXPECT_EQ(field->getChild(0, OdDb::kForRead)->getFormat(), OdString(L"yyyy-MM-dd"));
  EXPECT_EQ(field->evaluatorId(), OdString(L"_text"));
  EXPECT_EQ(text->textString(), L"Date: " + date);
  EXPECT_EQ(text->getField(L"TEXT"), field->objectId());
  EXPECT_EQ(field->evaluationStatus(), OdDbField::kSuccess);
  EXPECT_TRUE(field->state() & OdDbField::kEvaluated);
}

TEST_F(TextField, RecodingWithTheKeptChildUpdatesTheText)
{
  OdDbFieldPtr field = attach(L"Date: " + kDateCode);
  OdDbFieldArray children;
  field->getFieldCode(OdDbField::kFieldCode, &children, OdDb::kForWrite);
  ASSERT_EQ(children.size(), 1u);
  const OdDbObjectId childId = children[0]->objectId();
  const OdString date = children[0]->getFieldCode(OdDbField::kEvaluatedText);

  ASSERT_EQ(field->setFieldCode(L"Due %<\\_FldIdx 0>% sharp", OdDbField::kTextField, &children), eOk);
  EXPECT_EQ(text->textString(), L"Due " + date + L" sharp");
  ASSERT_EQ(field->childCount(), 1u);
  EXPECT_EQ(field->getChild(0, OdDb::kForRead)->objectId(), childId);
  EXPECT_FALSE(childId.isErased());
}

TEST_F(TextField, ChildrenLeftOutAreErased)
{
  OdDbFieldPtr field = attach(L"Date: " + kDateCode);
  const OdDbObjectId childId = field->getChild(0, OdDb::kForRead)->objectId();
  OdDbFieldArray none;
  ASSERT_EQ(field->setFieldCode(L"plain", OdDbField::kTextField, &none), eOk);
  EXPECT_EQ(field->childCount(), 0u);
  EXPECT_TRUE(childId.isErased());
  EXPECT_EQ(text->textString(), OdString(L"plain"));
}

TEST_F(TextField, GivenChildrenTakeThePlaceholdersInTheirNewOrder)
{
  OdDbFieldPtr field = attach(L"%<\\KyVar Text \"A\">% and %<\\KyVar Text \"B\">%");
  EXPECT_EQ(text->textString(), OdString(L"A and B"));
  OdDbFieldArray children;
  field->getFieldCode(OdDbField::kFieldCode, &children, OdDb::kForWrite);
  ASSERT_EQ(children.size(), 2u);
  OdDbFieldArray swapped;
  swapped.append(children[1]);
  swapped.append(children[0]);
  ASSERT_EQ(field->setFieldCode(L"%<\\_FldIdx 0>%-%<\\_FldIdx 1>%", OdDbField::kTextField, &swapped), eOk);
  EXPECT_EQ(text->textString(), OdString(L"B-A"));

  // Without a child list a text field keeps its children.
  ASSERT_EQ(field->setFieldCode(L"[%<\\_FldIdx 1>%]", OdDbField::kTextField), eOk);
  EXPECT_EQ(text->textString(), OdString(L"[A]"));
  EXPECT_EQ(field->childCount(), 2u);
}

TEST_F(TextField, PlaceholderWithoutChildIsRefusedAndNothingChanges)
{
  OdDbFieldPtr field = attach(L"x " + kDateCode);
  const OdString code = field->getFieldCode(OdDbField::kFieldCode);
  const OdString shown = text->textString();
  EXPECT_EQ(field->setFieldCode(L"%<\\_FldIdx 3>%", OdDbField::kTextField), eInvalidInput);
  OdDbFieldArray one;
  one.append(OdDbField::createObject());
  EXPECT_EQ(field->setFieldCode(kDateCode, OdDbField::FieldCodeFlag(0), &one), eInvalidInput);
  EXPECT_EQ(field->getFieldCode(OdDbField::kFieldCode), code);
  EXPECT_EQ(text->textString(), shown);
  EXPECT_EQ(field->childCount(), 1u);
}

TEST_F(TextField, FaultyCodesEvaluateToHashesWithTheirStatus)
{
  struct Case
  {
    OdString code;
    OdDbField::EvalStatus status;
  };
  const Case cases[] = {
      {L"%<\\OtherVar Date>%", OdDbField::kEvaluatorNotFound},
      {L"%<\\KyVar Weather>%", OdDbField::kInvalidCode},
      {L"%<\\KyVar Text \"open>%", OdDbField::kSyntaxError},
      {L"%<\\KyVar Date \\g \"x\">%", OdDbField::kSyntaxError},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.code.toUtf8());
    OdDbFieldPtr field = attach(c.code, OdDbField::FieldCodeFlag(0));
    EXPECT_EQ(field->getFieldCode(OdDbField::kEvaluatedText), OdString(L"####"));
    OdString message;
    EXPECT_EQ(field->evaluationStatus(nullptr, &message), c.status);
    EXPECT_FALSE(message.isEmpty());
    EXPECT_EQ(text->textString(), OdString(L"####"));
  }
}

TEST_F(TextField, PlainFieldNeedsNoDatabaseButChildrenDo)
{
  OdDbFieldPtr loose = OdDbField::createObject();
  ASSERT_EQ(loose->setFieldCode(L"hello"), eOk);
  EXPECT_EQ(loose->getFieldCode(OdDbField::kEvaluatedText), OdString(L"hello"));
  ASSERT_EQ(loose->setFieldCode(L"%<\\KyVar Text \"hi\">%"), eOk);
  EXPECT_EQ(loose->getFieldCode(OdDbField::kEvaluatedText), OdString(L"hi"));
  EXPECT_EQ(loose->evaluatorId(), OdString(L"KyVar"));
  EXPECT_EQ(loose->setFieldCode(L"Date: " + kDateCode, OdDbField::kTextField), eNotInDatabase);
  EXPECT_EQ(loose->getFieldCode(OdDbField::kEvaluatedText), OdString(L"hi"));
  EXPECT_THROW(loose->getChild(0, OdDb::kForRead), OdError_InvalidIndex);
}

TEST_F(TextField, OnlyTheTextFieldDrivesTheOwner)
{
  OdDbFieldPtr other = OdDbField::createObject();
  text->setField(L"OTHER", other);
  ASSERT_EQ(other->setFieldCode(L"ignored"), eOk);
  EXPECT_EQ(text->textString(), OdString(L"old"));

  OdDbMTextPtr mtext = OdDbMText::createObject();
  {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    ms->appendOdDbEntity(mtext);
  }
  OdDbFieldPtr field = OdDbField::createObject();
  mtext->setField(L"TEXT", field);
  ASSERT_EQ(field->setFieldCode(L"%<\\KyVar Text \"note\">%"), eOk);
  EXPECT_EQ(mtext->contents(), OdString(L"note"));
}

TEST_F(TextField, EvaluationFollowsTheOptionAndCountsTheTree)
{
  OdDbFieldPtr field = attach(L"a %<\\KyVar Text \"1\">% b %<\\KyVar Text \"2\">%");
  int found = 0, evaluated = 0;
  ASSERT_EQ(field->evaluate(OdDbField::kDemand, db, &found, &evaluated), eOk);
  EXPECT_EQ(found, 3);
  EXPECT_EQ(evaluated, 3);

  field->setEvaluationOption(OdDbField::kOnSave);
  ASSERT_EQ(field->evaluate(OdDbField::kDemand, db, &found, &evaluated), eOk);
  EXPECT_EQ(evaluated, 2);
  EXPECT_EQ(field->evaluate(0), eInvalidInput);
  EXPECT_EQ(field->evaluationStatus(), OdDbField::kInvalidContext);

  ASSERT_EQ(oddbEvaluateFields(db, OdDbField::kDemand, nullptr, &found, &evaluated), eOk);
  EXPECT_EQ(found, 3);
  EXPECT_EQ(text->textString(), OdString(L"a 1 b 2"));
}

TEST_F(TextField, ErasingTheTextErasesTheFieldTree)
{
  OdDbFieldPtr field = attach(L"Date: " + kDateCode);
  const OdDbObjectId fieldId = field->objectId();
  const OdDbObjectId childId = field->getChild(0, OdDb::kForRead)->objectId();
  field.release();
  ASSERT_EQ(text->erase(), eOk);
  EXPECT_TRUE(fieldId.isErased());
  EXPECT_TRUE(childId.isErased());
}
