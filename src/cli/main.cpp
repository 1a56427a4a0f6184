#include <iostream>

#include "cli/Help.h"

int main() { std::cout << tessmark::cli::HelpText(); }
