#pragma once

namespace NetworkList {
// Columns of the network list; the profile list has the same columns one place to the right.
enum Column : int {
    SsidColumn = 0,
    EncryptionColumn = 1,
    SignalColumn = 2,
    SecurityColumn = 3,
    AuthColumn = 4,
    BssTypeColumn = 5,
    PasswordColumn = 6,
    ConnectableColumn = 7,
    BssidCountColumn = 8,
    NotConnectableColumn = 9,
    PhyTypeCountColumn = 10,
    FlagsColumn = 11,
    ConnectedColumn = 12,
    MacColumn = 13,
    ChannelColumn = 14,
    ModeColumn = 15,
    FrequencyColumn = 16,
    BandColumn = 17,
    NetworkColumnCount = 18,
};
} // namespace NetworkList
