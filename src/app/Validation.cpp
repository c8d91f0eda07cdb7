#include "Validation.h"

#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <db/Database.h>
#include <db/Statement.h>
#include <editor/Page.h>
#include <records/RecordHelpers.h>

namespace app {

using namespace Qt::StringLiterals;

namespace {

const QString kChannels = u"Available Attenuator Channels"_s;
const QString kInterfaces = u"Available Interfaces"_s;
const QString kPlacement = u"Available FilterPlacement"_s;
const QString kFilters = u"Potential Filters"_s;
const QString kIdAvailable = u"ID Available"_s;
const QString kNextOptical = u"Next Optical Device"_s;
const QString kNextElectrical = u"Next Electrical Device"_s;

// The page that shows a table's rows.
int pageOf(const QString& table) {
    static const QHash<QString, int> pages = {
        {kChannels.toLower(), editor::PageLaser},
        {u"available laser wavelength"_s, editor::PageLaser},
        {u"available lasers"_s, editor::PageLaser},
        {u"available aom drivers"_s, editor::PageLaser},
        {u"available aoms"_s, editor::PageLaser},
        {kPlacement.toLower(), editor::PageScanHead},
        {u"available filtersets"_s, editor::PageScanHead},
        {u"available point detectors"_s, editor::PageScanHead},
        {u"available integrators"_s, editor::PageScanHead},
        {u"available pinholes"_s, editor::PageScanHead},
        {u"available switches"_s, editor::PageScanHead},
        {u"available objective lenses"_s, editor::PageMicroscope},
        {u"available revolvers"_s, editor::PageMicroscope},
    };
    return pages.value(table.toLower(), editor::PageConfiguration);
}

// Every row of a table, its fields by name; none when the table is not there.
QList<QHash<QString, QVariant>> rowsOf(db::Database& database, const QString& table) {
    QList<QHash<QString, QVariant>> rows;
    if (!database.hasTable(table))
        return rows;
    db::Statement select(database,
                         u"SELECT * FROM %1 ORDER BY rowid"_s.arg(database.qualified(table)));
    while (select.step()) {
        QHash<QString, QVariant> row;
        for (int i = 0; i < select.columnCount(); ++i)
            row.insert(select.columnName(i).toLower(), select.value(i));
        rows.append(row);
    }
    return rows;
}

QString text(const QHash<QString, QVariant>& row, const QString& field) {
    return records::NullToText(row.value(field.toLower()));
}

bool usable(const QHash<QString, QVariant>& row) {
    return records::IsUsable(row.value(u"status"_s));
}

// The ID Available a reference names: the kind letter and slash dropped, the quotes of an
// identifier that holds a slash too; empty for "no device".
QString referenced(const QString& reference) {
    QString id = reference;
    const qsizetype slash = id.indexOf(u'/');
    if (slash >= 0)
        id = id.mid(slash + 1);
    id = id.trimmed();
    if (id.size() >= 2 && id.startsWith(u'"') && id.endsWith(u'"'))
        id = id.mid(1, id.size() - 2);
    if (id.compare(u"none"_s, Qt::CaseInsensitive) == 0)
        return {};
    return id;
}

// Control fields also hold what is no device: register addresses, LED controllers and
// program files.
bool namesADevice(const QString& field, const QString& value) {
    static const QRegularExpression registerAddress(u"^REG\\d+$"_s,
                                                    QRegularExpression::CaseInsensitiveOption);
    if (field.compare(kNextOptical, Qt::CaseInsensitive) == 0 ||
        field.compare(kNextElectrical, Qt::CaseInsensitive) == 0)
        return true;
    // The LED controllers of a laser ("REG100,FCS_LED") are hardware addresses, not rows.
    if (field.compare(u"control led"_s, Qt::CaseInsensitive) == 0)
        return false;
    return !registerAddress.match(value).hasMatch() && !value.contains(u'.');
}

class Validator {
public:
    explicit Validator(db::Database& database) : m_database(database) {
        for (const QString& table : database.tableNames()) {
            if (table.startsWith(u"Available "_s, Qt::CaseInsensitive))
                m_tables.insert(table, rowsOf(database, table));
        }
        for (auto it = m_tables.cbegin(); it != m_tables.cend(); ++it) {
            for (const auto& row : it.value()) {
                const QString id = text(row, kIdAvailable).toLower();
                if (!id.isEmpty())
                    m_rows.insert(id, {it.key(), usable(row)});
            }
        }
    }

    QList<Finding> run() {
        channels();
        ports();
        references();
        wheels();
        return m_findings;
    }

private:
    void add(const QString& table, const QString& row, const QString& field, const QString& why) {
        m_findings.append(Finding{table, row, field, why, pageOf(table)});
    }

    void channels() {
        QMap<qint64, QString> holder; // channel -> the line that holds it first
        for (const auto& row : m_tables.value(kChannels)) {
            if (!usable(row) || row.value(u"not include"_s).toBool())
                continue;
            const QString line = text(row, u"Wavelength"_s);
            const qint64 channel = row.value(u"channel no"_s).toLongLong();
            if (channel == 0) {
                add(kChannels, line, u"Channel No"_s,
                    u"The line %1 nm is in use but holds no attenuator channel"_s.arg(line));
            } else if (holder.contains(channel)) {
                add(kChannels, line, u"Channel No"_s,
                    u"The lines %1 nm and %2 nm both hold attenuator channel %3"_s
                        .arg(holder.value(channel), line)
                        .arg(channel));
            } else {
                holder.insert(channel, line);
            }
        }
    }

    void ports() {
        QMap<QString, QString> ports; // port (lower case) -> its name; the usable ones
        QSet<QString> known;
        for (const auto& row : m_tables.value(kInterfaces)) {
            if (text(row, u"ID Potential"_s).compare(u"SerialPort"_s, Qt::CaseInsensitive) != 0)
                continue;
            known.insert(text(row, kIdAvailable).toLower());
            if (usable(row))
                ports.insert(text(row, kIdAvailable).toLower(), text(row, kIdAvailable));
        }
        QMap<QString, QStringList> users; // port -> the usable devices on it
        for (auto it = m_tables.cbegin(); it != m_tables.cend(); ++it) {
            for (const auto& row : it.value()) {
                const QString port = text(row, u"Control"_s).trimmed().toLower();
                if (!usable(row) || port.isEmpty() || !known.contains(port))
                    continue;
                // The stand's bus adapters are one device.
                const bool stand =
                    text(row, u"ID Potential"_s).compare(u"CanBusMk1"_s, Qt::CaseInsensitive) == 0;
                const QString device = stand ? u"the microscope stand"_s : text(row, kIdAvailable);
                QStringList& on = users[port];
                if (on.contains(device))
                    continue;
                if (!on.isEmpty())
                    add(it.key(), device, u"Control"_s,
                        u"%1 and %2 both use the serial port %3"_s.arg(on.first(), device,
                                                                       text(row, u"Control"_s)));
                on.append(device);
            }
        }
        for (auto it = ports.cbegin(); it != ports.cend(); ++it) {
            if (!users.contains(it.key()))
                add(kInterfaces, it.value(), u"Status"_s,
                    u"The serial port %1 is in use, but no device in use names it"_s.arg(
                        it.value()));
        }
    }

    void references() {
        for (auto it = m_tables.cbegin(); it != m_tables.cend(); ++it) {
            if (it.value().isEmpty())
                continue;
            QStringList fields;
            for (const QString& field : it.value().first().keys()) {
                if (field.startsWith(u"control"_s) || field == kNextOptical.toLower() ||
                    field == kNextElectrical.toLower())
                    fields.append(field);
            }
            fields.sort();
            const QList<db::Field> columns = m_database.tableFields(it.key());
            auto shown = [&columns](const QString& lower) {
                for (const db::Field& column : columns)
                    if (column.name.toLower() == lower)
                        return column.name;
                return lower;
            };
            for (const auto& row : it.value()) {
                if (!usable(row))
                    continue;
                for (const QString& field : fields) {
                    const QString id = referenced(text(row, field));
                    if (id.isEmpty() || !namesADevice(field, id))
                        continue;
                    const QString device = text(row, kIdAvailable);
                    const auto target = m_rows.constFind(id.toLower());
                    if (target == m_rows.cend())
                        add(it.key(), device, shown(field),
                            u"%1 names %2, which is no row of the installation"_s.arg(shown(field),
                                                                                      id));
                    else if (!target->second && (field == kNextOptical.toLower() ||
                                                 field == kNextElectrical.toLower()))
                        add(it.key(), device, shown(field),
                            u"%1 is in use, but the next device of its chain, %2 in %3, is not"_s
                                .arg(device, id, target->first));
                }
            }
        }
    }

    void wheels() {
        QSet<QString> catalogue;
        if (m_database.hasTable(kFilters)) {
            for (const auto& row : rowsOf(m_database, kFilters))
                catalogue.insert(text(row, u"ID Potential"_s).toLower());
        }
        QMap<QString, QList<qint64>> positions; // wheel -> its positions
        QMap<QString, QString> names;
        for (const auto& row : m_tables.value(kPlacement)) {
            const QString wheel = text(row, kIdAvailable);
            positions[wheel.toLower()].append(row.value(u"position"_s).toLongLong());
            names.insert(wheel.toLower(), wheel);
            const QString filter = text(row, u"ID Potential"_s).trimmed();
            if (!filter.isEmpty() && m_database.hasTable(kFilters) &&
                !catalogue.contains(filter.toLower()))
                add(kPlacement, wheel, u"ID Potential"_s,
                    u"Position %1 of the wheel %2 holds %3, which the filter catalogue lacks"_s
                        .arg(row.value(u"position"_s).toLongLong())
                        .arg(wheel, filter));
        }
        for (auto it = positions.begin(); it != positions.end(); ++it) {
            std::sort(it->begin(), it->end());
            qint64 expected = it->first() <= 0 ? it->first() : 1;
            for (qint64 position : *it) {
                if (position > expected) {
                    add(kPlacement, names.value(it.key()), u"Position"_s,
                        u"The wheel %1 has no position %2"_s.arg(names.value(it.key()))
                            .arg(expected));
                    break;
                }
                expected = position + 1;
            }
        }
    }

    db::Database& m_database;
    QMap<QString, QList<QHash<QString, QVariant>>> m_tables;
    QHash<QString, std::pair<QString, bool>> m_rows; // ID Available -> table, usable
    QList<Finding> m_findings;
};

} // namespace

QString Finding::line() const {
    return u"[%1] %2 / %3: %4"_s.arg(table, row, field, text);
}

QList<Finding> validate(db::Database& database) {
    return Validator(database).run();
}

} // namespace app
