#include "jet/JetFormat.h"

#include "support/KovexError.h"

#include <QSysInfo>

#include <array>
#include <utility>

namespace kovex::jet::format {

int TableLayout::fixedBytes() const {
    int end = 0;
    for (const ColumnLayout& c : columns)
        if (c.fixed())
            end = std::max(end, c.fixedOffset + c.length);
    return end;
}

int TableLayout::varCount() const {
    int n = 0;
    for (const ColumnLayout& c : columns)
        n += c.fixed() ? 0 : 1;
    return n;
}

const ColumnLayout* TableLayout::column(int number) const {
    for (const ColumnLayout& c : columns)
        if (c.number == number)
            return &c;
    return nullptr;
}

namespace {

constexpr quint16 ByteOrderMark = 0xFEFF;

bool singleByteUnit(quint16 unit) {
    return unit >= 0x01 && unit <= 0xFF;
}

// A text that starts with the byte-order mark would read as compressed when
// stored plainly, so it is stored compressed.
std::optional<QByteArray> compressed(const QString& text) {
    QByteArray out("\xFF\xFE", 2);
    bool oneByte = true;
    for (QChar ch : text) {
        const quint16 unit = ch.unicode();
        if (singleByteUnit(unit) != oneByte) {
            out.append('\0');
            oneByte = !oneByte;
        }
        if (oneByte) {
            out.append(char(unit));
        } else {
            if ((unit & 0xFF) == 0)
                return std::nullopt; // its low byte would read as a toggle
            append16(out, unit);
        }
    }
    return out;
}

QString decompressed(const QByteArray& bytes, const Naming& what) {
    QString text;
    bool oneByte = true;
    for (int i = 2; i < bytes.size();) {
        const quint8 b = quint8(bytes[i]);
        if (b == 0) {
            oneByte = !oneByte;
            ++i;
        } else if (oneByte) {
            text.append(QChar(b));
            ++i;
        } else {
            if (i + 1 >= bytes.size())
                throw KovexError(what() + ": a compressed text ends in the middle of a character");
            text.append(QChar(char16_t(u16(bytes, i))));
            i += 2;
        }
    }
    return text;
}

// General (legacy) sort codes of the printable ASCII characters from the
// blank on; 0 marks the apostrophe and the hyphen, which sort by extra codes
// this library does not write.
constexpr std::array<quint16, 95> AsciiCodes = {
    0x07, 0x09, 0x0A, 0x0C, 0x0E, 0x10, 0x12,   0,      0x14,   0x16,   0x18,   0x2C, 0x1A, 0,
    0x1C, 0x1E, 0x36, 0x38, 0x3A, 0x3C, 0x3E,   0x40,   0x42,   0x44,   0x46,   0x48, 0x20, 0x22,
    0x2E, 0x30, 0x32, 0x24, 0x26, 0x4A, 0x4C,   0x4D,   0x4F,   0x51,   0x53,   0x55, 0x57, 0x59,
    0x5B, 0x5C, 0x5E, 0x60, 0x62, 0x64, 0x66,   0x68,   0x69,   0x6B,   0x6D,   0x6F, 0x71, 0x73,
    0x75, 0x76, 0x78, 0x27, 0x29, 0x2A, 0x2B02, 0x2B03, 0x2B07, 0x4A,   0x4C,   0x4D, 0x4F, 0x51,
    0x53, 0x55, 0x57, 0x59, 0x5B, 0x5C, 0x5E,   0x60,   0x62,   0x64,   0x66,   0x68, 0x69, 0x6B,
    0x6D, 0x6F, 0x71, 0x73, 0x75, 0x76, 0x78,   0x2B09, 0x2B0B, 0x2B0D, 0x2B0F,
};

} // namespace

std::optional<QByteArray> encodeText(const QString& text) {
    if (!text.isEmpty() && text[0].unicode() == ByteOrderMark)
        return compressed(text);
    QByteArray out;
    appendText(out, text);
    return out;
}

bool textStorable(const QString& text) {
    return text.isEmpty() || text[0].unicode() != ByteOrderMark || compressed(text).has_value();
}

void appendText(QByteArray& out, const QString& text) {
    if (!text.isEmpty() && text[0].unicode() == ByteOrderMark) {
        out += compressed(text).value();
        return;
    }
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        // UTF-16 in memory is already the stored form
        out.append(reinterpret_cast<const char*>(text.utf16()), 2 * text.size());
    } else {
        out.reserve(out.size() + 2 * text.size());
        for (QChar ch : text)
            append16(out, ch.unicode());
    }
}

QString decodeText(const QByteArray& bytes, const QString& what) {
    return decodeText(bytes, [&] { return what; });
}

QString decodeText(const QByteArray& bytes, const Naming& what) {
    if (bytes.size() >= 2 && quint8(bytes[0]) == 0xFF && quint8(bytes[1]) == 0xFE)
        return decompressed(bytes, what);
    if (bytes.size() % 2 != 0)
        throw KovexError(what() + ": a text of an odd number of bytes");
    QString text;
    text.reserve(bytes.size() / 2);
    for (int i = 0; i < bytes.size(); i += 2)
        text.append(QChar(char16_t(u16(bytes, i))));
    return text;
}

bool appendGeneralLegacyKey(QByteArray& key, const QString& text) {
    key.append(char(0x7F));
    for (QChar ch : text) {
        const quint16 unit = ch.unicode();
        const quint16 code = unit >= 0x20 && unit <= 0x7E ? AsciiCodes[unit - 0x20] : 0;
        if (code == 0)
            return false;
        if (code > 0xFF)
            key.append(char(code >> 8));
        key.append(char(code & 0xFF));
    }
    key.append('\x01').append('\0');
    return true;
}

void appendLongKey(QByteArray& key, qint32 value) {
    const quint32 flipped = quint32(value) ^ 0x80000000u;
    const std::array<char, 5> bytes{char(0x7F), char((flipped >> 24) & 0xFF), char((flipped >> 16) & 0xFF),
                                    char((flipped >> 8) & 0xFF), char(flipped & 0xFF)};
    key.append(bytes.data(), qsizetype(bytes.size()));
}

void rc4(QByteArray& bytes, int from, int length, const QByteArray& key) {
    std::array<quint8, 256> s{};
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = quint8(i);
    const auto keySize = static_cast<std::size_t>(key.size());
    for (std::size_t i = 0, j = 0; i < s.size(); ++i) {
        j = (j + s[i] + quint8(key[qsizetype(i % keySize)])) & 0xFF;
        std::swap(s[i], s[j]);
    }
    std::size_t i = 0, j = 0;
    for (int n = 0; n < length; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        bytes[from + n] = char(quint8(bytes[from + n]) ^ s[(s[i] + s[j]) & 0xFFu]);
    }
}

} // namespace kovex::jet::format
