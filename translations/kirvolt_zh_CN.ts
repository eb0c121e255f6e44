<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Analysis</name>
    <message>
        <source>Create your circuit first.</source>
        <translation>请先创建电路。</translation>
    </message>
</context>
<context>
    <name>BackgroundNotes</name>
    <message>
        <source>For a network with  &apos;n&apos;  nodes and  &apos;b&apos;  branches excited by active elements, the unknown quantities of interest are the branch voltages and the branch currents of all its elements, which make up  &apos;2b&apos;  unknowns. For every element the branch voltage and current are tied together by the law of that element, like Ohm&apos;s Law, so once one is known the other follows. Hence we need to solve for only &apos;b&apos;  unknowns, one for each branch, to get the current and voltage information about the circuit.
</source>
        <translation>对于一个有  &apos;n&apos;  个节点、&apos;b&apos;  条支路并由有源元件激励的网络，我们关心的未知量是其所有元件的支路电压和支路电流，共  &apos;2b&apos;  个未知量。对于每个元件，支路电压和电流由该元件的定律（如欧姆定律）联系在一起，因此知道其中一个就能求出另一个。所以只需求解  &apos;b&apos;  个未知量（每条支路一个），就能得到电路的电流和电压信息。
</translation>
    </message>
    <message>
        <source> These unknowns may either be branch voltage or branch current of the elements. In the Nodal Analysis method we go one step further and use the node voltages as the unknowns. First we select one of the nodes as the common reference node and call it the Datum Node. Its voltage is taken to be zero, and the voltage of every other node is measured with respect to it. The voltage of node 1 is written V1, the voltage of node 2 is written V2, and so on. Each branch of the circuit is connected between two nodes, so the branch voltage of any element is simply the difference of the two node voltages at its ends, e.g. any element connected between node 1 and node 2 has the branch voltage  V1 - V2.  Once the node voltages are known, all the branch voltages follow, and from them all the branch currents by the element laws. In this way the number of unknowns drops from  &apos;b&apos;  to  &apos;n-1&apos;, which is usually a far smaller number. Kirchhoff&apos;s Voltage Law (KVL) is satisfied automatically by the node voltages, because around any closed loop the differences of node voltages always add up to zero. What is still left to be satisfied is Kirchhoff&apos;s Current Law (KCL), which says that the currents leaving a node must add up to the currents entering it. We write one KCL equation for each node except the Datum Node; the equation of the Datum Node is not needed, as it can always be obtained by adding up all of the other equations. This gives exactly  &apos;n-1&apos;  independent equations for the  &apos;n-1&apos; unknown node voltages.</source>
        <translation> 这些未知量既可以是元件的支路电压，也可以是支路电流。节点电压法更进一步，以节点电压作为未知量。首先选择一个节点作为公共参考点，称为参考节点。它的电压取为零，其他每个节点的电压都相对于它来测量。节点 1 的电压记作 V1，节点 2 的电压记作 V2，依此类推。电路的每条支路都连接在两个节点之间，因此任何元件的支路电压就是其两端节点电压之差，例如连接在节点 1 和节点 2 之间的元件，其支路电压为  V1 - V2。 一旦知道了节点电压，所有支路电压随之可得，再由元件定律即可得到所有支路电流。这样，未知量的个数就从  &apos;b&apos;  减少到  &apos;n-1&apos;，通常要少得多。节点电压自动满足基尔霍夫电压定律（KVL），因为沿任何闭合回路，节点电压之差的总和总是为零。剩下需要满足的是基尔霍夫电流定律（KCL），它指出流出一个节点的电流之和必须等于流入该节点的电流之和。我们为除参考节点以外的每个节点列写一个 KCL 方程；参考节点的方程是不需要的，因为它总可以由其他所有方程相加得到。这样就恰好得到  &apos;n-1&apos;  个独立方程，用来求解  &apos;n-1&apos; 个未知的节点电压。</translation>
    </message>
    <message>
        <source>  When we write KCL equation for a node, we equate the sum of currents leaving the node via resistors connected to this node to the sum of currents entering the node from Current Sources connected to it. The current leaving node &apos;a&apos; through a resistor R connected to node &apos;b&apos; is  (Va-Vb)/R, where Va and Vb are the node voltages at the two ends of the resistor. If the current actually enters the node, the value of  (Va-Vb)/R  simply comes out negative. A resistor connected between node &apos;a&apos; and the Datum Node carries the current  Va/R  out of node &apos;a&apos;, since the Datum Node is at zero volts. A Current Source pointing into the node is written with a plus sign on the right hand side of the equation, and one pointing away from the node with a minus sign. Ideal Voltage Sources need special care, because the current through them cannot be found from their voltage. Nodes joined together by Voltage Sources are taken as one macro node, and a single KCL equation is written for the whole macro node, while each Voltage Source gives one more equation relating the voltages of the two nodes at its ends. When all  &apos;n-1&apos;  equations are written down, they form a set of simultaneous linear equations in the node voltages, which can be solved by substitution, by elimination, or with the help of matrices and Cramer&apos;s Rule. After you have found the node voltages, always check your answer. Put the node voltages into the equation of each node and work out the current leaving the node through every resistor connected to it, then add up all these currents. The resulting value should be equal to the algebraic sum of Current Sources entering the concerned node.</source>
        <translation>  为一个节点列写 KCL 方程时，令经由与该节点相连的电阻流出节点的电流之和，等于从与之相连的电流源流入节点的电流之和。经由连接到节点 &apos;b&apos; 的电阻 R 流出节点 &apos;a&apos; 的电流为  (Va-Vb)/R，其中 Va 和 Vb 是电阻两端的节点电压。如果电流实际上是流入该节点的，那么  (Va-Vb)/R  的值就是负的。连接在节点 &apos;a&apos; 和参考节点之间的电阻从节点 &apos;a&apos; 流出的电流为  Va/R，因为参考节点的电压为零伏。指向节点的电流源在方程右边取正号，背离节点的电流源取负号。理想电压源需要特别注意，因为其中的电流无法由其电压求出。由电压源连接在一起的节点视为一个超节点，为整个超节点列写一个 KCL 方程，同时每个电压源再给出一个联系其两端节点电压的方程。写出全部  &apos;n-1&apos;  个方程后，它们构成一组关于节点电压的线性联立方程，可以用代入法、消元法或借助矩阵和克莱姆法则求解。求出节点电压后，一定要验算答案。把节点电压代入每个节点的方程，算出经由与该节点相连的每个电阻流出节点的电流，然后把这些电流加起来。所得的值应等于流入该节点的电流源的代数和。</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>新建一个文档
新建</translation>
    </message>
    <message>
        <source>New Exerc&amp;ise...</source>
        <translation>新建练习(&amp;I)...</translation>
    </message>
    <message>
        <source>Make a circuit to solve, at the difficulty and from the seed chosen
New Exercise</source>
        <translation>按所选的难度和种子生成一个待求解的电路
新建练习</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>打开一个现有文档
打开</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>关闭活动文档
关闭</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>保存活动文档
保存</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>用新名称保存活动文档
另存为</translation>
    </message>
    <message>
        <source>&amp;Export SPICE Netlist...</source>
        <translation>导出 SPICE 网表(&amp;E)...</translation>
    </message>
    <message>
        <source>Write the active circuit as a SPICE netlist
Export SPICE Netlist</source>
        <translation>把活动电路写成 SPICE 网表
导出 SPICE 网表</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>打印活动文档
打印</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>显示整页
打印预览</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>更改打印机和打印选项
打印设置</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>导出图片(&amp;T)...</translation>
    </message>
    <message>
        <source>Save a picture of the circuit as PNG, SVG or PDF
Export Picture</source>
        <translation>把电路图片保存为 PNG、SVG 或 PDF
导出图片</translation>
    </message>
    <message>
        <source>Export &amp;Worked Solution...</source>
        <translation>导出详细解答(&amp;W)...</translation>
    </message>
    <message>
        <source>Save the analysed circuit&apos;s worked solution as HTML or PDF
Export Worked Solution</source>
        <translation>把已分析电路的详细解答保存为 HTML 或 PDF
导出详细解答</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>退出应用程序；提示保存文档
退出</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>撤销上一次操作
撤销</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>重做上一次撤销的操作
重做</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>剪切所选内容并放到剪贴板上
剪切</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>复制所选内容并放到剪贴板上
复制</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>插入剪贴板内容
粘贴</translation>
    </message>
    <message>
        <source>De&amp;lete Selection</source>
        <translation>删除所选内容(&amp;L)</translation>
    </message>
    <message>
        <source>Delete the selection
Delete Selection</source>
        <translation>删除所选内容
删除所选内容</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>Select the entire circuit
Select All</source>
        <translation>选择整个电路
全选</translation>
    </message>
    <message>
        <source>Copy P&amp;icture</source>
        <translation>复制图片(&amp;E)</translation>
    </message>
    <message>
        <source>Put a picture of the circuit on the Clipboard
Copy Picture</source>
        <translation>把电路图片放到剪贴板上
复制图片</translation>
    </message>
    <message>
        <source>R&amp;otate</source>
        <translation>旋转(&amp;O)</translation>
    </message>
    <message>
        <source>Rotate Component
Rotate</source>
        <translation>旋转元件
旋转</translation>
    </message>
    <message>
        <source>M&amp;irror</source>
        <translation>镜像(&amp;I)</translation>
    </message>
    <message>
        <source>Mirror Component
Mirror</source>
        <translation>镜像元件
镜像</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>移动(&amp;M)</translation>
    </message>
    <message>
        <source>Move a Component
Move</source>
        <translation>移动一个元件
移动</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete a Component
Delete</source>
        <translation>删除一个元件
删除</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Show the Component Information
Info</source>
        <translation>显示元件信息
信息</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Edit the Value of a Component
Value</source>
        <translation>编辑元件的数值
数值</translation>
    </message>
    <message>
        <source>Assign Node Numbers</source>
        <translation>分配节点编号</translation>
    </message>
    <message>
        <source>Assign new Node Number to the nodes of the circuit
Assign Node Numbers</source>
        <translation>为电路的节点分配新的节点编号
分配节点编号</translation>
    </message>
    <message>
        <source>Hide/Show node numbers</source>
        <translation>隐藏/显示节点编号</translation>
    </message>
    <message>
        <source>Hide/Show thr Node Numbers of the circuit
Hide/Show node numbers</source>
        <translation>隐藏/显示电路的节点编号
隐藏/显示节点编号</translation>
    </message>
    <message>
        <source>Set Datum Node</source>
        <translation>设置参考节点</translation>
    </message>
    <message>
        <source>Set a node in the circuit as Datum Node
Set Datum Node</source>
        <translation>把电路中的一个节点设为参考节点
设置参考节点</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>显示或隐藏工具栏
切换工具栏</translation>
    </message>
    <message>
        <source>&amp;Command Toolbar</source>
        <translation>命令工具栏(&amp;C)</translation>
    </message>
    <message>
        <source>Show or Hide the Command Toolbar
Toggle Command Toolbar</source>
        <translation>显示或隐藏命令工具栏
切换命令工具栏</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>显示或隐藏状态栏
切换状态栏</translation>
    </message>
    <message>
        <source>&amp;No Grid</source>
        <translation>无网格(&amp;N)</translation>
    </message>
    <message>
        <source>Hide the Grid Display
Hide Grid</source>
        <translation>隐藏网格显示
隐藏网格</translation>
    </message>
    <message>
        <source>&amp;Dot Grid</source>
        <translation>点状网格(&amp;D)</translation>
    </message>
    <message>
        <source>Show the Display of the Dot Grid
Dot Grid</source>
        <translation>显示点状网格
点状网格</translation>
    </message>
    <message>
        <source>S&amp;quare Grid</source>
        <translation>方格网格(&amp;Q)</translation>
    </message>
    <message>
        <source>Show the Display of Orhtogonal Grid
Square Grid</source>
        <translation>显示正交网格
方格网格</translation>
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
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom In
zoom in</source>
        <translation>放大
放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Zoom Out
zoom out</source>
        <translation>缩小
缩小</translation>
    </message>
    <message>
        <source>Zoom In or Out</source>
        <translation>放大或缩小</translation>
    </message>
    <message>
        <source>Zoom In or Out
scale</source>
        <translation>放大或缩小
缩放比例</translation>
    </message>
    <message>
        <source>&amp;European Style</source>
        <translation>欧式符号(&amp;E)</translation>
    </message>
    <message>
        <source>Display all Resistors in European Style
EU Style</source>
        <translation>用欧式符号显示所有电阻
欧式符号</translation>
    </message>
    <message>
        <source>&amp;US Style</source>
        <translation>美式符号(&amp;U)</translation>
    </message>
    <message>
        <source>Dsiplay all Resistors in US Style
US Style</source>
        <translation>用美式符号显示所有电阻
美式符号</translation>
    </message>
    <message>
        <source>&amp;Re-Draw</source>
        <translation>重绘(&amp;R)</translation>
    </message>
    <message>
        <source>Re-Draw
Re-Draw</source>
        <translation>重绘
重绘</translation>
    </message>
    <message>
        <source>Using Nodal Analysis</source>
        <translation>使用节点电压法</translation>
    </message>
    <message>
        <source>&amp;Matrix Form</source>
        <translation>矩阵形式(&amp;M)</translation>
    </message>
    <message>
        <source>Show the analysed circuit&apos;s modified nodal system G x = b, to read or to copy
Matrix Form</source>
        <translation>显示已分析电路的改进节点方程组 G x = b，供阅读或复制
矩阵形式</translation>
    </message>
    <message>
        <source>&amp;Formulas</source>
        <translation>公式(&amp;F)</translation>
    </message>
    <message>
        <source>Show every node voltage as a formula in the elements&apos; names, with its value
Formulas</source>
        <translation>把每个节点电压显示为用元件名称表示的公式，并给出其值
公式</translation>
    </message>
    <message>
        <source>Show equation</source>
        <translation>显示方程</translation>
    </message>
    <message>
        <source>Show voltage-current equation and calculation steps.
Show equation</source>
        <translation>显示电压-电流方程和计算步骤。
显示方程</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>选择(&amp;S)</translation>
    </message>
    <message>
        <source>Select Component Mode
Select</source>
        <translation>选择元件模式
选择</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>电阻(&amp;R)</translation>
    </message>
    <message>
        <source>Insert a Resistor to the circuit
Resistor</source>
        <translation>在电路中插入一个电阻
电阻</translation>
    </message>
    <message>
        <source>&amp;Voltage Source</source>
        <translation>电压源(&amp;V)</translation>
    </message>
    <message>
        <source>Insert a Voltage Source to the circuit
Voltage Source</source>
        <translation>在电路中插入一个电压源
电压源</translation>
    </message>
    <message>
        <source>&amp;Current Source</source>
        <translation>电流源(&amp;C)</translation>
    </message>
    <message>
        <source>Insert a Current Source to the circuit
Current Source</source>
        <translation>在电路中插入一个电流源
电流源</translation>
    </message>
    <message>
        <source>&amp;Ammeter</source>
        <translation>电流表(&amp;A)</translation>
    </message>
    <message>
        <source>Insert Ammeter
Ammeter</source>
        <translation>插入电流表
电流表</translation>
    </message>
    <message>
        <source>V&amp;oltmeter</source>
        <translation>电压表(&amp;O)</translation>
    </message>
    <message>
        <source>Insert Voltmeter
Voltmeter</source>
        <translation>插入电压表
电压表</translation>
    </message>
    <message>
        <source>&amp;Wire</source>
        <translation>导线(&amp;W)</translation>
    </message>
    <message>
        <source>Place a Wire to Connect Components
Wire</source>
        <translation>放置导线连接元件
导线</translation>
    </message>
    <message>
        <source>Turning Wire, &amp;Across First</source>
        <translation>转弯导线，先横向(&amp;T)</translation>
    </message>
    <message>
        <source>Connect Wire with Right-Angle Turn
Turning Wire</source>
        <translation>用直角转弯连接导线
转弯导线</translation>
    </message>
    <message>
        <source>Turning Wire, Up or D&amp;own First</source>
        <translation>转弯导线，先纵向(&amp;P)</translation>
    </message>
    <message>
        <source>Connect Wire with Right-Angled Turn
Turning Wire</source>
        <translation>用直角转弯连接导线
转弯导线</translation>
    </message>
    <message>
        <source>&amp;Joint</source>
        <translation>连接点(&amp;J)</translation>
    </message>
    <message>
        <source>Made a joint between two or more Components
Joint</source>
        <translation>在两个或多个元件之间建立连接点
连接点</translation>
    </message>
    <message>
        <source>&amp;Eastwards</source>
        <translation>朝东(&amp;E)</translation>
    </message>
    <message>
        <source>Set Component Direction to the East
East</source>
        <translation>把元件方向设为朝东
朝东</translation>
    </message>
    <message>
        <source>&amp;Northwards</source>
        <translation>朝北(&amp;N)</translation>
    </message>
    <message>
        <source>Set Component Direction to the North
North</source>
        <translation>把元件方向设为朝北
朝北</translation>
    </message>
    <message>
        <source>&amp;Westwar&amp;ds</source>
        <translation>朝西(&amp;D)</translation>
    </message>
    <message>
        <source>Set Component Direction to the West
West</source>
        <translation>把元件方向设为朝西
朝西</translation>
    </message>
    <message>
        <source>So&amp;uthwards</source>
        <translation>朝南(&amp;U)</translation>
    </message>
    <message>
        <source>Set Component Direction to the South
South</source>
        <translation>把元件方向设为朝南
朝南</translation>
    </message>
    <message>
        <source>Node Voltage Method</source>
        <translation>节点电压法</translation>
    </message>
    <message>
        <source>Mesh Current Method</source>
        <translation>网孔电流法</translation>
    </message>
    <message>
        <source>Loop Current Method</source>
        <translation>回路电流法</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Compute Voltages &amp; Currents
Compute</source>
        <translation>计算电压和电流
计算</translation>
    </message>
    <message>
        <source>Electrical &amp;Rule Check</source>
        <translation>电气规则检查(&amp;R)</translation>
    </message>
    <message>
        <source>Electrical Rule Check
ERC</source>
        <translation>电气规则检查
ERC</translation>
    </message>
    <message>
        <source>Thévenin Equivalent...</source>
        <translation>戴维南等效电路...</translation>
    </message>
    <message>
        <source>Find the Thévenin and Norton equivalents between two nodes or as seen by a resistor
Thévenin Equivalent</source>
        <translation>求两个节点之间或从某个电阻看进去的戴维南和诺顿等效电路
戴维南等效电路</translation>
    </message>
    <message>
        <source>Superposition</source>
        <translation>叠加定理</translation>
    </message>
    <message>
        <source>Solve the circuit once for each source with the others set to zero, and add the parts
Superposition</source>
        <translation>每次只保留一个电源、其余电源置零求解电路，再把各部分相加
叠加定理</translation>
    </message>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation>节点电压法辅导</translation>
    </message>
    <message>
        <source>This will guide you through the steps in the Nodal Analysis Process
Nodal Analysis Tutor</source>
        <translation>引导你完成节点电压法的各个步骤
节点电压法辅导</translation>
    </message>
    <message>
        <source>Check My Node Equation</source>
        <translation>检查我的节点方程</translation>
    </message>
    <message>
        <source>Click a node, type its KCL equation and let Kirvolt check it
Check My Node Equation</source>
        <translation>单击一个节点，输入它的 KCL 方程，让 Kirvolt 检查
检查我的节点方程</translation>
    </message>
    <message>
        <source>Check My Mesh Equation</source>
        <translation>检查我的网孔方程</translation>
    </message>
    <message>
        <source>Click inside a mesh, type its KVL equation and let Kirvolt check it
Check My Mesh Equation</source>
        <translation>单击一个网孔内部，输入它的 KVL 方程，让 Kirvolt 检查
检查我的网孔方程</translation>
    </message>
    <message>
        <source>Set Print Scale</source>
        <translation>设置打印比例</translation>
    </message>
    <message>
        <source>Set the scale factor for printing hardcopy.
Set Print Scale</source>
        <translation>设置打印输出的缩放比例。
设置打印比例</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>新建窗口(&amp;N)</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>为活动文档打开另一个窗口
新建窗口</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>层叠排列窗口
层叠窗口</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>平铺(&amp;T)</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>以互不重叠的方式平铺窗口
平铺窗口</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>排列图标(&amp;A)</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>在窗口底部排列图标
排列图标</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>下一窗格</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>切换到下一个窗格
下一窗格</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>上一窗格</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>切换回上一个窗格
上一窗格</translation>
    </message>
    <message>
        <source>&amp;About Kirvolt...</source>
        <translation>关于 Kirvolt(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>显示程序信息、版本号和版权
关于</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Copy Component
Copy</source>
        <translation>复制元件
复制</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Cut Component
Cut</source>
        <translation>剪切元件
剪切</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Paste Component
Paste</source>
        <translation>粘贴元件
粘贴</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>组合</translation>
    </message>
    <message>
        <source>Group Component
Group</source>
        <translation>组合元件
组合</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor</source>
        <translation>改进节点法辅导</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor
Modified Nodal Analysis Tutor</source>
        <translation>改进节点法辅导
改进节点法辅导</translation>
    </message>
    <message>
        <source>Loop Current Tutor</source>
        <translation>回路电流辅导</translation>
    </message>
    <message>
        <source>Loop Current Tutor
Loop Current Tutor</source>
        <translation>回路电流辅导
回路电流辅导</translation>
    </message>
    <message>
        <source>Mesh Current Tutor</source>
        <translation>网孔电流辅导</translation>
    </message>
    <message>
        <source>Mesh Current Tutor
Mesh Current Tutor</source>
        <translation>网孔电流辅导
网孔电流辅导</translation>
    </message>
    <message>
        <source>Chord Current Tutor</source>
        <translation>连支电流辅导</translation>
    </message>
    <message>
        <source>Chord Current 
Chord Current Tutor</source>
        <translation>连支电流
连支电流辅导</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Name Component
Name</source>
        <translation>为元件命名
名称</translation>
    </message>
    <message>
        <source>Describe Circuit</source>
        <translation>描述电路</translation>
    </message>
    <message>
        <source>Put the whole circuit in words in a window that a screen reader reads
Describe Circuit</source>
        <translation>在屏幕阅读器可朗读的窗口中用文字描述整个电路
描述电路</translation>
    </message>
</context>
<context>
    <name>ChordTutor</name>
    <message>
        <source>Your tree has %1 branch: %2.</source>
        <translation>你的树有 %1 条树支：%2。</translation>
    </message>
    <message>
        <source>Your tree has %1 branches: %2.</source>
        <translation>你的树有 %1 条树支：%2。</translation>
    </message>
    <message>
        <source>The other branch is its chord: %1.</source>
        <translation>另一条支路是它的连支：%1。</translation>
    </message>
    <message>
        <source>The other branches are its chords: %1.</source>
        <translation>其他支路是它的连支：%1。</translation>
    </message>
    <message>
        <source>Each chord closes one loop with the tree. The current of that loop runs through the chord in the chord&apos;s own direction and is named after it: %1.</source>
        <translation>每条连支与树构成一个回路。该回路的电流沿连支自身的方向流过连支，并以该连支命名：%1。</translation>
    </message>
    <message>
        <source>%1 is a current source, so its loop current is its own current and known beforehand.</source>
        <translation>%1 是电流源，因此其回路电流就是它自身的电流，事先已知。</translation>
    </message>
    <message>
        <source>%1 are current sources, so their loop currents are their own currents and known beforehand.</source>
        <translation>%1 是电流源，因此它们的回路电流就是它们自身的电流，事先已知。</translation>
    </message>
    <message>
        <source>There is %1 loop current, so %1 loop equation is needed, one for each chord.</source>
        <translation>有 %1 个回路电流，因此需要 %1 个回路方程，每条连支一个。</translation>
    </message>
    <message>
        <source>There are %1 loop currents, so %1 loop equations are needed, one for each chord.</source>
        <translation>有 %1 个回路电流，因此需要 %1 个回路方程，每条连支一个。</translation>
    </message>
    <message>
        <source>Loop %1 of %2: %3</source>
        <translation>第 %1 个回路（共 %2 个）：%3</translation>
    </message>
    <message>
        <source>%1 closes it with the tree. Going round it in the direction of %2, it runs through %3.</source>
        <translation>%1 与树构成该回路。沿 %2 的方向绕行该回路，它经过 %3。</translation>
    </message>
    <message>
        <source>The following shows how you write your equation:

Going round a loop in the direction of its current, each resistor drops its resistance times the current through it: the loop&apos;s own current, with the current of every other loop through that resistor added where it runs the same way and taken away where it runs against. The EMFs met from %1 to + stand on the right.

For the loop of R3, closed by a tree of E1 and R1, where the loop of R4 also runs through R1 the same way:

        R3·I_R3 + R1·(I_R3 + I_R4) = E1

The loop of a current source J1 needs no KVL equation: its current is the source&apos;s, I_J1 = J1.

Loop equations in your circuit may be prepared in a similar fashion.</source>
        <translation>下面说明如何列写方程：

沿回路电流的方向绕行回路，每个电阻上的电压降等于其电阻乘以流过它的电流：即该回路自身的电流，再加上同向流过该电阻的其他回路电流，减去反向流过的其他回路电流。从 %1 到 + 遇到的电动势写在右边。

对于 R3 的回路，它由 E1 和 R1 组成的树闭合，而 R4 的回路也同向流过 R1：

        R3·I_R3 + R1·(I_R3 + I_R4) = E1

电流源 J1 的回路不需要 KVL 方程：其电流就是电源的电流，I_J1 = J1。

电路中的回路方程可以用同样的方法列写。</translation>
    </message>
</context>
<context>
    <name>CircuitEditor</name>
    <message>
        <source>Kirvolt default procedure for MouseMove is called, move cursor out of client area and press [Enter].</source>
        <translation>调用了 Kirvolt 默认的 MouseMove 处理过程，请把光标移出客户区并按 [Enter]。</translation>
    </message>
</context>
<context>
    <name>CircuitFile</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>意外的文件格式。</translation>
    </message>
    <message>
        <source>a name or label is too long for a circuit file</source>
        <translation>名称或标签太长，无法写入电路文件</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
</context>
<context>
    <name>CircuitWords</name>
    <message>
        <source>picoohm</source>
        <translation>皮欧</translation>
    </message>
    <message>
        <source>nanoohm</source>
        <translation>纳欧</translation>
    </message>
    <message>
        <source>microohm</source>
        <translation>微欧</translation>
    </message>
    <message>
        <source>milliohm</source>
        <translation>毫欧</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>欧姆</translation>
    </message>
    <message>
        <source>kilohm</source>
        <translation>千欧</translation>
    </message>
    <message>
        <source>megohm</source>
        <translation>兆欧</translation>
    </message>
    <message>
        <source>gigohm</source>
        <translation>吉欧</translation>
    </message>
    <message>
        <source>teraohm</source>
        <translation>太欧</translation>
    </message>
    <message>
        <source>picovolt</source>
        <translation>皮伏</translation>
    </message>
    <message>
        <source>nanovolt</source>
        <translation>纳伏</translation>
    </message>
    <message>
        <source>microvolt</source>
        <translation>微伏</translation>
    </message>
    <message>
        <source>millivolt</source>
        <translation>毫伏</translation>
    </message>
    <message>
        <source>volt</source>
        <translation>伏特</translation>
    </message>
    <message>
        <source>kilovolt</source>
        <translation>千伏</translation>
    </message>
    <message>
        <source>megavolt</source>
        <translation>兆伏</translation>
    </message>
    <message>
        <source>gigavolt</source>
        <translation>吉伏</translation>
    </message>
    <message>
        <source>teravolt</source>
        <translation>太伏</translation>
    </message>
    <message>
        <source>picoampere</source>
        <translation>皮安</translation>
    </message>
    <message>
        <source>nanoampere</source>
        <translation>纳安</translation>
    </message>
    <message>
        <source>microampere</source>
        <translation>微安</translation>
    </message>
    <message>
        <source>milliampere</source>
        <translation>毫安</translation>
    </message>
    <message>
        <source>ampere</source>
        <translation>安培</translation>
    </message>
    <message>
        <source>kiloampere</source>
        <translation>千安</translation>
    </message>
    <message>
        <source>megaampere</source>
        <translation>兆安</translation>
    </message>
    <message>
        <source>gigaampere</source>
        <translation>吉安</translation>
    </message>
    <message>
        <source>teraampere</source>
        <translation>太安</translation>
    </message>
    <message>
        <source>resistor</source>
        <translation>电阻</translation>
    </message>
    <message>
        <source>voltage source</source>
        <translation>电压源</translation>
    </message>
    <message>
        <source>current source</source>
        <translation>电流源</translation>
    </message>
    <message>
        <source>ammeter</source>
        <translation>电流表</translation>
    </message>
    <message>
        <source>voltmeter</source>
        <translation>电压表</translation>
    </message>
    <message>
        <source>element</source>
        <translation>元件</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>位于 %1</translation>
    </message>
    <message>
        <source>from node %1 to node %2</source>
        <translation>从节点 %1 到节点 %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>从 %1 到 %2</translation>
    </message>
    <message>
        <source>, %1</source>
        <translation>，%1</translation>
    </message>
    <message>
        <source>, reads nothing: %1</source>
        <translation>，无读数：%1</translation>
    </message>
    <message>
        <source>, reads %1</source>
        <translation>，读数为 %1</translation>
    </message>
    <message>
        <source>, p.d. %1, current %2</source>
        <translation>，电压 %1，电流 %2</translation>
    </message>
    <message>
        <source>joint of node %1</source>
        <translation>节点 %1 的连接点</translation>
    </message>
    <message>
        <source>joint</source>
        <translation>连接点</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>负 %1</translation>
    </message>
    <message>
        <source>The drawing is empty.</source>
        <translation>图中没有任何内容。</translation>
    </message>
    <message>
        <source>The circuit has %1 elements and %2 joints, read row by row from the top left.</source>
        <translation>电路有 %1 个元件和 %2 个连接点，从左上角起逐行读出。</translation>
    </message>
    <message>
        <source>It has %1 nodes; the datum node is node %2.</source>
        <translation>电路有 %1 个节点；参考节点是节点 %2。</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>The numbers are those of the last analysis.</source>
        <translation>这些数值来自上一次分析。</translation>
    </message>
    <message>
        <source>It has not been analysed as it is drawn now.</source>
        <translation>电路按现在的画法尚未分析过。</translation>
    </message>
</context>
<context>
    <name>CircuitWordsWindow</name>
    <message>
        <source>Describe Circuit</source>
        <translation>描述电路</translation>
    </message>
    <message>
        <source>The whole circuit in words, one element or joint a line</source>
        <translation>用文字描述整个电路，每行一个元件或连接点</translation>
    </message>
    <message>
        <source>The circuit in words</source>
        <translation>电路的文字描述</translation>
    </message>
    <message>
        <source>Each line is one element or joint, read row by row from the top left</source>
        <translation>每行是一个元件或连接点，从左上角起逐行读出</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>The Clipboard holds no circuit that Kirvolt can paste.</source>
        <translation>剪贴板中没有 Kirvolt 可以粘贴的电路。</translation>
    </message>
    <message>
        <source>The circuit on the Clipboard reaches too far to be pasted here.</source>
        <translation>剪贴板中的电路范围太大，无法粘贴到此处。</translation>
    </message>
</context>
<context>
    <name>CurrentSourceQuiz</name>
    <message>
        <source>Found:  %1 of %2  meshes whose current a source fixes,  %3 of %4  pairs of meshes joined by a current source.</source>
        <translation>已找到：  电流由电源确定的网孔 %1 个（共 %2 个），  由电流源连接的网孔对 %3 对（共 %4 对）。</translation>
    </message>
    <message>
        <source>You have found what every current source does to the meshes.

Go ahead with your analysis.</source>
        <translation>你已经找出每个电流源对网孔的作用。

继续你的分析吧。</translation>
    </message>
    <message>
        <source>That point is inside no mesh.

Click inside one of the meshes of your circuit.</source>
        <translation>该点不在任何网孔内。

请单击电路中某个网孔的内部。</translation>
    </message>
    <message>
        <source>Mesh %1 chosen.

Now click the other mesh of the pair.</source>
        <translation>已选择网孔 %1。

现在请单击这对网孔中的另一个。</translation>
    </message>
    <message>
        <source>Mesh %1 is chosen already.

Click the mesh on the other side of the current source.</source>
        <translation>网孔 %1 已经选过了。

请单击电流源另一侧的网孔。</translation>
    </message>
    <message>
        <source>You have found mesh %1 already.</source>
        <translation>你已经找到过网孔 %1 了。</translation>
    </message>
    <message>
        <source>Terrific! You got it.

%1

        %2

The current of mesh %3 is known, so mesh %3 needs no KVL equation.</source>
        <translation>太棒了！答对了。

%1

        %2

网孔 %3 的电流已知，因此网孔 %3 不需要 KVL 方程。</translation>
    </message>
    <message>
        <source>Sorry,

%1 on mesh %2 fixes no mesh current on its own: it lies between meshes %3 and carries the difference of their currents.

Look for a current source on the outside of the drawing, or click the two meshes it joins as a pair.</source>
        <translation>抱歉，

网孔 %2 上的 %1 本身并不确定任何网孔电流：它位于网孔 %3 之间，其电流是这两个网孔电流之差。

请寻找位于图形外侧的电流源，或者把它连接的两个网孔作为一对依次单击。</translation>
    </message>
    <message>
        <source>Sorry,

no current source lies on mesh %1, so its current is unknown and mesh %1 gets a KVL equation,

please check your circuit carefully

and try again.</source>
        <translation>抱歉，

网孔 %1 上没有电流源，因此其电流未知，网孔 %1 需要列写 KVL 方程，

请仔细检查你的电路

然后再试一次。</translation>
    </message>
    <message>
        <source>You have found meshes %1 already.</source>
        <translation>你已经找到过网孔 %1 了。</translation>
    </message>
    <message>
        <source>Terrific! You got it.

%1</source>
        <translation>太棒了！答对了。

%1</translation>
    </message>
    <message>
        <source>Sorry,

meshes %1 do not touch, so no current source joins them,

please check your circuit carefully

and try again.</source>
        <translation>抱歉，

网孔 %1 互不相邻，因此没有电流源连接它们，

请仔细检查你的电路

然后再试一次。</translation>
    </message>
    <message>
        <source>Sorry,

meshes %1 share only %2, and no current source, so they are not joined into a supermesh,

please check your circuit carefully

and try again.</source>
        <translation>抱歉，

网孔 %1 只共用 %2，没有共用电流源，因此它们没有合成超网孔，

请仔细检查你的电路

然后再试一次。</translation>
    </message>
    <message>
        <source>Meshes %1 form a supermesh: one KVL equation goes round the whole supermesh, leaving out %2 and any other current source inside it.</source>
        <translation>网孔 %1 构成一个超网孔：沿整个超网孔列写一个 KVL 方程，不计 %2 以及其中的任何其他电流源。</translation>
    </message>
    <message>
        <source>Another current source fixes the current of one of these meshes, so this equation gives the other its current and no KVL equation is needed.</source>
        <translation>另一个电流源确定了其中一个网孔的电流，因此这个方程给出另一个网孔的电流，不需要 KVL 方程。</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Will be ready in the next version.</source>
        <translation>将在下一版本中提供。</translation>
    </message>
</context>
<context>
    <name>DrawnNumbers</name>
    <message>
        <source>The circuit has changed since these numbers.</source>
        <translation>自得到这些数值以来电路已修改。</translation>
    </message>
</context>
<context>
    <name>EditSteps</name>
    <message>
        <source>Joint</source>
        <translation>连接点</translation>
    </message>
    <message>
        <source>Place Joint</source>
        <translation>放置连接点</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>删除 %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>移动 %1</translation>
    </message>
    <message>
        <source>Place %1</source>
        <translation>放置 %1</translation>
    </message>
    <message>
        <source>Draw %1</source>
        <translation>绘制 %1</translation>
    </message>
    <message>
        <source>Rename Node %1</source>
        <translation>重命名节点 %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>编辑 %1</translation>
    </message>
    <message>
        <source>Set Datum Node %1</source>
        <translation>设置参考节点 %1</translation>
    </message>
</context>
<context>
    <name>EquationCheck</name>
    <message>
        <source>Check My Mesh Equation : Loop of %1</source>
        <translation>检查我的网孔方程：%1 的回路</translation>
    </message>
    <message>
        <source>Check My Node Equation : Node %1</source>
        <translation>检查我的节点方程：节点 %1</translation>
    </message>
    <message>
        <source>Check My Mesh Equation : Mesh %1</source>
        <translation>检查我的网孔方程：网孔 %1</translation>
    </message>
</context>
<context>
    <name>EquationsPanel</name>
    <message>
        <source>Nodal Equations for the circuit drawn above are:</source>
        <translation>上图电路的节点方程为：</translation>
    </message>
    <message>
        <source>no reading</source>
        <translation>无读数</translation>
    </message>
</context>
<context>
    <name>Exercises</name>
    <message>
        <source>%1 node besides the datum</source>
        <translation>除参考节点外 %1 个节点</translation>
    </message>
    <message>
        <source>%1 nodes besides the datum</source>
        <translation>除参考节点外 %1 个节点</translation>
    </message>
    <message>
        <source>%1 voltage source</source>
        <translation>%1 个电压源</translation>
    </message>
    <message>
        <source>%1 voltage sources</source>
        <translation>%1 个电压源</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1，%2，%3</translation>
    </message>
    <message>
        <source>%1 current source</source>
        <translation>%1 个电流源</translation>
    </message>
    <message>
        <source>%1 current sources</source>
        <translation>%1 个电流源</translation>
    </message>
    <message>
        <source>An exercise has from 1 to %1 nodes besides the datum.</source>
        <translation>练习除参考节点外有 1 到 %1 个节点。</translation>
    </message>
    <message>
        <source>An exercise cannot have a negative number of sources.</source>
        <translation>练习中的电源个数不能为负数。</translation>
    </message>
    <message>
        <source>An exercise needs at least one voltage source or current source:
without one every voltage is 0 V.</source>
        <translation>练习至少需要一个电压源或电流源：
没有电源时每个电压都是 0 V。</translation>
    </message>
    <message>
        <source>An exercise with %1 can have at most %2:
one more would close a loop of voltage sources.</source>
        <translation>含 %1 的练习最多只能有 %2：
再多一个就会形成由电压源构成的回路。</translation>
    </message>
    <message>
        <source>An exercise with %1 can have at most %2 current sources:
more would crowd the drawing.</source>
        <translation>含 %1 的练习最多只能有 %2 个电流源：
再多会使图形过于拥挤。</translation>
    </message>
    <message>
        <source>No exercise of this size with two meshes or more, drawn without a crossing, comes from this seed; try another seed or more nodes.</source>
        <translation>此种子无法生成这种规模、含两个或更多网孔且绘制时无交叉的练习；请换一个种子或增加节点。</translation>
    </message>
    <message>
        <source>No solvable exercise of this size comes from this seed; try another seed.</source>
        <translation>此种子无法生成这种规模的可解练习；请换一个种子。</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>A picture is written as a .png, .svg or .pdf file.</source>
        <translation>图片以 .png、.svg 或 .pdf 文件保存。</translation>
    </message>
    <message>
        <source>A worked solution is written as a .html or .pdf file.</source>
        <translation>详细解答以 .html 或 .pdf 文件保存。</translation>
    </message>
    <message>
        <source>A worksheet is written as a .html or .pdf file.</source>
        <translation>练习单以 .html 或 .pdf 文件保存。</translation>
    </message>
    <message>
        <source>Create your circuit first.</source>
        <translation>请先创建电路。</translation>
    </message>
    <message>
        <source>PNG and PDF files cannot be written: this program was built without Qt.</source>
        <translation>无法写入 PNG 和 PDF 文件：本程序构建时未使用 Qt。</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>it is larger than any circuit of the drawing area could be</source>
        <translation>它比绘图区内可能容纳的任何电路都大</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>磁盘配额已用完</translation>
    </message>
    <message>
        <source>the file is larger than the disk or the system allows</source>
        <translation>文件大小超出了磁盘或系统的允许范围</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>磁盘报告了一个错误</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>打开的文件过多</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>找不到 %1。</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 包含无效的路径。</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>访问 %1 被拒绝。</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>访问 %1 时发生共享冲突。</translation>
    </message>
    <message>
        <source>Kirvolt could not open %1: %2.</source>
        <translation>Kirvolt 无法打开 %1：%2。</translation>
    </message>
    <message>
        <source>Kirvolt could not save %1: %2.</source>
        <translation>Kirvolt 无法保存 %1：%2。</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Kirvolt Files (*.kvt)</source>
        <translation>Kirvolt 文件 (*.kvt)</translation>
    </message>
    <message>
        <source>SPICE Netlists (*.cir *.net *.sp *.spice)</source>
        <translation>SPICE 网表 (*.cir *.net *.sp *.spice)</translation>
    </message>
    <message>
        <source>Circuits and Netlists (*.kvt *.cir *.net *.sp *.spice)</source>
        <translation>电路和网表 (*.kvt *.cir *.net *.sp *.spice)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Export SPICE Netlist</source>
        <translation>导出 SPICE 网表</translation>
    </message>
    <message>
        <source>SPICE Netlists (*.cir)</source>
        <translation>SPICE 网表 (*.cir)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>导出图片</translation>
    </message>
    <message>
        <source>PNG Image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawing (*.svg)</source>
        <translation>SVG 图形 (*.svg)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Export Worked Solution</source>
        <translation>导出详细解答</translation>
    </message>
    <message>
        <source>Web Page (*.html)</source>
        <translation>网页 (*.html)</translation>
    </message>
</context>
<context>
    <name>Formulas</name>
    <message>
        <source>Formulas are worked out for circuits of at most %1 unknowns; this one has %2.</source>
        <translation>只为最多 %1 个未知量的电路推导公式；此电路有 %2 个。</translation>
    </message>
    <message>
        <source>The node equations have no unique solution in letters.</source>
        <translation>节点方程没有唯一的符号解。</translation>
    </message>
    <message>
        <source>Formulas need GiNaC, the library for symbolic algebra (Debian&apos;s libginac-dev), and this Kirvolt was built without it.</source>
        <translation>公式需要符号代数库 GiNaC（Debian 的 libginac-dev），而此 Kirvolt 构建时未包含它。</translation>
    </message>
</context>
<context>
    <name>FormulasWindow</name>
    <message>
        <source>Formulas</source>
        <translation>公式</translation>
    </message>
    <message>
        <source>Every node voltage as a formula in the elements&apos; names, with its value</source>
        <translation>每个节点电压用元件名称表示的公式及其值</translation>
    </message>
</context>
<context>
    <name>Kirvolt</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入一个整数。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>请输入 %1 到 %2 之间的整数。</translation>
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
        <translation>Kirvolt 将在下次启动时使用所选语言。</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>系统默认</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>The netlist is too large to draw within the drawing area.</source>
        <translation>网表太大，无法在绘图区内画出。</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list but the last two, as in &quot;R1, R2 and R3&quot;.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list, as in &quot;R1, R2 and R3&quot; (%1 is &quot;R1, R2&quot;, %2 &quot;R3&quot;).</extracomment>
        <translation>%1 和 %2</translation>
    </message>
</context>
<context>
    <name>LoopCombination</name>
    <message>
        <source>loop %1</source>
        <translation>回路 %1</translation>
    </message>
    <message>
        <source>twice loop %1</source>
        <translation>两倍的回路 %1</translation>
    </message>
    <message>
        <source>%1 times loop %2</source>
        <translation>%1 倍的回路 %2</translation>
    </message>
    <message>
        <source>loop %1 traced again</source>
        <translation>再描一次的回路 %1</translation>
    </message>
    <message>
        <source>the sum of loops %1</source>
        <translation>回路 %1 之和</translation>
    </message>
    <message>
        <source>loop %1 run the other way</source>
        <translation>反向绕行的回路 %1</translation>
    </message>
    <message>
        <source>the sum of loops %1 run the other way</source>
        <translation>反向绕行的回路 %1 之和</translation>
    </message>
    <message>
        <source> plus </source>
        <translation> 加 </translation>
    </message>
    <message>
        <source> minus </source>
        <translation> 减 </translation>
    </message>
    <message>
        <source>minus </source>
        <translation>负 </translation>
    </message>
</context>
<context>
    <name>LoopCount</name>
    <message>
        <source>Terrific! You got it.

There are a total of  %1 independent loops in your circuit.

That means you have to trace  %1 loops and find their currents.

Go ahead with your analysis.</source>
        <translation>太棒了！答对了。

你的电路中共有  %1 个独立回路。

也就是说你需要描出  %1 个回路并求出它们的电流。

继续你的分析吧。</translation>
    </message>
    <message>
        <source>Sorry,

your circuit does not have %1 independent loops.

It has  %2  branches and  %3  nodes, and a circuit has

   independent loops  =  branches - nodes + 1,

please check your circuit carefully

and try again.</source>
        <translation>抱歉，

你的电路没有 %1 个独立回路。

它有  %2  条支路和  %3  个节点，而电路的

   独立回路数  =  支路数 - 节点数 + 1，

请仔细检查你的电路

然后再试一次。</translation>
    </message>
</context>
<context>
    <name>LoopEquations</name>
    <message>
        <source>The voltage drops round the loop of %1, in the direction of %2, add up to the EMFs that drive it.</source>
        <translation>沿 %2 的方向绕 %1 的回路一周，电压降之和等于驱动它的电动势之和。</translation>
    </message>
    <message>
        <source>%1 is the chord of its loop, so the loop current is the source&apos;s own current.</source>
        <translation>%1 是其回路的连支，因此回路电流就是该电源自身的电流。</translation>
    </message>
    <message>
        <source>The voltage drops round loop %1, in the direction of %2, add up to the EMFs that drive it.</source>
        <translation>沿 %2 的方向绕回路 %1 一周，电压降之和等于驱动它的电动势之和。</translation>
    </message>
    <message>
        <source>The voltage drops round %1, which leaves out %2, add up to the EMFs that drive it.</source>
        <translation>绕 %1（不计 %2）一周，电压降之和等于驱动它的电动势之和。</translation>
    </message>
    <message>
        <source>%1 lies on loop %2 alone, so it gives loop %2 its current.</source>
        <translation>%1 只位于回路 %2 上，因此它给出回路 %2 的电流。</translation>
    </message>
    <message>
        <source>%1 lies on loops %2, so the loop currents through it add up to its current.</source>
        <translation>%1 位于回路 %2 上，因此流过它的各回路电流之和等于它的电流。</translation>
    </message>
</context>
<context>
    <name>LoopTracing</name>
    <message>
        <source>Loop %1 is closed, and it is independent of the loops before it.

%2</source>
        <translation>回路 %1 已闭合，并且与之前的回路相互独立。

%2</translation>
    </message>
    <message>
        <source>That makes %1 independent loops, as many as your circuit has.

Go ahead with your analysis.</source>
        <translation>这样就有 %1 个独立回路了，与你的电路所具有的数目相同。

继续你的分析吧。</translation>
    </message>
    <message>
        <source>1 more loop is needed.</source>
        <translation>还需要 1 个回路。</translation>
    </message>
    <message>
        <source>%1 more loops are needed.</source>
        <translation>还需要 %1 个回路。</translation>
    </message>
    <message>
        <source>Sorry,

this loop is %1: its KVL equation would follow from theirs, so it tells nothing new.

%2Trace another loop.</source>
        <translation>抱歉，

这个回路是%1：它的 KVL 方程可以由那些回路的方程推出，因此没有提供新的信息。

%2请描另一个回路。</translation>
    </message>
    <message>
        <source>Sorry,

this loop taken %1 times is %2: its KVL equation would follow from theirs, so it tells nothing new.

%3Trace another loop.</source>
        <translation>抱歉，

这个回路取 %1 倍后是%2：它的 KVL 方程可以由那些回路的方程推出，因此没有提供新的信息。

%3请描另一个回路。</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two of the branches a new loop may run through, as in &quot;R1, R2 or R3&quot;.</extracomment>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>A loop through %1, which none of your loops runs through yet, is sure to be new. </source>
        <translation>经过 %1 的回路一定是新的，因为你的回路都还没有经过它。 </translation>
    </message>
    <message>
        <source>Loops traced:  %1 of %2.</source>
        <translation>已描出的回路：  %1 个（共 %2 个）。</translation>
    </message>
    <message>
        <source>That is no branch of your circuit.

Click a resistor or a source: a wire only joins the branches.</source>
        <translation>那不是电路的支路。

请单击电阻或电源：导线只起连接支路的作用。</translation>
    </message>
    <message>
        <source>Sorry,

%1</source>
        <translation>抱歉，

%1</translation>
    </message>
    <message>
        <source>%1 taken.

%2</source>
        <translation>已选取 %1。

%2</translation>
    </message>
    <message>
        <source>There is no branch to take back: the loop you are tracing has none yet.</source>
        <translation>没有可撤回的支路：你正在描的回路还没有任何支路。</translation>
    </message>
    <message>
        <source>%1 taken back.

%2</source>
        <translation>已撤回 %1。

%2</translation>
    </message>
    <message>
        <source>The loop is cleared.

%1</source>
        <translation>回路已清除。

%1</translation>
    </message>
</context>
<context>
    <name>LoopTree</name>
    <message>
        <source>The tree does not join node %1 to the datum node %2.</source>
        <translation>树没有把节点 %1 连接到参考节点 %2。</translation>
    </message>
    <message>
        <source>The tree does not join node %1 to the datum node %2: add %3 to it.</source>
        <translation>树没有把节点 %1 连接到参考节点 %2：请把 %3 加入树中。</translation>
    </message>
    <message>
        <source>The tree does not join node %1 to the datum node %2: add one of %3 to it.</source>
        <translation>树没有把节点 %1 连接到参考节点 %2：请把 %3 中的一个加入树中。</translation>
    </message>
    <message>
        <source>%1 cannot be in the tree: a current source fixes the current of its branch, so it must be a chord.</source>
        <translation>%1 不能在树中：电流源确定了其支路的电流，因此它必须是连支。</translation>
    </message>
    <message>
        <source>%1 has both ends on one node, so it is a loop by itself and cannot be in the tree.</source>
        <translation>%1 的两端在同一个节点上，它本身就是一个回路，不能在树中。</translation>
    </message>
    <message>
        <source>%1 would close a loop with %2, so it cannot be in the tree.</source>
        <translation>%1 会与 %2 构成回路，因此不能在树中。</translation>
    </message>
    <message>
        <source>The tree names %1, but the circuit has no resistor or source of that name.</source>
        <translation>树中列出了 %1，但电路中没有这个名称的电阻或电源。</translation>
    </message>
    <message>
        <source>The tree names %1 twice.</source>
        <translation>树中两次列出了 %1。</translation>
    </message>
</context>
<context>
    <name>LoopTutor</name>
    <message>
        <source>Loop %1 of %2:</source>
        <translation>第 %1 个回路（共 %2 个）：</translation>
    </message>
    <message>
        <source>Solving the equations gives the loop currents:</source>
        <translation>解方程得到回路电流：</translation>
    </message>
    <message>
        <source>Each branch carries the sum of the loop currents through it, and the results pane shows the p.d. and current of every element: they are the same whichever loops you choose.</source>
        <translation>每条支路中的电流是流过它的各回路电流之和，结果窗格显示每个元件的电压和电流：无论你选择哪些回路，它们都相同。</translation>
    </message>
</context>
<context>
    <name>MatrixForm</name>
    <message>
        <source>The matrix form is shown for systems of up to %1 unknowns; this circuit has %2.</source>
        <translation>矩阵形式只显示最多 %1 个未知量的方程组；此电路有 %2 个。</translation>
    </message>
    <message>
        <source>There are no unknowns: %1</source>
        <translation>没有未知量：%1</translation>
    </message>
</context>
<context>
    <name>MeshCount</name>
    <message>
        <source>Terrific! You got it.

There are a total of  %1 meshes in your circuit.

That means you have to find  %1 mesh currents.

Go ahead with your analysis.</source>
        <translation>太棒了！答对了。

你的电路中共有  %1 个网孔。

也就是说你需要求出  %1 个网孔电流。

继续你的分析吧。</translation>
    </message>
    <message>
        <source>Sorry,

there are not %1 meshes in your circuit.

It has  %2  branches and  %3  nodes, and a circuit drawn
without crossings has

   meshes  =  branches - nodes + 1,

please check your circuit carefully

and try again.</source>
        <translation>抱歉，

你的电路中没有 %1 个网孔。

它有  %2  条支路和  %3  个节点，而绘制时无交叉的
电路有

   网孔数  =  支路数 - 节点数 + 1，

请仔细检查你的电路

然后再试一次。</translation>
    </message>
</context>
<context>
    <name>MeshEquations</name>
    <message>
        <source>The voltage drops clockwise round mesh %1 add up to the EMFs that drive its current.</source>
        <translation>沿顺时针方向绕网孔 %1 一周，电压降之和等于驱动其电流的电动势之和。</translation>
    </message>
    <message>
        <source>The voltage drops round the supermesh of meshes %1 add up to its EMFs, leaving out %2.</source>
        <translation>绕网孔 %1 构成的超网孔一周，电压降之和等于其中的电动势之和，不计 %2。</translation>
    </message>
    <message>
        <source>%1 on the outside of the drawing gives mesh %2 its current.</source>
        <translation>位于图形外侧的 %1 给出网孔 %2 的电流。</translation>
    </message>
    <message>
        <source>%1 between meshes %2 and %3 carries the difference of their currents.</source>
        <translation>位于网孔 %2 和 %3 之间的 %1 中的电流是它们的电流之差。</translation>
    </message>
</context>
<context>
    <name>MeshTutor</name>
    <message>
        <source>There are no current sources in your circuit.

Every mesh current is unknown, and every mesh gets its own KVL equation.</source>
        <translation>你的电路中没有电流源。

每个网孔电流都是未知的，每个网孔都有自己的 KVL 方程。</translation>
    </message>
    <message>
        <source>Mesh %1 of %2:</source>
        <translation>第 %1 个网孔（共 %2 个）：</translation>
    </message>
    <message>
        <source>Now write the equation of each mesh yourself: Check My Mesh Equation tells you whether it is right.</source>
        <translation>现在请自己列写每个网孔的方程：“检查我的网孔方程”会告诉你是否正确。</translation>
    </message>
</context>
<context>
    <name>MeterReadings</name>
    <message>
        <source>%1 cannot read: neither of its terminals is connected to the circuit.</source>
        <translation>%1 无法读数：它的两个端子都没有连接到电路。</translation>
    </message>
    <message>
        <source>%1 cannot read: its start terminal is not connected to the circuit.</source>
        <translation>%1 无法读数：它的起始端子没有连接到电路。</translation>
    </message>
    <message>
        <source>%1 cannot read: its finish terminal is not connected to the circuit.</source>
        <translation>%1 无法读数：它的终止端子没有连接到电路。</translation>
    </message>
    <message>
        <source>%1 cannot read: wires or other ammeters also join its terminals, so the current divides among them in no fixed way.</source>
        <translation>%1 无法读数：导线或其他电流表也连接在它的端子之间，因此电流在它们之间的分配不确定。</translation>
    </message>
    <message>
        <source>

An ideal ammeter joins its terminals as a wire does: the circuit is analysed with %1 as a wire.</source>
        <translation>

理想电流表像导线一样连接其两个端子：分析电路时把 %1 视为导线。</translation>
    </message>
    <message>
        <source>

An ideal ammeter joins its terminals as a wire does: the circuit is analysed with %1 as wires.</source>
        <translation>

理想电流表像导线一样连接其两个端子：分析电路时把 %1 视为导线。</translation>
    </message>
</context>
<context>
    <name>MethodEquations</name>
    <message>
        <source>Node equations</source>
        <translation>节点方程</translation>
    </message>
    <message>
        <source>Mesh equations</source>
        <translation>网孔方程</translation>
    </message>
    <message>
        <source>Loop equations</source>
        <translation>回路方程</translation>
    </message>
    <message>
        <source>Loop of %1:</source>
        <translation>%1 的回路：</translation>
    </message>
    <message>
        <source>%1 for the circuit drawn above are:</source>
        <extracomment>%1 is &quot;Node equations&quot;, &quot;Mesh equations&quot; or &quot;Loop equations&quot;.</extracomment>
        <translation>上图电路的%1为：</translation>
    </message>
</context>
<context>
    <name>ModeHints</name>
    <message>
        <source>Select: click to select (Shift adds), drag a box to select several, drag the selection to move it.</source>
        <translation>选择：单击进行选择（按住 Shift 可追加），拖出方框可选择多个，拖动所选内容可移动它。</translation>
    </message>
    <message>
        <source>Resistor: click where the resistor goes; the right button turns it.</source>
        <translation>电阻：单击要放置电阻的位置；单击右键可旋转它。</translation>
    </message>
    <message>
        <source>Voltage source: click where the source goes; the right button turns it.</source>
        <translation>电压源：单击要放置电源的位置；单击右键可旋转它。</translation>
    </message>
    <message>
        <source>Current source: click where the source goes; the right button turns it.</source>
        <translation>电流源：单击要放置电源的位置；单击右键可旋转它。</translation>
    </message>
    <message>
        <source>Voltmeter: click where the voltmeter goes; the right button turns it.</source>
        <translation>电压表：单击要放置电压表的位置；单击右键可旋转它。</translation>
    </message>
    <message>
        <source>Ammeter: click where the ammeter goes; the right button turns it.</source>
        <translation>电流表：单击要放置电流表的位置；单击右键可旋转它。</translation>
    </message>
    <message>
        <source>Wire: press on a terminal or a joint, drag to where the wire ends and let go.</source>
        <translation>导线：在端子或连接点上按下鼠标，拖到导线终点后松开。</translation>
    </message>
    <message>
        <source>Joint: click a wire where a component&apos;s terminal touches it, to connect the two.</source>
        <translation>连接点：在元件端子接触导线的地方单击导线，把两者连接起来。</translation>
    </message>
    <message>
        <source>Info: click a component or a joint to see its values.</source>
        <translation>信息：单击元件或连接点查看其数值。</translation>
    </message>
    <message>
        <source>Delete: click a component or a wire to remove it.</source>
        <translation>删除：单击元件或导线将其移除。</translation>
    </message>
    <message>
        <source>Move: click a component to pick it up, then click where it goes.</source>
        <translation>移动：单击元件将其拾起，然后单击要放置的位置。</translation>
    </message>
    <message>
        <source>Value: click a component to change its name and value, or a joint to rename its node. Alt+Up or Alt+Down (or Alt and the wheel) steps the value under the pointer.</source>
        <translation>数值：单击元件可修改其名称和数值，单击连接点可重命名其节点。Alt+Up 或 Alt+Down（或按住 Alt 滚动滚轮）可逐级调整指针下的数值。</translation>
    </message>
    <message>
        <source>Set Datum Node: click any wire or joint of the node that is to be the datum (0 V).</source>
        <translation>设置参考节点：单击要作为参考节点（0 V）的节点上的任意导线或连接点。</translation>
    </message>
    <message>
        <source>Loop equations: click a chord, a branch outside the thick tree, to see its loop&apos;s equation.</source>
        <translation>回路方程：单击一条连支（粗线所示的树以外的支路），查看其回路的方程。</translation>
    </message>
    <message>
        <source>Mesh equations: click inside a mesh to see its equation.</source>
        <translation>网孔方程：单击网孔内部查看其方程。</translation>
    </message>
    <message>
        <source>Node equations: click a joint to see the equation of its node.</source>
        <translation>节点方程：单击连接点查看其节点的方程。</translation>
    </message>
    <message>
        <source>Check My Node Equation: click a joint of the node whose equation you have written.</source>
        <translation>检查我的节点方程：单击你已列写方程的那个节点上的连接点。</translation>
    </message>
    <message>
        <source>Check My Mesh Equation: click inside the mesh whose equation you have written.</source>
        <translation>检查我的网孔方程：单击你已列写方程的那个网孔内部。</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
</context>
<context>
    <name>ModifiedNodalNotesDialog</name>
    <message>
        <source>Nodal Analysis employs branch voltages as its independent variables: every branch voltage is written as the difference of the voltages of the two nodes at its ends, and Kirchhoff&apos;s Current Law is applied at every node except the datum node. This works well for resistors and current sources, but the current through an ideal voltage source cannot be written from its voltage.</source>
        <translation>节点电压法以支路电压为独立变量：每条支路电压写成其两端节点电压之差，并在除参考节点以外的每个节点上应用基尔霍夫电流定律。这种方法适用于电阻和电流源，但理想电压源中的电流无法由其电压写出。</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis is derived from Nodal Analysis by taking the current through each voltage source as one more unknown, and by adding for each voltage source one more equation: the voltage of its positive node minus the voltage of its negative node equals the value of the source.</source>
        <translation>改进节点法由节点电压法发展而来：把流过每个电压源的电流作为一个新增未知量，并为每个电压源增加一个方程：其正极节点的电压减去负极节点的电压等于电压源的值。</translation>
    </message>
    <message>
        <source>Together with the branch voltage variables, these source currents make up one set of linear equations with exactly as many equations as unknowns. Solving it gives every node voltage and every source current in one step, whatever mixture of resistors and sources the circuit holds.</source>
        <translation>这些电源电流与支路电压变量一起构成一组线性方程，方程数恰好等于未知量数。求解这组方程即可一步得到每个节点电压和每个电源电流，无论电路中电阻和电源如何组合。</translation>
    </message>
    <message>
        <source>This tutor will take you through writing the extra equations for the voltage sources and solving the enlarged set of equations.</source>
        <translation>本辅导将带你写出电压源的附加方程，并求解扩展后的方程组。</translation>
    </message>
</context>
<context>
    <name>ModifiedNodalTutor</name>
    <message>
        <source>The Modified Nodal Analysis Tutor builds systems of up to %1 unknowns, which its windows show whole; this circuit has %2. View &gt; Matrix Form shows its system.</source>
        <translation>改进节点法辅导构建最多 %1 个未知量的方程组，其窗口可以完整显示它们；此电路有 %2 个。“视图 &gt; 矩阵形式”可以显示它的方程组。</translation>
    </message>
</context>
<context>
    <name>NamedSystem</name>
    <message>
        <source>The loop current system</source>
        <translation>回路电流方程组</translation>
    </message>
    <message>
        <source>each loop current runs through its chord in the chord&apos;s own direction</source>
        <translation>每个回路电流沿其连支自身的方向流过该连支</translation>
    </message>
    <message>
        <source>the circuit has no loop.</source>
        <translation>电路中没有回路。</translation>
    </message>
    <message>
        <source>the current of the loop that %1 closes, in its direction</source>
        <translation>%1 所闭合的回路的电流，方向与之相同</translation>
    </message>
    <message>
        <source>The mesh current system</source>
        <translation>网孔电流方程组</translation>
    </message>
    <message>
        <source>each mesh current runs clockwise round its mesh</source>
        <translation>每个网孔电流沿其网孔顺时针流动</translation>
    </message>
    <message>
        <source>the circuit has no mesh.</source>
        <translation>电路中没有网孔。</translation>
    </message>
    <message>
        <source>the clockwise current of mesh %1</source>
        <translation>网孔 %1 的顺时针电流</translation>
    </message>
    <message>
        <source>the voltage of node %1</source>
        <translation>节点 %1 的电压</translation>
    </message>
    <message>
        <source>the current through %1, from its + terminal to its - terminal</source>
        <translation>流过 %1 的电流，从其 + 端流向 - 端</translation>
    </message>
    <message>
        <source>The modified nodal system</source>
        <translation>改进节点方程组</translation>
    </message>
    <message>
        <source>node %1 is the datum node, at 0 V</source>
        <translation>节点 %1 是参考节点，电压为 0 V</translation>
    </message>
    <message>
        <source>node %1, the datum node, is the only node.</source>
        <translation>节点 %1 是参考节点，也是唯一的节点。</translation>
    </message>
    <message>
        <source>each loop current runs round its loop in the direction it was traced</source>
        <translation>每个回路电流按描出回路时的方向绕其回路流动</translation>
    </message>
    <message>
        <source>the current of loop %1, in the direction it was traced</source>
        <translation>回路 %1 的电流，方向为描出该回路时的方向</translation>
    </message>
</context>
<context>
    <name>Netlist</name>
    <message>
        <source>Kirvolt does not solve this circuit:
%1</source>
        <translation>Kirvolt 不求解此电路：
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
        <translation>太棒了！答对了。

你的电路中共有  %1 个节点。

也就是说你需要列写  %2 个节点电压方程。

继续你的分析吧。</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is just less than %1,

please check your circuit carefully

and try again.</source>
        <translation>抱歉，

你的电路中

节点的个数只比 %1 少一点，

请仔细检查你的电路

然后再试一次。</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is just greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>抱歉，

你的电路中

节点的个数只比 %1 多一点，

请仔细检查你的电路

然后再试一次。</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is slightly less than %1,

please check your circuit carefully

and try again.</source>
        <translation>抱歉，

你的电路中

节点的个数稍少于 %1，

请仔细检查你的电路

然后再试一次。</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is slightly greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>抱歉，

你的电路中

节点的个数稍多于 %1，

请仔细检查你的电路

然后再试一次。</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is less than %1,

please check your circuit carefully

and try again.</source>
        <translation>抱歉，

你的电路中

节点的个数少于 %1，

请仔细检查你的电路

然后再试一次。</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>抱歉，

你的电路中

节点的个数多于 %1，

请仔细检查你的电路

然后再试一次。</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is much less than %1,

please check your circuit carefully

and try again.</source>
        <translation>抱歉，

你的电路中

节点的个数远少于 %1，

请仔细检查你的电路

然后再试一次。</translation>
    </message>
    <message>
        <source>Sorry,

the number of nodes

in your circuit is much greater than %1,

please check your circuit carefully

and try again.</source>
        <translation>抱歉，

你的电路中

节点的个数远多于 %1，

请仔细检查你的电路

然后再试一次。</translation>
    </message>
</context>
<context>
    <name>NodeEquationCheck</name>
    <message>
        <source>node %1</source>
        <translation>节点 %1</translation>
    </message>
    <message>
        <source>the macro node of nodes %1</source>
        <translation>由节点 %1 组成的超节点</translation>
    </message>
    <message>
        <source>This relates the voltages of the macro node&apos;s own nodes, as its voltage sources do. The KCL equation of the macro node balances the currents leaving it through its resistors against the currents of its current sources.</source>
        <translation>这个方程联系超节点内各节点的电压，正如其中的电压源所做的那样。超节点的 KCL 方程使经由其电阻流出的电流与其电流源的电流相平衡。</translation>
    </message>
    <message>
        <source>The equation has no term in %1 or in the voltage of a node joined to %2, so it cannot be the KCL equation of %2.</source>
        <translation>方程中没有含 %1 的项，也没有含与 %2 相连节点电压的项，因此它不可能是 %2 的 KCL 方程。</translation>
    </message>
    <message>
        <source>The equation does not balance the currents at %1.</source>
        <translation>方程没有使 %1 处的电流平衡。</translation>
    </message>
    <message>
        <source>The term in %1 is wrong: the current through %2 gives %1 the coefficient %3 S, but the equation gives it %4 S.</source>
        <translation>含 %1 的项有误：流过 %2 的电流使 %1 的系数为 %3 S，但方程中的系数是 %4 S。</translation>
    </message>
    <message>
        <source>The coefficient of %1 is wrong: the resistors at %2 give it %3 S, but the equation gives it %4 S.</source>
        <translation>%1 的系数有误：%2 处的电阻使其系数为 %3 S，但方程中的系数是 %4 S。</translation>
    </message>
    <message>
        <source>The term for %1 is missing: current leaves %2 through %1, %3.</source>
        <translation>缺少 %1 的项：电流经 %1 流出 %2，%3。</translation>
    </message>
    <message>
        <source>The term for %1 has the wrong sign: the current leaving %2 through %1 is %3, not %4.</source>
        <translation>%1 的项符号有误：经 %1 流出 %2 的电流是 %3，而不是 %4。</translation>
    </message>
    <message>
        <source>The term for %1 has the wrong conductance: the current through %1 is %2, with 1/%1 = %3 S, but the equation has %4 S.</source>
        <translation>%1 的项电导有误：流过 %1 的电流是 %2，其中 1/%1 = %3 S，但方程中是 %4 S。</translation>
    </message>
    <message>
        <source>The terms for %1 have the wrong conductance: together they are %2= %3 S, but the equation has %4 S.</source>
        <translation>%1 的项电导有误：它们合起来是 %2= %3 S，但方程中是 %4 S。</translation>
    </message>
    <message>
        <source>The equation has a term for %1, which does not touch %2: %1 lies between node %3 and node %4.</source>
        <translation>方程中有 %1 的项，但它不接触 %2：%1 位于节点 %3 和节点 %4 之间。</translation>
    </message>
    <message>
        <source>The equation has a term in %1, but no resistor joins node %2 to %3.</source>
        <translation>方程中有含 %1 的项，但没有电阻把节点 %2 连接到 %3。</translation>
    </message>
    <message>
        <source>The current of %1 is missing: %2.</source>
        <translation>缺少 %1 的电流：%2。</translation>
    </message>
    <message>
        <source>%1 stands on the other side of “=” with the sign it would have beside the resistor currents: moving a term across “=” changes its sign. %2.</source>
        <translation>%1 写在“=”的另一边，符号却与写在电阻电流旁边时相同：把一项移到“=”的另一边要改变符号。%2。</translation>
    </message>
    <message>
        <source>%1 is turned round: %2.</source>
        <translation>%1 的方向反了：%2。</translation>
    </message>
    <message>
        <source>The equation has a constant term, but no current source is connected to %1, so with the node voltages alone the currents add up to 0.</source>
        <translation>方程中有常数项，但没有电流源连接到 %1，因此仅由节点电压表示的各电流之和为 0。</translation>
    </message>
    <message>
        <source>The constant terms are wrong: brought beside the currents leaving %1, they should come to %2 A, but the equation gives %3 A.</source>
        <translation>常数项有误：移到流出 %1 的电流一边后，它们应为 %2 A，但方程给出的是 %3 A。</translation>
    </message>
    <message>
        <source>Through the voltage sources, %1.</source>
        <translation>通过电压源，%1。</translation>
    </message>
    <message>
        <source>%1 drives %2 A out of node %3</source>
        <translation>%1 驱动 %2 A 流出节点 %3</translation>
    </message>
    <message>
        <source>%1 drives %2 A into node %3</source>
        <translation>%1 驱动 %2 A 流入节点 %3</translation>
    </message>
    <message>
        <source>Right: the datum node is at 0 V, %1.</source>
        <translation>正确：参考节点的电压为 0 V，%1。</translation>
    </message>
    <message>
        <source>Right: the voltage sources set %1.</source>
        <translation>正确：电压源确定了 %1。</translation>
    </message>
    <message>
        <source>Right: this is the KCL equation of %1.</source>
        <translation>正确：这是 %1 的 KCL 方程。</translation>
    </message>
    <message>
        <source>Right: this is the combined KCL equation of %1.</source>
        <translation>正确：这是 %1 的合并 KCL 方程。</translation>
    </message>
    <message>
        <source>Not quite: node %1 is the datum node, at 0 V by choice: %2.</source>
        <translation>还不对：节点 %1 是参考节点，按选定其电压为 0 V：%2。</translation>
    </message>
    <message>
        <source>Not quite: node %1 is joined to the datum node by voltage sources, so its voltage follows from their EMFs alone: %2.</source>
        <translation>还不对：节点 %1 通过电压源连接到参考节点，因此其电压仅由这些电动势决定：%2。</translation>
    </message>
    <message>
        <source>Not yet: this is not the KCL equation of %1.</source>
        <translation>还不对：这不是 %1 的 KCL 方程。</translation>
    </message>
    <message>
        <source>Not yet: this is not the combined KCL equation of %1.</source>
        <translation>还不对：这不是 %1 的合并 KCL 方程。</translation>
    </message>
    <message>
        <source>Write node voltages as V and the node&apos;s name (%1), element names for their values (R1, E1, J1), numbers with or without prefixes (4.7k, 10m), + - * / and parentheses, and one “=”.</source>
        <translation>节点电压写成 V 加节点名称（%1），元件的值用元件名称表示（R1、E1、J1），数字可带或不带词头（4.7k、10m），可以使用 + - * / 和括号，以及一个“=”。</translation>
    </message>
    <message>
        <source>The datum node %1 is at 0 V.</source>
        <translation>参考节点 %1 的电压为 0 V。</translation>
    </message>
    <message>
        <source>Node %1 is the datum node. Type the equation that gives its voltage.</source>
        <translation>节点 %1 是参考节点。请输入给出其电压的方程。</translation>
    </message>
    <message>
        <source>Node %1 is joined to the datum node by voltage sources. Type the equation that gives its voltage.</source>
        <translation>节点 %1 通过电压源连接到参考节点。请输入给出其电压的方程。</translation>
    </message>
    <message>
        <source>Node %1 belongs to %2, which the voltage sources tie together. Type the combined KCL equation of the macro node: the currents leaving it through its resistors balance the currents of its current sources.</source>
        <translation>节点 %1 属于 %2，它们由电压源联系在一起。请输入该超节点的合并 KCL 方程：经由其电阻流出的电流与其电流源的电流相平衡。</translation>
    </message>
    <message>
        <source>Type the KCL equation of node %1: the currents leaving it through its resistors balance the currents of its current sources.</source>
        <translation>请输入节点 %1 的 KCL 方程：经由其电阻流出的电流与其电流源的电流相平衡。</translation>
    </message>
</context>
<context>
    <name>NodeEquations</name>
    <message>
        <source>Nodes %1 form a macro node through the Voltage Source %2.</source>
        <translation>节点 %1 通过电压源 %2 构成一个超节点。</translation>
    </message>
    <message>
        <source>Nodes %1 form a macro node through the Voltage Sources %2.</source>
        <translation>节点 %1 通过电压源 %2 构成一个超节点。</translation>
    </message>
    <message>
        <source>.  (Note that %1 is negative because its direction is opposite to the assumed direction. )</source>
        <translation>。  （注意：%1 为负，因为其方向与假定方向相反。）</translation>
    </message>
    <message>
        <source>.  (Note that %1 are negative as thier directions are opposite to the assumed direction.)</source>
        <translation>。  （注意：%1 为负，因为它们的方向与假定方向相反。）</translation>
    </message>
    <message>
        <source>Flow-out currents via Resistor %1</source>
        <translation>经电阻 %1 流出的电流</translation>
    </message>
    <message>
        <source>Sum of flow-out currents via Resistors %1</source>
        <translation>经电阻 %1 流出的电流之和</translation>
    </message>
    <message>
        <source>0    , because no current source is connected to Node  %1  </source>
        <translation>0    ，因为没有电流源连接到节点  %1  </translation>
    </message>
    <message>
        <source>Flow-in current from Current Source %1</source>
        <translation>从电流源 %1 流入的电流</translation>
    </message>
    <message>
        <source>Sum of flow-in currents from Current Sources %1</source>
        <translation>从电流源 %1 流入的电流之和</translation>
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
        <translation>为避免在节点电压方程中引入电压源提供的未知电流，
可以把标为红色的部分视为一个超节点，令经由与该超节点相连的
电阻流出的电流之和，等于从与该超节点相连的有源电流源
流入该超节点的电流之和，
从而得到该超节点的节点电压方程。

如果没有电流源连接到该超节点，
则流入该超节点的电流之和等于零。

该超节点内各节点的节点电压由所连接的电压源相联系。

详细方程如下所示。</translation>
    </message>
    <message>
        <source>Node %1 is the chosen Datum Node,
 the voltage at this node is taken as zero.</source>
        <translation>节点 %1 是所选的参考节点，
 该节点的电压取为零。</translation>
    </message>
    <message>
        <source>This node is directly connected to the datum node via the Voltage Source  %1.</source>
        <translation>该节点通过电压源  %1 直接连接到参考节点。</translation>
    </message>
    <message>
        <source>This node is connected to the datum node through the Voltage Sources:  %1.</source>
        <translation>该节点通过以下电压源连接到参考节点：  %1。</translation>
    </message>
    <message>
        <source>This node is connected to the first macro node via the Voltage Source  %1.</source>
        <translation>该节点通过电压源  %1 连接到第一个超节点。</translation>
    </message>
    <message>
        <source>This node is connected to the first macro node through the Voltage Sources:  %1.</source>
        <translation>该节点通过以下电压源连接到第一个超节点：  %1。</translation>
    </message>
    <message>
        <source>Error in calculation</source>
        <translation>计算出错</translation>
    </message>
</context>
<context>
    <name>PlaneMeshes</name>
    <message>
        <source>%1 and %2 cross at grid point (%3, %4) without meeting at their ends, and the Mesh Current Method needs a drawing in which no two parts cross. If they should connect there, end them both at that point; if not, draw them apart; or analyse the circuit with the Node Voltage Method, which takes any drawing.</source>
        <translation>%1 和 %2 在网格点 (%3, %4) 处交叉，但并未在端点处相接，而网孔电流法需要一张任何两部分都不交叉的图。如果它们应该在那里连接，就让两者都终止于该点；否则把它们分开画；或者用节点电压法分析电路，它适用于任何画法。</translation>
    </message>
    <message>
        <source>%1 close a loop of wires, round which no element decides the current, so the Mesh Current Method cannot give that loop a mesh current. Take one of those wires away, or analyse the circuit with the Node Voltage Method, which takes any drawing.</source>
        <translation>%1 构成一个导线回路，回路中没有任何元件决定电流，因此网孔电流法无法为该回路指定网孔电流。请去掉其中一条导线，或者用节点电压法分析电路，它适用于任何画法。</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 (datum)</source>
        <translation>%1（参考节点）</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>节点</translation>
    </message>
    <message>
        <source>The datum node is node %1, at 0 V.</source>
        <translation>参考节点是节点 %1，电压为 0 V。</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>节点</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Joints (grid position)</source>
        <translation>连接点（网格位置）</translation>
    </message>
    <message>
        <source>Meshes</source>
        <translation>网孔</translation>
    </message>
    <message>
        <source>Each mesh current runs clockwise round its mesh.</source>
        <translation>每个网孔电流沿其网孔顺时针流动。</translation>
    </message>
    <message>
        <source>Mesh</source>
        <translation>网孔</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>电流</translation>
    </message>
    <message>
        <source>Top-left corner (grid position)</source>
        <translation>左上角（网格位置）</translation>
    </message>
    <message>
        <source>Elements clockwise from the corner</source>
        <translation>从该角起顺时针排列的元件</translation>
    </message>
    <message>
        <source>Check: the voltage drops clockwise round each mesh sum to zero</source>
        <translation>验算：沿每个网孔顺时针方向的电压降之和为零</translation>
    </message>
    <message>
        <source>Check: the currents leaving each node sum to zero</source>
        <translation>验算：流出每个节点的电流之和为零</translation>
    </message>
    <message>
        <source>%1 to node %2</source>
        <translation>%1 到节点 %2</translation>
    </message>
    <message>
        <source>Node %1:</source>
        <translation>节点 %1：</translation>
    </message>
    <message>
        <source>The circuit</source>
        <translation>电路</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Worked solution: %1</source>
        <translation>详细解答：%1</translation>
    </message>
    <message>
        <source>Mesh %1:</source>
        <translation>网孔 %1：</translation>
    </message>
    <message>
        <source>Supermesh of meshes %1:</source>
        <translation>网孔 %1 构成的超网孔：</translation>
    </message>
</context>
<context>
    <name>ResultsText</name>
    <message>
        <source>Component: power in W, absorbed (+) or delivered (-).</source>
        <translation>元件：功率，单位 W，吸收 (+) 或发出 (-)。</translation>
    </message>
    <message>
        <source>Power delivered %1 = power absorbed %2.</source>
        <translation>发出的功率 %1 = 吸收的功率 %2。</translation>
    </message>
    <message>
        <source>Meter: reading, from its + terminal to its - terminal.</source>
        <translation>仪表：读数，从其 + 端到 - 端。</translation>
    </message>
    <message>
        <source>%1 reads %2.</source>
        <translation>%1 的读数为 %2。</translation>
    </message>
    <message>
        <source>Node Number:  Node Voltage in V</source>
        <translation>节点编号：  节点电压（V）</translation>
    </message>
    <message>
        <source>Node %1:   %2.</source>
        <translation>节点 %1：   %2。</translation>
    </message>
    <message>
        <source>Component: p.d. in V; current in A.</source>
        <translation>元件：电压，单位 V；电流，单位 A。</translation>
    </message>
</context>
<context>
    <name>RuleChecks</name>
    <message>
        <source>Voltage Source %1 has invalid EMF value.
The EMF value must not be 0.

If you wish to have a branch of zero p.d. over there,
you may replace the voltage source with a short circuit (a wire).</source>
        <translation>电压源 %1 的电动势值无效。
电动势值不能为 0。

如果你希望那里是一条电压为零的支路，
可以用短路（一根导线）代替该电压源。</translation>
    </message>
    <message>
        <source>Current Source %1 has invalid current value.
The current value must not be 0.

If you wish to have a branch of zero current over there,
you may replace the current source with an open circuit.</source>
        <translation>电流源 %1 的电流值无效。
电流值不能为 0。

如果你希望那里是一条电流为零的支路，
可以用开路代替该电流源。</translation>
    </message>
    <message>
        <source>Resistor %1 has invalid resistance.
%2</source>
        <translation>电阻 %1 的电阻值无效。
%2</translation>
    </message>
    <message>
        <source>Node %1 is not correctly connected.</source>
        <translation>节点 %1 连接不正确。</translation>
    </message>
    <message>
        <source> or </source>
        <extracomment>Between the sources of which the user is to keep one, as in &quot;V1 or V2 or V3&quot;.</extracomment>
        <translation> 或 </translation>
    </message>
    <message>
        <source>Ideal Voltage Sources of the same value connected in parallel
is just equivalent to a single Ideal Voltage Source of the same value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and remove the other voltage source,
then apply the analysis again.</source>
        <translation>并联的相同数值理想电压源
仅相当于一个同样数值的理想电压源。
为简化电路分析，
请只保留
  %1 
二者之一，去掉另一个电压源，
然后再次进行分析。</translation>
    </message>
    <message>
        <source>Ideal Voltage Sources of the same value connected in parallel
is just equivalent to a single Ideal Voltage Source of the same value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and remove all other voltage sources,
then apply the analysis again.</source>
        <translation>并联的相同数值理想电压源
仅相当于一个同样数值的理想电压源。
为简化电路分析，
请只保留
  %1 
其中之一，去掉其他所有电压源，
然后再次进行分析。</translation>
    </message>
    <message>
        <source>Ideal Voltage Sources  of different values cannot be parallel connected.
This violates the basic circuit rule that the potential difference between
any pair of nodes can only have a unique value,
please just retain either
   %1 
and remove the other voltage source,
then apply the analysis again.</source>
        <translation>不同数值的理想电压源不能并联。
这违反了基本电路规则：任意两个节点之间的
电压只能有唯一的值，
请只保留
   %1 
二者之一，去掉另一个电压源，
然后再次进行分析。</translation>
    </message>
    <message>
        <source>Ideal Voltage Sources  of different values cannot be parallel connected.
This violates the basic circuit rule that the potential difference between
any pair of nodes can only have a unique value,
please just retain either
   %1 
and remove all other voltage sources,
then apply the analysis again.</source>
        <translation>不同数值的理想电压源不能并联。
这违反了基本电路规则：任意两个节点之间的
电压只能有唯一的值，
请只保留
   %1 
其中之一，去掉其他所有电压源，
然后再次进行分析。</translation>
    </message>
    <message>
        <source>Ideal Current Sources of the same value connected in series
is just equivalent to a single Ideal Current Source of that value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and replace the other current source with a short circuit,
then apply the analysis again.</source>
        <translation>串联的相同数值理想电流源
仅相当于一个该数值的理想电流源。
为简化电路分析，
请只保留
  %1 
二者之一，并用短路代替另一个电流源，
然后再次进行分析。</translation>
    </message>
    <message>
        <source>Ideal Current Sources of the same value connected in series
is just equivalent to a single Ideal Current Source of that value.
To simplify the analysis of your circuit,
please just retain either
  %1 
and replace all other current sources with short circuits,
then apply the analysis again.</source>
        <translation>串联的相同数值理想电流源
仅相当于一个该数值的理想电流源。
为简化电路分析，
请只保留
  %1 
其中之一，并用短路代替其他所有电流源，
然后再次进行分析。</translation>
    </message>
    <message>
        <source>Ideal Current Sources of different values or directions cannot be series
connected. This violates the basic circuit rule that the current flowing
in any single branch should be the same throughout that branch,
please just retain one of of the following current sources:
   %1 
and replace the other current source with a short circuit,
then apply the analysis again.</source>
        <translation>不同数值或方向的理想电流源不能串联。
这违反了基本电路规则：任何一条支路中
各处的电流都应相同，
请只保留以下电流源中的一个：
   %1 
并用短路代替另一个电流源，
然后再次进行分析。</translation>
    </message>
    <message>
        <source>Ideal Current Sources of different values or directions cannot be series
connected. This violates the basic circuit rule that the current flowing
in any single branch should be the same throughout that branch,
please just retain one of of the following current sources:
   %1 
and replace all other current sources with short circuits,
then apply the analysis again.</source>
        <translation>不同数值或方向的理想电流源不能串联。
这违反了基本电路规则：任何一条支路中
各处的电流都应相同，
请只保留以下电流源中的一个：
   %1 
并用短路代替其他所有电流源，
然后再次进行分析。</translation>
    </message>
</context>
<context>
    <name>Selection</name>
    <message>
        <source>Turned about its centre, the selection would leave the drawing area. Move it further in first.</source>
        <translation>绕其中心旋转后，所选内容会超出绘图区。请先把它向内移动一些。</translation>
    </message>
</context>
<context>
    <name>Solvability</name>
    <message>
        <source>Voltage Source %1 has both of its terminals on the same node, so it forms a closed loop by itself.
Its EMF cannot appear across a single node, and the current through it cannot be found.

Please remove this voltage source, or connect its terminals to two different nodes,
then apply the analysis again.</source>
        <translation>电压源 %1 的两个端子接在同一个节点上，因此它本身构成一个闭合回路。
它的电动势不可能出现在单个节点上，其中的电流也无法求出。

请去掉这个电压源，或把它的端子连接到两个不同的节点，
然后再次进行分析。</translation>
    </message>
    <message>
        <source>Voltage Sources %1 form a closed loop.
Around a closed loop the EMFs must add up to zero, and even when they do,
the current that circulates around the loop cannot be found from the node voltages.

Please remove one of these voltage sources, or put a resistor in series with it,
then apply the analysis again.</source>
        <translation>电压源 %1 构成一个闭合回路。
沿闭合回路各电动势之和必须为零，即使如此，
绕回路循环的电流也无法由节点电压求出。

请去掉其中一个电压源，或给它串联一个电阻，
然后再次进行分析。</translation>
    </message>
    <message>
        <source>Node %1 has no path through resistors or voltage sources to the datum node %2,
so nothing ties its voltage to the datum node and the analysis cannot find it.

Please connect this part of the circuit to the rest of the circuit through a resistor,
a voltage source or a wire, or remove it, then apply the analysis again.</source>
        <translation>节点 %1 没有经由电阻或电压源通往参考节点 %2 的路径，
因此没有任何东西把它的电压与参考节点联系起来，分析无法求出它。

请通过电阻、电压源或导线把电路的这一部分连接到电路的其余部分，
或者将其去掉，然后再次进行分析。</translation>
    </message>
    <message>
        <source>Nodes %1 have no path through resistors or voltage sources to the datum node %2,
so nothing ties their voltages to the datum node and the analysis cannot find them.

Please connect this part of the circuit to the rest of the circuit through a resistor,
a voltage source or a wire, or remove it, then apply the analysis again.</source>
        <translation>节点 %1 没有经由电阻或电压源通往参考节点 %2 的路径，
因此没有任何东西把它们的电压与参考节点联系起来，分析无法求出它们。

请通过电阻、电压源或导线把电路的这一部分连接到电路的其余部分，
或者将其去掉，然后再次进行分析。</translation>
    </message>
    <message>
        <source>Node %1 is connected to the rest of the circuit only through Current Source %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltage of this node to the datum node %3 and the analysis cannot find it.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>节点 %1 仅通过电流源 %2 与电路的其余部分相连。
电流源确定其支路中的电流，但不确定其两端的电压，
因此没有任何东西把该节点的电压与参考节点 %3 联系起来，分析无法求出它。

请在这一部分与电路的其余部分之间加一个电阻或电压源，
然后再次进行分析。</translation>
    </message>
    <message>
        <source>Node %1 is connected to the rest of the circuit only through Current Sources %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltage of this node to the datum node %3 and the analysis cannot find it.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>节点 %1 仅通过电流源 %2 与电路的其余部分相连。
电流源确定其支路中的电流，但不确定其两端的电压，
因此没有任何东西把该节点的电压与参考节点 %3 联系起来，分析无法求出它。

请在这一部分与电路的其余部分之间加一个电阻或电压源，
然后再次进行分析。</translation>
    </message>
    <message>
        <source>Nodes %1 are connected to the rest of the circuit only through Current Source %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltages of these nodes to the datum node %3 and the analysis cannot find them.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>节点 %1 仅通过电流源 %2 与电路的其余部分相连。
电流源确定其支路中的电流，但不确定其两端的电压，
因此没有任何东西把这些节点的电压与参考节点 %3 联系起来，分析无法求出它们。

请在这一部分与电路的其余部分之间加一个电阻或电压源，
然后再次进行分析。</translation>
    </message>
    <message>
        <source>Nodes %1 are connected to the rest of the circuit only through Current Sources %2.
A current source fixes the current in its branch but not the voltage across it,
so nothing ties the voltages of these nodes to the datum node %3 and the analysis cannot find them.

Please add a resistor or a voltage source between this part and the rest of the circuit,
then apply the analysis again.</source>
        <translation>节点 %1 仅通过电流源 %2 与电路的其余部分相连。
电流源确定其支路中的电流，但不确定其两端的电压，
因此没有任何东西把这些节点的电压与参考节点 %3 联系起来，分析无法求出它们。

请在这一部分与电路的其余部分之间加一个电阻或电压源，
然后再次进行分析。</translation>
    </message>
    <message>
        <source>The node equations of this circuit have no unique solution,
so the analysis cannot find its node voltages.

Please check the values and the connections of your components,
then apply the analysis again.</source>
        <translation>此电路的节点方程没有唯一解，
因此分析无法求出其节点电压。

请检查元件的数值和连接，
然后再次进行分析。</translation>
    </message>
    <message>
        <source>The values of this circuit span too many orders of magnitude,
for the analysis to find node voltages, p.d.s and currents that agree with each other.

Please bring the smallest and the largest values closer together,
then apply the analysis again.</source>
        <translation>此电路中的数值跨越的数量级太多，
分析无法求出彼此一致的节点电压、电压和电流。

请让最小值和最大值更接近一些，
然后再次进行分析。</translation>
    </message>
    <message>
        <source>The values of this circuit span too many orders of magnitude, from %1 to %2,
for the analysis to find node voltages, p.d.s and currents that agree with each other.

Please bring the smallest and the largest values closer together,
then apply the analysis again.</source>
        <translation>此电路中的数值跨越的数量级太多（从 %1 到 %2），
分析无法求出彼此一致的节点电压、电压和电流。

请让最小值和最大值更接近一些，
然后再次进行分析。</translation>
    </message>
</context>
<context>
    <name>SpiceReader</name>
    <message>
        <source>Kirvolt reads only resistors (R), voltage sources (V) and current sources (I).</source>
        <translation>Kirvolt 只读取电阻 (R)、电压源 (V) 和电流源 (I)。</translation>
    </message>
    <message>
        <source>Kirvolt analyses DC circuits only.</source>
        <translation>Kirvolt 只分析直流电路。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>an XSPICE code model</source>
        <translation>一个 XSPICE 代码模型</translation>
    </message>
    <message>
        <source>a behavioural source</source>
        <translation>一个行为源</translation>
    </message>
    <message>
        <source>a capacitor</source>
        <translation>一个电容器</translation>
    </message>
    <message>
        <source>a diode</source>
        <translation>一个二极管</translation>
    </message>
    <message>
        <source>a voltage-controlled voltage source</source>
        <translation>一个电压控制电压源</translation>
    </message>
    <message>
        <source>a current-controlled current source</source>
        <translation>一个电流控制电流源</translation>
    </message>
    <message>
        <source>a voltage-controlled current source</source>
        <translation>一个电压控制电流源</translation>
    </message>
    <message>
        <source>a current-controlled voltage source</source>
        <translation>一个电流控制电压源</translation>
    </message>
    <message>
        <source>a junction field-effect transistor</source>
        <translation>一个结型场效应晶体管</translation>
    </message>
    <message>
        <source>a coupling of inductors</source>
        <translation>一个电感耦合</translation>
    </message>
    <message>
        <source>an inductor</source>
        <translation>一个电感器</translation>
    </message>
    <message>
        <source>a MOSFET</source>
        <translation>一个 MOSFET</translation>
    </message>
    <message>
        <source>a device of a model library</source>
        <translation>一个模型库中的器件</translation>
    </message>
    <message>
        <source>a lossy transmission line</source>
        <translation>一条有损传输线</translation>
    </message>
    <message>
        <source>a coupled transmission line</source>
        <translation>一条耦合传输线</translation>
    </message>
    <message>
        <source>a bipolar transistor</source>
        <translation>一个双极型晶体管</translation>
    </message>
    <message>
        <source>a voltage-controlled switch</source>
        <translation>一个电压控制开关</translation>
    </message>
    <message>
        <source>a transmission line</source>
        <translation>一条传输线</translation>
    </message>
    <message>
        <source>a uniform RC line</source>
        <translation>一条均匀 RC 线</translation>
    </message>
    <message>
        <source>a current-controlled switch</source>
        <translation>一个电流控制开关</translation>
    </message>
    <message>
        <source>a subcircuit</source>
        <translation>一个子电路</translation>
    </message>
    <message>
        <source>a MESFET</source>
        <translation>一个 MESFET</translation>
    </message>
    <message>
        <source>%1 needs two nodes and a resistance.</source>
        <translation>%1 需要两个节点和一个电阻值。</translation>
    </message>
    <message>
        <source>%1 needs two nodes.</source>
        <translation>%1 需要两个节点。</translation>
    </message>
    <message>
        <source>%1 is not an element SPICE knows.</source>
        <translation>%1 不是 SPICE 认识的元件。</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 是%2。</translation>
    </message>
    <message>
        <source>%1 is named a second time; the first is on line %2.</source>
        <translation>%1 被第二次命名；第一次在第 %2 行。</translation>
    </message>
    <message>
        <source>%1 has the value %2, which SPICE reads as %3%4.</source>
        <translation>%1 的值为 %2，SPICE 将其读作 %3%4。</translation>
    </message>
    <message>
        <source>%1 has the value %2, which is not a number.</source>
        <translation>%1 的值为 %2，它不是一个数。</translation>
    </message>
    <message>
        <source>; write %1 if that is what is meant</source>
        <translation>；如果本意如此，请写成 %1</translation>
    </message>
    <message>
        <source>%1 has more than a resistance (%2).</source>
        <translation>%1 除电阻值外还有其他内容（%2）。</translation>
    </message>
    <message>
        <source>%1 has DC but no value.</source>
        <translation>%1 有 DC 但没有数值。</translation>
    </message>
    <message>
        <source>%1 has an AC value.</source>
        <translation>%1 有交流值。</translation>
    </message>
    <message>
        <source>%1 is a %2 source.</source>
        <translation>%1 是 %2 电源。</translation>
    </message>
    <message>
        <source>%1 has more than a DC value (%2).</source>
        <translation>%1 除直流值外还有其他内容（%2）。</translation>
    </message>
    <message>
        <source>a continuation line (+) must follow an element.</source>
        <translation>续行 (+) 必须跟在元件之后。</translation>
    </message>
    <message>
        <source>%1 belongs to a subcircuit.</source>
        <translation>%1 属于子电路。</translation>
    </message>
    <message>
        <source>%1 reads another file, which Kirvolt does not follow.</source>
        <translation>%1 读取另一个文件，Kirvolt 不会跟随读取。</translation>
    </message>
    <message>
        <source>The netlist is empty.</source>
        <translation>网表为空。</translation>
    </message>
    <message>
        <source>The netlist has no resistors, voltage sources or current sources.</source>
        <translation>网表中没有电阻、电压源或电流源。</translation>
    </message>
</context>
<context>
    <name>Superposition</name>
    <message>
        <source>%1 = %2   (full analysis: %3)</source>
        <translation>%1 = %2   （完整分析：%3）</translation>
    </message>
    <message>
        <source>%1 shorted</source>
        <translation>%1 短路</translation>
    </message>
    <message>
        <source>%1 opened</source>
        <translation>%1 开路</translation>
    </message>
    <message>
        <source>%1 alone</source>
        <translation>仅 %1 作用</translation>
    </message>
    <message>
        <source>%1 alone (%2)</source>
        <translation>仅 %1 作用（%2）</translation>
    </message>
    <message>
        <source>This circuit has no source: every voltage and current in it is zero.</source>
        <translation>此电路没有电源：其中每个电压和电流都为零。</translation>
    </message>
    <message>
        <source>Superposition: one part for each source, with every other source set to zero.</source>
        <translation>叠加定理：每个电源对应一个部分，其他电源均置零。</translation>
    </message>
    <message>
        <source>Part %1: %2</source>
        <translation>第 %1 部分：%2</translation>
    </message>
    <message>
        <source>The sum of the parts beside the full analysis:</source>
        <translation>各部分之和与完整分析的对照：</translation>
    </message>
    <message>
        <source>%1: p.d. %2</source>
        <translation>%1：电压 %2</translation>
    </message>
    <message>
        <source>%1: current %2</source>
        <translation>%1：电流 %2</translation>
    </message>
</context>
<context>
    <name>TheoremWindows</name>
    <message>
        <source>Thévenin Equivalent</source>
        <translation>戴维南等效电路</translation>
    </message>
    <message>
        <source>Thévenin equivalent</source>
        <translation>戴维南等效电路</translation>
    </message>
    <message>
        <source>Norton equivalent</source>
        <translation>诺顿等效电路</translation>
    </message>
    <message>
        <source>Superposition</source>
        <translation>叠加定理</translation>
    </message>
    <message>
        <source>Part %1: %2</source>
        <translation>第 %1 部分：%2</translation>
    </message>
</context>
<context>
    <name>Thevenin</name>
    <message>
        <source>There is no resistor named %1 in this circuit.</source>
        <translation>此电路中没有名为 %1 的电阻。</translation>
    </message>
    <message>
        <source>There is no node named %1 in this circuit.</source>
        <translation>此电路中没有名为 %1 的节点。</translation>
    </message>
    <message>
        <source>Node %1 is both terminals: choose two different nodes.</source>
        <translation>节点 %1 同时作为两个端子：请选择两个不同的节点。</translation>
    </message>
    <message>
        <source>there are no sources to set to zero</source>
        <translation>没有需要置零的电源</translation>
    </message>
    <message>
        <source>%1 and Norton equivalents as seen by %2, between nodes %3 and %4.</source>
        <translation>从 %2 看进去、节点 %3 和 %4 之间的戴维南（%1）和诺顿等效电路。</translation>
    </message>
    <message>
        <source>1. %1 is taken out of the circuit; nodes %2 and %3 are left open.</source>
        <translation>1. 把 %1 从电路中取出；节点 %2 和 %3 保持开路。</translation>
    </message>
    <message>
        <source>%1 and Norton equivalents between nodes %2 and %3.</source>
        <translation>节点 %2 和 %3 之间的戴维南（%1）和诺顿等效电路。</translation>
    </message>
    <message>
        <source>1. Nodes %1 and %2 are the terminals; nothing is connected between them.</source>
        <translation>1. 节点 %1 和 %2 为端子；它们之间不连接任何元件。</translation>
    </message>
    <message>
        <source>2. The open-circuit voltage, by the node voltage method:</source>
        <translation>2. 用节点电压法求开路电压：</translation>
    </message>
    <message>
        <source>2. There is no open-circuit voltage to find: with the terminals open, nothing joins the side of node %1 to the side of node %2, so nothing fixes the voltage between them.</source>
        <translation>2. 没有开路电压可求：端子开路时，没有任何东西把节点 %1 一侧与节点 %2 一侧连接起来，因此没有任何东西确定它们之间的电压。</translation>
    </message>
    <message>
        <source>2. There is no open-circuit voltage to find: with the terminals open, only the current source %1 joins the side of node %2 to the side of node %3, which fixes a current and no voltage.</source>
        <translation>2. 没有开路电压可求：端子开路时，只有电流源 %1 把节点 %2 一侧与节点 %3 一侧连接起来，它只确定电流而不确定电压。</translation>
    </message>
    <message>
        <source>2. There is no open-circuit voltage to find: with the terminals open, only the current sources %1 join the side of node %2 to the side of node %3, which fix currents and no voltage.</source>
        <translation>2. 没有开路电压可求：端子开路时，只有电流源 %1 把节点 %2 一侧与节点 %3 一侧连接起来，它们只确定电流而不确定电压。</translation>
    </message>
    <message>
        <source>3. The sources set to zero (%1), the resistance seen between %2 and %3:</source>
        <translation>3. 电源置零（%1）后，从 %2 和 %3 之间看进去的电阻：</translation>
    </message>
    <message>
        <source>the shorted %1 joins %2 to %3, so Rth = %4.</source>
        <translation>短路后的 %1 把 %2 连接到 %3，因此 Rth = %4。</translation>
    </message>
    <message>
        <source>the shorted %1 join %2 to %3, so Rth = %4.</source>
        <translation>短路后的 %1 把 %2 连接到 %3，因此 Rth = %4。</translation>
    </message>
    <message>
        <source>a test current of %1 into %2 and out of %3 gives %4 - %5 = %6, so Rth = %7.</source>
        <translation>%1 的测试电流从 %2 流入、从 %3 流出，得到 %4 - %5 = %6，因此 Rth = %7。</translation>
    </message>
    <message>
        <source>nothing joins %1 to %2, so the resistance between them has no bound.</source>
        <translation>没有任何东西把 %1 连接到 %2，因此它们之间的电阻无穷大。</translation>
    </message>
    <message>
        <source>4. The short-circuit current, with %1 and %2 joined by a wire: In = %3 from %1 through the wire to %2.</source>
        <translation>4. 用导线连接 %1 和 %2 时的短路电流：In = %3，从 %1 经导线流向 %2。</translation>
    </message>
    <message>
        <source>4. There is no short-circuit current to find: a wire from %1 to %2 would close a loop with %3.</source>
        <translation>4. 没有短路电流可求：从 %1 到 %2 的导线会与 %3 构成回路。</translation>
    </message>
    <message>
        <source>%1 equivalent: Vth = %2, positive at %3, in series with Rth = %4.</source>
        <translation>戴维南（%1）等效电路：Vth = %2，%3 端为正，与 Rth = %4 串联。</translation>
    </message>
    <message>
        <source>There is no %1 equivalent: the resistance between %2 and %3 has no bound, and no voltage source in series with a resistor behaves so.</source>
        <translation>不存在戴维南（%1）等效电路：%2 和 %3 之间的电阻无穷大，而任何与电阻串联的电压源都不会有这种表现。</translation>
    </message>
    <message>
        <source>Norton equivalent: In = %1 into %2, in parallel with Rth = %3.</source>
        <translation>诺顿等效电路：In = %1，流入 %2，与 Rth = %3 并联。</translation>
    </message>
    <message>
        <source>Norton equivalent: In = %1 into %2, with no resistor beside it.</source>
        <translation>诺顿等效电路：In = %1，流入 %2，旁边没有并联电阻。</translation>
    </message>
    <message>
        <source>There is no Norton equivalent: the resistance between %1 and %2 is zero, and a current source beside a resistor of 0 %3 would drive its current through a short.</source>
        <translation>不存在诺顿等效电路：%1 和 %2 之间的电阻为零，与 0 %3 的电阻并联的电流源，其电流会全部经短路流过。</translation>
    </message>
</context>
<context>
    <name>TracedLoop</name>
    <message>
        <source>where %1 and %2 meet</source>
        <translation>%1 与 %2 的交汇处</translation>
    </message>
    <message>
        <source>a node</source>
        <translation>一个节点</translation>
    </message>
    <message>
        <source>Click a branch of your circuit to start the loop.</source>
        <translation>单击电路中的一条支路开始描回路。</translation>
    </message>
    <message>
        <source>%1 has both ends on one node, so it is a loop by itself: the loop is closed.</source>
        <translation>%1 的两端在同一个节点上，它本身就是一个回路：回路已闭合。</translation>
    </message>
    <message>
        <source>%1 does not touch %2, the last branch of your loop.

Click a branch that goes on from one of its ends.</source>
        <translation>%1 不与 %2（你的回路的最后一条支路）相接。

请单击从它的某一端继续延伸的支路。</translation>
    </message>
    <message>
        <source>Your loop is closed already: %1 would be one branch too many.</source>
        <translation>你的回路已经闭合：%1 会多出一条支路。</translation>
    </message>
    <message>
        <source>%1 is in your loop already.

Click a branch that goes on from the end of %2 your loop has reached.</source>
        <translation>%1 已经在你的回路中。

请单击从你的回路所到达的 %2 那一端继续延伸的支路。</translation>
    </message>
    <message>
        <source>%1 has both ends on one node, so it is a loop by itself and cannot be part of a longer one.</source>
        <translation>%1 的两端在同一个节点上，它本身就是一个回路，不能成为更长回路的一部分。</translation>
    </message>
    <message>
        <source>%1 touches %2 only at the end your loop came in by.

Go on from the other end of %2.</source>
        <translation>%1 只在你的回路进入的那一端与 %2 相接。

请从 %2 的另一端继续。</translation>
    </message>
    <message>
        <source>%1 does not touch %2, the last branch of your loop.

Click a branch that goes on from the end of %2 your loop has reached.</source>
        <translation>%1 不与 %2（你的回路的最后一条支路）相接。

请单击从你的回路所到达的 %2 那一端继续延伸的支路。</translation>
    </message>
    <message>
        <source>%1 would take your loop back to %2, which it has passed already: a loop passes each node only once.</source>
        <translation>%1 会让你的回路回到已经经过的 %2：一个回路每个节点只能经过一次。</translation>
    </message>
    <message>
        <source>Your loop is not closed yet: go on from either end of %1 until the loop comes back to its other end.</source>
        <translation>你的回路还没有闭合：从 %1 的任一端继续，直到回路回到它的另一端。</translation>
    </message>
    <message>
        <source>Your loop is not closed yet: go on from the end of %1 until the loop comes back to the end of %2 it started from.</source>
        <translation>你的回路还没有闭合：从 %1 的这一端继续，直到回路回到 %2 出发的那一端。</translation>
    </message>
    <message>
        <source>The current of %1 follows from the loops&apos; currents through %2 already, so your loops cannot take every current source into account.</source>
        <translation>%1 的电流已由流过 %2 的各回路电流确定，因此你的回路无法把每个电流源都考虑在内。</translation>
    </message>
</context>
<context>
    <name>TreeQuiz</name>
    <message>
        <source>Your tree has %1 of its %2 branch.</source>
        <translation>你的树已有 %2 条树支中的 %1 条。</translation>
    </message>
    <message>
        <source>Your tree has %1 of its %2 branches.</source>
        <translation>你的树已有 %2 条树支中的 %1 条。</translation>
    </message>
    <message>
        <source>Your tree has %1 of its %2 branch: %3.</source>
        <translation>你的树已有 %2 条树支中的 %1 条：%3。</translation>
    </message>
    <message>
        <source>Your tree has %1 of its %2 branches: %3.</source>
        <translation>你的树已有 %2 条树支中的 %1 条：%3。</translation>
    </message>
    <message>
        <source>Click a resistor or a voltage source of your circuit.</source>
        <translation>请单击电路中的电阻或电压源。</translation>
    </message>
    <message>
        <source>%1 is taken out of the tree; it is a chord again.</source>
        <translation>%1 已从树中移出；它又成为连支。</translation>
    </message>
    <message>
        <source>%1 is in the tree.</source>
        <translation>%1 已在树中。</translation>
    </message>
    <message>
        <source>The tree is complete: its %1 branch joins all %2 nodes, and every other branch is a chord that closes one loop with it.</source>
        <translation>树已完成：它的 %1 条树支连接了全部 %2 个节点，其他每条支路都是连支，各与树构成一个回路。</translation>
    </message>
    <message>
        <source>The tree is complete: its %1 branches join all %2 nodes, and every other branch is a chord that closes one loop with it.</source>
        <translation>树已完成：它的 %1 条树支连接了全部 %2 个节点，其他每条支路都是连支，各与树构成一个回路。</translation>
    </message>
</context>
<context>
    <name>ValueField</name>
    <message>
        <source>Please enter a number.</source>
        <translation>请输入一个数。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this value takes no unit.</source>
        <translation>“%1”：此数值不带单位。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in %2, but this value is in %3.</source>
        <translation>“%1”的单位是 %2，但此数值的单位是 %3。</translation>
    </message>
    <message>
        <source>The resistance value must be greater than 0.

If you wish to have a branch of zero resistance over there,
you may replace the resistor with a wire.</source>
        <translation>电阻值必须大于 0。

如果你希望那里是一条电阻为零的支路，
可以用导线代替该电阻。</translation>
    </message>
</context>
<context>
    <name>ValueRange</name>
    <message>
        <source>%1 has a resistance of %2; Kirvolt takes resistances of 0 or from 1 pΩ to 1 TΩ.</source>
        <translation>%1 的电阻为 %2；Kirvolt 接受的电阻为 0 或 1 pΩ 到 1 TΩ。</translation>
    </message>
    <message>
        <source>%1 has no finite value; Kirvolt takes resistances of 0 or from 1 pΩ to 1 TΩ.</source>
        <translation>%1 没有有限值；Kirvolt 接受的电阻为 0 或 1 pΩ 到 1 TΩ。</translation>
    </message>
    <message>
        <source>%1 has an EMF of %2; Kirvolt takes EMFs of 0 or from -1 MV to -1 fV or from 1 fV to 1 MV.</source>
        <translation>%1 的电动势为 %2；Kirvolt 接受的电动势为 0，或 -1 MV 到 -1 fV，或 1 fV 到 1 MV。</translation>
    </message>
    <message>
        <source>%1 has no finite value; Kirvolt takes EMFs of 0 or from -1 MV to -1 fV or from 1 fV to 1 MV.</source>
        <translation>%1 没有有限值；Kirvolt 接受的电动势为 0，或 -1 MV 到 -1 fV，或 1 fV 到 1 MV。</translation>
    </message>
    <message>
        <source>%1 has a current of %2; Kirvolt takes currents of 0 or from -1 MA to -1 fA or from 1 fA to 1 MA.</source>
        <translation>%1 的电流为 %2；Kirvolt 接受的电流为 0，或 -1 MA 到 -1 fA，或 1 fA 到 1 MA。</translation>
    </message>
    <message>
        <source>%1 has no finite value; Kirvolt takes currents of 0 or from -1 MA to -1 fA or from 1 fA to 1 MA.</source>
        <translation>%1 没有有限值；Kirvolt 接受的电流为 0，或 -1 MA 到 -1 fA，或 1 fA 到 1 MA。</translation>
    </message>
    <message>
        <source>%1 has a value that is not a number.</source>
        <translation>%1 的值不是一个数。</translation>
    </message>
</context>
<context>
    <name>VoltageScale</name>
    <message>
        <source>Node voltage</source>
        <translation>节点电压</translation>
    </message>
</context>
<context>
    <name>kirvolt::BackgroundNotesDialog</name>
    <message>
        <source>Nodal Analysis</source>
        <translation>节点电压法</translation>
    </message>
    <message>
        <source>
Background notes</source>
        <translation>
背景知识</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>kirvolt::CAboutDlg</name>
    <message>
        <source>About Kirvolt</source>
        <translation>关于 Kirvolt</translation>
    </message>
    <message>
        <source>Kirvolt Version %1</source>
        <translation>Kirvolt 版本 %1</translation>
    </message>
</context>
<context>
    <name>kirvolt::CKirvoltApp</name>
    <message>
        <source>Circuit file to open</source>
        <translation>要打开的电路文件</translation>
    </message>
    <message>
        <source>Kirvolt ended without closing %1, which had unsaved changes.
Reopen it with those changes? If you do not, they are discarded.</source>
        <translation>Kirvolt 退出时没有关闭 %1，其中有未保存的修改。
要连同这些修改重新打开吗？否则这些修改将被丢弃。</translation>
    </message>
    <message>
        <source>Exercise %1</source>
        <translation>练习 %1</translation>
    </message>
    <message>
        <source>Exercise %1 (%2): find the voltage of every node and the current in every component.</source>
        <translation>练习 %1 (%2)：求出每个节点的电压和每个元件中的电流。</translation>
    </message>
</context>
<context>
    <name>kirvolt::CKirvoltView</name>
    <message>
        <source>Joint</source>
        <translation>连接点</translation>
    </message>
    <message>
        <source>Circuit drawing</source>
        <translation>电路图</translation>
    </message>
    <message>
        <source>Arrow keys move the grid cursor (Shift: five steps), Enter clicks at it, Tab and Shift+Tab step through the elements and joints, Ctrl+Space adds to the selection, Ctrl and the arrows move the selection.</source>
        <translation>方向键移动网格光标（按住 Shift：每次移动五格），Enter 在光标处单击，Tab 和 Shift+Tab 依次切换元件和连接点，Ctrl+Space 加入所选内容，Ctrl 加方向键移动所选内容。</translation>
    </message>
    <message>
        <source>Circuit drawing, cursor at %1, %2</source>
        <translation>电路图，光标位于 %1, %2</translation>
    </message>
    <message>
        <source>wire %1</source>
        <translation>导线 %1</translation>
    </message>
</context>
<context>
    <name>kirvolt::CMainFrame</name>
    <message>
        <source>Get Document Pointer failed.</source>
        <translation>获取文档指针失败。</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Activate this window</source>
        <translation>激活此窗口</translation>
    </message>
    <message>
        <source>Save changes to these circuits?

%1</source>
        <translation>保存对这些电路的修改吗？

%1</translation>
    </message>
    <message>
        <source>Discard All</source>
        <translation>全部放弃</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>打开此文档</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>Kirvolt &amp;Help</source>
        <translation>Kirvolt 帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Read how to draw, analyse and read a circuit</source>
        <translation>了解如何绘制、分析和读懂电路</translation>
    </message>
    <message>
        <source>Exa&amp;mples</source>
        <translation>示例(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Zoom Scale</source>
        <translation>缩放比例(&amp;Z)</translation>
    </message>
    <message>
        <source>Equations</source>
        <translation>方程</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>绘制(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Analyse</source>
        <translation>分析(&amp;A)</translation>
    </message>
    <message>
        <source>U&amp;sing</source>
        <translation>方法(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Tutor</source>
        <translation>辅导(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>Zoom In/Out</source>
        <translation>放大/缩小</translation>
    </message>
    <message>
        <source>Component &amp;Toolbar</source>
        <translation>元件工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Command Toolbar</source>
        <translation>命令工具栏</translation>
    </message>
    <message>
        <source>Edit &amp;Value...</source>
        <translation>编辑数值(&amp;V)...</translation>
    </message>
    <message>
        <source>&amp;Name...</source>
        <translation>名称(&amp;N)...</translation>
    </message>
    <message>
        <source>Node &amp;Name...</source>
        <translation>节点名称(&amp;N)...</translation>
    </message>
    <message>
        <source>Set as &amp;Datum Node</source>
        <translation>设为参考节点(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>旋转(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>镜像(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做 %1(&amp;R)</translation>
    </message>
    <message>
        <source>Analyse as I Draw</source>
        <translation>边画边分析</translation>
    </message>
    <message>
        <source>Analyse the circuit after every change, with the method last chosen</source>
        <translation>每次修改后用上次选择的方法分析电路</translation>
    </message>
    <message>
        <source>Voltages on the Drawing</source>
        <translation>在图上显示电压</translation>
    </message>
    <message>
        <source>Tint every wire and joint by its node voltage</source>
        <translation>按节点电压给每条导线和每个连接点着色</translation>
    </message>
    <message>
        <source>Currents on the Drawing</source>
        <translation>在图上显示电流</translation>
    </message>
    <message>
        <source>Show each element&apos;s current as an arrow the way it flows</source>
        <translation>用箭头按电流流向显示每个元件的电流</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>更多按钮</translation>
    </message>
    <message>
        <source>Shows the buttons that do not fit on the toolbar</source>
        <translation>显示工具栏上放不下的按钮</translation>
    </message>
</context>
<context>
    <name>kirvolt::CPropertyView</name>
    <message>
        <source>The circuit has changed since these results. Run the analysis again.</source>
        <translation>自得到这些结果以来电路已修改。请重新运行分析。</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordEquationDialog</name>
    <message>
        <source>Check</source>
        <translation>检查</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordIntroductionDialog</name>
    <message>
        <source>There are four steps for the Chord Current Analysis Method.</source>
        <translation>连支电流法共有四个步骤。</translation>
    </message>
    <message>
        <source>(1)  Pick a tree of your
       circuit.</source>
        <translation>(1)  为电路选择
       一棵树。</translation>
    </message>
    <message>
        <source>(2)   Name the chords and
       their loop currents.</source>
        <translation>(2)   为连支及其
       回路电流命名。</translation>
    </message>
    <message>
        <source>(3)   See the loop each
       chord closes.</source>
        <translation>(3)   查看每条连支
       构成的回路。</translation>
    </message>
    <message>
        <source>(4)   Write loop current
       equations using KVL.</source>
        <translation>(4)   用 KVL 列写
       回路电流方程。</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordTreeDialog</name>
    <message>
        <source>A tree joins all the nodes of your circuit without closing a loop. Click the resistors and voltage sources of your circuit to put them in the tree; click one again to take it out. Every branch left out of the tree is a chord.</source>
        <translation>树连接电路的所有节点而不构成回路。单击电路中的电阻和电压源把它们加入树中；再次单击可将其移出。树以外的每条支路都是连支。</translation>
    </message>
    <message>
        <source>Click a branch of your circuit.</source>
        <translation>单击电路中的一条支路。</translation>
    </message>
</context>
<context>
    <name>kirvolt::ChordTutorDialog</name>
    <message>
        <source>Chord Current Tutor</source>
        <translation>连支电流辅导</translation>
    </message>
    <message>
        <source>

          Pick a tree.</source>
        <translation>

          选择一棵树。</translation>
    </message>
    <message>
        <source>

     Name the chords.</source>
        <translation>

     为连支命名。</translation>
    </message>
    <message>
        <source>

     See each fundamental loop.</source>
        <translation>

     查看每个基本回路。</translation>
    </message>
    <message>
        <source>

           Write loop current
         equations using KVL.</source>
        <translation>

           用 KVL 列写
         回路电流方程。</translation>
    </message>
    <message>
        <source>Step %1 of 4 for Chord Current Analysis:</source>
        <translation>连支电流法第 %1 步（共 4 步）：</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>kirvolt::ComponentInfoDialog</name>
    <message>
        <source>Component Property</source>
        <translation>元件属性</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>数值：</translation>
    </message>
    <message>
        <source>Start Node:</source>
        <translation>起始节点：</translation>
    </message>
    <message>
        <source>Finish Node:</source>
        <translation>终止节点：</translation>
    </message>
    <message>
        <source>Start Node Voltage:</source>
        <translation>起始节点电压：</translation>
    </message>
    <message>
        <source>Finish Node Voltage:</source>
        <translation>终止节点电压：</translation>
    </message>
    <message>
        <source>Current:
(Start-&gt;Finish)</source>
        <translation>电流：
(起始-&gt;终止)</translation>
    </message>
    <message>
        <source>p.d.(Start-
Finish):</source>
        <translation>电压(起始-
终止)：</translation>
    </message>
</context>
<context>
    <name>kirvolt::CountStepDialog</name>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>kirvolt::DatumNodeDialog</name>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>chosen node, Node </source>
        <translation>所选节点（节点 </translation>
    </message>
    <message>
        <source>.</source>
        <translation>）来测量的。</translation>
    </message>
    <message>
        <source>A total of</source>
        <translation>共需要</translation>
    </message>
    <message>
        <source>equations needed,</source>
        <translation>个方程，</translation>
    </message>
    <message>
        <source>The voltage at other nodes are measured with respect to this</source>
        <translation>其他节点的电压都是相对于此</translation>
    </message>
    <message>
        <source>one for each of the nodes below:</source>
        <translation>下列每个节点各一个：</translation>
    </message>
    <message>
        <source>Select a node on the left to be the Datum Node:</source>
        <translation>在左侧选择一个节点作为参考节点：</translation>
    </message>
    <message>
        <source>Step 3 of 4 for Nodal Analysis:</source>
        <translation>节点电压法第 3 步（共 4 步）：</translation>
    </message>
    <message>
        <source>

         Select a Datum Node.</source>
        <translation>

         选择参考节点。</translation>
    </message>
    <message>
        <source>To simplify your calculation, you should select a node with the largest number of components connected to it as the Datum Node.</source>
        <translation>为简化计算，应选择连接元件最多的节点作为参考节点。</translation>
    </message>
</context>
<context>
    <name>kirvolt::EditComponentDialog</name>
    <message>
        <source>Edit Component </source>
        <translation>编辑元件 </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>数值：</translation>
    </message>
</context>
<context>
    <name>kirvolt::EditNodeNameDialog</name>
    <message>
        <source>Edit Node Name</source>
        <translation>编辑节点名称</translation>
    </message>
    <message>
        <source>Node Name:</source>
        <translation>节点名称：</translation>
    </message>
</context>
<context>
    <name>kirvolt::EquationCheckWindow</name>
    <message>
        <source>for example (V2 - V1)/R1 + V2/R2 = J1</source>
        <translation>例如 (V2 - V1)/R1 + V2/R2 = J1</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>检查(&amp;C)</translation>
    </message>
</context>
<context>
    <name>kirvolt::ErcPanel</name>
    <message>
        <source>Electrical Rule Check</source>
        <translation>电气规则检查</translation>
    </message>
</context>
<context>
    <name>kirvolt::ExportPictureDialog</name>
    <message>
        <source>Show the &amp;grid</source>
        <translation>显示网格(&amp;G)</translation>
    </message>
    <message>
        <source>Show &amp;node numbers</source>
        <translation>显示节点编号(&amp;N)</translation>
    </message>
    <message>
        <source>Show the &amp;equations panel</source>
        <translation>显示方程面板(&amp;E)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>导出图片</translation>
    </message>
    <message>
        <source> ×</source>
        <translation> ×</translation>
    </message>
    <message>
        <source>PNG &amp;scale:</source>
        <translation>PNG 缩放(&amp;S)：</translation>
    </message>
</context>
<context>
    <name>kirvolt::HelpWindow</name>
    <message>
        <source>Kirvolt Help</source>
        <translation>Kirvolt 帮助</translation>
    </message>
</context>
<context>
    <name>kirvolt::KclExampleDialog</name>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Step 4 of 4 for Nodal Analysis:</source>
        <translation>节点电压法第 4 步（共 4 步）：</translation>
    </message>
    <message>
        <source>

           Write node voltage
         equations using KCL.</source>
        <translation>

           用 KCL 列写
         节点电压方程。</translation>
    </message>
    <message>
        <source>The following shows how you write your equation:</source>
        <translation>下面说明如何列写方程：</translation>
    </message>
    <message>
        <source>For Node &apos;a&apos; shown above:
Sum of Current flowing out from resistors R1 and R2 = Current  flowing in from the source J1,</source>
        <translation>对于上图所示的节点 &apos;a&apos;：
从电阻 R1 和 R2 流出的电流之和 = 从电源 J1 流入的电流，</translation>
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
        <translation>电路中的节点方程可以用同样的方法列写。</translation>
    </message>
    <message>
        <source>Check your nodal equations with that written by Kirvolt. How many equations you got it right?</source>
        <translation>把你的节点方程与 Kirvolt 写出的方程对照。你写对了几个方程？</translation>
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
        <translation>回路电流辅导</translation>
    </message>
    <message>
        <source>Step 1 of 4 for Loop Current Analysis:</source>
        <translation>回路电流法第 1 步（共 4 步）：</translation>
    </message>
    <message>
        <source>
   Count the number of independent
    loops in your circuit.</source>
        <translation>
   数一数电路中
    独立回路的个数。</translation>
    </message>
    <message>
        <source>How many independent Loops are there in your circuit ?</source>
        <translation>你的电路中有几个独立回路？</translation>
    </message>
    <message>
        <source>Note:
Loops are independent when none of them is made of the others: each new loop must take in something the loops before it do not.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation>注意：
当任何一个回路都不能由其他回路组成时，这些回路是独立的：每个新回路都必须包含之前的回路所没有的部分。

导线视为理想导线，不算作元件。</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopIntroductionDialog</name>
    <message>
        <source>There are four steps for the Loop Current Analysis Method.</source>
        <translation>回路电流法共有四个步骤。</translation>
    </message>
    <message>
        <source>(1)  Count the number of
       independent loops in your circuit.</source>
        <translation>(1)  数一数电路中
       独立回路的个数。</translation>
    </message>
    <message>
        <source>(2)   Trace the loops of your
       own choice.</source>
        <translation>(2)   描出你自己选择
       的回路。</translation>
    </message>
    <message>
        <source>(3)   Write loop current
       equations using KVL.</source>
        <translation>(3)   用 KVL 列写
       回路电流方程。</translation>
    </message>
    <message>
        <source>(4)   Solve them for the
       loop currents.</source>
        <translation>(4)   解方程求出
       回路电流。</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopPageDialog</name>
    <message>
        <source>

           Write loop current
         equations using KVL.</source>
        <translation>

           用 KVL 列写
         回路电流方程。</translation>
    </message>
    <message>
        <source>

           Solve them for the
         loop currents.</source>
        <translation>

           解方程求出
         回路电流。</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopTraceDialog</name>
    <message>
        <source>

     Trace the loops of your own choice.</source>
        <translation>

     描出你自己选择的回路。</translation>
    </message>
    <message>
        <source>Click the branches of a loop one after the other on the drawing, all the way round: the loop current runs the way you go. Each loop must be closed, pass each node only once, and take in something your loops before it do not. The loop currents are named I1, I2, ... in the order you trace the loops.</source>
        <translation>在图上依次单击一个回路的各条支路，绕行一整圈：回路电流的方向就是你绕行的方向。每个回路必须闭合，每个节点只经过一次，并且包含之前的回路所没有的部分。回路电流按你描出回路的顺序命名为 I1、I2、...。</translation>
    </message>
    <message>
        <source>Click a branch of your circuit to start the loop.</source>
        <translation>单击电路中的一条支路开始描回路。</translation>
    </message>
    <message>
        <source>Undo last branch</source>
        <translation>撤销上一条支路</translation>
    </message>
    <message>
        <source>Start loop again</source>
        <translation>重新开始描回路</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>kirvolt::LoopTutorDialog</name>
    <message>
        <source>Loop Current Tutor</source>
        <translation>回路电流辅导</translation>
    </message>
    <message>
        <source>Step %1 of 4 for Loop Current Analysis:</source>
        <translation>回路电流法第 %1 步（共 4 步）：</translation>
    </message>
</context>
<context>
    <name>kirvolt::MatrixFormDialog</name>
    <message>
        <source>Matrix Form - %1</source>
        <translation>矩阵形式 - %1</translation>
    </message>
    <message>
        <source>Copy as &amp;Text</source>
        <translation>复制为文本(&amp;T)</translation>
    </message>
    <message>
        <source>Copy as &amp;LaTeX</source>
        <translation>复制为 LaTeX(&amp;L)</translation>
    </message>
    <message>
        <source>Matrix form</source>
        <translation>矩阵形式</translation>
    </message>
    <message>
        <source>The system G x = b of the last analysis, its unknowns and their values</source>
        <translation>上一次分析的方程组 G x = b、它的未知量及其值</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshCountDialog</name>
    <message>
        <source>Mesh Current Tutor</source>
        <translation>网孔电流辅导</translation>
    </message>
    <message>
        <source>Step 1 of 4 for Mesh Current Analysis:</source>
        <translation>网孔电流法第 1 步（共 4 步）：</translation>
    </message>
    <message>
        <source>
   Count the number of meshes
    in your circuit.</source>
        <translation>
   数一数电路中
    网孔的个数。</translation>
    </message>
    <message>
        <source>How many Meshes are there in your circuit ?</source>
        <translation>你的电路中有几个网孔？</translation>
    </message>
    <message>
        <source>Note:
A mesh is a loop of the circuit with no other loop inside it, like a pane of a window.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation>注意：
网孔是内部不含其他回路的回路，就像窗户上的一格玻璃。

导线视为理想导线，不算作元件。</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshIntroductionDialog</name>
    <message>
        <source>There are four steps for the Mesh Current Analysis Method.</source>
        <translation>网孔电流法共有四个步骤。</translation>
    </message>
    <message>
        <source>(1)  Count the number of
       meshes in your circuit.</source>
        <translation>(1)  数一数电路中
       网孔的个数。</translation>
    </message>
    <message>
        <source>(2)   Label the mesh currents.</source>
        <translation>(2)   标出网孔电流。</translation>
    </message>
    <message>
        <source>(3)   Deal with the current
       sources.</source>
        <translation>(3)   处理
       电流源。</translation>
    </message>
    <message>
        <source>(4)   Write mesh current
       equations using KVL.</source>
        <translation>(4)   用 KVL 列写
       网孔电流方程。</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshLabelDialog</name>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Click this button to draw the mesh currents.</source>
        <translation>单击此按钮画出网孔电流。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>

          Label the mesh currents.</source>
        <translation>

          标出网孔电流。</translation>
    </message>
    <message>
        <source>The mesh current is designated by In where  &quot;n&quot;  is the mesh number, e.g. the current of mesh 1 is denoted by I1, and mesh 2 by I2, etc. The meshes are numbered in reading order, from the top left.</source>
        <translation>网孔电流记作 In，其中  &quot;n&quot;  是网孔编号，例如网孔 1 的电流记作 I1，网孔 2 的电流记作 I2，依此类推。网孔按阅读顺序从左上角开始编号。</translation>
    </message>
    <message>
        <source>Every mesh current runs clockwise round its mesh. When you analyse your circuit with pen and paper, you should follow the same practice here by drawing a clockwise arrow inside each mesh and marking it with its current.</source>
        <translation>每个网孔电流都沿其网孔顺时针流动。用纸笔分析电路时，也应照此做法，在每个网孔内画一个顺时针箭头并标上其电流。</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshPageDialog</name>
    <message>
        <source>

     Deal with the current sources.</source>
        <translation>

     处理电流源。</translation>
    </message>
    <message>
        <source>

           Write mesh current
         equations using KVL.</source>
        <translation>

           用 KVL 列写
         网孔电流方程。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshSourceDialog</name>
    <message>
        <source>

     Deal with the current sources.</source>
        <translation>

     处理电流源。</translation>
    </message>
    <message>
        <source>A current source with the outside of the drawing on one side fixes the current of the mesh on its other side; a current source between two meshes joins them into a supermesh. Find them all by clicking inside the meshes of your circuit: a mesh whose current is fixed, or the two meshes of a pair one after the other.</source>
        <translation>一侧是图形外部的电流源确定其另一侧网孔的电流；位于两个网孔之间的电流源把它们合成一个超网孔。请单击电路中网孔的内部把它们全部找出来：电流被确定的网孔，或者依次单击一对网孔中的两个。</translation>
    </message>
    <message>
        <source>You are looking for:</source>
        <translation>你要找的是：</translation>
    </message>
    <message>
        <source>A mesh whose current a source fixes</source>
        <translation>电流由电源确定的网孔</translation>
    </message>
    <message>
        <source>Two meshes joined by a current source</source>
        <translation>由电流源连接的两个网孔</translation>
    </message>
    <message>
        <source>Click inside a mesh of your circuit.</source>
        <translation>单击电路中某个网孔的内部。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>kirvolt::MeshTutorDialog</name>
    <message>
        <source>Mesh Current Tutor</source>
        <translation>网孔电流辅导</translation>
    </message>
    <message>
        <source>Step %1 of 4 for Mesh Current Analysis:</source>
        <translation>网孔电流法第 %1 步（共 4 步）：</translation>
    </message>
</context>
<context>
    <name>kirvolt::ModifiedNodalNotesDialog</name>
    <message>
        <source>Modified Nodal Analysis</source>
        <translation>改进节点法</translation>
    </message>
    <message>
        <source>
Background notes</source>
        <translation>
背景知识</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>kirvolt::ModifiedNodalPageDialog</name>
    <message>
        <source>

          Name the unknowns.</source>
        <translation>

          为未知量命名。</translation>
    </message>
    <message>
        <source>

          Add each element to G and b.</source>
        <translation>

          把每个元件加入 G 和 b。</translation>
    </message>
    <message>
        <source>

          Solve the system.</source>
        <translation>

          求解方程组。</translation>
    </message>
    <message>
        <source>Modified Nodal Analysis Tutor</source>
        <translation>改进节点法辅导</translation>
    </message>
    <message>
        <source>Step %1 of 3 for Modified Nodal Analysis:</source>
        <translation>改进节点法第 %1 步（共 3 步）：</translation>
    </message>
    <message>
        <source>G · x = b:</source>
        <translation>G · x = b：</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>kirvolt::NewExerciseDialog</name>
    <message>
        <source>New Exercise</source>
        <translation>新建练习</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>难度(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>种子(&amp;S)：</translation>
    </message>
    <message>
        <source>The same seed and difficulty always give the same exercise.</source>
        <translation>相同的种子和难度总是生成相同的练习。</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeCountDialog</name>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation>节点电压法辅导</translation>
    </message>
    <message>
        <source>Step 1 of 4 for Nodal Analysis:</source>
        <translation>节点电压法第 1 步（共 4 步）：</translation>
    </message>
    <message>
        <source>
   Count the number of nodes
    in your circuit.</source>
        <translation>
   数一数电路中
    节点的个数。</translation>
    </message>
    <message>
        <source>How many Nodes are there in your circuit ?</source>
        <translation>你的电路中有几个节点？</translation>
    </message>
    <message>
        <source>Note:
Node refers to the common connection point where two or more components are joined together.

Wire is assumed to be ideal and is not regarded as component.</source>
        <translation>注意：
节点是两个或多个元件连接在一起的公共连接点。

导线视为理想导线，不算作元件。</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeEquationsDialog</name>
    <message>
        <source>Nodal Analysis : Node Equations</source>
        <translation>节点电压法：节点方程</translation>
    </message>
    <message>
        <source>Mesh Current Method : Mesh Equations</source>
        <translation>网孔电流法：网孔方程</translation>
    </message>
    <message>
        <source>Loop Current Method : Loop Equations</source>
        <translation>回路电流法：回路方程</translation>
    </message>
    <message>
        <source>Equation for Node</source>
        <translation>节点方程</translation>
    </message>
    <message>
        <source>Equation for Mesh</source>
        <translation>网孔方程</translation>
    </message>
    <message>
        <source>Equation for Loop</source>
        <translation>回路方程</translation>
    </message>
    <message>
        <source>:-</source>
        <translation>：</translation>
    </message>
    <message>
        <source>( Selected Datumn Node  =  Node</source>
        <translation>（所选参考节点  =  节点</translation>
    </message>
    <message>
        <source>, voltage at this node is taken as zero. )</source>
        <translation>，该节点电压取为零。）</translation>
    </message>
    <message>
        <source>( the mesh current runs clockwise round the mesh )</source>
        <translation>（网孔电流沿网孔顺时针流动）</translation>
    </message>
    <message>
        <source>( the loop current runs through %1 in its own direction )</source>
        <translation>（回路电流沿 %1 自身的方向流过）</translation>
    </message>
    <message>
        <source>=&gt;</source>
        <translation>=&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeInfoDialog</name>
    <message>
        <source>Component Property</source>
        <translation>元件属性</translation>
    </message>
    <message>
        <source>Node Name:</source>
        <translation>节点名称：</translation>
    </message>
    <message>
        <source>Node Voltage:</source>
        <translation>节点电压：</translation>
    </message>
</context>
<context>
    <name>kirvolt::NodeLabelDialog</name>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Click this button to assign the node numbers.</source>
        <translation>单击此按钮分配节点编号。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Step 2 of 4 for Nodal Analysis:</source>
        <translation>节点电压法第 2 步（共 4 步）：</translation>
    </message>
    <message>
        <source>

          Label all the nodes.</source>
        <translation>

          标出所有节点。</translation>
    </message>
    <message>
        <source>The node voltage is designated by Vn where  &quot;n&quot;  is the node number, e.g. the node voltage for node 1 is denoted by V1, and node 2 by V2, etc.</source>
        <translation>节点电压记作 Vn，其中  &quot;n&quot;  是节点编号，例如节点 1 的电压记作 V1，节点 2 的电压记作 V2，依此类推。</translation>
    </message>
    <message>
        <source>When you analyse your circuit with pen and paper, you should follow the same practice here by marking each independent nodes in your circuit with a unique node number.</source>
        <translation>用纸笔分析电路时，也应照此做法，给电路中每个独立节点标上唯一的节点编号。</translation>
    </message>
</context>
<context>
    <name>kirvolt::OpenCircuit</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>保存对 %1 的修改吗？</translation>
    </message>
</context>
<context>
    <name>kirvolt::PrintScaleDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Printing Scale:</source>
        <translation>打印比例：</translation>
    </message>
</context>
<context>
    <name>kirvolt::RecoveryStore</name>
    <message>
        <source>Unsaved circuit</source>
        <translation>未保存的电路</translation>
    </message>
</context>
<context>
    <name>kirvolt::TheveninQuestionDialog</name>
    <message>
        <source>Between two &amp;nodes:</source>
        <translation>两个节点之间(&amp;N)：</translation>
    </message>
    <message>
        <source>As seen by a &amp;resistor, taken out:</source>
        <translation>从移去的电阻看进去(&amp;R)：</translation>
    </message>
    <message>
        <source>Thévenin Equivalent</source>
        <translation>戴维南等效电路</translation>
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
        <translation>等效电路给出 A 相对于 B 的电压。</translation>
    </message>
</context>
<context>
    <name>kirvolt::TutorDialog</name>
    <message>
        <source>Nodal Analysis Tutor</source>
        <translation>节点电压法辅导</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  个步骤</translation>
    </message>
</context>
<context>
    <name>kirvolt::TutorIntroductionDialog</name>
    <message>
        <source>Background Notes</source>
        <translation>背景知识</translation>
    </message>
    <message>
        <source>There are four steps for the Nodal Voltage Analysis Method.</source>
        <translation>节点电压法共有四个步骤。</translation>
    </message>
    <message>
        <source>(1)  Count the number of
       nodes in your circuit.</source>
        <translation>(1)  数一数电路中
       节点的个数。</translation>
    </message>
    <message>
        <source>(2)   Label all the nodes.</source>
        <translation>(2)   标出所有节点。</translation>
    </message>
    <message>
        <source>(3)   Select a Datum Node.</source>
        <translation>(3)   选择参考节点。</translation>
    </message>
    <message>
        <source>(4)   Write node voltage
       equations using KCL.</source>
        <translation>(4)   用 KCL 列写
       节点电压方程。</translation>
    </message>
</context>
</TS>
