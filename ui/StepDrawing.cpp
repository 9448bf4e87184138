#include "ui/StepDrawing.h"

#include "ui/Animations.h"
#include "ui/Drawing.h"

namespace korvat::ui {

void drawStep(const DrawContext& ctx, const Turn& turn, const Step& step, const Position& now,
              SurfacePtr& moveBefore) {
    switch (step.kind) {
        case StepKind::MoveStart:
            moveBefore = beginMove(ctx, step.cell);
            break;
        case StepKind::MoveBall:
            drawMoveFrame(ctx, moveBefore.get(), step.from, step.cell, step.color);
            break;
        case StepKind::AppearFrame:
            drawAppearFrame(ctx, step.wave, step.frame);
            break;
        case StepKind::ExplosionFrame:
            if (step.figure >= 0 && step.figure < turn.figureCount) {
                drawExplosionFrame(ctx, turn.figures[step.figure], step.frame);
            }
            break;
        case StepKind::RestingBall:
            drawRestingBall(ctx, step.cell, step.color);
            break;
        case StepKind::BounceFrame:
            drawBounceFrame(ctx, step.cell, step.color, step.frame);
            break;
        case StepKind::Panel:
            drawPanel(ctx);
            break;
        case StepKind::BoardImage:
            drawBoardImage(ctx);
            break;
        case StepKind::NextColors:
            drawNextColors(ctx, step.wave);
            break;
        case StepKind::Hints:
            drawHints(ctx, step.wave);
            break;
        case StepKind::Scores:
            drawScores(ctx, step.best, step.score);
            break;
        case StepKind::Clock:
            drawClockDigits(ctx, kClockPos.x, kClockPos.y, step.clock);
            break;
        case StepKind::RedrawAll:
            redrawAll(ctx, now);
            break;
        case StepKind::Sound:
        case StepKind::RuleMarks:
        case StepKind::Message:
        case StepKind::NameDialog:
        case StepKind::HighScores:
            break;
    }
}

}  // namespace korvat::ui
