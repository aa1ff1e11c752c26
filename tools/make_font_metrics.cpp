// SPDX-License-Identifier: MIT
// Reads a TrueType font's metrics at build time and writes them as C++ constants: units per em,
// ascender and descender (hhea), and the advance width (hmtx) of every character of the Basic
// Multilingual Plane that the font maps (cmap format 4).
//
//   zirev1_make_font_metrics DejaVuSans-Bold.ttf stand_in_font_metrics.inc

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct FontFile {
    std::vector<unsigned char> bytes;

    bool has(std::size_t at, std::size_t length) const {
        return at <= bytes.size() && length <= bytes.size() - at;
    }
    std::uint16_t u16(std::size_t at) const {
        return static_cast<std::uint16_t>(bytes.at(at) << 8 | bytes.at(at + 1));
    }
    std::int16_t s16(std::size_t at) const { return static_cast<std::int16_t>(u16(at)); }
    std::uint32_t u32(std::size_t at) const {
        return static_cast<std::uint32_t>(u16(at)) << 16 | u16(at + 2);
    }

    std::optional<std::size_t> table(const char* tag) const {
        const std::uint16_t count = u16(4);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t record = 12 + 16 * i;
            if (std::string(bytes.begin() + static_cast<long>(record),
                            bytes.begin() + static_cast<long>(record) + 4) == tag) {
                return u32(record + 8);
            }
        }
        return std::nullopt;
    }
};

// Character code -> glyph index, from the first Unicode BMP subtable (format 4).
std::map<char32_t, std::uint16_t> characterMap(const FontFile& font, std::size_t cmap) {
    std::map<char32_t, std::uint16_t> glyphs;
    const std::uint16_t subtables = font.u16(cmap + 2);
    for (std::size_t i = 0; i < subtables; ++i) {
        const std::size_t record = cmap + 4 + 8 * i;
        const std::uint16_t platform = font.u16(record);
        const std::uint16_t encoding = font.u16(record + 2);
        const std::size_t sub = cmap + font.u32(record + 4);
        if (!(platform == 3 && encoding == 1) && platform != 0) {
            continue;
        }
        if (font.u16(sub) != 4) {
            continue;
        }
        const std::size_t segments = font.u16(sub + 6) / 2;
        const std::size_t ends = sub + 14;
        const std::size_t starts = ends + 2 * segments + 2;
        const std::size_t deltas = starts + 2 * segments;
        const std::size_t offsets = deltas + 2 * segments;
        for (std::size_t s = 0; s < segments; ++s) {
            const std::uint16_t end = font.u16(ends + 2 * s);
            const std::uint16_t start = font.u16(starts + 2 * s);
            const std::uint16_t delta = font.u16(deltas + 2 * s);
            const std::uint16_t offset = font.u16(offsets + 2 * s);
            for (std::uint32_t code = start; code <= end && code != 0xFFFF; ++code) {
                std::uint16_t glyph = 0;
                if (offset == 0) {
                    glyph = static_cast<std::uint16_t>(code + delta);
                } else {
                    const std::size_t at = offsets + 2 * s + offset + 2 * (code - start);
                    glyph = font.u16(at);
                    if (glyph != 0) {
                        glyph = static_cast<std::uint16_t>(glyph + delta);
                    }
                }
                if (glyph != 0) {
                    glyphs.emplace(code, glyph);
                }
            }
        }
        return glyphs;
    }
    return glyphs;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zirev1_make_font_metrics FONT.ttf OUTPUT.inc\n");
        return 64;
    }
    std::ifstream in(argv[1], std::ios::binary);
    FontFile font;
    if (in) {
        font.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (!font.has(0, 12)) {
        std::fprintf(stderr, "zirev1_make_font_metrics: cannot read %s\n", argv[1]);
        return 66;
    }
    try {
        const auto head = font.table("head");
        const auto hhea = font.table("hhea");
        const auto hmtx = font.table("hmtx");
        const auto cmap = font.table("cmap");
        if (!head || !hhea || !hmtx || !cmap) {
            std::fprintf(stderr, "zirev1_make_font_metrics: %s lacks a table it needs\n", argv[1]);
            return 65;
        }
        const std::uint16_t unitsPerEm = font.u16(*head + 18);
        const std::int16_t ascender = font.s16(*hhea + 4);
        const std::int16_t descender = font.s16(*hhea + 6);
        const std::uint16_t longMetrics = font.u16(*hhea + 34);
        const auto advance = [&](std::uint16_t glyph) {
            return font.u16(*hmtx + 4 * (glyph < longMetrics ? glyph : longMetrics - 1u));
        };
        const auto glyphs = characterMap(font, *cmap);
        if (glyphs.empty() || longMetrics == 0) {
            std::fprintf(stderr, "zirev1_make_font_metrics: %s has no Unicode map\n", argv[1]);
            return 65;
        }
        std::ofstream out(argv[2]);
        out << "// Generated from " << argv[1] << " by zirev1_make_font_metrics; not edited.\n"
            << "namespace zirev1 {\n"
            << "inline constexpr struct {\n    int unitsPerEm, ascender, descender, "
               "missingAdvance;\n} STAND_IN_FONT = {"
            << unitsPerEm << ", " << ascender << ", " << -descender << ", " << advance(0) << "};\n"
            << "inline constexpr GlyphAdvance STAND_IN_ADVANCES[] = {\n";
        for (const auto& [code, glyph] : glyphs) {
            out << "    {0x" << std::hex << static_cast<std::uint32_t>(code) << std::dec << ", "
                << advance(glyph) << "},\n";
        }
        out << "};\n} // namespace zirev1\n";
        if (!out) {
            std::fprintf(stderr, "zirev1_make_font_metrics: cannot write %s\n", argv[2]);
            return 73;
        }
    } catch (const std::out_of_range&) {
        std::fprintf(stderr, "zirev1_make_font_metrics: %s is damaged\n", argv[1]);
        return 65;
    }
    return 0;
}
