#include "log/LogView.h"
#include "ui/widgets/ScrollBar.h"

#include "app/appearance/AppFont.h"
#include "core/TestSettings.h"

#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtTest>

#include <thread>

class TestLogView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void appendBeforeAnyWindowCreatesTheView();
    void eachLineIsAParagraphOfPlainText();
    void lineFormat_data();
    void lineFormat();
    void survivesAdoptionAndItsEnd();
    void fromAnotherThread();
};

void TestLogView::initTestCase()
{
    testsupport::resetSettings();
}

void TestLogView::appendBeforeAnyWindowCreatesTheView()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(!LogView::exists());
    appendLog(QStringLiteral("launching the program"));
    QTextBrowser *view = LogView::view();
    QVERIFY(LogView::exists() && view && !view->parent());
    // Stamped with the current local time, in the line format checked below.
    QVERIFY2(view->toPlainText().endsWith(QStringLiteral(": launching the program")), qPrintable(view->toPlainText()));
    const QDateTime stamped = QDateTime::fromString(view->toPlainText().left(19), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QVERIFY(qAbs(stamped.secsTo(QDateTime::currentDateTime())) <= 2);
}

void TestLogView::eachLineIsAParagraphOfPlainText()
{
    QTextBrowser *view = LogView::view();
    view->clear();
    appendLog(QStringLiteral("check for updates"));
    appendLog(QStringLiteral("chosen network - <b>Cafe</b> & <i>Bar</i>"));
    QCOMPARE(view->document()->blockCount(), 2);
    QVERIFY(view->document()->firstBlock().text().endsWith(QStringLiteral(": check for updates")));
    QVERIFY(view->document()->lastBlock().text().endsWith(QStringLiteral(": chosen network - <b>Cafe</b> & <i>Bar</i>")));
}

void TestLogView::lineFormat_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("line");
    QTest::newRow("afternoon is 24-hour") << QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))
                                          << "checked for updates"
                                          << "2024-03-05 14:07:09: checked for updates";
    QTest::newRow("translated text") << QDateTime(QDate(2024, 1, 2), QTime(9, 3, 4))
                                     << QString::fromUtf8("запуск программы")
                                     << QString::fromUtf8("2024-01-02 09:03:04: запуск программы");
}

void TestLogView::lineFormat()
{
    QFETCH(QDateTime, when);
    QFETCH(QString, event);
    QFETCH(QString, line);
    // The digits do not follow the user's locale.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QString actual = LogView::line(event, when);
    QLocale::setDefault(previous);
    QCOMPARE(actual, line);
}

void TestLogView::survivesAdoptionAndItsEnd()
{
    QTextBrowser *view = LogView::view();
    view->clear();
    appendLog(QStringLiteral("first"));
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(LogView::view());
        QCOMPARE(LogView::view(), view);
        QCOMPARE(view->parent(), &window);
        appendLog(QStringLiteral("second"));
        QCOMPARE(view->document()->blockCount(), 2);
    }
    // Its owner is gone: the next line starts a new view rather than failing.
    QVERIFY(!LogView::exists());
    appendLog(QStringLiteral("third"));
    QVERIFY(LogView::exists());
    QVERIFY(LogView::view()->toPlainText().endsWith(QStringLiteral(": third")));
}

void TestLogView::fromAnotherThread()
{
    LogView::view()->clear();
    std::thread worker([] { appendLog(QStringLiteral("feedback was successfully sent")); });
    worker.join();
    QTRY_VERIFY(LogView::view()->toPlainText().endsWith(QStringLiteral(": feedback was successfully sent")));
}

QTEST_MAIN(TestLogView)
#include "tst_logview.moc"
