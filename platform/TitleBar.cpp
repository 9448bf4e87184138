#include "platform/TitleBar.h"

#include "platform/Display.h"
#include "platform/Font.h"
#include "platform/Translation.h"

namespace korvat::platform {
namespace {

constexpr SDL_Color kWhite{255, 255, 255, 255};
constexpr int kCaptionPixels = 13;
constexpr int kOkPixels = 12;

}  // namespace

SDL_Rect titleBarOkButton() {
    return SDL_Rect{kScreenWidth - 32, 0, 32, kTitleBarHeight};
}

void drawTitleBar(SDL_Surface* screen, const char* caption, bool okPressed) {
    const SDL_Rect bar{0, 0, kScreenWidth, kTitleBarHeight};
    SDL_FillRect(screen, &bar, SDL_MapRGB(screen->format, 0, 0, 128));

    const SDL_Rect ok = titleBarOkButton();
    // The caption is cut short of the button rather than drawn under it.
    SDL_Rect captionClip{0, 0, ok.x - 2, kTitleBarHeight};
    SDL_SetClipRect(screen, &captionClip);
    const int textTop = (kTitleBarHeight - kCaptionPixels) / 2 - 1;
    drawText(screen, 6, textTop, caption != nullptr ? caption : "", kWhite, FontFace::SystemBold,
             kCaptionPixels);
    SDL_SetClipRect(screen, nullptr);

    // A rounded-off white frame around "ok"; filled white while held down.
    const SDL_Rect frame{ok.x + 3, 4, ok.w - 7, kTitleBarHeight - 8};
    const Uint32 white = SDL_MapRGB(screen->format, 255, 255, 255);
    const SDL_Rect edges[] = {
        {frame.x + 1, frame.y, frame.w - 2, 1},
        {frame.x + 1, frame.y + frame.h - 1, frame.w - 2, 1},
        {frame.x, frame.y + 1, 1, frame.h - 2},
        {frame.x + frame.w - 1, frame.y + 1, 1, frame.h - 2},
    };
    SDL_FillRects(screen, edges, 4, white);
    SDL_Color textColor = kWhite;
    if (okPressed) {
        const SDL_Rect inner{frame.x + 1, frame.y + 1, frame.w - 2, frame.h - 2};
        SDL_FillRect(screen, &inner, white);
        textColor = SDL_Color{0, 0, 128, 255};
    }
    // TRANSLATORS: the title bar's button that confirms and closes a window, about 20 pixels.
    const char* const label = trContext("title bar button", "ok");
    const int width = textWidth(label, FontFace::SystemBold, kOkPixels);
    drawText(screen, frame.x + (frame.w - width) / 2, frame.y + (frame.h - kOkPixels) / 2 - 2,
             label, textColor, FontFace::SystemBold, kOkPixels);
}

}  // namespace korvat::platform
