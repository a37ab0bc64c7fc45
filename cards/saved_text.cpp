#include "cards/saved_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// Version 2 carries each computer seat's own random numbers and what it has
// seen the others lack; a file of version 1 cannot go on as it would have.
constexpr char FirstLine[] = "KIRABO-KEPT-GAME 2\n";
constexpr char SumWord[] = "sum ";
// A kept game is a few kilobytes; anything much larger is not one.
constexpr size_t MaxBytes = 1 << 20;

// A signed decimal number that fits an int, with nothing else.
bool ParseInt(const char* begin, const char* end, int& value) {
    const char* p = begin;
    bool negative = p < end && *p == '-';
    if (negative) ++p;
    if (p == end || end - p > 10) return false;
    long long v = 0;
    for (; p < end; ++p) {
        if (*p < '0' || *p > '9') return false;
        v = v * 10 + (*p - '0');
    }
    if (negative) v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return false;
    value = static_cast<int>(v);
    return true;
}

}  // namespace

uint32_t TextChecksum(const std::string& bytes) {
    uint32_t h = 2166136261u;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 16777619u;
    }
    return h;
}

SavedTextWriter::SavedTextWriter() : text_(FirstLine) {}

void SavedTextWriter::Values(const char* name, const int* values, int count) {
    text_ += name;
    char number[16];
    for (int i = 0; i < count; ++i) {
        std::snprintf(number, sizeof number, " %d", values[i]);
        text_ += number;
    }
    text_ += '\n';
}

void SavedTextWriter::List(const char* name, const std::vector<int>& values) {
    std::vector<int> line;
    line.reserve(values.size() + 1);
    line.push_back(static_cast<int>(values.size()));
    line.insert(line.end(), values.begin(), values.end());
    Values(name, line.data(), static_cast<int>(line.size()));
}

void SavedTextWriter::Words(const char* name, const uint64_t* words, int count) {
    std::vector<int> halves;
    halves.reserve(2 * static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        halves.push_back(static_cast<int>(static_cast<uint32_t>(words[i] >> 32)));
        halves.push_back(static_cast<int>(static_cast<uint32_t>(words[i])));
    }
    Values(name, halves.data(), static_cast<int>(halves.size()));
}

std::string SavedTextWriter::Finish() const {
    char sum[32];
    std::snprintf(sum, sizeof sum, "%s%08x\n", SumWord, TextChecksum(text_));
    return text_ + sum;
}

SavedTextReader::SavedTextReader(const std::string& bytes) {
    const size_t first = sizeof FirstLine - 1;
    const size_t sumLine = sizeof SumWord - 1 + 9;
    if (bytes.size() > MaxBytes || bytes.compare(0, first, FirstLine) != 0) return;
    // The text ends with its checksum line. A longer file written before
    // may leave its tail behind it (files are saved over their start); the
    // tail is never read.
    size_t sumAt = bytes.find(std::string("\n") + SumWord);
    if (sumAt == std::string::npos) return;
    ++sumAt;
    if (bytes.size() < sumAt + sumLine || bytes[sumAt + sumLine - 1] != '\n') return;
    uint32_t stored = 0;
    for (size_t i = sumAt + sizeof SumWord - 1; i < sumAt + sumLine - 1; ++i) {
        char c = bytes[i];
        int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0) return;
        stored = stored * 16 + static_cast<uint32_t>(digit);
    }
    std::string covered = bytes.substr(0, sumAt);
    if (TextChecksum(covered) != stored) return;
    body_ = covered.substr(first);
    ok_ = true;
}

bool SavedTextReader::NextLine(const char* name, std::string& rest) {
    if (!ok_) return false;
    size_t end = body_.find('\n', pos_);
    size_t length = std::strlen(name);
    if (end == std::string::npos || end - pos_ < length || body_.compare(pos_, length, name) != 0 ||
        (end - pos_ > length && body_[pos_ + length] != ' ')) {
        ok_ = false;
        return false;
    }
    rest = body_.substr(pos_ + length, end - pos_ - length);
    pos_ = end + 1;
    return true;
}

namespace {

// Splits " v1 v2 ..." into at most `room` ints; false on any fault.
bool SplitInts(const std::string& rest, std::vector<int>& out, size_t room) {
    out.clear();
    const char* p = rest.data();
    const char* end = p + rest.size();
    while (p < end) {
        if (*p != ' ' || out.size() == room) return false;
        ++p;
        const char* start = p;
        while (p < end && *p != ' ') ++p;
        int v = 0;
        if (!ParseInt(start, p, v)) return false;
        out.push_back(v);
    }
    return true;
}

}  // namespace

bool SavedTextReader::Values(const char* name, int* values, int count, int min, int max) {
    std::string rest;
    std::vector<int> parsed;
    if (!NextLine(name, rest) || !SplitInts(rest, parsed, static_cast<size_t>(count)) ||
        static_cast<int>(parsed.size()) != count) {
        ok_ = false;
        return false;
    }
    for (int v : parsed) {
        if (v < min || v > max) {
            ok_ = false;
            return false;
        }
    }
    std::copy(parsed.begin(), parsed.end(), values);
    return true;
}

bool SavedTextReader::List(const char* name, std::vector<int>& values, int maxCount, int min,
                           int max) {
    std::string rest;
    std::vector<int> parsed;
    if (!NextLine(name, rest) || !SplitInts(rest, parsed, static_cast<size_t>(maxCount) + 1) ||
        parsed.empty() || parsed[0] != static_cast<int>(parsed.size()) - 1) {
        ok_ = false;
        return false;
    }
    for (size_t i = 1; i < parsed.size(); ++i) {
        if (parsed[i] < min || parsed[i] > max) {
            ok_ = false;
            return false;
        }
    }
    values.assign(parsed.begin() + 1, parsed.end());
    return true;
}

bool SavedTextReader::Words(const char* name, uint64_t* words, int count) {
    std::vector<int> halves(2 * static_cast<size_t>(count));
    if (!Values(name, halves.data(), 2 * count, INT32_MIN, INT32_MAX)) return false;
    for (int i = 0; i < count; ++i)
        words[i] = uint64_t{static_cast<uint32_t>(halves[2 * i])} << 32 |
                   static_cast<uint32_t>(halves[2 * i + 1]);
    return true;
}
