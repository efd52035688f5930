#include "app/programmstart.h"

int main(int argc, char** argv) { return ProgrammAusfuehren(argc, argv); }
