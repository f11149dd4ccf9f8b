#!/usr/bin/python3
"""Runs a command against a pretend NetworkManager: python3-dbusmock's NetworkManager template on a
private system bus (never the machine's own), filled with one Wi-Fi adapter and a handful of networks.

Usage: scripts/networkmanager-mock-world.py COMMAND [ARGS...]
e.g.   AIRVANE_WLAN=networkmanager scripts/networkmanager-mock-world.py scripts/run.sh

The command runs with DBUS_SYSTEM_BUS_ADDRESS pointing at the private bus; bus and service end with it.
"""
import os
import subprocess
import sys
import tempfile
import time

import dbus

DEVICE = 'org.freedesktop.NetworkManager.Device'
WIRELESS = 'org.freedesktop.NetworkManager.Device.Wireless'
AP_IFACE = 'org.freedesktop.NetworkManager.AccessPoint'
MOCK = 'org.freedesktop.DBus.Mock'
PSK = 0x100

# (object name, SSID bytes, BSSID, MHz, strength, security)
ACCESS_POINTS = [
    ('home5', b'Home', '3C:A9:F4:20:00:01', 5500, 82, PSK),
    ('home24', b'Home', '3C:A9:F4:20:00:02', 2437, 74, PSK),
    ('guest', b'Tarnwick Guest', '50:C7:BF:31:22:10', 2412, 70, PSK),
    ('cafe', b'Cafe Lumen', '00:1A:2B:3C:4D:5E', 2462, 64, 0),
    ('office', b'Office-5G', '84:D8:1B:02:7A:C4', 5180, 58, PSK),
    ('bleu', b'Caf\xe9 Bleu', '02:11:22:33:44:55', 2412, 47, 0),
    ('library', b'City Library', '10:FE:ED:0A:0B:0C', 2462, 40, 0),
    ('sixe', b'Neighbour 6E', 'AC:84:C6:99:10:01', 5975, 35, PSK),
]


def wait_for(predicate, seconds=10.0):
    deadline = time.monotonic() + seconds
    while not predicate():
        if time.monotonic() > deadline:
            raise SystemExit('the pretend NetworkManager did not come up')
        time.sleep(0.05)


def build_world(bus):
    def mock(path):
        return dbus.Interface(bus.get_object('org.freedesktop.NetworkManager', path), MOCK)

    def props(path):
        return dbus.Interface(bus.get_object('org.freedesktop.NetworkManager', path), dbus.PROPERTIES_IFACE)

    main = mock('/org/freedesktop')
    dev = main.AddWiFiDevice('wlan0', 'wlan0', 30)
    props(dev).Set(WIRELESS, 'PermHwAddress', '3C:A9:F4:12:34:56')
    props(dev).Set(DEVICE, 'Driver', 'iwlwifi')
    mock(dev).AddProperty(WIRELESS, 'LastScan', dbus.Int64(0))
    mock(dev).AddMethod(WIRELESS, 'RequestScan', 'a{sv}', '',
                        f"self.Set('{WIRELESS}', 'LastScan', dbus.Int64(self.Get('{WIRELESS}', 'LastScan') + 1))")
    mock(dev).AddMethod(DEVICE, 'Disconnect', '', '',
                        f"ac = self.Get('{DEVICE}', 'ActiveConnection')\n"
                        "if ac != '/':\n    self.RemoveActiveConnection(self.path, ac)\n"
                        "else:\n    self.SetDeviceDisconnected(self.path)")
    for name, ssid, bssid, mhz, strength, security in ACCESS_POINTS:
        text = ssid.decode('utf-8', 'replace')
        ap = main.AddAccessPoint(dev, name, text, bssid, 2, mhz, 54000 if mhz < 5000 else 866000,
                                 dbus.Byte(strength), security)
        if text.encode('utf-8') != ssid:
            props(ap).Set(AP_IFACE, 'Ssid', dbus.ByteArray(ssid))
    home = main.AddWiFiConnection(dev, 'Home', 'Home', '')
    main.AddWiFiConnection(dev, 'Guest', 'Tarnwick Guest', '')
    manager = dbus.Interface(bus.get_object('org.freedesktop.NetworkManager', '/org/freedesktop/NetworkManager'),
                             'org.freedesktop.NetworkManager')
    manager.ActivateConnection(home, dev, '/')


def main():
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    with tempfile.TemporaryDirectory() as tmp:
        socket = os.path.join(tmp, 'system_bus_socket')
        config = os.path.join(tmp, 'bus.conf')
        with open(config, 'w') as f:
            f.write('<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN" '
                    '"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">'
                    f'<busconfig><type>system</type><listen>unix:path={socket}</listen><auth>EXTERNAL</auth>'
                    '<policy context="default"><allow user="*"/><allow own="*"/><allow send_type="method_call"/>'
                    '<allow send_destination="*"/><allow receive_sender="*"/></policy></busconfig>')
        address = 'unix:path=' + socket
        env = dict(os.environ, DBUS_SYSTEM_BUS_ADDRESS=address)
        daemon = subprocess.Popen(['dbus-daemon', '--nofork', '--config-file=' + config])
        service = None
        try:
            wait_for(lambda: os.path.exists(socket))
            service = subprocess.Popen(['/usr/bin/python3', '-m', 'dbusmock', '--template', 'networkmanager'],
                                       env=env, stdout=subprocess.DEVNULL)
            bus = dbus.bus.BusConnection(address)
            wait_for(lambda: bus.name_has_owner('org.freedesktop.NetworkManager'))
            build_world(bus)
            return subprocess.call(sys.argv[1:], env=env)
        finally:
            for process in (service, daemon):
                if process:
                    process.terminate()
                    process.wait()


if __name__ == '__main__':
    sys.exit(main())
