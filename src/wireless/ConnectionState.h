#pragma once

#include <QMetaType>

namespace Connection {
Q_NAMESPACE
// Whether an adapter is connected to a given network.
enum State : int {
    NotConnected = 0,
    Connected = 2,
    Unknown = 4,
};
Q_ENUM_NS(State)
} // namespace Connection

// A network's raw WLAN_AVAILABLE_NETWORK flags value, carried as a type of its own so the main
// window can keep it as item data.
enum CWlanNetworkState : int {
    NoProfile = 0,
};

Q_DECLARE_METATYPE(CWlanNetworkState)
