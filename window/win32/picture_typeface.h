// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <cstddef>
#include <span>

namespace zirev1 {

// The carried typeface as GDI+ draws it, private to the process: from the typeface file's bytes,
// which must outlive it, with GDI+ started.
class PictureTypeface {
public:
    explicit PictureTypeface(std::span<const std::byte> file);
    PictureTypeface(const PictureTypeface&) = delete;
    PictureTypeface& operator=(const PictureTypeface&) = delete;

    Gdiplus::FontFamily& family() { return m_family; }

private:
    Gdiplus::PrivateFontCollection m_collection;
    Gdiplus::FontFamily m_family;
};

} // namespace zirev1
