// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace zirev1 {

// Lines longer than this (1 MiB, newline not counted) are answered with "Riga troppo lunga".
inline constexpr std::size_t MAX_BATCH_LINE_LENGTH = std::size_t{1} << 20;

// What each answer line holds for a triangle: the twelve texts, or the twelve and the elements.
enum class BatchAnswer { TwelveTexts, WithElements };

// Reads triangles, one per line as three tab-separated field texts, and writes one line for each:
// the texts separated by tabs, an empty line when there is no solution, or the name of the
// fault. Text after a second tab all belongs to the third field. Returns the exit status.
int runBatch(int inputFd, int outputFd, std::string_view decimalSeparator, BatchAnswer answer);

} // namespace zirev1
