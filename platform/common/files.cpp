// files.cpp - folders, files and the append-only log file, over POSIX.
//
// Everything here is a thin wrapper that reports failure as false (or
// nullptr) and never throws. Two calls go further than the C library:
//   WriteFileAtomically  writes beside the target, syncs, and renames over it,
//                        so a crash mid-write leaves the old or the new file,
//                        never half of one (Setup.ini, nuscores.dat);
//   LineFile             hands every line to the kernel before returning, so
//                        the log of a run that dies keeps its last line.
#include "platform/platform.h"

#include <cerrno>      // Required for: EINTR
#include <climits>     // Required for: PATH_MAX
#include <cstdio>      // Required for: std::rename
#include <cstdlib>     // Required for: mkstemp
#include <fcntl.h>     // Required for: open and its flags
#include <sys/stat.h>  // Required for: stat, fchmod
#include <unistd.h>    // Required for: read, write, close, fsync, getcwd, chdir, unlink

namespace platform {

namespace {

// Writes all of bytes, retrying after signals and short writes.
bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= size_t(n);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The directory entry of a rename is only durable once its folder is synced;
// failure here is harmless (the data itself is already on disk).
void SyncFolder(const std::string& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::string CurrentFolder() {
  char buffer[PATH_MAX];
  if (!::getcwd(buffer, sizeof buffer)) return "./";
  std::string folder = buffer;
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

bool ChangeFolder(const std::string& path) {
  return !path.empty() && ::chdir(path.c_str()) == 0;
}

PathKind KindOfPath(const std::string& path) {
  struct stat info;
  if (path.empty() || ::stat(path.c_str(), &info) != 0) return PathKind::None;
  if (S_ISDIR(info.st_mode)) return PathKind::Folder;
  return PathKind::File;
}

bool PathExists(const std::string& path) { return KindOfPath(path) != PathKind::None; }

bool CreateEmptyFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  return ::close(fd) == 0;
}

bool DeletePath(const std::string& path) {
  if (KindOfPath(path) == PathKind::Folder) return ::rmdir(path.c_str()) == 0;
  return ::unlink(path.c_str()) == 0;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return false;
  }
  if (info.st_size > 0) bytes.reserve(size_t(info.st_size));
  char chunk[65536];
  for (;;) {
    ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      bytes.clear();
      return false;
    }
    if (n == 0) break;
    bytes.append(chunk, size_t(n));
  }
  ::close(fd);
  return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
  if (path.empty()) return false;
  std::string temp = path + ".XXXXXX";
  int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  // mkstemp makes the file private; give it the target's permissions instead.
  struct stat old;
  ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
  bool ok = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolder(FolderOf(path));
  return true;
}

bool RenamePath(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

// The log is written with plain write(2) calls, unbuffered in the process, so
// nothing is lost when the program dies without closing it.
struct LineFile {
  int fd = -1;
};

LineFile* OpenLineFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return nullptr;
  return new LineFile{fd};
}

bool WriteToLineFile(LineFile* file, const std::string& bytes) {
  if (!file) return false;
  return WriteAll(file->fd, bytes.data(), bytes.size());
}

void CloseLineFile(LineFile* file) {
  if (!file) return;
  ::close(file->fd);
  delete file;
}

}  // namespace platform
