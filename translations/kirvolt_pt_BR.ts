<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Superposição</translation>
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
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>There are four steps for the Chord Current Analysis Method.</source>
        <translation>O método das correntes de corda tem quatro passos.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  passos</translation>
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
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>There are four steps for the Loop Current Analysis Method.</source>
        <translation>O método das correntes de laço tem quatro passos.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  passos</translation>
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
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>There are four steps for the Mesh Current Analysis Method.</source>
        <translation>A análise de malhas tem quatro passos.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  passos</translation>
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
</context>
<context>
    <name>kirvolt::TutorIntroductionDialog</name>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Background Notes</source>
        <translation>Noções básicas</translation>
    </message>
    <message>
        <source>There are four steps for the Nodal Voltage Analysis Method.</source>
        <translation>O método das tensões de nó tem quatro passos.</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  passos</translation>
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
