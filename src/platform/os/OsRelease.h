#pragma once

#include <string>

namespace os {

// The human-readable system name from the text of an os-release file: PRETTY_NAME, else NAME
// followed by VERSION when present; empty when neither is there. Values may be quoted with
// single or double quotes and use backslash escapes.
std::wstring osReleaseName(const std::string &content);

} // namespace os
