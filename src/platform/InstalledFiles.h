#pragma once

#include <QString>

namespace platform {

// Where the program finds the template database Conf.mdb:
//   1. the path given on the command line with --template FILE;
//   2. Conf.mdb in the program's own folder (the build folder, or an installation that keeps it
//      there);
//   3. in an installation that follows the file system's layout, the machine's own copy in the
//      state folder (`/var/lib/orbis-config` beside `/usr/bin`), made from the shipped copy
//      (`/usr/share/orbis-config`) the first time. The editor writes the template database (its
//      History lists the installation's backups), so it does not work on the shipped copy: that
//      one belongs to the package manager, which replaces it on every upgrade.
// The folders of 3 are given relative to the program's folder, so that an installation moved to
// another prefix as a whole keeps working.
struct TemplateLocation {
    QString path;
    // Why the machine's copy could not be made ("Permission denied"); empty when nothing failed.
    QString problem;
};

TemplateLocation templateDatabase(const QString& fromCommandLine, const QString& programFolder,
                                  const QString& shippedFolder, const QString& stateFolder);

} // namespace platform
