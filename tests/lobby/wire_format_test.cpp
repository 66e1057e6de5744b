#include "lobby/wire_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolex {
namespace {

using Status = FrameDecoder::Status;

// Every frame the bytes hold, fed in pieces of `split` bytes; stops at a bad frame.
std::vector<Frame> DecodeAll(const std::string& bytes, std::size_t split, Status* last = nullptr) {
    FrameDecoder decoder;
    std::vector<Frame> frames;
    Status status = Status::kNeedMore;
    for (std::size_t at = 0; at < bytes.size() && status != Status::kBad; at += split) {
        std::string_view piece = std::string_view(bytes).substr(at, split);
        Frame frame;
        while ((status = decoder.Next(piece, frame)) == Status::kFrame) frames.push_back(frame);
    }
    if (last) *last = status;
    return frames;
}

TEST(WireFormat, FramesSurviveAnySplitWithEveryByteValue) {
    std::string allBytes;
    for (int value = 0; value < 256; ++value) allBytes.push_back(static_cast<char>(value));
    const std::string command =
        "MELD\xFE"
        "17\xFF";
    const std::vector<Frame> sent = {
        {static_cast<std::uint16_t>(RequestKind::kHello), {"5.0", "501"}},
        {static_cast<std::uint16_t>(RequestKind::kPrivateGameCommand), {"Anna", command}},
        {kEventPublicMessage, {allBytes}},
        {static_cast<std::uint16_t>(RequestKind::kGetMotd), {}},
        {kEventMotdLine, {""}},
    };
    std::string stream;
    for (const Frame& frame : sent) {
        const std::vector<std::string_view> fields(frame.fields.begin(), frame.fields.end());
        stream += *EncodeFrame(frame.code, fields);
    }
    for (const std::size_t split :
         {std::size_t{1}, std::size_t{3}, std::size_t{7}, stream.size()}) {
        Status last;
        EXPECT_EQ(DecodeAll(stream, split, &last), sent) << "split " << split;
        EXPECT_EQ(last, Status::kNeedMore);
    }
}

TEST(WireFormat, OversizeIsRefusedFromItsLengthAloneAndMalformedFramesStayBad) {
    EXPECT_TRUE(EncodeEvent(kEventMotdLine, std::string(kMaxFrameSize - 8, 'x')));
    EXPECT_FALSE(EncodeEvent(kEventMotdLine, std::string(kMaxFrameSize - 7, 'x')));

    // Only the four length bytes of an oversize frame arrive: already refused, nothing held.
    FrameDecoder decoder;
    std::string_view header("\x00\x00\x20\x00", 4);
    Frame frame;
    EXPECT_EQ(decoder.Next(header, frame), Status::kBad);
    EXPECT_EQ(decoder.Buffered(), 0u);
    EXPECT_EQ(decoder.Error(), "Frame too large");

    // Malformed frames are bad, and the decoder stays bad.
    const struct {
        std::string bytes;
        const char* error;
    } cases[] = {
        {std::string("\x00\x00\x00\x01\x07", 5), "Frame too short"},
        {std::string("\x00\x00\x00\x05\x07\xD0\x00\x05x", 9), "Malformed frame"},  // field overruns
        {std::string("\x00\x00\x00\x03\x07\xD0\x00", 7), "Malformed frame"},  // half a field length
    };
    for (const auto& c : cases) {
        FrameDecoder malformed;
        std::string_view input = c.bytes;
        EXPECT_EQ(malformed.Next(input, frame), Status::kBad);
        EXPECT_EQ(malformed.Error(), c.error);
        const std::string good = *EncodeEvent(kEventLoggedIn, "");
        std::string_view after = good;
        EXPECT_EQ(malformed.Next(after, frame), Status::kBad);
    }
}

}  // namespace
}  // namespace tavolex
