#include <QSignalSpy>
#include <QTest>

#include "EditorFixture.h"
#include "editor/AllowanceInput.h"
#include "editor/SegmentedControl.h"
#include "ui/Motion.h"
#include "ui/ToggleSwitch.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

SegmentedControl *picker(AllowanceInput &input)
{
    return input.findChild<SegmentedControl *>("streakEditor.allowance.minutes");
}

void clickSegment(SegmentedControl *control, int index)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, control->segmentRect(index).center());
}

} // namespace

class tst_AllowanceInput : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_translations.load("en"));
    }

    void segmentsWriteMinutes_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("segment");
        QTest::addColumn<int>("shownBefore");
        QTest::addColumn<int>("written");
        QTest::newRow("15, then 30") << 15 << 2 << 1 << 30;
        QTest::newRow("60, then 5") << 60 << 0 << 3 << 5;
        QTest::newRow("no choice, then 60") << 20 << 3 << -1 << 60;
    }
    void segmentsWriteMinutes()
    {
        QFETCH(int, stored);
        QFETCH(int, segment);
        QFETCH(int, shownBefore);
        QFETCH(int, written);
        AllowanceInput input(true, stored);
        input.resize(360, input.sizeHint().height());
        input.show();
        SegmentedControl *control = picker(input);
        QCOMPARE(control->titles(),
                 (QStringList{"5\u00a0min", "15\u00a0min", "30\u00a0min", "60\u00a0min"}));
        QCOMPARE(control->selectedIndex(), shownBefore);
        QSignalSpy minutes(&input, &AllowanceInput::minutesEdited);
        clickSegment(control, segment);
        QCOMPARE(minutes.count(), 1);
        QCOMPARE(minutes.at(0).at(0).toInt(), written);
        QCOMPARE(input.minutes(), written);
        QCOMPARE(control->selectedIndex(), segment);
    }

    void switchKeepsAnAmountThatIsNoChoice()
    {
        AllowanceInput input(false, 20);
        input.show();
        QVERIFY(!picker(input)->isVisible());
        QSignalSpy enabled(&input, &AllowanceInput::enabledEdited);
        QSignalSpy minutes(&input, &AllowanceInput::minutesEdited);
        auto *toggle = input.findChild<ToggleSwitch *>("streakEditor.allowance.toggle");
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(picker(input)->isVisible());
        QCOMPARE(picker(input)->selectedIndex(), -1);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(!picker(input)->isVisible());
        QCOMPARE(enabled.count(), 2);
        QCOMPARE(minutes.count(), 0);
        QCOMPARE(input.minutes(), 20);
    }

    void boundToStoredStreak()
    {
        editortest::EngineFixture f;
        AllowanceInput input;
        input.bindTo(f.engine, f.streak);
        input.resize(360, 120);
        input.show();
        QVERIFY(!input.isAllowanceEnabled());
        QCOMPARE(input.minutes(), 15);
        QSignalSpy reloads(&f.engine, &StreakEngine::streaksChanged);
        QSignalSpy rules(&f.engine, &StreakEngine::rulesChangedSubject);

        input.findChild<ToggleSwitch *>("streakEditor.allowance.toggle")->click();
        clickSegment(picker(input), 3);
        QCOMPARE(f.streak->allowanceEnabled(), true);
        QCOMPARE(f.streak->allowanceMinutes(), 60);
        QVERIFY(!f.context().hasChanges());
        QCOMPARE(reloads.count(), 2);
        QCOMPARE(rules.count(), 2);
        QCOMPARE(rules.at(1).at(0).toBool(), false);

        f.engine.setAllowanceMinutes(f.streak, 5);
        QCOMPARE(picker(input)->selectedIndex(), 0);
    }
};

QTEST_MAIN(tst_AllowanceInput)
#include "tst_AllowanceInput.moc"
