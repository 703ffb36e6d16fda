#pragma once
// Worker threads and the clocks of the runtime.
#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/rtl/Types.h"

// A thread is created suspended; Start runs Execute on a new thread.  The
// terminated flag only asks Execute to stop, which it polls.  An exception
// that leaves Execute ends the thread and is kept in FatalException.
class TThread {
public:
    TThread() = default;
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;
    // A running thread is asked to terminate and waited for.  A descendant
    // whose Execute uses its own fields terminates and waits in its own
    // destructor, before those fields go.
    virtual ~TThread();

    void Start();                 // EThread when the thread was started before
    void Resume() { Start(); }
    void Terminate() { FTerminated = true; }
    bool Terminated() const { return FTerminated; }
    bool Started() const { return FStarted; }
    bool Finished() const { return FFinished; }
    // Waits until Execute has ended (at once when never started) and gives
    // ReturnValue; EThread when a thread waits for itself.
    Integer WaitFor();
    Integer ReturnValue() const { return FReturnValue; }
    std::exception_ptr FatalException() const { return FFatalException; }

    // With FreeOnTerminate the object deletes itself when Execute has ended
    // (it must then be made with new, and not be touched after Start).
    bool FreeOnTerminate() const { return FFreeOnTerminate; }
    void SetFreeOnTerminate(bool value) { FFreeOnTerminate = value; }
    // Called on the thread itself, after Execute.
    std::function<void(TThread& sender)> OnTerminate;

    static Integer ProcessorCount();

protected:
    virtual void Execute() = 0;
    void SetReturnValue(Integer value) { FReturnValue = value; }

private:
    void Run();

    std::thread FThread;
    std::atomic<bool> FTerminated = false;
    std::atomic<bool> FStarted = false;
    std::atomic<bool> FFinished = false;
    std::atomic<Integer> FReturnValue = 0;
    bool FFreeOnTerminate = false;
    std::exception_ptr FFatalException;
    std::mutex FLock;
    std::condition_variable FDone;
};

// Milliseconds since the system started, wrapping at 2^32.
Cardinal GetTickCount();
// A monotonic counter and its ticks per second; both always succeed here.
bool QueryPerformanceCounter(Int64& count);
bool QueryPerformanceFrequency(Int64& frequency);
void Sleep(Cardinal milliseconds);
