// Renders every kit widget in both themes to PNG files for people to look
// at: under $HALVEX_SCREENSHOT_DIR (else
// $TMPDIR/halvex-screenshots).
#include <functional>

#include <QGridLayout>
#include <QTest>
#include <QVBoxLayout>

#include "FakeSystemAppearance.h"
#include "Screenshots.h"
#include "UiTestSupport.h"
#include "ui/Color.h"
#include "ui/DestructiveButton.h"
#include "ui/DisplayNumeral.h"
#include "ui/EmptyStateBlock.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/PrimaryButton.h"
#include "ui/ProgressTrack.h"
#include "ui/SecondaryButton.h"
#include "ui/SettingsCard.h"
#include "ui/Symbol.h"
#include "ui/TextInputField.h"
#include "ui/ThemeController.h"
#include "ui/TimeInputField.h"
#include "ui/ToggleRow.h"
#include "ui/Typography.h"

using namespace halvex;

using Page = std::function<void(QVBoxLayout *)>;
Q_DECLARE_METATYPE(Page)

namespace {

QWidget *row(std::initializer_list<QWidget *> widgets)
{
    auto *w = new QWidget;
    auto *layout = new QHBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *child : widgets)
        layout->addWidget(child);
    layout->addStretch(1);
    return w;
}

} // namespace

class tst_Gallery : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    void page_data()
    {
        QTest::addColumn<Page>("build");
        QTest::newRow("primary-buttons") << Page([](QVBoxLayout *l) {
            l->addWidget(row({new PrimaryButton({.title = "Continue"}),
                              new PrimaryButton({.title = "Disabled", .isEnabled = false}),
                              new PrimaryButton({.title = "Saving", .isLoading = true})}));
            l->addWidget(
                row({new PrimaryButton({.title = "Compact", .compact = true}),
                     new PrimaryButton(
                         {.title = "Compact loading", .isLoading = true, .compact = true})}));
            l->addWidget(new PrimaryButton({.title = "Full width", .fullWidth = true}));
        });
        QTest::newRow("secondary-buttons") << Page([](QVBoxLayout *l) {
            l->addWidget(
                row({new SecondaryButton({.title = "Cancel"}),
                     new SecondaryButton({.title = "More apps",
                                          .trailingSymbol = QStringLiteral("arrow.up.right")}),
                     new SecondaryButton({.title = "Disabled", .isEnabled = false})}));
            l->addWidget(row({new SecondaryButton({.title = "Resume", .compact = true}),
                              new SecondaryButton({.title = "Test",
                                                   .trailingSymbol = QStringLiteral("chevron.down"),
                                                   .compact = true})}));
            l->addWidget(new SecondaryButton({.title = "Full width", .fullWidth = true}));
        });
        QTest::newRow("destructive-buttons") << Page([](QVBoxLayout *l) {
            l->addWidget(row({new DestructiveButton({.title = "Delete"}),
                              new DestructiveButton({.title = "Deleting", .isLoading = true}),
                              new DestructiveButton({.title = "Disabled", .isEnabled = false})}));
            auto *narrow =
                new DestructiveButton({.title = "Break my streak and start again from zero"});
            narrow->setMaximumWidth(180);
            l->addWidget(narrow);
            l->addWidget(new DestructiveButton({.title = "Full width", .fullWidth = true}));
        });
        QTest::newRow("inputs") << Page([](QVBoxLayout *l) {
            l->addWidget(new TextInputField({.title = QStringLiteral("Website"),
                                             .placeholder = "example.com",
                                             .icon = QStringLiteral("globe")}));
            l->addWidget(new TextInputField({.placeholder = "Name", .text = "No social media"}));
            l->addWidget(new TextInputField({.title = QStringLiteral("Password"),
                                             .placeholder = "",
                                             .text = "secret",
                                             .isSecure = true}));
            l->addWidget(row({new KitLabel("From", Typography::caption11(), Color::inkMuted()),
                              new TimeInputField(9 * 60),
                              new KitLabel("to", Typography::caption11(), Color::inkMuted()),
                              new TimeInputField(17 * 60 + 30)}));
        });
        QTest::newRow("toggle-rows") << Page([](QVBoxLayout *l) {
            l->addWidget(new ToggleRow({.title = "Weekly digest", .isOn = true}));
            l->addWidget(new ToggleRow(
                {.title = "Open at login",
                 .subtitle = QStringLiteral("Starts quietly in the tray each time you log in, so "
                                            "your streaks keep counting.")}));
        });
        QTest::newRow("numerals-and-tracks") << Page([](QVBoxLayout *l) {
            l->addWidget(row({new DisplayNumeral(128, DisplayNumeral::Size::large),
                              new DisplayNumeral(7, DisplayNumeral::Size::medium)}));
            for (double p : {0.0, 0.25, 0.8, 1.4})
                l->addWidget(new ProgressTrack({.progress = p,
                                                .fill = Color::brand(),
                                                .track = Color::divider(),
                                                .height = 6}));
        });
        QTest::newRow("empty-state") << Page([](QVBoxLayout *l) {
            auto *block = new EmptyStateBlock(
                {.title = "No streaks yet",
                 .subtitle = QStringLiteral("Pick an app or a site to stay away from."),
                 .action = EmptyStateBlock::Action{"New streak", [] {}}});
            block->setMinimumHeight(240);
            l->addWidget(block);
        });
        QTest::newRow("settings-card") << Page([](QVBoxLayout *l) {
            auto *content = new QWidget;
            auto *rows = new QVBoxLayout(content);
            rows->setContentsMargins(0, 0, 0, 0);
            rows->addWidget(new ToggleRow({.title = "Notification sound", .isOn = true}));
            rows->addWidget(new ToggleRow(
                {.title = "Weekly digest", .subtitle = QStringLiteral("Sundays at 18:00")}));
            l->addWidget(new SettingsCard(8, content));
        });
        QTest::newRow("symbols") << Page([](QVBoxLayout *l) {
            auto *grid = new QWidget;
            auto *layout = new QGridLayout(grid);
            const QStringList names = Symbol::names();
            for (int i = 0; i < names.size(); ++i)
                layout->addWidget(
                    new SymbolView(names[i], 24, i % 3 == 0 ? Color::accent() : Color::ink()),
                    i / 9, i % 9);
            l->addWidget(grid);
        });
    }
    void page()
    {
        QFETCH(Page, build);
        testing::FakeSystemAppearance system;
        ThemeController theme(system);
        theme.setTheme(AppTheme::light);

        testing::Backdrop window(nullptr, 16);
        window.setFixedWidth(400);
        build(static_cast<QVBoxLayout *>(window.layout()));
        static_cast<QVBoxLayout *>(window.layout())->setSpacing(12);

        QImage light = testing::render(&window);
        theme.setTheme(AppTheme::dark);
        QImage dark = testing::renderWidget(&window);

        for (const auto &[name, image] :
             {std::pair{QStringLiteral("light"), light}, std::pair{QStringLiteral("dark"), dark}}) {
            const QString path = testing::screenshots::save(
                image, QString::fromLatin1(QTest::currentDataTag()) + u'-' + name);
            QVERIFY2(!path.isEmpty(), QTest::currentDataTag());
            // Not blank: more than the backdrop shows.
            QVERIFY2(testing::screenshots::distinctColours(image) > 8, qPrintable(path));
        }
        QCOMPARE_COLOR(light.pixelColor(1, 1), Color::background().light());
        QCOMPARE_COLOR(dark.pixelColor(1, 1), Color::background().dark());
    }
};

QTEST_MAIN(tst_Gallery)
#include "tst_Gallery.moc"
