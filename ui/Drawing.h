#pragma once
// The board and the panel: each operation loads its sheets, composes off screen where needed,
// draws onto the context's target at once and presents what it changed. Nothing stays loaded.
// A first sheet that cannot be loaded is reported as "ERROR!"; a later one fails silently.
#include <cstdint>

#include "game/GameState.h"
#include "game/Turn.h"
#include "ui/DrawContext.h"

namespace korvat::ui {

// Panel, coming colours, best score, score, board, hints. The clock is not part of it.
void redrawAll(const DrawContext& ctx, const Position& position);
void drawPanel(const DrawContext& ctx);
void drawBoardImage(const DrawContext& ctx);
void drawNextColors(const DrawContext& ctx, const Wave& wave);
// Five large digits at (x, y); values above 99999 show as zeros.
void drawNumber(const DrawContext& ctx, int32_t x, int32_t y, uint32_t value);
// Five small clock digits at (x, y), same rules.
void drawClockDigits(const DrawContext& ctx, int32_t x, int32_t y, uint32_t value);
// The best score and the score at their places.
void drawScores(const DrawContext& ctx, uint32_t best, uint32_t score);
void drawBoard(const DrawContext& ctx, const Board& board);
// The small balls of the coming wave on its cells.
void drawHints(const DrawContext& ctx, const Wave& wave);

// A single ball: at rest (ball sheet row 0) or in bounce frame 0..8 (other frames draw nothing).
void drawRestingBall(const DrawContext& ctx, CellPos cell, int32_t color);
void drawBounceFrame(const DrawContext& ctx, CellPos cell, int32_t color, int32_t frame);

}  // namespace korvat::ui
