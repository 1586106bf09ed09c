// With TAVRILO_STYLED set (ctest's "styled." run of the main window's and the dialogs' suites),
// the test program takes the styled path that the program takes on Windows and under Wine: the
// common controls count as version 6, and a theme manager takes over each test's forms as the
// main window's takes over every form of the program. Under Wine the test program itself has
// styles off, so a procedure lost under styles shows only in this run.

#include "framework/win32/Forms.h"
#include "support/themes/win32/StyleManager.h"
#include "support/themes/win32/ThemeServices.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace tav;
using namespace tav::themes;

namespace {

constexpr DWORD kVersion6 = 0x60000;

// The manager of one test. The main window brings its own, made before any of its controls:
// this one gives way when the main window's form is announced, so that the main window's
// manager is the main one, as in the program.
class TTestStyleManager : public TStyleManager {
public:
    static TTestStyleManager* current;

    TTestStyleManager() : TStyleManager(&Application(), "TestStyleManager") { current = this; }
    ~TTestStyleManager() override { current = nullptr; }

    void Notification(TComponent* component, TOperation operation) override {
        if (operation == TOperation::Insert && component->Name() == "MainForm" &&
            dynamic_cast<TForm*>(component) != nullptr) {
            delete this; // the application's walk over its components skips the ones gone
            return;
        }
        TStyleManager::Notification(component, operation);
    }
};
TTestStyleManager* TTestStyleManager::current = nullptr;

class TStyledRun : public ::testing::EmptyTestEventListener {
public:
    void OnTestProgramStart(const ::testing::UnitTest&) override {
        ComCtlVersionSeam().Replace([] { return kVersion6; });
    }
    void OnTestStart(const ::testing::TestInfo&) override {
        GetThemeServices().RefreshThemeState();
        new TTestStyleManager;
    }
    void OnTestEnd(const ::testing::TestInfo&) override { delete TTestStyleManager::current; }
};

[[maybe_unused]] const bool styledRun = [] {
    if (std::getenv("TAVRILO_STYLED") != nullptr)
        ::testing::UnitTest::GetInstance()->listeners().Append(new TStyledRun);
    return true;
}();

} // namespace
