#!/usr/bin/python3
# What a screen reader hears, read from the desktop's accessibility bus (AT-SPI) as Orca
# reads it. Run inside a private D-Bus session (dbus-run-session) on an X display with a
# window manager; screen_reader_on_the_bus.sh sets that up.
#
# Starts the accessibility bus, then the program on its first start. Walks the disclaimer
# and the main window, opens every window the menus open, walks each and closes it; then adds
# a card with a double click and hears the unit counter and the card information change, and
# changes a combo box from the keyboard and hears its new value. A walk fails on any control
# that takes the focus and whose name is empty, looks like an objectName, or is only its
# current value; on a combo box that gives no value apart from its name; and on two controls
# side by side with the same name.
#
#   screen_reader_walk.py PROGRAM SOURCE_DIR WORK_DIR
import atexit
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

program, source_dir, work = sys.argv[1:4]
MAIN_TITLE = "ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ"
started = []


@atexit.register
def stop_started():
    for process in reversed(started):
        process.terminate()
        process.wait()


faults = []  # what the walks found, told with any failure


def fail(message):
    print("FAIL: " + message, flush=True)
    if faults:
        print(f"{len(faults)} controls a screen reader cannot tell:\n  " + "\n  ".join(faults))
    sys.exit(1)


def wait_for(what, condition, seconds=30):
    """Polls condition, serving the bus meanwhile, until it gives a true value."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        result = condition()
        if result:
            return result
        if time.monotonic() > end:
            fail(f"{what} (waited {seconds} s)")
        time.sleep(0.05)


# The accessibility bus of this session, switched on as a desktop with a screen reader has it.
session = Gio.bus_get_sync(Gio.BusType.SESSION, None)


def session_call(name, path, interface, method, args, reply):
    return session.call_sync(name, path, interface, method, args, GLib.VariantType(reply),
                             Gio.DBusCallFlags.NONE, -1, None)


launchers = ["/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"]
launcher = next((path for path in launchers if os.access(path, os.X_OK)), None)
if launcher is None:
    fail("at-spi-bus-launcher is not installed (package at-spi2-core)")
started.append(subprocess.Popen([launcher, "--launch-immediately"]))


def a11y_bus_up():
    return session_call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                        "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), "(b)")[0]


wait_for("the accessibility bus did not start", a11y_bus_up)
session_call("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
             GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
             "()")
address = session_call("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                       "(s)")[0]
a11y = Gio.DBusConnection.new_for_address_sync(
    address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
    Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)

import pyatspi  # noqa: E402  (finds the bus just started)

# Events are sent only to listeners the program knows of when it starts. Qt tells a combo
# box's new value only to a listener of value changes too, as a screen reader is.
name_changes = []
pyatspi.Registry.registerEventListener(
    lambda event: name_changes.append(event)
    if event.type == "object:property-change:accessible-name" else None,
    "object:property-change:accessible-name", "object:value-changed")

env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
           XDG_CONFIG_HOME=os.path.join(work, "config"), XDG_CACHE_HOME=os.path.join(work, "cache"))
log = open(os.path.join(work, "program.log"), "w")
started.append(subprocess.Popen([program], env=env, stdout=log, stderr=subprocess.STDOUT))
pid = started[-1].pid


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


app = wait_for("the program did not appear on the accessibility bus", find_app, 60)


def showing_windows():
    app.clear_cache()
    windows = []
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
            windows.append(window)
    return windows


def window_named(title):
    return next((w for w in showing_windows() if w.name == title), None)


def still_showing(window):
    return any(w.path == window.path for w in showing_windows())


# What a walk looks at: every control that takes the focus. The items of lists, tables and
# menus, and a combo box's or a text box's own parts, belong to their control.
ENDS_WALK = {pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
             pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_MENU_BAR,
             pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU, pyatspi.ROLE_TEXT,
             pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_PAGE_TAB_LIST}


def object_names():
    """The objectNames the program's source gives its controls."""
    names = set()
    pattern = re.compile(r'(?:NameControl\([^;"]*|setObjectName\((?:QStringLiteral\()?)"(\w+)"')
    for folder, _, files in os.walk(os.path.join(source_dir, "src")):
        for file in files:
            if file.endswith(".cpp"):
                with open(os.path.join(folder, file), encoding="utf-8") as source:
                    names.update(pattern.findall(source.read()))
    return names


OBJECT_NAMES = object_names()


def looks_like_object_name(name):
    if name in OBJECT_NAMES or name.startswith("qt_"):
        return True
    # An identifier in camel case or with underscores ("cmbRollOut", "SeekButton").
    return re.fullmatch(r"[A-Za-z_]\w*", name) is not None and \
        re.search(r"[a-z][A-Z]|_", name) is not None


def value_of(control):
    """What the control shows as its value, or None when it gives none apart from its name."""
    try:
        text = control.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        pass
    try:
        return control.queryValue().currentValue
    except NotImplementedError:
        return None


def is_only_value(name, value):
    if isinstance(value, float):
        try:
            return float(name) == value
        except ValueError:
            return False
    return value is not None and value.strip() != "" and name == value.strip()


def walk(window):
    """Faults of window's focusable controls, one line each; and how many it heard."""
    faults = []
    heard = 0

    def visit(node, path):
        nonlocal heard
        seen = {}
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is None:
                continue
            role = child.getRole()
            if child.getState().contains(pyatspi.STATE_FOCUSABLE):
                heard += 1
                name = child.name.strip()
                value = value_of(child)
                where = f"{path} > {child.getRoleName()} \"{name}\""
                if not name:
                    faults.append(f"{where}: no name")
                elif looks_like_object_name(name):
                    faults.append(f"{where}: named by its objectName")
                elif is_only_value(name, value):
                    faults.append(f"{where}: named by its value only")
                if role == pyatspi.ROLE_COMBO_BOX and value is None:
                    faults.append(f"{where}: its value is heard only as its name")
                if name and name in seen:
                    faults.append(f"{where}: the same name as the {seen[name]} beside it")
                seen[name] = child.getRoleName()
            if role not in ENDS_WALK:
                visit(child, f"{path} > {child.name or child.getRoleName()}")

    visit(window, window.name)
    return faults, heard


walked = []


def walk_window(window):
    window_faults, heard = walk(window)
    walked.append(f"{window.name} ({heard})")
    faults.extend(window_faults)


def press(control):
    """Presses control as a reader's user does, through its first action; returns a list
    that holds the reply once the action has returned (a modal dialog's run has ended)."""
    done = []
    a11y.call(control.app.bus_name, control.path, "org.a11y.atspi.Action", "DoAction",
              GLib.Variant("(i)", (0,)), GLib.VariantType("(b)"), Gio.DBusCallFlags.NONE,
              GLib.MAXINT, None, lambda connection, result: done.append(result))
    return done


def find_or_fail(node, what, predicate):
    found = find(node, predicate)
    if found is None:
        fail(f"{node.name}: no {what}")
    return found


def find(node, predicate):
    """The first object below node that predicate accepts, not looking inside lists."""
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        if predicate(child):
            return child
        if child.getRole() not in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE):
            found = find(child, predicate)
            if found is not None:
                return found
    return None


def x_windows(title):
    """The X windows shown under title."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                            "^" + re.escape(title) + "$"], capture_output=True, text=True)
    return set(found.stdout.split())


def close(window):
    """Closes window through the window manager, as its title bar's close button does."""
    shown = wait_for(f"\"{window.name}\" is not shown on the screen",
                     lambda: x_windows(window.name) - main_x_windows)
    for x_window in shown:
        subprocess.run(["wmctrl", "-i", "-c", x_window], check=False)
    wait_for(f"\"{window.name}\" did not close", lambda: not still_showing(window))


# The first start asks for the disclaimer; agreeing brings the main window.
disclaimer = wait_for("the disclaimer did not appear",
                      lambda: next((w for w in showing_windows() if "注意事項" in w.name), None))
walk_window(disclaimer)
press(find_or_fail(disclaimer, "button \"同意します\"",
                   lambda c: c.getRole() == pyatspi.ROLE_PUSH_BUTTON and c.name == "同意します"))
main = wait_for("the main window did not appear", lambda: window_named(MAIN_TITLE), 60)
main_x_windows = wait_for("the main window is not shown", lambda: x_windows(MAIN_TITLE))
walk_window(main)


# Every menu item that opens a window, and what leads from a window to the next: the deck
# sheet's heading goes on to the preview or the file dialog when it is answered with OK.
NO_WINDOW = {"終了(X)", "元に戻す(U)", "やり直し(R)", "強調表示", "ｺﾝﾊﾟｸﾄ表示", "絞り込み(F)",
             "所持枚数を表示",
             "ﾃﾞｯｷﾃﾞｰﾀをｸﾘｯﾌﾟﾎﾞｰﾄﾞに出力(C)", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞからﾃﾞｯｷﾃﾞｰﾀを取り込む(I)"}
GOES_ON = {"ﾃﾞｯｷｼｰﾄ": "OK"}


def menu_items(node):
    items = []
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        if child.getRole() == pyatspi.ROLE_MENU_ITEM and child.childCount == 0:
            items.append(child)
        else:
            items.extend(menu_items(child))
    return items


menu_bar = find_or_fail(main, "menu bar", lambda c: c.getRole() == pyatspi.ROLE_MENU_BAR)
for item in menu_items(menu_bar):
    name = item.name
    if (name in NO_WINDOW or "ｸﾘｱ" in name or
            not item.getState().contains(pyatspi.STATE_ENABLED)):
        continue
    before = {w.path for w in showing_windows()}
    action = press(item)
    while True:
        window = wait_for(f"the menu item \"{name}\" opened no window",
                          lambda: next((w for w in showing_windows()
                                        if w.path not in before), None))
        walk_window(window)
        follow = GOES_ON.get(window.name)
        if follow is None:
            close(window)
            break
        press(find_or_fail(window, f"button \"{follow}\"",
                           lambda c: c.getRole() == pyatspi.ROLE_PUSH_BUTTON and
                           c.name == follow))
        wait_for(f"\"{window.name}\" did not close", lambda: not still_showing(window))
    wait_for(f"the menu item \"{name}\" did not return", lambda: action)


# The counters are heard with their captions and their values.
def counter(caption):
    main.clear_cache()
    return find(main, lambda c: c.getRole() == pyatspi.ROLE_LABEL and
                re.fullmatch(re.escape(caption) + r" -?\d+", c.name) is not None)


for caption in ("ユニット数", "ミッション＋キャラクター数", "合計戦果"):
    if counter(caption) is None:
        fail(f"no counter is heard as \"{caption}\" and its value")
unit_counter = counter("ユニット数")
before = unit_counter.name
if before != "ユニット数 0":
    fail(f"the unit counter of an empty deck is heard as \"{before}\"")

# A double click on the catalog's first unit adds it: the counter is heard anew, and the card
# information's fields by their captions with the card's values.
catalog = find_or_fail(main, "list \"ユニット一覧\"",
                       lambda c: c.getRole() == pyatspi.ROLE_LIST and c.name == "ユニット一覧")
first = catalog.getChildAtIndex(0)
x, y, width, height = first.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
heard_before = len(name_changes)
subprocess.run(["xdotool", "mousemove", "--sync", str(x + width // 4), str(y + height // 2),
                "click", "--repeat", "2", "--delay", "80", "1"], check=True)


def unit_counter_told():
    # Qt tells which object's name changed; the reader asks for the new name.
    return any(e.source.path == unit_counter.path for e in name_changes[heard_before:])


wait_for("the reader was not told that the unit counter changed", unit_counter_told)
unit_counter.clear_cache()
if unit_counter.name != "ユニット数 1":
    fail(f"after adding a card the unit counter is heard as \"{unit_counter.name}\"")
card_no, card_name = first.name.split(None, 1)
unit_card = find_or_fail(main, "frame \"カード情報（ユニット）\"",
                         lambda c: c.getRole() == pyatspi.ROLE_PANEL and
                         c.name == "カード情報（ユニット）")
for caption, expected in (("No", card_no), ("名称", card_name.strip())):
    box = find_or_fail(unit_card, f"field heard as \"{caption}\"",
                       lambda c: c.getRole() == pyatspi.ROLE_TEXT and c.name == caption)
    wait_for(f"the card information's \"{caption}\" is not heard with \"{expected}\"",
             lambda: value_of(box) == expected)

# A combo box changed from the keyboard is heard by its name with its new value, and the
# reader is told of the change.
lower = find_or_fail(main, "combo box \"ロール 下限\"",
                     lambda c: c.getRole() == pyatspi.ROLE_COMBO_BOX and c.name == "ロール 下限")
was = value_of(lower)
subprocess.run(["xdotool", "windowactivate", "--sync", next(iter(main_x_windows))], check=False)
lower.queryComponent().grabFocus()
wait_for("the combo box \"ロール 下限\" did not take the focus",
         lambda: lower.getState().contains(pyatspi.STATE_FOCUSED))
heard_before = len(name_changes)
subprocess.run(["xdotool", "key", "Down"], check=True)
wait_for("the reader was not told that \"ロール 下限\" changed",
         lambda: any(e.source.path == lower.path for e in name_changes[heard_before:]))
lower.clear_cache()
if lower.name != "ロール 下限" or value_of(lower) == was:
    fail(f"after Down the combo box is heard as \"{lower.name}\" with \"{value_of(lower)}\"")

print("windows walked: " + ", ".join(walked))
if faults:
    fail("the walks found controls a screen reader cannot tell")
print("screen reader on the bus: ok")
