#pragma once

#include <QString>

// Values from files quoted in messages. A file may hold a name of ten
// megabytes; quoting it whole would flood the message box, the terminal and
// the time it takes to lay either out, and tells the user nothing more than
// its beginning does.
class ShownText
{
public:
    static constexpr int kMaxQuoted = 80;

    // text itself when short; else its first characters and an ellipsis,
    // never cutting a character in two.
    static QString abbreviated(const QString& text, int maxLength = kMaxQuoted);
};
