#pragma once

#include <QDateTime>
#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimeZone>

class LoaderWidget;

namespace Ui {
class Feedback;
}

// The feedback form: a type, a rating, a message, an optional e-mail address and attachments,
// written into a small text file and uploaded with the attachments to the maker's FTP server.
// The window deletes itself when it is closed; open one with Feedback::openFeedback().
class Feedback : public QDialog
{
    Q_OBJECT

public:
    explicit Feedback(QWidget *parent = nullptr);
    ~Feedback() override;

    // Creates a window, applies the top-most rule and shows it (application-modal).
    static Feedback *openFeedback(QWidget *parent);

    // Largest total size of the attachments: a choice that reaches it is refused as a whole.
    static constexpr qint64 attachmentLimit = 20 * 1048576;

    // Takes a choice of files as the attachments (what "Select" does with the files picked):
    // false, with the error box, when together they reach the limit.
    bool setAttachments(const QStringList &paths);
    QStringList attachments() const { return attachmentPaths; }

    // The feedback file for the form's current contents at this moment (the maker's time zone
    // is applied here), encoded as it is written: windows-1251.
    QByteArray feedbackFileContents(const QDateTime &when) const;
    // "<local data>/Feedback/Airvane_Lite_Feedback_<locale>_<time>.txt", native separators.
    QString feedbackFilePathFor(const QDateTime &when) const;

    // The maker's time zone (a deployment value: CMake cache variable AIRVANE_MAKER_TIME_ZONE).
    static QTimeZone makerTimeZone();

public slots:
    void checkFeedbackType();
    void sendFeedback();
    void uploadFeedbackFinished();
    void feedbackNetworkError();
    void feedbackUploadFailed(int errorCode);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void selectFiles();
    void clearAttachments();

private:
    void resetFilesLabel();
    void addPreview(const QString &path);
    void uploadAttachments();
    void uploadFeedbackFile();
    void showSpinner();
    void stopSpinner();
    void error(const QString &text);
    void retranslate();

    Ui::Feedback *ui;
    QStringList attachmentPaths;
    QString attachmentText;
    QString feedbackDir;
    QString feedbackFilePath;
    QPointer<LoaderWidget> spinner;
    bool attachmentsFailed = false;
};
