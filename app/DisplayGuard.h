// Keeps pellitor from aborting when it cannot show a window. While the guard lives (around the
// construction of the QApplication, where Qt loads its platform plugin and connects to the display
// server), Qt's messages are held back and what libraries write to stderr is set aside. If Qt gives
// up with a fatal error, or its platform has no screen, the guard writes one line that says why
// (no display server answers, or the platform is not installed or cannot start here, with the
// platforms that are installed) and ends the program with status 1; nothing else reaches stderr.
// Otherwise it passes on what it held, in order.
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
    // Passes on what was written to stderr, then the held messages, in order, and restores the
    // previous message handler.
    ~DisplayGuard();

    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    // After the QApplication is made: a platform that started with no screen (linuxfb without a
    // frame buffer) cannot show the window either.
    void requireScreen() const;

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
    // Ends the program with the one line that says why it has no window.
    [[noreturn]] void exitWithoutWindow(const QString& reason) const;
    void restoreStderr();
    void passOnHeld();

    std::vector<std::string> m_arguments;
    QtMessageHandler m_previous = nullptr;
    mutable std::mutex m_mutex;
    std::vector<HeldMessage> m_held;
    // While the guard lives, stderr (descriptor 2) writes into m_setAside; m_stderr is the real one.
    int m_stderr = -1;
    int m_setAside = -1;
};

} // namespace pellitor
