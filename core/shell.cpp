#include "core/shell.h"

#include "cards/installed.h"
#include "core/program.h"
#include "core/records.h"

void ShellServices::GameProgressed(bool /*over*/) {
    SaveRecords();
}

namespace {
Installed<ShellServices> currentShell;
}  // namespace

void InstallShell(ShellServices* services) {
    currentShell.Install(services);
}
ShellServices& Shell() {
    return *currentShell;
}

void PlaySoundEffect(int number) {
    if (soundEffectsOn) currentShell->PlaySound(number);
}
void PlayMusic() {
    currentShell->PlayMusic();
}
void StopMusic() {
    currentShell->StopMusic();
}

void EndGameAfterResult() {
    gameState = -1;
    currentShell->EnableScoreTableMenu(false);
    currentShell->PlayMusic();
    currentShell->InvalidateClient();
}
