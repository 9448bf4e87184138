#include "platform/Dialog.h"

#include <algorithm>
#include <utility>

#include "platform/ControlsDrawing.h"
#include "platform/Display.h"
#include "platform/Font.h"
#include "platform/Translation.h"

namespace korvat::platform {

namespace {

// Pixels of a rectangle in dialog units: 4 horizontal units to the average width of the Latin
// letters, 8 vertical ones to the line height of the dialog font, as the device measures them.
// Measured once, when the first dialog is laid out; not in the dialogs' constructors: the main
// window makes its high-score dialog at start, and measuring the font then would delay the
// first frame.
SDL_Rect toPixels(int x, int y, int width, int height) {
    static const SDL_Point units = [] {
        const int letters = textWidth("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
                                      FontFace::System, kDialogFontPixels);
        return letters > 0 ? SDL_Point{letters / 52, draw::lineHeight()} : SDL_Point{6, 13};
    }();
    return {x * units.x / 4, y * units.y / 8, width * units.x / 4, height * units.y / 8};
}

}  // namespace

bool parseUnsigned(const std::string& text, uint32_t& value) {
    size_t at = 0;
    const auto skipBlanks = [&] {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
            ++at;
        }
    };
    skipBlanks();
    uint64_t number = 0;
    const size_t firstDigit = at;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        number = number * 10 + static_cast<uint64_t>(text[at] - '0');
        if (number > UINT32_MAX) {
            return false;
        }
    }
    if (at == firstDigit) {
        return false;
    }
    skipBlanks();
    if (at != text.size()) {
        return false;
    }
    value = static_cast<uint32_t>(number);
    return true;
}

Dialog::Dialog(int templateId) : template_(res::findDialog(templateId)) {
    if (template_ != nullptr && template_->caption != nullptr) {
        caption_ = tr(template_->caption);
    }
}

Dialog::Dialog(std::string caption) : caption_(std::move(caption)) {}

int Dialog::runModal() {
    create();
    return Display::instance().runModal(*this);
}

void Dialog::create() {
    created_ = false;
    focus_ = -1;
    controls_.clear();
    resetModal();
    createControls();
    created_ = true;
    if (onInitDialog()) {
        cycleFocus(false);  // from nothing to the first control that takes the focus
    }
}

void Dialog::createControls() {
    if (template_ == nullptr) {
        return;
    }
    for (int i = 0; i < template_->controlCount; ++i) {
        const res::ControlTemplate& t = template_->controls[i];
        const SDL_Rect place = toPixels(t.x, t.y, t.width, t.height);
        std::string text = t.text != nullptr ? tr(t.text) : "";
        switch (t.kind) {
            case res::ControlKind::Static:
                addControl(std::make_unique<StaticText>(*this, t.id, place, std::move(text)));
                break;
            case res::ControlKind::Edit: {
                auto edit = std::make_unique<EditBox>(
                    *this, t.id, place, (t.style & res::kStyleDigitsOnly) != 0,
                    (t.style & res::kStyleBorder) != 0, (t.style & res::kStyleAutoHScroll) != 0);
                edit->setText(std::move(text));
                addControl(std::move(edit));
                break;
            }
            case res::ControlKind::PushButton:
                addControl(std::make_unique<PushButton>(*this, t.id, place, std::move(text),
                                                        (t.style & res::kStyleDefault) != 0));
                break;
            case res::ControlKind::CheckBox:
                addControl(std::make_unique<CheckBox>(*this, t.id, place, std::move(text)));
                break;
        }
    }
}

bool Dialog::onInitDialog() {
    exchangeData(false);
    return true;
}

void Dialog::onOK() {
    if (exchangeData(true)) {
        endModal(kIdOK);
    }
}

void Dialog::onCancel() {
    endModal(kIdCancel);
}

bool Dialog::exchangeData(bool /*save*/) {
    return true;
}

void Dialog::notify(const char* text) {
    messageBox(text);
}

void Dialog::onPaint() {
    SDL_Surface* surface = clientSurface();
    if (surface == nullptr) {
        return;
    }
    SDL_SetClipRect(surface, nullptr);
    draw::fill(surface, {0, 0, surface->w, surface->h}, draw::kWhite);
    for (size_t i = 0; i < controls_.size(); ++i) {
        controls_[i]->paint(surface, static_cast<int>(i) == focus_);
    }
    onPaintExtra(surface);
    present();
}

void Dialog::repaint() {
    if (created_) {
        onPaint();
    }
}

void Dialog::onControlChanged() {
    repaint();
}

void Dialog::onControlEvent(int id, ControlEvent event) {
    if (event != ControlEvent::Clicked || dynamic_cast<PushButton*>(control(id)) == nullptr) {
        return;
    }
    if (id == kIdOK) {
        onOK();
    } else if (id == kIdCancel) {
        onCancel();
    } else {
        onButton(id);
    }
}

void Dialog::onMouseDown(int x, int y) {
    for (size_t i = 0; i < controls_.size(); ++i) {
        Control& hit = *controls_[i];
        if (!hit.focusable() || !hit.contains(x, y)) {
            continue;
        }
        moveFocus(static_cast<int>(i), false);
        hit.onMouseDown(x, y);
        return;
    }
}

bool Dialog::onKeyDown(const SDL_Keysym& key) {
    Control* focused = focus_ >= 0 ? controls_[focus_].get() : nullptr;
    switch (key.sym) {
        case SDLK_TAB:
            cycleFocus((key.mod & KMOD_SHIFT) != 0);
            return true;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: {
            // A focused push button acts as the default one.
            auto* button = dynamic_cast<PushButton*>(focused);
            if (button == nullptr) {
                button = defaultButton();
            }
            if (button != nullptr) {
                button->click();
            } else {
                onOK();
            }
            return true;
        }
        case SDLK_ESCAPE:
            onCancel();
            return true;
        default:
            break;
    }
    if (focused != nullptr && focused->onKeyDown(key)) {
        return true;
    }
    // Arrow keys move the focus between controls that do not use them.
    if (key.sym == SDLK_DOWN || key.sym == SDLK_RIGHT || key.sym == SDLK_UP ||
        key.sym == SDLK_LEFT) {
        cycleFocus(key.sym == SDLK_UP || key.sym == SDLK_LEFT);
        return true;
    }
    return false;
}

void Dialog::onTextInput(const char* utf8) {
    if (focus_ >= 0) {
        controls_[focus_]->onTextInput(utf8);
    }
}

void Dialog::onMouseWheel(int rows) {
    if (focus_ < 0 || !controls_[focus_]->onWheel(rows)) {
        std::any_of(controls_.begin(), controls_.end(),
                    [&](const auto& c) { return c->onWheel(rows); });
    }
}

PushButton* Dialog::defaultButton() const {
    const auto hit = std::find_if(controls_.begin(), controls_.end(), [](const auto& c) {
        const auto* button = dynamic_cast<const PushButton*>(c.get());
        return button != nullptr && button->isDefault();
    });
    return hit != controls_.end() ? static_cast<PushButton*>(hit->get()) : nullptr;
}

void Dialog::moveFocus(int index, bool byKeyboard) {
    if (index != focus_) {
        if (focus_ >= 0) {
            controls_[focus_]->onFocus(false);
        }
        focus_ = index;
        if (focus_ >= 0) {
            controls_[focus_]->onFocus(true);
        }
    }
    auto* edit = focus_ >= 0 ? dynamic_cast<EditBox*>(controls_[focus_].get()) : nullptr;
    if (edit != nullptr && byKeyboard) {
        edit->selectAll();  // typing replaces what the box held
    }
    repaint();
}

void Dialog::cycleFocus(bool backwards) {
    const int count = static_cast<int>(controls_.size());
    if (count == 0) {
        return;
    }
    int at = focus_ >= 0 ? focus_ : (backwards ? 0 : count - 1);
    for (int step = 0; step < count; ++step) {
        at = (at + (backwards ? count - 1 : 1)) % count;
        if (controls_[at]->focusable()) {
            moveFocus(at, true);
            return;
        }
    }
}

int Dialog::indexOf(int id) const {
    const auto hit = std::find_if(controls_.begin(), controls_.end(),
                                  [&](const auto& c) { return c->id() == id; });
    return hit != controls_.end() ? static_cast<int>(hit - controls_.begin()) : -1;
}

Control* Dialog::control(int id) const {
    const int index = indexOf(id);
    return index >= 0 ? controls_[index].get() : nullptr;
}

std::string Dialog::itemText(int id) const {
    const Control* c = control(id);
    return c != nullptr ? c->text() : std::string{};
}

void Dialog::setItemText(int id, std::string text) {
    if (Control* c = control(id)) {
        c->setText(std::move(text));
    }
}

bool Dialog::isChecked(int id) const {
    const auto* box = dynamic_cast<const CheckBox*>(control(id));
    return box != nullptr && box->checked();
}

void Dialog::setChecked(int id, bool checked) {
    if (auto* box = dynamic_cast<CheckBox*>(control(id))) {
        box->setChecked(checked);
    }
}

void Dialog::setFocus(int id) {
    const int index = indexOf(id);
    if (index >= 0 && controls_[index]->focusable()) {
        moveFocus(index, true);
    }
}

int Dialog::focusId() const {
    return focus_ >= 0 ? controls_[focus_]->id() : -1;
}

void Dialog::limitText(int id, int utf16Units) {
    if (auto* edit = dynamic_cast<EditBox*>(control(id))) {
        edit->setLimit(utf16Units);
    }
}

void Dialog::exchangeText(bool save, int id, std::string& value) {
    if (save) {
        value = itemText(id);
    } else {
        setItemText(id, value);
    }
}

bool Dialog::exchangeUnsigned(bool save, int id, uint32_t& value) {
    if (!save) {
        setItemText(id, std::to_string(value));
        return true;
    }
    uint32_t parsed = 0;
    if (!parseUnsigned(itemText(id), parsed)) {
        notify(tr("Please enter a positive integer."));
        setFocus(id);
        return false;
    }
    value = parsed;
    return true;
}

}  // namespace korvat::platform
