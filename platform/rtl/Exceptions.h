#pragma once
// The runtime's exception families.  Every failure the program reports is an
// Exception carrying its message text and an optional help context.
#include <exception>
#include <string>

#include "platform/rtl/UString.h"

class Exception : public std::exception {
public:
    explicit Exception(const String& message, int helpContext = 0)
        : FMessage(message), FHelpContext(helpContext), FWhat(message.ToUtf8()) {}
    const String& Message() const { return FMessage; }
    void SetMessage(const String& message) { FMessage = message; FWhat = message.ToUtf8(); }
    int HelpContext() const { return FHelpContext; }
    const char* what() const noexcept override { return FWhat.c_str(); }

private:
    String FMessage;
    int FHelpContext;
    std::string FWhat;
};

#define DORVANE_EXCEPTION(Name, Base)                                            \
    class Name : public Base {                                                   \
    public:                                                                      \
        explicit Name(const String& message, int helpContext = 0)                \
            : Base(message, helpContext) {}                                      \
    }

DORVANE_EXCEPTION(EAbort, Exception);
DORVANE_EXCEPTION(EConvertError, Exception);
DORVANE_EXCEPTION(EInvalidOperation, Exception);
DORVANE_EXCEPTION(EInvalidCast, Exception);
DORVANE_EXCEPTION(EInvalidPointer, Exception);
DORVANE_EXCEPTION(EAbstractError, Exception);
DORVANE_EXCEPTION(EOutOfMemory, Exception);
DORVANE_EXCEPTION(EOutOfResources, EOutOfMemory);   // no timer, handle or window left
DORVANE_EXCEPTION(EAccessViolation, Exception);
DORVANE_EXCEPTION(EExternal, Exception);
DORVANE_EXCEPTION(EIntError, EExternal);
DORVANE_EXCEPTION(EDivByZero, EIntError);
DORVANE_EXCEPTION(ERangeError, EIntError);
DORVANE_EXCEPTION(EIntOverflow, EIntError);
DORVANE_EXCEPTION(EMathError, EExternal);
DORVANE_EXCEPTION(EInvalidOp, EMathError);
DORVANE_EXCEPTION(EZeroDivide, EMathError);
DORVANE_EXCEPTION(EOverflow, EMathError);
DORVANE_EXCEPTION(EUnderflow, EMathError);
DORVANE_EXCEPTION(EStreamError, Exception);
DORVANE_EXCEPTION(EFilerError, EStreamError);
DORVANE_EXCEPTION(EReadError, EFilerError);
DORVANE_EXCEPTION(EWriteError, EFilerError);
DORVANE_EXCEPTION(EClassNotFound, EFilerError);
DORVANE_EXCEPTION(EFCreateError, EStreamError);
DORVANE_EXCEPTION(EFOpenError, EStreamError);
DORVANE_EXCEPTION(EResNotFound, Exception);
DORVANE_EXCEPTION(EListError, Exception);
DORVANE_EXCEPTION(EStringListError, Exception);
DORVANE_EXCEPTION(EBitsError, Exception);
DORVANE_EXCEPTION(EComponentError, Exception);
DORVANE_EXCEPTION(EPropertyError, Exception);
DORVANE_EXCEPTION(EThread, Exception);
DORVANE_EXCEPTION(EIniFileException, Exception);
DORVANE_EXCEPTION(EAssertionFailed, Exception);

// I/O error with the runtime's numeric code (2 file not found, 5 access denied,
// 100 read beyond end of file, 101 disk write error, 103 file not open ...).
class EInOutError : public Exception {
public:
    EInOutError(const String& message, int errorCode) : Exception(message), ErrorCode(errorCode) {}
    int ErrorCode;
};

// Operating-system failure with the system's error code.
class EOSError : public Exception {
public:
    explicit EOSError(const String& message, int errorCode = 0) : Exception(message), ErrorCode(errorCode) {}
    int ErrorCode;
};
