// SPDX-License-Identifier: MIT
#pragma once

namespace zirev1 {

// In a shim loaded into zirev1.exe: the program's import of `function` from `module` (as its
// import table names them, in any case) points at `replacement` from now on. Returns what it
// pointed at, or null where the program does not import it.
void* redirectImport(const char* module, const char* function, void* replacement);

} // namespace zirev1
