// An announcer that records what assistive tools would be told, one line per event, instead of
// passing it to Qt (which drops everything offscreen). It installs itself on construction and
// restores the announcer it replaced when it goes out of scope.
#pragma once

#include "Announcer.h"

#include <QAccessible>
#include <QStringList>

namespace pellitor::testing {

class RecordingAnnouncer final : public platform::Announcer {
public:
    // "name", "description", "state pressed", "insert 3 abc", "remove 0 x", "caret 4",
    // "selection 1 3", each for the events of one object (all objects when object is null).
    void announce(QAccessibleEvent& event) override { m_events.push_back({event.object(), line(event)}); }

    QStringList lines(const QObject* object = nullptr) const
    {
        QStringList lines;
        for (const auto& [from, text] : m_events)
            if (!object || from == object)
                lines << text;
        return lines;
    }
    void clear() { m_events.clear(); }

private:
    static QString line(QAccessibleEvent& event)
    {
        switch (event.type()) {
        case QAccessible::NameChanged: return QStringLiteral("name");
        case QAccessible::DescriptionChanged: return QStringLiteral("description");
        case QAccessible::StateChanged: {
            const QAccessible::State changed = static_cast<QAccessibleStateChangeEvent&>(event).changedStates();
            return changed.pressed    ? QStringLiteral("state pressed")
                   : changed.disabled ? QStringLiteral("state disabled")
                                      : QStringLiteral("state other");
        }
        case QAccessible::TextInserted: {
            auto& e = static_cast<QAccessibleTextInsertEvent&>(event);
            return QStringLiteral("insert %1 %2").arg(e.changePosition()).arg(e.textInserted());
        }
        case QAccessible::TextRemoved: {
            auto& e = static_cast<QAccessibleTextRemoveEvent&>(event);
            return QStringLiteral("remove %1 %2").arg(e.changePosition()).arg(e.textRemoved());
        }
        case QAccessible::TextCaretMoved:
            return QStringLiteral("caret %1").arg(static_cast<QAccessibleTextCursorEvent&>(event).cursorPosition());
        case QAccessible::TextSelectionChanged: {
            auto& e = static_cast<QAccessibleTextSelectionEvent&>(event);
            return QStringLiteral("selection %1 %2").arg(e.selectionStart()).arg(e.selectionEnd());
        }
        default: return QStringLiteral("event %1").arg(int(event.type()));
        }
    }

    const platform::InstallGuard<platform::Announcer> m_installed{*this};
    std::vector<std::pair<const QObject*, QString>> m_events;
};

} // namespace pellitor::testing
