// The desktop host application (menu of the planning windows).
#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::fprintf(stderr, "planhost: the host windows are not built yet\n");
    return 1;
}
