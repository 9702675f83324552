#pragma once
// Errors of the data-access layer. Every message names what was wrong: the
// connection string, the query text, or the value and column of a failed
// conversion.
#include <QSqlError>
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

// The engine's text of a failed call, with the driver's words in front when
// they add something.
inline QString describeSqlError(const QSqlError& e)
{
    QString t = e.databaseText().trimmed();
    const QString d = e.driverText().trimmed();
    if (t.isEmpty()) return d;
    if (!d.isEmpty() && !t.contains(d)) t = d + QStringLiteral(": ") + t;
    return t;
}

} // namespace plan
