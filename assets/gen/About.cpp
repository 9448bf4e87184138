// The About picture: black text on white in the built-in pixel font.
#include <cstdio>
#include <cstdlib>

#include "../AboutText.h"
#include "Art.h"
#include "PixelFont.h"

namespace korvat::assetgen {

Image makeAboutPicture() {
    using namespace res::about;
    Image picture(kWidth, kHeight, kWhite);
    for (const Line& line : kLines) {
        if (kLeftMargin + textWidth(line.text) > kRightLimit + 1) {
            std::fprintf(stderr, "korvat-assetgen: About line too wide: %s\n", line.text);
            std::exit(1);
        }
        drawText(picture, kLeftMargin, line.top - inkTop(line.text), line.text, kBlack);
    }
    return picture;
}

}  // namespace korvat::assetgen
