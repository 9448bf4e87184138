#pragma once
// Where the driver's lines go: standard output, or nowhere while it plays random games.
#include <cstdio>
#include <string_view>

namespace korvat::sim {

class Output {
  public:
    explicit Output(std::FILE* file) : file_(file) {}

    bool enabled() const { return file_ != nullptr; }

    void line(std::string_view text) {
        if (file_ != nullptr) {
            std::fwrite(text.data(), 1, text.size(), file_);
            std::fputc('\n', file_);
        }
    }

  private:
    std::FILE* file_;
};

}  // namespace korvat::sim
