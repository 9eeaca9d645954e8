#pragma once

#include <QString>

// The names the shipped data files give scenes, link types and storage
// choices ("Parking Lot", "Fibre", "None") are keys: the tables are looked
// up by them, plan files and the command line store them. What a person
// reads is their translation in the context "DataNames", which
// tools/update_translations.sh fills from the data files. A name with no
// translation (one a user imported) is shown as written.
class DataName
{
public:
    static constexpr const char* kContext = "DataNames";

    static QString shown(const QString& key);
};
