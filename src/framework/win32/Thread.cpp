#include "framework/win32/Thread.h"

#include "framework/win32/HandOver.h"

#include <stdexcept>
#include <system_error>

namespace tav {

int WindowsThreadPriority(TThreadPriority priority) {
    switch (priority) {
    case TThreadPriority::tpIdle:
        return THREAD_PRIORITY_IDLE;
    case TThreadPriority::tpLowest:
        return THREAD_PRIORITY_LOWEST;
    case TThreadPriority::tpLower:
        return THREAD_PRIORITY_BELOW_NORMAL;
    case TThreadPriority::tpNormal:
        return THREAD_PRIORITY_NORMAL;
    case TThreadPriority::tpHigher:
        return THREAD_PRIORITY_ABOVE_NORMAL;
    case TThreadPriority::tpHighest:
        return THREAD_PRIORITY_HIGHEST;
    case TThreadPriority::tpTimeCritical:
        return THREAD_PRIORITY_TIME_CRITICAL;
    }
    return THREAD_PRIORITY_NORMAL;
}

TThread::TThread() : terminateEvent_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    if (!terminateEvent_)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "Cannot create the thread's terminate event");
}

TThread::~TThread() {
    TerminateAndWait();
    if (handle_)
        CloseHandle(handle_);
    CloseHandle(terminateEvent_);
}

void TThread::Start() {
    if (handle_)
        throw std::logic_error("Thread already started");
    handle_ = CreateThread(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, &threadId_);
    if (!handle_)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "Cannot create a thread");
    SetThreadPriority(handle_, WindowsThreadPriority(priority_));
    ResumeThread(handle_);
}

void TThread::Terminate() {
    terminated_ = true;
    SetEvent(terminateEvent_);
}

void TThread::WaitFor() {
    if (!handle_)
        return;
    if (GetCurrentThreadId() == threadId_)
        throw std::logic_error("A thread cannot wait for itself");
    if (!THandOver::IsMainThread()) {
        WaitForSingleObject(handle_, INFINITE);
        return;
    }
    // The thread may be waiting for the main thread.
    for (;;) {
        THandOver::ServeWhileWaiting();
        const DWORD result = MsgWaitForMultipleObjects(1, &handle_, FALSE, INFINITE,
                                                       QS_POSTMESSAGE | QS_SENDMESSAGE);
        if (result != WAIT_OBJECT_0 + 1)
            return;
    }
}

void TThread::TerminateAndWait() {
    if (handle_ && GetCurrentThreadId() == threadId_) {
        Terminate(); // a self-freeing thread's destructor: it is ending already
        return;
    }
    THandOver::ProcessPending();
    Terminate();
    WaitFor();
}

std::optional<std::string> TThread::FatalException() const {
    if (!finished_)
        return std::nullopt;
    return fatal_;
}

void TThread::SetPriority(TThreadPriority priority) {
    priority_ = priority;
    if (handle_ && !finished_)
        SetThreadPriority(handle_, WindowsThreadPriority(priority));
}

bool TThread::Synchronize(std::function<void()> fn, DWORD timeoutMs) {
    return THandOver::Synchronize(std::move(fn), timeoutMs, terminateEvent_);
}

bool TThread::Queue(std::function<void()> fn) {
    return THandOver::Queue(std::move(fn));
}

DWORD WINAPI TThread::ThreadProc(void* param) {
    auto* self = static_cast<TThread*>(param);
    try {
        try {
            self->Execute();
        } catch (const std::exception& e) {
            self->fatal_ = e.what();
        } catch (...) {
            self->fatal_ = "Unknown exception";
        }
    } catch (...) {
        // Keeping the text failed (no memory); the thread still ends cleanly.
    }
    const bool freeSelf = self->freeOnTerminate_;
    self->finished_ = true;
    if (freeSelf)
        delete self;
    return 0;
}

} // namespace tav
