// Stands in for the TV card's vendor library grappler.dll. Asked for the remote key (17), it
// answers the keys that the variable TAVRILO_GRAPPLER_KEYS names (decimal, separated by commas)
// when the library is loaded, one per call, and 0 (no key) once they are used up; anything else
// it is asked gets -1.

#include <windows.h>

#include <cstdlib>
#include <vector>

namespace {

std::vector<int> g_keys;
std::size_t g_next = 0;

void ReadKeys() {
    char text[512] = {};
    const DWORD length = GetEnvironmentVariableA("TAVRILO_GRAPPLER_KEYS", text, sizeof text);
    if (length == 0 || length >= sizeof text)
        return;
    for (char* p = text; *p != '\0';) {
        char* end = nullptr;
        g_keys.push_back(static_cast<int>(std::strtol(p, &end, 10)));
        p = *end != '\0' ? end + 1 : end; // past the comma
    }
}

} // namespace

extern "C" __declspec(dllexport) int WINAPI GetTVParam(int which) {
    if (which != 17)
        return -1;
    return g_next < g_keys.size() ? g_keys[g_next++] : 0;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        ReadKeys();
    return TRUE;
}
