<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>pellitor::GraphLink</name>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
</context>
<context>
    <name>pellitor::TextBoxBase</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
</context>
<context>
    <name>pellitor::TranslatedMessageBox</name>
    <message>
        <source>Syntax Error</source>
        <translation>Errore di sintassi</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Operator expected</source>
        <translation>Operatore atteso</translation>
    </message>
    <message>
        <source>Operand expected</source>
        <translation>Operando atteso</translation>
    </message>
    <message>
        <source>Closing parenthesis without matching open parenthesis</source>
        <translation>Parentesi chiusa senza parentesi aperta corrispondente</translation>
    </message>
    <message>
        <source>Operand contains multiple decimal points</source>
        <translation>L&apos;operando contiene più separatori decimali</translation>
    </message>
    <message>
        <source>Invalid operand</source>
        <translation>Operando non valido</translation>
    </message>
    <message>
        <source>Open parenthesis expected</source>
        <translation>Parentesi aperta attesa</translation>
    </message>
    <message>
        <source>Unexpected character encountered</source>
        <translation>Trovato un carattere imprevisto</translation>
    </message>
    <message>
        <source>Closing parenthesis expected</source>
        <translation>Parentesi chiusa attesa</translation>
    </message>
    <message>
        <source>The expression is illegal.</source>
        <translation>L&apos;espressione non è valida.</translation>
    </message>
    <message>
        <source>Illegal data exist.</source>
        <translation>Sono presenti dati non validi.</translation>
    </message>
    <message>
        <source>The parameter is beyond the range of a 32-bit number.</source>
        <translation>Il parametro è fuori dall&apos;intervallo di un numero a 32 bit.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insufficiente.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisione per zero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chiamata di routine o argomento non valido</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non compreso nell&apos;intervallo</translation>
    </message>
    <message>
        <source>Pop method invoked on empty stack</source>
        <translation>Metodo Pop richiamato su uno stack vuoto</translation>
    </message>
    <message>
        <source>GetPopValue method invoked on empty stack</source>
        <translation>Metodo GetPopValue richiamato su uno stack vuoto</translation>
    </message>
    <message>
        <source>Undefined symbol : &apos;%1&apos;</source>
        <translation>Simbolo non definito: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Bad token in Evaluate: %1</source>
        <translation>Token non valido in Evaluate: %1</translation>
    </message>
    <message>
        <source>No program could open the help page. It is here:
%1</source>
        <translation>Nessun programma è riuscito ad aprire la pagina di aiuto. Si trova qui:
%1</translation>
    </message>
    <message>
        <source>Character %1:  %2</source>
        <translation>Carattere %1:  %2</translation>
    </message>
</context>
<context>
    <name>pellitor::WidgetCalculateView</name>
    <message>
        <source>Function y=%1</source>
        <translation>Funzione y=%1</translation>
    </message>
    <message>
        <source>Can not calculate the expression at x=%1</source>
        <translation>Impossibile calcolare l&apos;espressione per x=%1</translation>
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
        <translation>Informazioni su Pellitor</translation>
    </message>
    <message>
        <source>© 2026 Pellitor team</source>
        <translation>© 2026 Team Pellitor</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Vers. %1</translation>
    </message>
</context>
<context>
    <name>pellitor::frmMain</name>
    <message>
        <source>Expression  e.g. 2cos(x^2)/x</source>
        <translation>Espressione  es. 2cos(x^2)/x</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Gradi</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametro</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funzione</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Decimal Point</source>
        <translation>Punto decimale</translation>
    </message>
    <message>
        <source>Variable x</source>
        <translation>Variabile x</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Cancella il carattere precedente</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Select And Insert A Function</source>
        <translation>Seleziona e inserisci una funzione</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Espressione</translation>
    </message>
    <message>
        <source>e.g. 2cos(x^2)/x</source>
        <translation>es. 2cos(x^2)/x</translation>
    </message>
    <message>
        <source>Parameter x</source>
        <translation>Parametro x</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::CurveCalculations</name>
    <message>
        <source>No other curve shows: pin one with Ctrl+D.</source>
        <translation>Nessun&apos;altra curva visibile: fissane una con Ctrl+D.</translation>
    </message>
    <message>
        <source>y does not reach %1 to the right within 100 view widths</source>
        <translation>y non raggiunge %1 a destra entro 100 larghezze di vista</translation>
    </message>
    <message>
        <source>y does not reach %1 to the left within 100 view widths</source>
        <translation>y non raggiunge %1 a sinistra entro 100 larghezze di vista</translation>
    </message>
    <message>
        <source>No intersection within 100 view widths to the right</source>
        <translation>Nessuna intersezione a destra entro 100 larghezze di vista</translation>
    </message>
    <message>
        <source>No intersection within 100 view widths to the left</source>
        <translation>Nessuna intersezione a sinistra entro 100 larghezze di vista</translation>
    </message>
    <message>
        <source>y = %1 at x = %2</source>
        <translation>y = %1 in x = %2</translation>
    </message>
    <message>
        <source>intersection with %1 at x = %2; y = %3 and %4</source>
        <translation>intersezione con %1 in x = %2; y = %3 e %4</translation>
    </message>
    <message>
        <source>dy/dx = %1 (± %2)</source>
        <translation>dy/dx = %1 (± %2)</translation>
    </message>
    <message>
        <source>no slope: a corner, %1 from the left, %2 from the right</source>
        <translation>nessuna pendenza: un punto angoloso, %1 da sinistra, %2 da destra</translation>
    </message>
    <message>
        <source>no slope: a gap, a pole or a jump at or near x</source>
        <translation>nessuna pendenza: una lacuna, un polo o un salto in x o vicino a x</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 = %3 (± %4)</source>
        <translation>∫ da %1 a %2 = %3 (± %4)</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 diverges at x = %3</source>
        <translation>∫ da %1 a %2 diverge in x = %3</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 is undefined: no value from x = %3 to x = %4</source>
        <translation>∫ da %1 a %2 non è definito: nessun valore da x = %3 a x = %4</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphActions</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Salva con nome...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>&amp;Reset View</source>
        <translation>&amp;Ripristina vista</translation>
    </message>
    <message>
        <source>Fit &amp;y</source>
        <translation>Adatta &amp;y</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ingra&amp;ndisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ri&amp;duci</translation>
    </message>
    <message>
        <source>&amp;View Range...</source>
        <translation>Imposta &amp;vista...</translation>
    </message>
    <message>
        <source>&amp;Equal Scales</source>
        <translation>Scale &amp;uguali</translation>
    </message>
    <message>
        <source>P&amp;in Curve</source>
        <translation>&amp;Fissa curva</translation>
    </message>
    <message>
        <source>&amp;Table of Values</source>
        <translation>&amp;Tabella dei valori</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Pinned &amp;Curves</source>
        <translation>Curv&amp;e fissate</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphCanvas</name>
    <message>
        <source>Finest view: neighbouring pixels would show the same 32-bit x.</source>
        <translation>Ingrandimento massimo: pixel vicini mostrerebbero la stessa x a 32 bit.</translation>
    </message>
    <message>
        <source>Widest view: the 32-bit numbers end here.</source>
        <translation>Ingrandimento minimo: qui finiscono i numeri a 32 bit.</translation>
    </message>
    <message>
        <source>Graph of y=%1</source>
        <translation>Grafico di y=%1</translation>
    </message>
    <message>
        <source>x from %1 to %2; y from %3 to %4</source>
        <translation>x da %1 a %2; y da %3 a %4</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>Zeros at x = %1</source>
        <translation>Zeri in x = %1</translation>
    </message>
    <message>
        <source>Minima at x = %1</source>
        <translation>Minimi in x = %1</translation>
    </message>
    <message>
        <source>Maxima at x = %1</source>
        <translation>Massimi in x = %1</translation>
    </message>
    <message>
        <source>Poles, gaps and jumps near x = %1</source>
        <translation>Poli, lacune e salti vicino a x = %1</translation>
    </message>
    <message>
        <source>Point at the curve, or press Left or Right, to read it; Z, E and P jump to zeros, extrema and poles.</source>
        <translation>Punta la curva o premi freccia sinistra o destra per leggerla; Z, E e P saltano a zeri, estremi e poli.</translation>
    </message>
    <message>
        <source>Only a curve that is drawn can be pinned.</source>
        <translation>Si può fissare solo una curva disegnata.</translation>
    </message>
    <message>
        <source>The graph shows %1 curves at most.</source>
        <translation>Il grafico mostra al massimo %1 curve.</translation>
    </message>
    <message>
        <source>Curves: %1; the trace reads %2</source>
        <translation>Curve: %1; il cursore è su %2</translation>
    </message>
    <message>
        <source>From x = %1: move the trace to the other end and press B.</source>
        <translation>Da x = %1: sposta il cursore all&apos;altro estremo e premi B.</translation>
    </message>
    <message>
        <source>Press A at one end of the area first.</source>
        <translation>Premi prima A a un estremo dell&apos;area.</translation>
    </message>
    <message>
        <source>The parameter&apos;s x, with the y of the report: x = %1; y = %2</source>
        <translation>La x del parametro, con la y del risultato: x = %1; y = %2</translation>
    </message>
    <message>
        <source>The traced point: %1</source>
        <translation>Il punto del cursore: %1</translation>
    </message>
    <message>
        <source>The traced x, where the curve has no point in view: a pole, a gap, or y beyond the view</source>
        <translation>La x del cursore, dove la curva non ha punti visibili: un polo, una lacuna o una y fuori dalla vista</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphPrint</name>
    <message>
        <source>Print Graph</source>
        <translation>Stampa grafico</translation>
    </message>
    <message>
        <source>The graph could not be printed.</source>
        <translation>Impossibile stampare il grafico.</translation>
    </message>
    <message>
        <source>The graph could not be printed to %1.</source>
        <translation>Impossibile stampare il grafico in %1.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphSound</name>
    <message>
        <source>No sound device.</source>
        <translation>Nessun dispositivo audio.</translation>
    </message>
    <message>
        <source>The sound device could not play the sound.</source>
        <translation>Il dispositivo audio non ha potuto riprodurre il suono.</translation>
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
        <translation>Impossibile calcolare</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>nessun valore</translation>
    </message>
    <message>
        <source>zero at x = %1</source>
        <translation>zero in x = %1</translation>
    </message>
    <message>
        <source>minimum at x = %1; y = %2</source>
        <translation>minimo in x = %1; y = %2</translation>
    </message>
    <message>
        <source>maximum at x = %1; y = %2</source>
        <translation>massimo in x = %1; y = %2</translation>
    </message>
    <message>
        <source>pole near x = %1</source>
        <translation>polo vicino a x = %1</translation>
    </message>
    <message>
        <source>gap at x = %1</source>
        <translation>lacuna in x = %1</translation>
    </message>
    <message>
        <source>jump at x = %1</source>
        <translation>salto in x = %1</translation>
    </message>
    <message>
        <source>no zero to the right within 100 view widths</source>
        <translation>nessuno zero a destra entro 100 larghezze di vista</translation>
    </message>
    <message>
        <source>no zero to the left within 100 view widths</source>
        <translation>nessuno zero a sinistra entro 100 larghezze di vista</translation>
    </message>
    <message>
        <source>no minimum or maximum to the right within 100 view widths</source>
        <translation>nessun minimo o massimo a destra entro 100 larghezze di vista</translation>
    </message>
    <message>
        <source>no minimum or maximum to the left within 100 view widths</source>
        <translation>nessun minimo o massimo a sinistra entro 100 larghezze di vista</translation>
    </message>
    <message>
        <source>no pole, gap or jump to the right within 100 view widths</source>
        <translation>nessun polo, lacuna o salto a destra entro 100 larghezze di vista</translation>
    </message>
    <message>
        <source>no pole, gap or jump to the left within 100 view widths</source>
        <translation>nessun polo, lacuna o salto a sinistra entro 100 larghezze di vista</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>No value at any x in view.</source>
        <translation>Nessuna x visibile ha un valore.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Immagine SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Salva grafico</translation>
    </message>
    <message>
        <source>The graph could not be saved as %1: %2</source>
        <translation>Impossibile salvare il grafico come %1: %2</translation>
    </message>
    <message>
        <source>The graph could not be copied: %1</source>
        <translation>Impossibile copiare il grafico: %1</translation>
    </message>
    <message>
        <source>x =</source>
        <translation>x =</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Visibile</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>This range is too narrow: neighbouring pixels would show the same 32-bit x.</source>
        <translation>Questo intervallo è troppo stretto: pixel vicini mostrerebbero la stessa x a 32 bit.</translation>
    </message>
    <message>
        <source>This range reaches beyond the 32-bit numbers, about 3.4E+38 either way.</source>
        <translation>Questo intervallo va oltre i numeri a 32 bit, circa 3,4E+38 in ogni direzione.</translation>
    </message>
    <message>
        <source>The dashed line: the traced x, where the curve has no point in view: a pole, a gap, or y beyond the view.</source>
        <translation>La linea tratteggiata: la x del cursore, dove la curva non ha punti visibili: un polo, una lacuna o una y fuori dalla vista.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::PictureFile</name>
    <message>
        <source>The name leads around a loop of symbolic links.</source>
        <translation>Il nome porta a un ciclo di collegamenti simbolici.</translation>
    </message>
    <message>
        <source>There is no space left on the device.</source>
        <translation>Non c&apos;è più spazio libero sul dispositivo.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::TableWindow</name>
    <message>
        <source>Table of Values</source>
        <translation>Tabella dei valori</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Inizio:</translation>
    </message>
    <message>
        <source>S&amp;tep:</source>
        <translation>&amp;Passo:</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Salva come CSV...</translation>
    </message>
    <message>
        <source>Table of values</source>
        <translation>Tabella dei valori</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Save as &amp;CSV...</source>
        <translation>Salva come &amp;CSV...</translation>
    </message>
    <message>
        <source>A step of %1 cannot change a 32-bit x near %2: two rows would be the same.</source>
        <translation>Un passo di %1 non può cambiare una x a 32 bit vicino a %2: due righe sarebbero uguali.</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a number.</source>
        <translation>Il valore iniziale «%1» non è un numero.</translation>
    </message>
    <message>
        <source>The start must lie within the range of 32-bit numbers.</source>
        <translation>Il valore iniziale deve rientrare nell&apos;intervallo dei numeri a 32 bit.</translation>
    </message>
    <message>
        <source>The step &quot;%1&quot; is not a number.</source>
        <translation>Il passo «%1» non è un numero.</translation>
    </message>
    <message>
        <source>The step must not be 0.</source>
        <translation>Il passo non deve essere 0.</translation>
    </message>
    <message>
        <source>The step must lie within the range of 32-bit numbers.</source>
        <translation>Il passo deve rientrare nell&apos;intervallo dei numeri a 32 bit.</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>Salva tabella</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>The table could not be saved as %1: %2</source>
        <translation>Impossibile salvare la tabella come %1: %2</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::ViewRangeDialog</name>
    <message>
        <source>View Range</source>
        <translation>Imposta vista</translation>
    </message>
    <message>
        <source>x from</source>
        <translation>x da</translation>
    </message>
    <message>
        <source>x to</source>
        <translation>x a</translation>
    </message>
    <message>
        <source>y from</source>
        <translation>y da</translation>
    </message>
    <message>
        <source>y to</source>
        <translation>y a</translation>
    </message>
    <message>
        <source>x from:</source>
        <translation>x da:</translation>
    </message>
    <message>
        <source>x to:</source>
        <translation>x a:</translation>
    </message>
    <message>
        <source>y from:</source>
        <translation>y da:</translation>
    </message>
    <message>
        <source>y to:</source>
        <translation>y a:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>«%1» non è un numero.</translation>
    </message>
    <message>
        <source>x from must be less than x to.</source>
        <translation>«x da» deve essere minore di «x a».</translation>
    </message>
    <message>
        <source>y from must be less than y to.</source>
        <translation>«y da» deve essere minore di «y a».</translation>
    </message>
</context>
</TS>
