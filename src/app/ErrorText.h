#pragma once

#include <QString>
#include <db/DbError.h>
#include <exception>
#include <platform/FileSafety.h>

namespace app {

// The text a user reads for an error: the message of a database or file error as it stands.
inline QString errorText(const std::exception& error) {
    if (const auto* database = dynamic_cast<const db::DbError*>(&error))
        return database->message();
    if (const auto* file = dynamic_cast<const platform::FileError*>(&error))
        return file->message();
    return QString::fromUtf8(error.what());
}

} // namespace app
