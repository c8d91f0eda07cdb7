#pragma once

#include <span>
#include <sys/types.h>

namespace platform {

// Administrator rights: the effective user is root, or the process belongs to one of the groups
// that grant administration on Linux distributions ("sudo", "wheel", "admin"). Like an access
// token, the process's own groups count, not later changes to the group database.
bool isAdministrator();

// The decision itself, for given identities.
bool hasAdministratorRights(uid_t effectiveUser, std::span<const gid_t> processGroups,
                            std::span<const gid_t> administratorGroups);

} // namespace platform
