#include "web/fetch_page.h"

#include "text/runtime_text.h"
#include "web/request_text.h"
#include "web/url_cookies.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
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
    explicit InternetHandle(HINTERNET handle = nullptr) noexcept : handle_(handle) {}
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
    InternetHandle internet;
    InternetHandle connection;
    InternetHandle request;
};

// Tells the waiting caller that the request still moves. WinINet under wine keeps no connect time limit
// (its connect blocks until the system gives up, two minutes on Linux) and closing a handle does not break
// that wait, so the caller stops waiting for a step that outlasts the limits instead of relying on them.
class Progress {
public:
    void touch() {
        const std::lock_guard lock(mutex_);
        last_ = Clock::now();
    }

    void finish() {
        {
            const std::lock_guard lock(mutex_);
            finished_ = true;
        }
        changed_.notify_all();
    }

    // True once finished; false when no step was made for longer than `silence`.
    bool wait(std::chrono::milliseconds silence) {
        std::unique_lock lock(mutex_);
        while (!finished_) {
            const auto deadline = last_ + silence;
            if (Clock::now() >= deadline)
                return false;
            changed_.wait_until(lock, deadline);
        }
        return true;
    }

private:
    using Clock = std::chrono::steady_clock;
    std::mutex mutex_;
    std::condition_variable changed_;
    Clock::time_point last_ = Clock::now();
    bool finished_ = false;
};

// One request with its own copies of the caller's values: the thread that performs it may outlive the call.
struct FetchJob {
    TextValue url;
    FetchOptions options;
    ByteArray body;
    bool request_made = false;
    Progress progress;
};

// WinINet reports each step of a request (name resolved, connected, request sent, response received) here,
// on the thread that performs it.
void CALLBACK report_progress(HINTERNET, DWORD_PTR context, DWORD, LPVOID, DWORD) {
    reinterpret_cast<Progress*>(context)->touch();
}

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

ByteArray read_body(HINTERNET request, Progress& progress) {
    ByteArray body;
    std::array<std::uint8_t, 1024> buffer{};
    while (body.size() < kFetchBodyCap) {
        const auto wanted = static_cast<DWORD>(std::min(buffer.size(), kFetchBodyCap - body.size()));
        DWORD read = 0;
        if (!InternetReadFile(request, buffer.data(), wanted, &read) || read == 0)
            break;
        body.insert(body.end(), buffer.begin(), buffer.begin() + read);
        progress.touch();
    }
    return body;
}

// The raw headers, with a buffer grown to what WinINet asks for; empty when they cannot be had.
TextValue query_raw_headers(HINTERNET request) {
    TextValue headers(8192, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        auto length = static_cast<DWORD>(headers.size());
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

void perform(FetchJob& job) {
    const TextValue& url = job.url;
    FetchOptions& options = job.options;
    const int port = url_port(url);
    if (port < 0 || port > 0xFFFF)
        return;
    const auto context = reinterpret_cast<DWORD_PTR>(&job.progress);

    TextValue raw_headers;
    {
        RequestHandles handles;
        handles.internet = open_internet(user_agent(options.headers), options.proxy);
        if (!handles.internet)
            return;
        set_time_limits(handles.internet.get());
        InternetSetStatusCallbackA(handles.internet.get(), report_progress);
        handles.connection = InternetHandle(InternetConnectA(handles.internet.get(), url_host(url).c_str(),
                                                             static_cast<INTERNET_PORT>(port), nullptr, nullptr,
                                                             INTERNET_SERVICE_HTTP, 0, context));
        if (!handles.connection)
            return;
        const DWORD flags = request_flags(url, options.cookies.has_value(), options.no_redirect);
        const char* verb = options.method == 1 ? "POST" : "GET";
        handles.request = InternetHandle(HttpOpenRequestA(handles.connection.get(), verb, url_path(url).c_str(),
                                                          "HTTP/1.1", nullptr, nullptr, flags, context));
        if (!handles.request)
            return;
        // WinINet under wine keeps the send and receive limits only when they are set on the request itself
        set_time_limits(handles.request.get());
        job.request_made = true;

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
        job.body = read_body(handles.request.get(), job.progress);
        raw_headers = query_raw_headers(handles.request.get());
    }

    ResponseHeaderValues values = read_response_headers(raw_headers);
    options.raw_headers = std::move(raw_headers);
    options.location = std::move(values.location);
    options.returned_cookies = std::move(values.returned_cookies);
    if (options.cookies)
        merge_cookies(*options.cookies, options.returned_cookies);
}

// A step may take the whole WinINet limit; the margin lets WinINet end it itself wherever it keeps it.
constexpr std::chrono::milliseconds kStepLimit{kFetchTimeLimitMs + 5000};

} // namespace

ByteArray fetch_page(std::string_view url, FetchOptions& options) {
    auto job = std::make_shared<FetchJob>();
    job->url = TextValue(url);
    job->options = options;
    try {
        std::thread worker([job] {
            perform(*job);
            job->progress.finish();
        });
        if (!job->progress.wait(kStepLimit)) {
            // the thread keeps the job and closes its handles when WinINet lets it go
            worker.detach();
            return {};
        }
        worker.join();
    } catch (const std::system_error&) {
        // no thread to be had: the request runs here, bounded by WinINet's own limits only
        perform(*job);
    }
    if (!job->request_made)
        return {};
    options = std::move(job->options);
    return std::move(job->body);
}

ByteArray fetch_page(std::string_view url) {
    FetchOptions options;
    return fetch_page(url, options);
}

} // namespace pantrove
