#pragma once
// Shared pieces of the dialog tests: templates shaped like the Options and name dialogs, a
// dialog that records its messages instead of showing them, and key helpers.
#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "assets/Resources.h"
#include "platform/Dialog.h"

namespace korvat::platform::testing {

using res::ControlKind;

inline constexpr uint32_t kNumberBox =
    res::kStyleDigitsOnly | res::kStyleBorder | res::kStyleAutoHScroll;

inline constexpr res::ControlTemplate kOptionsControls[] = {
    {ControlKind::PushButton, 1, "OK", 83, 95, 50, 14, res::kStyleDefault},
    {ControlKind::PushButton, 2, "Cancel", 83, 119, 50, 14, res::kStyleNone},
    {ControlKind::Edit, 1002, "", 54, 25, 39, 12, kNumberBox},
    {ControlKind::Static, -1, "Delay time (mili second):", 7, 7, 80, 10, res::kStyleNone},
    {ControlKind::Static, -1, "Jump", 7, 26, 41, 11, res::kStyleNone},
    {ControlKind::Edit, 1003, "", 54, 40, 39, 12, kNumberBox},
    {ControlKind::Static, -1, "Movement", 8, 40, 41, 11, res::kStyleNone},
    {ControlKind::Edit, 1004, "", 54, 55, 39, 12, kNumberBox},
    {ControlKind::Static, -1, "Explosion", 8, 55, 41, 11, res::kStyleNone},
    {ControlKind::Edit, 1005, "", 54, 69, 39, 12, kNumberBox},
    {ControlKind::Static, -1, "Appearance", 7, 69, 41, 11, res::kStyleNone},
    {ControlKind::CheckBox, 1008, "Play sound", 7, 88, 77, 11, res::kStyleNone},
};
inline constexpr res::DialogTemplate kOptionsLike{140, "Korvat [ Option ]", 140, 140, "System",
                                                  8,   kOptionsControls,    12};

inline constexpr res::ControlTemplate kNameControls[] = {
    {ControlKind::Static, -1, "Your name:", 7, 13, 88, 11, res::kStyleNone},
    {ControlKind::Edit, 1002, "", 7, 28, 125, 15, res::kStyleBorder | res::kStyleAutoHScroll},
    {ControlKind::PushButton, 1, "OK", 42, 54, 50, 14, res::kStyleDefault},
};
inline constexpr res::DialogTemplate kNameLike{149,      "Korvat", 139,           85,
                                               "System", 8,        kNameControls, 3};

// The four delays and the sound switch, exchanged in the order the game uses.
class DelaysDialog : public Dialog {
  public:
    explicit DelaysDialog(const res::DialogTemplate& t = kOptionsLike) : Dialog(t) {}

    bool DoDataExchange(bool save) override {
        exchangeCheck(save, 1008, sound);
        return exchangeUnsigned(save, 1005, appear) && exchangeUnsigned(save, 1004, explosion) &&
               exchangeUnsigned(save, 1002, jump) && exchangeUnsigned(save, 1003, move);
    }

    uint32_t appear = 1, explosion = 2, jump = 3, move = 4;
    bool sound = true;
    std::vector<std::string> messages;

  protected:
    void notify(const char* text) override { messages.push_back(text); }
};

// The name dialog: a limited box, and no way out but OK.
class NameDialog : public Dialog {
  public:
    NameDialog() : Dialog(kNameLike) {}
    bool OnInitDialog() override {
        Dialog::OnInitDialog();
        limitText(1002, 15);
        return true;
    }
    bool DoDataExchange(bool save) override {
        exchangeText(save, 1002, name);
        return true;
    }
    void OnCancel() override {}
    std::string name;
};

inline SDL_Keysym key(SDL_Keycode sym, uint16_t mod = KMOD_NONE) {
    SDL_Keysym k{};
    k.sym = sym;
    k.mod = mod;
    return k;
}

inline EditBox& editBox(const Dialog& dialog, int id) {
    return *dynamic_cast<EditBox*>(dialog.control(id));
}

// A click in the middle of a control.
inline void clickOn(Dialog& dialog, int id) {
    const SDL_Rect r = dialog.control(id)->rect();
    dialog.onMouseDown(r.x + r.w / 2, r.y + r.h / 2);
}

}  // namespace korvat::platform::testing
