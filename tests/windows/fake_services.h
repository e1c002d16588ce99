// Access to the fake web services that the test run starts on 127.0.0.1 (tests/servers/fake_services.py):
// their port, addresses within a session of one's own, and the session's request log. The log is read over
// a plain socket, so it does not depend on the request code under test.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pantrove::test {

// The port the server wrote to its port file; 0 when the file cannot be read.
int fake_services_port();

// A request exactly as it arrived at the server.
struct LoggedRequest {
    std::string request_line;
    std::vector<std::string> header_lines;
    std::string body;
};

// Splits raw request bytes into request line, header lines and body.
LoggedRequest parse_request(std::string_view raw);

// The requests logged under a session ("" for those without a session prefix), in order of arrival.
std::vector<LoggedRequest> read_log(std::string_view session);

// A port of 127.0.0.1 on which nothing listens (it was bound a moment ago and closed again).
int unused_port();

// The body of a plain HTTP/1.0 GET of `path` to the server; empty when it cannot be had.
std::string plain_get(std::string_view path);

// A session of its own on the server, so that tests running at the same time keep their requests apart.
class FakeSession {
public:
    FakeSession();

    const std::string& id() const { return id_; }
    // The session's address of a service, e.g. url("echo") gives http://127.0.0.1:<port>/s/<id>/echo.
    std::string url(std::string_view service) const;
    // The path part of url(service).
    std::string path(std::string_view service) const;
    // Sets what one of the program's services (path "/sharelinks", "/version.html" or "/count1/count.asp")
    // answers within this session.
    void set_answer(std::string_view path, std::string_view body) const;
    // What the program takes for a service host so that its requests land in this session:
    // "127.0.0.1:<port>/s/<id>".
    std::string host() const;
    // Every request of the session so far, in order of arrival.
    std::vector<LoggedRequest> log() const { return read_log(id_); }

private:
    std::string id_;
};

} // namespace pantrove::test
