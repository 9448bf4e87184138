#pragma once
// A dialog from a template: shown full screen in the client area, controls placed from dialog
// units, keyboard focus with Tab / Shift+Tab, the default push button on Enter, and data
// exchange between the controls and the members of a subclass.
#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "assets/Resources.h"
#include "platform/Controls.h"
#include "platform/Page.h"

namespace korvat::platform {

// Result codes of runModal for OK and Cancel.
constexpr int kIdOK = 1;
constexpr int kIdCancel = 2;

class Dialog : public Page, public ControlOwner {
  public:
    explicit Dialog(int templateId);

    // Builds the controls, runs onInitDialog and the modal loop; returns the end result.
    int runModal();
    // The part of runModal before its loop, for driving a dialog without one.
    void create();

    // Overridables. onInitDialog fills the controls (exchangeData(false)); returning true
    // puts the focus on the first control that takes it.
    virtual bool onInitDialog();
    // Enter and the OK button: takes the controls (exchangeData(true)) and ends with kIdOK if
    // that succeeds. Escape and Cancel end with kIdCancel.
    void onOK() override;
    void onCancel() override;
    // Moves the data between members and controls; false stops at an invalid entry.
    virtual bool exchangeData(bool save);
    // Custom painting after the controls.
    virtual void onPaintExtra(SDL_Surface* /*surface*/) {}
    // Push buttons other than OK and Cancel.
    virtual void onButton(int /*id*/) {}

    // Page.
    const char* caption() const override { return caption_.c_str(); }
    void onPaint() override;
    void onMouseDown(int x, int y) override;
    bool onKeyDown(const SDL_Keysym& key) override;
    void onTextInput(const char* utf8) override;
    // Wheel turns, in rows (positive: down), go to the focused control or the first that
    // scrolls.
    void onMouseWheel(int rows) override;

    // Controls and data exchange helpers; unknown ids are ignored.
    Control* control(int id) const;
    // Every control in template order, for checks that look at all of them.
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    std::string itemText(int id) const;
    void setItemText(int id, std::string text);
    bool isChecked(int id) const;
    void setChecked(int id, bool checked);
    void setFocus(int id);
    int focusId() const;  // -1 when nothing has the focus
    void limitText(int id, int utf16Units);
    void exchangeText(bool save, int id, std::string& value);
    // An unsigned decimal integer with blanks or tabs around it; anything else, an empty box
    // or a number beyond 32 bits is refused with a message and the focus on the box.
    bool exchangeUnsigned(bool save, int id, uint32_t& value);

    // ControlOwner.
    void onControlEvent(int id, ControlEvent event) override;
    void onControlChanged() override;

  protected:
    // A dialog whose controls are built in code (createControls) rather than from a template.
    explicit Dialog(std::string caption);
    // Builds the controls; the default builds those of the template.
    virtual void createControls();
    void addControl(std::unique_ptr<Control> control) { controls_.push_back(std::move(control)); }
    // Shows a message box; tests replace it.
    virtual void notify(const char* text);
    void repaint();

  private:
    void moveFocus(int index, bool byKeyboard);
    void cycleFocus(bool backwards);
    int indexOf(int id) const;
    PushButton* defaultButton() const;

    const res::DialogTemplate* template_ = nullptr;
    std::string caption_;
    std::vector<std::unique_ptr<Control>> controls_;
    int focus_ = -1;  // index into controls_
    bool created_ = false;
};

// Reads an unsigned decimal integer with optional blanks or tabs around it; false for anything
// else, an empty text or a value beyond 32 bits.
bool parseUnsigned(const std::string& text, uint32_t& value);

}  // namespace korvat::platform
