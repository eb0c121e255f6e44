<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
    <name>kirvolt</name>
    <message>
        <source>Formulas</source>
        <translation>Formules</translation>
    </message>
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
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>There are four steps for the Chord Current Analysis Method.</source>
        <translation>La méthode des courants de corde comporte quatre étapes.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  étapes</translation>
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
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>There are four steps for the Loop Current Analysis Method.</source>
        <translation>La méthode des courants de boucle comporte quatre étapes.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  étapes</translation>
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
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>There are four steps for the Mesh Current Analysis Method.</source>
        <translation>La méthode des mailles comporte quatre étapes.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  étapes</translation>
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
</context>
<context>
    <name>kirvolt::TutorIntroductionDialog</name>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Background Notes</source>
        <translation>Notions de base</translation>
    </message>
    <message>
        <source>There are four steps for the Nodal Voltage Analysis Method.</source>
        <translation>La méthode des nœuds comporte quatre étapes.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  étapes</translation>
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
