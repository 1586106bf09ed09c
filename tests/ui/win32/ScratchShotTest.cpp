// scratch: not to be committed
#include "SampleDialog.h"
#include "framework/win32/Pump.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
using namespace tav;
static void SaveBmp(HWND wnd, const char* path) {
    RECT r; GetWindowRect(wnd, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{}; bi.bmiHeader.biSize = sizeof(bi.bmiHeader); bi.bmiHeader.biWidth = w; bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1; bi.bmiHeader.biBitCount = 24; bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    int stride = ((w * 3 + 3) / 4) * 4;
    FILE* f = fopen(path, "wb");
    BITMAPFILEHEADER fh{}; fh.bfType = 0x4D42; fh.bfOffBits = sizeof(fh) + sizeof(bi.bmiHeader); fh.bfSize = fh.bfOffBits + stride * h;
    fwrite(&fh, sizeof fh, 1, f); fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f); fwrite(bits, stride * h, 1, f); fclose(f);
    SelectObject(mem, old); DeleteObject(bmp); DeleteDC(mem); ReleaseDC(nullptr, screen);
}
TEST(ScratchShot, Sample) {
    test::TSampleSettings settings;
    auto* dlg = new test::TSampleDialog(nullptr, settings);
    dlg->SetBounds(20, 20, dlg->Width(), dlg->Height());
    dlg->Show();
    test::PumpFor(std::chrono::milliseconds(300));
    const char* out = getenv("SHOT");
    SaveBmp(dlg->Handle(), out ? out : "Z:\\tmp\\shot.bmp");
    dlg->PageCtl->SetActivePageIndex(1);
    test::PumpFor(std::chrono::milliseconds(200));
    SaveBmp(dlg->Handle(), "Z:\\tmp\\shot2.bmp");
    dlg->PageCtl->SetActivePageIndex(2);
    test::PumpFor(std::chrono::milliseconds(200));
    SaveBmp(dlg->Handle(), "Z:\\tmp\\shot3.bmp");
    delete dlg;
}
