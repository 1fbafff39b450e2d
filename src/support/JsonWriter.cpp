#include "support/JsonWriter.h"

namespace kovex::json {

namespace {

char hexDigit(unsigned digit) {
    return "0123456789abcdef"[digit & 0xfu];
}

QByteArray unicodeEscape(char16_t unit) {
    QByteArray escape("\\u");
    for (int shift = 12; shift >= 0; shift -= 4)
        escape += hexDigit(unsigned(unit) >> shift);
    return escape;
}

void appendEscaped(QByteArray& json, char16_t c) {
    switch (c) {
    case u'"':
        json += "\\\"";
        return;
    case u'\\':
        json += "\\\\";
        return;
    case u'\b':
        json += "\\b";
        return;
    case u'\f':
        json += "\\f";
        return;
    case u'\n':
        json += "\\n";
        return;
    case u'\r':
        json += "\\r";
        return;
    case u'\t':
        json += "\\t";
        return;
    default:
        json += c < 0x20 ? unicodeEscape(c) : QByteArray(1, char(c));
    }
}

} // namespace

QByteArray quoted(QStringView text) {
    QByteArray json("\"");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            appendEscaped(json, c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            json += text.mid(i, 2).toUtf8();
            ++i;
        } else if (QChar::isSurrogate(c)) {
            json += unicodeEscape(c);
        } else {
            json += text.mid(i, 1).toUtf8();
        }
    }
    return json + '"';
}

void Writer::key(QStringView name) {
    startItem();
    m_json += quoted(name) + ": ";
    m_afterKey = true;
}

void Writer::value(QStringView text) {
    startItem();
    m_json += quoted(text);
}

void Writer::value(int number) {
    startItem();
    m_json += QByteArray::number(number);
}

void Writer::value(bool flag) {
    startItem();
    m_json += flag ? "true" : "false";
}

void Writer::startItem() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_items.empty())
        return;
    if (m_items.back()++ > 0)
        m_json += ',';
    m_json += '\n' + indent(m_items.size());
}

void Writer::open(char bracket) {
    startItem();
    m_json += bracket;
    m_items.push_back(0);
}

void Writer::close(char bracket) {
    m_items.pop_back();
    m_json += '\n' + indent(m_items.size()) + bracket;
}

} // namespace kovex::json
