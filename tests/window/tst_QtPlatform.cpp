// The Qt services that the running window installs: the message box (its icon per style, its title
// and text shown as typed, its single OK button) and the caret's blink timeout.
#include "CaretBlink.h"
#include "InputBox.h"
#include "QtMessageBox.h"
#include "ResultBox.h"
#include "TranslatedMessageBox.h"
#include "WindowDriver.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QScreen>
#include <QtTest>

using namespace pellitor;
using namespace pellitor::testing;

namespace {
struct PaintCounter : QObject {
    int paints = 0;
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};
} // namespace

class tst_QtPlatform : public QObject {
    Q_OBJECT

private slots:
    void messageBox_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("text");
        QTest::newRow("syntax error") << 16 << int(QMessageBox::Critical) << "Character 3:  Undefined symbol : 'y'";
        QTest::newRow("error") << 48 << int(QMessageBox::Warning) << "The expression is illegal.";
        QTest::newRow("plain") << 0 << int(QMessageBox::NoIcon) << "<b>not bold</b>";
    }
    void messageBox()
    {
        QFETCH(int, style);
        QFETCH(int, icon);
        QFETCH(QString, text);
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));

        int shownIcon = -1;
        QString title, shownText;
        QStringList buttons;
        Qt::TextFormat format = Qt::AutoText;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box)
                return;
            shownIcon = box->icon();
            title = box->windowTitle();
            shownText = box->text();
            format = box->textFormat();
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            box->button(QMessageBox::Ok)->click();
        });
        platform::QtMessageBox().showMessage(text.toStdU16String(), u"Error", style);
        QCOMPARE(shownIcon, icon);
        QCOMPARE(title, "Error");
        QCOMPARE(shownText, text);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(buttons, QStringList{"OK"});
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // A syntax error quoting a long name, as the window shows it: the name shortened in the middle
    // to its first and last 32 letters, the box no wider than the screen; 64 letters stay whole.
    void longName_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("quoted");
        const QString ends = QString(32, 'a') + QChar(0x2026) + QString(32, 'z');
        QTest::newRow("64 letters") << 64 << QString(32, 'a') + QString(32, 'z');
        QTest::newRow("65 letters") << 65 << ends;
        QTest::newRow("10^7 letters") << 10'000'000 << ends;
    }
    void longName()
    {
        QFETCH(int, length);
        QFETCH(QString, quoted);
        QString shownText;
        QRect shown, screen;
        whenModal([&](QWidget* modal) {
            shownText = static_cast<QMessageBox*>(modal)->text();
            shown = modal->frameGeometry();
            screen = modal->screen()->availableGeometry();
        });
        platform::QtMessageBox qtBoxes;
        const QString name = QString(length / 2, 'a') + QString(length - length / 2, 'z');
        TranslatedMessageBox(qtBoxes).showMessage(u"Character 2:  Undefined symbol : '" + name.toStdU16String() + u"'",
                                                  u"Syntax Error", 16);
        QCOMPARE(shownText, "Character 2:  Undefined symbol : '" + quoted + "'");
        QVERIFY2(shown.width() <= screen.width(), qPrintable(QString::number(shown.width())));
    }

    // An idle text box of the window stops repainting its caret; input makes it blink again.
    void caretStopsBlinkingWhenIdle_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<bool>("resultBox");
        QTest::newRow("key") << 0 << false;
        QTest::newRow("click") << 1 << false;
        QTest::newRow("focus moved") << 2 << false;
        QTest::newRow("key, result box") << 0 << true;
    }
    void caretStopsBlinkingWhenIdle()
    {
        QFETCH(int, input);
        QFETCH(bool, resultBox);
        QApplication::setCursorFlashTime(100);
        QWidget window;
        TextBoxBase* box = resultBox ? static_cast<TextBoxBase*>(new ResultBox(&window)) : new InputBox(&window);
        auto* other = new InputBox(&window);
        box->resize(200, 60);
        other->setGeometry(0, 80, 200, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setFocus();
        PaintCounter boxPaints(box->viewport());
        PaintCounter otherPaints(other->viewport());
        {
            platform::CaretBlinkTimeout timeout(std::chrono::milliseconds(300));
            QTRY_VERIFY(timeout.isBlinkingStopped());
            QCOMPARE(QApplication::cursorFlashTime(), 0);
            boxPaints.paints = 0;
            QTest::qWait(600);
            QVERIFY2(boxPaints.paints <= 1, qPrintable(QString::number(boxPaints.paints)));

            switch (input) {
            case 0: QTest::keyClick(box, Qt::Key_A); break;
            case 1: QTest::mouseClick(box, Qt::LeftButton); break;
            default: other->setFocus(); break;
            }
            QVERIFY(!timeout.isBlinkingStopped());
            QCOMPARE(QApplication::cursorFlashTime(), 100);
            PaintCounter& focused = input == 2 ? otherPaints : boxPaints;
            focused.paints = 0;
            QTest::qWait(250);
            QVERIFY2(focused.paints >= 2, qPrintable(QString::number(focused.paints)));
            QTRY_VERIFY(timeout.isBlinkingStopped());
        }
        QCOMPARE(QApplication::cursorFlashTime(), 100);
    }
};

QTEST_MAIN(tst_QtPlatform)
#include "tst_QtPlatform.moc"
