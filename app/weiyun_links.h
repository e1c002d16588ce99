// The two download addresses of a Weiyun share, built from the link without any request.
#pragma once

#include "text/text_types.h"

#include <string_view>

namespace pantrove {

struct WeiyunAddresses {
    TextValue first;  // over HTTPS at the first download service
    TextValue second; // over HTTP at the second
};

// The share key is what follows the last "com/" of the link (case-sensitive; empty without one). Neither the
// key nor the suffix is encoded.
WeiyunAddresses weiyun_addresses(std::string_view link, std::string_view suffix, std::string_view host_1,
                                 std::string_view host_2);

} // namespace pantrove
