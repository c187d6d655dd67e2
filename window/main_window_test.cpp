#include "window/main_window.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlPlaces_data();
    void controlPlaces();
    void windowItself();
    void captionsFitTheirBoxes();
    void songFaces_data();
    void songFaces();
    void initialState();
    void focusOrder();
    void accessibleNamesAndDescriptions();
    void resizingKeepsPlaces();
};

void MainWindowTest::controlPlaces_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("pixels");

    // Twips over 15, positions relative to the parent.
    const auto row = [](const char* name, const char* kind, const char* parent, const char* caption,
                        QRect pixels) {
        QTest::newRow(name) << QString(kind) << QString(parent) << QString::fromUtf8(caption) << pixels;
    };
    row("Frame1", "QGroupBox", "Form1", "基本信息", {24, 16, 209, 145});
    row("Label1", "QLabel", "Frame1", "风荷载设计值", {8, 24, 81, 17});
    row("Text1", "QLineEdit", "Frame1", "", {96, 24, 49, 18});
    row("Label2", "QLabel", "Frame1", "KN/m2", {160, 24, 41, 17});
    row("Label3", "QLabel", "Frame1", "玻璃短边La", {8, 56, 73, 25});
    row("Text2", "QLineEdit", "Frame1", "", {96, 56, 49, 18});
    row("Label5", "QLabel", "Frame1", "mm", {160, 56, 33, 17});
    row("Label4", "QLabel", "Frame1", "玻璃长边Lb", {8, 88, 73, 25});
    row("Text3", "QLineEdit", "Frame1", "", {96, 88, 49, 18});
    row("Label6", "QLabel", "Frame1", "mm", {160, 88, 25, 17});
    row("Label12", "QLabel", "Frame1", "自重Gk", {8, 120, 65, 17});
    row("Text4", "QLineEdit", "Frame1", "", {96, 120, 49, 18});
    row("Label13", "QLabel", "Frame1", "KN/m2", {160, 120, 33, 17});
    row("Frame2", "QGroupBox", "Form1", "相关说明", {256, 24, 185, 121});
    row("Label21", "QLabel", "Frame2", "本程序根据《玻璃幕墙工程技术规范》(JGJ102-2003)编制。",
        {8, 24, 169, 41});
    row("Label22", "QLabel", "Frame2", "程序设计：Morvantis", {8, 64, 169, 17});
    row("Label40", "QLabel", "Frame2", "QQ：12345678", {8, 80, 145, 17});
    row("Label41", "QLabel", "Frame2", "www.example.com", {8, 96, 169, 17});
    row("Command1", "QPushButton", "Form1", "计算", {256, 160, 81, 25});
    row("Label15", "QLabel", "Form1", "结构胶宽度:", {24, 184, 89, 17});
    row("Label7", "QLabel", "Form1", "1.在风荷载与地震作用下,结构胶宽度Cs：", {24, 216, 225, 25});
    row("Label8", "QLabel", "Form1", "", {256, 216, 73, 17});
    row("Label9", "QLabel", "Form1", "mm", {336, 216, 25, 17});
    row("Label10", "QLabel", "Form1", "2.在永久荷载作用下,结构胶粘接宽度Cs：", {24, 240, 225, 17});
    row("Label11", "QLabel", "Form1", "", {256, 240, 73, 17});
    row("Label14", "QLabel", "Form1", "mm", {336, 240, 25, 17});
    row("Label26", "QLabel", "Form1", "(横料承重时不考虑)", {352, 240, 113, 17});
    row("Label16", "QLabel", "Form1", "结构胶厚度:", {24, 272, 97, 17});
    row("Option1", "QRadioButton", "Form1", "面板高度为La", {168, 272, 97, 17});
    row("Option2", "QRadioButton", "Form1", "面板高度为Lb", {272, 272, 105, 17});
    row("Label20", "QLabel", "Form1", "本工程结构胶厚度ts为：", {32, 312, 137, 17});
    row("Label27", "QLabel", "Form1", "", {168, 312, 89, 17});
    row("Label28", "QLabel", "Form1", "mm", {264, 312, 25, 17});
    row("Label30", "QLabel", "Form1", "（ts不小于6mm，不大于12mm）", {280, 312, 169, 17});
    row("Label17", "QLabel", "Form1", "1.温度应力作用下，结构胶厚度ts：", {24, 344, 217, 25});
    row("Label18", "QLabel", "Form1", "", {336, 344, 73, 17});
    row("Label19", "QLabel", "Form1", "mm", {416, 344, 33, 17});
    row("Label25", "QLabel", "Form1", "2.地震作用下，根据楼层弹性层间位移角限值(结构类型)，结构胶厚度ts：",
        {24, 368, 417, 17});
    row("Check1(0)", "QCheckBox", "Form1", "钢筋混凝土框架(1/550)", {24, 392, 297, 17});
    row("Label23(0)", "QLabel", "Form1", "", {336, 392, 73, 17});
    row("Label24", "QLabel", "Form1", "mm", {416, 392, 33, 17});
    row("Check1(1)", "QCheckBox", "Form1", "钢砼框架-剪力墙，框架-核心筒，板柱-剪力墙(1/800)",
        {24, 416, 313, 17});
    row("Label23(1)", "QLabel", "Form1", "", {336, 416, 73, 17});
    row("Label29", "QLabel", "Form1", "mm", {416, 416, 33, 17});
    row("Check1(2)", "QCheckBox", "Form1", "钢砼筒中筒，剪力墙(1/1000)", {24, 440, 313, 17});
    row("Label23(2)", "QLabel", "Form1", "", {336, 440, 73, 17});
    row("Label33", "QLabel", "Form1", "mm", {416, 440, 33, 17});
    row("Check1(3)", "QCheckBox", "Form1", "钢砼框支层(1/1000)", {24, 464, 313, 17});
    row("Label23(3)", "QLabel", "Form1", "", {336, 464, 73, 17});
    row("Label35", "QLabel", "Form1", "mm", {416, 464, 25, 17});
    row("Check1(4)", "QCheckBox", "Form1", "多、高层钢结构(1/300)", {24, 488, 313, 17});
    row("Label23(4)", "QLabel", "Form1", "", {336, 488, 73, 17});
    row("Label39", "QLabel", "Form1", "mm", {416, 488, 33, 17});
}

QString CaptionOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
    return {};
}

void MainWindowTest::controlPlaces() {
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(QString, caption);
    QFETCH(QRect, pixels);

    Form1 form;
    const auto* widget = form.findChild<QWidget*>(QTest::currentDataTag());
    QVERIFY(widget);
    QCOMPARE(widget->metaObject()->className(), kind);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), pixels);
    if (kind != "QLineEdit") QCOMPARE(CaptionOf(widget), caption);
}

void MainWindowTest::windowItself() {
    Form1 form;
    QCOMPARE(form.windowTitle(), QString("Vardelin"));
    QCOMPARE(form.size(), QSize(466, 521));
    const QList<QSize> iconSizes = form.windowIcon().availableSizes();
    QVERIFY(iconSizes.contains(QSize(16, 16)));
    QVERIFY(iconSizes.contains(QSize(32, 32)));
    QCOMPARE(form.font().pointSizeF(), 9.0);
    QVERIFY(!form.Command1->isDefault());
    QVERIFY(!form.Command1->autoDefault());
}

// Measured with each control's own font: a caption may take more lines only where the box is tall
// enough for them.
void MainWindowTest::captionsFitTheirBoxes() {
    Form1 form;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        const QString caption = CaptionOf(widget);
        if (caption.isEmpty()) continue;
        const QFontMetrics metrics(widget->font());
        const QRect box = widget->rect();
        QSize needed;
        if (qobject_cast<QLabel*>(widget)) {
            needed = metrics.boundingRect(QRect(0, 0, box.width(), 1000), Qt::TextWordWrap, caption).size();
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            needed = QSize(metrics.horizontalAdvance(frame->title()), metrics.height());
        } else {
            needed = widget->sizeHint();  // indicator or bevel, spacing and text, as the style draws them
            needed.setHeight(metrics.height());
        }
        QVERIFY2(needed.width() <= box.width() && needed.height() <= box.height(),
                 qPrintable(QString("%1 \"%2\" needs %3x%4, has %5x%6")
                                .arg(widget->objectName(), caption)
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(box.width())
                                .arg(box.height())));
    }
}

void MainWindowTest::songFaces_data() {
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::newRow("Label15") << 10.5 << true << false;
    QTest::newRow("Label16") << 10.5 << true << false;
    QTest::newRow("Label17") << 9.0 << false << true;
    QTest::newRow("Label25") << 9.0 << false << true;
    QTest::newRow("Label1") << 9.0 << false << false;
}

void MainWindowTest::songFaces() {
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    Form1 form;
    const QFont font = form.findChild<QLabel*>(QTest::currentDataTag())->font();
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
    // The face drawn: the Song face itself or its Simplified Chinese stand-in.
    const QString family = QFontInfo(font).family();
    QVERIFY2(QStringList({"宋体", "SimSun", "AR PL UMing CN"}).contains(family), qPrintable(family));
}

void MainWindowTest::initialState() {
    Form1 form;
    QCOMPARE(form.Text1->text(), QString("2.5"));
    QCOMPARE(form.Text2->text(), QString("1500"));
    QCOMPARE(form.Text3->text(), QString("2400"));
    QCOMPARE(form.Text4->text(), QString("0.4"));
    QVERIFY(!form.Option1->isChecked());
    QVERIFY(form.Option2->isChecked());
    for (int i = 0; i < 5; ++i) QCOMPARE(form.Check1[i]->checkState(), i == 1 ? Qt::Checked : Qt::Unchecked);

    // Every result empty and active, with a single-line border, selectable but not editable.
    for (QLabel* result : {form.Label8, form.Label11, form.Label18, form.Label23[0], form.Label23[1],
                           form.Label23[2], form.Label23[3], form.Label23[4], form.Label27}) {
        QVERIFY(result->text().isEmpty());
        QVERIFY(result->isEnabled());
        QCOMPARE(result->frameShape(), QFrame::Box);
        QCOMPARE(result->lineWidth(), 1);
        QCOMPARE(result->textInteractionFlags(), Qt::TextSelectableByMouse);
    }

    // The options form one exclusive group.
    form.Option1->click();
    QVERIFY(form.Option1->isChecked());
    QVERIFY(!form.Option2->isChecked());
}

void MainWindowTest::focusOrder() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.Text1);

    const QStringList expected = {"Text2",     "Text3",     "Command1",  "Text4",     "Option1",   "Option2",
                                  "Check1(0)", "Check1(1)", "Check1(2)", "Check1(4)", "Check1(3)", "Text1"};
    // The chain the window sets; Tab itself stops once in the two options, whose arrows move between them.
    QStringList visited;
    QWidget* widget = form.Text1;
    for (int i = 0; i < expected.size(); ++i) {
        do widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        visited << widget->objectName();
    }
    QCOMPARE(visited, expected);

    form.Text4->setFocus();
    QTest::keyClick(form.Text4, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() == form.Option1 || QApplication::focusWidget() == form.Option2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.Check1[0]);
}

void MainWindowTest::accessibleNamesAndDescriptions() {
    Form1 form;
    QCOMPARE(form.Text1->accessibleName(), QString("风荷载设计值 KN/m2"));
    QCOMPARE(form.Text2->accessibleName(), QString("玻璃短边La mm"));
    QCOMPARE(form.Text3->accessibleName(), QString("玻璃长边Lb mm"));
    QCOMPARE(form.Text4->accessibleName(), QString("自重Gk KN/m2"));
    QCOMPARE(form.Label8->accessibleDescription(), QString("1.在风荷载与地震作用下,结构胶宽度Cs： mm"));
    QCOMPARE(form.Label27->accessibleDescription(), QString("本工程结构胶厚度ts为： mm"));
    QCOMPARE(form.Label23[4]->accessibleDescription(), QString("多、高层钢结构(1/300) mm"));

    // A result's accessible name is the text it shows, whatever that is at the time.
    form.Label18->setText("5.029");
    QAccessibleInterface* result = QAccessible::queryAccessibleInterface(form.Label18);
    QVERIFY(result);
    QCOMPARE(result->text(QAccessible::Name), QString("5.029"));
    QCOMPARE(result->text(QAccessible::Description), QString("1.温度应力作用下，结构胶厚度ts： mm"));
}

void MainWindowTest::resizingKeepsPlaces() {
    Form1 form;
    form.show();
    const QRect before = form.Label27->geometry();
    form.resize(800, 700);
    QCoreApplication::processEvents();
    QCOMPARE(form.Label27->geometry(), before);
    form.resize(300, 300);
    QCoreApplication::processEvents();
    QCOMPARE(form.Label27->geometry(), before);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
