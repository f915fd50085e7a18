// A text cut to a length that a line of the window and a screen reader can take: the middle of a
// longer one gives way to an ellipsis, so that its start and its end (a message's position and
// its closing quote) stay.
#pragma once

#include <QString>
#include <QStringView>

namespace pellitor::graph {

// At most most characters and the ellipsis; a pair of surrogates is kept whole or cut whole.
QString shortenedInTheMiddle(QStringView text, qsizetype most);

} // namespace pellitor::graph
