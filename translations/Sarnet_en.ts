<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>apt::ToolApplicationHull::ToolApplicationPrivate</name>
    <message>
        <source> is already running.</source>
        <translation> is already running.</translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <translation>The display resolution is lower than 1024x768. Start the program anyway?</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>%1 is already running but did not answer, so %2 was not opened.</source>
        <translation>%1 is already running but did not answer, so %2 was not opened.</translation>
    </message>
</context>
</TS>
