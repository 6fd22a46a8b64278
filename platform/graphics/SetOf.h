#pragma once

#include <cstdint>
#include <initializer_list>

// A small set of enumeration values (up to 32), the shape of the platform's
// "set of" types: TFontStyles, TShiftState, TControlStyle.
template <typename E>
class TSetOf {
public:
    constexpr TSetOf() = default;
    constexpr TSetOf(std::initializer_list<E> values)
    {
        for (E value : values)
            FBits |= Bit(value);
    }

    constexpr bool Contains(E value) const { return (FBits & Bit(value)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr uint32_t Bits() const { return FBits; }

    constexpr TSetOf& operator<<(E value) { FBits |= Bit(value); return *this; }
    constexpr TSetOf& operator>>(E value) { FBits &= ~Bit(value); return *this; }
    constexpr TSetOf operator+(TSetOf other) const { return FromBits(FBits | other.FBits); }
    constexpr TSetOf operator-(TSetOf other) const { return FromBits(FBits & ~other.FBits); }
    constexpr TSetOf operator*(TSetOf other) const { return FromBits(FBits & other.FBits); }
    constexpr bool operator==(const TSetOf&) const = default;

    static constexpr TSetOf FromBits(uint32_t bits)
    {
        TSetOf set;
        set.FBits = bits;
        return set;
    }

private:
    static constexpr uint32_t Bit(E value) { return uint32_t { 1 } << static_cast<uint32_t>(value); }
    uint32_t FBits = 0;
};
