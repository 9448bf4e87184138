#include "platform/FileChooser.h"

#include <fnmatch.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/ControlsDrawing.h"
#include "platform/Display.h"
#include "platform/Font.h"
#include "platform/Translation.h"

namespace korvat::platform {
namespace fs = std::filesystem;
namespace {

constexpr int kNameLimit = 255;  // the longest file name of the usual file systems

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(x) < lower(y);
    });
}

bool isFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// Text that fits `width` pixels, its start replaced by "..." when it is too long.
std::string fitFromEnd(const std::string& text, int width) {
    std::string shown = text;
    size_t cut = 0;
    while (textWidth(shown.c_str(), FontFace::System, kDialogFontPixels) > width &&
           cut < text.size()) {
        cut = nextCharacter(text, cut);
        shown = "..." + text.substr(cut);
    }
    return shown;
}

// The user's home folder ($HOME), else the working folder, else the root.
std::string homeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0' && isFolder(home)) {
        return home;
    }
    std::error_code error;
    const fs::path working = fs::current_path(error);
    return error ? std::string("/") : working.string();
}

}  // namespace

FileChooser::FileChooser(Mode mode, std::string filterDescription, std::string pattern,
                         std::string defaultExt, std::string startFolder)
    // TRANSLATORS: the file chooser's captions, for saving and for loading a game.
    : Dialog(std::string(mode == Mode::Save ? tr("Save As") : tr("Open"))),
      mode_(mode),
      filterDescription_(std::move(filterDescription)),
      pattern_(std::move(pattern)),
      defaultExt_(std::move(defaultExt)),
      startFolder_(std::move(startFolder)) {}

void FileChooser::createControls() {
    // Pixel places: the folder line on top, the list, the name and type lines, the buttons.
    addControl(std::make_unique<ListBox>(*this, kFolderList, SDL_Rect{4, 20, 232, 167}));
    // TRANSLATORS: the labels left of the file name box and of the file type, 40 pixels.
    addControl(std::make_unique<StaticText>(*this, -1, SDL_Rect{4, 195, 38, 14}, tr("Name:")));
    auto name =
        std::make_unique<EditBox>(*this, kNameBox, SDL_Rect{44, 192, 192, 19}, false, true, true);
    name->setLimit(kNameLimit);
    addControl(std::move(name));
    addControl(std::make_unique<StaticText>(*this, -1, SDL_Rect{4, 218, 38, 14}, tr("Type:")));
    addControl(std::make_unique<StaticText>(*this, -1, SDL_Rect{44, 218, 192, 14},
                                            tr(filterDescription_.c_str())));
    addControl(
        std::make_unique<PushButton>(*this, kIdOK, SDL_Rect{52, 240, 64, 22}, tr("OK"), true));
    // TRANSLATORS: the file chooser's buttons are 64 pixels wide, those of Options 75.
    const char* const cancel = tr("Cancel");
    addControl(
        std::make_unique<PushButton>(*this, kIdCancel, SDL_Rect{124, 240, 64, 22}, cancel, false));
}

bool FileChooser::onInitDialog() {
    path_.clear();
    const std::string start = startFolder_.empty() ? homeFolder() : startFolder_;
    if (!enterFolder(start)) {
        enterFolder("/");
    }
    setFocus(kNameBox);
    return false;
}

ListBox* FileChooser::list() const {
    return dynamic_cast<ListBox*>(control(kFolderList));
}

const ListBox::Row* FileChooser::selectedRow() const {
    const ListBox* rows = list();
    return rows != nullptr && rows->selection() >= 0 ? &rows->rows()[rows->selection()] : nullptr;
}

bool FileChooser::enterFolder(const std::string& folder) {
    std::error_code error;
    fs::path where = fs::weakly_canonical(fs::absolute(folder, error), error);
    if (error) {
        where = fs::path(folder).lexically_normal();
    }
    fs::directory_iterator entries(where, fs::directory_options::skip_permission_denied, error);
    if (error) {
        return false;
    }
    std::vector<std::string> folders;
    std::vector<std::string> files;
    for (; entries != fs::directory_iterator(); entries.increment(error)) {
        if (error) {
            break;
        }
        const std::string name = entries->path().filename().string();
        if (name.empty() || name[0] == '.') {
            continue;  // hidden entries
        }
        if (isFolder(entries->path())) {
            folders.push_back(name);
        } else if (fnmatch(pattern_.c_str(), name.c_str(), FNM_CASEFOLD) == 0) {
            files.push_back(name);
        }
    }
    std::sort(folders.begin(), folders.end(), lessIgnoringCase);
    std::sort(files.begin(), files.end(), lessIgnoringCase);

    std::vector<ListBox::Row> rows;
    if (where.has_relative_path()) {
        rows.push_back({"..", true});
    }
    for (std::string& name : folders) {
        rows.push_back({std::move(name), true});
    }
    for (std::string& name : files) {
        rows.push_back({std::move(name), false});
    }
    folder_ = where.string();
    if (ListBox* rowsBox = list()) {
        rowsBox->setRows(std::move(rows));
    }
    repaint();
    return true;
}

std::string FileChooser::resolve(const std::string& name) const {
    const fs::path typed(name);
    return (typed.is_absolute() ? typed : fs::path(folder_) / typed).lexically_normal().string();
}

void FileChooser::onOK() {
    const ListBox::Row* row = selectedRow();
    if (focusId() == kFolderList && row != nullptr && row->folder) {
        enterFolder(resolve(row->text));
        return;
    }
    const std::string name = trimmed(itemText(kNameBox));
    if (name.empty()) {
        return;
    }
    fs::path full(resolve(name));
    if (isFolder(full)) {
        // A typed folder is entered, as in the device's own file dialogs.
        if (enterFolder(full.string())) {
            setItemText(kNameBox, {});
        }
        return;
    }
    if (!full.has_filename()) {
        return;
    }
    const std::string stem = full.filename().string();
    const bool hasExtension = stem.find('.', 1) != std::string::npos;
    if (!hasExtension && !defaultExt_.empty()) {
        full += "." + defaultExt_;
    }
    std::error_code error;
    if (mode_ == Mode::Save && fs::exists(full, error)) {
        // TRANSLATORS: asked before saving over a file; %s is the file's name.
        std::string question = tr("Replace %s?");
        const size_t name = question.find("%s");
        if (name != std::string::npos) {
            question.replace(name, 2, full.filename().string());
        }
        if (!askYesNo(question.c_str(), caption())) {
            return;  // back to the chooser, the name still typed
        }
    }
    path_ = full.string();
    endModal(kIdOK);
}

void FileChooser::onCancel() {
    path_.clear();
    endModal(kIdCancel);
}

void FileChooser::onControlEvent(int id, ControlEvent event) {
    if (id != kFolderList) {
        Dialog::onControlEvent(id, event);
        return;
    }
    const ListBox::Row* row = selectedRow();
    if (row == nullptr) {
        return;
    }
    if (!row->folder) {
        setItemText(kNameBox, row->text);
        if (event == ControlEvent::Activated) {
            onOK();
        }
        return;
    }
    if (event == ControlEvent::Clicked || event == ControlEvent::Activated) {
        const std::string target = resolve(row->text);  // the row dies with the old listing
        enterFolder(target);
    }
}

void FileChooser::onPaintExtra(SDL_Surface* surface) {
    const SDL_Rect line{4, 3, surface->w - 8, 14};
    draw::textInRect(surface, line, 0, fitFromEnd(folder_, line.w).c_str(), draw::kBlack);
}

}  // namespace korvat::platform
