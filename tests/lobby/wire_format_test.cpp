#include "lobby/wire_format.h"

#include <gtest/gtest.h>

#include <string>

namespace tavolex {
namespace {

using Status = FrameDecoder::Status;

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
