// SPDX-License-Identifier: MIT
#include "picture_typeface.h"

#include "text_metrics.h"
#include "wide_text.h"

namespace zirev1 {
namespace {

// The family is made only once the collection holds the typeface: named before, it is missing.
Gdiplus::PrivateFontCollection& holding(Gdiplus::PrivateFontCollection& collection,
                                        std::span<const std::byte> file) {
    collection.AddMemoryFont(file.data(), static_cast<INT>(file.size()));
    return collection;
}

} // namespace

PictureTypeface::PictureTypeface(std::span<const std::byte> file)
    : m_family(toWide(STAND_IN_TYPEFACE).c_str(), &holding(m_collection, file)) {}

} // namespace zirev1
