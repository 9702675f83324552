#pragma once
// The maintenance database schema: creating a new database file with every
// table the module reads and writes.
#include "platform/Connection.h"

#include <QString>

namespace plan {

class Schema {
public:
    // The DDL text; from "schema.sql" of the installation folder, else from
    // the source tree the program was built from.
    static QString ddl();
    // Creates the database and every table; throws DbError.
    static void create(const QString& connectionString);
};

} // namespace plan
