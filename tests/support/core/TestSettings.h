#pragma once

#include <QString>

namespace testsupport {

// Points the settings store of this process at a fresh, empty place (the real user's store is
// never touched) and wipes whatever an earlier test case left there.
void resetSettings();

// The organization/application identity the program uses; tests that build settings-aware
// objects need it set before the first access.
void setApplicationIdentity();

} // namespace testsupport
