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

void MessageBoxWatcher::watch() {
    const std::wstring caption = widen(rt::kMessageCaption);
    while (!stop_) {
        HWND box = FindWindowW(L"#32770", caption.c_str());
        DWORD owner_process = 0;
        if (box)
            GetWindowThreadProcessId(box, &owner_process);
        // Boxes of other test programs running at the same time are theirs to answer.
        if (box && owner_process == process_id_ && IsWindowVisible(box)) {
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
