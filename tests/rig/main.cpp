// The test programs' entry: the rig runs their cases.
#include "rig/check.h"

int main(int argc, char** argv) { return check::RunCases(argc, argv); }
