#include "engine/actions/win32/Win32ActionPorts.h"
#include "framework/win32/Forms.h"

namespace tav {

namespace {

template <class Format> std::string LocaleText(Format format) {
    char buffer[128];
    const int n = format(buffer, static_cast<int>(sizeof buffer));
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n - 1)) : std::string();
}

} // namespace

void TWin32System::ProcessMessages() {
    Application().ProcessMessages();
}

void TWin32System::Beep() {
    MessageBeep(0);
}

std::string TWin32System::LongTimeText() {
    return LocaleText([](char* buffer, int size) {
        return GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buffer, size);
    });
}

std::string TWin32System::ShortDateText() {
    return LocaleText([](char* buffer, int size) {
        return GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buffer, size);
    });
}

} // namespace tav
