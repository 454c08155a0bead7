"""What the eye meets, read from screenshots: a panel over the window is
opaque (what lies under it does not show through when it changes), the
history takes the result list's place with its own tab marked, a tool
button shows its hover picture, and the dictionary options show their whole
captions."""

import pyatspi

import screen
from kelvorwindow import KelvorWindow
from screen import ScenarioFailure, wait_until


def mean_colour(image):
    pixels = list(image.getdata())
    return tuple(sum(p[i] for p in pixels) / len(pixels) for i in range(3))


def looks_marked(ctx, node):
    """A tab marked as chosen is drawn in the highlight blue."""
    red, green, blue = mean_colour(ctx.screen.grab(screen.extents(node)))
    return blue - red > 60


def run(ctx):
    ctx.start_program()
    w = KelvorWindow(ctx)
    w.open_page("中心", "技术中心")

    # The tool drawer lies over the bar and the left pane: switching the
    # centre under it changes nothing of what it shows.
    w.choose_panel("工具抽屉")
    drawer = w.control("工具抽屉")
    box = screen.extents(drawer)
    ctx.input.move(box[0] + box[2] + 300, box[1] + box[3] - 20)  # the pointer off the drawer's labels
    before = ctx.screen.grab(box)
    w.click("视频中心")
    w.wait_for_title("视频中心")
    after = ctx.screen.grab(box)
    changed = screen.changed_fraction(before, after)
    if changed > 0.01:
        raise ScenarioFailure(f"{changed:.0%} of the tool drawer changed with the centre under it: it is see-through")
    w.choose_panel("工具抽屉")
    wait_until("the drawer to close", lambda: not screen.is_showing(drawer), timeout=5)

    # The history takes the list's place, and its tab is the one marked.
    w.open_page("中心", "技术中心")
    w.click("查询", pyatspi.ROLE_PUSH_BUTTON)
    w.control("结果列表")
    w.click("历史", pyatspi.ROLE_PUSH_BUTTON)
    w.control("查询历史列表")
    if w.maybe("结果列表") is not None:
        raise ScenarioFailure("the result list stays on show under the history")
    history_tab = w.control("历史", pyatspi.ROLE_PUSH_BUTTON)
    list_tab = w.control("查询", pyatspi.ROLE_PUSH_BUTTON)
    wait_until("the history tab drawn as the chosen one", lambda: looks_marked(ctx, history_tab), timeout=5)
    if looks_marked(ctx, list_tab):
        raise ScenarioFailure("the list tab is still drawn as the chosen one under the history")

    # The query centre's tool buttons show their hover picture under the pointer.
    w.open_page("查询", "查询中心")
    tool = w.control("数据智能查询", pyatspi.ROLE_PUSH_BUTTON)
    box = screen.extents(tool)
    resting = ctx.screen.grab(box)
    ctx.input.move(box[0] + box[2] // 2, box[1] + box[3] // 2)
    wait_until("the hover picture of 数据智能查询",
               lambda: screen.changed_fraction(resting, ctx.screen.grab(box)) > 0.3, timeout=5)

    # The dictionary options read whole: each box is wide enough for its caption
    # (a Chinese character takes at least 12 pixels, the box before it 16).
    ranges = w.control("选择查询范围")
    boxes = screen.find_all(ranges, role=pyatspi.ROLE_CHECK_BOX)
    if not boxes:
        raise ScenarioFailure("no dictionary options on show")
    narrow = [(b.name, screen.extents(b)[2]) for b in boxes if screen.extents(b)[2] < 12 * len(b.name) + 16]
    if narrow:
        raise ScenarioFailure(f"dictionary options too narrow for their captions (caption, width): {narrow}")
