<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>Vantrel</source>
        <translation>Vantrel</translation>
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
        <translation>确定退出 Morvane 软件吗？</translation>
    </message>
</context>
</TS>
