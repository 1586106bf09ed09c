#pragma once
// Helpers (no tests) shared by the hand-over, thread and seam tests: a message pump with a
// deadline and a driver that answers the modal dialog of this thread from inside its loop.

#include "framework/win32/HandOver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tav::test {

// Dispatches this thread's messages until `done` holds; false when `ms` passed first.
bool PumpUntil(const std::function<bool()>& done, DWORD ms = 5000);

// While it lives, a thread timer looks for a dialog of this thread and hands it to `act`
// until `act` returns true (it has answered); a dialog still open about five seconds later is
// cancelled so that a test cannot hang.
class TDialogDriver {
public:
    explicit TDialogDriver(std::function<bool(HWND dialog)> act);
    ~TDialogDriver();
    TDialogDriver(const TDialogDriver&) = delete;
    TDialogDriver& operator=(const TDialogDriver&) = delete;
    bool Acted() const { return acted_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::function<bool(HWND)> act_;
    UINT_PTR timer_ = 0;
    int ticks_ = 0;
    bool acted_ = false;
};

// A hand-over for the length of a test, with the errors it passes on collected in `reported`.
class HandOverFixture : public ::testing::Test {
protected:
    void SetUp() override {
        previousHandler_ = SetExceptionHandler(
            [this](const std::string& message) { reported.push_back(message); });
        handOver = std::make_unique<THandOver>();
    }
    void TearDown() override {
        handOver.reset();
        SetExceptionHandler(previousHandler_);
    }

    std::unique_ptr<THandOver> handOver;
    std::vector<std::string> reported;

private:
    ExceptionHandler previousHandler_;
};

// The text of a window, as Windows-1252 bytes.
std::string TextOf(HWND wnd);
// The first child of `parent` of the window class `className`.
HWND ChildOfClass(HWND parent, const char* className);

} // namespace tav::test
