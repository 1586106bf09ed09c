#pragma once
// The version of the common controls' side-by-side assembly, read from the identity of an
// assembly as the system writes it out: its name, then its attributes, each as key="value"
// after a comma ("Microsoft.Windows.Common-Controls,processorArchitecture="amd64",
// publicKeyToken="6595b64144ccf1df",type="win32",version="6.0.2600.2982"").

#include <optional>
#include <string_view>

namespace tav::themes {

// Major << 16 | minor of the common controls' assembly; none for another assembly or an
// identity without a readable version.
std::optional<unsigned long> CommonControlsAssemblyVersion(std::string_view identity);

} // namespace tav::themes
