#include "BoardCursor.h"

#include <algorithm>

#include "ui/Layout.h"

namespace korvat::shell {
namespace {

constexpr int kFrameOffset = 1;
constexpr int kFrameSize = 24;  // offsets 1..24 of the tile
constexpr SDL_Color kFrameColor{0, 0, 128, 255};

}  // namespace

void BoardCursor::move(int dx, int dy) {
    cell_.x = std::clamp(cell_.x + dx, 0, kBoardSize - 1);
    cell_.y = std::clamp(cell_.y + dy, 0, kBoardSize - 1);
}

SDL_Rect BoardCursor::frameRect(CellPos cell) {
    return {ui::kBoardRect.left + ui::kCellPitch * cell.x + kFrameOffset,
            ui::kBoardRect.top + ui::kCellPitch * cell.y + kFrameOffset, kFrameSize, kFrameSize};
}

SDL_Point BoardCursor::tapPoint(CellPos cell) {
    const ui::Point origin = ui::cellOrigin(cell.x, cell.y);
    return {origin.x + ui::kBallWidth / 2, origin.y + ui::kBallHeight / 2};
}

bool BoardCursor::lift(SDL_Surface* target, SDL_Rect& area) {
    if (!drawn_) {
        return false;
    }
    drawn_ = false;
    if (under_ == nullptr || target == nullptr) {
        return false;
    }
    area = drawnAt_;
    SDL_Rect to = drawnAt_;
    SDL_BlitSurface(under_.get(), nullptr, target, &to);
    return true;
}

bool BoardCursor::drop(SDL_Surface* target, SDL_Rect& area) {
    if (!shown_ || drawn_ || target == nullptr) {
        return false;
    }
    const SDL_Rect frame = frameRect(cell_);
    if (under_ == nullptr || under_->format->format != target->format->format) {
        under_.reset(SDL_CreateRGBSurfaceWithFormat(
            0, kFrameSize, kFrameSize, target->format->BitsPerPixel, target->format->format));
        if (under_ == nullptr) {
            return false;
        }
    }
    SDL_Rect from = frame;
    SDL_BlitSurface(target, &from, under_.get(), nullptr);

    const Uint32 color = SDL_MapRGB(target->format, kFrameColor.r, kFrameColor.g, kFrameColor.b);
    const SDL_Rect edges[] = {
        {frame.x, frame.y, frame.w, 1},
        {frame.x, frame.y + frame.h - 1, frame.w, 1},
        {frame.x, frame.y, 1, frame.h},
        {frame.x + frame.w - 1, frame.y, 1, frame.h},
    };
    SDL_FillRects(target, edges, 4, color);
    drawn_ = true;
    drawnAt_ = frame;
    area = frame;
    return true;
}

}  // namespace korvat::shell
