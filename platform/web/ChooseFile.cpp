// Saved games in the browser. Save writes the game to the program's home folder, which lives in
// the browser's storage, and offers the written file as a download; Open takes a file from the
// device through the browser's own file picker. The bytes are the desktop's either way.
#include <emscripten.h>

#include <cstdlib>
#include <string>

#include "platform/FileChooser.h"

namespace {

// The page's side (Page.js). The picker opens at once and answers later: the path of the
// chosen file, copied into the program's file system, or an empty path on Cancel.
EM_JS(void, korvatPickFile, (const char* accept), { Module.korvatPickFile(UTF8ToString(accept)); });
EM_JS(int, korvatPickPending, (), { return Module.korvatPickPending(); });
EM_JS(char*, korvatPickedPath, (), { return Module.korvatPickedPath(); });
// The next whole write of `path` is handed to the browser as a download.
EM_JS(void, korvatOfferOnWrite, (const char* path), { Module.korvatOfferOnWrite(path); });

constexpr int kPollMs = 50;

std::string pickFile(const std::string& extension) {
    korvatPickFile(("." + extension).c_str());
    // The game waits as behind any modal dialog; the page keeps running meanwhile.
    while (korvatPickPending() != 0) {
        emscripten_sleep(kPollMs);
    }
    char* picked = korvatPickedPath();
    std::string path = picked;
    std::free(picked);
    return path;
}

}  // namespace

namespace korvat::platform {

std::string chooseFile(FileChooser::Mode mode, const char*, const char*, const char* defaultExt) {
    const std::string extension =
        defaultExt != nullptr && defaultExt[0] != '\0' ? defaultExt : "kvt";
    if (mode == FileChooser::Mode::Open) {
        return pickFile(extension);
    }
    const char* home = std::getenv("HOME");
    const std::string path = std::string(home != nullptr ? home : "") + "/korvat." + extension;
    korvatOfferOnWrite(path.c_str());
    return path;
}

}  // namespace korvat::platform
