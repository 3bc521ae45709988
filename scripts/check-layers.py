#!/usr/bin/env python3
"""Keeps the layering of the code base true.

- Nothing under src/core includes a window header (src/gui) or a Qt Widgets header.
- Each folder includes only the folders it may use (the table below), so the include graph
  between folders has no circle.

Run from anywhere: python3 scripts/check-layers.py [ROOT]. Exit status 1 lists every
include that breaks a rule.
"""
import os
import re
import sys

# Who may include whom, bottom up. Every folder may include itself.
ALLOWED = {
    "core/base": set(),
    "core/tags": {"core/base"},
    "core/naming": {"core/base", "core/tags"},
    "core/organize": {"core/base", "core/tags", "core/naming"},
    "core/listing": {"core/base", "core/tags", "core/naming"},
    "core/options": {"core/base", "core/tags", "core/naming"},
    "core/update": {"core/base"},
    "gui": {"core/base", "core/tags", "core/naming", "core/organize", "core/listing",
            "core/options", "core/update"},
    "app": {"gui", "core/base"},
    "cli": {"core/base", "core/tags", "core/naming", "core/organize", "core/listing",
            "core/options", "core/update"},
}

# Qt Widgets headers, by name; core code must not pull them in.
WIDGET_HEADER = re.compile(
    r"^(QtWidgets(/.*)?|Q(Widget|Dialog|MessageBox|Application|MainWindow|PushButton|Label|"
    r"LineEdit|CheckBox|ComboBox|RadioButton|TabWidget|TreeView|TreeWidget|ListWidget|Menu|"
    r"ProgressBar|FileDialog|InputDialog|ColorDialog|AbstractButton|Layout|BoxLayout|"
    r"GridLayout|HBoxLayout|VBoxLayout|StyleOption.*|Style|Frame|GroupBox|SplashScreen|"
    r"ToolTip|WhatsThis|HeaderView|AbstractItemView|StyledItemDelegate|Action)(\.h)?)$")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def folder_of(path, root):
    rel = os.path.relpath(path, root).replace(os.sep, "/")
    parts = rel.split("/")
    if parts[0] == "src" and parts[1] == "core":
        return "core/" + parts[2]
    if parts[0] == "src":
        return parts[1]
    return parts[0]


def target_of(include):
    """The folder a quoted project include names, or None for other headers."""
    head = include.split("/")[0]
    if head in ("base", "tags", "naming", "organize", "listing", "options", "update"):
        return "core/" + head
    if head in ("gui", "app"):
        return head
    return None


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                           os.path.join(os.path.dirname(__file__), ".."))
    problems = []
    for base in ("src", "cli"):
        for dirpath, _, files in os.walk(os.path.join(root, base)):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(dirpath, name)
                source = folder_of(path, root)
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if not m:
                            continue
                        include = m.group(2)
                        where = "%s:%d" % (os.path.relpath(path, root), number)
                        if source.startswith("core/") and (
                                include.startswith("gui/") or WIDGET_HEADER.match(include)):
                            problems.append("%s: core code includes <%s>" % (where, include))
                            continue
                        target = target_of(include) if m.group(1) == '"' else None
                        if target is None or target == source:
                            continue
                        if target not in ALLOWED.get(source, set()):
                            problems.append("%s: %s may not include %s (%s)" %
                                            (where, source, target, include))
    for p in problems:
        print(p)
    if problems:
        print("%d include(s) break the layering" % len(problems))
        return 1
    print("layering holds")
    return 0


if __name__ == "__main__":
    sys.exit(main())
