#!/usr/bin/python3
"""What a screen reader finds of a program on the accessibility bus (AT-SPI), for the tests.

  atspi.py tree PID          the program's windows and all that its windows on the screen
                             hold, as JSON: role, name, description, states, actions and
                             children of every object
  atspi.py press PID PATH    does the first action ("Press") of the object at PATH: the
                             window's index, then a child's index at each level ("2/0/5")
"""
import json
import sys

import pyatspi


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            return app
    sys.exit("no application with process %d on the accessibility bus" % pid)


def actions(obj):
    try:
        action = obj.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def describe(obj):
    return {
        "role": obj.getRoleName(),
        "name": obj.name,
        "description": obj.description,
        "states": [pyatspi.stateToString(state) for state in obj.getState().getStates()],
        "actions": actions(obj),
        "children": [describe(child) for child in obj if child is not None],
    }


def main():
    command, pid = sys.argv[1], int(sys.argv[2])
    app = application(pid)
    if command == "tree":
        json.dump([describe(window) if showing(window) else {"name": window.name}
                   for window in app if window is not None], sys.stdout, ensure_ascii=False)
    elif command == "press":
        obj = app
        for index in sys.argv[3].split("/"):
            obj = obj.getChildAtIndex(int(index))
        obj.queryAction().doAction(0)
    else:
        sys.exit(__doc__)


main()
