// Runs the built kirabo-sim (KIRABO_SIM_PATH) with its arguments: what it
// printed and its exit status.
#pragma once
#include <cstdio>
#include <string>

struct SimRun {
    std::string out;
    int status = -1;
};

inline SimRun RunSim(const std::string& args) {
    const std::string command = std::string(KIRABO_SIM_PATH) + " " + args + " 2>/dev/null";
    SimRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[8192];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    run.status = pclose(pipe);
    return run;
}
