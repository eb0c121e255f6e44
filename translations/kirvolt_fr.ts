<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Analysis</name>
    <message>
        <source>Create your circuit first.</source>
        <translation>Créez d&apos;abord votre circuit.</translation>
    </message>
</context>
<context>
    <name>BackgroundNotes</name>
    <message>
        <source>For a network with  &apos;n&apos;  nodes and  &apos;b&apos;  branches excited by active elements, the unknown quantities of interest are the branch voltages and the branch currents of all its elements, which make up  &apos;2b&apos;  unknowns. For every element the branch voltage and current are tied together by the law of that element, like Ohm&apos;s Law, so once one is known the other follows. Hence we need to solve for only &apos;b&apos;  unknowns, one for each branch, to get the current and voltage information about the circuit.
</source>
        <translation>Pour un réseau de  &apos;n&apos;  nœuds et  &apos;b&apos;  branches excité par des éléments actifs, les grandeurs inconnues qui nous intéressent sont les tensions de branche et les courants de branche de tous ses éléments, soit  &apos;2b&apos;  inconnues. Pour chaque élément, la tension et le courant de branche sont liés par la loi de cet élément, comme la loi d&apos;Ohm : dès que l&apos;un est connu, l&apos;autre s&apos;en déduit. Il suffit donc de résoudre  &apos;b&apos;  inconnues, une par branche, pour connaître les courants et les tensions du circuit.
</translation>
    </message>
    <message>
        <source> These unknowns may either be branch voltage or branch current of the elements. In the Nodal Analysis method we go one step further and use the node voltages as the unknowns. First we select one of the nodes as the common reference node and call it the Datum Node. Its voltage is taken to be zero, and the voltage of every other node is measured with respect to it. The voltage of node 1 is written V1, the voltage of node 2 is written V2, and so on. Each branch of the circuit is connected between two nodes, so the branch voltage of any element is simply the difference of the two node voltages at its ends, e.g. any element connected between node 1 and node 2 has the branch voltage  V1 - V2.  Once the node voltages are known, all the branch voltages follow, and from them all the branch currents by the element laws. In this way the number of unknowns drops from  &apos;b&apos;  to  &apos;n-1&apos;, which is usually a far smaller number. Kirchhoff&apos;s Voltage Law (KVL) is satisfied automatically by the node voltages, because around any closed loop the differences of node voltages always add up to zero. What is still left to be satisfied is Kirchhoff&apos;s Current Law (KCL), which says that the currents leaving a node must add up to the currents entering it. We write one KCL equation for each node except the Datum Node; the equation of the Datum Node is not needed, as it can always be obtained by adding up all of the other equations. This gives exactly  &apos;n-1&apos;  independent equations for the  &apos;n-1&apos; unknown node voltages.</source>
        <translation> Ces inconnues peuvent être soit la tension de branche, soit le courant de branche des éléments. Dans la méthode des nœuds, on va plus loin et l&apos;on prend les tensions de nœud comme inconnues. On choisit d&apos;abord l&apos;un des nœuds comme nœud de référence commun, appelé nœud de référence. Sa tension est prise égale à zéro, et la tension de chaque autre nœud est mesurée par rapport à lui. La tension du nœud 1 s&apos;écrit V1, celle du nœud 2 s&apos;écrit V2, et ainsi de suite. Chaque branche du circuit est reliée entre deux nœuds, donc la tension de branche de tout élément est simplement la différence des tensions des deux nœuds à ses extrémités : par exemple, tout élément relié entre le nœud 1 et le nœud 2 a pour tension de branche  V1 - V2.  Une fois les tensions de nœud connues, toutes les tensions de branche s&apos;en déduisent, et de celles-ci tous les courants de branche par les lois des éléments. Le nombre d&apos;inconnues passe ainsi de  &apos;b&apos;  à  &apos;n-1&apos;, ce qui est en général bien plus petit. La loi des mailles de Kirchhoff est satisfaite automatiquement par les tensions de nœud, car autour de toute boucle fermée les différences de tensions de nœud ont toujours une somme nulle. Il reste à satisfaire la loi des nœuds de Kirchhoff, selon laquelle la somme des courants qui sortent d&apos;un nœud est égale à la somme des courants qui y entrent. On écrit une équation de la loi des nœuds pour chaque nœud sauf le nœud de référence ; l&apos;équation du nœud de référence n&apos;est pas nécessaire, car on peut toujours l&apos;obtenir en additionnant toutes les autres équations. On obtient ainsi exactement  &apos;n-1&apos;  équations indépendantes pour les  &apos;n-1&apos; tensions de nœud inconnues.</translation>
    </message>
    <message>
        <source>  When we write KCL equation for a node, we equate the sum of currents leaving the node via resistors connected to this node to the sum of currents entering the node from Current Sources connected to it. The current leaving node &apos;a&apos; through a resistor R connected to node &apos;b&apos; is  (Va-Vb)/R, where Va and Vb are the node voltages at the two ends of the resistor. If the current actually enters the node, the value of  (Va-Vb)/R  simply comes out negative. A resistor connected between node &apos;a&apos; and the Datum Node carries the current  Va/R  out of node &apos;a&apos;, since the Datum Node is at zero volts. A Current Source pointing into the node is written with a plus sign on the right hand side of the equation, and one pointing away from the node with a minus sign. Ideal Voltage Sources need special care, because the current through them cannot be found from their voltage. Nodes joined together by Voltage Sources are taken as one macro node, and a single KCL equation is written for the whole macro node, while each Voltage Source gives one more equation relating the voltages of the two nodes at its ends. When all  &apos;n-1&apos;  equations are written down, they form a set of simultaneous linear equations in the node voltages, which can be solved by substitution, by elimination, or with the help of matrices and Cramer&apos;s Rule. After you have found the node voltages, always check your answer. Put the node voltages into the equation of each node and work out the current leaving the node through every resistor connected to it, then add up all these currents. The resulting value should be equal to the algebraic sum of Current Sources entering the concerned node.</source>
        <translation>  Pour écrire l&apos;équation de la loi des nœuds d&apos;un nœud, on égale la somme des courants qui sortent du nœud par les résistances qui lui sont reliées à la somme des courants qui entrent dans le nœud depuis les sources de courant qui lui sont reliées. Le courant qui sort du nœud &apos;a&apos; par une résistance R reliée au nœud &apos;b&apos; vaut  (Va-Vb)/R, où Va et Vb sont les tensions de nœud aux deux extrémités de la résistance. Si le courant entre en réalité dans le nœud, la valeur de  (Va-Vb)/R  est simplement négative. Une résistance reliée entre le nœud &apos;a&apos; et le nœud de référence fait sortir le courant  Va/R  du nœud &apos;a&apos;, puisque le nœud de référence est à zéro volt. Une source de courant orientée vers le nœud s&apos;écrit avec un signe plus dans le membre de droite de l&apos;équation, et une source orientée à l&apos;opposé du nœud avec un signe moins. Les sources de tension idéales demandent une attention particulière, car le courant qui les traverse ne peut pas se déduire de leur tension. Les nœuds reliés par des sources de tension sont regroupés en un seul macro-nœud, et une seule équation de la loi des nœuds est écrite pour tout le macro-nœud, tandis que chaque source de tension donne une équation de plus reliant les tensions des deux nœuds à ses extrémités. Une fois les  &apos;n-1&apos;  équations écrites, elles forment un système d&apos;équations linéaires en les tensions de nœud, que l&apos;on peut résoudre par substitution, par élimination ou à l&apos;aide des matrices et de la règle de Cramer. Après avoir trouvé les tensions de nœud, vérifiez toujours votre réponse. Reportez les tensions de nœud dans l&apos;équation de chaque nœud et calculez le courant qui sort du nœud par chaque résistance qui lui est reliée, puis additionnez tous ces courants. La valeur obtenue doit être égale à la somme algébrique des sources de courant qui entrent dans le nœud concerné.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Créer un nouveau document
Nouveau</translation>
    </message>
    <message>
        <source>New Exerc&amp;ise...</source>
        <translation>Nouvel exerc&amp;ice...</translation>
    </message>
    <message>
        <source>Make a circuit to solve, at the difficulty and from the seed chosen
New Exercise</source>
        <translation>Créer un circuit à résoudre, avec la difficulté et la graine choisies
Nouvel exercice</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ouvrir un document existant
Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Fermer le document actif
Fermer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Enregistrer le document actif
Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Enregistrer le document actif sous un nouveau nom
Enregistrer sous</translation>
    </message>
    <message>
        <source>&amp;Export SPICE Netlist...</source>
        <translation>Exporter la ne&amp;tlist SPICE...</translation>
    </message>
    <message>
        <source>Write the active circuit as a SPICE netlist
Export SPICE Netlist</source>
        <translation>Écrire le circuit actif sous forme de netlist SPICE
Exporter la netlist SPICE</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimer le document actif
Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Afficher les pages entières
Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l&apos;impression...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Changer l&apos;imprimante et les options d&apos;impression
Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>Exporter l&apos;ima&amp;ge...</translation>
    </message>
    <message>
        <source>Save a picture of the circuit as PNG, SVG or PDF
Export Picture</source>
        <translation>Enregistrer une image du circuit en PNG, SVG ou PDF
Exporter l&apos;image</translation>
    </message>
    <message>
        <source>Export &amp;Worked Solution...</source>
        <translation>Exporter la solution &amp;détaillée...</translation>
    </message>
    <message>
        <source>Save the analysed circuit&apos;s worked solution as HTML or PDF
Export Worked Solution</source>
        <translation>Enregistrer la solution détaillée du circuit analysé en HTML ou PDF
Exporter la solution détaillée</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitter l&apos;application ; propose d&apos;enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Annuler la dernière action
Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Rétablir l&apos;action annulée précédemment
Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Couper la sélection et la placer dans le Presse-papiers
Couper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copier la sélection et la placer dans le Presse-papiers
Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Insérer le contenu du Presse-papiers
Coller</translation>
    </message>
    <message>
        <source>De&amp;lete Selection</source>
        <translation>Supprimer la &amp;sélection</translation>
    </message>
    <message>
        <source>Delete the selection
Delete Selection</source>
        <translation>Supprimer la sélection
Supprimer la sélection</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select the entire circuit
Select All</source>
        <translation>Sélectionner tout le circuit
Tout sélectionner</translation>
    </message>
    <message>
        <source>Copy P&amp;icture</source>
        <translation>Copier l&apos;ima&amp;ge</translation>
    </message>
    <message>
        <source>Put a picture of the circuit on the Clipboard
Copy Picture</source>
        <translation>Placer une image du circuit dans le Presse-papiers
Copier l&apos;image</translation>
    </message>
    <message>
        <source>R&amp;otate</source>
        <translation>P&amp;ivoter</translation>
    </message>
    <message>
        <source>Rotate Component
Rotate</source>
        <translation>Faire pivoter le composant
Pivoter</translation>
    </message>
    <message>
        <source>M&amp;irror</source>
        <translation>&amp;Miroir</translation>
    </message>
    <message>
        <source>Mirror Component
Mirror</source>
        <translation>Retourner le composant en miroir
Miroir</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Déplacer</translation>
    </message>
    <message>
        <source>Move a Component
Move</source>
        <translation>Déplacer un composant
Déplacer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Su&amp;pprimer</translation>
    </message>
    <message>
        <source>Delete a Component
Delete</source>
        <translation>Supprimer un composant
Supprimer</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Show the Component Information
Info</source>
        <translation>Afficher les informations du composant
Infos</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Edit the Value of a Component
Value</source>
        <translation>Modifier la valeur d&apos;un composant
Valeur</translation>
    </message>
    <message>
        <source>Assign Node Numbers</source>
        <translation>Attribuer les numéros de nœuds</translation>
    </message>
    <message>
        <source>Assign new Node Number to the nodes of the circuit
Assign Node Numbers</source>
        <translation>Attribuer de nouveaux numéros aux nœuds du circuit
Attribuer les numéros de nœuds</translation>
    </message>
    <message>
        <source>Hide/Show node numbers</source>
        <translation>Masquer/afficher les numéros de nœuds</translation>
    </message>
    <message>
        <source>Hide/Show thr Node Numbers of the circuit
Hide/Show node numbers</source>
        <translation>Masquer/afficher les numéros de nœuds du circuit
Masquer/afficher les numéros de nœuds</translation>
    </message>
    <message>
        <source>Set Datum Node</source>
        <translation>Définir le nœud de référence</translation>
    </message>
    <message>
        <source>Set a node in the circuit as Datum Node
Set Datum Node</source>
        <translation>Définir un nœud du circuit comme nœud de référence
Définir le nœud de référence</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Afficher ou masquer la barre d&apos;outils
Afficher/masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Command Toolbar</source>
        <translation>Barre de comma&amp;ndes</translation>
    </message>
    <message>
        <source>Show or Hide the Command Toolbar
Toggle Command Toolbar</source>
        <translation>Afficher ou masquer la barre de commandes
Afficher/masquer la barre de commandes</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d&apos;état
Afficher/masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;No Grid</source>
        <translation>&amp;Pas de grille</translation>
    </message>
    <message>
        <source>Hide the Grid Display
Hide Grid</source>
        <translation>Masquer la grille
Masquer la grille</translation>
    </message>
    <message>
        <source>&amp;Dot Grid</source>
        <translation>Grille de p&amp;oints</translation>
    </message>
    <message>
        <source>Show the Display of the Dot Grid
Dot Grid</source>
        <translation>Afficher la grille de points
Grille de points</translation>
    </message>
    <message>
        <source>S&amp;quare Grid</source>
        <translation>Grille &amp;quadrillée</translation>
    </message>
    <message>
        <source>Show the Display of Orhtogonal Grid
Square Grid</source>
        <translation>Afficher la grille orthogonale
Grille quadrillée</translation>
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
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom In
zoom in</source>
        <translation>Zoom avant
zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom Out
zoom out</source>
        <translation>Zoom arrière
zoom arrière</translation>
    </message>
    <message>
        <source>Zoom In or Out</source>
        <translation>Zoom avant ou arrière</translation>
    </message>
    <message>
        <source>Zoom In or Out
scale</source>
        <translation>Zoom avant ou arrière
échelle</translation>
    </message>
    <message>
        <source>&amp;European Style</source>
        <translation>Style &amp;européen</translation>
    </message>
    <message>
        <source>Display all Resistors in European Style
EU Style</source>
        <translation>Afficher toutes les résistances en style européen
Style EU</translation>
    </message>
    <message>
        <source>&amp;US Style</source>
        <translation>Style &amp;américain</translation>
    </message>
    <message>
        <source>Dsiplay all Resistors in US Style
US Style</source>
        <translation>Afficher toutes les résistances en style américain
Style US</translation>
    </message>
    <message>
        <source>&amp;Re-Draw</source>
        <translation>&amp;Redessiner</translation>
    </message>
    <message>
        <source>Re-Draw
Re-Draw</source>
        <translation>Redessiner
Redessiner</translation>
    </message>
    <message>
        <source>Using Nodal Analysis</source>
        <translation>Avec la méthode des nœuds</translation>
    </message>
    <message>
        <source>&amp;Matrix Form</source>
        <translation>Forme &amp;matricielle</translation>
    </message>
    <message>
        <source>Show the analysed circuit&apos;s modified nodal system G x = b, to read or to copy
Matrix Form</source>
        <translation>Afficher le système nodal modifié G x = b du circuit analysé, pour le lire ou le copier
Forme matricielle</translation>
    </message>
    <message>
        <source>&amp;Formulas</source>
        <translation>&amp;Formules</translation>
    </message>
    <message>
        <source>Show every node voltage as a formula in the elements&apos; names, with its value
Formulas</source>
        <translation>Afficher chaque tension de nœud sous forme de formule en fonction des noms des éléments, avec sa valeur
Formules</translation>
    </message>
    <message>
        <source>Show equation</source>
        <translation>Afficher l&apos;équation</translation>
    </message>
    <message>
        <source>Show voltage-current equation and calculation steps.
Show equation</source>
        <translation>Afficher l&apos;équation tension-courant et les étapes du calcul.
Afficher l&apos;équation</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Sélectionner</translation>
    </message>
    <message>
        <source>Select Component Mode
Select</source>
        <translation>Mode de sélection des composants
Sélectionner</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Résistance</translation>
    </message>
    <message>
        <source>Insert a Resistor to the circuit
Resistor</source>
        <translation>Insérer une résistance dans le circuit
Résistance</translation>
    </message>
    <message>
        <source>&amp;Voltage Source</source>
        <translation>Source de &amp;tension</translation>
    </message>
    <message>
        <source>Insert a Voltage Source to the circuit
Voltage Source</source>
        <translation>Insérer une source de tension dans le circuit
Source de tension</translation>
    </message>
    <message>
        <source>&amp;Current Source</source>
        <translation>Source de &amp;courant</translation>
    </message>
    <message>
        <source>Insert a Current Source to the circuit
Current Source</source>
        <translation>Insérer une source de courant dans le circuit
Source de courant</translation>
    </message>
    <message>
        <source>&amp;Ammeter</source>
        <translation>&amp;Ampèremètre</translation>
    </message>
    <message>
        <source>Insert Ammeter
Ammeter</source>
        <translation>Insérer un ampèremètre
Ampèremètre</translation>
    </message>
    <message>
        <source>V&amp;oltmeter</source>
        <translation>&amp;Voltmètre</translation>
    </message>
    <message>
        <source>Insert Voltmeter
Voltmeter</source>
        <translation>Insérer un voltmètre
Voltmètre</translation>
    </message>
    <message>
        <source>&amp;Wire</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>Place a Wire to Connect Components
Wire</source>
        <translation>Placer un fil pour relier des composants
Fil</translation>
    </message>
    <message>
        <source>Turning Wire, &amp;Across First</source>
        <translation>Fil coudé, &amp;horizontal d&apos;abord</translation>
    </message>
    <message>
        <source>Connect Wire with Right-Angle Turn
Turning Wire</source>
        <translation>Relier par un fil coudé à angle droit
Fil coudé</translation>
    </message>
    <message>
        <source>Turning Wire, Up or D&amp;own First</source>
        <translation>Fil coudé, vertica&amp;l d&apos;abord</translation>
    </message>
    <message>
        <source>Connect Wire with Right-Angled Turn
Turning Wire</source>
        <translation>Relier par un fil coudé à angle droit
Fil coudé</translation>
    </message>
    <message>
        <source>&amp;Joint</source>
        <translation>&amp;Jonction</translation>
    </message>
    <message>
        <source>Made a joint between two or more Components
Joint</source>
        <translation>Créer une jonction entre deux composants ou plus
Jonction</translation>
    </message>
    <message>
        <source>&amp;Eastwards</source>
        <translation>Vers l&apos;&amp;est</translation>
    </message>
    <message>
        <source>Set Component Direction to the East
East</source>
        <translation>Orienter le composant vers l&apos;est
Est</translation>
    </message>
    <message>
        <source>&amp;Northwards</source>
        <translation>Vers le &amp;nord</translation>
    </message>
    <message>
        <source>Set Component Direction to the North
North</source>
        <translation>Orienter le composant vers le nord
Nord</translation>
    </message>
    <message>
        <source>&amp;Westwar&amp;ds</source>
        <translation>Vers l&apos;&amp;ouest</translation>
    </message>
    <message>
        <source>Set Component Direction to the West
West</source>
        <translation>Orienter le composant vers l&apos;ouest
Ouest</translation>
    </message>
    <message>
        <source>So&amp;uthwards</source>
        <translation>Vers le s&amp;ud</translation>
    </message>
    <message>
        <source>Set Component Direction to the South
South</source>
        <translation>Orienter le composant vers le sud
Sud</translation>
    </message>
    <message>
        <source>Node Voltage Method</source>
        <translation>Méthode des nœuds</translation>
    </message>
    <message>
        <source>Mesh Current Method</source>
        <translation>Méthode des mailles</translation>
    </message>
    <message>
        <source>Loop Current Method</source>
        <translation>Méthode des courants de boucle</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Compute Voltages &amp; Currents
Compute</source>
        <translation>Calculer les tensions et les courants
Calculer</translation>
    </message>
    <message>
        <source>Electrical &amp;Rule Check</source>
        <translation>Contrôle des &amp;règles électriques</translation>
    </message>
    <message>
        <source>Electrical Rule Check
ERC</source>
        <translation>Contrôle des règles électriques
Contrôle des règles électriques</translation>
    </message>
    <message>
        <source>Thévenin Equivalent...</source>
        <translation>Équivalent de Thévenin...</translation>
    </message>
    <message>
        <source>Find the Thévenin and Norton equivalents between two nodes or as seen by a resistor
Thévenin Equivalent</source>
        <translation>Trouver les équivalents de Thévenin et de Norton entre deux nœuds ou vus d&apos;une résistance
Équivalent de Thévenin</translation>
    </message>
    <message>
        <source>Superposition</source>
        <translation>Superposition</translation>
    </message>
    <message>
        <source>Solve the circuit once for each source with the others set to zero, and add the parts
Superposition</source>
        <translation>Résoudre le circuit une fois pour chaque source, les autres étant mises à zéro, et additionner les parties
Superposition</translation>
    </message>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation>Tuteur de la méthode des nœuds</translation>
    </message>
    <message>
        <source>This will guide you through the steps in the Nodal Analysis Process
Nodal Analysis Tutor</source>
        <translation>Vous guide à travers les étapes de la méthode des nœuds
Tuteur de la méthode des nœuds</translation>
    </message>
    <message>
        <source>Check My Node Equation</source>
        <translation>Vérifier mon équation de nœud</translation>
    </message>
    <message>
        <source>Click a node, type its KCL equation and let Kirvolt check it
Check My Node Equation</source>
        <translation>Cliquez sur un nœud, tapez son équation de la loi des nœuds et laissez Kirvolt la vérifier
Vérifier mon équation de nœud</translation>
    </message>
    <message>
        <source>Check My Mesh Equation</source>
        <translation>Vérifier mon équation de maille</translation>
    </message>
    <message>
        <source>Click inside a mesh, type its KVL equation and let Kirvolt check it
Check My Mesh Equation</source>
        <translation>Cliquez à l&apos;intérieur d&apos;une maille, tapez son équation de la loi des mailles et laissez Kirvolt la vérifier
Vérifier mon équation de maille</translation>
    </message>
    <message>
        <source>Set Print Scale</source>
        <translation>Définir l&apos;échelle d&apos;impression</translation>
    </message>
    <message>
        <source>Set the scale factor for printing hardcopy.
Set Print Scale</source>
        <translation>Définir le facteur d&apos;échelle pour l&apos;impression papier.
Définir l&apos;échelle d&apos;impression</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Ouvrir une autre fenêtre pour le document actif
Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Disposer les fenêtres en les superposant
Fenêtres en cascade</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Disposer les fenêtres en mosaïque sans chevauchement
Fenêtres en mosaïque</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Réorganiser les icônes</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Réorganiser les icônes en bas de la fenêtre
Réorganiser les icônes</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Volet suivant</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Passer au volet suivant de la fenêtre
Volet suivant</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Volet précédent</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Revenir au volet précédent de la fenêtre
Volet précédent</translation>
    </message>
    <message>
        <source>&amp;About Kirvolt...</source>
        <translation>À &amp;propos de Kirvolt...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright
À propos</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy Component
Copy</source>
        <translation>Copier le composant
Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Cut Component
Cut</source>
        <translation>Couper le composant
Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Paste Component
Paste</source>
        <translation>Coller le composant
Coller</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grouper</translation>
    </message>
    <message>
        <source>Group Component
Group</source>
        <translation>Grouper les composants
Grouper</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor</source>
        <translation>Tuteur de l&apos;analyse nodale modifiée</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor
Modified Nodal Analysis Tutor</source>
        <translation>Tuteur de l&apos;analyse nodale modifiée
Tuteur de l&apos;analyse nodale modifiée</translation>
    </message>
    <message>
        <source>Loop Current Tutor</source>
        <translation>Tuteur des courants de boucle</translation>
    </message>
    <message>
        <source>Loop Current Tutor
Loop Current Tutor</source>
        <translation>Tuteur des courants de boucle
Tuteur des courants de boucle</translation>
    </message>
    <message>
        <source>Mesh Current Tutor</source>
        <translation>Tuteur de la méthode des mailles</translation>
    </message>
    <message>
        <source>Mesh Current Tutor
Mesh Current Tutor</source>
        <translation>Tuteur de la méthode des mailles
Tuteur de la méthode des mailles</translation>
    </message>
    <message>
        <source>Chord Current Tutor</source>
        <translation>Tuteur des courants de corde</translation>
    </message>
    <message>
        <source>Chord Current 
Chord Current Tutor</source>
        <translation>Courants de corde 
Tuteur des courants de corde</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Name Component
Name</source>
        <translation>Nommer le composant
Nom</translation>
    </message>
    <message>
        <source>Describe Circuit</source>
        <translation>Décrire le circuit</translation>
    </message>
    <message>
        <source>Put the whole circuit in words in a window that a screen reader reads
Describe Circuit</source>
        <translation>Décrire tout le circuit en mots dans une fenêtre que lit un lecteur d&apos;écran
Décrire le circuit</translation>
    </message>
</context>
<context>
    <name>ChordTutor</name>
    <message>
        <source>Your tree has %1 branch: %2.</source>
        <translation>Votre arbre a %1 branche : %2.</translation>
    </message>
    <message>
        <source>Your tree has %1 branches: %2.</source>
        <translation>Votre arbre a %1 branches : %2.</translation>
    </message>
    <message>
        <source>The other branch is its chord: %1.</source>
        <translation>L&apos;autre branche est sa corde : %1.</translation>
    </message>
    <message>
        <source>The other branches are its chords: %1.</source>
        <translation>Les autres branches sont ses cordes : %1.</translation>
    </message>
    <message>
        <source>Each chord closes one loop with the tree. The current of that loop runs through the chord in the chord&apos;s own direction and is named after it: %1.</source>
        <translation>Chaque corde ferme une boucle avec l&apos;arbre. Le courant de cette boucle traverse la corde dans le sens propre de la corde et porte son nom : %1.</translation>
    </message>
    <message>
        <source>%1 is a current source, so its loop current is its own current and known beforehand.</source>
        <translation>%1 est une source de courant : son courant de boucle est donc son propre courant, connu d&apos;avance.</translation>
    </message>
    <message>
        <source>%1 are current sources, so their loop currents are their own currents and known beforehand.</source>
        <translation>%1 sont des sources de courant : leurs courants de boucle sont donc leurs propres courants, connus d&apos;avance.</translation>
    </message>
    <message>
        <source>There is %1 loop current, so %1 loop equation is needed, one for each chord.</source>
        <translation>Il y a %1 courant de boucle, donc %1 équation de boucle est nécessaire, une par corde.</translation>
    </message>
    <message>
        <source>There are %1 loop currents, so %1 loop equations are needed, one for each chord.</source>
        <translation>Il y a %1 courants de boucle, donc %1 équations de boucle sont nécessaires, une par corde.</translation>
    </message>
    <message>
        <source>Loop %1 of %2: %3</source>
        <translation>Boucle %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>%1 closes it with the tree. Going round it in the direction of %2, it runs through %3.</source>
        <translation>%1 la ferme avec l&apos;arbre. En la parcourant dans le sens de %2, elle traverse %3.</translation>
    </message>
    <message>
        <source>The following shows how you write your equation:

Going round a loop in the direction of its current, each resistor drops its resistance times the current through it: the loop&apos;s own current, with the current of every other loop through that resistor added where it runs the same way and taken away where it runs against. The EMFs met from %1 to + stand on the right.

For the loop of R3, closed by a tree of E1 and R1, where the loop of R4 also runs through R1 the same way:

        R3·I_R3 + R1·(I_R3 + I_R4) = E1

The loop of a current source J1 needs no KVL equation: its current is the source&apos;s, I_J1 = J1.

Loop equations in your circuit may be prepared in a similar fashion.</source>
        <translation>Voici comment écrire votre équation :

En parcourant une boucle dans le sens de son courant, chaque résistance fait chuter sa résistance multipliée par le courant qui la traverse : le courant propre de la boucle, auquel on ajoute le courant de chaque autre boucle passant par cette résistance dans le même sens et dont on retranche celui qui passe en sens inverse. Les f.é.m. rencontrées de %1 vers + se placent à droite.

Pour la boucle de R3, fermée par un arbre formé de E1 et R1, où la boucle de R4 traverse aussi R1 dans le même sens :

        R3·I_R3 + R1·(I_R3 + I_R4) = E1

La boucle d&apos;une source de courant J1 n&apos;a pas besoin d&apos;équation de la loi des mailles : son courant est celui de la source, I_J1 = J1.

Les équations de boucle de votre circuit s&apos;écrivent de la même façon.</translation>
    </message>
</context>
<context>
    <name>CircuitEditor</name>
    <message>
        <source>Kirvolt default procedure for MouseMove is called, move cursor out of client area and press [Enter].</source>
        <translation>La procédure par défaut de Kirvolt pour MouseMove est appelée : sortez le curseur de la zone client et appuyez sur [Entrée].</translation>
    </message>
</context>
<context>
    <name>CircuitFile</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Format de fichier inattendu.</translation>
    </message>
    <message>
        <source>a name or label is too long for a circuit file</source>
        <translation>un nom ou une étiquette est trop long pour un fichier de circuit</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
</context>
<context>
    <name>CircuitWords</name>
    <message>
        <source>picoohm</source>
        <translation>picoohm</translation>
    </message>
    <message>
        <source>nanoohm</source>
        <translation>nanoohm</translation>
    </message>
    <message>
        <source>microohm</source>
        <translation>microohm</translation>
    </message>
    <message>
        <source>milliohm</source>
        <translation>milliohm</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>kilohm</source>
        <translation>kiloohm</translation>
    </message>
    <message>
        <source>megohm</source>
        <translation>mégohm</translation>
    </message>
    <message>
        <source>gigohm</source>
        <translation>gigaohm</translation>
    </message>
    <message>
        <source>teraohm</source>
        <translation>téraohm</translation>
    </message>
    <message>
        <source>picovolt</source>
        <translation>picovolt</translation>
    </message>
    <message>
        <source>nanovolt</source>
        <translation>nanovolt</translation>
    </message>
    <message>
        <source>microvolt</source>
        <translation>microvolt</translation>
    </message>
    <message>
        <source>millivolt</source>
        <translation>millivolt</translation>
    </message>
    <message>
        <source>volt</source>
        <translation>volt</translation>
    </message>
    <message>
        <source>kilovolt</source>
        <translation>kilovolt</translation>
    </message>
    <message>
        <source>megavolt</source>
        <translation>mégavolt</translation>
    </message>
    <message>
        <source>gigavolt</source>
        <translation>gigavolt</translation>
    </message>
    <message>
        <source>teravolt</source>
        <translation>téravolt</translation>
    </message>
    <message>
        <source>picoampere</source>
        <translation>picoampère</translation>
    </message>
    <message>
        <source>nanoampere</source>
        <translation>nanoampère</translation>
    </message>
    <message>
        <source>microampere</source>
        <translation>microampère</translation>
    </message>
    <message>
        <source>milliampere</source>
        <translation>milliampère</translation>
    </message>
    <message>
        <source>ampere</source>
        <translation>ampère</translation>
    </message>
    <message>
        <source>kiloampere</source>
        <translation>kiloampère</translation>
    </message>
    <message>
        <source>megaampere</source>
        <translation>mégaampère</translation>
    </message>
    <message>
        <source>gigaampere</source>
        <translation>gigaampère</translation>
    </message>
    <message>
        <source>teraampere</source>
        <translation>téraampère</translation>
    </message>
    <message>
        <source>resistor</source>
        <translation>résistance</translation>
    </message>
    <message>
        <source>voltage source</source>
        <translation>source de tension</translation>
    </message>
    <message>
        <source>current source</source>
        <translation>source de courant</translation>
    </message>
    <message>
        <source>ammeter</source>
        <translation>ampèremètre</translation>
    </message>
    <message>
        <source>voltmeter</source>
        <translation>voltmètre</translation>
    </message>
    <message>
        <source>element</source>
        <translation>élément</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>from node %1 to node %2</source>
        <translation>du nœud %1 au nœud %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>, %1</source>
        <translation>, %1</translation>
    </message>
    <message>
        <source>, reads nothing: %1</source>
        <translation>, ne mesure rien : %1</translation>
    </message>
    <message>
        <source>, reads %1</source>
        <translation>, mesure %1</translation>
    </message>
    <message>
        <source>, p.d. %1, current %2</source>
        <translation>, d.d.p. %1, courant %2</translation>
    </message>
    <message>
        <source>joint of node %1</source>
        <translation>jonction du nœud %1</translation>
    </message>
    <message>
        <source>joint</source>
        <translation>jonction</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>moins %1</translation>
    </message>
    <message>
        <source>The drawing is empty.</source>
        <translation>Le dessin est vide.</translation>
    </message>
    <message>
        <source>The circuit has %1 elements and %2 joints, read row by row from the top left.</source>
        <translation>Le circuit comporte %1 éléments et %2 jonctions, lus rangée par rangée depuis le coin supérieur gauche.</translation>
    </message>
    <message>
        <source>It has %1 nodes; the datum node is node %2.</source>
        <translation>Il comporte %1 nœuds ; le nœud de référence est le nœud %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The numbers are those of the last analysis.</source>
        <translation>Les valeurs sont celles de la dernière analyse.</translation>
    </message>
    <message>
        <source>It has not been analysed as it is drawn now.</source>
        <translation>Il n&apos;a pas été analysé tel qu&apos;il est dessiné maintenant.</translation>
    </message>
</context>
<context>
    <name>CircuitWordsWindow</name>
    <message>
        <source>Describe Circuit</source>
        <translation>Décrire le circuit</translation>
    </message>
    <message>
        <source>The whole circuit in words, one element or joint a line</source>
        <translation>Tout le circuit en mots, un élément ou une jonction par ligne</translation>
    </message>
    <message>
        <source>The circuit in words</source>
        <translation>Le circuit en mots</translation>
    </message>
    <message>
        <source>Each line is one element or joint, read row by row from the top left</source>
        <translation>Chaque ligne est un élément ou une jonction, lus rangée par rangée depuis le coin supérieur gauche</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>The Clipboard holds no circuit that Kirvolt can paste.</source>
        <translation>Le Presse-papiers ne contient aucun circuit que Kirvolt puisse coller.</translation>
    </message>
    <message>
        <source>The circuit on the Clipboard reaches too far to be pasted here.</source>
        <translation>Le circuit du Presse-papiers s&apos;étend trop loin pour être collé ici.</translation>
    </message>
</context>
<context>
    <name>CurrentSourceQuiz</name>
    <message>
        <source>Found:  %1 of %2  meshes whose current a source fixes,  %3 of %4  pairs of meshes joined by a current source.</source>
        <translation>Trouvé :  %1 sur %2  mailles dont une source impose le courant,  %3 sur %4  paires de mailles réunies par une source de courant.</translation>
    </message>
    <message>
        <source>You have found what every current source does to the meshes.

Go ahead with your analysis.</source>
        <translation>Vous avez trouvé l&apos;effet de chaque source de courant sur les mailles.

Poursuivez votre analyse.</translation>
    </message>
    <message>
        <source>That point is inside no mesh.

Click inside one of the meshes of your circuit.</source>
        <translation>Ce point n&apos;est à l&apos;intérieur d&apos;aucune maille.

Cliquez à l&apos;intérieur de l&apos;une des mailles de votre circuit.</translation>
    </message>
    <message>
        <source>Mesh %1 chosen.

Now click the other mesh of the pair.</source>
        <translation>Maille %1 choisie.

Cliquez maintenant sur l&apos;autre maille de la paire.</translation>
    </message>
    <message>
        <source>Mesh %1 is chosen already.

Click the mesh on the other side of the current source.</source>
        <translation>La maille %1 est déjà choisie.

Cliquez sur la maille de l&apos;autre côté de la source de courant.</translation>
    </message>
    <message>
        <source>You have found mesh %1 already.</source>
        <translation>Vous avez déjà trouvé la maille %1.</translation>
    </message>
    <message>
        <source>Terrific! You got it.

%1

        %2

The current of mesh %3 is known, so mesh %3 needs no KVL equation.</source>
        <translation>Bravo ! C&apos;est juste.

%1

        %2

Le courant de la maille %3 est connu : la maille %3 n&apos;a donc pas besoin d&apos;équation de la loi des mailles.</translation>
    </message>
    <message>
        <source>Sorry,

%1 on mesh %2 fixes no mesh current on its own: it lies between meshes %3 and carries the difference of their currents.

Look for a current source on the outside of the drawing, or click the two meshes it joins as a pair.</source>
        <translation>Désolé,

%1 sur la maille %2 n&apos;impose à elle seule aucun courant de maille : elle se trouve entre les mailles %3 et porte la différence de leurs courants.

Cherchez une source de courant sur le pourtour du dessin, ou cliquez sur les deux mailles qu&apos;elle réunit, comme une paire.</translation>
    </message>
    <message>
        <source>Sorry,

no current source lies on mesh %1, so its current is unknown and mesh %1 gets a KVL equation,

please check your circuit carefully

and try again.</source>
        <translation>Désolé,

aucune source de courant ne se trouve sur la maille %1 : son courant est donc inconnu et la maille %1 reçoit une équation de la loi des mailles,

vérifiez attentivement votre circuit

et réessayez.</translation>
    </message>
    <message>
        <source>You have found meshes %1 already.</source>
        <translation>Vous avez déjà trouvé les mailles %1.</translation>
    </message>
    <message>
        <source>Terrific! You got it.

%1</source>
        <translation>Bravo ! C&apos;est juste.

%1</translation>
    </message>
    <message>
        <source>Sorry,

meshes %1 do not touch, so no current source joins them,

please check your circuit carefully

and try again.</source>
        <translation>Désolé,

les mailles %1 ne se touchent pas : aucune source de courant ne les réunit donc,

vérifiez attentivement votre circuit

et réessayez.</translation>
    </message>
    <message>
        <source>Sorry,

meshes %1 share only %2, and no current source, so they are not joined into a supermesh,

please check your circuit carefully

and try again.</source>
        <translation>Désolé,

les mailles %1 ne partagent que %2, et aucune source de courant : elles ne sont donc pas réunies en une supermaille,

vérifiez attentivement votre circuit

et réessayez.</translation>
    </message>
    <message>
        <source>Meshes %1 form a supermesh: one KVL equation goes round the whole supermesh, leaving out %2 and any other current source inside it.</source>
        <translation>Les mailles %1 forment une supermaille : une seule équation de la loi des mailles fait le tour de toute la supermaille, en laissant de côté %2 et toute autre source de courant qu&apos;elle contient.</translation>
    </message>
    <message>
        <source>Another current source fixes the current of one of these meshes, so this equation gives the other its current and no KVL equation is needed.</source>
        <translation>Une autre source de courant impose le courant de l&apos;une de ces mailles : cette équation donne donc son courant à l&apos;autre, et aucune équation de la loi des mailles n&apos;est nécessaire.</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Will be ready in the next version.</source>
        <translation>Sera disponible dans la prochaine version.</translation>
    </message>
</context>
<context>
    <name>DrawnNumbers</name>
    <message>
        <source>The circuit has changed since these numbers.</source>
        <translation>Le circuit a changé depuis ces nombres.</translation>
    </message>
</context>
<context>
    <name>EditSteps</name>
    <message>
        <source>Joint</source>
        <translation>Jonction</translation>
    </message>
    <message>
        <source>Place Joint</source>
        <translation>Placer une jonction</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Déplacer %1</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>Placer %1</translation>
    </message>
    <message>
        <source>Draw %1</source>
        <translation>Dessiner %1</translation>
    </message>
    <message>
        <source>Rename Node %1</source>
        <translation>Renommer le nœud %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Set Datum Node %1</source>
        <translation>Définir le nœud de référence %1</translation>
    </message>
</context>
<context>
    <name>EquationCheck</name>
    <message>
        <source>Check My Mesh Equation : Loop of %1</source>
        <translation>Vérifier mon équation de maille : boucle de %1</translation>
    </message>
    <message>
        <source>Check My Node Equation : Node %1</source>
        <translation>Vérifier mon équation de nœud : nœud %1</translation>
    </message>
    <message>
        <source>Check My Mesh Equation : Mesh %1</source>
        <translation>Vérifier mon équation de maille : maille %1</translation>
    </message>
</context>
<context>
    <name>EquationsPanel</name>
    <message>
        <source>Nodal Equations for the circuit drawn above are:</source>
        <translation>Les équations de nœud du circuit dessiné ci-dessus sont :</translation>
    </message>
    <message>
        <source>no reading</source>
        <translation>pas de mesure</translation>
    </message>
</context>
<context>
    <name>Exercises</name>
    <message>
        <source>%1 node besides the datum</source>
        <translation>%1 nœud en plus du nœud de référence</translation>
    </message>
    <message>
        <source>%1 nodes besides the datum</source>
        <translation>%1 nœuds en plus du nœud de référence</translation>
    </message>
    <message>
        <source>%1 voltage source</source>
        <translation>%1 source de tension</translation>
    </message>
    <message>
        <source>%1 voltage sources</source>
        <translation>%1 sources de tension</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 current source</source>
        <translation>%1 source de courant</translation>
    </message>
    <message>
        <source>%1 current sources</source>
        <translation>%1 sources de courant</translation>
    </message>
    <message>
        <source>An exercise has from 1 to %1 nodes besides the datum.</source>
        <translation>Un exercice a de 1 à %1 nœuds en plus du nœud de référence.</translation>
    </message>
    <message>
        <source>An exercise cannot have a negative number of sources.</source>
        <translation>Un exercice ne peut pas avoir un nombre négatif de sources.</translation>
    </message>
    <message>
        <source>An exercise needs at least one voltage source or current source:
without one every voltage is 0 V.</source>
        <translation>Un exercice a besoin d&apos;au moins une source de tension ou de courant :
sans elle, toutes les tensions valent 0 V.</translation>
    </message>
    <message>
        <source>An exercise with %1 can have at most %2:
one more would close a loop of voltage sources.</source>
        <translation>Un exercice avec %1 peut avoir au plus %2 :
une de plus fermerait une boucle de sources de tension.</translation>
    </message>
    <message>
        <source>An exercise with %1 can have at most %2 current sources:
more would crowd the drawing.</source>
        <translation>Un exercice avec %1 peut avoir au plus %2 sources de courant :
davantage encombrerait le dessin.</translation>
    </message>
    <message>
        <source>No exercise of this size with two meshes or more, drawn without a crossing, comes from this seed; try another seed or more nodes.</source>
        <translation>Cette graine ne donne aucun exercice de cette taille avec deux mailles ou plus, dessiné sans croisement ; essayez une autre graine ou davantage de nœuds.</translation>
    </message>
    <message>
        <source>No solvable exercise of this size comes from this seed; try another seed.</source>
        <translation>Cette graine ne donne aucun exercice soluble de cette taille ; essayez une autre graine.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>A picture is written as a .png, .svg or .pdf file.</source>
        <translation>Une image s&apos;enregistre dans un fichier .png, .svg ou .pdf.</translation>
    </message>
    <message>
        <source>A worked solution is written as a .html or .pdf file.</source>
        <translation>Une solution détaillée s&apos;enregistre dans un fichier .html ou .pdf.</translation>
    </message>
    <message>
        <source>A worksheet is written as a .html or .pdf file.</source>
        <translation>Une feuille d&apos;exercices s&apos;enregistre dans un fichier .html ou .pdf.</translation>
    </message>
    <message>
        <source>Create your circuit first.</source>
        <translation>Créez d&apos;abord votre circuit.</translation>
    </message>
    <message>
        <source>PNG and PDF files cannot be written: this program was built without Qt.</source>
        <translation>Impossible d&apos;écrire des fichiers PNG et PDF : ce programme a été compilé sans Qt.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>it is larger than any circuit of the drawing area could be</source>
        <translation>il est plus grand que ne pourrait l&apos;être tout circuit de la zone de dessin</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>le quota de disque est épuisé</translation>
    </message>
    <message>
        <source>the file is larger than the disk or the system allows</source>
        <translation>le fichier est plus grand que ce que permet le disque ou le système</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>le disque a signalé une erreur</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>la mémoire est insuffisante</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>trop de fichiers sont ouverts</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contient un chemin non valide.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>L&apos;accès à %1 a été refusé.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Une violation de partage s&apos;est produite lors de l&apos;accès à %1.</translation>
    </message>
    <message>
        <source>Kirvolt could not open %1: %2.</source>
        <translation>Kirvolt n&apos;a pas pu ouvrir %1 : %2.</translation>
    </message>
    <message>
        <source>Kirvolt could not save %1: %2.</source>
        <translation>Kirvolt n&apos;a pas pu enregistrer %1 : %2.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Kirvolt Files (*.kvt)</source>
        <translation>Fichiers Kirvolt (*.kvt)</translation>
    </message>
    <message>
        <source>SPICE Netlists (*.cir *.net *.sp *.spice)</source>
        <translation>Netlists SPICE (*.cir *.net *.sp *.spice)</translation>
    </message>
    <message>
        <source>Circuits and Netlists (*.kvt *.cir *.net *.sp *.spice)</source>
        <translation>Circuits et netlists (*.kvt *.cir *.net *.sp *.spice)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Export SPICE Netlist</source>
        <translation>Exporter la netlist SPICE</translation>
    </message>
    <message>
        <source>SPICE Netlists (*.cir)</source>
        <translation>Netlists SPICE (*.cir)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>PNG Image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Worked Solution</source>
        <translation>Exporter la solution détaillée</translation>
    </message>
    <message>
        <source>Web Page (*.html)</source>
        <translation>Page web (*.html)</translation>
    </message>
</context>
<context>
    <name>Formulas</name>
    <message>
        <source>Formulas are worked out for circuits of at most %1 unknowns; this one has %2.</source>
        <translation>Les formules sont établies pour des circuits d&apos;au plus %1 inconnues ; celui-ci en a %2.</translation>
    </message>
    <message>
        <source>The node equations have no unique solution in letters.</source>
        <translation>Les équations de nœud n&apos;ont pas de solution littérale unique.</translation>
    </message>
    <message>
        <source>Formulas need GiNaC, the library for symbolic algebra (Debian&apos;s libginac-dev), and this Kirvolt was built without it.</source>
        <translation>Les formules nécessitent GiNaC, la bibliothèque de calcul symbolique (libginac-dev sous Debian), et ce Kirvolt a été compilé sans elle.</translation>
    </message>
</context>
<context>
    <name>FormulasWindow</name>
    <message>
        <source>Formulas</source>
        <translation>Formules</translation>
    </message>
    <message>
        <source>Every node voltage as a formula in the elements&apos; names, with its value</source>
        <translation>Chaque tension de nœud sous forme de formule en fonction des noms des éléments, avec sa valeur</translation>
    </message>
</context>
<context>
    <name>Kirvolt</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier compris entre %1 et %2.</translation>
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
        <translation>Kirvolt parlera la langue choisie dès son prochain démarrage.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>The netlist is too large to draw within the drawing area.</source>
        <translation>La netlist est trop grande pour être dessinée dans la zone de dessin.</translation>
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
        <translation>%1 et %2</translation>
    </message>
</context>
<context>
    <name>LoopCombination</name>
    <message>
        <source>loop %1</source>
        <translation>la boucle %1</translation>
    </message>
    <message>
        <source>twice loop %1</source>
        <translation>deux fois la boucle %1</translation>
    </message>
    <message>
        <source>%1 times loop %2</source>
        <translation>%1 fois la boucle %2</translation>
    </message>
    <message>
        <source>loop %1 traced again</source>
        <translation>la boucle %1 tracée à nouveau</translation>
    </message>
    <message>
        <source>the sum of loops %1</source>
        <translation>la somme des boucles %1</translation>
    </message>
    <message>
        <source>loop %1 run the other way</source>
        <translation>la boucle %1 parcourue en sens inverse</translation>
    </message>
    <message>
        <source>the sum of loops %1 run the other way</source>
        <translation>la somme des boucles %1 parcourues en sens inverse</translation>
    </message>
    <message>
        <source> plus </source>
        <translation> plus </translation>
    </message>
    <message>
        <source> minus </source>
        <translation> moins </translation>
    </message>
    <message>
        <source>minus </source>
        <translation>moins </translation>
    </message>
</context>
<context>
    <name>LoopCount</name>
    <message>
        <source>Terrific! You got it.

There are a total of  %1 independent loops in your circuit.

That means you have to trace  %1 loops and find their currents.

Go ahead with your analysis.</source>
        <translation>Bravo ! C&apos;est juste.

Votre circuit compte au total  %1 boucles indépendantes.

Vous devez donc tracer  %1 boucles et trouver leurs courants.

Poursuivez votre analyse.</translation>
    </message>
    <message>
        <source>Sorry,

your circuit does not have %1 independent loops.

It has  %2  branches and  %3  nodes, and a circuit has

   independent loops  =  branches - nodes + 1,

please check your circuit carefully

and try again.</source>
        <translation>Désolé,

votre circuit n&apos;a pas %1 boucles indépendantes.

Il a  %2  branches et  %3  nœuds, et pour un circuit

   boucles indépendantes  =  branches - nœuds + 1,

vérifiez attentivement votre circuit

et réessayez.</translation>
    </message>
</context>
<context>
    <name>LoopEquations</name>
    <message>
        <source>The voltage drops round the loop of %1, in the direction of %2, add up to the EMFs that drive it.</source>
        <translation>Les chutes de tension autour de la boucle de %1, dans le sens de %2, ont pour somme les f.é.m. qui l&apos;entraînent.</translation>
    </message>
    <message>
        <source>%1 is the chord of its loop, so the loop current is the source&apos;s own current.</source>
        <translation>%1 est la corde de sa boucle : le courant de boucle est donc le courant propre de la source.</translation>
    </message>
    <message>
        <source>The voltage drops round loop %1, in the direction of %2, add up to the EMFs that drive it.</source>
        <translation>Les chutes de tension autour de la boucle %1, dans le sens de %2, ont pour somme les f.é.m. qui l&apos;entraînent.</translation>
    </message>
    <message>
        <source>The voltage drops round %1, which leaves out %2, add up to the EMFs that drive it.</source>
        <translation>Les chutes de tension autour de %1, qui laisse de côté %2, ont pour somme les f.é.m. qui l&apos;entraînent.</translation>
    </message>
    <message>
        <source>%1 lies on loop %2 alone, so it gives loop %2 its current.</source>
        <translation>%1 ne se trouve que sur la boucle %2 : elle donne donc son courant à la boucle %2.</translation>
    </message>
    <message>
        <source>%1 lies on loops %2, so the loop currents through it add up to its current.</source>
        <translation>%1 se trouve sur les boucles %2 : la somme des courants de boucle qui la traversent est donc égale à son courant.</translation>
    </message>
</context>
<context>
    <name>LoopTracing</name>
    <message>
        <source>Loop %1 is closed, and it is independent of the loops before it.

%2</source>
        <translation>La boucle %1 est fermée et elle est indépendante des boucles précédentes.

%2</translation>
    </message>
    <message>
        <source>That makes %1 independent loops, as many as your circuit has.

Go ahead with your analysis.</source>
        <translation>Cela fait %1 boucles indépendantes, autant que votre circuit en compte.

Poursuivez votre analyse.</translation>
    </message>
    <message>
        <source>1 more loop is needed.</source>
        <translation>Il faut encore 1 boucle.</translation>
    </message>
    <message>
        <source>%1 more loops are needed.</source>
        <translation>Il faut encore %1 boucles.</translation>
    </message>
    <message>
        <source>Sorry,

this loop is %1: its KVL equation would follow from theirs, so it tells nothing new.

%2Trace another loop.</source>
        <translation>Désolé,

cette boucle est %1 : son équation de la loi des mailles découlerait des leurs, elle n&apos;apporte donc rien de nouveau.

%2Tracez une autre boucle.</translation>
    </message>
    <message>
        <source>Sorry,

this loop taken %1 times is %2: its KVL equation would follow from theirs, so it tells nothing new.

%3Trace another loop.</source>
        <translation>Désolé,

cette boucle prise %1 fois est %2 : son équation de la loi des mailles découlerait des leurs, elle n&apos;apporte donc rien de nouveau.

%3Tracez une autre boucle.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two of the branches a new loop may run through, as in &quot;R1, R2 or R3&quot;.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>A loop through %1, which none of your loops runs through yet, is sure to be new. </source>
        <translation>Une boucle qui passe par %1, par où aucune de vos boucles ne passe encore, est forcément nouvelle. </translation>
    </message>
    <message>
        <source>Loops traced:  %1 of %2.</source>
        <translation>Boucles tracées :  %1 sur %2.</translation>
    </message>
    <message>
        <source>That is no branch of your circuit.

Click a resistor or a source: a wire only joins the branches.</source>
        <translation>Ce n&apos;est pas une branche de votre circuit.

Cliquez sur une résistance ou une source : un fil ne fait que relier les branches.</translation>
    </message>
    <message>
        <source>Sorry,

%1</source>
        <translation>Désolé,

%1</translation>
    </message>
    <message>
        <source>%1 taken.

%2</source>
        <translation>Branche %1 prise.

%2</translation>
    </message>
    <message>
        <source>There is no branch to take back: the loop you are tracing has none yet.</source>
        <translation>Aucune branche à retirer : la boucle que vous tracez n&apos;en a encore aucune.</translation>
    </message>
    <message>
        <source>%1 taken back.

%2</source>
        <translation>Branche %1 retirée.

%2</translation>
    </message>
    <message>
        <source>The loop is cleared.

%1</source>
        <translation>La boucle est effacée.

%1</translation>
    </message>
</context>
<context>
    <name>LoopTree</name>
    <message>
        <source>The tree does not join node %1 to the datum node %2.</source>
        <translation>L&apos;arbre ne relie pas le nœud %1 au nœud de référence %2.</translation>
    </message>
    <message>
        <source>The tree does not join node %1 to the datum node %2: add %3 to it.</source>
        <translation>L&apos;arbre ne relie pas le nœud %1 au nœud de référence %2 : ajoutez-y %3.</translation>
    </message>
    <message>
        <source>The tree does not join node %1 to the datum node %2: add one of %3 to it.</source>
        <translation>L&apos;arbre ne relie pas le nœud %1 au nœud de référence %2 : ajoutez-y l&apos;un des éléments %3.</translation>
    </message>
    <message>
        <source>%1 cannot be in the tree: a current source fixes the current of its branch, so it must be a chord.</source>
        <translation>%1 ne peut pas être dans l&apos;arbre : une source de courant impose le courant de sa branche, elle doit donc être une corde.</translation>
    </message>
    <message>
        <source>%1 has both ends on one node, so it is a loop by itself and cannot be in the tree.</source>
        <translation>%1 a ses deux extrémités sur un même nœud : cet élément forme donc à lui seul une boucle et ne peut pas être dans l&apos;arbre.</translation>
    </message>
    <message>
        <source>%1 would close a loop with %2, so it cannot be in the tree.</source>
        <translation>%1 fermerait une boucle avec %2 et ne peut donc pas être dans l&apos;arbre.</translation>
    </message>
    <message>
        <source>The tree names %1, but the circuit has no resistor or source of that name.</source>
        <translation>L&apos;arbre cite %1, mais le circuit n&apos;a aucune résistance ni source de ce nom.</translation>
    </message>
    <message>
        <source>The tree names %1 twice.</source>
        <translation>L&apos;arbre cite %1 deux fois.</translation>
    </message>
</context>
<context>
    <name>LoopTutor</name>
    <message>
        <source>Loop %1 of %2:</source>
        <translation>Boucle %1 sur %2 :</translation>
    </message>
    <message>
        <source>Solving the equations gives the loop currents:</source>
        <translation>La résolution des équations donne les courants de boucle :</translation>
    </message>
    <message>
        <source>Each branch carries the sum of the loop currents through it, and the results pane shows the p.d. and current of every element: they are the same whichever loops you choose.</source>
        <translation>Chaque branche porte la somme des courants de boucle qui la traversent, et le volet des résultats affiche la d.d.p. et le courant de chaque élément : ils sont les mêmes quelles que soient les boucles choisies.</translation>
    </message>
</context>
<context>
    <name>MatrixForm</name>
    <message>
        <source>The matrix form is shown for systems of up to %1 unknowns; this circuit has %2.</source>
        <translation>La forme matricielle est affichée pour les systèmes d&apos;au plus %1 inconnues ; ce circuit en a %2.</translation>
    </message>
    <message>
        <source>There are no unknowns: %1</source>
        <translation>Il n&apos;y a aucune inconnue : %1</translation>
    </message>
</context>
<context>
    <name>MeshCount</name>
    <message>
        <source>Terrific! You got it.

There are a total of  %1 meshes in your circuit.

That means you have to find  %1 mesh currents.

Go ahead with your analysis.</source>
        <translation>Bravo ! C&apos;est juste.

Votre circuit compte au total  %1 mailles.

Vous devez donc trouver  %1 courants de maille.

Poursuivez votre analyse.</translation>
    </message>
    <message>
        <source>Sorry,

there are not %1 meshes in your circuit.

It has  %2  branches and  %3  nodes, and a circuit drawn
without crossings has

   meshes  =  branches - nodes + 1,

please check your circuit carefully

and try again.</source>
        <translation>Désolé,

votre circuit n&apos;a pas %1 mailles.

Il a  %2  branches et  %3  nœuds, et pour un circuit dessiné
sans croisement

   mailles  =  branches - nœuds + 1,

vérifiez attentivement votre circuit

et réessayez.</translation>
    </message>
</context>
<context>
    <name>MeshEquations</name>
    <message>
        <source>The voltage drops clockwise round mesh %1 add up to the EMFs that drive its current.</source>
        <translation>Les chutes de tension dans le sens horaire autour de la maille %1 ont pour somme les f.é.m. qui entraînent son courant.</translation>
    </message>
    <message>
        <source>The voltage drops round the supermesh of meshes %1 add up to its EMFs, leaving out %2.</source>
        <translation>Les chutes de tension autour de la supermaille des mailles %1 ont pour somme ses f.é.m., en laissant de côté %2.</translation>
    </message>
    <message>
        <source>%1 on the outside of the drawing gives mesh %2 its current.</source>
        <translation>%1, sur le pourtour du dessin, donne son courant à la maille %2.</translation>
    </message>
    <message>
        <source>%1 between meshes %2 and %3 carries the difference of their currents.</source>
        <translation>%1, entre les mailles %2 et %3, porte la différence de leurs courants.</translation>
    </message>
</context>
<context>
    <name>MeshTutor</name>
    <message>
        <source>There are no current sources in your circuit.

Every mesh current is unknown, and every mesh gets its own KVL equation.</source>
        <translation>Votre circuit ne comporte aucune source de courant.

Chaque courant de maille est inconnu, et chaque maille reçoit sa propre équation de la loi des mailles.</translation>
    </message>
    <message>
        <source>Mesh %1 of %2:</source>
        <translation>Maille %1 sur %2 :</translation>
    </message>
    <message>
        <source>Now write the equation of each mesh yourself: Check My Mesh Equation tells you whether it is right.</source>
        <translation>Écrivez maintenant vous-même l&apos;équation de chaque maille : Vérifier mon équation de maille vous dit si elle est juste.</translation>
    </message>
</context>
<context>
    <name>MeterReadings</name>
    <message>
        <source>%1 cannot read: neither of its terminals is connected to the circuit.</source>
        <translation>%1 ne peut rien mesurer : aucune de ses bornes n&apos;est reliée au circuit.</translation>
    </message>
    <message>
        <source>%1 cannot read: its start terminal is not connected to the circuit.</source>
        <translation>%1 ne peut rien mesurer : sa borne de départ n&apos;est pas reliée au circuit.</translation>
    </message>
    <message>
        <source>%1 cannot read: its finish terminal is not connected to the circuit.</source>
        <translation>%1 ne peut rien mesurer : sa borne d&apos;arrivée n&apos;est pas reliée au circuit.</translation>
    </message>
    <message>
        <source>%1 cannot read: wires or other ammeters also join its terminals, so the current divides among them in no fixed way.</source>
        <translation>%1 ne peut rien mesurer : des fils ou d&apos;autres ampèremètres relient aussi ses bornes, et le courant se partage entre eux de façon indéterminée.</translation>
    </message>
    <message>
        <source>

An ideal ammeter joins its terminals as a wire does: the circuit is analysed with %1 as a wire.</source>
        <translation>

Un ampèremètre idéal relie ses bornes comme le fait un fil : le circuit est analysé avec %1 remplacé par un fil.</translation>
    </message>
    <message>
        <source>

An ideal ammeter joins its terminals as a wire does: the circuit is analysed with %1 as wires.</source>
        <translation>

Un ampèremètre idéal relie ses bornes comme le fait un fil : le circuit est analysé avec %1 remplacés par des fils.</translation>
    </message>
</context>
<context>
    <name>MethodEquations</name>
    <message>
        <source>Node equations</source>
        <translation>Équations de nœud</translation>
    </message>
    <message>
        <source>Mesh equations</source>
        <translation>Équations de maille</translation>
    </message>
    <message>
        <source>Loop equations</source>
        <translation>Équations de boucle</translation>
    </message>
    <message>
        <source>Loop of %1:</source>
        <translation>Boucle de %1 :</translation>
    </message>
    <message>
        <source>%1 for the circuit drawn above are:</source>
        <extracomment>%1 is &quot;Node equations&quot;, &quot;Mesh equations&quot; or &quot;Loop equations&quot;.</extracomment>
        <translation>%1 du circuit dessiné ci-dessus :</translation>
    </message>
</context>
<context>
    <name>ModeHints</name>
    <message>
        <source>Select: click to select (Shift adds), drag a box to select several, drag the selection to move it.</source>
        <translation>Sélection : cliquez pour sélectionner (Maj ajoute), tracez un cadre pour en sélectionner plusieurs, faites glisser la sélection pour la déplacer.</translation>
    </message>
    <message>
        <source>Resistor: click where the resistor goes; the right button turns it.</source>
        <translation>Résistance : cliquez à l&apos;endroit de la résistance ; le bouton droit la fait pivoter.</translation>
    </message>
    <message>
        <source>Voltage source: click where the source goes; the right button turns it.</source>
        <translation>Source de tension : cliquez à l&apos;endroit de la source ; le bouton droit la fait pivoter.</translation>
    </message>
    <message>
        <source>Current source: click where the source goes; the right button turns it.</source>
        <translation>Source de courant : cliquez à l&apos;endroit de la source ; le bouton droit la fait pivoter.</translation>
    </message>
    <message>
        <source>Voltmeter: click where the voltmeter goes; the right button turns it.</source>
        <translation>Voltmètre : cliquez à l&apos;endroit du voltmètre ; le bouton droit le fait pivoter.</translation>
    </message>
    <message>
        <source>Ammeter: click where the ammeter goes; the right button turns it.</source>
        <translation>Ampèremètre : cliquez à l&apos;endroit de l&apos;ampèremètre ; le bouton droit le fait pivoter.</translation>
    </message>
    <message>
        <source>Wire: press on a terminal or a joint, drag to where the wire ends and let go.</source>
        <translation>Fil : appuyez sur une borne ou une jonction, faites glisser jusqu&apos;à la fin du fil et relâchez.</translation>
    </message>
    <message>
        <source>Joint: click a wire where a component&apos;s terminal touches it, to connect the two.</source>
        <translation>Jonction : cliquez sur un fil à l&apos;endroit où la borne d&apos;un composant le touche, pour les relier.</translation>
    </message>
    <message>
        <source>Info: click a component or a joint to see its values.</source>
        <translation>Infos : cliquez sur un composant ou une jonction pour voir ses valeurs.</translation>
    </message>
    <message>
        <source>Delete: click a component or a wire to remove it.</source>
        <translation>Supprimer : cliquez sur un composant ou un fil pour l&apos;enlever.</translation>
    </message>
    <message>
        <source>Move: click a component to pick it up, then click where it goes.</source>
        <translation>Déplacer : cliquez sur un composant pour le prendre, puis cliquez à l&apos;endroit où il doit aller.</translation>
    </message>
    <message>
        <source>Value: click a component to change its name and value, or a joint to rename its node. Alt+Up or Alt+Down (or Alt and the wheel) steps the value under the pointer.</source>
        <translation>Valeur : cliquez sur un composant pour changer son nom et sa valeur, ou sur une jonction pour renommer son nœud. Alt+Haut ou Alt+Bas (ou Alt et la molette) change la valeur sous le pointeur par pas.</translation>
    </message>
    <message>
        <source>Set Datum Node: click any wire or joint of the node that is to be the datum (0 V).</source>
        <translation>Définir le nœud de référence : cliquez sur un fil ou une jonction du nœud qui doit être le nœud de référence (0 V).</translation>
    </message>
    <message>
        <source>Loop equations: click a chord, a branch outside the thick tree, to see its loop&apos;s equation.</source>
        <translation>Équations de boucle : cliquez sur une corde, une branche hors de l&apos;arbre en trait épais, pour voir l&apos;équation de sa boucle.</translation>
    </message>
    <message>
        <source>Mesh equations: click inside a mesh to see its equation.</source>
        <translation>Équations de maille : cliquez à l&apos;intérieur d&apos;une maille pour voir son équation.</translation>
    </message>
    <message>
        <source>Node equations: click a joint to see the equation of its node.</source>
        <translation>Équations de nœud : cliquez sur une jonction pour voir l&apos;équation de son nœud.</translation>
    </message>
    <message>
        <source>Check My Node Equation: click a joint of the node whose equation you have written.</source>
        <translation>Vérifier mon équation de nœud : cliquez sur une jonction du nœud dont vous avez écrit l&apos;équation.</translation>
    </message>
    <message>
        <source>Check My Mesh Equation: click inside the mesh whose equation you have written.</source>
        <translation>Vérifier mon équation de maille : cliquez à l&apos;intérieur de la maille dont vous avez écrit l&apos;équation.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
</context>
<context>
    <name>ModifiedNodalNotesDialog</name>
    <message>
        <source>Nodal Analysis employs branch voltages as its independent variables: every branch voltage is written as the difference of the voltages of the two nodes at its ends, and Kirchhoff&apos;s Current Law is applied at every node except the datum node. This works well for resistors and current sources, but the current through an ideal voltage source cannot be written from its voltage.</source>
        <translation>La méthode des nœuds prend les tensions de branche comme variables indépendantes : chaque tension de branche s&apos;écrit comme la différence des tensions des deux nœuds à ses extrémités, et la loi des nœuds de Kirchhoff est appliquée à chaque nœud sauf au nœud de référence. Cela convient bien aux résistances et aux sources de courant, mais le courant qui traverse une source de tension idéale ne peut pas s&apos;écrire à partir de sa tension.</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis is derived from Nodal Analysis by taking the current through each voltage source as one more unknown, and by adding for each voltage source one more equation: the voltage of its positive node minus the voltage of its negative node equals the value of the source.</source>
        <translation>L&apos;analyse nodale modifiée découle de la méthode des nœuds : elle prend le courant de chaque source de tension comme inconnue supplémentaire et ajoute pour chaque source de tension une équation de plus : la tension de son nœud positif moins la tension de son nœud négatif est égale à la valeur de la source.</translation>
    </message>
    <message>
        <source>Together with the branch voltage variables, these source currents make up one set of linear equations with exactly as many equations as unknowns. Solving it gives every node voltage and every source current in one step, whatever mixture of resistors and sources the circuit holds.</source>
        <translation>Avec les variables de tension de branche, ces courants de source forment un seul système d&apos;équations linéaires comportant exactement autant d&apos;équations que d&apos;inconnues. Sa résolution donne en une seule étape chaque tension de nœud et chaque courant de source, quel que soit le mélange de résistances et de sources que contient le circuit.</translation>
    </message>
    <message>
        <source>This tutor will take you through writing the extra equations for the voltage sources and solving the enlarged set of equations.</source>
        <translation>Ce tuteur vous guide dans l&apos;écriture des équations supplémentaires des sources de tension et dans la résolution du système d&apos;équations élargi.</translation>
    </message>
</context>
<context>
    <name>ModifiedNodalTutor</name>
    <message>
        <source>The Modified Nodal Analysis Tutor builds systems of up to %1 unknowns, which its windows show whole; this circuit has %2. View &gt; Matrix Form shows its system.</source>
        <translation>Le tuteur de l&apos;analyse nodale modifiée construit des systèmes d&apos;au plus %1 inconnues, que ses fenêtres affichent en entier ; ce circuit en a %2. Affichage &gt; Forme matricielle affiche son système.</translation>
    </message>
</context>
<context>
    <name>NamedSystem</name>
    <message>
        <source>The loop current system</source>
        <translation>Le système des courants de boucle</translation>
    </message>
    <message>
        <source>each loop current runs through its chord in the chord&apos;s own direction</source>
        <translation>chaque courant de boucle traverse sa corde dans le sens propre de la corde</translation>
    </message>
    <message>
        <source>the circuit has no loop.</source>
        <translation>le circuit n&apos;a aucune boucle.</translation>
    </message>
    <message>
        <source>the current of the loop that %1 closes, in its direction</source>
        <translation>le courant de la boucle que ferme %1, dans son sens</translation>
    </message>
    <message>
        <source>The mesh current system</source>
        <translation>Le système des courants de maille</translation>
    </message>
    <message>
        <source>each mesh current runs clockwise round its mesh</source>
        <translation>chaque courant de maille tourne dans le sens horaire autour de sa maille</translation>
    </message>
    <message>
        <source>the circuit has no mesh.</source>
        <translation>le circuit n&apos;a aucune maille.</translation>
    </message>
    <message>
        <source>the clockwise current of mesh %1</source>
        <translation>le courant horaire de la maille %1</translation>
    </message>
    <message>
        <source>the voltage of node %1</source>
        <translation>la tension du nœud %1</translation>
    </message>
    <message>
        <source>the current through %1, from its + terminal to its - terminal</source>
        <translation>le courant qui traverse %1, de sa borne + vers sa borne -</translation>
    </message>
    <message>
        <source>The modified nodal system</source>
        <translation>Le système nodal modifié</translation>
    </message>
    <message>
        <source>node %1 is the datum node, at 0 V</source>
        <translation>le nœud %1 est le nœud de référence, à 0 V</translation>
    </message>
    <message>
        <source>node %1, the datum node, is the only node.</source>
        <translation>le nœud %1, nœud de référence, est le seul nœud.</translation>
    </message>
    <message>
        <source>each loop current runs round its loop in the direction it was traced</source>
        <translation>chaque courant de boucle parcourt sa boucle dans le sens où elle a été tracée</translation>
    </message>
    <message>
        <source>the current of loop %1, in the direction it was traced</source>
        <translation>le courant de la boucle %1, dans le sens où elle a été tracée</translation>
    </message>
</context>
<context>
    <name>Netlist</name>
    <message>
        <source>Kirvolt does not solve this circuit:
%1</source>
        <translation>Kirvolt ne résout pas ce circuit :
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
        <translation>Bravo ! C&apos;est juste.

Votre circuit compte au total  %1 nœuds.

Vous devez donc établir  %2 équations de tension de nœud.

Poursuivez votre analyse.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is just less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Désolé,

le nombre de nœuds

de votre circuit est juste inférieur à %1,

vérifiez attentivement votre circuit

et réessayez.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is just greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Désolé,

le nombre de nœuds

de votre circuit est juste supérieur à %1,

vérifiez attentivement votre circuit

et réessayez.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is slightly less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Désolé,

le nombre de nœuds

de votre circuit est légèrement inférieur à %1,

vérifiez attentivement votre circuit

et réessayez.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is slightly greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Désolé,

le nombre de nœuds

de votre circuit est légèrement supérieur à %1,

vérifiez attentivement votre circuit

et réessayez.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Désolé,

le nombre de nœuds

de votre circuit est inférieur à %1,

vérifiez attentivement votre circuit

et réessayez.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Désolé,

le nombre de nœuds

de votre circuit est supérieur à %1,

vérifiez attentivement votre circuit

et réessayez.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is much less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Désolé,

le nombre de nœuds

de votre circuit est bien inférieur à %1,

vérifiez attentivement votre circuit

et réessayez.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is much greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Désolé,

le nombre de nœuds

de votre circuit est bien supérieur à %1,

vérifiez attentivement votre circuit

et réessayez.</translation>
    </message>
</context>
<context>
    <name>NodeEquationCheck</name>
    <message>
        <source>node %1</source>
        <translation>nœud %1</translation>
    </message>
    <message>
        <source>the macro node of nodes %1</source>
        <translation>macro-nœud des nœuds %1</translation>
    </message>
    <message>
        <source>This relates the voltages of the macro node&apos;s own nodes, as its voltage sources do. The KCL equation of the macro node balances the currents leaving it through its resistors against the currents of its current sources.</source>
        <translation>Ceci relie les tensions des nœuds du macro-nœud, comme le font ses sources de tension. L&apos;équation de la loi des nœuds du macro-nœud équilibre les courants qui en sortent par ses résistances et les courants de ses sources de courant.</translation>
    </message>
    <message>
        <source>The equation has no term in %1 or in the voltage of a node joined to %2, so it cannot be the KCL equation of %2.</source>
        <translation>L&apos;équation n&apos;a aucun terme en %1 ni en la tension d&apos;un nœud relié au %2 : elle ne peut donc pas être l&apos;équation de la loi des nœuds du %2.</translation>
    </message>
    <message>
        <source>The equation does not balance the currents at %1.</source>
        <translation>L&apos;équation n&apos;équilibre pas les courants au %1.</translation>
    </message>
    <message>
        <source>The term in %1 is wrong: the current through %2 gives %1 the coefficient %3 S, but the equation gives it %4 S.</source>
        <translation>Le terme en %1 est faux : le courant qui traverse %2 donne à %1 le coefficient %3 S, mais l&apos;équation lui donne %4 S.</translation>
    </message>
    <message>
        <source>The coefficient of %1 is wrong: the resistors at %2 give it %3 S, but the equation gives it %4 S.</source>
        <translation>Le coefficient de %1 est faux : les résistances reliées au %2 lui donnent %3 S, mais l&apos;équation lui donne %4 S.</translation>
    </message>
    <message>
        <source>The term for %1 is missing: current leaves %2 through %1, %3.</source>
        <translation>Le terme de %1 manque : du courant sort du %2 par %1, %3.</translation>
    </message>
    <message>
        <source>The term for %1 has the wrong sign: the current leaving %2 through %1 is %3, not %4.</source>
        <translation>Le terme de %1 a le mauvais signe : le courant qui sort du %2 par %1 vaut %3, et non %4.</translation>
    </message>
    <message>
        <source>The term for %1 has the wrong conductance: the current through %1 is %2, with 1/%1 = %3 S, but the equation has %4 S.</source>
        <translation>Le terme de %1 a la mauvaise conductance : le courant qui traverse %1 vaut %2, avec 1/%1 = %3 S, mais l&apos;équation a %4 S.</translation>
    </message>
    <message>
        <source>The terms for %1 have the wrong conductance: together they are %2= %3 S, but the equation has %4 S.</source>
        <translation>Les termes de %1 ont la mauvaise conductance : ensemble ils valent %2= %3 S, mais l&apos;équation a %4 S.</translation>
    </message>
    <message>
        <source>The equation has a term for %1, which does not touch %2: %1 lies between node %3 and node %4.</source>
        <translation>L&apos;équation a un terme pour %1, qui ne touche pas le %2 : %1 se trouve entre le nœud %3 et le nœud %4.</translation>
    </message>
    <message>
        <source>The equation has a term in %1, but no resistor joins node %2 to %3.</source>
        <translation>L&apos;équation a un terme en %1, mais aucune résistance ne relie le nœud %2 au %3.</translation>
    </message>
    <message>
        <source>The current of %1 is missing: %2.</source>
        <translation>Le courant de %1 manque : %2.</translation>
    </message>
    <message>
        <source>%1 stands on the other side of “=” with the sign it would have beside the resistor currents: moving a term across “=” changes its sign. %2.</source>
        <translation>%1 se trouve de l&apos;autre côté du « = » avec le signe qu&apos;elle aurait à côté des courants des résistances : faire passer un terme de l&apos;autre côté du « = » change son signe. %2.</translation>
    </message>
    <message>
        <source>%1 is turned round: %2.</source>
        <translation>%1 est inversée : %2.</translation>
    </message>
    <message>
        <source>The equation has a constant term, but no current source is connected to %1, so with the node voltages alone the currents add up to 0.</source>
        <translation>L&apos;équation a un terme constant, mais aucune source de courant n&apos;est reliée au %1 : avec les seules tensions de nœud, la somme des courants vaut donc 0.</translation>
    </message>
    <message>
        <source>The constant terms are wrong: brought beside the currents leaving %1, they should come to %2 A, but the equation gives %3 A.</source>
        <translation>Les termes constants sont faux : placés à côté des courants qui sortent du %1, ils devraient valoir %2 A, mais l&apos;équation donne %3 A.</translation>
    </message>
    <message>
        <source>Through the voltage sources, %1.</source>
        <translation>Par les sources de tension, %1.</translation>
    </message>
    <message>
        <source>%1 drives %2 A out of node %3</source>
        <translation>%1 fait sortir %2 A du nœud %3</translation>
    </message>
    <message>
        <source>%1 drives %2 A into node %3</source>
        <translation>%1 fait entrer %2 A dans le nœud %3</translation>
    </message>
    <message>
        <source>Right: the datum node is at 0 V, %1.</source>
        <translation>Juste : le nœud de référence est à 0 V, %1.</translation>
    </message>
    <message>
        <source>Right: the voltage sources set %1.</source>
        <translation>Juste : les sources de tension imposent %1.</translation>
    </message>
    <message>
        <source>Right: this is the KCL equation of %1.</source>
        <translation>Juste : c&apos;est l&apos;équation de la loi des nœuds du %1.</translation>
    </message>
    <message>
        <source>Right: this is the combined KCL equation of %1.</source>
        <translation>Juste : c&apos;est l&apos;équation combinée de la loi des nœuds du %1.</translation>
    </message>
    <message>
        <source>Not quite: node %1 is the datum node, at 0 V by choice: %2.</source>
        <translation>Pas tout à fait : le nœud %1 est le nœud de référence, à 0 V par choix : %2.</translation>
    </message>
    <message>
        <source>Not quite: node %1 is joined to the datum node by voltage sources, so its voltage follows from their EMFs alone: %2.</source>
        <translation>Pas tout à fait : le nœud %1 est relié au nœud de référence par des sources de tension, sa tension découle donc de leurs seules f.é.m. : %2.</translation>
    </message>
    <message>
        <source>Not yet: this is not the KCL equation of %1.</source>
        <translation>Pas encore : ce n&apos;est pas l&apos;équation de la loi des nœuds du %1.</translation>
    </message>
    <message>
        <source>Not yet: this is not the combined KCL equation of %1.</source>
        <translation>Pas encore : ce n&apos;est pas l&apos;équation combinée de la loi des nœuds du %1.</translation>
    </message>
    <message>
        <source>Write node voltages as V and the node&apos;s name (%1), element names for their values (R1, E1, J1), numbers with or without prefixes (4.7k, 10m), + - * / and parentheses, and one “=”.</source>
        <translation>Écrivez les tensions de nœud sous la forme V suivi du nom du nœud (%1), les noms des éléments pour leurs valeurs (R1, E1, J1), les nombres avec ou sans préfixe (4.7k, 10m), + - * / et des parenthèses, et un seul « = ».</translation>
    </message>
    <message>
        <source>The datum node %1 is at 0 V.</source>
        <translation>Le nœud de référence %1 est à 0 V.</translation>
    </message>
    <message>
        <source>Node %1 is the datum node. Type the equation that gives its voltage.</source>
        <translation>Le nœud %1 est le nœud de référence. Tapez l&apos;équation qui donne sa tension.</translation>
    </message>
    <message>
        <source>Node %1 is joined to the datum node by voltage sources. Type the equation that gives its voltage.</source>
        <translation>Le nœud %1 est relié au nœud de référence par des sources de tension. Tapez l&apos;équation qui donne sa tension.</translation>
    </message>
    <message>
        <source>Node %1 belongs to %2, which the voltage sources tie together. Type the combined KCL equation of the macro node: the currents leaving it through its resistors balance the currents of its current sources.</source>
        <translation>Le nœud %1 appartient au %2, que les sources de tension lient entre eux. Tapez l&apos;équation combinée de la loi des nœuds du macro-nœud : les courants qui en sortent par ses résistances équilibrent les courants de ses sources de courant.</translation>
    </message>
    <message>
        <source>Type the KCL equation of node %1: the currents leaving it through its resistors balance the currents of its current sources.</source>
        <translation>Tapez l&apos;équation de la loi des nœuds du nœud %1 : les courants qui en sortent par ses résistances équilibrent les courants de ses sources de courant.</translation>
    </message>
</context>
<context>
    <name>NodeEquations</name>
    <message>
        <source>Nodes %1 form a macro node through the Voltage Source %2.</source>
        <translation>Les nœuds %1 forment un macro-nœud par la source de tension %2.</translation>
    </message>
    <message>
        <source>Nodes %1 form a macro node through the Voltage Sources %2.</source>
        <translation>Les nœuds %1 forment un macro-nœud par les sources de tension %2.</translation>
    </message>
    <message>
        <source>.  (Note that %1 is negative because its direction is opposite to the assumed direction. )</source>
        <translation>.  (Notez que %1 est négatif car son sens est opposé au sens supposé. )</translation>
    </message>
    <message>
        <source>.  (Note that %1 are negative as thier directions are opposite to the assumed direction.)</source>
        <translation>.  (Notez que %1 sont négatifs car leurs sens sont opposés au sens supposé.)</translation>
    </message>
    <message>
        <source>Flow-out currents via Resistor %1</source>
        <translation>Courants sortants par la résistance %1</translation>
    </message>
    <message>
        <source>Sum of flow-out currents via Resistors %1</source>
        <translation>Somme des courants sortants par les résistances %1</translation>
    </message>
    <message>
        <source>0    , because no current source is connected to Node  %1  </source>
        <translation>0    , car aucune source de courant n&apos;est reliée au nœud  %1  </translation>
    </message>
    <message>
        <source>Flow-in current from Current Source %1</source>
        <translation>Courant entrant depuis la source de courant %1</translation>
    </message>
    <message>
        <source>Sum of flow-in currents from Current Sources %1</source>
        <translation>Somme des courants entrants depuis les sources de courant %1</translation>
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
        <translation>Pour ne pas faire intervenir dans l&apos;équation des tensions de nœud les courants inconnus
fournis par les sources de tension, vous pouvez regrouper les parties marquées en ROUGE
en un macro-nœud, et obtenir l&apos;équation de ce macro-nœud en égalant la somme des courants
qui sortent par les résistances reliées à ce macro-nœud à la somme des courants qui entrent
dans ce macro-nœud depuis les sources de courant actives qui lui sont reliées.

Si aucune source de courant n&apos;est reliée à ce macro-nœud, la somme des courants qui
entrent dans ce macro-nœud est alors égale à zéro.

Les tensions des nœuds de ce macro-nœud sont liées par les sources de tension reliées.

Les équations détaillées sont indiquées.</translation>
    </message>
    <message>
        <source>Node %1 is the chosen Datum Node,
 the voltage at this node is taken as zero.</source>
        <translation>Le nœud %1 est le nœud de référence choisi,
 la tension de ce nœud est prise égale à zéro.</translation>
    </message>
    <message>
        <source>This node is directly connected to the datum node via the Voltage Source  %1.</source>
        <translation>Ce nœud est relié directement au nœud de référence par la source de tension  %1.</translation>
    </message>
    <message>
        <source>This node is connected to the datum node through the Voltage Sources:  %1.</source>
        <translation>Ce nœud est relié au nœud de référence par les sources de tension :  %1.</translation>
    </message>
    <message>
        <source>This node is connected to the first macro node via the Voltage Source  %1.</source>
        <translation>Ce nœud est relié au premier macro-nœud par la source de tension  %1.</translation>
    </message>
    <message>
        <source>This node is connected to the first macro node through the Voltage Sources:  %1.</source>
        <translation>Ce nœud est relié au premier macro-nœud par les sources de tension :  %1.</translation>
    </message>
    <message>
        <source>Error in calculation</source>
        <translation>Erreur de calcul</translation>
    </message>
</context>
<context>
    <name>PlaneMeshes</name>
    <message>
        <source>%1 and %2 cross at grid point (%3, %4) without meeting at their ends, and the Mesh Current Method needs a drawing in which no two parts cross. If they should connect there, end them both at that point; if not, draw them apart; or analyse the circuit with the Node Voltage Method, which takes any drawing.</source>
        <translation>%1 et %2 se croisent au point de grille (%3, %4) sans se rejoindre à leurs extrémités, et la méthode des mailles exige un dessin où aucune partie n&apos;en croise une autre. S&apos;ils doivent être reliés à cet endroit, terminez-les tous deux en ce point ; sinon, écartez-les ; ou analysez le circuit avec la méthode des nœuds, qui accepte tout dessin.</translation>
    </message>
    <message>
        <source>%1 close a loop of wires, round which no element decides the current, so the Mesh Current Method cannot give that loop a mesh current. Take one of those wires away, or analyse the circuit with the Node Voltage Method, which takes any drawing.</source>
        <translation>%1 ferment une boucle de fils, autour de laquelle aucun élément ne fixe le courant : la méthode des mailles ne peut donc pas donner de courant de maille à cette boucle. Enlevez l&apos;un de ces fils, ou analysez le circuit avec la méthode des nœuds, qui accepte tout dessin.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 (datum)</source>
        <translation>%1 (référence)</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>Nœuds</translation>
    </message>
    <message>
        <source>The datum node is node %1, at 0 V.</source>
        <translation>Le nœud de référence est le nœud %1, à 0 V.</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Nœud</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Joints (grid position)</source>
        <translation>Jonctions (position sur la grille)</translation>
    </message>
    <message>
        <source>Meshes</source>
        <translation>Mailles</translation>
    </message>
    <message>
        <source>Each mesh current runs clockwise round its mesh.</source>
        <translation>Chaque courant de maille tourne dans le sens horaire autour de sa maille.</translation>
    </message>
    <message>
        <source>Mesh</source>
        <translation>Maille</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>Top-left corner (grid position)</source>
        <translation>Coin supérieur gauche (position sur la grille)</translation>
    </message>
    <message>
        <source>Elements clockwise from the corner</source>
        <translation>Éléments dans le sens horaire depuis le coin</translation>
    </message>
    <message>
        <source>Check: the voltage drops clockwise round each mesh sum to zero</source>
        <translation>Vérification : la somme des chutes de tension dans le sens horaire autour de chaque maille est nulle</translation>
    </message>
    <message>
        <source>Check: the currents leaving each node sum to zero</source>
        <translation>Vérification : la somme des courants qui sortent de chaque nœud est nulle</translation>
    </message>
    <message>
        <source>%1 to node %2</source>
        <translation>%1 vers le nœud %2</translation>
    </message>
    <message>
        <source>Node %1:</source>
        <translation>Nœud %1 :</translation>
    </message>
    <message>
        <source>The circuit</source>
        <translation>Le circuit</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Worked solution: %1</source>
        <translation>Solution détaillée : %1</translation>
    </message>
    <message>
        <source>Mesh %1:</source>
        <translation>Maille %1 :</translation>
    </message>
    <message>
        <source>Supermesh of meshes %1:</source>
        <translation>Supermaille des mailles %1 :</translation>
    </message>
</context>
<context>
    <name>ResultsText</name>
    <message>
        <source>Component: power in W, absorbed (+) or delivered (-).</source>
        <translation>Composant : puissance en W, absorbée (+) ou fournie (-).</translation>
    </message>
    <message>
        <source>Power delivered %1 = power absorbed %2.</source>
        <translation>Puissance fournie %1 = puissance absorbée %2.</translation>
    </message>
    <message>
        <source>Meter: reading, from its + terminal to its - terminal.</source>
        <translation>Appareil de mesure : mesure, de sa borne + vers sa borne -.</translation>
    </message>
    <message>
        <source>%1 reads %2.</source>
        <translation>%1 indique %2.</translation>
    </message>
    <message>
        <source>Node Number:  Node Voltage in V</source>
        <translation>Numéro de nœud :  Tension du nœud en V</translation>
    </message>
    <message>
        <source>Node %1:   %2.</source>
        <translation>Nœud %1 :   %2.</translation>
    </message>
    <message>
        <source>Component: p.d. in V; current in A.</source>
        <translation>Composant : d.d.p. en V ; courant en A.</translation>
    </message>
</context>
<context>
    <name>RuleChecks</name>
    <message>
        <source>Voltage Source %1 has invalid EMF value.
The EMF value must not be 0.

If you wish to have a branch of zero p.d. over there,
you may replace the voltage source with a short circuit (a wire).</source>
        <translation>La source de tension %1 a une valeur de f.é.m. non valide.
La valeur de la f.é.m. ne doit pas être 0.

Si vous souhaitez une branche de d.d.p. nulle à cet endroit,
vous pouvez remplacer la source de tension par un court-circuit (un fil).</translation>
    </message>
    <message>
        <source>Current Source %1 has invalid current value.
The current value must not be 0.

If you wish to have a branch of zero current over there,
you may replace the current source with an open circuit.</source>
        <translation>La source de courant %1 a une valeur de courant non valide.
La valeur du courant ne doit pas être 0.

Si vous souhaitez une branche de courant nul à cet endroit,
vous pouvez remplacer la source de courant par un circuit ouvert.</translation>
    </message>
    <message>
        <source>Resistor %1 has invalid resistance.
%2</source>
        <translation>La résistance %1 a une valeur non valide.
%2</translation>
    </message>
    <message>
        <source>Node %1 is not correctly connected.</source>
        <translation>Le nœud %1 n&apos;est pas correctement relié.</translation>
    </message>
    <message>
        <source> or </source>
        <extracomment>Between the sources of which the user is to keep one, as in &quot;V1 or V2 or V3&quot;.</extracomment>
        <translation> ou </translation>
    </message>
    <message>
        <source>Ideal Voltage Sources of the same value connected in parallel
is just equivalent to a single Ideal Voltage Source of the same value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and remove the other voltage source,
then apply the analysis again.</source>
        <translation>Des sources de tension idéales de même valeur branchées en parallèle
équivalent simplement à une seule source de tension idéale de même valeur.
Pour simplifier l&apos;analyse de votre circuit,
conservez seulement
  %1 
et supprimez l&apos;autre source de tension,
puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>Ideal Voltage Sources of the same value connected in parallel
is just equivalent to a single Ideal Voltage Source of the same value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and remove all other voltage sources,
then apply the analysis again.</source>
        <translation>Des sources de tension idéales de même valeur branchées en parallèle
équivalent simplement à une seule source de tension idéale de même valeur.
Pour simplifier l&apos;analyse de votre circuit,
conservez seulement
  %1 
et supprimez toutes les autres sources de tension,
puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>Ideal Voltage Sources  of different values cannot be parallel connected.
This violates the basic circuit rule that the potential difference between
any pair of nodes can only have a unique value,
please just retain either
   %1 
and remove the other voltage source,
then apply the analysis again.</source>
        <translation>Des sources de tension idéales  de valeurs différentes ne peuvent pas être branchées en parallèle.
Cela enfreint la règle de base selon laquelle la différence de potentiel entre
deux nœuds quelconques ne peut avoir qu&apos;une seule valeur,
conservez seulement
   %1 
et supprimez l&apos;autre source de tension,
puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>Ideal Voltage Sources  of different values cannot be parallel connected.
This violates the basic circuit rule that the potential difference between
any pair of nodes can only have a unique value,
please just retain either
   %1 
and remove all other voltage sources,
then apply the analysis again.</source>
        <translation>Des sources de tension idéales  de valeurs différentes ne peuvent pas être branchées en parallèle.
Cela enfreint la règle de base selon laquelle la différence de potentiel entre
deux nœuds quelconques ne peut avoir qu&apos;une seule valeur,
conservez seulement
   %1 
et supprimez toutes les autres sources de tension,
puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of the same value connected in series
is just equivalent to a single Ideal Current Source of that value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and replace the other current source with a short circuit,
then apply the analysis again.</source>
        <translation>Des sources de courant idéales de même valeur branchées en série
équivalent simplement à une seule source de courant idéale de cette valeur.
Pour simplifier l&apos;analyse de votre circuit,
conservez seulement
  %1 
et remplacez l&apos;autre source de courant par un court-circuit,
puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of the same value connected in series
is just equivalent to a single Ideal Current Source of that value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and replace all other current sources with short circuits,
then apply the analysis again.</source>
        <translation>Des sources de courant idéales de même valeur branchées en série
équivalent simplement à une seule source de courant idéale de cette valeur.
Pour simplifier l&apos;analyse de votre circuit,
conservez seulement
  %1 
et remplacez toutes les autres sources de courant par des courts-circuits,
puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of different values or directions cannot be series
connected. This violates the basic circuit rule that the current flowing
in any single branch should be the same throughout that branch,
please just retain one of of the following current sources:
   %1 
and replace the other current source with a short circuit,
then apply the analysis again.</source>
        <translation>Des sources de courant idéales de valeurs ou de sens différents ne peuvent pas être
branchées en série. Cela enfreint la règle de base selon laquelle le courant qui circule
dans une branche doit être le même tout le long de cette branche,
conservez seulement l&apos;une des sources de courant suivantes :
   %1 
et remplacez l&apos;autre source de courant par un court-circuit,
puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of different values or directions cannot be series
connected. This violates the basic circuit rule that the current flowing
in any single branch should be the same throughout that branch,
please just retain one of of the following current sources:
   %1 
and replace all other current sources with short circuits,
then apply the analysis again.</source>
        <translation>Des sources de courant idéales de valeurs ou de sens différents ne peuvent pas être
branchées en série. Cela enfreint la règle de base selon laquelle le courant qui circule
dans une branche doit être le même tout le long de cette branche,
conservez seulement l&apos;une des sources de courant suivantes :
   %1 
et remplacez toutes les autres sources de courant par des courts-circuits,
puis relancez l&apos;analyse.</translation>
    </message>
</context>
<context>
    <name>Selection</name>
    <message>
        <source>Turned about its centre, the selection would leave the drawing area. Move it further in first.</source>
        <translation>Tournée autour de son centre, la sélection sortirait de la zone de dessin. Rapprochez-la d&apos;abord du centre.</translation>
    </message>
</context>
<context>
    <name>Solvability</name>
    <message>
        <source>Voltage Source %1 has both of its terminals on the same node, so it forms a closed loop by itself.
Its EMF cannot appear across a single node, and the current through it cannot be found.

Please remove this voltage source, or connect its terminals to two different nodes,
then apply the analysis again.</source>
        <translation>La source de tension %1 a ses deux bornes sur le même nœud : elle forme donc à elle seule une boucle fermée.
Sa f.é.m. ne peut pas apparaître aux bornes d&apos;un seul nœud, et le courant qui la traverse ne peut pas être trouvé.

Supprimez cette source de tension, ou reliez ses bornes à deux nœuds différents,
puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>Voltage Sources %1 form a closed loop.
Around a closed loop the EMFs must add up to zero, and even when they do,
the current that circulates around the loop cannot be found from the node voltages.

Please remove one of these voltage sources, or put a resistor in series with it,
then apply the analysis again.</source>
        <translation>Les sources de tension %1 forment une boucle fermée.
Autour d&apos;une boucle fermée, la somme des f.é.m. doit être nulle, et même dans ce cas,
le courant qui circule dans la boucle ne peut pas se déduire des tensions de nœud.

Supprimez l&apos;une de ces sources de tension, ou placez une résistance en série avec elle,
puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>Node %1 has no path through resistors or voltage sources to the datum node %2,
so nothing ties its voltage to the datum node and the analysis cannot find it.

Please connect this part of the circuit to the rest of the circuit through a resistor,
a voltage source or a wire, or remove it, then apply the analysis again.</source>
        <translation>Le nœud %1 n&apos;a aucun chemin par des résistances ou des sources de tension vers le nœud de référence %2 :
rien ne lie donc sa tension au nœud de référence, et l&apos;analyse ne peut pas la trouver.

Reliez cette partie du circuit au reste du circuit par une résistance,
une source de tension ou un fil, ou supprimez-la, puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>Nodes %1 have no path through resistors or voltage sources to the datum node %2,
so nothing ties their voltages to the datum node and the analysis cannot find them.

Please connect this part of the circuit to the rest of the circuit through a resistor,
a voltage source or a wire, or remove it, then apply the analysis again.</source>
        <translation>Les nœuds %1 n&apos;ont aucun chemin par des résistances ou des sources de tension vers le nœud de référence %2 :
rien ne lie donc leurs tensions au nœud de référence, et l&apos;analyse ne peut pas les trouver.

Reliez cette partie du circuit au reste du circuit par une résistance,
une source de tension ou un fil, ou supprimez-la, puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>Node %1 is connected to the rest of the circuit only through Current Source %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltage of this node to the datum node %3 and the analysis cannot find it.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>Le nœud %1 n&apos;est relié au reste du circuit que par la source de courant %2.
Une source de courant impose le courant de sa branche, mais pas la tension à ses bornes :
rien ne lie donc la tension de ce nœud au nœud de référence %3, et l&apos;analyse ne peut pas la trouver.

Ajoutez une résistance ou une source de tension entre cette partie et le reste du circuit,
puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>Node %1 is connected to the rest of the circuit only through Current Sources %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltage of this node to the datum node %3 and the analysis cannot find it.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>Le nœud %1 n&apos;est relié au reste du circuit que par les sources de courant %2.
Une source de courant impose le courant de sa branche, mais pas la tension à ses bornes :
rien ne lie donc la tension de ce nœud au nœud de référence %3, et l&apos;analyse ne peut pas la trouver.

Ajoutez une résistance ou une source de tension entre cette partie et le reste du circuit,
puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>Nodes %1 are connected to the rest of the circuit only through Current Source %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltages of these nodes to the datum node %3 and the analysis cannot find them.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>Les nœuds %1 ne sont reliés au reste du circuit que par la source de courant %2.
Une source de courant impose le courant de sa branche, mais pas la tension à ses bornes :
rien ne lie donc les tensions de ces nœuds au nœud de référence %3, et l&apos;analyse ne peut pas les trouver.

Ajoutez une résistance ou une source de tension entre cette partie et le reste du circuit,
puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>Nodes %1 are connected to the rest of the circuit only through Current Sources %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltages of these nodes to the datum node %3 and the analysis cannot find them.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>Les nœuds %1 ne sont reliés au reste du circuit que par les sources de courant %2.
Une source de courant impose le courant de sa branche, mais pas la tension à ses bornes :
rien ne lie donc les tensions de ces nœuds au nœud de référence %3, et l&apos;analyse ne peut pas les trouver.

Ajoutez une résistance ou une source de tension entre cette partie et le reste du circuit,
puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>The node equations of this circuit have no unique solution,
so the analysis cannot find its node voltages.

Please check the values and the connections of your components,
then apply the analysis again.</source>
        <translation>Les équations de nœud de ce circuit n&apos;ont pas de solution unique :
l&apos;analyse ne peut donc pas trouver ses tensions de nœud.

Vérifiez les valeurs et les connexions de vos composants,
puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>The values of this circuit span too many orders of magnitude,
for the analysis to find node voltages, p.d.s and currents that agree with each other.

Please bring the smallest and the largest values closer together,
then apply the analysis again.</source>
        <translation>Les valeurs de ce circuit s&apos;étendent sur trop d&apos;ordres de grandeur
pour que l&apos;analyse trouve des tensions de nœud, des d.d.p. et des courants cohérents entre eux.

Rapprochez la plus petite et la plus grande valeur,
puis relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>The values of this circuit span too many orders of magnitude, from %1 to %2,
for the analysis to find node voltages, p.d.s and currents that agree with each other.

Please bring the smallest and the largest values closer together,
then apply the analysis again.</source>
        <translation>Les valeurs de ce circuit s&apos;étendent sur trop d&apos;ordres de grandeur, de %1 à %2,
pour que l&apos;analyse trouve des tensions de nœud, des d.d.p. et des courants cohérents entre eux.

Rapprochez la plus petite et la plus grande valeur,
puis relancez l&apos;analyse.</translation>
    </message>
</context>
<context>
    <name>SpiceReader</name>
    <message>
        <source>Kirvolt reads only resistors (R), voltage sources (V) and current sources (I).</source>
        <translation>Kirvolt ne lit que les résistances (R), les sources de tension (V) et les sources de courant (I).</translation>
    </message>
    <message>
        <source>Kirvolt analyses DC circuits only.</source>
        <translation>Kirvolt n&apos;analyse que les circuits en courant continu.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>an XSPICE code model</source>
        <translation>un modèle de code XSPICE</translation>
    </message>
    <message>
        <source>a behavioural source</source>
        <translation>une source comportementale</translation>
    </message>
    <message>
        <source>a capacitor</source>
        <translation>un condensateur</translation>
    </message>
    <message>
        <source>a diode</source>
        <translation>une diode</translation>
    </message>
    <message>
        <source>a voltage-controlled voltage source</source>
        <translation>une source de tension commandée en tension</translation>
    </message>
    <message>
        <source>a current-controlled current source</source>
        <translation>une source de courant commandée en courant</translation>
    </message>
    <message>
        <source>a voltage-controlled current source</source>
        <translation>une source de courant commandée en tension</translation>
    </message>
    <message>
        <source>a current-controlled voltage source</source>
        <translation>une source de tension commandée en courant</translation>
    </message>
    <message>
        <source>a junction field-effect transistor</source>
        <translation>un transistor à effet de champ à jonction</translation>
    </message>
    <message>
        <source>a coupling of inductors</source>
        <translation>un couplage d&apos;inductances</translation>
    </message>
    <message>
        <source>an inductor</source>
        <translation>une inductance</translation>
    </message>
    <message>
        <source>a MOSFET</source>
        <translation>un MOSFET</translation>
    </message>
    <message>
        <source>a device of a model library</source>
        <translation>un composant d&apos;une bibliothèque de modèles</translation>
    </message>
    <message>
        <source>a lossy transmission line</source>
        <translation>une ligne de transmission avec pertes</translation>
    </message>
    <message>
        <source>a coupled transmission line</source>
        <translation>une ligne de transmission couplée</translation>
    </message>
    <message>
        <source>a bipolar transistor</source>
        <translation>un transistor bipolaire</translation>
    </message>
    <message>
        <source>a voltage-controlled switch</source>
        <translation>un interrupteur commandé en tension</translation>
    </message>
    <message>
        <source>a transmission line</source>
        <translation>une ligne de transmission</translation>
    </message>
    <message>
        <source>a uniform RC line</source>
        <translation>une ligne RC uniforme</translation>
    </message>
    <message>
        <source>a current-controlled switch</source>
        <translation>un interrupteur commandé en courant</translation>
    </message>
    <message>
        <source>a subcircuit</source>
        <translation>un sous-circuit</translation>
    </message>
    <message>
        <source>a MESFET</source>
        <translation>un MESFET</translation>
    </message>
    <message>
        <source>%1 needs two nodes and a resistance.</source>
        <translation>%1 nécessite deux nœuds et une résistance.</translation>
    </message>
    <message>
        <source>%1 needs two nodes.</source>
        <translation>%1 nécessite deux nœuds.</translation>
    </message>
    <message>
        <source>%1 is not an element SPICE knows.</source>
        <translation>%1 n&apos;est pas un élément connu de SPICE.</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 est %2.</translation>
    </message>
    <message>
        <source>%1 is named a second time; the first is on line %2.</source>
        <translation>%1 est nommé une deuxième fois ; le premier se trouve à la ligne %2.</translation>
    </message>
    <message>
        <source>%1 has the value %2, which SPICE reads as %3%4.</source>
        <translation>%1 a la valeur %2, que SPICE lit comme %3%4.</translation>
    </message>
    <message>
        <source>%1 has the value %2, which is not a number.</source>
        <translation>%1 a la valeur %2, qui n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>; write %1 if that is what is meant</source>
        <translation> ; écrivez %1 si c&apos;est ce que vous voulez dire</translation>
    </message>
    <message>
        <source>%1 has more than a resistance (%2).</source>
        <translation>%1 a plus qu&apos;une résistance (%2).</translation>
    </message>
    <message>
        <source>%1 has DC but no value.</source>
        <translation>%1 a DC mais aucune valeur.</translation>
    </message>
    <message>
        <source>%1 has an AC value.</source>
        <translation>%1 a une valeur AC.</translation>
    </message>
    <message>
        <source>%1 is a %2 source.</source>
        <translation>%1 est une source %2.</translation>
    </message>
    <message>
        <source>%1 has more than a DC value (%2).</source>
        <translation>%1 a plus qu&apos;une valeur DC (%2).</translation>
    </message>
    <message>
        <source>a continuation line (+) must follow an element.</source>
        <translation>une ligne de continuation (+) doit suivre un élément.</translation>
    </message>
    <message>
        <source>%1 belongs to a subcircuit.</source>
        <translation>%1 appartient à un sous-circuit.</translation>
    </message>
    <message>
        <source>%1 reads another file, which Kirvolt does not follow.</source>
        <translation>%1 lit un autre fichier, ce que Kirvolt ne suit pas.</translation>
    </message>
    <message>
        <source>The netlist is empty.</source>
        <translation>La netlist est vide.</translation>
    </message>
    <message>
        <source>The netlist has no resistors, voltage sources or current sources.</source>
        <translation>La netlist ne comporte ni résistance, ni source de tension, ni source de courant.</translation>
    </message>
</context>
<context>
    <name>Superposition</name>
    <message>
        <source>%1 = %2   (full analysis: %3)</source>
        <translation>%1 = %2   (analyse complète : %3)</translation>
    </message>
    <message>
        <source>%1 shorted</source>
        <translation>%1 court-circuitée</translation>
    </message>
    <message>
        <source>%1 opened</source>
        <translation>%1 ouverte</translation>
    </message>
    <message>
        <source>%1 alone</source>
        <translation>%1 seule</translation>
    </message>
    <message>
        <source>%1 alone (%2)</source>
        <translation>%1 seule (%2)</translation>
    </message>
    <message>
        <source>This circuit has no source: every voltage and current in it is zero.</source>
        <translation>Ce circuit n&apos;a aucune source : toutes ses tensions et tous ses courants sont nuls.</translation>
    </message>
    <message>
        <source>Superposition: one part for each source, with every other source set to zero.</source>
        <translation>Superposition : une partie pour chaque source, toutes les autres sources étant mises à zéro.</translation>
    </message>
    <message>
        <source>Part %1: %2</source>
        <translation>Partie %1 : %2</translation>
    </message>
    <message>
        <source>The sum of the parts beside the full analysis:</source>
        <translation>La somme des parties à côté de l&apos;analyse complète :</translation>
    </message>
    <message>
        <source>%1: p.d. %2</source>
        <translation>%1 : d.d.p. %2</translation>
    </message>
    <message>
        <source>%1: current %2</source>
        <translation>%1 : courant %2</translation>
    </message>
</context>
<context>
    <name>TheoremWindows</name>
    <message>
        <source>Thévenin Equivalent</source>
        <translation>Équivalent de Thévenin</translation>
    </message>
    <message>
        <source>Thévenin equivalent</source>
        <translation>Équivalent de Thévenin</translation>
    </message>
    <message>
        <source>Norton equivalent</source>
        <translation>Équivalent de Norton</translation>
    </message>
    <message>
        <source>Superposition</source>
        <translation>Superposition</translation>
    </message>
    <message>
        <source>Part %1: %2</source>
        <translation>Partie %1 : %2</translation>
    </message>
</context>
<context>
    <name>Thevenin</name>
    <message>
        <source>There is no resistor named %1 in this circuit.</source>
        <translation>Ce circuit n&apos;a aucune résistance nommée %1.</translation>
    </message>
    <message>
        <source>There is no node named %1 in this circuit.</source>
        <translation>Ce circuit n&apos;a aucun nœud nommé %1.</translation>
    </message>
    <message>
        <source>Node %1 is both terminals: choose two different nodes.</source>
        <translation>Le nœud %1 est les deux bornes : choisissez deux nœuds différents.</translation>
    </message>
    <message>
        <source>there are no sources to set to zero</source>
        <translation>il n&apos;y a aucune source à mettre à zéro</translation>
    </message>
    <message>
        <source>%1 and Norton equivalents as seen by %2, between nodes %3 and %4.</source>
        <translation>Équivalents de %1 et de Norton vus de %2, entre les nœuds %3 et %4.</translation>
    </message>
    <message>
        <source>1. %1 is taken out of the circuit; nodes %2 and %3 are left open.</source>
        <translation>1. %1 est retirée du circuit ; les nœuds %2 et %3 sont laissés ouverts.</translation>
    </message>
    <message>
        <source>%1 and Norton equivalents between nodes %2 and %3.</source>
        <translation>Équivalents de %1 et de Norton entre les nœuds %2 et %3.</translation>
    </message>
    <message>
        <source>1. Nodes %1 and %2 are the terminals; nothing is connected between them.</source>
        <translation>1. Les nœuds %1 et %2 sont les bornes ; rien n&apos;est branché entre eux.</translation>
    </message>
    <message>
        <source>2. The open-circuit voltage, by the node voltage method:</source>
        <translation>2. La tension à vide, par la méthode des nœuds :</translation>
    </message>
    <message>
        <source>2. There is no open-circuit voltage to find: with the terminals open, nothing joins the side of node %1 to the side of node %2, so nothing fixes the voltage between them.</source>
        <translation>2. Il n&apos;y a pas de tension à vide à trouver : bornes ouvertes, rien ne relie le côté du nœud %1 au côté du nœud %2, donc rien ne fixe la tension entre eux.</translation>
    </message>
    <message>
        <source>2. There is no open-circuit voltage to find: with the terminals open, only the current source %1 joins the side of node %2 to the side of node %3, which fixes a current and no voltage.</source>
        <translation>2. Il n&apos;y a pas de tension à vide à trouver : bornes ouvertes, seule la source de courant %1 relie le côté du nœud %2 au côté du nœud %3, ce qui fixe un courant et non une tension.</translation>
    </message>
    <message>
        <source>2. There is no open-circuit voltage to find: with the terminals open, only the current sources %1 join the side of node %2 to the side of node %3, which fix currents and no voltage.</source>
        <translation>2. Il n&apos;y a pas de tension à vide à trouver : bornes ouvertes, seules les sources de courant %1 relient le côté du nœud %2 au côté du nœud %3, ce qui fixe des courants et non une tension.</translation>
    </message>
    <message>
        <source>3. The sources set to zero (%1), the resistance seen between %2 and %3:</source>
        <translation>3. Les sources mises à zéro (%1), la résistance vue entre %2 et %3 :</translation>
    </message>
    <message>
        <source>the shorted %1 joins %2 to %3, so Rth = %4.</source>
        <translation>%1 court-circuitée relie %2 à %3, donc Rth = %4.</translation>
    </message>
    <message>
        <source>the shorted %1 join %2 to %3, so Rth = %4.</source>
        <translation>%1 court-circuitées relient %2 à %3, donc Rth = %4.</translation>
    </message>
    <message>
        <source>a test current of %1 into %2 and out of %3 gives %4 - %5 = %6, so Rth = %7.</source>
        <translation>un courant d&apos;essai de %1 entrant en %2 et sortant en %3 donne %4 - %5 = %6, donc Rth = %7.</translation>
    </message>
    <message>
        <source>nothing joins %1 to %2, so the resistance between them has no bound.</source>
        <translation>rien ne relie %1 à %2 : la résistance entre eux est donc infinie.</translation>
    </message>
    <message>
        <source>4. The short-circuit current, with %1 and %2 joined by a wire: In = %3 from %1 through the wire to %2.</source>
        <translation>4. Le courant de court-circuit, avec %1 et %2 reliés par un fil : In = %3 de %1 par le fil vers %2.</translation>
    </message>
    <message>
        <source>4. There is no short-circuit current to find: a wire from %1 to %2 would close a loop with %3.</source>
        <translation>4. Il n&apos;y a pas de courant de court-circuit à trouver : un fil de %1 à %2 fermerait une boucle avec %3.</translation>
    </message>
    <message>
        <source>%1 equivalent: Vth = %2, positive at %3, in series with Rth = %4.</source>
        <translation>Équivalent de %1 : Vth = %2, positif en %3, en série avec Rth = %4.</translation>
    </message>
    <message>
        <source>There is no %1 equivalent: the resistance between %2 and %3 has no bound, and no voltage source in series with a resistor behaves so.</source>
        <translation>Il n&apos;y a pas d&apos;équivalent de %1 : la résistance entre %2 et %3 est infinie, et aucune source de tension en série avec une résistance ne se comporte ainsi.</translation>
    </message>
    <message>
        <source>Norton equivalent: In = %1 into %2, in parallel with Rth = %3.</source>
        <translation>Équivalent de Norton : In = %1 entrant en %2, en parallèle avec Rth = %3.</translation>
    </message>
    <message>
        <source>Norton equivalent: In = %1 into %2, with no resistor beside it.</source>
        <translation>Équivalent de Norton : In = %1 entrant en %2, sans résistance à côté.</translation>
    </message>
    <message>
        <source>There is no Norton equivalent: the resistance between %1 and %2 is zero, and a current source beside a resistor of 0 %3 would drive its current through a short.</source>
        <translation>Il n&apos;y a pas d&apos;équivalent de Norton : la résistance entre %1 et %2 est nulle, et une source de courant à côté d&apos;une résistance de 0 %3 ferait passer son courant dans un court-circuit.</translation>
    </message>
</context>
<context>
    <name>TracedLoop</name>
    <message>
        <source>where %1 and %2 meet</source>
        <translation>là où %1 et %2 se rejoignent</translation>
    </message>
    <message>
        <source>a node</source>
        <translation>un nœud</translation>
    </message>
    <message>
        <source>Click a branch of your circuit to start the loop.</source>
        <translation>Cliquez sur une branche de votre circuit pour commencer la boucle.</translation>
    </message>
    <message>
        <source>%1 has both ends on one node, so it is a loop by itself: the loop is closed.</source>
        <translation>%1 a ses deux extrémités sur un même nœud : cet élément forme donc à lui seul une boucle, et la boucle est fermée.</translation>
    </message>
    <message>
        <source>%1 does not touch %2, the last branch of your loop.

Click a branch that goes on from one of its ends.</source>
        <translation>%1 ne touche pas %2, la dernière branche de votre boucle.

Cliquez sur une branche qui part de l&apos;une de ses extrémités.</translation>
    </message>
    <message>
        <source>Your loop is closed already: %1 would be one branch too many.</source>
        <translation>Votre boucle est déjà fermée : %1 serait une branche de trop.</translation>
    </message>
    <message>
        <source>%1 is in your loop already.

Click a branch that goes on from the end of %2 your loop has reached.</source>
        <translation>%1 est déjà dans votre boucle.

Cliquez sur une branche qui part de l&apos;extrémité de %2 atteinte par votre boucle.</translation>
    </message>
    <message>
        <source>%1 has both ends on one node, so it is a loop by itself and cannot be part of a longer one.</source>
        <translation>%1 a ses deux extrémités sur un même nœud : cet élément forme donc à lui seul une boucle et ne peut pas faire partie d&apos;une boucle plus longue.</translation>
    </message>
    <message>
        <source>%1 touches %2 only at the end your loop came in by.

Go on from the other end of %2.</source>
        <translation>%1 ne touche %2 qu&apos;à l&apos;extrémité par laquelle votre boucle est arrivée.

Repartez de l&apos;autre extrémité de %2.</translation>
    </message>
    <message>
        <source>%1 does not touch %2, the last branch of your loop.

Click a branch that goes on from the end of %2 your loop has reached.</source>
        <translation>%1 ne touche pas %2, la dernière branche de votre boucle.

Cliquez sur une branche qui part de l&apos;extrémité de %2 atteinte par votre boucle.</translation>
    </message>
    <message>
        <source>%1 would take your loop back to %2, which it has passed already: a loop passes each node only once.</source>
        <translation>%1 ramènerait votre boucle à %2, par où elle est déjà passée : une boucle ne passe qu&apos;une fois par chaque nœud.</translation>
    </message>
    <message>
        <source>Your loop is not closed yet: go on from either end of %1 until the loop comes back to its other end.</source>
        <translation>Votre boucle n&apos;est pas encore fermée : continuez depuis l&apos;une des extrémités de %1 jusqu&apos;à ce que la boucle revienne à son autre extrémité.</translation>
    </message>
    <message>
        <source>Your loop is not closed yet: go on from the end of %1 until the loop comes back to the end of %2 it started from.</source>
        <translation>Votre boucle n&apos;est pas encore fermée : continuez depuis l&apos;extrémité de %1 jusqu&apos;à ce que la boucle revienne à l&apos;extrémité de %2 d&apos;où elle est partie.</translation>
    </message>
    <message>
        <source>The current of %1 follows from the loops&apos; currents through %2 already, so your loops cannot take every current source into account.</source>
        <translation>Le courant de %1 découle déjà des courants des boucles qui traversent %2 : vos boucles ne peuvent donc pas tenir compte de toutes les sources de courant.</translation>
    </message>
</context>
<context>
    <name>TreeQuiz</name>
    <message>
        <source>Your tree has %1 of its %2 branch.</source>
        <translation>Branches de votre arbre : %1 sur %2.</translation>
    </message>
    <message>
        <source>Your tree has %1 of its %2 branches.</source>
        <translation>Branches de votre arbre : %1 sur %2.</translation>
    </message>
    <message>
        <source>Your tree has %1 of its %2 branch: %3.</source>
        <translation>Branches de votre arbre : %1 sur %2 — %3.</translation>
    </message>
    <message>
        <source>Your tree has %1 of its %2 branches: %3.</source>
        <translation>Branches de votre arbre : %1 sur %2 — %3.</translation>
    </message>
    <message>
        <source>Click a resistor or a voltage source of your circuit.</source>
        <translation>Cliquez sur une résistance ou une source de tension de votre circuit.</translation>
    </message>
    <message>
        <source>%1 is taken out of the tree; it is a chord again.</source>
        <translation>%1 est retiré de l&apos;arbre ; c&apos;est de nouveau une corde.</translation>
    </message>
    <message>
        <source>%1 is in the tree.</source>
        <translation>%1 est dans l&apos;arbre.</translation>
    </message>
    <message>
        <source>The tree is complete: its %1 branch joins all %2 nodes, and every other branch is a chord that closes one loop with it.</source>
        <translation>L&apos;arbre est complet : avec %1 branche, il relie les %2 nœuds, et chaque autre branche est une corde qui ferme une boucle avec lui.</translation>
    </message>
    <message>
        <source>The tree is complete: its %1 branches join all %2 nodes, and every other branch is a chord that closes one loop with it.</source>
        <translation>L&apos;arbre est complet : avec ses %1 branches, il relie les %2 nœuds, et chaque autre branche est une corde qui ferme une boucle avec lui.</translation>
    </message>
</context>
<context>
    <name>ValueField</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this value takes no unit.</source>
        <translation>« %1 » : cette valeur ne prend pas d&apos;unité.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in %2, but this value is in %3.</source>
        <translation>« %1 » est en %2, mais cette valeur est en %3.</translation>
    </message>
    <message>
        <source>The resistance value must be greater than 0.

If you wish to have a branch of zero resistance over there,
you may replace the resistor with a wire.</source>
        <translation>La valeur de la résistance doit être supérieure à 0.

Si vous souhaitez une branche de résistance nulle à cet endroit,
vous pouvez remplacer la résistance par un fil.</translation>
    </message>
</context>
<context>
    <name>ValueRange</name>
    <message>
        <source>%1 has a resistance of %2; Kirvolt takes resistances of 0 or from 1 pΩ to 1 TΩ.</source>
        <translation>%1 a une résistance de %2 ; Kirvolt accepte des résistances de 0 ou de 1 pΩ à 1 TΩ.</translation>
    </message>
    <message>
        <source>%1 has no finite value; Kirvolt takes resistances of 0 or from 1 pΩ to 1 TΩ.</source>
        <translation>%1 n&apos;a pas de valeur finie ; Kirvolt accepte des résistances de 0 ou de 1 pΩ à 1 TΩ.</translation>
    </message>
    <message>
        <source>%1 has an EMF of %2; Kirvolt takes EMFs of 0 or from -1 MV to -1 fV or from 1 fV to 1 MV.</source>
        <translation>%1 a une f.é.m. de %2 ; Kirvolt accepte des f.é.m. de 0 ou de -1 MV à -1 fV ou de 1 fV à 1 MV.</translation>
    </message>
    <message>
        <source>%1 has no finite value; Kirvolt takes EMFs of 0 or from -1 MV to -1 fV or from 1 fV to 1 MV.</source>
        <translation>%1 n&apos;a pas de valeur finie ; Kirvolt accepte des f.é.m. de 0 ou de -1 MV à -1 fV ou de 1 fV à 1 MV.</translation>
    </message>
    <message>
        <source>%1 has a current of %2; Kirvolt takes currents of 0 or from -1 MA to -1 fA or from 1 fA to 1 MA.</source>
        <translation>%1 a un courant de %2 ; Kirvolt accepte des courants de 0 ou de -1 MA à -1 fA ou de 1 fA à 1 MA.</translation>
    </message>
    <message>
        <source>%1 has no finite value; Kirvolt takes currents of 0 or from -1 MA to -1 fA or from 1 fA to 1 MA.</source>
        <translation>%1 n&apos;a pas de valeur finie ; Kirvolt accepte des courants de 0 ou de -1 MA à -1 fA ou de 1 fA à 1 MA.</translation>
    </message>
    <message>
        <source>%1 has a value that is not a number.</source>
        <translation>%1 a une valeur qui n&apos;est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>VoltageScale</name>
    <message>
        <source>Node voltage</source>
        <translation>Tension de nœud</translation>
    </message>
</context>
<context>
    <name>kirvolt::BackgroundNotesDialog</name>
    <message>
        <source>Nodal Analysis</source>
        <translation>Méthode des nœuds</translation>
    </message>
    <message>
        <source>
Background notes</source>
        <translation>
Notions de base</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>kirvolt::CAboutDlg</name>
    <message>
        <source>About Kirvolt</source>
        <translation>À propos de Kirvolt</translation>
    </message>
    <message>
        <source>Kirvolt Version %1</source>
        <translation>Kirvolt version %1</translation>
    </message>
</context>
<context>
    <name>kirvolt::CKirvoltApp</name>
    <message>
        <source>Circuit file to open</source>
        <translation>Fichier de circuit à ouvrir</translation>
    </message>
    <message>
        <source>Kirvolt ended without closing %1, which had unsaved changes.
Reopen it with those changes? If you do not, they are discarded.</source>
        <translation>Kirvolt s&apos;est arrêté sans fermer %1, qui contenait des modifications non enregistrées.
Le rouvrir avec ces modifications ? Sinon, elles seront perdues.</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Exercice %1</translation>
    </message>
    <message>
        <source>Exercise %1 (%2): find the voltage of every node and the current in every component.</source>
        <translation>Exercice %1 (%2) : trouvez la tension de chaque nœud et le courant dans chaque composant.</translation>
    </message>
</context>
<context>
    <name>kirvolt::CKirvoltView</name>
    <message>
        <source>Joint</source>
        <translation>Jonction</translation>
    </message>
    <message>
        <source>Circuit drawing</source>
        <translation>Dessin du circuit</translation>
    </message>
    <message>
        <source>Arrow keys move the grid cursor (Shift: five steps), Enter clicks at it, Tab and Shift+Tab step through the elements and joints, Ctrl+Space adds to the selection, Ctrl and the arrows move the selection.</source>
        <translation>Les touches fléchées déplacent le curseur de la grille (Shift : cinq pas), Enter clique à sa position, Tab et Shift+Tab parcourent les éléments et les jonctions, Ctrl+Espace ajoute à la sélection, Ctrl et les flèches déplacent la sélection.</translation>
    </message>
    <message>
        <source>Circuit drawing, cursor at %1, %2</source>
        <translation>Dessin du circuit, curseur en %1, %2</translation>
    </message>
    <message>
        <source>wire %1</source>
        <translation>fil %1</translation>
    </message>
</context>
<context>
    <name>kirvolt::CMainFrame</name>
    <message>
        <source>Get Document Pointer failed.</source>
        <translation>Impossible d&apos;accéder au document.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Activate this window</source>
        <translation>Activer cette fenêtre</translation>
    </message>
    <message>
        <source>Save changes to these circuits?

%1</source>
        <translation>Enregistrer les modifications de ces circuits ?

%1</translation>
    </message>
    <message>
        <source>Discard All</source>
        <translation>Tout abandonner</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>Kirvolt &amp;Help</source>
        <translation>&amp;Aide de Kirvolt</translation>
    </message>
    <message>
        <source>Read how to draw, analyse and read a circuit</source>
        <translation>Apprendre à dessiner, analyser et lire un circuit</translation>
    </message>
    <message>
        <source>Exa&amp;mples</source>
        <translation>E&amp;xemples</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Zoom Scale</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Equations</source>
        <translation>Équations</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Dessin</translation>
    </message>
    <message>
        <source>&amp;Analyse</source>
        <translation>Ana&amp;lyse</translation>
    </message>
    <message>
        <source>U&amp;sing</source>
        <translation>&amp;Méthode</translation>
    </message>
    <message>
        <source>&amp;Tutor</source>
        <translation>&amp;Tuteur</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>Zoom In/Out</source>
        <translation>Zoom avant/arrière</translation>
    </message>
    <message>
        <source>Component &amp;Toolbar</source>
        <translation>Barre des &amp;composants</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Command Toolbar</source>
        <translation>Barre de commandes</translation>
    </message>
    <message>
        <source>Edit &amp;Value...</source>
        <translation>Modifier la &amp;valeur...</translation>
    </message>
    <message>
        <source>&amp;Name...</source>
        <translation>&amp;Nom...</translation>
    </message>
    <message>
        <source>Node &amp;Name...</source>
        <translation>&amp;Nom du nœud...</translation>
    </message>
    <message>
        <source>Set as &amp;Datum Node</source>
        <translation>Définir comme nœud de &amp;référence</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Pivoter</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>&amp;Miroir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>Analyse as I Draw</source>
        <translation>Analyser pendant le dessin</translation>
    </message>
    <message>
        <source>Analyse the circuit after every change, with the method last chosen</source>
        <translation>Analyser le circuit après chaque modification, avec la dernière méthode choisie</translation>
    </message>
    <message>
        <source>Voltages on the Drawing</source>
        <translation>Tensions sur le dessin</translation>
    </message>
    <message>
        <source>Tint every wire and joint by its node voltage</source>
        <translation>Colorer chaque fil et chaque jonction selon la tension de son nœud</translation>
    </message>
    <message>
        <source>Currents on the Drawing</source>
        <translation>Courants sur le dessin</translation>
    </message>
    <message>
        <source>Show each element&apos;s current as an arrow the way it flows</source>
        <translation>Afficher le courant de chaque élément par une flèche dans son sens de circulation</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Plus de boutons</translation>
    </message>
    <message>
        <source>Shows the buttons that do not fit on the toolbar</source>
        <translation>Affiche les boutons qui ne tiennent pas dans la barre d&apos;outils</translation>
    </message>
</context>
<context>
    <name>kirvolt::CPropertyView</name>
    <message>
        <source>The circuit has changed since these results. Run the analysis again.</source>
        <translation>Le circuit a changé depuis ces résultats. Relancez l&apos;analyse.</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordEquationDialog</name>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordIntroductionDialog</name>
    <message>
        <source>There are four steps for the Chord Current Analysis Method.</source>
        <translation>La méthode des courants de corde comporte quatre étapes.</translation>
    </message>
    <message>
        <source>(1)  Pick a tree of your
       circuit.</source>
        <translation>(1)  Choisissez un arbre de
       votre circuit.</translation>
    </message>
    <message>
        <source>(2)   Name the chords and
       their loop currents.</source>
        <translation>(2)   Nommez les cordes et
       leurs courants de boucle.</translation>
    </message>
    <message>
        <source>(3)   See the loop each
       chord closes.</source>
        <translation>(3)   Voyez la boucle que ferme
       chaque corde.</translation>
    </message>
    <message>
        <source>(4)   Write loop current
       equations using KVL.</source>
        <translation>(4)   Écrivez les équations des courants
       de boucle avec la loi des mailles.</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordTreeDialog</name>
    <message>
        <source>A tree joins all the nodes of your circuit without closing a loop. Click the resistors and voltage sources of your circuit to put them in the tree; click one again to take it out. Every branch left out of the tree is a chord.</source>
        <translation>Un arbre relie tous les nœuds de votre circuit sans fermer de boucle. Cliquez sur les résistances et les sources de tension de votre circuit pour les mettre dans l&apos;arbre ; cliquez à nouveau pour en retirer une. Chaque branche laissée hors de l&apos;arbre est une corde.</translation>
    </message>
    <message>
        <source>Click a branch of your circuit.</source>
        <translation>Cliquez sur une branche de votre circuit.</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordTutorDialog</name>
    <message>
        <source>Chord Current Tutor</source>
        <translation>Tuteur des courants de corde</translation>
    </message>
    <message>
        <source>

          Pick a tree.</source>
        <translation>

          Choisissez un arbre.</translation>
    </message>
    <message>
        <source>

     Name the chords.</source>
        <translation>

     Nommez les cordes.</translation>
    </message>
    <message>
        <source>

     See each fundamental loop.</source>
        <translation>

     Voyez chaque boucle fondamentale.</translation>
    </message>
    <message>
        <source>

           Write loop current
         equations using KVL.</source>
        <translation>

           Écrivez les équations des courants
         de boucle avec la loi des mailles.</translation>
    </message>
    <message>
        <source>Step %1 of 4 for Chord Current Analysis:</source>
        <translation>Étape %1 sur 4 de la méthode des courants de corde :</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kirvolt::ComponentInfoDialog</name>
    <message>
        <source>Component Property</source>
        <translation>Propriétés du composant</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valeur :</translation>
    </message>
    <message>
        <source>Start Node:</source>
        <translation>Nœud de départ :</translation>
    </message>
    <message>
        <source>Finish Node:</source>
        <translation>Nœud d&apos;arrivée :</translation>
    </message>
    <message>
        <source>Start Node Voltage:</source>
        <translation>Tension du nœud de départ :</translation>
    </message>
    <message>
        <source>Finish Node Voltage:</source>
        <translation>Tension du nœud d&apos;arrivée :</translation>
    </message>
    <message>
        <source>Current:
(Start-&gt;Finish)</source>
        <translation>Courant :
(Départ-&gt;Arrivée)</translation>
    </message>
    <message>
        <source>p.d.(Start-
Finish):</source>
        <translation>d.d.p. (Départ-
Arrivée) :</translation>
    </message>
</context>
<context>
    <name>kirvolt::CountStepDialog</name>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kirvolt::DatumNodeDialog</name>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>chosen node, Node </source>
        <translation>nœud choisi, le nœud </translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>A total of</source>
        <translation>Il faut au total</translation>
    </message>
    <message>
        <source>equations needed,</source>
        <translation>équations,</translation>
    </message>
    <message>
        <source>The voltage at other nodes are measured with respect to this</source>
        <translation>Les tensions des autres nœuds sont mesurées par rapport à ce</translation>
    </message>
    <message>
        <source>one for each of the nodes below:</source>
        <translation>une pour chacun des nœuds ci-dessous :</translation>
    </message>
    <message>
        <source>Select a node on the left to be the Datum Node:</source>
        <translation>Choisissez à gauche le nœud de référence :</translation>
    </message>
    <message>
        <source>Step 3 of 4 for Nodal Analysis:</source>
        <translation>Étape 3 sur 4 de la méthode des nœuds :</translation>
    </message>
    <message>
        <source>

         Select a Datum Node.</source>
        <translation>

         Choisissez un nœud de référence.</translation>
    </message>
    <message>
        <source>To simplify your calculation, you should select a node with the largest number of components connected to it as the Datum Node.</source>
        <translation>Pour simplifier vos calculs, choisissez comme nœud de référence le nœud auquel le plus grand nombre de composants est relié.</translation>
    </message>
</context>
<context>
    <name>kirvolt::EditComponentDialog</name>
    <message>
        <source>Edit Component </source>
        <translation>Modifier le composant </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valeur :</translation>
    </message>
</context>
<context>
    <name>kirvolt::EditNodeNameDialog</name>
    <message>
        <source>Edit Node Name</source>
        <translation>Modifier le nom du nœud</translation>
    </message>
    <message>
        <source>Node Name:</source>
        <translation>Nom du nœud :</translation>
    </message>
</context>
<context>
    <name>kirvolt::EquationCheckWindow</name>
    <message>
        <source>for example (V2 - V1)/R1 + V2/R2 = J1</source>
        <translation>par exemple (V2 - V1)/R1 + V2/R2 = J1</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
</context>
<context>
    <name>kirvolt::ErcPanel</name>
    <message>
        <source>Electrical Rule Check</source>
        <translation>Contrôle des règles électriques</translation>
    </message>
</context>
<context>
    <name>kirvolt::ExportPictureDialog</name>
    <message>
        <source>Show the &amp;grid</source>
        <translation>Afficher la &amp;grille</translation>
    </message>
    <message>
        <source>Show &amp;node numbers</source>
        <translation>Afficher les numéros de &amp;nœuds</translation>
    </message>
    <message>
        <source>Show the &amp;equations panel</source>
        <translation>Afficher le panneau des &amp;équations</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source> ×</source>
        <translation> ×</translation>
    </message>
    <message>
        <source>PNG &amp;scale:</source>
        <translation>É&amp;chelle PNG :</translation>
    </message>
</context>
<context>
    <name>kirvolt::HelpWindow</name>
    <message>
        <source>Kirvolt Help</source>
        <translation>Aide de Kirvolt</translation>
    </message>
</context>
<context>
    <name>kirvolt::KclExampleDialog</name>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Step 4 of 4 for Nodal Analysis:</source>
        <translation>Étape 4 sur 4 de la méthode des nœuds :</translation>
    </message>
    <message>
        <source>

           Write node voltage
         equations using KCL.</source>
        <translation>

           Écrivez les équations des tensions
         de nœud avec la loi des nœuds.</translation>
    </message>
    <message>
        <source>The following shows how you write your equation:</source>
        <translation>Voici comment écrire votre équation :</translation>
    </message>
    <message>
        <source>For Node &apos;a&apos; shown above:
Sum of Current flowing out from resistors R1 and R2 = Current  flowing in from the source J1,</source>
        <translation>Pour le nœud &apos;a&apos; ci-dessus :
somme des courants sortant par les résistances R1 et R2 = courant entrant depuis la source J1,</translation>
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
        <translation>Les équations de nœud de votre circuit s&apos;écrivent de la même façon.</translation>
    </message>
    <message>
        <source>Check your nodal equations with that written by Kirvolt. How many equations you got it right?</source>
        <translation>Comparez vos équations de nœud avec celles écrites par Kirvolt. Combien d&apos;équations avez-vous trouvées justes ?</translation>
    </message>
</context>
<context>
    <name>kirvolt::KeyIndicators</name>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DÉF</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopCountDialog</name>
    <message>
        <source>Loop Current Tutor</source>
        <translation>Tuteur des courants de boucle</translation>
    </message>
    <message>
        <source>Step 1 of 4 for Loop Current Analysis:</source>
        <translation>Étape 1 sur 4 de la méthode des courants de boucle :</translation>
    </message>
    <message>
        <source>
   Count the number of independent
    loops in your circuit.</source>
        <translation>
   Comptez les boucles indépendantes
    de votre circuit.</translation>
    </message>
    <message>
        <source>How many independent Loops are there in your circuit ?</source>
        <translation>Combien de boucles indépendantes votre circuit comporte-t-il ?</translation>
    </message>
    <message>
        <source>Note:
Loops are independent when none of them is made of the others: each new loop must take in something the loops before it do not.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation>Remarque :
Des boucles sont indépendantes quand aucune n&apos;est formée des autres : chaque nouvelle boucle doit comprendre quelque chose que les boucles précédentes ne comprennent pas.

Les fils sont supposés idéaux et ne sont pas considérés comme des composants.</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopIntroductionDialog</name>
    <message>
        <source>There are four steps for the Loop Current Analysis Method.</source>
        <translation>La méthode des courants de boucle comporte quatre étapes.</translation>
    </message>
    <message>
        <source>(1)  Count the number of
       independent loops in your circuit.</source>
        <translation>(1)  Comptez les boucles
       indépendantes de votre circuit.</translation>
    </message>
    <message>
        <source>(2)   Trace the loops of your
       own choice.</source>
        <translation>(2)   Tracez les boucles de
       votre choix.</translation>
    </message>
    <message>
        <source>(3)   Write loop current
       equations using KVL.</source>
        <translation>(3)   Écrivez les équations des courants
       de boucle avec la loi des mailles.</translation>
    </message>
    <message>
        <source>(4)   Solve them for the
       loop currents.</source>
        <translation>(4)   Résolvez-les pour obtenir
       les courants de boucle.</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopPageDialog</name>
    <message>
        <source>

           Write loop current
         equations using KVL.</source>
        <translation>

           Écrivez les équations des courants
         de boucle avec la loi des mailles.</translation>
    </message>
    <message>
        <source>

           Solve them for the
         loop currents.</source>
        <translation>

           Résolvez-les pour obtenir
         les courants de boucle.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopTraceDialog</name>
    <message>
        <source>

     Trace the loops of your own choice.</source>
        <translation>

     Tracez les boucles de votre choix.</translation>
    </message>
    <message>
        <source>Click the branches of a loop one after the other on the drawing, all the way round: the loop current runs the way you go. Each loop must be closed, pass each node only once, and take in something your loops before it do not. The loop currents are named I1, I2, ... in the order you trace the loops.</source>
        <translation>Cliquez sur les branches d&apos;une boucle l&apos;une après l&apos;autre sur le dessin, tout autour : le courant de boucle circule dans le sens de votre parcours. Chaque boucle doit être fermée, ne passer qu&apos;une fois par chaque nœud et comprendre quelque chose que vos boucles précédentes ne comprennent pas. Les courants de boucle sont nommés I1, I2, ... dans l&apos;ordre où vous tracez les boucles.</translation>
    </message>
    <message>
        <source>Click a branch of your circuit to start the loop.</source>
        <translation>Cliquez sur une branche de votre circuit pour commencer la boucle.</translation>
    </message>
    <message>
        <source>Undo last branch</source>
        <translation>Annuler la dernière branche</translation>
    </message>
    <message>
        <source>Start loop again</source>
        <translation>Recommencer la boucle</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopTutorDialog</name>
    <message>
        <source>Loop Current Tutor</source>
        <translation>Tuteur des courants de boucle</translation>
    </message>
    <message>
        <source>Step %1 of 4 for Loop Current Analysis:</source>
        <translation>Étape %1 sur 4 de la méthode des courants de boucle :</translation>
    </message>
</context>
<context>
    <name>kirvolt::MatrixFormDialog</name>
    <message>
        <source>Matrix Form - %1</source>
        <translation>Forme matricielle - %1</translation>
    </message>
    <message>
        <source>Copy as &amp;Text</source>
        <translation>Copier en &amp;texte</translation>
    </message>
    <message>
        <source>Copy as &amp;LaTeX</source>
        <translation>Copier en &amp;LaTeX</translation>
    </message>
    <message>
        <source>Matrix form</source>
        <translation>Forme matricielle</translation>
    </message>
    <message>
        <source>The system G x = b of the last analysis, its unknowns and their values</source>
        <translation>Le système G x = b de la dernière analyse, ses inconnues et leurs valeurs</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshCountDialog</name>
    <message>
        <source>Mesh Current Tutor</source>
        <translation>Tuteur de la méthode des mailles</translation>
    </message>
    <message>
        <source>Step 1 of 4 for Mesh Current Analysis:</source>
        <translation>Étape 1 sur 4 de la méthode des mailles :</translation>
    </message>
    <message>
        <source>
   Count the number of meshes
    in your circuit.</source>
        <translation>
   Comptez les mailles
    de votre circuit.</translation>
    </message>
    <message>
        <source>How many Meshes are there in your circuit ?</source>
        <translation>Combien de mailles votre circuit comporte-t-il ?</translation>
    </message>
    <message>
        <source>Note:
A mesh is a loop of the circuit with no other loop inside it, like a pane of a window.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation>Remarque :
Une maille est une boucle du circuit qui ne contient aucune autre boucle, comme un carreau de fenêtre.

Les fils sont supposés idéaux et ne sont pas considérés comme des composants.</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshIntroductionDialog</name>
    <message>
        <source>There are four steps for the Mesh Current Analysis Method.</source>
        <translation>La méthode des mailles comporte quatre étapes.</translation>
    </message>
    <message>
        <source>(1)  Count the number of
       meshes in your circuit.</source>
        <translation>(1)  Comptez les mailles
       de votre circuit.</translation>
    </message>
    <message>
        <source>(2)   Label the mesh currents.</source>
        <translation>(2)   Nommez les courants de maille.</translation>
    </message>
    <message>
        <source>(3)   Deal with the current
       sources.</source>
        <translation>(3)   Traitez les sources
       de courant.</translation>
    </message>
    <message>
        <source>(4)   Write mesh current
       equations using KVL.</source>
        <translation>(4)   Écrivez les équations des courants
       de maille avec la loi des mailles.</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshLabelDialog</name>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Click this button to draw the mesh currents.</source>
        <translation>Cliquez sur ce bouton pour dessiner les courants de maille.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>

          Label the mesh currents.</source>
        <translation>

          Nommez les courants de maille.</translation>
    </message>
    <message>
        <source>The mesh current is designated by In where  &quot;n&quot;  is the mesh number, e.g. the current of mesh 1 is denoted by I1, and mesh 2 by I2, etc. The meshes are numbered in reading order, from the top left.</source>
        <translation>Le courant de maille est noté In où  &quot;n&quot;  est le numéro de la maille : par exemple, le courant de la maille 1 est noté I1, celui de la maille 2 I2, etc. Les mailles sont numérotées dans l&apos;ordre de lecture, à partir du haut à gauche.</translation>
    </message>
    <message>
        <source>Every mesh current runs clockwise round its mesh. When you analyse your circuit with pen and paper, you should follow the same practice here by drawing a clockwise arrow inside each mesh and marking it with its current.</source>
        <translation>Chaque courant de maille tourne dans le sens horaire autour de sa maille. Quand vous analysez votre circuit avec papier et crayon, suivez la même règle en dessinant une flèche dans le sens horaire à l&apos;intérieur de chaque maille et en l&apos;annotant de son courant.</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshPageDialog</name>
    <message>
        <source>

     Deal with the current sources.</source>
        <translation>

     Traitez les sources de courant.</translation>
    </message>
    <message>
        <source>

           Write mesh current
         equations using KVL.</source>
        <translation>

           Écrivez les équations des courants
         de maille avec la loi des mailles.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshSourceDialog</name>
    <message>
        <source>

     Deal with the current sources.</source>
        <translation>

     Traitez les sources de courant.</translation>
    </message>
    <message>
        <source>A current source with the outside of the drawing on one side fixes the current of the mesh on its other side; a current source between two meshes joins them into a supermesh. Find them all by clicking inside the meshes of your circuit: a mesh whose current is fixed, or the two meshes of a pair one after the other.</source>
        <translation>Une source de courant qui touche l&apos;extérieur du dessin d&apos;un côté impose le courant de la maille de l&apos;autre côté ; une source de courant entre deux mailles les réunit en une supermaille. Trouvez-les toutes en cliquant à l&apos;intérieur des mailles de votre circuit : une maille dont le courant est imposé, ou les deux mailles d&apos;une paire l&apos;une après l&apos;autre.</translation>
    </message>
    <message>
        <source>You are looking for:</source>
        <translation>Vous cherchez :</translation>
    </message>
    <message>
        <source>A mesh whose current a source fixes</source>
        <translation>Une maille dont une source impose le courant</translation>
    </message>
    <message>
        <source>Two meshes joined by a current source</source>
        <translation>Deux mailles réunies par une source de courant</translation>
    </message>
    <message>
        <source>Click inside a mesh of your circuit.</source>
        <translation>Cliquez à l&apos;intérieur d&apos;une maille de votre circuit.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshTutorDialog</name>
    <message>
        <source>Mesh Current Tutor</source>
        <translation>Tuteur de la méthode des mailles</translation>
    </message>
    <message>
        <source>Step %1 of 4 for Mesh Current Analysis:</source>
        <translation>Étape %1 sur 4 de la méthode des mailles :</translation>
    </message>
</context>
<context>
    <name>kirvolt::ModifiedNodalNotesDialog</name>
    <message>
        <source>Modified Nodal Analysis</source>
        <translation>Analyse nodale modifiée</translation>
    </message>
    <message>
        <source>
Background notes</source>
        <translation>
Notions de base</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>kirvolt::ModifiedNodalPageDialog</name>
    <message>
        <source>

          Name the unknowns.</source>
        <translation>

          Nommez les inconnues.</translation>
    </message>
    <message>
        <source>

          Add each element to G and b.</source>
        <translation>

          Ajoutez chaque élément à G et b.</translation>
    </message>
    <message>
        <source>

          Solve the system.</source>
        <translation>

          Résolvez le système.</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor</source>
        <translation>Tuteur de l&apos;analyse nodale modifiée</translation>
    </message>
    <message>
        <source>Step %1 of 3 for Modified Nodal Analysis:</source>
        <translation>Étape %1 sur 3 de l&apos;analyse nodale modifiée :</translation>
    </message>
    <message>
        <source>G · x = b:</source>
        <translation>G · x = b :</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kirvolt::NewExerciseDialog</name>
    <message>
        <source>New Exercise</source>
        <translation>Nouvel exercice</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>&amp;Difficulté :</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Graine :</translation>
    </message>
    <message>
        <source>The same seed and difficulty always give the same exercise.</source>
        <translation>La même graine et la même difficulté donnent toujours le même exercice.</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeCountDialog</name>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation>Tuteur de la méthode des nœuds</translation>
    </message>
    <message>
        <source>Step 1 of 4 for Nodal Analysis:</source>
        <translation>Étape 1 sur 4 de la méthode des nœuds :</translation>
    </message>
    <message>
        <source>
   Count the number of nodes
    in your circuit.</source>
        <translation>
   Comptez les nœuds
    de votre circuit.</translation>
    </message>
    <message>
        <source>How many Nodes are there in your circuit ?</source>
        <translation>Combien de nœuds votre circuit comporte-t-il ?</translation>
    </message>
    <message>
        <source>Note:
Node refers to the common connection point where two or more components are joined together.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation>Remarque :
Un nœud est le point de connexion commun où deux composants ou plus sont reliés.

Les fils sont supposés idéaux et ne sont pas considérés comme des composants.</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeEquationsDialog</name>
    <message>
        <source>Nodal Analysis : Node Equations</source>
        <translation>Méthode des nœuds : équations de nœud</translation>
    </message>
    <message>
        <source>Mesh Current Method : Mesh Equations</source>
        <translation>Méthode des mailles : équations de maille</translation>
    </message>
    <message>
        <source>Loop Current Method : Loop Equations</source>
        <translation>Méthode des courants de boucle : équations de boucle</translation>
    </message>
    <message>
        <source>Equation for Node</source>
        <translation>Équation du nœud</translation>
    </message>
    <message>
        <source>Equation for Mesh</source>
        <translation>Équation de la maille</translation>
    </message>
    <message>
        <source>Equation for Loop</source>
        <translation>Équation de la boucle</translation>
    </message>
    <message>
        <source>:-</source>
        <translation>:-</translation>
    </message>
    <message>
        <source>( Selected Datumn Node  =  Node</source>
        <translation>( Nœud de référence choisi  =  nœud</translation>
    </message>
    <message>
        <source>, voltage at this node is taken as zero. )</source>
        <translation>, la tension de ce nœud est prise égale à zéro. )</translation>
    </message>
    <message>
        <source>( the mesh current runs clockwise round the mesh )</source>
        <translation>( le courant de maille tourne dans le sens horaire autour de la maille )</translation>
    </message>
    <message>
        <source>( the loop current runs through %1 in its own direction )</source>
        <translation>( le courant de boucle traverse %1 dans son propre sens )</translation>
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
        <translation>Propriétés du composant</translation>
    </message>
    <message>
        <source>Node Name:</source>
        <translation>Nom du nœud :</translation>
    </message>
    <message>
        <source>Node Voltage:</source>
        <translation>Tension du nœud :</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeLabelDialog</name>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Click this button to assign the node numbers.</source>
        <translation>Cliquez sur ce bouton pour attribuer les numéros de nœuds.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Step 2 of 4 for Nodal Analysis:</source>
        <translation>Étape 2 sur 4 de la méthode des nœuds :</translation>
    </message>
    <message>
        <source>

          Label all the nodes.</source>
        <translation>

          Numérotez tous les nœuds.</translation>
    </message>
    <message>
        <source>The node voltage is designated by Vn where  &quot;n&quot;  is the node number, e.g. the node voltage for node 1 is denoted by V1, and node 2 by V2, etc.</source>
        <translation>La tension de nœud est notée Vn où  &quot;n&quot;  est le numéro du nœud : par exemple, la tension du nœud 1 est notée V1, celle du nœud 2 V2, etc.</translation>
    </message>
    <message>
        <source>When you analyse your circuit with pen and paper, you should follow the same practice here by marking each independent nodes in your circuit with a unique node number.</source>
        <translation>Quand vous analysez votre circuit avec papier et crayon, suivez la même règle en marquant chaque nœud indépendant de votre circuit d&apos;un numéro unique.</translation>
    </message>
</context>
<context>
    <name>kirvolt::OpenCircuit</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
</context>
<context>
    <name>kirvolt::PrintScaleDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Printing Scale:</source>
        <translation>Échelle d&apos;impression :</translation>
    </message>
</context>
<context>
    <name>kirvolt::RecoveryStore</name>
    <message>
        <source>Unsaved circuit</source>
        <translation>Circuit non enregistré</translation>
    </message>
</context>
<context>
    <name>kirvolt::TheveninQuestionDialog</name>
    <message>
        <source>Between two &amp;nodes:</source>
        <translation>Entre deux &amp;nœuds :</translation>
    </message>
    <message>
        <source>As seen by a &amp;resistor, taken out:</source>
        <translation>Vu d&apos;une &amp;résistance retirée :</translation>
    </message>
    <message>
        <source>Thévenin Equivalent</source>
        <translation>Équivalent de Thévenin</translation>
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
        <translation>L&apos;équivalent donne la tension de A par rapport à B.</translation>
    </message>
</context>
<context>
    <name>kirvolt::TutorDialog</name>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation>Tuteur de la méthode des nœuds</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  étapes</translation>
    </message>
</context>
<context>
    <name>kirvolt::TutorIntroductionDialog</name>
    <message>
        <source>Background Notes</source>
        <translation>Notions de base</translation>
    </message>
    <message>
        <source>There are four steps for the Nodal Voltage Analysis Method.</source>
        <translation>La méthode des nœuds comporte quatre étapes.</translation>
    </message>
    <message>
        <source>(1)  Count the number of
       nodes in your circuit.</source>
        <translation>(1)  Comptez les nœuds
       de votre circuit.</translation>
    </message>
    <message>
        <source>(2)   Label all the nodes.</source>
        <translation>(2)   Numérotez tous les nœuds.</translation>
    </message>
    <message>
        <source>(3)   Select a Datum Node.</source>
        <translation>(3)   Choisissez un nœud de référence.</translation>
    </message>
    <message>
        <source>(4)   Write node voltage
       equations using KCL.</source>
        <translation>(4)   Écrivez les équations des tensions
       de nœud avec la loi des nœuds.</translation>
    </message>
</context>
</TS>
