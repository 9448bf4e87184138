#include "AboutPicture.h"

#include <cstring>

#include "assets/AboutText.h"
#include "assets/Resources.h"
#include "platform/Font.h"
#include "platform/MessageBox.h"
#include "platform/Translation.h"
#include "ui/ProgramBitmaps.h"

namespace korvat::shell {
namespace {

using namespace res::about;

// The message font: its capitals are 9 pixels high, as in the English picture.
constexpr int kTextPixels = 12;
constexpr int kTextWidth = kRightLimit + 1 - kLeftMargin;

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : " ") + line;
    }
    return text;
}

// Rows between the top of a drawn line and the top of its capitals.
int capitalOffset(TTF_Font* font) {
    int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
    if (TTF_GlyphMetrics(font, 'H', &minX, &maxX, &minY, &maxY, &advance) != 0) {
        return 0;
    }
    return TTF_FontAscent(font) - maxY;
}

}  // namespace

std::vector<AboutLine> layOutAboutText(bool& fits) {
    fits = true;
    std::vector<AboutLine> lines;
    for (const Block& block : kBlocks) {
        const char* text = platform::tr(block.text);
        const std::vector<std::string> wrapped = platform::wrapText(text, kTextWidth);
        // wrapText cuts a word only when it is wider than the line; joined again, such a cut
        // no longer gives the text back.
        if (static_cast<int>(wrapped.size()) > block.lineCount || joined(wrapped) != text) {
            fits = false;
        }
        for (size_t i = 0; i < wrapped.size(); ++i) {
            lines.push_back(
                {kLines[block.firstLine].top + kLinePitch * static_cast<int>(i), wrapped[i]});
        }
    }
    return lines;
}

bool aboutTextTranslated() {
    for (const Block& block : kBlocks) {
        if (std::strcmp(platform::tr(block.text), block.text) != 0) {
            return true;
        }
    }
    return false;
}

SDL_Surface* loadAboutPicture() {
    if (!aboutTextTranslated()) {
        return ui::loadProgramBitmap(res::kAboutPicture);
    }
    TTF_Font* font = platform::font(platform::FontFace::System, kTextPixels);
    SDL_Surface* picture =
        SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_XRGB8888);
    if (font == nullptr || picture == nullptr) {
        return picture;
    }
    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, 255, 255, 255));
    const int offset = capitalOffset(font);
    bool fits = true;
    for (const AboutLine& line : layOutAboutText(fits)) {
        platform::drawText(picture, kLeftMargin, line.top - offset, line.text.c_str(),
                           SDL_Color{0, 0, 0, 255}, platform::FontFace::System, kTextPixels);
    }
    return picture;
}

}  // namespace korvat::shell
