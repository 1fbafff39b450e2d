#pragma once

#include <QString>
#include <stdexcept>

namespace kovex {

// A failure that ends the running operation; its text is shown to the user
// as it stands by the general error handler. Everything the program and its
// data tools throw for a failure is one of these, or of a kind derived from
// it where a catcher tells the kinds apart (a file fault, a refusal of a
// data tool). Only a fault of the program itself, a name it does not hold,
// is a std::logic_error instead.
class KovexError : public std::runtime_error {
  public:
    explicit KovexError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }
    // The control whose text failed to convert, when one did.
    const QString& control() const { return m_control; }
    void setControl(const QString& name) { m_control = name; }

  private:
    QString m_text;
    QString m_control;
};

} // namespace kovex
