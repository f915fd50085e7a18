// Keeps pellitor from aborting when no display server is reachable. While the guard lives (around
// the construction of the QApplication, where Qt connects to the display server), Qt's messages
// are held back. If Qt gives up with a fatal error and none of the display servers it would use
// answers, the guard writes one line that says so and points to pellitor-calc, and ends the
// program with status 1. Any other fatal error goes to Qt's own handler after the held messages.
#pragma once

#include <QString>
#include <QtGlobal>

#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace pellitor {

class DisplayGuard {
public:
    // Reads the arguments now: Qt removes the ones it takes.
    DisplayGuard(int argc, char** argv);
    // Passes the held messages on, in order, and restores the previous message handler.
    ~DisplayGuard();

    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

private:
    struct HeldMessage {
        QtMsgType type;
        // Copies of the context's texts; an unset one stays unset.
        std::optional<std::string> file;
        int line;
        std::optional<std::string> function;
        std::optional<std::string> category;
        QString text;
    };

    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text);
    void exitWithoutDisplay() const;
    void passOnHeld();

    std::vector<std::string> m_arguments;
    QtMessageHandler m_previous = nullptr;
    std::mutex m_mutex;
    std::vector<HeldMessage> m_held;
};

} // namespace pellitor
