// Builds a database file from SQL text files: orbis-mkdb OUTPUT FILE.sql...
// The files run in the order given, in one transaction; the output appears only when all of
// them ran, so a failed build never leaves a half-built database behind.
#include <QFile>
#include <QTextStream>
#include <db/Database.h>
#include <db/DbError.h>
#include <platform/FileSafety.h>

namespace fs = platform::FileSafety;

int main(int argc, char** argv) {
    QTextStream err(stderr);
    if (argc < 3) {
        err << "usage: orbis-mkdb OUTPUT FILE.sql...\n";
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QString partial = fs::temporaryPath(output);
    QString current;
    try {
        auto database = db::Database::create(partial);
        database->begin();
        for (int i = 2; i < argc; ++i) {
            current = QString::fromLocal8Bit(argv[i]);
            QFile file(current);
            if (!file.open(QIODevice::ReadOnly))
                throw db::DbError(QStringLiteral("cannot read ") + current);
            const QByteArray text = file.readAll();
            if (file.error() != QFileDevice::NoError)
                throw db::DbError(
                    QStringLiteral("cannot read %1: %2").arg(current, file.errorString()));
            database->execute(QString::fromUtf8(text));
        }
        database->commit();
        database->close();
        current.clear();
        fs::syncFile(partial);
        fs::replace(partial, output);
    } catch (const db::DbError& error) {
        err << "orbis-mkdb: " << current << ": " << error.message() << "\n";
        QFile::remove(partial);
        return 1;
    } catch (const platform::FileError& error) {
        err << "orbis-mkdb: " << error.message() << "\n";
        if (!error.replaced())
            QFile::remove(partial);
        return 1;
    }
    return 0;
}
