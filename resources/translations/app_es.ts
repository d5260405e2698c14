<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="menu.about"><source>About Halvex</source><translation>Acerca de Halvex</translation></message>
    <message id="menu.help"><source>Halvex Help</source><translation>Ayuda de Halvex</translation></message>
    <message id="notification.milestone.7.title"><source>One week strong</source><translation>Una semana lograda</translation></message>
    <message id="notification.milestone.14.title"><source>Two weeks strong</source><translation>Dos semanas logradas</translation></message>
    <message id="notification.milestone.30.title"><source>30 days strong</source><translation>30 días logrados</translation></message>
    <message id="notification.milestone.60.title"><source>60 days strong</source><translation>60 días logrados</translation></message>
    <message id="notification.milestone.90.title"><source>90 days strong</source><translation>90 días logrados</translation></message>
    <message id="notification.milestone.180.title"><source>Half a year strong</source><translation>Medio año logrado</translation></message>
    <message id="notification.milestone.365.title"><source>A whole year strong</source><translation>Un año entero logrado</translation></message>
    <message id="notification.milestone.body"><source>%1 reached a new milestone. Keep going!</source><translation>%1 ha alcanzado un nuevo hito. ¡Sigue así!</translation></message>
    <message id="notification.weeklyDigest.title"><source>Your week in streaks</source><translation>Tu semana en rachas</translation></message>
    <message id="notification.weeklyDigest.body.streak" numerus="yes"><source>%1: %n days</source><translation><numerusform>%1: %n día</numerusform><numerusform>%1: %n días</numerusform></translation></message>
    <message id="notification.weeklyDigest.body.resisted" numerus="yes"><source>Most resisted: %1 (%n steps back)</source><translation><numerusform>Más resistida: %1 (volviste atrás %n vez)</numerusform><numerusform>Más resistida: %1 (volviste atrás %n veces)</numerusform></translation></message>
</context>
</TS>
