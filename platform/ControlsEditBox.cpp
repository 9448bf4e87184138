#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "platform/Controls.h"
#include "platform/ControlsDrawing.h"
#include "platform/Font.h"

namespace korvat::platform {
namespace {

// Length in bytes of the UTF-8 sequence that starts with `lead`.
size_t sequenceLength(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

bool isContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

size_t previousBoundary(const std::string& text, size_t at) {
    if (at == 0) {
        return 0;
    }
    --at;
    while (at > 0 && isContinuation(text[at])) {
        --at;
    }
    return at;
}

}  // namespace

EditBox::EditBox(ControlOwner& owner, int id, SDL_Rect rect, bool digitsOnly, bool border,
                 bool scrollsSideways)
    : Control(owner, id, rect, {}),
      digitsOnly_(digitsOnly),
      border_(border),
      scrollsSideways_(scrollsSideways) {}

void EditBox::setText(std::string text) {
    text_ = std::move(text);
    caret_ = 0;
    scrollX_ = 0;
    allSelected_ = false;
    changed();
}

void EditBox::setLimit(int utf16Units) {
    limit_ = utf16Units > 0 ? utf16Units : kDefaultLimit;
}

void EditBox::selectAll() {
    allSelected_ = !text_.empty();
    caret_ = text_.size();
    keepCaretVisible();
    changed();
}

void EditBox::removeSelection() {
    if (allSelected_) {
        text_.clear();
        caret_ = 0;
        allSelected_ = false;
    }
}

void EditBox::insert(const char* utf8) {
    if (utf8 == nullptr) {
        return;
    }
    removeSelection();
    const std::string input(utf8);
    for (size_t at = 0; at < input.size();) {
        const auto lead = static_cast<unsigned char>(input[at]);
        const size_t length = std::min(sequenceLength(lead), input.size() - at);
        const std::string piece = input.substr(at, length);
        at += length;
        if (lead < 0x20 || lead == 0x7F || (digitsOnly_ && (lead < '0' || lead > '9'))) {
            continue;  // control characters never, letters not in a digits-only box
        }
        if (utf16Length(text_.data(), text_.size()) + utf16Length(piece.data(), piece.size()) >
            limit_) {
            break;
        }
        std::string candidate = text_;
        candidate.insert(caret_, piece);
        if (!scrollsSideways_ &&
            textWidth(candidate.c_str(), FontFace::System, kDialogFontPixels) > textArea().w - 1) {
            break;  // a box that does not scroll takes what it can show
        }
        text_ = std::move(candidate);
        caret_ += piece.size();
    }
    keepCaretVisible();
    changed();
}

SDL_Rect EditBox::textArea() const {
    return {rect_.x + 2, rect_.y + 1, std::max(0, rect_.w - 4), std::max(0, rect_.h - 2)};
}

int EditBox::widthOf(size_t bytes) const {
    return textWidth(text_.substr(0, bytes).c_str(), FontFace::System, kDialogFontPixels);
}

void EditBox::keepCaretVisible() {
    const int visible = std::max(1, textArea().w - 1);
    const int caretX = widthOf(caret_);
    if (caretX - scrollX_ > visible) {
        scrollX_ = caretX - visible;
    }
    if (caretX < scrollX_) {
        scrollX_ = std::max(0, caretX - visible / 4);
    }
    // No empty space is left on the right while text is hidden on the left.
    scrollX_ = std::max(0, std::min(scrollX_, widthOf(text_.size()) - visible));
}

void EditBox::paint(SDL_Surface* target, bool focused) const {
    draw::fill(target, rect_, draw::kWhite);
    if (border_) {
        draw::frame(target, rect_, draw::kBlack);
    }
    const SDL_Rect area = textArea();
    const bool highlight = focused && allSelected_;
    if (highlight) {
        draw::ClipScope clip(target, area);
        draw::fill(target, {area.x - scrollX_, area.y + 1, widthOf(text_.size()), area.h - 2},
                   draw::kSelection);
    }
    draw::textInRect(target, area, -scrollX_, text_.c_str(),
                     highlight ? draw::kWhite : draw::kBlack);
    if (focused && !allSelected_) {
        const int height = std::min(area.h, draw::lineHeight());
        draw::ClipScope clip(target, area);
        draw::fill(target,
                   {area.x + widthOf(caret_) - scrollX_, area.y + (area.h - height) / 2, 1, height},
                   draw::kBlack);
    }
}

void EditBox::onMouseDown(int x, int /*y*/) {
    allSelected_ = false;
    const int wanted = x - textArea().x + scrollX_;
    size_t best = 0;
    int bestDistance = std::abs(wanted);
    for (size_t at = nextCharacter(text_, 0); at <= text_.size(); at = nextCharacter(text_, at)) {
        const int distance = std::abs(widthOf(at) - wanted);
        if (distance < bestDistance) {
            best = at;
            bestDistance = distance;
        }
        if (at == text_.size()) {
            break;
        }
    }
    caret_ = best;
    keepCaretVisible();
    changed();
}

bool EditBox::onKeyDown(const SDL_Keysym& key) {
    const bool ctrl = (key.mod & KMOD_CTRL) != 0;
    switch (key.sym) {
        case SDLK_LEFT:
            caret_ = allSelected_ ? 0 : previousBoundary(text_, caret_);
            break;
        case SDLK_RIGHT:
            caret_ = allSelected_ ? text_.size() : nextCharacter(text_, caret_);
            break;
        case SDLK_HOME:
            caret_ = 0;
            break;
        case SDLK_END:
            caret_ = text_.size();
            break;
        case SDLK_BACKSPACE:
            if (allSelected_) {
                removeSelection();
            } else if (caret_ > 0) {
                const size_t from = previousBoundary(text_, caret_);
                text_.erase(from, caret_ - from);
                caret_ = from;
            }
            break;
        case SDLK_DELETE:
            if (allSelected_) {
                removeSelection();
            } else if (caret_ < text_.size()) {
                text_.erase(caret_, nextCharacter(text_, caret_) - caret_);
            }
            break;
        case SDLK_a:
            if (!ctrl) {
                return false;
            }
            selectAll();
            return true;
        case SDLK_v: {
            if (!ctrl) {
                return false;  // the letter itself arrives as text input
            }
            char* pasted = SDL_GetClipboardText();
            if (pasted != nullptr) {
                std::string line(pasted);
                SDL_free(pasted);
                line = line.substr(0, line.find_first_of("\r\n"));
                insert(line.c_str());
            }
            return true;
        }
        default:
            return false;
    }
    allSelected_ = false;
    keepCaretVisible();
    changed();
    return true;
}

void EditBox::onTextInput(const char* utf8) {
    insert(utf8);
}

void EditBox::onFocus(bool gained) {
    if (gained) {
        SDL_StartTextInput();
    } else {
        allSelected_ = false;
    }
}

}  // namespace korvat::platform
