#pragma once

#include <QString>

// The version both programs print for --version: the project's version from
// the build, and the day it was built ("v3.0.0.1build20261209").
class ProgramVersion
{
public:
    static QString text();
    // The day of the build as text() gives it. Every caller takes it from
    // here: a file compiled again on a later day must not tell another day.
    static QString buildDay();
    // "Dec  9 2026" (the compiler's __DATE__) as "20261209".
    static QString buildDateNumber(const QString& compilerDate);
};
