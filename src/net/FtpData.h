#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

// One file to upload to the maker's FTP server and what to do locally once it has arrived.
struct FtpData
{
    QString directoryPath;      // local folder that holds the file
    QString filePath;           // local file to upload
    QString productName;        // selects the remote product folder
    QString ftpDirName;         // remote telemetry sub-folder ("log", "feedback", ...)
    bool deleteFileAfterUpload = false;
    bool deleteDirectoryAfterUpload = false;
    bool installerTarget = false;   // the online-installer area instead of the product area
};

Q_DECLARE_METATYPE(FtpData)

// A file of this program for the product area's telemetry/<ftpDirName>, staged in a folder of its
// own: once sent, the file goes and the folder too if nothing else is left in it.
FtpData stagedTelemetryUpload(const QString &directoryPath, const QString &filePath, const QString &ftpDirName);

// Registers FtpData and QVector<FtpData> under these names for queued invocations by name.
void registerFtpDataTypes();
