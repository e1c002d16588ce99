#include "app/web_address.h"

#include "text/runtime_text.h"

namespace pantrove {

bool is_web_address(std::string_view address) {
    const std::string lower = rt::to_lower(rt::left(address, 8));
    return lower.starts_with("http://") || lower.starts_with("https://");
}

} // namespace pantrove
