// OdError and the assertion entry point.
#include "OdError.h"

#include <cstdio>

#include "RxObject.h"

namespace
{
void defaultAssert(const char* expression, const char* fileName, int nLineNo)
{
  std::fprintf(stderr, "Assertion failed: %s (%s:%d)\n", expression, fileName, nLineNo);
}
OdAssertFuncPtr g_assertFunc = &defaultAssert;
}

OdAssertFuncPtr odSetAssertFunc(OdAssertFuncPtr assertFunc)
{
  OdAssertFuncPtr previous = g_assertFunc;
  g_assertFunc = assertFunc ? assertFunc : &defaultAssert;
  return previous == &defaultAssert ? nullptr : previous;
}

void OdAssert(const char* expression, const char* fileName, int nLineNo)
{
  g_assertFunc(expression, fileName, nLineNo);
}

OdString OdError::codeText(OdResult code)
{
  switch (code)
  {
  case eOk: return L"No error";
  case eNotImplementedYet: return L"Not implemented yet";
  case eNotApplicable: return L"Not applicable";
  case eInvalidInput: return L"Invalid input";
  case eInvalidOpenState: return L"Invalid open state";
  case eNullObjectPointer: return L"Null object pointer";
  case eNullObjectId: return L"Null object id";
  case eKeyNotFound: return L"Key not found";
  case eDuplicateKey: return L"Duplicate key";
  case eInvalidIndex: return L"Invalid index";
  case eWrongObjectType: return L"Wrong object type";
  case eWrongDatabase: return L"Wrong database";
  case eNotOpenForRead: return L"Not opened for read";
  case eNotOpenForWrite: return L"Not opened for write";
  case eNotThatKindOfClass: return L"Not that kind of class";
  case eWasErased: return L"Was erased";
  case eDegenerateGeometry: return L"Degenerate geometry";
  case eNotInitializedYet: return L"Not initialized yet";
  case eExtendedError: return L"Extended error";
  case eFileNotFound: return L"File not found";
  case eCantOpenFile: return L"Can't open file";
  case eSyntaxError: return L"Syntax error";
  case eInvalidFileVersion: return L"Invalid file version";
  default: break;
  }
  OdString text;
  text.format(L"Error %d", static_cast<int>(code));
  return text;
}

OdError::OdError(OdResult code) : OdError(code, codeText(code)) {}

OdError::OdError(OdResult code, const OdString& message)
  : m_code(code), m_description(message), m_what(message.toUtf8())
{
}

OdError::OdError(const OdString& message) : OdError(eExtendedError, message) {}

OdError_NotThatKindOfClass::OdError_NotThatKindOfClass() : OdError(eNotThatKindOfClass) {}

static OdString notThatKindText(const OdRxClass* objectClass, const OdRxClass* expectedClass)
{
  OdString text = OdError::codeText(eNotThatKindOfClass);
  text += L": ";
  text += objectClass ? objectClass->name() : OdString(L"(unknown)");
  text += L" is not ";
  text += expectedClass ? expectedClass->name() : OdString(L"(unknown)");
  return text;
}

OdError_NotThatKindOfClass::OdError_NotThatKindOfClass(const OdRxClass* objectClass,
                                                       const OdRxClass* expectedClass)
  : OdError(eNotThatKindOfClass, notThatKindText(objectClass, expectedClass))
{
}

void odThrowNotThatKindOfClass(const OdRxObject* pObject, const OdRxClass* pExpected)
{
  throw OdError_NotThatKindOfClass(pObject ? pObject->isA() : nullptr, pExpected);
}
