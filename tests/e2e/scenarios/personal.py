"""The user's own data, as a user keeps it: a favourite added under a name
typed into the input box, a learning note saved (its message answered), the
window closed with its close box, and both found again after a restart."""

import os

import pyatspi

import screen
from kelvorwindow import KelvorWindow
from screen import ScenarioFailure, wait_until

FOLDER = "内存管理与智能指针"
# The demo library keeps a favourite of unique_ptr already.
RECORD = "C++ shared_ptr 与 weak_ptr：引用计数和循环引用"
FAVOURITE = "my shared_ptr notes"


def open_record(ctx):
    w = KelvorWindow(ctx)
    w.open_page("中心", "技术中心")
    w.open_in_tree("C++ 程序设计", FOLDER, RECORD)
    return w


def run(ctx):
    ctx.start_program()
    w = open_record(ctx)

    w.click("收藏", pyatspi.ROLE_PUSH_BUTTON)
    w.click("添加新收藏", pyatspi.ROLE_PUSH_BUTTON)
    box = screen.dialog(ctx.app)
    if box.name != "澄溪宸笺":
        raise ScenarioFailure(f"the input box is titled {box.name!r}")
    ctx.input.key("ctrl+a")
    ctx.input.type(FAVOURITE)
    ctx.input.key("Return")
    wait_until("the input box to close", lambda: screen.no_dialog(ctx.app), timeout=10)
    w.wait_for_rows("收藏列表", lambda rows: FAVOURITE in rows, "the favourite in the list")

    w.click("心得", pyatspi.ROLE_PUSH_BUTTON)
    # The note's title is the record's own, shown read-only.
    w.type_into("心得内容", "shared_ptr counts, weak_ptr watches")
    w.click("添加开发心得", pyatspi.ROLE_PUSH_BUTTON)
    w.answer_message("已添加成功!!")

    status = ctx.close_window()
    if status != 0:
        raise ScenarioFailure(f"the program ended with {status} when its window was closed")
    if not os.path.isfile(os.path.join(ctx.library, "kelvor", "coolsys.ini")):
        raise ScenarioFailure("closing the window wrote no kelvor/coolsys.ini")
    # Every close says why, so that a window that closed unasked can be traced.
    if "the main window closes: the window system asked" not in ctx.stderr():
        raise ScenarioFailure("the close was not logged with its reason")

    ctx.start_program()
    w = open_record(ctx)
    w.click("收藏", pyatspi.ROLE_PUSH_BUTTON)
    w.wait_for_rows("收藏列表", lambda rows: FAVOURITE in rows, "the favourite kept across the restart")
    w.click("心得", pyatspi.ROLE_PUSH_BUTTON)
    # The records with notes, in the drop-down list as the user opens it; the
    # record picked there shows its note.
    notes = w.click("查看心得")
    ctx.input.key("alt+Down")
    entry = wait_until("the record's note listed after the restart",
                       lambda: next((c for c in screen.walk(notes, into_rows=True) if c.name == RECORD), None))
    ctx.input.click_on(entry)
    content = w.control("心得内容")
    wait_until("the note's text after the restart", lambda: "weak_ptr watches" in screen.text_of(content))
    w.assert_no_message()
