#pragma once
// Errors of the data-access layer. Every message names what was wrong: the
// connection string, the query text, or the value and column of a failed
// conversion.
#include <QString>
#include <stdexcept>

namespace plan {

class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// A value that cannot be read as the type asked for.
class ConversionError : public DbError {
public:
    using DbError::DbError;
};

} // namespace plan
