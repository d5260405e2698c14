// Renders every streak editor section and the popover's bars in both themes
// to PNG files for people to look at: under $HALVEX_SCREENSHOT_DIR (else
// $TMPDIR/halvex-screenshots).
#include <functional>

#include <QListWidget>
#include <QTest>
#include <QVBoxLayout>

#include "EditorFixture.h"
#include "FakeSystemAppearance.h"
#include "Screenshots.h"
#include "UiTestSupport.h"
#include "editor/ActiveWindowInput.h"
#include "editor/AllowanceInput.h"
#include "editor/AppPicker.h"
#include "editor/ApplicationChooser.h"
#include "editor/DomainListInput.h"
#include "editor/ModeChip.h"
#include "editor/ModeSelector.h"
#include "editor/SeededDomainsRow.h"
#include "menubar/PopoverFooter.h"
#include "editor/PopoverFormBox.h"
#include "menubar/PopoverListHeader.h"
#include "ui/Color.h"
#include "ui/Motion.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

using Page = std::function<QWidget *(QVBoxLayout *, editortest::InstalledAppsFixture &)>;
Q_DECLARE_METATYPE(Page)

namespace {

QWidget *chips()
{
    auto *w = new QWidget;
    auto *row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    for (StrictnessMode mode :
         {StrictnessMode::gentle, StrictnessMode::firm, StrictnessMode::brutal})
        row->addWidget(new ModeChip(mode, 10));
    row->addStretch(1);
    return w;
}

} // namespace

class tst_EditorGallery : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_translations.load("en"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    void page_data()
    {
        QTest::addColumn<Page>("build");
        QTest::addColumn<QString>("language");
        QTest::newRow("popover-bars") << Page([](QVBoxLayout *l, auto &) {
            l->addWidget(new PopoverListHeader);
            l->addWidget(new PopoverFooter(0));
            l->addWidget(new PopoverFooter(3));
            l->addWidget(new PopoverFooter(6));
            return nullptr;
        }) << "en";
        QTest::newRow("mode-compact") << Page([](QVBoxLayout *l, auto &) {
            l->addWidget(chips());
            l->addWidget(
                new ModeSelector(StrictnessMode::firm, true, ModeSelector::Style::compact));
            l->addWidget(new PopoverFormBox(
                new ModeSelector(StrictnessMode::brutal, false, ModeSelector::Style::compact)));
            return nullptr;
        }) << "en";
        QTest::newRow("mode-stacked") << Page([](QVBoxLayout *l, auto &) {
            l->addWidget(
                new ModeSelector(StrictnessMode::gentle, true, ModeSelector::Style::stacked));
            return nullptr;
        }) << "en";
        QTest::newRow("active-window") << Page([](QVBoxLayout *l, auto &) {
            auto *overnight = new ActiveWindowInput({true, 22 * 60, 6 * 60 + 30, 62});
            overnight->setFirstDayOfWeek(Qt::Monday);
            l->addWidget(overnight);
            l->addWidget(new ActiveWindowInput({false, 540, 1080, 127}));
            return nullptr;
        }) << "en";
        QTest::newRow("active-window-de") << Page([](QVBoxLayout *l, auto &) {
            auto *input = new ActiveWindowInput({true, 9 * 60, 17 * 60, 42});
            input->setFirstDayOfWeek(Qt::Monday);
            l->addWidget(new PopoverFormBox(input));
            return nullptr;
        }) << "de";
        QTest::newRow("allowance") << Page([](QVBoxLayout *l, auto &) {
            l->addWidget(new AllowanceInput(true, 15));
            l->addWidget(new AllowanceInput(true, 20));
            l->addWidget(new AllowanceInput(false, 15));
            return nullptr;
        }) << "en";
        QTest::newRow("app-picker") << Page([](QVBoxLayout *l,
                                               editortest::InstalledAppsFixture &apps) {
            l->addWidget(new AppPicker(
                apps.index(), {"org.gnome.TextEditor", "org.mozilla.firefox", "com.example.Gone"}));
            l->addWidget(new PopoverFormBox(new AppPicker(apps.index())));
            return nullptr;
        }) << "en";
        QTest::newRow("app-chooser")
            << Page([](QVBoxLayout *, editortest::InstalledAppsFixture &apps) -> QWidget * {
                   InstalledApplications installed(apps.index());
                   auto *chooser = new ApplicationChooser(installed);
                   chooser->list()->item(0)->setSelected(true);
                   chooser->list()->item(2)->setSelected(true);
                   return chooser;
               })
            << "en";
        QTest::newRow("domains") << Page([](QVBoxLayout *l, auto &) {
            l->addWidget(new DomainListInput(
                {"reddit.com/r/all", "news.ycombinator.com", "*reddit.com", ""}));
            l->addWidget(new SeededDomainsRow(DomainPreset::social, 10));
            l->addWidget(new SeededDomainsRow(DomainPreset::games, 1));
            return nullptr;
        }) << "en";
        QTest::newRow("domains-fr") << Page([](QVBoxLayout *l, auto &) {
            l->addWidget(new DomainListInput({"youtube.com", "my site.com"}));
            l->addWidget(new SeededDomainsRow(DomainPreset::video, 6));
            l->addWidget(
                new ModeSelector(StrictnessMode::firm, true, ModeSelector::Style::compact));
            return nullptr;
        }) << "fr";
    }
    void page()
    {
        QFETCH(Page, build);
        QFETCH(QString, language);
        QVERIFY(m_translations.load(language));
        testing::FakeSystemAppearance system;
        ThemeController theme(system);
        theme.setTheme(AppTheme::light);
        editortest::InstalledAppsFixture apps;

        testing::Backdrop backdrop(nullptr, 16);
        backdrop.setFixedWidth(360);
        static_cast<QVBoxLayout *>(backdrop.layout())->setSpacing(16);
        std::unique_ptr<QWidget> own(build(static_cast<QVBoxLayout *>(backdrop.layout()), apps));
        // As in a form: sections at the top, the slack below them.
        static_cast<QVBoxLayout *>(backdrop.layout())->addStretch(1);
        QWidget *window = own ? own.get() : &backdrop;
        window->setLocale(QLocale(language));

        QImage light = testing::render(window);
        theme.setTheme(AppTheme::dark);
        QImage dark = testing::renderWidget(window);

        for (const auto &[name, image] :
             {std::pair{QStringLiteral("light"), light}, std::pair{QStringLiteral("dark"), dark}}) {
            const QString path = testing::screenshots::save(
                image, QStringLiteral("editor-") + QString::fromLatin1(QTest::currentDataTag()) +
                           u'-' + name);
            QVERIFY2(!path.isEmpty(), QTest::currentDataTag());
            QVERIFY2(testing::screenshots::distinctColours(image) > 8, qPrintable(path));
        }
        QCOMPARE_COLOR(light.pixelColor(1, 1), Color::background().light());
        QCOMPARE_COLOR(dark.pixelColor(1, 1), Color::background().dark());
        QVERIFY(m_translations.load("en"));
    }
};

QTEST_MAIN(tst_EditorGallery)
#include "tst_EditorGallery.moc"
