// A document opener that records what it is asked to open instead of opening it. It installs
// itself on construction and restores the opener it replaced when it goes out of scope.
#pragma once

#include "DocumentOpener.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

namespace pellitor::testing {

class RecordingOpener final : public platform::DocumentOpener {
public:
    struct Opened {
        QPointer<QWidget> owner;
        QString document;
    };

    bool open(QWidget* owner, const QString& document) override
    {
        m_opened.push_back({owner, document});
        return m_opens;
    }

    const std::vector<Opened>& opened() const { return m_opened; }
    // From now on no program takes what is opened.
    void failFromNow() { m_opens = false; }

private:
    const platform::InstallGuard<platform::DocumentOpener> m_installed{*this};
    std::vector<Opened> m_opened;
    bool m_opens = true;
};

} // namespace pellitor::testing
