// Shared memory under a lock file, and local-socket messages, in the user's runtime folder.
#include "platform/rtl/InstanceLink.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cctype>
#include <cstring>

#include "platform/rtl/FileSys.h"

namespace {

// A name usable in file and shared-memory names: letters, digits, "." "_" "-" kept.
std::string SafeName(const String& name)
{
    std::string out;
    for (char c : name.ToUtf8())
        out += (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == '-') ? c : '_';
    return out;
}

std::string RuntimeFile(const String& name, const char* suffix)
{
    return (UserRuntimeDir() + "dorvane-" + String(SafeName(name)) + suffix).ToUtf8();
}

bool FillAddress(const std::string& path, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool SendAll(int socket, const void* data, size_t size)
{
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t sent = ::send(socket, p, size, MSG_NOSIGNAL);
        if (sent <= 0) return false;
        p += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

bool ReceiveAll(int socket, void* data, size_t size)
{
    char* p = static_cast<char*>(data);
    while (size > 0) {
        ssize_t got = ::recv(socket, p, size, 0);
        if (got <= 0) return false;
        p += got;
        size -= static_cast<size_t>(got);
    }
    return true;
}

void SetTimeout(int socket, int milliseconds)
{
    timeval tv{milliseconds / 1000, (milliseconds % 1000) * 1000};
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
}

constexpr Cardinal MaxMessage = 64u << 20;

}  // namespace

// ---------------------------------------------------------------- shared memory

TNamedMapping::TNamedMapping(const String& name, Cardinal size) : FSize(size)
{
    FShmName = "/dorvane-" + std::to_string(::getuid()) + "-" + SafeName(name);
    ForceDirectories(UserRuntimeDir());
    FLockFile = ::open(RuntimeFile(name, ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (FLockFile < 0) return;
    int shm;
    if (::flock(FLockFile, LOCK_EX | LOCK_NB) == 0) {
        ::shm_unlink(FShmName.c_str());   // left by a copy that ended without cleaning up
        shm = ::shm_open(FShmName.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
        if (shm >= 0 && ::ftruncate(shm, size) != 0) {
            ::close(shm);
            shm = -1;
        }
    } else {
        FExisted = true;
        ::close(FLockFile);   // the lock stays with its holder
        FLockFile = -1;
        shm = ::shm_open(FShmName.c_str(), O_RDWR, 0600);
    }
    if (shm < 0) return;
    void* memory = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, shm, 0);
    ::close(shm);
    if (memory != MAP_FAILED) FMemory = static_cast<Byte*>(memory);
}

TNamedMapping::~TNamedMapping()
{
    if (FMemory) ::munmap(FMemory, FSize);
    if (FLockFile >= 0) {
        ::shm_unlink(FShmName.c_str());
        ::close(FLockFile);   // releases the lock
    }
}

// ---------------------------------------------------------------- messages

TLocalMessageServer::TLocalMessageServer(const String& name, TReceive receive)
    : FPath(RuntimeFile(name, ".sock")), FReceive(std::move(receive))
{
    sockaddr_un address;
    if (!FillAddress(FPath, address)) return;
    ForceDirectories(UserRuntimeDir());
    ::unlink(FPath.c_str());
    FSocket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (FSocket < 0) return;
    if (::bind(FSocket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(FSocket, 8) != 0) {
        ::close(FSocket);
        FSocket = -1;
    }
}

TLocalMessageServer::~TLocalMessageServer()
{
    if (FSocket < 0) return;
    ::close(FSocket);
    ::unlink(FPath.c_str());
}

int TLocalMessageServer::HandlePending()
{
    int handled = 0;
    while (FSocket >= 0) {
        int client = ::accept4(FSocket, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) break;
        SetTimeout(client, 2000);   // a sender that stalls is dropped
        Cardinal size = 0;
        std::vector<Byte> data;
        if (ReceiveAll(client, &size, sizeof size) && size <= MaxMessage) {
            data.resize(size);
            if (ReceiveAll(client, data.data(), size)) {
                if (FReceive) FReceive(data);
                const Byte done = 1;
                SendAll(client, &done, 1);
                ++handled;
            }
        }
        ::close(client);
    }
    return handled;
}

bool SendLocalMessage(const String& name, const void* data, Cardinal size, int timeoutMs)
{
    sockaddr_un address;
    if (size > MaxMessage || !FillAddress(RuntimeFile(name, ".sock"), address)) return false;
    int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) return false;
    SetTimeout(socket, timeoutMs);
    Byte done = 0;
    bool sent = ::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                SendAll(socket, &size, sizeof size) && SendAll(socket, data, size) && ReceiveAll(socket, &done, 1);
    ::close(socket);
    return sent && done == 1;
}
