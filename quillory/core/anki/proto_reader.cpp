#include "proto_reader.h"

namespace ql {

bool ProtoReader::read_varint(std::uint64_t& out) {
    out = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        if (pos_ >= data_.size()) return false;
        const auto byte = static_cast<unsigned char>(data_[pos_++]);
        out |= std::uint64_t(byte & 0x7f) << shift;
        if (!(byte & 0x80)) return true;
    }
    return false;  // more than ten bytes: no varint is that long
}

bool ProtoReader::next() {
    if (malformed_ || pos_ >= data_.size()) return false;
    std::uint64_t key = 0;
    if (!read_varint(key) || (key >> 3) == 0 || (key >> 3) > 0x1fffffff) {
        malformed_ = true;
        return false;
    }
    field_ = int(key >> 3);
    value_ = 0;
    payload_ = {};
    const auto fixed = [&](int n) {
        if (data_.size() - pos_ < n) return false;
        for (int k = 0; k < n; ++k) value_ |= std::uint64_t(static_cast<unsigned char>(data_[pos_ + k])) << (8 * k);
        pos_ += n;
        return true;
    };
    bool ok = false;
    switch (key & 7) {
    case Varint:
        wire_ = Varint;
        ok = read_varint(value_);
        break;
    case Fixed64:
        wire_ = Fixed64;
        ok = fixed(8);
        break;
    case Fixed32:
        wire_ = Fixed32;
        ok = fixed(4);
        break;
    case LengthDelimited: {
        wire_ = LengthDelimited;
        std::uint64_t n = 0;
        ok = read_varint(n) && n <= std::uint64_t(data_.size() - pos_);
        if (ok) {
            payload_ = data_.sliced(pos_, qsizetype(n));
            pos_ += qsizetype(n);
        }
        break;
    }
    default:  // groups (3, 4) are long gone from the format and cannot be skipped safely
        break;
    }
    if (!ok) malformed_ = true;
    return ok;
}

}  // namespace ql
