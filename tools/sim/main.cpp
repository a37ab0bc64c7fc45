// kirabo-sim GAME [options]: plays whole games headless, through the same step
// functions as the window, with the player's side chosen by a simple policy.
#include <cstdio>
#include <cstring>

#ifdef KIRABO_HAS_KOIKOI
int RunKoiKoiSim(int argc, char** argv);
#endif
#ifdef KIRABO_HAS_HANAAWASE
int RunHanaAwaseSim(int argc, char** argv);
#endif

int main(int argc, char** argv) {
    (void)argv;  // unused until a game is built in
    if (argc >= 2) {
#ifdef KIRABO_HAS_KOIKOI
        if (std::strcmp(argv[1], "koikoi") == 0) return RunKoiKoiSim(argc - 1, argv + 1);
#endif
#ifdef KIRABO_HAS_HANAAWASE
        if (std::strcmp(argv[1], "hanaawase") == 0) return RunHanaAwaseSim(argc - 1, argv + 1);
#endif
    }
    std::fprintf(stderr, "usage: kirabo-sim koikoi|hanaawase --seed S [options]\n");
    return 2;
}
