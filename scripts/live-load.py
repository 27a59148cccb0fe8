#!/usr/bin/env python3
"""The hall's phones against the live server, on loopback: figures, not a test.

Starts bench's korvane_live_load_host (the tournament and the live server in one event loop, a
result entered at the desk every 10 s) and plays PHONES phones for SECONDS seconds: each opens a
page (overview, a round, a field or a team) with its stylesheet and script, polls the page's JSON
every POLL seconds with the entity tag it has, and now and then opens another page. Prints
requests per second, latency percentiles, failed requests, the host's CPU share and how late its
event loop answered a 10 ms timer during the load.

usage: scripts/live-load.py HOST_BINARY (--example | --largest) [--phones 300] [--seconds 60] [--poll 5]
"""
import argparse
import asyncio
import json
import os
import random
import re
import subprocess
import time

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


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(share * len(ordered)))] if ordered else 0


async def play(port, pages, phones, seconds, poll):
    stats = Stats()
    until = time.monotonic() + seconds
    rng = random.Random(21)
    await asyncio.gather(*(Phone(port, pages, stats, random.Random(rng.random())).run(until, poll)
                           for _ in range(phones)))
    return stats


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("host")
    parser.add_argument("--largest", action="store_true")
    parser.add_argument("--example", action="store_true")
    parser.add_argument("--phones", type=int, default=300)
    parser.add_argument("--seconds", type=int, default=60)
    parser.add_argument("--poll", type=float, default=5.0)
    options = parser.parse_args()
    host = subprocess.Popen([options.host, "--largest" if options.largest else "--example"],
                            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    routes = json.loads(host.stdout.readline())
    in_play = routes["round_in_play"]
    pages = (["/"] * 4 + [f"/runde/{in_play}"] * 8 + [f"/runde/{r}" for r in range(1, routes["rounds"] + 1)]
             + [f"/platz/{f}" for f in range(1, min(routes["fields"], 10) + 1)] + routes["teams"][:40])
    cpu_before, wall_before = cpu_seconds(host.pid), time.monotonic()
    stats = asyncio.run(play(routes["port"], pages, options.phones, options.seconds, options.poll))
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
    }, indent=1))


if __name__ == "__main__":
    main()
