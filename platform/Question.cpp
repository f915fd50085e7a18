// The yes-or-no question on QMessageBox.
#include "Question.h"

#include <QMessageBox>

namespace pellitor::platform {

namespace {
class QtQuestion final : public Question {
public:
    bool ask(QWidget* owner, const QString& title, const QString& text) override
    {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, owner);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        // The text quotes a file's name, shown as it is, never read as markup.
        box.setTextFormat(Qt::PlainText);
        return box.exec() == QMessageBox::Yes;
    }
};
} // namespace

Question& Question::standard()
{
    static QtQuestion question;
    return question;
}

bool askYesNo(QWidget* owner, const QString& title, const QString& text)
{
    return Question::current().ask(owner, title, text);
}

} // namespace pellitor::platform
