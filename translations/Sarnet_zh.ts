<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>apt::ToolApplicationHull::ToolApplicationPrivate</name>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source> is already running.</source>
        <translation> 已经在运行。</translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <translation>显示分辨率低于1024*768，确定要启动程序吗？</translation>
    </message>
</context>
</TS>
