// Included before every file of a build of the POSIX platform that stands for a POSIX system
// other than Linux (macOS, the BSDs): the system's headers are read first, then what only
// Linux has is taken away, so that a use of it outside a guard fails to compile here rather
// than on the contestant's Mac.
#pragma once

// Every system and standard header the platform reads, before anything is hidden: they may
// declare Linux's names for themselves.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <istream>
#include <memory>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#undef __linux__
#undef __linux
#undef linux
#undef __gnu_linux__

// Linux's flags for memory advice, mappings and files.
#undef MADV_HUGEPAGE
#undef MADV_NOHUGEPAGE
#undef MADV_POPULATE_READ
#undef MADV_POPULATE_WRITE
#undef MADV_DONTDUMP
#undef MAP_POPULATE
#undef MAP_HUGETLB
#undef MAP_ANONYMOUS_NORESERVE
#undef O_DIRECT
#undef O_TMPFILE
#undef O_NOATIME
#undef O_PATH

// Linux's calls (and POSIX calls that macOS lacks).
#pragma GCC poison posix_fadvise posix_fallocate fallocate splice sendfile copy_file_range
#pragma GCC poison memfd_create pipe2 dup3 accept4 sync_file_range getrandom mremap syncfs
#pragma GCC poison renameat2 statx gettid sched_getcpu prctl epoll_create inotify_init
#pragma GCC poison pthread_setname_np pthread_getattr_np sigtimedwait sigwaitinfo
