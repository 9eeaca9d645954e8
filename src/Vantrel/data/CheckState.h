#pragma once

#include <QString>

// How a figure stands against its limit, in every check of the site.
enum class CheckState { Ok, Warn, Over };

inline QString checkStateName(CheckState state)
{
    switch (state) {
    case CheckState::Warn:
        return QStringLiteral("warn");
    case CheckState::Over:
        return QStringLiteral("over");
    case CheckState::Ok:
        break;
    }
    return QStringLiteral("ok");
}
