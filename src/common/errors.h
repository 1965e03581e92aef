#pragma once

#include <QString>

#include <stdexcept>

namespace fin::common {

// A check that failed on what the user typed or chose: its message is shown
// as it is, and nothing was written.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& message, QString field = {})
        : std::runtime_error(message.toStdString())
        , m_message(message)
        , m_field(std::move(field))
    {
    }
    const QString& message() const { return m_message; }
    // The object name of the control the cursor goes back to; may be empty.
    const QString& field() const { return m_field; }

private:
    QString m_message;
    QString m_field;
};

// Ends a command quietly after its message has been shown.
class SilentAbort : public std::exception {
public:
    const char* what() const noexcept override { return "operação interrompida"; }
};

} // namespace fin::common
