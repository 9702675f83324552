#pragma once
// The maintenance database schema: creating a new database file with every
// table the module reads and writes, and bringing an existing one up to the
// indexes of the schema.
//
// Tables and indexes are kept apart: the tables decide what a database holds,
// the indexes only how fast it is read. An index added to the schema goes
// below the line kLaterIndexes and is created in an existing database by
// addMissingIndexes, its rows untouched.
#include "platform/Connection.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace plan {

class Schema {
public:
    // The DDL text; from "schema.sql" of the installation folder, else from
    // the source tree the program was built from.
    static QString ddl();
    // Creates the database, every table and every index; throws DbError.
    static void create(const QString& connectionString);

    // One CREATE INDEX statement of a DDL text and the name it creates.
    struct Index {
        QString name; // upper case, as the catalogue keeps it
        QString sql;  // without its ";"
    };
    // The index statements of a DDL text, in their order.
    static std::vector<Index> indexes(const QString& ddl);
    // The DDL text without its index statements (and without comments):
    // the tables alone.
    static QString tables(const QString& ddl);
    // The DDL text before the line that opens the indexes added later
    // (kLaterIndexes), exactly as written: what every database built so far
    // holds. A kept database is stamped by it, so an index added below that
    // line keeps the stamp and is added to the database instead.
    static QString beforeLaterIndexes(const QString& ddl);
    static const char* const kLaterIndexes;
    // Creates every index of ddl() that the database lacks (by name, as
    // RDB$INDICES knows them) and returns the names created, in the order of
    // the schema. Existing indexes and every row stay as they are; throws
    // DbError naming the statement that failed.
    static QStringList addMissingIndexes(Connection& c);
    static QStringList addMissingIndexes(Connection& c, const QString& ddl);
};

} // namespace plan
