/* SPDX-License-Identifier: MIT */
#ifndef ZIREV1_CALCULATE_H
#define ZIREV1_CALCULATE_H

#include <stddef.h>

/* The calculation behind the Calculate button, for callers in C or in a WebAssembly host: the
 * three field texts and the decimal separator in, as bytes with their lengths; the twelve result
 * texts out, each followed by a line feed.
 *
 *   zirev1_calculate("3",1, "4",1, "5",1, ".",1, out, sizeof out, &length)
 *     -> ZIREV1_RESULTS, out = "36\n52\n12\n53\n7\n48\n89\n59\n60\n4.\n6.\n12.\n"
 */
#ifdef __cplusplus
extern "C" {
#endif

enum {
    ZIREV1_RESULTS = 0,          /* the twelve texts are in out */
    ZIREV1_NO_TRIANGLE = 1,      /* b is 0, or the sides make no triangle: nothing changes */
    ZIREV1_OVERFLOW = 2,         /* the fault "Overflow" */
    ZIREV1_DIVISION_BY_ZERO = 3, /* the fault "Divisione per zero" */
    ZIREV1_OUT_TOO_SMALL = 4     /* *outLength says how many bytes the texts need */
};

int zirev1_calculate(const char* a, size_t aLength, const char* b, size_t bLength, const char* c,
                     size_t cLength, const char* decimalSeparator, size_t separatorLength,
                     char* out, size_t outCapacity, size_t* outLength);

#ifdef __cplusplus
}
#endif

#endif
