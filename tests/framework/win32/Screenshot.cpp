#include "framework/win32/Screenshot.h"

#include <fstream>
#include <memory>
#include <stdexcept>

namespace tav::test {

namespace {

struct WindowDc {
    HWND window;
    HDC dc;
    explicit WindowDc(HWND w) : window(w), dc(GetDC(w)) {}
    ~WindowDc() { ReleaseDC(window, dc); }
};

struct GdiDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};

} // namespace

// Under Wine with Xvfb, PrintWindow paints only the window's background, without its child
// controls and not where the client area lies; the window DC holds what was really drawn, even
// where another window covers it.
RgbImage CaptureClientArea(HWND window) {
    UpdateWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    RgbImage image{
        static_cast<std::uint32_t>(client.right), static_cast<std::uint32_t>(client.bottom), {}};
    if (image.width == 0 || image.height == 0)
        throw std::runtime_error("screenshot: the window has no client area");

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom; // top-down rows, as PNG has them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    WindowDc source(window);
    std::unique_ptr<HDC__, GdiDeleter> memory(CreateCompatibleDC(source.dc));
    void* bits = nullptr;
    std::unique_ptr<HBITMAP__, GdiDeleter> bitmap(
        CreateDIBSection(source.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap)
        throw std::runtime_error("screenshot: no bitmap for the capture");
    const HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
    const bool copied =
        BitBlt(memory.get(), 0, 0, client.right, client.bottom, source.dc, 0, 0, SRCCOPY) != FALSE;
    GdiFlush();
    SelectObject(memory.get(), old);
    if (!copied)
        throw std::runtime_error("screenshot: the window's pixels could not be copied");

    // A 32-bit DIB holds blue, green, red and an unused byte.
    const auto* pixel = static_cast<const unsigned char*>(bits);
    const std::size_t count = std::size_t{image.width} * image.height;
    image.rgb.resize(count * 3);
    for (std::size_t i = 0; i < count; ++i, pixel += 4) {
        image.rgb[i * 3] = static_cast<char>(pixel[2]);
        image.rgb[i * 3 + 1] = static_cast<char>(pixel[1]);
        image.rgb[i * 3 + 2] = static_cast<char>(pixel[0]);
    }
    return image;
}

COLORREF PixelAt(const RgbImage& image, POINT p) {
    if (p.x < 0 || p.y < 0 || static_cast<std::uint32_t>(p.x) >= image.width)
        throw std::out_of_range("screenshot: no such pixel");
    const std::size_t at = (static_cast<std::size_t>(p.y) * image.width + p.x) * 3;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(image.rgb.at(i)); };
    return RGB(byte(at), byte(at + 1), byte(at + 2));
}

std::string SaveScreenshot(HWND window, const std::string& name) {
    const std::string png = EncodePng(CaptureClientArea(window));
    int dpi = 0;
    {
        WindowDc dc(window);
        dpi = GetDeviceCaps(dc.dc, LOGPIXELSY);
    }
    // The folder is a path of the build machine; Wine shows its root as drive Z:.
    const std::string folder = std::string("Z:") + TAVRILO_SCREENSHOT_DIR;
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + "/" + name + "-" + std::to_string(dpi) + "dpi.png";
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(png.data(), static_cast<std::streamsize>(png.size()));
    file.close();
    if (!file)
        throw std::runtime_error("screenshot: cannot write " + path);
    return path;
}

} // namespace tav::test
