// OdStaticRxObject lives in RxObjectImpl.h; this header keeps the SDK's include name.
#include "RxObjectImpl.h"
