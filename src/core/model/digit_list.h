// An ordered list of distinct digits 1..9 packed in one 64-bit word: a white
// cell's candidates as the solver works on them, in the order of their text.
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

namespace vextor {

class DigitList {
public:
    constexpr DigitList() = default;

    // The distinct digits 1..9 of s in their order; other characters and
    // repeats are left out.
    static DigitList fromText(std::string_view s) {
        DigitList out;
        for (char ch : s)
            if (ch >= '1' && ch <= '9' && !out.has(ch - '0'))
                out.push(ch - '0');
        return out;
    }
    static DigitList single(int d) {
        DigitList out;
        out.push(d);
        return out;
    }

    int size() const { return static_cast<int>(v_ >> 60); }
    bool empty() const { return v_ == 0; }
    // Bit d - 1 for every digit d.
    unsigned mask() const { return static_cast<unsigned>(v_ >> 48) & 0x1ffu; }
    bool has(int d) const { return d >= 1 && d <= 9 && ((mask() >> (d - 1)) & 1u) != 0; }
    // The digit at position k (from 0).
    int at(int k) const { return static_cast<int>(v_ >> (4 * k)) & 15; }
    int first() const { return at(0); }
    // The largest digit (0 when empty) and the smallest (99 when empty).
    int maxDigit() const { return mask() ? 32 - std::countl_zero(mask()) : 0; }
    int minDigit() const { return mask() ? std::countr_zero(mask()) + 1 : 99; }

    // Appends d, which must not be in the list yet.
    void push(int d) {
        v_ |= static_cast<std::uint64_t>(d) << (4 * size());
        v_ |= std::uint64_t{1} << (47 + d);
        v_ += std::uint64_t{1} << 60;
    }
    // Removes d; false when it was not there.
    bool erase(int d) {
        if (!has(d))
            return false;
        int p = 0;
        while (at(p) != d)
            ++p;
        const std::uint64_t digits = v_ & kDigitBits;
        const std::uint64_t low = digits & ((std::uint64_t{1} << (4 * p)) - 1);
        const std::uint64_t high = (digits >> (4 * (p + 1))) << (4 * p);
        const unsigned m = mask() & ~(1u << (d - 1));
        v_ = low | high | (static_cast<std::uint64_t>(m) << 48) |
             (static_cast<std::uint64_t>(size() - 1) << 60);
        return true;
    }
    // The digits whose bit is set in m, in their order.
    DigitList keep(unsigned m) const {
        if ((mask() & m) == mask())
            return *this;
        DigitList out;
        for (int k = 0, n = size(); k < n; ++k)
            if ((m >> (at(k) - 1)) & 1u)
                out.push(at(k));
        return out;
    }

    std::string text() const {
        std::string s;
        for (int k = 0, n = size(); k < n; ++k)
            s += static_cast<char>('0' + at(k));
        return s;
    }
    // Sets s to text() in place, keeping its storage.
    void writeText(std::string& s) const {
        char digits[9];
        const int n = size();
        for (int k = 0; k < n; ++k)
            digits[k] = static_cast<char>('0' + at(k));
        s.assign(digits, static_cast<std::size_t>(n));
    }
    bool equalsText(const std::string& s) const {
        const int n = size();
        if (static_cast<int>(s.size()) != n)
            return false;
        for (int k = 0; k < n; ++k)
            if (s[static_cast<std::size_t>(k)] != '0' + at(k))
                return false;
        return true;
    }

    // Same digits in the same order.
    bool operator==(const DigitList&) const = default;

private:
    static constexpr std::uint64_t kDigitBits = (std::uint64_t{1} << 36) - 1;
    // Bits 0..35: the digits, four bits each, position 0 lowest; bits 48..56:
    // the mask; bits 60..63: the count.
    std::uint64_t v_ = 0;
};

} // namespace vextor
