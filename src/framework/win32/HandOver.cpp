#include "framework/win32/HandOver.h"

#include "framework/win32/ProgramPath.h"

#include "framework/win32/Seams.h"

#include <mutex>
#include <stdexcept>

namespace tav {

namespace {

// Guards the current instance and every item's state: a worker may withdraw its item while
// the main thread takes it, and the instance may go away while workers still hand over.
std::mutex g_lock;
THandOver* g_current = nullptr;

std::mutex g_handlerLock;
ExceptionHandler g_handler;

constexpr UINT WakeMessage = WM_USER + 1;
constexpr char WindowClass[] = "TavriloHandOver";

void ShowExceptionBox(const std::string& message) {
    ShowMessageBox(message, ProgramTitle(), MB_OK | MB_ICONERROR);
}

} // namespace

ExceptionHandler SetExceptionHandler(ExceptionHandler handler) {
    std::lock_guard lock(g_handlerLock);
    ExceptionHandler previous = std::move(g_handler);
    g_handler = std::move(handler);
    return previous;
}

void HandleException(const std::string& message) noexcept {
    try {
        ExceptionHandler handler;
        {
            std::lock_guard lock(g_handlerLock);
            handler = g_handler;
        }
        if (handler)
            handler(message);
        else
            ShowExceptionBox(message);
    } catch (...) {
        // A failing handler has nowhere left to report to.
    }
}

void CallGuarded(const std::function<void()>& fn) noexcept {
    try {
        fn();
    } catch (const std::exception& e) {
        HandleException(e.what());
    } catch (...) {
        HandleException("Unknown exception");
    }
}

enum class ItemState { Queued, Running, Done, Withdrawn, Abandoned };

struct THandOver::Item {
    explicit Item(std::function<void()> f) : fn(std::move(f)) {}
    ~Item() {
        if (done)
            CloseHandle(done);
    }
    Item(const Item&) = delete;
    Item& operator=(const Item&) = delete;

    std::function<void()> fn;
    ItemState state = ItemState::Queued;
    HANDLE done = nullptr; // set when the waiting worker may go on; synchronous items only
};

THandOver::THandOver() : mainThreadId_(GetCurrentThreadId()) {
    std::lock_guard lock(g_lock);
    if (g_current)
        throw std::logic_error("A main-thread hand-over already exists");
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = WindowClass;
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error("Cannot register the hand-over window class");
    window_ = CreateWindowExA(0, WindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              wc.hInstance, nullptr);
    if (!window_)
        throw std::runtime_error("Cannot create the hand-over window");
    g_current = this;
}

THandOver::~THandOver() {
    std::deque<std::shared_ptr<Item>> left;
    {
        std::lock_guard lock(g_lock);
        g_current = nullptr;
        left.swap(items_);
        for (auto& item : left) {
            item->state = ItemState::Abandoned;
            if (item->done)
                SetEvent(item->done);
        }
    }
    left.clear(); // frees the callables and their copies outside the lock
    DestroyWindow(window_);
}

bool THandOver::IsMainThread() {
    std::lock_guard lock(g_lock);
    return g_current && g_current->mainThreadId_ == GetCurrentThreadId();
}

bool THandOver::Post(const std::shared_ptr<Item>& item) {
    std::lock_guard lock(g_lock);
    if (!g_current)
        return false;
    // One wake-up message at a time keeps a main thread that is blocked for long (waiting
    // for a started program) from filling its message queue. The flag drops when the message
    // is taken, before the queue is served, so a modal loop inside a running callable gets a
    // fresh wake-up for what arrives meanwhile.
    if (!g_current->wakePosted_) {
        if (!PostMessageA(g_current->window_, WakeMessage, 0, 0))
            return false;
        g_current->wakePosted_ = true;
    }
    g_current->items_.push_back(item);
    return true;
}

bool THandOver::Withdraw(const std::shared_ptr<Item>& item) {
    std::lock_guard lock(g_lock);
    switch (item->state) {
    case ItemState::Queued: {
        auto& items = g_current->items_; // a queued item always belongs to the live instance
        for (auto it = items.begin(); it != items.end(); ++it)
            if (*it == item) {
                items.erase(it);
                break;
            }
        item->state = ItemState::Withdrawn;
        return true;
    }
    case ItemState::Abandoned:
    case ItemState::Withdrawn:
        return true;
    case ItemState::Running:
    case ItemState::Done:
        break;
    }
    return false;
}

bool THandOver::Synchronize(std::function<void()> fn, DWORD timeoutMs, HANDLE cancel) {
    if (IsMainThread()) {
        CallGuarded(fn);
        return true;
    }
    auto item = std::make_shared<Item>(std::move(fn));
    item->done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!item->done || !Post(item))
        return false;
    const HANDLE handles[2] = {item->done, cancel};
    const DWORD count = cancel ? 2 : 1;
    const DWORD result = WaitForMultipleObjects(count, handles, FALSE, timeoutMs);
    if (result != WAIT_OBJECT_0 && Withdraw(item))
        return false;
    // Started on the main thread: it uses what the caller lent it, so wait for its end.
    WaitForSingleObject(item->done, INFINITE);
    std::lock_guard lock(g_lock);
    return item->state == ItemState::Done;
}

bool THandOver::Queue(std::function<void()> fn) {
    return Post(std::make_shared<Item>(std::move(fn)));
}

void THandOver::ProcessPending() {
    if (!IsMainThread())
        return;
    for (;;) {
        std::shared_ptr<Item> item;
        {
            std::lock_guard lock(g_lock);
            if (!g_current || g_current->items_.empty())
                return;
            item = std::move(g_current->items_.front());
            g_current->items_.pop_front();
            item->state = ItemState::Running;
        }
        CallGuarded(item->fn);
        std::lock_guard lock(g_lock);
        item->state = ItemState::Done;
        if (item->done)
            SetEvent(item->done);
    }
}

void THandOver::ServeWhileWaiting() {
    HWND window = nullptr;
    {
        std::lock_guard lock(g_lock);
        if (!g_current || g_current->mainThreadId_ != GetCurrentThreadId())
            return;
        window = g_current->window_;
    }
    MSG msg;
    // Runs messages sent from other threads and marks the queue as seen for the next wait.
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    // The wake-up is taken here, so that the next hand-over posts a new one and ends the wait.
    while (PeekMessageA(&msg, window, WakeMessage, WakeMessage, PM_REMOVE))
        DispatchMessageA(&msg);
    ProcessPending();
}

LRESULT CALLBACK THandOver::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WakeMessage)
        return DefWindowProcA(wnd, msg, wParam, lParam);
    try {
        {
            std::lock_guard lock(g_lock);
            if (g_current && g_current->window_ == wnd)
                g_current->wakePosted_ = false;
        }
        ProcessPending();
    } catch (...) {
        // Only the lock can fail here; the items stay queued for the next wake-up.
    }
    return 0;
}

} // namespace tav
