// The text of a kept game: a first line naming the format and its version,
// then one line per value or array ("name v1 v2 ..."), then a checksum line
// over everything before it. Both games write their state through it, and a
// reader takes the lines back in the same order, each checked for its name,
// its number of values and their range, so a damaged or foreign file is
// refused before anything of it is used. Whatever follows the checksum line
// (the tail of a longer file saved before) is not part of the text.
#pragma once
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

// FNV-1a over the bytes.
uint32_t TextChecksum(const std::string& bytes);

class SavedTextWriter {
  public:
    SavedTextWriter();
    void Values(const char* name, const int* values, int count);
    void Value(const char* name, int value) { Values(name, &value, 1); }
    // A list of varying length: its length first, then the values.
    void List(const char* name, const std::vector<int>& values);
    // 64-bit words, each as two values: the high half, then the low half.
    void Words(const char* name, const uint64_t* words, int count);
    // The whole text, closed by its checksum line.
    std::string Finish() const;

  private:
    std::string text_;
};

class SavedTextReader {
  public:
    // Checks the first line and the checksum; ok() tells whether they hold.
    explicit SavedTextReader(const std::string& bytes);
    bool ok() const { return ok_; }
    // The next line must be `name` with exactly `count` values, each in
    // min..max. Once a line fails, every later read fails too.
    bool Values(const char* name, int* values, int count, int min, int max);
    bool Value(const char* name, int& value, int min, int max) {
        return Values(name, &value, 1, min, max);
    }
    bool List(const char* name, std::vector<int>& values, int maxCount, int min, int max);
    bool Words(const char* name, uint64_t* words, int count);
    // Every line has been read.
    bool AtEnd() const { return ok_ && pos_ == body_.size(); }

  private:
    bool NextLine(const char* name, std::string& rest);
    bool ok_ = false;
    std::string body_;
    size_t pos_ = 0;
};

// The ints of any array of ints, of any rank, as one run.
template <typename A>
int* FlatInts(A& array) {
    static_assert(std::is_same_v<std::remove_all_extents_t<A>, int>);
    return reinterpret_cast<int*>(&array);
}
template <typename A>
constexpr int IntCount() {
    return static_cast<int>(sizeof(A) / sizeof(int));
}
