#!/usr/bin/python3
# A screen reader's ear on the accessibility bus: turns accessibility on, listens for text, caret
# and selection events, and writes each as one JSON line to the file named first on the command
# line ("ready" once the listeners are registered).
import json
import sys

import pyatspi
from gi.repository import Gio, GLib

out = open(sys.argv[1], "a", buffering=1, encoding="utf-8")


def write(record):
    out.write(json.dumps(record) + "\n")


def enable_accessibility():
    # What a screen reader's start does: the bus launcher starts on demand and every toolkit that
    # reads this property brings its bridge up.
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, 30000, None)


def on_event(event):
    record = {"type": event.type, "detail1": event.detail1, "detail2": event.detail2}
    if isinstance(event.any_data, str):
        record["text"] = event.any_data
    try:
        record["name"] = event.source.name
        if event.type.startswith("object:text-selection-changed"):
            # A screen reader asks what is selected now, as it would to speak it.
            text = event.source.queryText()
            record["selection"] = list(text.getSelection(0)) if text.getNSelections() > 0 else []
            record["caret"] = text.caretOffset
    except Exception as error:  # the program may be gone; the event is still worth writing
        record["error"] = str(error)
    write(record)


enable_accessibility()
pyatspi.Registry.registerEventListener(on_event, "object:text-changed", "object:text-caret-moved",
                                       "object:text-selection-changed")
write({"type": "ready"})
pyatspi.Registry.start()
