// Printing the graph: y = x^2 printed to PDF and read back with pdftoppm (the curve's pixels where
// the curve is, the picture fitted to the page, its aspect kept, centred) and pdftotext (the
// caption); the caption's numbers per locale; the print dialog's answers.
#include "GraphPrint.h"
#include "LocaleNumberText.h"
#include "PlotCurve.h"
#include "PlotPainter.h"
#include "RecordingMessageBox.h"
#include "RecordingPrintDialog.h"

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace pellitor;

namespace {
const platform::LocaleNumberText english(QLocale(QLocale::English, QLocale::UnitedStates));
const platform::LocaleNumberText german(QLocale(QLocale::German, QLocale::Germany));
constexpr int Dpi = 100; // pdftoppm's

plot::PlotPicture parabola(QSize size, const platform::NumberText& numbers = english)
{
    plot::PlotPicture picture;
    picture.title = u"y=x^2";
    picture.xs = {-2.0, 2.0};
    picture.ys = {-1.0, 4.0};
    picture.size = {size.width(), size.height()};
    std::vector<plot::Point> piece;
    for (int i = 0; i <= 400; ++i)
        piece.push_back({-2.0 + i * 0.01, std::pow(-2.0 + i * 0.01, 2)});
    picture.pieces = std::make_shared<const plot::Pieces>(plot::Pieces{piece});
    picture.numbers = &numbers;
    return picture;
}

// What a poppler tool writes; a failed check where it is missing or fails.
QByteArray run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(program), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        QTest::qFail(qPrintable(program + " failed (scripts/setup installs poppler-utils): "
                                + process.readAllStandardError() + process.errorString()),
                     __FILE__, __LINE__);
    return process.readAllStandardOutput();
}

bool isCurve(QRgb p)
{
    return qBlue(p) - qRed(p) > 50;
}
// The frame's and the labels' dark grey; not the axes' lighter grey, not the blue curve.
bool isDark(QRgb p)
{
    return qGray(p) < 0x60 && std::abs(qBlue(p) - qRed(p)) < 30;
}

// The middles of the frame's lines on the page, the longest dark lines across it: the middle of
// the first run of such columns (rows) and of the last.
QRectF frameOn(const QImage& page)
{
    QList<int> columns(page.width()), rows(page.height());
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (isDark(page.pixel(x, y)))
                ++columns[x], ++rows[y];
    const auto sides = [](const QList<int>& counts) {
        const int longest = *std::max_element(counts.begin(), counts.end());
        QList<int> at;
        for (int i = 0; i < counts.size(); ++i)
            if (counts[i] >= 0.9 * longest)
                at << i;
        qsizetype first = 0, last = at.size() - 1;
        while (first + 1 < at.size() && at[first + 1] == at[first] + 1)
            ++first;
        while (last > 0 && at[last - 1] == at[last] - 1)
            --last;
        return std::pair{(at.front() + at[first] + 1) / 2.0, (at[last] + at.back() + 1) / 2.0};
    };
    const auto [left, right] = sides(columns);
    const auto [top, bottom] = sides(rows);
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// From p to the segment a-b.
double distance(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double t = std::clamp(QPointF::dotProduct(p - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}
} // namespace

class tst_GraphPrint : public QObject {
    Q_OBJECT

private slots:
    void captionInTheUsersNumbers_data()
    {
        QTest::addColumn<const platform::NumberText*>("numbers");
        QTest::addColumn<bool>("degrees");
        QTest::addColumn<QString>("caption");
        const platform::NumberText* en = &english;
        QTest::newRow("English") << en << false << "y=x^2\nx from -2.5 to 1.2E+07; y from -0.001 to 4.75";
        QTest::newRow("German") << static_cast<const platform::NumberText*>(&german) << false
                                << "y=x^2\nx from -2,5 to 1,2E+07; y from -0,001 to 4,75";
        QTest::newRow("degrees") << en << true
                                 << "y=x^2   (x in degrees)\nx from -2.5 to 1.2E+07; y from -0.001 to 4.75";
    }
    void captionInTheUsersNumbers()
    {
        QFETCH(const platform::NumberText*, numbers);
        QFETCH(bool, degrees);
        QFETCH(QString, caption);
        plot::PlotPicture picture = parabola({600, 400}, *numbers);
        picture.title = plot::pictureTitle(u"x^2", degrees);
        picture.xs = {-2.5, 12e6};
        picture.ys = {-0.001, 4.75};
        QCOMPARE(graph::printCaption(picture), caption);
    }

    void fittedToThePage_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        QTest::newRow("wide on an upright page: as wide as the page") << QSize(800, 400) << QPageLayout::Portrait;
        QTest::newRow("tall on a wide page: as high as the page") << QSize(300, 600) << QPageLayout::Landscape;
        QTest::newRow("small: enlarged") << QSize(160, 160) << QPageLayout::Portrait;
    }
    // The frame keeps its aspect; the picture fills the page's width or its height, centred across;
    // each pixel of the curve's colour lies on y = x^2, and the curve runs across the frame.
    void fittedToThePage()
    {
        QFETCH(QSize, size);
        QFETCH(QPageLayout::Orientation, orientation);
        QTemporaryDir folder;
        const QString pdf = folder.filePath("graph.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(pdf);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(15, 15, 15, 15)));
        const plot::PlotPicture picture = parabola(size);
        QVERIFY(graph::printPicture(printer, picture, graph::printCaption(picture)));
        run("pdftoppm", {"-r", QString::number(Dpi), "-png", "-singlefile", pdf, pdf});
        const QImage page(pdf + ".png");
        QVERIFY(!page.isNull());

        // The painter draws the frame's lines through the middles of the pixels its edges lie in.
        const QRectF frame = plot::pictureFrame(picture);
        const QRectF lines(QPointF(std::floor(frame.left()), std::floor(frame.top())) + QPointF(0.5, 0.5),
                           QPointF(std::floor(frame.right()), std::floor(frame.bottom())) + QPointF(0.5, 0.5));
        const QRectF found = frameOn(page);
        const double scale = found.width() / lines.width();
        QVERIFY2(std::abs(found.height() / lines.height() - scale) < 0.01 * scale,
                 qPrintable(QString("across %1, down %2").arg(scale).arg(found.height() / lines.height())));
        const QRectF box(found.topLeft() - lines.topLeft() * scale, QSizeF(size) * scale);
        const QRectF printable = printer.pageLayout().paintRectPixels(Dpi);
        const double leftOver = box.left() - printable.left(), rightOver = printable.right() - box.right();
        QVERIFY2(std::abs(leftOver - rightOver) <= 2 && box.top() >= printable.top() - 2,
                 qPrintable(
                     QString("%1 and %2 left and right, top at %3").arg(leftOver).arg(rightOver).arg(box.top())));
        QVERIFY2(leftOver <= 2 || std::abs(box.top() - printable.top()) <= 2, qPrintable(QString::number(leftOver)));

        // Within half the line's width (2 of the picture's pixels) and a pixel and a half for its
        // smoothed edge.
        const std::vector<plot::Point>& points = picture.pieces->front();
        const auto at = [&](const plot::Point& point) {
            return QPointF(frame.left() + (point.x + 2.0) / 4.0 * frame.width(),
                           frame.bottom() - (point.y + 1.0) / 5.0 * frame.height());
        };
        int curve = 0;
        double leftmost = size.width(), rightmost = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                if (!isCurve(page.pixel(x, y)))
                    continue;
                const QPointF p = (QPointF(x + 0.5, y + 0.5) - box.topLeft()) / scale;
                double nearest = size.width();
                for (std::size_t i = 1; i < points.size(); ++i)
                    nearest = std::min(nearest, distance(p, at(points[i - 1]), at(points[i])));
                QVERIFY2(nearest * scale <= scale + 1.5,
                         qPrintable(QString("at %1,%2: %3 away").arg(x).arg(y).arg(nearest)));
                ++curve;
                leftmost = std::min(leftmost, p.x());
                rightmost = std::max(rightmost, p.x());
            }
        QVERIFY2(leftmost - frame.left() < 2 && frame.right() - rightmost < 2 && curve * 2 > found.width(),
                 qPrintable(QString("%1 pixels from %2 to %3").arg(curve).arg(leftmost).arg(rightmost)));
    }

    void throughTheDialog_data()
    {
        QTest::addColumn<QString>("pdf");
        QTest::addColumn<QString>("message");
        QTest::newRow("print to file: the PDF with its caption") << "chosen.pdf"
                                                                 << "";
        QTest::newRow("cancelled: nothing") << ""
                                            << "";
        QTest::newRow("a folder that is not there: said") << "missing/graph.pdf"
                                                          << "The graph could not be printed to %1.";
    }
    void throughTheDialog()
    {
        QFETCH(QString, pdf);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString path = pdf.isEmpty() ? pdf : folder.filePath(pdf);
        testing::RecordingPrintDialog dialog(path);
        testing::RecordingMessageBox boxes;
        const plot::PlotPicture picture = parabola({640, 400});
        graph::printGraph(nullptr, picture, graph::printCaption(picture));
        QCOMPARE(dialog.asked(), 1);
        QCOMPARE(dialog.caption(), "Print Graph");
        if (!message.isEmpty()) {
            QCOMPARE(boxes.shown().size(), std::size_t(1));
            QCOMPARE(QString::fromStdU16String(boxes.last().text), message.arg(path));
            QCOMPARE(QString::fromStdU16String(boxes.last().title), "Graph");
            QCOMPARE(boxes.last().style, platform::MessageStyle::Exclamation);
            return;
        }
        QVERIFY(boxes.empty());
        const QStringList written = QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        QCOMPARE(written, pdf.isEmpty() ? QStringList() : QStringList{pdf});
        if (pdf.isEmpty())
            return;
        const QString text = QString::fromUtf8(run("pdftotext", {path, "-"}));
        QVERIFY2(text.contains("x from -2 to 2; y from -1 to 4") && text.count("y=x^2") == 2, qPrintable(text));
    }
};

QTEST_MAIN(tst_GraphPrint)
#include "tst_GraphPrint.moc"
