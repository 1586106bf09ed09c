#pragma once
// Screenshots of a test's windows, to look at a form as it shows at 96 and at 144 DPI.

#include "framework/Png.h"

#include <windows.h>

#include <string>

namespace tav::test {

// The client area as it is drawn now, children included. Parts off the screen are not drawn
// and come out black. Throws std::runtime_error when there is nothing to capture.
RgbImage CaptureClientArea(HWND window);

// The colour at `p` of a captured client area; throws std::out_of_range outside it.
COLORREF PixelAt(const RgbImage& image, POINT p);

// Saves the client area as "<name>-<dpi>dpi.png" in TAVRILO_SCREENSHOT_DIR, so the 96 and
// 144 DPI runs of one test keep apart, and returns the file's path. Throws std::runtime_error
// when the capture or the file fails.
std::string SaveScreenshot(HWND window, const std::string& name);

} // namespace tav::test
