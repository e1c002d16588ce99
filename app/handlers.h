// The event handlers of MainWindow.
#pragma once

namespace pantrove {

class MainWindow;

// Click on "微  云解析": lists the two download addresses of the Weiyun share link.
void handle_weiyun_resolve(MainWindow& window);

} // namespace pantrove
