#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A screen reader's view of a program, through the desktop's accessibility bus (AT-SPI).

The tests start it on their own session bus (DBUS_SESSION_BUS_ADDRESS) and read what it prints,
one JSON object per line:

  atspi_client.py enable         starts the accessibility bus and says a screen reader runs, as
                                 one does when it starts; prints {"enabled": true}
  atspi_client.py tree APP       every object of the application named APP, depth first: its
                                 path of child indexes, role, name, description, states and
                                 place on screen
  atspi_client.py listen APP     prints {"ready": true} once it listens, then what a screen
                                 reader hears of APP as it happens: names and descriptions that
                                 change, objects that appear or go, windows that open, the
                                 focus; until it is ended (or ten minutes pass)
"""

import json
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

import dbus  # noqa: E402


def emit(record):
    print(json.dumps(record, ensure_ascii=False), flush=True)


def enable():
    session = dbus.SessionBus()
    # Asking for the bus's address starts its launcher, which then stays for the session.
    launcher = session.get_object("org.a11y.Bus", "/org/a11y/bus")
    dbus.Interface(launcher, "org.a11y.Bus").GetAddress()
    properties = dbus.Interface(launcher, "org.freedesktop.DBus.Properties")
    properties.Set("org.a11y.Status", "ScreenReaderEnabled", dbus.Boolean(True))
    emit({"enabled": bool(properties.Get("org.a11y.Status", "IsEnabled"))
          or bool(properties.Get("org.a11y.Status", "ScreenReaderEnabled"))})


def application(name):
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        if app is not None and app.get_name() == name:
            return app
    return None


def describe(obj, path):
    states = obj.get_state_set().get_states()
    record = {
        "path": path,
        "role": obj.get_role_name(),
        "name": obj.get_name() or "",
        "description": obj.get_description() or "",
        "states": sorted(Atspi.StateType(state).value_nick for state in states),
        "children": obj.get_child_count(),
    }
    try:
        extents = obj.get_extents(Atspi.CoordType.SCREEN)
        record["extents"] = [extents.x, extents.y, extents.width, extents.height]
    except GLib.Error:
        record["extents"] = None
    return record


def walk(obj, path):
    emit(describe(obj, path))
    for index in range(obj.get_child_count()):
        child = obj.get_child_at_index(index)
        if child is not None:
            walk(child, path + [index])


def tree(name):
    app = application(name)
    if app is None:
        emit({"error": "no application " + name})
        return 1
    walk(app, [])
    return 0


def source_of(event):
    source = event.source
    try:
        return {"role": source.get_role_name(), "name": source.get_name() or ""}
    except GLib.Error:
        return {"role": "gone", "name": ""}


def listen(name):
    kinds = [
        "object:property-change:accessible-name",
        "object:property-change:accessible-description",
        "object:children-changed",
        "object:state-changed:focused",
        "object:state-changed:checked",
        "window:activate",
    ]

    def heard(event):
        try:
            app = event.source.get_application()
            if app is None or app.get_name() != name:
                return
        except GLib.Error:
            return
        record = {"event": event.type, "source": source_of(event)}
        if event.type == "object:property-change:accessible-name":
            record["value"] = event.source.get_name() or ""
        elif event.type == "object:property-change:accessible-description":
            # What the object says now, as a screen reader reads it when told of the change.
            record["value"] = event.source.get_description() or ""
        elif event.type.startswith("object:children-changed"):
            child = event.any_data
            record["child"] = child.get_name() if child is not None else None
        elif event.type.startswith("object:state-changed"):
            record["on"] = bool(event.detail1)
        emit(record)

    listener = Atspi.EventListener.new(heard)
    for kind in kinds:
        listener.register(kind)
    loop = GLib.MainLoop()
    # A test that forgets it must not leave it behind for ever.
    GLib.timeout_add_seconds(600, loop.quit)
    emit({"ready": True})
    loop.run()
    return 0


def main(arguments):
    Atspi.init()
    if arguments[:1] == ["enable"]:
        enable()
        return 0
    if len(arguments) == 2 and arguments[0] == "tree":
        return tree(arguments[1])
    if len(arguments) == 2 and arguments[0] == "listen":
        return listen(arguments[1])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
