#!/usr/bin/env python3
"""Fake web services on 127.0.0.1 for the tests (Python 3 standard library only).

    fake_services.py --start DIR   start a server in the background; its port goes to DIR/port, its PID to
                                   DIR/pid, its output to DIR/server.log
    fake_services.py --stop DIR    stop the server started with DIR
    fake_services.py --serve DIR   run in the foreground

The server picks a free port itself, so several builds can run their tests at once. Every request is logged
byte for byte as it arrived. A path may start with a session prefix, /s/<id>/echo: the rest is routed as
/echo and the request is logged under session <id>, so tests running at the same time keep their logs apart
(GET /__log?session=<id>, POST /__reset?session=<id>; without a prefix the session is the empty one).
A request line with an absolute URL ("GET http://host/path HTTP/1.1", as sent to a proxy) is served as if
it came directly and is logged as it arrived.

The program's own services (/sharelinks, /version.html, /count1/count.asp) answer what a test set for its
session with POST /__answer?session=<id>&path=<path> (the body is the answer).

To add a service, write a function that takes a Request and returns a Response (or None after answering on
request.connection itself) and register it with @route("/its/path").
"""

import os
import select
import signal
import socket
import socketserver
import subprocess
import sys
import threading
import time
from dataclasses import dataclass, field
from urllib.parse import parse_qsl, urlsplit

MAX_LINE = 1 << 20
MAX_HEADER_LINES = 500
MAX_LOGGED_BODY = 1 << 20
CONNECTION_TIME_LIMIT = 120
TLS_HANDSHAKE = 0x16


@dataclass
class Request:
    """One request. raw holds its bytes as they arrived; header_lines the lines without CR LF; path the
    address without session prefix and query; query the (name, value) pairs in order, bytes kept as Latin-1
    characters. A service registered with read_body False reads the body itself from reader, if at all."""

    raw: bytes
    request_line: bytes
    header_lines: list
    session: str
    method: str
    path: str
    query: list
    connection: socket.socket
    reader: object
    body: bytes = b""

    def header(self, name):
        for line in self.header_lines:
            key, _, value = line.partition(b":")
            if key.strip().lower() == name.lower().encode():
                return value.strip().decode("latin-1")
        return None

    def arg(self, name, default=None):
        for key, value in self.query:
            if key == name:
                return value
        return default

    def session_path(self, path):
        """A path of this request's session: "echo" becomes "/s/<id>/echo"."""
        prefix = f"/s/{self.session}/" if self.session else "/"
        return path if path.startswith("/") or "://" in path else prefix + path


@dataclass
class Response:
    """An answer; Content-Length and "Connection: close" are added when it is sent."""

    status: int = 200
    headers: list = field(default_factory=list)
    body: bytes = b""
    reason: str = "OK"


ROUTES = {}


def route(path, read_body=True):
    """Registers a service; with read_body False the handler gets the request before its body is read."""

    def register(handler):
        ROUTES[path] = (handler, read_body)
        return handler

    return register


class RequestLog:
    def __init__(self):
        self._lock = threading.Lock()
        self._sessions = {}

    def add(self, session, raw):
        with self._lock:
            self._sessions.setdefault(session, []).append(raw)

    def records(self, session):
        with self._lock:
            return list(self._sessions.get(session, []))

    def reset(self, session):
        with self._lock:
            self._sessions.pop(session, None)


LOG = RequestLog()


class Answers:
    """What the program's own services answer, set by the tests per session and path."""

    def __init__(self):
        self._lock = threading.Lock()
        self._answers = {}

    def set(self, session, path, body):
        with self._lock:
            self._answers[(session, path)] = body

    def get(self, session, path):
        with self._lock:
            return self._answers.get((session, path))


ANSWERS = Answers()


class StalledListener:
    """A listener with a backlog of one, filled by its own connection and never accepted: the kernel drops
    every further connection attempt, as a host that does not answer would."""

    def __init__(self):
        self._listener = socket.socket()
        self._listener.bind(("127.0.0.1", 0))
        self._listener.listen(0)
        self.port = self._listener.getsockname()[1]
        self._filler = socket.create_connection(("127.0.0.1", self.port))


STALLED = None


# ---- services -------------------------------------------------------------------------------------------


@route("/echo")
def echo(request):
    """Answers with the request exactly as it arrived: request line, header lines, blank line, body."""
    return Response(headers=[("Content-Type", "application/octet-stream")], body=request.raw)


@route("/headers")
def headers(request):
    """Answers with one header line per query item, in order (?Set-Cookie=a%3D1&Location=/x); the item
    "status" sets the status code instead."""
    response = Response(body=b"headers")
    for key, value in request.query:
        if key == "status":
            response.status = int(value)
            response.reason = "Found" if response.status == 302 else "OK"
        else:
            response.headers.append((key, value))
    return response


@route("/redirect")
def redirect(request):
    """A 302 to ?to= (default "echo"), a path of the same session unless it starts with "/" or a scheme."""
    target = request.session_path(request.arg("to", "echo"))
    return Response(302, [("Location", target)], b"moved", "Found")


@route("/big-headers")
def big_headers(request):
    """?lines= header lines "X-Big-<n>: bbb..." of ?bytes= letters each."""
    size = int(request.arg("bytes", "0"))
    lines = int(request.arg("lines", "1"))
    return Response(headers=[(f"X-Big-{n}", "b" * size) for n in range(1, lines + 1)], body=b"big")


@route("/stream")
def stream(request):
    """A body of ?bytes= bytes (the letters a..z over and over), sent in pieces; stops when the client goes."""
    size = int(request.arg("bytes", "0"))
    head = f"HTTP/1.1 200 OK\r\nContent-Length: {size}\r\nConnection: close\r\n\r\n".encode()
    piece = bytes(ord("a") + i % 26 for i in range(1 << 16))
    try:
        request.connection.sendall(head)
        sent = 0
        while sent < size:
            chunk = piece[: min(len(piece), size - sent)]
            request.connection.sendall(chunk)
            sent += len(chunk)
    except OSError:
        pass
    return None


@route("/silent", read_body=False)
def silent(request):
    """Reads the request head and never answers; a body is not read either, so a large one fills the
    connection. Holds the connection until the client closes it."""
    poller = select.poll()
    poller.register(request.connection, select.POLLRDHUP | select.POLLHUP | select.POLLERR)
    poller.poll(CONNECTION_TIME_LIMIT * 1000)
    return None


@route("/__log")
def read_log(request):
    """The session's requests, each as its length in decimal, a line feed and the bytes as they arrived."""
    body = b"".join(b"%d\n" % len(raw) + raw for raw in LOG.records(request.arg("session", "")))
    return Response(headers=[("Content-Type", "application/octet-stream")], body=body)


@route("/__stalled-port")
def stalled_port(request):
    """The port of a listener whose backlog is full and which never accepts: a connect there never ends."""
    return Response(body=str(STALLED.port).encode())


@route("/__answer")
def set_answer(request):
    """POST /__answer?session=<id>&path=/sharelinks: the request body becomes what that service answers."""
    ANSWERS.set(request.arg("session", ""), request.arg("path", ""), request.body)
    return Response(body=b"set")


def program_service(request):
    """The program's own services (link resolver, version page, hit counter) answer what the test set."""
    body = ANSWERS.get(request.session, request.path)
    if body is None:
        return Response(404, body=b"no answer set", reason="Not Found")
    return Response(headers=[("Content-Type", "text/html; charset=utf-8")], body=body)


for _path in ("/sharelinks", "/version.html", "/count1/count.asp"):
    ROUTES[_path] = (program_service, True)


@route("/__reset")
def reset_log(request):
    LOG.reset(request.arg("session", ""))
    return Response(body=b"reset")


# ---- the server -----------------------------------------------------------------------------------------


def split_session(path):
    if path.startswith("/s/"):
        session, slash, rest = path[3:].partition("/")
        return session, slash + rest
    return "", path


class Handler(socketserver.StreamRequestHandler):
    def handle(self):
        self.connection.settimeout(CONNECTION_TIME_LIMIT)
        try:
            self.serve_one()
        except (OSError, ValueError):
            pass

    def serve_one(self):
        first = self.rfile.peek(1)[:1]
        if not first:
            return
        if first[0] == TLS_HANDSHAKE:
            # a TLS client hello: logged as it came, there is nothing to answer
            LOG.add("", self.rfile.read1(1 << 16))
            return
        request_line = self.rfile.readline(MAX_LINE)
        header_lines = []
        while len(header_lines) < MAX_HEADER_LINES:
            line = self.rfile.readline(MAX_LINE)
            if line in (b"\r\n", b"\n", b""):
                break
            header_lines.append(line.rstrip(b"\r\n"))
        head = request_line + b"".join(line + b"\r\n" for line in header_lines) + b"\r\n"

        parts = request_line.decode("latin-1").split()
        method, target = (parts + ["", ""])[:2]
        url = urlsplit(target)
        session, path = split_session(url.path)
        request = Request(
            raw=head,
            request_line=request_line.rstrip(b"\r\n"),
            header_lines=header_lines,
            session=session,
            method=method,
            path=path,
            query=parse_qsl(url.query, keep_blank_values=True, encoding="latin-1"),
            connection=self.connection,
            reader=self.rfile,
        )
        handler, read_body = ROUTES.get(path, (None, True))
        if read_body:
            length = int(request.header("Content-Length") or 0)
            request.body = self.rfile.read(length) if length > 0 else b""
            request.raw = head + request.body
        if not path.startswith("/__"):
            LOG.add(session, request.raw[: len(head) + MAX_LOGGED_BODY])

        response = handler(request) if handler else Response(404, body=b"no such service", reason="Not Found")
        if response is not None:
            self.send(response)

    def send(self, response):
        lines = [f"HTTP/1.1 {response.status} {response.reason}"]
        lines += [f"{name}: {value}" for name, value in response.headers]
        lines += [f"Content-Length: {len(response.body)}", "Connection: close", "", ""]
        self.connection.sendall("\r\n".join(lines).encode("latin-1") + response.body)


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True
    request_queue_size = 64


def serve(directory):
    global STALLED
    STALLED = StalledListener()
    port_file = os.path.join(directory, "port")
    with Server(("127.0.0.1", 0), Handler) as server:
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
        temporary = port_file + ".new"
        with open(temporary, "w") as out:
            out.write(f"{server.server_address[1]}\n")
        os.replace(temporary, port_file)
        print(f"serving on 127.0.0.1:{server.server_address[1]}", flush=True)
        try:
            server.serve_forever()
        finally:
            if os.path.exists(port_file):
                os.remove(port_file)


def running_server(pid_file):
    """The PID of the server recorded in pid_file, when that process is still this script."""
    try:
        pid = int(open(pid_file).read())
        with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
            return pid if os.path.basename(__file__).encode() in cmdline.read() else None
    except (OSError, ValueError):
        return None


def stop(directory):
    pid_file = os.path.join(directory, "pid")
    pid = running_server(pid_file)
    if pid:
        os.kill(pid, signal.SIGTERM)
        for _ in range(50):
            if running_server(pid_file) is None:
                break
            time.sleep(0.1)
    for name in ("pid", "port"):
        path = os.path.join(directory, name)
        if os.path.exists(path):
            os.remove(path)


def start(directory):
    os.makedirs(directory, exist_ok=True)
    stop(directory)
    with open(os.path.join(directory, "server.log"), "w") as log:
        # its own session and no inherited pipe: CTest waits for every holder of its output pipe
        process = subprocess.Popen(
            [sys.executable, os.path.abspath(__file__), "--serve", directory],
            stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
    with open(os.path.join(directory, "pid"), "w") as out:
        out.write(f"{process.pid}\n")
    port_file = os.path.join(directory, "port")
    for _ in range(100):
        if os.path.exists(port_file):
            print(f"fake services on 127.0.0.1:{open(port_file).read().strip()}")
            return 0
        if process.poll() is not None:
            break
        time.sleep(0.1)
    print("fake services did not start; see " + os.path.join(directory, "server.log"), file=sys.stderr)
    return 1


def main(argv):
    if len(argv) != 3 or argv[1] not in ("--start", "--stop", "--serve"):
        print(__doc__, file=sys.stderr)
        return 2
    directory = os.path.abspath(argv[2])
    if argv[1] == "--start":
        return start(directory)
    if argv[1] == "--stop":
        stop(directory)
        return 0
    serve(directory)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
