// The board: its empty image, the balls at rest, the hints of the coming wave, single balls.
#include "assets/Resources.h"
#include "ui/Blit.h"
#include "ui/Drawing.h"

namespace korvat::ui {
namespace {

void drawBallAt(const DrawContext& ctx, int sheetId, CellPos cell, int32_t color, int32_t row) {
    const SurfacePtr sheet = loadSheet(ctx, sheetId);
    if (!sheet || !isBallColor(color) || !isCell(cell.x, cell.y)) {
        return;
    }
    showBall(ctx, sheet.get(), color, row, cell);
}

}  // namespace

void drawBoardImage(const DrawContext& ctx) {
    const SurfacePtr image = loadSheet(ctx, res::kBoardImage);
    if (!image) {
        reportLoadError(ctx);
        return;
    }
    copyArea(image.get(), {0, 0, kBoardWidth, kBoardHeight}, ctx.target,
             {kBoardArea.x, kBoardArea.y});
    present(ctx, kBoardArea);
}

void drawBoard(const DrawContext& ctx, const Board& board) {
    const SurfacePtr image = loadSheet(ctx, res::kBoardImage);
    if (!image) {
        reportLoadError(ctx);
        return;
    }
    // Both sheets before the first copy, so that a failed load leaves the board as it was. The
    // target is itself off screen until presented, so the board is composed on it directly.
    const SurfacePtr balls = loadSheet(ctx, res::kBallSheet);
    if (!balls || ctx.target == nullptr) {
        return;
    }
    copyArea(image.get(), {0, 0, kBoardWidth, kBoardHeight}, ctx.target,
             {kBoardArea.x, kBoardArea.y});
    for (int32_t x = 0; x < kBoardSize; ++x) {
        for (int32_t y = 0; y < kBoardSize; ++y) {
            copyBall(balls.get(), board.at(x, y), ballRow::kRest, ctx.target, cellOrigin(x, y));
        }
    }
    present(ctx, kBoardArea);
}

void drawHints(const DrawContext& ctx, const Wave& wave) {
    const SurfacePtr balls = loadSheet(ctx, res::kBallSheet);
    if (!balls) {
        reportLoadError(ctx);
        return;
    }
    // Drawn over whatever the cell shows.
    for (int32_t k = 0; k < kWaveSize; ++k) {
        const CellPos cell = wave.cells[k];
        const int32_t c = wave.colors[k];
        if (isBallColor(c) && isCell(cell.x, cell.y)) {
            showBall(ctx, balls.get(), c, ballRow::kHint, cell);
        }
    }
}

void drawRestingBall(const DrawContext& ctx, CellPos cell, int32_t color) {
    drawBallAt(ctx, res::kBallSheet, cell, color, ballRow::kRest);
}

void drawBounceFrame(const DrawContext& ctx, CellPos cell, int32_t color, int32_t frame) {
    // Frame 9 lies beyond the sheet: the cell keeps frame 8.
    if (frame < 0 || frame >= kBounceFrames) {
        return;
    }
    drawBallAt(ctx, res::kBounceSheet, cell, color, frame);
}

}  // namespace korvat::ui
