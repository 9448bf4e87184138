// Move, appearance and explosion frames. Every frame is presented before the pause after it.
#include "ui/Animations.h"

#include "assets/Resources.h"
#include "ui/Blit.h"

namespace korvat::ui {
namespace {

constexpr Area kBoardArea{kBoardRect.left, kBoardRect.top, kBoardWidth, kBoardHeight};

// The target's board area, copied to an off-screen board (origin at the board's corner).
SurfacePtr copyOfBoard(const DrawContext& ctx) {
    SurfacePtr board = createOffscreen(ctx.target, kBoardWidth, kBoardHeight);
    copyArea(ctx.target, kBoardArea, board.get(), {0, 0});
    return board;
}

// The cells of the route up to its end mark (or the full list if the mark is missing).
int32_t routeLength(const GameState& state) {
    int32_t n = 0;
    while (n < kCellCount && isCell(state.route[n].x, state.route[n].y)) {
        ++n;
    }
    return n;
}

void showBall(const DrawContext& ctx, SDL_Surface* balls, int32_t color, int32_t row,
              CellPos cell) {
    const Area at = cellArea(cell);
    copyBall(balls, color, row, ctx.target, {at.x, at.y});
    present(ctx, at);
}

}  // namespace

void animateMove(const DrawContext& ctx, const GameState& state) {
    const int32_t n = routeLength(state);
    if (n < 2) {
        return;
    }
    const SurfacePtr balls = loadSheet(ctx, res::kBallSheet);
    if (!balls) {
        return;  // no pictures; the rules still move the ball
    }
    // Taken once: each cell the ball leaves comes back from it, hints included.
    const SurfacePtr snapshot = copyOfBoard(ctx);
    if (!snapshot) {
        return;
    }
    const CellPos start = state.route[0];
    const Area startArea = cellArea(start);
    copyArea(balls.get(), ballSprite(0, ballRow::kRest), ctx.target, {startArea.x, startArea.y});
    present(ctx, startArea);

    const int32_t color = state.board.at(start.x, start.y);
    for (int32_t i = 1; i < n - 1; ++i) {
        const CellPos cell = state.route[i];
        showBall(ctx, balls.get(), color, ballRow::kRest, cell);
        pause(ctx, state.settings.moveDelay);
        const Point from = boardCellOrigin(cell.x, cell.y);
        const Area at = cellArea(cell);
        copyArea(snapshot.get(), {from.x, from.y, kBallWidth, kBallHeight}, ctx.target,
                 {at.x, at.y});
        present(ctx, at);
    }
    showBall(ctx, balls.get(), color, ballRow::kRest, state.route[n - 1]);
}

void animateAppearance(const DrawContext& ctx, const GameState& state) {
    const SurfacePtr balls = loadSheet(ctx, res::kBallSheet);
    if (!balls) {
        reportLoadError(ctx);
        return;
    }
    for (const int32_t row : kAppearanceRows) {
        for (int32_t k = 0; k < kWaveSize; ++k) {
            const CellPos cell = state.appearCells[k];
            if (isBallColor(state.appearColors[k]) && isCell(cell.x, cell.y)) {
                showBall(ctx, balls.get(), state.appearColors[k], row, cell);
            }
        }
        pause(ctx, state.settings.appearDelay);  // after the last frame too
    }
}

void drawExplosionFrame(const DrawContext& ctx, const GameState& state, int32_t f, int32_t r) {
    if (f < 0 || f >= 4) {
        return;
    }
    const SurfacePtr board = copyOfBoard(ctx);
    if (!board) {
        return;
    }
    const SurfacePtr balls = loadSheet(ctx, res::kBallSheet);
    if (!balls) {
        return;  // the target stays as it was
    }
    const FigureRecord& figure = state.figures[f];
    const uint32_t count =
        figure.count < FigureRecord::kCapacity ? figure.count : FigureRecord::kCapacity;
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
