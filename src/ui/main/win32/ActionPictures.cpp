#include "ui/main/win32/ActionPictures.h"

namespace tav {

namespace {

void TapKeyPicture(TImageCanvas& c) {
    c.RoundRect({1, 3, 15, 14}, 4, RGB(190, 190, 196), RGB(80, 80, 88));
    c.RoundRect({3, 4, 13, 11}, 3, RGB(245, 245, 248), RGB(150, 150, 160));
}

void MouseMovePicture(TImageCanvas& c) {
    c.RoundRect({4, 1, 12, 15}, 7, RGB(250, 250, 250), RGB(64, 64, 64));
    c.RoundRect({5, 2, 8, 6}, 2, RGB(0, 120, 215), RGB(0, 120, 215)); // the left button
    c.Line({4, 6}, {12, 6}, RGB(64, 64, 64));
    c.Line({8, 1}, {8, 6}, RGB(64, 64, 64));
}

void ExecuteProgramPicture(TImageCanvas& c) {
    c.RoundRect({1, 2, 15, 14}, 2, RGB(255, 255, 255), RGB(0, 50, 140));
    c.RoundRect({1, 2, 15, 5}, 2, RGB(0, 80, 200), RGB(0, 50, 140)); // the title bar
    c.Polygon({{6, 7}, {6, 13}, {11, 10}}, RGB(30, 170, 50), RGB(0, 100, 20));
}

void PostMessagePicture(TImageCanvas& c) {
    constexpr COLORREF kEdge = RGB(150, 110, 30);
    c.RoundRect({1, 4, 15, 13}, 1, RGB(255, 245, 200), kEdge);
    c.Line({1, 4}, {8, 9}, kEdge);
    c.Line({8, 9}, {15, 4}, kEdge);
}

void VolumeControlPicture(TImageCanvas& c) {
    c.Polygon({{2, 6}, {5, 6}, {9, 2}, {9, 14}, {5, 10}, {2, 10}}, RGB(70, 70, 80),
              RGB(20, 20, 24));
    // The sound waves.
    c.Line({11, 6}, {11, 10}, RGB(0, 120, 215));
    c.Line({13, 4}, {13, 12}, RGB(0, 120, 215));
}

// Shutdown and the window states: a power button.
void MiscellaneousPicture(TImageCanvas& c) {
    constexpr COLORREF kRed = RGB(210, 40, 40);
    c.Ellipse({1, 1, 15, 15}, kRed, RGB(130, 0, 0));
    c.Ellipse({5, 5, 11, 11}, kRed, RGB(255, 255, 255));
    c.RoundRect({7, 3, 9, 7}, 0, kRed, kRed); // the gap in the ring
    c.Line({8, 4}, {8, 8}, RGB(255, 255, 255));
}

// A serial connector with its pins.
void SendDataPicture(TImageCanvas& c) {
    c.Polygon({{1, 4}, {15, 4}, {13, 12}, {3, 12}}, RGB(70, 110, 170), RGB(20, 40, 90));
    for (int x : {3, 6, 9, 12})
        c.Ellipse({x, 6, x + 2, 8}, RGB(255, 255, 255), RGB(255, 255, 255));
    for (int x : {4, 7, 10})
        c.Ellipse({x + 1, 9, x + 3, 11}, RGB(255, 255, 255), RGB(255, 255, 255));
}

// A screen showing lines of text.
void OnScreenTextPicture(TImageCanvas& c) {
    c.RoundRect({1, 2, 15, 12}, 2, RGB(30, 30, 40), RGB(0, 0, 0));
    c.Line({3, 5}, {10, 5}, RGB(255, 220, 0));
    c.Line({3, 8}, {12, 8}, RGB(255, 220, 0));
    c.Polygon({{6, 12}, {10, 12}, {11, 14}, {5, 14}}, RGB(150, 150, 150), RGB(90, 90, 90));
}

} // namespace

void AddActionPictures(TDrawnImageList& list) {
    for (TImagePainter paint :
         {TapKeyPicture, MouseMovePicture, ExecuteProgramPicture, PostMessagePicture,
          VolumeControlPicture, MiscellaneousPicture, SendDataPicture, OnScreenTextPicture})
        list.AddDrawn(paint);
}

} // namespace tav
