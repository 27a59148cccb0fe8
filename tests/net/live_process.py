"""Starts `korvane-cli serve` on a copy of a tournament file, on a free loopback port."""
import hashlib
import os
import shutil
import subprocess
import tempfile
import time
import urllib.request


class ServedFile:
    def __init__(self, cli, tournament, results=False):
        self.cli = cli
        self.folder = tempfile.TemporaryDirectory(prefix="korvane-live-")
        self.path = os.path.join(self.folder.name, "turnier.auf")
        shutil.copyfile(tournament, self.path)
        self.codes_path = os.path.join(self.folder.name, "codes.txt")
        extra = ["--results", "--codes", self.codes_path] if results else []
        self.process = subprocess.Popen(
            [cli, "serve", self.path, "--port", "0"] + extra,
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        self.url = self.process.stdout.readline().strip()
        if not self.url.startswith("http://127.0.0.1:"):
            self.stop()
            raise RuntimeError("korvane-cli serve did not start: " + self.process.stderr.read())
        self.port = int(self.url.rsplit(":", 1)[1].strip("/"))
        self.codes = {}
        if results:
            wait_until(lambda: os.path.exists(self.codes_path), 10)
            with open(self.codes_path, encoding="utf-8") as file:
                for line in file:  # "Platz 3: 123456"
                    field, code = line.split(":")
                    self.codes[int(field.split()[1])] = code.strip()

    def entry_url(self, field, code=None):
        return f"{self.url}platz/{field}/eingabe?code={code or self.codes[field]}"

    def get(self, path, timeout=10):
        with urllib.request.urlopen(self.url + path.lstrip("/"), timeout=timeout) as reply:
            return reply.status, dict(reply.headers), reply.read()

    def file_hash(self):
        with open(self.path, "rb") as file:
            return hashlib.sha256(file.read()).hexdigest()

    def enter_result(self, group, game, goals):
        subprocess.run([self.cli, "result", self.path, str(group), str(game), "--goals", goals],
                       check=True, capture_output=True, timeout=60)

    def running(self):
        return self.process.poll() is None

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.folder.cleanup()


def wait_until(condition, seconds, step=0.05):
    """Polls `condition` until it is true; the seconds it took, or None after `seconds`."""
    start = time.monotonic()
    while time.monotonic() - start < seconds:
        if condition():
            return time.monotonic() - start
        time.sleep(step)
    return None


def report(failures):
    """Prints the failures and the summary line; the exit code."""
    for failure in failures:
        print("FAIL", failure)
    print(f"{1 if not failures else 0} passed, {1 if failures else 0} failed")
    return 1 if failures else 0
