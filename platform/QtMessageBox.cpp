// The Qt message box.
#include "QtMessageBox.h"

#include <QApplication>
#include <QString>

namespace pellitor::platform {

QMessageBox::Icon QtMessageBox::iconFor(std::int32_t style)
{
    switch (style & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

void QtMessageBox::showMessage(const std::u16string& text, const std::u16string& title, std::int32_t style)
{
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    showMessageOver(owner, text, title, style);
}

void QtMessageBox::showMessageOver(QWidget* owner, const std::u16string& text, const std::u16string& title,
                                   std::int32_t style)
{
    QMessageBox box(iconFor(style), QString::fromStdU16String(title), QString::fromStdU16String(text), QMessageBox::Ok,
                    owner);
    // Messages quote what the user typed; it is shown as typed, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace pellitor::platform
