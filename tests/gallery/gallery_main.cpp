// Shows the skin engine's gallery window until it is closed.
#include "app/startup.h"
#include "skin/core/skin_object.h"
#include "skin/controls/list_controls.h"
#include "tests/gallery/gallery_window.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    pantrove::create_skin();
    pantrove::create_skin_lists();
    pantrove::init_skin_globals();
    int exit_code = 1;
    {
        const auto gallery = pantrove::gallery::GalleryWindow::create(instance, 40, 40, true);
        if (gallery) {
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                pantrove::preprocess_list_key(message);
                if (IsDialogMessageW(gallery->handle(), &message))
                    continue;
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            exit_code = static_cast<int>(message.wParam);
        }
    }
    pantrove::on_program_exit();
    return exit_code;
}
