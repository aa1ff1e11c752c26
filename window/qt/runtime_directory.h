// SPDX-License-Identifier: MIT
#pragma once

namespace zirev1 {

// Qt keeps per-user runtime files in XDG_RUNTIME_DIR and, where the session sets none (root on a
// console, a bare virtual display, a container), warns on every start about something the user
// can do nothing about. Before the application object exists, this gives such a session a private
// folder of its own (owner only, as Qt requires); an existing XDG_RUNTIME_DIR is left alone.
void provideRuntimeDirectory();

} // namespace zirev1
