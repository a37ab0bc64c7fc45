// One running copy at a time. The lock is an flock on a file in the data
// folder itself, so two copies that would share the same files can never run
// together, and the system frees it when the process dies, however it dies.
#pragma once
#include <string>

namespace platform {

enum class LockResult {
    Held,       // this process now holds the lock
    Elsewhere,  // another copy holds it
    Failed,     // it could not be taken at all (see the error text)
};

// Takes the lock file `kirabo.lock` in `folder`, making the folder when
// needed. On Failed, `error` says why.
LockResult AcquireInstanceLock(const std::string& folder, std::string& error);
void ReleaseInstanceLock();

}  // namespace platform
