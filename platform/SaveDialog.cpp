// The save dialog on QFileDialog.
#include "SaveDialog.h"

#include <QFileDialog>

namespace pellitor::platform {

namespace {
class QtSaveDialog final : public SaveDialog {
public:
    SaveChoice ask(QWidget* owner, const QString& caption, const QString& suggested,
                   const QStringList& filters) override
    {
        SaveChoice choice;
        choice.filter = filters.value(0);
        choice.path = QFileDialog::getSaveFileName(owner, caption, suggested, filters.join(QStringLiteral(";;")),
                                                   &choice.filter);
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
