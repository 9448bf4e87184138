#pragma once
// Choosing a file to save to or load from, in a full-screen page: the current folder, its
// sub-folders and the files matching one filter, a name box, OK and Cancel. Saving over a file
// that exists asks first.
#include <string>

#include "platform/Dialog.h"

namespace korvat::platform {

class FileChooser : public Dialog {
  public:
    enum class Mode { Save, Open };
    static constexpr int kFolderList = 100;
    static constexpr int kNameBox = 101;

    // `pattern` is a shell pattern such as "*.kvt", matched ignoring case; `defaultExt` ("kvt")
    // is appended to a typed name without an extension. An empty `startFolder` means the
    // user's home folder.
    FileChooser(Mode mode, std::string filterDescription, std::string pattern,
                std::string defaultExt, std::string startFolder = {});

    // The full path chosen by OK; empty after Cancel or before the dialog ends.
    const std::string& path() const { return path_; }
    const std::string& folder() const { return folder_; }

    bool onInitDialog() override;
    void onOK() override;
    void onCancel() override;
    void onPaintExtra(SDL_Surface* surface) override;
    void onControlEvent(int id, ControlEvent event) override;

  protected:
    void createControls() override;

  private:
    // Lists `folder`; false (and nothing changes) when it cannot be read.
    bool enterFolder(const std::string& folder);
    ListBox* list() const;
    const ListBox::Row* selectedRow() const;
    std::string resolve(const std::string& name) const;

    Mode mode_;
    std::string filterDescription_;
    std::string pattern_;
    std::string defaultExt_;
    std::string startFolder_;
    std::string folder_;
    std::string path_;
};

// Shows a FileChooser starting in the home folder; the chosen full path, or empty on Cancel.
std::string chooseFile(FileChooser::Mode mode, const char* filterDescription, const char* pattern,
                       const char* defaultExt);

}  // namespace korvat::platform
