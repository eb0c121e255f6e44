<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Analysis</name>
    <message>
        <source>Create your circuit first.</source>
        <translation>Erstellen Sie zuerst Ihre Schaltung.</translation>
    </message>
</context>
<context>
    <name>BackgroundNotes</name>
    <message>
        <source>For a network with  &apos;n&apos;  nodes and  &apos;b&apos;  branches excited by active elements, the unknown quantities of interest are the branch voltages and the branch currents of all its elements, which make up  &apos;2b&apos;  unknowns. For every element the branch voltage and current are tied together by the law of that element, like Ohm&apos;s Law, so once one is known the other follows. Hence we need to solve for only &apos;b&apos;  unknowns, one for each branch, to get the current and voltage information about the circuit.
</source>
        <translation>Für ein Netzwerk mit  &apos;n&apos;  Knoten und  &apos;b&apos;  Zweigen, das von aktiven Elementen gespeist wird, sind die gesuchten unbekannten Größen die Zweigspannungen und Zweigströme aller seiner Elemente, also  &apos;2b&apos;  Unbekannte. Bei jedem Element sind Zweigspannung und Zweigstrom durch das Gesetz dieses Elements verknüpft, etwa das Ohmsche Gesetz, sodass aus dem einen das andere folgt. Daher müssen wir nur nach &apos;b&apos;  Unbekannten auflösen, einer für jeden Zweig, um Strom und Spannung in der Schaltung zu kennen.
</translation>
    </message>
    <message>
        <source> These unknowns may either be branch voltage or branch current of the elements. In the Nodal Analysis method we go one step further and use the node voltages as the unknowns. First we select one of the nodes as the common reference node and call it the Datum Node. Its voltage is taken to be zero, and the voltage of every other node is measured with respect to it. The voltage of node 1 is written V1, the voltage of node 2 is written V2, and so on. Each branch of the circuit is connected between two nodes, so the branch voltage of any element is simply the difference of the two node voltages at its ends, e.g. any element connected between node 1 and node 2 has the branch voltage  V1 - V2.  Once the node voltages are known, all the branch voltages follow, and from them all the branch currents by the element laws. In this way the number of unknowns drops from  &apos;b&apos;  to  &apos;n-1&apos;, which is usually a far smaller number. Kirchhoff&apos;s Voltage Law (KVL) is satisfied automatically by the node voltages, because around any closed loop the differences of node voltages always add up to zero. What is still left to be satisfied is Kirchhoff&apos;s Current Law (KCL), which says that the currents leaving a node must add up to the currents entering it. We write one KCL equation for each node except the Datum Node; the equation of the Datum Node is not needed, as it can always be obtained by adding up all of the other equations. This gives exactly  &apos;n-1&apos;  independent equations for the  &apos;n-1&apos; unknown node voltages.</source>
        <translation> Diese Unbekannten können entweder Zweigspannungen oder Zweigströme der Elemente sein. Beim Knotenpotentialverfahren gehen wir einen Schritt weiter und verwenden die Knotenspannungen als Unbekannte. Zuerst wählen wir einen der Knoten als gemeinsamen Referenzknoten und nennen ihn den Bezugsknoten. Seine Spannung wird null gesetzt, und die Spannung jedes anderen Knotens wird gegenüber ihm gemessen. Die Spannung von Knoten 1 wird V1 geschrieben, die Spannung von Knoten 2 wird V2 geschrieben und so weiter. Jeder Zweig der Schaltung liegt zwischen zwei Knoten, daher ist die Zweigspannung jedes Elements einfach die Differenz der beiden Knotenspannungen an seinen Enden, z. B. hat jedes Element zwischen Knoten 1 und Knoten 2 die Zweigspannung  V1 - V2.  Sind die Knotenspannungen bekannt, folgen daraus alle Zweigspannungen und aus ihnen über die Elementgesetze alle Zweigströme. So sinkt die Zahl der Unbekannten von  &apos;b&apos;  auf  &apos;n-1&apos;, was meist eine weit kleinere Zahl ist. Die Maschenregel (KVL) wird von den Knotenspannungen automatisch erfüllt, da sich längs jeder geschlossenen Schleife die Differenzen der Knotenspannungen immer zu null addieren. Zu erfüllen bleibt noch die Knotenregel (KCL), nach der die Summe der aus einem Knoten abfließenden Ströme gleich der Summe der zufließenden Ströme ist. Wir stellen für jeden Knoten außer dem Bezugsknoten eine Knotengleichung auf; die Gleichung des Bezugsknotens wird nicht gebraucht, da sie sich stets durch Addition aller anderen Gleichungen ergibt. Das ergibt genau  &apos;n-1&apos;  unabhängige Gleichungen für die  &apos;n-1&apos; unbekannten Knotenspannungen.</translation>
    </message>
    <message>
        <source>  When we write KCL equation for a node, we equate the sum of currents leaving the node via resistors connected to this node to the sum of currents entering the node from Current Sources connected to it. The current leaving node &apos;a&apos; through a resistor R connected to node &apos;b&apos; is  (Va-Vb)/R, where Va and Vb are the node voltages at the two ends of the resistor. If the current actually enters the node, the value of  (Va-Vb)/R  simply comes out negative. A resistor connected between node &apos;a&apos; and the Datum Node carries the current  Va/R  out of node &apos;a&apos;, since the Datum Node is at zero volts. A Current Source pointing into the node is written with a plus sign on the right hand side of the equation, and one pointing away from the node with a minus sign. Ideal Voltage Sources need special care, because the current through them cannot be found from their voltage. Nodes joined together by Voltage Sources are taken as one macro node, and a single KCL equation is written for the whole macro node, while each Voltage Source gives one more equation relating the voltages of the two nodes at its ends. When all  &apos;n-1&apos;  equations are written down, they form a set of simultaneous linear equations in the node voltages, which can be solved by substitution, by elimination, or with the help of matrices and Cramer&apos;s Rule. After you have found the node voltages, always check your answer. Put the node voltages into the equation of each node and work out the current leaving the node through every resistor connected to it, then add up all these currents. The resulting value should be equal to the algebraic sum of Current Sources entering the concerned node.</source>
        <translation>  Wenn wir die Knotengleichung für einen Knoten aufstellen, setzen wir die Summe der Ströme, die über die angeschlossenen Widerstände aus dem Knoten abfließen, gleich der Summe der Ströme, die aus den angeschlossenen Stromquellen in den Knoten fließen. Der Strom, der aus Knoten &apos;a&apos; durch einen Widerstand R zum Knoten &apos;b&apos; abfließt, ist  (Va-Vb)/R, wobei Va und Vb die Knotenspannungen an den beiden Enden des Widerstands sind. Fließt der Strom tatsächlich in den Knoten hinein, wird der Wert von  (Va-Vb)/R  einfach negativ. Ein Widerstand zwischen Knoten &apos;a&apos; und dem Bezugsknoten führt den Strom  Va/R  aus Knoten &apos;a&apos; ab, da der Bezugsknoten auf null Volt liegt. Eine Stromquelle, die in den Knoten zeigt, wird mit Pluszeichen auf der rechten Seite der Gleichung geschrieben, eine vom Knoten wegzeigende mit Minuszeichen. Ideale Spannungsquellen erfordern besondere Sorgfalt, da sich der Strom durch sie nicht aus ihrer Spannung bestimmen lässt. Durch Spannungsquellen verbundene Knoten werden zu einem Makroknoten zusammengefasst, und für den ganzen Makroknoten wird eine einzige Knotengleichung aufgestellt, während jede Spannungsquelle eine weitere Gleichung liefert, die die Spannungen der beiden Knoten an ihren Enden verknüpft. Sind alle  &apos;n-1&apos;  Gleichungen aufgeschrieben, bilden sie ein lineares Gleichungssystem in den Knotenspannungen, das sich durch Einsetzen, durch Elimination oder mit Hilfe von Matrizen und der Cramerschen Regel lösen lässt. Wenn Sie die Knotenspannungen gefunden haben, prüfen Sie stets Ihr Ergebnis. Setzen Sie die Knotenspannungen in die Gleichung jedes Knotens ein, berechnen Sie den Strom, der durch jeden angeschlossenen Widerstand aus dem Knoten abfließt, und addieren Sie alle diese Ströme. Der erhaltene Wert sollte gleich der algebraischen Summe der in den betreffenden Knoten fließenden Stromquellen sein.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Ein neues Dokument erstellen
Neu</translation>
    </message>
    <message>
        <source>New Exerc&amp;ise...</source>
        <translation>Neue Übun&amp;g...</translation>
    </message>
    <message>
        <source>Make a circuit to solve, at the difficulty and from the seed chosen
New Exercise</source>
        <translation>Eine zu lösende Schaltung mit der gewählten Schwierigkeit und dem gewählten Startwert erzeugen
Neue Übung</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ein vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Das aktive Dokument schließen
Schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Das aktive Dokument speichern
Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Export SPICE Netlist...</source>
        <translation>SPICE-Netzliste e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Write the active circuit as a SPICE netlist
Export SPICE Netlist</source>
        <translation>Die aktive Schaltung als SPICE-Netzliste schreiben
SPICE-Netzliste exportieren</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Das aktive Dokument drucken
Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Ganze Seiten anzeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>D&amp;rucker einrichten...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Drucker einrichten</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>B&amp;ild exportieren...</translation>
    </message>
    <message>
        <source>Save a picture of the circuit as PNG, SVG or PDF
Export Picture</source>
        <translation>Ein Bild der Schaltung als PNG, SVG oder PDF speichern
Bild exportieren</translation>
    </message>
    <message>
        <source>Export &amp;Worked Solution...</source>
        <translation>&amp;Lösungsweg exportieren...</translation>
    </message>
    <message>
        <source>Save the analysed circuit&apos;s worked solution as HTML or PDF
Export Worked Solution</source>
        <translation>Den Lösungsweg der analysierten Schaltung als HTML oder PDF speichern
Lösungsweg exportieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Die Anwendung beenden; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Die letzte Aktion rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Die zuletzt rückgängig gemachte Aktion wiederholen
Wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen
Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Die Auswahl kopieren und in die Zwischenablage legen
Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Den Inhalt der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message>
        <source>De&amp;lete Selection</source>
        <translation>Auswahl &amp;löschen</translation>
    </message>
    <message>
        <source>Delete the selection
Delete Selection</source>
        <translation>Die Auswahl löschen
Auswahl löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>Select the entire circuit
Select All</source>
        <translation>Die ganze Schaltung markieren
Alles markieren</translation>
    </message>
    <message>
        <source>Copy P&amp;icture</source>
        <translation>&amp;Bild kopieren</translation>
    </message>
    <message>
        <source>Put a picture of the circuit on the Clipboard
Copy Picture</source>
        <translation>Ein Bild der Schaltung in die Zwischenablage legen
Bild kopieren</translation>
    </message>
    <message>
        <source>R&amp;otate</source>
        <translation>Dre&amp;hen</translation>
    </message>
    <message>
        <source>Rotate Component
Rotate</source>
        <translation>Bauteil drehen
Drehen</translation>
    </message>
    <message>
        <source>M&amp;irror</source>
        <translation>S&amp;piegeln</translation>
    </message>
    <message>
        <source>Mirror Component
Mirror</source>
        <translation>Bauteil spiegeln
Spiegeln</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>Move a Component
Move</source>
        <translation>Ein Bauteil verschieben
Verschieben</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <source>Delete a Component
Delete</source>
        <translation>Ein Bauteil löschen
Löschen</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Show the Component Information
Info</source>
        <translation>Die Bauteilinformationen anzeigen
Info</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Edit the Value of a Component
Value</source>
        <translation>Den Wert eines Bauteils bearbeiten
Wert</translation>
    </message>
    <message>
        <source>Assign Node Numbers</source>
        <translation>Knotennummern vergeben</translation>
    </message>
    <message>
        <source>Assign new Node Number to the nodes of the circuit
Assign Node Numbers</source>
        <translation>Den Knoten der Schaltung neue Knotennummern zuweisen
Knotennummern vergeben</translation>
    </message>
    <message>
        <source>Hide/Show node numbers</source>
        <translation>Knotennummern ein-/ausblenden</translation>
    </message>
    <message>
        <source>Hide/Show thr Node Numbers of the circuit
Hide/Show node numbers</source>
        <translation>Die Knotennummern der Schaltung ein- oder ausblenden
Knotennummern ein-/ausblenden</translation>
    </message>
    <message>
        <source>Set Datum Node</source>
        <translation>Bezugsknoten festlegen</translation>
    </message>
    <message>
        <source>Set a node in the circuit as Datum Node
Set Datum Node</source>
        <translation>Einen Knoten der Schaltung als Bezugsknoten festlegen
Bezugsknoten festlegen</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Die Symbolleiste ein- oder ausblenden
Symbolleiste umschalten</translation>
    </message>
    <message>
        <source>&amp;Command Toolbar</source>
        <translation>&amp;Befehlsleiste</translation>
    </message>
    <message>
        <source>Show or Hide the Command Toolbar
Toggle Command Toolbar</source>
        <translation>Die Befehlsleiste ein- oder ausblenden
Befehlsleiste umschalten</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Die Statusleiste ein- oder ausblenden
Statusleiste umschalten</translation>
    </message>
    <message>
        <source>&amp;No Grid</source>
        <translation>&amp;Kein Raster</translation>
    </message>
    <message>
        <source>Hide the Grid Display
Hide Grid</source>
        <translation>Das Raster ausblenden
Kein Raster</translation>
    </message>
    <message>
        <source>&amp;Dot Grid</source>
        <translation>&amp;Punktraster</translation>
    </message>
    <message>
        <source>Show the Display of the Dot Grid
Dot Grid</source>
        <translation>Das Punktraster anzeigen
Punktraster</translation>
    </message>
    <message>
        <source>S&amp;quare Grid</source>
        <translation>&amp;Quadratraster</translation>
    </message>
    <message>
        <source>Show the Display of Orhtogonal Grid
Square Grid</source>
        <translation>Das rechtwinklige Raster anzeigen
Quadratraster</translation>
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
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom In
zoom in</source>
        <translation>Vergrößern
vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom Out
zoom out</source>
        <translation>Verkleinern
verkleinern</translation>
    </message>
    <message>
        <source>Zoom In or Out</source>
        <translation>Vergrößern oder verkleinern</translation>
    </message>
    <message>
        <source>Zoom In or Out
scale</source>
        <translation>Vergrößern oder verkleinern
Zoomstufe</translation>
    </message>
    <message>
        <source>&amp;European Style</source>
        <translation>&amp;Europäische Darstellung</translation>
    </message>
    <message>
        <source>Display all Resistors in European Style
EU Style</source>
        <translation>Alle Widerstände in europäischer Darstellung zeigen
EU-Darstellung</translation>
    </message>
    <message>
        <source>&amp;US Style</source>
        <translation>&amp;US-Darstellung</translation>
    </message>
    <message>
        <source>Dsiplay all Resistors in US Style
US Style</source>
        <translation>Alle Widerstände in US-Darstellung zeigen
US-Darstellung</translation>
    </message>
    <message>
        <source>&amp;Re-Draw</source>
        <translation>&amp;Neu zeichnen</translation>
    </message>
    <message>
        <source>Re-Draw
Re-Draw</source>
        <translation>Neu zeichnen
Neu zeichnen</translation>
    </message>
    <message>
        <source>Using Nodal Analysis</source>
        <translation>Mit Knotenpotentialverfahren</translation>
    </message>
    <message>
        <source>&amp;Matrix Form</source>
        <translation>&amp;Matrixform</translation>
    </message>
    <message>
        <source>Show the analysed circuit&apos;s modified nodal system G x = b, to read or to copy
Matrix Form</source>
        <translation>Das modifizierte Knotengleichungssystem G x = b der analysierten Schaltung zum Lesen oder Kopieren anzeigen
Matrixform</translation>
    </message>
    <message>
        <source>&amp;Formulas</source>
        <translation>&amp;Formeln</translation>
    </message>
    <message>
        <source>Show every node voltage as a formula in the elements&apos; names, with its value
Formulas</source>
        <translation>Jede Knotenspannung als Formel in den Namen der Elemente anzeigen, mit ihrem Wert
Formeln</translation>
    </message>
    <message>
        <source>Show equation</source>
        <translation>Gleichung anzeigen</translation>
    </message>
    <message>
        <source>Show voltage-current equation and calculation steps.
Show equation</source>
        <translation>Spannungs-Strom-Gleichung und Rechenschritte anzeigen.
Gleichung anzeigen</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>Select Component Mode
Select</source>
        <translation>Modus Bauteil auswählen
Auswählen</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Widerstand</translation>
    </message>
    <message>
        <source>Insert a Resistor to the circuit
Resistor</source>
        <translation>Einen Widerstand in die Schaltung einfügen
Widerstand</translation>
    </message>
    <message>
        <source>&amp;Voltage Source</source>
        <translation>&amp;Spannungsquelle</translation>
    </message>
    <message>
        <source>Insert a Voltage Source to the circuit
Voltage Source</source>
        <translation>Eine Spannungsquelle in die Schaltung einfügen
Spannungsquelle</translation>
    </message>
    <message>
        <source>&amp;Current Source</source>
        <translation>Strom&amp;quelle</translation>
    </message>
    <message>
        <source>Insert a Current Source to the circuit
Current Source</source>
        <translation>Eine Stromquelle in die Schaltung einfügen
Stromquelle</translation>
    </message>
    <message>
        <source>&amp;Ammeter</source>
        <translation>A&amp;mperemeter</translation>
    </message>
    <message>
        <source>Insert Ammeter
Ammeter</source>
        <translation>Amperemeter einfügen
Amperemeter</translation>
    </message>
    <message>
        <source>V&amp;oltmeter</source>
        <translation>V&amp;oltmeter</translation>
    </message>
    <message>
        <source>Insert Voltmeter
Voltmeter</source>
        <translation>Voltmeter einfügen
Voltmeter</translation>
    </message>
    <message>
        <source>&amp;Wire</source>
        <translation>&amp;Leitung</translation>
    </message>
    <message>
        <source>Place a Wire to Connect Components
Wire</source>
        <translation>Eine Leitung zum Verbinden von Bauteilen legen
Leitung</translation>
    </message>
    <message>
        <source>Turning Wire, &amp;Across First</source>
        <translation>Abgewinkelte Leitung, zuerst &amp;horizontal</translation>
    </message>
    <message>
        <source>Connect Wire with Right-Angle Turn
Turning Wire</source>
        <translation>Leitung mit rechtwinkligem Knick verbinden
Abgewinkelte Leitung</translation>
    </message>
    <message>
        <source>Turning Wire, Up or D&amp;own First</source>
        <translation>Abgewinkelte Leitung, zuerst &amp;vertikal</translation>
    </message>
    <message>
        <source>Connect Wire with Right-Angled Turn
Turning Wire</source>
        <translation>Leitung mit rechtwinkligem Knick verbinden
Abgewinkelte Leitung</translation>
    </message>
    <message>
        <source>&amp;Joint</source>
        <translation>Verbindungs&amp;punkt</translation>
    </message>
    <message>
        <source>Made a joint between two or more Components
Joint</source>
        <translation>Einen Verbindungspunkt zwischen zwei oder mehr Bauteilen setzen
Verbindungspunkt</translation>
    </message>
    <message>
        <source>&amp;Eastwards</source>
        <translation>Nach Os&amp;ten</translation>
    </message>
    <message>
        <source>Set Component Direction to the East
East</source>
        <translation>Bauteilrichtung nach Osten setzen
Osten</translation>
    </message>
    <message>
        <source>&amp;Northwards</source>
        <translation>Nach &amp;Norden</translation>
    </message>
    <message>
        <source>Set Component Direction to the North
North</source>
        <translation>Bauteilrichtung nach Norden setzen
Norden</translation>
    </message>
    <message>
        <source>&amp;Westwar&amp;ds</source>
        <translation>Nach W&amp;esten</translation>
    </message>
    <message>
        <source>Set Component Direction to the West
West</source>
        <translation>Bauteilrichtung nach Westen setzen
Westen</translation>
    </message>
    <message>
        <source>So&amp;uthwards</source>
        <translation>Nach Sü&amp;den</translation>
    </message>
    <message>
        <source>Set Component Direction to the South
South</source>
        <translation>Bauteilrichtung nach Süden setzen
Süden</translation>
    </message>
    <message>
        <source>Node Voltage Method</source>
        <translation>Knotenpotentialverfahren</translation>
    </message>
    <message>
        <source>Mesh Current Method</source>
        <translation>Maschenstromverfahren</translation>
    </message>
    <message>
        <source>Loop Current Method</source>
        <translation>Schleifenstromverfahren</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Compute Voltages &amp; Currents
Compute</source>
        <translation>Spannungen und Ströme berechnen
Berechnen</translation>
    </message>
    <message>
        <source>Electrical &amp;Rule Check</source>
        <translation>Elektrische &amp;Regelprüfung</translation>
    </message>
    <message>
        <source>Electrical Rule Check
ERC</source>
        <translation>Elektrische Regelprüfung
ERC</translation>
    </message>
    <message>
        <source>Thévenin Equivalent...</source>
        <translation>Thévenin-Ersatzschaltung...</translation>
    </message>
    <message>
        <source>Find the Thévenin and Norton equivalents between two nodes or as seen by a resistor
Thévenin Equivalent</source>
        <translation>Die Thévenin- und Norton-Ersatzschaltung zwischen zwei Knoten oder von einem Widerstand aus gesehen bestimmen
Thévenin-Ersatzschaltung</translation>
    </message>
    <message>
        <source>Superposition</source>
        <translation>Überlagerung</translation>
    </message>
    <message>
        <source>Solve the circuit once for each source with the others set to zero, and add the parts
Superposition</source>
        <translation>Die Schaltung für jede Quelle einzeln lösen, die anderen auf null gesetzt, und die Teile addieren
Überlagerung</translation>
    </message>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation>Tutor Knotenpotentialverfahren</translation>
    </message>
    <message>
        <source>This will guide you through the steps in the Nodal Analysis Process
Nodal Analysis Tutor</source>
        <translation>Führt Sie durch die Schritte des Knotenpotentialverfahrens
Tutor Knotenpotentialverfahren</translation>
    </message>
    <message>
        <source>Check My Node Equation</source>
        <translation>Meine Knotengleichung prüfen</translation>
    </message>
    <message>
        <source>Click a node, type its KCL equation and let Kirvolt check it
Check My Node Equation</source>
        <translation>Klicken Sie einen Knoten an, geben Sie seine Knotengleichung ein und lassen Sie Kirvolt sie prüfen
Meine Knotengleichung prüfen</translation>
    </message>
    <message>
        <source>Check My Mesh Equation</source>
        <translation>Meine Maschengleichung prüfen</translation>
    </message>
    <message>
        <source>Click inside a mesh, type its KVL equation and let Kirvolt check it
Check My Mesh Equation</source>
        <translation>Klicken Sie in eine Masche, geben Sie ihre Maschengleichung ein und lassen Sie Kirvolt sie prüfen
Meine Maschengleichung prüfen</translation>
    </message>
    <message>
        <source>Set Print Scale</source>
        <translation>Druckmaßstab festlegen</translation>
    </message>
    <message>
        <source>Set the scale factor for printing hardcopy.
Set Print Scale</source>
        <translation>Den Maßstab für den Ausdruck festlegen.
Druckmaßstab festlegen</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>Neues &amp;Fenster</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Ein weiteres Fenster für das aktive Dokument öffnen
Neues Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Fenster überlappend anordnen
Fenster überlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Fenster nicht überlappend nebeneinander anordnen
Fenster nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Symbole anordnen</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Symbole am unteren Fensterrand anordnen
Symbole anordnen</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Zum nächsten Fensterbereich wechseln
Nächster Bereich</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Zum vorherigen Fensterbereich zurückwechseln
Vorheriger Bereich</translation>
    </message>
    <message>
        <source>&amp;About Kirvolt...</source>
        <translation>Ü&amp;ber Kirvolt...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy Component
Copy</source>
        <translation>Bauteil kopieren
Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Cut Component
Cut</source>
        <translation>Bauteil ausschneiden
Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste Component
Paste</source>
        <translation>Bauteil einfügen
Einfügen</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppieren</translation>
    </message>
    <message>
        <source>Group Component
Group</source>
        <translation>Bauteil gruppieren
Gruppieren</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor</source>
        <translation>Tutor Modifizierte Knotenanalyse</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor
Modified Nodal Analysis Tutor</source>
        <translation>Tutor Modifizierte Knotenanalyse
Tutor Modifizierte Knotenanalyse</translation>
    </message>
    <message>
        <source>Loop Current Tutor</source>
        <translation>Tutor Schleifenstromverfahren</translation>
    </message>
    <message>
        <source>Loop Current Tutor
Loop Current Tutor</source>
        <translation>Tutor Schleifenstromverfahren
Tutor Schleifenstromverfahren</translation>
    </message>
    <message>
        <source>Mesh Current Tutor</source>
        <translation>Tutor Maschenstromverfahren</translation>
    </message>
    <message>
        <source>Mesh Current Tutor
Mesh Current Tutor</source>
        <translation>Tutor Maschenstromverfahren
Tutor Maschenstromverfahren</translation>
    </message>
    <message>
        <source>Chord Current Tutor</source>
        <translation>Tutor Verbindungszweigströme</translation>
    </message>
    <message>
        <source>Chord Current 
Chord Current Tutor</source>
        <translation>Verbindungszweigströme 
Tutor Verbindungszweigströme</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name Component
Name</source>
        <translation>Bauteil benennen
Name</translation>
    </message>
    <message>
        <source>Describe Circuit</source>
        <translation>Schaltung beschreiben</translation>
    </message>
    <message>
        <source>Put the whole circuit in words in a window that a screen reader reads
Describe Circuit</source>
        <translation>Die ganze Schaltung in einem Fenster, das ein Screenreader vorliest, in Worte fassen
Schaltung beschreiben</translation>
    </message>
</context>
<context>
    <name>ChordTutor</name>
    <message>
        <source>Your tree has %1 branch: %2.</source>
        <translation>Ihr Baum hat %1 Zweig: %2.</translation>
    </message>
    <message>
        <source>Your tree has %1 branches: %2.</source>
        <translation>Ihr Baum hat %1 Zweige: %2.</translation>
    </message>
    <message>
        <source>The other branch is its chord: %1.</source>
        <translation>Der andere Zweig ist sein Verbindungszweig: %1.</translation>
    </message>
    <message>
        <source>The other branches are its chords: %1.</source>
        <translation>Die anderen Zweige sind seine Verbindungszweige: %1.</translation>
    </message>
    <message>
        <source>Each chord closes one loop with the tree. The current of that loop runs through the chord in the chord&apos;s own direction and is named after it: %1.</source>
        <translation>Jeder Verbindungszweig schließt mit dem Baum eine Schleife. Der Strom dieser Schleife fließt in der eigenen Richtung des Verbindungszweigs durch ihn und wird nach ihm benannt: %1.</translation>
    </message>
    <message>
        <source>%1 is a current source, so its loop current is its own current and known beforehand.</source>
        <translation>%1 ist eine Stromquelle, daher ist ihr Schleifenstrom ihr eigener Strom und von vornherein bekannt.</translation>
    </message>
    <message>
        <source>%1 are current sources, so their loop currents are their own currents and known beforehand.</source>
        <translation>%1 sind Stromquellen, daher sind ihre Schleifenströme ihre eigenen Ströme und von vornherein bekannt.</translation>
    </message>
    <message>
        <source>There is %1 loop current, so %1 loop equation is needed, one for each chord.</source>
        <translation>Es gibt %1 Schleifenstrom, daher wird %1 Schleifengleichung gebraucht, eine für jeden Verbindungszweig.</translation>
    </message>
    <message>
        <source>There are %1 loop currents, so %1 loop equations are needed, one for each chord.</source>
        <translation>Es gibt %1 Schleifenströme, daher werden %1 Schleifengleichungen gebraucht, eine für jeden Verbindungszweig.</translation>
    </message>
    <message>
        <source>Loop %1 of %2: %3</source>
        <translation>Schleife %1 von %2: %3</translation>
    </message>
    <message>
        <source>%1 closes it with the tree. Going round it in the direction of %2, it runs through %3.</source>
        <translation>%1 schließt sie mit dem Baum. In Richtung von %2 umlaufen, führt sie durch %3.</translation>
    </message>
    <message>
        <source>The following shows how you write your equation:

Going round a loop in the direction of its current, each resistor drops its resistance times the current through it: the loop&apos;s own current, with the current of every other loop through that resistor added where it runs the same way and taken away where it runs against. The EMFs met from %1 to + stand on the right.

For the loop of R3, closed by a tree of E1 and R1, where the loop of R4 also runs through R1 the same way:

        R3·I_R3 + R1·(I_R3 + I_R4) = E1

The loop of a current source J1 needs no KVL equation: its current is the source&apos;s, I_J1 = J1.

Loop equations in your circuit may be prepared in a similar fashion.</source>
        <translation>So stellen Sie Ihre Gleichung auf:

Umläuft man eine Schleife in Richtung ihres Stroms, fällt an jedem Widerstand sein Widerstandswert mal dem Strom durch ihn ab: der eigene Strom der Schleife, wobei der Strom jeder anderen Schleife durch diesen Widerstand addiert wird, wo er gleich gerichtet ist, und abgezogen, wo er entgegengesetzt fließt. Die Quellenspannungen, die von %1 nach + durchlaufen werden, stehen auf der rechten Seite.

Für die Schleife von R3, geschlossen durch einen Baum aus E1 und R1, wobei die Schleife von R4 ebenfalls gleich gerichtet durch R1 läuft:

        R3·I_R3 + R1·(I_R3 + I_R4) = E1

Die Schleife einer Stromquelle J1 braucht keine Maschengleichung: Ihr Strom ist der der Quelle, I_J1 = J1.

Die Schleifengleichungen Ihrer Schaltung lassen sich auf die gleiche Weise aufstellen.</translation>
    </message>
</context>
<context>
    <name>CircuitEditor</name>
    <message>
        <source>Kirvolt default procedure for MouseMove is called, move cursor out of client area and press [Enter].</source>
        <translation>Die Standardprozedur von Kirvolt für MouseMove wurde aufgerufen; bewegen Sie den Mauszeiger aus dem Arbeitsbereich und drücken Sie [Enter].</translation>
    </message>
</context>
<context>
    <name>CircuitFile</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
    <message>
        <source>a name or label is too long for a circuit file</source>
        <translation>ein Name oder eine Beschriftung ist für eine Schaltungsdatei zu lang</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
</context>
<context>
    <name>CircuitWords</name>
    <message>
        <source>picoohm</source>
        <translation>Pikoohm</translation>
    </message>
    <message>
        <source>nanoohm</source>
        <translation>Nanoohm</translation>
    </message>
    <message>
        <source>microohm</source>
        <translation>Mikroohm</translation>
    </message>
    <message>
        <source>milliohm</source>
        <translation>Milliohm</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>kilohm</source>
        <translation>Kiloohm</translation>
    </message>
    <message>
        <source>megohm</source>
        <translation>Megaohm</translation>
    </message>
    <message>
        <source>gigohm</source>
        <translation>Gigaohm</translation>
    </message>
    <message>
        <source>teraohm</source>
        <translation>Teraohm</translation>
    </message>
    <message>
        <source>picovolt</source>
        <translation>Pikovolt</translation>
    </message>
    <message>
        <source>nanovolt</source>
        <translation>Nanovolt</translation>
    </message>
    <message>
        <source>microvolt</source>
        <translation>Mikrovolt</translation>
    </message>
    <message>
        <source>millivolt</source>
        <translation>Millivolt</translation>
    </message>
    <message>
        <source>volt</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>kilovolt</source>
        <translation>Kilovolt</translation>
    </message>
    <message>
        <source>megavolt</source>
        <translation>Megavolt</translation>
    </message>
    <message>
        <source>gigavolt</source>
        <translation>Gigavolt</translation>
    </message>
    <message>
        <source>teravolt</source>
        <translation>Teravolt</translation>
    </message>
    <message>
        <source>picoampere</source>
        <translation>Pikoampere</translation>
    </message>
    <message>
        <source>nanoampere</source>
        <translation>Nanoampere</translation>
    </message>
    <message>
        <source>microampere</source>
        <translation>Mikroampere</translation>
    </message>
    <message>
        <source>milliampere</source>
        <translation>Milliampere</translation>
    </message>
    <message>
        <source>ampere</source>
        <translation>Ampere</translation>
    </message>
    <message>
        <source>kiloampere</source>
        <translation>Kiloampere</translation>
    </message>
    <message>
        <source>megaampere</source>
        <translation>Megaampere</translation>
    </message>
    <message>
        <source>gigaampere</source>
        <translation>Gigaampere</translation>
    </message>
    <message>
        <source>teraampere</source>
        <translation>Teraampere</translation>
    </message>
    <message>
        <source>resistor</source>
        <translation>Widerstand</translation>
    </message>
    <message>
        <source>voltage source</source>
        <translation>Spannungsquelle</translation>
    </message>
    <message>
        <source>current source</source>
        <translation>Stromquelle</translation>
    </message>
    <message>
        <source>ammeter</source>
        <translation>Amperemeter</translation>
    </message>
    <message>
        <source>voltmeter</source>
        <translation>Voltmeter</translation>
    </message>
    <message>
        <source>element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>bei %1</translation>
    </message>
    <message>
        <source>from node %1 to node %2</source>
        <translation>von Knoten %1 nach Knoten %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>von %1 nach %2</translation>
    </message>
    <message>
        <source>, %1</source>
        <translation>, %1</translation>
    </message>
    <message>
        <source>, reads nothing: %1</source>
        <translation>, zeigt nichts an: %1</translation>
    </message>
    <message>
        <source>, reads %1</source>
        <translation>, zeigt %1</translation>
    </message>
    <message>
        <source>, p.d. %1, current %2</source>
        <translation>, Spannung %1, Strom %2</translation>
    </message>
    <message>
        <source>joint of node %1</source>
        <translation>Verbindungspunkt von Knoten %1</translation>
    </message>
    <message>
        <source>joint</source>
        <translation>Verbindungspunkt</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>The drawing is empty.</source>
        <translation>Die Zeichnung ist leer.</translation>
    </message>
    <message>
        <source>The circuit has %1 elements and %2 joints, read row by row from the top left.</source>
        <translation>Die Schaltung hat %1 Elemente und %2 Verbindungspunkte, reihenweise von links oben gelesen.</translation>
    </message>
    <message>
        <source>It has %1 nodes; the datum node is node %2.</source>
        <translation>Sie hat %1 Knoten; der Bezugsknoten ist Knoten %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The numbers are those of the last analysis.</source>
        <translation>Die Zahlen stammen aus der letzten Analyse.</translation>
    </message>
    <message>
        <source>It has not been analysed as it is drawn now.</source>
        <translation>So, wie sie jetzt gezeichnet ist, wurde sie noch nicht analysiert.</translation>
    </message>
</context>
<context>
    <name>CircuitWordsWindow</name>
    <message>
        <source>Describe Circuit</source>
        <translation>Schaltung beschreiben</translation>
    </message>
    <message>
        <source>The whole circuit in words, one element or joint a line</source>
        <translation>Die ganze Schaltung in Worten, ein Element oder Verbindungspunkt pro Zeile</translation>
    </message>
    <message>
        <source>The circuit in words</source>
        <translation>Die Schaltung in Worten</translation>
    </message>
    <message>
        <source>Each line is one element or joint, read row by row from the top left</source>
        <translation>Jede Zeile ist ein Element oder Verbindungspunkt, reihenweise von links oben gelesen</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>The Clipboard holds no circuit that Kirvolt can paste.</source>
        <translation>Die Zwischenablage enthält keine Schaltung, die Kirvolt einfügen kann.</translation>
    </message>
    <message>
        <source>The circuit on the Clipboard reaches too far to be pasted here.</source>
        <translation>Die Schaltung in der Zwischenablage reicht zu weit, um hier eingefügt zu werden.</translation>
    </message>
</context>
<context>
    <name>CurrentSourceQuiz</name>
    <message>
        <source>Found:  %1 of %2  meshes whose current a source fixes,  %3 of %4  pairs of meshes joined by a current source.</source>
        <translation>Gefunden:  %1 von %2  Maschen, deren Strom eine Quelle festlegt,  %3 von %4  Paaren von Maschen, die durch eine Stromquelle verbunden sind.</translation>
    </message>
    <message>
        <source>You have found what every current source does to the meshes.

Go ahead with your analysis.</source>
        <translation>Sie haben gefunden, was jede Stromquelle mit den Maschen macht.

Fahren Sie mit Ihrer Analyse fort.</translation>
    </message>
    <message>
        <source>That point is inside no mesh.

Click inside one of the meshes of your circuit.</source>
        <translation>Dieser Punkt liegt in keiner Masche.

Klicken Sie in eine der Maschen Ihrer Schaltung.</translation>
    </message>
    <message>
        <source>Mesh %1 chosen.

Now click the other mesh of the pair.</source>
        <translation>Masche %1 gewählt.

Klicken Sie jetzt die andere Masche des Paars an.</translation>
    </message>
    <message>
        <source>Mesh %1 is chosen already.

Click the mesh on the other side of the current source.</source>
        <translation>Masche %1 ist bereits gewählt.

Klicken Sie die Masche auf der anderen Seite der Stromquelle an.</translation>
    </message>
    <message>
        <source>You have found mesh %1 already.</source>
        <translation>Sie haben Masche %1 bereits gefunden.</translation>
    </message>
    <message>
        <source>Terrific! You got it.

%1

        %2

The current of mesh %3 is known, so mesh %3 needs no KVL equation.</source>
        <translation>Großartig! Sie haben es geschafft.

%1

        %2

Der Strom von Masche %3 ist bekannt, daher braucht Masche %3 keine Maschengleichung.</translation>
    </message>
    <message>
        <source>Sorry,

%1 on mesh %2 fixes no mesh current on its own: it lies between meshes %3 and carries the difference of their currents.

Look for a current source on the outside of the drawing, or click the two meshes it joins as a pair.</source>
        <translation>Leider falsch,

%1 an Masche %2 legt allein keinen Maschenstrom fest: Sie liegt zwischen den Maschen %3 und führt die Differenz ihrer Ströme.

Suchen Sie eine Stromquelle am Außenrand der Zeichnung, oder klicken Sie die beiden Maschen, die sie verbindet, als Paar an.</translation>
    </message>
    <message>
        <source>Sorry,

no current source lies on mesh %1, so its current is unknown and mesh %1 gets a KVL equation,

please check your circuit carefully

and try again.</source>
        <translation>Leider falsch,

an Masche %1 liegt keine Stromquelle, daher ist ihr Strom unbekannt und Masche %1 erhält eine Maschengleichung,

bitte prüfen Sie Ihre Schaltung sorgfältig

und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>You have found meshes %1 already.</source>
        <translation>Sie haben die Maschen %1 bereits gefunden.</translation>
    </message>
    <message>
        <source>Terrific! You got it.

%1</source>
        <translation>Großartig! Sie haben es geschafft.

%1</translation>
    </message>
    <message>
        <source>Sorry,

meshes %1 do not touch, so no current source joins them,

please check your circuit carefully

and try again.</source>
        <translation>Leider falsch,

die Maschen %1 berühren sich nicht, daher verbindet sie keine Stromquelle,

bitte prüfen Sie Ihre Schaltung sorgfältig

und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Sorry,

meshes %1 share only %2, and no current source, so they are not joined into a supermesh,

please check your circuit carefully

and try again.</source>
        <translation>Leider falsch,

die Maschen %1 haben nur %2 gemeinsam und keine Stromquelle, daher werden sie nicht zu einer Supermasche verbunden,

bitte prüfen Sie Ihre Schaltung sorgfältig

und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Meshes %1 form a supermesh: one KVL equation goes round the whole supermesh, leaving out %2 and any other current source inside it.</source>
        <translation>Die Maschen %1 bilden eine Supermasche: Eine Maschengleichung läuft um die ganze Supermasche und lässt %2 und jede andere Stromquelle in ihrem Inneren aus.</translation>
    </message>
    <message>
        <source>Another current source fixes the current of one of these meshes, so this equation gives the other its current and no KVL equation is needed.</source>
        <translation>Eine andere Stromquelle legt den Strom einer dieser Maschen fest, daher liefert diese Gleichung der anderen ihren Strom, und es wird keine Maschengleichung gebraucht.</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Will be ready in the next version.</source>
        <translation>Wird in der nächsten Version verfügbar sein.</translation>
    </message>
</context>
<context>
    <name>DrawnNumbers</name>
    <message>
        <source>The circuit has changed since these numbers.</source>
        <translation>Die Schaltung wurde seit diesen Zahlen geändert.</translation>
    </message>
</context>
<context>
    <name>EditSteps</name>
    <message>
        <source>Joint</source>
        <translation>Verbindungspunkt</translation>
    </message>
    <message>
        <source>Place Joint</source>
        <translation>Verbindungspunkt setzen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>%1 platzieren</translation>
    </message>
    <message>
        <source>Draw %1</source>
        <translation>%1 zeichnen</translation>
    </message>
    <message>
        <source>Rename Node %1</source>
        <translation>Knoten %1 umbenennen</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Set Datum Node %1</source>
        <translation>Bezugsknoten %1 festlegen</translation>
    </message>
</context>
<context>
    <name>EquationCheck</name>
    <message>
        <source>Check My Mesh Equation : Loop of %1</source>
        <translation>Meine Maschengleichung prüfen : Schleife von %1</translation>
    </message>
    <message>
        <source>Check My Node Equation : Node %1</source>
        <translation>Meine Knotengleichung prüfen : Knoten %1</translation>
    </message>
    <message>
        <source>Check My Mesh Equation : Mesh %1</source>
        <translation>Meine Maschengleichung prüfen : Masche %1</translation>
    </message>
</context>
<context>
    <name>EquationsPanel</name>
    <message>
        <source>Nodal Equations for the circuit drawn above are:</source>
        <translation>Die Knotengleichungen der oben gezeichneten Schaltung lauten:</translation>
    </message>
    <message>
        <source>no reading</source>
        <translation>kein Messwert</translation>
    </message>
</context>
<context>
    <name>Exercises</name>
    <message>
        <source>%1 node besides the datum</source>
        <translation>%1 Knoten außer dem Bezugsknoten</translation>
    </message>
    <message>
        <source>%1 nodes besides the datum</source>
        <translation>%1 Knoten außer dem Bezugsknoten</translation>
    </message>
    <message>
        <source>%1 voltage source</source>
        <translation>%1 Spannungsquelle</translation>
    </message>
    <message>
        <source>%1 voltage sources</source>
        <translation>%1 Spannungsquellen</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 current source</source>
        <translation>%1 Stromquelle</translation>
    </message>
    <message>
        <source>%1 current sources</source>
        <translation>%1 Stromquellen</translation>
    </message>
    <message>
        <source>An exercise has from 1 to %1 nodes besides the datum.</source>
        <translation>Eine Übung hat 1 bis %1 Knoten außer dem Bezugsknoten.</translation>
    </message>
    <message>
        <source>An exercise cannot have a negative number of sources.</source>
        <translation>Eine Übung kann keine negative Anzahl von Quellen haben.</translation>
    </message>
    <message>
        <source>An exercise needs at least one voltage source or current source:
without one every voltage is 0 V.</source>
        <translation>Eine Übung braucht mindestens eine Spannungsquelle oder Stromquelle:
ohne sie ist jede Spannung 0 V.</translation>
    </message>
    <message>
        <source>An exercise with %1 can have at most %2:
one more would close a loop of voltage sources.</source>
        <translation>Eine Übung mit %1 kann höchstens %2 haben:
eine weitere würde eine Schleife aus Spannungsquellen schließen.</translation>
    </message>
    <message>
        <source>An exercise with %1 can have at most %2 current sources:
more would crowd the drawing.</source>
        <translation>Eine Übung mit %1 kann höchstens %2 Stromquellen haben:
mehr würden die Zeichnung überfüllen.</translation>
    </message>
    <message>
        <source>No exercise of this size with two meshes or more, drawn without a crossing, comes from this seed; try another seed or more nodes.</source>
        <translation>Aus diesem Startwert entsteht keine Übung dieser Größe mit zwei oder mehr Maschen, die sich ohne Kreuzung zeichnen lässt; versuchen Sie einen anderen Startwert oder mehr Knoten.</translation>
    </message>
    <message>
        <source>No solvable exercise of this size comes from this seed; try another seed.</source>
        <translation>Aus diesem Startwert entsteht keine lösbare Übung dieser Größe; versuchen Sie einen anderen Startwert.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>A picture is written as a .png, .svg or .pdf file.</source>
        <translation>Ein Bild wird als .png-, .svg- oder .pdf-Datei geschrieben.</translation>
    </message>
    <message>
        <source>A worked solution is written as a .html or .pdf file.</source>
        <translation>Ein Lösungsweg wird als .html- oder .pdf-Datei geschrieben.</translation>
    </message>
    <message>
        <source>A worksheet is written as a .html or .pdf file.</source>
        <translation>Ein Arbeitsblatt wird als .html- oder .pdf-Datei geschrieben.</translation>
    </message>
    <message>
        <source>Create your circuit first.</source>
        <translation>Erstellen Sie zuerst Ihre Schaltung.</translation>
    </message>
    <message>
        <source>PNG and PDF files cannot be written: this program was built without Qt.</source>
        <translation>PNG- und PDF-Dateien können nicht geschrieben werden: Dieses Programm wurde ohne Qt erstellt.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>it is larger than any circuit of the drawing area could be</source>
        <translation>sie ist größer, als jede Schaltung des Zeichenbereichs sein könnte</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>das Speicherkontingent des Datenträgers ist aufgebraucht</translation>
    </message>
    <message>
        <source>the file is larger than the disk or the system allows</source>
        <translation>die Datei ist größer, als der Datenträger oder das System erlaubt</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>der Datenträger hat einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>es ist nicht genügend Speicher vorhanden</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>es sind zu viele Dateien geöffnet</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Freigabeverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>Kirvolt could not open %1: %2.</source>
        <translation>Kirvolt konnte %1 nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>Kirvolt could not save %1: %2.</source>
        <translation>Kirvolt konnte %1 nicht speichern: %2.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Kirvolt Files (*.kvt)</source>
        <translation>Kirvolt-Dateien (*.kvt)</translation>
    </message>
    <message>
        <source>SPICE Netlists (*.cir *.net *.sp *.spice)</source>
        <translation>SPICE-Netzlisten (*.cir *.net *.sp *.spice)</translation>
    </message>
    <message>
        <source>Circuits and Netlists (*.kvt *.cir *.net *.sp *.spice)</source>
        <translation>Schaltungen und Netzlisten (*.kvt *.cir *.net *.sp *.spice)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Export SPICE Netlist</source>
        <translation>SPICE-Netzliste exportieren</translation>
    </message>
    <message>
        <source>SPICE Netlists (*.cir)</source>
        <translation>SPICE-Netzlisten (*.cir)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>PNG Image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Export Worked Solution</source>
        <translation>Lösungsweg exportieren</translation>
    </message>
    <message>
        <source>Web Page (*.html)</source>
        <translation>Webseite (*.html)</translation>
    </message>
</context>
<context>
    <name>Formulas</name>
    <message>
        <source>Formulas are worked out for circuits of at most %1 unknowns; this one has %2.</source>
        <translation>Formeln werden für Schaltungen mit höchstens %1 Unbekannten ermittelt; diese hat %2.</translation>
    </message>
    <message>
        <source>The node equations have no unique solution in letters.</source>
        <translation>Die Knotengleichungen haben keine eindeutige Lösung in Buchstaben.</translation>
    </message>
    <message>
        <source>Formulas need GiNaC, the library for symbolic algebra (Debian&apos;s libginac-dev), and this Kirvolt was built without it.</source>
        <translation>Formeln benötigen GiNaC, die Bibliothek für symbolische Algebra (Debians libginac-dev), und dieses Kirvolt wurde ohne sie erstellt.</translation>
    </message>
</context>
<context>
    <name>FormulasWindow</name>
    <message>
        <source>Formulas</source>
        <translation>Formeln</translation>
    </message>
    <message>
        <source>Every node voltage as a formula in the elements&apos; names, with its value</source>
        <translation>Jede Knotenspannung als Formel in den Namen der Elemente, mit ihrem Wert</translation>
    </message>
</context>
<context>
    <name>Kirvolt</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
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
        <translation>Kirvolt verwendet die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Sp&amp;rache</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>The netlist is too large to draw within the drawing area.</source>
        <translation>Die Netzliste ist zu groß, um im Zeichenbereich gezeichnet zu werden.</translation>
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
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>LoopCombination</name>
    <message>
        <source>loop %1</source>
        <translation>Schleife %1</translation>
    </message>
    <message>
        <source>twice loop %1</source>
        <translation>zweimal Schleife %1</translation>
    </message>
    <message>
        <source>%1 times loop %2</source>
        <translation>%1-mal Schleife %2</translation>
    </message>
    <message>
        <source>loop %1 traced again</source>
        <translation>Schleife %1 erneut verfolgt</translation>
    </message>
    <message>
        <source>the sum of loops %1</source>
        <translation>die Summe der Schleifen %1</translation>
    </message>
    <message>
        <source>loop %1 run the other way</source>
        <translation>Schleife %1 in Gegenrichtung</translation>
    </message>
    <message>
        <source>the sum of loops %1 run the other way</source>
        <translation>die Summe der Schleifen %1 in Gegenrichtung</translation>
    </message>
    <message>
        <source> plus </source>
        <translation> plus </translation>
    </message>
    <message>
        <source> minus </source>
        <translation> minus </translation>
    </message>
    <message>
        <source>minus </source>
        <translation>minus </translation>
    </message>
</context>
<context>
    <name>LoopCount</name>
    <message>
        <source>Terrific! You got it.

There are a total of  %1 independent loops in your circuit.

That means you have to trace  %1 loops and find their currents.

Go ahead with your analysis.</source>
        <translation>Großartig! Sie haben es geschafft.

Ihre Schaltung hat insgesamt  %1 unabhängige Schleifen.

Das heißt, Sie müssen  %1 Schleifen verfolgen und ihre Ströme bestimmen.

Fahren Sie mit Ihrer Analyse fort.</translation>
    </message>
    <message>
        <source>Sorry,

your circuit does not have %1 independent loops.

It has  %2  branches and  %3  nodes, and a circuit has

   independent loops  =  branches - nodes + 1,

please check your circuit carefully

and try again.</source>
        <translation>Leider falsch,

Ihre Schaltung hat nicht %1 unabhängige Schleifen.

Sie hat  %2  Zweige und  %3  Knoten, und für eine Schaltung gilt

   unabhängige Schleifen  =  Zweige - Knoten + 1,

bitte prüfen Sie Ihre Schaltung sorgfältig

und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>LoopEquations</name>
    <message>
        <source>The voltage drops round the loop of %1, in the direction of %2, add up to the EMFs that drive it.</source>
        <translation>Die Spannungsabfälle längs der Schleife von %1 in Richtung von %2 ergeben zusammen die Quellenspannungen, die sie antreiben.</translation>
    </message>
    <message>
        <source>%1 is the chord of its loop, so the loop current is the source&apos;s own current.</source>
        <translation>%1 ist der Verbindungszweig ihrer Schleife, daher ist der Schleifenstrom der eigene Strom der Quelle.</translation>
    </message>
    <message>
        <source>The voltage drops round loop %1, in the direction of %2, add up to the EMFs that drive it.</source>
        <translation>Die Spannungsabfälle längs Schleife %1 in Richtung von %2 ergeben zusammen die Quellenspannungen, die sie antreiben.</translation>
    </message>
    <message>
        <source>The voltage drops round %1, which leaves out %2, add up to the EMFs that drive it.</source>
        <translation>Die Spannungsabfälle längs %1, die %2 auslässt, ergeben zusammen die Quellenspannungen, die sie antreiben.</translation>
    </message>
    <message>
        <source>%1 lies on loop %2 alone, so it gives loop %2 its current.</source>
        <translation>%1 liegt nur in Schleife %2, daher liefert sie Schleife %2 ihren Strom.</translation>
    </message>
    <message>
        <source>%1 lies on loops %2, so the loop currents through it add up to its current.</source>
        <translation>%1 liegt in den Schleifen %2, daher ergeben die Schleifenströme durch sie zusammen ihren Strom.</translation>
    </message>
</context>
<context>
    <name>LoopTracing</name>
    <message>
        <source>Loop %1 is closed, and it is independent of the loops before it.

%2</source>
        <translation>Schleife %1 ist geschlossen und von den vorherigen Schleifen unabhängig.

%2</translation>
    </message>
    <message>
        <source>That makes %1 independent loops, as many as your circuit has.

Go ahead with your analysis.</source>
        <translation>Das ergibt %1 unabhängige Schleifen, so viele, wie Ihre Schaltung hat.

Fahren Sie mit Ihrer Analyse fort.</translation>
    </message>
    <message>
        <source>1 more loop is needed.</source>
        <translation>1 weitere Schleife wird gebraucht.</translation>
    </message>
    <message>
        <source>%1 more loops are needed.</source>
        <translation>%1 weitere Schleifen werden gebraucht.</translation>
    </message>
    <message>
        <source>Sorry,

this loop is %1: its KVL equation would follow from theirs, so it tells nothing new.

%2Trace another loop.</source>
        <translation>Leider falsch,

diese Schleife ist %1: Ihre Maschengleichung würde aus deren Gleichungen folgen, sie sagt also nichts Neues.

%2Verfolgen Sie eine andere Schleife.</translation>
    </message>
    <message>
        <source>Sorry,

this loop taken %1 times is %2: its KVL equation would follow from theirs, so it tells nothing new.

%3Trace another loop.</source>
        <translation>Leider falsch,

diese Schleife %1-mal genommen ist %2: Ihre Maschengleichung würde aus deren Gleichungen folgen, sie sagt also nichts Neues.

%3Verfolgen Sie eine andere Schleife.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two of the branches a new loop may run through, as in &quot;R1, R2 or R3&quot;.</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>A loop through %1, which none of your loops runs through yet, is sure to be new. </source>
        <translation>Eine Schleife durch %1, durch das noch keine Ihrer Schleifen läuft, ist sicher neu. </translation>
    </message>
    <message>
        <source>Loops traced:  %1 of %2.</source>
        <translation>Verfolgte Schleifen:  %1 von %2.</translation>
    </message>
    <message>
        <source>That is no branch of your circuit.

Click a resistor or a source: a wire only joins the branches.</source>
        <translation>Das ist kein Zweig Ihrer Schaltung.

Klicken Sie einen Widerstand oder eine Quelle an: Eine Leitung verbindet nur die Zweige.</translation>
    </message>
    <message>
        <source>Sorry,

%1</source>
        <translation>Leider falsch,

%1</translation>
    </message>
    <message>
        <source>%1 taken.

%2</source>
        <translation>%1 genommen.

%2</translation>
    </message>
    <message>
        <source>There is no branch to take back: the loop you are tracing has none yet.</source>
        <translation>Es gibt keinen Zweig zum Zurücknehmen: Die Schleife, die Sie verfolgen, hat noch keinen.</translation>
    </message>
    <message>
        <source>%1 taken back.

%2</source>
        <translation>%1 zurückgenommen.

%2</translation>
    </message>
    <message>
        <source>The loop is cleared.

%1</source>
        <translation>Die Schleife ist gelöscht.

%1</translation>
    </message>
</context>
<context>
    <name>LoopTree</name>
    <message>
        <source>The tree does not join node %1 to the datum node %2.</source>
        <translation>Der Baum verbindet Knoten %1 nicht mit dem Bezugsknoten %2.</translation>
    </message>
    <message>
        <source>The tree does not join node %1 to the datum node %2: add %3 to it.</source>
        <translation>Der Baum verbindet Knoten %1 nicht mit dem Bezugsknoten %2: Fügen Sie %3 hinzu.</translation>
    </message>
    <message>
        <source>The tree does not join node %1 to the datum node %2: add one of %3 to it.</source>
        <translation>Der Baum verbindet Knoten %1 nicht mit dem Bezugsknoten %2: Fügen Sie eines von %3 hinzu.</translation>
    </message>
    <message>
        <source>%1 cannot be in the tree: a current source fixes the current of its branch, so it must be a chord.</source>
        <translation>%1 kann nicht im Baum liegen: Eine Stromquelle legt den Strom ihres Zweigs fest, daher muss sie ein Verbindungszweig sein.</translation>
    </message>
    <message>
        <source>%1 has both ends on one node, so it is a loop by itself and cannot be in the tree.</source>
        <translation>%1 hat beide Enden am selben Knoten, ist also für sich eine Schleife und kann nicht im Baum liegen.</translation>
    </message>
    <message>
        <source>%1 would close a loop with %2, so it cannot be in the tree.</source>
        <translation>%1 würde mit %2 eine Schleife schließen und kann daher nicht im Baum liegen.</translation>
    </message>
    <message>
        <source>The tree names %1, but the circuit has no resistor or source of that name.</source>
        <translation>Der Baum nennt %1, aber die Schaltung hat keinen Widerstand und keine Quelle dieses Namens.</translation>
    </message>
    <message>
        <source>The tree names %1 twice.</source>
        <translation>Der Baum nennt %1 zweimal.</translation>
    </message>
</context>
<context>
    <name>LoopTutor</name>
    <message>
        <source>Loop %1 of %2:</source>
        <translation>Schleife %1 von %2:</translation>
    </message>
    <message>
        <source>Solving the equations gives the loop currents:</source>
        <translation>Das Lösen der Gleichungen ergibt die Schleifenströme:</translation>
    </message>
    <message>
        <source>Each branch carries the sum of the loop currents through it, and the results pane shows the p.d. and current of every element: they are the same whichever loops you choose.</source>
        <translation>Jeder Zweig führt die Summe der Schleifenströme durch ihn, und der Ergebnisbereich zeigt Spannung und Strom jedes Elements: Sie sind gleich, welche Schleifen Sie auch wählen.</translation>
    </message>
</context>
<context>
    <name>MatrixForm</name>
    <message>
        <source>The matrix form is shown for systems of up to %1 unknowns; this circuit has %2.</source>
        <translation>Die Matrixform wird für Systeme mit bis zu %1 Unbekannten gezeigt; diese Schaltung hat %2.</translation>
    </message>
    <message>
        <source>There are no unknowns: %1</source>
        <translation>Es gibt keine Unbekannten: %1</translation>
    </message>
</context>
<context>
    <name>MeshCount</name>
    <message>
        <source>Terrific! You got it.

There are a total of  %1 meshes in your circuit.

That means you have to find  %1 mesh currents.

Go ahead with your analysis.</source>
        <translation>Großartig! Sie haben es geschafft.

Ihre Schaltung hat insgesamt  %1 Maschen.

Das heißt, Sie müssen  %1 Maschenströme bestimmen.

Fahren Sie mit Ihrer Analyse fort.</translation>
    </message>
    <message>
        <source>Sorry,

there are not %1 meshes in your circuit.

It has  %2  branches and  %3  nodes, and a circuit drawn
without crossings has

   meshes  =  branches - nodes + 1,

please check your circuit carefully

and try again.</source>
        <translation>Leider falsch,

Ihre Schaltung hat nicht %1 Maschen.

Sie hat  %2  Zweige und  %3  Knoten, und für eine Schaltung, die
ohne Kreuzungen gezeichnet ist, gilt

   Maschen  =  Zweige - Knoten + 1,

bitte prüfen Sie Ihre Schaltung sorgfältig

und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>MeshEquations</name>
    <message>
        <source>The voltage drops clockwise round mesh %1 add up to the EMFs that drive its current.</source>
        <translation>Die Spannungsabfälle im Uhrzeigersinn längs Masche %1 ergeben zusammen die Quellenspannungen, die ihren Strom antreiben.</translation>
    </message>
    <message>
        <source>The voltage drops round the supermesh of meshes %1 add up to its EMFs, leaving out %2.</source>
        <translation>Die Spannungsabfälle längs der Supermasche der Maschen %1 ergeben zusammen ihre Quellenspannungen, wobei %2 ausgelassen wird.</translation>
    </message>
    <message>
        <source>%1 on the outside of the drawing gives mesh %2 its current.</source>
        <translation>%1 am Außenrand der Zeichnung liefert Masche %2 ihren Strom.</translation>
    </message>
    <message>
        <source>%1 between meshes %2 and %3 carries the difference of their currents.</source>
        <translation>%1 zwischen den Maschen %2 und %3 führt die Differenz ihrer Ströme.</translation>
    </message>
</context>
<context>
    <name>MeshTutor</name>
    <message>
        <source>There are no current sources in your circuit.

Every mesh current is unknown, and every mesh gets its own KVL equation.</source>
        <translation>Ihre Schaltung enthält keine Stromquellen.

Jeder Maschenstrom ist unbekannt, und jede Masche erhält ihre eigene Maschengleichung.</translation>
    </message>
    <message>
        <source>Mesh %1 of %2:</source>
        <translation>Masche %1 von %2:</translation>
    </message>
    <message>
        <source>Now write the equation of each mesh yourself: Check My Mesh Equation tells you whether it is right.</source>
        <translation>Stellen Sie nun die Gleichung jeder Masche selbst auf: Meine Maschengleichung prüfen sagt Ihnen, ob sie richtig ist.</translation>
    </message>
</context>
<context>
    <name>MeterReadings</name>
    <message>
        <source>%1 cannot read: neither of its terminals is connected to the circuit.</source>
        <translation>%1 kann nicht messen: Keiner seiner Anschlüsse ist mit der Schaltung verbunden.</translation>
    </message>
    <message>
        <source>%1 cannot read: its start terminal is not connected to the circuit.</source>
        <translation>%1 kann nicht messen: Sein Anfangsanschluss ist nicht mit der Schaltung verbunden.</translation>
    </message>
    <message>
        <source>%1 cannot read: its finish terminal is not connected to the circuit.</source>
        <translation>%1 kann nicht messen: Sein Endanschluss ist nicht mit der Schaltung verbunden.</translation>
    </message>
    <message>
        <source>%1 cannot read: wires or other ammeters also join its terminals, so the current divides among them in no fixed way.</source>
        <translation>%1 kann nicht messen: Auch Leitungen oder andere Amperemeter verbinden seine Anschlüsse, daher teilt sich der Strom auf sie in keiner festen Weise auf.</translation>
    </message>
    <message>
        <source>

An ideal ammeter joins its terminals as a wire does: the circuit is analysed with %1 as a wire.</source>
        <translation>

Ein ideales Amperemeter verbindet seine Anschlüsse wie eine Leitung: Die Schaltung wird mit %1 als Leitung analysiert.</translation>
    </message>
    <message>
        <source>

An ideal ammeter joins its terminals as a wire does: the circuit is analysed with %1 as wires.</source>
        <translation>

Ein ideales Amperemeter verbindet seine Anschlüsse wie eine Leitung: Die Schaltung wird mit %1 als Leitungen analysiert.</translation>
    </message>
</context>
<context>
    <name>MethodEquations</name>
    <message>
        <source>Node equations</source>
        <translation>Knotengleichungen</translation>
    </message>
    <message>
        <source>Mesh equations</source>
        <translation>Maschengleichungen</translation>
    </message>
    <message>
        <source>Loop equations</source>
        <translation>Schleifengleichungen</translation>
    </message>
    <message>
        <source>Loop of %1:</source>
        <translation>Schleife von %1:</translation>
    </message>
    <message>
        <source>%1 for the circuit drawn above are:</source>
        <extracomment>%1 is &quot;Node equations&quot;, &quot;Mesh equations&quot; or &quot;Loop equations&quot;.</extracomment>
        <translation>%1 der oben gezeichneten Schaltung lauten:</translation>
    </message>
</context>
<context>
    <name>ModeHints</name>
    <message>
        <source>Select: click to select (Shift adds), drag a box to select several, drag the selection to move it.</source>
        <translation>Auswählen: Klicken Sie, um auszuwählen (Umschalt fügt hinzu), ziehen Sie einen Rahmen, um mehrere auszuwählen, ziehen Sie die Auswahl, um sie zu verschieben.</translation>
    </message>
    <message>
        <source>Resistor: click where the resistor goes; the right button turns it.</source>
        <translation>Widerstand: Klicken Sie dorthin, wo der Widerstand hinkommt; die rechte Maustaste dreht ihn.</translation>
    </message>
    <message>
        <source>Voltage source: click where the source goes; the right button turns it.</source>
        <translation>Spannungsquelle: Klicken Sie dorthin, wo die Quelle hinkommt; die rechte Maustaste dreht sie.</translation>
    </message>
    <message>
        <source>Current source: click where the source goes; the right button turns it.</source>
        <translation>Stromquelle: Klicken Sie dorthin, wo die Quelle hinkommt; die rechte Maustaste dreht sie.</translation>
    </message>
    <message>
        <source>Voltmeter: click where the voltmeter goes; the right button turns it.</source>
        <translation>Voltmeter: Klicken Sie dorthin, wo das Voltmeter hinkommt; die rechte Maustaste dreht es.</translation>
    </message>
    <message>
        <source>Ammeter: click where the ammeter goes; the right button turns it.</source>
        <translation>Amperemeter: Klicken Sie dorthin, wo das Amperemeter hinkommt; die rechte Maustaste dreht es.</translation>
    </message>
    <message>
        <source>Wire: press on a terminal or a joint, drag to where the wire ends and let go.</source>
        <translation>Leitung: Drücken Sie auf einen Anschluss oder einen Verbindungspunkt, ziehen Sie bis zum Ende der Leitung und lassen Sie los.</translation>
    </message>
    <message>
        <source>Joint: click a wire where a component&apos;s terminal touches it, to connect the two.</source>
        <translation>Verbindungspunkt: Klicken Sie eine Leitung dort an, wo ein Bauteilanschluss sie berührt, um beide zu verbinden.</translation>
    </message>
    <message>
        <source>Info: click a component or a joint to see its values.</source>
        <translation>Info: Klicken Sie ein Bauteil oder einen Verbindungspunkt an, um seine Werte zu sehen.</translation>
    </message>
    <message>
        <source>Delete: click a component or a wire to remove it.</source>
        <translation>Löschen: Klicken Sie ein Bauteil oder eine Leitung an, um es zu entfernen.</translation>
    </message>
    <message>
        <source>Move: click a component to pick it up, then click where it goes.</source>
        <translation>Verschieben: Klicken Sie ein Bauteil an, um es aufzunehmen, und dann dorthin, wo es hinkommt.</translation>
    </message>
    <message>
        <source>Value: click a component to change its name and value, or a joint to rename its node. Alt+Up or Alt+Down (or Alt and the wheel) steps the value under the pointer.</source>
        <translation>Wert: Klicken Sie ein Bauteil an, um seinen Namen und Wert zu ändern, oder einen Verbindungspunkt, um seinen Knoten umzubenennen. Alt+Up oder Alt+Down (oder Alt und das Mausrad) ändert den Wert unter dem Mauszeiger schrittweise.</translation>
    </message>
    <message>
        <source>Set Datum Node: click any wire or joint of the node that is to be the datum (0 V).</source>
        <translation>Bezugsknoten festlegen: Klicken Sie eine beliebige Leitung oder einen Verbindungspunkt des Knotens an, der Bezugsknoten (0 V) werden soll.</translation>
    </message>
    <message>
        <source>Loop equations: click a chord, a branch outside the thick tree, to see its loop&apos;s equation.</source>
        <translation>Schleifengleichungen: Klicken Sie einen Verbindungszweig an, einen Zweig außerhalb des dicken Baums, um die Gleichung seiner Schleife zu sehen.</translation>
    </message>
    <message>
        <source>Mesh equations: click inside a mesh to see its equation.</source>
        <translation>Maschengleichungen: Klicken Sie in eine Masche, um ihre Gleichung zu sehen.</translation>
    </message>
    <message>
        <source>Node equations: click a joint to see the equation of its node.</source>
        <translation>Knotengleichungen: Klicken Sie einen Verbindungspunkt an, um die Gleichung seines Knotens zu sehen.</translation>
    </message>
    <message>
        <source>Check My Node Equation: click a joint of the node whose equation you have written.</source>
        <translation>Meine Knotengleichung prüfen: Klicken Sie einen Verbindungspunkt des Knotens an, dessen Gleichung Sie aufgestellt haben.</translation>
    </message>
    <message>
        <source>Check My Mesh Equation: click inside the mesh whose equation you have written.</source>
        <translation>Meine Maschengleichung prüfen: Klicken Sie in die Masche, deren Gleichung Sie aufgestellt haben.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
</context>
<context>
    <name>ModifiedNodalNotesDialog</name>
    <message>
        <source>Nodal Analysis employs branch voltages as its independent variables: every branch voltage is written as the difference of the voltages of the two nodes at its ends, and Kirchhoff&apos;s Current Law is applied at every node except the datum node. This works well for resistors and current sources, but the current through an ideal voltage source cannot be written from its voltage.</source>
        <translation>Das Knotenpotentialverfahren verwendet die Zweigspannungen als unabhängige Variablen: Jede Zweigspannung wird als Differenz der Spannungen der beiden Knoten an ihren Enden geschrieben, und die Kirchhoffsche Knotenregel wird an jedem Knoten außer dem Bezugsknoten angewendet. Das funktioniert gut für Widerstände und Stromquellen, aber der Strom durch eine ideale Spannungsquelle lässt sich nicht aus ihrer Spannung angeben.</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis is derived from Nodal Analysis by taking the current through each voltage source as one more unknown, and by adding for each voltage source one more equation: the voltage of its positive node minus the voltage of its negative node equals the value of the source.</source>
        <translation>Die modifizierte Knotenanalyse geht aus dem Knotenpotentialverfahren hervor, indem der Strom durch jede Spannungsquelle als weitere Unbekannte genommen und für jede Spannungsquelle eine weitere Gleichung hinzugefügt wird: Die Spannung ihres positiven Knotens minus die Spannung ihres negativen Knotens ist gleich dem Wert der Quelle.</translation>
    </message>
    <message>
        <source>Together with the branch voltage variables, these source currents make up one set of linear equations with exactly as many equations as unknowns. Solving it gives every node voltage and every source current in one step, whatever mixture of resistors and sources the circuit holds.</source>
        <translation>Zusammen mit den Zweigspannungsvariablen bilden diese Quellenströme ein lineares Gleichungssystem mit genau so vielen Gleichungen wie Unbekannten. Seine Lösung liefert in einem Schritt jede Knotenspannung und jeden Quellenstrom, gleich welche Mischung aus Widerständen und Quellen die Schaltung enthält.</translation>
    </message>
    <message>
        <source>This tutor will take you through writing the extra equations for the voltage sources and solving the enlarged set of equations.</source>
        <translation>Dieser Tutor führt Sie durch das Aufstellen der zusätzlichen Gleichungen für die Spannungsquellen und das Lösen des erweiterten Gleichungssystems.</translation>
    </message>
</context>
<context>
    <name>ModifiedNodalTutor</name>
    <message>
        <source>The Modified Nodal Analysis Tutor builds systems of up to %1 unknowns, which its windows show whole; this circuit has %2. View &gt; Matrix Form shows its system.</source>
        <translation>Der Tutor Modifizierte Knotenanalyse baut Systeme mit bis zu %1 Unbekannten auf, die seine Fenster vollständig zeigen; diese Schaltung hat %2. Ansicht &gt; Matrixform zeigt ihr System.</translation>
    </message>
</context>
<context>
    <name>NamedSystem</name>
    <message>
        <source>The loop current system</source>
        <translation>Das Schleifenstromsystem</translation>
    </message>
    <message>
        <source>each loop current runs through its chord in the chord&apos;s own direction</source>
        <translation>jeder Schleifenstrom fließt in der eigenen Richtung seines Verbindungszweigs durch ihn</translation>
    </message>
    <message>
        <source>the circuit has no loop.</source>
        <translation>die Schaltung hat keine Schleife.</translation>
    </message>
    <message>
        <source>the current of the loop that %1 closes, in its direction</source>
        <translation>der Strom der Schleife, die %1 schließt, in ihrer Richtung</translation>
    </message>
    <message>
        <source>The mesh current system</source>
        <translation>Das Maschenstromsystem</translation>
    </message>
    <message>
        <source>each mesh current runs clockwise round its mesh</source>
        <translation>jeder Maschenstrom fließt im Uhrzeigersinn um seine Masche</translation>
    </message>
    <message>
        <source>the circuit has no mesh.</source>
        <translation>die Schaltung hat keine Masche.</translation>
    </message>
    <message>
        <source>the clockwise current of mesh %1</source>
        <translation>der Strom im Uhrzeigersinn in Masche %1</translation>
    </message>
    <message>
        <source>the voltage of node %1</source>
        <translation>die Spannung von Knoten %1</translation>
    </message>
    <message>
        <source>the current through %1, from its + terminal to its - terminal</source>
        <translation>der Strom durch %1, von seinem +-Anschluss zu seinem --Anschluss</translation>
    </message>
    <message>
        <source>The modified nodal system</source>
        <translation>Das modifizierte Knotengleichungssystem</translation>
    </message>
    <message>
        <source>node %1 is the datum node, at 0 V</source>
        <translation>Knoten %1 ist der Bezugsknoten, auf 0 V</translation>
    </message>
    <message>
        <source>node %1, the datum node, is the only node.</source>
        <translation>Knoten %1, der Bezugsknoten, ist der einzige Knoten.</translation>
    </message>
    <message>
        <source>each loop current runs round its loop in the direction it was traced</source>
        <translation>jeder Schleifenstrom fließt in der Richtung um seine Schleife, in der sie verfolgt wurde</translation>
    </message>
    <message>
        <source>the current of loop %1, in the direction it was traced</source>
        <translation>der Strom von Schleife %1, in der Richtung, in der sie verfolgt wurde</translation>
    </message>
</context>
<context>
    <name>Netlist</name>
    <message>
        <source>Kirvolt does not solve this circuit:
%1</source>
        <translation>Kirvolt löst diese Schaltung nicht:
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
        <translation>Großartig! Sie haben es geschafft.

Ihre Schaltung hat insgesamt  %1 Knoten.

Das heißt, Sie müssen  %2 Knotenspannungsgleichungen aufstellen.

Fahren Sie mit Ihrer Analyse fort.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is just less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Leider falsch,

die Anzahl der Knoten

in Ihrer Schaltung ist knapp kleiner als %1,

bitte prüfen Sie Ihre Schaltung sorgfältig

und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is just greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Leider falsch,

die Anzahl der Knoten

in Ihrer Schaltung ist knapp größer als %1,

bitte prüfen Sie Ihre Schaltung sorgfältig

und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is slightly less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Leider falsch,

die Anzahl der Knoten

in Ihrer Schaltung ist etwas kleiner als %1,

bitte prüfen Sie Ihre Schaltung sorgfältig

und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is slightly greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Leider falsch,

die Anzahl der Knoten

in Ihrer Schaltung ist etwas größer als %1,

bitte prüfen Sie Ihre Schaltung sorgfältig

und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Leider falsch,

die Anzahl der Knoten

in Ihrer Schaltung ist kleiner als %1,

bitte prüfen Sie Ihre Schaltung sorgfältig

und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Leider falsch,

die Anzahl der Knoten

in Ihrer Schaltung ist größer als %1,

bitte prüfen Sie Ihre Schaltung sorgfältig

und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is much less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Leider falsch,

die Anzahl der Knoten

in Ihrer Schaltung ist viel kleiner als %1,

bitte prüfen Sie Ihre Schaltung sorgfältig

und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is much greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Leider falsch,

die Anzahl der Knoten

in Ihrer Schaltung ist viel größer als %1,

bitte prüfen Sie Ihre Schaltung sorgfältig

und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>NodeEquationCheck</name>
    <message>
        <source>node %1</source>
        <translation>Knoten %1</translation>
    </message>
    <message>
        <source>the macro node of nodes %1</source>
        <translation>der Makroknoten aus den Knoten %1</translation>
    </message>
    <message>
        <source>This relates the voltages of the macro node&apos;s own nodes, as its voltage sources do. The KCL equation of the macro node balances the currents leaving it through its resistors against the currents of its current sources.</source>
        <translation>Dies verknüpft die Spannungen der Knoten des Makroknotens, wie es seine Spannungsquellen tun. Die Knotengleichung des Makroknotens setzt die Ströme, die über seine Widerstände abfließen, gleich den Strömen seiner Stromquellen.</translation>
    </message>
    <message>
        <source>The equation has no term in %1 or in the voltage of a node joined to %2, so it cannot be the KCL equation of %2.</source>
        <translation>Die Gleichung hat keinen Term in %1 oder in der Spannung eines mit %2 verbundenen Knotens, daher kann sie nicht die Knotengleichung von %2 sein.</translation>
    </message>
    <message>
        <source>The equation does not balance the currents at %1.</source>
        <translation>Die Gleichung bilanziert die Ströme an %1 nicht.</translation>
    </message>
    <message>
        <source>The term in %1 is wrong: the current through %2 gives %1 the coefficient %3 S, but the equation gives it %4 S.</source>
        <translation>Der Term in %1 ist falsch: Der Strom durch %2 gibt %1 den Koeffizienten %3 S, aber die Gleichung gibt ihm %4 S.</translation>
    </message>
    <message>
        <source>The coefficient of %1 is wrong: the resistors at %2 give it %3 S, but the equation gives it %4 S.</source>
        <translation>Der Koeffizient von %1 ist falsch: Die Widerstände an %2 geben ihm %3 S, aber die Gleichung gibt ihm %4 S.</translation>
    </message>
    <message>
        <source>The term for %1 is missing: current leaves %2 through %1, %3.</source>
        <translation>Der Term für %1 fehlt: Strom fließt über %1 aus %2 ab, %3.</translation>
    </message>
    <message>
        <source>The term for %1 has the wrong sign: the current leaving %2 through %1 is %3, not %4.</source>
        <translation>Der Term für %1 hat das falsche Vorzeichen: Der über %1 aus %2 abfließende Strom ist %3, nicht %4.</translation>
    </message>
    <message>
        <source>The term for %1 has the wrong conductance: the current through %1 is %2, with 1/%1 = %3 S, but the equation has %4 S.</source>
        <translation>Der Term für %1 hat den falschen Leitwert: Der Strom durch %1 ist %2, mit 1/%1 = %3 S, aber die Gleichung hat %4 S.</translation>
    </message>
    <message>
        <source>The terms for %1 have the wrong conductance: together they are %2= %3 S, but the equation has %4 S.</source>
        <translation>Die Terme für %1 haben den falschen Leitwert: Zusammen sind sie %2= %3 S, aber die Gleichung hat %4 S.</translation>
    </message>
    <message>
        <source>The equation has a term for %1, which does not touch %2: %1 lies between node %3 and node %4.</source>
        <translation>Die Gleichung hat einen Term für %1, der %2 nicht berührt: %1 liegt zwischen Knoten %3 und Knoten %4.</translation>
    </message>
    <message>
        <source>The equation has a term in %1, but no resistor joins node %2 to %3.</source>
        <translation>Die Gleichung hat einen Term in %1, aber kein Widerstand verbindet Knoten %2 mit %3.</translation>
    </message>
    <message>
        <source>The current of %1 is missing: %2.</source>
        <translation>Der Strom von %1 fehlt: %2.</translation>
    </message>
    <message>
        <source>%1 stands on the other side of “=” with the sign it would have beside the resistor currents: moving a term across “=” changes its sign. %2.</source>
        <translation>%1 steht auf der anderen Seite von „=“ mit dem Vorzeichen, das sie neben den Widerstandsströmen hätte: Bringt man einen Term über „=“, ändert sich sein Vorzeichen. %2.</translation>
    </message>
    <message>
        <source>%1 is turned round: %2.</source>
        <translation>%1 ist umgedreht: %2.</translation>
    </message>
    <message>
        <source>The equation has a constant term, but no current source is connected to %1, so with the node voltages alone the currents add up to 0.</source>
        <translation>Die Gleichung hat ein konstantes Glied, aber an %1 ist keine Stromquelle angeschlossen, daher addieren sich die Ströme allein mit den Knotenspannungen zu 0.</translation>
    </message>
    <message>
        <source>The constant terms are wrong: brought beside the currents leaving %1, they should come to %2 A, but the equation gives %3 A.</source>
        <translation>Die konstanten Glieder sind falsch: Neben die aus %1 abfließenden Ströme gebracht, sollten sie %2 A ergeben, aber die Gleichung ergibt %3 A.</translation>
    </message>
    <message>
        <source>Through the voltage sources, %1.</source>
        <translation>Über die Spannungsquellen gilt %1.</translation>
    </message>
    <message>
        <source>%1 drives %2 A out of node %3</source>
        <translation>%1 treibt %2 A aus Knoten %3 heraus</translation>
    </message>
    <message>
        <source>%1 drives %2 A into node %3</source>
        <translation>%1 treibt %2 A in Knoten %3 hinein</translation>
    </message>
    <message>
        <source>Right: the datum node is at 0 V, %1.</source>
        <translation>Richtig: Der Bezugsknoten liegt auf 0 V, %1.</translation>
    </message>
    <message>
        <source>Right: the voltage sources set %1.</source>
        <translation>Richtig: Die Spannungsquellen legen %1 fest.</translation>
    </message>
    <message>
        <source>Right: this is the KCL equation of %1.</source>
        <translation>Richtig: Das ist die Knotengleichung von %1.</translation>
    </message>
    <message>
        <source>Right: this is the combined KCL equation of %1.</source>
        <translation>Richtig: Das ist die zusammengefasste Knotengleichung von %1.</translation>
    </message>
    <message>
        <source>Not quite: node %1 is the datum node, at 0 V by choice: %2.</source>
        <translation>Nicht ganz: Knoten %1 ist der Bezugsknoten, nach Wahl auf 0 V: %2.</translation>
    </message>
    <message>
        <source>Not quite: node %1 is joined to the datum node by voltage sources, so its voltage follows from their EMFs alone: %2.</source>
        <translation>Nicht ganz: Knoten %1 ist durch Spannungsquellen mit dem Bezugsknoten verbunden, daher folgt seine Spannung allein aus deren Quellenspannungen: %2.</translation>
    </message>
    <message>
        <source>Not yet: this is not the KCL equation of %1.</source>
        <translation>Noch nicht: Das ist nicht die Knotengleichung von %1.</translation>
    </message>
    <message>
        <source>Not yet: this is not the combined KCL equation of %1.</source>
        <translation>Noch nicht: Das ist nicht die zusammengefasste Knotengleichung von %1.</translation>
    </message>
    <message>
        <source>Write node voltages as V and the node&apos;s name (%1), element names for their values (R1, E1, J1), numbers with or without prefixes (4.7k, 10m), + - * / and parentheses, and one “=”.</source>
        <translation>Schreiben Sie Knotenspannungen als V und den Namen des Knotens (%1), Elementnamen für ihre Werte (R1, E1, J1), Zahlen mit oder ohne Vorsätze (4.7k, 10m), + - * / und Klammern sowie ein „=“.</translation>
    </message>
    <message>
        <source>The datum node %1 is at 0 V.</source>
        <translation>Der Bezugsknoten %1 liegt auf 0 V.</translation>
    </message>
    <message>
        <source>Node %1 is the datum node. Type the equation that gives its voltage.</source>
        <translation>Knoten %1 ist der Bezugsknoten. Geben Sie die Gleichung ein, die seine Spannung angibt.</translation>
    </message>
    <message>
        <source>Node %1 is joined to the datum node by voltage sources. Type the equation that gives its voltage.</source>
        <translation>Knoten %1 ist durch Spannungsquellen mit dem Bezugsknoten verbunden. Geben Sie die Gleichung ein, die seine Spannung angibt.</translation>
    </message>
    <message>
        <source>Node %1 belongs to %2, which the voltage sources tie together. Type the combined KCL equation of the macro node: the currents leaving it through its resistors balance the currents of its current sources.</source>
        <translation>Knoten %1 gehört zu %2, den die Spannungsquellen zusammenbinden. Geben Sie die zusammengefasste Knotengleichung des Makroknotens ein: Die Ströme, die über seine Widerstände abfließen, sind gleich den Strömen seiner Stromquellen.</translation>
    </message>
    <message>
        <source>Type the KCL equation of node %1: the currents leaving it through its resistors balance the currents of its current sources.</source>
        <translation>Geben Sie die Knotengleichung von Knoten %1 ein: Die Ströme, die über seine Widerstände abfließen, sind gleich den Strömen seiner Stromquellen.</translation>
    </message>
</context>
<context>
    <name>NodeEquations</name>
    <message>
        <source>Nodes %1 form a macro node through the Voltage Source %2.</source>
        <translation>Die Knoten %1 bilden über die Spannungsquelle %2 einen Makroknoten.</translation>
    </message>
    <message>
        <source>Nodes %1 form a macro node through the Voltage Sources %2.</source>
        <translation>Die Knoten %1 bilden über die Spannungsquellen %2 einen Makroknoten.</translation>
    </message>
    <message>
        <source>.  (Note that %1 is negative because its direction is opposite to the assumed direction. )</source>
        <translation>.  (Beachten Sie, dass %1 negativ ist, weil seine Richtung der angenommenen Richtung entgegengesetzt ist. )</translation>
    </message>
    <message>
        <source>.  (Note that %1 are negative as thier directions are opposite to the assumed direction.)</source>
        <translation>.  (Beachten Sie, dass %1 negativ sind, weil ihre Richtungen der angenommenen Richtung entgegengesetzt sind.)</translation>
    </message>
    <message>
        <source>Flow-out currents via Resistor %1</source>
        <translation>Abfließende Ströme über Widerstand %1</translation>
    </message>
    <message>
        <source>Sum of flow-out currents via Resistors %1</source>
        <translation>Summe der abfließenden Ströme über die Widerstände %1</translation>
    </message>
    <message>
        <source>0    , because no current source is connected to Node  %1  </source>
        <translation>0    , weil keine Stromquelle an Knoten  %1  angeschlossen ist  </translation>
    </message>
    <message>
        <source>Flow-in current from Current Source %1</source>
        <translation>Zufließender Strom aus Stromquelle %1</translation>
    </message>
    <message>
        <source>Sum of flow-in currents from Current Sources %1</source>
        <translation>Summe der zufließenden Ströme aus den Stromquellen %1</translation>
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
        <translation>Damit die unbekannten Ströme der Spannungsquellen nicht in die Knotenspannungs-
gleichung eingehen, können Sie die ROT markierten Teile als Makroknoten nehmen und die Knoten-
spannungsgleichung dieses Makroknotens aufstellen, indem Sie die Summe der Ströme, die über die
an diesen Makroknoten angeschlossenen Widerstände abfließen, gleich der Summe der Ströme setzen,
die aus den angeschlossenen aktiven Stromquellen in diesen Makroknoten fließen.

Sind keine Stromquellen an diesen Makroknoten angeschlossen, ist die Summe der in diesen
Makroknoten fließenden Ströme gleich null.

Die Knotenspannungen der Knoten dieses Makroknotens sind über die angeschlossenen Spannungsquellen verknüpft.

Die einzelnen Gleichungen sind wie gezeigt.</translation>
    </message>
    <message>
        <source>Node %1 is the chosen Datum Node,
 the voltage at this node is taken as zero.</source>
        <translation>Knoten %1 ist der gewählte Bezugsknoten,
 die Spannung dieses Knotens wird null gesetzt.</translation>
    </message>
    <message>
        <source>This node is directly connected to the datum node via the Voltage Source  %1.</source>
        <translation>Dieser Knoten ist über die Spannungsquelle  %1 direkt mit dem Bezugsknoten verbunden.</translation>
    </message>
    <message>
        <source>This node is connected to the datum node through the Voltage Sources:  %1.</source>
        <translation>Dieser Knoten ist über die Spannungsquellen mit dem Bezugsknoten verbunden:  %1.</translation>
    </message>
    <message>
        <source>This node is connected to the first macro node via the Voltage Source  %1.</source>
        <translation>Dieser Knoten ist über die Spannungsquelle  %1 mit dem ersten Makroknoten verbunden.</translation>
    </message>
    <message>
        <source>This node is connected to the first macro node through the Voltage Sources:  %1.</source>
        <translation>Dieser Knoten ist über die Spannungsquellen mit dem ersten Makroknoten verbunden:  %1.</translation>
    </message>
    <message>
        <source>Error in calculation</source>
        <translation>Fehler in der Berechnung</translation>
    </message>
</context>
<context>
    <name>PlaneMeshes</name>
    <message>
        <source>%1 and %2 cross at grid point (%3, %4) without meeting at their ends, and the Mesh Current Method needs a drawing in which no two parts cross. If they should connect there, end them both at that point; if not, draw them apart; or analyse the circuit with the Node Voltage Method, which takes any drawing.</source>
        <translation>%1 und %2 kreuzen sich am Rasterpunkt (%3, %4), ohne sich an ihren Enden zu treffen, und das Maschenstromverfahren braucht eine Zeichnung, in der sich keine zwei Teile kreuzen. Sollen sie dort verbunden sein, lassen Sie beide an diesem Punkt enden; wenn nicht, zeichnen Sie sie getrennt; oder analysieren Sie die Schaltung mit dem Knotenpotentialverfahren, das jede Zeichnung annimmt.</translation>
    </message>
    <message>
        <source>%1 close a loop of wires, round which no element decides the current, so the Mesh Current Method cannot give that loop a mesh current. Take one of those wires away, or analyse the circuit with the Node Voltage Method, which takes any drawing.</source>
        <translation>%1 schließen eine Schleife aus Leitungen, in der kein Element den Strom bestimmt, daher kann das Maschenstromverfahren dieser Schleife keinen Maschenstrom geben. Entfernen Sie eine dieser Leitungen, oder analysieren Sie die Schaltung mit dem Knotenpotentialverfahren, das jede Zeichnung annimmt.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 (datum)</source>
        <translation>%1 (Bezug)</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>The datum node is node %1, at 0 V.</source>
        <translation>Der Bezugsknoten ist Knoten %1, auf 0 V.</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Joints (grid position)</source>
        <translation>Verbindungspunkte (Rasterposition)</translation>
    </message>
    <message>
        <source>Meshes</source>
        <translation>Maschen</translation>
    </message>
    <message>
        <source>Each mesh current runs clockwise round its mesh.</source>
        <translation>Jeder Maschenstrom fließt im Uhrzeigersinn um seine Masche.</translation>
    </message>
    <message>
        <source>Mesh</source>
        <translation>Masche</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Top-left corner (grid position)</source>
        <translation>Linke obere Ecke (Rasterposition)</translation>
    </message>
    <message>
        <source>Elements clockwise from the corner</source>
        <translation>Elemente im Uhrzeigersinn ab der Ecke</translation>
    </message>
    <message>
        <source>Check: the voltage drops clockwise round each mesh sum to zero</source>
        <translation>Probe: Die Spannungsabfälle im Uhrzeigersinn um jede Masche ergeben zusammen null</translation>
    </message>
    <message>
        <source>Check: the currents leaving each node sum to zero</source>
        <translation>Probe: Die aus jedem Knoten abfließenden Ströme ergeben zusammen null</translation>
    </message>
    <message>
        <source>%1 to node %2</source>
        <translation>%1 zu Knoten %2</translation>
    </message>
    <message>
        <source>Node %1:</source>
        <translation>Knoten %1:</translation>
    </message>
    <message>
        <source>The circuit</source>
        <translation>Die Schaltung</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Worked solution: %1</source>
        <translation>Lösungsweg: %1</translation>
    </message>
    <message>
        <source>Mesh %1:</source>
        <translation>Masche %1:</translation>
    </message>
    <message>
        <source>Supermesh of meshes %1:</source>
        <translation>Supermasche der Maschen %1:</translation>
    </message>
</context>
<context>
    <name>ResultsText</name>
    <message>
        <source>Component: power in W, absorbed (+) or delivered (-).</source>
        <translation>Bauteil: Leistung in W, aufgenommen (+) oder abgegeben (-).</translation>
    </message>
    <message>
        <source>Power delivered %1 = power absorbed %2.</source>
        <translation>Abgegebene Leistung %1 = aufgenommene Leistung %2.</translation>
    </message>
    <message>
        <source>Meter: reading, from its + terminal to its - terminal.</source>
        <translation>Messgerät: Anzeige, von seinem +-Anschluss zu seinem --Anschluss.</translation>
    </message>
    <message>
        <source>%1 reads %2.</source>
        <translation>%1 zeigt %2.</translation>
    </message>
    <message>
        <source>Node Number:  Node Voltage in V</source>
        <translation>Knotennummer:  Knotenspannung in V</translation>
    </message>
    <message>
        <source>Node %1:   %2.</source>
        <translation>Knoten %1:   %2.</translation>
    </message>
    <message>
        <source>Component: p.d. in V; current in A.</source>
        <translation>Bauteil: Spannung in V; Strom in A.</translation>
    </message>
</context>
<context>
    <name>RuleChecks</name>
    <message>
        <source>Voltage Source %1 has invalid EMF value.
The EMF value must not be 0.

If you wish to have a branch of zero p.d. over there,
you may replace the voltage source with a short circuit (a wire).</source>
        <translation>Spannungsquelle %1 hat eine ungültige Quellenspannung.
Die Quellenspannung darf nicht 0 sein.

Wenn Sie dort einen Zweig mit der Spannung null haben möchten,
können Sie die Spannungsquelle durch einen Kurzschluss (eine Leitung) ersetzen.</translation>
    </message>
    <message>
        <source>Current Source %1 has invalid current value.
The current value must not be 0.

If you wish to have a branch of zero current over there,
you may replace the current source with an open circuit.</source>
        <translation>Stromquelle %1 hat einen ungültigen Stromwert.
Der Stromwert darf nicht 0 sein.

Wenn Sie dort einen Zweig mit dem Strom null haben möchten,
können Sie die Stromquelle durch einen Leerlauf ersetzen.</translation>
    </message>
    <message>
        <source>Resistor %1 has invalid resistance.
%2</source>
        <translation>Widerstand %1 hat einen ungültigen Widerstandswert.
%2</translation>
    </message>
    <message>
        <source>Node %1 is not correctly connected.</source>
        <translation>Knoten %1 ist nicht richtig angeschlossen.</translation>
    </message>
    <message>
        <source> or </source>
        <extracomment>Between the sources of which the user is to keep one, as in &quot;V1 or V2 or V3&quot;.</extracomment>
        <translation> oder </translation>
    </message>
    <message>
        <source>Ideal Voltage Sources of the same value connected in parallel
is just equivalent to a single Ideal Voltage Source of the same value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and remove the other voltage source,
then apply the analysis again.</source>
        <translation>Parallel geschaltete ideale Spannungsquellen gleichen Werts
sind gleichwertig zu einer einzigen idealen Spannungsquelle desselben Werts.
Um die Analyse Ihrer Schaltung zu vereinfachen,
behalten Sie bitte nur
  %1 
und entfernen Sie die andere Spannungsquelle,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>Ideal Voltage Sources of the same value connected in parallel
is just equivalent to a single Ideal Voltage Source of the same value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and remove all other voltage sources,
then apply the analysis again.</source>
        <translation>Parallel geschaltete ideale Spannungsquellen gleichen Werts
sind gleichwertig zu einer einzigen idealen Spannungsquelle desselben Werts.
Um die Analyse Ihrer Schaltung zu vereinfachen,
behalten Sie bitte nur
  %1 
und entfernen Sie alle anderen Spannungsquellen,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>Ideal Voltage Sources  of different values cannot be parallel connected.
This violates the basic circuit rule that the potential difference between
any pair of nodes can only have a unique value,
please just retain either
   %1 
and remove the other voltage source,
then apply the analysis again.</source>
        <translation>Ideale Spannungsquellen  verschiedener Werte können nicht parallel geschaltet werden.
Das verletzt die Grundregel, dass die Spannung zwischen
zwei beliebigen Knoten nur einen eindeutigen Wert haben kann,
behalten Sie bitte nur
   %1 
und entfernen Sie die andere Spannungsquelle,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>Ideal Voltage Sources  of different values cannot be parallel connected.
This violates the basic circuit rule that the potential difference between
any pair of nodes can only have a unique value,
please just retain either
   %1 
and remove all other voltage sources,
then apply the analysis again.</source>
        <translation>Ideale Spannungsquellen  verschiedener Werte können nicht parallel geschaltet werden.
Das verletzt die Grundregel, dass die Spannung zwischen
zwei beliebigen Knoten nur einen eindeutigen Wert haben kann,
behalten Sie bitte nur
   %1 
und entfernen Sie alle anderen Spannungsquellen,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of the same value connected in series
is just equivalent to a single Ideal Current Source of that value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and replace the other current source with a short circuit,
then apply the analysis again.</source>
        <translation>In Reihe geschaltete ideale Stromquellen gleichen Werts
sind gleichwertig zu einer einzigen idealen Stromquelle dieses Werts.
Um die Analyse Ihrer Schaltung zu vereinfachen,
behalten Sie bitte nur
  %1 
und ersetzen Sie die andere Stromquelle durch einen Kurzschluss,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of the same value connected in series
is just equivalent to a single Ideal Current Source of that value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and replace all other current sources with short circuits,
then apply the analysis again.</source>
        <translation>In Reihe geschaltete ideale Stromquellen gleichen Werts
sind gleichwertig zu einer einzigen idealen Stromquelle dieses Werts.
Um die Analyse Ihrer Schaltung zu vereinfachen,
behalten Sie bitte nur
  %1 
und ersetzen Sie alle anderen Stromquellen durch Kurzschlüsse,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of different values or directions cannot be series
connected. This violates the basic circuit rule that the current flowing
in any single branch should be the same throughout that branch,
please just retain one of of the following current sources:
   %1 
and replace the other current source with a short circuit,
then apply the analysis again.</source>
        <translation>Ideale Stromquellen verschiedener Werte oder Richtungen können nicht in Reihe
geschaltet werden. Das verletzt die Grundregel, dass der Strom in einem
einzelnen Zweig im ganzen Zweig derselbe sein muss,
behalten Sie bitte nur eine der folgenden Stromquellen:
   %1 
und ersetzen Sie die andere Stromquelle durch einen Kurzschluss,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of different values or directions cannot be series
connected. This violates the basic circuit rule that the current flowing
in any single branch should be the same throughout that branch,
please just retain one of of the following current sources:
   %1 
and replace all other current sources with short circuits,
then apply the analysis again.</source>
        <translation>Ideale Stromquellen verschiedener Werte oder Richtungen können nicht in Reihe
geschaltet werden. Das verletzt die Grundregel, dass der Strom in einem
einzelnen Zweig im ganzen Zweig derselbe sein muss,
behalten Sie bitte nur eine der folgenden Stromquellen:
   %1 
und ersetzen Sie alle anderen Stromquellen durch Kurzschlüsse,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
</context>
<context>
    <name>Selection</name>
    <message>
        <source>Turned about its centre, the selection would leave the drawing area. Move it further in first.</source>
        <translation>Um ihre Mitte gedreht, würde die Auswahl den Zeichenbereich verlassen. Verschieben Sie sie zuerst weiter nach innen.</translation>
    </message>
</context>
<context>
    <name>Solvability</name>
    <message>
        <source>Voltage Source %1 has both of its terminals on the same node, so it forms a closed loop by itself.
Its EMF cannot appear across a single node, and the current through it cannot be found.

Please remove this voltage source, or connect its terminals to two different nodes,
then apply the analysis again.</source>
        <translation>Spannungsquelle %1 hat beide Anschlüsse am selben Knoten und bildet daher allein eine geschlossene Schleife.
Ihre Quellenspannung kann nicht über einem einzigen Knoten liegen, und der Strom durch sie lässt sich nicht bestimmen.

Bitte entfernen Sie diese Spannungsquelle oder verbinden Sie ihre Anschlüsse mit zwei verschiedenen Knoten,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>Voltage Sources %1 form a closed loop.
Around a closed loop the EMFs must add up to zero, and even when they do,
the current that circulates around the loop cannot be found from the node voltages.

Please remove one of these voltage sources, or put a resistor in series with it,
then apply the analysis again.</source>
        <translation>Die Spannungsquellen %1 bilden eine geschlossene Schleife.
Längs einer geschlossenen Schleife müssen sich die Quellenspannungen zu null addieren, und selbst dann
lässt sich der in der Schleife umlaufende Strom nicht aus den Knotenspannungen bestimmen.

Bitte entfernen Sie eine dieser Spannungsquellen oder schalten Sie einen Widerstand mit ihr in Reihe,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>Node %1 has no path through resistors or voltage sources to the datum node %2,
so nothing ties its voltage to the datum node and the analysis cannot find it.

Please connect this part of the circuit to the rest of the circuit through a resistor,
a voltage source or a wire, or remove it, then apply the analysis again.</source>
        <translation>Knoten %1 hat keinen Weg über Widerstände oder Spannungsquellen zum Bezugsknoten %2,
daher bindet nichts seine Spannung an den Bezugsknoten, und die Analyse kann sie nicht bestimmen.

Bitte verbinden Sie diesen Teil der Schaltung über einen Widerstand,
eine Spannungsquelle oder eine Leitung mit dem Rest der Schaltung, oder entfernen Sie ihn, und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>Nodes %1 have no path through resistors or voltage sources to the datum node %2,
so nothing ties their voltages to the datum node and the analysis cannot find them.

Please connect this part of the circuit to the rest of the circuit through a resistor,
a voltage source or a wire, or remove it, then apply the analysis again.</source>
        <translation>Die Knoten %1 haben keinen Weg über Widerstände oder Spannungsquellen zum Bezugsknoten %2,
daher bindet nichts ihre Spannungen an den Bezugsknoten, und die Analyse kann sie nicht bestimmen.

Bitte verbinden Sie diesen Teil der Schaltung über einen Widerstand,
eine Spannungsquelle oder eine Leitung mit dem Rest der Schaltung, oder entfernen Sie ihn, und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>Node %1 is connected to the rest of the circuit only through Current Source %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltage of this node to the datum node %3 and the analysis cannot find it.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>Knoten %1 ist mit dem Rest der Schaltung nur über die Stromquelle %2 verbunden.
Eine Stromquelle legt den Strom in ihrem Zweig fest, aber nicht die Spannung über ihr,
daher bindet nichts die Spannung dieses Knotens an den Bezugsknoten %3, und die Analyse kann sie nicht bestimmen.

Bitte fügen Sie zwischen diesem Teil und dem Rest der Schaltung einen Widerstand oder eine Spannungsquelle ein,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>Node %1 is connected to the rest of the circuit only through Current Sources %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltage of this node to the datum node %3 and the analysis cannot find it.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>Knoten %1 ist mit dem Rest der Schaltung nur über die Stromquellen %2 verbunden.
Eine Stromquelle legt den Strom in ihrem Zweig fest, aber nicht die Spannung über ihr,
daher bindet nichts die Spannung dieses Knotens an den Bezugsknoten %3, und die Analyse kann sie nicht bestimmen.

Bitte fügen Sie zwischen diesem Teil und dem Rest der Schaltung einen Widerstand oder eine Spannungsquelle ein,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>Nodes %1 are connected to the rest of the circuit only through Current Source %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltages of these nodes to the datum node %3 and the analysis cannot find them.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>Die Knoten %1 sind mit dem Rest der Schaltung nur über die Stromquelle %2 verbunden.
Eine Stromquelle legt den Strom in ihrem Zweig fest, aber nicht die Spannung über ihr,
daher bindet nichts die Spannungen dieser Knoten an den Bezugsknoten %3, und die Analyse kann sie nicht bestimmen.

Bitte fügen Sie zwischen diesem Teil und dem Rest der Schaltung einen Widerstand oder eine Spannungsquelle ein,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>Nodes %1 are connected to the rest of the circuit only through Current Sources %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltages of these nodes to the datum node %3 and the analysis cannot find them.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>Die Knoten %1 sind mit dem Rest der Schaltung nur über die Stromquellen %2 verbunden.
Eine Stromquelle legt den Strom in ihrem Zweig fest, aber nicht die Spannung über ihr,
daher bindet nichts die Spannungen dieser Knoten an den Bezugsknoten %3, und die Analyse kann sie nicht bestimmen.

Bitte fügen Sie zwischen diesem Teil und dem Rest der Schaltung einen Widerstand oder eine Spannungsquelle ein,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>The node equations of this circuit have no unique solution,
so the analysis cannot find its node voltages.

Please check the values and the connections of your components,
then apply the analysis again.</source>
        <translation>Die Knotengleichungen dieser Schaltung haben keine eindeutige Lösung,
daher kann die Analyse ihre Knotenspannungen nicht bestimmen.

Bitte prüfen Sie die Werte und die Anschlüsse Ihrer Bauteile,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>The values of this circuit span too many orders of magnitude,
for the analysis to find node voltages, p.d.s and currents that agree with each other.

Please bring the smallest and the largest values closer together,
then apply the analysis again.</source>
        <translation>Die Werte dieser Schaltung erstrecken sich über zu viele Größenordnungen,
als dass die Analyse zueinander passende Knotenspannungen, Spannungen und Ströme bestimmen könnte.

Bitte bringen Sie den kleinsten und den größten Wert näher zusammen,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
    <message>
        <source>The values of this circuit span too many orders of magnitude, from %1 to %2,
for the analysis to find node voltages, p.d.s and currents that agree with each other.

Please bring the smallest and the largest values closer together,
then apply the analysis again.</source>
        <translation>Die Werte dieser Schaltung erstrecken sich über zu viele Größenordnungen, von %1 bis %2,
als dass die Analyse zueinander passende Knotenspannungen, Spannungen und Ströme bestimmen könnte.

Bitte bringen Sie den kleinsten und den größten Wert näher zusammen,
und führen Sie die Analyse dann erneut aus.</translation>
    </message>
</context>
<context>
    <name>SpiceReader</name>
    <message>
        <source>Kirvolt reads only resistors (R), voltage sources (V) and current sources (I).</source>
        <translation>Kirvolt liest nur Widerstände (R), Spannungsquellen (V) und Stromquellen (I).</translation>
    </message>
    <message>
        <source>Kirvolt analyses DC circuits only.</source>
        <translation>Kirvolt analysiert nur Gleichstromschaltungen.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>an XSPICE code model</source>
        <translation>ein XSPICE-Codemodell</translation>
    </message>
    <message>
        <source>a behavioural source</source>
        <translation>eine Verhaltensquelle</translation>
    </message>
    <message>
        <source>a capacitor</source>
        <translation>ein Kondensator</translation>
    </message>
    <message>
        <source>a diode</source>
        <translation>eine Diode</translation>
    </message>
    <message>
        <source>a voltage-controlled voltage source</source>
        <translation>eine spannungsgesteuerte Spannungsquelle</translation>
    </message>
    <message>
        <source>a current-controlled current source</source>
        <translation>eine stromgesteuerte Stromquelle</translation>
    </message>
    <message>
        <source>a voltage-controlled current source</source>
        <translation>eine spannungsgesteuerte Stromquelle</translation>
    </message>
    <message>
        <source>a current-controlled voltage source</source>
        <translation>eine stromgesteuerte Spannungsquelle</translation>
    </message>
    <message>
        <source>a junction field-effect transistor</source>
        <translation>ein Sperrschicht-Feldeffekttransistor</translation>
    </message>
    <message>
        <source>a coupling of inductors</source>
        <translation>eine Kopplung von Induktivitäten</translation>
    </message>
    <message>
        <source>an inductor</source>
        <translation>eine Induktivität</translation>
    </message>
    <message>
        <source>a MOSFET</source>
        <translation>ein MOSFET</translation>
    </message>
    <message>
        <source>a device of a model library</source>
        <translation>ein Bauelement einer Modellbibliothek</translation>
    </message>
    <message>
        <source>a lossy transmission line</source>
        <translation>eine verlustbehaftete Leitung</translation>
    </message>
    <message>
        <source>a coupled transmission line</source>
        <translation>eine gekoppelte Leitung</translation>
    </message>
    <message>
        <source>a bipolar transistor</source>
        <translation>ein Bipolartransistor</translation>
    </message>
    <message>
        <source>a voltage-controlled switch</source>
        <translation>ein spannungsgesteuerter Schalter</translation>
    </message>
    <message>
        <source>a transmission line</source>
        <translation>eine Übertragungsleitung</translation>
    </message>
    <message>
        <source>a uniform RC line</source>
        <translation>eine gleichförmige RC-Leitung</translation>
    </message>
    <message>
        <source>a current-controlled switch</source>
        <translation>ein stromgesteuerter Schalter</translation>
    </message>
    <message>
        <source>a subcircuit</source>
        <translation>eine Teilschaltung</translation>
    </message>
    <message>
        <source>a MESFET</source>
        <translation>ein MESFET</translation>
    </message>
    <message>
        <source>%1 needs two nodes and a resistance.</source>
        <translation>%1 braucht zwei Knoten und einen Widerstandswert.</translation>
    </message>
    <message>
        <source>%1 needs two nodes.</source>
        <translation>%1 braucht zwei Knoten.</translation>
    </message>
    <message>
        <source>%1 is not an element SPICE knows.</source>
        <translation>%1 ist kein Element, das SPICE kennt.</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 ist %2.</translation>
    </message>
    <message>
        <source>%1 is named a second time; the first is on line %2.</source>
        <translation>%1 wird ein zweites Mal benannt; das erste Vorkommen steht in Zeile %2.</translation>
    </message>
    <message>
        <source>%1 has the value %2, which SPICE reads as %3%4.</source>
        <translation>%1 hat den Wert %2, den SPICE als %3%4 liest.</translation>
    </message>
    <message>
        <source>%1 has the value %2, which is not a number.</source>
        <translation>%1 hat den Wert %2, der keine Zahl ist.</translation>
    </message>
    <message>
        <source>; write %1 if that is what is meant</source>
        <translation>; schreiben Sie %1, wenn das gemeint ist</translation>
    </message>
    <message>
        <source>%1 has more than a resistance (%2).</source>
        <translation>%1 hat mehr als einen Widerstandswert (%2).</translation>
    </message>
    <message>
        <source>%1 has DC but no value.</source>
        <translation>%1 hat DC, aber keinen Wert.</translation>
    </message>
    <message>
        <source>%1 has an AC value.</source>
        <translation>%1 hat einen AC-Wert.</translation>
    </message>
    <message>
        <source>%1 is a %2 source.</source>
        <translation>%1 ist eine %2-Quelle.</translation>
    </message>
    <message>
        <source>%1 has more than a DC value (%2).</source>
        <translation>%1 hat mehr als einen DC-Wert (%2).</translation>
    </message>
    <message>
        <source>a continuation line (+) must follow an element.</source>
        <translation>eine Fortsetzungszeile (+) muss auf ein Element folgen.</translation>
    </message>
    <message>
        <source>%1 belongs to a subcircuit.</source>
        <translation>%1 gehört zu einer Teilschaltung.</translation>
    </message>
    <message>
        <source>%1 reads another file, which Kirvolt does not follow.</source>
        <translation>%1 liest eine andere Datei, der Kirvolt nicht folgt.</translation>
    </message>
    <message>
        <source>The netlist is empty.</source>
        <translation>Die Netzliste ist leer.</translation>
    </message>
    <message>
        <source>The netlist has no resistors, voltage sources or current sources.</source>
        <translation>Die Netzliste enthält keine Widerstände, Spannungsquellen oder Stromquellen.</translation>
    </message>
</context>
<context>
    <name>Superposition</name>
    <message>
        <source>%1 = %2   (full analysis: %3)</source>
        <translation>%1 = %2   (vollständige Analyse: %3)</translation>
    </message>
    <message>
        <source>%1 shorted</source>
        <translation>%1 kurzgeschlossen</translation>
    </message>
    <message>
        <source>%1 opened</source>
        <translation>%1 aufgetrennt</translation>
    </message>
    <message>
        <source>%1 alone</source>
        <translation>%1 allein</translation>
    </message>
    <message>
        <source>%1 alone (%2)</source>
        <translation>%1 allein (%2)</translation>
    </message>
    <message>
        <source>This circuit has no source: every voltage and current in it is zero.</source>
        <translation>Diese Schaltung hat keine Quelle: Jede Spannung und jeder Strom in ihr ist null.</translation>
    </message>
    <message>
        <source>Superposition: one part for each source, with every other source set to zero.</source>
        <translation>Überlagerung: ein Teil für jede Quelle, wobei jede andere Quelle auf null gesetzt ist.</translation>
    </message>
    <message>
        <source>Part %1: %2</source>
        <translation>Teil %1: %2</translation>
    </message>
    <message>
        <source>The sum of the parts beside the full analysis:</source>
        <translation>Die Summe der Teile neben der vollständigen Analyse:</translation>
    </message>
    <message>
        <source>%1: p.d. %2</source>
        <translation>%1: Spannung %2</translation>
    </message>
    <message>
        <source>%1: current %2</source>
        <translation>%1: Strom %2</translation>
    </message>
</context>
<context>
    <name>TheoremWindows</name>
    <message>
        <source>Thévenin Equivalent</source>
        <translation>Thévenin-Ersatzschaltung</translation>
    </message>
    <message>
        <source>Thévenin equivalent</source>
        <translation>Thévenin-Ersatzschaltung</translation>
    </message>
    <message>
        <source>Norton equivalent</source>
        <translation>Norton-Ersatzschaltung</translation>
    </message>
    <message>
        <source>Superposition</source>
        <translation>Überlagerung</translation>
    </message>
    <message>
        <source>Part %1: %2</source>
        <translation>Teil %1: %2</translation>
    </message>
</context>
<context>
    <name>Thevenin</name>
    <message>
        <source>There is no resistor named %1 in this circuit.</source>
        <translation>In dieser Schaltung gibt es keinen Widerstand namens %1.</translation>
    </message>
    <message>
        <source>There is no node named %1 in this circuit.</source>
        <translation>In dieser Schaltung gibt es keinen Knoten namens %1.</translation>
    </message>
    <message>
        <source>Node %1 is both terminals: choose two different nodes.</source>
        <translation>Knoten %1 ist beide Anschlüsse: Wählen Sie zwei verschiedene Knoten.</translation>
    </message>
    <message>
        <source>there are no sources to set to zero</source>
        <translation>es gibt keine Quellen, die null gesetzt werden könnten</translation>
    </message>
    <message>
        <source>%1 and Norton equivalents as seen by %2, between nodes %3 and %4.</source>
        <translation>%1- und Norton-Ersatzschaltung von %2 aus gesehen, zwischen den Knoten %3 und %4.</translation>
    </message>
    <message>
        <source>1. %1 is taken out of the circuit; nodes %2 and %3 are left open.</source>
        <translation>1. %1 wird aus der Schaltung herausgenommen; die Knoten %2 und %3 bleiben offen.</translation>
    </message>
    <message>
        <source>%1 and Norton equivalents between nodes %2 and %3.</source>
        <translation>%1- und Norton-Ersatzschaltung zwischen den Knoten %2 und %3.</translation>
    </message>
    <message>
        <source>1. Nodes %1 and %2 are the terminals; nothing is connected between them.</source>
        <translation>1. Die Knoten %1 und %2 sind die Anschlüsse; zwischen ihnen ist nichts angeschlossen.</translation>
    </message>
    <message>
        <source>2. The open-circuit voltage, by the node voltage method:</source>
        <translation>2. Die Leerlaufspannung, mit dem Knotenpotentialverfahren:</translation>
    </message>
    <message>
        <source>2. There is no open-circuit voltage to find: with the terminals open, nothing joins the side of node %1 to the side of node %2, so nothing fixes the voltage between them.</source>
        <translation>2. Es gibt keine Leerlaufspannung zu bestimmen: Bei offenen Anschlüssen verbindet nichts die Seite von Knoten %1 mit der Seite von Knoten %2, daher legt nichts die Spannung zwischen ihnen fest.</translation>
    </message>
    <message>
        <source>2. There is no open-circuit voltage to find: with the terminals open, only the current source %1 joins the side of node %2 to the side of node %3, which fixes a current and no voltage.</source>
        <translation>2. Es gibt keine Leerlaufspannung zu bestimmen: Bei offenen Anschlüssen verbindet nur die Stromquelle %1 die Seite von Knoten %2 mit der Seite von Knoten %3, und sie legt einen Strom und keine Spannung fest.</translation>
    </message>
    <message>
        <source>2. There is no open-circuit voltage to find: with the terminals open, only the current sources %1 join the side of node %2 to the side of node %3, which fix currents and no voltage.</source>
        <translation>2. Es gibt keine Leerlaufspannung zu bestimmen: Bei offenen Anschlüssen verbinden nur die Stromquellen %1 die Seite von Knoten %2 mit der Seite von Knoten %3, und sie legen Ströme und keine Spannung fest.</translation>
    </message>
    <message>
        <source>3. The sources set to zero (%1), the resistance seen between %2 and %3:</source>
        <translation>3. Die Quellen auf null gesetzt (%1), der Widerstand zwischen %2 und %3:</translation>
    </message>
    <message>
        <source>the shorted %1 joins %2 to %3, so Rth = %4.</source>
        <translation>die kurzgeschlossene %1 verbindet %2 mit %3, also Rth = %4.</translation>
    </message>
    <message>
        <source>the shorted %1 join %2 to %3, so Rth = %4.</source>
        <translation>die kurzgeschlossenen %1 verbinden %2 mit %3, also Rth = %4.</translation>
    </message>
    <message>
        <source>a test current of %1 into %2 and out of %3 gives %4 - %5 = %6, so Rth = %7.</source>
        <translation>ein Prüfstrom von %1 in %2 hinein und aus %3 heraus ergibt %4 - %5 = %6, also Rth = %7.</translation>
    </message>
    <message>
        <source>nothing joins %1 to %2, so the resistance between them has no bound.</source>
        <translation>nichts verbindet %1 mit %2, daher ist der Widerstand zwischen ihnen unbegrenzt.</translation>
    </message>
    <message>
        <source>4. The short-circuit current, with %1 and %2 joined by a wire: In = %3 from %1 through the wire to %2.</source>
        <translation>4. Der Kurzschlussstrom, mit %1 und %2 durch eine Leitung verbunden: In = %3 von %1 durch die Leitung nach %2.</translation>
    </message>
    <message>
        <source>4. There is no short-circuit current to find: a wire from %1 to %2 would close a loop with %3.</source>
        <translation>4. Es gibt keinen Kurzschlussstrom zu bestimmen: Eine Leitung von %1 nach %2 würde mit %3 eine Schleife schließen.</translation>
    </message>
    <message>
        <source>%1 equivalent: Vth = %2, positive at %3, in series with Rth = %4.</source>
        <translation>%1-Ersatzschaltung: Vth = %2, positiv an %3, in Reihe mit Rth = %4.</translation>
    </message>
    <message>
        <source>There is no %1 equivalent: the resistance between %2 and %3 has no bound, and no voltage source in series with a resistor behaves so.</source>
        <translation>Es gibt keine %1-Ersatzschaltung: Der Widerstand zwischen %2 und %3 ist unbegrenzt, und keine Spannungsquelle in Reihe mit einem Widerstand verhält sich so.</translation>
    </message>
    <message>
        <source>Norton equivalent: In = %1 into %2, in parallel with Rth = %3.</source>
        <translation>Norton-Ersatzschaltung: In = %1 in %2 hinein, parallel zu Rth = %3.</translation>
    </message>
    <message>
        <source>Norton equivalent: In = %1 into %2, with no resistor beside it.</source>
        <translation>Norton-Ersatzschaltung: In = %1 in %2 hinein, ohne Widerstand daneben.</translation>
    </message>
    <message>
        <source>There is no Norton equivalent: the resistance between %1 and %2 is zero, and a current source beside a resistor of 0 %3 would drive its current through a short.</source>
        <translation>Es gibt keine Norton-Ersatzschaltung: Der Widerstand zwischen %1 und %2 ist null, und eine Stromquelle parallel zu einem Widerstand von 0 %3 würde ihren Strom durch einen Kurzschluss treiben.</translation>
    </message>
</context>
<context>
    <name>TracedLoop</name>
    <message>
        <source>where %1 and %2 meet</source>
        <translation>der Stelle, an der sich %1 und %2 treffen</translation>
    </message>
    <message>
        <source>a node</source>
        <translation>einem Knoten</translation>
    </message>
    <message>
        <source>Click a branch of your circuit to start the loop.</source>
        <translation>Klicken Sie einen Zweig Ihrer Schaltung an, um die Schleife zu beginnen.</translation>
    </message>
    <message>
        <source>%1 has both ends on one node, so it is a loop by itself: the loop is closed.</source>
        <translation>%1 hat beide Enden am selben Knoten und ist daher für sich eine Schleife: Die Schleife ist geschlossen.</translation>
    </message>
    <message>
        <source>%1 does not touch %2, the last branch of your loop.

Click a branch that goes on from one of its ends.</source>
        <translation>%1 berührt %2 nicht, den letzten Zweig Ihrer Schleife.

Klicken Sie einen Zweig an, der an einem seiner Enden weitergeht.</translation>
    </message>
    <message>
        <source>Your loop is closed already: %1 would be one branch too many.</source>
        <translation>Ihre Schleife ist bereits geschlossen: %1 wäre ein Zweig zu viel.</translation>
    </message>
    <message>
        <source>%1 is in your loop already.

Click a branch that goes on from the end of %2 your loop has reached.</source>
        <translation>%1 ist bereits in Ihrer Schleife.

Klicken Sie einen Zweig an, der an dem Ende von %2 weitergeht, das Ihre Schleife erreicht hat.</translation>
    </message>
    <message>
        <source>%1 has both ends on one node, so it is a loop by itself and cannot be part of a longer one.</source>
        <translation>%1 hat beide Enden am selben Knoten, ist also für sich eine Schleife und kann nicht Teil einer längeren sein.</translation>
    </message>
    <message>
        <source>%1 touches %2 only at the end your loop came in by.

Go on from the other end of %2.</source>
        <translation>%1 berührt %2 nur an dem Ende, über das Ihre Schleife hereinkam.

Gehen Sie vom anderen Ende von %2 weiter.</translation>
    </message>
    <message>
        <source>%1 does not touch %2, the last branch of your loop.

Click a branch that goes on from the end of %2 your loop has reached.</source>
        <translation>%1 berührt %2 nicht, den letzten Zweig Ihrer Schleife.

Klicken Sie einen Zweig an, der an dem Ende von %2 weitergeht, das Ihre Schleife erreicht hat.</translation>
    </message>
    <message>
        <source>%1 would take your loop back to %2, which it has passed already: a loop passes each node only once.</source>
        <translation>%1 würde Ihre Schleife zurück zu %2 führen, wo sie bereits war: Eine Schleife durchläuft jeden Knoten nur einmal.</translation>
    </message>
    <message>
        <source>Your loop is not closed yet: go on from either end of %1 until the loop comes back to its other end.</source>
        <translation>Ihre Schleife ist noch nicht geschlossen: Gehen Sie von einem der Enden von %1 weiter, bis die Schleife zu seinem anderen Ende zurückkommt.</translation>
    </message>
    <message>
        <source>Your loop is not closed yet: go on from the end of %1 until the loop comes back to the end of %2 it started from.</source>
        <translation>Ihre Schleife ist noch nicht geschlossen: Gehen Sie vom Ende von %1 weiter, bis die Schleife zu dem Ende von %2 zurückkommt, an dem sie begann.</translation>
    </message>
    <message>
        <source>The current of %1 follows from the loops&apos; currents through %2 already, so your loops cannot take every current source into account.</source>
        <translation>Der Strom von %1 folgt bereits aus den Strömen der Schleifen durch %2, daher können Ihre Schleifen nicht jede Stromquelle berücksichtigen.</translation>
    </message>
</context>
<context>
    <name>TreeQuiz</name>
    <message>
        <source>Your tree has %1 of its %2 branch.</source>
        <translation>Ihr Baum hat %1 von %2 Zweig.</translation>
    </message>
    <message>
        <source>Your tree has %1 of its %2 branches.</source>
        <translation>Ihr Baum hat %1 von %2 Zweigen.</translation>
    </message>
    <message>
        <source>Your tree has %1 of its %2 branch: %3.</source>
        <translation>Ihr Baum hat %1 von %2 Zweig: %3.</translation>
    </message>
    <message>
        <source>Your tree has %1 of its %2 branches: %3.</source>
        <translation>Ihr Baum hat %1 von %2 Zweigen: %3.</translation>
    </message>
    <message>
        <source>Click a resistor or a voltage source of your circuit.</source>
        <translation>Klicken Sie einen Widerstand oder eine Spannungsquelle Ihrer Schaltung an.</translation>
    </message>
    <message>
        <source>%1 is taken out of the tree; it is a chord again.</source>
        <translation>%1 ist aus dem Baum herausgenommen und wieder ein Verbindungszweig.</translation>
    </message>
    <message>
        <source>%1 is in the tree.</source>
        <translation>%1 ist im Baum.</translation>
    </message>
    <message>
        <source>The tree is complete: its %1 branch joins all %2 nodes, and every other branch is a chord that closes one loop with it.</source>
        <translation>Der Baum ist vollständig: Sein %1 Zweig verbindet alle %2 Knoten, und jeder andere Zweig ist ein Verbindungszweig, der mit ihm eine Schleife schließt.</translation>
    </message>
    <message>
        <source>The tree is complete: its %1 branches join all %2 nodes, and every other branch is a chord that closes one loop with it.</source>
        <translation>Der Baum ist vollständig: Seine %1 Zweige verbinden alle %2 Knoten, und jeder andere Zweig ist ein Verbindungszweig, der mit ihm eine Schleife schließt.</translation>
    </message>
</context>
<context>
    <name>ValueField</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte geben Sie eine Zahl ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this value takes no unit.</source>
        <translation>„%1“: Dieser Wert hat keine Einheit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in %2, but this value is in %3.</source>
        <translation>„%1“ ist in %2, aber dieser Wert ist in %3.</translation>
    </message>
    <message>
        <source>The resistance value must be greater than 0.

If you wish to have a branch of zero resistance over there,
you may replace the resistor with a wire.</source>
        <translation>Der Widerstandswert muss größer als 0 sein.

Wenn Sie dort einen Zweig mit dem Widerstand null haben möchten,
können Sie den Widerstand durch eine Leitung ersetzen.</translation>
    </message>
</context>
<context>
    <name>ValueRange</name>
    <message>
        <source>%1 has a resistance of %2; Kirvolt takes resistances of 0 or from 1 pΩ to 1 TΩ.</source>
        <translation>%1 hat einen Widerstand von %2; Kirvolt nimmt Widerstände von 0 oder von 1 pΩ bis 1 TΩ an.</translation>
    </message>
    <message>
        <source>%1 has no finite value; Kirvolt takes resistances of 0 or from 1 pΩ to 1 TΩ.</source>
        <translation>%1 hat keinen endlichen Wert; Kirvolt nimmt Widerstände von 0 oder von 1 pΩ bis 1 TΩ an.</translation>
    </message>
    <message>
        <source>%1 has an EMF of %2; Kirvolt takes EMFs of 0 or from -1 MV to -1 fV or from 1 fV to 1 MV.</source>
        <translation>%1 hat eine Quellenspannung von %2; Kirvolt nimmt Quellenspannungen von 0 oder von -1 MV bis -1 fV oder von 1 fV bis 1 MV an.</translation>
    </message>
    <message>
        <source>%1 has no finite value; Kirvolt takes EMFs of 0 or from -1 MV to -1 fV or from 1 fV to 1 MV.</source>
        <translation>%1 hat keinen endlichen Wert; Kirvolt nimmt Quellenspannungen von 0 oder von -1 MV bis -1 fV oder von 1 fV bis 1 MV an.</translation>
    </message>
    <message>
        <source>%1 has a current of %2; Kirvolt takes currents of 0 or from -1 MA to -1 fA or from 1 fA to 1 MA.</source>
        <translation>%1 hat einen Strom von %2; Kirvolt nimmt Ströme von 0 oder von -1 MA bis -1 fA oder von 1 fA bis 1 MA an.</translation>
    </message>
    <message>
        <source>%1 has no finite value; Kirvolt takes currents of 0 or from -1 MA to -1 fA or from 1 fA to 1 MA.</source>
        <translation>%1 hat keinen endlichen Wert; Kirvolt nimmt Ströme von 0 oder von -1 MA bis -1 fA oder von 1 fA bis 1 MA an.</translation>
    </message>
    <message>
        <source>%1 has a value that is not a number.</source>
        <translation>%1 hat einen Wert, der keine Zahl ist.</translation>
    </message>
</context>
<context>
    <name>VoltageScale</name>
    <message>
        <source>Node voltage</source>
        <translation>Knotenspannung</translation>
    </message>
</context>
<context>
    <name>kirvolt::BackgroundNotesDialog</name>
    <message>
        <source>Nodal Analysis</source>
        <translation>Knotenpotentialverfahren</translation>
    </message>
    <message>
        <source>
Background notes</source>
        <translation>
Hintergrund</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>kirvolt::CAboutDlg</name>
    <message>
        <source>About Kirvolt</source>
        <translation>Über Kirvolt</translation>
    </message>
    <message>
        <source>Kirvolt Version %1</source>
        <translation>Kirvolt Version %1</translation>
    </message>
</context>
<context>
    <name>kirvolt::CKirvoltApp</name>
    <message>
        <source>Circuit file to open</source>
        <translation>Zu öffnende Schaltungsdatei</translation>
    </message>
    <message>
        <source>Kirvolt ended without closing %1, which had unsaved changes.
Reopen it with those changes? If you do not, they are discarded.</source>
        <translation>Kirvolt wurde beendet, ohne %1 zu schließen, das ungespeicherte Änderungen hatte.
Mit diesen Änderungen wieder öffnen? Andernfalls werden sie verworfen.</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Übung %1</translation>
    </message>
    <message>
        <source>Exercise %1 (%2): find the voltage of every node and the current in every component.</source>
        <translation>Übung %1 (%2): Bestimmen Sie die Spannung jedes Knotens und den Strom in jedem Bauteil.</translation>
    </message>
</context>
<context>
    <name>kirvolt::CKirvoltView</name>
    <message>
        <source>Joint</source>
        <translation>Verbindungspunkt</translation>
    </message>
    <message>
        <source>Circuit drawing</source>
        <translation>Schaltungszeichnung</translation>
    </message>
    <message>
        <source>Arrow keys move the grid cursor (Shift: five steps), Enter clicks at it, Tab and Shift+Tab step through the elements and joints, Ctrl+Space adds to the selection, Ctrl and the arrows move the selection.</source>
        <translation>Die Pfeiltasten bewegen den Rastercursor (Shift: fünf Schritte), Enter klickt an seiner Stelle, Tab und Shift+Tab gehen die Elemente und Verbindungspunkte durch, Ctrl+Space fügt zur Auswahl hinzu, Ctrl und die Pfeiltasten verschieben die Auswahl.</translation>
    </message>
    <message>
        <source>Circuit drawing, cursor at %1, %2</source>
        <translation>Schaltungszeichnung, Cursor bei %1, %2</translation>
    </message>
    <message>
        <source>wire %1</source>
        <translation>Leitung %1</translation>
    </message>
</context>
<context>
    <name>kirvolt::CMainFrame</name>
    <message>
        <source>Get Document Pointer failed.</source>
        <translation>Zugriff auf das Dokument fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Activate this window</source>
        <translation>Dieses Fenster aktivieren</translation>
    </message>
    <message>
        <source>Save changes to these circuits?

%1</source>
        <translation>Änderungen an diesen Schaltungen speichern?

%1</translation>
    </message>
    <message>
        <source>Discard All</source>
        <translation>Alle verwerfen</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Kirvolt &amp;Help</source>
        <translation>Kirvolt-&amp;Hilfe</translation>
    </message>
    <message>
        <source>Read how to draw, analyse and read a circuit</source>
        <translation>Lesen Sie, wie man eine Schaltung zeichnet, analysiert und die Ergebnisse liest</translation>
    </message>
    <message>
        <source>Exa&amp;mples</source>
        <translation>&amp;Beispiele</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Zoom Scale</source>
        <translation>&amp;Zoomstufe</translation>
    </message>
    <message>
        <source>Equations</source>
        <translation>Gleichungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Zeichnen</translation>
    </message>
    <message>
        <source>&amp;Analyse</source>
        <translation>Ana&amp;lyse</translation>
    </message>
    <message>
        <source>U&amp;sing</source>
        <translation>&amp;Verfahren</translation>
    </message>
    <message>
        <source>&amp;Tutor</source>
        <translation>&amp;Tutor</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Zoom In/Out</source>
        <translation>Vergrößern/Verkleinern</translation>
    </message>
    <message>
        <source>Component &amp;Toolbar</source>
        <translation>&amp;Bauteil-Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Command Toolbar</source>
        <translation>Befehlsleiste</translation>
    </message>
    <message>
        <source>Edit &amp;Value...</source>
        <translation>&amp;Wert bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Name...</source>
        <translation>&amp;Name...</translation>
    </message>
    <message>
        <source>Node &amp;Name...</source>
        <translation>Knoten&amp;name...</translation>
    </message>
    <message>
        <source>Set as &amp;Datum Node</source>
        <translation>Als &amp;Bezugsknoten festlegen</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Drehen</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>&amp;Spiegeln</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Analyse as I Draw</source>
        <translation>Beim Zeichnen analysieren</translation>
    </message>
    <message>
        <source>Analyse the circuit after every change, with the method last chosen</source>
        <translation>Die Schaltung nach jeder Änderung mit dem zuletzt gewählten Verfahren analysieren</translation>
    </message>
    <message>
        <source>Voltages on the Drawing</source>
        <translation>Spannungen in der Zeichnung</translation>
    </message>
    <message>
        <source>Tint every wire and joint by its node voltage</source>
        <translation>Jede Leitung und jeden Verbindungspunkt nach seiner Knotenspannung einfärben</translation>
    </message>
    <message>
        <source>Currents on the Drawing</source>
        <translation>Ströme in der Zeichnung</translation>
    </message>
    <message>
        <source>Show each element&apos;s current as an arrow the way it flows</source>
        <translation>Den Strom jedes Elements als Pfeil in seiner Flussrichtung zeigen</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
    <message>
        <source>Shows the buttons that do not fit on the toolbar</source>
        <translation>Zeigt die Schaltflächen, die nicht in die Symbolleiste passen</translation>
    </message>
</context>
<context>
    <name>kirvolt::CPropertyView</name>
    <message>
        <source>The circuit has changed since these results. Run the analysis again.</source>
        <translation>Die Schaltung wurde seit diesen Ergebnissen geändert. Führen Sie die Analyse erneut aus.</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordEquationDialog</name>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordIntroductionDialog</name>
    <message>
        <source>There are four steps for the Chord Current Analysis Method.</source>
        <translation>Die Analyse mit Verbindungszweigströmen hat vier Schritte.</translation>
    </message>
    <message>
        <source>(1)  Pick a tree of your
       circuit.</source>
        <translation>(1)  Wählen Sie einen Baum
       Ihrer Schaltung.</translation>
    </message>
    <message>
        <source>(2)   Name the chords and
       their loop currents.</source>
        <translation>(2)   Benennen Sie die Verbindungszweige
       und ihre Schleifenströme.</translation>
    </message>
    <message>
        <source>(3)   See the loop each
       chord closes.</source>
        <translation>(3)   Sehen Sie die Schleife, die jeder
       Verbindungszweig schließt.</translation>
    </message>
    <message>
        <source>(4)   Write loop current
       equations using KVL.</source>
        <translation>(4)   Stellen Sie Schleifenstrom-
       gleichungen mit der Maschenregel auf.</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordTreeDialog</name>
    <message>
        <source>A tree joins all the nodes of your circuit without closing a loop. Click the resistors and voltage sources of your circuit to put them in the tree; click one again to take it out. Every branch left out of the tree is a chord.</source>
        <translation>Ein Baum verbindet alle Knoten Ihrer Schaltung, ohne eine Schleife zu schließen. Klicken Sie die Widerstände und Spannungsquellen Ihrer Schaltung an, um sie in den Baum aufzunehmen; ein erneuter Klick nimmt sie wieder heraus. Jeder Zweig, der nicht zum Baum gehört, ist ein Verbindungszweig.</translation>
    </message>
    <message>
        <source>Click a branch of your circuit.</source>
        <translation>Klicken Sie einen Zweig Ihrer Schaltung an.</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordTutorDialog</name>
    <message>
        <source>Chord Current Tutor</source>
        <translation>Tutor Verbindungszweigströme</translation>
    </message>
    <message>
        <source>

          Pick a tree.</source>
        <translation>

          Wählen Sie einen Baum.</translation>
    </message>
    <message>
        <source>

     Name the chords.</source>
        <translation>

     Benennen Sie die Verbindungszweige.</translation>
    </message>
    <message>
        <source>

     See each fundamental loop.</source>
        <translation>

     Sehen Sie jede Fundamentalschleife.</translation>
    </message>
    <message>
        <source>

           Write loop current
         equations using KVL.</source>
        <translation>

           Stellen Sie Schleifenstrom-
         gleichungen mit der Maschenregel auf.</translation>
    </message>
    <message>
        <source>Step %1 of 4 for Chord Current Analysis:</source>
        <translation>Schritt %1 von 4 der Analyse mit Verbindungszweigströmen:</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kirvolt::ComponentInfoDialog</name>
    <message>
        <source>Component Property</source>
        <translation>Bauteileigenschaften</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Wert:</translation>
    </message>
    <message>
        <source>Start Node:</source>
        <translation>Anfangsknoten:</translation>
    </message>
    <message>
        <source>Finish Node:</source>
        <translation>Endknoten:</translation>
    </message>
    <message>
        <source>Start Node Voltage:</source>
        <translation>Spannung am Anfangsknoten:</translation>
    </message>
    <message>
        <source>Finish Node Voltage:</source>
        <translation>Spannung am Endknoten:</translation>
    </message>
    <message>
        <source>Current:
(Start-&gt;Finish)</source>
        <translation>Strom:
(Anfang-&gt;Ende)</translation>
    </message>
    <message>
        <source>p.d.(Start-
Finish):</source>
        <translation>Spannung (Anfang-
Ende):</translation>
    </message>
</context>
<context>
    <name>kirvolt::CountStepDialog</name>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kirvolt::DatumNodeDialog</name>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>chosen node, Node </source>
        <translation>gewählten Knoten gemessen, Knoten </translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>A total of</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>equations needed,</source>
        <translation>Gleichungen sind nötig,</translation>
    </message>
    <message>
        <source>The voltage at other nodes are measured with respect to this</source>
        <translation>Die Spannungen der übrigen Knoten werden gegenüber diesem</translation>
    </message>
    <message>
        <source>one for each of the nodes below:</source>
        <translation>eine für jeden der folgenden Knoten:</translation>
    </message>
    <message>
        <source>Select a node on the left to be the Datum Node:</source>
        <translation>Wählen Sie links einen Knoten als Bezugsknoten:</translation>
    </message>
    <message>
        <source>Step 3 of 4 for Nodal Analysis:</source>
        <translation>Schritt 3 von 4 des Knotenpotentialverfahrens:</translation>
    </message>
    <message>
        <source>

         Select a Datum Node.</source>
        <translation>

         Wählen Sie einen Bezugsknoten.</translation>
    </message>
    <message>
        <source>To simplify your calculation, you should select a node with the largest number of components connected to it as the Datum Node.</source>
        <translation>Um Ihre Rechnung zu vereinfachen, sollten Sie den Knoten mit den meisten angeschlossenen Bauteilen als Bezugsknoten wählen.</translation>
    </message>
</context>
<context>
    <name>kirvolt::EditComponentDialog</name>
    <message>
        <source>Edit Component </source>
        <translation>Bauteil bearbeiten </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Wert:</translation>
    </message>
</context>
<context>
    <name>kirvolt::EditNodeNameDialog</name>
    <message>
        <source>Edit Node Name</source>
        <translation>Knotennamen bearbeiten</translation>
    </message>
    <message>
        <source>Node Name:</source>
        <translation>Knotenname:</translation>
    </message>
</context>
<context>
    <name>kirvolt::EquationCheckWindow</name>
    <message>
        <source>for example (V2 - V1)/R1 + V2/R2 = J1</source>
        <translation>zum Beispiel (V2 - V1)/R1 + V2/R2 = J1</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
</context>
<context>
    <name>kirvolt::ErcPanel</name>
    <message>
        <source>Electrical Rule Check</source>
        <translation>Elektrische Regelprüfung</translation>
    </message>
</context>
<context>
    <name>kirvolt::ExportPictureDialog</name>
    <message>
        <source>Show the &amp;grid</source>
        <translation>&amp;Raster zeigen</translation>
    </message>
    <message>
        <source>Show &amp;node numbers</source>
        <translation>&amp;Knotennummern zeigen</translation>
    </message>
    <message>
        <source>Show the &amp;equations panel</source>
        <translation>&amp;Gleichungsfeld zeigen</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source> ×</source>
        <translation> ×</translation>
    </message>
    <message>
        <source>PNG &amp;scale:</source>
        <translation>PNG-&amp;Skalierung:</translation>
    </message>
</context>
<context>
    <name>kirvolt::HelpWindow</name>
    <message>
        <source>Kirvolt Help</source>
        <translation>Kirvolt-Hilfe</translation>
    </message>
</context>
<context>
    <name>kirvolt::KclExampleDialog</name>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Step 4 of 4 for Nodal Analysis:</source>
        <translation>Schritt 4 von 4 des Knotenpotentialverfahrens:</translation>
    </message>
    <message>
        <source>

           Write node voltage
         equations using KCL.</source>
        <translation>

           Stellen Sie Knotenspannungs-
         gleichungen mit der Knotenregel auf.</translation>
    </message>
    <message>
        <source>The following shows how you write your equation:</source>
        <translation>So stellen Sie Ihre Gleichung auf:</translation>
    </message>
    <message>
        <source>For Node &apos;a&apos; shown above:
Sum of Current flowing out from resistors R1 and R2 = Current  flowing in from the source J1,</source>
        <translation>Für den oben gezeigten Knoten &apos;a&apos;:
Summe der aus den Widerständen R1 und R2 abfließenden Ströme = der aus der Quelle J1 zufließende Strom,</translation>
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
        <translation>Die Knotengleichungen Ihrer Schaltung lassen sich auf die gleiche Weise aufstellen.</translation>
    </message>
    <message>
        <source>Check your nodal equations with that written by Kirvolt. How many equations you got it right?</source>
        <translation>Vergleichen Sie Ihre Knotengleichungen mit denen von Kirvolt. Wie viele Gleichungen hatten Sie richtig?</translation>
    </message>
</context>
<context>
    <name>kirvolt::KeyIndicators</name>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopCountDialog</name>
    <message>
        <source>Loop Current Tutor</source>
        <translation>Tutor Schleifenstromverfahren</translation>
    </message>
    <message>
        <source>Step 1 of 4 for Loop Current Analysis:</source>
        <translation>Schritt 1 von 4 des Schleifenstromverfahrens:</translation>
    </message>
    <message>
        <source>
   Count the number of independent
    loops in your circuit.</source>
        <translation>
   Zählen Sie die unabhängigen
    Schleifen Ihrer Schaltung.</translation>
    </message>
    <message>
        <source>How many independent Loops are there in your circuit ?</source>
        <translation>Wie viele unabhängige Schleifen hat Ihre Schaltung?</translation>
    </message>
    <message>
        <source>Note:
Loops are independent when none of them is made of the others: each new loop must take in something the loops before it do not.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation>Hinweis:
Schleifen sind unabhängig, wenn keine aus den anderen zusammengesetzt ist: Jede neue Schleife muss etwas enthalten, das die Schleifen vor ihr nicht enthalten.

Leitungen gelten als ideal und nicht als Bauteile.</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopIntroductionDialog</name>
    <message>
        <source>There are four steps for the Loop Current Analysis Method.</source>
        <translation>Das Schleifenstromverfahren hat vier Schritte.</translation>
    </message>
    <message>
        <source>(1)  Count the number of
       independent loops in your circuit.</source>
        <translation>(1)  Zählen Sie die unabhängigen
       Schleifen Ihrer Schaltung.</translation>
    </message>
    <message>
        <source>(2)   Trace the loops of your
       own choice.</source>
        <translation>(2)   Verfolgen Sie Schleifen
       Ihrer Wahl.</translation>
    </message>
    <message>
        <source>(3)   Write loop current
       equations using KVL.</source>
        <translation>(3)   Stellen Sie Schleifenstrom-
       gleichungen mit der Maschenregel auf.</translation>
    </message>
    <message>
        <source>(4)   Solve them for the
       loop currents.</source>
        <translation>(4)   Lösen Sie sie nach den
       Schleifenströmen auf.</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopPageDialog</name>
    <message>
        <source>

           Write loop current
         equations using KVL.</source>
        <translation>

           Stellen Sie Schleifenstrom-
         gleichungen mit der Maschenregel auf.</translation>
    </message>
    <message>
        <source>

           Solve them for the
         loop currents.</source>
        <translation>

           Lösen Sie sie nach den
         Schleifenströmen auf.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopTraceDialog</name>
    <message>
        <source>

     Trace the loops of your own choice.</source>
        <translation>

     Verfolgen Sie Schleifen Ihrer Wahl.</translation>
    </message>
    <message>
        <source>Click the branches of a loop one after the other on the drawing, all the way round: the loop current runs the way you go. Each loop must be closed, pass each node only once, and take in something your loops before it do not. The loop currents are named I1, I2, ... in the order you trace the loops.</source>
        <translation>Klicken Sie die Zweige einer Schleife nacheinander in der Zeichnung an, einmal ganz herum: Der Schleifenstrom fließt in der Richtung, in der Sie gehen. Jede Schleife muss geschlossen sein, jeden Knoten nur einmal durchlaufen und etwas enthalten, das Ihre Schleifen davor nicht enthalten. Die Schleifenströme heißen I1, I2, ... in der Reihenfolge, in der Sie die Schleifen verfolgen.</translation>
    </message>
    <message>
        <source>Click a branch of your circuit to start the loop.</source>
        <translation>Klicken Sie einen Zweig Ihrer Schaltung an, um die Schleife zu beginnen.</translation>
    </message>
    <message>
        <source>Undo last branch</source>
        <translation>Letzten Zweig zurücknehmen</translation>
    </message>
    <message>
        <source>Start loop again</source>
        <translation>Schleife neu beginnen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopTutorDialog</name>
    <message>
        <source>Loop Current Tutor</source>
        <translation>Tutor Schleifenstromverfahren</translation>
    </message>
    <message>
        <source>Step %1 of 4 for Loop Current Analysis:</source>
        <translation>Schritt %1 von 4 des Schleifenstromverfahrens:</translation>
    </message>
</context>
<context>
    <name>kirvolt::MatrixFormDialog</name>
    <message>
        <source>Matrix Form - %1</source>
        <translation>Matrixform - %1</translation>
    </message>
    <message>
        <source>Copy as &amp;Text</source>
        <translation>Als &amp;Text kopieren</translation>
    </message>
    <message>
        <source>Copy as &amp;LaTeX</source>
        <translation>Als &amp;LaTeX kopieren</translation>
    </message>
    <message>
        <source>Matrix form</source>
        <translation>Matrixform</translation>
    </message>
    <message>
        <source>The system G x = b of the last analysis, its unknowns and their values</source>
        <translation>Das System G x = b der letzten Analyse, seine Unbekannten und ihre Werte</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshCountDialog</name>
    <message>
        <source>Mesh Current Tutor</source>
        <translation>Tutor Maschenstromverfahren</translation>
    </message>
    <message>
        <source>Step 1 of 4 for Mesh Current Analysis:</source>
        <translation>Schritt 1 von 4 des Maschenstromverfahrens:</translation>
    </message>
    <message>
        <source>
   Count the number of meshes
    in your circuit.</source>
        <translation>
   Zählen Sie die Maschen
    Ihrer Schaltung.</translation>
    </message>
    <message>
        <source>How many Meshes are there in your circuit ?</source>
        <translation>Wie viele Maschen hat Ihre Schaltung?</translation>
    </message>
    <message>
        <source>Note:
A mesh is a loop of the circuit with no other loop inside it, like a pane of a window.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation>Hinweis:
Eine Masche ist eine Schleife der Schaltung, in der keine andere Schleife liegt, wie eine Scheibe eines Fensters.

Leitungen gelten als ideal und nicht als Bauteile.</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshIntroductionDialog</name>
    <message>
        <source>There are four steps for the Mesh Current Analysis Method.</source>
        <translation>Das Maschenstromverfahren hat vier Schritte.</translation>
    </message>
    <message>
        <source>(1)  Count the number of
       meshes in your circuit.</source>
        <translation>(1)  Zählen Sie die Maschen
       Ihrer Schaltung.</translation>
    </message>
    <message>
        <source>(2)   Label the mesh currents.</source>
        <translation>(2)   Bezeichnen Sie die Maschenströme.</translation>
    </message>
    <message>
        <source>(3)   Deal with the current
       sources.</source>
        <translation>(3)   Behandeln Sie die
       Stromquellen.</translation>
    </message>
    <message>
        <source>(4)   Write mesh current
       equations using KVL.</source>
        <translation>(4)   Stellen Sie Maschenstrom-
       gleichungen mit der Maschenregel auf.</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshLabelDialog</name>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Click this button to draw the mesh currents.</source>
        <translation>Klicken Sie auf diese Schaltfläche, um die Maschenströme einzuzeichnen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>

          Label the mesh currents.</source>
        <translation>

          Bezeichnen Sie die Maschenströme.</translation>
    </message>
    <message>
        <source>The mesh current is designated by In where  &quot;n&quot;  is the mesh number, e.g. the current of mesh 1 is denoted by I1, and mesh 2 by I2, etc. The meshes are numbered in reading order, from the top left.</source>
        <translation>Der Maschenstrom wird mit In bezeichnet, wobei  &quot;n&quot;  die Nummer der Masche ist, z. B. wird der Strom der Masche 1 mit I1 bezeichnet, der der Masche 2 mit I2 usw. Die Maschen werden in Leserichtung nummeriert, von oben links.</translation>
    </message>
    <message>
        <source>Every mesh current runs clockwise round its mesh. When you analyse your circuit with pen and paper, you should follow the same practice here by drawing a clockwise arrow inside each mesh and marking it with its current.</source>
        <translation>Jeder Maschenstrom fließt im Uhrzeigersinn um seine Masche. Wenn Sie Ihre Schaltung mit Papier und Bleistift analysieren, sollten Sie es ebenso machen: Zeichnen Sie in jede Masche einen Pfeil im Uhrzeigersinn und beschriften Sie ihn mit ihrem Strom.</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshPageDialog</name>
    <message>
        <source>

     Deal with the current sources.</source>
        <translation>

     Behandeln Sie die Stromquellen.</translation>
    </message>
    <message>
        <source>

           Write mesh current
         equations using KVL.</source>
        <translation>

           Stellen Sie Maschenstrom-
         gleichungen mit der Maschenregel auf.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshSourceDialog</name>
    <message>
        <source>

     Deal with the current sources.</source>
        <translation>

     Behandeln Sie die Stromquellen.</translation>
    </message>
    <message>
        <source>A current source with the outside of the drawing on one side fixes the current of the mesh on its other side; a current source between two meshes joins them into a supermesh. Find them all by clicking inside the meshes of your circuit: a mesh whose current is fixed, or the two meshes of a pair one after the other.</source>
        <translation>Eine Stromquelle, die auf einer Seite an das Äußere der Zeichnung grenzt, legt den Strom der Masche auf ihrer anderen Seite fest; eine Stromquelle zwischen zwei Maschen verbindet sie zu einer Supermasche. Finden Sie alle, indem Sie in die Maschen Ihrer Schaltung klicken: eine Masche, deren Strom festgelegt ist, oder die beiden Maschen eines Paares nacheinander.</translation>
    </message>
    <message>
        <source>You are looking for:</source>
        <translation>Sie suchen:</translation>
    </message>
    <message>
        <source>A mesh whose current a source fixes</source>
        <translation>Eine Masche, deren Strom eine Quelle festlegt</translation>
    </message>
    <message>
        <source>Two meshes joined by a current source</source>
        <translation>Zwei durch eine Stromquelle verbundene Maschen</translation>
    </message>
    <message>
        <source>Click inside a mesh of your circuit.</source>
        <translation>Klicken Sie in eine Masche Ihrer Schaltung.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshTutorDialog</name>
    <message>
        <source>Mesh Current Tutor</source>
        <translation>Tutor Maschenstromverfahren</translation>
    </message>
    <message>
        <source>Step %1 of 4 for Mesh Current Analysis:</source>
        <translation>Schritt %1 von 4 des Maschenstromverfahrens:</translation>
    </message>
</context>
<context>
    <name>kirvolt::ModifiedNodalNotesDialog</name>
    <message>
        <source>Modified Nodal Analysis</source>
        <translation>Modifizierte Knotenanalyse</translation>
    </message>
    <message>
        <source>
Background notes</source>
        <translation>
Hintergrund</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>kirvolt::ModifiedNodalPageDialog</name>
    <message>
        <source>

          Name the unknowns.</source>
        <translation>

          Benennen Sie die Unbekannten.</translation>
    </message>
    <message>
        <source>

          Add each element to G and b.</source>
        <translation>

          Fügen Sie jedes Element zu G und b hinzu.</translation>
    </message>
    <message>
        <source>

          Solve the system.</source>
        <translation>

          Lösen Sie das System.</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor</source>
        <translation>Tutor Modifizierte Knotenanalyse</translation>
    </message>
    <message>
        <source>Step %1 of 3 for Modified Nodal Analysis:</source>
        <translation>Schritt %1 von 3 der modifizierten Knotenanalyse:</translation>
    </message>
    <message>
        <source>G · x = b:</source>
        <translation>G · x = b:</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kirvolt::NewExerciseDialog</name>
    <message>
        <source>New Exercise</source>
        <translation>Neue Übung</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>&amp;Schwierigkeit:</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>S&amp;tartwert:</translation>
    </message>
    <message>
        <source>The same seed and difficulty always give the same exercise.</source>
        <translation>Derselbe Startwert und dieselbe Schwierigkeit ergeben immer dieselbe Übung.</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeCountDialog</name>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation>Tutor Knotenpotentialverfahren</translation>
    </message>
    <message>
        <source>Step 1 of 4 for Nodal Analysis:</source>
        <translation>Schritt 1 von 4 des Knotenpotentialverfahrens:</translation>
    </message>
    <message>
        <source>
   Count the number of nodes
    in your circuit.</source>
        <translation>
   Zählen Sie die Knoten
    Ihrer Schaltung.</translation>
    </message>
    <message>
        <source>How many Nodes are there in your circuit ?</source>
        <translation>Wie viele Knoten hat Ihre Schaltung?</translation>
    </message>
    <message>
        <source>Note:
Node refers to the common connection point where two or more components are joined together.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation>Hinweis:
Ein Knoten ist der gemeinsame Verbindungspunkt, an dem zwei oder mehr Bauteile zusammengeschlossen sind.

Leitungen gelten als ideal und nicht als Bauteile.</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeEquationsDialog</name>
    <message>
        <source>Nodal Analysis : Node Equations</source>
        <translation>Knotenpotentialverfahren : Knotengleichungen</translation>
    </message>
    <message>
        <source>Mesh Current Method : Mesh Equations</source>
        <translation>Maschenstromverfahren : Maschengleichungen</translation>
    </message>
    <message>
        <source>Loop Current Method : Loop Equations</source>
        <translation>Schleifenstromverfahren : Schleifengleichungen</translation>
    </message>
    <message>
        <source>Equation for Node</source>
        <translation>Gleichung für Knoten</translation>
    </message>
    <message>
        <source>Equation for Mesh</source>
        <translation>Gleichung für Masche</translation>
    </message>
    <message>
        <source>Equation for Loop</source>
        <translation>Gleichung für Schleife</translation>
    </message>
    <message>
        <source>:-</source>
        <translation>:-</translation>
    </message>
    <message>
        <source>( Selected Datumn Node  =  Node</source>
        <translation>( Gewählter Bezugsknoten  =  Knoten</translation>
    </message>
    <message>
        <source>, voltage at this node is taken as zero. )</source>
        <translation>, die Spannung dieses Knotens wird null gesetzt. )</translation>
    </message>
    <message>
        <source>( the mesh current runs clockwise round the mesh )</source>
        <translation>( der Maschenstrom fließt im Uhrzeigersinn um die Masche )</translation>
    </message>
    <message>
        <source>( the loop current runs through %1 in its own direction )</source>
        <translation>( der Schleifenstrom fließt durch %1 in dessen eigener Richtung )</translation>
    </message>
    <message>
        <source>=&gt;</source>
        <translation>=&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeInfoDialog</name>
    <message>
        <source>Component Property</source>
        <translation>Bauteileigenschaften</translation>
    </message>
    <message>
        <source>Node Name:</source>
        <translation>Knotenname:</translation>
    </message>
    <message>
        <source>Node Voltage:</source>
        <translation>Knotenspannung:</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeLabelDialog</name>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Click this button to assign the node numbers.</source>
        <translation>Klicken Sie auf diese Schaltfläche, um die Knotennummern zu vergeben.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Step 2 of 4 for Nodal Analysis:</source>
        <translation>Schritt 2 von 4 des Knotenpotentialverfahrens:</translation>
    </message>
    <message>
        <source>

          Label all the nodes.</source>
        <translation>

          Nummerieren Sie alle Knoten.</translation>
    </message>
    <message>
        <source>The node voltage is designated by Vn where  &quot;n&quot;  is the node number, e.g. the node voltage for node 1 is denoted by V1, and node 2 by V2, etc.</source>
        <translation>Die Knotenspannung wird mit Vn bezeichnet, wobei  &quot;n&quot;  die Knotennummer ist, z. B. wird die Knotenspannung des Knotens 1 mit V1 bezeichnet, die des Knotens 2 mit V2 usw.</translation>
    </message>
    <message>
        <source>When you analyse your circuit with pen and paper, you should follow the same practice here by marking each independent nodes in your circuit with a unique node number.</source>
        <translation>Wenn Sie Ihre Schaltung mit Papier und Bleistift analysieren, sollten Sie es ebenso machen und jeden unabhängigen Knoten Ihrer Schaltung mit einer eigenen Knotennummer kennzeichnen.</translation>
    </message>
</context>
<context>
    <name>kirvolt::OpenCircuit</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>kirvolt::PrintScaleDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Printing Scale:</source>
        <translation>Druckmaßstab:</translation>
    </message>
</context>
<context>
    <name>kirvolt::RecoveryStore</name>
    <message>
        <source>Unsaved circuit</source>
        <translation>Ungespeicherte Schaltung</translation>
    </message>
</context>
<context>
    <name>kirvolt::TheveninQuestionDialog</name>
    <message>
        <source>Between two &amp;nodes:</source>
        <translation>Zwischen zwei &amp;Knoten:</translation>
    </message>
    <message>
        <source>As seen by a &amp;resistor, taken out:</source>
        <translation>Von einem herausgenommenen &amp;Widerstand aus gesehen:</translation>
    </message>
    <message>
        <source>Thévenin Equivalent</source>
        <translation>Thévenin-Ersatzschaltung</translation>
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
        <translation>Die Ersatzschaltung gibt die Spannung von A gegenüber B an.</translation>
    </message>
</context>
<context>
    <name>kirvolt::TutorDialog</name>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation>Tutor Knotenpotentialverfahren</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  Schritte</translation>
    </message>
</context>
<context>
    <name>kirvolt::TutorIntroductionDialog</name>
    <message>
        <source>Background Notes</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>There are four steps for the Nodal Voltage Analysis Method.</source>
        <translation>Das Knotenpotentialverfahren hat vier Schritte.</translation>
    </message>
    <message>
        <source>(1)  Count the number of
       nodes in your circuit.</source>
        <translation>(1)  Zählen Sie die Knoten
       Ihrer Schaltung.</translation>
    </message>
    <message>
        <source>(2)   Label all the nodes.</source>
        <translation>(2)   Nummerieren Sie alle Knoten.</translation>
    </message>
    <message>
        <source>(3)   Select a Datum Node.</source>
        <translation>(3)   Wählen Sie einen Bezugsknoten.</translation>
    </message>
    <message>
        <source>(4)   Write node voltage
       equations using KCL.</source>
        <translation>(4)   Stellen Sie Knotenspannungs-
       gleichungen mit der Knotenregel auf.</translation>
    </message>
</context>
</TS>
