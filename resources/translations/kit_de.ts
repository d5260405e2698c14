<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="kit.launchAtLogin.requiresApproval">
        <source>Open your desktop's Startup Applications settings to enable launch at login.</source>
        <translation>Öffne die Einstellungen für Autostart-Anwendungen deiner Arbeitsumgebung, um den Start bei der Anmeldung zu aktivieren.</translation>
    </message>
    <message id="kit.launchAtLogin.notFound">
        <source>The app's program file could not be found. Reinstall the app to launch it at login.</source>
        <translation>Die Programmdatei der App wurde nicht gefunden. Installiere die App neu, um sie bei der Anmeldung zu starten.</translation>
    </message>
</context>
</TS>
