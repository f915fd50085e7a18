// Texts cut in the middle.
#include "MiddleEllipsis.h"

namespace pellitor::graph {

QString shortenedInTheMiddle(QStringView text, qsizetype most)
{
    if (text.size() <= most)
        return text.toString();
    qsizetype head = most / 2;
    qsizetype tail = text.size() - (most - most / 2);
    // Neither cut falls between the two halves of a character.
    if (head > 0 && text[head].isLowSurrogate())
        --head;
    if (tail < text.size() && text[tail].isLowSurrogate())
        ++tail;
    return text.left(head).toString() + QChar(0x2026) + text.mid(tail).toString();
}

} // namespace pellitor::graph
