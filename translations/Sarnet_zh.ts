<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>apt::ToolApplicationHull::ToolApplicationPrivate</name>
    <message>
        <source> is already running.</source>
        <translation> 已在运行。</translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <translation>显示分辨率低于 1024x768，仍要启动程序吗？</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>%1 is already running but did not answer, so %2 was not opened.</source>
        <translation>%1 已在运行但没有响应，因此未打开 %2。</translation>
    </message>
</context>
</TS>
