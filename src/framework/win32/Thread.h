#pragma once
// The framework's worker thread. A derived class puts its loop in Execute, which checks
// Terminated() (or waits on TerminateEvent()) to know when to stop. The thread is made
// suspended: set the priority, then Start.
//
// Stopping: TerminateAndWait (also run by the destructor) flags the thread, serves the
// hand-overs it may be waiting on and joins it. A derived class whose Execute uses its own
// members calls TerminateAndWait first thing in its own destructor, because those members
// are gone by the time the base destructor runs. Owners join their threads before the window
// that receives the threads' data is destroyed.
//
// An exception that escapes Execute ends the thread; its text is kept in FatalException and
// goes no further.

#include <windows.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>

namespace tav {

enum class TThreadPriority {
    tpIdle,
    tpLowest,
    tpLower,
    tpNormal,
    tpHigher,
    tpHighest,
    tpTimeCritical
};

class TThread {
public:
    TThread();
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    // Starts Execute on a new thread. Throws std::logic_error when called twice and
    // std::system_error when Windows cannot make the thread.
    void Start();

    // Asks Execute to end: sets the flag and signals TerminateEvent. Does not wait.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Manual-reset event signalled by Terminate, for loops that wait on other handles too.
    HANDLE TerminateEvent() const { return terminateEvent_; }

    // Waits until Execute has ended; on the main thread it serves the hand-overs that the
    // thread (or any other) waits on meanwhile. Returns at once when the thread never started.
    // Throws std::logic_error when called from the thread itself.
    void WaitFor();
    // Terminate, then WaitFor; on the main thread pending hand-overs run first, so a delivery
    // the thread is already waiting on still happens. On the thread itself (the destructor of
    // a self-freeing thread) it only terminates.
    void TerminateAndWait();

    bool Finished() const { return finished_; }
    // The text of the exception that ended Execute, if one did.
    std::optional<std::string> FatalException() const;

    TThreadPriority Priority() const { return priority_; }
    // Applied at Start, or at once on a running thread.
    void SetPriority(TThreadPriority priority);

    // When set before the thread ends, the object deletes itself after Execute; nobody else
    // may delete it or wait for it then. Off by default.
    bool FreeOnTerminate() const { return freeOnTerminate_; }
    void SetFreeOnTerminate(bool value) { freeOnTerminate_ = value; }

    HANDLE Handle() const { return handle_; }
    DWORD ThreadID() const { return threadId_; }

protected:
    virtual void Execute() = 0;

    // Hand-over from inside Execute; Terminate cancels a synchronous wait that has not
    // started on the main thread yet.
    bool Synchronize(std::function<void()> fn, DWORD timeoutMs = INFINITE);
    bool Queue(std::function<void()> fn);

private:
    static DWORD WINAPI ThreadProc(void* self);

    HANDLE handle_ = nullptr;
    DWORD threadId_ = 0;
    HANDLE terminateEvent_ = nullptr;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    std::atomic<bool> freeOnTerminate_{false};
    TThreadPriority priority_ = TThreadPriority::tpNormal;
    std::optional<std::string> fatal_;
};

// The Windows priority value of a TThreadPriority.
int WindowsThreadPriority(TThreadPriority priority);

} // namespace tav
