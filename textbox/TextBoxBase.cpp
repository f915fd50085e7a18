// The behaviour that the calculator's text boxes share.
#include "TextBoxBase.h"

#include "Announcer.h"
#include "TextBoxAccessible.h"
#include "TextDrag.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QStyleHints>
#include <QTextCharFormat>

namespace pellitor {

namespace {

// What an input method sees around the caret: enough for its context, never the whole text.
constexpr int SurroundingReach = 512;

QString shortcutText(QKeySequence::StandardKey key)
{
    const QKeySequence sequence(key);
    return sequence.isEmpty() ? QString() : QLatin1Char('\t') + sequence.toString(QKeySequence::NativeText);
}

} // namespace

TextBoxBase::TextBoxBase(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_KeyCompression);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
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

bool TextBoxBase::isAcceptableInput(const QKeyEvent* event, bool acceptsTab)
{
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    const QChar c = text.front();
    // Formatting characters (joiners, direction marks) may come with Ctrl+Shift on some keyboards.
    if (c.category() == QChar::Other_Format)
        return true;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    if (c.isPrint() || c.category() == QChar::Other_PrivateUse)
        return true;
    if (c.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate())
        return true;
    return acceptsTab && c == u'\t';
}

void TextBoxBase::setText(const QString& text)
{
    setPreedit(QString(), 0);
    m_content.setText(text);
    forgetHistory();
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
    // As the line edit does: the caret goes to the start, then moves to the end.
    if (m_content.size() > 0)
        caretPlaced();
    m_content.select(0, m_content.size());
    changed(false, false);
}

void TextBoxBase::undo()
{
    userEdit([this] { undoStep(); });
}

void TextBoxBase::redo()
{
    userEdit([this] { redoStep(); });
}

void TextBoxBase::cut()
{
    if (!hasSelectedText())
        return;
    copy();
    userEdit([this] { removeSelection(); });
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
    const QString pasted = QGuiApplication::clipboard()->text(mode);
    userEdit([&] { pasteText(pasted); });
}

void TextBoxBase::replaceRange(int start, int end, const QString& text)
{
    start = std::clamp(start, 0, m_content.size());
    end = std::clamp(end, start, m_content.size());
    if (start == end && text.isEmpty())
        return;
    m_content.select(start, end);
    userEdit([&] {
        if (text.isEmpty())
            removeSelection();
        else
            insertTyped(fitted(text));
    });
}

void TextBoxBase::moveTo(int position, bool select)
{
    if (position != m_content.caret())
        caretPlaced();
    m_content.moveCaret(position, select);
    changed(false, false);
}

void TextBoxBase::setPreedit(const QString& text, int cursor)
{
    m_preedit = text;
    m_preeditCursor = cursor < 0 ? int(text.size()) : cursor;
    m_caretHidden = !text.isEmpty() && cursor < 0;
}

void TextBoxBase::changed(bool textAltered, bool byUser)
{
    if (textAltered) {
        if (const std::optional<EditableText::Span> span = m_content.takeSpan())
            contentEdited(*span);
    }
    ensureCaretVisible();
    restartBlink();
    viewport()->update();
    if (hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImQueryInput);
    announceChanges();
    if (byUser && textAltered)
        emit textEdited(m_content.text());
    if (textAltered)
        emit textChanged();
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
    // Control characters show as blanks, as in Qt's boxes; a tab steps to the next tab stop.
    for (QChar& c : shown) {
        if ((c.unicode() < 0x20 && c != u'\t') || c == QChar::LineSeparator || c == QChar::ParagraphSeparator
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
    const int caret = m_content.caret();
    if (!m_preedit.isEmpty() && start <= caret && caret <= end) {
        layout.setPreeditArea(caret - start, m_preedit);
        QTextLayout::FormatRange underline;
        underline.start = caret - start;
        underline.length = int(m_preedit.size());
        underline.format.setFontUnderline(true);
        layout.setFormats({underline});
    } else {
        layout.setPreeditArea(-1, QString());
        layout.clearFormats();
    }
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

bool TextBoxBase::dragSelection(Qt::DropActions actions, Qt::DropAction preferred)
{
    const platform::TextDrag::Outcome outcome = platform::dragText(this, selectedText(), actions, preferred);
    return outcome.action == Qt::MoveAction && !outcome.droppedOnSource;
}

bool TextBoxBase::event(QEvent* event)
{
    // The box keeps its editing keys from the window's shortcuts, as Qt's boxes do.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        const bool plain = modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier;
        const QKeySequence::StandardKey overridden[] = {
            QKeySequence::Copy,
            QKeySequence::Paste,
            QKeySequence::Cut,
            QKeySequence::Undo,
            QKeySequence::Redo,
            QKeySequence::SelectAll,
            QKeySequence::MoveToNextWord,
            QKeySequence::MoveToPreviousWord,
            QKeySequence::MoveToStartOfLine,
            QKeySequence::MoveToEndOfLine,
            QKeySequence::MoveToStartOfDocument,
            QKeySequence::MoveToEndOfDocument,
            QKeySequence::SelectNextWord,
            QKeySequence::SelectPreviousWord,
            QKeySequence::SelectStartOfLine,
            QKeySequence::SelectEndOfLine,
            QKeySequence::SelectStartOfDocument,
            QKeySequence::SelectEndOfDocument,
            QKeySequence::DeleteCompleteLine,
        };
        const bool editing = std::any_of(std::begin(overridden), std::end(overridden),
                                         [&](QKeySequence::StandardKey standard) { return key->matches(standard); });
        if (editing
            || (plain
                && (key->key() < Qt::Key_Escape || key->key() == Qt::Key_Home || key->key() == Qt::Key_End
                    || key->key() == Qt::Key_Left || key->key() == Qt::Key_Right || key->key() == Qt::Key_Backspace
                    || key->key() == Qt::Key_Delete))) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

QVariant TextBoxBase::inputMethodQuery(Qt::InputMethodQuery query) const
{
    const int caret = m_content.caret();
    const int from = std::max(0, caret - SurroundingReach);
    switch (query) {
    case Qt::ImEnabled: return true;
    case Qt::ImCursorRectangle: return const_cast<TextBoxBase*>(this)->caretRect().translated(viewport()->pos());
    case Qt::ImFont: return font();
    case Qt::ImCursorPosition: return caret - from;
    case Qt::ImAnchorPosition: return std::clamp(m_content.anchor() - from, 0, 2 * SurroundingReach);
    case Qt::ImSurroundingText: return m_content.text().mid(from, caret - from + SurroundingReach);
    case Qt::ImCurrentSelection: return m_content.selectedText().left(SurroundingReach);
    default: return QAbstractScrollArea::inputMethodQuery(query);
    }
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
    add(tr("&Undo"), QKeySequence::Undo, canUndo(), [this] { undo(); });
    add(tr("&Redo"), QKeySequence::Redo, canRedo(), [this] { redo(); });
    menu->addSeparator();
    add(tr("Cu&t"), QKeySequence::Cut, selected, [this] { cut(); });
    add(tr("&Copy"), QKeySequence::Copy, selected, [this] { copy(); });
    add(tr("&Paste"), QKeySequence::Paste, !QGuiApplication::clipboard()->text().isEmpty(), [this] { paste(); });
    add(tr("Delete"), QKeySequence::UnknownKey, selected, [this] { userEdit([this] { removeSelection(); }); });
    menu->addSeparator();
    add(tr("Select All"), QKeySequence::SelectAll, m_content.size() > 0, [this] { selectAll(); });
    // The box's own actions (the window's "Graph" on the expression box) come last.
    if (!actions().isEmpty()) {
        menu->addSeparator();
        menu->addActions(actions());
    }
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

void TextBoxBase::dragEnterEvent(QDragEnterEvent* event)
{
    if (!event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    dragOver(positionAt(event->position().toPoint()));
}

void TextBoxBase::dragMoveEvent(QDragMoveEvent* event)
{
    if (!event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    dragOver(positionAt(event->position().toPoint()));
}

void TextBoxBase::dragLeaveEvent(QDragLeaveEvent*)
{
    dragOver(-1);
}

void TextBoxBase::dropEvent(QDropEvent* event)
{
    const QString dropped = event->mimeData()->text();
    if (dropped.isNull()) {
        event->ignore();
        return;
    }
    const int at = positionAt(event->position().toPoint());
    const bool fromHere = event->source() == this;
    event->acceptProposedAction();
    userEdit([&] { dropText(fitted(dropped), at, fromHere, event->dropAction() == Qt::MoveAction); });
}

} // namespace pellitor
