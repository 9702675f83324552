#pragma once
// One SELECT in a read-only transaction of its own.
//
// The further tables a template names are read this way: the engine itself
// refuses any write (an update, a generator step, a procedure that writes) in
// a read-only transaction, and the statement's type is asked of the engine
// before it runs, so only a SELECT is executed. The transaction is started on
// the connection's own attachment through the client library, apart from the
// transaction the driver may hold, and ended before the call returns.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace plan {

class Connection;

struct SelectRows {
    QStringList columns;
    std::vector<std::vector<QVariant>> rows;
};

// Runs the statement read-only and returns its rows, values typed as the
// driver types them (text, whole numbers, scaled numbers as doubles, dates,
// times, timestamps; NULL as an invalid QVariant). Throws DbError naming the
// statement when the engine refuses it or it is not a SELECT.
SelectRows readOnlySelect(Connection* c, const QString& sql);

} // namespace plan
