#include "LinuxPlatform.h"

#include "Administrator.h"
#include "FileAttributes.h"
#include "Sleep.h"

namespace platform {

LinuxPlatform::LinuxPlatform(const QString& registryPath) : m_registry(registryPath) {}

bool LinuxPlatform::isAdministrator() const {
    return platform::isAdministrator();
}

bool LinuxPlatform::isReadOnly(const QString& path) const {
    return FileAttributes::isReadOnly(path);
}

bool LinuxPlatform::setReadOnly(const QString& path, bool readOnly) {
    return FileAttributes::setReadOnly(path, readOnly);
}

bool LinuxPlatform::isHidden(const QString& path) const {
    return FileAttributes::isHidden(path);
}

bool LinuxPlatform::setHidden(const QString& path, bool hidden) {
    return FileAttributes::setHidden(path, hidden);
}

void LinuxPlatform::sleepMs(int milliseconds) {
    platform::sleepMs(milliseconds);
}

} // namespace platform
