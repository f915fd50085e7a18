// The multi-line result box: an editable text box with a vertical scroll bar whose lines break
// anywhere at its right edge. The line breaks come from a table of character widths, so that a
// report of millions of characters is wrapped in one quick pass and only the lines that show
// are laid out.
#pragma once

#include "TextBoxBase.h"

#include <QHash>

#include <map>
#include <memory>
#include <vector>

namespace pellitor {

class ResultBox : public TextBoxBase {
    Q_OBJECT
public:
    explicit ResultBox(QWidget* parent = nullptr);

    // Replaces the content (CR LF and a lone CR break the line) with the caret at the start.
    void setPlainText(const QString& text);
    QString toPlainText() const { return text(); }
    // The lines as the box shows them: [start, end) of each, without its line break.
    int visualLineCount() const { return int(m_lineStarts.size()); }
    std::pair<int, int> visualLine(int line) const;

protected:
    void paintEvent(QPaintEvent* event) override;

    void contentChanged() override;
    void ensureVisible(int position) override;
    int positionAt(const QPoint& point) override;
    QRect caretRect() override;
    QRect characterRect(int position) override;
    std::pair<int, int> shownRange() override;
    int lineStart(int position) override;
    int lineEnd(int position) override;
    int verticalMove(int position, int lines) override;
    int linesPerPage() const override;
    bool isMultiLine() const override { return true; }
    QFont textFont() const override;

private:
    void wrap();
    qreal advance(const QChar* text, int at, int size);
    int lineOf(int position) const;
    int lineTop(int line) const;
    const QTextLayout& lineLayout(int line);

    std::vector<int> m_lineStarts{0};
    std::vector<float> m_advances;     // per UTF-16 unit of the Basic Multilingual Plane; < 0 unknown
    QHash<char32_t, float> m_wideAdvances; // characters beyond it
    std::map<int, std::unique_ptr<QTextLayout>> m_layouts; // of lines that showed, by line
    int m_lineHeight = 1;
};

} // namespace pellitor
