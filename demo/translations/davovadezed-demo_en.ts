<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>FeedPage</name>
    <message>
        <source>Activities</source>
        <translation>Activities</translation>
    </message>
</context>
</TS>
