#pragma once
// The program's resources by number, embedded in the binary at build time: bitmaps and waves
// as the bytes of real BMP and WAV files, dialog templates, the menu and the toolbar.
#include <cstddef>
#include <cstdint>

namespace korvat::res {

// Bitmaps.
constexpr int kBoardImage = 129;
constexpr int kBounceSheet = 130;
constexpr int kPanelImage = 131;
constexpr int kScoreDigits = 132;
constexpr int kNextBallIcons = 133;
constexpr int kBallSheet = 134;
constexpr int kToolbarStrip = 141;
constexpr int kAboutPicture = 144;
constexpr int kClockDigits = 145;
// Waves.
constexpr int kBounceTickWave = 135;
constexpr int kRefusalWave = 136;
constexpr int kAppearanceWave = 137;
constexpr int kExplosionWave = 138;
// Icon group: a 32 x 32 and a 16 x 16 image, 16 colours, as BMP files.
constexpr int kAppIcon = 128;
constexpr int kAppIconSmall = 1128;  // the 16 x 16 member of the group
// Dialogs, menu, toolbar.
constexpr int kOptionsDialog = 140;
constexpr int kAboutDialog = 143;
constexpr int kHighScoresDialog = 148;
constexpr int kPlayerNameDialog = 149;
constexpr int kMainMenu = 139;
constexpr int kToolbar = 141;

struct Blob {
    const unsigned char* data = nullptr;
    size_t size = 0;
};

// The bytes of a BMP (bitmaps and icons) or RIFF WAVE file; empty when there is no such id.
Blob findBitmap(int id);
Blob findWave(int id);

// Dialog templates: sizes and places in dialog units.
enum class ControlKind { Static, Edit, PushButton, CheckBox };
enum ControlStyle : uint32_t {
    kStyleNone = 0,
    kStyleDefault = 1u << 0,     // the default push button (Enter)
    kStyleDigitsOnly = 1u << 1,  // edit box takes digits only
    kStyleBorder = 1u << 2,
    kStyleAutoHScroll = 1u << 3,
};

struct ControlTemplate {
    ControlKind kind;
    int id;  // -1 for none
    const char* text;
    int x, y, width, height;
    uint32_t style;
};

struct DialogTemplate {
    int id;
    const char* caption;
    int width, height;
    const char* fontFace;
    int fontPoints;
    const ControlTemplate* controls;
    int controlCount;
};

const DialogTemplate* findDialog(int id);

// Menu 139: pop-ups with items; a pop-up item holds a sub-pop-up.
struct MenuItem {
    const char* text;       // nullptr for a separator
    int command;            // 0 for separators and pop-ups
    bool checked;           // check mark in the resource
    const MenuItem* items;  // sub-pop-up items, or nullptr
    int itemCount;
};

struct Menu {
    const MenuItem* popups;  // each top-level entry is a pop-up (text, items)
    int popupCount;
};

const Menu* findMenu(int id);

// Toolbar 141: button commands in order, 0 for a separator; button images 16 x 15.
struct Toolbar {
    int buttonWidth;
    int buttonHeight;
    const int* commands;
    int commandCount;
};

const Toolbar* findToolbar(int id);

}  // namespace korvat::res
