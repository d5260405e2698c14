#include <QTest>

#include "ui/Environment.h"

using namespace halvex;

// Counts the environment changes it hears of.
class Probe : public QWidget {
public:
    using QWidget::QWidget;
    int changes = 0;

protected:
    bool event(QEvent *e) override
    {
        if (Environment::isChange(e))
            ++changes;
        return QWidget::event(e);
    }
};

class tst_Environment : public QObject {
    Q_OBJECT

private slots:
    void paddingFlowsDownToTheSubtreeOnly()
    {
        QWidget root;
        auto *dense = new QWidget(&root);
        auto *inDense = new Probe(new QWidget(dense));
        auto *sibling = new Probe(&root);
        QCOMPARE(Environment::controlVerticalPadding(inDense), 13.0);

        Environment::setControlVerticalPadding(dense, 8);
        QCOMPARE(Environment::controlVerticalPadding(inDense), 8.0);
        QCOMPARE(Environment::controlVerticalPadding(sibling), 13.0);
        QCOMPARE(inDense->changes, 1);
        QCOMPARE(sibling->changes, 0);

        // The nearest setting wins; clearing it reveals the one above.
        Environment::setControlVerticalPadding(&root, 20);
        Environment::setControlVerticalPadding(inDense, 4);
        QCOMPARE(Environment::controlVerticalPadding(inDense), 4.0);
        Environment::clearControlVerticalPadding(inDense);
        QCOMPARE(Environment::controlVerticalPadding(inDense), 8.0);
        QCOMPARE(Environment::controlVerticalPadding(sibling), 20.0);

        // Moved elsewhere, a widget reads its new ancestors.
        sibling->setParent(dense);
        QCOMPARE(Environment::controlVerticalPadding(sibling), 8.0);
    }

    void presenterIsAbsentUntilAHostInstallsOne()
    {
        QWidget host;
        auto *deep = new QWidget(new QWidget(&host));
        QVERIFY(!Environment::modalPanelPresenter(deep));

        QStringList log;
        Environment::setModalPanelPresenter(&host, [&log](std::function<void()> work) {
            log << QStringLiteral("suspend");
            work();
            log << QStringLiteral("restore");
        });
        const auto presenter = Environment::modalPanelPresenter(deep);
        QVERIFY(presenter);
        presenter([&log] { log << QStringLiteral("panel"); });
        QCOMPARE(log, (QStringList{"suspend", "panel", "restore"}));

        Environment::setModalPanelPresenter(&host, {});
        QVERIFY(!Environment::modalPanelPresenter(deep));
    }

    void applicationAppearanceNotifiesEveryWindow()
    {
        Probe a;
        Probe b;
        auto *child = new Probe(&b);
        Environment::setApplicationAppearance(Appearance::dark);
        QCOMPARE(Environment::appearance(child), Appearance::dark);
        QCOMPARE(a.changes, 1);
        QCOMPARE(child->changes, 1);
        // Setting the same appearance again is no change.
        Environment::setApplicationAppearance(Appearance::dark);
        QCOMPARE(a.changes, 1);
        Environment::setApplicationAppearance(Appearance::light);
        QCOMPARE(child->changes, 2);
    }
};

QTEST_MAIN(tst_Environment)
#include "tst_Environment.moc"
