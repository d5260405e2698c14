#include <QSignalSpy>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/PointingHandCursor.h"
#include "ui/ToggleRow.h"
#include "ui/ToggleSwitch.h"

using namespace halvex;

class tst_ToggleRow : public QObject {
    Q_OBJECT

    // The track's colour just inside its end that the knob is not at.
    static QColor trackColour(ToggleSwitch *s, bool on)
    {
        const QImage image = testing::renderWidget(s);
        const int x = on ? (s->width() - ToggleSwitch::trackWidth) / 2 + 5
                         : (s->width() + ToggleSwitch::trackWidth) / 2 - 5;
        return image.pixelColor(x, s->height() / 2);
    }

private slots:
    void clickFlipsTheSwitch()
    {
        testing::Backdrop window(
            new ToggleRow({.title = QStringLiteral("Weekly digest"),
                           .accessibilityID = QStringLiteral("settings.digest")}));
        testing::render(&window);
        auto *row = window.findChild<ToggleRow *>();
        auto *toggle = window.findChild<ToggleSwitch *>(QStringLiteral("settings.digest"));
        QVERIFY(toggle);
        QSignalSpy flips(row, &ToggleRow::toggled);

        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(row->isOn());
        QCOMPARE(flips.size(), 1);
        QCOMPARE(flips.first().first().toBool(), true);
        // The knob slides with the spring, so it is on its way at first.
        QVERIFY(testing::seek(toggle, "knobPosition", 30));
        QVERIFY(toggle->knobPosition() > 0.0 && toggle->knobPosition() < 1.0);
        QVERIFY(testing::seek(toggle, "knobPosition", Motion::snappySpring().durationMs));
        QCOMPARE(toggle->knobPosition(), 1.0);
        QCOMPARE_COLOR(trackColour(toggle, true), testing::light(Color::accent()));

        // Set from code, the knob jumps.
        row->setOn(false);
        QCOMPARE(toggle->knobPosition(), 0.0);
        QCOMPARE(flips.size(), 2);
        QCOMPARE_COLOR(trackColour(toggle, false), testing::light(Color::inkSubtle()));
    }

    void disabledSwitchShowsNoHandAndIgnoresClicks()
    {
        ToggleRow row({.title = QStringLiteral("Sound"), .isOn = true});
        row.show();
        QVERIFY(PointingHandCursor::isActive(row.toggle()));
        row.setEnabled(false);
        QVERIFY(!PointingHandCursor::isActive(row.toggle()));
        QTest::mouseClick(row.toggle(), Qt::LeftButton);
        QVERIFY(row.isOn());
    }

    void subtitle_data()
    {
        QTest::addColumn<bool>("withSubtitle");
        QTest::newRow("title alone") << false;
        QTest::newRow("with a long subtitle") << true;
    }
    void subtitle()
    {
        QFETCH(bool, withSubtitle);
        ToggleRow::Options options{.title = QStringLiteral("Open at login")};
        if (withSubtitle)
            options.subtitle =
                QStringLiteral("Starts quietly in the tray every time you log in, so your "
                               "streaks keep counting without you having to remember.");
        auto *row = new ToggleRow(options);
        testing::Backdrop window(row, 0);
        window.resize(260, window.heightForWidth(260));
        testing::render(&window);
        const auto labels = row->findChildren<KitLabel *>();
        KitLabel *title = labels.at(0);
        KitLabel *sub = labels.at(1);
        QCOMPARE(sub->isVisible(), withSubtitle);
        QCOMPARE(row->subtitle().has_value(), withSubtitle);
        if (withSubtitle) {
            // Wrapped onto several lines rather than cut.
            QVERIFY(sub->height() >= 2 * sub->fontMetrics().height());
            QVERIFY(sub->geometry().right() < row->toggle()->geometry().left());
        } else {
            // Centred against the switch.
            QVERIFY(qAbs(title->geometry().center().y() - row->toggle()->geometry().center().y()) <=
                    2);
        }
    }
};

QTEST_MAIN(tst_ToggleRow)
#include "tst_ToggleRow.moc"
