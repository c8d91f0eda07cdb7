#include "History.h"

#include "BackupFolder.h"
#include "DatabaseCheck.h"
#include "ErrorText.h"
#include "Pages.h"
#include "Readout.h"
#include "Startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <db/DatabaseFingerprint.h>
#include <db/Savepoint.h>
#include <db/Statement.h>
#include <editor/Editor.h>
#include <editor/Scopes.h>
#include <editor/Texts.h>
#include <form/FormSet.h>
#include <optional>
#include <platform/FileSafety.h>
#include <platform/Platform.h>
#include <records/RecordHelpers.h>

namespace app {

namespace texts = editor::texts;
namespace fs = platform::FileSafety;
using platform::FileError;
using records::kHistory;

std::function<void(const char*)> History::faultPoint;

namespace {

const QString kPath = QStringLiteral("Path");
const QString kNo = QStringLiteral("No");
const QString kDate = QStringLiteral("Date");
const QString kStoreFailed = QStringLiteral("Store failed, the system database is unchanged: %1");
const QString kStoredThen = QStringLiteral("Stored, the new system database is in place; then %1");

void fault(const char* step) {
    if (History::faultPoint)
        History::faultPoint(step);
}

QString dateText(const QDateTime& date) {
    return QLocale::system().toString(date.date(), QLocale::ShortFormat) + u' ' +
           date.time().toString(QStringLiteral("HH:mm:ss"));
}

// The texts of history entries: No + ". -  " + the date in the platform's text form. The
// stored date "yyyy-MM-dd HH:mm:ss" is the local time of the store as written; it is shown as
// written, field by field as the engine layer reads it, without a conversion through the time
// zone. A history of thousands of rows is shown at every start, so the common forms (a whole
// number, a date in the stored form) are read from the row's bytes; anything else goes the
// general way. Dates repeat, so the last day's text is kept.
class EntryTexts {
public:
    EntryTexts(db::FieldType noType, db::FieldType dateType)
        : m_noType(noType), m_dateType(dateType) {}

    // no is the row's number as row.integer(noColumn) reads it.
    QString of(const db::Statement& row, int noColumn, std::optional<qint64> no,
               int dateColumn) const {
        const std::optional<QByteArrayView> date = row.utf8(dateColumn);
        if (no && plain(m_noType) && date && m_dateType == db::FieldType::Date) {
            if (const std::optional<QString> text = fast(*no, *date))
                return *text;
        }
        return generally(db::fromStored(m_noType, row.value(noColumn)),
                         db::fromStored(m_dateType, row.value(dateColumn)));
    }
    QString of(const QVariant& no, const QVariant& storedDate) const {
        return generally(db::fromStored(m_noType, no), db::fromStored(m_dateType, storedDate));
    }

private:
    // Types whose stored values the engine layer hands on as they are.
    static bool plain(db::FieldType type) {
        return type != db::FieldType::Boolean && type != db::FieldType::Date;
    }
    static QString generally(const QVariant& no, const QVariant& date) {
        return History::entryText(no, date.toDateTime());
    }

    std::optional<QString> fast(qint64 no, QByteArrayView date) const {
        constexpr int kDigits[] = {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18};
        if (date.size() != 19 || date[4] != '-' || date[7] != '-' || date[10] != ' ')
            return std::nullopt;
        for (int at : kDigits)
            if (date[at] < '0' || date[at] > '9')
                return std::nullopt;
        const auto number = [&date](int from, int length) {
            int n = 0;
            for (int i = from; i < from + length; ++i)
                n = n * 10 + (date[i] - '0');
            return n;
        };
        if (!QTime::isValid(number(11, 2), number(14, 2), number(17, 2)))
            return std::nullopt;
        const QByteArray day = QByteArray::fromRawData(date.data(), 10);
        if (day != m_day) {
            const QDate parsed(number(0, 4), number(5, 2), number(8, 2));
            if (!parsed.isValid())
                return std::nullopt;
            m_day = QByteArray(day.constData(), day.size());
            m_dayText = m_locale.toString(parsed, QLocale::ShortFormat);
        }
        char16_t head[24];
        qsizetype length = 0;
        char16_t digits[20];
        int count = 0;
        quint64 magnitude = no < 0 ? quint64(0) - quint64(no) : quint64(no);
        do {
            digits[count++] = char16_t(u'0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude > 0);
        if (no < 0)
            head[length++] = u'-';
        while (count > 0)
            head[length++] = digits[--count];
        const char16_t time[] = {u' ', char16_t(date[11]), char16_t(date[12]),
                                 u':', char16_t(date[14]), char16_t(date[15]),
                                 u':', char16_t(date[17]), char16_t(date[18])};
        // Written in place: thousands of rows, one allocation each.
        constexpr char16_t kSeparator[] = u". -  ";
        constexpr qsizetype kSeparatorLength = std::size(kSeparator) - 1;
        QString text(length + kSeparatorLength + m_dayText.size() + qsizetype(std::size(time)),
                     Qt::Uninitialized);
        char16_t* at = reinterpret_cast<char16_t*>(text.data());
        at = std::copy(head, head + length, at);
        at = std::copy(kSeparator, kSeparator + kSeparatorLength, at);
        at = std::copy(m_dayText.utf16(), m_dayText.utf16() + m_dayText.size(), at);
        std::copy(std::begin(time), std::end(time), at);
        return text;
    }

    db::FieldType m_noType;
    db::FieldType m_dateType;
    QLocale m_locale = QLocale::system();
    mutable QByteArray m_day;
    mutable QString m_dayText;
};

// The row's number (stored, a whole number as the engine holds it) as the engine layer hands on
// a whole number of a column that keeps it as it is; nothing otherwise.
std::optional<qint64> plainNumber(db::FieldType type, std::optional<qint64> stored) {
    if (type == db::FieldType::Boolean || type == db::FieldType::Date)
        return std::nullopt;
    return stored;
}

// A history number as a whole number; nothing for a value that is none. A whole number too
// large for the program comes back as kLastNumber, a too small one as -1, so that it is refused.
std::optional<qint64> wholeNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        return value.toLongLong();
    case QMetaType::Double: {
        const double number = value.toDouble();
        if (!std::isfinite(number) || std::trunc(number) != number)
            return std::nullopt;
        if (std::abs(number) >= double(History::kLastNumber))
            return number > 0 ? History::kLastNumber : -1;
        return qint64(number);
    }
    case QMetaType::QString: {
        bool ok = false;
        const qint64 number = value.toString().trimmed().toLongLong(&ok);
        return ok ? std::optional<qint64>(number) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

// Disables buttons for the length of a scope, then enables them again unless the editor was
// locked meanwhile (a start-up after the store that failed).
class ButtonsDisabled {
public:
    ButtonsDisabled(const DatabaseFrames& frames, std::initializer_list<form::Button*> buttons)
        : m_frames(frames), m_buttons(buttons) {
        for (form::Button* button : m_buttons)
            button->setEnabled(false);
    }
    ~ButtonsDisabled() {
        for (form::Button* button : m_buttons)
            button->setEnabled(!m_frames.isLocked() || button == &m_frames.cmdExit);
    }
    ButtonsDisabled(const ButtonsDisabled&) = delete;
    ButtonsDisabled& operator=(const ButtonsDisabled&) = delete;

private:
    const DatabaseFrames& m_frames;
    QList<form::Button*> m_buttons;
};

// Opens the system database and keeps every other program from committing to it until the
// connection closes: the backup taken under this lock is then exactly the database that the
// store replaces. Other programs may go on reading.
std::unique_ptr<db::Database> lockSystemDatabase(const QString& path) {
    // A WAL file of a database that another program holds open would be read as part of the
    // new database that replaces it.
    if (db::Database::walInUseElsewhere(path))
        throw db::DbError(QStringLiteral("another program holds the system database %1 open in "
                                         "WAL mode; close it and store again")
                              .arg(path));
    auto database = db::Database::openShared(path);
    try {
        database->execute(QStringLiteral("BEGIN IMMEDIATE"));
    } catch (const db::DbError& error) {
        if (error.kind() != db::DbError::Kind::Busy)
            throw;
        throw db::DbError(
            QStringLiteral("another program is writing to the system database %1 (%2)")
                .arg(path, error.engine().text),
            error.kind(), error.engine());
    }
    return database;
}

bool inWalMode(db::Database& database) {
    return database.OpenRecordset(QStringLiteral("PRAGMA journal_mode"))
               .value(0)
               .toString()
               .compare(QStringLiteral("wal"), Qt::CaseInsensitive) == 0;
}

} // namespace

QString History::entryText(const QVariant& no, const QDateTime& date) {
    return QStringLiteral("%1. -  %2").arg(records::NullToText(no), dateText(date));
}

QString History::backupFolder() const {
    return m_editor.databaseFolder() + QStringLiteral("BackupDB");
}

QString History::backupPath(qint64 no) const {
    return backupFolder() + QStringLiteral("/Temp%1.mdb").arg(no);
}

void History::FillHistoryList() {
    editor::Editor& e = m_editor;
    form::ListBox& list = m_pages.database.comboHistory;
    list.clear();
    db::Database& templ = e.templ();
    const db::FieldType noType = templ.columnType(kHistory, kNo);
    const db::FieldType pathType = templ.columnType(kHistory, kPath);
    // The backups are the program's own files in one folder: one read of the folder answers for
    // all of them, made while the rows are read. A row naming a file elsewhere, or in another
    // form, is asked about on its own.
    const QByteArray backupFolder =
        QFile::encodeName(e.databaseFolder() + QStringLiteral("BackupDB/"));
    BackupFolder::NumberSetAhead backups(QFile::decodeName(backupFolder),
                                         BackupFolder::Entries::Files);
    // The number of the row's backup in the folder (from 1); for another file, whether it is one.
    constexpr qint64 kFilePresent = 0;
    constexpr qint64 kFileMissing = -1;
    const auto backupOf = [&](const db::Statement& row) {
        const std::optional<QByteArrayView> path =
            pathType == db::FieldType::Text ? row.utf8(3) : std::nullopt;
        if (path && path->size() > backupFolder.size() &&
            std::memcmp(path->data(), backupFolder.constData(), size_t(backupFolder.size())) == 0) {
            if (const std::optional<qint64> no =
                    BackupFolder::numberOf(path->sliced(backupFolder.size())))
                return *no;
        }
        return QFileInfo(records::NullToText(db::fromStored(pathType, row.value(3)))).isFile()
                   ? kFilePresent
                   : kFileMissing;
    };
    const EntryTexts texts(noType, templ.columnType(kHistory, kDate));
    const QString history = templ.qualified(kHistory);
    // One change of the list for all rows: a window shows a history of thousands of rows once.
    // Room for the rows and for the entries the stores of a session add: a list grown row by row
    // would hold up to twice their memory, and a store would move the whole list for one entry.
    constexpr qsizetype kRoomForStores = 64;
    qsizetype rowCount = 0;
    {
        db::Statement count(templ, QStringLiteral("SELECT count(*) FROM %1").arg(history));
        rowCount = count.step() ? count.integer(0).value_or(0) : 0;
    }
    form::ListBox::Appending entries(list, rowCount + kRoomForStores);
    // A row's backup is nearly always the one of its own number, which its entry holds; the
    // other rows are noted on the side, by their place in the list.
    struct OtherBackup {
        qsizetype row;
        qint64 backup;
    };
    QList<OtherBackup> otherBackups;
    const QString rowsInOrder =
        QStringLiteral("SELECT _rowid_, [No], [Date], [Path] FROM %1 ORDER BY _rowid_")
            .arg(history);
    {
        db::Statement rows(templ, rowsInOrder);
        while (rows.step()) {
            const qint64 backup = backupOf(rows);
            // Each field is asked of the engine once.
            const std::optional<qint64> stored = rows.integer(1);
            const std::optional<qint64> no = plainNumber(noType, stored);
            if (!no || *no != backup)
                otherBackups.append({entries.count(), backup});
            entries.add(texts.of(rows, 1, stored, 2),
                        no ? QVariant(qlonglong(*no)) : db::fromStored(noType, rows.value(1)));
        }
    }
    // The rows whose backup was deleted outside the program go: rarely any, so their rowids are
    // read again only then (the rows in the same order, within the same action).
    const BackupFolder::NumberSet& files = backups.get();
    QList<qsizetype> missingRows;
    for (qsizetype row = 0, other = 0; row < entries.count(); ++row) {
        qint64 backup = 0;
        if (other < otherBackups.size() && otherBackups[other].row == row)
            backup = otherBackups[other++].backup;
        else
            backup = entries.data(row).toLongLong();
        if (backup == kFileMissing || (backup > 0 && !files.contains(backup)))
            missingRows.append(row);
    }
    otherBackups = {};
    if (!missingRows.isEmpty()) {
        QList<qint64> rowids;
        db::Statement rows(templ, rowsInOrder);
        for (qsizetype row = 0, next = 0; next < missingRows.size() && rows.step(); ++row)
            if (row == missingRows[next]) {
                rowids.append(rows.integer(0).value_or(0));
                ++next;
            }
        entries.remove(missingRows);
        for (const qint64 rowid : rowids)
            templ.execute(QStringLiteral("DELETE FROM %1 WHERE _rowid_ = ?").arg(history), {rowid});
    }
    entries.keep();
    selectLastEntry();
}

void History::showStoredEntry(const QVariant& no, const QVariant& storedDate) {
    db::Database& templ = m_editor.templ();
    if (no.isValid())
        m_pages.database.comboHistory.addItem(
            EntryTexts(templ.columnType(kHistory, kNo), templ.columnType(kHistory, kDate))
                .of(no, storedDate),
            db::fromStored(templ.columnType(kHistory, kNo), no));
    selectLastEntry();
}

void History::selectLastEntry() {
    form::ListBox& list = m_pages.database.comboHistory;
    if (list.count() == 0)
        return;
    const editor::Quiet quiet(m_editor);
    list.setCurrentIndex(list.count() - 1);
}

// The number after the highest one in the history: a number that is there already would
// overwrite its backup. The index on [No] gives the highest first: text values (rare, and
// only where the column holds what is no number) come before the numbers, then the numbers
// from the highest down, of which the first whole one is the highest.
qint64 History::nextNumber() {
    db::Database& templ = m_editor.templ();
    std::optional<qint64> last;
    db::Statement rows(templ, QStringLiteral("SELECT [No] FROM %1 WHERE [No] IS NOT NULL "
                                             "ORDER BY [No] DESC")
                                  .arg(templ.qualified(kHistory)));
    while (rows.step()) {
        const QVariant value = rows.value(0);
        const bool text = value.typeId() == QMetaType::QString;
        if (!text && value.typeId() != QMetaType::LongLong && value.typeId() != QMetaType::Double)
            continue;
        const std::optional<qint64> no = wholeNumber(value);
        if (no && (!last || *no > *last))
            last = no;
        if (no && !text)
            break;
    }
    qint64 next = 1;
    if (last) {
        if (*last < 0 || *last >= kLastNumber)
            throw db::DbError(QStringLiteral("the history numbers cannot go on after No %1; Clear "
                                             "History starts them again at 1")
                                  .arg(*last));
        next = *last + 1;
    }
    // A backup without its row (its store died before saving the row) keeps its number. The
    // folder is read once; after that a file at the number (put there by hand) moves it on.
    if (!m_highestBackup) {
        const QList<qint64> files =
            BackupFolder::numbers(backupFolder(), BackupFolder::Entries::AnyButFolders);
        m_highestBackup = files.isEmpty() ? 0 : files.last();
    }
    next = std::max(next, *m_highestBackup + 1);
    m_passedStrays = false;
    while (next < kLastNumber && QFileInfo::exists(backupPath(next))) {
        m_passedStrays = true;
        ++next;
    }
    return next;
}

bool History::askToReplaceChanged(const QString& system) const {
    QDateTime changed = QFileInfo(system).lastModified();
    const QFileInfo wal(system + QStringLiteral("-wal"));
    if (wal.exists() && wal.lastModified() > changed)
        changed = wal.lastModified();
    return m_editor.host().askYesNo(
        QStringLiteral("The system database %1 was changed by another program on %2, after the "
                       "editor copied it. Storing replaces it: those changes are then only in "
                       "the history. Store anyway ?")
            .arg(system, dateText(changed)),
        texts::kCaption);
}

bool History::Store() {
    editor::Editor& e = m_editor;
    if (m_storeRunning.isRunning())
        return false;
    const editor::Running running(m_storeRunning);
    if (!e.host().askYesNo(
            QStringLiteral("Are you sure, you want to store the new system database ?"),
            texts::kCaption))
        return false;
    const editor::BusyScope busy(e.host());
    DatabaseFrames& frames = m_pages.database;
    const ButtonsDisabled disabled{frames,
                                   {&frames.cmdExit, &frames.cmdClearHistory, &frames.cmdRestore}};

    // A store the user gives up (a system database that another program changed) changes
    // nothing, its NDD field included.
    db::Savepoint nddField(e.work());
    m_pages.ndd.storeNddField();
    QStringList afterwards;
    Startup::Handover handover;
    if (!storeFiles(afterwards, handover))
        return false; // the savepoint takes the NDD field back
    // The store committed the field with the working copy; the start-up that follows must not
    // find the savepoint to return to.
    nddField.release();
    // The voltages belong to the system database they were stored with.
    afterwards += m_pages.fcs.storeVoltages();
    const Startup::Result started = m_startup->start(&handover);
    if (started.outcome == Startup::Outcome::Failed || started.outcome == Startup::Outcome::Refused)
        afterwards.append(QStringLiteral("the start-up on it failed: ") + started.reason);
    if (afterwards.isEmpty())
        return true;
    const QString text = kStoredThen.arg(afterwards.join(QStringLiteral("; ")));
    e.setMessage(text);
    e.host().message(text, texts::kCaption, form::MessageIcon::Warning);
    return true;
}

// The old system database is replaced in one rename, only after its backup and its history row
// are written and the compacted working copy is complete beside it. Until then a failure
// removes what the store made and leaves the working copy open as it was.
bool History::storeFiles(QStringList& afterwards, Startup::Handover& handover) {
    editor::Editor& e = m_editor;
    const QString system = e.systemDatabasePath();
    const QDateTime now = QDateTime::currentDateTime();
    // The files this store made, the only ones a failure removes: a file found at the name the
    // store wanted may be the only copy of an older system database.
    QString backup;
    QString compacted;
    // A backup that is a second name of the system database is read through this file, which
    // stays open until the lock is gone: closing any descriptor of a file drops every lock the
    // process holds on it.
    QFile linked;
    std::unique_ptr<db::Database> lock;
    // The history row goes in through a connection of its own: the template database shares
    // the working copy's transaction, which the compaction needs committed before the row may
    // be.
    std::unique_ptr<db::Database> history;
    std::optional<db::Transaction> row; // committed once the new database is in place
    bool wal = false;
    QVariant entryNo;
    QVariant entryDate;
    try {
        const qint64 no = nextNumber();
        Startup::SystemState accepted = m_startup->systemState();
        for (;;) {
            fault("backup");
            lock = lockSystemDatabase(system);
            wal = inWalMode(*lock);
            const QString target = backupPath(no);
            QByteArray state;
            // Under the lock the system database stays as it is until it is replaced, so the
            // replaced file itself, under a second name, is its backup. A WAL database keeps
            // part of itself beside the file and is copied through the engine: a connection in
            // a write transaction cannot be the source of a backup, but readers still may, and
            // they see the last commit.
            if (!wal && fs::linkTo(system, target)) {
                backup = target;
                linked.setFileName(backup);
                if (!linked.open(QIODevice::ReadOnly))
                    throw FileError(
                        QStringLiteral("Cannot read %1: %2").arg(backup, linked.errorString()));
                // The file the editor copied or placed, unwritten since, needs no reading.
                if (accepted.unwritten(system, linked))
                    break;
                state = db::DatabaseFingerprint::of(linked);
            } else {
                // The copy is renamed over its target; a file already there is another backup
                // and must stay.
                if (QFileInfo::exists(target))
                    throw FileError(
                        QStringLiteral("Cannot write the backup %1: the file exists").arg(target));
                db::Database::SnapshotDatabase(system, target);
                backup = target;
                state = Startup::stateOf(backup);
            }
            if (!accepted.fingerprint.isEmpty() && state == accepted.fingerprint)
                break;
            // The other program may go on while the user decides.
            const QByteArray header = linked.isOpen() ? Startup::headerOf(linked) : QByteArray();
            lock.reset();
            linked.close();
            fs::remove(backup);
            backup.clear();
            if (!askToReplaceChanged(system))
                return false;
            accepted = {{}, header, state};
        }
        fault("history");
        history = db::Database::open(e.templatePath());
        row.emplace(*history);
        const QVariant storedDate = db::toStored(db::FieldType::Date, now);
        history->execute(
            QStringLiteral("INSERT INTO [History] ([Date], [No], [Path]) VALUES (?, ?, ?)"),
            {storedDate, no, backup});
        entryNo = no;
        entryDate = storedDate;
        fault("close");
        if (e.work().inTransaction())
            e.work().commit(); // the compaction reads what this action wrote
        fault("compact");
        const QString into = fs::temporaryPath(system);
        db::Database::CompactDatabase(e.workCopyPath(), into); // removes what it made on failure
        compacted = into;
        // The header of the new system database, read while the file is the store's own.
        QByteArray header;
        {
            QFile placed(compacted);
            if (placed.open(QIODevice::ReadOnly))
                header = Startup::headerOf(placed);
        }
        fault("replace");
        try {
            fs::replace(compacted, system);
        } catch (const FileError& error) {
            if (!error.replaced())
                throw;
            afterwards.append(QStringLiteral("it may not be on the disk yet: ") + error.message());
        }
        m_highestBackup = std::max(m_highestBackup.value_or(0), no);
        handover.strays = m_passedStrays;
        handover.system = system;
        handover.placed = fs::fileIdentity(system);
        handover.header = header;
    } catch (const std::exception& error) {
        QString undone;
        row.reset();
        history.reset();
        lock.reset();
        for (const QString& made : {compacted, backup}) {
            try {
                if (!made.isEmpty())
                    fs::remove(made);
            } catch (const FileError& removal) {
                undone += QStringLiteral("; ") + removal.message();
            }
        }
        throw FileError(kStoreFailed.arg(errorText(error) + undone));
    }
    try {
        fault("done");
    } catch (const std::exception& error) {
        afterwards.append(errorText(error));
    }
    try {
        row->commit();
        handover.no = entryNo;
        handover.date = entryDate;
    } catch (const std::exception& error) {
        afterwards.append(QStringLiteral("the history row of the backup %1 could not be saved: %2")
                              .arg(backup, errorText(error)));
    }
    lock.reset();
    // The engine removes the WAL files of the replaced database when its last connection
    // closes; left beside the new one, they would be read as part of it.
    if (wal) {
        try {
            fs::remove(system + QStringLiteral("-wal"));
            fs::remove(system + QStringLiteral("-shm"));
        } catch (const FileError& error) {
            afterwards.append(error.message());
        }
    }
    return true;
}

QString History::selectedBackupPath() const {
    const form::ListBox& list = m_pages.database.comboHistory;
    if (list.currentIndex() < 0)
        return {};
    db::Recordset row = m_editor.templ().OpenRecordset(
        QStringLiteral("SELECT [Path] FROM [History] WHERE [No] = ?"), {list.currentData()});
    return row.eof() ? QString() : records::NullToText(row.value(kPath));
}

void History::Restore() {
    editor::Editor& e = m_editor;
    const QString path = selectedBackupPath();
    if (path.isEmpty())
        return;
    if (!QFileInfo(path).isFile()) {
        e.setMessage(QStringLiteral("File: ") + path + QStringLiteral(" not found !"));
        e.host().beep();
        return;
    }
    const editor::BusyScope busy(e.host());
    // Only a sound backup replaces the working copy; the copy is taken from the state that
    // passed the checks, and the open working copy stays as it is until it is complete.
    try {
        openSound(QStringLiteral("The backup"), path, Startup::systemTables())
            ->snapshotTo(e.workCopyPath(), fs::Durability::Scratch);
    } catch (const std::exception& error) {
        throw FileError(QStringLiteral("Restore failed, the working copy is unchanged: %1")
                            .arg(errorText(error)));
    }
    e.closeWork();
    e.openWork();
    e.work().begin(); // the rest of the action's writes land with it, in one commit
    m_readout.Refresh();
    // The page in front shows the restored state too (the firmware page's lasers).
    m_readout.TabSwitch();
    e.setMessage(QStringLiteral("You must store this restored configuraton to make it active !"));
}

void History::ClearHistory() {
    editor::Editor& e = m_editor;
    if (m_clearRunning.isRunning())
        return;
    const editor::Running running(m_clearRunning);
    if (!e.host().askYesNo(QStringLiteral("Are you sure ? All older versions are lost !"),
                           texts::kCaption))
        return;
    // The rows go first and for good; only then the files, which no rollback brings back. A file
    // that cannot be deleted keeps its row, and so do the rows after it.
    struct Entry {
        QList<db::Field> fields;
        QString path;
        bool own = false;
    };
    QList<Entry> entries;
    db::Recordset rows = e.templ().OpenRecordset(kHistory);
    for (; !rows.eof(); rows.moveNext()) {
        Entry entry;
        for (int i = 0; i < rows.fieldCount(); ++i)
            entry.fields.append(rows.field(i));
        entry.path = records::NullToText(rows.value(kPath));
        // Only the program's own backups are deleted: a row may name any file, even the system
        // database. Other files leave the list and stay on the disk.
        const std::optional<qint64> no = wholeNumber(rows.value(kNo));
        entry.own = no && !entry.path.isEmpty() &&
                    QDir::cleanPath(QFileInfo(entry.path).absoluteFilePath()) ==
                        QDir::cleanPath(QFileInfo(backupPath(*no)).absoluteFilePath());
        entries.append(entry);
        rows.deleteRow();
    }
    rows.close();
    const bool inAction = e.work().inTransaction();
    e.commitWork();
    if (inAction)
        e.work().begin();

    // Backups without a row stay, and the numbers go on after them.
    m_highestBackup.reset();
    QString failure;
    qsizetype kept = entries.size();
    for (qsizetype i = 0; i < entries.size() && failure.isEmpty(); ++i) {
        if (!entries.at(i).own)
            continue;
        try {
            fs::remove(entries.at(i).path);
        } catch (const FileError& error) {
            failure = error.message();
            kept = i;
        }
    }
    if (failure.isEmpty()) {
        m_pages.database.comboHistory.clear();
        return;
    }
    // The rows deleted so far stay deleted with their files; the list shows what is left.
    db::Recordset history = e.templ().OpenRecordset(kHistory);
    for (qsizetype i = kept; i < entries.size(); ++i) {
        history.addNew();
        for (const db::Field& field : entries.at(i).fields)
            history.setValue(field.name, field.value);
        history.update();
    }
    FillHistoryList();
    const QString text =
        QStringLiteral("Clear History stopped, the older versions still listed are kept: %1")
            .arg(failure);
    e.setMessage(text);
    e.host().message(text, texts::kCaption, form::MessageIcon::Warning);
}

void History::SaveAs() {
    editor::Editor& e = m_editor;
    QString fileName = e.systemDatabasePath();
    if (!e.AskSaveFileName(fileName, QStringLiteral("mdb files"), QStringLiteral("*.mdb")))
        return;
    const editor::BusyScope busy(e.host());
    m_pages.ndd.storeNddField();
    // The copy must hold what this action wrote so far.
    db::Database& work = e.work();
    if (work.inTransaction()) {
        work.commit();
        work.begin();
    }
    work.snapshotTo(fileName);
    // The NDD field may have changed under the master switch: show what was saved.
    m_readout.ReadConfiguration();
}

void History::RefreshHiddenCopy() {
    editor::Editor& e = m_editor;
    if (!m_pages.login.exec())
        return;
    const QString hidden = e.HiddenCopyPath();
    platform::Platform& p = e.platform();
    // The delivered state is never replaced by a database that is not sound. The rename
    // replaces a read-only copy too, and its name stays in the hidden list.
    openSound(QStringLiteral("The system database"), e.systemDatabasePath(),
              Startup::systemTables())
        ->snapshotTo(hidden);
    if (!p.setHidden(hidden, true) || !p.setReadOnly(hidden, true))
        throw FileError(
            QStringLiteral("The hidden copy %1 is saved, but could not be made hidden and "
                           "read-only")
                .arg(hidden));
    m_pages.database.lMsgHiddenCopy.setCaption(QStringLiteral("Database now saved !"));
}

void History::Exit() {
    m_editor.closeDatabases();
    m_editor.quit();
}

} // namespace app
