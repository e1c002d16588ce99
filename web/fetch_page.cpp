#include "web/fetch_page.h"

#include "text/runtime_text.h"
#include "web/request_text.h"
#include "web/url_cookies.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <array>
#include <utility>

namespace pantrove {
namespace {

static_assert(request_flag::kReload == INTERNET_FLAG_RELOAD);
static_assert(request_flag::kNeedFile == INTERNET_FLAG_NEED_FILE);
static_assert(request_flag::kNoCookies == INTERNET_FLAG_NO_COOKIES);
static_assert(request_flag::kNoAutoRedirect == INTERNET_FLAG_NO_AUTO_REDIRECT);
static_assert(request_flag::kSecure == INTERNET_FLAG_SECURE);
static_assert(request_flag::kIgnoreRedirectToHttps == INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS);

// Owns one WinINet handle.
class InternetHandle {
public:
    explicit InternetHandle(HINTERNET handle) noexcept : handle_(handle) {}
    InternetHandle(InternetHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    InternetHandle& operator=(InternetHandle&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    ~InternetHandle() {
        if (handle_)
            InternetCloseHandle(handle_);
    }

    HINTERNET get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }

private:
    HINTERNET handle_;
};

// The three handles of one request; members close in reverse order: request, connection, internet.
struct RequestHandles {
    InternetHandle internet{nullptr};
    InternetHandle connection{nullptr};
    InternetHandle request{nullptr};
};

void set_time_limits(HINTERNET handle) {
    DWORD limit = kFetchTimeLimitMs;
    for (DWORD option :
         {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
        InternetSetOptionA(handle, option, &limit, sizeof limit);
}

InternetHandle open_internet(const TextValue& agent, const std::optional<TextValue>& proxy) {
    if (proxy) {
        const TextValue proxy_list = "http=" + *proxy;
        return InternetHandle(InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_PROXY, proxy_list.c_str(), "", 0));
    }
    return InternetHandle(InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
}

ByteArray read_body(HINTERNET request) {
    ByteArray body;
    std::array<std::uint8_t, 1024> buffer{};
    while (body.size() < kFetchBodyCap) {
        const DWORD wanted = static_cast<DWORD>(std::min(buffer.size(), kFetchBodyCap - body.size()));
        DWORD read = 0;
        if (!InternetReadFile(request, buffer.data(), wanted, &read) || read == 0)
            break;
        body.insert(body.end(), buffer.begin(), buffer.begin() + read);
    }
    return body;
}

// The raw headers, with a buffer grown to what WinINet asks for; empty when they cannot be had.
TextValue query_raw_headers(HINTERNET request) {
    TextValue headers(8192, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD length = static_cast<DWORD>(headers.size());
        if (HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, headers.data(), &length, nullptr)) {
            headers.resize(std::min<size_t>(length, headers.size()));
            return headers;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || length <= headers.size())
            break;
        headers.assign(length, '\0');
    }
    return {};
}

} // namespace

ByteArray fetch_page(std::string_view url_view, FetchOptions& options) {
    const TextValue url(url_view);
    const int port = url_port(url);
    if (port < 0 || port > 0xFFFF)
        return {};

    ByteArray body;
    TextValue raw_headers;
    {
        RequestHandles handles;
        handles.internet = open_internet(user_agent(options.headers), options.proxy);
        if (!handles.internet)
            return {};
        set_time_limits(handles.internet.get());
        handles.connection = InternetHandle(InternetConnectA(handles.internet.get(), url_host(url).c_str(),
                                                             static_cast<INTERNET_PORT>(port), nullptr, nullptr,
                                                             INTERNET_SERVICE_HTTP, 0, 0));
        if (!handles.connection)
            return {};
        const DWORD flags = request_flags(url, options.cookies.has_value(), options.no_redirect);
        const char* verb = options.method == 1 ? "POST" : "GET";
        handles.request = InternetHandle(HttpOpenRequestA(handles.connection.get(), verb, url_path(url).c_str(),
                                                          "HTTP/1.1", nullptr, nullptr, flags, 0));
        if (!handles.request)
            return {};
        set_time_limits(handles.request.get());

        add_default_headers(options.headers, url, options.cookies.value_or(TextValue()));
        const auto header_length = static_cast<DWORD>(options.headers.size());
        if (options.method != 0) {
            if (options.post_bytes.empty())
                options.post_bytes = rt::text_to_bytes(options.post_text);
            HttpSendRequestA(handles.request.get(), options.headers.c_str(), header_length, options.post_bytes.data(),
                             static_cast<DWORD>(options.post_bytes.size()));
        } else {
            HttpSendRequestA(handles.request.get(), options.headers.c_str(), header_length, nullptr, 0);
        }
        body = read_body(handles.request.get());
        raw_headers = query_raw_headers(handles.request.get());
    }

    ResponseHeaderValues values = read_response_headers(raw_headers);
    options.raw_headers = std::move(raw_headers);
    options.location = std::move(values.location);
    options.returned_cookies = std::move(values.returned_cookies);
    if (options.cookies)
        merge_cookies(*options.cookies, options.returned_cookies);
    return body;
}

ByteArray fetch_page(std::string_view url) {
    FetchOptions options;
    return fetch_page(url, options);
}

} // namespace pantrove
