#include "GenericDS.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>

namespace aptui {

GenericDS::GenericDS() = default;

GenericDS::GenericDS(const QDomDocument& document, const QDomElement& element)
    : m_document(document)
    , m_element(element)
{
}

bool GenericDS::loadXML(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QDomDocument document;
    if (!document.setContent(&file))
        return false;
    const QDomElement root = document.documentElement();
    if (root.isNull())
        return false;
    m_document = document;
    m_element = root;
    return true;
}

bool GenericDS::SaveXML(const QString& path) const
{
    if (m_document.isNull())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << m_document.toString(2);
    out.flush();
    return file.commit();
}

GenericDS GenericDS::CreateASRoot(const QString& name)
{
    m_document = QDomDocument();
    m_document.appendChild(m_document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    m_element = m_document.createElement(name);
    m_document.appendChild(m_element);
    return *this;
}

GenericDS GenericDS::CreateChild(const QString& name)
{
    if (m_element.isNull())
        return GenericDS();
    QDomElement child = m_document.createElement(name);
    m_element.appendChild(child);
    return GenericDS(m_document, child);
}

GenericDS GenericDS::GetChildByName(const QString& name) const
{
    if (m_element.isNull())
        return GenericDS();
    return GenericDS(m_document, m_element.firstChildElement(name));
}

GenericDS GenericDS::GetChild(int index) const
{
    if (m_element.isNull() || index < 0)
        return GenericDS();
    int position = 0;
    for (QDomElement child = m_element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (position++ == index)
            return GenericDS(m_document, child);
    }
    return GenericDS();
}

GenericDS GenericDS::FirstChild() const
{
    if (m_element.isNull())
        return GenericDS();
    return GenericDS(m_document, m_element.firstChildElement());
}

GenericDS GenericDS::NextSibling() const
{
    if (m_element.isNull())
        return GenericDS();
    return GenericDS(m_document, m_element.nextSiblingElement());
}

int GenericDS::LineNumber() const
{
    return m_element.isNull() ? 0 : std::max(0, m_element.lineNumber());
}

int GenericDS::GetChildrenCount() const
{
    int count = 0;
    for (QDomElement child = m_element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        ++count;
    return count;
}

QString GenericDS::GetName() const
{
    return m_element.tagName();
}

QString GenericDS::GetValue() const
{
    return m_element.isNull() ? QString() : m_element.text();
}

void GenericDS::SetValue(const QString& text)
{
    if (m_element.isNull())
        return;
    while (!m_element.firstChild().isNull())
        m_element.removeChild(m_element.firstChild());
    m_element.appendChild(m_document.createTextNode(text));
}

bool GenericDS::isNull() const
{
    return m_element.isNull();
}

} // namespace aptui
