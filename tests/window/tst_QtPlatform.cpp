// The Qt message box that the running window installs: its icon per style, its title and text
// shown as typed, and its single OK button.
#include "QtMessageBox.h"
#include "WindowDriver.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest>

using namespace pellitor;
using namespace pellitor::testing;

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
        platform::QtMessageBox().present(text.toStdU16String(), u"Error", style);
        QCOMPARE(shownIcon, icon);
        QCOMPARE(title, "Error");
        QCOMPARE(shownText, text);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(buttons, QStringList{"OK"});
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(tst_QtPlatform)
#include "tst_QtPlatform.moc"
