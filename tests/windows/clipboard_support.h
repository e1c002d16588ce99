// The clipboard in tests. It is shared by every process of the wine session: tests that check it hold
// ClipboardLock, a named mutex, so that test programs running at the same time do not change it under each other.
#pragma once

#include "text/wide_text.h"

#include <windows.h>

namespace pantrove::testing_support {

class ClipboardLock {
public:
    ClipboardLock() : mutex_(CreateMutexW(nullptr, FALSE, L"PantroveTestClipboard")) {
        if (mutex_)
            WaitForSingleObject(mutex_, INFINITE);
    }
    ~ClipboardLock() {
        if (mutex_) {
            ReleaseMutex(mutex_);
            CloseHandle(mutex_);
        }
    }
    ClipboardLock(const ClipboardLock&) = delete;
    ClipboardLock& operator=(const ClipboardLock&) = delete;

private:
    HANDLE mutex_;
};

// The clipboard's text as CF_UNICODETEXT gives it, in code page 936; empty when there is none.
inline TextValue clipboard_text() {
    TextValue text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = narrow(static_cast<const wchar_t*>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

} // namespace pantrove::testing_support
