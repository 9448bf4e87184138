// Move, appearance and explosion frames; every frame is presented as it is drawn.
#include "ui/Animations.h"

#include <algorithm>
#include <iterator>

#include "assets/Resources.h"

namespace korvat::ui {
namespace {

static_assert(std::size(kAppearanceRows) == kAppearanceFrames);

// The target's board area, copied to an off-screen board (origin at the board's corner).
SurfacePtr copyOfBoard(const DrawContext& ctx) {
    SurfacePtr board = createOffscreen(ctx.target, kBoardWidth, kBoardHeight);
    copyArea(ctx.target, kBoardArea, board.get(), {0, 0});
    return board;
}

}  // namespace

SurfacePtr beginMove(const DrawContext& ctx, CellPos start) {
    const SurfacePtr balls = loadSheet(ctx, res::kBallSheet);
    if (!balls || !isCell(start.x, start.y)) {
        return nullptr;  // no pictures; the rules still move the ball
    }
    // Taken once: each cell the ball leaves comes back from it, hints included.
    SurfacePtr before = copyOfBoard(ctx);
    if (!before) {
        return nullptr;
    }
    const Area startArea = cellArea(start);
    copyArea(balls.get(), ballSprite(0, ballRow::kRest), ctx.target, {startArea.x, startArea.y});
    present(ctx, startArea);
    return before;
}

void drawMoveFrame(const DrawContext& ctx, SDL_Surface* before, CellPos from, CellPos cell,
                   int32_t color) {
    const SurfacePtr balls = loadSheet(ctx, res::kBallSheet);
    if (before == nullptr || !balls) {
        return;
    }
    if (isCell(from.x, from.y)) {
        const Point origin = boardCellOrigin(from.x, from.y);
        const Area at = cellArea(from);
        copyArea(before, {origin.x, origin.y, kBallWidth, kBallHeight}, ctx.target, {at.x, at.y});
        present(ctx, at);
    }
    if (isCell(cell.x, cell.y)) {
        showBall(ctx, balls.get(), color, ballRow::kRest, cell);
    }
}

void drawAppearFrame(const DrawContext& ctx, const Wave& wave, int32_t frame) {
    const SurfacePtr balls = loadSheet(ctx, res::kBallSheet);
    if (!balls) {
        if (frame == 0) {
            reportLoadError(ctx);
        }
        return;
    }
    if (frame < 0 || frame >= kAppearanceFrames) {
        return;
    }
    for (int32_t k = 0; k < kWaveSize; ++k) {
        const CellPos cell = wave.cells[k];
        if (isBallColor(wave.colors[k]) && isCell(cell.x, cell.y)) {
            showBall(ctx, balls.get(), wave.colors[k], kAppearanceRows[frame], cell);
        }
    }
}

void drawExplosionFrame(const DrawContext& ctx, const FigureRecord& figure, int32_t r) {
    const SurfacePtr board = copyOfBoard(ctx);
    if (!board) {
        return;
    }
    const SurfacePtr balls = loadSheet(ctx, res::kBallSheet);
    if (!balls) {
        return;  // the target stays as it was
    }
    const uint32_t count = std::min(figure.count, uint32_t{FigureRecord::kCapacity});
    for (uint32_t i = 0; i < count; ++i) {
        const CellPos cell = figure.cells[i];
        if (isCell(cell.x, cell.y)) {
            copyBall(balls.get(), figure.color, r, board.get(), boardCellOrigin(cell.x, cell.y));
        }
    }
    copyArea(board.get(), {0, 0, kBoardWidth, kBoardHeight}, ctx.target,
             {kBoardArea.x, kBoardArea.y});
    present(ctx, kBoardArea);
}

}  // namespace korvat::ui
