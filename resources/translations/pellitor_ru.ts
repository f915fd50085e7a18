<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>pellitor::GraphLink</name>
    <message>
        <source>Graph</source>
        <translation>График</translation>
    </message>
</context>
<context>
    <name>pellitor::TextBoxBase</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>В&amp;ставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
</context>
<context>
    <name>pellitor::TranslatedMessageBox</name>
    <message>
        <source>Syntax Error</source>
        <translation>Синтаксическая ошибка</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Operator expected</source>
        <translation>Ожидается оператор</translation>
    </message>
    <message>
        <source>Operand expected</source>
        <translation>Ожидается операнд</translation>
    </message>
    <message>
        <source>Closing parenthesis without matching open parenthesis</source>
        <translation>Закрывающая скобка без парной открывающей</translation>
    </message>
    <message>
        <source>Operand contains multiple decimal points</source>
        <translation>Операнд содержит несколько десятичных разделителей</translation>
    </message>
    <message>
        <source>Invalid operand</source>
        <translation>Недопустимый операнд</translation>
    </message>
    <message>
        <source>Open parenthesis expected</source>
        <translation>Ожидается открывающая скобка</translation>
    </message>
    <message>
        <source>Unexpected character encountered</source>
        <translation>Обнаружен непредвиденный символ</translation>
    </message>
    <message>
        <source>Closing parenthesis expected</source>
        <translation>Ожидается закрывающая скобка</translation>
    </message>
    <message>
        <source>The expression is illegal.</source>
        <translation>Недопустимое выражение.</translation>
    </message>
    <message>
        <source>Illegal data exist.</source>
        <translation>Обнаружены недопустимые данные.</translation>
    </message>
    <message>
        <source>The parameter is beyond the range of a 32-bit number.</source>
        <translation>Параметр выходит за пределы диапазона 32-битного числа.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Недостаточно памяти.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Недопустимый вызов процедуры или аргумент</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне диапазона</translation>
    </message>
    <message>
        <source>Pop method invoked on empty stack</source>
        <translation>Метод Pop вызван для пустого стека</translation>
    </message>
    <message>
        <source>GetPopValue method invoked on empty stack</source>
        <translation>Метод GetPopValue вызван для пустого стека</translation>
    </message>
    <message>
        <source>Undefined symbol : &apos;%1&apos;</source>
        <translation>Неизвестный символ: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Bad token in Evaluate: %1</source>
        <translation>Недопустимая лексема в Evaluate: %1</translation>
    </message>
    <message>
        <source>No program could open the help page. It is here:
%1</source>
        <translation>Ни одна программа не смогла открыть страницу справки. Она находится здесь:
%1</translation>
    </message>
    <message>
        <source>Character %1:  %2</source>
        <translation>Символ %1:  %2</translation>
    </message>
</context>
<context>
    <name>pellitor::WidgetCalculateView</name>
    <message>
        <source>Function y=%1</source>
        <translation>Функция y=%1</translation>
    </message>
    <message>
        <source>Can not calculate the expression at x=%1</source>
        <translation>Невозможно вычислить выражение при x=%1</translation>
    </message>
</context>
<context>
    <name>pellitor::frmF2</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>About Pellitor</source>
        <translation>О программе Pellitor</translation>
    </message>
    <message>
        <source>© 2026 Pellitor team</source>
        <translation>© 2026 авторы Pellitor</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>pellitor::frmMain</name>
    <message>
        <source>Expression  e.g. 2cos(x^2)/x</source>
        <translation>Выражение  напр. 2cos(x^2)/x</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>Рад</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Град</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Функция</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Decimal Point</source>
        <translation>Десятичная точка</translation>
    </message>
    <message>
        <source>Variable x</source>
        <translation>Переменная x</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Удалить предыдущий символ</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Select And Insert A Function</source>
        <translation>Выбрать и вставить функцию</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Сведения</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Выражение</translation>
    </message>
    <message>
        <source>e.g. 2cos(x^2)/x</source>
        <translation>напр. 2cos(x^2)/x</translation>
    </message>
    <message>
        <source>Parameter x</source>
        <translation>Параметр x</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::CurveCalculations</name>
    <message>
        <source>No other curve shows: pin one with Ctrl+D.</source>
        <translation>Других кривых нет: закрепите одну клавишами Ctrl+D.</translation>
    </message>
    <message>
        <source>y does not reach %1 to the right within 100 view widths</source>
        <translation>y не достигает %1 справа в пределах 100 ширин области</translation>
    </message>
    <message>
        <source>y does not reach %1 to the left within 100 view widths</source>
        <translation>y не достигает %1 слева в пределах 100 ширин области</translation>
    </message>
    <message>
        <source>No intersection within 100 view widths to the right</source>
        <translation>Нет пересечения справа в пределах 100 ширин области</translation>
    </message>
    <message>
        <source>No intersection within 100 view widths to the left</source>
        <translation>Нет пересечения слева в пределах 100 ширин области</translation>
    </message>
    <message>
        <source>y = %1 at x = %2</source>
        <translation>y = %1 при x = %2</translation>
    </message>
    <message>
        <source>intersection with %1 at x = %2; y = %3 and %4</source>
        <translation>пересечение с %1 при x = %2; y = %3 и %4</translation>
    </message>
    <message>
        <source>dy/dx = %1 (± %2)</source>
        <translation>dy/dx = %1 (± %2)</translation>
    </message>
    <message>
        <source>no slope: a corner, %1 from the left, %2 from the right</source>
        <translation>наклона нет: излом, слева %1, справа %2</translation>
    </message>
    <message>
        <source>no slope: a gap, a pole or a jump at or near x</source>
        <translation>наклона нет: разрыв, полюс или скачок при x или рядом</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 = %3 (± %4)</source>
        <translation>∫ от %1 до %2 = %3 (± %4)</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 diverges at x = %3</source>
        <translation>∫ от %1 до %2 расходится при x = %3</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 is undefined: no value from x = %3 to x = %4</source>
        <translation>∫ от %1 до %2 не определён: нет значений от x = %3 до x = %4</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphActions</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Со&amp;хранить как...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Вперёд</translation>
    </message>
    <message>
        <source>&amp;Reset View</source>
        <translation>&amp;Исходная область</translation>
    </message>
    <message>
        <source>Fit &amp;y</source>
        <translation>Подогнать &amp;y</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>&amp;View Range...</source>
        <translation>Задать о&amp;бласть...</translation>
    </message>
    <message>
        <source>&amp;Equal Scales</source>
        <translation>&amp;Равные масштабы</translation>
    </message>
    <message>
        <source>P&amp;in Curve</source>
        <translation>&amp;Закрепить кривую</translation>
    </message>
    <message>
        <source>&amp;Table of Values</source>
        <translation>&amp;Таблица значений</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Pinned &amp;Curves</source>
        <translation>Закреп&amp;лённые кривые</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphCanvas</name>
    <message>
        <source>Finest view: neighbouring pixels would show the same 32-bit x.</source>
        <translation>Максимальное приближение: соседние пиксели показали бы одно и то же 32-битное x.</translation>
    </message>
    <message>
        <source>Widest view: the 32-bit numbers end here.</source>
        <translation>Максимальное отдаление: здесь кончаются 32-битные числа.</translation>
    </message>
    <message>
        <source>Graph of y=%1</source>
        <translation>График y=%1</translation>
    </message>
    <message>
        <source>x from %1 to %2; y from %3 to %4</source>
        <translation>x от %1 до %2; y от %3 до %4</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
    <message>
        <source>Zeros at x = %1</source>
        <translation>Нули при x = %1</translation>
    </message>
    <message>
        <source>Minima at x = %1</source>
        <translation>Минимумы при x = %1</translation>
    </message>
    <message>
        <source>Maxima at x = %1</source>
        <translation>Максимумы при x = %1</translation>
    </message>
    <message>
        <source>Poles, gaps and jumps near x = %1</source>
        <translation>Полюсы, разрывы и скачки около x = %1</translation>
    </message>
    <message>
        <source>Point at the curve, or press Left or Right, to read it; Z, E and P jump to zeros, extrema and poles.</source>
        <translation>Наведите указатель на кривую или нажмите стрелку влево или вправо, чтобы прочитать её; Z, E и P переходят к нулям, экстремумам и полюсам.</translation>
    </message>
    <message>
        <source>Only a curve that is drawn can be pinned.</source>
        <translation>Закрепить можно только нарисованную кривую.</translation>
    </message>
    <message>
        <source>The graph shows %1 curves at most.</source>
        <translation>График показывает не более %1 кривых.</translation>
    </message>
    <message>
        <source>Curves: %1; the trace reads %2</source>
        <translation>Кривые: %1; курсор на %2</translation>
    </message>
    <message>
        <source>From x = %1: move the trace to the other end and press B.</source>
        <translation>От x = %1: переместите курсор к другому концу и нажмите B.</translation>
    </message>
    <message>
        <source>Press A at one end of the area first.</source>
        <translation>Сначала нажмите A на одной границе площади.</translation>
    </message>
    <message>
        <source>The parameter&apos;s x, with the y of the report: x = %1; y = %2</source>
        <translation>x параметра и y из результата: x = %1; y = %2</translation>
    </message>
    <message>
        <source>The traced point: %1</source>
        <translation>Точка курсора: %1</translation>
    </message>
    <message>
        <source>The traced x, where the curve has no point in view: a pole, a gap, or y beyond the view</source>
        <translation>x курсора, где у кривой нет точки в области просмотра: полюс, разрыв или y за пределами области</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphPrint</name>
    <message>
        <source>Print Graph</source>
        <translation>Печать графика</translation>
    </message>
    <message>
        <source>The graph could not be printed.</source>
        <translation>Не удалось напечатать график.</translation>
    </message>
    <message>
        <source>The graph could not be printed to %1.</source>
        <translation>Не удалось напечатать график в %1.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphSound</name>
    <message>
        <source>No sound device.</source>
        <translation>Нет звукового устройства.</translation>
    </message>
    <message>
        <source>The sound device could not play the sound.</source>
        <translation>Звуковое устройство не смогло воспроизвести звук.</translation>
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
        <translation>Невозможно вычислить</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>нет значения</translation>
    </message>
    <message>
        <source>zero at x = %1</source>
        <translation>ноль при x = %1</translation>
    </message>
    <message>
        <source>minimum at x = %1; y = %2</source>
        <translation>минимум при x = %1; y = %2</translation>
    </message>
    <message>
        <source>maximum at x = %1; y = %2</source>
        <translation>максимум при x = %1; y = %2</translation>
    </message>
    <message>
        <source>pole near x = %1</source>
        <translation>полюс около x = %1</translation>
    </message>
    <message>
        <source>gap at x = %1</source>
        <translation>разрыв при x = %1</translation>
    </message>
    <message>
        <source>jump at x = %1</source>
        <translation>скачок при x = %1</translation>
    </message>
    <message>
        <source>no zero to the right within 100 view widths</source>
        <translation>нет нуля справа в пределах 100 ширин области</translation>
    </message>
    <message>
        <source>no zero to the left within 100 view widths</source>
        <translation>нет нуля слева в пределах 100 ширин области</translation>
    </message>
    <message>
        <source>no minimum or maximum to the right within 100 view widths</source>
        <translation>нет минимума или максимума справа в пределах 100 ширин области</translation>
    </message>
    <message>
        <source>no minimum or maximum to the left within 100 view widths</source>
        <translation>нет минимума или максимума слева в пределах 100 ширин области</translation>
    </message>
    <message>
        <source>no pole, gap or jump to the right within 100 view widths</source>
        <translation>нет полюса, разрыва или скачка справа в пределах 100 ширин области</translation>
    </message>
    <message>
        <source>no pole, gap or jump to the left within 100 view widths</source>
        <translation>нет полюса, разрыва или скачка слева в пределах 100 ширин области</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>График</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>No value at any x in view.</source>
        <translation>Нет значений ни для одного x в области просмотра.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Изображение SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Сохранить график</translation>
    </message>
    <message>
        <source>The graph could not be saved as %1: %2</source>
        <translation>Не удалось сохранить график как %1: %2</translation>
    </message>
    <message>
        <source>The graph could not be copied: %1</source>
        <translation>Не удалось скопировать график: %1</translation>
    </message>
    <message>
        <source>x =</source>
        <translation>x =</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 уже существует.
Заменить его?</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Показана</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>This range is too narrow: neighbouring pixels would show the same 32-bit x.</source>
        <translation>Этот диапазон слишком узок: соседние пиксели показали бы одно и то же 32-битное x.</translation>
    </message>
    <message>
        <source>This range reaches beyond the 32-bit numbers, about 3.4E+38 either way.</source>
        <translation>Этот диапазон выходит за пределы 32-битных чисел, около 3,4E+38 в каждую сторону.</translation>
    </message>
    <message>
        <source>The dashed line: the traced x, where the curve has no point in view: a pole, a gap, or y beyond the view.</source>
        <translation>Пунктирная линия: x курсора, где у кривой нет точки в области просмотра: полюс, разрыв или y за пределами области.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::PictureFile</name>
    <message>
        <source>The name leads around a loop of symbolic links.</source>
        <translation>Символические ссылки в этом имени образуют петлю.</translation>
    </message>
    <message>
        <source>There is no space left on the device.</source>
        <translation>На устройстве не осталось свободного места.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::TableWindow</name>
    <message>
        <source>Table of Values</source>
        <translation>Таблица значений</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Начало:</translation>
    </message>
    <message>
        <source>S&amp;tep:</source>
        <translation>&amp;Шаг:</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Сохранить как CSV...</translation>
    </message>
    <message>
        <source>Table of values</source>
        <translation>Таблица значений</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Save as &amp;CSV...</source>
        <translation>Сохранить как &amp;CSV...</translation>
    </message>
    <message>
        <source>A step of %1 cannot change a 32-bit x near %2: two rows would be the same.</source>
        <translation>Шаг %1 не меняет 32-битное x около %2: две строки совпали бы.</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a number.</source>
        <translation>Начальное значение «%1» — не число.</translation>
    </message>
    <message>
        <source>The start must lie within the range of 32-bit numbers.</source>
        <translation>Начальное значение должно лежать в диапазоне 32-битных чисел.</translation>
    </message>
    <message>
        <source>The step &quot;%1&quot; is not a number.</source>
        <translation>Шаг «%1» — не число.</translation>
    </message>
    <message>
        <source>The step must not be 0.</source>
        <translation>Шаг не может быть равен 0.</translation>
    </message>
    <message>
        <source>The step must lie within the range of 32-bit numbers.</source>
        <translation>Шаг должен лежать в диапазоне 32-битных чисел.</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>Сохранить таблицу</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 уже существует.
Заменить его?</translation>
    </message>
    <message>
        <source>The table could not be saved as %1: %2</source>
        <translation>Не удалось сохранить таблицу как %1: %2</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::ViewRangeDialog</name>
    <message>
        <source>View Range</source>
        <translation>Задать область</translation>
    </message>
    <message>
        <source>x from</source>
        <translation>x от</translation>
    </message>
    <message>
        <source>x to</source>
        <translation>x до</translation>
    </message>
    <message>
        <source>y from</source>
        <translation>y от</translation>
    </message>
    <message>
        <source>y to</source>
        <translation>y до</translation>
    </message>
    <message>
        <source>x from:</source>
        <translation>x от:</translation>
    </message>
    <message>
        <source>x to:</source>
        <translation>x до:</translation>
    </message>
    <message>
        <source>y from:</source>
        <translation>y от:</translation>
    </message>
    <message>
        <source>y to:</source>
        <translation>y до:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>«%1» — не число.</translation>
    </message>
    <message>
        <source>x from must be less than x to.</source>
        <translation>«x от» должно быть меньше, чем «x до».</translation>
    </message>
    <message>
        <source>y from must be less than y to.</source>
        <translation>«y от» должно быть меньше, чем «y до».</translation>
    </message>
</context>
</TS>
