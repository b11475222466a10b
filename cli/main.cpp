#include <iostream>

#include "tamovid/cli/run.h"

int main(int argc, char** argv) {
    // Batches write a great deal; the C streams are not used, so no need to stay in step.
    std::ios::sync_with_stdio(false);
    return tamovid::cli::RunCli(argc, argv, std::cin, std::cout, std::cerr);
}
