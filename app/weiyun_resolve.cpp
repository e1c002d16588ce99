#include "app/handlers.h"
#include "app/main_window.h"
#include "app/result_messages.h"
#include "app/service_hosts.h"
#include "app/weiyun_links.h"
#include "text/wide_text.h"
#include "text/window_services.h"

namespace pantrove {
namespace {

void append_result_row(HWND list, std::string_view number, std::string_view address) {
    const int row = rt::insert_row(list);
    rt::set_cell_text(list, row, 0, number);
    rt::set_cell_text(list, row, 1, address);
}

} // namespace

void handle_weiyun_resolve(MainWindow& window) {
    const MainForm& form = window.form();
    rt::set_visible(form.weiyun_link_label, false);
    rt::delete_all_rows(form.result_list);
    const WeiyunAddresses addresses = weiyun_addresses(
        window_text(form.weiyun_link_edit), window_text(form.suffix_combo), weiyun_host_1(), weiyun_host_2());
    append_result_row(form.result_list, "1", addresses.first);
    append_result_row(form.result_list, "2", addresses.second);
    set_window_text(form.status_label, kResolvedStatus);
}

} // namespace pantrove
