#pragma once

#include "PlanTypes.h"

#include <QByteArray>
#include <QVector>

// A list of groups kept as one block of bytes while nobody looks at it: an
// undo step that holds a cleared city plan costs a megabyte or two instead
// of ten thousand groups' worth of separate strings, and the memory they
// took can go back to the system. Unpacking gives the very same groups.
class PackedGroups
{
public:
    PackedGroups() = default;
    explicit PackedGroups(const QVector<PlanGroup>& groups);

    QVector<PlanGroup> unpack() const;
    qsizetype byteSize() const { return m_bytes.size(); }

private:
    QByteArray m_bytes;
    qsizetype m_count = 0;
};
