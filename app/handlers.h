// The event handlers of MainWindow.
#pragma once

namespace pantrove {

class MainWindow;

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
