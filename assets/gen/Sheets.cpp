// The three ball sheets: at rest, growing and bursting; bouncing; the coming-ball icons.
#include <cmath>
#include <cstdint>

#include "Art.h"

namespace korvat::assetgen {

namespace {

constexpr int kCell = 21;

// White cracks running out from near the centre of a resting ball.
void drawCracks(Image& image, int left, int top, Random& random) {
    constexpr double kAngles[5] = {0.3, 1.5, 2.6, 3.9, 5.1};
    for (double start : kAngles) {
        double x = 10.5, y = 10.5;
        double angle = start + (random.next() - 0.5) * 0.4;
        for (int step = 0; step < 9; ++step) {
            x += std::cos(angle);
            y += std::sin(angle);
            angle += (random.next() - 0.5) * 0.9;
            const double dx = x - 10.5, dy = y - 10.5;
            if (dx * dx + dy * dy > 9.0 * 9.0) {
                break;
            }
            image.set(left + int(x), top + int(y), kWhite);
        }
    }
}

void drawExplosionFrame(Image& image, int left, int top, int colour, int frame) {
    const BallLook look = ballLook(colour);
    Random random(uint32_t(colour * 16 + frame) * 2654435761u + 1);
    const Rgb pale = mix(look.base, kWhite, 0.6);
    if (frame <= 2) {
        drawBall(image, left, top, kCell, kCell, colour, frame == 1);
        drawCracks(image, left, top, random);
    }
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            const double dx = x + 0.5 - 10.5, dy = y + 0.5 - 10.5;
            const double radius = std::sqrt(dx * dx + dy * dy);
            if (radius > 10.0) {
                continue;
            }
            const double p = random.next();
            const double q = random.next();
            switch (frame) {
                case 2:  // crumbling: the rim falls away first, bits fly off
                    if (p < 0.15 + 0.6 * (radius / 10.0)) {
                        image.set(left + x, top + y, q < 0.4 ? pale : kTileGrey);
                    }
                    break;
                case 3:  // little colour left
                    image.set(left + x, top + y,
                              p < 0.30 ? pale : (p < 0.36 ? look.base : kTileGrey));
                    break;
                case 4:  // a faint trace
                    if (p < 0.12) {
                        image.set(left + x, top + y, mix(kTileGrey, look.base, 0.35));
                    }
                    break;
            }
        }
    }
}

}  // namespace

Image makeBallSheet() {
    Image sheet(8 * kCell, 10 * kCell, kTileGrey);
    constexpr int kGrowthSizes[5] = {21, 17, 15, 11, 9};
    for (int colour = 1; colour <= 7; ++colour) {
        const int left = colour * kCell;
        for (int row = 0; row < 5; ++row) {
            const int size = kGrowthSizes[row];
            const double offset = (kCell - size) / 2.0;
            drawBall(sheet, left + offset, row * kCell + offset, size, size, colour, size >= 15);
        }
        for (int frame = 1; frame <= 4; ++frame) {
            drawExplosionFrame(sheet, left, (4 + frame) * kCell, colour, frame);
        }
    }
    return sheet;
}

Image makeBounceSheet() {
    Image sheet(8 * kCell, 9 * kCell, kTileGrey);
    for (int colour = 1; colour <= 7; ++colour) {
        for (int phase = 0; phase < 9; ++phase) {
            const bool stretched = phase < 3 || phase > 5;
            const double top = stretched ? 0.0 : double(phase - 3);
            const double height = stretched ? 21.0 : 19.0;
            drawBall(sheet, colour * kCell + 1, phase * kCell + top, 19, height, colour, true);
        }
    }
    return sheet;
}

Image makeNextBallIcons() {
    constexpr int kIcon = 15;
    Image strip(8 * kIcon, kIcon, kBlack);
    for (int colour = 1; colour <= 7; ++colour) {
        drawBall(strip, colour * kIcon, 0, kIcon, kIcon, colour, true);
    }
    return strip;
}

}  // namespace korvat::assetgen
