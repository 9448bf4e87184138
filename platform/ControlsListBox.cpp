#include <algorithm>
#include <utility>

#include "platform/Controls.h"
#include "platform/ControlsDrawing.h"

namespace korvat::platform {

ListBox::ListBox(ControlOwner& owner, int id, SDL_Rect rect) : Control(owner, id, rect, {}) {}

void ListBox::setRows(std::vector<Row> rows) {
    rows_ = std::move(rows);
    selection_ = -1;
    top_ = 0;
    changed();
}

int ListBox::visibleRows() const {
    return std::max(1, (rect_.h - 2) / kRowHeight);
}

void ListBox::scrollTo(int top) {
    const int lastTop = std::max(0, static_cast<int>(rows_.size()) - visibleRows());
    top_ = std::clamp(top, 0, lastTop);
}

void ListBox::moveSelection(int index) {
    const int before = selection_;
    selection_ = rows_.empty() ? -1 : std::clamp(index, 0, static_cast<int>(rows_.size()) - 1);
    if (selection_ >= 0 && selection_ < top_) {
        scrollTo(selection_);
    } else if (selection_ >= top_ + visibleRows()) {
        scrollTo(selection_ - visibleRows() + 1);
    }
    changed();
    if (selection_ != before && selection_ >= 0) {
        report(ControlEvent::SelectionChanged);
    }
}

void ListBox::paint(SDL_Surface* target, bool focused) const {
    draw::fill(target, rect_, draw::kWhite);
    draw::frame(target, rect_, draw::kBlack);
    const bool needsBar = static_cast<int>(rows_.size()) > visibleRows();
    const int rowWidth = rect_.w - 2 - (needsBar ? kScrollBarWidth : 0);
    {
        draw::ClipScope clip(target, {rect_.x + 1, rect_.y + 1, rowWidth, rect_.h - 2});
        for (int i = 0; i < visibleRows() && top_ + i < static_cast<int>(rows_.size()); ++i) {
            const Row& row = rows_[top_ + i];
            const SDL_Rect line{rect_.x + 1, rect_.y + 1 + i * kRowHeight, rowWidth, kRowHeight};
            const bool selected = top_ + i == selection_;
            const SDL_Color ink = selected ? draw::kWhite : draw::kBlack;
            if (selected) {
                draw::fill(target, line, draw::kSelection);
            }
            if (row.folder) {
                // A small folder: a tab over a box.
                const int y = line.y + 4;
                draw::frame(target, {line.x + 3, y + 2, 11, 7}, ink);
                draw::fill(target, {line.x + 3, y, 5, 2}, ink);
            }
            draw::textInRect(target, line, 18, row.text.c_str(), ink);
            if (selected && focused) {
                draw::dottedFrame(target, line, draw::kWhite);
            }
        }
    }
    if (!needsBar) {
        return;
    }
    // Scroll bar: an arrow box at each end, the thumb in the track between.
    const SDL_Rect bar{rect_.x + rect_.w - 1 - kScrollBarWidth, rect_.y + 1, kScrollBarWidth,
                       rect_.h - 2};
    draw::frame(target, {bar.x - 1, bar.y - 1, 1, bar.h + 2}, draw::kBlack);
    const int arrow = kScrollBarWidth;
    draw::frame(target, {bar.x, bar.y, bar.w, arrow}, draw::kBlack);
    draw::frame(target, {bar.x, bar.y + bar.h - arrow, bar.w, arrow}, draw::kBlack);
    const int cx = bar.x + bar.w / 2;
    for (int half = 0; half < 4; ++half) {
        draw::fill(target, {cx - half, bar.y + 3 + half, 2 * half + 1, 1}, draw::kBlack);
        draw::fill(target, {cx - half, bar.y + bar.h - 4 - half, 2 * half + 1, 1}, draw::kBlack);
    }
    const int track = bar.h - 2 * arrow;
    const int count = static_cast<int>(rows_.size());
    const int thumb = std::max(6, track * visibleRows() / count);
    const int lastTop = count - visibleRows();
    const int thumbY = bar.y + arrow + (track - thumb) * top_ / std::max(1, lastTop);
    draw::fill(target, {bar.x + 1, thumbY, bar.w - 2, thumb}, draw::kGrey);
}

void ListBox::onMouseDown(int x, int y) {
    const bool needsBar = static_cast<int>(rows_.size()) > visibleRows();
    if (needsBar && x >= rect_.x + rect_.w - 1 - kScrollBarWidth) {
        const int barTop = rect_.y + 1;
        const int barBottom = rect_.y + rect_.h - 1;
        if (y < barTop + kScrollBarWidth) {
            scrollTo(top_ - 1);
        } else if (y >= barBottom - kScrollBarWidth) {
            scrollTo(top_ + 1);
        } else {
            // The track pages towards the tap.
            const int middle = barTop + (barBottom - barTop) / 2;
            scrollTo(top_ + (y < middle ? -visibleRows() : visibleRows()));
        }
        changed();
        return;
    }
    const int index = top_ + (y - rect_.y - 1) / kRowHeight;
    if (y < rect_.y + 1 || index >= static_cast<int>(rows_.size())) {
        return;
    }
    if (index == selection_) {
        report(ControlEvent::Activated);  // a second tap on the same row
        return;
    }
    moveSelection(index);
    report(ControlEvent::Clicked);
}

bool ListBox::onKeyDown(const SDL_Keysym& key) {
    const int page = visibleRows();
    switch (key.sym) {
        case SDLK_UP:
            moveSelection(selection_ < 0 ? 0 : selection_ - 1);
            return true;
        case SDLK_DOWN:
            moveSelection(selection_ + 1);
            return true;
        case SDLK_PAGEUP:
            moveSelection(std::max(0, selection_) - page);
            return true;
        case SDLK_PAGEDOWN:
            moveSelection(std::max(0, selection_) + page);
            return true;
        case SDLK_HOME:
            moveSelection(0);
            return true;
        case SDLK_END:
            moveSelection(static_cast<int>(rows_.size()) - 1);
            return true;
        case SDLK_SPACE:
            if (selection_ >= 0) {
                report(ControlEvent::Activated);
            }
            return true;
        default:
            return false;
    }
}

bool ListBox::onWheel(int rows) {
    scrollTo(top_ + rows);
    changed();
    return true;
}

}  // namespace korvat::platform
