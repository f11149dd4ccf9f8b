#include "ui/main/AppTray.h"
#include "ui/main/MainMenus.h"

#include "core/TestSettings.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

class TestWindowChrome : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::resetSettings(); }
    void trayConnectsOnceAndReplacesItsMenu();
    void outsideTextStaysPlain();
};

void TestWindowChrome::trayConnectsOnceAndReplacesItsMenu()
{
    QWidget window;
    AppTray tray(&window);
    QSignalSpy showRequests(&tray, &AppTray::showWindowRequested);
    QPointer<QMenu> first = new QMenu;
    tray.show(first);
    tray.show(new QMenu);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(tray.isVisible());
    QVERIFY(!QApplication::quitOnLastWindowClosed());

    emit tray.icon()->activated(QSystemTrayIcon::DoubleClick);
    QCOMPARE(showRequests.count(), 1);
    emit tray.icon()->messageClicked();
    QCOMPARE(showRequests.count(), 2);
    window.show();
    emit tray.icon()->activated(QSystemTrayIcon::DoubleClick);
    QCOMPARE(showRequests.count(), 2);
    tray.release(false);
}

void TestWindowChrome::outsideTextStaysPlain()
{
    QCOMPARE(AppTray::plainBalloonText(QStringLiteral("<b>Cafe & Bar</b>")),
             QStringLiteral("&lt;b&gt;Cafe &amp; Bar&lt;/b&gt;"));
    QCOMPARE(AppTray::plainMenuText(QStringLiteral("R&D net")), QStringLiteral("R&&D net"));
}

QTEST_MAIN(TestWindowChrome)
#include "tst_windowchrome.moc"
