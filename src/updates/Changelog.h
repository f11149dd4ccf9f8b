#pragma once

#include <QDialog>
#include <QJsonParseError>
#include <QString>

namespace Ui {
class Changelog;
}

class QTextEdit;

// The change notes of the latest build of the user's channel, kept in a windows-1251 text file
// (Changelog/Changelog.txt in the per-application data folder) and refreshed on request.
class Changelog : public QDialog
{
    Q_OBJECT

public:
    explicit Changelog(QWidget *parent = nullptr);
    ~Changelog() override;

    // "Build: <build>", "Channel: <channel>" and an empty line, "Changelog:" with the notes, each
    // "-" shown as a bullet. Appended as plain text: notes come from the server.
    static void appendBlock(QTextEdit *view, const QString &build, const QString &channel, const QString &info);
    static QString filePath();

public slots:
    void getUpdateData(QString updateVer, QString updateChannel, QString updateInfo);
    void changeLogUpdateError();
    void updateLocaleError();
    void clearFile();
    void setJsonReaderError(QJsonParseError parseError);

protected:
    void changeEvent(QEvent *event) override;

private:
    void load();
    void fetch();
    void askToClear();
    void setButtonsEnabled();
    void showError(const QString &text);

    Ui::Changelog *ui;
};
