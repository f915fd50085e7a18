// Printing the graph: the picture fitted to the page (its aspect kept, centred) with a caption
// under it, the expression and the view; asked for through the print dialog, where "Print to
// file" gives a PDF.
#pragma once

#include "PlotPicture.h"

#include <QString>

class QPrinter;
class QWidget;

namespace pellitor::graph {

// The caption of a printed picture: its title, then its view in its number texts, as in
// "y=2cos(x^2)/x" and "x from -10 to 10; y from -6.3 to 6.3" on the next line.
QString printCaption(const plot::PlotPicture& picture);

// Paints the picture on one page of printer, as large as the page takes it with the caption's
// lines under it (each cut in the middle to the page's width). False when the printer could not
// be started or failed.
bool printPicture(QPrinter& printer, const plot::PlotPicture& picture, const QString& caption);

// Asks how to print through the print dialog over owner and prints the picture with caption; a
// failure is said in a message box, a cancel leaves everything as it was.
void printGraph(QWidget* owner, const plot::PlotPicture& picture, const QString& caption);

} // namespace pellitor::graph
