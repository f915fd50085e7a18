// The button on a scaled screen, read off grab() in device pixels: every line of the border and
// the ring and every focus dot is equally wide on every edge, wherever the button sits, and the
// border runs along the edge of the window shape. CTest runs it at several QT_SCALE_FACTORs.
#include "ButtonDriver.h"
#include "DesignColor.h"
#include "EdgeRuns.h"

#include <QtTest>

using namespace pellitor;
using namespace pellitor::testing;

namespace {
constexpr QRgb Backdrop = qRgb(255, 0, 255);
constexpr QRgb Black = qRgb(0, 0, 0);

// A window with a magenta backdrop and one button on it, where the screen's ratio puts the
// button's edges between device pixels or on them.
struct Scene {
    QWidget window;
    XPButton* button;

    Scene(QPoint at, QSize size, int style) : button(new XPButton(&window))
    {
        QPalette palette;
        palette.setColor(QPalette::Window, Backdrop);
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        window.resize(at.x() + size.width() + 6, at.y() + size.height() + 6);
        button->setGeometry(QRect(at, size));
        button->InitProperties();
        button->setCaption(QString());
        button->setColorStyle(style);
    }
    QImage image() { return window.grab().toImage(); }
    QRect area() const { return deviceRect(*button, window, window.devicePixelRatioF()); }
};

struct Place {
    const char* name;
    QPoint at;
    QSize size;
};
// Offsets and sizes odd and even: at 1.5 an odd one falls half-way between device pixels.
constexpr Place places[] = {
    {"75x23 at 0,0", {0, 0}, {75, 23}}, {"75x23 at 13,7", {13, 7}, {75, 23}},   {"76x24 at 13,8", {13, 8}, {76, 24}},
    {"25x22 at 3,3", {3, 3}, {25, 22}}, {"25x22 at 38,21", {38, 21}, {25, 22}}, {"103x39 at 5,2", {5, 2}, {103, 39}},
};

enum class Look { Disabled, Hover, Focus, Pressed };

// The outer lines of a ring: the inner ones of these looks are not checked at every scale.
QList<quint32> outerLines(const QList<quint32>& ring)
{
    return ring.first(4);
}
} // namespace

Q_DECLARE_METATYPE(Look)

class tst_XPButtonScaled : public QObject {
    Q_OBJECT

    int m_width = 0; // device pixels per line at this run's ratio

private slots:
    void initTestCase()
    {
        m_width = expectedLineWidth(QWidget());
        QVERIFY2(m_width > 0, "no expected line width at this ratio");
    }

    void linesAreEquallyWide_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("style");
        QTest::addColumn<Look>("look");
        QTest::addColumn<QList<quint32>>("ring");
        QTest::addColumn<quint32>("border");
        const struct {
            const char* name;
            int style;
            Look look;
            QList<quint32> ring;
            quint32 border;
        } looks[] = {
            {"hover 1", 1, Look::Hover, ring::Hover1, border::Blue},
            {"hover 2", 2, Look::Hover, ring::Hover1, border::Blue},
            {"hover 3", 3, Look::Hover, ring::Hover3, border::Green},
            {"focus 3", 3, Look::Focus, ring::Focus3, border::Green},
            {"pressed 1", 1, Look::Pressed, ring::Pressed1, border::Blue},
            {"pressed 2", 2, Look::Pressed, outerLines(ring::Pressed2), border::Blue},
            {"disabled", 2, Look::Disabled, {}, border::Disabled},
        };
        for (const Place& place : places) {
            for (const auto& look : looks) {
                QTest::addRow("%s, %s", look.name, place.name)
                    << place.at << place.size << look.style << look.look << look.ring << look.border;
            }
        }
    }
    void linesAreEquallyWide()
    {
        QFETCH(QPoint, at);
        QFETCH(QSize, size);
        QFETCH(int, style);
        QFETCH(Look, look);
        QFETCH(QList<quint32>, ring);
        QFETCH(quint32, border);
        FakePointer pointer;
        Scene scene(at, size, style);
        scene.button->setFocusDottedRect(false);
        if (look == Look::Disabled)
            scene.button->setEnabledFlag(false);
        else if (look == Look::Hover)
            hover(*scene.button, pointer);
        else if (look == Look::Focus)
            focus(*scene.button);
        else
            pressLeft(*scene.button);
        const QImage image = scene.image();

        // From the middle outwards: the inner ring line, the outer one, the border.
        const int lines = int(ring.size()) / 4 + 1;
        for (int e = 0; e < 4; ++e) {
            QList<QRgb> colours;
            for (int line = lines - 2; line >= 0; --line)
                colours.append(bgr(ring[line * 4 + e]));
            colours.append(bgr(border));
            const QString runs = runsAcross(image, startAcross(image, scene.area(), edges[e], colours, m_width),
                                            edges[e], colours);
            QCOMPARE(edgeName(edges[e]) + (": " + runs), edgeName(edges[e]) + (": " + equalRuns(lines, m_width)));
        }
    }

    void borderFollowsTheWindowShape_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("rounded");
        for (const Place& place : places) {
            for (int rounded : {5, 0, 12})
                QTest::addRow("RoundedValue %d, %s", rounded, place.name) << place.at << place.size << rounded;
        }
    }
    void borderFollowsTheWindowShape()
    {
        QFETCH(QPoint, at);
        QFETCH(QSize, size);
        QFETCH(int, rounded);
        Scene scene(at, size, 1);
        scene.button->setRoundedValue(rounded);
        const QImage image = scene.image();
        const QRgb border = bgr(border::Blue);
        // Exactly the pixels of the shape less than a line's width from its outside, straight
        // across, are border: at the corners too, with no gap to the backdrop.
        const auto outside = [&](QPoint p) { return !image.valid(p) || image.pixel(p) == Backdrop; };
        int borderPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QPoint p(x, y);
                if (outside(p))
                    continue;
                bool nearOutside = false;
                for (int d = 1; d <= m_width; ++d) {
                    nearOutside |= outside(p + QPoint(d, 0)) || outside(p - QPoint(d, 0)) || outside(p + QPoint(0, d))
                                   || outside(p - QPoint(0, d));
                }
                borderPixels += image.pixel(p) == border;
                QVERIFY2((image.pixel(p) == border) == nearOutside,
                         qPrintable(QStringLiteral("(%1, %2): %3")
                                        .arg(x)
                                        .arg(y)
                                        .arg(nearOutside ? "border missing" : "border too deep")));
            }
        }
        QVERIFY(borderPixels > m_width * (size.width() + size.height()));
    }

    void focusDotsAreEquallyWideAndSpaced_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QSize>("size");
        for (const Place& place : places)
            QTest::addRow("%s", place.name) << place.at << place.size;
    }
    void focusDotsAreEquallyWideAndSpaced()
    {
        QFETCH(QPoint, at);
        QFETCH(QSize, size);
        Scene scene(at, size, 1);
        focus(*scene.button);
        const QImage image = scene.image();
        for (int e = 0; e < 4; ++e) {
            // The inner ring line, and the dots on it, lie just inside the outer one.
            const QPoint outer = firstOf(image, scene.area().center(), edges[e], bgr(ring::Focus1[e]));
            QVERIFY(image.valid(outer));
            const QStringList runs = dotRuns(image, outer - outwards(edges[e]), edges[e]);
            // The dots at the ends may touch the dots of the lines across, as at ratio 1.
            QVERIFY2(runs.size() >= 7, qPrintable(runs.join(' ')));
            QCOMPARE(edgeName(edges[e]) + (": " + runs.mid(1, runs.size() - 2).join(' ')),
                     edgeName(edges[e]) + (": " + equalRuns(runs.size() - 2, m_width)));
        }
    }

private:
    // Along the row or column through p (a row when the edge is the top or the bottom), the
    // lengths of the runs of black and of other pixels in turn, from the first black pixel to
    // the last.
    static QStringList dotRuns(const QImage& image, QPoint p, Edge edge)
    {
        const bool row = edge == Edge::Top || edge == Edge::Bottom;
        QList<bool> dots;
        for (QPoint at = row ? QPoint(0, p.y()) : QPoint(p.x(), 0); image.valid(at);
             at += row ? QPoint(1, 0) : QPoint(0, 1))
            dots.append(image.pixel(at) == Black);
        QList<int> runs;
        for (qsizetype i = dots.indexOf(true); i >= 0 && i <= dots.lastIndexOf(true); ++i) {
            if (runs.isEmpty() || dots[i] != dots[i - 1])
                runs.append(0);
            ++runs.last();
        }
        QStringList texts;
        for (int run : runs)
            texts.append(QString::number(run));
        return texts;
    }
};

QTEST_MAIN(tst_XPButtonScaled)
#include "tst_XPButtonScaled.moc"
