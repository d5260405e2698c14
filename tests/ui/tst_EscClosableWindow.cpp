#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "ui/EscClosableWindow.h"

using namespace halvex;

// Counts close requests and refuses them while `veto` is set, as a window's
// delegate would.
class CloseWatcher : public QObject {
public:
    int requests = 0;
    bool veto = false;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Close) {
            ++requests;
            if (veto) {
                e->ignore();
                return true;
            }
        }
        return QObject::eventFilter(o, e);
    }
};

class tst_EscClosableWindow : public QObject {
    Q_OBJECT

private slots:
    void keys_data()
    {
        QTest::addColumn<bool>("closable");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Esc closes a closable window")
            << true << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << true;
        QTest::newRow("Ctrl+. closes it too")
            << true << int(Qt::Key_Period) << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
        QTest::newRow("Return does not")
            << true << int(Qt::Key_Return) << Qt::KeyboardModifiers() << false;
        QTest::newRow("Shift+Esc does not")
            << true << int(Qt::Key_Escape) << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
        QTest::newRow("Esc leaves an ordinary window open")
            << false << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << false;
    }
    void keys()
    {
        QFETCH(bool, closable);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, closes);
        std::unique_ptr<QWidget> window(closable ? new EscClosableWindow : new QWidget);
        CloseWatcher watcher;
        window->installEventFilter(&watcher);
        window->show();
        QTest::keyClick(window.get(), Qt::Key(key), modifiers);
        QCOMPARE(window->isVisible(), !closes);
        QCOMPARE(watcher.requests, closes ? 1 : 0);
    }

    void vetoKeepsTheWindowOpen()
    {
        EscClosableWindow window;
        CloseWatcher watcher;
        watcher.veto = true;
        window.installEventFilter(&watcher);
        window.show();
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(watcher.requests, 1);
        QVERIFY(window.isVisible());
    }

    void escFromAFocusedFieldReachesTheWindow()
    {
        EscClosableWindow window;
        auto *field = new QLineEdit(&window);
        (new QVBoxLayout(&window))->addWidget(field);
        window.show();
        QApplication::setActiveWindow(&window);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(tst_EscClosableWindow)
#include "tst_EscClosableWindow.moc"
