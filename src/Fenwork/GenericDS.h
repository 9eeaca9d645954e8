#pragma once

#include "FenworkCoreGlobal.h"

#include <QString>

#include <memory>

namespace aptui {

// An XML element handed around by value. Copies share the document, so a
// child taken with GetChild() stays valid as long as any copy lives.
// A missing child reads as a null element whose value is the empty text.
// The tree is read with Qt Core's stream reader: the program reads its
// data files at every start, and a document model would load a library of
// its own before the window could be made.
class FENWORK_CORE_EXPORT GenericDS
{
public:
    GenericDS();
    // Out of line: the shared tree's reference counting stays in this
    // library instead of being compiled into every user's.
    GenericDS(const GenericDS& other);
    GenericDS(GenericDS&& other) noexcept;
    GenericDS& operator=(const GenericDS& other);
    GenericDS& operator=(GenericDS&& other) noexcept;
    ~GenericDS();

    bool loadXML(const QString& path);
    bool SaveXML(const QString& path) const;

    GenericDS CreateASRoot(const QString& name);
    GenericDS CreateChild(const QString& name);

    GenericDS GetChildByName(const QString& name) const;
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
    struct Element; // one element of the tree, with what it holds

    GenericDS(std::shared_ptr<Element> document, Element* element);

    // The root element: it owns the whole tree.
    std::shared_ptr<Element> m_document;
    Element* m_element = nullptr;
};

} // namespace aptui
