#include "platform/ScreenFit.h"

#include <algorithm>

#include "platform/Display.h"

namespace korvat::platform {

int chooseScale(int width, int height) {
    return std::max(1, std::min(width / kScreenWidth, height / kScreenHeight));
}

ScreenFit fitScreen(int windowWidth, int windowHeight) {
    ScreenFit fit;
    fit.scale = chooseScale(windowWidth, windowHeight);
    // A window smaller than the screen gives negative offsets: the screen is cut at both sides.
    fit.offsetX = (windowWidth - kScreenWidth * fit.scale) / 2;
    fit.offsetY = (windowHeight - kScreenHeight * fit.scale) / 2;
    return fit;
}

bool windowToDevice(const ScreenFit& fit, int windowX, int windowY, int& deviceX, int& deviceY) {
    const int relX = windowX - fit.offsetX;
    const int relY = windowY - fit.offsetY;
    if (relX < 0 || relY < 0) {
        return false;
    }
    deviceX = relX / fit.scale;
    deviceY = relY / fit.scale;
    return deviceX < kScreenWidth && deviceY < kScreenHeight;
}

void deviceToWindow(const ScreenFit& fit, int deviceX, int deviceY, int& windowX, int& windowY) {
    windowX = fit.offsetX + deviceX * fit.scale + fit.scale / 2;
    windowY = fit.offsetY + deviceY * fit.scale + fit.scale / 2;
}

}  // namespace korvat::platform
