#include "Files.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace korvat::assetgen {

Rgb mix(Rgb a, Rgb b, double t) {
    auto lerp = [t](int x, int y) {
        return uint8_t(std::clamp(int(std::lround(x + (y - x) * t)), 0, 255));
    };
    return {lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b)};
}

namespace {

void put16(std::vector<unsigned char>& out, unsigned v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<unsigned char>& out, unsigned v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

int nearestEntry(const std::vector<Rgb>& palette, Rgb c) {
    int best = 0;
    long bestDistance = -1;
    for (size_t i = 0; i < palette.size(); ++i) {
        const long dr = c.r - palette[i].r, dg = c.g - palette[i].g, db = c.b - palette[i].b;
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = int(i);
        }
    }
    return best;
}

}  // namespace

std::vector<unsigned char> encodeBmp(const Image& image, int bitsPerPixel,
                                     const std::vector<Rgb>& palette) {
    const int w = image.width(), h = image.height();
    const unsigned rowBytes = ((unsigned(w) * bitsPerPixel + 31) / 32) * 4;
    const unsigned paletteBytes = bitsPerPixel <= 8 ? (1u << bitsPerPixel) * 4 : 0;
    const unsigned offset = 14 + 40 + paletteBytes;
    const unsigned imageBytes = rowBytes * h;

    std::vector<unsigned char> out{'B', 'M'};
    put32(out, offset + imageBytes);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);  // BITMAPINFOHEADER
    put32(out, unsigned(w));
    put32(out, unsigned(h));  // positive: bottom-up
    put16(out, 1);
    put16(out, unsigned(bitsPerPixel));
    put32(out, 0);  // BI_RGB
    put32(out, imageBytes);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, bitsPerPixel <= 8 ? unsigned(palette.size()) : 0);
    put32(out, 0);
    if (bitsPerPixel <= 8) {
        for (unsigned i = 0; i < (1u << bitsPerPixel); ++i) {
            const Rgb c = i < palette.size() ? palette[i] : kBlack;
            out.insert(out.end(), {c.b, c.g, c.r, 0});
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<unsigned char> row(rowBytes, 0);
        for (int x = 0; x < w; ++x) {
            const Rgb c = image.at(x, y);
            switch (bitsPerPixel) {
                case 1:
                case 4:
                case 8: {
                    const unsigned index = unsigned(nearestEntry(palette, c));
                    const unsigned bitPos = unsigned(x) * bitsPerPixel;
                    const unsigned shift = 8 - bitsPerPixel - bitPos % 8;
                    row[bitPos / 8] |= (index << shift) & 0xFF;
                    break;
                }
                case 16: {
                    const unsigned v = ((c.r >> 3) << 10) | ((c.g >> 3) << 5) | (c.b >> 3);
                    row[2 * x] = v & 0xFF;
                    row[2 * x + 1] = v >> 8;
                    break;
                }
                case 24:
                    row[3 * x] = c.b;
                    row[3 * x + 1] = c.g;
                    row[3 * x + 2] = c.r;
                    break;
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<unsigned char> encodeWav(const std::vector<double>& samples) {
    constexpr unsigned kRate = 11025;
    const unsigned dataBytes = unsigned(samples.size());
    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    auto tag = [&out](const char* t) {
        for (int i = 0; i < 4; ++i) {
            out.push_back(uint8_t(t[i]));
        }
    };
    tag("RIFF");
    put32(out, 36 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kRate);
    put32(out, kRate);  // bytes per second
    put16(out, 1);      // block alignment
    put16(out, 8);
    tag("data");
    put32(out, dataBytes);
    for (double s : samples) {
        out.push_back(uint8_t(std::clamp(std::lround(128.0 + 127.0 * s), 0L, 255L)));
    }
    return out;
}

bool writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace korvat::assetgen
