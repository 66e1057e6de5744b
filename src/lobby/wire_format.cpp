#include "lobby/wire_format.h"

#include <algorithm>
#include <utility>

namespace tavolex {
namespace {

constexpr std::size_t kCodeSize = 2;
constexpr std::size_t kFieldLengthSize = 2;

void AppendBigEndian(std::string& out, std::uint32_t value, std::size_t bytes) {
    for (std::size_t i = bytes; i-- > 0;)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t ReadBigEndian(std::string_view bytes, std::size_t at, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

}  // namespace

std::optional<std::string> EncodeFrame(std::uint16_t code,
                                       const std::vector<std::string_view>& fields) {
    std::size_t size = kFrameLengthSize + kCodeSize;
    for (const std::string_view field : fields) {
        if (field.size() > 0xFFFF) return std::nullopt;
        size += kFieldLengthSize + field.size();
    }
    if (size > kMaxFrameSize) return std::nullopt;
    std::string out;
    out.reserve(size);
    AppendBigEndian(out, static_cast<std::uint32_t>(size - kFrameLengthSize), kFrameLengthSize);
    AppendBigEndian(out, code, kCodeSize);
    for (const std::string_view field : fields) {
        AppendBigEndian(out, static_cast<std::uint32_t>(field.size()), kFieldLengthSize);
        out.append(field);
    }
    return out;
}

std::optional<std::string> EncodeFrame(RequestKind kind,
                                       const std::vector<std::string_view>& fields) {
    return EncodeFrame(static_cast<std::uint16_t>(kind), fields);
}

std::optional<std::string> EncodeEvent(std::uint16_t code, std::string_view text) {
    return EncodeFrame(code, {text});
}

FrameDecoder::Status FrameDecoder::Fail(std::string error) {
    error_ = std::move(error);
    buffer_.clear();
    buffer_.shrink_to_fit();
    return Status::kBad;
}

FrameDecoder::Status FrameDecoder::Next(std::string_view& input, Frame& frame) {
    if (!error_.empty()) return Status::kBad;
    if (expected_ == 0) {
        // The length first, four bytes that may themselves arrive split.
        const std::size_t take = std::min(kFrameLengthSize - buffer_.size(), input.size());
        buffer_.append(input.substr(0, take));
        input.remove_prefix(take);
        if (buffer_.size() < kFrameLengthSize) return Status::kNeedMore;
        const std::uint32_t length = ReadBigEndian(buffer_, 0, kFrameLengthSize);
        if (length < kCodeSize) return Fail("Frame too short");
        if (length > kMaxFrameSize - kFrameLengthSize) return Fail("Frame too large");
        expected_ = kFrameLengthSize + length;
    }
    const std::size_t take = std::min(expected_ - buffer_.size(), input.size());
    buffer_.append(input.substr(0, take));
    input.remove_prefix(take);
    if (buffer_.size() < expected_) return Status::kNeedMore;
    if (!ParseBody(frame)) return Fail("Malformed frame");
    buffer_.clear();
    // An idle connection keeps no frame-sized buffer.
    if (buffer_.capacity() > 256) buffer_.shrink_to_fit();
    expected_ = 0;
    return Status::kFrame;
}

bool FrameDecoder::ParseBody(Frame& frame) {
    const std::string_view bytes = buffer_;
    std::size_t at = kFrameLengthSize;
    frame.code = static_cast<std::uint16_t>(ReadBigEndian(bytes, at, kCodeSize));
    at += kCodeSize;
    frame.fields.clear();
    while (at < bytes.size()) {
        if (bytes.size() - at < kFieldLengthSize) return false;
        const std::size_t length = ReadBigEndian(bytes, at, kFieldLengthSize);
        at += kFieldLengthSize;
        if (bytes.size() - at < length) return false;
        frame.fields.emplace_back(bytes.substr(at, length));
        at += length;
    }
    return true;
}

}  // namespace tavolex
