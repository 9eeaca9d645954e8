<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>DataNames</name>
    <message>
        <source>Office</source>
        <extracomment>scene, Scene.csv</extracomment>
        <translation>办公室</translation>
    </message>
    <message>
        <source>Road</source>
        <extracomment>scene, Scene.csv</extracomment>
        <translation>道路</translation>
    </message>
    <message>
        <source>Parking Lot</source>
        <extracomment>scene, Scene.csv</extracomment>
        <translation>停车场</translation>
    </message>
    <message>
        <source>Shop</source>
        <extracomment>scene, Scene.csv</extracomment>
        <translation>商店</translation>
    </message>
    <message>
        <source>Warehouse</source>
        <extracomment>scene, Scene.csv</extracomment>
        <translation>仓库</translation>
    </message>
    <message>
        <source>Hospital</source>
        <extracomment>scene, Scene.csv</extracomment>
        <translation>医院</translation>
    </message>
    <message>
        <source>3.3 Mbps (Annex M)</source>
        <extracomment>bandwidth, NetworkConnection.xml</extracomment>
        <translation>3.3 Mbps (附件 M)</translation>
    </message>
    <message>
        <source>Cable</source>
        <extracomment>link type, NetworkConnection.xml</extracomment>
        <translation>有线电视宽带</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <extracomment>link type, NetworkConnection.xml</extracomment>
        <translation>以太网</translation>
    </message>
    <message>
        <source>Fibre</source>
        <extracomment>link type, NetworkConnection.xml</extracomment>
        <translation>光纤</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>link type, NetworkConnection.xml</extracomment>
        <translation>卫星</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <extracomment>link type, NetworkConnection.xml</extracomment>
        <translation>Wi-Fi 无线</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>RAID level, Storage.xml</extracomment>
        <translation>无</translation>
    </message>
</context>
</TS>
