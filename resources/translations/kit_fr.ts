<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="kit.launchAtLogin.requiresApproval">
        <source>Open your desktop's Startup Applications settings to enable launch at login.</source>
        <translation>Ouvrez les réglages Applications au démarrage de votre bureau pour activer le lancement à l'ouverture de session.</translation>
    </message>
    <message id="kit.launchAtLogin.notFound">
        <source>The app's program file could not be found. Reinstall the app to launch it at login.</source>
        <translation>Le fichier programme de l'app est introuvable. Réinstallez l'app pour la lancer à l'ouverture de session.</translation>
    </message>
</context>
</TS>
