// The one way a desktop service is found: each service is an interface with a process-wide
// implementation that the program or a test may replace for a while, and a default otherwise.
#pragma once

#include <utility>

namespace pellitor::platform {

// Service derives from Installable<Service> and gives its default as static Service& standard().
template <typename Service>
class Installable {
public:
    // The installed implementation, or the default when none is.
    static Service& current() { return s_installed ? *s_installed : Service::standard(); }
    // The installed implementation, or nullptr when the default serves.
    static Service* installed() { return s_installed; }
    // Installs service (nullptr restores the default) and returns the one it replaces, nullptr
    // for the default. The caller keeps ownership.
    static Service* install(Service* service) { return std::exchange(s_installed, service); }

private:
    static inline Service* s_installed = nullptr;
};

// Installs a service for the guard's lifetime and then restores the one it replaced.
template <typename Service>
class InstallGuard {
public:
    explicit InstallGuard(Service& service) : m_previous(Service::install(&service)) {}
    ~InstallGuard() { Service::install(m_previous); }
    InstallGuard(const InstallGuard&) = delete;
    InstallGuard& operator=(const InstallGuard&) = delete;

private:
    Service* m_previous;
};

} // namespace pellitor::platform
