// pellitor: the calculator window. Closing it ends the program.
#include "CaretBlink.h"
#include "DesignFont.h"
#include "DisplayGuard.h"
#include "MessageBox.h"
#include "QtMessageBox.h"
#include "TranslatedMessageBox.h"
#include "Translations.h"
#include "VersionAndHelp.h"
#include "WindowIcon.h"
#include "frmMain.h"

#include <QApplication>

#include <optional>

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = pellitor::answerVersionOrHelp(argc, argv))
        return *status;

    std::optional<QApplication> app;
    {
        const pellitor::DisplayGuard guard(argc, argv);
        app.emplace(argc, argv);
        guard.requireScreen();
    }
    QApplication::setApplicationName(QStringLiteral("Pellitor"));
    QApplication::setWindowIcon(pellitor::calculatorIcon());
    pellitor::platform::registerDesignFonts();

    // The window in the user's language; its messages too, which the engine writes in English.
    const pellitor::Translations translations(pellitor::Translations::userLanguages(),
                                              QCoreApplication::applicationDirPath());
    pellitor::platform::QtMessageBox qtBoxes;
    pellitor::TranslatedMessageBox boxes(qtBoxes);
    const pellitor::platform::InstallGuard<pellitor::platform::MessageBox> boxesShown(boxes);

    // An idle window repaints nothing, not even its caret.
    const pellitor::platform::CaretBlinkTimeout caretBlink;

    pellitor::frmMain window;
    window.show();
    if (pellitor::asksForGraph(argc, argv))
        window.showGraph();
    return QApplication::exec();
}
