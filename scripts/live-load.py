#!/usr/bin/env python3
"""The hall's phones against the live server, on loopback: figures, not a test.

Starts bench's korvane_live_load_host (the tournament and the live server in one event loop, a
result entered at the desk every 10 s) and plays PHONES phones for SECONDS seconds: each opens a
page (overview, a round, a field or a team) with its stylesheet and script, polls the page's JSON
every POLL seconds with the entity tag it has, and now and then opens another page. Prints
requests per second, latency percentiles, failed requests, the host's CPU share and how late its
event loop answered a 10 ms timer during the load.

With --referees N, N referees (one per field) also send their field's current result every
--send-every seconds from the entry page (form and token as a phone sends them) while the desk
stays idle; it prints how long after the server's confirmation the field's page shows the result
(polled every 0.25 s), the refused posts, and whether every confirmed result was stored once.

usage: scripts/live-load.py HOST_BINARY (--example | --largest) [--phones 300] [--seconds 60] [--poll 5]
                            [--referees 20] [--send-every 30]
"""
import argparse
import asyncio
import json
import os
import random
import re
import subprocess
import time
import urllib.parse

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS  # utime + stime


class Phone:
    def __init__(self, port, pages, stats, rng):
        self.port, self.pages, self.stats, self.rng = port, pages, stats, rng
        self.reader = self.writer = None
        self.tags = {}

    async def request(self, path):
        for attempt in range(2):  # a kept-alive connection the server closed is opened again once
            start = time.monotonic()
            try:
                if self.writer is None:
                    self.reader, self.writer = await asyncio.open_connection("127.0.0.1", self.port)
                head = f"GET {path} HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept: */*\r\n"
                if path in self.tags:
                    head += f"If-None-Match: {self.tags[path]}\r\n"
                self.writer.write((head + "\r\n").encode())
                await self.writer.drain()
                status_line = await asyncio.wait_for(self.reader.readline(), 10)
                if not status_line:
                    raise ConnectionError("closed")
                status = int(status_line.split()[1])
                length, tag, close = 0, None, False
                while True:
                    line = (await self.reader.readline()).decode("latin-1").strip()
                    if not line:
                        break
                    name, _, value = line.partition(":")
                    name, value = name.lower(), value.strip()
                    if name == "content-length":
                        length = int(value)
                    elif name == "etag":
                        tag = value
                    elif name == "connection" and value.lower() == "close":
                        close = True
                body = await asyncio.wait_for(self.reader.readexactly(length), 10) if length else b""
                if tag:
                    self.tags[path] = tag
                # As the page's script does: the first poll asks with the state the page shows.
                stand = re.search(rb'data-stand="&quot;([0-9a-f]+)&quot;"', body[:2000]) if status == 200 else None
                if stand:
                    self.tags[self.data_path(path)] = '"' + stand.group(1).decode() + '"'
                if close:
                    self.drop()
                self.stats.record(path, status, time.monotonic() - start, len(body))
                return status
            except (ConnectionError, OSError, asyncio.TimeoutError, asyncio.IncompleteReadError, ValueError,
                    IndexError):
                self.drop()
                if attempt == 1:
                    self.stats.fail(path)
        return None

    def drop(self):
        if self.writer is not None:
            self.writer.close()
        self.reader = self.writer = None

    @staticmethod
    def data_path(page):
        return "/daten" if page == "/" else "/daten" + page

    async def open_page(self):
        page = self.rng.choice(self.pages)
        for path in (page, "/korvane.css", "/korvane.js", "/korvane.svg"):
            await self.request(path)
        return self.data_path(page)

    async def run(self, until, poll):
        await asyncio.sleep(self.rng.uniform(0, poll))
        data = await self.open_page()
        next_page = time.monotonic() + self.rng.uniform(20, 60)
        while time.monotonic() < until:
            await asyncio.sleep(poll)
            if time.monotonic() >= until:
                break
            if time.monotonic() >= next_page:
                data = await self.open_page()
                next_page = time.monotonic() + self.rng.uniform(20, 60)
            else:
                await self.request(data)
        self.drop()


class Stats:
    def __init__(self):
        self.latencies, self.statuses, self.failed, self.bytes = [], {}, 0, 0
        self.by_status = {}
        self.largest = {}

    def record(self, path, status, seconds, size):
        self.latencies.append(seconds)
        self.by_status.setdefault(status, []).append(seconds)
        self.statuses[status] = self.statuses.get(status, 0) + 1
        self.bytes += size
        if status not in (200, 304):
            self.failed += 1
        kind = path.split("/")[1] if path.count("/") > 1 else path
        self.largest[kind] = max(self.largest.get(kind, 0), size)

    def fail(self, path):
        self.failed += 1


class Referee:
    """Sends the current game's result of one field, then polls the field's page until it shows it."""
    VISIBLE_POLL_S = 0.25

    def __init__(self, port, field, code, rng):
        self.port, self.field, self.code, self.rng = port, field, code, rng
        self.visible_s, self.refused, self.failed, self.confirmed = [], {}, 0, []

    async def exchange(self, method, path, body=b"", tag=None):
        reader, writer = await asyncio.open_connection("127.0.0.1", self.port)
        try:
            head = f"{method} {path} HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n"
            if tag:
                head += f"If-None-Match: {tag}\r\n"
            if method == "POST":
                head += f"Content-Type: application/x-www-form-urlencoded\r\nContent-Length: {len(body)}\r\n"
            writer.write((head + "\r\n").encode() + body)
            await writer.drain()
            answer = await asyncio.wait_for(reader.read(), 10)
        finally:
            writer.close()
        head, _, body = answer.partition(b"\r\n\r\n")
        tag = re.search(rb"(?im)^etag: *(.+?)\r?$", head)
        return int(head.split()[1]), body, tag.group(1).decode() if tag else None

    async def send_one(self):
        status, page, _ = await self.exchange("GET", f"/platz/{self.field}/eingabe?code={self.code}")
        form = re.search(rb'<form method="post" class="spiel aktuell".*?</form>', page, re.S)
        if status != 200 or not form:
            return status == 200  # nothing left to play on this field
        value = lambda name: re.search(rf'name="{name}" value="([^"]*)"'.encode(), form.group(0)).group(1).decode()
        when = re.search(rb'<p class="wann">([^ ]+) ', form.group(0)).group(1).decode()
        pairing = re.search(rb'<p class="paarung">(.*?) <span>', form.group(0)).group(1).decode()
        first, second = self.rng.randrange(6), self.rng.randrange(6)
        fields = {n: value(n) for n in ("gruppe", "spiel", "code", "token")}
        fields["tore"] = f"{first}:{second}"
        status, answer, _ = await self.exchange("POST", f"/platz/{self.field}/eingabe",
                                                urllib.parse.urlencode(fields).encode())
        if status != 200 or "Übernommen".encode() not in answer:
            self.refused[status] = self.refused.get(status, 0) + 1
            return True
        confirmed = time.monotonic()
        self.confirmed.append((fields["gruppe"], fields["spiel"]))
        data, tag, shown = f"/daten/platz/{self.field}", None, f"{first} : {second}"
        while time.monotonic() - confirmed < 10:
            status, body, new_tag = await self.exchange("GET", data, tag=tag)
            if status == 200:
                tag = new_tag
                rows = [row["z"] for block in json.loads(body)["abschnitte"] for b in block["b"]
                        for row in b.get("z", [])]
                if any(len(r) > 2 and r[0]["t"] == when and r[1]["t"].startswith(html_unescape(pairing))
                       and r[2]["t"] == shown for r in rows):
                    self.visible_s.append(time.monotonic() - confirmed)
                    return True
            await asyncio.sleep(self.VISIBLE_POLL_S)
        self.failed += 1
        return True

    async def run(self, until, every):
        await asyncio.sleep(self.rng.uniform(0, every))
        while time.monotonic() < until:
            started = time.monotonic()
            try:
                if not await self.send_one():
                    self.failed += 1
            except (ConnectionError, OSError, asyncio.TimeoutError, ValueError, IndexError, AttributeError):
                self.failed += 1
            await asyncio.sleep(max(0.0, every - (time.monotonic() - started)))


def html_unescape(text):
    return text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", '"').replace("&amp;", "&")


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(share * len(ordered)))] if ordered else 0


async def play(port, pages, phones, seconds, poll, referees, every):
    stats = Stats()
    until = time.monotonic() + seconds
    rng = random.Random(21)
    await asyncio.gather(*(Phone(port, pages, stats, random.Random(rng.random())).run(until, poll)
                           for _ in range(phones)),
                         *(referee.run(until, every) for referee in referees))
    return stats


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("host")
    parser.add_argument("--largest", action="store_true")
    parser.add_argument("--example", action="store_true")
    parser.add_argument("--phones", type=int, default=300)
    parser.add_argument("--seconds", type=int, default=60)
    parser.add_argument("--poll", type=float, default=5.0)
    parser.add_argument("--referees", type=int, default=0)
    parser.add_argument("--send-every", type=float, default=30.0)
    options = parser.parse_args()
    command = [options.host, "--largest" if options.largest else "--example"]
    if options.referees:
        command += ["--referees", "--result-every", "0"]
    host = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    routes = json.loads(host.stdout.readline())
    in_play = routes["round_in_play"]
    pages = (["/"] * 4 + [f"/runde/{in_play}"] * 8 + [f"/runde/{r}" for r in range(1, routes["rounds"] + 1)]
             + [f"/platz/{f}" for f in range(1, min(routes["fields"], 10) + 1)] + routes["teams"][:40])
    rng = random.Random(22)
    referees = [Referee(routes["port"], field, routes["codes"][str(field)], random.Random(rng.random()))
                for field in range(1, min(options.referees, routes["fields"]) + 1)]
    cpu_before, wall_before = cpu_seconds(host.pid), time.monotonic()
    stats = asyncio.run(play(routes["port"], pages, options.phones, options.seconds, options.poll,
                             referees, options.send_every))
    cpu = cpu_seconds(host.pid) - cpu_before
    wall = time.monotonic() - wall_before
    host.stdin.close()
    figures = json.loads(host.stdout.readline())
    host.wait()
    count = len(stats.latencies)
    print(json.dumps({
        "tournament": "largest" if options.largest else "example",
        "results_before": routes["results"], "setup_ms": routes["setup_ms"],
        "phones": options.phones, "seconds": round(wall, 1), "poll_s": options.poll,
        "requests": count, "requests_per_s": round(count / wall, 1),
        "statuses": stats.statuses, "failed": stats.failed,
        "latency_ms": {p: round(percentile(stats.latencies, s) * 1000, 2)
                       for p, s in (("p50", 0.5), ("p95", 0.95), ("p99", 0.99))},
        "latency_max_ms": round(max(stats.latencies, default=0) * 1000, 2),
        "latency_ms_by_status": {status: {p: round(percentile(values, s) * 1000, 2)
                                          for p, s in (("p50", 0.5), ("p95", 0.95), ("p99", 0.99))}
                                 for status, values in stats.by_status.items()},
        "megabytes_sent": round(stats.bytes / 1e6, 1),
        "largest_answer_bytes": stats.largest,
        "host_cpu_share": round(cpu / wall, 3),
        "host": figures,
        **(referee_figures(referees, routes, figures) if referees else {}),
    }, indent=1))


def referee_figures(referees, routes, figures):
    visible = [s for referee in referees for s in referee.visible_s]
    confirmed = [game for referee in referees for game in referee.confirmed]
    refused = {}
    for referee in referees:
        for status, count in referee.refused.items():
            refused[status] = refused.get(status, 0) + count
    return {"referees": {
        "count": len(referees), "results_confirmed": len(confirmed),
        "confirmed_twice": len(confirmed) - len(set(confirmed)),
        "stored_by_host": figures["referee_results_stored"],
        "lost": len(confirmed) - figures["referee_results_stored"],
        "results_after_minus_before": figures["results"] - routes["results"],
        "refused_posts": refused, "failed": sum(referee.failed for referee in referees),
        "visible_after_confirm_ms": {p: round(percentile(visible, s) * 1000, 1)
                                     for p, s in (("p50", 0.5), ("p95", 0.95), ("max", 1.0))}}}


if __name__ == "__main__":
    main()
