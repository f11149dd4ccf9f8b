#include "net/FtpData.h"

void registerFtpDataTypes()
{
    qRegisterMetaType<FtpData>("FtpData");
    qRegisterMetaType<QVector<FtpData>>("QVector<FtpData>");
}

FtpData stagedTelemetryUpload(const QString &directoryPath, const QString &filePath, const QString &ftpDirName)
{
    FtpData record;
    record.directoryPath = directoryPath;
    record.filePath = filePath;
    record.productName = QStringLiteral("Airvane Lite");
    record.ftpDirName = ftpDirName;
    record.deleteFileAfterUpload = false;
    record.deleteDirectoryAfterUpload = true;
    record.installerTarget = false;
    return record;
}
