#include "app/baidu_answer.h"
#include "app/handlers.h"
#include "app/main_window.h"
#include "app/service_hosts.h"
#include "text/runtime_text.h"
#include "text/wide_text.h"
#include "text/window_services.h"
#include "web/fetch_page.h"

#include <algorithm>

namespace pantrove {

void handle_baidu_resolve(MainWindow& window) {
    const MainForm& form = window.form();
    rt::set_visible(form.weiyun_link_label, false);
    rt::delete_all_rows(form.result_list);
    set_window_text(form.status_label, "解析中  请稍后......");
    rt::process_pending_events(); // let the status line show before the request blocks

    const ByteArray body = fetch_page(
        baidu_request_url(resolver_host(), window_text(form.baidu_link_edit), window_text(form.baidu_password_edit)));
    const BaiduAnswer answer = read_baidu_answer(body);

    // A share holds a few hundred links at most; a hostile answer must not keep the window filling rows
    // for hours.
    const size_t rows = std::min(answer.links.size(), kMaxResultRows);
    for (size_t i = 0; i < rows; ++i) {
        const int row = rt::insert_row(form.result_list);
        rt::set_cell_text(form.result_list, row, 0, rt::to_text(static_cast<long long>(i + 1)));
        rt::set_cell_text(form.result_list, row, 1, answer.links[i]);
        rt::process_pending_events(); // the list repaints while it fills
    }
    set_window_text(form.status_label, answer.status);
}

} // namespace pantrove
