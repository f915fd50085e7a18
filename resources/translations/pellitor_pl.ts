<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>pellitor::GraphLink</name>
    <message>
        <source>Graph</source>
        <translation>Wykres</translation>
    </message>
</context>
<context>
    <name>pellitor::TextBoxBase</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Wy&amp;tnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Wk&amp;lej</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
</context>
<context>
    <name>pellitor::TranslatedMessageBox</name>
    <message>
        <source>Syntax Error</source>
        <translation>Błąd składni</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Operator expected</source>
        <translation>Oczekiwano operatora</translation>
    </message>
    <message>
        <source>Operand expected</source>
        <translation>Oczekiwano operandu</translation>
    </message>
    <message>
        <source>Closing parenthesis without matching open parenthesis</source>
        <translation>Nawias zamykający bez pasującego nawiasu otwierającego</translation>
    </message>
    <message>
        <source>Operand contains multiple decimal points</source>
        <translation>Operand zawiera kilka separatorów dziesiętnych</translation>
    </message>
    <message>
        <source>Invalid operand</source>
        <translation>Nieprawidłowy operand</translation>
    </message>
    <message>
        <source>Open parenthesis expected</source>
        <translation>Oczekiwano nawiasu otwierającego</translation>
    </message>
    <message>
        <source>Unexpected character encountered</source>
        <translation>Napotkano nieoczekiwany znak</translation>
    </message>
    <message>
        <source>Closing parenthesis expected</source>
        <translation>Oczekiwano nawiasu zamykającego</translation>
    </message>
    <message>
        <source>The expression is illegal.</source>
        <translation>Wyrażenie jest nieprawidłowe.</translation>
    </message>
    <message>
        <source>Illegal data exist.</source>
        <translation>Występują nieprawidłowe dane.</translation>
    </message>
    <message>
        <source>The parameter is beyond the range of a 32-bit number.</source>
        <translation>Parametr wykracza poza zakres liczby 32-bitowej.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Brak pamięci.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dzielenie przez zero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>Pop method invoked on empty stack</source>
        <translation>Wywołano metodę Pop na pustym stosie</translation>
    </message>
    <message>
        <source>GetPopValue method invoked on empty stack</source>
        <translation>Wywołano metodę GetPopValue na pustym stosie</translation>
    </message>
    <message>
        <source>Undefined symbol : &apos;%1&apos;</source>
        <translation>Niezdefiniowany symbol: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Bad token in Evaluate: %1</source>
        <translation>Nieprawidłowy token w Evaluate: %1</translation>
    </message>
    <message>
        <source>No program could open the help page. It is here:
%1</source>
        <translation>Żaden program nie mógł otworzyć strony pomocy. Znajduje się tutaj:
%1</translation>
    </message>
    <message>
        <source>Character %1:  %2</source>
        <translation>Znak %1:  %2</translation>
    </message>
</context>
<context>
    <name>pellitor::WidgetCalculateView</name>
    <message>
        <source>Function y=%1</source>
        <translation>Funkcja y=%1</translation>
    </message>
    <message>
        <source>Can not calculate the expression at x=%1</source>
        <translation>Nie można obliczyć wyrażenia dla x=%1</translation>
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
        <translation>O programie Pellitor</translation>
    </message>
    <message>
        <source>© 2026 Pellitor team</source>
        <translation>© 2026 Zespół Pellitor</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
</context>
<context>
    <name>pellitor::frmMain</name>
    <message>
        <source>Expression  e.g. 2cos(x^2)/x</source>
        <translation>Wyrażenie  np. 2cos(x^2)/x</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Deg</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametr</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funkcja</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Decimal Point</source>
        <translation>Kropka dziesiętna</translation>
    </message>
    <message>
        <source>Variable x</source>
        <translation>Zmienna x</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Usuń poprzedni znak</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Select And Insert A Function</source>
        <translation>Wybierz i wstaw funkcję</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Wyrażenie</translation>
    </message>
    <message>
        <source>e.g. 2cos(x^2)/x</source>
        <translation>np. 2cos(x^2)/x</translation>
    </message>
    <message>
        <source>Parameter x</source>
        <translation>Parametr x</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::CurveCalculations</name>
    <message>
        <source>No other curve shows: pin one with Ctrl+D.</source>
        <translation>Brak innej krzywej: przypnij jakąś skrótem Ctrl+D.</translation>
    </message>
    <message>
        <source>y does not reach %1 to the right within 100 view widths</source>
        <translation>y nie osiąga %1 w prawo w obrębie 100 szerokości widoku</translation>
    </message>
    <message>
        <source>y does not reach %1 to the left within 100 view widths</source>
        <translation>y nie osiąga %1 w lewo w obrębie 100 szerokości widoku</translation>
    </message>
    <message>
        <source>No intersection within 100 view widths to the right</source>
        <translation>Brak punktu przecięcia w prawo w obrębie 100 szerokości widoku</translation>
    </message>
    <message>
        <source>No intersection within 100 view widths to the left</source>
        <translation>Brak punktu przecięcia w lewo w obrębie 100 szerokości widoku</translation>
    </message>
    <message>
        <source>y = %1 at x = %2</source>
        <translation>y = %1 w x = %2</translation>
    </message>
    <message>
        <source>intersection with %1 at x = %2; y = %3 and %4</source>
        <translation>przecięcie z %1 w x = %2; y = %3 i %4</translation>
    </message>
    <message>
        <source>dy/dx = %1 (± %2)</source>
        <translation>dy/dx = %1 (± %2)</translation>
    </message>
    <message>
        <source>no slope: a corner, %1 from the left, %2 from the right</source>
        <translation>brak nachylenia: załamanie, z lewej %1, z prawej %2</translation>
    </message>
    <message>
        <source>no slope: a gap, a pole or a jump at or near x</source>
        <translation>brak nachylenia: luka, biegun lub skok w x lub w pobliżu</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 = %3 (± %4)</source>
        <translation>∫ od %1 do %2 = %3 (± %4)</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 diverges at x = %3</source>
        <translation>∫ od %1 do %2 jest rozbieżna w x = %3</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 is undefined: no value from x = %3 to x = %4</source>
        <translation>∫ od %1 do %2 jest nieokreślona: brak wartości od x = %3 do x = %4</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphActions</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Zapisz jako...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>D&amp;alej</translation>
    </message>
    <message>
        <source>&amp;Reset View</source>
        <translation>&amp;Przywróć widok</translation>
    </message>
    <message>
        <source>Fit &amp;y</source>
        <translation>Dopasuj &amp;y</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>P&amp;owiększ</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <source>&amp;View Range...</source>
        <translation>&amp;Ustaw widok...</translation>
    </message>
    <message>
        <source>&amp;Equal Scales</source>
        <translation>Równe &amp;skale</translation>
    </message>
    <message>
        <source>P&amp;in Curve</source>
        <translation>Przyp&amp;nij krzywą</translation>
    </message>
    <message>
        <source>&amp;Table of Values</source>
        <translation>&amp;Tabela wartości</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Pinned &amp;Curves</source>
        <translation>P&amp;rzypięte krzywe</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphCanvas</name>
    <message>
        <source>Finest view: neighbouring pixels would show the same 32-bit x.</source>
        <translation>Największe przybliżenie: sąsiednie piksele miałyby to samo 32-bitowe x.</translation>
    </message>
    <message>
        <source>Widest view: the 32-bit numbers end here.</source>
        <translation>Największe oddalenie: tu kończą się liczby 32-bitowe.</translation>
    </message>
    <message>
        <source>Graph of y=%1</source>
        <translation>Wykres y=%1</translation>
    </message>
    <message>
        <source>x from %1 to %2; y from %3 to %4</source>
        <translation>x od %1 do %2; y od %3 do %4</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>i %1 więcej</translation>
    </message>
    <message>
        <source>Zeros at x = %1</source>
        <translation>Miejsca zerowe w x = %1</translation>
    </message>
    <message>
        <source>Minima at x = %1</source>
        <translation>Minima w x = %1</translation>
    </message>
    <message>
        <source>Maxima at x = %1</source>
        <translation>Maksima w x = %1</translation>
    </message>
    <message>
        <source>Poles, gaps and jumps near x = %1</source>
        <translation>Bieguny, luki i skoki w pobliżu x = %1</translation>
    </message>
    <message>
        <source>Point at the curve, or press Left or Right, to read it; Z, E and P jump to zeros, extrema and poles.</source>
        <translation>Wskaż krzywą lub naciśnij strzałkę w lewo albo w prawo, aby ją odczytać; Z, E i P przeskakują do miejsc zerowych, ekstremów i biegunów.</translation>
    </message>
    <message>
        <source>Only a curve that is drawn can be pinned.</source>
        <translation>Przypiąć można tylko narysowaną krzywą.</translation>
    </message>
    <message>
        <source>The graph shows %1 curves at most.</source>
        <translation>Wykres pokazuje najwyżej %1 krzywych.</translation>
    </message>
    <message>
        <source>Curves: %1; the trace reads %2</source>
        <translation>Krzywe: %1; kursor jest na %2</translation>
    </message>
    <message>
        <source>From x = %1: move the trace to the other end and press B.</source>
        <translation>Od x = %1: przesuń kursor na drugi koniec i naciśnij B.</translation>
    </message>
    <message>
        <source>Press A at one end of the area first.</source>
        <translation>Najpierw naciśnij A na jednym końcu obszaru.</translation>
    </message>
    <message>
        <source>The parameter&apos;s x, with the y of the report: x = %1; y = %2</source>
        <translation>x parametru z wartością y z wyniku: x = %1; y = %2</translation>
    </message>
    <message>
        <source>The traced point: %1</source>
        <translation>Punkt kursora: %1</translation>
    </message>
    <message>
        <source>The traced x, where the curve has no point in view: a pole, a gap, or y beyond the view</source>
        <translation>x kursora, w którym krzywa nie ma punktu w widoku: biegun, luka lub y poza widokiem</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphPrint</name>
    <message>
        <source>Print Graph</source>
        <translation>Drukuj wykres</translation>
    </message>
    <message>
        <source>The graph could not be printed.</source>
        <translation>Nie udało się wydrukować wykresu.</translation>
    </message>
    <message>
        <source>The graph could not be printed to %1.</source>
        <translation>Nie udało się wydrukować wykresu do %1.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphSound</name>
    <message>
        <source>No sound device.</source>
        <translation>Brak urządzenia dźwiękowego.</translation>
    </message>
    <message>
        <source>The sound device could not play the sound.</source>
        <translation>Urządzenie dźwiękowe nie mogło odtworzyć dźwięku.</translation>
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
        <translation>Nie można obliczyć</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>brak wartości</translation>
    </message>
    <message>
        <source>zero at x = %1</source>
        <translation>miejsce zerowe w x = %1</translation>
    </message>
    <message>
        <source>minimum at x = %1; y = %2</source>
        <translation>minimum w x = %1; y = %2</translation>
    </message>
    <message>
        <source>maximum at x = %1; y = %2</source>
        <translation>maksimum w x = %1; y = %2</translation>
    </message>
    <message>
        <source>pole near x = %1</source>
        <translation>biegun w pobliżu x = %1</translation>
    </message>
    <message>
        <source>gap at x = %1</source>
        <translation>luka w x = %1</translation>
    </message>
    <message>
        <source>jump at x = %1</source>
        <translation>skok w x = %1</translation>
    </message>
    <message>
        <source>no zero to the right within 100 view widths</source>
        <translation>brak miejsca zerowego w prawo w obrębie 100 szerokości widoku</translation>
    </message>
    <message>
        <source>no zero to the left within 100 view widths</source>
        <translation>brak miejsca zerowego w lewo w obrębie 100 szerokości widoku</translation>
    </message>
    <message>
        <source>no minimum or maximum to the right within 100 view widths</source>
        <translation>brak minimum ani maksimum w prawo w obrębie 100 szerokości widoku</translation>
    </message>
    <message>
        <source>no minimum or maximum to the left within 100 view widths</source>
        <translation>brak minimum ani maksimum w lewo w obrębie 100 szerokości widoku</translation>
    </message>
    <message>
        <source>no pole, gap or jump to the right within 100 view widths</source>
        <translation>brak bieguna, luki ani skoku w prawo w obrębie 100 szerokości widoku</translation>
    </message>
    <message>
        <source>no pole, gap or jump to the left within 100 view widths</source>
        <translation>brak bieguna, luki ani skoku w lewo w obrębie 100 szerokości widoku</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>No value at any x in view.</source>
        <translation>Brak wartości dla żadnego x w widoku.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Obraz PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Obraz SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Zapisz wykres</translation>
    </message>
    <message>
        <source>The graph could not be saved as %1: %2</source>
        <translation>Nie udało się zapisać wykresu jako %1: %2</translation>
    </message>
    <message>
        <source>The graph could not be copied: %1</source>
        <translation>Nie udało się skopiować wykresu: %1</translation>
    </message>
    <message>
        <source>x =</source>
        <translation>x =</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Czy zastąpić ten plik?</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Widoczna</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>This range is too narrow: neighbouring pixels would show the same 32-bit x.</source>
        <translation>Ten zakres jest zbyt wąski: sąsiednie piksele miałyby to samo 32-bitowe x.</translation>
    </message>
    <message>
        <source>This range reaches beyond the 32-bit numbers, about 3.4E+38 either way.</source>
        <translation>Ten zakres wykracza poza liczby 32-bitowe, około 3,4E+38 w każdą stronę.</translation>
    </message>
    <message>
        <source>The dashed line: the traced x, where the curve has no point in view: a pole, a gap, or y beyond the view.</source>
        <translation>Linia przerywana: x kursora, w którym krzywa nie ma punktu w widoku: biegun, luka lub y poza widokiem.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::PictureFile</name>
    <message>
        <source>The name leads around a loop of symbolic links.</source>
        <translation>Nazwa prowadzi do pętli dowiązań symbolicznych.</translation>
    </message>
    <message>
        <source>There is no space left on the device.</source>
        <translation>Na urządzeniu nie ma już wolnego miejsca.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::TableWindow</name>
    <message>
        <source>Table of Values</source>
        <translation>Tabela wartości</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Początek:</translation>
    </message>
    <message>
        <source>S&amp;tep:</source>
        <translation>&amp;Krok:</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Zapisz jako CSV...</translation>
    </message>
    <message>
        <source>Table of values</source>
        <translation>Tabela wartości</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Save as &amp;CSV...</source>
        <translation>Zapisz jako &amp;CSV...</translation>
    </message>
    <message>
        <source>A step of %1 cannot change a 32-bit x near %2: two rows would be the same.</source>
        <translation>Krok %1 nie zmienia 32-bitowego x w pobliżu %2: dwa wiersze byłyby takie same.</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a number.</source>
        <translation>Wartość początkowa „%1” nie jest liczbą.</translation>
    </message>
    <message>
        <source>The start must lie within the range of 32-bit numbers.</source>
        <translation>Wartość początkowa musi leżeć w zakresie liczb 32-bitowych.</translation>
    </message>
    <message>
        <source>The step &quot;%1&quot; is not a number.</source>
        <translation>Krok „%1” nie jest liczbą.</translation>
    </message>
    <message>
        <source>The step must not be 0.</source>
        <translation>Krok nie może wynosić 0.</translation>
    </message>
    <message>
        <source>The step must lie within the range of 32-bit numbers.</source>
        <translation>Krok musi leżeć w zakresie liczb 32-bitowych.</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>Zapisz tabelę</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Plik CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Czy zastąpić ten plik?</translation>
    </message>
    <message>
        <source>The table could not be saved as %1: %2</source>
        <translation>Nie udało się zapisać tabeli jako %1: %2</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::ViewRangeDialog</name>
    <message>
        <source>View Range</source>
        <translation>Ustaw widok</translation>
    </message>
    <message>
        <source>x from</source>
        <translation>x od</translation>
    </message>
    <message>
        <source>x to</source>
        <translation>x do</translation>
    </message>
    <message>
        <source>y from</source>
        <translation>y od</translation>
    </message>
    <message>
        <source>y to</source>
        <translation>y do</translation>
    </message>
    <message>
        <source>x from:</source>
        <translation>x od:</translation>
    </message>
    <message>
        <source>x to:</source>
        <translation>x do:</translation>
    </message>
    <message>
        <source>y from:</source>
        <translation>y od:</translation>
    </message>
    <message>
        <source>y to:</source>
        <translation>y do:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1” nie jest liczbą.</translation>
    </message>
    <message>
        <source>x from must be less than x to.</source>
        <translation>„x od” musi być mniejsze niż „x do”.</translation>
    </message>
    <message>
        <source>y from must be less than y to.</source>
        <translation>„y od” musi być mniejsze niż „y do”.</translation>
    </message>
</context>
</TS>
