// The graph on paper or in a PDF file.
#include "GraphPrint.h"

#include "MessageBox.h"
#include "PlotPainter.h"
#include "PrintDialog.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace pellitor::graph {

// The printing's words, in the user's language.
class GraphPrint {
    Q_DECLARE_TR_FUNCTIONS(pellitor::graph::GraphPrint)
};

namespace {
// The caption's size, and the room between it and the picture, in lines.
constexpr double CaptionPoints = 10.0;
constexpr double CaptionGap = 0.5;
} // namespace

QString printCaption(const plot::PlotPicture& picture)
{
    const auto number = [&picture](double value) {
        return QString::fromStdU16String(picture.numbers->general(static_cast<float>(value)));
    };
    // The words that the graph's description for screen readers uses.
    const QString view = QCoreApplication::translate("pellitor::graph::GraphCanvas", "x from %1 to %2; y from %3 to %4")
                             .arg(number(picture.xs.from), number(picture.xs.to), number(picture.ys.from),
                                  number(picture.ys.to));
    return QString::fromStdU16String(picture.title) + u'\n' + view;
}

bool printPicture(QPrinter& printer, const plot::PlotPicture& picture, const QString& caption)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's coordinates are the printer's pixels over the page's printable area.
    const QRectF page(0, 0, printer.width(), printer.height());
    QFont font = painter.font();
    font.setPointSizeF(CaptionPoints);
    const QFontMetricsF metrics(font, &printer);
    const QStringList lines = caption.isEmpty() ? QStringList() : caption.split(u'\n');
    const double captionHeight = lines.isEmpty() ? 0.0 : (lines.size() + CaptionGap) * metrics.lineSpacing();
    const QSizeF size(picture.size.width, picture.size.height);
    const double scale = std::min(page.width() / size.width(), (page.height() - captionHeight) / size.height());
    if (scale <= 0.0) {
        painter.end();
        return false;
    }
    const QPointF at((page.width() - scale * size.width()) / 2,
                     (page.height() - scale * size.height() - captionHeight) / 2);
    painter.save();
    painter.translate(at);
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(), size));
    plot::paintPicture(painter, picture);
    painter.restore();

    painter.setFont(font);
    painter.setPen(QColor(picture.style.colours.frame));
    double y = at.y() + scale * size.height() + CaptionGap * metrics.lineSpacing();
    for (const QString& line : lines) {
        painter.drawText(QRectF(0, y, page.width(), metrics.lineSpacing()), Qt::AlignHCenter | Qt::AlignTop,
                         metrics.elidedText(line, Qt::ElideMiddle, page.width()));
        y += metrics.lineSpacing();
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

void printGraph(QWidget* owner, const plot::PlotPicture& picture, const QString& caption)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("graph"));
    printer.setPageOrientation(picture.size.width > picture.size.height ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
    if (!platform::askHowToPrint(owner, printer, GraphPrint::tr("Print Graph")))
        return;
    if (printPicture(printer, picture, caption))
        return;
    const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    const QString message = file.isEmpty() ? GraphPrint::tr("The graph could not be printed.")
                                           : GraphPrint::tr("The graph could not be printed to %1.").arg(file);
    platform::MessageBox::showOver(
        owner, message.toStdU16String(),
        QCoreApplication::translate("pellitor::graph::GraphWindow", "Graph").toStdU16String(),
        platform::MessageStyle::Exclamation);
}

} // namespace pellitor::graph
