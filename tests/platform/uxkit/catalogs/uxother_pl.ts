<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name></name>
    <message id="uxother_bye">
        <source>Bye</source>
        <translation>Pa</translation>
    </message>
</context>
</TS>
