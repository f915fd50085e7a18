// The About window: opened modally from the main window, its fixed content, the etched separator,
// the link, and closing it with OK by Enter and by mouse.
#include "AboutLayout.h"
#include "RecordingMessageBox.h"
#include "RecordingOpener.h"
#include "WindowDriver.h"
#include "frmF2.h"
#include "frmMain.h"

#include <QFontMetrics>
#include <QLabel>
#include <QtTest>

#include <memory>

using namespace pellitor;
using namespace pellitor::testing;

namespace {
// What the open About window shows and how it behaves, read while it is up.
struct Seen {
    QString className;
    QString title;
    QStringList texts;
    QString focus;
    bool modal = false;
    bool closed = false;
    bool openAfterLink = false;
    bool linkOwnedByDialog = false;
};

QStringList labelTexts(const QWidget* dialog)
{
    QStringList texts;
    for (const char* name : {"lblTitle", "Label2", "Label1", "lblDisclaimer"})
        texts << child<QLabel>(*dialog, name)->text();
    return texts;
}
} // namespace

class tst_frmF2 : public QObject {
    Q_OBJECT

private slots:
    // About twice with OK in between: the same fresh window each time; Enter closes the first,
    // a click on OK the second; a click on the link opens the address and leaves it open.
    void aboutTwice()
    {
        RecordingMessageBox boxes;
        RecordingOpener opener;
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        std::vector<Seen> seen;
        for (int round = 0; round < 2; ++round) {
            whenModal([&seen, &opener, round](QWidget* dialog) {
                Seen s;
                s.className = dialog ? dialog->metaObject()->className() : QString();
                if (!dialog) {
                    seen.push_back(s);
                    return;
                }
                s.title = dialog->windowTitle();
                s.texts = labelTexts(dialog);
                s.focus = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
                s.modal = dialog->isModal() && QApplication::activeModalWidget() == dialog;
                if (round == 0) {
                    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
                } else {
                    QTest::mouseClick(child(*dialog, "Label1"), Qt::LeftButton);
                    s.openAfterLink = dialog->isVisible() && QApplication::activeModalWidget() == dialog;
                    s.linkOwnedByDialog = !opener.opened().empty() && opener.opened().back().owner == dialog;
                    QTest::mouseClick(child<XPButton>(*dialog, "cmdOK"), Qt::LeftButton);
                }
                s.closed = !dialog->isVisible();
                seen.push_back(s);
            });
            click(window, "XPButton31");
            QVERIFY(window.findChildren<frmF2*>().isEmpty()); // discarded when it closed
        }

        QCOMPARE(seen.size(), std::size_t(2));
        for (const Seen& s : seen) {
            QCOMPARE(s.className, "pellitor::frmF2");
            QCOMPARE(s.title, "About Pellitor");
            QCOMPARE(s.texts,
                     (QStringList{"Pellitor", "Version 1.0", AboutLayout::WebAddressText, AboutLayout::Copyright}));
            QCOMPARE(s.focus, "cmdOK");
            QVERIFY(s.modal);
            QVERIFY(s.closed);
        }
        QVERIFY(seen[1].openAfterLink);
        QCOMPARE(opener.opened().size(), std::size_t(1));
        QCOMPARE(opener.opened()[0].document, AboutLayout::WebAddress);
        QVERIFY(seen[1].linkOwnedByDialog);
        QVERIFY(boxes.empty());
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("lblTitle") << "lblTitle" << QRect(36, 16, 171, 24);
        QTest::newRow("Label2") << "Label2" << QRect(224, 44, 61, 13);
        QTest::newRow("Label1") << "Label1" << QRect(12, 72, 105, 17);
        QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(12, 88, 113, 13);
        QTest::newRow("cmdOK") << "cmdOK" << QRect(222, 81, 58, 22);
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        frmF2 dialog;
        QCOMPARE(child(dialog, name)->geometry(), rect);
        // Every text fits its label: nothing is cut off at the right.
        if (auto* label = qobject_cast<QLabel*>(child(dialog, name)))
            QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= rect.width(),
                     qPrintable(label->text()));
    }

    void look()
    {
        frmF2 dialog;
        QCOMPARE(dialog.size(), QSize(300, 112));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(dialog.font().family(), "Arial");

        const QFont title = child(dialog, "lblTitle")->font();
        QCOMPARE(title.family(), "Times New Roman");
        QCOMPARE(title.pointSizeF(), 15.75);
        QVERIFY(title.bold());

        auto* link = child<QLabel>(dialog, "Label1");
        QVERIFY(link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), link->palette().color(QPalette::Highlight));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(child<XPButton>(dialog, "cmdOK")->Caption(), "OK");
        QCOMPARE(child<XPButton>(dialog, "cmdOK")->ColorStyle(), 1);

        // The etched separator 64 pixels down: a grey row from x 6 to 295 over a white row.
        const QImage image = dialog.grab().toImage();
        QCOMPARE(QColor(image.pixel(6, 64)), QColor(128, 128, 128));
        QCOMPARE(QColor(image.pixel(295, 64)), QColor(128, 128, 128));
        QCOMPARE(QColor(image.pixel(296, 64)), QColor(Qt::white)); // a line leaves out its end point
        QCOMPARE(QColor(image.pixel(150, 65)), QColor(Qt::white));
        QCOMPARE(QColor(image.pixel(5, 64)), QColor(Qt::white));
        QCOMPARE(QColor(image.pixel(297, 64)), QColor(Qt::white));
        QCOMPARE(QColor(image.pixel(150, 63)), QColor(Qt::white));
    }
};

QTEST_MAIN(tst_frmF2)
#include "tst_frmF2.moc"
