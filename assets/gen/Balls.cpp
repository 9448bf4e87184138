// Shaded balls: a sphere lit from the upper left with a soft white highlight, drawn with 4 x 4
// supersampling so that the edge blends into whatever lies under it.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "Art.h"

namespace korvat::assetgen {

namespace {

// Lightness rises steadily from dark red to yellow, so no two colours share a grey level.
constexpr Rgb kBases[8] = {
    {},               // unused
    {215, 32, 28},    // 1 red
    {70, 3, 6},       // 2 dark red
    {210, 72, 210},   // 3 magenta
    {255, 245, 70},   // 4 yellow
    {100, 215, 80},   // 5 green
    {110, 232, 245},  // 6 cyan
    {25, 45, 190},    // 7 blue
};

// The marks, one shape per colour, in a 7 x 7 form for big balls and 5 x 5 for small ones.
using Pattern = std::string_view[7];
constexpr Pattern kLargeMarks[8] = {
    {},
    {"...#...", "...#...", "...#...", "#######", "...#...", "...#...", "...#..."},  // plus
    {".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..", "......."},  // dot
    {"#.....#", ".#...#.", "..#.#..", "...#...", "..#.#..", ".#...#.", "#.....#"},  // cross
    {"..###..", ".#...#.", "#.....#", "#.....#", "#.....#", ".#...#.", "..###.."},  // ring
    {"...#...", "..#.#..", "..#.#..", ".#...#.", ".#...#.", "#.....#", "#######"},  // triangle
    {".......", "#######", ".......", "#######", ".......", "#######", "......."},  // bars
    {"...#...", "..#.#..", ".#...#.", "#.....#", ".#...#.", "..#.#..", "...#..."},  // diamond
};
constexpr Pattern kSmallMarks[8] = {
    {},
    {"..#..", "..#..", "#####", "..#..", "..#.."},
    {".....", ".###.", ".###.", ".###.", "....."},
    {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"},
    {".###.", "#...#", "#...#", "#...#", ".###."},
    {"..#..", ".#.#.", ".#.#.", "#...#", "#####"},
    {".....", "#####", ".....", "#####", "....."},
    {"..#..", ".#.#.", "#...#", ".#.#.", "..#.."},
};

double luma(Rgb c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

Rgb shadeSample(Rgb base, double u, double v) {
    const double z = std::sqrt(std::max(0.0, 1.0 - u * u - v * v));
    constexpr double lx = -0.45, ly = -0.55, lz = 0.70;  // already close to unit length
    const double diffuse = std::max(0.0, u * lx + v * ly + z * lz);
    const double light = 0.30 + 0.85 * diffuse;
    const Rgb lit{uint8_t(std::min(255.0, base.r * light)),
                  uint8_t(std::min(255.0, base.g * light)),
                  uint8_t(std::min(255.0, base.b * light))};
    // A small highlight well off the centre, where it leaves the mark alone.
    const double hu = u + 0.48, hv = v + 0.52;
    const double shine = std::exp(-(hu * hu + hv * hv) / 0.018);
    return mix(lit, kWhite, std::min(1.0, shine * 0.95));
}

}  // namespace

BallLook ballLook(int colour) {
    const Rgb base = kBases[colour];
    // Dark balls carry a light mark, light balls a dark one.
    const Rgb mark = luma(base) < 128 ? mix(base, kWhite, 0.5) : mix(base, kBlack, 0.55);
    return {base, mark};
}

void drawBall(Image& image, double left, double top, double width, double height, int colour,
              bool withMark) {
    const BallLook look = ballLook(colour);
    const double cx = left + width / 2, cy = top + height / 2;
    constexpr int kSub = 4;
    for (int y = int(std::floor(top)); y < int(std::ceil(top + height)); ++y) {
        for (int x = int(std::floor(left)); x < int(std::ceil(left + width)); ++x) {
            if (!image.contains(x, y)) {
                continue;
            }
            double r = 0, g = 0, b = 0;
            int inside = 0;
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    const double u = (x + (sx + 0.5) / kSub - cx) / (width / 2);
                    const double v = (y + (sy + 0.5) / kSub - cy) / (height / 2);
                    if (u * u + v * v > 1.0) {
                        continue;
                    }
                    const Rgb c = shadeSample(look.base, u, v);
                    r += c.r;
                    g += c.g;
                    b += c.b;
                    ++inside;
                }
            }
            if (inside == 0) {
                continue;
            }
            const Rgb ball{uint8_t(r / inside), uint8_t(g / inside), uint8_t(b / inside)};
            image.set(x, y, mix(image.at(x, y), ball, double(inside) / (kSub * kSub)));
        }
    }
    if (!withMark) {
        return;
    }
    const bool large = std::min(width, height) >= 18;
    const Pattern& pattern = large ? kLargeMarks[colour] : kSmallMarks[colour];
    const int n = large ? 7 : 5;
    image.stamp(int(std::floor(cx)) - n / 2, int(std::floor(cy)) - n / 2, pattern, look.mark);
}

}  // namespace korvat::assetgen
