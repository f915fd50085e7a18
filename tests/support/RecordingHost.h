// A control host that records the change notifications it receives, with a settable run mode and
// display name, and that can be told to fail a notification.
#pragma once

#include "ControlHost.h"

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace pellitor::testing {

class RecordingHost final : public platform::ControlHost {
public:
    explicit RecordingHost(QString name = QStringLiteral("XPButton7"), bool runMode = true)
        : m_name(std::move(name)), m_runMode(runMode)
    {
    }

    void propertyChanged(const QString& name) override
    {
        if (name == m_failOn)
            throw std::runtime_error("host refused the change");
        m_changes.append(name);
    }
    bool userMode() const override { return m_runMode; }
    QString displayName() const override { return m_name; }

    // The next notification of this property throws.
    void failOn(const QString& name) { m_failOn = name; }
    const QStringList& changes() const { return m_changes; }
    void clear() { m_changes.clear(); }

private:
    QString m_name;
    bool m_runMode;
    QString m_failOn;
    QStringList m_changes;
};

} // namespace pellitor::testing
