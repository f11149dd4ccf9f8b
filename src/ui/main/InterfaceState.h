#pragma once

#include <QMetaType>

namespace Interface {
// What the main window's adapter selector shows: nothing yet, the adapters, or that none was found.
enum State : int {
    NotLoaded = 0,  // "Loading data...", nothing has arrived yet
    Listed = 1,     // adapters arrived
    NoCard = 2,     // "Wireless card was not found"
};
} // namespace Interface

Q_DECLARE_METATYPE(Interface::State)
