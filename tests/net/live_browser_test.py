"""A phone's browser (Chromium, 390 x 844) on the round page of `korvane-cli serve`: it reads the
table, a result is entered with `korvane-cli result` into the served file, and the page shows it
within 5 s without being loaded again. Exits 77 (skipped) only when Chromium cannot start.
usage: live_browser_test.py KORVANE_CLI TOURNAMENT_FILE
"""
import shutil
import sys
import tempfile
import time

from live_process import ServedFile, report, wait_until

SKIPPED = 77
VISIBLE_WITHIN_S = 5.0


def start_browser(profile):
    try:
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
    except ImportError as error:
        print("SKIP: python3-selenium fehlt:", error)
        sys.exit(SKIPPED)
    options = webdriver.ChromeOptions()
    binary = shutil.which("chromium") or "/usr/bin/chromium"
    options.binary_location = binary
    for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update", "--disable-sync",
                     "--disable-dev-shm-usage", "--window-size=390,844", "--user-data-dir=" + profile):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    try:
        driver = webdriver.Chrome(service=Service(shutil.which("chromedriver") or "/usr/bin/chromedriver"),
                                  options=options)
    except Exception as error:  # no browser, no driver, no way to start it here
        print("SKIP: Chromium startet nicht:", str(error).splitlines()[0] if str(error) else error)
        sys.exit(SKIPPED)
    driver.set_window_size(390, 844)
    return driver


def group_a(driver):
    """The rows of Gruppe A's table and of its games, as texts."""
    return driver.execute_script("""
        const blocks = [...document.querySelectorAll('main .block')]
            .filter(b => b.querySelector('h3') && b.querySelector('h3').textContent === 'Gruppe A');
        const rows = b => [...b.querySelectorAll('tbody tr')].map(r => [...r.cells].map(c => c.textContent));
        return {table: rows(blocks[0]), games: rows(blocks[blocks.length - 1])};
    """)


def main():
    cli, tournament = sys.argv[1], sys.argv[2]
    failures = []
    served = ServedFile(cli, tournament)
    profile = tempfile.TemporaryDirectory(prefix="korvane-chromium-")
    driver = None
    try:
        driver = start_browser(profile.name)
        driver.get(served.url + "runde/1")
        before = group_a(driver)
        if len(before["table"]) != 5:
            failures.append(f"Gruppe A hat {len(before['table'])} Tabellenzeilen statt 5")
        width = driver.execute_script("return [window.innerWidth, document.documentElement.scrollWidth]")
        if width[1] > width[0]:
            failures.append(f"die Seite ist breiter als das Handy: {width}")
        # The games stand in game order; the first one without a result gets one.
        open_games = [index for index, row in enumerate(before["games"]) if row[1] == "–"]
        if not open_games:
            raise RuntimeError("Gruppe A has no open game")
        game = open_games[0] + 1
        played = {before["table"][i][1]: before["table"][i][2] for i in range(len(before["table"]))}
        driver.execute_script("window.korvaneMarker = 21;")

        served.enter_result(1, game, "3:1")
        entered = time.monotonic()
        shown = wait_until(lambda: group_a(driver)["games"][game - 1][1] == "3 : 1", 10)
        if shown is None:
            failures.append("das Ergebnis erscheint nicht")
        else:
            print(f"result visible {time.monotonic() - entered:.2f} s after korvane-cli result returned")
            if time.monotonic() - entered > VISIBLE_WITHIN_S + 0.5:
                failures.append(f"das Ergebnis erscheint erst nach {shown:.1f} s")
        if driver.execute_script("return window.korvaneMarker") != 21:
            failures.append("die Seite wurde neu geladen")
        after = group_a(driver)
        changed = [row[1] for row in after["table"] if played.get(row[1]) != row[2]]
        if len(changed) != 2:
            failures.append(f"in der Tabelle haben {changed} ein Spiel mehr, erwartet zwei Mannschaften")
        live = driver.find_element("id", "live").text
        if not live.startswith("Live: Stand"):
            failures.append("Anzeige unten: " + live)
        violations = [entry["message"] for entry in driver.get_log("browser")
                      if "Content Security Policy" in entry["message"] or entry["level"] == "SEVERE"]
        failures.extend("Konsole: " + message for message in violations)
    finally:
        if driver is not None:
            driver.quit()
        served.stop()
        profile.cleanup()
    return report(failures)


if __name__ == "__main__":
    sys.exit(main())
