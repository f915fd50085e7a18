// Asking the user where to save a file, behind a seam: the graph's export asks through it, and
// tests install an answer instead, so that no modal dialog ever waits for a person.
#pragma once

#include "Installable.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace pellitor::platform {

struct SaveChoice {
    QString path;   // empty when the user cancelled
    QString filter; // the filter the user chose, one of those offered
};

class SaveDialog : public Installable<SaveDialog> {
public:
    virtual ~SaveDialog() = default;

    // Shows a modal dialog over owner titled caption, starting at suggested, offering filters
    // (such as "PNG image (*.png)"), and returns when the user has chosen or cancelled.
    virtual SaveChoice ask(QWidget* owner, const QString& caption, const QString& suggested,
                           const QStringList& filters) = 0;

private:
    friend class Installable<SaveDialog>;
    // The default shows the desktop's own file dialog.
    static SaveDialog& standard();
};

// Asks through the current dialog.
SaveChoice askWhereToSave(QWidget* owner, const QString& caption, const QString& suggested, const QStringList& filters);

} // namespace pellitor::platform
