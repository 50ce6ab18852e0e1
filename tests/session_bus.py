# SPDX-License-Identifier: GPL-3.0-or-later
"""A private D-Bus session bus for a test's X session, as dbus-launch makes one."""

import subprocess


def launch(env, skip):
    """Starts a session bus for `env`, sets its address there and returns
    the bus's process id; `skip` is called with the reason when there is none."""
    launched = subprocess.run(["dbus-launch", "--sh-syntax"], env=env, capture_output=True, text=True, timeout=30)
    bus_pid = None
    for line in launched.stdout.splitlines():
        name, _, value = line.partition("=")
        value = value.rstrip(";").strip("'")
        if name == "DBUS_SESSION_BUS_ADDRESS":
            env[name] = value
        elif name == "DBUS_SESSION_BUS_PID":
            bus_pid = int(value)
    if "DBUS_SESSION_BUS_ADDRESS" not in env:
        skip("no session bus: " + launched.stderr.strip())
    return bus_pid
