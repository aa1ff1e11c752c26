// SPDX-License-Identifier: MIT
#include "picture_match.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

namespace zirev1 {
namespace {

// The next header number, past blanks and # comments.
std::optional<long> headerNumber(std::istream& in) {
    for (int next = in.peek(); in && (std::isspace(next) != 0 || next == '#'); next = in.peek()) {
        if (next == '#') {
            std::string comment;
            std::getline(in, comment);
        } else {
            in.get();
        }
    }
    long value = 0;
    if (!(in >> value) || value <= 0) {
        return std::nullopt;
    }
    return value;
}

int channelDistance(const std::uint8_t* a, const std::uint8_t* b) {
    return std::max({std::abs(a[0] - b[0]), std::abs(a[1] - b[1]), std::abs(a[2] - b[2])});
}

long unmatchedInk(const Raster& a, const Raster& b, const MatchTolerance& tolerance, long& ink) {
    static constexpr std::uint8_t WHITE[3] = {255, 255, 255};
    long unmatched = 0;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            const std::uint8_t* pixel = &a.rgb[(static_cast<std::size_t>(y) * a.width + x) * 3];
            if (channelDistance(pixel, WHITE) < tolerance.ink) {
                continue;
            }
            ++ink;
            int nearest = 255;
            for (int v = std::max(0, y - 1); v <= std::min(a.height - 1, y + 1); ++v) {
                for (int u = std::max(0, x - 1); u <= std::min(a.width - 1, x + 1); ++u) {
                    const std::uint8_t* other =
                        &b.rgb[(static_cast<std::size_t>(v) * b.width + u) * 3];
                    nearest = std::min(nearest, channelDistance(pixel, other));
                }
            }
            if (nearest > tolerance.near) {
                ++unmatched;
            }
        }
    }
    return unmatched;
}

} // namespace

std::optional<Raster> readPpm(std::istream& in) {
    char magic[2] = {};
    if (!in.read(magic, 2) || magic[0] != 'P' || magic[1] != '6') {
        return std::nullopt;
    }
    const auto width = headerNumber(in);
    const auto height = headerNumber(in);
    const auto maxval = headerNumber(in);
    // One blank ends the header; a picture larger than a 600 dpi A4 page is not one of ours.
    if (!width || !height || maxval != 255 || *width > 8000 || *height > 8000 ||
        std::isspace(in.get()) == 0) {
        return std::nullopt;
    }
    Raster raster{static_cast<int>(*width), static_cast<int>(*height), {}};
    raster.rgb.resize(static_cast<std::size_t>(*width) * static_cast<std::size_t>(*height) * 3);
    if (!in.read(reinterpret_cast<char*>(raster.rgb.data()),
                 static_cast<std::streamsize>(raster.rgb.size()))) {
        return std::nullopt;
    }
    return raster;
}

PictureMatch matchPictures(const Raster& first, const Raster& second,
                           const MatchTolerance& tolerance) {
    PictureMatch match;
    match.sameSize = first.width == second.width && first.height == second.height;
    if (!match.sameSize) {
        return match;
    }
    match.unmatched[0] = unmatchedInk(first, second, tolerance, match.ink[0]);
    match.unmatched[1] = unmatchedInk(second, first, tolerance, match.ink[1]);
    long far = 0;
    for (std::size_t at = 0; at < first.rgb.size(); at += 3) {
        if (channelDistance(&first.rgb[at], &second.rgb[at]) > tolerance.far) {
            ++far;
        }
    }
    match.farShare = static_cast<double>(far) / (static_cast<double>(first.width) * first.height);
    return match;
}

} // namespace zirev1
