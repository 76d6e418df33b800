// One zlib stream, reset between members rather than rebuilt.
#include "raw_inflater.h"

namespace torpin {

RawInflater::RawInflater() : out_(256 * 1024) {
    ready_ = inflateInit2(&stream_, -MAX_WBITS) == Z_OK;
}

RawInflater::~RawInflater() {
    if (ready_) inflateEnd(&stream_);
}

ExtractStatus RawInflater::run(InputRange& input, MemberOutput& output, const std::uint8_t* dictionary,
                               std::size_t dictionarySize) {
    if (!ready_ || inflateReset(&stream_) != Z_OK) return ExtractStatus::WriteFailed;
    if (dictionary && dictionarySize > 0 &&
        inflateSetDictionary(&stream_, dictionary, static_cast<uInt>(dictionarySize)) != Z_OK)
        return ExtractStatus::Corrupt;
    for (;;) {
        const std::uint8_t* data = nullptr;
        std::size_t n = 0;
        if (!input.fill(data, n)) return ExtractStatus::Corrupt;
        stream_.next_in = const_cast<Bytef*>(data);
        stream_.avail_in = static_cast<uInt>(n);
        int rc = Z_OK;
        do {
            stream_.next_out = out_.data();
            stream_.avail_out = static_cast<uInt>(out_.size());
            rc = inflate(&stream_, Z_NO_FLUSH);
            if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR) return ExtractStatus::Corrupt;
            std::size_t produced = out_.size() - stream_.avail_out;
            if (produced > 0 && !output.write(out_.data(), produced)) return output.status();
            // Z_BUF_ERROR with input left and room in the output would mean no progress.
            if (rc == Z_BUF_ERROR && produced == 0 && stream_.avail_in > 0) return ExtractStatus::Corrupt;
        } while (rc != Z_STREAM_END && stream_.avail_out == 0);
        input.consume(n - stream_.avail_in);
        if (rc == Z_STREAM_END) return ExtractStatus::Ok;
    }
}

}  // namespace torpin
