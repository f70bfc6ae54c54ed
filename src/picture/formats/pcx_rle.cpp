#include "picture/formats/pcx_rle.h"

#include <algorithm>
#include <cstring>

namespace qc {

std::size_t PcxRleStream::fill(std::uint8_t* out, std::size_t n) {
    std::size_t done = 0;
    const std::size_t end = m_data.size();
    while (done < n) {
        if (m_run > 0) {
            const std::size_t k = std::min(m_run, n - done);
            std::memset(out + done, m_value, k);
            done += k;
            m_run -= k;
            continue;
        }
        if (m_pos >= end) break;
        const std::uint8_t b = m_data[m_pos++];
        if (b < 0xC0) {
            out[done++] = b;
            continue;
        }
        // A count byte with no value after it ends the data.
        if (m_pos >= end) break;
        m_value = m_data[m_pos++];
        // The two top bits mark a count, so 0xC0 is a run of no bytes: it is skipped, never
        // taken as a pixel of value 192.
        m_run = b & 0x3F;
    }
    return done;
}

}  // namespace qc
