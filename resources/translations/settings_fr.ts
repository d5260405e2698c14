<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="settings.window.title">
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message id="settings.tab.permissions">
        <source>Permissions</source>
        <translation>Autorisations</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message id="settings.sidebar.tip">
        <source>Buy me a coffee</source>
        <translation>Offrez-moi un café</translation>
    </message>
    <message id="settings.general.title">
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message id="settings.general.notificationSound.title">
        <source>Notification sound</source>
        <translation>Son des notifications</translation>
    </message>
    <message id="settings.general.notificationSound.subtitle">
        <source>Play a sound with milestone notifications.</source>
        <translation>Jouer un son avec les notifications d’étape.</translation>
    </message>
    <message id="settings.general.weeklyDigest.title">
        <source>Weekly recap</source>
        <translation>Récap hebdomadaire</translation>
    </message>
    <message id="settings.general.weeklyDigest.subtitle">
        <source>A Sunday evening note about your longest streak and what you resisted.</source>
        <translation>Une note le dimanche soir sur votre plus longue série et ce à quoi vous avez résisté.</translation>
    </message>
    <message id="settings.appearance.title">
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message id="settings.appearance.option.auto">
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message id="settings.appearance.option.light">
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message id="settings.appearance.option.dark">
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message id="settings.appearance.language.title">
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message id="settings.appearance.language.system">
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message id="settings.appearance.language.english">
        <source>English</source>
        <translation>English</translation>
    </message>
    <message id="settings.appearance.language.turkish">
        <source>Türkçe</source>
        <translation>Türkçe</translation>
    </message>
    <message id="settings.appearance.language.german">
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message id="settings.appearance.language.spanish">
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message id="settings.appearance.language.french">
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message id="settings.appearance.language.japanese">
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message id="settings.general.loginItem">
        <source>Open at login</source>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message id="settings.general.loginItem.openLoginItems">
        <source>Open Startup Applications settings…</source>
        <translation>Ouvrir les réglages des applications au démarrage…</translation>
    </message>
    <message id="settings.general.loginItem.error">
        <source>Couldn't change whether Halvex opens at login.</source>
        <translation>Impossible de modifier l’ouverture de Halvex à la connexion.</translation>
    </message>
    <message id="settings.general.loginItem.requiresApproval">
        <source>Allow Halvex in your desktop's Startup Applications settings to finish turning this on.</source>
        <translation>Autorisez Halvex dans les réglages des applications au démarrage de votre bureau pour finir de l’activer.</translation>
    </message>
    <message id="about.panel.version">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="settings.about.byline">
        <source>Made with care by Fennimar.</source>
        <translation>Conçu avec soin par Fennimar.</translation>
    </message>
    <message id="settings.about.updates_heading">
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message id="about.check_updates.title">
        <source>Software updates</source>
        <translation>Mises à jour du logiciel</translation>
    </message>
    <message id="about.check_updates.idle">
        <source>See whether a newer version is out.</source>
        <translation>Vérifiez si une version plus récente est sortie.</translation>
    </message>
    <message id="about.check_updates.checking">
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message id="about.check_updates.up_to_date">
        <source>Halvex %1 is the newest version.</source>
        <translation>Halvex %1 est la version la plus récente.</translation>
    </message>
    <message id="about.check_updates.available">
        <source>Version %1 is available.</source>
        <translation>La version %1 est disponible.</translation>
    </message>
    <message id="about.check_updates.failed">
        <source>Couldn't check for updates. Your package manager brings new versions.</source>
        <translation>Impossible de vérifier les mises à jour. Votre gestionnaire de paquets apporte les nouvelles versions.</translation>
    </message>
    <message id="about.check_updates.retry">
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message id="about.check_updates">
        <source>Check now</source>
        <translation>Vérifier</translation>
    </message>
    <message id="about.check_updates.install">
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message id="settings.about.links_heading">
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message id="settings.about.website">
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message id="settings.about.privacy">
        <source>Privacy policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message id="settings.about.terms">
        <source>Terms of service</source>
        <translation>Conditions d’utilisation</translation>
    </message>
    <message id="settings.about.support">
        <source>Email support (%1)</source>
        <translation>Assistance par e-mail (%1)</translation>
    </message>
    <message id="settings.about.feedback">
        <source>Send feedback</source>
        <translation>Envoyer un avis</translation>
    </message>
    <message id="settings.about.tip">
        <source>Buy me a coffee</source>
        <translation>Offrez-moi un café</translation>
    </message>
    <message id="settings.about.more_apps">
        <source>More apps</source>
        <translation>Autres apps</translation>
    </message>
    <message id="settings.about.copyright">
        <source>© 2026 Fennimar. All rights reserved.</source>
        <translation>© 2026 Fennimar. Tous droits réservés.</translation>
    </message>
</context>
</TS>
