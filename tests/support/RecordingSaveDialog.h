// A save dialog that answers with a path given beforehand instead of asking, and records what it
// was asked. It installs itself on construction and restores the dialog it replaced when it goes.
#pragma once

#include "SaveDialog.h"

#include <QStringList>

namespace pellitor::testing {

class RecordingSaveDialog final : public platform::SaveDialog {
public:
    explicit RecordingSaveDialog(platform::SaveChoice answer) : m_answer(std::move(answer)) {}

    platform::SaveChoice ask(QWidget*, const QString&, const QString&, const QStringList& filters) override
    {
        ++m_asked;
        m_filters = filters;
        return m_answer;
    }

    int asked() const { return m_asked; }
    const QStringList& filters() const { return m_filters; }

private:
    const platform::InstallGuard<platform::SaveDialog> m_installed{*this};
    platform::SaveChoice m_answer;
    QStringList m_filters;
    int m_asked = 0;
};

} // namespace pellitor::testing
