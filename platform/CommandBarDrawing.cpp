#include "platform/CommandBar.h"

#include <algorithm>

#include "platform/CommandBarLayout.h"
#include "platform/Controls.h"
#include "platform/ControlsDrawing.h"
#include "platform/Display.h"
#include "platform/Font.h"

namespace korvat::platform {

using namespace bar;

namespace {

using draw::fill;
using draw::kBlack;
using draw::kWhite;

constexpr SDL_Color kFace{192, 192, 192, 255};
constexpr SDL_Color kShadow = draw::kGrey;
constexpr SDL_Color kLit = draw::kSelection;

void frame(SDL_Surface* s, const SDL_Rect& r, SDL_Color topLeft, SDL_Color bottomRight) {
    fill(s, SDL_Rect{r.x, r.y, r.w, 1}, topLeft);
    fill(s, SDL_Rect{r.x, r.y, 1, r.h}, topLeft);
    fill(s, SDL_Rect{r.x, r.y + r.h - 1, r.w, 1}, bottomRight);
    fill(s, SDL_Rect{r.x + r.w - 1, r.y, 1, r.h}, bottomRight);
}

void drawLabel(SDL_Surface* s, int x, int y, const std::string& text, int accessIndex,
               SDL_Color color) {
    drawText(s, x, y, text.c_str(), color, FontFace::System, kTextPixels);
    if (accessIndex < 0 || accessIndex >= static_cast<int>(text.size())) {
        return;
    }
    const std::string before = text.substr(0, accessIndex);
    // The whole UTF-8 sequence of the letter: translated labels underline letters beyond ASCII.
    const std::string letter =
        text.substr(accessIndex, nextCharacter(text, accessIndex) - accessIndex);
    const int left = x + (before.empty() ? 0 : textWidth(before.c_str()));
    const int width = textWidth(letter.c_str());
    fill(s, SDL_Rect{left, y + kTextPixels + 2, std::max(width, 1), 1}, color);
}

// A small filled disc: the radio mark of a checked item.
void drawRadioMark(SDL_Surface* s, int cx, int cy, SDL_Color color) {
    static constexpr int kHalfWidths[] = {1, 2, 3, 3, 3, 2, 1};
    for (int row = 0; row < 7; ++row) {
        const int half = kHalfWidths[row];
        fill(s, SDL_Rect{cx - half + 1, cy - 3 + row, half * 2 - 1, 1}, color);
    }
}

void drawSubArrow(SDL_Surface* s, int x, int cy, SDL_Color color) {
    for (int col = 0; col < 4; ++col) {
        fill(s, SDL_Rect{x + col, cy - 3 + col, 1, 7 - 2 * col}, color);
    }
}

// Stand-in pictures while no strip bitmap is at hand: a grey square with a dark border.
void drawPlaceholderImage(SDL_Surface* s, const SDL_Rect& r) {
    fill(s, r, kShadow);
    fill(s, SDL_Rect{r.x + 2, r.y + 2, r.w - 4, r.h - 4}, kWhite);
}

}  // namespace

void CommandBar::drawEmptyStrip(SDL_Surface* screen) {
    const SDL_Rect bar{0, kMenuBarTop, kScreenWidth, kMenuBarHeight};
    fill(screen, bar, kFace);
    fill(screen, SDL_Rect{0, kMenuBarTop, kScreenWidth, 1}, kShadow);
    fill(screen, SDL_Rect{0, kMenuBarTop + 1, kScreenWidth, 1}, kWhite);
}

void CommandBar::drawStrip(SDL_Surface* screen) const {
    drawEmptyStrip(screen);
    const int textTop = kMenuBarTop + (kMenuBarHeight - kTextPixels) / 2 - 2;
    for (int i = 0; i < static_cast<int>(menus_.size()); ++i) {
        const DropDown& dropDown = menus_[i];
        SDL_Color color = kBlack;
        if (i == openMenu_) {
            fill(screen,
                 SDL_Rect{dropDown.rect.x, kMenuBarTop + 2, dropDown.rect.w, kMenuBarHeight - 2},
                 kLit);
            color = kWhite;
        }
        drawText(screen, dropDown.rect.x + kDropDownPadding, textTop, dropDown.menu.text.c_str(),
                 color, FontFace::System, kTextPixels);
    }
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
        const Button& button = buttons_[i];
        const bool pressed = i == pressedButton_;
        const SDL_Rect face{button.rect.x, kMenuBarTop + 2, button.rect.w, kMenuBarHeight - 2};
        if (pressed) {
            frame(screen, face, kShadow, kWhite);
        }
        const int shift = pressed ? 1 : 0;
        SDL_Rect to{button.rect.x + (button.rect.w - imageWidth_) / 2 + shift,
                    kMenuBarTop + 2 + (kMenuBarHeight - 2 - imageHeight_) / 2 + shift, imageWidth_,
                    imageHeight_};
        if (images_ != nullptr) {
            SDL_Rect from{button.image * imageWidth_, 0, imageWidth_, imageHeight_};
            SDL_BlitSurface(images_, &from, screen, &to);
        } else {
            drawPlaceholderImage(screen, to);
        }
    }
}

void CommandBar::drawPopups(SDL_Surface* screen) const {
    for (const Level& level : openLevels()) {
        const SDL_Rect& r = level.rect;
        fill(screen, r, kWhite);
        draw::frame(screen, r, kBlack);
        SDL_SetClipRect(screen, &r);
        int top = r.y + 1;
        for (int i = 0; i < static_cast<int>(level.items->size()); ++i) {
            const Item& item = (*level.items)[i];
            if (item.separator) {
                fill(screen, SDL_Rect{r.x + 2, top + kSeparatorHeight / 2, r.w - 4, 1}, kShadow);
                top += kSeparatorHeight;
                continue;
            }
            const bool lit = i == level.lit;
            SDL_Color color = kBlack;
            if (lit) {
                fill(screen, SDL_Rect{r.x + 1, top, r.w - 2, kItemHeight}, kLit);
                color = kWhite;
            }
            const int textTop = top + (kItemHeight - kTextPixels) / 2 - 2;
            const int midY = top + kItemHeight / 2;
            if (item.checked) {
                drawRadioMark(screen, r.x + 1 + kCheckColumn / 2, midY, color);
            }
            drawLabel(screen, r.x + 1 + kCheckColumn, textTop, item.text, item.accessIndex, color);
            if (!item.shortcut.empty()) {
                const int w = textWidth(item.shortcut.c_str());
                drawText(screen, r.x + r.w - 1 - kArrowColumn - w, textTop, item.shortcut.c_str(),
                         color, FontFace::System, kTextPixels);
            }
            if (!item.items.empty()) {
                drawSubArrow(screen, r.x + r.w - 1 - kArrowColumn / 2 - 2, midY, color);
            }
            top += kItemHeight;
        }
        SDL_SetClipRect(screen, nullptr);
    }
}

}  // namespace korvat::platform
