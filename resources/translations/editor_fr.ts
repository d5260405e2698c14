<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="streakEditor.mode.gentle"><source>Gentle</source><translation>Doux</translation></message>
    <message id="streakEditor.mode.firm"><source>Firm</source><translation>Ferme</translation></message>
    <message id="streakEditor.mode.brutal"><source>Brutal</source><translation>Impitoyable</translation></message>
    <message id="streakEditor.mode.title"><source>Strictness</source><translation>Fermeté</translation></message>
    <message id="streakEditor.activeWindow.title"><source>Active hours</source><translation>Heures actives</translation></message>
    <message id="streakEditor.activeWindow.subtitle"><source>Block only at these times and on these days.</source><translation>Bloquer seulement à ces heures et ces jours-là.</translation></message>
    <message id="streakEditor.activeWindow.from"><source>From</source><translation>De</translation></message>
    <message id="streakEditor.activeWindow.to"><source>To</source><translation>À</translation></message>
    <message id="streakEditor.activeWindow.overnight"><source>Runs past midnight into the next day.</source><translation>Se prolonge après minuit jusqu’au lendemain.</translation></message>
    <message id="streakEditor.activeWindow.days"><source>Days</source><translation>Jours</translation></message>
    <message id="streakEditor.allowance.title"><source>Daily allowance</source><translation>Temps autorisé par jour</translation></message>
    <message id="streakEditor.allowance.subtitle"><source>Minutes a day you may spend there without the panel.</source><translation>Minutes par jour que vous pouvez y passer sans le panneau.</translation></message>
    <message id="streakEditor.allowance.minutes"><source>%1 min</source><translation>%1 min</translation></message>
    <message id="streakEditor.apps.title"><source>Applications</source><translation>Applications</translation></message>
    <message id="streakEditor.apps.choose"><source>Choose apps</source><translation>Choisir des apps</translation></message>
    <message id="streakEditor.apps.remove"><source>Remove</source><translation>Retirer</translation></message>
    <message id="streakEditor.apps.chooser.title"><source>Choose applications</source><translation>Choisir des applications</translation></message>
    <message id="streakEditor.apps.chooser.search"><source>Search</source><translation>Rechercher</translation></message>
    <message id="streakEditor.apps.chooser.empty"><source>No applications found</source><translation>Aucune application trouvée</translation></message>
    <message id="streakEditor.apps.chooser.cancel"><source>Cancel</source><translation>Annuler</translation></message>
    <message id="streakEditor.domains.title"><source>Websites</source><translation>Sites web</translation></message>
    <message id="streakEditor.domains.pathHint"><source>Add a path to block only part of a site, like reddit.com/r/all.</source><translation>Ajoutez un chemin pour ne bloquer qu’une partie d’un site, comme reddit.com/r/all.</translation></message>
    <message id="streakEditor.domains.placeholder"><source>example.com</source><translation>example.com</translation></message>
    <message id="streakEditor.domains.add"><source>Add site</source><translation>Ajouter un site</translation></message>
    <message id="streakEditor.domains.addSet"><source>Add a set</source><translation>Ajouter un ensemble</translation></message>
    <message id="streakEditor.domains.remove"><source>Remove</source><translation>Retirer</translation></message>
    <message id="streakEditor.domains.set.social"><source>Social media</source><translation>Réseaux sociaux</translation></message>
    <message id="streakEditor.domains.set.video"><source>Video</source><translation>Vidéo</translation></message>
    <message id="streakEditor.domains.set.news"><source>News</source><translation>Actualités</translation></message>
    <message id="streakEditor.domains.set.shopping"><source>Shopping</source><translation>Shopping</translation></message>
    <message id="streakEditor.domains.set.games"><source>Games</source><translation>Jeux</translation></message>
    <message id="streakEditor.domains.showAll"><source>Edit sites</source><translation>Modifier les sites</translation></message>
    <message id="streakEditor.tombstone.days"><source>days</source><translation>jours</translation></message>
</context>
</TS>
