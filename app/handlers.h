// The event handlers of MainWindow.
#pragma once

#include <windows.h>

#include <cstddef>

namespace pantrove {

class MainWindow;

// The created event: skins the window over the small background picture, then starts the update check and the
// usage counter, each on a thread of its own.
void handle_window_created(MainWindow& window);

// Click on "换肤": switches between the two background pictures; the button's caption tells which one shows.
void handle_skin_toggle(MainWindow& window);

// Reads the version page and, when it announces another version, opens its download page in the browser.
void run_update_check();

// Reads the hit counter and shows the count in the usage label.
void run_usage_counter(HWND usage_label);

// Click on "百度云解析": sends the share link and password to the link resolver and lists the links of its
// answer, at most kMaxResultRows of them.
void handle_baidu_resolve(MainWindow& window);
inline constexpr std::size_t kMaxResultRows = 10000;

// Click on "微  云解析": lists the two download addresses of the Weiyun share link.
void handle_weiyun_resolve(MainWindow& window);

// Right click on result_list: copies the selected row's address to the clipboard.
void handle_result_right_click(MainWindow& window);

// Double click on result_list: opens the selected row's address in the default browser. Only web addresses
// are handed to the shell; anything else is refused with a message.
void handle_result_double_click(MainWindow& window);

// Left button pressed on status_label: opens the help page.
void handle_status_label_press(MainWindow& window);

} // namespace pantrove
