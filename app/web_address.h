// Which listed addresses may be handed to the shell. Rows come from a web service, so a row could name a
// local program, a file: URL or a share path; only web addresses are opened.
#pragma once

#include <string_view>

namespace pantrove {

// True when the address starts with "http://" or "https://", in any letter case.
bool is_web_address(std::string_view address);

} // namespace pantrove
