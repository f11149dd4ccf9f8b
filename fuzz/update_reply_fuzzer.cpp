// libFuzzer target for what the update server sends back: manifest bodies and address-detection
// replies. Any bytes must parse without crashing into a consistent outcome.

#include "net/UpdateManifest.h"

#include <QByteArray>
#include <QHostAddress>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 1 << 20)
        return 0;
    const QByteArray body(reinterpret_cast<const char *>(data), int(size));
    const QString current = QStringLiteral("2.8.8.652");

    for (const auto delivery : {Update::Delivery::Server, Update::Delivery::OneDrive, Update::Delivery::Dropbox}) {
        const UpdateManifest manifest = UpdateManifest::parse(body, delivery, current);
        switch (manifest.outcome) {
        case UpdateManifest::Outcome::JsonError:
            check(manifest.error.error != QJsonParseError::NoError);
            break;
        case UpdateManifest::Outcome::Complete:
            check(!manifest.channel.isEmpty() && manifest.info.startsWith(QLatin1Char('\n')));
            break;
        default:
            break;
        }
        // An installer address is https or nothing; "newer" needs a real build number.
        check(manifest.url.isEmpty() || manifest.url.startsWith(QLatin1String("https://")));
        check(!manifest.isNewer || isNewerBuild(manifest.build, current));
    }

    for (const int status : {200, 404}) {
        const QString address = parseAddressReply(status, body);
        check(address.isEmpty() || (status == 200 && !QHostAddress(address).isNull()));
    }
    return 0;
}
