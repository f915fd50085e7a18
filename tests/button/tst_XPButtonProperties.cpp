// The button's properties in a stored layout: defaults and their order, elided defaults,
// case-insensitive keys, a keypad button's keys, round trips, failures, and Terminate.
#include "ButtonDriver.h"
#include "ControlHost.h"
#include "PropertyBag.h"
#include "RecordingHost.h"

#include <QtTest>

#include <memory>

using namespace pellitor;
using namespace pellitor::testing;
using platform::PropertyBag;

namespace {
const QStringList persistenceOrder = {"Caption",      "ForeColor",        "ColorStyle",   "FocusDottedRect",
                                      "Enabled",      "FontType",         "Icon",         "IconMask",
                                      "RoundedValue", "CaptionAlignment", "IconAlignment"};

bool timerRuns(const XPButton& button)
{
    return button.findChild<platform::HoverTimer*>("tmrCheck")->isActive();
}

QImage picture(QRgb color)
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(color);
    return image;
}
} // namespace

class tst_XPButtonProperties : public QObject {
    Q_OBJECT

private slots:
    void newAndLoadedInstances_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<bool>("runMode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("changes");
        QStringList initOrder = persistenceOrder;
        initOrder.removeAll("FontType");
        QTest::newRow("new, run mode") << false << true << "XPButton7" << initOrder;
        QTest::newRow("new, designer") << false << false << "XPButton7" << initOrder;
        QTest::newRow("loaded, run mode") << true << true << "" << persistenceOrder;
        QTest::newRow("loaded, designer") << true << false << "" << persistenceOrder;
    }
    void newAndLoadedInstances()
    {
        QFETCH(bool, loaded);
        QFETCH(bool, runMode);
        QFETCH(QString, caption);
        QFETCH(QStringList, changes);
        RecordingHost host(QStringLiteral("XPButton7"), runMode);
        XPButton button(nullptr, &host);
        if (loaded)
            button.ReadProperties(PropertyBag());
        else
            button.InitProperties();
        QCOMPARE(button.Caption(), caption);
        QCOMPARE(host.changes(), changes);
        QCOMPARE(timerRuns(button), runMode);
        QCOMPARE(button.ColorStyle(), 1);
        QCOMPARE(button.RoundedValue(), 5);
        QCOMPARE(button.CaptionAlignment(), 2);
        QCOMPARE(button.FontType().family(), QStringLiteral("Tahoma"));
        QCOMPARE(button.FontType().pointSizeF(), 8.25);
    }

    void storedKeys_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("defaults, no caption") << "" << 1 << 2 << QStringList{"_extentx", "_extenty"};
        QTest::newRow("style 1 button") << "Calculate" << 1 << 2 << QStringList{"_extentx", "_extenty", "caption"};
        QTest::newRow("keypad button") << "7" << 2 << 2 << QStringList{"_extentx", "_extenty", "caption", "colorstyle"};
        QTest::newRow("style 4, alignment 3")
            << "x" << 4 << 3 << QStringList{"_extentx", "_extenty", "caption", "captionalignment", "colorstyle"};
    }
    void storedKeys()
    {
        QFETCH(QString, caption);
        QFETCH(int, style);
        QFETCH(int, alignment);
        QFETCH(QStringList, keys);
        XPButton button;
        button.resize(25, 22);
        button.InitProperties();
        button.setCaption(caption);
        button.setColorStyle(style);
        button.setCaptionAlignment(alignment);
        PropertyBag bag;
        platform::writeExtent(bag, button.size());
        button.WriteProperties(bag);
        QCOMPARE(bag.keys(), keys);
        QCOMPARE(bag.read<qint32>("_extentx", 0), 661);
        QCOMPARE(bag.read<qint32>("_extenty", 0), 582);
        QCOMPARE(platform::readExtent(bag, QSize()), QSize(25, 22));

        XPButton loaded;
        loaded.ReadProperties(bag);
        QCOMPARE(loaded.Caption(), caption);
        QCOMPARE(loaded.ColorStyle(), style);
        QCOMPARE(loaded.CaptionAlignment(), alignment);
    }

    void everyPropertyRoundTrips()
    {
        XPButton button;
        button.InitProperties();
        QFont font(QStringLiteral("Tahoma"));
        font.setPointSize(12);
        font.setBold(true);
        button.setCaption(QStringLiteral("Insert"));
        button.setForeColor(0x00123456);
        button.setColorStyle(3);
        button.setFocusDottedRect(false);
        button.setEnabledFlag(false);
        button.setFontType(font);
        button.setIcon(picture(qRgb(0, 0, 255)));
        button.setIconMask(picture(qRgb(0, 0, 0)));
        button.setRoundedValue(0);
        button.setCaptionAlignment(0);
        button.setIconAlignment(2);
        PropertyBag bag;
        button.WriteProperties(bag);
        QCOMPARE(bag.keys().size(), persistenceOrder.size());

        XPButton loaded;
        loaded.ReadProperties(bag);
        for (const QString& name : persistenceOrder)
            QVERIFY2(loaded.property(qPrintable(name)) == button.property(qPrintable(name)), qPrintable(name));
        QVERIFY(button.isEnabled()); // Enabled false leaves the widget itself enabled
        PropertyBag again;
        loaded.WriteProperties(again);
        QCOMPARE(again.keys(), bag.keys());
    }

    void keysMatchWithoutRegardToCase()
    {
        const PropertyBag bag{{"CAPTION", QStringLiteral("Help")}, {"ColorStyle", 3}, {"focusdottedrect", false}};
        XPButton button;
        button.ReadProperties(bag);
        QCOMPARE(button.Caption(), QStringLiteral("Help"));
        QCOMPARE(button.ColorStyle(), 3);
        QCOMPARE(button.FocusDottedRect(), false);
        QCOMPARE(bag.keys(), (QStringList{"caption", "colorstyle", "focusdottedrect"}));
        QVERIFY(bag.contains("Caption") && bag.contains("cApTiOn"));
    }

    void storedValuesConvertAsTheHostConverts()
    {
        const PropertyBag bag{{"colorstyle", QStringLiteral(" 2 ")}, {"enabled", 0}, {"roundedvalue", true}};
        XPButton button;
        button.ReadProperties(bag);
        QCOMPARE(button.ColorStyle(), 2);
        QCOMPARE(button.Enabled(), false);
        QCOMPARE(button.RoundedValue(), -1);
    }

    void aFailingReadSkipsTheRest()
    {
        RecordingHost host;
        XPButton button(nullptr, &host);
        const PropertyBag bag{{"caption", QStringLiteral("7")},
                              {"colorstyle", QStringLiteral("two")},
                              {"enabled", false}};
        QVERIFY_THROWS_EXCEPTION(platform::PropertyBagError, button.ReadProperties(bag));
        QCOMPARE(button.Caption(), QStringLiteral("7"));
        QCOMPARE(button.ColorStyle(), 1);
        QCOMPARE(button.Enabled(), true);
        QVERIFY(!timerRuns(button));
        QCOMPARE(host.changes(), (QStringList{"Caption", "ForeColor"}));
    }

    void aFailingNotificationStopsTheSetterAfterStoring()
    {
        RecordingHost host;
        XPButton button(nullptr, &host);
        host.failOn(QStringLiteral("ColorStyle"));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, button.InitProperties());
        QCOMPARE(button.ColorStyle(), 1); // stored before the host was told; nothing rolled back
        QCOMPARE(host.changes(), (QStringList{"Caption", "ForeColor"}));
        QVERIFY(!timerRuns(button));
    }

    void terminateStopsTheTimerClearsFlagsAndBlanks()
    {
        FakePointer pointer;
        XPButton button;
        button.resize(75, 23);
        button.InitProperties();
        const QImage normal = render(button);
        focus(button);
        hover(button, pointer);
        pressLeft(button);
        button.Terminate();
        QVERIFY(!timerRuns(button));
        const QImage blank = render(button);
        for (const QPoint at : {QPoint(37, 0), QPoint(37, 11), QPoint(2, 11)})
            QCOMPARE(blank.pixel(at), button.palette().color(QPalette::Button).rgb());
        // Painted again, the button shows none of the hover, focus and pressed looks.
        button.InitProperties();
        QCOMPARE(render(button), normal);
    }
};

QTEST_MAIN(tst_XPButtonProperties)
#include "tst_XPButtonProperties.moc"
