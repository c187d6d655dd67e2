#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "window/main_window.h"

namespace {

// What a modal message box showed, and what the window showed beneath it at that moment.
struct SeenBox {
    bool shown = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool modal = false;
    QString governingBeneath;
};

// Clicks "计算" and answers the modal box it may open from a single-shot timer, as a user would.
SeenBox ClickCalculate(Form1& form) {
    SeenBox seen;
    QTimer::singleShot(0, &form, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.modal = box->isModal() && box->parentWidget() == &form;
        for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
        seen.governingBeneath = form.Label27->text();
        box->buttons().front()->click();
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QCoreApplication::processEvents();  // lets the timer run when no box was opened
    return seen;
}

QStringList Thicknesses(const Form1& form) {
    QStringList texts;
    for (const QLabel* label : form.Label23) texts << label->text();
    return texts;
}

QList<bool> Active(const Form1& form) {
    QList<bool> flags;
    for (const QLabel* label : form.Label23) flags << label->isEnabled();
    return flags;
}

}  // namespace

class CalculateCommandTest : public QObject {
    Q_OBJECT

private slots:
    void showsEveryResult_data();
    void showsEveryResult();
    void greyedTickCountsAsUnticked();
    void faultShowsWhatWasComputedThenReports();
    void secondClickChangesNothing();
    void enterInATextBoxDoesNotCalculate();
};

void CalculateCommandTest::showsEveryResult_data() {
    QTest::addColumn<QString>("Text3");
    QTest::addColumn<bool>("Option1");
    QTest::addColumn<QList<bool>>("ticks");
    QTest::addColumn<QStringList>("widths");
    QTest::addColumn<QString>("Label18");
    QTest::addColumn<QStringList>("Label23");
    QTest::addColumn<QString>("Label27");
    QTest::addColumn<bool>("warning");

    const QStringList initial = {"7.972", "5.481", "4.385", "4.385", "14.616"};
    QTest::newRow("initial values") << "2400" << false << QList<bool>{false, true, false, false, false}
                                    << QStringList{"9.375", "18.462"} << "5.029" << initial << "6.000"
                                    << false;
    QTest::newRow("all types, height La")
        << "2400" << true << QList<bool>{true, true, true, true, true} << QStringList{"9.375", "18.462"}
        << "3.143" << QStringList{"4.983", "3.426", "2.740", "2.740", "9.135"} << " 9.135" << false;
    QTest::newRow("only steel") << "2400" << false << QList<bool>{false, false, false, false, true}
                                << QStringList{"9.375", "18.462"} << "5.029" << initial << " 14.616" << true;
    QTest::newRow("no type") << "2400" << false << QList<bool>{false, false, false, false, false}
                             << QStringList{"9.375", "18.462"} << "5.029" << initial << "6.000" << false;
    QTest::newRow("Lb 4000, only steel")
        << "4000" << false << QList<bool>{false, false, false, false, true} << QStringList{"9.375", "21.818"}
        << "8.382" << QStringList{"13.287", "9.135", "7.308", "7.308", "24.359"} << " 24.359" << true;
}

void CalculateCommandTest::showsEveryResult() {
    QFETCH(QString, Text3);
    QFETCH(bool, Option1);
    QFETCH(QList<bool>, ticks);
    QFETCH(QStringList, widths);
    QFETCH(QString, Label18);
    QFETCH(QStringList, Label23);
    QFETCH(QString, Label27);
    QFETCH(bool, warning);

    Form1 form;
    form.show();
    form.Text3->setText(Text3);
    if (Option1) form.Option1->click();
    for (int i = 0; i < 5; ++i) form.Check1[i]->setChecked(ticks[i]);

    const SeenBox box = ClickCalculate(form);

    QCOMPARE(form.Label8->text(), widths[0]);
    QCOMPARE(form.Label11->text(), widths[1]);
    QCOMPARE(form.Label18->text(), Label18);
    QCOMPARE(Thicknesses(form), Label23);
    QCOMPARE(Active(form), ticks);
    QCOMPARE(form.Label27->text(), Label27);
    QCOMPARE(QAccessible::queryAccessibleInterface(form.Label27)->text(QAccessible::Name), Label27);

    QCOMPARE(box.shown, warning);
    if (warning) {
        QCOMPARE(box.title, QString("注意"));
        QCOMPARE(box.text, QString("硅酮结构胶采用的粘接厚度不应小于6mm，且不应大于12mm！"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QStringList{"确定"});
        QVERIFY(box.modal);
        QCOMPARE(box.governingBeneath, Label27);  // the results were on screen under the box
    }
}

void CalculateCommandTest::greyedTickCountsAsUnticked() {
    Form1 form;
    form.show();
    form.Check1[4]->setCheckState(Qt::PartiallyChecked);
    const SeenBox box = ClickCalculate(form);
    QVERIFY(!box.shown);
    QVERIFY(!form.Label23[4]->isEnabled());
    QCOMPARE(form.Label27->text(), QString("6.000"));
}

void CalculateCommandTest::faultShowsWhatWasComputedThenReports() {
    Form1 form;
    form.show();
    ClickCalculate(form);
    const QStringList thicknesses = Thicknesses(form);

    form.Text2->clear();
    form.Text3->clear();
    form.Check1[0]->setChecked(true);
    const SeenBox box = ClickCalculate(form);

    QCOMPARE(form.Label8->text(), QString("7"));
    QCOMPARE(form.Label11->text(), QString("18.462"));
    QCOMPARE(form.Label18->text(), QString("5.029"));
    QCOMPARE(Thicknesses(form), thicknesses);
    QCOMPARE(Active(form), (QList<bool>{false, true, false, false, false}));
    QCOMPARE(form.Label27->text(), QString("6.000"));

    QVERIFY(box.shown);
    QCOMPARE(box.title, QString("错误"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QVERIFY2(box.text.contains("溢出"), qPrintable(box.text));
    QCOMPARE(box.buttons, QStringList{"确定"});
    QVERIFY(box.modal);

    // The program goes on: the next calculation works.
    QVERIFY(form.isVisible());
    form.Text2->setText("1500");
    form.Text3->setText("2400");
    QVERIFY(!ClickCalculate(form).shown);
    QCOMPARE(form.Label8->text(), QString("9.375"));
    QCOMPARE(Active(form), (QList<bool>{true, true, false, false, false}));
}

void CalculateCommandTest::secondClickChangesNothing() {
    Form1 form;
    form.show();
    ClickCalculate(form);
    const QStringList first = Thicknesses(form) << form.Label8->text() << form.Label11->text()
                                                << form.Label18->text() << form.Label27->text();
    const QList<bool> active = Active(form);
    ClickCalculate(form);
    QCOMPARE(Thicknesses(form) << form.Label8->text() << form.Label11->text() << form.Label18->text()
                               << form.Label27->text(),
             first);
    QCOMPARE(Active(form), active);
}

void CalculateCommandTest::enterInATextBoxDoesNotCalculate() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (QLineEdit* box : {form.Text1, form.Text4}) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter);
    }
    QCoreApplication::processEvents();
    QVERIFY(form.Label8->text().isEmpty());
    QVERIFY(form.Label27->text().isEmpty());
}

QTEST_MAIN(CalculateCommandTest)
#include "calculate_command_test.moc"
