#pragma once

#include "platform/os/SystemFacts.h"
#include "sysinfo/WmiOSData.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

// Reads the operating-system facts and the installed memory and hands them out as label/value
// records. The query runs synchronously on the calling thread.
class GetSpecs : public QObject
{
    Q_OBJECT

public:
    // Where the facts come from; the default asks the operating system.
    struct FactsSource
    {
        std::function<os::OsQueryResult()> queryOperatingSystem = os::queryOperatingSystem;
        std::function<os::MemoryFacts()> queryMemory = os::queryMemory;
    };

    explicit GetSpecs(QObject *parent = nullptr);
    explicit GetSpecs(FactsSource source, QObject *parent = nullptr);

    // "8192 MB (8 GB)", "512 MB", or "Unknown RAM capacity".
    static QString memoryText(const os::MemoryFacts &memory);
    // The five records of one operating-system instance, in display order.
    static QVector<WmiOSData> osRecords(const os::OsInstanceFacts &facts, const QString &memory);

signals:
    void initComLibError(QString errorData);
    void errorCreateIWbemObject(QString errorData);
    void errorRootConnection(QString errorData);
    void errorProxyBlanket(QString errorData);
    void errorProcessQuery(QString errorData);
    void appOSData(QVector<WmiOSData> osDataVector);
    // An instance had no architecture to report.
    void osArchitectureNotAvailable();
    void finished();

public slots:
    int appOSWMIData();

private:
    void reportFailure(os::OsQueryStep step, std::uint32_t code);

    FactsSource m_source;
};
