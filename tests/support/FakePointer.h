// A pointer that stays where the test puts it and reports the widget the test names as the one
// under it. It installs itself on construction and restores the previous pointer when done.
#pragma once

#include "Pointer.h"

#include <QPointer>
#include <QWidget>

namespace pellitor::testing {

class FakePointer final : public platform::Pointer {
public:
    // Puts the pointer at globalPos over widget (nullptr: over nothing of ours), and tells the
    // hover clock, as the Qt pointer does on every pointer event.
    void moveTo(QPoint globalPos, QWidget* widget)
    {
        m_position = globalPos;
        m_widget = widget;
        changed();
    }

    // Puts the pointer there without telling anyone, to see what else wakes the hover clock.
    void placeQuietly(QPoint globalPos, QWidget* widget)
    {
        m_position = globalPos;
        m_widget = widget;
    }

    QPoint pointerPosition() const override
    {
        ++m_reads;
        return m_position;
    }
    QWidget* widgetUnderPointer() const override { return m_widget; }

    // How often the position was read.
    int reads() const { return m_reads; }

private:
    const platform::InstallGuard<platform::Pointer> m_installed{*this};
    QPoint m_position;
    QPointer<QWidget> m_widget;
    mutable int m_reads = 0;
};

} // namespace pellitor::testing
