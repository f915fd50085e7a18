// Asking the user how to print, behind a seam: the graph prints through it, and tests install an
// answer instead (print to a PDF file), so that no modal dialog ever waits for a person.
#pragma once

#include "Installable.h"

class QPrinter;
class QString;
class QWidget;

namespace pellitor::platform {

class PrintDialog : public Installable<PrintDialog> {
public:
    virtual ~PrintDialog() = default;

    // Shows a modal dialog over owner titled caption, in which the user sets printer up (a
    // printer, or a PDF file to print to), and returns true when the user chose to print.
    virtual bool ask(QWidget* owner, QPrinter& printer, const QString& caption) = 0;

private:
    friend class Installable<PrintDialog>;
    // The default shows Qt's print dialog.
    static PrintDialog& standard();
};

// Asks through the current dialog.
bool askHowToPrint(QWidget* owner, QPrinter& printer, const QString& caption);

} // namespace pellitor::platform
