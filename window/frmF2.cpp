// frmF2: built from its layout table; the etched separator, the link and OK.
#include "frmF2.h"

#include "AboutLayout.h"
#include "DocumentOpener.h"
#include "LinkLabel.h"
#include "Version.h"
#include "WindowAccessibility.h"
#include "WindowIcon.h"
#include "XPButton.h"

#include <QLabel>
#include <QPainter>

namespace pellitor {

frmF2::frmF2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmF2"));
    installWindowAccessibility();
    setWindowTitle(tr(AboutLayout::Caption));
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
    // The version comes from the build, so the words around it are translated on their own.
    auto* version = findChild<QLabel*>(QStringLiteral("Label2"));
    version->setText(tr(AboutLayout::VersionWords).arg(QLatin1String(Version)));

    auto* link = findChild<LinkLabel*>(QStringLiteral("Label1"));
    connect(link, &LinkLabel::activated, this,
            [this] { platform::openDocument(this, QString::fromUtf8(AboutLayout::WebAddress)); });

    const layout::Button& ok = AboutLayout::okButton();
    XPButton* cmdOK = layout::createButton(ok, this);
    Q_ASSERT(ok.role == layout::ButtonRole::CloseDialog);
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

} // namespace pellitor
