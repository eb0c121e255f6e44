<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Analysis</name>
    <message>
        <source>Create your circuit first.</source>
        <translation>Cree primero su circuito.</translation>
    </message>
</context>
<context>
    <name>BackgroundNotes</name>
    <message>
        <source>For a network with  &apos;n&apos;  nodes and  &apos;b&apos;  branches excited by active elements, the unknown quantities of interest are the branch voltages and the branch currents of all its elements, which make up  &apos;2b&apos;  unknowns. For every element the branch voltage and current are tied together by the law of that element, like Ohm&apos;s Law, so once one is known the other follows. Hence we need to solve for only &apos;b&apos;  unknowns, one for each branch, to get the current and voltage information about the circuit.
</source>
        <translation>En una red de  &apos;n&apos;  nodos y  &apos;b&apos;  ramas excitada por elementos activos, las incógnitas de interés son las tensiones de rama y las corrientes de rama de todos sus elementos, que suman  &apos;2b&apos;  incógnitas. En cada elemento la tensión y la corriente de rama están ligadas por la ley de ese elemento, como la ley de Ohm, de modo que conocida una se deduce la otra. Por tanto basta con resolver &apos;b&apos;  incógnitas, una por rama, para obtener la información de corrientes y tensiones del circuito.
</translation>
    </message>
    <message>
        <source> These unknowns may either be branch voltage or branch current of the elements. In the Nodal Analysis method we go one step further and use the node voltages as the unknowns. First we select one of the nodes as the common reference node and call it the Datum Node. Its voltage is taken to be zero, and the voltage of every other node is measured with respect to it. The voltage of node 1 is written V1, the voltage of node 2 is written V2, and so on. Each branch of the circuit is connected between two nodes, so the branch voltage of any element is simply the difference of the two node voltages at its ends, e.g. any element connected between node 1 and node 2 has the branch voltage  V1 - V2.  Once the node voltages are known, all the branch voltages follow, and from them all the branch currents by the element laws. In this way the number of unknowns drops from  &apos;b&apos;  to  &apos;n-1&apos;, which is usually a far smaller number. Kirchhoff&apos;s Voltage Law (KVL) is satisfied automatically by the node voltages, because around any closed loop the differences of node voltages always add up to zero. What is still left to be satisfied is Kirchhoff&apos;s Current Law (KCL), which says that the currents leaving a node must add up to the currents entering it. We write one KCL equation for each node except the Datum Node; the equation of the Datum Node is not needed, as it can always be obtained by adding up all of the other equations. This gives exactly  &apos;n-1&apos;  independent equations for the  &apos;n-1&apos; unknown node voltages.</source>
        <translation> Estas incógnitas pueden ser la tensión de rama o la corriente de rama de los elementos. En el método de nodos damos un paso más y usamos como incógnitas las tensiones de nodo. Primero elegimos uno de los nodos como nodo de referencia común y lo llamamos nodo de referencia. Su tensión se toma igual a cero, y la tensión de cada uno de los demás nodos se mide respecto a él. La tensión del nodo 1 se escribe V1, la del nodo 2 se escribe V2, y así sucesivamente. Cada rama del circuito está conectada entre dos nodos, así que la tensión de rama de cualquier elemento es simplemente la diferencia de las tensiones de los dos nodos de sus extremos; por ejemplo, un elemento conectado entre el nodo 1 y el nodo 2 tiene la tensión de rama  V1 - V2.  Conocidas las tensiones de nodo, se obtienen todas las tensiones de rama y, de ellas, todas las corrientes de rama mediante las leyes de los elementos. Así el número de incógnitas baja de  &apos;b&apos;  a  &apos;n-1&apos;, que suele ser un número mucho menor. Las tensiones de nodo cumplen automáticamente la ley de tensiones de Kirchhoff (LVK), porque a lo largo de cualquier lazo cerrado las diferencias de tensiones de nodo siempre suman cero. Lo que queda por cumplir es la ley de corrientes de Kirchhoff (LCK), que dice que las corrientes que salen de un nodo deben sumar lo mismo que las corrientes que entran en él. Escribimos una ecuación de la LCK para cada nodo excepto el nodo de referencia; la ecuación del nodo de referencia no hace falta, ya que siempre puede obtenerse sumando todas las demás ecuaciones. Esto da exactamente  &apos;n-1&apos;  ecuaciones independientes para las  &apos;n-1&apos; tensiones de nodo desconocidas.</translation>
    </message>
    <message>
        <source>  When we write KCL equation for a node, we equate the sum of currents leaving the node via resistors connected to this node to the sum of currents entering the node from Current Sources connected to it. The current leaving node &apos;a&apos; through a resistor R connected to node &apos;b&apos; is  (Va-Vb)/R, where Va and Vb are the node voltages at the two ends of the resistor. If the current actually enters the node, the value of  (Va-Vb)/R  simply comes out negative. A resistor connected between node &apos;a&apos; and the Datum Node carries the current  Va/R  out of node &apos;a&apos;, since the Datum Node is at zero volts. A Current Source pointing into the node is written with a plus sign on the right hand side of the equation, and one pointing away from the node with a minus sign. Ideal Voltage Sources need special care, because the current through them cannot be found from their voltage. Nodes joined together by Voltage Sources are taken as one macro node, and a single KCL equation is written for the whole macro node, while each Voltage Source gives one more equation relating the voltages of the two nodes at its ends. When all  &apos;n-1&apos;  equations are written down, they form a set of simultaneous linear equations in the node voltages, which can be solved by substitution, by elimination, or with the help of matrices and Cramer&apos;s Rule. After you have found the node voltages, always check your answer. Put the node voltages into the equation of each node and work out the current leaving the node through every resistor connected to it, then add up all these currents. The resulting value should be equal to the algebraic sum of Current Sources entering the concerned node.</source>
        <translation>  Al escribir la ecuación de la LCK de un nodo, igualamos la suma de las corrientes que salen del nodo por las resistencias conectadas a él a la suma de las corrientes que entran en el nodo desde las fuentes de corriente conectadas a él. La corriente que sale del nodo &apos;a&apos; por una resistencia R conectada al nodo &apos;b&apos; es  (Va-Vb)/R, donde Va y Vb son las tensiones de nodo en los dos extremos de la resistencia. Si en realidad la corriente entra en el nodo, el valor de  (Va-Vb)/R  simplemente resulta negativo. Una resistencia conectada entre el nodo &apos;a&apos; y el nodo de referencia lleva la corriente  Va/R  hacia fuera del nodo &apos;a&apos;, ya que el nodo de referencia está a cero voltios. Una fuente de corriente que apunta hacia el nodo se escribe con signo más en el segundo miembro de la ecuación, y una que apunta hacia fuera del nodo, con signo menos. Las fuentes de tensión ideales requieren un cuidado especial, porque la corriente que las atraviesa no puede hallarse a partir de su tensión. Los nodos unidos entre sí por fuentes de tensión se toman como un único macronodo, y se escribe una sola ecuación de la LCK para todo el macronodo, mientras que cada fuente de tensión aporta una ecuación más que relaciona las tensiones de los dos nodos de sus extremos. Una vez escritas las  &apos;n-1&apos;  ecuaciones, forman un sistema de ecuaciones lineales simultáneas en las tensiones de nodo, que puede resolverse por sustitución, por eliminación o con ayuda de matrices y la regla de Cramer. Después de hallar las tensiones de nodo, compruebe siempre su respuesta. Sustituya las tensiones de nodo en la ecuación de cada nodo y calcule la corriente que sale del nodo por cada resistencia conectada a él; después sume todas estas corrientes. El valor obtenido debe ser igual a la suma algebraica de las fuentes de corriente que entran en el nodo considerado.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crear un documento nuevo
Nuevo</translation>
    </message>
    <message>
        <source>New Exerc&amp;ise...</source>
        <translation>Nuevo &amp;ejercicio...</translation>
    </message>
    <message>
        <source>Make a circuit to solve, at the difficulty and from the seed chosen
New Exercise</source>
        <translation>Crear un circuito para resolver, con la dificultad y la semilla elegidas
Nuevo ejercicio</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abrir un documento existente
Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Cerrar el documento activo
Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Guardar el documento activo
Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Guardar el documento activo con otro nombre
Guardar como</translation>
    </message>
    <message>
        <source>&amp;Export SPICE Netlist...</source>
        <translation>Exportar netlist de S&amp;PICE...</translation>
    </message>
    <message>
        <source>Write the active circuit as a SPICE netlist
Export SPICE Netlist</source>
        <translation>Escribir el circuito activo como netlist de SPICE
Exportar netlist de SPICE</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimir el documento activo
Imprimir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Mostrar páginas completas
Vista previa de impresión</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Con&amp;figurar impresión...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Cambiar la impresora y las opciones de impresión
Configurar impresión</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>Exportar i&amp;magen...</translation>
    </message>
    <message>
        <source>Save a picture of the circuit as PNG, SVG or PDF
Export Picture</source>
        <translation>Guardar una imagen del circuito como PNG, SVG o PDF
Exportar imagen</translation>
    </message>
    <message>
        <source>Export &amp;Worked Solution...</source>
        <translation>Exportar sol&amp;ución desarrollada...</translation>
    </message>
    <message>
        <source>Save the analysed circuit&apos;s worked solution as HTML or PDF
Export Worked Solution</source>
        <translation>Guardar la solución desarrollada del circuito analizado como HTML o PDF
Exportar solución desarrollada</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Salir de la aplicación; pregunta si guardar los documentos
Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Deshacer la última acción
Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Rehacer la acción deshecha anteriormente
Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Cortar la selección y ponerla en el portapapeles
Cortar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copiar la selección y ponerla en el portapapeles
Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Insertar el contenido del portapapeles
Pegar</translation>
    </message>
    <message>
        <source>De&amp;lete Selection</source>
        <translation>Eliminar &amp;selección</translation>
    </message>
    <message>
        <source>Delete the selection
Delete Selection</source>
        <translation>Eliminar la selección
Eliminar selección</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>Select the entire circuit
Select All</source>
        <translation>Seleccionar todo el circuito
Seleccionar todo</translation>
    </message>
    <message>
        <source>Copy P&amp;icture</source>
        <translation>Copiar &amp;imagen</translation>
    </message>
    <message>
        <source>Put a picture of the circuit on the Clipboard
Copy Picture</source>
        <translation>Poner una imagen del circuito en el portapapeles
Copiar imagen</translation>
    </message>
    <message>
        <source>R&amp;otate</source>
        <translation>&amp;Girar</translation>
    </message>
    <message>
        <source>Rotate Component
Rotate</source>
        <translation>Girar el componente
Girar</translation>
    </message>
    <message>
        <source>M&amp;irror</source>
        <translation>Re&amp;flejar</translation>
    </message>
    <message>
        <source>Mirror Component
Mirror</source>
        <translation>Reflejar el componente
Reflejar</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mover</translation>
    </message>
    <message>
        <source>Move a Component
Move</source>
        <translation>Mover un componente
Mover</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete a Component
Delete</source>
        <translation>Eliminar un componente
Eliminar</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Show the Component Information
Info</source>
        <translation>Mostrar la información del componente
Info</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Edit the Value of a Component
Value</source>
        <translation>Editar el valor de un componente
Valor</translation>
    </message>
    <message>
        <source>Assign Node Numbers</source>
        <translation>Asignar números de nodo</translation>
    </message>
    <message>
        <source>Assign new Node Number to the nodes of the circuit
Assign Node Numbers</source>
        <translation>Asignar nuevos números de nodo a los nodos del circuito
Asignar números de nodo</translation>
    </message>
    <message>
        <source>Hide/Show node numbers</source>
        <translation>Ocultar/mostrar números de nodo</translation>
    </message>
    <message>
        <source>Hide/Show thr Node Numbers of the circuit
Hide/Show node numbers</source>
        <translation>Ocultar/mostrar los números de nodo del circuito
Ocultar/mostrar números de nodo</translation>
    </message>
    <message>
        <source>Set Datum Node</source>
        <translation>Fijar nodo de referencia</translation>
    </message>
    <message>
        <source>Set a node in the circuit as Datum Node
Set Datum Node</source>
        <translation>Fijar un nodo del circuito como nodo de referencia
Fijar nodo de referencia</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostrar u ocultar la barra de herramientas
Alternar barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Command Toolbar</source>
        <translation>Barra de ó&amp;rdenes</translation>
    </message>
    <message>
        <source>Show or Hide the Command Toolbar
Toggle Command Toolbar</source>
        <translation>Mostrar u ocultar la barra de órdenes
Alternar barra de órdenes</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostrar u ocultar la barra de estado
Alternar barra de estado</translation>
    </message>
    <message>
        <source>&amp;No Grid</source>
        <translation>Si&amp;n cuadrícula</translation>
    </message>
    <message>
        <source>Hide the Grid Display
Hide Grid</source>
        <translation>Ocultar la cuadrícula
Ocultar cuadrícula</translation>
    </message>
    <message>
        <source>&amp;Dot Grid</source>
        <translation>Cuadrícula de &amp;puntos</translation>
    </message>
    <message>
        <source>Show the Display of the Dot Grid
Dot Grid</source>
        <translation>Mostrar la cuadrícula de puntos
Cuadrícula de puntos</translation>
    </message>
    <message>
        <source>S&amp;quare Grid</source>
        <translation>Cuadrícula c&amp;uadrada</translation>
    </message>
    <message>
        <source>Show the Display of Orhtogonal Grid
Square Grid</source>
        <translation>Mostrar la cuadrícula ortogonal
Cuadrícula cuadrada</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>150%</source>
        <translation>150%</translation>
    </message>
    <message>
        <source>200%</source>
        <translation>200%</translation>
    </message>
    <message>
        <source>250%</source>
        <translation>250%</translation>
    </message>
    <message>
        <source>300%</source>
        <translation>300%</translation>
    </message>
    <message>
        <source>350%</source>
        <translation>350%</translation>
    </message>
    <message>
        <source>400%</source>
        <translation>400%</translation>
    </message>
    <message>
        <source>450%</source>
        <translation>450%</translation>
    </message>
    <message>
        <source>500%</source>
        <translation>500%</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom In
zoom in</source>
        <translation>Acercar
acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom Out
zoom out</source>
        <translation>Alejar
alejar</translation>
    </message>
    <message>
        <source>Zoom In or Out</source>
        <translation>Acercar o alejar</translation>
    </message>
    <message>
        <source>Zoom In or Out
scale</source>
        <translation>Acercar o alejar
escala</translation>
    </message>
    <message>
        <source>&amp;European Style</source>
        <translation>Estilo eur&amp;opeo</translation>
    </message>
    <message>
        <source>Display all Resistors in European Style
EU Style</source>
        <translation>Mostrar todas las resistencias en estilo europeo
Estilo europeo</translation>
    </message>
    <message>
        <source>&amp;US Style</source>
        <translation>Estilo es&amp;tadounidense</translation>
    </message>
    <message>
        <source>Dsiplay all Resistors in US Style
US Style</source>
        <translation>Mostrar todas las resistencias en estilo estadounidense
Estilo estadounidense</translation>
    </message>
    <message>
        <source>&amp;Re-Draw</source>
        <translation>Re&amp;dibujar</translation>
    </message>
    <message>
        <source>Re-Draw
Re-Draw</source>
        <translation>Redibujar
Redibujar</translation>
    </message>
    <message>
        <source>Using Nodal Analysis</source>
        <translation>Con el método de nodos</translation>
    </message>
    <message>
        <source>&amp;Matrix Form</source>
        <translation>Forma &amp;matricial</translation>
    </message>
    <message>
        <source>Show the analysed circuit&apos;s modified nodal system G x = b, to read or to copy
Matrix Form</source>
        <translation>Mostrar el sistema nodal modificado G x = b del circuito analizado, para leerlo o copiarlo
Forma matricial</translation>
    </message>
    <message>
        <source>&amp;Formulas</source>
        <translation>&amp;Fórmulas</translation>
    </message>
    <message>
        <source>Show every node voltage as a formula in the elements&apos; names, with its value
Formulas</source>
        <translation>Mostrar cada tensión de nodo como una fórmula en los nombres de los elementos, con su valor
Fórmulas</translation>
    </message>
    <message>
        <source>Show equation</source>
        <translation>Mostrar ecuación</translation>
    </message>
    <message>
        <source>Show voltage-current equation and calculation steps.
Show equation</source>
        <translation>Mostrar la ecuación tensión-corriente y los pasos del cálculo.
Mostrar ecuación</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message>
        <source>Select Component Mode
Select</source>
        <translation>Modo de selección de componentes
Seleccionar</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Resistencia</translation>
    </message>
    <message>
        <source>Insert a Resistor to the circuit
Resistor</source>
        <translation>Insertar una resistencia en el circuito
Resistencia</translation>
    </message>
    <message>
        <source>&amp;Voltage Source</source>
        <translation>Fuente de &amp;tensión</translation>
    </message>
    <message>
        <source>Insert a Voltage Source to the circuit
Voltage Source</source>
        <translation>Insertar una fuente de tensión en el circuito
Fuente de tensión</translation>
    </message>
    <message>
        <source>&amp;Current Source</source>
        <translation>Fuente de &amp;corriente</translation>
    </message>
    <message>
        <source>Insert a Current Source to the circuit
Current Source</source>
        <translation>Insertar una fuente de corriente en el circuito
Fuente de corriente</translation>
    </message>
    <message>
        <source>&amp;Ammeter</source>
        <translation>&amp;Amperímetro</translation>
    </message>
    <message>
        <source>Insert Ammeter
Ammeter</source>
        <translation>Insertar un amperímetro
Amperímetro</translation>
    </message>
    <message>
        <source>V&amp;oltmeter</source>
        <translation>&amp;Voltímetro</translation>
    </message>
    <message>
        <source>Insert Voltmeter
Voltmeter</source>
        <translation>Insertar un voltímetro
Voltímetro</translation>
    </message>
    <message>
        <source>&amp;Wire</source>
        <translation>Ca&amp;ble</translation>
    </message>
    <message>
        <source>Place a Wire to Connect Components
Wire</source>
        <translation>Colocar un cable para conectar componentes
Cable</translation>
    </message>
    <message>
        <source>Turning Wire, &amp;Across First</source>
        <translation>Cable en ángulo, primero &amp;horizontal</translation>
    </message>
    <message>
        <source>Connect Wire with Right-Angle Turn
Turning Wire</source>
        <translation>Conectar un cable con un giro en ángulo recto
Cable en ángulo</translation>
    </message>
    <message>
        <source>Turning Wire, Up or D&amp;own First</source>
        <translation>Cable en ángulo, primero vert&amp;ical</translation>
    </message>
    <message>
        <source>Connect Wire with Right-Angled Turn
Turning Wire</source>
        <translation>Conectar un cable con un giro en ángulo recto
Cable en ángulo</translation>
    </message>
    <message>
        <source>&amp;Joint</source>
        <translation>&amp;Unión</translation>
    </message>
    <message>
        <source>Made a joint between two or more Components
Joint</source>
        <translation>Hacer una unión entre dos o más componentes
Unión</translation>
    </message>
    <message>
        <source>&amp;Eastwards</source>
        <translation>Hacia el &amp;este</translation>
    </message>
    <message>
        <source>Set Component Direction to the East
East</source>
        <translation>Orientar el componente hacia el este
Este</translation>
    </message>
    <message>
        <source>&amp;Northwards</source>
        <translation>Hacia el &amp;norte</translation>
    </message>
    <message>
        <source>Set Component Direction to the North
North</source>
        <translation>Orientar el componente hacia el norte
Norte</translation>
    </message>
    <message>
        <source>&amp;Westwar&amp;ds</source>
        <translation>Hacia el &amp;oeste</translation>
    </message>
    <message>
        <source>Set Component Direction to the West
West</source>
        <translation>Orientar el componente hacia el oeste
Oeste</translation>
    </message>
    <message>
        <source>So&amp;uthwards</source>
        <translation>Hacia el s&amp;ur</translation>
    </message>
    <message>
        <source>Set Component Direction to the South
South</source>
        <translation>Orientar el componente hacia el sur
Sur</translation>
    </message>
    <message>
        <source>Node Voltage Method</source>
        <translation>Método de nodos</translation>
    </message>
    <message>
        <source>Mesh Current Method</source>
        <translation>Método de mallas</translation>
    </message>
    <message>
        <source>Loop Current Method</source>
        <translation>Método de corrientes de lazo</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Compute Voltages &amp; Currents
Compute</source>
        <translation>Calcular tensiones y corrientes
Calcular</translation>
    </message>
    <message>
        <source>Electrical &amp;Rule Check</source>
        <translation>Comprobación de &amp;reglas eléctricas</translation>
    </message>
    <message>
        <source>Electrical Rule Check
ERC</source>
        <translation>Comprobación de reglas eléctricas
ERC</translation>
    </message>
    <message>
        <source>Thévenin Equivalent...</source>
        <translation>Equivalente de Thévenin...</translation>
    </message>
    <message>
        <source>Find the Thévenin and Norton equivalents between two nodes or as seen by a resistor
Thévenin Equivalent</source>
        <translation>Hallar los equivalentes de Thévenin y de Norton entre dos nodos o vistos desde una resistencia
Equivalente de Thévenin</translation>
    </message>
    <message>
        <source>Superposition</source>
        <translation>Superposición</translation>
    </message>
    <message>
        <source>Solve the circuit once for each source with the others set to zero, and add the parts
Superposition</source>
        <translation>Resolver el circuito una vez por cada fuente con las demás anuladas, y sumar las partes
Superposición</translation>
    </message>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation>Tutor del método de nodos</translation>
    </message>
    <message>
        <source>This will guide you through the steps in the Nodal Analysis Process
Nodal Analysis Tutor</source>
        <translation>Le guiará por los pasos del método de nodos
Tutor del método de nodos</translation>
    </message>
    <message>
        <source>Check My Node Equation</source>
        <translation>Comprobar mi ecuación de nodo</translation>
    </message>
    <message>
        <source>Click a node, type its KCL equation and let Kirvolt check it
Check My Node Equation</source>
        <translation>Haga clic en un nodo, escriba su ecuación de la LCK y deje que Kirvolt la compruebe
Comprobar mi ecuación de nodo</translation>
    </message>
    <message>
        <source>Check My Mesh Equation</source>
        <translation>Comprobar mi ecuación de malla</translation>
    </message>
    <message>
        <source>Click inside a mesh, type its KVL equation and let Kirvolt check it
Check My Mesh Equation</source>
        <translation>Haga clic dentro de una malla, escriba su ecuación de la LVK y deje que Kirvolt la compruebe
Comprobar mi ecuación de malla</translation>
    </message>
    <message>
        <source>Set Print Scale</source>
        <translation>Fijar escala de impresión</translation>
    </message>
    <message>
        <source>Set the scale factor for printing hardcopy.
Set Print Scale</source>
        <translation>Fijar el factor de escala para imprimir en papel.
Fijar escala de impresión</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nueva ventana</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Abrir otra ventana para el documento activo
Nueva ventana</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Organizar las ventanas superpuestas
Ventanas en cascada</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Organizar las ventanas en mosaico sin superponerse
Ventanas en mosaico</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Organizar iconos</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Organizar los iconos en la parte inferior de la ventana
Organizar iconos</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Panel siguiente</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Pasar al siguiente panel de la ventana
Panel siguiente</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Panel anterior</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Volver al panel anterior de la ventana
Panel anterior</translation>
    </message>
    <message>
        <source>&amp;About Kirvolt...</source>
        <translation>&amp;Acerca de Kirvolt...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostrar la información del programa, el número de versión y el copyright
Acerca de</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy Component
Copy</source>
        <translation>Copiar el componente
Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Cut Component
Cut</source>
        <translation>Cortar el componente
Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Paste Component
Paste</source>
        <translation>Pegar el componente
Pegar</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Agrupar</translation>
    </message>
    <message>
        <source>Group Component
Group</source>
        <translation>Agrupar componentes
Agrupar</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor</source>
        <translation>Tutor del análisis nodal modificado</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor
Modified Nodal Analysis Tutor</source>
        <translation>Tutor del análisis nodal modificado
Tutor del análisis nodal modificado</translation>
    </message>
    <message>
        <source>Loop Current Tutor</source>
        <translation>Tutor de corrientes de lazo</translation>
    </message>
    <message>
        <source>Loop Current Tutor
Loop Current Tutor</source>
        <translation>Tutor de corrientes de lazo
Tutor de corrientes de lazo</translation>
    </message>
    <message>
        <source>Mesh Current Tutor</source>
        <translation>Tutor del método de mallas</translation>
    </message>
    <message>
        <source>Mesh Current Tutor
Mesh Current Tutor</source>
        <translation>Tutor del método de mallas
Tutor del método de mallas</translation>
    </message>
    <message>
        <source>Chord Current Tutor</source>
        <translation>Tutor de corrientes de cuerda</translation>
    </message>
    <message>
        <source>Chord Current 
Chord Current Tutor</source>
        <translation>Corrientes de cuerda 
Tutor de corrientes de cuerda</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Name Component
Name</source>
        <translation>Dar nombre al componente
Nombre</translation>
    </message>
    <message>
        <source>Describe Circuit</source>
        <translation>Describir circuito</translation>
    </message>
    <message>
        <source>Put the whole circuit in words in a window that a screen reader reads
Describe Circuit</source>
        <translation>Poner todo el circuito en palabras en una ventana que lee un lector de pantalla
Describir circuito</translation>
    </message>
</context>
<context>
    <name>ChordTutor</name>
    <message>
        <source>Your tree has %1 branch: %2.</source>
        <translation>Su árbol tiene %1 rama: %2.</translation>
    </message>
    <message>
        <source>Your tree has %1 branches: %2.</source>
        <translation>Su árbol tiene %1 ramas: %2.</translation>
    </message>
    <message>
        <source>The other branch is its chord: %1.</source>
        <translation>La otra rama es su cuerda: %1.</translation>
    </message>
    <message>
        <source>The other branches are its chords: %1.</source>
        <translation>Las demás ramas son sus cuerdas: %1.</translation>
    </message>
    <message>
        <source>Each chord closes one loop with the tree. The current of that loop runs through the chord in the chord&apos;s own direction and is named after it: %1.</source>
        <translation>Cada cuerda cierra un lazo con el árbol. La corriente de ese lazo recorre la cuerda en el propio sentido de la cuerda y recibe su nombre: %1.</translation>
    </message>
    <message>
        <source>%1 is a current source, so its loop current is its own current and known beforehand.</source>
        <translation>%1 es una fuente de corriente, así que su corriente de lazo es su propia corriente y se conoce de antemano.</translation>
    </message>
    <message>
        <source>%1 are current sources, so their loop currents are their own currents and known beforehand.</source>
        <translation>%1 son fuentes de corriente, así que sus corrientes de lazo son sus propias corrientes y se conocen de antemano.</translation>
    </message>
    <message>
        <source>There is %1 loop current, so %1 loop equation is needed, one for each chord.</source>
        <translation>Hay %1 corriente de lazo, así que se necesita %1 ecuación de lazo, una por cada cuerda.</translation>
    </message>
    <message>
        <source>There are %1 loop currents, so %1 loop equations are needed, one for each chord.</source>
        <translation>Hay %1 corrientes de lazo, así que se necesitan %1 ecuaciones de lazo, una por cada cuerda.</translation>
    </message>
    <message>
        <source>Loop %1 of %2: %3</source>
        <translation>Lazo %1 de %2: %3</translation>
    </message>
    <message>
        <source>%1 closes it with the tree. Going round it in the direction of %2, it runs through %3.</source>
        <translation>%1 lo cierra con el árbol. Recorriéndolo en el sentido de %2, pasa por %3.</translation>
    </message>
    <message>
        <source>The following shows how you write your equation:

Going round a loop in the direction of its current, each resistor drops its resistance times the current through it: the loop&apos;s own current, with the current of every other loop through that resistor added where it runs the same way and taken away where it runs against. The EMFs met from %1 to + stand on the right.

For the loop of R3, closed by a tree of E1 and R1, where the loop of R4 also runs through R1 the same way:

        R3·I_R3 + R1·(I_R3 + I_R4) = E1

The loop of a current source J1 needs no KVL equation: its current is the source&apos;s, I_J1 = J1.

Loop equations in your circuit may be prepared in a similar fashion.</source>
        <translation>Así se escribe la ecuación:

Recorriendo un lazo en el sentido de su corriente, en cada resistencia cae su resistencia por la corriente que la atraviesa: la corriente propia del lazo, sumándole la corriente de cada otro lazo que pasa por esa resistencia donde circula en el mismo sentido y restándola donde circula en sentido contrario. Las f.e.m. encontradas de %1 a + se ponen en el segundo miembro.

Para el lazo de R3, cerrado por un árbol de E1 y R1, donde el lazo de R4 también recorre R1 en el mismo sentido:

        R3·I_R3 + R1·(I_R3 + I_R4) = E1

El lazo de una fuente de corriente J1 no necesita ecuación de la LVK: su corriente es la de la fuente, I_J1 = J1.

Las ecuaciones de lazo de su circuito pueden prepararse de forma similar.</translation>
    </message>
</context>
<context>
    <name>CircuitEditor</name>
    <message>
        <source>Kirvolt default procedure for MouseMove is called, move cursor out of client area and press [Enter].</source>
        <translation>Se ha llamado al procedimiento predeterminado de Kirvolt para MouseMove; saque el cursor del área de trabajo y pulse [Intro].</translation>
    </message>
</context>
<context>
    <name>CircuitFile</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Formato de archivo inesperado.</translation>
    </message>
    <message>
        <source>a name or label is too long for a circuit file</source>
        <translation>un nombre o una etiqueta es demasiado largo para un archivo de circuito</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
</context>
<context>
    <name>CircuitWords</name>
    <message>
        <source>picoohm</source>
        <translation>picoohmios</translation>
    </message>
    <message>
        <source>nanoohm</source>
        <translation>nanoohmios</translation>
    </message>
    <message>
        <source>microohm</source>
        <translation>microohmios</translation>
    </message>
    <message>
        <source>milliohm</source>
        <translation>miliohmios</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohmios</translation>
    </message>
    <message>
        <source>kilohm</source>
        <translation>kiloohmios</translation>
    </message>
    <message>
        <source>megohm</source>
        <translation>megaohmios</translation>
    </message>
    <message>
        <source>gigohm</source>
        <translation>gigaohmios</translation>
    </message>
    <message>
        <source>teraohm</source>
        <translation>teraohmios</translation>
    </message>
    <message>
        <source>picovolt</source>
        <translation>picovoltios</translation>
    </message>
    <message>
        <source>nanovolt</source>
        <translation>nanovoltios</translation>
    </message>
    <message>
        <source>microvolt</source>
        <translation>microvoltios</translation>
    </message>
    <message>
        <source>millivolt</source>
        <translation>milivoltios</translation>
    </message>
    <message>
        <source>volt</source>
        <translation>voltios</translation>
    </message>
    <message>
        <source>kilovolt</source>
        <translation>kilovoltios</translation>
    </message>
    <message>
        <source>megavolt</source>
        <translation>megavoltios</translation>
    </message>
    <message>
        <source>gigavolt</source>
        <translation>gigavoltios</translation>
    </message>
    <message>
        <source>teravolt</source>
        <translation>teravoltios</translation>
    </message>
    <message>
        <source>picoampere</source>
        <translation>picoamperios</translation>
    </message>
    <message>
        <source>nanoampere</source>
        <translation>nanoamperios</translation>
    </message>
    <message>
        <source>microampere</source>
        <translation>microamperios</translation>
    </message>
    <message>
        <source>milliampere</source>
        <translation>miliamperios</translation>
    </message>
    <message>
        <source>ampere</source>
        <translation>amperios</translation>
    </message>
    <message>
        <source>kiloampere</source>
        <translation>kiloamperios</translation>
    </message>
    <message>
        <source>megaampere</source>
        <translation>megaamperios</translation>
    </message>
    <message>
        <source>gigaampere</source>
        <translation>gigaamperios</translation>
    </message>
    <message>
        <source>teraampere</source>
        <translation>teraamperios</translation>
    </message>
    <message>
        <source>resistor</source>
        <translation>resistencia</translation>
    </message>
    <message>
        <source>voltage source</source>
        <translation>fuente de tensión</translation>
    </message>
    <message>
        <source>current source</source>
        <translation>fuente de corriente</translation>
    </message>
    <message>
        <source>ammeter</source>
        <translation>amperímetro</translation>
    </message>
    <message>
        <source>voltmeter</source>
        <translation>voltímetro</translation>
    </message>
    <message>
        <source>element</source>
        <translation>elemento</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>from node %1 to node %2</source>
        <translation>del nodo %1 al nodo %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>, %1</source>
        <translation>, %1</translation>
    </message>
    <message>
        <source>, reads nothing: %1</source>
        <translation>, no marca nada: %1</translation>
    </message>
    <message>
        <source>, reads %1</source>
        <translation>, marca %1</translation>
    </message>
    <message>
        <source>, p.d. %1, current %2</source>
        <translation>, tensión %1, corriente %2</translation>
    </message>
    <message>
        <source>joint of node %1</source>
        <translation>unión del nodo %1</translation>
    </message>
    <message>
        <source>joint</source>
        <translation>unión</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>menos %1</translation>
    </message>
    <message>
        <source>The drawing is empty.</source>
        <translation>El dibujo está vacío.</translation>
    </message>
    <message>
        <source>The circuit has %1 elements and %2 joints, read row by row from the top left.</source>
        <translation>El circuito tiene %1 elementos y %2 uniones, leídos fila a fila desde arriba a la izquierda.</translation>
    </message>
    <message>
        <source>It has %1 nodes; the datum node is node %2.</source>
        <translation>Tiene %1 nodos; el nodo de referencia es el nodo %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The numbers are those of the last analysis.</source>
        <translation>Los números son los del último análisis.</translation>
    </message>
    <message>
        <source>It has not been analysed as it is drawn now.</source>
        <translation>No se ha analizado tal como está dibujado ahora.</translation>
    </message>
</context>
<context>
    <name>CircuitWordsWindow</name>
    <message>
        <source>Describe Circuit</source>
        <translation>Describir circuito</translation>
    </message>
    <message>
        <source>The whole circuit in words, one element or joint a line</source>
        <translation>Todo el circuito en palabras, un elemento o unión por línea</translation>
    </message>
    <message>
        <source>The circuit in words</source>
        <translation>El circuito en palabras</translation>
    </message>
    <message>
        <source>Each line is one element or joint, read row by row from the top left</source>
        <translation>Cada línea es un elemento o una unión, leídos fila a fila desde arriba a la izquierda</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>The Clipboard holds no circuit that Kirvolt can paste.</source>
        <translation>El portapapeles no contiene ningún circuito que Kirvolt pueda pegar.</translation>
    </message>
    <message>
        <source>The circuit on the Clipboard reaches too far to be pasted here.</source>
        <translation>El circuito del portapapeles llega demasiado lejos para pegarlo aquí.</translation>
    </message>
</context>
<context>
    <name>CurrentSourceQuiz</name>
    <message>
        <source>Found:  %1 of %2  meshes whose current a source fixes,  %3 of %4  pairs of meshes joined by a current source.</source>
        <translation>Encontradas:  %1 de %2  mallas cuya corriente fija una fuente,  %3 de %4  pares de mallas unidas por una fuente de corriente.</translation>
    </message>
    <message>
        <source>You have found what every current source does to the meshes.

Go ahead with your analysis.</source>
        <translation>Ha encontrado lo que cada fuente de corriente hace con las mallas.

Continúe con su análisis.</translation>
    </message>
    <message>
        <source>That point is inside no mesh.

Click inside one of the meshes of your circuit.</source>
        <translation>Ese punto no está dentro de ninguna malla.

Haga clic dentro de una de las mallas de su circuito.</translation>
    </message>
    <message>
        <source>Mesh %1 chosen.

Now click the other mesh of the pair.</source>
        <translation>Malla %1 elegida.

Ahora haga clic en la otra malla del par.</translation>
    </message>
    <message>
        <source>Mesh %1 is chosen already.

Click the mesh on the other side of the current source.</source>
        <translation>La malla %1 ya está elegida.

Haga clic en la malla del otro lado de la fuente de corriente.</translation>
    </message>
    <message>
        <source>You have found mesh %1 already.</source>
        <translation>Ya ha encontrado la malla %1.</translation>
    </message>
    <message>
        <source>Terrific! You got it.

%1

        %2

The current of mesh %3 is known, so mesh %3 needs no KVL equation.</source>
        <translation>¡Estupendo! Lo ha conseguido.

%1

        %2

La corriente de la malla %3 es conocida, así que la malla %3 no necesita ecuación de la LVK.</translation>
    </message>
    <message>
        <source>Sorry,

%1 on mesh %2 fixes no mesh current on its own: it lies between meshes %3 and carries the difference of their currents.

Look for a current source on the outside of the drawing, or click the two meshes it joins as a pair.</source>
        <translation>Lo siento,

%1 en la malla %2 no fija por sí sola ninguna corriente de malla: está entre las mallas %3 y lleva la diferencia de sus corrientes.

Busque una fuente de corriente en el exterior del dibujo, o haga clic en las dos mallas que une como un par.</translation>
    </message>
    <message>
        <source>Sorry,

no current source lies on mesh %1, so its current is unknown and mesh %1 gets a KVL equation,

please check your circuit carefully

and try again.</source>
        <translation>Lo siento,

en la malla %1 no hay ninguna fuente de corriente, así que su corriente es desconocida y la malla %1 lleva una ecuación de la LVK,

revise su circuito con atención

e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>You have found meshes %1 already.</source>
        <translation>Ya ha encontrado las mallas %1.</translation>
    </message>
    <message>
        <source>Terrific! You got it.

%1</source>
        <translation>¡Estupendo! Lo ha conseguido.

%1</translation>
    </message>
    <message>
        <source>Sorry,

meshes %1 do not touch, so no current source joins them,

please check your circuit carefully

and try again.</source>
        <translation>Lo siento,

las mallas %1 no se tocan, así que ninguna fuente de corriente las une,

revise su circuito con atención

e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Sorry,

meshes %1 share only %2, and no current source, so they are not joined into a supermesh,

please check your circuit carefully

and try again.</source>
        <translation>Lo siento,

las mallas %1 solo comparten %2, y ninguna fuente de corriente, así que no se unen en una supermalla,

revise su circuito con atención

e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Meshes %1 form a supermesh: one KVL equation goes round the whole supermesh, leaving out %2 and any other current source inside it.</source>
        <translation>Las mallas %1 forman una supermalla: una ecuación de la LVK recorre toda la supermalla, dejando fuera %2 y cualquier otra fuente de corriente de su interior.</translation>
    </message>
    <message>
        <source>Another current source fixes the current of one of these meshes, so this equation gives the other its current and no KVL equation is needed.</source>
        <translation>Otra fuente de corriente fija la corriente de una de estas mallas, así que esta ecuación da a la otra su corriente y no hace falta ecuación de la LVK.</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Will be ready in the next version.</source>
        <translation>Estará disponible en la próxima versión.</translation>
    </message>
</context>
<context>
    <name>DrawnNumbers</name>
    <message>
        <source>The circuit has changed since these numbers.</source>
        <translation>El circuito ha cambiado desde estos números.</translation>
    </message>
</context>
<context>
    <name>EditSteps</name>
    <message>
        <source>Joint</source>
        <translation>Unión</translation>
    </message>
    <message>
        <source>Place Joint</source>
        <translation>Colocar unión</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Eliminar %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Mover %1</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>Colocar %1</translation>
    </message>
    <message>
        <source>Draw %1</source>
        <translation>Dibujar %1</translation>
    </message>
    <message>
        <source>Rename Node %1</source>
        <translation>Renombrar nodo %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
    <message>
        <source>Set Datum Node %1</source>
        <translation>Fijar nodo de referencia %1</translation>
    </message>
</context>
<context>
    <name>EquationCheck</name>
    <message>
        <source>Check My Mesh Equation : Loop of %1</source>
        <translation>Comprobar mi ecuación de malla : lazo de %1</translation>
    </message>
    <message>
        <source>Check My Node Equation : Node %1</source>
        <translation>Comprobar mi ecuación de nodo : nodo %1</translation>
    </message>
    <message>
        <source>Check My Mesh Equation : Mesh %1</source>
        <translation>Comprobar mi ecuación de malla : malla %1</translation>
    </message>
</context>
<context>
    <name>EquationsPanel</name>
    <message>
        <source>Nodal Equations for the circuit drawn above are:</source>
        <translation>Las ecuaciones de nodo del circuito dibujado arriba son:</translation>
    </message>
    <message>
        <source>no reading</source>
        <translation>sin lectura</translation>
    </message>
</context>
<context>
    <name>Exercises</name>
    <message>
        <source>%1 node besides the datum</source>
        <translation>%1 nodo además del de referencia</translation>
    </message>
    <message>
        <source>%1 nodes besides the datum</source>
        <translation>%1 nodos además del de referencia</translation>
    </message>
    <message>
        <source>%1 voltage source</source>
        <translation>%1 fuente de tensión</translation>
    </message>
    <message>
        <source>%1 voltage sources</source>
        <translation>%1 fuentes de tensión</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 current source</source>
        <translation>%1 fuente de corriente</translation>
    </message>
    <message>
        <source>%1 current sources</source>
        <translation>%1 fuentes de corriente</translation>
    </message>
    <message>
        <source>An exercise has from 1 to %1 nodes besides the datum.</source>
        <translation>Un ejercicio tiene de 1 a %1 nodos además del de referencia.</translation>
    </message>
    <message>
        <source>An exercise cannot have a negative number of sources.</source>
        <translation>Un ejercicio no puede tener un número negativo de fuentes.</translation>
    </message>
    <message>
        <source>An exercise needs at least one voltage source or current source:
without one every voltage is 0 V.</source>
        <translation>Un ejercicio necesita al menos una fuente de tensión o de corriente:
sin ninguna, todas las tensiones son 0 V.</translation>
    </message>
    <message>
        <source>An exercise with %1 can have at most %2:
one more would close a loop of voltage sources.</source>
        <translation>Un ejercicio con %1 puede tener como máximo %2:
una más cerraría un lazo de fuentes de tensión.</translation>
    </message>
    <message>
        <source>An exercise with %1 can have at most %2 current sources:
more would crowd the drawing.</source>
        <translation>Un ejercicio con %1 puede tener como máximo %2 fuentes de corriente:
más llenarían demasiado el dibujo.</translation>
    </message>
    <message>
        <source>No exercise of this size with two meshes or more, drawn without a crossing, comes from this seed; try another seed or more nodes.</source>
        <translation>Esta semilla no da ningún ejercicio de este tamaño con dos mallas o más dibujado sin cruces; pruebe otra semilla o más nodos.</translation>
    </message>
    <message>
        <source>No solvable exercise of this size comes from this seed; try another seed.</source>
        <translation>Esta semilla no da ningún ejercicio resoluble de este tamaño; pruebe otra semilla.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>A picture is written as a .png, .svg or .pdf file.</source>
        <translation>Una imagen se escribe como archivo .png, .svg o .pdf.</translation>
    </message>
    <message>
        <source>A worked solution is written as a .html or .pdf file.</source>
        <translation>Una solución desarrollada se escribe como archivo .html o .pdf.</translation>
    </message>
    <message>
        <source>A worksheet is written as a .html or .pdf file.</source>
        <translation>Una hoja de ejercicios se escribe como archivo .html o .pdf.</translation>
    </message>
    <message>
        <source>Create your circuit first.</source>
        <translation>Cree primero su circuito.</translation>
    </message>
    <message>
        <source>PNG and PDF files cannot be written: this program was built without Qt.</source>
        <translation>No se pueden escribir archivos PNG ni PDF: este programa se compiló sin Qt.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>it is larger than any circuit of the drawing area could be</source>
        <translation>es más grande de lo que podría ser cualquier circuito del área de dibujo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>se ha agotado la cuota de disco</translation>
    </message>
    <message>
        <source>the file is larger than the disk or the system allows</source>
        <translation>el archivo es más grande de lo que permite el disco o el sistema</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>el disco notificó un error</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>hay demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>No se encontró %1.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contiene una ruta no válida.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Se denegó el acceso a %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Se produjo una infracción de uso compartido al acceder a %1.</translation>
    </message>
    <message>
        <source>Kirvolt could not open %1: %2.</source>
        <translation>Kirvolt no pudo abrir %1: %2.</translation>
    </message>
    <message>
        <source>Kirvolt could not save %1: %2.</source>
        <translation>Kirvolt no pudo guardar %1: %2.</translation>
    </message>
</context>
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
    <name>Formulas</name>
    <message>
        <source>Formulas are worked out for circuits of at most %1 unknowns; this one has %2.</source>
        <translation>Las fórmulas se obtienen para circuitos de %1 incógnitas como máximo; este tiene %2.</translation>
    </message>
    <message>
        <source>The node equations have no unique solution in letters.</source>
        <translation>Las ecuaciones de nodo no tienen solución única en letras.</translation>
    </message>
    <message>
        <source>Formulas need GiNaC, the library for symbolic algebra (Debian&apos;s libginac-dev), and this Kirvolt was built without it.</source>
        <translation>Las fórmulas necesitan GiNaC, la biblioteca de álgebra simbólica (libginac-dev de Debian), y este Kirvolt se compiló sin ella.</translation>
    </message>
</context>
<context>
    <name>FormulasWindow</name>
    <message>
        <source>Formulas</source>
        <translation>Fórmulas</translation>
    </message>
    <message>
        <source>Every node voltage as a formula in the elements&apos; names, with its value</source>
        <translation>Cada tensión de nodo como una fórmula en los nombres de los elementos, con su valor</translation>
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
    <name>LanguageMenu</name>
    <message>
        <source>Kirvolt speaks the language chosen from its next start.</source>
        <translation>Kirvolt hablará el idioma elegido a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>The netlist is too large to draw within the drawing area.</source>
        <translation>La netlist es demasiado grande para dibujarla dentro del área de dibujo.</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list but the last two, as in &quot;R1, R2 and R3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list, as in &quot;R1, R2 and R3&quot; (%1 is &quot;R1, R2&quot;, %2 &quot;R3&quot;).</extracomment>
        <translation>%1 y %2</translation>
    </message>
</context>
<context>
    <name>LoopCombination</name>
    <message>
        <source>loop %1</source>
        <translation>el lazo %1</translation>
    </message>
    <message>
        <source>twice loop %1</source>
        <translation>dos veces el lazo %1</translation>
    </message>
    <message>
        <source>%1 times loop %2</source>
        <translation>%1 veces el lazo %2</translation>
    </message>
    <message>
        <source>loop %1 traced again</source>
        <translation>el lazo %1 trazado de nuevo</translation>
    </message>
    <message>
        <source>the sum of loops %1</source>
        <translation>la suma de los lazos %1</translation>
    </message>
    <message>
        <source>loop %1 run the other way</source>
        <translation>el lazo %1 recorrido en sentido contrario</translation>
    </message>
    <message>
        <source>the sum of loops %1 run the other way</source>
        <translation>la suma de los lazos %1 recorridos en sentido contrario</translation>
    </message>
    <message>
        <source> plus </source>
        <translation> más </translation>
    </message>
    <message>
        <source> minus </source>
        <translation> menos </translation>
    </message>
    <message>
        <source>minus </source>
        <translation>menos </translation>
    </message>
</context>
<context>
    <name>LoopCount</name>
    <message>
        <source>Terrific! You got it.

There are a total of  %1 independent loops in your circuit.

That means you have to trace  %1 loops and find their currents.

Go ahead with your analysis.</source>
        <translation>¡Estupendo! Lo ha conseguido.

Hay un total de  %1 lazos independientes en su circuito.

Eso significa que tiene que trazar  %1 lazos y hallar sus corrientes.

Continúe con su análisis.</translation>
    </message>
    <message>
        <source>Sorry,

your circuit does not have %1 independent loops.

It has  %2  branches and  %3  nodes, and a circuit has

   independent loops  =  branches - nodes + 1,

please check your circuit carefully

and try again.</source>
        <translation>Lo siento,

su circuito no tiene %1 lazos independientes.

Tiene  %2  ramas y  %3  nodos, y un circuito tiene

   lazos independientes  =  ramas - nodos + 1,

revise su circuito con atención

e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>LoopEquations</name>
    <message>
        <source>The voltage drops round the loop of %1, in the direction of %2, add up to the EMFs that drive it.</source>
        <translation>Las caídas de tensión a lo largo del lazo de %1, en el sentido de %2, suman lo mismo que las f.e.m. que lo impulsan.</translation>
    </message>
    <message>
        <source>%1 is the chord of its loop, so the loop current is the source&apos;s own current.</source>
        <translation>%1 es la cuerda de su lazo, así que la corriente de lazo es la propia corriente de la fuente.</translation>
    </message>
    <message>
        <source>The voltage drops round loop %1, in the direction of %2, add up to the EMFs that drive it.</source>
        <translation>Las caídas de tensión a lo largo del lazo %1, en el sentido de %2, suman lo mismo que las f.e.m. que lo impulsan.</translation>
    </message>
    <message>
        <source>The voltage drops round %1, which leaves out %2, add up to the EMFs that drive it.</source>
        <translation>Las caídas de tensión a lo largo de %1, que deja fuera %2, suman lo mismo que las f.e.m. que lo impulsan.</translation>
    </message>
    <message>
        <source>%1 lies on loop %2 alone, so it gives loop %2 its current.</source>
        <translation>%1 está solo en el lazo %2, así que da al lazo %2 su corriente.</translation>
    </message>
    <message>
        <source>%1 lies on loops %2, so the loop currents through it add up to its current.</source>
        <translation>%1 está en los lazos %2, así que las corrientes de lazo que lo atraviesan suman su corriente.</translation>
    </message>
</context>
<context>
    <name>LoopTracing</name>
    <message>
        <source>Loop %1 is closed, and it is independent of the loops before it.

%2</source>
        <translation>El lazo %1 está cerrado y es independiente de los lazos anteriores.

%2</translation>
    </message>
    <message>
        <source>That makes %1 independent loops, as many as your circuit has.

Go ahead with your analysis.</source>
        <translation>Con esto hay %1 lazos independientes, tantos como tiene su circuito.

Continúe con su análisis.</translation>
    </message>
    <message>
        <source>1 more loop is needed.</source>
        <translation>Falta 1 lazo más.</translation>
    </message>
    <message>
        <source>%1 more loops are needed.</source>
        <translation>Faltan %1 lazos más.</translation>
    </message>
    <message>
        <source>Sorry,

this loop is %1: its KVL equation would follow from theirs, so it tells nothing new.

%2Trace another loop.</source>
        <translation>Lo siento,

este lazo es %1: su ecuación de la LVK se deduciría de las de ellos, así que no aporta nada nuevo.

%2Trace otro lazo.</translation>
    </message>
    <message>
        <source>Sorry,

this loop taken %1 times is %2: its KVL equation would follow from theirs, so it tells nothing new.

%3Trace another loop.</source>
        <translation>Lo siento,

este lazo tomado %1 veces es %2: su ecuación de la LVK se deduciría de las de ellos, así que no aporta nada nuevo.

%3Trace otro lazo.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two of the branches a new loop may run through, as in &quot;R1, R2 or R3&quot;.</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>A loop through %1, which none of your loops runs through yet, is sure to be new. </source>
        <translation>Un lazo que pase por %1, por donde aún no pasa ninguno de sus lazos, será sin duda nuevo. </translation>
    </message>
    <message>
        <source>Loops traced:  %1 of %2.</source>
        <translation>Lazos trazados:  %1 de %2.</translation>
    </message>
    <message>
        <source>That is no branch of your circuit.

Click a resistor or a source: a wire only joins the branches.</source>
        <translation>Eso no es una rama de su circuito.

Haga clic en una resistencia o en una fuente: un cable solo une las ramas.</translation>
    </message>
    <message>
        <source>Sorry,

%1</source>
        <translation>Lo siento,

%1</translation>
    </message>
    <message>
        <source>%1 taken.

%2</source>
        <translation>Se añade %1.

%2</translation>
    </message>
    <message>
        <source>There is no branch to take back: the loop you are tracing has none yet.</source>
        <translation>No hay ninguna rama que quitar: el lazo que está trazando aún no tiene ninguna.</translation>
    </message>
    <message>
        <source>%1 taken back.

%2</source>
        <translation>Se quita %1.

%2</translation>
    </message>
    <message>
        <source>The loop is cleared.

%1</source>
        <translation>El lazo se ha borrado.

%1</translation>
    </message>
</context>
<context>
    <name>LoopTree</name>
    <message>
        <source>The tree does not join node %1 to the datum node %2.</source>
        <translation>El árbol no une el nodo %1 con el nodo de referencia %2.</translation>
    </message>
    <message>
        <source>The tree does not join node %1 to the datum node %2: add %3 to it.</source>
        <translation>El árbol no une el nodo %1 con el nodo de referencia %2: añádale %3.</translation>
    </message>
    <message>
        <source>The tree does not join node %1 to the datum node %2: add one of %3 to it.</source>
        <translation>El árbol no une el nodo %1 con el nodo de referencia %2: añádale una de %3.</translation>
    </message>
    <message>
        <source>%1 cannot be in the tree: a current source fixes the current of its branch, so it must be a chord.</source>
        <translation>%1 no puede estar en el árbol: una fuente de corriente fija la corriente de su rama, así que debe ser una cuerda.</translation>
    </message>
    <message>
        <source>%1 has both ends on one node, so it is a loop by itself and cannot be in the tree.</source>
        <translation>%1 tiene los dos extremos en un mismo nodo, así que es un lazo por sí solo y no puede estar en el árbol.</translation>
    </message>
    <message>
        <source>%1 would close a loop with %2, so it cannot be in the tree.</source>
        <translation>%1 cerraría un lazo con %2, así que no puede estar en el árbol.</translation>
    </message>
    <message>
        <source>The tree names %1, but the circuit has no resistor or source of that name.</source>
        <translation>El árbol nombra %1, pero el circuito no tiene ninguna resistencia ni fuente con ese nombre.</translation>
    </message>
    <message>
        <source>The tree names %1 twice.</source>
        <translation>El árbol nombra %1 dos veces.</translation>
    </message>
</context>
<context>
    <name>LoopTutor</name>
    <message>
        <source>Loop %1 of %2:</source>
        <translation>Lazo %1 de %2:</translation>
    </message>
    <message>
        <source>Solving the equations gives the loop currents:</source>
        <translation>Al resolver las ecuaciones se obtienen las corrientes de lazo:</translation>
    </message>
    <message>
        <source>Each branch carries the sum of the loop currents through it, and the results pane shows the p.d. and current of every element: they are the same whichever loops you choose.</source>
        <translation>Cada rama lleva la suma de las corrientes de lazo que la atraviesan, y el panel de resultados muestra la tensión y la corriente de cada elemento: son las mismas sean cuales sean los lazos que elija.</translation>
    </message>
</context>
<context>
    <name>MatrixForm</name>
    <message>
        <source>The matrix form is shown for systems of up to %1 unknowns; this circuit has %2.</source>
        <translation>La forma matricial se muestra para sistemas de hasta %1 incógnitas; este circuito tiene %2.</translation>
    </message>
    <message>
        <source>There are no unknowns: %1</source>
        <translation>No hay incógnitas: %1</translation>
    </message>
</context>
<context>
    <name>MeshCount</name>
    <message>
        <source>Terrific! You got it.

There are a total of  %1 meshes in your circuit.

That means you have to find  %1 mesh currents.

Go ahead with your analysis.</source>
        <translation>¡Estupendo! Lo ha conseguido.

Hay un total de  %1 mallas en su circuito.

Eso significa que tiene que hallar  %1 corrientes de malla.

Continúe con su análisis.</translation>
    </message>
    <message>
        <source>Sorry,

there are not %1 meshes in your circuit.

It has  %2  branches and  %3  nodes, and a circuit drawn
without crossings has

   meshes  =  branches - nodes + 1,

please check your circuit carefully

and try again.</source>
        <translation>Lo siento,

su circuito no tiene %1 mallas.

Tiene  %2  ramas y  %3  nodos, y un circuito dibujado
sin cruces tiene

   mallas  =  ramas - nodos + 1,

revise su circuito con atención

e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>MeshEquations</name>
    <message>
        <source>The voltage drops clockwise round mesh %1 add up to the EMFs that drive its current.</source>
        <translation>Las caídas de tensión en sentido horario a lo largo de la malla %1 suman lo mismo que las f.e.m. que impulsan su corriente.</translation>
    </message>
    <message>
        <source>The voltage drops round the supermesh of meshes %1 add up to its EMFs, leaving out %2.</source>
        <translation>Las caídas de tensión a lo largo de la supermalla de las mallas %1 suman lo mismo que sus f.e.m., dejando fuera %2.</translation>
    </message>
    <message>
        <source>%1 on the outside of the drawing gives mesh %2 its current.</source>
        <translation>%1, en el exterior del dibujo, da a la malla %2 su corriente.</translation>
    </message>
    <message>
        <source>%1 between meshes %2 and %3 carries the difference of their currents.</source>
        <translation>%1, entre las mallas %2 y %3, lleva la diferencia de sus corrientes.</translation>
    </message>
</context>
<context>
    <name>MeshTutor</name>
    <message>
        <source>There are no current sources in your circuit.

Every mesh current is unknown, and every mesh gets its own KVL equation.</source>
        <translation>No hay fuentes de corriente en su circuito.

Todas las corrientes de malla son desconocidas, y cada malla lleva su propia ecuación de la LVK.</translation>
    </message>
    <message>
        <source>Mesh %1 of %2:</source>
        <translation>Malla %1 de %2:</translation>
    </message>
    <message>
        <source>Now write the equation of each mesh yourself: Check My Mesh Equation tells you whether it is right.</source>
        <translation>Ahora escriba usted mismo la ecuación de cada malla: Comprobar mi ecuación de malla le dice si es correcta.</translation>
    </message>
</context>
<context>
    <name>MeterReadings</name>
    <message>
        <source>%1 cannot read: neither of its terminals is connected to the circuit.</source>
        <translation>%1 no puede medir: ninguno de sus terminales está conectado al circuito.</translation>
    </message>
    <message>
        <source>%1 cannot read: its start terminal is not connected to the circuit.</source>
        <translation>%1 no puede medir: su terminal inicial no está conectado al circuito.</translation>
    </message>
    <message>
        <source>%1 cannot read: its finish terminal is not connected to the circuit.</source>
        <translation>%1 no puede medir: su terminal final no está conectado al circuito.</translation>
    </message>
    <message>
        <source>%1 cannot read: wires or other ammeters also join its terminals, so the current divides among them in no fixed way.</source>
        <translation>%1 no puede medir: cables u otros amperímetros unen también sus terminales, así que la corriente se reparte entre ellos de forma no determinada.</translation>
    </message>
    <message>
        <source>

An ideal ammeter joins its terminals as a wire does: the circuit is analysed with %1 as a wire.</source>
        <translation>

Un amperímetro ideal une sus terminales como lo hace un cable: el circuito se analiza con %1 como un cable.</translation>
    </message>
    <message>
        <source>

An ideal ammeter joins its terminals as a wire does: the circuit is analysed with %1 as wires.</source>
        <translation>

Un amperímetro ideal une sus terminales como lo hace un cable: el circuito se analiza con %1 como cables.</translation>
    </message>
</context>
<context>
    <name>MethodEquations</name>
    <message>
        <source>Node equations</source>
        <translation>Ecuaciones de nodo</translation>
    </message>
    <message>
        <source>Mesh equations</source>
        <translation>Ecuaciones de malla</translation>
    </message>
    <message>
        <source>Loop equations</source>
        <translation>Ecuaciones de lazo</translation>
    </message>
    <message>
        <source>Loop of %1:</source>
        <translation>Lazo de %1:</translation>
    </message>
    <message>
        <source>%1 for the circuit drawn above are:</source>
        <extracomment>%1 is &quot;Node equations&quot;, &quot;Mesh equations&quot; or &quot;Loop equations&quot;.</extracomment>
        <translation>%1 del circuito dibujado arriba:</translation>
    </message>
</context>
<context>
    <name>ModeHints</name>
    <message>
        <source>Select: click to select (Shift adds), drag a box to select several, drag the selection to move it.</source>
        <translation>Seleccionar: haga clic para seleccionar (Mayús añade), arrastre un recuadro para seleccionar varios, arrastre la selección para moverla.</translation>
    </message>
    <message>
        <source>Resistor: click where the resistor goes; the right button turns it.</source>
        <translation>Resistencia: haga clic donde va la resistencia; el botón derecho la gira.</translation>
    </message>
    <message>
        <source>Voltage source: click where the source goes; the right button turns it.</source>
        <translation>Fuente de tensión: haga clic donde va la fuente; el botón derecho la gira.</translation>
    </message>
    <message>
        <source>Current source: click where the source goes; the right button turns it.</source>
        <translation>Fuente de corriente: haga clic donde va la fuente; el botón derecho la gira.</translation>
    </message>
    <message>
        <source>Voltmeter: click where the voltmeter goes; the right button turns it.</source>
        <translation>Voltímetro: haga clic donde va el voltímetro; el botón derecho lo gira.</translation>
    </message>
    <message>
        <source>Ammeter: click where the ammeter goes; the right button turns it.</source>
        <translation>Amperímetro: haga clic donde va el amperímetro; el botón derecho lo gira.</translation>
    </message>
    <message>
        <source>Wire: press on a terminal or a joint, drag to where the wire ends and let go.</source>
        <translation>Cable: pulse sobre un terminal o una unión, arrastre hasta donde termina el cable y suelte.</translation>
    </message>
    <message>
        <source>Joint: click a wire where a component&apos;s terminal touches it, to connect the two.</source>
        <translation>Unión: haga clic en un cable donde lo toca el terminal de un componente, para conectar ambos.</translation>
    </message>
    <message>
        <source>Info: click a component or a joint to see its values.</source>
        <translation>Info: haga clic en un componente o una unión para ver sus valores.</translation>
    </message>
    <message>
        <source>Delete: click a component or a wire to remove it.</source>
        <translation>Eliminar: haga clic en un componente o un cable para quitarlo.</translation>
    </message>
    <message>
        <source>Move: click a component to pick it up, then click where it goes.</source>
        <translation>Mover: haga clic en un componente para tomarlo y luego haga clic donde va.</translation>
    </message>
    <message>
        <source>Value: click a component to change its name and value, or a joint to rename its node. Alt+Up or Alt+Down (or Alt and the wheel) steps the value under the pointer.</source>
        <translation>Valor: haga clic en un componente para cambiar su nombre y su valor, o en una unión para renombrar su nodo. Alt+Arriba o Alt+Abajo (o Alt y la rueda) cambia por pasos el valor bajo el puntero.</translation>
    </message>
    <message>
        <source>Set Datum Node: click any wire or joint of the node that is to be the datum (0 V).</source>
        <translation>Fijar nodo de referencia: haga clic en cualquier cable o unión del nodo que ha de ser el de referencia (0 V).</translation>
    </message>
    <message>
        <source>Loop equations: click a chord, a branch outside the thick tree, to see its loop&apos;s equation.</source>
        <translation>Ecuaciones de lazo: haga clic en una cuerda, una rama fuera del árbol grueso, para ver la ecuación de su lazo.</translation>
    </message>
    <message>
        <source>Mesh equations: click inside a mesh to see its equation.</source>
        <translation>Ecuaciones de malla: haga clic dentro de una malla para ver su ecuación.</translation>
    </message>
    <message>
        <source>Node equations: click a joint to see the equation of its node.</source>
        <translation>Ecuaciones de nodo: haga clic en una unión para ver la ecuación de su nodo.</translation>
    </message>
    <message>
        <source>Check My Node Equation: click a joint of the node whose equation you have written.</source>
        <translation>Comprobar mi ecuación de nodo: haga clic en una unión del nodo cuya ecuación ha escrito.</translation>
    </message>
    <message>
        <source>Check My Mesh Equation: click inside the mesh whose equation you have written.</source>
        <translation>Comprobar mi ecuación de malla: haga clic dentro de la malla cuya ecuación ha escrito.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
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
    <name>ModifiedNodalTutor</name>
    <message>
        <source>The Modified Nodal Analysis Tutor builds systems of up to %1 unknowns, which its windows show whole; this circuit has %2. View &gt; Matrix Form shows its system.</source>
        <translation>El tutor del análisis nodal modificado construye sistemas de hasta %1 incógnitas, que sus ventanas muestran enteros; este circuito tiene %2. Ver &gt; Forma matricial muestra su sistema.</translation>
    </message>
</context>
<context>
    <name>NamedSystem</name>
    <message>
        <source>The loop current system</source>
        <translation>El sistema de corrientes de lazo</translation>
    </message>
    <message>
        <source>each loop current runs through its chord in the chord&apos;s own direction</source>
        <translation>cada corriente de lazo recorre su cuerda en el propio sentido de la cuerda</translation>
    </message>
    <message>
        <source>the circuit has no loop.</source>
        <translation>el circuito no tiene ningún lazo.</translation>
    </message>
    <message>
        <source>the current of the loop that %1 closes, in its direction</source>
        <translation>la corriente del lazo que cierra %1, en su sentido</translation>
    </message>
    <message>
        <source>The mesh current system</source>
        <translation>El sistema de corrientes de malla</translation>
    </message>
    <message>
        <source>each mesh current runs clockwise round its mesh</source>
        <translation>cada corriente de malla circula en sentido horario alrededor de su malla</translation>
    </message>
    <message>
        <source>the circuit has no mesh.</source>
        <translation>el circuito no tiene ninguna malla.</translation>
    </message>
    <message>
        <source>the clockwise current of mesh %1</source>
        <translation>la corriente en sentido horario de la malla %1</translation>
    </message>
    <message>
        <source>the voltage of node %1</source>
        <translation>la tensión del nodo %1</translation>
    </message>
    <message>
        <source>the current through %1, from its + terminal to its - terminal</source>
        <translation>la corriente que atraviesa %1, de su terminal + a su terminal -</translation>
    </message>
    <message>
        <source>The modified nodal system</source>
        <translation>El sistema nodal modificado</translation>
    </message>
    <message>
        <source>node %1 is the datum node, at 0 V</source>
        <translation>el nodo %1 es el nodo de referencia, a 0 V</translation>
    </message>
    <message>
        <source>node %1, the datum node, is the only node.</source>
        <translation>el nodo %1, el de referencia, es el único nodo.</translation>
    </message>
    <message>
        <source>each loop current runs round its loop in the direction it was traced</source>
        <translation>cada corriente de lazo circula alrededor de su lazo en el sentido en que se trazó</translation>
    </message>
    <message>
        <source>the current of loop %1, in the direction it was traced</source>
        <translation>la corriente del lazo %1, en el sentido en que se trazó</translation>
    </message>
</context>
<context>
    <name>Netlist</name>
    <message>
        <source>Kirvolt does not solve this circuit:
%1</source>
        <translation>Kirvolt no resuelve este circuito:
%1</translation>
    </message>
</context>
<context>
    <name>NodeCount</name>
    <message>
        <source>Terrific! You got it.

There are a total of  %1 nodes in you circuit.

That means you have to set up  %2 node voltage equations.

Go ahead with your analysis.</source>
        <translation>¡Estupendo! Lo ha conseguido.

Hay un total de  %1 nodos en su circuito.

Eso significa que tiene que plantear  %2 ecuaciones de tensiones de nodo.

Continúe con su análisis.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is just less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Lo siento,

el número de nodos

de su circuito es solo un poco menor que %1,

revise su circuito con atención

e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is just greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Lo siento,

el número de nodos

de su circuito es solo un poco mayor que %1,

revise su circuito con atención

e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is slightly less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Lo siento,

el número de nodos

de su circuito es algo menor que %1,

revise su circuito con atención

e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is slightly greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Lo siento,

el número de nodos

de su circuito es algo mayor que %1,

revise su circuito con atención

e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Lo siento,

el número de nodos

de su circuito es menor que %1,

revise su circuito con atención

e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Lo siento,

el número de nodos

de su circuito es mayor que %1,

revise su circuito con atención

e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is much less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Lo siento,

el número de nodos

de su circuito es mucho menor que %1,

revise su circuito con atención

e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is much greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Lo siento,

el número de nodos

de su circuito es mucho mayor que %1,

revise su circuito con atención

e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>NodeEquationCheck</name>
    <message>
        <source>node %1</source>
        <translation>el nodo %1</translation>
    </message>
    <message>
        <source>the macro node of nodes %1</source>
        <translation>el macronodo de los nodos %1</translation>
    </message>
    <message>
        <source>This relates the voltages of the macro node&apos;s own nodes, as its voltage sources do. The KCL equation of the macro node balances the currents leaving it through its resistors against the currents of its current sources.</source>
        <translation>Esto relaciona las tensiones de los nodos del propio macronodo, como lo hacen sus fuentes de tensión. La ecuación de la LCK del macronodo equilibra las corrientes que salen de él por sus resistencias con las corrientes de sus fuentes de corriente.</translation>
    </message>
    <message>
        <source>The equation has no term in %1 or in the voltage of a node joined to %2, so it cannot be the KCL equation of %2.</source>
        <translation>La ecuación no tiene ningún término en %1 ni en la tensión de un nodo unido a %2, así que no puede ser la ecuación de la LCK de %2.</translation>
    </message>
    <message>
        <source>The equation does not balance the currents at %1.</source>
        <translation>La ecuación no equilibra las corrientes en %1.</translation>
    </message>
    <message>
        <source>The term in %1 is wrong: the current through %2 gives %1 the coefficient %3 S, but the equation gives it %4 S.</source>
        <translation>El término en %1 es incorrecto: la corriente que atraviesa %2 da a %1 el coeficiente %3 S, pero la ecuación le da %4 S.</translation>
    </message>
    <message>
        <source>The coefficient of %1 is wrong: the resistors at %2 give it %3 S, but the equation gives it %4 S.</source>
        <translation>El coeficiente de %1 es incorrecto: las resistencias en %2 le dan %3 S, pero la ecuación le da %4 S.</translation>
    </message>
    <message>
        <source>The term for %1 is missing: current leaves %2 through %1, %3.</source>
        <translation>Falta el término de %1: la corriente sale de %2 por %1, %3.</translation>
    </message>
    <message>
        <source>The term for %1 has the wrong sign: the current leaving %2 through %1 is %3, not %4.</source>
        <translation>El término de %1 tiene el signo incorrecto: la corriente que sale de %2 por %1 es %3, no %4.</translation>
    </message>
    <message>
        <source>The term for %1 has the wrong conductance: the current through %1 is %2, with 1/%1 = %3 S, but the equation has %4 S.</source>
        <translation>El término de %1 tiene la conductancia incorrecta: la corriente que atraviesa %1 es %2, con 1/%1 = %3 S, pero la ecuación tiene %4 S.</translation>
    </message>
    <message>
        <source>The terms for %1 have the wrong conductance: together they are %2= %3 S, but the equation has %4 S.</source>
        <translation>Los términos de %1 tienen la conductancia incorrecta: juntos son %2= %3 S, pero la ecuación tiene %4 S.</translation>
    </message>
    <message>
        <source>The equation has a term for %1, which does not touch %2: %1 lies between node %3 and node %4.</source>
        <translation>La ecuación tiene un término de %1, que no toca %2: %1 está entre el nodo %3 y el nodo %4.</translation>
    </message>
    <message>
        <source>The equation has a term in %1, but no resistor joins node %2 to %3.</source>
        <translation>La ecuación tiene un término en %1, pero ninguna resistencia une el nodo %2 con %3.</translation>
    </message>
    <message>
        <source>The current of %1 is missing: %2.</source>
        <translation>Falta la corriente de %1: %2.</translation>
    </message>
    <message>
        <source>%1 stands on the other side of “=” with the sign it would have beside the resistor currents: moving a term across “=” changes its sign. %2.</source>
        <translation>%1 está al otro lado del “=” con el signo que tendría junto a las corrientes de las resistencias: al pasar un término al otro lado del “=” cambia su signo. %2.</translation>
    </message>
    <message>
        <source>%1 is turned round: %2.</source>
        <translation>%1 está al revés: %2.</translation>
    </message>
    <message>
        <source>The equation has a constant term, but no current source is connected to %1, so with the node voltages alone the currents add up to 0.</source>
        <translation>La ecuación tiene un término constante, pero no hay ninguna fuente de corriente conectada a %1, así que con las tensiones de nodo solas las corrientes suman 0.</translation>
    </message>
    <message>
        <source>The constant terms are wrong: brought beside the currents leaving %1, they should come to %2 A, but the equation gives %3 A.</source>
        <translation>Los términos constantes son incorrectos: llevados junto a las corrientes que salen de %1, deberían dar %2 A, pero la ecuación da %3 A.</translation>
    </message>
    <message>
        <source>Through the voltage sources, %1.</source>
        <translation>A través de las fuentes de tensión, %1.</translation>
    </message>
    <message>
        <source>%1 drives %2 A out of node %3</source>
        <translation>%1 impulsa %2 A hacia fuera del nodo %3</translation>
    </message>
    <message>
        <source>%1 drives %2 A into node %3</source>
        <translation>%1 impulsa %2 A hacia el nodo %3</translation>
    </message>
    <message>
        <source>Right: the datum node is at 0 V, %1.</source>
        <translation>Correcto: el nodo de referencia está a 0 V, %1.</translation>
    </message>
    <message>
        <source>Right: the voltage sources set %1.</source>
        <translation>Correcto: las fuentes de tensión fijan %1.</translation>
    </message>
    <message>
        <source>Right: this is the KCL equation of %1.</source>
        <translation>Correcto: esta es la ecuación de la LCK de %1.</translation>
    </message>
    <message>
        <source>Right: this is the combined KCL equation of %1.</source>
        <translation>Correcto: esta es la ecuación combinada de la LCK de %1.</translation>
    </message>
    <message>
        <source>Not quite: node %1 is the datum node, at 0 V by choice: %2.</source>
        <translation>No del todo: el nodo %1 es el nodo de referencia, a 0 V por elección: %2.</translation>
    </message>
    <message>
        <source>Not quite: node %1 is joined to the datum node by voltage sources, so its voltage follows from their EMFs alone: %2.</source>
        <translation>No del todo: el nodo %1 está unido al nodo de referencia por fuentes de tensión, así que su tensión se deduce solo de sus f.e.m.: %2.</translation>
    </message>
    <message>
        <source>Not yet: this is not the KCL equation of %1.</source>
        <translation>Todavía no: esta no es la ecuación de la LCK de %1.</translation>
    </message>
    <message>
        <source>Not yet: this is not the combined KCL equation of %1.</source>
        <translation>Todavía no: esta no es la ecuación combinada de la LCK de %1.</translation>
    </message>
    <message>
        <source>Write node voltages as V and the node&apos;s name (%1), element names for their values (R1, E1, J1), numbers with or without prefixes (4.7k, 10m), + - * / and parentheses, and one “=”.</source>
        <translation>Escriba las tensiones de nodo como V y el nombre del nodo (%1), los nombres de los elementos para sus valores (R1, E1, J1), números con o sin prefijos (4.7k, 10m), + - * / y paréntesis, y un solo “=”.</translation>
    </message>
    <message>
        <source>The datum node %1 is at 0 V.</source>
        <translation>El nodo de referencia %1 está a 0 V.</translation>
    </message>
    <message>
        <source>Node %1 is the datum node. Type the equation that gives its voltage.</source>
        <translation>El nodo %1 es el nodo de referencia. Escriba la ecuación que da su tensión.</translation>
    </message>
    <message>
        <source>Node %1 is joined to the datum node by voltage sources. Type the equation that gives its voltage.</source>
        <translation>El nodo %1 está unido al nodo de referencia por fuentes de tensión. Escriba la ecuación que da su tensión.</translation>
    </message>
    <message>
        <source>Node %1 belongs to %2, which the voltage sources tie together. Type the combined KCL equation of the macro node: the currents leaving it through its resistors balance the currents of its current sources.</source>
        <translation>El nodo %1 pertenece a %2, que las fuentes de tensión mantienen unido. Escriba la ecuación combinada de la LCK del macronodo: las corrientes que salen de él por sus resistencias equilibran las corrientes de sus fuentes de corriente.</translation>
    </message>
    <message>
        <source>Type the KCL equation of node %1: the currents leaving it through its resistors balance the currents of its current sources.</source>
        <translation>Escriba la ecuación de la LCK del nodo %1: las corrientes que salen de él por sus resistencias equilibran las corrientes de sus fuentes de corriente.</translation>
    </message>
</context>
<context>
    <name>NodeEquations</name>
    <message>
        <source>Nodes %1 form a macro node through the Voltage Source %2.</source>
        <translation>Los nodos %1 forman un macronodo mediante la fuente de tensión %2.</translation>
    </message>
    <message>
        <source>Nodes %1 form a macro node through the Voltage Sources %2.</source>
        <translation>Los nodos %1 forman un macronodo mediante las fuentes de tensión %2.</translation>
    </message>
    <message>
        <source>.  (Note that %1 is negative because its direction is opposite to the assumed direction. )</source>
        <translation>.  (Observe que %1 es negativa porque su sentido es opuesto al sentido supuesto. )</translation>
    </message>
    <message>
        <source>.  (Note that %1 are negative as thier directions are opposite to the assumed direction.)</source>
        <translation>.  (Observe que %1 son negativas porque sus sentidos son opuestos al sentido supuesto.)</translation>
    </message>
    <message>
        <source>Flow-out currents via Resistor %1</source>
        <translation>Corriente que sale por la resistencia %1</translation>
    </message>
    <message>
        <source>Sum of flow-out currents via Resistors %1</source>
        <translation>Suma de las corrientes que salen por las resistencias %1</translation>
    </message>
    <message>
        <source>0    , because no current source is connected to Node  %1  </source>
        <translation>0    , porque no hay ninguna fuente de corriente conectada al nodo  %1  </translation>
    </message>
    <message>
        <source>Flow-in current from Current Source %1</source>
        <translation>Corriente que entra desde la fuente de corriente %1</translation>
    </message>
    <message>
        <source>Sum of flow-in currents from Current Sources %1</source>
        <translation>Suma de las corrientes que entran desde las fuentes de corriente %1</translation>
    </message>
    <message>
        <source>To avoid involving the unknown currents delivered by the voltage sources in the nodal
voltage equation, you may take the parts marked RED as a macro node, and get the nodal
voltage equation of this macro node by equating the sum of the currents flowing out through
the resistors connected to this macro node with the sum of currents flowing into this macro
node from the active current sources connected to this macro node.

If there are no current sources connected to this macro node, the sum of currents flowing
into this macro node is then equal to zero.

The nodal voltage of the nodes in this macro node is related by the connected Voltage Sources.

The detail equations are as shown.</source>
        <translation>Para no introducir en la ecuación de tensiones de nodo las corrientes desconocidas que
entregan las fuentes de tensión, puede tomar las partes marcadas en ROJO como un macronodo
y obtener la ecuación de tensiones de nodo de este macronodo igualando la suma de las
corrientes que salen por las resistencias conectadas a este macronodo con la suma de las
corrientes que entran en él desde las fuentes de corriente activas conectadas a este macronodo.

Si no hay fuentes de corriente conectadas a este macronodo, la suma de las corrientes que
entran en él es igual a cero.

Las tensiones de los nodos de este macronodo están relacionadas por las fuentes de tensión conectadas.

Las ecuaciones detalladas son las que se muestran.</translation>
    </message>
    <message>
        <source>Node %1 is the chosen Datum Node,
 the voltage at this node is taken as zero.</source>
        <translation>El nodo %1 es el nodo de referencia elegido,
 la tensión de este nodo se toma como cero.</translation>
    </message>
    <message>
        <source>This node is directly connected to the datum node via the Voltage Source  %1.</source>
        <translation>Este nodo está conectado directamente al nodo de referencia mediante la fuente de tensión  %1.</translation>
    </message>
    <message>
        <source>This node is connected to the datum node through the Voltage Sources:  %1.</source>
        <translation>Este nodo está conectado al nodo de referencia a través de las fuentes de tensión:  %1.</translation>
    </message>
    <message>
        <source>This node is connected to the first macro node via the Voltage Source  %1.</source>
        <translation>Este nodo está conectado al primer macronodo mediante la fuente de tensión  %1.</translation>
    </message>
    <message>
        <source>This node is connected to the first macro node through the Voltage Sources:  %1.</source>
        <translation>Este nodo está conectado al primer macronodo a través de las fuentes de tensión:  %1.</translation>
    </message>
    <message>
        <source>Error in calculation</source>
        <translation>Error en el cálculo</translation>
    </message>
</context>
<context>
    <name>PlaneMeshes</name>
    <message>
        <source>%1 and %2 cross at grid point (%3, %4) without meeting at their ends, and the Mesh Current Method needs a drawing in which no two parts cross. If they should connect there, end them both at that point; if not, draw them apart; or analyse the circuit with the Node Voltage Method, which takes any drawing.</source>
        <translation>%1 y %2 se cruzan en el punto de la cuadrícula (%3, %4) sin encontrarse en sus extremos, y el método de mallas necesita un dibujo en el que no se crucen dos partes. Si deben conectarse ahí, termine ambos en ese punto; si no, sepárelos; o analice el circuito con el método de nodos, que admite cualquier dibujo.</translation>
    </message>
    <message>
        <source>%1 close a loop of wires, round which no element decides the current, so the Mesh Current Method cannot give that loop a mesh current. Take one of those wires away, or analyse the circuit with the Node Voltage Method, which takes any drawing.</source>
        <translation>%1 cierran un lazo de cables en el que ningún elemento determina la corriente, así que el método de mallas no puede dar a ese lazo una corriente de malla. Quite uno de esos cables, o analice el circuito con el método de nodos, que admite cualquier dibujo.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 (datum)</source>
        <translation>%1 (referencia)</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>Nodos</translation>
    </message>
    <message>
        <source>The datum node is node %1, at 0 V.</source>
        <translation>El nodo de referencia es el nodo %1, a 0 V.</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Nodo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Joints (grid position)</source>
        <translation>Uniones (posición en la cuadrícula)</translation>
    </message>
    <message>
        <source>Meshes</source>
        <translation>Mallas</translation>
    </message>
    <message>
        <source>Each mesh current runs clockwise round its mesh.</source>
        <translation>Cada corriente de malla circula en sentido horario alrededor de su malla.</translation>
    </message>
    <message>
        <source>Mesh</source>
        <translation>Malla</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Top-left corner (grid position)</source>
        <translation>Esquina superior izquierda (posición en la cuadrícula)</translation>
    </message>
    <message>
        <source>Elements clockwise from the corner</source>
        <translation>Elementos en sentido horario desde la esquina</translation>
    </message>
    <message>
        <source>Check: the voltage drops clockwise round each mesh sum to zero</source>
        <translation>Comprobación: las caídas de tensión en sentido horario a lo largo de cada malla suman cero</translation>
    </message>
    <message>
        <source>Check: the currents leaving each node sum to zero</source>
        <translation>Comprobación: las corrientes que salen de cada nodo suman cero</translation>
    </message>
    <message>
        <source>%1 to node %2</source>
        <translation>%1 al nodo %2</translation>
    </message>
    <message>
        <source>Node %1:</source>
        <translation>Nodo %1:</translation>
    </message>
    <message>
        <source>The circuit</source>
        <translation>El circuito</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Worked solution: %1</source>
        <translation>Solución desarrollada: %1</translation>
    </message>
    <message>
        <source>Mesh %1:</source>
        <translation>Malla %1:</translation>
    </message>
    <message>
        <source>Supermesh of meshes %1:</source>
        <translation>Supermalla de las mallas %1:</translation>
    </message>
</context>
<context>
    <name>ResultsText</name>
    <message>
        <source>Component: power in W, absorbed (+) or delivered (-).</source>
        <translation>Componente: potencia en W, absorbida (+) o entregada (-).</translation>
    </message>
    <message>
        <source>Power delivered %1 = power absorbed %2.</source>
        <translation>Potencia entregada %1 = potencia absorbida %2.</translation>
    </message>
    <message>
        <source>Meter: reading, from its + terminal to its - terminal.</source>
        <translation>Medidor: lectura, de su terminal + a su terminal -.</translation>
    </message>
    <message>
        <source>%1 reads %2.</source>
        <translation>%1 mide %2.</translation>
    </message>
    <message>
        <source>Node Number:  Node Voltage in V</source>
        <translation>Número de nodo:  Tensión de nodo en V</translation>
    </message>
    <message>
        <source>Node %1:   %2.</source>
        <translation>Nodo %1:   %2.</translation>
    </message>
    <message>
        <source>Component: p.d. in V; current in A.</source>
        <translation>Componente: tensión en V; corriente en A.</translation>
    </message>
</context>
<context>
    <name>RuleChecks</name>
    <message>
        <source>Voltage Source %1 has invalid EMF value.
The EMF value must not be 0.

If you wish to have a branch of zero p.d. over there,
you may replace the voltage source with a short circuit (a wire).</source>
        <translation>La fuente de tensión %1 tiene un valor de f.e.m. no válido.
El valor de la f.e.m. no debe ser 0.

Si desea tener ahí una rama de tensión nula,
puede sustituir la fuente de tensión por un cortocircuito (un cable).</translation>
    </message>
    <message>
        <source>Current Source %1 has invalid current value.
The current value must not be 0.

If you wish to have a branch of zero current over there,
you may replace the current source with an open circuit.</source>
        <translation>La fuente de corriente %1 tiene un valor de corriente no válido.
El valor de la corriente no debe ser 0.

Si desea tener ahí una rama de corriente nula,
puede sustituir la fuente de corriente por un circuito abierto.</translation>
    </message>
    <message>
        <source>Resistor %1 has invalid resistance.
%2</source>
        <translation>La resistencia %1 tiene un valor no válido.
%2</translation>
    </message>
    <message>
        <source>Node %1 is not correctly connected.</source>
        <translation>El nodo %1 no está bien conectado.</translation>
    </message>
    <message>
        <source> or </source>
        <extracomment>Between the sources of which the user is to keep one, as in &quot;V1 or V2 or V3&quot;.</extracomment>
        <translation> o </translation>
    </message>
    <message>
        <source>Ideal Voltage Sources of the same value connected in parallel
is just equivalent to a single Ideal Voltage Source of the same value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and remove the other voltage source,
then apply the analysis again.</source>
        <translation>Varias fuentes de tensión ideales del mismo valor conectadas en paralelo
equivalen a una sola fuente de tensión ideal de ese valor.
Para simplificar el análisis de su circuito,
conserve solo una de entre
  %1 
y quite la otra fuente de tensión;
luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>Ideal Voltage Sources of the same value connected in parallel
is just equivalent to a single Ideal Voltage Source of the same value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and remove all other voltage sources,
then apply the analysis again.</source>
        <translation>Varias fuentes de tensión ideales del mismo valor conectadas en paralelo
equivalen a una sola fuente de tensión ideal de ese valor.
Para simplificar el análisis de su circuito,
conserve solo una de entre
  %1 
y quite todas las demás fuentes de tensión;
luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>Ideal Voltage Sources  of different values cannot be parallel connected.
This violates the basic circuit rule that the potential difference between
any pair of nodes can only have a unique value,
please just retain either
   %1 
and remove the other voltage source,
then apply the analysis again.</source>
        <translation>No se pueden conectar en paralelo fuentes de tensión ideales  de valores distintos.
Esto viola la regla básica de los circuitos según la cual la diferencia de potencial entre
cualquier par de nodos solo puede tener un valor único;
conserve solo una de entre
   %1 
y quite la otra fuente de tensión;
luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>Ideal Voltage Sources  of different values cannot be parallel connected.
This violates the basic circuit rule that the potential difference between
any pair of nodes can only have a unique value,
please just retain either
   %1 
and remove all other voltage sources,
then apply the analysis again.</source>
        <translation>No se pueden conectar en paralelo fuentes de tensión ideales  de valores distintos.
Esto viola la regla básica de los circuitos según la cual la diferencia de potencial entre
cualquier par de nodos solo puede tener un valor único;
conserve solo una de entre
   %1 
y quite todas las demás fuentes de tensión;
luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of the same value connected in series
is just equivalent to a single Ideal Current Source of that value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and replace the other current source with a short circuit,
then apply the analysis again.</source>
        <translation>Varias fuentes de corriente ideales del mismo valor conectadas en serie
equivalen a una sola fuente de corriente ideal de ese valor.
Para simplificar el análisis de su circuito,
conserve solo una de entre
  %1 
y sustituya la otra fuente de corriente por un cortocircuito;
luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of the same value connected in series
is just equivalent to a single Ideal Current Source of that value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and replace all other current sources with short circuits,
then apply the analysis again.</source>
        <translation>Varias fuentes de corriente ideales del mismo valor conectadas en serie
equivalen a una sola fuente de corriente ideal de ese valor.
Para simplificar el análisis de su circuito,
conserve solo una de entre
  %1 
y sustituya todas las demás fuentes de corriente por cortocircuitos;
luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of different values or directions cannot be series
connected. This violates the basic circuit rule that the current flowing
in any single branch should be the same throughout that branch,
please just retain one of of the following current sources:
   %1 
and replace the other current source with a short circuit,
then apply the analysis again.</source>
        <translation>No se pueden conectar en serie fuentes de corriente ideales de valores o sentidos
distintos. Esto viola la regla básica de los circuitos según la cual la corriente que circula
por una misma rama debe ser la misma en toda la rama;
conserve solo una de las siguientes fuentes de corriente:
   %1 
y sustituya la otra fuente de corriente por un cortocircuito;
luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of different values or directions cannot be series
connected. This violates the basic circuit rule that the current flowing
in any single branch should be the same throughout that branch,
please just retain one of of the following current sources:
   %1 
and replace all other current sources with short circuits,
then apply the analysis again.</source>
        <translation>No se pueden conectar en serie fuentes de corriente ideales de valores o sentidos
distintos. Esto viola la regla básica de los circuitos según la cual la corriente que circula
por una misma rama debe ser la misma en toda la rama;
conserve solo una de las siguientes fuentes de corriente:
   %1 
y sustituya todas las demás fuentes de corriente por cortocircuitos;
luego vuelva a aplicar el análisis.</translation>
    </message>
</context>
<context>
    <name>Selection</name>
    <message>
        <source>Turned about its centre, the selection would leave the drawing area. Move it further in first.</source>
        <translation>Girada sobre su centro, la selección saldría del área de dibujo. Muévala antes más hacia dentro.</translation>
    </message>
</context>
<context>
    <name>Solvability</name>
    <message>
        <source>Voltage Source %1 has both of its terminals on the same node, so it forms a closed loop by itself.
Its EMF cannot appear across a single node, and the current through it cannot be found.

Please remove this voltage source, or connect its terminals to two different nodes,
then apply the analysis again.</source>
        <translation>La fuente de tensión %1 tiene sus dos terminales en el mismo nodo, así que forma un lazo cerrado por sí sola.
Su f.e.m. no puede aparecer sobre un único nodo, y la corriente que la atraviesa no puede hallarse.

Quite esta fuente de tensión o conecte sus terminales a dos nodos distintos;
luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>Voltage Sources %1 form a closed loop.
Around a closed loop the EMFs must add up to zero, and even when they do,
the current that circulates around the loop cannot be found from the node voltages.

Please remove one of these voltage sources, or put a resistor in series with it,
then apply the analysis again.</source>
        <translation>Las fuentes de tensión %1 forman un lazo cerrado.
A lo largo de un lazo cerrado las f.e.m. deben sumar cero, e incluso cuando lo hacen,
la corriente que circula por el lazo no puede hallarse a partir de las tensiones de nodo.

Quite una de estas fuentes de tensión o ponga una resistencia en serie con ella;
luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>Node %1 has no path through resistors or voltage sources to the datum node %2,
so nothing ties its voltage to the datum node and the analysis cannot find it.

Please connect this part of the circuit to the rest of the circuit through a resistor,
a voltage source or a wire, or remove it, then apply the analysis again.</source>
        <translation>El nodo %1 no tiene ningún camino a través de resistencias o fuentes de tensión hasta el nodo de referencia %2,
así que nada liga su tensión al nodo de referencia y el análisis no puede hallarla.

Conecte esta parte del circuito con el resto a través de una resistencia,
una fuente de tensión o un cable, o quítela; luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>Nodes %1 have no path through resistors or voltage sources to the datum node %2,
so nothing ties their voltages to the datum node and the analysis cannot find them.

Please connect this part of the circuit to the rest of the circuit through a resistor,
a voltage source or a wire, or remove it, then apply the analysis again.</source>
        <translation>Los nodos %1 no tienen ningún camino a través de resistencias o fuentes de tensión hasta el nodo de referencia %2,
así que nada liga sus tensiones al nodo de referencia y el análisis no puede hallarlas.

Conecte esta parte del circuito con el resto a través de una resistencia,
una fuente de tensión o un cable, o quítela; luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>Node %1 is connected to the rest of the circuit only through Current Source %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltage of this node to the datum node %3 and the analysis cannot find it.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>El nodo %1 está conectado al resto del circuito solo a través de la fuente de corriente %2.
Una fuente de corriente fija la corriente de su rama pero no la tensión entre sus extremos,
así que nada liga la tensión de este nodo al nodo de referencia %3 y el análisis no puede hallarla.

Añada una resistencia o una fuente de tensión entre esta parte y el resto del circuito;
luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>Node %1 is connected to the rest of the circuit only through Current Sources %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltage of this node to the datum node %3 and the analysis cannot find it.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>El nodo %1 está conectado al resto del circuito solo a través de las fuentes de corriente %2.
Una fuente de corriente fija la corriente de su rama pero no la tensión entre sus extremos,
así que nada liga la tensión de este nodo al nodo de referencia %3 y el análisis no puede hallarla.

Añada una resistencia o una fuente de tensión entre esta parte y el resto del circuito;
luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>Nodes %1 are connected to the rest of the circuit only through Current Source %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltages of these nodes to the datum node %3 and the analysis cannot find them.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>Los nodos %1 están conectados al resto del circuito solo a través de la fuente de corriente %2.
Una fuente de corriente fija la corriente de su rama pero no la tensión entre sus extremos,
así que nada liga las tensiones de estos nodos al nodo de referencia %3 y el análisis no puede hallarlas.

Añada una resistencia o una fuente de tensión entre esta parte y el resto del circuito;
luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>Nodes %1 are connected to the rest of the circuit only through Current Sources %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltages of these nodes to the datum node %3 and the analysis cannot find them.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>Los nodos %1 están conectados al resto del circuito solo a través de las fuentes de corriente %2.
Una fuente de corriente fija la corriente de su rama pero no la tensión entre sus extremos,
así que nada liga las tensiones de estos nodos al nodo de referencia %3 y el análisis no puede hallarlas.

Añada una resistencia o una fuente de tensión entre esta parte y el resto del circuito;
luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>The node equations of this circuit have no unique solution,
so the analysis cannot find its node voltages.

Please check the values and the connections of your components,
then apply the analysis again.</source>
        <translation>Las ecuaciones de nodo de este circuito no tienen solución única,
así que el análisis no puede hallar sus tensiones de nodo.

Revise los valores y las conexiones de sus componentes;
luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>The values of this circuit span too many orders of magnitude,
for the analysis to find node voltages, p.d.s and currents that agree with each other.

Please bring the smallest and the largest values closer together,
then apply the analysis again.</source>
        <translation>Los valores de este circuito abarcan demasiados órdenes de magnitud
para que el análisis halle tensiones de nodo, tensiones y corrientes coherentes entre sí.

Acerque entre sí el valor más pequeño y el más grande;
luego vuelva a aplicar el análisis.</translation>
    </message>
    <message>
        <source>The values of this circuit span too many orders of magnitude, from %1 to %2,
for the analysis to find node voltages, p.d.s and currents that agree with each other.

Please bring the smallest and the largest values closer together,
then apply the analysis again.</source>
        <translation>Los valores de este circuito abarcan demasiados órdenes de magnitud, de %1 a %2,
para que el análisis halle tensiones de nodo, tensiones y corrientes coherentes entre sí.

Acerque entre sí el valor más pequeño y el más grande;
luego vuelva a aplicar el análisis.</translation>
    </message>
</context>
<context>
    <name>SpiceReader</name>
    <message>
        <source>Kirvolt reads only resistors (R), voltage sources (V) and current sources (I).</source>
        <translation>Kirvolt solo lee resistencias (R), fuentes de tensión (V) y fuentes de corriente (I).</translation>
    </message>
    <message>
        <source>Kirvolt analyses DC circuits only.</source>
        <translation>Kirvolt solo analiza circuitos de corriente continua.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>an XSPICE code model</source>
        <translation>un modelo de código XSPICE</translation>
    </message>
    <message>
        <source>a behavioural source</source>
        <translation>una fuente de comportamiento</translation>
    </message>
    <message>
        <source>a capacitor</source>
        <translation>un condensador</translation>
    </message>
    <message>
        <source>a diode</source>
        <translation>un diodo</translation>
    </message>
    <message>
        <source>a voltage-controlled voltage source</source>
        <translation>una fuente de tensión controlada por tensión</translation>
    </message>
    <message>
        <source>a current-controlled current source</source>
        <translation>una fuente de corriente controlada por corriente</translation>
    </message>
    <message>
        <source>a voltage-controlled current source</source>
        <translation>una fuente de corriente controlada por tensión</translation>
    </message>
    <message>
        <source>a current-controlled voltage source</source>
        <translation>una fuente de tensión controlada por corriente</translation>
    </message>
    <message>
        <source>a junction field-effect transistor</source>
        <translation>un transistor de efecto de campo de unión</translation>
    </message>
    <message>
        <source>a coupling of inductors</source>
        <translation>un acoplamiento de bobinas</translation>
    </message>
    <message>
        <source>an inductor</source>
        <translation>una bobina</translation>
    </message>
    <message>
        <source>a MOSFET</source>
        <translation>un MOSFET</translation>
    </message>
    <message>
        <source>a device of a model library</source>
        <translation>un dispositivo de una biblioteca de modelos</translation>
    </message>
    <message>
        <source>a lossy transmission line</source>
        <translation>una línea de transmisión con pérdidas</translation>
    </message>
    <message>
        <source>a coupled transmission line</source>
        <translation>una línea de transmisión acoplada</translation>
    </message>
    <message>
        <source>a bipolar transistor</source>
        <translation>un transistor bipolar</translation>
    </message>
    <message>
        <source>a voltage-controlled switch</source>
        <translation>un interruptor controlado por tensión</translation>
    </message>
    <message>
        <source>a transmission line</source>
        <translation>una línea de transmisión</translation>
    </message>
    <message>
        <source>a uniform RC line</source>
        <translation>una línea RC uniforme</translation>
    </message>
    <message>
        <source>a current-controlled switch</source>
        <translation>un interruptor controlado por corriente</translation>
    </message>
    <message>
        <source>a subcircuit</source>
        <translation>un subcircuito</translation>
    </message>
    <message>
        <source>a MESFET</source>
        <translation>un MESFET</translation>
    </message>
    <message>
        <source>%1 needs two nodes and a resistance.</source>
        <translation>%1 necesita dos nodos y una resistencia.</translation>
    </message>
    <message>
        <source>%1 needs two nodes.</source>
        <translation>%1 necesita dos nodos.</translation>
    </message>
    <message>
        <source>%1 is not an element SPICE knows.</source>
        <translation>%1 no es un elemento que SPICE conozca.</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 es %2.</translation>
    </message>
    <message>
        <source>%1 is named a second time; the first is on line %2.</source>
        <translation>%1 se nombra por segunda vez; la primera está en la línea %2.</translation>
    </message>
    <message>
        <source>%1 has the value %2, which SPICE reads as %3%4.</source>
        <translation>%1 tiene el valor %2, que SPICE lee como %3%4.</translation>
    </message>
    <message>
        <source>%1 has the value %2, which is not a number.</source>
        <translation>%1 tiene el valor %2, que no es un número.</translation>
    </message>
    <message>
        <source>; write %1 if that is what is meant</source>
        <translation>; escriba %1 si es eso lo que quiere decir</translation>
    </message>
    <message>
        <source>%1 has more than a resistance (%2).</source>
        <translation>%1 tiene algo más que una resistencia (%2).</translation>
    </message>
    <message>
        <source>%1 has DC but no value.</source>
        <translation>%1 tiene DC pero ningún valor.</translation>
    </message>
    <message>
        <source>%1 has an AC value.</source>
        <translation>%1 tiene un valor de AC.</translation>
    </message>
    <message>
        <source>%1 is a %2 source.</source>
        <translation>%1 es una fuente %2.</translation>
    </message>
    <message>
        <source>%1 has more than a DC value (%2).</source>
        <translation>%1 tiene algo más que un valor de DC (%2).</translation>
    </message>
    <message>
        <source>a continuation line (+) must follow an element.</source>
        <translation>una línea de continuación (+) debe seguir a un elemento.</translation>
    </message>
    <message>
        <source>%1 belongs to a subcircuit.</source>
        <translation>%1 pertenece a un subcircuito.</translation>
    </message>
    <message>
        <source>%1 reads another file, which Kirvolt does not follow.</source>
        <translation>%1 lee otro archivo, que Kirvolt no sigue.</translation>
    </message>
    <message>
        <source>The netlist is empty.</source>
        <translation>La netlist está vacía.</translation>
    </message>
    <message>
        <source>The netlist has no resistors, voltage sources or current sources.</source>
        <translation>La netlist no tiene resistencias, fuentes de tensión ni fuentes de corriente.</translation>
    </message>
</context>
<context>
    <name>Superposition</name>
    <message>
        <source>%1 = %2   (full analysis: %3)</source>
        <translation>%1 = %2   (análisis completo: %3)</translation>
    </message>
    <message>
        <source>%1 shorted</source>
        <translation>%1 cortocircuitada</translation>
    </message>
    <message>
        <source>%1 opened</source>
        <translation>%1 abierta</translation>
    </message>
    <message>
        <source>%1 alone</source>
        <translation>%1 sola</translation>
    </message>
    <message>
        <source>%1 alone (%2)</source>
        <translation>%1 sola (%2)</translation>
    </message>
    <message>
        <source>This circuit has no source: every voltage and current in it is zero.</source>
        <translation>Este circuito no tiene ninguna fuente: todas sus tensiones y corrientes son cero.</translation>
    </message>
    <message>
        <source>Superposition: one part for each source, with every other source set to zero.</source>
        <translation>Superposición: una parte por cada fuente, con todas las demás fuentes anuladas.</translation>
    </message>
    <message>
        <source>Part %1: %2</source>
        <translation>Parte %1: %2</translation>
    </message>
    <message>
        <source>The sum of the parts beside the full analysis:</source>
        <translation>La suma de las partes junto al análisis completo:</translation>
    </message>
    <message>
        <source>%1: p.d. %2</source>
        <translation>%1: tensión %2</translation>
    </message>
    <message>
        <source>%1: current %2</source>
        <translation>%1: corriente %2</translation>
    </message>
</context>
<context>
    <name>TheoremWindows</name>
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
    <name>Thevenin</name>
    <message>
        <source>There is no resistor named %1 in this circuit.</source>
        <translation>No hay ninguna resistencia llamada %1 en este circuito.</translation>
    </message>
    <message>
        <source>There is no node named %1 in this circuit.</source>
        <translation>No hay ningún nodo llamado %1 en este circuito.</translation>
    </message>
    <message>
        <source>Node %1 is both terminals: choose two different nodes.</source>
        <translation>El nodo %1 es ambos terminales: elija dos nodos distintos.</translation>
    </message>
    <message>
        <source>there are no sources to set to zero</source>
        <translation>no hay fuentes que anular</translation>
    </message>
    <message>
        <source>%1 and Norton equivalents as seen by %2, between nodes %3 and %4.</source>
        <translation>Equivalentes de %1 y de Norton vistos desde %2, entre los nodos %3 y %4.</translation>
    </message>
    <message>
        <source>1. %1 is taken out of the circuit; nodes %2 and %3 are left open.</source>
        <translation>1. Se retira %1 del circuito; los nodos %2 y %3 quedan abiertos.</translation>
    </message>
    <message>
        <source>%1 and Norton equivalents between nodes %2 and %3.</source>
        <translation>Equivalentes de %1 y de Norton entre los nodos %2 y %3.</translation>
    </message>
    <message>
        <source>1. Nodes %1 and %2 are the terminals; nothing is connected between them.</source>
        <translation>1. Los nodos %1 y %2 son los terminales; no hay nada conectado entre ellos.</translation>
    </message>
    <message>
        <source>2. The open-circuit voltage, by the node voltage method:</source>
        <translation>2. La tensión en circuito abierto, por el método de nodos:</translation>
    </message>
    <message>
        <source>2. There is no open-circuit voltage to find: with the terminals open, nothing joins the side of node %1 to the side of node %2, so nothing fixes the voltage between them.</source>
        <translation>2. No hay tensión en circuito abierto que hallar: con los terminales abiertos, nada une el lado del nodo %1 con el lado del nodo %2, así que nada fija la tensión entre ellos.</translation>
    </message>
    <message>
        <source>2. There is no open-circuit voltage to find: with the terminals open, only the current source %1 joins the side of node %2 to the side of node %3, which fixes a current and no voltage.</source>
        <translation>2. No hay tensión en circuito abierto que hallar: con los terminales abiertos, solo la fuente de corriente %1 une el lado del nodo %2 con el lado del nodo %3, y fija una corriente, no una tensión.</translation>
    </message>
    <message>
        <source>2. There is no open-circuit voltage to find: with the terminals open, only the current sources %1 join the side of node %2 to the side of node %3, which fix currents and no voltage.</source>
        <translation>2. No hay tensión en circuito abierto que hallar: con los terminales abiertos, solo las fuentes de corriente %1 unen el lado del nodo %2 con el lado del nodo %3, y fijan corrientes, no tensiones.</translation>
    </message>
    <message>
        <source>3. The sources set to zero (%1), the resistance seen between %2 and %3:</source>
        <translation>3. Con las fuentes anuladas (%1), la resistencia vista entre %2 y %3:</translation>
    </message>
    <message>
        <source>the shorted %1 joins %2 to %3, so Rth = %4.</source>
        <translation>%1, cortocircuitada, une %2 con %3, así que Rth = %4.</translation>
    </message>
    <message>
        <source>the shorted %1 join %2 to %3, so Rth = %4.</source>
        <translation>%1, cortocircuitadas, unen %2 con %3, así que Rth = %4.</translation>
    </message>
    <message>
        <source>a test current of %1 into %2 and out of %3 gives %4 - %5 = %6, so Rth = %7.</source>
        <translation>una corriente de prueba de %1 que entra por %2 y sale por %3 da %4 - %5 = %6, así que Rth = %7.</translation>
    </message>
    <message>
        <source>nothing joins %1 to %2, so the resistance between them has no bound.</source>
        <translation>nada une %1 con %2, así que la resistencia entre ellos no tiene límite.</translation>
    </message>
    <message>
        <source>4. The short-circuit current, with %1 and %2 joined by a wire: In = %3 from %1 through the wire to %2.</source>
        <translation>4. La corriente de cortocircuito, con %1 y %2 unidos por un cable: In = %3 de %1 por el cable a %2.</translation>
    </message>
    <message>
        <source>4. There is no short-circuit current to find: a wire from %1 to %2 would close a loop with %3.</source>
        <translation>4. No hay corriente de cortocircuito que hallar: un cable de %1 a %2 cerraría un lazo con %3.</translation>
    </message>
    <message>
        <source>%1 equivalent: Vth = %2, positive at %3, in series with Rth = %4.</source>
        <translation>Equivalente de %1: Vth = %2, positivo en %3, en serie con Rth = %4.</translation>
    </message>
    <message>
        <source>There is no %1 equivalent: the resistance between %2 and %3 has no bound, and no voltage source in series with a resistor behaves so.</source>
        <translation>No hay equivalente de %1: la resistencia entre %2 y %3 no tiene límite, y ninguna fuente de tensión en serie con una resistencia se comporta así.</translation>
    </message>
    <message>
        <source>Norton equivalent: In = %1 into %2, in parallel with Rth = %3.</source>
        <translation>Equivalente de Norton: In = %1 hacia %2, en paralelo con Rth = %3.</translation>
    </message>
    <message>
        <source>Norton equivalent: In = %1 into %2, with no resistor beside it.</source>
        <translation>Equivalente de Norton: In = %1 hacia %2, sin ninguna resistencia en paralelo.</translation>
    </message>
    <message>
        <source>There is no Norton equivalent: the resistance between %1 and %2 is zero, and a current source beside a resistor of 0 %3 would drive its current through a short.</source>
        <translation>No hay equivalente de Norton: la resistencia entre %1 y %2 es cero, y una fuente de corriente en paralelo con una resistencia de 0 %3 haría pasar su corriente por un cortocircuito.</translation>
    </message>
</context>
<context>
    <name>TracedLoop</name>
    <message>
        <source>where %1 and %2 meet</source>
        <translation>donde se encuentran %1 y %2</translation>
    </message>
    <message>
        <source>a node</source>
        <translation>un nodo</translation>
    </message>
    <message>
        <source>Click a branch of your circuit to start the loop.</source>
        <translation>Haga clic en una rama de su circuito para empezar el lazo.</translation>
    </message>
    <message>
        <source>%1 has both ends on one node, so it is a loop by itself: the loop is closed.</source>
        <translation>%1 tiene los dos extremos en un mismo nodo, así que es un lazo por sí solo: el lazo está cerrado.</translation>
    </message>
    <message>
        <source>%1 does not touch %2, the last branch of your loop.

Click a branch that goes on from one of its ends.</source>
        <translation>%1 no toca %2, la última rama de su lazo.

Haga clic en una rama que continúe desde uno de sus extremos.</translation>
    </message>
    <message>
        <source>Your loop is closed already: %1 would be one branch too many.</source>
        <translation>Su lazo ya está cerrado: %1 sería una rama de más.</translation>
    </message>
    <message>
        <source>%1 is in your loop already.

Click a branch that goes on from the end of %2 your loop has reached.</source>
        <translation>%1 ya está en su lazo.

Haga clic en una rama que continúe desde el extremo de %2 al que ha llegado su lazo.</translation>
    </message>
    <message>
        <source>%1 has both ends on one node, so it is a loop by itself and cannot be part of a longer one.</source>
        <translation>%1 tiene los dos extremos en un mismo nodo, así que es un lazo por sí solo y no puede formar parte de uno más largo.</translation>
    </message>
    <message>
        <source>%1 touches %2 only at the end your loop came in by.

Go on from the other end of %2.</source>
        <translation>%1 toca %2 solo en el extremo por el que entró su lazo.

Continúe desde el otro extremo de %2.</translation>
    </message>
    <message>
        <source>%1 does not touch %2, the last branch of your loop.

Click a branch that goes on from the end of %2 your loop has reached.</source>
        <translation>%1 no toca %2, la última rama de su lazo.

Haga clic en una rama que continúe desde el extremo de %2 al que ha llegado su lazo.</translation>
    </message>
    <message>
        <source>%1 would take your loop back to %2, which it has passed already: a loop passes each node only once.</source>
        <translation>%1 devolvería su lazo a %2, por donde ya ha pasado: un lazo pasa por cada nodo una sola vez.</translation>
    </message>
    <message>
        <source>Your loop is not closed yet: go on from either end of %1 until the loop comes back to its other end.</source>
        <translation>Su lazo aún no está cerrado: continúe desde cualquiera de los extremos de %1 hasta que el lazo vuelva a su otro extremo.</translation>
    </message>
    <message>
        <source>Your loop is not closed yet: go on from the end of %1 until the loop comes back to the end of %2 it started from.</source>
        <translation>Su lazo aún no está cerrado: continúe desde el extremo de %1 hasta que el lazo vuelva al extremo de %2 del que partió.</translation>
    </message>
    <message>
        <source>The current of %1 follows from the loops&apos; currents through %2 already, so your loops cannot take every current source into account.</source>
        <translation>La corriente de %1 ya se deduce de las corrientes de los lazos que atraviesan %2, así que sus lazos no pueden tener en cuenta todas las fuentes de corriente.</translation>
    </message>
</context>
<context>
    <name>TreeQuiz</name>
    <message>
        <source>Your tree has %1 of its %2 branch.</source>
        <translation>Su árbol tiene %1 de sus %2 rama.</translation>
    </message>
    <message>
        <source>Your tree has %1 of its %2 branches.</source>
        <translation>Su árbol tiene %1 de sus %2 ramas.</translation>
    </message>
    <message>
        <source>Your tree has %1 of its %2 branch: %3.</source>
        <translation>Su árbol tiene %1 de sus %2 rama: %3.</translation>
    </message>
    <message>
        <source>Your tree has %1 of its %2 branches: %3.</source>
        <translation>Su árbol tiene %1 de sus %2 ramas: %3.</translation>
    </message>
    <message>
        <source>Click a resistor or a voltage source of your circuit.</source>
        <translation>Haga clic en una resistencia o una fuente de tensión de su circuito.</translation>
    </message>
    <message>
        <source>%1 is taken out of the tree; it is a chord again.</source>
        <translation>%1 sale del árbol; vuelve a ser una cuerda.</translation>
    </message>
    <message>
        <source>%1 is in the tree.</source>
        <translation>%1 está en el árbol.</translation>
    </message>
    <message>
        <source>The tree is complete: its %1 branch joins all %2 nodes, and every other branch is a chord that closes one loop with it.</source>
        <translation>El árbol está completo: su %1 rama une los %2 nodos, y cada una de las demás ramas es una cuerda que cierra un lazo con él.</translation>
    </message>
    <message>
        <source>The tree is complete: its %1 branches join all %2 nodes, and every other branch is a chord that closes one loop with it.</source>
        <translation>El árbol está completo: sus %1 ramas unen los %2 nodos, y cada una de las demás ramas es una cuerda que cierra un lazo con él.</translation>
    </message>
</context>
<context>
    <name>ValueField</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Introduzca un número.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this value takes no unit.</source>
        <translation>&quot;%1&quot;: este valor no lleva unidad.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in %2, but this value is in %3.</source>
        <translation>&quot;%1&quot; está en %2, pero este valor está en %3.</translation>
    </message>
    <message>
        <source>The resistance value must be greater than 0.

If you wish to have a branch of zero resistance over there,
you may replace the resistor with a wire.</source>
        <translation>El valor de la resistencia debe ser mayor que 0.

Si desea tener ahí una rama de resistencia nula,
puede sustituir la resistencia por un cable.</translation>
    </message>
</context>
<context>
    <name>ValueRange</name>
    <message>
        <source>%1 has a resistance of %2; Kirvolt takes resistances of 0 or from 1 pΩ to 1 TΩ.</source>
        <translation>%1 tiene una resistencia de %2; Kirvolt admite resistencias de 0 o de 1 pΩ a 1 TΩ.</translation>
    </message>
    <message>
        <source>%1 has no finite value; Kirvolt takes resistances of 0 or from 1 pΩ to 1 TΩ.</source>
        <translation>%1 no tiene un valor finito; Kirvolt admite resistencias de 0 o de 1 pΩ a 1 TΩ.</translation>
    </message>
    <message>
        <source>%1 has an EMF of %2; Kirvolt takes EMFs of 0 or from -1 MV to -1 fV or from 1 fV to 1 MV.</source>
        <translation>%1 tiene una f.e.m. de %2; Kirvolt admite f.e.m. de 0 o de -1 MV a -1 fV o de 1 fV a 1 MV.</translation>
    </message>
    <message>
        <source>%1 has no finite value; Kirvolt takes EMFs of 0 or from -1 MV to -1 fV or from 1 fV to 1 MV.</source>
        <translation>%1 no tiene un valor finito; Kirvolt admite f.e.m. de 0 o de -1 MV a -1 fV o de 1 fV a 1 MV.</translation>
    </message>
    <message>
        <source>%1 has a current of %2; Kirvolt takes currents of 0 or from -1 MA to -1 fA or from 1 fA to 1 MA.</source>
        <translation>%1 tiene una corriente de %2; Kirvolt admite corrientes de 0 o de -1 MA a -1 fA o de 1 fA a 1 MA.</translation>
    </message>
    <message>
        <source>%1 has no finite value; Kirvolt takes currents of 0 or from -1 MA to -1 fA or from 1 fA to 1 MA.</source>
        <translation>%1 no tiene un valor finito; Kirvolt admite corrientes de 0 o de -1 MA a -1 fA o de 1 fA a 1 MA.</translation>
    </message>
    <message>
        <source>%1 has a value that is not a number.</source>
        <translation>%1 tiene un valor que no es un número.</translation>
    </message>
</context>
<context>
    <name>VoltageScale</name>
    <message>
        <source>Node voltage</source>
        <translation>Tensión de nodo</translation>
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
    <name>kirvolt::CKirvoltView</name>
    <message>
        <source>Joint</source>
        <translation>Unión</translation>
    </message>
    <message>
        <source>Circuit drawing</source>
        <translation>Dibujo del circuito</translation>
    </message>
    <message>
        <source>Arrow keys move the grid cursor (Shift: five steps), Enter clicks at it, Tab and Shift+Tab step through the elements and joints, Ctrl+Space adds to the selection, Ctrl and the arrows move the selection.</source>
        <translation>Las flechas mueven el cursor de la cuadrícula (Mayús: cinco pasos), Intro hace clic en él, Tab y Mayús+Tab recorren los elementos y las uniones, Ctrl+Espacio añade a la selección, Ctrl y las flechas mueven la selección.</translation>
    </message>
    <message>
        <source>Circuit drawing, cursor at %1, %2</source>
        <translation>Dibujo del circuito, cursor en %1, %2</translation>
    </message>
    <message>
        <source>wire %1</source>
        <translation>cable %1</translation>
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
    <message>
        <source>More buttons</source>
        <translation>Más botones</translation>
    </message>
    <message>
        <source>Shows the buttons that do not fit on the toolbar</source>
        <translation>Muestra los botones que no caben en la barra de herramientas</translation>
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
        <source>There are four steps for the Chord Current Analysis Method.</source>
        <translation>El método de corrientes de cuerda consta de cuatro pasos.</translation>
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
    <name>kirvolt::KeyIndicators</name>
    <message>
        <source>CAP</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESPL</translation>
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
        <source>There are four steps for the Loop Current Analysis Method.</source>
        <translation>El método de corrientes de lazo consta de cuatro pasos.</translation>
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
    <message>
        <source>Matrix form</source>
        <translation>Forma matricial</translation>
    </message>
    <message>
        <source>The system G x = b of the last analysis, its unknowns and their values</source>
        <translation>El sistema G x = b del último análisis, sus incógnitas y sus valores</translation>
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
        <source>There are four steps for the Mesh Current Analysis Method.</source>
        <translation>El método de mallas consta de cuatro pasos.</translation>
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
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  pasos</translation>
    </message>
</context>
<context>
    <name>kirvolt::TutorIntroductionDialog</name>
    <message>
        <source>Background Notes</source>
        <translation>Nociones previas</translation>
    </message>
    <message>
        <source>There are four steps for the Nodal Voltage Analysis Method.</source>
        <translation>El método de tensiones de nodo consta de cuatro pasos.</translation>
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
