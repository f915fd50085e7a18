// What a paste, a key, a click and an undo cost in a box of 300,000 characters of any kind of
// text (left to right, right to left, mixed with a direction override, a run of combining marks,
// characters beyond the Basic Multilingual Plane, control characters): the characters laid out
// for it, and in the result box the characters wrapped again, stay below what shows, however long
// the text.
#include "InputBox.h"
#include "ResultBox.h"

#include <QClipboard>
#include <QtTest>

#include <functional>
#include <memory>

using namespace pellitor;

namespace {

constexpr int Length = 300'000;
// No action may lay out or re-wrap more than this: a few lines' worth.
constexpr qint64 Bound = 20'000;

QString repeated(const QString& unit, int length)
{
    QString text = unit.repeated(length / int(unit.size()) + 1).left(length);
    if (text.back().isHighSurrogate())
        text.chop(1);
    return text;
}

QString hostile(const QString& kind)
{
    if (kind == "left to right")
        return repeated("x+", Length);
    if (kind == "right to left")
        return repeated(QString::fromUtf8("\u05D0\u05D1\u05D2\u05D3 "), Length);
    if (kind == "mixed with an override")
        return repeated(QString::fromUtf8("\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 12 \u202Eab"),
                        Length);
    if (kind == "combining marks")
        return "a" + QString(Length - 1, QChar(0x0301));
    if (kind == "beyond the BMP") {
        QString text;
        for (char32_t code = 0x10000; text.size() < Length; ++code)
            text += QString::fromUcs4(&code, 1);
        return text;
    }
    QString controls; // every control character, line breaks too
    for (int i = 0; controls.size() < Length; ++i)
        controls += QChar(i % 32);
    return controls;
}

} // namespace

class tst_TextBoxCost : public QObject {
    Q_OBJECT

private slots:
    void perAction_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("multiLine");
        for (const char* kind : {"left to right", "right to left", "mixed with an override", "combining marks",
                                 "beyond the BMP", "control characters"})
            for (bool multiLine : {false, true})
                QTest::addRow("%s, %s", kind, multiLine ? "result box" : "one-line box") << QString(kind) << multiLine;
    }
    void perAction()
    {
        QFETCH(QString, kind);
        QFETCH(bool, multiLine);
        std::unique_ptr<TextBoxBase> box;
        if (multiLine)
            box = std::make_unique<ResultBox>();
        else
            box = std::make_unique<InputBox>();
        box->resize(380, multiLine ? 60 : 22);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const auto wrapped = [&] { return multiLine ? static_cast<ResultBox&>(*box).wrappedCharacters() : 0; };
        const auto measured = [&] { return multiLine ? static_cast<ResultBox&>(*box).measuredCharacters() : 0; };
        QGuiApplication::clipboard()->setText(hostile(kind));
        const std::pair<const char*, std::function<void()>> actions[] = {
            {"paste", [&] { QTest::keySequence(box.get(), QKeySequence::Paste); }},
            {"key at the end", [&] { QTest::keyClick(box.get(), Qt::Key_X); }},
            {"Home", [&] { QTest::keyClick(box.get(), Qt::Key_Home); }},
            {"key at the start", [&] { QTest::keyClick(box.get(), Qt::Key_X); }},
            {"Right", [&] { QTest::keyClick(box.get(), Qt::Key_Right); }},
            {"Ctrl+End", [&] { QTest::keyClick(box.get(), Qt::Key_End, Qt::ControlModifier); }},
            {"Backspace", [&] { QTest::keyClick(box.get(), Qt::Key_Backspace); }},
            {"click", [&] { QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(40, 8)); }},
            {"undo", [&] { box->undo(); }},
        };
        for (const auto& [name, action] : actions) {
            const qint64 laidOut = box->laidOutCharacters();
            const qint64 wrappedBefore = wrapped();
            const qint64 measuredBefore = measured();
            action();
            box->viewport()->repaint();
            const qint64 layoutCost = box->laidOutCharacters() - laidOut;
            QVERIFY2(layoutCost <= Bound, qPrintable(QStringLiteral("%1 laid out %2").arg(name).arg(layoutCost)));
            // A paste wraps what it brings; anything else only the lines it touched.
            const qint64 wrapCost = wrapped() - wrappedBefore;
            // Widths once measured stay known: only a character new to the box is measured.
            const qint64 measureCost = measured() - measuredBefore;
            if (QByteArray(name) != "paste") {
                QVERIFY2(wrapCost <= Bound, qPrintable(QStringLiteral("%1 wrapped %2").arg(name).arg(wrapCost)));
                QVERIFY2(measureCost <= 1, qPrintable(QStringLiteral("%1 measured %2").arg(name).arg(measureCost)));
            }
        }
        QCOMPARE(box->text().size(), hostile(kind).size() + 2);
    }

    // Ideographs of a script beyond the Basic Multilingual Plane are as wide as each other: tens
    // of thousands of different ones cost one measurement per script, not one each.
    void ideographsMeasuredOnce()
    {
        QString text;
        for (auto [first, last] : {std::pair<char32_t, char32_t>{0x17000, 0x187F7},
                                   {0x1B170, 0x1B2FB},
                                   {0x18B00, 0x18CD5},
                                   {0x20000, 0x2A6DF}})
            for (char32_t code = first; code <= last; ++code)
                text += QString::fromUcs4(&code, 1);
        ResultBox box;
        box.resize(380, 60);
        const qint64 before = box.measuredCharacters();
        box.setText(text);
        QVERIFY2(box.measuredCharacters() - before <= 4,
                 qPrintable(QString::number(box.measuredCharacters() - before)));
    }
};

QTEST_MAIN(tst_TextBoxCost)
#include "tst_TextBoxCost.moc"
