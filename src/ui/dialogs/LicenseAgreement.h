#pragma once

#include "app/settings/SettingsEnums.h"

#include <QDialog>
#include <QLocale>
#include <QString>

namespace Ui {
class LicenseAgreement;
}

// The end-user licence agreement of the stored update channel in the interface language. The
// texts are compiled-in resources kept in windows-1251.
class LicenseAgreement : public QDialog
{
    Q_OBJECT

public:
    explicit LicenseAgreement(QWidget *parent = nullptr);
    ~LicenseAgreement() override;

    // ":/License/AirvaneLite[.Dev|.Insider|.Beta].license.<english|russian|ukrainian>.html".
    static QString resourcePath(int channel, App::Language language, QLocale::Language systemLanguage);
    // The same for "Updates"/"UpdatesChannel", "AppSettings"/"AppLanguage" and the system locale.
    static QString storedResourcePath();
    // The whole file decoded from windows-1251; a null string when it is missing, empty or unreadable.
    static QString readWindows1251(const QString &path);

    // Builds a viewer (deleted when closed) and shows it application-modal. When the text cannot
    // be read, tells the user, drops the viewer and returns null.
    static LicenseAgreement *open(QWidget *parent);

    QString text() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    bool loadText();

    Ui::LicenseAgreement *ui;
};
