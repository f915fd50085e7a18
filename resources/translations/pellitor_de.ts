<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>pellitor::GraphLink</name>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
</context>
<context>
    <name>pellitor::TextBoxBase</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>pellitor::TranslatedMessageBox</name>
    <message>
        <source>Syntax Error</source>
        <translation>Syntaxfehler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Operator expected</source>
        <translation>Operator erwartet</translation>
    </message>
    <message>
        <source>Operand expected</source>
        <translation>Operand erwartet</translation>
    </message>
    <message>
        <source>Closing parenthesis without matching open parenthesis</source>
        <translation>Schließende Klammer ohne passende öffnende Klammer</translation>
    </message>
    <message>
        <source>Operand contains multiple decimal points</source>
        <translation>Operand enthält mehrere Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>Invalid operand</source>
        <translation>Ungültiger Operand</translation>
    </message>
    <message>
        <source>Open parenthesis expected</source>
        <translation>Öffnende Klammer erwartet</translation>
    </message>
    <message>
        <source>Unexpected character encountered</source>
        <translation>Unerwartetes Zeichen gefunden</translation>
    </message>
    <message>
        <source>Closing parenthesis expected</source>
        <translation>Schließende Klammer erwartet</translation>
    </message>
    <message>
        <source>The expression is illegal.</source>
        <translation>Der Ausdruck ist ungültig.</translation>
    </message>
    <message>
        <source>Illegal data exist.</source>
        <translation>Es sind ungültige Daten vorhanden.</translation>
    </message>
    <message>
        <source>The parameter is beyond the range of a 32-bit number.</source>
        <translation>Der Parameter liegt außerhalb des Bereichs einer 32-Bit-Zahl.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Pop method invoked on empty stack</source>
        <translation>Methode Pop auf leerem Stapel aufgerufen</translation>
    </message>
    <message>
        <source>GetPopValue method invoked on empty stack</source>
        <translation>Methode GetPopValue auf leerem Stapel aufgerufen</translation>
    </message>
    <message>
        <source>Undefined symbol : &apos;%1&apos;</source>
        <translation>Nicht definiertes Symbol: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Bad token in Evaluate: %1</source>
        <translation>Ungültiges Token in Evaluate: %1</translation>
    </message>
    <message>
        <source>No program could open the help page. It is here:
%1</source>
        <translation>Kein Programm konnte die Hilfeseite öffnen. Sie liegt hier:
%1</translation>
    </message>
    <message>
        <source>Character %1:  %2</source>
        <translation>Zeichen %1:  %2</translation>
    </message>
</context>
<context>
    <name>pellitor::WidgetCalculateView</name>
    <message>
        <source>Function y=%1</source>
        <translation>Funktion y=%1</translation>
    </message>
    <message>
        <source>Can not calculate the expression at x=%1</source>
        <translation>Der Ausdruck ist bei x=%1 nicht berechenbar</translation>
    </message>
</context>
<context>
    <name>pellitor::frmF2</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Pellitor</source>
        <translation>Über Pellitor</translation>
    </message>
    <message>
        <source>© 2026 Pellitor team</source>
        <translation>© 2026 Pellitor-Team</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>pellitor::frmMain</name>
    <message>
        <source>Expression  e.g. 2cos(x^2)/x</source>
        <translation>Ausdruck  z. B. 2cos(x^2)/x</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Decimal Point</source>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <source>Variable x</source>
        <translation>Variable x</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einsetzen</translation>
    </message>
    <message>
        <source>Select And Insert A Function</source>
        <translation>Funktion auswählen und einsetzen</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Ausdruck</translation>
    </message>
    <message>
        <source>e.g. 2cos(x^2)/x</source>
        <translation>z. B. 2cos(x^2)/x</translation>
    </message>
    <message>
        <source>Parameter x</source>
        <translation>Parameter x</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::CurveCalculations</name>
    <message>
        <source>No other curve shows: pin one with Ctrl+D.</source>
        <translation>Keine weitere Kurve sichtbar: Mit Strg+D eine festhalten.</translation>
    </message>
    <message>
        <source>y does not reach %1 to the right within 100 view widths</source>
        <translation>y erreicht %1 rechts innerhalb von 100 Ausschnittbreiten nicht</translation>
    </message>
    <message>
        <source>y does not reach %1 to the left within 100 view widths</source>
        <translation>y erreicht %1 links innerhalb von 100 Ausschnittbreiten nicht</translation>
    </message>
    <message>
        <source>No intersection within 100 view widths to the right</source>
        <translation>Kein Schnittpunkt rechts innerhalb von 100 Ausschnittbreiten</translation>
    </message>
    <message>
        <source>No intersection within 100 view widths to the left</source>
        <translation>Kein Schnittpunkt links innerhalb von 100 Ausschnittbreiten</translation>
    </message>
    <message>
        <source>y = %1 at x = %2</source>
        <translation>y = %1 bei x = %2</translation>
    </message>
    <message>
        <source>intersection with %1 at x = %2; y = %3 and %4</source>
        <translation>Schnittpunkt mit %1 bei x = %2; y = %3 und %4</translation>
    </message>
    <message>
        <source>dy/dx = %1 (± %2)</source>
        <translation>dy/dx = %1 (± %2)</translation>
    </message>
    <message>
        <source>no slope: a corner, %1 from the left, %2 from the right</source>
        <translation>keine Steigung: ein Knick, von links %1, von rechts %2</translation>
    </message>
    <message>
        <source>no slope: a gap, a pole or a jump at or near x</source>
        <translation>keine Steigung: eine Lücke, ein Pol oder ein Sprung bei oder nahe x</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 = %3 (± %4)</source>
        <translation>∫ von %1 bis %2 = %3 (± %4)</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 diverges at x = %3</source>
        <translation>∫ von %1 bis %2 divergiert bei x = %3</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 is undefined: no value from x = %3 to x = %4</source>
        <translation>∫ von %1 bis %2 ist nicht definiert: kein Wert von x = %3 bis x = %4</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphActions</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;Reset View</source>
        <translation>Ausschnitt zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>Fit &amp;y</source>
        <translation>&amp;y anpassen</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Verk&amp;leinern</translation>
    </message>
    <message>
        <source>&amp;View Range...</source>
        <translation>&amp;Ausschnitt festlegen...</translation>
    </message>
    <message>
        <source>&amp;Equal Scales</source>
        <translation>Gleiche &amp;Maßstäbe</translation>
    </message>
    <message>
        <source>P&amp;in Curve</source>
        <translation>Kurve &amp;festhalten</translation>
    </message>
    <message>
        <source>&amp;Table of Values</source>
        <translation>&amp;Wertetabelle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Pinned &amp;Curves</source>
        <translation>Festgehaltene K&amp;urven</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphCanvas</name>
    <message>
        <source>Finest view: neighbouring pixels would show the same 32-bit x.</source>
        <translation>Kleinster Ausschnitt: Benachbarte Pixel zeigten dasselbe 32-Bit-x.</translation>
    </message>
    <message>
        <source>Widest view: the 32-bit numbers end here.</source>
        <translation>Größter Ausschnitt: Hier enden die 32-Bit-Zahlen.</translation>
    </message>
    <message>
        <source>Graph of y=%1</source>
        <translation>Graph von y=%1</translation>
    </message>
    <message>
        <source>x from %1 to %2; y from %3 to %4</source>
        <translation>x von %1 bis %2; y von %3 bis %4</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Zeros at x = %1</source>
        <translation>Nullstellen bei x = %1</translation>
    </message>
    <message>
        <source>Minima at x = %1</source>
        <translation>Minima bei x = %1</translation>
    </message>
    <message>
        <source>Maxima at x = %1</source>
        <translation>Maxima bei x = %1</translation>
    </message>
    <message>
        <source>Poles, gaps and jumps near x = %1</source>
        <translation>Pole, Lücken und Sprünge bei x = %1</translation>
    </message>
    <message>
        <source>Point at the curve, or press Left or Right, to read it; Z, E and P jump to zeros, extrema and poles.</source>
        <translation>Zeigen Sie auf die Kurve oder drücken Sie Links oder Rechts, um sie abzulesen; Z, E und P springen zu Nullstellen, Extrema und Polen.</translation>
    </message>
    <message>
        <source>Only a curve that is drawn can be pinned.</source>
        <translation>Nur eine gezeichnete Kurve lässt sich festhalten.</translation>
    </message>
    <message>
        <source>The graph shows %1 curves at most.</source>
        <translation>Der Graph zeigt höchstens %1 Kurven.</translation>
    </message>
    <message>
        <source>Curves: %1; the trace reads %2</source>
        <translation>Kurven: %1; die Spur liegt auf %2</translation>
    </message>
    <message>
        <source>From x = %1: move the trace to the other end and press B.</source>
        <translation>Ab x = %1: Bewegen Sie die Spur zum anderen Ende und drücken Sie B.</translation>
    </message>
    <message>
        <source>Press A at one end of the area first.</source>
        <translation>Drücken Sie zuerst A an einem Ende der Fläche.</translation>
    </message>
    <message>
        <source>The parameter&apos;s x, with the y of the report: x = %1; y = %2</source>
        <translation>Das x des Parameters, mit dem y des Ergebnisses: x = %1; y = %2</translation>
    </message>
    <message>
        <source>The traced point: %1</source>
        <translation>Der Punkt der Spur: %1</translation>
    </message>
    <message>
        <source>The traced x, where the curve has no point in view: a pole, a gap, or y beyond the view</source>
        <translation>Das x der Spur, an dem die Kurve keinen Punkt im Ausschnitt hat: ein Pol, eine Lücke oder y außerhalb des Ausschnitts</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphPrint</name>
    <message>
        <source>Print Graph</source>
        <translation>Graph drucken</translation>
    </message>
    <message>
        <source>The graph could not be printed.</source>
        <translation>Der Graph konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The graph could not be printed to %1.</source>
        <translation>Der Graph konnte nicht in %1 gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphSound</name>
    <message>
        <source>No sound device.</source>
        <translation>Kein Tongerät.</translation>
    </message>
    <message>
        <source>The sound device could not play the sound.</source>
        <translation>Das Tongerät konnte den Ton nicht abspielen.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphTrace</name>
    <message>
        <source>x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>y = %1</source>
        <translation>y = %1</translation>
    </message>
    <message>
        <source>Can not calculate</source>
        <translation>Nicht berechenbar</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>kein Wert</translation>
    </message>
    <message>
        <source>zero at x = %1</source>
        <translation>Nullstelle bei x = %1</translation>
    </message>
    <message>
        <source>minimum at x = %1; y = %2</source>
        <translation>Minimum bei x = %1; y = %2</translation>
    </message>
    <message>
        <source>maximum at x = %1; y = %2</source>
        <translation>Maximum bei x = %1; y = %2</translation>
    </message>
    <message>
        <source>pole near x = %1</source>
        <translation>Pol bei x = %1</translation>
    </message>
    <message>
        <source>gap at x = %1</source>
        <translation>Lücke bei x = %1</translation>
    </message>
    <message>
        <source>jump at x = %1</source>
        <translation>Sprung bei x = %1</translation>
    </message>
    <message>
        <source>no zero to the right within 100 view widths</source>
        <translation>keine Nullstelle rechts innerhalb von 100 Ausschnittbreiten</translation>
    </message>
    <message>
        <source>no zero to the left within 100 view widths</source>
        <translation>keine Nullstelle links innerhalb von 100 Ausschnittbreiten</translation>
    </message>
    <message>
        <source>no minimum or maximum to the right within 100 view widths</source>
        <translation>kein Minimum oder Maximum rechts innerhalb von 100 Ausschnittbreiten</translation>
    </message>
    <message>
        <source>no minimum or maximum to the left within 100 view widths</source>
        <translation>kein Minimum oder Maximum links innerhalb von 100 Ausschnittbreiten</translation>
    </message>
    <message>
        <source>no pole, gap or jump to the right within 100 view widths</source>
        <translation>kein Pol, keine Lücke und kein Sprung rechts innerhalb von 100 Ausschnittbreiten</translation>
    </message>
    <message>
        <source>no pole, gap or jump to the left within 100 view widths</source>
        <translation>kein Pol, keine Lücke und kein Sprung links innerhalb von 100 Ausschnittbreiten</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>No value at any x in view.</source>
        <translation>Für kein x im Ausschnitt gibt es einen Wert.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Graph speichern</translation>
    </message>
    <message>
        <source>The graph could not be saved as %1: %2</source>
        <translation>Der Graph konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The graph could not be copied: %1</source>
        <translation>Der Graph konnte nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>x =</source>
        <translation>x =</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Sichtbar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>This range is too narrow: neighbouring pixels would show the same 32-bit x.</source>
        <translation>Dieser Bereich ist zu schmal: Benachbarte Pixel zeigten dasselbe 32-Bit-x.</translation>
    </message>
    <message>
        <source>This range reaches beyond the 32-bit numbers, about 3.4E+38 either way.</source>
        <translation>Dieser Bereich reicht über die 32-Bit-Zahlen hinaus, etwa 3,4E+38 in jede Richtung.</translation>
    </message>
    <message>
        <source>The dashed line: the traced x, where the curve has no point in view: a pole, a gap, or y beyond the view.</source>
        <translation>Die gestrichelte Linie: das x der Spur, an dem die Kurve keinen Punkt im Ausschnitt hat: ein Pol, eine Lücke oder y außerhalb des Ausschnitts.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::PictureFile</name>
    <message>
        <source>The name leads around a loop of symbolic links.</source>
        <translation>Der Name führt über symbolische Verknüpfungen im Kreis.</translation>
    </message>
    <message>
        <source>There is no space left on the device.</source>
        <translation>Auf dem Datenträger ist kein Platz mehr frei.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::TableWindow</name>
    <message>
        <source>Table of Values</source>
        <translation>Wertetabelle</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Startwert:</translation>
    </message>
    <message>
        <source>S&amp;tep:</source>
        <translation>Schritt&amp;weite:</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Als CSV speichern...</translation>
    </message>
    <message>
        <source>Table of values</source>
        <translation>Wertetabelle</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Save as &amp;CSV...</source>
        <translation>Als &amp;CSV speichern...</translation>
    </message>
    <message>
        <source>A step of %1 cannot change a 32-bit x near %2: two rows would be the same.</source>
        <translation>Eine Schrittweite von %1 ändert ein 32-Bit-x nahe %2 nicht: Zwei Zeilen wären gleich.</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a number.</source>
        <translation>Der Startwert „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The start must lie within the range of 32-bit numbers.</source>
        <translation>Der Startwert muss im Bereich der 32-Bit-Zahlen liegen.</translation>
    </message>
    <message>
        <source>The step &quot;%1&quot; is not a number.</source>
        <translation>Die Schrittweite „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The step must not be 0.</source>
        <translation>Die Schrittweite darf nicht 0 sein.</translation>
    </message>
    <message>
        <source>The step must lie within the range of 32-bit numbers.</source>
        <translation>Die Schrittweite muss im Bereich der 32-Bit-Zahlen liegen.</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>Tabelle speichern</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>The table could not be saved as %1: %2</source>
        <translation>Die Tabelle konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::ViewRangeDialog</name>
    <message>
        <source>View Range</source>
        <translation>Ausschnitt festlegen</translation>
    </message>
    <message>
        <source>x from</source>
        <translation>x von</translation>
    </message>
    <message>
        <source>x to</source>
        <translation>x bis</translation>
    </message>
    <message>
        <source>y from</source>
        <translation>y von</translation>
    </message>
    <message>
        <source>y to</source>
        <translation>y bis</translation>
    </message>
    <message>
        <source>x from:</source>
        <translation>x von:</translation>
    </message>
    <message>
        <source>x to:</source>
        <translation>x bis:</translation>
    </message>
    <message>
        <source>y from:</source>
        <translation>y von:</translation>
    </message>
    <message>
        <source>y to:</source>
        <translation>y bis:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>x from must be less than x to.</source>
        <translation>„x von“ muss kleiner sein als „x bis“.</translation>
    </message>
    <message>
        <source>y from must be less than y to.</source>
        <translation>„y von“ muss kleiner sein als „y bis“.</translation>
    </message>
</context>
</TS>
