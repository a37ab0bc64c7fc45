// One running copy at a time. The lock is an flock on a file in the user's
// runtime folder, so the system frees it when the process dies, however it dies.
#pragma once

namespace platform {

// True when this process now holds the lock; false when another copy does.
// A lock file that cannot be made at all lets the program run.
bool AcquireInstanceLock();
void ReleaseInstanceLock();

}  // namespace platform
