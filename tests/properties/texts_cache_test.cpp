// Remembered translations and choice lists: the right entry is current whatever order the lists
// are asked for in, and forgetting makes the next session translate again.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "KyAccessors.h"
#include "KyDimVarRows.h"
#include "KyTestDrawing.h"
#include "KyTexts.h"

namespace
{
const KyChoice kSides[] = {{7, QT_TRANSLATE_NOOP("property_values", "Left")},
                           {3, QT_TRANSLATE_NOOP("property_values", "Right")},
                           {3, QT_TRANSLATE_NOOP("property_values", "Both")}};

// Answers every key with the key and a suffix.
class SuffixTranslator : public QTranslator
{
public:
  QString translate(const char*, const char* key, const char* = nullptr, int = -1) const override
  {
    return QString::fromLatin1(key) + QStringLiteral(" (tr)");
  }
  bool isEmpty() const override { return false; }
};

int currentOf(const CKyVariant& list)
{
  return list.GetCollection().GetCurrentIndex();
}

QString textAt(const CKyVariant& list, int i)
{
  return list.GetCollection().GetAt(i).GetValue().GetString();
}
} // namespace

TEST(TextsCache, ChoiceListsMarkTheFirstMatchingEntryInAnyOrder)
{
  KyForgetTexts();
  struct Row
  {
    int code;
    int current;
  };
  // Unknown codes show the first entry; a code two entries share picks the first of them.
  const Row rows[] = {{3, 1}, {7, 0}, {42, 0}, {3, 1}, {-1, 0}, {7, 0}};
  for (const Row& row : rows)
  {
    const CKyVariant list = KyChoiceList(kSides, row.code);
    ASSERT_EQ(list.GetType(), CKyVariant::kCollection);
    ASSERT_EQ(list.GetCollection().GetCount(), 3);
    EXPECT_EQ(currentOf(list), row.current) << "code " << row.code;
    EXPECT_EQ(list.GetCollection().GetAt(2).GetTag().GetInt32(), 3);
    EXPECT_EQ(textAt(list, 2), QStringLiteral("Both"));
  }
  EXPECT_EQ(currentOf(KyYesNoList(true)), 0);
  EXPECT_EQ(currentOf(KyYesNoList(false)), 1);
  EXPECT_EQ(currentOf(KyYesNoList(true)), 0);
}

const KyText kAnnotative{"property_types", "Annotative"};

TEST(TextsCache, ForgettingTranslatesAgainWithTheInstalledTranslator)
{
  KyForgetTexts();
  EXPECT_EQ(KyTr("property_types", "Annotative").toQString(), QStringLiteral("Annotative"));
  EXPECT_EQ(kAnnotative.get().toQString(), QStringLiteral("Annotative"));
  EXPECT_EQ(textAt(KyChoiceList(kSides, 7), 1), QStringLiteral("Right"));
  EXPECT_EQ(textAt(KyYesNoList(true), 0), QStringLiteral("Yes"));
  EXPECT_EQ(textAt(KyYesNoList(false), 1), QStringLiteral("No"));
  // The dimension rows keep their lists apart, per table, context and current entry.
  EXPECT_EQ(textAt(KyDimList(kSides, 3, 2, "property_values"), 1), QStringLiteral("Right"));
  EXPECT_EQ(textAt(KyDimList(kSides, 3, 2, nullptr), 1), QStringLiteral("Right"));
  EXPECT_EQ(currentOf(KyDimList(kSides, 3, 2, "property_values")), 2);
  EXPECT_EQ(currentOf(KyDimList(kSides, 3, 0, "property_values")), 0);
  EXPECT_EQ(KyDimList(kSides, 2, 0, "property_values").GetCollection().GetCount(), 2);

  SuffixTranslator translator;
  QCoreApplication::installTranslator(&translator);
  // Within a session the texts stay as first made, like the listed rows.
  EXPECT_EQ(KyTr("property_types", "Annotative").toQString(), QStringLiteral("Annotative"));
  KyForgetTexts();
  // A text read through a KyText follows the new session too: its old one was freed, and another
  // text made first may now sit where it was.
  EXPECT_EQ(KyTr("property_types", "Height").toQString(), QStringLiteral("Height (tr)"));
  EXPECT_EQ(kAnnotative.get().toQString(), QStringLiteral("Annotative (tr)"));
  EXPECT_EQ(KyTr("property_types", "Annotative").toQString(), QStringLiteral("Annotative (tr)"));
  EXPECT_EQ(textAt(KyChoiceList(kSides, 7), 1), QStringLiteral("Right (tr)"));
  EXPECT_EQ(textAt(KyYesNoList(true), 0), QStringLiteral("Yes (tr)"));
  EXPECT_EQ(textAt(KyYesNoList(false), 1), QStringLiteral("No (tr)"));
  EXPECT_EQ(currentOf(KyYesNoList(false)), 1);
  EXPECT_EQ(textAt(KyDimList(kSides, 3, 2, "property_values"), 1), QStringLiteral("Right (tr)"));
  EXPECT_EQ(textAt(KyDimList(kSides, 3, 2, nullptr), 1), QStringLiteral("Right"));
  EXPECT_EQ(currentOf(KyDimList(kSides, 3, 2, "property_values")), 2);
  EXPECT_EQ(KyIconPathOf("Misc", "annotative").toQString(), QStringLiteral(":/Misc/Misc_annotative.png"));
  EXPECT_EQ(KyDarkIconPathOf("Misc", "annotative").toQString(),
            QStringLiteral(":/Misc/svg_icons/Misc/Misc_annotative.svg"));
  QCoreApplication::removeTranslator(&translator);
  KyForgetTexts();
  EXPECT_EQ(KyTr("property_types", "Annotative").toQString(), QStringLiteral("Annotative"));
  EXPECT_EQ(kAnnotative.get().toQString(), QStringLiteral("Annotative"));
}

// A remembered string value is handed out again only for the same text, also once more texts
// came by than are remembered.
TEST(TextsCache, StringValuesFollowTheirText)
{
  const OdString texts[] = {L"ByLayer", L"ByLayer", L"Style1", L"", L"ByLayer", L"\U0001F600x", L"bylayer",
                            L"a", L"b", L"c", L"d", L"e", L"f", L"g", L"ByLayer", L"h", L"Style1", L"a"};
  for (int pass = 0; pass < 2; ++pass)
  {
    for (const OdString& text : texts)
    {
      const CKyVariant value = KyStringValueOf(text);
      ASSERT_EQ(value.GetType(), CKyVariant::kString);
      EXPECT_EQ(value.GetString(), CKyString(text));
    }
    KyForgetTexts();
  }
}

// Ending the module (uninitApp) forgets the texts: the next session translates them again.
TEST(TextsCache, EndingTheModuleForgetsTheTexts)
{
  KyForgetTexts();
  {
    KyModuleSession session;
    EXPECT_EQ(textAt(KyYesNoList(true), 0), QStringLiteral("Yes"));
  }
  SuffixTranslator translator;
  QCoreApplication::installTranslator(&translator);
  {
    KyModuleSession session;
    EXPECT_EQ(textAt(KyYesNoList(true), 0), QStringLiteral("Yes (tr)"));
  }
  QCoreApplication::removeTranslator(&translator);
  KyForgetTexts();
}
