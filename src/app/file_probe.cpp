#include "app/file_probe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

std::string WhyUnreadable(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    struct stat info {};
    std::string why;
    if (::fstat(fd, &info) != 0) {
        why = std::strerror(errno);
    } else if (S_ISDIR(info.st_mode)) {
        why = "is a directory";
    } else if (!S_ISREG(info.st_mode)) {
        why = "is not a regular file";
    } else if (info.st_size == 0) {
        why = "is empty";
    }
    ::close(fd);
    return why;
}
