#include "PlanProperties.h"

PlanProperties PlanProperties::of(const PlanData& plan)
{
    return { plan.siteName, plan.customer, plan.address, plan.designer, plan.notes, plan.logo };
}

void PlanProperties::applyTo(PlanData& plan) const
{
    plan.siteName = siteName;
    plan.customer = customer;
    plan.address = address;
    plan.designer = designer;
    plan.notes = notes;
    plan.logo = logo;
}

bool PlanProperties::isPng(const QByteArray& bytes)
{
    return bytes.startsWith(QByteArrayLiteral("\x89PNG\r\n\x1a\n"));
}

bool PlanProperties::isJpeg(const QByteArray& bytes)
{
    return bytes.startsWith(QByteArrayLiteral("\xff\xd8\xff"));
}

QString PlanProperties::logoProblem(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QString();
    if (!isPng(bytes) && !isJpeg(bytes))
        return tr("a PNG or JPEG picture");
    if (bytes.size() > kMaxLogoBytes)
        return tr("a picture of at most %1 MiB").arg(kMaxLogoBytes / (1024 * 1024));
    return QString();
}
