#pragma once
// What a program needs to find a running copy of itself and hand it data: a named block of
// shared memory that lives as long as its first creator, and a local message channel.
//
// The block is POSIX shared memory guarded by a lock file in the user's runtime folder: its
// creator holds the lock for as long as it keeps the block, so a copy that crashed leaves no
// block that later starts would take for a running one.  Messages go over a local socket in the
// same folder; a sender waits until the receiver has handled its message.
#include <functional>
#include <vector>

#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

class TNamedMapping {
public:
    // Creates the block of that name, or opens it when a live process keeps it.  Names are the
    // user's own.
    TNamedMapping(const String& name, Cardinal size);
    ~TNamedMapping();
    TNamedMapping(const TNamedMapping&) = delete;
    TNamedMapping& operator=(const TNamedMapping&) = delete;

    bool Valid() const { return FMemory != nullptr; }
    // True when another live process created the block.
    bool AlreadyExisted() const { return FExisted; }
    Byte* Memory() const { return FMemory; }
    Cardinal Size() const { return FSize; }

private:
    std::string FShmName;
    int FLockFile = -1;
    Byte* FMemory = nullptr;
    Cardinal FSize;
    bool FExisted = false;
};

// Receives the messages sent to a name; HandlePending takes the waiting ones without blocking.
class TLocalMessageServer {
public:
    using TReceive = std::function<void(const std::vector<Byte>& data)>;
    TLocalMessageServer(const String& name, TReceive receive);
    ~TLocalMessageServer();
    TLocalMessageServer(const TLocalMessageServer&) = delete;
    TLocalMessageServer& operator=(const TLocalMessageServer&) = delete;

    bool Listening() const { return FSocket >= 0; }
    // The socket to wait on for messages.
    int Handle() const { return FSocket; }
    // Handles every message already waiting; returns how many.
    int HandlePending();

private:
    std::string FPath;
    int FSocket = -1;
    TReceive FReceive;
};

// Sends data to the server of that name and waits (up to timeoutMs) until it has been handled.
bool SendLocalMessage(const String& name, const void* data, Cardinal size, int timeoutMs = 10000);
