// The yardstick of the game's start-up: a bare Qt 6 window with the game's menu bar (three menus
// with their Chinese titles, so that both load the same fonts for it), the size of the game's
// client area, in the same style. bench/startup_compare.sh starts it side by side with the game.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Zenkara bare window"));
    window.menuBar()->addMenu(QStringLiteral("游戏(&G)"))->addAction(QStringLiteral("容易(&E)"));
    window.menuBar()->addMenu(QStringLiteral("选项(&S)"))->addAction(QStringLiteral("提示(&I)"));
    window.menuBar()->addMenu(QStringLiteral("帮助(&H)"))->addAction(QStringLiteral("游戏说明"));
    auto* client = new QWidget(&window);
    client->setFixedSize(825, 641);
    client->setStyleSheet(QStringLiteral("background: black;"));
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}
