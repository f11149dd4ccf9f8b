// What a user met on hostile and crowded worlds: outside text shown literally, the panel following
// the pressed row, rows found exactly, the state re-read after a failed attempt, enterprise rows,
// one box for a failed cancel, every shortcut alive, a panel that keeps its place.

#include "ui/FlowKit.h"
#include "ui/dialogs/ConnectAP.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QShortcut>
#include <QSignalSpy>
#include <QtTest>

using namespace flowkit;

class TestMainWindowFaults : public QObject, private Flow
{
    Q_OBJECT

private slots:
    void init() { prepare(); }
    void cleanup() { finish(); }

    void outsideTextIsShownLiterally();
    void panelForgetsARowThatIsGone();
    void connectionRowIsFoundBySecurityToo();
    void failedAttemptRereadsTheConnection();
    void enterpriseRowIsExplainedNotOpened();
    void failedCancelShowsOneBox();
    void everyShortcutFires();
    void panelKeepsItsPlace();

private:
    QStringList panelNetworkValues()
    {
        return panelValues(window, {"network", "encryption", "signal", "macAddress", "channel", "band"});
    }
};

void TestMainWindowFaults::outsideTextIsShownLiterally()
{
    const QStringList names = {"<b>x</b>", "<img src=x>", "A\tB\nC", "&amp;"};
    for (int i = 0; i < names.size(); ++i)
        sim->addNetwork(openNetwork(names[i].toStdString()));
    QVERIFY(start());
    QTRY_COMPARE(networks->topLevelItemCount(), names.size());

    for (const QString &name : names) {
        QVERIFY2(pressNetwork(name), qPrintable(name));
        QString shown = name;
        shown.replace(QLatin1Char('\t'), QChar::ReplacementCharacter).replace(QLatin1Char('\n'), QChar::ReplacementCharacter);
        QCOMPARE(panel("network"), shown);
        for (QLabel *label : child<QGroupBox>(window, "infoPanel")->findChildren<QLabel *>())
            QVERIFY2(label->textFormat() == Qt::PlainText || label->objectName().endsWith(QLatin1String("Caption")),
                     qPrintable(label->objectName()));
    }

    QVERIFY(pressNetwork(names[0]));
    connectAnsweringOk();
    QTRY_COMPARE(boxTexts(), QStringList{connectedText("<b>x</b>")});
    QVERIFY(boxes->boxes[0].plain);
}

void TestMainWindowFaults::panelForgetsARowThatIsGone()
{
    sim->addAdapter(adapter(1));
    sim->addNetwork(openNetwork("Cafe"));
    sim->addNetwork(openNetwork("Attic"));
    QVERIFY(start());
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
    const QStringList unknown = QString(QStringLiteral("Unknown,")).repeated(6).split(QLatin1Char(','), Qt::SkipEmptyParts);

    // A refresh that still lists the row keeps it; one that drops it empties the rows.
    QVERIFY(pressNetwork(QStringLiteral("Cafe")));
    QSignalSpy refreshed(window, &AirvaneLite::networksRefreshFinished);
    window->refreshData();
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
    QCOMPARE(panel("network"), QStringLiteral("Cafe"));
    sim->setNetworkInRange("Cafe", false);
    window->refreshData();
    QTRY_COMPARE(networks->topLevelItemCount(), 1);
    QCOMPARE(panelNetworkValues(), unknown);

    // So does another adapter, whose data is not that of the row.
    QVERIFY(pressNetwork(QStringLiteral("Attic")));
    auto *selector = child<QComboBox>(window, "adapterSelector");
    selector->setCurrentIndex(1);
    emit selector->activated(1);
    QCOMPARE(panelNetworkValues(), unknown);
}

void TestMainWindowFaults::connectionRowIsFoundBySecurityToo()
{
    sim->addNetwork(securedNetwork("Twin", kKey));
    sim->addNetwork(openNetwork("Twin"));
    QVERIFY(start());
    QTRY_COMPARE(networks->topLevelItemCount(), 2);

    QTreeWidgetItem *open = findRow(networks, QStringLiteral("Twin"),
                                    [](QTreeWidgetItem *row) { return row->text(1) == QLatin1String("None"); });
    QVERIFY(open);
    pressRow(networks, open);
    connectAnsweringOk();
    QTRY_COMPARE(connected(), QStringLiteral("Twin"));
    QTRY_COMPARE(boxes->boxes.size(), 1);

    window->refreshData();
    QTRY_VERIFY(findRow(profiles, QStringLiteral("Twin"), [](QTreeWidgetItem *row) { return row->font(0).bold(); }));
    QTreeWidgetItem *secured = findRow(networks, QStringLiteral("Twin"));
    QVERIFY(secured && secured->text(1) != QLatin1String("None"));
    QVERIFY(!secured->font(0).bold());
    QCOMPARE(secured->text(12), QStringLiteral("No"));
}

void TestMainWindowFaults::failedAttemptRereadsTheConnection()
{
    sim->addNetwork(securedNetwork("Home", kKey));
    sim->addNetwork(securedNetwork("Office", kKey));
    sim->addStoredProfile(0, securedProfile(QStringLiteral("Home"), kRightKey));
    sim->setConnected(0, u"Home");
    QVERIFY(start());
    QTRY_VERIFY(findRow(profiles, QStringLiteral("Home")));
    QTRY_COMPARE(panel("status"), QStringLiteral("Connected"));

    // The service leaves Home for the attempt, which the wrong key ends.
    boxes->answers << QStringLiteral("OK");
    connectWithKey(QStringLiteral("Office"), QStringLiteral("wrong-key"));
    QTRY_COMPARE(boxTexts(), QStringList{wrongKeyText()});
    QTRY_COMPARE(panel("status"), QStringLiteral("Not connected"));
    QCOMPARE(connected(), QString());
}

void TestMainWindowFaults::enterpriseRowIsExplainedNotOpened()
{
    sim->addNetwork(securedNetwork("Campus", kKey, DOT11_AUTH_ALGO_RSNA));
    sim->addNetwork(securedNetwork("Office", kKey));
    QVERIFY(start());
    QTRY_COMPARE(networks->topLevelItemCount(), 2);

    QSignalSpy requests(window->connectionFlow(), &ConnectionFlow::connectionRequest);
    QVERIFY(pressNetwork(QStringLiteral("Campus")));
    connectAnsweringOk();
    QCOMPARE(boxTexts(), QStringList{"Networks that need a user name and a certificate (enterprise "
                                     "networks) cannot be connected from this program."});
    QVERIFY(!topLevel<ConnectAP>()->isVisible());
    QCOMPARE(requests.count(), 0);
    QVERIFY(connectButton()->isEnabled());
}

void TestMainWindowFaults::failedCancelShowsOneBox()
{
    sim->addNetwork(securedNetwork("Office", kKey));
    QVERIFY(start());
    QTRY_COMPARE(networks->topLevelItemCount(), 1);

    sim->setConnectDelay(4000);
    connectWithKey(QStringLiteral("Office"), kRightKey);
    auto *dialogButton = child<QPushButton>(topLevel<ConnectAP>(), "pushButton");
    QTRY_COMPARE(dialogButton->text(), QStringLiteral("Cancel"));

    sim->failCall(Sim::Call::Disconnect, 5);
    boxes->answers << QStringLiteral("OK");
    dialogButton->click();
    QTRY_COMPARE(boxTexts(), QStringList{"Failed to cancel the network connection!\nError code: 5"});
    // Both windows hear the same report; the second box would be up by now.
    QCoreApplication::processEvents();
    QCOMPARE(boxes->boxes.size(), 1);
}

void TestMainWindowFaults::everyShortcutFires()
{
    QVERIFY(start());
    for (const char *keys : {"Ctrl+P", "Ctrl+L", "Ctrl+U", "Ctrl+N", "Ctrl+F", "Ctrl+F1"}) {
        const QKeySequence sequence(QString::fromLatin1(keys));
        QShortcut *shortcut = nullptr;
        for (QShortcut *candidate : window->findChildren<QShortcut *>()) {
            if (candidate->key() == sequence)
                shortcut = candidate;
        }
        QVERIFY2(shortcut, keys);
        QSignalSpy fired(shortcut, &QShortcut::activated);
        QSignalSpy ambiguous(shortcut, &QShortcut::activatedAmbiguously);
        QTest::keySequence(window, sequence);
        QVERIFY2(fired.count() == 1 && ambiguous.isEmpty(), keys);
    }
}

void TestMainWindowFaults::panelKeepsItsPlace()
{
    sim->addNetwork(openNetwork("A network name that fills all 32"));
    QVERIFY(start());
    QTRY_COMPARE(networks->topLevelItemCount(), 1);
    auto *box = child<QGroupBox>(window, "infoPanel");
    const QRect before = box->geometry();
    QVERIFY(pressNetwork(QStringLiteral("A network name that fills all 32")));
    QApplication::processEvents();
    QCOMPARE(box->geometry(), before);
    // Every row of the panel fits in the window's default height.
    QLabel *last = child<QLabel>(window, "bandValue");
    QVERIFY(last->mapTo(box, QPoint(0, last->height())).y() <= box->height());
}

QTEST_MAIN(TestMainWindowFaults)
#include "tst_mainwindow_faults.moc"
