#include "platform/MessageBox.h"

#include <algorithm>
#include <utility>

#include "platform/Controls.h"
#include "platform/ControlsDrawing.h"
#include "platform/Display.h"
#include "platform/Files.h"
#include "platform/Font.h"
#include "platform/Page.h"
#include "platform/Translation.h"

namespace korvat::platform {
namespace {

constexpr int kTextPixels = 12;
constexpr int kLineHeight = 16;
constexpr int kBoxWidth = 208;
constexpr int kCaptionHeight = 20;
constexpr int kMargin = 10;
constexpr int kButtonWidth = 64;
constexpr int kButtonHeight = 22;
constexpr int kButtonGap = 12;
constexpr int kMaxLines = 10;  // longer texts are cut rather than spilling off the screen
constexpr int kYes = 1;
constexpr int kNo = 2;

// Longest prefix of `word` that fits `width`, at least one character (UTF-8 aware).
size_t fittingPrefix(const std::string& word, int width) {
    size_t best = 0;
    while (best < word.size()) {
        const size_t next = nextCharacter(word, best);
        if (best > 0 &&
            textWidth(word.substr(0, next).c_str(), FontFace::System, kTextPixels) > width) {
            break;
        }
        best = next;
    }
    return best;
}

class MessageBoxPage : public Page {
  public:
    MessageBoxPage(const char* text, const char* caption, bool question)
        : caption_(caption != nullptr ? caption : programFileName()),
          question_(question),
          layout_(layoutMessageBox(text != nullptr ? text : "", question)) {}

    const char* caption() const override { return caption_.c_str(); }
    const SDL_Rect& box() const { return layout_.box; }

    void onPaint() override {
        SDL_Surface* s = clientSurface();
        if (s == nullptr) {
            return;
        }
        const SDL_Rect& box = layout_.box;
        draw::fill(s, box, draw::kWhite);
        draw::frame(s, box, draw::kBlack);
        draw::fill(s, layout_.captionBar, draw::kSelection);
        SDL_SetClipRect(s, &layout_.captionBar);
        drawText(s, layout_.captionBar.x + 6, layout_.captionBar.y + 2, caption_.c_str(),
                 draw::kWhite, FontFace::SystemBold, kTextPixels);
        SDL_SetClipRect(s, nullptr);
        int y = layout_.textTop;
        for (const std::string& line : layout_.lines) {
            const int w = textWidth(line.c_str(), FontFace::System, kTextPixels);
            drawText(s, box.x + (box.w - w) / 2, y, line.c_str(), draw::kBlack, FontFace::System,
                     kTextPixels);
            y += layout_.lineHeight;
        }
        // TRANSLATORS: the message box's buttons, 64 pixels in bold.
        drawButton(s, layout_.okButton, question_ ? tr("Yes") : tr("OK"));
        if (question_) {
            drawButton(s, layout_.noButton, tr("No"));
        }
    }

    void onMouseDown(int x, int y) override {
        if (contains(layout_.okButton, x, y)) {
            endModal(kYes);
        } else if (question_ && contains(layout_.noButton, x, y)) {
            endModal(kNo);
        }
    }
    void onOK() override { endModal(kYes); }
    void onCancel() override { endModal(question_ ? kNo : kYes); }

  private:
    static void drawButton(SDL_Surface* s, const SDL_Rect& b, const char* label) {
        draw::fill(s, b, SDL_Color{230, 230, 230, 255});
        draw::frame(s, b, draw::kBlack);
        const int w = textWidth(label, FontFace::SystemBold, kTextPixels);
        drawText(s, b.x + (b.w - w) / 2, b.y + (b.h - kTextPixels) / 2 - 2, label, draw::kBlack,
                 FontFace::SystemBold, kTextPixels);
    }

    std::string caption_;
    bool question_;
    MessageBoxLayout layout_;
};

int runMessageBox(const char* text, const char* caption, bool question) {
    MessageBoxPage page(text, caption, question);
    return Display::instance().runModalOver(page, page.box());
}

std::unique_ptr<Page> openBox(const char* text, const char* caption, bool question,
                              std::function<void(int)> closed) {
    auto page = std::make_unique<MessageBoxPage>(text, caption, question);
    Display::instance().openModalOver(*page, page->box(), std::move(closed));
    return page;
}

}  // namespace

std::vector<std::string> wrapText(const char* text, int width) {
    std::vector<std::string> lines;
    std::string paragraph;
    const auto flushParagraph = [&] {
        std::string line;
        size_t at = 0;
        while (at <= paragraph.size()) {
            size_t end = paragraph.find(' ', at);
            if (end == std::string::npos) {
                end = paragraph.size();
            }
            std::string word = paragraph.substr(at, end - at);
            at = end + 1;
            std::string joined = line.empty() ? word : line + " " + word;
            if (textWidth(joined.c_str(), FontFace::System, kTextPixels) <= width) {
                line = std::move(joined);
                continue;
            }
            if (!line.empty()) {
                lines.push_back(line);
                line.clear();
            }
            // A word wider than the line is broken where it must be.
            while (textWidth(word.c_str(), FontFace::System, kTextPixels) > width) {
                const size_t cut = fittingPrefix(word, width);
                lines.push_back(word.substr(0, cut));
                word.erase(0, cut);
            }
            line = word;
        }
        lines.push_back(line);
        paragraph.clear();
    };
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '\r') {
            continue;
        }
        if (*p == '\n') {
            flushParagraph();
        } else {
            paragraph.push_back(*p);
        }
    }
    flushParagraph();
    return lines;
}

MessageBoxLayout layoutMessageBox(const char* text, bool question) {
    MessageBoxLayout layout;
    layout.lines = wrapText(text, kBoxWidth - 2 * kMargin);
    if (layout.lines.size() > kMaxLines) {
        layout.lines.resize(kMaxLines);
    }
    layout.lineHeight = kLineHeight;
    const int lines = static_cast<int>(layout.lines.size());
    const int height =
        kCaptionHeight + kMargin + lines * kLineHeight + kMargin + kButtonHeight + kMargin;
    layout.box =
        SDL_Rect{(kClientWidth - kBoxWidth) / 2, (kClientHeight - height) / 2, kBoxWidth, height};
    layout.captionBar =
        SDL_Rect{layout.box.x + 1, layout.box.y + 1, kBoxWidth - 2, kCaptionHeight - 1};
    layout.textLeft = layout.box.x + kMargin;
    layout.textTop = layout.box.y + kCaptionHeight + kMargin;
    const int buttonsTop = layout.textTop + lines * kLineHeight + kMargin;
    const int buttonsWidth = question ? 2 * kButtonWidth + kButtonGap : kButtonWidth;
    const int buttonsLeft = layout.box.x + (kBoxWidth - buttonsWidth) / 2;
    layout.okButton = SDL_Rect{buttonsLeft, buttonsTop, kButtonWidth, kButtonHeight};
    layout.noButton = question ? SDL_Rect{buttonsLeft + kButtonWidth + kButtonGap, buttonsTop,
                                          kButtonWidth, kButtonHeight}
                               : SDL_Rect{};
    return layout;
}

void messageBox(const char* text, const char* caption) {
    runMessageBox(text, caption, false);
}

bool askYesNo(const char* text, const char* caption) {
    return runMessageBox(text, caption, true) == kYes;
}

std::unique_ptr<Page> openMessageBox(const char* text, const char* caption,
                                     std::function<void(int)> closed) {
    return openBox(text, caption, false, std::move(closed));
}

std::unique_ptr<Page> openYesNo(const char* text, const char* caption,
                                std::function<void(bool yes)> answered) {
    return openBox(text, caption, true, [answered = std::move(answered)](int result) {
        if (answered) {
            answered(result == kYes);
        }
    });
}

}  // namespace korvat::platform
