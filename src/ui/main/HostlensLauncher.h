#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QWidget;

// Starts the maker's sibling program "Hostlens Home": from its install location, or from a file
// the user points to (at most three tries), else tells where it can be bought.
class HostlensLauncher
{
    Q_DECLARE_TR_FUNCTIONS(HostlensLauncher)

public:
    // Asks the desktop to open a URL; true when it did.
    using UrlOpener = std::function<bool(const QUrl &url)>;

    // `parent`: the window the questions belong to. The opener defaults to the desktop services.
    explicit HostlensLauncher(QWidget *parent, UrlOpener opener = UrlOpener());

    void setInstallPaths(const QStringList &paths) { installPaths = paths; }

    // The whole ladder: install locations, then question, file dialogs and warnings.
    void open();
    // The sibling's page on the maker's web site, in the browser.
    void openInfoPage();

    static QString infoPageAddress();

private:
    // Runs one file dialog; an empty string when nothing was chosen.
    QString chooseFile();
    void openChosen(const QString &path);

    QWidget *parent;
    UrlOpener opener;
    QStringList installPaths;
};
