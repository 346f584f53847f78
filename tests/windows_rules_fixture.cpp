// A program as a careless build makes it (tests/CMakeLists.txt): the compiler's
// runtime linked as DLLs, the other processor's manifest, no version resource.
// Never run; the Windows rules check reads it and must refuse it.
#include <iostream>
#include <string>

int main(int argc, char**) { std::cout << std::string(argc, '*') << '\n'; }
