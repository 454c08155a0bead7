"""The report of a continued query, as a user asks for it: the panel menu
opened and "查询报表" chosen from the keyboard, a term typed into the field
and Enter pressed there, the progress bar followed over the accessibility
interface, the report page read back, and the report kept."""

import pyatspi

import screen
from kelvorwindow import KelvorWindow
from screen import ScenarioFailure, wait_until

TERM = "线程池"


def run(ctx):
    ctx.start_program()
    w = KelvorWindow(ctx)
    w.open_page("中心", "技术中心")

    w.choose_panel("查询报表")
    field = w.type_into("查询内容", TERM)
    wait_until("the field to hold the typed term", lambda: screen.text_of(field) == TERM, timeout=5)
    ctx.input.key("Return")

    # The walk shows how far it got: a progress bar with its value.
    bar = w.control("进度条", pyatspi.ROLE_PROGRESS_BAR, timeout=30)
    value = bar.queryValue()
    if not 0 <= value.currentValue <= value.maximumValue == 100:
        raise ScenarioFailure(f"the progress bar reads {value.currentValue} of {value.maximumValue}")

    wait_until("the report page", lambda: "共找到" in w.page_text(), timeout=90)
    text = w.page_text()
    if TERM not in text:
        raise ScenarioFailure(f"the report page does not name {TERM!r}: {text[:300]!r}")

    w.click("保存当前数据", pyatspi.ROLE_PUSH_BUTTON)
    w.wait_for_rows("历史查询", lambda rows: any(TERM in row for row in rows), "the kept report's term in the list")
    w.assert_no_message()
