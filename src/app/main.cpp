#include "app/Desktop.h"

int main(int argc, char* argv[]) {
    return tessaro::runDesktop(argc, argv);
}
