// A frame as the window's layout has it: a thin etched rectangle whose top edge runs through the
// vertical middle of the caption, the caption interrupting it near the left, on the frame's white
// background. The controls inside sit at their own positions relative to the frame's top-left
// corner; the frame adds no margins and takes no focus.
#pragma once

#include <QString>
#include <QWidget>

namespace pellitor {

class CaptionFrame : public QWidget {
    Q_OBJECT
public:
    explicit CaptionFrame(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
};

} // namespace pellitor
