// The editing behaviour that the calculator's text boxes share.
#include "TextBoxBase.h"

#include "Announcer.h"
#include "TextBoxAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QStyleHints>
#include <QTextCharFormat>

#include <functional>

namespace pellitor {

namespace {

// What an input method sees around the caret: enough for its context, never the whole text.
constexpr int SurroundingReach = 512;

QString shortcutText(QKeySequence::StandardKey key)
{
    const QKeySequence sequence(key);
    return sequence.isEmpty() ? QString() : QLatin1Char('\t') + sequence.toString(QKeySequence::NativeText);
}

bool typesText(const QKeyEvent* event)
{
    const QString text = event->text();
    if (text.isEmpty() || event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const char16_t first = text.front().unicode();
    return first >= 0x20 && first != 0x7F;
}

} // namespace

TextBoxBase::TextBoxBase(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_KeyCompression);
    viewport()->setCursor(Qt::IBeamCursor);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TextBoxAccessible::installFactory();
    m_content.followChangesWhile(&platform::Announcer::listening);
    // The desktop may stop the caret blinking (0: a steady caret) or start it again at any time.
    connect(QGuiApplication::styleHints(), &QStyleHints::cursorFlashTimeChanged, this, [this] {
        restartBlink();
        viewport()->update(caretRect().adjusted(-2, 0, 2, 0));
    });
}

void TextBoxBase::setText(const QString& text)
{
    m_content.setText(text);
    changed(true, false);
}

void TextBoxBase::setCursorPosition(int position)
{
    moveTo(position, false);
}

void TextBoxBase::setSelection(int start, int length)
{
    m_content.select(start, start + length);
    changed(false, false);
}

void TextBoxBase::selectAll()
{
    m_content.select(0, m_content.size());
    changed(false, false);
}

void TextBoxBase::undo()
{
    if (m_content.undo())
        changed(true, true);
}

void TextBoxBase::redo()
{
    if (m_content.redo())
        changed(true, true);
}

void TextBoxBase::cut()
{
    if (!hasSelectedText())
        return;
    copy();
    m_content.insert(QString());
    changed(true, true);
}

void TextBoxBase::copy(QClipboard::Mode mode) const
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (hasSelectedText() && (mode == QClipboard::Clipboard || clipboard->supportsSelection()))
        clipboard->setText(selectedText(), mode);
}

QString TextBoxBase::fitted(QString text) const
{
    // A one-line box keeps what it is given (it shows a line break as a blank); a multi-line one
    // breaks its lines at CR LF and at a lone CR.
    if (isMultiLine()) {
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    return text;
}

void TextBoxBase::paste(QClipboard::Mode mode)
{
    const QString pasted = fitted(QGuiApplication::clipboard()->text(mode));
    if (pasted.isEmpty())
        return;
    m_content.insert(pasted);
    changed(true, true);
}

void TextBoxBase::replaceRange(int start, int end, const QString& text)
{
    const QString inserted = fitted(text);
    start = std::clamp(start, 0, m_content.size());
    end = std::clamp(end, start, m_content.size());
    if (start == end && inserted.isEmpty())
        return;
    m_content.select(start, end);
    m_content.insert(inserted);
    changed(true, true);
}

void TextBoxBase::moveTo(int position, bool select)
{
    m_content.moveCaret(position, select);
    changed(false, false);
}

void TextBoxBase::changed(bool textChanged, bool byUser)
{
    if (textChanged)
        contentChanged();
    ensureCaretVisible();
    restartBlink();
    viewport()->update();
    if (hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImQueryInput);
    announceChanges();
    if (byUser && textChanged)
        emit textEdited(m_content.text());
}

void TextBoxBase::announceChanges()
{
    for (const EditableText::Change& change : m_content.takeChanges()) {
        if (!change.removed.isEmpty()) {
            QAccessibleTextRemoveEvent removed(this, change.position, TextBoxAccessible::readable(change.removed));
            platform::Announcer::send(removed);
        }
        if (!change.inserted.isEmpty()) {
            QAccessibleTextInsertEvent inserted(this, change.position, TextBoxAccessible::readable(change.inserted));
            platform::Announcer::send(inserted);
        }
    }
    const int caret = m_content.caret();
    if (caret != m_announcedCaret) {
        m_announcedCaret = caret;
        QAccessibleTextCursorEvent moved(this, caret);
        platform::Announcer::send(moved);
    }
    const std::pair<int, int> selection = m_content.hasSelection()
        ? std::pair{m_content.selectionStart(), m_content.selectionEnd()}
        : std::pair{-1, -1};
    if (selection != m_announcedSelection) {
        m_announcedSelection = selection;
        QAccessibleTextSelectionEvent selected(this, m_content.selectionStart(), m_content.selectionEnd());
        selected.setCursorPosition(caret);
        platform::Announcer::send(selected);
    }
}

void TextBoxBase::restartBlink()
{
    m_caretShown = true;
    const int period = QGuiApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && period > 0)
        m_blink.start(period / 2, this);
    else
        m_blink.stop();
}

void TextBoxBase::layOut(QTextLayout& layout, int start, int end)
{
    QString shown = m_content.text().mid(start, end - start);
    for (QChar& c : shown) {
        if (c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator
            || c == QChar::ObjectReplacementCharacter)
            c = QLatin1Char(' ');
    }
    layout.setText(shown);
    layout.setFont(textFont());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    m_laidOut += end - start;
}

QList<QTextLayout::FormatRange> TextBoxBase::selectionIn(int start, int end) const
{
    const int from = std::max(start, m_content.selectionStart());
    const int to = std::min(end, m_content.selectionEnd());
    if (!hasSelectedText() || from >= to)
        return {};
    QTextLayout::FormatRange range;
    range.start = from - start;
    range.length = to - from;
    range.format.setBackground(palette().brush(QPalette::Highlight));
    range.format.setForeground(palette().brush(QPalette::HighlightedText));
    return {range};
}

int TextBoxBase::verticalMove(int, int)
{
    return -1;
}

bool TextBoxBase::event(QEvent* event)
{
    // The box keeps its editing keys from the window's shortcuts, as a line edit does.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (typesText(key) || key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste)
            || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Undo)
            || key->matches(QKeySequence::Redo) || key->matches(QKeySequence::SelectAll)
            || key->key() == Qt::Key_Home || key->key() == Qt::Key_End || key->key() == Qt::Key_Left
            || key->key() == Qt::Key_Right || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

bool TextBoxBase::editKey(QKeyEvent* event)
{
    // Commands that repaint by themselves.
    const std::pair<QKeySequence::StandardKey, void (TextBoxBase::*)()> commands[] = {
        {QKeySequence::Undo, &TextBoxBase::undo},   {QKeySequence::Redo, &TextBoxBase::redo},
        {QKeySequence::Cut, &TextBoxBase::cut},     {QKeySequence::Copy, &TextBoxBase::copyToClipboard},
        {QKeySequence::Paste, &TextBoxBase::pasteFromClipboard}, {QKeySequence::SelectAll, &TextBoxBase::selectAll},
    };
    for (const auto& [key, command] : commands) {
        if (event->matches(key)) {
            (this->*command)();
            return true;
        }
    }
    EditableText& c = m_content;
    if (event->matches(QKeySequence::DeleteStartOfWord))
        c.removeTo(c.previousWord(c.caret()));
    else if (event->matches(QKeySequence::DeleteEndOfWord))
        c.removeTo(c.nextWord(c.caret()));
    else if (event->key() == Qt::Key_Backspace && !(event->modifiers() & ~Qt::ShiftModifier))
        c.removeTo(c.previousCharacter(c.caret()));
    else if (event->matches(QKeySequence::Delete))
        c.removeTo(c.nextCharacter(c.caret()));
    else if (isMultiLine()
             && (event->matches(QKeySequence::InsertParagraphSeparator)
                 || event->matches(QKeySequence::InsertLineSeparator)))
        c.insert(QStringLiteral("\n"));
    else if (typesText(event))
        c.insert(event->text());
    else
        return false;
    changed(true, true);
    return true;
}

bool TextBoxBase::moveKey(QKeyEvent* event)
{
    const EditableText& c = m_content;
    const int at = c.caret();
    const int page = linesPerPage();
    // Each move with its Shift form, and where it leads (computed only for the key pressed).
    const struct {
        QKeySequence::StandardKey move;
        QKeySequence::StandardKey select;
        std::function<int(bool)> to;
    } moves[] = {
        // A plain step with a selection lands on the selection's edge and drops it.
        {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar,
         [&](bool select) { return c.hasSelection() && !select ? c.selectionEnd() : c.nextCharacter(at); }},
        {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar,
         [&](bool select) { return c.hasSelection() && !select ? c.selectionStart() : c.previousCharacter(at); }},
        {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, [&](bool) { return c.nextWord(at); }},
        {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, [&](bool) { return c.previousWord(at); }},
        {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, [&](bool) { return lineStart(at); }},
        {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, [&](bool) { return lineEnd(at); }},
        {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, [](bool) { return 0; }},
        {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, [&](bool) { return c.size(); }},
        {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, [&](bool) { return verticalMove(at, 1); }},
        {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, [&](bool) { return verticalMove(at, -1); }},
        {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, [&](bool) { return verticalMove(at, page); }},
        {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage,
         [&](bool) { return verticalMove(at, -page); }},
    };
    for (const auto& move : moves) {
        const bool select = event->matches(move.select);
        if (!select && !event->matches(move.move))
            continue;
        const int to = move.to(select);
        if (to < 0)
            return false;
        moveTo(to, select);
        return true;
    }
    return false;
}

void TextBoxBase::keyPressEvent(QKeyEvent* event)
{
    if (moveKey(event) || editKey(event))
        event->accept();
    else
        event->ignore();
}

void TextBoxBase::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty() || event->replacementLength() > 0) {
        if (event->replacementLength() > 0 && !hasSelectedText()) {
            const int from = m_content.caret() + event->replacementStart();
            m_content.select(from, from + event->replacementLength());
        }
        m_content.insert(event->commitString());
        changed(true, true);
    }
    event->accept();
}

QVariant TextBoxBase::inputMethodQuery(Qt::InputMethodQuery query) const
{
    const int caret = m_content.caret();
    const int from = std::max(0, caret - SurroundingReach);
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
        return const_cast<TextBoxBase*>(this)->caretRect().translated(viewport()->pos());
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return caret - from;
    case Qt::ImAnchorPosition:
        return std::clamp(m_content.anchor() - from, 0, 2 * SurroundingReach);
    case Qt::ImSurroundingText:
        return m_content.text().mid(from, caret - from + SurroundingReach);
    case Qt::ImCurrentSelection:
        return m_content.selectedText().left(SurroundingReach);
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

void TextBoxBase::mousePressEvent(QMouseEvent* event)
{
    const int at = positionAt(event->position().toPoint());
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        moveTo(at, false);
        paste(QClipboard::Selection);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (m_tripleClick.isActive()
        && (event->position().toPoint() - m_doubleClickAt).manhattanLength() < QApplication::startDragDistance()) {
        m_content.select(lineStart(at), lineEnd(at));
        m_tripleClick.stop();
        changed(false, false);
        return;
    }
    moveTo(at, event->modifiers() & Qt::ShiftModifier);
    m_selecting = true;
}

void TextBoxBase::mouseMoveEvent(QMouseEvent* event)
{
    if (m_selecting && event->buttons() & Qt::LeftButton)
        moveTo(positionAt(event->position().toPoint()), true);
}

void TextBoxBase::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_selecting) {
        m_selecting = false;
        copy(QClipboard::Selection);
    }
}

void TextBoxBase::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const auto [start, end] = m_content.wordAt(positionAt(event->position().toPoint()));
    m_content.select(start, end);
    changed(false, false);
    copy(QClipboard::Selection);
    m_doubleClickAt = event->position().toPoint();
    m_tripleClick.start(QGuiApplication::styleHints()->mouseDoubleClickInterval(), this);
}

void TextBoxBase::contextMenuEvent(QContextMenuEvent* event)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto add = [&](const QString& label, QKeySequence::StandardKey key, bool enabled, auto action) {
        QAction* item = menu->addAction(label + (key == QKeySequence::UnknownKey ? QString() : shortcutText(key)));
        item->setEnabled(enabled);
        connect(item, &QAction::triggered, this, action);
    };
    const bool selected = hasSelectedText();
    add(tr("&Undo"), QKeySequence::Undo, m_content.canUndo(), [this] { undo(); });
    add(tr("&Redo"), QKeySequence::Redo, m_content.canRedo(), [this] { redo(); });
    menu->addSeparator();
    add(tr("Cu&t"), QKeySequence::Cut, selected, [this] { cut(); });
    add(tr("&Copy"), QKeySequence::Copy, selected, [this] { copy(); });
    add(tr("&Paste"), QKeySequence::Paste, !QGuiApplication::clipboard()->text().isEmpty(), [this] { paste(); });
    add(tr("Delete"), QKeySequence::UnknownKey, selected, [this] {
        m_content.insert(QString());
        changed(true, true);
    });
    menu->addSeparator();
    add(tr("Select All"), QKeySequence::SelectAll, m_content.size() > 0, [this] { selectAll(); });
    menu->popup(event->globalPos());
}

void TextBoxBase::focusInEvent(QFocusEvent* event)
{
    restartBlink();
    viewport()->update();
    QAbstractScrollArea::focusInEvent(event);
}

void TextBoxBase::focusOutEvent(QFocusEvent* event)
{
    // The selection stays: the keypad inserts at its start and keeps the selected characters.
    m_blink.stop();
    viewport()->update();
    QAbstractScrollArea::focusOutEvent(event);
}

void TextBoxBase::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_blink.timerId()) {
        m_caretShown = !m_caretShown;
        viewport()->update(caretRect().adjusted(-2, 0, 2, 0));
    } else if (event->timerId() == m_tripleClick.timerId()) {
        m_tripleClick.stop();
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

void TextBoxBase::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    contentChanged();
    ensureCaretVisible();
}

void TextBoxBase::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        contentChanged();
        ensureCaretVisible();
        viewport()->update();
    }
}

} // namespace pellitor
