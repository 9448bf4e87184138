// The board, the panel and the two sets of digits.
#include <string_view>

#include "Art.h"

namespace korvat::assetgen {

namespace {

constexpr Rgb kGridDark{64, 64, 64};
constexpr Rgb kShadow{128, 128, 128};
constexpr int kPitch = 26;

constexpr Rgb kSegmentLit{96, 200, 255};
constexpr Rgb kSegmentDim{0, 18, 28};

// Segments a to g of each digit, as bits 0 to 6.
constexpr unsigned kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// Segments a to g: horizontal ones 4 x 2 at x 3..6, vertical ones 2 x 6, leaving notches at the
// corners like a real display.
constexpr struct {
    int x, y, w, h;
} kSegmentRects[7] = {{3, 1, 4, 2},  {7, 3, 2, 6}, {7, 11, 2, 6}, {3, 17, 4, 2},
                      {1, 11, 2, 6}, {1, 3, 2, 6}, {3, 9, 4, 2}};

constexpr std::string_view kClockGlyphs[10][8] = {
    {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},
    {"..#..", ".##..", "#.#..", "..#..", "..#..", "..#..", "..#..", "#####"},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#....", "#####"},
    {".###.", "#...#", "....#", "..##.", "....#", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#.", "...#."},
    {"#####", "#....", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {".###.", "#....", "#....", "####.", "#...#", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "...#.", "..#..", "..#..", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", "#...#", ".####", "....#", "....#", ".###."},
};

}  // namespace

std::vector<Rgb> boardPalette() {
    std::vector<Rgb> palette{kBlack, kGridDark, kWhite, kTileGrey, kShadow};
    while (palette.size() < 256) {
        const uint8_t v = uint8_t(palette.size());
        palette.push_back({v, v, v});
    }
    return palette;
}

Image makeBoardImage() {
    Image board(235, 235, kTileGrey);
    for (int y = 0; y < board.height(); ++y) {
        for (int x = 0; x < board.width(); ++x) {
            const int ox = x % kPitch, oy = y % kPitch;
            Rgb c = kTileGrey;
            if (ox == 0 || oy == 0) {
                c = kGridDark;
            } else if (ox == 25 || oy == 25) {
                c = kShadow;
            } else if (ox == 1 || oy == 1) {
                c = kWhite;
            }
            board.set(x, y, c);
        }
    }
    return board;
}

Image makePanelImage() {
    Image panel(235, 29, kWhite);
    for (int x : {110, 128}) {
        for (int y : {22, 25}) {
            panel.set(x, y, kBlack);
        }
    }
    return panel;
}

Image makeScoreDigits() {
    Image digits(100, 20, kBlack);
    for (int d = 0; d < 10; ++d) {
        for (int segment = 0; segment < 7; ++segment) {
            const bool lit = (kSegments[d] >> segment) & 1;
            const auto& r = kSegmentRects[segment];
            digits.fillRect(10 * d + r.x, r.y, r.w, r.h, lit ? kSegmentLit : kSegmentDim);
        }
    }
    return digits;
}

Image makeClockDigits() {
    Image digits(71, 8, kWhite);
    for (int d = 0; d < 10; ++d) {
        digits.stamp(7 * d + 1, 0, kClockGlyphs[d], kBlack);
    }
    return digits;
}

}  // namespace korvat::assetgen
