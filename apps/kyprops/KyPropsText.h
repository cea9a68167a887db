// Small text conversions shared by kyprops: SDK strings and SDK errors as Qt strings.
#ifndef KYPROPS_TEXT_H
#define KYPROPS_TEXT_H

#include <QString>

#include "OdError.h"
#include "OdString.h"

inline QString KyQString(const OdString& text)
{
  return QString::fromStdWString(text.c_str());
}

// The error's own description, else the text of its result code.
inline QString KyErrorText(const OdError& error)
{
  const QString description = KyQString(error.description());
  return description.isEmpty() ? KyQString(OdError::codeText(error.code())) : description;
}

#endif
