#!/usr/bin/python3
"""Prints what the accessibility tree of a running program shows: one line per object, its role
and its accessible name (a label's name is its text), indented by depth. Reads the tree over the
AT-SPI accessibility bus of the current D-Bus session.

    accessibleNames.py APPLICATION
"""
import sys
import time

import dbus

ROOT = ('org.a11y.atspi.Registry', '/org/a11y/atspi/accessible/root')
ACCESSIBLE = 'org.a11y.atspi.Accessible'
PROPERTIES = 'org.freedesktop.DBus.Properties'


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    # A busy program or bus can miss a call: a few tries before giving up.
    for attempt in range(5):
        try:
            lines = read(sys.argv[1])
        except dbus.DBusException as error:
            print('accessibleNames: %s' % error, file=sys.stderr)
            time.sleep(1)
            continue
        print('\n'.join(lines))
        return
    sys.exit('accessibleNames: the accessibility bus did not answer')


def read(application):
    session = dbus.SessionBus()
    address = session.get_object('org.a11y.Bus', '/org/a11y/bus').GetAddress(
        dbus_interface='org.a11y.Bus')
    bus = dbus.bus.BusConnection(address)

    def describe(reference):
        node = bus.get_object(*reference)
        name = node.Get(ACCESSIBLE, 'Name', dbus_interface=PROPERTIES)
        role = node.GetRoleName(dbus_interface=ACCESSIBLE)
        children = node.GetChildren(dbus_interface=ACCESSIBLE)
        return str(role), str(name), [(str(n), str(p)) for n, p in children]

    lines = []

    def walk(reference, depth):
        try:
            role, name, children = describe(reference)
        except dbus.DBusException:
            return  # the object went away while the tree was read
        lines.append('%s%s\t%s' % ('  ' * depth, role, name.replace('\n', ' ')))
        for child in children:
            walk(child, depth + 1)

    found = False
    for reference in describe(ROOT)[2]:
        try:
            role, name, _ = describe(reference)
        except dbus.DBusException:
            continue
        if role == 'application' and name == application:
            found = True
            walk(reference, 0)
    if not found:
        raise dbus.DBusException('no application named %s on the accessibility bus' % application)
    return lines


if __name__ == '__main__':
    main()
