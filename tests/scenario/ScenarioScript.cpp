#include "ScenarioScript.h"

#include "ScenarioFailure.h"

#include <stdexcept>

namespace kovex::scenario {

namespace {

// "\u{FEFF}": a character that would be invisible or unsafe in the file
// itself, by its code point; `i` stands on the "{" and ends behind the "}".
QString codePointEscape(const QString& line, qsizetype& i) {
    const qsizetype close = line.indexOf('}', i);
    bool ok = false;
    const uint code = close < 0 ? 0 : line.mid(i + 1, close - i - 1).toUInt(&ok, 16);
    if (!ok || code > 0x10FFFF)
        throw std::runtime_error("a code point in hexadecimal digits in \\u{...}");
    i = close + 1;
    return QStringView(QChar::fromUcs4(static_cast<char32_t>(code))).toString();
}

// The character an escape behind a backslash stands for; `i` stands on the
// character after the backslash and ends behind the escape.
QString escapedCharacter(const QString& line, qsizetype& i) {
    const QChar escaped = line[i++];
    if (escaped == 'u' && i < line.size() && line[i] == '{')
        return codePointEscape(line, i);
    return escaped == 'r'   ? QChar('\r')
           : escaped == 'n' ? QChar('\n')
           : escaped == 't' ? QChar('\t')
                            : escaped;
}

// `i` stands behind the opening quote and ends behind the closing one.
QString quotedWord(const QString& line, qsizetype& i) {
    QString word;
    while (i < line.size()) {
        const QChar c = line[i++];
        if (c == '"')
            return word;
        if (c != '\\' || i >= line.size())
            word += c;
        else
            word += escapedCharacter(line, i);
    }
    throw std::runtime_error("a closing quote");
}

QString plainWord(const QString& line, qsizetype& i) {
    QString word;
    while (i < line.size() && !line[i].isSpace())
        word += line[i++];
    return word;
}

} // namespace

QStringList splitWords(const QString& line) {
    QStringList words;
    qsizetype i = 0;
    while (true) {
        while (i < line.size() && line[i].isSpace())
            ++i;
        if (i >= line.size())
            return words;
        if (line[i] == '"')
            words << quotedWord(line, ++i);
        else
            words << plainWord(line, i);
    }
}

QStringList scriptLines(const QByteArray& text) {
    QStringList lines = QString::fromUtf8(text).split('\n');
    for (QString& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

bool isPatternLine(const QString& blockLine) {
    return blockLine.startsWith("|~ ");
}

QString blockLineText(const QString& blockLine) {
    return blockLine.mid(isPatternLine(blockLine) ? 3 : 2);
}

QStringList plainTexts(const QStringList& block) {
    QStringList texts;
    for (const QString& line : block)
        texts << line.mid(2);
    return texts;
}

std::optional<QStringList> Script::nextCommand() {
    while (m_next < m_lines.size()) {
        m_commandLine = m_next + 1;
        const QString& line = m_lines[m_next++];
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith('#'))
            return splitWords(line);
    }
    m_commandLine = int(m_lines.size());
    return std::nullopt;
}

QStringList Script::block() {
    QStringList lines;
    while (m_next < m_lines.size()) {
        const QString& line = m_lines[m_next++];
        if (line.trimmed() == "end")
            return lines;
        if (line == "|")
            lines << QString();
        else if (line.startsWith("| ") || isPatternLine(line))
            lines << line;
        else
            fail("a block line starting with \"| \" or \"end\", found " + quoted(line));
    }
    fail("end of the block");
}

} // namespace kovex::scenario
