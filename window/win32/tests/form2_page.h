// SPDX-License-Identifier: MIT
#pragma once

#include "form2_behaviour.h"
#include "form2_description.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zirev1 {

// A running Form2 seen from another process: its controls found by role through the form's
// description, acted on and read by window messages alone. Every act returns once the program
// has handled what it was sent.
class Form2Page {
public:
    explicit Form2Page(HWND form);

    HWND form() const { return m_form; }
    DWORD processId() const;
    HWND control(const Control& control) const;
    // Copy is the working's Copia: null while the working is not open.
    HWND target(Target target) const;
    // The working's window while it is shown, or null; its control.
    HWND working() const;
    HWND workingControl(const Control& control) const;

    static std::string textOf(HWND window);
    // The description MSAA gives, or where there is no dynamic annotation, the window's property.
    static std::string accessibleDescription(HWND window);
    // MSAA's name of the window's client object.
    static std::string accessibleName(HWND window);
    // The twelve results in writing order.
    std::vector<std::string> results() const;
    HWND focus() const;
    // The dialog boxes the form owns, in no particular order.
    std::vector<HWND> ownedBoxes() const;
    // What the message says.
    std::string message() const;
    // The working's rows, quantity, working and value; empty while it is not open.
    std::vector<std::vector<std::string>> workingRows() const;
    // The clipboard's Unicode text, and its HTML Format as it is held.
    std::string clipboardText() const;
    std::string clipboardHtml() const;

    void setText(HWND field, std::string_view text) const;
    // `text` is UTF-8; each of its UTF-16 units is typed as one character.
    void type(HWND field, std::string_view text) const;
    // One of BEHAVIOUR_KEYS, on the control that has the focus.
    void press(std::string_view key) const;
    // Posted, so that a fault box opened by the click does not hold the caller.
    void click(Target button = Target::Calculate) const;
    void pressOk(HWND box) const;
    void putOnClipboard(std::string_view text) const;

    // Returns once the program has handled every message posted to it so far, and what that
    // posted in turn.
    void settle() const;
    // Whether the program has answered every message and handled every act in time since the
    // last call; a page that has waited in vain stops waiting until it is asked.
    bool answeredAll();

private:
    LRESULT heard(std::optional<LRESULT> answer) const;
    void postAndSettle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;
    void setModifier(BYTE key, bool down) const;

    HWND m_form;
    DWORD m_thread;
    mutable bool m_answered = true;
};

} // namespace zirev1
