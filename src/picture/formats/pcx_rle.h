#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace qc {

// The run-length coded byte stream of a PCX file, read continuously: a run may carry over from
// one line or plane into the next.
class PcxRleStream {
  public:
    explicit PcxRleStream(std::span<const std::uint8_t> data) : m_data(data) {}

    // Decodes up to n bytes into out and returns how many it gave; fewer than n only when the
    // data has ended.
    std::size_t fill(std::uint8_t* out, std::size_t n);

  private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_pos = 0;
    std::size_t m_run = 0;
    std::uint8_t m_value = 0;
};

}  // namespace qc
