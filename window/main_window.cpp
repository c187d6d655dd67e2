#include "main_window.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calc/sealant_calculation.h"
#include "calculate_command.h"
#include "tick_state.h"

namespace {

enum class Kind { Frame, Label, Result, TextBox, Option, CheckBox, Button };

// The window's own faces: the default, and the two uses of the Song face "宋体".
enum class Face { Default, SongBold, SongUnderlined };

struct Control {
    const char* name;
    Kind kind;
    const char* parent;  // "" for the window itself
    const char* caption;
    int left, top, width, height;  // twips, relative to the parent
    Face face = Face::Default;
};

// Text boxes, options and check boxes take their initial texts and states from a new SealantSheet.
// clang-format off
const Control kControls[] = {
    // name          kind           parent    caption                                  left   top  width height
    {"Frame1",       Kind::Frame,   "",       "基本信息",                                360,  240, 3135, 2175},
    {"Label1",       Kind::Label,   "Frame1", "风荷载设计值",                            120,  360, 1215,  255},
    {"Text1",        Kind::TextBox, "Frame1", "",                                       1440,  360,  735,  270},
    {"Label2",       Kind::Label,   "Frame1", "KN/m2",                                  2400,  360,  615,  255},
    {"Label3",       Kind::Label,   "Frame1", "玻璃短边La",                              120,  840, 1095,  375},
    {"Text2",        Kind::TextBox, "Frame1", "",                                       1440,  840,  735,  270},
    {"Label5",       Kind::Label,   "Frame1", "mm",                                     2400,  840,  495,  255},
    {"Label4",       Kind::Label,   "Frame1", "玻璃长边Lb",                              120, 1320, 1095,  375},
    {"Text3",        Kind::TextBox, "Frame1", "",                                       1440, 1320,  735,  270},
    {"Label6",       Kind::Label,   "Frame1", "mm",                                     2400, 1320,  375,  255},
    {"Label12",      Kind::Label,   "Frame1", "自重Gk",                                  120, 1800,  975,  255},
    {"Text4",        Kind::TextBox, "Frame1", "",                                       1440, 1800,  735,  270},
    {"Label13",      Kind::Label,   "Frame1", "KN/m2",                                  2400, 1800,  495,  255},

    {"Frame2",       Kind::Frame,   "",       "相关说明",                               3840,  360, 2775, 1815},
    {"Label21",      Kind::Label,   "Frame2", "本程序根据《玻璃幕墙工程技术规范》(JGJ102-2003)编制。", 120, 360, 2535, 615},
    {"Label22",      Kind::Label,   "Frame2", "程序设计：Morvantis",                     120,  960, 2535,  255},
    {"Label40",      Kind::Label,   "Frame2", "QQ：12345678",                            120, 1200, 2175,  255},
    {"Label41",      Kind::Label,   "Frame2", "www.example.com",                         120, 1440, 2535,  255},

    {"Command1",     Kind::Button,  "",       "计算",                                   3840, 2400, 1215,  375},

    {"Label15",      Kind::Label,   "",       "结构胶宽度:",                             360, 2760, 1335,  255, Face::SongBold},
    {"Label7",       Kind::Label,   "",       "1.在风荷载与地震作用下,结构胶宽度Cs：",    360, 3240, 3375,  375},
    {"Label8",       Kind::Result,  "",       "",                                       3840, 3240, 1095,  255},
    {"Label9",       Kind::Label,   "",       "mm",                                     5040, 3240,  375,  255},
    {"Label10",      Kind::Label,   "",       "2.在永久荷载作用下,结构胶粘接宽度Cs：",    360, 3600, 3375,  255},
    {"Label11",      Kind::Result,  "",       "",                                       3840, 3600, 1095,  255},
    {"Label14",      Kind::Label,   "",       "mm",                                     5040, 3600,  375,  255},
    {"Label26",      Kind::Label,   "",       "(横料承重时不考虑)",                      5280, 3600, 1695,  255},

    {"Label16",      Kind::Label,   "",       "结构胶厚度:",                             360, 4080, 1455,  255, Face::SongBold},
    {"Option1",      Kind::Option,  "",       "面板高度为La",                           2520, 4080, 1455,  255},
    {"Option2",      Kind::Option,  "",       "面板高度为Lb",                           4080, 4080, 1575,  255},
    {"Label20",      Kind::Label,   "",       "本工程结构胶厚度ts为：",                   480, 4680, 2055,  255},
    {"Label27",      Kind::Result,  "",       "",                                       2520, 4680, 1335,  255},
    {"Label28",      Kind::Label,   "",       "mm",                                     3960, 4680,  375,  255},
    {"Label30",      Kind::Label,   "",       "（ts不小于6mm，不大于12mm）",              4200, 4680, 2535,  255},
    {"Label17",      Kind::Label,   "",       "1.温度应力作用下，结构胶厚度ts：",          360, 5160, 3255,  375, Face::SongUnderlined},
    {"Label18",      Kind::Result,  "",       "",                                       5040, 5160, 1095,  255},
    {"Label19",      Kind::Label,   "",       "mm",                                     6240, 5160,  495,  255},
    {"Label25",      Kind::Label,   "",       "2.地震作用下，根据楼层弹性层间位移角限值(结构类型)，结构胶厚度ts：", 360, 5520, 6255, 255, Face::SongUnderlined},
    {"Check1(0)",    Kind::CheckBox,"",       "钢筋混凝土框架(1/550)",                    360, 5880, 4455,  255},
    {"Label23(0)",   Kind::Result,  "",       "",                                       5040, 5880, 1095,  255},
    {"Label24",      Kind::Label,   "",       "mm",                                     6240, 5880,  495,  255},
    {"Check1(1)",    Kind::CheckBox,"",       "钢砼框架-剪力墙，框架-核心筒，板柱-剪力墙(1/800)", 360, 6240, 4695, 255},
    {"Label23(1)",   Kind::Result,  "",       "",                                       5040, 6240, 1095,  255},
    {"Label29",      Kind::Label,   "",       "mm",                                     6240, 6240,  495,  255},
    {"Check1(2)",    Kind::CheckBox,"",       "钢砼筒中筒，剪力墙(1/1000)",               360, 6600, 4695,  255},
    {"Label23(2)",   Kind::Result,  "",       "",                                       5040, 6600, 1095,  255},
    {"Label33",      Kind::Label,   "",       "mm",                                     6240, 6600,  495,  255},
    {"Check1(3)",    Kind::CheckBox,"",       "钢砼框支层(1/1000)",                       360, 6960, 4695,  255},
    {"Label23(3)",   Kind::Result,  "",       "",                                       5040, 6960, 1095,  255},
    {"Label35",      Kind::Label,   "",       "mm",                                     6240, 6960,  375,  255},
    {"Check1(4)",    Kind::CheckBox,"",       "多、高层钢结构(1/300)",                    360, 7320, 4695,  255},
    {"Label23(4)",   Kind::Result,  "",       "",                                       5040, 7320, 1095,  255},
    {"Label39",      Kind::Label,   "",       "mm",                                     6240, 7320,  495,  255},
};
// clang-format on

constexpr int kClientWidth = 6990;  // twips
constexpr int kClientHeight = 7815;

const char* const kFocusOrder[] = {"Text1",     "Text2",     "Text3",     "Command1",
                                   "Text4",     "Option1",   "Option2",   "Check1(0)",
                                   "Check1(1)", "Check1(2)", "Check1(4)", "Check1(3)"};

// Each input and result with the caption and unit beside it, so that a screen reader can tell the
// fields apart: the name of a text box, the description of a result.
struct Described {
    const char* control;
    const char* caption;
    const char* unit;
};

const Described kDescriptions[] = {
    {"Text1", "Label1", "Label2"},          {"Text2", "Label3", "Label5"},
    {"Text3", "Label4", "Label6"},          {"Text4", "Label12", "Label13"},
    {"Label8", "Label7", "Label9"},         {"Label11", "Label10", "Label14"},
    {"Label27", "Label20", "Label28"},      {"Label18", "Label17", "Label19"},
    {"Label23(0)", "Check1(0)", "Label24"}, {"Label23(1)", "Check1(1)", "Label29"},
    {"Label23(2)", "Check1(2)", "Label33"}, {"Label23(3)", "Check1(3)", "Label35"},
    {"Label23(4)", "Check1(4)", "Label39"},
};

QString IndexedName(const char* array, int index) { return QStringLiteral("%1(%2)").arg(array).arg(index); }

// Where "宋体" is not installed, Debian's Simplified Chinese Song face stands in, never a Japanese one.
void SubstituteSongFace() {
    if (!QFontDatabase::hasFamily("宋体")) QFont::insertSubstitutions("宋体", {"SimSun", "AR PL UMing CN"});
}

// The Song face "宋体" at 9 pt is the window's default font, for which its layout was drawn.
QFont SongFont(Face face) {
    QFont font("宋体");
    font.setPointSizeF(face == Face::SongBold ? 10.5 : 9);
    font.setBold(face == Face::SongBold);
    font.setUnderline(face == Face::SongUnderlined);
    return font;
}

QString TextOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    return {};
}

QWidget* Build(const Control& control, QWidget* parent) {
    const QString caption = QString::fromUtf8(control.caption);
    QWidget* widget = nullptr;
    switch (control.kind) {
    case Kind::Frame: widget = new QGroupBox(caption, parent); break;
    case Kind::Label:
    case Kind::Result: {
        auto* label = new QLabel(caption, parent);
        label->setAlignment(Qt::AlignLeft | (control.kind == Kind::Result ? Qt::AlignVCenter : Qt::AlignTop));
        label->setWordWrap(true);
        if (control.kind == Kind::Result) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setLineWidth(1);
            // Engineers copy results into their reports; the text stays read-only.
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        }
        widget = label;
        break;
    }
    case Kind::TextBox: widget = new QLineEdit(parent); break;
    case Kind::Option: widget = new QRadioButton(caption, parent); break;
    case Kind::CheckBox: widget = new QCheckBox(caption, parent); break;
    case Kind::Button: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);  // Enter in a text box must not calculate
        widget = button;
        break;
    }
    }
    widget->setObjectName(control.name);
    widget->setGeometry(TwipsToPixels(control.left), TwipsToPixels(control.top), TwipsToPixels(control.width),
                        TwipsToPixels(control.height));
    if (control.face != Face::Default) widget->setFont(SongFont(control.face));
    return widget;
}

}  // namespace

int TwipsToPixels(int twips) { return (twips * 96 + 720) / 1440; }

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName("Form1");
    setWindowTitle("Vardelin");
    QIcon icon;
    icon.addFile(":/icons/vardelin-16.png", QSize(16, 16));
    icon.addFile(":/icons/vardelin-32.png", QSize(32, 32));
    setWindowIcon(icon);
    SubstituteSongFace();
    setFont(SongFont(Face::Default));
    resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

    for (const Control& control : kControls) {
        QWidget* parentWidget = *control.parent ? findChild<QWidget*>(control.parent) : this;
        Build(control, parentWidget);
    }

    Text1 = findChild<QLineEdit*>("Text1");
    Text2 = findChild<QLineEdit*>("Text2");
    Text3 = findChild<QLineEdit*>("Text3");
    Text4 = findChild<QLineEdit*>("Text4");
    Option1 = findChild<QRadioButton*>("Option1");
    Option2 = findChild<QRadioButton*>("Option2");
    Command1 = findChild<QPushButton*>("Command1");
    Label8 = findChild<QLabel*>("Label8");
    Label11 = findChild<QLabel*>("Label11");
    Label18 = findChild<QLabel*>("Label18");
    Label27 = findChild<QLabel*>("Label27");
    for (int i = 0; i < 5; ++i) {
        Check1[i] = findChild<QCheckBox*>(IndexedName("Check1", i));
        Label23[i] = findChild<QLabel*>(IndexedName("Label23", i));
    }

    const SealantSheet initial;
    Text1->setText(QString::fromStdString(initial.Text1));
    Text2->setText(QString::fromStdString(initial.Text2));
    Text3->setText(QString::fromStdString(initial.Text3));
    Text4->setText(QString::fromStdString(initial.Text4));
    Option1->setChecked(initial.Option1);
    Option2->setChecked(initial.Option2);
    for (int i = 0; i < 5; ++i) SetTickState(Check1[i], initial.Check1[i]);

    for (const Described& described : kDescriptions) {
        QWidget* widget = findChild<QWidget*>(described.control);
        const QString text = TextOf(findChild<QWidget*>(described.caption)) + ' ' +
                             TextOf(findChild<QWidget*>(described.unit));
        if (qobject_cast<QLineEdit*>(widget))
            widget->setAccessibleName(text);
        else
            widget->setAccessibleDescription(text);
    }

    for (std::size_t i = 1; i < std::size(kFocusOrder); ++i)
        setTabOrder(findChild<QWidget*>(kFocusOrder[i - 1]), findChild<QWidget*>(kFocusOrder[i]));
    Text1->setFocus();

    connect(Command1, &QPushButton::clicked, this, [this] { CalculateCommand(*this); });
}
