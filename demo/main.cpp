// Kelvotour: a tour of KelvoLib. The command line is described in demo/program.h.

#include <QApplication>
#include <QTextStream>

#include "demo/program.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvotour"));
    QTextStream out(stdout);
    QTextStream errors(stderr);
    return kelvotour::run_kelvotour(QApplication::arguments(), out, errors);
}
