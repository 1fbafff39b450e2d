#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <vector>

namespace kovex::json {

// Writes JSON text as it goes, members in the order given, laid out as
// QJsonDocument lays out an indented document: four blanks a level, one
// member or element a line, an empty object or list opened and closed on
// two lines.
class Writer {
  public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }

    // The name of the next member of the object open.
    void key(QStringView name);
    void value(QStringView text);
    void value(const QString& text) { value(QStringView(text)); }
    void value(const char*) = delete;
    void value(int number);
    void value(bool flag);

    // The text written, ended by a line break as a document's is.
    QByteArray document() const { return m_json + '\n'; }

  private:
    void open(char bracket);
    void close(char bracket);
    // Where the next member or element starts; a member's value follows its
    // key on the key's line.
    void startItem();
    QByteArray indent(std::size_t depth) const { return QByteArray(qsizetype(4 * depth), ' '); }

    QByteArray m_json;
    // The number of items written in each container open, innermost last.
    std::vector<int> m_items;
    bool m_afterKey = false;
};

// A text as a JSON string, quotes included: the quote, the backslash and the
// control characters escaped, everything else in UTF-8; a lone surrogate,
// which UTF-8 cannot hold, as its \u escape.
QByteArray quoted(QStringView text);

} // namespace kovex::json
