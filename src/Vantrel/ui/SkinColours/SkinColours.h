#pragma once

#include <QString>

// The skin's colours that the pages write into their rich-text figures and
// their own small style sheets, where the skin's sheets do not reach. The
// names and values are those of the skin's palette
// (plugins/skins/CommonSkin/Qss/Vantrel/00-palette.qss); a test keeps the two
// in step.
class SkinColours
{
public:
    struct Entry
    {
        const char* name;
        const char* value;
    };

    // Every colour the program's code uses, by its palette name.
    static const Entry* begin();
    static const Entry* end();

    // The value of one palette name ("accent" gives "#5e6fec"), empty for a
    // name the program does not use.
    static QString value(const char* name);

    // A template with "@name" for each colour, as in the skin's sheets,
    // turned into one with the values.
    static QString resolve(const QString& text);
};
