#include "platform/FileChooser.h"

namespace korvat::platform {

std::string chooseFile(FileChooser::Mode mode, const char* filterDescription, const char* pattern,
                       const char* defaultExt) {
    FileChooser chooser(mode, filterDescription != nullptr ? filterDescription : "",
                        pattern != nullptr ? pattern : "*",
                        defaultExt != nullptr ? defaultExt : "");
    chooser.runModal();
    return chooser.path();
}

}  // namespace korvat::platform
