// Renders the log window and the feedback window into PNG files for a visual review:
//   log_feedback_shots <output folder>
// Run it under Xvfb (xvfb-run -a -s "-screen 0 1600x1000x24") to see them as the window system
// draws them; without a display it renders offscreen.
#include "app/appearance/Translations.h"
#include "app/startup/TranslationResources.h"
#include "feedback/Feedback.h"
#include "log/Log.h"
#include "log/LogView.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>

namespace {

bool save(QWidget *window, const QDir &dir, const QString &name)
{
    window->show();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    const bool ok = window->grab().save(path);
    QTextStream(stdout) << (ok ? "wrote " : "FAILED ") << path << '\n';
    window->hide();
    return ok;
}

QString picture(const QTemporaryDir &dir, const QString &name, const QColor &colour)
{
    QImage image(320, 200, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    painter.setPen(Qt::white);
    painter.drawText(image.rect(), Qt::AlignCenter, name);
    painter.end();
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

void fillFeedback(Feedback *window, const QStringList &attachments)
{
    window->findChild<QRadioButton *>(QStringLiteral("radioButtonProblem"))->setChecked(true);
    window->findChild<QRadioButton *>(QStringLiteral("radioButtonRate8"))->setChecked(true);
    window->findChild<QPlainTextEdit *>(QStringLiteral("textEditMessage"))
        ->setPlainText(QStringLiteral("The list of networks is empty after the laptop wakes up."));
    window->findChild<QCheckBox *>(QStringLiteral("checkBoxEmail"))->setChecked(true);
    window->findChild<QLineEdit *>(QStringLiteral("lineEditEmail"))->setText(QStringLiteral("jo.doe@example.com"));
    window->setAttachments(attachments);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (argc < 2) {
        std::fprintf(stderr, "usage: log_feedback_shots <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    initTranslationResources();
    QTemporaryDir files;

    appendLog(QStringLiteral("launching the program"));
    appendLog(QStringLiteral("check for updates at startup"));
    appendLog(QStringLiteral("chosen network - <b>Cafe & Bar</b>"));
    appendLog(QStringLiteral("connected to Cafe & Bar on Intel(R) Wi-Fi 6 AX201 160MHz"));
    appendLog(QString::fromUtf8("подключено к Кафе"));
    appendLog(QStringLiteral("feedback was successfully sent"));

    bool ok = true;
    {
        Log log;
        ok &= save(&log, out, QStringLiteral("log-en"));
    }
    const QStringList attachments = {picture(files, QStringLiteral("screenshot 1.png"), QColor(0x2b, 0x6c, 0xb0)),
                                     picture(files, QStringLiteral("screenshot #2.png"), QColor(0x2f, 0x85, 0x5a))};
    {
        auto *feedback = new Feedback;
        ok &= save(feedback, out, QStringLiteral("feedback-en-empty"));
        fillFeedback(feedback, attachments);
        ok &= save(feedback, out, QStringLiteral("feedback-en"));
        delete feedback;
    }
    QTranslator program;
    QTranslator toolkit;
    loadTranslations(App::Language::Russian, &program, &toolkit);
    {
        Log log;
        ok &= save(&log, out, QStringLiteral("log-ru"));
        auto *feedback = new Feedback;
        fillFeedback(feedback, attachments.mid(0, 1));
        ok &= save(feedback, out, QStringLiteral("feedback-ru"));
        delete feedback;
    }
    return ok ? 0 : 1;
}
