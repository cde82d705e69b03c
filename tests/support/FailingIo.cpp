// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into parlomatic-cli by tests: makes pwrite() or fsync() fail with
// the error number FAIL_ERRNO for files under the folder FAIL_FOLDER, as a
// failing disk, a full quota or a full disk would. FAIL_CALL names the call.

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <sys/types.h>
#include <unistd.h>

namespace {

bool failsHere(const char* call, int fd) {
    const char* wanted = std::getenv("FAIL_CALL");
    const char* folder = std::getenv("FAIL_FOLDER");
    if (!wanted || !folder || std::strcmp(wanted, call) != 0)
        return false;
    char target[4096] = {};
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    if (::readlink(link.c_str(), target, sizeof target - 1) < 0)
        return false;
    if (std::strncmp(target, folder, std::strlen(folder)) != 0)
        return false;
    errno = std::atoi(std::getenv("FAIL_ERRNO"));
    return true;
}

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {

ssize_t pwrite(int fd, const void* buffer, size_t count, off_t offset) {
    if (failsHere("write", fd))
        return -1;
    return next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite")(fd, buffer, count, offset);
}

ssize_t pwrite64(int fd, const void* buffer, size_t count, off_t offset) {
    if (failsHere("write", fd))
        return -1;
    return next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite64")(fd, buffer, count, offset);
}

int fsync(int fd) {
    if (failsHere("fsync", fd))
        return -1;
    return next<int (*)(int)>("fsync")(fd);
}
}
