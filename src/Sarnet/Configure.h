#pragma once

#include <QString>

namespace apt {

// One item of the shell configuration: an element name and its value text.
class Configure
{
public:
    Configure(const QString& name, const QString& value);

    QString name() const;
    QString value() const;

private:
    QString m_name;
    QString m_value;
};

} // namespace apt
