#pragma once
// The animations that run to their end inside the operation that starts them, pausing with
// the context's sleep between frames. They only draw: the rules change the board.
#include <cstdint>

#include "game/GameState.h"
#include "ui/DrawContext.h"

namespace korvat::ui {

// Walks the selected ball along state.route: erases the start, shows the ball on every cell
// passed for moveDelay, then at rest on the destination. (n - 2) * moveDelay for n cells.
void animateMove(const DrawContext& ctx, const GameState& state);
// Grows appearColors on appearCells: rows 3, 2, 1, 0, appearDelay after each frame.
void animateAppearance(const DrawContext& ctx, const GameState& state);
// Ball sheet row r of figures[f] on each of its cells, composed on a copy of the board.
void drawExplosionFrame(const DrawContext& ctx, const GameState& state, int32_t f, int32_t r);

}  // namespace korvat::ui
