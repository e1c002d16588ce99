#include "program_driver.h"

#include "shell_open_log.h"
#include "text/wide_text.h"

#include <commctrl.h>

#include <map>

namespace pantrove::testing_support {
namespace {

// Memory inside the program's process, for list view messages whose structures must live there.
class RemoteBlock {
public:
    RemoteBlock(HANDLE process, size_t size)
        : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
    ~RemoteBlock() {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    char* address() const { return static_cast<char*>(address_); }
    void write(size_t offset, const void* data, size_t size) const {
        WriteProcessMemory(process_, address() + offset, data, size, nullptr);
    }
    void read(size_t offset, void* data, size_t size) const {
        ReadProcessMemory(process_, address() + offset, data, size, nullptr);
    }

private:
    HANDLE process_;
    void* address_;
};

std::wstring environment_block(const std::vector<std::pair<std::wstring, std::wstring>>& added) {
    std::map<std::wstring, std::wstring> variables;
    if (wchar_t* current = GetEnvironmentStringsW()) {
        for (const wchar_t* entry = current; *entry; entry += wcslen(entry) + 1) {
            const std::wstring text(entry);
            const size_t equals = text.find(L'=', 1);
            if (equals != std::wstring::npos)
                variables[text.substr(0, equals)] = text.substr(equals + 1);
        }
        FreeEnvironmentStringsW(current);
    }
    for (const auto& [name, value] : added)
        variables[name] = value;
    std::wstring block;
    for (const auto& [name, value] : variables)
        block += name + L"=" + value + L'\0';
    block += L'\0';
    return block;
}

} // namespace

std::wstring program_path() {
    return unix_to_windows_path(PANTROVE_PROGRAM_PATH);
}

ProgramDriver::ProgramDriver(const std::vector<std::pair<std::wstring, std::wstring>>& environment) {
    std::wstring command = L"\"" + program_path() + L"\"";
    std::wstring block = environment_block(environment);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT, block.data(),
                        nullptr, &startup, &process_))
        return;
    const std::wstring caption = widen(kMainCaption);
    wait_for([&] {
        HWND found = FindWindowW(nullptr, caption.c_str());
        DWORD owner = 0;
        if (found)
            GetWindowThreadProcessId(found, &owner);
        if (found && owner == process_.dwProcessId && IsWindowVisible(found))
            window_ = found;
        return window_ != nullptr;
    });
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        controls_.push_back(child);
}

ProgramDriver::~ProgramDriver() {
    if (window_)
        PostMessageW(window_, WM_CLOSE, 0, 0);
    if (process_.hProcess) {
        if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0)
            TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
}

HWND ProgramDriver::control(HWND MainForm::*slot) const {
    // The controls come in the form's order.
    for (size_t i = 0; i < kMainControls.size() && i < controls_.size(); ++i) {
        if (kMainControls[i].slot == slot)
            return controls_[i];
    }
    return nullptr;
}

void ProgramDriver::type(HWND MainForm::*slot, std::string_view text) {
    SendMessageW(control(slot), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(widen(text).c_str()));
}

TextValue ProgramDriver::text(HWND MainForm::*slot) const {
    return window_text(control(slot));
}

void ProgramDriver::click(HWND MainForm::*slot) {
    SendMessageW(control(slot), BM_CLICK, 0, 0);
}

int ProgramDriver::row_count() const {
    return static_cast<int>(SendMessageW(control(&MainForm::result_list), LVM_GETITEMCOUNT, 0, 0));
}

TextValue ProgramDriver::cell(int row, int column) const {
    constexpr size_t kChars = 4096;
    RemoteBlock block(process_.hProcess, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(block.address() + sizeof(LVITEMW));
    item.cchTextMax = kChars;
    block.write(0, &item, sizeof item);
    const auto length =
        static_cast<size_t>(SendMessageW(control(&MainForm::result_list), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                         reinterpret_cast<LPARAM>(block.address())));
    std::wstring text(length, L'\0');
    block.read(sizeof(LVITEMW), text.data(), length * sizeof(wchar_t));
    return narrow(text);
}

void ProgramDriver::select_row(int row) {
    RemoteBlock block(process_.hProcess, sizeof(LVITEMW));
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    block.write(0, &item, sizeof item);
    SendMessageW(control(&MainForm::result_list), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(block.address()));
}

int ProgramDriver::selected_row() const {
    return static_cast<int>(
        SendMessageW(control(&MainForm::result_list), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ProgramDriver::click_row(int row, UINT down_message) {
    RemoteBlock block(process_.hProcess, sizeof(RECT));
    RECT item{LVIR_BOUNDS, 0, 0, 0};
    block.write(0, &item, sizeof item);
    HWND list = control(&MainForm::result_list);
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(block.address()));
    block.read(0, &item, sizeof item);
    const LPARAM at = MAKELPARAM(200, (item.top + item.bottom) / 2);
    const bool right = down_message == WM_RBUTTONDOWN;
    // The list captures the mouse while it waits for the release, which only the foreground window may do;
    // other test programs' windows come and go meanwhile.
    SetForegroundWindow(window_);
    // Posted, not sent: a press starts the list's own drag-detection loop, which waits for the release.
    PostMessageW(list, down_message, right ? MK_RBUTTON : MK_LBUTTON, at);
    PostMessageW(list, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
}

bool ProgramDriver::responsive() const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
}

} // namespace pantrove::testing_support
