// Pictures in the 16 standard colours: the toolbar buttons and the program icon.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "Art.h"

namespace korvat::assetgen {

namespace {

// The standard 16-colour palette in its usual order.
constexpr Rgb kStandard[16] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

// The letters the pictures are drawn in, at their palette index; anything else is light grey.
constexpr std::string_view kLetters = "kmGon...grlyb.cw";

Rgb paletteColour(char c) {
    const size_t index = kLetters.find(c);
    return kStandard[c != '.' && index != std::string_view::npos ? index : 7];
}

using Button = std::string_view[15];

constexpr Button kUndo = {
    "................", "................", "....n...........", "...nn...........",
    "..nbnnnnnnnn....", ".nbbbbbbbbbbnn..", "..nbnnnnnnnnbbn.", "...nn......nbbn.",
    "....n.......nbn.", "............nbn.", "...........nbbn.", ".........nnbbn..",
    ".........nnnn...", "................", "................",
};

constexpr Button kOpenFolder = {
    "................", "................", "................", ".kkkk...........",
    "koooook.........", "kooooookkkkkk...", "kooooooooooook..", "koookkkkkkkkkkkk",
    "kookyyyyyyyyyyk.", "kokyyyyyyyyyyk..", "kkyyyyyyyyyyk...", "kkkkkkkkkkkk....",
    "................", "................", "................",
};

constexpr Button kDiskette = {
    "................", ".kkkkkkkkkkkkkk.", ".knnwwwwwwwwnnk.", ".knnwwwwwwwwnnk.",
    ".knnwkkkkkkwnnk.", ".knnwwwwwwwwnnk.", ".knnwkkkkkkwnnk.", ".knnwwwwwwwwnnk.",
    ".knnnnnnnnnnnnk.", ".knnnnnnnnnnnnk.", ".knnnggggggnnnk.", ".knnnggnngggnnk.",
    ".knnnggnngggnnk.", ".kkkkkkkkkkkkkk.", "................",
};

constexpr Button kNewPage = {
    "..kkkkkkkkk.....", "..kwwwwwwwkk....", "..kwwwwwwwkwk...", "..kwwwwwwwkkkk..",
    "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..", "..kkkkkkkkkkkk..", "................",
};

// A small star, outlined so it shows on the white page and on the grey bar alike.
constexpr std::string_view kStar[6] = {
    "...y...", "...y...", "yyyyyyy", ".yyyyy.", ".yy.yy.", "y.....y",
};

void drawButton(Image& strip, int index, const Button& rows) {
    for (int y = 0; y < 15; ++y) {
        if (rows[y].size() != 16) {
            std::fprintf(stderr, "toolbar button %d row %d is not 16 wide\n", index, y);
            std::exit(1);
        }
        for (int x = 0; x < 16; ++x) {
            strip.set(16 * index + x, y, paletteColour(rows[y][size_t(x)]));
        }
    }
}

void drawStar(Image& strip, int left, int top) {
    auto isStar = [](int x, int y) {
        return x >= 0 && y >= 0 && x < 7 && y < 6 && kStar[y][size_t(x)] == 'y';
    };
    for (int y = -1; y <= 6; ++y) {
        for (int x = -1; x <= 7; ++x) {
            if (isStar(x, y)) {
                strip.set(left + x, top + y, kStandard[11]);
            } else if (isStar(x - 1, y) || isStar(x + 1, y) || isStar(x, y - 1) ||
                       isStar(x, y + 1)) {
                strip.set(left + x, top + y, kStandard[3]);
            }
        }
    }
}

// A ball in three tones of the palette: shadow, body, highlight.
void drawToneBall(Image& image, double cx, double cy, double radius, Rgb dark, Rgb body) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double u = (x + 0.5 - cx) / radius, v = (y + 0.5 - cy) / radius;
            if (u * u + v * v > 1.0) {
                continue;
            }
            const double hu = u + 0.4, hv = v + 0.4;
            const bool highlight = hu * hu + hv * hv < 0.09;
            const bool shadow = (u + v) > 0.75 || u * u + v * v > 0.8;
            image.set(x, y, highlight ? kWhite : (shadow ? dark : body));
        }
    }
}

}  // namespace

std::vector<Rgb> standardPalette16() {
    return {std::begin(kStandard), std::end(kStandard)};
}

Image makeToolbarStrip() {
    Image strip(64, 15, kTileGrey);
    drawButton(strip, 0, kUndo);
    drawButton(strip, 1, kOpenFolder);
    drawButton(strip, 2, kDiskette);
    drawButton(strip, 3, kNewPage);
    drawStar(strip, 3 * 16 + 9, 0);
    return strip;
}

Image makeAppIcon(int size) {
    Image icon(size, size, kTileGrey);
    const double cell = size / 2.0;
    const double radius = cell / 2.0 - (size >= 32 ? 1.5 : 0.5);
    const Rgb tones[4][2] = {
        {kStandard[1], kStandard[9]},   // red
        {kStandard[3], kStandard[11]},  // yellow
        {kStandard[2], kStandard[10]},  // green
        {kStandard[4], kStandard[12]},  // blue
    };
    for (int i = 0; i < 4; ++i) {
        const double cx = cell * (i % 2) + cell / 2, cy = cell * (i / 2) + cell / 2;
        drawToneBall(icon, cx, cy, radius, tones[i][0], tones[i][1]);
    }
    return icon;
}

}  // namespace korvat::assetgen
