#pragma once
// An RGB picture in memory, drawn by the generator and written out as a BMP file.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace korvat::assetgen {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kTileGrey{192, 192, 192};

class Image {
  public:
    Image(int width, int height, Rgb fill = kBlack)
        : width_(width), height_(height), pixels_(size_t(width) * height, fill) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Rgb at(int x, int y) const { return pixels_[size_t(y) * width_ + x]; }
    void set(int x, int y, Rgb c) {
        if (contains(x, y)) {
            pixels_[size_t(y) * width_ + x] = c;
        }
    }
    void fillRect(int x, int y, int w, int h, Rgb c) {
        for (int j = y; j < y + h; ++j) {
            for (int i = x; i < x + w; ++i) {
                set(i, j, c);
            }
        }
    }

    // Sets `c` where the rows of a pattern, the top one first, hold '#'.
    template <size_t N>
    void stamp(int left, int top, const std::string_view (&rows)[N], Rgb c) {
        for (int y = 0; y < int(N); ++y) {
            for (size_t x = 0; x < rows[y].size(); ++x) {
                if (rows[y][x] == '#') {
                    set(left + int(x), top + y, c);
                }
            }
        }
    }

  private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// Linear mix of two colours, t = 0 gives a, t = 1 gives b.
Rgb mix(Rgb a, Rgb b, double t);

}  // namespace korvat::assetgen
