#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QSize>
#include <QVector>

class AppQLabel;
class QDialogButtonBox;
class QPushButton;

// The program's message box. Run it with exec(): the result is the standard-button value of the
// button that ended it (QMessageBox::Yes, QMessageBox::Ok, ...), or 0 when it was closed with no
// button to stand for. Its text is plain text (names from outside the program are part of many
// messages); a message that is markup on purpose passes Qt::RichText.
class MsgDialog : public QDialog
{
    Q_OBJECT

public:
    enum Icon { NoIcon = 0, Information = 1, Warning = 2, Critical = 3, Question = 4 };

    MsgDialog(QWidget *parent, const QString &title, const QString &text, int icon,
              QMessageBox::StandardButtons buttons = QMessageBox::Ok, Qt::TextFormat format = Qt::PlainText);
    MsgDialog(QWidget *parent, const QString &title, const QString &text, const QPixmap &picture,
              QMessageBox::StandardButtons buttons = QMessageBox::Ok, Qt::TextFormat format = Qt::PlainText);

    // Builds the box, runs it modally and returns the pressed button.
    static int run(QWidget *parent, const QString &title, const QString &text, int icon,
                   QMessageBox::StandardButtons buttons = QMessageBox::Ok, Qt::TextFormat format = Qt::PlainText);

    // "Error code: <code>", the way every error number is shown to the user.
    static QString errorCodeText(int code);

    struct WidthLimits
    {
        int hard;
        int soft;
    };
    static WidthLimits widthLimits(int screenWidth);

    // Lays the box out for a screen of this available width (switching the text's word wrap as
    // needed) and returns the size it should have there.
    QSize fitSize(int screenWidth);

    // Available width of the screen under the mouse cursor.
    static int availableScreenWidth();

    QSize iconSize() const { return m_iconSize; }
    // The buttons in the order they were added.
    QVector<QPushButton *> buttons() const;
    QPushButton *button(QMessageBox::StandardButton which) const;

    // What closing the box (title-bar button or Escape) ends it with.
    int closeValue() const;

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build(const QString &title, const QString &text, const QPixmap &picture,
               QMessageBox::StandardButtons buttons, Qt::TextFormat format);

    struct ButtonEntry
    {
        int value;
        QPushButton *button;
    };

    AppQLabel *iconLabel = nullptr;
    AppQLabel *textLabel = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
    QSize m_iconSize;
    QVector<ButtonEntry> m_buttons;
};
