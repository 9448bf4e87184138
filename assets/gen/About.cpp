// The About picture: black text on white in the built-in pixel font.
#include <cstdio>
#include <cstdlib>

#include "Art.h"
#include "PixelFont.h"
#include "dist/Version.h"

namespace korvat::assetgen {

namespace {

struct AboutLine {
    int top;  // top row of the line's ink
    const char* text;
};

constexpr AboutLine kLines[] = {
    {18, kGameTitle},
    {31, "Korvat for Linux desktops"},
    {57, "How to play:"},
    {83, "The game has two modes:"},
    {96, "- \"Lines\" mode: Arrange the colored"},
    {109, "balls into lines of the same color and"},
    {122, "gain the score!"},
    {135, "- \"Block\" mode: Arrange the colored"},
    {148, "balls into square (2x2 balls) of the"},
    {161, "same color and gain the score!"},
    {187, "Help: man 6 korvat"},
    {200, "Settings: ~/.config/korvat/"},
};

constexpr int kLeftMargin = 6;
constexpr int kRightLimit = 214;  // last column that may carry ink

}  // namespace

Image makeAboutPicture() {
    Image picture(220, 310, kWhite);
    for (const AboutLine& line : kLines) {
        if (kLeftMargin + textWidth(line.text) > kRightLimit + 1) {
            std::fprintf(stderr, "korvat-assetgen: About line too wide: %s\n", line.text);
            std::exit(1);
        }
        drawText(picture, kLeftMargin, line.top - inkTop(line.text), line.text, kBlack);
    }
    return picture;
}

}  // namespace korvat::assetgen
