// A print dialog that answers "print to this PDF file" instead of asking (or cancels, for an
// empty path), and records how often it was asked. It installs itself on construction and
// restores the dialog it replaced when it goes.
#pragma once

#include "PrintDialog.h"

#include <QPrinter>
#include <QString>

namespace pellitor::testing {

class RecordingPrintDialog final : public platform::PrintDialog {
public:
    explicit RecordingPrintDialog(QString pdf) : m_pdf(std::move(pdf)) {}

    bool ask(QWidget*, QPrinter& printer, const QString& caption) override
    {
        ++m_asked;
        m_caption = caption;
        if (m_pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_pdf);
        return true;
    }

    int asked() const { return m_asked; }
    const QString& caption() const { return m_caption; }

private:
    const platform::InstallGuard<platform::PrintDialog> m_installed{*this};
    QString m_pdf;
    QString m_caption;
    int m_asked = 0;
};

} // namespace pellitor::testing
