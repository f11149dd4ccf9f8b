#pragma once

// A NetworkManager for tests: python3-dbusmock's NetworkManager template on a private system bus
// that this object starts (dbus-daemon with a temporary configuration) and stops again. The
// process's DBUS_SYSTEM_BUS_ADDRESS points at that bus while it runs; the machine's own bus is never
// touched. The world is scripted through the template's own methods.

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace testsupport {

class NetworkManagerMock
{
public:
    static constexpr const char *Device = "org.freedesktop.NetworkManager.Device";
    static constexpr const char *Wireless = "org.freedesktop.NetworkManager.Device.Wireless";

    ~NetworkManagerMock() { stop(); }

    // The bus and the service; false (and why in *error) when a piece is missing.
    bool start(QString *error)
    {
        const QString socket = m_dir.filePath(QStringLiteral("system_bus_socket"));
        QFile config(m_dir.filePath(QStringLiteral("bus.conf")));
        config.open(QIODevice::WriteOnly);
        config.write(QStringLiteral(
            "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\" "
            "\"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">"
            "<busconfig><type>system</type><listen>unix:path=%1</listen><auth>EXTERNAL</auth>"
            "<policy context=\"default\"><allow user=\"*\"/><allow own=\"*\"/><allow send_type=\"method_call\"/>"
            "<allow send_destination=\"*\"/><allow receive_sender=\"*\"/></policy></busconfig>").arg(socket).toUtf8());
        config.close();
        m_address = QStringLiteral("unix:path=") + socket;
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_address.toUtf8());
        // `timeout` ends the helpers even if the test itself dies before its clean-up.
        m_bus.start(QStringLiteral("timeout"), {QStringLiteral("600"), QStringLiteral("dbus-daemon"),
                                                QStringLiteral("--nofork"), QStringLiteral("--config-file=") + config.fileName()});
        const bool up = m_bus.waitForStarted() && waitFor([&] { return QFile::exists(socket); })
            && (m_connection = QDBusConnection::connectToBus(m_address, QStringLiteral("nm-mock-driver"))).isConnected()
            && startService();
        if (!up && error)
            *error = QStringLiteral("dbus-daemon or python3-dbusmock's NetworkManager did not start");
        return up;
    }

    void stop()
    {
        stopService();
        QDBusConnection::disconnectFromBus(QStringLiteral("nm-mock-driver"));
        finish(m_bus);
    }

    bool startService()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_address);
        m_service.setProcessEnvironment(env);
        // The mock logs every call on stdout; nobody reads it, and a full pipe would stall the service.
        m_service.setStandardOutputFile(QProcess::nullDevice());
        m_service.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_service.start(QStringLiteral("timeout"), {QStringLiteral("600"), QStringLiteral("/usr/bin/python3"),
                                                    QStringLiteral("-m"), QStringLiteral("dbusmock"),
                                                    QStringLiteral("--template"), QStringLiteral("networkmanager")});
        // A loaded machine can take long to start Python; the wait ends as soon as the name appears.
        return m_service.waitForStarted() && waitFor([&] { return serviceRegistered(); }, 60000);
    }

    // Ends the service and waits until the bus has seen it go.
    void stopService()
    {
        finish(m_service);
        if (m_connection.isConnected())
            waitFor([&] { return !serviceRegistered(); });
    }

    QDBusMessage call(const QString &path, const QString &iface, const QString &method, const QVariantList &args = {})
    {
        QDBusMessage msg = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.NetworkManager"), path, iface, method);
        msg.setArguments(args);
        return m_connection.call(msg);
    }
    QDBusMessage mock(const QString &path, const QString &method, const QVariantList &args = {})
    {
        return call(path, QStringLiteral("org.freedesktop.DBus.Mock"), method, args);
    }

    // A Wi-Fi device whose scans finish at once (LastScan changes) and which can be disconnected.
    QString addWifiDevice(const QString &name, const QString &address)
    {
        const QString dev = mock(QStringLiteral("/org/freedesktop"), QStringLiteral("AddWiFiDevice"),
                                 {name, name, 30}).arguments().value(0).toString();
        setProperty(dev, Wireless, QStringLiteral("PermHwAddress"), address);
        mock(dev, QStringLiteral("AddProperty"), {Wireless, QStringLiteral("LastScan"), QVariant::fromValue(QDBusVariant(qint64(0)))});
        mock(dev, QStringLiteral("AddMethod"), {Wireless, QStringLiteral("RequestScan"), QStringLiteral("a{sv}"), QString(),
            QStringLiteral("self.Set('%1', 'LastScan', dbus.Int64(self.Get('%1', 'LastScan') + 1))").arg(Wireless)});
        mock(dev, QStringLiteral("AddMethod"), {Device, QStringLiteral("Disconnect"), QString(), QString(), QStringLiteral(
            "ac = self.Get('%1', 'ActiveConnection')\n"
            "if ac != '/':\n    self.RemoveActiveConnection(self.path, ac)\n"
            "else:\n    self.SetDeviceDisconnected(self.path)").arg(Device)});
        return dev;
    }

    // security: NM80211ApSecurityFlags for both WPA and RSN (0 open, 0x100 PSK).
    QString addAccessPoint(const QString &dev, const QString &name, const QByteArray &ssid, const QString &bssid,
                           uint mhz, uchar strength, uint security = 0)
    {
        // The template takes text; an SSID that is not UTF-8 gets its bytes afterwards.
        const bool text = QString::fromUtf8(ssid).toUtf8() == ssid;
        const QString ap = mock(QStringLiteral("/org/freedesktop"), QStringLiteral("AddAccessPoint"),
                                {dev, name, text ? QString::fromUtf8(ssid) : QString::fromLatin1(ssid.toHex()), bssid, 2u,
                                 mhz, 54000u, QVariant::fromValue(strength), security}).arguments().value(0).toString();
        if (!text)
            setProperty(ap, QStringLiteral("org.freedesktop.NetworkManager.AccessPoint"), QStringLiteral("Ssid"), ssid);
        return ap;
    }

    // A saved connection of the user's for a network in range (open or PSK).
    QString addSavedConnection(const QString &dev, const QString &name, const QString &ssid)
    {
        return mock(QStringLiteral("/org/freedesktop"), QStringLiteral("AddWiFiConnection"),
                    {dev, name, ssid, QString()}).arguments().value(0).toString();
    }

    // A connection the user saved under a name of their own choosing.
    QString addUserConnection(const QString &id, const QByteArray &ssid)
    {
        QMap<QString, QVariantMap> settings;
        settings[QStringLiteral("connection")] = {{QStringLiteral("id"), id},
                                                 {QStringLiteral("type"), QStringLiteral("802-11-wireless")}};
        settings[QStringLiteral("802-11-wireless")] = {{QStringLiteral("ssid"), ssid},
                                                      {QStringLiteral("mode"), QStringLiteral("infrastructure")}};
        return call(QStringLiteral("/org/freedesktop/NetworkManager/Settings"),
                    QStringLiteral("org.freedesktop.NetworkManager.Settings"), QStringLiteral("AddConnection"),
                    {QVariant::fromValue(settings)}).arguments().value(0).value<QDBusObjectPath>().path();
    }

    // From now on an attempt on a network with a key in `keys` fails (NO_SECRETS) unless the
    // connection carries that key, and one on a network in `stalled` stays in "prepare".
    void setActivation(const QMap<QByteArray, QString> &keys, const QList<QByteArray> &stalled = {})
    {
        QStringList k;
        for (auto it = keys.cbegin(); it != keys.cend(); ++it)
            k << QStringLiteral("bytes.fromhex('%1'): '%2'").arg(QString::fromLatin1(it.key().toHex()), it.value());
        QStringList s;
        for (const QByteArray &b : stalled)
            s << QStringLiteral("bytes.fromhex('%1')").arg(QString::fromLatin1(b.toHex()));
        mock(QStringLiteral("/org/freedesktop/NetworkManager"), QStringLiteral("AddMethod"),
             {QStringLiteral("org.freedesktop.NetworkManager"), QStringLiteral("ActivateConnection"), QStringLiteral("ooo"),
              QStringLiteral("o"), QStringLiteral(
                "keys = {%1}\nstalled = [%2]\nD = '%3'\n"
                "conn = objects[args[0]].settings\ndev = objects[args[1]]\n"
                "ssid = bytes(conn['802-11-wireless']['ssid'])\n"
                "psk = conn.get('802-11-wireless-security', {}).get('psk')\n"
                "steps = [(40, 0)] if ssid in stalled else [(40, 0), (60, 0), (120, 7), (30, 0)] "
                "if ssid in keys and psk != keys[ssid] else []\n"
                "for new, reason in steps:\n"
                "    old = dev.Get(D, 'State')\n    dev.Set(D, 'State', dbus.UInt32(new))\n"
                "    dev.EmitSignal(D, 'StateChanged', 'uuu', [dbus.UInt32(new), old, dbus.UInt32(reason)])\n"
                "ret = dbus.ObjectPath('/') if steps else self.activate_connection(self, args[0], args[1], args[2])")
                .arg(k.join(QStringLiteral(", ")), s.join(QStringLiteral(", ")), Device)});
    }

    void setProperty(const QString &path, const QString &iface, const QString &name, const QVariant &value)
    {
        call(path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"),
             {iface, name, QVariant::fromValue(QDBusVariant(value))});
    }
    static bool waitFor(const std::function<bool()> &done, int ms = 10000)
    {
        QDeadlineTimer deadline(ms);
        while (!done()) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(10);
        }
        return true;
    }

private:
    bool serviceRegistered()
    {
        return m_connection.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.NetworkManager"));
    }
    static void finish(QProcess &p)
    {
        if (p.state() == QProcess::NotRunning)
            return;
        p.terminate();
        if (!p.waitForFinished(5000)) {
            p.kill();
            p.waitForFinished();
        }
    }

    QTemporaryDir m_dir;
    QString m_address;
    QProcess m_bus;
    QProcess m_service;
    QDBusConnection m_connection{QString()};
};

} // namespace testsupport
