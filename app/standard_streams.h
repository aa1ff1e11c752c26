// SPDX-License-Identifier: MIT
#pragma once

namespace zirev1 {

// Makes the standard streams carry bytes as the driver writes them, and makes a reader that
// closes the output early show as a failed write instead of ending the process.
void prepareStandardStreams();

// Whether a write that failed with this errno did so because the reader has gone away.
bool readerHasGone(int error);

} // namespace zirev1
