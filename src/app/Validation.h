#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace db {
class Database;
}

namespace app {

// A conflict in a system database that the store lets through: where it is (table, row, field),
// what is wrong, and the page of SSTab1 that shows it.
struct Finding {
    QString table;
    QString row;
    QString field;
    QString text;
    int page = 0;
    // "[table] row / field: text", as the report lists it.
    QString line() const;
};

// Reads the database and lists what conflicts: two usable lines on one attenuator channel,
// usable lines without a channel, two usable devices on one serial port, a port in use that no
// usable device names, references of usable rows that name no row, usable devices whose chain
// reaches an unusable one, wheels with gaps in their positions or filters missing from the
// catalogue. Tables the database lacks are passed over. It only reads.
QList<Finding> validate(db::Database& database);

} // namespace app
