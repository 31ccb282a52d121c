#include "support/scoreFileBytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace scoreFileBytes {

Bytes readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.good())
        ADD_FAILURE() << "cannot write " << path;
}

Bytes record(const std::string& nameBytes, std::int32_t score) {
    EXPECT_LE(nameBytes.size(), 18u) << nameBytes;
    Bytes bytes(nameBytes.begin(), nameBytes.end());
    bytes.resize(18, ' ');
    const auto value = static_cast<std::uint32_t>(score);
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    return bytes;
}

Bytes fileOf(const std::vector<std::pair<std::string, std::int32_t>>& entries) {
    Bytes bytes;
    for (const auto& [name, score] : entries) {
        const Bytes r = record(name, score);
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    bytes.resize(220, 0);
    return bytes;
}

std::string asUnprivilegedUser(const std::string& folder,
                               const std::function<std::string()>& check) {
    if (::geteuid() != 0)
        return check();
    if (::chown(folder.c_str(), unprivilegedId, unprivilegedId) != 0)
        return "cannot hand the folder to the unprivileged user";
    int channel[2];
    if (::pipe(channel) != 0)
        return "cannot make a pipe";
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        return "cannot fork";
    if (child == 0) {
        ::close(channel[0]);
        std::string answer;
        if (::setgroups(0, nullptr) != 0 || ::setgid(unprivilegedId) != 0 ||
            ::setuid(unprivilegedId) != 0)
            answer = "cannot drop privileges";
        else
            answer = check();
        const ssize_t written = ::write(channel[1], answer.data(), answer.size());
        ::_exit(written == static_cast<ssize_t>(answer.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    std::string answer;
    char buffer[512];
    ssize_t n;
    while ((n = ::read(channel[0], buffer, sizeof buffer)) > 0)
        answer.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "the unprivileged check did not finish: " + answer;
    return answer;
}

} // namespace scoreFileBytes
