<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
    <name>kirvolt</name>
    <message>
        <source>Formulas</source>
        <translation>公式</translation>
    </message>
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
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>There are four steps for the Chord Current Analysis Method.</source>
        <translation>连支电流法共有四个步骤。</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  个步骤</translation>
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
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>There are four steps for the Loop Current Analysis Method.</source>
        <translation>回路电流法共有四个步骤。</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  个步骤</translation>
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
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>There are four steps for the Mesh Current Analysis Method.</source>
        <translation>网孔电流法共有四个步骤。</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  个步骤</translation>
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
        <translation>(3)   处理电流源。</translation>
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
</context>
<context>
    <name>kirvolt::TutorIntroductionDialog</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Background Notes</source>
        <translation>背景知识</translation>
    </message>
    <message>
        <source>There are four steps for the Nodal Voltage Analysis Method.</source>
        <translation>节点电压法共有四个步骤。</translation>
    </message>
    <message>
        <source>
4  Steps</source>
        <translation>
4  个步骤</translation>
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
