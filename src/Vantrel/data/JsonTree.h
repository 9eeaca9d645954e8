#pragma once

#include <QByteArray>
#include <QString>

#include <rapidjson/document.h>

#include <string_view>

// A JSON text as a tree, read in one pass without building Qt's objects:
// a plan of 100,000 groups is read in a fraction of the time and memory
// QJsonDocument takes. It accepts exactly the texts QJsonDocument accepts
// (a text this reader alone would refuse, or that nests deeper than Qt
// allows, is decided by QJsonDocument), so a file opens or is refused as it
// always was, with the same message.
class JsonTree
{
public:
    // Qt's limit on nested lists and objects.
    static constexpr int kMaxDepth = 1024;

    // False when the text is no JSON; errorString() and errorOffset() then
    // say why and where, in QJsonParseError's words.
    bool parse(const QByteArray& json);
    const rapidjson::Value& root() const { return m_document; }
    QString errorString() const { return m_errorString; }
    int errorOffset() const { return m_errorOffset; }

    // The object member named key; the last one when a key is repeated (as
    // QJsonDocument keeps it); nullptr when there is none.
    static const rapidjson::Value* member(const rapidjson::Value& object, const char* key, int keyLength);
    // A string's text as QJsonValue::toString() gives it.
    static QString text(const rapidjson::Value& string);
    // The UTF-8 of text().
    static std::string_view textBytes(const rapidjson::Value& string);
    // A value as QJsonDocument writes it in compact form.
    static QString compact(const rapidjson::Value& value);

private:
    bool parseFast(const QByteArray& json);

    // The text the tree's strings point into.
    QByteArray m_text;
    rapidjson::Document m_document;
    QString m_errorString;
    int m_errorOffset = 0;
};
