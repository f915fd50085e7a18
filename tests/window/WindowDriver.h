// Drives a real window the way a user does: clicks on its buttons, keys in its boxes, the caret
// and selection of the expression box; and runs code inside a modal window without blocking.
#pragma once

#include "InputBox.h"
#include "ResultBox.h"
#include "XPButton.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

namespace pellitor::testing {

template <class T = QWidget>
T* child(const QWidget& window, const QString& name)
{
    T* widget = window.findChild<T*>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

// A left click in the middle of the button, as the mouse gives it: the press takes the focus.
inline void click(const QWidget& window, const QString& button)
{
    QTest::mouseClick(child<XPButton>(window, button), Qt::LeftButton);
}

// Sets the box's content and its caret, or a selection from start over length characters
// (a negative length selects leftwards, leaving the caret at the selection's start).
inline void place(InputBox* box, const QString& content, int start, int length = 0)
{
    box->setFocus();
    box->setText(content);
    if (length == 0)
        box->setCursorPosition(start);
    else
        box->setSelection(start, length);
}

// The result box's lines, joined with "\n" as the box holds them.
inline QString report(const QWidget& window)
{
    return child<ResultBox>(window, "Text4")->toPlainText();
}

// Runs inspect on the modal window that the next action opens, once it is up. inspect must
// close it; if it does not, it is closed afterwards so the test cannot hang.
inline void whenModal(std::function<void(QWidget*)> inspect)
{
    QTimer::singleShot(0, qApp, [inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        inspect(modal);
        if (QApplication::activeModalWidget() == modal && modal)
            modal->close();
    });
}

} // namespace pellitor::testing
