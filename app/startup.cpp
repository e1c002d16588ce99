#include "app/startup.h"

#include "app/handlers.h"
#include "app/main_window.h"
#include "skin/controls/list_controls.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstdlib>

namespace pantrove {

ULONG_PTR start_gdiplus(std::optional<UINT32> version) {
    Gdiplus::GdiplusStartupInput input;
    input.GdiplusVersion = version.value_or(1);
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    return token;
}

int init_skin_globals() {
    gdiplus_token = start_gdiplus();
    HINSTANCE module = GetModuleHandleW(nullptr);
    app_icon = LoadIconW(module, MAKEINTRESOURCEW(129));
    if (!app_icon)
        app_icon = LoadIconW(module, L"DEFAULT_ICON");
    first_size_pending = 1;
    skin_controls_enabled = 1;
    control_alpha = 160;
    theme_colour = 0xDDCA22;
    trackbar_style = 1;
    return 0;
}

void create_skin_lists() {
    window_table.clear();
    dc_registry.clear();
}

void on_program_exit() {
    destroy_skin();
    free_skin_lists();
}

int program_entry(HINSTANCE instance) {
    create_skin();
    create_skin_lists();
    init_skin_globals();
    int exit_code = 0;
    {
        std::unique_ptr<MainWindow> window = MainWindow::create(instance, true);
        if (!window) {
            on_program_exit();
            return 1;
        }
        handle_window_created(*window);
        ShowWindow(window->handle(), SW_SHOWNORMAL);
        UpdateWindow(window->handle());
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            preprocess_list_key(message);
            if (IsDialogMessageW(window->handle(), &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        exit_code = static_cast<int>(message.wParam);
    }
    on_program_exit();
    return exit_code;
}

} // namespace pantrove
