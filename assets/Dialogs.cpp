// Dialog templates: sizes and places in dialog units, as the dialogs lay out their controls.
#include <iterator>

#include "Resources.h"
#include "TextMarker.h"

namespace korvat::res {

namespace {

constexpr uint32_t kEditStyle = kStyleDigitsOnly | kStyleAutoHScroll | kStyleBorder;

constexpr ControlTemplate kOptionsControls[] = {
    {ControlKind::PushButton, 1, N_("OK"), 83, 95, 50, 14, kStyleDefault},
    {ControlKind::PushButton, 2, N_("Cancel"), 83, 119, 50, 14, kStyleNone},
    {ControlKind::Edit, 1002, "", 54, 25, 39, 12, kEditStyle},
    // TRANSLATORS: Options: the heading over the four animation delays, in milliseconds.
    {ControlKind::Static, -1, N_("Delay time (mili second):"), 7, 7, 80, 10, kStyleNone},
    // TRANSLATORS: Options: the delay of the selected ball's bounce. This label and the next
    // three stand left of their number boxes, in about 70 pixels.
    {ControlKind::Static, -1, N_("Jump"), 7, 26, 41, 11, kStyleNone},
    {ControlKind::Edit, 1003, "", 54, 40, 39, 12, kEditStyle},
    // TRANSLATORS: Options: the delay of a ball travelling along its route.
    {ControlKind::Static, -1, N_("Movement"), 8, 40, 41, 11, kStyleNone},
    {ControlKind::Edit, 1004, "", 54, 55, 39, 12, kEditStyle},
    // TRANSLATORS: Options: the delay of a figure's balls bursting.
    {ControlKind::Static, -1, N_("Explosion"), 8, 55, 41, 11, kStyleNone},
    {ControlKind::Edit, 1005, "", 54, 69, 39, 12, kEditStyle},
    // TRANSLATORS: Options: the delay of new balls growing into their cells.
    {ControlKind::Static, -1, N_("Appearance"), 7, 69, 41, 11, kStyleNone},
    // TRANSLATORS: Options: the check box that switches the sound effects on, in about 95
    // pixels before the OK button.
    {ControlKind::CheckBox, 1008, N_("Play sound"), 7, 88, 77, 11, kStyleNone},
};

constexpr ControlTemplate kHighScoresControls[] = {
    {ControlKind::PushButton, 1, N_("OK"), 39, 117, 50, 14, kStyleDefault},
};

constexpr ControlTemplate kPlayerNameControls[] = {
    // TRANSLATORS: asked when a finished game enters the high-score table.
    {ControlKind::Static, -1, N_("Your name:"), 7, 13, 88, 11, kStyleNone},
    {ControlKind::Edit, 1002, "", 7, 28, 125, 15, kStyleBorder | kStyleAutoHScroll},
    {ControlKind::PushButton, 1, N_("OK"), 42, 54, 50, 14, kStyleDefault},
};

constexpr DialogTemplate kDialogs[] = {
    // TRANSLATORS: the captions of the Options, About and High scores dialogs in the title bar,
    // about 190 pixels in bold.
    {kOptionsDialog, N_("Korvat [ Option ]"), 140, 140, "System", 8, kOptionsControls,
     int(std::size(kOptionsControls))},
    {kAboutDialog, N_("Korvat [ About ]"), 193, 130, "System", 8, nullptr, 0},
    {kHighScoresDialog, N_("Korvat [High scores]"), 134, 157, "System", 8, kHighScoresControls,
     int(std::size(kHighScoresControls))},
    {kPlayerNameDialog, "Korvat", 139, 85, "System", 8, kPlayerNameControls,
     int(std::size(kPlayerNameControls))},
};

}  // namespace

const DialogTemplate* findDialog(int id) {
    for (const DialogTemplate& dialog : kDialogs) {
        if (dialog.id == id) {
            return &dialog;
        }
    }
    return nullptr;
}

}  // namespace korvat::res
