// Asking the user a yes-or-no question in a modal box, behind a seam: the graph's export asks
// through it before it replaces a file, and tests install an answer instead, so that no modal box
// ever waits for a person.
#pragma once

#include "Installable.h"

#include <QString>

class QWidget;

namespace pellitor::platform {

class Question : public Installable<Question> {
public:
    virtual ~Question() = default;

    // Shows text titled title over owner with Yes and No (No the default, and the answer when
    // the box is closed otherwise) and returns whether the user chose Yes.
    virtual bool ask(QWidget* owner, const QString& title, const QString& text) = 0;

private:
    friend class Installable<Question>;
    // The default shows a QMessageBox with the warning icon.
    static Question& standard();
};

// Asks through the current implementation; true for Yes.
bool askYesNo(QWidget* owner, const QString& title, const QString& text);

} // namespace pellitor::platform
