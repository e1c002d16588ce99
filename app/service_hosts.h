// Addresses of the web services. Each is chosen at build time and may be overridden at run time by the
// environment variable of the same name (the tests point the real program at 127.0.0.1 that way).
// Host values may carry a port.
#pragma once

#include "text/text_types.h"

namespace pantrove {

TextValue weiyun_host_1(); // PANTROVE_WEIYUN_HOST_1
TextValue weiyun_host_2(); // PANTROVE_WEIYUN_HOST_2
TextValue help_url();      // PANTROVE_HELP_URL: the help page, which is also the version page
TextValue resolver_host(); // PANTROVE_RESOLVER_HOST: the Baidu link resolver
TextValue counter_host();  // PANTROVE_COUNTER_HOST: the hit counter
TextValue counter_id();    // PANTROVE_COUNTER_ID: this program's counter at the hit counter

} // namespace pantrove
