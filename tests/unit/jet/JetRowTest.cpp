#include "jet/JetStorage.h"

#include "support/KovexError.h"

#include <gtest/gtest.h>

#include <bit>
#include <limits>

using namespace kovex;
using namespace kovex::jet::format;

namespace {

ColumnLayout fixedColumn(const char* name, quint8 type, int number, int offset, int length) {
    return ColumnLayout{QString::fromLatin1(name),     type, number, 0, offset, length,
                        quint8(FixedFlag | AlwaysFlag)};
}

ColumnLayout textColumn(const char* name, int number, int slot, int chars) {
    return ColumnLayout{QString::fromLatin1(name), TextCode, number, slot, 0, 2 * chars, AlwaysFlag};
}

// A whole number, a yes/no, a double and two texts whose variable slots
// run against the column order, as a template's may.
TableLayout sampleTable() {
    TableLayout t;
    t.name = QStringLiteral("Sample");
    t.columns = {fixedColumn("Id", LongCode, 0, 0, 4), fixedColumn("Flag", BoolCode, 1, 0, 0),
                 fixedColumn("Value", DoubleCode, 2, 4, 8), textColumn("Long", 3, 1, 255),
                 textColumn("Short", 4, 0, 10)};
    return t;
}

// The value a cell holds, or T's default (and a failure) when it holds another kind.
template <typename T> T held(const Cell& cell) {
    const T* value = std::get_if<T>(&cell);
    EXPECT_NE(value, nullptr);
    return value ? *value : T{};
}

class RowEncoding : public ::testing::Test {
  protected:
    QByteArray encode(const CellRow& cells) {
        QByteArray row;
        encode(cells, row);
        return row;
    }
    void encode(const CellRow& cells, QByteArray& row) {
        encodeRow(table, RowShape(table), cells, longValues, fail, row);
    }
    QString refusal(const CellRow& cells) {
        try {
            encode(cells);
        } catch (const KovexError& e) {
            return e.text();
        }
        return {};
    }
    Cell readBack(const QByteArray& row, int column) const {
        return readCell(QByteArray(), row, table, table.columns[size_t(column)]);
    }

    TableLayout table = sampleTable();
    QByteArray longPages;
    PageAllocator allocator{longPages, {}};
    PageFiller longFiller{allocator, QByteArray("LVAL")};
    std::function<PageFiller&(int)> longValues = [this](int) -> PageFiller& { return longFiller; };
    Refusal fail = [](const ColumnLayout& c, const QString& detail) {
        throw KovexError(c.name + QStringLiteral(": ") + detail);
    };
};

TEST_F(RowEncoding, LaysOutFixedAreaVariableSlotsOffsetsAndMask) {
    const QByteArray expected("\x05\x00"                         // five columns
                              "\x07\x00\x00\x00"                 // Id
                              "\x00\x00\x00\x00\x00\x00\xF8\x3F" // Value 1.5
                              "A\x00"
                              "B\x00"            // slot 1 (Long); slot 0 (Short) is empty
                              "\x12\x00"         // end of the variable data
                              "\x0E\x00\x0E\x00" // slot 1, then slot 0, both at 14
                              "\x02\x00"         // two variable columns
                              "\x1F",            // all five present, the flag set
                              27);
    EXPECT_EQ(encode({qint32(7), true, 1.5, QStringLiteral("AB"), QStringLiteral("")}).toHex(' '),
              expected.toHex(' '));
}

// NULL clears a column's bit; an empty text keeps it, so the two read back
// apart. A false yes/no is its clear bit.
TEST_F(RowEncoding, NullsEmptyTextsAndFalseReadBackAsWritten) {
    const QByteArray nulls = encode({std::monostate{}, false, std::monostate{}, std::monostate{}, QString()});
    EXPECT_EQ(quint8(nulls.back()), 0x10);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(readBack(nulls, 0)));
    EXPECT_EQ(held<bool>(readBack(nulls, 1)), false);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(readBack(nulls, 2)));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(readBack(nulls, 3)));
    EXPECT_EQ(held<QString>(readBack(nulls, 4)), QString());
}

TEST_F(RowEncoding, DoublesKeepEveryBit) {
    for (const double d : {-0.0, std::numeric_limits<double>::denorm_min(), -123.456e300, 0.1}) {
        const Cell back = readBack(encode({qint32(1), false, d, QString(), QString()}), 2);
        ASSERT_TRUE(std::holds_alternative<double>(back));
        EXPECT_EQ(std::bit_cast<quint64>(std::get<double>(back)), std::bit_cast<quint64>(d)) << d;
    }
}

TEST_F(RowEncoding, TextOfTheColumnsFullLengthFitsAndOneMoreIsRefused) {
    const QString full(255, QChar(u'é'));
    EXPECT_EQ(held<QString>(readBack(encode({qint32(1), false, 0.0, full, QString()}), 3)), full);
    EXPECT_EQ(refusal({qint32(1), false, 0.0, full + u'x', QString()}),
              QStringLiteral("Long: a text of 256 characters is longer than the column's 255"));
}

// A text beginning with the byte-order mark would read as compressed if
// stored plainly: it is stored compressed, unless a character's low byte
// is 00, which the compressed form would take as a toggle.
TEST_F(RowEncoding, TextStartingWithByteOrderMarkIsCompressedOrRefused) {
    const QString marked = QStringLiteral("\uFEFFAé");
    const QByteArray row = encode({qint32(1), false, 0.0, QString(), marked});
    EXPECT_EQ(row.mid(14, 8).toHex(' '), QByteArray("\xFF\xFE\x00\xFF\xFE\x00"
                                                    "A\xE9",
                                                    8)
                                             .toHex(' '));
    EXPECT_EQ(held<QString>(readBack(row, 4)), marked);
    EXPECT_TRUE(refusal({qint32(1), false, 0.0, QString(), QStringLiteral("\uFEFF\u0100")})
                    .startsWith(QStringLiteral("Short: a text that begins with U+FEFF")));
}

// Every value is checked before any is written, in column order: with two
// refused values the first column is named, whatever the slots' order.
TEST_F(RowEncoding, FirstRefusedColumnInColumnOrderIsNamed) {
    const QString tooLong(11, QChar(u'x'));
    EXPECT_EQ(refusal({qint32(1), false, std::numeric_limits<double>::infinity(), QString(), tooLong}),
              QStringLiteral("Value: a number that is infinite or undefined cannot be stored"));
    EXPECT_EQ(refusal({qint32(1), false, 0.0, QString(256, u'x'), tooLong}),
              QStringLiteral("Long: a text of 256 characters is longer than the column's 255"));
    EXPECT_EQ(refusal({1.0, false, 0.0, QString(), QString()}),
              QStringLiteral("Id: a value of the wrong kind for the column"));
}

// One buffer serves every row of a table: a short row after a long one
// keeps nothing of it.
TEST_F(RowEncoding, ReusedBufferHoldsOnlyTheLastRow) {
    QByteArray buffer;
    encode({qint32(-1), true, -1.0, QString(255, u'z'), QStringLiteral("0123456789")}, buffer);
    const CellRow shortRow{qint32(2), false, std::monostate{}, QString(), QStringLiteral("a")};
    encode(shortRow, buffer);
    EXPECT_EQ(buffer, encode(shortRow));
}

} // namespace
