<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Kirvolt Files (*.kvt)</source>
        <translation>Archivos de Kirvolt (*.kvt)</translation>
    </message>
    <message>
        <source>SPICE Netlists (*.cir *.net *.sp *.spice)</source>
        <translation>Netlists de SPICE (*.cir *.net *.sp *.spice)</translation>
    </message>
    <message>
        <source>Circuits and Netlists (*.kvt *.cir *.net *.sp *.spice)</source>
        <translation>Circuitos y netlists (*.kvt *.cir *.net *.sp *.spice)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Export SPICE Netlist</source>
        <translation>Exportar netlist de SPICE</translation>
    </message>
    <message>
        <source>SPICE Netlists (*.cir)</source>
        <translation>Netlists de SPICE (*.cir)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>PNG Image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Worked Solution</source>
        <translation>Exportar solución desarrollada</translation>
    </message>
    <message>
        <source>Web Page (*.html)</source>
        <translation>Página web (*.html)</translation>
    </message>
</context>
<context>
    <name>Kirvolt</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Kirvolt</source>
        <translation>Kirvolt</translation>
    </message>
</context>
<context>
    <name>ModifiedNodalNotesDialog</name>
    <message>
        <source>Nodal Analysis employs branch voltages as its independent variables: every branch voltage is written as the difference of the voltages of the two nodes at its ends, and Kirchhoff&apos;s Current Law is applied at every node except the datum node. This works well for resistors and current sources, but the current through an ideal voltage source cannot be written from its voltage.</source>
        <translation>El método de nodos emplea las tensiones de rama como variables independientes: cada tensión de rama se escribe como la diferencia de las tensiones de los dos nodos de sus extremos, y la ley de corrientes de Kirchhoff se aplica en todos los nodos excepto en el nodo de referencia. Esto funciona bien con resistencias y fuentes de corriente, pero la corriente de una fuente de tensión ideal no puede escribirse a partir de su tensión.</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis is derived from Nodal Analysis by taking the current through each voltage source as one more unknown, and by adding for each voltage source one more equation: the voltage of its positive node minus the voltage of its negative node equals the value of the source.</source>
        <translation>El análisis nodal modificado se deriva del método de nodos tomando la corriente de cada fuente de tensión como una incógnita más y añadiendo para cada fuente de tensión una ecuación más: la tensión de su nodo positivo menos la tensión de su nodo negativo es igual al valor de la fuente.</translation>
    </message>
    <message>
        <source>Together with the branch voltage variables, these source currents make up one set of linear equations with exactly as many equations as unknowns. Solving it gives every node voltage and every source current in one step, whatever mixture of resistors and sources the circuit holds.</source>
        <translation>Junto con las variables de tensión de rama, estas corrientes de fuente forman un único sistema de ecuaciones lineales con exactamente tantas ecuaciones como incógnitas. Al resolverlo se obtienen en un solo paso todas las tensiones de nodo y todas las corrientes de fuente, sea cual sea la combinación de resistencias y fuentes del circuito.</translation>
    </message>
    <message>
        <source>This tutor will take you through writing the extra equations for the voltage sources and solving the enlarged set of equations.</source>
        <translation>Este tutor le guiará en la escritura de las ecuaciones adicionales de las fuentes de tensión y en la resolución del sistema de ecuaciones ampliado.</translation>
    </message>
</context>
<context>
    <name>kirvolt</name>
    <message>
        <source>Formulas</source>
        <translation>Fórmulas</translation>
    </message>
    <message>
        <source>Thévenin Equivalent</source>
        <translation>Equivalente de Thévenin</translation>
    </message>
    <message>
        <source>Thévenin equivalent</source>
        <translation>Equivalente de Thévenin</translation>
    </message>
    <message>
        <source>Norton equivalent</source>
        <translation>Equivalente de Norton</translation>
    </message>
    <message>
        <source>Superposition</source>
        <translation>Superposición</translation>
    </message>
    <message>
        <source>Part %1: %2</source>
        <translation>Parte %1: %2</translation>
    </message>
</context>
<context>
    <name>kirvolt::BackgroundNotesDialog</name>
    <message>
        <source>Nodal Analysis</source>
        <translation>Método de nodos</translation>
    </message>
    <message>
        <source>
Background notes</source>
        <translation>
Nociones previas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>kirvolt::CAboutDlg</name>
    <message>
        <source>About Kirvolt</source>
        <translation>Acerca de Kirvolt</translation>
    </message>
    <message>
        <source>Kirvolt Version %1</source>
        <translation>Kirvolt versión %1</translation>
    </message>
</context>
<context>
    <name>kirvolt::CKirvoltApp</name>
    <message>
        <source>Circuit file to open</source>
        <translation>Archivo de circuito que abrir</translation>
    </message>
    <message>
        <source>Kirvolt ended without closing %1, which had unsaved changes.
Reopen it with those changes? If you do not, they are discarded.</source>
        <translation>Kirvolt terminó sin cerrar %1, que tenía cambios sin guardar.
¿Volver a abrirlo con esos cambios? Si no, se descartarán.</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Ejercicio %1</translation>
    </message>
    <message>
        <source>Exercise %1 (%2): find the voltage of every node and the current in every component.</source>
        <translation>Ejercicio %1 (%2): halle la tensión de cada nodo y la corriente de cada componente.</translation>
    </message>
</context>
<context>
    <name>kirvolt::CMainFrame</name>
    <message>
        <source>Get Document Pointer failed.</source>
        <translation>No se pudo acceder al documento.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Activate this window</source>
        <translation>Activar esta ventana</translation>
    </message>
    <message>
        <source>Save changes to these circuits?

%1</source>
        <translation>¿Guardar los cambios de estos circuitos?

%1</translation>
    </message>
    <message>
        <source>Discard All</source>
        <translation>Descartar todo</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>Kirvolt &amp;Help</source>
        <translation>Ay&amp;uda de Kirvolt</translation>
    </message>
    <message>
        <source>Read how to draw, analyse and read a circuit</source>
        <translation>Aprenda a dibujar, analizar y leer un circuito</translation>
    </message>
    <message>
        <source>Exa&amp;mples</source>
        <translation>E&amp;jemplos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Zoom Scale</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Equations</source>
        <translation>Ecuaciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Dibujar</translation>
    </message>
    <message>
        <source>&amp;Analyse</source>
        <translation>Ana&amp;lizar</translation>
    </message>
    <message>
        <source>U&amp;sing</source>
        <translation>&amp;Método</translation>
    </message>
    <message>
        <source>&amp;Tutor</source>
        <translation>&amp;Tutor</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>Zoom In/Out</source>
        <translation>Acercar/Alejar</translation>
    </message>
    <message>
        <source>Component &amp;Toolbar</source>
        <translation>Barra de &amp;componentes</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Command Toolbar</source>
        <translation>Barra de órdenes</translation>
    </message>
    <message>
        <source>Edit &amp;Value...</source>
        <translation>Editar &amp;valor...</translation>
    </message>
    <message>
        <source>&amp;Name...</source>
        <translation>&amp;Nombre...</translation>
    </message>
    <message>
        <source>Node &amp;Name...</source>
        <translation>&amp;Nombre del nodo...</translation>
    </message>
    <message>
        <source>Set as &amp;Datum Node</source>
        <translation>Fijar como nodo de &amp;referencia</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Girar</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>&amp;Reflejar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Analyse as I Draw</source>
        <translation>Analizar mientras dibujo</translation>
    </message>
    <message>
        <source>Analyse the circuit after every change, with the method last chosen</source>
        <translation>Analizar el circuito tras cada cambio, con el último método elegido</translation>
    </message>
    <message>
        <source>Voltages on the Drawing</source>
        <translation>Tensiones en el dibujo</translation>
    </message>
    <message>
        <source>Tint every wire and joint by its node voltage</source>
        <translation>Colorear cada cable y cada unión según la tensión de su nodo</translation>
    </message>
    <message>
        <source>Currents on the Drawing</source>
        <translation>Corrientes en el dibujo</translation>
    </message>
    <message>
        <source>Show each element&apos;s current as an arrow the way it flows</source>
        <translation>Mostrar la corriente de cada elemento como una flecha en su sentido</translation>
    </message>
</context>
<context>
    <name>kirvolt::CPropertyView</name>
    <message>
        <source>The circuit has changed since these results. Run the analysis again.</source>
        <translation>El circuito ha cambiado desde estos resultados. Vuelva a ejecutar el análisis.</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordEquationDialog</name>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordIntroductionDialog</name>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>There are four steps for the Chord Current Analysis Method.</source>
        <translation>El método de corrientes de cuerda consta de cuatro pasos.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  pasos</translation>
    </message>
    <message>
        <source>(1)  Pick a tree of your
       circuit.</source>
        <translation>(1)  Elija un árbol de su
       circuito.</translation>
    </message>
    <message>
        <source>(2)   Name the chords and
       their loop currents.</source>
        <translation>(2)   Nombre las cuerdas y
       sus corrientes de lazo.</translation>
    </message>
    <message>
        <source>(3)   See the loop each
       chord closes.</source>
        <translation>(3)   Vea el lazo que cierra
       cada cuerda.</translation>
    </message>
    <message>
        <source>(4)   Write loop current
       equations using KVL.</source>
        <translation>(4)   Escriba las ecuaciones de
       corrientes de lazo con la LVK.</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordTreeDialog</name>
    <message>
        <source>A tree joins all the nodes of your circuit without closing a loop. Click the resistors and voltage sources of your circuit to put them in the tree; click one again to take it out. Every branch left out of the tree is a chord.</source>
        <translation>Un árbol une todos los nodos de su circuito sin cerrar ningún lazo. Haga clic en las resistencias y fuentes de tensión de su circuito para ponerlas en el árbol; vuelva a hacer clic en una para quitarla. Cada rama que queda fuera del árbol es una cuerda.</translation>
    </message>
    <message>
        <source>Click a branch of your circuit.</source>
        <translation>Haga clic en una rama de su circuito.</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordTutorDialog</name>
    <message>
        <source>Chord Current Tutor</source>
        <translation>Tutor de corrientes de cuerda</translation>
    </message>
    <message>
        <source>

          Pick a tree.</source>
        <translation>

          Elija un árbol.</translation>
    </message>
    <message>
        <source>

     Name the chords.</source>
        <translation>

     Nombre las cuerdas.</translation>
    </message>
    <message>
        <source>

     See each fundamental loop.</source>
        <translation>

     Vea cada lazo fundamental.</translation>
    </message>
    <message>
        <source>

           Write loop current
         equations using KVL.</source>
        <translation>

           Escriba las ecuaciones de
         corrientes de lazo con la LVK.</translation>
    </message>
    <message>
        <source>Step %1 of 4 for Chord Current Analysis:</source>
        <translation>Paso %1 de 4 del método de corrientes de cuerda:</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kirvolt::ComponentInfoDialog</name>
    <message>
        <source>Component Property</source>
        <translation>Propiedades del componente</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>Start Node:</source>
        <translation>Nodo inicial:</translation>
    </message>
    <message>
        <source>Finish Node:</source>
        <translation>Nodo final:</translation>
    </message>
    <message>
        <source>Start Node Voltage:</source>
        <translation>Tensión del nodo inicial:</translation>
    </message>
    <message>
        <source>Finish Node Voltage:</source>
        <translation>Tensión del nodo final:</translation>
    </message>
    <message>
        <source>Current:
(Start-&gt;Finish)</source>
        <translation>Corriente:
(Inicial-&gt;Final)</translation>
    </message>
    <message>
        <source>p.d.(Start-
Finish):</source>
        <translation>d.d.p. (Inicial-
Final):</translation>
    </message>
</context>
<context>
    <name>kirvolt::CountStepDialog</name>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kirvolt::DatumNodeDialog</name>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>chosen node, Node </source>
        <translation>nodo elegido, el nodo </translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>A total of</source>
        <translation>Se necesitan en total</translation>
    </message>
    <message>
        <source>equations needed,</source>
        <translation>ecuaciones,</translation>
    </message>
    <message>
        <source>The voltage at other nodes are measured with respect to this</source>
        <translation>Las tensiones de los demás nodos se miden respecto a este</translation>
    </message>
    <message>
        <source>one for each of the nodes below:</source>
        <translation>una para cada uno de los nodos siguientes:</translation>
    </message>
    <message>
        <source>Select a node on the left to be the Datum Node:</source>
        <translation>Elija a la izquierda el nodo de referencia:</translation>
    </message>
    <message>
        <source>Step 3 of 4 for Nodal Analysis:</source>
        <translation>Paso 3 de 4 del método de nodos:</translation>
    </message>
    <message>
        <source>

         Select a Datum Node.</source>
        <translation>

         Elija un nodo de referencia.</translation>
    </message>
    <message>
        <source>To simplify your calculation, you should select a node with the largest number of components connected to it as the Datum Node.</source>
        <translation>Para simplificar sus cálculos, elija como nodo de referencia el nodo al que estén conectados más componentes.</translation>
    </message>
</context>
<context>
    <name>kirvolt::EditComponentDialog</name>
    <message>
        <source>Edit Component </source>
        <translation>Editar componente </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valor:</translation>
    </message>
</context>
<context>
    <name>kirvolt::EditNodeNameDialog</name>
    <message>
        <source>Edit Node Name</source>
        <translation>Editar nombre del nodo</translation>
    </message>
    <message>
        <source>Node Name:</source>
        <translation>Nombre del nodo:</translation>
    </message>
</context>
<context>
    <name>kirvolt::EquationCheckWindow</name>
    <message>
        <source>for example (V2 - V1)/R1 + V2/R2 = J1</source>
        <translation>por ejemplo (V2 - V1)/R1 + V2/R2 = J1</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Comprobar</translation>
    </message>
</context>
<context>
    <name>kirvolt::ErcPanel</name>
    <message>
        <source>Electrical Rule Check</source>
        <translation>Comprobación de reglas eléctricas</translation>
    </message>
</context>
<context>
    <name>kirvolt::ExportPictureDialog</name>
    <message>
        <source>Show the &amp;grid</source>
        <translation>Mostrar la &amp;cuadrícula</translation>
    </message>
    <message>
        <source>Show &amp;node numbers</source>
        <translation>Mostrar los números de &amp;nodo</translation>
    </message>
    <message>
        <source>Show the &amp;equations panel</source>
        <translation>Mostrar el panel de &amp;ecuaciones</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source> ×</source>
        <translation> ×</translation>
    </message>
    <message>
        <source>PNG &amp;scale:</source>
        <translation>E&amp;scala PNG:</translation>
    </message>
</context>
<context>
    <name>kirvolt::HelpWindow</name>
    <message>
        <source>Kirvolt Help</source>
        <translation>Ayuda de Kirvolt</translation>
    </message>
</context>
<context>
    <name>kirvolt::KclExampleDialog</name>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Step 4 of 4 for Nodal Analysis:</source>
        <translation>Paso 4 de 4 del método de nodos:</translation>
    </message>
    <message>
        <source>

           Write node voltage
         equations using KCL.</source>
        <translation>

           Escriba las ecuaciones de
         tensiones de nodo con la LCK.</translation>
    </message>
    <message>
        <source>The following shows how you write your equation:</source>
        <translation>Así se escribe la ecuación:</translation>
    </message>
    <message>
        <source>For Node &apos;a&apos; shown above:
Sum of Current flowing out from resistors R1 and R2 = Current  flowing in from the source J1,</source>
        <translation>Para el nodo &apos;a&apos; mostrado arriba:
suma de las corrientes que salen por las resistencias R1 y R2 = corriente que entra desde la fuente J1,</translation>
    </message>
    <message>
        <source>        (Va-Vb)         (Va-Vc)   
=&gt;    -----------   +    -----------   =  J1
             R1                 R2</source>
        <translation>        (Va-Vb)         (Va-Vc)   
=&gt;    -----------   +    -----------   =  J1
             R1                 R2</translation>
    </message>
    <message>
        <source>Nodal equations in your circuit may be prepared in a similar fashion.</source>
        <translation>Las ecuaciones de nodo de su circuito pueden escribirse de la misma manera.</translation>
    </message>
    <message>
        <source>Check your nodal equations with that written by Kirvolt. How many equations you got it right?</source>
        <translation>Compare sus ecuaciones de nodo con las escritas por Kirvolt. ¿Cuántas ecuaciones ha acertado?</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopCountDialog</name>
    <message>
        <source>Loop Current Tutor</source>
        <translation>Tutor de corrientes de lazo</translation>
    </message>
    <message>
        <source>Step 1 of 4 for Loop Current Analysis:</source>
        <translation>Paso 1 de 4 del método de corrientes de lazo:</translation>
    </message>
    <message>
        <source>
   Count the number of independent
    loops in your circuit.</source>
        <translation>
   Cuente los lazos independientes
    de su circuito.</translation>
    </message>
    <message>
        <source>How many independent Loops are there in your circuit ?</source>
        <translation>¿Cuántos lazos independientes tiene su circuito?</translation>
    </message>
    <message>
        <source>Note:
Loops are independent when none of them is made of the others: each new loop must take in something the loops before it do not.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation>Nota:
Los lazos son independientes cuando ninguno está formado por los demás: cada lazo nuevo debe incluir algo que los lazos anteriores no incluyen.

Los cables se consideran ideales y no se cuentan como componentes.</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopIntroductionDialog</name>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>There are four steps for the Loop Current Analysis Method.</source>
        <translation>El método de corrientes de lazo consta de cuatro pasos.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  pasos</translation>
    </message>
    <message>
        <source>(1)  Count the number of
       independent loops in your circuit.</source>
        <translation>(1)  Cuente los lazos
       independientes de su circuito.</translation>
    </message>
    <message>
        <source>(2)   Trace the loops of your
       own choice.</source>
        <translation>(2)   Trace los lazos que
       usted elija.</translation>
    </message>
    <message>
        <source>(3)   Write loop current
       equations using KVL.</source>
        <translation>(3)   Escriba las ecuaciones de
       corrientes de lazo con la LVK.</translation>
    </message>
    <message>
        <source>(4)   Solve them for the
       loop currents.</source>
        <translation>(4)   Resuélvalas para obtener
       las corrientes de lazo.</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopPageDialog</name>
    <message>
        <source>

           Write loop current
         equations using KVL.</source>
        <translation>

           Escriba las ecuaciones de
         corrientes de lazo con la LVK.</translation>
    </message>
    <message>
        <source>

           Solve them for the
         loop currents.</source>
        <translation>

           Resuélvalas para obtener
         las corrientes de lazo.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopTraceDialog</name>
    <message>
        <source>

     Trace the loops of your own choice.</source>
        <translation>

     Trace los lazos que usted elija.</translation>
    </message>
    <message>
        <source>Click the branches of a loop one after the other on the drawing, all the way round: the loop current runs the way you go. Each loop must be closed, pass each node only once, and take in something your loops before it do not. The loop currents are named I1, I2, ... in the order you trace the loops.</source>
        <translation>Haga clic en las ramas de un lazo una tras otra en el dibujo, dando toda la vuelta: la corriente de lazo circula en el sentido en que usted avanza. Cada lazo debe estar cerrado, pasar por cada nodo una sola vez e incluir algo que sus lazos anteriores no incluyen. Las corrientes de lazo se llaman I1, I2, ... en el orden en que traza los lazos.</translation>
    </message>
    <message>
        <source>Click a branch of your circuit to start the loop.</source>
        <translation>Haga clic en una rama de su circuito para empezar el lazo.</translation>
    </message>
    <message>
        <source>Undo last branch</source>
        <translation>Deshacer la última rama</translation>
    </message>
    <message>
        <source>Start loop again</source>
        <translation>Empezar el lazo de nuevo</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopTutorDialog</name>
    <message>
        <source>Loop Current Tutor</source>
        <translation>Tutor de corrientes de lazo</translation>
    </message>
    <message>
        <source>Step %1 of 4 for Loop Current Analysis:</source>
        <translation>Paso %1 de 4 del método de corrientes de lazo:</translation>
    </message>
</context>
<context>
    <name>kirvolt::MatrixFormDialog</name>
    <message>
        <source>Matrix Form - %1</source>
        <translation>Forma matricial - %1</translation>
    </message>
    <message>
        <source>Copy as &amp;Text</source>
        <translation>Copiar como &amp;texto</translation>
    </message>
    <message>
        <source>Copy as &amp;LaTeX</source>
        <translation>Copiar como &amp;LaTeX</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshCountDialog</name>
    <message>
        <source>Mesh Current Tutor</source>
        <translation>Tutor del método de mallas</translation>
    </message>
    <message>
        <source>Step 1 of 4 for Mesh Current Analysis:</source>
        <translation>Paso 1 de 4 del método de mallas:</translation>
    </message>
    <message>
        <source>
   Count the number of meshes
    in your circuit.</source>
        <translation>
   Cuente las mallas
    de su circuito.</translation>
    </message>
    <message>
        <source>How many Meshes are there in your circuit ?</source>
        <translation>¿Cuántas mallas tiene su circuito?</translation>
    </message>
    <message>
        <source>Note:
A mesh is a loop of the circuit with no other loop inside it, like a pane of a window.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation>Nota:
Una malla es un lazo del circuito que no contiene ningún otro lazo, como el cristal de una ventana.

Los cables se consideran ideales y no se cuentan como componentes.</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshIntroductionDialog</name>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>There are four steps for the Mesh Current Analysis Method.</source>
        <translation>El método de mallas consta de cuatro pasos.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  pasos</translation>
    </message>
    <message>
        <source>(1)  Count the number of
       meshes in your circuit.</source>
        <translation>(1)  Cuente las mallas
       de su circuito.</translation>
    </message>
    <message>
        <source>(2)   Label the mesh currents.</source>
        <translation>(2)   Nombre las corrientes de malla.</translation>
    </message>
    <message>
        <source>(3)   Deal with the current
       sources.</source>
        <translation>(3)   Trate las fuentes
       de corriente.</translation>
    </message>
    <message>
        <source>(4)   Write mesh current
       equations using KVL.</source>
        <translation>(4)   Escriba las ecuaciones de
       corrientes de malla con la LVK.</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshLabelDialog</name>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Click this button to draw the mesh currents.</source>
        <translation>Haga clic en este botón para dibujar las corrientes de malla.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>

          Label the mesh currents.</source>
        <translation>

          Nombre las corrientes de malla.</translation>
    </message>
    <message>
        <source>The mesh current is designated by In where  &quot;n&quot;  is the mesh number, e.g. the current of mesh 1 is denoted by I1, and mesh 2 by I2, etc. The meshes are numbered in reading order, from the top left.</source>
        <translation>La corriente de malla se designa In, donde  &quot;n&quot;  es el número de la malla; por ejemplo, la corriente de la malla 1 se denota I1, la de la malla 2 I2, etc. Las mallas se numeran en orden de lectura, desde arriba a la izquierda.</translation>
    </message>
    <message>
        <source>Every mesh current runs clockwise round its mesh. When you analyse your circuit with pen and paper, you should follow the same practice here by drawing a clockwise arrow inside each mesh and marking it with its current.</source>
        <translation>Cada corriente de malla circula en sentido horario alrededor de su malla. Cuando analice su circuito con lápiz y papel, siga la misma costumbre dibujando una flecha en sentido horario dentro de cada malla y marcándola con su corriente.</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshPageDialog</name>
    <message>
        <source>

     Deal with the current sources.</source>
        <translation>

     Trate las fuentes de corriente.</translation>
    </message>
    <message>
        <source>

           Write mesh current
         equations using KVL.</source>
        <translation>

           Escriba las ecuaciones de
         corrientes de malla con la LVK.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshSourceDialog</name>
    <message>
        <source>

     Deal with the current sources.</source>
        <translation>

     Trate las fuentes de corriente.</translation>
    </message>
    <message>
        <source>A current source with the outside of the drawing on one side fixes the current of the mesh on its other side; a current source between two meshes joins them into a supermesh. Find them all by clicking inside the meshes of your circuit: a mesh whose current is fixed, or the two meshes of a pair one after the other.</source>
        <translation>Una fuente de corriente que tiene a un lado el exterior del dibujo fija la corriente de la malla del otro lado; una fuente de corriente entre dos mallas las une en una supermalla. Encuéntrelas todas haciendo clic dentro de las mallas de su circuito: una malla cuya corriente está fijada, o las dos mallas de un par una tras otra.</translation>
    </message>
    <message>
        <source>You are looking for:</source>
        <translation>Busca:</translation>
    </message>
    <message>
        <source>A mesh whose current a source fixes</source>
        <translation>Una malla cuya corriente fija una fuente</translation>
    </message>
    <message>
        <source>Two meshes joined by a current source</source>
        <translation>Dos mallas unidas por una fuente de corriente</translation>
    </message>
    <message>
        <source>Click inside a mesh of your circuit.</source>
        <translation>Haga clic dentro de una malla de su circuito.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshTutorDialog</name>
    <message>
        <source>Mesh Current Tutor</source>
        <translation>Tutor del método de mallas</translation>
    </message>
    <message>
        <source>Step %1 of 4 for Mesh Current Analysis:</source>
        <translation>Paso %1 de 4 del método de mallas:</translation>
    </message>
</context>
<context>
    <name>kirvolt::ModifiedNodalNotesDialog</name>
    <message>
        <source>Modified Nodal Analysis</source>
        <translation>Análisis nodal modificado</translation>
    </message>
    <message>
        <source>
Background notes</source>
        <translation>
Nociones previas</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>kirvolt::ModifiedNodalPageDialog</name>
    <message>
        <source>

          Name the unknowns.</source>
        <translation>

          Nombre las incógnitas.</translation>
    </message>
    <message>
        <source>

          Add each element to G and b.</source>
        <translation>

          Añada cada elemento a G y b.</translation>
    </message>
    <message>
        <source>

          Solve the system.</source>
        <translation>

          Resuelva el sistema.</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor</source>
        <translation>Tutor del análisis nodal modificado</translation>
    </message>
    <message>
        <source>Step %1 of 3 for Modified Nodal Analysis:</source>
        <translation>Paso %1 de 3 del análisis nodal modificado:</translation>
    </message>
    <message>
        <source>G · x = b:</source>
        <translation>G · x = b:</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kirvolt::NewExerciseDialog</name>
    <message>
        <source>New Exercise</source>
        <translation>Nuevo ejercicio</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>&amp;Dificultad:</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Semilla:</translation>
    </message>
    <message>
        <source>The same seed and difficulty always give the same exercise.</source>
        <translation>La misma semilla y la misma dificultad dan siempre el mismo ejercicio.</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeCountDialog</name>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation>Tutor del método de nodos</translation>
    </message>
    <message>
        <source>Step 1 of 4 for Nodal Analysis:</source>
        <translation>Paso 1 de 4 del método de nodos:</translation>
    </message>
    <message>
        <source>
   Count the number of nodes
    in your circuit.</source>
        <translation>
   Cuente los nodos
    de su circuito.</translation>
    </message>
    <message>
        <source>How many Nodes are there in your circuit ?</source>
        <translation>¿Cuántos nodos tiene su circuito?</translation>
    </message>
    <message>
        <source>Note:
Node refers to the common connection point where two or more components are joined together.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation>Nota:
Un nodo es el punto de conexión común donde se unen dos o más componentes.

Los cables se consideran ideales y no se cuentan como componentes.</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeEquationsDialog</name>
    <message>
        <source>Nodal Analysis : Node Equations</source>
        <translation>Método de nodos : ecuaciones de nodo</translation>
    </message>
    <message>
        <source>Mesh Current Method : Mesh Equations</source>
        <translation>Método de mallas : ecuaciones de malla</translation>
    </message>
    <message>
        <source>Loop Current Method : Loop Equations</source>
        <translation>Método de corrientes de lazo : ecuaciones de lazo</translation>
    </message>
    <message>
        <source>Equation for Node</source>
        <translation>Ecuación del nodo</translation>
    </message>
    <message>
        <source>Equation for Mesh</source>
        <translation>Ecuación de la malla</translation>
    </message>
    <message>
        <source>Equation for Loop</source>
        <translation>Ecuación del lazo</translation>
    </message>
    <message>
        <source>:-</source>
        <translation>:-</translation>
    </message>
    <message>
        <source>( Selected Datumn Node  =  Node</source>
        <translation>( Nodo de referencia elegido  =  nodo</translation>
    </message>
    <message>
        <source>, voltage at this node is taken as zero. )</source>
        <translation>, la tensión de este nodo se toma como cero. )</translation>
    </message>
    <message>
        <source>( the mesh current runs clockwise round the mesh )</source>
        <translation>( la corriente de malla circula en sentido horario alrededor de la malla )</translation>
    </message>
    <message>
        <source>( the loop current runs through %1 in its own direction )</source>
        <translation>( la corriente de lazo recorre %1 en su propio sentido )</translation>
    </message>
    <message>
        <source>=&gt;</source>
        <translation>=&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeInfoDialog</name>
    <message>
        <source>Component Property</source>
        <translation>Propiedades del componente</translation>
    </message>
    <message>
        <source>Node Name:</source>
        <translation>Nombre del nodo:</translation>
    </message>
    <message>
        <source>Node Voltage:</source>
        <translation>Tensión del nodo:</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeLabelDialog</name>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Click this button to assign the node numbers.</source>
        <translation>Haga clic en este botón para asignar los números de nodo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Step 2 of 4 for Nodal Analysis:</source>
        <translation>Paso 2 de 4 del método de nodos:</translation>
    </message>
    <message>
        <source>

          Label all the nodes.</source>
        <translation>

          Numere todos los nodos.</translation>
    </message>
    <message>
        <source>The node voltage is designated by Vn where  &quot;n&quot;  is the node number, e.g. the node voltage for node 1 is denoted by V1, and node 2 by V2, etc.</source>
        <translation>La tensión de nodo se designa Vn, donde  &quot;n&quot;  es el número del nodo; por ejemplo, la tensión del nodo 1 se denota V1, la del nodo 2 V2, etc.</translation>
    </message>
    <message>
        <source>When you analyse your circuit with pen and paper, you should follow the same practice here by marking each independent nodes in your circuit with a unique node number.</source>
        <translation>Cuando analice su circuito con lápiz y papel, siga la misma costumbre marcando cada nodo independiente de su circuito con un número de nodo único.</translation>
    </message>
</context>
<context>
    <name>kirvolt::OpenCircuit</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
</context>
<context>
    <name>kirvolt::PrintScaleDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Printing Scale:</source>
        <translation>Escala de impresión:</translation>
    </message>
</context>
<context>
    <name>kirvolt::RecoveryStore</name>
    <message>
        <source>Unsaved circuit</source>
        <translation>Circuito sin guardar</translation>
    </message>
</context>
<context>
    <name>kirvolt::TheveninQuestionDialog</name>
    <message>
        <source>Between two &amp;nodes:</source>
        <translation>Entre dos &amp;nodos:</translation>
    </message>
    <message>
        <source>As seen by a &amp;resistor, taken out:</source>
        <translation>Visto desde una &amp;resistencia retirada:</translation>
    </message>
    <message>
        <source>Thévenin Equivalent</source>
        <translation>Equivalente de Thévenin</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>The equivalent gives the voltage of A with respect to B.</source>
        <translation>El equivalente da la tensión de A respecto a B.</translation>
    </message>
</context>
<context>
    <name>kirvolt::TutorDialog</name>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation>Tutor del método de nodos</translation>
    </message>
</context>
<context>
    <name>kirvolt::TutorIntroductionDialog</name>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Background Notes</source>
        <translation>Nociones previas</translation>
    </message>
    <message>
        <source>There are four steps for the Nodal Voltage Analysis Method.</source>
        <translation>El método de tensiones de nodo consta de cuatro pasos.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  pasos</translation>
    </message>
    <message>
        <source>(1)  Count the number of
       nodes in your circuit.</source>
        <translation>(1)  Cuente los nodos
       de su circuito.</translation>
    </message>
    <message>
        <source>(2)   Label all the nodes.</source>
        <translation>(2)   Numere todos los nodos.</translation>
    </message>
    <message>
        <source>(3)   Select a Datum Node.</source>
        <translation>(3)   Elija un nodo de referencia.</translation>
    </message>
    <message>
        <source>(4)   Write node voltage
       equations using KCL.</source>
        <translation>(4)   Escriba las ecuaciones de
       tensiones de nodo con la LCK.</translation>
    </message>
</context>
</TS>
