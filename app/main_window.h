// MainWindow: the program's one window, loaded from its form, with its events bound to the handlers.
#pragma once

#include "app/main_form.h"
#include "skin/core/gdi_objects.h"

#include <windows.h>

#include <memory>

namespace pantrove {

class MainWindow {
public:
    // Loads the form: the window and every control, hidden. With `ends_message_loop` the window posts the
    // quit message when it is destroyed.
    static std::unique_ptr<MainWindow> create(HINSTANCE instance, bool ends_message_loop);

    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    HWND handle() const { return window_; }
    const MainForm& form() const { return form_; }

    // The live MainWindow of the process, or null; for the worker threads that update it.
    static MainWindow* current();

private:
    explicit MainWindow(bool ends_message_loop);
    bool create_controls(HINSTANCE instance);
    void on_command(HWND control, int notification);
    void on_notify(const NMHDR& header);
    static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    HWND window_ = nullptr;
    MainForm form_;
    gdi::Font font_;
    bool ends_message_loop_;
    bool resolving_ = false;
};

} // namespace pantrove
