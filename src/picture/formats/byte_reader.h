#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace qc {

// A cursor over an immutable byte block. Every read fails (returns false and leaves the output
// untouched) when fewer bytes remain than asked for: it never hands back zeros past the end.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : m_data(data) {}

    std::size_t size() const { return m_data.size(); }
    std::size_t position() const { return m_pos; }
    std::size_t remaining() const { return m_data.size() - m_pos; }
    bool atEnd() const { return m_pos >= m_data.size(); }

    bool seek(std::size_t pos) {
        if (pos > m_data.size()) return false;
        m_pos = pos;
        return true;
    }
    bool skip(std::size_t n) {
        if (n > remaining()) return false;
        m_pos += n;
        return true;
    }

    bool u8(std::uint8_t& out) {
        if (remaining() < 1) return false;
        out = m_data[m_pos++];
        return true;
    }
    bool u16le(std::uint16_t& out) {
        if (remaining() < 2) return false;
        out = std::uint16_t(m_data[m_pos] | (m_data[m_pos + 1] << 8));
        m_pos += 2;
        return true;
    }
    bool u32le(std::uint32_t& out) {
        if (remaining() < 4) return false;
        out = std::uint32_t(m_data[m_pos]) | (std::uint32_t(m_data[m_pos + 1]) << 8) |
              (std::uint32_t(m_data[m_pos + 2]) << 16) | (std::uint32_t(m_data[m_pos + 3]) << 24);
        m_pos += 4;
        return true;
    }
    bool i32le(std::int32_t& out) {
        std::uint32_t v;
        if (!u32le(v)) return false;
        out = std::int32_t(v);
        return true;
    }
    bool i16le(std::int16_t& out) {
        std::uint16_t v;
        if (!u16le(v)) return false;
        out = std::int16_t(v);
        return true;
    }
    // A view of the next n bytes, consumed.
    bool bytes(std::size_t n, std::span<const std::uint8_t>& out) {
        if (n > remaining()) return false;
        out = m_data.subspan(m_pos, n);
        m_pos += n;
        return true;
    }
    std::span<const std::uint8_t> rest() const { return m_data.subspan(m_pos); }

private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_pos = 0;
};

}  // namespace qc
