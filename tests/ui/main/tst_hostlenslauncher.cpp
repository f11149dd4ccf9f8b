#include "ui/main/HostlensLauncher.h"

#include "core/TestSettings.h"
#include "ui/widgets/MsgDialog.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// Answers the modal windows of one run in order and keeps what each of them was. A window is
// answered once: while it is still closing, the next answer waits for the next window.
class ModalScript : public QObject
{
public:
    // "Yes", "Retry", ...: press that button of a message box; "cancel": reject a file dialog;
    // any other text: choose that file in a file dialog.
    explicit ModalScript(QStringList answers) : pending(std::move(answers))
    {
        connect(&poll, &QTimer::timeout, this, &ModalScript::answerNext);
        poll.start(10);
    }

    QStringList seen;

private:
    void answerNext()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (pending.isEmpty() || !modal || modal == answered || !modal->isVisible())
            return;
        const QString answer = pending.constFirst();
        if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            if (answer != QLatin1String("cancel")) {
                // The dialog may still be reading its folder and reset the choice; try again
                // on the next tick until the choice holds.
                if (auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                    name->setText(answer);
                else
                    files->selectFile(answer);
                const QStringList chosen = files->selectedFiles();
                if (chosen.size() != 1 || QFileInfo(chosen.at(0)).canonicalFilePath() != QFileInfo(answer).canonicalFilePath())
                    return;
            }
            answered = modal;
            pending.removeFirst();
            seen << QStringLiteral("file dialog: ") + files->windowTitle() + QLatin1Char(' ')
                        + files->nameFilters().join(QLatin1Char(';'));
            if (answer == QLatin1String("cancel"))
                files->reject();
            else
                static_cast<QDialog *>(files)->done(QDialog::Accepted);
            return;
        }
        answered = modal;
        pending.removeFirst();
        QString text;
        for (QLabel *label : modal->findChildren<QLabel *>()) {
            if (!label->text().isEmpty())
                text = label->text();
        }
        seen << modal->windowTitle() + QStringLiteral(": ") + text;
        for (QAbstractButton *button : modal->findChildren<QAbstractButton *>()) {
            if (button->text().remove(QLatin1Char('&')) == answer) {
                button->click();
                return;
            }
        }
    }

    QStringList pending;
    QPointer<QWidget> answered;
    QTimer poll;
};

class TestHostlensLauncher : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::resetSettings(); }
    void installedCopyOpensWithoutQuestions();
    void threeFileDialogsThenThePurchaseHint();
    void fileChosenOnTheSecondTry_data();
    void fileChosenOnTheSecondTry();
    void infoPageFailureIsReported();

private:
    QTemporaryDir dir;
    QList<QUrl> opened;
    // An empty file standing for the program.
    QString program()
    {
        QFile file(dir.filePath(QStringLiteral("HostlensHome.exe")));
        return file.open(QIODevice::WriteOnly) ? file.fileName() : QString();
    }
    HostlensLauncher::UrlOpener recordingOpener(bool result)
    {
        return [this, result](const QUrl &url) {
            opened << url;
            return result;
        };
    }
};

static const QString missing =
    QStringLiteral("Application was not found! Would you like to provide path to the application?");

void TestHostlensLauncher::installedCopyOpensWithoutQuestions()
{
    opened.clear();
    const QString installed = program();
    HostlensLauncher launcher(nullptr, recordingOpener(true));
    launcher.setInstallPaths({dir.filePath(QStringLiteral("absent.exe")), installed});
    launcher.open();
    QCOMPARE(opened, QList<QUrl>({QUrl::fromLocalFile(installed)}));
}

void TestHostlensLauncher::threeFileDialogsThenThePurchaseHint()
{
    opened.clear();
    QWidget window;
    HostlensLauncher launcher(&window, recordingOpener(true));
    launcher.setInstallPaths({});
    ModalScript script({"Yes", "cancel", "Retry", "cancel", "Retry", "cancel", "OK"});
    launcher.open();
    const QString dialog = QStringLiteral("file dialog: Open HostlensHome.exe");
    QCOMPARE(script.seen, QStringList({QStringLiteral("Attention: ") + missing, dialog,
                                       QStringLiteral("Warning: ") + missing, dialog,
                                       QStringLiteral("Warning: ") + missing, dialog,
                                       QStringLiteral("Information: You can purchase it here: https://www.tarnwick.example")}));
    QVERIFY(opened.isEmpty());
}

void TestHostlensLauncher::fileChosenOnTheSecondTry_data()
{
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("opens") << true << QStringList();
    QTest::newRow("cannot open")
        << false << QStringList({"Error: Failed to open the application! Make sure it is installed."});
}

void TestHostlensLauncher::fileChosenOnTheSecondTry()
{
    QFETCH(bool, opens);
    QFETCH(QStringList, after);
    opened.clear();
    const QString chosen = program();
    HostlensLauncher launcher(nullptr, recordingOpener(opens));
    launcher.setInstallPaths({});
    QStringList answers({"Yes", "cancel", "Retry", chosen});
    if (!opens)
        answers << QStringLiteral("OK");
    ModalScript script(answers);
    launcher.open();
    QCOMPARE(opened, QList<QUrl>({QUrl::fromLocalFile(chosen)}));
    QCOMPARE(script.seen.mid(4), after);
}

void TestHostlensLauncher::infoPageFailureIsReported()
{
    opened.clear();
    HostlensLauncher launcher(nullptr, recordingOpener(false));
    ModalScript script({"OK"});
    launcher.openInfoPage();
    QCOMPARE(opened, QList<QUrl>({QUrl(QStringLiteral("https://www.tarnwick.example/apps/hostlens-home"))}));
    QCOMPARE(script.seen, QStringList({"Error: Failed to open the information about the application!"}));
}

QTEST_MAIN(TestHostlensLauncher)
#include "tst_hostlenslauncher.moc"
