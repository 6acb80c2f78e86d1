#pragma once

namespace testsupport {

// While it lives, file permission bits bind this process even when it runs as root: the
// capabilities that override them are taken out of the effective set and put back at the end.
// Lets a test make a file unreadable with chmod 000.
class PermissionBitsEnforced {
public:
    PermissionBitsEnforced();
    ~PermissionBitsEnforced();
    PermissionBitsEnforced(const PermissionBitsEnforced&) = delete;
    PermissionBitsEnforced& operator=(const PermissionBitsEnforced&) = delete;

    bool Active() const { return active_; }

private:
    bool active_ = false;
    unsigned previousEffective_ = 0;
};

}  // namespace testsupport
