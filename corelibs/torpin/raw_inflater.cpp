// One zlib stream, reset between members rather than rebuilt.
#include "raw_inflater.h"

namespace torpin {

RawInflater::RawInflater() : m_out(256 * 1024)
{
    m_ready = inflateInit2(&m_stream, -MAX_WBITS) == Z_OK;
}

RawInflater::~RawInflater()
{
    if (m_ready)
        inflateEnd(&m_stream);
}

ExtractStatus RawInflater::run(
    InputRange& input, MemberOutput& output, const std::uint8_t* dictionary, std::size_t dictionarySize)
{
    if (!m_ready || inflateReset(&m_stream) != Z_OK)
        return ExtractStatus::WriteFailed;
    if (dictionary && dictionarySize > 0 &&
        inflateSetDictionary(&m_stream, dictionary, static_cast<uInt>(dictionarySize)) != Z_OK)
        return ExtractStatus::Corrupt;
    for (;;) {
        const std::uint8_t* data = nullptr;
        std::size_t n = 0;
        if (!input.fill(data, n))
            return ExtractStatus::Corrupt;
        m_stream.next_in = const_cast<Bytef*>(data);
        m_stream.avail_in = static_cast<uInt>(n);
        int rc = Z_OK;
        do {
            m_stream.next_out = m_out.data();
            m_stream.avail_out = static_cast<uInt>(m_out.size());
            rc = inflate(&m_stream, Z_NO_FLUSH);
            if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
                return ExtractStatus::Corrupt;
            std::size_t produced = m_out.size() - m_stream.avail_out;
            if (produced > 0 && !output.write(m_out.data(), produced))
                return output.status();
            // Z_BUF_ERROR with input left and room in the output would mean no progress.
            if (rc == Z_BUF_ERROR && produced == 0 && m_stream.avail_in > 0)
                return ExtractStatus::Corrupt;
        } while (rc != Z_STREAM_END && m_stream.avail_out == 0);
        input.consume(n - m_stream.avail_in);
        if (rc == Z_STREAM_END)
            return ExtractStatus::Ok;
    }
}

}  // namespace torpin
