#include "platform/rtl/RtlConsts.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysFormat.h"

String ListIndexErrorMessage(Integer index) { return StringReplace(SListIndexError, "%d", IntToStr(index), 0); }

void AssertionFailed(const String& Message, const String& Unit, Integer Line)
{
    const String text = Message.IsEmpty() ? String(SAssertionFailed) : Message;
    throw EAssertionFailed(Format(SAssertError, {text, Unit, Line}));
}
