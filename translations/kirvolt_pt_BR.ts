<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Analysis</name>
    <message>
        <source>Create your circuit first.</source>
        <translation>Crie seu circuito primeiro.</translation>
    </message>
</context>
<context>
    <name>BackgroundNotes</name>
    <message>
        <source>For a network with  &apos;n&apos;  nodes and  &apos;b&apos;  branches excited by active elements, the unknown quantities of interest are the branch voltages and the branch currents of all its elements, which make up  &apos;2b&apos;  unknowns. For every element the branch voltage and current are tied together by the law of that element, like Ohm&apos;s Law, so once one is known the other follows. Hence we need to solve for only &apos;b&apos;  unknowns, one for each branch, to get the current and voltage information about the circuit.
</source>
        <translation>Para uma rede com  &apos;n&apos;  nós e  &apos;b&apos;  ramos excitada por elementos ativos, as grandezas desconhecidas de interesse são as tensões e as correntes de ramo de todos os seus elementos, o que dá  &apos;2b&apos;  incógnitas. Em cada elemento, a tensão e a corrente de ramo estão ligadas pela lei desse elemento, como a Lei de Ohm, de modo que, conhecida uma, a outra também é conhecida. Por isso, basta resolver para apenas &apos;b&apos;  incógnitas, uma para cada ramo, para obter as informações de corrente e tensão do circuito.
</translation>
    </message>
    <message>
        <source> These unknowns may either be branch voltage or branch current of the elements. In the Nodal Analysis method we go one step further and use the node voltages as the unknowns. First we select one of the nodes as the common reference node and call it the Datum Node. Its voltage is taken to be zero, and the voltage of every other node is measured with respect to it. The voltage of node 1 is written V1, the voltage of node 2 is written V2, and so on. Each branch of the circuit is connected between two nodes, so the branch voltage of any element is simply the difference of the two node voltages at its ends, e.g. any element connected between node 1 and node 2 has the branch voltage  V1 - V2.  Once the node voltages are known, all the branch voltages follow, and from them all the branch currents by the element laws. In this way the number of unknowns drops from  &apos;b&apos;  to  &apos;n-1&apos;, which is usually a far smaller number. Kirchhoff&apos;s Voltage Law (KVL) is satisfied automatically by the node voltages, because around any closed loop the differences of node voltages always add up to zero. What is still left to be satisfied is Kirchhoff&apos;s Current Law (KCL), which says that the currents leaving a node must add up to the currents entering it. We write one KCL equation for each node except the Datum Node; the equation of the Datum Node is not needed, as it can always be obtained by adding up all of the other equations. This gives exactly  &apos;n-1&apos;  independent equations for the  &apos;n-1&apos; unknown node voltages.</source>
        <translation> Essas incógnitas podem ser a tensão de ramo ou a corrente de ramo dos elementos. No método da análise nodal vamos um passo além e usamos as tensões de nó como incógnitas. Primeiro escolhemos um dos nós como nó de referência comum, chamado nó de referência. Sua tensão é tomada como zero, e a tensão de cada um dos outros nós é medida em relação a ele. A tensão do nó 1 é escrita V1, a tensão do nó 2 é escrita V2, e assim por diante. Cada ramo do circuito está ligado entre dois nós, então a tensão de ramo de qualquer elemento é simplesmente a diferença entre as tensões dos dois nós em suas extremidades; por exemplo, qualquer elemento ligado entre o nó 1 e o nó 2 tem a tensão de ramo  V1 - V2.  Conhecidas as tensões de nó, obtêm-se todas as tensões de ramo e, a partir delas, todas as correntes de ramo pelas leis dos elementos. Assim, o número de incógnitas cai de  &apos;b&apos;  para  &apos;n-1&apos;, que em geral é um número bem menor. A Lei de Kirchhoff das Tensões (LKT) é satisfeita automaticamente pelas tensões de nó, pois em qualquer laço fechado as diferenças de tensões de nó sempre somam zero. O que ainda falta satisfazer é a Lei de Kirchhoff das Correntes (LKC), segundo a qual as correntes que saem de um nó devem somar o mesmo que as correntes que entram nele. Escrevemos uma equação da LKC para cada nó, exceto o nó de referência; a equação do nó de referência não é necessária, pois sempre pode ser obtida somando todas as outras equações. Isso dá exatamente  &apos;n-1&apos;  equações independentes para as  &apos;n-1&apos; tensões de nó desconhecidas.</translation>
    </message>
    <message>
        <source>  When we write KCL equation for a node, we equate the sum of currents leaving the node via resistors connected to this node to the sum of currents entering the node from Current Sources connected to it. The current leaving node &apos;a&apos; through a resistor R connected to node &apos;b&apos; is  (Va-Vb)/R, where Va and Vb are the node voltages at the two ends of the resistor. If the current actually enters the node, the value of  (Va-Vb)/R  simply comes out negative. A resistor connected between node &apos;a&apos; and the Datum Node carries the current  Va/R  out of node &apos;a&apos;, since the Datum Node is at zero volts. A Current Source pointing into the node is written with a plus sign on the right hand side of the equation, and one pointing away from the node with a minus sign. Ideal Voltage Sources need special care, because the current through them cannot be found from their voltage. Nodes joined together by Voltage Sources are taken as one macro node, and a single KCL equation is written for the whole macro node, while each Voltage Source gives one more equation relating the voltages of the two nodes at its ends. When all  &apos;n-1&apos;  equations are written down, they form a set of simultaneous linear equations in the node voltages, which can be solved by substitution, by elimination, or with the help of matrices and Cramer&apos;s Rule. After you have found the node voltages, always check your answer. Put the node voltages into the equation of each node and work out the current leaving the node through every resistor connected to it, then add up all these currents. The resulting value should be equal to the algebraic sum of Current Sources entering the concerned node.</source>
        <translation>  Ao escrever a equação da LKC de um nó, igualamos a soma das correntes que saem do nó pelos resistores ligados a ele à soma das correntes que entram no nó vindas das fontes de corrente ligadas a ele. A corrente que sai do nó &apos;a&apos; por um resistor R ligado ao nó &apos;b&apos; é  (Va-Vb)/R, onde Va e Vb são as tensões de nó nas duas extremidades do resistor. Se na verdade a corrente entra no nó, o valor de  (Va-Vb)/R  simplesmente sai negativo. Um resistor ligado entre o nó &apos;a&apos; e o nó de referência conduz a corrente  Va/R  para fora do nó &apos;a&apos;, já que o nó de referência está a zero volt. Uma fonte de corrente que aponta para o nó é escrita com sinal positivo no lado direito da equação, e uma que aponta para fora do nó, com sinal negativo. As fontes de tensão ideais exigem cuidado especial, pois a corrente nelas não pode ser obtida a partir de sua tensão. Os nós unidos por fontes de tensão são tomados como um supernó, e uma única equação da LKC é escrita para todo o supernó, enquanto cada fonte de tensão fornece mais uma equação que relaciona as tensões dos dois nós em suas extremidades. Quando todas as  &apos;n-1&apos;  equações estiverem escritas, elas formam um sistema de equações lineares simultâneas nas tensões de nó, que pode ser resolvido por substituição, por eliminação ou com a ajuda de matrizes e da regra de Cramer. Depois de encontrar as tensões de nó, sempre confira sua resposta. Substitua as tensões de nó na equação de cada nó, calcule a corrente que sai do nó por cada resistor ligado a ele e some todas essas correntes. O valor obtido deve ser igual à soma algébrica das fontes de corrente que entram no nó em questão.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Criar um novo documento
Novo</translation>
    </message>
    <message>
        <source>New Exerc&amp;ise...</source>
        <translation>Novo exercí&amp;cio...</translation>
    </message>
    <message>
        <source>Make a circuit to solve, at the difficulty and from the seed chosen
New Exercise</source>
        <translation>Montar um circuito para resolver, com a dificuldade e a semente escolhidas
Novo exercício</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abrir um documento existente
Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Fechar o documento ativo
Fechar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Salvar o documento ativo
Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar c&amp;omo...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Salvar o documento ativo com um novo nome
Salvar como</translation>
    </message>
    <message>
        <source>&amp;Export SPICE Netlist...</source>
        <translation>&amp;Exportar netlist SPICE...</translation>
    </message>
    <message>
        <source>Write the active circuit as a SPICE netlist
Export SPICE Netlist</source>
        <translation>Gravar o circuito ativo como uma netlist SPICE
Exportar netlist SPICE</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimir o documento ativo
Imprimir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Visualizar impressão</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Exibir páginas inteiras
Visualizar impressão</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Confi&amp;gurar impressão...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Alterar a impressora e as opções de impressão
Configurar impressão</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>Exportar i&amp;magem...</translation>
    </message>
    <message>
        <source>Save a picture of the circuit as PNG, SVG or PDF
Export Picture</source>
        <translation>Salvar uma imagem do circuito como PNG, SVG ou PDF
Exportar imagem</translation>
    </message>
    <message>
        <source>Export &amp;Worked Solution...</source>
        <translation>Exportar so&amp;lução detalhada...</translation>
    </message>
    <message>
        <source>Save the analysed circuit&apos;s worked solution as HTML or PDF
Export Worked Solution</source>
        <translation>Salvar a solução detalhada do circuito analisado como HTML ou PDF
Exportar solução detalhada</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Sair do aplicativo; pede para salvar os documentos
Sair</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Desfazer a última ação
Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Refazer a ação desfeita anteriormente
Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Recortar a seleção e colocá-la na área de transferência
Recortar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copiar a seleção e colocá-la na área de transferência
Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Inserir o conteúdo da área de transferência
Colar</translation>
    </message>
    <message>
        <source>De&amp;lete Selection</source>
        <translation>Excluir s&amp;eleção</translation>
    </message>
    <message>
        <source>Delete the selection
Delete Selection</source>
        <translation>Excluir a seleção
Excluir seleção</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar t&amp;udo</translation>
    </message>
    <message>
        <source>Select the entire circuit
Select All</source>
        <translation>Selecionar o circuito inteiro
Selecionar tudo</translation>
    </message>
    <message>
        <source>Copy P&amp;icture</source>
        <translation>Copiar &amp;imagem</translation>
    </message>
    <message>
        <source>Put a picture of the circuit on the Clipboard
Copy Picture</source>
        <translation>Colocar uma imagem do circuito na área de transferência
Copiar imagem</translation>
    </message>
    <message>
        <source>R&amp;otate</source>
        <translation>&amp;Girar</translation>
    </message>
    <message>
        <source>Rotate Component
Rotate</source>
        <translation>Girar o componente
Girar</translation>
    </message>
    <message>
        <source>M&amp;irror</source>
        <translation>Es&amp;pelhar</translation>
    </message>
    <message>
        <source>Mirror Component
Mirror</source>
        <translation>Espelhar o componente
Espelhar</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mover</translation>
    </message>
    <message>
        <source>Move a Component
Move</source>
        <translation>Mover um componente
Mover</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Delete a Component
Delete</source>
        <translation>Excluir um componente
Excluir</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Show the Component Information
Info</source>
        <translation>Mostrar as informações do componente
Info</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Edit the Value of a Component
Value</source>
        <translation>Editar o valor de um componente
Valor</translation>
    </message>
    <message>
        <source>Assign Node Numbers</source>
        <translation>Atribuir números aos nós</translation>
    </message>
    <message>
        <source>Assign new Node Number to the nodes of the circuit
Assign Node Numbers</source>
        <translation>Atribuir novos números aos nós do circuito
Atribuir números aos nós</translation>
    </message>
    <message>
        <source>Hide/Show node numbers</source>
        <translation>Ocultar/mostrar números dos nós</translation>
    </message>
    <message>
        <source>Hide/Show thr Node Numbers of the circuit
Hide/Show node numbers</source>
        <translation>Ocultar/mostrar os números dos nós do circuito
Ocultar/mostrar números dos nós</translation>
    </message>
    <message>
        <source>Set Datum Node</source>
        <translation>Definir nó de referência</translation>
    </message>
    <message>
        <source>Set a node in the circuit as Datum Node
Set Datum Node</source>
        <translation>Definir um nó do circuito como nó de referência
Definir nó de referência</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de ferramentas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostrar ou ocultar a barra de ferramentas
Alternar barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;Command Toolbar</source>
        <translation>Barra de coman&amp;dos</translation>
    </message>
    <message>
        <source>Show or Hide the Command Toolbar
Toggle Command Toolbar</source>
        <translation>Mostrar ou ocultar a barra de comandos
Alternar barra de comandos</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostrar ou ocultar a barra de status
Alternar barra de status</translation>
    </message>
    <message>
        <source>&amp;No Grid</source>
        <translation>Sem &amp;grade</translation>
    </message>
    <message>
        <source>Hide the Grid Display
Hide Grid</source>
        <translation>Ocultar a grade
Ocultar grade</translation>
    </message>
    <message>
        <source>&amp;Dot Grid</source>
        <translation>Grade de &amp;pontos</translation>
    </message>
    <message>
        <source>Show the Display of the Dot Grid
Dot Grid</source>
        <translation>Mostrar a grade de pontos
Grade de pontos</translation>
    </message>
    <message>
        <source>S&amp;quare Grid</source>
        <translation>Grade &amp;quadriculada</translation>
    </message>
    <message>
        <source>Show the Display of Orhtogonal Grid
Square Grid</source>
        <translation>Mostrar a grade ortogonal
Grade quadriculada</translation>
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
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom In
zoom in</source>
        <translation>Ampliar
ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Zoom Out
zoom out</source>
        <translation>Reduzir
reduzir</translation>
    </message>
    <message>
        <source>Zoom In or Out</source>
        <translation>Ampliar ou reduzir</translation>
    </message>
    <message>
        <source>Zoom In or Out
scale</source>
        <translation>Ampliar ou reduzir
escala</translation>
    </message>
    <message>
        <source>&amp;European Style</source>
        <translation>Estilo &amp;europeu</translation>
    </message>
    <message>
        <source>Display all Resistors in European Style
EU Style</source>
        <translation>Exibir todos os resistores no estilo europeu
Estilo europeu</translation>
    </message>
    <message>
        <source>&amp;US Style</source>
        <translation>Estilo norte-&amp;americano</translation>
    </message>
    <message>
        <source>Dsiplay all Resistors in US Style
US Style</source>
        <translation>Exibir todos os resistores no estilo norte-americano
Estilo EUA</translation>
    </message>
    <message>
        <source>&amp;Re-Draw</source>
        <translation>&amp;Redesenhar</translation>
    </message>
    <message>
        <source>Re-Draw
Re-Draw</source>
        <translation>Redesenhar
Redesenhar</translation>
    </message>
    <message>
        <source>Using Nodal Analysis</source>
        <translation>Usando a análise nodal</translation>
    </message>
    <message>
        <source>&amp;Matrix Form</source>
        <translation>Forma &amp;matricial</translation>
    </message>
    <message>
        <source>Show the analysed circuit&apos;s modified nodal system G x = b, to read or to copy
Matrix Form</source>
        <translation>Mostrar o sistema nodal modificado G x = b do circuito analisado, para ler ou copiar
Forma matricial</translation>
    </message>
    <message>
        <source>&amp;Formulas</source>
        <translation>&amp;Fórmulas</translation>
    </message>
    <message>
        <source>Show every node voltage as a formula in the elements&apos; names, with its value
Formulas</source>
        <translation>Mostrar cada tensão de nó como fórmula nos nomes dos elementos, com seu valor
Fórmulas</translation>
    </message>
    <message>
        <source>Show equation</source>
        <translation>Mostrar equação</translation>
    </message>
    <message>
        <source>Show voltage-current equation and calculation steps.
Show equation</source>
        <translation>Mostrar a equação tensão-corrente e os passos do cálculo.
Mostrar equação</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Selecionar</translation>
    </message>
    <message>
        <source>Select Component Mode
Select</source>
        <translation>Modo de seleção de componentes
Selecionar</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Resistor</translation>
    </message>
    <message>
        <source>Insert a Resistor to the circuit
Resistor</source>
        <translation>Inserir um resistor no circuito
Resistor</translation>
    </message>
    <message>
        <source>&amp;Voltage Source</source>
        <translation>Fonte de &amp;tensão</translation>
    </message>
    <message>
        <source>Insert a Voltage Source to the circuit
Voltage Source</source>
        <translation>Inserir uma fonte de tensão no circuito
Fonte de tensão</translation>
    </message>
    <message>
        <source>&amp;Current Source</source>
        <translation>Fonte de &amp;corrente</translation>
    </message>
    <message>
        <source>Insert a Current Source to the circuit
Current Source</source>
        <translation>Inserir uma fonte de corrente no circuito
Fonte de corrente</translation>
    </message>
    <message>
        <source>&amp;Ammeter</source>
        <translation>&amp;Amperímetro</translation>
    </message>
    <message>
        <source>Insert Ammeter
Ammeter</source>
        <translation>Inserir amperímetro
Amperímetro</translation>
    </message>
    <message>
        <source>V&amp;oltmeter</source>
        <translation>&amp;Voltímetro</translation>
    </message>
    <message>
        <source>Insert Voltmeter
Voltmeter</source>
        <translation>Inserir voltímetro
Voltímetro</translation>
    </message>
    <message>
        <source>&amp;Wire</source>
        <translation>&amp;Fio</translation>
    </message>
    <message>
        <source>Place a Wire to Connect Components
Wire</source>
        <translation>Colocar um fio para ligar componentes
Fio</translation>
    </message>
    <message>
        <source>Turning Wire, &amp;Across First</source>
        <translation>Fio com curva, &amp;horizontal primeiro</translation>
    </message>
    <message>
        <source>Connect Wire with Right-Angle Turn
Turning Wire</source>
        <translation>Ligar fio com curva em ângulo reto
Fio com curva</translation>
    </message>
    <message>
        <source>Turning Wire, Up or D&amp;own First</source>
        <translation>Fio com curva, v&amp;ertical primeiro</translation>
    </message>
    <message>
        <source>Connect Wire with Right-Angled Turn
Turning Wire</source>
        <translation>Ligar fio com curva em ângulo reto
Fio com curva</translation>
    </message>
    <message>
        <source>&amp;Joint</source>
        <translation>&amp;Junção</translation>
    </message>
    <message>
        <source>Made a joint between two or more Components
Joint</source>
        <translation>Fazer uma junção entre dois ou mais componentes
Junção</translation>
    </message>
    <message>
        <source>&amp;Eastwards</source>
        <translation>Para &amp;leste</translation>
    </message>
    <message>
        <source>Set Component Direction to the East
East</source>
        <translation>Orientar o componente para o leste
Leste</translation>
    </message>
    <message>
        <source>&amp;Northwards</source>
        <translation>Para o &amp;norte</translation>
    </message>
    <message>
        <source>Set Component Direction to the North
North</source>
        <translation>Orientar o componente para o norte
Norte</translation>
    </message>
    <message>
        <source>&amp;Westwar&amp;ds</source>
        <translation>Para o &amp;oeste</translation>
    </message>
    <message>
        <source>Set Component Direction to the West
West</source>
        <translation>Orientar o componente para o oeste
Oeste</translation>
    </message>
    <message>
        <source>So&amp;uthwards</source>
        <translation>Para o s&amp;ul</translation>
    </message>
    <message>
        <source>Set Component Direction to the South
South</source>
        <translation>Orientar o componente para o sul
Sul</translation>
    </message>
    <message>
        <source>Node Voltage Method</source>
        <translation>Método das tensões de nó</translation>
    </message>
    <message>
        <source>Mesh Current Method</source>
        <translation>Análise de malhas</translation>
    </message>
    <message>
        <source>Loop Current Method</source>
        <translation>Método das correntes de laço</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Compute Voltages &amp; Currents
Compute</source>
        <translation>Calcular tensões e correntes
Calcular</translation>
    </message>
    <message>
        <source>Electrical &amp;Rule Check</source>
        <translation>Verificação de &amp;regras elétricas</translation>
    </message>
    <message>
        <source>Electrical Rule Check
ERC</source>
        <translation>Verificação de regras elétricas
VRE</translation>
    </message>
    <message>
        <source>Thévenin Equivalent...</source>
        <translation>Equivalente de Thévenin...</translation>
    </message>
    <message>
        <source>Find the Thévenin and Norton equivalents between two nodes or as seen by a resistor
Thévenin Equivalent</source>
        <translation>Encontrar os equivalentes de Thévenin e de Norton entre dois nós ou vistos de um resistor
Equivalente de Thévenin</translation>
    </message>
    <message>
        <source>Superposition</source>
        <translation>Superposição</translation>
    </message>
    <message>
        <source>Solve the circuit once for each source with the others set to zero, and add the parts
Superposition</source>
        <translation>Resolver o circuito uma vez para cada fonte, com as outras zeradas, e somar as partes
Superposição</translation>
    </message>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation>Tutor de análise nodal</translation>
    </message>
    <message>
        <source>This will guide you through the steps in the Nodal Analysis Process
Nodal Analysis Tutor</source>
        <translation>Este tutor vai guiá-lo pelos passos da análise nodal
Tutor de análise nodal</translation>
    </message>
    <message>
        <source>Check My Node Equation</source>
        <translation>Verificar minha equação de nó</translation>
    </message>
    <message>
        <source>Click a node, type its KCL equation and let Kirvolt check it
Check My Node Equation</source>
        <translation>Clique em um nó, digite sua equação da LKC e deixe o Kirvolt verificá-la
Verificar minha equação de nó</translation>
    </message>
    <message>
        <source>Check My Mesh Equation</source>
        <translation>Verificar minha equação de malha</translation>
    </message>
    <message>
        <source>Click inside a mesh, type its KVL equation and let Kirvolt check it
Check My Mesh Equation</source>
        <translation>Clique dentro de uma malha, digite sua equação da LKT e deixe o Kirvolt verificá-la
Verificar minha equação de malha</translation>
    </message>
    <message>
        <source>Set Print Scale</source>
        <translation>Definir escala de impressão</translation>
    </message>
    <message>
        <source>Set the scale factor for printing hardcopy.
Set Print Scale</source>
        <translation>Definir o fator de escala para a impressão em papel.
Definir escala de impressão</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nova janela</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Abrir outra janela para o documento ativo
Nova janela</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascata</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Organizar as janelas sobrepostas
Janelas em cascata</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Lado a lado</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Organizar as janelas lado a lado, sem sobreposição
Janelas lado a lado</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Organizar ícones</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Organizar os ícones na parte inferior da janela
Organizar ícones</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Próximo painel</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Passar para o próximo painel da janela
Próximo painel</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Painel anterior</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Voltar ao painel anterior da janela
Painel anterior</translation>
    </message>
    <message>
        <source>&amp;About Kirvolt...</source>
        <translation>&amp;Sobre o Kirvolt...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Exibir informações do programa, número da versão e direitos autorais
Sobre</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy Component
Copy</source>
        <translation>Copiar o componente
Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Cut Component
Cut</source>
        <translation>Recortar o componente
Recortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Paste Component
Paste</source>
        <translation>Colar o componente
Colar</translation>
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
        <translation>Tutor de análise nodal modificada</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor
Modified Nodal Analysis Tutor</source>
        <translation>Tutor de análise nodal modificada
Tutor de análise nodal modificada</translation>
    </message>
    <message>
        <source>Loop Current Tutor</source>
        <translation>Tutor de correntes de laço</translation>
    </message>
    <message>
        <source>Loop Current Tutor
Loop Current Tutor</source>
        <translation>Tutor de correntes de laço
Tutor de correntes de laço</translation>
    </message>
    <message>
        <source>Mesh Current Tutor</source>
        <translation>Tutor de análise de malhas</translation>
    </message>
    <message>
        <source>Mesh Current Tutor
Mesh Current Tutor</source>
        <translation>Tutor de análise de malhas
Tutor de análise de malhas</translation>
    </message>
    <message>
        <source>Chord Current Tutor</source>
        <translation>Tutor de correntes de corda</translation>
    </message>
    <message>
        <source>Chord Current 
Chord Current Tutor</source>
        <translation>Correntes de corda 
Tutor de correntes de corda</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Name Component
Name</source>
        <translation>Dar nome ao componente
Nome</translation>
    </message>
    <message>
        <source>Describe Circuit</source>
        <translation>Descrever circuito</translation>
    </message>
    <message>
        <source>Put the whole circuit in words in a window that a screen reader reads
Describe Circuit</source>
        <translation>Descrever o circuito inteiro em palavras numa janela que um leitor de tela lê
Descrever circuito</translation>
    </message>
</context>
<context>
    <name>ChordTutor</name>
    <message>
        <source>Your tree has %1 branch: %2.</source>
        <translation>Sua árvore tem %1 ramo: %2.</translation>
    </message>
    <message>
        <source>Your tree has %1 branches: %2.</source>
        <translation>Sua árvore tem %1 ramos: %2.</translation>
    </message>
    <message>
        <source>The other branch is its chord: %1.</source>
        <translation>O outro ramo é sua corda: %1.</translation>
    </message>
    <message>
        <source>The other branches are its chords: %1.</source>
        <translation>Os outros ramos são suas cordas: %1.</translation>
    </message>
    <message>
        <source>Each chord closes one loop with the tree. The current of that loop runs through the chord in the chord&apos;s own direction and is named after it: %1.</source>
        <translation>Cada corda fecha um laço com a árvore. A corrente desse laço percorre a corda no sentido próprio da corda e recebe o nome dela: %1.</translation>
    </message>
    <message>
        <source>%1 is a current source, so its loop current is its own current and known beforehand.</source>
        <translation>%1 é uma fonte de corrente, então sua corrente de laço é a própria corrente da fonte e é conhecida de antemão.</translation>
    </message>
    <message>
        <source>%1 are current sources, so their loop currents are their own currents and known beforehand.</source>
        <translation>%1 são fontes de corrente, então suas correntes de laço são as próprias correntes das fontes e são conhecidas de antemão.</translation>
    </message>
    <message>
        <source>There is %1 loop current, so %1 loop equation is needed, one for each chord.</source>
        <translation>Há %1 corrente de laço, então é necessária %1 equação de laço, uma para cada corda.</translation>
    </message>
    <message>
        <source>There are %1 loop currents, so %1 loop equations are needed, one for each chord.</source>
        <translation>Há %1 correntes de laço, então são necessárias %1 equações de laço, uma para cada corda.</translation>
    </message>
    <message>
        <source>Loop %1 of %2: %3</source>
        <translation>Laço %1 de %2: %3</translation>
    </message>
    <message>
        <source>%1 closes it with the tree. Going round it in the direction of %2, it runs through %3.</source>
        <translation>%1 o fecha com a árvore. Percorrendo-o no sentido de %2, ele passa por %3.</translation>
    </message>
    <message>
        <source>The following shows how you write your equation:

Going round a loop in the direction of its current, each resistor drops its resistance times the current through it: the loop&apos;s own current, with the current of every other loop through that resistor added where it runs the same way and taken away where it runs against. The EMFs met from %1 to + stand on the right.

For the loop of R3, closed by a tree of E1 and R1, where the loop of R4 also runs through R1 the same way:

        R3·I_R3 + R1·(I_R3 + I_R4) = E1

The loop of a current source J1 needs no KVL equation: its current is the source&apos;s, I_J1 = J1.

Loop equations in your circuit may be prepared in a similar fashion.</source>
        <translation>Veja como escrever sua equação:

Percorrendo um laço no sentido de sua corrente, cada resistor tem uma queda de tensão igual à sua resistência vezes a corrente que passa por ele: a própria corrente do laço, somada à corrente de cada outro laço que passa por esse resistor no mesmo sentido e subtraída da que passa no sentido contrário. As f.e.m. encontradas de %1 para + ficam no lado direito.

Para o laço de R3, fechado por uma árvore formada por E1 e R1, em que o laço de R4 também passa por R1 no mesmo sentido:

        R3·I_R3 + R1·(I_R3 + I_R4) = E1

O laço de uma fonte de corrente J1 não precisa de equação da LKT: sua corrente é a da fonte, I_J1 = J1.

As equações de laço do seu circuito podem ser montadas da mesma forma.</translation>
    </message>
</context>
<context>
    <name>CircuitEditor</name>
    <message>
        <source>Kirvolt default procedure for MouseMove is called, move cursor out of client area and press [Enter].</source>
        <translation>O procedimento padrão do Kirvolt para MouseMove foi chamado; mova o cursor para fora da área de trabalho e pressione [Enter].</translation>
    </message>
</context>
<context>
    <name>CircuitFile</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Formato de arquivo inesperado.</translation>
    </message>
    <message>
        <source>a name or label is too long for a circuit file</source>
        <translation>um nome ou rótulo é longo demais para um arquivo de circuito</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
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
        <translation>miliohm</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>kilohm</source>
        <translation>quiloohm</translation>
    </message>
    <message>
        <source>megohm</source>
        <translation>megaohm</translation>
    </message>
    <message>
        <source>gigohm</source>
        <translation>gigaohm</translation>
    </message>
    <message>
        <source>teraohm</source>
        <translation>teraohm</translation>
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
        <translation>milivolt</translation>
    </message>
    <message>
        <source>volt</source>
        <translation>volt</translation>
    </message>
    <message>
        <source>kilovolt</source>
        <translation>quilovolt</translation>
    </message>
    <message>
        <source>megavolt</source>
        <translation>megavolt</translation>
    </message>
    <message>
        <source>gigavolt</source>
        <translation>gigavolt</translation>
    </message>
    <message>
        <source>teravolt</source>
        <translation>teravolt</translation>
    </message>
    <message>
        <source>picoampere</source>
        <translation>picoampere</translation>
    </message>
    <message>
        <source>nanoampere</source>
        <translation>nanoampere</translation>
    </message>
    <message>
        <source>microampere</source>
        <translation>microampere</translation>
    </message>
    <message>
        <source>milliampere</source>
        <translation>miliampere</translation>
    </message>
    <message>
        <source>ampere</source>
        <translation>ampere</translation>
    </message>
    <message>
        <source>kiloampere</source>
        <translation>quiloampere</translation>
    </message>
    <message>
        <source>megaampere</source>
        <translation>megaampere</translation>
    </message>
    <message>
        <source>gigaampere</source>
        <translation>gigaampere</translation>
    </message>
    <message>
        <source>teraampere</source>
        <translation>teraampere</translation>
    </message>
    <message>
        <source>resistor</source>
        <translation>resistor</translation>
    </message>
    <message>
        <source>voltage source</source>
        <translation>fonte de tensão</translation>
    </message>
    <message>
        <source>current source</source>
        <translation>fonte de corrente</translation>
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
        <translation>em %1</translation>
    </message>
    <message>
        <source>from node %1 to node %2</source>
        <translation>do nó %1 ao nó %2</translation>
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
        <translation>, não indica nada: %1</translation>
    </message>
    <message>
        <source>, reads %1</source>
        <translation>, indica %1</translation>
    </message>
    <message>
        <source>, p.d. %1, current %2</source>
        <translation>, d.d.p. %1, corrente %2</translation>
    </message>
    <message>
        <source>joint of node %1</source>
        <translation>junção do nó %1</translation>
    </message>
    <message>
        <source>joint</source>
        <translation>junção</translation>
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
        <translation>O desenho está vazio.</translation>
    </message>
    <message>
        <source>The circuit has %1 elements and %2 joints, read row by row from the top left.</source>
        <translation>O circuito tem %1 elementos e %2 junções, lidos fileira por fileira a partir do canto superior esquerdo.</translation>
    </message>
    <message>
        <source>It has %1 nodes; the datum node is node %2.</source>
        <translation>Ele tem %1 nós; o nó de referência é o nó %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The numbers are those of the last analysis.</source>
        <translation>Os números são os da última análise.</translation>
    </message>
    <message>
        <source>It has not been analysed as it is drawn now.</source>
        <translation>Ele não foi analisado do jeito que está desenhado agora.</translation>
    </message>
</context>
<context>
    <name>CircuitWordsWindow</name>
    <message>
        <source>Describe Circuit</source>
        <translation>Descrever circuito</translation>
    </message>
    <message>
        <source>The whole circuit in words, one element or joint a line</source>
        <translation>O circuito inteiro em palavras, um elemento ou uma junção por linha</translation>
    </message>
    <message>
        <source>The circuit in words</source>
        <translation>O circuito em palavras</translation>
    </message>
    <message>
        <source>Each line is one element or joint, read row by row from the top left</source>
        <translation>Cada linha é um elemento ou uma junção, lidos fileira por fileira a partir do canto superior esquerdo</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>The Clipboard holds no circuit that Kirvolt can paste.</source>
        <translation>A área de transferência não contém nenhum circuito que o Kirvolt possa colar.</translation>
    </message>
    <message>
        <source>The circuit on the Clipboard reaches too far to be pasted here.</source>
        <translation>O circuito na área de transferência é grande demais para ser colado aqui.</translation>
    </message>
</context>
<context>
    <name>CurrentSourceQuiz</name>
    <message>
        <source>Found:  %1 of %2  meshes whose current a source fixes,  %3 of %4  pairs of meshes joined by a current source.</source>
        <translation>Encontradas:  %1 de %2  malhas cuja corrente uma fonte fixa,  %3 de %4  pares de malhas unidas por uma fonte de corrente.</translation>
    </message>
    <message>
        <source>You have found what every current source does to the meshes.

Go ahead with your analysis.</source>
        <translation>Você encontrou o que cada fonte de corrente faz com as malhas.

Prossiga com sua análise.</translation>
    </message>
    <message>
        <source>That point is inside no mesh.

Click inside one of the meshes of your circuit.</source>
        <translation>Esse ponto não está dentro de nenhuma malha.

Clique dentro de uma das malhas do seu circuito.</translation>
    </message>
    <message>
        <source>Mesh %1 chosen.

Now click the other mesh of the pair.</source>
        <translation>Malha %1 escolhida.

Agora clique na outra malha do par.</translation>
    </message>
    <message>
        <source>Mesh %1 is chosen already.

Click the mesh on the other side of the current source.</source>
        <translation>A malha %1 já foi escolhida.

Clique na malha do outro lado da fonte de corrente.</translation>
    </message>
    <message>
        <source>You have found mesh %1 already.</source>
        <translation>Você já encontrou a malha %1.</translation>
    </message>
    <message>
        <source>Terrific! You got it.

%1

        %2

The current of mesh %3 is known, so mesh %3 needs no KVL equation.</source>
        <translation>Ótimo! Você acertou.

%1

        %2

A corrente da malha %3 é conhecida, então a malha %3 não precisa de equação da LKT.</translation>
    </message>
    <message>
        <source>Sorry,

%1 on mesh %2 fixes no mesh current on its own: it lies between meshes %3 and carries the difference of their currents.

Look for a current source on the outside of the drawing, or click the two meshes it joins as a pair.</source>
        <translation>Sinto muito,

%1 na malha %2 não fixa sozinha nenhuma corrente de malha: ela fica entre as malhas %3 e conduz a diferença de suas correntes.

Procure uma fonte de corrente no contorno externo do desenho ou clique nas duas malhas que ela une, como um par.</translation>
    </message>
    <message>
        <source>Sorry,

no current source lies on mesh %1, so its current is unknown and mesh %1 gets a KVL equation,

please check your circuit carefully

and try again.</source>
        <translation>Sinto muito,

nenhuma fonte de corrente está na malha %1, então sua corrente é desconhecida e a malha %1 recebe uma equação da LKT;

verifique seu circuito com cuidado

e tente novamente.</translation>
    </message>
    <message>
        <source>You have found meshes %1 already.</source>
        <translation>Você já encontrou as malhas %1.</translation>
    </message>
    <message>
        <source>Terrific! You got it.

%1</source>
        <translation>Ótimo! Você acertou.

%1</translation>
    </message>
    <message>
        <source>Sorry,

meshes %1 do not touch, so no current source joins them,

please check your circuit carefully

and try again.</source>
        <translation>Sinto muito,

as malhas %1 não se tocam, então nenhuma fonte de corrente as une;

verifique seu circuito com cuidado

e tente novamente.</translation>
    </message>
    <message>
        <source>Sorry,

meshes %1 share only %2, and no current source, so they are not joined into a supermesh,

please check your circuit carefully

and try again.</source>
        <translation>Sinto muito,

as malhas %1 compartilham apenas %2, e nenhuma fonte de corrente, então não estão unidas em uma supermalha;

verifique seu circuito com cuidado

e tente novamente.</translation>
    </message>
    <message>
        <source>Meshes %1 form a supermesh: one KVL equation goes round the whole supermesh, leaving out %2 and any other current source inside it.</source>
        <translation>As malhas %1 formam uma supermalha: uma única equação da LKT percorre toda a supermalha, deixando de fora %2 e qualquer outra fonte de corrente dentro dela.</translation>
    </message>
    <message>
        <source>Another current source fixes the current of one of these meshes, so this equation gives the other its current and no KVL equation is needed.</source>
        <translation>Outra fonte de corrente fixa a corrente de uma dessas malhas, então esta equação dá à outra a sua corrente e não é necessária nenhuma equação da LKT.</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Will be ready in the next version.</source>
        <translation>Estará disponível na próxima versão.</translation>
    </message>
</context>
<context>
    <name>DrawnNumbers</name>
    <message>
        <source>The circuit has changed since these numbers.</source>
        <translation>O circuito mudou desde estes números.</translation>
    </message>
</context>
<context>
    <name>EditSteps</name>
    <message>
        <source>Joint</source>
        <translation>Junção</translation>
    </message>
    <message>
        <source>Place Joint</source>
        <translation>Colocar junção</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Excluir %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
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
        <translation>Desenhar %1</translation>
    </message>
    <message>
        <source>Rename Node %1</source>
        <translation>Renomear nó %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
    <message>
        <source>Set Datum Node %1</source>
        <translation>Definir nó de referência %1</translation>
    </message>
</context>
<context>
    <name>EquationCheck</name>
    <message>
        <source>Check My Mesh Equation : Loop of %1</source>
        <translation>Verificar minha equação de malha : laço de %1</translation>
    </message>
    <message>
        <source>Check My Node Equation : Node %1</source>
        <translation>Verificar minha equação de nó : nó %1</translation>
    </message>
    <message>
        <source>Check My Mesh Equation : Mesh %1</source>
        <translation>Verificar minha equação de malha : malha %1</translation>
    </message>
</context>
<context>
    <name>EquationsPanel</name>
    <message>
        <source>Nodal Equations for the circuit drawn above are:</source>
        <translation>As equações nodais do circuito desenhado acima são:</translation>
    </message>
    <message>
        <source>no reading</source>
        <translation>sem leitura</translation>
    </message>
</context>
<context>
    <name>Exercises</name>
    <message>
        <source>%1 node besides the datum</source>
        <translation>%1 nó além do de referência</translation>
    </message>
    <message>
        <source>%1 nodes besides the datum</source>
        <translation>%1 nós além do de referência</translation>
    </message>
    <message>
        <source>%1 voltage source</source>
        <translation>%1 fonte de tensão</translation>
    </message>
    <message>
        <source>%1 voltage sources</source>
        <translation>%1 fontes de tensão</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 current source</source>
        <translation>%1 fonte de corrente</translation>
    </message>
    <message>
        <source>%1 current sources</source>
        <translation>%1 fontes de corrente</translation>
    </message>
    <message>
        <source>An exercise has from 1 to %1 nodes besides the datum.</source>
        <translation>Um exercício tem de 1 a %1 nós além do de referência.</translation>
    </message>
    <message>
        <source>An exercise cannot have a negative number of sources.</source>
        <translation>Um exercício não pode ter um número negativo de fontes.</translation>
    </message>
    <message>
        <source>An exercise needs at least one voltage source or current source:
without one every voltage is 0 V.</source>
        <translation>Um exercício precisa de pelo menos uma fonte de tensão ou de corrente:
sem nenhuma, todas as tensões são 0 V.</translation>
    </message>
    <message>
        <source>An exercise with %1 can have at most %2:
one more would close a loop of voltage sources.</source>
        <translation>Um exercício com %1 pode ter no máximo %2:
mais uma fecharia um laço de fontes de tensão.</translation>
    </message>
    <message>
        <source>An exercise with %1 can have at most %2 current sources:
more would crowd the drawing.</source>
        <translation>Um exercício com %1 pode ter no máximo %2 fontes de corrente:
mais do que isso congestionaria o desenho.</translation>
    </message>
    <message>
        <source>No exercise of this size with two meshes or more, drawn without a crossing, comes from this seed; try another seed or more nodes.</source>
        <translation>Esta semente não gera nenhum exercício deste tamanho com duas ou mais malhas desenhado sem cruzamentos; tente outra semente ou mais nós.</translation>
    </message>
    <message>
        <source>No solvable exercise of this size comes from this seed; try another seed.</source>
        <translation>Esta semente não gera nenhum exercício solucionável deste tamanho; tente outra semente.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>A picture is written as a .png, .svg or .pdf file.</source>
        <translation>Uma imagem é gravada como arquivo .png, .svg ou .pdf.</translation>
    </message>
    <message>
        <source>A worked solution is written as a .html or .pdf file.</source>
        <translation>Uma solução detalhada é gravada como arquivo .html ou .pdf.</translation>
    </message>
    <message>
        <source>A worksheet is written as a .html or .pdf file.</source>
        <translation>Uma folha de exercícios é gravada como arquivo .html ou .pdf.</translation>
    </message>
    <message>
        <source>Create your circuit first.</source>
        <translation>Crie seu circuito primeiro.</translation>
    </message>
    <message>
        <source>PNG and PDF files cannot be written: this program was built without Qt.</source>
        <translation>Não é possível gravar arquivos PNG e PDF: este programa foi compilado sem o Qt.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>it is larger than any circuit of the drawing area could be</source>
        <translation>ele é maior do que qualquer circuito da área de desenho poderia ser</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>a cota de disco se esgotou</translation>
    </message>
    <message>
        <source>the file is larger than the disk or the system allows</source>
        <translation>o arquivo é maior do que o disco ou o sistema permite</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>o disco informou um erro</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>não há memória suficiente</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>há arquivos demais abertos</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 não foi encontrado.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contém um caminho inválido.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>O acesso a %1 foi negado.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Ocorreu uma violação de compartilhamento ao acessar %1.</translation>
    </message>
    <message>
        <source>Kirvolt could not open %1: %2.</source>
        <translation>O Kirvolt não conseguiu abrir %1: %2.</translation>
    </message>
    <message>
        <source>Kirvolt could not save %1: %2.</source>
        <translation>O Kirvolt não conseguiu salvar %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Kirvolt Files (*.kvt)</source>
        <translation>Arquivos do Kirvolt (*.kvt)</translation>
    </message>
    <message>
        <source>SPICE Netlists (*.cir *.net *.sp *.spice)</source>
        <translation>Netlists SPICE (*.cir *.net *.sp *.spice)</translation>
    </message>
    <message>
        <source>Circuits and Netlists (*.kvt *.cir *.net *.sp *.spice)</source>
        <translation>Circuitos e netlists (*.kvt *.cir *.net *.sp *.spice)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Export SPICE Netlist</source>
        <translation>Exportar netlist SPICE</translation>
    </message>
    <message>
        <source>SPICE Netlists (*.cir)</source>
        <translation>Netlists SPICE (*.cir)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source>PNG Image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawing (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Worked Solution</source>
        <translation>Exportar solução detalhada</translation>
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
        <translation>As fórmulas são calculadas para circuitos de no máximo %1 incógnitas; este tem %2.</translation>
    </message>
    <message>
        <source>The node equations have no unique solution in letters.</source>
        <translation>As equações de nó não têm solução única em letras.</translation>
    </message>
    <message>
        <source>Formulas need GiNaC, the library for symbolic algebra (Debian&apos;s libginac-dev), and this Kirvolt was built without it.</source>
        <translation>As fórmulas precisam do GiNaC, a biblioteca de álgebra simbólica (libginac-dev, do Debian), e este Kirvolt foi compilado sem ela.</translation>
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
        <translation>Cada tensão de nó como fórmula nos nomes dos elementos, com seu valor</translation>
    </message>
</context>
<context>
    <name>Kirvolt</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Digite um número inteiro entre %1 e %2.</translation>
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
        <translation>O Kirvolt usará o idioma escolhido a partir da próxima vez que for iniciado.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Padrão do sistema</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>The netlist is too large to draw within the drawing area.</source>
        <translation>A netlist é grande demais para ser desenhada dentro da área de desenho.</translation>
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
        <translation>%1 e %2</translation>
    </message>
</context>
<context>
    <name>LoopCombination</name>
    <message>
        <source>loop %1</source>
        <translation>laço %1</translation>
    </message>
    <message>
        <source>twice loop %1</source>
        <translation>duas vezes o laço %1</translation>
    </message>
    <message>
        <source>%1 times loop %2</source>
        <translation>%1 vezes o laço %2</translation>
    </message>
    <message>
        <source>loop %1 traced again</source>
        <translation>laço %1 traçado de novo</translation>
    </message>
    <message>
        <source>the sum of loops %1</source>
        <translation>a soma dos laços %1</translation>
    </message>
    <message>
        <source>loop %1 run the other way</source>
        <translation>laço %1 percorrido no sentido contrário</translation>
    </message>
    <message>
        <source>the sum of loops %1 run the other way</source>
        <translation>a soma dos laços %1 percorridos no sentido contrário</translation>
    </message>
    <message>
        <source> plus </source>
        <translation> mais </translation>
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
        <translation>Ótimo! Você acertou.

Há ao todo  %1 laços independentes no seu circuito.

Isso significa que você precisa traçar  %1 laços e encontrar suas correntes.

Prossiga com sua análise.</translation>
    </message>
    <message>
        <source>Sorry,

your circuit does not have %1 independent loops.

It has  %2  branches and  %3  nodes, and a circuit has

   independent loops  =  branches - nodes + 1,

please check your circuit carefully

and try again.</source>
        <translation>Sinto muito,

seu circuito não tem %1 laços independentes.

Ele tem  %2  ramos e  %3  nós, e um circuito tem

   laços independentes  =  ramos - nós + 1;

verifique seu circuito com cuidado

e tente novamente.</translation>
    </message>
</context>
<context>
    <name>LoopEquations</name>
    <message>
        <source>The voltage drops round the loop of %1, in the direction of %2, add up to the EMFs that drive it.</source>
        <translation>As quedas de tensão ao longo do laço de %1, no sentido de %2, somam as f.e.m. que o acionam.</translation>
    </message>
    <message>
        <source>%1 is the chord of its loop, so the loop current is the source&apos;s own current.</source>
        <translation>%1 é a corda de seu laço, então a corrente de laço é a própria corrente da fonte.</translation>
    </message>
    <message>
        <source>The voltage drops round loop %1, in the direction of %2, add up to the EMFs that drive it.</source>
        <translation>As quedas de tensão ao longo do laço %1, no sentido de %2, somam as f.e.m. que o acionam.</translation>
    </message>
    <message>
        <source>The voltage drops round %1, which leaves out %2, add up to the EMFs that drive it.</source>
        <translation>As quedas de tensão ao longo de %1, que deixa de fora %2, somam as f.e.m. que o acionam.</translation>
    </message>
    <message>
        <source>%1 lies on loop %2 alone, so it gives loop %2 its current.</source>
        <translation>%1 está só no laço %2, então dá ao laço %2 a sua corrente.</translation>
    </message>
    <message>
        <source>%1 lies on loops %2, so the loop currents through it add up to its current.</source>
        <translation>%1 está nos laços %2, então as correntes de laço que passam por ela somam a sua corrente.</translation>
    </message>
</context>
<context>
    <name>LoopTracing</name>
    <message>
        <source>Loop %1 is closed, and it is independent of the loops before it.

%2</source>
        <translation>O laço %1 está fechado e é independente dos laços anteriores.

%2</translation>
    </message>
    <message>
        <source>That makes %1 independent loops, as many as your circuit has.

Go ahead with your analysis.</source>
        <translation>Isso dá %1 laços independentes, tantos quantos o seu circuito tem.

Prossiga com sua análise.</translation>
    </message>
    <message>
        <source>1 more loop is needed.</source>
        <translation>Falta mais 1 laço.</translation>
    </message>
    <message>
        <source>%1 more loops are needed.</source>
        <translation>Faltam mais %1 laços.</translation>
    </message>
    <message>
        <source>Sorry,

this loop is %1: its KVL equation would follow from theirs, so it tells nothing new.

%2Trace another loop.</source>
        <translation>Sinto muito,

este laço é %1: sua equação da LKT decorreria das equações deles, então não diz nada de novo.

%2Trace outro laço.</translation>
    </message>
    <message>
        <source>Sorry,

this loop taken %1 times is %2: its KVL equation would follow from theirs, so it tells nothing new.

%3Trace another loop.</source>
        <translation>Sinto muito,

este laço tomado %1 vezes é %2: sua equação da LKT decorreria das equações deles, então não diz nada de novo.

%3Trace outro laço.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two of the branches a new loop may run through, as in &quot;R1, R2 or R3&quot;.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>A loop through %1, which none of your loops runs through yet, is sure to be new. </source>
        <translation>Um laço que passe por %1, por onde nenhum dos seus laços passa ainda, com certeza será novo. </translation>
    </message>
    <message>
        <source>Loops traced:  %1 of %2.</source>
        <translation>Laços traçados:  %1 de %2.</translation>
    </message>
    <message>
        <source>That is no branch of your circuit.

Click a resistor or a source: a wire only joins the branches.</source>
        <translation>Isso não é um ramo do seu circuito.

Clique em um resistor ou em uma fonte: um fio apenas liga os ramos.</translation>
    </message>
    <message>
        <source>Sorry,

%1</source>
        <translation>Sinto muito,

%1</translation>
    </message>
    <message>
        <source>%1 taken.

%2</source>
        <translation>Ramo %1 incluído.

%2</translation>
    </message>
    <message>
        <source>There is no branch to take back: the loop you are tracing has none yet.</source>
        <translation>Não há ramo para retirar: o laço que você está traçando ainda não tem nenhum.</translation>
    </message>
    <message>
        <source>%1 taken back.

%2</source>
        <translation>Ramo %1 retirado.

%2</translation>
    </message>
    <message>
        <source>The loop is cleared.

%1</source>
        <translation>O laço foi apagado.

%1</translation>
    </message>
</context>
<context>
    <name>LoopTree</name>
    <message>
        <source>The tree does not join node %1 to the datum node %2.</source>
        <translation>A árvore não liga o nó %1 ao nó de referência %2.</translation>
    </message>
    <message>
        <source>The tree does not join node %1 to the datum node %2: add %3 to it.</source>
        <translation>A árvore não liga o nó %1 ao nó de referência %2: acrescente %3 a ela.</translation>
    </message>
    <message>
        <source>The tree does not join node %1 to the datum node %2: add one of %3 to it.</source>
        <translation>A árvore não liga o nó %1 ao nó de referência %2: acrescente a ela um destes: %3.</translation>
    </message>
    <message>
        <source>%1 cannot be in the tree: a current source fixes the current of its branch, so it must be a chord.</source>
        <translation>%1 não pode estar na árvore: uma fonte de corrente fixa a corrente de seu ramo, então precisa ser uma corda.</translation>
    </message>
    <message>
        <source>%1 has both ends on one node, so it is a loop by itself and cannot be in the tree.</source>
        <translation>%1 tem as duas extremidades em um mesmo nó, então é um laço por si só e não pode estar na árvore.</translation>
    </message>
    <message>
        <source>%1 would close a loop with %2, so it cannot be in the tree.</source>
        <translation>%1 fecharia um laço com %2, então não pode estar na árvore.</translation>
    </message>
    <message>
        <source>The tree names %1, but the circuit has no resistor or source of that name.</source>
        <translation>A árvore cita %1, mas o circuito não tem nenhum resistor nem fonte com esse nome.</translation>
    </message>
    <message>
        <source>The tree names %1 twice.</source>
        <translation>A árvore cita %1 duas vezes.</translation>
    </message>
</context>
<context>
    <name>LoopTutor</name>
    <message>
        <source>Loop %1 of %2:</source>
        <translation>Laço %1 de %2:</translation>
    </message>
    <message>
        <source>Solving the equations gives the loop currents:</source>
        <translation>Resolvendo as equações, obtêm-se as correntes de laço:</translation>
    </message>
    <message>
        <source>Each branch carries the sum of the loop currents through it, and the results pane shows the p.d. and current of every element: they are the same whichever loops you choose.</source>
        <translation>Cada ramo conduz a soma das correntes de laço que passam por ele, e o painel de resultados mostra a d.d.p. e a corrente de cada elemento: elas são as mesmas, quaisquer que sejam os laços escolhidos.</translation>
    </message>
</context>
<context>
    <name>MatrixForm</name>
    <message>
        <source>The matrix form is shown for systems of up to %1 unknowns; this circuit has %2.</source>
        <translation>A forma matricial é mostrada para sistemas de até %1 incógnitas; este circuito tem %2.</translation>
    </message>
    <message>
        <source>There are no unknowns: %1</source>
        <translation>Não há incógnitas: %1</translation>
    </message>
</context>
<context>
    <name>MeshCount</name>
    <message>
        <source>Terrific! You got it.

There are a total of  %1 meshes in your circuit.

That means you have to find  %1 mesh currents.

Go ahead with your analysis.</source>
        <translation>Ótimo! Você acertou.

Há ao todo  %1 malhas no seu circuito.

Isso significa que você precisa encontrar  %1 correntes de malha.

Prossiga com sua análise.</translation>
    </message>
    <message>
        <source>Sorry,

there are not %1 meshes in your circuit.

It has  %2  branches and  %3  nodes, and a circuit drawn
without crossings has

   meshes  =  branches - nodes + 1,

please check your circuit carefully

and try again.</source>
        <translation>Sinto muito,

não há %1 malhas no seu circuito.

Ele tem  %2  ramos e  %3  nós, e um circuito desenhado
sem cruzamentos tem

   malhas  =  ramos - nós + 1;

verifique seu circuito com cuidado

e tente novamente.</translation>
    </message>
</context>
<context>
    <name>MeshEquations</name>
    <message>
        <source>The voltage drops clockwise round mesh %1 add up to the EMFs that drive its current.</source>
        <translation>As quedas de tensão no sentido horário ao longo da malha %1 somam as f.e.m. que acionam sua corrente.</translation>
    </message>
    <message>
        <source>The voltage drops round the supermesh of meshes %1 add up to its EMFs, leaving out %2.</source>
        <translation>As quedas de tensão ao longo da supermalha das malhas %1 somam suas f.e.m., deixando de fora %2.</translation>
    </message>
    <message>
        <source>%1 on the outside of the drawing gives mesh %2 its current.</source>
        <translation>%1 no contorno externo do desenho dá à malha %2 a sua corrente.</translation>
    </message>
    <message>
        <source>%1 between meshes %2 and %3 carries the difference of their currents.</source>
        <translation>%1 entre as malhas %2 e %3 conduz a diferença de suas correntes.</translation>
    </message>
</context>
<context>
    <name>MeshTutor</name>
    <message>
        <source>There are no current sources in your circuit.

Every mesh current is unknown, and every mesh gets its own KVL equation.</source>
        <translation>Não há fontes de corrente no seu circuito.

Todas as correntes de malha são desconhecidas, e cada malha recebe sua própria equação da LKT.</translation>
    </message>
    <message>
        <source>Mesh %1 of %2:</source>
        <translation>Malha %1 de %2:</translation>
    </message>
    <message>
        <source>Now write the equation of each mesh yourself: Check My Mesh Equation tells you whether it is right.</source>
        <translation>Agora escreva você mesmo a equação de cada malha: Verificar minha equação de malha diz se ela está certa.</translation>
    </message>
</context>
<context>
    <name>MeterReadings</name>
    <message>
        <source>%1 cannot read: neither of its terminals is connected to the circuit.</source>
        <translation>%1 não pode medir: nenhum de seus terminais está ligado ao circuito.</translation>
    </message>
    <message>
        <source>%1 cannot read: its start terminal is not connected to the circuit.</source>
        <translation>%1 não pode medir: seu terminal inicial não está ligado ao circuito.</translation>
    </message>
    <message>
        <source>%1 cannot read: its finish terminal is not connected to the circuit.</source>
        <translation>%1 não pode medir: seu terminal final não está ligado ao circuito.</translation>
    </message>
    <message>
        <source>%1 cannot read: wires or other ammeters also join its terminals, so the current divides among them in no fixed way.</source>
        <translation>%1 não pode medir: fios ou outros amperímetros também ligam seus terminais, então a corrente se divide entre eles de forma indeterminada.</translation>
    </message>
    <message>
        <source>

An ideal ammeter joins its terminals as a wire does: the circuit is analysed with %1 as a wire.</source>
        <translation>

Um amperímetro ideal liga seus terminais como um fio: o circuito é analisado com %1 como um fio.</translation>
    </message>
    <message>
        <source>

An ideal ammeter joins its terminals as a wire does: the circuit is analysed with %1 as wires.</source>
        <translation>

Um amperímetro ideal liga seus terminais como um fio: o circuito é analisado com %1 como fios.</translation>
    </message>
</context>
<context>
    <name>MethodEquations</name>
    <message>
        <source>Node equations</source>
        <translation>Equações de nó</translation>
    </message>
    <message>
        <source>Mesh equations</source>
        <translation>Equações de malha</translation>
    </message>
    <message>
        <source>Loop equations</source>
        <translation>Equações de laço</translation>
    </message>
    <message>
        <source>Loop of %1:</source>
        <translation>Laço de %1:</translation>
    </message>
    <message>
        <source>%1 for the circuit drawn above are:</source>
        <extracomment>%1 is &quot;Node equations&quot;, &quot;Mesh equations&quot; or &quot;Loop equations&quot;.</extracomment>
        <translation>%1 do circuito desenhado acima são:</translation>
    </message>
</context>
<context>
    <name>ModeHints</name>
    <message>
        <source>Select: click to select (Shift adds), drag a box to select several, drag the selection to move it.</source>
        <translation>Selecionar: clique para selecionar (Shift acrescenta), arraste um retângulo para selecionar vários, arraste a seleção para movê-la.</translation>
    </message>
    <message>
        <source>Resistor: click where the resistor goes; the right button turns it.</source>
        <translation>Resistor: clique onde o resistor vai ficar; o botão direito o gira.</translation>
    </message>
    <message>
        <source>Voltage source: click where the source goes; the right button turns it.</source>
        <translation>Fonte de tensão: clique onde a fonte vai ficar; o botão direito a gira.</translation>
    </message>
    <message>
        <source>Current source: click where the source goes; the right button turns it.</source>
        <translation>Fonte de corrente: clique onde a fonte vai ficar; o botão direito a gira.</translation>
    </message>
    <message>
        <source>Voltmeter: click where the voltmeter goes; the right button turns it.</source>
        <translation>Voltímetro: clique onde o voltímetro vai ficar; o botão direito o gira.</translation>
    </message>
    <message>
        <source>Ammeter: click where the ammeter goes; the right button turns it.</source>
        <translation>Amperímetro: clique onde o amperímetro vai ficar; o botão direito o gira.</translation>
    </message>
    <message>
        <source>Wire: press on a terminal or a joint, drag to where the wire ends and let go.</source>
        <translation>Fio: pressione sobre um terminal ou uma junção, arraste até onde o fio termina e solte.</translation>
    </message>
    <message>
        <source>Joint: click a wire where a component&apos;s terminal touches it, to connect the two.</source>
        <translation>Junção: clique em um fio onde o terminal de um componente o toca, para ligar os dois.</translation>
    </message>
    <message>
        <source>Info: click a component or a joint to see its values.</source>
        <translation>Info: clique em um componente ou em uma junção para ver seus valores.</translation>
    </message>
    <message>
        <source>Delete: click a component or a wire to remove it.</source>
        <translation>Excluir: clique em um componente ou em um fio para removê-lo.</translation>
    </message>
    <message>
        <source>Move: click a component to pick it up, then click where it goes.</source>
        <translation>Mover: clique em um componente para pegá-lo e depois clique onde ele vai ficar.</translation>
    </message>
    <message>
        <source>Value: click a component to change its name and value, or a joint to rename its node. Alt+Up or Alt+Down (or Alt and the wheel) steps the value under the pointer.</source>
        <translation>Valor: clique em um componente para alterar seu nome e valor, ou em uma junção para renomear seu nó. Alt+Up ou Alt+Down (ou Alt e a roda do mouse) altera passo a passo o valor sob o ponteiro.</translation>
    </message>
    <message>
        <source>Set Datum Node: click any wire or joint of the node that is to be the datum (0 V).</source>
        <translation>Definir nó de referência: clique em qualquer fio ou junção do nó que será o de referência (0 V).</translation>
    </message>
    <message>
        <source>Loop equations: click a chord, a branch outside the thick tree, to see its loop&apos;s equation.</source>
        <translation>Equações de laço: clique em uma corda, um ramo fora da árvore em traço grosso, para ver a equação de seu laço.</translation>
    </message>
    <message>
        <source>Mesh equations: click inside a mesh to see its equation.</source>
        <translation>Equações de malha: clique dentro de uma malha para ver sua equação.</translation>
    </message>
    <message>
        <source>Node equations: click a joint to see the equation of its node.</source>
        <translation>Equações de nó: clique em uma junção para ver a equação de seu nó.</translation>
    </message>
    <message>
        <source>Check My Node Equation: click a joint of the node whose equation you have written.</source>
        <translation>Verificar minha equação de nó: clique em uma junção do nó cuja equação você escreveu.</translation>
    </message>
    <message>
        <source>Check My Mesh Equation: click inside the mesh whose equation you have written.</source>
        <translation>Verificar minha equação de malha: clique dentro da malha cuja equação você escreveu.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>ModifiedNodalNotesDialog</name>
    <message>
        <source>Nodal Analysis employs branch voltages as its independent variables: every branch voltage is written as the difference of the voltages of the two nodes at its ends, and Kirchhoff&apos;s Current Law is applied at every node except the datum node. This works well for resistors and current sources, but the current through an ideal voltage source cannot be written from its voltage.</source>
        <translation>A análise nodal usa as tensões de ramo como variáveis independentes: cada tensão de ramo é escrita como a diferença entre as tensões dos dois nós em suas extremidades, e a Lei de Kirchhoff das Correntes é aplicada em todos os nós, exceto no nó de referência. Isso funciona bem para resistores e fontes de corrente, mas a corrente em uma fonte de tensão ideal não pode ser escrita a partir de sua tensão.</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis is derived from Nodal Analysis by taking the current through each voltage source as one more unknown, and by adding for each voltage source one more equation: the voltage of its positive node minus the voltage of its negative node equals the value of the source.</source>
        <translation>A análise nodal modificada deriva da análise nodal ao tomar a corrente de cada fonte de tensão como mais uma incógnita e ao acrescentar para cada fonte de tensão mais uma equação: a tensão de seu nó positivo menos a tensão de seu nó negativo é igual ao valor da fonte.</translation>
    </message>
    <message>
        <source>Together with the branch voltage variables, these source currents make up one set of linear equations with exactly as many equations as unknowns. Solving it gives every node voltage and every source current in one step, whatever mixture of resistors and sources the circuit holds.</source>
        <translation>Junto com as variáveis de tensão de ramo, essas correntes de fonte formam um único sistema de equações lineares com exatamente tantas equações quanto incógnitas. Resolvê-lo fornece, em um só passo, todas as tensões de nó e todas as correntes de fonte, qualquer que seja a combinação de resistores e fontes do circuito.</translation>
    </message>
    <message>
        <source>This tutor will take you through writing the extra equations for the voltage sources and solving the enlarged set of equations.</source>
        <translation>Este tutor vai guiá-lo na escrita das equações extras das fontes de tensão e na resolução do sistema de equações ampliado.</translation>
    </message>
</context>
<context>
    <name>ModifiedNodalTutor</name>
    <message>
        <source>The Modified Nodal Analysis Tutor builds systems of up to %1 unknowns, which its windows show whole; this circuit has %2. View &gt; Matrix Form shows its system.</source>
        <translation>O tutor de análise nodal modificada monta sistemas de até %1 incógnitas, que suas janelas mostram por inteiro; este circuito tem %2. Exibir &gt; Forma matricial mostra o seu sistema.</translation>
    </message>
</context>
<context>
    <name>NamedSystem</name>
    <message>
        <source>The loop current system</source>
        <translation>O sistema de correntes de laço</translation>
    </message>
    <message>
        <source>each loop current runs through its chord in the chord&apos;s own direction</source>
        <translation>cada corrente de laço percorre sua corda no sentido próprio da corda</translation>
    </message>
    <message>
        <source>the circuit has no loop.</source>
        <translation>o circuito não tem nenhum laço.</translation>
    </message>
    <message>
        <source>the current of the loop that %1 closes, in its direction</source>
        <translation>a corrente do laço que %1 fecha, no sentido dela</translation>
    </message>
    <message>
        <source>The mesh current system</source>
        <translation>O sistema de correntes de malha</translation>
    </message>
    <message>
        <source>each mesh current runs clockwise round its mesh</source>
        <translation>cada corrente de malha circula no sentido horário em torno de sua malha</translation>
    </message>
    <message>
        <source>the circuit has no mesh.</source>
        <translation>o circuito não tem nenhuma malha.</translation>
    </message>
    <message>
        <source>the clockwise current of mesh %1</source>
        <translation>a corrente no sentido horário da malha %1</translation>
    </message>
    <message>
        <source>the voltage of node %1</source>
        <translation>a tensão do nó %1</translation>
    </message>
    <message>
        <source>the current through %1, from its + terminal to its - terminal</source>
        <translation>a corrente em %1, de seu terminal + para seu terminal -</translation>
    </message>
    <message>
        <source>The modified nodal system</source>
        <translation>O sistema nodal modificado</translation>
    </message>
    <message>
        <source>node %1 is the datum node, at 0 V</source>
        <translation>o nó %1 é o nó de referência, a 0 V</translation>
    </message>
    <message>
        <source>node %1, the datum node, is the only node.</source>
        <translation>o nó %1, o nó de referência, é o único nó.</translation>
    </message>
    <message>
        <source>each loop current runs round its loop in the direction it was traced</source>
        <translation>cada corrente de laço circula em seu laço no sentido em que ele foi traçado</translation>
    </message>
    <message>
        <source>the current of loop %1, in the direction it was traced</source>
        <translation>a corrente do laço %1, no sentido em que ele foi traçado</translation>
    </message>
</context>
<context>
    <name>Netlist</name>
    <message>
        <source>Kirvolt does not solve this circuit:
%1</source>
        <translation>O Kirvolt não resolve este circuito:
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
        <translation>Ótimo! Você acertou.

Há ao todo  %1 nós no seu circuito.

Isso significa que você precisa montar  %2 equações de tensão de nó.

Prossiga com sua análise.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is just less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Sinto muito,

o número de nós

do seu circuito é um pouco menor que %1;

verifique seu circuito com cuidado

e tente novamente.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is just greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Sinto muito,

o número de nós

do seu circuito é um pouco maior que %1;

verifique seu circuito com cuidado

e tente novamente.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is slightly less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Sinto muito,

o número de nós

do seu circuito é ligeiramente menor que %1;

verifique seu circuito com cuidado

e tente novamente.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is slightly greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Sinto muito,

o número de nós

do seu circuito é ligeiramente maior que %1;

verifique seu circuito com cuidado

e tente novamente.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Sinto muito,

o número de nós

do seu circuito é menor que %1;

verifique seu circuito com cuidado

e tente novamente.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Sinto muito,

o número de nós

do seu circuito é maior que %1;

verifique seu circuito com cuidado

e tente novamente.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is much less than %1,

please check your circuit carefully

and try again.</source>
        <translation>Sinto muito,

o número de nós

do seu circuito é muito menor que %1;

verifique seu circuito com cuidado

e tente novamente.</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is much greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>Sinto muito,

o número de nós

do seu circuito é muito maior que %1;

verifique seu circuito com cuidado

e tente novamente.</translation>
    </message>
</context>
<context>
    <name>NodeEquationCheck</name>
    <message>
        <source>node %1</source>
        <translation>o nó %1</translation>
    </message>
    <message>
        <source>the macro node of nodes %1</source>
        <translation>o supernó dos nós %1</translation>
    </message>
    <message>
        <source>This relates the voltages of the macro node&apos;s own nodes, as its voltage sources do. The KCL equation of the macro node balances the currents leaving it through its resistors against the currents of its current sources.</source>
        <translation>Esta equação relaciona as tensões dos próprios nós do supernó, como fazem suas fontes de tensão. A equação da LKC do supernó equilibra as correntes que saem dele por seus resistores com as correntes de suas fontes de corrente.</translation>
    </message>
    <message>
        <source>The equation has no term in %1 or in the voltage of a node joined to %2, so it cannot be the KCL equation of %2.</source>
        <translation>A equação não tem nenhum termo em %1 nem na tensão de um nó ligado a %2, então não pode ser a equação da LKC de %2.</translation>
    </message>
    <message>
        <source>The equation does not balance the currents at %1.</source>
        <translation>A equação não equilibra as correntes em %1.</translation>
    </message>
    <message>
        <source>The term in %1 is wrong: the current through %2 gives %1 the coefficient %3 S, but the equation gives it %4 S.</source>
        <translation>O termo em %1 está errado: a corrente em %2 dá a %1 o coeficiente %3 S, mas a equação dá %4 S.</translation>
    </message>
    <message>
        <source>The coefficient of %1 is wrong: the resistors at %2 give it %3 S, but the equation gives it %4 S.</source>
        <translation>O coeficiente de %1 está errado: os resistores em %2 dão a ele %3 S, mas a equação dá %4 S.</translation>
    </message>
    <message>
        <source>The term for %1 is missing: current leaves %2 through %1, %3.</source>
        <translation>Falta o termo de %1: sai corrente de %2 por %1, %3.</translation>
    </message>
    <message>
        <source>The term for %1 has the wrong sign: the current leaving %2 through %1 is %3, not %4.</source>
        <translation>O termo de %1 tem o sinal errado: a corrente que sai de %2 por %1 é %3, não %4.</translation>
    </message>
    <message>
        <source>The term for %1 has the wrong conductance: the current through %1 is %2, with 1/%1 = %3 S, but the equation has %4 S.</source>
        <translation>O termo de %1 tem a condutância errada: a corrente em %1 é %2, com 1/%1 = %3 S, mas a equação tem %4 S.</translation>
    </message>
    <message>
        <source>The terms for %1 have the wrong conductance: together they are %2= %3 S, but the equation has %4 S.</source>
        <translation>Os termos de %1 têm a condutância errada: juntos dão %2= %3 S, mas a equação tem %4 S.</translation>
    </message>
    <message>
        <source>The equation has a term for %1, which does not touch %2: %1 lies between node %3 and node %4.</source>
        <translation>A equação tem um termo de %1, que não toca %2: %1 fica entre o nó %3 e o nó %4.</translation>
    </message>
    <message>
        <source>The equation has a term in %1, but no resistor joins node %2 to %3.</source>
        <translation>A equação tem um termo em %1, mas nenhum resistor liga o nó %2 a %3.</translation>
    </message>
    <message>
        <source>The current of %1 is missing: %2.</source>
        <translation>Falta a corrente de %1: %2.</translation>
    </message>
    <message>
        <source>%1 stands on the other side of “=” with the sign it would have beside the resistor currents: moving a term across “=” changes its sign. %2.</source>
        <translation>%1 está do outro lado do “=” com o sinal que teria ao lado das correntes dos resistores: passar um termo para o outro lado do “=” troca o seu sinal. %2.</translation>
    </message>
    <message>
        <source>%1 is turned round: %2.</source>
        <translation>%1 está invertida: %2.</translation>
    </message>
    <message>
        <source>The equation has a constant term, but no current source is connected to %1, so with the node voltages alone the currents add up to 0.</source>
        <translation>A equação tem um termo constante, mas nenhuma fonte de corrente está ligada a %1; então, só com as tensões de nó, as correntes somam 0.</translation>
    </message>
    <message>
        <source>The constant terms are wrong: brought beside the currents leaving %1, they should come to %2 A, but the equation gives %3 A.</source>
        <translation>Os termos constantes estão errados: levados para o lado das correntes que saem de %1, deveriam dar %2 A, mas a equação dá %3 A.</translation>
    </message>
    <message>
        <source>Through the voltage sources, %1.</source>
        <translation>Pelas fontes de tensão, %1.</translation>
    </message>
    <message>
        <source>%1 drives %2 A out of node %3</source>
        <translation>%1 retira %2 A do nó %3</translation>
    </message>
    <message>
        <source>%1 drives %2 A into node %3</source>
        <translation>%1 injeta %2 A no nó %3</translation>
    </message>
    <message>
        <source>Right: the datum node is at 0 V, %1.</source>
        <translation>Certo: o nó de referência está a 0 V, %1.</translation>
    </message>
    <message>
        <source>Right: the voltage sources set %1.</source>
        <translation>Certo: as fontes de tensão fixam %1.</translation>
    </message>
    <message>
        <source>Right: this is the KCL equation of %1.</source>
        <translation>Certo: esta é a equação da LKC de %1.</translation>
    </message>
    <message>
        <source>Right: this is the combined KCL equation of %1.</source>
        <translation>Certo: esta é a equação combinada da LKC de %1.</translation>
    </message>
    <message>
        <source>Not quite: node %1 is the datum node, at 0 V by choice: %2.</source>
        <translation>Ainda não: o nó %1 é o nó de referência, a 0 V por escolha: %2.</translation>
    </message>
    <message>
        <source>Not quite: node %1 is joined to the datum node by voltage sources, so its voltage follows from their EMFs alone: %2.</source>
        <translation>Ainda não: o nó %1 está ligado ao nó de referência por fontes de tensão, então sua tensão decorre apenas das f.e.m. delas: %2.</translation>
    </message>
    <message>
        <source>Not yet: this is not the KCL equation of %1.</source>
        <translation>Ainda não: esta não é a equação da LKC de %1.</translation>
    </message>
    <message>
        <source>Not yet: this is not the combined KCL equation of %1.</source>
        <translation>Ainda não: esta não é a equação combinada da LKC de %1.</translation>
    </message>
    <message>
        <source>Write node voltages as V and the node&apos;s name (%1), element names for their values (R1, E1, J1), numbers with or without prefixes (4.7k, 10m), + - * / and parentheses, and one “=”.</source>
        <translation>Escreva as tensões de nó como V seguido do nome do nó (%1), os nomes dos elementos para seus valores (R1, E1, J1), números com ou sem prefixos (4.7k, 10m), + - * / e parênteses, e um único “=”.</translation>
    </message>
    <message>
        <source>The datum node %1 is at 0 V.</source>
        <translation>O nó de referência %1 está a 0 V.</translation>
    </message>
    <message>
        <source>Node %1 is the datum node. Type the equation that gives its voltage.</source>
        <translation>O nó %1 é o nó de referência. Digite a equação que dá sua tensão.</translation>
    </message>
    <message>
        <source>Node %1 is joined to the datum node by voltage sources. Type the equation that gives its voltage.</source>
        <translation>O nó %1 está ligado ao nó de referência por fontes de tensão. Digite a equação que dá sua tensão.</translation>
    </message>
    <message>
        <source>Node %1 belongs to %2, which the voltage sources tie together. Type the combined KCL equation of the macro node: the currents leaving it through its resistors balance the currents of its current sources.</source>
        <translation>O nó %1 pertence a %2, que as fontes de tensão unem. Digite a equação combinada da LKC do supernó: as correntes que saem dele por seus resistores equilibram as correntes de suas fontes de corrente.</translation>
    </message>
    <message>
        <source>Type the KCL equation of node %1: the currents leaving it through its resistors balance the currents of its current sources.</source>
        <translation>Digite a equação da LKC do nó %1: as correntes que saem dele por seus resistores equilibram as correntes de suas fontes de corrente.</translation>
    </message>
</context>
<context>
    <name>NodeEquations</name>
    <message>
        <source>Nodes %1 form a macro node through the Voltage Source %2.</source>
        <translation>Os nós %1 formam um supernó por meio da fonte de tensão %2.</translation>
    </message>
    <message>
        <source>Nodes %1 form a macro node through the Voltage Sources %2.</source>
        <translation>Os nós %1 formam um supernó por meio das fontes de tensão %2.</translation>
    </message>
    <message>
        <source>.  (Note that %1 is negative because its direction is opposite to the assumed direction. )</source>
        <translation>.  (Observe que %1 é negativa porque seu sentido é oposto ao sentido adotado. )</translation>
    </message>
    <message>
        <source>.  (Note that %1 are negative as thier directions are opposite to the assumed direction.)</source>
        <translation>.  (Observe que %1 são negativas porque seus sentidos são opostos ao sentido adotado.)</translation>
    </message>
    <message>
        <source>Flow-out currents via Resistor %1</source>
        <translation>Correntes que saem pelo resistor %1</translation>
    </message>
    <message>
        <source>Sum of flow-out currents via Resistors %1</source>
        <translation>Soma das correntes que saem pelos resistores %1</translation>
    </message>
    <message>
        <source>0    , because no current source is connected to Node  %1  </source>
        <translation>0    , porque nenhuma fonte de corrente está ligada ao nó  %1  </translation>
    </message>
    <message>
        <source>Flow-in current from Current Source %1</source>
        <translation>Corrente que entra vinda da fonte de corrente %1</translation>
    </message>
    <message>
        <source>Sum of flow-in currents from Current Sources %1</source>
        <translation>Soma das correntes que entram vindas das fontes de corrente %1</translation>
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
        <translation>Para não envolver na equação nodal as correntes desconhecidas fornecidas pelas
fontes de tensão, você pode tomar as partes marcadas em VERMELHO como um supernó e obter a
equação nodal desse supernó igualando a soma das correntes que saem pelos resistores
ligados a esse supernó à soma das correntes que entram nele vindas das fontes de
corrente ativas ligadas a esse supernó.

Se não houver fontes de corrente ligadas a esse supernó, a soma das correntes que
entram nele é igual a zero.

As tensões nodais dos nós desse supernó estão relacionadas pelas fontes de tensão ligadas.

As equações detalhadas são mostradas a seguir.</translation>
    </message>
    <message>
        <source>Node %1 is the chosen Datum Node,
 the voltage at this node is taken as zero.</source>
        <translation>O nó %1 é o nó de referência escolhido,
 a tensão neste nó é tomada como zero.</translation>
    </message>
    <message>
        <source>This node is directly connected to the datum node via the Voltage Source  %1.</source>
        <translation>Este nó está ligado diretamente ao nó de referência pela fonte de tensão  %1.</translation>
    </message>
    <message>
        <source>This node is connected to the datum node through the Voltage Sources:  %1.</source>
        <translation>Este nó está ligado ao nó de referência pelas fontes de tensão:  %1.</translation>
    </message>
    <message>
        <source>This node is connected to the first macro node via the Voltage Source  %1.</source>
        <translation>Este nó está ligado ao primeiro supernó pela fonte de tensão  %1.</translation>
    </message>
    <message>
        <source>This node is connected to the first macro node through the Voltage Sources:  %1.</source>
        <translation>Este nó está ligado ao primeiro supernó pelas fontes de tensão:  %1.</translation>
    </message>
    <message>
        <source>Error in calculation</source>
        <translation>Erro no cálculo</translation>
    </message>
</context>
<context>
    <name>PlaneMeshes</name>
    <message>
        <source>%1 and %2 cross at grid point (%3, %4) without meeting at their ends, and the Mesh Current Method needs a drawing in which no two parts cross. If they should connect there, end them both at that point; if not, draw them apart; or analyse the circuit with the Node Voltage Method, which takes any drawing.</source>
        <translation>%1 e %2 se cruzam no ponto da grade (%3, %4) sem se encontrarem em suas extremidades, e a análise de malhas precisa de um desenho em que nenhuma parte cruze outra. Se eles devem se ligar ali, termine os dois nesse ponto; se não, afaste-os; ou analise o circuito pelo método das tensões de nó, que aceita qualquer desenho.</translation>
    </message>
    <message>
        <source>%1 close a loop of wires, round which no element decides the current, so the Mesh Current Method cannot give that loop a mesh current. Take one of those wires away, or analyse the circuit with the Node Voltage Method, which takes any drawing.</source>
        <translation>%1 fecham um laço de fios, em torno do qual nenhum elemento determina a corrente, então a análise de malhas não pode dar a esse laço uma corrente de malha. Retire um desses fios ou analise o circuito pelo método das tensões de nó, que aceita qualquer desenho.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 (datum)</source>
        <translation>%1 (referência)</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>Nós</translation>
    </message>
    <message>
        <source>The datum node is node %1, at 0 V.</source>
        <translation>O nó de referência é o nó %1, a 0 V.</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Nó</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Joints (grid position)</source>
        <translation>Junções (posição na grade)</translation>
    </message>
    <message>
        <source>Meshes</source>
        <translation>Malhas</translation>
    </message>
    <message>
        <source>Each mesh current runs clockwise round its mesh.</source>
        <translation>Cada corrente de malha circula no sentido horário em torno de sua malha.</translation>
    </message>
    <message>
        <source>Mesh</source>
        <translation>Malha</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corrente</translation>
    </message>
    <message>
        <source>Top-left corner (grid position)</source>
        <translation>Canto superior esquerdo (posição na grade)</translation>
    </message>
    <message>
        <source>Elements clockwise from the corner</source>
        <translation>Elementos no sentido horário a partir do canto</translation>
    </message>
    <message>
        <source>Check: the voltage drops clockwise round each mesh sum to zero</source>
        <translation>Verificação: as quedas de tensão no sentido horário em cada malha somam zero</translation>
    </message>
    <message>
        <source>Check: the currents leaving each node sum to zero</source>
        <translation>Verificação: as correntes que saem de cada nó somam zero</translation>
    </message>
    <message>
        <source>%1 to node %2</source>
        <translation>%1 ao nó %2</translation>
    </message>
    <message>
        <source>Node %1:</source>
        <translation>Nó %1:</translation>
    </message>
    <message>
        <source>The circuit</source>
        <translation>O circuito</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Worked solution: %1</source>
        <translation>Solução detalhada: %1</translation>
    </message>
    <message>
        <source>Mesh %1:</source>
        <translation>Malha %1:</translation>
    </message>
    <message>
        <source>Supermesh of meshes %1:</source>
        <translation>Supermalha das malhas %1:</translation>
    </message>
</context>
<context>
    <name>ResultsText</name>
    <message>
        <source>Component: power in W, absorbed (+) or delivered (-).</source>
        <translation>Componente: potência em W, absorvida (+) ou fornecida (-).</translation>
    </message>
    <message>
        <source>Power delivered %1 = power absorbed %2.</source>
        <translation>Potência fornecida %1 = potência absorvida %2.</translation>
    </message>
    <message>
        <source>Meter: reading, from its + terminal to its - terminal.</source>
        <translation>Medidor: leitura, de seu terminal + para seu terminal -.</translation>
    </message>
    <message>
        <source>%1 reads %2.</source>
        <translation>%1 indica %2.</translation>
    </message>
    <message>
        <source>Node Number:  Node Voltage in V</source>
        <translation>Número do nó:  tensão do nó em V</translation>
    </message>
    <message>
        <source>Node %1:   %2.</source>
        <translation>Nó %1:   %2.</translation>
    </message>
    <message>
        <source>Component: p.d. in V; current in A.</source>
        <translation>Componente: d.d.p. em V; corrente em A.</translation>
    </message>
</context>
<context>
    <name>RuleChecks</name>
    <message>
        <source>Voltage Source %1 has invalid EMF value.
The EMF value must not be 0.

If you wish to have a branch of zero p.d. over there,
you may replace the voltage source with a short circuit (a wire).</source>
        <translation>A fonte de tensão %1 tem um valor de f.e.m. inválido.
O valor da f.e.m. não pode ser 0.

Se você deseja ter ali um ramo com d.d.p. zero,
pode substituir a fonte de tensão por um curto-circuito (um fio).</translation>
    </message>
    <message>
        <source>Current Source %1 has invalid current value.
The current value must not be 0.

If you wish to have a branch of zero current over there,
you may replace the current source with an open circuit.</source>
        <translation>A fonte de corrente %1 tem um valor de corrente inválido.
O valor da corrente não pode ser 0.

Se você deseja ter ali um ramo com corrente zero,
pode substituir a fonte de corrente por um circuito aberto.</translation>
    </message>
    <message>
        <source>Resistor %1 has invalid resistance.
%2</source>
        <translation>O resistor %1 tem uma resistência inválida.
%2</translation>
    </message>
    <message>
        <source>Node %1 is not correctly connected.</source>
        <translation>O nó %1 não está ligado corretamente.</translation>
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
        <translation>Fontes de tensão ideais de mesmo valor ligadas em paralelo
equivalem a uma única fonte de tensão ideal desse mesmo valor.
Para simplificar a análise do seu circuito,
mantenha apenas
  %1 
e remova a outra fonte de tensão;
depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>Ideal Voltage Sources of the same value connected in parallel
is just equivalent to a single Ideal Voltage Source of the same value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and remove all other voltage sources,
then apply the analysis again.</source>
        <translation>Fontes de tensão ideais de mesmo valor ligadas em paralelo
equivalem a uma única fonte de tensão ideal desse mesmo valor.
Para simplificar a análise do seu circuito,
mantenha apenas
  %1 
e remova todas as outras fontes de tensão;
depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>Ideal Voltage Sources  of different values cannot be parallel connected.
This violates the basic circuit rule that the potential difference between
any pair of nodes can only have a unique value,
please just retain either
   %1 
and remove the other voltage source,
then apply the analysis again.</source>
        <translation>Fontes de tensão ideais  de valores diferentes não podem ser ligadas em paralelo.
Isso viola a regra básica dos circuitos de que a diferença de potencial entre
qualquer par de nós só pode ter um único valor;
mantenha apenas
   %1 
e remova a outra fonte de tensão;
depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>Ideal Voltage Sources  of different values cannot be parallel connected.
This violates the basic circuit rule that the potential difference between
any pair of nodes can only have a unique value,
please just retain either
   %1 
and remove all other voltage sources,
then apply the analysis again.</source>
        <translation>Fontes de tensão ideais  de valores diferentes não podem ser ligadas em paralelo.
Isso viola a regra básica dos circuitos de que a diferença de potencial entre
qualquer par de nós só pode ter um único valor;
mantenha apenas
   %1 
e remova todas as outras fontes de tensão;
depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of the same value connected in series
is just equivalent to a single Ideal Current Source of that value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and replace the other current source with a short circuit,
then apply the analysis again.</source>
        <translation>Fontes de corrente ideais de mesmo valor ligadas em série
equivalem a uma única fonte de corrente ideal desse valor.
Para simplificar a análise do seu circuito,
mantenha apenas
  %1 
e substitua a outra fonte de corrente por um curto-circuito;
depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of the same value connected in series
is just equivalent to a single Ideal Current Source of that value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and replace all other current sources with short circuits,
then apply the analysis again.</source>
        <translation>Fontes de corrente ideais de mesmo valor ligadas em série
equivalem a uma única fonte de corrente ideal desse valor.
Para simplificar a análise do seu circuito,
mantenha apenas
  %1 
e substitua todas as outras fontes de corrente por curtos-circuitos;
depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of different values or directions cannot be series
connected. This violates the basic circuit rule that the current flowing
in any single branch should be the same throughout that branch,
please just retain one of of the following current sources:
   %1 
and replace the other current source with a short circuit,
then apply the analysis again.</source>
        <translation>Fontes de corrente ideais de valores ou sentidos diferentes não podem ser ligadas
em série. Isso viola a regra básica dos circuitos de que a corrente que passa
por um único ramo deve ser a mesma em todo esse ramo;
mantenha apenas uma das seguintes fontes de corrente:
   %1 
e substitua a outra fonte de corrente por um curto-circuito;
depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>Ideal Current Sources of different values or directions cannot be series
connected. This violates the basic circuit rule that the current flowing
in any single branch should be the same throughout that branch,
please just retain one of of the following current sources:
   %1 
and replace all other current sources with short circuits,
then apply the analysis again.</source>
        <translation>Fontes de corrente ideais de valores ou sentidos diferentes não podem ser ligadas
em série. Isso viola a regra básica dos circuitos de que a corrente que passa
por um único ramo deve ser a mesma em todo esse ramo;
mantenha apenas uma das seguintes fontes de corrente:
   %1 
e substitua todas as outras fontes de corrente por curtos-circuitos;
depois, aplique a análise novamente.</translation>
    </message>
</context>
<context>
    <name>Selection</name>
    <message>
        <source>Turned about its centre, the selection would leave the drawing area. Move it further in first.</source>
        <translation>Girada em torno de seu centro, a seleção sairia da área de desenho. Primeiro mova-a mais para dentro.</translation>
    </message>
</context>
<context>
    <name>Solvability</name>
    <message>
        <source>Voltage Source %1 has both of its terminals on the same node, so it forms a closed loop by itself.
Its EMF cannot appear across a single node, and the current through it cannot be found.

Please remove this voltage source, or connect its terminals to two different nodes,
then apply the analysis again.</source>
        <translation>A fonte de tensão %1 tem os dois terminais no mesmo nó, então forma sozinha um laço fechado.
Sua f.e.m. não pode aparecer sobre um único nó, e a corrente nela não pode ser encontrada.

Remova essa fonte de tensão ou ligue seus terminais a dois nós diferentes;
depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>Voltage Sources %1 form a closed loop.
Around a closed loop the EMFs must add up to zero, and even when they do,
the current that circulates around the loop cannot be found from the node voltages.

Please remove one of these voltage sources, or put a resistor in series with it,
then apply the analysis again.</source>
        <translation>As fontes de tensão %1 formam um laço fechado.
Em um laço fechado as f.e.m. devem somar zero e, mesmo quando somam,
a corrente que circula no laço não pode ser encontrada a partir das tensões de nó.

Remova uma dessas fontes de tensão ou coloque um resistor em série com ela;
depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>Node %1 has no path through resistors or voltage sources to the datum node %2,
so nothing ties its voltage to the datum node and the analysis cannot find it.

Please connect this part of the circuit to the rest of the circuit through a resistor,
a voltage source or a wire, or remove it, then apply the analysis again.</source>
        <translation>O nó %1 não tem nenhum caminho por resistores ou fontes de tensão até o nó de referência %2,
então nada vincula sua tensão ao nó de referência e a análise não consegue encontrá-la.

Ligue essa parte do circuito ao restante dele por um resistor,
uma fonte de tensão ou um fio, ou remova-a; depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>Nodes %1 have no path through resistors or voltage sources to the datum node %2,
so nothing ties their voltages to the datum node and the analysis cannot find them.

Please connect this part of the circuit to the rest of the circuit through a resistor,
a voltage source or a wire, or remove it, then apply the analysis again.</source>
        <translation>Os nós %1 não têm nenhum caminho por resistores ou fontes de tensão até o nó de referência %2,
então nada vincula suas tensões ao nó de referência e a análise não consegue encontrá-las.

Ligue essa parte do circuito ao restante dele por um resistor,
uma fonte de tensão ou um fio, ou remova-a; depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>Node %1 is connected to the rest of the circuit only through Current Source %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltage of this node to the datum node %3 and the analysis cannot find it.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>O nó %1 está ligado ao restante do circuito apenas pela fonte de corrente %2.
Uma fonte de corrente fixa a corrente em seu ramo, mas não a tensão sobre ela,
então nada vincula a tensão desse nó ao nó de referência %3 e a análise não consegue encontrá-la.

Acrescente um resistor ou uma fonte de tensão entre essa parte e o restante do circuito;
depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>Node %1 is connected to the rest of the circuit only through Current Sources %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltage of this node to the datum node %3 and the analysis cannot find it.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>O nó %1 está ligado ao restante do circuito apenas pelas fontes de corrente %2.
Uma fonte de corrente fixa a corrente em seu ramo, mas não a tensão sobre ela,
então nada vincula a tensão desse nó ao nó de referência %3 e a análise não consegue encontrá-la.

Acrescente um resistor ou uma fonte de tensão entre essa parte e o restante do circuito;
depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>Nodes %1 are connected to the rest of the circuit only through Current Source %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltages of these nodes to the datum node %3 and the analysis cannot find them.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>Os nós %1 estão ligados ao restante do circuito apenas pela fonte de corrente %2.
Uma fonte de corrente fixa a corrente em seu ramo, mas não a tensão sobre ela,
então nada vincula as tensões desses nós ao nó de referência %3 e a análise não consegue encontrá-las.

Acrescente um resistor ou uma fonte de tensão entre essa parte e o restante do circuito;
depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>Nodes %1 are connected to the rest of the circuit only through Current Sources %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltages of these nodes to the datum node %3 and the analysis cannot find them.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>Os nós %1 estão ligados ao restante do circuito apenas pelas fontes de corrente %2.
Uma fonte de corrente fixa a corrente em seu ramo, mas não a tensão sobre ela,
então nada vincula as tensões desses nós ao nó de referência %3 e a análise não consegue encontrá-las.

Acrescente um resistor ou uma fonte de tensão entre essa parte e o restante do circuito;
depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>The node equations of this circuit have no unique solution,
so the analysis cannot find its node voltages.

Please check the values and the connections of your components,
then apply the analysis again.</source>
        <translation>As equações de nó deste circuito não têm solução única,
então a análise não consegue encontrar suas tensões de nó.

Verifique os valores e as ligações dos seus componentes;
depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>The values of this circuit span too many orders of magnitude,
for the analysis to find node voltages, p.d.s and currents that agree with each other.

Please bring the smallest and the largest values closer together,
then apply the analysis again.</source>
        <translation>Os valores deste circuito abrangem ordens de grandeza demais
para que a análise encontre tensões de nó, d.d.p. e correntes coerentes entre si.

Aproxime os valores menores e maiores;
depois, aplique a análise novamente.</translation>
    </message>
    <message>
        <source>The values of this circuit span too many orders of magnitude, from %1 to %2,
for the analysis to find node voltages, p.d.s and currents that agree with each other.

Please bring the smallest and the largest values closer together,
then apply the analysis again.</source>
        <translation>Os valores deste circuito abrangem ordens de grandeza demais, de %1 a %2,
para que a análise encontre tensões de nó, d.d.p. e correntes coerentes entre si.

Aproxime os valores menores e maiores;
depois, aplique a análise novamente.</translation>
    </message>
</context>
<context>
    <name>SpiceReader</name>
    <message>
        <source>Kirvolt reads only resistors (R), voltage sources (V) and current sources (I).</source>
        <translation>O Kirvolt lê apenas resistores (R), fontes de tensão (V) e fontes de corrente (I).</translation>
    </message>
    <message>
        <source>Kirvolt analyses DC circuits only.</source>
        <translation>O Kirvolt analisa apenas circuitos de corrente contínua (CC).</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>an XSPICE code model</source>
        <translation>um modelo de código XSPICE</translation>
    </message>
    <message>
        <source>a behavioural source</source>
        <translation>uma fonte comportamental</translation>
    </message>
    <message>
        <source>a capacitor</source>
        <translation>um capacitor</translation>
    </message>
    <message>
        <source>a diode</source>
        <translation>um diodo</translation>
    </message>
    <message>
        <source>a voltage-controlled voltage source</source>
        <translation>uma fonte de tensão controlada por tensão</translation>
    </message>
    <message>
        <source>a current-controlled current source</source>
        <translation>uma fonte de corrente controlada por corrente</translation>
    </message>
    <message>
        <source>a voltage-controlled current source</source>
        <translation>uma fonte de corrente controlada por tensão</translation>
    </message>
    <message>
        <source>a current-controlled voltage source</source>
        <translation>uma fonte de tensão controlada por corrente</translation>
    </message>
    <message>
        <source>a junction field-effect transistor</source>
        <translation>um transistor de efeito de campo de junção</translation>
    </message>
    <message>
        <source>a coupling of inductors</source>
        <translation>um acoplamento de indutores</translation>
    </message>
    <message>
        <source>an inductor</source>
        <translation>um indutor</translation>
    </message>
    <message>
        <source>a MOSFET</source>
        <translation>um MOSFET</translation>
    </message>
    <message>
        <source>a device of a model library</source>
        <translation>um dispositivo de uma biblioteca de modelos</translation>
    </message>
    <message>
        <source>a lossy transmission line</source>
        <translation>uma linha de transmissão com perdas</translation>
    </message>
    <message>
        <source>a coupled transmission line</source>
        <translation>uma linha de transmissão acoplada</translation>
    </message>
    <message>
        <source>a bipolar transistor</source>
        <translation>um transistor bipolar</translation>
    </message>
    <message>
        <source>a voltage-controlled switch</source>
        <translation>uma chave controlada por tensão</translation>
    </message>
    <message>
        <source>a transmission line</source>
        <translation>uma linha de transmissão</translation>
    </message>
    <message>
        <source>a uniform RC line</source>
        <translation>uma linha RC uniforme</translation>
    </message>
    <message>
        <source>a current-controlled switch</source>
        <translation>uma chave controlada por corrente</translation>
    </message>
    <message>
        <source>a subcircuit</source>
        <translation>um subcircuito</translation>
    </message>
    <message>
        <source>a MESFET</source>
        <translation>um MESFET</translation>
    </message>
    <message>
        <source>%1 needs two nodes and a resistance.</source>
        <translation>%1 precisa de dois nós e de uma resistência.</translation>
    </message>
    <message>
        <source>%1 needs two nodes.</source>
        <translation>%1 precisa de dois nós.</translation>
    </message>
    <message>
        <source>%1 is not an element SPICE knows.</source>
        <translation>%1 não é um elemento que o SPICE conheça.</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 é %2.</translation>
    </message>
    <message>
        <source>%1 is named a second time; the first is on line %2.</source>
        <translation>%1 aparece com o mesmo nome uma segunda vez; o primeiro está na linha %2.</translation>
    </message>
    <message>
        <source>%1 has the value %2, which SPICE reads as %3%4.</source>
        <translation>%1 tem o valor %2, que o SPICE lê como %3%4.</translation>
    </message>
    <message>
        <source>%1 has the value %2, which is not a number.</source>
        <translation>%1 tem o valor %2, que não é um número.</translation>
    </message>
    <message>
        <source>; write %1 if that is what is meant</source>
        <translation>; escreva %1 se é isso que se quer dizer</translation>
    </message>
    <message>
        <source>%1 has more than a resistance (%2).</source>
        <translation>%1 tem mais do que uma resistência (%2).</translation>
    </message>
    <message>
        <source>%1 has DC but no value.</source>
        <translation>%1 tem DC, mas nenhum valor.</translation>
    </message>
    <message>
        <source>%1 has an AC value.</source>
        <translation>%1 tem um valor AC.</translation>
    </message>
    <message>
        <source>%1 is a %2 source.</source>
        <translation>%1 é uma fonte %2.</translation>
    </message>
    <message>
        <source>%1 has more than a DC value (%2).</source>
        <translation>%1 tem mais do que um valor DC (%2).</translation>
    </message>
    <message>
        <source>a continuation line (+) must follow an element.</source>
        <translation>uma linha de continuação (+) deve vir depois de um elemento.</translation>
    </message>
    <message>
        <source>%1 belongs to a subcircuit.</source>
        <translation>%1 pertence a um subcircuito.</translation>
    </message>
    <message>
        <source>%1 reads another file, which Kirvolt does not follow.</source>
        <translation>%1 lê outro arquivo, o que o Kirvolt não acompanha.</translation>
    </message>
    <message>
        <source>The netlist is empty.</source>
        <translation>A netlist está vazia.</translation>
    </message>
    <message>
        <source>The netlist has no resistors, voltage sources or current sources.</source>
        <translation>A netlist não tem resistores, fontes de tensão nem fontes de corrente.</translation>
    </message>
</context>
<context>
    <name>Superposition</name>
    <message>
        <source>%1 = %2   (full analysis: %3)</source>
        <translation>%1 = %2   (análise completa: %3)</translation>
    </message>
    <message>
        <source>%1 shorted</source>
        <translation>%1 em curto</translation>
    </message>
    <message>
        <source>%1 opened</source>
        <translation>%1 em aberto</translation>
    </message>
    <message>
        <source>%1 alone</source>
        <translation>%1 sozinha</translation>
    </message>
    <message>
        <source>%1 alone (%2)</source>
        <translation>%1 sozinha (%2)</translation>
    </message>
    <message>
        <source>This circuit has no source: every voltage and current in it is zero.</source>
        <translation>Este circuito não tem nenhuma fonte: todas as tensões e correntes nele são zero.</translation>
    </message>
    <message>
        <source>Superposition: one part for each source, with every other source set to zero.</source>
        <translation>Superposição: uma parte para cada fonte, com todas as outras fontes zeradas.</translation>
    </message>
    <message>
        <source>Part %1: %2</source>
        <translation>Parte %1: %2</translation>
    </message>
    <message>
        <source>The sum of the parts beside the full analysis:</source>
        <translation>A soma das partes ao lado da análise completa:</translation>
    </message>
    <message>
        <source>%1: p.d. %2</source>
        <translation>%1: d.d.p. %2</translation>
    </message>
    <message>
        <source>%1: current %2</source>
        <translation>%1: corrente %2</translation>
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
        <translation>Superposição</translation>
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
        <translation>Não há nenhum resistor chamado %1 neste circuito.</translation>
    </message>
    <message>
        <source>There is no node named %1 in this circuit.</source>
        <translation>Não há nenhum nó chamado %1 neste circuito.</translation>
    </message>
    <message>
        <source>Node %1 is both terminals: choose two different nodes.</source>
        <translation>O nó %1 é os dois terminais: escolha dois nós diferentes.</translation>
    </message>
    <message>
        <source>there are no sources to set to zero</source>
        <translation>não há fontes para zerar</translation>
    </message>
    <message>
        <source>%1 and Norton equivalents as seen by %2, between nodes %3 and %4.</source>
        <translation>Equivalentes de %1 e de Norton vistos de %2, entre os nós %3 e %4.</translation>
    </message>
    <message>
        <source>1. %1 is taken out of the circuit; nodes %2 and %3 are left open.</source>
        <translation>1. %1 é retirado do circuito; os nós %2 e %3 ficam em aberto.</translation>
    </message>
    <message>
        <source>%1 and Norton equivalents between nodes %2 and %3.</source>
        <translation>Equivalentes de %1 e de Norton entre os nós %2 e %3.</translation>
    </message>
    <message>
        <source>1. Nodes %1 and %2 are the terminals; nothing is connected between them.</source>
        <translation>1. Os nós %1 e %2 são os terminais; nada está ligado entre eles.</translation>
    </message>
    <message>
        <source>2. The open-circuit voltage, by the node voltage method:</source>
        <translation>2. A tensão de circuito aberto, pelo método das tensões de nó:</translation>
    </message>
    <message>
        <source>2. There is no open-circuit voltage to find: with the terminals open, nothing joins the side of node %1 to the side of node %2, so nothing fixes the voltage between them.</source>
        <translation>2. Não há tensão de circuito aberto a encontrar: com os terminais em aberto, nada liga o lado do nó %1 ao lado do nó %2, então nada fixa a tensão entre eles.</translation>
    </message>
    <message>
        <source>2. There is no open-circuit voltage to find: with the terminals open, only the current source %1 joins the side of node %2 to the side of node %3, which fixes a current and no voltage.</source>
        <translation>2. Não há tensão de circuito aberto a encontrar: com os terminais em aberto, apenas a fonte de corrente %1 liga o lado do nó %2 ao lado do nó %3, e ela fixa uma corrente, e não uma tensão.</translation>
    </message>
    <message>
        <source>2. There is no open-circuit voltage to find: with the terminals open, only the current sources %1 join the side of node %2 to the side of node %3, which fix currents and no voltage.</source>
        <translation>2. Não há tensão de circuito aberto a encontrar: com os terminais em aberto, apenas as fontes de corrente %1 ligam o lado do nó %2 ao lado do nó %3, e elas fixam correntes, e não uma tensão.</translation>
    </message>
    <message>
        <source>3. The sources set to zero (%1), the resistance seen between %2 and %3:</source>
        <translation>3. Com as fontes zeradas (%1), a resistência vista entre %2 e %3:</translation>
    </message>
    <message>
        <source>the shorted %1 joins %2 to %3, so Rth = %4.</source>
        <translation>%1 em curto liga %2 a %3, então Rth = %4.</translation>
    </message>
    <message>
        <source>the shorted %1 join %2 to %3, so Rth = %4.</source>
        <translation>%1 em curto ligam %2 a %3, então Rth = %4.</translation>
    </message>
    <message>
        <source>a test current of %1 into %2 and out of %3 gives %4 - %5 = %6, so Rth = %7.</source>
        <translation>uma corrente de teste de %1 entrando em %2 e saindo de %3 dá %4 - %5 = %6, então Rth = %7.</translation>
    </message>
    <message>
        <source>nothing joins %1 to %2, so the resistance between them has no bound.</source>
        <translation>nada liga %1 a %2, então a resistência entre eles é ilimitada.</translation>
    </message>
    <message>
        <source>4. The short-circuit current, with %1 and %2 joined by a wire: In = %3 from %1 through the wire to %2.</source>
        <translation>4. A corrente de curto-circuito, com %1 e %2 ligados por um fio: In = %3 de %1 pelo fio até %2.</translation>
    </message>
    <message>
        <source>4. There is no short-circuit current to find: a wire from %1 to %2 would close a loop with %3.</source>
        <translation>4. Não há corrente de curto-circuito a encontrar: um fio de %1 a %2 fecharia um laço com %3.</translation>
    </message>
    <message>
        <source>%1 equivalent: Vth = %2, positive at %3, in series with Rth = %4.</source>
        <translation>Equivalente de %1: Vth = %2, positivo em %3, em série com Rth = %4.</translation>
    </message>
    <message>
        <source>There is no %1 equivalent: the resistance between %2 and %3 has no bound, and no voltage source in series with a resistor behaves so.</source>
        <translation>Não há equivalente de %1: a resistência entre %2 e %3 é ilimitada, e nenhuma fonte de tensão em série com um resistor se comporta assim.</translation>
    </message>
    <message>
        <source>Norton equivalent: In = %1 into %2, in parallel with Rth = %3.</source>
        <translation>Equivalente de Norton: In = %1 entrando em %2, em paralelo com Rth = %3.</translation>
    </message>
    <message>
        <source>Norton equivalent: In = %1 into %2, with no resistor beside it.</source>
        <translation>Equivalente de Norton: In = %1 entrando em %2, sem nenhum resistor ao lado.</translation>
    </message>
    <message>
        <source>There is no Norton equivalent: the resistance between %1 and %2 is zero, and a current source beside a resistor of 0 %3 would drive its current through a short.</source>
        <translation>Não há equivalente de Norton: a resistência entre %1 e %2 é zero, e uma fonte de corrente ao lado de um resistor de 0 %3 faria sua corrente passar por um curto.</translation>
    </message>
</context>
<context>
    <name>TracedLoop</name>
    <message>
        <source>where %1 and %2 meet</source>
        <translation>onde %1 e %2 se encontram</translation>
    </message>
    <message>
        <source>a node</source>
        <translation>um nó</translation>
    </message>
    <message>
        <source>Click a branch of your circuit to start the loop.</source>
        <translation>Clique em um ramo do seu circuito para começar o laço.</translation>
    </message>
    <message>
        <source>%1 has both ends on one node, so it is a loop by itself: the loop is closed.</source>
        <translation>%1 tem as duas extremidades em um mesmo nó, então é um laço por si só: o laço está fechado.</translation>
    </message>
    <message>
        <source>%1 does not touch %2, the last branch of your loop.

Click a branch that goes on from one of its ends.</source>
        <translation>%1 não toca %2, o último ramo do seu laço.

Clique em um ramo que continue a partir de uma de suas extremidades.</translation>
    </message>
    <message>
        <source>Your loop is closed already: %1 would be one branch too many.</source>
        <translation>Seu laço já está fechado: %1 seria um ramo a mais.</translation>
    </message>
    <message>
        <source>%1 is in your loop already.

Click a branch that goes on from the end of %2 your loop has reached.</source>
        <translation>%1 já está no seu laço.

Clique em um ramo que continue a partir da extremidade de %2 a que seu laço chegou.</translation>
    </message>
    <message>
        <source>%1 has both ends on one node, so it is a loop by itself and cannot be part of a longer one.</source>
        <translation>%1 tem as duas extremidades em um mesmo nó, então é um laço por si só e não pode fazer parte de um laço maior.</translation>
    </message>
    <message>
        <source>%1 touches %2 only at the end your loop came in by.

Go on from the other end of %2.</source>
        <translation>%1 toca %2 apenas na extremidade por onde seu laço entrou.

Continue a partir da outra extremidade de %2.</translation>
    </message>
    <message>
        <source>%1 does not touch %2, the last branch of your loop.

Click a branch that goes on from the end of %2 your loop has reached.</source>
        <translation>%1 não toca %2, o último ramo do seu laço.

Clique em um ramo que continue a partir da extremidade de %2 a que seu laço chegou.</translation>
    </message>
    <message>
        <source>%1 would take your loop back to %2, which it has passed already: a loop passes each node only once.</source>
        <translation>%1 levaria seu laço de volta a %2, por onde ele já passou: um laço passa por cada nó uma só vez.</translation>
    </message>
    <message>
        <source>Your loop is not closed yet: go on from either end of %1 until the loop comes back to its other end.</source>
        <translation>Seu laço ainda não está fechado: continue a partir de qualquer extremidade de %1 até que o laço volte à outra extremidade.</translation>
    </message>
    <message>
        <source>Your loop is not closed yet: go on from the end of %1 until the loop comes back to the end of %2 it started from.</source>
        <translation>Seu laço ainda não está fechado: continue a partir da extremidade de %1 até que o laço volte à extremidade de %2 de onde partiu.</translation>
    </message>
    <message>
        <source>The current of %1 follows from the loops&apos; currents through %2 already, so your loops cannot take every current source into account.</source>
        <translation>A corrente de %1 já decorre das correntes dos laços que passam por %2, então seus laços não podem levar em conta todas as fontes de corrente.</translation>
    </message>
</context>
<context>
    <name>TreeQuiz</name>
    <message>
        <source>Your tree has %1 of its %2 branch.</source>
        <translation>Sua árvore tem %1 de seus %2 ramo.</translation>
    </message>
    <message>
        <source>Your tree has %1 of its %2 branches.</source>
        <translation>Sua árvore tem %1 de seus %2 ramos.</translation>
    </message>
    <message>
        <source>Your tree has %1 of its %2 branch: %3.</source>
        <translation>Sua árvore tem %1 de seus %2 ramo: %3.</translation>
    </message>
    <message>
        <source>Your tree has %1 of its %2 branches: %3.</source>
        <translation>Sua árvore tem %1 de seus %2 ramos: %3.</translation>
    </message>
    <message>
        <source>Click a resistor or a voltage source of your circuit.</source>
        <translation>Clique em um resistor ou em uma fonte de tensão do seu circuito.</translation>
    </message>
    <message>
        <source>%1 is taken out of the tree; it is a chord again.</source>
        <translation>%1 saiu da árvore; é uma corda de novo.</translation>
    </message>
    <message>
        <source>%1 is in the tree.</source>
        <translation>%1 está na árvore.</translation>
    </message>
    <message>
        <source>The tree is complete: its %1 branch joins all %2 nodes, and every other branch is a chord that closes one loop with it.</source>
        <translation>A árvore está completa: seu %1 ramo liga todos os %2 nós, e cada um dos outros ramos é uma corda que fecha um laço com ela.</translation>
    </message>
    <message>
        <source>The tree is complete: its %1 branches join all %2 nodes, and every other branch is a chord that closes one loop with it.</source>
        <translation>A árvore está completa: seus %1 ramos ligam todos os %2 nós, e cada um dos outros ramos é uma corda que fecha um laço com ela.</translation>
    </message>
</context>
<context>
    <name>ValueField</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Digite um número.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this value takes no unit.</source>
        <translation>&quot;%1&quot;: este valor não leva unidade.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in %2, but this value is in %3.</source>
        <translation>&quot;%1&quot; está em %2, mas este valor é em %3.</translation>
    </message>
    <message>
        <source>The resistance value must be greater than 0.

If you wish to have a branch of zero resistance over there,
you may replace the resistor with a wire.</source>
        <translation>O valor da resistência deve ser maior que 0.

Se você deseja ter ali um ramo de resistência zero,
pode substituir o resistor por um fio.</translation>
    </message>
</context>
<context>
    <name>ValueRange</name>
    <message>
        <source>%1 has a resistance of %2; Kirvolt takes resistances of 0 or from 1 pΩ to 1 TΩ.</source>
        <translation>%1 tem uma resistência de %2; o Kirvolt aceita resistências de 0 ou de 1 pΩ a 1 TΩ.</translation>
    </message>
    <message>
        <source>%1 has no finite value; Kirvolt takes resistances of 0 or from 1 pΩ to 1 TΩ.</source>
        <translation>%1 não tem valor finito; o Kirvolt aceita resistências de 0 ou de 1 pΩ a 1 TΩ.</translation>
    </message>
    <message>
        <source>%1 has an EMF of %2; Kirvolt takes EMFs of 0 or from -1 MV to -1 fV or from 1 fV to 1 MV.</source>
        <translation>%1 tem uma f.e.m. de %2; o Kirvolt aceita f.e.m. de 0 ou de -1 MV a -1 fV ou de 1 fV a 1 MV.</translation>
    </message>
    <message>
        <source>%1 has no finite value; Kirvolt takes EMFs of 0 or from -1 MV to -1 fV or from 1 fV to 1 MV.</source>
        <translation>%1 não tem valor finito; o Kirvolt aceita f.e.m. de 0 ou de -1 MV a -1 fV ou de 1 fV a 1 MV.</translation>
    </message>
    <message>
        <source>%1 has a current of %2; Kirvolt takes currents of 0 or from -1 MA to -1 fA or from 1 fA to 1 MA.</source>
        <translation>%1 tem uma corrente de %2; o Kirvolt aceita correntes de 0 ou de -1 MA a -1 fA ou de 1 fA a 1 MA.</translation>
    </message>
    <message>
        <source>%1 has no finite value; Kirvolt takes currents of 0 or from -1 MA to -1 fA or from 1 fA to 1 MA.</source>
        <translation>%1 não tem valor finito; o Kirvolt aceita correntes de 0 ou de -1 MA a -1 fA ou de 1 fA a 1 MA.</translation>
    </message>
    <message>
        <source>%1 has a value that is not a number.</source>
        <translation>%1 tem um valor que não é um número.</translation>
    </message>
</context>
<context>
    <name>VoltageScale</name>
    <message>
        <source>Node voltage</source>
        <translation>Tensão do nó</translation>
    </message>
</context>
<context>
    <name>kirvolt::BackgroundNotesDialog</name>
    <message>
        <source>Nodal Analysis</source>
        <translation>Análise nodal</translation>
    </message>
    <message>
        <source>
Background notes</source>
        <translation>
Noções básicas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>kirvolt::CAboutDlg</name>
    <message>
        <source>About Kirvolt</source>
        <translation>Sobre o Kirvolt</translation>
    </message>
    <message>
        <source>Kirvolt Version %1</source>
        <translation>Kirvolt versão %1</translation>
    </message>
</context>
<context>
    <name>kirvolt::CKirvoltApp</name>
    <message>
        <source>Circuit file to open</source>
        <translation>Arquivo de circuito a abrir</translation>
    </message>
    <message>
        <source>Kirvolt ended without closing %1, which had unsaved changes.
Reopen it with those changes? If you do not, they are discarded.</source>
        <translation>O Kirvolt foi encerrado sem fechar %1, que tinha alterações não salvas.
Reabri-lo com essas alterações? Se não, elas serão descartadas.</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>Exercício %1</translation>
    </message>
    <message>
        <source>Exercise %1 (%2): find the voltage of every node and the current in every component.</source>
        <translation>Exercício %1 (%2): encontre a tensão de cada nó e a corrente em cada componente.</translation>
    </message>
</context>
<context>
    <name>kirvolt::CKirvoltView</name>
    <message>
        <source>Joint</source>
        <translation>Junção</translation>
    </message>
    <message>
        <source>Circuit drawing</source>
        <translation>Desenho do circuito</translation>
    </message>
    <message>
        <source>Arrow keys move the grid cursor (Shift: five steps), Enter clicks at it, Tab and Shift+Tab step through the elements and joints, Ctrl+Space adds to the selection, Ctrl and the arrows move the selection.</source>
        <translation>As setas movem o cursor da grade (Shift: cinco passos), Enter clica nele, Tab e Shift+Tab percorrem os elementos e as junções, Ctrl+Espaço acrescenta à seleção, Ctrl e as setas movem a seleção.</translation>
    </message>
    <message>
        <source>Circuit drawing, cursor at %1, %2</source>
        <translation>Desenho do circuito, cursor em %1, %2</translation>
    </message>
    <message>
        <source>wire %1</source>
        <translation>fio %1</translation>
    </message>
</context>
<context>
    <name>kirvolt::CMainFrame</name>
    <message>
        <source>Get Document Pointer failed.</source>
        <translation>Não foi possível acessar o documento.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Activate this window</source>
        <translation>Ativar esta janela</translation>
    </message>
    <message>
        <source>Save changes to these circuits?

%1</source>
        <translation>Salvar as alterações nestes circuitos?

%1</translation>
    </message>
    <message>
        <source>Discard All</source>
        <translation>Descartar tudo</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Arquivo recente</translation>
    </message>
    <message>
        <source>Kirvolt &amp;Help</source>
        <translation>&amp;Ajuda do Kirvolt</translation>
    </message>
    <message>
        <source>Read how to draw, analyse and read a circuit</source>
        <translation>Aprenda a desenhar, analisar e ler um circuito</translation>
    </message>
    <message>
        <source>Exa&amp;mples</source>
        <translation>E&amp;xemplos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Zoom Scale</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Equations</source>
        <translation>Equações</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Desenhar</translation>
    </message>
    <message>
        <source>&amp;Analyse</source>
        <translation>Ana&amp;lisar</translation>
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
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>Zoom In/Out</source>
        <translation>Ampliar/Reduzir</translation>
    </message>
    <message>
        <source>Component &amp;Toolbar</source>
        <translation>Barra de &amp;componentes</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de ferramentas</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Command Toolbar</source>
        <translation>Barra de comandos</translation>
    </message>
    <message>
        <source>Edit &amp;Value...</source>
        <translation>Editar &amp;valor...</translation>
    </message>
    <message>
        <source>&amp;Name...</source>
        <translation>&amp;Nome...</translation>
    </message>
    <message>
        <source>Node &amp;Name...</source>
        <translation>&amp;Nome do nó...</translation>
    </message>
    <message>
        <source>Set as &amp;Datum Node</source>
        <translation>Definir como nó de &amp;referência</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Girar</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>&amp;Espelhar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer %1</translation>
    </message>
    <message>
        <source>Analyse as I Draw</source>
        <translation>Analisar enquanto desenho</translation>
    </message>
    <message>
        <source>Analyse the circuit after every change, with the method last chosen</source>
        <translation>Analisar o circuito após cada alteração, com o último método escolhido</translation>
    </message>
    <message>
        <source>Voltages on the Drawing</source>
        <translation>Tensões no desenho</translation>
    </message>
    <message>
        <source>Tint every wire and joint by its node voltage</source>
        <translation>Colorir cada fio e cada junção pela tensão de seu nó</translation>
    </message>
    <message>
        <source>Currents on the Drawing</source>
        <translation>Correntes no desenho</translation>
    </message>
    <message>
        <source>Show each element&apos;s current as an arrow the way it flows</source>
        <translation>Mostrar a corrente de cada elemento como uma seta no sentido em que flui</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Mais botões</translation>
    </message>
    <message>
        <source>Shows the buttons that do not fit on the toolbar</source>
        <translation>Mostra os botões que não cabem na barra de ferramentas</translation>
    </message>
</context>
<context>
    <name>kirvolt::CPropertyView</name>
    <message>
        <source>The circuit has changed since these results. Run the analysis again.</source>
        <translation>O circuito mudou desde estes resultados. Execute a análise novamente.</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordEquationDialog</name>
    <message>
        <source>Check</source>
        <translation>Verificar</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordIntroductionDialog</name>
    <message>
        <source>There are four steps for the Chord Current Analysis Method.</source>
        <translation>O método das correntes de corda tem quatro passos.</translation>
    </message>
    <message>
        <source>(1)  Pick a tree of your
       circuit.</source>
        <translation>(1)  Escolha uma árvore do
       seu circuito.</translation>
    </message>
    <message>
        <source>(2)   Name the chords and
       their loop currents.</source>
        <translation>(2)   Nomeie as cordas e
       suas correntes de laço.</translation>
    </message>
    <message>
        <source>(3)   See the loop each
       chord closes.</source>
        <translation>(3)   Veja o laço que cada
       corda fecha.</translation>
    </message>
    <message>
        <source>(4)   Write loop current
       equations using KVL.</source>
        <translation>(4)   Escreva as equações das correntes
       de laço usando a LKT.</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordTreeDialog</name>
    <message>
        <source>A tree joins all the nodes of your circuit without closing a loop. Click the resistors and voltage sources of your circuit to put them in the tree; click one again to take it out. Every branch left out of the tree is a chord.</source>
        <translation>Uma árvore liga todos os nós do seu circuito sem fechar nenhum laço. Clique nos resistores e nas fontes de tensão do seu circuito para colocá-los na árvore; clique de novo em um deles para retirá-lo. Cada ramo deixado fora da árvore é uma corda.</translation>
    </message>
    <message>
        <source>Click a branch of your circuit.</source>
        <translation>Clique em um ramo do seu circuito.</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordTutorDialog</name>
    <message>
        <source>Chord Current Tutor</source>
        <translation>Tutor de correntes de corda</translation>
    </message>
    <message>
        <source>

          Pick a tree.</source>
        <translation>

          Escolha uma árvore.</translation>
    </message>
    <message>
        <source>

     Name the chords.</source>
        <translation>

     Nomeie as cordas.</translation>
    </message>
    <message>
        <source>

     See each fundamental loop.</source>
        <translation>

     Veja cada laço fundamental.</translation>
    </message>
    <message>
        <source>

           Write loop current
         equations using KVL.</source>
        <translation>

           Escreva as equações das correntes
         de laço usando a LKT.</translation>
    </message>
    <message>
        <source>Step %1 of 4 for Chord Current Analysis:</source>
        <translation>Passo %1 de 4 do método das correntes de corda:</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
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
        <translation>Propriedades do componente</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>Start Node:</source>
        <translation>Nó inicial:</translation>
    </message>
    <message>
        <source>Finish Node:</source>
        <translation>Nó final:</translation>
    </message>
    <message>
        <source>Start Node Voltage:</source>
        <translation>Tensão do nó inicial:</translation>
    </message>
    <message>
        <source>Finish Node Voltage:</source>
        <translation>Tensão do nó final:</translation>
    </message>
    <message>
        <source>Current:
(Start-&gt;Finish)</source>
        <translation>Corrente:
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
        <translation>Avançar</translation>
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
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>chosen node, Node </source>
        <translation>nó escolhido, o nó </translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>A total of</source>
        <translation>São necessárias ao todo</translation>
    </message>
    <message>
        <source>equations needed,</source>
        <translation>equações,</translation>
    </message>
    <message>
        <source>The voltage at other nodes are measured with respect to this</source>
        <translation>As tensões dos outros nós são medidas em relação a este</translation>
    </message>
    <message>
        <source>one for each of the nodes below:</source>
        <translation>uma para cada um dos nós abaixo:</translation>
    </message>
    <message>
        <source>Select a node on the left to be the Datum Node:</source>
        <translation>Selecione à esquerda o nó de referência:</translation>
    </message>
    <message>
        <source>Step 3 of 4 for Nodal Analysis:</source>
        <translation>Passo 3 de 4 da análise nodal:</translation>
    </message>
    <message>
        <source>

         Select a Datum Node.</source>
        <translation>

         Selecione um nó de referência.</translation>
    </message>
    <message>
        <source>To simplify your calculation, you should select a node with the largest number of components connected to it as the Datum Node.</source>
        <translation>Para simplificar seus cálculos, escolha como nó de referência o nó ao qual está ligado o maior número de componentes.</translation>
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
        <translation>Nome:</translation>
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
        <translation>Editar nome do nó</translation>
    </message>
    <message>
        <source>Node Name:</source>
        <translation>Nome do nó:</translation>
    </message>
</context>
<context>
    <name>kirvolt::EquationCheckWindow</name>
    <message>
        <source>for example (V2 - V1)/R1 + V2/R2 = J1</source>
        <translation>por exemplo (V2 - V1)/R1 + V2/R2 = J1</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Verificar</translation>
    </message>
</context>
<context>
    <name>kirvolt::ErcPanel</name>
    <message>
        <source>Electrical Rule Check</source>
        <translation>Verificação de regras elétricas</translation>
    </message>
</context>
<context>
    <name>kirvolt::ExportPictureDialog</name>
    <message>
        <source>Show the &amp;grid</source>
        <translation>Mostrar a &amp;grade</translation>
    </message>
    <message>
        <source>Show &amp;node numbers</source>
        <translation>Mostrar os números dos &amp;nós</translation>
    </message>
    <message>
        <source>Show the &amp;equations panel</source>
        <translation>Mostrar o painel de &amp;equações</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source> ×</source>
        <translation> ×</translation>
    </message>
    <message>
        <source>PNG &amp;scale:</source>
        <translation>E&amp;scala do PNG:</translation>
    </message>
</context>
<context>
    <name>kirvolt::HelpWindow</name>
    <message>
        <source>Kirvolt Help</source>
        <translation>Ajuda do Kirvolt</translation>
    </message>
</context>
<context>
    <name>kirvolt::KclExampleDialog</name>
    <message>
        <source>Finish</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Step 4 of 4 for Nodal Analysis:</source>
        <translation>Passo 4 de 4 da análise nodal:</translation>
    </message>
    <message>
        <source>

           Write node voltage
         equations using KCL.</source>
        <translation>

           Escreva as equações das tensões
         de nó usando a LKC.</translation>
    </message>
    <message>
        <source>The following shows how you write your equation:</source>
        <translation>Veja como escrever sua equação:</translation>
    </message>
    <message>
        <source>For Node &apos;a&apos; shown above:
Sum of Current flowing out from resistors R1 and R2 = Current  flowing in from the source J1,</source>
        <translation>Para o nó &apos;a&apos; mostrado acima:
soma das correntes que saem pelos resistores R1 e R2 = corrente que entra vinda da fonte J1,</translation>
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
        <translation>As equações nodais do seu circuito podem ser montadas da mesma forma.</translation>
    </message>
    <message>
        <source>Check your nodal equations with that written by Kirvolt. How many equations you got it right?</source>
        <translation>Compare suas equações nodais com as escritas pelo Kirvolt. Quantas equações você acertou?</translation>
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
        <translation>Tutor de correntes de laço</translation>
    </message>
    <message>
        <source>Step 1 of 4 for Loop Current Analysis:</source>
        <translation>Passo 1 de 4 do método das correntes de laço:</translation>
    </message>
    <message>
        <source>
   Count the number of independent
    loops in your circuit.</source>
        <translation>
   Conte os laços independentes
    do seu circuito.</translation>
    </message>
    <message>
        <source>How many independent Loops are there in your circuit ?</source>
        <translation>Quantos laços independentes há no seu circuito?</translation>
    </message>
    <message>
        <source>Note:
Loops are independent when none of them is made of the others: each new loop must take in something the loops before it do not.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation>Observação:
Laços são independentes quando nenhum deles é formado pelos outros: cada novo laço deve incluir algo que os laços anteriores não incluem.

Os fios são considerados ideais e não são contados como componentes.</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopIntroductionDialog</name>
    <message>
        <source>There are four steps for the Loop Current Analysis Method.</source>
        <translation>O método das correntes de laço tem quatro passos.</translation>
    </message>
    <message>
        <source>(1)  Count the number of
       independent loops in your circuit.</source>
        <translation>(1)  Conte os laços
       independentes do seu circuito.</translation>
    </message>
    <message>
        <source>(2)   Trace the loops of your
       own choice.</source>
        <translation>(2)   Trace os laços de
       sua escolha.</translation>
    </message>
    <message>
        <source>(3)   Write loop current
       equations using KVL.</source>
        <translation>(3)   Escreva as equações das correntes
       de laço usando a LKT.</translation>
    </message>
    <message>
        <source>(4)   Solve them for the
       loop currents.</source>
        <translation>(4)   Resolva-as para obter
       as correntes de laço.</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopPageDialog</name>
    <message>
        <source>

           Write loop current
         equations using KVL.</source>
        <translation>

           Escreva as equações das correntes
         de laço usando a LKT.</translation>
    </message>
    <message>
        <source>

           Solve them for the
         loop currents.</source>
        <translation>

           Resolva-as para obter
         as correntes de laço.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
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

     Trace os laços de sua escolha.</translation>
    </message>
    <message>
        <source>Click the branches of a loop one after the other on the drawing, all the way round: the loop current runs the way you go. Each loop must be closed, pass each node only once, and take in something your loops before it do not. The loop currents are named I1, I2, ... in the order you trace the loops.</source>
        <translation>Clique nos ramos de um laço um após o outro no desenho, dando a volta completa: a corrente de laço circula no sentido em que você avança. Cada laço deve ser fechado, passar por cada nó uma só vez e incluir algo que seus laços anteriores não incluem. As correntes de laço são chamadas I1, I2, ... na ordem em que você traça os laços.</translation>
    </message>
    <message>
        <source>Click a branch of your circuit to start the loop.</source>
        <translation>Clique em um ramo do seu circuito para começar o laço.</translation>
    </message>
    <message>
        <source>Undo last branch</source>
        <translation>Desfazer o último ramo</translation>
    </message>
    <message>
        <source>Start loop again</source>
        <translation>Recomeçar o laço</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
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
        <translation>Tutor de correntes de laço</translation>
    </message>
    <message>
        <source>Step %1 of 4 for Loop Current Analysis:</source>
        <translation>Passo %1 de 4 do método das correntes de laço:</translation>
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
        <translation>O sistema G x = b da última análise, suas incógnitas e seus valores</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshCountDialog</name>
    <message>
        <source>Mesh Current Tutor</source>
        <translation>Tutor de análise de malhas</translation>
    </message>
    <message>
        <source>Step 1 of 4 for Mesh Current Analysis:</source>
        <translation>Passo 1 de 4 da análise de malhas:</translation>
    </message>
    <message>
        <source>
   Count the number of meshes
    in your circuit.</source>
        <translation>
   Conte as malhas
    do seu circuito.</translation>
    </message>
    <message>
        <source>How many Meshes are there in your circuit ?</source>
        <translation>Quantas malhas há no seu circuito?</translation>
    </message>
    <message>
        <source>Note:
A mesh is a loop of the circuit with no other loop inside it, like a pane of a window.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation>Observação:
Uma malha é um laço do circuito sem nenhum outro laço dentro dele, como uma vidraça de janela.

Os fios são considerados ideais e não são contados como componentes.</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshIntroductionDialog</name>
    <message>
        <source>There are four steps for the Mesh Current Analysis Method.</source>
        <translation>A análise de malhas tem quatro passos.</translation>
    </message>
    <message>
        <source>(1)  Count the number of
       meshes in your circuit.</source>
        <translation>(1)  Conte as malhas
       do seu circuito.</translation>
    </message>
    <message>
        <source>(2)   Label the mesh currents.</source>
        <translation>(2)   Nomeie as correntes de malha.</translation>
    </message>
    <message>
        <source>(3)   Deal with the current
       sources.</source>
        <translation>(3)   Trate as fontes
       de corrente.</translation>
    </message>
    <message>
        <source>(4)   Write mesh current
       equations using KVL.</source>
        <translation>(4)   Escreva as equações das correntes
       de malha usando a LKT.</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshLabelDialog</name>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Click this button to draw the mesh currents.</source>
        <translation>Clique neste botão para desenhar as correntes de malha.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>

          Label the mesh currents.</source>
        <translation>

          Nomeie as correntes de malha.</translation>
    </message>
    <message>
        <source>The mesh current is designated by In where  &quot;n&quot;  is the mesh number, e.g. the current of mesh 1 is denoted by I1, and mesh 2 by I2, etc. The meshes are numbered in reading order, from the top left.</source>
        <translation>A corrente de malha é designada por In, onde  &quot;n&quot;  é o número da malha; por exemplo, a corrente da malha 1 é indicada por I1, a da malha 2 por I2 etc. As malhas são numeradas na ordem de leitura, a partir do canto superior esquerdo.</translation>
    </message>
    <message>
        <source>Every mesh current runs clockwise round its mesh. When you analyse your circuit with pen and paper, you should follow the same practice here by drawing a clockwise arrow inside each mesh and marking it with its current.</source>
        <translation>Cada corrente de malha circula no sentido horário em torno de sua malha. Ao analisar seu circuito com lápis e papel, siga a mesma prática desenhando uma seta no sentido horário dentro de cada malha e indicando nela a sua corrente.</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshPageDialog</name>
    <message>
        <source>

     Deal with the current sources.</source>
        <translation>

     Trate as fontes de corrente.</translation>
    </message>
    <message>
        <source>

           Write mesh current
         equations using KVL.</source>
        <translation>

           Escreva as equações das correntes
         de malha usando a LKT.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
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

     Trate as fontes de corrente.</translation>
    </message>
    <message>
        <source>A current source with the outside of the drawing on one side fixes the current of the mesh on its other side; a current source between two meshes joins them into a supermesh. Find them all by clicking inside the meshes of your circuit: a mesh whose current is fixed, or the two meshes of a pair one after the other.</source>
        <translation>Uma fonte de corrente que tem de um lado o exterior do desenho fixa a corrente da malha do outro lado; uma fonte de corrente entre duas malhas as une em uma supermalha. Encontre todas clicando dentro das malhas do seu circuito: uma malha cuja corrente é fixada, ou as duas malhas de um par, uma após a outra.</translation>
    </message>
    <message>
        <source>You are looking for:</source>
        <translation>Você procura:</translation>
    </message>
    <message>
        <source>A mesh whose current a source fixes</source>
        <translation>Uma malha cuja corrente uma fonte fixa</translation>
    </message>
    <message>
        <source>Two meshes joined by a current source</source>
        <translation>Duas malhas unidas por uma fonte de corrente</translation>
    </message>
    <message>
        <source>Click inside a mesh of your circuit.</source>
        <translation>Clique dentro de uma malha do seu circuito.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
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
        <translation>Tutor de análise de malhas</translation>
    </message>
    <message>
        <source>Step %1 of 4 for Mesh Current Analysis:</source>
        <translation>Passo %1 de 4 da análise de malhas:</translation>
    </message>
</context>
<context>
    <name>kirvolt::ModifiedNodalNotesDialog</name>
    <message>
        <source>Modified Nodal Analysis</source>
        <translation>Análise nodal modificada</translation>
    </message>
    <message>
        <source>
Background notes</source>
        <translation>
Noções básicas</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>kirvolt::ModifiedNodalPageDialog</name>
    <message>
        <source>

          Name the unknowns.</source>
        <translation>

          Nomeie as incógnitas.</translation>
    </message>
    <message>
        <source>

          Add each element to G and b.</source>
        <translation>

          Acrescente cada elemento a G e b.</translation>
    </message>
    <message>
        <source>

          Solve the system.</source>
        <translation>

          Resolva o sistema.</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor</source>
        <translation>Tutor de análise nodal modificada</translation>
    </message>
    <message>
        <source>Step %1 of 3 for Modified Nodal Analysis:</source>
        <translation>Passo %1 de 3 da análise nodal modificada:</translation>
    </message>
    <message>
        <source>G · x = b:</source>
        <translation>G · x = b:</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
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
        <translation>Novo exercício</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>&amp;Dificuldade:</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Semente:</translation>
    </message>
    <message>
        <source>The same seed and difficulty always give the same exercise.</source>
        <translation>A mesma semente e a mesma dificuldade sempre geram o mesmo exercício.</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeCountDialog</name>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation>Tutor de análise nodal</translation>
    </message>
    <message>
        <source>Step 1 of 4 for Nodal Analysis:</source>
        <translation>Passo 1 de 4 da análise nodal:</translation>
    </message>
    <message>
        <source>
   Count the number of nodes
    in your circuit.</source>
        <translation>
   Conte os nós
    do seu circuito.</translation>
    </message>
    <message>
        <source>How many Nodes are there in your circuit ?</source>
        <translation>Quantos nós há no seu circuito?</translation>
    </message>
    <message>
        <source>Note:
Node refers to the common connection point where two or more components are joined together.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation>Observação:
Nó é o ponto de conexão comum em que dois ou mais componentes estão ligados.

Os fios são considerados ideais e não são contados como componentes.</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeEquationsDialog</name>
    <message>
        <source>Nodal Analysis : Node Equations</source>
        <translation>Análise nodal : equações de nó</translation>
    </message>
    <message>
        <source>Mesh Current Method : Mesh Equations</source>
        <translation>Análise de malhas : equações de malha</translation>
    </message>
    <message>
        <source>Loop Current Method : Loop Equations</source>
        <translation>Método das correntes de laço : equações de laço</translation>
    </message>
    <message>
        <source>Equation for Node</source>
        <translation>Equação do nó</translation>
    </message>
    <message>
        <source>Equation for Mesh</source>
        <translation>Equação da malha</translation>
    </message>
    <message>
        <source>Equation for Loop</source>
        <translation>Equação do laço</translation>
    </message>
    <message>
        <source>:-</source>
        <translation>:-</translation>
    </message>
    <message>
        <source>( Selected Datumn Node  =  Node</source>
        <translation>( Nó de referência escolhido  =  nó</translation>
    </message>
    <message>
        <source>, voltage at this node is taken as zero. )</source>
        <translation>, a tensão neste nó é tomada como zero. )</translation>
    </message>
    <message>
        <source>( the mesh current runs clockwise round the mesh )</source>
        <translation>( a corrente de malha circula no sentido horário em torno da malha )</translation>
    </message>
    <message>
        <source>( the loop current runs through %1 in its own direction )</source>
        <translation>( a corrente de laço percorre %1 no sentido próprio dele )</translation>
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
        <translation>Propriedades do componente</translation>
    </message>
    <message>
        <source>Node Name:</source>
        <translation>Nome do nó:</translation>
    </message>
    <message>
        <source>Node Voltage:</source>
        <translation>Tensão do nó:</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeLabelDialog</name>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Click this button to assign the node numbers.</source>
        <translation>Clique neste botão para atribuir os números dos nós.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Step 2 of 4 for Nodal Analysis:</source>
        <translation>Passo 2 de 4 da análise nodal:</translation>
    </message>
    <message>
        <source>

          Label all the nodes.</source>
        <translation>

          Numere todos os nós.</translation>
    </message>
    <message>
        <source>The node voltage is designated by Vn where  &quot;n&quot;  is the node number, e.g. the node voltage for node 1 is denoted by V1, and node 2 by V2, etc.</source>
        <translation>A tensão de nó é designada por Vn, onde  &quot;n&quot;  é o número do nó; por exemplo, a tensão do nó 1 é indicada por V1, a do nó 2 por V2 etc.</translation>
    </message>
    <message>
        <source>When you analyse your circuit with pen and paper, you should follow the same practice here by marking each independent nodes in your circuit with a unique node number.</source>
        <translation>Ao analisar seu circuito com lápis e papel, siga a mesma prática marcando cada nó independente do seu circuito com um número de nó único.</translation>
    </message>
</context>
<context>
    <name>kirvolt::OpenCircuit</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvar as alterações em %1?</translation>
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
        <translation>Escala de impressão:</translation>
    </message>
</context>
<context>
    <name>kirvolt::RecoveryStore</name>
    <message>
        <source>Unsaved circuit</source>
        <translation>Circuito não salvo</translation>
    </message>
</context>
<context>
    <name>kirvolt::TheveninQuestionDialog</name>
    <message>
        <source>Between two &amp;nodes:</source>
        <translation>Entre dois &amp;nós:</translation>
    </message>
    <message>
        <source>As seen by a &amp;resistor, taken out:</source>
        <translation>Visto de um &amp;resistor retirado:</translation>
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
        <translation>O equivalente dá a tensão de A em relação a B.</translation>
    </message>
</context>
<context>
    <name>kirvolt::TutorDialog</name>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation>Tutor de análise nodal</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  passos</translation>
    </message>
</context>
<context>
    <name>kirvolt::TutorIntroductionDialog</name>
    <message>
        <source>Background Notes</source>
        <translation>Noções básicas</translation>
    </message>
    <message>
        <source>There are four steps for the Nodal Voltage Analysis Method.</source>
        <translation>O método das tensões de nó tem quatro passos.</translation>
    </message>
    <message>
        <source>(1)  Count the number of
       nodes in your circuit.</source>
        <translation>(1)  Conte os nós
       do seu circuito.</translation>
    </message>
    <message>
        <source>(2)   Label all the nodes.</source>
        <translation>(2)   Numere todos os nós.</translation>
    </message>
    <message>
        <source>(3)   Select a Datum Node.</source>
        <translation>(3)   Selecione um nó de referência.</translation>
    </message>
    <message>
        <source>(4)   Write node voltage
       equations using KCL.</source>
        <translation>(4)   Escreva as equações das tensões
       de nó usando a LKC.</translation>
    </message>
</context>
</TS>
