// Clears the two compile times that the help compiler writes into a CHM file (the ITSF header's
// time stamp and the time entry of its /#SYSTEM file), so that the same pages always give the
// same file. Usage: chmstamp <compiled file> <output file>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kHeaderTimeStamp = 0x10; // ITSF header: 4-byte time stamp
constexpr std::size_t kContentOffset = 0x58;   // ITSF header: where content section 0 starts
constexpr std::uint16_t kSystemTimeCode = 10;  // /#SYSTEM entry holding the compile time
const char kSystemName[] = "\x08/#SYSTEM";

std::uint64_t little(const std::vector<unsigned char>& d, std::size_t at, int bytes) {
    std::uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | d[at + i];
    }
    return v;
}

// The variable-length numbers of the directory entries: 7 bits a byte, high bit = more.
std::optional<std::uint64_t> encInt(const std::vector<unsigned char>& d, std::size_t& at) {
    std::uint64_t v = 0;
    while (at < d.size()) {
        const unsigned char b = d[at++];
        v = (v << 7) | (b & 0x7f);
        if ((b & 0x80) == 0) {
            return v;
        }
    }
    return std::nullopt;
}

bool clearSystemTime(std::vector<unsigned char>& d) {
    const auto found =
        std::search(d.begin(), d.end(), kSystemName, kSystemName + std::strlen(kSystemName));
    if (found == d.end() || d.size() < kContentOffset + 8) {
        return false;
    }
    std::size_t at = static_cast<std::size_t>(found - d.begin()) + std::strlen(kSystemName);
    const auto section = encInt(d, at);
    const auto offset = encInt(d, at);
    const auto length = encInt(d, at);
    if (!section || !offset || !length || *section != 0) {
        return false;
    }
    const std::size_t start = little(d, kContentOffset, 8) + *offset;
    const std::size_t end = start + *length;
    if (end > d.size()) {
        return false;
    }
    for (std::size_t entry = start + 4; entry + 4 <= end;) {
        const auto code = static_cast<std::uint16_t>(little(d, entry, 2));
        const std::size_t size = little(d, entry + 2, 2);
        if (code == kSystemTimeCode && entry + 4 + size <= end) {
            std::fill(d.begin() + entry + 4, d.begin() + entry + 4 + size, 0);
        }
        entry += 4 + size;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: chmstamp <compiled file> <output file>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<unsigned char> data((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (data.size() < 0x60 || std::memcmp(data.data(), "ITSF", 4) != 0) {
        std::fprintf(stderr, "%s is not a compiled help file\n", argv[1]);
        return 1;
    }
    std::fill(data.begin() + kHeaderTimeStamp, data.begin() + kHeaderTimeStamp + 4, 0);
    if (!clearSystemTime(data)) {
        std::fprintf(stderr, "%s: no /#SYSTEM file found\n", argv[1]);
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    return out ? 0 : 1;
}
