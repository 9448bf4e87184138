// Turns one of the game's icon bitmaps into a PNG for the desktop's icon theme:
//   korvat-icon-png IN.bmp OUT.png SCALE
// The PNG is written with stored (uncompressed) deflate blocks: icons are tiny, and this keeps
// the tool free of any library beyond SDL's own BMP loader.
#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putBigEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void writeChunk(std::vector<uint8_t>& png, const char type[4], const std::vector<uint8_t>& body) {
    putBigEndian(png, static_cast<uint32_t>(body.size()));
    std::vector<uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), body.begin(), body.end());
    png.insert(png.end(), typed.begin(), typed.end());
    putBigEndian(png, crc32(typed.data(), typed.size()));
}

// A zlib stream of stored blocks.
std::vector<uint8_t> zlibStored(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> out{0x78, 0x01};
    size_t pos = 0;
    do {
        const size_t len = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
        const bool last = pos + len == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<uint8_t>(len));
        out.push_back(static_cast<uint8_t>(len >> 8));
        out.push_back(static_cast<uint8_t>(~len));
        out.push_back(static_cast<uint8_t>(~len >> 8));
        out.insert(out.end(), raw.begin() + pos, raw.begin() + pos + len);
        pos += len;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBigEndian(out, (b << 16) | a);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: korvat-icon-png IN.bmp OUT.png SCALE\n");
        return 2;
    }
    const int scale = std::atoi(argv[3]);
    SDL_Surface* loaded = SDL_LoadBMP(argv[1]);
    if (!loaded || scale < 1) {
        std::fprintf(stderr, "korvat-icon-png: cannot read %s\n", argv[1]);
        return 1;
    }
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(loaded);
    if (!rgb)
        return 1;
    const int width = rgb->w * scale, height = rgb->h * scale;
    std::vector<uint8_t> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);  // filter: none
        const uint8_t* row = static_cast<const uint8_t*>(rgb->pixels) + (y / scale) * rgb->pitch;
        for (int x = 0; x < width; ++x)
            raw.insert(raw.end(), row + 3 * (x / scale), row + 3 * (x / scale) + 3);
    }
    SDL_FreeSurface(rgb);

    std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    putBigEndian(header, static_cast<uint32_t>(width));
    putBigEndian(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
    writeChunk(png, "IHDR", header);
    writeChunk(png, "IDAT", zlibStored(raw));
    writeChunk(png, "IEND", {});
    FILE* out = std::fopen(argv[2], "wb");
    if (!out)
        return 1;
    const bool ok = std::fwrite(png.data(), 1, png.size(), out) == png.size();
    return std::fclose(out) == 0 && ok ? 0 : 1;
}
