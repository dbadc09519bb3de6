#pragma once
// Byte streams for stored layouts and binary properties. ReadBuffer/WriteBuffer move exactly
// the bytes asked for or raise EReadError("Stream read error") / EWriteError("Stream write error").
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace quellar {

class TStream {
public:
    virtual ~TStream() = default;
    // Reads up to count bytes; returns how many were read.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    // Writes up to count bytes; returns how many were written.
    virtual std::size_t Write(const void* buffer, std::size_t count) = 0;

    void ReadBuffer(void* buffer, std::size_t count);
    void WriteBuffer(const void* buffer, std::size_t count);

    // Little-endian helpers over ReadBuffer/WriteBuffer.
    std::int32_t ReadInt32();
    void WriteInt32(std::int32_t value);
};

// A stream over a growable byte vector.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::size_t Position() const { return position_; }
    void SetPosition(std::size_t position) { position_ = position; }
    std::size_t Size() const { return bytes_.size(); }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

} // namespace quellar
