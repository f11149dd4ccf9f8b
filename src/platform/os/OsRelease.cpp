#include "platform/os/OsRelease.h"

#include <QString>

#include <map>
#include <sstream>

namespace os {

namespace {

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string unquoted(const std::string &raw)
{
    if (raw.size() >= 2 && raw.front() == '\'' && raw.back() == '\'')
        return raw.substr(1, raw.size() - 2);
    std::string value = raw;
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size())
            ++i;
        out += value[i];
    }
    return out;
}

std::wstring fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), int(text.size())).toStdWString();
}

} // namespace

std::wstring osReleaseName(const std::string &content)
{
    std::map<std::string, std::string> values;
    std::istringstream lines(content);
    std::string line;
    while (std::getline(lines, line)) {
        line = trimmed(line);
        if (line.empty() || line.front() == '#')
            continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos || equals == 0)
            continue;
        values[line.substr(0, equals)] = unquoted(trimmed(line.substr(equals + 1)));
    }

    const auto pretty = values.find("PRETTY_NAME");
    if (pretty != values.end() && !pretty->second.empty())
        return fromUtf8(pretty->second);
    const auto name = values.find("NAME");
    if (name == values.end() || name->second.empty())
        return std::wstring();
    const auto version = values.find("VERSION");
    if (version != values.end() && !version->second.empty())
        return fromUtf8(name->second + ' ' + version->second);
    return fromUtf8(name->second);
}

} // namespace os
