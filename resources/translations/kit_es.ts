<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="kit.launchAtLogin.requiresApproval">
        <source>Open your desktop's Startup Applications settings to enable launch at login.</source>
        <translation>Abre los ajustes de Aplicaciones al inicio de tu escritorio para activar el inicio al iniciar sesión.</translation>
    </message>
    <message id="kit.launchAtLogin.notFound">
        <source>The app's program file could not be found. Reinstall the app to launch it at login.</source>
        <translation>No se encontró el archivo del programa de la app. Reinstala la app para abrirla al iniciar sesión.</translation>
    </message>
</context>
</TS>
