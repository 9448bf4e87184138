#pragma once
// The controls of our dialogs: static text, one-line edit box, automatic check box, push button
// and a list of rows. Each paints itself in the device style (white ground, black 1-pixel frames)
// and handles the input it is given while it has the focus; the dialog owns the focus.
#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

namespace korvat::platform {

constexpr int kDialogFontPixels = 11;  // the "System" stand-in of dialogs

// What a control reports to its dialog.
enum class ControlEvent { Clicked, SelectionChanged, Activated };

class ControlOwner {
  public:
    virtual void onControlEvent(int id, ControlEvent event) = 0;
    // The control's looks changed; the owner repaints.
    virtual void onControlChanged() = 0;

  protected:
    ~ControlOwner() = default;
};

class Control {
  public:
    Control(ControlOwner& owner, int id, SDL_Rect rect, std::string text);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int id() const { return id_; }
    const SDL_Rect& rect() const { return rect_; }
    bool contains(int x, int y) const;
    virtual bool focusable() const { return false; }

    const std::string& text() const { return text_; }
    virtual void setText(std::string text);

    virtual void paint(SDL_Surface* target, bool focused) const = 0;
    virtual void onMouseDown(int /*x*/, int /*y*/) {}
    // Returns true when the key was taken.
    virtual bool onKeyDown(const SDL_Keysym& /*key*/) { return false; }
    virtual void onTextInput(const char* /*utf8*/) {}
    // Rows to scroll (positive: down); true when taken.
    virtual bool onWheel(int /*rows*/) { return false; }
    virtual void onFocus(bool /*gained*/) {}

  protected:
    void changed() { owner_.onControlChanged(); }
    void report(ControlEvent event) { owner_.onControlEvent(id_, event); }

    ControlOwner& owner_;
    int id_;
    SDL_Rect rect_;
    std::string text_;
};

class StaticText : public Control {
  public:
    using Control::Control;
    void paint(SDL_Surface* target, bool focused) const override;
};

class PushButton : public Control {
  public:
    PushButton(ControlOwner& owner, int id, SDL_Rect rect, std::string text, bool isDefault);
    bool focusable() const override { return true; }
    bool isDefault() const { return default_; }
    void click() { report(ControlEvent::Clicked); }
    void paint(SDL_Surface* target, bool focused) const override;
    void onMouseDown(int x, int y) override;
    bool onKeyDown(const SDL_Keysym& key) override;

  private:
    bool default_;
};

class CheckBox : public Control {
  public:
    using Control::Control;
    bool focusable() const override { return true; }
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    void toggle();
    void paint(SDL_Surface* target, bool focused) const override;
    void onMouseDown(int x, int y) override;
    bool onKeyDown(const SDL_Keysym& key) override;

  private:
    bool checked_ = false;
};

// One line of text; the limit counts UTF-16 code units, as the stored names do.
class EditBox : public Control {
  public:
    static constexpr int kDefaultLimit = 30000;

    EditBox(ControlOwner& owner, int id, SDL_Rect rect, bool digitsOnly, bool border,
            bool scrollsSideways);
    bool focusable() const override { return true; }
    void setText(std::string text) override;
    // 0 restores the default limit. Text already longer stays as it is.
    void setLimit(int utf16Units);
    int limit() const { return limit_; }
    // Selects the whole text, as moving the focus into the box by keyboard does; typing then
    // replaces it.
    void selectAll();

    void paint(SDL_Surface* target, bool focused) const override;
    void onMouseDown(int x, int y) override;
    bool onKeyDown(const SDL_Keysym& key) override;
    void onTextInput(const char* utf8) override;
    void onFocus(bool gained) override;

  private:
    // Inserts at the caret what fits the limit (and the digits-only rule).
    void insert(const char* utf8);
    SDL_Rect textArea() const;
    int widthOf(size_t bytes) const;
    void keepCaretVisible();
    void removeSelection();

    bool digitsOnly_;
    bool border_;
    bool scrollsSideways_;
    int limit_ = kDefaultLimit;
    size_t caret_ = 0;  // byte offset into text()
    int scrollX_ = 0;   // pixels of text hidden on the left
    bool allSelected_ = false;
};

// Rows of text with a selection and a vertical scroll bar on the right; rows can carry a
// folder mark.
class ListBox : public Control {
  public:
    struct Row {
        std::string text;
        bool folder = false;
    };
    static constexpr int kRowHeight = 15;
    static constexpr int kScrollBarWidth = 11;

    ListBox(ControlOwner& owner, int id, SDL_Rect rect);
    bool focusable() const override { return true; }
    void setRows(std::vector<Row> rows);
    const std::vector<Row>& rows() const { return rows_; }
    int selection() const { return selection_; }  // -1 for none
    int topRow() const { return top_; }
    int visibleRows() const;

    void paint(SDL_Surface* target, bool focused) const override;
    void onMouseDown(int x, int y) override;
    bool onKeyDown(const SDL_Keysym& key) override;
    bool onWheel(int rows) override;

  private:
    void scrollTo(int top);
    void moveSelection(int index);  // selects, scrolls it into view and reports

    std::vector<Row> rows_;
    int selection_ = -1;
    int top_ = 0;
};

// UTF-16 code units of a UTF-8 text (a character outside the basic plane counts two).
int utf16Length(const char* utf8, size_t bytes);
// Where the UTF-8 character after the one at byte `at` starts; the end of `text` at most.
size_t nextCharacter(const std::string& text, size_t at);

}  // namespace korvat::platform
