#include "platform/Controls.h"

#include <algorithm>
#include <utility>

#include "platform/ControlsDrawing.h"

namespace korvat::platform {

Control::Control(ControlOwner& owner, int id, SDL_Rect rect, std::string text)
    : owner_(owner), id_(id), rect_(rect), text_(std::move(text)) {}

bool Control::contains(int x, int y) const {
    const SDL_Point point{x, y};
    return SDL_PointInRect(&point, &rect_) == SDL_TRUE;
}

void Control::setText(std::string text) {
    text_ = std::move(text);
    changed();
}

void StaticText::paint(SDL_Surface* target, bool /*focused*/) const {
    // Top-aligned like the device's labels. Not cut at the box's right edge: this font is
    // wider than the device's, and the labels have free space to their right.
    const SDL_Rect line{rect_.x, rect_.y, std::max(rect_.w, target->w - rect_.x),
                        draw::lineHeight()};
    draw::textInRect(target, line, 0, text_.c_str(), draw::kBlack);
}

PushButton::PushButton(ControlOwner& owner, int id, SDL_Rect rect, std::string text, bool isDefault)
    : Control(owner, id, rect, std::move(text)), default_(isDefault) {}

void PushButton::paint(SDL_Surface* target, bool focused) const {
    draw::fill(target, rect_, draw::kWhite);
    draw::frame(target, rect_, draw::kBlack, default_ ? 2 : 1);
    draw::centredText(target, rect_, text_.c_str(), draw::kBlack);
    if (focused) {
        draw::dottedFrame(target, {rect_.x + 3, rect_.y + 3, rect_.w - 6, rect_.h - 6},
                          draw::kBlack);
    }
}

void PushButton::onMouseDown(int /*x*/, int /*y*/) {
    click();
}

bool PushButton::onKeyDown(const SDL_Keysym& key) {
    if (key.sym == SDLK_SPACE) {
        click();
        return true;
    }
    return false;
}

void CheckBox::setChecked(bool checked) {
    checked_ = checked;
    changed();
}

void CheckBox::toggle() {
    setChecked(!checked_);
    report(ControlEvent::Clicked);
}

void CheckBox::paint(SDL_Surface* target, bool focused) const {
    const int side = std::min(rect_.h, 13);
    const SDL_Rect box{rect_.x, rect_.y + (rect_.h - side) / 2, side, side};
    draw::fill(target, box, draw::kWhite);
    draw::frame(target, box, draw::kBlack);
    if (checked_) {
        // A tick: down from the left third, then up to the top right.
        const int x0 = box.x + 2;
        const int y0 = box.y + side / 2 - 1;
        const int down = side / 3;
        for (int i = 0; i <= down; ++i) {
            draw::fill(target, {x0 + i, y0 + i, 2, 2}, draw::kBlack);
        }
        const int up = side - 4 - down - 1;
        for (int i = 0; i <= up; ++i) {
            draw::fill(target, {x0 + down + i, y0 + down - i, 2, 2}, draw::kBlack);
        }
    }
    const int textLeft = box.x + side + 4;
    const SDL_Rect label{textLeft, rect_.y, std::max(0, target->w - textLeft), rect_.h};
    const int width = draw::textInRect(target, label, 1, text_.c_str(), draw::kBlack);
    if (focused) {
        draw::dottedFrame(target, {label.x - 1, label.y, width + 4, label.h}, draw::kBlack);
    }
}

void CheckBox::onMouseDown(int /*x*/, int /*y*/) {
    toggle();
}

bool CheckBox::onKeyDown(const SDL_Keysym& key) {
    if (key.sym == SDLK_SPACE) {
        toggle();
        return true;
    }
    return false;
}

int utf16Length(const char* utf8, size_t bytes) {
    int units = 0;
    for (size_t i = 0; i < bytes; ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if ((byte & 0xC0) == 0x80) {
            continue;  // continuation byte
        }
        units += byte >= 0xF0 ? 2 : 1;  // 4-byte sequences need a surrogate pair
    }
    return units;
}

size_t nextCharacter(const std::string& text, size_t at) {
    if (at >= text.size()) {
        return text.size();
    }
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) {
        ++at;
    }
    return at;
}

}  // namespace korvat::platform
