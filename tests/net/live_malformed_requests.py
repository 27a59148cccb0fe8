"""A bounded run of malformed requests against `korvane-cli serve` on loopback.

Every answer is a refusal (4xx, 501) or the connection closes; the server never crashes, never
sends a file from disk, and the tournament is the same afterwards.
usage: live_malformed_requests.py KORVANE_CLI TOURNAMENT_FILE
"""
import random
import socket
import sys
import time

from live_process import ServedFile

TIME_LIMIT_S = 50
FUZZ_REQUESTS = 2500
DISK_MARKERS = (b"root:", b"cmake_minimum_required", b"[boot loader]", b"Korvaneaufstellung")

BROKEN_LINES = [
    b"\r\n\r\n", b"GET\r\n\r\n", b"GET /\r\n\r\n", b"GET / HTTP/1.1 extra\r\n\r\n",
    b"GET  /  HTTP/1.1\r\n\r\n", b"\x00\x01\x02\x03\r\n\r\n", b"GET / HTTP/9.9\r\n\r\n",
    b"GET / HTTX/1.1\r\n\r\n", b"GET / HTTP/1\r\n\r\n", b"     \r\n\r\n", b"GET / HTTP/1.1",
    b"GET /" + b"a" * 20000 + b" HTTP/1.1\r\n\r\n", b"\xff\xfe\xfd / HTTP/1.1\r\n\r\n",
    b"PRI * HTTP/2.0\r\n\r\nSM\r\n\r\n", b"GET / HTTP/1.1\r\nHost: x\r\n",
    b"GET / HTTP/1.1\nHost: x\n\n", b"GET\t/\tHTTP/1.1\r\n\r\n",
]
HUGE_HEADERS = [
    b"GET / HTTP/1.1\r\nHost: x\r\nX-A: " + b"a" * 9000 + b"\r\n\r\n",
    b"GET / HTTP/1.1\r\n" + b"".join(b"X-%d: %d\r\n" % (i, i) for i in range(2000)) + b"\r\n",
    b"GET / HTTP/1.1\r\nHost: x\r\nCookie: " + b"c" * 1_000_000 + b"\r\n\r\n",
    b"GET / HTTP/1.1\r\nHost: " + b"h" * 100_000,
]
WRONG_METHODS = [
    method + b" " + path + b" HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\n\r\n"
    for method in (b"POST", b"PUT", b"DELETE", b"PATCH", b"OPTIONS", b"TRACE", b"CONNECT",
                   b"BREW", b"get", b"G ET", b"PROPFIND")
    for path in (b"/", b"/runde/1", b"/daten", b"/korvane.js", b"/nirgends")
]
PATH_TRICKS = [
    b"/..%2f..%2f..%2fetc%2fpasswd", b"/%2e%2e/%2e%2e/etc/passwd", b"/runde/../../etc/passwd",
    b"/../../../../etc/passwd", b"/./runde/1", b"//runde//1", b"/runde/1%00", b"/korvane.css%00.html",
    b"/mannschaft/..%2F..%2FCMakeLists.txt", b"/..\\..\\windows\\win.ini", b"/runde/%2e%2e",
    b"http://anderswo/runde/1", b"/korvane.css/../../../etc/passwd", b"/daten/../../etc/passwd",
    b"/%252e%252e/%252e%252e/etc/passwd", b"/mannschaft/" + b"%41" * 3000, b"/runde/99999999999",
    b"/platz/-1", b"/runde/1?x=../../etc/passwd", b"/runde/1#fragment", b"*",
]
BAD_UTF8 = [
    b"/mannschaft/%ff", b"/mannschaft/%c0%af", b"/mannschaft/%ed%a0%80", b"/mannschaft/\xff\xfe",
    b"/mannschaft/\xc0\xaf", b"/runde/%ff", b"/%f8%88%80%80%80", b"/daten/mannschaft/%e2%28%a1",
]
BODIES = [
    b"GET / HTTP/1.1\r\nContent-Length: -1\r\n\r\n",
    b"GET / HTTP/1.1\r\nContent-Length: abc\r\n\r\n",
    b"POST / HTTP/1.1\r\nContent-Length: 99999999999999999999\r\n\r\n",
    b"POST / HTTP/1.1\r\nContent-Length: 5000\r\n\r\n" + b"x" * 5000,
    b"POST / HTTP/1.1\r\nContent-Length: 3\r\nContent-Length: 900000\r\n\r\nabc",
    b"POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nhello\r\n",
    b"POST / HTTP/1.1\r\nContent-Length: 10\r\n\r\nabc",
    b"GET / HTTP/1.1\r\nExpect: 100-continue\r\nContent-Length: 4000\r\n\r\n",
    b"GET / HTTP/1.1\r\nHeader ohne Doppelpunkt\r\n\r\n",
    b"GET / HTTP/1.1\r\nX: a\x00b\r\n\r\n",
    b"GET / HTTP/1.1\r\nX: a\r\n folded\r\n\r\n",
]
VALID = [
    b"GET /runde/1 HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept: text/html\r\n\r\n",
    b"GET /daten/platz/1 HTTP/1.1\r\nHost: 127.0.0.1\r\nIf-None-Match: \"abc\"\r\n\r\n",
    b"HEAD /mannschaft/TSV%20%C3%9Cberau HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n",
]


def exchange(port, data, timeout=5.0):
    """Sends `data`, ends the sending side, reads until the server closes; '' when it closed."""
    with socket.create_connection(("127.0.0.1", port), timeout=timeout) as connection:
        try:
            connection.sendall(data)
            connection.shutdown(socket.SHUT_WR)
        except OSError:
            pass  # refused while sending: the answer may still be there
        answer = b""
        try:
            while True:
                chunk = connection.recv(65536)
                if not chunk:
                    break
                answer += chunk
        except ConnectionResetError:
            pass
        return answer


def statuses(answer):
    """The status codes of all answers in `answer`."""
    codes = []
    for line in answer.split(b"\r\n"):
        if line.startswith(b"HTTP/1.1 "):
            codes.append(int(line.split(b" ")[1]))
    return codes


def mutate(rng, request):
    data = bytearray(request)
    for _ in range(rng.randint(1, 6)):
        choice = rng.random()
        position = rng.randrange(len(data)) if data else 0
        if choice < 0.4 and data:
            data[position] = rng.randrange(256)
        elif choice < 0.7:
            data[position:position] = bytes(rng.randrange(256) for _ in range(rng.randint(1, 40)))
        elif data:
            del data[position:position + rng.randint(1, 20)]
    return bytes(data)


def main():
    cli, tournament = sys.argv[1], sys.argv[2]
    served = ServedFile(cli, tournament)
    failures = []
    sent = 0
    try:
        before_hash = served.file_hash()
        _, headers, _ = served.get("/daten")
        before_tag = headers["ETag"]
        start = time.monotonic()

        def check(request, allowed_ok):
            nonlocal sent
            sent += 1
            answer = exchange(served.port, request)
            codes = statuses(answer)
            if answer and not codes:
                failures.append(("no HTTP answer", request[:80], answer[:80]))
            for code in codes:
                ok = 200 <= code < 400
                if ok and not allowed_ok:
                    failures.append(("accepted", request[:80], code))
                if not ok and not (400 <= code < 500 or code in (501, 503)):
                    failures.append(("status", request[:80], code))
            if answer and b"X-Content-Type-Options: nosniff" not in answer:
                failures.append(("no nosniff", request[:80], answer[:80]))
            if any(marker in answer for marker in DISK_MARKERS):
                failures.append(("file from disk", request[:80], answer[:200]))
            if not served.running():
                raise RuntimeError("the server ended after " + repr(request[:80]))

        def alive():
            status, _, _ = served.get("/daten")
            if status != 200:
                failures.append(("not alive", b"", status))

        # Only GET may ever be answered (lenient parsing of a GET is no harm); no huge head is.
        for request in BROKEN_LINES + WRONG_METHODS + BODIES:
            check(request, allowed_ok=request.startswith(b"GET"))
        for request in HUGE_HEADERS:
            check(request, allowed_ok=False)
        alive()
        for path in PATH_TRICKS + BAD_UTF8:
            request = b"GET " + path + b" HTTP/1.1\r\nHost: x\r\n\r\n"
            # Tricks that name a real page after normalising may be answered with that page.
            check(request, allowed_ok=path in (b"/runde/1?x=../../etc/passwd", b"/runde/1#fragment",
                                               b"http://anderswo/runde/1", b"/./runde/1"))
        alive()
        rng = random.Random(21)
        for index in range(FUZZ_REQUESTS):
            if time.monotonic() - start > TIME_LIMIT_S:
                break
            check(mutate(rng, rng.choice(VALID)), allowed_ok=True)
            if index % 250 == 0:
                alive()
        alive()
        _, headers, _ = served.get("/daten")
        if headers["ETag"] != before_tag:
            failures.append(("tournament changed", b"/daten", headers["ETag"]))
        if served.file_hash() != before_hash:
            failures.append(("file changed", b"", b""))
        if not served.running():
            failures.append(("server ended", b"", b""))
    finally:
        served.stop()
    for failure in failures[:20]:
        print("FAIL", failure)
    print(f"{sent} malformed requests in {time.monotonic() - start:.1f} s")
    print(f"{1 if not failures else 0} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
