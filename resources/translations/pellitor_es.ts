<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>pellitor::GraphLink</name>
    <message>
        <source>Graph</source>
        <translation>Gráfica</translation>
    </message>
</context>
<context>
    <name>pellitor::TextBoxBase</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>pellitor::TranslatedMessageBox</name>
    <message>
        <source>Syntax Error</source>
        <translation>Error de sintaxis</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Operator expected</source>
        <translation>Se esperaba un operador</translation>
    </message>
    <message>
        <source>Operand expected</source>
        <translation>Se esperaba un operando</translation>
    </message>
    <message>
        <source>Closing parenthesis without matching open parenthesis</source>
        <translation>Paréntesis de cierre sin paréntesis de apertura correspondiente</translation>
    </message>
    <message>
        <source>Operand contains multiple decimal points</source>
        <translation>El operando contiene varios separadores decimales</translation>
    </message>
    <message>
        <source>Invalid operand</source>
        <translation>Operando no válido</translation>
    </message>
    <message>
        <source>Open parenthesis expected</source>
        <translation>Se esperaba un paréntesis de apertura</translation>
    </message>
    <message>
        <source>Unexpected character encountered</source>
        <translation>Se encontró un carácter inesperado</translation>
    </message>
    <message>
        <source>Closing parenthesis expected</source>
        <translation>Se esperaba un paréntesis de cierre</translation>
    </message>
    <message>
        <source>The expression is illegal.</source>
        <translation>La expresión no es válida.</translation>
    </message>
    <message>
        <source>Illegal data exist.</source>
        <translation>Hay datos no válidos.</translation>
    </message>
    <message>
        <source>The parameter is beyond the range of a 32-bit number.</source>
        <translation>El parámetro está fuera del intervalo de un número de 32 bits.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válido</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Pop method invoked on empty stack</source>
        <translation>Método Pop invocado en una pila vacía</translation>
    </message>
    <message>
        <source>GetPopValue method invoked on empty stack</source>
        <translation>Método GetPopValue invocado en una pila vacía</translation>
    </message>
    <message>
        <source>Undefined symbol : &apos;%1&apos;</source>
        <translation>Símbolo no definido: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Bad token in Evaluate: %1</source>
        <translation>Token no válido en Evaluate: %1</translation>
    </message>
    <message>
        <source>No program could open the help page. It is here:
%1</source>
        <translation>Ningún programa pudo abrir la página de ayuda. Está aquí:
%1</translation>
    </message>
    <message>
        <source>Character %1:  %2</source>
        <translation>Carácter %1:  %2</translation>
    </message>
</context>
<context>
    <name>pellitor::WidgetCalculateView</name>
    <message>
        <source>Function y=%1</source>
        <translation>Función y=%1</translation>
    </message>
    <message>
        <source>Can not calculate the expression at x=%1</source>
        <translation>No se puede calcular la expresión en x=%1</translation>
    </message>
</context>
<context>
    <name>pellitor::frmF2</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Pellitor</source>
        <translation>Acerca de Pellitor</translation>
    </message>
    <message>
        <source>© 2026 Pellitor team</source>
        <translation>© 2026 Equipo Pellitor</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>pellitor::frmMain</name>
    <message>
        <source>Expression  e.g. 2cos(x^2)/x</source>
        <translation>Expresión  p. ej. 2cos(x^2)/x</translation>
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
        <translation>Parámetro</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Decimal Point</source>
        <translation>Punto decimal</translation>
    </message>
    <message>
        <source>Variable x</source>
        <translation>Variable x</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Select And Insert A Function</source>
        <translation>Seleccionar e insertar una función</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expresión</translation>
    </message>
    <message>
        <source>e.g. 2cos(x^2)/x</source>
        <translation>p. ej. 2cos(x^2)/x</translation>
    </message>
    <message>
        <source>Parameter x</source>
        <translation>Parámetro x</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::CurveCalculations</name>
    <message>
        <source>No other curve shows: pin one with Ctrl+D.</source>
        <translation>No se muestra ninguna otra curva: fije una con Ctrl+D.</translation>
    </message>
    <message>
        <source>y does not reach %1 to the right within 100 view widths</source>
        <translation>y no alcanza %1 a la derecha en 100 anchos de vista</translation>
    </message>
    <message>
        <source>y does not reach %1 to the left within 100 view widths</source>
        <translation>y no alcanza %1 a la izquierda en 100 anchos de vista</translation>
    </message>
    <message>
        <source>No intersection within 100 view widths to the right</source>
        <translation>Ninguna intersección a la derecha en 100 anchos de vista</translation>
    </message>
    <message>
        <source>No intersection within 100 view widths to the left</source>
        <translation>Ninguna intersección a la izquierda en 100 anchos de vista</translation>
    </message>
    <message>
        <source>y = %1 at x = %2</source>
        <translation>y = %1 en x = %2</translation>
    </message>
    <message>
        <source>intersection with %1 at x = %2; y = %3 and %4</source>
        <translation>intersección con %1 en x = %2; valores de y: %3 y %4</translation>
    </message>
    <message>
        <source>dy/dx = %1 (± %2)</source>
        <translation>dy/dx = %1 (± %2)</translation>
    </message>
    <message>
        <source>no slope: a corner, %1 from the left, %2 from the right</source>
        <translation>sin pendiente: un punto anguloso, %1 por la izquierda, %2 por la derecha</translation>
    </message>
    <message>
        <source>no slope: a gap, a pole or a jump at or near x</source>
        <translation>sin pendiente: un hueco, un polo o un salto en x o cerca de x</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 = %3 (± %4)</source>
        <translation>∫ de %1 a %2 = %3 (± %4)</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 diverges at x = %3</source>
        <translation>∫ de %1 a %2 diverge en x = %3</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 is undefined: no value from x = %3 to x = %4</source>
        <translation>∫ de %1 a %2 no está definida: sin valor de x = %3 a x = %4</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphActions</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Reset View</source>
        <translation>&amp;Restablecer vista</translation>
    </message>
    <message>
        <source>Fit &amp;y</source>
        <translation>Ajustar &amp;y</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ac&amp;ercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;View Range...</source>
        <translation>Definir &amp;vista...</translation>
    </message>
    <message>
        <source>&amp;Equal Scales</source>
        <translation>E&amp;scalas iguales</translation>
    </message>
    <message>
        <source>P&amp;in Curve</source>
        <translation>&amp;Fijar curva</translation>
    </message>
    <message>
        <source>&amp;Table of Values</source>
        <translation>&amp;Tabla de valores</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Pinned &amp;Curves</source>
        <translation>Curvas fi&amp;jadas</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphCanvas</name>
    <message>
        <source>Finest view: neighbouring pixels would show the same 32-bit x.</source>
        <translation>Máximo acercamiento: los píxeles contiguos mostrarían la misma x de 32 bits.</translation>
    </message>
    <message>
        <source>Widest view: the 32-bit numbers end here.</source>
        <translation>Máximo alejamiento: aquí terminan los números de 32 bits.</translation>
    </message>
    <message>
        <source>Graph of y=%1</source>
        <translation>Gráfica de y=%1</translation>
    </message>
    <message>
        <source>x from %1 to %2; y from %3 to %4</source>
        <translation>x: de %1 a %2; y: de %3 a %4</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>Zeros at x = %1</source>
        <translation>Ceros en x = %1</translation>
    </message>
    <message>
        <source>Minima at x = %1</source>
        <translation>Mínimos en x = %1</translation>
    </message>
    <message>
        <source>Maxima at x = %1</source>
        <translation>Máximos en x = %1</translation>
    </message>
    <message>
        <source>Poles, gaps and jumps near x = %1</source>
        <translation>Polos, huecos y saltos cerca de x = %1</translation>
    </message>
    <message>
        <source>Point at the curve, or press Left or Right, to read it; Z, E and P jump to zeros, extrema and poles.</source>
        <translation>Señale la curva o pulse la flecha izquierda o derecha para leerla; Z, E y P saltan a ceros, extremos y polos.</translation>
    </message>
    <message>
        <source>Only a curve that is drawn can be pinned.</source>
        <translation>Solo se puede fijar una curva dibujada.</translation>
    </message>
    <message>
        <source>The graph shows %1 curves at most.</source>
        <translation>La gráfica muestra como máximo %1 curvas.</translation>
    </message>
    <message>
        <source>Curves: %1; the trace reads %2</source>
        <translation>Curvas: %1; el cursor está en %2</translation>
    </message>
    <message>
        <source>From x = %1: move the trace to the other end and press B.</source>
        <translation>Desde x = %1: mueva el cursor al otro extremo y pulse B.</translation>
    </message>
    <message>
        <source>Press A at one end of the area first.</source>
        <translation>Pulse primero A en un extremo del área.</translation>
    </message>
    <message>
        <source>The parameter&apos;s x, with the y of the report: x = %1; y = %2</source>
        <translation>La x del parámetro, con la y del resultado: x = %1; y = %2</translation>
    </message>
    <message>
        <source>The traced point: %1</source>
        <translation>El punto del cursor: %1</translation>
    </message>
    <message>
        <source>The traced x, where the curve has no point in view: a pole, a gap, or y beyond the view</source>
        <translation>La x del cursor, donde la curva no tiene ningún punto en la vista: un polo, un hueco o una y fuera de la vista</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphPrint</name>
    <message>
        <source>Print Graph</source>
        <translation>Imprimir gráfica</translation>
    </message>
    <message>
        <source>The graph could not be printed.</source>
        <translation>No se pudo imprimir la gráfica.</translation>
    </message>
    <message>
        <source>The graph could not be printed to %1.</source>
        <translation>No se pudo imprimir la gráfica en %1.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphSound</name>
    <message>
        <source>No sound device.</source>
        <translation>No hay dispositivo de sonido.</translation>
    </message>
    <message>
        <source>The sound device could not play the sound.</source>
        <translation>El dispositivo de sonido no pudo reproducir el sonido.</translation>
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
        <translation>No se puede calcular</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>sin valor</translation>
    </message>
    <message>
        <source>zero at x = %1</source>
        <translation>cero en x = %1</translation>
    </message>
    <message>
        <source>minimum at x = %1; y = %2</source>
        <translation>mínimo en x = %1; y = %2</translation>
    </message>
    <message>
        <source>maximum at x = %1; y = %2</source>
        <translation>máximo en x = %1; y = %2</translation>
    </message>
    <message>
        <source>pole near x = %1</source>
        <translation>polo cerca de x = %1</translation>
    </message>
    <message>
        <source>gap at x = %1</source>
        <translation>hueco en x = %1</translation>
    </message>
    <message>
        <source>jump at x = %1</source>
        <translation>salto en x = %1</translation>
    </message>
    <message>
        <source>no zero to the right within 100 view widths</source>
        <translation>ningún cero a la derecha en 100 anchos de vista</translation>
    </message>
    <message>
        <source>no zero to the left within 100 view widths</source>
        <translation>ningún cero a la izquierda en 100 anchos de vista</translation>
    </message>
    <message>
        <source>no minimum or maximum to the right within 100 view widths</source>
        <translation>ningún mínimo ni máximo a la derecha en 100 anchos de vista</translation>
    </message>
    <message>
        <source>no minimum or maximum to the left within 100 view widths</source>
        <translation>ningún mínimo ni máximo a la izquierda en 100 anchos de vista</translation>
    </message>
    <message>
        <source>no pole, gap or jump to the right within 100 view widths</source>
        <translation>ningún polo, hueco ni salto a la derecha en 100 anchos de vista</translation>
    </message>
    <message>
        <source>no pole, gap or jump to the left within 100 view widths</source>
        <translation>ningún polo, hueco ni salto a la izquierda en 100 anchos de vista</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>No value at any x in view.</source>
        <translation>Ninguna x de la vista tiene valor.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Guardar gráfica</translation>
    </message>
    <message>
        <source>The graph could not be saved as %1: %2</source>
        <translation>No se pudo guardar la gráfica como %1: %2</translation>
    </message>
    <message>
        <source>The graph could not be copied: %1</source>
        <translation>No se pudo copiar la gráfica: %1</translation>
    </message>
    <message>
        <source>x =</source>
        <translation>x =</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>This range is too narrow: neighbouring pixels would show the same 32-bit x.</source>
        <translation>Este intervalo es demasiado estrecho: los píxeles contiguos mostrarían la misma x de 32 bits.</translation>
    </message>
    <message>
        <source>This range reaches beyond the 32-bit numbers, about 3.4E+38 either way.</source>
        <translation>Este intervalo va más allá de los números de 32 bits, unos 3,4E+38 en cada sentido.</translation>
    </message>
    <message>
        <source>The dashed line: the traced x, where the curve has no point in view: a pole, a gap, or y beyond the view.</source>
        <translation>La línea discontinua: la x del cursor, donde la curva no tiene ningún punto en la vista: un polo, un hueco o una y fuera de la vista.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::PictureFile</name>
    <message>
        <source>The name leads around a loop of symbolic links.</source>
        <translation>El nombre lleva a un bucle de enlaces simbólicos.</translation>
    </message>
    <message>
        <source>There is no space left on the device.</source>
        <translation>No queda espacio libre en el dispositivo.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::TableWindow</name>
    <message>
        <source>Table of Values</source>
        <translation>Tabla de valores</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Inicio:</translation>
    </message>
    <message>
        <source>S&amp;tep:</source>
        <translation>&amp;Paso:</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Guardar como CSV...</translation>
    </message>
    <message>
        <source>Table of values</source>
        <translation>Tabla de valores</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save as &amp;CSV...</source>
        <translation>Guardar como &amp;CSV...</translation>
    </message>
    <message>
        <source>A step of %1 cannot change a 32-bit x near %2: two rows would be the same.</source>
        <translation>Un paso de %1 no puede cambiar una x de 32 bits cerca de %2: dos filas serían iguales.</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a number.</source>
        <translation>El valor inicial «%1» no es un número.</translation>
    </message>
    <message>
        <source>The start must lie within the range of 32-bit numbers.</source>
        <translation>El valor inicial debe estar dentro del intervalo de los números de 32 bits.</translation>
    </message>
    <message>
        <source>The step &quot;%1&quot; is not a number.</source>
        <translation>El paso «%1» no es un número.</translation>
    </message>
    <message>
        <source>The step must not be 0.</source>
        <translation>El paso no puede ser 0.</translation>
    </message>
    <message>
        <source>The step must lie within the range of 32-bit numbers.</source>
        <translation>El paso debe estar dentro del intervalo de los números de 32 bits.</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>Guardar tabla</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The table could not be saved as %1: %2</source>
        <translation>No se pudo guardar la tabla como %1: %2</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::ViewRangeDialog</name>
    <message>
        <source>View Range</source>
        <translation>Definir vista</translation>
    </message>
    <message>
        <source>x from</source>
        <translation>x desde</translation>
    </message>
    <message>
        <source>x to</source>
        <translation>x hasta</translation>
    </message>
    <message>
        <source>y from</source>
        <translation>y desde</translation>
    </message>
    <message>
        <source>y to</source>
        <translation>y hasta</translation>
    </message>
    <message>
        <source>x from:</source>
        <translation>x desde:</translation>
    </message>
    <message>
        <source>x to:</source>
        <translation>x hasta:</translation>
    </message>
    <message>
        <source>y from:</source>
        <translation>y desde:</translation>
    </message>
    <message>
        <source>y to:</source>
        <translation>y hasta:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>«%1» no es un número.</translation>
    </message>
    <message>
        <source>x from must be less than x to.</source>
        <translation>«x desde» debe ser menor que «x hasta».</translation>
    </message>
    <message>
        <source>y from must be less than y to.</source>
        <translation>«y desde» debe ser menor que «y hasta».</translation>
    </message>
</context>
</TS>
