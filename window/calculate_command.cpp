#include "calculate_command.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "calc/number_text.h"
#include "calc/sealant_calculation.h"
#include "main_window.h"
#include "tick_state.h"

namespace {

std::string TextOf(const QLineEdit* box) { return box->text().toStdString(); }
std::string TextOf(const QLabel* label) { return label->text().toStdString(); }
void Show(QLabel* label, const std::string& text) { label->setText(QString::fromStdString(text)); }

// The result fields too, so that those the calculation does not reach keep what the window shows.
SealantSheet Capture(const Form1& form) {
    SealantSheet sheet;
    sheet.Text1 = TextOf(form.Text1);
    sheet.Text2 = TextOf(form.Text2);
    sheet.Text3 = TextOf(form.Text3);
    sheet.Text4 = TextOf(form.Text4);
    sheet.Option1 = form.Option1->isChecked();
    sheet.Option2 = form.Option2->isChecked();
    for (std::size_t i = 0; i < 5; ++i) {
        sheet.Check1[i] = TickState(form.Check1[i]);
        sheet.Label23[i] = TextOf(form.Label23[i]);
        sheet.Label23Enabled[i] = form.Label23[i]->isEnabled();
    }
    sheet.Label8 = TextOf(form.Label8);
    sheet.Label11 = TextOf(form.Label11);
    sheet.Label18 = TextOf(form.Label18);
    sheet.Label27 = TextOf(form.Label27);
    return sheet;
}

void ShowResults(Form1& form, const SealantSheet& sheet) {
    Show(form.Label8, sheet.Label8);
    Show(form.Label11, sheet.Label11);
    Show(form.Label18, sheet.Label18);
    for (std::size_t i = 0; i < 5; ++i) {
        Show(form.Label23[i], sheet.Label23[i]);
        form.Label23[i]->setEnabled(sheet.Label23Enabled[i]);
    }
    Show(form.Label27, sheet.Label27);
}

QString FaultName(ArithmeticFault::Kind kind) {
    switch (kind) {
    case ArithmeticFault::Kind::DivisionByZero: return "除数为零";
    case ArithmeticFault::Kind::Overflow: return "溢出";
    case ArithmeticFault::Kind::TypeMismatch: return "类型不匹配";
    }
    return "运算错误";
}

// A modal box over the window with one button reading "确定", whatever the system's language.
void ShowMessage(Form1& form, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, &form);
    box.setFont(form.font());
    box.button(QMessageBox::Ok)->setText("确定");
    box.exec();
}

}  // namespace

void CalculateCommand(Form1& form) {
    SealantSheet sheet = Capture(form);
    try {
        const bool thicknessWarning = CalculateSealant(sheet);
        ShowResults(form, sheet);
        if (thicknessWarning)
            ShowMessage(form, QMessageBox::Warning, "注意",
                        "硅酮结构胶采用的粘接厚度不应小于6mm，且不应大于12mm！");
    } catch (const ArithmeticFault& fault) {
        ShowResults(form, sheet);  // what was computed before the fault
        ShowMessage(form, QMessageBox::Critical, "错误",
                    "计算出错：" + FaultName(fault.kind()) + "。\n请检查输入的数值。");
    }
}
