#include "ui/dialogs/LicenseAgreement.h"
#include "ui_LicenseAgreement.h"

#include "app/appearance/AppFont.h"
#include "app/appearance/InterfaceLanguage.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/WindowRules.h"

#include <QFile>
#include <QTextCodec>

static void initLicenseResources()
{
    Q_INIT_RESOURCE(license);
}

LicenseAgreement::LicenseAgreement(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LicenseAgreement)
{
    static const bool registered = [] {
        initLicenseResources();
        return true;
    }();
    Q_UNUSED(registered)

    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    applyWindowOpacity(this);
    ui->licenseView->setFont(applicationFont());
    ui->closeButton->setFont(applicationFont());
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::close);
}

LicenseAgreement::~LicenseAgreement()
{
    delete ui;
}

QString LicenseAgreement::resourcePath(int channel, App::Language language, QLocale::Language systemLanguage)
{
    QString edition;
    switch (channel) {
    case 0: edition = QStringLiteral("Dev."); break;
    case 1: edition = QStringLiteral("Insider."); break;
    case 2: edition = QStringLiteral("Beta."); break;
    default: break;
    }
    QString languageName;
    switch (interfaceLanguageFor(language, systemLanguage)) {
    case App::Language::Russian: languageName = QStringLiteral("russian"); break;
    case App::Language::Ukrainian: languageName = QStringLiteral("ukrainian"); break;
    default: languageName = QStringLiteral("english"); break;
    }
    return QStringLiteral(":/License/%1.%2license.%3.html")
        .arg(QStringLiteral("AirvaneLite"), edition, languageName);
}

QString LicenseAgreement::storedResourcePath()
{
    return resourcePath(static_cast<int>(readUpdatesChannel()), readLanguage(), QLocale::system().language());
}

QString LicenseAgreement::readWindows1251(const QString &path)
{
    QFile file(path);
    if (!file.exists() || file.size() == 0 || !file.open(QIODevice::ReadOnly))
        return QString();
    QTextCodec *codec = QTextCodec::codecForName("windows-1251");
    return codec ? codec->toUnicode(file.readAll()) : QString();
}

bool LicenseAgreement::loadText()
{
    const QString text = readWindows1251(storedResourcePath());
    if (text.isEmpty())
        return false;
    ui->licenseView->setHtml(text);
    return true;
}

LicenseAgreement *LicenseAgreement::open(QWidget *parent)
{
    auto *viewer = new LicenseAgreement(parent);
    if (!viewer->loadText()) {
        delete viewer;
        MsgDialog::run(nullptr, tr("Error"), tr("License file was not found!"), MsgDialog::Critical);
        return nullptr;
    }
    applyTopMostSetting(viewer);
    viewer->show();
    return viewer;
}

QString LicenseAgreement::text() const
{
    return ui->licenseView->toPlainText();
}

void LicenseAgreement::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
