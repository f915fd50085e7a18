// What assistive tools (a screen reader) are told of a change: Qt's accessibility bridge passes it
// on while one is connected; tests install a recorder in its place, since an offscreen program
// has no bridge.
#pragma once

class QAccessibleEvent;

namespace pellitor::platform {

class Announcer {
public:
    virtual ~Announcer() = default;
    virtual void announce(QAccessibleEvent& event) = 0;

    // Someone listens: an assistive tool is connected, or a recorder is installed. Work that only
    // prepares an announcement can be skipped while nobody does.
    static bool listening();
    // Passes event to the installed recorder, or else to Qt's bridge.
    static void send(QAccessibleEvent& event);
    // Installs a recorder (nullptr restores Qt's bridge) and returns the one it replaces. The
    // caller keeps ownership.
    static Announcer* install(Announcer* announcer);
};

} // namespace pellitor::platform
