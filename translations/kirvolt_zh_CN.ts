<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Exerc&amp;ise...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a circuit to solve, at the difficulty and from the seed chosen
New Exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export SPICE Netlist...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the active circuit as a SPICE netlist
Export SPICE Netlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save a picture of the circuit as PNG, SVG or PDF
Export Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Worked Solution...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the analysed circuit&apos;s worked solution as HTML or PDF
Export Worked Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selection
Delete Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the entire circuit
Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy P&amp;icture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put a picture of the circuit on the Clipboard
Copy Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;otate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Component
Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;irror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror Component
Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move a Component
Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a Component
Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the Component Information
Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the Value of a Component
Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign Node Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign new Node Number to the nodes of the circuit
Assign Node Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide/Show node numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide/Show thr Node Numbers of the circuit
Hide/Show node numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Datum Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set a node in the circuit as Datum Node
Set Datum Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Command Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or Hide the Command Toolbar
Toggle Command Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide the Grid Display
Hide Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dot Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the Display of the Dot Grid
Dot Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;quare Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the Display of Orhtogonal Grid
Square Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>75%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>150%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>250%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>300%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>350%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>400%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>450%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In
zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out
zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In or Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In or Out
scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;European Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display all Resistors in European Style
EU Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;US Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dsiplay all Resistors in US Style
US Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Re-Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-Draw
Re-Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using Nodal Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Matrix Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the analysed circuit&apos;s modified nodal system G x = b, to read or to copy
Matrix Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Formulas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show every node voltage as a formula in the elements&apos; names, with its value
Formulas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show voltage-current equation and calculation steps.
Show equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Component Mode
Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a Resistor to the circuit
Resistor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voltage Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a Voltage Source to the circuit
Voltage Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Current Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a Current Source to the circuit
Current Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ammeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Ammeter
Ammeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V&amp;oltmeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Voltmeter
Voltmeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place a Wire to Connect Components
Wire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turning Wire, &amp;Across First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Wire with Right-Angle Turn
Turning Wire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turning Wire, Up or D&amp;own First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Wire with Right-Angled Turn
Turning Wire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Joint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made a joint between two or more Components
Joint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Eastwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Component Direction to the East
East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Northwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Component Direction to the North
North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Westwar&amp;ds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Component Direction to the West
West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So&amp;uthwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Component Direction to the South
South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Node Voltage Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mesh Current Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop Current Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute Voltages &amp; Currents
Compute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrical &amp;Rule Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrical Rule Check
ERC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thévenin Equivalent...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the Thévenin and Norton equivalents between two nodes or as seen by a resistor
Thévenin Equivalent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Superposition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solve the circuit once for each source with the others set to zero, and add the parts
Superposition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will guide you through the steps in the Nodal Analysis Process
Nodal Analysis Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check My Node Equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a node, type its KCL equation and let Kirvolt check it
Check My Node Equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check My Mesh Equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click inside a mesh, type its KVL equation and let Kirvolt check it
Check My Mesh Equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Print Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the scale factor for printing hardcopy.
Set Print Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Kirvolt...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Component
Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut Component
Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Component
Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Component
Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor
Modified Nodal Analysis Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop Current Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop Current Tutor
Loop Current Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mesh Current Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mesh Current Tutor
Mesh Current Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord Current Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord Current 
Chord Current Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Component
Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Create your circuit first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Kirvolt Files (*.kvt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPICE Netlists (*.cir *.net *.sp *.spice)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuits and Netlists (*.kvt *.cir *.net *.sp *.spice)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export SPICE Netlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPICE Netlists (*.cir)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG Drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Worked Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Page (*.html)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormulasWindow</name>
    <message>
        <source>Formulas</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Kirvolt</name>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kirvolt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Kirvolt speaks the language chosen from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list but the last two, as in &quot;R1, R2 and R3&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list, as in &quot;R1, R2 and R3&quot; (%1 is &quot;R1, R2&quot;, %2 &quot;R3&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModeHints</name>
    <message>
        <source>Select: click to select (Shift adds), drag a box to select several, drag the selection to move it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistor: click where the resistor goes; the right button turns it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage source: click where the source goes; the right button turns it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current source: click where the source goes; the right button turns it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltmeter: click where the voltmeter goes; the right button turns it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ammeter: click where the ammeter goes; the right button turns it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wire: press on a terminal or a joint, drag to where the wire ends and let go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint: click a wire where a component&apos;s terminal touches it, to connect the two.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info: click a component or a joint to see its values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete: click a component or a wire to remove it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move: click a component to pick it up, then click where it goes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value: click a component to change its name and value, or a joint to rename its node. Alt+Up or Alt+Down (or Alt and the wheel) steps the value under the pointer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Datum Node: click any wire or joint of the node that is to be the datum (0 V).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop equations: click a chord, a branch outside the thick tree, to see its loop&apos;s equation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mesh equations: click inside a mesh to see its equation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Node equations: click a joint to see the equation of its node.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check My Node Equation: click a joint of the node whose equation you have written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check My Mesh Equation: click inside the mesh whose equation you have written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModifiedNodalNotesDialog</name>
    <message>
        <source>Nodal Analysis employs branch voltages as its independent variables: every branch voltage is written as the difference of the voltages of the two nodes at its ends, and Kirchhoff&apos;s Current Law is applied at every node except the datum node. This works well for resistors and current sources, but the current through an ideal voltage source cannot be written from its voltage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified Nodal Analysis is derived from Nodal Analysis by taking the current through each voltage source as one more unknown, and by adding for each voltage source one more equation: the voltage of its positive node minus the voltage of its negative node equals the value of the source.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Together with the branch voltage variables, these source currents make up one set of linear equations with exactly as many equations as unknowns. Solving it gives every node voltage and every source current in one step, whatever mixture of resistors and sources the circuit holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This tutor will take you through writing the extra equations for the voltage sources and solving the enlarged set of equations.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TheoremWindows</name>
    <message>
        <source>Thévenin Equivalent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thévenin equivalent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norton equivalent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Superposition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::BackgroundNotesDialog</name>
    <message>
        <source>Nodal Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Background notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::CAboutDlg</name>
    <message>
        <source>About Kirvolt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kirvolt Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::CKirvoltApp</name>
    <message>
        <source>Circuit file to open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kirvolt ended without closing %1, which had unsaved changes.
Reopen it with those changes? If you do not, they are discarded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise %1 (%2): find the voltage of every node and the current in every component.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::CMainFrame</name>
    <message>
        <source>Get Document Pointer failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to these circuits?

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kirvolt &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read how to draw, analyse and read a circuit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exa&amp;mples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Analyse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U&amp;sing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In/Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Component &amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &amp;Value...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Node &amp;Name...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set as &amp;Datum Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyse as I Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyse the circuit after every change, with the method last chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltages on the Drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tint every wire and joint by its node voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currents on the Drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show each element&apos;s current as an arrow the way it flows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::CPropertyView</name>
    <message>
        <source>The circuit has changed since these results. Run the analysis again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordEquationDialog</name>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordIntroductionDialog</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are four steps for the Chord Current Analysis Method.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1)  Pick a tree of your
       circuit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(2)   Name the chords and
       their loop currents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(3)   See the loop each
       chord closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(4)   Write loop current
       equations using KVL.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordTreeDialog</name>
    <message>
        <source>A tree joins all the nodes of your circuit without closing a loop. Click the resistors and voltage sources of your circuit to put them in the tree; click one again to take it out. Every branch left out of the tree is a chord.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a branch of your circuit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordTutorDialog</name>
    <message>
        <source>Chord Current Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

          Pick a tree.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

     Name the chords.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

     See each fundamental loop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

           Write loop current
         equations using KVL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of 4 for Chord Current Analysis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::ComponentInfoDialog</name>
    <message>
        <source>Component Property</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Node:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish Node:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Node Voltage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish Node Voltage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current:
(Start-&gt;Finish)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p.d.(Start-
Finish):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::CountStepDialog</name>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::DatumNodeDialog</name>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chosen node, Node </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A total of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>equations needed,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The voltage at other nodes are measured with respect to this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one for each of the nodes below:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a node on the left to be the Datum Node:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 3 of 4 for Nodal Analysis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

         Select a Datum Node.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To simplify your calculation, you should select a node with the largest number of components connected to it as the Datum Node.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::EditComponentDialog</name>
    <message>
        <source>Edit Component </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::EditNodeNameDialog</name>
    <message>
        <source>Edit Node Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Node Name:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::EquationCheckWindow</name>
    <message>
        <source>for example (V2 - V1)/R1 + V2/R2 = J1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::ErcPanel</name>
    <message>
        <source>Electrical Rule Check</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::ExportPictureDialog</name>
    <message>
        <source>Show the &amp;grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;node numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the &amp;equations panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ×</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG &amp;scale:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::HelpWindow</name>
    <message>
        <source>Kirvolt Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::KclExampleDialog</name>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 4 of 4 for Nodal Analysis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

           Write node voltage
         equations using KCL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following shows how you write your equation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Node &apos;a&apos; shown above:
Sum of Current flowing out from resistors R1 and R2 = Current  flowing in from the source J1,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        (Va-Vb)         (Va-Vc)   
=&gt;    -----------   +    -----------   =  J1
             R1                 R2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nodal equations in your circuit may be prepared in a similar fashion.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check your nodal equations with that written by Kirvolt. How many equations you got it right?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::KeyIndicators</name>
    <message>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopCountDialog</name>
    <message>
        <source>Loop Current Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 1 of 4 for Loop Current Analysis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
   Count the number of independent
    loops in your circuit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many independent Loops are there in your circuit ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:
Loops are independent when none of them is made of the others: each new loop must take in something the loops before it do not.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopIntroductionDialog</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are four steps for the Loop Current Analysis Method.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1)  Count the number of
       independent loops in your circuit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(2)   Trace the loops of your
       own choice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(3)   Write loop current
       equations using KVL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(4)   Solve them for the
       loop currents.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopPageDialog</name>
    <message>
        <source>

           Write loop current
         equations using KVL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

           Solve them for the
         loop currents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopTraceDialog</name>
    <message>
        <source>

     Trace the loops of your own choice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the branches of a loop one after the other on the drawing, all the way round: the loop current runs the way you go. Each loop must be closed, pass each node only once, and take in something your loops before it do not. The loop currents are named I1, I2, ... in the order you trace the loops.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a branch of your circuit to start the loop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo last branch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start loop again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopTutorDialog</name>
    <message>
        <source>Loop Current Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of 4 for Loop Current Analysis:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::MatrixFormDialog</name>
    <message>
        <source>Matrix Form - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as &amp;Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as &amp;LaTeX</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshCountDialog</name>
    <message>
        <source>Mesh Current Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 1 of 4 for Mesh Current Analysis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
   Count the number of meshes
    in your circuit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many Meshes are there in your circuit ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:
A mesh is a loop of the circuit with no other loop inside it, like a pane of a window.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshIntroductionDialog</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are four steps for the Mesh Current Analysis Method.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1)  Count the number of
       meshes in your circuit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(2)   Label the mesh currents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(3)   Deal with the current
       sources.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(4)   Write mesh current
       equations using KVL.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshLabelDialog</name>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to draw the mesh currents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

          Label the mesh currents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mesh current is designated by In where  &quot;n&quot;  is the mesh number, e.g. the current of mesh 1 is denoted by I1, and mesh 2 by I2, etc. The meshes are numbered in reading order, from the top left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every mesh current runs clockwise round its mesh. When you analyse your circuit with pen and paper, you should follow the same practice here by drawing a clockwise arrow inside each mesh and marking it with its current.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshPageDialog</name>
    <message>
        <source>

     Deal with the current sources.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

           Write mesh current
         equations using KVL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshSourceDialog</name>
    <message>
        <source>

     Deal with the current sources.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A current source with the outside of the drawing on one side fixes the current of the mesh on its other side; a current source between two meshes joins them into a supermesh. Find them all by clicking inside the meshes of your circuit: a mesh whose current is fixed, or the two meshes of a pair one after the other.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are looking for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mesh whose current a source fixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two meshes joined by a current source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click inside a mesh of your circuit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshTutorDialog</name>
    <message>
        <source>Mesh Current Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of 4 for Mesh Current Analysis:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::ModifiedNodalNotesDialog</name>
    <message>
        <source>Modified Nodal Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Background notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::ModifiedNodalPageDialog</name>
    <message>
        <source>

          Name the unknowns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

          Add each element to G and b.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

          Solve the system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of 3 for Modified Nodal Analysis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G · x = b:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::NewExerciseDialog</name>
    <message>
        <source>New Exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same seed and difficulty always give the same exercise.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeCountDialog</name>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 1 of 4 for Nodal Analysis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
   Count the number of nodes
    in your circuit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many Nodes are there in your circuit ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:
Node refers to the common connection point where two or more components are joined together.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeEquationsDialog</name>
    <message>
        <source>Nodal Analysis : Node Equations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mesh Current Method : Mesh Equations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop Current Method : Loop Equations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation for Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation for Mesh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation for Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>( Selected Datumn Node  =  Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, voltage at this node is taken as zero. )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>( the mesh current runs clockwise round the mesh )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>( the loop current runs through %1 in its own direction )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeInfoDialog</name>
    <message>
        <source>Component Property</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Node Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Node Voltage:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeLabelDialog</name>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to assign the node numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 2 of 4 for Nodal Analysis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

          Label all the nodes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The node voltage is designated by Vn where  &quot;n&quot;  is the node number, e.g. the node voltage for node 1 is denoted by V1, and node 2 by V2, etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When you analyse your circuit with pen and paper, you should follow the same practice here by marking each independent nodes in your circuit with a unique node number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::OpenCircuit</name>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::PrintScaleDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing Scale:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::RecoveryStore</name>
    <message>
        <source>Unsaved circuit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::TheveninQuestionDialog</name>
    <message>
        <source>Between two &amp;nodes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As seen by a &amp;resistor, taken out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thévenin Equivalent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The equivalent gives the voltage of A with respect to B.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::TutorDialog</name>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kirvolt::TutorIntroductionDialog</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are four steps for the Nodal Voltage Analysis Method.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1)  Count the number of
       nodes in your circuit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(2)   Label all the nodes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(3)   Select a Datum Node.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(4)   Write node voltage
       equations using KCL.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
