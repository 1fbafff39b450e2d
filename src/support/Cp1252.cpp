#include "support/Cp1252.h"

#include <QList>

#include <array>

namespace kovex::cp1252 {

namespace {

// Bytes 0x80..0x9F; the five the code page leaves undefined map to the C1
// control of the same number, as Windows itself does.
constexpr std::array<char16_t, 32> kHigh{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                         0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                         0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                         0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> byteOf(QChar c) {
    const char16_t code = c.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == code)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

} // namespace

QString decode(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text += (code >= 0x80 && code < 0xA0) ? QChar(kHigh[code - 0x80]) : QChar(code);
    }
    return text;
}

std::optional<QByteArray> encode(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const std::optional<char> byte = byteOf(c);
        if (!byte)
            return std::nullopt;
        bytes += *byte;
    }
    return bytes;
}

bool appendEncoded(QStringView text, QByteArray& bytes) {
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    char* out = bytes.data() + start;
    for (QChar c : text) {
        const std::optional<char> byte = byteOf(c);
        if (!byte) {
            bytes.truncate(start);
            return false;
        }
        *out++ = *byte;
    }
    return true;
}

namespace {

// Walks the text code point by code point without any conversion: converting
// one character to a text of its own (QString::fromUcs4) drops U+FEFF as a
// byte-order mark, and toUcs4() turns a lone surrogate into U+FFFD, so a
// character would go unseen or be misnamed.
template <typename Visit> void forEachCodePoint(QStringView text, Visit visit) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            visit(QChar::surrogateToUcs4(c, text[i + 1]), text.mid(i, 2));
            ++i;
        } else {
            visit(static_cast<char32_t>(c.unicode()), text.mid(i, 1));
        }
    }
}

bool hasByte(char32_t code, QStringView character) {
    return character.size() == 1 && code <= 0xFFFF && byteOf(character[0]).has_value();
}

} // namespace

QString replacingUnencodable(const QString& text) {
    QString result;
    result.reserve(text.size());
    forEachCodePoint(text, [&](char32_t code, QStringView character) {
        if (hasByte(code, character))
            result += character;
        else
            result += QLatin1Char('?');
    });
    return result;
}

std::optional<char32_t> firstUnencodable(QStringView text) {
    std::optional<char32_t> found;
    forEachCodePoint(text, [&](char32_t code, QStringView character) {
        if (!found && !hasByte(code, character))
            found = code;
    });
    return found;
}

QString describe(char32_t codePoint) {
    const QString number =
        QString::number(static_cast<uint>(codePoint), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    const QString shown = surrogate ? QString() : QStringView(QChar::fromUcs4(codePoint)).toString();
    return "the character \"" + shown + "\" (U+" + number + ")";
}

} // namespace kovex::cp1252
