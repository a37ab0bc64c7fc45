// The shell's services as the window program provides them.
#pragma once
#include "core/shell.h"

class WindowShell : public ShellServices {
  public:
    void PlaySound(int number) override;
    void PlayMusic() override;
    void StopMusic() override;
    void EnableScoreTableMenu(bool enabled) override;
    void InvalidateClient() override;
    void WaitForInput(uint32_t maxMs) override;
    void GameProgressed(bool over) override;
    void ReportUnwritableFolder(const std::string& folder) override;
    void ReportUnusableFile(const std::string& path) override;
};
