// A service the program reaches through one installed object: the window
// installs its own, and without one (tests, kirabo-sim) the silent default
// answers, whose members do nothing.
#pragma once

template <typename Service>
class Installed {
  public:
    Installed() = default;
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;

    // `service` is not owned; nullptr restores the silent default.
    void Install(Service* service) { current_ = service ? service : &silent_; }
    Service& operator*() const { return *current_; }
    Service* operator->() const { return current_; }

  private:
    Service silent_;
    Service* current_ = &silent_;
};
