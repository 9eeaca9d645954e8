#include "JsonTree.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include <cstring>

namespace {

// Passes the reader's events on to the document, and stops where Qt would
// stop nesting.
class DepthLimit
{
public:
    explicit DepthLimit(rapidjson::Document& document)
        : m_document(document)
    {
    }

    bool Null() { return m_document.Null(); }
    bool Bool(bool b) { return m_document.Bool(b); }
    bool Int(int i) { return m_document.Int(i); }
    bool Uint(unsigned u) { return m_document.Uint(u); }
    bool Int64(int64_t i) { return m_document.Int64(i); }
    bool Uint64(uint64_t u) { return m_document.Uint64(u); }
    bool Double(double d) { return m_document.Double(d); }
    bool RawNumber(const char* s, rapidjson::SizeType length, bool copy)
    {
        return m_document.RawNumber(s, length, copy);
    }
    bool String(const char* s, rapidjson::SizeType length, bool copy) { return m_document.String(s, length, copy); }
    bool Key(const char* s, rapidjson::SizeType length, bool copy) { return m_document.Key(s, length, copy); }
    bool StartObject() { return ++m_depth <= JsonTree::kMaxDepth && m_document.StartObject(); }
    bool EndObject(rapidjson::SizeType members)
    {
        --m_depth;
        return m_document.EndObject(members);
    }
    bool StartArray() { return ++m_depth <= JsonTree::kMaxDepth && m_document.StartArray(); }
    bool EndArray(rapidjson::SizeType elements)
    {
        --m_depth;
        return m_document.EndArray(elements);
    }

private:
    rapidjson::Document& m_document;
    int m_depth = 0;
};

void copyInto(rapidjson::Value& out, const QJsonValue& value, rapidjson::Document::AllocatorType& allocator)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        out.SetBool(value.toBool());
        break;
    case QJsonValue::Double: {
        const QVariant number = value.toVariant();
        if (number.typeId() == QMetaType::LongLong)
            out.SetInt64(number.toLongLong());
        else
            out.SetDouble(value.toDouble());
        break;
    }
    case QJsonValue::String: {
        const QByteArray utf8 = value.toString().toUtf8();
        out.SetString(utf8.constData(), rapidjson::SizeType(utf8.size()), allocator);
        break;
    }
    case QJsonValue::Array: {
        out.SetArray();
        const QJsonArray array = value.toArray();
        for (const QJsonValue& element : array) {
            rapidjson::Value item;
            copyInto(item, element, allocator);
            out.PushBack(item, allocator);
        }
        break;
    }
    case QJsonValue::Object: {
        out.SetObject();
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QByteArray key = it.key().toUtf8();
            rapidjson::Value name(key.constData(), rapidjson::SizeType(key.size()), allocator);
            rapidjson::Value item;
            copyInto(item, it.value(), allocator);
            out.AddMember(name, item, allocator);
        }
        break;
    }
    default:
        out.SetNull();
    }
}

bool isJsonSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

bool JsonTree::parseFast(const QByteArray& json)
{
    constexpr unsigned kFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseStopWhenDoneFlag
        | rapidjson::kParseFullPrecisionFlag | rapidjson::kParseValidateEncodingFlag;
    rapidjson::MemoryStream stream(json.constData(), size_t(json.size()));
    bool parsed = false;
    auto generator = [&stream, &parsed](rapidjson::Document& document) {
        rapidjson::Reader reader;
        DepthLimit limited(document);
        parsed = !reader.Parse<kFlags>(stream, limited).IsError();
        return parsed;
    };
    m_document.Populate(generator);
    if (!parsed)
        return false;
    // What follows the value may only be space: a NUL or anything else is
    // more than one value, which Qt refuses.
    for (size_t at = stream.Tell(); at < size_t(json.size()); ++at) {
        if (!isJsonSpace(json.at(qsizetype(at))))
            return false;
    }
    return true;
}

bool JsonTree::parse(const QByteArray& json)
{
    m_errorString.clear();
    m_errorOffset = 0;
    if (parseFast(json))
        return true;
    // Rare: no JSON at all, or a form only Qt takes (a byte order mark, a
    // number such as "1.", a lone surrogate). Qt decides, and says why.
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        m_document.SetNull();
        m_errorString = error.errorString();
        m_errorOffset = error.offset;
        return false;
    }
    const QJsonValue root = document.isObject() ? QJsonValue(document.object())
        : document.isArray()                    ? QJsonValue(document.array())
                                                : QJsonValue();
    m_document.SetNull();
    copyInto(m_document, root, m_document.GetAllocator());
    return true;
}

const rapidjson::Value* JsonTree::member(const rapidjson::Value& object, const char* key, int keyLength)
{
    if (!object.IsObject())
        return nullptr;
    for (auto it = object.MemberEnd(); it != object.MemberBegin();) {
        --it;
        if (int(it->name.GetStringLength()) == keyLength && std::memcmp(it->name.GetString(), key, size_t(keyLength)) == 0)
            return &it->value;
    }
    return nullptr;
}

QString JsonTree::text(const rapidjson::Value& string)
{
    return QString::fromUtf8(string.GetString(), qsizetype(string.GetStringLength()));
}

QString JsonTree::compact(const rapidjson::Value& value)
{
    QJsonValue shown;
    if (value.IsBool())
        shown = value.GetBool();
    else if (value.IsInt64())
        shown = qint64(value.GetInt64());
    else if (value.IsNumber())
        shown = value.GetDouble();
    else if (value.IsString())
        shown = text(value);
    else if (value.IsArray())
        shown = QJsonArray();
    else if (value.IsObject())
        shown = QJsonObject();
    const QByteArray array = QJsonDocument(QJsonArray{ shown }).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}
