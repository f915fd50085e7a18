// frmMain: built from its layout table; the start-up steps, the editing commands and the
// bindings of its buttons and boxes.
#include "frmMain.h"

#include "CalculateCommand.h"
#include "DesignFont.h"
#include "GraphLink.h"
#include "HelpPage.h"
#include "InputBox.h"
#include "MainLayout.h"
#include "ResultBox.h"
#include "Translations.h"
#include "WindowAccessibility.h"
#include "WindowIcon.h"
#include "XPButton.h"
#include "frmF2.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>

namespace pellitor {

frmMain::frmMain(const QString& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_programFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(MainLayout::Caption));
    setWindowIcon(calculatorIcon());
    platform::registerDesignFonts();
    setFont(platform::designFont());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    // Dark text on the white window, also where the desktop's palette is dark (its light text
    // would all but vanish on white).
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);
    setFixedSize(MainLayout::ClientArea.toPixels().size());

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const layout::Control& entry : MainLayout::controls())
        tabOrder.emplace_back(entry.tab, layout::createControl(entry, this));
    for (const layout::Button& entry : MainLayout::buttons())
        tabOrder.emplace_back(entry.tab, layout::createButton(entry, this));
    layout::setTabOrder(std::move(tabOrder));
    installWindowAccessibility();
    layout::nameControls(MainLayout::accessibleNames(), this);

    Text1 = control<InputBox>("Text1");
    Text2 = control<InputBox>("Text2");
    Option1 = control<QRadioButton>("Option1");
    Option2 = control<QRadioButton>("Option2");
    Text4 = control<ResultBox>("Text4");
    List1 = control<QListWidget>("List1");
    Label2 = control<QLabel>("Label2");
    m_view.emplace(Text1, Text2, Option1, Option2, Text4);
    m_graph = std::make_unique<GraphLink>(this, Text1, Text2, Option1, Option2, m_numbers, [this] { calculate(); });
    connect(m_graph.get(), &GraphLink::helpAsked, this,
            [this] { openHelpPage(m_graph->graphWindow(), helpPath(), QStringLiteral("graph")); });
    connectButtons();

    setStartingState();

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

frmMain::~frmMain() = default;

template <class T>
T* frmMain::control(const char* name) const
{
    T* widget = findChild<T*>(QString::fromUtf8(name));
    Q_ASSERT(widget);
    return widget;
}

void frmMain::connectButtons()
{
    for (const layout::Button& entry : MainLayout::buttons())
        connectButton(control<XPButton>(entry.name), entry.role);
    connect(Text1, &InputBox::enterPressed, this, &frmMain::calculate);
    connect(Text2, &InputBox::enterPressed, this, &frmMain::calculate);
    // An entry stays selected: a Ctrl+click on the selected entry would otherwise leave none.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (List1->selectedItems().isEmpty() && List1->currentItem())
            List1->currentItem()->setSelected(true);
    });
}

void frmMain::connectButton(XPButton* button, layout::ButtonRole role)
{
    using layout::ButtonRole;
    switch (role) {
    case ButtonRole::InsertCaption:
        connect(button, &XPButton::Click, this, [this, button] { InsertAtCaret(button->Caption()); });
        return;
    case ButtonRole::Backspace: connect(button, &XPButton::Click, this, &frmMain::backspace); return;
    case ButtonRole::InsertFunction: connect(button, &XPButton::Click, this, &frmMain::insertFunction); return;
    case ButtonRole::Calculate: connect(button, &XPButton::Click, this, &frmMain::calculate); return;
    case ButtonRole::Clear: connect(button, &XPButton::Click, this, &frmMain::clearBoxes); return;
    case ButtonRole::Help: connect(button, &XPButton::Click, this, &frmMain::openHelp); return;
    case ButtonRole::About: connect(button, &XPButton::Click, this, &frmMain::showAbout); return;
    case ButtonRole::CloseDialog: break;
    }
    Q_ASSERT_X(false, "frmMain::connectButton", "a role that the main window has no command for");
}

void frmMain::setStartingState()
{
    QPalette white = Option1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Option1->setPalette(white);
    Option2->setPalette(white);
    Option1->setChecked(true);
    FillFunctionList();
    List1->setCurrentRow(0);
    Text1->setFocus();
}

void frmMain::FillFunctionList()
{
    List1->clear();
    for (const char* entry : MainLayout::functionTemplates())
        List1->addItem(QString::fromUtf8(entry));
    List1->setCurrentRow(0);
    Label2->setText(QStringLiteral("x"));
    Text2->replaceContent(QStringLiteral("0"));
}

void frmMain::InsertAtCaret(const QString& text)
{
    // An edit as the user's own: Ctrl+Z in the box takes it back.
    Text1->insertAtCaret(text);
    Text1->setFocus();
}

void frmMain::backspace()
{
    if (!Text1->backspaceAtCaret())
        return;
    Text1->setFocus();
}

void frmMain::clearBoxes()
{
    Text1->replaceContent(QString());
    Text2->replaceContent(QString());
    Text4->clearContent();
}

void frmMain::calculate()
{
    CalculateCommand(*m_view, m_numbers).run();
}

void frmMain::insertFunction()
{
    const QListWidgetItem* selected = List1->currentItem();
    if (!selected || !selected->isSelected())
        return;
    QString entry = selected->text();
    entry.chop(1);
    InsertAtCaret(entry);
}

QString frmMain::helpPath() const
{
    return findHelpPage(m_programFolder, Translations::current());
}

void frmMain::openHelp()
{
    openHelpPage(this, helpPath());
}

void frmMain::showAbout()
{
    frmF2 about(this);
    about.exec();
}

void frmMain::showGraph()
{
    m_graph->showGraph();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    m_graph->closeGraph();
    QWidget::closeEvent(event);
}

} // namespace pellitor
