#include <QLineEdit>
#include <QSignalSpy>
#include <QLayout>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/Symbol.h"
#include "ui/TextInputField.h"

using namespace halvex;

class tst_TextInputField : public QObject {
    Q_OBJECT

    // The outline's colour, read on the left edge of the input row.
    static QColor outlineOf(TextInputField *field)
    {
        QWidget *row = field->input()->parentWidget();
        const QImage image = testing::renderWidget(row);
        return image.pixelColor(0, row->height() / 2);
    }

private slots:
    void initTestCase() { Motion::setReduceMotion(true); }

    void parts_data()
    {
        QTest::addColumn<bool>("withTitle");
        QTest::addColumn<bool>("withIcon");
        QTest::newRow("input row only") << false << false;
        QTest::newRow("title") << true << false;
        QTest::newRow("icon") << false << true;
        QTest::newRow("title and icon") << true << true;
    }
    void parts()
    {
        QFETCH(bool, withTitle);
        QFETCH(bool, withIcon);
        TextInputField::Options options{.placeholder = QStringLiteral("Name")};
        if (withTitle)
            options.title = QStringLiteral("Streak name");
        if (withIcon)
            options.icon = QStringLiteral("globe");
        TextInputField field(options);
        const auto labels = field.findChildren<KitLabel *>();
        QCOMPARE(labels.size(), withTitle ? 1 : 0);
        if (withTitle)
            QCOMPARE(labels.first()->text(), QStringLiteral("Streak name"));
        QCOMPARE(field.findChildren<SymbolView *>().size(), withIcon ? 1 : 0);
        QCOMPARE(field.input()->placeholderText(), QStringLiteral("Name"));
        QCOMPARE(field.input()->objectName(), QString()); // no identifier given
    }

    void typingUpdatesTheText()
    {
        testing::Backdrop window(
            new TextInputField({.placeholder = QStringLiteral("Domain"),
                                .accessibilityID = QStringLiteral("editor.domain")}));
        window.show();
        auto *input = window.findChild<QLineEdit *>(QStringLiteral("editor.domain"));
        QVERIFY(input);
        auto *field = window.findChild<TextInputField *>();
        QSignalSpy changes(field, &TextInputField::textChanged);
        QTest::keyClicks(input, QStringLiteral("x.com"));
        QCOMPARE(field->text(), QStringLiteral("x.com"));
        QCOMPARE(changes.last().first().toString(), QStringLiteral("x.com"));
        field->setText(QStringLiteral("y.org"));
        QCOMPARE(input->text(), QStringLiteral("y.org"));
    }

    void secureSwapKeepsTheText()
    {
        TextInputField field(
            {.placeholder = QString(), .text = QStringLiteral("hunter2"), .isSecure = true});
        QCOMPARE(field.input()->echoMode(), QLineEdit::Password);
        field.setSecure(false);
        QCOMPARE(field.input()->echoMode(), QLineEdit::Normal);
        QCOMPARE(field.text(), QStringLiteral("hunter2"));
        field.setSecure(true);
        QCOMPARE(field.input()->echoMode(), QLineEdit::Password);
        QCOMPARE(field.text(), QStringLiteral("hunter2"));
    }

    void autoFocusTakesFocusAfterAppearingAndInksTheOutline_data()
    {
        QTest::addColumn<bool>("autoFocus");
        QTest::newRow("auto-focus") << true;
        QTest::newRow("no auto-focus") << false;
    }
    void autoFocusTakesFocusAfterAppearingAndInksTheOutline()
    {
        QFETCH(bool, autoFocus);
        // An earlier field gets the window's first focus.
        auto *first = new QLineEdit;
        testing::Backdrop window(first);
        auto *field = new TextInputField({.placeholder = QString(), .autoFocus = autoFocus});
        window.layout()->addWidget(field);
        window.show();
        QApplication::setActiveWindow(&window);
        QCOMPARE(QApplication::focusWidget(), first); // not during the appearance itself
        QCoreApplication::processEvents();
        QCOMPARE(field->isFocused(), autoFocus);
        QCOMPARE_COLOR(outlineOf(field),
                       autoFocus ? testing::light(Color::ink()) : testing::light(Color::divider()));
    }

    void rowPaddingComesFromTheEnvironment()
    {
        auto *field = new TextInputField({.placeholder = QString()});
        testing::Backdrop window(field);
        testing::render(&window);
        QWidget *row = field->input()->parentWidget();
        QCOMPARE(row->height(), field->input()->sizeHint().height() + 26);
        Environment::setControlVerticalPadding(&window, 6);
        window.layout()->activate();
        QCOMPARE(row->height(), field->input()->sizeHint().height() + 12);
        QCOMPARE(field->input()->geometry().left(), TextInputField::horizontalPadding);
    }
};

QTEST_MAIN(tst_TextInputField)
#include "tst_TextInputField.moc"
