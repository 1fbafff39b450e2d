#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The text of a scenario file: one command a line, its words split by
// blanks, and the blocks of lines some commands read after their own.
namespace kovex::scenario {

// Splits a scenario line into words; a quoted word may hold blanks and the
// escapes \r \n \t \" \\ and \u{hex} for any code point. Throws
// std::runtime_error on an open quote or a bad code point.
QStringList splitWords(const QString& line);

// The lines of a scenario file's UTF-8 text, without their line ends.
QStringList scriptLines(const QByteArray& text);

// A block line is "| text" (the text as it stands), "|" (an empty line) or
// "|~ pattern" (a regular expression); a block keeps its lines as written,
// "|" as an empty string.
bool isPatternLine(const QString& blockLine);
// The text or the pattern of a block line.
QString blockLineText(const QString& blockLine);
// The texts of a block's lines, each behind its "| ".
QStringList plainTexts(const QStringList& block);

// Reads a scenario's lines command by command; a command that takes a block
// reads it through `block` before the next command is read.
class Script {
  public:
    explicit Script(QStringList lines) : m_lines(std::move(lines)) {}

    // The words of the next command, passing over blank lines and comments
    // ("# ..."); none at the end of the file.
    std::optional<QStringList> nextCommand();

    // The lines of a block up to the line "end"; fails on any other line
    // and when the file ends first.
    QStringList block();

    // The number of the last command's line, counted from 1; at the end,
    // the number of lines.
    int commandLine() const { return m_commandLine; }

  private:
    QStringList m_lines;
    int m_next = 0;
    int m_commandLine = 0;
};

} // namespace kovex::scenario
