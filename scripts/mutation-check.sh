#!/usr/bin/python3
"""Applies small deliberate faults to the core one at a time and tells whether the core tests catch them.

Every fault is an exact replacement on one source line; a search text that is not found exactly
once stops the run, so the list stays honest as the code changes. Each fault is built in its own
build folder (build/mutation: the dev settings without the GUI and the benchmarks), so only the
changed file is compiled again; the verdict is that of the core test program (korvane_core_tests,
every test but the few slow ones named in LEFT_OUT). The file is restored after each fault, also
on Ctrl+C.

    scripts/mutation-check.sh [--only ID[,ID...]] [--list]

Prints one line per fault: id, file, description, caught/missed (or "no-build" when the fault does
not compile, which counts as neither).
"""

import argparse
import os
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BUILD = ROOT / "build" / "mutation"
TEST_TIMEOUT_S = 900
SHARDS = 2
# The verdict is that of every core test but these: some hand the output to LibreOffice (tens of
# seconds each; they check how an office program shows what other tests pin byte by byte) and two
# kill a process at random moments to check crash safety, which no fault here touches.
LEFT_OUT = [
    "OfficeLayout.*",
    "RecoveryCopyTest.AKilledProgramAlwaysLeavesACompleteCopyOfItsLastState",
    "CliExport.AKilledExportLeavesTheOldFileOrTheWholeNewOne",
]

# id, file under src/, search text, replacement, what the fault does
FAULTS = [
    # model: file format, encodings, defaults
    ("M01", "model/Windows1252.cpp", "if (value >= 0x80 && value <= 0x9F)",
     "if (value >= 0x80 && value < 0x9F)", "byte 0x9F read as a control character"),
    ("M03", "model/TournamentFileWriter.cpp", 'joined += QStringLiteral("\\r\\n");',
     'joined += QStringLiteral("\\n");', ".auf lines end in LF without CR"),
    ("M04", "model/TournamentFileWriter.cpp",
     "if (FitsWindows1252(joined) && !singleByte.startsWith(ByteOrderMark))",
     "if (FitsWindows1252(joined))", "single-byte file may begin like a UTF-8 one"),
    ("M06", "model/TournamentFileLines.cpp", "line.chop(1);", "line.chop(0);",
     "CR kept at the end of every read line"),
    ("M08", "model/TournamentState.cpp", "state.TeamsInGroup[1] = 4;", "state.TeamsInGroup[1] = 5;",
     "wrong default team count of a new tournament"),
    ("M09", "model/ReferralDump.cpp", "text += \"\\r\\n\";", "text += \"\\n\";",
     "referral dump lines without CR"),
    # structure
    ("S01", "structure/TimeText.cpp", "return minutes < 10 ? QStringLiteral(\"0:0%1\")",
     "return minutes < 9 ? QStringLiteral(\"0:0%1\")", "time text of 9 minutes malformed"),
    # S03 and S05 change no behaviour (the blank removed lies in a run of blanks; the block
    # sizes step by two from four, so an odd count gives the same blocks): "missed" is expected.
    ("S03", "structure/TimeText.cpp", "line.remove(6, 1);", "line.remove(7, 1);",
     "pause line padding removed at the wrong place"),
    ("S04", "structure/PairingTable.cpp", "return (groupSize - 2) * (groupSize - 1) * groupSize / 3;",
     "return (groupSize - 2) * (groupSize - 1) * groupSize / 3 + 1;", "pairing block starts one late"),
    ("S05", "structure/PairingTable.cpp",
     "const int blockTeams = leagueTeamCount % 2 == 0 ? leagueTeamCount : leagueTeamCount + 1;",
     "const int blockTeams = leagueTeamCount;", "league block of an odd team count"),
    ("S06", "structure/Referrals.cpp", "if (RoundOfGroup(state, group) <= RoundOfGroup(state, sourceGroup)) {",
     "if (RoundOfGroup(state, group) < RoundOfGroup(state, sourceGroup)) {",
     "referral within the same round allowed"),
    ("S07", "structure/Groups.cpp", "if (result.Group >= inserted)", "if (result.Group > inserted)",
     "results of the inserted group's place not moved"),
    # allocation
    ("A01", "allocation/Referees.cpp",
     "if (choice == 0 || refereeCount[std::size_t(choice)] > refereeCount[std::size_t(candidate)])",
     "if (choice == 0 || refereeCount[std::size_t(choice)] >= refereeCount[std::size_t(candidate)])",
     "referee tie-break takes the later team"),
    ("A02", "allocation/Penalty.cpp", "if (m_failed || length < 2)", "if (m_failed || length < 3)",
     "two games in a row not penalised"),
    ("A03", "allocation/TimePlan.cpp", "if (start + duration <= now)", "if (start + duration < now)",
     "pause ending at the slot start still inserted"),
    ("A06", "allocation/Allocation.cpp",
     "state.FieldsInRound[std::size_t(round)] > state.GroupsInRound[std::size_t(round)];",
     "state.FieldsInRound[std::size_t(round)] >= state.GroupsInRound[std::size_t(round)];",
     "search runs on rounds with as many fields as groups"),
    # results
    ("R01", "results/Standings.cpp", "if (values[std::size_t(ranked[j])] > values[std::size_t(ranked[i])])",
     "if (values[std::size_t(ranked[j])] < values[std::size_t(ranked[i])])", "standings sorted upside down"),
    ("R02", "results/Standings.cpp", "values.GoalDifference = stats.GoalsFor - stats.GoalsAgainst;",
     "values.GoalDifference = 0;", "goal difference tie-break dropped"),
    ("R03", "results/Standings.cpp", "if (outcome == Outcome::SecondBetter)",
     "if (outcome == Outcome::FirstBetter)", "head-to-head swaps the winner down"),
    ("R04", "results/Standings.cpp", "3 * stats.Won + stats.Drawn : 2 * stats.Won - 2 * stats.Lost;",
     "3 * stats.Won : 2 * stats.Won - 2 * stats.Lost;", "no point for a draw in the three-point system"),
    ("R08", "results/ScoreSyntax.cpp", "if (second < first)", "if (second <= first)",
     "a level set counted as won"),
    ("R09", "results/ScoreSyntax.cpp", "reading.GoalsSecond = saturatingAdd(reading.GoalsSecond, second);",
     "reading.GoalsSecond = saturatingAdd(reading.GoalsSecond, first);", "set points of the wrong side"),
    ("R10", "results/ResultTable.cpp", "(result.Group == group && result.Game >= game))",
     "(result.Group == group && result.Game > game))", "result inserted behind its own game"),
    # output
    ("O01", "output/GridExport.cpp", "quoted.replace(u'\"', QStringLiteral(\"\\\"\\\"\"));", ";",
     "quotes in a CSV field not doubled"),
    ("O02", "output/GridExport.cpp", 'QStringLiteral("=+-@\\t\\r").contains(text.front())',
     'QStringLiteral("=+-\\t\\r").contains(text.front())', "cell starting with @ not guarded"),
    ("O04", "output/HtmlTable.cpp", '(text.isEmpty() ? QStringLiteral(" ") : text.toHtmlEscaped())',
     '(text.isEmpty() ? QStringLiteral(" ") : text)', "HTML cell text not escaped"),
    ("O06", "output/RtfWriter.cpp", "if (unit == '\\\\' || unit == '{' || unit == '}') {",
     "if (unit == '{' || unit == '}') {", "backslash not escaped in RTF"),
    ("O08", "output/Certificate.cpp", "return cellText.mid(bracket + (directCompare ? 2 : 1));",
     "return cellText.mid(bracket + (directCompare ? 1 : 0));", "certificate name keeps the place bracket"),
    # league
    ("L02", "league/LeaguePlan.cpp", "if (bye > 0)", "if (bye > 1)", "bye of team 1 not shown"),
    ("L03", "league/LeaguePlan.cpp", "const int away = homeFirst ? pairing.second : pairing.first;",
     "const int away = pairing.second;", "second half keeps the sides"),
    # names
    ("N01", "names/NamePool.cpp", "return QString::compare(left, right, Qt::CaseInsensitive) < 0;",
     "return QString::compare(left, right, Qt::CaseSensitive) < 0;", "name pool sorts by case"),
    ("N03", "names/NamePool.cpp", "if (equal >= 0) {", "if (equal > 0) {",
     "duplicate of the first pool name added"),
    # live
    ("V01", "live/WebPageFormat.cpp", 'out += QLatin1String("&amp;");', 'out += QLatin1String("&");',
     "ampersand not escaped in web pages"),
    ("V02", "live/WebPageFormat.cpp", "} else if (byte < 0x20 || byte == '<' || byte == '>' || byte == '&') {",
     "} else if (byte < 0x20 || byte == '>' || byte == '&') {", "< not escaped in JSON strings"),
    ("V03", "live/LiveData.cpp", "if (games > 0 && stored == games)", "if (games > 0 && stored >= games - 1)",
     "round closed one result early"),
    ("V05", "net/WrongCodeLimit.cpp", "if (int(record.WrongAt.size()) < MaxWrongCodes)",
     "if (int(record.WrongAt.size()) <= MaxWrongCodes)", "one wrong code more before the wait"),
]


def run(command, **kwargs):
    return subprocess.run(command, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, **kwargs)


def configure():
    if (BUILD / "build.ninja").exists():
        return
    result = run(["cmake", "-S", ".", "-B", str(BUILD), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                  "-DKORVANE_WITH_GUI=OFF", "-DKORVANE_WITH_BENCH=OFF"])
    if result.returncode != 0:
        sys.exit("configure failed:\n" + result.stdout)


def build():
    return run(["cmake", "--build", str(BUILD), "-j2", "--target", "korvane_core_tests"]).returncode == 0


def tests_pass():
    """Runs the core tests in two shards side by side; the fault is caught when either fails."""
    binary = BUILD / "bin" / "korvane_core_tests"
    shards = []
    for index in range(SHARDS):
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", GTEST_TOTAL_SHARDS=str(SHARDS),
                   GTEST_SHARD_INDEX=str(index))
        shards.append(subprocess.Popen([str(binary), "--gtest_brief=1", "--gtest_fail_fast",
                                        "--gtest_filter=-" + ":".join(LEFT_OUT)],
                                       cwd=BUILD / "tests", env=env, stdout=subprocess.PIPE,
                                       stderr=subprocess.STDOUT, text=True, start_new_session=True))
    passed, first = True, ""
    for shard in shards:
        try:
            out, _ = shard.communicate(timeout=TEST_TIMEOUT_S)
        except subprocess.TimeoutExpired:
            os.killpg(shard.pid, signal.SIGKILL)
            out, _ = shard.communicate()
            passed, first = False, first or "timeout"
            continue
        if shard.returncode != 0:
            passed = False
            failed = [line.split("]", 1)[1].strip().split(" ")[0] for line in out.splitlines()
                      if line.startswith("[  FAILED  ]")]
            first = first or (failed[0] if failed else f"exit {shard.returncode}")
    return passed, first


def check_faults(faults):
    problems = []
    for fault_id, file, search, _, _ in faults:
        count = (ROOT / "src" / file).read_text(encoding="utf-8").count(search)
        if count != 1:
            problems.append(f"{fault_id}: {file}: search text found {count} times: {search}")
    if problems:
        sys.exit("\n".join(problems))


class Restorer:
    """Puts the original text back on every way out."""

    def __init__(self):
        self.path = None
        self.text = None

    def apply(self, path, search, replacement):
        self.path, self.text = path, path.read_text(encoding="utf-8")
        path.write_text(self.text.replace(search, replacement, 1), encoding="utf-8")

    def restore(self):
        if self.path is not None:
            self.path.write_text(self.text, encoding="utf-8")
            self.path = None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--only", help="comma-separated fault ids")
    parser.add_argument("--list", action="store_true", help="list the faults and stop")
    args = parser.parse_args()
    faults = FAULTS
    if args.only:
        wanted = set(args.only.split(","))
        faults = [fault for fault in FAULTS if fault[0] in wanted]
    check_faults(faults)
    if args.list:
        for fault_id, file, _, _, description in faults:
            print(f"{fault_id}  {file:34} {description}")
        return 0

    restorer = Restorer()

    def interrupted(signum, _frame):
        restorer.restore()
        build()
        sys.exit(128 + signum)

    signal.signal(signal.SIGINT, interrupted)
    signal.signal(signal.SIGTERM, interrupted)

    configure()
    started = time.monotonic()
    if not build():
        sys.exit("the unchanged tree does not build in " + str(BUILD))
    passed, first = tests_pass()
    if not passed:
        sys.exit(f"the unchanged tree fails its core tests ({first})")
    print(f"baseline: {time.monotonic() - started:.0f} s", flush=True)

    missed = 0
    try:
        for fault_id, file, search, replacement, description in faults:
            fault_started = time.monotonic()
            restorer.apply(ROOT / "src" / file, search, replacement)
            if not build():
                verdict, detail = "no-build", ""
            else:
                passed, detail = tests_pass()
                verdict = "missed" if passed else "caught"
            restorer.restore()
            missed += verdict == "missed"
            seconds = time.monotonic() - fault_started
            print(f"{fault_id}  {file:34} {description:52} {verdict:8} {seconds:4.0f} s  {detail}", flush=True)
    finally:
        restorer.restore()
        build()
    print(f"{len(faults)} faults, {missed} missed, {time.monotonic() - started:.0f} s in all")
    return 0


if __name__ == "__main__":
    sys.exit(main())
