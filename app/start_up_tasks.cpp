#include "app/handlers.h"
#include "app/main_window.h"
#include "app/service_hosts.h"
#include "app/skin_toggle.h"
#include "app/start_up_pages.h"
#include "app/web_address.h"
#include "resources/embedded.h"
#include "text/wide_text.h"
#include "text/window_services.h"
#include "web/fetch_page.h"

namespace pantrove {

void run_update_check() {
    const std::optional<TextValue> address = update_address(read_version_fields(fetch_page(help_url())));
    // Only a web address is handed to the shell: the page must not make the program run anything else.
    if (address && is_web_address(*address))
        rt::open_with_shell(*address);
}

void run_usage_counter(HWND usage_label) {
    // Setting the text from this thread sends the change to the window's thread.
    set_window_text(usage_label, usage_label_text(fetch_page(counter_url(counter_host(), counter_id()))));
}

void handle_window_created(MainWindow& window) {
    skin_main_window(embedded_bytes(Picture::BackgroundSmall), 0, 0, window.handle(), 0, 0, false, true, true);
    rt::start_thread(run_update_check);
    rt::start_thread([label = window.form().usage_label] { run_usage_counter(label); });
}

} // namespace pantrove
