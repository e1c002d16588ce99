#include "app/handlers.h"
#include "app/main_window.h"
#include "app/result_messages.h"
#include "app/service_hosts.h"
#include "app/web_address.h"
#include "text/wide_text.h"
#include "text/window_services.h"

namespace pantrove {
namespace {

// Column 1 ("网址") of the selected row; empty when no row is selected.
TextValue selected_link(const MainForm& form) {
    return rt::cell_text(form.result_list, rt::selected_row(form.result_list), 1);
}

void open_web_address(HWND owner, std::string_view address) {
    if (is_web_address(address))
        rt::open_with_shell(address);
    else
        rt::message_box(owner, kNotWebAddressMessage);
}

} // namespace

void handle_result_right_click(MainWindow& window) {
    const TextValue link = selected_link(window.form());
    if (link.empty()) {
        rt::message_box(window.handle(), kNothingResolvedMessage);
        return;
    }
    rt::set_clipboard_text(window.handle(), link);
    set_window_text(window.form().status_label, kCopiedStatus);
}

void handle_result_double_click(MainWindow& window) {
    const TextValue link = selected_link(window.form());
    if (link.empty()) {
        rt::message_box(window.handle(), kNothingResolvedMessage);
        return;
    }
    open_web_address(window.handle(), link);
}

void handle_status_label_press(MainWindow& window) {
    open_web_address(window.handle(), help_url());
}

} // namespace pantrove
