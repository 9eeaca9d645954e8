// The floor under reading a plan: a process that reads the file and parses
// it, nothing else. bench/plan_read.sh times it beside vantrel-cli.
//
//   json_floor qt|rapidjson FILE
//
// qt: QJsonDocument::fromJson, the reader plans had before;
// rapidjson: a RapidJSON document of the file, its UTF-8 checked and its
// numbers converted, as the plan reader's tree holds it.

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>

#include <rapidjson/document.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 3 || (std::strcmp(argv[1], "qt") != 0 && std::strcmp(argv[1], "rapidjson") != 0)) {
        std::fprintf(stderr, "usage: json_floor qt|rapidjson FILE\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "json_floor: cannot read %s\n", argv[2]);
        return 1;
    }
    const QByteArray json = file.readAll();
    bool isObject = false;
    if (std::strcmp(argv[1], "qt") == 0) {
        isObject = QJsonDocument::fromJson(json).isObject();
    } else {
        rapidjson::Document document;
        constexpr unsigned kFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseStopWhenDoneFlag
            | rapidjson::kParseFullPrecisionFlag | rapidjson::kParseValidateEncodingFlag;
        document.Parse<kFlags>(json.constData(), size_t(json.size()));
        isObject = !document.HasParseError() && document.IsObject();
    }
    return isObject ? 0 : 1;
}
