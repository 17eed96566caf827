// Files and folders that exist only while pelvano-judge writes them: when SIGINT, SIGTERM or
// SIGHUP ends the process, each is removed before it ends, so an interrupted run leaves no
// litter and no half-written file behind.
//
// Creating a temporary file, moving it to its place and removing it go through here, under
// one lock that the removal on a signal takes and keeps until the process has ended: a file
// is therefore either removed by that cleanup, or was placed whole before it began, never
// created or moved after it.
#pragma once

#include <filesystem>
#include <functional>

namespace pelvano {

// Starts the thread that waits for SIGINT, SIGTERM and SIGHUP, and blocks them in the calling
// thread and every thread started from it afterwards. Call it first thing in main, before any
// other thread starts. On a signal, every registered path is removed, and the process then
// ends by that signal, with the status a shell reports as 128 plus its number.
void removeTemporariesOnSignals();

// Registers `path` and runs `create`, which makes it, both under the lock.
void createTemporary(const std::filesystem::path& path, const std::function<void()>& create);
// Renames a registered temporary to `destination` and forgets it; false (errno set) if the
// rename failed, and it stays registered.
bool placeTemporary(const std::filesystem::path& path, const std::filesystem::path& destination);
// Removes a registered temporary (a file, or a folder with all it holds) and forgets it.
void removeTemporary(const std::filesystem::path& path);

// Removes every registered path, and keeps the lock: nothing is created or placed after it.
// For the platform's signal handling, right before the process ends.
void removeAllTemporaries();
// Makes the registry, before any signal can need it.
void readyTemporaries();

// Runs `work` while no cleanup on a signal can start: a signal that comes meanwhile ends the
// process once `work` is done. For a few quick steps that must happen all together, such as
// moving a run's files into place.
void withoutInterruption(const std::function<void()>& work);

}  // namespace pelvano
