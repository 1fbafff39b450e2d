#include "support/JsonWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace kovex;

namespace {

// Texts a user may type, and some no keyboard gives: quotes, backslashes,
// every control character, DEL, other scripts, characters beyond the BMP
// and surrogates without their pair.
QStringList hostileTexts() {
    QStringList texts{QStringLiteral("\"quoted\" \\ back\\slash /"),
                      QString::fromUtf8("Ελληνικά ✓ 日本 🛰 \U0010FFFF"),
                      QString(QChar(0x7f)) + QChar(0x80) + QChar(0xa0) + QChar(0x2028) + QChar(0xfeff),
                      QString(QChar(0xd800)),
                      QString(QChar(0xdc00)) + "x",
                      QString(QChar(0xd83d)) + "x" + QChar(0xd83d),
                      "",
                      "  blanks  "};
    QString controls;
    for (char16_t c = 0; c < 0x20; ++c)
        controls += QChar(c);
    texts << controls;
    return texts;
}

TEST(JsonWriter, QuotesTextsAsQtDoes) {
    for (const QString& text : hostileTexts()) {
        const QByteArray qt = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
        EXPECT_EQ("[" + json::quoted(text) + "]", qt) << qt.toStdString();
    }
}

// The same document written by the writer and by Qt, whose objects keep
// their members in the order of their names.
TEST(JsonWriter, LaysOutADocumentAsQtDoes) {
    json::Writer w;
    w.beginObject();
    w.key(u"a");
    w.value(QStringLiteral("text"));
    w.key(u"b");
    w.beginArray();
    for (const QString& text : hostileTexts())
        w.value(text);
    w.endArray();
    w.key(u"c");
    w.beginObject();
    w.endObject();
    w.key(u"d");
    w.beginArray();
    w.endArray();
    w.key(u"e");
    w.beginObject();
    w.key(u"f");
    w.value(-12);
    w.key(u"g");
    w.value(true);
    w.key(u"h");
    w.beginObject();
    w.key(u"i");
    w.value(false);
    w.endObject();
    w.endObject();
    w.endObject();

    const QJsonObject expected{{"a", "text"},
                               {"b", QJsonArray::fromStringList(hostileTexts())},
                               {"c", QJsonObject()},
                               {"d", QJsonArray()},
                               {"e", QJsonObject{{"f", -12}, {"g", true}, {"h", QJsonObject{{"i", false}}}}}};
    EXPECT_EQ(w.document(), QJsonDocument(expected).toJson(QJsonDocument::Indented));
}

TEST(JsonWriter, KeepsTheOrderOfTheMembersGiven) {
    json::Writer w;
    w.beginObject();
    for (const char16_t* key : {u"z", u"a", u"m"}) {
        w.key(key);
        w.value(1);
    }
    w.endObject();
    EXPECT_EQ(w.document(), "{\n    \"z\": 1,\n    \"a\": 1,\n    \"m\": 1\n}\n");
}

} // namespace
