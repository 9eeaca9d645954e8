#include "SkinColours.h"

#include <cstring>
#include <iterator>

namespace {

// Longer names first, so "@text-secondary" is not read as "@text".
const SkinColours::Entry kColours[] = {
    {"text-secondary", "#959595"},
    {"gauge-track", "#dfe3f6"},
    {"warning", "#f0a020"},
    {"accent", "#5e6fec"},
    {"danger", "#e0443e"},
    {"total", "#0098f8"},
    {"text", "#5a5a5a"},
    {"ipc", "#00c8ec"},
    {"dvr", "#a2e4c4"},
    {"ok", "#2fb36f"},
};

} // namespace

const SkinColours::Entry* SkinColours::begin()
{
    return std::begin(kColours);
}

const SkinColours::Entry* SkinColours::end()
{
    return std::end(kColours);
}

QString SkinColours::value(const char* name)
{
    for (const Entry& entry : kColours) {
        if (std::strcmp(entry.name, name) == 0)
            return QLatin1String(entry.value);
    }
    return {};
}

QString SkinColours::resolve(const QString& text)
{
    QString result = text;
    for (const Entry& entry : kColours)
        result.replace(QLatin1Char('@') + QLatin1String(entry.name), QLatin1String(entry.value));
    return result;
}
