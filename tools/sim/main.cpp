// kirabo-sim GAME [options]: plays whole games headless, through the same step
// functions as the window, with the player's side chosen by a simple policy.
#include <cstdio>
#include <cstring>

int RunKoiKoiSim(int argc, char** argv);
int RunHanaAwaseSim(int argc, char** argv);

int main(int argc, char** argv) {
    if (argc >= 2) {
        if (std::strcmp(argv[1], "koikoi") == 0) return RunKoiKoiSim(argc - 1, argv + 1);
        if (std::strcmp(argv[1], "hanaawase") == 0) return RunHanaAwaseSim(argc - 1, argv + 1);
    }
    std::fprintf(stderr, "usage: kirabo-sim koikoi|hanaawase --seed S [options]\n");
    return 2;
}
