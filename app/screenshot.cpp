// pellitor-screenshot FILE: opens the calculator window, runs the worked example through it
// (2cos(x^2)/x at x = 1, in radians, by the Calculate button) and saves the window as the
// screen shows it. Run it on an X display, for example under Xvfb.
#include "DesignFont.h"
#include "InputBox.h"
#include "MessageBox.h"
#include "QtMessageBox.h"
#include "WindowIcon.h"
#include "XPButton.h"
#include "frmMain.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {
void click(QWidget* widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, widget->mapToGlobal(centre), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: pellitor-screenshot FILE.png\n");
        return 64;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(pellitor::calculatorIcon());
    pellitor::platform::registerDesignFonts();
    pellitor::platform::QtMessageBox boxes;
    const pellitor::platform::InstallGuard<pellitor::platform::MessageBox> boxesShown(boxes);

    pellitor::frmMain window;
    window.show();
    // The pointer off the window, so that no button shows its hover ring.
    QCursor::setPos(0, 0);
    const QString file = QString::fromLocal8Bit(argv[1]);
    int status = 1;
    QTimer::singleShot(300, &window, [&] {
        window.findChild<pellitor::InputBox*>(QStringLiteral("Text1"))->setText(QStringLiteral("2cos(x^2)/x"));
        window.findChild<pellitor::InputBox*>(QStringLiteral("Text2"))->setText(QStringLiteral("1"));
        click(window.findChild<pellitor::XPButton*>(QStringLiteral("XPButton28")));
        window.findChild<pellitor::InputBox*>(QStringLiteral("Text1"))->setFocus();
    });
    QTimer::singleShot(1200, &window, [&] {
        const QRect area(window.mapToGlobal(QPoint(0, 0)), window.size());
        QPixmap shot = window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        if (shot.isNull() || QGuiApplication::platformName() != u"xcb")
            shot = window.grab();
        if (shot.save(file)) {
            std::printf("wrote %s (%dx%d, %s)\n", argv[1], shot.width(), shot.height(),
                        qPrintable(QGuiApplication::platformName()));
            status = 0;
        }
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
