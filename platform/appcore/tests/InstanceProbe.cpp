// A second process for the one-instance test: claims the instance named on its
// command line and exits 0 when it got it, 3 when another process holds it.
#include "SingleInstance.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    return FirstInstance(argv[1], argc > 2 ? argv[2] : nullptr) ? 0 : 3;
}
