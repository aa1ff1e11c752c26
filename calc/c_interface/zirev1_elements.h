/* SPDX-License-Identifier: MIT */
#ifndef ZIREV1_ELEMENTS_H
#define ZIREV1_ELEMENTS_H

#include "zirev1_calculate.h"

/* zirev1_calculate with every element of the triangle: the same arguments, outcomes and
 * out/length protocol; on ZIREV1_RESULTS, out holds the twelve texts and then the 52 elements,
 * 64 texts in the order of element_texts.h, each followed by a line feed. A fault of the elements
 * (a zero area, for sides of about 1e-81 and less) leaves out even the twelve.
 *
 *   zirev1_elements("3",1, "4",1, "5",1, ".",1, out, sizeof out, &length)
 *     -> ZIREV1_RESULTS, out = "36\n52\n12\n ... 12.\n6.\n3.\n2.\n1.\n0.333333\n ... scaleno\n"
 */
#ifdef __cplusplus
extern "C" {
#endif

int zirev1_elements(const char* a, size_t aLength, const char* b, size_t bLength, const char* c,
                    size_t cLength, const char* decimalSeparator, size_t separatorLength, char* out,
                    size_t outCapacity, size_t* outLength);

#ifdef __cplusplus
}
#endif

#endif
