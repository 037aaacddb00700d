#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace ql {

// Walks the fields of one protocol-buffer message as the wire format lays them out: a key (field
// number and wire type) followed by a varint, a fixed 32- or 64-bit value, or a length-prefixed run
// of bytes. Only what Anki's package files need; a field of a kind it cannot skip, or one that runs
// past the end, stops the walk and marks the message malformed.
class ProtoReader {
public:
    enum WireType { Varint = 0, Fixed64 = 1, LengthDelimited = 2, Fixed32 = 5 };

    explicit ProtoReader(QByteArrayView bytes) : data_(bytes) {}

    // Moves to the next field; false at the end of the message or when it is malformed.
    bool next();
    bool malformed() const { return malformed_; }

    int field() const { return field_; }
    WireType wire_type() const { return wire_; }
    // The value of a varint or fixed field.
    std::uint64_t value() const { return value_; }
    // The payload of a length-delimited field (a string, bytes or an embedded message).
    QByteArrayView bytes() const { return payload_; }

private:
    bool read_varint(std::uint64_t& out);

    QByteArrayView data_;
    qsizetype pos_ = 0;
    int field_ = 0;
    WireType wire_ = Varint;
    std::uint64_t value_ = 0;
    QByteArrayView payload_;
    bool malformed_ = false;
};

}  // namespace ql
