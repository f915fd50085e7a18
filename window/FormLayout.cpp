// Building a window's controls from its layout table.
#include "FormLayout.h"

#include "CaptionFrame.h"
#include "ControlHost.h"
#include "InputBox.h"
#include "LinkLabel.h"
#include "ResultBox.h"
#include "XPButton.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include <algorithm>

namespace pellitor::layout {

platform::PropertyBag storedLayout(const Button& button)
{
    platform::PropertyBag bag{{QStringLiteral("caption"), QString::fromUtf8(button.caption)}};
    if (button.colorStyle != 1)
        bag.store(QStringLiteral("colorstyle"), qint32(button.colorStyle));
    bag.store(QStringLiteral("_extentx"), qint32(button.extentX));
    bag.store(QStringLiteral("_extenty"), qint32(button.extentY));
    return bag;
}

QFont fontOf(const FontChoice& choice, const QFont& windowFont)
{
    if (!choice.family)
        return windowFont;
    QFont font{QString::fromUtf8(choice.family)};
    font.setPointSizeF(choice.points);
    font.setBold(choice.bold);
    font.setUnderline(choice.underline);
    return font;
}

namespace {
// A text of the window's table in the installed translation. The window's class names the
// translation context, as tr() in its own code does; texts that are not marked for translation
// (the keypad's tokens) have none and stay as they are.
QString translated(const QWidget* form, const char* text)
{
    return QCoreApplication::translate(form->metaObject()->className(), text);
}

QWidget* makeWidget(Kind kind, const QString& caption, QWidget* parent)
{
    switch (kind) {
    case Kind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case Kind::Link: return new LinkLabel(caption, parent);
    case Kind::OptionButton: return new QRadioButton(caption, parent);
    case Kind::TextBox: {
        auto* box = new InputBox(parent);
        box->setText(caption);
        return box;
    }
    case Kind::MultiLineTextBox: {
        // Long lines break anywhere at the box's edge; Tab moves the focus on.
        auto* box = new ResultBox(parent);
        box->setPlainText(caption);
        return box;
    }
    case Kind::Frame: return new CaptionFrame(caption, parent);
    case Kind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSortingEnabled(true);
        return list;
    }
    }
    return nullptr;
}
} // namespace

QWidget* createControl(const Control& control, QWidget* form)
{
    QWidget* parent = form;
    if (control.container)
        parent = form->findChild<QWidget*>(QString::fromUtf8(control.container));
    Q_ASSERT(parent);
    QWidget* widget = makeWidget(control.kind, translated(form, control.caption), parent);
    widget->setObjectName(QString::fromUtf8(control.name));
    widget->setGeometry(control.at.toPixels());
    widget->setFont(fontOf(control.font, form->font()));
    if (control.toolTip)
        widget->setToolTip(translated(form, control.toolTip));
    return widget;
}

XPButton* createButton(const Button& button, QWidget* parent)
{
    auto* widget = new XPButton(parent);
    widget->setObjectName(QString::fromUtf8(button.name));
    platform::PropertyBag bag = storedLayout(button);
    bag.store(QStringLiteral("caption"), translated(parent, button.caption));
    widget->ReadProperties(bag);
    const QPoint at(button.left / TwipsPerPixel, button.top / TwipsPerPixel);
    widget->setGeometry(QRect(at, platform::readExtent(bag, {})));
    if (button.toolTip)
        widget->setToolTip(translated(parent, button.toolTip));
    return widget;
}

void nameControls(std::span<const AccessibleName> names, QWidget* form)
{
    for (const AccessibleName& entry : names) {
        auto* widget = form->findChild<QWidget*>(QString::fromUtf8(entry.control));
        Q_ASSERT(widget);
        widget->setAccessibleName(translated(form, entry.name));
        if (entry.description)
            widget->setAccessibleDescription(translated(form, entry.description));
        if (entry.label) {
            auto* label = form->findChild<QLabel*>(QString::fromUtf8(entry.label));
            Q_ASSERT(label);
            label->setBuddy(widget);
        }
    }
}

void setTabOrder(std::vector<std::pair<int, QWidget*>> controls)
{
    std::erase_if(controls, [](const auto& entry) { return entry.second->focusPolicy() == Qt::NoFocus; });
    std::stable_sort(controls.begin(), controls.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1].second, controls[i].second);
}

} // namespace pellitor::layout
