// Both windows as a screen reader and a keyboard user meet them: every control's role, name,
// description and action, the link and the message boxes, and every action of the main window
// reached with Tab and Enter.
#include "AboutLayout.h"
#include "QtMessageBox.h"
#include "RecordingMessageBox.h"
#include "RecordingOpener.h"
#include "WindowDriver.h"
#include "frmF2.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace pellitor;
using namespace pellitor::testing;

namespace {

QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        qFatal("no accessible interface");
    return iface;
}

QStringList actionsOf(QAccessibleInterface* iface)
{
    return iface->actionInterface() ? iface->actionInterface()->actionNames() : QStringList{};
}

// The controls that Tab visits in the main window, from the expression box on.
const QStringList TabOrder = [] {
    QStringList order{"Text1", "Text2", "Text4"};
    for (int key = 7; key <= 26; ++key)
        order << QStringLiteral("XPButton%1").arg(key);
    return order << "List1"
                 << "XPButton27"
                 << "XPButton28"
                 << "XPButton29"
                 << "XPButton30"
                 << "XPButton31"
                 << "Option1"
                 << "Option2";
}();

const QString Press = QAccessibleActionInterface::pressAction();
const QString SetFocus = QAccessibleActionInterface::setFocusAction();

} // namespace

class tst_WindowAccessibility : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingMessageBox> m_boxes;
    std::unique_ptr<RecordingOpener> m_opener;
    std::unique_ptr<frmMain> m_window;

    void controls_data(bool about)
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("label");
        const auto row = [](const char* control, QAccessible::Role role, const QString& name,
                            const QString& description = {}, const QStringList& actions = {},
                            const QString& label = {}) {
            QTest::newRow(control) << control << int(role) << name << description << actions << label;
        };
        if (about) {
            row("frmF2", QAccessible::Dialog, "About Pellitor");
            row("lblTitle", QAccessible::StaticText, "Pellitor");
            row("Label2", QAccessible::StaticText, "Version 1.0");
            row("Label1", QAccessible::Link, AboutLayout::WebAddressText, {}, {Press, SetFocus});
            row("lblDisclaimer", QAccessible::StaticText, AboutLayout::Copyright);
            row("cmdOK", QAccessible::Button, "OK", {}, {Press});
            return;
        }
        row("frmMain", QAccessible::Window, "Pellitor");
        row("Label1", QAccessible::StaticText, "Expression  e.g. 2cos(x^2)/x");
        row("Option1", QAccessible::RadioButton, "Arc", {}, {QAccessibleActionInterface::toggleAction(), SetFocus});
        row("Option2", QAccessible::RadioButton, "Angle", {}, {QAccessibleActionInterface::toggleAction(), SetFocus});
        row("Text1", QAccessible::EditableText, "Expression", "e.g. 2cos(x^2)/x", {SetFocus}, "Label1");
        row("Frame1", QAccessible::Grouping, "Parameter");
        row("Label2", QAccessible::StaticText, "x");
        row("Text2", QAccessible::EditableText, "Parameter x", {}, {SetFocus}, "Label2");
        row("Label4", QAccessible::StaticText, "Function");
        row("List1", QAccessible::List, "Function"); // Qt's list reports no label relation
        row("Frame2", QAccessible::Grouping, "Result");
        row("Text4", QAccessible::EditableText, "Result", {}, {SetFocus});
        const char* keys[] = {"1", "2", "3", "+", "*", "4", "5", "6", "-", "/",
                              "7", "8", "9", "(", ")", "0", ".", "x", "^", "B"};
        const QMap<QString, QString> tips{{".", "Decimal Point"}, {"x", "Variable x"}, {"B", "Backspace"}};
        for (int i = 0; i < 20; ++i) {
            const QByteArray name = QByteArray("XPButton") + QByteArray::number(7 + i);
            QTest::newRow(name) << QString(name) << int(QAccessible::Button) << QString(keys[i]) << tips.value(keys[i])
                                << QStringList{Press} << QString();
        }
        row("XPButton27", QAccessible::Button, "Insert", "Select And Insert A Function", {Press});
        row("XPButton28", QAccessible::Button, "Calculate", {}, {Press});
        row("XPButton29", QAccessible::Button, "Clear", {}, {Press});
        row("XPButton30", QAccessible::Button, "Help", {}, {Press});
        row("XPButton31", QAccessible::Button, "About", {}, {Press});
    }
    void checkControl(QWidget& window)
    {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(QStringList, actions);
        QFETCH(QString, label);
        QWidget* widget = control == window.objectName() ? &window : child(window, control);
        QAccessibleInterface* iface = accessible(widget);
        QCOMPARE(iface->role(), QAccessible::Role(role));
        QCOMPARE(iface->text(QAccessible::Name), name);
        QCOMPARE(iface->text(QAccessible::Description), description);
        QCOMPARE(actionsOf(iface), actions);
        QCOMPARE(iface->state().focusable, widget->focusPolicy() != Qt::NoFocus);
        QCOMPARE(iface->state().invisible, false);
        if (!label.isEmpty()) {
            const auto labels = iface->relations(QAccessible::Label);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels.first().first->object(), child(window, label));
        }
        if (iface->role() == QAccessible::EditableText) {
            QVERIFY(iface->state().editable && !iface->state().readOnly);
            QCOMPARE(bool(iface->state().multiLine), control == "Text4");
        }
    }

private slots:
    void init()
    {
        m_boxes = std::make_unique<RecordingMessageBox>();
        m_opener = std::make_unique<RecordingOpener>();
        m_window = std::make_unique<frmMain>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        m_opener.reset();
        m_boxes.reset();
    }

    void mainWindow_data() { controls_data(false); }
    void mainWindow() { checkControl(*m_window); }

    void aboutWindow_data() { controls_data(true); }
    void aboutWindow()
    {
        frmF2 about(m_window.get());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        checkControl(about);
    }

    // The address opens without a mouse: by the link's action, and by Tab and Enter from OK.
    void aboutLinkWithoutMouse()
    {
        QStringList focus;
        bool openAfter = false;
        whenModal([&](QWidget* about) {
            accessible(child(*about, "Label1"))->actionInterface()->doAction(Press);
            focus << about->focusWidget()->objectName();
            QTest::keyClick(about->focusWidget(), Qt::Key_Tab);
            focus << about->focusWidget()->objectName();
            QTest::keyClick(about->focusWidget(), Qt::Key_Return);
            openAfter = about->isVisible();
        });
        click(*m_window, "XPButton31");
        QCOMPARE(focus, (QStringList{"cmdOK", "Label1"}));
        QVERIFY(openAfter);
        QCOMPARE(m_opener->opened().size(), std::size_t(2));
        for (const auto& opened : m_opener->opened())
            QCOMPARE(opened.document, AboutLayout::WebAddress);
    }

    // The message box: an alert named by its title that reads its text, with an OK button.
    void messageBox()
    {
        QAccessible::Role role = QAccessible::NoRole;
        QString name, value, button;
        whenModal([&](QWidget* box) {
            QAccessibleInterface* iface = accessible(box);
            role = iface->role();
            name = iface->text(QAccessible::Name);
            value = iface->text(QAccessible::Value);
            // The OK button sits in a button box inside the alert.
            for (auto* okButton : box->findChildren<QAbstractButton*>()) {
                QAccessibleInterface* child = accessible(okButton);
                QCOMPARE(child->role(), QAccessible::Button);
                button = child->text(QAccessible::Name);
                child->actionInterface()->doAction(Press);
            }
        });
        child<InputBox>(*m_window, "Text1")->setText("2+y");
        {
            platform::QtMessageBox qtBoxes;
            const platform::InstallGuard<platform::MessageBox> shown(qtBoxes);
            click(*m_window, "XPButton28");
        }
        QCOMPARE(role, QAccessible::AlertMessage);
        QCOMPARE(name, "Syntax Error");
        QCOMPARE(value, "Character 2:  Undefined symbol : 'y'");
        QCOMPARE(button, "OK");
        QCOMPARE(report(*m_window), "Function y=2+y\n");
    }

    // Tab from the expression box reaches each control in the window's tab order; Enter on a button
    // clicks it. (Enter on a keypad key puts the focus back into the expression box.)
    void keyboardReachesEveryButton_data()
    {
        QTest::addColumn<QString>("button");
        for (const QString& name : TabOrder)
            if (name.startsWith("XPButton"))
                QTest::newRow(qPrintable(name)) << name;
    }
    void keyboardReachesEveryButton()
    {
        QFETCH(QString, button);
        auto* target = child<XPButton>(*m_window, button);
        QSignalSpy clicks(target, &XPButton::Click);
        child(*m_window, "Text1")->setFocus();
        for (int i = 0; i < TabOrder.indexOf(button); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), target);
        if (button == "XPButton31") // About: Enter closes the About window again
            whenModal([](QWidget* about) { QTest::keyClick(about->focusWidget(), Qt::Key_Return); });
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(clicks.size(), 1);
    }

    // The list and the angle unit by keys alone: the next function inserted, then "Angle".
    void keyboardChoosesFunctionAndAngle()
    {
        const auto tabTo = [](const QString& name) {
            for (int i = 0; i < TabOrder.size() && QApplication::focusWidget()->objectName() != name; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
        };
        tabTo("List1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        tabTo("XPButton27");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(child<InputBox>(*m_window, "Text1")->text(), "acos(");
        tabTo("Option1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QVERIFY(child<QRadioButton>(*m_window, "Option2")->isChecked());
    }
};

QTEST_MAIN(tst_WindowAccessibility)
#include "tst_WindowAccessibility.moc"
