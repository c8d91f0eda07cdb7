#include "SchemaAccess.h"

#include <sqlite3.h>

namespace db {

namespace {

int authorize(void* data, int action, const char* first, const char*, const char* schema,
              const char*) {
    auto* access = static_cast<SchemaAccess*>(data);
    if (!access->current || !*access->current || !schema || qstrcmp(schema, "temp") == 0 ||
        qstrcmp(access->current, schema) == 0)
        return SQLITE_OK;
    switch (action) {
    case SQLITE_READ:
    case SQLITE_INSERT:
    case SQLITE_UPDATE:
    case SQLITE_DELETE:
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_VIEW:
    case SQLITE_CREATE_INDEX:
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_DROP_TABLE:
    case SQLITE_DROP_VIEW:
    case SQLITE_DROP_INDEX:
    case SQLITE_DROP_TRIGGER:
    case SQLITE_ALTER_TABLE:
        access->denied = QStringLiteral("the statement of the database \"%1\" reaches the table "
                                        "%2 of the database \"%3\"; name it with its database")
                             .arg(QString::fromUtf8(access->current), QString::fromUtf8(first),
                                  QString::fromUtf8(schema));
        return SQLITE_DENY;
    default:
        return SQLITE_OK;
    }
}

} // namespace

void SchemaAccess::guard(sqlite3* connection) {
    if (guarded)
        return;
    sqlite3_set_authorizer(connection, authorize, this);
    guarded = true;
}

} // namespace db
