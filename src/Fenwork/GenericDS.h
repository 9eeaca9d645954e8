#pragma once

#include "FenworkCoreGlobal.h"

#include <QDomDocument>
#include <QDomElement>
#include <QString>

namespace aptui {

// An XML element handed around by value. Copies share the document, so a
// child taken with GetChild() stays valid as long as any copy lives.
// A missing child reads as a null element whose value is the empty text.
class FENWORK_CORE_EXPORT GenericDS
{
public:
    GenericDS();

    bool loadXML(const QString& path);
    bool SaveXML(const QString& path) const;

    GenericDS CreateASRoot(const QString& name);
    GenericDS CreateChild(const QString& name);

    GenericDS GetChildByName(const QString& name) const;
    GenericDS GetChild(int index) const;
    int GetChildrenCount() const;

    QString GetName() const;
    QString GetValue() const;
    void SetValue(const QString& text);

    bool isNull() const;

private:
    GenericDS(const QDomDocument& document, const QDomElement& element);

    QDomDocument m_document;
    QDomElement m_element;
};

} // namespace aptui
