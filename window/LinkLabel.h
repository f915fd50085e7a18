// A label that is a link, as the About window shows the maker's address: underlined, in the
// highlight colour, a pointing hand over it. A click on it (pressed and released on it), or Enter
// or Space while Tab has put the focus on it, activates it.
#pragma once

#include <QLabel>

namespace pellitor {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // What a click does, for the keyboard and assistive tools.
    void activate() { emit activated(); }

signals:
    void activated();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace pellitor
