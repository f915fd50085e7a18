// The About window: the program's title and version, the maker's web address as a link, a
// copyright line and the OK button. Shown modally and discarded when it closes.
#pragma once

#include <QDialog>

namespace pellitor {

class XPButton;

class frmF2 : public QDialog {
    Q_OBJECT
public:
    explicit frmF2(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace pellitor
