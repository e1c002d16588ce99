#include "tests/windows/fake_services.h"

#include <winsock2.h>
#include <windows.h>
#include <ws2tcpip.h>

#include <atomic>
#include <fstream>

namespace pantrove::test {
namespace {

class Winsock {
public:
    Winsock() { ok_ = WSAStartup(MAKEWORD(2, 2), &data_) == 0; }
    ~Winsock() {
        if (ok_)
            WSACleanup();
    }
    Winsock(const Winsock&) = delete;
    Winsock& operator=(const Winsock&) = delete;
    bool ok() const { return ok_; }

private:
    WSADATA data_{};
    bool ok_ = false;
};

class Socket {
public:
    Socket() : socket_(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)) {}
    ~Socket() {
        if (socket_ != INVALID_SOCKET)
            closesocket(socket_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    SOCKET get() const { return socket_; }

private:
    SOCKET socket_;
};

bool send_all(SOCKET socket, std::string_view bytes) {
    while (!bytes.empty()) {
        const int sent = send(socket, bytes.data(), static_cast<int>(bytes.size()), 0);
        if (sent <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(sent));
    }
    return true;
}

std::string receive_all(SOCKET socket) {
    std::string received;
    char buffer[4096];
    for (int got; (got = recv(socket, buffer, sizeof buffer, 0)) > 0;)
        received.append(buffer, static_cast<size_t>(got));
    return received;
}

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

int fake_services_port() {
    std::ifstream file(PANTROVE_FAKE_SERVICES_PORT_FILE);
    int port = 0;
    file >> port;
    return port;
}

LoggedRequest parse_request(std::string_view raw) {
    LoggedRequest request;
    const size_t head_end = raw.find("\r\n\r\n");
    const std::string_view head = raw.substr(0, head_end);
    if (head_end != std::string_view::npos)
        request.body = std::string(raw.substr(head_end + 4));
    size_t begin = 0;
    for (bool first = true; begin <= head.size(); first = false) {
        size_t end = head.find("\r\n", begin);
        if (end == std::string_view::npos)
            end = head.size();
        const std::string line(head.substr(begin, end - begin));
        if (first)
            request.request_line = line;
        else
            request.header_lines.push_back(line);
        begin = end + 2;
    }
    return request;
}

int unused_port() {
    const Winsock winsock;
    const Socket socket;
    sockaddr_in address = loopback(0);
    int length = sizeof address;
    if (!winsock.ok() || bind(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(socket.get(), reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 0;
    return ntohs(address.sin_port);
}

namespace {

std::string plain_request(std::string_view method, std::string_view path, std::string_view body) {
    const Winsock winsock;
    const Socket socket;
    if (!winsock.ok() || socket.get() == INVALID_SOCKET)
        return {};
    const sockaddr_in address = loopback(fake_services_port());
    if (connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return {};
    const std::string head = std::string(method) + " " + std::string(path) +
                             " HTTP/1.0\r\nHost: 127.0.0.1\r\nContent-Length: " + std::to_string(body.size()) +
                             "\r\n\r\n";
    if (!send_all(socket.get(), head + std::string(body)))
        return {};
    const std::string response = receive_all(socket.get());
    const size_t head_end = response.find("\r\n\r\n");
    return head_end == std::string::npos ? std::string() : response.substr(head_end + 4);
}

} // namespace

std::string plain_get(std::string_view path) {
    return plain_request("GET", path, {});
}

void FakeSession::set_answer(std::string_view path, std::string_view body) const {
    plain_request("POST", "/__answer?session=" + id_ + "&path=" + std::string(path), body);
}

std::string FakeSession::host() const {
    return "127.0.0.1:" + std::to_string(fake_services_port()) + "/s/" + id_;
}

FakeSession::FakeSession() {
    static std::atomic<int> count{0};
    id_ =
        std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64()) + "-" + std::to_string(++count);
}

std::string FakeSession::url(std::string_view service) const {
    return "http://127.0.0.1:" + std::to_string(fake_services_port()) + path(service);
}

std::string FakeSession::path(std::string_view service) const {
    return "/s/" + id_ + "/" + std::string(service);
}

std::vector<LoggedRequest> read_log(std::string_view session) {
    // each record: its length in decimal, a line feed, the bytes as they arrived
    const std::string records = plain_get("/__log?session=" + std::string(session));
    std::vector<LoggedRequest> requests;
    for (size_t pos = 0; pos < records.size();) {
        const size_t newline = records.find('\n', pos);
        if (newline == std::string::npos)
            break;
        const size_t length = std::stoul(records.substr(pos, newline - pos));
        requests.push_back(parse_request(std::string_view(records).substr(newline + 1, length)));
        pos = newline + 1 + length;
    }
    return requests;
}

} // namespace pantrove::test
