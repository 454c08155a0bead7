"""The authoring tool on a desktop: with a display and Qt's xcb platform, as
on a user's desktop, `kelvor-library import LIB SRC --title NAME` names the
folder NAME (the platform's own -title option must not take it), and the
window shows the folder under that name."""

import os
import subprocess

from kelvorwindow import KelvorWindow
from screen import ScenarioFailure

TITLE = "我的文档"


def run(ctx):
    source = os.path.join(ctx.work, "src")
    os.makedirs(source)
    for name, heading in (("index.html", "Start"), ("guide.html", "Guide")):
        with open(os.path.join(source, name), "w", encoding="utf-8") as page:
            page.write(f"<html><head><title>{heading}</title></head><body><h1>{heading}</h1>"
                       f"<p>A page of the {heading.lower()}.</p></body></html>")
    env = dict(ctx.desktop.env, QT_QPA_PLATFORM="xcb")
    done = subprocess.run([ctx.tool, "import", ctx.library, source, "--title", TITLE], env=env,
                          capture_output=True, text=True, timeout=120)
    if done.returncode != 0:
        raise ScenarioFailure(f"the import ended with {done.returncode}: {done.stderr[-2000:]}")

    ctx.start_program()
    w = KelvorWindow(ctx)
    w.open_page("中心", "技术中心")
    w.tree_row(TITLE, timeout=10)
