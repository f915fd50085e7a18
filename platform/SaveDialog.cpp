// The save dialog on QFileDialog.
#include "SaveDialog.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace pellitor::platform {

namespace {
// The extension of a filter such as "PNG image (*.png)": "png"; empty for none.
QString suffixOf(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([^ )]+)"));
    return pattern.match(filter).captured(1);
}

class QtSaveDialog final : public SaveDialog {
public:
    SaveChoice ask(QWidget* owner, const QString& caption, const QString& suggested,
                   const QStringList& filters) override
    {
        QFileDialog dialog(owner, caption);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(filters);
        dialog.selectFile(suggested);
        // A name typed without an extension gets the chosen filter's before the dialog checks
        // whether the file exists, so that it asks before replacing the file that is written.
        dialog.setDefaultSuffix(suffixOf(filters.value(0)));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
        SaveChoice choice;
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return choice;
        choice.path = dialog.selectedFiles().constFirst();
        choice.filter = dialog.selectedNameFilter();
        return choice;
    }
};
} // namespace

SaveDialog& SaveDialog::standard()
{
    static QtSaveDialog dialog;
    return dialog;
}

SaveChoice askWhereToSave(QWidget* owner, const QString& caption, const QString& suggested, const QStringList& filters)
{
    return SaveDialog::current().ask(owner, caption, suggested, filters);
}

} // namespace pellitor::platform
