#pragma once

#include <string>
#include <sys/types.h>

namespace testsupport {

// A private Xvfb on a free display, stopped by the destructor.
class VirtualXServer {
public:
    explicit VirtualXServer(int depth = 24, int width = 1280, int height = 1024);
    ~VirtualXServer();
    VirtualXServer(const VirtualXServer&) = delete;
    VirtualXServer& operator=(const VirtualXServer&) = delete;

    bool Started() const { return !name_.empty(); }
    const std::string& Name() const { return name_; }  // ":N"

private:
    pid_t pid_ = -1;
    std::string name_;
};

}  // namespace testsupport
