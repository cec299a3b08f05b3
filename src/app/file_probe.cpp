#include "app/file_probe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

std::string WhyUnreadable(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    const std::string why = WhyUnusable(fd);
    ::close(fd);
    return why;
}

std::string WhyUnusable(int fd, long long* size) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return std::strerror(errno);
    if (S_ISDIR(info.st_mode)) return "is a directory";
    if (!S_ISREG(info.st_mode)) return "is not a regular file";
    if (info.st_size == 0) return "is empty";
    if (size != nullptr) *size = info.st_size;
    return "";
}
