#include "Configure.h"

namespace apt {

Configure::Configure(const QString& name, const QString& value)
    : m_name(name)
    , m_value(value)
{
}

QString Configure::name() const
{
    return m_name;
}

QString Configure::value() const
{
    return m_value;
}

} // namespace apt
