#include "platform/rtl/RtlConsts.h"

#include "platform/rtl/SysFormat.h"

String ListIndexErrorMessage(Integer index) { return StringReplace(SListIndexError, "%d", IntToStr(index), 0); }
