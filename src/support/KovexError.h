#pragma once

#include <QString>
#include <stdexcept>

namespace kovex {

// A failure that ends the running operation; its text is shown to the user
// as it stands by the general error handler.
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
