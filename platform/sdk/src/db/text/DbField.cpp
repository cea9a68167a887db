// OdDbField: field codes (evaluator expressions and text fields with child placeholders), their
// evaluation, and the update of the text that owns the field.
#include "DbField.h"

#include <QDateTime>
#include <QString>

#include "DbBlockTable.h"
#include "DbFiler.h"
#include "DbMText.h"
#include "DbText.h"
#include "SdkRxMacros.h"
#include "db/DbInternal.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbField, OdDbObject, L"FIELD")

namespace
{
const wchar_t kExprStart[] = L"%<\\";
const wchar_t kPlaceholderStart[] = L"%<\\_FldIdx ";
const wchar_t kEvaluatorOfThisSystem[] = L"KyVar";
const wchar_t kTextEvaluator[] = L"_text";
const wchar_t kErrorText[] = L"####";

bool startsWithAt(const std::wstring& s, std::size_t at, const wchar_t* prefix)
{
  return s.compare(at, std::char_traits<wchar_t>::length(prefix), prefix) == 0;
}

// Index just past the ">%" closing the expression that starts at `start` (nested expressions and
// quoted strings are skipped); npos when it is not closed.
std::size_t expressionEnd(const std::wstring& s, std::size_t start)
{
  int depth = 0;
  bool quoted = false;
  std::size_t i = start;
  while (i < s.size())
  {
    if (quoted)
    {
      if (s[i] == L'\\' && i + 1 < s.size())
        i += 2;
      else
      {
        quoted = s[i] != L'"';
        ++i;
      }
      continue;
    }
    if (startsWithAt(s, i, L"%<"))
    {
      ++depth;
      i += 2;
    }
    else if (startsWithAt(s, i, L">%"))
    {
      --depth;
      i += 2;
      if (depth == 0)
        return i;
    }
    else
    {
      if (s[i] == L'"')
        quoted = true;
      ++i;
    }
  }
  return std::wstring::npos;
}

// The child index of a placeholder expression, -1 when the expression is not one.
long placeholderIndex(const std::wstring& expr)
{
  if (!startsWithAt(expr, 0, kPlaceholderStart) || expr.size() < 14 || !startsWithAt(expr, expr.size() - 2, L">%"))
    return -1;
  const std::wstring digits = expr.substr(11, expr.size() - 13);
  if (digits.empty() || digits.size() > 9)
    return -1;
  long value = 0;
  for (wchar_t ch : digits)
  {
    if (ch < L'0' || ch > L'9')
      return -1;
    value = value * 10 + (ch - L'0');
  }
  return value;
}

std::wstring placeholder(std::size_t index)
{
  return kPlaceholderStart + std::to_wstring(index) + L">%";
}

// One expression from start to end; an expression whose end is lost in an unclosed quote
// counts as one too, so that it reports its syntax error.
bool isSingleExpression(const std::wstring& code)
{
  if (!startsWithAt(code, 0, kExprStart) || code.size() < 5 || !startsWithAt(code, code.size() - 2, L">%") ||
      placeholderIndex(code) >= 0)
    return false;
  const std::size_t end = expressionEnd(code, 0);
  return end == code.size() || end == std::wstring::npos;
}

// Words of an evaluator expression: bare words, options ("\f") and quoted strings (unquoted).
struct Token
{
  enum Kind
  {
    kWord,
    kOption,
    kQuoted
  } kind;
  std::wstring text;
};

bool tokenize(const std::wstring& body, std::vector<Token>& tokens)
{
  std::size_t i = 0;
  while (i < body.size())
  {
    if (body[i] == L' ' || body[i] == L'\t')
    {
      ++i;
      continue;
    }
    if (body[i] == L'"')
    {
      std::wstring text;
      ++i;
      bool closed = false;
      while (i < body.size())
      {
        if (body[i] == L'\\' && i + 1 < body.size())
        {
          text += body[i + 1];
          i += 2;
        }
        else if (body[i] == L'"')
        {
          closed = true;
          ++i;
          break;
        }
        else
          text += body[i++];
      }
      if (!closed)
        return false;
      tokens.push_back({Token::kQuoted, text});
      continue;
    }
    const Token::Kind kind = body[i] == L'\\' ? Token::kOption : Token::kWord;
    std::size_t end = i + 1;
    while (end < body.size() && body[end] != L' ' && body[end] != L'\t' && body[end] != L'"')
      ++end;
    tokens.push_back({kind, body.substr(i, end - i)});
    i = end;
  }
  return true;
}

struct Evaluation
{
  OdDbField::EvalStatus status = OdDbField::kSuccess;
  OdString text;
  OdString message;
};

Evaluation failed(OdDbField::EvalStatus status, const OdString& message)
{
  Evaluation result;
  result.status = status;
  result.text = kErrorText;
  result.message = message;
  return result;
}

// The evaluator name of an expression ("" when malformed).
std::wstring evaluatorOf(const std::wstring& expr)
{
  const std::wstring body = expr.substr(3, expr.size() - 5);
  const std::size_t end = body.find_first_of(L" \t");
  return body.substr(0, end);
}

Evaluation evaluateExpression(const std::wstring& expr, OdString* pFormat = 0)
{
  const std::wstring evaluator = evaluatorOf(expr);
  if (evaluator != kEvaluatorOfThisSystem)
    return failed(OdDbField::kEvaluatorNotFound, OdString(L"Unknown evaluator ") + OdString(evaluator));
  std::vector<Token> tokens;
  if (!tokenize(expr.substr(3 + evaluator.size(), expr.size() - 5 - evaluator.size()), tokens) || tokens.empty() ||
      tokens[0].kind != Token::kWord)
    return failed(OdDbField::kSyntaxError, L"Malformed field code");
  const std::wstring& variable = tokens[0].text;
  if (variable == L"Date")
  {
    std::wstring format = L"yyyy-MM-dd";
    std::size_t i = 1;
    while (i < tokens.size())
    {
      if (tokens[i].kind == Token::kOption && tokens[i].text == L"\\f" && i + 1 < tokens.size() &&
          tokens[i + 1].kind == Token::kQuoted)
      {
        format = tokens[i + 1].text;
        if (pFormat)
          *pFormat = format;
        i += 2;
      }
      else
        return failed(OdDbField::kSyntaxError, L"Malformed field code");
    }
    Evaluation result;
    result.text = QDateTime::currentDateTime().toString(QString::fromStdWString(format)).toStdWString();
    return result;
  }
  if (variable == L"Text")
  {
    if (tokens.size() != 2 || tokens[1].kind != Token::kQuoted)
      return failed(OdDbField::kSyntaxError, L"Malformed field code");
    Evaluation result;
    result.text = tokens[1].text;
    return result;
  }
  return failed(OdDbField::kInvalidCode, OdString(L"Unknown variable ") + OdString(variable));
}

// A text field code with every placeholder replaced through `childText` (index -> text, or
// false when there is no such child).
template <class ChildText>
bool substitutePlaceholders(const std::wstring& code, ChildText childText, std::wstring& out)
{
  bool complete = true;
  std::size_t i = 0;
  while (i < code.size())
  {
    if (startsWithAt(code, i, kPlaceholderStart))
    {
      const std::size_t end = expressionEnd(code, i);
      const long index = end == std::wstring::npos ? -1 : placeholderIndex(code.substr(i, end - i));
      if (index >= 0)
      {
        OdString text;
        if (childText(static_cast<OdUInt32>(index), text))
          out += text.wstr();
        else
        {
          out += kErrorText;
          complete = false;
        }
        i = end;
        continue;
      }
    }
    out += code[i++];
  }
  return complete;
}

OdDbFieldPtr openField(const OdDbObjectId& id, OdDb::OpenMode mode)
{
  return OdDbField::cast(id.openObject(mode).get());
}
} // namespace

OdDbField::OdDbField() = default;

OdResult OdDbField::setFieldCode(const OdString& fieldCode, FieldCodeFlag flags, OdDbFieldArray* pChildFields)
{
  assertWriteEnabled(false, false);
  const std::wstring& code = fieldCode.wstr();
  const bool textField = (flags & kTextField) != 0 || !isSingleExpression(code);

  // The given children: the list passed in, or the present children of a text field.
  std::vector<OdDbFieldPtr> given;
  if (pChildFields)
  {
    if (!textField && !pChildFields->isEmpty())
      return eInvalidInput;
    for (const OdDbFieldPtr& pChild : *pChildFields)
    {
      if (pChild.isNull() || pChild.get() == this)
        return eInvalidInput;
      for (const OdDbFieldPtr& pOther : given)
        if (pOther.get() == pChild.get())
          return eInvalidInput;
      if (pChild->isDBRO() && pChild->database() != database())
        return eWrongDatabase;
      given.push_back(pChild);
    }
  }
  else if (textField)
  {
    for (const OdDbObjectId& childId : m_children)
    {
      OdDbFieldPtr pChild = openField(childId, OdDb::kForWrite);
      if (pChild.isNull())
        return eInvalidInput;
      given.push_back(pChild);
    }
  }

  // The new code: placeholders checked, embedded expressions turned into new children.
  std::wstring newCode;
  std::vector<std::wstring> newExpressions;
  if (textField)
  {
    std::size_t i = 0;
    while (i < code.size())
    {
      const std::size_t end = startsWithAt(code, i, kExprStart) ? expressionEnd(code, i) : std::wstring::npos;
      if (end == std::wstring::npos)
      {
        newCode += code[i++];
        continue;
      }
      const std::wstring expr = code.substr(i, end - i);
      const long index = placeholderIndex(expr);
      if (index >= 0)
      {
        if (static_cast<std::size_t>(index) >= given.size())
          return eInvalidInput;
        newCode += placeholder(static_cast<std::size_t>(index));
      }
      else
      {
        newCode += placeholder(given.size() + newExpressions.size());
        newExpressions.push_back(expr);
      }
      i = end;
    }
  }
  else
  {
    newCode = code;
  }
  if ((!given.empty() || !newExpressions.empty()) && !isDBRO())
    return eNotInDatabase;

  assertWriteEnabled();
  OdDbDatabase* pDb = database();
  OdDbObjectIdArray newChildren;
  for (const OdDbFieldPtr& pChild : given)
  {
    if (!pChild->isDBRO())
      newChildren.append(pDb->addOdDbObject(pChild.get(), objectId()));
    else
    {
      if (pChild->ownerId() != objectId())
        pChild->setOwnerId(objectId());
      newChildren.append(pChild->objectId());
    }
  }
  for (const std::wstring& expr : newExpressions)
  {
    OdDbFieldPtr pChild = OdDbField::createObject();
    newChildren.append(pDb->addOdDbObject(pChild.get(), objectId()));
    pChild->setFieldCode(expr);
  }
  for (const OdDbObjectId& oldId : m_children)
  {
    if (newChildren.contains(oldId))
      continue;
    OdDbObjectPtr pOld = oldId.openObject(OdDb::kForWrite);
    if (!pOld.isNull())
      pOld->erase();
  }

  m_code = newCode;
  m_textField = textField;
  m_children = newChildren;
  m_state = kInitialized | kCompiled | kModified;
  for (const OdDbObjectId& childId : m_children)
  {
    OdDbFieldPtr pChild = openField(childId, OdDb::kForWrite);
    if (!pChild.isNull())
      pChild->evaluate(kPreview);
  }
  compose();
  updateOwner();
  return eOk;
}

OdString OdDbField::getFieldCode(FieldCodeFlag flags, OdDbFieldArray* pChildFields, OdDb::OpenMode openMode) const
{
  assertReadEnabled();
  if (pChildFields)
  {
    pChildFields->clear();
    for (const OdDbObjectId& childId : m_children)
      pChildFields->append(openField(childId, openMode));
  }
  if (flags & kEvaluatedText)
    return m_evaluatedText;
  if ((flags & kEvaluatedChildren) && m_textField)
  {
    std::wstring out;
    substitutePlaceholders(
        m_code.wstr(),
        [this](OdUInt32 index, OdString& text) {
          if (index >= m_children.size())
            return false;
          OdDbFieldPtr pChild = openField(m_children[index], OdDb::kForRead);
          if (pChild.isNull())
            return false;
          text = pChild->getFieldCode(kEvaluatedText);
          return true;
        },
        out);
    return OdString(out);
  }
  return m_code;
}

OdUInt32 OdDbField::childCount() const
{
  assertReadEnabled();
  return m_children.size();
}

OdDbFieldPtr OdDbField::getChild(OdUInt32 index, OdDb::OpenMode openMode) const
{
  assertReadEnabled();
  if (index >= m_children.size())
    throw OdError_InvalidIndex();
  return openField(m_children[index], openMode);
}

OdString OdDbField::evaluatorId() const
{
  assertReadEnabled();
  if (m_textField)
    return kTextEvaluator;
  if (m_code.isEmpty())
    return OdString();
  return OdString(evaluatorOf(m_code.wstr()));
}

OdString OdDbField::getFormat() const
{
  assertReadEnabled();
  OdString format;
  if (!m_textField && !m_code.isEmpty())
    evaluateExpression(m_code.wstr(), &format);
  return format;
}

OdDbField::EvalOption OdDbField::evaluationOption() const
{
  assertReadEnabled();
  return m_evalOption;
}

void OdDbField::setEvaluationOption(EvalOption option)
{
  assertWriteEnabled(false, false);
  if ((option & ~kAutomatic) != 0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_evalOption = option;
}

int OdDbField::countDescendants() const
{
  int count = 0;
  for (const OdDbObjectId& childId : m_children)
  {
    OdDbFieldPtr pChild = openField(childId, OdDb::kForRead);
    if (!pChild.isNull())
      count += 1 + pChild->countDescendants();
  }
  return count;
}

OdResult OdDbField::evaluate(int nContext, OdDbDatabase* /*pDb*/, int* pNumFound, int* pNumEvaluated)
{
  assertWriteEnabled(false, false);
  if (pNumFound)
    *pNumFound = 0;
  if (pNumEvaluated)
    *pNumEvaluated = 0;
  const int allContexts = kOpen | kSave | kPlot | kEtransmit | kRegen | kDemand | kPreview;
  if ((nContext & allContexts) == 0 || (nContext & ~allContexts) != 0)
  {
    assertWriteEnabled();
    m_evalStatus = kInvalidContext;
    m_errorMessage = L"Invalid evaluation context";
    return eInvalidInput;
  }
  int found = 1;
  int evaluated = 0;
  const bool due = (nContext & kPreview) != 0 || (nContext & m_evalOption) != 0;
  for (const OdDbObjectId& childId : m_children)
  {
    OdDbFieldPtr pChild = openField(childId, OdDb::kForWrite);
    if (pChild.isNull())
      continue;
    int childFound = 0, childEvaluated = 0;
    pChild->evaluate(nContext, 0, &childFound, &childEvaluated);
    found += childFound;
    evaluated += childEvaluated;
  }
  if (due)
  {
    assertWriteEnabled();
    compose();
    ++evaluated;
    updateOwner();
  }
  if (pNumFound)
    *pNumFound = found;
  if (pNumEvaluated)
    *pNumEvaluated = evaluated;
  return eOk;
}

void OdDbField::compose()
{
  Evaluation result;
  if (m_textField)
  {
    std::wstring out;
    const bool complete = substitutePlaceholders(
        m_code.wstr(),
        [this](OdUInt32 index, OdString& text) {
          if (index >= m_children.size())
            return false;
          OdDbFieldPtr pChild = openField(m_children[index], OdDb::kForRead);
          if (pChild.isNull())
            return false;
          text = pChild->m_evaluatedText;
          return true;
        },
        out);
    result.text = OdString(out);
    if (!complete)
    {
      result.status = kInvalidCode;
      result.message = L"Missing child field";
    }
  }
  else
  {
    result = evaluateExpression(m_code.wstr());
  }
  m_evaluatedText = result.text;
  m_evalStatus = result.status;
  m_errorMessage = result.message;
  m_state = (m_state & ~kModified) | kInitialized | kCompiled | kEvaluated | kHasCache;
}

void OdDbField::updateOwner()
{
  const OdDbObjectId owner = ownerId();
  if (!odDbIdIsKindOf(owner, OdDbText::desc()) && !odDbIdIsKindOf(owner, OdDbMText::desc()))
    return;
  OdDbObjectPtr pOwner = owner.openObject(OdDb::kForWrite);
  if (pOwner.isNull() || pOwner->getField(L"TEXT") != objectId())
    return;
  if (OdDbText* pText = OdDbText::cast(pOwner.get()).get())
  {
    if (pText->textString() != m_evaluatedText)
      pText->setTextString(m_evaluatedText);
  }
  else if (OdDbMText* pMText = OdDbMText::cast(pOwner.get()).get())
  {
    if (pMText->contents() != m_evaluatedText)
      pMText->setContents(m_evaluatedText);
  }
}

int OdDbField::state() const
{
  assertReadEnabled();
  return m_state;
}

OdDbField::EvalStatus OdDbField::evaluationStatus(int* pErrorCode, OdString* pErrorMessage) const
{
  assertReadEnabled();
  if (pErrorCode)
    *pErrorCode = m_evalStatus == kSuccess || m_evalStatus == kNotYetEvaluated ? 0 : static_cast<int>(m_evalStatus);
  if (pErrorMessage)
    *pErrorMessage = m_errorMessage;
  return m_evalStatus;
}

OdResult OdDbField::subErase(bool erasing)
{
  for (const OdDbObjectId& childId : m_children)
  {
    OdDbObjectPtr pChild = childId.openObject(OdDb::kForWrite, true);
    if (!pChild.isNull() && pChild->isErased() != erasing)
      pChild->erase(erasing);
  }
  return OdDbObject::subErase(erasing);
}

void OdDbField::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbObject::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(desc()->name());
  pFiler->wrString(1, evaluatorId());
  pFiler->wrString(2, m_code);
  pFiler->wrInt32(90, static_cast<OdInt32>(m_children.size()));
  for (const OdDbObjectId& childId : m_children)
    pFiler->wrObjectId(360, childId);
  pFiler->wrInt32(91, m_evalOption);
  pFiler->wrInt32(94, m_state);
  pFiler->wrInt32(95, m_evalStatus);
  pFiler->wrString(300, m_errorMessage);
  pFiler->wrString(301, getFormat());
  pFiler->wrString(304, m_evaluatedText);
}

void OdDbField::copyFrom(const OdRxObject* pSource)
{
  OdDbObject::copyFrom(pSource);
  const OdDbField* pSrc = static_cast<const OdDbField*>(pSource);
  if (pSrc == this)
    return;
  if (!pSrc->m_children.isEmpty())
    throw OdError(eNotImplementedYet);
  m_code = pSrc->m_code;
  m_textField = pSrc->m_textField;
  m_evaluatedText = pSrc->m_evaluatedText;
  m_state = pSrc->m_state;
  m_evalOption = pSrc->m_evalOption;
  m_evalStatus = pSrc->m_evalStatus;
  m_errorMessage = pSrc->m_errorMessage;
}

OdResult oddbEvaluateFields(OdDbDatabase* pDb, int nContext, const OdDbObjectIdArray* objIds, int* pNumFound,
                            int* pNumEvaluated)
{
  if (!pDb)
    return eNoDatabase;
  OdDbObjectIdArray ids;
  if (objIds)
    ids = *objIds;
  else
  {
    OdSmartPtr<OdDbBlockTable> pBlocks = OdDbBlockTable::cast(pDb->getBlockTableId().openObject().get());
    if (pBlocks.isNull())
      return eNullObjectPointer;
    for (OdDbSymbolTableIteratorPtr pIt = pBlocks->newIterator(); !pIt->done(); pIt->step())
    {
      OdDbBlockTableRecordPtr pBlock = OdDbBlockTableRecord::cast(pIt->getRecord().get());
      if (!pBlock.isNull())
        ids.append(pBlock->entityIds());
    }
  }
  int found = 0, evaluated = 0;
  OdResult result = eOk;
  for (const OdDbObjectId& id : ids)
  {
    if (id.database() != pDb)
      return eWrongDatabase;
    OdDbObjectPtr pObj = id.openObject(OdDb::kForRead);
    if (pObj.isNull())
      continue;
    for (const OdString& name : pObj->fieldNames())
    {
      OdDbFieldPtr pField = openField(pObj->getField(name), OdDb::kForWrite);
      if (pField.isNull())
        continue;
      int fieldFound = 0, fieldEvaluated = 0;
      const OdResult res = pField->evaluate(nContext, pDb, &fieldFound, &fieldEvaluated);
      if (res != eOk)
        result = res;
      found += fieldFound;
      evaluated += fieldEvaluated;
    }
  }
  if (pNumFound)
    *pNumFound = found;
  if (pNumEvaluated)
    *pNumEvaluated = evaluated;
  return result;
}
