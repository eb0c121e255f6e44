<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
    <name>kirvolt</name>
    <message>
        <source>Formulas</source>
        <translation>Formeln</translation>
    </message>
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
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>There are four steps for the Chord Current Analysis Method.</source>
        <translation>Die Analyse mit Verbindungszweigströmen hat vier Schritte.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  Schritte</translation>
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
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>There are four steps for the Loop Current Analysis Method.</source>
        <translation>Das Schleifenstromverfahren hat vier Schritte.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  Schritte</translation>
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
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>There are four steps for the Mesh Current Analysis Method.</source>
        <translation>Das Maschenstromverfahren hat vier Schritte.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  Schritte</translation>
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
</context>
<context>
    <name>kirvolt::TutorIntroductionDialog</name>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Background Notes</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>There are four steps for the Nodal Voltage Analysis Method.</source>
        <translation>Das Knotenpotentialverfahren hat vier Schritte.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  Schritte</translation>
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
