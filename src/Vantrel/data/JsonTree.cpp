#include "JsonTree.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringDecoder>

#include <rapidjson/reader.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Passes the reader's events on to the document; stops where Qt would stop
// nesting; and reads numbers itself. RapidJSON 1.1.0's own conversion of
// numbers with exponents and no digit but 0 ("0e99") runs into undefined
// behaviour, so the reader hands over each number's text instead.
class TreeBuilder
{
public:
    // text is the JSON text as written, parsed is the copy the reader
    // unescapes in place.
    TreeBuilder(rapidjson::Document& document, const char* text, const char* parsed)
        : m_document(document)
        , m_text(text)
        , m_parsed(parsed)
    {
    }

    bool Null() { return m_document.Null(); }
    bool Bool(bool b) { return m_document.Bool(b); }
    bool Int(int i) { return m_document.Int(i); }
    bool Uint(unsigned u) { return m_document.Uint(u); }
    bool Int64(int64_t i) { return m_document.Int64(i); }
    bool Uint64(uint64_t u) { return m_document.Uint64(u); }
    bool Double(double d) { return m_document.Double(d); }
    // The text is valid JSON number syntax: the reader checked it.
    bool RawNumber(const char* s, rapidjson::SizeType length, bool)
    {
        const char* end = s + length;
        if (std::find_if(s, end, [](char c) { return c == '.' || c == 'e' || c == 'E'; }) == end) {
            long long whole = 0;
            if (std::from_chars(s, end, whole).ec == std::errc())
                return whole >= INT_MIN && whole <= INT_MAX ? m_document.Int(int(whole))
                                                             : m_document.Int64(whole);
        }
        double number = 0;
        // Out of range, or written with a fraction or an exponent and come
        // out as 0, which may have been too small for a double ("1e-400"):
        // Qt refuses some such numbers and takes others, so it decides.
        const std::from_chars_result read = std::from_chars(s, end, number);
        if (read.ec != std::errc() || read.ptr != end || number == 0 || !std::isfinite(number))
            return false;
        return m_document.Double(number);
    }
    // Qt keeps a text written without escapes as its UTF-8 and gives it back
    // through QString::fromUtf8, which drops a leading byte order mark; one
    // with escapes it keeps as decoded, mark and all. The tree holds the
    // text as Qt gives it.
    bool String(const char* s, rapidjson::SizeType length, bool copy)
    {
        if (length >= 3 && std::memcmp(s, "\xef\xbb\xbf", 3) == 0 && !hadEscapes(s, length)) {
            s += 3;
            length -= 3;
        }
        return m_document.String(s, length, copy);
    }
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
    // Escapes make a text shorter than it was written: without any, its
    // written form ends where its decoded one does, at the closing quote (an
    // escaped quote there would follow a backslash).
    bool hadEscapes(const char* s, rapidjson::SizeType length) const
    {
        const char* written = m_text + (s - m_parsed);
        return !(written[length] == '"' && (length == 0 || written[length - 1] != '\\'));
    }

    rapidjson::Document& m_document;
    const char* m_text;
    const char* m_parsed;
    int m_depth = 0;
};

// Qt keeps an escaped lone surrogate ("\ud800") in its text, which UTF-8
// cannot hold; it becomes the replacement character, as Qt writes it in any
// message.
QByteArray utf8(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text.toUtf8();
}

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
        const QByteArray bytes = utf8(value.toString());
        out.SetString(bytes.constData(), rapidjson::SizeType(bytes.size()), allocator);
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
            // A key is given back through QString::fromUtf8, which drops a
            // leading byte order mark; the object itself still holds it, and
            // only with it does the key name that member.
            QString keyText = it.key();
            if (!object.contains(keyText))
                keyText.prepend(QChar(QChar::ByteOrderMark));
            const QByteArray key = utf8(keyText);
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

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF). Plans are mostly ASCII, which is checked eight
// bytes at a time; the reader's own check goes byte by byte and took a
// fifth of the reading.
bool isUtf8(const char* data, size_t size)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    size_t at = 0;
    while (at < size) {
        if (at + 8 <= size) {
            std::uint64_t eight;
            std::memcpy(&eight, bytes + at, 8);
            if ((eight & 0x8080808080808080ULL) == 0) {
                at += 8;
                continue;
            }
        }
        const unsigned char lead = bytes[at];
        if (lead < 0x80) {
            ++at;
            continue;
        }
        int length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xbf;
        if (lead >= 0xc2 && lead <= 0xdf) {
            length = 2;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            length = 3;
            if (lead == 0xe0)
                low = 0xa0;
            else if (lead == 0xed)
                high = 0x9f;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            length = 4;
            if (lead == 0xf0)
                low = 0x90;
            else if (lead == 0xf4)
                high = 0x8f;
        } else {
            return false;
        }
        if (at + size_t(length) > size)
            return false;
        if (bytes[at + 1] < low || bytes[at + 1] > high)
            return false;
        for (int i = 2; i < length; ++i) {
            if (bytes[at + size_t(i)] < 0x80 || bytes[at + size_t(i)] > 0xbf)
                return false;
        }
        at += size_t(length);
    }
    return true;
}

bool isJsonSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

bool JsonTree::parseFast(const QByteArray& json)
{
    // Text that is no UTF-8 is Qt's to refuse, in its words.
    if (!isUtf8(json.constData(), size_t(json.size())))
        return false;
    // The strings are unescaped in place, in a copy the tree keeps, instead
    // of each being copied out on its own.
    m_text = QByteArray(json.constData(), json.size());
    constexpr unsigned kFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseStopWhenDoneFlag
        | rapidjson::kParseNumbersAsStringsFlag | rapidjson::kParseInsituFlag;
    // Stops at the first NUL byte, which the check after the value finds.
    rapidjson::InsituStringStream stream(m_text.data());
    bool parsed = false;
    auto generator = [&stream, &parsed, &json, this](rapidjson::Document& document) {
        rapidjson::Reader reader;
        TreeBuilder limited(document, json.constData(), m_text.constData());
        parsed = !reader.Parse<kFlags>(stream, limited).IsError();
        return parsed;
    };
    m_document.Populate(generator);
    // Qt takes only an object or a list as a document.
    if (!parsed || !(m_document.IsObject() || m_document.IsArray()))
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
    // The tree already holds what Qt gives back; a mark still at the start
    // is part of the text.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(string.GetString(), qsizetype(string.GetStringLength())));
}

std::string_view JsonTree::textBytes(const rapidjson::Value& string)
{
    return std::string_view(string.GetString(), string.GetStringLength());
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
