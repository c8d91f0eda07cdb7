#pragma once

#include <QString>

namespace platform {

class Registry;

// The host services the editor uses, behind one interface so that tests can replace them (a user
// without administrator rights, sleeping that does not sleep). LinuxPlatform is the real one.
class Platform {
public:
    virtual ~Platform() = default;

    virtual Registry& registry() = 0;
    virtual bool isAdministrator() const = 0;

    virtual bool isReadOnly(const QString& path) const = 0;
    virtual bool setReadOnly(const QString& path, bool readOnly) = 0;
    virtual bool isHidden(const QString& path) const = 0;
    virtual bool setHidden(const QString& path, bool hidden) = 0;

    virtual void sleepMs(int milliseconds) = 0;
};

} // namespace platform
