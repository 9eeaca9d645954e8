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
    // Walks the siblings up to index on every call: loops over all children
    // use FirstChild() and NextSibling(), which cost one step each.
    GenericDS GetChild(int index) const;
    int GetChildrenCount() const;
    GenericDS FirstChild() const;
    GenericDS NextSibling() const;

    // Line of the element's start tag in the loaded file, for messages that
    // point at the place to mend; 0 when unknown.
    int LineNumber() const;

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
