// The gradient painter: end colours, channel order, direction, and the fills that draw nothing.
#include "clsGradient.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

using pellitor::clsGradient;

class tst_clsGradient : public QObject {
    Q_OBJECT

private:
    static QImage fill(QRect rect, qint32 direction, quint32 start, quint32 end, bool define = true)
    {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(qRgb(1, 2, 3));
        QPainter painter(&image);
        clsGradient gradient;
        if (define)
            gradient.DefineRect(rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1);
        gradient.DrawGradient(painter, direction, start, end);
        return image;
    }

private slots:
    void endColours_data()
    {
        QTest::addColumn<qint32>("direction");
        QTest::addColumn<quint32>("start");
        QTest::addColumn<quint32>("end");
        QTest::addColumn<QRgb>("first");
        QTest::addColumn<QRgb>("middle"); // step 2 of 5
        QTest::addColumn<QRgb>("last");
        // Red is the lowest byte; the highest byte is ignored.
        QTest::newRow("vertical, style 1") << 1 << 0x00FBFCFCu << 0x00EAF0F0u << qRgb(0xFC, 0xFC, 0xFB)
                                           << qRgb(0xF6, 0xF6, 0xF2) << qRgb(0xF0, 0xF0, 0xEA);
        QTest::newRow("vertical, red ramp")
            << 1 << 0x00000000u << 0x000000FFu << qRgb(0, 0, 0) << qRgb(0x7F, 0, 0) << qRgb(0xFF, 0, 0);
        QTest::newRow("high byte ignored")
            << 1 << 0xFF0000FFu << 0x7F0000FFu << qRgb(0xFF, 0, 0) << qRgb(0xFF, 0, 0) << qRgb(0xFF, 0, 0);
        QTest::newRow("horizontal, blue ramp")
            << 0 << 0x00FF0000u << 0x00000000u << qRgb(0, 0, 0xFF) << qRgb(0, 0, 0x7F) << qRgb(0, 0, 0);
    }
    void endColours()
    {
        QFETCH(qint32, direction);
        QFETCH(quint32, start);
        QFETCH(quint32, end);
        QFETCH(QRgb, first);
        QFETCH(QRgb, middle);
        QFETCH(QRgb, last);
        const QImage image = fill(QRect(1, 1, 5, 5), direction, start, end);
        // Along the direction the colour changes; across it, it stays.
        const auto at = [&](int step, int across) {
            return direction == 1 ? image.pixel(1 + across, 1 + step) : image.pixel(1 + step, 1 + across);
        };
        for (int across : {0, 4}) {
            QCOMPARE(at(0, across), first);
            QCOMPARE(at(2, across), middle);
            QCOMPARE(at(4, across), last);
        }
        QCOMPARE(image.pixel(0, 0), qRgb(1, 2, 3));
        QCOMPARE(image.pixel(6, 5), qRgb(1, 2, 3));
    }

    void drawsNothing_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<qint32>("direction");
        QTest::addColumn<bool>("define");
        QTest::newRow("no DefineRect") << QRect() << 1 << false;
        QTest::newRow("zero width") << QRect(2, 1, 0, 4) << 1 << true;
        QTest::newRow("zero height") << QRect(2, 1, 4, 0) << 0 << true;
        QTest::newRow("inverted") << QRect(QPoint(5, 4), QPoint(1, 1)) << 1 << true;
        QTest::newRow("mode 2") << QRect(1, 1, 4, 4) << 2 << true;
        QTest::newRow("mode -1") << QRect(1, 1, 4, 4) << -1 << true;
    }
    void drawsNothing()
    {
        QFETCH(QRect, rect);
        QFETCH(qint32, direction);
        QFETCH(bool, define);
        QImage untouched(8, 6, QImage::Format_RGB32);
        untouched.fill(qRgb(1, 2, 3));
        QCOMPARE(fill(rect, direction, 0x00FFFFFF, 0x00000000, define), untouched);
    }

    void hugeRectangleFillsOnlyTheDevice()
    {
        QImage image(4, 3, QImage::Format_RGB32);
        QPainter painter(&image);
        clsGradient gradient;
        gradient.DefineRect(-2147483647, 0, 2147483647, 3);
        gradient.DrawGradient(painter, 1, 0x00000000, 0x00FFFFFF);
        painter.end();
        QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(3, 2), qRgb(255, 255, 255));
    }

    void vertexHoldsTheChannelBitsAsWords()
    {
        const clsGradient::Vertex vertex = clsGradient::MakeVertex(3, 4, 0x00FBFCFC);
        QCOMPARE(vertex.Red, quint16(0xFC00));
        QCOMPARE(vertex.Green, quint16(0xFC00));
        QCOMPARE(vertex.Blue, quint16(0xFB00));
        QCOMPARE(vertex.Alpha, quint16(0));
    }
};

QTEST_MAIN(tst_clsGradient)
#include "tst_clsGradient.moc"
