<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>pellitor::GraphLink</name>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
</context>
<context>
    <name>pellitor::TextBoxBase</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>pellitor::TranslatedMessageBox</name>
    <message>
        <source>Syntax Error</source>
        <translation>Erreur de syntaxe</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Operator expected</source>
        <translation>Opérateur attendu</translation>
    </message>
    <message>
        <source>Operand expected</source>
        <translation>Opérande attendu</translation>
    </message>
    <message>
        <source>Closing parenthesis without matching open parenthesis</source>
        <translation>Parenthèse fermante sans parenthèse ouvrante correspondante</translation>
    </message>
    <message>
        <source>Operand contains multiple decimal points</source>
        <translation>L&apos;opérande contient plusieurs séparateurs décimaux</translation>
    </message>
    <message>
        <source>Invalid operand</source>
        <translation>Opérande non valide</translation>
    </message>
    <message>
        <source>Open parenthesis expected</source>
        <translation>Parenthèse ouvrante attendue</translation>
    </message>
    <message>
        <source>Unexpected character encountered</source>
        <translation>Caractère inattendu rencontré</translation>
    </message>
    <message>
        <source>Closing parenthesis expected</source>
        <translation>Parenthèse fermante attendue</translation>
    </message>
    <message>
        <source>The expression is illegal.</source>
        <translation>L&apos;expression n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Illegal data exist.</source>
        <translation>Des données non valides sont présentes.</translation>
    </message>
    <message>
        <source>The parameter is beyond the range of a 32-bit number.</source>
        <translation>Le paramètre dépasse la plage d&apos;un nombre à 32 bits.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument non valide</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>Pop method invoked on empty stack</source>
        <translation>Méthode Pop appelée sur une pile vide</translation>
    </message>
    <message>
        <source>GetPopValue method invoked on empty stack</source>
        <translation>Méthode GetPopValue appelée sur une pile vide</translation>
    </message>
    <message>
        <source>Undefined symbol : &apos;%1&apos;</source>
        <translation>Symbole non défini : &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Bad token in Evaluate: %1</source>
        <translation>Jeton non valide dans Evaluate : %1</translation>
    </message>
    <message>
        <source>No program could open the help page. It is here:
%1</source>
        <translation>Aucun programme n&apos;a pu ouvrir la page d&apos;aide. Elle se trouve ici :
%1</translation>
    </message>
    <message>
        <source>Character %1:  %2</source>
        <translation>Caractère %1 :  %2</translation>
    </message>
</context>
<context>
    <name>pellitor::WidgetCalculateView</name>
    <message>
        <source>Function y=%1</source>
        <translation>Fonction y=%1</translation>
    </message>
    <message>
        <source>Can not calculate the expression at x=%1</source>
        <translation>Impossible de calculer l&apos;expression en x=%1</translation>
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
        <translation>À propos de Pellitor</translation>
    </message>
    <message>
        <source>© 2026 Pellitor team</source>
        <translation>© 2026 Équipe Pellitor</translation>
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
        <translation>Expression  p. ex. 2cos(x^2)/x</translation>
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
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Decimal Point</source>
        <translation>Point décimal</translation>
    </message>
    <message>
        <source>Variable x</source>
        <translation>Variable x</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Select And Insert A Function</source>
        <translation>Choisir et ajouter une fonction</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>e.g. 2cos(x^2)/x</source>
        <translation>p. ex. 2cos(x^2)/x</translation>
    </message>
    <message>
        <source>Parameter x</source>
        <translation>Paramètre x</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::CurveCalculations</name>
    <message>
        <source>No other curve shows: pin one with Ctrl+D.</source>
        <translation>Aucune autre courbe affichée : épinglez-en une avec Ctrl+D.</translation>
    </message>
    <message>
        <source>y does not reach %1 to the right within 100 view widths</source>
        <translation>y n&apos;atteint pas %1 à droite sur 100 largeurs de vue</translation>
    </message>
    <message>
        <source>y does not reach %1 to the left within 100 view widths</source>
        <translation>y n&apos;atteint pas %1 à gauche sur 100 largeurs de vue</translation>
    </message>
    <message>
        <source>No intersection within 100 view widths to the right</source>
        <translation>Aucune intersection à droite sur 100 largeurs de vue</translation>
    </message>
    <message>
        <source>No intersection within 100 view widths to the left</source>
        <translation>Aucune intersection à gauche sur 100 largeurs de vue</translation>
    </message>
    <message>
        <source>y = %1 at x = %2</source>
        <translation>y = %1 en x = %2</translation>
    </message>
    <message>
        <source>intersection with %1 at x = %2; y = %3 and %4</source>
        <translation>intersection avec %1 en x = %2; y = %3 et %4</translation>
    </message>
    <message>
        <source>dy/dx = %1 (± %2)</source>
        <translation>dy/dx = %1 (± %2)</translation>
    </message>
    <message>
        <source>no slope: a corner, %1 from the left, %2 from the right</source>
        <translation>pas de pente : un point anguleux, %1 à gauche, %2 à droite</translation>
    </message>
    <message>
        <source>no slope: a gap, a pole or a jump at or near x</source>
        <translation>pas de pente : une lacune, un pôle ou un saut en x ou près de x</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 = %3 (± %4)</source>
        <translation>∫ de %1 à %2 = %3 (± %4)</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 diverges at x = %3</source>
        <translation>∫ de %1 à %2 diverge en x = %3</translation>
    </message>
    <message>
        <source>∫ from %1 to %2 is undefined: no value from x = %3 to x = %4</source>
        <translation>∫ de %1 à %2 non définie : aucune valeur de x = %3 à x = %4</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphActions</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Enregistrer sous...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Reset View</source>
        <translation>&amp;Réinitialiser la vue</translation>
    </message>
    <message>
        <source>Fit &amp;y</source>
        <translation>Ajuster &amp;y</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Zoom arrière</translation>
    </message>
    <message>
        <source>&amp;View Range...</source>
        <translation>&amp;Définir la vue...</translation>
    </message>
    <message>
        <source>&amp;Equal Scales</source>
        <translation>Échelles é&amp;gales</translation>
    </message>
    <message>
        <source>P&amp;in Curve</source>
        <translation>Épi&amp;ngler la courbe</translation>
    </message>
    <message>
        <source>&amp;Table of Values</source>
        <translation>&amp;Table de valeurs</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Pinned &amp;Curves</source>
        <translation>C&amp;ourbes épinglées</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphCanvas</name>
    <message>
        <source>Finest view: neighbouring pixels would show the same 32-bit x.</source>
        <translation>Zoom maximal : des pixels voisins afficheraient le même x sur 32 bits.</translation>
    </message>
    <message>
        <source>Widest view: the 32-bit numbers end here.</source>
        <translation>Zoom minimal : les nombres sur 32 bits s&apos;arrêtent ici.</translation>
    </message>
    <message>
        <source>Graph of y=%1</source>
        <translation>Graphique de y=%1</translation>
    </message>
    <message>
        <source>x from %1 to %2; y from %3 to %4</source>
        <translation>x de %1 à %2; y de %3 à %4</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>Zeros at x = %1</source>
        <translation>Zéros en x = %1</translation>
    </message>
    <message>
        <source>Minima at x = %1</source>
        <translation>Minima en x = %1</translation>
    </message>
    <message>
        <source>Maxima at x = %1</source>
        <translation>Maxima en x = %1</translation>
    </message>
    <message>
        <source>Poles, gaps and jumps near x = %1</source>
        <translation>Pôles, lacunes et sauts près de x = %1</translation>
    </message>
    <message>
        <source>Point at the curve, or press Left or Right, to read it; Z, E and P jump to zeros, extrema and poles.</source>
        <translation>Pointez sur la courbe ou appuyez sur la flèche gauche ou droite pour la lire; Z, E et P sautent aux zéros, extrema et pôles.</translation>
    </message>
    <message>
        <source>Only a curve that is drawn can be pinned.</source>
        <translation>Seule une courbe tracée peut être épinglée.</translation>
    </message>
    <message>
        <source>The graph shows %1 curves at most.</source>
        <translation>Le graphique affiche au plus %1 courbes.</translation>
    </message>
    <message>
        <source>Curves: %1; the trace reads %2</source>
        <translation>Courbes : %1; le curseur suit %2</translation>
    </message>
    <message>
        <source>From x = %1: move the trace to the other end and press B.</source>
        <translation>Depuis x = %1 : déplacez le curseur à l&apos;autre extrémité et appuyez sur B.</translation>
    </message>
    <message>
        <source>Press A at one end of the area first.</source>
        <translation>Appuyez d&apos;abord sur A à une extrémité de l&apos;aire.</translation>
    </message>
    <message>
        <source>The parameter&apos;s x, with the y of the report: x = %1; y = %2</source>
        <translation>Le x du paramètre, avec le y du résultat : x = %1; y = %2</translation>
    </message>
    <message>
        <source>The traced point: %1</source>
        <translation>Le point du curseur : %1</translation>
    </message>
    <message>
        <source>The traced x, where the curve has no point in view: a pole, a gap, or y beyond the view</source>
        <translation>Le x du curseur, où la courbe n&apos;a aucun point visible : un pôle, une lacune ou un y hors de la vue</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphPrint</name>
    <message>
        <source>Print Graph</source>
        <translation>Imprimer le graphique</translation>
    </message>
    <message>
        <source>The graph could not be printed.</source>
        <translation>Impossible d&apos;imprimer le graphique.</translation>
    </message>
    <message>
        <source>The graph could not be printed to %1.</source>
        <translation>Impossible d&apos;imprimer le graphique dans %1.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphSound</name>
    <message>
        <source>No sound device.</source>
        <translation>Aucun périphérique audio.</translation>
    </message>
    <message>
        <source>The sound device could not play the sound.</source>
        <translation>Le périphérique audio n&apos;a pas pu jouer le son.</translation>
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
        <translation>Calcul impossible</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>aucune valeur</translation>
    </message>
    <message>
        <source>zero at x = %1</source>
        <translation>zéro en x = %1</translation>
    </message>
    <message>
        <source>minimum at x = %1; y = %2</source>
        <translation>minimum en x = %1; y = %2</translation>
    </message>
    <message>
        <source>maximum at x = %1; y = %2</source>
        <translation>maximum en x = %1; y = %2</translation>
    </message>
    <message>
        <source>pole near x = %1</source>
        <translation>pôle près de x = %1</translation>
    </message>
    <message>
        <source>gap at x = %1</source>
        <translation>lacune en x = %1</translation>
    </message>
    <message>
        <source>jump at x = %1</source>
        <translation>saut en x = %1</translation>
    </message>
    <message>
        <source>no zero to the right within 100 view widths</source>
        <translation>aucun zéro à droite sur 100 largeurs de vue</translation>
    </message>
    <message>
        <source>no zero to the left within 100 view widths</source>
        <translation>aucun zéro à gauche sur 100 largeurs de vue</translation>
    </message>
    <message>
        <source>no minimum or maximum to the right within 100 view widths</source>
        <translation>aucun minimum ni maximum à droite sur 100 largeurs de vue</translation>
    </message>
    <message>
        <source>no minimum or maximum to the left within 100 view widths</source>
        <translation>aucun minimum ni maximum à gauche sur 100 largeurs de vue</translation>
    </message>
    <message>
        <source>no pole, gap or jump to the right within 100 view widths</source>
        <translation>aucun pôle, lacune ni saut à droite sur 100 largeurs de vue</translation>
    </message>
    <message>
        <source>no pole, gap or jump to the left within 100 view widths</source>
        <translation>aucun pôle, lacune ni saut à gauche sur 100 largeurs de vue</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>No value at any x in view.</source>
        <translation>Aucun x visible n&apos;a de valeur.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>The graph could not be saved as %1: %2</source>
        <translation>Impossible d&apos;enregistrer le graphique sous %1 : %2</translation>
    </message>
    <message>
        <source>The graph could not be copied: %1</source>
        <translation>Impossible de copier le graphique : %1</translation>
    </message>
    <message>
        <source>x =</source>
        <translation>x =</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>This range is too narrow: neighbouring pixels would show the same 32-bit x.</source>
        <translation>Cette plage est trop étroite : des pixels voisins afficheraient le même x sur 32 bits.</translation>
    </message>
    <message>
        <source>This range reaches beyond the 32-bit numbers, about 3.4E+38 either way.</source>
        <translation>Cette plage dépasse les nombres sur 32 bits, environ 3,4E+38 dans chaque sens.</translation>
    </message>
    <message>
        <source>The dashed line: the traced x, where the curve has no point in view: a pole, a gap, or y beyond the view.</source>
        <translation>La ligne pointillée : le x du curseur, où la courbe n&apos;a aucun point visible : un pôle, une lacune ou un y hors de la vue.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::PictureFile</name>
    <message>
        <source>The name leads around a loop of symbolic links.</source>
        <translation>Le nom mène à une boucle de liens symboliques.</translation>
    </message>
    <message>
        <source>There is no space left on the device.</source>
        <translation>Il n&apos;y a plus d&apos;espace libre sur le périphérique.</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::TableWindow</name>
    <message>
        <source>Table of Values</source>
        <translation>Tableau de valeurs</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Départ :</translation>
    </message>
    <message>
        <source>S&amp;tep:</source>
        <translation>&amp;Pas :</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>Table of values</source>
        <translation>Tableau de valeurs</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Save as &amp;CSV...</source>
        <translation>Enregistrer en &amp;CSV...</translation>
    </message>
    <message>
        <source>A step of %1 cannot change a 32-bit x near %2: two rows would be the same.</source>
        <translation>Un pas de %1 ne peut pas changer un x sur 32 bits près de %2 : deux lignes seraient identiques.</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a number.</source>
        <translation>La valeur de départ « %1 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The start must lie within the range of 32-bit numbers.</source>
        <translation>La valeur de départ doit rester dans la plage des nombres sur 32 bits.</translation>
    </message>
    <message>
        <source>The step &quot;%1&quot; is not a number.</source>
        <translation>Le pas « %1 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The step must not be 0.</source>
        <translation>Le pas ne doit pas être 0.</translation>
    </message>
    <message>
        <source>The step must lie within the range of 32-bit numbers.</source>
        <translation>Le pas doit rester dans la plage des nombres sur 32 bits.</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>Enregistrer le tableau</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>The table could not be saved as %1: %2</source>
        <translation>Impossible d&apos;enregistrer le tableau sous %1 : %2</translation>
    </message>
</context>
<context>
    <name>pellitor::graph::ViewRangeDialog</name>
    <message>
        <source>View Range</source>
        <translation>Définir la vue</translation>
    </message>
    <message>
        <source>x from</source>
        <translation>x de</translation>
    </message>
    <message>
        <source>x to</source>
        <translation>x à</translation>
    </message>
    <message>
        <source>y from</source>
        <translation>y de</translation>
    </message>
    <message>
        <source>y to</source>
        <translation>y à</translation>
    </message>
    <message>
        <source>x from:</source>
        <translation>x de :</translation>
    </message>
    <message>
        <source>x to:</source>
        <translation>x à :</translation>
    </message>
    <message>
        <source>y from:</source>
        <translation>y de :</translation>
    </message>
    <message>
        <source>y to:</source>
        <translation>y à :</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>« %1 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>x from must be less than x to.</source>
        <translation>« x de » doit être inférieur à « x à ».</translation>
    </message>
    <message>
        <source>y from must be less than y to.</source>
        <translation>« y de » doit être inférieur à « y à ».</translation>
    </message>
</context>
</TS>
