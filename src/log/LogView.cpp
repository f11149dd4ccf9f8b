#include "log/LogView.h"

#include "app/appearance/AppFont.h"
#include "ui/widgets/ScrollBar.h"

#include <QApplication>
#include <QLocale>
#include <QPointer>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QThread>

namespace {

QPointer<QTextBrowser> &instance()
{
    static QPointer<QTextBrowser> view;
    return view;
}

// A view nobody adopted would otherwise outlive the application object.
void deleteUnownedView()
{
    QTextBrowser *view = instance().data();
    if (view && !view->parent())
        delete view;
}

bool onGuiThread()
{
    return QCoreApplication::instance()
        && QThread::currentThread() == QCoreApplication::instance()->thread();
}

} // namespace

QTextBrowser *LogView::view()
{
    QPointer<QTextBrowser> &view = instance();
    if (view)
        return view.data();
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()) || !onGuiThread())
        return nullptr;

    auto *browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("logView"));
    browser->setReadOnly(true);
    // Lines carry names heard over the air: nothing in them is ever followed as a link.
    browser->setOpenLinks(false);
    browser->setOpenExternalLinks(false);
    browser->setVerticalScrollBar(new ScrollBar(Qt::Vertical, browser));
    browser->setHorizontalScrollBar(new ScrollBar(Qt::Horizontal, browser));
    browser->setFont(applicationFont(false));
    view = browser;

    static bool cleanupRegistered = false;
    if (!cleanupRegistered) {
        qAddPostRoutine(deleteUnownedView);
        cleanupRegistered = true;
    }
    return browser;
}

void LogView::release(QTextBrowser *view)
{
    if (!view || view != instance().data() || !view->parent())
        return;
    // Without a parent it is a hidden window-less widget, ready for the next layout.
    view->setParent(nullptr);
}

bool LogView::exists()
{
    return !instance().isNull();
}

QString LogView::line(const QString &eventText, const QDateTime &when)
{
    return QLocale(QLocale::English, QLocale::UnitedStates)
               .toString(when, QStringLiteral("yyyy-MM-dd hh:mm:ss"))
        + QStringLiteral(": ") + eventText;
}

void LogView::append(const QString &line)
{
    if (!onGuiThread()) {
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, [line] { LogView::append(line); }, Qt::QueuedConnection);
        return;
    }
    QTextBrowser *browser = view();
    if (!browser)
        return;
    QScrollBar *scroll = browser->verticalScrollBar();
    const bool followEnd = scroll->value() >= scroll->maximum();
    QTextCursor cursor(browser->document());
    cursor.movePosition(QTextCursor::End);
    if (!browser->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(line);
    if (followEnd)
        scroll->setValue(scroll->maximum());
}

void appendLog(const QString &eventText)
{
    LogView::append(LogView::line(eventText, QDateTime::currentDateTime()));
}
