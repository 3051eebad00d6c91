#include "windows/Startup.h"

int main(int argc, char* argv[]) {
    return tessra::RunTessra(argc, argv);
}
