/* Keeps the wine prefix's desktop in use for a whole test run. The first program of a prefix that needs the
 * desktop starts its desktop process, and that process inherits the program's output handles. Started by a test,
 * it would hold CTest's pipe open, and the test would seem to run on, until the desktop falls idle: with tests
 * running side by side, for minutes. Started first, from wine-run.sh --start with its output discarded, this
 * program makes the desktop process its own and keeps it alive until the prefix's server is stopped.
 * Argument: a file to create once the desktop is up. */
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR ready_file, int show) {
    (void)previous;
    (void)show;
    /* A window, never shown: making it needs the desktop, so the desktop process starts now, from here. */
    HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 1, 1, NULL, NULL, instance, NULL);
    if (!window)
        return 1;
    if (ready_file && *ready_file) {
        HANDLE ready = CreateFileW(ready_file, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
        if (ready != INVALID_HANDLE_VALUE)
            CloseHandle(ready);
    }
    MSG message;
    while (GetMessageW(&message, NULL, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
