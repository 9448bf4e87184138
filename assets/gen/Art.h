#pragma once
// The pictures and sounds of the program, each drawn or synthesised from code.
#include <cstdint>
#include <vector>

#include "Image.h"

namespace korvat::assetgen {

// A small fixed generator, so that every build draws the same speckles and sounds the same noise.
class Random {
  public:
    explicit Random(uint32_t state) : state_(state) {}
    // 0 to 1, 1 excluded.
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return double(state_ >> 8) / double(1u << 24);
    }

  private:
    uint32_t state_;
};

// Balls: colours 1 to 7, shaded, each with its own small mark so that the colours are told
// apart without colour vision.
struct BallLook {
    Rgb base;
    Rgb mark;  // a lighter or darker shade of base
};
BallLook ballLook(int colour);

// Draws a ball filling the ellipse of the given box (fractional pixels) over `background`.
void drawBall(Image& image, double left, double top, double width, double height, int colour,
              bool withMark);

Image makeBallSheet();
Image makeBounceSheet();
Image makeNextBallIcons();
Image makeBoardImage();
Image makePanelImage();
Image makeScoreDigits();
Image makeClockDigits();
Image makeToolbarStrip();
Image makeAppIcon(int size);
Image makeAboutPicture();

std::vector<Rgb> boardPalette();
std::vector<Rgb> standardPalette16();

std::vector<double> makeBounceTick();
std::vector<double> makeRefusalSound();
std::vector<double> makeAppearanceSound();
std::vector<double> makeExplosionSound();

}  // namespace korvat::assetgen
