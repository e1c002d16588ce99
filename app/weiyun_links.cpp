#include "app/weiyun_links.h"

#include "text/text_encoding.h"

namespace pantrove {

WeiyunAddresses weiyun_addresses(std::string_view link, std::string_view suffix, std::string_view host_1,
                                 std::string_view host_2) {
    const TextValue query = "/weiyun/down.php?u=" + text_after_last(link, "com/") + ".undefined" + TextValue(suffix);
    return {"https://" + TextValue(host_1) + query, "http://" + TextValue(host_2) + query};
}

} // namespace pantrove
