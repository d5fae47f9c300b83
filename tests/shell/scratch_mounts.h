// Real failing media for save tests, even for root (whom file permissions do not
// stop): read-only and nearly full folders made with mounts in a mount namespace
// private to the test process, so nothing outside it ever sees them.
#pragma once

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

namespace gp::testing {

class ScratchMounts {
  public:
    // Enters a private mount namespace; needs root (CAP_SYS_ADMIN). Says why not.
    bool enter(std::string& why_not) {
        if (geteuid() != 0) {
            why_not = "not root";
            return false;
        }
        if (unshare(CLONE_NEWNS) != 0) return fail(why_not, "unshare");
        // Mounts made from here on must not travel back to the parent namespace.
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            return fail(why_not, "making / private");
        }
        entered_ = true;
        return true;
    }
    bool entered() const { return entered_; }

    // The folder, as it is, becomes read-only (a read-only bind mount on itself).
    bool make_read_only(const std::string& folder, std::string& why_not) {
        if (mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0) {
            return fail(why_not, "bind mount");
        }
        if (mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) !=
            0) {
            return fail(why_not, "read-only remount");
        }
        return true;
    }

    // A fresh, empty file system of `kib` KiB on the folder.
    bool mount_small_volume(const std::string& folder, int kib, std::string& why_not) {
        const std::string options = "size=" + std::to_string(kib) + "k";
        if (mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            return fail(why_not, "tmpfs");
        }
        return true;
    }

    // Takes a mount off its folder when the test leaves, however it leaves.
    class Unmount {
      public:
        explicit Unmount(std::string folder) : folder_(std::move(folder)) {}
        ~Unmount() { umount2(folder_.c_str(), MNT_DETACH); }
        Unmount(const Unmount&) = delete;
        Unmount& operator=(const Unmount&) = delete;

      private:
        std::string folder_;
    };

  private:
    static bool fail(std::string& why_not, const char* step) {
        why_not = std::string(step) + ": " + std::strerror(errno);
        return false;
    }

    bool entered_ = false;
};

}  // namespace gp::testing
