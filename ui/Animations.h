#pragma once
// The frames of a turn's animations, one frame a call: the move, the appearance of a wave, the
// bursts. They only draw: the rules have changed the board and their host waits between frames.
#include <cstdint>

#include "game/Turn.h"
#include "ui/Blit.h"
#include "ui/DrawContext.h"

namespace korvat::ui {

// The ball leaves `start`: the cell shows empty. Returns the board as it was before, which the
// move's frames put back behind the ball; null without pictures, and the move then draws nothing.
SurfacePtr beginMove(const DrawContext& ctx, CellPos start);
// `from` (when a cell) back from `before`, then the ball of `color` at rest on `cell`.
void drawMoveFrame(const DrawContext& ctx, SDL_Surface* before, CellPos from, CellPos cell,
                   int32_t color);
// Frame 0..3 of the balls of `wave` growing on their cells.
void drawAppearFrame(const DrawContext& ctx, const Wave& wave, int32_t frame);
// Ball sheet row r of the figure on each of its cells, composed on a copy of the board.
void drawExplosionFrame(const DrawContext& ctx, const FigureRecord& figure, int32_t r);

}  // namespace korvat::ui
