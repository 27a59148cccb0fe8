"""A bounded hostile run against the entry pages of `korvane-cli serve --results` on loopback:
a few thousand wrong codes from many addresses, forged and replayed tokens, another field's code,
scores the syntax refuses, oversized and malformed posts and results by GET. No result enters the
file, every answer is a refusal, the server stays up and the read-only pages keep answering fast.
usage: live_referee_hostile.py KORVANE_CLI TOURNAMENT_FILE
"""
import http.client
import random
import re
import sys
import threading
import time
import urllib.parse

from live_process import ServedFile, report

WRONG_CODES = 2000
MALFORMED_POSTS = 1500
SOURCE_ADDRESSES = 40  # 127.0.0.x: each gets its own count of wrong codes
THREADS = 8
SLOW_ANSWER_S = 1.0


def request(port, method, path, body=b"", source="127.0.0.1", headers=None):
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=10, source_address=(source, 0))
    try:
        connection.request(method, path, body=body, headers=headers or {
            "Content-Type": "application/x-www-form-urlencoded"})
        reply = connection.getresponse()
        return reply.status, reply.read()
    except (ConnectionError, http.client.HTTPException):
        return 0, b""
    finally:
        connection.close()


def form_of(page):
    text = page.decode("utf-8")
    value = lambda name: re.search(f'name="{name}" value="([^"]*)"', text).group(1)
    return {name: value(name) for name in ("gruppe", "spiel", "code", "token")}


def encoded(form):
    return urllib.parse.urlencode(form).encode()


def main():
    cli, tournament = sys.argv[1], sys.argv[2]
    failures = []
    random.seed(22)
    served = ServedFile(cli, tournament, results=True)
    try:
        before = served.file_hash()
        port = served.port
        status, page = request(port, "GET", f"/platz/1/eingabe?code={served.codes[1]}")
        form = form_of(page)
        other_field = form_of(request(port, "GET", f"/platz/2/eingabe?code={served.codes[2]}")[1])
        answers = {}
        lock = threading.Lock()

        def count(status):
            with lock:
                answers[status] = answers.get(status, 0) + 1

        def wrong_codes(index):
            for source in range(2 + index, 2 + SOURCE_ADDRESSES, THREADS):
                for attempt in range(WRONG_CODES // SOURCE_ADDRESSES):
                    code = f"{random.randrange(1_000_000):06d}"
                    if code != served.codes[1]:
                        body = encoded({**form, "code": code, "tore": "9:0"})
                        count(request(port, "POST", "/platz/1/eingabe", body, f"127.0.0.{source}")[0])

        malformed = [
            encoded({**form, "tore": "drei zu eins"}), encoded({**form, "tore": "0"}),
            encoded({**form, "tore": "9"}), encoded({**form, "saetze": "25:20"}),
            encoded({**form, "token": form["token"][:-2] + "AA", "tore": "9:0"}),
            encoded({**form, "token": "", "tore": "9:0"}), encoded({**form, "gruppe": "999", "tore": "9:0"}),
            encoded({**form, "spiel": "-1", "tore": "9:0"}), encoded({**other_field, "tore": "9:0"}),
            encoded({**form, "code": served.codes[2], "tore": "9:0"}),
            encoded({**form, "tore": "9:0", "saetze": "25:1 25:1"}), encoded({**form, "tore": "9" * 5000}),
            b"gruppe=%ff%fe&spiel=1&code=1&token=1&tore=1:0", b"&&&===&&", b"\x00" * 300, b"",
        ]
        def malformed_posts():
            for attempt in range(MALFORMED_POSTS):
                body = random.choice(malformed)
                headers = random.choice([{"Content-Type": "application/x-www-form-urlencoded"},
                                         {"Content-Type": "text/plain"}, {}])
                count(request(port, "POST", "/platz/1/eingabe", body, "127.0.0.100", headers)[0])
            for path in (f"/platz/1/eingabe?code={served.codes[1]}&gruppe={form['gruppe']}&spiel="
                         f"{form['spiel']}&token={form['token']}&tore=9:0", "/platz/1/eingabe?tore=9:0"):
                if request(port, "GET", path, source="127.0.0.100")[0] not in (200, 429):
                    count("GET")

        threads = [threading.Thread(target=wrong_codes, args=(i,)) for i in range(THREADS)]
        threads.append(threading.Thread(target=malformed_posts))
        started = time.monotonic()
        for thread in threads:
            thread.start()
        slowest = 0.0
        while any(thread.is_alive() for thread in threads):
            asked = time.monotonic()
            status, _ = request(port, "GET", "/daten/runde/1")
            slowest = max(slowest, time.monotonic() - asked)
            if status != 200:
                failures.append(f"die Seite der Runde antwortet mit {status}")
                break
            time.sleep(0.1)
        for thread in threads:
            thread.join()
        took = time.monotonic() - started
        print(f"{sum(answers.values())} hostile requests in {took:.1f} s: {dict(sorted(answers.items(), key=str))}; "
              f"slowest read-only answer meanwhile {slowest * 1000:.0f} ms")

        if answers.get(200, 0) or answers.get("GET", 0):
            failures.append(f"angenommen oder nicht verstanden: {answers}")
        if served.file_hash() != before:
            failures.append("die Turnierdatei hat sich geändert")
        if slowest > SLOW_ANSWER_S:
            failures.append(f"eine Seite brauchte {slowest:.1f} s")
        if not served.running():
            failures.append("der Server läuft nicht mehr")
        # The right code still works from an address that never sent a wrong one.
        status, page = request(port, "GET", f"/platz/1/eingabe?code={served.codes[1]}", source="127.0.0.200")
        fresh = form_of(page)
        status, _ = request(port, "POST", "/platz/1/eingabe", encoded({**fresh, "tore": "3:1"}), "127.0.0.200")
        if status != 200 or served.file_hash() == before:
            failures.append(f"das richtige Ergebnis danach: {status}")
    finally:
        served.stop()
    return report(failures)


if __name__ == "__main__":
    sys.exit(main())
