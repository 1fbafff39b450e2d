#include "TextChecks.h"

#include "ScenarioFailure.h"
#include "ScenarioScript.h"
#include "support/Cp1252.h"

#include <QRegularExpression>

namespace kovex::scenario {

QByteArray fileBytesOfBlock(const QStringList& block) {
    QByteArray bytes;
    for (const QString& line : block) {
        if (isPatternLine(line))
            fail("plain lines in a file block");
        const auto encoded = cp1252::encode(line.mid(2));
        if (!encoded)
            fail("text that Windows-1252 can hold: " + quoted(line));
        bytes += *encoded + "\r\n";
    }
    return bytes;
}

QStringList crLfLines(const QString& name, const QByteArray& bytes) {
    if (!bytes.isEmpty() && !bytes.endsWith("\r\n"))
        fail("every line of " + name + " ending in CR LF");
    QList<QByteArray> rawLines = bytes.split('\n');
    rawLines.removeLast();
    QStringList lines;
    for (const QByteArray& raw : rawLines) {
        if (!raw.endsWith('\r') || raw.chopped(1).contains('\r'))
            fail("every line of " + name + " ending in CR LF");
        lines << cp1252::decode(raw.chopped(1));
    }
    return lines;
}

namespace {

void compareLine(const QString& prefix, const QString& blockLine, const QString& found) {
    const QString wanted = blockLineText(blockLine);
    if (isPatternLine(blockLine)) {
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(wanted));
        if (!pattern.match(found).hasMatch())
            fail(prefix + "a match of " + wanted + ", found " + quoted(found));
    } else if (found != wanted) {
        fail(prefix + quoted(wanted) + ", found " + quoted(found));
    }
}

bool holds(const QString& blockLine, const QString& found) {
    const QString wanted = blockLineText(blockLine);
    if (isPatternLine(blockLine))
        return QRegularExpression(wanted).match(found).hasMatch();
    return found.contains(wanted);
}

} // namespace

void compareLines(const QString& name, const QStringList& block, const QStringList& found) {
    for (int i = 0; i < std::max(block.size(), found.size()); ++i) {
        const QString prefix = QString("line %1 of %2: ").arg(i + 1).arg(name);
        if (i >= found.size())
            fail(prefix + block[i].mid(2) + ", found the end of the file");
        if (i >= block.size())
            fail(prefix + "the end of the file, found " + quoted(found[i]));
        compareLine(prefix, block[i], found[i]);
    }
}

std::optional<QString> firstMissingInOrder(const QStringList& block, const QStringList& found) {
    int at = 0;
    for (const QString& line : block) {
        while (at < found.size() && !holds(line, found[at]))
            ++at;
        if (at == found.size())
            return blockLineText(line);
    }
    return std::nullopt;
}

qsizetype firstDifference(const QByteArray& one, const QByteArray& other) {
    qsizetype at = 0;
    while (at < one.size() && at < other.size() && one[at] == other[at])
        ++at;
    return at;
}

QString sqliteText(const QVariant& value) {
    if (value.isNull())
        return {};
    if (value.typeId() != QMetaType::Double)
        return value.toString();
    QString text = QString::number(value.toDouble(), 'g', 15);
    if (!text.contains('.') && !text.contains('e') && !text.contains("inf") && !text.contains("nan"))
        text += ".0";
    else if (text.contains('e') && !text.section('e', 0, 0).contains('.'))
        text.replace("e", ".0e");
    return text;
}

} // namespace kovex::scenario
