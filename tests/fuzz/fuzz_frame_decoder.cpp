// Any bytes as a stream of frames, fed in pieces whose sizes the input's first byte picks: the
// decoder must find the same frames as when fed everything at once, and each frame it accepts
// must encode back to exactly the bytes it came from.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "lobby/wire_format.h"

namespace {

using tavolex::Frame;
using tavolex::FrameDecoder;

std::vector<Frame> Decode(std::string_view bytes, std::size_t split, FrameDecoder::Status& last) {
    FrameDecoder decoder;
    std::vector<Frame> frames;
    last = FrameDecoder::Status::kNeedMore;
    while (!bytes.empty() && last != FrameDecoder::Status::kBad) {
        std::string_view piece = bytes.substr(0, split);
        bytes.remove_prefix(piece.size());
        Frame frame;
        while ((last = decoder.Next(piece, frame)) == FrameDecoder::Status::kFrame)
            frames.push_back(frame);
        if (decoder.Buffered() > tavolex::kMaxFrameSize) std::abort();
    }
    return frames;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::size_t split = data[0] % 16 + 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    FrameDecoder::Status pieceStatus, wholeStatus;
    const std::vector<Frame> inPieces = Decode(bytes, split, pieceStatus);
    const std::vector<Frame> whole = Decode(bytes, bytes.size() + 1, wholeStatus);
    if (inPieces != whole || pieceStatus != wholeStatus) std::abort();

    std::string encoded;
    for (const Frame& frame : whole) {
        const std::vector<std::string_view> fields(frame.fields.begin(), frame.fields.end());
        const auto bytesOfFrame = tavolex::EncodeFrame(frame.code, fields);
        if (!bytesOfFrame) std::abort();
        encoded += *bytesOfFrame;
    }
    if (bytes.substr(0, encoded.size()) != encoded) std::abort();
    return 0;
}
