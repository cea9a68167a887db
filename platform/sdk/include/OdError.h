// The SDK's exception. Every failure inside the SDK surfaces as an OdError carrying a result code.
#ifndef OD_ERROR_H
#define OD_ERROR_H

#include <exception>
#include <string>

#include "OdString.h"

class OdRxClass;

class OdError : public std::exception
{
public:
  explicit OdError(OdResult code);
  OdError(OdResult code, const OdString& message);
  explicit OdError(const OdString& message);

  OdResult code() const { return m_code; }
  OdString description() const { return m_description; }
  const char* what() const noexcept override { return m_what.c_str(); }

  // Text for a result code, as shown in error messages.
  static OdString codeText(OdResult code);

private:
  OdResult m_code;
  OdString m_description;
  std::string m_what;
};

class OdError_InvalidIndex : public OdError
{
public:
  OdError_InvalidIndex() : OdError(eInvalidIndex) {}
};

class OdError_NotThatKindOfClass : public OdError
{
public:
  OdError_NotThatKindOfClass();
  OdError_NotThatKindOfClass(const OdRxClass* objectClass, const OdRxClass* expectedClass);
};

class OdError_InvalidInput : public OdError
{
public:
  OdError_InvalidInput() : OdError(eInvalidInput) {}
};

#endif
