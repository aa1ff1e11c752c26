// SPDX-License-Identifier: MIT
// What the WebAssembly module exports besides zirev1_calculate and zirev1_elements: memory for the
// host to place the texts in.

#include "zirev1_calculate.h"

#include <cstdlib>

extern "C" {

__attribute__((export_name("zirev1_allocate"))) void* zirev1_allocate(size_t size) {
    return std::malloc(size == 0 ? 1 : size);
}

__attribute__((export_name("zirev1_release"))) void zirev1_release(void* memory) {
    std::free(memory);
}
}
