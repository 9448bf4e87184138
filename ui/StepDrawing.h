#pragma once
// Draws one step of a turn. Steps that show nothing on the board or the panel (sounds, the
// menu's marks, dialogs) are left to the caller.
#include "game/GameState.h"
#include "game/Turn.h"
#include "ui/Blit.h"
#include "ui/DrawContext.h"

namespace korvat::ui {

// `now` is the position as the turn's phase leaves it (what RedrawAll shows); `moveBefore`
// keeps the board from a MoveStart for the MoveBall steps after it.
void drawStep(const DrawContext& ctx, const Turn& turn, const Step& step, const Position& now,
              SurfacePtr& moveBefore);

}  // namespace korvat::ui
