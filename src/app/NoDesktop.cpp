#include "app/NoDesktop.h"

#include <QCoreApplication>
#include <cstdio>

#include "app/CommandLine.h"

namespace tessaro {

int sayThereIsNoDesktop(int argc, char* argv[]) {
    QCoreApplication terminal(argc, argv);
    useLanguage(chosenLanguage(QCoreApplication::arguments()));
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate(
                     "tessaro", "Для игры нужен графический рабочий стол (X11 или Wayland).")));
    return 1;
}

}  // namespace tessaro
