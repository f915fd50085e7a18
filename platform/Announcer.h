// What assistive tools (a screen reader) are told of a change: Qt's accessibility bridge passes it
// on while one is connected; tests install a recorder in its place, since an offscreen program
// has no bridge.
#pragma once

#include "Installable.h"

class QAccessibleEvent;

namespace pellitor::platform {

class Announcer : public Installable<Announcer> {
public:
    virtual ~Announcer() = default;
    virtual void announce(QAccessibleEvent& event) = 0;

    // Someone listens: an assistive tool is connected, or a recorder is installed. Work that only
    // prepares an announcement can be skipped while nobody does.
    static bool listening();
    // Passes event to the installed recorder, or else to Qt's bridge.
    static void send(QAccessibleEvent& event);

private:
    friend class Installable<Announcer>;
    // The default passes every event to Qt's bridge.
    static Announcer& standard();
};

} // namespace pellitor::platform
