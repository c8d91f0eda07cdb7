#pragma once

#include <form/Host.h>

namespace app {

// The busy pointer for the length of a scope, however the scope is left.
class BusyScope {
public:
    explicit BusyScope(form::Host& host) : m_host(host) { m_host.setBusy(true); }
    ~BusyScope() { m_host.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    form::Host& m_host;
};

} // namespace app
