// Answers the message boxes of a process during a test: a thread waits for a box with the caption "信息：",
// remembers its text and presses its OK button, so a handler that shows one returns.
#pragma once

#include "text/text_types.h"

#include <windows.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace pantrove::testing_support {

class MessageBoxWatcher {
public:
    // Answers the boxes of the given process (this one when 0).
    explicit MessageBoxWatcher(DWORD process_id = 0);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // Texts of the boxes answered so far, in order.
    std::vector<TextValue> texts() const;

private:
    void watch();

    DWORD process_id_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<TextValue> texts_;
    std::thread thread_;
};

} // namespace pantrove::testing_support
