#include "FieldMark.h"

#include "SkinColours/SkinColours.h"

#include <Fenwork/ShareTools.h>

#include <QString>
#include <QVariant>
#include <QWidget>

namespace {

// Style sheets and the remembered link read the mark by this name.
const char kInvalidProperty[] = "invalid";

} // namespace

void FieldMark::showFrameOf(QWidget* field, const char* className)
{
    field->setStyleSheet(SkinColours::resolve(QStringLiteral("%1#%2[invalid=\"true\"]{border: 1px solid @danger;}")
                                                  .arg(QLatin1String(className), field->objectName())));
}

void FieldMark::mark(QWidget* field, bool invalid, const QString& reason)
{
    field->setProperty(kInvalidProperty, invalid);
    field->setToolTip(invalid ? reason : QString());
    ShareTools::reloadStyle(field);
}

bool FieldMark::isMarked(const QWidget* field)
{
    return field->property(kInvalidProperty).toBool();
}
