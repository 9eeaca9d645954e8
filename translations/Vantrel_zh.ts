<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>User Help</source>
        <translation>用户手册</translation>
    </message>
    <message>
        <source>Update Scence</source>
        <translation>更新场景</translation>
    </message>
    <message>
        <source>v3.0.0.1build</source>
        <translation>v3.0.0.1build</translation>
    </message>
    <message>
        <source>/help.pdf</source>
        <translation>/help_zh.pdf</translation>
    </message>
    <message>
        <source>No user manual found.</source>
        <translation>未找到用户手册。</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>No program to open PDF files is installed. The user manual is %1</source>
        <translation>未安装可打开 PDF 文件的程序。用户手册位于 %1</translation>
    </message>
</context>
<context>
    <name>BandWidthPage</name>
    <message>
        <source>DataCalculatorPage</source>
        <translation>带宽计算页</translation>
    </message>
    <message>
        <source>Channel Counts</source>
        <translation>通道数</translation>
    </message>
    <message>
        <source>IPC Counts</source>
        <translation>IPC 数量</translation>
    </message>
    <message>
        <source>DVR Counts</source>
        <translation>DVR 数量</translation>
    </message>
    <message>
        <source>Total Band Width(%1)</source>
        <translation>总带宽（%1）</translation>
    </message>
    <message>
        <source>Gpbs</source>
        <translation>Gbps</translation>
    </message>
    <message>
        <source>Mpbs</source>
        <translation>Mbps</translation>
    </message>
    <message>
        <source>Kpbs</source>
        <translation>Kbps</translation>
    </message>
</context>
<context>
    <name>BitrateTableCheck</name>
    <message>
        <source>the row has no resolution name</source>
        <translation>该行没有分辨率名称</translation>
    </message>
    <message>
        <source>the rate &quot;%1&quot; of %2 is not a whole number from %3 to %4 kbps</source>
        <translation>%2 的码率“%1”不是 %3 到 %4 kbps 之间的整数</translation>
    </message>
    <message>
        <source>%1 is listed twice; the first row is kept</source>
        <translation>%1 重复出现；保留第一行</translation>
    </message>
    <message>
        <source>%1 is larger than the row before it; the rows must run from the largest picture to the smallest</source>
        <translation>%1 大于前一行；各行须按画面从大到小排列</translation>
    </message>
</context>
<context>
    <name>BulkEditDialog</name>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>混合</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>连续</translation>
    </message>
    <message numerus="yes">
        <source>Edit %n groups</source>
        <translation>
            <numerusform>编辑 %n 个设备组</numerusform>
        </translation>
    </message>
    <message>
        <source>Various</source>
        <translation>多个值</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>通道数</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>码流数</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>录像方式</translation>
    </message>
    <message>
        <source>Hours/day</source>
        <translation>每天小时数</translation>
    </message>
    <message>
        <source>Days kept</source>
        <translation>保存天数</translation>
    </message>
    <message>
        <source>Recorded streams</source>
        <translation>录像码流数</translation>
    </message>
    <message>
        <source>A field that shows &quot;Various&quot; keeps each group&apos;s own value.</source>
        <translation>显示“多个值”的字段将保留各设备组自己的值。</translation>
    </message>
</context>
<context>
    <name>CapacityCalculation</name>
    <message>
        <source>CapacityCalculation</source>
        <translation>容量计算</translation>
    </message>
    <message>
        <source>Capacity Calculation :</source>
        <translation>容量计算：</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Clear all the channels?</source>
        <translation>确定清空所有通道吗？</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare plans</source>
        <translation>方案对比</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Compare with:</source>
        <translation>对比对象：</translation>
    </message>
    <message>
        <source>Another plan file...</source>
        <translation>其他方案文件...</translation>
    </message>
    <message>
        <source>This plan with another encoding</source>
        <translation>本方案（换用其他编码）</translation>
    </message>
    <message>
        <source>This plan with other days kept</source>
        <translation>本方案（换用其他保存天数）</translation>
    </message>
    <message>
        <source>This plan with another RAID</source>
        <translation>本方案（换用其他 RAID）</translation>
    </message>
    <message>
        <source>No RAID</source>
        <translation>无 RAID</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>对比</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Disks</source>
        <translation>硬盘数</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Over a limit</source>
        <translation>超出上限</translation>
    </message>
    <message>
        <source>Groups that differ</source>
        <translation>有差异的设备组</translation>
    </message>
    <message>
        <source>With %1</source>
        <translation>采用 %1</translation>
    </message>
    <message numerus="yes">
        <source>Kept %n days</source>
        <translation>
            <numerusform>保存 %n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 changed, %2 added, %3 removed</source>
        <translation>%1 个已更改，%2 个已添加，%3 个已删除</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>已添加：%1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>已删除：%1</translation>
    </message>
    <message>
        <source>Group %1: %2</source>
        <translation>设备组 %1：%2</translation>
    </message>
    <message>
        <source>The groups are the same.</source>
        <translation>两个方案的设备组相同。</translation>
    </message>
</context>
<context>
    <name>DataProblemsNotice</name>
    <message>
        <source>Data files</source>
        <translation>数据文件</translation>
    </message>
    <message>
        <source>These rows of the data files were left out; the other rows are in use. Mend the files beside the program and start it again.</source>
        <translation>数据文件中的以下各行已被略去，其余各行照常使用。请修正程序旁的文件后重新启动程序。</translation>
    </message>
</context>
<context>
    <name>DeviceAddPage</name>
    <message>
        <source>Replace all groups</source>
        <translation>替换所有设备组</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>%1 days, %2 TB</source>
        <translation>%1 天，%2 TB</translation>
    </message>
    <message>
        <source>%1 px/m, %2</source>
        <translation>%1 像素/米，%2</translation>
    </message>
    <message>
        <source>%1: below %2</source>
        <translation>%1：低于%2</translation>
    </message>
    <message numerus="yes">
        <source>Duplicate %n groups</source>
        <translation>
            <numerusform>复制 %n 个设备组</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Edit %n groups</source>
        <translation>
            <numerusform>编辑 %n 个设备组</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit selected...</source>
        <translation>编辑所选项...</translation>
    </message>
</context>
<context>
    <name>DeviceAddWidget</name>
    <message>
        <source>DeviceAddPage</source>
        <translation>设备添加页</translation>
    </message>
</context>
<context>
    <name>DeviceConfigStore</name>
    <message>
        <source>the file is missing or is not well-formed XML</source>
        <translation>文件缺失或不是格式正确的 XML</translation>
    </message>
    <message>
        <source>the link type %1 is listed twice; the first one is kept</source>
        <translation>链路类型 %1 重复出现；保留第一个</translation>
    </message>
    <message>
        <source>the folder of bitrate tables is missing</source>
        <translation>码率表文件夹缺失</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>无法读取该文件</translation>
    </message>
    <message>
        <source>the line has no rate after a comma</source>
        <translation>该行逗号后没有码率</translation>
    </message>
</context>
<context>
    <name>DeviceEditor</name>
    <message>
        <source>DeviceEditor</source>
        <translation>设备编辑器</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>添加设备</translation>
    </message>
    <message>
        <source>Channel Name :</source>
        <translation>通道名称：</translation>
    </message>
    <message>
        <source>Channel Counts :</source>
        <translation>通道数量：</translation>
    </message>
    <message>
        <source>Device Type :</source>
        <translation>设备类型：</translation>
    </message>
    <message>
        <source>Stream Counts:</source>
        <translation>码流数量：</translation>
    </message>
    <message>
        <source>Encode Section :        </source>
        <translation>码率类型：        </translation>
    </message>
    <message>
        <source>Fixed Rate</source>
        <translation>定码率</translation>
    </message>
    <message>
        <source>VarRate</source>
        <translation>变码率</translation>
    </message>
    <message>
        <source>Device Resolution :</source>
        <translation>设备分辨率：</translation>
    </message>
    <message>
        <source>Frame Rate :     </source>
        <translation>帧率：     </translation>
    </message>
    <message>
        <source>Encoding Type :</source>
        <translation>编码类型：</translation>
    </message>
    <message>
        <source>Recommend Rate :</source>
        <translation>推荐码率：</translation>
    </message>
    <message>
        <source>+ Add</source>
        <translation>+ 添加</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>通道名称</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>IPC</source>
        <translation>IPC</translation>
    </message>
    <message>
        <source>DVR</source>
        <translation>DVR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>保存修改</translation>
    </message>
    <message>
        <source>Set to the largest count, %1.</source>
        <translation>已设为最大数量 %1。</translation>
    </message>
    <message>
        <source>Set to the smallest count, %1.</source>
        <translation>已设为最小数量 %1。</translation>
    </message>
    <message>
        <source>Set to the largest rate, %1 kbps.</source>
        <translation>已设为最大码率 %1 kbps。</translation>
    </message>
    <message>
        <source>Edit Device</source>
        <translation>编辑设备</translation>
    </message>
    <message>
        <source>Enter a rate from 1 to %1 kbps.</source>
        <translation>请输入 1 到 %1 kbps 之间的码率。</translation>
    </message>
    <message>
        <source>The scene &quot;%1&quot; is no longer in the scene table; the group keeps its rate as a fixed rate.</source>
        <translation>场景“%1”已不在场景表中；该设备组的码率保留为固定码率。</translation>
    </message>
</context>
<context>
    <name>DeviceItemWidget</name>
    <message>
        <source>Counts :</source>
        <translation>数量：</translation>
    </message>
    <message>
        <source>Bit Rate :</source>
        <translation>码率：</translation>
    </message>
    <message>
        <source>Resolution :</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Encode Type:</source>
        <translation>编码类型：</translation>
    </message>
    <message>
        <source>Scence Name:</source>
        <translation>场景名称：</translation>
    </message>
    <message>
        <source>Frame Rate : %1</source>
        <translation>帧率：%1</translation>
    </message>
    <message>
        <source>Fixted Rate : %1 kbps</source>
        <translation>定码率：%1 kbps</translation>
    </message>
    <message>
        <source>Stream Counts : %1 x %2</source>
        <translation>码流数量：%1 x %2</translation>
    </message>
    <message>
        <source>Resolution : %1</source>
        <translation>分辨率：%1</translation>
    </message>
    <message>
        <source>Encode Type : %1</source>
        <translation>编码类型：%1</translation>
    </message>
    <message>
        <source>Variable Rate : %1 kbps</source>
        <translation>变码率：%1 kbps</translation>
    </message>
    <message>
        <source>Scene Type : %1</source>
        <translation>场景：%1</translation>
    </message>
    <message>
        <source>%1 channels × %2 streams</source>
        <translation>%1 个通道 × %2 路码流</translation>
    </message>
</context>
<context>
    <name>EncodeingPage</name>
    <message>
        <source>EncodeingPage</source>
        <translation>编码结果页</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source> Priority Calculate Result 1</source>
        <translation> 优先计算结果 1</translation>
    </message>
    <message>
        <source> Priority Calculate Result 2</source>
        <translation> 优先计算结果 2</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Bit Rate (kbps)</source>
        <translation>码率 (kbps)</translation>
    </message>
</context>
<context>
    <name>EncodingAnswers</name>
    <message>
        <source>Calculate Net Parameter:</source>
        <translation>网络参数计算：</translation>
    </message>
</context>
<context>
    <name>ExamplePlans</name>
    <message>
        <source>Small shop (6 groups)</source>
        <translation>小型商店（6 个设备组）</translation>
    </message>
    <message>
        <source>Office building (25 groups)</source>
        <translation>办公楼（25 个设备组）</translation>
    </message>
    <message>
        <source>Warehouse with a yard (40 groups)</source>
        <translation>带堆场的仓库（40 个设备组）</translation>
    </message>
    <message>
        <source>University campus (300 groups)</source>
        <translation>大学校园（300 个设备组）</translation>
    </message>
    <message>
        <source>City (10,000 groups)</source>
        <translation>城市（10,000 个设备组）</translation>
    </message>
</context>
<context>
    <name>ExportMenuAction</name>
    <message>
        <source>ExportMenu</source>
        <translation>导出菜单</translation>
    </message>
    <message>
        <source>   Screenshot</source>
        <translation>   截图</translation>
    </message>
    <message>
        <source>   PDF</source>
        <translation>   PDF</translation>
    </message>
    <message>
        <source>   EXCEL</source>
        <translation>   Excel</translation>
    </message>
</context>
<context>
    <name>GroupImporter</name>
    <message>
        <source>Import groups...</source>
        <translation>导入设备组...</translation>
    </message>
    <message>
        <source>Import groups</source>
        <translation>导入设备组</translation>
    </message>
    <message>
        <source>Group tables (*.csv *.xlsx);;CSV (*.csv);;Excel workbooks (*.xlsx)</source>
        <translation>设备组表 (*.csv *.xlsx);;CSV 文件 (*.csv);;Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>正在读取 %1...</translation>
    </message>
</context>
<context>
    <name>GroupRule</name>
    <message>
        <source>key &quot;%1&quot; is out of range, expected %2.</source>
        <translation>键“%1”超出范围，应为 %2。</translation>
    </message>
    <message>
        <source>IPC or DVR</source>
        <translation>IPC 或 DVR</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>1 到 %1 之间的整数</translation>
    </message>
    <message>
        <source>a number above 0 and at most %1</source>
        <translation>大于 0 且不超过 %1 的数</translation>
    </message>
    <message>
        <source>a number from 0 to %1</source>
        <translation>0 到 %1 之间的数</translation>
    </message>
    <message>
        <source>a number above 0 and at most 1</source>
        <translation>大于 0 且不超过 1 的数</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>%1 到 %2 之间的数</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>%1 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>a number above %1 and below %2</source>
        <translation>大于 %1 且小于 %2 的数</translation>
    </message>
</context>
<context>
    <name>GroupTableReader</name>
    <message>
        <source>a number above %1 and at most %2</source>
        <translation>大于 %1 且不超过 %2 的数</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>%1 到 %2 之间的数</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>%1 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>%1 之一</translation>
    </message>
    <message>
        <source>the id of a switch of the plan; nearest: %1</source>
        <translation>方案中某台交换机的 id；最接近的是：%1</translation>
    </message>
    <message>
        <source>the id of a recorder of the plan; nearest: %1</source>
        <translation>方案中某台录像机的 id；最接近的是：%1</translation>
    </message>
    <message>
        <source>none (the plan has none)</source>
        <translation>无（方案中没有）</translation>
    </message>
    <message>
        <source>a name the data tables list; nearest: %1</source>
        <translation>数据表中列出的名称；最接近的是：%1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>a rate (no rate of the tables fits the row)</source>
        <translation>码率（数据表中没有适合该行的码率）</translation>
    </message>
    <message>
        <source>empty when &quot;%1&quot; gives the angle</source>
        <translation>在由“%1”给出视角时应为空</translation>
    </message>
    <message>
        <source>a number above %1 and below %2</source>
        <translation>大于 %1 且小于 %2 的数</translation>
    </message>
    <message>
        <source>the angle, or a focal length and a sensor width, for the distance</source>
        <translation>视角，或焦距和传感器宽度（给出距离时需要）</translation>
    </message>
    <message>
        <source>the distance to the target (the row gives a view)</source>
        <translation>到目标的距离（该行给出了视野）</translation>
    </message>
    <message>
        <source>%1: no heading of a group table was found (the first rows should name columns such as %2, %3, %4 and %5).</source>
        <translation>%1：未找到设备组表的表头（前几行应包含 %2、%3、%4 和 %5 等列名）。</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2).</source>
        <translation>%1：无法读取（%2）。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>文件 %1：%2。</translation>
    </message>
    <message>
        <source>%1: the file is empty.</source>
        <translation>%1：文件为空。</translation>
    </message>
    <message>
        <source>%1: not a table: neither CSV text (UTF-8) nor an Excel workbook (.xlsx).</source>
        <translation>%1：不是表格：既不是 CSV 文本 (UTF-8)，也不是 Excel 工作簿 (.xlsx)。</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Import groups</source>
        <translation>导入设备组</translation>
    </message>
    <message numerus="yes">
        <source>%n groups to add</source>
        <translation>
            <numerusform>待添加 %n 个设备组</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>文件 %1：%2。</translation>
    </message>
    <message>
        <source>%1: %2; %3 left out (see their reasons below).</source>
        <translation>%1：%2；%3，已略去（原因见下方）。</translation>
    </message>
    <message numerus="yes">
        <source>%n rows refused</source>
        <translation>
            <numerusform>%n 行被拒绝</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n groups</source>
        <translation>
            <numerusform>添加 %n 个设备组</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>Refused: %1</source>
        <translation>已拒绝：%1</translation>
    </message>
    <message>
        <source>Refused: %1 is &quot;%2&quot;, expected %3.</source>
        <translation>已拒绝：%1 为“%2”，应为 %3。</translation>
    </message>
    <message>
        <source>Scene: %1</source>
        <translation>场景：%1</translation>
    </message>
    <message>
        <source>To add</source>
        <translation>待添加</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>行号</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>通道数</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>码流数</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Rate (kbps)</source>
        <translation>码率 (kbps)</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
</context>
<context>
    <name>LinkQuestion</name>
    <message>
        <source>IPC</source>
        <translation>IPC</translation>
    </message>
    <message>
        <source>DVR</source>
        <translation>DVR</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>Main stream</source>
        <translation>主码流</translation>
    </message>
    <message>
        <source>Sub stream</source>
        <translation>子码流</translation>
    </message>
    <message>
        <source>Enter the bandwidth in Mbps as a plain number, such as 2.5.</source>
        <translation>请以普通数字输入带宽（Mbps），例如 2.5。</translation>
    </message>
    <message>
        <source>Setting Parameters :</source>
        <translation>参数设置：</translation>
    </message>
    <message>
        <source>Device Type :</source>
        <translation>设备类型：</translation>
    </message>
    <message>
        <source>Custom BandWidth (Mbps) :</source>
        <translation>自定义带宽 (Mbps)：</translation>
    </message>
    <message>
        <source>Net Link :</source>
        <translation>网络链路：</translation>
    </message>
    <message>
        <source>Select BandWidth :</source>
        <translation>选择带宽：</translation>
    </message>
    <message>
        <source>Video Standard :</source>
        <translation>视频制式：</translation>
    </message>
    <message>
        <source>Encoding Type :</source>
        <translation>编码类型：</translation>
    </message>
    <message>
        <source>Stream Type :</source>
        <translation>码流类型：</translation>
    </message>
    <message>
        <source>Stream Count :</source>
        <translation>码流数量：</translation>
    </message>
</context>
<context>
    <name>NetworkCheck</name>
    <message>
        <source>%1&apos;s uplink carries %2 Mbps of %3 (%4 %): more than 70 %; move groups to another switch or give it a faster uplink.</source>
        <translation>%1 的上行链路承载 %2 Mbps，容量为 %3（%4 %）：超过 70 %；请把设备组移到其他交换机，或为其换用更快的上行链路。</translation>
    </message>
    <message>
        <source>%1&apos;s uplink carries %2 Mbps of %3 (%4 %): more than it can carry; move groups to another switch or give it a faster uplink.</source>
        <translation>%1 的上行链路承载 %2 Mbps，容量为 %3（%4 %）：超出其承载能力；请把设备组移到其他交换机，或为其换用更快的上行链路。</translation>
    </message>
    <message>
        <source>%1 needs %2 ports and has %3: use a switch with more ports, or move groups to another switch.</source>
        <translation>%1 需要 %2 个端口，但只有 %3 个：请使用端口更多的交换机，或把设备组移到其他交换机。</translation>
    </message>
    <message>
        <source>%1 has no PoE budget and its cameras draw %2 W: use a PoE switch, or give the cameras their own supply.</source>
        <translation>%1 没有 PoE 预算，而其摄像机需要 %2 W：请使用 PoE 交换机，或为摄像机单独供电。</translation>
    </message>
    <message>
        <source>%1&apos;s cameras draw %2 W of its %3 W PoE budget (%4 %): more than 90 %; give it a larger PoE budget, or move cameras to another switch.</source>
        <translation>%1 的摄像机消耗 %2 W，其 PoE 预算为 %3 W（%4 %）：超过 90 %；请为其提供更大的 PoE 预算，或把摄像机移到其他交换机。</translation>
    </message>
    <message>
        <source>%1&apos;s cameras draw %2 W of its %3 W PoE budget (%4 %): more than it gives; give it a larger PoE budget, or move cameras to another switch.</source>
        <translation>%1 的摄像机消耗 %2 W，其 PoE 预算为 %3 W（%4 %）：超出其供电能力；请为其提供更大的 PoE 预算，或把摄像机移到其他交换机。</translation>
    </message>
    <message>
        <source>%1 records %2 channels and takes %3: use a recorder with more channels, or move groups to another recorder.</source>
        <translation>%1 录制 %2 个通道，但只能接入 %3 个：请使用通道更多的录像机，或把设备组移到其他录像机。</translation>
    </message>
    <message>
        <source>%1 records %2 Mbps of %3 (%4 %): more than 70 %; move groups to another recorder, or use one with a higher input rate.</source>
        <translation>%1 录制 %2 Mbps，输入带宽为 %3（%4 %）：超过 70 %；请把设备组移到其他录像机，或使用输入带宽更高的录像机。</translation>
    </message>
    <message>
        <source>%1 records %2 Mbps of %3 (%4 %): more than it takes in; move groups to another recorder, or use one with a higher input rate.</source>
        <translation>%1 录制 %2 Mbps，输入带宽为 %3（%4 %）：超出其输入带宽；请把设备组移到其他录像机，或使用输入带宽更高的录像机。</translation>
    </message>
    <message>
        <source>%1 needs %2 disks for the days asked and has %3 bays: use a recorder with more bays or larger disks, or keep fewer days.</source>
        <translation>%1 要保存所要求的天数需要 %2 块硬盘，但只有 %3 个盘位：请使用盘位更多的录像机或容量更大的硬盘，或减少保存天数。</translation>
    </message>
    <message>
        <source>The site uplink carries %1 Mbps of %2 (%3 %): more than 70 %; record more groups on site, or choose a faster uplink.</source>
        <translation>站点上行链路承载 %1 Mbps，容量为 %2（%3 %）：超过 70 %；请让更多设备组在现场录像，或选择更快的上行链路。</translation>
    </message>
    <message>
        <source>The site uplink carries %1 Mbps of %2 (%3 %): more than it can carry; record more groups on site, or choose a faster uplink.</source>
        <translation>站点上行链路承载 %1 Mbps，容量为 %2（%3 %）：超出其承载能力；请让更多设备组在现场录像，或选择更快的上行链路。</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Add switch</source>
        <translation>添加交换机</translation>
    </message>
    <message>
        <source>Add recorder</source>
        <translation>添加录像机</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>编辑...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>设备组</translation>
    </message>
    <message>
        <source>Ports / channels</source>
        <translation>端口 / 通道</translation>
    </message>
    <message>
        <source>A recorder is plugged into a switch: add a switch first.</source>
        <translation>录像机需接入交换机：请先添加交换机。</translation>
    </message>
    <message>
        <source>Problems: %1</source>
        <translation>问题：%1</translation>
    </message>
    <message>
        <source>Choose a switch or recorder to see its groups.</source>
        <translation>选择交换机或录像机以查看其设备组。</translation>
    </message>
    <message>
        <source>Groups recording to %1: %2</source>
        <translation>录像到 %1 的设备组：%2</translation>
    </message>
    <message>
        <source>Groups on %1: %2</source>
        <translation>接入 %1 的设备组：%2</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>交换机 %1</translation>
    </message>
    <message>
        <source>Recorder %1</source>
        <translation>录像机 %1</translation>
    </message>
    <message>
        <source>Edit switch</source>
        <translation>编辑交换机</translation>
    </message>
    <message>
        <source>Edit recorder</source>
        <translation>编辑录像机</translation>
    </message>
    <message>
        <source>Its parent, %1</source>
        <translation>其上级 %1</translation>
    </message>
    <message>
        <source>None (site uplink)</source>
        <translation>无（站点上行链路）</translation>
    </message>
    <message>
        <source>%1 holds recorders, and there is no other switch they could be plugged into. Add a switch or move its recorders first.</source>
        <translation>%1 下接有录像机，且没有其他交换机可供它们接入。请先添加交换机，或移走其录像机。</translation>
    </message>
    <message>
        <source>%1 holds %2 groups and %3 switches or recorders. Where do they go?</source>
        <translation>%1 下接有 %2 个设备组和 %3 台交换机或录像机。要将它们移到哪里？</translation>
    </message>
    <message>
        <source>Delete switch</source>
        <translation>删除交换机</translation>
    </message>
    <message>
        <source>Delete recorder</source>
        <translation>删除录像机</translation>
    </message>
    <message>
        <source>%1 records %2 groups. Where do they record now?</source>
        <translation>%1 为 %2 个设备组录像。这些设备组今后录像到哪里？</translation>
    </message>
    <message>
        <source>Record groups to %1</source>
        <translation>将设备组录像到 %1</translation>
    </message>
    <message>
        <source>Move groups to %1</source>
        <translation>将设备组移到 %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n group(s). Where do they go?</source>
        <translation>
            <numerusform>%1 下有 %n 个设备组。它们移到哪里？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NetworkPlaceEditor</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Switch :</source>
        <translation>交换机：</translation>
    </message>
    <message>
        <source>Recorder :</source>
        <translation>录像机：</translation>
    </message>
    <message>
        <source>None (own supply)</source>
        <translation>无（独立供电）</translation>
    </message>
    <message>
        <source>PoE class :</source>
        <translation>PoE 等级：</translation>
    </message>
    <message>
        <source>Class %1 (%2 W)</source>
        <translation>等级 %1（%2 W）</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>PoE %1</source>
        <translation>PoE 等级 %1</translation>
    </message>
    <message>
        <source>Network : %1</source>
        <translation>网络：%1</translation>
    </message>
</context>
<context>
    <name>NetworkTreeModel</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>设备组</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>负载</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>利用率</translation>
    </message>
    <message>
        <source>Ports / channels</source>
        <translation>端口 / 通道</translation>
    </message>
    <message>
        <source>PoE / disks</source>
        <translation>PoE / 硬盘</translation>
    </message>
    <message>
        <source>%1 (switch %2)</source>
        <translation>%1（交换机 %2）</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1，容量 %2</translation>
    </message>
    <message>
        <source>%1 (recorder %2)</source>
        <translation>%1（录像机 %2）</translation>
    </message>
    <message>
        <source>%1 / %2 ch</source>
        <translation>%1 / %2 路</translation>
    </message>
    <message>
        <source>%1 / %2 disks</source>
        <translation>%1 块 / %2 盘位</translation>
    </message>
    <message>
        <source>%1 disks</source>
        <translation>%1 块硬盘</translation>
    </message>
</context>
<context>
    <name>PdfReportWriter</name>
    <message>
        <source>Cannot write %1: the PDF could not be drawn</source>
        <translation>无法写入 %1：PDF 无法生成</translation>
    </message>
</context>
<context>
    <name>PixelDensity</name>
    <message>
        <source>Below monitor</source>
        <translation>低于监视</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>监视</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>探测</translation>
    </message>
    <message>
        <source>Observe</source>
        <translation>观察</translation>
    </message>
    <message>
        <source>Recognise</source>
        <translation>识别</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>辨认</translation>
    </message>
    <message>
        <source>Inspect</source>
        <translation>检查</translation>
    </message>
</context>
<context>
    <name>PlanEditor</name>
    <message>
        <source>Add %1</source>
        <translation>添加 %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>删除 %1</translation>
    </message>
    <message>
        <source>Change plan settings</source>
        <translation>修改方案设置</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>编辑 %1</translation>
    </message>
    <message>
        <source>Clear all groups</source>
        <translation>清空所有设备组</translation>
    </message>
    <message>
        <source>Switch to %1</source>
        <translation>切换到 %1</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>Change the uplink</source>
        <translation>修改上行链路</translation>
    </message>
    <message>
        <source>Change plan properties</source>
        <translation>修改方案属性</translation>
    </message>
    <message numerus="yes">
        <source>Import %n groups</source>
        <translation>
            <numerusform>导入 %n 个设备组</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n groups</source>
        <translation>
            <numerusform>删除 %n 个设备组</numerusform>
        </translation>
    </message>
    <message>
        <source>Change the network</source>
        <translation>修改网络</translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>a text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>%1 之一</translation>
    </message>
    <message>
        <source>a number above %1 and at most %2</source>
        <translation>大于 %1 且不超过 %2 的数</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>%1 到 %2 之间的数</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>%1 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>对象</translation>
    </message>
    <message>
        <source>%1key &quot;%2&quot; is %3, expected %4.</source>
        <translation>%1键“%2”的值为 %3，应为 %4。</translation>
    </message>
    <message>
        <source>%1key &quot;%2&quot; is missing.</source>
        <translation>%1缺少键“%2”。</translation>
    </message>
    <message>
        <source>not a plan file (no JSON object: %1 at byte %2).</source>
        <translation>不是方案文件（不是 JSON 对象：%1，位于第 %2 字节）。</translation>
    </message>
    <message>
        <source>another JSON value</source>
        <translation>其他 JSON 值</translation>
    </message>
    <message>
        <source>not a plan file (&quot;format&quot; is not &quot;%1&quot;).</source>
        <translation>不是方案文件（“format”不是“%1”）。</translation>
    </message>
    <message>
        <source>written by a newer version of the program (plan version %1; this one reads %2).</source>
        <translation>由更新版本的程序写入（方案版本 %1；本程序可读取 %2）。</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>a list of groups</source>
        <translation>设备组列表</translation>
    </message>
    <message>
        <source>not an object.</source>
        <translation>不是对象。</translation>
    </message>
    <message>
        <source>the name of a scene (the group uses a scene rate)</source>
        <translation>场景名称（该设备组使用场景码率）</translation>
    </message>
    <message>
        <source>a number no other group has</source>
        <translation>其他设备组未使用的编号</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2).</source>
        <translation>%1：无法读取（%2）。</translation>
    </message>
    <message>
        <source>storage:</source>
        <translation>存储：</translation>
    </message>
    <message>
        <source>group %1 (%2):</source>
        <translation>第 %1 组（%2）：</translation>
    </message>
    <message>
        <source>group %1 (%2): recording:</source>
        <translation>第 %1 组（%2）：录像：</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>一个列表</translation>
    </message>
    <message>
        <source>%1: group %2 (%3): %4</source>
        <translation>%1：第 %2 组（%3）：%4</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>不超过 %1 个字符的文本</translation>
    </message>
    <message>
        <source>the base64 of a PNG or JPEG picture of at most %1 MiB</source>
        <translation>不超过 %1 MiB 的 PNG 或 JPEG 图片的 base64 编码</translation>
    </message>
    <message>
        <source>absent when &quot;hfovDeg&quot; gives the angle</source>
        <translation>在由“hfovDeg”给出视角时不应出现</translation>
    </message>
    <message>
        <source>a number above %1 and below %2</source>
        <translation>大于 %1 且小于 %2 的数</translation>
    </message>
    <message>
        <source>key &quot;hfovDeg&quot; or &quot;focalMm&quot; is missing.</source>
        <translation>缺少键“hfovDeg”或“focalMm”。</translation>
    </message>
    <message>
        <source>group %1 (%2): view:</source>
        <translation>设备组 %1（%2）：视野：</translation>
    </message>
    <message>
        <source>network:</source>
        <translation>网络：</translation>
    </message>
    <message>
        <source>a list of switches</source>
        <translation>交换机列表</translation>
    </message>
    <message>
        <source>a list of recorders</source>
        <translation>录像机列表</translation>
    </message>
    <message>
        <source>a text of 1 to %1 characters</source>
        <translation>1 到 %1 个字符的文本</translation>
    </message>
    <message>
        <source>switch %1 (%2):</source>
        <translation>交换机 %1（%2）：</translation>
    </message>
    <message>
        <source>recorder %1 (%2):</source>
        <translation>录像机 %1（%2）：</translation>
    </message>
    <message>
        <source>the id of a switch, or absent</source>
        <translation>交换机的 id，或省略</translation>
    </message>
    <message>
        <source>the id of a recorder, or absent</source>
        <translation>录像机的 id，或省略</translation>
    </message>
    <message>
        <source>an id no other switch or recorder has</source>
        <translation>其他交换机或录像机未使用的 id</translation>
    </message>
    <message>
        <source>the id of a switch</source>
        <translation>交换机的 id</translation>
    </message>
    <message>
        <source>the id of another switch, or &quot;&quot;</source>
        <translation>另一台交换机的 id，或 &quot;&quot;</translation>
    </message>
    <message>
        <source>a switch that is not below this one (the parents make a loop)</source>
        <translation>不在本交换机之下的交换机（上级关系形成了环路）</translation>
    </message>
    <message>
        <source>the id of a switch of the plan&apos;s network</source>
        <translation>方案网络中某台交换机的 id</translation>
    </message>
    <message>
        <source>the id of a recorder of the plan&apos;s network</source>
        <translation>方案网络中某台录像机的 id</translation>
    </message>
</context>
<context>
    <name>PlanFileController</name>
    <message>
        <source>New plan</source>
        <translation>新建方案</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>打开...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Recent plans</source>
        <translation>最近的方案</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Vantrel plans (*.vantrel)</source>
        <translation>Vantrel 方案 (*.vantrel)</translation>
    </message>
    <message>
        <source>Open plan</source>
        <translation>打开方案</translation>
    </message>
    <message>
        <source>Save plan</source>
        <translation>保存方案</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未保存的修改</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Vantrel</source>
        <translation>Vantrel</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>The plan was not opened; the open plan is unchanged.
%1</source>
        <translation>方案未打开；当前方案保持不变。
%1</translation>
    </message>
    <message>
        <source>The plan was not saved.
%1</source>
        <translation>方案未保存。
%1</translation>
    </message>
    <message>
        <source>The plan %1 has unsaved changes. Save them?</source>
        <translation>方案 %1 有未保存的修改。是否保存？</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>示例方案</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>正在打开 %1...</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>正在保存 %1...</translation>
    </message>
    <message>
        <source> (not backed up)</source>
        <translation> （未备份）</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 已存在。是否替换？</translation>
    </message>
    <message>
        <source>The recovery file %1 cannot be restored, nor moved aside; it is left as it is.
%2</source>
        <translation>恢复文件 %1 无法恢复，也无法移到一旁；它保持原样。
%2</translation>
    </message>
    <message>
        <source>The recovery file %1 cannot be restored. It is kept as %2.
%3</source>
        <translation>恢复文件 %1 无法恢复，已另存为 %2。
%3</translation>
    </message>
    <message>
        <source>Vantrel did not close properly last time.</source>
        <translation>Vantrel 上次未正常关闭。</translation>
    </message>
    <message>
        <source>Later changes could not be kept for recovery, so this copy is older than the work that was lost.</source>
        <translation>之后的更改未能保存到恢复文件，因此此副本比丢失的工作要旧。</translation>
    </message>
    <message>
        <source>It belongs to %1; Save writes to that file.</source>
        <translation>它属于 %1；保存时将写入该文件。</translation>
    </message>
    <message>
        <source>It names %1, which is not a plan that can be read; Save asks where to save it.</source>
        <translation>它指向 %1，但该文件不是可读取的方案；保存时会询问保存位置。</translation>
    </message>
    <message>
        <source>Changes to this plan cannot be kept for recovery, so a crash would lose them; save the plan to keep them. The title shows &quot;not backed up&quot; until a copy can be written again.
%1</source>
        <translation>此方案的更改无法保存到恢复文件，程序崩溃时将会丢失；请保存方案以保留更改。在能够再次写入副本之前，标题栏会显示“未备份”。
%1</translation>
    </message>
    <message>
        <source>Vantrel opens one plan at a time. These were not opened:
%1</source>
        <translation>Vantrel 一次只打开一个方案。以下文件未打开：
%1</translation>
    </message>
    <message numerus="yes">
        <source>Restore the older copy (%n groups, saved for recovery at %1)?</source>
        <translation>
            <numerusform>是否恢复这个较旧的副本（%n 个设备组，保存于 %1）？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore the plan you were working on (%n groups, saved for recovery at %1)?</source>
        <translation>
            <numerusform>是否恢复当时正在编辑的方案（%n 个设备组，保存于 %1）？</numerusform>
        </translation>
    </message>
    <message>
        <source>Plan properties...</source>
        <translation>方案属性...</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>与其他方案对比...</translation>
    </message>
    <message>
        <source>The plan was not compared.
%1</source>
        <translation>方案未进行对比。
%1</translation>
    </message>
</context>
<context>
    <name>PlanNameCheck</name>
    <message>
        <source>%1: group %2 (%3):</source>
        <translation>%1：第 %2 组（%3）：</translation>
    </message>
    <message>
        <source>%1 key &quot;%2&quot; is &quot;%3&quot;, which the data tables do not list; nearest: %4.</source>
        <translation>%1键“%2”的值为“%3”，数据表中没有该项；最接近的是：%4。</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>PlanProperties</name>
    <message>
        <source>a PNG or JPEG picture</source>
        <translation>PNG 或 JPEG 图片</translation>
    </message>
    <message>
        <source>a picture of at most %1 MiB</source>
        <translation>不超过 %1 MiB 的图片</translation>
    </message>
</context>
<context>
    <name>PlanPropertiesDialog</name>
    <message>
        <source>Plan properties</source>
        <translation>方案属性</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>选择...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Site name</source>
        <translation>现场名称</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>设计人</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>标志</translation>
    </message>
    <message>
        <source>Choose a logo</source>
        <translation>选择标志</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>图片 (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>无法读取 %1（%2）。</translation>
    </message>
    <message>
        <source>a PNG or JPEG picture</source>
        <translation>PNG 或 JPEG 图片</translation>
    </message>
    <message>
        <source>a picture that can be read</source>
        <translation>可读取的图片</translation>
    </message>
    <message>
        <source>%1 was not taken as the logo; a logo must be %2.</source>
        <translation>%1 未被用作标志；标志必须是%2。</translation>
    </message>
    <message>
        <source>No logo</source>
        <translation>无标志</translation>
    </message>
    <message>
        <source>The logo cannot be shown</source>
        <translation>无法显示该标志</translation>
    </message>
</context>
<context>
    <name>PlanRecovery</name>
    <message>
        <source>Cannot write %1: an unreadable recovery file is kept there</source>
        <translation>无法写入 %1：那里保留着一个无法读取的恢复文件</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a link and cannot be removed</source>
        <translation>无法写入 %1：它是一个链接，且无法删除</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>It is a link to %1, which was not read.</source>
        <translation>它是指向 %1 的链接，未被读取。</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>它不是一个文件。</translation>
    </message>
    <message>
        <source>It is too large for a plan (%1 bytes).</source>
        <translation>它太大，不可能是方案（%1 字节）。</translation>
    </message>
</context>
<context>
    <name>PrintModule</name>
    <message>
        <source>the printing module %1 could not be loaded (%2)</source>
        <translation>无法加载打印模块 %1（%2）</translation>
    </message>
    <message>
        <source>it has no function %1</source>
        <translation>其中没有函数 %1</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>文件不存在</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Vantrel</source>
        <translation>Vantrel</translation>
    </message>
</context>
<context>
    <name>RecorderDialog</name>
    <message>
        <source>Add recorder</source>
        <translation>添加录像机</translation>
    </message>
    <message>
        <source>Edit recorder</source>
        <translation>编辑录像机</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Switch :</source>
        <translation>交换机：</translation>
    </message>
    <message>
        <source>Channels :</source>
        <translation>通道数：</translation>
    </message>
    <message>
        <source>Input :</source>
        <translation>输入带宽：</translation>
    </message>
    <message>
        <source>Not counted</source>
        <translation>不计</translation>
    </message>
    <message>
        <source>Drive bays :</source>
        <translation>盘位数：</translation>
    </message>
</context>
<context>
    <name>RecordingEditor</name>
    <message>
        <source>Continuous</source>
        <translation>连续</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Recorded streams per channel</source>
        <translation>每个通道录像的码流数</translation>
    </message>
    <message>
        <source>Streams :</source>
        <translation>码流：</translation>
    </message>
    <message>
        <source>Hours recorded per day</source>
        <translation>每天录像小时数</translation>
    </message>
    <message>
        <source>Days the recordings are kept</source>
        <translation>录像保存天数</translation>
    </message>
    <message>
        <source>Share of the hours with events, in percent</source>
        <translation>有事件的时长占比（百分比）</translation>
    </message>
    <message>
        <source>Events % :</source>
        <translation>事件 %：</translation>
    </message>
    <message>
        <source>Hours/day :</source>
        <translation>每天小时数：</translation>
    </message>
    <message>
        <source>Days kept :</source>
        <translation>保存天数：</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>模式：</translation>
    </message>
    <message>
        <source>events %1 %</source>
        <translation>事件 %1 %</translation>
    </message>
    <message>
        <source>continuous</source>
        <translation>连续</translation>
    </message>
    <message>
        <source>Recording : %1, %2 h, %3 d</source>
        <translation>录像：%1，%2 小时，%3 天</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>混合</translation>
    </message>
    <message>
        <source>Mixed: everything is kept the days kept, event clips on to their own days</source>
        <translation>混合：全部录像按保存天数保存，事件片段继续保存到其自身的天数</translation>
    </message>
    <message>
        <source>Days the event clips are kept, at least the days kept</source>
        <translation>事件片段的保存天数，不少于保存天数</translation>
    </message>
    <message>
        <source>Events kept :</source>
        <translation>事件保存：</translation>
    </message>
    <message>
        <source> h</source>
        <translation> 小时</translation>
    </message>
    <message>
        <source>Of the hours recorded, those at night</source>
        <translation>录像小时中属于夜间的小时数</translation>
    </message>
    <message>
        <source>The rate at night over the rate by day (infrared noise raises it)</source>
        <translation>夜间码率是白天的几倍（红外噪声会使码率升高）</translation>
    </message>
    <message>
        <source>Night :</source>
        <translation>夜间：</translation>
    </message>
    <message>
        <source>Audio recorded per channel, in kbps</source>
        <translation>每个通道录制的音频，单位 kbps</translation>
    </message>
    <message>
        <source>Audio kbps :</source>
        <translation>音频 kbps：</translation>
    </message>
    <message>
        <source>mixed, events %1 % %2 d</source>
        <translation>混合，事件 %1 % %2 天</translation>
    </message>
</context>
<context>
    <name>ReportExporter</name>
    <message>
        <source>Print...</source>
        <translation>打印...</translation>
    </message>
    <message>
        <source>Vantrel</source>
        <translation>Vantrel</translation>
    </message>
    <message>
        <source>The report was saved to %1.</source>
        <translation>报告已保存到 %1。</translation>
    </message>
    <message>
        <source>The report was not saved.
%1</source>
        <translation>报告未保存。
%1</translation>
    </message>
    <message>
        <source>Export the report as PDF</source>
        <translation>将报告导出为 PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Export the report for Excel</source>
        <translation>将报告导出为 Excel</translation>
    </message>
    <message>
        <source>Save a screenshot</source>
        <translation>保存截图</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>Cannot write %1: the window could not be captured</source>
        <translation>无法写入 %1：无法截取窗口</translation>
    </message>
    <message>
        <source>The screenshot was saved to %1.</source>
        <translation>截图已保存到 %1。</translation>
    </message>
    <message>
        <source>The screenshot was not saved.
%1</source>
        <translation>截图未保存。
%1</translation>
    </message>
    <message>
        <source>The report could not be printed on %1.</source>
        <translation>无法在 %1 上打印报告。</translation>
    </message>
    <message>
        <source>Writing the report %1...</source>
        <translation>正在生成报告 %1...</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 已存在。是否替换？</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be printed: %1.</source>
        <translation>无法打印报告：%1。</translation>
    </message>
</context>
<context>
    <name>ReportPages</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
</context>
<context>
    <name>ReportTexts</name>
    <message>
        <source>Network plan</source>
        <translation>网络规划</translation>
    </message>
    <message>
        <source>Network plan: %1</source>
        <translation>网络规划：%1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>日期：%1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>通道数</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>码流数</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Rate (kbps)</source>
        <translation>码率 (kbps)</translation>
    </message>
    <message>
        <source>Bandwidth (kbps)</source>
        <translation>带宽 (kbps)</translation>
    </message>
    <message>
        <source>Share (%)</source>
        <translation>占比 (%)</translation>
    </message>
    <message>
        <source>Storage (TB)</source>
        <translation>存储 (TB)</translation>
    </message>
    <message>
        <source>Channels × streams</source>
        <translation>通道数 × 码流数</translation>
    </message>
    <message>
        <source>Scene: %1</source>
        <translation>场景：%1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Device groups</source>
        <translation>设备组</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>合计</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Bandwidth per group</source>
        <translation>各设备组带宽</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>设备组</translation>
    </message>
    <message>
        <source>IPC channels</source>
        <translation>IPC 通道数</translation>
    </message>
    <message>
        <source>DVR channels</source>
        <translation>DVR 通道数</translation>
    </message>
    <message>
        <source>Total bandwidth</source>
        <translation>总带宽</translation>
    </message>
    <message>
        <source>Total bandwidth (kbps)</source>
        <translation>总带宽 (kbps)</translation>
    </message>
    <message>
        <source>Recorded data (TB)</source>
        <translation>录像数据量 (TB)</translation>
    </message>
    <message>
        <source>Data disks</source>
        <translation>数据盘数</translation>
    </message>
    <message>
        <source>Disks to buy</source>
        <translation>需购硬盘数</translation>
    </message>
    <message>
        <source>RAID</source>
        <translation>RAID 级别</translation>
    </message>
    <message>
        <source>Disk size (TB)</source>
        <translation>硬盘容量 (TB)</translation>
    </message>
    <message>
        <source>Hot spares</source>
        <translation>热备盘数</translation>
    </message>
    <message>
        <source>Uplink</source>
        <translation>上行链路</translation>
    </message>
    <message>
        <source>Bandwidth (%1)</source>
        <translation>带宽 (%1)</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>设计人</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>现场</translation>
    </message>
    <message>
        <source>Detail (px/m)</source>
        <translation>细节（像素/米）</translation>
    </message>
    <message>
        <source>Level met</source>
        <translation>达到等级</translation>
    </message>
    <message>
        <source>Level required</source>
        <translation>要求等级</translation>
    </message>
    <message>
        <source>Farthest (m)</source>
        <translation>最远距离 (m)</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>细节</translation>
    </message>
    <message>
        <source>%1 px/m, %2</source>
        <translation>%1 像素/米，%2</translation>
    </message>
    <message>
        <source>%1, below %2</source>
        <translation>%1，低于%2</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>场景</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>录像方式</translation>
    </message>
    <message>
        <source>Hours per day</source>
        <translation>每天录像小时数</translation>
    </message>
    <message>
        <source>Event share</source>
        <translation>事件占比</translation>
    </message>
    <message>
        <source>Retention (days)</source>
        <translation>保存天数</translation>
    </message>
    <message>
        <source>Recorded streams</source>
        <translation>录像码流数</translation>
    </message>
    <message>
        <source>Night hours</source>
        <translation>夜间小时数</translation>
    </message>
    <message>
        <source>Night factor</source>
        <translation>夜间码率系数</translation>
    </message>
    <message>
        <source>Audio (kbps)</source>
        <translation>音频 (kbps)</translation>
    </message>
    <message>
        <source>Event retention (days)</source>
        <translation>事件保存天数</translation>
    </message>
    <message>
        <source>Field of view (°)</source>
        <translation>水平视场角 (°)</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>焦距 (mm)</translation>
    </message>
    <message>
        <source>Sensor width (mm)</source>
        <translation>传感器宽度 (mm)</translation>
    </message>
    <message>
        <source>Distance (m)</source>
        <translation>距离 (m)</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>交换机</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>录像机</translation>
    </message>
    <message>
        <source>PoE class</source>
        <translation>PoE 等级</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>标识</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>上级</translation>
    </message>
    <message>
        <source>Uplink load (Mbps)</source>
        <translation>上行负载 (Mbps)</translation>
    </message>
    <message>
        <source>Uplink capacity (Mbps)</source>
        <translation>上行容量 (Mbps)</translation>
    </message>
    <message>
        <source>Utilisation (%)</source>
        <translation>利用率 (%)</translation>
    </message>
    <message>
        <source>Ports used</source>
        <translation>已用端口数</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>端口数</translation>
    </message>
    <message>
        <source>PoE (W)</source>
        <translation>PoE 功率 (W)</translation>
    </message>
    <message>
        <source>PoE budget (W)</source>
        <translation>PoE 预算 (W)</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Channels used</source>
        <translation>已用通道数</translation>
    </message>
    <message>
        <source>Input load (Mbps)</source>
        <translation>输入负载 (Mbps)</translation>
    </message>
    <message>
        <source>Input capacity (Mbps)</source>
        <translation>输入容量 (Mbps)</translation>
    </message>
    <message>
        <source>Disks</source>
        <translation>硬盘数</translation>
    </message>
    <message>
        <source>Bays</source>
        <translation>盘位数</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>对象</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>检查项</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>What to change</source>
        <translation>修改建议</translation>
    </message>
    <message>
        <source>Uplink load / capacity (Mbps)</source>
        <translation>上行负载 / 容量 (Mbps)</translation>
    </message>
    <message>
        <source>Ports used / ports</source>
        <translation>已用端口 / 端口数</translation>
    </message>
    <message>
        <source>PoE / budget (W)</source>
        <translation>PoE 功率 / 预算 (W)</translation>
    </message>
    <message>
        <source>Channels used / channels</source>
        <translation>已用通道 / 通道数</translation>
    </message>
    <message>
        <source>Input load / capacity (Mbps)</source>
        <translation>输入负载 / 容量 (Mbps)</translation>
    </message>
    <message>
        <source>Disks / bays</source>
        <translation>硬盘 / 盘位</translation>
    </message>
    <message>
        <source>Near limit</source>
        <translation>接近上限</translation>
    </message>
    <message>
        <source>Over limit</source>
        <translation>超限</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>设备组</translation>
    </message>
    <message>
        <source>PoE</source>
        <translation>PoE 功率</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入带宽</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>天数</translation>
    </message>
    <message>
        <source>Switch %1 (%2)</source>
        <translation>交换机 %1（%2）</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>交换机 %1</translation>
    </message>
    <message>
        <source>Recorder %1 (%2)</source>
        <translation>录像机 %1（%2）</translation>
    </message>
    <message>
        <source>Recorder %1</source>
        <translation>录像机 %1</translation>
    </message>
    <message>
        <source>Group %1 (%2)</source>
        <translation>设备组 %1（%2）</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>设备组 %1</translation>
    </message>
    <message>
        <source>%1, %2: %3 of %4 %5</source>
        <translation>%1，%2：%3，上限 %4 %5</translation>
    </message>
    <message>
        <source>ports</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>disks</source>
        <translation>硬盘</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>交换机列表</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>录像机列表</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>No problems: every figure is within its limit.</source>
        <translation>没有问题：所有数值都在上限以内。</translation>
    </message>
</context>
<context>
    <name>ScenceSelector</name>
    <message>
        <source>ScenceSelector</source>
        <translation>场景选择</translation>
    </message>
    <message>
        <source>Scence:</source>
        <translation>场景：</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-weight:600; color:#acacac;&quot;&gt;Get Picture Failure&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-weight:600; color:#acacac;&quot;&gt;获取图片失败&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Get Picture Failure</source>
        <translation>获取图片失败</translation>
    </message>
</context>
<context>
    <name>SceneSetInstaller</name>
    <message>
        <source>Cannot create %1</source>
        <translation>无法创建 %1</translation>
    </message>
    <message>
        <source>Cannot copy the pictures %1 (%2)</source>
        <translation>无法复制图片 %1（%2）</translation>
    </message>
    <message>
        <source>The shipped scenes are missing: %1</source>
        <translation>出厂场景文件缺失：%1</translation>
    </message>
    <message>
        <source>Another scene import is running. Try again when it has finished.</source>
        <translation>另一个场景导入正在进行。请在其完成后重试。</translation>
    </message>
</context>
<context>
    <name>SceneTableCheck</name>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation>；另有 %1 处</translation>
    </message>
</context>
<context>
    <name>SceneTableImporter</name>
    <message>
        <source>No row can be imported: %1</source>
        <translation>没有可导入的行：%1</translation>
    </message>
</context>
<context>
    <name>SceneTableValidator</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>%1 is not a UTF-8 text file</source>
        <translation>%1 不是 UTF-8 文本文件</translation>
    </message>
    <message>
        <source>the file holds no scene rows</source>
        <translation>文件中没有场景行</translation>
    </message>
    <message>
        <source>%1 fields, expected 5 (scene, encoding, resolution, rate, picture)</source>
        <translation>有 %1 个字段，应为 5 个（场景、编码、分辨率、码率、图片）</translation>
    </message>
    <message>
        <source>scene &apos;%1&apos; is empty or holds control characters</source>
        <translation>场景“%1”为空或含有控制字符</translation>
    </message>
    <message>
        <source>encoding &apos;%1&apos; is not one of %2</source>
        <translation>编码“%1”不在 %2 之中</translation>
    </message>
    <message>
        <source>resolution &apos;%1&apos; is not in the %2 bitrate table</source>
        <translation>分辨率“%1”不在 %2 码率表中</translation>
    </message>
    <message>
        <source>rate &apos;%1&apos; is not a whole number from 1 to %2</source>
        <translation>码率“%1”不是 1 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>picture name &apos;%1&apos; is not a plain file name</source>
        <translation>图片名“%1”不是普通文件名</translation>
    </message>
    <message>
        <source>picture %1 does not end in .png</source>
        <translation>图片 %1 的扩展名不是 .png</translation>
    </message>
    <message>
        <source>picture %1 not found</source>
        <translation>找不到图片 %1</translation>
    </message>
    <message>
        <source>picture name %1 is already taken by another file</source>
        <translation>图片名 %1 已被另一个文件使用</translation>
    </message>
    <message>
        <source>picture %1 is not a PNG image</source>
        <translation>图片 %1 不是 PNG 图像</translation>
    </message>
</context>
<context>
    <name>SectionBar</name>
    <message>
        <source>SectionBar</source>
        <translation>功能栏</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Encoidng</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>导出 PDF...</translation>
    </message>
    <message>
        <source>Export Excel...</source>
        <translation>导出 Excel...</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s) on the site</source>
        <translation>
            <numerusform>现场有 %n 个问题</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShowValueListCheck</name>
    <message>
        <source>the value &quot;%1&quot; of %2 is not a number above 0 and at most %3</source>
        <translation>%2 的数值“%1”不是大于 0 且不超过 %3 的数</translation>
    </message>
    <message>
        <source>%1 is listed twice; the first one is kept</source>
        <translation>%1 重复出现；保留第一个</translation>
    </message>
</context>
<context>
    <name>SiteCheck</name>
    <message>
        <source>%1 sees %2 px/m at %3 m, below %4 (%5 px/m): bring the target within %6 m, or use a narrower lens or a higher resolution.</source>
        <translation>%1 在 %3 m 处为 %2 像素/米，低于%4（%5 像素/米）：请让目标在 %6 m 以内，或使用视角更窄的镜头或更高的分辨率。</translation>
    </message>
    <message>
        <source>The %1 disks available hold %2 TB; the days asked need %3 TB: plan %4 disks, or keep fewer days.</source>
        <translation>现有 %1 块硬盘可容纳 %2 TB；要求的天数需要 %3 TB：请规划 %4 块硬盘，或减少保存天数。</translation>
    </message>
</context>
<context>
    <name>StoragePage</name>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Disk size :</source>
        <translation>硬盘容量：</translation>
    </message>
    <message>
        <source>RAID :</source>
        <translation>RAID 级别：</translation>
    </message>
    <message>
        <source>Hot spares :</source>
        <translation>热备盘：</translation>
    </message>
    <message>
        <source>File system overhead :</source>
        <translation>文件系统开销：</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>Retention</source>
        <translation>保存天数</translation>
    </message>
    <message>
        <source>Storage (TB)</source>
        <translation>存储 (TB)</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>占比</translation>
    </message>
    <message>
        <source>Total storage: %1 TB</source>
        <translation>总存储：%1 TB</translation>
    </message>
    <message>
        <source>Data disks: %1    Disks to buy: %2</source>
        <translation>数据盘：%1    需购硬盘：%2</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 天</translation>
    </message>
    <message>
        <source>Storage :</source>
        <translation>存储：</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>码率</translation>
    </message>
    <message>
        <source>Recorded a day</source>
        <translation>每天录像</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>字节</translation>
    </message>
    <message>
        <source>Rate (kbps) × 125 bytes a second × recorded hours × 3600 × days</source>
        <translation>码率 (kbps) × 每秒 125 字节 × 录像小时数 × 3600 × 天数</translation>
    </message>
    <message>
        <source>&lt; 0.1 %</source>
        <translation>不足 0.1 %</translation>
    </message>
    <message>
        <source>One disk holds %1 TB of recordings (%2 bytes)</source>
        <translation>每块硬盘可存 %1 TB 录像（%2 字节）</translation>
    </message>
    <message>
        <source>%1 TB × (1 − %2 % file system overhead) = %3 bytes
Data disks = total bytes ÷ %3, rounded up</source>
        <translation>%1 TB × (1 − %2 % 文件系统开销) = %3 字节
数据盘数 = 总字节数 ÷ %3，向上取整</translation>
    </message>
    <message>
        <source>%1 channels × %2 recorded streams × %3 kbps</source>
        <translation>%1 个通道 × %2 路录像码流 × %3 kbps</translation>
    </message>
    <message>
        <source>%1 h a day × %2 % on events</source>
        <translation>每天 %1 小时 × %2 % 事件</translation>
    </message>
    <message>
        <source>%1 h a day, continuously</source>
        <translation>每天 %1 小时，连续录像</translation>
    </message>
    <message>
        <source>%1 kbps × 125 bytes a second × %2 h × 3600 × %3 days = %4 bytes</source>
        <translation>%1 kbps × 每秒 125 字节 × %2 小时 × 3600 × %3 天 = %4 字节</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 小时</translation>
    </message>
    <message>
        <source>%1 bytes ÷ 10¹²</source>
        <translation>%1 字节 ÷ 10¹²</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 / %2 字节</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>未填写</translation>
    </message>
    <message>
        <source>The disks the site has: the days each group keeps on them are shown</source>
        <translation>现场已有的硬盘数：显示每个设备组在这些硬盘上可保存的天数</translation>
    </message>
    <message>
        <source>Disks available :</source>
        <translation>现有硬盘：</translation>
    </message>
    <message>
        <source>On the %1 disks available every group keeps its days, with %2 TB to spare.</source>
        <translation>在现有的 %1 块硬盘上，每个设备组都能保存要求的天数，富余 %2 TB。</translation>
    </message>
    <message>
        <source>On the %1 disks available: nothing is recorded.</source>
        <translation>现有 %1 块硬盘：没有录像。</translation>
    </message>
    <message>
        <source>and %1 more groups below their required level.</source>
        <translation>另有 %1 个设备组低于要求的等级。</translation>
    </message>
    <message>
        <source>%1 h of them at night, at × %2 the rate</source>
        <translation>其中 %1 小时为夜间，码率 × %2</translation>
    </message>
    <message>
        <source>with %1 kbps of audio a channel</source>
        <translation>每个通道另有 %1 kbps 音频</translation>
    </message>
    <message>
        <source>mixed: all of it kept %1 days, %2 % on events kept %3 days</source>
        <translation>混合：全部保存 %1 天，事件部分 %2 % 保存 %3 天</translation>
    </message>
    <message>
        <source>%1 days asked, %2 kept</source>
        <translation>要求 %1 天，可保存 %2 天</translation>
    </message>
    <message>
        <source>Event clips: %1 days asked, %2 kept</source>
        <translation>事件片段：要求 %1 天，可保存 %2 天</translation>
    </message>
</context>
<context>
    <name>SwitchDialog</name>
    <message>
        <source>Add switch</source>
        <translation>添加交换机</translation>
    </message>
    <message>
        <source>Edit switch</source>
        <translation>编辑交换机</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>None (site uplink)</source>
        <translation>无（站点上行链路）</translation>
    </message>
    <message>
        <source>Hangs from :</source>
        <translation>上级：</translation>
    </message>
    <message>
        <source>Ports :</source>
        <translation>端口数：</translation>
    </message>
    <message>
        <source>Uplink :</source>
        <translation>上行链路：</translation>
    </message>
    <message>
        <source>PoE budget :</source>
        <translation>PoE 预算：</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>UpdateDialog</source>
        <translation>更新数据</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>文本标签</translation>
    </message>
    <message>
        <source>tip text</source>
        <translation>提示文本</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>导出数据</translation>
    </message>
    <message>
        <source>Import Templete</source>
        <translation>导入模板</translation>
    </message>
    <message>
        <source>Tip: Need to Restart</source>
        <translation>提示：需要重启</translation>
    </message>
    <message>
        <source>Update Data</source>
        <translation>更新数据</translation>
    </message>
    <message>
        <source>Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path
</source>
        <translation>Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path
</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Export Success.</source>
        <translation>导出成功。</translation>
    </message>
    <message>
        <source>Export Failure.</source>
        <translation>导出失败。</translation>
    </message>
    <message>
        <source>Import Success, Restart Software to Work.</source>
        <translation>导入成功，重启 Vantrel 后生效。</translation>
    </message>
    <message>
        <source>Import Failure.</source>
        <translation>导入失败。</translation>
    </message>
    <message>
        <source>Restore shipped scenes</source>
        <translation>恢复出厂场景</translation>
    </message>
    <message>
        <source>Hospital,H.265,720P(1280x720),1204,D:\scene\hospital_720p.png
</source>
        <translation>Hospital,H.265,720P(1280x720),1204,D:\scene\hospital_720p.png
</translation>
    </message>
    <message>
        <source>Hospital,H.264,1080P(1920x1080),2048,D:\scene\hospital_1080p.png
</source>
        <translation>Hospital,H.264,1080P(1920x1080),2048,D:\scene\hospital_1080p.png
</translation>
    </message>
    <message>
        <source>Importing the scene pictures...</source>
        <translation>正在导入场景图片...</translation>
    </message>
    <message>
        <source>Checking the scene table...</source>
        <translation>正在检查场景表...</translation>
    </message>
    <message>
        <source>The table holds %1 in %2.</source>
        <translation>该表共有 %1，分属 %2。</translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n scenes</source>
        <translation>
            <numerusform>%n 个场景</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows are refused and left out: %1.</source>
        <translation>
            <numerusform>%n 行被拒绝并略去：%1。</numerusform>
        </translation>
    </message>
    <message>
        <source>The scenes in use now, %1 with %2 and %3, will be removed.</source>
        <translation>当前使用的 %1（共 %2、%3）将被删除。</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n 张图片</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace the scene table?</source>
        <translation>是否替换场景表？</translation>
    </message>
    <message>
        <source>The shipped scenes are back. Restart the program to use them.</source>
        <translation>已恢复随程序提供的场景。请重新启动程序以使用它们。</translation>
    </message>
    <message>
        <source>The shipped scenes could not be restored.</source>
        <translation>无法恢复随程序提供的场景。</translation>
    </message>
</context>
<context>
    <name>UplinkCheck</name>
    <message>
        <source>No uplink chosen: pick the site&apos;s link to check the total against it.</source>
        <translation>未选择上行链路：请选择站点的链路，以核对总带宽。</translation>
    </message>
    <message>
        <source>The devices need %1; the %2 uplink is %3 used.</source>
        <translation>设备需要 %1；%2 上行链路已使用 %3。</translation>
    </message>
</context>
<context>
    <name>UplinkGauge</name>
    <message>
        <source>No uplink</source>
        <translation>无上行链路</translation>
    </message>
</context>
<context>
    <name>UplinkPicker</name>
    <message>
        <source>No uplink</source>
        <translation>无上行链路</translation>
    </message>
    <message>
        <source>Custom (Mbps)</source>
        <translation>自定义 (Mbps)</translation>
    </message>
    <message>
        <source>in Mbps</source>
        <translation>单位 Mbps</translation>
    </message>
    <message>
        <source>The site&apos;s uplink: %1</source>
        <translation>站点上行链路：%1</translation>
    </message>
    <message>
        <source>Not a link: enter a speed above 0 and up to %1 Mbps.</source>
        <translation>这不是有效链路：请输入大于 0 且不超过 %1 Mbps 的速率。</translation>
    </message>
</context>
<context>
    <name>Vantrel</name>
    <message>
        <source>Vantrel</source>
        <translation>Vantrel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Exit the Morvane software?</source>
        <translation>确定退出 Vantrel 吗？</translation>
    </message>
    <message>
        <source>%1 - Vantrel</source>
        <translation>%1 - Vantrel 网络规划</translation>
    </message>
    <message>
        <source>Menu (F10)</source>
        <translation>菜单 (F10)</translation>
    </message>
</context>
<context>
    <name>ViewEditor</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>视角</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>镜头</translation>
    </message>
    <message>
        <source>Given by :</source>
        <translation>给定方式：</translation>
    </message>
    <message>
        <source>Horizontal angle of view, in degrees</source>
        <translation>水平视角，单位度</translation>
    </message>
    <message>
        <source>Angle :</source>
        <translation>视角：</translation>
    </message>
    <message>
        <source>Focal length of the lens</source>
        <translation>镜头焦距</translation>
    </message>
    <message>
        <source>Focal length :</source>
        <translation>焦距：</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Width of the sensor</source>
        <translation>传感器宽度</translation>
    </message>
    <message>
        <source>Sensor :</source>
        <translation>传感器：</translation>
    </message>
    <message>
        <source>Distance to the target</source>
        <translation>到目标的距离</translation>
    </message>
    <message>
        <source>Distance :</source>
        <translation>距离：</translation>
    </message>
    <message>
        <source>Required :</source>
        <translation>要求：</translation>
    </message>
    <message>
        <source>No detail figure: the resolution &quot;%1&quot; does not say its width (WxH).</source>
        <translation>无细节数字：分辨率“%1”没有写明宽度（WxH）。</translation>
    </message>
    <message>
        <source>%1 px/m: %2</source>
        <translation>%1 像素/米：%2</translation>
    </message>
    <message>
        <source>. %1 up to %2 m</source>
        <translation>。%1 可保持到 %2 m</translation>
    </message>
    <message>
        <source> (below %1 here)</source>
        <translation> （此处低于%1）</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>no width</source>
        <translation>无宽度</translation>
    </message>
    <message>
        <source>%1 px/m, %2</source>
        <translation>%1 像素/米，%2</translation>
    </message>
    <message>
        <source>View : %1</source>
        <translation>视野：%1</translation>
    </message>
</context>
<context>
    <name>WidgetDeviceListBorder</name>
    <message>
        <source>WidgetDeviceListBorder</source>
        <translation>设备列表</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;NO DEVICE, &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Please Add Device!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;暂无设备，&lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;请添加设备！&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Vantrel</source>
        <translation>Vantrel</translation>
    </message>
</context>
<context>
    <name>XlsxLibrary</name>
    <message>
        <source>the workbook library %1 could not be loaded (%2)</source>
        <translation>无法加载工作簿库 %1（%2）</translation>
    </message>
    <message>
        <source>it has no function %1</source>
        <translation>其中没有函数 %1</translation>
    </message>
</context>
<context>
    <name>XlsxReportWriter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>无法创建工作簿</translation>
    </message>
</context>
<context>
    <name>XlsxTable</name>
    <message>
        <source>not an Excel workbook (.xlsx)</source>
        <translation>不是 Excel 工作簿 (.xlsx)</translation>
    </message>
    <message>
        <source>its first sheet unpacks to more than %1 MiB</source>
        <translation>其第一个工作表解压后超过 %1 MiB</translation>
    </message>
    <message>
        <source>not an Excel workbook (.xlsx): it has no sheet</source>
        <translation>不是 Excel 工作簿 (.xlsx)：其中没有工作表</translation>
    </message>
    <message>
        <source>its shared texts are damaged</source>
        <translation>其共享字符串已损坏</translation>
    </message>
    <message>
        <source>its shared texts unpack to more than %1 MiB</source>
        <translation>其共享字符串解压后超过 %1 MiB</translation>
    </message>
    <message>
        <source>its first sheet is damaged</source>
        <translation>其第一个工作表已损坏</translation>
    </message>
</context>
<context>
    <name>ZipLibrary</name>
    <message>
        <source>the zip library %1 could not be loaded (%2)</source>
        <translation>无法加载压缩包库 %1（%2）</translation>
    </message>
    <message>
        <source>it has no function %1</source>
        <translation>其中没有函数 %1</translation>
    </message>
</context>
<context>
    <name>rapidjson</name>
    <message>
        <source>an object</source>
        <translation>一个对象</translation>
    </message>
</context>
</TS>
