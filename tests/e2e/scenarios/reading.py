"""Reading, as a user reads: records opened from the catalogue tree with the
mouse, the page read back through the accessibility interface, the
document shortcuts (Alt+Left, Alt+Right) pressed where the focus is, a
reference label followed, the page's own Ctrl+C, and the source paragraphs
shown apart with the side panel's button."""

import pyatspi

import screen
from kelvorwindow import KelvorWindow
from screen import ScenarioFailure, wait_until

GUIDE = "C++ 程序设计：学习路线与内容导读"
UNIQUE = "C++ 智能指针 unique_ptr 的用法"
SHARED = "C++ shared_ptr 与 weak_ptr：引用计数和循环引用"


def run(ctx):
    ctx.start_program()
    w = KelvorWindow(ctx)
    w.open_page("中心", "技术中心")

    w.open_in_tree("C++ 程序设计", GUIDE)
    wait_until("the guide's text", lambda: "内存管理与智能指针" in w.page_text())
    # Two records of one folder, so that nothing else is opened between them
    # (a folder opened is a step of the history too).
    w.open_in_tree("内存管理与智能指针", UNIQUE)
    wait_until("the record's text to name unique_ptr", lambda: "unique_ptr" in w.page_text())
    w.open_in_tree(SHARED)

    # Back and forward from the keyboard, with the focus where the click left it.
    ctx.input.key("alt+Left")
    w.wait_for_page(UNIQUE)
    ctx.input.key("alt+Right")
    w.wait_for_page(SHARED)
    ctx.input.key("alt+Left")
    w.wait_for_page(UNIQUE)

    # The reference navigation, from the panel menu: a click on one of its
    # labels opens that record and leaves the panel where it is.
    w.choose_panel("参考导航")
    panel = w.control("参考导航")
    labels = w.control("相关关键字")
    shown = w.page().name
    other = wait_until("a reference label of another record",
                       lambda: next((b for b in screen.find_all(labels, role=pyatspi.ROLE_PUSH_BUTTON)
                                     if b.name and shown not in b.name), None))
    placed = screen.extents(panel)
    ctx.input.click_on(other)
    wait_until("the label's record", lambda: w.page() is not None and w.page().name != shown)
    if screen.extents(panel) != placed:
        raise ScenarioFailure(f"a label's click moved the panel from {placed} to {screen.extents(panel)}")
    w.choose_panel("参考导航")

    # Ctrl+C in the page copies the page's selection (pasted back into the search box).
    page = w.page()
    x, y, width, height = screen.extents(page)
    ctx.input.click(x + width // 2, y + height // 2)
    ctx.input.key("ctrl+a", "ctrl+c")
    w.assert_no_message()
    w.click("搜索框")
    ctx.input.key("ctrl+a", "ctrl+v")
    wait_until("the page's text pasted into the search box",
               lambda: "unique_ptr" in screen.text_of(w.control("搜索框")), timeout=10)
    w.open_in_tree(SHARED)

    # The record's source paragraphs, shown apart.
    source_button = w.control("显现文档中的源程序", pyatspi.ROLE_PUSH_BUTTON)
    wait_until("the source button to be enabled for a record with code", lambda: screen.is_enabled(source_button))
    ctx.input.click_on(source_button)
    source = w.control("源程序")
    wait_until("the source text to hold the record's code", lambda: "shared_ptr" in screen.text_of(source))
    w.assert_no_message()
    if ctx.program.exit_code() is not None:
        raise ScenarioFailure(f"the program ended with {ctx.program.exit_code()}")
