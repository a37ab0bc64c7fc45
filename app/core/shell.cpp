#include "app/core/shell.h"

#include "app/core/program.h"
#include "app/core/records.h"

void ShellServices::GameProgressed(bool /*over*/) {
    SaveRecords();
}

namespace {
ShellServices silentShell;
ShellServices* currentShell = &silentShell;
}  // namespace

void InstallShell(ShellServices* services) {
    currentShell = services ? services : &silentShell;
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
