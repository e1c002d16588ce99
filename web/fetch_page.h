// One HTTP or HTTPS request through WinINet: the caller's header lines completed with the defaults, the
// whole body read, and the response's raw headers, redirect target and cookies handed back.
#pragma once

#include "text/text_types.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace pantrove {

// The caller's side of one request. Fields marked in/out are read and then overwritten; out fields are only
// written, and only when a request could be made.
struct FetchOptions {
    // 1 sends "POST", anything else "GET"; any value but 0 sends a body.
    int method = 0;
    // The body as text, used when post_bytes is empty.
    TextValue post_text;
    // in/out. Supplying it switches WinINet's own cookie store off: these cookies are sent, and afterwards
    // the variable holds them merged with the ones the server set (merge_cookies).
    std::optional<TextValue> cookies;
    // out. The cookies set by this response, name=value items joined by "; ".
    TextValue returned_cookies;
    // in/out. Extra request header lines separated by CR LF, without a final CR LF; the default lines are
    // appended to it.
    TextValue headers;
    // out. The value of the last "Location:" line, or the whole raw header text when there is none.
    TextValue location;
    bool no_redirect = false;
    // in/out. The body as bytes; filled from post_text when it is empty and a body is sent.
    ByteArray post_bytes;
    // Supplying it sends the request through the HTTP proxy at "host:port".
    std::optional<TextValue> proxy;
    // out. The raw response headers as WinINet reports them, lines separated by CR LF.
    TextValue raw_headers;
};

// WinINet's limit for connecting, sending and each receive, so that a silent server cannot hold the caller.
// The request runs on a thread of its own; where WinINet does not keep a limit, the call still returns the
// empty array once one step (resolving, connecting, sending, waiting for the answer, one read) has taken
// 5 s longer than this, and leaves that thread to finish by itself.
inline constexpr unsigned kFetchTimeLimitMs = 15000;
// The body is read up to this size; what was read so far is returned.
inline constexpr std::size_t kFetchBodyCap = 32 * 1024 * 1024;

// Returns the response body; the empty array when no request could be made or a step outlasted the limits
// (the options then keep their values). A failed send or read is not reported: the body is what arrived
// before it.
ByteArray fetch_page(std::string_view url, FetchOptions& options);

// A GET with the default headers, WinINet's own cookie store and redirects followed.
ByteArray fetch_page(std::string_view url);

} // namespace pantrove
