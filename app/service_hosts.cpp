#include "app/service_hosts.h"

#include "text/wide_text.h"

namespace pantrove {
namespace {

TextValue configured(const wchar_t* variable, const char* build_default) {
    const std::optional<std::wstring> value = environment_value(variable);
    return value ? narrow(*value) : TextValue(build_default);
}

} // namespace

TextValue weiyun_host_1() {
    return configured(L"PANTROVE_WEIYUN_HOST_1", PANTROVE_DEFAULT_WEIYUN_HOST_1);
}

TextValue weiyun_host_2() {
    return configured(L"PANTROVE_WEIYUN_HOST_2", PANTROVE_DEFAULT_WEIYUN_HOST_2);
}

TextValue help_url() {
    return configured(L"PANTROVE_HELP_URL", PANTROVE_DEFAULT_HELP_URL);
}

TextValue resolver_host() {
    return configured(L"PANTROVE_RESOLVER_HOST", PANTROVE_DEFAULT_RESOLVER_HOST);
}

TextValue counter_host() {
    return configured(L"PANTROVE_COUNTER_HOST", PANTROVE_DEFAULT_COUNTER_HOST);
}

TextValue counter_id() {
    return configured(L"PANTROVE_COUNTER_ID", PANTROVE_DEFAULT_COUNTER_ID);
}

} // namespace pantrove
