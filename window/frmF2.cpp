// frmF2: built from its layout table; the etched separator, the link and OK.
#include "frmF2.h"

#include "AboutLayout.h"
#include "DocumentOpener.h"
#include "WindowIcon.h"
#include "XPButton.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace pellitor {

frmF2::frmF2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmF2"));
    setWindowTitle(QString::fromUtf8(AboutLayout::Caption));
    setWindowIcon(calculatorIcon());
    setModal(true);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(8.25);
    setFont(arial);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);
    setFixedSize(AboutLayout::ClientArea.toPixels().size());

    for (const layout::Control& entry : AboutLayout::controls())
        layout::createControl(entry, this);

    m_link = findChild<QLabel*>(QStringLiteral("Label1"));
    QPalette link = m_link->palette();
    link.setColor(QPalette::WindowText, link.color(QPalette::Highlight));
    m_link->setPalette(link);
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->installEventFilter(this);

    XPButton* cmdOK = layout::createButton(AboutLayout::okButton(), this);
    connect(cmdOK, &XPButton::Click, this, &QDialog::accept);
    cmdOK->setFocus();
}

void frmF2::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const AboutLayout::Line& line : AboutLayout::lines()) {
        // A wide pen grows down and right from the line's own row, so the grey line on top
        // keeps a white row beneath it.
        const int x1 = line.x1 / layout::TwipsPerPixel;
        const int x2 = line.x2 / layout::TwipsPerPixel;
        const int y = line.y1 / layout::TwipsPerPixel;
        painter.fillRect(QRect(QPoint(x1, y), QPoint(x2 - 1, y + line.width - 1)), QColor(line.color));
    }
}

bool frmF2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_link) {
        if (event->type() == QEvent::MouseButtonPress
            && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_linkPressed = true;
        } else if (event->type() == QEvent::MouseButtonRelease
                   && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            // A click: pressed and released on the label.
            const bool click = m_linkPressed
                && m_link->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint());
            m_linkPressed = false;
            if (click)
                platform::openDocument(this, QString::fromUtf8(AboutLayout::WebAddress));
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace pellitor
