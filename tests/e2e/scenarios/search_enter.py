"""Searching a centre with Enter, as a new user does: the technology centre,
a word typed into the search box and Enter pressed there, first while the
catalogue tree shows (the result then shows on the list tab), then on the
list tab; the history tab then lists both searches, and its filter narrows
them to one."""

import pyatspi

import screen
from kelvorwindow import KelvorWindow


def search_with_enter(ctx, w, word):
    box = w.type_into("搜索框", word)
    screen.wait_until("the search box to hold the keyboard focus", lambda: screen.is_focused(box), timeout=5)
    ctx.input.key("Return")
    rows = w.wait_for_rows("结果列表", lambda r: any(word in line.lower() for line in r),
                           f"the result list to list the titles holding {word!r}")
    stray = [line for line in rows if line.strip() and word not in line.lower()]
    assert not stray, f"titles without {word!r} listed: {stray}"


def run(ctx):
    ctx.start_program()
    w = KelvorWindow(ctx)

    # Right after the switch the tree shows under the search box.
    w.open_page("中心", "技术中心")
    search_with_enter(ctx, w, "vector")

    # On the list tab.
    w.click("查询", pyatspi.ROLE_PUSH_BUTTON)
    search_with_enter(ctx, w, "map")

    # Both searches are in the history.
    w.click("历史", pyatspi.ROLE_PUSH_BUTTON)
    w.wait_for_rows("查询历史列表", lambda r: any("vector" in line for line in r) and any("map" in line for line in r),
                    "the history to list both searches")

    # The history's filter narrows it as typed; Enter there keeps what it shows.
    w.type_into("查询历史筛选", "vec")
    ctx.input.key("Return")
    w.wait_for_rows("查询历史列表", lambda r: any("vector" in line for line in r) and not any("map" in line for line in r),
                    "the filtered history to list the one search")
    w.assert_no_message()
