#!/usr/bin/env python3
"""A stand-in for ModemManager on a private bus: one modem with the given device uid and ports,
GetManagedObjects on the ObjectManager and InhibitDevice on the main object. Every
InhibitDevice call is appended to the log file as "InhibitDevice <uid> <True|False>".

Usage: modem_manager_standin.py BUS_ADDRESS LOG_FILE DEVICE_UID PORT[,PORT...]
Prints "ready" once the service name is owned."""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

SERVICE = "org.freedesktop.ModemManager1"
PATH = "/org/freedesktop/ModemManager1"


class Manager(dbus.service.Object):
    def __init__(self, bus, log, uid, ports):
        super().__init__(bus, PATH)
        self.log = log
        self.uid = uid
        self.ports = ports

    @dbus.service.method("org.freedesktop.DBus.ObjectManager", out_signature="a{oa{sa{sv}}}")
    def GetManagedObjects(self):
        ports = dbus.Array([dbus.Struct((dbus.String(p), dbus.UInt32(4))) for p in self.ports],
                           signature="(su)")
        modem = dbus.Dictionary({"Device": dbus.String(self.uid), "Ports": ports,
                                 "PrimaryPort": dbus.String(self.ports[0])}, signature="sv")
        sim = dbus.Dictionary({"SimIdentifier": dbus.String("8949")}, signature="sv")
        return dbus.Dictionary({
            dbus.ObjectPath(PATH + "/Modem/0"): dbus.Dictionary(
                {SERVICE + ".Modem": modem}, signature="sa{sv}"),
            dbus.ObjectPath(PATH + "/SIM/0"): dbus.Dictionary(
                {SERVICE + ".Sim": sim}, signature="sa{sv}"),
        }, signature="oa{sa{sv}}")

    @dbus.service.method(SERVICE, in_signature="sb")
    def InhibitDevice(self, uid, inhibit):
        if uid != self.uid:
            raise dbus.exceptions.DBusException("No modem with that uid",
                                                name=SERVICE + ".Error.Core.NotFound")
        with open(self.log, "a") as out:
            out.write("InhibitDevice %s %s\n" % (uid, bool(inhibit)))


def main():
    address, log, uid, ports = sys.argv[1:5]
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(address)
    manager = Manager(bus, log, uid, ports.split(","))
    name = dbus.service.BusName(SERVICE, bus)
    print("ready", flush=True)
    GLib.MainLoop().run()
    del name, manager


if __name__ == "__main__":
    main()
