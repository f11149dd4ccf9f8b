#pragma once

#include <QMetaType>

namespace Interface {
// What entry 0 of the main window's adapter selector stands for (kept as its Qt::UserRole data).
enum State : int {
    NotLoaded = 0,  // "Loading data...", nothing has arrived yet
    Listed = 1,     // adapters arrived
    NoCard = 2,     // "Wireless card was not found"
};
} // namespace Interface

Q_DECLARE_METATYPE(Interface::State)
