// The colour-scheme reader and the configuration reader.
#include "appearance/colour_scheme.h"
#include "fuzz_support.h"
#include "shell/startup.h"

using namespace vextor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilentUserInterface ui(true, Answer::Yes);
    AppState st(1);
    st.apppath = fuzz::scratchFolder();
    fuzz::writeInput("fuzz.sch", data, size);
    std::string scheme = "fuzz.sch";
    if (LoadColorFile(st, ui, scheme))
        ApplyScheme(st);
    fuzz::writeInput("vextor.cfg", data, size);
    ReadcfgFile(st, ui);
    return 0;
}
