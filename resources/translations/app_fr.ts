<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>À propos de Halvex</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Aide de Halvex</translation></message>
    <message id="notification.milestone.7.title"><source>One week strong</source><translation>Une semaine tenue</translation></message>
    <message id="notification.milestone.14.title"><source>Two weeks strong</source><translation>Deux semaines tenues</translation></message>
    <message id="notification.milestone.30.title"><source>30 days strong</source><translation>30 jours tenus</translation></message>
    <message id="notification.milestone.60.title"><source>60 days strong</source><translation>60 jours tenus</translation></message>
    <message id="notification.milestone.90.title"><source>90 days strong</source><translation>90 jours tenus</translation></message>
    <message id="notification.milestone.180.title"><source>Half a year strong</source><translation>Six mois tenus</translation></message>
    <message id="notification.milestone.365.title"><source>A whole year strong</source><translation>Une année entière tenue</translation></message>
    <message id="notification.milestone.body"><source>%1 reached a new milestone. Keep going!</source><translation>%1 a atteint un nouveau palier. Continuez !</translation></message>
    <message id="notification.weeklyDigest.title"><source>Your week in streaks</source><translation>Votre semaine en séries</translation></message>
    <message id="notification.weeklyDigest.body.streak" numerus="yes"><source>%1: %n days</source><translation><numerusform>%1 : %n jour</numerusform><numerusform>%1 : %n jours</numerusform></translation></message>
    <message id="notification.weeklyDigest.body.resisted" numerus="yes"><source>Most resisted: %1 (%n steps back)</source><translation><numerusform>La plus tenue : %1 (%n retour en arrière)</numerusform><numerusform>La plus tenue : %1 (%n retours en arrière)</numerusform></translation></message>
    <message id="startup_notice.store.title"><source>Halvex could not open its store</source><translation>Halvex n’a pas pu ouvrir sa base</translation></message>
    <message id="startup_notice.store.read_only"><source>%1 is read-only, so Halvex leaves it as it is. Make it writable again and start Halvex again to use it.</source><translation>%1 est en lecture seule, Halvex le laisse donc tel quel. Rendez-le de nouveau modifiable et relancez Halvex pour l’utiliser.</translation></message>
    <message id="startup_notice.store.failed"><source>%1 could not be opened: %2</source><translation>Impossible d’ouvrir %1 : %2</translation></message>
    <message id="startup_notice.store.not_kept"><source>Halvex runs without it until you quit: nothing you set up or that happens in this run will be kept.</source><translation>Halvex fonctionne sans elle jusqu’à ce que vous le quittiez : rien de ce que vous configurez ni de ce qui se passe pendant cette session ne sera conservé.</translation></message>
    <message id="startup_notice.store.where"><source>Your store is in %1, and its daily backups are in %2.</source><translation>Votre base se trouve dans %1, et ses sauvegardes quotidiennes dans %2.</translation></message>
    <message id="startup_notice.store.newest_backup"><source>The newest backup is %1.</source><translation>La sauvegarde la plus récente est %1.</translation></message>
    <message id="startup_notice.xwayland.title"><source>Halvex sees only some windows here</source><translation>Ici, Halvex ne voit que certaines fenêtres</translation></message>
    <message id="startup_notice.xwayland.body"><source>This is a Wayland session: Halvex sees only the windows of applications that run under XWayland, so native Wayland applications never bring up a friction panel. In an X11 session Halvex sees every window.</source><translation>Ceci est une session Wayland : Halvex ne voit que les fenêtres des applications qui tournent sous XWayland, donc les applications Wayland natives ne font jamais apparaître le panneau. Dans une session X11, Halvex voit toutes les fenêtres.</translation></message>
    <message id="startup_notice.show_folder"><source>Show folder</source><translation>Afficher le dossier</translation></message>
    <message id="startup_notice.quit"><source>Quit Halvex</source><translation>Quitter Halvex</translation></message>
    <message id="startup_notice.continue_unsaved"><source>Continue without saving</source><translation>Continuer sans enregistrer</translation></message>
    <message id="startup_notice.continue"><source>Continue</source><translation>Continuer</translation></message>
</context>
</TS>
