// The print dialog on QPrintDialog.
#include "PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace pellitor::platform {

namespace {
class QtPrintDialog final : public PrintDialog {
public:
    bool ask(QWidget* owner, QPrinter& printer, const QString& caption) override
    {
        QPrintDialog dialog(&printer, owner);
        dialog.setWindowTitle(caption);
        // One page: no range, selection or current page to choose; a file and the page size.
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
        return dialog.exec() == QDialog::Accepted;
    }
};
} // namespace

PrintDialog& PrintDialog::standard()
{
    static QtPrintDialog dialog;
    return dialog;
}

bool askHowToPrint(QWidget* owner, QPrinter& printer, const QString& caption)
{
    return PrintDialog::current().ask(owner, printer, caption);
}

} // namespace pellitor::platform
