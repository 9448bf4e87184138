// The information panel: its image, the coming colours and the five-digit numbers.
//
// The strips are composed on an off-screen panel that holds the panel image at its own origin
// and are copied to the same coordinates in the window, whereas drawPanel puts the image at
// the panel's corner (2, 2). The image is white but for the clock's colon dots, so the dots
// sit 2 pixels up and left once the clock has been drawn. Kept so the screen looks as it did.
#include "assets/Resources.h"
#include "ui/Blit.h"
#include "ui/Drawing.h"

namespace korvat::ui {
namespace {

// The off-screen panel with the panel image at (0, 0), or null. The panel image is the first
// sheet of every strip, so failing to load it is reported.
SurfacePtr offscreenPanel(const DrawContext& ctx) {
    const SurfacePtr panelImage = loadSheet(ctx, res::kPanelImage);
    if (!panelImage) {
        reportLoadError(ctx);
        return nullptr;
    }
    SurfacePtr panel = createOffscreen(ctx.target, kPanelWidth, kPanelHeight);
    copyArea(panelImage.get(), {0, 0, kPanelWidth, kPanelHeight}, panel.get(), {0, 0});
    return panel;
}

struct DigitSheet {
    int id;
    Area (*digit)(int32_t d);
    int32_t pitch;
};

void drawDigits(const DrawContext& ctx, DigitSheet sheet, int32_t x, int32_t y, uint32_t value) {
    value = shownNumber(value);
    const SurfacePtr panel = offscreenPanel(ctx);
    if (!panel) {
        return;
    }
    const SurfacePtr digitSheet = loadSheet(ctx, sheet.id);
    if (!digitSheet) {
        return;
    }
    for (int32_t k = 0, place = 10000; k < kNumberDigits; ++k, place /= 10) {
        const int32_t digit = static_cast<int32_t>(value / place % 10);
        copyArea(digitSheet.get(), sheet.digit(digit), panel.get(), {x + k * sheet.pitch, y});
    }
    // From the digits' top down to the panel's bottom edge; it never reaches the board.
    const Area strip{x, y, kNumberDigits * sheet.pitch, kPanelHeight - y};
    copyArea(panel.get(), strip, ctx.target, {x, y});
    present(ctx, strip);
}

}  // namespace

void drawPanel(const DrawContext& ctx) {
    const SurfacePtr image = loadSheet(ctx, res::kPanelImage);
    if (!image) {
        reportLoadError(ctx);
        return;
    }
    copyArea(image.get(), {0, 0, kPanelWidth, kPanelHeight}, ctx.target,
             {kPanelRect.left, kPanelRect.top});
    present(ctx, {kPanelRect.left, kPanelRect.top, kPanelWidth, kPanelHeight});
}

void drawNextColors(const DrawContext& ctx, const Wave& wave) {
    const SurfacePtr panel = offscreenPanel(ctx);
    if (!panel) {
        return;
    }
    const SurfacePtr icons = loadSheet(ctx, res::kNextBallIcons);
    if (!icons) {
        return;
    }
    for (int32_t k = 0; k < kWaveSize; ++k) {
        // A slot without a colour keeps the panel background.
        const int32_t c = wave.colors[k];
        if (isBallColor(c)) {
            copyArea(icons.get(), nextIcon(c), panel.get(), nextIconPos(k));
        }
    }
    copyArea(panel.get(), kNextColorsStrip, ctx.target, {kNextColorsStrip.x, kNextColorsStrip.y});
    present(ctx, kNextColorsStrip);
}

void drawNumber(const DrawContext& ctx, int32_t x, int32_t y, uint32_t value) {
    drawDigits(ctx, {res::kScoreDigits, scoreDigit, kScoreDigitPitch}, x, y, value);
}

void drawClockDigits(const DrawContext& ctx, int32_t x, int32_t y, uint32_t value) {
    drawDigits(ctx, {res::kClockDigits, clockDigit, kClockDigitPitch}, x, y, value);
}

void drawScores(const DrawContext& ctx, uint32_t best, uint32_t score) {
    drawNumber(ctx, kBestScorePos.x, kBestScorePos.y, best);
    drawNumber(ctx, kScorePos.x, kScorePos.y, score);
}

void redrawAll(const DrawContext& ctx, const Position& position) {
    drawPanel(ctx);
    drawNextColors(ctx, position.next);
    drawScores(ctx, position.best, position.score);
    drawBoard(ctx, position.board);
    drawHints(ctx, position.next);
}

}  // namespace korvat::ui
