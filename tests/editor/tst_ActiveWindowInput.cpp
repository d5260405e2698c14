#include <optional>

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

#include "EditorFixture.h"
#include "editor/ActiveWindowInput.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/TimeInputField.h"
#include "ui/ToggleRow.h"
#include "ui/ToggleSwitch.h"
#include "ui/TranslationLoader.h"

using namespace halvex;
using Value = ActiveWindowInput::Value;

namespace {

QString chipName(int weekday)
{
    return QStringLiteral("streakEditor.activeWindow.day.") + QString::number(weekday);
}

// The chips' weekdays from the leading edge, with their names.
QStringList chipRow(const ActiveWindowInput &input)
{
    QList<QAbstractButton *> chips;
    for (int day = 1; day <= 7; ++day)
        chips << input.findChild<QAbstractButton *>(chipName(day));
    std::sort(chips.begin(), chips.end(),
              [](auto *a, auto *b) { return a->geometry().x() < b->geometry().x(); });
    QStringList row;
    for (auto *chip : chips)
        row << chip->objectName().section(u'.', -1) + u'=' + chip->text();
    return row;
}

// Which chips show as ticked, Sunday first, as a mask.
int shownMask(const ActiveWindowInput &input)
{
    int mask = 0;
    for (int day = 1; day <= 7; ++day)
        mask |= input.findChild<QAbstractButton *>(chipName(day))->isChecked() << (day - 1);
    return mask;
}

} // namespace

class tst_ActiveWindowInput : public QObject {
    Q_OBJECT

    std::optional<TranslationLoader> m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        m_translations.emplace();
        QVERIFY(m_translations->load("en"));
    }

    void summary_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<QString>("expected"); // "-" for none
        const int mon = Qt::Monday, sun = Qt::Sunday;
        QTest::newRow("off") << "en" << false << 540 << 1080 << 62 << mon << "-";
        QTest::newRow("every day") << "en" << true << 540 << 1080 << 127 << mon << "09:00-18:00";
        QTest::newRow("overnight on weekdays")
            << "en" << true << 1320 << 390 << 62 << mon << "22:00-06:30, weekdays";
        QTest::newRow("all day on weekends")
            << "en" << true << 0 << 0 << 65 << sun << "00:00-00:00, weekends";
        QTest::newRow("single days from Monday")
            << "en" << true << 540 << 1080 << 42 << mon << "09:00-18:00, Mon Wed Fri";
        QTest::newRow("single days from Sunday")
            << "en" << true << 540 << 1080 << 42 << sun << "09:00-18:00, Mon Wed Fri";
        QTest::newRow("Sunday last")
            << "en" << true << 540 << 1080 << 3 << mon << "09:00-18:00, Mon Sun";
        QTest::newRow("Sunday first")
            << "en" << true << 540 << 1080 << 3 << sun << "09:00-18:00, Sun Mon";
        QTest::newRow("no day at all") << "en" << true << 540 << 1080 << 0 << mon << "09:00-18:00";
        QTest::newRow("weekdays and a stray bit") << "en" << true << 540 << 1080 << (62 | 128)
                                                  << mon << "09:00-18:00, Mon Tue Wed Thu Fri";
        QTest::newRow("end of day") << "en" << true << 1380 << 1440 << 127 << mon << "23:00-24:00";
        QTest::newRow("German weekdays")
            << "de" << true << 1320 << 390 << 62 << mon << "22:00-06:30, werktags";
        QTest::newRow("German days")
            << "de" << true << 480 << 720 << 42 << mon << "08:00-12:00, Mo Mi Fr";
        QTest::newRow("French days")
            << "fr" << true << 480 << 720 << 65 + 2 << sun << "08:00-12:00, dim. lun. sam.";
    }
    void summary()
    {
        QFETCH(QString, language);
        QFETCH(bool, enabled);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(int, mask);
        QFETCH(int, firstDay);
        QFETCH(QString, expected);
        QVERIFY(m_translations->load(language));
        editortest::EngineFixture f;
        f.streak->setActiveWindowEnabled(enabled);
        f.streak->setActiveWindowStartMinutes(start);
        f.streak->setActiveWindowEndMinutes(end);
        f.streak->setActiveWeekdaysMask(mask);
        const std::optional<QString> text =
            ActiveWindowInput::summary(*f.streak, QLocale(language), Qt::DayOfWeek(firstDay));
        QCOMPARE(text.value_or("-"), expected);
        QVERIFY(m_translations->load("en"));
    }

    void chips_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<QList<int>>("clicks"); // weekdays, 1 = Sunday
        QTest::addColumn<QList<int>>("masks");  // after each click
        QTest::newRow("the last day stays") << 2 << QList<int>{2, 3, 2} << QList<int>{2, 6, 4};
        QTest::newRow("no day ticked") << 0 << QList<int>{4} << QList<int>{8};
        QTest::newRow("every day") << 127 << QList<int>{1, 7} << QList<int>{126, 62};
    }
    void chips()
    {
        QFETCH(int, mask);
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, masks);
        ActiveWindowInput input({true, 540, 1080, mask});
        input.show();
        QSignalSpy edited(&input, &ActiveWindowInput::weekdaysMaskEdited);
        for (int i = 0; i < clicks.size(); ++i) {
            QTest::mouseClick(input.findChild<QAbstractButton *>(chipName(clicks[i])),
                              Qt::LeftButton);
            QCOMPARE(input.value().weekdaysMask, masks[i]);
            QCOMPARE(shownMask(input), masks[i]);
        }
        // Only real changes go out.
        QList<int> sent;
        for (const auto &args : edited)
            sent << args.at(0).toInt();
        QList<int> changes;
        int previous = mask;
        for (int m : masks) {
            if (m != previous)
                changes << m;
            previous = m;
        }
        QCOMPARE(sent, changes);
    }

    void chipOrderAndNames_data()
    {
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("English from Monday")
            << int(Qt::Monday) << "en_GB"
            << QStringList{"2=Mon", "3=Tue", "4=Wed", "5=Thu", "6=Fri", "7=Sat", "1=Sun"};
        QTest::newRow("German names, Sunday first")
            << int(Qt::Sunday) << "de_DE"
            << QStringList{"1=So", "2=Mo", "3=Di", "4=Mi", "5=Do", "6=Fr", "7=Sa"};
    }
    void chipOrderAndNames()
    {
        QFETCH(int, firstDay);
        QFETCH(QString, locale);
        QFETCH(QStringList, row);
        QWidget host;
        host.setLocale(QLocale(locale));
        auto *input = new ActiveWindowInput({true, 540, 1080, 127}, &host);
        input->setFirstDayOfWeek(Qt::DayOfWeek(firstDay));
        host.resize(360, 300);
        host.show();
        input->resize(360, input->sizeHint().height());
        QCOMPARE(chipRow(*input), row);
        QCOMPARE(shownMask(*input), 127);
    }

    void switchAndOvernightNote()
    {
        ActiveWindowInput input({false, 1320, 360, 5});
        input.show();
        auto *details = input.findChild<TimeInputField *>("streakEditor.activeWindow.start");
        QVERIFY(!details->isVisible());
        QSignalSpy enabled(&input, &ActiveWindowInput::enabledEdited);
        QTest::mouseClick(input.findChild<ToggleSwitch *>("streakEditor.activeWindow.toggle"),
                          Qt::LeftButton);
        QCOMPARE(enabled.count(), 1);
        QCOMPARE(enabled.at(0).at(0).toBool(), true);
        // The kept values come back unchanged.
        QVERIFY(details->isVisible());
        QCOMPARE(details->minutes(), 1320);
        QCOMPARE(shownMask(input), 5);
        QVERIFY(input.overnightNote()->isVisible());

        QSignalSpy end(&input, &ActiveWindowInput::endMinutesEdited);
        input.findChild<TimeInputField *>("streakEditor.activeWindow.end")->setMinutes(1320);
        QCOMPARE(end.count(), 1);
        QCOMPARE(end.at(0).at(0).toInt(), 1320);
        QVERIFY(!input.overnightNote()->isVisible());

        // Values set by the host show without being sent back.
        input.setValue({true, 540, 60, 5});
        QVERIFY(input.overnightNote()->isVisible());
        QCOMPARE(end.count(), 1);
        QCOMPARE(enabled.count(), 1);
    }

    void boundToStoredStreak()
    {
        editortest::EngineFixture f;
        ActiveWindowInput input;
        input.bindTo(f.engine, f.streak);
        QCOMPARE(input.value(), (Value{false, 540, 1080, 127}));
        input.show();
        QSignalSpy reloads(&f.engine, &StreakEngine::streaksChanged);
        const QDateTime stamped = f.streak->updatedAt();

        input.findChild<ToggleSwitch *>("streakEditor.activeWindow.toggle")->click();
        input.findChild<QAbstractButton *>(chipName(1))->click();
        input.findChild<TimeInputField *>("streakEditor.activeWindow.start")->setMinutes(600);
        QCOMPARE(f.streak->activeWindowEnabled(), true);
        QCOMPARE(f.streak->activeWeekdaysMask(), 126);
        QCOMPARE(f.streak->activeWindowStartMinutes(), 600);
        QVERIFY(f.streak->updatedAt() > stamped);
        QVERIFY(!f.context().hasChanges());
        QCOMPARE(reloads.count(), 0);

        f.engine.activeWindowEndMinutesBindingSet(f.streak, 700);
        QCOMPARE(input.value().endMinutes, 700);
    }
};

QTEST_MAIN(tst_ActiveWindowInput)
#include "tst_ActiveWindowInput.moc"
