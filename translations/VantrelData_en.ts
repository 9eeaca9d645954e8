<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>DataNames</name>
    <message>
        <source>Office</source>
        <extracomment>scene, Scene.csv</extracomment>
        <translation>Office</translation>
    </message>
    <message>
        <source>Road</source>
        <extracomment>scene, Scene.csv</extracomment>
        <translation>Road</translation>
    </message>
    <message>
        <source>Parking Lot</source>
        <extracomment>scene, Scene.csv</extracomment>
        <translation>Parking Lot</translation>
    </message>
    <message>
        <source>Shop</source>
        <extracomment>scene, Scene.csv</extracomment>
        <translation>Shop</translation>
    </message>
    <message>
        <source>Warehouse</source>
        <extracomment>scene, Scene.csv</extracomment>
        <translation>Warehouse</translation>
    </message>
    <message>
        <source>Hospital</source>
        <extracomment>scene, Scene.csv</extracomment>
        <translation>Hospital</translation>
    </message>
    <message>
        <source>3.3 Mbps (Annex M)</source>
        <extracomment>bandwidth, NetworkConnection.xml</extracomment>
        <translation>3.3 Mbps (Annex M)</translation>
    </message>
    <message>
        <source>Cable</source>
        <extracomment>link type, NetworkConnection.xml</extracomment>
        <translation>Cable</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <extracomment>link type, NetworkConnection.xml</extracomment>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Fibre</source>
        <extracomment>link type, NetworkConnection.xml</extracomment>
        <translation>Fibre</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>link type, NetworkConnection.xml</extracomment>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <extracomment>link type, NetworkConnection.xml</extracomment>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>RAID level, Storage.xml</extracomment>
        <translation>None</translation>
    </message>
</context>
</TS>
