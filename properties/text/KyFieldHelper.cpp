// Field survival when a text's display string is edited.
#include "KyFieldHelper.h"

#include <QString>

#include "DbField.h"
#include "DbText.h"

namespace
{
const wchar_t kTextProperty[] = L"TEXT";

// The placeholder of the kept child at `index` in a text field code.
QString childPlaceholder(int index)
{
  return QStringLiteral("%<\\_FldIdx %1>%").arg(index);
}
} // namespace

template <class T>
void CKyFieldHelper::setFieldsFromString(T& object, const CKyString& text)
{
  const OdString newText = text.toOdString();
  OdDbFieldPtr field = OdDbField::cast(object->getField(kTextProperty, OdDb::kForWrite).get());
  if (field.isNull())
  {
    object->setTextString(newText);
    return;
  }

  // Each child claims the first remaining occurrence of its displayed value; an occurrence
  // already replaced by a placeholder cannot be claimed again.
  QString working = text.toQString();
  OdDbFieldArray kept;
  const OdUInt32 count = field->childCount();
  for (OdUInt32 i = 0; i < count; ++i)
  {
    OdDbFieldPtr child = field->getChild(i, OdDb::kForWrite);
    const QString shown = QString::fromStdWString(child->getFieldCode(OdDbField::kEvaluatedText).wstr());
    const int at = working.indexOf(shown, 0, Qt::CaseSensitive);
    if (at < 0)
      continue;
    working.replace(at, shown.length(), childPlaceholder(static_cast<int>(kept.size())));
    kept.append(child);
  }

  if (!kept.isEmpty())
  {
    field->setFieldCode(OdString(working.toStdWString()), OdDbField::kTextField, &kept);
    return;
  }
  object->removeField(kTextProperty);
  object->setTextString(newText);
}

template void CKyFieldHelper::setFieldsFromString<OdSmartPtr<OdDbText>>(OdSmartPtr<OdDbText>& object,
                                                                        const CKyString& text);
