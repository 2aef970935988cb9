// The Options dialog: every way of closing it hands the check boxes back, and
// Help or F1 asks for the Options help page.

#include "shell/options_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

class TestOptionsDialog : public QObject
{
    Q_OBJECT

private slots:
    void closingHandsTheOptionsBack_data();
    void closingHandsTheOptionsBack();
    void helpAsksForTheOptionsPage_data();
    void helpAsksForTheOptionsPage();
};

void TestOptionsDialog::closingHandsTheOptionsBack_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("ownerSet");

    QTest::newRow("Close button") << "button" << true;
    QTest::newRow("title-bar close box") << "close box" << true;
    QTest::newRow("Esc") << "Esc" << true;
    QTest::newRow("never given the options: nothing handed back") << "button" << false;
}

void TestOptionsDialog::closingHandsTheOptionsBack()
{
    QFETCH(QString, way);
    QFETCH(bool, ownerSet);
    TOptionsDialog dialog;
    if (ownerSet)
        dialog.SetOptionStates(true, false);
    QSignalSpy closed(&dialog, &TOptionsDialog::optionsClosed);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.findChild<QCheckBox*>(QStringLiteral("OptionExpandCategoryListWhenLaunched")),
                      Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QCheckBox*>(QStringLiteral("OptionAutoExpandCategoryList")),
                      Qt::LeftButton);
    QCOMPARE(closed.count(), 0);

    if (way == QLatin1String("button")) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("BtnClose")), Qt::LeftButton);
    } else if (way == QLatin1String("Esc")) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
    } else {
        // What the window system sends when the title bar's close box is pressed.
        QCloseEvent event;
        QCoreApplication::sendEvent(dialog.windowHandle(), &event);
    }
    QVERIFY(!dialog.isVisible());
    QCOMPARE(closed.count(), ownerSet ? 1 : 0);
    QCOMPARE(dialog.expandCategoryListWhenLaunched(), !ownerSet);
    QVERIFY(dialog.autoExpandCategoryList());
}

void TestOptionsDialog::helpAsksForTheOptionsPage_data()
{
    QTest::addColumn<bool>("f1");

    QTest::newRow("Help button") << false;
    QTest::newRow("F1") << true;
}

void TestOptionsDialog::helpAsksForTheOptionsPage()
{
    QFETCH(bool, f1);
    TOptionsDialog dialog;
    dialog.SetOptionStates(false, true);
    QSignalSpy help(&dialog, &TOptionsDialog::helpRequested);
    QSignalSpy closed(&dialog, &TOptionsDialog::optionsClosed);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (f1)
        QTest::keyClick(dialog.findChild<QCheckBox*>(QStringLiteral("OptionAutoExpandCategoryList")),
                        Qt::Key_F1);
    else
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("BtnHelp")), Qt::LeftButton);
    QCOMPARE(help.count(), 1);
    QCOMPARE(help.first().first().toString(), QStringLiteral("Options.htm"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(closed.count(), 0);
}

QTEST_MAIN(TestOptionsDialog)
#include "test_options_dialog.moc"
