#pragma once
// The one way worker threads give work to the main thread. The engine's state belongs to the
// main thread, so a worker hands over a callable instead of touching that state itself:
//  - Synchronize: the worker waits until the callable ran on the main thread (bounded and
//    cancellable);
//  - Queue: the worker goes on at once; the callable owns copies of what it needs.
// Delivery rides on a message posted to a hidden message-only window of the main thread, so
// every message loop serves it: the main loop, message pumping inside a long action, and the
// modal loops of dialogs and message boxes.
//
// The application makes one THandOver on its main thread before it starts any worker and
// destroys it after every worker has been joined. An exception thrown by a handed-over
// callable goes to the application's exception handler and never reaches the worker.

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>

namespace tav {

using ExceptionHandler = std::function<void(const std::string& message)>;

// Installs the application's exception handler and returns the one it replaces; an empty
// handler restores the default, which shows the message in an error message box.
ExceptionHandler SetExceptionHandler(ExceptionHandler handler);
// Passes a message to the current exception handler. The handler's own failures are dropped.
void HandleException(const std::string& message) noexcept;
// Runs `fn`; whatever it throws goes to HandleException instead of the caller.
void CallGuarded(const std::function<void()>& fn) noexcept;

class THandOver {
public:
    // On the main thread. Throws std::logic_error while another instance exists and
    // std::runtime_error when the window cannot be made.
    THandOver();
    // Frees callables still waiting without running them; a worker waiting in Synchronize
    // returns false.
    ~THandOver();
    THandOver(const THandOver&) = delete;
    THandOver& operator=(const THandOver&) = delete;

    // True on the thread that made the current instance.
    static bool IsMainThread();

    // Runs `fn` on the main thread and waits until it has run. Gives up, returning false,
    // when `timeoutMs` passes or `cancel` (an event handle, may be null) is signalled before
    // the main thread has started it; once started it is waited for to the end. Called on the
    // main thread it runs `fn` at once. Returns false without an instance.
    static bool Synchronize(std::function<void()> fn, DWORD timeoutMs = INFINITE,
                            HANDLE cancel = nullptr);
    // Hands `fn` to the main thread without waiting. Returns false without an instance.
    static bool Queue(std::function<void()> fn);

    // Runs every callable waiting now, in the order handed over. Main thread only; elsewhere
    // it does nothing. Message loops do this by themselves.
    static void ProcessPending();

    // For a main thread that waits for a worker in MsgWaitForMultipleObjects with
    // QS_POSTMESSAGE | QS_SENDMESSAGE: after each wake-up it serves the hand-overs and the
    // messages sent from other threads, and leaves every other message in the queue.
    static void ServeWhileWaiting();

private:
    struct Item;
    static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static bool Post(const std::shared_ptr<Item>& item);
    static bool Withdraw(const std::shared_ptr<Item>& item);

    DWORD mainThreadId_;
    HWND window_ = nullptr;
    std::deque<std::shared_ptr<Item>> items_;
    bool wakePosted_ = false;
};

} // namespace tav
