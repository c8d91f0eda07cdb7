#include "Administrator.h"

#include <algorithm>
#include <cerrno>
#include <grp.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

std::vector<gid_t> administratorGroupIds() {
    std::vector<gid_t> ids;
    for (const char* name : {"sudo", "wheel", "admin"}) {
        group entry{};
        group* found = nullptr;
        std::vector<char> buffer(4096);
        int rc = 0;
        while ((rc = ::getgrnam_r(name, &entry, buffer.data(), buffer.size(), &found)) == ERANGE)
            buffer.resize(buffer.size() * 2);
        if (rc == 0 && found)
            ids.push_back(found->gr_gid);
    }
    return ids;
}

std::vector<gid_t> processGroupIds() {
    std::vector<gid_t> ids;
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        ids.resize(static_cast<size_t>(count));
        const int read = ::getgroups(count, ids.data());
        ids.resize(read > 0 ? static_cast<size_t>(read) : 0);
    }
    ids.push_back(::getegid());
    return ids;
}

} // namespace

bool hasAdministratorRights(uid_t effectiveUser, std::span<const gid_t> processGroups,
                            std::span<const gid_t> administratorGroups) {
    if (effectiveUser == 0)
        return true;
    return std::any_of(processGroups.begin(), processGroups.end(), [&](gid_t id) {
        return std::find(administratorGroups.begin(), administratorGroups.end(), id) !=
               administratorGroups.end();
    });
}

bool isAdministrator() {
    const std::vector<gid_t> groups = processGroupIds();
    const std::vector<gid_t> administrators = administratorGroupIds();
    return hasAdministratorRights(::geteuid(), groups, administrators);
}

} // namespace platform
