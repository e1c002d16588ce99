#include "message_box_watcher.h"

#include "text/wide_text.h"
#include "text/window_services.h"

namespace pantrove::testing_support {

MessageBoxWatcher::MessageBoxWatcher(DWORD process_id)
    : process_id_(process_id ? process_id : GetCurrentProcessId()), thread_([this] { watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    stop_ = true;
    thread_.join();
}

std::vector<TextValue> MessageBoxWatcher::texts() const {
    std::lock_guard lock(mutex_);
    return texts_;
}

namespace {

struct BoxSearch {
    DWORD process_id;
    std::wstring caption;
    HWND found = nullptr;
};

BOOL CALLBACK find_box(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<BoxSearch*>(parameter);
    wchar_t class_name[16] = {};
    GetClassNameW(window, class_name, 16);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process_id || std::wstring_view(class_name) != L"#32770" || !IsWindowVisible(window))
        return TRUE;
    if (window_text(window) != narrow(search->caption))
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

void MessageBoxWatcher::watch() {
    // Every top-level window is looked at: boxes of other test programs running at the same time have the
    // same caption and are theirs to answer.
    BoxSearch search{process_id_, widen(rt::kMessageCaption)};
    while (!stop_) {
        search.found = nullptr;
        EnumWindows(find_box, reinterpret_cast<LPARAM>(&search));
        if (HWND box = search.found) {
            // The text of a message box is the static control with the identifier 0xFFFF.
            const TextValue text = window_text(GetDlgItem(box, 0xFFFF));
            {
                std::lock_guard lock(mutex_);
                texts_.push_back(text);
            }
            SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
            while (IsWindow(box) && !stop_)
                Sleep(5);
        }
        Sleep(10);
    }
}

} // namespace pantrove::testing_support
