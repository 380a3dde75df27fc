<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Fixture</name>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Added %1 numbers from %2</source>
        <translation>%1 Zahlen aus %2 in %3 hinzugefügt</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 Datei</numerusform>
            <numerusform>%1 Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Copied.<byte value="xd"/><byte value="xd"/>Press Ctrl+V to paste.</source>
        <translation>Kopiert.<byte value="xd"/><byte value="xd"/>Strg+V fügt ein.</translation>
    </message>
</context>
<context>
    <name>FixtureHelp</name>
    <message>
        <source>Each PATH is read
as a list file.</source>
        <translation>Jeder PATH wird als Listendatei gelesen.</translation>
    </message>
</context>
</TS>
