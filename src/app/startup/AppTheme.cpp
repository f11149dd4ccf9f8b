#include "app/startup/AppTheme.h"

#include "app/appearance/ThemeFiles.h"
#include "log/LogView.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/widgets/MsgDialog.h"
#include "app/startup/TranslationResources.h"

#include <QApplication>
#include <QFile>

bool AppTheme::apply(int theme, QWidget *parent)
{
    initAppearanceResources();
    const QString fileName = themeStyleSheetFile(theme);
    if (fileName.isEmpty())
        MsgDialog::run(parent, tr("Error"), tr("Unable to change theme!"), MsgDialog::Critical, QMessageBox::Ok);

    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        MsgDialog::run(parent, tr("Error"), tr("Unable to set theme. File is not found!"), MsgDialog::Critical,
                       QMessageBox::Ok);
        appendLog(tr("theme change was not applied"));
        return false;
    }
    qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
    dialogs::followStyleSheetColours();
    return true;
}
