#pragma once
// Writers of the two file formats the program embeds: uncompressed bottom-up BMP and 8-bit PCM WAV.
#include <string>
#include <vector>

#include "Image.h"

namespace korvat::assetgen {

// Palette pixel depths (1, 4, 8) map every pixel to the nearest palette entry; 16 writes
// 5-5-5 with each channel cut to its top five bits; 24 writes the colours unchanged.
std::vector<unsigned char> encodeBmp(const Image& image, int bitsPerPixel,
                                     const std::vector<Rgb>& palette = {});

// Samples in -1..1, written as unsigned 8-bit mono at 11025 Hz.
std::vector<unsigned char> encodeWav(const std::vector<double>& samples);

bool writeFile(const std::string& path, const std::vector<unsigned char>& bytes);

}  // namespace korvat::assetgen
