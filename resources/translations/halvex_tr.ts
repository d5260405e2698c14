<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name></name>
    <message id="ui.progress.loading">
        <source>Loading</source>
        <translation>Yükleniyor</translation>
    </message>
    <message id="friction.feedback.stepBackFailed"><source>Couldn't step back. Please close it yourself.</source><translation>Geri dönülemedi. Lütfen kendin kapat.</translation></message>
    <message id="friction.title.daysWithout" numerus="yes">
        <source>days without %2</source>
        <translation>
            <numerusform>%2 olmadan geçen gün</numerusform>
        </translation>
    </message>
    <message id="friction.allowance.spent"><source>Today's %1‑minute allowance is used up.</source><translation>Bugünkü %1 dakikalık hakkın doldu.</translation></message>
    <message id="friction.input.reflection"><source>Why are you here?</source><translation>Neden buradasın?</translation></message>
    <message id="friction.button.stepBack"><source>Step back</source><translation>Geri çekil</translation></message>
    <message id="friction.button.openAnyway"><source>Open anyway</source><translation>Yine de aç</translation></message>
    <message id="friction.button.openAnywayCost" numerus="yes">
        <source>Open anyway (your %n‑day streak resets)</source>
        <translation>
            <numerusform>Yine de aç (%n günlük serin sıfırlanır)</numerusform>
        </translation>
    </message>
    <message id="friction.button.openAnywayCountdown"><source>Open anyway in %1 s</source><translation>%1 sn sonra yine de aç</translation></message>
    <message id="friction.button.moreOptions"><source>More options</source><translation>Diğer seçenekler</translation></message>
    <message id="friction.button.pauseOneHour"><source>Pause for an hour</source><translation>Bir saat duraklat</translation></message>
    <message id="friction.button.useFreePass"><source>Use today's free pass</source><translation>Bugünkü serbest geçişi kullan</translation></message>
    <message id="friction.button.openDontCount"><source>Open without counting</source><translation>Saymadan aç</translation></message>
    <message id="friction.button.cancel"><source>Cancel</source><translation>Vazgeç</translation></message>
    <message id="friction.brutal.title" numerus="yes">
        <source>Break your %n‑day streak?</source>
        <translation>
            <numerusform>%n günlük serini bozacak mısın?</numerusform>
        </translation>
    </message>
    <message id="friction.brutal.wait"><source>Wait %1 s before you can open it.</source><translation>Açabilmek için %1 sn bekle.</translation></message>
    <message id="friction.brutal.confessionPrompt"><source>Write down why you are breaking it, in at least 40 characters.</source><translation>Neden bozduğunu en az 40 karakterle yaz.</translation></message>
    <message id="friction.brutal.confessionRemaining"><source>Characters still needed: %1</source><translation>Gereken karakter: %1</translation></message>
    <message id="friction.brutal.confessionReady"><source>That's enough.</source><translation>Bu kadarı yeter.</translation></message>
    <message id="friction.brutal.cancel"><source>Keep my streak</source><translation>Serimi koru</translation></message>
    <message id="friction.reset.caption"><source>Streak reset. It starts again from zero.</source><translation>Seri sıfırlandı. Yeniden sıfırdan başlıyor.</translation></message>
    <message id="a11y.dayCount" numerus="yes"><source>%n days</source><translation><numerusform>%n gün</numerusform></translation></message>
    <message id="a11y.friction.title" numerus="yes"><source>%n days without %1</source><translation><numerusform>%1 olmadan geçen %n gün</numerusform></translation></message>
</context>
</TS>
