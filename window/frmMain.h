// The calculator's main window: the expression and parameter boxes, the angle unit, the keypad,
// the function list, the result box and the Calculate, Clear, Help and About commands.
#pragma once

#include "LocaleNumberText.h"
#include "WidgetCalculateView.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QListWidget;
class QRadioButton;

namespace pellitor::layout {
enum class ButtonRole;
} // namespace pellitor::layout

namespace pellitor {

class GraphLink;
class InputBox;
class ResultBox;
class XPButton;

class frmMain : public QWidget {
    Q_OBJECT
public:
    // programFolder is the executable's own folder, where Help starts looking for help.htm.
    explicit frmMain(const QString& programFolder = QString(), QWidget* parent = nullptr);
    ~frmMain() override;

    // Puts text into Text1 at its caret (the start of a selection, which stays), gives Text1 the
    // focus and puts the caret right after the inserted text.
    void InsertAtCaret(const QString& text);
    // Fills List1 with the function templates, selects the first, shows "x" in Label2 and puts
    // "0" into Text2.
    void FillFunctionList();

    // The help page that Help opens, in the window's language where there is one.
    QString helpPath() const;

    // Opens the graph of the expression, or raises it when it is open.
    void showGraph();
    GraphLink* graphLink() const { return m_graph.get(); }

protected:
    // The graph window closes with the main window.
    void closeEvent(QCloseEvent* event) override;

private:
    // What the window shows when it has loaded: the angle options, the filled function list, the
    // caret in the expression box.
    void setStartingState();
    void connectButtons();
    // Connects the button's Click to the command of its role.
    void connectButton(XPButton* button, layout::ButtonRole role);
    void backspace();
    void clearBoxes();
    void calculate();
    void insertFunction();
    void openHelp();
    void showAbout();

    template <class T>
    T* control(const char* name) const;

    QString m_programFolder;
    InputBox* Text1 = nullptr;
    InputBox* Text2 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    ResultBox* Text4 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label2 = nullptr;
    std::optional<WidgetCalculateView> m_view;
    platform::LocaleNumberText m_numbers;
    std::unique_ptr<GraphLink> m_graph; // after m_numbers, which the graph reads
};

} // namespace pellitor
