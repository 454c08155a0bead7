#!/usr/bin/python3
"""Runs one outside scenario: a private desktop, a copy of a library written
by the project's own tool, the real program started on it, and the scenario
driving it through the X server and reading it back over AT-SPI.

    run_scenario.py NAME --program BIN --library DIR --reports DIR

A failing scenario leaves a screenshot, the program's standard error and the
failure beside each other in its report folder."""

import argparse
import importlib
import os
import shutil
import signal
import subprocess
import sys
import time
import traceback

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
# The source tree stays as it was checked out.
sys.dont_write_bytecode = True

from desktop import Desktop  # noqa: E402


class Program:
    """The program under test, started as its own process on the desktop."""

    def __init__(self, binary, data_root, env, stderr_path):
        self.binary = binary
        self.data_root = data_root
        self.stderr_path = stderr_path
        self.env = dict(env)
        self.env.update({
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY": "1",
            "QTWEBENGINE_CHROMIUM_FLAGS": "--disable-gpu",
            "QT_LOGGING_RULES": "qt.qpa.*=false;qt.accessibility.*=false",
        })
        if os.geteuid() == 0:
            self.env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"
        self.process = None

    def start(self, *extra):
        self._stderr = open(self.stderr_path, "ab")
        self.process = subprocess.Popen([self.binary, "--data-root", self.data_root, *extra],
                                        env=self.env, stdout=self._stderr, stderr=self._stderr,
                                        start_new_session=True)
        return self

    def run_to_end(self, *args, timeout=60):
        """Runs the program (or another of its modes) to its end."""
        with open(self.stderr_path, "ab") as log:
            return subprocess.run([self.binary, *args], env=self.env, stdout=subprocess.PIPE,
                                  stderr=log, timeout=timeout)

    def exit_code(self):
        return self.process.poll() if self.process else None

    def wait(self, timeout=30):
        return self.process.wait(timeout=timeout)

    def stop(self):
        if self.process and self.process.poll() is None:
            try:
                os.killpg(self.process.pid, signal.SIGTERM)
                self.process.wait(timeout=10)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                try:
                    os.killpg(self.process.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
        if getattr(self, "_stderr", None):
            self._stderr.close()
            self._stderr = None


class Context:
    """What a scenario gets: the program, the desktop's input and screen, the
    accessible application and its folders."""

    def __init__(self, args, desktop, work):
        import screen
        self.args = args
        self.desktop = desktop
        self.work = work
        self.library = os.path.join(work, "library")
        self.reports = args.reports
        self.input = screen.Input(desktop.env)
        self.screen = screen.Screen(desktop.env["DISPLAY"])
        self.program = Program(args.program, self.library, desktop.env,
                               os.path.join(args.reports, "program-stderr.txt"))
        self.tool = args.tool
        self.app = None
        self.window = None

    def start_program(self, *extra):
        import screen
        self.program.start(*extra)
        self.app = screen.application("kelvor")
        self.window = screen.window(self.app, "澄溪宸笺")
        # Keys go where the window puts its focus; with no window manager the
        # window takes the keyboard once the pointer rests on it.
        x, y, w, h = screen.extents(self.window)
        self.input.move(x + w // 2, y + 5)
        return self.window

    def close_window(self, timeout=30):
        """Closes the main window as the user does with its close box, and
        returns the program's exit status. Qt drops a close that arrives
        while a message box just answered still holds the window modal; as a
        user clicks the close box again when nothing happened, so does this."""
        import screen
        asked = []
        for _ in range(3):
            asked = screen.close_window(self.desktop.env["DISPLAY"], self.program.process.pid, "澄溪宸笺")
            try:
                return self.program.wait(timeout / 3)
            except subprocess.TimeoutExpired:
                continue
        raise screen.ScenarioFailure(f"the program still runs {timeout} s after its windows {asked} were "
                                     "asked to close three times")

    def stderr(self):
        try:
            with open(self.program.stderr_path, encoding="utf-8", errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return ""


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("scenario")
    parser.add_argument("--program", required=True)
    parser.add_argument("--tool", required=True)
    parser.add_argument("--library", required=True, help="a library to copy for this scenario")
    parser.add_argument("--reports", required=True)
    parser.add_argument("--build", help="the build tree, for a scenario that installs it")
    args = parser.parse_args()

    shutil.rmtree(args.reports, ignore_errors=True)
    os.makedirs(args.reports)
    work = os.path.join(args.reports, "work")
    shutil.copytree(args.library, os.path.join(work, "library"), symlinks=True)

    started = time.monotonic()
    with Desktop(os.path.join(work, "desktop")) as desktop:
        desktop.apply_to_this_process()
        scenario = importlib.import_module("scenarios." + args.scenario)
        context = Context(args, desktop, work)
        try:
            scenario.run(context)
        except BaseException as failure:
            shot = os.path.join(args.reports, "failure.png")
            try:
                context.screen.save(shot)
            except Exception as error:
                shot = f"(no screenshot: {error!r})"
            report = traceback.format_exc()
            with open(os.path.join(args.reports, "failure.txt"), "w", encoding="utf-8") as f:
                f.write(report)
            context.program.stop()
            print(report)
            print(f"screenshot: {shot}")
            print(f"program's standard error ({context.program.stderr_path}):")
            print(context.stderr()[-4000:])
            print(f"{args.scenario}: FAILED after {time.monotonic() - started:.1f} s")
            return 1 if not isinstance(failure, KeyboardInterrupt) else 130
        context.program.stop()
    shutil.rmtree(work, ignore_errors=True)
    print(f"{args.scenario}: passed in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
