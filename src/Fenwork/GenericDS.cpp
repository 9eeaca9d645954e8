#include "GenericDS.h"

#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <vector>

namespace aptui {

namespace {

// Deeper than any file of ours nests: a hostile one would exhaust the stack
// of the recursive walks (and of the tree's own destruction).
constexpr int kMaxDepth = 256;

} // namespace

struct GenericDS::Element
{
    QString name;
    int line = 0;
    Element* parent = nullptr;
    int index = 0; // among the parent's child elements
    std::vector<std::unique_ptr<Element>> children;
    // The element's content in document order: a text, or (when child is
    // set) the child element at that place.
    struct Part
    {
        QString text;
        Element* child = nullptr;
    };
    std::vector<Part> parts;
    // On the root: elements a new value replaced, kept for the handles to
    // them that are still about.
    std::vector<std::unique_ptr<Element>> removed;

    Element* addChild(const QString& childName, int childLine)
    {
        auto element = std::make_unique<Element>();
        element->name = childName;
        element->line = childLine;
        element->parent = this;
        element->index = int(children.size());
        parts.push_back({ QString(), element.get() });
        children.push_back(std::move(element));
        return children.back().get();
    }

    // Every text inside, children's included, in document order.
    void appendText(QString& text) const
    {
        for (const Part& part : parts) {
            if (part.child)
                part.child->appendText(text);
            else
                text += part.text;
        }
    }

    void write(QXmlStreamWriter& out) const
    {
        if (parts.empty()) {
            out.writeEmptyElement(name);
            return;
        }
        out.writeStartElement(name);
        for (const Part& part : parts) {
            if (part.child)
                part.child->write(out);
            else
                out.writeCharacters(part.text);
        }
        out.writeEndElement();
    }
};

GenericDS::GenericDS() = default;
GenericDS::GenericDS(const GenericDS& other) = default;
GenericDS::GenericDS(GenericDS&& other) noexcept = default;
GenericDS& GenericDS::operator=(const GenericDS& other) = default;
GenericDS& GenericDS::operator=(GenericDS&& other) noexcept = default;
GenericDS::~GenericDS() = default;

GenericDS::GenericDS(std::shared_ptr<Element> document, Element* element)
    : m_document(std::move(document))
    , m_element(element)
{
}

bool GenericDS::loadXML(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader reader(&file);
    std::shared_ptr<Element> root;
    Element* open = nullptr;
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > kMaxDepth)
                return false;
            if (!open) {
                root = std::make_shared<Element>();
                root->name = reader.name().toString();
                root->line = int(reader.lineNumber());
                open = root.get();
            } else {
                open = open->addChild(reader.name().toString(), int(reader.lineNumber()));
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            open = open ? open->parent : nullptr;
            break;
        case QXmlStreamReader::Characters:
            // Text of spaces alone only lays the file out.
            if (open && !reader.isWhitespace())
                open->parts.push_back({ reader.text().toString(), nullptr });
            break;
        default:
            break;
        }
    }
    if (reader.hasError() || !root)
        return false;
    m_document = std::move(root);
    m_element = m_document.get();
    return true;
}

bool GenericDS::SaveXML(const QString& path) const
{
    if (!m_document)
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QXmlStreamWriter out(&file);
    out.setAutoFormatting(true);
    out.setAutoFormattingIndent(2);
    out.writeStartDocument();
    m_document->write(out);
    out.writeEndDocument();
    return !out.hasError() && file.commit();
}

GenericDS GenericDS::CreateASRoot(const QString& name)
{
    m_document = std::make_shared<Element>();
    m_document->name = name;
    m_element = m_document.get();
    return *this;
}

GenericDS GenericDS::CreateChild(const QString& name)
{
    if (!m_element)
        return GenericDS();
    return GenericDS(m_document, m_element->addChild(name, 0));
}

GenericDS GenericDS::GetChildByName(const QString& name) const
{
    if (!m_element)
        return GenericDS();
    for (const auto& child : m_element->children) {
        if (child->name == name)
            return GenericDS(m_document, child.get());
    }
    return GenericDS();
}

GenericDS GenericDS::GetChild(int index) const
{
    if (!m_element || index < 0 || index >= int(m_element->children.size()))
        return GenericDS();
    return GenericDS(m_document, m_element->children[size_t(index)].get());
}

GenericDS GenericDS::FirstChild() const
{
    return GetChild(0);
}

GenericDS GenericDS::NextSibling() const
{
    if (!m_element || !m_element->parent)
        return GenericDS();
    const auto& siblings = m_element->parent->children;
    const size_t next = size_t(m_element->index) + 1;
    if (next >= siblings.size() || siblings[next - 1].get() != m_element)
        return GenericDS();
    return GenericDS(m_document, siblings[next].get());
}

int GenericDS::LineNumber() const
{
    return m_element ? std::max(0, m_element->line) : 0;
}

int GenericDS::GetChildrenCount() const
{
    return m_element ? int(m_element->children.size()) : 0;
}

QString GenericDS::GetName() const
{
    return m_element ? m_element->name : QString();
}

QString GenericDS::GetValue() const
{
    QString text;
    if (m_element)
        m_element->appendText(text);
    return text;
}

void GenericDS::SetValue(const QString& text)
{
    if (!m_element)
        return;
    // Handles to the children taken before stay valid, holding nothing.
    for (auto& child : m_element->children)
        m_document->removed.push_back(std::move(child));
    m_element->children.clear();
    m_element->parts.clear();
    m_element->parts.push_back({ text, nullptr });
}

bool GenericDS::isNull() const
{
    return m_element == nullptr;
}

} // namespace aptui
