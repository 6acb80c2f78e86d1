#include "support/PermissionBitsEnforced.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testsupport {

namespace {

constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
};

bool Read(Capabilities& caps)
{
    return syscall(SYS_capget, &caps.header, caps.data) == 0;
}

bool Write(Capabilities& caps)
{
    return syscall(SYS_capset, &caps.header, caps.data) == 0;
}

}  // namespace

PermissionBitsEnforced::PermissionBitsEnforced()
{
    Capabilities caps;
    if (!Read(caps)) {
        return;
    }
    previousEffective_ = caps.data[0].effective;
    caps.data[0].effective &= ~kOverrides;
    active_ = Write(caps);
}

PermissionBitsEnforced::~PermissionBitsEnforced()
{
    Capabilities caps;
    if (active_ && Read(caps)) {
        caps.data[0].effective = previousEffective_;
        Write(caps);
    }
}

}  // namespace testsupport
