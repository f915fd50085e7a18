// The main window's two frames as the screen shows them, read from the pixels of the whole window
// (so the frames sit at their real, possibly fractional, device offsets): white inside and
// around, one grey outline of equal width on all four sides, the caption interrupting the top
// line which runs through it, and the controls inside the border. CTest runs it at scale factors
// 1, 1.25, 1.5 and 2.
#include "CaptionFrame.h"
#include "WindowDriver.h"
#include "frmMain.h"

#include <QFontMetrics>
#include <QtMath>
#include <QtTest>

#include <memory>

using namespace pellitor;
using namespace pellitor::testing;

namespace {
const QRgb White = qRgb(255, 255, 255);

// The device pixels a widget covers in the window's image, rounded outwards.
QRect devicePixels(const QWidget* widget, const QWidget* window, qreal ratio)
{
    const QRect logical(widget->mapTo(window, QPoint(0, 0)), widget->size());
    const int left = qFloor(logical.left() * ratio);
    const int top = qFloor(logical.top() * ratio);
    return QRect(QPoint(left, top),
                 QPoint(qCeil((logical.right() + 1) * ratio) - 1, qCeil((logical.bottom() + 1) * ratio) - 1));
}

// The run of equal pixels starting at start and going in steps of step.
int runLength(const QImage& image, QPoint start, QPoint step)
{
    const QRgb colour = image.pixel(start);
    int length = 0;
    for (QPoint at = start; image.rect().contains(at) && image.pixel(at) == colour; at += step)
        ++length;
    return length;
}

// The first pixel that is not white, from start in steps of step, at most limit steps.
QPoint firstInk(const QImage& image, QPoint start, QPoint step, int limit)
{
    QPoint at = start;
    for (int i = 0; i < limit && image.pixel(at) == White; ++i)
        at += step;
    return at;
}

// The longest run of colour along a row or a column inside area.
int longestRun(const QImage& image, const QRect& area, QRgb colour)
{
    int longest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(), run = 0; x <= area.right(); ++x) {
            run = image.pixel(x, y) == colour ? run + 1 : 0;
            longest = qMax(longest, run);
        }
    }
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(), run = 0; y <= area.bottom(); ++y) {
            run = image.pixel(x, y) == colour ? run + 1 : 0;
            longest = qMax(longest, run);
        }
    }
    return longest;
}

bool isGlyph(QRgb pixel)
{
    return qGray(pixel) < 96;
}
} // namespace

class tst_CaptionFrame : public QObject {
    Q_OBJECT

    std::unique_ptr<frmMain> m_window;
    QImage m_image;
    qreal m_ratio = 1;

private slots:
    void init()
    {
        m_window = std::make_unique<frmMain>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_ratio = m_window->devicePixelRatioF();
        // The scale factor CTest asks for is the one the window paints at.
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
            QCOMPARE(m_ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
        m_image = m_window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(m_image.size(), (QSizeF(m_window->size()) * m_ratio).toSize());
    }
    void cleanup() { m_window.reset(); }

    void frame_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("inside");
        QTest::newRow("Frame1") << "Frame1"
                                << "Parameter" << QStringList{"Label2", "Text2"};
        QTest::newRow("Frame2") << "Frame2"
                                << "Result" << QStringList{"Text4"};
    }
    void frame()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QStringList, inside);
        auto* frame = child<CaptionFrame>(*m_window, name);
        QCOMPARE(frame->caption(), caption);
        const QRect area = devicePixels(frame, m_window.get(), m_ratio);
        const int middleY = area.center().y();

        // The outline: found from each side at the middle, or near the right end for the top.
        const QPoint left = firstInk(m_image, QPoint(area.left(), middleY), {1, 0}, 4);
        const QPoint right = firstInk(m_image, QPoint(area.right(), middleY), {-1, 0}, 4);
        const int probeX = area.right() - qRound(10 * m_ratio);
        const QPoint top = firstInk(m_image, QPoint(probeX, area.top()), {0, 1}, area.height() / 2);
        const QPoint bottom = firstInk(m_image, QPoint(probeX, area.bottom()), {0, -1}, 4);
        const QRgb line = m_image.pixel(left);
        QVERIFY2(qRed(line) == qGreen(line) && qGreen(line) == qBlue(line) && qGray(line) > 64 && qGray(line) < 192,
                 qPrintable(QStringLiteral("line colour %1").arg(line, 8, 16)));
        for (const QPoint& side : {right, top, bottom})
            QCOMPARE(m_image.pixel(side), line);

        // One line width all round: one logical pixel in whole device pixels.
        const int width = runLength(m_image, left, {1, 0});
        QCOMPARE(runLength(m_image, right, {-1, 0}), width);
        QCOMPARE(runLength(m_image, top, {0, 1}), width);
        QCOMPARE(runLength(m_image, bottom, {0, -1}), width);
        QVERIFY(width == qFloor(m_ratio) || width == qCeil(m_ratio));
        const QRect outer(QPoint(left.x(), top.y()), QPoint(right.x(), bottom.y()));
        const QRect inner = outer.adjusted(width, width, -width, -width);

        // The sides are unbroken, and the top line stops for the caption only.
        for (int y = outer.top(); y <= outer.bottom(); ++y) {
            QCOMPARE(m_image.pixel(outer.left(), y), line);
            QCOMPARE(m_image.pixel(outer.right(), y), line);
        }
        int gapStart = outer.left();
        while (gapStart <= outer.right() && m_image.pixel(gapStart, outer.top()) == line)
            ++gapStart;
        int gapEnd = outer.right();
        while (gapEnd >= gapStart && m_image.pixel(gapEnd, outer.top()) == line)
            --gapEnd;
        for (int x = outer.left(); x <= outer.right(); ++x)
            QCOMPARE(m_image.pixel(x, outer.bottom()), line);

        // The caption: about 8 pixels in, on white, with the top line running through its glyphs.
        QVERIFY2(gapStart - outer.left() >= qFloor(4 * m_ratio) && gapStart - outer.left() <= qCeil(10 * m_ratio),
                 qPrintable(
                     QStringLiteral("the caption's gap starts %1 device pixels in").arg(gapStart - outer.left())));
        QCOMPARE(m_image.pixel(gapStart, outer.top()), White);
        QCOMPARE(m_image.pixel(gapEnd, outer.top()), White);
        const int advance = QFontMetrics(frame->font()).horizontalAdvance(caption);
        QVERIFY(gapEnd - gapStart + 1 >= qFloor(advance * m_ratio));
        const QRect gap(QPoint(gapStart, area.top()), QPoint(gapEnd, inner.top() + qCeil(10 * m_ratio)));
        int glyphTop = gap.bottom();
        int glyphBottom = gap.top();
        bool glyphOnLine = false;
        for (int y = gap.top(); y <= gap.bottom(); ++y) {
            for (int x = gap.left(); x <= gap.right(); ++x) {
                if (!isGlyph(m_image.pixel(x, y)))
                    continue;
                glyphTop = qMin(glyphTop, y);
                glyphBottom = qMax(glyphBottom, y);
                glyphOnLine = glyphOnLine || (y >= outer.top() && y < inner.top());
            }
        }
        QVERIFY2(glyphOnLine, "no glyph pixel of the caption on the top line's rows");
        QVERIFY(glyphTop < outer.top() && glyphBottom >= inner.top());
        QVERIFY2(
            qAbs((glyphTop + glyphBottom) / 2 - outer.top()) <= qCeil(2 * m_ratio),
            qPrintable(
                QStringLiteral("caption rows %1 to %2, line at %3").arg(glyphTop).arg(glyphBottom).arg(outer.top())));
        QVERIFY2(longestRun(m_image, QRect(QPoint(gapStart, outer.top()), QPoint(gapEnd, inner.top() - 1)), line) < 3,
                 "the top line runs through the caption");

        // The controls inside lie within the border, below the top line.
        QList<QRect> controls;
        for (const QString& control : inside) {
            const QRect at = devicePixels(child(*m_window, control), m_window.get(), m_ratio);
            QVERIFY2(inner.contains(at), qPrintable(control));
            QVERIFY2(longestRun(m_image, at, line) < 3, qPrintable(control + " is crossed by a frame line"));
            controls << at.adjusted(-1, -1, 1, 1);
        }

        // Everything else is white: inside, above the line beside the caption, and around.
        const QRect captionBox(QPoint(gapStart, area.top()), QPoint(gapEnd, glyphBottom + 1));
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QPoint at(x, y);
                const bool onOutline = outer.contains(at) && !inner.contains(at);
                if (onOutline || captionBox.contains(at)
                    || std::any_of(controls.begin(), controls.end(), [at](const QRect& r) { return r.contains(at); }))
                    continue;
                if (m_image.pixel(at) != White)
                    QFAIL(qPrintable(
                        QStringLiteral("pixel (%1, %2) is %3, not white").arg(x).arg(y).arg(m_image.pixel(at), 8, 16)));
            }
        }
    }

    // Labels and option buttons have the window's white behind their text and marks: it is the
    // colour most of their pixels show.
    void whiteBehindLabelsAndOptions_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Label1", "Label2", "Label4", "Option1", "Option2"})
            QTest::newRow(name) << name;
    }
    void whiteBehindLabelsAndOptions()
    {
        QFETCH(QString, name);
        const QRect at = devicePixels(child(*m_window, name), m_window.get(), m_ratio);
        QHash<QRgb, int> count;
        for (int y = at.top(); y <= at.bottom(); ++y) {
            for (int x = at.left(); x <= at.right(); ++x)
                ++count[m_image.pixel(x, y)];
        }
        const auto background = std::max_element(count.cbegin(), count.cend());
        QCOMPARE(background.key(), White);
    }

    // On a dark palette the window stays white and its captions and labels dark: the darkest pixel
    // of each caption and label has at least 4.5:1 against the white (light text gave 1.3:1).
    void darkPaletteKeepsTheTextLegible()
    {
        const QPalette before = QApplication::palette();
        QPalette dark = before;
        dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
        dark.setColor(QPalette::WindowText, QColor(0xe0, 0xe0, 0xe0));
        dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
        dark.setColor(QPalette::Text, QColor(0xe0, 0xe0, 0xe0));
        QApplication::setPalette(dark);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage image = window.grab().toImage();
        const auto luminance = [](QRgb rgb) {
            const auto channel = [](int value) {
                const double v = value / 255.0;
                return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
        };
        for (const char* name : {"Frame1", "Frame2", "Label2", "Option1", "Option2"}) {
            const QWidget* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(widget, name);
            QRect area(widget->mapTo(&window, QPoint(0, 0)), widget->size());
            if (qobject_cast<const CaptionFrame*>(widget))
                area.setHeight(QFontMetrics(widget->font()).height()); // the caption's line
            area = QRect(area.topLeft() * m_ratio, area.size() * m_ratio) & image.rect();
            double darkest = 1.0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x)
                    darkest = std::min(darkest, luminance(image.pixel(x, y)));
            }
            QVERIFY2(1.05 / (darkest + 0.05) >= 4.5,
                     qPrintable(QStringLiteral("%1: %2:1").arg(name).arg(1.05 / (darkest + 0.05))));
        }
        QApplication::setPalette(before);
    }
};

QTEST_MAIN(tst_CaptionFrame)
#include "tst_CaptionFrame.moc"
