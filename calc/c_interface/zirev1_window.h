/* SPDX-License-Identifier: MIT */
#ifndef ZIREV1_WINDOW_H
#define ZIREV1_WINDOW_H

#include "zirev1_calculate.h"

/* Everything one press of Calcolo gives the window, in one call, with the arguments, outcomes and
 * out/length protocol of zirev1_calculate. On ZIREV1_RESULTS and on ZIREV1_NO_TRIANGLE, out holds
 * one JSON object (UTF-8):
 *   results     the twelve texts, or null: the labels keep what they show
 *   message     what the sides' texts say, the problem and the notice joined by a blank, or ""
 *   marked      the failing validity condition, 0, 1, 2 for p - a, p - b, p - c, or null
 *   markedText  what a screen reader hears of the mark, or ""
 *   working     the working's sections, [{"heading": ..., "rows": [[quantity, working, value]]}],
 *               empty without results: the working shows the last valid triangle's
 *   tsv, html   the working as the clipboard takes it
 *   drawing     the triangle to scale, an inline SVG document, or "" without results
 * A fault writes nothing, as zirev1_calculate's.
 *
 *   zirev1_window("3",1, "4",1, "9",1, ".",1, out, sizeof out, &length)
 *     -> ZIREV1_NO_TRIANGLE, out = {"results": null, "message": "Questi lati non ...", "marked": 2,
 *                                   ... "working": [], "tsv": "", "html": "", "drawing": ""}
 *
 * zirev1_sheet: the printed sheet of the same sides, A4, an inline SVG document, dated as given
 * ("9 dicembre 2026"), on ZIREV1_RESULTS; drawn only when the working prints, so that Calcolo
 * does not pay for it. Sides that make no triangle give ZIREV1_NO_TRIANGLE and write nothing.
 */
#ifdef __cplusplus
extern "C" {
#endif

int zirev1_window(const char* a, size_t aLength, const char* b, size_t bLength, const char* c,
                  size_t cLength, const char* decimalSeparator, size_t separatorLength,
                  char* out, size_t outCapacity, size_t* outLength);

int zirev1_sheet(const char* a, size_t aLength, const char* b, size_t bLength, const char* c,
                 size_t cLength, const char* decimalSeparator, size_t separatorLength,
                 const char* date, size_t dateLength, char* out, size_t outCapacity,
                 size_t* outLength);

#ifdef __cplusplus
}
#endif

#endif
