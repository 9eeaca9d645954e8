<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
        <translation>Exit</translation>
    </message>
    <message>
        <source>Exit the Morvane software?</source>
        <translation>Exit the Morvane software?</translation>
    </message>
</context>
</TS>
