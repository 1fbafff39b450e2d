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

  private:
    QString m_text;
};

} // namespace kovex
