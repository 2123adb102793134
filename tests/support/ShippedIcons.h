// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon's bitmaps as the source tree holds them in res/icons, read from the files
// themselves: what the tests hold the embedded icon and the windows' icons to.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

struct ShippedBitmap {
    std::string file; // its name in res/icons, "zintra_win-16.png"
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// The folder res/icons of the source tree.
std::string ShippedIconsDir();
// Every PNG in res/icons with its size from its header (0 by 0 if it is no PNG), narrowest
// first.
std::vector<ShippedBitmap> ShippedBitmaps();
// A size as a failure message should show it: "16x16".
std::string SizeName(std::uint32_t width, std::uint32_t height);
// The sizes of ShippedBitmaps(), named so, narrowest first.
std::vector<std::string> ShippedSizes();
// Sizes that have width() and height() (a QSize), named so, narrowest first: to hold an icon's
// sizes to ShippedSizes().
template <class Sizes>
std::vector<std::string> SizeNames(Sizes sizes)
{
    std::sort(sizes.begin(), sizes.end(),
              [](const auto& left, const auto& right) { return left.width() < right.width(); });
    std::vector<std::string> names;
    for (const auto& size : sizes) {
        names.push_back(SizeName(static_cast<std::uint32_t>(size.width()),
                                 static_cast<std::uint32_t>(size.height())));
    }
    return names;
}
