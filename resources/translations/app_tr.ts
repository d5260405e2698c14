<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>Halvex Hakkında</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Halvex Yardımı</translation></message>
    <message id="notification.milestone.7.title"><source>One week strong</source><translation>Bir hafta dayandın</translation></message>
    <message id="notification.milestone.14.title"><source>Two weeks strong</source><translation>İki hafta dayandın</translation></message>
    <message id="notification.milestone.30.title"><source>30 days strong</source><translation>30 gün dayandın</translation></message>
    <message id="notification.milestone.60.title"><source>60 days strong</source><translation>60 gün dayandın</translation></message>
    <message id="notification.milestone.90.title"><source>90 days strong</source><translation>90 gün dayandın</translation></message>
    <message id="notification.milestone.180.title"><source>Half a year strong</source><translation>Yarım yıl dayandın</translation></message>
    <message id="notification.milestone.365.title"><source>A whole year strong</source><translation>Koca bir yıl dayandın</translation></message>
    <message id="notification.milestone.body"><source>%1 reached a new milestone. Keep going!</source><translation>%1 yeni bir kilometre taşına ulaştı. Böyle devam!</translation></message>
    <message id="notification.weeklyDigest.title"><source>Your week in streaks</source><translation>Serilerinle geçen haftan</translation></message>
    <message id="notification.weeklyDigest.body.streak" numerus="yes"><source>%1: %n days</source><translation><numerusform>%1: %n gün</numerusform></translation></message>
    <message id="notification.weeklyDigest.body.resisted" numerus="yes"><source>Most resisted: %1 (%n steps back)</source><translation><numerusform>En çok direndiğin: %1 (%n kez geri çekildin)</numerusform></translation></message>
</context>
</TS>
