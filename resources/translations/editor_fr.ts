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
    <message id="streakEditor.allowance.minutes"><source>%1 min</source><translation>%1 min</translation></message>
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
    <message id="streakEditor.domains.invalid"><source>Not a site, so it blocks nothing. Enter one like example.com or reddit.com/r/all.</source><translation>Ce n’est pas un site : rien ne sera bloqué. Saisissez-en un comme example.com ou reddit.com/r/all.</translation></message>
    <message id="streakEditor.domains.add"><source>Add site</source><translation>Ajouter un site</translation></message>
    <message id="streakEditor.domains.addSet"><source>Add a set</source><translation>Ajouter un ensemble</translation></message>
    <message id="streakEditor.domains.remove"><source>Remove</source><translation>Retirer</translation></message>
    <message id="streakEditor.domains.set.social"><source>Social media</source><translation>Réseaux sociaux</translation></message>
    <message id="streakEditor.domains.set.video"><source>Video</source><translation>Vidéo</translation></message>
    <message id="streakEditor.domains.set.news"><source>News</source><translation>Actualités</translation></message>
    <message id="streakEditor.domains.set.shopping"><source>Shopping</source><translation>Shopping</translation></message>
    <message id="streakEditor.domains.set.games"><source>Games</source><translation>Jeux</translation></message>
    <message id="streakEditor.domains.showAll"><source>Edit sites</source><translation>Modifier les sites</translation></message>
    <message id="streakEditor.new.title"><source>New streak</source><translation>Nouvelle série</translation></message>
    <message id="streakEditor.new.type.title"><source>Blocks</source><translation>Bloque</translation></message>
    <message id="streakEditor.new.type.site"><source>Sites</source><translation>Sites</translation></message>
    <message id="streakEditor.new.type.app"><source>Apps</source><translation>Apps</translation></message>
    <message id="streakEditor.new.name.title"><source>Name</source><translation>Nom</translation></message>
    <message id="streakEditor.new.name.placeholder"><source>e.g. Social media</source><translation>ex. Réseaux sociaux</translation></message>
    <message id="streakEditor.new.freePass.title"><source>Daily free pass</source><translation>Passe-droit quotidien</translation></message>
    <message id="streakEditor.new.freePass.subtitle"><source>Open a blocked target once a day without breaking the streak.</source><translation>Ouvrez une cible bloquée une fois par jour sans briser la série.</translation></message>
    <message id="streakEditor.new.externalLink.title"><source>Links from other apps</source><translation>Liens d'autres apps</translation></message>
    <message id="streakEditor.new.externalLink.subtitle"><source>A link opened from another app may go through without breaking the streak.</source><translation>Un lien ouvert depuis une autre app peut passer sans briser la série.</translation></message>
    <message id="streakEditor.new.notifications.title"><source>Milestone notifications</source><translation>Notifications d'étapes</translation></message>
    <message id="streakEditor.new.notifications.subtitle"><source>A note when the streak reaches 7, 14, 30 days and beyond.</source><translation>Un mot quand la série atteint 7, 14, 30 jours et au-delà.</translation></message>
    <message id="streakEditor.new.error.name"><source>Give the streak a name.</source><translation>Donnez un nom à la série.</translation></message>
    <message id="streakEditor.new.error.triggers"><source>Add at least one site or app to block.</source><translation>Ajoutez au moins un site ou une app à bloquer.</translation></message>
    <message id="streakEditor.new.error.site"><source>An entry in the list is not a site and would block nothing. Correct it or remove it.</source><translation>Une entrée de la liste n’est pas un site et ne bloquerait rien. Corrigez-la ou supprimez-la.</translation></message>
    <message id="streakEditor.new.error.limit"><source>You can keep up to 5 streaks. Delete one to start another.</source><translation>Vous pouvez tenir jusqu'à 5 séries. Supprimez-en une pour en commencer une autre.</translation></message>
    <message id="streakEditor.new.error.saveFailed"><source>The streak could not be saved. Please try again.</source><translation>La série n'a pas pu être enregistrée. Veuillez réessayer.</translation></message>
    <message id="streakEditor.new.cancel"><source>Cancel</source><translation>Annuler</translation></message>
    <message id="streakEditor.new.save"><source>Save</source><translation>Enregistrer</translation></message>
    <message id="streakEditor.tombstone.days"><source>days</source><translation>jours</translation></message>
    <message id="streakEditor.detail.title"><source>Streak</source><translation>Série</translation></message>
    <message id="streakEditor.detail.triggers.title"><source>Blocks</source><translation>Bloque</translation></message>
    <message id="streakEditor.detail.tombstones.title"><source>Broken runs</source><translation>Séries rompues</translation></message>
    <message id="tombstone.empty"><source>No broken runs yet.</source><translation>Aucune série rompue pour l’instant.</translation></message>
    <message id="streakEditor.detail.close"><source>Close</source><translation>Fermer</translation></message>
    <message id="streakEditor.detail.saveFailed"><source>This streak no longer exists.</source><translation>Cette série n’existe plus.</translation></message>
    <message id="deleteConfirm.delete"><source>Delete streak</source><translation>Supprimer la série</translation></message>
    <message id="deleteConfirm.warning" numerus="yes"><source>This streak is %n days long. Deleting it ends it for good.</source><translation><numerusform>Cette série dure depuis %n jour. La supprimer y met fin pour de bon.</numerusform><numerusform>Cette série dure depuis %n jours. La supprimer y met fin pour de bon.</numerusform></translation></message>
    <message id="deleteConfirm.cascadeInfo"><source>Its history goes with it: broken runs, triggers, bypasses and usage.</source><translation>Son historique part avec elle : séries rompues, déclenchements, contournements et utilisation.</translation></message>
    <message id="deleteConfirm.cancel"><source>Cancel</source><translation>Annuler</translation></message>
</context>
</TS>
