<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>User Help</source>
        <translation>User Manual</translation>
    </message>
    <message>
        <source>Update Scence</source>
        <translation>Update Scenes</translation>
    </message>
    <message>
        <source>v3.0.0.1build</source>
        <translation>v3.0.0.1build</translation>
    </message>
    <message>
        <source>/help.pdf</source>
        <translation>/help.pdf</translation>
    </message>
    <message>
        <source>No user manual found.</source>
        <translation>No user manual found.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>No program to open PDF files is installed. The user manual is %1</source>
        <translation>No program to open PDF files is installed. The user manual is %1</translation>
    </message>
</context>
<context>
    <name>BandWidthPage</name>
    <message>
        <source>DataCalculatorPage</source>
        <translation>DataCalculatorPage</translation>
    </message>
    <message>
        <source>Channel Counts</source>
        <translation>Channel Count</translation>
    </message>
    <message>
        <source>IPC Counts</source>
        <translation>IPC Count</translation>
    </message>
    <message>
        <source>DVR Counts</source>
        <translation>DVR Count</translation>
    </message>
    <message>
        <source>Total Band Width(%1)</source>
        <translation>Total Bandwidth (%1)</translation>
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
        <translation>the row has no resolution name</translation>
    </message>
    <message>
        <source>the rate &quot;%1&quot; of %2 is not a whole number from %3 to %4 kbps</source>
        <translation>the rate &quot;%1&quot; of %2 is not a whole number from %3 to %4 kbps</translation>
    </message>
    <message>
        <source>%1 is listed twice; the first row is kept</source>
        <translation>%1 is listed twice; the first row is kept</translation>
    </message>
    <message>
        <source>%1 is larger than the row before it; the rows must run from the largest picture to the smallest</source>
        <translation>%1 is larger than the row before it; the rows must run from the largest picture to the smallest</translation>
    </message>
</context>
<context>
    <name>BulkEditDialog</name>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continuous</translation>
    </message>
    <message numerus="yes">
        <source>Edit %n groups</source>
        <translation>
            <numerusform>Edit %n group</numerusform>
            <numerusform>Edit %n groups</numerusform>
        </translation>
    </message>
    <message>
        <source>Various</source>
        <translation>Various</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>Streams</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>Hours/day</source>
        <translation>Hours/day</translation>
    </message>
    <message>
        <source>Days kept</source>
        <translation>Days kept</translation>
    </message>
    <message>
        <source>Recorded streams</source>
        <translation>Recorded streams</translation>
    </message>
    <message>
        <source>A field that shows &quot;Various&quot; keeps each group&apos;s own value.</source>
        <translation>A field that shows &quot;Various&quot; keeps each group&apos;s own value.</translation>
    </message>
</context>
<context>
    <name>CapacityCalculation</name>
    <message>
        <source>CapacityCalculation</source>
        <translation>CapacityCalculation</translation>
    </message>
    <message>
        <source>Capacity Calculation :</source>
        <translation>Capacity Calculation :</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Frame Rate</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Clear all the channels?</source>
        <translation>Clear all channels?</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare plans</source>
        <translation>Compare plans</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Compare with:</source>
        <translation>Compare with:</translation>
    </message>
    <message>
        <source>Another plan file...</source>
        <translation>Another plan file...</translation>
    </message>
    <message>
        <source>This plan with another encoding</source>
        <translation>This plan with another encoding</translation>
    </message>
    <message>
        <source>This plan with other days kept</source>
        <translation>This plan with other days kept</translation>
    </message>
    <message>
        <source>This plan with another RAID</source>
        <translation>This plan with another RAID</translation>
    </message>
    <message>
        <source>No RAID</source>
        <translation>No RAID</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Storage</translation>
    </message>
    <message>
        <source>Disks</source>
        <translation>Disks</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>Over a limit</source>
        <translation>Over a limit</translation>
    </message>
    <message>
        <source>Groups that differ</source>
        <translation>Groups that differ</translation>
    </message>
    <message>
        <source>With %1</source>
        <translation>With %1</translation>
    </message>
    <message numerus="yes">
        <source>Kept %n days</source>
        <translation>
            <numerusform>Kept %n day</numerusform>
            <numerusform>Kept %n days</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 changed, %2 added, %3 removed</source>
        <translation>%1 changed, %2 added, %3 removed</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Added: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Removed: %1</translation>
    </message>
    <message>
        <source>Group %1: %2</source>
        <translation>Group %1: %2</translation>
    </message>
    <message>
        <source>The groups are the same.</source>
        <translation>The groups are the same.</translation>
    </message>
</context>
<context>
    <name>DataProblemsNotice</name>
    <message>
        <source>Data files</source>
        <translation>Data files</translation>
    </message>
    <message>
        <source>These rows of the data files were left out; the other rows are in use. Mend the files beside the program and start it again.</source>
        <translation>These rows of the data files were left out; the other rows are in use. Mend the files beside the program and start it again.</translation>
    </message>
</context>
<context>
    <name>DeviceAddPage</name>
    <message>
        <source>Replace all groups</source>
        <translation>Replace all groups</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>%1 days, %2 TB</source>
        <translation>%1 days, %2 TB</translation>
    </message>
    <message>
        <source>%1 px/m, %2</source>
        <translation>%1 px/m, %2</translation>
    </message>
    <message>
        <source>%1: below %2</source>
        <translation>%1: below %2</translation>
    </message>
    <message numerus="yes">
        <source>Duplicate %n groups</source>
        <translation>
            <numerusform>Duplicate %n group</numerusform>
            <numerusform>Duplicate %n groups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Edit %n groups</source>
        <translation>
            <numerusform>Edit %n group</numerusform>
            <numerusform>Edit %n groups</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit selected...</source>
        <translation>Edit selected...</translation>
    </message>
</context>
<context>
    <name>DeviceAddWidget</name>
    <message>
        <source>DeviceAddPage</source>
        <translation>DeviceAddPage</translation>
    </message>
</context>
<context>
    <name>DeviceConfigStore</name>
    <message>
        <source>the file is missing or is not well-formed XML</source>
        <translation>the file is missing or is not well-formed XML</translation>
    </message>
    <message>
        <source>the link type %1 is listed twice; the first one is kept</source>
        <translation>the link type %1 is listed twice; the first one is kept</translation>
    </message>
    <message>
        <source>the folder of bitrate tables is missing</source>
        <translation>the folder of bitrate tables is missing</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>the line has no rate after a comma</source>
        <translation>the line has no rate after a comma</translation>
    </message>
</context>
<context>
    <name>DeviceEditor</name>
    <message>
        <source>DeviceEditor</source>
        <translation>DeviceEditor</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>Add Device</translation>
    </message>
    <message>
        <source>Channel Name :</source>
        <translation>Channel Name :</translation>
    </message>
    <message>
        <source>Channel Counts :</source>
        <translation>Channel Count :</translation>
    </message>
    <message>
        <source>Device Type :</source>
        <translation>Device Type :</translation>
    </message>
    <message>
        <source>Stream Counts:</source>
        <translation>Stream Count :</translation>
    </message>
    <message>
        <source>Encode Section :        </source>
        <translation>Rate Mode :        </translation>
    </message>
    <message>
        <source>Fixed Rate</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <source>VarRate</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>Device Resolution :</source>
        <translation>Device Resolution :</translation>
    </message>
    <message>
        <source>Frame Rate :     </source>
        <translation>Frame Rate :     </translation>
    </message>
    <message>
        <source>Encoding Type :</source>
        <translation>Encoding Type :</translation>
    </message>
    <message>
        <source>Recommend Rate :</source>
        <translation>Recommended Rate :</translation>
    </message>
    <message>
        <source>+ Add</source>
        <translation>+ Add</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Channel Name</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <source>Set to the largest count, %1.</source>
        <translation>Set to the largest count, %1.</translation>
    </message>
    <message>
        <source>Set to the smallest count, %1.</source>
        <translation>Set to the smallest count, %1.</translation>
    </message>
    <message>
        <source>Set to the largest rate, %1 kbps.</source>
        <translation>Set to the largest rate, %1 kbps.</translation>
    </message>
    <message>
        <source>Edit Device</source>
        <translation>Edit Device</translation>
    </message>
    <message>
        <source>Enter a rate from 1 to %1 kbps.</source>
        <translation>Enter a rate from 1 to %1 kbps.</translation>
    </message>
    <message>
        <source>The scene &quot;%1&quot; is no longer in the scene table; the group keeps its rate as a fixed rate.</source>
        <translation>The scene &quot;%1&quot; is no longer in the scene table; the group keeps its rate as a fixed rate.</translation>
    </message>
</context>
<context>
    <name>DeviceItemWidget</name>
    <message>
        <source>Counts :</source>
        <translation>Count :</translation>
    </message>
    <message>
        <source>Bit Rate :</source>
        <translation>Bit Rate :</translation>
    </message>
    <message>
        <source>Resolution :</source>
        <translation>Resolution :</translation>
    </message>
    <message>
        <source>Encode Type:</source>
        <translation>Encoding:</translation>
    </message>
    <message>
        <source>Scence Name:</source>
        <translation>Scene Name:</translation>
    </message>
    <message>
        <source>Frame Rate : %1</source>
        <translation>Frame Rate : %1</translation>
    </message>
    <message>
        <source>Fixted Rate : %1 kbps</source>
        <translation>Fixed Rate : %1 kbps</translation>
    </message>
    <message>
        <source>Stream Counts : %1 x %2</source>
        <translation>Stream Count : %1 x %2</translation>
    </message>
    <message>
        <source>Resolution : %1</source>
        <translation>Resolution : %1</translation>
    </message>
    <message>
        <source>Encode Type : %1</source>
        <translation>Encoding : %1</translation>
    </message>
    <message>
        <source>Variable Rate : %1 kbps</source>
        <translation>Variable Rate : %1 kbps</translation>
    </message>
    <message>
        <source>Scene Type : %1</source>
        <translation>Scene : %1</translation>
    </message>
    <message>
        <source>%1 channels × %2 streams</source>
        <translation>%1 channels × %2 streams</translation>
    </message>
</context>
<context>
    <name>EncodeingPage</name>
    <message>
        <source>EncodeingPage</source>
        <translation>EncodeingPage</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Frame Rate</translation>
    </message>
    <message>
        <source> Priority Calculate Result 1</source>
        <translation> Priority: Result 1</translation>
    </message>
    <message>
        <source> Priority Calculate Result 2</source>
        <translation> Priority: Result 2</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Bit Rate (kbps)</source>
        <translation>Bit Rate (kbps)</translation>
    </message>
</context>
<context>
    <name>EncodingAnswers</name>
    <message>
        <source>Calculate Net Parameter:</source>
        <translation>Calculated Network Parameters:</translation>
    </message>
</context>
<context>
    <name>ExamplePlans</name>
    <message>
        <source>Small shop (6 groups)</source>
        <translation>Small shop (6 groups)</translation>
    </message>
    <message>
        <source>Office building (25 groups)</source>
        <translation>Office building (25 groups)</translation>
    </message>
    <message>
        <source>Warehouse with a yard (40 groups)</source>
        <translation>Warehouse with a yard (40 groups)</translation>
    </message>
    <message>
        <source>University campus (300 groups)</source>
        <translation>University campus (300 groups)</translation>
    </message>
    <message>
        <source>City (10,000 groups)</source>
        <translation>City (10,000 groups)</translation>
    </message>
</context>
<context>
    <name>ExportMenuAction</name>
    <message>
        <source>ExportMenu</source>
        <translation>ExportMenu</translation>
    </message>
    <message>
        <source>   Screenshot</source>
        <translation>   Screenshot</translation>
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
        <translation>Import groups...</translation>
    </message>
    <message>
        <source>Import groups</source>
        <translation>Import groups</translation>
    </message>
    <message>
        <source>Group tables (*.csv *.xlsx);;CSV (*.csv);;Excel workbooks (*.xlsx)</source>
        <translation>Group tables (*.csv *.xlsx);;CSV (*.csv);;Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Reading %1...</translation>
    </message>
</context>
<context>
    <name>GroupRule</name>
    <message>
        <source>key &quot;%1&quot; is out of range, expected %2.</source>
        <translation>key &quot;%1&quot; is out of range, expected %2.</translation>
    </message>
    <message>
        <source>IPC or DVR</source>
        <translation>IPC or DVR</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>a whole number from 1 to %1</translation>
    </message>
    <message>
        <source>a number above 0 and at most %1</source>
        <translation>a number above 0 and at most %1</translation>
    </message>
    <message>
        <source>a number from 0 to %1</source>
        <translation>a number from 0 to %1</translation>
    </message>
    <message>
        <source>a number above 0 and at most 1</source>
        <translation>a number above 0 and at most 1</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>a number from %1 to %2</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>a number above %1 and below %2</source>
        <translation>a number above %1 and below %2</translation>
    </message>
</context>
<context>
    <name>GroupTableReader</name>
    <message>
        <source>a number above %1 and at most %2</source>
        <translation>a number above %1 and at most %2</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>a number from %1 to %2</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>one of %1</translation>
    </message>
    <message>
        <source>the id of a switch of the plan; nearest: %1</source>
        <translation>the id of a switch of the plan; nearest: %1</translation>
    </message>
    <message>
        <source>the id of a recorder of the plan; nearest: %1</source>
        <translation>the id of a recorder of the plan; nearest: %1</translation>
    </message>
    <message>
        <source>none (the plan has none)</source>
        <translation>none (the plan has none)</translation>
    </message>
    <message>
        <source>a name the data tables list; nearest: %1</source>
        <translation>a name the data tables list; nearest: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>a rate (no rate of the tables fits the row)</source>
        <translation>a rate (no rate of the tables fits the row)</translation>
    </message>
    <message>
        <source>empty when &quot;%1&quot; gives the angle</source>
        <translation>empty when &quot;%1&quot; gives the angle</translation>
    </message>
    <message>
        <source>a number above %1 and below %2</source>
        <translation>a number above %1 and below %2</translation>
    </message>
    <message>
        <source>the angle, or a focal length and a sensor width, for the distance</source>
        <translation>the angle, or a focal length and a sensor width, for the distance</translation>
    </message>
    <message>
        <source>the distance to the target (the row gives a view)</source>
        <translation>the distance to the target (the row gives a view)</translation>
    </message>
    <message>
        <source>%1: no heading of a group table was found (the first rows should name columns such as %2, %3, %4 and %5).</source>
        <translation>%1: no heading of a group table was found (the first rows should name columns such as %2, %3, %4 and %5).</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2).</source>
        <translation>%1: cannot be read (%2).</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: the file is empty.</source>
        <translation>%1: the file is empty.</translation>
    </message>
    <message>
        <source>%1: not a table: neither CSV text (UTF-8) nor an Excel workbook (.xlsx).</source>
        <translation>%1: not a table: neither CSV text (UTF-8) nor an Excel workbook (.xlsx).</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Import groups</source>
        <translation>Import groups</translation>
    </message>
    <message numerus="yes">
        <source>%n groups to add</source>
        <translation>
            <numerusform>%n group to add</numerusform>
            <numerusform>%n groups to add</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2; %3 left out (see their reasons below).</source>
        <translation>%1: %2; %3 left out (see their reasons below).</translation>
    </message>
    <message numerus="yes">
        <source>%n rows refused</source>
        <translation>
            <numerusform>%n row refused</numerusform>
            <numerusform>%n rows refused</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n groups</source>
        <translation>
            <numerusform>Add %n group</numerusform>
            <numerusform>Add %n groups</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>Refused: %1</source>
        <translation>Refused: %1</translation>
    </message>
    <message>
        <source>Refused: %1 is &quot;%2&quot;, expected %3.</source>
        <translation>Refused: %1 is &quot;%2&quot;, expected %3.</translation>
    </message>
    <message>
        <source>Scene: %1</source>
        <translation>Scene: %1</translation>
    </message>
    <message>
        <source>To add</source>
        <translation>To add</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>Streams</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>Rate (kbps)</source>
        <translation>Rate (kbps)</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
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
        <translation>Main stream</translation>
    </message>
    <message>
        <source>Sub stream</source>
        <translation>Sub-stream</translation>
    </message>
    <message>
        <source>Enter the bandwidth in Mbps as a plain number, such as 2.5.</source>
        <translation>Enter the bandwidth in Mbps as a plain number, such as 2.5.</translation>
    </message>
    <message>
        <source>Setting Parameters :</source>
        <translation>Parameter Settings :</translation>
    </message>
    <message>
        <source>Device Type :</source>
        <translation>Device Type :</translation>
    </message>
    <message>
        <source>Custom BandWidth (Mbps) :</source>
        <translation>Custom Bandwidth (Mbps) :</translation>
    </message>
    <message>
        <source>Net Link :</source>
        <translation>Network Link :</translation>
    </message>
    <message>
        <source>Select BandWidth :</source>
        <translation>Select Bandwidth :</translation>
    </message>
    <message>
        <source>Video Standard :</source>
        <translation>Video Standard :</translation>
    </message>
    <message>
        <source>Encoding Type :</source>
        <translation>Encoding Type :</translation>
    </message>
    <message>
        <source>Stream Type :</source>
        <translation>Stream Type :</translation>
    </message>
    <message>
        <source>Stream Count :</source>
        <translation>Stream Count :</translation>
    </message>
</context>
<context>
    <name>NetworkCheck</name>
    <message>
        <source>%1&apos;s uplink carries %2 Mbps of %3 (%4 %): more than 70 %; move groups to another switch or give it a faster uplink.</source>
        <translation>%1&apos;s uplink carries %2 Mbps of %3 (%4 %): more than 70 %; move groups to another switch or give it a faster uplink.</translation>
    </message>
    <message>
        <source>%1&apos;s uplink carries %2 Mbps of %3 (%4 %): more than it can carry; move groups to another switch or give it a faster uplink.</source>
        <translation>%1&apos;s uplink carries %2 Mbps of %3 (%4 %): more than it can carry; move groups to another switch or give it a faster uplink.</translation>
    </message>
    <message>
        <source>%1 needs %2 ports and has %3: use a switch with more ports, or move groups to another switch.</source>
        <translation>%1 needs %2 ports and has %3: use a switch with more ports, or move groups to another switch.</translation>
    </message>
    <message>
        <source>%1 has no PoE budget and its cameras draw %2 W: use a PoE switch, or give the cameras their own supply.</source>
        <translation>%1 has no PoE budget and its cameras draw %2 W: use a PoE switch, or give the cameras their own supply.</translation>
    </message>
    <message>
        <source>%1&apos;s cameras draw %2 W of its %3 W PoE budget (%4 %): more than 90 %; give it a larger PoE budget, or move cameras to another switch.</source>
        <translation>%1&apos;s cameras draw %2 W of its %3 W PoE budget (%4 %): more than 90 %; give it a larger PoE budget, or move cameras to another switch.</translation>
    </message>
    <message>
        <source>%1&apos;s cameras draw %2 W of its %3 W PoE budget (%4 %): more than it gives; give it a larger PoE budget, or move cameras to another switch.</source>
        <translation>%1&apos;s cameras draw %2 W of its %3 W PoE budget (%4 %): more than it gives; give it a larger PoE budget, or move cameras to another switch.</translation>
    </message>
    <message>
        <source>%1 records %2 channels and takes %3: use a recorder with more channels, or move groups to another recorder.</source>
        <translation>%1 records %2 channels and takes %3: use a recorder with more channels, or move groups to another recorder.</translation>
    </message>
    <message>
        <source>%1 records %2 Mbps of %3 (%4 %): more than 70 %; move groups to another recorder, or use one with a higher input rate.</source>
        <translation>%1 records %2 Mbps of %3 (%4 %): more than 70 %; move groups to another recorder, or use one with a higher input rate.</translation>
    </message>
    <message>
        <source>%1 records %2 Mbps of %3 (%4 %): more than it takes in; move groups to another recorder, or use one with a higher input rate.</source>
        <translation>%1 records %2 Mbps of %3 (%4 %): more than it takes in; move groups to another recorder, or use one with a higher input rate.</translation>
    </message>
    <message>
        <source>%1 needs %2 disks for the days asked and has %3 bays: use a recorder with more bays or larger disks, or keep fewer days.</source>
        <translation>%1 needs %2 disks for the days asked and has %3 bays: use a recorder with more bays or larger disks, or keep fewer days.</translation>
    </message>
    <message>
        <source>The site uplink carries %1 Mbps of %2 (%3 %): more than 70 %; record more groups on site, or choose a faster uplink.</source>
        <translation>The site uplink carries %1 Mbps of %2 (%3 %): more than 70 %; record more groups on site, or choose a faster uplink.</translation>
    </message>
    <message>
        <source>The site uplink carries %1 Mbps of %2 (%3 %): more than it can carry; record more groups on site, or choose a faster uplink.</source>
        <translation>The site uplink carries %1 Mbps of %2 (%3 %): more than it can carry; record more groups on site, or choose a faster uplink.</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Add switch</source>
        <translation>Add switch</translation>
    </message>
    <message>
        <source>Add recorder</source>
        <translation>Add recorder</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Edit...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>Ports / channels</source>
        <translation>Ports / channels</translation>
    </message>
    <message>
        <source>A recorder is plugged into a switch: add a switch first.</source>
        <translation>A recorder is plugged into a switch: add a switch first.</translation>
    </message>
    <message>
        <source>Problems: %1</source>
        <translation>Problems: %1</translation>
    </message>
    <message>
        <source>Choose a switch or recorder to see its groups.</source>
        <translation>Choose a switch or recorder to see its groups.</translation>
    </message>
    <message>
        <source>Groups recording to %1: %2</source>
        <translation>Groups recording to %1: %2</translation>
    </message>
    <message>
        <source>Groups on %1: %2</source>
        <translation>Groups on %1: %2</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Switch %1</translation>
    </message>
    <message>
        <source>Recorder %1</source>
        <translation>Recorder %1</translation>
    </message>
    <message>
        <source>Edit switch</source>
        <translation>Edit switch</translation>
    </message>
    <message>
        <source>Edit recorder</source>
        <translation>Edit recorder</translation>
    </message>
    <message>
        <source>Its parent, %1</source>
        <translation>Its parent, %1</translation>
    </message>
    <message>
        <source>None (site uplink)</source>
        <translation>None (site uplink)</translation>
    </message>
    <message>
        <source>%1 holds recorders, and there is no other switch they could be plugged into. Add a switch or move its recorders first.</source>
        <translation>%1 holds recorders, and there is no other switch they could be plugged into. Add a switch or move its recorders first.</translation>
    </message>
    <message>
        <source>%1 holds %2 groups and %3 switches or recorders. Where do they go?</source>
        <translation>%1 holds %2 groups and %3 switches or recorders. Where do they go?</translation>
    </message>
    <message>
        <source>Delete switch</source>
        <translation>Delete switch</translation>
    </message>
    <message>
        <source>Delete recorder</source>
        <translation>Delete recorder</translation>
    </message>
    <message>
        <source>%1 records %2 groups. Where do they record now?</source>
        <translation>%1 records %2 groups. Where do they record now?</translation>
    </message>
    <message>
        <source>Record groups to %1</source>
        <translation>Record groups to %1</translation>
    </message>
    <message>
        <source>Move groups to %1</source>
        <translation>Move groups to %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n group(s). Where do they go?</source>
        <translation>
            <numerusform>%1 holds %n group. Where does it go?</numerusform>
            <numerusform>%1 holds %n groups. Where do they go?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NetworkPlaceEditor</name>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Switch :</source>
        <translation>Switch :</translation>
    </message>
    <message>
        <source>Recorder :</source>
        <translation>Recorder :</translation>
    </message>
    <message>
        <source>None (own supply)</source>
        <translation>None (own supply)</translation>
    </message>
    <message>
        <source>PoE class :</source>
        <translation>PoE class :</translation>
    </message>
    <message>
        <source>Class %1 (%2 W)</source>
        <translation>Class %1 (%2 W)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>PoE %1</source>
        <translation>PoE %1</translation>
    </message>
    <message>
        <source>Network : %1</source>
        <translation>Network : %1</translation>
    </message>
</context>
<context>
    <name>NetworkTreeModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Ports / channels</source>
        <translation>Ports / channels</translation>
    </message>
    <message>
        <source>PoE / disks</source>
        <translation>PoE / disks</translation>
    </message>
    <message>
        <source>%1 (switch %2)</source>
        <translation>%1 (switch %2)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1 (recorder %2)</source>
        <translation>%1 (recorder %2)</translation>
    </message>
    <message>
        <source>%1 / %2 ch</source>
        <translation>%1 / %2 ch</translation>
    </message>
    <message>
        <source>%1 / %2 disks</source>
        <translation>%1 / %2 disks</translation>
    </message>
    <message>
        <source>%1 disks</source>
        <translation>%1 disks</translation>
    </message>
</context>
<context>
    <name>PdfReportWriter</name>
    <message>
        <source>Cannot write %1: the PDF could not be drawn</source>
        <translation>Cannot write %1: the PDF could not be drawn</translation>
    </message>
</context>
<context>
    <name>PixelDensity</name>
    <message>
        <source>Below monitor</source>
        <translation>Below monitor</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Detect</translation>
    </message>
    <message>
        <source>Observe</source>
        <translation>Observe</translation>
    </message>
    <message>
        <source>Recognise</source>
        <translation>Recognise</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identify</translation>
    </message>
    <message>
        <source>Inspect</source>
        <translation>Inspect</translation>
    </message>
</context>
<context>
    <name>PlanEditor</name>
    <message>
        <source>Add %1</source>
        <translation>Add %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Delete %1</translation>
    </message>
    <message>
        <source>Change plan settings</source>
        <translation>Change plan settings</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Edit %1</translation>
    </message>
    <message>
        <source>Clear all groups</source>
        <translation>Clear all groups</translation>
    </message>
    <message>
        <source>Switch to %1</source>
        <translation>Switch to %1</translation>
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
        <translation>Change the uplink</translation>
    </message>
    <message>
        <source>Change plan properties</source>
        <translation>Change plan properties</translation>
    </message>
    <message numerus="yes">
        <source>Import %n groups</source>
        <translation>
            <numerusform>Import %n group</numerusform>
            <numerusform>Import %n groups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n groups</source>
        <translation>
            <numerusform>Delete %n group</numerusform>
            <numerusform>Delete %n groups</numerusform>
        </translation>
    </message>
    <message>
        <source>Change the network</source>
        <translation>Change the network</translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>a text</source>
        <translation>a text</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>one of %1</translation>
    </message>
    <message>
        <source>a number above %1 and at most %2</source>
        <translation>a number above %1 and at most %2</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>a number from %1 to %2</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>an object</translation>
    </message>
    <message>
        <source>%1key &quot;%2&quot; is %3, expected %4.</source>
        <translation>%1key &quot;%2&quot; is %3, expected %4.</translation>
    </message>
    <message>
        <source>%1key &quot;%2&quot; is missing.</source>
        <translation>%1key &quot;%2&quot; is missing.</translation>
    </message>
    <message>
        <source>not a plan file (no JSON object: %1 at byte %2).</source>
        <translation>not a plan file (no JSON object: %1 at byte %2).</translation>
    </message>
    <message>
        <source>another JSON value</source>
        <translation>another JSON value</translation>
    </message>
    <message>
        <source>not a plan file (&quot;format&quot; is not &quot;%1&quot;).</source>
        <translation>not a plan file (&quot;format&quot; is not &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>written by a newer version of the program (plan version %1; this one reads %2).</source>
        <translation>written by a newer version of the program (plan version %1; this one reads %2).</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>a list of groups</source>
        <translation>a list of groups</translation>
    </message>
    <message>
        <source>not an object.</source>
        <translation>not an object.</translation>
    </message>
    <message>
        <source>the name of a scene (the group uses a scene rate)</source>
        <translation>the name of a scene (the group uses a scene rate)</translation>
    </message>
    <message>
        <source>a number no other group has</source>
        <translation>a number no other group has</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2).</source>
        <translation>%1: cannot be read (%2).</translation>
    </message>
    <message>
        <source>storage:</source>
        <translation>storage:</translation>
    </message>
    <message>
        <source>group %1 (%2):</source>
        <translation>group %1 (%2):</translation>
    </message>
    <message>
        <source>group %1 (%2): recording:</source>
        <translation>group %1 (%2): recording:</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>a list</translation>
    </message>
    <message>
        <source>%1: group %2 (%3): %4</source>
        <translation>%1: group %2 (%3): %4</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>a text of at most %1 characters</translation>
    </message>
    <message>
        <source>the base64 of a PNG or JPEG picture of at most %1 MiB</source>
        <translation>the base64 of a PNG or JPEG picture of at most %1 MiB</translation>
    </message>
    <message>
        <source>absent when &quot;hfovDeg&quot; gives the angle</source>
        <translation>absent when &quot;hfovDeg&quot; gives the angle</translation>
    </message>
    <message>
        <source>a number above %1 and below %2</source>
        <translation>a number above %1 and below %2</translation>
    </message>
    <message>
        <source>key &quot;hfovDeg&quot; or &quot;focalMm&quot; is missing.</source>
        <translation>key &quot;hfovDeg&quot; or &quot;focalMm&quot; is missing.</translation>
    </message>
    <message>
        <source>group %1 (%2): view:</source>
        <translation>group %1 (%2): view:</translation>
    </message>
    <message>
        <source>network:</source>
        <translation>network:</translation>
    </message>
    <message>
        <source>a list of switches</source>
        <translation>a list of switches</translation>
    </message>
    <message>
        <source>a list of recorders</source>
        <translation>a list of recorders</translation>
    </message>
    <message>
        <source>a text of 1 to %1 characters</source>
        <translation>a text of 1 to %1 characters</translation>
    </message>
    <message>
        <source>switch %1 (%2):</source>
        <translation>switch %1 (%2):</translation>
    </message>
    <message>
        <source>recorder %1 (%2):</source>
        <translation>recorder %1 (%2):</translation>
    </message>
    <message>
        <source>the id of a switch, or absent</source>
        <translation>the id of a switch, or absent</translation>
    </message>
    <message>
        <source>the id of a recorder, or absent</source>
        <translation>the id of a recorder, or absent</translation>
    </message>
    <message>
        <source>an id no other switch or recorder has</source>
        <translation>an id no other switch or recorder has</translation>
    </message>
    <message>
        <source>the id of a switch</source>
        <translation>the id of a switch</translation>
    </message>
    <message>
        <source>the id of another switch, or &quot;&quot;</source>
        <translation>the id of another switch, or &quot;&quot;</translation>
    </message>
    <message>
        <source>a switch that is not below this one (the parents make a loop)</source>
        <translation>a switch that is not below this one (the parents make a loop)</translation>
    </message>
    <message>
        <source>the id of a switch of the plan&apos;s network</source>
        <translation>the id of a switch of the plan&apos;s network</translation>
    </message>
    <message>
        <source>the id of a recorder of the plan&apos;s network</source>
        <translation>the id of a recorder of the plan&apos;s network</translation>
    </message>
</context>
<context>
    <name>PlanFileController</name>
    <message>
        <source>New plan</source>
        <translation>New plan</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Recent plans</source>
        <translation>Recent plans</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Vantrel plans (*.vantrel)</source>
        <translation>Vantrel plans (*.vantrel)</translation>
    </message>
    <message>
        <source>Open plan</source>
        <translation>Open plan</translation>
    </message>
    <message>
        <source>Save plan</source>
        <translation>Save plan</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Vantrel</source>
        <translation>Vantrel</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>The plan was not opened; the open plan is unchanged.
%1</source>
        <translation>The plan was not opened; the open plan is unchanged.
%1</translation>
    </message>
    <message>
        <source>The plan was not saved.
%1</source>
        <translation>The plan was not saved.
%1</translation>
    </message>
    <message>
        <source>The plan %1 has unsaved changes. Save them?</source>
        <translation>The plan %1 has unsaved changes. Save them?</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Opening %1...</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Saving %1...</translation>
    </message>
    <message>
        <source> (not backed up)</source>
        <translation> (not backed up)</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>The recovery file %1 cannot be restored, nor moved aside; it is left as it is.
%2</source>
        <translation>The recovery file %1 cannot be restored, nor moved aside; it is left as it is.
%2</translation>
    </message>
    <message>
        <source>The recovery file %1 cannot be restored. It is kept as %2.
%3</source>
        <translation>The recovery file %1 cannot be restored. It is kept as %2.
%3</translation>
    </message>
    <message>
        <source>Vantrel did not close properly last time.</source>
        <translation>Vantrel did not close properly last time.</translation>
    </message>
    <message>
        <source>Later changes could not be kept for recovery, so this copy is older than the work that was lost.</source>
        <translation>Later changes could not be kept for recovery, so this copy is older than the work that was lost.</translation>
    </message>
    <message>
        <source>It belongs to %1; Save writes to that file.</source>
        <translation>It belongs to %1; Save writes to that file.</translation>
    </message>
    <message>
        <source>It names %1, which is not a plan that can be read; Save asks where to save it.</source>
        <translation>It names %1, which is not a plan that can be read; Save asks where to save it.</translation>
    </message>
    <message>
        <source>Changes to this plan cannot be kept for recovery, so a crash would lose them; save the plan to keep them. The title shows &quot;not backed up&quot; until a copy can be written again.
%1</source>
        <translation>Changes to this plan cannot be kept for recovery, so a crash would lose them; save the plan to keep them. The title shows &quot;not backed up&quot; until a copy can be written again.
%1</translation>
    </message>
    <message>
        <source>Vantrel opens one plan at a time. These were not opened:
%1</source>
        <translation>Vantrel opens one plan at a time. These were not opened:
%1</translation>
    </message>
    <message numerus="yes">
        <source>Restore the older copy (%n groups, saved for recovery at %1)?</source>
        <translation>
            <numerusform>Restore the older copy (%n group, saved for recovery at %1)?</numerusform>
            <numerusform>Restore the older copy (%n groups, saved for recovery at %1)?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore the plan you were working on (%n groups, saved for recovery at %1)?</source>
        <translation>
            <numerusform>Restore the plan you were working on (%n group, saved for recovery at %1)?</numerusform>
            <numerusform>Restore the plan you were working on (%n groups, saved for recovery at %1)?</numerusform>
        </translation>
    </message>
    <message>
        <source>Plan properties...</source>
        <translation>Plan properties...</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Compare with...</translation>
    </message>
    <message>
        <source>The plan was not compared.
%1</source>
        <translation>The plan was not compared.
%1</translation>
    </message>
</context>
<context>
    <name>PlanNameCheck</name>
    <message>
        <source>%1: group %2 (%3):</source>
        <translation>%1: group %2 (%3):</translation>
    </message>
    <message>
        <source>%1 key &quot;%2&quot; is &quot;%3&quot;, which the data tables do not list; nearest: %4.</source>
        <translation>%1 key &quot;%2&quot; is &quot;%3&quot;, which the data tables do not list; nearest: %4.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>PlanProperties</name>
    <message>
        <source>a PNG or JPEG picture</source>
        <translation>a PNG or JPEG picture</translation>
    </message>
    <message>
        <source>a picture of at most %1 MiB</source>
        <translation>a picture of at most %1 MiB</translation>
    </message>
</context>
<context>
    <name>PlanPropertiesDialog</name>
    <message>
        <source>Plan properties</source>
        <translation>Plan properties</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Site name</source>
        <translation>Site name</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>Designer</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Choose a logo</source>
        <translation>Choose a logo</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Pictures (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>%1 cannot be read (%2).</translation>
    </message>
    <message>
        <source>a PNG or JPEG picture</source>
        <translation>a PNG or JPEG picture</translation>
    </message>
    <message>
        <source>a picture that can be read</source>
        <translation>a picture that can be read</translation>
    </message>
    <message>
        <source>%1 was not taken as the logo; a logo must be %2.</source>
        <translation>%1 was not taken as the logo; a logo must be %2.</translation>
    </message>
    <message>
        <source>No logo</source>
        <translation>No logo</translation>
    </message>
    <message>
        <source>The logo cannot be shown</source>
        <translation>The logo cannot be shown</translation>
    </message>
</context>
<context>
    <name>PlanRecovery</name>
    <message>
        <source>Cannot write %1: an unreadable recovery file is kept there</source>
        <translation>Cannot write %1: an unreadable recovery file is kept there</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a link and cannot be removed</source>
        <translation>Cannot write %1: it is a link and cannot be removed</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <source>It is a link to %1, which was not read.</source>
        <translation>It is a link to %1, which was not read.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>It is not a file.</translation>
    </message>
    <message>
        <source>It is too large for a plan (%1 bytes).</source>
        <translation>It is too large for a plan (%1 bytes).</translation>
    </message>
</context>
<context>
    <name>PrintModule</name>
    <message>
        <source>the printing module %1 could not be loaded (%2)</source>
        <translation>the printing module %1 could not be loaded (%2)</translation>
    </message>
    <message>
        <source>it has no function %1</source>
        <translation>it has no function %1</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>the file is missing</translation>
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
        <translation>Add recorder</translation>
    </message>
    <message>
        <source>Edit recorder</source>
        <translation>Edit recorder</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name :</translation>
    </message>
    <message>
        <source>Switch :</source>
        <translation>Switch :</translation>
    </message>
    <message>
        <source>Channels :</source>
        <translation>Channels :</translation>
    </message>
    <message>
        <source>Input :</source>
        <translation>Input :</translation>
    </message>
    <message>
        <source>Not counted</source>
        <translation>Not counted</translation>
    </message>
    <message>
        <source>Drive bays :</source>
        <translation>Drive bays :</translation>
    </message>
</context>
<context>
    <name>RecordingEditor</name>
    <message>
        <source>Continuous</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Recorded streams per channel</source>
        <translation>Recorded streams per channel</translation>
    </message>
    <message>
        <source>Streams :</source>
        <translation>Streams :</translation>
    </message>
    <message>
        <source>Hours recorded per day</source>
        <translation>Hours recorded per day</translation>
    </message>
    <message>
        <source>Days the recordings are kept</source>
        <translation>Days the recordings are kept</translation>
    </message>
    <message>
        <source>Share of the hours with events, in percent</source>
        <translation>Share of the hours with events, in percent</translation>
    </message>
    <message>
        <source>Events % :</source>
        <translation>Events % :</translation>
    </message>
    <message>
        <source>Hours/day :</source>
        <translation>Hours/day :</translation>
    </message>
    <message>
        <source>Days kept :</source>
        <translation>Days kept :</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Mode :</translation>
    </message>
    <message>
        <source>events %1 %</source>
        <translation>events %1 %</translation>
    </message>
    <message>
        <source>continuous</source>
        <translation>continuous</translation>
    </message>
    <message>
        <source>Recording : %1, %2 h, %3 d</source>
        <translation>Recording : %1, %2 h, %3 d</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>Mixed: everything is kept the days kept, event clips on to their own days</source>
        <translation>Mixed: everything is kept the days kept, event clips on to their own days</translation>
    </message>
    <message>
        <source>Days the event clips are kept, at least the days kept</source>
        <translation>Days the event clips are kept, at least the days kept</translation>
    </message>
    <message>
        <source>Events kept :</source>
        <translation>Events kept :</translation>
    </message>
    <message>
        <source> h</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Of the hours recorded, those at night</source>
        <translation>Of the hours recorded, those at night</translation>
    </message>
    <message>
        <source>The rate at night over the rate by day (infrared noise raises it)</source>
        <translation>The rate at night over the rate by day (infrared noise raises it)</translation>
    </message>
    <message>
        <source>Night :</source>
        <translation>Night :</translation>
    </message>
    <message>
        <source>Audio recorded per channel, in kbps</source>
        <translation>Audio recorded per channel, in kbps</translation>
    </message>
    <message>
        <source>Audio kbps :</source>
        <translation>Audio kbps :</translation>
    </message>
    <message>
        <source>mixed, events %1 % %2 d</source>
        <translation>mixed, events %1 % %2 d</translation>
    </message>
</context>
<context>
    <name>ReportExporter</name>
    <message>
        <source>Print...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Vantrel</source>
        <translation>Vantrel</translation>
    </message>
    <message>
        <source>The report was saved to %1.</source>
        <translation>The report was saved to %1.</translation>
    </message>
    <message>
        <source>The report was not saved.
%1</source>
        <translation>The report was not saved.
%1</translation>
    </message>
    <message>
        <source>Export the report as PDF</source>
        <translation>Export the report as PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Export the report for Excel</source>
        <translation>Export the report for Excel</translation>
    </message>
    <message>
        <source>Save a screenshot</source>
        <translation>Save a screenshot</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Cannot write %1: the window could not be captured</source>
        <translation>Cannot write %1: the window could not be captured</translation>
    </message>
    <message>
        <source>The screenshot was saved to %1.</source>
        <translation>The screenshot was saved to %1.</translation>
    </message>
    <message>
        <source>The screenshot was not saved.
%1</source>
        <translation>The screenshot was not saved.
%1</translation>
    </message>
    <message>
        <source>The report could not be printed on %1.</source>
        <translation>The report could not be printed on %1.</translation>
    </message>
    <message>
        <source>Writing the report %1...</source>
        <translation>Writing the report %1...</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be printed: %1.</source>
        <translation>The report could not be printed: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPages</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>ReportTexts</name>
    <message>
        <source>Network plan</source>
        <translation>Network plan</translation>
    </message>
    <message>
        <source>Network plan: %1</source>
        <translation>Network plan: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Streams</source>
        <translation>Streams</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>Rate (kbps)</source>
        <translation>Rate (kbps)</translation>
    </message>
    <message>
        <source>Bandwidth (kbps)</source>
        <translation>Bandwidth (kbps)</translation>
    </message>
    <message>
        <source>Share (%)</source>
        <translation>Share (%)</translation>
    </message>
    <message>
        <source>Storage (TB)</source>
        <translation>Storage (TB)</translation>
    </message>
    <message>
        <source>Channels × streams</source>
        <translation>Channels × streams</translation>
    </message>
    <message>
        <source>Scene: %1</source>
        <translation>Scene: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Device groups</source>
        <translation>Device groups</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Storage</translation>
    </message>
    <message>
        <source>Bandwidth per group</source>
        <translation>Bandwidth per group</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>IPC channels</source>
        <translation>IPC channels</translation>
    </message>
    <message>
        <source>DVR channels</source>
        <translation>DVR channels</translation>
    </message>
    <message>
        <source>Total bandwidth</source>
        <translation>Total bandwidth</translation>
    </message>
    <message>
        <source>Total bandwidth (kbps)</source>
        <translation>Total bandwidth (kbps)</translation>
    </message>
    <message>
        <source>Recorded data (TB)</source>
        <translation>Recorded data (TB)</translation>
    </message>
    <message>
        <source>Data disks</source>
        <translation>Data disks</translation>
    </message>
    <message>
        <source>Disks to buy</source>
        <translation>Disks to buy</translation>
    </message>
    <message>
        <source>RAID</source>
        <translation>RAID</translation>
    </message>
    <message>
        <source>Disk size (TB)</source>
        <translation>Disk size (TB)</translation>
    </message>
    <message>
        <source>Hot spares</source>
        <translation>Hot spares</translation>
    </message>
    <message>
        <source>Uplink</source>
        <translation>Uplink</translation>
    </message>
    <message>
        <source>Bandwidth (%1)</source>
        <translation>Bandwidth (%1)</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>Designer</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Detail (px/m)</source>
        <translation>Detail (px/m)</translation>
    </message>
    <message>
        <source>Level met</source>
        <translation>Level met</translation>
    </message>
    <message>
        <source>Level required</source>
        <translation>Level required</translation>
    </message>
    <message>
        <source>Farthest (m)</source>
        <translation>Farthest (m)</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>%1 px/m, %2</source>
        <translation>%1 px/m, %2</translation>
    </message>
    <message>
        <source>%1, below %2</source>
        <translation>%1, below %2</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scene</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>Hours per day</source>
        <translation>Hours per day</translation>
    </message>
    <message>
        <source>Event share</source>
        <translation>Event share</translation>
    </message>
    <message>
        <source>Retention (days)</source>
        <translation>Retention (days)</translation>
    </message>
    <message>
        <source>Recorded streams</source>
        <translation>Recorded streams</translation>
    </message>
    <message>
        <source>Night hours</source>
        <translation>Night hours</translation>
    </message>
    <message>
        <source>Night factor</source>
        <translation>Night factor</translation>
    </message>
    <message>
        <source>Audio (kbps)</source>
        <translation>Audio (kbps)</translation>
    </message>
    <message>
        <source>Event retention (days)</source>
        <translation>Event retention (days)</translation>
    </message>
    <message>
        <source>Field of view (°)</source>
        <translation>Field of view (°)</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Focal length (mm)</translation>
    </message>
    <message>
        <source>Sensor width (mm)</source>
        <translation>Sensor width (mm)</translation>
    </message>
    <message>
        <source>Distance (m)</source>
        <translation>Distance (m)</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>Recorder</translation>
    </message>
    <message>
        <source>PoE class</source>
        <translation>PoE class</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>Parent</translation>
    </message>
    <message>
        <source>Uplink load (Mbps)</source>
        <translation>Uplink load (Mbps)</translation>
    </message>
    <message>
        <source>Uplink capacity (Mbps)</source>
        <translation>Uplink capacity (Mbps)</translation>
    </message>
    <message>
        <source>Utilisation (%)</source>
        <translation>Utilisation (%)</translation>
    </message>
    <message>
        <source>Ports used</source>
        <translation>Ports used</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>PoE (W)</source>
        <translation>PoE (W)</translation>
    </message>
    <message>
        <source>PoE budget (W)</source>
        <translation>PoE budget (W)</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Channels used</source>
        <translation>Channels used</translation>
    </message>
    <message>
        <source>Input load (Mbps)</source>
        <translation>Input load (Mbps)</translation>
    </message>
    <message>
        <source>Input capacity (Mbps)</source>
        <translation>Input capacity (Mbps)</translation>
    </message>
    <message>
        <source>Disks</source>
        <translation>Disks</translation>
    </message>
    <message>
        <source>Bays</source>
        <translation>Bays</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>What to change</source>
        <translation>What to change</translation>
    </message>
    <message>
        <source>Uplink load / capacity (Mbps)</source>
        <translation>Uplink load / capacity (Mbps)</translation>
    </message>
    <message>
        <source>Ports used / ports</source>
        <translation>Ports used / ports</translation>
    </message>
    <message>
        <source>PoE / budget (W)</source>
        <translation>PoE / budget (W)</translation>
    </message>
    <message>
        <source>Channels used / channels</source>
        <translation>Channels used / channels</translation>
    </message>
    <message>
        <source>Input load / capacity (Mbps)</source>
        <translation>Input load / capacity (Mbps)</translation>
    </message>
    <message>
        <source>Disks / bays</source>
        <translation>Disks / bays</translation>
    </message>
    <message>
        <source>Near limit</source>
        <translation>Near limit</translation>
    </message>
    <message>
        <source>Over limit</source>
        <translation>Over limit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>PoE</source>
        <translation>PoE</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Switch %1 (%2)</source>
        <translation>Switch %1 (%2)</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Switch %1</translation>
    </message>
    <message>
        <source>Recorder %1 (%2)</source>
        <translation>Recorder %1 (%2)</translation>
    </message>
    <message>
        <source>Recorder %1</source>
        <translation>Recorder %1</translation>
    </message>
    <message>
        <source>Group %1 (%2)</source>
        <translation>Group %1 (%2)</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Group %1</translation>
    </message>
    <message>
        <source>%1, %2: %3 of %4 %5</source>
        <translation>%1, %2: %3 of %4 %5</translation>
    </message>
    <message>
        <source>ports</source>
        <translation>ports</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>channels</translation>
    </message>
    <message>
        <source>disks</source>
        <translation>disks</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Switches</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>Recorders</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problems</translation>
    </message>
    <message>
        <source>No problems: every figure is within its limit.</source>
        <translation>No problems: every figure is within its limit.</translation>
    </message>
</context>
<context>
    <name>ScenceSelector</name>
    <message>
        <source>ScenceSelector</source>
        <translation>ScenceSelector</translation>
    </message>
    <message>
        <source>Scence:</source>
        <translation>Scene:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-weight:600; color:#acacac;&quot;&gt;Get Picture Failure&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-weight:600; color:#acacac;&quot;&gt;Picture Unavailable&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Get Picture Failure</source>
        <translation>Picture Unavailable</translation>
    </message>
</context>
<context>
    <name>SceneSetInstaller</name>
    <message>
        <source>Cannot create %1</source>
        <translation>Cannot create %1</translation>
    </message>
    <message>
        <source>Cannot copy the pictures %1 (%2)</source>
        <translation>Cannot copy the pictures %1 (%2)</translation>
    </message>
    <message>
        <source>The shipped scenes are missing: %1</source>
        <translation>The shipped scenes are missing: %1</translation>
    </message>
    <message>
        <source>Another scene import is running. Try again when it has finished.</source>
        <translation>Another scene import is running. Try again when it has finished.</translation>
    </message>
</context>
<context>
    <name>SceneTableCheck</name>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation>; and %1 more</translation>
    </message>
</context>
<context>
    <name>SceneTableImporter</name>
    <message>
        <source>No row can be imported: %1</source>
        <translation>No row can be imported: %1</translation>
    </message>
</context>
<context>
    <name>SceneTableValidator</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>%1 is not a UTF-8 text file</source>
        <translation>%1 is not a UTF-8 text file</translation>
    </message>
    <message>
        <source>the file holds no scene rows</source>
        <translation>the file holds no scene rows</translation>
    </message>
    <message>
        <source>%1 fields, expected 5 (scene, encoding, resolution, rate, picture)</source>
        <translation>%1 fields, expected 5 (scene, encoding, resolution, rate, picture)</translation>
    </message>
    <message>
        <source>scene &apos;%1&apos; is empty or holds control characters</source>
        <translation>scene &apos;%1&apos; is empty or holds control characters</translation>
    </message>
    <message>
        <source>encoding &apos;%1&apos; is not one of %2</source>
        <translation>encoding &apos;%1&apos; is not one of %2</translation>
    </message>
    <message>
        <source>resolution &apos;%1&apos; is not in the %2 bitrate table</source>
        <translation>resolution &apos;%1&apos; is not in the %2 bitrate table</translation>
    </message>
    <message>
        <source>rate &apos;%1&apos; is not a whole number from 1 to %2</source>
        <translation>rate &apos;%1&apos; is not a whole number from 1 to %2</translation>
    </message>
    <message>
        <source>picture name &apos;%1&apos; is not a plain file name</source>
        <translation>picture name &apos;%1&apos; is not a plain file name</translation>
    </message>
    <message>
        <source>picture %1 does not end in .png</source>
        <translation>picture %1 does not end in .png</translation>
    </message>
    <message>
        <source>picture %1 not found</source>
        <translation>picture %1 not found</translation>
    </message>
    <message>
        <source>picture name %1 is already taken by another file</source>
        <translation>picture name %1 is already taken by another file</translation>
    </message>
    <message>
        <source>picture %1 is not a PNG image</source>
        <translation>picture %1 is not a PNG image</translation>
    </message>
</context>
<context>
    <name>SectionBar</name>
    <message>
        <source>SectionBar</source>
        <translation>SectionBar</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>Encoidng</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Storage</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Export PDF...</translation>
    </message>
    <message>
        <source>Export Excel...</source>
        <translation>Export Excel...</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s) on the site</source>
        <translation>
            <numerusform>%n problem on the site</numerusform>
            <numerusform>%n problems on the site</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShowValueListCheck</name>
    <message>
        <source>the value &quot;%1&quot; of %2 is not a number above 0 and at most %3</source>
        <translation>the value &quot;%1&quot; of %2 is not a number above 0 and at most %3</translation>
    </message>
    <message>
        <source>%1 is listed twice; the first one is kept</source>
        <translation>%1 is listed twice; the first one is kept</translation>
    </message>
</context>
<context>
    <name>SiteCheck</name>
    <message>
        <source>%1 sees %2 px/m at %3 m, below %4 (%5 px/m): bring the target within %6 m, or use a narrower lens or a higher resolution.</source>
        <translation>%1 sees %2 px/m at %3 m, below %4 (%5 px/m): bring the target within %6 m, or use a narrower lens or a higher resolution.</translation>
    </message>
    <message>
        <source>The %1 disks available hold %2 TB; the days asked need %3 TB: plan %4 disks, or keep fewer days.</source>
        <translation>The %1 disks available hold %2 TB; the days asked need %3 TB: plan %4 disks, or keep fewer days.</translation>
    </message>
</context>
<context>
    <name>StoragePage</name>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Disk size :</source>
        <translation>Disk size :</translation>
    </message>
    <message>
        <source>RAID :</source>
        <translation>RAID :</translation>
    </message>
    <message>
        <source>Hot spares :</source>
        <translation>Hot spares :</translation>
    </message>
    <message>
        <source>File system overhead :</source>
        <translation>File system overhead :</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Retention</source>
        <translation>Retention</translation>
    </message>
    <message>
        <source>Storage (TB)</source>
        <translation>Storage (TB)</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Total storage: %1 TB</source>
        <translation>Total storage: %1 TB</translation>
    </message>
    <message>
        <source>Data disks: %1    Disks to buy: %2</source>
        <translation>Data disks: %1    Disks to buy: %2</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 days</translation>
    </message>
    <message>
        <source>Storage :</source>
        <translation>Storage :</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Recorded a day</source>
        <translation>Recorded a day</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Rate (kbps) × 125 bytes a second × recorded hours × 3600 × days</source>
        <translation>Rate (kbps) × 125 bytes a second × recorded hours × 3600 × days</translation>
    </message>
    <message>
        <source>&lt; 0.1 %</source>
        <translation>&lt; 0.1 %</translation>
    </message>
    <message>
        <source>One disk holds %1 TB of recordings (%2 bytes)</source>
        <translation>One disk holds %1 TB of recordings (%2 bytes)</translation>
    </message>
    <message>
        <source>%1 TB × (1 − %2 % file system overhead) = %3 bytes
Data disks = total bytes ÷ %3, rounded up</source>
        <translation>%1 TB × (1 − %2 % file system overhead) = %3 bytes
Data disks = total bytes ÷ %3, rounded up</translation>
    </message>
    <message>
        <source>%1 channels × %2 recorded streams × %3 kbps</source>
        <translation>%1 channels × %2 recorded streams × %3 kbps</translation>
    </message>
    <message>
        <source>%1 h a day × %2 % on events</source>
        <translation>%1 h a day × %2 % on events</translation>
    </message>
    <message>
        <source>%1 h a day, continuously</source>
        <translation>%1 h a day, continuously</translation>
    </message>
    <message>
        <source>%1 kbps × 125 bytes a second × %2 h × 3600 × %3 days = %4 bytes</source>
        <translation>%1 kbps × 125 bytes a second × %2 h × 3600 × %3 days = %4 bytes</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 bytes ÷ 10¹²</source>
        <translation>%1 bytes ÷ 10¹²</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 of %2 bytes</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>The disks the site has: the days each group keeps on them are shown</source>
        <translation>The disks the site has: the days each group keeps on them are shown</translation>
    </message>
    <message>
        <source>Disks available :</source>
        <translation>Disks available :</translation>
    </message>
    <message>
        <source>On the %1 disks available every group keeps its days, with %2 TB to spare.</source>
        <translation>On the %1 disks available every group keeps its days, with %2 TB to spare.</translation>
    </message>
    <message>
        <source>On the %1 disks available: nothing is recorded.</source>
        <translation>On the %1 disks available: nothing is recorded.</translation>
    </message>
    <message>
        <source>and %1 more groups below their required level.</source>
        <translation>and %1 more groups below their required level.</translation>
    </message>
    <message>
        <source>%1 h of them at night, at × %2 the rate</source>
        <translation>%1 h of them at night, at × %2 the rate</translation>
    </message>
    <message>
        <source>with %1 kbps of audio a channel</source>
        <translation>with %1 kbps of audio a channel</translation>
    </message>
    <message>
        <source>mixed: all of it kept %1 days, %2 % on events kept %3 days</source>
        <translation>mixed: all of it kept %1 days, %2 % on events kept %3 days</translation>
    </message>
    <message>
        <source>%1 days asked, %2 kept</source>
        <translation>%1 days asked, %2 kept</translation>
    </message>
    <message>
        <source>Event clips: %1 days asked, %2 kept</source>
        <translation>Event clips: %1 days asked, %2 kept</translation>
    </message>
</context>
<context>
    <name>SwitchDialog</name>
    <message>
        <source>Add switch</source>
        <translation>Add switch</translation>
    </message>
    <message>
        <source>Edit switch</source>
        <translation>Edit switch</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name :</translation>
    </message>
    <message>
        <source>None (site uplink)</source>
        <translation>None (site uplink)</translation>
    </message>
    <message>
        <source>Hangs from :</source>
        <translation>Hangs from :</translation>
    </message>
    <message>
        <source>Ports :</source>
        <translation>Ports :</translation>
    </message>
    <message>
        <source>Uplink :</source>
        <translation>Uplink :</translation>
    </message>
    <message>
        <source>PoE budget :</source>
        <translation>PoE budget :</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>UpdateDialog</source>
        <translation>UpdateDialog</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>tip text</source>
        <translation>Tip text</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Export Data</translation>
    </message>
    <message>
        <source>Import Templete</source>
        <translation>Import Template</translation>
    </message>
    <message>
        <source>Tip: Need to Restart</source>
        <translation>Tip: Restart Required</translation>
    </message>
    <message>
        <source>Update Data</source>
        <translation>Update Data</translation>
    </message>
    <message>
        <source>Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path
</source>
        <translation>Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path
</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Export Success.</source>
        <translation>Export succeeded.</translation>
    </message>
    <message>
        <source>Export Failure.</source>
        <translation>Export failed.</translation>
    </message>
    <message>
        <source>Import Success, Restart Software to Work.</source>
        <translation>Import succeeded. Restart Vantrel to apply.</translation>
    </message>
    <message>
        <source>Import Failure.</source>
        <translation>Import failed.</translation>
    </message>
    <message>
        <source>Restore shipped scenes</source>
        <translation>Restore shipped scenes</translation>
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
        <translation>Importing the scene pictures...</translation>
    </message>
    <message>
        <source>Checking the scene table...</source>
        <translation>Checking the scene table...</translation>
    </message>
    <message>
        <source>The table holds %1 in %2.</source>
        <translation>The table holds %1 in %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n scenes</source>
        <translation>
            <numerusform>%n scene</numerusform>
            <numerusform>%n scenes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows are refused and left out: %1.</source>
        <translation>
            <numerusform>%n row is refused and left out: %1.</numerusform>
            <numerusform>%n rows are refused and left out: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The scenes in use now, %1 with %2 and %3, will be removed.</source>
        <translation>The scenes in use now, %1 with %2 and %3, will be removed.</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n picture</numerusform>
            <numerusform>%n pictures</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace the scene table?</source>
        <translation>Replace the scene table?</translation>
    </message>
    <message>
        <source>The shipped scenes are back. Restart the program to use them.</source>
        <translation>The shipped scenes are back. Restart the program to use them.</translation>
    </message>
    <message>
        <source>The shipped scenes could not be restored.</source>
        <translation>The shipped scenes could not be restored.</translation>
    </message>
</context>
<context>
    <name>UplinkCheck</name>
    <message>
        <source>No uplink chosen: pick the site&apos;s link to check the total against it.</source>
        <translation>No uplink chosen: pick the site&apos;s link to check the total against it.</translation>
    </message>
    <message>
        <source>The devices need %1; the %2 uplink is %3 used.</source>
        <translation>The devices need %1; the %2 uplink is %3 used.</translation>
    </message>
</context>
<context>
    <name>UplinkGauge</name>
    <message>
        <source>No uplink</source>
        <translation>No uplink</translation>
    </message>
</context>
<context>
    <name>UplinkPicker</name>
    <message>
        <source>No uplink</source>
        <translation>No uplink</translation>
    </message>
    <message>
        <source>Custom (Mbps)</source>
        <translation>Custom (Mbps)</translation>
    </message>
    <message>
        <source>in Mbps</source>
        <translation>in Mbps</translation>
    </message>
    <message>
        <source>The site&apos;s uplink: %1</source>
        <translation>The site&apos;s uplink: %1</translation>
    </message>
    <message>
        <source>Not a link: enter a speed above 0 and up to %1 Mbps.</source>
        <translation>Not a link: enter a speed above 0 and up to %1 Mbps.</translation>
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
        <translation>Exit</translation>
    </message>
    <message>
        <source>Exit the Morvane software?</source>
        <translation>Exit Vantrel?</translation>
    </message>
    <message>
        <source>%1 - Vantrel</source>
        <translation>%1 - Vantrel</translation>
    </message>
    <message>
        <source>Menu (F10)</source>
        <translation>Menu (F10)</translation>
    </message>
</context>
<context>
    <name>ViewEditor</name>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Lens</translation>
    </message>
    <message>
        <source>Given by :</source>
        <translation>Given by :</translation>
    </message>
    <message>
        <source>Horizontal angle of view, in degrees</source>
        <translation>Horizontal angle of view, in degrees</translation>
    </message>
    <message>
        <source>Angle :</source>
        <translation>Angle :</translation>
    </message>
    <message>
        <source>Focal length of the lens</source>
        <translation>Focal length of the lens</translation>
    </message>
    <message>
        <source>Focal length :</source>
        <translation>Focal length :</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Width of the sensor</source>
        <translation>Width of the sensor</translation>
    </message>
    <message>
        <source>Sensor :</source>
        <translation>Sensor :</translation>
    </message>
    <message>
        <source>Distance to the target</source>
        <translation>Distance to the target</translation>
    </message>
    <message>
        <source>Distance :</source>
        <translation>Distance :</translation>
    </message>
    <message>
        <source>Required :</source>
        <translation>Required :</translation>
    </message>
    <message>
        <source>No detail figure: the resolution &quot;%1&quot; does not say its width (WxH).</source>
        <translation>No detail figure: the resolution &quot;%1&quot; does not say its width (WxH).</translation>
    </message>
    <message>
        <source>%1 px/m: %2</source>
        <translation>%1 px/m: %2</translation>
    </message>
    <message>
        <source>. %1 up to %2 m</source>
        <translation>. %1 up to %2 m</translation>
    </message>
    <message>
        <source> (below %1 here)</source>
        <translation> (below %1 here)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>no width</source>
        <translation>no width</translation>
    </message>
    <message>
        <source>%1 px/m, %2</source>
        <translation>%1 px/m, %2</translation>
    </message>
    <message>
        <source>View : %1</source>
        <translation>View : %1</translation>
    </message>
</context>
<context>
    <name>WidgetDeviceListBorder</name>
    <message>
        <source>WidgetDeviceListBorder</source>
        <translation>WidgetDeviceListBorder</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;NO DEVICE, &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Please Add Device!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;No devices. &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Please add a device!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>WorkProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>the workbook library %1 could not be loaded (%2)</translation>
    </message>
    <message>
        <source>it has no function %1</source>
        <translation>it has no function %1</translation>
    </message>
</context>
<context>
    <name>XlsxReportWriter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>the workbook could not be started</translation>
    </message>
</context>
<context>
    <name>XlsxTable</name>
    <message>
        <source>not an Excel workbook (.xlsx)</source>
        <translation>not an Excel workbook (.xlsx)</translation>
    </message>
    <message>
        <source>its first sheet unpacks to more than %1 MiB</source>
        <translation>its first sheet unpacks to more than %1 MiB</translation>
    </message>
    <message>
        <source>not an Excel workbook (.xlsx): it has no sheet</source>
        <translation>not an Excel workbook (.xlsx): it has no sheet</translation>
    </message>
    <message>
        <source>its shared texts are damaged</source>
        <translation>its shared texts are damaged</translation>
    </message>
    <message>
        <source>its shared texts unpack to more than %1 MiB</source>
        <translation>its shared texts unpack to more than %1 MiB</translation>
    </message>
    <message>
        <source>its first sheet is damaged</source>
        <translation>its first sheet is damaged</translation>
    </message>
</context>
<context>
    <name>ZipLibrary</name>
    <message>
        <source>the zip library %1 could not be loaded (%2)</source>
        <translation>the zip library %1 could not be loaded (%2)</translation>
    </message>
    <message>
        <source>it has no function %1</source>
        <translation>it has no function %1</translation>
    </message>
</context>
<context>
    <name>rapidjson</name>
    <message>
        <source>an object</source>
        <translation>an object</translation>
    </message>
</context>
</TS>
