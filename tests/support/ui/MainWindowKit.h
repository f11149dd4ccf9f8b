#pragma once

// Shared pieces of the main-window tests: a log of the message boxes the window shows (answered
// as told), and small helpers to reach the window's widgets. Worlds come from core/SimWorld.

#include "core/SimWorld.h"
#include "ui/ModalAnswer.h"
#include "ui/widgets/MsgDialog.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QTextDocument>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace mainwindowkit {

using namespace testsupport;

// Records every message box shown while it lives and presses the next of `answers` in it. A box
// nobody answers is closed after a while, so an unexpected box makes a test fail instead of
// hanging it.
class BoxLog : public QObject
{
public:
    struct Box {
        QString title;
        QString text;
        bool plain = true;  // the text is drawn as it reads, never as markup
    };

    BoxLog() { qApp->installEventFilter(this); }
    ~BoxLog() override { qApp->removeEventFilter(this); }

    QList<Box> boxes;
    QStringList answers;

    int count(const QString &text) const
    {
        int n = 0;
        for (const Box &box : boxes)
            n += box.text == text ? 1 : 0;
        return n;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = event->type() == QEvent::Show ? qobject_cast<MsgDialog *>(watched) : nullptr;
        if (!box)
            return false;
        Box seen{box->windowTitle(), QString()};
        for (QLabel *label : box->findChildren<QLabel *>()) {
            if (!label->text().isEmpty()) {
                seen.text = label->text();
                seen.plain = label->textFormat() == Qt::PlainText
                    || (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(seen.text));
            }
        }
        boxes << seen;
        // Answered from the box's own event loop, once it has finished showing.
        if (!answers.isEmpty()) {
            const QString button = answers.takeFirst();
            QTimer::singleShot(0, box, [box, button] {
                if (!clickButton(box, button))
                    qWarning("no button %s", qPrintable(button));
            });
        }
        QTimer::singleShot(4000, box, [box] { box->reject(); });
        return false;
    }
};

template <typename T>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("main window has no %s", name);
    return found;
}

// The information panel's values of the given rows ("network" reads label "networkValue").
inline QStringList panelValues(QWidget *window, const QStringList &rows)
{
    QStringList values;
    for (const QString &row : rows)
        values << child<QLabel>(window, (row + QStringLiteral("Value")).toLatin1().constData())->text();
    return values;
}

// The first row of a list whose column 0 reads `text` and that satisfies `extra`.
inline QTreeWidgetItem *findRow(const QTreeWidget *list, const QString &text,
                                const std::function<bool(QTreeWidgetItem *)> &extra = {})
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = list->topLevelItem(i);
        if (row->text(0) == text && (!extra || extra(row)))
            return row;
    }
    return nullptr;
}

inline void pressRow(QTreeWidget *list, QTreeWidgetItem *item,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    list->scrollToItem(item);
    const QRect rect = list->visualItemRect(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, QPoint(rect.left() + 5, rect.center().y()));
}

inline bool activate(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

} // namespace mainwindowkit
