// Renders the custom widgets offscreen into PNG files for a visual review:
//   widget_gallery <output folder>
#include "ui/widgets/LoaderWidget.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/Switch.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHoverEvent>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTextStream>
#include <QVBoxLayout>

#include <cstdio>

namespace {

bool save(QWidget *widget, const QDir &dir, const QString &name)
{
    widget->ensurePolished();
    if (QLayout *layout = widget->layout())
        layout->activate();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    const bool ok = widget->grab().save(path);
    QTextStream(stdout) << (ok ? "wrote " : "FAILED ") << path << '\n';
    return ok;
}

QWidget *switchPanel()
{
    auto *panel = new QWidget;
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    panel->setPalette(pal);
    auto *grid = new QVBoxLayout(panel);
    struct Row
    {
        QString text;
        bool checked;
        bool enabled;
    };
    const Row rows[] = {
        { QString(), false, true },
        { QString(), true, true },
        { QString(), false, false },
        { QString(), true, false },
        { QStringLiteral("Show characters"), false, true },
        { QStringLiteral("Save my password"), true, true },
        { QStringLiteral("Connect automatically (disabled)"), false, false },
        { QStringLiteral("Always on top (disabled)"), true, false },
    };
    for (const Row &row : rows) {
        auto *sw = new Switch(row.text);
        sw->setChecked(row.checked);
        sw->setEnabled(row.enabled);
        grid->addWidget(sw);
    }
    auto *rtl = new Switch(QStringLiteral("Right to left"));
    rtl->setLayoutDirection(Qt::RightToLeft);
    rtl->setChecked(true);
    grid->addWidget(rtl);
    return panel;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (argc < 2) {
        std::fprintf(stderr, "usage: widget_gallery <output folder>\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral(".")))
        return 1;
    bool ok = true;

    QScopedPointer<QWidget> switches(switchPanel());
    ok &= save(switches.data(), dir, QStringLiteral("switches"));

    const char *iconNames[] = { "none", "information", "warning", "critical", "question" };
    for (int icon = 0; icon <= 4; ++icon) {
        MsgDialog box(nullptr, QStringLiteral("Airvane Lite"),
                      QStringLiteral("Network connection is not available! Check your network and try again."),
                      icon, icon == 4 ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        ok &= save(&box, dir, QStringLiteral("msg_%1").arg(QLatin1String(iconNames[icon])));
    }
    QString longText;
    for (int i = 0; i < 12; ++i)
        longText += QStringLiteral("A very long message that has to wrap across several lines. ");
    MsgDialog longBox(nullptr, QStringLiteral("Error"), longText + MsgDialog::errorCodeText(1168),
                      MsgDialog::Critical, QMessageBox::Ok | QMessageBox::Cancel);
    ok &= save(&longBox, dir, QStringLiteral("msg_long"));

    QPixmap picture(64, 64);
    picture.fill(QColor(162, 187, 152));
    MsgDialog pictureBox(nullptr, QStringLiteral("Open network"), QStringLiteral("With a picture"),
                         picture, QMessageBox::Ok);
    ok &= save(&pictureBox, dir, QStringLiteral("msg_picture"));

    QWidget spinnerHost;
    spinnerHost.resize(120, 120);
    auto *loader = new LoaderWidget(&spinnerHost);
    loader->setLineLength(20);
    loader->setInnerRadius(20);
    loader->setColor(QColor(162, 162, 162));
    loader->start();
    for (int i = 0; i < 5; ++i)
        QMetaObject::invokeMethod(loader, "rotate");
    ok &= save(&spinnerHost, dir, QStringLiteral("spinner"));
    ok &= save(loader, dir, QStringLiteral("spinner_alone"));

    QPlainTextEdit text;
    text.setVerticalScrollBar(new ScrollBar(Qt::Vertical, &text));
    text.setHorizontalScrollBar(new ScrollBar(Qt::Horizontal, &text));
    text.setLineWrapMode(QPlainTextEdit::NoWrap);
    for (int i = 0; i < 60; ++i)
        text.appendPlainText(QStringLiteral("%1: a fairly long log line that needs a horizontal scroll bar to be read")
                                 .arg(i));
    text.moveCursor(QTextCursor::Start);
    text.resize(300, 160);
    text.show();
    QCoreApplication::processEvents();
    ok &= save(&text, dir, QStringLiteral("scrollbar_normal"));
    QHoverEvent enter(QEvent::HoverEnter, QPointF(2, 2), QPointF(-1, -1));
    QCoreApplication::sendEvent(text.verticalScrollBar(), &enter);
    QCoreApplication::processEvents();
    ok &= save(&text, dir, QStringLiteral("scrollbar_hovered"));

    return ok ? 0 : 1;
}
