#pragma once

#include "Platform.h"
#include "Registry.h"

namespace platform {

// The host services on Linux: the registry file at the given path, permission bits and ".hidden"
// lists for attributes, and the process's user and groups for administrator rights.
class LinuxPlatform : public Platform {
public:
    explicit LinuxPlatform(const QString& registryPath);

    Registry& registry() override { return m_registry; }
    bool isAdministrator() const override;

    bool isReadOnly(const QString& path) const override;
    bool setReadOnly(const QString& path, bool readOnly) override;
    bool isHidden(const QString& path) const override;
    bool setHidden(const QString& path, bool hidden) override;

    void sleepMs(int milliseconds) override;

private:
    Registry m_registry;
};

} // namespace platform
