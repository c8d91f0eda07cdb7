#include "WriteFaults.h"

#include "DbError.h"

#include <cerrno>
#include <platform/FileNames.h>

namespace db::faults {

namespace detail {
bool armed = false;
} // namespace detail

namespace {
int failing = 0;
int counted = 0;
bool hasFired = false;
} // namespace

void failAt(int k) {
    failing = k;
    counted = 0;
    hasFired = false;
    detail::armed = k > 0;
}

void disarm() {
    detail::armed = false;
}

bool fired() {
    return hasFired;
}

int writes() {
    return counted;
}

void detail::write(const QString& what, const QString& file) {
    if (++counted != failing)
        return;
    hasFired = true;
    armed = false;
    throw DbError(platform::FileNames::text(
                      QStringLiteral("Cannot write"), file, platform::FileNames::reason(ENOSPC),
                      QStringLiteral("Injected write fault, write %1").arg(counted)),
                  DbError::Kind::Io, {0, ENOSPC, {}, what});
}

void detail::committed() {
    armed = false;
}

} // namespace db::faults
