#include "app/service_hosts.h"

#include "text/wide_text.h"

#include <windows.h>

#include <string>

namespace pantrove {
namespace {

TextValue configured(const wchar_t* variable, const char* build_default) {
    const DWORD size = GetEnvironmentVariableW(variable, nullptr, 0);
    if (size == 0)
        return build_default;
    std::wstring value(size, L'\0');
    const DWORD copied = GetEnvironmentVariableW(variable, value.data(), size);
    value.resize(copied < size ? copied : 0);
    return narrow(value);
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
