#include "HighScoresDialog.h"

#include "assets/Resources.h"
#include "game/Game.h"
#include "game/Utf16Name.h"
#include "platform/Controls.h"
#include "platform/Font.h"
#include "platform/Translation.h"

namespace korvat::shell {
namespace {

constexpr SDL_Color kTextColor{0, 128, 192, 255};
constexpr int kHeadingX = 80;
constexpr int kHeadingY = 10;
constexpr int kRowX = 10;
constexpr int kFirstRowY = 30;
constexpr int kRowPitch = 15;
constexpr int kRowFontPixels = 12;

}  // namespace

HighScoresDialog::HighScoresDialog() : Dialog(res::kHighScoresDialog) {}

bool HighScoresDialog::onInitDialog() {
    const bool focusFirst = Dialog::onInitDialog();
    if (game_ != nullptr) {
        game_->reloadHighScores();
    }
    return focusFirst;
}

std::string HighScoresDialog::rowText(int rank, const HighScoreEntry& entry) {
    char name[4 * kNameUnits + 1];
    utf16ToUtf8(entry.name, storedNameLength(entry), name, sizeof name);
    return std::to_string(rank) + " . " + name + "     " + std::to_string(entry.score) + "     " +
           std::to_string(entry.hours) + ":" + std::to_string(entry.minutes) + ":" +
           std::to_string(entry.seconds);
}

void HighScoresDialog::onPaintExtra(SDL_Surface* surface) {
    // The heading keeps the dialog's own font; only the rows are in the Verdana stand-in.
    // TRANSLATORS: the heading of the high-score table, 160 pixels from the middle to the right.
    platform::drawText(surface, kHeadingX, kHeadingY, platform::tr("Top high scores"), kTextColor,
                       platform::FontFace::System, platform::kDialogFontPixels);
    if (game_ == nullptr) {
        return;
    }
    for (int r = 1; r <= kHighScoreRows; ++r) {
        const std::string line = rowText(r, game_->highScores.entries[r - 1]);
        platform::drawText(surface, kRowX, kFirstRowY + kRowPitch * (r - 1), line.c_str(),
                           kTextColor, platform::FontFace::Verdana, kRowFontPixels);
    }
}

}  // namespace korvat::shell
