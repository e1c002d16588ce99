// Drives the real program from another process, as a user would: starts Pantrove.exe with the given
// environment, types into its fields, presses its buttons and reads its list and labels through window
// messages.
#pragma once

#include "app/main_form.h"
#include "text/text_types.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace pantrove::testing_support {

class ProgramDriver {
public:
    // Starts the program with these variables added to this process's environment and waits for its window.
    explicit ProgramDriver(const std::vector<std::pair<std::wstring, std::wstring>>& environment);
    // Closes the window and waits for the process to end.
    ~ProgramDriver();
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;

    bool running() const { return window_ != nullptr; }
    DWORD process_id() const { return process_.dwProcessId; }
    HWND window() const { return window_; }
    HWND control(HWND MainForm::*slot) const;

    void type(HWND MainForm::*slot, std::string_view text);
    TextValue text(HWND MainForm::*slot) const;
    // Presses a button and returns when its handler has finished.
    void click(HWND MainForm::*slot);

    int row_count() const;
    TextValue cell(int row, int column) const;
    void select_row(int row);
    int selected_row() const;
    // Posts the mouse messages of a click on a row, in its second column (right or left button, or a
    // double click).
    void click_row(int row, UINT down_message);
    // Waits until `done` holds or `wait_ms` has passed; returns whether it held.
    template <class Condition> bool wait_for(Condition done, int wait_ms = 15000) const {
        for (int waited = 0; !done(); waited += 20) {
            if (waited >= wait_ms)
                return false;
            Sleep(20);
        }
        return true;
    }

    // Whether the program answers window messages within a short time.
    bool responsive() const;

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
    std::vector<HWND> controls_;
};

// Where the 64-bit build of the program is.
std::wstring program_path();

} // namespace pantrove::testing_support
