// The start-up guard against a missing display server or an unusable Qt platform.
#include "DisplayGuard.h"

#include "DisplayServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QStringList>

#include <sys/mman.h>
#include <unistd.h>

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

std::string variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The platform asked for, as Qt reads it: the last "-platform" argument, else QT_QPA_PLATFORM.
std::string requestedPlatform(const std::vector<std::string>& arguments)
{
    std::string platform;
    for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "-platform" || arguments[i] == "--platform")
            platform = arguments[++i];
    }
    return platform.empty() ? variable("QT_QPA_PLATFORM") : platform;
}

// The keys of the platform plugins Qt would find, read from their metadata without loading them.
QStringList installedPlatforms()
{
    QStringList folders;
    for (const QString& folder : qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH").split(u':', Qt::SkipEmptyParts))
        folders << folder;
    for (const QString& path : QCoreApplication::libraryPaths())
        folders << path + QStringLiteral("/platforms");
    QStringList keys;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList(QDir::Files)) {
            const QJsonObject data = QPluginLoader(dir.filePath(file)).metaData().value(u"MetaData").toObject();
            for (const QJsonValue key : data.value(u"Keys").toArray())
                keys << key.toString();
        }
    }
    keys.removeDuplicates();
    keys.sort();
    return keys;
}

// The first line of a message, where Qt's own reason stands.
QString firstLine(const QString& text)
{
    return text.section(u'\n', 0, 0).trimmed();
}
} // namespace

DisplayGuard::DisplayGuard(int argc, char** argv) : m_arguments(argv, argv + argc)
{
    active = this;
    m_previous = qInstallMessageHandler(&DisplayGuard::handle);
    // Libraries below Qt (libwayland) write their complaints to stderr themselves.
    std::fflush(stderr);
    m_setAside = ::memfd_create("pellitor-stderr", MFD_CLOEXEC);
    m_stderr = m_setAside < 0 ? -1 : ::dup(STDERR_FILENO);
    if (m_stderr < 0 || ::dup2(m_setAside, STDERR_FILENO) < 0) {
        if (m_stderr >= 0)
            ::close(m_stderr);
        if (m_setAside >= 0)
            ::close(m_setAside);
        m_stderr = m_setAside = -1;
    }
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(m_previous);
    active = nullptr;
    const std::lock_guard lock(m_mutex);
    restoreStderr();
    passOnHeld();
}

void DisplayGuard::restoreStderr()
{
    if (m_stderr < 0)
        return;
    std::fflush(stderr);
    ::dup2(m_stderr, STDERR_FILENO);
    ::close(m_stderr);
    m_stderr = -1;
    char buffer[4096];
    ::lseek(m_setAside, 0, SEEK_SET);
    for (ssize_t got; (got = ::read(m_setAside, buffer, sizeof buffer)) > 0;) {
        for (ssize_t written = 0; written < got;) {
            const ssize_t now = ::write(STDERR_FILENO, buffer + written, std::size_t(got - written));
            if (now <= 0)
                break;
            written += now;
        }
    }
    ::close(m_setAside);
    m_setAside = -1;
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
    guard.exitWithoutWindow(firstLine(text));
}

void DisplayGuard::requireScreen() const
{
    if (QGuiApplication::primaryScreen())
        return;
    const std::lock_guard lock(m_mutex);
    exitWithoutWindow(QStringLiteral("it found no screen"));
}

void DisplayGuard::exitWithoutWindow(const QString& reason) const
{
    std::string line;
    const auto servers = platform::displayServersFor(m_arguments, [](const char* name) { return std::getenv(name); });
    if (servers && std::ranges::none_of(*servers, platform::isReachable)) {
        line = "no display server reachable (tried " + platform::describe(*servers)
               + "); the command-line calculator pellitor-calc works without one";
    } else {
        const std::string requested = requestedPlatform(m_arguments);
        const QStringList installed = installedPlatforms();
        // A list ("wayland;xcb") names the entries that are not installed, if any.
        QStringList missing;
        for (const QString& entry : QString::fromStdString(requested).split(u';', Qt::SkipEmptyParts)) {
            if (!installed.contains(entry.section(u':', 0, 0)))
                missing << entry.section(u':', 0, 0);
        }
        if (!missing.isEmpty())
            line = "the Qt platform '" + missing.join(QStringLiteral("', '")).toStdString() + "' is not installed";
        else if (requested.empty())
            line = "the default Qt platform cannot start here: " + reason.toStdString();
        else
            line = "the Qt platform '" + requested + "' cannot start here: " + reason.toStdString();
        line += " (installed: " + installed.join(QStringLiteral(", ")).toStdString() + ")";
    }
    // The line goes to the real stderr; what was set aside and held goes nowhere.
    const std::string text = "pellitor: " + line + "\n";
    const int fd = m_stderr >= 0 ? m_stderr : STDERR_FILENO;
    for (std::size_t written = 0; written < text.size();) {
        const ssize_t now = ::write(fd, text.data() + written, text.size() - written);
        if (now <= 0)
            break;
        written += std::size_t(now);
    }
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
