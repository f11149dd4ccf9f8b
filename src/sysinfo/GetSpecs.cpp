#include "sysinfo/GetSpecs.h"

#include <cmath>

namespace {

QString errorText(const QString &message, std::uint32_t code)
{
    return message + QStringLiteral(" 0x%1").arg(code, 0, 16);
}

WmiOSData record(const QString &label, const std::wstring &value)
{
    const QString text = QString::fromStdWString(value).trimmed();
    return WmiOSData{label, text.isEmpty() ? GetSpecs::tr("Unknown") : text};
}

} // namespace

GetSpecs::GetSpecs(QObject *parent)
    : GetSpecs(FactsSource(), parent)
{
}

GetSpecs::GetSpecs(FactsSource source, QObject *parent)
    : QObject(parent)
    , m_source(std::move(source))
{
    qRegisterMetaType<WmiOSData>("WmiOSData");
    qRegisterMetaType<QVector<WmiOSData>>("QVector<WmiOSData>");
}

QString GetSpecs::memoryText(const os::MemoryFacts &memory)
{
    quint64 megabytes = 0;
    double gigabytes = 0;
    switch (memory.source) {
    case os::MemoryFacts::Source::InstalledMemory:
        megabytes = memory.installedKilobytes >> 10;
        gigabytes = double(megabytes) / 1024.0;
        break;
    case os::MemoryFacts::Source::MemoryStatus:
        megabytes = memory.totalPhysicalBytes >> 20;
        gigabytes = std::ceil(double(memory.totalPhysicalBytes) / 1073741824.0);
        break;
    case os::MemoryFacts::Source::Unavailable:
        return tr("Unknown RAM capacity");
    }

    const QString megabytePart = QStringLiteral("%1 %2").arg(megabytes).arg(tr("MB"));
    if (megabytes < 1024)
        return megabytePart;
    const QString gigabytePart = QStringLiteral("%1 %2").arg(gigabytes, 0, 'g', 6).arg(tr("GB"));
    return QStringLiteral("%1 (%2)").arg(megabytePart, gigabytePart);
}

QVector<WmiOSData> GetSpecs::osRecords(const os::OsInstanceFacts &facts, const QString &memory)
{
    return {
        record(tr("OS:"), facts.caption),
        record(tr("Version:"), facts.version),
        record(tr("Architecture:"), facts.osArchitecture),
        WmiOSData{tr("RAM:"), memory.isEmpty() ? tr("Unknown") : memory},
        record(tr("Computer name:"), facts.csName),
    };
}

void GetSpecs::reportFailure(os::OsQueryStep step, std::uint32_t code)
{
    switch (step) {
    case os::OsQueryStep::None:
        break;
    case os::OsQueryStep::InitializeCom:
        emit initComLibError(errorText(tr("Failed to initialize COM library. Error code:"), code));
        break;
    case os::OsQueryStep::CreateLocator:
        emit errorCreateIWbemObject(errorText(tr("Failed to create IWbemLocator object. Error code:"), code));
        break;
    case os::OsQueryStep::ConnectNamespace:
        emit errorRootConnection(errorText(tr("Could not connect. Error code:"), code));
        break;
    case os::OsQueryStep::SetProxyBlanket:
        emit errorProxyBlanket(errorText(tr("Could not set proxy blanket. Error code:"), code));
        break;
    case os::OsQueryStep::ExecuteQuery:
        emit errorProcessQuery(errorText(tr("Query for processes failed. Error code:"), code));
        break;
    }
}

int GetSpecs::appOSWMIData()
{
    const os::OsQueryResult result = m_source.queryOperatingSystem();
    if (result.failedStep != os::OsQueryStep::None) {
        reportFailure(result.failedStep, result.errorCode);
        // Finishing on failure too lets an owner that deletes the worker on finished() do so.
        emit finished();
        return -1;
    }

    QVector<WmiOSData> records;
    bool architectureMissing = false;
    for (const os::OsInstanceFacts &facts : result.instances) {
        if (QString::fromStdWString(facts.osArchitecture).trimmed().isEmpty())
            architectureMissing = true;
        records += osRecords(facts, memoryText(m_source.queryMemory()));
    }
    if (architectureMissing)
        emit osArchitectureNotAvailable();
    emit appOSData(records);
    emit finished();
    return 0;
}
