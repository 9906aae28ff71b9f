// The headless calculator inside the module: ferrolux-calc's command line
// run over the module's file system, with its output, messages and exit
// status handed back to JavaScript (ferrolux-calc.mjs prints them).

#include "cli/FerroluxCalc.h"
#include "platform/LastResort.h"
#include "platform/MessageHost.h"

#include <emscripten/bind.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct CalcRun {
    int status = 0;
    std::string out;
    std::string err;
};

CalcRun RunCalc(const std::vector<std::string>& words)
{
    std::ostringstream out;
    std::ostringstream err;
    StderrMessageHost lastResort(err);
    CalcRun run;
    run.status = RunGuarded(lastResort, "ferrolux-calc", [&] { return RunCalcCommandLine(words, out, err, {}); });
    run.out = out.str();
    run.err = err.str();
    return run;
}

}  // namespace

EMSCRIPTEN_BINDINGS(ferrolux_calc)
{
    using namespace emscripten;
    register_vector<std::string>("StringList");
    value_object<CalcRun>("CalcRun").field("status", &CalcRun::status).field("out", &CalcRun::out).field("err", &CalcRun::err);
    function("runCalc", &RunCalc);
}
