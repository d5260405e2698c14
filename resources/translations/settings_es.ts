<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="settings.window.title">
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message id="settings.tab.general">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="settings.tab.permissions">
        <source>Permissions</source>
        <translation>Permisos</translation>
    </message>
    <message id="settings.tab.about">
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message id="settings.sidebar.tip">
        <source>Buy me a coffee</source>
        <translation>Invítame a un café</translation>
    </message>
    <message id="settings.general.title">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="settings.general.notificationSound.title">
        <source>Notification sound</source>
        <translation>Sonido de notificación</translation>
    </message>
    <message id="settings.general.notificationSound.subtitle">
        <source>Play a sound with milestone notifications.</source>
        <translation>Reproduce un sonido con las notificaciones de hitos.</translation>
    </message>
    <message id="settings.general.weeklyDigest.title">
        <source>Weekly recap</source>
        <translation>Resumen semanal</translation>
    </message>
    <message id="settings.general.weeklyDigest.subtitle">
        <source>A Sunday evening note about your longest streak and what you resisted.</source>
        <translation>Una nota el domingo por la tarde sobre tu racha más larga y lo que resististe.</translation>
    </message>
    <message id="settings.appearance.title">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="settings.appearance.option.auto">
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message id="settings.appearance.option.light">
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message id="settings.appearance.option.dark">
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message id="settings.appearance.language.title">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="settings.appearance.language.system">
        <source>System</source>
        <translation>Sistema</translation>
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
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message id="settings.general.loginItem.openLoginItems">
        <source>Open Startup Applications settings…</source>
        <translation>Abrir ajustes de aplicaciones al inicio…</translation>
    </message>
    <message id="settings.general.loginItem.error">
        <source>Couldn't change whether Halvex opens at login.</source>
        <translation>No se pudo cambiar si Halvex se abre al iniciar sesión.</translation>
    </message>
    <message id="settings.general.loginItem.requiresApproval">
        <source>Allow Halvex in your desktop's Startup Applications settings to finish turning this on.</source>
        <translation>Permite Halvex en los ajustes de aplicaciones al inicio de tu escritorio para terminar de activarlo.</translation>
    </message>
    <message id="about.panel.version">
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message id="settings.about.byline">
        <source>Made with care by Fennimar.</source>
        <translation>Hecho con cariño por Fennimar.</translation>
    </message>
    <message id="settings.about.updates_heading">
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message id="about.check_updates.title">
        <source>Software updates</source>
        <translation>Actualizaciones de software</translation>
    </message>
    <message id="about.check_updates.idle">
        <source>See whether a newer version is out.</source>
        <translation>Comprueba si hay una versión más reciente.</translation>
    </message>
    <message id="about.check_updates.checking">
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message id="about.check_updates.up_to_date">
        <source>Halvex %1 is the newest version.</source>
        <translation>Halvex %1 es la versión más reciente.</translation>
    </message>
    <message id="about.check_updates.available">
        <source>Version %1 is available.</source>
        <translation>La versión %1 está disponible.</translation>
    </message>
    <message id="about.check_updates.failed">
        <source>Couldn't check for updates. Your package manager brings new versions.</source>
        <translation>No se pudieron buscar actualizaciones. Tu gestor de paquetes trae las nuevas versiones.</translation>
    </message>
    <message id="about.check_updates.retry">
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message id="about.check_updates">
        <source>Check now</source>
        <translation>Comprobar ahora</translation>
    </message>
    <message id="about.check_updates.install">
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message id="settings.about.links_heading">
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message id="settings.about.website">
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message id="settings.about.privacy">
        <source>Privacy policy</source>
        <translation>Política de privacidad</translation>
    </message>
    <message id="settings.about.terms">
        <source>Terms of service</source>
        <translation>Términos del servicio</translation>
    </message>
    <message id="settings.about.support">
        <source>Email support (%1)</source>
        <translation>Soporte por correo (%1)</translation>
    </message>
    <message id="settings.about.feedback">
        <source>Send feedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message id="settings.about.tip">
        <source>Buy me a coffee</source>
        <translation>Invítame a un café</translation>
    </message>
    <message id="settings.about.more_apps">
        <source>More apps</source>
        <translation>Más apps</translation>
    </message>
    <message id="settings.about.copyright">
        <source>© 2026 Fennimar. All rights reserved.</source>
        <translation>© 2026 Fennimar. Todos los derechos reservados.</translation>
    </message>
</context>
</TS>
