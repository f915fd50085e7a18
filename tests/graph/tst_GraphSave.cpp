// Saving the graph (offscreen): the dialog's extension and its question before a file is replaced,
// the window's own question where it adds the extension, and failures said plainly (a name that
// leads around a loop of links, a write that stops short, a full disk).
#include "PictureFile.h"
#include "RecordingMessageBox.h"
#include "RecordingQuestion.h"
#include "RecordingSaveDialog.h"
#include "ShownGraph.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/resource.h>

using namespace pellitor;
using graph::GraphWindow;

namespace {

const QString Png = "PNG image (*.png)";
const QString Svg = "SVG image (*.svg)";

std::unique_ptr<GraphWindow> graphOf(std::u16string expression)
{
    return testing::shownGraph(std::move(expression), {}, {700, 460});
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs step on the modal window of type W once it shows: from within its own event loop.
template <typename W>
void whenShown(std::function<void(W*)> step)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        if (auto* shown = qobject_cast<W*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            step(shown);
        }
    });
    timer->start(10);
}

} // namespace

class tst_GraphSave : public QObject {
    Q_OBJECT
private slots:
    // The desktop's dialog adds the chosen filter's extension to a name typed without one before
    // it checks whether the file exists, and so asks about the file that is written.
    void theDialogAsksAboutTheNameWithItsExtension()
    {
        QTemporaryDir folder;
        QFile(folder.filePath("graph.svg")).open(QIODevice::WriteOnly);
        QStringList suffixes;
        QString question;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            dialog->setDirectory(folder.path());
            suffixes << dialog->defaultSuffix();
            QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down); // SVG
            suffixes << dialog->defaultSuffix();
            whenShown<QMessageBox>([&](QMessageBox* box) {
                question = box->text();
                box->button(QMessageBox::Yes)->click();
            });
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText("graph");
            static_cast<QDialog*>(dialog)->accept(); // as Save does
        });
        const platform::SaveChoice choice = platform::askWhereToSave(nullptr, "Save Graph", "graph.png", {Png, Svg});
        QCOMPARE(suffixes, QStringList({"png", "svg"}));
        QCOMPARE(question, "graph.svg already exists.\nDo you want to replace it?");
        QCOMPARE(choice.path, folder.filePath("graph.svg"));
        QCOMPARE(choice.filter, Svg);
    }

    // Where the dialog gave back a name without an extension (as a desktop's own dialog may), the
    // window adds it and asks before it replaces that file; No keeps the file.
    void theWindowAsksBeforeItReplacesTheFileItNamed_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("file"); // there before the save ("old") or not
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("yes");
        QTest::newRow("added, No") << "graph" << Png << "graph.png" << true << false;
        QTest::newRow("added, SVG, Yes") << "graph" << Svg << "graph.svg" << true << true;
        QTest::newRow("added, not there") << "graph" << Png << "" << false << false;
        QTest::newRow("typed, the dialog asked") << "graph.png" << Svg << "graph.png" << false << false;
    }
    void theWindowAsksBeforeItReplacesTheFileItNamed()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(QString, file);
        QFETCH(bool, asked);
        QFETCH(bool, yes);
        QTemporaryDir folder;
        QFile old(folder.filePath(file));
        QVERIFY(file.isEmpty() || (old.open(QIODevice::WriteOnly) && old.write("old") == 3));
        old.close();
        testing::RecordingMessageBox boxes;
        testing::RecordingQuestion question(yes);
        testing::RecordingSaveDialog dialog({folder.filePath(typed), filter});
        const auto window = graphOf(u"x");
        window->savePicture();
        const QString written = folder.filePath(file.isEmpty() ? "graph.png" : file);
        QCOMPARE(question.texts(),
                 asked ? QStringList{file + " already exists.\nDo you want to replace it?"} : QStringList());
        if (asked && !yes) {
            QTest::qWait(200); // a save would have been written by now
            QCOMPARE(contents(written), "old");
        } else {
            QTRY_VERIFY(contents(written).size() > 1000);
        }
        QVERIFY(boxes.empty());
    }

    // A name that leads around a loop of symbolic links is refused, as pellitor-calc -o refuses
    // it; the links stay as they were.
    void aLoopOfLinksIsRefused()
    {
        QTemporaryDir folder;
        const QString link = folder.filePath("graph.png");
        QVERIFY(QFile::link("other.png", link) && QFile::link("graph.png", folder.filePath("other.png")));
        testing::RecordingMessageBox boxes;
        testing::RecordingSaveDialog dialog({link, Png});
        const auto window = graphOf(u"x");
        window->savePicture();
        QTRY_COMPARE(boxes.shown().size(), 1u);
        QCOMPARE(QString::fromStdU16String(boxes.last().text),
                 "The graph could not be saved as " + link + ": The name leads around a loop of symbolic links.");
        QCOMPARE(QFileInfo(link).symLinkTarget(), folder.filePath("other.png"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::System | QDir::Hidden).size(), 2);
    }

    // A write that stops short (here at the process's file size limit; on a full disk alike) says
    // the system's reason, not "Unknown error", and leaves no file.
    void aWriteThatStopsShortSaysWhy()
    {
        QTemporaryDir folder;
        testing::RecordingMessageBox boxes;
        testing::RecordingSaveDialog dialog({folder.filePath("graph.png"), Png});
        const auto window = graphOf(u"2cos(x^2)/x");
        QVERIFY(QTest::qWaitFor([&] { return !window->canvas()->computing(); }, 5000));
        rlimit before{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &before) == 0);
        rlimit small = before;
        small.rlim_cur = 4096;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
        window->savePicture();
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, handler);
        QCOMPARE(boxes.shown().size(), 1u);
        QCOMPARE(QString::fromStdU16String(boxes.last().text), "The graph could not be saved as "
                                                                   + folder.filePath("graph.png") + ": "
                                                                   + QString::fromLocal8Bit(std::strerror(EFBIG)));
        QVERIFY(QDir(folder.path()).isEmpty(QDir::Files | QDir::Hidden));
    }

    // What a failed write says: a full disk plainly, whatever Qt made of it.
    void theReasonOfAFailedWrite()
    {
        const QString full = "There is no space left on the device.";
        QCOMPARE(graph::PictureFile::reason(ENOSPC, "Unknown error"), full);           // stopped short
        QCOMPARE(graph::PictureFile::reason(ENOSPC, "No space left on device"), full); // nothing written
        QCOMPARE(graph::PictureFile::reason(EACCES, "Permission denied"), "Permission denied");
    }
};

QTEST_MAIN(tst_GraphSave)
#include "tst_GraphSave.moc"
