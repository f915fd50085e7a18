<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>pellitor::GraphLink</name>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
</context>
<context>
    <name>pellitor::TextBoxBase</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
</context>
<context>
    <name>pellitor::TranslatedMessageBox</name>
    <message>
        <source>Syntax Error</source>
        <translation>Erro de sintaxe</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Operator expected</source>
        <translation>Operador esperado</translation>
    </message>
    <message>
        <source>Operand expected</source>
        <translation>Operando esperado</translation>
    </message>
    <message>
        <source>Closing parenthesis without matching open parenthesis</source>
        <translation>Parêntese de fechamento sem parêntese de abertura correspondente</translation>
    </message>
    <message>
        <source>Operand contains multiple decimal points</source>
        <translation>O operando contém vários separadores decimais</translation>
    </message>
    <message>
        <source>Invalid operand</source>
        <translation>Operando inválido</translation>
    </message>
    <message>
        <source>Open parenthesis expected</source>
        <translation>Parêntese de abertura esperado</translation>
    </message>
    <message>
        <source>Unexpected character encountered</source>
        <translation>Caractere inesperado encontrado</translation>
    </message>
    <message>
        <source>Closing parenthesis expected</source>
        <translation>Parêntese de fechamento esperado</translation>
    </message>
    <message>
        <source>The expression is illegal.</source>
        <translation>A expressão é inválida.</translation>
    </message>
    <message>
        <source>Illegal data exist.</source>
        <translation>Há dados inválidos.</translation>
    </message>
    <message>
        <source>The parameter is beyond the range of a 32-bit number.</source>
        <translation>O parâmetro está fora do intervalo de um número de 32 bits.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro de capacidade</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Pop method invoked on empty stack</source>
        <translation>Método Pop invocado em uma pilha vazia</translation>
    </message>
    <message>
        <source>GetPopValue method invoked on empty stack</source>
        <translation>Método GetPopValue invocado em uma pilha vazia</translation>
    </message>
    <message>
        <source>Undefined symbol : &apos;%1&apos;</source>
        <translation>Símbolo não definido: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Bad token in Evaluate: %1</source>
        <translation>Token inválido em Evaluate: %1</translation>
    </message>
    <message>
        <source>No program could open the help page. It is here:
%1</source>
        <translation>Nenhum programa conseguiu abrir a página de ajuda. Ela está aqui:
%1</translation>
    </message>
    <message>
        <source>Character %1:  %2</source>
        <translation>Caractere %1:  %2</translation>
    </message>
</context>
<context>
    <name>pellitor::WidgetCalculateView</name>
    <message>
        <source>Function y=%1</source>
        <translation>Função y=%1</translation>
    </message>
    <message>
        <source>Can not calculate the expression at x=%1</source>
        <translation>Não é possível calcular a expressão em x=%1</translation>
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
        <translation>Sobre o Pellitor</translation>
    </message>
    <message>
        <source>© 2026 Pellitor team</source>
        <translation>© 2026 Equipe Pellitor</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>pellitor::frmMain</name>
    <message>
        <source>Expression  e.g. 2cos(x^2)/x</source>
        <translation>Expressão  ex.: 2cos(x^2)/x</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Graus</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parâmetro</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Decimal Point</source>
        <translation>Ponto decimal</translation>
    </message>
    <message>
        <source>Variable x</source>
        <translation>Variável x</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Apagar o caractere anterior</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Select And Insert A Function</source>
        <translation>Selecionar e inserir uma função</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expressão</translation>
    </message>
    <message>
        <source>e.g. 2cos(x^2)/x</source>
        <translation>ex.: 2cos(x^2)/x</translation>
    </message>
    <message>
        <source>Parameter x</source>
        <translation>Parâmetro x</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::CurveCalculations</name>
    <message>
        <source>No other curve shows: pin one with Ctrl+D.</source>
        <translation>Nenhuma outra curva visível: fixe uma com Ctrl+D.</translation>
    </message>
    <message>
        <source>y does not reach %1 to the right within 100 view widths</source>
        <translation>y não atinge %1 à direita em 100 larguras de visualização</translation>
    </message>
    <message>
        <source>y does not reach %1 to the left within 100 view widths</source>
        <translation>y não atinge %1 à esquerda em 100 larguras de visualização</translation>
    </message>
    <message>
        <source>No intersection within 100 view widths to the right</source>
        <translation>Nenhuma interseção à direita em 100 larguras de visualização</translation>
    </message>
    <message>
        <source>No intersection within 100 view widths to the left</source>
        <translation>Nenhuma interseção à esquerda em 100 larguras de visualização</translation>
    </message>
    <message>
        <source>y = %1 at x = %2</source>
        <translation>y = %1 em x = %2</translation>
    </message>
    <message>
        <source>intersection with %1 at x = %2; y = %3 and %4</source>
        <translation>interseção com %1 em x = %2; y = %3 e %4</translation>
    </message>
    <message>
        <source>dy/dx = %1 (± %2)</source>
        <translation>dy/dx = %1 (± %2)</translation>
    </message>
    <message>
        <source>no slope: a corner, %1 from the left, %2 from the right</source>
        <translation>sem inclinação: um ponto anguloso, %1 pela esquerda, %2 pela direita</translation>
    </message>
    <message>
        <source>no slope: a gap, a pole or a jump at or near x</source>
        <translation>sem inclinação: uma lacuna, um polo ou um salto em x ou perto de x</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 = %3 (± %4)</source>
        <translation>∫ de %1 a %2 = %3 (± %4)</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 diverges at x = %3</source>
        <translation>∫ de %1 a %2 diverge em x = %3</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 is undefined: no value from x = %3 to x = %4</source>
        <translation>∫ de %1 a %2 não está definida: sem valor de x = %3 a x = %4</translation>
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
        <translation>&amp;Salvar como...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>&amp;Reset View</source>
        <translation>&amp;Redefinir visualização</translation>
    </message>
    <message>
        <source>Fit &amp;y</source>
        <translation>Ajustar &amp;y</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Am&amp;pliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Redu&amp;zir</translation>
    </message>
    <message>
        <source>&amp;View Range...</source>
        <translation>&amp;Definir visualização...</translation>
    </message>
    <message>
        <source>&amp;Equal Scales</source>
        <translation>&amp;Escalas iguais</translation>
    </message>
    <message>
        <source>P&amp;in Curve</source>
        <translation>&amp;Fixar curva</translation>
    </message>
    <message>
        <source>&amp;Table of Values</source>
        <translation>&amp;Tabela de valores</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Pinned &amp;Curves</source>
        <translation>Curvas fi&amp;xadas</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphCanvas</name>
    <message>
        <source>Finest view: neighbouring pixels would show the same 32-bit x.</source>
        <translation>Zoom máximo: pixels vizinhos mostrariam o mesmo x de 32 bits.</translation>
    </message>
    <message>
        <source>Widest view: the 32-bit numbers end here.</source>
        <translation>Zoom mínimo: os números de 32 bits terminam aqui.</translation>
    </message>
    <message>
        <source>Graph of y=%1</source>
        <translation>Gráfico de y=%1</translation>
    </message>
    <message>
        <source>x from %1 to %2; y from %3 to %4</source>
        <translation>x de %1 a %2; y de %3 a %4</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>Zeros at x = %1</source>
        <translation>Zeros em x = %1</translation>
    </message>
    <message>
        <source>Minima at x = %1</source>
        <translation>Mínimos em x = %1</translation>
    </message>
    <message>
        <source>Maxima at x = %1</source>
        <translation>Máximos em x = %1</translation>
    </message>
    <message>
        <source>Poles, gaps and jumps near x = %1</source>
        <translation>Polos, lacunas e saltos perto de x = %1</translation>
    </message>
    <message>
        <source>Point at the curve, or press Left or Right, to read it; Z, E and P jump to zeros, extrema and poles.</source>
        <translation>Aponte para a curva ou pressione a seta para a esquerda ou para a direita para lê-la; Z, E e P saltam para zeros, extremos e polos.</translation>
    </message>
    <message>
        <source>Only a curve that is drawn can be pinned.</source>
        <translation>Só é possível fixar uma curva desenhada.</translation>
    </message>
    <message>
        <source>The graph shows %1 curves at most.</source>
        <translation>O gráfico mostra no máximo %1 curvas.</translation>
    </message>
    <message>
        <source>Curves: %1; the trace reads %2</source>
        <translation>Curvas: %1; o cursor está em %2</translation>
    </message>
    <message>
        <source>From x = %1: move the trace to the other end and press B.</source>
        <translation>A partir de x = %1: mova o cursor até a outra extremidade e pressione B.</translation>
    </message>
    <message>
        <source>Press A at one end of the area first.</source>
        <translation>Pressione primeiro A em uma extremidade da área.</translation>
    </message>
    <message>
        <source>The parameter&apos;s x, with the y of the report: x = %1; y = %2</source>
        <translation>O x do parâmetro, com o y do resultado: x = %1; y = %2</translation>
    </message>
    <message>
        <source>The traced point: %1</source>
        <translation>O ponto do cursor: %1</translation>
    </message>
    <message>
        <source>The traced x, where the curve has no point in view: a pole, a gap, or y beyond the view</source>
        <translation>O x do cursor, onde a curva não tem ponto na visualização: um polo, uma lacuna ou um y fora da visualização</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphPrint</name>
    <message>
        <source>Print Graph</source>
        <translation>Imprimir gráfico</translation>
    </message>
    <message>
        <source>The graph could not be printed.</source>
        <translation>Não foi possível imprimir o gráfico.</translation>
    </message>
    <message>
        <source>The graph could not be printed to %1.</source>
        <translation>Não foi possível imprimir o gráfico em %1.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphSound</name>
    <message>
        <source>No sound device.</source>
        <translation>Nenhum dispositivo de som.</translation>
    </message>
    <message>
        <source>The sound device could not play the sound.</source>
        <translation>O dispositivo de som não pôde reproduzir o som.</translation>
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
        <translation>Não é possível calcular</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>sem valor</translation>
    </message>
    <message>
        <source>zero at x = %1</source>
        <translation>zero em x = %1</translation>
    </message>
    <message>
        <source>minimum at x = %1; y = %2</source>
        <translation>mínimo em x = %1; y = %2</translation>
    </message>
    <message>
        <source>maximum at x = %1; y = %2</source>
        <translation>máximo em x = %1; y = %2</translation>
    </message>
    <message>
        <source>pole near x = %1</source>
        <translation>polo perto de x = %1</translation>
    </message>
    <message>
        <source>gap at x = %1</source>
        <translation>lacuna em x = %1</translation>
    </message>
    <message>
        <source>jump at x = %1</source>
        <translation>salto em x = %1</translation>
    </message>
    <message>
        <source>no zero to the right within 100 view widths</source>
        <translation>nenhum zero à direita em 100 larguras de visualização</translation>
    </message>
    <message>
        <source>no zero to the left within 100 view widths</source>
        <translation>nenhum zero à esquerda em 100 larguras de visualização</translation>
    </message>
    <message>
        <source>no minimum or maximum to the right within 100 view widths</source>
        <translation>nenhum mínimo ou máximo à direita em 100 larguras de visualização</translation>
    </message>
    <message>
        <source>no minimum or maximum to the left within 100 view widths</source>
        <translation>nenhum mínimo ou máximo à esquerda em 100 larguras de visualização</translation>
    </message>
    <message>
        <source>no pole, gap or jump to the right within 100 view widths</source>
        <translation>nenhum polo, lacuna ou salto à direita em 100 larguras de visualização</translation>
    </message>
    <message>
        <source>no pole, gap or jump to the left within 100 view widths</source>
        <translation>nenhum polo, lacuna ou salto à esquerda em 100 larguras de visualização</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>No value at any x in view.</source>
        <translation>Nenhum x na visualização tem valor.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagem SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Salvar gráfico</translation>
    </message>
    <message>
        <source>The graph could not be saved as %1: %2</source>
        <translation>Não foi possível salvar o gráfico como %1: %2</translation>
    </message>
    <message>
        <source>The graph could not be copied: %1</source>
        <translation>Não foi possível copiar o gráfico: %1</translation>
    </message>
    <message>
        <source>x =</source>
        <translation>x =</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Visível</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>This range is too narrow: neighbouring pixels would show the same 32-bit x.</source>
        <translation>Este intervalo é estreito demais: pixels vizinhos mostrariam o mesmo x de 32 bits.</translation>
    </message>
    <message>
        <source>This range reaches beyond the 32-bit numbers, about 3.4E+38 either way.</source>
        <translation>Este intervalo ultrapassa os números de 32 bits, cerca de 3,4E+38 em cada sentido.</translation>
    </message>
    <message>
        <source>The dashed line: the traced x, where the curve has no point in view: a pole, a gap, or y beyond the view.</source>
        <translation>A linha tracejada: o x do cursor, onde a curva não tem ponto na visualização: um polo, uma lacuna ou um y fora da visualização.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::PictureFile</name>
    <message>
        <source>The name leads around a loop of symbolic links.</source>
        <translation>O nome leva a um ciclo de links simbólicos.</translation>
    </message>
    <message>
        <source>There is no space left on the device.</source>
        <translation>Não há mais espaço livre no dispositivo.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::TableWindow</name>
    <message>
        <source>Table of Values</source>
        <translation>Tabela de valores</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Início:</translation>
    </message>
    <message>
        <source>S&amp;tep:</source>
        <translation>&amp;Passo:</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Salvar como CSV...</translation>
    </message>
    <message>
        <source>Table of values</source>
        <translation>Tabela de valores</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save as &amp;CSV...</source>
        <translation>Salvar como &amp;CSV...</translation>
    </message>
    <message>
        <source>A step of %1 cannot change a 32-bit x near %2: two rows would be the same.</source>
        <translation>Um passo de %1 não altera um x de 32 bits perto de %2: duas linhas seriam iguais.</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a number.</source>
        <translation>O valor inicial “%1” não é um número.</translation>
    </message>
    <message>
        <source>The start must lie within the range of 32-bit numbers.</source>
        <translation>O valor inicial deve estar no intervalo dos números de 32 bits.</translation>
    </message>
    <message>
        <source>The step &quot;%1&quot; is not a number.</source>
        <translation>O passo “%1” não é um número.</translation>
    </message>
    <message>
        <source>The step must not be 0.</source>
        <translation>O passo não pode ser 0.</translation>
    </message>
    <message>
        <source>The step must lie within the range of 32-bit numbers.</source>
        <translation>O passo deve estar no intervalo dos números de 32 bits.</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>Salvar tabela</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Arquivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>The table could not be saved as %1: %2</source>
        <translation>Não foi possível salvar a tabela como %1: %2</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::ViewRangeDialog</name>
    <message>
        <source>View Range</source>
        <translation>Definir visualização</translation>
    </message>
    <message>
        <source>x from</source>
        <translation>x de</translation>
    </message>
    <message>
        <source>x to</source>
        <translation>x até</translation>
    </message>
    <message>
        <source>y from</source>
        <translation>y de</translation>
    </message>
    <message>
        <source>y to</source>
        <translation>y até</translation>
    </message>
    <message>
        <source>x from:</source>
        <translation>x de:</translation>
    </message>
    <message>
        <source>x to:</source>
        <translation>x até:</translation>
    </message>
    <message>
        <source>y from:</source>
        <translation>y de:</translation>
    </message>
    <message>
        <source>y to:</source>
        <translation>y até:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>“%1” não é um número.</translation>
    </message>
    <message>
        <source>x from must be less than x to.</source>
        <translation>“x de” deve ser menor que “x até”.</translation>
    </message>
    <message>
        <source>y from must be less than y to.</source>
        <translation>“y de” deve ser menor que “y até”.</translation>
    </message>
</context>
</TS>
