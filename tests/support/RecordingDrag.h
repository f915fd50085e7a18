// A text drag that records what a box offers instead of running the desktop's drag (which waits
// for the real pointer), and answers with the outcome the test chose. It installs itself on
// construction and restores the drag it replaced when it goes out of scope.
#pragma once

#include "TextDrag.h"

#include <QString>
#include <QWidget>

#include <vector>

namespace pellitor::testing {

class RecordingDrag final : public platform::TextDrag {
public:
    struct Offer {
        QWidget* source;
        QString text;
        Qt::DropActions actions;
        Qt::DropAction preferred;
    };
    explicit RecordingDrag(Outcome outcome = {}) : m_outcome(outcome) {}

    Outcome drag(QWidget* source, const QString& text, Qt::DropActions actions, Qt::DropAction preferred) override
    {
        m_offers.push_back({source, text, actions, preferred});
        // Where the drop lands, it takes the text the way the outcome says.
        return {m_outcome.action && !(actions & m_outcome.action) ? Qt::IgnoreAction : m_outcome.action,
                m_outcome.droppedOnSource};
    }
    const std::vector<Offer>& offers() const { return m_offers; }

private:
    const platform::InstallGuard<platform::TextDrag> m_installed{*this};
    Outcome m_outcome;
    std::vector<Offer> m_offers;
};

} // namespace pellitor::testing
