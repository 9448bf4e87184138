#pragma once
// Where the 240 x 320 device screen sits in a desktop window: the largest whole scale that
// fits, centred; the rest of the window stays black.
namespace korvat::platform {

struct ScreenFit {
    int scale = 1;
    int offsetX = 0;  // window position of the device screen's top-left pixel
    int offsetY = 0;
};

// Largest whole factor at which the device screen fits `width` x `height`; at least 1.
int chooseScale(int width, int height);
// The device screen centred in a window of the given size at chooseScale.
ScreenFit fitScreen(int windowWidth, int windowHeight);
// Window pixel to device pixel; false when the point lies outside the device screen.
bool windowToDevice(const ScreenFit& fit, int windowX, int windowY, int& deviceX, int& deviceY);
// Device pixel to the window pixel at the centre of its scaled square.
void deviceToWindow(const ScreenFit& fit, int deviceX, int deviceY, int& windowX, int& windowY);

}  // namespace korvat::platform
