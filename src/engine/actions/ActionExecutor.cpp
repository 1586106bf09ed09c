#include "engine/actions/ActionExecutor.h"

#include "engine/actions/ActionFieldValue.h"
#include "engine/actions/HexNumbers.h"
#include "engine/actions/ProgramFile.h"
#include "engine/actions/WindowLookup.h"

#include <algorithm>

namespace tav {

namespace {

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

struct TMouseClick {
    std::uint32_t First = 0;
    std::uint32_t Second = 0; // 0: one event only
};

// Mouse-event flags of each click type: left, middle, right down and up.
constexpr TMouseClick kClicks[] = {
    {0x0002, 0x0004}, // left click
    {0x0020, 0x0040}, // middle click
    {0x0008, 0x0010}, // right click
    {0x0002, 0},      // left down
    {0x0004, 0},      // left up
    {0x0020, 0},      // middle down
    {0x0040, 0},      // middle up
    {0x0008, 0},      // right down
    {0x0010, 0},      // right up
};
constexpr std::uint32_t kMouseMove = 0x0001;

struct TStep {
    int Dx = 0;
    int Dy = 0;
};
// Unit moves of each direction: up, up-left, up-right, left, right, down, down-left, down-right.
constexpr TStep kDirections[] = {{0, -1}, {-1, -1}, {1, -1}, {-1, 0},
                                 {1, 0},  {0, 1},   {-1, 1}, {1, 1}};
// The editor offers accelerations up to 10; a stored number far beyond must not keep the pointer
// moving for minutes.
constexpr std::int32_t kMaxAcceleration = 100;

constexpr std::uint32_t kExitFlags[] = {kExitLogOff, kExitReboot, kExitPowerOff};
constexpr std::uint32_t kCloseMessage = 0x0010;

} // namespace

unsigned IntervalAfter(const NumberField& delay) {
    return static_cast<unsigned>(std::max(Required(delay, "Delay:"), 0)) + 1;
}

TActionExecutor::TActionExecutor(const TSettings& settings, const TActionPorts& ports)
    : settings_(settings), ports_(ports) {}

TActionExecutor::~TActionExecutor() {
    try {
        ReleaseLatchedKeys();
    } catch (...) {
        // Nothing is left to tell at the end of the program.
    }
}

std::optional<unsigned> TActionExecutor::ExecuteAction(const std::string& s) {
    const std::optional<ActionFields> action = ParseAction(s);
    if (!action)
        return std::nullopt;
    const NumberField& delay = action->delay;
    return std::visit(Overloaded{
                          [&](const SendKeysFields& f) { return TapKey(f, delay); },
                          [&](const MouseControlFields& f) { return Mouse(f, delay); },
                          [&](const ExecuteProgramFields& f) { return ExecuteProgram(f, delay); },
                          [&](const PostMessageFields& f) { return PostWindowMessage(f, delay); },
                          [&](const MixerFields& f) { return Volume(f, delay); },
                          [&](const ShutdownFields& f) { return Shutdown(f, delay); },
                          [&](const WindowStateFields& f) { return WindowState(f, delay); },
                          [&](const OsdFields& f) { return OnScreenText(f, delay); },
                          [&](const SendDataFields& f) { return SendData(f); },
                      },
                      action->fields);
}

TWindowHandle TActionExecutor::FindTitledWindow(const std::string& names) {
    const TWindowHandle found = ports_.Windows->FindTopLevelWindow(TTitleOrClassMatch(names));
    if (!found)
        return 0;
    const std::string title = ports_.Windows->WindowTitle(found);
    if (title.empty())
        return 0;
    return ports_.Keys->GetHandleFromWindowTitle(title);
}

std::optional<unsigned> TActionExecutor::Mouse(const MouseControlFields& f,
                                               const NumberField& delay) {
    const unsigned interval = IntervalAfter(delay);
    IInputInjector& input = *ports_.Input;
    if (const auto* click = std::get_if<MouseClick>(&f.move)) {
        const std::int32_t type = Required(click->button, "Click:");
        if (type < static_cast<std::int32_t>(std::size(kClicks))) {
            const TMouseClick events = kClicks[type];
            const int times = click->doubleClick.value.value_or(false) ? 2 : 1;
            for (int i = 0; i < times; ++i) {
                input.MouseEvent(events.First, 0, 0);
                if (events.Second != 0)
                    input.MouseEvent(events.Second, 0, 0);
            }
        }
    } else if (const auto* move = std::get_if<MouseRelativeMove>(&f.move)) {
        const std::int32_t direction = Required(move->direction, "RelMove:");
        const std::int32_t accel =
            std::min(Required(move->acceleration, "Accel:"), kMaxAcceleration);
        if (direction < static_cast<std::int32_t>(std::size(kDirections)))
            for (std::int32_t k = accel; k >= 1; --k)
                input.MouseEvent(kMouseMove, k * kDirections[direction].Dx,
                                 k * kDirections[direction].Dy);
    } else if (const auto* position = std::get_if<MouseAbsoluteMove>(&f.move)) {
        input.SetCursorPos(Required(position->x, "X"), Required(position->y, "Y"));
    }
    return interval;
}

std::optional<unsigned> TActionExecutor::ExecuteProgram(const ExecuteProgramFields& f,
                                                        const NumberField& delay) {
    const unsigned interval = IntervalAfter(delay);
    if (!f.tryWindow.text.empty()) {
        if (const TWindowHandle running = FindTitledWindow(f.tryWindow.text)) {
            ports_.Windows->BringWindowToFront(running);
            return interval;
        }
    }
    const bool suspend = f.suspend.value.value_or(false);
    if (suspend)
        ports_.Origins->StartOrigins(false);
    // With nothing to wait for (a shell start, a program that did not start) the origins come
    // back at once rather than staying closed until the user opens them.
    if (IsProgramFile(f.fileName.text))
        ports_.Programs->StartProgram(ProgramCommandLine(f.fileName.text, f.params.text), suspend);
    else
        ports_.Programs->ShellOpen(f.fileName.text, f.params.text);
    if (suspend)
        ports_.Origins->StartOrigins(true);
    return interval;
}

std::optional<unsigned> TActionExecutor::PostWindowMessage(const PostMessageFields& f,
                                                           const NumberField& delay) {
    const unsigned interval = IntervalAfter(delay);
    const TWindowHandle target = f.destination.text.empty() ? ports_.Windows->ForegroundWindow()
                                                            : FindTitledWindow(f.destination.text);
    if (!target)
        return std::nullopt;
    const auto number = ports_.Messages->MessageNumber(f.message.text);
    if (!number)
        return std::nullopt;
    const std::int32_t message = HexToInt(*number);
    if (message < 0)
        throw EActionError("The message number " + std::string(*number) + " is too large.");
    ports_.Windows->PostWindowMessage(target, static_cast<std::uint32_t>(message),
                                      HexToInt(f.wParam.text), HexToInt(f.lParam.text));
    return interval;
}

std::optional<unsigned> TActionExecutor::OnScreenText(const OsdFields& f,
                                                      const NumberField& delay) {
    const unsigned interval = IntervalAfter(delay);
    std::string text = f.text.text;
    if (text == ports_.Labels->Item(ActionList::OsdTexts, 0))
        text = ports_.System->LongTimeText();
    else if (text == ports_.Labels->Item(ActionList::OsdTexts, 1))
        text = ports_.System->ShortDateText();
    ports_.Display->SetSuffix(text);
    ports_.Display->ShowOSD(text);
    return interval;
}

std::optional<unsigned> TActionExecutor::Shutdown(const ShutdownFields& f,
                                                  const NumberField& delay) {
    const unsigned interval = IntervalAfter(delay);
    const auto code = static_cast<ShutdownCode>(Required(f.code, "code"));
    if (code == ShutdownCode::Suspend || code == ShutdownCode::Hibernate)
        ports_.Power->SetSystemPowerState(code == ShutdownCode::Suspend);
    else if (code >= ShutdownCode::LogOff && code <= ShutdownCode::Shutdown)
        ports_.Power->ExitWindowsPrivileged(kExitFlags[static_cast<int>(code)]);
    return interval;
}

std::optional<unsigned> TActionExecutor::WindowState(const WindowStateFields& f,
                                                     const NumberField& delay) {
    const unsigned interval = IntervalAfter(delay);
    const std::int32_t code = Required(f.code, "code");
    const TWindowHandle window = ports_.Windows->ForegroundWindow();
    if (!window)
        return interval;
    switch (static_cast<WindowStateCode>(code)) {
    case WindowStateCode::Minimize:
        ports_.Windows->ShowWindow(window, TWindowShow::Minimize);
        break;
    case WindowStateCode::Maximize:
        ports_.Windows->ShowWindow(window, TWindowShow::Maximize);
        break;
    case WindowStateCode::Restore:
        ports_.Windows->ShowWindow(window, TWindowShow::Restore);
        break;
    case WindowStateCode::Close:
        // Asks the window to close; a quit message would end its thread's loop without asking.
        ports_.Windows->PostWindowMessage(window, kCloseMessage, 0, 0);
        break;
    }
    return interval;
}

} // namespace tav
