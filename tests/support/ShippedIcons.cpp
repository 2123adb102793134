// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ShippedIcons.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>

namespace {

// The PNG's width and height from its header; 0, 0 when it is no PNG.
ShippedBitmap ReadHeader(const std::filesystem::path& path)
{
    ShippedBitmap bitmap{path.filename().string()};
    std::ifstream file(path, std::ios::binary);
    std::array<unsigned char, 24> header{};
    file.read(reinterpret_cast<char*>(header.data()), header.size());
    if (!file || header[1] != 'P' || header[2] != 'N' || header[3] != 'G') {
        return bitmap;
    }
    const auto be32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(header[at]) << 24U |
               static_cast<std::uint32_t>(header[at + 1]) << 16U |
               static_cast<std::uint32_t>(header[at + 2]) << 8U |
               static_cast<std::uint32_t>(header[at + 3]);
    };
    bitmap.width = be32(16);
    bitmap.height = be32(20);
    return bitmap;
}

} // namespace

std::string ShippedIconsDir()
{
    return ZINTRA_RES_ICONS_DIR;
}

std::vector<ShippedBitmap> ShippedBitmaps()
{
    std::vector<ShippedBitmap> bitmaps;
    for (const auto& entry : std::filesystem::directory_iterator(ShippedIconsDir())) {
        if (entry.is_regular_file() && entry.path().extension() == ".png") {
            bitmaps.push_back(ReadHeader(entry.path()));
        }
    }
    std::sort(bitmaps.begin(), bitmaps.end(),
              [](const ShippedBitmap& left, const ShippedBitmap& right) {
                  return left.width < right.width;
              });
    return bitmaps;
}

std::string SizeName(std::uint32_t width, std::uint32_t height)
{
    return std::to_string(width) + "x" + std::to_string(height);
}

std::vector<std::string> ShippedSizes()
{
    std::vector<std::string> sizes;
    for (const ShippedBitmap& bitmap : ShippedBitmaps()) {
        sizes.push_back(SizeName(bitmap.width, bitmap.height));
    }
    return sizes;
}
