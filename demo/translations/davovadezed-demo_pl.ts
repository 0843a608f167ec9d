<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>FeedPage</name>
    <message>
        <source>Activities</source>
        <translation>Aktywność</translation>
    </message>
</context>
</TS>
