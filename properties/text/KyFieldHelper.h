// CKyFieldHelper: writes an edited display string back into a text that may be driven by a field.
// Child fields whose displayed value still occurs in the new string stay in place (as child
// placeholders of a new text field code); everything else becomes literal text.
#ifndef KY_FIELD_HELPER_H
#define KY_FIELD_HELPER_H

#include "KyString.h"

class CKyFieldHelper
{
public:
  // The object (a smart pointer to a single-line text or a class derived from it) must be open
  // for write. Only the single-line text interface of the object is used.
  template <class T>
  static void setFieldsFromString(T& object, const CKyString& text);
};

#endif
