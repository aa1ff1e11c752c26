// SPDX-License-Identifier: MIT
#include "print_checks.h"

#include "check_failures.h"
#include "remote_load.h"
#include "running_form.h"
#include "sheet_printing.h"
#include "wait_for.h"
#include "wide_text.h"
#include "working_form_description.h"

#include <cstdio>
#include <iterator>

namespace zirev1 {
namespace {

bool ownedBy(HWND window, HWND owner) {
    for (HWND up = GetWindow(window, GW_OWNER); up != nullptr; up = GetWindow(up, GW_OWNER)) {
        if (up == owner) {
            return true;
        }
    }
    return false;
}

struct DialogSearch {
    HWND owner;
    std::vector<HWND> found;
};

BOOL CALLBACK collectDialog(HWND window, LPARAM search) {
    auto& [owner, found] = *reinterpret_cast<DialogSearch*>(search);
    wchar_t className[16] = L"";
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    if (std::wstring_view(className) == L"#32770" && IsWindowVisible(window) &&
        ownedBy(window, owner)) {
        found.push_back(window);
    }
    return TRUE;
}

// The dialog boxes shown over the window, its own and theirs: the print dialog and any box it
// opens in turn.
std::vector<HWND> dialogsOver(HWND window) {
    DialogSearch search{window, {}};
    EnumWindows(collectDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK collectText(HWND child, LPARAM texts) {
    reinterpret_cast<std::vector<std::string>*>(texts)->push_back(Form2Page::textOf(child));
    return TRUE;
}

// What a box says: its title and every control's text.
std::vector<std::string> textsOf(HWND box) {
    std::vector<std::string> texts{Form2Page::textOf(box)};
    EnumChildWindows(box, collectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

bool says(HWND box, std::string_view utf8) {
    for (const std::string& shown : textsOf(box)) {
        if (shown == utf8) {
            return true;
        }
    }
    return false;
}

HWND openWorking(const Form2Page& page) {
    if (page.working() == nullptr) {
        page.setText(page.target(Target::SideA), "3");
        page.setText(page.target(Target::SideB), "4");
        page.setText(page.target(Target::SideC), "5");
        page.click();
        page.click(Target::Working);
    }
    return page.working();
}

HWND workingButton(const Form2Page& page, Role role) {
    return page.workingControl(controlOfRole(WORKING_FORM, role));
}

// The button's click is posted: the dialog it opens holds the program until it is closed.
std::vector<HWND> pressAndWaitForDialogs(HWND working, HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
    waitFor([&] { return !dialogsOver(working).empty(); });
    return dialogsOver(working);
}

// After the dialogs: the working is there, answers, and takes input.
void checkWorkingGoesOn(Failures& failures, const Form2Page& page, HWND working,
                        const std::string& after) {
    DWORD_PTR answer = 0;
    failures.check(SendMessageTimeoutW(working, WM_NULL, 0, 0, SMTO_NORMAL, 10'000, &answer) != 0,
                   "after " + after + ", the working answers");
    failures.check(page.working() == working, "after " + after + ", the working is still shown");
    // Where the focus goes is the window manager's to say under X, and in its own time: openbox
    // may hand it to Form2. The working is enabled again once no dialog holds it.
    failures.check(IsWindowEnabled(working) != FALSE,
                   "after " + after + ", the working takes input again");
    failures.check(dialogsOver(page.form()).empty(), "after " + after + ", no box is left open");
}

} // namespace

std::vector<std::string> checkPrintCancelled(const Form2Page& page) {
    Failures failures;
    HWND working = openWorking(page);
    failures.check(working != nullptr, "Svolgimento opens the working");
    if (working == nullptr) {
        return failures.failed;
    }
    HWND print = workingButton(page, Role::Print);
    std::vector<HWND> dialogs = pressAndWaitForDialogs(working, print);
    failures.check(!dialogs.empty(), "Stampa opens the print dialog");
    // Where no printer is installed, Wine's dialog first says so in a box of its own, and closed,
    // the dialog closes too, as if cancelled; Windows shows the dialog. Each is closed by Escape.
    for (int round = 0; round < 4 && !dialogs.empty(); ++round) {
        HWND dialog = dialogs.front();
        std::printf("print: \"%s\" opened over the working\n", Form2Page::textOf(dialog).c_str());
        failures.check(!says(dialog, toUtf8(PRINT_FAILED_TEXT)),
                       "Stampa says printing failed where the dialog opened");
        const bool focused = waitFor([&] {
            HWND focus = page.focus();
            return focus == dialog || IsChild(dialog, focus);
        });
        failures.check(focused, "the print dialog has the focus");
        if (!focused) {
            break;
        }
        page.press(KEY_ESCAPE);
        waitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
        dialogs = dialogsOver(working);
    }
    failures.check(dialogs.empty(), "Escape closes the print dialog");
    checkWorkingGoesOn(failures, page, working, "the print dialog is cancelled");
    return failures.failed;
}

std::vector<std::string> checkPrintFailure(const std::wstring& program, const std::wstring& shim) {
    Failures failures;
    RunningForm running(program);
    failures.check(running.window() != nullptr, running.whyNoWindow());
    if (running.window() != nullptr) {
        failures.check(loadInto(running.window(), shim), "zirev1.exe's print dialog fails");
        const Form2Page page(running.window());
        HWND working = openWorking(page);
        failures.check(working != nullptr, "Svolgimento opens the working");
        for (const Role role : {Role::Print, Role::SavePdf}) {
            const std::string name(controlOfRole(WORKING_FORM, role).caption);
            HWND button = workingButton(page, role);
            const std::vector<HWND> boxes = pressAndWaitForDialogs(working, button);
            const bool told = boxes.size() == 1 && GetWindow(boxes[0], GW_OWNER) == working &&
                              says(boxes[0], toUtf8(PRINT_FAILED_TEXT));
            failures.check(told, name + " that fails says so in a box the working owns");
            if (!told) {
                continue;
            }
            failures.check(says(boxes[0], WORKING_FORM.title),
                           name + "'s box is titled like the working");
            page.pressOk(boxes[0]);
            checkWorkingGoesOn(failures, page, working, name + "'s failure is told");
        }
        failures.check(running.close(), "zirev1.exe ends with status 0");
    }
    return failures.failed;
}

} // namespace zirev1
