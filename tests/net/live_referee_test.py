"""A referee's phone (Chromium, 390 x 844) opens the QR link of field 1 served by
`korvane-cli serve --results`, types "3:1" for the current game, sees it in words and sends it;
the server takes it (there is no desk to confirm) and writes the file, and the onlookers' round
page in a second window shows the new result within 5 s. A wrong entry is answered on the page
before anything is sent. Exits 77 (skipped) only when Chromium cannot start.
usage: live_referee_test.py KORVANE_CLI TOURNAMENT_FILE
"""
import sys
import tempfile
import time

from live_browser_test import VISIBLE_WITHIN_S, start_browser
from live_process import ServedFile, report, wait_until

GAMES_OF_GROUP = """
    const blocks = [...document.querySelectorAll('main .block')]
        .filter(b => b.querySelector('h3') && b.querySelector('h3').textContent === arguments[0]);
    if (!blocks.length) return [];
    return [...blocks[blocks.length - 1].querySelectorAll('tbody tr')]
        .map(r => [...r.cells].map(c => c.textContent));
"""


def current_game(driver):
    form = driver.find_element("css selector", "form.spiel.aktuell")
    value = lambda name: form.find_element("name", name).get_attribute("value")
    group_title = form.find_element("css selector", ".wann").text.split(" · ")[1]
    return form, int(value("gruppe")), int(value("spiel")), group_title, form.get_attribute("data-a")


def main():
    cli, tournament = sys.argv[1], sys.argv[2]
    failures = []
    served = ServedFile(cli, tournament, results=True)
    profile = tempfile.TemporaryDirectory(prefix="korvane-chromium-")
    driver = None
    try:
        driver = start_browser(profile.name)
        phone = driver.current_window_handle
        driver.get(served.entry_url(1))
        form, group, game, group_title, team_a = current_game(driver)

        driver.switch_to.new_window("window")
        onlookers = driver.current_window_handle
        driver.get(served.url + "runde/1")
        if not driver.execute_script(GAMES_OF_GROUP, group_title):
            raise RuntimeError(group_title + " is not on the page of round 1")
        driver.execute_script("window.korvaneMarker = 22;")

        driver.switch_to.window(phone)
        field = form.find_element("name", "tore")
        field.send_keys("drei zu eins")
        form.find_element("css selector", "button").click()
        preview = form.find_element("css selector", ".vorschau")
        if "fehler" not in preview.get_attribute("class") or "Fehlerhafte Eingabe" not in preview.text:
            failures.append("eine falsche Eingabe wird so beantwortet: " + preview.text)
        if driver.find_elements("css selector", "#meldung"):
            failures.append("eine falsche Eingabe wurde gesendet")
        before = served.file_hash()

        form, *_ = current_game(driver)
        field = form.find_element("name", "tore")
        field.clear()
        field.send_keys("3:1")
        preview = form.find_element("css selector", ".vorschau").text
        if f"{team_a} gewinnt 3:1" not in preview:
            failures.append("vor dem Senden steht da: " + preview)
        form.find_element("css selector", "button").click()
        sent = time.monotonic()
        notice = driver.find_element("css selector", "#meldung").text
        if not notice.startswith("Übernommen: ") or "3:1" not in notice:
            failures.append("nach dem Senden steht da: " + notice)
        if wait_until(lambda: served.file_hash() != before, 5) is None:
            failures.append("die Datei wurde nicht gespeichert")

        driver.switch_to.window(onlookers)
        shown = wait_until(lambda: driver.execute_script(GAMES_OF_GROUP, group_title)[game - 1][1] == "3 : 1", 10)
        if shown is None:
            failures.append("die Zuschauer sehen das Ergebnis nicht")
        else:
            print(f"result visible to onlookers {time.monotonic() - sent:.2f} s after it was sent")
            if time.monotonic() - sent > VISIBLE_WITHIN_S + 0.5:
                failures.append(f"die Zuschauer sehen es erst nach {time.monotonic() - sent:.1f} s")
        if driver.execute_script("return window.korvaneMarker") != 22:
            failures.append("die Zuschauerseite wurde neu geladen")
        driver.switch_to.window(phone)
        width = driver.execute_script("return [window.innerWidth, document.documentElement.scrollWidth]")
        if width[1] > width[0]:
            failures.append(f"die Eingabeseite ist breiter als das Handy: {width}")
        violations = [entry["message"] for entry in driver.get_log("browser")
                      if "Content Security Policy" in entry["message"] or entry["level"] == "SEVERE"]
        failures.extend("Konsole: " + message for message in violations)
        if not served.running():
            failures.append("der Server läuft nicht mehr")
    finally:
        if driver is not None:
            driver.quit()
        served.stop()
        profile.cleanup()
    return report(failures)


if __name__ == "__main__":
    sys.exit(main())
