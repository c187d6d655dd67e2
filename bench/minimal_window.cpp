// The floor for the program's start-up: a bare Qt Widgets window of the calculator's size showing one
// line of Chinese text in the same face. bench/startup.sh measures both side by side.

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (!QFontDatabase::hasFamily("宋体")) QFont::insertSubstitutions("宋体", {"SimSun", "AR PL UMing CN"});
    QLabel window("硅酮结构胶计算");
    window.setFont(QFont("宋体", 9));
    window.setWindowTitle("Minimal");
    window.resize(466, 521);
    window.show();
    return QApplication::exec();
}
