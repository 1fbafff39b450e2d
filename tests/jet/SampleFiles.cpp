#include "SampleFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <cmath>
#include <limits>

namespace kovex::jet::samples {

namespace {

QString hostileText() {
    // Beyond Windows-1252 (Greek, CJK, a character beyond U+FFFF as a
    // surrogate pair), quotes, separators and line ends that a reader could
    // take apart.
    return QString::fromUtf8(
        "Zo\xC3\xAB \xCE\xA9 \xE4\xB8\x80 \xF0\x9F\x93\xA1 \"q\" 'a',b;c\tTab\r\nline \xE2\x82\xAC");
}

QString randomText(std::mt19937& random, int maxChars) {
    static const std::vector<char16_t> pool = {u'a',   u'Z',   u'0',   u' ',   u'"',   u',',
                                               u'\n',  u'\\',  0x00E9, 0x20AC, 0x03A9, 0x4E00,
                                               0x0100, 0xFFFD, 0x00FF, 0xFEFF};
    std::uniform_int_distribution<int> length(0, maxChars), pick(0, int(pool.size()));
    QString text;
    const int n = length(random);
    while (text.size() < n) {
        const int k = pick(random);
        if (k == int(pool.size())) {
            if (text.size() + 2 <= n)
                text += QString::fromUtf8("\xF0\x9F\x93\xA1");
            else
                text += u'x';
        } else if (pool[size_t(k)] != 0xFEFF || !text.isEmpty()) {
            text += QChar(pool[size_t(k)]);
        }
    }
    return text;
}

Value randomValue(std::mt19937& random, const ColumnDef& c) {
    std::uniform_int_distribution<int> dice(0, 9);
    if (dice(random) == 0)
        return std::monostate{};
    static const double doubles[] = {
        -0.0, 0.0, std::numeric_limits<double>::denorm_min(), 1.7e308, -1.7e308, 0.1, -123.456, 1e-300, 3.0};
    switch (c.type) {
    case ColumnType::Long:
        return qint32(std::uniform_int_distribution<qint64>(INT32_MIN, INT32_MAX)(random));
    case ColumnType::Double:
        return doubles[std::uniform_int_distribution<size_t>(0, std::size(doubles) - 1)(random)];
    case ColumnType::Boolean:
        return dice(random) < 5;
    case ColumnType::Text:
        return dice(random) == 1 ? QString(c.maxChars, u'x') : randomText(random, c.maxChars);
    case ColumnType::Memo:
        return randomText(random, dice(random) == 1 ? 3000 : 100);
    }
    return std::monostate{};
}

QJsonValue jsonValue(const Value& v) {
    if (const auto* x = std::get_if<qint32>(&v))
        return *x;
    if (const auto* x = std::get_if<bool>(&v))
        return *x;
    if (const auto* x = std::get_if<QString>(&v))
        return *x;
    if (const auto* x = std::get_if<double>(&v)) {
        char buffer[64];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, *x).ptr;
        return QJsonObject{{"double", QString::fromLatin1(buffer, int(end - buffer))}};
    }
    return QJsonValue::Null;
}

const char* typeName(ColumnType t) {
    switch (t) {
    case ColumnType::Long:
        return "long";
    case ColumnType::Double:
        return "double";
    case ColumnType::Boolean:
        return "boolean";
    case ColumnType::Text:
        return "text";
    case ColumnType::Memo:
        return "memo";
    }
    return "?";
}

} // namespace

Sample edgeSample() {
    Sample s;
    s.schema.push_back({QStringLiteral("Applicant"),
                        {{QStringLiteral("FilePK"), ColumnType::Long},
                         {QStringLiteral("Name"), ColumnType::Text, 40},
                         {QStringLiteral("Note"), ColumnType::Memo},
                         {QStringLiteral("Height m"), ColumnType::Double},
                         {QStringLiteral("Shared"), ColumnType::Boolean},
                         {QStringLiteral("Code"), ColumnType::Text, 1}},
                        0});
    s.schema.push_back({QStringLiteral("Points"),
                        {{QStringLiteral("PointNr"), ColumnType::Long},
                         {QStringLiteral("Field"), ColumnType::Double},
                         {QStringLiteral("Description"), ColumnType::Text, 255}},
                        -1});
    s.schema.push_back({QStringLiteral("Empty_Table"), {{QStringLiteral("Only"), ColumnType::Text, 10}}, -1});
    s.schema.push_back({QStringLiteral("Fixed_Only"),
                        {{QStringLiteral("K"), ColumnType::Long},
                         {QStringLiteral("X"), ColumnType::Double},
                         {QStringLiteral("B"), ColumnType::Boolean},
                         {QStringLiteral("L"), ColumnType::Long}},
                        0});
    const QString longMemo = QString(5000, u'm') + hostileText();
    s.rows.push_back({
        {qint32(61), QStringLiteral("ZZ0ZZ"), hostileText(), 12.5, true, QStringLiteral("F")},
        {qint32(-2147483647 - 1), QString(40, QChar(0x4E00)), longMemo, -0.0, false, QString()},
        {qint32(2147483647), QString(), QString(), std::numeric_limits<double>::denorm_min(),
         std::monostate{}, std::monostate{}},
        {qint32(0), QChar(0xFEFF) + QStringLiteral("BOM first"), QString(300, QChar(0x20AC)), 1.7e308, true,
         QStringLiteral(" ")},
        {qint32(7), std::monostate{}, std::monostate{}, -1.7e308, false, QStringLiteral("\"")},
    });
    std::vector<Row> points;
    for (int k = 1; k <= 12; ++k)
        points.push_back({qint32(k), k * 0.1, QString(qsizetype{20} * k, QChar(char16_t(u'a' + k)))});
    s.rows.push_back(points);
    s.rows.push_back({});
    s.rows.push_back({{qint32(5), 2.5, true, qint32(-1)},
                      {qint32(6), std::monostate{}, false, std::monostate{}},
                      {qint32(7), -0.5, true, qint32(258)}});
    return s;
}

Sample wideSample() {
    Sample s;
    TableDef t{QStringLiteral("Wide"), {}, 0};
    Row row;
    for (int i = 0; i < 100; ++i) {
        const ColumnType type = ColumnType(i % 5);
        t.columns.push_back(
            {QStringLiteral("%1").arg(i, 3, 10, QChar(u'0')) + QString(61, QChar(0x00E9)), type, 5});
        row.push_back(type == ColumnType::Long      ? Value(qint32(i))
                      : type == ColumnType::Double  ? Value(i / 7.0)
                      : type == ColumnType::Boolean ? Value(i % 2 == 0)
                                                    : Value(QStringLiteral("v%1").arg(i)));
    }
    s.schema.push_back(t);
    s.rows.push_back({row});
    return s;
}

Sample randomSample(std::mt19937& random, int maxRows) {
    Sample s;
    std::uniform_int_distribution<int> tables(1, 4), columns(1, 8), type(0, 4), chars(1, 255);
    const int n = tables(random);
    for (int t = 0; t < n; ++t) {
        TableDef def;
        def.name = QStringLiteral("T%1_%2").arg(t).arg(random() % 1000);
        const int m = columns(random);
        for (int c = 0; c < m; ++c) {
            ColumnDef col{QStringLiteral("C%1 \u00e9").arg(c), ColumnType(type(random)),
                          chars(random) % 60 + 1};
            def.columns.push_back(col);
        }
        if (def.columns[0].type == ColumnType::Long && random() % 2)
            def.primaryKey = 0;
        const int rows = std::uniform_int_distribution<int>(0, maxRows)(random);
        std::vector<Row> tableRows;
        for (int r = 0; r < rows; ++r) {
            Row row;
            for (const ColumnDef& c : def.columns)
                row.push_back(randomValue(random, c));
            if (def.primaryKey == 0)
                row[0] = qint32(r * 3 - 500);
            tableRows.push_back(row);
        }
        s.schema.push_back(def);
        s.rows.push_back(tableRows);
    }
    return s;
}

Database build(const Sample& sample) {
    Database db = Database::create(sample.schema);
    for (size_t t = 0; t < sample.schema.size(); ++t)
        db.replaceRows(sample.schema[t].name, sample.rows[t]);
    return db;
}

QByteArray expectedJson(const Database& db) {
    QJsonArray tables;
    for (const TableDef& t : db.tables()) {
        QJsonArray columns, rows;
        for (const ColumnDef& c : t.columns)
            columns.append(QJsonObject{{"name", c.name},
                                       {"type", typeName(c.type)},
                                       {"chars", c.type == ColumnType::Text ? c.maxChars : 0}});
        for (const Row& r : db.rows(t.name)) {
            QJsonArray row;
            for (const Value& v : r)
                row.append(jsonValue(v));
            rows.append(row);
        }
        tables.append(QJsonObject{{"name", t.name}, {"columns", columns}, {"rows", rows}});
    }
    return QJsonDocument(QJsonObject{{"tables", tables}}).toJson(QJsonDocument::Compact);
}

} // namespace kovex::jet::samples
