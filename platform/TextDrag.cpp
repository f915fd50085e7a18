// The text drag on QDrag.
#include "TextDrag.h"

#include <QDrag>
#include <QMimeData>
#include <QPointer>
#include <QWidget>

namespace pellitor::platform {

namespace {
class DesktopDrag final : public TextDrag {
public:
    Outcome drag(QWidget* source, const QString& text, Qt::DropActions actions, Qt::DropAction preferred) override
    {
        auto* data = new QMimeData;
        data->setText(text);
        QPointer<QDrag> drag = new QDrag(source);
        drag->setMimeData(data);
        const Qt::DropAction action = drag->exec(actions, preferred);
        const bool onSource = drag && drag->target() == source;
        return {action, onSource};
    }
};
} // namespace

TextDrag& TextDrag::standard()
{
    static DesktopDrag drag;
    return drag;
}

TextDrag::Outcome dragText(QWidget* source, const QString& text, Qt::DropActions actions, Qt::DropAction preferred)
{
    return TextDrag::current().drag(source, text, actions, preferred);
}

} // namespace pellitor::platform
