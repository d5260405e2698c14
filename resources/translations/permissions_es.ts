<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="permissions.browser.restartToRead"><source>%1 was opened before accessibility was switched on, so Halvex cannot read its pages. Quit %1 and open it again.</source><translation>%1 se abrió antes de activar la accesibilidad, así que Halvex no puede leer sus páginas. Cierra %1 y vuelve a abrirlo.</translation></message>
</context>
</TS>
