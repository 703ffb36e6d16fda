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
//
// The rule for descendants: Execute must have ended before the descendant's
// part of the object goes, so a descendant that can be destroyed while its
// thread runs calls TerminateAndWaitFor (or WaitFor) in its own destructor.
// The base destructor comes too late for that; finding Execute still running
// there, it stops the program with a message rather than let Execute go on
// with a half-destroyed object.
class TThread {
public:
    TThread() = default;
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;
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
    // Asks Execute to stop and waits until it has ended.
    void TerminateAndWaitFor();
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

// Milliseconds since the system started, wrapping at 2^32; with a tick clock
// installed, that clock's count.
Cardinal GetTickCount();

// A clock that stands in for the system's milliseconds (a test's clock, which
// moves only when the test advances it).
class TTickClock {
public:
    virtual ~TTickClock() = default;
    virtual Cardinal TickCount() const = 0;
};
void SetTickClock(const TTickClock* clock);   // null: the system's clock
// A monotonic counter and its ticks per second; both always succeed here.
bool QueryPerformanceCounter(Int64& count);
bool QueryPerformanceFrequency(Int64& frequency);
void Sleep(Cardinal milliseconds);
