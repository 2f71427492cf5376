#include "cli/cli.h"

namespace vextor::cli {

namespace {
const char* kUsage = "Usage: vextor-cli COMMAND [ARGS]\n"
                     "Work on Vextor puzzle files.\n";
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? err : out) << kUsage;
        return args.empty() ? 2 : 0;
    }
    err << "vextor-cli: unknown command '" << args[0] << "'\n" << kUsage;
    return 2;
}

} // namespace vextor::cli
