<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="sample.greeting">
        <source>Hello</source>
        <translation>Hello</translation>
    </message>
    <message id="sample.onlyEnglish">
        <source>Only in English</source>
        <translation>Only in English</translation>
    </message>
</context>
</TS>
