// quintaro: the calculator's engine and number format on the command line.
#include "commands.h"

int main(int argc, char** argv) { return RunQuintaro(argc, argv); }
