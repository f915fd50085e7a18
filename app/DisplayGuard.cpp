// The start-up guard against a missing display server.
#include "DisplayGuard.h"

#include "DisplayServer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace pellitor {

namespace {
DisplayGuard* active = nullptr;

std::optional<std::string> copy(const char* text)
{
    return text ? std::optional<std::string>(text) : std::nullopt;
}

const char* pointer(const std::optional<std::string>& text)
{
    return text ? text->c_str() : nullptr;
}
} // namespace

DisplayGuard::DisplayGuard(int argc, char** argv) : m_arguments(argv, argv + argc)
{
    active = this;
    m_previous = qInstallMessageHandler(&DisplayGuard::handle);
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(m_previous);
    active = nullptr;
    const std::lock_guard lock(m_mutex);
    passOnHeld();
}

void DisplayGuard::handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    DisplayGuard& guard = *active;
    const std::lock_guard lock(guard.m_mutex);
    if (type != QtFatalMsg) {
        guard.m_held.push_back(
            {type, copy(context.file), context.line, copy(context.function), copy(context.category), text});
        return;
    }
    guard.exitWithoutDisplay();
    // Some other failure: Qt's handler reports it after what led up to it, and Qt aborts.
    guard.passOnHeld();
    guard.m_previous(type, context, text);
}

void DisplayGuard::exitWithoutDisplay() const
{
    const auto servers = platform::displayServersFor(m_arguments, [](const char* name) { return std::getenv(name); });
    if (!servers || std::ranges::any_of(*servers, platform::isReachable))
        return;
    std::fprintf(stderr,
                 "pellitor: no display server reachable (tried %s); "
                 "the command-line calculator pellitor-calc works without one\n",
                 platform::describe(*servers).c_str());
    std::fflush(stderr);
    // Qt is half set up: no exit handlers, no static destructors.
    std::_Exit(1);
}

void DisplayGuard::passOnHeld()
{
    for (const HeldMessage& message : m_held) {
        const QMessageLogContext context(pointer(message.file), message.line, pointer(message.function),
                                         pointer(message.category));
        m_previous(message.type, context, message.text);
    }
    m_held.clear();
}

} // namespace pellitor
