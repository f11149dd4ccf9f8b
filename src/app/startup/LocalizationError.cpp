#include "app/startup/LocalizationError.h"

#include "ui/widgets/MsgDialog.h"

void LocalizationError::show()
{
    MsgDialog::run(nullptr, tr("Error"),
                   tr("No localization file was found!") + QLatin1Char(' ')
                       + tr("Reinstall the application to fix this problem."),
                   MsgDialog::Critical, QMessageBox::Ok);
}
