"""The installed program, as a user meets it after `cmake --install`: it opens
the library it is given, a second copy started beside it ends at once and
leaves the first alone, and its close box ends it cleanly, its settings
written."""

import os
import subprocess

import screen
from kelvorwindow import KelvorWindow
from screen import ScenarioFailure, wait_until


def run(ctx):
    if not ctx.args.build:
        raise ScenarioFailure("the installed-program scenario needs --build")
    prefix = os.path.join(ctx.work, "prefix")
    subprocess.run(["cmake", "--install", ctx.args.build, "--prefix", prefix], check=True, capture_output=True)
    ctx.program.binary = os.path.join(prefix, "bin", "kelvor")

    ctx.start_program()
    w = KelvorWindow(ctx)
    w.open_page("中心", "技术中心")

    second = ctx.program.run_to_end("--data-root", ctx.library, timeout=60)
    if second.returncode != 0:
        raise ScenarioFailure(f"a second copy ended with {second.returncode}")
    if ctx.program.exit_code() is not None:
        raise ScenarioFailure("the first copy ended when a second one was started")
    wait_until("the first window still on show", lambda: screen.is_showing(w.frame), timeout=5)

    status = ctx.close_window()
    if status != 0:
        raise ScenarioFailure(f"the installed program ended with {status} when its window was closed")
    settings = os.path.join(ctx.library, "kelvor", "coolsys.ini")
    if not os.path.isfile(settings):
        raise ScenarioFailure("closing the window wrote no kelvor/coolsys.ini")
