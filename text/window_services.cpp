#include "text/window_services.h"

#include "text/wide_text.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstring>
#include <memory>

namespace pantrove::rt {
namespace {

// Global memory handed to the clipboard; freed unless the clipboard took it.
class GlobalBlock {
public:
    GlobalBlock(const void* data, size_t size) : handle_(GlobalAlloc(GMEM_MOVEABLE, size)) {
        if (!handle_)
            return;
        if (void* target = GlobalLock(handle_)) {
            std::memcpy(target, data, size);
            GlobalUnlock(handle_);
        } else {
            release();
        }
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    ~GlobalBlock() { release(); }

    // Hands the block to the clipboard, which owns it once SetClipboardData succeeds.
    bool give_to_clipboard(UINT format) {
        if (handle_ && SetClipboardData(format, handle_)) {
            handle_ = nullptr;
            return true;
        }
        return false;
    }

private:
    void release() {
        if (handle_)
            GlobalFree(handle_);
        handle_ = nullptr;
    }

    HGLOBAL handle_;
};

class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ~ClipboardSession() {
        if (open_)
            CloseClipboard();
    }
    bool is_open() const { return open_; }

private:
    bool open_;
};

struct ThreadStart {
    std::function<void()> routine;
};

DWORD WINAPI run_thread_start(LPVOID parameter) {
    std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
    start->routine();
    return 0;
}

} // namespace

bool is_visible(HWND control) {
    return (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void set_visible(HWND control, bool visible) {
    ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

int selected_row(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int insert_row(HWND list) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row_count(list);
    item.pszText = const_cast<wchar_t*>(L"");
    return static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void set_cell_text(HWND list, int row, int column, std::string_view text) {
    if (row < 0 || row >= row_count(list))
        return;
    std::wstring wide = widen(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

TextValue cell_text(HWND list, int row, int column) {
    if (row < 0 || row >= row_count(list))
        return {};
    // LVM_GETITEMTEXT reports only how much it copied, so grow the buffer until the text fits.
    for (size_t capacity = 512;; capacity *= 4) {
        std::wstring buffer(capacity, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(capacity);
        const auto copied = static_cast<size_t>(
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < capacity || capacity >= (size_t{1} << 24)) {
            buffer.resize(copied);
            return narrow(buffer);
        }
    }
}

int row_count(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

void delete_all_rows(HWND list) {
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
}

void message_box(HWND owner, std::string_view text) {
    MessageBoxW(owner, widen(text).c_str(), widen(kMessageCaption).c_str(), MB_OK | MB_TASKMODAL);
}

void process_pending_events() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool set_clipboard_text(HWND owner, std::string_view text) {
    ClipboardSession clipboard(owner);
    if (!clipboard.is_open() || !EmptyClipboard())
        return false;
    const std::wstring wide = widen(text);
    const std::string narrow_text(text);
    const LCID chinese = MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);
    GlobalBlock unicode(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    GlobalBlock ansi(narrow_text.c_str(), narrow_text.size() + 1);
    GlobalBlock locale(&chinese, sizeof chinese);
    const bool ok = unicode.give_to_clipboard(CF_UNICODETEXT);
    ansi.give_to_clipboard(CF_TEXT);
    locale.give_to_clipboard(CF_LOCALE);
    return ok;
}

bool open_with_shell(std::string_view address) {
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", widen(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool start_thread(std::function<void()> routine) {
    auto start = std::make_unique<ThreadStart>(ThreadStart{std::move(routine)});
    HANDLE thread = CreateThread(nullptr, 0, run_thread_start, start.get(), 0, nullptr);
    if (!thread)
        return false;
    start.release(); // the thread owns it now
    CloseHandle(thread);
    return true;
}

} // namespace pantrove::rt
