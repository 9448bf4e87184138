#pragma once
// The text of the About picture. The English picture is drawn at build time, line by line in
// the pixel font; a translated one is drawn by the program, block by block, each block wrapped
// into the lines the English gives it.
#include "TextMarker.h"
#include "dist/Version.h"

namespace korvat::res::about {

struct Line {
    int top;  // top row of the line's ink
    const char* text;
};

constexpr Line kLines[] = {
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

constexpr int kWidth = 220;
constexpr int kHeight = 310;
constexpr int kLeftMargin = 6;
constexpr int kRightLimit = 214;  // last column that may carry ink
constexpr int kLinePitch = 13;

// A block is the English of lines [firstLine, firstLine + lineCount) joined by blanks.
struct Block {
    int firstLine;
    int lineCount;
    const char* text;
};

constexpr Block kBlocks[] = {
    {0, 1, kGameTitle},
    // TRANSLATORS: the About picture's text. Each block is wrapped into as many lines of 209
    // pixels as it has in English: one for the short ones, three for the two paragraphs.
    {1, 1, N_("Korvat for Linux desktops")},
    {2, 1, N_("How to play:")},
    {3, 1, N_("The game has two modes:")},
    {4, 3,
     N_("- \"Lines\" mode: Arrange the colored balls into lines of the same color and gain the "
        "score!")},
    {7, 3,
     N_("- \"Block\" mode: Arrange the colored balls into square (2x2 balls) of the same color "
        "and gain the score!")},
    {10, 1, N_("Help: man 6 korvat")},
    {11, 1, N_("Settings: ~/.config/korvat/")},
};

}  // namespace korvat::res::about
