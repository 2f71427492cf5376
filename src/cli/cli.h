// vextor-cli: batch work on puzzle files from the command line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vextor::cli {

// Runs one command line (without the program name); returns the exit status.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vextor::cli
