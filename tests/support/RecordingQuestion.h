// A yes-or-no question that answers with a reply given beforehand instead of asking, and records
// what it was asked. It installs itself on construction and restores the one it replaced when it
// goes.
#pragma once

#include "Question.h"

#include <QStringList>

namespace pellitor::testing {

class RecordingQuestion final : public platform::Question {
public:
    explicit RecordingQuestion(bool yes) : m_yes(yes) {}

    bool ask(QWidget*, const QString& title, const QString& text) override
    {
        m_titles << title;
        m_texts << text;
        return m_yes;
    }

    const QStringList& titles() const { return m_titles; }
    const QStringList& texts() const { return m_texts; }

private:
    const platform::InstallGuard<platform::Question> m_installed{*this};
    bool m_yes;
    QStringList m_titles;
    QStringList m_texts;
};

} // namespace pellitor::testing
